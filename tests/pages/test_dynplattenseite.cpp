#include "seitentest.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

// Device fields 9 to 19 as given; per test point t the fields 0 to 8 and 20 read "f.t", so every
// printed cell names its origin.
std::string Tabellendaten(int pruefpunkte, const std::vector<std::string>& geraet = {})
{
    std::vector<std::string> felder(21);
    for (int f : {0, 1, 2, 3, 4, 5, 6, 7, 8, 20})
        for (int t = 0; t < pruefpunkte; ++t)
            felder[f] += (t ? "@" : "") + std::to_string(f) + "." + std::to_string(t);
    for (std::size_t k = 0; k < geraet.size(); ++k)
        felder[9 + k] = geraet[k];
    std::string text;
    for (const std::string& feld : felder)
        text += feld + "|";
    return text;
}

class DynPlattenseite : public Seitentest
{
protected:
    DynPlattenseite() { Gitter(); }

    void Drucke(const std::string& tabelle)
    {
        dc.Leeren();
        druck.DruckeLastplatte(dc, seite, tabelle, "unbenutzt", "Dynamischer Versuch");
    }
    // Mark-up text is drawn a character at a time: the characters at one device height.
    std::string ZeichenBei(int y, double xVon, double xBis) const
    {
        std::string text;
        for (const DCEintrag& e : dc.Texte())
            if (e.punkte[0].y == y && e.text.size() == 1 &&
                e.ausrichtung == (TA_BOTTOM | TA_LEFT) && e.punkte[0].x >= GX(xVon) &&
                e.punkte[0].x < GX(xBis))
                text += e.text;
        return text;
    }
    // Cell of test point column j in a block's row, as absolute grid row.
    static POINT Zelle(int block, int j, double zeile)
    {
        return Anker(6, 7.5 + 5 * j, 25 + 15 * block + zeile);
    }
};

} // namespace

TEST_F(DynPlattenseite, DeviceRowsInThreeGroups)
{
    Drucke(Tabellendaten(0, {"LFG 10", "", "72", "300", "4711", "15", "70", "0,2-2,0", "Sand",
                             "geeicht", "01/2026"}));
    EXPECT_EQ(Text("Dynamischer Versuch").punkte[0], Anker(3, 0, 16.4));
    EXPECT_EQ(ZeichenBei(GY(18) + 50, 0, 11), "Belastungsvorrichtung");
    EXPECT_EQ(Punkt("LFG 10"), Anker(9, 7, 18));
    EXPECT_EQ(Text("LFG 10").zustand.schrift, Schrift(0));
    // An empty drop weight keeps its caption, colon and unit.
    EXPECT_EQ(ZeichenBei(GY(19) + 50, 0, 11), "Fallgewicht");
    EXPECT_TRUE(HatBei(":", Anker(6, 5, 19)));
    EXPECT_EQ(Punkt("kg"), Anker(3, 7, 19));
    EXPECT_EQ(Punkt("72"), Anker(9, 7, 20));
    EXPECT_EQ(Punkt("cm"), Anker(3, 7, 20));
    // Second group, the index of Evd lowered.
    EXPECT_EQ(ZeichenBei(GY(19) + 50, 11, 21.8), "Messbereich E min");
    EXPECT_EQ(Punkt("70"), Anker(9, 17.5, 20));
    EXPECT_TRUE(HatBei("MN/m²", Anker(3, 17.5, 20)));
    EXPECT_EQ(Punkt("0,2-2,0"), Anker(9, 17.5, 21));
    // Third group: nothing in its first row, two values without caption in its last.
    EXPECT_FALSE(HatBei(":", Anker(6, 26, 18)));
    EXPECT_EQ(ZeichenBei(GY(19) + 50, 21.8, 30), "Ausgleichsmaterial");
    EXPECT_EQ(Punkt("Sand"), Anker(9, 28, 19));
    EXPECT_EQ(Punkt("geeicht"), Anker(9, 28, 20));
    EXPECT_EQ(Punkt("01/2026"), Anker(9, 28, 21));
    EXPECT_EQ(ZeichenBei(GY(20) + 50, 21.8, 30), "");
    EXPECT_EQ(Texte(":").size(), 4u + 4u + 3u);
}

