#include "report/druckdaten.h"
#include "seitentest.h"

#include <map>

namespace {

// A table of texts and flags by cell; a cell not set is a missing template cell.
class Zellen : public CDruckDatenBase
{
public:
    void Setze(int zeile, int spalte, std::string text, std::uint32_t flags = 0)
    {
        m_zellen[{zeile, spalte}] = {std::move(text), flags};
    }
    void GetZellText(std::string& text, int zeile, int spalte, std::uint32_t& flags) const override
    {
        const auto zelle = m_zellen.find({zeile, spalte});
        text = zelle == m_zellen.end() ? "" : zelle->second.first;
        flags = zelle == m_zellen.end() ? DRUCK_KEINE_ZELLE : zelle->second.second;
    }

private:
    std::map<std::pair<int, int>, std::pair<std::string, std::uint32_t>> m_zellen;
};

// Mark-up text is drawn a character at a time, so the cells hold one character each.
class Tabelle : public Seitentest
{
protected:
    Tabelle()
    {
        Gitter();
        druck.Abbildung.SetzeTextSchriften(&druck.Schriften[0], &druck.Schriften[8], 50);
    }
    // Full rows of plain cells lettered A, B, … row by row.
    void Fuelle(int zeilen, int spalten)
    {
        for (int r = 0; r < zeilen; ++r)
            for (int c = 0; c < spalten; ++c)
                zellen.Setze(r, c, std::string(1, char('A' + r * spalten + c)));
    }
    std::vector<DCEintrag> MitStift(const CPen& stift) const
    {
        std::vector<DCEintrag> linien;
        for (const DCEintrag& e : Linien())
            if (e.zustand.stift == stift)
                linien.push_back(e);
        return linien;
    }

    Zellen zellen;
    const double x[5] = {0, 2.0, 5.0, 9.0, 14.5};
};

} // namespace

TEST_F(Tabelle, FramedTableDrawsRectangleRowLinesAndCellBorders)
{
    Fuelle(3, 4);
    druck.Abbildung.SetzeUrsprung(0, 20.0);
    druck.ZeichneTabelle(&zellen, x, 0, 4, 3, true);

    // The frame: four sides in the 0.2 mm pen.
    const std::vector<DCEintrag> rahmen = MitStift(Stift(1));
    ASSERT_EQ(rahmen.size(), 4u);
    EXPECT_EQ(rahmen[0].punkte[0], POINT(GX(0), GY(20.0)));
    EXPECT_EQ(rahmen[1].punkte[1], POINT(GX(14.5), GY(23.0)));
    // Two row lines and four borders in each of three rows, in the thin grey pen.
    const std::vector<DCEintrag> raster = MitStift(Stift(0));
    EXPECT_EQ(raster.size(), 2u + 3 * 4);
    EXPECT_TRUE(HatLinie({GX(0), GY(21.0)}, {GX(14.5), GY(21.0)}));
    EXPECT_TRUE(HatLinie({GX(0), GY(22.0)}, {GX(14.5), GY(22.0)}));
    EXPECT_TRUE(HatLinie({GX(9.0), GY(22.0)}, {GX(9.0), GY(23.0)}));
    EXPECT_TRUE(HatLinie({GX(14.5), GY(20.0)}, {GX(14.5), GY(21.0)}));
    EXPECT_FALSE(HatLinie({GX(0), GY(20.0)}, {GX(0), GY(21.0)}));

    // Left-placed mark-up text: 1 mm right of the column edge, 0.5 mm above the row's line.
    const DCEintrag zelle21 = Text("J");
    EXPECT_EQ(zelle21.punkte[0], POINT(GX(2.0) + 100, GY(23.0) + 50));
    EXPECT_EQ(zelle21.zustand.schrift, Schrift(0));

    // Without frame only texts.
    dc.Leeren();
    druck.ZeichneTabelle(&zellen, x, 0, 4, 3, false);
    EXPECT_TRUE(Linien().empty());
    EXPECT_EQ(dc.Texte().size(), 3u * 4);
}

TEST_F(Tabelle, MergedCellsSpanToTheLastCoveredColumn)
{
    zellen.Setze(0, 0, "A", DRUCK_ZENTRIERT);
    zellen.Setze(0, 3, "D");
    // Cells (0, 1) and (0, 2) are left out of the template and so carry DRUCK_KEINE_ZELLE.
    druck.ZeichneTabelle(&zellen, x, 0, 4, 1, true);

    // Centred between x[0] and x[3]: half the width of "A" (150) left of the middle.
    const DCEintrag a = Text("A");
    EXPECT_EQ(a.punkte[0], POINT((GX(0) + GX(9.0)) / 2 - 75, GY(1.0) + 50));
    EXPECT_EQ(a.punkte[0], POINT(GX(4.5) - 75, GY(1.0) + 50));
    EXPECT_EQ(Punkt("D"), POINT(GX(9.0) + 100, GY(1.0) + 50));
    // One border at x[3] for the merged cell, one at x[4]; none inside the span.
    EXPECT_EQ(MitStift(Stift(0)).size(), 2u);
    EXPECT_TRUE(HatLinie({GX(9.0), GY(0)}, {GX(9.0), GY(1.0)}));
    EXPECT_FALSE(HatLinie({GX(2.0), GY(0)}, {GX(2.0), GY(1.0)}));
    EXPECT_FALSE(HatLinie({GX(5.0), GY(0)}, {GX(5.0), GY(1.0)}));

    // The last column never merges beyond the table.
    dc.Leeren();
    Zellen letzte;
    letzte.Setze(0, 0, "E");
    druck.ZeichneTabelle(&letzte, x, 0, 2, 1, true);
    EXPECT_TRUE(HatLinie({GX(5.0), GY(0)}, {GX(5.0), GY(1.0)}));
    EXPECT_EQ(MitStift(Stift(0)).size(), 1u);
}

