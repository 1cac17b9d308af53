#include "platform/recordingdc.h"
#include "report/seitenabbildung.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

CFont Schrift(int hoehe, const char* name = "Tahoma")
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 16, 0, 48, name);
    return schrift;
}

// Every character is half its cell wide: 150 units in the normal font (300), 200 in the Symbol
// font (400), 100 in the font the device context held before (200).
class SeitenAbbildung : public ::testing::Test
{
protected:
    SeitenAbbildung() : dc(metrik)
    {
        abbildung.Init(2500, -1620, 16800, 26000, 30, 67);
        abbildung.SetzeDC(&dc);
        dc.SelectObject(vorher);
    }

    void MitSchriften() { abbildung.SetzeTextSchriften(&normal, &symbol, 50); }

    std::vector<DCEintrag> Texte() const { return dc.Texte(); }
    std::vector<std::vector<POINT>> Linien() const
    {
        std::vector<std::vector<POINT>> linien;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == DCPrimitiv::Linienzug)
                linien.push_back(e.punkte);
        return linien;
    }

    const CFesteTextMetrik metrik;
    RecordingDC dc;
    CSeitenAbbildung abbildung;
    const CFont normal = Schrift(300);
    const CFont symbol = Schrift(400, "Symbol");
    const CFont vorher = Schrift(200, "Arial");
};

} // namespace

TEST_F(SeitenAbbildung, GridPointsMapWithTruncationTowardZero)
{
    EXPECT_EQ(abbildung.Transformiere(1, 1), POINT(3060, -2008));
    EXPECT_EQ(abbildung.Transformiere(0.5, 0), POINT(2780, -1620));
    EXPECT_EQ(abbildung.Transformiere(0, 0), POINT(2500, -1620));
    // 560 × −0.00125 = −0.7: truncated to 0, where rounding down would give −1.
    EXPECT_EQ(abbildung.TransformiereX(-0.00125), 2500);
    EXPECT_EQ(abbildung.TransformiereX(-0.0025), 2499);
    EXPECT_EQ(abbildung.TransformiereY(-0.7 / (26000.0 / 67)), -1620);

    abbildung.SetzeUrsprung(1, 1);
    EXPECT_EQ(abbildung.Transformiere(0, 0), POINT(3060, -2008));
    EXPECT_EQ(abbildung.Transformiere(-0.5, -1), POINT(2780, -1620));
    abbildung.Init(2500, -1620, 16800, 26000, 30, 67);
    EXPECT_EQ(abbildung.Transformiere(0, 0), POINT(2500, -1620));
}

TEST_F(SeitenAbbildung, PointsThatCannotBeMappedDrawNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(abbildung.TransformiereX(nan), 2500);
    EXPECT_EQ(abbildung.TransformiereY(1e300), -1620);
    EXPECT_FALSE(abbildung.Linie(0, 0, nan, 1));
    EXPECT_FALSE(abbildung.Rechteck(0, 0, 1, INFINITY));
    abbildung.TextAusgabe(1, nan, 0, "x");
    abbildung.TextAusgabe(12, 0, nan, "1,5");
    abbildung.TextAusgabe(22, nan, nan, "m<t>d");
    EXPECT_TRUE(dc.Eintraege().empty());

    // A grid without columns maps nothing either.
    abbildung.Init(2500, -1620, 16800, 26000, 0, 0);
    EXPECT_FALSE(abbildung.Linie(0, 0, 1, 1));
    EXPECT_EQ(abbildung.TransformiereX(1), 2500);
    // Without a device context nothing is drawn, and nothing breaks.
    CSeitenAbbildung ohneDC;
    ohneDC.Init(2500, -1620, 16800, 26000, 30, 67);
    EXPECT_FALSE(ohneDC.Linie(0, 0, 1, 1));
    ohneDC.TextAusgabe(33, 0, 0, "x");
}

