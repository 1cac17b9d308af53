#include "diagrams/kurven.h"

#include "platform/exceptions.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace {

double Eintrag(const std::vector<double>& liste, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= liste.size())
        throw CInvalidArgException("Kurvenpunkt " + std::to_string(index) +
                                   " liegt außerhalb der Liste");
    return liste[static_cast<std::size_t>(index)];
}

bool AlleEndlich(const std::vector<double>& werte)
{
    return std::all_of(werte.begin(), werte.end(), [](double w) { return std::isfinite(w); });
}

// ---- Crossing and clipping ----

double BegrenzeAufBereich(double t, double min, double max)
{
    if (t < min)
        t = min;
    if (t > max)
        t = max;
    return t;
}

// A segment along an axis at coordinate 0 cannot be nudged off the axis; its crossing lies on
// the bound in the direction of travel (entering when A is outside, leaving when A is inside).
void SchneideAchsparalleleStrecke(double xmin, double xmax, double ymin, double ymax, bool aInnen,
                                  double ax, double bx, double ay, double by, double& xSchnitt,
                                  double& ySchnitt)
{
    if (ax == bx) {
        const bool aufwaerts = by > ay;
        xSchnitt = ax;
        ySchnitt =
            by == ay ? BegrenzeAufBereich(ay, ymin, ymax) : (aufwaerts == aInnen ? ymax : ymin);
        return;
    }
    const bool nachRechts = bx > ax;
    xSchnitt = nachRechts == aInnen ? xmax : xmin;
    ySchnitt = BegrenzeAufBereich(ay, ymin, ymax);
}

int Lagecode(double x, double y, double xmin, double xmax, double ymin, double ymax)
{
    int code = 0;
    if (xmin <= x && x <= xmax)
        code += 1;
    if (ymin <= y && y <= ymax)
        code += 2;
    return code;
}

enum class Schnittart
{
    Keine,
    Ganz,
    VonSchnitt,
    BisSchnitt,
    Doppelt
};

Schnittart BestimmeSchnittart(int codeA, int codeB, int punkte)
{
    const int innen = 3;
    if (codeA == innen && codeB == innen)
        return Schnittart::Ganz;
    if (codeB == innen)
        return Schnittart::VonSchnitt;
    if (codeA == innen)
        return Schnittart::BisSchnitt;
    if ((codeA == 1 && codeB == 2) || (codeA == 2 && codeB == 1))
        return Schnittart::Doppelt;
    // A segment inside one band only, such as a vertical line through the rectangle, is cut
    // twice only when it is the whole polyline.
    if (codeA == codeB && codeA != 0 && punkte == 2)
        return Schnittart::Doppelt;
    return Schnittart::Keine;
}

struct Stueck
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Rahmen
{
    double xmin, xmax, ymin, ymax;
};

void Schnitt(const Rahmen& r, double ax, double bx, double ay, double by, double& xs, double& ys)
{
    SchneideStreckeMitRahmen(r.xmin, r.xmax, r.ymin, r.ymax, ax, bx, ay, by, xs, ys);
}

Stueck SchneideStueck(const Rahmen& r, Schnittart art, double ax, double ay, double bx, double by)
{
    Stueck s{ax, ay, bx, by};
    switch (art) {
    case Schnittart::VonSchnitt:
        Schnitt(r, ax, bx, ay, by, s.x1, s.y1);
        break;
    case Schnittart::BisSchnitt:
        Schnitt(r, ax, bx, ay, by, s.x2, s.y2);
        break;
    case Schnittart::Doppelt:
        Schnitt(r, ax, bx, ay, by, s.x1, s.y1);
        Schnitt(r, s.x1, bx, s.y1, by, s.x2, s.y2);
        break;
    case Schnittart::Ganz:
    case Schnittart::Keine:
        break;
    }
    return s;
}

// ---- Splines ----

void HaengeNullenAn(std::vector<double>& xAus, std::vector<double>& yAus, int anzahlProben)
{
    if (anzahlProben < 0)
        return;
    const std::size_t dazu = static_cast<std::size_t>(anzahlProben) + 1;
    xAus.resize(xAus.size() + dazu, 0.0);
    yAus.resize(yAus.size() + dazu, 0.0);
}

