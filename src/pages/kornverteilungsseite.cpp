// Page 1 of the grain-size distribution report: sieve table, test information, the table of
// characteristic values and the grain-size diagram. Every value is printed as stored. Positions
// are page-grid units relative to the origin of each block.

#include "diagrams/kornverteilungsdiagramm.h"
#include "diagrams/siebreihenfolge.h"
#include "pages/seitenkoerper.h"
#include "report/druckdaten.h"
#include "report/protokolldruck.h"

namespace {

constexpr int Normal = 0, Titelschrift = 3, SenkrechteSchrift = 6, Symbolschrift = 8;
constexpr int FeinerStift = 0, KraeftigerStift = 1, GepunkteterStift = 4;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, UntenRechts = 9, Dezimal = 12, AuszeichnungMitte = 33;

constexpr int Siebe = 16; // rows below the pan
constexpr int Kennwertzeilen = 18;

struct Strecke
{
    double x1, y1, x2, y2;
    int stift;
};

struct Beschriftung
{
    const char* text;
    double x, y;
};

// A column of the sieve table: sub-values von .. 16 of a field, sub-value i on row i + 2.
struct Siebspalte
{
    double x;
    int feld;
    int von;
};

// Vertical lines of the sieve table after its frame, its rows and the line under the head.
constexpr Strecke Siebtabellenlinien[] = {
    {0, 1, 10, 1, KraeftigerStift},  {10, 2, 16, 2, KraeftigerStift},
    {3, -1, 3, 18, KraeftigerStift}, {6, 0, 6, 18, FeinerStift},
    {8, -1, 8, 1, KraeftigerStift},  {10, 0, 10, 18, KraeftigerStift},
    {8, 1, 8, 18, FeinerStift},      {12, 1, 12, 18, FeinerStift},
    {14, 1, 14, 18, FeinerStift},
};

constexpr Beschriftung Siebtabellenkoepfe[] = {
    {"Siebweite", 1.5, 0},
    {"[mm]", 1.5, 1},
    {"Schale", 1.5, 2},
    {"Siebrückstand", 5.5, 0},
    {"[g]", 4.5, 1},
    {"[M.-%]", 7, 1},
    {"Siebdurchgangssummen", 12, 0},
    {"[M.-%]", 9, 1},
    {"--", 9.25, 2},
    {"Grenzwerte [M.-%]", 13, 1},
    {"min", 11, 2},
    {"max", 13, 2},
    {"Abw.", 15, 2},
};

// Sizes, residue in g and in %, passing, lower and upper limit, deviation; the pan row has no
// size, passing or limits.
constexpr Siebspalte Siebspalten[] = {
    {1.5, 0, 1}, {5, 1, 0}, {7, 2, 0}, {9.25, 3, 1}, {11.5, 4, 1}, {13.5, 5, 1}, {15.5, 6, 1},
};

class CKornverteilungsSeite : private CSeitenkoerper
{
public:
    CKornverteilungsSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten)
        : CSeitenkoerper(druck, dc, CDruckDaten(tabellenDaten))
    {
    }

    void Siebtabelle();
    void Titel(const std::string& titel);
    void Versuchsangaben();
    void Kennwerte();
    void Diagramm(const std::string& diagrammDaten);

private:
    // Fields 17, 18 and 19; there is none without field 18.
    std::string Sieblinienbereich() const { return Feld(17) + "  " + Feld(18) + "/" + Feld(19); }
    bool HatSieblinienbereich() const { return !Feld(18).empty(); }
    void Zeilenlinien(double x1, double x2);
};

// The thin lines between the rows of both tables.
void CKornverteilungsSeite::Zeilenlinien(double x1, double x2)
{
    WaehleStift(FeinerStift);
    for (int y = 0; y < Kennwertzeilen; ++y)
        Linie(x1, y, x2, y);
}

