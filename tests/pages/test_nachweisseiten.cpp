// The filter-rule and permeability pages and the permeability chart on the recording device.

#include "pages/seitentest.h"
#include "platform/exceptions.h"
#include "report/versuchstypen.h"

#include <cmath>

namespace {

class Nachweisseiten : public Seitentest
{
protected:
    Nachweisseiten() { Gitter(); }

    // Centres of the crosses drawn: each cross is two two-point polygons, the first rising.
    std::vector<POINT> Kreuze() const
    {
        std::vector<POINT> mitten;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == DCPrimitiv::Polygon && e.punkte.size() == 2 &&
                e.punkte[0].y < e.punkte[1].y)
                mitten.push_back(POINT{(e.punkte[0].x + e.punkte[1].x) / 2,
                                       (e.punkte[0].y + e.punkte[1].y) / 2});
        return mitten;
    }

    void Diagramm(CV_Wasserdlkb& versuch, const std::string& gruppe5)
    {
        versuch.SetzeSpeziellGruppe(5, gruppe5);
        versuch.DruckeDiagramm(dc, kRechteck, druck.Texte, Stift(1), Stift(0), Schrift(0),
                               Schrift(6), false);
    }

    static constexpr RECT kRechteck{4000, -20000, 18000, -22000};
};

} // namespace

// The template of the readings follows the sub-type, and the grid gains its rows only once.
TEST_F(Nachweisseiten, PermeabilityReadingsFollowTheSubTypeAndRepeatTheSamePage)
{
    for (int untertyp : {0, 1, 2}) {
        CV_Wasserdlkb versuch(untertyp);
        versuch.Untertyp = untertyp;
        versuch.SetzeSpeziellGruppe(5, "0@10|1E-9@1E-6|5|1E-8|1");
        CV_Wasserdlkb::DruckeTabelle(druck, versuch, dc, seite, "", "", "", versuch.Raster);
        ASSERT_EQ(versuch.Raster.AnzahlZeilen(), 35) << untertyp;
        EXPECT_EQ(versuch.Raster.GetText(11, 0),
                  untertyp <= 1 ? "Versuch mit konstantem hydraulischen Gefälle"
                                : "Versuch mit veränderlichem hydraulischen Gefälle");
        EXPECT_EQ(versuch.Raster.GetText(34, 5), "k<t>10<n>=");
    }

    CV_Wasserdlkb versuch(2);
    versuch.Untertyp = 2;
    versuch.SetzeSpeziellGruppe(5, "0@10|1E-9@1E-6|5|1E-8|1");
    std::string tabelle;
    for (int i = 0; i <= 9; ++i)
        tabelle += "K" + std::to_string(i) + "|";
    tabelle += "Kopf@0.785@12.00@78.54|10@0@1.20@1.18@19.1@0.788@2.5E-08";
    for (int i = 12; i <= 27; ++i)
        tabelle += "|" + std::string(i == 27 ? "2.54E-08" : "");
    dc.Leeren();
    CV_Wasserdlkb::DruckeTabelle(druck, versuch, dc, seite, tabelle, "", "WD", versuch.Raster);
    const std::vector<DCEintrag> erste = dc.Eintraege();
    dc.Leeren();
    CV_Wasserdlkb::DruckeTabelle(druck, versuch, dc, seite, tabelle, "", "WD", versuch.Raster);
    EXPECT_EQ(versuch.Raster.AnzahlZeilen(), 35);
    ASSERT_EQ(dc.Eintraege().size(), erste.size());
    for (std::size_t i = 0; i < erste.size(); ++i) {
        EXPECT_EQ(dc.Eintraege()[i].text, erste[i].text) << i;
        EXPECT_EQ(dc.Eintraege()[i].punkte, erste[i].punkte) << i;
    }
    EXPECT_EQ(versuch.Raster.GetText(1, 2), "K0");
    EXPECT_EQ(versuch.Raster.GetText(10, 2), "K9");
    EXPECT_EQ(versuch.Raster.GetText(11, 3), "Kopf");
    EXPECT_EQ(versuch.Raster.GetText(14, 4), "78.54");
    EXPECT_EQ(versuch.Raster.GetText(18, 6), "2.5E-08");
    EXPECT_EQ(versuch.Raster.GetText(34, 6), "2.54E-08");
    EXPECT_EQ(versuch.Raster.GetText(34, 5), "k<t>10<n>=");
    // The chart's frame below the tables, in its outline from row 53.
    EXPECT_TRUE(HatLinie(POINT{GX(3.5), GY(54)}, POINT{GX(29.0), GY(54)}, Stift(1)));
}

