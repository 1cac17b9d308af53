// Renders one page of each kind from the sample project on an image, as the printer would. With
// AXO_SEITENBILDER naming a folder the pages are also written there as PNG files to look at:
//   AXO_SEITENBILDER=/tmp/seiten build/tests/test_pages --gtest_filter='Seitenbilder.*'

#include "data/pfade.h"
#include "musterbauer.h"
#include "pages/seitenlogo.h"
#include "platform/qtdc.h"
#include "report/dib.h"
#include "report/versuchstypen.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

constexpr double kDpi = 150;
constexpr int kBreite = static_cast<int>(210 / 25.4 * kDpi);
constexpr int kHoehe = static_cast<int>(297 / 25.4 * kDpi);

// Pixels that are not white within a rectangle of the page, given in millimetres from the top
// left of the printable area.
int Tinte(const QImage& bild, double linksMm, double obenMm, double rechtsMm, double untenMm)
{
    const double px = kDpi / 25.4;
    int anzahl = 0;
    for (int y = static_cast<int>(obenMm * px); y < static_cast<int>(untenMm * px); ++y)
        for (int x = static_cast<int>(linksMm * px); x < static_cast<int>(rechtsMm * px); ++x)
            if (qGray(bild.pixel(x, y)) < 200)
                ++anzahl;
    return anzahl;
}

// A small banner as the company logo, read the way the logo file's bitmap is.
void LadeLogo(CDib& logo)
{
    QImage banner(400, 40, QImage::Format_RGB888);
    banner.fill(QColor(30, 70, 140));
    QPainter maler(&banner);
    maler.fillRect(10, 10, 120, 20, Qt::white);
    maler.end();
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    banner.save(&puffer, "BMP");
    std::istringstream datei(puffer.data().toStdString());
    logo.Lese(datei);
}

class Seitenbilder : public ::testing::Test
{
protected:
    Seitenbilder() : projekt(BaueMusterprojekt())
    {
        LadeLogo(logo);
        g_pfade.protokollnrDrucken = true;
    }
    ~Seitenbilder() override { g_pfade = vorher; }

    const CProtokoll& Protokoll(int pruefart) const
    {
        for (const CProtokoll& p : projekt.protokolle)
            if (p.GetPruefart() == pruefart)
                return p;
        throw std::runtime_error("keine Prüfart " + std::to_string(pruefart));
    }

    // The page as a print job makes it: the protocol read into its test object, which
    // assembles the header texts and prints its local page.
    QImage Seite(CVirtVersuch& versuch, int pruefart, int lokaleSeite, const std::string& name)
    {
        return SeiteVon(versuch, Protokoll(pruefart), lokaleSeite, name);
    }
    QImage SeiteVon(CVirtVersuch& versuch, const CProtokoll& protokoll, int lokaleSeite,
                    const std::string& name)
    {
        versuch.LeseProtokollXml(protokoll.SchreibeXML(), false);
        versuch.SetzeKopfdaten(projekt.metadaten.at("bezeichnung") +
                                   "||Landesstraßenbauamt Musterland, Birkenstadt|" +
                                   projekt.metadaten.at("protNrPraefix"),
                               projekt.metadaten.at("fusstext"));
        QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        QtDC dc(maler, kDpi, kDpi);
        SetzeSeitenlogo(&logo);
        versuch.Drucken(lokaleSeite, &dc, RECT{0, 0, 19600, -28500});
        SetzeSeitenlogo(nullptr);
        maler.end();
        if (const QString ordner = qEnvironmentVariable("AXO_SEITENBILDER"); !ordner.isEmpty()) {
            QDir().mkpath(ordner);
            bild.save(ordner + "/" + QString::fromStdString(name) + ".png");
        }
        return bild;
    }

    const CPfade vorher = g_pfade;
    const MusterProjekt projekt;
    CDib logo;
};

} // namespace

// Page rows in millimetres below the printable area's top: 16.2 mm + row × 3.88 mm.
double Zeile(double zeile)
{
    return 16.2 + zeile * 26000.0 / 67 / 100;
}

TEST_F(Seitenbilder, HeaderOnlyPageHasLogoFrameAndEmptyBody)
{
    CV_proctor proctor;
    const QImage bild = Seite(proctor, 1001, 2, "kopf");
    // The logo band is mostly blue.
    EXPECT_GT(Tinte(bild, 30, Zeile(-1.2), 180, Zeile(2.6)), 10000);
    // Header values, footer lines, and nothing between the title band and the remark line.
    EXPECT_GT(Tinte(bild, 25, Zeile(6), 130, Zeile(14)), 500);
    EXPECT_GT(Tinte(bild, 25, Zeile(65.5), 130, Zeile(67.9)), 200);
    EXPECT_EQ(Tinte(bild, 26, Zeile(17), 190, Zeile(63.5)), 0);
}

