#include "report/druckdaten.h"
#include "seitentest.h"

namespace {

class Korndichteseite : public Seitentest
{
protected:
    Korndichteseite() { Gitter(); }

    void Seite(const CDruckDaten& daten)
    {
        druck.DruckeKorndichte(dc, seite, daten.Text(), "unbenutzt", "Titel der Seite");
    }
    // Mark-up text is drawn a character at a time: the characters at one device height.
    std::string ZeichenBei(int y) const
    {
        std::string text;
        for (const DCEintrag& e : dc.Texte())
            if (e.punkte[0].y == y && e.text.size() == 1 && e.punkte[0].x >= GX(9.0))
                text += e.text;
        return text;
    }
    // The right edge of partial test j's column.
    static double Rechts(int j) { return 16.0 + 3.5 * j; }
    static double Mitte(int j) { return 14.25 + 3.5 * j; }
};

} // namespace

TEST_F(Korndichteseite, NumbersGridAndFixedTextsWithoutData)
{
    Seite(CDruckDaten("|||||||||"));

    EXPECT_EQ(Text("Titel der Seite").punkte[0], Anker(3, 0, 16.4));
    EXPECT_EQ(Text("Titel der Seite").zustand.schrift, Schrift(3));
    EXPECT_EQ(Punkt("Rohdichte"), Anker(3, 0, 29.6));
    for (int j = 0; j < 5; ++j)
        EXPECT_TRUE(HatBei(std::to_string(j + 1), Anker(6, Mitte(j), 19.0))) << j;
    EXPECT_EQ(Punkt("Wasser"), Anker(6, 21.25, 23.3));
    EXPECT_EQ(Punkt("Teilversuch Nummer"), Anker(3, 0, 19.0));
    EXPECT_EQ(Punkt("Volumen Kolben"), Anker(3, 0, 22.0));
    EXPECT_EQ(Punkt("[cm³]"), Anker(6, 11.5, 22.0));
    EXPECT_EQ(Punkt("Masse Kolben + Probe + Prüfflüssigkeit"), Anker(3, 0, 27.3));
    EXPECT_EQ(Punkt("Rohdichte (Teilversuch)"), Anker(3, 0, 28.3));
    EXPECT_EQ(Punkt("[°C]"), Anker(6, 11.5, 24.3));
    EXPECT_EQ(Texte("[g/cm³]").size(), 3u);
    EXPECT_EQ(Text("Teilversuch Nummer").zustand.schrift, Schrift(0));

    // Symbols are mark-up: "r" in the Symbol font, "wc" lowered by half a millimetre.
    const int zeile3B = GY(25.3) + 50;
    EXPECT_EQ(ZeichenBei(zeile3B), "r");
    EXPECT_EQ(ZeichenBei(zeile3B - 50), "wc");
    for (const DCEintrag& e : Texte("r"))
        EXPECT_EQ(e.zustand.schrift, Schrift(8));
    EXPECT_EQ(ZeichenBei(GY(21.0) + 50), "m1");

    // Block A: frame and the divider in the 0.2 mm pen, the grid thin.
    EXPECT_EQ(Linie({GX(12.5), GY(18.0)}, {GX(12.5), GY(22.0)}).zustand.stift, Stift(1));
    EXPECT_EQ(Linie({GX(0), GY(19.0)}, {GX(30.0), GY(19.0)}).zustand.stift, Stift(0));
    EXPECT_EQ(Linie({GX(9.0), GY(18.0)}, {GX(9.0), GY(22.0)}).zustand.stift, Stift(0));
    // Block B's first row is one undivided cell.
    EXPECT_TRUE(HatLinie({GX(9.0), GY(23.3)}, {GX(9.0), GY(28.3)}));
    EXPECT_FALSE(HatLinie({GX(9.0), GY(22.3)}, {GX(9.0), GY(28.3)}));
    // Block C: open lines, no rectangle.
    EXPECT_EQ(Linie({GX(30.0), GY(28.6)}, {GX(30.0), GY(29.6)}).zustand.stift, Stift(1));
    EXPECT_EQ(Linie({GX(10.5), GY(28.6)}, {GX(10.5), GY(29.6)}).zustand.stift, Stift(0));
    const auto mit = [&](const CPen& stift) {
        return std::ranges::count_if(Linien(),
                                     [&](const DCEintrag& e) { return e.zustand.stift == stift; });
    };
    EXPECT_EQ(mit(Stift(1)), (4 + 1) + (4 + 1) + 5);
    EXPECT_EQ(mit(Stift(0)), (3 + 7) + (5 + 7) + 2);
}

