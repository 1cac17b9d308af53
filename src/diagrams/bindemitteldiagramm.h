#pragma once
// The two diagrams with built-in axes: the binder addition against the layer thickness, and the
// family of target Ev2 curves of a soil-replacement layer with the project's own point. Only rows
// 2 and 3 of the chart data text are read, each as the number at the start of the row.
//
// The thickness polynomial behind the target Ev2 curves gives the layer thickness in cm that a
// target Ev2 E needs on a subgrade of Ev2 U (both MN/m²).

#include "platform/gdi.h"

#include <string>

class CDC;
class CTextKatalog;

// Thickness in cm for target E on subgrade U, unrounded.
double Einbaustaerke(double E, double U);

// Frame, captions, ticks and dotted grid; then the line from the origin to (100 cm, row 2 kg)
// with the frame pen and the one to (100 cm, row 3 kg) dotted, each cut at the frame. A row near 0
// draws no line. Unless xRoh, the thickness labels print as fractions (in percent when so set).
void ZeichneBindemittelDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                                const CTextKatalog& katalog, const CPen& rahmenStift,
                                const CPen& punktStift, const CFont& schrift,
                                const CFont& senkrechteSchrift, bool xRoh);

// Frame, captions, ticks and grid; the curves for the target values 30 to 150, each labelled at
// its first drawn point; and the project point (row 2 subgrade Ev2, row 3 thickness) as a cross
// with guide lines to the left and the lower edge, when it lies within the axes.
void ZeichneEv2SollDiagramm(CDC& dc, RECT rechteck, const std::string& daten,
                            const CTextKatalog& katalog, const CPen& rahmenStift,
                            const CPen& punktStift, const CFont& schrift,
                            const CFont& senkrechteSchrift, bool xRoh);

// The rounded thickness for target E on subgrade U; false, d untouched, when E or U is not above
// 0.0000001 (or not finite) or the thickness does not fit an int.
bool BerechneEinbaustaerke(double E, double U, int& d);

// The largest whole subgrade Ev2 (0 .. 120) at which target E still needs at least thickness t;
// −1 when even U = 0 needs less, 0 when every U up to 120 needs t. 5 for E or t not above
// 0.0000001 or not finite.
int SucheEv2Unterlage(double E, double t);

// The largest whole target Ev2 (up to 180) that thickness t reaches on subgrade U; −999 when none
// does. 5 for U or t not above 0.0000001 or not finite.
int SucheEv2Soll(double U, double t);
