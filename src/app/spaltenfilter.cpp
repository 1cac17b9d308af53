#include "app/spaltenfilter.h"

#include "app/kopfspalten.h"
#include "data/protokoll.h"
#include "data/protokolle.h"
#include "data/textfunktionen.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr auto kSpaltenNamen = MitKopfspalten<kAnzahlFilterspalten>("LEER", "ART");

constexpr int kTitelSpalte = 2;
constexpr int kStationSpalte = 4;
constexpr int kSchichtSpalte = 5;
constexpr int kLageSpalte = 6;
// Column s shows header field s - 3 of the protocol.
constexpr int kErsteKopffeldSpalte = 3;

// The text as the filter stores it: "|" separates the filter's fields, so a typed one becomes
// "#", the form that stored values give it.
std::string Filtertext(const std::string& eingabe)
{
    std::string text = GrossSchreiben(StringGetrimmt(eingabe));
    std::replace(text.begin(), text.end(), '|', '#');
    return text;
}

const std::string* MessungsFeld(int spalte, const MESSUNG& messung)
{
    switch (spalte) {
    case kStationSpalte:
        return &messung.station;
    case kSchichtSpalte:
        return &messung.schicht;
    case kLageSpalte:
        return &messung.lage;
    default:
        return nullptr;
    }
}

} // namespace

bool IstFilterbareSpalte(int spalte)
{
    return spalte >= kErsteFilterspalte && spalte <= kLetzteFilterspalte;
}

std::string FilterspaltenName(int spalte)
{
    return spalte >= 0 && spalte < kAnzahlFilterspalten ? kSpaltenNamen[spalte] : "";
}

bool PruefeFilterbedingung(int op, const std::string& text, const std::string& wert)
{
    if (text.empty())
        return true;
    switch (op) {
    case Enthaelt:
        return wert.find(text) != std::string::npos;
    case EnthaeltNicht:
        return wert.find(text) == std::string::npos;
    case Groesser:
        return wert > text;
    case GroesserGleich:
        return wert >= text;
    case Kleiner:
        return wert < text;
    case KleinerGleich:
        return wert <= text;
    default:
        return true;
    }
}

bool PasstZuFilter(const std::string& filter, const std::string& wert)
{
    if (filter.empty())
        return true;
    const std::string text1 = StringHoleFeld(filter, '|', 2);
    const std::string text2 = StringHoleFeld(filter, '|', 4);
    const bool r1 =
        PruefeFilterbedingung(std::atoi(StringHoleFeld(filter, '|', 1).c_str()), text1, wert);
    const bool r2 =
        PruefeFilterbedingung(std::atoi(StringHoleFeld(filter, '|', 3).c_str()), text2, wert);
    // An empty condition would let every value through an "oder".
    if (text1.empty() || text2.empty())
        return r1 && r2;
    return StringHoleFeld(filter, '|', 0) == "1" ? r1 || r2 : r1 && r2;
}

std::string BildeSpaltenfilter(bool oder, int op1, const std::string& text1, int op2,
                               const std::string& text2)
{
    const std::string wert1 = Filtertext(text1);
    const std::string wert2 = Filtertext(text2);
    if (wert1.empty() && wert2.empty())
        return "";
    return StringFormat("%d|%d|%s|%d|%s", oder ? 1 : 0, op1, wert1.c_str(), op2, wert2.c_str());
}

std::string Filterwert(int spalte, const CProtokoll& protokoll, const MESSUNG& messung,
                       const CProtokolle& protokolle)
{
    if (spalte == kTitelSpalte)
        return protokolle.BildeTitelPfad(protokoll.GetTitelID());
    if (const std::string* feld = MessungsFeld(spalte, messung))
        return *feld;
    if (spalte >= kErsteKopffeldSpalte && spalte < kAnzahlFilterspalten)
        return protokoll.HoleFeld(1, spalte - kErsteKopffeldSpalte);
    return "";
}

std::set<std::string> AngeboteneFilterwerte(int spalte, const CProtokolle& protokolle)
{
    std::set<std::string> werte;
    const auto nimm = [&werte](std::string wert) {
        if (!wert.empty())
            werte.insert(std::move(wert));
    };
    if (spalte < kErsteFilterspalte)
        return werte;
    MESSUNG messung;
    const bool messungsFeld = MessungsFeld(spalte, messung) != nullptr;
    for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
        const CProtokoll& protokoll = *protokolle.GetProtokoll(i);
        // Station, layer and position are offered as the filter tests them: the measurements'.
        if (!messungsFeld) {
            nimm(Filterwert(spalte, protokoll, MESSUNG(), protokolle));
            continue;
        }
        for (int j = 0; j < protokoll.GetAnzahlMessungen(); ++j) {
            protokoll.GetMessung(j, messung);
            nimm(Filterwert(spalte, protokoll, messung, protokolle));
        }
    }
    return werte;
}

std::string BildeFiltermarken(const Filterspalten& filter)
{
    std::string marken;
    for (const std::string& spaltenfilter : filter)
        marken += spaltenfilter.empty() ? "|" : "1|";
    return marken;
}

MessungsFilter BaueMessungsFilter(const Filterspalten& filter, const CProtokolle& protokolle)
{
    if (std::all_of(filter.begin(), filter.end(), [](const std::string& f) { return f.empty(); }))
        return {};
    return [filter, &protokolle](const CProtokoll& protokoll, const MESSUNG& messung) {
        for (int spalte = kErsteFilterspalte; spalte < kAnzahlFilterspalten; ++spalte) {
            if (filter[spalte].empty())
                continue;
            const std::string wert = Filterwert(spalte, protokoll, messung, protokolle);
            if (!PasstZuFilter(filter[spalte], GrossSchreiben(wert)))
                return false;
        }
        return true;
    };
}
