// The dynamic probing report page on the recording device context, and rendered once on an
// image; with AXO_SEITENBILDER naming a folder it is also written there as
// rammsondierungsseite.png.

#include "platform/qtdc.h"
#include "platform/text.h"
#include "seitentest.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Table data: blows "B0" … for the first n rows, remarks on rows 0 and 59, metre values "M0" …
// and the device fields; field 36 as given.
std::string Tabellendaten(int schlaege, const std::string& norm)
{
    std::string blows, bemerkungen;
    for (int i = 0; i < schlaege; ++i) {
        blows += (i ? "@B" : "B") + std::to_string(i);
        bemerkungen += (i ? "@" : "") + std::string(i == 0 ? "Mutterboden" : i == 59 ? "Kies" : "");
    }
    std::string text = blows + "|" + bemerkungen +
                       "|M0@M1@M2@M3@M4@M5@M6@M7@M8@M9|DPH|15|43.7|50|" +
                       "167|Gelände@Achse|112.45|2.40|0.80|0.30|1.20";
    for (int feld = 14; feld <= 36; ++feld)
        text += "|" + std::string(feld == 36 ? norm : "");
    return text;
}

const std::string diagrammDaten = "0@5@10@15@20|0.0@0.1@0.2@0.3|3@7@12|";

class RammSeite : public Seitentest
{
protected:
    RammSeite() { Gitter(); }

    void Drucke(const std::string& tabelle, const std::string& diagramm = diagrammDaten)
    {
        dc.Leeren();
        druck.DruckeRammsondierung(dc, seite, tabelle, diagramm, "Titel der Prüfart");
    }
};

} // namespace

TEST_F(RammSeite, StandardSwitchSelectsTheTitleOnlyForExactlyOne)
{
    Drucke(Tabellendaten(90, "1"));
    const auto norm = Text(" Erkundung durch Sondierung nach DIN EN ISO 22476-2");
    EXPECT_EQ(norm.punkte.at(0), Anker(3, 0, 16.4));
    EXPECT_EQ(norm.zustand.schrift, Schrift(3));
    EXPECT_FALSE(Hat("Titel der Prüfart"));
    for (const char* anders : {" 1", "1 ", "01", "", "ja"}) {
        Drucke(Tabellendaten(90, anders));
        EXPECT_TRUE(Hat("Titel der Prüfart")) << anders;
        EXPECT_FALSE(Hat(" Erkundung durch Sondierung nach DIN EN ISO 22476-2")) << anders;
    }
}

// Column block b, metre group j, row r: the row ends at page row 23 + 11j + r.
TEST_F(RammSeite, BlowTableRowsDepthsAndMetreValues)
{
    Drucke(Tabellendaten(85, "1"));
    // Depths of all 90 rows, one decimal with a point, right-aligned in the depth column.
    EXPECT_EQ(Punkt("0.1"), Anker(9, 1, 23));
    EXPECT_EQ(Punkt("1.0"), Anker(9, 1, 32));
    EXPECT_EQ(Punkt("3.1"), Anker(9, 7, 23));
    EXPECT_EQ(Punkt("9.0"), Anker(9, 13, 54));
    int tiefen = 0;
    for (int i = 1; i <= 90; ++i)
        tiefen += Hat(StringFormat("%d.%d", i / 10, i % 10));
    EXPECT_EQ(tiefen, 90);
    // Blows right-aligned, remarks left-aligned at the same separator; value 44 is metre 4, row 4.
    EXPECT_EQ(Punkt("B0"), Anker(9, 2.5, 23));
    EXPECT_EQ(Punkt("B44"), Anker(9, 8.5, 23 + 11 + 4));
    EXPECT_EQ(Punkt("B84"), Anker(9, 14.5, 23 + 22 + 4));
    EXPECT_EQ(Punkt("Mutterboden"), Anker(3, 2.5, 23));
    EXPECT_EQ(Punkt("Kies"), Anker(3, 8.5, 23 + 22 + 9));
    // The value of metre g stands in the metre row after the depths g + 0.1 to g + 1.0.
    EXPECT_EQ(Punkt("M0"), Anker(3, 2.5, 33));
    EXPECT_EQ(Punkt("M4"), Anker(3, 8.5, 23 + 11 + 10));
    EXPECT_EQ(Punkt("M8"), Anker(3, 14.5, 23 + 22 + 10));
    EXPECT_FALSE(Hat("M9"));
    EXPECT_EQ(Texte("drehbar").size(), 9u);
    EXPECT_EQ(Texte("Bemerkung").size(), 3u);
    EXPECT_EQ(Texte("T").size(), 3u);

    // Values beyond the 90th are not printed.
    Drucke(Tabellendaten(95, ""));
    EXPECT_TRUE(Hat("B89"));
    EXPECT_FALSE(Hat("B90"));
}

