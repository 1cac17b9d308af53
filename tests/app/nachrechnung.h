#pragma once
// Page 1 of a protocol's report as a reader takes values from it, and each report's results
// recomputed from the raw values it prints by the laboratory's rules: from what was weighed and
// read, unrounded, never from a result as printed.

#include "app/protokolldruckauftrag.h"
#include "data/pfade.h"
#include "data/protokoll.h"
#include "data/textfunktionen.h"
#include "diagrams/kurven.h"
#include "platform/recordingdc.h"
#include "platform/text.h"
#include "report/virtversuch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <numeric>
#include <set>
#include <string>
#include <vector>

// Apart from the program's own functions, some of which bear the same names.
namespace nachrechnung {

// The page grid the report header lays out: 30 columns and 67 rows from the corner of the
// printable area, in device units.
constexpr double kGitterLinks = 2500, kGitterOben = -1620, kSpalte = 16800.0 / 30,
                 kZeile = 26000.0 / 67;

struct Seitentext
{
    std::string text;
    int y;           // base line, device units
    double zeile;    // the grid row it stands on
    double von, bis; // the grid columns it covers
};

inline double Gitterspalte(int x)
{
    return (x - kGitterLinks) / kSpalte;
}

// Texts stand half a millimetre above the grid line of their row, or hang half a millimetre
// below it.
inline double Gitterzeile(const DCEintrag& eintrag)
{
    const unsigned senkrecht = eintrag.ausrichtung & TA_BASELINE;
    const int abstand = senkrecht == TA_BOTTOM ? -50 : senkrecht == TA_TOP ? 50 : 0;
    return (kGitterOben - (eintrag.punkte.at(0).y + abstand)) / kZeile;
}

// The texts of page 1 of the protocol's report, left to right on each base line. Mark-up and
// table cells are drawn a character at a time; characters that follow on directly are one text.
inline std::vector<Seitentext> Berichtsseite(const CProtokoll& protokoll)
{
    std::unique_ptr<CVirtVersuch> versuch =
        ErzeugeVersuch(protokoll.GetPruefart(), protokoll.GetPruefartVER());
    if (!versuch)
        return {};
    versuch->LeseProtokollXml(protokoll.SchreibeXML(), false);
    versuch->SetzeKopfdaten("Musterprojekt||Auftraggeber|OL", "");
    RecordingDC dc(CFesteTextMetrik{});
    versuch->Drucken(1, &dc, RECT{0, 0, 19600, -28500});

    std::vector<DCEintrag> eintraege = dc.Texte();
    std::ranges::sort(eintraege, {}, [](const DCEintrag& e) {
        return std::pair(e.punkte.at(0).y, e.punkte.at(0).x);
    });
    std::vector<Seitentext> texte;
    for (size_t i = 0; i < eintraege.size(); ++i) {
        const DCEintrag& e = eintraege[i];
        const POINT p = e.punkte.at(0);
        const bool folgt = i > 0 && p.y == eintraege[i - 1].punkte.at(0).y &&
                           e.kasten.left == eintraege[i - 1].kasten.right;
        if (folgt) {
            texte.back().text += e.text;
            texte.back().bis = Gitterspalte(e.kasten.right);
        } else {
            texte.push_back({e.text, p.y, Gitterzeile(e), Gitterspalte(e.kasten.left),
                             Gitterspalte(e.kasten.right)});
        }
    }
    return texte;
}

// The print settings a reader of the sample's pages has: protocol numbers printed, fractions as
// stored.
class Druckeinstellungen
{
public:
    Druckeinstellungen()
    {
        g_pfade.protokollnrDrucken = true;
        g_pfade.anteilAlsProzent = false;
    }
    ~Druckeinstellungen() { g_pfade = m_vorher; }

private:
    CPfade m_vorher = g_pfade;
};

// Half a unit of the last digit that a printed number shows ("2.59E-08": 0.005E-08).
inline double Rundung(const std::string& text)
{
    const size_t e = text.find_first_of("Ee");
    const std::string mantisse = text.substr(0, e);
    const size_t punkt = mantisse.find('.');
    const int stellen = punkt == std::string::npos ? 0 : int(mantisse.size() - punkt - 1);
    return 0.5 *
           std::pow(10.0, (e == std::string::npos ? 0 : std::stoi(text.substr(e + 1))) - stellen);
}

// Page 1 of a protocol's report as a reader takes values from it: a row by the caption it holds,
// a value by the columns it stands in.
class Druckseite
{
public:
    explicit Druckseite(const CProtokoll& protokoll)
        : m_protokoll(protokoll), m_texte(Berichtsseite(protokoll))
    {
    }
    const CProtokoll& Protokoll() const { return m_protokoll; }

