#include "platform/dateien.h"
#include "platform/einstellungen.h"
#include "platform/meldung.h"
#include "platform/umgebungsvariable.h"
#include "support/fifo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void LegeDateiAn(const QTemporaryDir& ordner, const char* name, const std::string& inhalt = "x")
{
    std::ofstream(ordner.filePath(QString::fromLatin1(name)).toStdString(), std::ios::binary)
        << inhalt;
}

} // namespace

TEST(SucheDateien, MatchesWindowsWildcardsWithoutRegardToCase)
{
    QTemporaryDir ordner;
    for (const char* name : {"axo.sys", "AXO0815.SYS", "axo12.sys", "axo12345.sys", "axoabcd.sysx"})
        LegeDateiAn(ordner, name);
    QDir(ordner.path()).mkdir(QStringLiteral("axo9999.sys")); // folders never match

    using Namen = std::vector<std::filesystem::path>;
    const std::string pfad = ordner.path().toStdString();
    EXPECT_EQ(SucheDateien(pfad, "axo????.sys"), (Namen{"AXO0815.SYS"}));
    EXPECT_EQ(SucheDateien(pfad, "AXO.SYS"), (Namen{"axo.sys"}));
    EXPECT_EQ(SucheDateien(pfad, "axo*.sys"),
              (Namen{"axo.sys", "AXO0815.SYS", "axo12.sys", "axo12345.sys"}));
    EXPECT_TRUE(SucheDateien(pfad + "/fehlt", "*").empty());
}

TEST(LeseGanzeDatei, ReadsBytesExactlyAndReportsMissingFiles)
{
    QTemporaryDir ordner;
    const std::string bytes("a\0b\r\n\xFF", 6);
    LegeDateiAn(ordner, "daten.bin", bytes);
    std::string gelesen;
    ASSERT_TRUE(
        LeseGanzeDatei(ordner.filePath(QStringLiteral("daten.bin")).toStdString(), gelesen, 6));
    EXPECT_EQ(gelesen, bytes);
    EXPECT_FALSE(
        LeseGanzeDatei(ordner.filePath(QStringLiteral("fehlt")).toStdString(), gelesen, 6));
}

TEST(LeseGanzeDatei, FoldersDevicesFifosAndReadErrorsGiveNothing)
{
    // A folder cannot be read; a device such as /dev/zero never ends; a FIFO without a writer
    // holds its open; reading /proc/self/mem from its start fails as a failing disk does. None
    // may escape or hang.
    QTemporaryDir ordner;
    const std::string fifo = ordner.filePath(QStringLiteral("fifo")).toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& pfad : {ordner.path().toStdString(), std::string("/dev/zero"), fifo,
                                    std::string("/proc/self/mem")}) {
        const CFifoWaechter waechter(pfad);
        std::string gelesen = "alt";
        std::string zeile = "alt";
        EXPECT_FALSE(LeseGanzeDatei(pfad, gelesen, 1024)) << pfad;
        EXPECT_FALSE(LeseErsteZeile(pfad, zeile)) << pfad;
        EXPECT_EQ(gelesen + zeile, "altalt") << pfad;
        EXPECT_FALSE(waechter.HatGewartet()) << pfad;
    }
}

TEST(LeseErsteZeile, GivesTheFirstLineWithoutItsLineEnd)
{
    QTemporaryDir ordner;
    const auto pfad = [&](const char* name) {
        return ordner.filePath(QString::fromLatin1(name)).toStdString();
    };
    std::string zeile;
    LegeDateiAn(ordner, "crlf.txt", "erste \r\nzweite\r\n");
    ASSERT_TRUE(LeseErsteZeile(pfad("crlf.txt"), zeile));
    EXPECT_EQ(zeile, "erste ");
    LegeDateiAn(ordner, "ohne.txt", "nur eine");
    ASSERT_TRUE(LeseErsteZeile(pfad("ohne.txt"), zeile));
    EXPECT_EQ(zeile, "nur eine");
    LegeDateiAn(ordner, "leer.txt", "");
    ASSERT_TRUE(LeseErsteZeile(pfad("leer.txt"), zeile));
    EXPECT_EQ(zeile, "");
    EXPECT_FALSE(LeseErsteZeile(pfad("fehlt.txt"), zeile));
}

