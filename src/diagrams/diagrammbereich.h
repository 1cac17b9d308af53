#pragma once
// What the report diagrams share: the value range of one chart, read from the chart data text,
// and the mapping of values onto the chart rectangle.
//
// The chart data text is a print table (rows at "|", cells at "@"): row 0 holds the x ticks,
// row 1 the y ticks, first cell the axis minimum and last cell its maximum; the rows from 2 on
// belong to each chart. The chart rectangle is in device units with top above bottom.

#include "platform/gdi.h"

#include <optional>
#include <string>

// Value range of one chart, held on the drawing function's stack for one call.
struct CDiagrammBereich
{
    int anzahlStuetzstellen = 0; // sample intervals of a spline curve
    double xMin = 999999999999999.0;
    double xMax = 0;
    double yMin = 999999999999999.0;
    double yMax = 0;
    double xFaktor = 1.0; // device units per x value unit
    double yFaktor = 1.0; // negative for a rectangle with top above bottom
    int letzterXStrich = 0;
    int letzterYStrich = 0;
    int anzahlReihe2 = 0;
    int anzahlReihe6 = 0;

    void Zuruecksetzen() { *this = CDiagrammBereich{}; }
    // The grain-size diagram keeps its marker half-size in letzterYStrich: 100 in colour, else 80.
    CDiagrammBereich& SetzeMarkergroesse(bool farbig)
    {
        letzterYStrich = farbig ? 100 : 80;
        return *this;
    }

    // False when an axis has no usable range (first and last tick equal, not numbers, or too
    // wide for a double): values then cannot be placed, and a chart leaves its points and curves
    // out.
    bool IstAbbildbar() const;
    // The linear mapping of a value pair onto the rectangle, truncated toward zero; nothing when
    // the point cannot be placed.
    std::optional<POINT> GeraetePunkt(const RECT& rechteck, double x, double y) const;
};

// Fills the range from the tick rows: the counts of rows 0, 1, 2 and 6 always; the axis ranges,
// scale factors and the 320 spline samples only when the text is not empty and both axes have at
// least two ticks, which is the result. An empty text leaves the range untouched.
bool LeseDiagrammBereich(const RECT& rechteck, const std::string& daten, CDiagrammBereich& bereich);

// Whether a branch of the plate-load chart (0 first loading, 1 unloading, 2 reloading) has points
// enough for a fitted curve.
bool PruefePlattendruckAst(const std::string& daten, int ast);