    // The rows, top down, that hold exactly this text.
    std::vector<double> Zeilen(const std::string& text) const
    {
        std::set<double> zeilen;
        for (const Seitentext& t : m_texte)
            if (t.text == text)
                zeilen.insert(t.zeile);
        return {zeilen.begin(), zeilen.end()};
    }
    // The first of them below row `ab`.
    double Zeile(const std::string& text, double ab = 0) const
    {
        for (double zeile : Zeilen(text))
            if (zeile > ab)
                return zeile;
        ADD_FAILURE() << "no row '" << text << "' below row " << ab;
        return NAN;
    }
    // The text on that row whose middle lies from column `von` to before `bis`; none is empty.
    std::string Text(double zeile, double von, double bis) const
    {
        for (const Seitentext& t : m_texte) {
            const double mitte = (t.von + t.bis) / 2;
            if (std::abs(t.zeile - zeile) < 0.05 && von <= mitte && mitte < bis)
                return t.text;
        }
        return "";
    }
    // The first text that begins so.
    std::string Beginnend(const std::string& anfang) const
    {
        const auto t = std::ranges::find_if(
            m_texte, [&](const Seitentext& t) { return t.text.starts_with(anfang); });
        EXPECT_NE(t, m_texte.end()) << "no text '" << anfang << "'";
        return t == m_texte.end() ? "" : t->text;
    }
    // How many printed values were compared with their computation.
    mutable int verglichen = 0;

private:
    const CProtokoll& m_protokoll;
    std::vector<Seitentext> m_texte;
};

// The values of a page in columns between the given edges, or in columns of one width from a
// left edge.
class Tafel
{
public:
    Tafel(const Druckseite& seite, std::vector<double> kanten)
        : m_seite(seite), m_kanten(std::move(kanten))
    {
    }
    Tafel(const Druckseite& seite, double links, double breite) : m_seite(seite)
    {
        for (int k = 0; k <= 20; ++k)
            m_kanten.push_back(links + k * breite);
    }
    std::string Text(double zeile, int spalte = 0) const
    {
        return spalte + 1 < int(m_kanten.size())
                   ? m_seite.Text(zeile, m_kanten[spalte], m_kanten[spalte + 1])
                   : "";
    }
    double Zahl(double zeile, int spalte = 0) const
    {
        const std::string text = Text(zeile, spalte);
        return text.empty() ? NAN : StringZuDouble(text);
    }
    // The columns filled from the first on.
    int Anzahl(double zeile) const
    {
        int n = 0;
        while (!Text(zeile, n).empty())
            ++n;
        return n;
    }
    // The printed value is `wert` to its last digit; one that cannot be computed (not a number)
    // is not printed.
    void Stimmt(double zeile, int spalte, double wert) const
    {
        const std::string text = Text(zeile, spalte);
        if (std::isnan(wert)) {
            EXPECT_EQ(text, "") << "row " << zeile << ", column " << spalte << " has no value";
            return;
        }
        ++m_seite.verglichen;
        EXPECT_NEAR(Zahl(zeile, spalte), wert, Rundung(text) + 1e-9)
            << "row " << zeile << ", column " << spalte << ": '" << text << "'";
    }

private:
    const Druckseite& m_seite;
    std::vector<double> m_kanten;
};

// A value of the page header, right of the colon after its caption.
inline std::string Kopfwert(const Druckseite& seite, const std::string& beschriftung)
{
    return seite.Text(seite.Zeile(beschriftung), 5.1, 23);
}

inline double Mittel(const std::vector<double>& werte)
{
    return std::accumulate(werte.begin(), werte.end(), 0.0) / double(werte.size());
}

// ---- Laboratory rules --------------------------------------------------------------------------

using Kurve = std::vector<std::pair<double, double>>;

// Points of two "@"-separated rows of numbers.
inline Kurve Punkte(const std::string& x, const std::string& y)
{
    Kurve kurve;
    for (int i = 0; !x.empty() && i < StringZaehleFelderZeichen(x, '@'); ++i)
        kurve.emplace_back(StringZuDouble(StringHoleFeld(x, '@', i)),
                           StringZuDouble(StringHoleFeld(y, '@', i)));
    return kurve;
}

// The rule the grain-size reports state: sizes and passings run linearly in log size between
// consecutive printed points; nothing is read beyond them.
inline double WeiteBei(const Kurve& k, double prozent)
{
    for (size_t i = 1; i < k.size(); ++i)
        if (k[i - 1].second <= prozent && prozent <= k[i].second && k[i - 1].second < k[i].second)
            return k[i - 1].first *
                   std::pow(k[i].first / k[i - 1].first,
                            (prozent - k[i - 1].second) / (k[i].second - k[i - 1].second));
    return NAN;
}

// Everything passes above the largest point.
inline double DurchgangBei(const Kurve& k, double weite)
{
    for (size_t i = 1; i < k.size(); ++i)
        if (k[i - 1].first <= weite && weite <= k[i].first)
            return k[i - 1].second + (k[i].second - k[i - 1].second) *
                                         std::log(weite / k[i - 1].first) /
                                         std::log(k[i].first / k[i - 1].first);
    return k.empty() || weite < k.front().first ? NAN : 100;
}

// The least-squares parabola y = a0 + a1 x + a2 x² through the points, from its normal equations.
inline std::array<double, 3> Ausgleichsparabel(const Kurve& punkte)
{
    std::array<double, 5> sx{}; // sums of x^0 .. x^4
    std::array<double, 3> sy{}; // sums of y x^0 .. y x^2
    for (const auto& [x, y] : punkte)
        for (int k = 0; k < 5; ++k) {
            sx[k] += std::pow(x, k);
            if (k < 3)
                sy[k] += y * std::pow(x, k);
        }
    const auto Det = [](const std::array<std::array<double, 3>, 3>& m) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
               m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const std::array<std::array<double, 3>, 3> m = {
        {{sx[0], sx[1], sx[2]}, {sx[1], sx[2], sx[3]}, {sx[2], sx[3], sx[4]}}};
    std::array<double, 3> a{};
    for (int k = 0; k < 3; ++k) {
        auto mk = m;
        for (int z = 0; z < 3; ++z)
            mk[z][k] = sy[z];
        a[k] = Det(mk) / Det(m);
    }
    return a;
}

// DIN 18121: the water content of a dish from its tare, wet and dry mass.
inline double Wassergehalt(double tara, double feucht, double trocken)
{
    return (feucht - trocken) / (trocken - tara);
}

// DIN 18127: the dry density and the water content of the soil with a share `ue` of oversize
// grain, from those of the fraction tested.
inline double DichteMitUeberkorn(double dichte, double ue, double dichteUe)
{
    return ue > 0 ? 1 / ((1 - ue) / dichte + ue / dichteUe) : dichte;
}

inline double WasserMitUeberkorn(double w, double ue, double wUe)
{
    return ue > 0 ? (1 - ue) * w + ue * wUe : w;
}

// Dynamic viscosity of water at T °C after Poiseuille, for the Stokes and 10 °C corrections.
inline double Zaehigkeit(double t)
{
    return 0.00178 / (1 + 0.0337 * t + 0.000221 * t * t);
}

// The layer thickness in cm that a target Ev2 E needs on a subgrade of Ev2 U (MN/m²), as the
// soil-replacement chart draws it.
inline double Austauschdicke(double E, double U)
{
    return U * U * (0.00811 - 0.00002 * E) + U * (0.000008 * E * E + 0.00004 * E - 1.6804) +
           0.00001267 * E * E * E - 0.00822 * E * E + 1.68053 * E;
}

// Half up to a whole number, as the chart is read.
inline double Gerundet(double wert)
{
    return std::floor(wert + 0.5);
}

// ---- Each report recomputed from its printed raw values ----------------------------------------

// The sieve rows of a grain-size page, finest first: size and passing.
inline Kurve Siebkurve(const Druckseite& s)
{
    const Tafel siebe(s, {0, 3, 6, 8, 10});
    Kurve kurve;
    for (double z = s.Zeile("Schale") + 1; !siebe.Text(z).empty(); ++z)
        kurve.emplace_back(siebe.Zahl(z), siebe.Zahl(z, 3));
    return kurve;
}

// The water contents of the dishes of a table whose rows from `tara` on hold tare, tare + wet
// and tare + dry mass and the water content, one dish a column, as the masses give them.
inline std::vector<double> Wassergehalte(const Tafel& t, double tara)
{
    std::vector<double> w;
    for (int c = 0; c < t.Anzahl(tara); ++c) {
        w.push_back(Wassergehalt(t.Zahl(tara, c), t.Zahl(tara + 1, c), t.Zahl(tara + 2, c)));
        t.Stimmt(tara + 3, c, w.back());
    }
    return w;
}

// DIN 18123: the residues give their shares, the passing sums and, with the loss, the sample;
// the deviation from the grading range; from the curve of the sedimentation (which the chart
// draws) and the sieves, the characteristic values, the soil group after DIN 18196 (also in the
// header) and the frost class after ZTV E-StB.
inline void PruefeKornverteilung(const Druckseite& s)
{
    // Size, residue in g and in %, passing, the grading range's least and most, deviation.
    const Tafel siebe(s, {0, 3, 6, 8, 10, 12, 14, 16});
    const double schale = s.Zeile("Schale");
    const Kurve gesiebt = Siebkurve(s);
    const int anzahl = int(gesiebt.size());
    double gesamt = 0, durchgang = 0;
    for (int i = 0; i <= anzahl; ++i)
        gesamt += siebe.Zahl(schale + i, 1);
    const Tafel kopf(s, 3.5, 2);
    kopf.Stimmt(s.Zeile("Siebverlust"), 0, kopf.Zahl(s.Zeile("Einwaage")) - gesamt);
    // The pan's row first: it has no passing, and the limits' heads stand in it.
    for (int i = 0; i <= anzahl; ++i) {
        const double zeile = schale + i;
        siebe.Stimmt(zeile, 2, 100 * siebe.Zahl(zeile, 1) / gesamt);
        const double p = siebe.Zahl(zeile, 3), min = siebe.Zahl(zeile, 4);
        const double max = siebe.Zahl(zeile, 5);
        if (i > 0)
            siebe.Stimmt(zeile, 3, 100 * durchgang / gesamt);
        if (i > 0 && !std::isnan(min))
            siebe.Stimmt(zeile, 6, p < min ? p - min : p > max ? p - max : 0);
        durchgang += siebe.Zahl(zeile, 1);
    }
    // The curve: the sedimentation below the finest sieve, which the page draws but does not
    // print, then the sieves.
    const std::string diagramm = s.Protokoll().HoleSpeziellBlock5();
    Kurve kurve;
    for (const auto& p :
         Punkte(StringHoleFeld(diagramm, '|', 10), StringHoleFeld(diagramm, '|', 12)))
        if (p.first < gesiebt.at(0).first)
            kurve.insert(kurve.begin(), p);
    kurve.insert(kurve.end(), gesiebt.begin(), gesiebt.end());

    const Tafel kennwerte(s, 26.5, 3.5);
    const auto Kennwert = [&](const std::string& name) {
        const std::vector<double> zeilen = s.Zeilen(name);
        return zeilen.empty() ? NAN : zeilen.front();
    };
    // The largest grain is the first sieve that everything passes.
    EXPECT_EQ(kurve.back().second, 100.0);
    EXPECT_LT(kurve.at(kurve.size() - 2).second, 100.0);
    EXPECT_EQ(kennwerte.Text(Kennwert("Größtkorn")), siebe.Text(schale + anzahl));
    const double d10 = WeiteBei(kurve, 10), d30 = WeiteBei(kurve, 30), d60 = WeiteBei(kurve, 60);
    const double u = d60 / d10, cc = d30 * d30 / (d10 * d60);
    const double ton = DurchgangBei(kurve, 0.002), fein = DurchgangBei(kurve, 0.063);
    const double bis2 = DurchgangBei(kurve, 2), bis63 = DurchgangBei(kurve, 63);
    const std::pair<const char*, double> werte[] = {
        {"Ungleichförmigkeitszahl", u}, {"Krümmungszahl", cc},       {"Tonanteil", ton},
        {"Schluffanteil", fein - ton},  {"Sandanteil", bis2 - fein}, {"Kiesanteil", bis63 - bis2},
        {"Steinanteil", 100 - bis63}};
    for (const auto& [name, wert] : werte)
        kennwerte.Stimmt(Kennwert(name), 0, wert);
    for (int prozent : {10, 15, 17, 30, 50, 60, 85})
        kennwerte.Stimmt(Kennwert("Korngröße bei " + std::to_string(prozent) + " %"), 0,
                         WeiteBei(kurve, prozent));

    const std::string gruppe = std::string(bis2 < 60 ? "G" : "S") + (fein > 15          ? "U*"
                                                                     : fein > 5         ? "U"
                                                                     : u < 6            ? "E"
                                                                     : cc < 1 || cc > 3 ? "I"
                                                                                        : "W");
    EXPECT_EQ(kennwerte.Text(Kennwert("Bodengruppe nach DIN 18196")), gruppe);
    EXPECT_EQ(Kopfwert(s, "Bodenart"), gruppe);
    const bool fastRein = fein <= 15 - 10 * std::clamp((u - 6) / 9, 0.0, 1.0);
    EXPECT_EQ(kennwerte.Text(Kennwert("Frostempfindlichkeit")), gruppe.ends_with('*') ? "F3"
                                                                : fastRein            ? "F1"
                                                                                      : "F2");
}

// DIN 18127, the standard Proctor test in the 100 mm cylinder: water content, volume and
// densities of each compaction point, both ways to the dry density; the oversize correction; the
// optimum at the peak of the curve the diagram draws through the points; each degree's density,
// its water contents on that curve, dry side first, and its pores.
inline void PruefeProctor(const Druckseite& s)
{
    const Tafel t(s, 10, 2);
    // d1 and h1 of the cylinder, V, m1, the rammer's drop h2 and mass m2, layers, blows, largest
    // grain, oversize.
    const double geraet = s.Zeile("Versuchszylinder / Verdichtungsgerät") + 3;
    for (const auto& [spalte, wert] : std::map<int, std::string>{
             {0, "100"}, {1, "120"}, {4, "300"}, {5, "2500"}, {6, "3"}, {7, "25"}})
        EXPECT_EQ(t.Text(geraet, spalte), wert) << "cylinder table, column " << spalte;
    EXPECT_LE(t.Zahl(geraet, 8), 20);
    const double kreis = std::numbers::pi / 4 * std::pow(t.Zahl(geraet, 0) / 10, 2);
    t.Stimmt(geraet, 2, kreis * t.Zahl(geraet, 1) / 10);

    const double tara = s.Zeile("Taramasse"), w = tara + 3, zylinder = s.Zeile("Zylindermasse"),
                 hoehe = s.Zeile("Höhe der Probe"), volumen = s.Zeile("Volumen der Probe"),
                 rho = s.Zeile("Feuchtdichte"), rhoD = s.Zeile("Trockendichte");
    // The wet and the dry mass with the cylinder stand in the two rows below the volume.
    const double feuchtMitZylinder = volumen + 1, trockenMitZylinder = volumen + 2;
    const double ue = t.Zahl(s.Zeile("Überkornanteil")), wUe = t.Zahl(s.Zeile("Wassergehalt ü")),
                 dichteUe = t.Zahl(s.Zeile("Korndichte ü"));
    t.Stimmt(geraet, 9, 100 * ue);
    const std::vector<double> wasserDerSchalen = Wassergehalte(t, tara);
    const int n = int(wasserDerSchalen.size());
    // The diagram draws its curve through the points as printed.
    std::vector<double> x, y;
    for (int i = 0; i < n; ++i) {
        const auto Wert = [&](double zeile) { return t.Zahl(zeile, i); };
        const double wi = wasserDerSchalen[i];
        t.Stimmt(volumen, i, kreis * Wert(hoehe) / 10);
        const double nass = Wert(feuchtMitZylinder) - Wert(zylinder);
        const double trocken = nass / Wert(volumen) / (1 + wi);
        t.Stimmt(rho, i, nass / Wert(volumen));
        t.Stimmt(rhoD, i, trocken);
        t.Stimmt(rhoD, i, (Wert(trockenMitZylinder) - Wert(zylinder)) / Wert(volumen));
        t.Stimmt(trockenMitZylinder, i, Wert(zylinder) + nass / (1 + wi));
        t.Stimmt(s.Zeile("Trockendichte '"), i, DichteMitUeberkorn(trocken, ue, dichteUe));
        t.Stimmt(s.Zeile("Wassergehalt '"), i, WasserMitUeberkorn(wi, ue, wUe));
        x.push_back(Wert(w));
        y.push_back(Wert(rhoD));
    }

    // The curve as the diagram draws it: 320 samples of its spline through the points.
    x.push_back(0);
    y.push_back(0);
    std::vector<double> kx, ky;
    ASSERT_TRUE(SplineProctorKurve(x, y, 0, n, 320, 6, kx, ky));
    const auto gipfel = std::max_element(ky.begin(), ky.begin() + 320) - ky.begin();
    const Tafel grad(s, 10, 4), halb(s, 12, 2);
    const double dichte = s.Zeile("Proctordichte"), wasser = s.Zeile("Wassergehalt", w),
                 luft = s.Zeile("Luftporenanteil"), poren = s.Zeile("Porenanteil");
    const double rhoS = Tafel(s, 28, 2).Zahl(s.Zeile("Korndichte"));
    grad.Stimmt(dichte, 0, ky[gipfel]);
    grad.Stimmt(wasser, 0, kx[gipfel]);
    // Each degree's density rounded half up on the decimal value: 95 % of 1.910 prints 1.815.
    const int tausendstel = static_cast<int>(std::lround(1000 * grad.Zahl(dichte)));
    const int prozente[] = {100, 98, 97, 95};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(grad.Text(dichte, k),
                  StringFormat("%.3f", (prozente[k] * tausendstel + 50) / 100 / 1000.0));
        grad.Stimmt(poren, k, 1 - grad.Zahl(dichte, k) / rhoS);
    }
    // Water contents and air pores: the optimum's under "100", then two under each degree.
    const auto Kurvenwert = [&](double wi) {
        const auto k = std::clamp<long>(
            std::upper_bound(kx.begin(), kx.begin() + 320, wi) - kx.begin(), 1, 319);
        return ky[k - 1] + (ky[k] - ky[k - 1]) * (wi - kx[k - 1]) / (kx[k] - kx[k - 1]);
    };
    for (int j = 0; j <= 6; ++j) {
        const Tafel& spalten = j == 0 ? grad : halb;
        const double wj = spalten.Zahl(wasser, j), dj = grad.Zahl(dichte, (j + 1) / 2);
        spalten.Stimmt(luft, j, 1 - dj / rhoS - wj * dj);
        if (j == 0)
            continue;
        const double r = Rundung(spalten.Text(wasser, j)) + kx[1] - kx[0];
        EXPECT_LE((Kurvenwert(wj - r) - dj) * (Kurvenwert(wj + r) - dj), 0) << "degree " << j;
        EXPECT_EQ(j % 2 == 1, wj < grad.Zahl(wasser)) << "degree " << j;
    }
}

