#include "data/titelverwaltung.h"

#include "data/markup.h"
#include "data/textfunktionen.h"

#include <cstdlib>
#include <vector>

bool CTitelVerwaltung::Lade(const std::string& xml)
{
    CMarkup dokument;
    if (!dokument.SetzeDokument(xml) || !dokument.FindeElement("titel_liste"))
        return false;
    std::vector<std::string> vorfahren;
    long vorigeEbene = 0;
    while (dokument.FindeKindElement("titel")) {
        const std::string eintrag = dokument.HoleKindDaten();
        const long ebene = std::strtol(StringHoleFeld(eintrag, '|', 2).c_str(), nullptr, 10);
        // The titles above this one; a level below 1 (even LONG_MIN from a damaged entry) has none.
        const size_t vorfahrenAnzahl = ebene > 0 ? static_cast<size_t>(ebene - 1) : 0;
        if (ebene <= vorigeEbene && vorfahren.size() > vorfahrenAnzahl)
            vorfahren.resize(vorfahrenAnzahl);
        vorigeEbene = ebene;
        vorfahren.push_back(StringHoleFeld(eintrag, '|', 1));

        std::string pfad;
        for (const std::string& text : vorfahren)
            pfad += text + " -> ";
        pfad.erase(pfad.find_last_not_of(" ->") + 1);
        m_pfade[StringHoleFeld(eintrag, '|', 0)] = pfad;
    }
    return true;
}

std::string CTitelVerwaltung::HoleTitelPfad(const std::string& titelId) const
{
    const auto pfad = m_pfade.find(titelId);
    return pfad == m_pfade.end() ? "(Fehler)" : pfad->second;
}
