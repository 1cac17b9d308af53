#pragma once
// The site: soils, layers, areas and stretches along the chainage, stations and heights.

#include <string>

namespace muster {

// A soil as the headers name it: group after DIN 18196, origin and state. Each origin delivers
// one soil.
struct Boden
{
    const char* gruppe;
    const char* herkunft;
    const char* zustand;
};

extern const Boden kAushubboden, kKiessand, kSchotter, kTon, kFiltersandBoden, kFilterkiesBoden;

// A layer and what the ZTV E-StB and ZTV SoB-StB require of it: the degree of compaction (100 %
// in the Planum zone, 98 % below), Ev2 and Ev2/Ev1 of the static plate load test, and Evd of the
// dynamic one by the usual correspondence to the required Ev2:
//   Ev2 [MN/m²]  45   80  100  120  150
//   Evd [MN/m²]  25   40   50   65   80
// Its static plate load tests give an Ev2 and Ev2/Ev1 within the ranges its soil allows.
struct Schicht
{
    const char* name;
    const Boden* boden;
    double ueberPlanum;     // m from the Erdplanum up to the layer's top
    bool lagen;             // a fill built in lifts: its density tests name the lift
    int verdichtungSoll;    // %, 0 where no density test is made
    int ev2Soll;            // MN/m², 0 where no plate load test is made
    const char* ev2ev1Soll; // as the plate load page prints it
    int evdSoll;            // MN/m²
    double ev2Von, ev2Bis, verhaeltnisVon, verhaeltnisBis;
};

constexpr double kAustauschdicke = 0.35; // m of the soil replacement below the bridge's subgrade

extern const Schicht kAushub, kDamm, kErdplanum, kAushubsohle, kBodenaustausch, kFrostschutz,
    kSchottertrag, kFilter1, kFilter2;

// The layer of that name; none for another name.
const Schicht* SchichtNamens(const std::string& name);

constexpr double kStreckenende = 1720; // m

// The area a metre of the chainage lies in.
const char* BereichBei(double meter);

// The stretch that a layer's tests take where no title places them: where the sample builds it.
struct Strecke
{
    const Schicht* schicht;
    double von, bis;
};

const Strecke& StreckeDer(const Schicht& schicht);

// Cross-sections every 20 m; the test points stand on them, those of one protocol on consecutive
// ones.
constexpr double kProfilabstand = 20; // m

std::string Station(double meter);
double Meter(const std::string& station);
int Profil(double meter);
double Hoehe(const Schicht& schicht, double meter);
std::string HoeheText(double meterNN);

} // namespace muster
