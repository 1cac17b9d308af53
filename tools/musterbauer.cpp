// Projects: the sample's construction plan, the large synthetic projects, and the project file.

#include "musterbauer.h"

#include "arbeitstage.h"
#include "baustelle.h"
#include "blaetter.h"
#include "data/massnahme.h"
#include "data/projektdatei.h"
#include "data/textfunktionen.h"
#include "kopf_und_messungen.h"
#include "kornverteilung.h"
#include "nachpruefungen.h"
#include "notiz.h"
#include "platform/text.h"
#include "pruefarten.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <optional>

using namespace muster;

namespace {

// One protocol of the sample: its test type (and the sub-type's own code where it has one), its
// title, the layer, station (m) and position of its test, its working day from the project's
// start, its measurements, and for a grain-size analysis the material. A sheet names the plan's
// rows of the protocols it draws on instead of a place; a re-test the row it tests again and the
// places it tests.
struct Einsatz
{
    int pruefart;
    const char* titel;
    const Schicht* schicht;
    double station;
    std::string lage;
    int tag;
    int messungen;
    Kornprobe probe = kSandkies;
    std::vector<size_t> quellen = {};
    const Pruefart* art = nullptr;
    std::optional<size_t> nachpruefungVon = {};
    std::vector<MESSUNG> stellen = {};
};

// The grain-size comparison of sub-type 1.
const Pruefart kKornvergleich{"GK", 1, "GK", {}, nullptr, kViele, FuegeMessungenHinzu};

// The construction of the sample, in the order the project lists its protocols: the first of
// each test type that has a report first. Suitability tests of the cut's sand and of the drain's
// filters in early March; the dam in lifts from mid-March, each lift tested; the bridge's clay
// below the excavation, its tests and the replacement from mid-April; the site meeting in May;
// the subgrade of the cut from the end of May, then the frost protection layer and the base course
// on the same profiles. A test on the dam falls before the last day of its lift, so that a re-test
// finds the lift still open.
// clang-format off
const std::vector<Einsatz>& Bauablauf()
{
    static const std::vector<Einsatz> plan = {
        {1000, "8",  &kFrostschutz,    1260, "Achse",        89, 1},
        {1001, "11", &kAushub,         1200, "Achse",         3, 1},
        {1002, "3",  &kDamm,             60, "rechts 2,5 m", 12, 3},
        {1003, "4",  &kErdplanum,       840, "Achse",        55, 3},
        {1004, "6",  &kAushubsohle,    1680, "Achse",        30, 1},
        {1005, "6",  &kAushubsohle,    1660, "links 2,5 m",  31, 1},
        {1006, "10", &kAushubsohle,    1660, "rechts 2,5 m", 32, 1},
        {1007, "3",  &kDamm,            280, "links 2,5 m",  18, 3},
        {1008, "10", &kAushubsohle,    1660, "rechts 2,5 m", 34, 1},
        {1009, "5",  &kDamm,           1520, "Achse",        47, 1},
        {1010, "6",  nullptr,             0, "",             35, 1, kSandkies, {5}},
        {1011, "3",  &kDamm,            240, "rechts 4,0 m", 14, 1},
        {1012, "9",  &kSchottertrag,    840, "Achse",       109, 3},
        {1013, "10", &kAushubsohle,    1660, "rechts 2,5 m", 36, 1},
        {1014, "11", &kAushub,         1200, "Achse",         3, 1},
        {1015, "12", nullptr,             0, "",              6, 1, kSandkies, {36, 37, 38}},
        {1016, "10", &kAushubsohle,    1660, "rechts 2,5 m", 37, 1},
        {1017, "10", &kAushubsohle,    1660, "rechts 2,5 m", 42, 1},
        {1018, "11", nullptr,             0, "",              8, 0, kSandkies, {1, 41, 42, 43}},
        {1020, "1",  nullptr,             0, "",             51, 0},
        // Today's sample of the frost protection layer beside its finest and coarsest.
        {1018, "8",  nullptr,             0, "",             90, 0, kSandkies, {0, 39, 40}, &kKornvergleich},
        // Plate load tests on the subgrade, the soil replacement and the superstructure.
        {1005, "4",  &kErdplanum,       900, "rechts 2,5 m", 57, 1},
        {1003, "4",  &kErdplanum,      1020, "links 2,5 m",  62, 8},
        {1005, "6",  &kBodenaustausch, 1700, "Achse",        45, 1},
        {1003, "6",  &kBodenaustausch, 1620, "links 2,5 m",  44, 6},
        {1005, "8",  &kFrostschutz,     900, "rechts 2,5 m", 85, 1},
        {1012, "8",  &kFrostschutz,    1020, "links 2,5 m",  87, 8},
        {1005, "9",  &kSchottertrag,    900, "rechts 2,5 m",104, 1},
        {1012, "9",  &kSchottertrag,   1020, "links 2,5 m", 106, 8},
        // Field density on the dam and the subgrade by every method the sand allows; the gauge.
        {1002, "3",  &kDamm,            420, "Achse",        27, 5},
        {1002, "3",  &kDamm,            540, "links 5,0 m",  33, 4},
        {1002, "4",  &kErdplanum,       960, "Achse",        59, 3},
        {1002, "4",  &kErdplanum,      1220, "rechts 2,5 m", 67, 5},
        {1007, "3",  &kDamm,            160, "Achse",        38, 5},
        {1007, "4",  &kErdplanum,      1100, "links 2,5 m",  64, 4},
        {1007, "4",  &kErdplanum,      1300, "Achse",        69, 5},
        // The cut's sand, of the reference Proctor test's sample, sieved and carried below the
        // sieves by its sedimentation, which a drain at the dam's foot drains, and the drain's two
        // filters, proven on their deliveries before the dam's first lift covers the drain; two
        // earlier samples of the frost protection layer.
        {1000, "11", &kAushub,         1200, "Achse",         4, 1, kAushubsand, {14}},
        {1000, "12", &kFilter1,         120, "links 5,0 m",   4, 1, kFiltersand},
        {1000, "12", &kFilter2,         120, "links 5,0 m",   5, 1, kFilterkies},
        {1000, "8",  &kFrostschutz,     860, "rechts 2,5 m", 79, 1, kSandkiesFein},
        {1000, "8",  &kFrostschutz,    1140, "links 2,5 m",  83, 1, kSandkiesGrob},
        // Suitability tests of the cut's sand beside the reference Proctor test.
        {1001, "11", &kAushub,         1180, "links 2,5 m",   5, 1},
        {1001, "11", &kAushub,         1220, "rechts 2,5 m",  6, 1},
        {1001, "11", &kAushub,         1240, "Achse",         7, 1},
        // The base course's crushed rock.
        {1000, "9",  &kSchottertrag,    860, "Achse",       100, 1, kSchotterTragschicht},
        // The grain density of the cut's sand, of the reference Proctor test's sample, which its
        // Proctor tests and its sedimentation use.
        {1008, "11", &kAushub,         1200, "Achse",         2, 1},
        // The dam's other lifts, each tested before the next covers it.
        {1002, "3",  &kDamm,            340, "links 2,5 m",  22, 3},
        {1007, "3",  &kDamm,            620, "rechts 2,5 m", 42, 3},
        {1002, "3",  &kDamm,            700, "Achse",        47, 3},
    };
    return plan;
}
// clang-format on

std::map<std::string, std::string> Metadaten()
{
    return {
        {"ID", "M-2026-017"},
        {"bezeichnung", "Ortsumgehung Lindenfeld, B 417 Bauabschnitt 2"},
        {"protNrPraefix", kNummernPraefix},
        {"notiz", "Eigenüberwachung Erdbau und Oberbau"},
        {"weitereNotiz", ""},
        {"auftraggeber", "Landesstraßenbauamt Musterland|Dienststelle Nord|Birkenstadt"},
        {"auftragnr", "A-2026-0415"},
        {"datumAngelegt", "20260302"},
        {"datumBeendet", ""},
        {"ausfueFirma", "Tiefbau Kranich GmbH"},
        {"fusstext", "Musterlabor Geotechnik GmbH|Musterstraße 1, 12345 Musterstadt|"
                     "Tel. 01234 5678-0|www.musterlabor.example|0"},
        {"metameta", ""},
        {"unterschrift", "Dipl.-Ing. P. Muster"},
    };
}

std::map<std::string, std::string> Vorgaben()
{
    return {
        {"bemerkung", "Prüfung nach ZTV E-StB.\r\nWerte vorläufig."},
        {"ev2_soll", "45"},
        {"verdichtungsgrad_soll", "1.00"},
    };
}

// Three levels: earthworks and superstructure with their sections (parts of the project's
// Bauabschnitt, so called Teilabschnitt), and the laboratory with the suitability tests of the
// cut's soil and of the filter materials.
std::vector<std::string> Titelbaum()
{
    return {
        "1|Erdbau|1",
        "2|Teilabschnitt Nord|2",
        "3|Dammschüttung km 0+000 bis 0+800|3",
        "4|Planum km 0+800 bis 1+400|3",
        "5|Teilabschnitt Süd|2",
        "6|Bodenaustausch Brücke BW 3|3",
        "7|Oberbau|1",
        "8|Frostschutzschicht|2",
        "9|Schottertragschicht|2",
        "10|Laborversuche|1",
        "11|Eignungsprüfungen Aushubboden|2",
        "12|Eignungsprüfungen Filterstoffe|2",
    };
}

// Titles of a large project: `gruppen` top titles with three sections of two parts each.
std::vector<std::string> GrosserTitelbaum(int gruppen)
{
    std::vector<std::string> titel;
    int id = 1;
    for (int g = 1; g <= gruppen; ++g) {
        titel.push_back(StringFormat("%d|Los %d|1", id++, g));
        for (int a = 1; a <= 3; ++a) {
            titel.push_back(StringFormat("%d|Los %d Abschnitt %d|2", id++, g, a));
            for (int t = 1; t <= 2; ++t)
                titel.push_back(StringFormat("%d|Los %d Abschnitt %d Teil %d|3", id++, g, a, t));
        }
    }
    return titel;
}

} // namespace

