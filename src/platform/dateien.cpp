#include "platform/dateien.h"

#include "platform/qtext.h"
#include "platform/text.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
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
    std::ifstream datei(AusCp1252(pfad).toStdString(), std::ios::binary);
    if (!datei)
        return false;
    inhalt.assign(std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>());
    return !datei.bad();
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
