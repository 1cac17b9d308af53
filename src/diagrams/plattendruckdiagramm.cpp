#include "diagrams/plattendruckdiagramm.h"

#include "data/textfunktionen.h"
#include "diagrams/diagrammbereich.h"
#include "diagrams/kurven.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"
#include "report/textkatalog.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Device units (0.01 mm).
constexpr int KreuzHalbeGroesse = 70;
constexpr int StrichLaenge = 160;
constexpr int LastBeschriftungHoeher = 260;
constexpr int SetzungBeschriftungLinks = 160;
constexpr int SetzungBeschriftungTiefer = 100;
constexpr int LastTitelHoeher = 700;
constexpr int SetzungTitelLinks = 900;
constexpr int SetzungTitelTiefer = 1950;
constexpr int Proben = 320;
// The unloading line never had more points than a fitted curve has samples.
constexpr int MaxEntlastungspunkte = 321;

const char* const Achsentitel = "DIA_ACHS_BESCHR_PLATTENDR";

// Rows of the chart data text.
constexpr int LastStriche = 0, SetzungStriche = 1;
constexpr int Erstbelastung = 2, Entlastung = 4, Zweitbelastung = 6;

// Load and settlement on the frame: the minimum of each axis on the left and the upper edge.
struct Achsen
{
    RECT rechteck;
    double xMin, xMax, yMin, yMax;
    double xFaktor, yFaktor;

    double X(double x) const { return rechteck.left + (x - xMin) * xFaktor; }
    double Y(double y) const { return rechteck.top + (y - yMin) * yFaktor; }
    bool ImBereich(double x, double y) const
    {
        return xMin <= x && x <= xMax && yMin <= y && y <= yMax;
    }
    // Only ticks that rise from first to last leave room for a point.
    bool Abbildbar() const
    {
        return xMin < xMax && yMin < yMax && std::isfinite(xFaktor) && std::isfinite(yFaktor) &&
               xFaktor != 0 && yFaktor != 0;
    }
};

struct Ast
{
    std::vector<double> x, y;
    int Anzahl() const { return static_cast<int>(x.size()); }
};

double Zahl(const CDruckDaten& tabelle, int zeile, int zelle)
{
    return StringZuDouble(tabelle.GetText(zeile, zelle));
}

int Zellen(const CDruckDaten& tabelle, int zeile)
{
    return StringZaehleFelder(tabelle.GetZeile(zeile), "@");
}

// An empty row is a branch that was not measured: it has no point, not one at the origin.
int Punkte(const CDruckDaten& tabelle, int zeile)
{
    return tabelle.GetZeile(zeile).empty() ? 0 : Zellen(tabelle, zeile);
}

Ast LeseAst(const CDruckDaten& tabelle, int zeileX, int anzahl)
{
    Ast ast;
    for (int i = 0; i < anzahl; ++i) {
        ast.x.push_back(Zahl(tabelle, zeileX, i));
        ast.y.push_back(Zahl(tabelle, zeileX + 1, i));
    }
    return ast;
}

Achsen LeseAchsen(const RECT& rechteck, const CDruckDaten& tabelle)
{
    Achsen achsen{rechteck, 0, 0, 0, 0, 0, 0};
    achsen.xMin = Zahl(tabelle, LastStriche, 0);
    achsen.xMax = Zahl(tabelle, LastStriche, Zellen(tabelle, LastStriche) - 1);
    achsen.yMin = Zahl(tabelle, SetzungStriche, 0);
    achsen.yMax = Zahl(tabelle, SetzungStriche, Zellen(tabelle, SetzungStriche) - 1);
    achsen.xFaktor =
        static_cast<double>(rechteck.right - rechteck.left) / (achsen.xMax - achsen.xMin);
    achsen.yFaktor =
        static_cast<double>(rechteck.bottom - rechteck.top) / (achsen.yMax - achsen.yMin);
    return achsen;
}

void ZeichneStrecke(CDC& dc, POINT von, POINT bis)
{
    dc.MoveTo(von);
    dc.LineTo(bis);
}

void ZeichneStrecke(CDC& dc, double x1, double y1, double x2, double y2)
{
    const auto von = ZuGeraetePunkt(x1, y1);
    const auto bis = ZuGeraetePunkt(x2, y2);
    if (von && bis)
        ZeichneStrecke(dc, *von, *bis);
}

// Tick positions in equal integer steps from anfang; a single tick stands at anfang.
std::vector<int> StrichPositionen(int anfang, int ende, int anzahl)
{
    const int schritt = anzahl > 1 ? (ende - anfang) / (anzahl - 1) : 0;
    std::vector<int> positionen;
    for (int i = 0; i < anzahl; ++i)
        positionen.push_back(anfang + i * schritt);
    return positionen;
}

void ZeichneRahmen(CDC& dc, const RECT& r)
{
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right, r.top);
    dc.LineTo(r.right, r.bottom);
    dc.LineTo(r.left, r.bottom);
    dc.LineTo(r.left, r.top);
}

void ZeichneAchsentitel(CDC& dc, const RECT& r, const CTextKatalog& katalog, const CFont& schrift,
                        const CFont& senkrechteSchrift)
{
    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.TextOut(r.right, r.top + LastTitelHoeher, katalog.HoleText(Achsentitel, 0));
    dc.SelectObject(senkrechteSchrift);
    dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
    dc.TextOut(r.left - SetzungTitelLinks, r.top - SetzungTitelTiefer,
               katalog.HoleText(Achsentitel, 1));
}