CProtokoll BaueProtokoll(int pruefart, int nummer, const std::string& titelId, int messungen)
{
    const Pruefart& art = PruefartVon(pruefart);
    return BaueProtokollMit(art.fuelle, pruefart, art, nummer, nummer, titelId,
                            StandardOrt(pruefart, nummer, art.schicht), messungen);
}

namespace {

CProtokoll BaueKornprotokoll(Kornprobe probe, int nummer, int laufendeNummer,
                             const std::string& titelId, const Ort& ort, int messungen)
{
    const auto fueller = [probe](CProtokoll& protokoll, int n, int m) {
        FuelleKornprobe(protokoll, n, m, Kornmaterialien()[probe]);
    };
    return BaueProtokollMit(fueller, 1000, PruefartVon(1000), nummer, laufendeNummer, titelId, ort,
                            messungen);
}

// Up to `anzahl` protocols that `passt`, the nearest to position `bei`: earlier ones first, later
// ones where too few come before; in project order.
std::vector<const CProtokoll*> Naechste(const std::vector<CProtokoll>& protokolle, size_t bei,
                                        size_t anzahl, const std::function<bool(size_t)>& passt)
{
    std::vector<size_t> gewaehlt;
    for (size_t i = bei; i-- > 0 && gewaehlt.size() < anzahl;)
        if (passt(i))
            gewaehlt.insert(gewaehlt.begin(), i);
    for (size_t i = bei + 1; i < protokolle.size() && gewaehlt.size() < anzahl; ++i)
        if (passt(i))
            gewaehlt.push_back(i);
    std::vector<const CProtokoll*> quellen;
    for (size_t i : gewaehlt)
        quellen.push_back(&protokolle[i]);
    return quellen;
}

// The sheets of a large project draw on its nearest tests of the kinds they need; `proben` names
// the material of each grain-size protocol. A filter rule without all three materials in the
// project stays empty, as does a soil replacement without an earlier plate load test.
void VerweiseAufNaechste(std::vector<CProtokoll>& protokolle, const std::vector<int>& proben)
{
    for (size_t i = 0; i < protokolle.size(); ++i) {
        CProtokoll& blatt = protokolle[i];
        std::vector<const CProtokoll*> quellen;
        // Its comparisons are those of the test-type table, of Proctor tests.
        if (blatt.GetPruefart() == 1018) {
            quellen = Naechste(protokolle, i, 4,
                               [&](size_t j) { return protokolle[j].GetPruefart() == 1001; });
        }
        if (blatt.GetPruefart() == 1010) {
            quellen = Naechste(protokolle, i, 1, [&](size_t j) {
                return j < i && protokolle[j].GetPruefart() == 1005;
            });
        }
        // The sand of the cut is carried below its sieves by a sedimentation.
        if (blatt.GetPruefart() == 1000 && proben[i] == kAushubsand) {
            quellen = Naechste(protokolle, i, 1,
                               [&](size_t j) { return protokolle[j].GetPruefart() == 1014; });
        }
        for (int m = 0; blatt.GetPruefart() == 1015 && m < 3; ++m) {
            const auto quelle =
                Naechste(protokolle, i, 1, [&](size_t j) { return proben[j] == kAushubsand + m; });
            quellen.insert(quellen.end(), quelle.begin(), quelle.end());
        }
        if (!quellen.empty() && (blatt.GetPruefart() != 1015 || quellen.size() == 3))
            SetzeQuellen(blatt, quellen);
    }
}

// The measurements of a large project's protocols, whose types follow in turn: a protocol takes
// an even share or what its type takes at most, and those that take any number share the rest
// evenly, the first taking the remainder.
std::vector<int> VerteileMessungen(int anzahlProtokolle, int anzahlMessungen)
{
    const int artAnzahl = kLetztePruefart - kErstePruefart + 1;
    std::vector<int> messungen(anzahlProtokolle);
    std::vector<int*> beliebig;
    int rest = anzahlMessungen;
    for (int i = 0; i < anzahlProtokolle; ++i) {
        const int hoechstens = PruefartVon(kErstePruefart + i % artAnzahl).hoechstens;
        if (hoechstens == kViele) {
            beliebig.push_back(&messungen[i]);
            continue;
        }
        messungen[i] = std::min(hoechstens, anzahlMessungen / anzahlProtokolle);
        rest -= messungen[i];
    }
    const int anzahl = static_cast<int>(beliebig.size());
    for (int k = 0; k < anzahl; ++k)
        *beliebig[k] = rest / anzahl + (k < rest % anzahl ? 1 : 0);
    return messungen;
}

// The protocol of the plan's row `i` with that running number.
CProtokoll BaueEinsatz(const std::vector<Einsatz>& plan, size_t i, int laufend)
{
    const Einsatz& e = plan[i];
    const int nummer = static_cast<int>(i);
    const Ort ort{e.schicht, e.station, e.lage, Arbeitstag(e.tag)};
    if (e.pruefart == 1000)
        return BaueKornprotokoll(e.probe, nummer, laufend, e.titel, ort, e.messungen);
    const Pruefart& art = e.art ? *e.art : PruefartVon(e.pruefart);
    return BaueProtokollMit(e.stellen.empty() ? art.fuelle : Nachpruefung(e.stellen), e.pruefart,
                            art, nummer, laufend, e.titel, ort, e.messungen);
}

// The plan and, on the working day after each test that falls short, its re-test at those of its
// places: a density or plate test after re-compaction, a grading on the improved delivery.
std::vector<Einsatz> MitNachpruefungen(std::vector<Einsatz> plan)
{
    for (size_t i = 0, geplant = plan.size(); i < geplant; ++i) {
        const std::vector<MESSUNG> verfehlt =
            VerfehltePruefungen(BaueEinsatz(plan, i, static_cast<int>(i)));
        if (verfehlt.empty())
            continue;
        Einsatz nachpruefung = plan[i];
        nachpruefung.station = Meter(verfehlt.front().station);
        nachpruefung.lage = verfehlt.front().lage;
        nachpruefung.tag += 1;
        nachpruefung.messungen = static_cast<int>(verfehlt.size());
        nachpruefung.nachpruefungVon = i;
        if (nachpruefung.pruefart == 1000)
            nachpruefung.probe = Kornmaterialien()[nachpruefung.probe].nachbesserung.value();
        else
            nachpruefung.stellen = verfehlt;
        plan.push_back(nachpruefung);
    }
    return plan;
}

} // namespace

