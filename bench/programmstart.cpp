// Start-up of the viewer with a large project until its lists are filled, beside a bare Qt window
// launched the same way (a process of this program each), with the memory the project adds to an
// empty viewer; then the list operations of the running viewer on that project.

#include "app/mainframe.h"
#include "app/messungsliste.h"
#include "app/messungsseite.h"
#include "app/protokollliste.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "data/protokolle.h"
#include "musterbauer.h"
#include "platform/dateien.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/schriften.h"
#include "qtumgebung.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int kProtokolle = 5000;
constexpr int kMessungen = 100000;
// A child process is started with this as its first argument, then what it is to show.
constexpr const char* kKind = "--kind";

long HoechsterSpeicherKB()
{
    rusage verbrauch{};
    getrusage(RUSAGE_SELF, &verbrauch);
    return verbrauch.ru_maxrss;
}

// The program folder of this run, with the large project in it.
struct Umgebung
{
    Umgebung()
    {
        SetzeProgrammOrdner(NachCp1252(ordner.path()));
        // Messages (the logo is missing) must not wait for a click.
        SetzeMeldungsAusgabe([](const Meldung&) {});
        projekt = ordner.path() + QStringLiteral("/gross.axo");
        if (!SchreibeProjektDatei(BaueGrossesProjekt(kProtokolle, kMessungen), NachCp1252(projekt)))
            std::fprintf(stderr, "programmstart: %s nicht geschrieben\n", qPrintable(projekt));
    }

    QTemporaryDir ordner;
    QString projekt;
};

const Umgebung& Welt()
{
    static const Umgebung umgebung;
    return umgebung;
}

// Child: the viewer (on `projekt`, or empty) or a bare window; writes its peak memory in KB and
// ends at once, as the time to measure ends with the lists filled.
[[noreturn]] void StarteKind(const QString& was, const QString& projekt)
{
    SetzeMeldungsAusgabe([](const Meldung&) {});
    RegistriereSchriften();
    std::unique_ptr<CVersucheApp> viewer;
    QMainWindow fenster;
    if (was == QStringLiteral("fenster")) {
        fenster.show();
    } else {
        viewer = std::make_unique<CVersucheApp>();
        QStringList argumente{QStringLiteral("axo-reader")};
        if (!projekt.isEmpty())
            argumente.append(projekt);
        viewer->InitInstance(argumente);
    }
    QCoreApplication::processEvents();
    std::printf("%ld\n", HoechsterSpeicherKB());
    std::fflush(stdout);
    std::_Exit(0);
}

// CPU time of the children waited for so far, in ms: on a busy machine a fairer measure than the
// wall clock.
double KinderCpuMs()
{
    rusage verbrauch{};
    getrusage(RUSAGE_CHILDREN, &verbrauch);
    const auto ms = [](const timeval& zeit) { return zeit.tv_sec * 1e3 + zeit.tv_usec / 1e3; };
    return ms(verbrauch.ru_utime) + ms(verbrauch.ru_stime);
}

// Runs a child and returns its peak memory in KB.
long LaufeKind(const QStringList& argumente)
{
    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kind.start(QCoreApplication::applicationFilePath(), QStringList{kKind} + argumente);
    kind.waitForFinished(-1);
    return kind.readAllStandardOutput().trimmed().toLong();
}

// Runs the child once per iteration, with its CPU time per run as "CPU_ms"; returns the peak
// memory of the last run in KB.
long LaufeKinder(benchmark::State& state, const QStringList& argumente)
{
    long speicher = 0;
    const double cpuVorher = KinderCpuMs();
    for (auto _ : state)
        speicher = LaufeKind(argumente);
    state.counters["CPU_ms"] =
        (KinderCpuMs() - cpuVorher) / static_cast<double>(state.iterations());
    return speicher;
}

void ProgrammstartGrossesProjekt(benchmark::State& state)
{
    const Umgebung& welt = Welt();
    const long speicher = LaufeKinder(state, {QStringLiteral("viewer"), welt.projekt});
    const long leer = LaufeKind({QStringLiteral("viewer")});
    const double datei = static_cast<double>(QFileInfo(welt.projekt).size());
    state.counters["MB"] = static_cast<double>(speicher) / 1024.0;
    state.counters["MB_leer"] = static_cast<double>(leer) / 1024.0;
    state.counters["Mehr_je_Datei"] = static_cast<double>(speicher - leer) * 1024.0 / datei;
}
BENCHMARK(ProgrammstartGrossesProjekt)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The floor: a bare Qt window, launched the same way.
void ProgrammstartLeeresFenster(benchmark::State& state)
{
    LaufeKinder(state, {QStringLiteral("fenster")});
}
BENCHMARK(ProgrammstartLeeresFenster)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The running viewer on the large project, for the list operations.
struct LaufenderViewer
{
    LaufenderViewer()
    {
        app = std::make_unique<CVersucheApp>();
        app->InitInstance({QStringLiteral("axo-reader"), Welt().projekt});
    }

