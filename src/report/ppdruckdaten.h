#pragma once
// A print grid of ten columns whose captions, alignment and sizes come from a dialog template:
// the control with id first + 100 × row + column is the cell (row, column).

#include "report/dialogvorlage.h"
#include "report/druckdaten.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct CPPString
{
    std::string text;
    std::uint32_t flags = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t cx = 0;
    std::uint32_t cy = 0;
};

constexpr int kPPSpalten = 10;
using CPPStringArray = std::array<CPPString, kPPSpalten>;

class CPPDruckDaten : public CDruckDatenBase
{
public:
    // None when the column is not 0..9 or the row does not exist.
    CPPString* GetZelle(int zeile, int spalte);
    const CPPString* GetZelle(int zeile, int spalte) const;
    int AnzahlZeilen() const { return static_cast<int>(m_zeilen.size()); }

    // A cell outside the grid: "" with DRUCK_KEINE_ZELLE.
    void GetZellText(std::string& text, int zeile, int spalte, std::uint32_t& flags) const override;
    void SetzeText(int zeile, int spalte, const std::string& text);
    // Leaves cells alone that the template does not have.
    void SetzeTextWennFrei(int zeile, int spalte, const std::string& text);
    void SetzeFlags(int zeile, int spalte, std::uint32_t bits);
    // Copies a block of the text table, row by row from quelleZeile, into free cells; cells
    // beyond a row's fields keep their text.
    void UebernehmeDruckDaten(int zielZeile, int zielSpalte, int zeilen, int spalten,
                              const CDruckDaten& quelle, int quelleZeile);

    // Appends one row of n cells read from the controls first .. first + n - 1.
    void LadeZeileAusVorlage(DialogVorlage vorlage, int ersteId, int n);
    // Appends rows; row r reads the controls first + 100 × r + column.
    void LadeZeilenAusVorlage(DialogVorlage vorlage, int ersteId, int spalten, int zeilen);

private:
    std::vector<CPPStringArray> m_zeilen;
};

// One control of the template as a cell: its caption, sizes and alignment flags.
bool LeseVorlagenElement(DialogVorlage vorlage, int id, CPPString& zelle);
// Cells 0 .. n - 1 from the controls first + k, leading blanks removed; a missing control gives a
// DRUCK_KEINE_ZELLE cell. Cells n .. 9 are cleared and stay writable.
void LeseVorlagenZeile(CPPStringArray& zeile, DialogVorlage vorlage, int ersteId, int n);
