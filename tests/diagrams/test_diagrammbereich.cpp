#include "diagrams/diagrammbereich.h"
#include "diagrams/siebreihenfolge.h"
#include "platform/exceptions.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

TEST(PruefePlattendruckAst, CountsTheCellsOfTheBranchRow)
{
    const std::string zweiUeberall = "0@1|0@1|1@2|1@2|1@2|1@2|1@2|1@2";
    EXPECT_FALSE(PruefePlattendruckAst(zweiUeberall, 0));
    EXPECT_TRUE(PruefePlattendruckAst(zweiUeberall, 1));
    EXPECT_FALSE(PruefePlattendruckAst(zweiUeberall, 2));
    EXPECT_TRUE(PruefePlattendruckAst(zweiUeberall, 3));
    EXPECT_TRUE(PruefePlattendruckAst(zweiUeberall, -1));

    const std::string dreiUeberall = "0@1|0@1|1@2@3||1@2@3||1@2@3";
    EXPECT_TRUE(PruefePlattendruckAst(dreiUeberall, 0));
    EXPECT_TRUE(PruefePlattendruckAst(dreiUeberall, 1));
    EXPECT_TRUE(PruefePlattendruckAst(dreiUeberall, 2));

    // Missing rows count as one empty cell.
    EXPECT_FALSE(PruefePlattendruckAst("", 0));
    EXPECT_FALSE(PruefePlattendruckAst("", 1));
    EXPECT_TRUE(PruefePlattendruckAst("", 7));
}

namespace {

const RECT rechteck{1000, -2000, 13000, -10000}; // 12000 wide, 8000 high

} // namespace

TEST(LeseDiagrammBereich, TakesRangeAndScaleFromTheTickRows)
{
    CDiagrammBereich b;
    ASSERT_TRUE(LeseDiagrammBereich(rechteck, "0@1@2@3@4@5|1,8@1,9@2,0|0.1@0.2@0.3||||x@y", b));
    EXPECT_EQ(b.letzterXStrich, 5);
    EXPECT_EQ(b.letzterYStrich, 2);
    EXPECT_EQ(b.anzahlReihe2, 3);
    EXPECT_EQ(b.anzahlReihe6, 2);
    EXPECT_EQ(b.anzahlStuetzstellen, 320);
    EXPECT_EQ(b.xMin, 0);
    EXPECT_EQ(b.xMax, 5);
    EXPECT_DOUBLE_EQ(b.yMin, 1.8);
    EXPECT_DOUBLE_EQ(b.yMax, 2.0);
    EXPECT_DOUBLE_EQ(b.xFaktor, 2400);
    EXPECT_DOUBLE_EQ(b.yFaktor, -40000);
    ASSERT_TRUE(b.IstAbbildbar());
    // The minimum lands on the lower left corner, the maximum on the upper right one.
    EXPECT_EQ(b.GeraetePunkt(rechteck, 0, 1.8), (POINT{1000, -10000}));
    EXPECT_EQ(b.GeraetePunkt(rechteck, 5, 2.0), (POINT{13000, -2000}));
    EXPECT_EQ(b.GeraetePunkt(rechteck, 2.5001, 1.9), (POINT{7000, -6000})); // truncated
}

TEST(LeseDiagrammBereich, AnAxisWithFewerThanTwoTicksGivesNoChart)
{
    CDiagrammBereich b;
    b.xMin = 7;
    EXPECT_FALSE(LeseDiagrammBereich(rechteck, "", b));
    EXPECT_EQ(b.letzterXStrich, 0);
    EXPECT_EQ(b.anzahlReihe2, 0); // an empty text leaves everything as it was

    EXPECT_FALSE(LeseDiagrammBereich(rechteck, "0|1@2", b));
    EXPECT_EQ(b.letzterXStrich, 0);
    EXPECT_EQ(b.letzterYStrich, 1);
    EXPECT_EQ(b.anzahlReihe2, 1); // an empty row counts one cell
    EXPECT_EQ(b.anzahlReihe6, 1);
    EXPECT_EQ(b.xMin, 7); // the range stays as it was
    EXPECT_EQ(b.anzahlStuetzstellen, 0);

    EXPECT_FALSE(LeseDiagrammBereich(rechteck, "1@2@3", b));
    EXPECT_EQ(b.letzterYStrich, 0);
}

TEST(LeseDiagrammBereich, AnAxisWithoutRangeCannotPlaceValues)
{
    // Equal ends, no numbers, or a range too wide to hold in a double.
    const std::vector<std::string> ohneBereich{"2@2|1@5", "0@5|3@1@3", "a@b|1@2",
                                               "-1e308@1e308|1@2"};
    for (const std::string& daten : ohneBereich) {
        CDiagrammBereich b;
        ASSERT_TRUE(LeseDiagrammBereich(rechteck, daten, b)) << daten;
        EXPECT_FALSE(b.IstAbbildbar()) << daten;
    }
    // A falling axis is still a range.
    CDiagrammBereich fallend;
    ASSERT_TRUE(LeseDiagrammBereich(rechteck, "5@0|1@2", fallend));
    EXPECT_TRUE(fallend.IstAbbildbar());
    EXPECT_EQ(fallend.GeraetePunkt(rechteck, 5, 1), (POINT{1000, -10000}));
    // Values far outside the range cannot be placed either.
    EXPECT_EQ(fallend.GeraetePunkt(rechteck, 1e300, 1), std::nullopt);
}

TEST(HoleSiebReihenfolge, MapsEachOfTheEighteenCellsOnce)
{
    EXPECT_EQ(HoleSiebReihenfolge(0), 6);
    EXPECT_EQ(HoleSiebReihenfolge(9), 0);
    EXPECT_EQ(HoleSiebReihenfolge(17), 9);
    std::vector<bool> gesehen(18, false);
    for (int i = 0; i < 18; ++i)
        gesehen.at(static_cast<std::size_t>(HoleSiebReihenfolge(i))) = true;
    EXPECT_EQ(std::count(gesehen.begin(), gesehen.end(), true), 18);
    EXPECT_THROW(HoleSiebReihenfolge(18), CInvalidArgException);
    EXPECT_THROW(HoleSiebReihenfolge(-1), CInvalidArgException);
}
