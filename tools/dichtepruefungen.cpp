// Field density and nuclear gauge: up to five test points side by side.

#include "dichtepruefungen.h"

#include "baustelle.h"
#include "data/textfunktionen.h"
#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "proctor.h"
#include "tabellendaten.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace muster {

namespace {

// The reference Proctor test and the soil of a density protocol, as printed: the soil's grain
// density and oversize are the Proctor test's, and so are the Proctor density and optimum water
// content of the soil with its oversize grain.
struct Dichtebezug
{
    double proctordichte;
    double wOpt;
    double korndichte;
    double ueberkorn;
    double ueberkornDichte;
    double ueberkornWasser;
    double proctordichteMitUeberkorn;
    double wOptMitUeberkorn;
    std::string proctorNr;
    double sollProzent;
};

// The required degree of compaction is the layer's.
Dichtebezug BezugFuer(const Schicht& schicht)
{
    const Proctorversuch& proctor = Bezugsproctor();
    return {proctor.dichte,
            proctor.wOpt,
            proctor.korndichte,
            proctor.ueberkorn,
            proctor.dichteUeberkorn,
            proctor.wUeberkorn,
            proctor.dichteMitUeberkorn,
            proctor.wOptMitUeberkorn,
            BezugsproctorVerweis(),
            static_cast<double>(schicht.verdichtungSoll)};
}

// A test point as printed: water content and dry density.
struct Dichtepunkt
{
    double w;
    double trockendichte;
};

// A test point one to three points of water content on the dry side of the optimum, compacted to
// between 0.8 % below and 3.7 % above the required degree, so that about one point in six falls
// short; re-compacted, to between 1 % and 3.5 % above it.
Dichtepunkt ZielPunkt(const Dichtebezug& b, int nummer, int i, bool nachverdichtet)
{
    const double w = b.wOptMitUeberkorn - 0.03 + 0.02 * Streuwert(nummer, i, 53);
    const double streuung = Streuwert(nummer, i, 54);
    const double grad = b.sollProzent / 100 +
                        (nachverdichtet ? 0.01 + 0.025 * streuung : -0.008 + 0.045 * streuung);
    return {w, grad * b.proctordichteMitUeberkorn};
}

// The soil parameters, reference Proctor test, oversize grain and degrees of compaction, one
// field each in the order both pages store them (the field density page from field 17, the gauge
// page from field 13), computed from the printed points.
std::vector<std::string> Kennwertfelder(const Dichtebezug& b,
                                        const std::vector<Dichtepunkt>& punkte)
{
    std::vector<double> korndichte, poren, luftporen, wasserporen, porenzahl, saettigung,
        proctordichte, wOpt, ueberkorn, wUeberkorn, dichteUeberkorn, proctordichteStrich,
        wOptStrich, grad;
    std::vector<std::string> proctorNr, soll;
    for (const Dichtepunkt& p : punkte) {
        const double n = 1 - p.trockendichte / b.korndichte;
        const double e = b.korndichte / p.trockendichte - 1;
        korndichte.push_back(b.korndichte);
        poren.push_back(n);
        wasserporen.push_back(p.w * p.trockendichte);
        luftporen.push_back(n - p.w * p.trockendichte);
        porenzahl.push_back(e);
        saettigung.push_back(p.w * b.korndichte / e);
        proctorNr.push_back(b.proctorNr);
        proctordichte.push_back(b.proctordichte);
        wOpt.push_back(b.wOpt);
        ueberkorn.push_back(b.ueberkorn);
        wUeberkorn.push_back(b.ueberkornWasser);
        dichteUeberkorn.push_back(b.ueberkornDichte);
        proctordichteStrich.push_back(b.proctordichteMitUeberkorn);
        wOptStrich.push_back(b.wOptMitUeberkorn);
        grad.push_back(100 * p.trockendichte / b.proctordichteMitUeberkorn);
        soll.push_back(Text(b.sollProzent, 0));
    }
    return {Zahlen(korndichte, 3),
            Zahlen(poren, 3),
            Zahlen(luftporen, 3),
            Zahlen(wasserporen, 3),
            Zahlen(porenzahl, 3),
            Zahlen(saettigung, 2),
            "",
            Unterwerte(proctorNr),
            Zahlen(proctordichte, 3),
            Zahlen(wOpt, 3),
            Zahlen(ueberkorn, 3),
            Zahlen(wUeberkorn, 3),
            Zahlen(dichteUeberkorn, 3),
            Zahlen(proctordichteStrich, 3),
            Zahlen(wOptStrich, 3),
            Zahlen(grad, 1),
            Unterwerte(soll)};
}

// Fields 0 to 2 of both pages from the test points' places: station and profile, layer and lift
// or height, position.
std::vector<std::string> Beschreibungsfelder(const CProtokoll& protokoll,
                                             const std::vector<MESSUNG>& stellen)
{
    std::vector<std::string> station, schicht, lage;
    for (const MESSUNG& stelle : stellen) {
        station.push_back(StationUndProfil(stelle.station));
        schicht.push_back(SchichtUndHoehe(protokoll, stelle));
        lage.push_back(stelle.lage);
    }
    return {Unterwerte(station), Unterwerte(schicht), Unterwerte(lage)};
}

// One measurement per test point at the point's place, with the values its column of the page
// shows, read from the page's fields: water content in field 6 on both pages, the dry density
// and the soil parameters of Kennwertfelder where the page has them. Further measurements have
// no values.
void FuegeDichtemessungenHinzu(CProtokoll& protokoll, int messungen,
                               const std::vector<MESSUNG>& stellen,
                               const std::vector<std::string>& seite, size_t trockendichte,
                               size_t kennwerte)
{
    // The row's Proctor density and optimum are the Proctor test's own, those with the oversize
    // the reference its degree of compaction is computed with.
    const std::pair<const char*, size_t> quellen[] = {{"PRNR", kennwerte + 7},
                                                      {"RPR", kennwerte + 8},
                                                      {"WOPT", kennwerte + 9},
                                                      {"UE", kennwerte + 10},
                                                      {"RPR_X", kennwerte + 13},
                                                      {"WOPT_X", kennwerte + 14},
                                                      {"WNAT", 6},
                                                      {"VERDR", trockendichte},
                                                      {"N", kennwerte + 1},
                                                      {"NA", kennwerte + 2},
                                                      {"VERDGRAD", kennwerte + 15},
                                                      {"VERDGRAD_SOLL", kennwerte + 16}};
    SetzeSpannenEckdaten(protokoll, "DPr", Teile(seite[kennwerte + 15], '@'),
                         StringHoleFeld(seite[kennwerte + 16], '@', 0), " %");
    for (int i = 0; i < messungen; ++i) {
        if (i >= static_cast<int>(stellen.size())) {
            protokoll.FuegeMessungHinzu(NeueMessung(protokoll, i, ""));
            continue;
        }
        std::vector<std::pair<std::string, std::string>> werte;
        for (const auto& [schluessel, feld] : quellen)
            werte.emplace_back(schluessel, StringHoleFeld(seite[feld], '@', i));
        MESSUNG messung = stellen[i];
        messung.daten = Messdaten(werte);
        protokoll.FuegeMessungHinzu(messung);
    }
}

// One test point per measurement, five at most, as both pages have room for.
Pruefpunkte Dichtepruefstellen(const CProtokoll& protokoll, int messungen)
{
    return Pruefstellen(protokoll, std::clamp(messungen, 1, 5));
}

// The volume of the hole by each method: the three measured values as printed and the volume
// from them, unrounded.
struct Volumenmessung
{
    std::string a, b, c;
    double volumen;
};

Volumenmessung MesseVolumen(int verfahren, int nummer, int i)
{
    const double s = Streuwert(nummer, i, 57);
    if (verfahren == 3003) {
        // A balloon cylinder of 12 cm bore: readings before and after, a small correction.
        const double l0 = Gerundet(1.5 + 0.8 * s, 2);
        const double l1 = Gerundet(l0 + 12.5 + 1.5 * Streuwert(nummer, i, 58), 2);
        const double ausgleich = -std::round(5 + 10 * s);
        return {Text(l0, 2), Text(l1, 2), Text(ausgleich, 0),
                (l1 - l0) * std::numbers::pi / 4 * 12.0 * 12.0 + ausgleich};
    }
    // Replacement by calibrated sand.
    const double dichte = 1.452, masse = Gerundet(3900 + 500 * s, 1);
    return {Text(dichte, 3), Text(masse, 1), "", masse / dichte};
}

} // namespace

