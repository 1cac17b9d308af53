#include "diagrams/fliessgrenzendiagramm.h"
#include "zustandsgrenzentest.h"

namespace {

// Blow counts 10 to 100 over 14000 units (one decade), water contents 0 to 0.5 over 10000 units.
// Three points inside, one on the last blow-count tick; the flow line from edge to edge; wl 0.38.
const std::string fliessDaten = "10@20@50@100|0@0.1@0.2@0.3@0.4@0.5|15@25@35@100|"
                                "0.45@0.40@0.35@0.30|10@0.48@100@0.28|0.38";

class Fliessgrenze : public Zustandsgrenzentest
{
protected:
    void Zeichne(const std::string& daten, bool unformatiert = false)
    {
        dc.Leeren();
        ZeichneFliessgrenzenDiagramm(dc, rechteck, daten, katalog, stift1, stift4, schrift0,
                                     schrift6, unformatiert);
    }
    // Lines after the frame (4), the blow-count ticks and the water-content ticks.
    std::vector<Punkte> Zeichnung(std::size_t xStriche, std::size_t yStriche) const
    {
        auto linien = Linien();
        linien.erase(linien.begin(), linien.begin() + static_cast<long>(4 + xStriche + yStriche));
        return linien;
    }

    const RECT rechteck{3000, -5000, 17000, -15000};
};

class Ausrollgrenze : public Zustandsgrenzentest
{
protected:
    void Zeichne(const std::string& daten, bool unformatiert = false)
    {
        dc.Leeren();
        ZeichneAusrollgrenzenDiagramm(dc, rechteck, daten, katalog, stift1, stift4, schrift0,
                                      schrift6, unformatiert);
    }
    // Rows 7 to 10 of the chart data text.
    static std::string Daten(const std::string& striche, const std::string& wp,
                             const std::string& wl, const std::string& ip = "0.25")
    {
        return "|||||||" + striche + "|" + wp + "|" + wl + "|" + ip;
    }

    // Ticks 0 to 70 % every 2000 units.
    const RECT rechteck{1000, -2000, 15000, -3000};
    const std::string striche = "0@10@20@30@40@50@60@70";
};

} // namespace

