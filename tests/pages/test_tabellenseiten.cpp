// The table pages of loss on ignition, lime content and sedimentation on the recording device.

#include "pages/seitentest.h"
#include "report/versuchstypen.h"

namespace {

class Tabellenseiten : public Seitentest
{
protected:
    Tabellenseiten() { Gitter(); }

    // A decimal-aligned text: bottom line on the row, separator inside the column.
    void ErwarteDezimal(const std::string& text, double links, double rechts, double zeile)
    {
        const DCEintrag e = Text(text);
        ASSERT_FALSE(e.punkte.empty()) << text;
        EXPECT_EQ(e.punkte[0].y, GY(zeile) + 50) << text;
        EXPECT_GT(e.punkte[0].x + e.breite / 2, GX(links)) << text;
        EXPECT_LT(e.punkte[0].x, GX(rechts)) << text;
    }
};

} // namespace

TEST_F(Tabellenseiten, LossOnIgnitionHeadsAreGeneratedAndShortDataLeavesCellsEmpty)
{
    // Row 0 names only two crucibles; rows 1 to 5 hold three part tests; no mean row.
    CV_Glueverlust::DruckeTabelle(druck, dc, seite, "T1@T2|31.5@32.5@33.5|2@3@4|5@6@7|8@9@10|", "",
                                  "Glühverlust");
    EXPECT_EQ(Punkt("Glühverlust"), Anker(3, 0, 16.4));
    const double mitten[] = {14.25, 17.75, 21.25, 24.75, 28.25};
    for (int p = 1; p <= 5; ++p)
        EXPECT_TRUE(HatBei(std::to_string(p), Anker(6, mitten[p - 1], 19))) << p;
    EXPECT_EQ(Punkt("T2"), Anker(6, 17.75, 20));
    ErwarteDezimal("33.5", 19.5, 23.0, 21);
    ErwarteDezimal("8", 12.5, 16.0, 24.3 + 1);
    EXPECT_EQ(Punkt("Masse Tiegel + geglühte Probe"), Anker(3, 0, 23));
    EXPECT_EQ(Punkt("Glühverlust Mittelwert"), Anker(3, 0, 27.3));
    // Every printed text is a caption, a generated head or one of the data values above.
    for (const DCEintrag& e : dc.Texte())
        EXPECT_NE(e.text, "T3");

    // Frames black, inner lines grey, the last block row one cell across the part tests.
    EXPECT_TRUE(HatLinie(POINT{GX(12.5), GY(18)}, POINT{GX(12.5), GY(23)}, Stift(1)));
    EXPECT_TRUE(HatLinie(POINT{GX(9.0), GY(20)}, POINT{GX(9.0), GY(23)}, Stift(0)));
    EXPECT_TRUE(HatLinie(POINT{GX(16.0), GY(24.3)}, POINT{GX(16.0), GY(26.3)}, Stift(0)));
    EXPECT_FALSE(HatLinie(POINT{GX(16.0), GY(24.3)}, POINT{GX(16.0), GY(27.3)}));
}

TEST_F(Tabellenseiten, LossOnIgnitionPrintsTheWholeMeanRowAndNotRowsSixToEight)
{
    CV_Glueverlust::DruckeTabelle(druck, dc, seite, "|||||0.05@0.06|x6|x7|x8|0.0551", "", "");
    ErwarteDezimal("0.06", 16.0, 19.5, 24.3 + 2);
    ErwarteDezimal("0.0551", 19.5, 23.0, 24.3 + 3);
    for (const char* ungedruckt : {"x6", "x7", "x8"})
        EXPECT_FALSE(Hat(ungedruckt)) << ungedruckt;
}

TEST_F(Tabellenseiten, LimeContentTakesFivePartTestsAndOneMean)
{
    CV_Kalkgehalt versuch;
    std::string tabelle = "2.1@2.2@2.3@2.4@2.5@sechster";
    for (int r = 1; r <= 11; ++r)
        tabelle += "|";
    tabelle += "|13.9@zweiter";
    CV_Kalkgehalt::DruckeTabelle(druck, dc, seite, tabelle, "", "Kalk", versuch.Raster);

    EXPECT_EQ(versuch.Raster.GetText(0, 3), "1");
    EXPECT_EQ(versuch.Raster.GetText(1, 3), "2.1");
    EXPECT_EQ(versuch.Raster.GetText(1, 7), "2.5");
    EXPECT_EQ(versuch.Raster.GetText(1, 8), "");
    // The mean row has one cell; a second value of the row does not reach it.
    EXPECT_EQ(versuch.Raster.GetText(13, 3), "13.9");
    EXPECT_EQ(versuch.Raster.GetText(13, 4), "");
    // 28 columns wide from row 17, with a frame.
    const auto Senkrecht = [&](double x) {
        return std::ranges::any_of(Linien(), [&](const DCEintrag& e) {
            return e.punkte.size() == 2 && e.punkte[0].x == GX(x) && e.punkte[1].x == GX(x);
        });
    };
    EXPECT_TRUE(Senkrecht(28.0));
    EXPECT_FALSE(Senkrecht(30.0));
    EXPECT_EQ(Punkt("Kalk"), Anker(3, 0, 16.4));

    // The next page overwrites the values.
    CV_Kalkgehalt::DruckeTabelle(druck, dc, seite, "3.1", "", "Kalk", versuch.Raster);
    EXPECT_EQ(versuch.Raster.GetText(1, 3), "3.1");
}

