#pragma once
// Dynamic probing: heavy probe from the excavation's base through clay, sand and gravel.

#include "data/protokoll.h"

namespace muster {

void FuelleRammsondierung(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
