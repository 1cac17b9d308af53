#include "zusammenstellungtest.h"

namespace {

// A row band from 10000 down to 9000 and a head block from 12000 down to 10400 (quarters at
// 11600, 11200 and 10800).
constexpr int kZeileOben = 10000;
constexpr int kZeileUnten = 9000;
constexpr int kKopfOben = 12000;
constexpr int kQ1 = 11600;
constexpr int kQ2 = 11200;
constexpr int kQ3 = 10800;
constexpr int kKopfUnten = 10400;

constexpr int kDuenn = 10;
constexpr int kMittel = 20;

// Fields 0 to 24 named after their number: "f0", "f1", …; field 0 and 1 as the view fills them.
std::string NummerierteZeile()
{
    std::string zeile = "123|20240517|";
    for (int feld = 2; feld < 25; ++feld)
        zeile += "f" + std::to_string(feld) + "|";
    return zeile;
}

class Tabellenzeile : public Zusammenstellungstest
{
protected:
    Tabellenzeile() { druck.SetzeProtNrPraefix("BL"); }

    void Zeile(const char* pruefart, const std::string& text = NummerierteZeile())
    {
        const CProtokoll protokoll = ProtokollDerPruefart(pruefart);
        druck.Leere();
        druck.FuegeZeileHinzu(text, protokoll);
        dc.Leeren();
        druck.ZeichneZeile(0, protokoll.GetArtIndex(), dc,
                           RECT{kX[0], kZeileOben, kX[25], kZeileUnten});
    }
    void Kopf(const char* pruefart)
    {
        Spaltentextzeile worte;
        ProtokollDerPruefart(pruefart).KopiereSpaltentexte(worte);
        dc.Leeren();
        druck.DruckeSpaltenkoepfe(worte, dc, RECT{kX[0], kKopfOben, kX[25], kKopfUnten});
    }
    // The rectangle a cell text was drawn in.
    RECT Zelle(const std::string& text) const { return Text(text).rechteck; }
    static RECT Zellrechteck(int von, int bis)
    {
        return RECT{kX[von], kZeileOben - 80, kX[bis], kZeileUnten - 80};
    }
    // The pen width of the row vertical at a boundary; -1 when it is left out.
    int Zeilenlinie(int grenze) const
    {
        return Linie({kX[grenze], kZeileOben}, {kX[grenze], kZeileUnten});
    }
    int Kopflinie(int grenze, int von, int bis = kKopfUnten) const
    {
        return Linie({kX[grenze], von}, {kX[grenze], bis});
    }
};

} // namespace

TEST_F(Tabellenzeile, ColumnBoundariesFollowTheRelativeWidthsFromTheLeftEdge)
{
    for (int grenze = 0; grenze <= 25; ++grenze)
        EXPECT_EQ(druck.SpaltenX(grenze), kX[grenze]) << grenze;
    // Printing a page moves the table to the page's left edge.
    druck.DruckeSeite(1, &dc, RECT{1000, -1000, 29700, -20900});
    EXPECT_EQ(druck.SpaltenX(1), 1000 + 1582);
    EXPECT_EQ(druck.SpaltenX(25), 1000 + 27500);
}

TEST_F(Tabellenzeile, RowLinesTakeTheMediumPenAtGroupBoundaries)
{
    Zeile("1005");
    const std::vector<int> mittel = {0, 2, 6, 9, 10, 13, 17, 19, 21, 23, 25};
    for (int grenze = 0; grenze <= 25; ++grenze)
        EXPECT_EQ(Zeilenlinie(grenze), std::ranges::count(mittel, grenze) ? kMittel : kDuenn)
            << grenze;
    // The bottom line, thin, over the whole row; the top line belongs to what is above.
    EXPECT_EQ(Linie({kX[0], kZeileUnten}, {kX[25], kZeileUnten}), kDuenn);
    EXPECT_EQ(Linie({kX[0], kZeileOben}, {kX[25], kZeileOben}), -1);

    // Kinds with joined result columns leave their inner lines out.
    Zeile("1009"); // binder
    for (int grenze = 20; grenze <= 24; ++grenze)
        EXPECT_EQ(Zeilenlinie(grenze), -1) << grenze;
    EXPECT_EQ(Zeilenlinie(19), kMittel);
    Zeile("1015"); // filter rule
    EXPECT_EQ(Zeilenlinie(12), -1);
    EXPECT_EQ(Zeilenlinie(14), -1);
    EXPECT_EQ(Zeilenlinie(13), kMittel);
    Zeile("1020"); // note
    EXPECT_EQ(Zeilenlinie(11), -1);
    EXPECT_EQ(Zeilenlinie(12), -1);
    EXPECT_EQ(Zeilenlinie(13), kMittel);
}

