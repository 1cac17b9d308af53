#include "data/textfunktionen.h"

#include "platform/text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#include <string_view>
#include <vector>

namespace {

constexpr size_t nichtGefunden = std::string::npos;

int AlsIndex(size_t position)
{
    return position == nichtGefunden ? -1 : static_cast<int>(position);
}

// Start and length of field n; beyond the last field the start is the end of the text.
size_t SucheFeld(std::string_view text, char trenner, int n, size_t& laenge)
{
    laenge = 0;
    if (n < 0)
        return 0;
    size_t start = 0;
    for (int feld = 0; feld < n; ++feld) {
        const size_t ende = text.find(trenner, start);
        if (ende == nichtGefunden)
            return text.size();
        start = ende + 1;
    }
    const size_t ende = text.find(trenner, start);
    laenge = (ende == nichtGefunden ? text.size() : ende) - start;
    return start;
}

// Start index of a search; a negative start searches from the beginning.
size_t Suchbeginn(int start)
{
    return start < 0 ? 0 : static_cast<size_t>(start);
}

// The start of a backward search: -1 or a start past the end mean the last character.
size_t RueckwaertsBeginn(const std::string& text, int start)
{
    if (start < 0 || static_cast<size_t>(start) >= text.size())
        return text.size() - 1;
    return static_cast<size_t>(start);
}

bool IstLeerraum(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Where the walk over a number ends: a tab, or a letter and anything coded after it.
bool BeendetZahlenlauf(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return c == '\t' || (b >= 65 && b <= 127);
}

// Reads decimal integers by a pattern of "%d" and literal characters, as sscanf would, but with
// values clamped to int instead of undefined overflow. Returns how many numbers were read.
int LeseGanzzahlen(const std::string& text, std::string_view muster, std::vector<int*> ziele)
{
    const char* p = text.c_str();
    size_t gelesen = 0;
    for (size_t i = 0; i < muster.size(); ++i) {
        if (muster[i] == '%' && i + 1 < muster.size() && muster[i + 1] == 'd') {
            ++i;
            while (IstLeerraum(*p))
                ++p;
            const bool negativ = *p == '-';
            if (*p == '-' || *p == '+')
                ++p;
            if (*p < '0' || *p > '9')
                break;
            long long wert = 0;
            for (; *p >= '0' && *p <= '9'; ++p)
                wert = std::min<long long>(wert * 10 + (*p - '0'), 1LL + INT_MAX);
            wert = negativ ? -wert : wert;
            *ziele[gelesen++] = static_cast<int>(std::clamp<long long>(wert, INT_MIN, INT_MAX));
            if (gelesen == ziele.size())
                break;
        } else if (*p != muster[i]) {
            break;
        } else {
            ++p;
        }
    }
    return static_cast<int>(gelesen);
}

// Windows printed three exponent digits ("1.5e+005"); the short forms drop one leading zero.
std::string ExponentKurz(std::string text)
{
    const size_t e = text.find('e');
    if (e != nichtGefunden && e + 2 < text.size() && text.size() - (e + 2) == 2)
        text.insert(e + 2, 1, '0');
    StringSucheErsetze(text, "-0", "-", true);
    StringSucheErsetze(text, "+0", "+", true);
    return text;
}

char DezimaltrennerDesBenutzers()
{
    char trenner = '.';
    if (locale_t benutzer = newlocale(LC_NUMERIC_MASK, "", locale_t(0))) {
        const char* radix = nl_langinfo_l(RADIXCHAR, benutzer);
        if (radix && radix[0] && !radix[1])
            trenner = radix[0];
        freelocale(benutzer);
    }
    return trenner;
}

} // namespace

// ---- Fields and delimited parts --------------------------------------------------------------

const char* StringSucheFeldImPuffer(const char* text, int limit, char trenner, int n, int& length)
{
    length = 0;
    if (!text)
        return nullptr;
    const std::string_view puffer(text, strnlen(text, static_cast<size_t>(std::max(limit, 0))));
    size_t laenge = 0;
    const size_t start = SucheFeld(puffer, trenner, n, laenge);
    length = static_cast<int>(laenge);
    return text + start;
}

int StringSucheFeld(const std::string& text, char trenner, int n, int& length)
{
    size_t laenge = 0;
    const size_t start = SucheFeld(text, trenner, n, laenge);
    length = static_cast<int>(laenge);
    return static_cast<int>(start);
}

std::string StringHoleFeld(const std::string& text, char trenner, int n)
{
    size_t laenge = 0;
    const size_t start = SucheFeld(text, trenner, n, laenge);
    return text.substr(start, laenge);
}

std::string StringHoleFeldAt(const std::string& text, int n)
{
    return StringHoleFeld(text, '@', n);
}

std::string StringHoleToken(const std::string& text, const std::string& trenner, int n)
{
    if (n < 0)
        return "";
    if (trenner.empty())
        return n == 0 ? text : "";
    size_t start = 0;
    for (int feld = 0; feld < n; ++feld) {
        const size_t ende = text.find(trenner, start);
        if (ende == nichtGefunden)
            return "";
        start = ende + trenner.size();
    }
    const size_t ende = text.find(trenner, start);
    return text.substr(start, ende == nichtGefunden ? nichtGefunden : ende - start);
}

const char* StringHoleFeldZeichenRest(const char* text, char trenner, int n, std::string& feld)
{
    feld.clear();
    if (!text || n < 0)
        return nullptr;
    const char* position = text;
    for (int i = 0; i < n && position; ++i) {
        const char* ende = trenner == '\0' ? nullptr : std::strchr(position, trenner);
        position = ende ? ende + 1 : nullptr;
    }
    return StringNaechstesFeld(trenner, position, feld);
}

const char* StringNaechstesFeld(char trenner, const char* position, std::string& feld)
{
    feld.clear();
    if (!position)
        return nullptr;
    const char* ende = trenner == '\0' ? nullptr : std::strchr(position, trenner);
    if (!ende) {
        feld = position;
        return nullptr;
    }
    feld.assign(position, ende);
    return ende + 1;
}

std::string StringHoleUnterfeld(const std::string& text, int n, int m)
{
    const std::string feld = StringHoleFeld(text, '|', n);
    if (feld.empty())
        return "";
    return StringHoleFeld(feld, '@', m);
}

std::string StringHoleGruppenfeld(const std::string& text, int n, int m)
{
    return StringHoleFeld(StringHoleZwischen(text, '{', '}', n), '|', m);
}

std::string StringHoleZwischen(const std::string& text, char auf, char zu, int n)
{
    if (n < 0)
        return "";
    size_t oeffnend = nichtGefunden;
    for (int i = 0; i <= n; ++i) {
        oeffnend = text.find(auf, oeffnend == nichtGefunden ? 0 : oeffnend + 1);
        if (oeffnend == nichtGefunden)
            return "";
    }
    const size_t schliessend = text.find(zu, oeffnend + 1);
    if (schliessend == nichtGefunden)
        return "";
    return text.substr(oeffnend + 1, schliessend - oeffnend - 1);
}

int StringZaehleFelder(const std::string& text, const std::string& trenner)
{
    if (trenner.empty())
        return 1;
    int anzahl = 1;
    for (size_t p = text.find(trenner); p != nichtGefunden;
         p = text.find(trenner, p + trenner.size()))
        ++anzahl;
    return anzahl;
}

int StringZaehleFelderZeichen(const std::string& text, char trenner)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), trenner));
}

