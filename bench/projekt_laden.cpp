// Loading a large project file into the protocol collection, beside pugixml reading and parsing
// the same: the file read into memory as the loader reads it, and the XML text of each live record
// parsed into a document. Aim: a load within 1.4 times that reference.
//
// Both are timed as the CPU time of the whole process, so that the loader's helper threads count
// in full. Run on one core (taskset -c 2 ... --benchmark_repetitions=5), the two compare as work
// done, not as threads waited for. Each timed load also empties the collection the load before it
// filled, as a load in the viewer does.

#include "data/projektdatei.h"
#include "data/protokolle.h"
#include "musterbauer.h"
#include "platform/dateien.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kProtokolle = 5000;
constexpr int kMessungen = 100000;

// The synthetic project, written once per run and removed at exit.
class GrossesProjekt
{
public:
    GrossesProjekt()
        : m_pfad((std::filesystem::temp_directory_path() /
                  ("axo_bench_" + std::to_string(getpid()) + ".axo"))
                     .string())
    {
        if (!SchreibeProjektDatei(BaueGrossesProjekt(kProtokolle, kMessungen), m_pfad))
            std::fprintf(stderr, "projekt_laden: %s nicht geschrieben\n", m_pfad.c_str());
        m_groesse = static_cast<int64_t>(std::filesystem::file_size(m_pfad));
    }
    ~GrossesProjekt() { std::remove(m_pfad.c_str()); }

    const std::string& Pfad() const { return m_pfad; }
    int64_t Groesse() const { return m_groesse; }

private:
    std::string m_pfad;
    int64_t m_groesse = 0;
};

const GrossesProjekt& Projekt()
{
    static const GrossesProjekt projekt;
    return projekt;
}

// The reference: the file in one read into memory, as the loader reads it, its record headers
// walked and the text of every live record parsed into a document of its own. Yields the number
// of records parsed.
int PugixmlLiest(const GrossesProjekt& projekt)
{
    const int datei = OeffneZumLesen(projekt.Pfad());
    std::unique_ptr<char[]> inhalt;
    size_t groesse = 0;
    const bool gelesen =
        datei >= 0 && LiesBisEnde(datei, inhalt, groesse, CProjektDatei::kGroessteLaenge) ==
                          Leseergebnis::Gelesen;
    if (datei >= 0)
        ::close(datei);
    if (!gelesen)
        return 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(inhalt.get());
    int geparst = 0;
    for (size_t position = 0; groesse - position >= CProjektDatei::kKopfLaenge;) {
        const uint32_t laenge = bytes[position] | bytes[position + 1] << 8 |
                                bytes[position + 2] << 16 | uint32_t{bytes[position + 3]} << 24;
        const size_t text = position + CProjektDatei::kKopfLaenge;
        if (groesse - text < laenge)
            break;
        if (bytes[position + 5] == 0) {
            pugi::xml_document dokument;
            geparst += static_cast<bool>(dokument.load_buffer(bytes + text, laenge));
        }
        position = text + laenge;
    }
    return geparst;
}

void PugixmlReferenz(benchmark::State& state)
{
    const GrossesProjekt& projekt = Projekt();
    for (auto _ : state)
        benchmark::DoNotOptimize(PugixmlLiest(projekt));
    state.SetBytesProcessed(state.iterations() * projekt.Groesse());
}
BENCHMARK(PugixmlReferenz)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// CPU seconds of the whole process, its helper threads included.
double ProzessSekunden()
{
    timespec zeit{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &zeit);
    return static_cast<double>(zeit.tv_sec) + static_cast<double>(zeit.tv_nsec) * 1e-9;
}

template <class Aufgabe> double Sekunden(Aufgabe&& aufgabe)
{
    const double anfang = ProzessSekunden();
    aufgabe();
    return ProzessSekunden() - anfang;
}

double Median(std::vector<double> werte)
{
    std::nth_element(werte.begin(), werte.begin() + werte.size() / 2, werte.end());
    return werte[werte.size() / 2];
}

size_t HeapInBenutzung()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Each load beside the reference just before it: "VielfachesVonPugixml" is the ratio of their
// medians, "SpeicherJeDateibyte" the heap the loaded collection holds per file byte.
void MassnahmeLaden(benchmark::State& state)
{
    const GrossesProjekt& projekt = Projekt();
    std::vector<double> referenz, laden;
    CProtokolle protokolle;
    for (auto _ : state) {
        state.PauseTiming();
        referenz.push_back(Sekunden([&] { benchmark::DoNotOptimize(PugixmlLiest(projekt)); }));
        state.ResumeTiming();
        laden.push_back(Sekunden([&] { protokolle.LadeMassnahme(projekt.Pfad()); }));
        benchmark::DoNotOptimize(protokolle.GetAnzahl());
    }
    protokolle.Leere();
    const size_t leer = HeapInBenutzung();
    protokolle.LadeMassnahme(projekt.Pfad());
    const double gehalten = static_cast<double>(HeapInBenutzung() - leer);
    state.counters["Protokolle"] = protokolle.GetAnzahl();
    state.counters["LadenMs"] = Median(laden) * 1e3;
    state.counters["PugixmlMs"] = Median(referenz) * 1e3;
    state.counters["VielfachesVonPugixml"] = Median(laden) / Median(referenz);
    state.counters["SpeicherMB"] = gehalten / 1e6;
    state.counters["SpeicherJeDateibyte"] = gehalten / static_cast<double>(projekt.Groesse());
    state.SetBytesProcessed(state.iterations() * projekt.Groesse());
}
BENCHMARK(MassnahmeLaden)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
