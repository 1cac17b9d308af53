#pragma once
// Header and measurements: where and when a protocol's test stands, its number, its key data and
// its test points.

#include "baustelle.h"
#include "data/protokoll.h"

#include <string>
#include <utility>
#include <vector>

namespace muster {

// The project's protocol-number prefix.
constexpr const char* kNummernPraefix = "OL";

std::string Protokollnummer(int nummer, const std::string& kuerzel);
std::string Protokollverweis(const std::string& protokollnummer);

// Where and when a protocol's test stands: a layer at a station and position on a working day.
// Sheets that describe other protocols have no place of their own.
struct Ort
{
    const Schicht* schicht = nullptr;
    double station = 0; // m
    std::string lage;
    std::string datum;
};

Ort StandardOrt(int pruefart, int nummer, const Schicht* schicht);
void SetzeBoden(CProtokoll& protokoll, const Boden& boden);
void SetzeKopfsatz(CProtokoll& protokoll, int nummer, const std::string& protokollnummer,
                   const Ort& ort);

// Minutes a test on site takes to set up and at each test point; a laboratory test takes none.
struct Feldzeit
{
    int ruesten = 0;
    int jePunkt = 0;
};

// The hours of a test on site: from a start between 07:00 and 10:45 through its set-up and its
// test points.
void SetzePruefzeit(CProtokoll& protokoll, int nummer, const Feldzeit& zeit);
const Schicht& SchichtDes(const CProtokoll& protokoll);
void SetzeBemerkung(CProtokoll& protokoll, const std::string& bemerkung);

std::string Messdaten(const std::vector<std::pair<std::string, std::string>>& werte);
void SetzeEckdaten(CProtokoll& protokoll,
                   const std::vector<std::pair<std::string, std::string>>& eckdaten);
void SetzeSpannenEckdaten(CProtokoll& protokoll, const std::string& groesse,
                          const std::vector<std::string>& werte, const std::string& soll,
                          const std::string& einheit);

MESSUNG NeueMessung(const CProtokoll& protokoll, int i, std::string daten);

// The test points of a protocol of several: where they stand, and whether they are tested again
// after re-compaction, so that they meet the requirement.
struct Pruefpunkte
{
    std::vector<MESSUNG> stellen;
    bool nachverdichtet = false;
};

// The first `anzahl` test points the protocol's header places, as NeueMessung puts them.
Pruefpunkte Pruefstellen(const CProtokoll& protokoll, int anzahl);
void FuegeMessungenHinzu(CProtokoll& protokoll, int, int anzahl);
void SetzeUnterart(CProtokoll& protokoll, int unterart);

// A test point's station and profile, and its layer with the lift or height below it, as the
// pages with several points print them.
std::string StationUndProfil(const std::string& station);
std::string SchichtUndHoehe(const CProtokoll& protokoll, const MESSUNG& stelle);

} // namespace muster
