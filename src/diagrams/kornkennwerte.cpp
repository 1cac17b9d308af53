#include "diagrams/kornkennwerte.h"

#include "data/textfunktionen.h"
#include "diagrams/kurven.h"
#include "diagrams/sieblinie.h"
#include "platform/text.h"
#include "report/druckdaten.h"

#include <cmath>

namespace {

struct DWert
{
    double prozent;
    double CKornKennwerte::*wert;
};

constexpr DWert DWerte[] = {
    {10, &CKornKennwerte::d10}, {15, &CKornKennwerte::d15}, {17, &CKornKennwerte::d17},
    {30, &CKornKennwerte::d30}, {50, &CKornKennwerte::d50}, {60, &CKornKennwerte::d60},
    {85, &CKornKennwerte::d85},
};

struct Durchgang
{
    double groesse; // mm
    double CKornKennwerte::*wert;
};

constexpr Durchgang Durchgaenge[] = {
    {0.002, &CKornKennwerte::durchgang0002}, {0.01, &CKornKennwerte::durchgang001},
    {0.063, &CKornKennwerte::durchgang0063}, {0.2, &CKornKennwerte::durchgang02},
    {2, &CKornKennwerte::durchgang2},        {63, &CKornKennwerte::durchgang63},
};

constexpr int Stuetzstellen = 320;
constexpr int SplineTeiler = 15;
// The walks stop where a spline overshoot passes 100 %.
constexpr double Obergrenze = 100.001;
constexpr double OhneFeinanteil = -9999.9;

// Walks the segments of the sampled curve whose start the predicate accepts.
template <typename Pruefung>
void WerteKurveAus(CSieblinie& kurve, CKornKennwerte& werte, Pruefung nimmStart)
{
    if (!SplineSieblinie(kurve.xWerte, kurve.yWerte, 0, kurve.anzahl, Stuetzstellen, SplineTeiler,
                         kurve.xKurve, kurve.yKurve))
        return;
    // Only the first samples are the curve's; the last one has an x but no passing value.
    const auto& x = kurve.xKurve;
    const auto& p = kurve.yKurve;
    for (std::size_t i = 1; i < Stuetzstellen && p[i] < Obergrenze; ++i)
        if (nimmStart(x[i - 1]))
            werte.BerechneKornKennwerteAbschnitt(x[i - 1], x[i], p[i - 1], p[i]);
}

} // namespace

void CKornKennwerte::BerechneKornKennwerteAbschnitt(double x1, double x2, double p1, double p2)
{
    const double d1 = std::pow(10.0, x1), d2 = std::pow(10.0, x2);
    for (const DWert& d : DWerte) {
        if (p1 <= d.prozent && d.prozent <= p2) {
            this->*d.wert = d2 - (d2 - d1) * (p2 - d.prozent) / (p2 - p1 + 0.00001);
            break;
        }
    }
    for (const Durchgang& g : Durchgaenge) {
        const double xl = std::log10(g.groesse);
        if (x1 <= xl && xl < x2)
            this->*g.wert = p2 - (x2 - xl) * (p2 - p1) / (x2 - x1);
    }
}

void CKornKennwerte::BerechneKornFraktionen()
{
    tonanteil = schluffanteil = sandanteil = kiesanteil = -1;
    if (durchgang0002 > 0)
        tonanteil = durchgang0002;
    if (durchgang0063 > 0 && durchgang0002 > 0)
        schluffanteil = durchgang0063 - durchgang0002;
    if (durchgang0063 > 0)
        sandanteil = (durchgang2 > 0 ? durchgang2 : 100) - durchgang0063;
    if (durchgang2 > 0)
        kiesanteil = (durchgang63 > durchgang2 ? durchgang63 : 100) - durchgang2;
    kennzahl = -1;
    if (durchgang02 > 0 && durchgang001 > 0 && durchgang0002 > 0)
        kennzahl = (durchgang001 - durchgang0002) / 5 + durchgang0002 / 7 +
                   (durchgang02 - durchgang001) / 3 +
                   (100 - durchgang02 - durchgang001 - durchgang0002) / 2.5;
}

