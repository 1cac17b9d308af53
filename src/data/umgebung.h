#pragma once
// The program's view of the machine it runs on: program folder, computer and user name, the
// workstation identity, [KEY=value] tags and time stamps.

#include <filesystem>
#include <string>

// The program's folder without a trailing separator; false, with out unchanged, when unknown.
bool HoleProgrammordner(std::filesystem::path& ordner);

// "" when the name cannot be had.
std::string HoleComputerName();
std::string HoleBenutzerName();

// "{" computer "_" user "}": the sibling program tags copies of a project file with it.
std::string HoleArbeitsplatzKennung();

// The value of the first tag "[key=value]" in the text (key compared case-sensitively);
// "" when there is none or it is not closed.
std::string HoleTagWert(const std::string& text, const std::string& schluessel);
// HoleTagWert on the first line of a file; false when the file cannot be opened.
bool LeseTagWertAusDatei(const std::string& pfad, const std::string& schluessel, std::string& wert);

// Current local time as "%y%m%d%H%M%S" and as "%Y-%m-%d %H:%M".
std::string HoleZeitstempel();
std::string HoleZeitstempelLesbar();

// Writes the content to a new file "<folder>/<time stamp>.<extension>", waiting for the next
// second when anything has that name; false when the folder is missing or the file cannot be
// made or written whole.
bool SchreibeZeitstempelDatei(const std::string& ordner, const std::string& endung,
                              std::string& pfad, const std::string& inhalt);
