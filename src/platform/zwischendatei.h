#pragma once
// A file written beside its destination that takes the destination's place only once it is
// whole: one given up halfway is removed, and the destination stays as it was.

#include <filesystem>
#include <string_view>

class CZwischendatei
{
public:
    // What to do where the destination's folder takes no new file but the destination may be
    // written: give up, or write the destination itself, whose old content is then lost on a
    // failure.
    enum class InGeschuetztemOrdner
    {
        Aufgeben,
        ZielSelbstSchreiben
    };

    // Makes the file under a short name of its own, so that it fits beside any name the
    // destination may have, with the destination's owner (where the process may) and permission
    // bits where it exists. A destination that is a link keeps naming the file: the new one is
    // made beside the file the link points to.
    explicit CZwischendatei(const std::filesystem::path& ziel,
                            InGeschuetztemOrdner geschuetzt = InGeschuetztemOrdner::Aufgeben);
    ~CZwischendatei();
    CZwischendatei(const CZwischendatei&) = delete;
    CZwischendatei& operator=(const CZwischendatei&) = delete;

    // The descriptor to write to; -1 when the file could not be made.
    int operator*() const { return m_datei; }
    // True when the destination itself is written.
    bool SchreibtZielSelbst() const { return m_zielSelbst; }
    // Appends the bytes; false, remembering why, when a write fails, such as on a full disk.
    bool Schreibe(std::string_view bytes);
    // Puts the file, once it is on the disk and every write of `Schreibe` succeeded, in the
    // destination's place; false, removing it, when that fails (a write the disk refused only now
    // fails here) or when a FIFO, a device or a folder has taken that place. The destination
    // written itself is only synced.
    bool Ersetze();
    // The errno of the failure that made the file, a write or `Ersetze` fail; 0 when none did.
    int Fehlernummer() const { return m_fehlernummer; }

private:
    void LegeDanebenAn();
    void MerkeFehler();

    std::filesystem::path m_ziel;
    std::filesystem::path m_pfad;
    int m_datei = -1;
    bool m_zielSelbst = false;
    int m_fehlernummer = 0;
};
