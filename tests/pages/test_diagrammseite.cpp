// The combined-diagram page on the recording device context: which curves draw the frame and
// themselves, in which colours and markers, and the legend table with its exact cells.

#include "report/versuchstypen.h"
#include "seitentest.h"

#include <gtest/gtest.h>

namespace {

// Proctor chart data on axes 0 to 0.2 and 1.5 to 2.5; the first x tick tells curves apart.
std::string ProctorDaten(const std::string& ersterStrich, const std::string& reihe6,
                         const std::string& reihe7)
{
    return ersterStrich +
           "@0.05@0.10@0.15@0.20|1.5@2.0@2.5|0.06@0.09@0.12@0.15|"
           "1.8@1.95@1.9@1.7|||" +
           reihe6 + "|" + reihe7;
}

// A chart data text stored in a field of group 6: its "|" become "#".
std::string Gespeichert(std::string daten)
{
    std::replace(daten.begin(), daten.end(), '|', '#');
    return daten;
}

class Diagrammseite : public Seitentest
{
protected:
    Diagrammseite() : versuch(2) { Gitter(); }

    void Kurven(const std::vector<std::string>& kurven)
    {
        std::string gruppe;
        for (const std::string& k : kurven)
            gruppe += Gespeichert(k) + "|";
        versuch.SetzeSpeziellGruppe(6, gruppe);
    }
    void Farben(const std::string& farben) { versuch.SetzeFeldSpeziell(2, 1, farben, true); }

    void Drucke(int untertyp)
    {
        versuch.Untertyp = untertyp;
        dc.Leeren();
        druck.DruckeGrafikmisch(dc, seite, &versuch, "Proctorversuche vergleichen");
    }

    // Primitives drawn with a pen of this colour and width.
    std::vector<DCEintrag> MitStift(COLORREF farbe, int breite, DCPrimitiv art) const
    {
        std::vector<DCEintrag> treffer;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == art && e.zustand.stift.Farbe() == farbe &&
                e.zustand.stift.Breite() == breite)
                treffer.push_back(e);
        return treffer;
    }
    // The device rectangle of a legend cell's text.
    static RECT Textrechteck(double x0, double y0, double x1, double y1, double oben)
    {
        return RECT{GX(x0 + 0.1), GY(40 + (y0 + oben)), GX(x1 + 0.1), GY(40 + y1)};
    }

    // The chart rectangle in device units, and the device y of a Proctor density.
    const int links = GX(3.0), rechts = GX(29.0), oben = GY(17 + 2.27), unten = GY(17 + 19.1);
    int DichteY(double dichte) const
    {
        return unten + static_cast<int>((dichte - 1.5) * (oben - unten));
    }
    int WasserX(double w) const { return links + static_cast<int>(w * (rechts - links) / 0.2); }

    CV_Grafikmisch versuch;
};

const double SpaltenX[] = {0, 3.5, 7.9, 12.3, 16.7, 21.1, 25.5, 29.9};

const COLORREF Rot = RGB(255, 0, 0), Gruen = RGB(0, 128, 0), Blau = RGB(0, 0, 255);

} // namespace

TEST_F(Diagrammseite, ProctorComparisonFramesFromTheFirstPresentCurveAndMarksEachWithItsType)
{
    Kurven({"", "", ProctorDaten("0.00", "", ""), "", ProctorDaten("0.01", "", "")});
    Farben("0xff@@0x8000@@0xff0000");
    Drucke(2);

    // Title, diagram box, and the frame of curve 2's axes only.
    EXPECT_EQ(Punkt("Proctorversuche vergleichen"), Anker(3, 0, 16.4));
    EXPECT_TRUE(HatLinie({GX(0), GY(17 + 0.27)}, {GX(0), GY(17 + 22.1)}, Stift(1)));
    EXPECT_TRUE(Hat("0.00"));
    EXPECT_FALSE(Hat("0.01"));
    EXPECT_TRUE(HatLinie({links, oben}, {rechts, oben}, Stift(1)));

    // Curve 2: green squares, curve 4: blue triangles, each on its four points; both curves drawn.
    const auto quadrate = MitStift(Gruen, 20, DCPrimitiv::Rechteck);
    ASSERT_EQ(quadrate.size(), 4u);
    EXPECT_NEAR(quadrate[0].rechteck.left + 100, WasserX(0.06), 1);
    EXPECT_NEAR(quadrate[0].rechteck.top - 100, DichteY(1.8), 1);
    EXPECT_EQ(MitStift(Blau, 20, DCPrimitiv::Polygon).size(), 4u);
    EXPECT_GT(MitStift(Gruen, 20, DCPrimitiv::Linienzug).size(), 20u);
    EXPECT_GT(MitStift(Blau, 20, DCPrimitiv::Linienzug).size(), 20u);
    // Curves 0, 1, 3 and 5 are absent, but every legend column shows its sample.
    EXPECT_TRUE(MitStift(Rot, 20, DCPrimitiv::Ellipse).empty());
    EXPECT_EQ(MitStift(Rot, 40, DCPrimitiv::Ellipse).size(), 2u);
    EXPECT_EQ(MitStift(Gruen, 40, DCPrimitiv::Rechteck).size(), 2u);
    EXPECT_EQ(MitStift(Blau, 40, DCPrimitiv::Polygon).size(), 2u);
    EXPECT_EQ(MitStift(0, 40, DCPrimitiv::Linienzug).size(), 3u);
}

