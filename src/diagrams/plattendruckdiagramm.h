#pragma once
// The load–settlement diagram of the static plate load test: the load axis along the upper edge,
// the settlement growing downward along the left edge, the measured points of the three load
// branches as crosses, a fitted parabola through the first and the second loading and a dotted
// line through the unloading points.
//
// Rows of the chart data text: 0 load ticks, 1 settlement ticks (the first at the upper edge),
// 2/3 first loading, 4/5 unloading, 6/7 second loading (loads and settlements cell by cell).
// A value is drawn where the tick labels put it: the first tick of each axis, its minimum, lies
// on the left and the upper edge.

#include "platform/gdi.h"

#include <string>

class CDC;
class CTextKatalog;

// Frame, captions, ticks and tick labels always; the branches only when the first loading has
// three points and both axes have a usable range. The unloading line uses the dotted pen, every
// other line the frame pen.
void ZeichnePlattendruckDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                 const CTextKatalog& katalog, const CPen& rahmenStift,
                                 const CPen& punktStift, const CFont& schrift,
                                 const CFont& senkrechteSchrift);
