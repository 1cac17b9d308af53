#include "diagrams/rammsondierungsdiagramm.h"

#include "data/textfunktionen.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"
#include "report/textkatalog.h"

#include <algorithm>
#include <optional>

namespace {

// Device units (0.01 mm).
constexpr int StrichLaenge = 160;
constexpr int LangerStrich = 320;
constexpr int SchlagBeschriftungHoehe = 260;
constexpr int BalkenEinzug = 16;
constexpr int XAchsentitelHoehe = 700;
constexpr int YAchsentitelAbstand = 900;
constexpr int YAchsentitelTiefer = 1800;
constexpr int SchritteImRahmen = 90;
constexpr int LangerStrichAlle = 10;
constexpr COLORREF BalkenFarbe = RGB(180, 180, 180);

constexpr int FensterSchritte = 30;
constexpr int FensterSchrittHoehe = 279;

const char* const Achsentitel = "DIA_ACHS_BESCHR_RAMMSONDE";

enum Zeile
{
    Schlagstriche = 0,
    Tiefen = 1,
    Schlaege = 2
};

// What the two forms do differently; the rest of the drawing is shared.
struct Tiefenachse
{
    int unten;               // lower edge of the frame and the grid
    int schrittHoehe;        // height of one 0.1 m step
    int ersterSchritt;       // data cell of the first step shown
    int schritte;            // bars drawn
    int letzteGrenze;        // last boundary with a tick and possibly a label
    int letzterLangerStrich; // last boundary with a long tick
    int beschriftungAlle;    // every how many boundaries a depth label stands
    int beschriftungAbstand; // left of the frame, to the label's right end
    int beschriftungTiefer;  // below the boundary, to the label's base line
};

void ZeichneStrecke(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

int Zellen(const CDruckDaten& tabelle, int zeile)
{
    return StringZaehleFelder(tabelle.GetZeile(zeile), "@");
}

class CRammDiagramm
{
public:
    CRammDiagramm(CDC& dc, const RECT& r, const std::string& daten, const Tiefenachse& achse)
        : m_dc(dc), m_r(r), m_tabelle(daten), m_achse(achse),
          m_striche(Zellen(m_tabelle, Schlagstriche)),
          m_xMin(StringZuDouble(m_tabelle.GetText(Schlagstriche, 0))),
          m_xMax(StringZuDouble(m_tabelle.GetText(Schlagstriche, m_striche - 1)))
    {
        m_xSkala = static_cast<double>(r.right - r.left) / (m_xMax - m_xMin);
        // A single tick has no spacing; it stands on the left edge.
        m_strichAbstand = m_striche > 1 ? (r.right - r.left) / (m_striche - 1) : 0;
    }

    void Rahmen(const CPen& stift)
    {
        m_dc.SelectObject(stift);
        m_dc.MoveTo(m_r.left, m_r.top);
        m_dc.LineTo(m_r.right, m_r.top);
        m_dc.LineTo(m_r.right, m_achse.unten);
        m_dc.LineTo(m_r.left, m_achse.unten);
        m_dc.LineTo(m_r.left, m_r.top);
    }

    void Achsentitel(const CTextKatalog& katalog, const CFont& schrift, const CFont& senkrecht)
    {
        m_dc.SelectObject(schrift);
        m_dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
        m_dc.TextOut(m_r.right, m_r.top + XAchsentitelHoehe, katalog.HoleText(::Achsentitel, 0));
        m_dc.SelectObject(senkrecht);
        m_dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
        m_dc.TextOut(m_r.left - YAchsentitelAbstand, m_r.top - YAchsentitelTiefer,
                     katalog.HoleText(::Achsentitel, 1));
    }

    void Striche()
    {
        for (int i = 0; i < m_striche; ++i)
            ZeichneStrecke(m_dc, X(i), m_r.top, X(i), m_r.top + StrichLaenge);
        for (int i = 0; i <= m_achse.letzteGrenze; ++i)
            ZeichneStrecke(m_dc, m_r.left, Y(i), m_r.left - StrichLaenge, Y(i));
        for (int i = 0; i <= m_achse.letzterLangerStrich; i += LangerStrichAlle)
            ZeichneStrecke(m_dc, m_r.left, Y(i), m_r.left - LangerStrich, Y(i));
    }

    void Beschriftung(const CFont& schrift)
    {
        m_dc.SelectObject(schrift);
        m_dc.SetTextAlign(TA_BASELINE | TA_CENTER);
        for (int i = 0; i < m_striche; ++i)
            m_dc.TextOut(X(i), m_r.top + SchlagBeschriftungHoehe,
                         m_tabelle.GetText(Schlagstriche, i));
        m_dc.SetTextAlign(TA_BASELINE | TA_RIGHT);
        for (int i = 0; i <= m_achse.letzteGrenze; i += m_achse.beschriftungAlle)
            m_dc.TextOut(m_r.left - m_achse.beschriftungAbstand, Y(i) - m_achse.beschriftungTiefer,
                         m_tabelle.GetText(Tiefen, m_achse.ersterSchritt + i));
    }

    // Inner ticks only: the outer ones would lie on the frame.
    void Gitter(const CPen& stift)
    {
        m_dc.SelectObject(stift);
        for (int i = 1; i + 1 < m_striche; ++i)
            ZeichneStrecke(m_dc, X(i), m_r.top, X(i), m_achse.unten);
    }

    void Balken(const CPen& rahmenStift)
    {
        const CPen grauerStift(PS_SOLID, 0, BalkenFarbe);
        const CBrush grau(BalkenFarbe);
        const CPen vorherStift = m_dc.SelectObject(grauerStift);
        const CBrush vorherPinsel = m_dc.SelectObject(grau);
        for (int i = 0; i < m_achse.schritte; ++i)
            if (const auto ende = BalkenEnde(i))
                m_dc.Rectangle(m_r.left + BalkenEinzug, Y(i), *ende, Y(i + 1));
        m_dc.SelectObject(vorherStift);
        m_dc.SelectObject(vorherPinsel);

        // The side on the axis is not drawn again.
        m_dc.SelectObject(rahmenStift);
        for (int i = 0; i < m_achse.schritte; ++i)
            if (const auto ende = BalkenEnde(i)) {
                ZeichneStrecke(m_dc, m_r.left, Y(i), *ende, Y(i));
                ZeichneStrecke(m_dc, *ende, Y(i), *ende, Y(i + 1));
                ZeichneStrecke(m_dc, *ende, Y(i + 1), m_r.left, Y(i + 1));
            }
    }

private:
    int X(int strich) const { return m_r.left + strich * m_strichAbstand; }
    int Y(int grenze) const { return m_r.top - grenze * m_achse.schrittHoehe; }

    // A bar ends where the tick labels put its blows, the first tick on the left edge; blows
    // above the last tick end at the right edge. Nothing when the scale has no finite value
    // (equal first and last tick) or the end does not fit the device.
    std::optional<int> BalkenEnde(int schritt) const
    {
        double schlaege =
            StringZuDouble(m_tabelle.GetText(Schlaege, m_achse.ersterSchritt + schritt));
        if (schlaege > m_xMax)
            schlaege = m_xMax;
        return ZuGeraeteInt(m_r.left + (schlaege - m_xMin) * m_xSkala);
    }

    CDC& m_dc;
    const RECT m_r;
    const CDruckDaten m_tabelle;
    const Tiefenachse m_achse;
    const int m_striche;
    const double m_xMin;
    const double m_xMax;
    double m_xSkala = 0;
    int m_strichAbstand = 0;
};

void Zeichne(CDC& dc, const RECT& rechteck, const std::string& daten, const Tiefenachse& achse,
             const CTextKatalog& katalog, const CPen& rahmenStift, const CPen& gitterStift,
             const CFont& schrift, const CFont& senkrechteSchrift)
{
    CRammDiagramm diagramm(dc, rechteck, daten, achse);
    diagramm.Rahmen(rahmenStift);
    diagramm.Achsentitel(katalog, schrift, senkrechteSchrift);
    diagramm.Striche();
    diagramm.Beschriftung(schrift);
    diagramm.Gitter(gitterStift);
    diagramm.Balken(rahmenStift);
}

} // namespace

void ZeichneRammsondierungsDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                    const CTextKatalog& katalog, const CPen& rahmenStift,
                                    const CPen& gitterStift, const CFont& schrift,
                                    const CFont& senkrechteSchrift)
{
    const int schritte = Zellen(CDruckDaten(daten), Schlaege);
    const Tiefenachse achse{
        .unten = rechteck.bottom,
        .schrittHoehe = (rechteck.top - rechteck.bottom) / SchritteImRahmen,
        .ersterSchritt = 0,
        .schritte = schritte,
        .letzteGrenze = schritte,
        .letzterLangerStrich = schritte,
        .beschriftungAlle = 2,
        .beschriftungAbstand = 320,
        .beschriftungTiefer = 105,
    };
    Zeichne(dc, rechteck, daten, achse, katalog, rahmenStift, gitterStift, schrift,
            senkrechteSchrift);
}

