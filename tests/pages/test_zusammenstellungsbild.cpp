// Renders the first page of a summary table in landscape on an image, as the printer would. With
// AXO_SEITENBILDER naming a folder the page is also written there as a PNG file to look at:
//   AXO_SEITENBILDER=/tmp/seiten build/tests/test_pages --gtest_filter='Zusammenstellungsbild.*'

#include "data/pfade.h"
#include "pages/seitenlogo.h"
#include "pages/zusammenstellungdruck.h"
#include "platform/qtdc.h"
#include "report/dib.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr double kDpi = 150;
constexpr double kPixelJeMm = kDpi / 25.4;
// A4 landscape, the whole sheet printable.
constexpr int kBreite = static_cast<int>(297 * kPixelJeMm);
constexpr int kHoehe = static_cast<int>(210 * kPixelJeMm);

int Tinte(const QImage& bild, double linksMm, double obenMm, double rechtsMm, double untenMm)
{
    int anzahl = 0;
    for (int y = static_cast<int>(obenMm * kPixelJeMm); y < static_cast<int>(untenMm * kPixelJeMm);
         ++y)
        for (int x = static_cast<int>(linksMm * kPixelJeMm);
             x < static_cast<int>(rechtsMm * kPixelJeMm); ++x)
            if (qGray(bild.pixel(x, y)) < 200)
                ++anzahl;
    return anzahl;
}

void LadeLogo(CDib& logo)
{
    QImage banner(600, 60, QImage::Format_RGB888);
    banner.fill(QColor(30, 70, 140));
    QPainter maler(&banner);
    maler.fillRect(15, 15, 200, 30, Qt::white);
    maler.end();
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    banner.save(&puffer, "BMP");
    std::istringstream datei(puffer.data().toStdString());
    logo.Lese(datei);
}

CProtokoll Protokoll(const char* pruefart)
{
    CProtokoll protokoll;
    protokoll.Initialisiere("P", "T", pruefart);
    return protokoll;
}

// The page as the print path draws it, on a landscape sheet; paginated first.
QImage Zeichne(CZusammenstellungDruck& druck, int seite, const QString& name)
{
    QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    QtDC dc(maler, kDpi, kDpi);
    // The page rectangle of the print path: 10 mm from the left and top edges, 1 mm above the
    // bottom edge.
    const RECT seitenRechteck{1000, -1000, 29700, 100 - 21000};
    druck.Paginiere(&dc);
    druck.DruckeSeite(seite, &dc, seitenRechteck);
    maler.end();
    if (const QString ordner = qEnvironmentVariable("AXO_SEITENBILDER"); !ordner.isEmpty()) {
        QDir().mkpath(ordner);
        bild.save(ordner + "/" + name + ".png");
    }
    return bild;
}

} // namespace

