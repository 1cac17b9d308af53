#include "diagrams/diagrammbereich.h"

#include <gtest/gtest.h>

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
