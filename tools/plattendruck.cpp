// Plate load tests: a static test on a 300 mm plate, dynamic tests of 10 and 15 kg.

#include "plattendruck.h"

#include "baustelle.h"
#include "diagrams/kurven.h"
#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "tabellendaten.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace muster {

namespace {

constexpr double kPlattenradius = 150; // mm

// Static plate load test after the standard load steps: the first loading ends at 0.5 MN/m² or
// at the step where the plate has settled 5 mm, whichever comes first. The dial reads through a
// lever, so the settlement is the reading times the transmission factor.
constexpr double kSpannungMax = 0.5;
constexpr double kSetzungMax = 5.0; // mm
constexpr double kUebersetzung = 2.0;
constexpr std::array<double, 6> kLaststufen = {0.08, 0.16, 0.25, 0.33, 0.42, 0.50};

struct Laststufen
{
    std::vector<double> spannung; // MN/m²
    std::vector<double> ablesung; // dial, 0.01 mm
    std::vector<double> setzung;  // 0.01 mm
    void Lese(double p, double setzungMm)
    {
        const double a = std::round(setzungMm * 100 / kUebersetzung);
        spannung.push_back(p);
        ablesung.push_back(a);
        setzung.push_back(a * kUebersetzung);
    }
};

struct Plattendruckversuch
{
    Laststufen erst, ent, zweit;
    std::array<double, 3> a, b; // fitted curves, settlement in mm
    double ev1, ev2;
};

// The modulus of a branch at the greatest stress of the first loading.
double Verformungsmodul(const std::array<double, 3>& kurve, double hoechste)
{
    return 1.5 * kPlattenradius / (kurve[1] + kurve[2] * hoechste);
}

// A branch with its starting point, settlements in mm, fitted as the report's diagram fits it.
std::array<double, 3> PasseAn(double p0, double s0, const Laststufen& ast)
{
    std::vector<double> x{p0}, y{s0};
    for (size_t i = 0; i < ast.spannung.size(); ++i) {
        x.push_back(ast.spannung[i]);
        y.push_back(ast.setzung[i] / 100);
    }
    std::array<double, 3> a{};
    AusgleichsParabel(x, y, 0, static_cast<int>(x.size()), a[0], a[1], a[2]);
    return a;
}

// A test on the layer's soil: Ev2 and Ev2/Ev1 within the layer's ranges, so that the subgrade
// of the cut is in places too soft for Ev2 45 and the clay below the bridge everywhere. The first
// loading stiffens under load; the second is nearly straight.
Plattendruckversuch Plattendruck(int nummer, const Schicht& schicht)
{
    const double ev2 =
        schicht.ev2Von + (schicht.ev2Bis - schicht.ev2Von) * Streuwert(nummer, 0, 51);
    const double ev1 =
        ev2 / (schicht.verhaeltnisVon +
               (schicht.verhaeltnisBis - schicht.verhaeltnisVon) * Streuwert(nummer, 0, 52));
    // Curvatures in proportion to the settlement, so that soft and stiff layers bend alike.
    const double a2 = -(0.1 + 0.1 * Streuwert(nummer, 0, 53)) * 1.5 * kPlattenradius / ev1;
    const double a1 = 1.5 * kPlattenradius / ev1 - a2 * kSpannungMax;
    const double a0 = 0.02 + 0.05 * Streuwert(nummer, 0, 54);
    const auto Erstbelastung = [&](double p) { return a0 + a1 * p + a2 * p * p; };

    Plattendruckversuch v;
    for (const double p : kLaststufen) {
        v.erst.Lese(p, Erstbelastung(p));
        if (v.erst.setzung.back() / 100 >= kSetzungMax)
            break;
    }
    const double hoechste = v.erst.spannung.back(), sMax = Erstbelastung(hoechste);
    const double b2 = -0.1 * Streuwert(nummer, 0, 55) * 1.5 * kPlattenradius / ev2;
    const double b1 = 1.5 * kPlattenradius / ev2 - b2 * hoechste;
    const double rest = sMax - b1 * hoechste - b2 * hoechste * hoechste;
    // Unloading to half and a quarter of the greatest stress and to none.
    for (const double anteil : {0.5, 0.25, 0.0})
        v.ent.Lese(anteil * hoechste, rest + (sMax - rest) * std::pow(anteil, 0.7));
    // Reloading up to the last step but one.
    for (size_t i = 0; i + 1 < v.erst.spannung.size(); ++i) {
        const double p = v.erst.spannung[i];
        v.zweit.Lese(p, rest + b1 * p + b2 * p * p);
    }
    v.a = PasseAn(0, 0, v.erst);
    v.b = PasseAn(0, v.ent.setzung.back() / 100, v.zweit);
    v.ev1 = Verformungsmodul(v.a, hoechste);
    v.ev2 = Verformungsmodul(v.b, hoechste);
    return v;
}

// The static plate load test on the clay below the bridge, whose Ev2 the soil replacement is
// designed for: the sixth protocol of every project the builder makes.
constexpr int kSohlenplatteNummer = 5;

} // namespace

