#pragma once
// Water content and grain density.

#include "baustelle.h"
#include "data/protokoll.h"

namespace muster {

void FuelleWassergehalt(CProtokoll& protokoll, int nummer, int messungen);
void FuelleKorndichte(CProtokoll& protokoll, int nummer, int messungen);

// The grain density the laboratory measured of the soil, which its other tests use: of the clay
// or the cut's sand.
double GemesseneKorndichte(const Boden& boden);

} // namespace muster
