// The pages of the filter-rule proof and of the permeability test.

#include "data/textfunktionen.h"
#include "diagrams/kornverteilungsdiagramm.h"
#include "diagrams/marker.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "platform/exceptions.h"
#include "report/druckvorlagen.h"
#include "report/protokolldruck.h"
#include "report/versuchstypen.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// ---- Filter rule --------------------------------------------------------------------------------

constexpr std::array<double, 12> kFilterX{0,    2.8,  5.6,  8.4,  11.2, 14.0,
                                          16.8, 17.3, 19.6, 22.9, 25.7, 30.0};
constexpr double kKennwertSpalte = 17.3;
constexpr int kSiebe = 21;
// Rows of the data text: characteristic sizes of soil, filter 1, filter 2; the criteria results.
constexpr int kBodenZeile = 6;
constexpr int kNameZelle = 6;
constexpr int kErgebnisZeile = 14;
constexpr int kAnzeigenZeile = 9;
// Legend samples end 8 mm inside their column pair.
constexpr int kLegendenEinzug = 800;

void ZeichneFilterDiagramm(CProtokollDruck& druck, CDC& dc, const std::string& diagramm)
{
    CSeitenAbbildung& a = druck.Abbildung;
    a.SetzeUrsprung(0, 16.9);
    const CPen kurvenStift(PS_SOLID, 20, RGB(0, 0, 0));
    a.Rechteck(0, 0.27, 30, 20.1);
    const RECT rechteck{a.TransformiereX(3.0), a.TransformiereY(2.27), a.TransformiereX(29.0),
                        a.TransformiereY(17.1)};
    ZeichneKornverteilungsDiagramm(dc, rechteck, diagramm, druck.Texte, kurvenStift,
                                   druck.Stifte[4], druck.Schriften[0], druck.Schriften[6], false);

    if (StringHoleFeld(diagramm, '|', 9).empty())
        return;
    a.SetzeUrsprung(0, 38.5);
    for (int i = 0; i < 3; ++i) {
        const POINT von = a.Transformiere(kFilterX[2 * i], 0);
        const POINT bis = a.Transformiere(kFilterX[2 * i + 2], 0);
        ZeichneLegendenEintrag(dc, i, RGB(0, 0, 0), von.x + kLegendenEinzug, von.y,
                               bis.x - kLegendenEinzug, bis.y, 100);
    }
}

// The two criteria of one pair of materials: the coarser's d85 and d15 (times 4) against the
// finer's d15, with the results the data text holds.
CDruckDaten Kriterien(const CDruckDaten& tabelle, int grob, const std::string& grobName,
                      const std::string& feinName, int ergebnis)
{
    const int fein = grob + 1;
    const std::string zeilen[6][4] = {
        {"Sperrbed.", "d85<t>" + grobName + "<n>*4", ">=", "d15<t>" + feinName},
        {"", tabelle.GetText(grob, 5), ">=", tabelle.GetText(fein, 0)},
        {"", "", tabelle.GetText(kErgebnisZeile, ergebnis), ""},
        {"Durchfl.", "d15<t>" + grobName + "<n>*4", "<=", "d15<t>" + feinName},
        {"", tabelle.GetText(grob, 4), "<=", tabelle.GetText(fein, 0)},
        {"", "", tabelle.GetText(kErgebnisZeile, ergebnis + 1), ""},
    };
    CDruckDaten kriterien;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c)
            kriterien.SetzeZellText(6 + r, c, zeilen[r][c]);
    return kriterien;
}

// ---- Permeability -------------------------------------------------------------------------------

constexpr std::array<double, 6> kKennwertX{0, 8.4, 12.6, 16.8, 21.0, 25.2};
constexpr std::array<double, 8> kAblesungX{0, 4.2, 8.4, 12.6, 16.8, 21.0, 25.2, 30.0};
constexpr int kKennwertZeilen = 11;
constexpr int kAblesungsZeilen = 24;
constexpr int kErsteAblesung = 18;
constexpr int kAblesungen = 16;

void FuelleDurchlaessigkeitsRaster(CPPDruckDaten& raster, const CDruckDaten& tabelle)
{
    for (int i = 0; i <= 9; ++i)
        raster.SetzeText(i + 1, 2, tabelle.GetText(i, 0));
    raster.SetzeText(11, 3, tabelle.GetText(10, 0));
    for (int k = 1; k <= 3; ++k)
        raster.SetzeText(11 + k, 4, tabelle.GetText(10, k));
    raster.UebernehmeDruckDaten(kErsteAblesung, 0, kAblesungen, 7, tabelle, 11);
    raster.SetzeText(34, 6, tabelle.GetText(27, 0));
}

// Points that share an x with their predecessor move 0.02 to the right, one after the other.
void TrenneGleicheX(std::vector<double>& x)
{
    for (std::size_t i = 1; i < x.size(); ++i)
        if (x[i] == x[i - 1])
            x[i] += 0.02;
}

std::vector<double> Werte(const std::string& zeile, int anzahl)
{
    std::vector<double> werte;
    for (int i = 0; i < anzahl; ++i)
        werte.push_back(StringZuDouble(StringHoleFeld(zeile, '@', i)));
    return werte;
}

