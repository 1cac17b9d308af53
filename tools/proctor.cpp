// Proctor test: five compaction points around a clear optimum.

#include "proctor.h"

#include "diagrams/kurven.h"
#include "kopf_und_messungen.h"
#include "kornverteilung.h"
#include "musterwerte.h"
#include "tabellendaten.h"
#include "wassergehalt_korndichte.h"

#include <algorithm>
#include <cmath>

namespace muster {

namespace {

constexpr double kProctorVolumen = 942.5; // cm³ of the 100 mm by 120 mm cylinder, as printed
constexpr double kProctorZylinder = 4228; // g

// The cylinder takes what passes 20 mm. The oversize above, sieved off and weighed, is gravel of
// the cut's sand that holds little water; its grains are of the sand's rock, whose grain density
// the laboratory measured.
constexpr double kGroesstkorn = 20; // mm
constexpr double kUeberkornWasser = 0.012;

// The reference Proctor test of the density, water content and binder protocols: the second
// protocol of every project the builder makes, in the sample also the second by date. Its sample
// is the one the cut's sand was sieved from.
constexpr int kBezugsproctorNummer = 1;

// Water content where the drawn curve, followed from its peak one sample at a time in direction
// `schritt`, falls to `dichte`; not a number when it ends first.
double WasserBeiDichte(const std::vector<double>& x, const std::vector<double>& y, int gipfel,
                       int letzte, int schritt, double dichte)
{
    for (int j = gipfel; j + schritt >= 0 && j + schritt <= letzte; j += schritt) {
        const int k = j + schritt;
        if (y[k] <= dichte)
            return x[j] + (x[k] - x[j]) * (y[j] - dichte) / (y[j] - y[k]);
    }
    return std::nan("");
}

// The water content dish of one compaction point, weighed to 0.1 g: tare, tare plus dry and tare
// plus moist mass, and the water content they give.
struct Schale
{
    double tara, trocken, feucht, w;
};

Schale WaegeSchale(double wZiel, int nummer, int i)
{
    const double tara = Gerundet(245 + 10 * Streuwert(nummer, i, 46), 1);
    const double md = Gerundet(480 + 40 * Streuwert(nummer, i, 47), 1);
    const double feucht = Gerundet(tara + md * (1 + wZiel), 1);
    return {tara, tara + md, feucht, (feucht - (tara + md)) / md};
}

// The water content of the whole soil from that of what passes the largest grain, the oversize
// holding its own (DIN 18127).
double WasserMitUeberkorn(const Proctorversuch& v, double w)
{
    return (1 - v.ueberkorn) * w + v.ueberkorn * v.wUeberkorn;
}

// The dry density of the whole soil from that of what passes the largest grain.
double DichteMitUeberkorn(const Proctorversuch& v, double dichte)
{
    return 1 / ((1 - v.ueberkorn) / dichte + v.ueberkorn / v.dichteUeberkorn);
}

// One compaction point: the wet mass in the cylinder weighed to 0.1 g; the dry mass and the
// densities follow from it and the dish's water content, unrounded. The sheet also gives the dry
// density from the printed dry mass; where the two would print differently, the wet mass is read
// again 0.1 g higher, so that both give the printed value. So it is where the point corrected for
// the oversize would print above the printed dry density corrected: the curve and the Proctor
// density take the printed one, and no corrected point lies above the Proctor density with the
// oversize.
void Verdichte(Proctorversuch& v, double w, double rho)
{
    double feucht = Gerundet(kProctorZylinder + rho * (1 + w) * kProctorVolumen, 1);
    double trocken = 0;
    for (int versuch = 0; versuch < 20; ++versuch, feucht = Gerundet(feucht + 0.1, 1)) {
        trocken = kProctorZylinder + (feucht - kProctorZylinder) / (1 + w);
        const double dichte = (trocken - kProctorZylinder) / kProctorVolumen;
        if (Gerundet(dichte, 3) ==
                Gerundet((Gerundet(trocken, 1) - kProctorZylinder) / kProctorVolumen, 3) &&
            Gerundet(DichteMitUeberkorn(v, dichte), 3) <=
                Gerundet(DichteMitUeberkorn(v, Gerundet(dichte, 3)), 3))
            break;
    }
    v.feuchtMitZylinder.push_back(feucht);
    v.trockenMitZylinder.push_back(trocken);
    v.dichteFeucht.push_back((feucht - kProctorZylinder) / kProctorVolumen);
    v.dichteTrocken.push_back((trocken - kProctorZylinder) / kProctorVolumen);
}

Proctorversuch Proctor(int nummer)
{
    constexpr int kPunkte = 5;
    const double wZiel = 0.088 + 0.024 * Streuwert(nummer, 0, 42);
    const double dichteZiel = 1.89 + 0.06 * Streuwert(nummer, 0, 43);
    // Dry density falls off as a parabola on both sides of the optimum; the outer points lie
    // below 95 % so that the curve reaches every degree of the table.
    constexpr double kKruemmung = 60.0;
    Proctorversuch v;
    v.korndichte = GemesseneKorndichte(kAushubboden);
    v.wUeberkorn = kUeberkornWasser;
    v.dichteUeberkorn = v.korndichte;
    const double ueberkorn = 1 - GedruckterDurchgang(kAushubsand, kGroesstkorn) / 100;
    v.ueberkorn = Gerundet(nummer == kBezugsproctorNummer
                               ? ueberkorn
                               : ueberkorn * (0.8 + 0.4 * Streuwert(nummer, 0, 48)),
                           3);
    for (int i = 0; i < kPunkte; ++i) {
        const double wi = wZiel + 0.022 * (i - 2) + 0.003 * (Streuwert(nummer, i, 44) - 0.5);
        const double rho = dichteZiel - kKruemmung * (wi - wZiel) * (wi - wZiel) +
                           0.004 * (Streuwert(nummer, i, 45) - 0.5);
        const Schale schale = WaegeSchale(wi, nummer, i);
        v.tara.push_back(schale.tara);
        v.taraTrocken.push_back(schale.trocken);
        v.taraFeucht.push_back(schale.feucht);
        v.w.push_back(schale.w);
        Verdichte(v, schale.w, rho);
        v.wKorrigiert.push_back(WasserMitUeberkorn(v, v.w.back()));
        v.dichteKorrigiert.push_back(DichteMitUeberkorn(v, v.dichteTrocken.back()));
    }

    // The optimum is read off the curve the diagram draws through the points as printed. The
    // values with the oversize, which the density tests cite, follow from the printed optimum.
    std::vector<double> x = Gedruckt(v.w, 3), y = Gedruckt(v.dichteTrocken, 3), kurveX, kurveY;
    x.push_back(0);
    y.push_back(0);
    constexpr int kProben = 320;
    if (!SplineProctorKurve(x, y, 0, kPunkte, kProben, 6, kurveX, kurveY))
        return v;
    const int letzte = kProben - 1; // the last sample has no density
    const int gipfel = static_cast<int>(
        std::max_element(kurveY.begin(), kurveY.begin() + letzte + 1) - kurveY.begin());
    v.dichte = Gerundet(kurveY[gipfel], 3);
    v.wOpt = Gerundet(kurveX[gipfel], 3);
    v.dichteMitUeberkorn = Gerundet(DichteMitUeberkorn(v, v.dichte), 3);
    v.wOptMitUeberkorn = Gerundet(WasserMitUeberkorn(v, v.wOpt), 3);
    v.wasserJeGrad = {v.wOpt};
    for (double grad : {1.00, 0.98, 0.97, 0.95}) {
        const double dichte = Gerundet(grad * v.dichte, 3);
        v.dichteJeGrad.push_back(dichte);
        v.poren.push_back(Gerundet(1 - dichte / v.korndichte, 3));
        if (grad < 1)
            for (int schritt : {-1, 1})
                v.wasserJeGrad.push_back(
                    Gerundet(WasserBeiDichte(kurveX, kurveY, gipfel, letzte, schritt, dichte), 3));
    }
    for (size_t j = 0; j < v.wasserJeGrad.size(); ++j) {
        const double dichte = v.dichteJeGrad[(j + 1) / 2];
        v.luftporen.push_back(Gerundet(1 - dichte / v.korndichte - v.wasserJeGrad[j] * dichte, 3));
    }
    return v;
}

} // namespace

std::string BezugsproctorVerweis()
{
    return Protokollverweis(Protokollnummer(kBezugsproctorNummer, "PV"));
}

const Proctorversuch& Bezugsproctor()
{
    static const Proctorversuch proctor = Proctor(kBezugsproctorNummer);
    return proctor;
}

void FuelleProctor(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Proctorversuch v = Proctor(nummer);
    const std::vector<double> zylinder(v.w.size(), kProctorZylinder), hoehe(v.w.size(), 120.0),
        volumen(v.w.size(), kProctorVolumen);
    protokoll.SetzeSpeziellGruppe(4, Felder({Zahlen(v.tara, 1),
                                             Zahlen(v.taraTrocken, 1),
                                             Zahlen(v.taraFeucht, 1),
                                             Zahlen(v.w, 3),
                                             Zahlen(zylinder, 0),
                                             Zahlen(hoehe, 1),
                                             Zahlen(volumen, 1),
                                             Zahlen(v.feuchtMitZylinder, 1),
                                             Zahlen(v.trockenMitZylinder, 1),
                                             Zahlen(v.dichteFeucht, 3),
                                             Zahlen(v.dichteTrocken, 3),
                                             Text(v.ueberkorn, 3),
                                             Text(v.wUeberkorn, 3),
                                             Text(v.dichteUeberkorn, 3),
                                             Zahlen(v.wKorrigiert, 3),
                                             Zahlen(v.dichteKorrigiert, 3),
                                             Text(v.korndichte, 3),
                                             "",
                                             "",
                                             Zahlen(v.wasserJeGrad, 3),
                                             Zahlen(v.dichteJeGrad, 3),
                                             Zahlen(v.poren, 3),
                                             Zahlen(v.luftporen, 3),
                                             "",
                                             "",
                                             "Proctortopf 100 mm",
                                             "100",
                                             "120",
                                             Text(kProctorVolumen, 1),
                                             Text(kProctorZylinder, 0),
                                             "300",
                                             "2500",
                                             "3",
                                             "25",
                                             Text(kGroesstkorn, 0),
                                             Text(100 * v.ueberkorn, 1)}));
    SetzeEckdaten(protokoll,
                  {{"Pr.-Dichte", Text(v.dichte, 3) + " g/cm³"}, {"wopt", Text(v.wOpt, 3)}});
    SetzeBemerkung(protokoll, "Mit " + Komma(100 * v.ueberkorn, 1) + " % Überkorn: Proctordichte " +
                                  Komma(v.dichteMitUeberkorn, 3) +
                                  " g/cm³, optimaler Wassergehalt " +
                                  Komma(100 * v.wOptMitUeberkorn, 1) + " %");

    // Chart: ticks around the points, the points, the optimum marked again, and the saturation
    // line (no air pores) as the second curve.
    const std::vector<double> wPunkte = Gedruckt(v.w, 3),
                              dichtePunkte = Gedruckt(v.dichteTrocken, 3);
    const double wMin = wPunkte.front() - 0.02, wMax = wPunkte.back() + 0.02;
    const double dichteMin = *std::min_element(dichtePunkte.begin(), dichtePunkte.end());
    std::vector<double> wSaettigung, dichteSaettigung;
    for (int i = 0; i <= 4; ++i) {
        const double wi = wMin + (wMax - wMin) * i / 4;
        wSaettigung.push_back(wi);
        dichteSaettigung.push_back(v.korndichte / (1 + wi * v.korndichte));
    }
    protokoll.SetzeSpeziellGruppe(
        5,
        Felder({Striche(wMin, wMax, 0.02, 2), Striche(dichteMin - 0.03, v.dichte + 0.03, 0.05, 2),
                Zahlen(v.w, 3), Zahlen(v.dichteTrocken, 3), Text(v.wOpt, 3), Text(v.dichte, 3),
                Zahlen(wSaettigung, 3), Zahlen(dichteSaettigung, 3)}));
}

} // namespace muster