// No font is chosen for the ticks: their labels keep the vertical font of the y caption.
TEST_F(Nachweisseiten, PermeabilityTickLabelsKeepTheVerticalFont)
{
    CV_Wasserdlkb versuch(0);
    versuch.SetzeSpeziellGruppe(5, "0.0@2.5@5.0|1E-9@1E-8@1E-7|1.0|1E-8|1");
    CV_Wasserdlkb::DruckeTabelle(druck, versuch, dc, seite, "", "", "WD", versuch.Raster);
    for (const char* marke : {"0.0", "2.5", "5.0", "1E-9", "1E-8", "1E-7"})
        EXPECT_EQ(Text(marke).zustand.schrift, Schrift(6)) << marke;
    EXPECT_EQ(Text("Zeit [ h ]").zustand.schrift, Schrift(0));
}

TEST_F(Nachweisseiten, PermeabilityChartSeparatesEqualXAndKeepsPointsOnTheBounds)
{
    CV_Wasserdlkb versuch(0);
    // x 0..10, y 1E-9..1E-6; points 1, 1, 1 (the second moves right), 10 at y max, 10.5 beyond.
    Diagramm(versuch, "0@5@10|1E-9@1E-8@1E-7@1E-6|1@1@1@10@10.5|1E-8@1E-8@1E-8@1E-6@1E-7|1");
    CWasserdlkbAchsen achsen;
    achsen.Setze(kRechteck, 0, 10, 1e-9, 1e-6);
    const int y = *achsen.GeraetY(1e-8);
    const std::vector<POINT> kreuze = Kreuze();
    ASSERT_EQ(kreuze.size(), 4u);
    EXPECT_EQ(kreuze[0], (POINT{*achsen.GeraetX(1), y}));
    EXPECT_EQ(kreuze[1], (POINT{*achsen.GeraetX(1.02), y}));
    EXPECT_EQ(kreuze[2], (POINT{*achsen.GeraetX(1), y}));
    EXPECT_EQ(kreuze[3], (POINT{kRechteck.right, kRechteck.top}));
    EXPECT_NE(kreuze[1].x, kreuze[0].x);

    // Axis captions: time when row 4 is "1", else the test number.
    EXPECT_EQ(Punkt("Zeit [ h ]"), (POINT{kRechteck.right, kRechteck.bottom - 800}));
    EXPECT_EQ(Punkt("Wasserdurchlässigkeits-"),
              (POINT{kRechteck.left - 1600, kRechteck.top - 2600}));
    // Y labels left of the first x tick; inner grid lines only.
    EXPECT_EQ(Punkt("1E-7"), (POINT{kRechteck.left - 160, *achsen.GeraetY(1e-7) - 100}));
    EXPECT_TRUE(HatLinie(POINT{*achsen.GeraetX(5), kRechteck.bottom},
                         POINT{*achsen.GeraetX(5), kRechteck.top}, Stift(0)));
}

// Ranges that cannot be mapped leave the chart empty instead of drawing at garbage coordinates.
TEST_F(Nachweisseiten, PermeabilityChartWithoutUsableRangesDrawsOnlyFrameAndCaptions)
{
    for (const char* gruppe :
         {"0@10|0@1E-6|1|1E-8|0", "5@5|1E-9@1E-6|5|1E-8|0", "0@10|1E-6@1E-6|5|1E-6|0", "||||"}) {
        dc.Leeren();
        CV_Wasserdlkb versuch(0);
        Diagramm(versuch, gruppe);
        EXPECT_TRUE(Kreuze().empty()) << gruppe;
        EXPECT_TRUE(Hat("Nr")) << gruppe;
        for (const DCEintrag& e : dc.Eintraege())
            for (const POINT& p : e.punkte) {
                EXPECT_LT(std::abs(p.x), 100000) << gruppe;
                EXPECT_LT(std::abs(p.y), 100000) << gruppe;
            }
    }

    CV_Wasserdlkb versuch(0);
    EXPECT_THROW(Diagramm(versuch, "0@10|1E-9@1E-6|1@2@3|1E-8@1E-8|0"), CInvalidArgException);
}

