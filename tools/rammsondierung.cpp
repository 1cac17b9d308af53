// Dynamic probing: heavy probe from the excavation's base through clay, sand and gravel.

#include "rammsondierung.h"

#include "baustelle.h"
#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "tabellendaten.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace muster {

namespace {

struct Sondierschicht
{
    double bisTiefe; // m below the starting point
    double schlaegeMin, schlaegeSpanne;
    const char* bemerkung;
};

// The stiff clay of the base goes on for 1.4 m; the sand below carries the ground water.
const Sondierschicht kSondierSchichten[] = {
    {1.4, 3, 3, "Ton, steif"},
    {3.9, 8, 7, "Sand, mitteldicht"},
    {5.2, 18, 16, "Kies, dicht"},
};

} // namespace

void FuelleRammsondierung(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    std::vector<std::string> schlaege, bemerkungen, tiefen{"0.0"};
    const int werte = static_cast<int>(std::lround(std::rbegin(kSondierSchichten)->bisTiefe * 10));
    int schicht = -1;
    for (int i = 0; i < werte; ++i) {
        const double tiefe = (i + 1) / 10.0;
        const int neu = static_cast<int>(
            std::find_if(std::begin(kSondierSchichten), std::end(kSondierSchichten),
                         [&](const Sondierschicht& s) { return tiefe <= s.bisTiefe + 1e-9; }) -
            std::begin(kSondierSchichten));
        const Sondierschicht& s = kSondierSchichten[neu];
        const double n = s.schlaegeMin + s.schlaegeSpanne * Streuwert(nummer, i, 31);
        schlaege.push_back(Text(n, 0));
        // The remark stands on the first row of each layer.
        bemerkungen.push_back(neu != schicht ? s.bemerkung : "");
        schicht = neu;
        tiefen.push_back(Text(tiefe, 1));
    }
    bemerkungen.back() = "Abbruch";
    // The rods are turned at each full metre reached: freely until they stick in the gravel.
    std::vector<std::string> drehbar(werte / 10, "ja");
    drehbar.back() = "nein";
    const Schicht& sohle = SchichtDes(protokoll);
    std::vector<std::string> felder{Unterwerte(schlaege),
                                    Unterwerte(bemerkungen),
                                    Unterwerte(drehbar),
                                    "DPH",
                                    "15",
                                    "43.7",
                                    "50",
                                    "167",
                                    sohle.name + (", " + protokoll.HoleFeld(1, 3)),
                                    Text(Hoehe(sohle, Meter(protokoll.HoleFeld(1, 1))), 2),
                                    "1.60",
                                    "0.00",
                                    "",
                                    ""};
    felder.resize(36);
    felder.push_back("1"); // title after DIN EN ISO 22476-2
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"0@5@10@15@20@25@30@35", Unterwerte(tiefen), Unterwerte(schlaege), ""}));
    SetzeEckdaten(
        protokoll,
        {{"Sonde", felder[3]}, {"Tiefe", tiefen.back() + " m"}, {"Wasser", felder[10] + " m"}});
}

} // namespace muster
