#include "diagrams/bindemitteldiagramm.h"

#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "diagrams/kurven.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"

#include <array>
#include <climits>
#include <cmath>
#include <span>
#include <vector>

namespace {

// Device units (0.01 mm).
constexpr int StrichLaenge = 160;
constexpr int XBeschriftungTiefer = 460;
constexpr int YBeschriftungTiefer = 100;
constexpr int XTitelTiefer = 900;
constexpr int YTitelLinks = 900;
constexpr int KreuzHalbeGroesse = 55;
constexpr int HilfslinieLinks = 80;
constexpr int HilfslinieTiefer = 120;
constexpr int KurvenbeschriftungAbstand = 100;

// Curves start with their tenth visible segment: near U = 0 the polynomial is of no use.
constexpr int ErstesGezeichnetesStueck = 10;

// Rows of the chart data text.
constexpr int Zeile2 = 2, Zeile3 = 3;

// Tick texts "0", step, … last; the first and the last give the axis range.
std::vector<std::string> Striche(int schritt, int letzter)
{
    std::vector<std::string> texte;
    for (int wert = 0; wert <= letzter; wert += schritt)
        texte.push_back(std::to_string(wert));
    return texte;
}

struct Achse
{
    std::vector<std::string> texte;
    double minimum() const { return StringZuDouble(texte.front()); }
    double maximum() const { return StringZuDouble(texte.back()); }
    int intervalle() const { return static_cast<int>(texte.size()) - 1; }
};

// The built-in axes on the chart rectangle: value-to-device mapping and tick positions.
struct Achsen
{
    RECT r;
    Achse x, y;

    double Xs() const { return (r.right - r.left) / (x.maximum() - x.minimum()); }
    double Ys() const { return (r.bottom - r.top) / (y.maximum() - y.minimum()); }
    double P(double wert) const { return r.left + (wert - x.minimum()) * Xs(); }
    double Q(double wert) const { return r.bottom - (wert - y.minimum()) * Ys(); }
    int Px(int i) const { return r.left + i * ((r.right - r.left) / x.intervalle()); }
    int Py(int i) const { return r.top + i * ((r.bottom - r.top) / y.intervalle()); }
};

void Strecke(CDC& dc, double x1, double y1, double x2, double y2)
{
    const auto von = ZuGeraetePunkt(x1, y1);
    const auto bis = ZuGeraetePunkt(x2, y2);
    if (von && bis) {
        dc.MoveTo(*von);
        dc.LineTo(*bis);
    }
}

void Text(CDC& dc, double x, double y, const std::string& text)
{
    if (const auto p = ZuGeraetePunkt(x, y))
        dc.TextOut(p->x, p->y, text);
}

void ZeichneRahmen(CDC& dc, const RECT& r)
{
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right, r.top);
    dc.LineTo(r.right, r.bottom);
    dc.LineTo(r.left, r.bottom);
    dc.LineTo(r.left, r.top);
}

void ZeichneStriche(CDC& dc, const Achsen& a, const CFont& schrift, bool xRoh)
{
    const RECT& r = a.r;
    const int nx = a.x.intervalle(), ny = a.y.intervalle();
    for (int i = 0; i <= nx; ++i)
        Strecke(dc, a.Px(i), r.bottom, a.Px(i), r.bottom - StrichLaenge);
    for (int i = 0; i <= ny; ++i)
        Strecke(dc, r.left, a.Py(i), r.left - StrichLaenge, a.Py(i));

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    for (int i = 0; i <= nx; ++i) {
        const std::string& text = a.x.texte[static_cast<std::size_t>(i)];
        Text(dc, a.Px(i), r.bottom - XBeschriftungTiefer,
             xRoh ? text : g_pfade.FormatiereAnteil(text));
    }
    // The largest value at the top.
    dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
    for (int i = 0; i <= ny; ++i)
        Text(dc, r.left - StrichLaenge, a.Py(i) - YBeschriftungTiefer,
             a.y.texte[static_cast<std::size_t>(ny - i)]);
}

