#pragma once
// Value types of the drawing layer, named as the page layouts talk about them. Fonts, pens and
// brushes are plain values: one selected into a device context stays valid after the object that
// made it is gone.

#include <cstddef>
#include <cstdint>
#include <string>

using COLORREF = std::uint32_t; // 0x00BBGGRR: 0xFF0000 is blue

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c)
{
    return int(c & 0xFF);
}
constexpr int GetGValue(COLORREF c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c)
{
    return int((c >> 16) & 0xFF);
}

struct POINT
{
    int x = 0;
    int y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

// In the page's logical units (0.01 mm, y upward) top is the upper edge, so top > bottom.
struct RECT
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

// Text alignment: one horizontal and one vertical choice, optionally TA_UPDATECP.
constexpr unsigned TA_NOUPDATECP = 0;
constexpr unsigned TA_UPDATECP = 1;
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

// DrawText formats.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Font weights.
constexpr int FW_NORMAL = 400;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;

// Heights in logical units: positive = cell height (ascent + descent), negative = character
// height (the em). Escapement and orientation in tenths of a degree; the escapement turns text
// clockwise as seen on the page (2700 reads bottom to top).
struct LOGFONT
{
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    std::string lfFaceName;
    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// A font description; empty until created. Italic, underline and strike-out are kept but not drawn.
class CFont
{
public:
    bool CreateFont(int height, int width, int escapement, int orientation, int weight,
                    std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut,
                    std::uint8_t charSet, std::uint8_t outPrecision, std::uint8_t clipPrecision,
                    std::uint8_t quality, std::uint8_t pitchAndFamily, const char* faceName);
    bool CreateFontIndirect(const LOGFONT& logFont);
    void DeleteObject() { m_erzeugt = false; }

    bool IstErzeugt() const { return m_erzeugt; }
    explicit operator bool() const { return m_erzeugt; }
    const LOGFONT& GetLogFont() const { return m_logFont; }

    friend bool operator==(const CFont&, const CFont&) = default;

private:
    bool m_erzeugt = false;
    LOGFONT m_logFont;
};

// Width in logical units; 0 and 1 draw one device pixel wide.
class CPen
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    bool CreatePen(int style, int width, COLORREF color);
    void DeleteObject() { m_erzeugt = false; }

    bool IstErzeugt() const { return m_erzeugt; }
    explicit operator bool() const { return m_erzeugt; }
    int Stil() const { return m_stil; }
    int Breite() const { return m_breite; }
    COLORREF Farbe() const { return m_farbe; }

    friend bool operator==(const CPen&, const CPen&) = default;

private:
    bool m_erzeugt = false;
    int m_stil = PS_SOLID;
    int m_breite = 0;
    COLORREF m_farbe = 0;
};

class CBrush
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    bool CreateSolidBrush(COLORREF color);
    void DeleteObject() { m_erzeugt = false; }

    bool IstErzeugt() const { return m_erzeugt; }
    explicit operator bool() const { return m_erzeugt; }
    COLORREF Farbe() const { return m_farbe; }

    friend bool operator==(const CBrush&, const CBrush&) = default;

private:
    bool m_erzeugt = false;
    COLORREF m_farbe = 0;
};

struct TEXTMETRIC
{
    int tmHeight = 0; // cell height = ascent + descent
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0; // cell height minus the em
};

// A device-independent bitmap as a bitmap file holds it: the info block (BITMAPINFOHEADER and
// colour table) and the pixel rows. A view; the bytes belong to the caller.
struct DIB
{
    const unsigned char* info = nullptr;
    std::size_t infoGroesse = 0;
    const unsigned char* bits = nullptr;
    std::size_t bitsGroesse = 0;
};