TEST_F(Tabelle, BoldRowsShiftTheirTextAndEveryLaterRowDown)
{
    Fuelle(5, 2);
    zellen.Setze(2, 0, "x", DRUCK_FETT);
    zellen.Setze(2, 1, "y", DRUCK_FETT);
    zellen.Setze(4, 1, "z", DRUCK_FETT | DRUCK_ZENTRIERT);
    druck.ZeichneTabelle(&zellen, x, 0, 2, 5, true);

    const auto y = [&](const char* text) { return Punkt(text).y; };
    EXPECT_EQ(y("A"), GY(1.0) + 50);
    EXPECT_EQ(y("C"), GY(2.0) + 50);
    // Two bold cells in row 2 shift it once.
    EXPECT_EQ(y("x"), GY(3.1) + 50);
    EXPECT_EQ(y("y"), GY(3.1) + 50);
    EXPECT_EQ(y("G"), GY(4.1) + 50);
    // The second bold row adds its own tenth; the cell before the bold one in that row does not.
    EXPECT_EQ(y("I"), GY(5.1) + 50);
    EXPECT_EQ(y("z"), GY(5.2) + 50);

    EXPECT_EQ(Text("x").zustand.schrift, Schrift(3));
    EXPECT_EQ(Text("z").zustand.schrift, Schrift(3));
    EXPECT_EQ(Text("G").zustand.schrift, Schrift(0));
    // The mapper's own fonts are back after the bold cell.
    EXPECT_EQ(druck.Abbildung.NormaleSchrift(), &druck.Schriften[0]);
    // Row lines and borders do not move.
    EXPECT_TRUE(HatLinie({GX(5.0), GY(4.0)}, {GX(5.0), GY(5.0)}));

    // A further call starts unshifted again.
    dc.Leeren();
    druck.ZeichneTabelle(&zellen, x, 3, 2, 1, false);
    EXPECT_EQ(y("G"), GY(1.0) + 50);
}

TEST_F(Tabelle, TextTablesPrintCentredFromTheirFirstRow)
{
    const CDruckDaten daten("a@b|c@d|e@f");
    druck.ZeichneTabelle(&daten, x, 1, 2, 2, false);
    EXPECT_FALSE(Hat("a"));
    EXPECT_EQ(Punkt("c"), POINT(GX(1.0) - 75, GY(1.0) + 50));
    EXPECT_EQ(Punkt("f"), POINT(GX(3.5) - 75, GY(2.0) + 50));
    // Right-aligned cells print like left ones.
    Zellen rechts;
    rechts.Setze(0, 0, "R", DRUCK_RECHTS);
    dc.Leeren();
    druck.ZeichneTabelle(&rechts, x, 0, 1, 1, false);
    EXPECT_EQ(Punkt("R"), POINT(GX(0) + 100, GY(1.0) + 50));
}

TEST_F(Tabelle, EmptyShapesDrawOnlyTheFrame)
{
    Fuelle(2, 2);
    druck.ZeichneTabelle(&zellen, x, 0, 2, 0, true);
    EXPECT_EQ(Linien().size(), 4u);
    EXPECT_TRUE(dc.Texte().empty());

    dc.Leeren();
    druck.ZeichneTabelle(&zellen, x, 0, 0, 2, true);
    EXPECT_TRUE(dc.Texte().empty());
    dc.Leeren();
    druck.ZeichneTabelle(&zellen, x, 0, -3, 2, true);
    EXPECT_TRUE(dc.Texte().empty());
    EXPECT_TRUE(HatLinie({GX(0), GY(1.0)}, {GX(0), GY(1.0)}));
}

TEST_F(Tabelle, LayoutGridNumbersEveryRowAndColumn)
{
    druck.Abbildung.SetzeUrsprung(3, 4);
    druck.ZeichneHilfsraster();
    EXPECT_EQ(Linien().size(), 69u + 31);
    EXPECT_EQ(Linien().front().zustand.stift, Stift(3));
    // From the page origin, whatever origin was set before.
    EXPECT_TRUE(HatLinie({GX(-0.5), GY(68)}, {GX(31.0), GY(68)}));
    EXPECT_TRUE(HatLinie({GX(30), GY(-1.0)}, {GX(30), GY(68.5)}));
    EXPECT_TRUE(HatBei("68", Anker(9, -0.5, 68.5)));
    EXPECT_TRUE(HatBei("30", Anker(6, 30, -1.0)));
    EXPECT_EQ(dc.Texte().size(), 69u + 31);
}
