#include "diagrams/plastizitaetsdiagramm.h"

#include "diagrams/zustandsgrenzenhilfen.h"
#include "report/textkatalog.h"

#include <array>
#include <optional>
#include <vector>

using namespace zustandsgrenzen;

namespace {

// ---- Consistency bar ----------------------------------------------------------------------------

// Device units (0.01 mm).
constexpr int BalkenBeschriftungTiefer = 800;
constexpr int BandHoehe = 350;
constexpr int BandNameHoeher = 70;
constexpr int Tick8Versatz = 20;
constexpr int MarkerUeberRahmen = 160;
constexpr int DreieckHalbeBreite = 80;
constexpr int DreieckHoehe = 150;
constexpr int IcWertHoeher = 120;

const char* const TitelKonsistenz = "DIA_ACHS_BESCHR_ZUST_3_IC";

struct Konsistenzband
{
    int von, bis; // tick indices
    const char* name;
};
constexpr std::array<Konsistenzband, 6> Baender{{
    {0, 3, "fest"},
    {3, 4, "halbf."},
    {4, 5, "steif"},
    {5, 6, "weich"},
    {6, 8, "breiig"},
    {8, 10, "flüssig"},
}};
constexpr std::array<int, 5> Bandgrenzen{3, 4, 5, 6, 8};

using Striche = std::vector<std::optional<int>>;

// The position of tick i; nothing when row 12 is too short or the tick cannot be placed.
std::optional<int> Strich(const Striche& striche, int i)
{
    return static_cast<std::size_t>(i) < striche.size() ? striche[static_cast<std::size_t>(i)]
                                                        : std::nullopt;
}

void ZeichneBandgrenzen(CDC& dc, const RECT& r, const Striche& striche, const CDruckDaten& tabelle)
{
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (int i : Bandgrenzen)
        if (const auto x = Strich(striche, i))
            dc.TextOut(*x + (i == 8 ? Tick8Versatz : 0), r.bottom - XBeschriftungAbstand,
                       tabelle.GetText(12, i));
    for (int i : Bandgrenzen)
        if (const auto x = Strich(striche, i))
            Strecke(dc, *x, r.bottom, *x, r.bottom + BandHoehe);
    Strecke(dc, r.left, r.bottom + BandHoehe, r.right, r.bottom + BandHoehe);
    for (const Konsistenzband& band : Baender) {
        const auto a = Strich(striche, band.von);
        const auto b = Strich(striche, band.bis);
        if (a && b)
            dc.TextOut((*a + *b) / 2, r.bottom + BandNameHoeher, band.name);
    }
}

// A vertical line from above the bar down to the bands, ending in a black triangle.
void ZeichneKonsistenzMarker(CDC& dc, const RECT& r, int x)
{
    Strecke(dc, x, r.top + MarkerUeberRahmen, x, r.bottom + BandHoehe);
    const CBrush alterPinsel = dc.SelectObject(CBrush(RGB(0, 0, 0)));
    dc.Polygon({POINT{x, r.bottom + BandHoehe},
                POINT{x - DreieckHalbeBreite, r.bottom + BandHoehe + DreieckHoehe},
                POINT{x + DreieckHalbeBreite, r.bottom + BandHoehe + DreieckHoehe}});
    dc.SelectObject(alterPinsel);
}

// ---- Plasticity chart
// -----------------------------------------------------------------------------

constexpr int PlastXBeschriftungTiefer = 850;
constexpr int PlastYAchsentitelLinks = 750;
constexpr int PlastYAchsentitelTiefer = 2300;
constexpr int KreisAussen = 145;
constexpr int KreisInnen = 70;
constexpr double WlBereich = 90, IpBereich = 50;
constexpr int WlStriche = 10, IpIntervalle = 5;
// The sample is shown only above these values (fractions).
constexpr double KleinsterWert = 0.001;

const char* const TitelPlastizitaet = "DIA_ACHS_BESCHR_ZUST_4_IP";

// wl and Ip in percent on the chart.
struct Plastizitaetsachsen
{
    double links, unten, xs, ys;
    double X(double wl) const { return links + wl * xs; }
    double Y(double ip) const { return unten + ip * ys; }
};

struct Linie
{
    double wl1, ip1, wl2, ip2;
};
// The A-line Ip = 0.73 (wl - 20): dotted between Ip 4 and 7, solid above.
constexpr Linie ALinieGepunktet{25.4794, 4, 29.589, 7};
constexpr Linie ALinie{29.589, 7, 88.4931, 50};
constexpr Linie Ip4{3, 4, 25.4794, 4};
constexpr Linie Ip7{3, 7, 29.589, 7};
constexpr double WlGrenzen[] = {35, 50};
// The wl limits stop 3.5 below the upper edge, under the range names.
constexpr double GrenzenUnterRand = 3.5;

void ZeichneLinie(CDC& dc, const Plastizitaetsachsen& a, const Linie& l)
{
    Strecke(dc, a.X(l.wl1), a.Y(l.ip1), a.X(l.wl2), a.Y(l.ip2));
}

void ZeichneAchsen(CDC& dc, const RECT& r, const Plastizitaetsachsen& a,
                   const CTextKatalog& katalog, const CFont& schrift,
                   const CFont& senkrechteSchrift, bool unformatiert)
{
    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.TextOut(r.right, r.bottom - PlastXBeschriftungTiefer,
               Anteil(katalog.HoleText(TitelPlastizitaet, 0), unformatiert));
    dc.SelectObject(senkrechteSchrift);
    dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
    dc.TextOut(r.left - PlastYAchsentitelLinks, r.top - PlastYAchsentitelTiefer,
               Anteil(katalog.HoleText(TitelPlastizitaet, 1), unformatiert));

    std::vector<double> xStriche;
    for (int i = 0; i < WlStriche; ++i)
        xStriche.push_back(a.X(10.0 * i));
    for (double x : xStriche)
        Strecke(dc, x, r.bottom, x, r.bottom - StrichLaenge);
    const int x0 = r.left;
    const int schritt = (r.bottom - r.top) / IpIntervalle;
    for (int j = 0; j <= IpIntervalle; ++j)
        Strecke(dc, x0, r.top + j * schritt, x0 - StrichLaenge, r.top + j * schritt);

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (int i = 0; i < WlStriche; ++i)
        Text(dc, xStriche[static_cast<std::size_t>(i)], r.bottom - XBeschriftungAbstand,
             Anteil(StringAusDoubleMitNachkomma(10.0 * i / 100, 1), unformatiert));
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    for (int j = 0; j <= IpIntervalle; ++j)
        dc.TextOut(
            x0 - StrichLaenge, r.top + j * schritt - YBeschriftungTiefer,
            Anteil(StringAusDoubleMitNachkomma((IpIntervalle - j) * 10.0 / 100, 1), unformatiert));
}

// A black dot in a white circle, with guide lines down to the wl axis and left to the Ip axis.
void ZeichneProbe(CDC& dc, const RECT& r, double x, double y)
{
    const auto Kreis = [&](int halbmesser, COLORREF farbe) {
        const auto lo = ZuGeraetePunkt(x - halbmesser, y - halbmesser);
        const auto ro = ZuGeraetePunkt(x + halbmesser, y + halbmesser);
        if (!lo || !ro)
            return;
        const CBrush alterPinsel = dc.SelectObject(CBrush(farbe));
        dc.Ellipse(lo->x, ro->y, ro->x, lo->y);
        dc.SelectObject(alterPinsel);
    };
    Kreis(KreisAussen, RGB(255, 255, 255));
    Kreis(KreisInnen, RGB(0, 0, 0));
    const auto px = ZuGeraeteInt(x);
    const auto py = ZuGeraeteInt(y);
    if (px && py) {
        dc.MoveTo(*px, r.bottom);
        dc.LineTo(*px, *py);
        dc.LineTo(r.left, *py);
    }
}

struct Name
{
    int spalte; // 0 to 2: the wl ranges 0-35, 35-50, 50-90; -1 at wl 32
    double ip;  // from the lower edge, or below the upper edge when negative
    const char* text;
};
constexpr std::array<Name, 13> Namen{{
    {0, -3, "leichtplastisch"},
    {1, -3, "mittelplastisch"},
    {2, -3, "ausgeprägtplastisch"},
    {0, -8, "TL"},
    {1, -8, "TM"},
    {2, -8, "TA"},
    {0, 12, "ST"},
    {1, 12, "OU"},
    {2, 12, "OA"},
    {-1, 4.5, "UL"},
    {0, 1.5, "SU"},
    {1, 1.5, "UM"},
    {2, 1.5, "UA"},
}};
constexpr double ULWl = 32;

void ZeichneNamen(CDC& dc, const RECT& r, const Plastizitaetsachsen& a)
{
    const double x35 = a.X(WlGrenzen[0]), x50 = a.X(WlGrenzen[1]);
    const double spalten[] = {(r.left + x35) * 0.5, (x35 + x50) * 0.5, (x50 + r.right) * 0.5};
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (const Name& n : Namen) {
        const double x = n.spalte < 0 ? a.X(ULWl) : spalten[n.spalte];
        const double y = n.ip < 0 ? r.top + n.ip * a.ys : a.Y(n.ip);
        Text(dc, x, y, n.text);
    }
}

} // namespace

