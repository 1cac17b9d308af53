#include "dib_muster.h"
#include "platform/druckbereich.h"
#include "platform/qtdc.h"
#include "platform/recordingdc.h"
#include "platform/schriften.h"
#include "support/speichergrenze.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CFont Schrift(const char* name, int hoehe, int escapement = 0, int gewicht = FW_NORMAL)
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, escapement, escapement, gewicht, 0, 0, 0, 0, 0, 16, 0, 48, name);
    return schrift;
}

// At 2540 dpi one pixel is one logical unit; logical (x, y) is pixel (x, −y).
constexpr double kEinheitDpi = 2540;

struct Leinwand
{
    QImage bild;
    explicit Leinwand(int breite = 3000, int hoehe = 2000, double dpi = kEinheitDpi)
        : bild(breite, hoehe, QImage::Format_RGB32)
    {
        bild.fill(Qt::white);
        bild.setDotsPerMeterX(qRound(dpi / 0.0254));
        bild.setDotsPerMeterY(qRound(dpi / 0.0254));
    }

    template <typename Zeichnen> void Male(Zeichnen zeichnen, bool graustufen = false)
    {
        QPainter painter(&bild);
        QtDC dc(painter, painter.device()->logicalDpiX(), painter.device()->logicalDpiY(),
                graustufen);
        zeichnen(dc);
    }

