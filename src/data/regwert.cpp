#include "data/regwert.h"

#include "platform/einstellungen.h"
#include "platform/text.h"

namespace {

// The key whose values live in the print settings store.
constexpr const char* kEinstellungsSchluessel = "Software\\Tamrikwerk\\AXO2011.n";

std::string OhneFuehrende(std::string text, char zeichen)
{
    text.erase(0, text.find_first_not_of(zeichen));
    return text;
}

std::string OhneFolgende(std::string text, char zeichen)
{
    text.erase(text.find_last_not_of(zeichen) + 1);
    return text;
}

} // namespace

CRegDWORDWert::CRegDWORDWert(const std::string& wertpfad, DWORD vorgabe, bool erzwingen)
    : m_vorgabe(vorgabe), m_erzwingen(erzwingen)
{
    const std::string pfad = OhneFuehrende(wertpfad, '\\');
    const std::size_t letzter = pfad.rfind('\\');
    if (letzter == std::string::npos) {
        m_wertname = pfad;
    } else {
        m_schluessel = OhneFolgende(pfad.substr(0, letzter), '\\');
        m_wertname = OhneFolgende(OhneFuehrende(pfad.substr(letzter), '\\'), '\\');
    }
    LeseRegistry();
}

DWORD CRegDWORDWert::LeseRegistry()
{
    // Registry keys are compared without regard to case.
    if (GrossSchreiben(m_schluessel) != GrossSchreiben(kEinstellungsSchluessel))
        return m_vorgabe;
    m_wert = static_cast<DWORD>(LeseEinstellungInt(m_wertname, static_cast<int>(m_vorgabe)));
    m_gelesen = true;
    return m_wert;
}

DWORD CRegDWORDWert::HoleWert()
{
    if (m_gelesen && !m_erzwingen)
        return m_wert;
    return LeseRegistry();
}
