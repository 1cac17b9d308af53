#include "data/umgebung.h"

#include "platform/dateien.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
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
    // The name changes once a second; a name already taken, by anything at all (a file, a link,
    // a FIFO), waits for the next one. The file is made where nothing is, so it is never one that
    // was there before.
    int datei = -1;
    for (;;) {
        pfad = ordner + "/" + HoleZeitstempel() + "." + endung;
        datei = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (datei >= 0 || errno != EEXIST)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    if (datei < 0)
        return false;
    const bool geschrieben = SchreibeVoll(datei, inhalt);
    if (::close(datei) == 0 && geschrieben)
        return true;
    ::unlink(pfad.c_str()); // a file cut short is not left to pass for a whole one
    return false;
}