    CVersucheView& Ansicht() const { return *app->HoleHauptfenster()->HoleAnsicht(); }
    CPage3& Seite() const { return *Ansicht().HoleMessungsseite(); }

    std::unique_ptr<CVersucheApp> app;
};

std::unique_ptr<LaufenderViewer> g_viewer;

LaufenderViewer& Viewer()
{
    if (!g_viewer)
        g_viewer = std::make_unique<LaufenderViewer>();
    return *g_viewer;
}

// The floor of any fill: reading every measurement of the project once.
void AlleMessungenLesen(benchmark::State& state)
{
    const CProtokolle& protokolle = Viewer().app->HoleProtokolle();
    MESSUNG messung;
    for (auto _ : state) {
        for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
            const CProtokoll& protokoll = *protokolle.GetProtokoll(i);
            for (int j = 0; j < protokoll.GetAnzahlMessungen(); ++j) {
                protokoll.GetMessung(j, messung);
                benchmark::DoNotOptimize(messung.lfdNr.data());
            }
        }
    }
}
BENCHMARK(AlleMessungenLesen)->Unit(benchmark::kMillisecond);

void ProtokolllisteFuellen(benchmark::State& state)
{
    CVersucheView& ansicht = Viewer().Ansicht();
    const CVersucheApp& app = *Viewer().app;
    for (auto _ : state)
        ansicht.HoleProtokollListe()->FuelleListe(app.HoleProtokolle(), app.HolePruefartKatalog());
}
BENCHMARK(ProtokolllisteFuellen)->Unit(benchmark::kMillisecond);

// A click on a column head of the protocol list (2 title, 5 layer); the first after a fill makes
// the column's sort texts.
void ProtokolllisteSortieren(benchmark::State& state)
{
    CProtokollListCtrl& liste = *Viewer().Ansicht().HoleProtokollListe();
    const CVersucheApp& app = *Viewer().app;
    const int spalte = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        liste.FuelleListe(app.HoleProtokolle(), app.HolePruefartKatalog());
        state.ResumeTiming();
        liste.OnColumnclick(spalte);
    }
}
BENCHMARK(ProtokolllisteSortieren)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

// The measurements page's rebuild with a filter on the station (column 4).
void MessungslisteFiltern(benchmark::State& state)
{
    CPage3& seite = Viewer().Seite();
    for (auto _ : state) {
        state.PauseTiming();
        seite.OnAlleFilterEntfernen();
        state.ResumeTiming();
        seite.UebernimmSpaltenfilter(4, "0|0|5|0|");
    }
    state.counters["Zeilen"] = seite.HoleListe().HoleModell().rowCount();
}
BENCHMARK(MessungslisteFiltern)->Unit(benchmark::kMillisecond);

void AlleFilterEntfernen(benchmark::State& state)
{
    CPage3& seite = Viewer().Seite();
    for (auto _ : state) {
        state.PauseTiming();
        seite.UebernimmSpaltenfilter(4, "0|0|5|0|");
        state.ResumeTiming();
        seite.OnAlleFilterEntfernen();
    }
    state.counters["Zeilen"] = seite.HoleListe().HoleModell().rowCount();
}
BENCHMARK(AlleFilterEntfernen)->Unit(benchmark::kMillisecond);

void AllesMarkieren(benchmark::State& state)
{
    CPage3& seite = Viewer().Seite();
    seite.OnAlleFilterEntfernen();
    for (auto _ : state) {
        state.PauseTiming();
        seite.HoleListe().clearSelection();
        state.ResumeTiming();
        seite.OnAllesMarkieren();
    }
}
BENCHMARK(AllesMarkieren)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets need an application; the viewer's profile is one of this run only.
    const bool kind = argc >= 3 && std::strcmp(argv[1], kKind) == 0;
    const CQtBenchUmgebung umgebung(kind);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (kind)
        StarteKind(QString::fromLocal8Bit(argv[2]),
                   argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_viewer.reset();
    benchmark::Shutdown();
    return 0;
}
