#pragma once
// The running viewer on a project written for the test.

#include "app/mainframe.h"
#include "app/messungsliste.h"
#include "app/messungsseite.h"
#include "app/protokollliste.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "app_umgebung.h"
#include "listen_fixtur.h"
#include "musterbauer.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTabWidget>
#include <map>
#include <memory>

class ViewerUmgebung : public AppUmgebung
{
protected:
    void TearDown() override
    {
        m_app.reset();
        AppUmgebung::TearDown();
    }

    // A project in the program folder whose protocols all hang below title 1 "Erdbau".
    std::string SchreibeProjekt(const std::string& name,
                                const std::vector<ProtokollVorlage>& vorlagen,
                                const std::map<std::string, std::string>& metadaten = {})
    {
        MusterProjekt projekt;
        projekt.metadaten = metadaten;
        projekt.titel = {"1|Erdbau|0"};
        for (const ProtokollVorlage& vorlage : vorlagen)
            projekt.protokolle.push_back(*BaueTestprotokoll(vorlage));
        const std::string pfad = ProgrammOrdnerText() + "/" + name;
        EXPECT_TRUE(SchreibeProjektDatei(projekt, pfad));
        return pfad;
    }

    void Starte(const std::string& projekt)
    {
        m_app = std::make_unique<CVersucheApp>();
        ASSERT_TRUE(m_app->InitInstance({QStringLiteral("axo-reader"), AusCp1252(projekt)}));
        m_ansicht = m_app->HoleHauptfenster()->HoleAnsicht();
    }

    CPage3& Messungsseite() const { return *m_ansicht->HoleMessungsseite(); }
    CMessungsListCtrl& Messungen() const { return *m_ansicht->HoleMessungsListe(); }
    CProtokollListCtrl& Protokolle() const { return *m_ansicht->HoleProtokollListe(); }

    // The counters of the measurements page: listed rows, selected rows.
    std::pair<std::string, std::string> Zaehler() const
    {
        return {NachCp1252(Messungsseite().HoleZeilenZaehler().text()),
                NachCp1252(Messungsseite().HoleAuswahlZaehler().text())};
    }

    static void Waehle(CAppListCtrl& liste, std::initializer_list<int> zeilen)
    {
        liste.clearSelection();
        for (int zeile : zeilen)
            liste.selectionModel()->select(liste.HoleModell().index(zeile, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Key and running number of every row of a list: "P0-3".
    static std::vector<std::string> Zeilen(const CAppListCtrl& liste)
    {
        std::vector<std::string> zeilen;
        for (int zeile = 0; zeile < liste.HoleModell().rowCount(); ++zeile)
            zeilen.push_back(liste.HoleInfo(zeile)->schluessel + "-" +
                             liste.HoleInfo(zeile)->messungsId);
        return zeilen;
    }

    std::unique_ptr<CVersucheApp> m_app;
    CVersucheView* m_ansicht = nullptr;
};