bool StringSetzeFeld(std::string& text, char trenner, int n, const std::string& wert)
{
    if (n < 0)
        return false;
    const int anzahl = std::max(StringZaehleFelderZeichen(text, trenner), n + 1);
    std::string neu;
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0)
            neu += trenner;
        neu += i == n ? wert : StringHoleFeld(text, trenner, i);
    }
    if (neu == text)
        return false;
    text = std::move(neu);
    return true;
}

bool StringSetzeGruppenfeld(std::string& text, char auf, char zu, int n, const std::string& wert)
{
    if (n < 0)
        return false;
    const int anzahl = std::max(static_cast<int>(std::count(text.begin(), text.end(), zu)), n + 1);
    std::string neu;
    for (int k = 0; k < anzahl; ++k) {
        neu += auf;
        neu += k == n ? wert : StringHoleZwischen(text, auf, zu, k);
        neu += zu;
    }
    if (neu == text)
        return false;
    text = std::move(neu);
    return true;
}

// ---- Searching and replacing -----------------------------------------------------------------

int StringFindeZeichen(const std::string& text, char zeichen, int start)
{
    return AlsIndex(text.find(zeichen, Suchbeginn(start)));
}

int StringFindeZeichenOhneGrossKlein(const std::string& text, char zeichen, int start)
{
    const int gross = StringFindeZeichen(text, GrossZeichen(zeichen), start);
    const int klein = StringFindeZeichen(text, KleinZeichen(zeichen), start);
    if (gross < 0 || klein < 0)
        return std::max(gross, klein);
    return std::min(gross, klein);
}

