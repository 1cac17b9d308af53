// Counting the protocols below each title of a chain of nested titles (every title the parent of
// the next) with one protocol each, beside counting each title's own protocols: the floor, one
// look at every protocol per title. Aim: the count below a title grows as the floor does and
// stays within twenty times it.

#include "data/markup.h"
#include "data/massnahme.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr int kTitel = 650;

// The chain as one project document: title i on level i, protocol "Pi" on title i.
std::string Kette()
{
    std::string titel;
    std::string protokolle;
    for (int i = 1; i <= kTitel; ++i) {
        const std::string id = std::to_string(i);
        titel += "<titel>" + id + "|T" + id + "|" + id + "</titel>";
        CProtokoll protokoll;
        protokoll.Initialisiere("P" + id, id, "1005");
        protokolle += protokoll.SchreibeXML();
    }
    return "<massnahme><titel_liste>" + titel + "</titel_liste><protokolle>" + protokolle +
           "</protokolle></massnahme>";
}

// Argument: 0 each title's own protocols (the floor), 1 the protocols below each title.
void ProtokolleJeTitelZaehlen(benchmark::State& state)
{
    CMarkup xml;
    xml.SetzeDokument(Kette());
    CMassnahme massnahme;
    massnahme.LeseMassnahmeXml(xml);
    const bool darunter = state.range(0) != 0;
    for (auto _ : state) {
        int summe = 0;
        for (int i = 1; i <= kTitel; ++i) {
            const std::string id = std::to_string(i);
            summe += darunter ? massnahme.ZaehleProtokolleUnterTitel(id)
                              : massnahme.ZaehleProtokolleMitTitel(id);
        }
        benchmark::DoNotOptimize(summe);
    }
    state.counters["Titel"] = massnahme.HoleAnzahlTitel();
    state.counters["Protokolle"] = massnahme.HoleAnzahlProtokolle();
}
BENCHMARK(ProtokolleJeTitelZaehlen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
