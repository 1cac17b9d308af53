#include "app/bildliste.h"

#include <QPainter>
#include <QPolygon>
#include <initializer_list>

namespace {

// One stroke of an image: a polyline, two pixels wide.
struct STRICH
{
    QRgb farbe;
    std::initializer_list<QPoint> punkte;
};

constexpr QRgb kBlattGrau = 0xFF606060;
constexpr QRgb kHakenGruen = 0xFF008000;
constexpr QRgb kHakenDunkelgruen = 0xFF004000;

// The images as strokes on a 16 x 16 field.
const std::initializer_list<STRICH> kBildStriche[CBildliste::Anzahl] = {
    // 0: a sheet with a folded corner.
    {{kBlattGrau, {{3, 1}, {9, 1}, {12, 4}, {12, 14}, {3, 14}, {3, 1}}},
     {kBlattGrau, {{9, 1}, {9, 4}, {12, 4}}}},
    // 1: a tick.
    {{kHakenGruen, {{3, 8}, {6, 11}, {12, 4}}}},
    // 2: two ticks.
    {{kHakenGruen, {{1, 8}, {4, 11}, {9, 5}}}, {kHakenDunkelgruen, {{6, 8}, {9, 11}, {14, 4}}}},
};

QPixmap MaleBild(const std::initializer_list<STRICH>& striche)
{
    QPixmap bild(CBildliste::Groesse, CBildliste::Groesse);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    for (const STRICH& strich : striche) {
        maler.setPen(
            QPen(QColor::fromRgba(strich.farbe), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        maler.drawPolyline(QPolygon(QList<QPoint>(strich.punkte)));
    }
    return bild;
}

} // namespace

CBildliste::CBildliste()
{
    for (int nummer = 0; nummer < Anzahl; ++nummer)
        m_bilder[static_cast<size_t>(nummer)] = MaleBild(kBildStriche[nummer]);
}

void CBildliste::Zeichne(QPainter& maler, int nummer, const QPoint& ecke) const
{
    if (nummer < 0 || nummer >= Anzahl)
        return;
    maler.drawPixmap(ecke, Bild(nummer));
}
