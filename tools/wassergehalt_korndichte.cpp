// Water content and grain density.

#include "wassergehalt_korndichte.h"

#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "platform/text.h"
#include "proctor.h"
#include "tabellendaten.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace muster {

// Three partial samples of one place and depth, taken to average out the scatter of a single
// dish; the protocol's one measurement stands at that place and carries the mean. The silty sand
// comes to the dam on the dry side of its Proctor optimum.
void FuelleWassergehalt(CProtokoll& protokoll, int nummer, int messungen)
{
    constexpr int kProben = 3;
    const double wBoden = Bezugsproctor().wOpt - 0.025 + 0.02 * Streuwert(nummer, 0, 23);
    const std::string stelle = protokoll.HoleFeld(1, 1) + "#CRLF#" + protokoll.HoleFeld(1, 3);
    const std::string tiefe = Text(0.1 + 0.1 * std::floor(3 * Streuwert(nummer, 0, 24)), 1);
    std::vector<std::string> probe, entnahme, tiefen, tara, feucht, trocken, wasser;
    double summe = 0;
    for (int s = 0; s < kProben; ++s) {
        const double mt = Gerundet(38.0 + 12.0 * Streuwert(nummer, s, 21), 2);
        const double md = Gerundet(180.0 + 120.0 * Streuwert(nummer, s, 22), 2);
        const double mf = Gerundet(md * (1 + wBoden + 0.004 * (Streuwert(nummer, s, 25) - 0.5)), 2);
        const double w = (mf - md) / md;
        summe += w;
        probe.push_back(StringFormat("Teilprobe %d", s + 1));
        entnahme.push_back(stelle);
        tiefen.push_back(tiefe);
        tara.push_back(Text(mt, 2));
        feucht.push_back(Text(mt + mf, 2));
        trocken.push_back(Text(mt + md, 2));
        wasser.push_back(Text(w, 3));
    }
    const std::string mittel = Text(summe / kProben, 3);
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Unterwerte(probe), Unterwerte(entnahme), Unterwerte(tiefen), Unterwerte(tara),
                   Unterwerte(feucht), Unterwerte(trocken), "Probe", "Entnahmestelle", "Tiefe [m]",
                   Unterwerte(wasser), mittel}));
    SetzeEckdaten(protokoll, {{"w Mittel", mittel}});
    if (messungen > 0)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, 0, Messdaten({{"WNAT", mittel}})));
}

namespace {

// A pycnometer test of three partial samples of a soil, one in each of the laboratory's flasks,
// within 0.02 g/cm³ of each other.
struct Korndichteversuch
{
    std::vector<std::string> kolben, m1, volumen, temperatur, dichteWasser, m2, m3, rohdichte;
    double mittel = 0;
};

// The laboratory's calibrated pycnometer flasks: mass in g and volume in cm³.
struct Kolben
{
    const char* nummer;
    double masse, volumen;
};

constexpr Kolben kKolben[] = {
    {"P03", 96.412, 250.08}, {"P07", 93.857, 250.13}, {"P11", 98.205, 249.96}};

Korndichteversuch Korndichte(int nummer, double um)
{
    Korndichteversuch v;
    const double korndichte = um - 0.02 + 0.04 * Streuwert(nummer, 0, 36);
    double summe = 0;
    for (int j = 0; j < static_cast<int>(std::size(kKolben)); ++j) {
        const double masseKolben = kKolben[j].masse;
        const double v0 = kKolben[j].volumen;
        const double t = Gerundet(19.5 + 1.5 * Streuwert(nummer, j, 33), 1);
        // Density of water near 20 °C, enough for a sample.
        const double rhoW = Gerundet(0.99820 - 0.00021 * (t - 20.0), 4);
        const double probe = 48.0 + 8.0 * Streuwert(nummer, j, 34);
        const double rho = korndichte + 0.02 * (Streuwert(nummer, j, 35) - 0.5);
        const double mitProbe = Gerundet(masseKolben + probe, 3);
        const double mitWasser = Gerundet(mitProbe + (v0 - probe / rho) * rhoW, 3);
        // The sample's volume is the flask's less the water that fills the rest.
        const double gemessen = (mitProbe - masseKolben) / (v0 - (mitWasser - mitProbe) / rhoW);
        summe += gemessen;
        v.kolben.push_back(kKolben[j].nummer);
        v.m1.push_back(Text(masseKolben, 3));
        v.volumen.push_back(Text(v0, 2));
        v.temperatur.push_back(Text(t, 1));
        v.dichteWasser.push_back(Text(rhoW, 4));
        v.m2.push_back(Text(mitProbe, 3));
        v.m3.push_back(Text(mitWasser, 3));
        v.rohdichte.push_back(Text(gemessen, 3));
    }
    v.mittel = Gerundet(summe / static_cast<double>(std::size(kKolben)), 3);
    return v;
}

// The grain density tests whose means the other tests of their soil use: the value the soil's
// grains scatter about, and the protocol that holds the test, counted in every project the builder
// makes: the clay's is the ninth, the sand's the 46th of the sample.
struct Korndichtebezug
{
    const Boden* boden;
    double um; // g/cm³
    int nummer;
};

const Korndichtebezug kKorndichtebezuege[] = {{&kTon, 2.68, 8}, {&kAushubboden, 2.65, 45}};

const Korndichtebezug& BezugVon(const Boden& boden)
{
    return *std::ranges::find(kKorndichtebezuege, &boden, &Korndichtebezug::boden);
}

} // namespace

double GemesseneKorndichte(const Boden& boden)
{
    const Korndichtebezug& bezug = BezugVon(boden);
    return Korndichte(bezug.nummer, bezug.um).mittel;
}

// The header's soil decides about which value its grains scatter.
void FuelleKorndichte(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Korndichteversuch v = Korndichte(nummer, BezugVon(*SchichtDes(protokoll).boden).um);
    const std::string mittel = Text(v.mittel, 3);
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Unterwerte(v.kolben), Unterwerte(v.m1), Unterwerte(v.volumen),
                   Unterwerte(v.temperatur), Unterwerte(v.dichteWasser), Unterwerte(v.m2),
                   Unterwerte(v.m3), Unterwerte(v.rohdichte), "", mittel}));
    SetzeEckdaten(protokoll, {{"Rohdichte", mittel + " g/cm³"}});
}

} // namespace muster
