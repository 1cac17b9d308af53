// Sedimentation of the cut's sand and permeability of the clay.

#include "sedimentation_durchlaessigkeit.h"

#include "data/textfunktionen.h"
#include "kopf_und_messungen.h"
#include "kornverteilung.h"
#include "musterwerte.h"
#include "platform/text.h"
#include "tabellendaten.h"
#include "wassergehalt_korndichte.h"
#include "zustandsgrenzen.h"

#include <cmath>

namespace muster {

namespace {

// Dynamic viscosity of water in Pa·s at a temperature in °C (Poiseuille).
double Zaehigkeit(double temperatur)
{
    return 0.00178 / (1 + 0.0337 * temperatur + 0.000221 * temperatur * temperatur);
}

// The hydrometer's scale reads R from 0 at its top to 35 at its foot.
constexpr double kSkalaEnde = 35.0;

} // namespace

// The fines below 0.125 mm of the cut's sand, with the grain density the laboratory measured of
// it, hold the share of the whole sample that its wet sieving prints at 0.125 mm, which turns a
// into atot; the remark line names it. Each reading is one the suspension of the sand's fines
// gives at its time, read to 0.1; size and shares follow from the readings unrounded.
void FuelleSedimentation(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr double kAz = 31.17, kVA = 67.0, kCm = 0.5, kH = 14.2, kSkala = 10.5, kH0 = 2.1;
    const double rhoS = GemesseneKorndichte(*SchichtDes(protokoll).boden);
    const double md = Gerundet(45.0 + 10.0 * Streuwert(nummer, 0, 82), 2);
    const double feinanteil = Gerundet(GedruckterDurchgang(kAushubsand, 0.125) / 100, 3);
    SetzeBemerkung(protokoll, "atot = a · " + Komma(feinanteil, 3) + " (Anteil < 0,125 mm an der " +
                                  "Gesamtprobe " + Komma(100 * feinanteil, 1) + " %)");
    std::vector<std::string> felder{
        Unterwerte({"H-17", Text(kAz, 2), Text(kVA, 1), Text(kCm, 1), Text(kH, 1), Text(kSkala, 1),
                    Text(kH0, 1), Text(rhoS, 3), Text(md, 2)})};
    const int zeiten[][2] = {{0, 0},  {0, 1}, {0, 2}, {0, 5}, {0, 15}, {0, 30},
                             {0, 45}, {2, 0}, {4, 0}, {6, 0}, {12, 0}, {24, 0}};
    // Stokes: the grains that have sunk from the surface to the hydrometer bulb's centre by the
    // reading r at t °C after that many minutes; the share a of the fines that r gives.
    const auto Korngroesse = [&](double r, double t, double minuten) {
        const double tiefe = kH0 + kSkala * (kSkalaEnde - r) / kSkalaEnde + (kH - kVA / kAz) / 2;
        return 1000 * std::sqrt(18 * Zaehigkeit(t) * tiefe / 100 /
                                ((rhoS - 1) * 1000 * 9.81 * minuten * 60));
    };
    const auto Anteil = [&](double rMitKorrektur) {
        return 100 * rhoS / (rhoS - 1) * rMitKorrektur / md;
    };
    std::string kleinste, anteil;
    for (int i = 0; i < 12; ++i) {
        const auto [stunden, minuten] = zeiten[i];
        const double tMinuten = i == 0 ? 0.5 : 60.0 * stunden + minuten;
        const double t = Gerundet(20.0 + 1.5 * Streuwert(nummer, i, 85), 1);
        const double ct = Gerundet(0.2 * (t - 20.0), 2);
        // The depth the size depends on follows the reading: a few turns settle both.
        double r = 20;
        for (int schritt = 0; schritt < 10; ++schritt)
            r = Schlaemmdurchgang(kAushubsand, Korngroesse(r, t, tMinuten)) / feinanteil / 100 *
                    md * (rhoS - 1) / rhoS -
                ct;
        const double rStrich = Gerundet(r - kCm + 0.2 * (Streuwert(nummer, i, 84) - 0.5), 1);
        const double d = Korngroesse(rStrich + kCm, t, tMinuten);
        const double a = Anteil(rStrich + kCm + ct);
        kleinste = Text(d, 4);
        anteil = Text(a * feinanteil, 1);
        felder.push_back(
            Unterwerte({StringFormat("%d", stunden), i == 0 ? "0.5" : StringFormat("%d", minuten),
                        Text(rStrich, 1), Text(rStrich + kCm, 1), Text(t, 1), kleinste, Text(ct, 2),
                        Text(rStrich + kCm + ct, 2), Text(a, 1), anteil}));
    }
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(protokoll, {{"kleinste d", kleinste + " mm"}, {"atot", anteil + " %"}});
}

// An undisturbed sample of the clay with the grain density and the natural water content the
// laboratory measured, not quite saturated when built in and nearly so after the test. Each reading
// gives k at the test's temperature from the fall of the standpipe, k = a l / (A t) ln(h1 / h2),
// brought to 10 °C by the water's viscosity; the result is the mean of the printed values.
void FuelleDurchlaessigkeit(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const double kKorndichte = GemesseneKorndichte(kTon);
    constexpr double kRohr = 0.785, kLaenge = 12.00, kFlaeche = 78.54; // cm², cm, cm²
    constexpr int kMinuten = 30;
    const double wVorher = NatuerlicherWassergehalt();
    const double saettigung = 0.90 + 0.05 * Streuwert(nummer, 0, 95);
    const double trockendichte = kKorndichte / (1 + wVorher * kKorndichte / saettigung);
    const double dichte = Gerundet(trockendichte * (1 + wVorher), 3);
    const double trocken = dichte / (1 + wVorher);
    const double wSatt = (1 - trocken / kKorndichte) / trocken;
    std::vector<std::string> felder = {
        "ungestört (Stechzylinder)",
        "Triaxialzelle",
        "von unten nach oben",
        Text(kKorndichte, 3),
        Text(dichte, 3),
        Text(1 - trocken / kKorndichte, 3),
        Text(wVorher, 3),
        Text(wSatt * (0.97 + 0.02 * Streuwert(nummer, 0, 96)), 3),
        "300 kPa",
        "300 kPa",
        Unterwerte({"Standrohr 10 mm", Text(kRohr, 3), Text(kLaenge, 2), Text(kFlaeche, 2)})};
    const double k10 = (2.0 + 3.0 * Streuwert(nummer, 0, 91)) * 1e-8;
    std::vector<std::string> nr, kWerte;
    double summe = 0;
    // The water in the standpipe falls on from one reading to the next.
    double h1 = 1.200;
    for (int i = 0; i < 8; ++i) {
        const double t = Gerundet(18.5 + 1.5 * Streuwert(nummer, i, 92), 1);
        const double faktor = Zaehigkeit(t) / Zaehigkeit(10);
        const double kZiel = k10 * (1 + 0.15 * (Streuwert(nummer, i, 93) - 0.5));
        const double faktorFall = kRohr * kLaenge / (kFlaeche * kMinuten * 60);
        const double h2 = Gerundet(h1 * std::exp(-kZiel / faktor * 100 / faktorFall), 3);
        // m/s from cm/s
        const double k = faktor * faktorFall * std::log(h1 / h2) / 100;
        summe += k;
        kWerte.push_back(StringFormat("%.2E", k));
        felder.push_back(Unterwerte({std::to_string(kMinuten), "0", Text(h1, 3), Text(h2, 3),
                                     Text(t, 1), Text(faktor, 3), kWerte.back()}));
        h1 = h2;
        nr.push_back(StringFormat("%d", i + 1));
    }
    felder.resize(27);
    const std::string mittel = StringFormat("%.2E", summe / 8);
    felder.push_back(mittel);
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    protokoll.SetzeSpeziellGruppe(5, Felder({"0@1@2@3@4@5@6@7@8@9", "1E-9@1E-8@1E-7@1E-6",
                                             Unterwerte(nr), Unterwerte(kWerte), "0"}));
    SetzeEckdaten(protokoll, {{"k10", mittel + " m/s"}});
}

} // namespace muster