void ZeichneKonsistenzBalken(CDC& dc, RECT r, const std::string& daten, const CTextKatalog& katalog,
                             const CPen& stift, const CPen&, const CFont& schrift, const CFont&,
                             bool)
{
    if (daten.empty())
        return;
    const CDruckDaten tabelle(daten);
    dc.SetBkMode(TRANSPARENT);
    const int anzahl = Zellen(tabelle, 12);
    const double xMin = Zahl(tabelle, 12, 0);
    const double xMax = Zahl(tabelle, 12, anzahl - 1);
    const double xs = (r.right - r.left) / (xMax - xMin);
    // The axis may run either way: a first tick above the last puts the larger values left.
    const auto X = [&](double ic) { return r.left + (ic - xMin) * xs; };

    ZeichneRahmen(dc, r, stift);
    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    dc.TextOut(r.right, r.bottom - BalkenBeschriftungTiefer, katalog.HoleText(TitelKonsistenz, 0));

    const Striche striche = XStriche(tabelle, 12, r.left, X);
    ZeichneXStriche(dc, striche, r.bottom);
    ZeichneBandgrenzen(dc, r, striche, tabelle);

    // Both end ticks included; the marker is computed and truncated as the ticks are.
    const auto marker = ZuGeraeteInt(X(Zahl(tabelle, 13, 0)));
    const auto& x0 = striche.front();
    const auto& xLetzter = striche.back();
    if (marker && x0 && xLetzter && *x0 <= *marker && *marker <= *xLetzter)
        ZeichneKonsistenzMarker(dc, r, *marker);

    // Ic is an index, not a fraction: printed as stored, without a percent unit.
    dc.SetTextAlign(TA_BASELINE | TA_LEFT);
    dc.TextOut(r.left, r.top + IcWertHoeher, "Ic = (wl - w<0,4)/Ip  = " + tabelle.GetText(13, 0));
}

