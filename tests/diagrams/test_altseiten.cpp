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
