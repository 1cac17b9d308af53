#include "support/systemfehler.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// 0 while the call does its work.
std::atomic<int> g_syncFehler{0};
std::atomic<int> g_reservierFehler{0};

} // namespace

// Linked into a test only with the classes, so they stand in for the C library's there alone.
extern "C" int fsync(int datei)
{
    if (const int fehler = g_syncFehler) {
        errno = fehler;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, datei));
}

extern "C" int fallocate(int datei, int art, off_t anfang, off_t laenge)
{
    if (const int fehler = g_reservierFehler) {
        errno = fehler;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fallocate, datei, art, anfang, laenge));
}

CSyncScheitert::CSyncScheitert(int fehlernummer)
{
    g_syncFehler = fehlernummer;
}

CSyncScheitert::~CSyncScheitert()
{
    g_syncFehler = 0;
}

CReservierenScheitert::CReservierenScheitert(int fehlernummer)
{
    g_reservierFehler = fehlernummer;
}

CReservierenScheitert::~CReservierenScheitert()
{
    g_reservierFehler = 0;
}