// The soil parameters, oversize correction and degree of compaction of a density page's test
// point `i` from its printed dry density and water content.
inline void PruefeBodenkennwerte(const Druckseite& s, const Tafel& t, int i, double dichte,
                                 double w)
{
    const auto Wert = [&](const char* zeile) { return t.Zahl(s.Zeile(zeile), i); };
    const auto Stimmt = [&](const char* zeile, double wert) { t.Stimmt(s.Zeile(zeile), i, wert); };
    const double rhoS = Wert("Korndichte");
    Stimmt("Porenanteil", 1 - dichte / rhoS);
    Stimmt("Luftporenanteil", 1 - dichte / rhoS - w * dichte);
    Stimmt("Wasserporenanteil", w * dichte);
    Stimmt("Porenzahl", rhoS / dichte - 1);
    Stimmt("Sättigungszahl", w * rhoS / (rhoS / dichte - 1));
    const double ue = Wert("Überkornanteil");
    Stimmt("Proctordichte '", DichteMitUeberkorn(Wert("Proctordichte"), ue, Wert("Korndichte ü")));
    Stimmt("optimaler Wassergehalt '",
           WasserMitUeberkorn(Wert("optimaler Wassergehalt"), ue, Wert("Wassergehalt ü")));
    Stimmt("Verdichtungsgrad", 100 * dichte / Wert("Proctordichte '"));
}

