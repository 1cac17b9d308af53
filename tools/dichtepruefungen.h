#pragma once
// Field density and nuclear gauge: up to five test points side by side.

#include "data/protokoll.h"

namespace muster {

void FuelleVerdichtung(CProtokoll& protokoll, int nummer, int messungen);
void FuelleTroxler(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
