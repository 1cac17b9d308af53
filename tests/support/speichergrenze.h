#pragma once
// Runs a check in a forked child whose address space may grow only a little beyond what it holds:
// an allocation that needs more fails there, as on a machine without memory. Not under
// AddressSanitizer, whose allocator ends the process instead and whose shadow memory does not fit.

#include <cstddef>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// The child's exit code: what `pruefung` returned (0 when it held), 2 when it raised; -1 when the
// child did not end by itself.
inline int ImKindMitSpeichergrenze(std::size_t zusatz, const std::function<int()>& pruefung)
{
    const pid_t kind = ::fork();
    if (kind == 0) {
        // The child never returns into the test.
        try {
            long seiten = 0;
            std::ifstream("/proc/self/statm") >> seiten;
            const rlim_t grenze = static_cast<rlim_t>(seiten * ::sysconf(_SC_PAGESIZE)) + zusatz;
            const struct rlimit raum = {grenze, grenze};
            ::setrlimit(RLIMIT_AS, &raum);
            ::_exit(pruefung());
        } catch (...) {
            ::_exit(2);
        }
    }
    int zustand = 0;
    if (kind < 0 || ::waitpid(kind, &zustand, 0) != kind || !WIFEXITED(zustand))
        return -1;
    return WEXITSTATUS(zustand);
}
