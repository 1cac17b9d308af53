// Start-up of the viewer, File New and File Open, the recent-file list and the printer
// orientation.
#include "app/mainframe.h"
#include "app/messungsseite.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "app_umgebung.h"
#include "data/pfade.h"
#include "data/projektdatei_bauer.h"
#include "musterbauer.h"
#include "pages/seitenlogo.h"
#include "platform/text.h"
#include "report/bmp_bauer.h"
#include "report/dib.h"
#include "support/dateirechte.h"
#include "support/fifo.h"

#include <QFile>
#include <QFileDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const char* const LogoMeldung = "Datei mit Firmenlogo 'axo.sys' nicht gefunden !!!";

QStringList Kommandozeile(std::initializer_list<const char*> argumente)
{
    QStringList zeile{QStringLiteral("axo-reader")};
    for (const char* argument : argumente)
        zeile << QString::fromUtf8(argument);
    return zeile;
}

// The name the file system gives a path, as the viewer keeps it.
std::string Dateisystemname(const QString& pfad)
{
    return QFile::encodeName(pfad).toStdString();
}

// Where the first record from `ab` on begins.
size_t SatzAnfangAb(const std::string& bytes, size_t ab)
{
    size_t position = 0;
    while (position < ab) {
        const auto* kopf = reinterpret_cast<const unsigned char*>(bytes.data() + position);
        position += 6 + (kopf[0] | kopf[1] << 8 | kopf[2] << 16 | size_t{kopf[3]} << 24);
    }
    return position;
}

// The project with a record too long to read in the middle of its chain.
std::string MitUeberlangemSatz(const std::string& bytes)
{
    size_t position = 0;
    for (int satz = 0; satz < 20; ++satz)
        position = SatzAnfangAb(bytes, position + 1);
    return bytes.substr(0, position) + projektdatei_bauer::Satz(1, std::string(18860, ' ')) +
           bytes.substr(position);
}

// About half the file, cut within a record's header: the middle itself may fall between two
// records.
std::string Haelfte(const std::string& bytes)
{
    return bytes.substr(0, SatzAnfangAb(bytes, bytes.size() / 2) + 3);
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

    static void SchreibeLogo(const QString& ordner)
    {
        BmpBauer bmp;
        bmp.bits = std::string("\x10\x20\x30\x00", 4);
        std::string datei = bmp.Datei();
        EntschluesseleLogoPuffer(datei.data(), datei.size());
        std::ofstream(Dateisystemname(ordner + u"/axo.sys"_s), std::ios::binary) << datei;
    }
};

TEST_F(Start, WithoutAUsableLogoTheMessageComesBeforeTheWindowAndStartUpGoesOn)
{
    // No logo file, and one too large for a logo: a bitmap with 64 MiB behind it.
    for (const bool zuGross : {false, true}) {
        SCOPED_TRACE(zuGross);
        if (zuGross) {
            SchreibeLogo(m_programmOrdner.path());
            std::filesystem::resize_file(Dateisystemname(m_programmOrdner.filePath(u"axo.sys"_s)),
                                         (64u << 20) + 1);
        }
        m_meldungen.clear();
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
}

TEST_F(Start, LogoIsFoundInTheProgramFolderFromAnyWorkingDirectory)
{
    SchreibeLogo(m_programmOrdner.path());
    QTemporaryDir anderswo;
    QDir::setCurrent(anderswo.path());

    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({"/nirgends/projekt.axo", "zweites.axo"})));
    EXPECT_EQ(app.HoleFirmenlogo().Breite(), 1);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(m_programmOrdner.path()).canonicalPath());
    // A project that cannot be read leaves the viewer empty and says why.
    EXPECT_EQ(app.HoleHauptfenster()->windowTitle(), QStringLiteral("AXO Reader 4.0"));
    const Meldung fehlt{"Die Datei \"/nirgends/projekt.axo\" kann nicht geöffnet werden: Sie ist "
                        "nicht vorhanden.",
                        ProgrammTitel, MeldungsArt::Fehler};
    EXPECT_EQ(m_meldungen, std::vector{fehlt});
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
    EXPECT_EQ(app.HoleDateiVerlauf().Eintraege(), std::vector<std::filesystem::path>{zweites});

    // A file that cannot be read empties the viewer and says so.
    app.OeffneDokument(ProgrammOrdnerText() + "/fehlt.axo");
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 0);
    EXPECT_EQ(Titel(app), "AXO Reader 4.0");
    EXPECT_EQ(m_meldungen.size(), 2u) << "the start-up message and the one of the file";

    app.OeffneDokument(zweites);
    ASSERT_TRUE(app.OnFileNew());
    EXPECT_EQ(ansicht->GetDocument().GetPathName(), "");
    EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 0);
    EXPECT_EQ(Titel(app), "AXO Reader 4.0");
    // File New keeps the one window and view.
    EXPECT_EQ(app.HoleHauptfenster()->HoleAnsicht(), ansicht);
}

