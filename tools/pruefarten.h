#pragma once
// Test types: each type's code, sub-type, place and filler, and a protocol built from them.

#include "baustelle.h"
#include "data/protokoll.h"
#include "kopf_und_messungen.h"

#include <functional>
#include <limits>
#include <string>

namespace muster {

// Fills the test-specific part of a protocol of one test type: the special data text and
// `messungen` measurements (fewer where the test has fewer places, as a static plate load test
// has one). Each group and field holds what the lists and the report read from it, so that both
// show the same values. `nummer` counts the protocols of the project, for varied values. The
// header record is set first: the test and its measurements stand where it names.
using Fueller = std::function<void(CProtokoll& protokoll, int nummer, int messungen)>;

struct Pruefart
{
    const char* kuerzel;         // of the protocol number
    int unterart;                // "pruefart_VER"
    const char* unterartKuerzel; // "pruefunterartKuerzel", where a sub-type needs its own code
    Feldzeit feldzeit;           // on site, within the hours the header names; none in the lab
    const Schicht* schicht;      // where it stands unless placed; none for sheets
    int hoechstens;              // measurements it takes at most
    Fueller fuelle;
};

constexpr int kViele = std::numeric_limits<int>::max();

const Pruefart& PruefartVon(int pruefart);

// A protocol of the given test type with its running number, a header record from its place,
// measurements and the data `fueller` gives it. `nummer` counts the protocols of the project.
CProtokoll BaueProtokollMit(const Fueller& fueller, int pruefart, const Pruefart& art, int nummer,
                            int laufendeNummer, const std::string& titelId, const Ort& ort,
                            int messungen);

} // namespace muster
