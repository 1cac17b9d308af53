#pragma once
// Files and folders: the program folder, whole-file reads and the search by name pattern.
//
// A path is a name in the file system (bytes in the user's locale), not a text of the program:
// it becomes a text only to be shown or compared as one.

#include <filesystem>
#include <string>
#include <vector>

// The folder of the executable, without a trailing "/". Tests may set another one.
std::filesystem::path ProgrammOrdner();
void SetzeProgrammOrdner(const std::filesystem::path& ordner);

// The path as a text of the program; characters Windows-1252 cannot hold become "?".
std::string PfadAlsText(const std::filesystem::path& pfad);
// The path a text names, such as one stored in a data text.
std::filesystem::path PfadAusText(const std::string& text);

// Reads a whole file; false when it cannot be opened or read, or is no regular file (a folder
// or a device).
bool LeseGanzeDatei(const std::filesystem::path& pfad, std::string& inhalt);
// The first line of a text file, without its line end ("\n" or "\r\n"); false as above.
bool LeseErsteZeile(const std::filesystem::path& pfad, std::string& zeile);

// Names (without folder, as the file system spells them) of the files in a folder whose text
// matches a pattern with the Windows meaning: "?" one character, "*" any run, letters compared
// without regard to case; sorted by that text.
std::vector<std::filesystem::path> SucheDateien(const std::filesystem::path& ordner,
                                                const std::string& muster);
