// The file written beside its destination, or into it at the end: the destination ends up holding
// exactly what was written, or, after a cancel or a failure, exactly what it held before.
#include "platform/zwischendatei.h"
#include "support/dateigrenze.h"
#include "support/dateirechte.h"
#include "support/systemfehler.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlock = 64 * 1024;
constexpr uid_t kAndererBenutzer = 4321;

std::string Inhalt(std::size_t laenge, unsigned saat)
{
    std::string bytes(laenge, '\0');
    for (std::size_t i = 0; i < laenge; ++i)
        bytes[i] = static_cast<char>((i * 131 + i / 251 + saat) % 256);
    return bytes;
}

std::string Lies(const fs::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

// False when the bytes could not be written.
bool Schreibe(const fs::path& pfad, const std::string& bytes)
{
    std::ofstream datei(pfad, std::ios::binary);
    return static_cast<bool>(datei << bytes << std::flush);
}

// Hands the content over in pieces of several sizes, one of them more than a block, as the PDF
// writer's many small and few large writes come.
bool SchreibeStueckweise(CZwischendatei& datei, const std::string& inhalt)
{
    constexpr std::size_t kStuecke[] = {3000, 1, 70000, 20011};
    for (std::size_t stelle = 0, i = 0; stelle < inhalt.size(); ++i) {
        const std::size_t laenge = std::min(kStuecke[i % 4], inhalt.size() - stelle);
        if (!datei.Schreibe(std::string_view(inhalt).substr(stelle, laenge)))
            return false;
        stelle += laenge;
    }
    return true;
}

std::vector<std::string> Eintraege(const fs::path& ordner)
{
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(ordner))
        namen.push_back(eintrag.path().filename().string());
    return namen;
}

// The three ways the destination gets its content.
enum class Weg
{
    Daneben,        // a new file beside it takes its place
    ImSpeicher,     // the folder takes no new file: gathered in memory, then written into it
    FremderBesitzer // another user's file, writable by the group: written into it at the end
};
const char* const kWegNamen[] = {"beside and renamed", "in place from memory",
                                 "in place keeping another user's owner"};

// A folder with the destination's old file, set up for one way.
struct Ziel
{
    Ziel(const QTemporaryDir& tmp, Weg weg, const std::string& alt)
        : ordner(tmp.path().toStdString() + "/ziel"), datei(ordner / "bericht.pdf")
    {
        fs::create_directory(ordner);
        Schreibe(datei, alt);
        if (weg == Weg::FremderBesitzer) {
            EXPECT_EQ(::chown(datei.c_str(), kAndererBenutzer, ::getgid()), 0);
            EXPECT_EQ(::chmod(datei.c_str(), 0660), 0);
        }
        if (weg == Weg::ImSpeicher) {
            EXPECT_EQ(::chmod(ordner.c_str(), 0555), 0);
        }
    }
    ~Ziel()
    {
        ::chmod(ordner.c_str(), 0755);
        fs::remove_all(ordner);
    }

    fs::path ordner, datei;
};

} // namespace