int StringFinde(const std::string& text, const std::string& teil, int start)
{
    return AlsIndex(text.find(teil, Suchbeginn(start)));
}

int StringFindeOhneGrossKlein(const std::string& text, const std::string& teil, int start)
{
    return StringFinde(KleinSchreiben(text), KleinSchreiben(teil), start);
}

int StringFindeRueckwaerts(const std::string& text, const std::string& teil, int start)
{
    if (text.empty() || teil.empty())
        return -1;
    const size_t treffer = text.rfind(teil, RueckwaertsBeginn(text, start));
    return treffer == 0 ? -1 : AlsIndex(treffer);
}

int StringFindeRueckwaertsOhneGrossKlein(const std::string& text, const std::string& teil,
                                         int start)
{
    if (text.empty() || teil.empty())
        return -1;
    return AlsIndex(
        KleinSchreiben(text).rfind(KleinSchreiben(teil), RueckwaertsBeginn(text, start)));
}

int StringFindeZeichenRueckwaerts(const std::string& text, char zeichen, int start)
{
    return StringFindeRueckwaertsOhneGrossKlein(text, std::string(1, zeichen), start);
}

void StringEinfuegen(std::string& text, int position, const std::string& einfuegung)
{
    if (einfuegung.empty())
        return;
    const size_t p = Suchbeginn(position);
    if (p > text.size())
        text.resize(p, ' ');
    text.insert(p, einfuegung);
}

void StringEinfuegenZeichen(std::string& text, int position, char zeichen)
{
    StringEinfuegen(text, position, std::string(1, zeichen));
}

void StringLoeschen(std::string& text, int position, int anzahl)
{
    const size_t p = Suchbeginn(position);
    if (p >= text.size())
        return;
    text.erase(p, anzahl < 0 ? nichtGefunden : static_cast<size_t>(anzahl));
}

void StringErsetzeAn(std::string& text, int position, int anzahl, const std::string& einfuegung)
{
    StringLoeschen(text, position, anzahl);
    StringEinfuegen(text, position, einfuegung);
}

int StringSucheErsetze(std::string& text, const std::string& suche, const std::string& ersatz,
                       bool alle)
{
    if (suche.empty())
        return 0;
    int anzahl = 0;
    for (size_t p = text.find(suche); p != nichtGefunden; p = text.find(suche, p)) {
        text.replace(p, suche.size(), ersatz);
        p += ersatz.size();
        ++anzahl;
        if (!alle)
            break;
    }
    return anzahl;
}

int StringSucheErsetzeOhneGrossKlein(std::string& text, const std::string& suche,
                                     const std::string& ersatz, bool alle)
{
    if (suche.empty())
        return 0;
    const std::string klein = KleinSchreiben(text);
    const std::string kleineSuche = KleinSchreiben(suche);
    std::vector<size_t> treffer;
    for (size_t p = klein.find(kleineSuche); p != nichtGefunden;
         p = klein.find(kleineSuche, p + kleineSuche.size())) {
        treffer.push_back(p);
        if (!alle)
            break;
    }
    long long verschiebung = 0;
    for (const size_t p : treffer) {
        text.replace(static_cast<size_t>(static_cast<long long>(p) + verschiebung), suche.size(),
                     ersatz);
        verschiebung +=
            static_cast<long long>(ersatz.size()) - static_cast<long long>(suche.size());
    }
    return static_cast<int>(treffer.size());
}

std::string StringMitErsetzung(const std::string& text, const std::string& suche,
                               const std::string& ersatz)
{
    std::string kopie = text;
    StringSucheErsetze(kopie, suche, ersatz, true);
    return kopie;
}

std::string StringGetrimmt(const std::string& text)
{
    size_t anfang = 0;
    size_t ende = text.size();
    while (anfang < ende && IstLeerraum(text[anfang]))
        ++anfang;
    while (ende > anfang && IstLeerraum(text[ende - 1]))
        --ende;
    return text.substr(anfang, ende - anfang);
}

std::string StringTrennerZuPunkt(const std::string& text)
{
    std::string kopie = text;
    for (char& c : kopie)
        if (c == ',' || c == ':' || c == ';')
            c = '.';
    return kopie;
}

// ---- Numbers ---------------------------------------------------------------------------------

double StringZuDouble(const std::string& text)
{
    std::string kopie = text;
    for (char& c : kopie) {
        if (c == ',')
            c = '.';
        if (BeendetZahlenlauf(c))
            break;
    }
    const double wert = StringZuDoubleC(kopie.c_str());
    // "inf", "nan" or an overflowing exponent in a data text is no measured value.
    return std::isfinite(wert) ? wert : 0.0;
}

