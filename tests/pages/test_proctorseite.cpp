// The Proctor report page on the recording device context, and rendered once on an image; with
// AXO_SEITENBILDER naming a folder it is also written there as proctorseite.png to look at.

#include "platform/qtdc.h"
#include "seitentest.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Five partial tests of a sandy gravel in a 100 mm cylinder, consistent with each other:
// dry density = (dry mass + cylinder − cylinder) / volume, water content from the tare samples.
std::string Tabellendaten()
{
    const char* felder[] = {
        "250.1@248.7@251.3@249.9@250.6",      // 0 tare
        "750.1@748.7@751.3@749.9@750.6",      // 1 tare + dry mass
        "792.6@799.2@810.3@817.4@826.6",      // 2 tare + moist mass
        "0.085@0.101@0.118@0.135@0.152",      // 3 water content
        "4215@4215@4215@4215@4215",           // 4 cylinder mass
        "120.0@120.0@120.0@120.0@120.0",      // 5 height
        "942.5@942.5@942.5@942.5@942.5",      // 6 volume
        "6119.1@6208.4@6277.1@6283.9@6256.1", // 7 moist mass + cylinder
        "5969.9@6025.5@6059.5@6037.8@5986.9", // 8 dry mass + cylinder
        "2.020@2.115@2.188@2.195@2.166",      // 9 wet density
        "1.862@1.921@1.957@1.934@1.880",      // 10 dry density
        "0.000",                              // 11 oversize fraction
        "0.010",                              // 12 water content of the oversize grain
        "2.650",                              // 13 grain density of the oversize grain
        "0.085@0.101@0.118@0.135@0.152",      // 14 corrected water content
        "1.862@1.921@1.957@1.934@1.880",      // 15 corrected dry density
        "2.68",                               // 16 grain density
        "",
        "",
        "0.120@0.097@0.143@0.092@0.149@0.084@0.158@0.999", // 19 water content per degree
        "1.957@1.918@1.898@1.859@1.500",                   // 20 Proctor density per degree
        "0.262@0.276@0.284@0.298@0.333",                   // 21 total pores per degree
        "0.027@0.090@0.014@0.097@0.000@0.130@0.000@0.777", // 22 air pores per degree
        "",
        "",
        "Proctortopf 1", // 25 designation
        "100",
        "120",
        "942.5",
        "4215",
        "450",
        "4.5",
        "3",
        "25",
        "31.5",
        "0", // 26..35
    };
    std::string text;
    for (const char* feld : felder)
        text += std::string(feld) + "|";
    return text;
}

const std::string diagrammDaten = "0.06@0.08@0.10@0.12@0.14@0.16@0.18|1.80@1.85@1.90@1.95@2.00|"
                                  "0.085@0.101@0.118@0.135@0.152|1.862@1.921@1.957@1.934@1.880|"
                                  "0.118|1.957";

class ProctorSeite : public Seitentest
{
protected:
    ProctorSeite() { Gitter(); }

    void Drucke(const std::string& tabelle, const std::string& diagramm)
    {
        dc.Leeren();
        druck.DruckeProctor(dc, seite, tabelle, diagramm, "Proctorversuch nach DIN 18127");
    }
    std::optional<DCEintrag> Einmal(const std::string& text) const
    {
        const auto treffer = Texte(text);
        if (treffer.size() != 1)
            return std::nullopt;
        return treffer[0];
    }
};

} // namespace