TEST_F(Seitenbilder, NotePagesShowTheirSlicesAndTheAttachmentsOnTheLast)
{
    CV_Notiz notiz;
    const QImage erste = Seite(notiz, 1020, 1, "notiz1");
    const QImage zweite = Seite(notiz, 1020, 2, "notiz2");
    EXPECT_EQ(notiz.HoleSeitenzahl(), 2);
    // Both pages carry text lines from row 13; the first page runs to its last row.
    EXPECT_GT(Tinte(erste, 30, Zeile(12.2), 190, Zeile(62.1)), 5000);
    EXPECT_GT(Tinte(erste, 30, Zeile(61.2), 190, Zeile(62.1)), 0);
    EXPECT_GT(Tinte(zweite, 30, Zeile(12.2), 190, Zeile(13.1)), 0);
    // No remark line on note pages, so the body area reaches row 65.4.
    EXPECT_EQ(Tinte(erste, 26, Zeile(63.5), 190, Zeile(65.0)), 0);
}

TEST_F(Seitenbilder, WaterContentAndGrainDensityTablesAreFilled)
{
    CV_wassergehalt wassergehalt;
    const QImage wasser = Seite(wassergehalt, 1011, 1, "wassergehalt");
    // The title band holds the report title of the test type.
    EXPECT_GT(Tinte(wasser, 30, Zeile(15.4), 120, Zeile(16.6)), 300);
    // Values in the first sample row of the mass columns.
    EXPECT_GT(Tinte(wasser, 127, Zeile(27.2), 175, Zeile(28.7)), 100);
    // The mean box.
    EXPECT_GT(Tinte(wasser, 158, Zeile(45.5), 193, Zeile(46.3)), 50);

    CV_korndichte korndichteVersuch;
    const QImage korndichte = Seite(korndichteVersuch, 1008, 1, "korndichte");
    EXPECT_GT(Tinte(korndichte, 95, Zeile(20.2), 130, Zeile(21.9)), 100);
    EXPECT_GT(Tinte(korndichte, 25, Zeile(28.7), 90, Zeile(29.5)), 50);
}

TEST_F(Seitenbilder, LossOnIgnitionLimeContentAndSedimentationTablesAreFilled)
{
    CV_Glueverlust glueverlust;
    const QImage glue = Seite(glueverlust, 1013, 1, "gluehverlust");
    EXPECT_GT(Tinte(glue, 30, Zeile(15.4), 120, Zeile(16.6)), 300);
    // Masses of the first crucible, and the mean below the part-test columns.
    EXPECT_GT(Tinte(glue, 96, Zeile(20.2), 114, Zeile(23)), 100);
    EXPECT_GT(Tinte(glue, 135, Zeile(26.4), 153, Zeile(27.2)), 30);
    // Part test 5 has no data: only its generated head.
    EXPECT_EQ(Tinte(glue, 176, Zeile(20.15), 190, Zeile(20.85)), 0);

    CV_Kalkgehalt kalkgehalt;
    const QImage kalk = Seite(kalkgehalt, 1016, 1, "kalkgehalt");
    EXPECT_GT(Tinte(kalk, 104, Zeile(18.2), 118, Zeile(30)), 300);
    // The mean row's one value.
    EXPECT_GT(Tinte(kalk, 104, Zeile(30.2), 150, Zeile(30.9)), 20);

    CV_Sedimentation sedimentation;
    const QImage sed = Seite(sedimentation, 1014, 1, "sedimentation");
    EXPECT_GT(Tinte(sed, 96, Zeile(19.2), 113, Zeile(22)), 50);
    // The first and the last reading.
    EXPECT_GT(Tinte(sed, 26, Zeile(27.4), 192, Zeile(28.2)), 150);
    EXPECT_GT(Tinte(sed, 26, Zeile(38.4), 192, Zeile(39.2)), 150);
}

TEST_F(Seitenbilder, FilterRuleAndPermeabilityPagesShowTablesAndCharts)
{
    CV_Terzaghi terzaghi;
    const QImage filter = Seite(terzaghi, 1015, 1, "filterregel");
    // Curves in the chart, the sieve table and the criteria.
    EXPECT_GT(Tinte(filter, 45, Zeile(20), 185, Zeile(33)), 2000);
    EXPECT_GT(Tinte(filter, 26, Zeile(43), 110, Zeile(50)), 300);
    EXPECT_GT(Tinte(filter, 123, Zeile(56.6), 190, Zeile(58.6)), 100);

    CV_Wasserdlkb wasserdlkb(2);
    const QImage durchlaessigkeit = Seite(wasserdlkb, 1017, 1, "durchlaessigkeit");
    EXPECT_GT(Tinte(durchlaessigkeit, 26, Zeile(37), 190, Zeile(42)), 300);
    // The crosses of the chart.
    EXPECT_GT(Tinte(durchlaessigkeit, 50, Zeile(55), 185, Zeile(60)), 100);
}

