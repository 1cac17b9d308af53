// The site: a bypass on a dam and in a cut, with a bridge at its southern end.

#include "baustelle.h"

#include "data/textfunktionen.h"
#include "musterwerte.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace muster {

// The silty sand of the cut builds the dam and forms the subgrade; the gravel works delivers the
// sandy gravel 0/32 of the soil replacement and the frost protection layer, the quarry the crushed
// rock of the base course; the clay lies below the bridge; the drain's filters come from their
// own pits.
const Boden kAushubboden{"SU", "Aushub km 1+200", "erdfeucht"};
const Boden kKiessand{"GW", "Kieswerk Auental", "erdfeucht"};
const Boden kSchotter{"GW", "Steinbruch Hohenfels", "erdfeucht"};
const Boden kTon{"TM", "Baugrube BW 3", "steif"};
const Boden kFiltersandBoden{"SE", "Sandgrube Eichholz", "erdfeucht"};
const Boden kFilterkiesBoden{"GE", "Kieswerk Mühlbach", "erdfeucht"};

// clang-format off
// name, soil, top, lifts, DPr, Ev2, Ev2/Ev1, Evd; the range of Ev2 and of Ev2/Ev1. The cut's soil
// stands above the Erdplanum until it is dug; its samples go to the suitability tests.
const Schicht kAushub{        "Aushub",               &kAushubboden,      1.50,              false,  0,    0,    "",     0,   0,    0,    0.0,  0.0};
const Schicht kDamm{          "Dammschüttung",        &kAushubboden,      0.00,              true,   98,   0,    "",     0,   0,    0,    0.0,  0.0};
const Schicht kErdplanum{     "Erdplanum",            &kAushubboden,      0.00,              false,  100,  45,   "2.5",  25,  40,   72,   2.0,  2.45};
const Schicht kAushubsohle{   "Aushubsohle",          &kTon,              -kAustauschdicke,  false,  0,    45,   "2.5",  25,  18,   26,   1.6,  1.9};
const Schicht kBodenaustausch{"Bodenaustausch",       &kKiessand,         0.00,              false,  100,  45,   "2.5",  25,  55,   78,   1.8,  2.1};
const Schicht kFrostschutz{   "Frostschutzschicht",   &kKiessand,         0.40,              false,  0,    120,  "2.2",  65,  125,  165,  1.8,  2.1};
const Schicht kSchottertrag{  "Schottertragschicht",  &kSchotter,         0.60,              false,  0,    150,  "2.2",  80,  155,  200,  1.8,  2.1};
const Schicht kFilter1{       "Filterschicht 1",      &kFiltersandBoden,  0.00,              false,  0,    0,    "",     0,   0,    0,    0.0,  0.0};
const Schicht kFilter2{       "Filterschicht 2",      &kFilterkiesBoden,  0.00,              false,  0,    0,    "",     0,   0,    0,    0.0,  0.0};
// clang-format on

const Schicht* SchichtNamens(const std::string& name)
{
    static const Schicht* const schichten[] = {&kAushub,       &kDamm,           &kErdplanum,
                                               &kAushubsohle,  &kBodenaustausch, &kFrostschutz,
                                               &kSchottertrag, &kFilter1,        &kFilter2};
    for (const Schicht* schicht : schichten)
        if (name == schicht->name)
            return schicht;
    return nullptr;
}

namespace {

// Areas along the chainage, each from its metre on.
struct Bereich
{
    double ab;
    const char* name;
};

const Bereich kBereiche[] = {
    {0, "Teilabschnitt Nord"}, {1400, "Teilabschnitt Süd"}, {1620, "Brücke BW 3"}};

} // namespace

const char* BereichBei(double meter)
{
    const char* name = kBereiche[0].name;
    for (const Bereich& b : kBereiche)
        if (meter >= b.ab)
            name = b.name;
    return name;
}

namespace {

const Strecke kStrecken[] = {{&kAushub, 800, 1400},
                             {&kDamm, 0, 800},
                             {&kErdplanum, 800, 1400},
                             {&kFrostschutz, 800, 1400},
                             {&kSchottertrag, 800, 1400},
                             {&kAushubsohle, 1620, 1720},
                             {&kBodenaustausch, 1620, 1720},
                             {&kFilter1, 0, 800},
                             {&kFilter2, 0, 800}};

} // namespace

const Strecke& StreckeDer(const Schicht& schicht)
{
    return *std::ranges::find(kStrecken, &schicht, &Strecke::schicht);
}

// Station as the sibling program writes it: kilometre "+" metres with a decimal comma.
std::string Station(double meter)
{
    const long zentimeter = std::lround(meter * 100);
    return StringFormat("%ld+%03ld,%02ld", zentimeter / 100000, zentimeter / 100 % 1000,
                        zentimeter % 100);
}

double Meter(const std::string& station)
{
    int km = 0, m = 0, cm = 0;
    return std::sscanf(station.c_str(), "%d+%d,%d", &km, &m, &cm) == 3
               ? km * 1000.0 + m + cm / 100.0
               : 0.0;
}

int Profil(double meter)
{
    return static_cast<int>(std::lround(meter / kProfilabstand));
}

// The Erdplanum rises 1.5 per mille from 111.20 m NN at km 0+000.
double Hoehe(const Schicht& schicht, double meter)
{
    return 111.20 + 0.0015 * meter + schicht.ueberPlanum;
}

// Decimal comma, as the sibling program prints heights.
std::string HoeheText(double meterNN)
{
    return Komma(meterNN, 2) + " m NN";
}

} // namespace muster
