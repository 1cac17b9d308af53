// The two lists inside the running viewer: filled at start and after File Open, sorted by
// column 1, the column reset of the shown tab, and the protocols and measurements chosen for
// printing.
#include "app/mainframe.h"
#include "app/messungsliste.h"
#include "app/messungsseite.h"
#include "app/protokollliste.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "app_umgebung.h"
#include "listen_fixtur.h"
#include "musterbauer.h"
#include "platform/einstellungen.h"

#include <QItemSelectionModel>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

class ListenImViewer : public AppUmgebung
{
protected:
    // A project whose protocols all hang below title 1 with the given text.
    std::string SchreibeProjekt(const char* name, const std::string& praefix,
                                const std::string& titel,
                                const std::vector<ProtokollVorlage>& vorlagen)
    {
        MusterProjekt projekt;
        projekt.metadaten = {{"bezeichnung", name}, {"protNrPraefix", praefix}};
        projekt.titel = {"1|" + titel + "|0"};
        for (const ProtokollVorlage& vorlage : vorlagen)
            projekt.protokolle.push_back(*BaueTestprotokoll(vorlage));
        const std::string pfad = ProgrammOrdnerText() + "/" + name;
        EXPECT_TRUE(SchreibeProjektDatei(projekt, pfad));
        return pfad;
    }

    static std::vector<std::string> Schluessel(const CAppListCtrl& liste)
    {
        std::vector<std::string> schluessel;
        for (int zeile = 0; zeile < liste.HoleModell().rowCount(); ++zeile)
            schluessel.push_back(liste.HoleInfo(zeile)->schluessel);
        return schluessel;
    }
};

std::vector<std::string> Nummer(const std::string& nummer)
{
    return {"", "", "", "", "", "", "", "", nummer};
}

QStringList Kommandozeile(const std::string& projekt)
{
    return {QStringLiteral("axo-reader"), AusCp1252(projekt)};
}

} // namespace

TEST_F(ListenImViewer, DateiOeffnenLaesstNichtsVomErstenProjekt)
{
    const std::string erstes = SchreibeProjekt("erstes.axo", "A", "Titel des ersten",
                                               {{.id = "A1",
                                                 .titelId = "1",
                                                 .pruefartId = "1001",
                                                 .kopffelder = Nummer("1"),
                                                 .messungen = {Messung("1"), Messung("2")}},
                                                {.id = "A2",
                                                 .titelId = "1",
                                                 .pruefartId = "1000",
                                                 .kopffelder = Nummer("2"),
                                                 .messungen = {Messung("1")}}});
    const std::string zweites = SchreibeProjekt("zweites.axo", "B", "Titel des zweiten",
                                                {{.id = "B1",
                                                  .titelId = "1",
                                                  .pruefartId = "1008",
                                                  .kopffelder = Nummer("7"),
                                                  .messungen = {Messung("1")}}});

    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile(erstes)));
    CVersucheView* ansicht = app.HoleHauptfenster()->HoleAnsicht();
    CProtokollListCtrl& protokolle = *ansicht->HoleProtokollListe();
    CMessungsListCtrl& messungen = *ansicht->HoleMessungsListe();
    ASSERT_EQ(protokolle.HoleModell().rowCount(), 2);
    EXPECT_EQ(messungen.HoleModell().rowCount(), 3);
    EXPECT_EQ(messungen.HoleModell().columnCount(), 32);
    EXPECT_EQ(Zelle(protokolle, 0, 2), "Titel des ersten");
    // Both lists come sorted by the test type's name, ascending.
    for (const CAppListCtrl* liste :
         {static_cast<CAppListCtrl*>(&protokolle), static_cast<CAppListCtrl*>(&messungen)}) {
        std::vector<std::string> namen;
        for (int zeile = 0; zeile < liste->HoleModell().rowCount(); ++zeile)
            namen.push_back(liste->HoleSortierText(zeile, 1));
        EXPECT_TRUE(std::is_sorted(namen.begin(), namen.end()));
    }
    EXPECT_EQ(Zelle(protokolle, 0, 11).substr(0, 2), "A-");

    app.OeffneDokument(zweites);
    EXPECT_EQ(Schluessel(protokolle), std::vector<std::string>{"B1"});
    EXPECT_EQ(Schluessel(messungen), std::vector<std::string>{"B1"});
    EXPECT_EQ(Zelle(protokolle, 0, 2), "Titel des zweiten");
    EXPECT_EQ(Zelle(messungen, 0, 2), "Titel des zweiten");
    EXPECT_EQ(Zelle(protokolle, 0, 11), "B-7");
    EXPECT_EQ(Zelle(messungen, 0, 11), "B-7");

    // File New empties both lists.
    ASSERT_TRUE(app.OnFileNew());
    EXPECT_EQ(protokolle.HoleModell().rowCount(), 0);
    EXPECT_EQ(messungen.HoleModell().rowCount(), 0);
}

