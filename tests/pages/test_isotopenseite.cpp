#include "platform/text.h"
#include "report/druckdaten.h"
#include "seitentest.h"

namespace {

class Isotopenseite : public Seitentest
{
protected:
    Isotopenseite() { Gitter(); }

    void Seite(const CDruckDaten& daten)
    {
        druck.DruckeTroxler(dc, seite, daten.Text(), "unbenutzt", "Titel der Seite");
    }
    void SeiteMitVerfahren(const std::string& code)
    {
        CDruckDaten daten;
        daten.SetzeZellText(3, 0, "0.087");
        daten.SetzeZellText(7, 0, "2.049");
        daten.SetzeZellText(36, 0, code);
        Seite(daten);
    }
    // Headings of the first and second readings block.
    std::pair<std::string, std::string> Ablesekoepfe() const
    {
        std::string erste, zweite;
        for (const DCEintrag& e : dc.Texte()) {
            if (e.punkte[0] == Anker(3, 0, 30.25))
                erste = e.text;
            if (e.punkte[0] == Anker(3, 0, 34.5))
                zweite = e.text;
        }
        return {erste, zweite};
    }
    static POINT Wertanker(const std::string& wert, int pruefpunkt, double zeile)
    {
        return Anker(12, 12 + 4 * pruefpunkt, zeile, wert);
    }
    // The single characters of mark-up symbols at one device height, symbol column only.
    std::string ZeichenBei(int y) const
    {
        std::string text;
        for (const DCEintrag& e : dc.Texte())
            if (e.punkte[0].y == y && e.text.size() == 1 && e.punkte[0].x >= GX(6.0) &&
                e.punkte[0].x < GX(8.1))
                text += e.text;
        return text;
    }
    long AnzahlMit(const CPen& stift) const
    {
        return std::ranges::count_if(Linien(),
                                     [&](const DCEintrag& e) { return e.zustand.stift == stift; });
    }
};

} // namespace

TEST_F(Isotopenseite, DeviceBlockDescriptionAndBlocksStandOnTheirRows)
{
    Seite(CDruckDaten(""));

    EXPECT_EQ(Text("Titel der Seite").punkte[0], Anker(3, 0, 16.4));
    // The device block in the left part: label and value column, nothing to its right.
    EXPECT_EQ(Punkt("Gerätedaten"), Anker(3, 0, 18.5));
    EXPECT_EQ(Text("Gerätedaten").zustand.schrift, Schrift(1));
    EXPECT_EQ(Punkt("Sonde"), Anker(3, 0, 19.5));
    EXPECT_EQ(Punkt("Strahler 2"), Anker(3, 0, 22.5));
    EXPECT_EQ(Text("Strahler 2").zustand.schrift, Schrift(0));
    EXPECT_TRUE(HatLinie({GX(0), GY(17.5)}, {GX(0), GY(22.5)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(6), GY(18.5)}, {GX(6), GY(22.5)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(0), GY(21.5)}, {GX(10), GY(21.5)}, Stift(0)));
    for (const DCEintrag& e : dc.Eintraege())
        for (const POINT& p : e.punkte)
            EXPECT_FALSE(p.x > GX(10) && p.y > GY(23)) << e.text;

    // The test point description four rows lower than on the field density page.
    EXPECT_EQ(Punkt("Prüfpunktbeschreibung"), Anker(3, 0, 24));
    EXPECT_EQ(Punkt("Station / Profil"), Anker(3, 0, 25));
    EXPECT_EQ(Punkt("Lage zur Achse"), Anker(3, 0, 29));
    // Columns from below the description's heading line to row 63.
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(HatLinie({GX(10 + 4 * i), GY(24)}, {GX(10 + 4 * i), GY(63)}, Stift(0))) << i;

    // The blocks shared with the field density page keep their rows.
    EXPECT_EQ(Punkt("Bodenkennwerte"), Anker(3, 0, 42));
    EXPECT_EQ(Punkt("Sättigungszahl"), Anker(3, 0, 48));
    EXPECT_EQ(Punkt("Proctorversuch Nr."), Anker(3, 0, 50.25));
    EXPECT_EQ(Punkt("Überkorn"), Anker(3, 0, 53.5));
    // The degree-of-compaction symbols stand one column further left.
    EXPECT_EQ(Punkt("DPr IST"), Anker(3, 5, 62));
    EXPECT_EQ(Punkt("DPr SOLL >="), Anker(3, 5, 63));
    // Without the blank before the apostrophe.
    EXPECT_EQ(ZeichenBei(GY(57.5) + 50), "r");
    EXPECT_EQ(ZeichenBei(GY(57.5)), "Pr'");
    EXPECT_EQ(ZeichenBei(GY(58.5)), "opt'");

    // Boxes: device, description, two readings blocks, results and four shared blocks.
    EXPECT_EQ(AnzahlMit(Stift(1)), (1 + 2 + 2 + 2 + 2 + 4 * 2) * 4);
    // Columns, device lines, description lines, readings (two dividers and a line under the
    // heading and between rows), results, and the shared blocks.
    EXPECT_EQ(AnzahlMit(Stift(0)), 6 + 5 + 3 + 5 + 5 + 4 + 8 + 5 + 7 + 2);
}

