#pragma once
// Where the program may write: its exports, printed files and settings stores. Opening a FIFO
// waits for the other end for ever, a device is fed, and a new file would take either's place;
// so only a path that names nothing yet or a regular file is written. The files the program only
// reads, projects, are never one of its settings stores, under whatever name.

#include <filesystem>

// False only when the path names something that is no regular file (also through a link); true
// when it names a regular file, nothing, or cannot be looked at.
bool IstFreiOderRegulaer(const std::filesystem::path& pfad);
// True when the path names a link the system does not follow, whatever the machine's setting:
// one in a sticky folder that anyone may write, belonging neither to the user nor to the
// folder's owner (another user may have put it there to have the user write where it points).
bool IstFremderVerweis(const std::filesystem::path& pfad);
// Where a file written at the path lands: its links followed as far as they lead, also to a
// file that is not there yet, but never through a link the system does not follow, which is
// then where it ends.
std::filesystem::path Verweisziel(const std::filesystem::path& pfad);
// True when both paths name one existing file, however they are written (links, "./", other
// hard links of it).
bool IstDieselbeDatei(const std::filesystem::path& pfad, const std::filesystem::path& andere);
// The files the program only reads: every file it loaded as a project in this run, remembered as
// it is loaded ("" is none) until the run forgets them at its end, and any other file that reads
// as a project. True when the path names one of them, however it is written.
void MerkeNurGeleseneDatei(const std::filesystem::path& pfad);
void VergissNurGeleseneDateien();
bool IstNurGeleseneDatei(const std::filesystem::path& pfad);
// Whether a file reads as a project is known where projects are read, which hands it over here
// (nullptr: no file does).
using Projekterkennung = bool (*)(const std::filesystem::path& pfad);
void SetzeProjekterkennung(Projekterkennung erkennung);
