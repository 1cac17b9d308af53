#pragma once
// Plate load tests: a static test on a 300 mm plate, dynamic tests of 10 and 15 kg.

#include "data/protokoll.h"
#include "kopf_und_messungen.h"

namespace muster {

void FuellePlattendruck(CProtokoll& protokoll, int nummer, int messungen);
// A dynamic plate load test of 10 kg or, for its own type, of 15 kg; the same at given points.
void FuelleDynPlatte(CProtokoll& protokoll, int nummer, int messungen);
void FuelleDynPlatteAn(CProtokoll& protokoll, int nummer, int messungen,
                       const Pruefpunkte& pruefpunkte);

// Ev2 of the clay below the bridge, as its static plate load test prints it.
double Ev2DerAushubsohle();

} // namespace muster
