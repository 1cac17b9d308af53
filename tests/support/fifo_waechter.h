#pragma once
// Opening a FIFO that has no writer waits for one; a test of code that does so would hang instead
// of failing. While a watchdog lives, it opens its FIFO for writing from a second thread once a
// second has passed, and again every few milliseconds after that: a reader that is still waiting
// then goes on, and the watchdog remembers that it had to let one go.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <stop_token>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class CFifoWaechter
{
public:
    // Does nothing when the path names no FIFO.
    explicit CFifoWaechter(std::filesystem::path fifo)
    {
        struct stat info;
        if (::stat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode))
            m_faden = std::jthread([this, fifo](std::stop_token halt) { Wache(fifo, halt); });
    }

    // Whether someone waited for a writer on the FIFO.
    bool HatGewartet() const { return m_gewartet; }

private:
    void Wache(const std::filesystem::path& fifo, std::stop_token halt)
    {
        using namespace std::chrono_literals;
        std::mutex mutex;
        std::condition_variable_any wecker;
        std::unique_lock sperre(mutex);
        const auto schlafe = [&](auto dauer) {
            wecker.wait_for(sperre, halt, dauer, [] { return false; });
        };
        // Code that does not wait holds the FIFO open for a moment only, far less than this.
        schlafe(1s);
        while (!halt.stop_requested()) {
            // Without a reader the open fails at once (ENXIO).
            const int schreiber = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (schreiber >= 0) {
                m_gewartet = true;
                ::close(schreiber);
            }
            schlafe(20ms);
        }
    }

    std::atomic<bool> m_gewartet{false};
    std::jthread m_faden; // last: stopped and joined before the flag goes
};