std::optional<int> Gekuerzt(double wert)
{
    if (!std::isfinite(wert) || wert < std::numeric_limits<int>::min() ||
        wert > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(std::trunc(wert));
}

} // namespace

void CWasserdlkbAchsen::Setze(RECT rechteck, double xMinimum, double xMaximum, double yMinimum,
                              double yMaximum)
{
    links = rechteck.left;
    oben = rechteck.top;
    rechts = rechteck.right;
    unten = rechteck.bottom;
    xMin = xMinimum;
    xMax = xMaximum;
    yMin = yMinimum;
    yMax = yMaximum;
    xMassstab = (rechts - links) / (xMax - xMin);
    yMassstabLinear = (oben - unten) / (yMax - yMin);
    log10YMin = std::log10(yMin);
    log10YMax = std::log10(yMax);
    yMassstabLog = (oben - unten) / (log10YMax - log10YMin);
}

std::optional<int> CWasserdlkbAchsen::GeraetX(double x) const
{
    return Gekuerzt((x - xMin) * xMassstab + links);
}

std::optional<int> CWasserdlkbAchsen::GeraetY(double y) const
{
    return Gekuerzt((std::log10(y) - log10YMin) * yMassstabLog + unten);
}

void CV_Terzaghi::DruckeNachweis(CProtokollDruck& druck, CDC& dc, RECT,
                                 const std::string& tabellenText, const std::string& diagramm,
                                 const std::string& titel, CPPDruckDaten& raster)
{
    const CDruckDaten tabelle = BeginneSeitenkoerper(druck, dc, tabellenText, titel, true);
    CSeitenAbbildung& a = druck.Abbildung;
    ZeichneFilterDiagramm(druck, dc, diagramm);

    for (int m = 0; m < 3; ++m)
        raster.SetzeText(1, 2 * m, tabelle.GetText(kBodenZeile + m, kNameZelle));
    a.SetzeUrsprung(0, 39.5);
    druck.ZeichneTabelle(&raster, kFilterX.data(), 0, 6, 3, true);
    a.SetzeUrsprung(0, 42.6);
    const CDruckDatenInv siebe(tabellenText);
    druck.ZeichneTabelle(&siebe, kFilterX.data(), 0, 6, kSiebe, true);

    a.SetzeUrsprung(kKennwertSpalte, 39.5);
    druck.ZeichneTabelle(&raster, kFilterX.data(), 3, 4, 3, true);
    raster.SetzeText(kAnzeigenZeile, 0, "");
    for (int k = 0; k <= 5; ++k)
        for (int m = 1; m <= 3; ++m)
            raster.SetzeText(6 + k, m, k == 3 ? "" : tabelle.GetText(5 + m, k));
    a.SetzeUrsprung(kKennwertSpalte, 42.6);
    druck.ZeichneTabelle(&raster, kFilterX.data(), 6, 4, 6, true);

    const CDruckDaten bodenFilter1 = Kriterien(tabelle, kBodenZeile, "Boden", "Filter 1", 0);
    a.SetzeUrsprung(kKennwertSpalte, 50.6);
    druck.ZeichneTabelle(&bodenFilter1, kFilterX.data(), 6, 4, 6, true);
    const CDruckDaten filter1Filter2 =
        Kriterien(tabelle, kBodenZeile + 1, "Filter 1", "Filter 2", 2);
    a.SetzeUrsprung(kKennwertSpalte, 57.6);
    druck.ZeichneTabelle(&filter1Filter2, kFilterX.data(), 6, 4, 6, true);
}

void CV_Wasserdlkb::DruckeTabelle(CProtokollDruck& druck, CV_Wasserdlkb& versuch, CDC& dc, RECT,
                                  const std::string& tabellenText, const std::string&,
                                  const std::string& titel, CPPDruckDaten& raster)
{
    if (raster.AnzahlZeilen() == kKennwertZeilen)
        raster.LadeZeilenAusVorlage(HoleDruckvorlage(versuch.Untertyp <= 1 ? 5106 : 5107), 40101, 8,
                                    kAblesungsZeilen);
    const CDruckDaten tabelle = BeginneSeitenkoerper(druck, dc, tabellenText, titel, true);
    FuelleDurchlaessigkeitsRaster(raster, tabelle);

    CSeitenAbbildung& a = druck.Abbildung;
    a.SetzeUrsprung(0, 17);
    druck.ZeichneTabelle(&raster, kKennwertX.data(), 0, 5, kKennwertZeilen, true);
    a.SetzeUrsprung(0, 28.5);
    druck.ZeichneTabelle(&raster, kAblesungX.data(), kKennwertZeilen, 7, kAblesungsZeilen, true);

    a.SetzeUrsprung(0, 53);
    dc.SelectObject(druck.Stifte[1]);
    a.Rechteck(0, 0, 30, 10.5);
    const RECT rechteck{a.TransformiereX(3.5), a.TransformiereY(1.0), a.TransformiereX(29.0),
                        a.TransformiereY(7.5)};
    versuch.DruckeDiagramm(dc, rechteck, druck.Texte, druck.Stifte[1], druck.Stifte[0],
                           druck.Schriften[0], druck.Schriften[6], false);
}

