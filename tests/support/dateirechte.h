#pragma once
// While it lives, this thread reads and writes by the file rights alone, even as superuser, for
// whom a file without read permission would otherwise open, a folder without write permission
// would take new files, a file could be given to any owner and another user's file be replaced
// in a folder where only a file's owner may replace it.

#include <iostream>
#include <linux/capability.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

// Whether this process may give a file to another user, as the superuser alone may. Where it may
// not, the case `fall` that needs it is skipped, and the test's output says so.
inline bool DarfBesitzGeben(const std::string& fall)
{
    __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct daten[2]{};
    if (syscall(SYS_capget, &kopf, daten) == 0 && (daten[0].effective & 1u << CAP_CHOWN) != 0)
        return true;
    std::cout << "[ SKIPPED  ] " << fall << ": only the superuser may give a file to another user"
              << std::endl;
    return false;
}

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
