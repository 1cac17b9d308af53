#pragma once
// Text in the program is std::string holding Windows-1252 bytes, one byte per character, exactly
// as the project files store it.

#include <string>
#include <string_view>

// Upper case of one Windows-1252 character (a→A, ä→Ä, š→Š, ÿ→Ÿ); ß and other characters stay.
char GrossZeichen(char c);
// Upper-cased copy of a Windows-1252 text; the one function that sort keys and filters use.
std::string GrossSchreiben(std::string_view text);
// Lower case of one Windows-1252 character, the reverse of GrossZeichen.
char KleinZeichen(char c);
std::string KleinSchreiben(std::string_view text);

// printf-style formatting that always writes "." as decimal separator, whatever the locale.
std::string StringFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
// strtod with "." as decimal separator, whatever the locale; end receives the first unread byte.
double StringZuDoubleC(const char* text, char** end = nullptr);
// The leading decimal integer of a text as atoi reads it (blanks and a sign before the digits), 0
// when there is none, held within the range of int.
int GanzeZahl(const std::string& text);
