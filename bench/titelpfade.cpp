// Opening a project whose title identifiers repeat at other levels (so titles become each
// other's parents) beside the same project with unique identifiers: loading it and filling both
// lists. The unique project is the floor; the repeated one should stay within twice its time.
// A project file's title list record holds below 16384 bytes, some 600 titles; 2000 titles are
// handed to the collection directly, as the load's take-over does.

#include "app/messungsliste.h"
#include "app/protokollliste.h"
#include "data/protokolle.h"
#include "data/pruefartkatalog.h"
#include "musterbauer.h"
#include "platform/text.h"
#include "qtumgebung.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kTitelInDerDatei = 600;
constexpr int kTitelInDerSammlung = 2000;
constexpr int kProtokolle = 2000;
constexpr int kMessungen = 10000;

struct Titel
{
    std::string id;
    std::string text;
    int ebene;
};

// Groups of ten: one top title, three sections and two parts per section.
std::vector<Titel> Titelbaum(int anzahl)
{
    std::vector<Titel> titel;
    while (static_cast<int>(titel.size()) < anzahl) {
        titel.push_back({std::to_string(titel.size() + 1), StringFormat("L%zu", titel.size()), 1});
        for (int a = 1; a <= 3; ++a) {
            titel.push_back({std::to_string(titel.size() + 1), StringFormat("A%d", a), 2});
            for (int t = 1; t <= 2; ++t)
                titel.push_back({std::to_string(titel.size() + 1), StringFormat("T%d", t), 3});
        }
    }
    return titel;
}

// Every third title takes the identifier of a title of another level in the next group: the top
// title's, or for a top title the first section's.
bool WirdWiederholt(size_t index)
{
    return index % 3 == 2;
}

std::string WiederholteId(const std::vector<Titel>& titel, size_t index)
{
    const size_t naechsteGruppe = (index / 10 + 1) % (titel.size() / 10) * 10;
    return titel[titel[index].ebene == 1 ? naechsteGruppe + 1 : naechsteGruppe].id;
}

MusterProjekt Projekt(int titelAnzahl, bool wiederholt)
{
    const std::vector<Titel> baum = Titelbaum(titelAnzahl);
    MusterProjekt projekt = BaueGrossesProjekt(kProtokolle, kMessungen);
    projekt.titel.clear();
    std::vector<std::string> bleibende;
    for (size_t i = 0; i < baum.size(); ++i) {
        const bool anders = wiederholt && WirdWiederholt(i);
        projekt.titel.push_back((anders ? WiederholteId(baum, i) : baum[i].id) + "|" +
                                baum[i].text + "|" + std::to_string(baum[i].ebene));
        if (!WirdWiederholt(i))
            bleibende.push_back(baum[i].id);
    }
    // Both projects hang their protocols on the same titles.
    for (size_t i = 0; i < projekt.protokolle.size(); ++i)
        projekt.protokolle[i].SetzeTitelID(bleibende[i % bleibende.size()]);
    return projekt;
}

// The lists as the main view fills them after a load.
struct Listen
{
    Listen()
    {
        katalog.Lade();
        protokolle.InitSpalten(1, "P");
        messungen.SetzeModus(2, "P");
    }
    void Fuellen(const CProtokolle& sammlung)
    {
        protokolle.FuelleListe(sammlung, katalog);
        messungen.FuelleListe(sammlung, katalog, "");
    }

    CPruefartKatalog katalog;
    CProtokollListCtrl protokolle;
    CMessungsListCtrl messungen;
};

// Argument: 0 unique identifiers (the floor), 1 a third of them repeated at other levels.
void DateiOeffnen(benchmark::State& state)
{
    QTemporaryDir ordner;
    const std::string pfad = ordner.path().toStdString() + "/titel.axo";
    if (!SchreibeProjektDatei(Projekt(kTitelInDerDatei, state.range(0) != 0), pfad))
        std::fprintf(stderr, "titelpfade: %s nicht geschrieben\n", pfad.c_str());
    Listen listen;
    CProtokolle sammlung;
    for (auto _ : state) {
        sammlung.LadeMassnahme(pfad);
        listen.Fuellen(sammlung);
    }
    state.counters["Titel"] = sammlung.GetAnzahlTitel();
    state.counters["Protokolle"] = sammlung.GetAnzahl();
}
BENCHMARK(DateiOeffnen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SammlungOeffnen(benchmark::State& state)
{
    const MusterProjekt projekt = Projekt(kTitelInDerSammlung, state.range(0) != 0);
    Listen listen;
    CProtokolle sammlung;
    for (auto _ : state) {
        sammlung.Leere();
        for (const std::string& eintrag : projekt.titel)
            sammlung.FuegeTitelHinzu(eintrag);
        for (const CProtokoll& protokoll : projekt.protokolle)
            sammlung.FuegeHinzu(std::make_unique<CProtokoll>(protokoll));
        listen.Fuellen(sammlung);
    }
    state.counters["Titel"] = sammlung.GetAnzahlTitel();
    state.counters["Protokolle"] = sammlung.GetAnzahl();
}
BENCHMARK(SammlungOeffnen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets need an application; the lists' layouts go to a profile of this run only.
    const CQtBenchUmgebung umgebung;
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
