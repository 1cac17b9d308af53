#pragma once
// Windows-1252 ↔ UTF-16 without Qt, for code that meets UTF-16 outside the Qt boundary (dialog
// templates store their captions as UTF-16).

#include <string>
#include <string_view>

std::u16string Utf16AusCp1252(std::string_view text);
// Characters that Windows-1252 cannot hold become "?", a surrogate pair one "?".
std::string Cp1252AusUtf16(std::u16string_view text);