// The field density protocols measure their volumes by the methods that the silty sand allows, in
// turn: the balloon and the replacement by sand; no block cut from a loose soil, no cutting
// cylinder through its gravel.
void FuelleVerdichtungAn(CProtokoll& protokoll, int nummer, int messungen,
                         const Pruefpunkte& pruefpunkte)
{
    const int verfahren = 3003 + nummer % 2;
    const int anzahl = static_cast<int>(pruefpunkte.stellen.size());
    const Dichtebezug bezug = BezugFuer(SchichtDes(protokoll));
    std::vector<Dichtepunkt> punkte;
    std::vector<std::string> tara, feucht, trocken, wasser, a, b, c, volumen, taraProbe,
        feuchtProbe, feuchtdichte, trockendichte;
    for (int i = 0; i < anzahl; ++i) {
        const Dichtepunkt ziel = ZielPunkt(bezug, nummer, i, pruefpunkte.nachverdichtet);
        const double mt = Gerundet(35.0 + 10.0 * Streuwert(nummer, i, 59), 2);
        const double md = Gerundet(160.0 + 80.0 * Streuwert(nummer, i, 60), 2);
        const double mf = Gerundet(md * (1 + ziel.w), 2);
        // The masses are what was weighed; what follows from them is computed unrounded.
        const double w = (mf - md) / md;
        const Volumenmessung v = MesseVolumen(verfahren, nummer, i);
        const double eimer = Gerundet(480.0 + 40.0 * Streuwert(nummer, i, 61), 1);
        const double masse = Gerundet(ziel.trockendichte * (1 + w) * v.volumen, 1);
        const double dichte = masse / v.volumen;
        const double dichteTrocken = dichte / (1 + w);
        punkte.push_back({w, dichteTrocken});
        tara.push_back(Text(mt, 2));
        feucht.push_back(Text(mt + mf, 2));
        trocken.push_back(Text(mt + md, 2));
        wasser.push_back(Text(w, 3));
        a.push_back(v.a);
        b.push_back(v.b);
        c.push_back(v.c);
        volumen.push_back(Text(v.volumen, 1));
        taraProbe.push_back(Text(eimer, 1));
        feuchtProbe.push_back(Text(eimer + masse, 1));
        feuchtdichte.push_back(Text(dichte, 3));
        trockendichte.push_back(Text(dichteTrocken, 3));
    }
    std::vector<std::string> felder = Beschreibungsfelder(protokoll, pruefpunkte.stellen);
    for (const auto* werte : {&tara, &feucht, &trocken, &wasser, &a, &b, &c, &volumen, &taraProbe})
        felder.push_back(Unterwerte(*werte));
    felder.push_back(""); // 12
    felder.push_back(Unterwerte(feuchtdichte));
    felder.push_back(Unterwerte(trockendichte));
    felder.push_back(""); // 15
    felder.push_back(""); // 16
    for (const std::string& feld : Kennwertfelder(bezug, punkte))
        felder.push_back(feld);                // 17 to 33
    felder.push_back(Unterwerte(feuchtProbe)); // 34
    felder.push_back("");
    felder.push_back("");
    felder.push_back(std::to_string(verfahren)); // 37
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    FuegeDichtemessungenHinzu(protokoll, messungen, pruefpunkte.stellen, felder, 14, 17);
}

