// Page 1 of the combined-diagram test: up to six Proctor or grain-size curves of earlier tests in
// one chart, each in its own colour, and a legend table that describes each curve. Unlike the
// other bodies it reads everything from the test's own special data text: colours in group 2
// field 1, legend texts in group 2 fields 4 to 9, the curves' chart data in group 6.

#include "data/textfunktionen.h"
#include "diagrams/diagrammbereich.h"
#include "diagrams/kornverteilungsdiagramm.h"
#include "diagrams/marker.h"
#include "diagrams/proctordiagramm.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"
#include "report/protokolldruck.h"
#include "report/virtversuch.h"

#include <array>

namespace {

constexpr int Kurven = 6;
constexpr int ProctorVergleich = 2;
constexpr int Normal = 0, SenkrechteSchrift = 6;
constexpr int FeinerStift = 0, KraeftigerStift = 1, GepunkteterStift = 4;
constexpr int KurvenStiftBreite = 20, LegendenStiftBreite = 40, LegendenMarker = 100;
// A grain-size curve text of this length or less holds no chart.
constexpr std::size_t KornKurveHoechstensLeer = 8;

// Legend table: a label column and six curve columns; a head row with the line samples, two
// single-line rows and seven rows of room for longer texts.
constexpr std::array LegendeX{0.0, 3.5, 7.9, 12.3, 16.7, 21.1, 25.5, 29.9};
constexpr std::array LegendeY{0.0, 1.5, 2.7, 3.9, 6.7, 9.5, 12.3, 15.1, 17.9, 20.7, 23.5};
const char* const Zeilentitel[] = {
    "Linie",          "Protokoll Nr.",  "Prüfdatum", "Bereich / Bauabschnitt", "Station / Profil",
    "Schicht / Höhe", "Lage zur Achse", "Bodenart",  "Bodenherkunft",          "Kommentar"};
constexpr unsigned LegendenText = DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX;

int HexZiffer(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "0x" and hexadecimal digits; anything else is black.
COLORREF LeseFarbe(const std::string& text)
{
    if (!text.starts_with("0x"))
        return 0;
    // Unsigned arithmetic: an over-long number wraps instead of overflowing.
    COLORREF farbe = 0;
    for (std::size_t i = 2; i < text.size() && HexZiffer(text[i]) >= 0; ++i)
        farbe = farbe * 16 + static_cast<COLORREF>(HexZiffer(text[i]));
    return farbe;
}

int Zellen(const CDruckDaten& tabelle, int zeile)
{
    return StringZaehleFelder(tabelle.GetZeile(zeile), "@");
}

class CGrafikmischSeite
{
public:
    CGrafikmischSeite(CProtokollDruck& druck, CDC& dc, const CVersuchData& daten)
        : m_druck(druck), m_dc(dc), m_daten(daten)
    {
        for (int i = 0; i < Kurven; ++i)
            m_farben[static_cast<std::size_t>(i)] = LeseFarbe(m_daten.HoleUnterfeld(2, 1, i));
    }

    void Diagrammkasten();
    void ProctorKurven();
    void KornverteilungsKurven();
    void Legende();

private:
    void WaehleStift(int n) { m_dc.SelectObject(m_druck.Stifte[static_cast<std::size_t>(n)]); }
    const CPen& Stift(int n) const { return m_druck.Stifte[static_cast<std::size_t>(n)]; }
    const CFont& Schrift(int n) const { return m_druck.Schriften[static_cast<std::size_t>(n)]; }
    int GX(double x) const { return m_druck.Abbildung.TransformiereX(x); }
    int GY(double y) const { return m_druck.Abbildung.TransformiereY(y); }
    COLORREF Farbe(int i) const { return m_farben[static_cast<std::size_t>(i)]; }
    std::string KurvenDaten(int i) const { return m_daten.HoleFeldSpeziellKlartext(6, i); }
    void LegendenZelle(int zeile, int spalte);

    CProtokollDruck& m_druck;
    CDC& m_dc;
    const CVersuchData& m_daten;
    std::array<COLORREF, Kurven> m_farben{};
    RECT m_rechteck{};
};

void CGrafikmischSeite::Diagrammkasten()
{
    m_druck.Abbildung.SetzeUrsprung(0, 17.0);
    WaehleStift(KraeftigerStift);
    m_druck.Abbildung.Rechteck(0, 0.27, 30.0, 22.1);
    m_rechteck = RECT{GX(3.0), GY(2.27), GX(29.0), GY(19.1)};
}

// The first present curve draws the frame and fills the range; the later ones draw into the same
// axes with their own point counts.
void CGrafikmischSeite::ProctorKurven()
{
    CDiagrammBereich bereich;
    bool mitRahmen = false;
    for (int i = 0; i < Kurven; ++i) {
        const std::string daten = KurvenDaten(i);
        if (daten.empty())
            continue;
        if (!mitRahmen) {
            ZeichneProctorRahmen(m_dc, m_rechteck, daten, m_druck.Texte, Stift(KraeftigerStift),
                                 Stift(GepunkteterStift), Schrift(Normal),
                                 Schrift(SenkrechteSchrift), false, bereich);
            mitRahmen = true;
        } else {
            // Both counts belong to the curve: the first curve's count of its second line would
            // make a later curve read points it does not have.
            const CDruckDaten tabelle(daten);
            bereich.anzahlReihe2 = Zellen(tabelle, 2);
            bereich.anzahlReihe6 = Zellen(tabelle, 6);
        }
        ZeichneProctorKurve(m_dc, m_rechteck, CPen(PS_SOLID, KurvenStiftBreite, Farbe(i)), Farbe(i),
                            i, daten, bereich);
    }
}

void CGrafikmischSeite::KornverteilungsKurven()
{
    CDiagrammBereich bereich;
    bereich.SetzeMarkergroesse(false);
    // The frame moves the plot's top down below its class band; every curve draws into that.
    RECT plot = m_rechteck;
    bool mitRahmen = false;
    for (int i = 0; i < Kurven; ++i) {
        const std::string daten = KurvenDaten(i);
        if (daten.size() <= KornKurveHoechstensLeer)
            continue;
        if (!mitRahmen) {
            ZeichneKornverteilungsRahmen(m_dc, daten, m_druck.Texte, Stift(KraeftigerStift),
                                         Stift(GepunkteterStift), Schrift(Normal),
                                         Schrift(SenkrechteSchrift), bereich, plot);
            mitRahmen = true;
        }
        ZeichneKornverteilungsKurven(m_dc, plot, CPen(PS_SOLID, KurvenStiftBreite, Farbe(i)),
                                     Farbe(i), RGB(0, 0, 0), daten, i, bereich);
    }
}

void CGrafikmischSeite::Legende()
{
    WaehleStift(KraeftigerStift);
    m_dc.SelectObject(Schrift(Normal));
    CSeitenAbbildung& abbildung = m_druck.Abbildung;
    abbildung.SetzeUrsprung(0, 40.0);
    const double rechts = LegendeX.back(), unten = LegendeY.back();
    abbildung.Rechteck(0, 0, rechts, unten);
    WaehleStift(FeinerStift);
    for (std::size_t r = 1; r + 1 < LegendeY.size(); ++r)
        abbildung.Linie(0, LegendeY[r], rechts, LegendeY[r]);
    for (std::size_t c = 1; c + 1 < LegendeX.size(); ++c)
        abbildung.Linie(LegendeX[c], 0, LegendeX[c], unten);

    for (int zeile = 0; zeile + 1 < static_cast<int>(LegendeY.size()); ++zeile)
        for (int spalte = 0; spalte + 1 < static_cast<int>(LegendeX.size()); ++spalte)
            LegendenZelle(zeile, spalte);
}

// Column 0 names the row; the head row shows each curve's line sample, the other rows the
// curve's legend texts.
void CGrafikmischSeite::LegendenZelle(int zeile, int spalte)
{
    const double x0 = LegendeX[static_cast<std::size_t>(spalte)];
    const double x1 = LegendeX[static_cast<std::size_t>(spalte) + 1];
    const double y0 = LegendeY[static_cast<std::size_t>(zeile)];
    const double y1 = LegendeY[static_cast<std::size_t>(zeile) + 1];
    const RECT text{GX(x0 + 0.1), GY(y0 + (zeile == 0 ? 0.4 : 0.2)), GX(x1 + 0.1), GY(y1)};
    m_dc.SetTextAlign(TA_LEFT | TA_TOP);
    if (spalte == 0) {
        m_dc.DrawText(Zeilentitel[zeile], text, LegendenText);
    } else if (zeile == 0) {
        const int kurve = spalte - 1;
        m_dc.SelectObject(CPen(PS_SOLID, LegendenStiftBreite, Farbe(kurve)));
        ZeichneLegendenEintrag(m_dc, kurve, Farbe(kurve), GX(x0 + 1.0), GY(y0 + 0.8), GX(x1 - 1.0),
                               GY(y0 + 0.8), LegendenMarker);
    } else {
        m_dc.DrawText(m_daten.HoleUnterfeld(2, spalte + 3, zeile), text, LegendenText | DT_CENTER);
    }
}

} // namespace

void CProtokollDruck::DruckeGrafikmisch(CDC& dc, RECT, const CVirtVersuch* versuch,
                                        const std::string& titel)
{
    BeginneSeitenkoerper(*this, dc, "", titel, true);
    // Without its test the page has no curves and no legend texts to show.
    static const CVersuchData ohneDaten;
    CGrafikmischSeite seite(*this, dc,
                            versuch ? static_cast<const CVersuchData&>(*versuch) : ohneDaten);
    seite.Diagrammkasten();
    if (versuch && versuch->Untertyp == ProctorVergleich)
        seite.ProctorKurven();
    else
        seite.KornverteilungsKurven();
    seite.Legende();
}

void CProtokollDruck::DruckeGrafikmischSeite(CDC& dc, RECT seite, const std::string&,
                                             const std::string&, const std::string& titel)
{
    DruckeGrafikmisch(dc, seite, Versuch, titel);
}
