// The Atterberg limits report page on the recording device context.

#include "seitentest.h"

namespace {

// Four liquid-limit tests, three samples of the natural water content and three rolling tests;
// every value distinct so that it can be found on the page.
std::string Tabellendaten(int felder = 20)
{
    const char* alle[] = {
        "40.95@36.57@38.05@43.43@@@@38.40@43.60@43.58@14.91@14.78@16.68",    // 0 tare
        "87.88@89.06@85.58@85.20@@@@122.82@122.55@130.07@22.58@21.95@24.22", // 1 + moist
        "72.67@72.31@70.89@72.51@@@@106.88@107.69@113.73@21.25@20.73@22.91", // 2 + dry
        "0.479@0.469@0.447@0.436@@@@0.231@0.229@0.237@0.210@0.205@0.211",    // 3 w
        "16@20@30@38",                                                       // 4 blows
        "0.2323",                                                            // 5 mean
        "",
        "0.236", // 7 wnat
        "0.457", // 8 wl
        "0.208", // 9 wp
        "0.249", // 10 Ip
        "0.78",  // 11 Ic
        "0.22",  // 12 IL
        "",
        "",
        "495.0", // 15 dry mass
        "66.1",  // 16 mass above 0.4 mm
        "0.040", // 17 its water content
        "0.133", // 18 its share
        "0.263", // 19 water content below 0.4 mm
    };
    std::string text;
    for (int i = 0; i < felder; ++i)
        text += std::string(alle[i]) + (i + 1 < felder ? "|" : "");
    return text;
}

const std::string diagrammDaten =
    "10@15@20@25@30@40@50|0.42@0.44@0.46@0.48@0.50|16@20@30@38|0.479@0.469@0.447@0.436|"
    "10@0.51@50@0.42|0.457||0@10@20@30@40@50@60@70|0.208|0.457|0.249||"
    "2.00@1.75@1.50@1.25@1.00@0.75@0.50@0.25@0.00@-0.25@-0.50|0.78||0.457|0.249";

const std::string titel = "Zustandsgrenzen nach DIN 18122 Teil 1";

class KonsistenzSeite : public Seitentest
{
protected:
    KonsistenzSeite() { Gitter(); }

    void Drucke(const std::string& tabelle, const std::string& diagramm = diagrammDaten)
    {
        dc.Leeren();
        druck.DruckeZustandsgrenzen(dc, seite, tabelle, diagramm, titel);
    }
    // Texts anchored at a point, empty ones left out.
    std::vector<std::string> TexteBei(POINT p) const
    {
        std::vector<std::string> texte;
        for (const DCEintrag& e : dc.Texte())
            if (e.punkte.at(0) == p && !e.text.empty())
                texte.push_back(e.text);
        return texte;
    }
};

} // namespace

TEST_F(KonsistenzSeite, TablesPlaceEveryValueInItsCell)
{
    Drucke(Tabellendaten());
    // Liquid limit from row 17: test c in the column centred at 6 + 2c.
    EXPECT_EQ(Punkt("40.95"), Anker(6, 6, 19));
    EXPECT_EQ(Punkt("85.20"), Anker(6, 12, 20));
    EXPECT_EQ(Punkt("0.436"), Anker(6, 12, 22));
    EXPECT_EQ(Punkt("38"), Anker(6, 12, 23));
    EXPECT_EQ(Punkt("Schlagzahl"), Anker(3, 0, 23));
    EXPECT_EQ(Punkt("[Stk]"), Anker(6, 4.55, 23));
    // Plastic limit from row 34: sub-values 10 to 14.
    EXPECT_EQ(Punkt("14.91"), Anker(6, 6, 36));
    EXPECT_EQ(Punkt("0.211"), Anker(6, 10, 39));
    EXPECT_EQ(Punkt("Ausrollgrenze wp"), Anker(3, 0, 35));
    // Natural water content at column 19: sub-values 7 to 9 and the mean in the wide cell.
    EXPECT_EQ(Punkt("122.55"), Anker(6, 27, 20));
    EXPECT_EQ(Punkt("0.237"), Anker(6, 29, 22));
    EXPECT_EQ(Punkt("0.2323"), Anker(6, 27, 23));
    // Oversize grain from row 23.
    EXPECT_EQ(Punkt("495.0"), Anker(6, 25.2, 25.25));
    EXPECT_EQ(Punkt("0.133"), Anker(6, 25.2, 28.25));
    EXPECT_EQ(Punkt("0.263"), Anker(6, 27, 29.25));
    EXPECT_EQ(Punkt("Überkorn [<25%]"), Anker(3, 19.2, 24.25));
    // Index values from row 45, headed by the report title in bold.
    EXPECT_EQ(Punkt("0.236"), Anker(6, 28, 47.25));
    EXPECT_EQ(Punkt("0.249"), Anker(6, 28, 50.25));
    EXPECT_EQ(Punkt("0.22"), Anker(6, 28, 52.25));
    EXPECT_EQ(Punkt("Liquiditätszahl"), Anker(3, 19.2, 52.25));
    EXPECT_EQ(Punkt("IL"), Anker(6, 25, 52.25));
    const auto titelTexte = Texte(titel);
    ASSERT_EQ(titelTexte.size(), 2u);
    EXPECT_EQ(titelTexte[0].punkte[0], Anker(3, 0, 16.4));
    EXPECT_EQ(titelTexte[1].punkte[0], Anker(3, 19.2, 46.25));
    EXPECT_EQ(titelTexte[1].zustand.schrift, Schrift(1));
}

