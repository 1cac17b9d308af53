#pragma once
// The one boundary between the program's Windows-1252 texts and Qt's QString.

#include <QString>
#include <string>
#include <string_view>

QString AusCp1252(std::string_view text);
// Characters that Windows-1252 cannot hold become "?".
std::string NachCp1252(const QString& text);
