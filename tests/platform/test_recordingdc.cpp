#include "dib_muster.h"
#include "platform/recordingdc.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

CFont Schrift(int hoehe, int escapement = 0, const char* name = "Tahoma")
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, 0, 0, 16, 0, 48, name);
    return schrift;
}

// The stand-in metric: cell 300 → ascent 240, descent 60, every character 150 wide.
struct FesterDC : RecordingDC
{
    FesterDC() : RecordingDC(CFesteTextMetrik()) { SelectObject(Schrift(300)); }
};

POINT Anker(const DCEintrag& e)
{
    return e.punkte.at(0);
}

} // namespace

TEST(RecordingDC, FreshContextHoldsTheDefaultObjects)
{
    FesterDC dc;
    const CDC::Zustand& z = dc.AktuellerZustand();
    EXPECT_EQ(z.stift.Stil(), PS_SOLID);
    EXPECT_EQ(z.stift.Breite(), 0);
    EXPECT_EQ(z.stift.Farbe(), RGB(0, 0, 0));
    EXPECT_EQ(z.pinsel.Farbe(), RGB(255, 255, 255));
    EXPECT_EQ(z.textFarbe, RGB(0, 0, 0));
    EXPECT_EQ(z.hintergrundModus, OPAQUE);
    EXPECT_EQ(z.ausrichtung, TA_LEFT | TA_TOP);
    EXPECT_EQ(RGB(0, 0, 255), 0xFF0000u);
}

TEST(RecordingDC, SelectionReturnsThePreviousObjectAndIgnoresEmptyOnes)
{
    FesterDC dc;
    const CPen dick(PS_SOLID, 40, RGB(1, 2, 3));
    const CPen vorher = dc.SelectObject(dick);
    EXPECT_EQ(vorher.Breite(), 0);
    EXPECT_EQ(dc.SelectObject(vorher), dick);

    // A pen made and dropped in a scope stays selected as a value.
    {
        CPen kurz(PS_DOT, 1, RGB(9, 9, 9));
        dc.SelectObject(kurz);
    }
    EXPECT_EQ(dc.GetCurrentPen().Stil(), PS_DOT);

    const CFont leer;
    const CFont alt = dc.GetCurrentFont();
    EXPECT_FALSE(dc.SelectObject(leer));
    EXPECT_EQ(dc.GetCurrentFont(), alt);
    EXPECT_FALSE(CPen().CreatePen(7, 1, 0)); // unknown style: no pen
    EXPECT_EQ(dc.SetTextAlign(TA_BASELINE | TA_RIGHT), TA_LEFT | TA_TOP);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(99), 0);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
}

TEST(RecordingDC, SaveAndRestoreBringBackEveryPropertyAtTheRightDepth)
{
    FesterDC dc;
    dc.MoveTo(10, 20);
    const int erste = dc.SaveDC();
    dc.SelectObject(CPen(PS_SOLID, 20, 0));
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetTextAlign(TA_BOTTOM);
    dc.MoveTo(30, 40);
    const int zweite = dc.SaveDC();
    dc.SelectObject(Schrift(525));
    dc.SetBkColor(RGB(0, 255, 0));
    EXPECT_EQ(erste, 1);
    EXPECT_EQ(zweite, 2);

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().lfHeight, 300);
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetCurrentPen().Breite(), 20);

    dc.SaveDC();
    EXPECT_TRUE(dc.RestoreDC(erste)); // drops every later state too
    EXPECT_EQ(dc.GetCurrentPen().Breite(), 0);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetTextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(dc.GetCurrentPosition(), POINT(10, 20));
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(1));
    EXPECT_FALSE(dc.RestoreDC(0));
}

