#include "platform/gdi.h"

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut,
                       std::uint8_t charSet, std::uint8_t outPrecision, std::uint8_t clipPrecision,
                       std::uint8_t quality, std::uint8_t pitchAndFamily, const char* faceName)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    lf.lfFaceName = faceName ? faceName : "";
    return CreateFontIndirect(lf);
}

bool CFont::CreateFontIndirect(const LOGFONT& logFont)
{
    m_logFont = logFont;
    m_erzeugt = true;
    return true;
}

bool CPen::CreatePen(int style, int width, COLORREF color)
{
    if (style != PS_SOLID && style != PS_DOT && style != PS_NULL)
        return false;
    m_stil = style;
    m_breite = width < 0 ? 0 : width;
    m_farbe = color & 0xFFFFFF;
    m_erzeugt = true;
    return true;
}

bool CBrush::CreateSolidBrush(COLORREF color)
{
    m_farbe = color & 0xFFFFFF;
    m_erzeugt = true;
    return true;
}
