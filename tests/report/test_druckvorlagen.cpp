#include "report/druckvorlagen.h"
#include "report/ppdruckdaten.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t Flags(const CPPDruckDaten& raster, int zeile, int spalte)
{
    std::string text;
    std::uint32_t flags = 0;
    raster.GetZellText(text, zeile, spalte, flags);
    return flags;
}

TEST(Druckvorlagen, LimeContentGridHasFivePartTestsAndOneMeanAcrossThem)
{
    CPPDruckDaten raster;
    raster.LadeZeilenAusVorlage(HoleDruckvorlage(5104), 40101, 8, 14);
    ASSERT_EQ(raster.AnzahlZeilen(), 14);
    EXPECT_EQ(raster.GetText(0, 3), "1");
    EXPECT_EQ(raster.GetText(0, 7), "5");
    EXPECT_EQ(raster.GetText(8, 0), "Volumen CO<t>2<n> - Gas (nach 30 s)");
    EXPECT_EQ(raster.GetText(2, 2), "[ °C ]");
    EXPECT_EQ(Flags(raster, 1, 0), 0u) << "captions stand left";
    EXPECT_EQ(Flags(raster, 1, 1), DRUCK_ZENTRIERT);
    EXPECT_EQ(Flags(raster, 12, 7), DRUCK_ZENTRIERT) << "a value cell";
    EXPECT_EQ(Flags(raster, 13, 3), DRUCK_ZENTRIERT);
    for (int spalte = 4; spalte <= 7; ++spalte)
        EXPECT_EQ(Flags(raster, 13, spalte), DRUCK_KEINE_ZELLE) << "the mean spans";
}

TEST(Druckvorlagen, FilterRuleAndPermeabilityGridsSpanWhereAControlIsMissing)
{
    CPPDruckDaten filter;
    const DialogVorlage vorlage = HoleDruckvorlage(5103);
    filter.LadeZeilenAusVorlage(vorlage, 40402, 6, 3);
    filter.LadeZeilenAusVorlage(vorlage, 40608, 4, 9);
    ASSERT_EQ(filter.AnzahlZeilen(), 12);
    EXPECT_EQ(filter.GetText(0, 2), "Filter 1 ");
    EXPECT_EQ(Flags(filter, 0, 1), DRUCK_KEINE_ZELLE);
    EXPECT_EQ(filter.GetText(2, 5), "D-Summe");
    EXPECT_EQ(filter.GetText(3, 3), "Filter 2");
    EXPECT_EQ(filter.GetText(5, 1), "[ mm ]");
    EXPECT_EQ(filter.GetText(11, 0), "A' = d<t>85<n> * 4");
    EXPECT_EQ(Flags(filter, 11, 3), DRUCK_ZENTRIERT);

    CPPDruckDaten kennwerte;
    kennwerte.LadeZeilenAusVorlage(HoleDruckvorlage(5105), 40101, 8, 11);
    ASSERT_EQ(kennwerte.AnzahlZeilen(), 11);
    EXPECT_EQ(kennwerte.GetText(0, 0), "Kennwerte");
    EXPECT_EQ(kennwerte.GetText(1, 0), "Art der Probenahme") << "leading blank removed";
    EXPECT_EQ(kennwerte.GetText(5, 0), "Dichte des Probekörpers ");
    EXPECT_EQ(kennwerte.GetText(4, 1), "[ g/cm³ ]");
    EXPECT_EQ(kennwerte.GetText(8, 1), "[ --- ]");
    EXPECT_EQ(Flags(kennwerte, 10, 2), DRUCK_ZENTRIERT);
    EXPECT_EQ(Flags(kennwerte, 10, 3), DRUCK_KEINE_ZELLE);
}

TEST(Druckvorlagen, SedimentationRowsComeFromControlsOfVaryingWidth)
{
    const DialogVorlage vorlage = HoleDruckvorlage(5102);
    CPPDruckDaten raster;
    raster.LadeZeileAusVorlage(vorlage, 30305, 3);
    raster.LadeZeileAusVorlage(vorlage, 30801, 10);
    EXPECT_EQ(raster.GetText(0, 0), "Länge Skala");
    EXPECT_EQ(raster.GetText(0, 1), "h<t>1<n>-h<t>0");
    EXPECT_EQ(raster.GetText(1, 9), "[ % ]");

    EXPECT_TRUE(HoleDruckvorlage(5106).empty());
    EXPECT_TRUE(HoleDruckvorlage(0).empty());
}

} // namespace
