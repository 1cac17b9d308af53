#pragma once
// While it lives, this thread reads and writes by the file rights alone, even as superuser, for
// whom a file without read permission would otherwise open, a folder without write permission
// would take new files, a file could be given to any owner and another user's file be replaced
// in a folder where only a file's owner may replace it.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

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
