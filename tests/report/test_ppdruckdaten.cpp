#include "report/ppdruckdaten.h"

#include <gtest/gtest.h>

namespace {

VorlagenElement Feld(int id, std::string text, std::uint32_t style = SS_LEFT)
{
    return VorlagenElement{.id = id, .cx = 40, .cy = 8, .text = std::move(text), .style = style};
}

// Rows 0 and 1 of a table with first id 40101: 40101.., 40201..; 40104 is missing.
std::vector<std::uint8_t> Tabellenvorlage()
{
    return BaueDialogVorlage({
        Feld(40101, " Trockenmasse", SS_CENTER),
        Feld(40102, "Einheit  ", SS_RIGHT),
        Feld(40103, "links", SS_LEFT),
        Feld(40105, "   "),
        Feld(40201, "zweite Zeile"),
        Feld(41408, "Zeile 13, Spalte 7"),
    });
}

std::uint32_t Flags(const CPPDruckDaten& raster, int zeile, int spalte)
{
    std::string text;
    std::uint32_t flags = 0xDEAD;
    raster.GetZellText(text, zeile, spalte, flags);
    return flags;
}

} // namespace

TEST(PPDruckDaten, CellsTakeCaptionSizeAndAlignmentFromTheTemplate)
{
    const auto vorlage = Tabellenvorlage();
    CPPString zelle;
    ASSERT_TRUE(LeseVorlagenElement(vorlage, 40101, zelle));
    EXPECT_EQ(zelle.text, " Trockenmasse"); // a single control keeps its blanks
    EXPECT_EQ(zelle.flags, DRUCK_ZENTRIERT);
    EXPECT_EQ(zelle.cx, 40u);
    EXPECT_EQ(zelle.cy, 8u);

    CPPDruckDaten raster;
    raster.LadeZeileAusVorlage(vorlage, 40101, 8);
    ASSERT_EQ(raster.AnzahlZeilen(), 1);
    EXPECT_EQ(raster.GetText(0, 0), "Trockenmasse");
    EXPECT_EQ(raster.GetText(0, 1), "Einheit  ");
    EXPECT_EQ(raster.GetText(0, 4), "");
    EXPECT_EQ(Flags(raster, 0, 0), DRUCK_ZENTRIERT);
    EXPECT_EQ(Flags(raster, 0, 1), DRUCK_RECHTS);
    EXPECT_EQ(Flags(raster, 0, 2), 0u);
    EXPECT_EQ(raster.GetZelle(0, 1)->style, SS_RIGHT);
}

TEST(PPDruckDaten, MissingControlsAreProtectedAndColumnsBeyondTheRowAreFree)
{
    CPPDruckDaten raster;
    raster.LadeZeileAusVorlage(Tabellenvorlage(), 40101, 8);
    EXPECT_EQ(Flags(raster, 0, 3), DRUCK_KEINE_ZELLE); // 40104
    EXPECT_EQ(Flags(raster, 0, 5), DRUCK_KEINE_ZELLE); // 40106
    for (int spalte : {8, 9}) {
        EXPECT_EQ(Flags(raster, 0, spalte), 0u);
        EXPECT_EQ(raster.GetText(0, spalte), "");
    }

    raster.SetzeTextWennFrei(0, 3, "nein");
    raster.SetzeTextWennFrei(0, 8, "acht");
    raster.SetzeTextWennFrei(0, 9, "neun");
    raster.SetzeTextWennFrei(0, 0, "frei");
    EXPECT_EQ(raster.GetText(0, 3), "");
    EXPECT_EQ(raster.GetText(0, 8), "acht");
    EXPECT_EQ(raster.GetText(0, 9), "neun");
    EXPECT_EQ(raster.GetText(0, 0), "frei");
    // A plain write reaches a protected cell, which still is not printed.
    raster.SetzeText(0, 3, "doch");
    EXPECT_EQ(raster.GetText(0, 3), "doch");
    EXPECT_EQ(Flags(raster, 0, 3), DRUCK_KEINE_ZELLE);
}

