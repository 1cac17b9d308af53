#pragma once
// Plate load tests: a static test on a 300 mm plate, dynamic tests of 10 and 15 kg.

#include "data/protokoll.h"

namespace muster {

void FuellePlattendruck(CProtokoll& protokoll, int nummer, int messungen);
void FuelleDynPlatte10(CProtokoll& protokoll, int nummer, int messungen);
void FuelleDynPlatte15(CProtokoll& protokoll, int nummer, int messungen);

// Ev2 of the clay below the bridge, as its static plate load test prints it.
double Ev2DerAushubsohle();

} // namespace muster
