// The table pages of loss on ignition, lime content and sedimentation: each draws its title and
// table on the page grid that the page header has set up.

#include "data/textfunktionen.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "report/protokolldruck.h"
#include "report/versuchstypen.h"

#include <array>

namespace {

// Placement codes of the page mapper.
constexpr int kUntenLinks = 3;
constexpr int kUntenMitte = 6;
constexpr int kDezimal = 12;
constexpr int kAuszeichnungLinks = 22;
constexpr int kAuszeichnungMitte = 33;

// Lines of a table: black frame, grey inner lines.
void SchwarzerStift(CProtokollDruck& druck, CDC& dc)
{
    dc.SelectObject(druck.Stifte[1]);
}
void GrauerStift(CProtokollDruck& druck, CDC& dc)
{
    dc.SelectObject(druck.Stifte[0]);
}
void LinienQuer(CSeitenAbbildung& a, int von, int bis)
{
    for (int r = von; r <= bis; ++r)
        a.Linie(0, r, 30.0, r);
}

// ---- Loss on ignition ---------------------------------------------------------------------------

// Caption, symbol and part-test columns 1 to 5.
constexpr std::array<double, 9> kGlueX{0, 9.0, 10.5, 12.5, 16.0, 19.5, 23.0, 26.5, 30.0};
constexpr int kTeilversuche = 5;

struct Beschriftung
{
    const char* text;
    const char* symbol;
    const char* einheit;
};

constexpr std::array<Beschriftung, 8> kGlueBeschriftung{{
    {"Teilversuch Nummer", "", ""},
    {"Tiegel-Nr.", "", ""},
    {"Masse Tiegel", "m1", "[g]"},
    {"Masse Tiegel + ungeglühte Probe", "m2", "[g]"},
    {"Masse Tiegel + geglühte Probe", "m3", "[g]"},
    {"Masseverlust", "m4", "[g]"},
    {"Glühverlust (Teilversuch)", "Vgl", "[]"},
    {"Glühverlust Mittelwert", "Vgl", "[]"},
}};

// Table row of the mean; rows 6 to 8 are not printed.
constexpr int kGlueMittelwertZeile = 9;

// Weighings: part-test numbers, crucibles and the three masses.
void DruckeGlueBlock1(CProtokollDruck& druck, CDC& dc, const CDruckDaten& tabelle)
{
    CSeitenAbbildung& a = druck.Abbildung;
    a.SetzeUrsprung(0, 18);
    SchwarzerStift(druck, dc);
    a.Rechteck(0, 0, 30, 5);
    a.Linie(12.5, 0, 12.5, 5);
    GrauerStift(druck, dc);
    LinienQuer(a, 1, 4);
    for (double x : {9.0, 10.5})
        a.Linie(x, 2, x, 5);
    for (double x : {16.0, 19.5, 23.0, 26.5})
        a.Linie(x, 0, x, 5);
    dc.SelectObject(druck.Schriften[0]);

    for (int r = 0; r <= 4; ++r) {
        const Beschriftung& b = kGlueBeschriftung[r];
        a.TextAusgabe(kUntenLinks, 0, r + 1, b.text);
        a.TextAusgabe(kAuszeichnungLinks, 9.0, r + 1, b.symbol);
        a.TextAusgabeZwischen(kUntenMitte, 10.5, 12.5, r + 1, b.einheit);
    }
    for (int p = 1; p <= kTeilversuche; ++p) {
        const double links = kGlueX[p + 2];
        const double rechts = kGlueX[p + 3];
        a.TextAusgabeZwischen(kUntenMitte, links, rechts, 1, StringAusDoubleMitNachkomma(p, 0));
        a.TextAusgabeZwischen(kUntenMitte, links, rechts, 2, tabelle.GetText(0, p - 1));
        for (int m = 1; m <= 3; ++m)
            a.TextAusgabe(kDezimal, rechts - 1.0, m + 2, tabelle.GetText(m, p - 1));
    }
}

// Results: mass loss, loss per part test and the mean across the part-test columns.
void DruckeGlueBlock2(CProtokollDruck& druck, CDC& dc, const CDruckDaten& tabelle)
{
    CSeitenAbbildung& a = druck.Abbildung;
    a.SetzeUrsprung(0, 24.3);
    SchwarzerStift(druck, dc);
    a.Rechteck(0, 0, 30, 3);
    a.Linie(12.5, 0, 12.5, 3);
    GrauerStift(druck, dc);
    LinienQuer(a, 1, 2);
    for (double x : {9.0, 10.5, 12.5})
        a.Linie(x, 0, x, 3);
    for (double x : {16.0, 19.5, 23.0, 26.5})
        a.Linie(x, 0, x, 2);
    dc.SelectObject(druck.Schriften[0]);

    for (int k = 5; k <= 7; ++k) {
        a.TextAusgabe(kUntenLinks, 0, k - 4, kGlueBeschriftung[k].text);
        a.TextAusgabe(kUntenLinks, 9.0, k - 4, kGlueBeschriftung[k].symbol);
    }
    a.TextAusgabeZwischen(kUntenMitte, 10.5, 12.5, 1, kGlueBeschriftung[5].einheit);
    for (int p = 1; p <= kTeilversuche; ++p) {
        const double rechts = kGlueX[p + 3];
        a.TextAusgabe(kDezimal, rechts - 1.0, 1, tabelle.GetText(4, p - 1));
        a.TextAusgabe(kDezimal, rechts - 1.0, 2, tabelle.GetText(5, p - 1));
    }
    a.TextAusgabeZwischen(kDezimal, 19.5, 23.0, 3, tabelle.GetZeile(kGlueMittelwertZeile));
}

// ---- Lime content -------------------------------------------------------------------------------

// The table is 28 columns wide; the tenth edge stands in the list and is not used.
constexpr std::array<double, 10> kKalkX{0, 8.4, 11.2, 14.0, 16.8, 19.6, 22.4, 25.2, 28.0, 30.0};

// ---- Sedimentation ------------------------------------------------------------------------------

constexpr std::array<double, 9> kSedA{0, 9.0, 10.5, 12.5, 16.0, 23.0, 24.5, 26.5, 30.0};
constexpr std::array<double, 10> kSedB{0, 3.6, 6.0, 9.0, 12.5, 16.0, 19.5, 23.0, 26.5, 30.0};
// The time column splits into hours and minutes.
constexpr double kSedStundenRand = 1.8;
constexpr int kAblesungen = 12;

// Hydrometer data: designation and cylinder values on the left, float lengths on the right.
void DruckeSedBlock1(CProtokollDruck& druck, CDC& dc, const CDruckDaten& tabelle,
                     const CPPDruckDaten& raster)
{
    CSeitenAbbildung& a = druck.Abbildung;
    a.SetzeUrsprung(0, 18);
    SchwarzerStift(druck, dc);
    a.Rechteck(0, 0, 30, 4);
    GrauerStift(druck, dc);
    LinienQuer(a, 1, 3);
    for (double x : {9.0, 16.0, 23.0, 24.5, 26.5})
        a.Linie(x, 0, x, 4);
    for (double x : {10.5, 12.5})
        a.Linie(x, 1, x, 4);

    for (int r = 0; r <= 3; ++r)
        a.TextAusgabe(kUntenLinks, 0, r + 1, raster.GetText(r, 0));
    a.TextAusgabe(kAuszeichnungLinks, 9.0, 1, tabelle.GetText(0, 0));
    for (int r = 1; r <= 3; ++r) {
        a.TextAusgabeZwischen(kUntenMitte, 9.0, 10.5, r + 1, raster.GetText(r, 1));
        a.TextAusgabeZwischen(kUntenMitte, 10.5, 12.5, r + 1, raster.GetText(r, 2));
        a.TextAusgabeZwischen(kDezimal, 12.5, 16.0, r + 1, tabelle.GetText(0, r));
    }
    for (int g = 4; g <= 6; ++g) {
        a.TextAusgabe(kUntenLinks, 16.0, g - 2, raster.GetText(g, 0));
        a.TextAusgabeZwischen(kAuszeichnungMitte, 23.0, 24.5, g - 2, raster.GetText(g, 1));
        a.TextAusgabeZwischen(kUntenMitte, 24.5, 26.5, g - 2, raster.GetText(g, 2));
        a.TextAusgabeZwischen(kUntenMitte, 26.5, 30.0, g - 2, tabelle.GetText(0, g));
    }
}

// Grain density on the left, dry mass on the right.
void DruckeSedBlock2(CProtokollDruck& druck, CDC& dc, const CDruckDaten& tabelle,
                     const CPPDruckDaten& raster)
{
    CSeitenAbbildung& a = druck.Abbildung;
    a.SetzeUrsprung(0, 22.5);
    SchwarzerStift(druck, dc);
    a.Rechteck(0, 0, 30, 1);
    GrauerStift(druck, dc);
    LinienQuer(a, 1, 1);
    for (int i = 1; i <= 7; ++i)
        a.Linie(kSedA[i], 0, kSedA[i], 1);

    a.TextAusgabe(kUntenLinks, 0, 1, raster.GetText(7, 0));
    a.TextAusgabeZwischen(kAuszeichnungMitte, 9.0, 10.5, 1, raster.GetText(7, 1));
    a.TextAusgabeZwischen(kUntenMitte, 10.5, 12.5, 1, raster.GetText(7, 2));
    a.TextAusgabeZwischen(kDezimal, 12.5, 16.0, 1, tabelle.GetText(0, 7));
    a.TextAusgabe(kUntenLinks, 16.0, 1, raster.GetText(8, 0));
    a.TextAusgabeZwischen(kUntenMitte, 23.0, 24.5, 1, raster.GetText(8, 1));
    a.TextAusgabeZwischen(kUntenMitte, 24.5, 26.5, 1, raster.GetText(8, 2));
    a.TextAusgabeZwischen(kDezimal, 26.5, 30.0, 1, tabelle.GetText(0, 8));
}

// Column c of a reading row or of the unit row: hours and minutes share the first column.
std::pair<double, double> SedAblesespalte(int c)
{
    if (c == 0)
        return {0, kSedStundenRand};
    if (c == 1)
        return {kSedStundenRand, kSedB[1]};
    return {kSedB[c - 1], kSedB[c]};
}

// Heads of the readings and twelve readings.
void DruckeSedBlock3(CProtokollDruck& druck, CDC& dc, const CDruckDaten& tabelle,
                     const CPPDruckDaten& raster)
{
    CSeitenAbbildung& a = druck.Abbildung;
    a.SetzeUrsprung(0, 24.3);
    SchwarzerStift(druck, dc);
    a.Rechteck(0, 0, 30, 15);
    GrauerStift(druck, dc);
    LinienQuer(a, 1, 14);
    for (int i = 1; i <= 9; ++i) {
        const bool abZeile1 = i == 2 || i == 6 || i == 8;
        a.Linie(kSedB[i], abZeile1 ? 1 : 0, kSedB[i], 15);
    }
    a.Linie(kSedStundenRand, 2, kSedStundenRand, 15);

    constexpr std::array<double, 7> kKopf{0, 3.6, 9.0, 12.5, 16.0, 23.0, 30.0};
    for (int c = 0; c <= 5; ++c)
        a.TextAusgabeZwischen(kUntenMitte, kKopf[c], kKopf[c + 1], 1, raster.GetText(9, c));
    for (int c = 0; c <= 8; ++c)
        a.TextAusgabeZwischen(kAuszeichnungMitte, kSedB[c], kSedB[c + 1], 2, raster.GetText(10, c));
    for (int c = 0; c <= 9; ++c) {
        const auto [links, rechts] = SedAblesespalte(c);
        a.TextAusgabeZwischen(kAuszeichnungMitte, links, rechts, 3, raster.GetText(11, c));
    }
    for (int i = 1; i <= kAblesungen; ++i)
        for (int c = 0; c <= 9; ++c) {
            const auto [links, rechts] = SedAblesespalte(c);
            a.TextAusgabeZwischen(kUntenMitte, links, rechts, i + 3, tabelle.GetText(i, c));
        }
}

} // namespace

