#include "platform/text.h"
#include "report/druckdaten.h"
#include "seitentest.h"

namespace {

class Felddichteseite : public Seitentest
{
protected:
    Felddichteseite() { Gitter(); }

    void Seite(const CDruckDaten& daten)
    {
        druck.DruckeVerdichtung(dc, seite, daten.Text(), "unbenutzt", "Titel der Seite");
    }
    void SeiteMitVerfahren(const std::string& code)
    {
        CDruckDaten daten;
        daten.SetzeZellText(7, 0, "20.5");
        daten.SetzeZellText(8, 0, "19.5");
        daten.SetzeZellText(9, 0, "12.5");
        daten.SetzeZellText(37, 0, code);
        Seite(daten);
    }
    // A value in test point i's column, decimal-aligned on x = 12 + 4i: its separator's middle
    // lies there, every character being half of the 300 cell wide.
    static POINT Wertanker(const std::string& wert, int pruefpunkt, double zeile)
    {
        return Anker(12, 12 + 4 * pruefpunkt, zeile, wert);
    }
    // Mark-up text is drawn a character at a time: the characters at one device height from
    // the symbol column on, left of the unit column.
    std::string ZeichenBei(int y) const
    {
        std::string text;
        for (const DCEintrag& e : dc.Texte())
            if (e.punkte[0].y == y && e.text.size() == 1 && e.punkte[0].x >= GX(6.0) &&
                e.punkte[0].x < GX(8.1))
                text += e.text;
        return text;
    }
    std::vector<std::pair<std::string, POINT>> TexteMitAnker() const
    {
        std::vector<std::pair<std::string, POINT>> texte;
        for (const DCEintrag& e : dc.Texte())
            texte.emplace_back(e.text, e.punkte[0]);
        return texte;
    }
    long AnzahlMit(const CPen& stift) const
    {
        return std::ranges::count_if(Linien(),
                                     [&](const DCEintrag& e) { return e.zustand.stift == stift; });
    }
};

} // namespace