double Ev2DerAushubsohle()
{
    return Gerundet(Plattendruck(kSohlenplatteNummer, kAushubsohle).ev2, 1);
}

// The page prints the layer's required Ev2 and Ev2/Ev1.
void FuellePlattendruck(CProtokoll& protokoll, int nummer, int messungen)
{
    const Schicht& schicht = SchichtDes(protokoll);
    const Plattendruckversuch v = Plattendruck(nummer, schicht);
    const auto Anzahl = [](const Laststufen& l) { return std::to_string(l.spannung.size()); };
    const std::vector<std::string> felder = {Anzahl(v.erst),
                                             Zahlen(v.erst.spannung, 3),
                                             Zahlen(v.erst.ablesung, 0),
                                             Zahlen(v.erst.setzung, 0),
                                             Anzahl(v.ent),
                                             Zahlen(v.ent.spannung, 3),
                                             Zahlen(v.ent.ablesung, 0),
                                             Zahlen(v.ent.setzung, 0),
                                             Anzahl(v.zweit),
                                             Zahlen(v.zweit.spannung, 3),
                                             Zahlen(v.zweit.ablesung, 0),
                                             Zahlen(v.zweit.setzung, 0),
                                             "",
                                             "",
                                             Text(v.a[0], 4),
                                             Text(v.a[1], 4),
                                             Text(v.a[2], 4),
                                             Text(v.ev1, 1),
                                             Text(v.b[0], 4),
                                             Text(v.b[1], 4),
                                             Text(v.b[2], 4),
                                             Text(v.ev2, 1),
                                             Text(v.ev2 / v.ev1, 2),
                                             "",
                                             "",
                                             Text(kUebersetzung, 2),
                                             "300",
                                             "Sandbett",
                                             "Widerlager Lkw 26 t",
                                             "PDG 300 H",
                                             "PD-0417",
                                             "Messuhr",
                                             "MU 2208",
                                             "",
                                             std::to_string(schicht.ev2Soll),
                                             schicht.ev2ev1Soll};
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(
        protokoll,
        {{"Ev1", felder[17] + " MN/m²"}, {"Ev2", felder[21] + " MN/m²"}, {"Ev2/Ev1", felder[22]}});
    // One test at one point: its measurement carries the results the page prints.
    if (messungen > 0)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, 0,
                                                Messdaten({{"EV1", felder[17]},
                                                           {"EV2", felder[21]},
                                                           {"EV2EV1", felder[22]},
                                                           {"EV2_SOLL", felder[34]},
                                                           {"EV2EV1_SOLL", felder[35]}})));

    // Chart: the unloading runs from the top of the first loading, the reloading from the end
    // of the unloading.
    const double hoechste = v.erst.setzung.back();
    std::vector<double> entLast{v.erst.spannung.back()}, entSetzung{hoechste};
    entLast.insert(entLast.end(), v.ent.spannung.begin(), v.ent.spannung.end());
    entSetzung.insert(entSetzung.end(), v.ent.setzung.begin(), v.ent.setzung.end());
    std::vector<double> zweitLast{0}, zweitSetzung{v.ent.setzung.back()};
    zweitLast.insert(zweitLast.end(), v.zweit.spannung.begin(), v.zweit.spannung.end());
    zweitSetzung.insert(zweitSetzung.end(), v.zweit.setzung.begin(), v.zweit.setzung.end());
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"0@0,1@0,2@0,3@0,4@0,5", Striche(0, hoechste, hoechste > 1000 ? 100 : 50, 0),
                   Zahlen(v.erst.spannung, 3), Zahlen(v.erst.setzung, 0), Zahlen(entLast, 3),
                   Zahlen(entSetzung, 0), Zahlen(zweitLast, 3), Zahlen(zweitSetzung, 0)}));
}

