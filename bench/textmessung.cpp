// Measuring text on the real fonts: the summary table fits every cell by repeated measuring.

#include "platform/recordingdc.h"
#include "qtumgebung.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

RecordingDC& MessDC()
{
    static RecordingDC dc;
    static const bool eingerichtet = [] {
        CFont schrift;
        schrift.CreateFont(260, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 16, 0, 48, "Tahoma");
        dc.SelectObject(schrift);
        return true;
    }();
    (void)eingerichtet;
    return dc;
}

void TextBreite(benchmark::State& state)
{
    RecordingDC& dc = MessDC();
    for (auto _ : state)
        benchmark::DoNotOptimize(dc.GetTextExtent("Frostschutzschicht aus Kiessand"));
}
BENCHMARK(TextBreite);

void ZellenhoeheMitUmbruch(benchmark::State& state)
{
    RecordingDC& dc = MessDC();
    for (auto _ : state) {
        RECT rechteck{0, 0, 1700, -10000};
        benchmark::DoNotOptimize(
            dc.DrawText("Sand-Kies-Gemisch, schwach schluffig, erdfeucht", rechteck,
                        DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOCLIP | DT_NOPREFIX));
    }
}
BENCHMARK(ZellenhoeheMitUmbruch);

} // namespace

int main(int argc, char** argv)
{
    const CQtBenchUmgebung umgebung;
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
