#pragma once
// Curve mathematics behind the report diagrams. Everything works in value units, before the
// mapping to device points; nothing keeps state between calls.
//
// Point lists are pairs of x and y lists read by index; an index outside a list is an error of
// the caller and raises CInvalidArgException.

#include <vector>

// Crossing of the segment A = (ax, ay) – B = (bx, by) with the value rectangle. When A lies
// inside, B is the end being cut off, otherwise A. A coordinate equal to B's is nudged by the
// factor 1.000001 first, so ax and ay may change.
void SchneideStreckeMitRahmen(double xmin, double xmax, double ymin, double ymax, double& ax,
                              double bx, double& ay, double by, double& xSchnitt, double& ySchnitt);

// Cuts the polyline of the first n points to the value rectangle. The piece lists are resized to
// (points used) + 2 entries; piece k = 1 .. result runs from (x1[k], y1[k]) to (x2[k], y2[k]),
// entry 0 is never written. Returns the number of pieces.
int ClippePolylinie(double xmin, double xmax, double ymin, double ymax,
                    const std::vector<double>& x, const std::vector<double>& y, int n,
                    std::vector<double>& x1, std::vector<double>& y1, std::vector<double>& x2,
                    std::vector<double>& y2);

// Least-squares parabola y = a + b·x + c·x² through the points von .. bis − 1. Needs three
// distinct x values; otherwise returns false and sets a, b and c to 0.
bool AusgleichsParabel(const std::vector<double>& x, const std::vector<double>& y, int von, int bis,
                       double& a, double& b, double& c);

// Natural cubic spline through the points von .. bis − 1, sampled at anzahlProben + 1 equal x steps
// from the first to the last point. The lists must also hold an entry at index bis; it stands in
// for an end knot extrapolated from the last three points. Each call appends anzahlProben + 1
// zeros to both output lists and writes the samples from index 0; the last sample gets its x but
// no y, so that y entry keeps what it held (0 in a list that was empty). Returns false, writing
// no samples, with fewer than three points or when the points give no finite curve (equal x
// values).
bool SplineProctorKurve(const std::vector<double>& x, const std::vector<double>& y, int von,
                        int bis, int anzahlProben, int teiler, std::vector<double>& xAus,
                        std::vector<double>& yAus);

// The grading-curve spline: like SplineProctorKurve, but with extra knots in flat stretches, a
// stiffer system, samples up to the extrapolated end knot, and output that never rises above the
// next knot nor falls. With bis = von the output lists are left untouched.
bool SplineSieblinie(const std::vector<double>& x, const std::vector<double>& y, int von, int bis,
                     int anzahlProben, int teiler, std::vector<double>& xAus,
                     std::vector<double>& yAus);
