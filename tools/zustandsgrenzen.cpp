// Atterberg limits: a medium-plastic clay of stiff consistency.

#include "zustandsgrenzen.h"

#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "platform/text.h"
#include "tabellendaten.h"

#include <algorithm>
#include <cmath>

namespace muster {

namespace {

// Tare, tare plus moist and tare plus dry mass of one water-content sample as printed, and the
// water content from them.
struct Wasserprobe
{
    double tara, feucht, trocken, w;
};

Wasserprobe BildeWasserprobe(double tara, double trockenmasse, double w)
{
    const double t = Gerundet(tara, 2);
    const double trocken = Gerundet(t + trockenmasse, 2);
    const double feucht = Gerundet(t + trockenmasse * (1 + w), 2);
    return {t, feucht, trocken, (feucht - trocken) / (trocken - t)};
}

// Soil group of a fine-grained soil after DIN 18196 from its place in the plasticity chart:
// clays above the A-line Ip = 0.73 (wl - 0.20) from Ip 0.07, silts below it or under Ip 0.04, the
// band between them mixed; light, medium and highly plastic below wl 0.35, up to 0.50 and above.
std::string Bodengruppe(double wl, double ip)
{
    const bool ueberALinie = ip >= 0.73 * (wl - 0.20);
    if (ueberALinie && ip >= 0.04 && ip < 0.07)
        return "TL-UL";
    const char* stufe = wl < 0.35 ? "L" : wl <= 0.50 ? "M" : "A";
    return (ueberALinie && ip >= 0.07 ? "T" : "U") + std::string(stufe);
}

// A medium-plastic clay (TM: wl 0.40 to 0.46 above the A-line) in the stiff state the headers
// name.
constexpr double kKonsistenz = 0.87;

// An Atterberg test as its page prints it: the flow line's tests and the line fitted to them, the
// oversize above 0.4 mm, the rolling tests and the natural water content's samples, and the
// limits and consistency that follow.
struct Zustandsgrenzenversuch
{
    std::vector<Wasserprobe> fliess, ausroll, natuerlich;
    std::vector<double> n;
    double achse, steigung, wl, md, mUeber, wUeber, ue, wp, ip, wnat, wFein, ic;

    double FliessW(double schlagzahl) const { return achse + steigung * std::log10(schlagzahl); }
};

Zustandsgrenzenversuch Zustandsgrenzen(int nummer)
{
    Zustandsgrenzenversuch v;
    const double wlSoll = 0.40 + 0.06 * Streuwert(nummer, 0, 51);
    const double wpSoll = 0.19 + 0.03 * Streuwert(nummer, 0, 52);
    constexpr double kFliessindex = 0.11; // fall of w per decade of blows

    // Liquid limit: four tests from wet to dry, fitted to a straight line over log10 N.
    const double schlaege[] = {15, 21, 28, 37};
    std::vector<Wasserprobe>& fliess = v.fliess;
    std::vector<double>& n = v.n;
    for (size_t i = 0; i < std::size(schlaege); ++i) {
        const double ni = schlaege[i] + std::round(3 * Streuwert(nummer, int(i), 53) - 1);
        const double w = wlSoll - kFliessindex * std::log10(ni / 25) +
                         0.004 * (Streuwert(nummer, int(i), 54) - 0.5);
        fliess.push_back(BildeWasserprobe(36 + 8 * Streuwert(nummer, int(i), 55),
                                          28 + 8 * Streuwert(nummer, int(i), 56), w));
        n.push_back(ni);
    }
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < n.size(); ++i) {
        const double x = std::log10(n[i]);
        sx += x;
        sy += fliess[i].w;
        sxx += x * x;
        sxy += x * fliess[i].w;
    }
    const double k = n.size();
    v.steigung = (k * sxy - sx * sy) / (k * sxx - sx * sx);
    v.achse = (sy - v.steigung * sx) / k;
    v.wl = v.FliessW(25);

    // Oversize above 0.4 mm: a little gravelly sand that holds less water. The consistency is
    // that of the fines, whose water content the oversize would understate.
    v.md = Gerundet(450 + 50 * Streuwert(nummer, 0, 63), 1);
    v.mUeber = Gerundet(v.md * (0.08 + 0.06 * Streuwert(nummer, 0, 64)), 1);
    v.wUeber = 0.04;
    v.ue = v.mUeber / v.md;