TEST(PPDruckDaten, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    CPPDruckDaten raster;
    raster.LadeZeileAusVorlage(Tabellenvorlage(), 40101, 10);
    for (auto [zeile, spalte] : {std::pair{0, 10}, {1, 0}, {-1, 0}, {0, -1}}) {
        EXPECT_EQ(Flags(raster, zeile, spalte), DRUCK_KEINE_ZELLE);
        EXPECT_EQ(raster.GetText(zeile, spalte), "");
        EXPECT_EQ(raster.GetZelle(zeile, spalte), nullptr);
        raster.SetzeText(zeile, spalte, "x");
        raster.SetzeTextWennFrei(zeile, spalte, "x");
        raster.SetzeFlags(zeile, spalte, DRUCK_FETT);
    }
    raster.SetzeFlags(0, 0, DRUCK_FETT);
    EXPECT_EQ(Flags(raster, 0, 0), DRUCK_ZENTRIERT | DRUCK_FETT);
    EXPECT_EQ(raster.AnzahlZeilen(), 1);
}

TEST(PPDruckDaten, RowsAreReadFromIdsPerRowAndAppendedInOrder)
{
    const auto vorlage = Tabellenvorlage();
    CPPDruckDaten raster;
    raster.LadeZeilenAusVorlage(vorlage, 40101, 8, 14);
    raster.LadeZeileAusVorlage(vorlage, 40201, 1);
    ASSERT_EQ(raster.AnzahlZeilen(), 15);
    EXPECT_EQ(raster.GetText(1, 0), "zweite Zeile");
    EXPECT_EQ(raster.GetText(13, 7), "Zeile 13, Spalte 7");
    EXPECT_EQ(Flags(raster, 13, 6), DRUCK_KEINE_ZELLE);
    EXPECT_EQ(raster.GetText(14, 0), "zweite Zeile");
    EXPECT_EQ(Flags(raster, 14, 1), 0u);
    // A caption of blanks only becomes empty.
    EXPECT_EQ(raster.GetText(0, 4), "");
    EXPECT_EQ(Flags(raster, 0, 4), 0u);
}

TEST(PPDruckDaten, WithoutATemplateEveryLoadedCellIsProtected)
{
    CPPDruckDaten raster;
    raster.LadeZeilenAusVorlage(DialogVorlage(), 40101, 3, 2);
    ASSERT_EQ(raster.AnzahlZeilen(), 2);
    for (int spalte = 0; spalte < 3; ++spalte)
        EXPECT_EQ(Flags(raster, 1, spalte), DRUCK_KEINE_ZELLE);
    EXPECT_EQ(Flags(raster, 1, 3), 0u);

    CPPStringArray zeile;
    zeile[9].text = "alt";
    LeseVorlagenZeile(zeile, Tabellenvorlage(), 40101, 42);
    EXPECT_EQ(zeile[9].flags, DRUCK_KEINE_ZELLE);
    EXPECT_EQ(zeile[9].text, "");
    LeseVorlagenZeile(zeile, Tabellenvorlage(), 40101, -3);
    EXPECT_EQ(zeile[0].flags, 0u);
    EXPECT_EQ(zeile[0].text, "");
}

TEST(PPDruckDaten, BlockCopyFillsOnlyFreeCellsThatTheRowHas)
{
    CPPDruckDaten raster;
    raster.LadeZeilenAusVorlage(DialogVorlage(), 0, 0, 3); // three free rows
    raster.LadeZeileAusVorlage(Tabellenvorlage(), 40101, 5);
    raster.SetzeText(0, 3, "bleibt");

    const CDruckDaten quelle("x|1@2|a@b@c@d|p@q@r");
    raster.UebernehmeDruckDaten(0, 1, 4, 3, quelle, 1);
    EXPECT_EQ(raster.GetText(0, 1), "1");
    EXPECT_EQ(raster.GetText(0, 2), "2");
    EXPECT_EQ(raster.GetText(0, 3), "bleibt");
    EXPECT_EQ(raster.GetText(1, 3), "c");
    EXPECT_EQ(raster.GetText(1, 4), ""); // fourth field beyond the block
    EXPECT_EQ(raster.GetText(2, 1), "p");
    // A missing source row counts as one empty field: it clears the first cell only.
    EXPECT_EQ(raster.GetText(3, 1), "");
    EXPECT_EQ(raster.GetText(3, 2), "links");
}