TEST_F(ListenImViewer, ZuruecksetzenNurFuerDieGezeigteSeiteUndDruckauswahl)
{
    const std::string projekt = SchreibeProjekt(
        "projekt.axo", "P", "Erdbau",
        {{.id = "X",
          .titelId = "1",
          .kopffelder = Nummer("2"),
          .messungen = {Messung("1"), Messung("2"), Messung("3")}},
         {.id = "Y", .titelId = "1", .kopffelder = Nummer("1"), .messungen = {Messung("1")}},
         {.id = "Z", .titelId = "1", .kopffelder = Nummer("3"), .messungen = {Messung("1")}}});
    auto app = std::make_unique<CVersucheApp>();
    ASSERT_TRUE(app->InitInstance(Kommandozeile(projekt)));
    CVersucheView* ansicht = app->HoleHauptfenster()->HoleAnsicht();
    CProtokollListCtrl& protokolle = *ansicht->HoleProtokollListe();
    CMessungsListCtrl& messungen = *ansicht->HoleMessungsListe();

    protokolle.header()->resizeSection(3, 222);
    messungen.header()->resizeSection(3, 111);
    ansicht->HoleTabCtrl()->setCurrentIndex(1);
    ansicht->OnSpaltenZuruecksetzen();
    EXPECT_EQ(messungen.header()->sectionSize(3), 113);
    EXPECT_EQ(protokolle.header()->sectionSize(3), 222);
    ansicht->HoleTabCtrl()->setCurrentIndex(0);
    ansicht->OnSpaltenZuruecksetzen();
    EXPECT_EQ(protokolle.header()->sectionSize(3), 113);

    // The summary prints the selected measurements as the list shows them from the start: by
    // protocol number, each protocol's in running-number order.
    ansicht->HoleMessungsseite()->HoleAllesMarkierenKnopf().click();
    EXPECT_EQ(ansicht->GewaehlteMessungen(),
              (std::vector<MessungsSchluessel>{
                  {"Y", "1"}, {"X", "1"}, {"X", "2"}, {"X", "3"}, {"Z", "1"}}));

    // Printing takes the selected protocols top to bottom; those of one type come by number from
    // the start.
    EXPECT_TRUE(ansicht->GewaehlteProtokolle().empty());
    EXPECT_EQ(Schluessel(protokolle), (std::vector<std::string>{"Y", "X", "Z"}));
    protokolle.SortiereNachSpalte(11);
    ASSERT_EQ(Schluessel(protokolle), (std::vector<std::string>{"Y", "X", "Z"}));
    QItemSelectionModel& auswahl = *protokolle.selectionModel();
    auswahl.select(protokolle.HoleModell().index(2, 0),
                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auswahl.select(protokolle.HoleModell().index(0, 0),
                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(ansicht->GewaehlteProtokolle(), (std::vector<std::string>{"Y", "Z"}));

    // The layouts are written as the program ends.
    protokolle.header()->resizeSection(4, 74);
    messungen.header()->resizeSection(4, 75);
    app.reset();
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "protokolluebersicht_1").substr(0, 19),
              "25;116;163;113;74;8");
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "Messungsuebersicht_2_0").substr(0, 19),
              "25;116;163;113;75;8");
}