void ZeichnePlastizitaetsDiagramm(CDC& dc, RECT r, const std::string& daten,
                                  const CTextKatalog& katalog, const CPen& stift,
                                  const CPen& punktStift, const CFont& schrift,
                                  const CFont& senkrechteSchrift, bool unformatiert)
{
    const CDruckDaten tabelle(daten);
    const Plastizitaetsachsen a{static_cast<double>(r.left), static_cast<double>(r.bottom),
                                (r.right - r.left) / WlBereich, (r.top - r.bottom) / IpBereich};

    ZeichneRahmen(dc, r, stift);
    ZeichneAchsen(dc, r, a, katalog, schrift, senkrechteSchrift, unformatiert);

    dc.SelectObject(punktStift);
    ZeichneLinie(dc, a, ALinieGepunktet);
    ZeichneLinie(dc, a, Ip4);
    ZeichneLinie(dc, a, Ip7);
    for (double wl : WlGrenzen)
        Strecke(dc, a.X(wl), r.bottom, a.X(wl), r.top - GrenzenUnterRand * a.ys);
    dc.SelectObject(stift);
    ZeichneLinie(dc, a, ALinie);

    const double wl = StringZuDouble(tabelle.GetZeile(15));
    const double ip = StringZuDouble(tabelle.GetZeile(16));
    if (wl > KleinsterWert && ip > KleinsterWert)
        ZeichneProbe(dc, r, a.X(100 * wl), a.Y(100 * ip));

    dc.SelectObject(schrift);
    ZeichneNamen(dc, r, a);
}
