#include "diagrams/fliessgrenzendiagramm.h"

#include "diagrams/kurven.h"
#include "diagrams/zustandsgrenzenhilfen.h"
#include "report/textkatalog.h"

#include <cmath>
#include <vector>

using namespace zustandsgrenzen;

namespace {

// Device units (0.01 mm).
constexpr int XAchsentitelHoeher = 150;
constexpr int YAchsentitelLinks = 750;
constexpr int YAchsentitelTiefer = 1700;
constexpr int KreuzHalbeGroesse = 50;
constexpr int WertLinks = 250;
constexpr int WertHoeher = 500;
constexpr int BarBeschriftungTiefer = 800;
constexpr int BandUeberRahmen = 20;
constexpr int GrenzlinieUeberRahmen = 160;
constexpr int NamenHoeher = 250;
constexpr int IpTiefer = 100;
constexpr int FehlerHoeher = 200;

// Below four points the sibling program stores no flow line.
constexpr int PunkteFuerFliesslinie = 4;
constexpr double AbleseSchlagzahl = 25;
// A blow count of 0 stands for 0.01 blows, so that it has a logarithm.
constexpr double NullSchlaege = 0.01;
const COLORREF BandGrau = RGB(180, 180, 180);

const char* const TitelFliessgrenze = "DIA_ACHS_BESCHR_ZUST_1_WL";
const char* const TitelAusrollgrenze = "DIA_ACHS_BESCHR_ZUST_2_WP";

double LogSchlaege(double schlaege)
{
    return std::log10(schlaege == 0 ? NullSchlaege : schlaege);
}

// Blow counts on a log10 axis, water contents linear.
struct Fliessachsen
{
    double links, unten;
    double xMin, xMax, yMin, yMax;
    double xs, ys;

    double X(double logSchlaege) const { return links + (logSchlaege - xMin) * xs; }
    double Y(double w) const { return unten - (w - yMin) * ys; }
};

Fliessachsen LeseFliessachsen(const CDruckDaten& tabelle, const RECT& r)
{
    Fliessachsen a{};
    a.links = r.left;
    a.unten = r.bottom;
    a.xMin = LogSchlaege(Zahl(tabelle, 0, 0));
    a.xMax = std::log10(Zahl(tabelle, 0, Zellen(tabelle, 0) - 1));
    a.yMin = Zahl(tabelle, 1, 0);
    a.yMax = Zahl(tabelle, 1, Zellen(tabelle, 1) - 1);
    a.xs = (r.right - r.left) / (a.xMax - a.xMin);
    a.ys = (r.bottom - r.top) / (a.yMax - a.yMin);
    return a;
}

void ZeichneKreuz(CDC& dc, double x, double y)
{
    const int s = KreuzHalbeGroesse;
    Strecke(dc, x - s, y + s, x + s, y - s);
    Strecke(dc, x + s, y + s, x - s, y - s);
}

// Points on the blow-count bounds get no cross, points on the water-content bounds do.
void ZeichnePunkte(CDC& dc, const CDruckDaten& tabelle, const Fliessachsen& a)
{
    const int anzahl = Zellen(tabelle, 2);
    for (int i = 0; i < anzahl; ++i) {
        const double logB = LogSchlaege(Zahl(tabelle, 2, i));
        const double w = Zahl(tabelle, 3, i);
        if (a.yMin <= w && w <= a.yMax && a.xMin < logB && logB < a.xMax)
            ZeichneKreuz(dc, a.X(logB), a.Y(w));
    }
}

// The straight line between the two stored ends, cut at the axes. An end without a logarithm
// (no blows) gives no line.
void ZeichneFliesslinie(CDC& dc, const CDruckDaten& tabelle, const Fliessachsen& a)
{
    const double b1 = Zahl(tabelle, 4, 0), b2 = Zahl(tabelle, 4, 2);
    if (!(b1 > 0 && b2 > 0))
        return;
    const std::vector<double> x{std::log10(b1), std::log10(b2)};
    const std::vector<double> y{Zahl(tabelle, 4, 1), Zahl(tabelle, 4, 3)};
    std::vector<double> x1, y1, x2, y2;
    const int stuecke = ClippePolylinie(a.xMin, a.xMax, a.yMin, a.yMax, x, y, 2, x1, y1, x2, y2);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(stuecke); ++k)
        Strecke(dc, a.X(x1[k]), a.Y(y1[k]), a.X(x2[k]), a.Y(y2[k]));
}

} // namespace