TEST_F(Felddichteseite, FramesHeadingsAndCaptionsStandOnTheirRowsWithoutData)
{
    Seite(CDruckDaten(""));

    EXPECT_EQ(Text("Titel der Seite").punkte[0], Anker(3, 0, 16.4));
    EXPECT_EQ(Text("Bestimmung der Dichte des Bodens").punkte[0], Anker(6, 15, 18.25));
    EXPECT_EQ(Text("Bestimmung der Dichte des Bodens").zustand.schrift, Schrift(3));

    // Headings in bold at the top of each box; the value blocks follow one another.
    const std::pair<const char*, double> koepfe[] = {
        {"Prüfpunktbeschreibung", 20},
        {"Bestimmung des Wassergehaltes", 26.25},
        {"Bestimmung des Volumens", 31.5},
        {"Bodenprobe", 36.75},
        {"Bodenkennwerte", 42},
        {"Bezugsproctor", 49.25},
        {"Überkorn", 53.5},
        {"Berechnung des Verdichtungsgrades", 61},
    };
    for (const auto& [kopf, zeile] : koepfe) {
        EXPECT_EQ(Punkt(kopf), Anker(3, 0, zeile)) << kopf;
        EXPECT_EQ(Text(kopf).zustand.schrift, Schrift(1)) << kopf;
    }
    // The header block's labels describe the test points.
    EXPECT_EQ(Punkt("Station / Profil"), Anker(3, 0, 21));
    EXPECT_EQ(Punkt("Schicht / Höhe"), Anker(3, 0, 23));
    EXPECT_EQ(Punkt("Lage zur Achse"), Anker(3, 0, 25));
    EXPECT_EQ(Text("Lage zur Achse").zustand.schrift, Schrift(0));

    // Captions in the first column, units centred on x = 9.
    EXPECT_EQ(Texte("Taramasse").size(), 2u);
    EXPECT_TRUE(HatBei("Taramasse", Anker(3, 0, 27.25)));
    EXPECT_TRUE(HatBei("Taramasse", Anker(3, 0, 37.75)));
    EXPECT_EQ(Punkt("Volumen"), Anker(3, 0, 35.5));
    EXPECT_EQ(Punkt("V"), Anker(3, 6, 35.5));
    EXPECT_EQ(Punkt("Sättigungszahl"), Anker(3, 0, 48));
    EXPECT_EQ(Punkt("optimaler Wassergehalt '"), Anker(3, 0, 58.5));
    EXPECT_EQ(Punkt("DPr IST"), Anker(3, 6, 62));
    EXPECT_EQ(Punkt("DPr SOLL >="), Anker(3, 6, 63));
    EXPECT_TRUE(HatBei("[%]", Anker(6, 9, 62)));
    EXPECT_TRUE(HatBei("[cm³]", Anker(6, 9, 35.5)));
    EXPECT_EQ(Texte("[-]").size(), 10u);
    EXPECT_EQ(Texte("[g/cm³]").size(), 6u);
    // Symbols are mark-up: rho in the Symbol font, its index lowered by half a millimetre.
    EXPECT_EQ(ZeichenBei(GY(40.75) + 50), "r");
    EXPECT_EQ(ZeichenBei(GY(40.75) + 50 - 50), "d");
    EXPECT_EQ(ZeichenBei(GY(48) + 50), "S");
    EXPECT_EQ(ZeichenBei(GY(48)), "r");

    // The test point columns run from row 19 through all blocks to row 63.
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(HatLinie({GX(10 + 4 * i), GY(19)}, {GX(10 + 4 * i), GY(63)}, Stift(0))) << i;
    // Boxes in the strong pen; caption, symbol and unit divided except in the last block.
    EXPECT_TRUE(HatLinie({GX(0), GY(25.25)}, {GX(0), GY(30.25)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(6), GY(26.25)}, {GX(6), GY(30.25)}, Stift(0)));
    EXPECT_TRUE(HatLinie({GX(8.1), GY(42)}, {GX(8.1), GY(48)}, Stift(0)));
    EXPECT_FALSE(HatLinie({GX(6), GY(61)}, {GX(6), GY(63)}));
    EXPECT_TRUE(HatLinie({GX(0), GY(62)}, {GX(30), GY(62)}, Stift(0)));
    // Eight boxes of two rectangles; six column lines, three description lines, a line under
    // each heading and between label rows, and two dividers in six blocks.
    EXPECT_EQ(AnzahlMit(Stift(1)), 8 * 2 * 4);
    EXPECT_EQ(AnzahlMit(Stift(0)), 6 + 3 + (4 + 4 + 4 + 6 + 3 + 5 + 2) + 6 * 2);
}

TEST_F(Felddichteseite, MethodCodeChoosesSubtitleAndDimensionRows)
{
    SeiteMitVerfahren("3002");
    EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens mit Ausstechzylinder"));
    EXPECT_EQ(Punkt("Zylinderdurchmesser"), Anker(3, 0, 32.5));
    EXPECT_EQ(Punkt("Zylinderhöhe"), Anker(3, 0, 33.5));
    EXPECT_EQ(ZeichenBei(GY(32.5) + 50), "d");
    EXPECT_EQ(Texte("[cm]").size(), 2u);
    // The third row has no label, yet its value prints.
    EXPECT_EQ(Punkt("12.5"), Wertanker("12.5", 0, 34.5));
    // Read as atoi reads it: leading blanks and a sign, digits up to the first other character.
    for (const char* code : {" 3002", "+3002", "3002 Zylinder", "\t 03002"}) {
        dc.Leeren();
        SeiteMitVerfahren(code);
        EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens mit Ausstechzylinder")) << code;
        EXPECT_TRUE(Hat("Zylinderdurchmesser")) << code;
    }

    dc.Leeren();
    SeiteMitVerfahren("3001");
    EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens durch Ausmessen"));
    for (const char* zeile : {"Länge", "Breite", "Höhe"})
        EXPECT_TRUE(Hat(zeile)) << zeile;
    EXPECT_EQ(Texte("[cm]").size(), 3u);

    dc.Leeren();
    SeiteMitVerfahren("3003");
    EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens durch Ballonverfahren"));
    EXPECT_EQ(Texte("Ablesung").size(), 2u);
    EXPECT_EQ(Punkt("Volumenausgleich"), Anker(3, 0, 34.5));
    EXPECT_EQ(ZeichenBei(GY(32.5) + 50), "L0");
    EXPECT_EQ(ZeichenBei(GY(34.5) + 50), "");
    EXPECT_EQ(Texte("[cm³]").size(), 2u);

    // Replacement methods 3004 and 3005 print the same page.
    dc.Leeren();
    SeiteMitVerfahren("3004");
    const auto ersatz = TexteMitAnker();
    EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens durch Ersatzverfahren"));
    EXPECT_TRUE(Hat("Dichte Ersatz"));
    EXPECT_TRUE(Hat("Masse Ersatz"));
    EXPECT_EQ(ZeichenBei(GY(32.5) + 50), "r");
    EXPECT_EQ(ZeichenBei(GY(32.5)), "e");
    dc.Leeren();
    SeiteMitVerfahren("3005");
    EXPECT_EQ(TexteMitAnker(), ersatz);
    EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens durch Ersatzverfahren"));

    // Anything else: the bare subtitle, no dimension labels, the values still there.
    for (const char* code : {"3000", "3006", "", "Ballon", "-3002", "99999999999"}) {
        dc.Leeren();
        SeiteMitVerfahren(code);
        EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens")) << code;
        EXPECT_FALSE(Hat("[cm]")) << code;
        EXPECT_EQ(ZeichenBei(GY(32.5) + 50), "") << code;
        EXPECT_TRUE(Hat("20.5")) << code;
        EXPECT_TRUE(Hat("12.5")) << code;
    }
}

