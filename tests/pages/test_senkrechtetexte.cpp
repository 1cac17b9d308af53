// Turned texts on whole pages of the sample project, measured with the real fonts: the credit
// line and the vertical axis captions run up the page, their glyph cells on the side away from
// the frame and the chart they stand beside.

#include "data/pfade.h"
#include "musterbauer.h"
#include "platform/recordingdc.h"
#include "report/protokolldruck.h"
#include "report/versuchstypen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr RECT kSeite{0, 0, 19600, -28500};
// The page frame's left and bottom edges: grid x −0.16 and grid y 68.0 of the header.
constexpr int kRahmenLinks = 2500 - 89;
constexpr int kRahmenUnten = -1620 - 26388;

// Cells that only touch do not overlap: the two lines of the permeability caption stand one cell
// apart.
bool Ueberlappen(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

bool Senkrecht(const DCEintrag& text)
{
    return text.zustand.schrift.GetLogFont().lfEscapement == 2700;
}

struct Seitenfall
{
    int pruefart;
    std::function<std::unique_ptr<CVirtVersuch>()> versuch;
    std::vector<std::string> beschriftungen; // the page's vertical axis captions
    std::string unterart = "";               // the protocol's sub-type, when it matters
};

template <typename Versuch, auto... argumente> std::unique_ptr<CVirtVersuch> Neu()
{
    return std::make_unique<Versuch>(argumente...);
}

const Seitenfall kDiagrammseiten[] = {
    {1001, Neu<CV_proctor>, {"Trockendichte [g/cm³]"}},
    {1000, Neu<CV_kornsummenlinie>, {"Durchgangssumme [%]"}},
    {1005, Neu<CV_plattendruck>, {"Setzung [0,01mm]"}},
    {1004, Neu<CV_rammsondierung>, {"Eindringtiefe T [m]"}},
    {1006, Neu<CV_zustandsgrenzen>, {"Wassergehalt [-]", "Plastizitätszahl Ip[%]"}},
    {1009, Neu<CV_bindemittelmenge>, {"Bindemittelzugabe [kg]"}},
    {1010, Neu<CV_bodenaustauschdicke>, {"Einbaustärke [cm]"}},
    {1017, Neu<CV_Wasserdlkb, 2>, {"Wasserdurchlässigkeits-", "beiwert [ m/s ]"}},
    {1015, Neu<CV_Terzaghi>, {"Durchgangssumme [%]"}},
    {1018, Neu<CV_Grafikmisch, 2>, {"Trockendichte [g/cm³]"}},
    {1018, Neu<CV_Grafikmisch, 1>, {"Durchgangssumme [%]"}, "GK"},
};

class SenkrechteTexte : public ::testing::Test
{
protected:
    SenkrechteTexte() : projekt(BaueMusterprojekt()) { g_pfade.protokollnrDrucken = true; }
    ~SenkrechteTexte() override { g_pfade = vorher; }

    // The texts of a page as a print job draws it, measured with the real fonts.
    std::vector<DCEintrag> Texte(const Seitenfall& fall) const
    {
        const std::unique_ptr<CVirtVersuch> versuch = fall.versuch();
        for (const CProtokoll& p : projekt.protokolle) {
            if (p.GetPruefart() != fall.pruefart ||
                (!fall.unterart.empty() && p.GetPruefunterartKuerzel() != fall.unterart))
                continue;
            versuch->LeseProtokollXml(p.SchreibeXML(), false);
            versuch->SetzeKopfdaten(projekt.metadaten.at("bezeichnung") + "||Bauamt|" +
                                        projekt.metadaten.at("protNrPraefix"),
                                    projekt.metadaten.at("fusstext"));
            RecordingDC dc;
            versuch->Drucken(1, &dc, kSeite);
            return dc.Texte();
        }
        ADD_FAILURE() << "keine Prüfart " << fall.pruefart;
        return {};
    }

    const CPfade vorher = g_pfade;
    const MusterProjekt projekt;
};

bool IstNachweis(const DCEintrag& text)
{
    return text.text.starts_with("AXO Reader ");
}

// The permeability chart's tick labels keep the vertical font of its caption; they stand on their
// baseline at their tick.
bool IstMarke(const DCEintrag& text)
{
    return (text.ausrichtung & TA_BASELINE) == TA_BASELINE;
}

} // namespace