namespace {

// Dynamic plate load test: three drops after three preloading ones; the mean settlement gives
// Evd = 1.5 · r · σ / s.
// The 10 kg device measures Evd from 15 to 70 MN/m², the 15 kg device for the stiffer layers of
// the superstructure half as much again.
struct Fallgewicht
{
    const char* geraet;
    const char* gewicht; // kg
    const char* hoehe;   // cm
    double spannung;     // MN/m² under the plate at the peak force
    const char* aufnehmer;
    const char* evdMin; // measuring range, MN/m²
    const char* evdMax;
};

const Fallgewicht kFallgewicht10{"LFG 10", "10", "72", 0.1, "4711-3", "15", "70"};
const Fallgewicht kFallgewicht15{"LFG 15", "15", "75", 0.15, "5120-1", "22,5", "105"};

// The page has room for ten test points; further measurements have no values.
constexpr int kDynPlattenpunkte = 10;

} // namespace

// Each point on the layer, at its height, against the layer's required Evd; the 15 kg device
// for its own test type.
void FuelleDynPlatteAn(CProtokoll& protokoll, int nummer, int messungen,
                       const Pruefpunkte& pruefpunkte)
{
    const Fallgewicht& art = protokoll.GetPruefart() == 1012 ? kFallgewicht15 : kFallgewicht10;
    const Schicht& schicht = SchichtDes(protokoll);
    std::array<std::vector<std::string>, 21> felder;
    for (int i = 0; i < messungen; ++i) {
        if (i >= static_cast<int>(pruefpunkte.stellen.size())) {
            protokoll.FuegeMessungHinzu(NeueMessung(protokoll, i, ""));
            continue;
        }
        // Most points pass; about one in six falls short of the required modulus, none once
        // re-compacted.
        const double streuung = Streuwert(nummer, i, 61);
        const double ziel = schicht.evdSoll * (pruefpunkte.nachverdichtet ? 1.05 + 0.2 * streuung
                                                                          : 0.95 + 0.3 * streuung);
        const double mittel = 1.5 * kPlattenradius * art.spannung / ziel;
        double summe = 0;
        for (size_t s = 0; s < 3; ++s) {
            const double setzung =
                Gerundet(mittel * (1.03 - 0.03 * s + 0.02 * Streuwert(nummer, i, 62 + int(s))), 3);
            summe += setzung;
            felder[3 + s].push_back(Text(setzung, 3));
        }
        const double mittelGemessen = summe / 3;
        const double evd = 1.5 * kPlattenradius * art.spannung / mittelGemessen;
        felder[7].push_back(Text(evd, 1));
        felder[8].push_back(std::to_string(schicht.evdSoll));
        MESSUNG messung = pruefpunkte.stellen[i];
        messung.daten = Messdaten({{"EVD", felder[7].back()}, {"EVD_SOLL", felder[8].back()}});
        felder[0].push_back(StationUndProfil(messung.station));
        felder[1].push_back(SchichtUndHoehe(protokoll, messung));
        felder[2].push_back(messung.lage);
        felder[6].push_back(Text(mittelGemessen, 3));
        felder[20].push_back(Text(1.8 + 1.6 * Streuwert(nummer, i, 67), 1));
        protokoll.FuegeMessungHinzu(messung);
    }
    std::vector<std::string> gruppe;
    for (const std::vector<std::string>& feld : felder)
        gruppe.push_back(Unterwerte(feld));
    const std::string geraet[] = {art.geraet,    art.gewicht, art.hoehe,  "300",
                                  art.aufnehmer, art.evdMin,  art.evdMax, "0,2-2,0",
                                  "Sand",        "geeicht",   "01/2026"};
    std::copy(std::begin(geraet), std::end(geraet), gruppe.begin() + 9);
    protokoll.SetzeSpeziellGruppe(4, Felder(gruppe));
    if (!felder[7].empty())
        SetzeSpannenEckdaten(protokoll, "Evd", felder[7], felder[8].front(), " MN/m²");
}

void FuelleDynPlatte(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleDynPlatteAn(protokoll, nummer, messungen,
                      Pruefstellen(protokoll, std::min(messungen, kDynPlattenpunkte)));
}

} // namespace muster
