#pragma once
// Binder amount: a recommendation from the reference Proctor test.

#include "data/protokoll.h"

namespace muster {

// The binder shares of the recommendation and of the raised line beside it, % of the dry density.
constexpr double kBindemittelanteil = 3.0, kBindemittelErhoeht = 4.0;

void FuelleBindemittel(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
