#include "data/pfade.h"
#include "diagrams/proctordiagramm.h"
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

// Five compaction points around an optimum at 11.8 % and 1.957 g/cm³, the optimum marked again
// in rows 4/5, and a second curve that leaves the chart through its upper edge.
const std::string proctorDaten = "0.06@0.08@0.10@0.12@0.14@0.16@0.18|1.80@1.85@1.90@1.95@2.00|"
                                 "0.085@0.101@0.118@0.135@0.152|1.862@1.921@1.957@1.934@1.880|"
                                 "0.118|1.957|0.10@0.13@0.16|2.05@1.95@1.86";

struct ProctorDiagramm : ::testing::Test
{
    ProctorDiagramm() { katalog.LadeStandardTexte(); }
    ~ProctorDiagramm() override { g_pfade.anteilAlsProzent = false; }

    void Zeichne(const std::string& daten)
    {
        dc.Leeren();
        ZeichneProctorDiagramm(dc, rechteck, daten, katalog, rahmen, 0, gitter, schrift, senkrecht,
                               false);
    }
    std::vector<const DCEintrag*> Eintraege(DCPrimitiv art) const
    {
        std::vector<const DCEintrag*> treffer;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == art)
                treffer.push_back(&e);
        return treffer;
    }
    std::vector<std::string> Texte() const
    {
        std::vector<std::string> texte;
        for (const DCEintrag* e : Eintraege(DCPrimitiv::Text))
            texte.push_back(e->text);
        return texte;
    }
    // The lines drawn after the frame, its ticks and its grid.
    std::vector<Punkte> Kurvenlinien(std::size_t rahmenLinien) const
    {
        std::vector<Punkte> linien;
        for (const DCEintrag* e : Eintraege(DCPrimitiv::Linienzug))
            linien.push_back(e->punkte);
        linien.erase(linien.begin(), linien.begin() + static_cast<long>(rahmenLinien));
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
    const CPen rahmen{PS_SOLID, 20, RGB(0, 0, 0)};
    const CPen gitter{PS_DOT, 1, RGB(0, 0, 0)};
    const CFont schrift = Schrift(0);
    const CFont senkrecht = Schrift(2700);
    const RECT rechteck{3000, -5000, 17000, -15000};
    // 4 frame lines, 7 + 5 ticks, 5 + 3 grid lines for the ticks of proctorDaten.
    static constexpr std::size_t RahmenLinien = 24;
};

} // namespace

TEST_F(ProctorDiagramm, FrameTicksGridAndLabels)
{
    Zeichne(proctorDaten);
    const auto linien = Eintraege(DCPrimitiv::Linienzug);
    ASSERT_GE(linien.size(), RahmenLinien);
    EXPECT_EQ(linien[0]->punkte, (Punkte{{3000, -5000}, {17000, -5000}}));
    EXPECT_EQ(linien[3]->punkte, (Punkte{{3000, -15000}, {3000, -5000}}));
    EXPECT_EQ(linien[0]->zustand.stift, rahmen);
    // x ticks in integer steps of 14000 / 6 = 2333: the last stops short of the right edge.
    EXPECT_EQ(linien[4]->punkte, (Punkte{{3000, -15000}, {3000, -15160}}));
    EXPECT_EQ(linien[10]->punkte, (Punkte{{16998, -15000}, {16998, -15160}}));
    EXPECT_EQ(linien[11]->punkte, (Punkte{{3000, -5000}, {2840, -5000}}));
    EXPECT_EQ(linien[15]->punkte, (Punkte{{3000, -15000}, {2840, -15000}}));
    // Inner grid lines only, dotted.
    EXPECT_EQ(linien[16]->punkte, (Punkte{{5333, -5000}, {5333, -15000}}));
    EXPECT_EQ(linien[21]->punkte, (Punkte{{3000, -7500}, {16998, -7500}}));
    EXPECT_EQ(linien[23]->punkte, (Punkte{{3000, -12500}, {16998, -12500}}));
    EXPECT_EQ(linien[23]->zustand.stift, gitter);

    const auto texte = Eintraege(DCPrimitiv::Text);
    ASSERT_EQ(texte.size(), 2u + 7u + 5u);
    EXPECT_EQ(texte[0]->text, "Wassergehalt [-]");
    EXPECT_EQ(texte[0]->punkte[0], (POINT{17000, -15900}));
    EXPECT_EQ(texte[0]->ausrichtung, TA_RIGHT | TA_BASELINE);
    EXPECT_EQ(texte[1]->text, "Trockendichte [g/cm³]");
    EXPECT_EQ(texte[1]->punkte[0], (POINT{2100, -7400}));
    EXPECT_EQ(texte[1]->ausrichtung, TA_LEFT | TA_BOTTOM);
    EXPECT_EQ(texte[1]->zustand.schrift, senkrecht);
    EXPECT_EQ(texte[2]->text, "0.06");
    EXPECT_EQ(texte[2]->punkte[0], (POINT{3000, -15460}));
    EXPECT_EQ(texte[2]->ausrichtung, TA_CENTER | TA_BASELINE);
    EXPECT_EQ(texte[8]->text, "0.18");
    // The top tick carries the last density.
    EXPECT_EQ(texte[9]->text, "2.00");
    EXPECT_EQ(texte[9]->punkte[0], (POINT{2840, -5100}));
    EXPECT_EQ(texte[9]->ausrichtung, TA_RIGHT | TA_BASELINE);
    EXPECT_EQ(texte[13]->text, "1.80");
    EXPECT_EQ(texte[13]->punkte[0], (POINT{2840, -15100}));
}