TEST(Zwischendatei, TheDestinationHoldsExactlyWhatWasWrittenOrAfterACancelOrFailureItsOldBytes)
{
    // Every way of writing, with contents around the block size, over an old file shorter and
    // longer than the new content. The writes of a failure go beyond a file size limit, as on a
    // full disk; a file write-protected while the content is made is not written either, one
    // whose permission bits the user changes meanwhile is written with the new ones.
    enum class Ende
    {
        Ersetzt,
        Abgebrochen,
        Gescheitert,
        Schreibgeschuetzt,
        RechteGeaendert
    };
    QTemporaryDir tmp;
    for (const Weg weg : {Weg::Daneben, Weg::ImSpeicher, Weg::FremderBesitzer}) {
        if (weg == Weg::FremderBesitzer && !DarfBesitzGeben(kWegNamen[int(weg)]))
            continue;
        for (const std::size_t laenge : {std::size_t{0}, std::size_t{1}, kBlock - 1, kBlock,
                                         kBlock + 1, 200 * std::size_t{1024}})
            for (const std::size_t alteLaenge : {laenge / 2, laenge + 3000})
                for (const Ende ende : {Ende::Ersetzt, Ende::Abgebrochen, Ende::Gescheitert,
                                        Ende::Schreibgeschuetzt, Ende::RechteGeaendert}) {
                    if (ende == Ende::Gescheitert && laenge == 0)
                        continue;
                    SCOPED_TRACE(std::string(kWegNamen[int(weg)]) + ", " + std::to_string(laenge) +
                                 " bytes over " + std::to_string(alteLaenge) + ", end " +
                                 std::to_string(int(ende)));
                    const std::string alt = Inhalt(alteLaenge, 7);
                    const std::string neu = Inhalt(laenge, 1);
                    const Ziel ziel(tmp, weg, alt);
                    struct stat info;
                    ASSERT_EQ(::stat(ziel.datei.c_str(), &info), 0);
                    mode_t rechte = info.st_mode & 07777;
                    if (ende == Ende::Schreibgeschuetzt || ende == Ende::RechteGeaendert)
                        rechte = ende == Ende::Schreibgeschuetzt ? 0444 : 0620;
                    bool ersetzt = false;
                    {
                        std::optional<CNurDateirechte> nurDateirechte(std::in_place);
                        std::optional<CDateigrenze> grenze;
                        if (ende == Ende::Gescheitert)
                            grenze.emplace(laenge - 1);
                        CZwischendatei datei(
                            ziel.datei, CZwischendatei::InGeschuetztemOrdner::ZielSelbstSchreiben);
                        ASSERT_TRUE(datei.IstAngelegt());
                        const bool geschrieben = SchreibeStueckweise(datei, neu);
                        if (rechte != (info.st_mode & 07777)) {
                            nurDateirechte.reset(); // as the file's owner
                            ::chmod(ziel.datei.c_str(), rechte);
                            nurDateirechte.emplace();
                        }
                        if (ende != Ende::Abgebrochen)
                            ersetzt = geschrieben && datei.Ersetze();
                        EXPECT_FALSE(datei.ZielBeschaedigt());
                        EXPECT_EQ(datei.IstAbgelehnt(), ende == Ende::Schreibgeschuetzt);
                    }
                    EXPECT_EQ(ersetzt, ende == Ende::Ersetzt || ende == Ende::RechteGeaendert);
                    const std::string jetzt = Lies(ziel.datei);
                    EXPECT_EQ(jetzt.size(), ersetzt ? laenge : alteLaenge);
                    EXPECT_TRUE(jetzt == (ersetzt ? neu : alt));
                    EXPECT_EQ(Eintraege(ziel.ordner), std::vector<std::string>{"bericht.pdf"});
                    ASSERT_EQ(::stat(ziel.datei.c_str(), &info), 0);
                    EXPECT_EQ(info.st_uid,
                              weg == Weg::FremderBesitzer ? kAndererBenutzer : ::getuid());
                    EXPECT_EQ(info.st_mode & 07777, rechte);
                }
    }
}

TEST(Zwischendatei, InPlaceOnlyTheFileSeenAtTheStartIsWritten)
{
    // While the content is made, the file is moved away and a link to another file the user may
    // write, a link to the moved file, or another file is put at its name. None of them is
    // written; the failure is told as another file having taken the destination's place.
    enum class Neu
    {
        VerweisAufAndere,
        VerweisAufWeggeschobene,
        Datei
    };
    QTemporaryDir tmp;
    const fs::path opfer = tmp.path().toStdString() + "/projekt.axo";
    const fs::path weggeschoben = tmp.path().toStdString() + "/weg.pdf";
    for (const Weg weg : {Weg::ImSpeicher, Weg::FremderBesitzer}) {
        if (weg == Weg::FremderBesitzer && !DarfBesitzGeben(kWegNamen[int(weg)]))
            continue;
        for (const Neu neu : {Neu::VerweisAufAndere, Neu::VerweisAufWeggeschobene, Neu::Datei}) {
            SCOPED_TRACE(std::string(kWegNamen[int(weg)]) + ", " + std::to_string(int(neu)));
            const Ziel ziel(tmp, weg, "alter Bericht");
            Schreibe(opfer, "Projekt");
            {
                const CNurDateirechte nurDateirechte;
                CZwischendatei datei(ziel.datei,
                                     CZwischendatei::InGeschuetztemOrdner::ZielSelbstSchreiben);
                ASSERT_TRUE(datei.IstAngelegt());
                EXPECT_TRUE(SchreibeStueckweise(datei, Inhalt(100000, 3)));
                // As the folder's owner, who may open it for a moment.
                ::chmod(ziel.ordner.c_str(), 0755);
                fs::rename(ziel.datei, weggeschoben);
                if (neu == Neu::Datei)
                    Schreibe(ziel.datei, "neu da");
                else
                    fs::create_symlink(neu == Neu::VerweisAufAndere ? opfer : weggeschoben,
                                       ziel.datei);
                if (weg == Weg::ImSpeicher)
                    ::chmod(ziel.ordner.c_str(), 0555);
                EXPECT_FALSE(datei.Ersetze());
                EXPECT_EQ(datei.Fehlernummer(), ESTALE);
                EXPECT_FALSE(datei.ZielBeschaedigt());
            }
            EXPECT_EQ(Lies(opfer), "Projekt");
            EXPECT_EQ(Lies(weggeschoben), "alter Bericht");
            EXPECT_EQ(fs::is_symlink(ziel.datei), neu != Neu::Datei);
            if (neu == Neu::Datei) {
                EXPECT_EQ(Lies(ziel.datei), "neu da");
            }
            EXPECT_EQ(Eintraege(ziel.ordner), std::vector<std::string>{"bericht.pdf"});
            fs::remove(weggeschoben);
        }
    }
}

