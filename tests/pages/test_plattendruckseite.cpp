#include "seitentest.h"

#include <string>
#include <vector>

namespace {

// A table text whose cell (f, i) reads "f.i" for the branch fields, so every printed cell names
// its origin; the counts, device fields and results as given.
std::string Tabellendaten(const std::string& erst, const std::string& ent, const std::string& zweit,
                          const std::string& ev2Soll, const std::string& verhaeltnisSoll)
{
    std::vector<std::string> felder(36);
    for (int f : {1, 2, 3, 5, 6, 7, 9, 10, 11})
        for (int i = 0; i < 20; ++i)
            felder[f] += (i ? "@" : "") + std::to_string(f) + "." + std::to_string(i);
    felder[0] = erst;
    felder[4] = ent;
    felder[8] = zweit;
    const char* ergebnisse[] = {"0.0412", "7.0892",  "-2.7958", "39.5", "1.7011",
                                "2.5069", "-0.3031", "95.5",    "2.42"};
    for (int k = 0; k < 9; ++k)
        felder[14 + k] = ergebnisse[k];
    felder[25] = "2.00";
    felder[27] = "Sandbett";
    felder[28] = "Widerlager";
    felder[29] = "PDG 300";
    felder[32] = "MU 22";
    felder[34] = ev2Soll;
    felder[35] = verhaeltnisSoll;
    std::string text;
    for (const std::string& feld : felder)
        text += feld + "|";
    return text;
}

class Plattendruckseite : public Seitentest
{
protected:
    Plattendruckseite() { Gitter(); }

    void Drucke(const std::string& tabelle, const std::string& diagramm = "")
    {
        dc.Leeren();
        druck.DruckePlattendruck(dc, seite, tabelle, diagramm, "Plattendruckversuch");
    }
    // The rows of a branch field that were printed, by sub-value.
    std::vector<int> Zeilen(int feld) const
    {
        std::vector<int> zeilen;
        for (int i = 0; i < 20; ++i)
            if (Hat(std::to_string(feld) + "." + std::to_string(i)))
                zeilen.push_back(i);
        return zeilen;
    }
    static std::vector<int> Bis(int letzte)
    {
        std::vector<int> zeilen;
        for (int i = 0; i <= letzte; ++i)
            zeilen.push_back(i);
        return zeilen;
    }
    // Mark-up text is drawn a character at a time: the characters at one device height.
    std::string ZeichenBei(int y, int xVon, int xBis) const
    {
        std::string text;
        for (const DCEintrag& e : dc.Texte())
            if (e.punkte[0].y == y && e.text.size() == 1 && e.punkte[0].x >= xVon &&
                e.punkte[0].x < xBis)
                text += e.text;
        return text;
    }
};

} // namespace

TEST_F(Plattendruckseite, DeviceRowsLabelsColonsAndValues)
{
    Drucke(Tabellendaten("6", "3", "5", "45", "2.5"));
    EXPECT_EQ(Text("Plattendruckversuch").punkte[0], Anker(3, 0, 16.4));
    EXPECT_EQ(Punkt("Übersetzungsfaktor   Ü"), Anker(3, 0, 17.8));
    EXPECT_EQ(Punkt("2.00"), Anker(3, 5, 17.8));
    EXPECT_EQ(Punkt("Gerätetyp"), Anker(3, 21, 17.8));
    EXPECT_EQ(Punkt("PDG 300"), Anker(3, 26, 17.8));
    EXPECT_EQ(Text("Gerätetyp").zustand.schrift, Schrift(0));
    // The empty diameter still carries its unit.
    EXPECT_EQ(Punkt(" mm"), Anker(3, 5, 18.8));
    EXPECT_EQ(Punkt("Sandbett"), Anker(3, 5, 19.8));
    EXPECT_EQ(Punkt("MU 22"), Anker(3, 26, 20.8));
    // The fourth row on the left has no caption, but its colon and value.
    EXPECT_EQ(Punkt("Widerlager"), Anker(3, 5, 20.8));
    EXPECT_TRUE(HatBei(":", Anker(6, 5, 20.8)));
    EXPECT_EQ(Texte(":").size(), 8u);
}

