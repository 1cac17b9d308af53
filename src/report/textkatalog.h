#pragma once
// The built-in catalogue of captions, formula symbols, units, number formats and chart axis
// captions, each a "|"-separated value under an upper-case key.

#include <map>
#include <string>
#include <string_view>

class CTextKatalog
{
public:
    // Fills the catalogue from the built-in entries; loading twice leaves the same content.
    bool LadeStandardTexte();
    // Takes one entry written "KEY= {field|field|…}"; comments (";…"), entries without braces or
    // with an empty key or value add nothing. A key that occurs again replaces the earlier value.
    void LadeEintrag(std::string_view eintrag);
    // Field n of the value under the key; "" beyond the last field; "FEHLER" for a missing key.
    std::string HoleText(const std::string& schluessel, int n) const;

private:
    std::map<std::string, std::string> m_texte;
};
