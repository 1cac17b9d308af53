#pragma once
// Atterberg limits: a medium-plastic clay of stiff consistency.

#include "data/protokoll.h"

namespace muster {

void FuelleZustandsgrenzen(CProtokoll& protokoll, int nummer, int messungen);

// The natural water content the laboratory measured of the clay below the bridge.
double NatuerlicherWassergehalt();

} // namespace muster