void StringDezimaltrennerSystem(std::string& text)
{
    static const char trenner = DezimaltrennerDesBenutzers();
    for (char& c : text) {
        if (BeendetZahlenlauf(c))
            break;
        if ((c == '.' || c == ',') && c != trenner) {
            c = trenner;
            break;
        }
    }
}

std::string StringAusDoubleMitNachkomma(double wert, int nachkomma)
{
    if (nachkomma < 0)
        return StringFormat("%g", wert);
    return StringFormat("%.*f", nachkomma, wert);
}

std::string StringAusDoubleG3(double wert)
{
    return StringFormat("%.3g", wert);
}

std::string StringAusDoubleE2(double wert)
{
    return StringFormat("%.2e", wert);
}

std::string StringAusDoubleE3Kurz(double wert)
{
    return ExponentKurz(StringFormat("%.3e", wert));
}

std::string StringAusDoubleE2Kurz(double wert)
{
    return ExponentKurz(StringFormat("%.2e", wert));
}

std::string StringAusInt(int wert)
{
    return StringFormat("%d", wert);
}

std::string StringAusInt2(int wert)
{
    return StringFormat("%d", wert);
}

std::string StringFormatInt(const char* format, int wert)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return StringFormat(format, wert);
#pragma GCC diagnostic pop
}

std::string StringZahlNormieren(const std::string& text, int nachkomma)
{
    const std::string getrimmt = StringGetrimmt(text);
    if (getrimmt.empty())
        return "";
    return StringAusDoubleMitNachkomma(StringZuDouble(StringTrennerZuPunkt(getrimmt)), nachkomma);
}

double StringZahlNormierenUndLesen(std::string& text, int nachkomma)
{
    text = StringZahlNormieren(text, nachkomma);
    return StringZuDouble(text);
}

std::string StringAlsHex(const std::string& text)
{
    std::string hex;
    for (const char c : text)
        hex += StringFormat("%2x",
                            static_cast<unsigned>(static_cast<int>(static_cast<signed char>(c))));
    return hex;
}

// ---- Times and dates -------------------------------------------------------------------------

std::string StringDatumJJJJMMTTZuTTMMJJJJ(const std::string& text)
{
    // Only eight digits are a stored date; "1.1.2020" has eight characters too.
    const bool nurZiffern =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (text.size() != 8 || !nurZiffern)
        return text;
    return text.substr(6, 2) + "." + text.substr(4, 2) + "." + text.substr(0, 4);
}

int StringZeitHMSZuSekunden(std::string& text)
{
    int stunden = 0, minuten = 0, sekunden = 0;
    if (text.starts_with("::"))
        LeseGanzzahlen(text, "::%d", {&sekunden});
    else if (text.starts_with(":"))
        LeseGanzzahlen(text, ":%d:%d", {&minuten, &sekunden});
    else
        LeseGanzzahlen(text, "%d:%d:%d", {&stunden, &minuten, &sekunden});
    text = StringFormat("%02d:%02d:%02d", stunden, minuten, sekunden);
    const long long summe = 3600LL * stunden + 60LL * minuten + sekunden;
    return static_cast<int>(std::clamp<long long>(summe, INT_MIN, INT_MAX));
}

void StringZeitHMZuSystemzeit(std::string& text, SYSTEMTIME& zeit)
{
    int stunden = 0, minuten = 0;
    const int gelesen = text.starts_with(":") ? LeseGanzzahlen(text, ":%d", {&minuten})
                                              : LeseGanzzahlen(text, "%d:%d", {&stunden, &minuten});
    text = gelesen > 0 ? StringFormat("%02d:%02d", stunden, minuten) : "";
    zeit.wHour = static_cast<uint16_t>(stunden);
    zeit.wMinute = static_cast<uint16_t>(minuten);
    zeit.wSecond = 0;
    zeit.wMilliseconds = 0;
}

void StringDatumTMJZuSystemzeit(std::string& text, SYSTEMTIME& zeit)
{
    int tag = 1, monat = 1, jahr = 2000;
    if (LeseGanzzahlen(text, "%d.%d.%d", {&tag, &monat, &jahr}) == 3) {
        if (jahr < 100)
            jahr += 2000;
        text = StringFormat("%02d.%02d.%02d", tag, monat, jahr);
    } else {
        text.clear();
    }
    zeit.wYear = static_cast<uint16_t>(jahr);
    zeit.wMonth = static_cast<uint16_t>(monat);
    zeit.wDay = static_cast<uint16_t>(tag);
    zeit.wDayOfWeek = 0;
}