TEST_F(Diagrammseite, LaterProctorCurvesUseTheirOwnSecondLine)
{
    // The first curve's second line has five points, the later one's three and then two: the
    // later curve must neither read points it lacks nor lose its own line.
    Kurven({ProctorDaten("0.00", "0.02@0.05@0.08@0.11@0.14", "2.4@2.3@2.2@2.1@2.0"),
            ProctorDaten("0.00", "0.10@0.13@0.16", "2.3@2.2@2.1"),
            ProctorDaten("0.00", "0.10@0.13", "2.3@2.2")});
    Farben("0x0@0xff@0xff0000");
    Drucke(2);

    // The compaction curves stay below a density of 2.02, the second lines above it.
    const int grenze = DichteY(2.02);
    int zweiteLinie = 0;
    for (const DCEintrag& e : MitStift(Rot, 20, DCPrimitiv::Linienzug))
        for (const POINT& p : e.punkte)
            if (p.y > grenze) {
                ++zweiteLinie;
                // Left of its first point only if a point at 0 had been read.
                EXPECT_GE(p.x, WasserX(0.10) - 2);
            }
    EXPECT_GT(zweiteLinie, 10);
    // Two points give no second line.
    for (const DCEintrag& e : MitStift(Blau, 20, DCPrimitiv::Linienzug))
        for (const POINT& p : e.punkte)
            EXPECT_LE(p.y, grenze);
}

TEST_F(Diagrammseite, GrainSizeCurvesNeedMoreThanEightCharacters)
{
    // Eight characters: left out; nine: frame and curve.
    Kurven({"1@10|0@9", "1@10|0@99|1@2@5|10@40@80"});
    Farben("0xff@0xff0000");
    Drucke(1);
    EXPECT_FALSE(Hat("9"));
    EXPECT_TRUE(Hat("99"));
    EXPECT_TRUE(MitStift(Rot, 20, DCPrimitiv::Linienzug).empty());
    EXPECT_FALSE(MitStift(Blau, 20, DCPrimitiv::Linienzug).empty());
    // Curve 1 marks its points with crosses (marker type 1) in the curve colour's pen.
    EXPECT_EQ(MitStift(Blau, 20, DCPrimitiv::Polygon).size(), 6u);
}

// Six curves fill either comparison: the sixth is drawn in its own colour.
TEST_F(Diagrammseite, SixthCurveIsDrawnInBothComparisons)
{
    const std::pair<int, std::string> vergleiche[] = {{2, ProctorDaten("0.00", "", "")},
                                                      {0, "1@10|0@99|1@2@5|10@40@80"}};
    for (const auto& [untertyp, daten] : vergleiche) {
        Kurven(std::vector<std::string>(6, daten));
        Farben("0x1@0x2@0x3@0x4@0x5@0xff");
        Drucke(untertyp);
        EXPECT_FALSE(MitStift(Rot, 20, DCPrimitiv::Linienzug).empty()) << untertyp;
    }
}

TEST_F(Diagrammseite, ColourTextsAreHexadecimalAfter0xOrElseBlack)
{
    Kurven({ProctorDaten("0.00", "", ""), ProctorDaten("0.00", "", ""),
            ProctorDaten("0.00", "", ""), ProctorDaten("0.00", "", ""),
            ProctorDaten("0.00", "", ""), ProctorDaten("0.00", "", "")});
    Farben("0xff@ff@0X00ff00@0xzz@0x00FF00@0x1000000ff");
    Drucke(2);
    const auto farbeDerProbe = [&](int kurve) {
        const double x0 = SpaltenX[kurve + 1], x1 = SpaltenX[kurve + 2];
        return Linie({GX(x0 + 1.0), GY(40 + 0.8)}, {GX(x1 - 1.0), GY(40 + 0.8)}).zustand.stift;
    };
    EXPECT_EQ(farbeDerProbe(0), CPen(PS_SOLID, 40, Rot));
    for (int kurve : {1, 2, 3})
        EXPECT_EQ(farbeDerProbe(kurve), CPen(PS_SOLID, 40, 0)) << kurve;
    EXPECT_EQ(farbeDerProbe(4), CPen(PS_SOLID, 40, RGB(0, 255, 0)));
    // An over-long number wraps and keeps its low digits.
    EXPECT_EQ(farbeDerProbe(5), CPen(PS_SOLID, 40, Rot));
    // The curve itself in its colour: the red circles of curve 0.
    EXPECT_EQ(MitStift(Rot, 20, DCPrimitiv::Ellipse).size(), 4u);
}

