#pragma once
// Text measuring in logical units (0.01 mm), from the fonts alone: the same text measures the
// same on a printer, in the preview, in a PDF and in a test.

#include "platform/gdi.h"

#include <string_view>

// The cell of a font in the Windows sense: ascent and descent from the face's OS/2 usWinAscent
// and usWinDescent, scaled so that a positive height is the whole cell and a negative height the
// em.
struct SCHRIFTZELLE
{
    int aufstieg = 0; // ascent: baseline to cell top
    int abstieg = 0;  // descent: baseline to cell bottom
    double em = 0;    // em size in logical units
};

class CTextMetrik
{
public:
    virtual ~CTextMetrik() = default;
    virtual SCHRIFTZELLE Zelle(const LOGFONT& schrift) const = 0;
    // Advance width of a Windows-1252 text, unrounded.
    virtual double Breite(const LOGFONT& schrift, std::string_view text) const = 0;
};

// The real metric of the installed faces (Tahoma from Wine, Liberation for Arial, Courier New and
// Times New Roman, Symbol as Greek), measured unhinted in design units.
const CTextMetrik& SchriftMetrik();

// A deterministic stand-in for layout tests: a cell of |height| (a height of 0 counts as 300),
// ascent four fifths of it, every character zeichenBreitePromille thousandths of the cell wide
// (integer units, 150 for a cell of 300 by default).
class CFesteTextMetrik : public CTextMetrik
{
public:
    explicit CFesteTextMetrik(int zeichenBreitePromille = 500) : m_promille(zeichenBreitePromille)
    {
    }
    SCHRIFTZELLE Zelle(const LOGFONT& schrift) const override;
    double Breite(const LOGFONT& schrift, std::string_view text) const override;

private:
    int m_promille;
};