TEST(RecordingDC, LinesAndShapesAreRecordedWithTheStateOfTheirCall)
{
    FesterDC dc;
    EXPECT_EQ(dc.MoveTo(100, -200), POINT(0, 0));
    dc.LineTo(300, -400);
    dc.SelectObject(CPen(PS_DOT, 1, 0));
    dc.LineTo(500, -400);
    const POINT zwei[] = {{1, 1}, {2, 2}};
    EXPECT_FALSE(dc.Polyline(zwei, 1));
    EXPECT_FALSE(dc.Polygon(nullptr, 3));
    EXPECT_TRUE(dc.Polygon(zwei, 2)); // a degenerate marker still draws
    dc.SelectObject(CBrush(RGB(7, 8, 9)));
    dc.Ellipse(0, 10, 20, -10);
    dc.FillRect({0, 0, 5, -5}, CBrush());
    dc.FillRect({0, 0, 5, -5}, CBrush(RGB(1, 1, 1)));

    const auto& e = dc.Eintraege();
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[0].punkte, (std::vector<POINT>{{100, -200}, {300, -400}}));
    EXPECT_EQ(e[0].zustand.stift.Stil(), PS_SOLID);
    EXPECT_EQ(e[1].punkte, (std::vector<POINT>{{300, -400}, {500, -400}}));
    EXPECT_EQ(e[1].zustand.stift.Stil(), PS_DOT);
    EXPECT_EQ(e[2].art, DCPrimitiv::Polygon);
    EXPECT_EQ(e[3].art, DCPrimitiv::Ellipse);
    EXPECT_EQ(e[3].rechteck, (RECT{0, 10, 20, -10}));
    EXPECT_EQ(e[3].zustand.pinsel.Farbe(), RGB(7, 8, 9));
    EXPECT_EQ(e[4].art, DCPrimitiv::Flaeche);
    EXPECT_EQ(e[4].fuellung.Farbe(), RGB(1, 1, 1));
    EXPECT_EQ(dc.GetCurrentPosition(), POINT(500, -400));
}

TEST(RecordingDC, TextIsRecordedWithItsAnchorAlignmentAndState)
{
    FesterDC dc;
    dc.SetTextAlign(TA_BOTTOM | TA_RIGHT);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(1000, -2000, "abc");
    dc.TextOut(0, 0, ""); // nothing to draw

    ASSERT_EQ(dc.Eintraege().size(), 1u);
    const DCEintrag& text = dc.Eintraege()[0];
    EXPECT_EQ(text.art, DCPrimitiv::Text);
    EXPECT_EQ(Anker(text), POINT(1000, -2000));
    EXPECT_EQ(text.ausrichtung, TA_BOTTOM | TA_RIGHT);
    EXPECT_EQ(text.breite, 450);
    EXPECT_EQ(text.kasten, RECT(550, -1700, 1000, -2000));
    EXPECT_EQ(text.zustand.schrift.GetLogFont().lfHeight, 300);
    EXPECT_EQ(text.zustand.hintergrundModus, TRANSPARENT);
    EXPECT_FALSE(text.ausDrawText);
    EXPECT_EQ(dc.GetTextExtent("X"), SIZE(150, 300));
}

TEST(RecordingDC, UpdateCpDrawsAtTheCurrentPositionAndAdvancesByTheWidth)
{
    FesterDC dc;
    dc.SetTextAlign(TA_BOTTOM | TA_LEFT | TA_UPDATECP);
    dc.MoveTo(1000, -500);
    dc.TextOut(99, 99, "ab"); // coordinates are ignored
    dc.TextOut(0, 0, "cde");
    EXPECT_EQ(dc.GetCurrentPosition(), POINT(1000 + 300 + 450, -500));

    dc.SetTextAlign(TA_RIGHT | TA_UPDATECP);
    dc.TextOut(0, 0, "f");
    EXPECT_EQ(dc.GetCurrentPosition(), POINT(1750 - 150, -500));
    dc.SetTextAlign(TA_CENTER | TA_UPDATECP);
    dc.TextOut(0, 0, "gg");
    EXPECT_EQ(dc.GetCurrentPosition(), POINT(1600, -500));

    // Up the page for a font turned by 270 degrees.
    dc.SelectObject(Schrift(300, 2700));
    dc.SetTextAlign(TA_LEFT | TA_UPDATECP);
    dc.TextOut(0, 0, "hh");
    EXPECT_EQ(dc.GetCurrentPosition(), POINT(1600, -200));

    const auto texte = dc.Texte();
    ASSERT_EQ(texte.size(), 5u);
    EXPECT_EQ(Anker(texte[0]), POINT(1000, -500));
    EXPECT_EQ(Anker(texte[1]), POINT(1300, -500));
    EXPECT_EQ(texte[1].ausrichtung, TA_BOTTOM | TA_LEFT); // placed without the update flag
    EXPECT_EQ(Anker(texte[2]), POINT(1750, -500));
}

