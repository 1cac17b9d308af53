#include "support/syncfehler.h"

#include <atomic>
#include <cerrno>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// 0 while fsync does its work.
std::atomic<int> g_syncFehler{0};

} // namespace

// Linked into a test only with the class, so it stands in for the C library's there alone.
extern "C" int fsync(int datei)
{
    if (const int fehler = g_syncFehler) {
        errno = fehler;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, datei));
}

CSyncScheitert::CSyncScheitert(int fehlernummer)
{
    g_syncFehler = fehlernummer;
}

CSyncScheitert::~CSyncScheitert()
{
    g_syncFehler = 0;
}
