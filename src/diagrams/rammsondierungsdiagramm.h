#pragma once
// The dynamic probing diagram: one horizontal grey bar per 0.1 m of penetration depth, its length
// the blows for that step; the blow-count axis runs along the upper edge, depth grows downward.
//
// Rows of the chart data text: 0 blow-count ticks (first = minimum on the left edge, last =
// maximum on the right edge, the texts are the labels), 1 depth labels per step boundary, 2 blows
// per step.

#include "platform/gdi.h"

#include <string>

class CDC;
class CTextKatalog;

// The frame holds 90 steps whatever the data; later steps are drawn below it.
void ZeichneRammsondierungsDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                    const CTextKatalog& katalog, const CPen& rahmenStift,
                                    const CPen& gitterStift, const CFont& schrift,
                                    const CFont& senkrechteSchrift);

// A window of at most 30 steps at a fixed step height, starting at step 10 × fenster; the frame
// is 30 steps high and the rectangle's bottom is not read.
void ZeichneRammsondierungsDiagramm2(CDC& dc, RECT rechteck, const std::string& daten,
                                     const CTextKatalog& katalog, const CPen& rahmenStift,
                                     const CPen& gitterStift, const CFont& schrift,
                                     const CFont& senkrechteSchrift, int fenster);
