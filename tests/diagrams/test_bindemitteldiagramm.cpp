#include "data/pfade.h"
#include "diagrams/bindemitteldiagramm.h"
#include "platform/recordingdc.h"
#include "report/textkatalog.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using Punkte = std::vector<POINT>;

CFont Schrift(int escapement)
{
    CFont schrift;
    schrift.CreateFont(300, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, 0, 0, 16, 0, 48,
                       "Tahoma");
    return schrift;
}

struct Diagramm : ::testing::Test
{
    ~Diagramm() override { g_pfade = vorher; }

    std::vector<DCEintrag> Linien() const
    {
        std::vector<DCEintrag> linien;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == DCPrimitiv::Linienzug)
                linien.push_back(e);
        return linien;
    }
    // The lines drawn after frame, ticks and grid.
    std::vector<DCEintrag> Zeichnung(std::size_t geruest) const
    {
        std::vector<DCEintrag> linien = Linien();
        linien.erase(linien.begin(), linien.begin() + static_cast<long>(geruest));
        return linien;
    }
    bool HatLinie(POINT von, POINT bis, const CPen& stift) const
    {
        return std::ranges::any_of(Linien(), [&](const DCEintrag& e) {
            return e.punkte == Punkte{von, bis} && e.zustand.stift == stift;
        });
    }
    // The first text of that wording, with that alignment when one is given.
    const DCEintrag* TextEintrag(const std::string& text, unsigned ausrichtung = ~0u) const
    {
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == DCPrimitiv::Text && e.text == text &&
                (ausrichtung == ~0u || e.ausrichtung == ausrichtung))
                return &e;
        return nullptr;
    }

    CFesteTextMetrik metrik;
    RecordingDC dc{metrik};
    CTextKatalog katalog;
    const CPen rahmen{PS_SOLID, 20, RGB(0, 0, 0)};
    const CPen punkt{PS_DOT, 1, RGB(0, 0, 0)};
    const CFont schrift = Schrift(0);
    const CFont senkrecht = Schrift(2700);
    const CPfade vorher = g_pfade;
};

// 100 device units per cm and per kg: the frame is 10000 square.
struct BindemittelDiagramm : Diagramm
{
    void Zeichne(const std::string& daten, bool xRoh = true)
    {
        dc.Leeren();
        ZeichneBindemittelDiagramm(dc, rechteck, daten, katalog, rahmen, punkt, schrift, senkrecht,
                                   xRoh);
    }
    const RECT rechteck{3000, -5000, 13000, -15000};
    // 4 frame lines, 11 + 21 ticks, 9 + 19 grid lines.
    static constexpr std::size_t Geruest = 4 + 32 + 28;
};

// 100 device units per MN/m² and per cm.
struct Ev2SollDiagramm : Diagramm
{
    void Zeichne(const std::string& daten)
    {
        dc.Leeren();
        ZeichneEv2SollDiagramm(dc, rechteck, daten, katalog, rahmen, punkt, schrift, senkrecht,
                               true);
    }
    // The curve lines with the frame pen, the project point's lines left out.
    std::vector<DCEintrag> Kurven() const
    {
        std::vector<DCEintrag> linien = Zeichnung(Geruest);
        std::erase_if(linien, [&](const DCEintrag& e) { return e.zustand.stift != rahmen; });
        return linien;
    }
    static double Q(double d) { return -16000 + d * 100; }
    const RECT rechteck{3000, -5000, 15000, -16000};
    // 4 frame lines, 13 + 12 ticks, 11 + 10 grid lines.
    static constexpr std::size_t Geruest = 4 + 25 + 21;
};

} // namespace

