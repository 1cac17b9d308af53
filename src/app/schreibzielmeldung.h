#pragma once
// Where the print and the export may write, and how they tell the user about a file they cannot
// write.

#include <filesystem>
#include <string>

class QString;

// A message on a file: "Die Datei "<pfad>" " followed by what went wrong with it.
void MeldeDateifehler(const QString& pfad, const std::string& was);
// False, after the message, when nothing may be written at `pfad`: the open project `projekt`,
// which is only ever read, or a FIFO, a device or a folder. An empty path (no file) may be.
bool PruefeSchreibziel(const QString& pfad, const std::filesystem::path& projekt);
