#include "data/pfade.h"

#include "data/regwert.h"
#include "data/textfunktionen.h"
#include "data/umgebung.h"
#include "platform/dateien.h"
#include "platform/text.h"

#include <algorithm>

CPfade g_pfade;

namespace {

constexpr const char* kLeerzeichen = " \t\n\v\f\r";

std::string OhneFolgendeTrenner(std::string pfad)
{
    pfad.erase(pfad.find_last_not_of("\\/") + 1);
    return pfad;
}

} // namespace

bool CPfade::LeseDatenpfad()
{
    std::filesystem::path ordner;
    HoleProgrammordner(ordner);
    m_programmordner = OhneFolgendeTrenner(ordner.native());

    std::string zeile;
    if (!LeseErsteZeile(m_programmordner / "datapfad.dat", zeile)) {
        m_datenpfad = PfadAlsText(m_programmordner / "data");
        return true;
    }
    // Leading blanks belong to the path; trailing blanks and separators do not.
    zeile.erase(zeile.find_last_not_of(kLeerzeichen) + 1);
    m_datenpfad = OhneFolgendeTrenner(zeile);
    return true;
}

void CPfade::LeseRegistry()
{
    CRegDWORDWert anteil("Software\\Tamrikwerk\\AXO2011.n\\anteilAlsProzent", 0, true);
    anteilAlsProzent = anteil.HoleWert() != 0;
    CRegDWORDWert nummer("Software\\Tamrikwerk\\AXO2011.n\\protokollnrDrucken", 1, true);
    protokollnrDrucken = nummer.HoleWert() != 0;
}

std::string CPfade::FormatiereAnteil(const std::string& anteil) const
{
    if (!anteilAlsProzent)
        return anteil;
    std::string text = StringGetrimmt(anteil);
    if (text.find_first_of("0123456789") != std::string::npos)
        return StringFormat("%.1f", StringZuDouble(text) * 100.0);
    std::replace(text.begin(), text.end(), '-', '%');
    return text;
}

std::string CPfade::HoleProzentEinheit() const
{
    return anteilAlsProzent ? " %" : "";
}
