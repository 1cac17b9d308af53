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

    QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    QtDC dc(maler, kDpi, kDpi);
    // The page rectangle of the print path: 10 mm from the left and top edges, 1 mm above the
    // bottom edge.
    const RECT seite{1000, -1000, 29700, 100 - 21000};
    ASSERT_EQ(druck.Paginiere(&dc), 1);
    druck.DruckeSeite(1, &dc, seite);
    maler.end();
    SetzeSeitenlogo(nullptr);
    g_pfade = vorher;
    if (const QString ordner = qEnvironmentVariable("AXO_SEITENBILDER"); !ordner.isEmpty()) {
        QDir().mkpath(ordner);
        bild.save(ordner + "/zusammenstellung.png");
    }

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
