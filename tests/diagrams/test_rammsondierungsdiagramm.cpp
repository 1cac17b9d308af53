#include "diagrams/rammsondierungsdiagramm.h"
#include "platform/recordingdc.h"
#include "report/textkatalog.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using Punkte = std::vector<POINT>;

CFont Schrift(int escapement)
{
    CFont schrift;
    schrift.CreateFont(300, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, 0, 0, 16, 0, 48,
                       "Tahoma");
    return schrift;
}

// Blows 0 … n − 1 cycling through 0 to 9, and depth labels "0.0", "0.1", … for n + 1 boundaries.
std::string Daten(const std::string& striche, int n)
{
    std::string tiefen = "0.0", schlaege;
    for (int i = 0; i < n; ++i) {
        tiefen += "@" + std::to_string((i + 1) / 10) + "." + std::to_string((i + 1) % 10);
        schlaege += (i ? "@" : "") + std::to_string(i % 10);
    }
    return striche + "|" + tiefen + "|" + schlaege + "|";
}

const CPen grau{PS_SOLID, 0, RGB(180, 180, 180)};

struct RammDiagramm : ::testing::Test
{
    RammDiagramm() { katalog.LadeStandardTexte(); }

    void Zeichne(const std::string& daten, RECT r)
    {
        dc.Leeren();
        ZeichneRammsondierungsDiagramm(dc, r, daten, katalog, rahmen, gitter, schrift, senkrecht);
    }
    void Fenster(const std::string& daten, int fenster)
    {
        dc.Leeren();
        ZeichneRammsondierungsDiagramm2(dc, rechteck, daten, katalog, rahmen, gitter, schrift,
                                        senkrecht, fenster);
    }
    std::vector<DCEintrag> Eintraege(DCPrimitiv art) const
    {
        std::vector<DCEintrag> treffer;
        std::ranges::copy_if(dc.Eintraege(), std::back_inserter(treffer),
                             [&](const DCEintrag& e) { return e.art == art; });
        return treffer;
    }
    std::vector<RECT> Balken() const
    {
        std::vector<RECT> balken;
        for (const DCEintrag& e : Eintraege(DCPrimitiv::Rechteck)) {
            EXPECT_EQ(e.zustand.stift, grau);
            EXPECT_EQ(e.zustand.pinsel, CBrush(RGB(180, 180, 180)));
            balken.push_back(e.rechteck);
        }
        return balken;
    }
    int Linien(Punkte punkte, const CPen& stift) const
    {
        return static_cast<int>(std::ranges::count_if(dc.Eintraege(), [&](const DCEintrag& e) {
            return e.art == DCPrimitiv::Linienzug && e.punkte == punkte && e.zustand.stift == stift;
        }));
    }
    // Left ticks from the axis: their lengths by boundary y.
    std::vector<std::pair<int, int>> TiefenStriche(int links) const
    {
        std::vector<std::pair<int, int>> striche;
        for (const DCEintrag& e : Eintraege(DCPrimitiv::Linienzug))
            if (e.punkte.size() == 2 && e.punkte[0].x == links && e.punkte[1].x < links &&
                e.punkte[0].y == e.punkte[1].y)
                striche.emplace_back(e.punkte[0].y, links - e.punkte[1].x);
        return striche;
    }
    std::vector<DCEintrag> Texte(unsigned ausrichtung) const
    {
        std::vector<DCEintrag> texte;
        for (const DCEintrag& e : Eintraege(DCPrimitiv::Text))
            if (e.ausrichtung == ausrichtung && e.zustand.schrift == schrift)
                texte.push_back(e);
        return texte;
    }
    bool AllesEndlichUndNah() const
    {
        return std::ranges::all_of(dc.Eintraege(), [](const DCEintrag& e) {
            const bool punkteNah = std::ranges::all_of(
                e.punkte, [](POINT p) { return std::abs(p.x) < 40000 && std::abs(p.y) < 40000; });
            return punkteNah && std::abs(e.rechteck.left) < 40000 &&
                   std::abs(e.rechteck.right) < 40000;
        });
    }

