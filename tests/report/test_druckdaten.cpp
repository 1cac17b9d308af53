#include "report/druckdaten.h"

#include <gtest/gtest.h>

namespace {

struct Zelle
{
    std::string text;
    std::uint32_t flags;
};

Zelle LeseZelle(const CDruckDatenBase& tabelle, int zeile, int spalte)
{
    Zelle z{"unberührt", 0xDEAD};
    tabelle.GetZellText(z.text, zeile, spalte, z.flags);
    return z;
}

} // namespace

TEST(DruckDaten, CellsAreAddressedByRowAndColumnAndAlwaysCentred)
{
    const CDruckDaten tabelle("a@b|c");
    EXPECT_EQ(tabelle.GetText(0, 0), "a");
    EXPECT_EQ(tabelle.GetText(0, 1), "b");
    EXPECT_EQ(tabelle.GetText(1, 0), "c");
    EXPECT_EQ(tabelle.GetText(0, 2), "");
    EXPECT_EQ(tabelle.GetText(2, 0), "");
    EXPECT_EQ(tabelle.GetText(-1, 0), "");
    EXPECT_EQ(tabelle.GetText(0, -1), "");
    for (auto [zeile, spalte] : {std::pair{0, 0}, {0, 2}, {2, 0}, {1, 1}}) {
        const Zelle z = LeseZelle(tabelle, zeile, spalte);
        EXPECT_EQ(z.flags, DRUCK_ZENTRIERT);
    }
    // Cells are not trimmed and the search stays within the row.
    const CDruckDaten mitBlanks(" x @y| z");
    EXPECT_EQ(mitBlanks.GetText(0, 0), " x ");
    EXPECT_EQ(mitBlanks.GetText(1, 1), "");
}

TEST(DruckDaten, EmptyRowsAndRowsPastTheEnd)
{
    const CDruckDaten tabelle("a||b");
    for (int spalte = 0; spalte < 3; ++spalte)
        EXPECT_EQ(tabelle.GetText(1, spalte), "");
    EXPECT_EQ(tabelle.GetText(2, 0), "b");

    const CDruckDaten dreiZeilen("1@2|3|4@5@6");
    EXPECT_EQ(dreiZeilen.GetZeile(2), "4@5@6");
    EXPECT_EQ(dreiZeilen.GetZeile(5), "");
    EXPECT_EQ(CDruckDaten().GetText(0, 0), "");
}

TEST(DruckDaten, TransposedTableExchangesRowAndColumn)
{
    const CDruckDatenInv tabelle("a@b|c");
    EXPECT_EQ(tabelle.GetText(1, 0), "b");
    EXPECT_EQ(tabelle.GetText(0, 1), "c");
    EXPECT_EQ(tabelle.GetText(1, 1), "");
    EXPECT_EQ(LeseZelle(tabelle, 5, 5).flags, DRUCK_ZENTRIERT);
    // Whole rows are those of the text.
    EXPECT_EQ(tabelle.GetZeile(0), "a@b");
}

TEST(DruckDaten, WritingACellAddsMissingRowsAndCells)
{
    CDruckDaten tabelle("a");
    tabelle.SetzeZellText(2, 1, "x");
    EXPECT_EQ(tabelle.Text(), "a||@x");
    EXPECT_EQ(tabelle.GetText(2, 1), "x");

    tabelle.SetzeZellText(0, 0, "b");
    EXPECT_EQ(tabelle.Text(), "b||@x");
    tabelle.SetzeZellText(2, 0, "y");
    EXPECT_EQ(tabelle.Text(), "b||y@x");

    tabelle.SetzeZellText(-1, 0, "z");
    tabelle.SetzeZellText(0, -1, "z");
    EXPECT_EQ(tabelle.Text(), "b||y@x");
}
