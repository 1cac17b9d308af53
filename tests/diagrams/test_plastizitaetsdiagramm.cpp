#include "diagrams/plastizitaetsdiagramm.h"
#include "zustandsgrenzentest.h"

namespace {

// Rows 12 and 13 of the chart data text.
std::string Konsistenzdaten(const std::string& striche, const std::string& ic)
{
    return "||||||||||||" + striche + "|" + ic;
}

// From 2.00 on the left to −0.50 on the right in steps of 0.25: 1380 units per step.
const std::string konsistenzStriche = "2.00@1.75@1.50@1.25@1.00@0.75@0.50@0.25@0.00@-0.25@-0.50";

// Rows 15 and 16: wl and Ip.
std::string Probe(const std::string& wl, const std::string& ip)
{
    return "|||||||||||||||" + wl + "|" + ip;
}

class Konsistenz : public Zustandsgrenzentest
{
protected:
    void Zeichne(const std::string& daten, bool unformatiert = false)
    {
        dc.Leeren();
        ZeichneKonsistenzBalken(dc, rechteck, daten, katalog, stift1, stift4, schrift0, schrift6,
                                unformatiert);
    }
    const RECT rechteck{16000, -2000, 29800, -4000};
};

class Plastizitaet : public Zustandsgrenzentest
{
protected:
    void Zeichne(const std::string& daten, bool unformatiert = false)
    {
        dc.Leeren();
        ZeichnePlastizitaetsDiagramm(dc, rechteck, daten, katalog, stift1, stift4, schrift0,
                                     schrift6, unformatiert);
    }
    // 200 units per percent on both axes.
    const RECT rechteck{3000, -10000, 21000, -20000};
};

} // namespace

TEST_F(Konsistenz, BandsLabelsMarkerAndValue)
{
    Zeichne(Konsistenzdaten(konsistenzStriche, "0.875"));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    const auto linien = Linien();
    ASSERT_EQ(linien.size(), 4u + 11 + 5 + 1 + 1);
    EXPECT_EQ(linien[0], (Punkte{{16000, -2000}, {29800, -2000}}));
    // Larger values on the left.
    EXPECT_EQ(linien[4], (Punkte{{16000, -4000}, {16000, -4160}}));
    EXPECT_EQ(linien[5], (Punkte{{17380, -4000}, {17380, -4160}}));
    EXPECT_EQ(linien[14], (Punkte{{29800, -4000}, {29800, -4160}}));
    // Band borders at the ticks 3, 4, 5, 6 and 8, and the line across.
    EXPECT_EQ(linien[15], (Punkte{{20140, -4000}, {20140, -3650}}));
    EXPECT_EQ(linien[19], (Punkte{{27040, -4000}, {27040, -3650}}));
    EXPECT_EQ(linien[20], (Punkte{{16000, -3650}, {29800, -3650}}));
    // The marker from above the bar down to the bands, with its triangle.
    EXPECT_EQ(linien[21], (Punkte{{22210, -1840}, {22210, -3650}}));
    EXPECT_EQ(Linie({22210, -1840}, {22210, -3650}).zustand.stift, stift1);
    const auto dreiecke = Eintraege(DCPrimitiv::Polygon);
    ASSERT_EQ(dreiecke.size(), 1u);
    EXPECT_EQ(dreiecke[0].punkte, (Punkte{{22210, -3650}, {22130, -3500}, {22290, -3500}}));
    EXPECT_EQ(dreiecke[0].zustand.pinsel, CBrush(RGB(0, 0, 0)));
    EXPECT_EQ(dreiecke[0].zustand.stift, stift1);

    EXPECT_EQ(Texte(),
              (std::vector<std::string>{"Konsistenzzahl [-]", "1.25", "1.00", "0.75", "0.50",
                                        "0.00", "fest", "halbf.", "steif", "weich", "breiig",
                                        "flüssig", "Ic = (wl - w<0,4)/Ip  = 0.875"}));
    const DCEintrag titel = Text("Konsistenzzahl [-]");
    EXPECT_EQ(titel.punkte[0], (POINT{29800, -4800}));
    EXPECT_EQ(titel.ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(Text("1.25").punkte[0], (POINT{20140, -4460}));
    EXPECT_EQ(Text("1.25").ausrichtung, TA_BASELINE | TA_CENTER);
    // The label of tick 8 stands 20 units right of it.
    EXPECT_EQ(Text("0.00").punkte[0], (POINT{27060, -4460}));
    EXPECT_EQ(Text("fest").punkte[0], (POINT{18070, -3930}));
    EXPECT_EQ(Text("halbf.").punkte[0], (POINT{20830, -3930}));
    EXPECT_EQ(Text("breiig").punkte[0], (POINT{25660, -3930}));
    EXPECT_EQ(Text("flüssig").punkte[0], (POINT{28420, -3930}));
    const DCEintrag wert = Text("Ic = (wl - w<0,4)/Ip  = 0.875");
    EXPECT_EQ(wert.punkte[0], (POINT{16000, -1880}));
    EXPECT_EQ(wert.ausrichtung, TA_BASELINE | TA_LEFT);
    EXPECT_EQ(dc.GetCurrentPen(), stift1);
    EXPECT_EQ(dc.GetCurrentFont(), schrift0);
}

TEST_F(Konsistenz, MarkerOnlyWithinTheTicksBothEndsIncluded)
{
    for (const char* ic : {"2.00", "-0.50", "1.0"}) {
        Zeichne(Konsistenzdaten(konsistenzStriche, ic));
        EXPECT_EQ(Eintraege(DCPrimitiv::Polygon).size(), 1u) << ic;
    }
    EXPECT_TRUE(HatLinie({21520, -1840}, {21520, -3650}));
    for (const char* ic : {"2.01", "-0.6"}) {
        Zeichne(Konsistenzdaten(konsistenzStriche, ic));
        EXPECT_TRUE(Eintraege(DCPrimitiv::Polygon).empty()) << ic;
        // The value is printed in every case.
        EXPECT_TRUE(HatText(std::string("Ic = (wl - w<0,4)/Ip  = ") + ic)) << ic;
    }
}

TEST_F(Konsistenz, IndexPrintsAsStoredWhateverThePercentSetting)
{
    g_pfade.anteilAlsProzent = true;
    Zeichne(Konsistenzdaten(konsistenzStriche, "0.85"));
    EXPECT_TRUE(HatText("Ic = (wl - w<0,4)/Ip  = 0.85"));
    EXPECT_TRUE(HatText("Konsistenzzahl [-]"));
    EXPECT_TRUE(HatText("0.75"));
}

TEST_F(Konsistenz, EmptyDataDrawsNothingShortRowsOnlyWhatTheirTicksAllow)
{
    dc.SetBkMode(OPAQUE);
    Zeichne("");
    EXPECT_TRUE(dc.Eintraege().empty());
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);

    // Five ticks: labels and borders at ticks 3 and 4, the bands "fest" and "halbf." only.
    Zeichne(Konsistenzdaten("1.0@0.75@0.5@0.25@0", "0.6"));
    EXPECT_EQ(Texte(), (std::vector<std::string>{"Konsistenzzahl [-]", "0.25", "0", "fest",
                                                 "halbf.", "Ic = (wl - w<0,4)/Ip  = 0.6"}));
    EXPECT_EQ(Linien().size(), 4u + 5 + 2 + 1 + 1);
    EXPECT_EQ(Eintraege(DCPrimitiv::Polygon).size(), 1u);

    // Data without row 12 or with equal end ticks: no scale, nothing placed from it.
    for (const std::string& daten :
         {std::string("0.5"), Konsistenzdaten("1@1", "1"), Konsistenzdaten("abc@0.5", "0.7")}) {
        Zeichne(daten);
        EXPECT_TRUE(AllesAufDerSeite());
        EXPECT_TRUE(HatLinie({16000, -4000}, {16000, -4160}));
    }
}

