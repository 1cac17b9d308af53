// The grain-size distribution report page on the recording device context. Positions are
// absolute page-grid rows: block origin plus row.

#include "report/druckdaten.h"
#include "seitentest.h"

#include <gtest/gtest.h>

namespace {

std::string Felder(const std::vector<std::string>& felder)
{
    std::string text;
    for (std::size_t i = 0; i < felder.size(); ++i)
        text += (i ? "|" : "") + felder[i];
    return text;
}

// The same text in each of the first n cells of a field, with the cell index appended.
std::string Zellen(const std::string& text, int n)
{
    std::string feld;
    for (int i = 0; i < n; ++i)
        feld += (i ? "@" : "") + text + std::to_string(i);
    return feld;
}

// Sixteen sieves and the pan; characteristic values named "K0" .. "K17".
std::string Tabellendaten()
{
    return Felder({
        "@0.063@0.125@0.25@0.5@1@2@4@8@16@31.5@63@a12@a13@a14@a15@a16@a17", // 0 sizes
        "215.0@189.4@342.9", // 1 residue in g, the pan first
        "4.2@3.7@6.7",       // 2 residue in %
        "x@4.2@7.9",         // 3 passing, the pan's cell not printed
        "@0",                // 4 min
        "@5",                // 5 max
        "@0,0",              // 6 deviation with a decimal comma
        "5124.6",            // 7 sample mass
        "6.3",               // 8 sieve loss
        "Nasssiebung",       // 9 working method
        "",
        "",
        Zellen("K", 19),    // 12 names, one more than printed
        Zellen("d<t>", 18), // 13 symbols
        Zellen("[mm]", 18), // 14 units
        Zellen("W", 18),    // 15 values
        "",
        "Frostschutzschicht", // 17
        "0",                  // 18
        "32",                 // 19
    });
}

const std::string diagrammDaten = "0.001@0.01@0.1@1@10@100|0@50@100|0.1@1@10|10@50@100";

const int Reihenfolge[18] = {6, 10, 11, 12, 13, 14, 15, 16, 1, 0, 2, 3, 4, 5, 17, 7, 8, 9};

class KornverteilungsSeite : public Seitentest
{
protected:
    KornverteilungsSeite() { Gitter(); }

    void Drucke(const std::string& tabelle, const std::string& diagramm = diagrammDaten)
    {
        dc.Leeren();
        druck.DruckeKornsummenlinie(dc, seite, tabelle, diagramm, "Korngrößenverteilung");
    }
    // The anchor of a decimal-aligned text in font 0 (each character 150 wide): the separator's
    // middle on the grid point.
    static POINT Dezimal(double x, double y, int zeichenVorTrenner)
    {
        return POINT{GX(x) - 150 * zeichenVorTrenner - 75, GY(y) + 50};
    }
    std::vector<std::string> AlleTexte() const
    {
        std::vector<std::string> texte;
        for (const DCEintrag& e : dc.Texte())
            texte.push_back(e.text);
        return texte;
    }
};

} // namespace