void CV_Wasserdlkb::DruckeDiagramm(CDC& dc, RECT r, const CTextKatalog& katalog,
                                   const CPen& rahmenStift, const CPen& gitterStift,
                                   const CFont& schrift, const CFont& senkrechteSchrift, bool) const
{
    const CDruckDaten daten(HoleSpeziellBlock5());
    const std::string xZeile = daten.GetZeile(0);
    const std::string yZeile = daten.GetZeile(1);
    const int xStriche = StringZaehleFelderZeichen(xZeile, '@');
    const int yStriche = StringZaehleFelderZeichen(yZeile, '@');
    const int punkte = StringZaehleFelderZeichen(daten.GetZeile(2), '@');
    if (StringZaehleFelderZeichen(daten.GetZeile(3), '@') < punkte)
        throw CInvalidArgException("Durchlässigkeitsdiagramm: weniger y- als x-Werte");
    const std::vector<double> xWerte = Werte(xZeile, xStriche);
    const std::vector<double> yWerte = Werte(yZeile, yStriche);
    CWasserdlkbAchsen achsen;
    achsen.Setze(r, xWerte.front(), xWerte.back(), yWerte.front(), yWerte.back());

    dc.SelectObject(rahmenStift);
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right, r.top);
    dc.LineTo(r.right, r.bottom);
    dc.LineTo(r.left, r.bottom);
    dc.LineTo(r.left, r.top);

    dc.SelectObject(schrift);
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    const bool zeitachse = daten.GetZeile(4) == "1";
    dc.TextOut(r.right, r.bottom - 800,
               zeitachse ? katalog.HoleText("DIA_ACHS_BESCHR_WASSDLK", 2) : "Nr");
    dc.SelectObject(senkrechteSchrift);
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc.TextOut(r.left - 1600, r.top - 2600, katalog.HoleText("DIA_ACHS_BESCHR_WASSDLK", 0));
    dc.TextOut(r.left - 1300, r.top - 2600, katalog.HoleText("DIA_ACHS_BESCHR_WASSDLK", 1));

    // Ticks, labels and grid need both axes; without them the frame stays empty.
    const std::optional<int> xErster = achsen.GeraetX(xWerte.front());
    const std::optional<int> xLetzter = achsen.GeraetX(xWerte.back());
    const std::optional<int> yErster = achsen.GeraetY(yWerte.front());
    const std::optional<int> yLetzter = achsen.GeraetY(yWerte.back());
    if (!xErster || !xLetzter || !yErster || !yLetzter)
        return;

    // No font of their own: the tick labels are drawn in the vertical font of the y caption.
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    for (int i = 0; i < xStriche; ++i)
        if (const std::optional<int> x = achsen.GeraetX(xWerte[i])) {
            ZeichneLinieV(dc, *x, r.bottom, r.bottom - 160);
            dc.TextOut(*x, r.bottom - 460, StringHoleFeld(xZeile, '@', i));
        }
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    for (int i = 0; i < yStriche; ++i)
        if (const std::optional<int> y = achsen.GeraetY(yWerte[i])) {
            ZeichneLinieH(dc, *xErster, *y, *xErster - 160);
            dc.TextOut(*xErster - 160, *y - 100, StringHoleFeld(yZeile, '@', i));
        }

    dc.SelectObject(gitterStift);
    for (int i = 1; i + 1 < xStriche; ++i)
        if (const std::optional<int> x = achsen.GeraetX(xWerte[i]))
            ZeichneLinieV(dc, *x, *yErster, *yLetzter);
    for (int i = 1; i + 1 < yStriche; ++i)
        if (const std::optional<int> y = achsen.GeraetY(yWerte[i]))
            ZeichneLinieH(dc, *xErster, *y, *xLetzter);

    std::vector<double> px = Werte(daten.GetZeile(2), punkte);
    const std::vector<double> py = Werte(daten.GetZeile(3), punkte);
    TrenneGleicheX(px);
    dc.SelectObject(rahmenStift);
    for (int i = 0; i < punkte; ++i) {
        if (px[i] < achsen.xMin || px[i] > achsen.xMax || py[i] < achsen.yMin ||
            py[i] > achsen.yMax)
            continue;
        const std::optional<int> x = achsen.GeraetX(px[i]);
        const std::optional<int> y = achsen.GeraetY(py[i]);
        if (x && y)
            ZeichneMarker(dc, MARKER_KREUZ, RGB(0, 0, 0), *x, *y, 70);
    }
}

void CV_Terzaghi::DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                                      const std::string& tabelle, const std::string& diagramm,
                                      const std::string& titel)
{
    DruckeNachweis(druck, dc, seite, tabelle, diagramm, titel, Raster);
}

void CV_Wasserdlkb::DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                                        const std::string& tabelle, const std::string& diagramm,
                                        const std::string& titel)
{
    DruckeTabelle(druck, *this, dc, seite, tabelle, diagramm, titel, Raster);
}