TEST_F(BindemittelDiagramm, FrameCaptionsTicksLabelsAndGrid)
{
    Zeichne("");
    const auto linien = Linien();
    ASSERT_EQ(linien.size(), Geruest);
    EXPECT_EQ(linien[0].punkte, (Punkte{{3000, -5000}, {13000, -5000}}));
    EXPECT_EQ(linien[3].punkte, (Punkte{{3000, -15000}, {3000, -5000}}));
    // Thickness ticks below the lower edge, binder ticks left of the frame from the top.
    EXPECT_EQ(linien[4].punkte, (Punkte{{3000, -15000}, {3000, -15160}}));
    EXPECT_EQ(linien[14].punkte, (Punkte{{13000, -15000}, {13000, -15160}}));
    EXPECT_EQ(linien[15].punkte, (Punkte{{3000, -5000}, {2840, -5000}}));
    EXPECT_EQ(linien[16].punkte, (Punkte{{3000, -5500}, {2840, -5500}}));
    EXPECT_EQ(linien[35].punkte, (Punkte{{3000, -15000}, {2840, -15000}}));
    EXPECT_EQ(linien[35].zustand.stift, rahmen);
    // Dotted grid at the inner ticks only.
    EXPECT_EQ(linien[36].punkte, (Punkte{{4000, -5000}, {4000, -15000}}));
    EXPECT_EQ(linien[36].zustand.stift, punkt);
    EXPECT_EQ(linien[45].punkte, (Punkte{{3000, -5500}, {13000, -5500}}));
    EXPECT_EQ(linien[63].punkte, (Punkte{{3000, -14500}, {13000, -14500}}));

    const auto texte = dc.Texte();
    ASSERT_EQ(texte.size(), 2u + 11u + 21u);
    EXPECT_EQ(texte[0].text, "Einbaustärke [cm]");
    EXPECT_EQ(texte[0].punkte[0], (POINT{13000, -15900}));
    EXPECT_EQ(texte[0].ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(texte[1].text, "Bindemittelzugabe [kg]");
    EXPECT_EQ(texte[1].punkte[0], (POINT{2100, -7500}));
    EXPECT_EQ(texte[1].ausrichtung, TA_BOTTOM | TA_LEFT);
    EXPECT_EQ(texte[1].zustand.schrift, senkrecht);
    EXPECT_EQ(texte[2].text, "0");
    EXPECT_EQ(texte[2].punkte[0], (POINT{3000, -15460}));
    EXPECT_EQ(texte[2].ausrichtung, TA_BASELINE | TA_CENTER);
    EXPECT_EQ(texte[12].text, "100");
    EXPECT_EQ(texte[12].punkte[0], (POINT{13000, -15460}));
    // The largest binder value at the top.
    EXPECT_EQ(texte[13].text, "100");
    EXPECT_EQ(texte[13].punkte[0], (POINT{2840, -5100}));
    EXPECT_EQ(texte[13].ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(texte[14].text, "95");
    EXPECT_EQ(texte[33].text, "0");
    EXPECT_EQ(texte[33].punkte[0], (POINT{2840, -15100}));
    EXPECT_EQ(texte[33].zustand.schrift, schrift);
}

// Tick positions step by the integer division of the width: the last tick may fall short of the
// right edge.
TEST_F(BindemittelDiagramm, TickStepsAreTruncated)
{
    dc.Leeren();
    ZeichneBindemittelDiagramm(dc, RECT{0, 0, 1005, -1019}, "", katalog, rahmen, punkt, schrift,
                               senkrecht, true);
    const auto linien = Linien();
    EXPECT_EQ(linien[14].punkte, (Punkte{{1000, -1019}, {1000, -1179}}));
    EXPECT_EQ(linien[35].punkte, (Punkte{{0, -1000}, {-160, -1000}}));
    // Grid lines reach the last tick, not the frame.
    EXPECT_EQ(linien.back().punkte, (Punkte{{0, -950}, {1000, -950}}));
}

TEST_F(BindemittelDiagramm, TwoLinesThroughTheOriginCutAtTheFrame)
{
    Zeichne("||50|30");
    auto linien = Zeichnung(Geruest);
    ASSERT_EQ(linien.size(), 2u);
    EXPECT_EQ(linien[0].punkte, (Punkte{{3000, -15000}, {13000, -10000}}));
    EXPECT_EQ(linien[0].zustand.stift, rahmen);
    EXPECT_EQ(linien[1].punkte, (Punkte{{3000, -15000}, {13000, -12000}}));
    EXPECT_EQ(linien[1].zustand.stift, punkt);

    // 150 kg at 100 cm leaves the frame at the top at 66.7 cm; the row is read from its start.
    Zeichne("||150 kg|");
    linien = Zeichnung(Geruest);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(linien[0].punkte, (Punkte{{3000, -15000}, {9666, -5000}}));
    EXPECT_EQ(linien[0].zustand.stift, rahmen);

    // Only the dotted line; a negative value lies wholly below the frame.
    Zeichne("||0.000001|40");
    linien = Zeichnung(Geruest);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(linien[0].zustand.stift, punkt);
    // A negative value runs below the frame from its corner: at most a point on the corner.
    Zeichne("||-20|x|");
    for (const DCEintrag& e : Zeichnung(Geruest))
        EXPECT_EQ(e.punkte, (Punkte{{3000, -15000}, {3000, -15000}}));
    // Values beyond a double or not numbers draw no line and nothing out of place.
    Zeichne("||1e400|nan");
    EXPECT_EQ(Linien().size(), Geruest);
    Zeichne("||1e300|");
    for (const DCEintrag& e : Linien())
        for (POINT p : e.punkte)
            EXPECT_TRUE(std::abs(p.x) < 20000 && std::abs(p.y) < 20000);
}

TEST_F(BindemittelDiagramm, ThicknessLabelsAsFractionsOnRequest)
{
    g_pfade.anteilAlsProzent = true;
    Zeichne("", false);
    constexpr unsigned Mitte = TA_BASELINE | TA_CENTER;
    EXPECT_NE(TextEintrag("1000.0", Mitte), nullptr);
    EXPECT_EQ(TextEintrag("10", Mitte), nullptr);
    // The binder labels print as they stand.
    EXPECT_NE(TextEintrag("95"), nullptr);
    Zeichne("", true);
    EXPECT_NE(TextEintrag("10", Mitte), nullptr);
}

TEST_F(Ev2SollDiagramm, FrameCaptionsTicksAndLabels)
{
    Zeichne("");
    const auto linien = Linien();
    ASSERT_GE(linien.size(), Geruest);
    EXPECT_EQ(linien[4].punkte, (Punkte{{3000, -16000}, {3000, -16160}}));
    EXPECT_EQ(linien[16].punkte, (Punkte{{15000, -16000}, {15000, -16160}}));
    EXPECT_EQ(linien[17].punkte, (Punkte{{3000, -5000}, {2840, -5000}}));
    EXPECT_EQ(linien[28].punkte, (Punkte{{3000, -16000}, {2840, -16000}}));
    EXPECT_EQ(linien[29].punkte, (Punkte{{4000, -5000}, {4000, -16000}}));
    EXPECT_EQ(linien[29].zustand.stift, punkt);
    EXPECT_EQ(linien[49].punkte, (Punkte{{3000, -15000}, {15000, -15000}}));

    const DCEintrag* soll = TextEintrag("Ev2 - SOLL - Werte [MN/m²]");
    ASSERT_NE(soll, nullptr);
    EXPECT_EQ(soll->punkte[0], (POINT{5000, -5400}));
    EXPECT_EQ(soll->ausrichtung, TA_BASELINE | TA_LEFT);
    const DCEintrag* unterlage = TextEintrag("Ev2-Wert der Unterlage [MN/m²]");
    ASSERT_NE(unterlage, nullptr);
    EXPECT_EQ(unterlage->punkte[0], (POINT{15000, -16900}));
    const DCEintrag* dicke = TextEintrag("Einbaustärke [cm]");
    ASSERT_NE(dicke, nullptr);
    EXPECT_EQ(dicke->punkte[0], (POINT{2100, -6900}));
    EXPECT_EQ(dicke->zustand.schrift, senkrecht);
    const DCEintrag* oben = TextEintrag("110", TA_BASELINE | TA_RIGHT);
    ASSERT_NE(oben, nullptr);
    EXPECT_EQ(oben->punkte[0], (POINT{2840, -5100}));
    const DCEintrag* rechts = TextEintrag("120", TA_BASELINE | TA_CENTER);
    ASSERT_NE(rechts, nullptr);
    EXPECT_EQ(rechts->punkte[0], (POINT{15000, -16460}));
}

// Each curve is drawn from its tenth visible piece on (U = 9) and labelled just left of and below
// that point; the 150 curve is cut at the right edge, none at the top.
TEST_F(Ev2SollDiagramm, SevenCurvesFromTheirTenthPiece)
{
    Zeichne("");
    const auto kurven = Kurven();
    ASSERT_FALSE(kurven.empty());
    // The 30 curve: points U = 0 … 29, pieces 10 … 29 drawn.
    const POINT start30{3900, static_cast<int>(Q(Einbaustaerke(30, 9)))};
    EXPECT_EQ(kurven.front().punkte[0], start30);
    EXPECT_EQ(kurven[19].punkte[1], (POINT{5900, static_cast<int>(Q(Einbaustaerke(30, 29)))}));
    EXPECT_EQ(kurven[20].punkte[0].x, 3900);
    // The thickness labels come first, also right-aligned: the curve label is the later one.
    const DCEintrag* label = nullptr;
    for (const DCEintrag& e : dc.Eintraege())
        if (e.text == "30" && e.punkte[0].x == 3800)
            label = &e;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->punkte[0], (POINT{3800, start30.y - 100}));
    EXPECT_EQ(label->ausrichtung, TA_BASELINE | TA_RIGHT);
    EXPECT_EQ(label->zustand.schrift, schrift);

    // Every curve starts at U = 9 and carries its label.
    const int starts = static_cast<int>(
        std::ranges::count_if(kurven, [](const DCEintrag& e) { return e.punkte[0].x == 3900; }));
    EXPECT_EQ(starts, 7);
    for (const char* soll : {"45", "60", "80", "150"})
        EXPECT_NE(TextEintrag(soll), nullptr) << soll;
    // "100" and "120" are both a tick label and a curve label.
    EXPECT_EQ(std::ranges::count_if(dc.Texte(), [](const DCEintrag& e) { return e.text == "100"; }),
              3);

    int rechtsteRand = 0, hoechster = -100000;
    for (const DCEintrag& e : kurven)
        for (POINT p : e.punkte) {
            EXPECT_TRUE(p.x >= 3000 && p.x <= 15000 && p.y <= -5000 && p.y >= -16000);
            rechtsteRand = std::max(rechtsteRand, static_cast<int>(p.x));
            hoechster = std::max(hoechster, static_cast<int>(p.y));
        }
    EXPECT_EQ(rechtsteRand, 15000);
    EXPECT_LT(hoechster, -5000);
    // The 120 curve ends at its last point U = 119.
    EXPECT_TRUE(std::ranges::any_of(kurven, [](const DCEintrag& e) {
        return e.punkte[1] == POINT{14900, static_cast<int>(Q(Einbaustaerke(120, 119)))};
    }));
}

TEST_F(Ev2SollDiagramm, ProjectPointWithCrossAndGuideLines)
{
    Zeichne("||45|30");
    EXPECT_TRUE(HatLinie({7445, -12945}, {7555, -13055}, rahmen));
    EXPECT_TRUE(HatLinie({7555, -12945}, {7445, -13055}, rahmen));
    EXPECT_TRUE(HatLinie({2920, -13000}, {7500, -13000}, rahmen));
    EXPECT_TRUE(HatLinie({7500, -13000}, {7500, -16120}, rahmen));
    const std::size_t mitPunkt = Linien().size();

    // The subgrade bounds are excluded, the thickness bounds included.
    for (const char* daten :
         {"||120|30", "||0|30", "||60|0", "||60|110.5", "||-5|30", "||x|y", "||1e400|30"}) {
        Zeichne(daten);
        EXPECT_EQ(Linien().size(), mitPunkt - 4) << daten;
    }
    Zeichne("||60|110");
    EXPECT_EQ(Linien().size(), mitPunkt);
    EXPECT_TRUE(HatLinie({8945, -4945}, {9055, -5055}, rahmen));
}

TEST(Einbaustaerke, PolynomialAndRoundedThickness)
{
    EXPECT_NEAR(Einbaustaerke(45, 45), -0.07, 0.01);
    EXPECT_NEAR(Einbaustaerke(100, 45), 39.06, 0.01);
    EXPECT_NEAR(Einbaustaerke(150, 0), 109.9, 0.05);
    for (int E : {30, 45, 60, 80, 100, 120, 150})
        EXPECT_TRUE(Einbaustaerke(E, E) > -0.1 && Einbaustaerke(E, E) < 0.71) << E;

    int d = -1;
    EXPECT_TRUE(BerechneEinbaustaerke(100, 45, d));
    EXPECT_EQ(d, 39);
    d = -1;
    EXPECT_FALSE(BerechneEinbaustaerke(150, 0, d));
    EXPECT_FALSE(BerechneEinbaustaerke(0.00000005, 45, d));
    EXPECT_FALSE(BerechneEinbaustaerke(std::numeric_limits<double>::quiet_NaN(), 45, d));
    EXPECT_FALSE(BerechneEinbaustaerke(std::numeric_limits<double>::infinity(), 45, d));
    // A thickness beyond an int is no result.
    EXPECT_FALSE(BerechneEinbaustaerke(1e6, 1, d));
    EXPECT_EQ(d, -1);
}

TEST(Einbaustaerke, SearchesInvertThePolynomial)
{
    // The largest whole subgrade at which 100 still needs 30 cm.
    const int u = SucheEv2Unterlage(100, 30);
    int d = 0;
    ASSERT_TRUE(BerechneEinbaustaerke(100, u, d));
    EXPECT_GE(d, 30);
    ASSERT_TRUE(BerechneEinbaustaerke(100, u + 1, d));
    EXPECT_LT(d, 30);
    // Even U = 0 needs less; every U up to 120 needs more.
    EXPECT_EQ(SucheEv2Unterlage(30, 60), -1);
    EXPECT_EQ(SucheEv2Unterlage(1e6, 30), 0);

    const int e = SucheEv2Soll(45, 39);
    EXPECT_LE(Einbaustaerke(e, 45), 39);
    EXPECT_GT(Einbaustaerke(e + 1, 45), 39);
    EXPECT_EQ(e, 99);
    EXPECT_EQ(SucheEv2Soll(45, 1000), -999);

    // Bad input gives 5, as a regular result may.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SucheEv2Unterlage(0, 30), 5);
    EXPECT_EQ(SucheEv2Unterlage(100, -1), 5);
    EXPECT_EQ(SucheEv2Unterlage(inf, 30), 5);
    EXPECT_EQ(SucheEv2Soll(45, 0), 5);
    EXPECT_EQ(SucheEv2Soll(nan, 30), 5);
    EXPECT_EQ(SucheEv2Soll(45, inf), 5);
}
