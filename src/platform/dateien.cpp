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

std::optional<std::filesystem::path>& GesetzterProgrammOrdner()
{
    static std::optional<std::filesystem::path> ordner;
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

std::filesystem::path ProgrammOrdner()
{
    if (GesetzterProgrammOrdner())
        return *GesetzterProgrammOrdner();
    return PfadAusQString(QCoreApplication::applicationDirPath());
}

void SetzeProgrammOrdner(const std::filesystem::path& ordner)
{
    GesetzterProgrammOrdner() = ordner;
}

std::string PfadAlsText(const std::filesystem::path& pfad)
{
    return NachCp1252(PfadAlsQString(pfad));
}

std::filesystem::path PfadAusText(const std::string& text)
{
    return PfadAusQString(AusCp1252(text));
}

bool LeseGanzeDatei(const std::filesystem::path& pfad, std::string& inhalt)
{
    // A folder opens as a stream but fails on the first read; a device may never end.
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(pfad, fehler))
        return false;
    std::ifstream strom(pfad, std::ios::binary);
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

bool LeseErsteZeile(const std::filesystem::path& pfad, std::string& zeile)
{
    std::string inhalt;
    if (!LeseGanzeDatei(pfad, inhalt))
        return false;
    zeile = inhalt.substr(0, inhalt.find('\n'));
    if (zeile.ends_with('\r'))
        zeile.pop_back();
    return true;
}

std::vector<std::filesystem::path> SucheDateien(const std::filesystem::path& ordner,
                                                const std::string& muster)
{
    // Each name as the file system spells it, sorted by its text in upper case.
    std::vector<std::pair<std::string, std::filesystem::path>> treffer;
    const QDir verzeichnis(PfadAlsQString(ordner));
    for (const QString& eintrag : verzeichnis.entryList(QDir::Files | QDir::Hidden)) {
        const std::string text = NachCp1252(eintrag);
        if (PasstZuMuster(text, muster))
            treffer.emplace_back(GrossSchreiben(text), PfadAusQString(eintrag));
    }
    std::sort(treffer.begin(), treffer.end());
    std::vector<std::filesystem::path> namen;
    for (auto& [schluessel, name] : treffer)
        namen.push_back(std::move(name));
    return namen;
}
