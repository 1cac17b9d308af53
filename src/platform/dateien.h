#pragma once
// Files and folders: the program folder, whole-file reads and the search by name pattern.
//
// A path is a name in the file system (bytes in the user's locale), not a text of the program:
// it becomes a text only to be shown or compared as one.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The folder of the executable, without a trailing "/". Tests may set another one.
std::filesystem::path ProgrammOrdner();
void SetzeProgrammOrdner(const std::filesystem::path& ordner);

// The path as a text of the program; characters Windows-1252 cannot hold become "?".
std::string PfadAlsText(const std::filesystem::path& pfad);
// The path a text names, such as one stored in a data text.
std::filesystem::path PfadAusText(const std::string& text);

// Opens a file for reading. Only a regular file is opened, and without waiting: the open of a
// FIFO without a writer, or of some devices, would hold the caller for ever. -1 when it does not
// open, errno telling why (EISDIR for a folder, EINVAL for any other file that is no regular
// file).
int OeffneZumLesen(const std::filesystem::path& pfad);
// Reads up to `anzahl` bytes from a descriptor, fewer only at the end of the file; -1 on a read
// error, such as a failing disk, a pulled stick or a lost network share gives.
int64_t LiesVoll(int datei, void* ziel, int64_t anzahl);
// The rest of the file from the current position, in as few reads as its size allows, into room
// that is not filled with zeros first; false on a read error.
bool LiesBisEnde(int datei, std::unique_ptr<char[]>& inhalt, size_t& groesse);

// Reads a whole file; false when it cannot be opened or read, or is no regular file (a folder,
// a FIFO or a device).
bool LeseGanzeDatei(const std::filesystem::path& pfad, std::string& inhalt);
// The first line of a text file, without its line end ("\n" or "\r\n"); false as above.
bool LeseErsteZeile(const std::filesystem::path& pfad, std::string& zeile);

// Names (without folder, as the file system spells them) of the files in a folder whose text
// matches a pattern with the Windows meaning: "?" one character, "*" any run, letters compared
// without regard to case; sorted by that text.
std::vector<std::filesystem::path> SucheDateien(const std::filesystem::path& ordner,
                                                const std::string& muster);
