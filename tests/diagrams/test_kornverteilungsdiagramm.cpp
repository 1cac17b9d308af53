#include "diagrams/kornverteilungsdiagramm.h"
#include "diagrams/sieblinie.h"
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

// Size ticks from 0 (read as 0.001 mm) to 100 mm over 14000 units: 2800 units per decade from
// x 3000; passing 0 to 100 % over 10000 units: 100 units per percent up from y -15000.
const std::string xStriche = "0@0.01@0.1@1@10@100";
const std::string yStriche = "0@10@20@30@40@50@60@70@80@90@100";

// The chart data text from row 2 on.
std::string Daten(const std::string& abZeile2)
{
    return xStriche + "|" + yStriche + "|" + abZeile2;
}

struct Kornverteilung : ::testing::Test
{
    Kornverteilung() { katalog.LadeStandardTexte(); }

    void Zeichne(const std::string& daten, bool farbig = false)
    {
        dc.Leeren();
        ZeichneKornverteilungsDiagramm(dc, rechteck, daten, katalog, stift, gitter, schrift,
                                       senkrecht, farbig);
    }
    std::vector<const DCEintrag*> Eintraege(DCPrimitiv art) const
    {
        std::vector<const DCEintrag*> treffer;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == art)
                treffer.push_back(&e);
        return treffer;
    }
    const DCEintrag* Text(const std::string& text, unsigned ausrichtung = ~0u) const
    {
        for (const DCEintrag* e : Eintraege(DCPrimitiv::Text))
            if (e->text == text && (ausrichtung == ~0u || e->ausrichtung == ausrichtung))
                return e;
        return nullptr;
    }
    const DCEintrag* YText(const std::string& text) const
    {
        return Text(text, TA_BASELINE | TA_RIGHT);
    }
    bool HatLinie(POINT von, POINT bis, const CPen& mit) const
    {
        const auto linien = Eintraege(DCPrimitiv::Linienzug);
        return std::any_of(linien.begin(), linien.end(), [&](const DCEintrag* e) {
            return e->punkte == Punkte{von, bis} && e->zustand.stift == mit;
        });
    }
    bool HatLinie(POINT von, POINT bis) const
    {
        const auto linien = Eintraege(DCPrimitiv::Linienzug);
        return std::any_of(linien.begin(), linien.end(), [&](const DCEintrag* e) {
            return e->punkte == Punkte{von, bis};
        });
    }
    // Lines drawn after the frame, ticks and grid, in the curve pen's width inside the plot.
    std::vector<Punkte> Kurvenlinien(int xLinks, int yOben) const
    {
        std::vector<Punkte> linien;
        for (const DCEintrag* e : Eintraege(DCPrimitiv::Linienzug)) {
            const POINT a = e->punkte[0], b = e->punkte[1];
            const bool waagerechtOderSenkrecht = a.x == b.x || a.y == b.y;
            if (!waagerechtOderSenkrecht && a.x > xLinks && a.y < yOben)
                linien.push_back(e->punkte);
        }
        return linien;
    }
    bool AllesImSeitenbereich() const
    {
        return std::all_of(dc.Eintraege().begin(), dc.Eintraege().end(), [](const DCEintrag& e) {
            return std::all_of(e.punkte.begin(), e.punkte.end(), [](POINT p) {
                return std::abs(p.x) < 30000 && std::abs(p.y) < 30000;
            });
        });
    }

    CFesteTextMetrik metrik;
    RecordingDC dc{metrik};
    CTextKatalog katalog;
    const CPen stift{PS_SOLID, 20, RGB(0, 0, 0)};
    const CPen gitter{PS_DOT, 1, RGB(0, 0, 0)};
    const CFont schrift = Schrift(0);
    const CFont senkrecht = Schrift(2700);
    const RECT rechteck{3000, -5000, 17000, -15000};
};

} // namespace

