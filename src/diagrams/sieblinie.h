#pragma once
// One grading curve of a grain-size analysis, read from the chart data text: sieve sizes in mm
// become base-10 logarithms on the x axis, the passing in % stays linear.

#include <string>
#include <vector>

class CDruckDaten;

class CSieblinie
{
public:
    // Fills the points from an "@" list of sizes and one of passing values. Sizes must rise: a
    // size not above the last one taken is dropped with its passing value, and so is a size of 0
    // or below, which has no place on a logarithmic axis. With the leading point, a curve whose
    // first size lies above 0.001 mm starts at (0.00099 mm, 0 %), which shapes the spline below
    // the first sieve. Two points (0.01 mm, 0 %) follow the counted ones: the spline reads the
    // entry after the last point and replaces it by its own end knot.
    void LeseAusListen(const std::string& groessen, const std::string& durchgang,
                       bool mitAnfangspunkt);

    std::vector<double> xWerte; // log10 of the size in mm
    std::vector<double> yWerte; // passing in %
    std::vector<double> xKurve; // the sampled spline
    std::vector<double> yKurve;
    int anzahl = 0;     // points counted in xWerte and yWerte, the leading point included
    double ersteX = 0;  // x of the first listed point taken (not the leading point)
    double letzteX = 0; // x of the last listed point taken
};

// The fine-fraction sizes (row 10, largest first) and their passing (row 12) in reversed order,
// each cell followed by "@", appended to the two texts.
void DreheSiebReihenfolge(const CDruckDaten& daten, std::string& groessen, std::string& durchgang);
