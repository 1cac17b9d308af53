#pragma once
// Loss on ignition of the clay and lime content of a marly clay.

#include "data/protokoll.h"

namespace muster {

void FuelleGlueverlust(CProtokoll& protokoll, int nummer, int messungen);
void FuelleKalkgehalt(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