// DIN 18125-2: the water content from its dish, the hole's volume by the method the subtitle
// names, the wet and dry density of the soil taken out; then the soil parameters.
inline void PruefeVerdichtung(const Druckseite& s)
{
    constexpr double kBallonbohrung = 12; // cm, the balloon cylinder's bore
    constexpr double kKreis = std::numbers::pi / 4;
    using Volumen = double (*)(double, double, double);
    const std::pair<const char*, Volumen> verfahren[] = {
        {" durch Ausmessen", [](double l, double b, double h) { return l * b * h; }},
        {" mit Ausstechzylinder", [](double d, double h, double) { return kKreis * d * d * h; }},
        {" durch Ballonverfahren",
         [](double l0, double l1, double ausgleich) {
             return (l1 - l0) * kKreis * kBallonbohrung * kBallonbohrung + ausgleich;
         }},
        {" durch Ersatzverfahren",
         [](double dichte, double masse, double) { return masse / dichte; }},
    };
    const auto methode = std::ranges::find_if(verfahren, [&](const auto& v) {
        return !s.Zeilen(std::string("Bestimmung der Dichte des Bodens") + v.first).empty();
    });
    ASSERT_NE(methode, std::end(verfahren)) << "no method of volume measurement";
    const Tafel t(s, 10, 4);
    // The soil taken out: its tare, and tare and soil in the row below.
    const double probe = s.Zeile("Taramasse", s.Zeile("Bodenprobe"));
    const double abmessungen = s.Zeile("Bestimmung des Volumens");
    const double tara = s.Zeile("Taramasse"), volumen = s.Zeile("Volumen"),
                 rho = s.Zeile("Feuchtdichte"), rhoD = s.Zeile("Trockendichte");
    const std::vector<double> wasser = Wassergehalte(t, tara);
    for (int i = 0; i < int(wasser.size()); ++i) {
        const auto Wert = [&](double zeile) { return t.Zahl(zeile, i); };
        const double v =
            methode->second(Wert(abmessungen + 1), Wert(abmessungen + 2), Wert(abmessungen + 3));
        const double feucht = (Wert(probe + 1) - Wert(probe)) / v;
        t.Stimmt(volumen, i, v);
        t.Stimmt(rho, i, feucht);
        t.Stimmt(rhoD, i, feucht / (1 + wasser[i]));
        PruefeBodenkennwerte(s, t, i, feucht / (1 + wasser[i]), wasser[i]);
    }
}