    // Bounding box of the dark pixels, in pixels.
    QRect Tinte(int schwelle = 128) const
    {
        QRect box;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (qGray(bild.pixel(x, y)) < schwelle)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

// The ink of a text drawn with one alignment at (1000, −1000).
QRect TintenBox(const char* text, unsigned ausrichtung, const CFont& schrift)
{
    Leinwand leinwand;
    leinwand.Male([&](CDC& dc) {
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(schrift);
        dc.SetTextAlign(ausrichtung);
        dc.TextOut(1000, -1000, text);
    });
    return leinwand.Tinte();
}

} // namespace

TEST(QtDC, EachAlignmentAnchorsTheTextAtItsPoint)
{
    const CFont tahoma = Schrift("Tahoma", 300);
    RecordingDC messung;
    messung.SelectObject(tahoma);
    TEXTMETRIC tm;
    messung.GetTextMetrics(tm);
    const int breite = messung.GetTextExtent("HHH").cx;

    // "H" sits on the baseline; its ink starts a side bearing right of the pen position.
    const QRect grund = TintenBox("HHH", TA_LEFT | TA_BASELINE, tahoma);
    EXPECT_NEAR(grund.bottom(), 1000, 1);
    EXPECT_NEAR(grund.left(), 1000 + 20, 12);
    EXPECT_NEAR(grund.right(), 1000 + breite - 20, 12);

    // Top and bottom anchor the cell's Windows ascent and descent; centre and right the width.
    const QRect oben = TintenBox("HHH", TA_LEFT | TA_TOP, tahoma);
    const QRect unten = TintenBox("HHH", TA_LEFT | TA_BOTTOM, tahoma);
    EXPECT_EQ(oben.translated(0, -tm.tmAscent), grund);
    EXPECT_EQ(unten.translated(0, tm.tmDescent), grund);
    const QRect mitte = TintenBox("HHH", TA_CENTER | TA_BASELINE, tahoma);
    const QRect rechts = TintenBox("HHH", TA_RIGHT | TA_BASELINE, tahoma);
    EXPECT_NEAR(mitte.left() + breite / 2.0, grund.left(), 1);
    EXPECT_NEAR(rechts.left() + breite, grund.left(), 1);
    EXPECT_NEAR(mitte.top(), grund.top(), 1);
}

TEST(QtDC, UpdateCpPutsTheNextRunWhereTheLastEnded)
{
    const CFont tahoma = Schrift("Tahoma", 300);
    Leinwand getrennt;
    getrennt.Male([&](CDC& dc) {
        dc.SelectObject(tahoma);
        dc.SetTextAlign(TA_BOTTOM | TA_LEFT | TA_UPDATECP);
        dc.MoveTo(500, -1000);
        dc.TextOut(0, 0, "HH");
        dc.TextOut(0, 0, "HHH");
    });
    Leinwand zusammen;
    zusammen.Male([&](CDC& dc) {
        dc.SelectObject(tahoma);
        dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
        dc.TextOut(500, -1000, "HHHHH");
    });
    // The position is an int: the second run may start one unit off the unbroken text.
    const QRect a = getrennt.Tinte();
    const QRect b = zusammen.Tinte();
    EXPECT_EQ(a.top(), b.top());
    EXPECT_EQ(a.left(), b.left());
    EXPECT_NEAR(a.right(), b.right(), 1);
}

TEST(QtDC, TurnedFontsRunClockwiseInsideTheCellTheRecordingDerives)
{
    // 2700: up the page, glyph tops toward −x; 900: down the page, tops toward +x.
    const QRect hoch = TintenBox("HHHH", TA_LEFT | TA_BASELINE, Schrift("Tahoma", 300, 2700));
    EXPECT_GT(hoch.height(), 3 * hoch.width());
    EXPECT_NEAR(hoch.bottom(), 1000 - 20, 12);
    EXPECT_NEAR(hoch.right(), 1000, 1);
    const QRect runter = TintenBox("HHHH", TA_LEFT | TA_BASELINE, Schrift("Tahoma", 300, 900));
    EXPECT_GT(runter.height(), 3 * runter.width());
    EXPECT_NEAR(runter.top(), 1000 + 20, 12);
    EXPECT_NEAR(runter.left(), 1000, 1);

    // Drawn and recorded agree: the ink lies in the recorded cell, whatever the anchor.
    for (const int escapement : {2700, 2701, 900})
        for (const unsigned ausrichtung :
             {TA_LEFT | TA_BOTTOM, TA_RIGHT | TA_TOP, TA_CENTER | TA_BASELINE}) {
            const CFont schrift = Schrift("Tahoma", 300, escapement);
            RecordingDC messung;
            messung.SelectObject(schrift);
            messung.SetTextAlign(ausrichtung);
            messung.TextOut(1000, -1000, "HHHH");
            const RECT k = messung.Texte().at(0).kasten;
            const QRect zelle(QPoint(k.left - 1, -k.top - 1), QPoint(k.right + 1, -k.bottom + 1));
            EXPECT_TRUE(zelle.contains(TintenBox("HHHH", ausrichtung, schrift)))
                << escapement << " " << ausrichtung;
        }
}

TEST(QtDC, SymbolAndCp1252CharactersDrawTheirGlyphs)
{
    EXPECT_EQ(SymbolZeichen('r'), u'\u03C1'); // rho
    EXPECT_EQ(SymbolZeichen('a'), u'\u03B1');
    EXPECT_EQ(SymbolZeichen('b'), u'\u03B2');
    EXPECT_EQ(SymbolZeichen('g'), u'\u03B3');
    EXPECT_EQ(SymbolZeichen('w'), u'\u03C9');
    EXPECT_EQ(SymbolZeichen('j'), u'\u03D5');
    EXPECT_EQ(SymbolZeichen('D'), u'\u0394');
    EXPECT_EQ(SymbolZeichen('1'), u'1');
    EXPECT_EQ(SymbolZeichen(0xB0), u'\u00B0');
    EXPECT_EQ(SymbolZeichen(0xF8), u'\u00F8'); // no symbol there: stays CP1252
    EXPECT_EQ(Schriftschnitt(Schrift("Symbol", 335).GetLogFont()).Unicode("rho"),
              QString::fromUtf16(u"\u03C1\u03B7\u03BF"));

    // ρ reaches below the baseline, a Latin r does not.
    const QRect rho = TintenBox("r", TA_LEFT | TA_BASELINE, Schrift("Symbol", 335));
    const QRect r = TintenBox("r", TA_LEFT | TA_BASELINE, Schrift("Times New Roman", 335));
    EXPECT_GT(rho.bottom(), 1000 + 40);
    EXPECT_LE(r.bottom(), 1001);

    // "²" is one CP1252 byte and draws a raised two, not a missing-glyph box on the baseline.
    const std::string quadrat = "²";
    ASSERT_EQ(quadrat.size(), 1u);
    const QRect hoch = TintenBox("²", TA_LEFT | TA_BASELINE, Schrift("Tahoma", 300));
    EXPECT_LT(hoch.bottom(), 1000 - 60);
    EXPECT_GT(hoch.height(), 50);
}

TEST(QtDC, BitmapsStayUprightInAYUpRectangle)
{
    const DibMuster muster = ErzeugeDibMuster(64, 32);
    Leinwand leinwand(1000, 1000);
    int zeilen = 0;
    leinwand.Male([&](CDC& dc) {
        // As a logo is painted: from the upper-left corner with a negative height.
        zeilen = dc.StretchDIBits(100, -100, 640, -320, 0, 0, 64, 32, muster.Sicht());
    });
    EXPECT_EQ(zeilen, 32);
    const QImage& b = leinwand.bild;
    EXPECT_EQ(b.pixelColor(400, 150), QColor(Qt::red));   // upper half
    EXPECT_EQ(b.pixelColor(400, 380), QColor(Qt::blue));  // lower half
    EXPECT_EQ(b.pixelColor(103, 200), QColor(Qt::black)); // first column on the left
    EXPECT_EQ(b.pixelColor(735, 200), QColor(Qt::red));
    EXPECT_EQ(b.pixelColor(400, 430), QColor(Qt::white)); // nothing below the rectangle

    // The source rectangle counts its rows from the bottom: rows 0..15 are the blue half.
    Leinwand unten(1000, 1000);
    unten.Male(
        [&](CDC& dc) { dc.StretchDIBits(100, -100, 640, -320, 0, 0, 64, 16, muster.Sicht()); });
    EXPECT_EQ(unten.bild.pixelColor(400, 250), QColor(Qt::blue));

    // A garbled bitmap draws nothing.
    DibMuster kaputt = muster;
    kaputt.info[14] = 13; // no such bit depth
    Leinwand leer(200, 200);
    leer.Male([&](CDC& dc) {
        EXPECT_EQ(dc.StretchDIBits(0, 0, 100, -100, 0, 0, 64, 32, kaputt.Sicht()), 0);
    });
    EXPECT_TRUE(leer.Tinte(250).isNull());
}

TEST(QtDC, ABitmapOnEveryPageIsEmbeddedOnceInAPdfAndAChangedOneAnew)
{
    DibMuster muster = ErzeugeDibMuster(64, 32);
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("logo.pdf"));
    {
        QPdfWriter pdf(datei);
        QPainter maler(&pdf);
        for (int seite = 0; seite < 4; ++seite) {
            if (seite > 0)
                pdf.newPage();
            // The same buffer with other pixels on the last page.
            if (seite == 3)
                muster.bits[100] ^= 0xFF;
            QtDC dc(maler); // one context per page, as the print loop makes them
            dc.StretchDIBits(1000, -1000, 6400, -3200, 0, 0, 64, 32, muster.Sicht());
        }
    }
    QFile pdf(datei);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Subtype /Image"), 2);
}

