// Paginating the summary table on the real fonts: every cell is measured, and cells too wide for
// their column are fitted by hyphenation and breaking.

#include "app/listenmodell.h"
#include "app/messungsexport.h"
#include "app/protokolldruckauftrag.h"
#include "data/protokolle.h"
#include "musterbauer.h"
#include "pages/zusammenstellungdruck.h"
#include "platform/recordingdc.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

CProtokoll Protokoll(const char* pruefart)
{
    CProtokoll protokoll;
    protokoll.Initialisiere("P", "T", pruefart);
    return protokoll;
}

// Rows as a site laboratory fills them: short numbers, compound soil and layer names.
void Paginiere(benchmark::State& state)
{
    const CProtokoll proctor = Protokoll("1001");
    const CProtokoll sieb = Protokoll("1000");
    RecordingDC dc;
    for (auto _ : state) {
        state.PauseTiming();
        CZusammenstellungDruck druck;
        for (int i = 0; i < state.range(0); ++i)
            druck.FuegeZeileHinzu(
                std::to_string(i) +
                    "|20240517|Damm Nord|0+120|Frostschutzschicht|links 2,5 m|Sand-Kies-Gemisch|"
                    "Seitenentnahme|erdfeucht|PV|PV 12|1,952|9,8|12,5|2,011|10,1|8,7|1,934|0,12|"
                    "0,03|99,1|97,0|||||",
                i % 5 == 4 ? sieb : proctor);
        state.ResumeTiming();
        benchmark::DoNotOptimize(druck.Paginiere(&dc));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Paginiere)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A full first page of rows whose cells are long compounds too wide for their columns, so that
// every row goes through hyphenation, as layer and soil descriptions often do.
void SeiteEinpassen(benchmark::State& state)
{
    const CProtokoll proctor = Protokoll("1001");
    const char* const schichten[] = {"Frostschutzschichtmaterial", "Schottertragschicht",
                                     "Bodenaustauschschicht", "Kiessandgemisch-Unterbau"};
    const char* const boeden[] = {"Kiessandgemisch-Bodenaustausch", "Grobschotter-Planumsschutz",
                                  "Feinsandboden", "Felsbruchsteinschotter"};
    const auto fuelle = [&](CZusammenstellungDruck& druck, int zeilen) {
        for (int i = 0; i < zeilen; ++i)
            druck.FuegeZeileHinzu(std::to_string(1000000 + i) + "|20240517|Dammschüttung Nord|" +
                                      "0+120|" + schichten[i % 4] + "|Fahrbahnmitte|" +
                                      boeden[i % 4] + "|Seitenentnahme|erdfeucht|PV|" +
                                      "PV 12|1,952|9,8|12,5|2,011|10,1|8,7|1,934|0,12|"
                                      "0,03|99,1|97,0|||||",
                                  proctor);
    };
    RecordingDC dc;
    CZusammenstellungDruck probe;
    fuelle(probe, 100);
    probe.Paginiere(&dc);
    int zeilen = 0;
    while (probe.Zeilenseite(zeilen) == 1)
        ++zeilen;
    for (auto _ : state) {
        state.PauseTiming();
        CZusammenstellungDruck druck;
        fuelle(druck, zeilen);
        state.ResumeTiming();
        benchmark::DoNotOptimize(druck.Paginiere(&dc));
    }
    state.counters["Zeilen"] = zeilen;
}
BENCHMARK(SeiteEinpassen)->Unit(benchmark::kMillisecond);

// One cell holding a word of many characters without a break point in a narrow column.
void LangesWort(benchmark::State& state)
{
    RecordingDC dc;
    CZusammenstellungDruck druck;
    dc.SelectObject(druck.NormaleSchrift());
    std::string wort;
    for (int i = 0; i < state.range(0); ++i)
        wort += static_cast<char>('a' + (i * 7) % 26);
    for (auto _ : state) {
        std::string text = wort;
        druck.PasseZellentextEin(dc, 700, text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(LangesWort)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The large synthetic project and the first `anzahl` of its measurements, as a selection of the
// measurement list names them.
struct GrosseAuswahl
{
    CProtokolle protokolle;
    std::vector<CProtokolldruckAuftrag::MessungsSchluessel> messungen;
};

const GrosseAuswahl& Auswahl()
{
    static GrosseAuswahl a;
    if (a.protokolle.GetAnzahl() == 0) {
        for (CProtokoll& protokoll : BaueGrossesProjekt(5000, 95000).protokolle) {
            for (int i = 0; i < protokoll.GetAnzahlMessungen(); ++i) {
                MESSUNG messung;
                protokoll.GetMessung(i, messung);
                a.messungen.emplace_back(protokoll.GetID(), messung.lfdNr);
            }
            a.protokolle.FuegeHinzu(std::make_unique<CProtokoll>(std::move(protokoll)));
        }
    }
    return a;
}

std::vector<CProtokolldruckAuftrag::MessungsSchluessel> ErsteMessungen(int anzahl)
{
    const auto& alle = Auswahl().messungen;
    return {alle.begin(), alle.begin() + std::min<std::size_t>(anzahl, alle.size())};
}

// The floor of preparing the rows: one row text's worth of bytes copied per selected row.
void ZeilentexteKopieren(benchmark::State& state)
{
    const auto messungen = ErsteMessungen(static_cast<int>(state.range(0)));
    const std::string zeile(240, 'x');
    for (auto _ : state) {
        std::vector<std::string> texte;
        for (const auto& messung : messungen)
            texte.push_back(zeile + messung.second);
        benchmark::DoNotOptimize(texte);
    }
}
BENCHMARK(ZeilentexteKopieren)->Arg(10000)->Arg(95000)->Unit(benchmark::kMillisecond);

// The summary job of the selected measurements without its pagination: finding each row's
// protocol and building its row text.
void ZeilenVorbereiten(benchmark::State& state)
{
    const auto messungen = ErsteMessungen(static_cast<int>(state.range(0)));
    const CProtokolle& protokolle = Auswahl().protokolle;
    for (auto _ : state) {
        CZusammenstellungDruck druck;
        BereiteZusammenstellungszeilenVor(druck, protokolle, messungen);
        benchmark::DoNotOptimize(druck.AnzahlZeilen());
    }
}
BENCHMARK(ZeilenVorbereiten)->Arg(10000)->Unit(benchmark::kMillisecond);

// The export's text of every measurement, gathered after the file is chosen.
void MessungsexportAllerZeilen(benchmark::State& state)
{
    std::vector<ITEMINFOS> zeilen;
    for (const auto& [schluessel, messungsId] : ErsteMessungen(static_cast<int>(state.range(0)))) {
        ITEMINFOS& info = zeilen.emplace_back();
        info.schluessel = schluessel;
        info.messungsId = messungsId;
    }
    std::vector<const ITEMINFOS*> auswahl;
    for (const ITEMINFOS& info : zeilen)
        auswahl.push_back(&info);
    for (auto _ : state)
        benchmark::DoNotOptimize(BildeMessungsExport(auswahl, Auswahl().protokolle));
}
BENCHMARK(MessungsexportAllerZeilen)->Arg(95000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
