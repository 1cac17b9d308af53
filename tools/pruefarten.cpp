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
// test and a water content stand at one place, a note at none.
// clang-format off
const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1>& Pruefarten()
{
    static const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1> arten = {{
        {"KV", 1, "",   false, &kFrostschutz,    kViele, FuelleKornverteilung},
        {"PV", 1, "",   false, &kDamm,           kViele, FuelleProctor},
        {"D_", 1, "",   true,  &kDamm,           kViele, FuelleVerdichtung},
        {"LD", 1, "",   true,  &kErdplanum,      kViele, FuelleDynPlatte},
        {"RS", 1, "",   true,  &kAushubsohle,    kViele, FuelleRammsondierung},
        {"LP", 1, "",   true,  &kErdplanum,      1,      FuellePlattendruck},
        {"ZG", 1, "",   false, &kAushubsohle,    kViele, FuelleZustandsgrenzen},
        {"DT", 1, "",   true,  &kErdplanum,      kViele, FuelleTroxler},
        {"KD", 1, "",   false, &kAushubsohle,    kViele, FuelleKorndichte},
        {"BV", 1, "",   false, &kDamm,           kViele, FuelleBindemittel},
        {"BA", 1, "",   false, &kBodenaustausch, kViele, FuegeMessungenHinzu},
        {"WG", 1, "",   true,  &kDamm,           1,      FuelleWassergehalt},
        {"L5", 1, "",   true,  &kFrostschutz,    kViele, FuelleDynPlatte},
        {"GV", 1, "",   false, &kAushubsohle,    kViele, FuelleGlueverlust},
        {"SE", 1, "",   false, &kAushub,         kViele, FuelleSedimentation},
        {"FT", 1, "",   false, &kDamm,           kViele, FuegeMessungenHinzu},
        {"CA", 1, "",   false, &kAushubsohle,    kViele, FuelleKalkgehalt},
        {"WD", 2, "",   false, &kAushubsohle,    kViele, FuelleDurchlaessigkeit},
        {"GP", 2, "GP", false, nullptr,          kViele, FuegeMessungenHinzu},
        {"",   1, "",   false, nullptr,          kViele, FuegeMessungenHinzu},
        {"AN", 1, "",   false, nullptr,          0,      FuelleNotiz},
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
    SetzeKopfsatz(protokoll, nummer, Protokollnummer(laufendeNummer, art.kuerzel), ort, art.imFeld);
    fueller(protokoll, nummer, messungen);
    SetzeUnterart(protokoll, art.unterart);
    return protokoll;
}

} // namespace muster
