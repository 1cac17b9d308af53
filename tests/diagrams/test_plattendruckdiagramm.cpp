#include "diagrams/plattendruckdiagramm.h"
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

// Loads 0 to 0.5 MN/m² in six ticks, settlements 0 to 200 in five: on a rectangle of 12000 by
// 10000 a load step of 0.1 is 2400 units and a settlement of 1 is 50 units downward.
const std::string striche = "0@0,1@0,2@0,3@0,4@0,5|0@50@100@150@200";

struct PlattendruckDiagramm : ::testing::Test
{
    PlattendruckDiagramm() { katalog.LadeStandardTexte(); }

    void Zeichne(const std::string& daten)
    {
        dc.Leeren();
        ZeichnePlattendruckDiagramm(dc, rechteck, daten, katalog, rahmen, punkt, schrift,
                                    senkrecht);
    }
    std::vector<const DCEintrag*> Linien() const
    {
        std::vector<const DCEintrag*> linien;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == DCPrimitiv::Linienzug)
                linien.push_back(&e);
        return linien;
    }
    // The lines after the frame and its ticks.
    std::vector<const DCEintrag*> Zeichnung(std::size_t rahmenLinien = RahmenLinien) const
    {
        std::vector<const DCEintrag*> linien = Linien();
        linien.erase(linien.begin(),
                     linien.begin() + static_cast<long>(std::min(rahmenLinien, linien.size())));
        return linien;
    }
    bool HatLinie(POINT von, POINT bis) const
    {
        return std::ranges::any_of(Linien(), [&](const DCEintrag* e) {
            return e->punkte == Punkte{von, bis};
        });
    }
    // The two strokes of a cross centred on a device point.
    bool HatKreuz(int x, int y) const
    {
        return HatLinie({x - 70, y + 70}, {x + 70, y - 70}) &&
               HatLinie({x + 70, y + 70}, {x - 70, y - 70});
    }
    int Kreuze() const
    {
        return static_cast<int>(std::ranges::count_if(Zeichnung(), [](const DCEintrag* e) {
            const Punkte& p = e->punkte;
            return p.size() == 2 && std::abs(p[1].x - p[0].x) == 140 &&
                   std::abs(p[1].y - p[0].y) == 140;
        }));
    }
    std::vector<const DCEintrag*> LinienMit(const CPen& stift) const
    {
        std::vector<const DCEintrag*> treffer;
        for (const DCEintrag* e : Zeichnung())
            if (e->zustand.stift == stift)
                treffer.push_back(e);
        return treffer;
    }
    bool AllesEndlichImSeitenbereich() const
    {
        return std::ranges::all_of(dc.Eintraege(), [](const DCEintrag& e) {
            return std::ranges::all_of(
                e.punkte, [](POINT p) { return std::abs(p.x) < 30000 && std::abs(p.y) < 30000; });
        });
    }

    CFesteTextMetrik metrik;
    RecordingDC dc{metrik};
    CTextKatalog katalog;
    const CPen rahmen{PS_SOLID, 20, RGB(0, 0, 0)};
    const CPen punkt{PS_DOT, 1, RGB(0, 0, 0)};
    const CFont schrift = Schrift(0);
    const CFont senkrecht = Schrift(2700);
    const RECT rechteck{3000, -5000, 15000, -15000};
    // 4 frame lines, 6 load and 5 settlement ticks for `striche`.
    static constexpr std::size_t RahmenLinien = 15;
};

} // namespace