// The knot at index letzter stands in for the point after the last one: it continues the last
// step, scaled by how the last two steps relate.
void ExtrapoliereEndknoten(std::vector<double>& xs, std::vector<double>& ys, int letzter)
{
    const std::size_t n = static_cast<std::size_t>(letzter);
    const double dx = xs[n - 1] - xs[n - 2];
    double dxVorher = xs[n - 2] - xs[n - 3];
    if (dxVorher == 0)
        dxVorher = 1;
    const double verhaeltnis = std::fabs(dx / dxVorher);
    xs[n] = xs[n - 1] + verhaeltnis * dx;

    const double dy = ys[n - 1] - ys[n - 2];
    double dyVorher = ys[n - 2] - ys[n - 3];
    if (dyVorher == 0)
        dyVorher = 1;
    const double q = dy / dyVorher;
    ys[n] = q >= 0 ? ys[n - 1] + std::fabs(q) * dy : ys[n - 1] + verhaeltnis * dy / std::fabs(q);
}

struct Proben
{
    std::vector<double> x, y;
    std::vector<int> intervall; // knot index below each sample; -1 before the first knot
};

// anzahl + 1 sample x values in equal steps from the first knot to ende, each with its interval
// among the knots 0 .. letzterKnoten (0 when no knot lies above).
Proben SetzeProbenX(const std::vector<double>& xs, int letzterKnoten, double ende, int anzahl)
{
    const std::size_t proben = static_cast<std::size_t>(anzahl) + 1;
    Proben p{std::vector<double>(proben, 0.0), std::vector<double>(proben, 0.0),
             std::vector<int>(proben, 0)};
    p.x[0] = xs[0];
    const double schritt = (ende - xs[0]) / anzahl;
    for (std::size_t j = 1; j < proben; ++j) {
        p.x[j] = p.x[j - 1] + schritt;
        for (int k = 0; k <= letzterKnoten; ++k) {
            if (p.x[j] < xs[static_cast<std::size_t>(k)]) {
                p.intervall[j] = k - 1;
                break;
            }
        }
    }
    return p;
}

// Forward elimination of rows 2 .. letzter − 2 and back substitution with M[0] = M[letzter] = 0.
// Row letzter − 1 is left unreduced, which the curves' shape depends on.
std::vector<double> LoeseSystem(const std::vector<double>& h, std::vector<double>& d,
                                std::vector<double>& r, int letzter)
{
    for (int i = 2; i <= letzter - 2; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        r[k] = r[k] - r[k - 1] * h[k - 1] / d[k - 1];
        d[k] = d[k] - h[k - 1] * h[k - 1] / d[k - 1];
    }
    std::vector<double> m(h.size(), 0.0);
    for (int i = letzter - 1; i >= 1; --i) {
        const std::size_t k = static_cast<std::size_t>(i);
        m[k] = (r[k] - h[k] * m[k + 1]) / d[k];
    }
    return m;
}

double SplineWert(const std::vector<double>& xs, const std::vector<double>& ys,
                  const std::vector<double>& m, int intervall, double x, int teiler)
{
    const std::size_t k = static_cast<std::size_t>(std::max(intervall, 0));
    const double hk = xs[k + 1] - xs[k];
    const double t = (x - xs[k]) / hk;
    return ys[k] + t * (ys[k + 1] - ys[k]) +
           (t - 1) * t * ((t + 1) * m[k + 1] - (t - 2) * m[k]) * hk * hk / teiler;
}

// Hands the samples to the caller only when the knots gave a finite curve. The last sample has
// an x but no y: the caller's y entry there keeps its value.
bool UebernimmProben(const Proben& p, std::vector<double>& xAus, std::vector<double>& yAus)
{
    if (!AlleEndlich(p.x) || !AlleEndlich(p.y))
        return false;
    std::copy(p.x.begin(), p.x.end(), xAus.begin());
    std::copy(p.y.begin(), p.y.end() - 1, yAus.begin());
    return true;
}

void KopierePunkte(const std::vector<double>& x, const std::vector<double>& y, int von, int bis,
                   std::vector<double>& xs, std::vector<double>& ys)
{
    for (int i = von; i <= bis; ++i) {
        xs.push_back(Eintrag(x, i));
        ys.push_back(Eintrag(y, i));
    }
}

// Knots of a grading curve: the points, with an extra knot near the start or end of a segment
// where the curve runs flat next to it, so that the spline does not swing there. Returns the
// number of knots inserted.
int SieblinienKnoten(const std::vector<double>& ox, const std::vector<double>& oy, int punkte,
                     std::vector<double>& xs, std::vector<double>& ys)
{
    const auto haenge = [&](double x, double y) {
        xs.push_back(x);
        ys.push_back(y);
    };
    const int p = punkte;
    int eingefuegt = 0;
    haenge(ox[0], oy[0]);
    for (int n = 2; n <= p - 1; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        haenge(ox[i - 1], oy[i - 1]);
        const double q1 = (oy[i - 1] - oy[i - 2]) / ((ox[i - 1] - ox[i - 2]) + 0.001);
        if (q1 < 1) {
            haenge(ox[i - 1] + (ox[i] - ox[i - 1]) / 10, oy[i - 1] + (oy[i] - oy[i - 1]) / 35);
            ++eingefuegt;
        }
        const double q2 = (oy[i + 1] - oy[i]) / ((ox[i + 1] - ox[i]) + 0.001);
        if (q2 < 1) {
            haenge(ox[i] - (ox[i] - ox[i - 1]) / 10, oy[i] - (oy[i] - oy[i - 1]) / 35);
            ++eingefuegt;
        }
    }
    const std::size_t letzter = static_cast<std::size_t>(p);
    haenge(ox[letzter - 1], oy[letzter - 1]);
    haenge(ox[letzter], oy[letzter]);
    haenge(0.0, 0.0);
    return eingefuegt;
}

} // namespace