TEST_F(ProctorSeite, TestRowsShowTheirFieldsInTheirColumns)
{
    Drucke(Tabellendaten(), diagrammDaten);
    // The moist row shows field 2 and the dry row field 1.
    const auto feucht = Einmal("Taramasse + Feuchtmasse");
    const auto trocken = Einmal("Taramasse + Trockenmasse");
    const auto feuchtWert = Einmal("792.6");
    const auto trockenWert = Einmal("750.1");
    ASSERT_TRUE(feucht && trocken && feuchtWert && trockenWert);
    EXPECT_EQ(feuchtWert->punkte[0].y, feucht->punkte[0].y);
    EXPECT_EQ(trockenWert->punkte[0].y, trocken->punkte[0].y);
    EXPECT_LT(trocken->punkte[0].y, feucht->punkte[0].y); // the dry row lies below

    // Masses stand right-aligned 1 mm inside the right edge of their column (test 1: 10 to 12),
    // densities and water contents centred in it.
    EXPECT_EQ(trockenWert->ausrichtung, TA_BOTTOM | TA_RIGHT);
    EXPECT_EQ(trockenWert->punkte[0].x, GX(12) - 100);
    const auto zweiteMasse = Einmal("799.2");
    ASSERT_TRUE(zweiteMasse);
    EXPECT_EQ(zweiteMasse->punkte[0].x, GX(14) - 100);
    const auto dichte = Texte("2.020");
    ASSERT_EQ(dichte.size(), 1u);
    EXPECT_EQ(dichte[0].ausrichtung, TA_BOTTOM | TA_CENTER);
    EXPECT_EQ(dichte[0].punkte[0].x, GX(11));

    // The designation twice, the cylinder values once each under their symbols.
    EXPECT_EQ(Texte("Proctortopf 1").size(), 2u);
    EXPECT_TRUE(Einmal("31.5"));
    // Only seven water contents and air pores per degree of compaction print.
    EXPECT_TRUE(Texte("0.999").empty());
    EXPECT_TRUE(Texte("0.777").empty());
    EXPECT_TRUE(Einmal("0.158"));
    // The fifth column carries values but no head.
    EXPECT_TRUE(Einmal("1.500"));
    EXPECT_TRUE(Einmal("0.333"));
    for (const char* kopf : {"98", "97", "95"})
        EXPECT_TRUE(Einmal(kopf)) << kopf;
    EXPECT_EQ(Texte("100").size(), 2u); // the head and the cylinder diameter
    // The diagram with its axis captions.
    EXPECT_TRUE(Einmal("Trockendichte [g/cm³]"));
    EXPECT_TRUE(Einmal("Wassergehalt [-]"));
    // The grain density stands in the top right corner of the diagram frame.
    EXPECT_EQ(Punkt("2.68"), Anker(6, 29, 41.1));
    EXPECT_TRUE(HatLinie({GX(0), GY(40)}, {GX(0), GY(57.6)}));
}

// Ten partial tests and the ten cylinder values fill their tables to the last column, the degrees
// of compaction their five columns and seven half-columns; nothing beyond is printed.
TEST_F(ProctorSeite, TablesFillToTheirLastColumn)
{
    Drucke(Gefuellt(35, 11) + "Zehnter", diagrammDaten);
    EXPECT_EQ(Punkt("Zehnter"), Anker(6, 29, 21));
    const Letzter letzte[] = {
        {0, 9, 9, 30, 23.3},  {2, 9, 9, 30, 24.3}, {1, 9, 9, 30, 25.3},  {3, 9, 6, 29, 26.3},
        {4, 9, 9, 30, 27.6},  {5, 9, 9, 30, 28.6}, {6, 9, 9, 30, 29.6},  {7, 9, 9, 30, 30.6},
        {8, 9, 9, 30, 31.6},  {9, 9, 6, 29, 32.6}, {10, 9, 6, 29, 33.6}, {15, 9, 6, 29, 38.5},
        {14, 9, 6, 29, 39.5}, {20, 4, 6, 28, 60},  {19, 6, 6, 25, 61},   {22, 6, 6, 25, 62},
        {21, 4, 6, 28, 63},
    };
    ErwarteLetzte(letzte);
    for (const Letzter& l : letzte)
        EXPECT_FALSE(Hat(Feldwert(l.feld, l.wert + 1))) << l.feld;
}