TEST_F(KornverteilungsSeite, SieveTableCellsStandInTheirRowsAndColumns)
{
    Drucke(Tabellendaten());
    // Heads, bottom-centred.
    EXPECT_EQ(Punkt("Siebweite"), Anker(6, 1.5, 23));
    EXPECT_EQ(Punkt("Siebrückstand"), Anker(6, 5.5, 23));
    EXPECT_EQ(Punkt("Siebdurchgangssummen"), Anker(6, 12, 23));
    EXPECT_EQ(Punkt("Grenzwerte [M.-%]"), Anker(6, 13, 24));
    EXPECT_EQ(Punkt("Schale"), Anker(6, 1.5, 25));
    EXPECT_EQ(Punkt("--"), Anker(6, 9.25, 25));
    EXPECT_EQ(Punkt("Abw."), Anker(6, 15, 25));
    EXPECT_TRUE(HatBei("[M.-%]", Anker(6, 7, 24)));
    EXPECT_TRUE(HatBei("[M.-%]", Anker(6, 9, 24)));
    EXPECT_EQ(Text("Siebweite").zustand.schrift, Schrift(0));

    // Sub-value i on the row ending at 23 + i + 2, decimal-aligned; the pan row is i = 0.
    EXPECT_EQ(Punkt("0.063"), Dezimal(1.5, 26, 1));
    EXPECT_EQ(Punkt("31.5"), Dezimal(1.5, 35, 2));
    EXPECT_EQ(Punkt("215.0"), Dezimal(5, 25, 3));
    EXPECT_EQ(Punkt("189.4"), Dezimal(5, 26, 3));
    EXPECT_EQ(Punkt("3.7"), Dezimal(7, 26, 1));
    EXPECT_EQ(Punkt("7.9"), Dezimal(9.25, 27, 1));
    EXPECT_EQ(Punkt("0,0"), Dezimal(15.5, 26, 1)); // aligned on its comma
    EXPECT_EQ(Text("0.063").ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_TRUE(HatBei("0", Dezimal(11.5, 26, 1)));
    EXPECT_TRUE(HatBei("5", Dezimal(13.5, 26, 1)));
    // The pan has no size, passing or limits; sieves from 17 on are not printed.
    EXPECT_FALSE(Hat("x0"));
    EXPECT_FALSE(Hat("x"));
    EXPECT_TRUE(Hat("a16"));
    EXPECT_FALSE(Hat("a17"));
}

TEST_F(KornverteilungsSeite, TableLinesCarryTheirPens)
{
    Drucke(Tabellendaten());
    constexpr int Duenn = 0, Dick = 1;
    struct Strich
    {
        double x1, y1, x2, y2;
        int stift;
    };
    const Strich striche[] = {
        // Sieve table, origin row 23.
        {0, 22, 0, 41, Dick},
        {0, 41, 16, 41, Dick},
        {0, 23, 16, 23, Duenn},
        {0, 40, 16, 40, Duenn},
        {0, 24, 10, 24, Dick},
        {10, 25, 16, 25, Dick},
        {3, 22, 3, 41, Dick},
        {6, 23, 6, 41, Duenn},
        {8, 22, 8, 24, Dick},
        {8, 24, 8, 41, Duenn},
        {10, 23, 10, 41, Dick},
        {12, 24, 12, 41, Duenn},
        {14, 24, 14, 41, Duenn},
        // Characteristic values, origin (17, 23).
        {16.15, 23, 30, 23, Duenn},
        {16.15, 40, 30, 40, Duenn},
        {22.5, 22, 22.5, 41, Duenn},
        {24.5, 22, 24.5, 41, Duenn},
        {16.15, 22, 16.15, 41, Dick},
        {26.5, 22, 26.5, 41, Dick},
        // Diagram frame, origin row 41.
        {0, 41.27, 0, 63.1, Dick},
        {0, 63.1, 30, 63.1, Dick},
    };
    for (const Strich& s : striche)
        EXPECT_TRUE(HatLinie({GX(s.x1), GY(s.y1)}, {GX(s.x2), GY(s.y2)}, Stift(s.stift)))
            << s.x1 << "," << s.y1 << " - " << s.x2 << "," << s.y2;
    // No head line over the passing column, none below y 41 of the tables.
    EXPECT_FALSE(HatLinie({GX(10), GY(22)}, {GX(10), GY(41)}));
    EXPECT_FALSE(HatLinie({GX(0), GY(41)}, {GX(16), GY(41)}, Stift(Duenn)));
}

TEST_F(KornverteilungsSeite, TitleTestInformationAndGradingRange)
{
    Drucke(Tabellendaten());
    EXPECT_EQ(Punkt("Korngrößenverteilung"), Anker(3, 0, 16.4));
    EXPECT_EQ(Text("Korngrößenverteilung").zustand.schrift, Schrift(3));
    EXPECT_EQ(Punkt("Arbeitsweise"), Anker(3, 0, 18));
    EXPECT_EQ(Text("Arbeitsweise").zustand.schrift, Schrift(0));
    EXPECT_EQ(Punkt("Nasssiebung"), Anker(3, 5, 18));
    EXPECT_TRUE(HatBei(":", Anker(6, 5, 18)));
    EXPECT_TRUE(HatBei(":", Anker(6, 5, 19)));
    EXPECT_TRUE(HatBei(":", Anker(6, 3, 20.5)));
    EXPECT_TRUE(HatBei(":", Anker(6, 3, 21.5)));
    // Masses right-aligned before their unit.
    EXPECT_EQ(Punkt("6.3"), Anker(9, 5.5, 20.5));
    EXPECT_EQ(Punkt("5124.6"), Anker(9, 5.5, 21.5));
    EXPECT_TRUE(HatBei("g", Anker(3, 5.5, 20.5)));
    EXPECT_TRUE(HatBei("g", Anker(3, 5.5, 21.5)));
    // Fields 17, two blanks, 18, "/", 19: beside the label and above the diagram.
    const std::string bereich = "Frostschutzschicht  0/32";
    EXPECT_EQ(Texte(bereich).size(), 2u);
    EXPECT_TRUE(HatBei(bereich, Anker(3, 5, 19)));
    EXPECT_TRUE(HatBei(bereich, Anker(3, 7.2, 42.8)));
    EXPECT_TRUE(HatBei("Sieblinienbereich für", Anker(3, 0, 19)));
    EXPECT_TRUE(HatBei("Sieblinienbereich für", Anker(3, 3, 42.8)));

    // Field 18 decides: without it no text anywhere, with it alone "  0/".
    CDruckDaten felder(Tabellendaten());
    felder.SetzeZellText(18, 0, "");
    Drucke(felder.Text());
    EXPECT_EQ(Texte("Sieblinienbereich für").size(), 1u);
    EXPECT_FALSE(Hat("Frostschutzschicht  /32"));
    Drucke(Felder({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "0"}));
    EXPECT_EQ(Texte("  0/").size(), 2u);
}

TEST_F(KornverteilungsSeite, CharacteristicValuesInTheirFixedOrder)
{
    Drucke(Tabellendaten());
    for (int k = 0; k < 18; ++k) {
        const std::string j = std::to_string(Reihenfolge[k]);
        const double y = 23 + k;
        EXPECT_EQ(Punkt("K" + j), Anker(3, 16.2, y)) << k;
        EXPECT_EQ(Punkt("[mm]" + j), Anker(6, 25.5, y)) << k;
        // "W<j>" has no separator: one is imagined behind it.
        EXPECT_EQ(Punkt("W" + j), Dezimal(28, y, static_cast<int>(j.size()) + 1)) << k;
    }
    EXPECT_FALSE(Hat("K18"));
    // The symbol is mark-up text: "d" and the lowered index.
    EXPECT_TRUE(Hat("d"));

    // A value without a name is not printed; the rows after it keep their places.
    CDruckDaten daten(Tabellendaten());
    daten.SetzeZellText(12, 10, "");
    Drucke(daten.Text());
    EXPECT_FALSE(Hat("[mm]10"));
    EXPECT_FALSE(Hat("W10"));
    EXPECT_EQ(Punkt("K11"), Anker(3, 16.2, 25));
}

TEST_F(KornverteilungsSeite, EmptyTableDataLeavesTheFixedFrameAndCaptions)
{
    Drucke("", "");
    std::vector<std::string> erwartet = {"Siebweite",
                                         "[mm]",
                                         "Schale",
                                         "Siebrückstand",
                                         "[g]",
                                         "[M.-%]",
                                         "Siebdurchgangssummen",
                                         "[M.-%]",
                                         "--",
                                         "Grenzwerte [M.-%]",
                                         "min",
                                         "max",
                                         "Abw.",
                                         "Korngrößenverteilung",
                                         "Arbeitsweise",
                                         ":",
                                         "Sieblinienbereich für",
                                         ":",
                                         "Siebverlust",
                                         ":",
                                         "g",
                                         "Einwaage",
                                         ":",
                                         "g"};
    EXPECT_EQ(AlleTexte(), erwartet);
    // All table lines and the diagram frame are there.
    EXPECT_TRUE(HatLinie({GX(0), GY(40)}, {GX(16), GY(40)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(26.5), GY(22)}, {GX(26.5), GY(41)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(30), GY(63.1)}, {GX(30), GY(41.27)}, Stift(1)));
}

TEST_F(KornverteilungsSeite, DiagramFillsItsRectangleBelowTheTables)
{
    Drucke(Tabellendaten());
    // The chart rectangle from (3, 43.27) to (29, 60.1), outlined in pen 1.
    EXPECT_TRUE(HatLinie({GX(3), GY(43.27)}, {GX(29), GY(43.27)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(29), GY(60.1)}, {GX(3), GY(60.1)}, Stift(1)));
    const DCEintrag titel = Text("Durchgangssumme [%]");
    EXPECT_EQ(titel.zustand.schrift, Schrift(6));
    EXPECT_EQ(titel.punkte.at(0), (POINT{GX(3) - 900, GY(43.27) - 2500}));
    // Three markers of the grading curve.
    int kreise = 0;
    for (const DCEintrag& e : dc.Eintraege())
        kreise += e.art == DCPrimitiv::Ellipse;
    EXPECT_EQ(kreise, 3);

    // With the class band the plot starts 13 mm lower.
    Drucke(Tabellendaten(), diagrammDaten + "|||||1");
    EXPECT_TRUE(HatLinie({GX(3), GY(43.27) - 1300}, {GX(29), GY(43.27) - 1300}, Stift(1)));
    EXPECT_TRUE(Hat("Schlämmkorn"));
}

TEST_F(KornverteilungsSeite, DispatcherLeadsToTheGrainSizeBodies)
{
    const std::vector<std::string> kopfdaten{"|a@b", Tabellendaten(), diagrammDaten};
    const auto seite1 = [&](int code) {
        dc.Leeren();
        druck.DruckeSeite(&dc, seite, code, kopfdaten, "Projekt|||", "", "Titel");
        return Hat("Siebdurchgangssummen");
    };
    EXPECT_TRUE(seite1(10001));
    EXPECT_TRUE(seite1(6));
    EXPECT_FALSE(seite1(10002));
    // Code 24: the diagram alone in an outline from grid (0, 6) to (30, 26).
    EXPECT_FALSE(seite1(24));
    EXPECT_TRUE(Hat("Siebweite [mm]"));
    EXPECT_TRUE(HatLinie({GX(0), GY(6)}, {GX(0), GY(26)}));
    EXPECT_TRUE(HatLinie({GX(3), GY(7)}, {GX(29), GY(7)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(29), GY(23)}, {GX(3), GY(23)}, Stift(1)));
}