void SchneideStreckeMitRahmen(double xmin, double xmax, double ymin, double ymax, double& ax,
                              double bx, double& ay, double by, double& xSchnitt, double& ySchnitt)
{
    if (bx == ax)
        ax = ax * 1.000001;
    if (by == ay)
        ay = ay * 1.000001;
    const bool aInnen = xmin <= ax && ax <= xmax && ymin <= ay && ay <= ymax;
    if (ax == bx || ay == by) {
        SchneideAchsparalleleStrecke(xmin, xmax, ymin, ymax, aInnen, ax, bx, ay, by, xSchnitt,
                                     ySchnitt);
        return;
    }
    // k: change of x per unit of y; t: the y where the line meets the vertical bound ahead.
    const double k = (ax - bx) / (ay - by);
    double t = 0;
    if (bx > ax)
        t = ay - (ax - (aInnen ? xmax : xmin)) / k;
    else
        t = ay - (ax - (aInnen ? xmin : xmax)) / k;
    // Beyond the y range the line leaves through the upper or lower bound instead.
    t = BegrenzeAufBereich(t, ymin, ymax);
    ySchnitt = t;
    xSchnitt = (t - ay) * k + ax;
}

int ClippePolylinie(double xmin, double xmax, double ymin, double ymax,
                    const std::vector<double>& x, const std::vector<double>& y, int n,
                    std::vector<double>& x1, std::vector<double>& y1, std::vector<double>& x2,
                    std::vector<double>& y2)
{
    const int m = n <= 0 ? 0 : static_cast<int>(std::min(static_cast<std::size_t>(n), x.size()));
    for (auto* liste : {&x1, &y1, &x2, &y2})
        liste->resize(static_cast<std::size_t>(m) + 2, 0.0);

    std::vector<int> code(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i)
        code[static_cast<std::size_t>(i)] =
            Lagecode(Eintrag(x, i), Eintrag(y, i), xmin, xmax, ymin, ymax);

    const Rahmen rahmen{xmin, xmax, ymin, ymax};
    int anzahl = 0;
    for (int i = 0; i + 1 < m; ++i) {
        const std::size_t a = static_cast<std::size_t>(i);
        const Schnittart art = BestimmeSchnittart(code[a], code[a + 1], m);
        if (art == Schnittart::Keine)
            continue;
        const Stueck s = SchneideStueck(rahmen, art, x[a], y[a], x[a + 1], y[a + 1]);
        // Extreme values can overflow in the crossing; such a piece cannot be drawn.
        if (!AlleEndlich({s.x1, s.y1, s.x2, s.y2}))
            continue;
        ++anzahl;
        const std::size_t k = static_cast<std::size_t>(anzahl);
        x1[k] = s.x1;
        y1[k] = s.y1;
        x2[k] = s.x2;
        y2[k] = s.y2;
    }
    return anzahl;
}

bool AusgleichsParabel(const std::vector<double>& x, const std::vector<double>& y, int von, int bis,
                       double& a, double& b, double& c)
{
    a = b = c = 0;
    double sx = 0, sx2 = 0, sx3 = 0, sx4 = 0, sy = 0, sxy = 0, sx2y = 0;
    std::vector<double> xWerte;
    for (int i = von; i < bis; ++i) {
        const double xi = Eintrag(x, i);
        const double yi = Eintrag(y, i);
        sx += xi;
        sx2 += xi * xi;
        sx3 += xi * xi * xi;
        sx4 += xi * xi * xi * xi;
        sy += yi;
        sxy += xi * yi;
        sx2y += xi * xi * yi;
        xWerte.push_back(xi);
    }
    // With fewer than three distinct x values the normal equations are singular.
    std::sort(xWerte.begin(), xWerte.end());
    if (std::unique(xWerte.begin(), xWerte.end()) - xWerte.begin() < 3)
        return false;

    const double n = bis - von;
    const double sxx = sx2 - sx * sx / n;
    const double sxyZ = sxy - sx * sy / n;
    const double sxx2 = sx3 - sx * sx2 / n;
    const double sx2yZ = sx2y - sx2 * sy / n;
    const double sx2x2 = sx4 - sx2 * sx2 / n;
    const double cWert = (sxx2 * sxyZ / sxx - sx2yZ) / (sxx2 * sxx2 / sxx - sx2x2);
    const double bWert = (sxyZ - cWert * sxx2) / sxx;
    const double aWert = (sy - bWert * sx - cWert * sx2) / n;
    if (!AlleEndlich({aWert, bWert, cWert}))
        return false;
    c = cWert;
    b = bWert;
    a = aWert;
    return true;
}