TEST_F(Kornverteilung, FrameTicksLabelsAndGridOnALogarithmicSizeAxis)
{
    CDiagrammBereich bereich;
    RECT plot = rechteck;
    ASSERT_TRUE(ZeichneKornverteilungsRahmen(dc, Daten(""), katalog, stift, gitter, schrift,
                                             senkrecht, bereich, plot));
    EXPECT_DOUBLE_EQ(bereich.xMin, -3);
    EXPECT_DOUBLE_EQ(bereich.xFaktor, 2800);
    EXPECT_DOUBLE_EQ(bereich.yFaktor, -100);
    EXPECT_EQ(bereich.anzahlStuetzstellen, 320);
    EXPECT_EQ(plot, rechteck);
    // Outline in the frame pen.
    EXPECT_TRUE(HatLinie({3000, -5000}, {17000, -5000}));
    EXPECT_TRUE(HatLinie({3000, -15000}, {3000, -5000}));
    // The tick of 0 stands at the left edge and carries the cell's own text; the others one
    // decade (2800 units) apart.
    const int xTicks[] = {3000, 5800, 8600, 11400, 14200, 17000};
    const char* xTexte[] = {"0", "0.01", "0.1", "1", "10", "100"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_TRUE(HatLinie({xTicks[k], -15000}, {xTicks[k], -15160})) << k;
        const DCEintrag* label = Text(xTexte[k], TA_BASELINE | TA_CENTER);
        ASSERT_NE(label, nullptr) << xTexte[k];
        EXPECT_EQ(label->punkte[0], (POINT{xTicks[k], -15460}));
        EXPECT_EQ(label->zustand.schrift, schrift);
    }
    // Eleven passing ticks, 1000 apart from the top; the last cell of row 1 stands at the top.
    for (int k = 0; k <= 10; ++k)
        EXPECT_TRUE(HatLinie({3000, -5000 - 1000 * k}, {2840, -5000 - 1000 * k})) << k;
    ASSERT_NE(YText("100"), nullptr);
    EXPECT_EQ(YText("100")->punkte[0], (POINT{2840, -5100}));
    EXPECT_EQ(YText("90")->punkte[0], (POINT{2840, -6100}));
    EXPECT_EQ(YText("0")->punkte[0], (POINT{2840, -15100}));

    // Axis captions from the catalogue.
    const DCEintrag* xTitel = Text("Siebweite [mm]");
    ASSERT_NE(xTitel, nullptr);
    EXPECT_EQ(xTitel->punkte[0], (POINT{17000, -15900}));
    EXPECT_EQ(xTitel->ausrichtung, TA_BASELINE | TA_RIGHT);
    const DCEintrag* yTitel = Text("Durchgangssumme [%]");
    ASSERT_NE(yTitel, nullptr);
    EXPECT_EQ(yTitel->punkte[0], (POINT{2100, -7500}));
    EXPECT_EQ(yTitel->ausrichtung, TA_BOTTOM);
    EXPECT_EQ(yTitel->zustand.schrift, senkrecht);

    // Inner grid lines only, dotted: four vertical and nine horizontal.
    int gitterLinien = 0;
    for (const DCEintrag* e : Eintraege(DCPrimitiv::Linienzug))
        if (e->zustand.stift == gitter)
            ++gitterLinien;
    EXPECT_EQ(gitterLinien, 13);
    EXPECT_TRUE(HatLinie({5800, -5000}, {5800, -15000}, gitter));
    EXPECT_TRUE(HatLinie({3000, -14000}, {17000, -14000}, gitter));
    EXPECT_FALSE(HatLinie({17000, -5000}, {17000, -15000}, gitter));
    // The frame leaves the grid pen, font 0 and right-aligned baseline text selected.
    EXPECT_EQ(dc.GetCurrentPen(), gitter);
    EXPECT_EQ(dc.GetTextAlign(), TA_BASELINE | TA_RIGHT);
}