TEST(RecordingDC, EscapementTurnsTextClockwiseOnThePageAroundItsAnchor)
{
    // Each case: escapement, alignment, the cell of "abcd" (600 wide) anchored at (1000, −2000).
    struct Fall
    {
        int escapement;
        unsigned ausrichtung;
        RECT kasten;
    };
    const Fall faelle[] = {
        // 2700 reads upward, the glyph tops to the left.
        {2700, TA_BOTTOM | TA_LEFT, {700, -1400, 1000, -2000}},
        {2700, TA_TOP | TA_RIGHT, {1000, -2000, 1300, -2600}},
        {2700, TA_BASELINE | TA_CENTER, {760, -1700, 1060, -2300}},
        // 900 reads downward, the tops to the right.
        {900, TA_BOTTOM | TA_LEFT, {1000, -2000, 1300, -2600}},
    };
    for (const Fall& fall : faelle) {
        FesterDC dc;
        dc.SelectObject(Schrift(300, fall.escapement));
        dc.SetTextAlign(fall.ausrichtung);
        dc.TextOut(1000, -2000, "abcd");
        EXPECT_EQ(dc.Texte().at(0).kasten, fall.kasten)
            << fall.escapement << " " << fall.ausrichtung;
    }

    // 1 sinks to the right, and the position follows (40 characters, 6000 units: 10.5 lower).
    FesterDC dc;
    dc.SelectObject(Schrift(300, 1));
    dc.SetTextAlign(TA_BASELINE | TA_LEFT | TA_UPDATECP);
    dc.MoveTo(1000, -2000);
    dc.TextOut(0, 0, std::string(40, 'x'));
    EXPECT_EQ(dc.GetCurrentPosition(), POINT(7000, -2010));
    EXPECT_EQ(dc.Texte().at(0).kasten, RECT(1000, -1760, 7000, -2070));
}

TEST(RecordingDC, DrawTextBreaksAtBlanksOnlyAndKeepsLongWordsWhole)
{
    FesterDC dc;
    // 10 characters fit in 1500 units.
    const RECT rechteck{1000, -1000, 2500, -5000};
    const int hoehe = dc.DrawText("Sand-Kies-Gemisch  und  Boden x", rechteck,
                                  DT_WORDBREAK | DT_CENTER | DT_NOCLIP | DT_NOPREFIX);
    const auto texte = dc.Texte();
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(texte[0].text, "Sand-Kies-Gemisch");
    EXPECT_EQ(texte[1].text, "und  Boden"); // inner blanks stay, blanks at the break vanish
    EXPECT_EQ(texte[2].text, "x");
    EXPECT_EQ(hoehe, 900);
    // Centred by the measured width; the long word runs out on both sides.
    EXPECT_EQ(Anker(texte[0]), POINT(1000 + (1500 - 17 * 150) / 2, -1000));
    EXPECT_EQ(Anker(texte[1]), POINT(1000, -1300));
    EXPECT_EQ(Anker(texte[2]), POINT(1000 + (1500 - 150) / 2, -1600));
    EXPECT_EQ(texte[0].ausrichtung, TA_LEFT | TA_TOP);
    EXPECT_EQ(texte[0].rechteck, rechteck);
    EXPECT_TRUE(texte[0].ausDrawText);

    dc.Leeren();
    dc.DrawText("eins\r\nzwei\n\ndrei", rechteck, DT_LEFT);
    ASSERT_EQ(dc.Texte().size(), 3u); // the empty paragraph takes a line but draws nothing
    // The CR of a CR LF belongs to the line break and is not drawn.
    EXPECT_EQ(dc.Texte()[0].text, "eins");
    EXPECT_EQ(dc.Texte()[1].text, "zwei");
    EXPECT_EQ(Anker(dc.Texte()[2]), POINT(1000, -1900));
}