TEST(QtDC, PensDrawHairlinesDotsAndWideSolidLines)
{
    struct Strich
    {
        int dunkel = 0; // dark pixels along the line
        int laeufe = 0; // runs of dark pixels along it
        int zeilen = 0; // rows with ink
    };
    // 254 dpi: ten logical units and ten pixels a millimetre.
    const auto linie = [](const CPen& stift) {
        Leinwand leinwand(400, 100, 254);
        leinwand.Male([&](CDC& dc) {
            dc.SelectObject(stift);
            dc.MoveTo(0, -500);
            dc.LineTo(4000, -500);
        });
        Strich strich;
        bool warDunkel = false;
        for (int x = 0; x < 400; ++x) {
            const bool dunkel = qGray(leinwand.bild.pixel(x, 50)) < 128;
            strich.dunkel += dunkel;
            strich.laeufe += dunkel && !warDunkel;
            warDunkel = dunkel;
        }
        strich.zeilen = leinwand.Tinte().height();
        return strich;
    };
    const Strich haarlinie = linie(CPen(PS_SOLID, 1, 0));
    EXPECT_EQ(haarlinie.zeilen, 1);
    EXPECT_GE(haarlinie.dunkel, 399);
    EXPECT_EQ(linie(CPen(PS_SOLID, 0, 0)).zeilen, 1);
    // 0.3 mm dots and gaps: 3 pixels each, so 400 pixels hold about 66 dots.
    const Strich punktiert = linie(CPen(PS_DOT, 1, 0));
    EXPECT_EQ(punktiert.zeilen, 1);
    EXPECT_NEAR(punktiert.laeufe, 66, 1);
    EXPECT_NEAR(punktiert.dunkel, 200, 3);
    const Strich breit = linie(CPen(PS_DOT, 40, 0)); // wide dotted pens draw solid
    EXPECT_EQ(breit.zeilen, 4);
    EXPECT_GE(breit.dunkel, 399);
    EXPECT_EQ(linie(CPen(PS_NULL, 0, 0)).zeilen, 0);
}