TEST_F(SenkrechteTexte, AxisCaptionsRunUpBesideTheirChartsClearOfEveryOtherText)
{
    for (const Seitenfall& fall : kDiagrammseiten) {
        const std::vector<DCEintrag> texte = Texte(fall);
        std::vector<std::string> beschriftungen;
        for (const DCEintrag& s : texte) {
            if (!Senkrecht(s) || IstNachweis(s))
                continue;
            if (IstMarke(s)) {
                EXPECT_EQ(fall.pruefart, 1017) << s.text;
                continue;
            }
            beschriftungen.push_back(s.text);
            // Up the page from the anchor, the glyph cell on its left, away from the chart.
            EXPECT_EQ(s.kasten.bottom, s.punkte[0].y) << s.text;
            EXPECT_EQ(s.kasten.top - s.kasten.bottom, s.breite) << s.text;
            EXPECT_EQ(s.kasten.right, s.punkte[0].x) << s.text;
            for (const DCEintrag& t : texte)
                EXPECT_TRUE(&t == &s || !Ueberlappen(s.kasten, t.kasten))
                    << fall.pruefart << ": " << s.text << " über " << t.text;
        }
        EXPECT_EQ(beschriftungen, fall.beschriftungen) << fall.pruefart;
    }
}

TEST_F(SenkrechteTexte, CreditLineAndEveryVerticalFontRunUpThePage)
{
    // The credit line starts at the frame's bottom corner and reads upward, left of the frame.
    const std::vector<DCEintrag> texte = Texte(kDiagrammseiten[0]);
    const auto nachweis = std::ranges::find_if(texte, IstNachweis);
    ASSERT_NE(nachweis, texte.end());
    const RECT& kasten = nachweis->kasten;
    EXPECT_TRUE(Senkrecht(*nachweis));
    EXPECT_GE(kasten.left, kSeite.left);
    EXPECT_LE(kasten.top, kSeite.top);
    EXPECT_GE(kasten.bottom, kSeite.bottom);
    EXPECT_LT(kasten.right, kRahmenLinks);
    EXPECT_NEAR(kasten.bottom, kRahmenUnten, 50);
    EXPECT_EQ(kasten.top - kasten.bottom, nachweis->breite);

    // Fonts 7, 14 and 16 turn the same way, a tenth of a degree further: up, drifting right.
    CProtokollDruck druck;
    druck.ErzeugeGdiObjekte(nullptr);
    RecordingDC dc;
    dc.SetTextAlign(TA_BOTTOM | TA_LEFT | TA_UPDATECP);
    for (const int nummer : {6, 7, 14, 16}) {
        dc.SelectObject(druck.Schriften[nummer]);
        dc.MoveTo(5000, -20000);
        const std::string text = "Senkrechte Beschriftung der Achse " + std::to_string(nummer);
        dc.TextOut(0, 0, text);
        const int breite = dc.GetTextExtent(text).cx;
        const double zehntelGrad = std::sin(std::numbers::pi / 1800);
        const int drift = nummer == 6 ? 0 : static_cast<int>(std::lround(breite * zehntelGrad));
        EXPECT_GT(breite, 3000) << nummer;
        EXPECT_EQ(dc.GetCurrentPosition(), POINT(5000 + drift, -20000 + breite)) << nummer;
        const RECT zelle = dc.Texte().back().kasten;
        EXPECT_EQ(zelle.bottom, -20000) << nummer;
        EXPECT_EQ(zelle.right, 5000 + drift) << nummer;
        EXPECT_EQ(zelle.left, 5000 - dc.GetTextExtent("").cy) << nummer;
    }
}