    // Plastic limit: three rolling tests; natural water content: three samples of the clay's
    // stiff state, its fines near Ic 0.87.
    const double wFeinZiel = wlSoll - kKonsistenz * (wlSoll - wpSoll);
    for (int i = 0; i < 3; ++i) {
        v.ausroll.push_back(BildeWasserprobe(14 + 3 * Streuwert(nummer, i, 57),
                                             5 + 2 * Streuwert(nummer, i, 58),
                                             wpSoll + 0.006 * (Streuwert(nummer, i, 59) - 0.5)));
        v.natuerlich.push_back(BildeWasserprobe(
            38 + 6 * Streuwert(nummer, i, 60), 60 + 20 * Streuwert(nummer, i, 61),
            wFeinZiel * (1 - v.ue) + v.ue * v.wUeber + 0.006 * (Streuwert(nummer, i, 62) - 0.5)));
    }
    v.wp = Mittel(v.ausroll, &Wasserprobe::w);
    v.ip = v.wl - v.wp;
    v.wnat = Mittel(v.natuerlich, &Wasserprobe::w);
    v.wFein = (v.wnat - v.ue * v.wUeber) / (1 - v.ue);
    v.ic = (v.wl - v.wFein) / v.ip;
    return v;
}

// The Atterberg test of the clay whose natural water content its undisturbed specimens hold: the
// seventh protocol of every project the builder makes.
constexpr int kZustandsgrenzenNummer = 6;

} // namespace

double NatuerlicherWassergehalt()
{
    return Zustandsgrenzen(kZustandsgrenzenNummer).wnat;
}

void FuelleZustandsgrenzen(CProtokoll& protokoll, int nummer, int messungen)
{
    const Zustandsgrenzenversuch v = Zustandsgrenzen(nummer);
    const std::string gruppe = Bodengruppe(v.wl, v.ip);
    FuegeMessungenHinzu(protokoll, nummer, messungen);

    std::vector<std::string> tara(15), feucht(15), trocken(15), w(15), n7;
    const auto Setze = [&](size_t stelle, const Wasserprobe& p) {
        tara[stelle] = Text(p.tara, 2);
        feucht[stelle] = Text(p.feucht, 2);
        trocken[stelle] = Text(p.trocken, 2);
        w[stelle] = Text(p.w, 3);
    };
    for (size_t i = 0; i < v.fliess.size(); ++i) {
        Setze(i, v.fliess[i]);
        n7.push_back(Text(v.n[i], 0));
    }
    for (size_t i = 0; i < 3; ++i) {
        Setze(7 + i, v.natuerlich[i]);
        Setze(10 + i, v.ausroll[i]);
    }
    const std::string Wnat = Text(v.wnat, 3);
    protokoll.SetzeSpeziellGruppe(4, Felder({Unterwerte(tara),
                                             Unterwerte(feucht),
                                             Unterwerte(trocken),
                                             Unterwerte(w),
                                             Unterwerte(n7),
                                             Wnat,
                                             "",
                                             Wnat,
                                             Text(v.wl, 3),
                                             Text(v.wp, 3),
                                             Text(v.ip, 3),
                                             Text(v.ic, 2),
                                             Text(1 - v.ic, 2),
                                             "",
                                             "",
                                             Text(v.md, 1),
                                             Text(v.mUeber, 1),
                                             Text(v.wUeber, 3),
                                             Text(v.ue, 3),
                                             Text(v.wFein, 3)}));
    SetzeEckdaten(protokoll, {{"wL", Text(v.wl, 3)},
                              {"wP", Text(v.wp, 3)},
                              {"IP", Text(v.ip, 3)},
                              {"IC", Text(v.ic, 2)},
                              {"Bodengr.", gruppe}});

    std::vector<double> wPunkte;
    for (const Wasserprobe& p : v.fliess)
        wPunkte.push_back(p.w);
    const auto [wMin, wMax] = std::minmax_element(wPunkte.begin(), wPunkte.end());
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"10@15@20@25@30@40@50", Striche(*wMin - 0.01, *wMax + 0.01, 0.02, 2),
                   Zahlen(v.n, 0), Zahlen(wPunkte, 3),
                   StringFormat("10@%.3f@50@%.3f", v.FliessW(10), v.FliessW(50)), Text(v.wl, 3), "",
                   "0@10@20@30@40@50@60@70", Text(v.wp, 3), Text(v.wl, 3), Text(v.ip, 3), "",
                   "2.00@1.75@1.50@1.25@1.00@0.75@0.50@0.25@0.00@-0.25@-0.50", Text(v.ic, 2), "",
                   Text(v.wl, 3), Text(v.ip, 3)}));
}

} // namespace muster
