#pragma once
// Opening a FIFO that has no writer waits for one: a test of code that does so would hang instead
// of failing. While a watchdog lives, it opens its FIFO for writing from a thread of its own after
// a second, and every few milliseconds after that; a reader still waiting then goes on, and the
// watchdog remembers that it had to let one go. Code that does not wait holds the FIFO open for a
// moment only.

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <thread>
#include <unistd.h>

class CFifoWaechter
{
public:
    // Does nothing when the path names no FIFO.
    explicit CFifoWaechter(const std::filesystem::path& fifo)
    {
        std::error_code fehler;
        if (std::filesystem::is_fifo(fifo, fehler))
            m_faden = std::jthread([this, fifo](std::stop_token halt) {
                for (int takt = 0; !halt.stop_requested(); ++takt) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    // Without a reader the open fails at once.
                    const int schreiber =
                        takt < 100 ? -1 : ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
                    if (schreiber >= 0) {
                        m_gewartet = true;
                        ::close(schreiber);
                    }
                }
            });
    }

    bool HatGewartet() const { return m_gewartet; }

private:
    std::atomic<bool> m_gewartet{false};
    std::jthread m_faden; // last: stopped and joined before the flag goes
};