TEST_F(SeitenAbbildung, LinesAndRectanglesRunBetweenMappedGridPoints)
{
    EXPECT_TRUE(abbildung.Linie(0, 0, 1, 1));
    EXPECT_EQ(abbildung.MoveTo(0.5, 0), POINT(3060, -2008));
    EXPECT_TRUE(abbildung.LineTo(0.5, 1));
    EXPECT_TRUE(abbildung.Rechteck(0, 0, 1, 1));
    const std::vector<std::vector<POINT>> erwartet{
        {{2500, -1620}, {3060, -2008}}, {{2780, -1620}, {2780, -2008}},
        {{2500, -1620}, {2500, -2008}}, {{2500, -2008}, {3060, -2008}},
        {{3060, -2008}, {3060, -1620}}, {{3060, -1620}, {2500, -1620}},
    };
    EXPECT_EQ(Linien(), erwartet);
    for (const DCEintrag& e : dc.Eintraege())
        EXPECT_EQ(e.art, DCPrimitiv::Linienzug); // outlines only, nothing filled

    dc.Leeren();
    ZeichneLinieV(dc, 100, -200, -300);
    ZeichneLinieH(dc, 100, -200, 400);
    const std::vector<std::vector<POINT>> geraet{{{100, -200}, {100, -300}},
                                                 {{100, -200}, {400, -200}}};
    EXPECT_EQ(Linien(), geraet);
}

TEST_F(SeitenAbbildung, GridDrawsItsInnerLinesAcrossTheWholeGrid)
{
    // One grid unit becomes 100 device units; the offsets come in the order y, x.
    abbildung.SetzeAbbildung(3000, 6700, -100, 50);
    EXPECT_EQ(abbildung.Transformiere(1, 1), POINT(150, -200));

    abbildung.ZeichneRaster(1, 99, 2, 99, 3, 2);
    const std::vector<std::vector<POINT>> erwartet{
        {{350, -100}, {350, -300}},
        {{550, -100}, {550, -300}},
        {{150, -200}, {750, -200}},
    };
    EXPECT_EQ(Linien(), erwartet);

    dc.Leeren();
    abbildung.ZeichneRaster(1, 0, 2, 0, 1, 1);
    abbildung.ZeichneRaster(1, 0, 2, 0, -3, -3);
    EXPECT_TRUE(Linien().empty()) << "a single cell has no inner lines";
}

TEST_F(SeitenAbbildung, PlacementCodesSetAlignmentAndInset)
{
    struct Fall
    {
        int code;
        POINT anker;
        unsigned ausrichtung;
    };
    const Fall faelle[] = {
        {1, {2600, -1670}, TA_TOP | TA_LEFT},   {3, {2600, -1570}, TA_BOTTOM | TA_LEFT},
        {4, {2500, -1670}, TA_TOP | TA_CENTER}, {6, {2500, -1570}, TA_BOTTOM | TA_CENTER},
        {7, {2400, -1670}, TA_TOP | TA_RIGHT},  {9, {2400, -1570}, TA_BOTTOM | TA_RIGHT},
        {5, {2500, -1620}, TA_TOP | TA_LEFT},   {0, {2500, -1620}, TA_TOP | TA_LEFT},
    };
    MitSchriften(); // plain codes ignore the mark-up fonts
    for (const Fall& fall : faelle) {
        dc.Leeren();
        dc.SetTextAlign(TA_BASELINE | TA_UPDATECP);
        abbildung.TextAusgabe(fall.code, 0, 0, "Text");
        const auto texte = Texte();
        ASSERT_EQ(texte.size(), 1u) << fall.code;
        EXPECT_EQ(texte[0].text, "Text");
        EXPECT_EQ(texte[0].punkte[0], fall.anker) << fall.code;
        EXPECT_EQ(texte[0].ausrichtung, fall.ausrichtung) << fall.code;
        EXPECT_EQ(texte[0].zustand.schrift, vorher) << fall.code;
        EXPECT_EQ(dc.GetTextAlign(), fall.ausrichtung) << fall.code;
    }

    dc.Leeren();
    const double paar[2] = {1, 2};
    abbildung.TextAusgabeMitte(4, paar, 1, "m");
    abbildung.TextAusgabeZwischen(4, 0, 1, 0, "z");
    ASSERT_EQ(Texte().size(), 2u);
    EXPECT_EQ(Texte()[0].punkte[0], POINT(2500 + 840, -2008 - 50));
    EXPECT_EQ(Texte()[1].punkte[0], POINT(2780, -1670));
}

