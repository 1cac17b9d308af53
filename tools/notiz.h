#pragma once
// File note of a site meeting.

#include "data/protokoll.h"

namespace muster {

void FuelleNotiz(CProtokoll& protokoll, int, int);

} // namespace muster