void ZeichneRammsondierungsDiagramm2(CDC& dc, RECT rechteck, const std::string& daten,
                                     const CTextKatalog& katalog, const CPen& rahmenStift,
                                     const CPen& gitterStift, const CFont& schrift,
                                     const CFont& senkrechteSchrift, int fenster)
{
    const int schritte = Zellen(CDruckDaten(daten), Schlaege);
    // A window before the first step shows the first one; one beyond the data shows none.
    const long long beginn = 10LL * std::max(fenster, 0);
    const int imFenster = static_cast<int>(
        std::clamp(schritte - beginn, 0LL, static_cast<long long>(FensterSchritte)));
    const Tiefenachse achse{
        .unten = rechteck.top - FensterSchritte * FensterSchrittHoehe,
        .schrittHoehe = FensterSchrittHoehe,
        .ersterSchritt = static_cast<int>(std::min<long long>(beginn, schritte)),
        .schritte = imFenster,
        .letzteGrenze = imFenster,
        .letzterLangerStrich = FensterSchritte,
        .beschriftungAlle = 1,
        .beschriftungAbstand = 260,
        .beschriftungTiefer = 110,
    };
    Zeichne(dc, rechteck, daten, achse, katalog, rahmenStift, gitterStift, schrift,
            senkrechteSchrift);
}