TEST_F(Kornverteilung, ClassBandAboveTheChartAndTheFixedSizeTicks)
{
    CDiagrammBereich bereich;
    RECT plot = rechteck;
    dc.SelectObject(stift);
    // Row 0 still sets the range; the ticks are the twelve sizes of the band.
    ASSERT_TRUE(ZeichneKornverteilungsRahmen(dc, Daten("||||||1"), katalog, stift, gitter, schrift,
                                             senkrecht, bereich, plot));
    // The band: 220 above the given top, 1300 high; the plot 1300 below the given top.
    EXPECT_EQ(plot.top, -6300);
    EXPECT_EQ(plot.bottom, -15000);
    EXPECT_DOUBLE_EQ(bereich.yFaktor, -87.0);
    EXPECT_DOUBLE_EQ(bereich.xMin, -3);
    EXPECT_DOUBLE_EQ(bereich.xMax, 2);
    EXPECT_TRUE(HatLinie({3000, -4780}, {17000, -4780}));
    EXPECT_TRUE(HatLinie({17000, -4780}, {17000, -6080}));
    EXPECT_TRUE(HatLinie({3000, -5213}, {17000, -5213}));
    EXPECT_TRUE(HatLinie({3000, -5646}, {17000, -5646})); // two thirds down, truncated
    // 0.06 mm at 3000 + 1.778 · 2800: through all three rows; 2 mm through the lower two; 20 mm
    // through the lowest only; none at 63 mm in the lowest row.
    EXPECT_TRUE(HatLinie({7978, -4780}, {7978, -6080}));
    EXPECT_TRUE(HatLinie({12242, -5213}, {12242, -6080}));
    EXPECT_TRUE(HatLinie({15042, -5646}, {15042, -6080}));
    EXPECT_FALSE(HatLinie({16438, -5646}, {16438, -6080}));
    EXPECT_TRUE(HatLinie({16438, -5213}, {16438, -6080}));

    // Names centred between their sizes, 108 above each row's lower line.
    const DCEintrag* schlaemmkorn = Text("Schlämmkorn");
    ASSERT_NE(schlaemmkorn, nullptr);
    EXPECT_EQ(schlaemmkorn->punkte[0], (POINT{3000 + 4978 / 2, -5105}));
    EXPECT_EQ(schlaemmkorn->ausrichtung, TA_BASELINE | TA_CENTER);
    ASSERT_NE(Text("Siebkorn"), nullptr);
    EXPECT_EQ(Text("Siebkorn")->punkte[0], (POINT{7978 + (17842 - 7978) / 2, -5105}));
    ASSERT_NE(Text("Steine"), nullptr);
    EXPECT_EQ(Text("Steine")->punkte[0], (POINT{16438 + (17842 - 16438) / 2, -5538}));
    int fein = 0;
    for (const DCEintrag* e : Eintraege(DCPrimitiv::Text))
        if (e->text == "Fein" || e->text == "Mittel" || e->text == "Grob") {
            ++fein;
            EXPECT_EQ(e->punkte[0].y, -5972);
        }
    EXPECT_EQ(fein, 9);

    // The frame and ticks of the narrowed plot; the twelve fixed labels, none of row 0.
    EXPECT_TRUE(HatLinie({3000, -6300}, {17000, -6300}));
    for (const char* text :
         {"0.001", "0.002", "0.006", "0.02", "0.06", "0.2", "0.6", "2", "6.3", "20", "63", "200"})
        EXPECT_NE(Text(text), nullptr) << text;
    EXPECT_EQ(Text("0.01"), nullptr);
    EXPECT_EQ(Text("6.3")->punkte[0], (POINT{13638, -15460}));
    EXPECT_EQ(YText("100")->punkte[0], (POINT{2840, -6400})); // passing ticks 870 apart
    EXPECT_EQ(YText("90")->punkte[0], (POINT{2840, -7270}));
    EXPECT_EQ(Text("Durchgangssumme [%]")->punkte[0], (POINT{2100, -8800}));

    // Anything but exactly "1" leaves the band off.
    for (const char* schalter : {"1 ", "01", "2"}) {
        dc.Leeren();
        RECT ohne = rechteck;
        ZeichneKornverteilungsRahmen(dc, Daten(std::string("||||||") + schalter), katalog, stift,
                                     gitter, schrift, senkrecht, bereich, ohne);
        EXPECT_EQ(ohne.top, -5000) << schalter;
        EXPECT_EQ(Text("Ton"), nullptr) << schalter;
    }
}