// Count n prints sub-values 0 to n, as far as the box reaches; the first loading starts with a
// fixed zero row.
TEST_F(Plattendruckseite, BranchRowsFollowTheirCounts)
{
    Drucke(Tabellendaten("6", "3", "5", "", ""));
    EXPECT_EQ(Zeilen(1), Bis(6));
    EXPECT_EQ(Zeilen(3), Bis(6));
    EXPECT_EQ(Zeilen(5), Bis(3));
    EXPECT_EQ(Zeilen(11), Bis(5));
    EXPECT_EQ(Texte("0").size(), 3u);

    Drucke(Tabellendaten("20", "9", "14", "", ""));
    EXPECT_EQ(Zeilen(2), Bis(14));
    EXPECT_EQ(Zeilen(7), Bis(4));
    EXPECT_EQ(Zeilen(10), Bis(14));

    // A negative, empty or non-numeric count: no rows, or only row 0; captions and boxes stay.
    Drucke(Tabellendaten("-2", "", "x", "", ""));
    EXPECT_TRUE(Zeilen(1).empty());
    EXPECT_EQ(Zeilen(5), Bis(0));
    EXPECT_EQ(Zeilen(9), Bis(0));
    EXPECT_EQ(Texte("0").size(), 3u);
    for (const char* titel : {"Erstbelastung", "Entlastung", "Zweitbelastung"})
        EXPECT_TRUE(Hat(titel)) << titel;
    // Leading digits count, with blanks and a sign before them.
    Drucke(Tabellendaten(" 2 Stufen", "+1", "", "", ""));
    EXPECT_EQ(Zeilen(1), Bis(2));
    EXPECT_EQ(Zeilen(6), Bis(1));
}

