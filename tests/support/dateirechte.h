#pragma once
// The rights over files that only the superuser has: whether a test may use them, and a scope
// without them.

#include "support/ausgelassen.h"

#include <linux/capability.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

// Why a case that gives a file to another user does not run where the process may not.
inline constexpr const char* kNurDerSuperuserGibtBesitz =
    "only the superuser may give a file to another user";

// Whether this process may give a file to another user, as the superuser alone may.
inline bool KannBesitzGeben()
{
    __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct daten[2]{};
    return syscall(SYS_capget, &kopf, daten) == 0 && (daten[0].effective & 1u << CAP_CHOWN) != 0;
}

// The same for the case `fall` of a test that needs it: where it may not, the case is skipped,
// saying so.
inline bool DarfBesitzGeben(const std::string& fall)
{
    if (KannBesitzGeben())
        return true;
    MeldeAusgelassenenFall(fall, kNurDerSuperuserGibtBesitz);
    return false;
}

// While it lives, this thread reads and writes by the file rights alone, even as superuser, for
// whom a file without read permission would otherwise open, a folder without write permission
// would take new files, a file could be given to any owner and another user's file be replaced
// in a folder where only a file's owner may replace it.
class CNurDateirechte
{
public:
    CNurDateirechte() { SetzeUeberschreiben(false); }
    ~CNurDateirechte() { SetzeUeberschreiben(true); }
    CNurDateirechte(const CNurDateirechte&) = delete;
    CNurDateirechte& operator=(const CNurDateirechte&) = delete;

private:
    static void SetzeUeberschreiben(bool erlaubt)
    {
        constexpr unsigned kUeberschreiben =
            1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_CHOWN | 1u << CAP_FOWNER;
        __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct daten[2]{};
        if (syscall(SYS_capget, &kopf, daten) != 0)
            return;
        daten[0].effective =
            erlaubt ? daten[0].effective | kUeberschreiben : daten[0].effective & ~kUeberschreiben;
        daten[0].effective &= daten[0].permitted;
        syscall(SYS_capset, &kopf, daten);
    }
};
