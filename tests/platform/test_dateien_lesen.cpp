// Reading files whole: streams without a size, limits, signals and files that are none.
#include "platform/dateien.h"
#include "support/fifo.h"

#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <pthread.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

// Waits until the thread is held in that system call.
void WarteAufAufruf(pid_t faden, long aufruf)
{
    const std::string datei = "/proc/self/task/" + std::to_string(faden) + "/syscall";
    for (int versuch = 0; versuch < 2000; ++versuch) {
        std::ifstream zustand(datei);
        long nummer = -1;
        if (zustand >> nummer && nummer == aufruf)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ADD_FAILURE() << "thread " << faden << " never waited in call " << aufruf;
}

// Writes the bytes into a pipe from a thread of its own and closes it; the reading end stays.
class Rohr
{
public:
    explicit Rohr(std::string bytes) : m_bytes(std::move(bytes))
    {
        EXPECT_EQ(::pipe2(m_enden, O_CLOEXEC), 0);
        m_schreiber = std::thread([this] {
            for (size_t geschrieben = 0; geschrieben < m_bytes.size();) {
                const ssize_t n =
                    ::write(m_enden[1], m_bytes.data() + geschrieben, m_bytes.size() - geschrieben);
                if (n <= 0)
                    break;
                geschrieben += n;
            }
            ::close(m_enden[1]);
        });
    }
    ~Rohr()
    {
        // Whatever was not read is taken, so that the writer never writes to a closed pipe.
        char rest[4096];
        while (::read(m_enden[0], rest, sizeof rest) > 0) {
        }
        m_schreiber.join();
        ::close(m_enden[0]);
    }
    Rohr(const Rohr&) = delete;
    Rohr& operator=(const Rohr&) = delete;

    int Leseende() const { return m_enden[0]; }

private:
    std::string m_bytes;
    int m_enden[2] = {-1, -1};
    std::thread m_schreiber;
};

std::atomic<bool> g_signalGekommen{false};

} // namespace

TEST(LiesBisEnde, AStreamWithoutASizeIsReadWholeAndEachByteCopiedAFewTimesAtMost)
{
    // Bytes that repeat every 251, so that any block put in a wrong place shows. Growing the room
    // by one 64 KiB block at a time, 16 MiB would cost some 2 GiB of copies into fresh pages.
    constexpr size_t kLaenge = 16u << 20;
    std::string muster(kLaenge, '\0');
    for (size_t i = 0; i < kLaenge; ++i)
        muster[i] = static_cast<char>(i % 251);
    // Pages counted one by one, not two megabytes at a time.
    const int hugePagesAus = ::prctl(PR_GET_THP_DISABLE, 0, 0, 0, 0);
    ::prctl(PR_SET_THP_DISABLE, 1, 0, 0, 0);
    const Rohr rohr(muster);
    struct rusage vorher, nachher;
    ::getrusage(RUSAGE_THREAD, &vorher);
    std::unique_ptr<char[]> inhalt;
    size_t groesse = 0;
    const Leseergebnis ergebnis = LiesBisEnde(rohr.Leseende(), inhalt, groesse, kLaenge);
    ::getrusage(RUSAGE_THREAD, &nachher);
    ::prctl(PR_SET_THP_DISABLE, hugePagesAus, 0, 0, 0);

    ASSERT_EQ(ergebnis, Leseergebnis::Gelesen);
    ASSERT_EQ(groesse, kLaenge);
    const auto [abweichung, erwartet] =
        std::mismatch(inhalt.get(), inhalt.get() + groesse, muster.data());
    EXPECT_EQ(abweichung - inhalt.get(), static_cast<std::ptrdiff_t>(kLaenge))
        << "first wrong byte";
    EXPECT_LT(nachher.ru_minflt - vorher.ru_minflt, static_cast<long>(4 * kLaenge / 4096));
}

