#include "fuzzumgebung.h"

#include "platform/meldung.h"
#include "platform/schriften.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <sys/mman.h>
#include <unistd.h>

void RichteFuzzUmgebungEin()
{
    static bool eingerichtet = false;
    if (eingerichtet)
        return;
    eingerichtet = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The targets only read settings: a folder of this process that is never made gives each
    // its default, reads none of the user's and leaves nothing behind, however the process ends.
    qputenv("XDG_CONFIG_HOME", (std::filesystem::temp_directory_path() /
                                ("axo-fuzz-" + std::to_string(getpid()) + "-einstellungen"))
                                   .c_str());
    static int argc = 1;
    static char name[] = "axo-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    // The application goes before the font cache at the end, as in the program, whose fonts
    // Qt can release only while it runs: the cache exists before the farewell is registered.
    Schriftschnitt(LOGFONT{});
    std::atexit([] { delete app; });
    std::setlocale(LC_NUMERIC, "C");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    SetzeMeldungsAusgabe([](const Meldung&) {});
}

std::string SchreibeFuzzDatei(const uint8_t* daten, size_t groesse)
{
    static const int datei = memfd_create("axo-fuzz-datei", MFD_CLOEXEC);
    if (datei < 0 || ftruncate(datei, 0) != 0 ||
        pwrite(datei, daten, groesse, 0) != static_cast<ssize_t>(groesse))
        std::abort();
    return "/proc/self/fd/" + std::to_string(datei);
}