namespace {

// Makes the process the superuser of a user namespace of its own, as itself outside it: there it
// may mount what it owns. The superuser needs none.
bool WirdSuperuserImEigenenNamensraum()
{
    if (::geteuid() == 0)
        return true;
    const std::string benutzer = std::to_string(::geteuid()), gruppe = std::to_string(::getegid());
    return ::unshare(CLONE_NEWUSER) == 0 &&
           Schreibe("/proc/self/uid_map", "0 " + benutzer + " 1") &&
           Schreibe("/proc/self/setgroups", "deny") &&
           Schreibe("/proc/self/gid_map", "0 " + gruppe + " 1");
}

// Runs `pruefung` in a forked child, in a mount namespace of its own (and, for a user who is not
// the superuser, a user namespace) where `ordner` holds a file system of `groesse` bytes. The
// child's exit code: what `pruefung` returned (0 when it held), 77 when no such file system can be
// had here, -1 when the child did not end by itself.
int AufKleinemDatentraeger(const fs::path& ordner, std::size_t groesse,
                           const std::function<int()>& pruefung)
{
    const pid_t kind = ::fork();
    if (kind == 0) {
        const std::string groesseOption = "size=" + std::to_string(groesse);
        if (!WirdSuperuserImEigenenNamensraum() || ::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", ordner.c_str(), "tmpfs", 0, groesseOption.c_str()) != 0)
            ::_exit(77);
        ::_exit(pruefung());
    }
    int zustand = 0;
    if (kind < 0 || ::waitpid(kind, &zustand, 0) != kind || !WIFEXITED(zustand))
        return -1;
    return WEXITSTATUS(zustand);
}

// Fills the file system of `ordner` until only about `frei` bytes are left.
bool FuelleBisAuf(const fs::path& ordner, std::size_t frei)
{
    std::FILE* fueller = std::fopen((ordner / "fueller").c_str(), "wb");
    if (fueller == nullptr)
        return false;
    const std::string block(4096, 'f');
    std::size_t geschrieben = 0;
    while (std::fwrite(block.data(), 1, block.size(), fueller) == block.size() &&
           std::fflush(fueller) == 0)
        geschrieben += block.size();
    std::fclose(fueller);
    std::error_code fehler;
    fs::resize_file(ordner / "fueller", geschrieben > frei ? geschrieben - frei : 0, fehler);
    return geschrieben > frei && !fehler;
}

} // namespace

TEST(Zwischendatei, InPlaceTheRoomForTheWholeContentIsReservedBeforeTheOldFileIsTouched)
{
    // A disk with room for less than the new content asks: written in place, the old file stays
    // whole and the full disk is told, also on a file system that cannot reserve room; once there
    // is room, the content is written.
    QTemporaryDir tmp;
    const fs::path platte = tmp.path().toStdString();
    const std::string alt = Inhalt(kBlock + 1, 7);
    const std::string neu = Inhalt(200 * 1024, 1);
    for (const Weg weg : {Weg::ImSpeicher, Weg::FremderBesitzer}) {
        if (weg == Weg::FremderBesitzer && !DarfBesitzGeben(kWegNamen[int(weg)]))
            continue;
        for (const bool reservierbar : {true, false}) {
            SCOPED_TRACE(std::string(kWegNamen[int(weg)]) +
                         (reservierbar ? "" : ", no room can be reserved"));
            const int ergebnis = AufKleinemDatentraeger(platte, 1024 * 1024, [&] {
                const Ziel ziel(tmp, weg, alt);
                // The file made beside another user's file fits; the old file cannot grow after
                // it.
                const std::size_t frei =
                    weg == Weg::ImSpeicher ? 16 * 1024 : neu.size() + 16 * 1024;
                if (!FuelleBisAuf(platte, frei))
                    return 10;
                const CNurDateirechte nurDateirechte;
                std::optional<CReservierenScheitert> ohneReservieren;
                if (!reservierbar)
                    ohneReservieren.emplace(EOPNOTSUPP);
                CZwischendatei datei(ziel.datei,
                                     CZwischendatei::InGeschuetztemOrdner::ZielSelbstSchreiben);
                if (!SchreibeStueckweise(datei, neu))
                    return 11;
                if (datei.Ersetze())
                    return 1;
                if (datei.ZielBeschaedigt())
                    return 2;
                if (datei.Fehlernummer() != ENOSPC)
                    return 3;
                if (Lies(ziel.datei) != alt)
                    return 4;
                if (Eintraege(ziel.ordner) != std::vector<std::string>{"bericht.pdf"})
                    return 5;
                // Once there is room, it is written.
                fs::remove(platte / "fueller");
                CZwischendatei wieder(ziel.datei,
                                      CZwischendatei::InGeschuetztemOrdner::ZielSelbstSchreiben);
                return SchreibeStueckweise(wieder, neu) && wieder.Ersetze() &&
                               Lies(ziel.datei) == neu
                           ? 0
                           : 6;
            });
            if (ergebnis == 77)
                GTEST_SKIP() << "no file system of its own can be mounted here";
            EXPECT_EQ(ergebnis, 0) << "1: reported written, 2: old content lost, 3: not told as a "
                                      "full disk, 4: old file changed, 5: a file left beside it, "
                                      "6: not written once there was room";
        }
    }
}

TEST(Zwischendatei, WithoutReservingTheRoomTheBlocksFreeToTheUserDecide)
{
    // A file system of 4 KiB blocks that cannot reserve room, or a system without fallocate. A
    // content needs its blocks, the last one begun, one more in every 1024 to map them, and two;
    // the blocks the old content holds count as free. What does not fit keeps the old file whole;
    // what fits is written.
    struct Fall
    {
        const char* was;
        std::size_t laenge, alteLaenge;
        Plattenbloecke platte;
        bool geschrieben;
    };
    constexpr std::size_t kKiB = 1024, kMiB = 1024 * kKiB;
    constexpr fsblkcnt_t kViel = 1000000;
    const Fall faelle[] = {
        {"the superuser's reserve alone", 100 * kKiB, 4 * kKiB, {4096, kViel, kViel, 0}, false},
        {"a block short of data and map", 4 * kMiB, 4 * kKiB, {4096, kViel, kViel, 1025}, false},
        {"just room with the old block", 4 * kMiB, 4 * kKiB, {4096, kViel, kViel, 1026}, true},
        {"a byte more, a block short", 4 * kMiB + 1, 4 * kKiB, {4096, kViel, kViel, 1026}, false},
        {"just room with 2 old blocks", 4 * kMiB, 4 * kKiB + 1, {4096, kViel, kViel, 1025}, true},
        {"814 KiB over 800 KiB, 10 free", 814 * kKiB, 800 * kKiB, {4096, kViel, 10, 10}, true},
        {"no size told", 100 * kKiB, 4 * kKiB, {4096, 0, 0, 0}, true}};
    QTemporaryDir tmp;
    for (const int ohneReservieren : {EOPNOTSUPP, ENOSYS}) {
        SCOPED_TRACE(ohneReservieren == ENOSYS ? "no fallocate" : "fallocate not supported");
        for (const Fall& fall : faelle) {
            SCOPED_TRACE(fall.was);
            const std::string alt = Inhalt(fall.alteLaenge, 7), neu = Inhalt(fall.laenge, 1);
            const Ziel ziel(tmp, Weg::ImSpeicher, alt);
            // The rows count the old content in the whole blocks ext4 or tmpfs give it.
            struct stat altInfo;
            ASSERT_EQ(::stat(ziel.datei.c_str(), &altInfo), 0);
            ASSERT_EQ(static_cast<std::size_t>(altInfo.st_blocks) * 512,
                      (fall.alteLaenge + 4095) / 4096 * 4096);
            bool ersetzt = false;
            {
                const CNurDateirechte nurDateirechte;
                const CReservierenScheitert reservierenScheitert(ohneReservieren);
                const CPlattenstand platte(fall.platte);
                CZwischendatei datei(ziel.datei,
                                     CZwischendatei::InGeschuetztemOrdner::ZielSelbstSchreiben);
                ASSERT_TRUE(SchreibeStueckweise(datei, neu));
                ersetzt = datei.Ersetze();
                EXPECT_FALSE(datei.ZielBeschaedigt());
                EXPECT_EQ(datei.Fehlernummer(), fall.geschrieben ? 0 : ENOSPC);
            }
            EXPECT_EQ(ersetzt, fall.geschrieben);
            EXPECT_TRUE(Lies(ziel.datei) == (fall.geschrieben ? neu : alt));
            EXPECT_EQ(Eintraege(ziel.ordner), std::vector<std::string>{"bericht.pdf"});
        }
    }
}
