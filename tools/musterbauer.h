#pragma once
// Builds sample projects in memory and writes them as project files through the data classes'
// own writers: the sample project of the build folder, test fixtures and the large synthetic
// projects of the benchmarks.

#include "data/protokoll.h"

#include <map>
#include <string>
#include <vector>

struct MusterProjekt
{
    std::map<std::string, std::string> metadaten;
    std::vector<std::string> titel; // "identifier|text|level"
    std::map<std::string, std::string> vorgaben;
    std::vector<CProtokoll> protokolle;
};

// Test types 1000 to 1020. Large projects hold each; the sample each but 1019, which has no
// catalogue row and prints no report.
constexpr int kErstePruefart = 1000;
constexpr int kLetztePruefart = 1020;

// A protocol of the given test type with a header record (group 1 of the general data text)
// where the sample's site places a test of its type, `messungen` measurements and its
// test-specific data; its running number is `nummer` + 1.
CProtokoll BaueProtokoll(int pruefart, int nummer, const std::string& titelId, int messungen);

// The sample project: metadata, a title tree of three levels, defaults and protocols of every
// test type with a report, with measurements, as one construction site builds them: each header
// from its title's stretch, layer and soil, the layers tested bottom up on working days, each test
// that falls short re-tested, the running numbers in the order of the dates.
MusterProjekt BaueMusterprojekt();
// A synthetic project of that many protocols and measurements in all, spread over the test
// types and a title tree of three levels.
MusterProjekt BaueGrossesProjekt(int anzahlProtokolle, int anzahlMessungen);

// Writes the project file anew: metadata, title list and defaults records, then one record per
// protocol. False when the file cannot be written or a record is too long.
bool SchreibeProjektDatei(const MusterProjekt& projekt, const std::string& pfad);