TEST_F(Kornverteilung, GradingCurveRisesThroughItsPointsWithMarkersBesideThem)
{
    Zeichne(Daten("0.1@1@10|10@50@100"));
    // Circles (curve 0) of half-size 80, 15 right of and below each point; the leading point at
    // 0.00099 mm lies left of the axis and gets none.
    const auto kreise = Eintraege(DCPrimitiv::Ellipse);
    ASSERT_EQ(kreise.size(), 3u);
    EXPECT_EQ(kreise[0]->rechteck, (RECT{8535, -13935, 8695, -14095}));
    EXPECT_EQ(kreise[1]->rechteck, (RECT{11335, -9935, 11495, -10095}));
    EXPECT_EQ(kreise[2]->rechteck, (RECT{14135, -4935, 14295, -5095}));
    EXPECT_EQ(kreise[0]->zustand.stift, stift);

    // The curve from the first sieve on, never falling, inside the plot.
    const auto linien = Kurvenlinien(3000, -5000);
    ASSERT_GT(linien.size(), 50u);
    EXPECT_GE(linien.front()[0].x, 8600);
    EXPECT_LE(linien.front()[0].x, 8700);
    for (const Punkte& l : linien) {
        EXPECT_LE(l[0].x, l[1].x);
        EXPECT_LE(l[0].y, l[1].y);
        EXPECT_GE(l[0].y, -15000);
        EXPECT_LE(l[1].y, -5000);
    }
    for (std::size_t i = 1; i < linien.size(); ++i)
        EXPECT_GE(linien[i][0].y, linien[i - 1][0].y);
    EXPECT_TRUE(AllesImSeitenbereich());

    // In colour: blue markers of half-size 100.
    Zeichne(Daten("0.1@1@10|10@50@100"), true);
    const auto blau = Eintraege(DCPrimitiv::Ellipse);
    ASSERT_EQ(blau.size(), 3u);
    EXPECT_EQ(blau[0]->rechteck, (RECT{8515, -13915, 8715, -14115}));
}

TEST_F(Kornverteilung, SeveralCurvesTakeTheirOwnMarkersAndLegendSamples)
{
    // Row 9: curve 0 from 0.2 to 0.6 mm, curve 1 from 0 (read as 0.01) to 0.5 mm, both at 15 %.
    Zeichne(Daten("(0.1@1@10),(0.2@2@20)|(10@50@100),(5@40@90)||||||(1@0.2@0.6),(1@0@0.5)"));
    const auto kreise = Eintraege(DCPrimitiv::Ellipse);
    ASSERT_EQ(kreise.size(), 5u); // three points and two legend ends
    EXPECT_EQ(kreise[3]->rechteck, (RECT{9362, -13420, 9522, -13580}));
    EXPECT_EQ(kreise[4]->rechteck, (RECT{10698, -13420, 10858, -13580}));
    EXPECT_TRUE(HatLinie({9442, -13500}, {10778, -13500}));
    // Crosses for curve 1: two strokes per marker, three points and two legend ends.
    EXPECT_EQ(Eintraege(DCPrimitiv::Polygon).size(), 10u);
    EXPECT_TRUE(HatLinie({5800, -13500}, {10557, -13500}));

    // A group that does not begin with "1", or is missing, draws no sample.
    Zeichne(Daten("(0.1@1@10),(0.2@2@20)|(10@50@100),(5@40@90)||||||(0@0.2@0.6)"));
    EXPECT_EQ(Eintraege(DCPrimitiv::Ellipse).size(), 3u);
    EXPECT_EQ(Eintraege(DCPrimitiv::Polygon).size(), 6u);
    EXPECT_FALSE(HatLinie({9442, -13500}, {10778, -13500}));
}

