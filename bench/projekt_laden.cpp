// Loading a large project file into the protocol collection, beside reading the same file's
// bytes: the physical floor of any load. Aim: a load within ten times that read.

#include "data/protokolle.h"
#include "musterbauer.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <malloc.h>
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

// The whole file in one read call.
void LiesDatei(const GrossesProjekt& projekt, std::string& inhalt)
{
    std::FILE* datei = std::fopen(projekt.Pfad().c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(inhalt.data(), 1, inhalt.size(), datei));
    std::fclose(datei);
}

void DateiLesen(benchmark::State& state)
{
    const GrossesProjekt& projekt = Projekt();
    std::string inhalt(projekt.Groesse(), '\0');
    for (auto _ : state)
        LiesDatei(projekt, inhalt);
    state.SetBytesProcessed(state.iterations() * projekt.Groesse());
}
BENCHMARK(DateiLesen)->Unit(benchmark::kMillisecond);

template <class Aufgabe> double Sekunden(Aufgabe&& aufgabe)
{
    const auto anfang = std::chrono::steady_clock::now();
    aufgabe();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
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

// Each load beside a plain read of the file just before it: "VielfachesDesLesens" is the ratio
// of their medians, "SpeicherJeDateibyte" the heap the loaded collection holds per file byte.
void MassnahmeLaden(benchmark::State& state)
{
    const GrossesProjekt& projekt = Projekt();
    std::string inhalt(projekt.Groesse(), '\0');
    std::vector<double> lesen, laden;
    CProtokolle protokolle;
    for (auto _ : state) {
        state.PauseTiming();
        lesen.push_back(Sekunden([&] { LiesDatei(projekt, inhalt); }));
        state.ResumeTiming();
        laden.push_back(Sekunden([&] { protokolle.LadeMassnahme(projekt.Pfad()); }));
        benchmark::DoNotOptimize(protokolle.GetAnzahl());
    }
    protokolle.Leere();
    const size_t leer = HeapInBenutzung();
    protokolle.LadeMassnahme(projekt.Pfad());
    const double gehalten = static_cast<double>(HeapInBenutzung() - leer);
    state.counters["Protokolle"] = protokolle.GetAnzahl();
    state.counters["VielfachesDesLesens"] = Median(laden) / Median(lesen);
    state.counters["SpeicherMB"] = gehalten / 1e6;
    state.counters["SpeicherJeDateibyte"] = gehalten / static_cast<double>(projekt.Groesse());
    state.SetBytesProcessed(state.iterations() * projekt.Groesse());
}
BENCHMARK(MassnahmeLaden)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
