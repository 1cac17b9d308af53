#pragma once
// The one boundary between the program's Windows-1252 texts and Qt's QString.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

QString AusCp1252(std::string_view text);
// Characters that Windows-1252 cannot hold become "?".
std::string NachCp1252(const QString& text);

// A path between Qt and the file system, in the file system's encoding (not Windows-1252).
QString PfadAlsQString(const std::filesystem::path& pfad);
std::filesystem::path PfadAusQString(const QString& pfad);
