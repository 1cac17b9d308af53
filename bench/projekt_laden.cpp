// Loading a large project file into the protocol collection, beside reading the same file's
// bytes: the physical floor of any load.

#include "data/protokolle.h"
#include "musterbauer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

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

// The whole file in one read call.
void DateiLesen(benchmark::State& state)
{
    const GrossesProjekt& projekt = Projekt();
    std::string inhalt(projekt.Groesse(), '\0');
    for (auto _ : state) {
        std::FILE* datei = std::fopen(projekt.Pfad().c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(inhalt.data(), 1, inhalt.size(), datei));
        std::fclose(datei);
    }
    state.SetBytesProcessed(state.iterations() * projekt.Groesse());
}
BENCHMARK(DateiLesen)->Unit(benchmark::kMillisecond);

void MassnahmeLaden(benchmark::State& state)
{
    const GrossesProjekt& projekt = Projekt();
    CProtokolle protokolle;
    for (auto _ : state) {
        protokolle.LadeMassnahme(projekt.Pfad());
        benchmark::DoNotOptimize(protokolle.GetAnzahl());
    }
    state.counters["Protokolle"] = protokolle.GetAnzahl();
    state.SetBytesProcessed(state.iterations() * projekt.Groesse());
}
BENCHMARK(MassnahmeLaden)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
