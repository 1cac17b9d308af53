#include "data/versuchdata.h"

#include <gtest/gtest.h>

namespace {

std::string LeereGruppen(int anzahl)
{
    std::string text;
    for (int i = 0; i < anzahl; ++i)
        text += "{}";
    return text;
}

CVersuchData MitTexten(const std::string& allgemein, const std::string& speziell)
{
    CVersuchData daten;
    daten.daten_allgemein = allgemein;
    daten.daten_speziell = speziell;
    return daten;
}

} // namespace

TEST(Datentext, ReadersGiveEmptyTextsForWhatIsMissing)
{
    const CVersuchData daten = MitTexten("x{a|b}{c}", "{x@y|z}{a|b");
    EXPECT_EQ(daten.HoleFeld(0, 0), "a");
    EXPECT_EQ(daten.HoleFeld(0, 1), "b");
    EXPECT_EQ(daten.HoleFeld(0, 2), "");
    EXPECT_EQ(daten.HoleFeld(0, -1), "");
    EXPECT_EQ(daten.HoleFeld(1, 0), "c");
    EXPECT_EQ(daten.HoleFeld(3, 0), "");
    EXPECT_EQ(daten.HoleFeld(-1, 0), "");
    EXPECT_EQ(daten.HoleUnterfeld(0, 0, 1), "y");
    EXPECT_EQ(daten.HoleUnterfeld(0, 0, 2), "");
    EXPECT_EQ(daten.HoleUnterfeld(0, 1, 0), "z");
    // A group without closing brace is empty.
    EXPECT_EQ(daten.HoleSpeziellBlock(1), "");
    EXPECT_EQ(daten.HoleFeldSpeziell(1, 0), "");
    EXPECT_EQ(MitTexten("", "").HoleFeld(0, 0), "");
}

TEST(Datentext, NamedValuesOfTheHeaderRecord)
{
    CVersuchData daten =
        MitTexten("{}{0|1|2|3|4|5|6|7|KV-0815|20240305}{z}", "{0}{1}{2}{3}{4}{5|x}");
    EXPECT_EQ(daten.HoleProtokollnummer(), "KV-0815");
    EXPECT_EQ(daten.HolePruefdatumRoh(), "20240305");
    EXPECT_EQ(daten.HolePruefdatum(), "05.03.2024");
    EXPECT_EQ(daten.HoleKopfblock(), "|0@1@2@3@4@5@6@7@KV-0815@20240305");
    EXPECT_EQ(daten.HoleSpeziellBlock4(), "4");
    EXPECT_EQ(daten.HoleSpeziellBlock5(), "5|x");

    // A short or missing date does not read past its end.
    daten.daten_allgemein = "{}{|||||||||5}";
    EXPECT_EQ(daten.HolePruefdatum(), "05.00.5");
    daten.daten_allgemein = "{}{}";
    EXPECT_EQ(daten.HolePruefdatum(), "");
    EXPECT_EQ(daten.HoleKopfblock(), "|");
}

TEST(Datentext, FieldWriterPadsFieldsAndAlwaysWritesTwentyGroups)
{
    CVersuchData daten = MitTexten("x{a|b}y", "");
    EXPECT_TRUE(daten.SetzeFeld(0, 3, "v"));
    EXPECT_EQ(daten.daten_allgemein, "{a|b||v}" + LeereGruppen(19));
    EXPECT_TRUE(daten.geaendert);

    // Groups beyond the twentieth are dropped by any write.
    daten.daten_allgemein = LeereGruppen(22) + "{alt}";
    daten.SetzeFeld(2, 0, "n");
    EXPECT_EQ(daten.daten_allgemein, "{}{}{n}" + LeereGruppen(17));

    EXPECT_TRUE(daten.SetzeProtokollnummer("PV-1"));
    EXPECT_EQ(daten.HoleProtokollnummer(), "PV-1");
    EXPECT_EQ(daten.HoleFeld(1, 7), "");
}

TEST(Datentext, WritesWithNoPlaceForTheValueFailAndChangeNothing)
{
    const std::string allgemein = "{a}" + LeereGruppen(19) + "{b}";
    const std::string speziell = "{1@2}";
    CVersuchData daten = MitTexten(allgemein, speziell);

    EXPECT_FALSE(daten.SetzeFeld(20, 0, "v"));
    EXPECT_FALSE(daten.SetzeFeld(-1, 0, "v"));
    EXPECT_FALSE(daten.SetzeFeld(0, -1, "v"));
    EXPECT_FALSE(daten.SetzeFeldSpeziell(2, -1, "v"));
    EXPECT_FALSE(daten.SetzeFeldSpeziell(25, 0, "v"));
    EXPECT_FALSE(daten.SetzeUnterfeld(0, 0, -1, "v"));
    EXPECT_FALSE(daten.SetzeUnterfeld(20, 0, 0, "v"));
    EXPECT_FALSE(daten.SetzeSpeziellGruppe(-1, "v"));

    EXPECT_EQ(daten.daten_allgemein, allgemein);
    EXPECT_EQ(daten.daten_speziell, speziell);
    EXPECT_FALSE(daten.geaendert);
}

TEST(Datentext, EscapingIsLossyAndOnlyPipesComeBack)
{
    CVersuchData daten;
    daten.SetzeFeld(0, 0, "a|b{x}@");
    EXPECT_EQ(daten.HoleFeld(0, 0), "a#b(x)#");

    daten.SetzeFeldSpeziell(3, 1, "a|b{x}");
    EXPECT_EQ(daten.HoleFeldSpeziell(3, 1), "a#b(x)");
    EXPECT_EQ(daten.HoleFeldSpeziellKlartext(3, 1), "a|b(x)");

    // "@" and "#" come back as "|" too.
    daten.SetzeFeldSpeziell(3, 2, "1@2#3");
    EXPECT_EQ(daten.HoleFeldSpeziellKlartext(3, 2), "1|2|3");

    // Keeping sub-fields leaves "@" as separator but still escapes the rest.
    daten.SetzeFeldSpeziellMitUnterfeldern(4, 0, "p@q|r");
    EXPECT_EQ(daten.HoleFeldSpeziell(4, 0), "p@q#r");
    EXPECT_EQ(daten.HoleUnterfeld(4, 0, 1), "q#r");
}

