#include "diagrams/kornverteilungsdiagramm.h"

#include "data/textfunktionen.h"
#include "diagrams/kurven.h"
#include "diagrams/marker.h"
#include "diagrams/sieblinie.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"
#include "report/textkatalog.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Device units (0.01 mm).
constexpr int StrichLaenge = 160;
constexpr int XBeschriftungAbstand = 460;
constexpr int YBeschriftungTiefer = 100;
constexpr int AchsentitelAbstand = 900;
constexpr int YAchsentitelTiefer = 2500;
constexpr int BandUeberRahmen = 220;
constexpr int BandHoehe = 1300;
constexpr int BandZeile = 433;
constexpr int BandSchriftHoeher = 108;
constexpr int PlotUnterBand = 220;
constexpr int MarkerVersatz = 15;
constexpr int DreieckHalbeBreite = 100;
constexpr int DreieckHoehe = 150;
constexpr int SplineTeiler = 15;
constexpr double KeineObereGrenze = 99999.9;
constexpr double LegendenDurchgang = 15;

const char* const Achsentitel = "DIA_ACHS_BESCHR_KORNVERT";

// The sizes of the class band, which also serve as ticks when the band is shown.
const std::vector<double> Bandgroessen = {0.001, 0.002, 0.006, 0.02, 0.06, 0.2,
                                          0.6,   2,     6.3,   20,   63,   200};
const char* const Bandbeschriftung[] = {"0.001", "0.002", "0.006", "0.02", "0.06", "0.2",
                                        "0.6",   "2",     "6.3",   "20",   "63",   "200"};

int Zellen(const CDruckDaten& tabelle, int zeile)
{
    return StringZaehleFelder(tabelle.GetZeile(zeile), "@");
}

double Zahl(const CDruckDaten& tabelle, int zeile, int spalte)
{
    return StringZuDouble(tabelle.GetText(zeile, spalte));
}

