#include "data/pruefartkatalog.h"

#include <gtest/gtest.h>

namespace {

CPruefartKatalog GeladenerKatalog()
{
    CPruefartKatalog katalog;
    katalog.Lade();
    return katalog;
}

std::string NameVon(CPruefartKatalog& katalog, const std::string& id, int unterart)
{
    return katalog.Waehle(id, unterart) ? katalog.HoleName() : "(keine Zeile)";
}

} // namespace

TEST(PruefartKatalog, NamesEveryTestTypeAndSubType)
{
    CPruefartKatalog katalog = GeladenerKatalog();
    const struct
    {
        const char* id;
        int unterart;
        const char* name;
    } erwartet[] = {
        {"1000", 0, "Korngrößenverteilung"},
        {"1001", 0, "Proctorversuch"},
        {"1002", 0, "Verdichtung"},
        {"1003", 0, "Fallgewicht"},
        {"1004", 0, "Rammsondierung"},
        {"1005", 0, "Lastplatte"},
        {"1006", 0, "Zustandsgrenzen"},
        {"1007", 0, "Troxler"},
        {"1008", 0, "Korndichte"},
        {"1009", 0, "Bindemittelmenge"},
        {"1010", 0, "Bodenaustauschdicke"},
        {"1011", 0, "Wassergehalt"},
        {"1012", 0, "Fallgewicht (15kg)"},
        {"1013", 0, "Glühverlust"},
        {"1014", 0, "Sedimentation"},
        {"1015", 0, "Filterstabilität"},
        {"1016", 0, "Kalkgehalt"},
        {"1017", 0, "Wasserdurchlässigkeitsbeiwert k"},
        {"1017", 1, "Wasserdurchlässigkeitsbeiwert k"},
        // Both rows of 1017 name the same quantity: the first is taken for either method.
        {"1017", 2, "Wasserdurchlässigkeitsbeiwert k"},
        {"1017", 3, "Wasserdurchlässigkeitsbeiwert k"},
        {"1018", 0, "Kornverteilungen vergleichen"},
        {"1018", 1, "Kornverteilungen vergleichen"},
        {"1018", 2, "Proctorversuche vergleichen"},
        {"1020", 0, "Aktennotiz"},
        // Types without sub-types ignore the number they are given.
        {"1001", 5, "Proctorversuch"},
    };
    for (const auto& e : erwartet)
        EXPECT_EQ(NameVon(katalog, e.id, e.unterart), e.name) << e.id << "/" << e.unterart;

    EXPECT_EQ(NameVon(katalog, "1018", 3), "(keine Zeile)");
    EXPECT_EQ(NameVon(katalog, "1019", 0), "(keine Zeile)");
    EXPECT_EQ(NameVon(katalog, " 1000", 0), "(keine Zeile)"); // identifiers compare exactly
}

TEST(PruefartKatalog, SelectionCarriesAllFieldsAndAFailedOneLeavesItEmpty)
{
    CPruefartKatalog katalog = GeladenerKatalog();
    ASSERT_TRUE(katalog.Waehle("1018", 2));
    EXPECT_EQ(katalog.HoleID(), "1018");
    EXPECT_EQ(katalog.HoleKuerzel(), "GP");
    EXPECT_EQ(katalog.HoleUnterart(), "2");
    EXPECT_EQ(katalog.HoleKuerzelgruppe(), "GK/KP");
    ASSERT_TRUE(katalog.Waehle("1018", 1));
    EXPECT_EQ(katalog.HoleKuerzelgruppe(), "GK/KP");

    ASSERT_TRUE(katalog.Waehle("1002", 0));
    EXPECT_EQ(katalog.HoleKuerzel(), "D_");
    EXPECT_EQ(katalog.HoleKuerzelgruppe(), "D_");

    EXPECT_FALSE(katalog.Waehle("1019", 0));
    EXPECT_EQ(katalog.HoleName(), "");
    EXPECT_EQ(katalog.HoleID(), "");
    EXPECT_EQ(katalog.HoleKuerzelgruppe(), "");
}

TEST(PruefartKatalog, RowsInTableOrderAndOutOfRangeRowsGiveEmptyTexts)
{
    CPruefartKatalog katalog;
    EXPECT_EQ(katalog.HoleAnzahl(), 0);
    EXPECT_FALSE(katalog.Waehle("1000", 0)); // nothing loaded yet
    EXPECT_TRUE(katalog.Lade());
    EXPECT_TRUE(katalog.Lade());
    ASSERT_EQ(katalog.HoleAnzahl(), 22);

    EXPECT_EQ(katalog.HoleIDVonZeile(0), "1000");
    EXPECT_EQ(katalog.HoleKuerzelVonZeile(0), "KV");
    EXPECT_EQ(katalog.HoleTitelVonZeile(1), "Proctorversuch nach DIN 18127");
    EXPECT_EQ(katalog.HoleIDVonZeile(18), "1017");
    EXPECT_EQ(katalog.HoleUnterartVonZeile(18), "2");
    EXPECT_EQ(katalog.HoleGruppentitelVonZeile(18), "Bestimmung des Wasserdurchlässigkeitsbeiw.");
    EXPECT_EQ(katalog.HoleKuerzelgruppeVonZeile(19), "GK/GP");
    EXPECT_EQ(katalog.HoleKuerzelgruppeVonZeile(20), "GK/GP");
    EXPECT_EQ(katalog.HoleKuerzelgruppeVonZeile(21), "AN");
    EXPECT_EQ(katalog.HoleIDVonZeile(21), "1020");

    for (int zeile : {-1, 22, 1000}) {
        EXPECT_EQ(katalog.HoleIDVonZeile(zeile), "");
        EXPECT_EQ(katalog.HoleKuerzelVonZeile(zeile), "");
        EXPECT_EQ(katalog.HoleTitelVonZeile(zeile), "");
        EXPECT_EQ(katalog.HoleKuerzelgruppeVonZeile(zeile), "");
    }
}

TEST(PruefartKatalog, TextsAreSingleByteWindowsText)
{
    CPruefartKatalog katalog = GeladenerKatalog();
    ASSERT_TRUE(katalog.Waehle("1000", 0));
    EXPECT_EQ(katalog.HoleName(), "Korngr\xF6\xDF"
                                  "enverteilung");
}