TEST_F(Korndichteseite, ValuesAlignOnTheirDecimalSeparators)
{
    CDruckDaten daten;
    daten.SetzeZellText(0, 0, "K4");
    daten.SetzeZellText(0, 1, "K9");
    daten.SetzeZellText(1, 0, "123.4");
    daten.SetzeZellText(2, 1, "250");
    daten.SetzeZellText(3, 0, "20.0");
    daten.SetzeZellText(4, 1, "0.9982");
    daten.SetzeZellText(5, 0, "98,75");
    daten.SetzeZellText(6, 1, "412.33");
    daten.SetzeZellText(7, 0, "2.651");
    daten.SetzeZellText(8, 0, "verworfen");
    daten.SetzeZellText(9, 0, "2.648");
    daten.SetzeZellText(0, 5, "K6");
    Seite(daten);

    // Every character is 150 wide: the separator's middle 75 after the digits before it.
    EXPECT_EQ(Punkt("123.4").x + 3 * 150 + 75, GX(Rechts(0) - 1.0));
    EXPECT_EQ(Punkt("123.4").y, GY(21.0) + 50);
    EXPECT_EQ(Punkt("98,75").x + 2 * 150 + 75, GX(Rechts(0) - 1.0));
    EXPECT_EQ(Punkt("98,75").y, GY(26.3) + 50);
    // An integer aligns as if its separator followed it.
    EXPECT_EQ(Punkt("250").x + 3 * 150 + 75, GX(Rechts(1) - 1.0));
    EXPECT_EQ(Punkt("20.0").x + 2 * 150 + 75, GX(Rechts(0) - 1.0));
    EXPECT_EQ(Punkt("412.33").x + 3 * 150 + 75, GX(Rechts(1) - 1.0));
    // Water density and partial densities right-aligned half a column-millimetre in.
    EXPECT_EQ(Punkt("0.9982"), Anker(9, Rechts(1) - 0.5, 25.3));
    EXPECT_EQ(Punkt("2.651"), Anker(9, Rechts(0) - 0.5, 28.3));
    EXPECT_EQ(Punkt("K4"), Anker(6, Mitte(0), 20.0));
    EXPECT_EQ(Punkt("K9"), Anker(6, Mitte(1), 20.0));
    EXPECT_EQ(Punkt("2.648"), Anker(6, 21.25, 29.6));
    // Field 8, a sixth partial test and other test liquids are not printed.
    EXPECT_FALSE(Hat("verworfen"));
    EXPECT_FALSE(Hat("K6"));
    // Partial tests 3 to 5 show only their numbers.
    for (const DCEintrag& e : dc.Texte()) {
        const bool hinten =
            e.punkte[0].x > GX(19.5) && e.punkte[0].y < GY(19.5) && e.punkte[0].y > GY(28.4);
        if (hinten) {
            EXPECT_TRUE(e.text == "3" || e.text == "4" || e.text == "5" || e.text == "Wasser")
                << e.text;
        }
    }
}

// The fifth partial test fills the last column of every row; a sixth is not printed.
TEST_F(Korndichteseite, FifthPartialTestFillsTheLastColumn)
{
    Seite(CDruckDaten(Gefuellt(10, 6)));
    const Letzter letzte[] = {
        {0, 4, 6, Mitte(4), 20.0},         {1, 4, 12, Rechts(4) - 1.0, 21.0},
        {2, 4, 12, Rechts(4) - 1.0, 22.0}, {3, 4, 12, Rechts(4) - 1.0, 24.3},
        {4, 4, 9, Rechts(4) - 0.5, 25.3},  {5, 4, 12, Rechts(4) - 1.0, 26.3},
        {6, 4, 12, Rechts(4) - 1.0, 27.3}, {7, 4, 9, Rechts(4) - 0.5, 28.3},
    };
    ErwarteLetzte(letzte);
    for (int feld = 0; feld <= 7; ++feld)
        EXPECT_FALSE(Hat(Feldwert(feld, 5))) << feld;
}