// Frames and group boundaries in the thick pen, the rows and columns inside a group in the thin
// one; positions are absolute grid rows (block origin + row).
TEST_F(ProctorSeite, TableLinesCarryTheirPens)
{
    Drucke(Tabellendaten(), diagrammDaten);
    constexpr int Duenn = 0, Dick = 1;
    struct Strich
    {
        double x1, y1, x2, y2;
        int stift;
    };
    const Strich striche[] = {
        // Cylinder table, origin row 17.
        {0, 17, 0, 21, Dick},
        {10, 18, 30, 18, Dick},
        {10, 19, 30, 19, Duenn},
        {0, 20, 30, 20, Dick},
        {10, 17, 10, 21, Dick},
        {12, 18, 12, 21, Duenn},
        {18, 17, 18, 21, Dick},
        {22, 17, 22, 21, Dick},
        // Tare rows, origin 21.
        {0, 22.3, 30, 22.3, Dick},
        {0, 23.3, 30, 23.3, Duenn},
        {0, 25.3, 30, 25.3, Dick},
        {28, 21.3, 28, 26.3, Dick},
        // Cylinder rows and densities, origin 26.
        {0, 27.6, 30, 27.6, Duenn},
        {0, 31.6, 30, 31.6, Duenn},
        {0, 32.6, 30, 32.6, Dick},
        {10, 26.6, 10, 33.6, Dick},
        // Oversize grain, origin 34.
        {0, 35, 12, 35, Duenn},
        {10, 34, 10, 37, Dick},
        // Corrected values, origin 37.
        {0, 38.5, 30, 38.5, Duenn},
        {20, 37.5, 20, 39.5, Dick},
        // Degrees of compaction, origin 58.
        {0, 59, 30, 59, Dick},
        {0, 60, 30, 60, Duenn},
        {0, 61, 30, 61, Dick},
        {0, 62, 30, 62, Duenn},
        {14, 58, 14, 63, Dick},
        {26, 58, 26, 63, Dick},
        {16, 60, 16, 62, Duenn},
        {28, 60, 28, 62, Duenn},
        // Diagram frame, origin 40.
        {0, 57.6, 30, 57.6, Dick},
    };
    for (const Strich& s : striche)
        EXPECT_TRUE(HatLinie({GX(s.x1), GY(s.y1)}, {GX(s.x2), GY(s.y2)}, Stift(s.stift)))
            << s.x1 << "," << s.y1 << " - " << s.x2 << "," << s.y2;
    // No half-columns under the 100 % head.
    EXPECT_FALSE(HatLinie({GX(12), GY(60)}, {GX(12), GY(62)}));
}

// Bold: the block head, the designation, the water content and dry density captions of the test
// table, both corrected captions and the whole 100 % column; the rest in the normal font.
TEST_F(ProctorSeite, CaptionsAndTheOptimumColumnAreBold)
{
    Drucke(Tabellendaten(), diagrammDaten);
    constexpr int Normal = 0, Fett = 1;
    const std::pair<const char*, int> schriften[] = {
        {"Versuchszylinder / Verdichtungsgerät", Fett},
        {"Versuchsbedingungen", Normal},
        {"Taramasse", Normal},
        {"Trockendichte", Fett},
        {"Feuchtdichte", Normal},
        {"Trockendichte '", Fett},
        {"Wassergehalt '", Fett},
        {"Überkornanteil", Normal},
        {"Verdichtungsgrad", Normal},
        {"Proctordichte", Normal},
        {"98", Normal},
        {"0.262", Fett}, // total pores at 100 %
        {"0.276", Normal},
        {"0.120", Fett}, // water content at 100 %
        {"0.143", Normal},
        {"0.027", Fett}, // air pores at 100 %
        {"0.090", Normal},
        {"Korndichte", Normal},
        {"2.68", Normal},
    };
    for (const auto& [text, schrift] : schriften)
        EXPECT_EQ(Text(text).zustand.schrift, Schrift(schrift)) << text;
    for (const DCEintrag& e : Texte("Proctortopf 1"))
        EXPECT_EQ(e.zustand.schrift, Schrift(Fett));
    // The water content caption: bold in the test table, normal in the compaction table.
    const auto wassergehalt = Texte("Wassergehalt");
    ASSERT_EQ(wassergehalt.size(), 2u);
    EXPECT_EQ(wassergehalt[0].zustand.schrift, Schrift(Fett));
    EXPECT_EQ(wassergehalt[1].zustand.schrift, Schrift(Normal));
    EXPECT_EQ(Text("Proctorversuch nach DIN 18127").zustand.schrift, Schrift(3));
}