// Seven liquid-limit tests, five rolling tests and three samples reach the last column of their
// tables; nothing beyond is printed.
TEST_F(KonsistenzSeite, LastTestOfEachTableStandsInItsLastColumn)
{
    Drucke(Gefuellt(5, 16));
    std::vector<Letzter> letzte;
    for (int feld = 0; feld <= 4; ++feld)
        letzte.push_back({feld, 6, 6, 18, 19.0 + feld});
    for (int feld = 0; feld <= 3; ++feld) {
        letzte.push_back({feld, 14, 6, 14, 36.0 + feld});
        letzte.push_back({feld, 9, 6, 29, 19.0 + feld});
        EXPECT_FALSE(Hat(Feldwert(feld, 15))) << feld;
    }
    ErwarteLetzte(letzte);
    EXPECT_FALSE(Hat(Feldwert(4, 7)));
}

TEST_F(KonsistenzSeite, GridLinesWithTheirPens)
{
    Drucke(Tabellendaten());
    // Liquid limit: a fine column border, the bold one after the units, a fine row line.
    EXPECT_TRUE(HatLinie({GX(17), GY(18)}, {GX(17), GY(23)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(5), GY(18)}, {GX(5), GY(23)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(0), GY(22)}, {GX(19), GY(22)}, Stift(0)));
    // Natural water content: the sample columns stop above the mean row, the unit column not.
    EXPECT_TRUE(HatLinie({GX(28), GY(18)}, {GX(28), GY(22)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(23), GY(18)}, {GX(23), GY(23)}, Stift(0)));
    // Oversize grain: its last row reaches across to column 30.
    EXPECT_TRUE(HatLinie({GX(19.2), GY(28.25)}, {GX(19.2), GY(29.25)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(30), GY(29.25)}, {GX(30), GY(28.25)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(23), GY(24.25)}, {GX(23), GY(29.25)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(24), GY(24.25)}, {GX(24), GY(27.25)}, Stift(0)));
    // Index values: eight row lines, the last two rows empty.
    EXPECT_TRUE(HatLinie({GX(19.2), GY(54.25)}, {GX(30), GY(54.25)}, Stift(0)));
}

TEST_F(KonsistenzSeite, FourDiagramsInTheirFramesAndRectangles)
{
    Drucke(Tabellendaten());
    // Frames: flow curve, plastic limit, consistency bar, plasticity chart.
    EXPECT_TRUE(HatLinie({GX(0), GY(23.25)}, {GX(0), GY(33.7)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(0), GY(39.25)}, {GX(0), GY(45)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(15.2), GY(39.25)}, {GX(15.2), GY(45)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(0), GY(45.25)}, {GX(0), GY(63.75)}, Stift(1)));
    // Each diagram's own rectangle, found by its captions and frame.
    EXPECT_EQ(Punkt("Schlagzahl N [Stk]"), (POINT{GX(18.5), GY(25.5) + 150}));
    EXPECT_TRUE(HatLinie({GX(2), GY(25.5)}, {GX(18.5), GY(25.5)}, Stift(1)));
    EXPECT_TRUE(HatBei("Wassergehalt [-]", {GX(14.5), GY(42.5) - 800}));
    EXPECT_TRUE(HatLinie({GX(0.5), GY(41.5)}, {GX(14.5), GY(41.5)}, Stift(1)));
    EXPECT_EQ(Punkt("Konsistenzzahl [-]"), (POINT{GX(29.5), GY(42.5) - 800}));
    EXPECT_TRUE(HatLinie({GX(15.7), GY(40.5)}, {GX(29.5), GY(40.5)}, Stift(1)));
    EXPECT_EQ(Punkt("Plastizitätszahl Ip[%]"), (POINT{GX(2) - 750, GY(46) - 2300}));
    EXPECT_EQ(Punkt("Fließgrenze wl[%]"), (POINT{GX(18.5), GY(61.25) - 850}));
    EXPECT_TRUE(Hat("wl = 0.457"));
    EXPECT_TRUE(Hat("wp = 0.208"));
    EXPECT_TRUE(Hat("Ic = (wl - w<0,4)/Ip  = 0.78"));
    EXPECT_EQ(dc.Eintraege().back().text, "UA");
}

