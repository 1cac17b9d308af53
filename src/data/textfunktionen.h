#pragma once
// Text, number and date helpers that every record format of the program is read and written with.
// Texts are Windows-1252 bytes. Field, group and sub-field indices count from 0; an index outside
// the text yields an empty text, never an error.

#include <cstdint>
#include <string>

// The date and time record of the Windows API, 16 bits per member.
struct SYSTEMTIME
{
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
};

// ---- Fields and delimited parts --------------------------------------------------------------
// A text with k separators has k+1 fields; an empty text has one empty field.

// Start of field n within the first `limit` bytes of a NUL-terminated buffer; `length` receives its
// length. n < 0 gives the start of the buffer with length 0; beyond the last field the length is 0.
const char* StringSucheFeldImPuffer(const char* text, int limit, char trenner, int n, int& length);
// Index of field n in the text and its length, as above.
int StringSucheFeld(const std::string& text, char trenner, int n, int& length);
std::string StringHoleFeld(const std::string& text, char trenner, int n);
std::string StringHoleFeldAt(const std::string& text, int n);
// Field n at a separator text; an empty separator leaves the whole text as the only field.
std::string StringHoleToken(const std::string& text, const std::string& trenner, int n);
// Field n into `feld`; returns the position after the separator that ends it, nullptr when it was
// the last field or there is no field n. The result points into `text`.
const char* StringHoleFeldZeichenRest(const char* text, char trenner, int n, std::string& feld);
// One step of a field walk: `feld` receives the text from `position` up to the separator; returns
// the position after it, or nullptr at the end. A null position gives an empty field.
const char* StringNaechstesFeld(char trenner, const char* position, std::string& feld);
// Field n at "|", then sub-field m at "@" of it.
std::string StringHoleUnterfeld(const std::string& text, int n, int m);
// Field m at "|" of the n-th group in braces.
std::string StringHoleGruppenfeld(const std::string& text, int n, int m);
// The text between the n-th opening delimiter and the first closing one after it.
std::string StringHoleZwischen(const std::string& text, char auf, char zu, int n);
// Non-overlapping occurrences of the separator + 1; an empty separator counts one field.
int StringZaehleFelder(const std::string& text, const std::string& trenner);
int StringZaehleFelderZeichen(const std::string& text, char trenner);
// Sets field n, padding missing fields; true only when the text changed (false for n < 0).
bool StringSetzeFeld(std::string& text, char trenner, int n, const std::string& wert);
// Rewrites the text as delimited groups with group n = wert; the group count is the number of
// closing delimiters, raised to n+1. True only when the text changed (false for n < 0).
bool StringSetzeGruppenfeld(std::string& text, char auf, char zu, int n, const std::string& wert);

// ---- Searching and replacing (-1: not found) -------------------------------------------------

int StringFindeZeichen(const std::string& text, char zeichen, int start = 0);
int StringFindeZeichenOhneGrossKlein(const std::string& text, char zeichen, int start = 0);
int StringFinde(const std::string& text, const std::string& teil, int start = 0);
int StringFindeOhneGrossKlein(const std::string& text, const std::string& teil, int start = 0);
// Last occurrence beginning at or before start (-1 or past the end: the last character).
// A match at index 0 is never reported: callers look for separators after a leading part.
int StringFindeRueckwaerts(const std::string& text, const std::string& teil, int start = -1);
// As above without regard to case; this one does report index 0.
int StringFindeRueckwaertsOhneGrossKlein(const std::string& text, const std::string& teil,
                                         int start = -1);
int StringFindeZeichenRueckwaerts(const std::string& text, char zeichen, int start = -1);
// Inserts at the position; a position past the end pads the text with blanks first.
void StringEinfuegen(std::string& text, int position, const std::string& einfuegung);
void StringEinfuegenZeichen(std::string& text, int position, char zeichen);
// Removes `anzahl` characters; a negative count or one past the end removes to the end.
void StringLoeschen(std::string& text, int position, int anzahl);
void StringErsetzeAn(std::string& text, int position, int anzahl, const std::string& einfuegung);
// Replaces the first or every occurrence, resuming after the inserted text; returns the count.
// An empty search text replaces nothing.
int StringSucheErsetze(std::string& text, const std::string& suche, const std::string& ersatz,
                       bool alle);
int StringSucheErsetzeOhneGrossKlein(std::string& text, const std::string& suche,
                                     const std::string& ersatz, bool alle);
std::string StringMitErsetzung(const std::string& text, const std::string& suche,
                               const std::string& ersatz);
// A copy without white space (" \t\n\v\f\r") at either end.
std::string StringGetrimmt(const std::string& text);
// Every ",", ":" and ";" becomes ".".
std::string StringTrennerZuPunkt(const std::string& text);

// ---- Numbers ---------------------------------------------------------------------------------

// Reads "12,5" and "12.5" alike, whatever the locale; 0 for an empty or non-numeric text.
double StringZuDouble(const std::string& text);
// Turns the first decimal separator into the one of the user's locale.
void StringDezimaltrennerSystem(std::string& text);
// "%.<n>f", or "%g" for a negative count; always with ".".
std::string StringAusDoubleMitNachkomma(double wert, int nachkomma);
std::string StringAusDoubleG3(double wert);
std::string StringAusDoubleE2(double wert);
// "%.3e" / "%.2e" with the exponent shortened by one leading zero of a three-digit exponent.
std::string StringAusDoubleE3Kurz(double wert);
std::string StringAusDoubleE2Kurz(double wert);
std::string StringAusInt(int wert);
std::string StringAusInt2(int wert);
// `format` is a program constant holding one integer conversion.
std::string StringFormatInt(const char* format, int wert);
// Trims, reads with any of "," ":" ";" "." as decimal separator and prints again.
std::string StringZahlNormieren(const std::string& text, int nachkomma);
double StringZahlNormierenUndLesen(std::string& text, int nachkomma);
// Every byte as "%2x" of its sign-extended value.
std::string StringAlsHex(const std::string& text);

// ---- Times and dates -------------------------------------------------------------------------

// "JJJJMMTT" → "TT.MM.JJJJ"; any text other than eight digits comes back unchanged.
std::string StringDatumJJJJMMTTZuTTMMJJJJ(const std::string& text);
// Reads "h:m:s", ":m:s" or "::s", rewrites the text as "hh:mm:ss" and returns the seconds.
int StringZeitHMSZuSekunden(std::string& text);
// Reads "h:m" or ":m" into hour and minute; the text becomes "hh:mm", or empty when nothing read.
void StringZeitHMZuSystemzeit(std::string& text, SYSTEMTIME& zeit);
// Reads "t.m.j" (defaults 1.1.2000) into the date; the text becomes "tt.mm.jjjj" when all three
// were read, else empty.
void StringDatumTMJZuSystemzeit(std::string& text, SYSTEMTIME& zeit);