void ZeichneGitter(CDC& dc, const Achsen& a, const CPen& punktStift)
{
    const int nx = a.x.intervalle(), ny = a.y.intervalle();
    dc.SelectObject(punktStift);
    for (int i = 1; i < nx; ++i)
        Strecke(dc, a.Px(i), a.Py(0), a.Px(i), a.Py(ny));
    for (int i = 1; i < ny; ++i)
        Strecke(dc, a.Px(0), a.Py(i), a.Px(nx), a.Py(i));
}

// The visible pieces of a polyline, cut at the axis ranges, as device segments.
struct Stueck
{
    double x1, y1, x2, y2;
};

std::vector<Stueck> SichtbareStuecke(const Achsen& a, const std::vector<double>& x,
                                     const std::vector<double>& y)
{
    std::vector<double> x1, y1, x2, y2;
    const int anzahl = ClippePolylinie(a.x.minimum(), a.x.maximum(), a.y.minimum(), a.y.maximum(),
                                       x, y, static_cast<int>(x.size()), x1, y1, x2, y2);
    std::vector<Stueck> stuecke;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(anzahl); ++k)
        stuecke.push_back({a.P(x1[k]), a.Q(y1[k]), a.P(x2[k]), a.Q(y2[k])});
    return stuecke;
}

void ZeichneStuecke(CDC& dc, std::span<const Stueck> stuecke)
{
    for (const Stueck& s : stuecke)
        Strecke(dc, s.x1, s.y1, s.x2, s.y2);
}

// Frame, captions (drawn by the caller's function), ticks, labels and grid.
template <typename Beschriftung>
void ZeichneGeruest(CDC& dc, const Achsen& a, const CPen& rahmenStift, const CPen& punktStift,
                    const CFont& schrift, bool xRoh, Beschriftung beschriftung)
{
    dc.SelectObject(rahmenStift);
    ZeichneRahmen(dc, a.r);
    beschriftung();
    ZeichneStriche(dc, a, schrift, xRoh);
    ZeichneGitter(dc, a, punktStift);
}

double Zeilenwert(const CDruckDaten& tabelle, int zeile)
{
    return StringZuDouble(tabelle.GetZeile(zeile));
}

// The straight line from the origin to (100 cm, kg), cut at the frame; nothing for about 0 kg.
void ZeichneBindemittelLinie(CDC& dc, const Achsen& a, double kg)
{
    if (std::fabs(kg) <= 0.00001)
        return;
    ZeichneStuecke(dc, SichtbareStuecke(a, {0.0, 100.0}, {0.0, kg}));
}

const std::array<const char*, 7> kSollwerte{"30", "45", "60", "80", "100", "120", "150"};

void ZeichneSollKurve(CDC& dc, const Achsen& a, const char* sollText)
{
    const int E = static_cast<int>(StringZuDouble(sollText));
    std::vector<double> u, d;
    for (int U = 0; U < E; ++U) {
        u.push_back(U);
        d.push_back(Einbaustaerke(E, U));
    }
    const std::vector<Stueck> stuecke = SichtbareStuecke(a, u, d);
    // A curve with fewer visible pieces has nothing drawn and no label.
    if (stuecke.size() < ErstesGezeichnetesStueck)
        return;
    const std::span<const Stueck> gezeichnet =
        std::span(stuecke).subspan(ErstesGezeichnetesStueck - 1);
    ZeichneStuecke(dc, gezeichnet);
    Text(dc, gezeichnet.front().x1 - KurvenbeschriftungAbstand,
         gezeichnet.front().y1 - KurvenbeschriftungAbstand, sollText);
}

// The project's subgrade Ev2 and thickness: cross and guide lines, only within the axes (the
// subgrade bounds excluded).
void ZeichneProjektpunkt(CDC& dc, const Achsen& a, double x, double y)
{
    if (!(std::fabs(x) > 0.0001 && std::fabs(y) > 0.0001 && 0 <= y && y <= 110 && 0 < x && x < 120))
        return;
    const double p = a.P(x), q = a.Q(y);
    constexpr int s = KreuzHalbeGroesse;
    Strecke(dc, p - s, q + s, p + s, q - s);
    Strecke(dc, p + s, q + s, p - s, q - s);
    Strecke(dc, a.r.left - HilfslinieLinks, q, p, q);
    Strecke(dc, p, q, p, a.r.bottom - HilfslinieTiefer);
}

