#include "report/druckdaten.h"

#include "data/textfunktionen.h"

std::string CDruckDatenBase::GetText(int zeile, int spalte) const
{
    std::string text;
    std::uint32_t flags = 0;
    GetZellText(text, zeile, spalte, flags);
    return text;
}

void CDruckDaten::GetZellText(std::string& text, int zeile, int spalte, std::uint32_t& flags) const
{
    flags = DRUCK_ZENTRIERT;
    // The cell is searched only within its row, so a row without "@" is a one-cell row.
    text = StringHoleFeld(GetZeile(zeile), '@', spalte);
}

std::string CDruckDaten::GetZeile(int n) const
{
    return StringHoleFeld(m_text, '|', n);
}

void CDruckDaten::SetzeZellText(int zeile, int spalte, const std::string& wert)
{
    if (zeile < 0 || spalte < 0)
        return;
    std::string zeilenText = GetZeile(zeile);
    StringSetzeFeld(zeilenText, '@', spalte, wert);
    StringSetzeFeld(m_text, '|', zeile, zeilenText);
}

void CDruckDatenInv::GetZellText(std::string& text, int zeile, int spalte,
                                 std::uint32_t& flags) const
{
    CDruckDaten::GetZellText(text, spalte, zeile, flags);
}