TEST_F(Tabellenzeile, CellsShowNumberDateAndTestTypeInTheirColumns)
{
    Zeile("1005");
    EXPECT_EQ(Zelle("BL-123"), Zellrechteck(0, 1));
    EXPECT_EQ(Zelle("17.05.2024"), Zellrechteck(1, 2));
    // Column 9 shows the last two characters of the protocol number; the sub-type code in
    // field 9 is printed nowhere.
    EXPECT_EQ(Zelle("23"), Zellrechteck(9, 10));
    EXPECT_FALSE(Hat("f9"));
    EXPECT_EQ(Zelle("f2"), Zellrechteck(2, 3));
    EXPECT_EQ(Zelle("f24"), Zellrechteck(24, 25));
    // Lines centred, from the rectangle's top: "f10" is 3 × 130 wide in a column of 1583.
    EXPECT_EQ(Text("f10").punkte.at(0), (POINT{kX[10] + (1583 - 390) / 2, kZeileOben - 80}));

    // A one-character number shows whole; a date that is not eight characters prints as it is.
    Zeile("1005", "7|2024-05|");
    EXPECT_EQ(Zelle("7"), Zellrechteck(9, 10));
    EXPECT_TRUE(Hat("BL-7"));
    EXPECT_EQ(Zelle("2024-05"), Zellrechteck(1, 2));
}

TEST_F(Tabellenzeile, EmptyFieldsDrawNothingButTheirLines)
{
    Zeile("1005", "|||||||||||||||||||||||||");
    // Only the number column carries its prefix.
    ASSERT_EQ(dc.Texte().size(), 1u);
    EXPECT_EQ(dc.Texte()[0].text, "BL-");
    EXPECT_EQ(Linien().size(), 27u);
}

TEST_F(Tabellenzeile, WithoutProtocolNumbersTheDateSpansTheFirstTwoColumns)
{
    g_pfade.protokollnrDrucken = false;
    Zeile("1001");
    EXPECT_FALSE(Hat("BL-123"));
    EXPECT_EQ(Zelle("17.05.2024"), Zellrechteck(0, 2));
    EXPECT_EQ(Zeilenlinie(1), -1);
    EXPECT_EQ(Zelle("23"), Zellrechteck(9, 10));
    // The test number of kinds 0 to 2 belongs to the protocol numbers.
    EXPECT_FALSE(Hat("f10"));
    Zeile("1005");
    EXPECT_FALSE(Hat("f10"));
    Zeile("1009");
    EXPECT_FALSE(Hat("f10"));
    Zeile("1010");
    EXPECT_EQ(Zelle("f10"), Zellrechteck(10, 11));

    Kopf("1001");
    EXPECT_EQ(Text("Prüfdatum").rechteck, (RECT{kX[0], kQ1, kX[2], kQ2}));
    EXPECT_FALSE(Hat("Protokoll-Nr."));
    EXPECT_FALSE(Hat("PV-Nr."));
    EXPECT_EQ(SenkrechteBei(kX[1]), 0);
    Kopf("1010");
    EXPECT_TRUE(Hat("LP-Nr."));
}

