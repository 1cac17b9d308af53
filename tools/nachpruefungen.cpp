// Re-tests: a test point below its requirement is re-compacted and tested again, a grading
// outside its range sieved again from the improved delivery.

#include "nachpruefungen.h"

#include "data/textfunktionen.h"
#include "dichtepruefungen.h"
#include "kopf_und_messungen.h"
#include "plattendruck.h"
#include "tabellendaten.h"

#include <algorithm>
#include <map>

namespace muster {

namespace {

// The data keys of a point's achieved and required value, by test type.
const std::map<int, std::pair<const char*, const char*>> kAnforderungen = {
    {1002, {"VERDGRAD", "VERDGRAD_SOLL"}},
    {1007, {"VERDGRAD", "VERDGRAD_SOLL"}},
    {1003, {"EVD", "EVD_SOLL"}},
    {1012, {"EVD", "EVD_SOLL"}}};

std::vector<MESSUNG> Messungen(const CProtokoll& protokoll)
{
    std::vector<MESSUNG> messungen(protokoll.GetAnzahlMessungen());
    for (int i = 0; i < protokoll.GetAnzahlMessungen(); ++i)
        protokoll.GetMessung(i, messungen[i]);
    return messungen;
}

// A grading keeps its range when no sieve deviates from it.
bool GrenzwerteEingehalten(const CProtokoll& kornverteilung)
{
    return std::ranges::all_of(Teile(kornverteilung.HoleFeldSpeziell(4, 6), '@'),
                               [](const std::string& abweichung) {
                                   return abweichung.empty() || StringZuDouble(abweichung) == 0;
                               });
}

// The running numbers of the points: "2", "2 und 4", "2, 4 und 5".
std::string Aufzaehlung(const std::vector<MESSUNG>& stellen)
{
    std::string text;
    for (size_t i = 0; i < stellen.size(); ++i)
        text += (i == 0 ? "" : i + 1 == stellen.size() ? " und " : ", ") + stellen[i].lfdNr;
    return text;
}

} // namespace

std::vector<MESSUNG> VerfehltePruefungen(const CProtokoll& protokoll)
{
    const std::vector<MESSUNG> messungen = Messungen(protokoll);
    if (protokoll.GetPruefart() == 1000)
        return GrenzwerteEingehalten(protokoll) ? std::vector<MESSUNG>{} : messungen;
    const auto anforderung = kAnforderungen.find(protokoll.GetPruefart());
    std::vector<MESSUNG> verfehlt;
    for (const MESSUNG& messung : messungen) {
        const std::string ist = anforderung == kAnforderungen.end()
                                    ? ""
                                    : HoleMesswert(messung.daten, anforderung->second.first);
        if (!ist.empty() && StringZuDouble(ist) < StringZuDouble(HoleMesswert(
                                                      messung.daten, anforderung->second.second)))
            verfehlt.push_back(messung);
    }
    return verfehlt;
}

Fueller Nachpruefung(std::vector<MESSUNG> stellen)
{
    return [stellen = std::move(stellen)](CProtokoll& protokoll, int nummer, int messungen) {
        const Pruefpunkte punkte{stellen, true};
        switch (protokoll.GetPruefart()) {
        case 1002:
            FuelleVerdichtungAn(protokoll, nummer, messungen, punkte);
            break;
        case 1007:
            FuelleTroxlerAn(protokoll, nummer, messungen, punkte);
            break;
        default:
            FuelleDynPlatteAn(protokoll, nummer, messungen, punkte);
        }
    };
}

void BemerkeNachpruefung(CProtokoll& verfehlt, CProtokoll& nachpruefung)
{
    const std::string nummer = Protokollverweis(verfehlt.HoleProtokollnummer());
    if (verfehlt.GetPruefart() == 1000) {
        SetzeBemerkung(verfehlt,
                       "Sieblinie außerhalb des Sieblinienbereichs: Lieferung nachbessern und "
                       "erneut prüfen");
        SetzeBemerkung(nachpruefung,
                       "Nachprüfung von " + nummer + " an der nachgebesserten Lieferung");
        return;
    }
    const std::vector<MESSUNG> stellen = VerfehltePruefungen(verfehlt);
    const bool einer = stellen.size() == 1;
    SetzeBemerkung(verfehlt, (einer ? "Prüfpunkt " : "Prüfpunkte ") + Aufzaehlung(stellen) +
                                 " unter der Anforderung: nachverdichten und erneut prüfen");
    SetzeBemerkung(nachpruefung,
                   (einer ? "Nachprüfung von Prüfpunkt " : "Nachprüfung der Prüfpunkte ") +
                       Aufzaehlung(stellen) + " aus " + nummer + " nach Nachverdichtung");
}

void BemerkeBodenaustausch(CProtokoll& platte)
{
    if (StringZuDouble(platte.HoleFeldSpeziell(4, 21)) >=
        StringZuDouble(platte.HoleFeldSpeziell(4, 34)))
        return;
    SetzeBemerkung(platte, "Ev2 unter der Anforderung: Bodenaustausch bemessen und einbauen");
}

} // namespace muster
