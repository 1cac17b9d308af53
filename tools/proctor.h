#pragma once
// Proctor test: five compaction points around a clear optimum.

#include "data/protokoll.h"

#include <string>
#include <vector>

namespace muster {

// The sample's Proctor tests are standard Proctor tests after DIN 18127 in the laboratory's one
// 100 mm cylinder (2.5 kg rammer, 300 mm drop, three layers of 25 blows) on the silty sand of the
// cut, of which what passes 20 mm is tested.

// A Proctor test as its page prints it: the soil's measured grain density, the oversize share and
// what the oversize holds, the points from the printed masses and corrected for the oversize, the
// optimum where the drawn curve peaks, and the water contents, densities and pores at 100, 98, 97
// and 95 %; its remark states the optimum corrected for the oversize (DIN 18127), which the
// density tests that cite it compute with.
struct Proctorversuch
{
    double korndichte = 0, ueberkorn = 0, wUeberkorn = 0, dichteUeberkorn = 0;
    std::vector<double> tara, taraTrocken, taraFeucht, w, feuchtMitZylinder, trockenMitZylinder,
        dichteFeucht, dichteTrocken, wKorrigiert, dichteKorrigiert;
    double dichte = 0, wOpt = 0, dichteMitUeberkorn = 0, wOptMitUeberkorn = 0;
    // Water contents: the optimum, then dry and wet side per degree below 100 %.
    std::vector<double> wasserJeGrad, dichteJeGrad, poren, luftporen;
};

// The name of the reference Proctor test's sample, on which the cut's sand was also sieved and its
// grain density measured.
inline constexpr const char* kBezugsprobe = "Bezugsprobe";

// The reference Proctor test of the density, water content and binder protocols, and its number
// as the others cite it.
const Proctorversuch& Bezugsproctor();
std::string BezugsproctorVerweis();

void FuelleProctor(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
