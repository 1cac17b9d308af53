#pragma once
// The text record of a protocol: its general and special data texts.
//
// A data text is a row of groups "{...}"; a group is a row of fields separated by "|", a field a
// row of sub-fields separated by "@". Text outside the braces means nothing. Readers accept any
// number of groups and give an empty text for whatever is missing; field writers always write
// exactly groups 0 to 19 and store "{", "}", "|" and "@" of a value as "(", ")", "#" and "#".

#include <string>

class CVersuchData
{
public:
    // Groups a field writer keeps; a value aimed beyond them would be lost.
    static constexpr int AnzahlGruppen = 20;

    std::string daten_allgemein;
    std::string daten_speziell;
    // Set by a writer that changed a value; never reset.
    bool geaendert = false;

    std::string HoleFeld(int gruppe, int feld) const;
    std::string HoleFeldSpeziell(int gruppe, int feld) const;
    std::string HoleUnterfeld(int gruppe, int feld, int unterfeld) const;
    // Field of the special data text with "#" read back as "|" (the stored form is lossy).
    std::string HoleFeldSpeziellKlartext(int gruppe, int feld) const;
    std::string HoleSpeziellBlock(int gruppe) const;
    std::string HoleSpeziellBlock4() const;
    std::string HoleSpeziellBlock5() const;
    // The header record of a report: "|" followed by group 1 of the general data text with its
    // fields turned into "@" sub-fields.
    std::string HoleKopfblock() const;
    std::string HoleProtokollnummer() const;
    // Test date as stored: "JJJJMMTT".
    std::string HolePruefdatumRoh() const;
    // Test date for display, "TT.MM.JJJJ"; empty when none is stored.
    std::string HolePruefdatum() const;

    // The field writers return false, leaving the text alone, only for a group outside 0..19 or a
    // negative field or sub-field; otherwise true.
    bool SetzeFeld(int gruppe, int feld, const std::string& wert);
    // With `unterfelderBehalten` the value's "@" stay sub-field separators.
    bool SetzeFeldSpeziell(int gruppe, int feld, const std::string& wert,
                           bool unterfelderBehalten = false);
    bool SetzeFeldSpeziellMitUnterfeldern(int gruppe, int feld, const std::string& wert);
    bool SetzeUnterfeld(int gruppe, int feld, int unterfeld, const std::string& wert);
    bool SetzeProtokollnummer(const std::string& wert);
    // Replaces the whole content of a group of the special data text, unescaped. The text keeps
    // its number of groups, raised to reach the group, so a group of 20 or higher is written
    // too; false for a negative group, else true only when the text changed.
    bool SetzeSpeziellGruppe(int gruppe, const std::string& inhalt);
};

// Sort key of a station-like number text ("0+123,45", "-3", "12,5"): "%010.4f" of its value when
// it starts with a digit or sign and ends with a digit, else the text itself.
std::string BildeZahlSchluessel(const std::string& text);