void CV_Glueverlust::DruckeTabelle(CProtokollDruck& druck, CDC& dc, RECT,
                                   const std::string& tabellenText, const std::string&,
                                   const std::string& titel)
{
    const CDruckDaten tabelle = BeginneSeitenkoerper(druck, dc, tabellenText, titel, true);
    DruckeGlueBlock1(druck, dc, tabelle);
    DruckeGlueBlock2(druck, dc, tabelle);
}

void CV_Kalkgehalt::DruckeTabelle(CProtokollDruck& druck, CDC& dc, RECT,
                                  const std::string& tabellenText, const std::string&,
                                  const std::string& titel, CPPDruckDaten& raster)
{
    const CDruckDaten tabelle = BeginneSeitenkoerper(druck, dc, tabellenText, titel, true);
    // Part tests 1 to 5 into columns 3 to 7; the mean row takes only its first cell.
    raster.UebernehmeDruckDaten(1, 3, 13, 5, tabelle, 0);
    druck.Abbildung.SetzeUrsprung(0, 17);
    druck.ZeichneTabelle(&raster, kKalkX.data(), 0, 8, 14, true);
}

void CV_Sedimentation::DruckeTabelle(CProtokollDruck& druck, CDC& dc, RECT,
                                     const std::string& tabellenText, const std::string&,
                                     const std::string& titel, const CPPDruckDaten& raster)
{
    // The title font stays selected: plain texts print bold, mark-up texts in the first font.
    const CDruckDaten tabelle = BeginneSeitenkoerper(druck, dc, tabellenText, titel, true);
    DruckeSedBlock1(druck, dc, tabelle, raster);
    DruckeSedBlock2(druck, dc, tabelle, raster);
    DruckeSedBlock3(druck, dc, tabelle, raster);
}

void CV_Glueverlust::DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                                         const std::string& tabelle, const std::string& diagramm,
                                         const std::string& titel)
{
    DruckeTabelle(druck, dc, seite, tabelle, diagramm, titel);
}

void CV_Kalkgehalt::DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                                        const std::string& tabelle, const std::string& diagramm,
                                        const std::string& titel)
{
    DruckeTabelle(druck, dc, seite, tabelle, diagramm, titel, Raster);
}

void CV_Sedimentation::DruckeSeitenkoerper(CProtokollDruck& druck, CDC& dc, RECT seite,
                                           const std::string& tabelle, const std::string& diagramm,
                                           const std::string& titel)
{
    DruckeTabelle(druck, dc, seite, tabelle, diagramm, titel, Raster);
}
