#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "platform/text.h"
#include "report/protokolldruck.h"

#include <array>
#include <span>
#include <string>

namespace {

// Caption from 0, symbol from 9.0, unit from 10.5, then five partial tests of 3.5 each.
constexpr std::array<double, 9> kX{0, 9.0, 10.5, 12.5, 16.0, 19.5, 23.0, 26.5, 30.0};
constexpr int kTeilversuche = 5;
constexpr double kWerteMitte = 21.25;

struct Beschriftungszeile
{
    double y;
    const char* beschriftung;
    const char* symbol;
    const char* einheit;
};

constexpr std::array<Beschriftungszeile, 4> kBlockA{{
    {1, "Teilversuch Nummer", "", ""},
    {2, "Kolben-Nr.", "", ""},
    {3, "Masse Kolben", "m1", "[g]"},
    {4, "Volumen Kolben", "V", "[cm³]"},
}};

constexpr std::array<Beschriftungszeile, 6> kBlockB{{
    {1, "Prüfflüssigkeit", "", ""},
    {2, "Prüftemperatur", "c", "[°C]"},
    {3, "Dichte des Wassers bei c", "<fs>r<fn><t>wc", "[g/cm³]"},
    {4, "Masse Kolben + Probe", "m2", "[g]"},
    {5, "Masse Kolben + Probe + Prüfflüssigkeit", "m3", "[g]"},
    {6, "Rohdichte (Teilversuch)", "<fs>r<fn>", "[g/cm³]"},
}};

constexpr std::array<Beschriftungszeile, 1> kBlockC{{
    {1, "Rohdichte", "<fs>r<fn>", "[g/cm³]"},
}};

// A value of every partial test: its field, row, placement and distance left of the column's
// right edge (decimal-aligned values put their separator there).
struct Wertzeile
{
    int feld;
    double y;
    int platzierung;
    double abstand;
};

constexpr std::array<Wertzeile, 2> kWerteA{{
    {1, 3.0, 12, 1.0},
    {2, 4.0, 12, 1.0},
}};

constexpr std::array<Wertzeile, 5> kWerteB{{
    {3, 2.0, 12, 1.0},
    {4, 3.0, 9, 0.5},
    {5, 4.0, 12, 1.0},
    {6, 5.0, 12, 1.0},
    {7, 6.0, 9, 0.5},
}};

constexpr int kKolbenFeld = 0;
constexpr int kRohdichteFeld = 9;

double Rechts(int teilversuch)
{
    return kX[4 + teilversuch];
}

double Mitte(int teilversuch)
{
    return (kX[3 + teilversuch] + kX[4 + teilversuch]) / 2;
}

void Beschriftungen(CSeitenAbbildung& a, std::span<const Beschriftungszeile> zeilen)
{
    for (const Beschriftungszeile& z : zeilen) {
        a.TextAusgabe(3, 0, z.y, z.beschriftung);
        a.TextAusgabe(22, 9.0, z.y, z.symbol);
        a.TextAusgabe(6, 11.5, z.y, z.einheit);
    }
}

void Werte(CSeitenAbbildung& a, const CDruckDaten& daten, std::span<const Wertzeile> zeilen)
{
    for (const Wertzeile& z : zeilen)
        for (int j = 0; j < kTeilversuche; ++j)
            a.TextAusgabe(z.platzierung, Rechts(j) - z.abstand, z.y, daten.GetText(z.feld, j));
}

} // namespace

void CProtokollDruck::DruckeKorndichte(CDC& dc, RECT, const std::string& tabelle,
                                       const std::string&, const std::string& titel)
{
    CSeitenAbbildung& a = Abbildung;
    const CDruckDaten daten = BeginneSeitenkoerper(*this, dc, tabelle, titel, true);

    // Block A: the flasks.
    a.SetzeUrsprung(0, 18.0);
    dc.SelectObject(Stifte[1]);
    a.Rechteck(0, 0, 30.0, 4.0);
    a.Linie(12.5, 0, 12.5, 4.0);
    dc.SelectObject(Stifte[0]);
    for (int r = 1; r <= 3; ++r)
        a.Linie(0, r, 30.0, r);
    for (int i = 1; i <= 7; ++i)
        a.Linie(kX[i], 0, kX[i], 4.0);
    dc.SelectObject(Schriften[0]);
    Beschriftungen(a, kBlockA);
    for (int j = 0; j < kTeilversuche; ++j) {
        a.TextAusgabe(6, Mitte(j), 1.0, StringFormat("%d", j + 1));
        a.TextAusgabe(6, Mitte(j), 2.0, daten.GetText(kKolbenFeld, j));
    }
    Werte(a, daten, kWerteA);

    // Block B: the test liquid, always water; its first row is one undivided cell.
    a.SetzeUrsprung(0, 22.3);
    dc.SelectObject(Stifte[1]);
    a.Rechteck(0, 0, 30.0, 6.0);
    a.Linie(12.5, 0, 12.5, 6.0);
    dc.SelectObject(Stifte[0]);
    for (int r = 1; r <= 5; ++r)
        a.Linie(0, r, 30.0, r);
    for (int i = 1; i <= 7; ++i)
        a.Linie(kX[i], 1.0, kX[i], 6.0);
    dc.SelectObject(Schriften[0]);
    Beschriftungen(a, kBlockB);
    a.TextAusgabe(6, kWerteMitte, 1.0, "Wasser");
    Werte(a, daten, kWerteB);

    // Block C: the resulting density.
    a.SetzeUrsprung(0, 28.6);
    dc.SelectObject(Stifte[1]);
    a.Linie(0, 0, 30.0, 0);
    a.Linie(0, 1.0, 30.0, 1.0);
    a.Linie(0, 0, 0, 1.0);
    a.Linie(12.5, 0, 12.5, 1.0);
    a.Linie(30.0, 0, 30.0, 1.0);
    dc.SelectObject(Stifte[0]);
    a.Linie(9.0, 0, 9.0, 1.0);
    a.Linie(10.5, 0, 10.5, 1.0);
    dc.SelectObject(Schriften[0]);
    Beschriftungen(a, kBlockC);
    a.TextAusgabe(6, kWerteMitte, 1.0, daten.GetZeile(kRohdichteFeld));
}