// Three test points fill the first three columns; the rest of both blocks keeps its lines,
// labels and units.
TEST_F(DynPlattenseite, TestPointsFillTheirColumnsRowByRow)
{
    Drucke(Tabellendaten(3));
    EXPECT_EQ(Punkt("2.0"), Zelle(0, 0, 5));
    EXPECT_EQ(Punkt("3.2"), Zelle(0, 2, 6));
    EXPECT_EQ(Punkt("6.1"), Zelle(0, 1, 9));
    EXPECT_EQ(Punkt("8.2"), Zelle(0, 2, 11));
    EXPECT_EQ(Punkt("20.0"), Zelle(0, 0, 12));
    // Evd achieved in bold, the other values in the normal font.
    EXPECT_EQ(Text("7.1").zustand.schrift, Schrift(1));
    EXPECT_EQ(Text("8.1").zustand.schrift, Schrift(0));
    EXPECT_EQ(Text("20.1").zustand.schrift, Schrift(0));
    EXPECT_FALSE(Hat("2.3"));

    for (double y : {26.0, 41.0})
        EXPECT_TRUE(HatBei("Station / Profil", Anker(3, 0, y))) << y;
    EXPECT_TRUE(HatBei("Schicht / Höhe", Anker(3, 0, 28)));
    EXPECT_TRUE(HatBei("Schicht / Höhe", Anker(3, 0, 43)));
    EXPECT_TRUE(HatBei("Lage zur Achse", Anker(3, 0, 45)));
    EXPECT_TRUE(HatBei("S  i.M.", Anker(3, 0, 49)));
    EXPECT_EQ(Texte("[mm]").size(), 2u * 4u);
    EXPECT_TRUE(HatBei("[ms]", Anker(6, 4, 52)));
    // The unit of the achieved Evd follows its caption's bold font.
    const auto mn = Texte("[MN/m²]");
    ASSERT_EQ(mn.size(), 4u);
    EXPECT_EQ(mn[0].punkte[0], Anker(6, 4, 35));
    EXPECT_EQ(mn[0].zustand.schrift, Schrift(1));
    EXPECT_EQ(mn[1].zustand.schrift, Schrift(0));
    // Mark-up captions: S with a lowered index, "SOLL >=" after the lowered "vd ".
    EXPECT_EQ(ZeichenBei(GY(31) + 50, 0, 5), "S");
    EXPECT_EQ(ZeichenBei(GY(36) + 50, 0, 5), "ESOLL >=");
}

TEST_F(DynPlattenseite, TwoBlocksOfFiveShowTheFirstTenPoints)
{
    Drucke(Tabellendaten(12));
    EXPECT_EQ(Punkt("5.4"), Zelle(0, 4, 8));
    EXPECT_EQ(Punkt("5.5"), Zelle(1, 0, 8));
    EXPECT_EQ(Punkt("5.9"), Zelle(1, 4, 8));
    EXPECT_EQ(Punkt("20.9"), Zelle(1, 4, 12));
    EXPECT_EQ(Punkt("0.9"), Zelle(1, 4, 1));
    EXPECT_EQ(Punkt("1.9"), Zelle(1, 4, 3));
    for (const char* fehlt : {"0.10", "1.10", "2.10", "5.11", "20.10"})
        EXPECT_FALSE(Hat(fehlt)) << fehlt;
}

