// The summary table's rows, their pagination and the page frame: the logo band of the first page,
// the title band of every page, head blocks and rows.

#include "pages/zusammenstellungdruck.h"

#include "pages/seitenlogo.h"
#include "platform/cdc.h"
#include "platform/text.h"
#include "report/seitenabbildung.h"

#include <cstdint>

namespace {

constexpr std::uint8_t kClipLhAngles = 16;
constexpr std::uint8_t kFfModern = 48;

CFont Schrift(int hoehe, int gewicht, int richtung, const char* name)
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, richtung, richtung, gewicht, 0, 0, 0, 0, 0, kClipLhAngles, 0,
                       kFfModern, name);
    return schrift;
}

// Width of the logo part of the first page's header band.
constexpr int kLogoBreite = 17500;
// The title band: the site line, the title line below it, and 150 left empty above the heads.
constexpr int kTitelZeile1 = 700;
constexpr int kTitelZeile2 = 1150;

constexpr unsigned kTitelformat = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX;

} // namespace

CZusammenstellungDruck::CZusammenstellungDruck()
    : m_normal(Schrift(260, FW_NORMAL, 0, "Tahoma")), m_fett(Schrift(260, FW_BOLD, 0, "Tahoma")),
      m_titel(Schrift(360, FW_SEMIBOLD, 0, "Tahoma")),
      m_symbol(Schrift(335, FW_NORMAL, 1, "Symbol")), m_duenn(PS_SOLID, 10, RGB(0, 0, 0)),
      m_mittel(PS_SOLID, 20, RGB(0, 0, 0)), m_dick(PS_SOLID, 40, RGB(0, 0, 0))
{
}

void CZusammenstellungDruck::Leere()
{
    m_arten.clear();
    m_zeilentexte.clear();
    m_zeilenhoehen.clear();
    m_zeilenseiten.clear();
}

void CZusammenstellungDruck::FuegeZeileHinzu(const std::string& zeilentext,
                                             const CProtokoll& protokoll)
{
    m_arten.push_back(protokoll.GetArtIndex());
    m_zeilentexte.push_back(zeilentext);
    m_zeilenhoehen.push_back(-1);
    m_zeilenseiten.push_back(-1);
}

int CZusammenstellungDruck::Paginiere(CDC* dc)
{
    if (m_zeilentexte.empty() || !dc) {
        // A page drawn anyway must not show the count of an earlier job.
        m_seitenzahl = 0;
        return 0;
    }
    int seite = 1;
    long long belegt = 0; // rows of very many lines must not overflow the sum
    int budget = kBudgetErsteSeite;
    int vorigeArt = m_arten.front();
    Zellenmasse masse;
    for (size_t i = 0; i < m_zeilentexte.size(); ++i) {
        const int art = m_arten[i];
        int hoehe = BerechneZeilenhoehe(*dc, m_zeilentexte[i], art, masse) + kZeilenZugabe;
        m_zeilenhoehen[i] = hoehe;
        if (art != vorigeArt) {
            hoehe += kKopfblockHoehe;
            vorigeArt = art;
        }
        if (belegt + hoehe > budget) {
            ++seite;
            belegt = 0;
            budget = kBudgetFolgeseite;
        }
        belegt += hoehe;
        m_zeilenseiten[i] = seite;
    }
    m_seitenzahl = seite;
    return seite;
}

