#pragma once
// Full paths of the titles of a title list, looked up by title identifier.

#include <map>
#include <string>

class CTitelVerwaltung
{
public:
    // Reads a "titel_liste" XML text; false when it holds no such element.
    bool Lade(const std::string& xml);
    // "A -> B -> C" for a title of level 3; "(Fehler)" for an unknown identifier.
    std::string HoleTitelPfad(const std::string& titelId) const;

private:
    std::map<std::string, std::string> m_pfade;
};