TEST_F(Isotopenseite, MethodCodeChoosesTheQuantitiesOfTheReadings)
{
    SeiteMitVerfahren("1");
    EXPECT_EQ(Ablesekoepfe(), std::make_pair(std::string("Bestimmung des Wassergehaltes"),
                                             std::string("Bestimmung der Feuchtdichte")));
    EXPECT_EQ(ZeichenBei(GY(31.25) + 50), "w1");
    EXPECT_EQ(ZeichenBei(GY(33.25) + 50), "w3");
    EXPECT_EQ(ZeichenBei(GY(35.5) + 50), "r");
    EXPECT_EQ(ZeichenBei(GY(35.5)), "f1");
    EXPECT_EQ(ZeichenBei(GY(37.5)), "f3");
    for (const DCEintrag& e : Texte("r")) {
        if (e.punkte[0].y == GY(35.5) + 50) {
            EXPECT_EQ(e.zustand.schrift, Schrift(8));
        }
    }
    EXPECT_EQ(Punkt("0.087"), Wertanker("0.087", 0, 31.25));
    EXPECT_EQ(Punkt("2.049"), Wertanker("2.049", 0, 35.5));

    dc.Leeren();
    SeiteMitVerfahren("2");
    EXPECT_EQ(Ablesekoepfe(), std::make_pair(std::string("Bestimmung der Feuchtdichte"),
                                             std::string("Bestimmung der Trockendichte")));
    EXPECT_EQ(ZeichenBei(GY(31.25)), "f1");
    EXPECT_EQ(ZeichenBei(GY(35.5)), "d1");
    for (const char* code : {" 2", "+2", "2 Sonden"}) {
        dc.Leeren();
        SeiteMitVerfahren(code);
        EXPECT_EQ(Ablesekoepfe().first, "Bestimmung der Feuchtdichte") << code;
    }

    for (const char* code : {"0", "3", "", "Sonde 1", "-1"}) {
        dc.Leeren();
        SeiteMitVerfahren(code);
        EXPECT_EQ(Ablesekoepfe(), std::make_pair(std::string("Bestimmung des Wassergehaltes"),
                                                 std::string("Bestimmung der Trockendichte")))
            << code;
        EXPECT_EQ(ZeichenBei(GY(36.5)), "d2") << code;
    }
}

TEST_F(Isotopenseite, WaterContentPrintsInPercentDensitiesAsStored)
{
    g_pfade.anteilAlsProzent = true;
    SeiteMitVerfahren("1");
    EXPECT_EQ(Punkt("8.7"), Wertanker("8.7", 0, 31.25));
    EXPECT_EQ(Punkt("2.049"), Wertanker("2.049", 0, 35.5));
    for (double zeile : {31.25, 32.25, 33.25, 40.75})
        EXPECT_TRUE(HatBei("[%]", Anker(6, 9, zeile))) << zeile;
    EXPECT_EQ(Texte("[%]").size(), 3u + 1 + 3 + 1 + 3 + 2);
    EXPECT_EQ(Texte("[-]").size(), 2u);

    // With both densities read, readings 1 to 3 stay as stored, units "[g/cm³]".
    dc.Leeren();
    SeiteMitVerfahren("2");
    EXPECT_EQ(Punkt("0.087"), Wertanker("0.087", 0, 31.25));
    EXPECT_TRUE(HatBei("[g/cm³]", Anker(6, 9, 31.25)));
    EXPECT_EQ(Texte("[%]").size(), 1u + 3 + 1 + 3 + 2);
}