// The gauge reads two of water content, wet and dry density three times each: their means are
// results, and the third follows from them.
inline void PruefeTroxler(const Druckseite& s)
{
    const Tafel t(s, 10, 4);
    const double w = s.Zeile("Wassergehalt"), rho = s.Zeile("Feuchtdichte"),
                 rhoD = s.Zeile("Trockendichte");
    const std::pair<const char*, double> ablesungen[] = {{"Bestimmung des Wassergehaltes", w},
                                                         {"Bestimmung der Feuchtdichte", rho},
                                                         {"Bestimmung der Trockendichte", rhoD}};
    for (int i = 0; i < t.Anzahl(w); ++i) {
        const auto Wert = [&](double zeile) { return t.Zahl(zeile, i); };
        // The means of the readings, by the row of their result.
        std::map<double, double> mittel;
        for (const auto& [kopf, ergebnis] : ablesungen)
            for (double k : s.Zeilen(kopf))
                mittel[ergebnis] = (Wert(k + 1) + Wert(k + 2) + Wert(k + 3)) / 3;
        EXPECT_EQ(mittel.size(), 2u);
        if (!mittel.contains(rho))
            mittel[rho] = mittel[rhoD] * (1 + mittel[w]);
        if (!mittel.contains(rhoD))
            mittel[rhoD] = mittel[rho] / (1 + mittel[w]);
        if (!mittel.contains(w))
            mittel[w] = mittel[rho] / mittel[rhoD] - 1;
        for (const auto& [zeile, wert] : mittel)
            t.Stimmt(zeile, i, wert);
        PruefeBodenkennwerte(s, t, i, mittel[rhoD], mittel[w]);
    }
}

// TP BF-StB B 8.3: the mean of three settlements gives Evd = 1.5 r σ / s, σ the normal stress of
// the drop weight under the plate.
inline void PruefeDynPlatte(const Druckseite& s)
{
    const std::map<std::string, double> spannung = {{"10", 0.1}, {"15", 0.15}}; // kg: MN/m²
    const Tafel geraet(s, 5.2, 1.8), punkte(s, 5, 5);
    const auto sigma = spannung.find(geraet.Text(s.Zeile("Fallgewicht")));
    ASSERT_NE(sigma, spannung.end()) << "drop weight " << geraet.Text(s.Zeile("Fallgewicht"));
    const double radius = geraet.Zahl(s.Zeile("Plattendurchmesser")) / 2;
    // Each block of five points: S1 to S3 above the mean, Evd below it.
    for (double mittel : s.Zeilen("S  i.M."))
        for (int j = 0; j < punkte.Anzahl(mittel); ++j) {
            const auto Wert = [&](double zeile) { return punkte.Zahl(zeile, j); };
            const double setzung = (Wert(mittel - 3) + Wert(mittel - 2) + Wert(mittel - 1)) / 3;
            punkte.Stimmt(mittel, j, setzung);
            punkte.Stimmt(mittel + 1, j, 1.5 * radius * sigma->second / setzung);
        }
}

