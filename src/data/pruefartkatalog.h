#pragma once
// The catalogue of test types: one row per test type and, where a type has sub-types, one per
// sub-type. The lists name a protocol's test type through it and offer its rows as a filter.

#include <string>
#include <vector>

// The selected row, field by field.
struct PRUEFARTZEILE
{
    std::string pruefart_ID;
    std::string kuerzel;
    std::string name;
    std::string titel;
    std::string unterart;
    std::string unterartText;
    std::string gruppentitel;
};

class CPruefartKatalog
{
public:
    // Replaces the rows by the built-in ones; always true.
    bool Lade();
    int HoleAnzahl() const;

    // Selects the first row of a test type; for the comparison sheets ("1018") a nonzero sub-type
    // picks the row of that sub-type. False, with the selection empty, when none fits.
    bool Waehle(const std::string& pruefart_ID, int unterart);

    std::string HoleID() const { return m_auswahl.pruefart_ID; }
    std::string HoleKuerzel() const { return m_auswahl.kuerzel; }
    std::string HoleName() const { return m_auswahl.name; }
    std::string HoleUnterart() const { return m_auswahl.unterart; }
    // "GK/KP" for the comparison sheets, else the selected code.
    std::string HoleKuerzelgruppe() const;

    // Fields of a row by index; "" for an index outside the rows.
    std::string HoleIDVonZeile(int zeile) const;
    std::string HoleKuerzelVonZeile(int zeile) const;
    std::string HoleTitelVonZeile(int zeile) const;
    std::string HoleUnterartVonZeile(int zeile) const;
    std::string HoleGruppentitelVonZeile(int zeile) const;
    std::string HoleKuerzelgruppeVonZeile(int zeile) const;

private:
    std::string HoleFeldVonZeile(int zeile, int feld) const;

    PRUEFARTZEILE m_auswahl;
    std::vector<std::string> m_zeilen;
};
