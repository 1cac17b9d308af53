#pragma once
// The two ends of a FIFO for tests of code that must not open one.
//
// Opening a FIFO waits for the other end: a test of code that does so would hang instead of
// failing. No wait here is unbounded: while a watchdog lives, after a second it lets a waiting
// reader or writer go on and remembers that it had to; a reader stops when asked, also when its
// FIFO has been removed or replaced meanwhile.

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace fifo_detail {

struct Lesung
{
    bool bewegt; // something came: data, or a writer that has gone again
    bool daten;
};

// Reads what the FIFO holds within the wait. After a writer has gone, the end stays readable
// without data: the caller then waits before it asks again.
inline Lesung Lies(int ende, int wartezeitMs)
{
    pollfd abfrage{ende, POLLIN, 0};
    if (::poll(&abfrage, 1, wartezeitMs) <= 0)
        return {false, false};
    bool daten = false;
    char puffer[4096];
    while (::read(ende, puffer, sizeof puffer) > 0)
        daten = true;
    if (!daten)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return {true, daten};
}

} // namespace fifo_detail

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
                    if (takt >= 100)
                        LasseWartendeGehen(fifo, halt);
                }
            });
    }

    bool HatGewartet() const { return m_gewartet; }

private:
    // Without a reader, the open for writing fails at once. A reader's end, opened without
    // waiting, lets a waiting writer go on, which writes or closes within a second; a writer that
    // came is read from until the watchdog ends, so that it never writes into a FIFO without a
    // reader.
    void LasseWartendeGehen(const std::filesystem::path& fifo, const std::stop_token& halt)
    {
        if (const int schreiber = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); schreiber >= 0) {
            m_gewartet = true;
            ::close(schreiber);
            return;
        }
        const int leser = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        if (leser < 0)
            return;
        for (int takt = 0; takt < 100 && !m_gewartet && !halt.stop_requested(); ++takt)
            m_gewartet = fifo_detail::Lies(leser, 10).bewegt;
        while (m_gewartet && !halt.stop_requested())
            fifo_detail::Lies(leser, 10);
        ::close(leser);
    }

    std::atomic<bool> m_gewartet{false};
    std::jthread m_faden; // last: stopped and joined before the flag goes
};

// Reads whatever is written into a FIFO, as the program at its other end would, from a thread of
// its own. Its end is open from the start, so a writer goes on at once.
class CFifoLeser
{
public:
    explicit CFifoLeser(const std::string& fifo)
        : m_ende(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK)), m_faden([this](std::stop_token halt) {
              while (!halt.stop_requested())
                  if (fifo_detail::Lies(m_ende, 10).daten)
                      m_gelesen = true;
              if (fifo_detail::Lies(m_ende, 0).daten)
                  m_gelesen = true;
          })
    {
    }

    ~CFifoLeser()
    {
        HatGelesen();
        if (m_ende >= 0)
            ::close(m_ende);
    }
    CFifoLeser(const CFifoLeser&) = delete;
    CFifoLeser& operator=(const CFifoLeser&) = delete;

    // Whether anything was written into the FIFO; the reading ends first, so that a writer that
    // has written is counted however late the reader came to read.
    bool HatGelesen()
    {
        m_faden.request_stop();
        if (m_faden.joinable())
            m_faden.join();
        return m_gelesen;
    }

private:
    const int m_ende;
    std::atomic<bool> m_gelesen{false};
    std::jthread m_faden; // last: started when the rest is there
};