// DIN 18134: each loading branch fitted by the least-squares parabola through its starting
// point; Ev = 1.5 r / (a1 + a2 σmax) with the first loading's highest stress.
inline void PruefePlattendruck(const Druckseite& s)
{
    const Tafel geraet(s, 5.2, 10), tabelle(s, 0, 2); // stress, s, s * Ü
    const double uebersetzung = geraet.Zahl(s.Zeile("Übersetzungsfaktor   Ü"));
    const double radius = geraet.Zahl(s.Zeile("Plattendurchmesser")) / 2;
    // A branch's rows run from below its caption to the last printed; settlements in mm.
    const auto Ast = [&](const char* titel) {
        Kurve ast;
        for (double z = s.Zeile(titel) + 1; !tabelle.Text(z).empty(); ++z) {
            tabelle.Stimmt(z, 2, tabelle.Zahl(z, 1) * uebersetzung);
            ast.emplace_back(tabelle.Zahl(z), tabelle.Zahl(z, 2) / 100);
        }
        return ast;
    };
    const Kurve erst = Ast("Erstbelastung"), ent = Ast("Entlastung");
    Kurve zweit = Ast("Zweitbelastung");
    ASSERT_FALSE(erst.empty() || ent.empty() || zweit.empty());
    zweit.insert(zweit.begin(), {0, ent.back().second});
    const double kopf = s.Zeile("a0"), hoechste = erst.back().first;
    const Tafel koeffizienten(s, 8, 3), ev(s, 17, 2);
    std::vector<double> module;
    for (const auto& [ast, zeile] : {std::pair{erst, kopf + 1}, {zweit, kopf + 2}}) {
        const std::array<double, 3> a = Ausgleichsparabel(ast);
        for (int k = 0; k < 3; ++k)
            koeffizienten.Stimmt(zeile, k, a[k]);
        module.push_back(1.5 * radius / (a[1] + a[2] * hoechste));
        ev.Stimmt(zeile, 0, module.back());
    }
    Tafel(s, 21, 2).Stimmt(kopf + 1.5, 0, module[1] / module[0]);
}

// DIN 18122: the flow line over log N read at 25 blows; the plastic limit and the natural water
// content as means; the fines' water content without the oversize grain; the indices; the soil
// group from the plasticity chart and the state from Ic, both in the header.
inline void PruefeZustandsgrenzen(const Druckseite& s)
{
    const double tara = s.Zeile("mT (Taramasse)"), roll = s.Zeile("mT (Taramasse)", tara);
    const Tafel fliess(s, 5, 2), natur(s, 24, 2), index(s, 26, 4), breit(s, 24, 6);
    const std::vector<double> w = Wassergehalte(fliess, tara);
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double n = double(w.size());
    for (size_t c = 0; c < w.size(); ++c) {
        const double x = std::log10(fliess.Zahl(tara + 4, int(c)));
        sx += x, sy += w[c], sxx += x * x, sxy += x * w[c];
    }
    const double steigung = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double wl = s.Zeile("Fließgrenze"), wp = s.Zeile("Ausrollgrenze"),
                 wnat = s.Zeile("nat. Wassergehalt"), ip = s.Zeile("Plastizitätszahl"),
                 ic = s.Zeile("Konsistenzzahl");
    const double fliessgrenze = (sy - steigung * sx) / n + steigung * std::log10(25.0);
    const double ausrollgrenze = Mittel(Wassergehalte(fliess, roll));
    const double plastizitaet = fliessgrenze - ausrollgrenze;
    index.Stimmt(wl, 0, fliessgrenze);
    index.Stimmt(wp, 0, ausrollgrenze);
    const double natuerlich = Mittel(Wassergehalte(natur, tara));
    breit.Stimmt(tara + 4, 0, natuerlich);
    index.Stimmt(wnat, 0, natuerlich);
    index.Stimmt(ip, 0, plastizitaet);
    // Below its heading: dry mass, mass and water content of the grains above 0.4 mm, their
    // share, the water content of the rest.
    const double ue = s.Zeile("Überkorn [<25%]");
    const double anteil = natur.Zahl(ue + 2) / natur.Zahl(ue + 1);
    const double feinanteil = (natuerlich - anteil * natur.Zahl(ue + 3)) / (1 - anteil);
    const double konsistenz = (fliessgrenze - feinanteil) / plastizitaet;
    natur.Stimmt(ue + 4, 0, anteil);
    breit.Stimmt(ue + 5, 0, feinanteil);
    index.Stimmt(ic, 0, konsistenz);
    index.Stimmt(s.Zeile("Liquiditätszahl"), 0, 1 - konsistenz);
    // DIN 18196: clays above the A-line, light, medium and highly plastic by wl.
    EXPECT_EQ(Kopfwert(s, "Bodenart"),
              std::string(plastizitaet >= 0.73 * (fliessgrenze - 0.20) ? "T" : "U") +
                  (fliessgrenze < 0.35    ? "L"
                   : fliessgrenze <= 0.50 ? "M"
                                          : "A"));
    EXPECT_EQ(Kopfwert(s, "Bodenzustand"), konsistenz < 0      ? "flüssig"
                                           : konsistenz < 0.5  ? "breiig"
                                           : konsistenz < 0.75 ? "weich"
                                           : konsistenz < 1    ? "steif"
                                           : konsistenz < 1.25 ? "halbfest"
                                                               : "fest");
}

// DIN 18121: each partial sample's water content from its masses, and their mean.
inline void PruefeWassergehalt(const Druckseite& s)
{
    const Tafel t(s, {17.4, 20.4, 23.6, 26.8, 30}); // tare, wet, dry, water content
    // The samples' rows lie 1.8 apart below the heads; their values hang half a row below.
    std::vector<double> w;
    for (double z = s.Zeile("Taramasse") + 2.5; !t.Text(z).empty(); z += 1.8) {
        w.push_back(Wassergehalt(t.Zahl(z), t.Zahl(z, 1), t.Zahl(z, 2)));
        t.Stimmt(z, 3, w.back());
    }
    t.Stimmt(s.Zeile("Mittelwert:"), 3, Mittel(w));
}

// The pycnometer: ρ = (m2 − m1) / (V − (m3 − m2) / ρw) of each partial test, and their mean.
inline void PruefeKorndichte(const Druckseite& s)
{
    const Tafel t(s, 12.5, 3.5);
    const double m1 = s.Zeile("Masse Kolben"), v = s.Zeile("Volumen Kolben"),
                 wasser = s.Zeile("Dichte des Wassers bei c"), m2 = s.Zeile("Masse Kolben + Probe"),
                 m3 = s.Zeile("Masse Kolben + Probe + Prüfflüssigkeit"),
                 rho = s.Zeile("Rohdichte (Teilversuch)");
    std::vector<double> dichten;
    for (int j = 0; j < t.Anzahl(m1); ++j) {
        const auto Wert = [&](double zeile) { return t.Zahl(zeile, j); };
        dichten.push_back((Wert(m2) - Wert(m1)) / (Wert(v) - (Wert(m3) - Wert(m2)) / Wert(wasser)));
        t.Stimmt(rho, j, dichten.back());
    }
    Tafel(s, 12.5, 17.5).Stimmt(s.Zeile("Rohdichte"), 0, Mittel(dichten));
}

