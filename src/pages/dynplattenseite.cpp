// Page 1 of the dynamic plate load test report, for either drop weight: the device data and two
// blocks of five test points with their settlements and dynamic moduli. Every value is printed as
// stored. Positions are page-grid units relative to the origin of each block.

#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "report/protokolldruck.h"

#include <array>

namespace {

constexpr int Normal = 0, Fett = 1;
constexpr int FeinerStift = 0, KraeftigerStift = 1;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, UntenRechts = 9, Auszeichnung = 22;

constexpr int Bloecke = 2;
constexpr int PunkteJeBlock = 5;

// One device row: caption, the field whose value ends at the value x, and the unit after it.
struct Geraeteangabe
{
    const char* titel; // nullptr: no caption, but colon and value
    int feld;
    const char* einheit;
};

struct Geraetegruppe
{
    double titelX;
    double doppelpunktX;
    double wertX;
    int ersteZeile;
    std::array<Geraeteangabe, 4> zeilen;
};

constexpr std::array<Geraetegruppe, 3> kGeraetegruppen{{
    {0,
     5,
     7,
     0,
     {{{"Belastungsvorrichtung", 9, ""},
       {"Fallgewicht", 10, "kg"},
       {"Fallhöhe", 11, "cm"},
       {"Plattendurchmesser", 12, "mm"}}}},
    {11,
     15.5,
     17.5,
     0,
     {{{"Aufnehmer-Nr.", 13, ""},
       {"Messbereich E<t>vd<n> min", 14, "MN/m²"},
       {"Messbereich E<t>vd<n> max", 15, "MN/m²"},
       {"Setzungsmessbereich", 16, "mm"}}}},
    // The third group starts one row lower; its last two rows are values without a caption.
    {21.8,
     26,
     28,
     1,
     {{{nullptr, -1, ""}, {"Ausgleichsmaterial", 17, ""}, {nullptr, 18, ""}, {nullptr, 19, ""}}}},
}};

struct Blockbeschriftung
{
    double y;
    const char* text;
    int code;
    const char* einheit;
    bool fett;
};

// The three description rows take their captions from the header catalogue.
constexpr std::array<Blockbeschriftung, 7> kMesszeilen{{
    {6, "S<t>1", Auszeichnung, "[mm]", false},
    {7, "S<t>2", Auszeichnung, "[mm]", false},
    {8, "S<t>3", Auszeichnung, "[mm]", false},
    {9, "S  i.M.", UntenLinks, "[mm]", false},
    {10, "E<t>vd <n>IST", Auszeichnung, "[MN/m²]", true},
    {11, "E<t>vd <n>SOLL >=", Auszeichnung, "[MN/m²]", false},
    {12, "tv=s/v*1000", Auszeichnung, "[ms]", false},
}};

// Fields per test point.
constexpr int StationFeld = 0, SchichtFeld = 1, LageFeld = 2, EvdIstFeld = 7, LetztesWertFeld = 8,
              TvFeld = 20;

double SpaltenMitte(int spalte)
{
    return 7.5 + 5 * spalte;
}

class CDynPlattenSeite : private CSeitenkoerper
{
public:
    CDynPlattenSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten,
                     const std::string& titel)
        : CSeitenkoerper(druck, dc, BeginneSeitenkoerper(druck, dc, tabellenDaten, titel, true))
    {
    }

    void Geraetedaten();
    void Pruefpunkte(int block);

private:
    void Blocklinien();
    void Blockbeschriftungen();
    void Blockwerte(int block);
    // A value stored over two lines, one line under the other.
    void Zweizeilig(int feld, int punkt, double x, double y);
};

void CDynPlattenSeite::Geraetedaten()
{
    m_druck.Abbildung.SetzeUrsprung(0, 18);
    WaehleSchrift(Normal);
    for (const Geraetegruppe& g : kGeraetegruppen)
        for (int k = g.ersteZeile; k < static_cast<int>(g.zeilen.size()); ++k) {
            const Geraeteangabe& z = g.zeilen[static_cast<std::size_t>(k)];
            if (z.titel)
                Text(Auszeichnung, g.titelX, k, z.titel);
            Text(UntenMitte, g.doppelpunktX, k, ":");
            Text(UntenRechts, g.wertX, k, m_daten.GetZeile(z.feld));
            Text(UntenLinks, g.wertX, k, z.einheit);
        }
}

// A double line between the columns, thin lines under the rows, strong ones closing the
// description, the settlements and their mean.
void CDynPlattenSeite::Blocklinien()
{
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0, 30, 12);
    for (int k = 1; k <= PunkteJeBlock; ++k) {
        Linie(5 * k, 0, 5 * k, 12);
        Linie(5 * k - 0.1, 0, 5 * k - 0.1, 12);
    }
    WaehleStift(FeinerStift);
    Linie(3, 5, 3, 12);
    for (int y : {2, 4, 6, 7, 8, 9, 10, 11})
        Linie(0, y, 30, y);
    WaehleStift(KraeftigerStift);
    for (int y : {5, 8, 9})
        Linie(0, y, 30, y);
}

void CDynPlattenSeite::Blockbeschriftungen()
{
    WaehleSchrift(Normal);
    for (int i = 1; i <= 3; ++i)
        Text(UntenLinks, 0, 2 * i - 1, m_druck.Texte.HoleText("KOPFBLOCK1", i));
    for (const Blockbeschriftung& b : kMesszeilen) {
        WaehleSchrift(b.fett ? Fett : Normal);
        Text(b.code, 0, b.y, b.text);
        Text(UntenMitte, 4, b.y, b.einheit);
    }
}

void CDynPlattenSeite::Zweizeilig(int feld, int punkt, double x, double y)
{
    const std::string wert = Wert(feld, punkt);
    Text(UntenMitte, x, y, Zeilenstueck(wert, 0));
    Text(UntenMitte, x, y + 1, Zeilenstueck(wert, 1));
}

void CDynPlattenSeite::Blockwerte(int block)
{
    const int erster = PunkteJeBlock * block;
    for (int j = 0; j < PunkteJeBlock; ++j) {
        Zweizeilig(StationFeld, erster + j, SpaltenMitte(j), 1);
        Zweizeilig(SchichtFeld, erster + j, SpaltenMitte(j), 3);
    }
    for (int feld = LageFeld; feld <= LetztesWertFeld; ++feld) {
        WaehleSchrift(feld == EvdIstFeld ? Fett : Normal);
        for (int j = 0; j < PunkteJeBlock; ++j)
            Text(UntenMitte, SpaltenMitte(j), feld + 3, Wert(feld, erster + j));
    }
    WaehleSchrift(Normal);
    for (int j = 0; j < PunkteJeBlock; ++j)
        Text(UntenMitte, SpaltenMitte(j), 12, Wert(TvFeld, erster + j));
}

void CDynPlattenSeite::Pruefpunkte(int block)
{
    m_druck.Abbildung.SetzeUrsprung(0, 25 + 15 * block);
    Blocklinien();
    Blockbeschriftungen();
    Blockwerte(block);
}

} // namespace

void CProtokollDruck::DruckeLastplatte(CDC& dc, RECT, const std::string& tabellenDaten,
                                       const std::string&, const std::string& titel)
{
    CDynPlattenSeite seite(*this, dc, tabellenDaten, titel);
    seite.Geraetedaten();
    for (int block = 0; block < Bloecke; ++block)
        seite.Pruefpunkte(block);
}