TEST_F(SeitenAbbildung, DecimalSeparatorIsCentredOnThePoint)
{
    // Digits 150 wide in the selected font: half a separator is 75.
    dc.SelectObject(normal);
    struct Fall
    {
        const char* text;
        int x;
    };
    for (const Fall& fall : {Fall{"12,5", 2500 - 375}, Fall{"12", 2500 - 375},
                             Fall{"1.234,5", 2500 - 225}, Fall{"1,5,7", 2500 - 525}}) {
        dc.Leeren();
        abbildung.TextAusgabe(12, 0, 0, fall.text);
        ASSERT_EQ(Texte().size(), 1u) << fall.text;
        EXPECT_EQ(Texte()[0].text, fall.text);
        EXPECT_EQ(Texte()[0].punkte[0], POINT(fall.x, -1570)) << fall.text;
        EXPECT_EQ(Texte()[0].ausrichtung, TA_BOTTOM | TA_LEFT);
    }
    dc.Leeren();
    abbildung.TextAusgabe(11, 1, 0, "7,25");
    EXPECT_EQ(Texte()[0].punkte[0], POINT(3060 - 225, -1670));
    EXPECT_EQ(Texte()[0].ausrichtung, TA_TOP | TA_LEFT);
}

TEST_F(SeitenAbbildung, MarkupTextOnTheGrid)
{
    MitSchriften();
    // "m<t>d" is four characters once escaped: 188 to the left, then the inset of 100.
    abbildung.TextAusgabe(32, 0, 0, "m<t>d");
    auto texte = Texte();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].text, "m");
    EXPECT_EQ(texte[0].punkte[0], POINT(2500 - 88, -1570));
    EXPECT_EQ(texte[1].text, "d");
    EXPECT_EQ(texte[1].punkte[0], POINT(2412 + 150 + 25, -1620));
    EXPECT_EQ(texte[1].ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(dc.GetTextAlign(), TA_BOTTOM | TA_LEFT);

    // A lowered run starts 25 further right than it would plainly; "<n>" goes back without a gap.
    dc.Leeren();
    abbildung.TextAusgabe(22, 0, 0, "r<t>s<n>x<h>y");
    texte = Texte();
    ASSERT_EQ(texte.size(), 4u);
    EXPECT_EQ(texte[0].punkte[0], POINT(2600, -1570));
    EXPECT_EQ(texte[1].punkte[0], POINT(2600 + 150 + 25, -1620));
    EXPECT_EQ(texte[2].punkte[0], POINT(2775 + 150, -1570));
    EXPECT_EQ(texte[3].punkte[0], POINT(2925 + 150 + 25, -1520));

    // Code 21 hangs below the point.
    dc.Leeren();
    abbildung.TextAusgabe(21, 0, 0, "w<h>2");
    texte = Texte();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].punkte[0], POINT(2600, -1670));
    EXPECT_EQ(texte[0].ausrichtung, TA_TOP | TA_LEFT);
    EXPECT_EQ(texte[1].punkte[0], POINT(2775, -1620));
}

TEST_F(SeitenAbbildung, UnderscoreSwallowsTheNextCharacter)
{
    MitSchriften();
    for (const char* text : {"a_b", "a_", "_xa"}) {
        dc.Leeren();
        abbildung.TextAusgabe(22, 0, 0, text);
        ASSERT_EQ(Texte().size(), 1u) << text;
        EXPECT_EQ(Texte()[0].text, "a") << text;
        EXPECT_EQ(Texte()[0].punkte[0], POINT(2600, -1570)) << text;
    }
}

TEST_F(SeitenAbbildung, MarkupSwitchesFontsAndRestoresTheFormerOne)
{
    MitSchriften();
    abbildung.TextAusgabe(22, 0, 0, "<fs>r<fn>s");
    auto texte = Texte();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].zustand.schrift, symbol);
    EXPECT_EQ(texte[1].zustand.schrift, normal);
    EXPECT_EQ(texte[1].punkte[0], POINT(2600 + 200, -1570));
    EXPECT_EQ(dc.GetCurrentFont(), vorher);

    // Code 33 centres by the measured width (200 + 150), without inset.
    dc.Leeren();
    abbildung.TextAusgabe(33, 0, 0, "<fs>r<fn><t>s");
    texte = Texte();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].punkte[0], POINT(2500 - 175, -1570));
    EXPECT_EQ(texte[1].punkte[0], POINT(2325 + 200 + 25, -1620));
    EXPECT_EQ(dc.GetCurrentFont(), vorher);
}

