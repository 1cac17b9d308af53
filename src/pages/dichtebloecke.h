#pragma once
// The blocks that the field density page and the nuclear gauge page share. Up to five test points
// stand side by side; every per-point value is sub-value i of its field. Positions are page-grid
// units relative to the block's origin; rows count down the page.

#include "report/druckdaten.h"

#include <span>
#include <string>

class CDC;
class CProtokollDruck;

constexpr int kPruefpunkte = 5;

// How a row's values print.
enum class Wertform
{
    Gespeichert, // as stored
    Anteil,      // a fraction: value and unit through the percent setting
    Nummer,      // the reference Proctor test's number: centred, only with "protokollnrDrucken"
};

// A label row of a value block: caption, symbol (mark-up text unless `symbolAlsText`), unit, and
// the field whose sub-values fill the test point columns.
struct Wertzeile
{
    const char* beschriftung;
    const char* symbol;
    const char* einheit;
    int feld;
    Wertform form = Wertform::Gespeichert;
    bool fett = false;
    bool symbolAlsText = false;
};

// A framed block: origin row, box top relative to it, a heading line and one line per label row.
struct Werteblock
{
    double zeile;
    double oben;
    const char* ueberschrift;
    std::span<const Wertzeile> zeilen;
    bool trennlinien = true; // between caption, symbol and unit
    double symbolX = 6;
};

// The nuclear gauge page stores the soil parameters and everything after them four fields earlier
// and writes two symbols without the blank before the apostrophe.
enum class Dichteseite
{
    Felddichte,
    Isotopensonde,
};

class CDichteBloecke
{
public:
    // Opens the body: mark-up fonts, the table data and the title.
    CDichteBloecke(CProtokollDruck& druck, CDC& dc, const std::string& tabelle,
                   const std::string& titel);

    const CDruckDaten& Daten() const { return m_daten; }

    // The test point columns' borders from y = -2 to `bis`, at the origin row given.
    void Spaltenlinien(double zeile, double bis);
    // Station, layer and position of each test point (rows -2 to 4 of the origin row given).
    void Pruefpunktbeschreibung(double zeile);
    void ZeichneWerteblock(const Werteblock& block);
    // Three label rows without heading, every text bold: the results of the gauge page.
    void ZeichneErgebnisblock(double zeile, std::span<const Wertzeile> zeilen);
    // Soil parameters, reference Proctor test, oversize grain and degree of compaction.
    void Kennwertbloecke(Dichteseite seite);

    // Wrappers for the page's own blocks.
    void Schrift(int n);
    void Stift(int n);
    void Ursprung(double x, double y);
    void Text(int code, double x, double y, const std::string& text);
    void Rechteck(double x1, double y1, double x2, double y2);
    void Linie(double x1, double y1, double x2, double y2);

private:
    void Beschriftungen(std::span<const Wertzeile> zeilen, double erstesY, double symbolX);
    void Werte(std::span<const Wertzeile> zeilen, double erstesY, bool fettWechseln);
    std::string Wert(const Wertzeile& zeile, int pruefpunkt) const;

    CProtokollDruck& m_druck;
    CDC& m_dc;
    CDruckDaten m_daten;
};
