#include "platform/druckbereich.h"

#include <QPageLayout>
#include <QPrinter>
#include <cmath>

namespace {

// Pixels to hundredths of a millimetre, rounded as the conversion of device units to HIMETRIC.
int PixelZuHundertstelMm(int pixel, int dpi)
{
    return static_cast<int>(std::lround(pixel * 2540.0 / dpi));
}

int PixelZuMm(int pixel, int dpi)
{
    return static_cast<int>(std::lround(pixel * 25.4 / dpi));
}

} // namespace

DRUCKBEREICH LeseDruckbereich(const QPrinter& drucker)
{
    const int dpi = drucker.resolution();
    if (dpi <= 0)
        return {};
    const QRect druckbar = drucker.pageLayout().paintRectPixels(dpi);
    DRUCKBEREICH bereich;
    bereich.versatzX = PixelZuHundertstelMm(druckbar.left(), dpi);
    bereich.versatzY = PixelZuHundertstelMm(druckbar.top(), dpi);
    bereich.breiteMm = PixelZuMm(druckbar.width(), dpi);
    bereich.hoeheMm = PixelZuMm(druckbar.height(), dpi);
    return bereich;
}