    CFesteTextMetrik metrik;
    RecordingDC dc{metrik};
    CTextKatalog katalog;
    const CPen rahmen{PS_SOLID, 20, RGB(0, 0, 0)};
    const CPen gitter{PS_DOT, 1, RGB(0, 0, 0)};
    const CFont schrift = Schrift(0);
    const CFont senkrecht = Schrift(2700);
    // 9000 units wide and high: one step is 100 units, one blow 300 units at ticks 0 … 30.
    const RECT rechteck{3000, -2000, 12000, -11000};
};

} // namespace

TEST_F(RammDiagramm, FifteenStepsGiveBarsTicksAndEverySecondDepthLabel)
{
    Zeichne(Daten("0@10@20@30", 15), rechteck);
    const std::vector<RECT> balken = Balken();
    ASSERT_EQ(balken.size(), 15u);
    // Step 4 has 4 blows: from 16 right of the axis to 3000 + 4 × 300, boundary 4 down to 5.
    EXPECT_EQ(balken[4], (RECT{3016, -2400, 4200, -2500}));

    const auto striche = TiefenStriche(3000);
    int kurz = 0;
    std::vector<int> lang;
    for (const auto& [y, laenge] : striche) {
        if (laenge == 160)
            ++kurz;
        else if (laenge == 320)
            lang.push_back(y);
    }
    EXPECT_EQ(kurz, 16);
    EXPECT_EQ(lang, (std::vector<int>{-2000, -3000}));

    // Depth labels of boundaries 0, 2 … 14, right-aligned 320 left of the axis, 105 below.
    const auto tiefen = Texte(TA_BASELINE | TA_RIGHT);
    ASSERT_EQ(tiefen.size(), 9u); // and the blow-axis caption
    EXPECT_EQ(tiefen[1].text, "0.0");
    EXPECT_EQ(tiefen[1].punkte[0], (POINT{2680, -2105}));
    EXPECT_EQ(tiefen[8].text, "1.4");
    EXPECT_EQ(tiefen[8].punkte[0], (POINT{2680, -3505}));
}

TEST_F(RammDiagramm, FrameHeightHoldsNinetyStepsTruncated)
{
    Zeichne(Daten("0@10@20@30", 90), rechteck);
    auto balken = Balken();
    ASSERT_EQ(balken.size(), 90u);
    EXPECT_EQ(balken.back().bottom, -11000); // 100 units a step: the last ends on the edge

    // 8999 high: 99 units a step, the last one 89 above the lower edge.
    Zeichne(Daten("0@10@20@30", 90), RECT{3000, -2000, 12000, -10999});
    balken = Balken();
    ASSERT_EQ(balken.size(), 90u);
    EXPECT_EQ(balken[0].bottom, -2099);
    EXPECT_EQ(balken.back().bottom, -10999 + 89);

    // Steps beyond the 90th run on below the frame, ticks and labels with them.
    Zeichne(Daten("0@10@20@30", 100), rechteck);
    EXPECT_EQ(Balken().back().bottom, -12000);
    EXPECT_EQ(Linien({{3000, -12000}, {2680, -12000}}, rahmen), 1);
}

