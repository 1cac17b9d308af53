#include "platform/qtdc.h"

#include "platform/schriften.h"

#include <QGlyphRun>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

QColor AlsQColor(COLORREF farbe)
{
    return QColor(GetRValue(farbe), GetGValue(farbe), GetBValue(farbe));
}

namespace {

QPolygon QtPolygon(const std::vector<POINT>& punkte)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(punkte.size()));
    for (const POINT& p : punkte)
        polygon.append(QPoint(p.x, p.y));
    return polygon;
}

QRectF Rechteck(const RECT& r)
{
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized();
}

// Rebuilds the bitmap file around the info block and the rows, so that Qt's reader decodes it.
QImage BildAusDib(const DIB& dib)
{
    if (dib.info == nullptr || dib.bits == nullptr)
        return {};
    const quint32 versatz = static_cast<quint32>(14 + dib.infoGroesse);
    const quint32 groesse = static_cast<quint32>(versatz + dib.bitsGroesse);
    QByteArray datei(14, '\0');
    datei[0] = 'B';
    datei[1] = 'M';
    qToLittleEndian<quint32>(groesse, datei.data() + 2);
    qToLittleEndian<quint32>(versatz, datei.data() + 10);
    datei.append(reinterpret_cast<const char*>(dib.info), static_cast<qsizetype>(dib.infoGroesse));
    datei.append(reinterpret_cast<const char*>(dib.bits), static_cast<qsizetype>(dib.bitsGroesse));
    return QImage::fromData(datei, "BMP");
}

// Each pixel in its gray, weighted as colours are; a null image when there is no memory for it.
QImage Grauwerte(const QImage& bild)
{
    QImage grau(bild.size(), QImage::Format_Grayscale8);
    if (grau.isNull())
        return grau;
    for (int y = 0; y < bild.height(); ++y) {
        uchar* zeile = grau.scanLine(y);
        for (int x = 0; x < bild.width(); ++x)
            zeile[x] = static_cast<uchar>(qGray(bild.pixel(x, y)));
    }
    return grau;
}

// The logo is the same bitmap on every page: it is decoded once, and being one image, a PDF
// embeds it once however many pages show it. Its gray is made once too.
const QImage& ZuletztGemaltesBild(const DIB& dib, bool graustufen)
{
    static QByteArray info;
    static QByteArray bits;
    static QImage bild;
    static QImage grau;
    const auto gleich = [](const QByteArray& kopie, const unsigned char* daten,
                           std::size_t groesse) {
        return std::size_t(kopie.size()) == groesse &&
               (groesse == 0 || std::memcmp(kopie.constData(), daten, groesse) == 0);
    };
    if (!gleich(info, dib.info, dib.infoGroesse) || !gleich(bits, dib.bits, dib.bitsGroesse)) {
        bild = BildAusDib(dib);
        grau = QImage();
        info = QByteArray(reinterpret_cast<const char*>(dib.info), qsizetype(dib.infoGroesse));
        bits = QByteArray(reinterpret_cast<const char*>(dib.bits), qsizetype(dib.bitsGroesse));
    }
    if (!graustufen)
        return bild;
    if (grau.isNull() && !bild.isNull())
        grau = Grauwerte(bild);
    return grau;
}

} // namespace

QtDC::QtDC(QPainter& painter)
    : QtDC(painter, painter.device()->logicalDpiX(), painter.device()->logicalDpiY())
{
}

QtDC::QtDC(QPainter& painter, double dpiX, double dpiY, bool graustufen)
    : CDC(SchriftMetrik()), m_painter(painter), m_basis(painter.transform()),
      m_einheiten(QTransform::fromScale(dpiX / 2540.0, -dpiY / 2540.0)), m_pixelJeMm(dpiX / 25.4),
      m_graustufen(graustufen)
{
}

QColor QtDC::Farbe(COLORREF farbe) const
{
    if (!m_graustufen)
        return AlsQColor(farbe);
    const int grau = qGray(GetRValue(farbe), GetGValue(farbe), GetBValue(farbe));
    return QColor(grau, grau, grau);
}

QPen QtDC::Stift() const
{
    const CPen& stift = AktuellerZustand().stift;
    if (stift.Stil() == PS_NULL)
        return QPen(Qt::NoPen);
    QPen pen(Farbe(stift.Farbe()));
    if (stift.Breite() <= 1) {
        // One device pixel; dotted as 0.3 mm dots and gaps, so that dots show at any resolution.
        pen.setCosmetic(true);
        pen.setWidthF(1.0);
        if (stift.Stil() == PS_DOT) {
            const qreal punkt = std::max<qreal>(1.0, std::round(0.3 * m_pixelJeMm));
            pen.setDashPattern({punkt, punkt});
        }
        return pen;
    }
    // Wider pens draw solid, whatever their style, with round ends.
    pen.setWidthF(stift.Breite());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void QtDC::RichteFormenEin()
{
    m_painter.setTransform(m_einheiten * m_basis);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Stift());
    m_painter.setBrush(Farbe(AktuellerZustand().pinsel.Farbe()));
}

