#pragma once
// The liquid limit diagram and the plastic limit bar of the Atterberg limits report. Both place
// values the chart data text already holds (rows at "|", cells at "@"):
//   0 blow-count ticks, 1 water-content ticks (fractions), 2/3 the measured points (blow count,
//   water content), 4 the flow line's ends (blows, w, blows, w), 5 the liquid limit wl;
//   7 water-content ticks of the bar in percent, 8 wp, 9 wl, 10 Ip (fractions).
// Unless unformatiert, captions, labels and values print in percent when so set.

#include "platform/gdi.h"

#include <string>

class CDC;
class CTextKatalog;

// Water content against blow count on a logarithmic axis: points as crosses, the flow line, the
// reading at 25 blows and "wl = …" above the frame. Nothing at all with fewer than two water-
// content ticks.
void ZeichneFliessgrenzenDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                  const CTextKatalog& katalog, const CPen& stift,
                                  const CPen& punktStift, const CFont& schrift,
                                  const CFont& senkrechteSchrift, bool unformatiert);

// A water-content scale with the range from wp to wl shaded grey, or "Eingabefehler: wp > wl"
// when the two cannot be placed in order on the scale.
void ZeichneAusrollgrenzenDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                   const CTextKatalog& katalog, const CPen& stift,
                                   const CPen& punktStift, const CFont& schrift,
                                   const CFont& senkrechteSchrift, bool unformatiert);