void WerteKornverteilungAus(const std::string& daten, CKornKennwerte& werte)
{
    const CDruckDaten tabelle(daten);
    const bool mitFeinanteil = StringZaehleFelder(tabelle.GetZeile(10), "@") > 1;

    CSieblinie sieblinie;
    sieblinie.LeseAusListen(tabelle.GetZeile(2), tabelle.GetZeile(3), !mitFeinanteil);
    std::string groessen, durchgang;
    DreheSiebReihenfolge(tabelle, groessen, durchgang);
    CSieblinie feinlinie;
    feinlinie.LeseAusListen(groessen, durchgang, false);
    // The fine fraction's largest size divides the two curves.
    const double grenze =
        mitFeinanteil && feinlinie.anzahl > 0 ? feinlinie.letzteX : OhneFeinanteil;

    werte.InitKornKennwerte();
    WerteKurveAus(sieblinie, werte, [&](double x) { return grenze <= x; });
    if (mitFeinanteil)
        WerteKurveAus(feinlinie, werte, [&](double x) { return x < grenze; });

    if (werte.durchgang63 > 0)
        werte.steinanteil = 100 - werte.durchgang63;
    if (werte.d10 > 0 && werte.d60 > 0) {
        werte.ungleichfoermigkeit = werte.d60 / werte.d10;
        // Without d30 there is no curvature.
        if (werte.d30 > 0)
            werte.kruemmung = werte.d30 * werte.d30 / werte.d60 / werte.d10;
        werte.beiwertD10U =
            std::pow(werte.ungleichfoermigkeit, -0.201) * 0.0116 * werte.d10 * werte.d10 * 0.8;
    }
    if (werte.d10 > 0)
        werte.beiwertD10 = 0.0116 * werte.d10 * werte.d10;
    // Clay and fine silt estimated from the passing at 0.2 mm where the curve does not reach them.
    if (werte.durchgang02 > 0) {
        if (werte.durchgang0002 < 0)
            werte.durchgang0002 = werte.durchgang02 / 5;
        if (werte.durchgang001 < 0)
            werte.durchgang001 = werte.durchgang02 * 0.5;
    }
    werte.BerechneKornFraktionen();
}

namespace {

const char* const NichtAnwendbar = "nicht anwendbar";

} // namespace

std::string PruefeWasserzugabe(double a, double b, const std::string& wassergehalt,
                               const std::string& temperatur, const std::string& weitererWert,
                               double c)
{
    if (a < 1)
        return "";
    if (wassergehalt.empty())
        return "Wnat?";
    const double w = StringZuDouble(wassergehalt);
    const double v = StringZuDouble(weitererWert);
    const double t = temperatur.empty() ? 15 : StringZuDouble(temperatur);
    if (t < 0)
        return "zu kalt!";
    const double wGesamt = w + 0.001 * v / a;
    if (wGesamt <= b)
        return "Wasserzugabe!";

    const double e = 0.001 * w * t;
    const auto rechts = [&](double h) { return b - 0.0004 * h * h + 0.015 * h; };
    const auto links = [&](double h) {
        return wGesamt - c * (e + 0.009 * w * h * h + 0.003 * a * h);
    };
    // In steps of 0.1 up to 25, then of 0.01 across the step found.
    for (int i = 0; i <= 250; ++i) {
        const double grob = i * 0.1;
        if (!(rechts(grob) > links(grob)))
            continue;
        for (int k = 0; k <= 100; ++k) {
            const double h = grob - 0.1 + k / 100.0;
            if (links(h) < rechts(h))
                return StringFormat("%.2f", h);
        }
        return NichtAnwendbar;
    }
    return NichtAnwendbar;
}
