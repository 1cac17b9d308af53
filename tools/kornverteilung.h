#pragma once
// Grain-size distribution: sieve analyses of the sample's soils and filter materials.

#include "baustelle.h"
#include "data/protokoll.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace muster {

// Size in mm and passing in %.
using Kornpunkt = std::pair<double, double>;

// The limits a grading range sets at one sieve, as the report prints them.
struct Grenzwerte
{
    double weite;
    const char* min;
    const char* max;
};

struct Sieblinienbereich
{
    const char* name;
    const char* von; // mm
    const char* bis;
    std::vector<Grenzwerte> grenzen;
};

enum Kornprobe
{
    kSandkies,     // sandy gravel 0/32 of the frost protection layer, today's sample
    kAushubsand,   // silty sand of the cut, the soil a drain's filters hold back
    kFiltersand,   // the drain's first filter
    kFilterkies,   // its second filter around the pipe
    kSandkiesFein, // the finest and the coarsest sample of the frost protection layer
    kSandkiesGrob,
    kSchotterTragschicht,   // crushed rock 0/32 of the base course
    kSandkiesNachgebessert, // the finest delivery, improved with coarse grain
    kKornproben
};

// A soil or filter material of the sample. Its sieves run from the finest up to the first one that
// everything passes, with the passing its weighed residues are made from. Where the fines matter,
// the passing below the sieves that a sedimentation of the material finds, largest size first.
struct Kornmaterial
{
    std::vector<Kornpunkt> siebe;
    std::vector<Kornpunkt> schlaemmung;
    double einwaage; // g
    double verlust;  // g the residues fall short of the sample
    const char* arbeitsweise;
    const Sieblinienbereich* bereich; // none where no grading range applies
    const Schicht* schicht;           // where the sample is taken
    // The improved delivery that replaces one outside its grading range.
    std::optional<Kornprobe> nachbesserung = {};
};

const std::array<Kornmaterial, kKornproben>& Kornmaterialien();

std::vector<Kornpunkt> LeseKornkurve(const std::vector<std::string>& weiten,
                                     const std::vector<std::string>& durchgaenge);
std::optional<double> KornBei(const std::vector<Kornpunkt>& kurve, double prozent);
// The passing in per cent at a size on the curve that the material's analysis prints.
double GedruckterDurchgang(Kornprobe probe, double weite);
// The passing in per cent of the whole sample at a size below the sieves, on the curve of its
// fines joined to the printed sieves.
double Schlaemmdurchgang(Kornprobe probe, double weite);

void FuelleKornprobe(CProtokoll& protokoll, int nummer, int messungen,
                     const Kornmaterial& material);
// The analysis carried below its sieves by a sedimentation protocol of its sample.
void SetzeSchlaemmung(CProtokoll& kornverteilung, const CProtokoll& sedimentation);
void FuelleKornverteilung(CProtokoll& protokoll, int nummer, int messungen);

} // namespace muster