TEST_F(Felddichteseite, FiveTestPointsSideBySideWithDecimalAlignedValues)
{
    CDruckDaten daten;
    for (int i = 0; i < 6; ++i) {
        daten.SetzeZellText(0, i, StringFormat("0+%d00#CRLF#Profil %d#CRLF#verworfen", i, i));
        daten.SetzeZellText(13, i, StringFormat("2.%d05", i));
    }
    daten.SetzeZellText(1, 0, "Damm#CRLF#Lage 3");
    daten.SetzeZellText(1, 1, "Planum");
    daten.SetzeZellText(2, 0, "links#CRLF#2,5 m");
    daten.SetzeZellText(3, 1, "41.3");
    daten.SetzeZellText(34, 0, "8412.4");
    daten.SetzeZellText(12, 0, "nicht gedruckt");
    daten.SetzeZellText(23, 0, "nicht gedruckt");
    daten.SetzeZellText(29, 4, "2,68");
    daten.SetzeZellText(33, 2, "100");
    Seite(daten);

    // Two lines of station and layer in each column; a third piece is not printed.
    EXPECT_EQ(Punkt("0+000"), Anker(3, 10, 21));
    EXPECT_EQ(Punkt("Profil 4"), Anker(3, 26, 22));
    EXPECT_FALSE(Hat("0+500"));
    EXPECT_FALSE(Hat("verworfen"));
    EXPECT_EQ(Punkt("Damm"), Anker(3, 10, 23));
    EXPECT_EQ(Punkt("Lage 3"), Anker(3, 10, 24));
    EXPECT_EQ(Punkt("Planum"), Anker(3, 14, 23));
    // The one-line position never shows the stored line break's marker.
    EXPECT_EQ(Punkt("links 2,5 m"), Anker(3, 10, 25));

    for (int i = 0; i < 5; ++i) {
        const std::string wert = StringFormat("2.%d05", i);
        EXPECT_EQ(Punkt(wert), Wertanker(wert, i, 39.75)) << i;
    }
    EXPECT_FALSE(Hat("2.505"));
    EXPECT_EQ(Punkt("41.3"), Wertanker("41.3", 1, 27.25));
    // The moist mass of the soil sample comes from field 34; fields 12 and 23 stay unprinted.
    EXPECT_EQ(Punkt("8412.4"), Wertanker("8412.4", 0, 38.75));
    EXPECT_FALSE(Hat("nicht gedruckt"));
    // A decimal comma aligns like a point; an integer as if its separator followed it.
    EXPECT_EQ(Punkt("2,68").x + 150 + 75, GX(28));
    EXPECT_EQ(Punkt("100").x + 3 * 150 + 75, GX(20));
    EXPECT_EQ(Punkt("100").y, GY(63) + 50);
}