TEST_F(RammDiagramm, BarLengthFromTheFirstTickAndCutAtTheLastTick)
{
    Zeichne("0@10@20@30||0@60@3@-2|", rechteck);
    const auto balken = Balken();
    ASSERT_EQ(balken.size(), 4u);
    EXPECT_EQ(balken[0], (RECT{3016, -2000, 3000, -2100})); // a grey sliver under the axis
    EXPECT_EQ(balken[1].right, 12000);                      // twice the last tick
    EXPECT_EQ(balken[2].right, 3900);
    EXPECT_EQ(balken[3].right, 2400); // no lower limit

    // Outlines in the frame pen on three sides; the side on the axis is not drawn again.
    EXPECT_EQ(Linien({{3000, -2100}, {12000, -2100}}, rahmen), 1);
    EXPECT_EQ(Linien({{12000, -2100}, {12000, -2200}}, rahmen), 1);
    EXPECT_EQ(Linien({{12000, -2200}, {3000, -2200}}, rahmen), 1);
    EXPECT_EQ(Linien({{3000, -2200}, {3000, -2100}}, rahmen), 0);
    // The grey pen and brush were for the bars only.
    EXPECT_NE(dc.GetCurrentBrush(), CBrush(RGB(180, 180, 180)));
    EXPECT_EQ(dc.GetCurrentPen(), rahmen);

    // Ticks 5 … 30: a bar ends where the labels put its blows, 360 units a blow from 5 at the
    // left edge, and 60 are cut at the last tick, the right edge.
    Zeichne("5@10@15@20@25@30||10@17.5@60|", rechteck);
    ASSERT_EQ(Balken().size(), 3u);
    EXPECT_EQ(Balken()[0].right, 3000 + 5 * 360);
    EXPECT_EQ(Balken()[1].right, 3000 + 125 * 36);
    EXPECT_EQ(Balken()[2].right, 12000);
}

