#pragma once
// Where the program may write: its exports, printed files and settings stores. Opening a FIFO
// waits for the other end for ever, a device is fed, and a new file would take either's place;
// so only a path that names nothing yet or a regular file is written. The file the program only
// reads, the loaded project, is never one of its settings stores, under whatever name.

#include <filesystem>

// False only when the path names something that is no regular file (also through a link); true
// when it names a regular file, nothing, or cannot be looked at.
bool IstFreiOderRegulaer(const std::filesystem::path& pfad);
// Where a file written at the path lands: its links followed as far as they lead, also to a
// file that is not there yet.
std::filesystem::path Verweisziel(const std::filesystem::path& pfad);
// True when both paths name one existing file, however they are written (links, "./", other
// hard links of it).
bool IstDieselbeDatei(const std::filesystem::path& pfad, const std::filesystem::path& andere);
// The file the program only reads, set when a project is loaded ("" when none is); true when the
// path names it, however it is written.
void SetzeNurGeleseneDatei(const std::filesystem::path& pfad);
bool IstNurGeleseneDatei(const std::filesystem::path& pfad);
