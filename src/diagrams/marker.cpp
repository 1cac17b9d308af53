#include "diagrams/marker.h"

#include "platform/cdc.h"

void ZeichneMarker(CDC& dc, int typ, COLORREF farbe, int x, int y, int halbeGroesse)
{
    const int s = halbeGroesse;
    const RECT kasten{x - s, y + s, x + s, y - s};
    switch (typ) {
    case MARKER_KREIS:
        dc.Ellipse(kasten);
        break;
    case MARKER_KREUZ: // each stroke a two-point polygon
        dc.Polygon({POINT{x - s, y - s}, POINT{x + s, y + s}});
        dc.Polygon({POINT{x - s, y + s}, POINT{x + s, y - s}});
        break;
    case MARKER_QUADRAT:
        dc.Rectangle(kasten);
        break;
    case MARKER_KREIS_GEFUELLT: {
        const CBrush vorher = dc.SelectObject(CBrush(farbe));
        dc.Ellipse(kasten);
        dc.SelectObject(vorher);
        break;
    }
    case MARKER_DREIECK: {
        const int spitzeX = (x - s) + ((x + s) - (x - s)) / 2;
        dc.Polygon({POINT{x - s, y - s}, POINT{spitzeX, y + s}, POINT{x + s, y - s}});
        break;
    }
    case MARKER_QUADRAT_GEFUELLT:
        dc.FillRect(kasten, CBrush(farbe));
        break;
    default:
        break;
    }
}

void ZeichneLegendenEintrag(CDC& dc, int typ, COLORREF farbe, int x1, int y1, int x2, int y2,
                            int halbeGroesse)
{
    ZeichneMarker(dc, typ, farbe, x1, y1, halbeGroesse);
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
    ZeichneMarker(dc, typ, farbe, x2, y2, halbeGroesse);
}
