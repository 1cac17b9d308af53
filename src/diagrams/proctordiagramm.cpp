#include "diagrams/proctordiagramm.h"

#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "diagrams/kurven.h"
#include "diagrams/marker.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"
#include "report/textkatalog.h"

#include <vector>

namespace {

// Device units (0.01 mm).
constexpr int StrichLaenge = 160;
constexpr int XBeschriftungAbstand = 460;
constexpr int YBeschriftungTiefer = 100;
constexpr int XAchsentitelAbstand = 900;
constexpr int YAchsentitelAbstand = 900;
constexpr int YAchsentitelTiefer = 2400;
constexpr int KurvenMarkerGroesse = 100;
constexpr int ZusatzMarkerGroesse = 70;
// Spline divisor, and the shift that keeps equal water contents apart for the spline.
constexpr int SplineTeiler = 6;
constexpr double GleichesXAbstand = 0.02;

const char* const Achsentitel = "DIA_ACHS_BESCHR_PROCTOR";

// Tick positions from anfang in equal integer steps; the last may fall short of ende.
std::vector<int> StrichPositionen(int anfang, int ende, int letzter)
{
    const int schritt = (ende - anfang) / letzter;
    std::vector<int> positionen;
    for (int i = 0; i <= letzter; ++i)
        positionen.push_back(anfang + schritt * i);
    return positionen;
}

void ZeichneStrecke(CDC& dc, POINT von, POINT bis)
{
    dc.MoveTo(von);
    dc.LineTo(bis);
}

struct Punktliste
{
    std::vector<double> x, y;
};

// The first n cells of two rows, and one entry more, which the spline reads and replaces by its
// extrapolated end knot.
Punktliste LesePunkte(const CDruckDaten& tabelle, int zeileX, int zeileY, int n)
{
    Punktliste punkte;
    for (int i = 0; i < n; ++i) {
        punkte.x.push_back(StringZuDouble(tabelle.GetText(zeileX, i)));
        punkte.y.push_back(StringZuDouble(tabelle.GetText(zeileY, i)));
    }
    punkte.x.push_back(0.0);
    punkte.y.push_back(0.0);
    return punkte;
}

// Equal neighbouring water contents would give the spline an interval of zero width.
void TrenneGleicheNachbarn(std::vector<double>& x, int n)
{
    for (std::size_t i = 1; i < static_cast<std::size_t>(n); ++i)
        if (x[i] == x[i - 1])
            x[i] = x[i] + GleichesXAbstand;
}

// Points on the water-content bounds get no marker, points on the density bounds do.
bool MarkerImBereich(const CDiagrammBereich& bereich, double x, double y)
{
    return bereich.xMin < x && x < bereich.xMax && bereich.yMin <= y && y <= bereich.yMax;
}

void ZeichnePunkte(CDC& dc, const RECT& rechteck, const CDiagrammBereich& bereich,
                   const Punktliste& punkte, int n, int typ, COLORREF farbe, int halbeGroesse)
{
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        if (!MarkerImBereich(bereich, punkte.x[i], punkte.y[i]))
            continue;
        if (const auto p = bereich.GeraetePunkt(rechteck, punkte.x[i], punkte.y[i]))
            ZeichneMarker(dc, typ, farbe, p->x, p->y, halbeGroesse);
    }
}

// The polyline of the first n points, cut at the range.
void ZeichneGeschnitten(CDC& dc, const RECT& rechteck, const CDiagrammBereich& bereich,
                        const std::vector<double>& x, const std::vector<double>& y, int n)
{
    std::vector<double> x1, y1, x2, y2;
    const int stuecke = ClippePolylinie(bereich.xMin, bereich.xMax, bereich.yMin, bereich.yMax, x,
                                        y, n, x1, y1, x2, y2);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(stuecke); ++k) {
        const auto von = bereich.GeraetePunkt(rechteck, x1[k], y1[k]);
        const auto bis = bereich.GeraetePunkt(rechteck, x2[k], y2[k]);
        if (von && bis)
            ZeichneStrecke(dc, *von, *bis);
    }
}

void ZeichneSpline(CDC& dc, const RECT& rechteck, const CDiagrammBereich& bereich,
                   const Punktliste& punkte, int n)
{
    std::vector<double> xKurve, yKurve;
    if (SplineProctorKurve(punkte.x, punkte.y, 0, n, bereich.anzahlStuetzstellen, SplineTeiler,
                           xKurve, yKurve))
        ZeichneGeschnitten(dc, rechteck, bereich, xKurve, yKurve, bereich.anzahlStuetzstellen);
}

} // namespace