TEST_F(SeitenAbbildung, MarkupWithoutFontsKeepsTheSelectedFont)
{
    // Init clears the fonts; a page that sets none still prints in the font it selected.
    abbildung.TextAusgabe(22, 0, 0, "<fs>a<fn>b<t>c");
    abbildung.TextAusgabe(33, 0, 0, "<fs>ab");
    const auto texte = Texte();
    ASSERT_EQ(texte.size(), 5u);
    for (const DCEintrag& e : texte)
        EXPECT_EQ(e.zustand.schrift, vorher) << e.text;
    EXPECT_EQ(texte[1].punkte[0], POINT(2600 + 100, -1570));
    // Lowering needs a step, which only the fonts' setter gives.
    EXPECT_EQ(texte[2].punkte[0], POINT(2700 + 100 + 25, -1570));
    EXPECT_EQ(texte[3].punkte[0], POINT(2500 - 100, -1570));
    EXPECT_EQ(dc.GetCurrentFont(), vorher);
}

TEST_F(SeitenAbbildung, MarkupWidthMeasuresEachRunInItsFont)
{
    EXPECT_EQ(MessenAuszeichnungsText(dc, "<fs>r<fn><t>s", &normal, &symbol), 200 + 150);
    EXPECT_EQ(dc.GetCurrentFont(), vorher);
    EXPECT_EQ(MessenAuszeichnungsText(dc, "", &normal, &symbol), 0);
    EXPECT_EQ(MessenAuszeichnungsText(dc, "<h>x<n>", &normal, &symbol), 100);
    // A "<" that begins no tag is measured with the run after it.
    EXPECT_EQ(MessenAuszeichnungsText(dc, "a<b", &normal, &symbol), 300);
    EXPECT_EQ(MessenAuszeichnungsText(dc, "<fsx>ab<fn", &normal, &symbol), 400);
    EXPECT_EQ(MessenAuszeichnungsText(dc, "<fs>ab", nullptr, nullptr), 200);
    EXPECT_EQ(dc.GetCurrentFont(), vorher);
}

TEST_F(SeitenAbbildung, MarkupInDeviceUnitsSitsOnAQuarterOfTheXHeight)
{
    dc.SetTextAlign(TA_TOP | TA_RIGHT);
    const RECT zelle{1000, -1000, 3000, -1500};
    // "X" is 300 high in the normal font: base line at −1500 + 75; width 150 + 200 + 150 + 150.
    ZeichneTextAusgerichtet(normal, symbol, dc, zelle, TA_CENTER, "a<fs>b<fn><h>c<t>d");
    const auto texte = Texte();
    ASSERT_EQ(texte.size(), 4u);
    EXPECT_EQ(texte[0].punkte[0], POINT(2000 - 325, -1425));
    EXPECT_EQ(texte[0].zustand.schrift, normal);
    EXPECT_EQ(texte[0].ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(texte[1].punkte[0], POINT(1825, -1385));
    EXPECT_EQ(texte[1].zustand.schrift, symbol);
    EXPECT_EQ(texte[2].punkte[0], POINT(2025, -1365));
    EXPECT_EQ(texte[3].punkte[0], POINT(2175, -1485));
    EXPECT_EQ(dc.GetCurrentFont(), vorher);
    EXPECT_EQ(dc.GetTextAlign(), TA_TOP | TA_RIGHT);

    // Runs go out whole; other alignments start at the middle; unknown tags are dropped.
    dc.Leeren();
    ZeichneTextAusgerichtet(normal, symbol, dc, zelle, TA_LEFT, "ab<x>cd");
    ASSERT_EQ(Texte().size(), 2u);
    EXPECT_EQ(Texte()[0].text, "ab");
    EXPECT_EQ(Texte()[0].punkte[0], POINT(2000, -1425));
    EXPECT_EQ(Texte()[1].punkte[0], POINT(2300, -1425));
}