TEST_F(Tabellenzeile, JoinedResultCellsOfBinderFilterAndNoteKinds)
{
    // Binder: columns 15 and 16 empty, fields 15 and 16 in columns 17 and 18, the binder type
    // across 19 to 25 and the remaining fields in columns 20 to 24 inside it.
    Zeile("1009");
    EXPECT_EQ(Zelle("f14"), Zellrechteck(14, 15));
    EXPECT_EQ(Zelle("f15"), Zellrechteck(17, 18));
    EXPECT_EQ(Zelle("f16"), Zellrechteck(18, 19));
    EXPECT_EQ(Zelle("f17"), Zellrechteck(19, 25));
    EXPECT_EQ(Zelle("f18"), Zellrechteck(20, 21));
    EXPECT_EQ(Zelle("f22"), Zellrechteck(24, 25));
    EXPECT_FALSE(Hat("f23"));
    EXPECT_FALSE(Hat("f24"));

    Zeile("1015");
    EXPECT_EQ(Zelle("f11"), Zellrechteck(11, 13));
    EXPECT_EQ(Zelle("f12"), Zellrechteck(12, 16));
    EXPECT_EQ(Zelle("f13"), Zellrechteck(13, 14));

    Zeile("1020");
    EXPECT_EQ(Zelle("f10"), Zellrechteck(10, 14));
    EXPECT_EQ(Zelle("f11"), Zellrechteck(11, 12));
}

TEST_F(Tabellenzeile, HeadBlockLinesByKind)
{
    Kopf("1005"); // kind 0
    EXPECT_EQ(Linie({kX[0], kKopfOben}, {kX[25], kKopfOben}), kMittel);
    EXPECT_EQ(Linie({kX[0], kKopfUnten}, {kX[25], kKopfUnten}), kMittel);
    // Inner lines stop at column 9, which has none.
    EXPECT_EQ(Linie({kX[0], kQ1}, {kX[9], kQ1}), kDuenn);
    EXPECT_EQ(Linie({kX[10], kQ2}, {kX[25], kQ2}), kDuenn);
    EXPECT_EQ(Linie({kX[10], kQ3}, {kX[25], kQ3}), kMittel);
    EXPECT_EQ(Linie({kX[0], kQ1}, {kX[25], kQ1}), -1);
    EXPECT_EQ(Kopflinie(0, kKopfOben), kMittel);
    EXPECT_EQ(Kopflinie(1, kQ1), kDuenn);
    EXPECT_EQ(Kopflinie(9, kKopfOben), kMittel);
    EXPECT_EQ(Kopflinie(11, kQ2), kDuenn);
    EXPECT_EQ(Kopflinie(13, kQ1), kMittel);
    EXPECT_EQ(Kopflinie(19, kKopfOben), kMittel);
    EXPECT_EQ(Kopflinie(21, kQ1, kQ3), kDuenn);
    EXPECT_EQ(Kopflinie(21, kQ3), kMittel);
    EXPECT_EQ(Kopflinie(25, kKopfOben), kMittel);

    Kopf("1001"); // kind 1: the right group starts at 20
    EXPECT_EQ(Kopflinie(16, kQ1), kMittel);
    EXPECT_EQ(Kopflinie(19, kQ2), kDuenn);
    EXPECT_EQ(Kopflinie(20, kKopfOben), kMittel);
    EXPECT_EQ(Kopflinie(21, kQ2, kQ3), kDuenn);

    Kopf("1009"); // kind 2: one head over 19 to 25
    for (int grenze = 20; grenze <= 24; ++grenze)
        EXPECT_EQ(SenkrechteBei(kX[grenze]), 0) << grenze;

    Kopf("1015"); // kind 6
    EXPECT_EQ(Kopflinie(15, kQ1), kMittel);
    EXPECT_EQ(SenkrechteBei(kX[12]), 0);

    Kopf("1020"); // kind 11: "Betreff" over 10 to 13
    EXPECT_EQ(SenkrechteBei(kX[11]), 0);
    EXPECT_EQ(SenkrechteBei(kX[12]), 0);
    EXPECT_EQ(Kopflinie(13, kQ1), kDuenn);
}

