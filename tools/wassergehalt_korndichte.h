#pragma once
// Water content and grain density.

#include "data/protokoll.h"

namespace muster {

void FuelleWassergehalt(CProtokoll& protokoll, int nummer, int messungen);
void FuelleKorndichte(CProtokoll& protokoll, int nummer, int messungen);

// The grain density the laboratory measured of the clay, which its other tests use.
double GemesseneKorndichte();

} // namespace muster
