#pragma once
// Settings and paths of the whole run: the data path named by "datapfad.dat" beside the program,
// the program folder, and the two print settings, which the print view reads again before every
// page so that a change takes effect with the next page.

#include <filesystem>
#include <string>

class CPfade
{
public:
    // Reads the data-path file; always true.
    bool LeseDatenpfad();
    // Reads both print settings from the settings store.
    void LeseRegistry();

    // Print form of a stored fraction: as stored, or in percent when anteilAlsProzent is set
    // ("0.235" prints "23.5", a unit "[-]" prints "[%]").
    std::string FormatiereAnteil(const std::string& anteil) const;
    // " %" when fractions print in percent, else "".
    std::string HoleProzentEinheit() const;

    const std::string& HoleDatenpfad() const { return m_datenpfad; }
    const std::filesystem::path& HoleProgrammpfad() const { return m_programmordner; }

    // Read directly by the page header and the summary table; false until LeseRegistry.
    bool anteilAlsProzent = false;
    bool protokollnrDrucken = false;

private:
    std::string m_datenpfad;
    std::filesystem::path m_programmordner;
};

// The one instance of the run.
extern CPfade g_pfade;
