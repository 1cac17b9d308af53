#include "pages/seitenkoerper.h"

#include "data/textfunktionen.h"
#include "platform/exceptions.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

const char* const kZeilenumbruch = "#CRLF#";

} // namespace

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
    const long wert = std::strtol(text.c_str(), nullptr, 10);
    return int(
        std::clamp<long>(wert, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::string Zeilenstueck(const std::string& text, int n)
{
    return StringHoleToken(text, kZeilenumbruch, n);
}

bool HatZeilenumbruch(const std::string& text)
{
    return StringFinde(text, kZeilenumbruch) >= 0;
}

void CSeitenkoerper::WaehleSchrift(int n)
{
    m_dc.SelectObject(m_druck.Schriften[static_cast<std::size_t>(n)]);
}

void CSeitenkoerper::WaehleStift(int n)
{
    m_dc.SelectObject(m_druck.Stifte[static_cast<std::size_t>(n)]);
}

void CSeitenkoerper::Ursprung(double x, double y)
{
    m_druck.Abbildung.SetzeUrsprung(x, y);
}

void CSeitenkoerper::Linie(double x1, double y1, double x2, double y2)
{
    m_druck.Abbildung.Linie(x1, y1, x2, y2);
}

void CSeitenkoerper::Rechteck(double x1, double y1, double x2, double y2)
{
    m_druck.Abbildung.Rechteck(x1, y1, x2, y2);
}

void CSeitenkoerper::Text(int code, double x, double y, const std::string& text)
{
    m_druck.Abbildung.TextAusgabe(code, x, y, text);
}

RECT CSeitenkoerper::Geraeteflaeche(double x1, double y1, double x2, double y2) const
{
    const CSeitenAbbildung& abbildung = m_druck.Abbildung;
    return {abbildung.TransformiereX(x1), abbildung.TransformiereY(y1),
            abbildung.TransformiereX(x2), abbildung.TransformiereY(y2)};
}
