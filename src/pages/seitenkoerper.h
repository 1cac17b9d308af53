#pragma once
// What the page bodies share: the opening of a body and the reading of stored texts.

#include "platform/gdi.h"
#include "report/druckdaten.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class CDC;
class CProtokollDruck;

// Note pages 1 to 9 carry no second header block and a body of their own.
constexpr int kErsteNotizseite = 10201;
constexpr int kLetzteNotizseite = 10209;
inline bool IstNotizseite(int seitencode)
{
    return seitencode >= kErsteNotizseite && seitencode <= kLetzteNotizseite;
}

// Opens a body: the mark-up fonts when the body prints symbols, font 3 and the title in the
// header's title band (page row 16.4). Returns the table data to read the values from.
CDruckDaten BeginneSeitenkoerper(CProtokollDruck& druck, CDC& dc, const std::string& tabelle,
                                 const std::string& titel, bool mitAuszeichnung);

// A whole number that steers the layout (a page total, a method code), read as atoi reads it:
// blanks and a sign before the digits, digits up to the first other character, 0 when there are
// none; held within the range of int.
int LeseSteuerzahl(const std::string& text);

// Piece n of a text whose line breaks are stored as "#CRLF#"; "" beyond the last.
std::string Zeilenstueck(const std::string& text, int n);
bool HatZeilenumbruch(const std::string& text);

// The drawing a page body does through the print job, and its table data. Page classes
// derive from it so each carries no copy of these few steps.
class CSeitenkoerper
{
protected:
    CSeitenkoerper(CProtokollDruck& druck, CDC& dc, CDruckDaten daten)
        : m_druck(druck), m_dc(dc), m_daten(std::move(daten))
    {
    }

    void WaehleSchrift(int n);
    void WaehleStift(int n);
    void Ursprung(double x, double y);
    void Linie(double x1, double y1, double x2, double y2);
    void Rechteck(double x1, double y1, double x2, double y2);
    void Text(int code, double x, double y, const std::string& text);
    // The area between two page points in device units, as the charts take it.
    RECT Geraeteflaeche(double x1, double y1, double x2, double y2) const;
    std::string Feld(int feld) const { return m_daten.GetZeile(feld); }
    std::string Wert(int feld, int index) const { return m_daten.GetText(feld, index); }

    CProtokollDruck& m_druck;
    CDC& m_dc;
    CDruckDaten m_daten;
};