void ZeichneStrecke(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// Device x of a size in mm; nothing where the size has no logarithm or the range no scale.
std::optional<int> GroesseX(const CDiagrammBereich& bereich, const RECT& plot, double groesse)
{
    return ZuGeraeteInt(plot.left + (std::log10(groesse) - bereich.xMin) * bereich.xFaktor);
}

// Device point of a value pair (log10 mm, %), moved by whole device units before truncation.
std::optional<POINT> Versetzt(const CDiagrammBereich& bereich, const RECT& plot, double x, double y,
                              int dx, int dy)
{
    return ZuGeraetePunkt(plot.left + (x - bereich.xMin) * bereich.xFaktor + dx,
                          plot.bottom - (y - bereich.yMin) * bereich.yFaktor + dy);
}

// ---- Class band ---------------------------------------------------------------------------------

struct Bandzeile
{
    int linieY;                  // its lower line
    int striche, strichOben;     // vertical lines at the first `striche` sizes, from here
    std::vector<double> grenzen; // the names stand centred between consecutive sizes
    std::vector<const char*> namen;
};

void ZeichneBandzeile(CDC& dc, const CDiagrammBereich& bereich, const RECT& plot,
                      const Bandzeile& zeile, int unten)
{
    ZeichneStrecke(dc, plot.left, zeile.linieY, plot.right, zeile.linieY);
    for (int k = 0; k < zeile.striche; ++k)
        if (const auto x = GroesseX(bereich, plot, zeile.grenzen[static_cast<std::size_t>(k)]))
            ZeichneStrecke(dc, *x, zeile.strichOben, *x, unten);
    for (std::size_t k = 0; k < zeile.namen.size(); ++k) {
        const auto links = GroesseX(bereich, plot, zeile.grenzen[k]);
        const auto rechts = GroesseX(bereich, plot, zeile.grenzen[k + 1]);
        if (!links || !rechts || !*zeile.namen[k])
            continue;
        // Halved toward zero; far-apart positions of a strange range must not overflow.
        const long long mitte = *links + (static_cast<long long>(*rechts) - *links) / 2;
        dc.TextOut(static_cast<int>(mitte), zeile.linieY + BandSchriftHoeher, zeile.namen[k]);
    }
}

// Clay, silt, sand, gravel and stones above the chart, in three rows; moves the plot's top down
// below the band.
void ZeichneKlassenband(CDC& dc, const CFont& schrift, CDiagrammBereich& bereich, RECT& plot)
{
    const int oben = plot.top + BandUeberRahmen;
    const int unten = oben - BandHoehe;
    const int mitte = static_cast<int>(oben - BandHoehe * 2.0 / 3.0);
    ZeichneStrecke(dc, plot.left, oben, plot.right, oben);
    dc.LineTo(plot.right, unten);
    dc.LineTo(plot.left, unten);
    dc.LineTo(plot.left, oben);

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    // Vertical lines run through the rows below their own; the last row has none at 63 mm.
    const Bandzeile zeilen[] = {
        {oben - BandZeile, 2, oben, {0.001, 0.06, 200}, {"Schlämmkorn", "Siebkorn"}},
        {mitte,
         5,
         oben - BandZeile,
         {0.001, 0.002, 0.06, 2, 63, 200},
         {"Ton", "Schluffkorn", "Sandkorn", "Kieskorn", "Steine"}},
        {unten,
         10,
         mitte,
         {0.001, 0.002, 0.006, 0.02, 0.06, 0.2, 0.6, 2, 6.3, 20, 63},
         {"", "Fein", "Mittel", "Grob", "Fein", "Mittel", "Grob", "Fein", "Mittel", "Grob"}},
    };
    for (const Bandzeile& zeile : zeilen)
        ZeichneBandzeile(dc, bereich, plot, zeile, unten);

    plot.top = oben - BandHoehe - PlotUnterBand;
    bereich.yFaktor = static_cast<double>(plot.bottom - plot.top) / (bereich.yMax - bereich.yMin);
}

// ---- Frame ----------------------------------------------------------------------------------

struct Striche
{
    std::vector<std::optional<int>> x; // a tick whose size cannot be placed has none
    std::vector<std::string> xTexte;
    std::vector<int> y; // from the top down
};

Striche StrichPositionen(const CDruckDaten& tabelle, const CDiagrammBereich& bereich,
                         const RECT& plot, bool mitBand, int letzterX, int letzterY)
{
    Striche striche;
    for (int k = 0; k <= letzterX; ++k) {
        const double wert =
            mitBand ? Bandgroessen[static_cast<std::size_t>(k)] : Zahl(tabelle, 0, k);
        striche.x.push_back(wert == 0 ? std::optional<int>(plot.left)
                                      : GroesseX(bereich, plot, wert));
        striche.xTexte.push_back(mitBand ? Bandbeschriftung[k] : tabelle.GetText(0, k));
    }
    // Evenly spaced by index; a single passing tick stands at the top.
    const int schritt = letzterY > 0 ? (plot.bottom - plot.top) / letzterY : 0;
    for (int k = 0; k <= letzterY; ++k)
        striche.y.push_back(plot.top + k * schritt);
    return striche;
}

void ZeichneUmriss(CDC& dc, const RECT& plot)
{
    ZeichneStrecke(dc, plot.left, plot.top, plot.right, plot.top);
    dc.LineTo(plot.right, plot.bottom);
    dc.LineTo(plot.left, plot.bottom);
    dc.LineTo(plot.left, plot.top);
}

void ZeichneAchsentitel(CDC& dc, const CTextKatalog& katalog, const CFont& schrift,
                        const CFont& senkrechteSchrift, const RECT& plot)
{
    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.TextOut(plot.right, plot.bottom - AchsentitelAbstand, katalog.HoleText(Achsentitel, 0));
    dc.SelectObject(senkrechteSchrift);
    dc.SetTextAlign(TA_BOTTOM);
    dc.TextOut(plot.left - AchsentitelAbstand, plot.top - YAchsentitelTiefer,
               katalog.HoleText(Achsentitel, 1));
}

void ZeichneStricheUndBeschriftung(CDC& dc, const CDruckDaten& tabelle, const CFont& schrift,
                                   const RECT& plot, const Striche& striche)
{
    const int x0 = striche.x.front().value_or(plot.left);
    for (const auto& x : striche.x)
        if (x)
            ZeichneStrecke(dc, *x, plot.bottom, *x, plot.bottom - StrichLaenge);
    for (int y : striche.y)
        ZeichneStrecke(dc, x0, y, x0 - StrichLaenge, y);

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (std::size_t k = 0; k < striche.x.size(); ++k)
        if (striche.x[k])
            dc.TextOut(*striche.x[k], plot.bottom - XBeschriftungAbstand, striche.xTexte[k]);
    // The last cell of row 1, the largest passing, stands at the top.
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    const int letzterY = static_cast<int>(striche.y.size()) - 1;
    for (int k = 0; k <= letzterY; ++k)
        dc.TextOut(x0 - StrichLaenge, striche.y[static_cast<std::size_t>(k)] - YBeschriftungTiefer,
                   tabelle.GetText(1, letzterY - k));
}

// Inner grid lines only: none over the frame.
void ZeichneGitter(CDC& dc, const CPen& gitterStift, const RECT& plot, const Striche& striche)
{
    dc.SelectObject(gitterStift);
    const int x0 = striche.x.front().value_or(plot.left);
    const int xEnde = striche.x.back().value_or(plot.right);
    for (std::size_t k = 1; k + 1 < striche.x.size() && striche.y.size() > 1; ++k)
        if (striche.x[k])
            ZeichneStrecke(dc, *striche.x[k], striche.y.front(), *striche.x[k], striche.y.back());
    for (std::size_t k = 1; k + 1 < striche.y.size(); ++k)
        ZeichneStrecke(dc, x0, striche.y[k], xEnde, striche.y[k]);
}

// ---- Curves ---------------------------------------------------------------------------------

void ZeichneMarkenliste(CDC& dc, const CDruckDaten& tabelle, const CDiagrammBereich& bereich,
                        const RECT& plot, int zeileGroesse, COLORREF farbe, bool oben)
{
    for (int k = 0; !tabelle.GetText(zeileGroesse, k).empty(); ++k) {
        const double x = std::log10(Zahl(tabelle, zeileGroesse, k));
        if (!(bereich.xMin < x && x < bereich.xMax))
            continue;
        const double durchgang = Zahl(tabelle, zeileGroesse + 1, k);
        if (const auto p = bereich.GeraetePunkt(plot, x, durchgang))
            ZeichneDreieckmarke(dc, farbe, p->x, p->y, oben);
    }
}

// Sizes and passing of each grading curve: one plain list, or several in parentheses.
std::vector<std::pair<std::string, std::string>> Sieblinien(const CDruckDaten& tabelle)
{
    const std::string groessen = tabelle.GetZeile(2), durchgang = tabelle.GetZeile(3);
    if (groessen.rfind("(", 0) != 0)
        return {{groessen, durchgang}};
    std::vector<std::pair<std::string, std::string>> linien;
    const int anzahl = StringZaehleFelder(groessen, "),(");
    for (int k = 0; k < anzahl; ++k)
        linien.emplace_back(StringHoleZwischen(groessen, '(', ')', k),
                            StringHoleZwischen(durchgang, '(', ')', k));
    return linien;
}

double OderHundertstel(double wert)
{
    return wert == 0 ? 0.01 : wert;
}

// A group "1@from@to" of row 9 draws the curve's marker and line from `from` to `to` mm at 15 %.
void ZeichneLegende(CDC& dc, const std::string& legenden, int k, const CDiagrammBereich& bereich,
                    const RECT& plot, int markerTyp, COLORREF farbe)
{
    const std::string gruppe = StringHoleZwischen(legenden, '(', ')', k);
    if (gruppe.rfind("1", 0) != 0)
        return;
    const double von = OderHundertstel(StringZuDouble(StringHoleFeld(gruppe, '@', 1)));
    const double bis = OderHundertstel(StringZuDouble(StringHoleFeld(gruppe, '@', 2)));
    const auto a =
        bereich.GeraetePunkt(plot, std::max(std::log10(von), bereich.xMin), LegendenDurchgang);
    const auto b =
        bereich.GeraetePunkt(plot, std::min(std::log10(bis), bereich.xMax), LegendenDurchgang);
    if (a && b)
        ZeichneLegendenEintrag(dc, markerTyp, farbe, a->x, a->y, b->x, b->y,
                               bereich.letzterYStrich);
}

} // namespace