TEST_F(ProctorDiagramm, PercentDisplayChangesOnlyTheWaterContentAxis)
{
    g_pfade.anteilAlsProzent = true;
    Zeichne(proctorDaten);
    const auto texte = Texte();
    ASSERT_EQ(texte.size(), 14u);
    EXPECT_EQ(texte[0], "Wassergehalt [%]");
    EXPECT_EQ(texte[1], "Trockendichte [g/cm³]");
    EXPECT_EQ(texte[2], "6.0");
    EXPECT_EQ(texte[5], "12.0");
    EXPECT_EQ(texte[9], "2.00");

    // Stored labels print as they stand when asked to.
    dc.Leeren();
    CDiagrammBereich bereich;
    ZeichneProctorRahmen(dc, rechteck, proctorDaten, katalog, rahmen, gitter, schrift, senkrecht,
                         true, bereich);
    EXPECT_EQ(Texte()[0], "Wassergehalt [%]");
    EXPECT_EQ(Texte()[2], "0.06");
}

TEST_F(ProctorDiagramm, MarksThePointsAndDrawsTheSplinesInsideTheFrame)
{
    Zeichne(proctorDaten);
    const auto marker = Eintraege(DCPrimitiv::Polygon);
    // One cross of half-size 70 for the marked optimum, then five of half-size 100.
    ASSERT_EQ(marker.size(), 2u * 6u);
    const Punkte optimum = marker[0]->punkte;
    EXPECT_EQ(optimum[1].x - optimum[0].x, 140);
    const Punkte erster = marker[2]->punkte;
    EXPECT_EQ(erster[1].x - erster[0].x, 200);
    // Centre of the first point (0.085, 1.862): 3000 + 0.025 · 14000 / 0.12, −15000 + 0.062 ·
    // 50000.
    EXPECT_NEAR(erster[0].x + 100, 5916, 1);
    EXPECT_NEAR(erster[0].y + 100, -11900, 1);

    const auto linien = Kurvenlinien(RahmenLinien);
    // 320 samples give 319 pieces; the second curve is cut where it enters through the top.
    ASSERT_GT(linien.size(), 319u);
    EXPECT_NEAR(linien[0][0].x, 5916, 1);
    EXPECT_NEAR(linien[0][0].y, -11900, 1);
    // The last sample lies one step (0.067 / 320) short of the last point at 13733.
    EXPECT_NEAR(linien[318][1].x, 13733 - 24, 2);
    const Punkte zweiteKurve = linien[319];
    EXPECT_EQ(zweiteKurve[0].y, -5000);
    POINT hoechster = linien[0][0];
    for (std::size_t i = 0; i < 319; ++i)
        if (linien[i][1].y > hoechster.y)
            hoechster = linien[i][1];
    EXPECT_NEAR(hoechster.x, 3000 + 0.058 * 14000 / 0.12, 300); // near the optimum
    for (const Punkte& linie : linien)
        for (POINT p : linie) {
            EXPECT_GE(p.x, 3000);
            EXPECT_LE(p.x, 17000);
            EXPECT_LE(p.y, -5000);
            EXPECT_GE(p.y, -15000);
        }
}

