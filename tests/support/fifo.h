#pragma once
// The two ends of a FIFO for tests of code that must not open one.
//
// Opening a FIFO that has no writer waits for one: a test of code that does so would hang instead
// of failing. While a watchdog lives, it opens its FIFO for writing from a thread of its own after
// a second, and every few milliseconds after that; a reader still waiting then goes on, and the
// watchdog remembers that it had to let one go. Code that does not wait holds the FIFO open for a
// moment only.

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <string>
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

// Reads whatever is written into a FIFO, as the program at its other end would, from a thread of
// its own. While it waits for a writer, a writer that opens the FIFO goes on at once.
class CFifoLeser
{
public:
    explicit CFifoLeser(const std::string& fifo)
        : m_fifo(fifo), m_faden([this] {
              const int ende = ::open(m_fifo.c_str(), O_RDONLY);
              char puffer[4096];
              while (::read(ende, puffer, sizeof puffer) > 0)
                  m_gelesen = true;
              ::close(ende);
              m_fertig = true;
          })
    {
    }

    ~CFifoLeser() { Beende(); }
    CFifoLeser(const CFifoLeser&) = delete;
    CFifoLeser& operator=(const CFifoLeser&) = delete;

    // Whether anything was written into the FIFO; the reading ends first, so that a writer that
    // has written is counted however late the reader came to read.
    bool HatGelesen()
    {
        Beende();
        return m_gelesen;
    }

private:
    void Beende()
    {
        // A reader still waiting for a writer gets one that writes nothing.
        while (!m_fertig) {
            if (const int ende = ::open(m_fifo.c_str(), O_WRONLY | O_NONBLOCK); ende >= 0)
                ::close(ende);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    const std::string m_fifo;
    std::atomic<bool> m_gelesen{false};
    std::atomic<bool> m_fertig{false};
    std::jthread m_faden; // last: started when the rest is there
};
