// The print preview of every measurement of the large synthetic project in the running viewer:
// time until its first page is on the screen, memory it takes, and paging far into the job,
// each beside the floor of drawing one page of the same job on an image of the same size.

#include "app/mainframe.h"
#include "app/messungsliste.h"
#include "app/protokollliste.h"
#include "app/seitenvorschau.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "musterbauer.h"
#include "platform/dateien.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "qtumgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kProtokolle = 5000;
constexpr int kMessungen = 95000;
constexpr int kFerneSeite = 2000;

// Resident memory of the process in megabytes.
double BelegterSpeicherMb()
{
    std::ifstream statm("/proc/self/statm");
    long seiten = 0, resident = 0;
    statm >> seiten >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The viewer with the large project loaded and every measurement selected.
class GrosserViewer
{
public:
    GrosserViewer()
    {
        SetzeMeldungsAusgabe([](const Meldung&) {});
        SetzeProgrammOrdner(
            NachCp1252(QCoreApplication::applicationDirPath() + QStringLiteral("/..")));
        const std::string pfad = NachCp1252(m_ordner.filePath(QStringLiteral("gross.axo")));
        SchreibeProjektDatei(BaueGrossesProjekt(kProtokolle, kMessungen), pfad);
        m_app.InitInstance({QStringLiteral("axo-reader"), AusCp1252(pfad)});
        m_ansicht = m_app.HoleHauptfenster()->HoleAnsicht();
        m_app.HoleHauptfenster()->resize(1280, 900);
    }

    // The first `zeilen` rows of the list of that tab (all: -1), and that tab shown.
    void Waehle(int tab, int zeilen)
    {
        m_ansicht->HoleTabCtrl()->setCurrentIndex(tab);
        CAppListCtrl& liste = tab == 0
                                  ? static_cast<CAppListCtrl&>(*m_ansicht->HoleProtokollListe())
                                  : *m_ansicht->HoleMessungsListe();
        liste.clearSelection();
        const int letzte = zeilen < 0 ? liste.HoleModell().rowCount() - 1 : zeilen - 1;
        liste.selectionModel()->select(
            QItemSelection(liste.HoleModell().index(0, 0), liste.HoleModell().index(letzte, 0)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    CVersucheView& Ansicht() const { return *m_ansicht; }

private:
    QTemporaryDir m_ordner;
    CVersucheApp m_app;
    CVersucheView* m_ansicht = nullptr;
};

GrosserViewer& Viewer()
{
    static GrosserViewer viewer;
    return viewer;
}

CSeitenvorschau* OffeneVorschau()
{
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (auto* vorschau = qobject_cast<CSeitenvorschau*>(fenster);
            vorschau && vorschau->isVisible())
            return vorschau;
    return nullptr;
}

// From the command to the first page painted, then paging to a page far into the job. Arguments:
// the tab (0 reports of protocols, 1 summary table of measurements), the rows selected (-1 all).
void Vorschau(benchmark::State& state)
{
    GrosserViewer& viewer = Viewer();
    viewer.Waehle(int(state.range(0)), int(state.range(1)));
    const double vorher = BelegterSpeicherMb();
    double geoeffnet = 0, geblaettert = 0, spitze = 0;
    int seiten = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        QTimer::singleShot(0, [&] {
            CSeitenvorschau* vorschau = OffeneVorschau();
            CSeitenansicht& ansicht = vorschau->Ansicht();
            // Paints the pages in view as the screen would.
            ansicht.viewport()->grab();
            geoeffnet = double(uhr.nsecsElapsed()) / 1e9;
            seiten = ansicht.Seitenzahl();
            QElapsedTimer blaettern;
            blaettern.start();
            ansicht.GeheZuSeite(std::min(kFerneSeite, seiten));
            ansicht.viewport()->grab();
            geblaettert = double(blaettern.nsecsElapsed()) / 1e9;
            spitze = BelegterSpeicherMb() - vorher;
            vorschau->reject();
        });
        uhr.start();
        viewer.Ansicht().OnFilePrintPreview();
        state.SetIterationTime(geoeffnet);
    }
    state.counters["Seiten"] = seiten;
    state.counters["Blaettern_s"] = geblaettert;
    state.counters["Speicher_MB"] = spitze;
}
BENCHMARK(Vorschau)->Args({1, -1})->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The floor: one page of the same job drawn on an image of the preview's size.
void EineSeiteZeichnen(benchmark::State& state)
{
    CVersucheView& ansicht = Viewer().Ansicht();
    CProtokolldruckAuftrag& auftrag =
        const_cast<CProtokolldruckAuftrag&>(ansicht.HoleDruckauftrag());
    if (auftrag.GetSeitenzahl() == 0) {
        state.SkipWithError("the preview benchmark prepares the job");
        return;
    }
    QImage bild(1230, 870, QImage::Format_RGB32);
    const double dpi = 1230 / 297.0 * 25.4;
    for (auto _ : state) {
        bild.fill(Qt::white);
        QPainter maler(&bild);
        auftrag.ZeichneSeite(kFerneSeite, maler, dpi, dpi, auftrag.HoleSeitenrechteck());
    }
}
BENCHMARK(EineSeiteZeichnen)->Unit(benchmark::kMillisecond);

BENCHMARK(Vorschau)->Args({0, 500})->Args({0, -1})->UseManualTime()->Iterations(1)->Unit(
    benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const CQtBenchUmgebung umgebung;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