TEST_F(KonsistenzSeite, PercentSettingShowsFractionsInPercentOnly)
{
    g_pfade.anteilAlsProzent = true;
    Drucke(Tabellendaten());
    EXPECT_EQ(Punkt("47.9"), Anker(6, 6, 22));
    EXPECT_EQ(Punkt("21.1"), Anker(6, 10, 39));
    EXPECT_EQ(Punkt("23.2"), Anker(6, 27, 23));
    EXPECT_EQ(Punkt("23.6"), Anker(6, 28, 47.25));
    EXPECT_EQ(Punkt("45.7"), Anker(6, 28, 48.25));
    EXPECT_EQ(Punkt("13.3"), Anker(6, 25.2, 28.25));
    EXPECT_EQ(Punkt("26.3"), Anker(6, 27, 29.25));
    // Blow counts, masses and the indices Ic and IL stay as stored; only their units read "[-]".
    EXPECT_EQ(Punkt("38"), Anker(6, 12, 23));
    EXPECT_EQ(Punkt("495.0"), Anker(6, 25.2, 25.25));
    EXPECT_EQ(Punkt("0.78"), Anker(6, 28, 51.25));
    EXPECT_EQ(Punkt("0.22"), Anker(6, 28, 52.25));
    const auto striche = Texte("[-]");
    ASSERT_EQ(striche.size(), 2u);
    EXPECT_EQ(striche[0].punkte[0], Anker(6, 23.55, 51.25));
    EXPECT_EQ(striche[1].punkte[0], Anker(6, 23.55, 52.25));
    EXPECT_EQ(Texte("[%]").size(), 11u);
}

TEST_F(KonsistenzSeite, MissingFieldsLeaveTheirCellsEmpty)
{
    Drucke(Tabellendaten(5), "");
    EXPECT_TRUE(Hat("40.95"));
    EXPECT_TRUE(Hat("14.91"));
    EXPECT_TRUE(Hat("122.55"));
    for (POINT p : {Anker(6, 27, 23), Anker(6, 25.2, 25.25), Anker(6, 27, 29.25),
                    Anker(6, 28, 47.25), Anker(6, 28, 52.25)})
        EXPECT_TRUE(TexteBei(p).empty());
    // Frames and fixed texts all the same; the plasticity chart is fixed, the flow curve empty.
    EXPECT_TRUE(Hat("Liquiditätszahl"));
    EXPECT_TRUE(HatLinie({GX(0), GY(23.25)}, {GX(0), GY(33.7)}, Stift(1)));
    EXPECT_TRUE(Hat("leichtplastisch"));
    EXPECT_FALSE(Hat("Schlagzahl N [Stk]"));
    EXPECT_FALSE(Hat("Konsistenzzahl [-]"));
}

TEST_F(KonsistenzSeite, DispatcherReachesTheBody)
{
    const std::vector<std::string> kopfdaten{"|", Tabellendaten(), diagrammDaten};
    for (int code : {10061, 22}) {
        dc.Leeren();
        druck.DruckeSeite(&dc, seite, code, kopfdaten, "", "", titel);
        EXPECT_TRUE(Hat("Schlagzahl")) << code;
        EXPECT_TRUE(Hat("Konsistenzzahl [-]")) << code;
    }
    dc.Leeren();
    druck.DruckeSeite(&dc, seite, 10062, kopfdaten, "", "", titel);
    EXPECT_FALSE(Hat("Schlagzahl"));
}