TEST(Einstellungen, PrintSettingsAreReadAfreshAndTellWhenMissing)
{
    EXPECT_EQ(LeseEinstellungInt("nichtGesetzt"), std::nullopt);
    EXPECT_EQ(LeseEinstellungText("nichtGesetzt"), std::nullopt);
    SchreibeEinstellungInt("protokollnrDrucken", 0);
    EXPECT_EQ(LeseEinstellungInt("protokollnrDrucken"), 0);

    // Another program rewrites the store between two reads.
    const std::string datei =
        qEnvironmentVariable("XDG_CONFIG_HOME").toStdString() + "/Tamrikwerk/AXO2011.n.conf";
    std::ofstream(datei, std::ios::trunc)
        << "[General]\nprotokollnrDrucken=1\nanteilAlsProzent=abc\n";
    EXPECT_EQ(LeseEinstellungInt("protokollnrDrucken"), 1);
    EXPECT_EQ(LeseEinstellungInt("anteilAlsProzent"), std::nullopt);
}

TEST(Einstellungen, AStoreWithAFifoAmongItsFilesReadsAsEmptyAndTakesNoWrites)
{
    // The store's own reader would wait on the FIFO for ever: for the profile at start-up, for
    // the print settings before every page; its writer waits on a lock file that is one. Nor may
    // a write put a file in its place. The store reads the program's and the maker's file in the
    // user's folder and in every system folder.
    QTemporaryDir systemOrdner;
    const CVariableAufZeit systemOrdnerListe("XDG_CONFIG_DIRS",
                                             "/nicht/da:" + systemOrdner.path().toLocal8Bit());
    const std::string benutzer = qEnvironmentVariable("XDG_CONFIG_HOME").toStdString();
    const std::string system = systemOrdner.path().toStdString();
    const std::string druck = "/Tamrikwerk/AXO2011.n.conf";
    const std::string profil = "/Tamrikwerk/AXO Protokolluebersicht.conf";
    const std::string hersteller = "/Tamrikwerk.conf";
    const struct
    {
        std::string fifo;
        bool druckLeer, profilLeer;
    } faelle[] = {{benutzer + druck, true, false},
                  {benutzer + profil, false, true},
                  {benutzer + hersteller, true, true},
                  {benutzer + druck + ".lock", true, false},
                  {benutzer + profil + ".lock", false, true},
                  {system + druck, true, false},
                  {system + hersteller, true, true}};
    for (const auto& fall : faelle) {
        std::filesystem::create_directories(std::filesystem::path(fall.fifo).parent_path());
        ASSERT_EQ(mkfifo(fall.fifo.c_str(), 0644), 0) << fall.fifo;
        // Old enough for the lock's owner to count as gone, and with a reader, so that a writer
        // that would remove it goes on instead of waiting for one for ever.
        std::filesystem::last_write_time(fall.fifo, std::filesystem::file_time_type::clock::now() -
                                                        std::chrono::hours(1));
        {
            const CFifoLeser leser(fall.fifo);
            const CFifoWaechter waechter(fall.fifo);
            EXPECT_EQ(SchreibeEinstellungInt("protokollnrDrucken", 0), !fall.druckLeer)
                << fall.fifo;
            EXPECT_EQ(LeseEinstellungInt("protokollnrDrucken").has_value(), !fall.druckLeer)
                << fall.fifo;
            SchreibeProfilText("spaltenbreiten", "liste0", "80,120");
            EXPECT_EQ(LeseProfilText("spaltenbreiten", "liste0", "leer"),
                      fall.profilLeer ? "leer" : "80,120")
                << fall.fifo;
            EXPECT_FALSE(waechter.HatGewartet()) << fall.fifo;
        }
        EXPECT_TRUE(std::filesystem::is_fifo(fall.fifo)) << fall.fifo;
        for (const std::string& ordner : {benutzer, system}) {
            std::filesystem::remove_all(ordner + "/Tamrikwerk");
            std::filesystem::remove(ordner + hersteller);
        }
    }
}

