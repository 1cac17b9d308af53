#include "report/druckdaten.h"
#include "seitentest.h"

namespace {

class Wassergehaltseite : public Seitentest
{
protected:
    Wassergehaltseite() { Gitter(); }

    void Seite(const CDruckDaten& daten)
    {
        druck.DruckeWassergehalt(dc, seite, daten.Text(), "unbenutzt", "Wassergehalt nach DIN");
    }
    // Row top of sample s on the page: table at row 25, head 2.0, rows of 1.8.
    static double Oben(int s) { return 25.0 + 2.0 + 1.8 * s; }
};

} // namespace

TEST_F(Wassergehaltseite, GridHeadsAndTitleAreAlwaysDrawn)
{
    Seite(CDruckDaten(""));

    const DCEintrag titel = Text("Wassergehalt nach DIN");
    EXPECT_EQ(titel.punkte[0], Anker(3, 0, 16.4));
    EXPECT_EQ(titel.zustand.schrift, Schrift(3));

    // Thin grid: eight verticals, the top line and eleven row lines.
    const auto mit = [&](const CPen& stift) {
        return std::ranges::count_if(Linien(),
                                     [&](const DCEintrag& e) { return e.zustand.stift == stift; });
    };
    EXPECT_EQ(mit(Stift(0)), 8 + 1 + 11);
    // Emphasis: two verticals, the frame, the head line, the mean box and its divider.
    EXPECT_EQ(mit(Stift(1)), 2 + 4 + 1 + 4 + 1);
    EXPECT_EQ(Linie({GX(11.6), GY(25.0)}, {GX(11.6), GY(45.0)}).zustand.stift, Stift(0));
    EXPECT_EQ(Linie({GX(0), GY(Oben(10))}, {GX(30.0), GY(Oben(10))}).zustand.stift, Stift(0));
    // The emphasised verticals go over the thin ones.
    EXPECT_TRUE(HatLinie({GX(17.4), GY(25.0)}, {GX(17.4), GY(45.0)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(17.4), GY(25.0)}, {GX(17.4), GY(45.0)}, Stift(1)));
    EXPECT_EQ(Linie({GX(26.8), GY(45.4)}, {GX(26.8), GY(46.4)}).zustand.stift, Stift(1));

    EXPECT_EQ(Punkt("Taramasse"), Anker(4, 18.9, 25.0));
    EXPECT_EQ(Punkt("mT [g]"), Anker(4, 18.9, 25.8));
    EXPECT_EQ(Punkt("mt + mf [g]"), Anker(4, 22.0, 25.8));
    EXPECT_EQ(Punkt("mT + md [g]"), Anker(4, 25.2, 25.8));
    EXPECT_EQ(Punkt("Wassergehalt"), Anker(4, 28.4, 25.0));
    EXPECT_EQ(Punkt("w [-]"), Anker(4, 28.4, 25.8));
    EXPECT_EQ(Text("Taramasse").zustand.schrift, Schrift(0));
    EXPECT_EQ(Punkt("Mittelwert:"), Anker(1, 23.6, 45.4));
}

TEST_F(Wassergehaltseite, ValuesSitInTheirCellsAndNumbersAlignRight)
{
    CDruckDaten daten;
    daten.SetzeZellText(0, 0, "P1");
    daten.SetzeZellText(1, 3, "Schurf 2#CRLF#0,5 m");
    daten.SetzeZellText(2, 9, "a#CRLF#b#CRLF#c");
    daten.SetzeZellText(3, 0, "45.20");
    daten.SetzeZellText(4, 0, "198.7");
    daten.SetzeZellText(5, 0, "176.30");
    daten.SetzeZellText(9, 0, "0.153");
    daten.SetzeZellText(9, 9, "0.201");
    daten.SetzeZellText(9, 10, "0.999");
    daten.SetzeZellText(6, 0, "Entnahme-#CRLF#stelle");
    daten.SetzeZellText(7, 0, "Tiefe");
    daten.SetzeZellText(8, 0, "Bemerkung");
    daten.SetzeZellText(10, 0, "0.177");
    g_pfade.anteilAlsProzent = true;
    Seite(daten);

    // Text columns: one line 0.3 below the row top, or two lines 0.8 apart from the top.
    EXPECT_EQ(Punkt("P1"), Anker(1, 0, Oben(0) + 0.3));
    EXPECT_EQ(Punkt("Schurf 2"), Anker(1, 5.8, Oben(3)));
    EXPECT_EQ(Punkt("0,5 m"), Anker(1, 5.8, Oben(3) + 0.8));
    EXPECT_EQ(Punkt("a"), Anker(1, 11.6, Oben(9)));
    EXPECT_EQ(Punkt("b"), Anker(1, 11.6, Oben(9) + 0.8));
    EXPECT_FALSE(Hat("c"));
    // Numbers against the right edge of their column.
    EXPECT_EQ(Punkt("45.20"), Anker(7, 20.4, Oben(0) + 0.5));
    EXPECT_EQ(Text("45.20").ausrichtung, TA_TOP | TA_RIGHT);
    EXPECT_EQ(Punkt("198.7"), Anker(7, 23.6, Oben(0) + 0.5));
    EXPECT_EQ(Punkt("176.30"), Anker(7, 26.8, Oben(0) + 0.5));
    // Water contents as stored, the unit head unchanged by the percent setting.
    EXPECT_EQ(Punkt("0.153"), Anker(7, 30.0, Oben(0) + 0.5));
    EXPECT_EQ(Punkt("0.201"), Anker(7, 30.0, Oben(9) + 0.5));
    EXPECT_TRUE(Hat("w [-]"));
    // An eleventh sample has no row.
    EXPECT_FALSE(Hat("0.999"));

    // Heads of the text columns come with the data, the first stored line break shown as is.
    EXPECT_EQ(Punkt("Entnahme-#CRLF#stelle"), Anker(4, 2.9, 25.5));
    EXPECT_EQ(Punkt("Tiefe"), Anker(4, 8.7, 25.5));
    EXPECT_EQ(Punkt("Bemerkung"), Anker(4, 14.5, 25.5));
    EXPECT_EQ(Punkt("0.177"), Anker(7, 30.0, 45.4));
}