void QtDC::ZeichneLinienzug(const std::vector<POINT>& punkte)
{
    m_painter.save();
    RichteFormenEin();
    m_painter.drawPolyline(QtPolygon(punkte));
    m_painter.restore();
}

void QtDC::ZeichnePolygon(const std::vector<POINT>& punkte)
{
    m_painter.save();
    RichteFormenEin();
    m_painter.drawPolygon(QtPolygon(punkte), Qt::OddEvenFill);
    m_painter.restore();
}

void QtDC::ZeichneRechteck(const RECT& r)
{
    m_painter.save();
    RichteFormenEin();
    m_painter.drawRect(Rechteck(r));
    m_painter.restore();
}

void QtDC::ZeichneEllipse(const RECT& r)
{
    m_painter.save();
    RichteFormenEin();
    m_painter.drawEllipse(Rechteck(r));
    m_painter.restore();
}

void QtDC::FuelleRechteck(const RECT& r, const CBrush& pinsel)
{
    m_painter.save();
    m_painter.setTransform(m_einheiten * m_basis);
    m_painter.fillRect(Rechteck(r), Farbe(pinsel.Farbe()));
    m_painter.restore();
}

void QtDC::ZeichneText(const TextAusgabe& ausgabe)
{
    const CDC::Zustand& zustand = AktuellerZustand();
    const LOGFONT& schrift = zustand.schrift.GetLogFont();
    const CSchriftschnitt& schnitt = Schriftschnitt(schrift);
    const TextLage lage = Lage(ausgabe);
    const SCHRIFTZELLE& zelle = lage.zelle;

    m_painter.save();
    if (ausgabe.drawTextRechteck && !(ausgabe.drawTextFormat & DT_NOCLIP)) {
        m_painter.setTransform(m_einheiten * m_basis);
        m_painter.setClipRect(Rechteck(*ausgabe.drawTextRechteck), Qt::IntersectClip);
    }

    // The run's own frame in logical units: x along the baseline, y toward the descent (a quarter
    // turn clockwise from it), around the anchor.
    const QTransform textRahmen(lage.richtungX, lage.richtungY, lage.richtungY, -lage.richtungX,
                                ausgabe.anker.x, ausgabe.anker.y);
    m_painter.setTransform(textRahmen * m_einheiten * m_basis);

    const double links = lage.links;
    const double grundlinie = lage.grundlinie;
    if (zustand.hintergrundModus == OPAQUE)
        m_painter.fillRect(QRectF(links, grundlinie - zelle.aufstieg, ausgabe.breite,
                                  zelle.aufstieg + zelle.abstieg),
                           Farbe(zustand.hintergrundFarbe));

    // Glyphs are placed by the same advances the metric measured, so drawn and measured widths
    // agree.
    const double skala = zelle.em / schnitt.einheitenJeEm;
    QList<quint32> glyphe;
    QList<QPointF> positionen;
    double x = links / skala;
    for (char c : ausgabe.text) {
        const auto byte = static_cast<unsigned char>(c);
        glyphe.append(schnitt.glyphe[byte]);
        positionen.append(QPointF(x, grundlinie / skala));
        x += schnitt.vorschub[byte];
    }
    QGlyphRun lauf;
    lauf.setRawFont(schnitt.rohschrift);
    lauf.setGlyphIndexes(glyphe);
    lauf.setPositions(positionen);
    m_painter.setTransform(QTransform::fromScale(skala, skala) * textRahmen * m_einheiten *
                           m_basis);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setPen(Farbe(zustand.textFarbe));
    m_painter.drawGlyphRun(QPointF(0, 0), lauf);
    // Overstruck a little to the right, as Windows emboldens a face that lacks bold outlines:
    // the copy is text too, so a PDF stays small and its text selectable.
    if (schnitt.nachzeichnen > 0)
        m_painter.drawGlyphRun(QPointF(schnitt.nachzeichnen, 0), lauf);
    m_painter.restore();
}

bool QtDC::ZeichneBild(const BildAusgabe& ausgabe)
{
    const QImage& bild = ZuletztGemaltesBild(*ausgabe.bild, m_graustufen);
    if (bild.isNull())
        return false;
    // Source rows count from the bottom of a bottom-up bitmap; Qt counts from the top.
    const RECT& q = ausgabe.quelle;
    const int obenZeile = ausgabe.bildHoehe > 0 ? bild.height() - q.bottom : q.top;
    const QRectF quelle(q.left, obenZeile, q.right - q.left, q.bottom - q.top);
    // Mapped to device pixels and normalised there, so the picture stays upright.
    const QRectF ziel = m_einheiten.mapRect(Rechteck(ausgabe.ziel));
    m_painter.save();
    m_painter.setTransform(m_basis);
    m_painter.drawImage(ziel, bild, quelle);
    m_painter.restore();
    return true;
}
