#include "pages/seitenkoerper.h"

#include "data/textfunktionen.h"
#include "platform/exceptions.h"
#include "report/protokolldruck.h"

#include <charconv>

namespace {

const char* const kZeilenumbruch = "#CRLF#";

} // namespace

const std::string& KopfdatenEintrag(const std::vector<std::string>& kopfdaten, std::size_t n)
{
    if (n >= kopfdaten.size())
        throw CInvalidArgException("Kopfdaten ohne Eintrag " + std::to_string(n));
    return kopfdaten[n];
}

CDruckDaten BeginneSeitenkoerper(CProtokollDruck& druck, CDC& dc, const std::string& tabelle,
                                 const std::string& titel, bool mitAuszeichnung)
{
    if (mitAuszeichnung)
        druck.Abbildung.SetzeTextSchriften(&druck.Schriften[0], &druck.Schriften[8], 50);
    dc.SelectObject(druck.Schriften[3]);
    druck.Abbildung.SetzeUrsprung(0, 16.0);
    druck.Abbildung.TextAusgabe(3, 0, 0.4, titel);
    return CDruckDaten(tabelle);
}

int LeseSteuerzahl(const std::string& text)
{
    int wert = 0;
    const auto gelesen = std::from_chars(text.data(), text.data() + text.size(), wert);
    return gelesen.ec == std::errc() && wert >= 0 ? wert : 0;
}

std::string Zeilenstueck(const std::string& text, int n)
{
    return StringHoleToken(text, kZeilenumbruch, n);
}

bool HatZeilenumbruch(const std::string& text)
{
    return StringFinde(text, kZeilenumbruch) >= 0;
}