bool ZeichneKornverteilungsRahmen(CDC& dc, const std::string& daten, const CTextKatalog& katalog,
                                  const CPen& rahmenStift, const CPen& gitterStift,
                                  const CFont& schrift, const CFont& senkrechteSchrift,
                                  CDiagrammBereich& bereich, RECT& plot)
{
    const CDruckDaten tabelle(daten);
    int letzterX = Zellen(tabelle, 0) - 1;
    const int letzterY = Zellen(tabelle, 1) - 1;
    bereich.anzahlStuetzstellen = 320;
    if (letzterX == 0) {
        bereich.xMax = 1.0;
        bereich.yMin = 0.0;
        bereich.yMax = 1.0;
        bereich.xFaktor = 1.0;
        bereich.yFaktor = 1.0;
        return false;
    }
    // A first tick of 0 mm stands for 0.001 mm in the range.
    const double erste = Zahl(tabelle, 0, 0);
    bereich.xMin = std::log10(erste == 0 ? 0.001 : erste);
    bereich.xMax = std::log10(Zahl(tabelle, 0, letzterX));
    bereich.yMin = Zahl(tabelle, 1, 0);
    bereich.yMax = Zahl(tabelle, 1, letzterY);
    bereich.xFaktor = static_cast<double>(plot.right - plot.left) / (bereich.xMax - bereich.xMin);
    bereich.yFaktor = static_cast<double>(plot.bottom - plot.top) / (bereich.yMax - bereich.yMin);

    const bool mitBand = tabelle.GetZeile(8) == "1";
    if (mitBand) {
        ZeichneKlassenband(dc, schrift, bereich, plot);
        letzterX = static_cast<int>(Bandgroessen.size()) - 1;
    }
    dc.SelectObject(rahmenStift);
    ZeichneUmriss(dc, plot);
    ZeichneAchsentitel(dc, katalog, schrift, senkrechteSchrift, plot);
    const Striche striche = StrichPositionen(tabelle, bereich, plot, mitBand, letzterX, letzterY);
    ZeichneStricheUndBeschriftung(dc, tabelle, schrift, plot, striche);
    ZeichneGitter(dc, gitterStift, plot, striche);
    return true;
}

