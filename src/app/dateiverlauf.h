#pragma once
// The list of recently opened project files, kept in the application profile under
// "Recent File List" as "File1", "File2" ... The menus show no such list; it is only kept.

#include <filesystem>
#include <vector>

class CDateiVerlauf
{
public:
    explicit CDateiVerlauf(int groesse) : m_groesse(groesse) {}

    // Reads the entries from the profile; empty entries are skipped.
    void Lade();
    // Puts the path first, drops an older entry of the same path and the oldest beyond the size,
    // and writes the list back to the profile. A copy, since it may be one of the entries.
    void Hinzufuegen(std::filesystem::path pfad);

    const std::vector<std::filesystem::path>& Eintraege() const { return m_eintraege; }

private:
    void Speichere() const;

    int m_groesse;
    std::vector<std::filesystem::path> m_eintraege;
};