TEST_F(Kornverteilung, TriangleMarksPointOntoTheirPointsInsideTheSizeRange)
{
    // First list from above: 0.002 mm at 20 %, 1000 mm (beyond the axis) and 0.5 mm at 60 %; the
    // empty cell ends the list. Second list from below: 1 mm at 30 %.
    Zeichne(Daten("||0.002@1000@0.5@@0.1|20@50@60@@10|1|30"));
    const auto dreiecke = Eintraege(DCPrimitiv::Polygon);
    ASSERT_EQ(dreiecke.size(), 3u);
    EXPECT_EQ(dreiecke[0]->punkte, (Punkte{{3842, -13000}, {3742, -12850}, {3942, -12850}}));
    EXPECT_EQ(dreiecke[1]->punkte, (Punkte{{10557, -9000}, {10457, -8850}, {10657, -8850}}));
    EXPECT_EQ(dreiecke[2]->punkte, (Punkte{{11400, -12000}, {11300, -12150}, {11500, -12150}}));
    // Filled in the mark colour with a pen of its own.
    EXPECT_EQ(dreiecke[0]->zustand.pinsel, CBrush(RGB(0, 0, 0)));
    EXPECT_EQ(dreiecke[0]->zustand.stift, CPen(PS_SOLID, 0, RGB(0, 0, 0)));

    // The mark restores the pen and brush selected before.
    dc.Leeren();
    dc.SelectObject(stift);
    const CBrush vorher = dc.GetCurrentBrush();
    ZeichneDreieckmarke(dc, RGB(0, 0, 255), 1000.7, -2000.2, false);
    ASSERT_EQ(dc.Eintraege().size(), 1u);
    EXPECT_EQ(dc.Eintraege()[0].punkte, (Punkte{{1000, -2000}, {900, -2150}, {1100, -2150}}));
    EXPECT_EQ(dc.Eintraege()[0].zustand.pinsel, CBrush(RGB(0, 0, 255)));
    EXPECT_EQ(dc.GetCurrentPen(), stift);
    EXPECT_EQ(dc.GetCurrentBrush(), vorher);
}

TEST_F(Kornverteilung, FineFractionCurveWithSquaresOnlyBetweenItsOwnSizes)
{
    // Row 10 largest first; the grading curve then starts without the leading point.
    Zeichne(Daten("0.1@1@10|10@50@100|||||||0.06@0.02@0.006@0.002||2@1.5@1@0.5"));
    const auto quadrate = Eintraege(DCPrimitiv::Rechteck);
    ASSERT_EQ(quadrate.size(), 4u);
    // 0.002 mm at 0.5 %: x 3842, y -14950, moved 15 right and down, half-size 80.
    EXPECT_EQ(quadrate[0]->rechteck, (RECT{3777, -14885, 3937, -15045}));
    // Fine curve pieces lie between 0.002 and 0.06 mm, at most 2 % passing.
    int fein = 0;
    for (const Punkte& l : Kurvenlinien(3000, -5000))
        if (l[1].x <= 7978) {
            ++fein;
            EXPECT_GE(l[0].x, 3842);
            EXPECT_GE(l[0].y, -14950);
            EXPECT_LE(l[1].y, -14800);
        }
    EXPECT_GT(fein, 10);

    // With the axis reaching below 0.00099 mm the leading point shows: marked only while there
    // is no fine fraction.
    const std::string weit = "0.0001@100|" + yStriche + "|0.1@1@10|10@50@100";
    Zeichne(weit);
    EXPECT_EQ(Eintraege(DCPrimitiv::Ellipse).size(), 4u);
    Zeichne(weit + "|||||||0.06@0.002||2@0.5");
    EXPECT_EQ(Eintraege(DCPrimitiv::Ellipse).size(), 3u);
}

TEST_F(Kornverteilung, CurvePiecesAreDrawnNeverFallingBetweenTheBounds)
{
    CDiagrammBereich bereich;
    bereich.xMin = 0;
    bereich.yMin = 0;
    bereich.xFaktor = 1000;
    bereich.yFaktor = -100;
    const RECT plot{0, -1000, 10000, -11000};
    // Rises, falls, rises again; the last piece starts beyond the upper bound, the first before
    // the lower one.
    CKurvenstuecke stuecke;
    stuecke.x1 = {0, -1, 0, 0.5, 1, 3};
    stuecke.y1 = {0, 0, 10, 30, 20, 50};
    stuecke.x2 = {0, 0, 0.5, 1, 1.5, 4};
    stuecke.y2 = {0, 10, 30, 20, 40, 60};
    stuecke.anzahl = 5;
    ZeichneNichtFallend(dc, bereich, plot, stuecke, 2, -0.5);
    std::vector<Punkte> linien;
    for (const DCEintrag& e : dc.Eintraege())
        linien.push_back(e.punkte);
    EXPECT_EQ(linien, (std::vector<Punkte>{{{0, -10000}, {500, -8000}},
                                           {{500, -8000}, {1000, -8000}},
                                           {{1000, -8000}, {1500, -7000}}}));
    EXPECT_EQ(stuecke.y2[3], 30); // stored back level
}