TEST(Einstellungen, ARefusedStoreLeavesTheWorkingFolderAlone)
{
    // A store refused for a FIFO among its files has no file of its own; a lock file for one
    // would be ".lock" in the working folder, which is the program folder once started. There a
    // regular file holds a user's data, old enough for a lock's owner to count as gone, or a FIFO
    // waits for a writer.
    const std::string hersteller =
        qEnvironmentVariable("XDG_CONFIG_HOME").toStdString() + "/Tamrikwerk.conf";
    ASSERT_EQ(mkfifo(hersteller.c_str(), 0644), 0);
    QTemporaryDir arbeitsordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(arbeitsordner.path());
    const std::string sperre = arbeitsordner.filePath(QStringLiteral(".lock")).toStdString();
    for (const bool alsFifo : {false, true}) {
        SCOPED_TRACE(alsFifo ? "FIFO" : "regular file");
        if (alsFifo)
            EXPECT_EQ(mkfifo(sperre.c_str(), 0644), 0);
        else
            LegeDateiAn(arbeitsordner, ".lock", "Daten");
        const auto alt = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
        std::filesystem::last_write_time(sperre, alt);
        {
            const CFifoWaechter waechterSperre(sperre);
            const CFifoWaechter waechterSpeicher(hersteller);
            EXPECT_FALSE(SchreibeEinstellungInt("protokollnrDrucken", 0));
            SchreibeProfilText("spaltenbreiten", "liste0", "80,120");
            EXPECT_FALSE(waechterSperre.HatGewartet());
            EXPECT_FALSE(waechterSpeicher.HatGewartet());
        }
        EXPECT_EQ(QDir(arbeitsordner.path()).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral(".lock")});
        EXPECT_EQ(std::filesystem::is_fifo(sperre), alsFifo);
        std::error_code fehler;
        EXPECT_EQ(std::filesystem::last_write_time(sperre, fehler), alt);
        std::string inhalt;
        if (!alsFifo) {
            EXPECT_TRUE(LeseGanzeDatei(sperre, inhalt, 64));
            EXPECT_EQ(inhalt, "Daten");
        }
        std::filesystem::remove(sperre);
    }
    QDir::setCurrent(vorher);
    std::filesystem::remove(hersteller);
}

TEST(Einstellungen, ASystemFolderThatCannotBeLookedIntoLeavesTheStoresAsTheyAre)
{
    // One system folder runs through a file, another may not be searched (the superuser searches
    // it all the same): neither holds a file of the stores, and the user's own settings go on.
    QTemporaryDir ordner;
    LegeDateiAn(ordner, "datei");
    const QString gesperrt = ordner.filePath(QStringLiteral("gesperrt"));
    ASSERT_TRUE(QDir().mkpath(gesperrt + QStringLiteral("/Tamrikwerk")));
    ASSERT_TRUE(QFile::setPermissions(gesperrt, QFileDevice::Permissions()));
    const CVariableAufZeit systemOrdner(
        "XDG_CONFIG_DIRS",
        (ordner.filePath(QStringLiteral("datei/xdg")) + u':' + gesperrt).toLocal8Bit());
    EXPECT_TRUE(SchreibeEinstellungInt("protokollnrDrucken", 0));
    EXPECT_EQ(LeseEinstellungInt("protokollnrDrucken"), 0);
    SchreibeProfilText("spaltenbreiten", "liste0", "80,120");
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "liste0", "leer"), "80,120");
    QFile::setPermissions(gesperrt,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(Einstellungen, ProfileKeepsTextsAndNumbersBySection)
{
    SchreibeProfilText("spaltenbreiten", "liste0", "80,120,Maß");
    SchreibeProfilInt("spaltenbreiten", "anzahl", 3);
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "liste0"), "80,120,Maß");
    EXPECT_EQ(LeseProfilInt("spaltenbreiten", "anzahl", 0), 3);
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "fehlt", "leer"), "leer");
}

TEST(Meldung, CapturedOutputReceivesTextCaptionAndKind)
{
    std::vector<Meldung> meldungen;
    MeldungsAusgabe vorher =
        SetzeMeldungsAusgabe([&](const Meldung& meldung) { meldungen.push_back(meldung); });
    ZeigeMeldung("Datei nicht gefunden", MeldungsArt::Fehler);
    ZeigeMeldung("Hinweis");
    ZeigeMeldung("Keine Auswahl", MeldungsArt::Warnung, "Drucken");
    SetzeMeldungsAusgabe(std::move(vorher));
    EXPECT_EQ(meldungen,
              (std::vector<Meldung>{
                  {"Datei nicht gefunden", "AXO Protokollübersicht", MeldungsArt::Fehler},
                  {"Hinweis", "AXO Protokollübersicht", MeldungsArt::Hinweis},
                  {"Keine Auswahl", "Drucken", MeldungsArt::Warnung}}));
}
