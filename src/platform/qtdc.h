#pragma once
// The device context on a QPainter: printer, print preview, PDF writer or image. Logical units
// (0.01 mm, y upward) are mapped to the painter's device at its resolution, with the logical
// origin at the painter's origin (for a printer: the corner of the printable area).

#include "platform/cdc.h"

#include <QColor>
#include <QTransform>

class QPainter;
class QPen;

// The Qt colour of a COLORREF (0x00BBGGRR).
QColor AlsQColor(COLORREF farbe);

class QtDC : public CDC
{
public:
    explicit QtDC(QPainter& painter);
    // With `graustufen`, every colour and bitmap is drawn in its gray, as a grayscale printer
    // would print it.
    QtDC(QPainter& painter, double dpiX, double dpiY, bool graustufen = false);

protected:
    void ZeichneLinienzug(const std::vector<POINT>& punkte) override;
    void ZeichnePolygon(const std::vector<POINT>& punkte) override;
    void ZeichneRechteck(const RECT& r) override;
    void ZeichneEllipse(const RECT& r) override;
    void FuelleRechteck(const RECT& r, const CBrush& pinsel) override;
    void ZeichneText(const TextAusgabe& ausgabe) override;
    bool ZeichneBild(const BildAusgabe& ausgabe) override;

private:
    QColor Farbe(COLORREF farbe) const;
    QPen Stift() const;
    void RichteFormenEin();

    QPainter& m_painter;
    QTransform m_basis;     // the painter's own transform when the context was made
    QTransform m_einheiten; // logical units to device pixels
    double m_pixelJeMm;
    bool m_graustufen;
};