void FuelleVerdichtung(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleVerdichtungAn(protokoll, nummer, messungen, Dichtepruefstellen(protokoll, messungen));
}

namespace {

// Three readings around a value, as a gauge shows them.
std::vector<double> Ablesungen(double wert, double streuung, int nummer, int i, int art)
{
    std::vector<double> werte;
    for (int k = 0; k < 3; ++k)
        werte.push_back(Gerundet(wert + streuung * (Streuwert(nummer, i * 3 + k, art) - 0.5), 3));
    return werte;
}

} // namespace

// The gauge protocols of a sample take the three methods in turn: water content and dry
// density, water content and wet density, both densities. The quantity not read follows from
// the means of the two that are.
void FuelleTroxlerAn(CProtokoll& protokoll, int nummer, int messungen,
                     const Pruefpunkte& pruefpunkte)
{
    const int verfahren = nummer % 3;
    const int anzahl = static_cast<int>(pruefpunkte.stellen.size());
    const Dichtebezug bezug = BezugFuer(SchichtDes(protokoll));
    std::vector<Dichtepunkt> punkte;
    std::vector<std::string> erste[3], zweite[3];
    std::vector<double> wasser, trocken, feucht;
    for (int i = 0; i < anzahl; ++i) {
        const Dichtepunkt ziel = ZielPunkt(bezug, nummer, i, pruefpunkte.nachverdichtet);
        const std::vector<double> w = Ablesungen(ziel.w, 0.004, nummer, i, 62);
        const std::vector<double> rhoF =
            Ablesungen(ziel.trockendichte * (1 + ziel.w), 0.015, nummer, i, 63);
        const std::vector<double> rhoD = Ablesungen(ziel.trockendichte, 0.015, nummer, i, 64);
        const std::vector<double>& a = verfahren == 2 ? rhoF : w;
        const std::vector<double>& b = verfahren == 1 ? rhoF : rhoD;
        for (int k = 0; k < 3; ++k) {
            erste[k].push_back(Text(a[k], 3));
            zweite[k].push_back(Text(b[k], 3));
        }
        double wi = Mittel(w), rd = Mittel(rhoD), rf = Mittel(rhoF);
        if (verfahren == 1)
            rd = rf / (1 + wi);
        else if (verfahren == 2)
            wi = rf / rd - 1;
        else
            rf = rd * (1 + wi);
        wasser.push_back(wi);
        trocken.push_back(rd);
        feucht.push_back(rf);
        punkte.push_back({wi, rd});
    }
    std::vector<std::string> felder = Beschreibungsfelder(protokoll, pruefpunkte.stellen);
    for (const auto& ablesung : erste)
        felder.push_back(Unterwerte(ablesung)); // 3 to 5
    felder.push_back(Zahlen(wasser, 3));        // 6
    for (const auto& ablesung : zweite)
        felder.push_back(Unterwerte(ablesung)); // 7 to 9
    felder.push_back(Zahlen(trocken, 3));       // 10
    felder.push_back("");
    felder.push_back("");
    for (const std::string& feld : Kennwertfelder(bezug, punkte))
        felder.push_back(feld); // 13 to 29
    felder.push_back("");
    for (const char* geraet : {"Nr. 38714", "IS 4640-B", "Cs-137", "Am-241:Be"})
        felder.push_back(geraet);                // 31 to 34
    felder.push_back(Zahlen(feucht, 3));         // 35
    felder.push_back(std::to_string(verfahren)); // 36
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    FuegeDichtemessungenHinzu(protokoll, messungen, pruefpunkte.stellen, felder, 10, 13);
}

void FuelleTroxler(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleTroxlerAn(protokoll, nummer, messungen, Dichtepruefstellen(protokoll, messungen));
}

} // namespace muster