TEST_F(DynPlattenseite, StationAndLayerSplitIntoTwoLines)
{
    Drucke(
        "km 1+200#CRLF#Profil 3@ganz@Teil A#CRLF#Teil B#CRLF#Teil C|Planum#CRLF#112,45 m NN|Achse");
    EXPECT_EQ(Punkt("km 1+200"), Zelle(0, 0, 1));
    EXPECT_EQ(Punkt("Profil 3"), Zelle(0, 0, 2));
    EXPECT_EQ(Punkt("ganz"), Zelle(0, 1, 1));
    EXPECT_FALSE(HatBei("ganz", Zelle(0, 1, 2)));
    EXPECT_EQ(Punkt("Teil A"), Zelle(0, 2, 1));
    EXPECT_EQ(Punkt("Teil B"), Zelle(0, 2, 2));
    EXPECT_FALSE(Hat("Teil C"));
    EXPECT_EQ(Punkt("Planum"), Zelle(0, 0, 3));
    EXPECT_EQ(Punkt("112,45 m NN"), Zelle(0, 0, 4));
    EXPECT_EQ(Punkt("Achse"), Zelle(0, 0, 5));
}

TEST_F(DynPlattenseite, LinesCarryTheirPens)
{
    Drucke(Tabellendaten(1));
    constexpr int Duenn = 0, Dick = 1;
    struct Strich
    {
        double x1, y1, x2, y2;
        int stift;
    };
    const Strich striche[] = {
        {0, 25, 0, 37, Dick},       {5, 25, 5, 37, Dick},  {4.9, 25, 4.9, 37, Dick},
        {24.9, 40, 24.9, 52, Dick}, {3, 30, 3, 37, Duenn}, {0, 27, 30, 27, Duenn},
        {0, 36, 30, 36, Duenn},     {0, 30, 30, 30, Dick}, {0, 33, 30, 33, Dick},
        {0, 34, 30, 34, Dick},      {0, 48, 30, 48, Dick}, {30, 52, 30, 40, Dick},
    };
    for (const Strich& s : striche)
        EXPECT_TRUE(HatLinie({GX(s.x1), GY(s.y1)}, {GX(s.x2), GY(s.y2)}, Stift(s.stift)))
            << s.x1 << "," << s.y1 << " - " << s.x2 << "," << s.y2;
}

namespace {

class PlattenSeitencodes : public Seitentest
{
protected:
    std::vector<std::string> kopfdaten{"|Abschnitt@km 1@Planum@Achse", Tabellendaten(2),
                                       "0@0,5|0@100|0,1@0,2@0,3|10@20@30"};

    // Everything drawn, in order, with the state that matters on paper.
    std::vector<std::string> Seite(int code)
    {
        dc.Leeren();
        druck.DruckeSeite(&dc, seite, code, kopfdaten, "Projekt|Bemerkung|Auftraggeber|P",
                          "Labor|Weg 1|Tel|Fax|0", "Titel");
        std::vector<std::string> eintraege;
        for (const DCEintrag& e : dc.Eintraege()) {
            std::ostringstream zeile;
            zeile << static_cast<int>(e.art) << ' ' << e.text << ' '
                  << e.zustand.schrift.GetLogFont().lfWeight << ' ' << e.zustand.stift.Breite();
            for (POINT p : e.punkte)
                zeile << ' ' << p.x << ',' << p.y;
            eintraege.push_back(zeile.str());
        }
        return eintraege;
    }
};

} // namespace

// Both drop weights print the same body; the static test has its own; the older codes 12 and 15
// reach them too.
TEST_F(PlattenSeitencodes, DispatcherChoosesThePlateLoadBodies)
{
    const auto zehn = Seite(10031);
    EXPECT_TRUE(Hat("S  i.M."));
    EXPECT_TRUE(Hat("Titel"));
    EXPECT_EQ(Seite(10121), zehn);
    EXPECT_EQ(Seite(12), zehn);

    const auto statisch = Seite(10051);
    EXPECT_TRUE(Hat("Erstbelastung"));
    EXPECT_TRUE(Hat("Normalspannung [MN/m²]"));
    EXPECT_FALSE(Hat("S  i.M."));
    EXPECT_EQ(Seite(15), statisch);

    // Further pages of both tests print the header alone.
    for (int code : {10032, 10052, 10122}) {
        Seite(code);
        EXPECT_FALSE(Hat("Titel")) << code;
    }
}
