// Filling the measurement list with every measurement of a large project, and sorting it by a
// column head, beside std::stable_sort of the same rows' sort texts: the floor of any sort.

#include "app/messungsliste.h"

#include "data/protokolle.h"
#include "data/pruefartkatalog.h"
#include "musterbauer.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kProtokolle = 5000;
constexpr int kMessungen = 100000;

// The synthetic project, loaded once per run.
struct GrossesProjekt
{
    GrossesProjekt()
    {
        katalog.Lade();
        QTemporaryDir ordner;
        const std::string pfad = ordner.path().toStdString() + "/gross.axo";
        if (!SchreibeProjektDatei(BaueGrossesProjekt(kProtokolle, kMessungen), pfad))
            std::fprintf(stderr, "messungsliste: %s nicht geschrieben\n", pfad.c_str());
        protokolle.LadeMassnahme(pfad);
    }

    CProtokolle protokolle;
    CPruefartKatalog katalog;
};

const GrossesProjekt& Projekt()
{
    static const GrossesProjekt projekt;
    return projekt;
}

// Every sort starts from the order of this column (the protocol number).
constexpr int kVorherSpalte = 11;

void MessungslisteFuellen(benchmark::State& state)
{
    const GrossesProjekt& projekt = Projekt();
    CMessungsListCtrl liste;
    for (auto _ : state)
        liste.FuelleListe(projekt.protokolle, projekt.katalog, "");
    state.counters["Zeilen"] = liste.HoleModell().rowCount();
}
BENCHMARK(MessungslisteFuellen)->Unit(benchmark::kMillisecond);

// Argument: the column (2 title, 4 station, 12 test date).
void MessungslisteSortieren(benchmark::State& state)
{
    CMessungsListCtrl liste;
    liste.FuelleListe(Projekt().protokolle, Projekt().katalog, "");
    const int spalte = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        liste.SortiereNachSpalte(kVorherSpalte);
        state.ResumeTiming();
        liste.SortiereNachSpalte(spalte);
    }
    state.counters["Zeilen"] = liste.HoleModell().rowCount();
}
BENCHMARK(MessungslisteSortieren)->Arg(2)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond);

// The first sort of a column after a fill also lower-cases that column's texts.
void MessungslisteErstesSortieren(benchmark::State& state)
{
    CMessungsListCtrl liste;
    const int spalte = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        liste.FuelleListe(Projekt().protokolle, Projekt().katalog, "");
        liste.SortiereNachSpalte(kVorherSpalte);
        state.ResumeTiming();
        liste.SortiereNachSpalte(spalte);
    }
}
BENCHMARK(MessungslisteErstesSortieren)
    ->Arg(2)
    ->Arg(4)
    ->Arg(12)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void StableSortDerSortiertexte(benchmark::State& state)
{
    CMessungsListCtrl liste;
    liste.FuelleListe(Projekt().protokolle, Projekt().katalog, "");
    const int spalte = static_cast<int>(state.range(0));
    liste.SortiereNachSpalte(kVorherSpalte);
    std::vector<std::string> vorher;
    for (int zeile = 0; zeile < liste.HoleModell().rowCount(); ++zeile)
        vorher.push_back(liste.HoleSortierText(zeile, spalte));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> texte = vorher;
        state.ResumeTiming();
        std::stable_sort(texte.begin(), texte.end());
        benchmark::DoNotOptimize(texte.data());
    }
}
BENCHMARK(StableSortDerSortiertexte)->Arg(2)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets need an application; the lists' layouts go to a profile of this run only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toLocal8Bit());
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
