#pragma once
// Print tables: everything a report prints in rows and columns is read through CDruckDatenBase.

#include <cstdint>
#include <string>

// Cell flags.
constexpr std::uint32_t DRUCK_ZENTRIERT = 0x1;
constexpr std::uint32_t DRUCK_RECHTS = 0x2;
constexpr std::uint32_t DRUCK_FETT = 0x4000;
// The cell does not exist in the table: it is not printed and cannot be written.
constexpr std::uint32_t DRUCK_KEINE_ZELLE = 0x8000;

class CDruckDatenBase
{
public:
    virtual ~CDruckDatenBase() = default;
    virtual void GetZellText(std::string& text, int zeile, int spalte,
                             std::uint32_t& flags) const = 0;
    // The cell text without its flags.
    std::string GetText(int zeile, int spalte) const;
};

// A whole table in one text: rows separated by "|", cells by "@". Every cell is centred.
class CDruckDaten : public CDruckDatenBase
{
public:
    CDruckDaten() = default;
    explicit CDruckDaten(std::string text) : m_text(std::move(text)) {}

    void GetZellText(std::string& text, int zeile, int spalte, std::uint32_t& flags) const override;
    // The whole row n; "" beyond the last row.
    std::string GetZeile(int n) const;
    // Adds empty rows and cells where the table is shorter.
    void SetzeZellText(int zeile, int spalte, const std::string& wert);

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

// The transposed table: cell (row, column) is cell (column, row) of the text.
class CDruckDatenInv : public CDruckDaten
{
public:
    using CDruckDaten::CDruckDaten;
    void GetZellText(std::string& text, int zeile, int spalte, std::uint32_t& flags) const override;
};