// Loss on ignition prints its fifth part test in the last column; lime content draws its fifth
// part test and its mean in the last row of the grid.
TEST_F(Tabellenseiten, PartTestsFillTheLastColumn)
{
    CV_Glueverlust::DruckeTabelle(druck, dc, seite, Gefuellt(6, 6), "", "");
    const Letzter letzte[] = {{0, 4, 6, 28.25, 20}, {1, 4, 12, 29, 21},   {2, 4, 12, 29, 22},
                              {3, 4, 12, 29, 23},   {4, 4, 12, 29, 25.3}, {5, 4, 12, 29, 26.3}};
    ErwarteLetzte(letzte);
    for (int feld = 0; feld <= 5; ++feld)
        EXPECT_FALSE(Hat(Feldwert(feld, 5))) << feld;

    // Grid row r at row 18 + r; part test 5 in the last column, the mean across all five.
    dc.Leeren();
    CV_Kalkgehalt versuch;
    CV_Kalkgehalt::DruckeTabelle(druck, dc, seite, Gefuellt(14, 6), "", "", versuch.Raster);
    const std::string fuenfter = Feldwert(11, 4), mittel = Feldwert(12, 0);
    EXPECT_EQ(Laeufe(fuenfter), std::vector{Anker(33, 26.6, 30, fuenfter)});
    EXPECT_EQ(Laeufe(mittel), std::vector{Anker(33, 21.0, 31, mittel)});
    for (const std::string& ungedruckt : {Feldwert(11, 5), Feldwert(12, 1), Feldwert(13, 0)})
        EXPECT_TRUE(Laeufe(ungedruckt).empty()) << ungedruckt;
}

TEST_F(Tabellenseiten, SedimentationPrintsTwelveReadingsUnderTheGridCaptions)
{
    CV_Sedimentation versuch;
    std::string tabelle = "H-17@31.17@67.0@0.5@14.2@10.5@2.1@2.654@53.85";
    for (int i = 1; i <= 13; ++i) {
        tabelle += "|" + std::to_string(i) + "h@m" + std::to_string(i);
        for (int c = 2; c <= 10; ++c)
            tabelle += "@" + Feldwert(i, c);
    }
    CV_Sedimentation::DruckeTabelle(druck, dc, seite, tabelle, "", "Sed", versuch.Raster);

    EXPECT_TRUE(HatBei("Aräometerbezeichnung", Anker(3, 0, 19)));
    ErwarteDezimal("31.17", 12.5, 16.0, 20);
    EXPECT_EQ(Punkt("Länge Tauchkörper"), Anker(3, 16.0, 20));
    EXPECT_EQ(Punkt("14.2"), Anker(6, 28.25, 20));
    ErwarteDezimal("53.85", 26.5, 30.0, 23.5);
    EXPECT_EQ(Punkt("Ablesezeit"), Anker(6, 1.8, 25.3));
    EXPECT_EQ(Punkt("Masseanteile"), Anker(6, 26.5, 25.3));
    EXPECT_EQ(Punkt("1h"), Anker(6, 0.9, 28.3));
    EXPECT_EQ(Punkt("m12"), Anker(6, 2.7, 39.3));
    EXPECT_EQ(Punkt(Feldwert(12, 9)), Anker(6, 28.25, 39.3));
    // A thirteenth reading has no row, an eleventh cell no column.
    EXPECT_FALSE(Hat("13h"));
    EXPECT_FALSE(Hat("m13"));
    EXPECT_FALSE(Hat(Feldwert(12, 10)));
    // Plain texts stay in the bold title font.
    EXPECT_EQ(Text("Ablesezeit").zustand.schrift, Schrift(3));
    // The hours line starts below the unit-less head rows; some columns start at row 1.
    EXPECT_TRUE(HatLinie(POINT{GX(1.8), GY(26.3)}, POINT{GX(1.8), GY(39.3)}, Stift(0)));
    EXPECT_TRUE(HatLinie(POINT{GX(6.0), GY(25.3)}, POINT{GX(6.0), GY(39.3)}, Stift(0)));
    EXPECT_TRUE(HatLinie(POINT{GX(3.6), GY(24.3)}, POINT{GX(3.6), GY(39.3)}, Stift(0)));
}

TEST_F(Tabellenseiten, EveryLocalPageRepeatsHeaderAndTable)
{
    CV_Glueverlust versuch;
    versuch.Drucken(2, &dc, seite);
    EXPECT_TRUE(Hat("Teilversuch Nummer"));
    EXPECT_TRUE(Hat("Baumaßnahme"));
    EXPECT_TRUE(Hat("Masseverlust"));
}
