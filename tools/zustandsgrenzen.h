#pragma once
// Atterberg limits: a medium-plastic clay of stiff consistency.

#include "data/protokoll.h"

namespace muster {

void FuelleZustandsgrenzen(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