// Load ticks point up out of the frame, settlement ticks left; labels above and beside them.
void ZeichneStriche(CDC& dc, const RECT& r, const CDruckDaten& tabelle, const CFont& schrift)
{
    const std::vector<int> lasten = StrichPositionen(r.left, r.right, Zellen(tabelle, LastStriche));
    const std::vector<int> setzungen =
        StrichPositionen(r.top, r.bottom, Zellen(tabelle, SetzungStriche));
    for (int x : lasten)
        ZeichneStrecke(dc, {x, r.top}, {x, r.top + StrichLaenge});
    for (int y : setzungen)
        ZeichneStrecke(dc, {r.left, y}, {r.left - StrichLaenge, y});

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (std::size_t i = 0; i < lasten.size(); ++i)
        dc.TextOut(lasten[i], r.top + LastBeschriftungHoeher,
                   tabelle.GetText(LastStriche, static_cast<int>(i)));
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    for (std::size_t i = 0; i < setzungen.size(); ++i)
        dc.TextOut(r.left - SetzungBeschriftungLinks, setzungen[i] - SetzungBeschriftungTiefer,
                   tabelle.GetText(SetzungStriche, static_cast<int>(i)));
}

void ZeichneKreuz(CDC& dc, double p, double q)
{
    constexpr int s = KreuzHalbeGroesse;
    ZeichneStrecke(dc, p - s, q + s, p + s, q - s);
    ZeichneStrecke(dc, p + s, q + s, p - s, q - s);
}

// Crosses on the points von .. bis − 1 that lie within the tick ranges, bounds included.
void ZeichneKreuze(CDC& dc, const Achsen& achsen, const Ast& ast, int von, int bis)
{
    for (std::size_t i = static_cast<std::size_t>(std::max(von, 0));
         i < static_cast<std::size_t>(std::max(bis, 0)); ++i)
        if (achsen.ImBereich(ast.x[i], ast.y[i]))
            ZeichneKreuz(dc, achsen.X(ast.x[i]), achsen.Y(ast.y[i]));
}

// The polyline of the first n points, cut at the tick ranges.
void ZeichneGeschnitten(CDC& dc, const Achsen& achsen, const std::vector<double>& x,
                        const std::vector<double>& y, int n)
{
    std::vector<double> x1, y1, x2, y2;
    const int stuecke = ClippePolylinie(achsen.xMin, achsen.xMax, achsen.yMin, achsen.yMax, x, y, n,
                                        x1, y1, x2, y2);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(stuecke); ++k)
        ZeichneStrecke(dc, achsen.X(x1[k]), achsen.Y(y1[k]), achsen.X(x2[k]), achsen.Y(y2[k]));
}

// The least-squares parabola of the branch, sampled from load 0 to the load of its last point.
// A branch with fewer than three distinct loads has no parabola and shows its points only.
void ZeichneParabel(CDC& dc, const Achsen& achsen, const Ast& ast)
{
    double a = 0, b = 0, c = 0;
    if (ast.Anzahl() == 0 || !AusgleichsParabel(ast.x, ast.y, 0, ast.Anzahl(), a, b, c))
        return;
    const double xLetzter = ast.x.back();
    std::vector<double> x(Proben), y(Proben);
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = xLetzter * static_cast<double>(i) / Proben;
        y[i] = a + b * x[i] + c * x[i] * x[i];
    }
    ZeichneGeschnitten(dc, achsen, x, y, Proben);
}

void ZeichneAeste(CDC& dc, const Achsen& achsen, const CDruckDaten& tabelle,
                  const CPen& rahmenStift, const CPen& punktStift)
{
    // The first loading starts at the origin, which takes part in the fit but gets no cross.
    const int k1 = Zellen(tabelle, Erstbelastung);
    Ast erst = LeseAst(tabelle, Erstbelastung, k1);
    erst.x.insert(erst.x.begin(), 0.0);
    erst.y.insert(erst.y.begin(), 0.0);
    dc.SelectObject(rahmenStift);
    ZeichneKreuze(dc, achsen, erst, 1, erst.Anzahl());
    ZeichneParabel(dc, achsen, erst);

    // Later branches are read no further than the first loading reaches.
    const Ast zweit =
        LeseAst(tabelle, Zweitbelastung, std::min(Punkte(tabelle, Zweitbelastung), k1 + 1));
    dc.SelectObject(rahmenStift);
    ZeichneKreuze(dc, achsen, zweit, 0, zweit.Anzahl());
    ZeichneParabel(dc, achsen, zweit);

    // Unloading: its ends are the top of the first and the start of the second loading, so only
    // the inner points are marked; the points are joined as measured.
    const Ast ent = LeseAst(tabelle, Entlastung,
                            std::min({Punkte(tabelle, Entlastung), k1 + 1, MaxEntlastungspunkte}));
    dc.SelectObject(rahmenStift);
    ZeichneKreuze(dc, achsen, ent, 1, ent.Anzahl() - 1);
    dc.SelectObject(punktStift);
    ZeichneGeschnitten(dc, achsen, ent.x, ent.y, ent.Anzahl());
}

} // namespace

void ZeichnePlattendruckDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                 const CTextKatalog& katalog, const CPen& rahmenStift,
                                 const CPen& punktStift, const CFont& schrift,
                                 const CFont& senkrechteSchrift)
{
    const CDruckDaten tabelle(daten);
    dc.SelectObject(rahmenStift);
    ZeichneRahmen(dc, rechteck);
    ZeichneAchsentitel(dc, rechteck, katalog, schrift, senkrechteSchrift);
    ZeichneStriche(dc, rechteck, tabelle, schrift);

    if (!PruefePlattendruckAst(daten, 0))
        return;
    // Without a range on both axes no point can be placed.
    const Achsen achsen = LeseAchsen(rechteck, tabelle);
    if (achsen.Abbildbar())
        ZeichneAeste(dc, achsen, tabelle, rahmenStift, punktStift);
}
