#include "platform/dateien.h"

#include "platform/qtext.h"
#include "platform/text.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

std::optional<std::string>& GesetzterProgrammOrdner()
{
    static std::optional<std::string> ordner;
    return ordner;
}

// Windows wildcard match: "?" one character, "*" any run; letters without regard to case.
bool PasstZuMuster(std::string_view name, std::string_view muster)
{
    size_t n = 0, m = 0;
    size_t sternMuster = std::string_view::npos, sternName = 0;
    while (n < name.size()) {
        if (m < muster.size() && muster[m] == '*') {
            sternMuster = m++;
            sternName = n;
        } else if (m < muster.size() &&
                   (muster[m] == '?' || GrossZeichen(muster[m]) == GrossZeichen(name[n]))) {
            ++m;
            ++n;
        } else if (sternMuster != std::string_view::npos) {
            m = sternMuster + 1;
            n = ++sternName;
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == '*')
        ++m;
    return m == muster.size();
}

} // namespace

std::string ProgrammOrdner()
{
    if (GesetzterProgrammOrdner())
        return *GesetzterProgrammOrdner();
    return NachCp1252(QCoreApplication::applicationDirPath());
}

void SetzeProgrammOrdner(const std::string& ordner)
{
    GesetzterProgrammOrdner() = ordner;
}

bool LeseGanzeDatei(const std::string& pfad, std::string& inhalt)
{
    const std::filesystem::path datei = AusCp1252(pfad).toStdString();
    // A folder opens as a stream but fails on the first read; a device may never end.
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(datei, fehler))
        return false;
    std::ifstream strom(datei, std::ios::binary);
    if (!strom)
        return false;
    try {
        std::string gelesen{std::istreambuf_iterator<char>(strom),
                            std::istreambuf_iterator<char>()};
        inhalt = std::move(gelesen);
    } catch (const std::ios_base::failure&) {
        return false; // the stream buffer reports read errors by throwing
    }
    return true;
}

bool LeseErsteZeile(const std::string& pfad, std::string& zeile)
{
    std::string inhalt;
    if (!LeseGanzeDatei(pfad, inhalt))
        return false;
    zeile = inhalt.substr(0, inhalt.find('\n'));
    if (zeile.ends_with('\r'))
        zeile.pop_back();
    return true;
}

std::vector<std::string> SucheDateien(const std::string& ordner, const std::string& muster)
{
    std::vector<std::string> treffer;
    const QDir verzeichnis(AusCp1252(ordner));
    for (const QString& eintrag : verzeichnis.entryList(QDir::Files | QDir::Hidden)) {
        const std::string name = NachCp1252(eintrag);
        if (PasstZuMuster(name, muster))
            treffer.push_back(name);
    }
    std::sort(treffer.begin(), treffer.end(), [](const std::string& a, const std::string& b) {
        return GrossSchreiben(a) < GrossSchreiben(b);
    });
    return treffer;
}