TEST_F(ProctorSeite, DispatcherReachesTheProctorBodies)
{
    const std::vector<std::string> kopfdaten{"|", Tabellendaten(), diagrammDaten};
    for (int code : {10011, 2, 25}) {
        dc.Leeren();
        druck.DruckeSeite(&dc, seite, code, kopfdaten, "", "", "Titel");
        EXPECT_TRUE(Einmal("Trockendichte [g/cm³]")) << code;
        EXPECT_EQ(Hat("Proctortopf 1"), code != 25) << code;
    }
    dc.Leeren();
    druck.DruckeSeite(&dc, seite, 10012, kopfdaten, "", "", "Titel");
    EXPECT_FALSE(Hat("Trockendichte [g/cm³]"));
}

TEST_F(ProctorSeite, PercentDisplayChangesOnlyTheFractions)
{
    g_pfade.anteilAlsProzent = true;
    Drucke(Tabellendaten(), diagrammDaten);
    EXPECT_EQ(Texte("15.2").size(), 2u); // fields 3 and 14
    EXPECT_TRUE(Texte("0.152").empty());
    EXPECT_TRUE(Einmal("26.2")); // total pores at 100 %
    EXPECT_TRUE(Einmal("1.0"));  // water content of the oversize grain
    // Densities and the cylinder values print as stored.
    EXPECT_EQ(Texte("1.957").size(), 3u); // fields 10, 15 and 20
    EXPECT_TRUE(Einmal("2.650"));
    EXPECT_EQ(Texte("942.5").size(), 6u);
    // Fraction units in percent, the unit of the degree of compaction as it is.
    EXPECT_EQ(Texte("[%]").size(), 1u + 2u + 2u + 3u + 1u);
    EXPECT_TRUE(Texte("[-]").empty());
    EXPECT_TRUE(Einmal("Wassergehalt [%]"));
}

TEST_F(ProctorSeite, EmptyTablePrintsTheLayoutWithoutValues)
{
    Drucke("", "");
    for (const char* text :
         {"Versuchszylinder / Verdichtungsgerät", "Versuchsbedingungen", "Taramasse",
          "Höhe der Probe", "Volumen der Probe", "[cm³]", "10", "95"})
        EXPECT_FALSE(Texte(text).empty()) << text;
    EXPECT_TRUE(Texte("Proctortopf 1").empty());
    // No diagram for an empty chart text: the frame only.
    EXPECT_TRUE(Texte("Trockendichte [g/cm³]").empty());
}

TEST_F(ProctorSeite, ChartTextBeginningWithThreeBarsLeavesTheDiagramOut)
{
    Drucke(Tabellendaten(), "|||" + diagrammDaten);
    EXPECT_TRUE(Texte("Trockendichte [g/cm³]").empty());
    const std::size_t ohneDiagramm = dc.Eintraege().size();
    // "|||" further on does not count: the diagram routine reads the text and finds no ticks.
    Drucke(Tabellendaten(), "x|||");
    EXPECT_EQ(dc.Eintraege().size(), ohneDiagramm);
}

TEST_F(ProctorSeite, RendersAsPng)
{
    QImage bild(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    bild.setDotsPerMeterX(5906);
    bild.setDotsPerMeterY(5906);
    bild.fill(Qt::white);
    {
        QPainter painter(&bild);
        QtDC qtdc(painter);
        druck.Abbildung.SetzeDC(&qtdc);
        druck.DruckeProctor(qtdc, seite, Tabellendaten(), diagrammDaten,
                            "Proctorversuch nach DIN 18127");
    }
    if (const QString ordner = qEnvironmentVariable("AXO_SEITENBILDER"); !ordner.isEmpty()) {
        QDir().mkpath(ordner);
        ASSERT_TRUE(bild.save(ordner + QStringLiteral("/proctorseite.png")));
    }
    // Something was drawn in the diagram area (grid row 50, the middle of the chart).
    int dunkel = 0;
    for (int x = 0; x < bild.width(); ++x)
        if (qGray(bild.pixel(x, 50 * 1754 / 67 + 60)) < 128)
            ++dunkel;
    EXPECT_GT(dunkel, 2);
}
