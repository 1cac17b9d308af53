#pragma once
// Re-tests: a test point below its requirement is re-compacted and tested again, a grading
// outside its range sieved again from the improved delivery.

#include "data/protokoll.h"
#include "pruefarten.h"

#include <vector>

namespace muster {

// The measurements of a protocol whose test falls short: the points below the required degree of
// compaction or Evd, the sample of a grading outside its range.
std::vector<MESSUNG> VerfehltePruefungen(const CProtokoll& protokoll);

// Fills a density or plate protocol's re-test at those points after re-compaction.
Fueller Nachpruefung(std::vector<MESSUNG> stellen);

// The remarks on a protocol that falls short and on its re-test, which names it.
void BemerkeNachpruefung(CProtokoll& verfehlt, CProtokoll& nachpruefung);

// The remark on a static plate load test whose Ev2 falls short: a soil replacement is needed. The
// design, made later, names the test; the test cannot name it.
void BemerkeBodenaustausch(CProtokoll& platte);

} // namespace muster
