#include "data/titelverwaltung.h"

#include <gtest/gtest.h>

TEST(Titelverwaltung, DamagedLevelsCountAsTopLevelWithoutOverflow)
{
    // Levels far outside any tree, as a damaged title list may hold them: strtol clamps them to
    // LONG_MIN and LONG_MAX, and the ancestor count must not overflow on the way.
    CTitelVerwaltung titel;
    ASSERT_TRUE(titel.Lade("<titel_liste><titel>1|A|1</titel>"
                           "<titel>2|B|-99999999999999999999999</titel>"
                           "<titel>3|C|99999999999999999999999</titel>"
                           "<titel>4|D|0</titel><titel>5|E|x</titel></titel_liste>"));
    EXPECT_EQ(titel.HoleTitelPfad("1"), "A");
    EXPECT_EQ(titel.HoleTitelPfad("2"), "B");
    EXPECT_EQ(titel.HoleTitelPfad("3"), "B -> C");
    EXPECT_EQ(titel.HoleTitelPfad("4"), "D");
    EXPECT_EQ(titel.HoleTitelPfad("5"), "E");
}