TEST_F(Plattendruckseite, TableCellsStandInTheirColumnsAndRows)
{
    Drucke(Tabellendaten("1", "1", "1", "", ""));
    // Decimal-aligned on the row's bottom line, in grid rows 27, 43 and 49 onward.
    const DCEintrag erster = Text("1.0");
    EXPECT_EQ(erster.ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(erster.punkte[0].y, GY(27) + 50);
    EXPECT_EQ(Text("3.1").punkte[0].y, GY(28) + 50);
    EXPECT_EQ(Text("5.0").punkte[0].y, GY(43) + 50);
    EXPECT_EQ(Text("9.1").punkte[0].y, GY(50) + 50);
    // The zero row lies above row 0.
    for (const DCEintrag& null : Texte("0"))
        EXPECT_EQ(null.punkte[0].y, GY(26) + 50);
    // Stress, settlement and settlement times transmission factor side by side.
    EXPECT_LT(Text("1.0").punkte[0].x, GX(2));
    EXPECT_GT(Text("2.0").punkte[0].x, GX(2));
    EXPECT_LT(Text("2.0").punkte[0].x, GX(4));
    EXPECT_GT(Text("3.0").punkte[0].x, GX(4));

    // Captions centred at the bottom of their caption boxes.
    EXPECT_EQ(Punkt("Erstbelastung"), Anker(6, 3, 25));
    EXPECT_EQ(Punkt("Entlastung"), Anker(6, 3, 42));
    EXPECT_EQ(Punkt("Zweitbelastung"), Anker(6, 3, 48));
    EXPECT_EQ(Punkt("N - Spg."), Anker(3, 0, 22));
    EXPECT_EQ(Punkt("s * Ü"), Anker(6, 5, 23));
    EXPECT_EQ(Punkt("0.01 * mm"), Anker(6, 4, 24));
}

TEST_F(Plattendruckseite, LinesCarryTheirPens)
{
    Drucke(Tabellendaten("6", "3", "5", "", ""));
    constexpr int Duenn = 0, Dick = 1;
    struct Strich
    {
        double x1, y1, x2, y2;
        int stift;
    };
    const Strich striche[] = {
        // Row lines under every row of the table, grid rows 22 to 62.
        {0, 22, 6, 22, Duenn},
        {0, 62, 6, 62, Duenn},
        // Head: box and the stress column; the settlement columns part below the head.
        {6, 21, 0, 21, Dick},
        {2, 21, 2, 24, Dick},
        {4, 22, 4, 23, Duenn},
        // Branch boxes, their stress column strong, the settlement column thin.
        {0, 24, 6, 24, Dick},
        {2, 25, 2, 41, Dick},
        {4, 25, 4, 41, Duenn},
        {2, 42, 2, 47, Dick},
        {4, 48, 4, 63, Duenn},
        {6, 48, 6, 47, Dick},
        // Results block from grid (6, 60).
        {30, 59, 6.25, 59, Dick},
        {6.25, 61, 30, 61, Dick},
        {17, 60, 25, 60, Duenn},
        {6.25, 62, 21, 62, Duenn},
        {8, 59, 8, 63, Duenn},
        {19, 60, 19, 63, Duenn},
        {17, 59, 17, 63, Dick},
        {25, 59, 25, 63, Dick},
        // Diagram outline from grid (6, 21).
        {30, 21, 6.25, 21, Dick},
        {6.25, 21, 6.25, 58.65, Dick},
    };
    for (const Strich& s : striche)
        EXPECT_TRUE(HatLinie({GX(s.x1), GY(s.y1)}, {GX(s.x2), GY(s.y2)}, Stift(s.stift)))
            << s.x1 << "," << s.y1 << " - " << s.x2 << "," << s.y2;
}

TEST_F(Plattendruckseite, ResultsShowModuliAndBoundsOnlyWithARequiredValue)
{
    Drucke(Tabellendaten("6", "3", "5", "45", "2.5"));
    EXPECT_EQ(Punkt("a0"), Anker(6, 9.5, 61));
    EXPECT_EQ(Text("0.0412").punkte[0].y, GY(62) + 50);
    EXPECT_EQ(Text("-0.3031").punkte[0].y, GY(63) + 50);
    // The actual moduli and the ratio in bold.
    EXPECT_EQ(Punkt("39.5"), Anker(9, 19, 62));
    EXPECT_EQ(Text("39.5").zustand.schrift, Schrift(1));
    EXPECT_EQ(Punkt("95.5"), Anker(9, 19, 63));
    EXPECT_EQ(Punkt("2.42"), Anker(6, 22, 62.5));
    EXPECT_EQ(Text("2.42").zustand.schrift, Schrift(1));
    // Required values as bounds, in the normal font.
    EXPECT_EQ(Punkt(">=45"), Anker(9, 21, 63));
    EXPECT_EQ(Text(">=45").zustand.schrift, Schrift(0));
    EXPECT_EQ(Punkt("<=2.5"), Anker(6, 24, 62.5));
    for (const char* kopf : {"IST", "SOLL"})
        EXPECT_EQ(Texte(kopf).size(), 2u) << kopf;
    // "E<t>v1" at grid (6.5, 62): E on the base line, the index lowered.
    EXPECT_EQ(ZeichenBei(GY(62) + 50, GX(6), GX(8)), "E");

    Drucke(Tabellendaten("6", "3", "5", "", ""));
    EXPECT_FALSE(Hat(">="));
    EXPECT_FALSE(Hat("<="));
}

// The diagram frame in device units from the grid, beside the load table.
TEST_F(Plattendruckseite, DiagramFillsItsFrameBesideTheTable)
{
    const std::string diagramm = "0@0,1@0,2@0,3@0,4@0,5|0@100@200@300|0,1@0,25@0,5|60@0@290";
    Drucke(Tabellendaten("6", "3", "5", "", ""), diagramm);
    const RECT rahmen{GX(9.25), GY(24), GX(29), GY(57.15)};
    EXPECT_TRUE(HatLinie({rahmen.left, rahmen.top}, {rahmen.right, rahmen.top}, Stift(1)));
    EXPECT_TRUE(HatLinie({rahmen.right, rahmen.top}, {rahmen.right, rahmen.bottom}, Stift(1)));
    EXPECT_EQ(Text("Normalspannung [MN/m²]").punkte[0], (POINT{rahmen.right, rahmen.top + 700}));
    EXPECT_EQ(Text("Setzung [0,01mm]").zustand.schrift, Schrift(6));
    // Load 0.25 lies halfway across, settlement 0 on the upper edge.
    const int x = rahmen.left + (rahmen.right - rahmen.left) / 2;
    EXPECT_TRUE(HatLinie({x - 70, rahmen.top + 70}, {x + 70, rahmen.top - 70}, Stift(1)));
}
