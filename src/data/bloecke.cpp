#include "data/bloecke.h"

#include <algorithm>
#include <exception>
#include <sched.h>
#include <system_error>
#include <thread>
#include <vector>

void FuerAlleInBloecken(size_t anzahl, unsigned kerne, const std::function<void(size_t)>& aufgabe)
{
    constexpr size_t kHoechstensBloecke = 4;
    constexpr size_t kMindestProBlock = 500;
    const size_t bloecke = std::clamp<size_t>(std::min<size_t>(anzahl / kMindestProBlock, kerne), 1,
                                              kHoechstensBloecke);
    std::vector<std::exception_ptr> fehler(bloecke);
    const auto block = [&](size_t b) {
        try {
            for (size_t i = anzahl * b / bloecke; i < anzahl * (b + 1) / bloecke; ++i)
                aufgabe(i);
        } catch (...) {
            fehler[b] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helfer;
        std::vector<size_t> hier{0};
        for (size_t b = 1; b < bloecke; ++b) {
            try {
                helfer.emplace_back(block, b);
            } catch (const std::system_error&) {
                hier.push_back(b); // no thread to be had: the block runs here
            }
        }
        for (size_t b : hier)
            block(b);
    }
    for (const std::exception_ptr& f : fehler) {
        if (f)
            std::rethrow_exception(f);
    }
}

unsigned NutzbareKerne()
{
    cpu_set_t kerne;
    if (::sched_getaffinity(0, sizeof kerne, &kerne) == 0)
        return static_cast<unsigned>(CPU_COUNT(&kerne));
    return std::thread::hardware_concurrency(); // more cores than the set can name
}