TEST_F(Seitenbilder, ProctorPageShowsTablesAndTheCurve)
{
    CV_proctor versuch;
    const QImage proctor = Seite(versuch, 1001, 1, "proctor");
    // Values of the first partial test in the tare rows, and the degree-of-compaction table.
    EXPECT_GT(Tinte(proctor, 25 + 10 * 5.6, Zeile(22.4), 25 + 12 * 5.6, Zeile(26.2)), 100);
    EXPECT_GT(Tinte(proctor, 25 + 10 * 5.6, Zeile(58.2), 25 + 30 * 5.6, Zeile(62.9)), 300);
    // Inside the chart, clear of its frame: the markers and the curve.
    EXPECT_GT(Tinte(proctor, 25 + 3 * 5.6, Zeile(42), 25 + 28.5 * 5.6, Zeile(54)), 2000);
}

TEST_F(Seitenbilder, GrainSizePageShowsTablesAndTheCurves)
{
    CV_kornsummenlinie versuch;
    const QImage bild = Seite(versuch, 1000, 1, "kornverteilung");
    // Values in the sieve rows and in the table of characteristic values.
    EXPECT_GT(Tinte(bild, 25 + 3.2 * 5.6, Zeile(25.1), 25 + 9.8 * 5.6, Zeile(35.9)), 500);
    EXPECT_GT(Tinte(bild, 25 + 16.3 * 5.6, Zeile(22.1), 25 + 29.8 * 5.6, Zeile(33.9)), 500);
    // Inside the chart below the class band: the grading curve and its markers.
    EXPECT_GT(Tinte(bild, 25 + 3.5 * 5.6, Zeile(48), 25 + 28.5 * 5.6, Zeile(59.5)), 2000);
}

TEST_F(Seitenbilder, AtterbergPageShowsTablesAndFourDiagrams)
{
    CV_zustandsgrenzen versuch;
    const QImage seite = Seite(versuch, 1006, 1, "zustandsgrenzen");
    const double spalte = 196.0 / 35; // mm per grid column of the 19600-unit page
    // Values in the liquid-limit and natural water content tables.
    EXPECT_GT(Tinte(seite, 5 * spalte, Zeile(18.1), 13 * spalte, Zeile(22.9)), 300);
    EXPECT_GT(Tinte(seite, 24 * spalte, Zeile(18.1), 30 * spalte, Zeile(22.9)), 200);
    // Flow curve, plastic limit band and plasticity chart inside their frames.
    EXPECT_GT(Tinte(seite, 3 * spalte, Zeile(26), 18 * spalte, Zeile(31.5)), 500);
    EXPECT_GT(Tinte(seite, 1 * spalte, Zeile(41.6), 14 * spalte, Zeile(42.4)), 1000);
    EXPECT_GT(Tinte(seite, 3 * spalte, Zeile(47), 18 * spalte, Zeile(61)), 2000);
}

TEST_F(Seitenbilder, FieldDensityAndGaugePagesFillAllBlocksForEveryMethod)
{
    int seiten = 0;
    for (const CProtokoll& p : projekt.protokolle) {
        const int art = p.GetPruefart();
        if (art != 1002 && art != 1007)
            continue;
        std::unique_ptr<CVirtVersuch> versuch;
        if (art == 1002)
            versuch = std::make_unique<CV_verdichtung>();
        else
            versuch = std::make_unique<CV_troxler>();
        const std::string name = (art == 1002 ? "felddichte_" : "isotopensonde_") + p.GetID();
        const QImage bild = SeiteVon(*versuch, p, 1, name);
        ++seiten;
        // Values in the first test point's column from the description to the compaction.
        EXPECT_GT(Tinte(bild, 25 + 10.3 * 5.6, Zeile(art == 1002 ? 21.2 : 25.2), 25 + 13.8 * 5.6,
                        Zeile(30)),
                  300)
            << name;
        EXPECT_GT(Tinte(bild, 25 + 10.3 * 5.6, Zeile(43.2), 25 + 13.8 * 5.6, Zeile(62.9)), 500)
            << name;
    }
    EXPECT_GE(seiten, 6);
}

TEST_F(Seitenbilder, StaticPlateLoadPageShowsTableDiagramAndModuli)
{
    CV_plattendruck versuch;
    const QImage bild = Seite(versuch, 1005, 1, "plattendruck");
    // The first-loading rows of the load table and the moduli in the results block.
    EXPECT_GT(Tinte(bild, 25.5, Zeile(24.2), 25 + 5.9 * 5.6, Zeile(30.9)), 300);
    EXPECT_GT(Tinte(bild, 25 + 17 * 5.6, Zeile(60.2), 25 + 25 * 5.6, Zeile(62.9)), 100);
    // Inside the chart, clear of its frame: crosses, curves and the unloading line.
    EXPECT_GT(Tinte(bild, 25 + 9.5 * 5.6, Zeile(24.5), 25 + 28.8 * 5.6, Zeile(56.8)), 1000);
}