TEST_F(Plastizitaet, FixedChartWithALineLimitsAndNames)
{
    Zeichne("");
    EXPECT_TRUE(Eintraege(DCPrimitiv::Ellipse).empty());
    const auto linien = Linien();
    ASSERT_EQ(linien.size(), 4u + 10 + 6 + 5 + 1);
    EXPECT_EQ(linien[0], (Punkte{{3000, -10000}, {21000, -10000}}));
    EXPECT_EQ(linien[4], (Punkte{{3000, -20000}, {3000, -20160}}));
    EXPECT_EQ(linien[13], (Punkte{{21000, -20000}, {21000, -20160}}));
    EXPECT_EQ(linien[14], (Punkte{{3000, -10000}, {2840, -10000}}));
    EXPECT_EQ(linien[19], (Punkte{{3000, -20000}, {2840, -20000}}));
    // Dotted: the A-line from Ip 4 to 7, the lines Ip 4 and 7, the limits wl 35 and 50.
    EXPECT_EQ(linien[20], (Punkte{{8095, -19200}, {8917, -18600}}));
    EXPECT_EQ(linien[21], (Punkte{{3600, -19200}, {8095, -19200}}));
    EXPECT_EQ(linien[22], (Punkte{{3600, -18600}, {8917, -18600}}));
    EXPECT_EQ(linien[23], (Punkte{{10000, -20000}, {10000, -10700}}));
    EXPECT_EQ(linien[24], (Punkte{{13000, -20000}, {13000, -10700}}));
    EXPECT_EQ(Linie({13000, -20000}, {13000, -10700}).zustand.stift, stift4);
    // Solid: the A-line above Ip 7.
    EXPECT_EQ(linien[25], (Punkte{{8917, -18600}, {20698, -10000}}));
    EXPECT_EQ(Linie({8917, -18600}, {20698, -10000}).zustand.stift, stift1);

    const DCEintrag xTitel = Text("Fließgrenze wl[%]");
    EXPECT_EQ(xTitel.punkte[0], (POINT{21000, -20850}));
    EXPECT_EQ(xTitel.ausrichtung, TA_BASELINE | TA_RIGHT);
    const DCEintrag yTitel = Text("Plastizitätszahl Ip[%]");
    EXPECT_EQ(yTitel.punkte[0], (POINT{2250, -12300}));
    EXPECT_EQ(yTitel.ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(yTitel.zustand.schrift, schrift6);
    EXPECT_EQ(Text("0.9").punkte[0], (POINT{21000, -20460}));
    // The fraction labels 0.0 to 0.5 stand on both axes: the Ip ones right-aligned.
    EXPECT_EQ(Texte("0.5"), 2u);
    EXPECT_EQ(Texte("0.6"), 1u);
    const auto texte = Eintraege(DCPrimitiv::Text);
    const auto oben = std::find_if(texte.begin(), texte.end(), [](const DCEintrag& e) {
        return e.text == "0.5" && e.ausrichtung == (TA_BASELINE | TA_RIGHT);
    });
    ASSERT_NE(oben, texte.end());
    EXPECT_EQ(oben->punkte[0], (POINT{2840, -10100}));

    EXPECT_EQ(Text("leichtplastisch").punkte[0], (POINT{6500, -10600}));
    EXPECT_EQ(Text("mittelplastisch").punkte[0], (POINT{11500, -10600}));
    EXPECT_EQ(Text("ausgeprägtplastisch").punkte[0], (POINT{17000, -10600}));
    EXPECT_EQ(Text("TM").punkte[0], (POINT{11500, -11600}));
    EXPECT_EQ(Text("OA").punkte[0], (POINT{17000, -17600}));
    EXPECT_EQ(Text("UL").punkte[0], (POINT{9400, -19100}));
    EXPECT_EQ(Text("SU").punkte[0], (POINT{6500, -19700}));
    EXPECT_EQ(Text("UA").ausrichtung, TA_BASELINE | TA_CENTER);
    const auto alle = Texte();
    const std::vector<std::string> namen(alle.end() - 13, alle.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"leichtplastisch", "mittelplastisch",
                                               "ausgeprägtplastisch", "TL", "TM", "TA", "ST", "OU",
                                               "OA", "UL", "SU", "UM", "UA"}));
    EXPECT_EQ(dc.GetCurrentPen(), stift1);
    EXPECT_EQ(dc.GetCurrentFont(), schrift0);
}