TEST(QtDC, ShapesFillWithTheBrushAndTextBackgroundIsOpaqueByDefault)
{
    Leinwand leinwand(1000, 1000, 254);
    leinwand.Male([&](CDC& dc) {
        dc.SelectObject(CBrush(RGB(0, 0, 255)));
        dc.Polygon(std::vector<POINT>{{1000, -1000}, {3000, -1000}, {2000, -3000}});
        dc.Rectangle(5000, -1000, 7000, -3000);
        dc.FillRect({1000, -5000, 3000, -7000}, CBrush(RGB(255, 0, 0)));
        dc.SetBkColor(RGB(0, 255, 0));
        dc.TextOut(5000, -5000, "ii");
    });
    const QImage& b = leinwand.bild;
    EXPECT_EQ(b.pixelColor(200, 120), QColor(Qt::blue));
    EXPECT_EQ(b.pixelColor(600, 200), QColor(Qt::blue));
    EXPECT_EQ(b.pixelColor(500, 200), QColor(Qt::black)); // the outline
    EXPECT_EQ(b.pixelColor(200, 600), QColor(Qt::red));
    EXPECT_EQ(b.pixelColor(501, 501), QColor(Qt::green)); // the cell behind the text
}

TEST(QtDC, InGrayEveryColourTakesTheGrayOfItsWeights)
{
    // Red weighs more than blue: of pure colours, red prints lighter. Pens, brushes, filled
    // rectangles, the text background and bitmaps alike.
    const auto grau = [](int r, int g, int b) {
        const int wert = qGray(r, g, b);
        return qRgb(wert, wert, wert);
    };
    const QRgb rotGrau = grau(255, 0, 0);
    const QRgb blauGrau = grau(0, 0, 255);
    const QRgb gruenGrau = grau(0, 255, 0);
    const DibMuster muster = ErzeugeDibMuster(64, 32);
    Leinwand leinwand(1000, 1000, 254);
    leinwand.Male(
        [&](CDC& dc) {
            dc.SelectObject(CPen(PS_SOLID, 40, RGB(255, 0, 0)));
            dc.MoveTo(1000, -500);
            dc.LineTo(3000, -500);
            dc.SelectObject(CBrush(RGB(0, 0, 255)));
            dc.Rectangle(5000, -1000, 7000, -3000);
            dc.FillRect({1000, -5000, 3000, -7000}, CBrush(RGB(255, 0, 0)));
            dc.FillRect({5000, -5000, 7000, -7000}, CBrush(RGB(0, 0, 255)));
            dc.SetBkColor(RGB(0, 255, 0));
            dc.TextOut(5000, -8000, "ii");
            dc.StretchDIBits(1000, -8000, 640, -320, 0, 0, 64, 32, muster.Sicht());
        },
        true);
    const QImage& b = leinwand.bild;
    const struct
    {
        const char* was;
        QPoint punkt;
        QRgb grau;
    } faelle[] = {{"pen", {200, 50}, rotGrau},
                  {"brush", {600, 200}, blauGrau},
                  {"filled rectangle", {200, 600}, rotGrau},
                  {"filled rectangle", {600, 600}, blauGrau},
                  {"text background", {501, 801}, gruenGrau},
                  {"bitmap, upper half", {140, 807}, rotGrau},
                  {"bitmap, lower half", {140, 825}, blauGrau}};
    for (const auto& fall : faelle)
        EXPECT_EQ(b.pixel(fall.punkt), fall.grau) << fall.was;
}

#if !defined(__SANITIZE_ADDRESS__) // its allocator ends the process instead of failing
TEST(QtDC, ALogoWithoutRoomForItsGrayIsLeftOut)
{
    // A black logo of 9000 x 9000 pixels at one bit each, drawn once in colour: its gray copy
    // takes 81 MB, more than the process has and than any of its allocator's arenas holds.
    constexpr int kSeite = 9000;
    constexpr int kZeilenLaenge = (kSeite + 31) / 32 * 4;
    DibMuster logo;
    logo.info.assign(48, 0); // the header and a palette of black and white
    SchreibeLe32(logo.info, 0, 40);
    SchreibeLe32(logo.info, 4, kSeite);
    SchreibeLe32(logo.info, 8, kSeite);
    logo.info[12] = 1;
    logo.info[14] = 1;
    logo.info[32] = 2;
    SchreibeLe32(logo.info, 44, 0xFFFFFF);
    logo.bits.assign(std::size_t{kZeilenLaenge} * kSeite, 0);
    const auto zeichne = [&logo](CDC& dc) {
        return dc.StretchDIBits(0, 0, 1000, -1000, 0, 0, kSeite, kSeite, logo.Sicht());
    };
    Leinwand leinwand(100, 100, 254);
    int zeilen = 0;
    // Qt reads no image of this size unless told to; its gray alone needs that much.
    const int grenze = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(0);
    leinwand.Male([&](CDC& dc) { zeilen = zeichne(dc); });
    QImageReader::setAllocationLimit(grenze);
    ASSERT_EQ(zeilen, kSeite);
    const int ergebnis = ImKindMitSpeichergrenze(std::size_t{4} << 20, [&] {
        int grau = -1;
        leinwand.Male([&](CDC& dc) { grau = zeichne(dc); }, true);
        return grau == 0 ? 0 : 1;
    });
    EXPECT_EQ(ergebnis, 0) << "1: drawn; -1: the process died";
}
#endif