TEST_F(Fliessgrenze, FrameCaptionsTicksAndLabels)
{
    Zeichne(fliessDaten);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    const auto linien = Linien();
    ASSERT_GE(linien.size(), 14u);
    EXPECT_EQ(linien[0], (Punkte{{3000, -5000}, {17000, -5000}}));
    EXPECT_EQ(linien[1], (Punkte{{17000, -5000}, {17000, -15000}}));
    EXPECT_EQ(linien[2], (Punkte{{17000, -15000}, {3000, -15000}}));
    EXPECT_EQ(linien[3], (Punkte{{3000, -15000}, {3000, -5000}}));
    // Blow counts on a log scale: 20 and 50 at log10 2 and log10 5 of the decade.
    EXPECT_EQ(linien[4], (Punkte{{3000, -15000}, {3000, -15160}}));
    EXPECT_EQ(linien[5], (Punkte{{7214, -15000}, {7214, -15160}}));
    EXPECT_EQ(linien[6], (Punkte{{12785, -15000}, {12785, -15160}}));
    EXPECT_EQ(linien[7], (Punkte{{17000, -15000}, {17000, -15160}}));
    // Six water-content ticks every 2000 units from the upper edge, left of the axis.
    EXPECT_EQ(linien[8], (Punkte{{3000, -5000}, {2840, -5000}}));
    EXPECT_EQ(linien[13], (Punkte{{3000, -15000}, {2840, -15000}}));
    EXPECT_EQ(Linie({3000, -5000}, {17000, -5000}).zustand.stift, stift1);

    const DCEintrag xTitel = Text("Schlagzahl N [Stk]");
    EXPECT_EQ(xTitel.punkte[0], (POINT{17000, -4850}));
    EXPECT_EQ(xTitel.ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(xTitel.zustand.schrift, schrift0);
    const DCEintrag yTitel = Text("Wassergehalt [-]");
    EXPECT_EQ(yTitel.punkte[0], (POINT{2250, -6700}));
    EXPECT_EQ(yTitel.ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(yTitel.zustand.schrift, schrift6);

    const DCEintrag zwanzig = Text("20");
    EXPECT_EQ(zwanzig.punkte[0], (POINT{7214, -15460}));
    EXPECT_EQ(zwanzig.ausrichtung, TA_BASELINE | TA_CENTER);
    EXPECT_EQ(zwanzig.zustand.schrift, schrift0);
    EXPECT_EQ(Text("100").punkte[0], (POINT{17000, -15460}));
    // The upper edge carries the last water content, the lower edge the first.
    const DCEintrag oben = Text("0.5");
    EXPECT_EQ(oben.punkte[0], (POINT{2840, -5100}));
    EXPECT_EQ(oben.ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(Text("0").punkte[0], (POINT{2840, -15100}));
}

TEST_F(Fliessgrenze, PointsFlowLineAndTheReadingAt25Blows)
{
    Zeichne(fliessDaten);
    const auto zeichnung = Zeichnung(4, 6);
    // Three crosses (the point on the last blow-count tick has none), the flow line, the
    // vertical at 25 blows and the dotted line at wl.
    ASSERT_EQ(zeichnung.size(), 6u + 1 + 1 + 1);
    EXPECT_EQ(zeichnung[0], (Punkte{{5415, -5950}, {5515, -6050}}));
    EXPECT_EQ(zeichnung[1], (Punkte{{5515, -5950}, {5415, -6050}}));
    EXPECT_EQ(zeichnung[2], (Punkte{{8521, -6950}, {8621, -7050}}));
    EXPECT_EQ(zeichnung[5], (Punkte{{10666, -7950}, {10566, -8050}}));
    EXPECT_EQ(zeichnung[6], (Punkte{{3000, -5400}, {17000, -9400}}));
    EXPECT_EQ(zeichnung[7], (Punkte{{8571, -15000}, {8571, -5000}}));
    EXPECT_EQ(zeichnung[8], (Punkte{{8571, -7400}, {3000, -7400}}));
    EXPECT_EQ(Linie({8571, -7400}, {3000, -7400}).zustand.stift, stift4);
    EXPECT_EQ(Linie({3000, -5400}, {17000, -9400}).zustand.stift, stift1);

    const DCEintrag wert = Text("wl = 0.38");
    EXPECT_EQ(wert.punkte[0], (POINT{3250, -4500}));
    EXPECT_EQ(wert.ausrichtung, TA_BASELINE | TA_RIGHT);
    // Left with pen 1, font 0 and baseline-right.
    EXPECT_EQ(dc.GetCurrentPen(), stift1);
    EXPECT_EQ(dc.GetCurrentFont(), schrift0);
    EXPECT_EQ(dc.GetTextAlign(), TA_BASELINE | TA_RIGHT);
}

TEST_F(Fliessgrenze, PointsOnTheBlowCountBoundsAreLeftOutThoseOnTheWaterContentBoundsMarked)
{
    // Blow counts 10 and 100 on the bounds, water contents 0 and 0.5 on the bounds; three points
    // give no flow line.
    Zeichne("10@100|0@0.5|10@100@20|0.2@0.2@0.5|10@0.4@100@0.2|");
    auto zeichnung = Zeichnung(2, 2);
    ASSERT_EQ(zeichnung.size(), 2u + 1);
    EXPECT_EQ(zeichnung[0], (Punkte{{7164, -4950}, {7264, -5050}}));
    EXPECT_EQ(zeichnung[2], (Punkte{{8571, -15000}, {8571, -5000}}));

    // A first tick of 0 stands for 0.01 blows: the axis starts at log −2 on the left edge, and
    // a point of 0 blows lies on that bound, unmarked.
    Zeichne("0@10@100|0@0.5|0@1@1@1|0.25@0.25@0.25@0.25");
    EXPECT_EQ(Linien()[4], (Punkte{{3000, -15000}, {3000, -15160}}));
    EXPECT_EQ(Linien()[5], (Punkte{{13500, -15000}, {13500, -15160}}));
    zeichnung = Zeichnung(3, 2);
    // One blow maps to log 0: three crosses at the same place, then the vertical at 25 blows.
    ASSERT_EQ(zeichnung.size(), 6u + 1);
    EXPECT_EQ(zeichnung[0], (Punkte{{9950, -9950}, {10050, -10050}}));

    // With the axis from 0.001 blows, a point of 0 blows (0.01) lies inside; an empty row 2 is
    // one such point at water content 0, on the lower bound.
    Zeichne("0.001@100|0@0.5||");
    zeichnung = Zeichnung(2, 2);
    ASSERT_EQ(zeichnung.size(), 2u + 1);
    EXPECT_EQ(zeichnung[0], (Punkte{{5750, -14950}, {5850, -15050}}));
}

TEST_F(Fliessgrenze, TooFewWaterContentTicksDrawNothing)
{
    Zeichne("");
    EXPECT_TRUE(dc.Eintraege().empty());
    Zeichne("10@100|0.5|15|0.3");
    EXPECT_TRUE(dc.Eintraege().empty());
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
}

TEST_F(Fliessgrenze, FlowLineIsCutAtTheFrameEvenWhenItsEndsLieOutside)
{
    // From 12 blows above the axis to 200 blows beyond it: it enters through the upper edge near
    // 24.3 blows and leaves through the right edge at w 0.399. The line from its second end
    // toward the origin misses the frame; the flow line is drawn all the same. No wl, no dotted
    // line.
    Zeichne("10@30@100|0.3@0.4@0.5|5@6@7@8|0.3@0.3@0.3@0.3|12@0.55@200@0.35|");
    const auto zeichnung = Zeichnung(3, 3);
    ASSERT_EQ(zeichnung.size(), 2u);
    const Punkte& fliesslinie = zeichnung[0];
    EXPECT_NEAR(fliesslinie[0].x, 8385, 20);
    EXPECT_EQ(fliesslinie[0].y, -5000);
    EXPECT_NEAR(fliesslinie[1].x, 17000, 2);
    EXPECT_NEAR(fliesslinie[1].y, -10036, 20);
    EXPECT_EQ(zeichnung[1], (Punkte{{8571, -15000}, {8571, -5000}}));
}

TEST_F(Fliessgrenze, BlowCountsWithoutLogarithmDrawNoGarbage)
{
    // Flow-line ends of 0 and −5 blows: no flow line.
    Zeichne("10@100|0@0.5|15@20@30@40|0.3@0.3@0.3@0.3|0@0.4@-5@0.2|0.25");
    auto zeichnung = Zeichnung(2, 2);
    EXPECT_EQ(zeichnung.size(), 8u + 1 + 1);
    EXPECT_TRUE(AllesAufDerSeite());

    // Ticks of 0 and below after the first: 0 stands on the left edge, −5 has no tick and no
    // label.
    Zeichne("10@0@-5@100|0@0.5|");
    EXPECT_EQ(Linien()[5], (Punkte{{3000, -15000}, {3000, -15160}}));
    EXPECT_EQ(Linien()[6], (Punkte{{17000, -15000}, {17000, -15160}}));
    EXPECT_FALSE(HatText("-5"));
    EXPECT_TRUE(AllesAufDerSeite());

    // A last tick of 0, a single tick, equal ticks: no scale. Frame, ticks on the left edge and
    // the water-content axis are drawn, no point, no reading line.
    for (const char* daten : {"10@0|0@0.5|20|0.2|10@0.4@50@0.2|0.25", "10|0@0.5|20|0.2",
                              "10@10|0@0.5|20|0.2", "-10@100|0@0.5|20|0.2"}) {
        Zeichne(daten);
        EXPECT_TRUE(AllesAufDerSeite()) << daten;
        EXPECT_TRUE(HatLinie({3000, -15000}, {2840, -15000})) << daten;
        EXPECT_TRUE(HatLinie({3000, -15000}, {3000, -15160})) << daten;
        EXPECT_TRUE(HatText("wl = 0.25") || HatText("wl = ")) << daten;
    }
}

TEST_F(Fliessgrenze, ReadingLinesAtTheEdgesOfTheAxes)
{
    // 25 blows left of an axis from 30: the vertical still stands there.
    Zeichne("30@100|0@0.5||||0.25");
    EXPECT_EQ(Zeichnung(2, 2).front()[0].y, -15000);
    EXPECT_LT(Zeichnung(2, 2).front()[0].x, 3000);
    // wl on the highest or lowest tick, or outside: no dotted line.
    for (const char* wl : {"0.5", "0", "0.6", "-0.1"}) {
        Zeichne(std::string("10@100|0@0.5||||") + wl);
        EXPECT_EQ(Zeichnung(2, 2).size(), 1u) << wl;
    }
    Zeichne("10@100|0@0.5||||0.499");
    EXPECT_EQ(Zeichnung(2, 2).size(), 2u);
}

TEST_F(Fliessgrenze, PercentSettingAppliesToWaterContentsOnly)
{
    g_pfade.anteilAlsProzent = true;
    Zeichne(fliessDaten);
    EXPECT_TRUE(HatText("Schlagzahl N [Stk]"));
    EXPECT_TRUE(HatText("Wassergehalt [%]"));
    EXPECT_TRUE(HatText("50.0"));
    EXPECT_TRUE(HatText("100"));
    EXPECT_TRUE(HatText("wl = 38.0 %"));

    Zeichne(fliessDaten, true);
    EXPECT_TRUE(HatText("Wassergehalt [-]"));
    EXPECT_TRUE(HatText("0.5"));
    EXPECT_TRUE(HatText("wl = 0.38"));
}

TEST_F(Ausrollgrenze, BandBetweenWpAndWlWithTheirValues)
{
    Zeichne(Daten(striche, "0.2", "0.45"));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    const auto linien = Linien();
    ASSERT_EQ(linien.size(), 4u + 8 + 2);
    EXPECT_EQ(linien[0], (Punkte{{1000, -2000}, {15000, -2000}}));
    EXPECT_EQ(linien[4], (Punkte{{1000, -3000}, {1000, -3160}}));
    EXPECT_EQ(linien[11], (Punkte{{15000, -3000}, {15000, -3160}}));
    EXPECT_EQ(linien[12], (Punkte{{5000, -1840}, {5000, -3000}}));
    EXPECT_EQ(linien[13], (Punkte{{10000, -1840}, {10000, -3000}}));
    EXPECT_EQ(Linie({10000, -1840}, {10000, -3000}).zustand.stift, stift1);

    const auto baender = Eintraege(DCPrimitiv::Rechteck);
    ASSERT_EQ(baender.size(), 1u);
    EXPECT_EQ(baender[0].rechteck, (RECT{5000, -2020, 10000, -3000}));
    EXPECT_EQ(baender[0].zustand.stift, CPen(PS_SOLID, 0, RGB(180, 180, 180)));
    EXPECT_EQ(baender[0].zustand.pinsel, CBrush(RGB(180, 180, 180)));

    const DCEintrag titel = Text("Wassergehalt [-]");
    EXPECT_EQ(titel.punkte[0], (POINT{15000, -3800}));
    EXPECT_EQ(titel.ausrichtung, TA_BASELINE | TA_RIGHT);
    // Percent ticks labelled as fractions; the last tick (70) has none.
    EXPECT_EQ(Text("0.0").punkte[0], (POINT{1000, -3460}));
    EXPECT_EQ(Text("0.6").punkte[0], (POINT{13000, -3460}));
    EXPECT_EQ(Text("0.6").ausrichtung, TA_BASELINE | TA_CENTER);
    EXPECT_FALSE(HatText("0.7"));

    const DCEintrag wp = Text("wp = 0.2");
    EXPECT_EQ(wp.punkte[0], (POINT{1000, -1500}));
    EXPECT_EQ(wp.ausrichtung, TA_BASELINE | TA_LEFT);
    const DCEintrag ip = Text("Ip = 0.25");
    EXPECT_EQ(ip.punkte[0], (POINT{15000, -1500}));
    EXPECT_EQ(ip.ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(Text("wp").punkte[0], (POINT{5000, -1750}));
    EXPECT_EQ(Text("wl").punkte[0], (POINT{10000, -1750}));
    EXPECT_EQ(Text("Ip").punkte[0], (POINT{7500, -2600}));
    EXPECT_EQ(Text("Ip").ausrichtung, TA_BASELINE | TA_CENTER);
    EXPECT_FALSE(HatText("Eingabefehler: wp > wl"));
    EXPECT_EQ(dc.GetCurrentPen(), stift1);
}

TEST_F(Ausrollgrenze, LimitsThatCannotBePlacedInOrderGiveTheInputError)
{
    const char* const faelle[][2] = {
        {"0.3", "0.3"},   // wp equal to wl
        {"0.4", "0.3"},   // wp above wl
        {"-0.05", "0.3"}, // wp left of the first tick
        {"0.3", "0.75"},  // wl right of the last tick
    };
    for (const auto& fall : faelle) {
        Zeichne(Daten(striche, fall[0], fall[1]));
        const DCEintrag fehler = Text("Eingabefehler: wp > wl");
        EXPECT_EQ(fehler.punkte[0], (POINT{8000, -1800})) << fall[0];
        EXPECT_EQ(fehler.ausrichtung, TA_BASELINE | TA_RIGHT);
        EXPECT_TRUE(Eintraege(DCPrimitiv::Rechteck).empty());
        EXPECT_FALSE(HatText("wp"));
        EXPECT_EQ(Linien().size(), 4u + 8);
    }
    // wl on the last tick and wp on the first still make a band.
    Zeichne(Daten(striche, "0", "0.7"));
    EXPECT_EQ(Eintraege(DCPrimitiv::Rechteck).size(), 1u);
}

TEST_F(Ausrollgrenze, WithoutAScaleOnlyFrameCaptionOneTickAndTheError)
{
    for (const std::string& daten : {std::string(), Daten("20", "0.2", "0.45")}) {
        Zeichne(daten);
        const auto linien = Linien();
        ASSERT_EQ(linien.size(), 5u);
        EXPECT_EQ(linien[4], (Punkte{{1000, -3000}, {1000, -3160}}));
        EXPECT_EQ(Texte(),
                  (std::vector<std::string>{"Wassergehalt [-]", "Eingabefehler: wp > wl"}));
    }
}

TEST_F(Ausrollgrenze, BandIsPlacedOnTheScaleWhenTheTicksDoNotStartAtZero)
{
    // Ticks 10 to 80 %: wp 20 % stands on the second tick, wl 45 % halfway between 40 and 50.
    Zeichne(Daten("10@20@30@40@50@60@70@80", "0.2", "0.45"));
    const auto baender = Eintraege(DCPrimitiv::Rechteck);
    ASSERT_EQ(baender.size(), 1u);
    EXPECT_EQ(baender[0].rechteck, (RECT{3000, -2020, 8000, -3000}));
    EXPECT_TRUE(HatLinie({3000, -3000}, {3000, -3160}));
    EXPECT_EQ(Text("0.1").punkte[0], (POINT{1000, -3460}));
    // wp 5 % lies left of the scale.
    Zeichne(Daten("10@20@30@40@50@60@70@80", "0.05", "0.45"));
    EXPECT_TRUE(HatText("Eingabefehler: wp > wl"));
}

TEST_F(Ausrollgrenze, PercentSetting)
{
    g_pfade.anteilAlsProzent = true;
    Zeichne(Daten(striche, "0.2", "0.45"));
    EXPECT_TRUE(HatText("Wassergehalt [%]"));
    EXPECT_TRUE(HatText("20.0"));
    EXPECT_TRUE(HatText("0.0"));
    EXPECT_TRUE(HatText("wp = 20.0 %"));
    EXPECT_TRUE(HatText("Ip = 25.0 %"));

    Zeichne(Daten(striche, "0.2", "0.45"), true);
    EXPECT_TRUE(HatText("Wassergehalt [-]"));
    EXPECT_TRUE(HatText("0.2"));
    EXPECT_TRUE(HatText("wp = 0.2"));
}
