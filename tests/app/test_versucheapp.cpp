// Start-up of the viewer, File New and File Open, the recent-file list and the printer
// orientation.
#include "app/mainframe.h"
#include "app/messungsseite.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "app_umgebung.h"
#include "data/pfade.h"
#include "musterbauer.h"
#include "pages/seitenlogo.h"
#include "report/bmp_bauer.h"
#include "report/dib.h"

#include <QFile>
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
    // A small project file in the program folder; returns its path.
    std::string SchreibeProjekt(const char* name, const std::string& bezeichnung,
                                const std::string& auftraggeber, int protokolle)
    {
        MusterProjekt projekt;
        projekt.metadaten = {{"bezeichnung", bezeichnung}, {"auftraggeber", auftraggeber}};
        projekt.titel = {"1|Erdbau|1"};
        for (int nummer = 1; nummer <= protokolle; ++nummer)
            projekt.protokolle.push_back(BaueProtokoll(1000, nummer, "1", 2));
        const std::string pfad = ProgrammOrdnerText() + "/" + name;
        EXPECT_TRUE(SchreibeProjektDatei(projekt, pfad));
        return pfad;
    }

    static std::string Titel(const CVersucheApp& app)
    {
        return NachCp1252(app.HoleHauptfenster()->windowTitle());
    }

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
    SetzeMeldungsAusgabe([&](const Meldung& meldung) {
        m_meldungen.push_back(meldung);
        fensterBeiMeldung = app.HoleHauptfenster() != nullptr;
    });

    ASSERT_TRUE(app.InitInstance(Kommandozeile({})));
    EXPECT_EQ(m_meldungen, std::vector{Hinweis(LogoMeldung)});
    EXPECT_FALSE(fensterBeiMeldung);
    EXPECT_TRUE(app.HoleFirmenlogo().IstLeer());
    EXPECT_EQ(Seitenlogo(), &app.HoleFirmenlogo()) << "the pages paint the application's logo";
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

TEST(Projektargument, PathIsCutToItsFileNameEndingAtDotAxo)
{
    EXPECT_EQ(SchneideAufDateiname("C:\\Daten\\B27\\projekt.axo{4711}"), "projekt.axo");
    EXPECT_EQ(SchneideAufDateiname("/home/lab/B27/projekt.axo"), "projekt.axo");
    EXPECT_EQ(SchneideAufDateiname("projekt.axo{"), "projekt.axo");
    EXPECT_EQ(SchneideAufDateiname("C:\\bericht.txt"), "bericht.txt");
    EXPECT_EQ(SchneideAufDateiname("a.axo.axo{1}.axo{2}"), "a.axo.axo");
    EXPECT_EQ(SchneideAufDateiname("C:\\Daten\\"), "");
    EXPECT_EQ(SchneideAufDateiname(""), "");
}

TEST_F(Start, ProjectArgumentIsLoadedBeforeTheWindowAndShownInTheCaption)
{
    const std::string pfad = SchreibeProjekt("Baustelle.axo", "B 27 Ortsumgehung", "Stadt Ulm", 3);
    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({pfad.c_str(), "anderes.axo"})));
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 3);
    EXPECT_EQ(Titel(app), " Protokolle der Maßnahme: B 27 Ortsumgehung, Auftraggeber: Stadt Ulm");
}

TEST_F(Start, RelativeProjectPathIsTakenFromTheStartingDirectory)
{
    const std::string pfad = SchreibeProjekt("Baustelle.axo", "B 27 Ortsumgehung", "Stadt Ulm", 3);
    QTemporaryDir start;
    ASSERT_TRUE(QFile::copy(AusCp1252(pfad), start.filePath(QStringLiteral("Relativ.axo"))));
    QDir::setCurrent(start.path());
    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({"Relativ.axo"})));
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 3);
}

TEST_F(Start, ArgumentsOtherThanAFirstDotAxoPathAreIgnored)
{
    const std::string pfad = SchreibeProjekt("Baustelle.axo", "B 27 Ortsumgehung", "Stadt Ulm", 3);
    QFile::copy(AusCp1252(pfad), AusCp1252(ProgrammOrdnerText() + "/GROSS.AXO"));
    for (const std::string& erstes : {ProgrammOrdnerText() + "/GROSS.AXO", std::string("-x")}) {
        CVersucheApp app;
        ASSERT_TRUE(app.InitInstance(Kommandozeile({erstes.c_str(), pfad.c_str()})));
        EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 0) << erstes;
        EXPECT_EQ(Titel(app), "AXO Reader 4.0");
    }
}

TEST_F(Start, CaptionNeedsTheProjectNameButNotTheClient)
{
    const std::string ohneName = SchreibeProjekt("ohneName.axo", "", "Stadt Ulm", 1);
    const std::string ohneAuftraggeber = SchreibeProjekt("ohneAG.axo", "Deich Süd", "", 1);
    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({ohneName.c_str()})));
    EXPECT_EQ(Titel(app), "AXO Reader 4.0");
    app.OeffneDokument(ohneAuftraggeber);
    EXPECT_EQ(Titel(app), " Protokolle der Maßnahme: Deich Süd, Auftraggeber: ");
}

TEST_F(Start, FileOpenReplacesTheProjectAndFileNewEmptiesIt)
{
    const std::string erstes = SchreibeProjekt("erstes.axo", "Erstes Projekt", "A", 4);
    const std::string zweites = SchreibeProjekt("zweites.axo", "Zweites Projekt", "B", 2);
    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({erstes.c_str()})));
    CVersucheView* ansicht = app.HoleHauptfenster()->HoleAnsicht();
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 4);

    ansicht->HoleTabCtrl()->setCurrentIndex(1);
    app.OeffneDokument(zweites);
    EXPECT_EQ(ansicht->GetDocument().GetPathName(), zweites);
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 2);
    EXPECT_EQ(Titel(app), " Protokolle der Maßnahme: Zweites Projekt, Auftraggeber: B");
    EXPECT_EQ(ansicht->HoleTabCtrl()->currentIndex(), 0);
    EXPECT_TRUE(ansicht->HoleProtokollseite()->isVisible());
    EXPECT_FALSE(ansicht->HoleMessungsseite()->isVisible());
    // The project given at start-up is loaded without the document, so only File Open counts.
    EXPECT_EQ(app.HoleDateiVerlauf().Eintraege(), std::vector<std::string>{zweites});

    // A file that cannot be read empties the viewer without a message.
    app.OeffneDokument(ProgrammOrdnerText() + "/fehlt.axo");
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 0);
    EXPECT_EQ(Titel(app), "AXO Reader 4.0");
    EXPECT_EQ(m_meldungen, std::vector{Hinweis(LogoMeldung)}) << "only the start-up message";

    app.OeffneDokument(zweites);
    ASSERT_TRUE(app.OnFileNew());
    EXPECT_EQ(ansicht->GetDocument().GetPathName(), "");
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 0);
    EXPECT_EQ(Titel(app), "AXO Reader 4.0");
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
    EXPECT_EQ(HoleVersucheApp(), &app);
    app.SetzeQuerformat(true);
    EXPECT_EQ(app.HoleDrucker().pageLayout().orientation(), QPageLayout::Landscape);
    app.SetzeQuerformat(false);
    EXPECT_EQ(app.HoleDrucker().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(Anwendungsobjekt, LogoRegistrationEndsWithTheApplication)
{
    {
        CVersucheApp app;
        EXPECT_EQ(Seitenlogo(), &app.HoleFirmenlogo());
    }
    EXPECT_EQ(Seitenlogo(), nullptr);
    EXPECT_EQ(HoleVersucheApp(), nullptr);
}