void CZusammenstellungDruck::DruckeSeite(int seite, CDC* dc, RECT seitenRechteck)
{
    if (!dc)
        return;
    m_linkerRand = seitenRechteck.left;
    const COLORREF textFarbe = dc->GetTextColor();
    const COLORREF hintergrundFarbe = dc->GetBkColor();
    const int hintergrundModus = dc->GetBkMode();
    const unsigned ausrichtung = dc->GetTextAlign();
    const CFont schrift = dc->GetCurrentFont();
    const CPen stift = dc->GetCurrentPen();
    dc->SetBkMode(TRANSPARENT);

    // Full rows end at the page rectangle's bottom edge.
    const int budget = seite == 1 ? kBudgetErsteSeite : kBudgetFolgeseite;
    int y = seitenRechteck.bottom + budget + kKopfblockHoehe + kTitelHoehe + kErsteSeiteKopfHoehe;
    const int links = SpaltenX(0);
    const int rechts = SpaltenX(kAnzahlSpalten);
    if (seite == 1)
        DruckeKopfErsteSeite(*dc, RECT{links, y, rechts, y - kErsteSeiteKopfHoehe});
    y -= kErsteSeiteKopfHoehe;
    DruckeTitel(seite, *dc, RECT{links, y, rechts, y - kTitelHoehe});
    y -= kTitelHoehe;

    int art = -1;
    for (size_t i = 0; i < m_zeilentexte.size(); ++i) {
        if (seite < 1 || m_zeilenseiten[i] != seite)
            continue;
        if (m_arten[i] != art) {
            art = m_arten[i];
            DruckeSpaltenkoepfe(ZusammenstellungSpaltentexte.at(static_cast<size_t>(art)), *dc,
                                RECT{links, y, rechts, y - kKopfblockHoehe});
            y -= kKopfblockHoehe;
        }
        const int hoehe = m_zeilenhoehen[i];
        ZeichneZeile(static_cast<int>(i), art, *dc, RECT{links, y, rechts, y - hoehe});
        y -= hoehe;
    }

    dc->SetTextColor(textFarbe);
    dc->SetBkColor(hintergrundFarbe);
    dc->SetBkMode(hintergrundModus);
    dc->SetTextAlign(ausrichtung);
    dc->SelectObject(schrift);
    dc->SelectObject(stift);
}

void CZusammenstellungDruck::DruckeKopfErsteSeite(CDC& dc, RECT band) const
{
    // No line of its own at the bottom: the title band's top line lies there.
    dc.SelectObject(m_dick);
    ZeichneLinieV(dc, SpaltenX(0), band.bottom, band.top);
    ZeichneLinieH(dc, SpaltenX(0), band.top, SpaltenX(kAnzahlSpalten));
    ZeichneLinieV(dc, SpaltenX(kAnzahlSpalten), band.top, band.bottom);
    dc.SelectObject(m_mittel);
    ZeichneLinieV(dc, SpaltenX(0) + kLogoBreite, band.top, band.bottom);

    // Stretched to fill the band left of the separator, half a millimetre inside it.
    ZeichneSeitenlogo(
        dc, {band.left + 50, band.top - 50, band.left + kLogoBreite - 50, band.bottom + 50});
}

void CZusammenstellungDruck::DruckeTitel(int seite, CDC& dc, RECT band) const
{
    const int t = band.top;
    const int x0 = SpaltenX(0);
    const int x25 = SpaltenX(kAnzahlSpalten);
    // On the first page the line meets the logo band above it.
    dc.SelectObject(seite == 1 ? m_mittel : m_dick);
    ZeichneLinieH(dc, x0, t, x25);
    dc.SelectObject(m_dick);
    ZeichneLinieH(dc, x0, t - kTitelZeile1, x25);
    ZeichneLinieH(dc, x0, t - kTitelZeile2, x25);
    ZeichneLinieV(dc, x0, t, t - kTitelZeile2);
    ZeichneLinieV(dc, x25, t, t - kTitelZeile2);

    dc.SelectObject(m_titel);
    dc.DrawText("Baustelle:", RECT{x0 + 200, t, x25, t - kTitelZeile1}, kTitelformat | DT_LEFT);
    dc.DrawText(m_baustelle, RECT{x0 + 2000, t, x25, t - kTitelZeile1}, kTitelformat | DT_LEFT);
    const RECT titel{x0 + 200, t - kTitelZeile1, x25 - 200, t - kTitelZeile2};
    dc.DrawText("Zusammenstellung der Prüfergebnisse", titel, kTitelformat | DT_LEFT);
    dc.DrawText(StringFormat("Seite %d von %d", seite, m_seitenzahl), titel,
                kTitelformat | DT_RIGHT);
}
