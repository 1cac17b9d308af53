#include "diagrams/sieblinie.h"
#include "report/druckdaten.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Sieblinie, SizesMustRiseAndTwoEndPointsFollowTheCountedOnes)
{
    CSieblinie linie;
    // The 1 after the 2 is dropped with its passing value.
    linie.LeseAusListen("2@1@4", "30@20@60", false);
    ASSERT_EQ(linie.anzahl, 2);
    EXPECT_DOUBLE_EQ(linie.xWerte[0], std::log10(2.0));
    EXPECT_DOUBLE_EQ(linie.xWerte[1], std::log10(4.0));
    EXPECT_EQ(linie.yWerte[0], 30);
    EXPECT_EQ(linie.yWerte[1], 60);
    EXPECT_DOUBLE_EQ(linie.ersteX, std::log10(2.0));
    EXPECT_DOUBLE_EQ(linie.letzteX, std::log10(4.0));
    // The spline reads the entry after the last point: two uncounted points at 0.01 mm, 0 %.
    ASSERT_EQ(linie.xWerte.size(), 4u);
    EXPECT_EQ(linie.xWerte[2], -2);
    EXPECT_EQ(linie.xWerte[3], -2);
    EXPECT_EQ(linie.yWerte[3], 0);

    // A repeated size is dropped as well; a second read starts afresh.
    linie.LeseAusListen("0,5@0,5@1", "10@99@20", false);
    ASSERT_EQ(linie.anzahl, 2);
    EXPECT_EQ(linie.yWerte[1], 20);

    linie.LeseAusListen("", "", true);
    EXPECT_EQ(linie.anzahl, 0);
    EXPECT_EQ(linie.ersteX, 0);
    EXPECT_EQ(linie.xWerte.size(), 2u);
}

TEST(Sieblinie, LeadingPointOnlyBeforeAFirstSizeAbove0001Millimetre)
{
    CSieblinie linie;
    linie.LeseAusListen("0.1@1", "10@90", true);
    ASSERT_EQ(linie.anzahl, 3);
    EXPECT_DOUBLE_EQ(linie.xWerte[0], std::log10(0.00099));
    EXPECT_EQ(linie.yWerte[0], 0);
    // ersteX is the first listed point, not the leading one.
    EXPECT_DOUBLE_EQ(linie.ersteX, -1);

    linie.LeseAusListen("0.001@1", "0@90", true);
    EXPECT_EQ(linie.anzahl, 2);
    EXPECT_DOUBLE_EQ(linie.xWerte[0], -3);

    linie.LeseAusListen("0.1@1", "10@90", false);
    EXPECT_EQ(linie.anzahl, 2);
}

// A size of 0 or below has no logarithm: it is dropped, and the curve starts at the first real
// size, leading point included.
TEST(Sieblinie, SizesOfZeroOrBelowAreDropped)
{
    CSieblinie linie;
    linie.LeseAusListen("0@-2@0.1@abc@1", "0@5@10@15@90", true);
    ASSERT_EQ(linie.anzahl, 3);
    EXPECT_DOUBLE_EQ(linie.xWerte[0], std::log10(0.00099));
    EXPECT_DOUBLE_EQ(linie.xWerte[1], -1);
    EXPECT_EQ(linie.yWerte[1], 10);
    EXPECT_EQ(linie.yWerte[2], 90);
    EXPECT_DOUBLE_EQ(linie.ersteX, -1);
    for (double x : linie.xWerte)
        EXPECT_TRUE(std::isfinite(x));
}

TEST(Sieblinie, FineFractionRowsAreReversedAndAppended)
{
    const CDruckDaten daten("||||||||||0.06@0.02@0.002|x|30@20@10");
    std::string groessen = "a", durchgang;
    DreheSiebReihenfolge(daten, groessen, durchgang);
    EXPECT_EQ(groessen, "a0.002@0.02@0.06@");
    EXPECT_EQ(durchgang, "10@20@30@");
    // The trailing empty cell is dropped when the lists are read.
    CSieblinie linie;
    linie.LeseAusListen(groessen.substr(1), durchgang, false);
    EXPECT_EQ(linie.anzahl, 3);

    // An empty row 10 still counts one cell.
    std::string g, d;
    DreheSiebReihenfolge(CDruckDaten("0|1"), g, d);
    EXPECT_EQ(g, "@");
    EXPECT_EQ(d, "@");
}
