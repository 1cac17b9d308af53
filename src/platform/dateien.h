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
#include <string_view>
#include <vector>

// The folder of the executable, without a trailing "/". Tests may set another one.
std::filesystem::path ProgrammOrdner();
void SetzeProgrammOrdner(const std::filesystem::path& ordner);

// The path as a text of the program; characters Windows-1252 cannot hold become "?".
std::string PfadAlsText(const std::filesystem::path& pfad);
// The path a text names, such as one stored in a data text.
std::filesystem::path PfadAusText(const std::string& text);

// Opens a file for reading. Only a regular file is opened, and the path's kind is looked at
// before the open: opening a FIFO releases a writer waiting on it, and some devices act when
// opened. The kind is checked again on the descriptor, as the path may have changed in between;
// the open does not wait, so a FIFO put there meanwhile cannot hold the caller. -1 when it does
// not open, errno telling why (EISDIR for a folder, EINVAL for any other file that is no regular
// file).
int OeffneZumLesen(const std::filesystem::path& pfad);
// Reads up to `anzahl` bytes from a descriptor, fewer only at the end of the file; -1 on a read
// error, such as a failing disk, a pulled stick or a lost network share gives.
int64_t LiesVoll(int datei, void* ziel, int64_t anzahl);
// Writes all the bytes to a descriptor; false when a write fails, such as on a full disk.
bool SchreibeVoll(int datei, std::string_view bytes);
enum class Leseergebnis
{
    Gelesen,
    Lesefehler,
    ZuGross
};
// The rest of the file from the current position, in as few reads as its size allows, into room
// that is not filled with zeros first. ZuGross for more than `hoechstens` bytes, found before
// anything is read or allocated when the file's size tells, with `groesse` then the size found.
// std::bad_alloc when there is no room for the bytes.
Leseergebnis LiesBisEnde(int datei, std::unique_ptr<char[]>& inhalt, size_t& groesse,
                         size_t hoechstens);

// Reads a whole file of at most `hoechstens` bytes; false when it cannot be opened or read, is
// larger, is no regular file (a folder, a FIFO or a device) or finds no memory for its bytes.
bool LeseGanzeDatei(const std::filesystem::path& pfad, std::string& inhalt, size_t hoechstens);
// The first line of a text file, without its line end ("\n" or "\r\n"); false as above. A file
// of more than 64 KiB holds no line worth reading, such as a path, and is not read.
bool LeseErsteZeile(const std::filesystem::path& pfad, std::string& zeile);

// Names (without folder, as the file system spells them) of the files in a folder whose text
// matches a pattern with the Windows meaning: "?" one character, "*" any run, letters compared
// without regard to case; sorted by that text.
std::vector<std::filesystem::path> SucheDateien(const std::filesystem::path& ordner,
                                                const std::string& muster);