TEST(QtDC, TextMeasuresTheSameOnAPdfWriterAndAnImage)
{
    QTemporaryDir ordner;
    QPdfWriter pdf(ordner.filePath(QStringLiteral("mass.pdf")));
    pdf.setResolution(300);
    QPainter pdfMaler(&pdf);
    QtDC pdfDc(pdfMaler);
    Leinwand leinwand(10, 10, 96);
    QPainter bildMaler(&leinwand.bild);
    QtDC bildDc(bildMaler);
    const char* texte[] = {"Zusammenstellung der Prüfergebnisse", "Wassergehalt w = 12,5 %",
                           "iiiiiiiiii", "WWW"};
    for (const CFont& schrift : {Schrift("Tahoma", 260), Schrift("Tahoma", 360, 0, 600),
                                 Schrift("Courier New", 335), Schrift("Arial", 335)}) {
        pdfDc.SelectObject(schrift);
        bildDc.SelectObject(schrift);
        for (const char* text : texte) {
            const SIZE a = pdfDc.GetTextExtent(text);
            const SIZE b = bildDc.GetTextExtent(text);
            EXPECT_NEAR(a.cx, b.cx, 1) << text;
            EXPECT_EQ(a.cy, b.cy);
        }
    }
}

TEST(QtDC, PrintableAreaComesInHundredthsAndWholeMillimetres)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setPageMargins(QMarginsF(4.2, 5, 6, 7.5), QPageLayout::Millimeter);
    const DRUCKBEREICH bereich = LeseDruckbereich(drucker);
    EXPECT_NEAR(bereich.versatzX, 420, 1);
    EXPECT_NEAR(bereich.versatzY, 500, 1);
    EXPECT_EQ(bereich.breiteMm, 200); // 210 − 4.2 − 6 = 199.8
    EXPECT_EQ(bereich.hoeheMm, 285);  // 297 − 5 − 7.5 = 284.5, rounded
}

TEST(QtDC, BoldTextInksHeavierAndStaysSmallSelectableTextInAPdf)
{
    const auto tinte = [](int gewicht) {
        Leinwand leinwand;
        leinwand.Male([&](CDC& dc) {
            dc.SetBkMode(TRANSPARENT);
            dc.SelectObject(Schrift("Tahoma", 300, 0, gewicht));
            dc.TextOut(100, -100, "Baumaßnahme Lindenfeld");
        });
        int dunkel = 0;
        for (int y = 0; y < leinwand.bild.height(); ++y)
            for (int x = 0; x < leinwand.bild.width(); ++x)
                dunkel += qGray(leinwand.bild.pixel(x, y)) < 128;
        return dunkel;
    };
    // Wine's Tahoma Bold has the regular outlines: without the overstrike both ink alike.
    EXPECT_GT(tinte(FW_BOLD), tinte(FW_NORMAL) * 23 / 20);

    // Forty lines in a PDF: bold costs about what regular text costs and reads back once.
    QTemporaryDir ordner;
    const auto pdf = [&](int gewicht) {
        const QString datei = ordner.filePath(QString::number(gewicht) + QStringLiteral(".pdf"));
        QPdfWriter schreiber(datei);
        QPainter maler(&schreiber);
        QtDC dc(maler);
        dc.SelectObject(Schrift("Tahoma", 300, 0, gewicht));
        for (int zeile = 0; zeile < 40; ++zeile)
            dc.TextOut(1000, -1000 - 400 * zeile, "Baumaßnahme Lindenfeld");
        maler.end();
        return datei;
    };
    const QString normal = pdf(FW_NORMAL);
    const QString fett = pdf(FW_BOLD);
    EXPECT_LT(QFileInfo(fett).size(), QFileInfo(normal).size() * 3 / 2);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {fett, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_EQ(text.count(QString::fromUtf16(u"Baumaßnahme Lindenfeld")), 40) << qPrintable(text);
}
