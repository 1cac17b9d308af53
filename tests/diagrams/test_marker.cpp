#include "diagrams/marker.h"
#include "platform/recordingdc.h"

#include <gtest/gtest.h>

namespace {

using Punkte = std::vector<POINT>;

const COLORREF rot = RGB(255, 0, 0);

struct MarkerTest : ::testing::Test
{
    CFesteTextMetrik metrik;
    RecordingDC dc{metrik};

    const std::vector<DCEintrag>& Zeichne(int typ, int s = 100)
    {
        dc.Leeren();
        ZeichneMarker(dc, typ, rot, 1000, -2000, s);
        return dc.Eintraege();
    }
};

} // namespace

TEST_F(MarkerTest, OutlinedShapesUseTheSelectedPenAndBrush)
{
    const CPen stift(PS_SOLID, 20, RGB(0, 0, 255));
    const CBrush pinsel(RGB(0, 255, 0));
    dc.SelectObject(stift);
    dc.SelectObject(pinsel);
    const RECT kasten{900, -1900, 1100, -2100};

    const auto& kreis = Zeichne(MARKER_KREIS);
    ASSERT_EQ(kreis.size(), 1u);
    EXPECT_EQ(kreis[0].art, DCPrimitiv::Ellipse);
    EXPECT_EQ(kreis[0].rechteck, kasten);
    EXPECT_EQ(kreis[0].zustand.pinsel, pinsel);
    EXPECT_EQ(kreis[0].zustand.stift, stift);

    const auto& quadrat = Zeichne(MARKER_QUADRAT);
    ASSERT_EQ(quadrat.size(), 1u);
    EXPECT_EQ(quadrat[0].art, DCPrimitiv::Rechteck);
    EXPECT_EQ(quadrat[0].rechteck, kasten);

    const auto& kreuz = Zeichne(MARKER_KREUZ);
    ASSERT_EQ(kreuz.size(), 2u);
    EXPECT_EQ(kreuz[0].art, DCPrimitiv::Polygon);
    EXPECT_EQ(kreuz[0].punkte, (Punkte{{900, -2100}, {1100, -1900}}));
    EXPECT_EQ(kreuz[1].punkte, (Punkte{{900, -1900}, {1100, -2100}}));

    const auto& dreieck = Zeichne(MARKER_DREIECK);
    ASSERT_EQ(dreieck.size(), 1u);
    EXPECT_EQ(dreieck[0].punkte, (Punkte{{900, -2100}, {1000, -1900}, {1100, -2100}}));
    // Half-size 0: a polygon shrunk to the point itself.
    EXPECT_EQ(Zeichne(MARKER_DREIECK, 0)[0].punkte,
              (Punkte{{1000, -2000}, {1000, -2000}, {1000, -2000}}));
}

TEST_F(MarkerTest, FilledTypesUseTheColourAndKeepTheSelectedBrush)
{
    const CBrush pinsel(RGB(0, 255, 0));
    dc.SelectObject(pinsel);

    const auto& kreis = Zeichne(MARKER_KREIS_GEFUELLT);
    ASSERT_EQ(kreis.size(), 1u);
    EXPECT_EQ(kreis[0].art, DCPrimitiv::Ellipse);
    EXPECT_EQ(kreis[0].zustand.pinsel.Farbe(), rot);
    EXPECT_EQ(dc.GetCurrentBrush(), pinsel);

    const auto& quadrat = Zeichne(MARKER_QUADRAT_GEFUELLT);
    ASSERT_EQ(quadrat.size(), 1u);
    EXPECT_EQ(quadrat[0].art, DCPrimitiv::Flaeche);
    EXPECT_EQ(quadrat[0].rechteck, (RECT{900, -1900, 1100, -2100}));
    EXPECT_EQ(quadrat[0].fuellung.Farbe(), rot);
    EXPECT_EQ(dc.GetCurrentBrush(), pinsel);

    EXPECT_TRUE(Zeichne(6).empty());
    EXPECT_TRUE(Zeichne(-1).empty());
}

TEST_F(MarkerTest, LegendSampleIsALineBetweenTwoMarkers)
{
    ZeichneLegendenEintrag(dc, MARKER_QUADRAT, rot, 100, -200, 900, -200, 80);
    const auto& e = dc.Eintraege();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].rechteck, (RECT{20, -120, 180, -280}));
    EXPECT_EQ(e[1].art, DCPrimitiv::Linienzug);
    EXPECT_EQ(e[1].punkte, (Punkte{{100, -200}, {900, -200}}));
    EXPECT_EQ(e[2].rechteck, (RECT{820, -120, 980, -280}));
}
