#pragma once
// The consistency bar and the plasticity chart of the Atterberg limits report, from the chart
// data text (rows at "|", cells at "@"): 12 consistency-index ticks (at least eleven; cells 0, 3,
// 4, 5, 6, 8 and 10 bound the bands), 13 the consistency index Ic, 15 wl and 16 Ip as fractions.
// Unless unformatiert, the plasticity chart's captions and labels print in percent when so set.

#include "platform/gdi.h"

#include <string>

class CDC;
class CTextKatalog;

// The consistency-index scale with the bands "fest" to "flüssig", a marker at Ic and the value
// above the bar. Nothing for an empty data text.
void ZeichneKonsistenzBalken(CDC& dc, RECT rechteck, const std::string& daten,
                             const CTextKatalog& katalog, const CPen& stift, const CPen& punktStift,
                             const CFont& schrift, const CFont& senkrechteSchrift,
                             bool unformatiert);

// Ip (0 to 50 %) against wl (0 to 90 %) with the A-line, the lines Ip 4 and 7, the limits wl 35
// and 50, the names of the plasticity ranges and soil groups, and the sample.
void ZeichnePlastizitaetsDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                  const CTextKatalog& katalog, const CPen& stift,
                                  const CPen& punktStift, const CFont& schrift,
                                  const CFont& senkrechteSchrift, bool unformatiert);
