// Writes the sample company logo: a banner bitmap of an invented laboratory, stored as an 8-bit
// bitmap file and scrambled as the program expects its logo file.
//
//   logo_erzeugen ZIELDATEI

#include "report/dib.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The header band is stretched to about ten times its height, so the banner has that shape.
constexpr int Breite = 1800;
constexpr int Hoehe = 180;

const QColor Dunkelblau(20, 60, 110);
const QColor Hellblau(120, 160, 205);
const QColor Erdbraun(150, 110, 60);

// Three soil layers under a survey mark, in a square at the left.
void ZeichneZeichen(QPainter& maler)
{
    const QRectF feld(20, 20, 140, 140);
    maler.fillRect(feld, Dunkelblau);
    maler.fillRect(QRectF(feld.left(), 100, feld.width(), 20), Hellblau);
    maler.fillRect(QRectF(feld.left(), 120, feld.width(), 20), Erdbraun);
    maler.fillRect(QRectF(feld.left(), 140, feld.width(), 20), Erdbraun.darker(140));
    QPainterPath dreieck;
    dreieck.moveTo(90, 36);
    dreieck.lineTo(124, 92);
    dreieck.lineTo(56, 92);
    dreieck.closeSubpath();
    maler.fillPath(dreieck, Qt::white);
}

void ZeichneSchrift(QPainter& maler)
{
    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(64);
    name.setBold(true);
    maler.setFont(name);
    maler.setPen(Dunkelblau);
    maler.drawText(QPointF(190, 92), QStringLiteral("Musterlabor Geotechnik GmbH"));

    QFont zusatz(QStringLiteral("Liberation Sans"));
    zusatz.setPixelSize(30);
    maler.setFont(zusatz);
    maler.setPen(Erdbraun.darker(130));
    maler.drawText(QPointF(192, 142),
                   QString::fromUtf16(u"Bodenmechanik \u00b7 Erdbau \u00b7 Baustoffprüfung"));
    maler.setPen(Dunkelblau);
    maler.drawText(QRectF(1220, 30, 550, 120), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromUtf16(u"Musterstraße 1\n12345 Musterstadt"));
    maler.fillRect(QRectF(190, 108, 1000, 4), Hellblau);
}

QImage Banner()
{
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    ZeichneZeichen(maler);
    ZeichneSchrift(maler);
    maler.end();
    return bild.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

void Wort(std::string& aus, std::uint32_t wert, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i)
        aus.push_back(char(wert >> (8 * i)));
}

// A plain bitmap file: info header, colour table, rows bottom-up padded to four bytes.
std::string BitmapDatei(const QImage& bild)
{
    const QList<QRgb> farben = bild.colorTable();
    const std::uint32_t zeilenLaenge = (std::uint32_t(bild.width()) + 3) / 4 * 4;
    const std::uint32_t bitsGroesse = zeilenLaenge * std::uint32_t(bild.height());
    const std::uint32_t bitsStelle = 14 + 40 + 4 * std::uint32_t(farben.size());

    std::string datei = "BM";
    Wort(datei, bitsStelle + bitsGroesse);
    Wort(datei, 0);
    Wort(datei, bitsStelle);
    Wort(datei, 40);
    Wort(datei, std::uint32_t(bild.width()));
    Wort(datei, std::uint32_t(bild.height()));
    Wort(datei, 1, 2);
    Wort(datei, 8, 2);
    Wort(datei, 0);
    Wort(datei, bitsGroesse);
    Wort(datei, 11811); // 300 dpi
    Wort(datei, 11811);
    Wort(datei, std::uint32_t(farben.size()));
    Wort(datei, 0);
    for (QRgb farbe : farben) {
        datei.push_back(char(qBlue(farbe)));
        datei.push_back(char(qGreen(farbe)));
        datei.push_back(char(qRed(farbe)));
        datei.push_back(0);
    }
    for (int y = bild.height() - 1; y >= 0; --y) {
        const std::string zeile(reinterpret_cast<const char*>(bild.constScanLine(y)),
                                std::size_t(bild.width()));
        datei += zeile + std::string(zeilenLaenge - zeile.size(), '\0');
    }
    return datei;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: logo_erzeugen ZIELDATEI\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::string datei = BitmapDatei(Banner());
    EntschluesseleLogoPuffer(datei.data(), datei.size());
    const std::string ziel = argv[1];
    std::ofstream(ziel, std::ios::binary) << datei;

    // The program must be able to read what was written.
    CDib probe;
    if (probe.LadeLogoDatei(ziel) != datei.size()) {
        std::fprintf(stderr, "logo_erzeugen: %s ist kein lesbares Logo\n", argv[1]);
        return 1;
    }
    return 0;
}