// Bad input of the polynomial operations: not above the threshold, or not a finite number.
bool Ungueltig(double wert)
{
    return !(wert > 0.0000001) || !std::isfinite(wert);
}

constexpr int FehlerEingabe = 5;

} // namespace

double Einbaustaerke(double E, double U)
{
    return U * U * (0.00811 - 0.00002 * E) + U * (0.000008 * E * E + 0.00004 * E - 1.6804) +
           0.00001267 * E * E * E - 0.00822 * E * E + 1.68053 * E;
}

void ZeichneBindemittelDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                const CTextKatalog&, const CPen& rahmenStift,
                                const CPen& punktStift, const CFont& schrift,
                                const CFont& senkrechteSchrift, bool xRoh)
{
    const Achsen a{rechteck, {Striche(10, 100)}, {Striche(5, 100)}};
    ZeichneGeruest(dc, a, rahmenStift, punktStift, schrift, xRoh, [&] {
        dc.SelectObject(schrift);
        dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
        dc.TextOut(rechteck.right, rechteck.bottom - XTitelTiefer, "Einbaustärke [cm]");
        dc.SelectObject(senkrechteSchrift);
        dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
        dc.TextOut(rechteck.left - YTitelLinks, rechteck.top - 2500, "Bindemittelzugabe [kg]");
    });

    const CDruckDaten tabelle(daten);
    dc.SelectObject(rahmenStift);
    ZeichneBindemittelLinie(dc, a, Zeilenwert(tabelle, Zeile2));
    dc.SelectObject(punktStift);
    ZeichneBindemittelLinie(dc, a, Zeilenwert(tabelle, Zeile3));
}

void ZeichneEv2SollDiagramm(CDC& dc, RECT rechteck, const std::string& daten, const CTextKatalog&,
                            const CPen& rahmenStift, const CPen& punktStift, const CFont& schrift,
                            const CFont& senkrechteSchrift, bool xRoh)
{
    const Achsen a{rechteck, {Striche(10, 120)}, {Striche(10, 110)}};
    ZeichneGeruest(dc, a, rahmenStift, punktStift, schrift, xRoh, [&] {
        dc.SelectObject(schrift);
        dc.SetTextAlign(TA_BASELINE | TA_LEFT);
        dc.TextOut(rechteck.left + 2000, rechteck.top - 400, "Ev2 - SOLL - Werte [MN/m²]");
        dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
        dc.TextOut(rechteck.right, rechteck.bottom - XTitelTiefer,
                   "Ev2-Wert der Unterlage [MN/m²]");
        dc.SelectObject(senkrechteSchrift);
        dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
        dc.TextOut(rechteck.left - YTitelLinks, rechteck.top - 1900, "Einbaustärke [cm]");
    });

    // Font 0 and right alignment stay from the thickness labels.
    for (const char* soll : kSollwerte) {
        dc.SelectObject(rahmenStift);
        ZeichneSollKurve(dc, a, soll);
    }
    const CDruckDaten tabelle(daten);
    ZeichneProjektpunkt(dc, a, Zeilenwert(tabelle, Zeile2), Zeilenwert(tabelle, Zeile3));
}

bool BerechneEinbaustaerke(double E, double U, int& d)
{
    if (Ungueltig(E) || Ungueltig(U))
        return false;
    const double gerundet = std::trunc(Einbaustaerke(E, U) + 0.5);
    if (!(gerundet >= INT_MIN && gerundet <= INT_MAX))
        return false;
    d = static_cast<int>(gerundet);
    return true;
}

int SucheEv2Unterlage(double E, double t)
{
    if (Ungueltig(E) || Ungueltig(t))
        return FehlerEingabe;
    // Compared in double: a huge thickness needs no int.
    for (int U = 0; U <= 120; ++U)
        if (std::trunc(Einbaustaerke(E, U) + 0.5) < t)
            return U - 1;
    return 0;
}

int SucheEv2Soll(double U, double t)
{
    if (Ungueltig(U) || Ungueltig(t))
        return FehlerEingabe;
    for (int E = 0; E <= 180; ++E)
        if (Einbaustaerke(E, U) > t)
            return E - 1;
    return -999;
}