TEST(RecordingDC, CalcRectMeasuresWithoutDrawing)
{
    FesterDC dc;
    RECT rechteck{0, 0, 1000, -10000};
    EXPECT_EQ(dc.DrawText("Kies Sand Schluff", rechteck, DT_CALCRECT | DT_WORDBREAK | DT_CENTER),
              900);
    EXPECT_EQ(rechteck, (RECT{0, 0, 1050, -900})); // widened to "Schluff", 7 characters
    EXPECT_TRUE(dc.Eintraege().empty());

    RECT eng{0, 0, 1000, -10000};
    dc.DrawText("Kies", eng, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(eng, (RECT{0, 0, 600, -300})); // narrowed to the text

    RECT leer{0, 0, 1000, -10000};
    EXPECT_EQ(dc.DrawText("", leer, DT_CALCRECT | DT_WORDBREAK), 0);
    EXPECT_EQ(leer, (RECT{0, 0, 0, 0}));

    RECT einzeilig{0, 0, 100, -10000};
    EXPECT_EQ(dc.DrawText("a b c", einzeilig, DT_CALCRECT | DT_SINGLELINE), 300);
    EXPECT_EQ(einzeilig.right, 750);
}

TEST(RecordingDC, SingleLineCentresVerticallyAndAlignsRight)
{
    FesterDC dc;
    const RECT band{0, -1000, 10000, -1700};
    dc.DrawText("Seite 1 von 3", band, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOCLIP);
    dc.DrawText("A & B", band, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    dc.DrawText("A && B &x", band, DT_SINGLELINE | DT_LEFT);
    const auto texte = dc.Texte();
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(Anker(texte[0]), POINT(10000 - 13 * 150, -1000 - (700 - 300) / 2));
    EXPECT_EQ(texte[1].text, "A & B");
    EXPECT_EQ(texte[2].text, "A & B x");         // without DT_NOPREFIX "&" marks a mnemonic
    EXPECT_EQ(Anker(texte[2]), POINT(0, -1000)); // without DT_VCENTER at the top
}

TEST(RecordingDC, DeviceCoordinatesTruncateTowardZeroAndRefuseWhatDoesNotFit)
{
    EXPECT_EQ(ZuGeraeteInt(-0.7), 0);
    EXPECT_EQ(ZuGeraeteInt(-2.9), -2);
    EXPECT_EQ(ZuGeraeteInt(2.9), 2);
    EXPECT_EQ(ZuGeraeteInt(2147483647.9), 2147483647);
    EXPECT_FALSE(ZuGeraeteInt(2147483648.0));
    EXPECT_FALSE(ZuGeraeteInt(-1e300));
    EXPECT_FALSE(ZuGeraeteInt(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ZuGeraeteInt(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(ZuGeraetePunkt(1.0, std::nan("")));
    EXPECT_EQ(ZuGeraetePunkt(1.5, -1.5), POINT(1, -1));

    // A caller skips the primitive: a NaN point draws nothing.
    FesterDC dc;
    if (const auto p = ZuGeraetePunkt(std::nan(""), 0))
        dc.LineTo(*p);
    EXPECT_TRUE(dc.Eintraege().empty());
}

TEST(RecordingDC, BitmapsAreRecordedWithNormalisedRectangles)
{
    FesterDC dc;
    const DibMuster muster = ErzeugeDibMuster(8, 4);
    EXPECT_EQ(dc.StretchDIBits(100, -200, 4000, -2000, 0, 0, 8, 4, muster.Sicht()), 4);
    EXPECT_EQ(dc.StretchDIBits(4100, -2200, -4000, 2000, 8, 4, -8, -4, muster.Sicht()), 4);
    EXPECT_EQ(dc.StretchDIBits(0, 0, 0, 10, 0, 0, 8, 4, muster.Sicht()), 0);
    EXPECT_EQ(dc.StretchDIBits(0, 0, 10, 10, 0, 0, 8, 4, DIB{}), 0);
    EXPECT_EQ(dc.StretchDIBits(2147483000, 0, 10000, 10, 0, 0, 8, 4, muster.Sicht()), 0);

    ASSERT_EQ(dc.Eintraege().size(), 2u);
    for (const DCEintrag& e : dc.Eintraege()) {
        EXPECT_EQ(e.art, DCPrimitiv::Bild);
        EXPECT_EQ(e.rechteck, (RECT{100, -200, 4100, -2200}));
        EXPECT_EQ(e.quelle, (RECT{0, 0, 8, 4}));
        EXPECT_EQ(e.bildBreite, 8);
        EXPECT_EQ(e.bildHoehe, 4);
    }
}