bool SplineProctorKurve(const std::vector<double>& x, const std::vector<double>& y, int von,
                        int bis, int anzahlProben, int teiler, std::vector<double>& xAus,
                        std::vector<double>& yAus)
{
    HaengeNullenAn(xAus, yAus, anzahlProben);
    const int n = bis - von;
    std::vector<double> xs, ys;
    KopierePunkte(x, y, von, bis, xs, ys);
    // One knot more than the system uses; it only enters d[n].
    xs.push_back(0.0);
    ys.push_back(0.0);
    if (n <= 2 || anzahlProben < 1)
        return false;
    ExtrapoliereEndknoten(xs, ys, n);

    const std::size_t groesse = static_cast<std::size_t>(n) + 2;
    std::vector<double> h(groesse, 0.0), d(groesse, 0.0), r(groesse, 0.0);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
        h[i - 1] = xs[i] - xs[i - 1];
        d[i] = 2 * (xs[i + 1] - xs[i - 1]);
        r[i] = (ys[i] - ys[i - 1]) / h[i - 1];
    }
    // Rows 1 .. n − 2 get the second differences; row n − 1 keeps its slope.
    for (int i = 1; i <= n - 2; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        r[k] = 6 * (r[k + 1] - r[k]);
    }
    const std::vector<double> m = LoeseSystem(h, d, r, n);

    // The samples end at the last real point, short of the extrapolated knot.
    Proben p = SetzeProbenX(xs, n, xs[static_cast<std::size_t>(n) - 1], anzahlProben);
    for (std::size_t j = 0; j < static_cast<std::size_t>(anzahlProben); ++j)
        p.y[j] = SplineWert(xs, ys, m, p.intervall[j], p.x[j], teiler);
    return UebernimmProben(p, xAus, yAus);
}

bool SplineSieblinie(const std::vector<double>& x, const std::vector<double>& y, int von, int bis,
                     int anzahlProben, int teiler, std::vector<double>& xAus,
                     std::vector<double>& yAus)
{
    const int punkte = bis - von;
    if (punkte <= 0)
        return false;
    HaengeNullenAn(xAus, yAus, anzahlProben);
    std::vector<double> ox, oy;
    KopierePunkte(x, y, von, bis, ox, oy);
    std::vector<double> xs, ys;
    const int letzter = punkte + SieblinienKnoten(ox, oy, punkte, xs, ys);
    if (letzter <= 2 || anzahlProben < 1)
        return false;
    ExtrapoliereEndknoten(xs, ys, letzter);

    const std::size_t groesse = 3 * static_cast<std::size_t>(punkte);
    std::vector<double> h(groesse, 0.0), d(groesse, 0.0), r(groesse, 0.0);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(letzter); ++i) {
        h[i - 1] = xs[i] - xs[i - 1];
        d[i] = 4 * (xs[i + 1] - xs[i - 1]);
        if (d[i] == d[i - 1])
            d[i] = d[i] + 1e-11;
        r[i] = (ys[i] - ys[i - 1]) / h[i - 1];
    }
    for (int i = 1; i <= letzter - 2; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        r[k] = 12 * (r[k + 1] - r[k]);
    }
    const std::vector<double> m = LoeseSystem(h, d, r, letzter);

    // Here the samples run on to the extrapolated knot.
    Proben p = SetzeProbenX(xs, letzter, xs[static_cast<std::size_t>(letzter)], anzahlProben);
    for (std::size_t j = 0; j < static_cast<std::size_t>(anzahlProben); ++j) {
        const int k = std::max(p.intervall[j], 0);
        double wert = SplineWert(xs, ys, m, k, p.x[j], teiler);
        // A grading curve never falls: an overshoot drops back to the knot below, and no sample
        // lies below its predecessor.
        if (wert > ys[static_cast<std::size_t>(k) + 1])
            wert = ys[static_cast<std::size_t>(k)];
        if (j > 0 && wert < p.y[j - 1])
            wert = p.y[j - 1];
        p.y[j] = wert;
    }
    return UebernimmProben(p, xAus, yAus);
}