TEST_F(RammDiagramm, BlowAxisTicksLabelsGridAndCaptions)
{
    Zeichne(Daten("0@10@20@30", 5), rechteck);
    // Frame.
    EXPECT_EQ(Linien({{3000, -2000}, {12000, -2000}}, rahmen), 1);
    EXPECT_EQ(Linien({{12000, -11000}, {3000, -11000}}, rahmen), 1);
    // Four ticks pointing up out of the frame, each labelled 260 above it.
    const auto labels = Texte(TA_BASELINE | TA_CENTER);
    ASSERT_EQ(labels.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const int x = 3000 + 3000 * i;
        EXPECT_EQ(Linien({{x, -2000}, {x, -1840}}, rahmen), 1) << i;
        EXPECT_EQ(labels[static_cast<std::size_t>(i)].punkte[0], (POINT{x, -1740}));
    }
    EXPECT_EQ(labels[3].text, "30");
    // Two inner grid lines, dotted, over the whole frame.
    EXPECT_EQ(Linien({{6000, -2000}, {6000, -11000}}, gitter), 1);
    EXPECT_EQ(Linien({{9000, -2000}, {9000, -11000}}, gitter), 1);
    EXPECT_EQ(Eintraege(DCPrimitiv::Linienzug).size() -
                  static_cast<std::size_t>(std::ranges::count_if(
                      Eintraege(DCPrimitiv::Linienzug),
                      [&](const DCEintrag& e) { return e.zustand.stift != gitter; })),
              2u);

    const auto texte = Eintraege(DCPrimitiv::Text);
    const auto titel =
        std::ranges::find(texte, "Schläge für 0,1m Eindringtiefe  N10", &DCEintrag::text);
    ASSERT_NE(titel, texte.end());
    EXPECT_EQ(titel->punkte[0], (POINT{12000, -1300}));
    EXPECT_EQ(titel->ausrichtung, TA_BASELINE | TA_RIGHT);
    const auto tiefe = std::ranges::find(texte, "Eindringtiefe T [m]", &DCEintrag::text);
    ASSERT_NE(tiefe, texte.end());
    EXPECT_EQ(tiefe->punkte[0], (POINT{2100, -3800}));
    EXPECT_EQ(tiefe->ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(tiefe->zustand.schrift, senkrecht);

    // Without the catalogue key the captions read "FEHLER".
    katalog = CTextKatalog();
    Zeichne(Daten("0@10@20@30", 5), rechteck);
    EXPECT_EQ(std::ranges::count(Eintraege(DCPrimitiv::Text), "FEHLER", &DCEintrag::text), 2);
}

// One tick, equal first and last ticks, no data and numbers that are not finite: the diagram
// still draws its frame and axis, but no bar whose end cannot be placed.
TEST_F(RammDiagramm, DegenerateBlowAxisDrawsNoBarsAndNothingFarAway)
{
    Zeichne("10|0.0@0.1@0.2|4@5|", rechteck);
    EXPECT_TRUE(Balken().empty());
    EXPECT_EQ(Linien({{3000, -2000}, {3000, -1840}}, rahmen), 1); // the one tick on the left
    EXPECT_TRUE(AllesEndlichUndNah());

    Zeichne("10@10|0.0@0.1|4|", rechteck);
    EXPECT_TRUE(Balken().empty());
    EXPECT_EQ(Linien({{3000, -2000}, {12000, -2000}}, rahmen), 1);
    EXPECT_TRUE(AllesEndlichUndNah());

    Zeichne("", rechteck);
    EXPECT_TRUE(Balken().empty());
    EXPECT_TRUE(AllesEndlichUndNah());

    Zeichne("0@nan|0.0@0.1|4|", rechteck);
    EXPECT_TRUE(Balken().empty());
    // A scale too large for the device, and a bar end far beyond it.
    Zeichne("0@1e-320|0.0@0.1|4|", rechteck);
    EXPECT_TRUE(Balken().empty());
    Zeichne("0@30|0.0@0.1@0.2@0.3|nan@1e300@-1e300|", rechteck);
    const auto balken = Balken();
    ASSERT_EQ(balken.size(), 2u);
    EXPECT_EQ(balken[0].right, 3000); // a text that is no number counts 0 blows
    EXPECT_EQ(balken[1].right, 12000);
    EXPECT_TRUE(AllesEndlichUndNah());
}

TEST_F(RammDiagramm, WindowShowsThirtyStepsFromTheWindowStart)
{
    const std::string daten = Daten("0@10@20@30", 45);
    Fenster(daten, 1);
    const auto balken = Balken();
    ASSERT_EQ(balken.size(), 30u);
    // Window step 0 is data step 10 (0 blows), step 3 data step 13 (3 blows); 279 units a step.
    EXPECT_EQ(balken[0], (RECT{3016, -2000, 3000, -2279}));
    EXPECT_EQ(balken[3], (RECT{3016, -2837, 3900, -3116}));
    // The frame and the grid end 30 steps down, the rectangle's bottom is not read.
    EXPECT_EQ(Linien({{12000, -2000}, {12000, -10370}}, rahmen), 1);
    EXPECT_EQ(Linien({{6000, -2000}, {6000, -10370}}, gitter), 1);
    // Every boundary labelled from cell 10 on, 260 left and 110 below.
    const auto tiefen = Texte(TA_BASELINE | TA_RIGHT);
    ASSERT_EQ(tiefen.size(), 32u);
    EXPECT_EQ(tiefen[1].text, "1.0");
    EXPECT_EQ(tiefen[1].punkte[0], (POINT{2740, -2110}));
    EXPECT_EQ(tiefen[31].text, "4.0");
    int lang = 0;
    for (const auto& [y, laenge] : TiefenStriche(3000))
        lang += laenge == 320;
    EXPECT_EQ(lang, 4);

    // The last window holds the five remaining steps; the long ticks stay.
    Fenster(daten, 4);
    EXPECT_EQ(Balken().size(), 5u);
    EXPECT_EQ(Texte(TA_BASELINE | TA_RIGHT).size(), 1u + 6u);
    lang = 0;
    for (const auto& [y, laenge] : TiefenStriche(3000))
        lang += laenge == 320;
    EXPECT_EQ(lang, 4);

    // Beyond the data nothing; a negative window number shows the first window.
    Fenster(daten, 5);
    EXPECT_TRUE(Balken().empty());
    Fenster(daten, 1000000000);
    EXPECT_TRUE(Balken().empty());
    Fenster(daten, -3);
    EXPECT_EQ(Balken().size(), 30u);
    EXPECT_EQ(Texte(TA_BASELINE | TA_RIGHT)[1].text, "0.0");
}