// DIN 18128: the mass lost on ignition of each crucible and its share, and their mean.
inline void PruefeGluehverlust(const Druckseite& s)
{
    const Tafel t(s, 12.5, 3.5);
    const double m1 = s.Zeile("Masse Tiegel"), m2 = s.Zeile("Masse Tiegel + ungeglühte Probe"),
                 m3 = s.Zeile("Masse Tiegel + geglühte Probe"), m4 = s.Zeile("Masseverlust"),
                 verlust = s.Zeile("Glühverlust (Teilversuch)");
    std::vector<double> verluste;
    for (int j = 0; j < t.Anzahl(m1); ++j) {
        const double masseverlust = t.Zahl(m2, j) - t.Zahl(m3, j);
        verluste.push_back(masseverlust / (t.Zahl(m2, j) - t.Zahl(m1, j)));
        t.Stimmt(m4, j, masseverlust);
        t.Stimmt(verlust, j, verluste.back());
    }
    Tafel(s, 19.5, 3.5).Stimmt(s.Zeile("Glühverlust Mittelwert"), 0, Mittel(verluste));
}

// DIN 18129, gas volumetric: the gas volumes at normal conditions, carbonate and calcite from
// them, the shares and lime content of each part sample, and their mean.
inline void PruefeKalkgehalt(const Druckseite& s)
{
    constexpr double kKarbonatJeGas = 100.09 / 22414; // g CaCO3 per cm³ CO2 at normal conditions
    const Tafel t(s, 14, 2.8);
    const double trocken = s.Zeile("Trockenmasse"), karbonat = s.Zeile("Masse Karbonat"),
                 kalzit = s.Zeile("Masse Kalzit"), anteil = s.Zeile("Kalzitanteil"),
                 gehalt = s.Zeile("Kalkgehalt");
    // The gas volume after 30 s stands between carbonate and calcite.
    const double gas30 = karbonat + 1;
    std::vector<double> gehalte;
    for (int j = 0; j < t.Anzahl(trocken); ++j) {
        const auto Wert = [&](double zeile) { return t.Zahl(zeile, j); };
        const double normal = Wert(s.Zeile("abs. Luftdruck")) / 101.325 * 273.15 /
                              (273.15 + Wert(s.Zeile("Temperatur")));
        const double gas = Wert(s.Zeile("Ablesung nach Versuchsende")) * normal;
        const double gasNach30s = Wert(s.Zeile("Ablesung nach 30 s")) * normal;
        const double kalzitanteil = gasNach30s / gas;
        gehalte.push_back(100 * gas * kKarbonatJeGas / Wert(trocken));
        t.Stimmt(s.Zeile("Volumen des Gases"), j, gas);
        t.Stimmt(karbonat, j, gas * kKarbonatJeGas);
        t.Stimmt(gas30, j, gasNach30s);
        t.Stimmt(kalzit, j, gasNach30s * kKarbonatJeGas);
        t.Stimmt(anteil, j, kalzitanteil);
        t.Stimmt(s.Zeile("Dolomitanteil"), j, 1 - kalzitanteil);
        t.Stimmt(gehalt, j, gehalte.back());
    }
    Tafel(s, 14, 14).Stimmt(s.Zeile("Kalkgehalt ( i.M.)"), 0, Mittel(gehalte));
}

// DIN 18123: R + CT gives the mass share, R the depth from which grains of size d have sunk in
// the time read (Stokes); atot carries a to the whole sample by the share the remark names.
inline void PruefeSedimentation(const Druckseite& s)
{
    constexpr double kSkala = 35; // the hydrometer's scale reads R from 0 at its top to 35
    const Tafel links(s, 12.5, 3.5), rechts(s, 26.5, 3.5);
    const auto Links = [&](const char* zeile) { return links.Zahl(s.Zeile(zeile)); };
    const auto Rechts = [&](const char* zeile) { return rechts.Zahl(s.Zeile(zeile)); };
    const double az = Links("Querschnittsfläche Zylinder"),
                 va = Links("Volumen der Aräometerbirne"),
                 cm = Links("Aräometer-Miniskuskorrektur"), rhoS = Links("Korndichte"),
                 h = Rechts("Länge Tauchkörper"), skala = Rechts("Länge Skala"),
                 h0 = Rechts("Abst. Tauchkörper bis Skala"), md = Rechts("Trockenmasse");
    const std::string bemerkung = "atot = a · ";
    const double gesamt = StringZuDouble(s.Beginnend(bemerkung).substr(bemerkung.size()));
    // Hours, minutes, R', R, T, d, CT, R + CT, a, atot.
    const Tafel t(s, {0, 1.8, 3.6, 6, 9, 12.5, 16, 19.5, 23, 26.5, 30});
    for (double z = s.Zeile("Stunden") + 1; !t.Text(z).empty(); ++z) {
        const auto Wert = [&](int spalte) { return t.Zahl(z, spalte); };
        const double a = 100 * rhoS / (rhoS - 1) * (Wert(2) + cm + Wert(6)) / md;
        t.Stimmt(z, 3, Wert(2) + cm);
        t.Stimmt(z, 7, Wert(3) + Wert(6));
        t.Stimmt(z, 8, a);
        t.Stimmt(z, 9, a * gesamt);
        const double tiefe = h0 + skala * (kSkala - Wert(3)) / kSkala + (h - va / az) / 2;
        const double sekunden = 60 * (60 * Wert(0) + Wert(1));
        t.Stimmt(z, 5,
                 1000 * std::sqrt(18 * Zaehigkeit(Wert(4)) * tiefe / 100 /
                                  ((rhoS - 1) * 1000 * 9.81 * sekunden)));
    }
}