TEST_F(Isotopenseite, ResultsAreTheSameBoldRowsForEveryMethod)
{
    for (const char* code : {"1", "2", "0"}) {
        dc.Leeren();
        CDruckDaten daten;
        daten.SetzeZellText(35, 0, "2.053");
        daten.SetzeZellText(10, 0, "1.889");
        daten.SetzeZellText(6, 0, "0.087");
        for (int i = 0; i < 6; ++i)
            daten.SetzeZellText(10, i + 1, StringFormat("1.9%d0", i));
        daten.SetzeZellText(36, 0, code);
        Seite(daten);

        const std::pair<const char*, double> zeilen[] = {
            {"Feuchtdichte", 38.75}, {"Trockendichte", 39.75}, {"Wassergehalt", 40.75}};
        for (const auto& [beschriftung, zeile] : zeilen) {
            EXPECT_EQ(Punkt(beschriftung), Anker(3, 0, zeile)) << code;
            EXPECT_EQ(Text(beschriftung).zustand.schrift, Schrift(1)) << code;
        }
        EXPECT_EQ(Punkt("2.053"), Wertanker("2.053", 0, 38.75)) << code;
        EXPECT_EQ(Punkt("1.889"), Wertanker("1.889", 0, 39.75)) << code;
        EXPECT_EQ(Punkt("0.087"), Wertanker("0.087", 0, 40.75)) << code;
        for (const char* wert : {"2.053", "1.889", "0.087", "1.930"})
            EXPECT_EQ(Text(wert).zustand.schrift, Schrift(1)) << wert;
        // Five test points only.
        EXPECT_EQ(Punkt("1.930"), Wertanker("1.930", 4, 39.75)) << code;
        EXPECT_FALSE(Hat("1.940")) << code;
        EXPECT_EQ(ZeichenBei(GY(40.75) + 50), "w") << code;
        EXPECT_TRUE(HatLinie({GX(6), GY(37.75)}, {GX(6), GY(40.75)}, Stift(0)));
        EXPECT_TRUE(HatLinie({GX(0), GY(39.75)}, {GX(30), GY(39.75)}, Stift(0)));
    }
}

TEST_F(Isotopenseite, SharedBlocksReadTheirValuesFourFieldsEarlier)
{
    CDruckDaten daten;
    daten.SetzeZellText(31, 0, "Nr. 38714");
    daten.SetzeZellText(31, 1, "Nr. 99999");
    daten.SetzeZellText(32, 0, "IS 4640-B");
    daten.SetzeZellText(34, 0, "Am-241:Be");
    daten.SetzeZellText(0, 2, "0+250#CRLF#Profil 7");
    daten.SetzeZellText(13, 0, "2.650");
    daten.SetzeZellText(17, 1, "0.373");
    daten.SetzeZellText(20, 3, "OL-00002PV");
    daten.SetzeZellText(27, 4, "0.094");
    daten.SetzeZellText(28, 0, "98.4");
    daten.SetzeZellText(29, 0, "100");
    for (int feld : {11, 12, 19, 30})
        daten.SetzeZellText(feld, 0, "nicht gedruckt");
    g_pfade.anteilAlsProzent = true;
    Seite(daten);

    EXPECT_EQ(Punkt("Nr. 38714"), Anker(3, 6, 19.5));
    EXPECT_FALSE(Hat("Nr. 99999"));
    EXPECT_EQ(Punkt("IS 4640-B"), Anker(3, 6, 20.5));
    EXPECT_EQ(Punkt("Am-241:Be"), Anker(3, 6, 22.5));
    // An empty device field leaves its label alone.
    EXPECT_EQ(Punkt("Strahler 1"), Anker(3, 0, 21.5));
    for (const DCEintrag& e : dc.Texte())
        EXPECT_NE(e.punkte[0], Anker(3, 6, 21.5)) << e.text;

    EXPECT_EQ(Punkt("0+250"), Anker(3, 18, 25));
    EXPECT_EQ(Punkt("Profil 7"), Anker(3, 18, 26));
    EXPECT_EQ(Punkt("2.650"), Wertanker("2.650", 0, 43));
    EXPECT_EQ(Punkt("0.373"), Wertanker("0.373", 1, 47));
    EXPECT_EQ(Punkt("OL-00002PV"), Anker(6, 24, 50.25));
    EXPECT_EQ(Punkt("9.4"), Wertanker("9.4", 4, 58.5));
    EXPECT_EQ(Punkt("98.4"), Wertanker("98.4", 0, 62));
    EXPECT_EQ(Text("98.4").zustand.schrift, Schrift(1));
    EXPECT_EQ(Text("100").zustand.schrift, Schrift(0));
    EXPECT_FALSE(Hat("nicht gedruckt"));

    dc.Leeren();
    g_pfade.protokollnrDrucken = false;
    Seite(daten);
    EXPECT_FALSE(Hat("Proctorversuch Nr."));
    EXPECT_FALSE(Hat("OL-00002PV"));
}

TEST_F(Isotopenseite, DispatcherPrintsTheGaugePageForItsCodes)
{
    const std::vector<std::string> kopfdaten{"|", std::string(36, '|') + "2", ""};
    for (int code : {10071, 23}) {
        dc.Leeren();
        druck.DruckeSeite(&dc, seite, code, kopfdaten, "Projekt||Auftraggeber|OL", "", "Titel");
        EXPECT_EQ(Ablesekoepfe(), std::make_pair(std::string("Bestimmung der Feuchtdichte"),
                                                 std::string("Bestimmung der Trockendichte")));
    }
    dc.Leeren();
    druck.DruckeSeite(&dc, seite, 10072, kopfdaten, "Projekt||Auftraggeber|OL", "", "Titel");
    EXPECT_FALSE(Hat("Gerätedaten"));
}