void ZeichneKornverteilungsKurven(CDC& dc, const RECT& plot, const CPen& kurvenStift,
                                  COLORREF kurvenFarbe, COLORREF markenFarbe,
                                  const std::string& daten, int markerTyp,
                                  const CDiagrammBereich& bereich)
{
    // Without a range on both axes no point can be placed.
    if (!bereich.IstAbbildbar())
        return;
    const CDruckDaten tabelle(daten);
    ZeichneMarkenliste(dc, tabelle, bereich, plot, 4, markenFarbe, true);
    ZeichneMarkenliste(dc, tabelle, bereich, plot, 6, markenFarbe, false);

    // Without a fine fraction the grading curves start at 0 % below the finest sieve.
    const bool ohneFeinanteil = Zellen(tabelle, 10) <= 1;
    const auto linien = Sieblinien(tabelle);
    const std::string legenden = tabelle.GetZeile(9);
    CSieblinie kurve;
    for (std::size_t k = 0; k < linien.size(); ++k) {
        kurve.LeseAusListen(linien[k].first, linien[k].second, ohneFeinanteil);
        dc.SelectObject(kurvenStift);
        const int typ = markerTyp >= 0 ? markerTyp : static_cast<int>(k);
        ZeichneSieblinie(dc, bereich, plot, typ, kurvenFarbe, kurve, KeineObereGrenze,
                         kurve.ersteX);
        if (!legenden.empty())
            ZeichneLegende(dc, legenden, static_cast<int>(k), bereich, plot, typ, kurvenFarbe);
    }

    if (ohneFeinanteil)
        return;
    std::string groessen, durchgang;
    DreheSiebReihenfolge(tabelle, groessen, durchgang);
    CSieblinie feinanteil;
    feinanteil.LeseAusListen(groessen, durchgang, false);
    // Only the stretch between its own smallest and largest size.
    ZeichneSieblinie(dc, bereich, plot, markerTyp >= 0 ? markerTyp : MARKER_QUADRAT, kurvenFarbe,
                     feinanteil, feinanteil.letzteX, feinanteil.ersteX);
}

void ZeichneKornverteilungsDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                    const CTextKatalog& katalog, const CPen& kurvenStift,
                                    const CPen& gitterStift, const CFont& schrift,
                                    const CFont& senkrechteSchrift, bool farbig)
{
    CDiagrammBereich bereich;
    bereich.SetzeMarkergroesse(farbig);
    if (!ZeichneKornverteilungsRahmen(dc, daten, katalog, kurvenStift, gitterStift, schrift,
                                      senkrechteSchrift, bereich, rechteck))
        return;
    const COLORREF farbe = farbig ? RGB(0, 0, 255) : RGB(0, 0, 0);
    ZeichneKornverteilungsKurven(dc, rechteck, kurvenStift, farbe, farbe, daten, -1, bereich);
}

void ZeichneSieblinie(CDC& dc, const CDiagrammBereich& bereich, const RECT& plot, int markerTyp,
                      COLORREF markerFarbe, CSieblinie& kurve, double obereGrenze,
                      double untereGrenze)
{
    // Fewer than three knots or points that give no finite curve: the points alone.
    if (SplineSieblinie(kurve.xWerte, kurve.yWerte, 0, kurve.anzahl, bereich.anzahlStuetzstellen,
                        SplineTeiler, kurve.xKurve, kurve.yKurve)) {
        CKurvenstuecke stuecke;
        stuecke.anzahl = ClippePolylinie(bereich.xMin, bereich.xMax, bereich.yMin, bereich.yMax,
                                         kurve.xKurve, kurve.yKurve, bereich.anzahlStuetzstellen,
                                         stuecke.x1, stuecke.y1, stuecke.x2, stuecke.y2);
        ZeichneNichtFallend(dc, bereich, plot, stuecke, obereGrenze, untereGrenze);
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(kurve.anzahl); ++i) {
        const double x = kurve.xWerte[i], y = kurve.yWerte[i];
        if (!(bereich.xMin <= x && x <= bereich.xMax && bereich.yMin <= y && y <= bereich.yMax))
            continue;
        if (const auto p = Versetzt(bereich, plot, x, y, MarkerVersatz, -MarkerVersatz))
            ZeichneMarker(dc, markerTyp, markerFarbe, p->x, p->y, bereich.letzterYStrich);
    }
}

void ZeichneNichtFallend(CDC& dc, const CDiagrammBereich& bereich, const RECT& plot,
                         CKurvenstuecke& stuecke, double obereGrenze, double untereGrenze)
{
    double niveau = -1;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(stuecke.anzahl); ++i) {
        if (stuecke.x1[i] > obereGrenze)
            break;
        if (stuecke.x1[i] < untereGrenze)
            continue;
        const double start = std::max(niveau, stuecke.y1[i]);
        if (stuecke.y2[i] < start) {
            stuecke.y2[i] = start;
            niveau = start;
        }
        const auto von = bereich.GeraetePunkt(plot, stuecke.x1[i], start);
        const auto bis = bereich.GeraetePunkt(plot, stuecke.x2[i], stuecke.y2[i]);
        if (von && bis)
            ZeichneStrecke(dc, von->x, von->y, bis->x, bis->y);
    }
}

void ZeichneDreieckmarke(CDC& dc, COLORREF farbe, double x, double y, bool oben)
{
    const double h = oben ? DreieckHoehe : -DreieckHoehe;
    const CPen stiftVorher = dc.SelectObject(CPen(PS_SOLID, 0, farbe));
    const CBrush pinselVorher = dc.SelectObject(CBrush(farbe));
    const auto spitze = ZuGeraetePunkt(x, y);
    const auto links = ZuGeraetePunkt(x - DreieckHalbeBreite, y + h);
    const auto rechts = ZuGeraetePunkt(x + DreieckHalbeBreite, y + h);
    if (spitze && links && rechts)
        dc.Polygon({*spitze, *links, *rechts});
    dc.SelectObject(stiftVorher);
    dc.SelectObject(pinselVorher);
}
