#pragma once
// Sheets that draw on other protocols: comparisons, the filter rule and the soil replacement.

#include "data/protokoll.h"

#include <vector>

namespace muster {

// The sheet draws on the protocols it names: a comparison on its tests, the filter rule on the
// soil and its two filters, the soil replacement on its static plate load test, a grain-size
// analysis on the sedimentation of its sample. It is dated after them, and its measurements stand
// where its header then puts them.
void SetzeQuellen(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen);

} // namespace muster