void ZeichneFliessgrenzenDiagramm(CDC& dc, RECT r, const std::string& daten,
                                  const CTextKatalog& katalog, const CPen& stift,
                                  const CPen& punktStift, const CFont& schrift,
                                  const CFont& senkrechteSchrift, bool unformatiert)
{
    const CDruckDaten tabelle(daten);
    dc.SetBkMode(TRANSPARENT);
    const int yStriche = Zellen(tabelle, 1);
    if (yStriche < 2)
        return;
    const Fliessachsen a = LeseFliessachsen(tabelle, r);

    ZeichneRahmen(dc, r, stift);
    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.TextOut(r.right, r.top + XAchsentitelHoeher, katalog.HoleText(TitelFliessgrenze, 0));
    dc.SelectObject(senkrechteSchrift);
    dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
    dc.TextOut(r.left - YAchsentitelLinks, r.top - YAchsentitelTiefer,
               Anteil(katalog.HoleText(TitelFliessgrenze, 1), unformatiert));

    // A tick of 0 blows has no logarithm and stands on the left edge.
    const auto xStriche = XStriche(tabelle, 0, r.left,
                                   [&](double v) { return v == 0 ? a.links : a.X(std::log10(v)); });
    ZeichneXStriche(dc, xStriche, r.bottom);
    // The water-content ticks are equally spaced from the upper edge, whatever their values.
    const int x0 = r.left;
    const int schritt = (r.bottom - r.top) / (yStriche - 1);
    for (int j = 0; j < yStriche; ++j)
        Strecke(dc, x0, r.top + j * schritt, x0 - StrichLaenge, r.top + j * schritt);

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (std::size_t i = 0; i < xStriche.size(); ++i)
        if (xStriche[i])
            dc.TextOut(*xStriche[i], r.bottom - XBeschriftungAbstand,
                       tabelle.GetText(0, static_cast<int>(i)));
    // The upper edge carries the last water content.
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    for (int j = 0; j < yStriche; ++j)
        dc.TextOut(x0 - StrichLaenge, r.top + j * schritt - YBeschriftungTiefer,
                   Anteil(tabelle.GetText(1, yStriche - 1 - j), unformatiert));

    ZeichnePunkte(dc, tabelle, a);
    if (Zellen(tabelle, 2) >= PunkteFuerFliesslinie)
        ZeichneFliesslinie(dc, tabelle, a);

    // The reading at 25 blows: the vertical always, the dotted line only between the ticks.
    const double x25 = a.X(std::log10(AbleseSchlagzahl));
    Strecke(dc, x25, r.bottom, x25, r.top);
    const auto yw = ZuGeraeteInt(a.Y(StringZuDouble(tabelle.GetZeile(5))));
    if (yw && r.top + (yStriche - 1) * schritt < *yw && *yw < r.top) {
        dc.SelectObject(punktStift);
        Strecke(dc, x25, *yw, r.left, *yw);
    }

    dc.TextOut(r.left + WertLinks, r.top + WertHoeher,
               "wl = " + AnteilMitEinheit(tabelle.GetText(5, 0), unformatiert));
    dc.SelectObject(stift);
}

void ZeichneAusrollgrenzenDiagramm(CDC& dc, RECT r, const std::string& daten,
                                   const CTextKatalog& katalog, const CPen& stift, const CPen&,
                                   const CFont& schrift, const CFont&, bool unformatiert)
{
    const CDruckDaten tabelle(daten);
    dc.SetBkMode(TRANSPARENT);
    const int anzahl = Zellen(tabelle, 7);
    const double xMin = Zahl(tabelle, 7, 0);
    const double xMax = Zahl(tabelle, 7, anzahl - 1);
    const double xs = (r.right - r.left) / (xMax - xMin);
    // Tick values and wp, wl on one percent scale.
    const auto X = [&](double prozent) { return r.left + (prozent - xMin) * xs; };

    ZeichneRahmen(dc, r, stift);
    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.TextOut(r.right, r.bottom - BarBeschriftungTiefer,
               Anteil(katalog.HoleText(TitelAusrollgrenze, 0), unformatiert));

    const auto striche =
        XStriche(tabelle, 7, r.left, [&](double v) { return v == 0 ? r.left : X(v); });
    ZeichneXStriche(dc, striche, r.bottom);
    // Percent ticks are labelled as fractions; the last tick has no label.
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (int i = 0; i + 1 < anzahl; ++i)
        if (const auto& x = striche[static_cast<std::size_t>(i)])
            dc.TextOut(
                *x, r.bottom - XBeschriftungAbstand,
                Anteil(StringAusDoubleMitNachkomma(Zahl(tabelle, 7, i) / 100, 1), unformatiert));

    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    // wp and wl are fractions; placed from the axis minimum like the ticks.
    const double wpX = X(100 * Zahl(tabelle, 8, 0));
    const double wlX = X(100 * Zahl(tabelle, 9, 0));
    const auto xA = ZuGeraeteInt(wpX);
    const auto xB = ZuGeraeteInt(wlX);
    const auto& x0 = striche.front();
    const auto& xLetzter = striche.back();
    if (!(xA && xB && x0 && xLetzter && *xA < *xB && *x0 <= *xA && *xB <= *xLetzter)) {
        dc.TextOut((r.right + r.left) / 2, r.top + FehlerHoeher, "Eingabefehler: wp > wl");
        return;
    }

    const CPen grauerStift(PS_SOLID, 0, BandGrau);
    const CBrush grauerPinsel(BandGrau);
    const CPen alterStift = dc.SelectObject(grauerStift);
    const CBrush alterPinsel = dc.SelectObject(grauerPinsel);
    dc.Rectangle(*xA, r.top - BandUeberRahmen, *xB, r.bottom);
    dc.SelectObject(alterStift);
    dc.SelectObject(alterPinsel);

    dc.SelectObject(stift);
    Strecke(dc, *xA, r.top + GrenzlinieUeberRahmen, *xA, r.bottom);
    Strecke(dc, *xB, r.top + GrenzlinieUeberRahmen, *xB, r.bottom);
    dc.SetTextAlign(TA_BASELINE | TA_LEFT);
    dc.TextOut(*x0, r.top + WertHoeher,
               "wp = " + AnteilMitEinheit(tabelle.GetText(8, 0), unformatiert));
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.TextOut(*xLetzter, r.top + WertHoeher,
               "Ip = " + AnteilMitEinheit(tabelle.GetText(10, 0), unformatiert));
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    dc.TextOut(*xA, r.top + NamenHoeher, "wp");
    dc.TextOut(*xB, r.top + NamenHoeher, "wl");
    Text(dc, (wpX + wlX) * 0.5, (r.bottom + r.top) / 2 - IpTiefer, "Ip");
}