TEST_F(RammSeite, TableLinesCarryTheirPens)
{
    Drucke(Tabellendaten(10, ""));
    for (int y = 0; y <= 32; ++y)
        EXPECT_TRUE(HatLinie({GX(0), GY(23 + y)}, {GX(18), GY(23 + y)}, Stift(0))) << y;
    EXPECT_FALSE(HatLinie({GX(0), GY(23 + 33)}, {GX(18), GY(23 + 33)}));
    for (double b : {0.0, 6.0, 12.0}) {
        // Head band, depth separator through the head, and per group its separators (outlines
        // run down the left side first).
        EXPECT_TRUE(HatLinie({GX(b), GY(22)}, {GX(b + 6), GY(22)}, Stift(1))) << b;
        EXPECT_TRUE(HatLinie({GX(b + 1), GY(21)}, {GX(b + 1), GY(23)}, Stift(1))) << b;
        for (int j = 0; j < 3; ++j) {
            const double oben = 23 + 11 * j;
            EXPECT_TRUE(HatLinie({GX(b + 6), GY(oben + 9)}, {GX(b), GY(oben + 9)}, Stift(1)));
            EXPECT_TRUE(HatLinie({GX(b + 1), GY(oben - 1)}, {GX(b + 1), GY(oben + 9)}, Stift(1)));
            EXPECT_TRUE(
                HatLinie({GX(b + 2.5), GY(oben - 2)}, {GX(b + 2.5), GY(oben + 10)}, Stift(1)));
        }
    }
    // Starting point box and diagram frame.
    EXPECT_TRUE(HatLinie({GX(30), GY(17)}, {GX(18.3), GY(17)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(18.3), GY(63)}, {GX(30), GY(63)}, Stift(1)));
}

// Thin row lines, then the thick lines of every block, then the texts: no block border covers the
// end of a long remark.
TEST_F(RammSeite, TableDrawsAllLinesBeforeItsTexts)
{
    Drucke(Tabellendaten(90, ""));
    const auto imTabellenbereich = [](POINT p) {
        return p.x >= GX(0) && p.x <= GX(18) && p.y <= GY(21) && p.y >= GY(56);
    };
    std::string folge;
    for (const DCEintrag& e : dc.Eintraege()) {
        const bool gezeichnet = e.art == DCPrimitiv::Text || e.art == DCPrimitiv::Linienzug;
        if (!gezeichnet || !std::ranges::all_of(e.punkte, imTabellenbereich))
            continue;
        const char art = e.art == DCPrimitiv::Text ? 't' : e.zustand.stift == Stift(0) ? 'd' : 'k';
        if (folge.empty() || folge.back() != art)
            folge += art;
    }
    EXPECT_EQ(folge, "dkt");
}

TEST_F(RammSeite, DeviceBlockDepthNotesAndFieldsPrintedWhole)
{
    Drucke(Tabellendaten(10, ""));
    EXPECT_EQ(Punkt("Sondiergerät"), Anker(3, 0, 18.3));
    EXPECT_EQ(Punkt("DPH"), Anker(9, 7, 18.3));
    EXPECT_EQ(Punkt("43.7"), Anker(9, 7, 20.3));
    EXPECT_EQ(Punkt("mm"), Anker(9, 9, 20.3));
    EXPECT_EQ(Punkt("cm²"), Anker(9, 9, 19.3));
    EXPECT_EQ(Punkt("Rammenergie"), Anker(3, 11.5, 19.3));
    EXPECT_EQ(Punkt("167"), Anker(9, 16, 19.3));
    EXPECT_EQ(Punkt("kJ/m²"), Anker(9, 18, 19.3));
    EXPECT_EQ(Texte(":").size(), 5u + 2u + 3u);
    // Starting point: a field with "@" prints whole.
    EXPECT_EQ(Punkt("Anzsatzpunkt 'AP'"), Anker(3, 18.5, 18.3));
    EXPECT_EQ(Punkt("Gelände@Achse"), Anker(3, 22.7, 18.3));
    EXPECT_EQ(Punkt("112.45"), Anker(3, 22.7, 19.3));

    EXPECT_EQ(Punkt("Wasseranschnitt"), Anker(3, 0, 57));
    EXPECT_EQ(Punkt("2.40"), Anker(9, 8, 57));
    EXPECT_EQ(Punkt("Leitungszone"), Anker(3, 0, 59));
    EXPECT_EQ(Punkt("0.30"), Anker(9, 8, 59));
    EXPECT_EQ(Punkt("bis"), Anker(3, 9, 59));
    EXPECT_EQ(Punkt("1.20"), Anker(9, 11, 59));
    EXPECT_EQ(Texte("m").size(), 4u);
    EXPECT_EQ(Texte("unter AP").size(), 3u);
    EXPECT_EQ(Text("Wasseranschnitt").zustand.schrift, Schrift(0));
}