TEST_F(Tabellenzeile, HeadTextsInTheirBandsAndFonts)
{
    Kopf("1005");
    const DCEintrag protokoll = Text("Protokoll");
    EXPECT_EQ(protokoll.rechteck, (RECT{kX[0], kKopfOben, kX[2], kQ1}));
    EXPECT_EQ(protokoll.zustand.schrift, druck.FetteSchrift());
    // Single line, centred both ways: the cell of 260 in a band of 400.
    EXPECT_EQ(protokoll.punkte.at(0).y, kKopfOben - 70);
    EXPECT_EQ(Text("Verdichtungsprüfungen").rechteck, (RECT{kX[10], kKopfOben, kX[19], kQ1}));
    EXPECT_EQ(Text("Tragfähigkeitsprüfungen").rechteck, (RECT{kX[19], kKopfOben, kX[25], kQ1}));
    const DCEintrag station = Text("Station");
    EXPECT_EQ(station.rechteck, (RECT{kX[3], kQ1, kX[4], kQ2}));
    EXPECT_EQ(station.zustand.schrift, druck.NormaleSchrift());
    EXPECT_EQ(Text("art").zustand.schrift, druck.FetteSchrift());
    EXPECT_EQ(Text("Proctorversuch ohne ü").rechteck, (RECT{kX[10], kQ1, kX[13], kQ2}));
    EXPECT_EQ(Text("Bodenprobe").rechteck, (RECT{kX[14], kQ1, kX[15], kQ2}));
    EXPECT_EQ(Text("Ev2 / Ev1").rechteck, (RECT{kX[21], kQ1, kX[23], kQ2}));

    // Symbols and units are mark-up centred on their column with the base line a quarter of
    // the height of "X" (260 / 4) above the band's bottom.
    const DCEintrag pv = Text("PV-Nr.");
    const int mitte = kX[10] + (kX[11] - kX[10]) / 2;
    EXPECT_EQ(pv.punkte.at(0), (POINT{mitte - 6 * 130 / 2, kQ3 + 65}));
    EXPECT_EQ(pv.ausrichtung, TA_LEFT | TA_BOTTOM);
    EXPECT_EQ(Text("Evd-Soll").punkte.at(0).y, kQ3 + 65);
    EXPECT_EQ(Texte("[MN/m²]").size(), 4u);
    EXPECT_EQ(Texte("[MN/m²]")[0].punkte.at(0).y, kKopfUnten + 65);
}

TEST_F(Tabellenzeile, HeadsOfGrainSizeFilterAndNoteKinds)
{
    Kopf("1000"); // kind 7: fifteen symbols, the last in the symbol font
    const DCEintrag phi = Text("j");
    EXPECT_EQ(phi.zustand.schrift, druck.SymbolSchrift());
    EXPECT_EQ(Text("[°]").punkte.at(0).y, kKopfUnten + 65);
    for (const char* symbol : {"ungleichf.", "D10", "D100", "T", "U", "S", "G", "X"})
        EXPECT_EQ(Text(symbol).punkte.at(0).y, kQ3 + 65) << symbol;

    Kopf("1015"); // kind 6: "Nr 2" centred over 11 to 13, "Nr 3" over 12 to 16
    const int nr2 = kX[11] + (kX[13] - kX[11]) / 2 - 4 * 130 / 2;
    EXPECT_EQ(Text("Nr 2").punkte.at(0).x, nr2);
    const int nr3 = kX[12] + (kX[16] - kX[12]) / 2 - 4 * 130 / 2;
    EXPECT_EQ(Text("Nr 3").punkte.at(0).x, nr3);
    EXPECT_EQ(Text("Kornverteilung").rechteck, (RECT{kX[10], kQ1, kX[15], kQ2}));

    Kopf("1020"); // kind 11: only "Betreff" in band 2, nothing in bands 3 and 4
    EXPECT_EQ(Text("Betreff").rechteck, (RECT{kX[10], kQ1, kX[13], kQ2}));
    for (const DCEintrag& text : dc.Texte())
        EXPECT_GT(text.punkte.at(0).y, kQ2) << text.text;
}