TEST_F(Plastizitaet, SampleAsDotInCircleWithGuideLines)
{
    Zeichne(Probe("0.45", "0.25"));
    const auto kreise = Eintraege(DCPrimitiv::Ellipse);
    ASSERT_EQ(kreise.size(), 2u);
    EXPECT_EQ(kreise[0].rechteck, (RECT{11855, -14855, 12145, -15145}));
    EXPECT_EQ(kreise[0].zustand.pinsel, CBrush(RGB(255, 255, 255)));
    EXPECT_EQ(kreise[0].zustand.stift, stift1);
    EXPECT_EQ(kreise[1].rechteck, (RECT{11930, -14930, 12070, -15070}));
    EXPECT_EQ(kreise[1].zustand.pinsel, CBrush(RGB(0, 0, 0)));
    EXPECT_EQ(Linie({12000, -20000}, {12000, -15000}).zustand.stift, stift1);
    EXPECT_TRUE(HatLinie({12000, -15000}, {3000, -15000}));

    // Values at or below 0.001 show no sample.
    for (const auto& [wl, ip] : {std::pair{"0.001", "0.25"}, {"0.45", "0.001"}, {"", ""}}) {
        Zeichne(Probe(wl, ip));
        EXPECT_TRUE(Eintraege(DCPrimitiv::Ellipse).empty()) << wl << " " << ip;
    }
    // Beyond the axes the sample and its guide lines stand outside the frame.
    Zeichne(Probe("1.2", "0.6"));
    ASSERT_EQ(Eintraege(DCPrimitiv::Ellipse).size(), 2u);
    EXPECT_TRUE(HatLinie({27000, -20000}, {27000, -8000}));
    // Values that cannot be placed draw nothing of the sample.
    Zeichne(Probe("1e300", "0.25"));
    EXPECT_TRUE(Eintraege(DCPrimitiv::Ellipse).empty());
    EXPECT_TRUE(AllesAufDerSeite());
}

TEST_F(Plastizitaet, PercentSettingChangesTheAxisLabels)
{
    g_pfade.anteilAlsProzent = true;
    Zeichne(Probe("0.45", "0.25"));
    EXPECT_TRUE(HatText("90.0"));
    EXPECT_TRUE(HatText("50.0"));
    EXPECT_FALSE(HatText("0.9"));
    EXPECT_TRUE(HatText("Fließgrenze wl[%]"));
    Zeichne(Probe("0.45", "0.25"), true);
    EXPECT_TRUE(HatText("0.9"));
}