TEST_F(Diagrammseite, LegendTableCellsLabelsAndTexts)
{
    versuch.SetzeFeldSpeziell(2, 4, "nie@12PV@01.03.2026", true);
    versuch.SetzeFeldSpeziell(2, 9, "@@@@@@@@@Kommentar sechs", true);
    Drucke(2);

    // Outline in pen 1, nine row lines and six column lines in pen 0.
    EXPECT_TRUE(HatLinie({GX(0), GY(40)}, {GX(0), GY(63.5)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(0), GY(41.5)}, {GX(29.9), GY(41.5)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(0), GY(40 + 20.7)}, {GX(29.9), GY(40 + 20.7)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(3.5), GY(40)}, {GX(3.5), GY(63.5)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(25.5), GY(40)}, {GX(25.5), GY(63.5)}, Stift(0)));
    EXPECT_FALSE(HatLinie({GX(29.9), GY(40)}, {GX(29.9), GY(63.5)}, Stift(0)));

    const DCEintrag linie = Text("Linie");
    EXPECT_EQ(linie.rechteck, Textrechteck(0, 0, 3.5, 1.5, 0.4));
    EXPECT_EQ(linie.format, unsigned(DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX));
    EXPECT_EQ(linie.zustand.schrift, Schrift(0));
    EXPECT_EQ(Text("Kommentar").rechteck, Textrechteck(0, 20.7, 3.5, 23.5, 0.2));
    EXPECT_TRUE(Hat("Bereich /"));

    // Curve texts centred in their cells; sub-value 0 is never printed.
    const DCEintrag nummer = Text("12PV");
    EXPECT_EQ(nummer.rechteck, Textrechteck(3.5, 1.5, 7.9, 2.7, 0.2));
    EXPECT_EQ(nummer.format, unsigned(DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX | DT_CENTER));
    EXPECT_EQ(Text("01.03.2026").rechteck, Textrechteck(3.5, 2.7, 7.9, 3.9, 0.2));
    EXPECT_EQ(Text("Kommentar sechs").rechteck, Textrechteck(25.5, 20.7, 29.9, 23.5, 0.2));
    EXPECT_FALSE(Hat("nie"));
}

TEST_F(Diagrammseite, WithoutCurvesTheBoxStaysEmptyAndTheLegendFull)
{
    for (int untertyp : {2, 0}) {
        Drucke(untertyp);
        EXPECT_TRUE(HatLinie({GX(0), GY(17 + 0.27)}, {GX(0), GY(17 + 22.1)}, Stift(1))) << untertyp;
        EXPECT_FALSE(HatLinie({links, oben}, {rechts, oben})) << untertyp;
        EXPECT_TRUE(Hat("Linie"));
        EXPECT_TRUE(Hat("Bodenherkunft"));
        // Marker, line, marker in each of six columns, black.
        EXPECT_EQ(MitStift(0, 40, DCPrimitiv::Linienzug).size(), 6u);
    }

    // The first present curve has no usable axes: no frame, and the later curve, drawn into the
    // same empty range, places nothing.
    Kurven({"0.1|1.5@2.5|0.1@0.2|1.8@1.9", ProctorDaten("0.00", "", "")});
    Farben("0xff@0xff0000");
    Drucke(2);
    EXPECT_FALSE(HatLinie({links, oben}, {rechts, oben}));
    EXPECT_TRUE(MitStift(Blau, 20, DCPrimitiv::Linienzug).empty());
    EXPECT_TRUE(MitStift(Blau, 20, DCPrimitiv::Polygon).empty());
    EXPECT_EQ(MitStift(Blau, 40, DCPrimitiv::Linienzug).size(), 1u);

    // No test at all: the same page, nothing read.
    dc.Leeren();
    druck.DruckeGrafikmisch(dc, seite, nullptr, "Titel");
    EXPECT_TRUE(Hat("Titel"));
    EXPECT_TRUE(Hat("Kommentar"));
    EXPECT_EQ(MitStift(0, 40, DCPrimitiv::Linienzug).size(), 6u);
}

TEST_F(Diagrammseite, DispatcherPrintsThePageOfTheRecordedTest)
{
    Kurven({ProctorDaten("0.00", "", "")});
    versuch.Untertyp = 2;
    druck.ErzeugeGdiObjekte(&versuch);
    druck.DruckeSeite(&dc, seite, 10181, {"|", "", ""}, "Projekt|||OL", "", "Vergleich");
    EXPECT_TRUE(Hat("Vergleich"));
    EXPECT_TRUE(Hat("Linie"));
    EXPECT_TRUE(Hat("0.00"));

    // Page 2 of the comparison prints the header alone.
    dc.Leeren();
    druck.DruckeSeite(&dc, seite, 10182, {"|", "", ""}, "Projekt|||OL", "", "Vergleich");
    EXPECT_FALSE(Hat("Linie"));
}
