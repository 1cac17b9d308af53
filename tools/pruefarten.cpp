// Test types: each type's code, sub-type, place and filler.

#include "pruefarten.h"

#include "bindemittel.h"
#include "blaetter.h"
#include "dichtepruefungen.h"
#include "glueverlust_kalkgehalt.h"
#include "kopf_und_messungen.h"
#include "kornverteilung.h"
#include "musterbauer.h"
#include "notiz.h"
#include "platform/text.h"
#include "plattendruck.h"
#include "proctor.h"
#include "rammsondierung.h"
#include "sedimentation_durchlaessigkeit.h"
#include "wassergehalt_korndichte.h"
#include "zustandsgrenzen.h"

namespace muster {

namespace {

// The test types 1000 to 1020 (1019 has no catalogue row; the viewer must still list it). The
// sheets 1010, 1015 and 1018 draw on protocols that are not built yet when they are: they get
// measurements without values here, their data once the project is built. A static plate load
// test and a water content stand at one place, a note at none. A test on site takes minutes to set
// up and at each point: a density test by sand or balloon is slow, a gauge or drop weight quick.
// clang-format off
const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1>& Pruefarten()
{
    static const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1> arten = {{
        {"KV", 1, "",   {},        &kFrostschutz,    kViele, FuelleKornverteilung},
        {"PV", 1, "",   {},        &kDamm,           kViele, FuelleProctor},
        {"D_", 1, "",   {30, 45},  &kDamm,           kViele, FuelleVerdichtung},
        {"LD", 1, "",   {20, 10},  &kErdplanum,      kViele, FuelleDynPlatte},
        {"RS", 1, "",   {30, 90},  &kAushubsohle,    kViele, FuelleRammsondierung},
        {"LP", 1, "",   {30, 120}, &kErdplanum,      1,      FuellePlattendruck},
        {"ZG", 1, "",   {},        &kAushubsohle,    kViele, FuelleZustandsgrenzen},
        {"DT", 1, "",   {15, 15},  &kErdplanum,      kViele, FuelleTroxler},
        {"KD", 1, "",   {},        &kAushubsohle,    kViele, FuelleKorndichte},
        {"BV", 1, "",   {},        &kDamm,           kViele, FuelleBindemittel},
        {"BA", 1, "",   {},        &kBodenaustausch, kViele, FuegeMessungenHinzu},
        {"WG", 1, "",   {10, 20},  &kDamm,           1,      FuelleWassergehalt},
        {"L5", 1, "",   {20, 10},  &kFrostschutz,    kViele, FuelleDynPlatte},
        {"GV", 1, "",   {},        &kAushubsohle,    kViele, FuelleGlueverlust},
        {"SE", 1, "",   {},        &kAushub,         kViele, FuelleSedimentation},
        {"FT", 1, "",   {},        &kDamm,           kViele, FuegeMessungenHinzu},
        {"CA", 1, "",   {},        &kAushubsohle,    kViele, FuelleKalkgehalt},
        {"WD", 2, "",   {},        &kAushubsohle,    kViele, FuelleDurchlaessigkeit},
        {"GP", 2, "GP", {},        nullptr,          kViele, FuegeMessungenHinzu},
        {"",   1, "",   {},        nullptr,          kViele, FuegeMessungenHinzu},
        {"AN", 1, "",   {},        nullptr,          0,      FuelleNotiz},
    }};
    return arten;
}

} // namespace


const Pruefart& PruefartVon(int pruefart)
{
    return Pruefarten()[pruefart - kErstePruefart];
}

// A protocol of the given test type with its running number, a header record from its place,
// measurements and the data `fueller` gives it. `nummer` counts the protocols of the project.
CProtokoll BaueProtokollMit(const Fueller& fueller, int pruefart, const Pruefart& art, int nummer,
                            int laufendeNummer, const std::string& titelId, const Ort& ort,
                            int messungen)
{
    CProtokoll protokoll;
    protokoll.Initialisiere(StringFormat("P%06d", nummer + 1), titelId, std::to_string(pruefart));
    protokoll.SetzePruefunterartKuerzel(art.unterartKuerzel);
    SetzeKopfsatz(protokoll, nummer, Protokollnummer(laufendeNummer, art.kuerzel), ort);
    fueller(protokoll, nummer, messungen);
    if (art.feldzeit.jePunkt > 0)
        SetzePruefzeit(protokoll, nummer, art.feldzeit);
    SetzeUnterart(protokoll, art.unterart);
    return protokoll;
}

} // namespace muster