TEST_F(Felddichteseite, BoldResultsAndFractionsInPercent)
{
    CDruckDaten daten;
    daten.SetzeZellText(6, 0, "0.153");
    daten.SetzeZellText(5, 0, "250.00");
    daten.SetzeZellText(14, 0, "1.930");
    daten.SetzeZellText(13, 0, "2.115");
    daten.SetzeZellText(18, 0, "0.272");
    daten.SetzeZellText(21, 0, "0.373");
    daten.SetzeZellText(22, 0, "0.68");
    daten.SetzeZellText(26, 0, "0.103");
    daten.SetzeZellText(31, 0, "0.094");
    daten.SetzeZellText(32, 0, "99.7");
    daten.SetzeZellText(33, 0, "98");
    g_pfade.anteilAlsProzent = true;
    Seite(daten);

    // Fractions print in percent with their units; void ratio and saturation stay as stored.
    EXPECT_EQ(Punkt("15.3"), Wertanker("15.3", 0, 30.25));
    EXPECT_TRUE(Hat("27.2"));
    EXPECT_TRUE(Hat("10.3"));
    EXPECT_TRUE(Hat("9.4"));
    EXPECT_TRUE(Hat("0.373"));
    EXPECT_TRUE(Hat("0.68"));
    EXPECT_TRUE(Hat("250.00"));
    EXPECT_EQ(Texte("[-]").size(), 2u);
    EXPECT_TRUE(HatBei("[-]", Anker(6, 9, 47)));
    EXPECT_TRUE(HatBei("[-]", Anker(6, 9, 48)));
    EXPECT_EQ(Texte("[%]").size(), 10u);
    EXPECT_TRUE(HatBei("[%]", Anker(6, 9, 30.25)));

    // Water content, dry density and the degree achieved in bold; the font goes back after each.
    for (const char* fett : {"15.3", "1.930", "99.7"})
        EXPECT_EQ(Text(fett).zustand.schrift, Schrift(1)) << fett;
    for (const char* normal : {"250.00", "2.115", "98", "0.373"})
        EXPECT_EQ(Text(normal).zustand.schrift, Schrift(0)) << normal;
    EXPECT_EQ(dc.AktuellerZustand().schrift, Schrift(0));
}

TEST_F(Felddichteseite, ProctorNumberRowFollowsTheProtocolNumberSetting)
{
    CDruckDaten daten;
    daten.SetzeZellText(24, 0, "OL-00002PV");
    daten.SetzeZellText(24, 3, "17");
    Seite(daten);
    EXPECT_EQ(Punkt("Proctorversuch Nr."), Anker(3, 0, 50.25));
    EXPECT_EQ(Punkt("OL-00002PV"), Anker(6, 12, 50.25));
    EXPECT_EQ(Punkt("17"), Anker(6, 24, 50.25));

    dc.Leeren();
    g_pfade.protokollnrDrucken = false;
    Seite(daten);
    EXPECT_FALSE(Hat("Proctorversuch Nr."));
    EXPECT_FALSE(Hat("OL-00002PV"));
    EXPECT_FALSE(Hat("17"));
    // The row's lines stay.
    EXPECT_TRUE(HatLinie({GX(0), GY(50.25)}, {GX(30), GY(50.25)}, Stift(0)));
    EXPECT_TRUE(Hat("Proctordichte"));
}

TEST_F(Felddichteseite, DispatcherPrintsTheBodyOnTheFirstPageOnly)
{
    const std::vector<std::string> kopfdaten{"|", std::string(37, '|') + "3003", ""};
    druck.DruckeSeite(&dc, seite, 10021, kopfdaten, "Projekt||Auftraggeber|OL", "", "Titel");
    EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens durch Ballonverfahren"));
    EXPECT_TRUE(Hat("Titel"));

    dc.Leeren();
    druck.DruckeSeite(&dc, seite, 20, kopfdaten, "Projekt||Auftraggeber|OL", "", "Titel");
    EXPECT_TRUE(Hat("Bestimmung der Dichte des Bodens durch Ballonverfahren"));

    dc.Leeren();
    druck.DruckeSeite(&dc, seite, 10022, kopfdaten, "Projekt||Auftraggeber|OL", "", "Titel");
    EXPECT_FALSE(Hat("Prüfpunktbeschreibung"));
    EXPECT_TRUE(Hat("Projekt"));
}
