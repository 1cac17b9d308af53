#pragma once
// A file written beside its destination that takes the destination's place only once it is
// whole: one given up halfway is removed, and the destination stays as it was.

#include <filesystem>

class CZwischendatei
{
public:
    // Makes the file, named after the destination, the process and a count, so that no other
    // writer uses it, with the destination's permissions where it exists. A destination that is a
    // link keeps naming the file: the new one is made beside the file the link points to.
    explicit CZwischendatei(const std::filesystem::path& ziel);
    ~CZwischendatei();
    CZwischendatei(const CZwischendatei&) = delete;
    CZwischendatei& operator=(const CZwischendatei&) = delete;

    // The descriptor to write to; -1 when the file could not be made.
    int operator*() const { return m_datei; }
    // For a writer that opens the file by its name.
    const std::filesystem::path& Pfad() const { return m_pfad; }
    // Puts the file, once it is on the disk, in the destination's place; false, removing it, when
    // that fails (a write the disk refused only now fails here) or when a FIFO, a device or a
    // folder has taken that place.
    bool Ersetze();

private:
    std::filesystem::path m_ziel;
    std::filesystem::path m_pfad;
    int m_datei = -1;
};
