#pragma once
// Column filters of the measurement list. A column's filter text is "" (no filter) or
// "join|operator 1|text 1|operator 2|text 2": join 1 for "oder", 0 for "und"; the texts trimmed
// and upper-cased. Values compare as bytes after upper-casing, not as numbers.

#include "app/messungsliste.h"

#include <array>
#include <set>
#include <string>

class CProtokoll;
class CProtokolle;
struct MESSUNG;

// One slot per column of the measurement list; columns 2 to 16 can be filtered.
inline constexpr int kAnzahlFilterspalten = 19;
inline constexpr int kErsteFilterspalte = 2;
inline constexpr int kLetzteFilterspalte = 16;
using Filterspalten = std::array<std::string, kAnzahlFilterspalten>;

bool IstFilterbareSpalte(int spalte);

// Operators in the order of the dialog's lists.
enum Filteroperator : int
{
    Enthaelt,
    EnthaeltNicht,
    Groesser,
    GroesserGleich,
    Kleiner,
    KleinerGleich,
};
inline constexpr std::array<const char*, 6> kFilteroperatoren = {
    "enthält", "enthält nicht", "größer", "größer gleich", "kleiner", "kleiner gleich"};

// The filter's name of a column ("Titel", "Station/Profil" ...).
std::string FilterspaltenName(int spalte);

// An empty text passes, as does an operator outside the list.
bool PruefeFilterbedingung(int op, const std::string& text, const std::string& wert);
// An empty filter passes; an empty condition is left out of the join.
bool PasstZuFilter(const std::string& filter, const std::string& wert);
// The filter text of the dialog's choices; "" when both texts are empty.
std::string BildeSpaltenfilter(bool oder, int op1, const std::string& text1, int op2,
                               const std::string& text2);

// The value a column's filter tests: the title path, the measurement's station, layer and
// position, or a header field of the protocol.
std::string Filterwert(int spalte, const CProtokoll& protokoll, const MESSUNG& messung,
                       const CProtokolle& protokolle);
// The distinct non-empty values of a column over all measurements of the project.
std::set<std::string> AngeboteneFilterwerte(int spalte, const CProtokolle& protokolle);

// "1|" for each column with a filter, "|" for each without.
std::string BildeFiltermarken(const Filterspalten& filter);
// A measurement passes when its values pass every column's filter; empty when no column has one.
MessungsFilter BaueMessungsFilter(const Filterspalten& filter, const CProtokolle& protokolle);