// Ticks and labels stand on the upper edge for the load and on the left edge for the
// settlement, whose first value is at the top; with two first-loading points nothing else is
// drawn, though the other branches hold points.
TEST_F(PlattendruckDiagramm, FrameCaptionsTicksAndLabelsAlone)
{
    Zeichne(striche + "|0,1@0,2|10@20|0,5@0,25@0|200@150@100|0@0,2@0,4|100@150@200");
    const auto linien = Linien();
    ASSERT_EQ(linien.size(), RahmenLinien);
    EXPECT_EQ(linien[0]->punkte, (Punkte{{3000, -5000}, {15000, -5000}}));
    EXPECT_EQ(linien[1]->punkte, (Punkte{{15000, -5000}, {15000, -15000}}));
    EXPECT_EQ(linien[3]->punkte, (Punkte{{3000, -15000}, {3000, -5000}}));
    EXPECT_EQ(linien[0]->zustand.stift, rahmen);
    // Load ticks point up out of the frame in steps of 12000 / 5.
    EXPECT_EQ(linien[4]->punkte, (Punkte{{3000, -5000}, {3000, -4840}}));
    EXPECT_EQ(linien[9]->punkte, (Punkte{{15000, -5000}, {15000, -4840}}));
    // Settlement ticks point left, in steps of −10000 / 4.
    EXPECT_EQ(linien[10]->punkte, (Punkte{{3000, -5000}, {2840, -5000}}));
    EXPECT_EQ(linien[11]->punkte, (Punkte{{3000, -7500}, {2840, -7500}}));
    EXPECT_EQ(linien[14]->punkte, (Punkte{{3000, -15000}, {2840, -15000}}));
    EXPECT_EQ(linien[14]->zustand.stift, rahmen);

    const auto texte = dc.Texte();
    ASSERT_EQ(texte.size(), 2u + 6u + 5u);
    EXPECT_EQ(texte[0].text, "Normalspannung [MN/m²]");
    EXPECT_EQ(texte[0].punkte[0], (POINT{15000, -4300}));
    EXPECT_EQ(texte[0].ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(texte[0].zustand.schrift, schrift);
    EXPECT_EQ(texte[1].text, "Setzung [0,01mm]");
    EXPECT_EQ(texte[1].punkte[0], (POINT{2100, -6950}));
    EXPECT_EQ(texte[1].ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(texte[1].zustand.schrift, senkrecht);
    // Labels as stored, above the load ticks and beside the settlement ticks.
    EXPECT_EQ(texte[3].text, "0,1");
    EXPECT_EQ(texte[3].punkte[0], (POINT{5400, -4740}));
    EXPECT_EQ(texte[3].ausrichtung, TA_BASELINE | TA_CENTER);
    EXPECT_EQ(texte[3].zustand.schrift, schrift);
    EXPECT_EQ(texte[8].text, "0");
    EXPECT_EQ(texte[8].punkte[0], (POINT{2840, -5100}));
    EXPECT_EQ(texte[8].ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(texte[12].text, "200");
    EXPECT_EQ(texte[12].punkte[0], (POINT{2840, -15100}));

    // Ended early, the frame pen stays selected.
    EXPECT_EQ(dc.GetCurrentPen(), rahmen);
    EXPECT_EQ(dc.GetCurrentFont(), schrift);
    EXPECT_EQ(dc.GetTextAlign(), TA_BASELINE | TA_RIGHT);
}

// A measured point is marked where it lies within the tick ranges, bounds included; the origin
// of the first loading gets no cross.
TEST_F(PlattendruckDiagramm, PointsAreCrossedWithinTheRangesOnly)
{
    Zeichne(striche + "|0,25@0,5@0,51|100@200@150|||0,1@0,3@0,5|50@150@201");
    EXPECT_TRUE(HatKreuz(9000, -10000)); // halfway across and halfway down
    EXPECT_TRUE(HatKreuz(15000, -15000));
    EXPECT_FALSE(HatKreuz(15240, -12500)); // just beyond the last load tick
    EXPECT_FALSE(HatKreuz(3000, -5000));
    // Second loading: the first two points, not the one beyond the last settlement tick.
    EXPECT_TRUE(HatKreuz(5400, -7500));
    EXPECT_TRUE(HatKreuz(10200, -12500));
    EXPECT_FALSE(HatKreuz(15000, -15050));
    EXPECT_EQ(Kreuze(), 2 * 4);
    for (const DCEintrag* e : Zeichnung())
        EXPECT_EQ(e->zustand.stift, rahmen);
}

// The parabola through the origin and the first loading runs from load 0 to 319/320 of the
// last load; the curve through the point beyond the frame is cut at the frame.
TEST_F(PlattendruckDiagramm, FirstLoadingCurveFromZeroToTheLastSample)
{
    // y = 100 x + 500 x², through the origin.
    Zeichne(striche + "|0,1@0,2@0,3|15@40@75");
    auto kurve = Zeichnung();
    ASSERT_EQ(kurve.size(), 3u * 2u + 319u);
    kurve.erase(kurve.begin(), kurve.begin() + 6);
    EXPECT_EQ(kurve.front()->punkte[0], (POINT{3000, -5000}));
    // x = 0.3 · 319 / 320, y = 100 x + 500 x².
    const double x = 0.3 * 319 / 320;
    const double y = 100 * x + 500 * x * x;
    EXPECT_EQ(kurve.back()->punkte[1],
              (POINT{static_cast<int>(3000 + x * 24000), static_cast<int>(-5000 - y * 50)}));
    for (const DCEintrag* e : kurve)
        EXPECT_EQ(e->zustand.stift, rahmen);

    // Settlements that do not fit a parabola through the origin: the curve starts at the fitted
    // value at load 0, below the corner.
    Zeichne(striche + "|0,1@0,2@0,3|40@60@90");
    kurve = Zeichnung();
    ASSERT_GT(kurve.size(), 6u);
    EXPECT_EQ(kurve[6]->punkte[0].x, 3000);
    EXPECT_LT(kurve[6]->punkte[0].y, -5000);

    // A last point beyond the lower edge: the curve ends on the frame, the point has no cross.
    Zeichne(striche + "|0,1@0,2@0,4|15@40@280");
    kurve = Zeichnung();
    ASSERT_FALSE(kurve.empty());
    EXPECT_EQ(kurve.back()->punkte[1].y, -15000);
    EXPECT_EQ(Kreuze(), 2 * 2);
    EXPECT_TRUE(std::ranges::all_of(kurve, [](const DCEintrag* e) {
        return std::ranges::all_of(e->punkte, [](POINT p) {
            return p.x >= 3000 && p.x <= 15000 && p.y <= -5000 && p.y >= -15000;
        });
    }));
}

// The second loading is fitted over its own points and drawn from load 0; cells beyond the
// first loading's size plus one are ignored.
TEST_F(PlattendruckDiagramm, SecondLoadingStartsAtZeroAndIsBoundByTheFirst)
{
    // y = 20.33 + 100 x + 200 x² from 0.05 on.
    Zeichne(striche + "|0,1@0,2@0,3|15@40@75|||0,05@0,15@0,25@0,35@0,45@0,5|"
                      "25,83@39,83@57,83@79,83@110@140");
    const auto linien = Zeichnung();
    // First loading: 3 crosses and its curve; second loading: 4 crosses.
    EXPECT_EQ(Kreuze(), 2 * (3 + 4));
    EXPECT_TRUE(HatKreuz(3000 + 8400, -8991));          // 0.35 / 79.83, the fourth cell
    EXPECT_FALSE(HatKreuz(3000 + 10800, -5000 - 5500)); // 0.45 / 110, beyond
    // The second curve starts at load 0 on its fitted 20.33, not at its first point.
    const auto start = std::ranges::find_if(linien, [](const DCEintrag* e) {
        return e->punkte[0].x == 3000 && e->punkte[0].y < -5500;
    });
    ASSERT_NE(start, linien.end());
    EXPECT_EQ((*start)->punkte[0].y, -6016);
}

// Unloading: only the inner points are crossed; the points are joined by the dotted pen, which
// stays selected.
TEST_F(PlattendruckDiagramm, UnloadingIsADottedLineWithInnerCrosses)
{
    Zeichne(striche + "|0,1@0,2@0,3|15@40@75|0,3@0,2@0|75@70@50");
    EXPECT_TRUE(HatKreuz(3000 + 4800, -5000 - 3500));
    EXPECT_EQ(Kreuze(), 2 * (3 + 1));
    const auto gepunktet = LinienMit(punkt);
    ASSERT_EQ(gepunktet.size(), 2u);
    EXPECT_EQ(gepunktet[0]->punkte, (Punkte{{10200, -8750}, {7800, -8500}}));
    EXPECT_EQ(gepunktet[1]->punkte, (Punkte{{7800, -8500}, {3000, -7500}}));
    EXPECT_EQ(dc.GetCurrentPen(), punkt);

    // Cells beyond the first loading's size plus one are not joined.
    Zeichne(striche + "|0,1@0,2@0,3|15@40@75|0,3@0,2@0,1@0@0,05|75@70@60@50@55");
    EXPECT_EQ(LinienMit(punkt).size(), 3u);
}

// What cannot be placed is left out: the frame, captions and what ticks there are still draw.
TEST_F(PlattendruckDiagramm, BadTicksAndValuesDrawNoGarbage)
{
    const std::string ersteBelastung = "|0,1@0,2@0,3|15@40@75|0,3@0|75@50|0@0,2@0,3|50@60@80";
    struct Fall
    {
        const char* name;
        std::string daten;
    };
    const Fall faelle[] = {
        {"leer", ""},
        {"ein Laststrich", "0,5|0@50@100@150@200" + ersteBelastung},
        {"gleiche Laststriche", "0,5@0,5|0@50@100@150@200" + ersteBelastung},
        {"gleiche Setzungsstriche", "0@0,5|100@100" + ersteBelastung},
        {"fallende Striche", "0,5@0|200@0" + ersteBelastung},
        {"Texte", "a@b|c@d" + ersteBelastung},
        {"riesig", "0@1e-300|0@1e-300|1e300@2e300@3e300|1e300@2e300@3e300"},
    };
    for (const Fall& fall : faelle) {
        Zeichne(fall.daten);
        ASSERT_GE(Linien().size(), 4u) << fall.name;
        EXPECT_EQ(Linien()[0]->punkte, (Punkte{{3000, -5000}, {15000, -5000}})) << fall.name;
        EXPECT_TRUE(AllesEndlichImSeitenbereich()) << fall.name;
        EXPECT_EQ(Kreuze(), 0) << fall.name;
    }
    // "nan" and "inf" read as 0 and overflowing numbers lie beyond the ticks: only the origin
    // is marked.
    Zeichne(striche + "|nan@inf@-inf|nan@1e308@-1e308|nan@inf|inf@nan|inf@nan@1|nan@inf@2");
    EXPECT_TRUE(AllesEndlichImSeitenbereich());
    EXPECT_TRUE(HatKreuz(3000, -5000));
    EXPECT_EQ(Kreuze(), 2 * 3);

    // A single tick stands at the start of its axis with its label.
    Zeichne("0,5|0@50@100@150@200" + ersteBelastung);
    const auto texte = dc.Texte();
    ASSERT_GE(texte.size(), 3u);
    EXPECT_EQ(texte[2].text, "0,5");
    EXPECT_EQ(texte[2].punkte[0], (POINT{3000, -4740}));
    EXPECT_EQ(Linien().size(), 4u + 1u + 5u);
}

// A branch that was not measured has no point: an empty row puts no cross at the origin.
// A branch too short to fit shows its points only.
TEST_F(PlattendruckDiagramm, MissingBranchesDrawNothingShortOnesTheirPoints)
{
    Zeichne(striche + "|0,1@0,2@0,3|15@40@75||||");
    EXPECT_EQ(Kreuze(), 2 * 3);
    EXPECT_FALSE(HatKreuz(3000, -5000));
    EXPECT_TRUE(LinienMit(punkt).empty());

    Zeichne(striche + "|0,1@0,2@0,3|15@40@75|||0,1@0,2|20@30");
    const std::size_t ohneZweiteKurve = Zeichnung().size();
    EXPECT_EQ(Kreuze(), 2 * 5);
    // Three points of the same load cannot be fitted either.
    Zeichne(striche + "|0,1@0,2@0,3|15@40@75|||0,2@0,2@0,2|20@30@40");
    EXPECT_EQ(Zeichnung().size(), ohneZweiteKurve + 2);
    EXPECT_EQ(Kreuze(), 2 * 6);
}

// Tick rows that do not begin at 0 still put the first tick on the edge, and the points with it.
TEST_F(PlattendruckDiagramm, PointsAgreeWithTicksThatDoNotStartAtZero)
{
    Zeichne("0,25@0,5@0,75|50@100@150|0,25@0,5@0,75|50@100@150");
    EXPECT_TRUE(HatKreuz(3000, -5000));
    EXPECT_TRUE(HatKreuz(9000, -10000));
    EXPECT_TRUE(HatKreuz(15000, -15000));
}