TEST_F(Seitenbilder, BinderPageShowsValuesDiagramAndAdditions)
{
    CV_bindemittelmenge versuch;
    const QImage bild = Seite(versuch, 1009, 1, "bindemittel");
    // The values beside their captions, the binder lines inside the chart, the additions.
    EXPECT_GT(Tinte(bild, 25 + 5.5 * 5.6, Zeile(18.1), 25 + 8 * 5.6, Zeile(21)), 100);
    EXPECT_GT(Tinte(bild, 25 + 3.5 * 5.6, Zeile(24.5), 25 + 28.5 * 5.6, Zeile(53.5)), 1000);
    EXPECT_GT(Tinte(bild, 25 + 5.5 * 5.6, Zeile(58.1), 25 + 12 * 5.6, Zeile(62)), 100);
}

TEST_F(Seitenbilder, SoilReplacementPageShowsValuesSentencesAndCurves)
{
    CV_bodenaustauschdicke versuch;
    const QImage bild = Seite(versuch, 1010, 1, "bodenaustausch");
    EXPECT_GT(Tinte(bild, 25 + 5.5 * 5.6, Zeile(18.1), 25 + 8 * 5.6, Zeile(21)), 100);
    EXPECT_GT(Tinte(bild, 25 + 1 * 5.6, Zeile(23.6), 25 + 25 * 5.6, Zeile(30.5)), 1000);
    // The curve family and the project point inside the chart.
    EXPECT_GT(Tinte(bild, 25 + 3.5 * 5.6, Zeile(33.5), 25 + 28.5 * 5.6, Zeile(60.5)), 1000);
}

TEST_F(Seitenbilder, DynamicPlateLoadPagesShowTheirTestPoints)
{
    CV_lastplatte zehn;
    const QImage bild = Seite(zehn, 1003, 1, "lastplatte");
    // Device rows, and the values of the first test point.
    EXPECT_GT(Tinte(bild, 25, Zeile(17.2), 190, Zeile(21.1)), 1000);
    EXPECT_GT(Tinte(bild, 25 + 5.2 * 5.6, Zeile(25.2), 25 + 9.8 * 5.6, Zeile(36.9)), 500);

    CV_lastplatte15kg fuenfzehn;
    const QImage bild15 = Seite(fuenfzehn, 1012, 1, "lastplatte15kg");
    EXPECT_GT(Tinte(bild15, 25 + 5.2 * 5.6, Zeile(25.2), 25 + 9.8 * 5.6, Zeile(36.9)), 500);
}

TEST_F(Seitenbilder, DynamicProbingShowsTableAndBars)
{
    CV_rammsondierung rammsondierung;
    const QImage bild = Seite(rammsondierung, 1004, 1, "rammsondierung");
    // Blow counts in the first column block, grey bars right of the diagram's axis.
    EXPECT_GT(Tinte(bild, 30, Zeile(22.2), 45, Zeile(31.9)), 100);
    EXPECT_GT(Tinte(bild, 143, Zeile(24.5), 190, Zeile(40)), 2000);
}

TEST_F(Seitenbilder, CombinedDiagramShowsSeveralCurvesAndTheirLegend)
{
    CV_Grafikmisch versuch(2);
    const QImage bild = Seite(versuch, 1018, 1, "grafikmisch");
    const double spalte = 196.0 / 35;
    // Curves inside the chart, clear of its frame, and the legend's samples and texts.
    EXPECT_GT(Tinte(bild, 4 * spalte, Zeile(21), 28.5 * spalte, Zeile(35)), 2000);
    EXPECT_GT(Tinte(bild, 4 * spalte, Zeile(40.2), 25 * spalte, Zeile(41.4)), 300);
    EXPECT_GT(Tinte(bild, 4 * spalte, Zeile(41.6), 20 * spalte, Zeile(52)), 1000);

    // The grain-size comparison: its curves below the class band.
    const CProtokoll* kornvergleich = nullptr;
    for (const CProtokoll& p : projekt.protokolle)
        if (p.GetPruefart() == 1018)
            kornvergleich = &p;
    CV_Grafikmisch korn(1);
    const QImage kornbild = SeiteVon(korn, *kornvergleich, 1, "grafikmisch_korn");
    EXPECT_EQ(korn.Untertyp, 1);
    EXPECT_GT(Tinte(kornbild, 4 * spalte, Zeile(26), 28.5 * spalte, Zeile(35)), 2000);
}
