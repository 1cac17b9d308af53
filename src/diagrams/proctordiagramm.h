#pragma once
// The Proctor diagram: dry density against water content, with the compaction points, their
// spline curve, further marked points and a second curve, all taken from the chart data text.
//
// Rows of the chart data text: 0 water-content ticks, 1 dry-density ticks, 2/3 the compaction
// points (water content, dry density), 4/5 further marked points at the indices of row 2, 6/7 the
// points of a second curve.

#include "diagrams/diagrammbereich.h"
#include "platform/gdi.h"

#include <string>

class CDC;
class CTextKatalog;

// Frame, ticks, tick labels, dotted grid and axis captions; fills the range. False, drawing
// nothing, when the data text is empty or an axis has fewer than two ticks. Unless xRoh, the
// water-content labels print as fractions (in percent when so set).
bool ZeichneProctorRahmen(CDC& dc, const RECT& rechteck, const std::string& daten,
                          const CTextKatalog& katalog, const CPen& rahmenStift,
                          const CPen& gitterStift, const CFont& schrift,
                          const CFont& senkrechteSchrift, bool xRoh, CDiagrammBereich& bereich);

// Markers and curves of one data text in a range filled by ZeichneProctorRahmen.
void ZeichneProctorKurve(CDC& dc, const RECT& rechteck, const CPen& stift, COLORREF farbe,
                         int markerTyp, const std::string& daten, const CDiagrammBereich& bereich);

// Frame and curves of one data text, the points marked with crosses.
void ZeichneProctorDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                            const CTextKatalog& katalog, const CPen& rahmenStift, COLORREF farbe,
                            const CPen& gitterStift, const CFont& schrift,
                            const CFont& senkrechteSchrift, bool xRoh);
