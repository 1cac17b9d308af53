#pragma once
// The grain-size distribution diagram: passing in % (linear) over the sieve size in mm
// (logarithmic), with an optional band of soil-class names above the chart, two lists of triangle
// marks, the grading curves of the sieve analysis with their legend samples and the curve of the
// fine fraction.
//
// Rows of the chart data text: 0 size ticks (mm), 1 passing ticks (%), 2/3 sizes and passing of
// the grading curves (one "@" list, or several lists "(…),(…)"), 4/5 and 6/7 the two mark lists,
// 8 "1" for the class band, 9 one legend group "(1@from@to)" per grading curve, 10/12 sizes
// (largest first) and passing of the fine fraction.
//
// The range record's letzterYStrich holds the marker half-size of curves and legend samples.

#include "diagrams/diagrammbereich.h"
#include "platform/gdi.h"

#include <string>
#include <vector>

class CDC;
class CSieblinie;
class CTextKatalog;

// Class band, frame, axis captions, ticks, labels and dotted grid; fills the range with x in
// log10 mm. With the class band the plot rectangle's top moves down below the band. False, with
// nothing drawn and no x range, when row 0 holds fewer than two sizes.
bool ZeichneKornverteilungsRahmen(CDC& dc, const std::string& daten, const CTextKatalog& katalog,
                                  const CPen& rahmenStift, const CPen& gitterStift,
                                  const CFont& schrift, const CFont& senkrechteSchrift,
                                  CDiagrammBereich& bereich, RECT& plot);

// Everything that depends on the measured data, in the range and plot rectangle the frame left.
// A negative marker type gives grading curve k the marker type k and the fine fraction squares.
void ZeichneKornverteilungsKurven(CDC& dc, const RECT& plot, const CPen& kurvenStift,
                                  COLORREF kurvenFarbe, COLORREF markenFarbe,
                                  const std::string& daten, int markerTyp,
                                  const CDiagrammBereich& bereich);

// Frame and curves; blue curves and larger markers when farbig.
void ZeichneKornverteilungsDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                    const CTextKatalog& katalog, const CPen& kurvenStift,
                                    const CPen& gitterStift, const CFont& schrift,
                                    const CFont& senkrechteSchrift, bool farbig);

// The spline of one curve between the x bounds (log10 mm), drawn never falling, and markers on
// its points 15 units right of and below them.
void ZeichneSieblinie(CDC& dc, const CDiagrammBereich& bereich, const RECT& plot, int markerTyp,
                      COLORREF markerFarbe, CSieblinie& kurve, double obereGrenze,
                      double untereGrenze);

// Visible pieces of a clipped curve, numbered from 1 as ClippePolylinie returns them.
struct CKurvenstuecke
{
    std::vector<double> x1, y1, x2, y2;
    int anzahl = 0;
};

// Draws the pieces from the first one at or above the lower bound up to the last one starting at
// or below the upper bound, with the selected pen. A piece that would fall is drawn level at the
// highest value reached so far, and so stored back.
void ZeichneNichtFallend(CDC& dc, const CDiagrammBereich& bereich, const RECT& plot,
                         CKurvenstuecke& stuecke, double obereGrenze, double untereGrenze);

// A filled triangle of width 200 and height 150 with its tip on the point, pointing down onto it
// from above or up from below. The pen and brush selected before are selected again.
void ZeichneDreieckmarke(CDC& dc, COLORREF farbe, double x, double y, bool oben);
