#include "platform/recordingdc.h"
#include "report/protokolldruck.h"

#include <gtest/gtest.h>

namespace {

struct AltSeiten : ::testing::Test
{
    AltSeiten()
    {
        druck.ErzeugeGdiObjekte(nullptr);
        druck.Abbildung.Init(2500, -1620, 16800, 26000, 30, 67);
        druck.Abbildung.SetzeDC(&dc);
    }

    CFesteTextMetrik metrik;
    RecordingDC dc{metrik};
    CProtokollDruck druck;
    const RECT seite{0, 0, 19000, -27700};
};

} // namespace

TEST_F(AltSeiten, LowCodePagesSetTheMarkupFontsAndDrawNothing)
{
    druck.DruckeAltSeite3(dc, seite, "a|b", "0@1|0@1", "Titel");
    EXPECT_TRUE(dc.Eintraege().empty());
    druck.Abbildung.TextAusgabe(22, 0, 0, "m<t>d<fs>r");
    const auto texte = dc.Texte();
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(texte[0].zustand.schrift, druck.Schriften[0]);
    EXPECT_EQ(texte[1].punkte[0].y, texte[0].punkte[0].y - 50); // lowered by the step
    EXPECT_EQ(texte[2].zustand.schrift.GetLogFont().lfFaceName, "Symbol");

    CProtokollDruck zweiter;
    zweiter.ErzeugeGdiObjekte(nullptr);
    zweiter.Abbildung.Init(2500, -1620, 16800, 26000, 30, 67);
    zweiter.Abbildung.SetzeDC(&dc);
    dc.Leeren();
    zweiter.DruckeAltSeite4(dc, seite, "", "", "");
    zweiter.Abbildung.TextAusgabe(22, 0, 0, "m<t>d<fs>r");
    EXPECT_EQ(dc.Texte().size(), 3u);
    EXPECT_EQ(dc.Texte()[2].zustand.schrift.GetLogFont().lfFaceName, "Symbol");
}

TEST_F(AltSeiten, FramePageOutlinesTheRightHalfBelowTheHeader)
{
    druck.DruckeRahmenAlt(dc, seite, "", "", "");
    std::vector<std::vector<POINT>> linien;
    for (const DCEintrag& e : dc.Eintraege())
        linien.push_back(e.punkte);
    // Grid columns 15 and 30, rows 6 and 56 from the top.
    const POINT obenLinks{10900, -3948}, untenLinks{10900, -23351}, untenRechts{19300, -23351},
        obenRechts{19300, -3948};
    EXPECT_EQ(linien, (std::vector<std::vector<POINT>>{{obenLinks, untenLinks},
                                                       {untenLinks, untenRechts},
                                                       {untenRechts, obenRechts},
                                                       {obenRechts, obenLinks}}));
}

TEST_F(AltSeiten, ProctorPageDrawsTheDiagramInItsFrame)
{
    druck.DruckeProctorAlt(dc, seite, "", "0.06@0.18|1.80@2.00|0.08@0.12|1.9@1.95", "");
    const auto& e = dc.Eintraege();
    ASSERT_GT(e.size(), 8u);
    // Outline from grid (0, 6) to (30, 26), then the diagram frame from column 3, row 7 to
    // column 29, row 23.
    EXPECT_EQ(e[0].punkte, (std::vector<POINT>{{2500, -3948}, {2500, -11709}}));
    EXPECT_EQ(e[4].punkte, (std::vector<POINT>{{4180, -4336}, {18740, -4336}}));
    EXPECT_EQ(e[4].zustand.stift, druck.Stifte[1]);
    EXPECT_EQ(e[6].punkte, (std::vector<POINT>{{18740, -10545}, {4180, -10545}}));
    EXPECT_EQ(dc.Texte().front().text, "Wassergehalt [-]");
    EXPECT_EQ(dc.Texte()[1].zustand.schrift, druck.Schriften[6]);
}