bool ZeichneProctorRahmen(CDC& dc, const RECT& rechteck, const std::string& daten,
                          const CTextKatalog& katalog, const CPen& rahmenStift,
                          const CPen& gitterStift, const CFont& schrift,
                          const CFont& senkrechteSchrift, bool xRoh, CDiagrammBereich& bereich)
{
    if (!LeseDiagrammBereich(rechteck, daten, bereich))
        return false;
    const CDruckDaten tabelle(daten);
    const int links = rechteck.left, oben = rechteck.top;
    const int rechts = rechteck.right, unten = rechteck.bottom;

    dc.SelectObject(rahmenStift);
    dc.MoveTo(links, oben);
    dc.LineTo(rechts, oben);
    dc.LineTo(rechts, unten);
    dc.LineTo(links, unten);
    dc.LineTo(links, oben);

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.TextOut(rechts, unten - XAchsentitelAbstand,
               g_pfade.FormatiereAnteil(katalog.HoleText(Achsentitel, 1)));
    dc.SelectObject(senkrechteSchrift);
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc.TextOut(links - YAchsentitelAbstand, oben - YAchsentitelTiefer,
               katalog.HoleText(Achsentitel, 0));

    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    const std::vector<int> xStriche = StrichPositionen(links, rechts, bereich.letzterXStrich);
    const std::vector<int> yStriche = StrichPositionen(oben, unten, bereich.letzterYStrich);
    const int x0 = xStriche.front();
    for (int x : xStriche)
        ZeichneStrecke(dc, {x, unten}, {x, unten - StrichLaenge});
    for (int y : yStriche)
        ZeichneStrecke(dc, {x0, y}, {x0 - StrichLaenge, y});

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    for (std::size_t i = 0; i < xStriche.size(); ++i) {
        const std::string wert = tabelle.GetText(0, static_cast<int>(i));
        dc.TextOut(xStriche[i], unten - XBeschriftungAbstand,
                   xRoh ? wert : g_pfade.FormatiereAnteil(wert));
    }
    // The top tick carries the last value of row 1.
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    for (std::size_t i = 0; i < yStriche.size(); ++i)
        dc.TextOut(x0 - StrichLaenge, yStriche[i] - YBeschriftungTiefer,
                   tabelle.GetText(1, bereich.letzterYStrich - static_cast<int>(i)));

    // Inner grid lines only: none over the frame.
    dc.SelectObject(gitterStift);
    for (std::size_t i = 1; i + 1 < xStriche.size(); ++i)
        ZeichneStrecke(dc, {xStriche[i], yStriche.front()}, {xStriche[i], yStriche.back()});
    for (std::size_t i = 1; i + 1 < yStriche.size(); ++i)
        ZeichneStrecke(dc, {x0, yStriche[i]}, {xStriche.back(), yStriche[i]});
    return true;
}

void ZeichneProctorKurve(CDC& dc, const RECT& rechteck, const CPen& stift, COLORREF farbe,
                         int markerTyp, const std::string& daten, const CDiagrammBereich& bereich)
{
    // Without a range on both axes no point can be placed.
    if (!bereich.IstAbbildbar())
        return;
    const CDruckDaten tabelle(daten);
    const int n = bereich.anzahlReihe2;
    Punktliste kurve = LesePunkte(tabelle, 2, 3, n);
    const Punktliste markiert = LesePunkte(tabelle, 4, 5, n);
    TrenneGleicheNachbarn(kurve.x, n);

    dc.SelectObject(stift);
    ZeichnePunkte(dc, rechteck, bereich, markiert, n, markerTyp, farbe, ZusatzMarkerGroesse);
    ZeichnePunkte(dc, rechteck, bereich, kurve, n, markerTyp, farbe, KurvenMarkerGroesse);
    if (n == 2)
        ZeichneGeschnitten(dc, rechteck, bereich, kurve.x, kurve.y, 2);
    else if (n > 2)
        ZeichneSpline(dc, rechteck, bereich, kurve, n);

    const int c = bereich.anzahlReihe6;
    if (c > 2) {
        dc.SelectObject(stift);
        ZeichneSpline(dc, rechteck, bereich, LesePunkte(tabelle, 6, 7, c), c);
    }
}

void ZeichneProctorDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                            const CTextKatalog& katalog, const CPen& rahmenStift, COLORREF farbe,
                            const CPen& gitterStift, const CFont& schrift,
                            const CFont& senkrechteSchrift, bool xRoh)
{
    CDiagrammBereich bereich;
    if (ZeichneProctorRahmen(dc, rechteck, daten, katalog, rahmenStift, gitterStift, schrift,
                             senkrechteSchrift, xRoh, bereich))
        ZeichneProctorKurve(dc, rechteck, rahmenStift, farbe, MARKER_KREUZ, daten, bereich);
}
