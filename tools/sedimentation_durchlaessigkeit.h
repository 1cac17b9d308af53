#pragma once
// Sedimentation of the cut's sand and permeability of the clay.

#include "data/protokoll.h"

namespace muster {

void FuelleSedimentation(CProtokoll& protokoll, int nummer, int messungen);
void FuelleDurchlaessigkeit(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
