#pragma once
// Data-point markers of the diagrams and the legend sample that shows a marker with its line.

#include "platform/gdi.h"

class CDC;

// Marker types; any other value draws nothing.
constexpr int MARKER_KREIS = 0;
constexpr int MARKER_KREUZ = 1;
constexpr int MARKER_QUADRAT = 2;
constexpr int MARKER_KREIS_GEFUELLT = 3;
constexpr int MARKER_DREIECK = 4;
constexpr int MARKER_QUADRAT_GEFUELLT = 5;

// One marker centred on the device point (x, y) in a box reaching `halbeGroesse` to each side.
// Outlines use the selected pen, open shapes the selected brush; the colour fills the two filled
// types only.
void ZeichneMarker(CDC& dc, int typ, COLORREF farbe, int x, int y, int halbeGroesse);

// Marker at both ends of a line drawn with the selected pen.
void ZeichneLegendenEintrag(CDC& dc, int typ, COLORREF farbe, int x1, int y1, int x2, int y2,
                            int halbeGroesse);
