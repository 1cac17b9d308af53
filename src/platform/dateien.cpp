#include "platform/dateien.h"

#include "platform/qtext.h"
#include "platform/text.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kZeilendateiGrenze = 64 * 1024;

// errno for opening a file of that kind: 0 for a regular file.
int FehlerDerArt(mode_t art)
{
    if (S_ISREG(art))
        return 0;
    return S_ISDIR(art) ? EISDIR : EINVAL;
}

// Reads on the descriptor wait for the disk again; errno when that cannot be set, else 0.
int WarteBeimLesen(int datei)
{
    const int art = ::fcntl(datei, F_GETFL);
    return art >= 0 && ::fcntl(datei, F_SETFL, art & ~O_NONBLOCK) >= 0 ? 0 : errno;
}

std::optional<std::filesystem::path>& GesetzterProgrammOrdner()
{
    static std::optional<std::filesystem::path> ordner;
    return ordner;
}

// Windows wildcard match: "?" one character, "*" any run; letters without regard to case.
bool PasstZuMuster(std::string_view name, std::string_view muster)
{
    size_t n = 0, m = 0;
    size_t sternMuster = std::string_view::npos, sternName = 0;
    while (n < name.size()) {
        if (m < muster.size() && muster[m] == '*') {
            sternMuster = m++;
            sternName = n;
        } else if (m < muster.size() &&
                   (muster[m] == '?' || GrossZeichen(muster[m]) == GrossZeichen(name[n]))) {
            ++m;
            ++n;
        } else if (sternMuster != std::string_view::npos) {
            m = sternMuster + 1;
            n = ++sternName;
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == '*')
        ++m;
    return m == muster.size();
}

} // namespace

std::filesystem::path ProgrammOrdner()
{
    if (GesetzterProgrammOrdner())
        return *GesetzterProgrammOrdner();
    return PfadAusQString(QCoreApplication::applicationDirPath());
}

void SetzeProgrammOrdner(const std::filesystem::path& ordner)
{
    GesetzterProgrammOrdner() = ordner;
}

std::string PfadAlsText(const std::filesystem::path& pfad)
{
    return NachCp1252(PfadAlsQString(pfad));
}

std::filesystem::path PfadAusText(const std::string& text)
{
    return PfadAusQString(AusCp1252(text));
}

int OeffneZumLesen(const std::filesystem::path& pfad)
{
    struct stat info;
    if (::stat(pfad.c_str(), &info) != 0)
        return -1;
    if (const int fehler = FehlerDerArt(info.st_mode)) {
        errno = fehler;
        return -1;
    }
    // O_NOCTTY: a terminal opened here must not become the program's.
    const int datei = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (datei < 0)
        return -1;
    int fehler = ::fstat(datei, &info) == 0 ? FehlerDerArt(info.st_mode) : errno;
    if (fehler == 0)
        fehler = WarteBeimLesen(datei);
    if (fehler == 0)
        return datei;
    ::close(datei);
    errno = fehler;
    return -1;
}

int64_t LiesVoll(int datei, void* ziel, int64_t anzahl)
{
    int64_t gelesen = 0;
    while (gelesen < anzahl) {
        const ssize_t n = ::read(datei, static_cast<char*>(ziel) + gelesen, anzahl - gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        gelesen += n;
    }
    return gelesen;
}

bool SchreibeVoll(int datei, std::string_view bytes)
{
    size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(datei, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        geschrieben += n;
    }
    return true;
}

Leseergebnis LiesBisEnde(int datei, std::unique_ptr<char[]>& inhalt, size_t& groesse,
                         size_t hoechstens)
{
    struct stat info;
    groesse = ::fstat(datei, &info) == 0 && info.st_size > 0 ? info.st_size : 0;
    if (groesse > hoechstens)
        return Leseergebnis::ZuGross;
    size_t platz = groesse;
    inhalt = std::make_unique_for_overwrite<char[]>(platz);
    const int64_t gelesen = LiesVoll(datei, inhalt.get(), static_cast<int64_t>(platz));
    if (gelesen < 0)
        return Leseergebnis::Lesefehler;
    groesse = gelesen;
    // A file that grows while it is read, or tells no size (those under /proc), is read on to its
    // end. The room doubles when it is full, so that no byte is copied more than a few times.
    char block[64 * 1024];
    for (;;) {
        const int64_t n = LiesVoll(datei, block, sizeof block);
        if (n <= 0)
            return n == 0 ? Leseergebnis::Gelesen : Leseergebnis::Lesefehler;
        if (static_cast<size_t>(n) > hoechstens - groesse) {
            groesse += n;
            return Leseergebnis::ZuGross;
        }
        if (groesse + n > platz) {
            platz = std::min(std::max(2 * platz, groesse + n), hoechstens);
            auto groesser = std::make_unique_for_overwrite<char[]>(platz);
            std::memcpy(groesser.get(), inhalt.get(), groesse);
            inhalt = std::move(groesser);
        }
        std::memcpy(inhalt.get() + groesse, block, n);
        groesse += n;
    }
}

bool LeseGanzeDatei(const std::filesystem::path& pfad, std::string& inhalt, size_t hoechstens)
{
    const int datei = OeffneZumLesen(pfad);
    if (datei < 0)
        return false;
    bool gelesen = false;
    try {
        std::unique_ptr<char[]> bytes;
        size_t groesse = 0;
        gelesen = LiesBisEnde(datei, bytes, groesse, hoechstens) == Leseergebnis::Gelesen;
        if (gelesen)
            inhalt.assign(bytes.get(), groesse);
    } catch (const std::bad_alloc&) {
        gelesen = false; // a file with no room for its bytes is one that cannot be read
    }
    ::close(datei);
    return gelesen;
}

bool LeseErsteZeile(const std::filesystem::path& pfad, std::string& zeile)
{
    std::string inhalt;
    if (!LeseGanzeDatei(pfad, inhalt, kZeilendateiGrenze))
        return false;
    zeile = inhalt.substr(0, inhalt.find('\n'));
    if (zeile.ends_with('\r'))
        zeile.pop_back();
    return true;
}

std::vector<std::filesystem::path> SucheDateien(const std::filesystem::path& ordner,
                                                const std::string& muster)
{
    // Each name as the file system spells it, sorted by its text in upper case.
    std::vector<std::pair<std::string, std::filesystem::path>> treffer;
    const QDir verzeichnis(PfadAlsQString(ordner));
    for (const QString& eintrag : verzeichnis.entryList(QDir::Files | QDir::Hidden)) {
        const std::string text = NachCp1252(eintrag);
        if (PasstZuMuster(text, muster))
            treffer.emplace_back(GrossSchreiben(text), PfadAusQString(eintrag));
    }
    std::sort(treffer.begin(), treffer.end());
    std::vector<std::filesystem::path> namen;
    for (auto& [schluessel, name] : treffer)
        namen.push_back(std::move(name));
    return namen;
}
