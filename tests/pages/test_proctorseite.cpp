// The Proctor report page on the recording device context, and rendered once as
// proctorseite.png into the working directory so that a person can look at it.

#include "platform/qtdc.h"
#include "seitentest.h"

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
    ASSERT_TRUE(bild.save(QStringLiteral("proctorseite.png")));
    // Something was drawn in the diagram area (grid row 50, the middle of the chart).
    int dunkel = 0;
    for (int x = 0; x < bild.width(); ++x)
        if (qGray(bild.pixel(x, 50 * 1754 / 67 + 60)) < 128)
            ++dunkel;
    EXPECT_GT(dunkel, 2);
}
