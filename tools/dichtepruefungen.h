#pragma once
// Field density and nuclear gauge: up to five test points side by side.

#include "data/protokoll.h"
#include "kopf_und_messungen.h"

namespace muster {

void FuelleVerdichtung(CProtokoll& protokoll, int nummer, int messungen);
void FuelleTroxler(CProtokoll& protokoll, int nummer, int messungen);

// The same at the given test points.
void FuelleVerdichtungAn(CProtokoll& protokoll, int nummer, int messungen,
                         const Pruefpunkte& pruefpunkte);
void FuelleTroxlerAn(CProtokoll& protokoll, int nummer, int messungen,
                     const Pruefpunkte& pruefpunkte);

} // namespace muster