TEST_F(Nachweisseiten, FilterRulePrintsDataAsStoredAndAnEmptyIndicatorRow)
{
    CV_Terzaghi versuch;
    std::string tabelle = "0.063@0.125|33.6@60.2|0.063|0.2|0.063|0.0";
    tabelle += "|0.033@0.096@0.285@x@0.130@1.141@Schluff";
    tabelle += "|0.437@0.900@1.854@x@1.747@7.416@Sand";
    tabelle += "|3.592@7.000@13.641@x@14.369@54.563@Kies|||||";
    tabelle += "|erfüllt@verfehlt@knapp@ungeprüft";
    CV_Terzaghi::DruckeNachweis(druck, dc, seite, tabelle, "", "FT", versuch.Raster);

    EXPECT_EQ(versuch.Raster.GetText(1, 0), "Schluff");
    EXPECT_EQ(versuch.Raster.GetText(1, 4), "Kies");
    EXPECT_EQ(versuch.Raster.GetText(6, 1), "0.033");
    EXPECT_EQ(versuch.Raster.GetText(8, 3), "13.641");
    EXPECT_EQ(versuch.Raster.GetText(10, 2), "1.747");
    EXPECT_EQ(versuch.Raster.GetText(11, 3), "54.563");
    for (int c = 0; c <= 3; ++c)
        EXPECT_EQ(versuch.Raster.GetText(9, c), "") << c;
    // Each result two rows under its own head: blocking ("Sperrbed.") and permeability
    // ("Durchfl.") of soil against filter 1, then of filter 1 against filter 2.
    const std::pair<std::string, double> ergebnisse[] = {
        {"erfüllt", 53.6}, {"verfehlt", 56.6}, {"knapp", 60.6}, {"ungeprüft", 63.6}};
    for (const auto& [ergebnis, y] : ergebnisse)
        EXPECT_EQ(Laeufe(ergebnis), std::vector{Anker(33, 24.3, y, ergebnis)}) << ergebnis;
    // Nothing of the unprinted cell 3 and no legend without legend data.
    for (const DCEintrag& e : dc.Texte())
        EXPECT_EQ(e.text.find('x'), std::string::npos) << e.text;
    EXPECT_TRUE(std::ranges::none_of(
        dc.Eintraege(), [](const DCEintrag& e) { return e.art == DCPrimitiv::Ellipse; }));
}

// The last row of each table: the 21st sieve in all six columns of the sieve table, the 16th
// reading in all seven columns of the permeability readings and the coefficient below.
TEST_F(Nachweisseiten, TablesPrintTheirLastSieveAndReading)
{
    CV_Terzaghi terzaghi;
    CV_Terzaghi::DruckeNachweis(druck, dc, seite, Gefuellt(6, 22), "", "", terzaghi.Raster);
    const double siebX[] = {0, 2.8, 5.6, 8.4, 11.2, 14.0, 16.8};
    for (int c = 0; c < 6; ++c) {
        const std::string sieb = Feldwert(c, 20);
        const double mitte = (siebX[c] + siebX[c + 1]) / 2;
        EXPECT_EQ(Laeufe(sieb), std::vector{Anker(33, mitte, 42.6 + 21, sieb)});
        EXPECT_TRUE(Laeufe(Feldwert(c, 21)).empty()) << c;
    }

    dc.Leeren();
    CV_Wasserdlkb versuch(0);
    versuch.SetzeSpeziellGruppe(5, "0@10|1E-9@1E-6|5|1E-8|1");
    CV_Wasserdlkb::DruckeTabelle(druck, versuch, dc, seite, Gefuellt(28, 8), "", "",
                                 versuch.Raster);
    // The template sets the date column flush left, the others centred.
    const double ablesungX[] = {0, 4.2, 8.4, 12.6, 16.8, 21.0, 25.2, 30.0};
    for (int c = 0; c < 7; ++c) {
        const std::string ablesung = Feldwert(26, c);
        const POINT anker =
            c == 0 ? Anker(22, 0, 28.5 + 23)
                   : Anker(33, (ablesungX[c] + ablesungX[c + 1]) / 2, 28.5 + 23, ablesung);
        EXPECT_EQ(Laeufe(ablesung), std::vector{anker}) << c;
    }
    EXPECT_TRUE(Laeufe(Feldwert(26, 7)).empty());
    // Below them the resulting coefficient, the table's last row.
    const std::string beiwert = Feldwert(27, 0);
    EXPECT_EQ(Laeufe(beiwert), std::vector{Anker(33, 27.6, 28.5 + 24, beiwert)});
}

TEST_F(Nachweisseiten, FilterRuleLegendSitsUnderEachMaterial)
{
    CV_Terzaghi versuch;
    CV_Terzaghi::DruckeNachweis(druck, dc, seite, "", "||||||||0|(0),(0),(0)", "", versuch.Raster);
    // The circle sample of the soil from 8 mm inside its column pair.
    const int y = GY(38.5);
    EXPECT_TRUE(HatLinie(POINT{GX(0) + 800, y}, POINT{GX(5.6) - 800, y}));
    EXPECT_TRUE(HatLinie(POINT{GX(11.2) + 800, y}, POINT{GX(16.8) - 800, y}));
}
