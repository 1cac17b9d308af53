#pragma once
// File note of a site meeting.

#include "data/protokoll.h"

#include <vector>

namespace muster {

void FuelleNotiz(CProtokoll& protokoll, int, int);

// On the day of a meeting that a note records or announces, the laboratory's participants are at
// the meeting: the tests on site that day are done by its tester who is not.
void BesetzeBesprechungstage(std::vector<CProtokoll>& protokolle);

} // namespace muster