TEST_F(ProctorDiagramm, PointsOnTheBoundsAndShortRows)
{
    // x on the lower bound: no marker; y on the upper bound: a marker. Two points: one segment,
    // cut at the frame; rows 6/7 with two cells: no second curve.
    Zeichne("0.06@0.18|1.80@2.00|0.06@0.12|1.90@2.00||||0.1@0.12|1.9@1.95");
    EXPECT_EQ(Eintraege(DCPrimitiv::Polygon).size(), 2u);
    const auto linien = Kurvenlinien(4 + 2 + 2);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(linien[0][0], (POINT{3000, -10000}));
    EXPECT_EQ(linien[0][1], (POINT{10000, -5000}));

    // Three equal water contents: the second is moved on by 0.02 and the third stays.
    Zeichne("0.06@0.18|1.80@2.00|0.1@0.1@0.1|1.9@1.9@1.9");
    const auto marker = Eintraege(DCPrimitiv::Polygon);
    ASSERT_EQ(marker.size(), 6u);
    EXPECT_EQ(marker[0]->punkte[0].x, marker[4]->punkte[0].x);
    EXPECT_NEAR(marker[2]->punkte[0].x - marker[0]->punkte[0].x, 0.02 * 14000 / 0.12, 1);

    // Rows 4/5 shorter than row 2: the missing points read as (0, 0), outside this range.
    Zeichne("0.06@0.18|1.80@2.00|0.08@0.1@0.12|1.9@1.95@1.9|0.1|1.95");
    EXPECT_EQ(Eintraege(DCPrimitiv::Polygon).size(), 2u * 4u);
}

TEST_F(ProctorDiagramm, NoTextOrTooFewTicksDrawNothing)
{
    for (const std::string daten :
         {"", "|||", "|||0.1@0.2|1.9@2.0", "0.1|1.8@2.0|0.1|1.9", "0.1@0.2|1.8|0.15|1.9"}) {
        Zeichne(daten);
        EXPECT_TRUE(dc.Eintraege().empty()) << daten;
    }
}

TEST_F(ProctorDiagramm, DegenerateDataDrawsTheFrameAndNoGarbage)
{
    const std::vector<std::string> faelle{
        "0.1@0.1|1.8@2.0|0.1@0.12@0.14|1.9@1.95@1.9",  // equal first and last x tick
        "0.06@0.18|2.0@2.0|0.1@0.12@0.14|2.0@2.0@2.0", // equal first and last y tick
        "a@b@c|d@e|f@g@h|i@j@k|l|m|n@o@p|q@r@s",       // nothing but words
        "0.06@0.18|1.80@2.00",                         // no points
        "0.06@0.18|1.80@2.00|0.1@0.1@0.12@0.12|1.9@1.9@1.95@1.95||||0.1@0.1@0.1|1.9@1.9@1.9",
        "0.06@0.18|1.80@2.00|1e308@-1e308@1e308|1e308@-1e308@1e308||||1e308@1@1e308|1@1e308@1",
        "0.06@0.18|1.80@2.00|0.1@0.2@0.15|1.9@1.95@1.9||||0.12@0.1@0.12|1.9@1.9@1.9",
    };
    for (const std::string& daten : faelle) {
        Zeichne(daten);
        EXPECT_FALSE(Eintraege(DCPrimitiv::Linienzug).empty()) << daten;
        EXPECT_TRUE(AllesImSeitenbereich()) << daten;
    }
    // Without a range nothing is placed, neither markers nor curves.
    Zeichne(faelle[0]);
    EXPECT_TRUE(Eintraege(DCPrimitiv::Polygon).empty());
    EXPECT_EQ(Kurvenlinien(4 + 2 + 2).size(), 0u);
}