TEST_F(Start, AProjectUnderAPathWithUmlautsOpensFromCommandLineFileOpenAndRecentList)
{
    // The program folder, where the logo is looked for, has such a name as well.
    const QString ordner = m_programmOrdner.path() + u"/Prüfung Straße €"_s;
    const QString projekt = ordner + u"/Maßnahme Süd 東京.axo"_s;
    ASSERT_TRUE(QDir().mkpath(ordner));
    SchreibeLogo(ordner);
    SetzeProgrammOrdner(Dateisystemname(ordner));
    const std::string vorherigeSprache = std::setlocale(LC_ALL, nullptr);
    for (const char* sprache : {"C.UTF-8", "de_DE.UTF-8"}) {
        if (std::setlocale(LC_ALL, sprache) == nullptr)
            continue; // a locale this machine does not have
        std::setlocale(LC_NUMERIC, "C");
        SCOPED_TRACE(sprache);
        QFile::remove(projekt);
        ASSERT_TRUE(QFile::copy(AusCp1252(SchreibeProjekt("b27.axo", "B 27", "Ulm", 3)), projekt));
        {
            CVersucheApp app;
            ASSERT_TRUE(app.InitInstance({u"axo-reader"_s, projekt}));
            EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 3) << "command line";
            EXPECT_EQ(app.HoleFirmenlogo().Breite(), 1);

            ASSERT_TRUE(app.OnFileNew());
            QTimer::singleShot(0, &app, [&projekt] {
                if (auto* dialog = OffenesFenster<QFileDialog>()) {
                    dialog->selectFile(projekt);
                    QMetaObject::invokeMethod(dialog, "accept");
                }
            });
            app.OnFileOpen();
            EXPECT_EQ(app.HoleProtokolle().GetAnzahl(), 3) << "Öffnen";
        }
        CVersucheApp naechsterLauf;
        ASSERT_TRUE(naechsterLauf.InitInstance(Kommandozeile({})));
        ASSERT_FALSE(naechsterLauf.HoleDateiVerlauf().Eintraege().empty());
        EXPECT_EQ(naechsterLauf.HoleDateiVerlauf().Eintraege().front(), Dateisystemname(projekt));
        naechsterLauf.OeffneDokument(naechsterLauf.HoleDateiVerlauf().Eintraege().front());
        EXPECT_EQ(naechsterLauf.HoleProtokolle().GetAnzahl(), 3) << "recent-file list";
    }
    std::setlocale(LC_ALL, vorherigeSprache.c_str());
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(Start, AProjectReadInPartOrNotAtAllIsToldOnceAfterTheLoad)
{
    namespace fs = std::filesystem;
    SchreibeLogo(m_programmOrdner.path());
    const std::string ordner = ProgrammOrdnerText() + "/";
    ASSERT_TRUE(SchreibeProjektDatei(BaueMusterprojekt(), ordner + "Musterprojekt.axo"));
    const std::string muster = projektdatei_bauer::LeseDatei(ordner + "Musterprojekt.axo");
    const int alle = static_cast<int>(BaueMusterprojekt().protokolle.size());
    std::string zufall(65536, '\0');
    uint32_t zahl = 4711;
    for (char& zeichen : zufall)
        zeichen = static_cast<char>((zahl = zahl * 1103515245u + 12345u) >> 24);
    std::string beschaedigt = muster;
    beschaedigt.replace(beschaedigt.find("<daten>"), 7, "<Daten>");
    const std::string teilweise = "wurde nur teilweise gelesen: Sie ";
    const std::string unlesbar = "enthält einen Datensatz, der nicht gelesen werden kann.";
    const std::string nichtGelesen = "kann nicht gelesen werden: ";
    // Name, content, and what the user is told after the file's name ("": nothing).
    const std::vector<std::tuple<std::string, std::string, std::string>> dateien = {
        {"Musterprojekt.axo", muster, ""},
        {"leer.axo", "", "ist keine AXO-Projektdatei."},
        {"zufall.axo", zufall, "ist keine AXO-Projektdatei."},
        {"nullen.axo", "", "ist keine AXO-Projektdatei."},
        {"nullen_2gb.axo", "", "ist keine AXO-Projektdatei."},
        {"halb.axo", Haelfte(muster), teilweise + "endet vorzeitig."},
        {"gross.axo", MitUeberlangemSatz(muster), teilweise + unlesbar},
        {"beschaedigt.axo", beschaedigt, teilweise + unlesbar},
        {"riesig.axo", muster,
         nichtGelesen + "Sie ist mit 100 GB zu groß für eine Projektdatei (höchstens 2 GB)."},
        {"knapp.axo", muster,
         nichtGelesen + "Sie ist mit 2,1 GB zu groß für eine Projektdatei (höchstens 2 GB)."},
        {"gesperrt.axo", muster, "kann nicht geöffnet werden: Die Berechtigung dafür fehlt."}};
    for (const auto& [name, inhalt, ursache] : dateien)
        std::ofstream(ordner + name, std::ios::binary) << inhalt;
    // Sparse: cheap to make; the two larger than a project file may be, and the zeros past their
    // first record's header, are never read.
    const std::map<std::string, uintmax_t> gedehnt = {{"nullen.axo", 200u << 20},
                                                      {"nullen_2gb.axo", 2ull << 30},
                                                      {"riesig.axo", 100ull << 30},
                                                      {"knapp.axo", (2ull << 30) + 1}};
    for (const auto& [name, groesse] : gedehnt)
        fs::resize_file(ordner + name, groesse);
    // A day old, so that any write would show whatever the clock's resolution.
    const auto zeit = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const auto& [name, inhalt, ursache] : dateien)
        fs::last_write_time(ordner + name, zeit);
    fs::permissions(ordner + "gesperrt.axo", fs::perms::none);
    fs::create_directory(ordner + "ordner.axo");
    std::ofstream(ordner + "notizen.txt") << "kein Ordner";
    // Reading /proc/self/mem from its start fails as a failing disk does.
    fs::create_symlink("/proc/self/mem", ordner + "lesefehler.axo");
    ASSERT_EQ(mkfifo((ordner + "fifo.axo").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", ordner + "geraet.axo");
    fs::create_symlink("kreis.axo", ordner + "schleife.axo");
    fs::create_symlink("schleife.axo", ordner + "kreis.axo");
    const std::string langerName(4457 - ordner.size() - 4, 'n'); // a path of 4,457 characters
    std::vector<std::pair<std::string, std::string>> faelle = {
        {"fehlt.axo", "kann nicht geöffnet werden: Sie ist nicht vorhanden."},
        {"notizen.txt/projekt.axo", "kann nicht geöffnet werden: Sie ist nicht vorhanden."},
        {"ordner.axo", "kann nicht geöffnet werden: Es ist ein Ordner."},
        {"lesefehler.axo", nichtGelesen + "Beim Lesen ist ein Fehler aufgetreten."},
        {"fifo.axo", nichtGelesen + "Es ist keine gewöhnliche Datei."},
        {"geraet.axo", nichtGelesen + "Es ist keine gewöhnliche Datei."},
        {"schleife.axo", "kann nicht geöffnet werden: Der Pfad enthält eine Schleife symbolischer "
                         "Verknüpfungen."},
        {langerName + ".axo", "kann nicht geöffnet werden: Der Name ist zu lang."}};
    for (const auto& [name, inhalt, ursache] : dateien)
        faelle.emplace_back(name, ursache);

    bool fensterBeiMeldung = false;
    SetzeMeldungsAusgabe([&](const Meldung& meldung) {
        m_meldungen.push_back(meldung);
        const CMainFrame* fenster = HoleVersucheApp()->HoleHauptfenster();
        fensterBeiMeldung = fenster != nullptr && fenster->isVisible();
    });
    const CNurDateirechte nurDateirechte; // permissions keep the superuser out too
    for (const auto& [name, ursache] : faelle) {
        SCOPED_TRACE(name);
        const std::string pfad = ordner + name;
        const bool geoeffnet = ursache.empty() || ursache.starts_with(teilweise);
        CVersucheApp app;
        // The messages the load should have given, with the protocols it read.
        const auto gesagt = [&] {
            const int gelesen = app.HoleProtokolle().GetAnzahl();
            EXPECT_TRUE(ursache.empty() ? gelesen == alle
                        : geoeffnet     ? gelesen > 0 && gelesen < alle
                                        : gelesen == 0)
                << gelesen;
            if (ursache.empty())
                return std::vector<Meldung>{};
            return std::vector{Meldung{
                "Die Datei \"" + pfad + "\" " + ursache +
                    (geoeffnet ? StringFormat("\n%d Protokolle wurden gelesen.", gelesen) : ""),
                ProgrammTitel, geoeffnet ? MeldungsArt::Warnung : MeldungsArt::Fehler}};
        };
        const CFifoWaechter waechter(pfad);
        m_meldungen.clear();
        ASSERT_TRUE(app.InitInstance(Kommandozeile({pfad.c_str()})));
        EXPECT_EQ(m_meldungen, gesagt()) << "command line";
        EXPECT_TRUE(m_meldungen.empty() || fensterBeiMeldung) << "told over the window";

        ASSERT_TRUE(app.OnFileNew());
        m_meldungen.clear();
        app.OeffneDokument(pfad);
        EXPECT_EQ(m_meldungen, gesagt()) << "Öffnen";
        const auto& verlauf = app.HoleDateiVerlauf().Eintraege();
        const bool imVerlauf = !verlauf.empty() && verlauf.front() == pfad;
        EXPECT_EQ(imVerlauf, geoeffnet) << "only a file opened as a project is kept";
        if (imVerlauf) {
            m_meldungen.clear();
            app.OeffneDokument(verlauf.front());
            EXPECT_EQ(m_meldungen, gesagt()) << "recent-file list";
        }
        EXPECT_FALSE(waechter.HatGewartet()) << "the load waited for a writer";
    }

    fs::permissions(ordner + "gesperrt.axo", fs::perms::owner_all);
    for (const auto& [name, inhalt, ursache] : dateien) {
        EXPECT_EQ(fs::last_write_time(ordner + name), zeit) << name;
        if (gedehnt.contains(name))
            EXPECT_EQ(fs::file_size(ordner + name), gedehnt.at(name)) << name;
        else
            EXPECT_EQ(projektdatei_bauer::LeseDatei(ordner + name), inhalt) << name;
    }
    struct rusage verbrauch;
    ::getrusage(RUSAGE_SELF, &verbrauch);
    EXPECT_LT(verbrauch.ru_maxrss, 1L << 20) << "KiB: a file too large was read";
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
                  (std::vector<std::filesystem::path>{"c.axo", "e.axo", "d.axo", "b.axo"}));
    }
    CVersucheApp app;
    ASSERT_TRUE(app.InitInstance(Kommandozeile({})));
    EXPECT_EQ(app.HoleDateiVerlauf().Eintraege(),
              (std::vector<std::filesystem::path>{"c.axo", "e.axo", "d.axo", "b.axo"}));
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