TEST(LiesBisEnde, AFileOverItsReadersLimitIsRefusedBeforeItIsReadAndAReadErrorIsOneOfItsOwn)
{
    QTemporaryDir ordner;
    const auto pfad = [&](const char* name) {
        return ordner.filePath(QString::fromLatin1(name)).toStdString();
    };
    // Sparse: 100 GiB that cost nothing, and that no allocation could hold.
    const uint64_t riesig = uint64_t{100} << 30;
    std::ofstream(pfad("riesig"));
    std::filesystem::resize_file(pfad("riesig"), riesig);
    const int datei = OeffneZumLesen(pfad("riesig"));
    ASSERT_GE(datei, 0);
    std::unique_ptr<char[]> inhalt;
    size_t groesse = 0;
    EXPECT_EQ(LiesBisEnde(datei, inhalt, groesse, size_t{1} << 31), Leseergebnis::ZuGross);
    EXPECT_EQ(groesse, riesig);
    ::close(datei);
    // A stream is refused once it has passed the limit.
    const Rohr rohr(std::string(100, 'x'));
    EXPECT_EQ(LiesBisEnde(rohr.Leseende(), inhalt, groesse, 99), Leseergebnis::ZuGross);
    // Reading /proc/self/mem from its start fails as a failing disk does.
    const int speicher = OeffneZumLesen("/proc/self/mem");
    ASSERT_GE(speicher, 0);
    EXPECT_EQ(LiesBisEnde(speicher, inhalt, groesse, 99), Leseergebnis::Lesefehler);
    ::close(speicher);

    // The whole-file readers, at and just over their limits.
    std::ofstream(pfad("64")) << std::string(64, 'x');
    std::ofstream(pfad("65")) << std::string(65, 'x');
    std::string text;
    EXPECT_TRUE(LeseGanzeDatei(pfad("64"), text, 64));
    EXPECT_FALSE(LeseGanzeDatei(pfad("65"), text, 64));
    std::ofstream(pfad("zeile")) << "/daten\n" << std::string((64 << 10) - 7, 'x');
    std::ofstream(pfad("zeile+1")) << "/daten\n" << std::string((64 << 10) - 6, 'x');
    EXPECT_TRUE(LeseErsteZeile(pfad("zeile"), text));
    EXPECT_EQ(text, "/daten");
    EXPECT_FALSE(LeseErsteZeile(pfad("zeile+1"), text));
}

TEST(LiesVoll, ASignalWhileTheReadWaitsDoesNotEndIt)
{
    // Without SA_RESTART the waiting read returns EINTR when the signal comes.
    struct sigaction neu = {}, alt = {};
    neu.sa_handler = [](int) { g_signalGekommen = true; };
    sigemptyset(&neu.sa_mask);
    ASSERT_EQ(::sigaction(SIGUSR1, &neu, &alt), 0);
    int rohr[2];
    ASSERT_EQ(::pipe2(rohr, O_CLOEXEC), 0);
    std::promise<pid_t> leserFaden;
    std::atomic<int64_t> gelesen{-2};
    char puffer[5] = {};
    std::thread leser([&] {
        leserFaden.set_value(::gettid());
        gelesen = LiesVoll(rohr[0], puffer, sizeof puffer);
    });
    WarteAufAufruf(leserFaden.get_future().get(), SYS_read);
    ::pthread_kill(leser.native_handle(), SIGUSR1);
    while (!g_signalGekommen)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    // Only now do the bytes come: the read they reach is one after the signal.
    ASSERT_EQ(::write(rohr[1], "hallo", 5), 5);
    ::close(rohr[1]);
    leser.join();
    ::close(rohr[0]);
    ::sigaction(SIGUSR1, &alt, nullptr);
    EXPECT_EQ(gelesen, 5);
    EXPECT_EQ(std::string(puffer, sizeof puffer), "hallo");
}

TEST(OeffneZumLesen, AWriterWaitingOnAFifoStaysWaiting)
{
    // Opening a FIFO, even without waiting, would let a writer that waits on it go on.
    QTemporaryDir ordner;
    const std::string fifo = ordner.filePath(QStringLiteral("fifo")).toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::promise<pid_t> schreiberFaden;
    std::atomic<bool> losgelassen{false};
    std::thread schreiber([&] {
        schreiberFaden.set_value(::gettid());
        const int datei = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
        losgelassen = true;
        ::close(datei);
    });
    WarteAufAufruf(schreiberFaden.get_future().get(), SYS_openat);
    const int datei = OeffneZumLesen(fifo);
    EXPECT_EQ(datei < 0 ? errno : 0, EINVAL);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(losgelassen);
    const CFifoLeser leser(fifo);
    schreiber.join();
}
