#include "support/systemfehler.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

// 0 while the call does its work.
std::atomic<int> g_syncFehler{0};
// Called before every fsync, fchmod and write of an access control list while set.
std::function<void()> g_nachsehen;
std::atomic<int> g_reservierFehler{0};
std::atomic<int> g_modusFehler{0};
std::atomic<int> g_listeLesenFehler{0};
std::atomic<int> g_listeSchreibenFehler{0};
// The blocks fstatvfs tells while g_plattenstandGilt.
std::atomic<bool> g_plattenstandGilt{false};
Plattenbloecke g_plattenstand;

void SiehNach()
{
    if (g_nachsehen)
        g_nachsehen();
}

bool IstZugriffsliste(const char* name)
{
    return std::strncmp(name, "system.posix_acl_", 17) == 0;
}

// -1 with errno `fehler` where it is set, else what the system call `nummer` returns.
template <typename... Argumente>
long ScheitertOderRuft(int fehler, long nummer, Argumente... argumente)
{
    if (fehler != 0) {
        errno = fehler;
        return -1;
    }
    return syscall(nummer, argumente...);
}

} // namespace

// Linked into a test only with the classes, so they stand in for the C library's there alone.
extern "C" int fsync(int datei)
{
    SiehNach();
    return static_cast<int>(ScheitertOderRuft(g_syncFehler, SYS_fsync, datei));
}

extern "C" int fallocate(int datei, int art, off_t anfang, off_t laenge)
{
    return static_cast<int>(
        ScheitertOderRuft(g_reservierFehler, SYS_fallocate, datei, art, anfang, laenge));
}

extern "C" int fchmod(int datei, mode_t rechte)
{
    SiehNach();
    return static_cast<int>(ScheitertOderRuft(g_modusFehler, SYS_fchmod, datei, rechte));
}

extern "C" int ftruncate(int datei, off_t laenge)
{
    struct stat info;
    const bool kuerzer = ::fstat(datei, &info) == 0 && laenge < info.st_size;
    return static_cast<int>(
        ScheitertOderRuft(kuerzer ? 0 : g_modusFehler.load(), SYS_ftruncate, datei, laenge));
}

extern "C" ssize_t getxattr(const char* pfad, const char* name, void* wert, size_t groesse)
{
    return ScheitertOderRuft(IstZugriffsliste(name) ? g_listeLesenFehler.load() : 0, SYS_getxattr,
                             pfad, name, wert, groesse);
}

extern "C" ssize_t fgetxattr(int datei, const char* name, void* wert, size_t groesse)
{
    return ScheitertOderRuft(IstZugriffsliste(name) ? g_listeLesenFehler.load() : 0, SYS_fgetxattr,
                             datei, name, wert, groesse);
}

extern "C" int fsetxattr(int datei, const char* name, const void* wert, size_t groesse, int art)
{
    if (IstZugriffsliste(name))
        SiehNach();
    const int fehler = IstZugriffsliste(name) ? g_listeSchreibenFehler.load() : 0;
    if (fehler == Rechtehaltung::kOhneWirkung)
        return 0;
    return static_cast<int>(
        ScheitertOderRuft(fehler, SYS_fsetxattr, datei, name, wert, groesse, art));
}

extern "C" int fstatvfs(int datei, struct statvfs* platte)
{
    using Fstatvfs = int (*)(int, struct statvfs*);
    static const auto echt = reinterpret_cast<Fstatvfs>(::dlsym(RTLD_NEXT, "fstatvfs"));
    const int ergebnis = echt(datei, platte);
    if (ergebnis == 0 && g_plattenstandGilt) {
        platte->f_bsize = platte->f_frsize = g_plattenstand.blockgroesse;
        platte->f_blocks = g_plattenstand.gesamt;
        platte->f_bfree = g_plattenstand.frei;
        platte->f_bavail = g_plattenstand.fuerBenutzer;
    }
    return ergebnis;
}

CSyncScheitert::CSyncScheitert(int fehlernummer)
{
    g_syncFehler = fehlernummer;
}

CSyncScheitert::~CSyncScheitert()
{
    g_syncFehler = 0;
}

CNachsehen::CNachsehen(std::function<void()> nachsehen)
{
    g_nachsehen = std::move(nachsehen);
}

CNachsehen::~CNachsehen()
{
    g_nachsehen = nullptr;
}

CReservierenScheitert::CReservierenScheitert(int fehlernummer)
{
    g_reservierFehler = fehlernummer;
}

CReservierenScheitert::~CReservierenScheitert()
{
    g_reservierFehler = 0;
}

CRechtehaltung::CRechtehaltung(const Rechtehaltung& haltung)
{
    g_modusFehler = haltung.modus;
    g_listeLesenFehler = haltung.listeLesen;
    g_listeSchreibenFehler = haltung.listeSchreiben;
}

CRechtehaltung::~CRechtehaltung()
{
    g_modusFehler = g_listeLesenFehler = g_listeSchreibenFehler = 0;
}

CPlattenstand::CPlattenstand(const Plattenbloecke& bloecke)
{
    g_plattenstand = bloecke;
    g_plattenstandGilt = true;
}

CPlattenstand::~CPlattenstand()
{
    g_plattenstandGilt = false;
}
