#include "platform/druckbereich.h"

#include <QPageLayout>
#include <QPrinter>
#include <cmath>

DRUCKBEREICH LeseDruckbereich(const QPrinter& drucker)
{
    const QRectF druckbar = drucker.pageLayout().paintRect(QPageLayout::Millimeter);
    DRUCKBEREICH bereich;
    bereich.versatzX = static_cast<int>(std::lround(druckbar.left() * 100));
    bereich.versatzY = static_cast<int>(std::lround(druckbar.top() * 100));
    bereich.breiteMm = static_cast<int>(std::lround(druckbar.width()));
    bereich.hoeheMm = static_cast<int>(std::lround(druckbar.height()));
    return bereich;
}