TEST(Zusammenstellungsbild, FirstPageShowsLogoTitleHeadsAndFittedRows)
{
    const CPfade vorher = g_pfade;
    g_pfade.protokollnrDrucken = true;
    CDib logo;
    LadeLogo(logo);
    SetzeSeitenlogo(&logo);

    CZusammenstellungDruck druck;
    druck.SetzeBaustelle("Ortsumgehung Birkenstadt, 2. Bauabschnitt");
    druck.SetzeProtNrPraefix("BL");
    const CProtokoll proctor = Protokoll("1001");
    druck.FuegeZeileHinzu("12|20240517|Damm Nord|0+120|Frostschutzschicht|links 2,5 m|"
                          "Sand-Kies-Gemisch|Seitenentnahme|erdfeucht|PV|PV 12|1,952|9,8|12,5|"
                          "2,011|10,1|8,7|1,934|0,12|0,03|99,1|97,0|||||",
                          proctor);
    druck.FuegeZeileHinzu("13|20240518|Damm Süd|0+180|Planumsschutzschicht|Achse|"
                          "Kiessand|Grube Eichenau|steifplastisch|PV|PV 13|1,948|10,2|0,0|||"
                          "9,9|1,902|0,14|0,05|97,6|97,0|||||",
                          proctor);
    const CProtokoll sieb = Protokoll("1000");
    druck.FuegeZeileHinzu("7|20240520|Lärmschutzwall|1+050|Tragschicht|rechts 4 m|"
                          "Schottertragschichtgemisch|Werk Hartstein|trocken|KV|12,5|0,18|0,22|"
                          "0,25|0,9|3,1|4,6|14,2|31,5|4|6|38|52|0|35|",
                          sieb);
    const CProtokoll notiz = Protokoll("1020");
    druck.FuegeZeileHinzu("21|20240522|Baubesprechung|||||||NO|Abnahme der Frostschutzschicht im "
                          "Bereich Damm Nord mit dem Bauherrn vereinbart|",
                          notiz);

    const QImage bild = Zeichne(druck, 1, "zusammenstellung");
    SetzeSeitenlogo(nullptr);
    g_pfade = vorher;
    EXPECT_EQ(druck.Seitenzahl(), 1);

    // The header block starts 182 mm above the bottom edge at 209 mm: 27 mm from the top.
    // Logo band (mostly blue) left of the separator at 10 + 175 mm, empty right of it.
    EXPECT_GT(Tinte(bild, 12, 28, 183, 44), 60000);
    EXPECT_EQ(Tinte(bild, 187, 28, 283, 44), 0);
    // Title band: site and title texts.
    EXPECT_GT(Tinte(bild, 12, 46, 150, 57), 1000);
    // Head block below it and the first rows.
    EXPECT_GT(Tinte(bild, 12, 59, 284, 75), 5000);
    EXPECT_GT(Tinte(bild, 12, 76, 284, 86), 2000);
    // Nothing left of the table nor beyond its right edge at 285 mm.
    EXPECT_EQ(Tinte(bild, 0, 0, 9.5, 210), 0);
    EXPECT_EQ(Tinte(bild, 285.5, 0, 297, 210), 0);
}

TEST(Zusammenstellungsbild, LaterPageWithoutProtocolNumbersShowsEveryKindsHead)
{
    const CPfade vorher = g_pfade;
    g_pfade.protokollnrDrucken = false;
    CZusammenstellungDruck druck;
    druck.SetzeBaustelle("Ortsumgehung Birkenstadt");
    // Page 1 is filled by rows of three lines each; page 2 holds one row of each other kind.
    for (int i = 0; i < 14; ++i)
        druck.FuegeZeileHinzu(std::to_string(i + 1) + "|20240501|a\nb\nc|", Protokoll("1001"));
    const std::pair<const char*, const char*> arten[] = {
        {"1005", "PL|78,5|45,0|1,74|||||||56,2|45,0"},
        {"1009", "BM|PV 3|1,95|10,1|14,0|2,5|3,5|45|Kalk-Zement-Mischbinder 30/70"},
        {"1015", "TZ|erfüllt|erfüllt|nicht erfüllt"},
        {"1010", "BA|1|62,0|45,0|40"},
        {"1008", "KD|2,651"},
        {"1017", "WD|2,4E-07"},
        {"1016", "KG|12,5"},
        {"1013", "GV|3,1"},
        {"1006", "ZG|0,32|0,18|0,14|0,02|0,21|0,79|0,21"},
    };
    for (const auto& [pruefart, werte] : arten)
        druck.FuegeZeileHinzu(std::string("20|20240601|Los 2|2+450|Unterbau|rechts|Lehm|"
                                          "Bodenentnahme|steif|") +
                                  werte,
                              Protokoll(pruefart));
    const QImage bild = Zeichne(druck, 2, "zusammenstellung2");
    g_pfade = vorher;
    // Rows of 3 × 260 + 160: fourteen fill page 1, and the kinds run on to page 3.
    EXPECT_EQ(druck.Seitenzahl(), 3);
    EXPECT_EQ(druck.Zeilenseite(13), 1);
    EXPECT_EQ(druck.Zeilenseite(14), 2);

    // No logo band: the title band starts 27 mm from the top, with heads and rows below it.
    EXPECT_EQ(Tinte(bild, 12, 0, 284, 26.5), 0);
    EXPECT_GT(Tinte(bild, 12, 28, 150, 39), 1000);
    EXPECT_GT(Tinte(bild, 12, 41, 284, 200), 20000);
}