TEST(Datentext, GeneralWriterFlagsEveryDifferenceFromTheUnescapedValue)
{
    CVersuchData daten = MitTexten("{a}", "");
    daten.SetzeFeld(0, 0, "a");
    EXPECT_FALSE(daten.geaendert);
    EXPECT_EQ(daten.daten_allgemein, "{a}" + LeereGruppen(19)); // stored all the same

    daten.daten_allgemein = "{x#y}";
    daten.SetzeFeld(0, 0, "x|y");
    EXPECT_TRUE(daten.geaendert);
    EXPECT_EQ(daten.HoleFeld(0, 0), "x#y");
}

TEST(Datentext, SpecialWriterTestsForChangesOnlyInGroupsTwoFiveAndSix)
{
    CVersuchData daten = MitTexten("", "{}{}{a|b}");
    EXPECT_TRUE(daten.SetzeFeldSpeziell(2, 1, "b"));
    EXPECT_EQ(daten.daten_speziell, "{}{}{a|b}"); // untouched, not even rebuilt
    EXPECT_FALSE(daten.geaendert);

    EXPECT_TRUE(daten.SetzeFeldSpeziell(3, 0, ""));
    EXPECT_EQ(daten.daten_speziell, "{}{}{a|b}" + LeereGruppen(17));
    EXPECT_FALSE(daten.geaendert);
    EXPECT_TRUE(daten.SetzeFeldSpeziell(3, 0, "neu"));
    EXPECT_EQ(daten.HoleFeldSpeziell(3, 0), "neu");
    EXPECT_FALSE(daten.geaendert);

    // The escaped form is what is compared.
    daten.SetzeFeldSpeziell(5, 0, "p|q");
    EXPECT_TRUE(daten.geaendert);
    daten.geaendert = false;
    daten.SetzeFeldSpeziell(5, 0, "p#q");
    EXPECT_FALSE(daten.geaendert);
    daten.SetzeFeldSpeziell(6, 2, "w");
    EXPECT_TRUE(daten.geaendert);
}

TEST(Datentext, SubFieldWriterDropsEmptySubFieldsAtTheEnd)
{
    CVersuchData daten = MitTexten("", "{1@2@3}");
    EXPECT_TRUE(daten.SetzeUnterfeld(0, 0, 2, ""));
    EXPECT_EQ(daten.HoleFeldSpeziell(0, 0), "1@2");
    EXPECT_FALSE(daten.geaendert); // group 0 is not tested for changes

    daten.daten_speziell = "{1@@}";
    daten.SetzeUnterfeld(0, 0, 1, "");
    EXPECT_EQ(daten.HoleFeldSpeziell(0, 0), "1");

    daten.daten_speziell = "{a|x}";
    daten.SetzeUnterfeld(0, 1, 3, "y@z");
    EXPECT_EQ(daten.HoleFeldSpeziell(0, 1), "x@@@y#z");
    EXPECT_EQ(daten.HoleFeldSpeziell(0, 0), "a");

    daten.daten_speziell = "{}{}{}{}{k@l}";
    daten.SetzeUnterfeld(4, 0, 1, "l");
    EXPECT_FALSE(daten.geaendert);
    EXPECT_EQ(daten.daten_speziell, "{}{}{}{}{k@l}");
    daten.SetzeUnterfeld(4, 0, 1, "m");
    EXPECT_TRUE(daten.geaendert);
    EXPECT_EQ(daten.HoleUnterfeld(4, 0, 1), "m");
}

TEST(Datentext, GroupWriterKeepsTheGroupCountAndReportsChanges)
{
    CVersuchData daten = MitTexten("", "{a}{b}{c}");
    EXPECT_FALSE(daten.SetzeSpeziellGruppe(1, "b"));
    EXPECT_FALSE(daten.geaendert);
    EXPECT_TRUE(daten.SetzeSpeziellGruppe(1, "x|y@z"));
    EXPECT_EQ(daten.daten_speziell, "{a}{x|y@z}{c}");
    EXPECT_TRUE(daten.geaendert);
    EXPECT_TRUE(daten.SetzeSpeziellGruppe(4, "e"));
    EXPECT_EQ(daten.daten_speziell, "{a}{x|y@z}{c}{}{e}");
    // Unlike the field writers it is not held to groups 0 to 19.
    EXPECT_TRUE(daten.SetzeSpeziellGruppe(20, "z"));
    EXPECT_EQ(daten.HoleSpeziellBlock(20), "z");
}

TEST(ZahlSchluessel, StationLikeTextsSortByTheirValue)
{
    EXPECT_EQ(BildeZahlSchluessel("12,5"), "00012.5000");
    EXPECT_EQ(BildeZahlSchluessel("0+123,45"), "00000.1230");
    EXPECT_EQ(BildeZahlSchluessel("-3"), "00000.3000");
    EXPECT_EQ(BildeZahlSchluessel("+7:5"), "00000.7000");
    EXPECT_EQ(BildeZahlSchluessel("A12"), "A12");
    EXPECT_EQ(BildeZahlSchluessel("12a"), "12a");
    EXPECT_EQ(BildeZahlSchluessel(""), "");
    EXPECT_EQ(BildeZahlSchluessel("5"), "00005.0000");
}
