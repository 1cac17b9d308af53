#include "data/umgebung.h"

#include "platform/dateien.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace {

std::string FormatiereJetzt(const char* format)
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&jetzt, &ortszeit);
    char puffer[64];
    const std::size_t laenge = std::strftime(puffer, sizeof puffer, format, &ortszeit);
    return std::string(puffer, laenge);
}

} // namespace

bool HoleProgrammordner(std::filesystem::path& ordner)
{
    const std::filesystem::path gefunden = ProgrammOrdner();
    if (gefunden.empty())
        return false;
    ordner = gefunden;
    return true;
}

std::string HoleComputerName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return "";
    return name;
}

std::string HoleBenutzerName()
{
    const passwd* eintrag = getpwuid(getuid());
    return eintrag && eintrag->pw_name ? eintrag->pw_name : "";
}

std::string HoleArbeitsplatzKennung()
{
    return "{" + HoleComputerName() + "_" + HoleBenutzerName() + "}";
}

std::string HoleTagWert(const std::string& text, const std::string& schluessel)
{
    const std::size_t tag = text.find("[" + schluessel + "=");
    if (tag == std::string::npos)
        return "";
    const std::size_t gleich = text.find('=', tag);
    const std::size_t ende = text.find(']', gleich);
    if (ende == std::string::npos)
        return "";
    return text.substr(gleich + 1, ende - gleich - 1);
}

bool LeseTagWertAusDatei(const std::string& pfad, const std::string& schluessel, std::string& wert)
{
    std::string zeile;
    if (!LeseErsteZeile(pfad, zeile))
        return false;
    wert = HoleTagWert(zeile, schluessel);
    return true;
}

std::string HoleZeitstempel()
{
    return FormatiereJetzt("%y%m%d%H%M%S");
}

std::string HoleZeitstempelLesbar()
{
    return FormatiereJetzt("%Y-%m-%d %H:%M");
}

bool SchreibeZeitstempelDatei(const std::string& ordner, const std::string& endung,
                              std::string& pfad, const std::string& inhalt)
{
    std::error_code fehler;
    if (!std::filesystem::is_directory(ordner, fehler))
        return false;
    // The name changes once a second; a name already taken waits for the next one.
    for (;;) {
        pfad = ordner + "/" + HoleZeitstempel() + "." + endung;
        if (!std::filesystem::exists(pfad, fehler))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    std::ofstream datei(pfad, std::ios::binary);
    if (!datei)
        return false;
    datei << inhalt;
    return static_cast<bool>(datei);
}