// Data the frame cannot scale: nothing is drawn that cannot be placed, nothing fails.
TEST_F(Kornverteilung, UnusableTicksDrawNoGarbage)
{
    const std::string kurve = "|0.1@1@10|10@50@100|0.5|50";
    // Fewer than two sizes: no frame and no curve.
    Zeichne("1|" + yStriche + kurve);
    EXPECT_TRUE(dc.Eintraege().empty());
    Zeichne("");
    EXPECT_TRUE(dc.Eintraege().empty());
    CDiagrammBereich bereich;
    RECT plot = rechteck;
    EXPECT_FALSE(ZeichneKornverteilungsRahmen(dc, "5|" + yStriche, katalog, stift, gitter, schrift,
                                              senkrecht, bereich, plot));
    EXPECT_EQ(bereich.xMax, 1.0);
    EXPECT_EQ(bereich.yMax, 1.0);

    // One passing value: one tick at the top, no division by zero, no curve or marker.
    Zeichne(xStriche + "|50" + kurve);
    EXPECT_NE(Text("50"), nullptr);
    EXPECT_EQ(Text("50")->punkte[0], (POINT{2840, -5100}));
    EXPECT_TRUE(Eintraege(DCPrimitiv::Ellipse).empty());
    EXPECT_TRUE(Eintraege(DCPrimitiv::Polygon).empty());
    EXPECT_TRUE(AllesImSeitenbereich());

    // A size of 0 or below among the ticks: that tick is left out, the others stand; a last
    // size of 0 leaves the axis without a scale, so curves and marks stay out.
    Zeichne("0.001@-1@100|" + yStriche + kurve);
    EXPECT_EQ(Text("-1"), nullptr);
    EXPECT_NE(Text("100"), nullptr);
    EXPECT_TRUE(AllesImSeitenbereich());
    Zeichne("0.001@1@0|" + yStriche + kurve);
    EXPECT_NE(Text("0.001"), nullptr);
    EXPECT_TRUE(Eintraege(DCPrimitiv::Ellipse).empty());
    EXPECT_TRUE(AllesImSeitenbereich());
    // Equal first and last size.
    Zeichne("1@1|" + yStriche + kurve);
    EXPECT_TRUE(Eintraege(DCPrimitiv::Ellipse).empty());
    EXPECT_TRUE(AllesImSeitenbereich());
}

TEST_F(Kornverteilung, BadCurveDataDrawsWhatCanBePlaced)
{
    // Sizes of 0 are dropped: the same curve as without them.
    Zeichne(Daten("0.1@1@10|10@50@100"));
    const std::size_t ohneNull = dc.Eintraege().size();
    Zeichne(Daten("0@0.1@1@10|0@10@50@100"));
    EXPECT_EQ(dc.Eintraege().size(), ohneNull);

    // One sieve: with the leading point two knots, too few for a spline; its marker alone, and
    // no dot where unwritten samples (1 mm, 0 %) would lie.
    Zeichne(Daten("1|50"));
    EXPECT_EQ(Eintraege(DCPrimitiv::Ellipse).size(), 1u);
    EXPECT_TRUE(Kurvenlinien(3000, -5000).empty());
    for (const DCEintrag* e : Eintraege(DCPrimitiv::Linienzug))
        EXPECT_NE(e->punkte[0], e->punkte[1]);

    // A fine fraction of empty and zero sizes, an empty legend group list, a negative legend
    // size: nothing is drawn for them.
    Zeichne(Daten("0.1@1@10|10@50@100||||||(1@-1@0.5)|@0||@"));
    EXPECT_EQ(Eintraege(DCPrimitiv::Rechteck).size(), 0u);
    EXPECT_EQ(Eintraege(DCPrimitiv::Ellipse).size(), 3u);
    EXPECT_TRUE(AllesImSeitenbereich());
}
