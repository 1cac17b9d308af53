#pragma once
// Files and folders: the program folder, whole-file reads and the search by name pattern.

#include <string>
#include <vector>

// The folder of the executable, without a trailing "/". Tests may set another one.
std::string ProgrammOrdner();
void SetzeProgrammOrdner(const std::string& ordner);

// Reads a whole file; false when it cannot be opened or read, or is no regular file (a folder
// or a device).
bool LeseGanzeDatei(const std::string& pfad, std::string& inhalt);
// The first line of a text file, without its line end ("\n" or "\r\n"); false as above.
bool LeseErsteZeile(const std::string& pfad, std::string& zeile);

// Names (without folder) of the files in a folder that match a pattern with the Windows meaning:
// "?" one character, "*" any run, letters compared without regard to case; sorted by name.
std::vector<std::string> SucheDateien(const std::string& ordner, const std::string& muster);
