#pragma once
// Report pages are laid out on a page grid (30 columns by 67 rows, rows running down the page);
// CSeitenAbbildung maps grid positions to device units (0.01 mm, y upward), draws lines between
// grid points and places texts by a placement code. Captions carry a mark-up for formula symbols:
// "<t>" lowered, "<h>" raised, "<n>" back to the base line, "<fs>" Symbol font, "<fn>" normal font.

#include "platform/cdc.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

class CSeitenAbbildung
{
public:
    // The page header calls it with (2500, -1620, 16800, 26000, 30, 67). Clears origin, fonts and
    // the raise and drop steps.
    bool Init(int offsetX, int offsetY, int ausdehnungX, int ausdehnungY, int spalten, int zeilen);
    void SetzeDC(CDC* dc) { m_dc = dc; }
    // Device extent and offset of the grid; columns, rows, origin and fonts stay.
    void SetzeAbbildung(int ausdehnungX, int ausdehnungY, int offsetY, int offsetX);
    // Later positions are relative to this grid point.
    void SetzeUrsprung(double x, double y);
    // Fonts of the mark-up text, not owned; the step raises "<h>" and lowers "<t>".
    void SetzeTextSchriften(const CFont* normal, const CFont* symbol, int schritt);
    CDC* HoleDC() const { return m_dc; }
    const CFont* NormaleSchrift() const { return m_normal; }
    const CFont* SymbolSchrift() const { return m_symbol; }
    int SchrittHochTief() const { return m_hoch; }

    // Each product is truncated toward zero; one that is not finite or does not fit counts as 0.
    POINT Transformiere(double x, double y) const;
    int TransformiereX(double x) const;
    int TransformiereY(double y) const;

    // Drawing skips a point that cannot be mapped. MoveTo returns the previous position.
    POINT MoveTo(double x, double y);
    bool LineTo(double x, double y);
    bool Linie(double x1, double y1, double x2, double y2);
    bool LinieWaagerecht(double x1, double y, double x2) { return Linie(x1, y, x2, y); }
    bool LinieSenkrecht(double x, double y1, double y2) { return Linie(x, y1, x, y2); }
    // Outline only, with the selected pen.
    bool Rechteck(double x1, double y1, double x2, double y2);
    // The inner lines of a grid of `spalten` columns of width `schrittX` from x0 and of `zeilen`
    // rows of one grid row from row 0: vertical lines between the columns over the whole height,
    // horizontal lines between the rows over the whole width. The rows always start at row 0
    // with the step 1, whatever the second and fourth arguments say.
    void ZeichneRaster(double x0, double, double schrittX, double, int spalten, int zeilen);

    // Codes 1, 4, 7 top-left, top-centre, top-right; 3, 6, 9 the same at the bottom; 11, 12
    // decimal-aligned; 21, 22, 32, 33 mark-up text; any other code top-left without inset.
    // The alignment stays set on the device context.
    void TextAusgabe(int code, double x, double y, const std::string& text);
    void TextAusgabeMitte(int code, std::span<const double, 2> paar, double y,
                          const std::string& text);
    void TextAusgabeZwischen(int code, double x1, double x2, double y, const std::string& text);
    // The decimal separator (the last "." or, without one, the last ",", or one imagined behind
    // the text) is centred on the point, so integers line up with decimals.
    void TextDezimalAusgerichtet(int code, double x, double y, const std::string& text);
    int TextMitAuszeichnung(int code, double x, double y, const std::string& text);

private:
    std::optional<int> AbbildenX(double x) const;
    std::optional<int> AbbildenY(double y) const;
    std::optional<POINT> Abbilden(double x, double y) const;

    int m_ausdehnungX = 0;
    int m_ausdehnungY = 0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    double m_ursprungX = 0;
    double m_ursprungY = 0;
    double m_spalten = 0;
    double m_zeilen = 0;
    CDC* m_dc = nullptr;
    const CFont* m_normal = nullptr;
    const CFont* m_symbol = nullptr;
    int m_hoch = 0;
    int m_tief = 0;
};

// Width of a mark-up text in device units, each run between tags measured in its own font. A font
// that is not given leaves the selected one in place; the font selected before is selected again.
int MessenAuszeichnungsText(CDC& dc, std::string_view text, const CFont* normal,
                            const CFont* symbol);
// Mark-up text in device units with its base line a quarter of the height of "X" above the
// rectangle's bottom, starting at the rectangle's middle or, with TA_CENTER, centred there.
// Raised and lowered runs sit 60 units off the base line, Symbol-font runs 40 units higher.
void ZeichneTextAusgerichtet(const CFont& normal, const CFont& symbol, CDC& dc, RECT rechteck,
                             unsigned ausrichtung, std::string_view text);
void ZeichneLinie(CDC& dc, int x1, int y1, int x2, int y2);
void ZeichneLinieV(CDC& dc, int x, int y1, int y2);
void ZeichneLinieH(CDC& dc, int x1, int y, int x2);
