#include "fuzzumgebung.h"

#include "platform/meldung.h"
#include "platform/schriften.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

void RichteFuzzUmgebungEin()
{
    static bool eingerichtet = false;
    if (eingerichtet)
        return;
    eingerichtet = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toLocal8Bit());
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

std::string FuzzDateipfad(const std::string& name)
{
    const std::filesystem::path ordner = std::filesystem::exists("/dev/shm")
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
    return (ordner / ("axo-fuzz-" + std::to_string(getpid()) + "-" + name)).string();
}