MusterProjekt BaueMusterprojekt()
{
    MusterProjekt projekt{Metadaten(), Titelbaum(), Vorgaben(), {}};
    const std::vector<Einsatz> plan = MitNachpruefungen(Bauablauf());
    // The running numbers follow the working days.
    std::vector<size_t> folge(plan.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::ranges::stable_sort(folge, {}, [&](size_t i) { return plan[i].tag; });
    std::vector<int> laufend(plan.size());
    for (size_t rang = 0; rang < folge.size(); ++rang)
        laufend[folge[rang]] = static_cast<int>(rang);

    for (size_t i = 0; i < plan.size(); ++i)
        projekt.protokolle.push_back(BaueEinsatz(plan, i, laufend[i]));
    BesetzeBesprechungstage(projekt.protokolle);
    for (size_t i = 0; i < plan.size(); ++i)
        if (plan[i].nachpruefungVon)
            BemerkeNachpruefung(projekt.protokolle[*plan[i].nachpruefungVon],
                                projekt.protokolle[i]);
    for (size_t i = 0; i < plan.size(); ++i) {
        // A sheet that draws on a test that fell short draws on its re-test beside it.
        std::vector<const CProtokoll*> quellen;
        for (size_t quelle : plan[i].quellen) {
            quellen.push_back(&projekt.protokolle[quelle]);
            for (size_t j = 0; j < plan.size(); ++j)
                if (plan[j].nachpruefungVon == quelle)
                    quellen.push_back(&projekt.protokolle[j]);
        }
        if (!quellen.empty())
            SetzeQuellen(projekt.protokolle[i], quellen);
        if (plan[i].pruefart == 1010)
            BemerkeBodenaustausch(projekt.protokolle[plan[i].quellen.at(0)]);
    }
    return projekt;
}

MusterProjekt BaueGrossesProjekt(int anzahlProtokolle, int anzahlMessungen)
{
    MusterProjekt projekt{Metadaten(), GrosserTitelbaum(5), Vorgaben(), {}};
    const int titelAnzahl = static_cast<int>(projekt.titel.size());
    const int artAnzahl = kLetztePruefart - kErstePruefart + 1;
    projekt.protokolle.reserve(anzahlProtokolle);
    // The grain-size analyses take the sample's materials in turn.
    std::vector<int> proben(anzahlProtokolle, -1);
    const std::vector<int> verteilt = VerteileMessungen(anzahlProtokolle, anzahlMessungen);
    for (int i = 0; i < anzahlProtokolle; ++i) {
        const int messungen = verteilt[i];
        const std::string titelId = std::to_string(i % (titelAnzahl + 1));
        const int pruefart = kErstePruefart + i % artAnzahl;
        if (pruefart != 1000) {
            projekt.protokolle.push_back(BaueProtokoll(pruefart, i, titelId, messungen));
            continue;
        }
        proben[i] = i / artAnzahl % kKornproben;
        const Kornmaterial& material = Kornmaterialien()[proben[i]];
        projekt.protokolle.push_back(
            BaueKornprotokoll(static_cast<Kornprobe>(proben[i]), i, i, titelId,
                              StandardOrt(1000, i, material.schicht), messungen));
    }
    VerweiseAufNaechste(projekt.protokolle, proben);
    return projekt;
}

bool SchreibeProjektDatei(const MusterProjekt& projekt, const std::string& pfad)
{
    std::remove(pfad.c_str());
    CProjektDatei datei;
    datei.SetzeDateiname(pfad);
    if (!datei.OeffneZumSchreiben())
        return false;
    bool gut = datei.SchreibeMetadatenSatz(BaueMetadatenXml(projekt.metadaten)) >= 0 &&
               datei.SchreibeTitellisteSatz(BaueTitellisteXml(projekt.titel)) >= 0 &&
               datei.SchreibeVorgabedatenSatz(BaueVorgabedatenXml(projekt.vorgaben)) >= 0;
    for (const CProtokoll& protokoll : projekt.protokolle) {
        if (gut)
            gut = datei.FuegeEintragHinzu(protokoll.GetID(), protokoll.SchreibeXML()) >= 0;
    }
    datei.Schliesse();
    return gut;
}