// DIN 18130, falling head: k = a l / (A t) ln(h1 / h2) at the test's temperature, brought to
// 10 °C by the water's viscosity; the result is the mean. The specimen's pores and water
// contents hold together.
inline void PruefeDurchlaessigkeit(const Druckseite& s)
{
    const Tafel kennwerte(s, 16.8, 4.2), kopf(s, 21, 4.2);
    // The specimen's density stands below its grain density.
    const double korn = s.Zeile("Korndichte");
    const double rhoS = kennwerte.Zahl(korn),
                 w = kennwerte.Zahl(s.Zeile("Wassergehalt vor dem Versuch"));
    const double trocken = kennwerte.Zahl(korn + 1) / (1 + w);
    kennwerte.Stimmt(s.Zeile("Porenanteil des Probekörpers"), 0, 1 - trocken / rhoS);
    const double danach = kennwerte.Zahl(s.Zeile("Wassergehalt nach dem Versuch"));
    EXPECT_LT(w, danach);
    EXPECT_LE(danach, (1 - trocken / rhoS) / trocken) << "above saturation";
    const double a = kopf.Zahl(s.Zeile("Standrohrquerschnitt")),
                 l = kopf.Zahl(s.Zeile("durchströmte Länge")),
                 flaeche = kopf.Zahl(s.Zeile("Querschnittsfläche"));
    // Minutes, seconds, h1, h2, T, the factor for 10 °C, k10.
    const Tafel t(s, 0, 4.2);
    const double einheiten = s.Zeile("[ min ]");
    std::vector<double> k;
    for (double z = einheiten + 1; !t.Text(z, 6).empty(); ++z) {
        const double faktor = Zaehigkeit(t.Zahl(z, 4)) / Zaehigkeit(10);
        k.push_back(faktor * a * l / (flaeche * (60 * t.Zahl(z) + t.Zahl(z, 1))) *
                    std::log(t.Zahl(z, 2) / t.Zahl(z, 3)) / 100);
        t.Stimmt(z, 5, faktor);
        t.Stimmt(z, 6, k.back());
        // The standpipe falls on from one reading to the next.
        if (z > einheiten + 1) {
            EXPECT_EQ(t.Text(z, 2), t.Text(z - 1, 3)) << "reading in row " << z;
        }
    }
    // The result stands below the sixteen reading rows.
    Tafel(s, 25.2, 4.8).Stimmt(einheiten + 17, 0, Mittel(k));
}

// The binder per cubic metre from the Proctor density, and the water up to the optimum.
inline void PruefeBindemittel(const Druckseite& s)
{
    const Tafel links(s, 5.2, 1.8), rechts(s, 26.2, 1.8);
    const double dichte = links.Zahl(s.Zeile("Proctordichte"));
    const std::vector<double> zugabe = s.Zeilen("Bindemittelzugabe"); // %, then kg/m³
    ASSERT_EQ(zugabe.size(), 2u);
    links.Stimmt(zugabe[1], 0, dichte * 1000 * links.Zahl(zugabe[0]) / 100);
    links.Stimmt(s.Zeile("Wasserzugabe"), 0,
                 (links.Zahl(s.Zeile("wopt")) - rechts.Zahl(s.Zeile("wnat"))) * dichte * 1000);
}

// The soil-replacement chart read to the whole unit: the thickness the required Ev2 needs on the
// subgrade, the Ev2 the planned thickness reaches, the subgrade the planned thickness needs.
inline void PruefeBodenaustausch(const Druckseite& s)
{
    const Tafel links(s, 5.2, 1.8), rechts(s, 26.2, 1.8);
    const double unterlage = links.Zahl(s.Zeile("Ev2")),
                 soll = rechts.Zahl(s.Zeile("geforderter Ev2 - Wert")),
                 geplant = rechts.Zahl(s.Zeile("geplante Einbaustärke"));
    // Each conclusion's result follows its opening words.
    const auto Ergebnis = [&](const std::string& anfang) {
        ++s.verglichen;
        return StringZuDouble(s.Beginnend(anfang).substr(anfang.size()));
    };
    EXPECT_EQ(Ergebnis("wäre eine Einbaustärke von"), Gerundet(Austauschdicke(soll, unterlage)));
    const double ev2 = Ergebnis("wäre ein Ev2-Wert von");
    EXPECT_LE(Austauschdicke(ev2, unterlage), geplant);
    EXPECT_GT(Austauschdicke(ev2 + 1, unterlage), geplant);
    const double noetig = Ergebnis("wäre ein Ev2 - Wert der Unterlage von");
    EXPECT_GE(Gerundet(Austauschdicke(soll, noetig)), geplant);
    EXPECT_LT(Gerundet(Austauschdicke(soll, noetig + 1)), geplant);
}

// The sieve columns of the filter rule: size and passing of soil, filter 1 and filter 2.
struct Filtersiebe
{
    explicit Filtersiebe(const Druckseite& s) : spalten(s, 0, 2.8), kopf(s.Zeile("D-Summe")) {}
    // The sieve rows start a tenth of a row below the heads.
    Kurve Material(int m) const
    {
        Kurve kurve;
        for (double z = kopf + 1.1; !spalten.Text(z, 2 * m).empty(); ++z)
            kurve.emplace_back(spalten.Zahl(z, 2 * m), spalten.Zahl(z, 2 * m + 1));
        return kurve;
    }
    Tafel spalten;
    double kopf;
};

// Terzaghi: d15, d50 and d85 of each material read from its printed sieve columns by the
// grain-size reports' rule; A = 4 d15 and A' = 4 d85; each criterion as the printed values decide.
inline void PruefeFilterregel(const Druckseite& s)
{
    const Filtersiebe siebe(s);
    const Tafel kennwerte(s, 20.5, 2.8), urteil(s, 22.9, 2.8);
    // d15, d50 and d85 stand four to two rows above A.
    const double a = s.Zeile("A = d");
    for (int m = 0; m < 3; ++m) {
        for (const auto& [zeile, prozent] : {std::pair{a - 4, 15}, {a - 3, 50}, {a - 2, 85}})
            kennwerte.Stimmt(zeile, m, WeiteBei(siebe.Material(m), prozent));
        kennwerte.Stimmt(a, m, 4 * kennwerte.Zahl(a - 4, m));
        kennwerte.Stimmt(a + 1, m, 4 * kennwerte.Zahl(a - 2, m));
    }
    // Soil against filter 1, filter 1 against filter 2; each result two rows below its caption.
    const std::vector<double> sperr = s.Zeilen("Sperrbed."), durchfluss = s.Zeilen("Durchfl.");
    ASSERT_EQ(sperr.size(), 2u);
    ASSERT_EQ(durchfluss.size(), 2u);
    for (int m = 0; m < 2; ++m) {
        const double d15 = kennwerte.Zahl(a - 4, m + 1);
        const auto Urteil = [](bool erfuellt) { return erfuellt ? "erfüllt" : "nicht erfüllt"; };
        EXPECT_EQ(urteil.Text(sperr[m] + 2), Urteil(kennwerte.Zahl(a + 1, m) >= d15));
        EXPECT_EQ(urteil.Text(durchfluss[m] + 2), Urteil(kennwerte.Zahl(a, m) <= d15));
    }
}

} // namespace nachrechnung