void CKornverteilungsSeite::Siebtabelle()
{
    WaehleStift(KraeftigerStift);
    WaehleSchrift(Normal);
    Ursprung(0, 23);
    Rechteck(0, -1, 16, 18);
    Zeilenlinien(0, 16);
    for (const Strecke& s : Siebtabellenlinien) {
        WaehleStift(s.stift);
        Linie(s.x1, s.y1, s.x2, s.y2);
    }
    for (const Beschriftung& b : Siebtabellenkoepfe)
        Text(UntenMitte, b.x, b.y, b.text);
    // Missing sieves leave their cells empty; the rows never move up.
    for (const Siebspalte& spalte : Siebspalten)
        for (int i = spalte.von; i <= Siebe; ++i)
            Text(Dezimal, spalte.x, i + 2, Wert(spalte.feld, i));
}

void CKornverteilungsSeite::Titel(const std::string& titel)
{
    WaehleSchrift(Titelschrift);
    Ursprung(0, 16);
    Text(UntenLinks, 0, 0.4, titel);
    WaehleSchrift(Normal);
}

void CKornverteilungsSeite::Versuchsangaben()
{
    Ursprung(0, 18);
    Text(UntenLinks, 0, 0, "Arbeitsweise");
    Text(UntenMitte, 5, 0, ":");
    Text(UntenLinks, 5, 0, Feld(9));
    Text(UntenLinks, 0, 1, "Sieblinienbereich für");
    Text(UntenMitte, 5, 1, ":");
    if (HatSieblinienbereich())
        Text(UntenLinks, 5, 1, Sieblinienbereich());
    // Masses right-aligned before their unit.
    const std::pair<const char*, int> massen[] = {{"Siebverlust", 8}, {"Einwaage", 7}};
    double y = 2.5;
    for (const auto& [name, feld] : massen) {
        Text(UntenLinks, 0, y, name);
        Text(UntenMitte, 3, y, ":");
        Text(UntenRechts, 5.5, y, Feld(feld));
        Text(UntenLinks, 5.5, y, "g");
        y += 1;
    }
}

// Name, symbol, unit and value of 18 characteristic values in a fixed order; a value without a
// name keeps its row blank.
void CKornverteilungsSeite::Kennwerte()
{
    Ursprung(17, 23);
    Zeilenlinien(-0.85, 13);
    Linie(5.5, -1, 5.5, 18);
    Linie(7.5, -1, 7.5, 18);
    WaehleStift(KraeftigerStift);
    Rechteck(-0.85, -1, 13, 18);
    Linie(9.5, -1, 9.5, 18);
    for (int k = 0; k < Kennwertzeilen; ++k) {
        const int j = Siebreihenfolge[static_cast<std::size_t>(k)];
        const std::string name = Wert(12, j);
        if (name.empty())
            continue;
        Text(UntenLinks, -0.8, k, name);
        Text(AuszeichnungMitte, 6.5, k, Wert(13, j));
        Text(UntenMitte, 8.5, k, Wert(14, j));
        Text(Dezimal, 11, k, Wert(15, j));
    }
}

void CKornverteilungsSeite::Diagramm(const std::string& diagrammDaten)
{
    Ursprung(0, 41);
    if (HatSieblinienbereich()) {
        Text(UntenLinks, 3, 1.8, "Sieblinienbereich für");
        Text(UntenLinks, 7.2, 1.8, Sieblinienbereich());
    }
    Rechteck(0, 0.27, 30, 22.1);
    const RECT rechteck = Geraeteflaeche(3, 2.27, 29, 19.1);
    ZeichneKornverteilungsDiagramm(m_dc, rechteck, diagrammDaten, m_druck.Texte,
                                   m_druck.Stifte[KraeftigerStift],
                                   m_druck.Stifte[GepunkteterStift], m_druck.Schriften[Normal],
                                   m_druck.Schriften[SenkrechteSchrift], false);
}

} // namespace

void CProtokollDruck::DruckeKornsummenlinie(CDC& dc, RECT, const std::string& tabellenDaten,
                                            const std::string& diagrammDaten,
                                            const std::string& titel)
{
    Abbildung.SetzeTextSchriften(&Schriften[Normal], &Schriften[Symbolschrift], 50);
    CKornverteilungsSeite seite(*this, dc, tabellenDaten);
    seite.Siebtabelle();
    seite.Titel(titel);
    seite.Versuchsangaben();
    seite.Kennwerte();
    seite.Diagramm(diagrammDaten);
}