TEST_F(RammSeite, DiagramFillsItsRectangleBelowTheStartingPoint)
{
    Drucke(Tabellendaten(10, ""));
    const int links = GX(20.8), oben = GY(24), rechts = GX(29.7), unten = GY(62.5);
    EXPECT_TRUE(HatLinie({links, oben}, {rechts, oben}, Stift(1)));
    EXPECT_TRUE(HatLinie({rechts, unten}, {links, unten}, Stift(1)));
    // Three bars; the first of 3 blows on a 0 … 20 axis.
    std::vector<RECT> balken;
    for (const DCEintrag& e : dc.Eintraege())
        if (e.art == DCPrimitiv::Rechteck)
            balken.push_back(e.rechteck);
    ASSERT_EQ(balken.size(), 3u);
    const int schritt = (oben - unten) / 90;
    const int ende = links + static_cast<int>(3 * (static_cast<double>(rechts - links) / 20));
    EXPECT_EQ(balken[0], (RECT{links + 16, oben, ende, oben - schritt}));
    EXPECT_EQ(Text("Eindringtiefe T [m]").zustand.schrift, Schrift(6));
    EXPECT_EQ(Text("20").zustand.schrift, Schrift(0));
}

TEST_F(RammSeite, DispatcherReachesTheBodyForBothCodes)
{
    const std::vector<std::string> kopfdaten{"|", Tabellendaten(10, ""), diagrammDaten};
    for (int code : {10041, 9}) {
        dc.Leeren();
        druck.DruckeSeite(&dc, seite, code, kopfdaten, "", "", "Titel");
        EXPECT_TRUE(Hat("Sondiergerät")) << code;
        EXPECT_TRUE(Hat("Eindringtiefe T [m]")) << code;
    }
    dc.Leeren();
    druck.DruckeSeite(&dc, seite, 10042, kopfdaten, "", "", "Titel");
    EXPECT_FALSE(Hat("Sondiergerät"));
}

TEST_F(RammSeite, EmptyDataPrintsTheLayout)
{
    Drucke("", "");
    EXPECT_TRUE(Hat("Titel der Prüfart"));
    EXPECT_TRUE(Hat("9.0"));
    EXPECT_EQ(Texte("drehbar").size(), 9u);
    EXPECT_TRUE(Hat("Eindringtiefe T [m]"));
}

TEST_F(RammSeite, RendersAsPng)
{
    QImage bild(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    bild.setDotsPerMeterX(5906);
    bild.setDotsPerMeterY(5906);
    bild.fill(Qt::white);
    {
        QPainter painter(&bild);
        QtDC qtdc(painter);
        druck.Abbildung.SetzeDC(&qtdc);
        druck.DruckeRammsondierung(qtdc, seite, Tabellendaten(62, "1"),
                                   "0@5@10@15@20|0.0@0.1@0.2|3@7@12@18@4|", "Titel");
    }
    if (const QString ordner = qEnvironmentVariable("AXO_SEITENBILDER"); !ordner.isEmpty()) {
        QDir().mkpath(ordner);
        ASSERT_TRUE(bild.save(ordner + QStringLiteral("/rammsondierungsseite.png")));
    }
    // Grey bars at the top of the diagram, right of its axis.
    int grau = 0;
    for (int x = bild.width() / 2; x < bild.width(); ++x)
        for (int y = 25 * 1754 / 67; y < 26 * 1754 / 67; ++y)
            grau += qGray(bild.pixel(x, y)) == 180;
    EXPECT_GT(grau, 10);
}
