// Start-up of the viewer, File New and File Open, the recent-file list and the printer
// orientation.
#include "app/mainframe.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "app_umgebung.h"
#include "data/pfade.h"
#include "report/bmp_bauer.h"
#include "report/dib.h"

#include <QPrinter>
#include <QTabWidget>
#include <fstream>
#include <gtest/gtest.h>

namespace {

const char* const LogoMeldung = "Datei mit Firmenlogo 'axo.sys' nicht gefunden !!!";

QStringList Kommandozeile(std::initializer_list<const char*> argumente)
{
    QStringList zeile{QStringLiteral("axo-reader")};
    for (const char* argument : argumente)
        zeile << QString::fromUtf8(argument);
    return zeile;
}

} // namespace

class Start : public AppUmgebung
{
protected:
    void SchreibeLogo()
    {
        BmpBauer bmp;
        bmp.bits = std::string("\x10\x20\x30\x00", 4);
        std::string datei = bmp.Datei();
        EntschluesseleLogoPuffer(datei.data(), datei.size());
        std::ofstream(m_programmOrdner.filePath(QStringLiteral("axo.sys")).toStdString(),
                      std::ios::binary)
            << datei;
    }
};

TEST_F(Start, WithoutLogoTheMessageComesBeforeTheWindowAndStartUpGoesOn)
{
    CVersucheApp app;
    bool fensterBeiMeldung = true;
    SetzeMeldungsAusgabe([&](const std::string& text, MeldungsArt) {
        m_meldungen.push_back(text);
        fensterBeiMeldung = app.HoleHauptfenster() != nullptr;
    });

    ASSERT_TRUE(app.InitInstance(Kommandozeile({})));
    EXPECT_EQ(m_meldungen, std::vector<std::string>{LogoMeldung});
    EXPECT_FALSE(fensterBeiMeldung);
    EXPECT_TRUE(app.HoleFirmenlogo().IstLeer());
    ASSERT_NE(app.HoleHauptfenster(), nullptr);
    EXPECT_TRUE(app.HoleHauptfenster()->isVisible());
    EXPECT_EQ(app.HoleHauptfenster()->windowTitle(), QStringLiteral("AXO Reader 4.0"));
    EXPECT_EQ(app.m_pMainView, app.HoleHauptfenster()->HoleAnsicht());
}

TEST_F(Start, LogoIsFoundInTheProgramFolderFromAnyWorkingDirectory)
{
    SchreibeLogo();
    QTemporaryDir anderswo;
    QDir::setCurrent(anderswo.path());

    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({"/nirgends/projekt.axo", "zweites.axo"})));
    EXPECT_TRUE(m_meldungen.empty());
    EXPECT_EQ(app.HoleFirmenlogo().Breite(), 1);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(m_programmOrdner.path()).canonicalPath());
    // A project that cannot be read leaves the viewer empty, without a message.
    EXPECT_EQ(app.HoleHauptfenster()->windowTitle(), QStringLiteral("AXO Reader 4.0"));
}

TEST_F(Start, DataPathAndTestTypeCatalogueAreReadBeforeTheWindowOpens)
{
    std::ofstream(m_programmOrdner.filePath(QStringLiteral("datapfad.dat")).toStdString())
        << "/mnt/labor/daten\r\n";
    CVersucheApp app;
    EXPECT_EQ(app.HolePruefartKatalog().HoleAnzahl(), 0);
    ASSERT_TRUE(app.InitInstance(Kommandozeile({})));
    EXPECT_EQ(g_pfade.HoleDatenpfad(), "/mnt/labor/daten");
    EXPECT_EQ(app.HolePruefartKatalog().HoleAnzahl(), 22);
}

TEST(Projektargument, OnlyAnArgumentEndingExactlyInDotAxoNamesAProject)
{
    EXPECT_TRUE(IstProjektArgument("/daten/Baustelle.axo"));
    EXPECT_TRUE(IstProjektArgument(".axo"));
    EXPECT_FALSE(IstProjektArgument("/daten/Baustelle.AXO"));
    EXPECT_FALSE(IstProjektArgument("/daten/Baustelle.Axo"));
    EXPECT_FALSE(IstProjektArgument("/daten/Baustelle.axo "));
    EXPECT_FALSE(IstProjektArgument("/daten/Baustelle.axo.bak"));
    EXPECT_FALSE(IstProjektArgument("-platform"));
    EXPECT_FALSE(IstProjektArgument("axo"));
    EXPECT_FALSE(IstProjektArgument(""));
}

TEST_F(Start, FileOpenReplacesTheProjectAndShowsTheProtocolsAgain)
{
    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({})));
    CVersucheView* ansicht = app.HoleHauptfenster()->HoleAnsicht();

    app.OeffneDokument("/daten/erstes.axo");
    ansicht->HoleTabCtrl()->setCurrentIndex(1);
    app.OeffneDokument("/daten/zweites.axo");
    EXPECT_EQ(ansicht->GetDocument().GetPathName(), "/daten/zweites.axo");
    EXPECT_EQ(ansicht->HoleTabCtrl()->currentIndex(), 0);
    EXPECT_TRUE(ansicht->HoleProtokollseite()->isVisible());
    EXPECT_FALSE(ansicht->HoleMessungsseite()->isVisible());
    EXPECT_EQ(app.HoleDateiVerlauf().Eintraege(),
              (std::vector<std::string>{"/daten/zweites.axo", "/daten/erstes.axo"}));

    ASSERT_TRUE(app.OnFileNew());
    EXPECT_EQ(ansicht->GetDocument().GetPathName(), "");
    EXPECT_EQ(app.HoleHauptfenster()->windowTitle(), QStringLiteral("AXO Reader 4.0"));
    // File New keeps the one window and view.
    EXPECT_EQ(app.HoleHauptfenster()->HoleAnsicht(), ansicht);
}

TEST_F(Start, RecentFileListKeepsFourDistinctPathsNewestFirstAcrossRuns)
{
    {
        CDateiVerlauf verlauf(4);
        verlauf.Lade();
        EXPECT_TRUE(verlauf.Eintraege().empty());
        for (const char* pfad : {"a.axo", "b.axo", "c.axo", "d.axo", "e.axo", "c.axo"})
            verlauf.Hinzufuegen(pfad);
        verlauf.Hinzufuegen("");
        EXPECT_EQ(verlauf.Eintraege(),
                  (std::vector<std::string>{"c.axo", "e.axo", "d.axo", "b.axo"}));
    }
    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({})));
    EXPECT_EQ(app.HoleDateiVerlauf().Eintraege(),
              (std::vector<std::string>{"c.axo", "e.axo", "d.axo", "b.axo"}));
}

TEST(Druckereinstellung, QuerformatSwitchesTheApplicationsPrinterOrientation)
{
    CVersucheApp app;
    app.SetzeQuerformat(true);
    EXPECT_EQ(app.HoleDrucker().pageLayout().orientation(), QPageLayout::Landscape);
    app.SetzeQuerformat(false);
    EXPECT_EQ(app.HoleDrucker().pageLayout().orientation(), QPageLayout::Portrait);
}
