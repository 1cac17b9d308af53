// Page 1 of the Atterberg limits report: the liquid limit, plastic limit, natural water content
// and oversize tables, the index values and four diagrams. Every value is printed as stored;
// water contents, limits and their "[-]" units pass through the percent setting.

#include "data/pfade.h"
#include "diagrams/fliessgrenzendiagramm.h"
#include "diagrams/plastizitaetsdiagramm.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "report/protokolldruck.h"

#include <array>
#include <span>

namespace {

constexpr int Normal = 0, Fett = 1, SenkrechteSchrift = 6;
constexpr int FeinerStift = 0, KraeftigerStift = 1, GepunkteterStift = 4;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, Auszeichnung = 22, AuszeichnungLinks = 32;
constexpr double EinheitX = 4.55;

struct Beschriftung
{
    int code;
    double x, y;
    const char* text;
};

// A unit in the unit column; fractions' units pass through the percent setting.
struct Einheit
{
    double y;
    const char* text;
    bool alsAnteil;
};

// A row of per-test values: consecutive sub-values of one field, in columns two units wide.
struct Messreihe
{
    int feld;
    double y;
    bool alsAnteil;
};

// A single value: field `feld`, sub-value 0.
struct Einzelwert
{
    int feld;
    double x, y;
    bool alsAnteil;
};

constexpr std::array<Beschriftung, 5> FliessgrenzeTexte{{
    {Auszeichnung, 0, 2, "mT (Taramasse)"},
    {Auszeichnung, 0, 3, "mT + m<t>f"},
    {Auszeichnung, 0, 4, "mT + m<t>d"},
    {UntenLinks, 0, 5, "w"},
    {UntenLinks, 0, 6, "Schlagzahl"},
}};
constexpr std::array<Einheit, 5> FliessgrenzeEinheiten{{
    {2, "[g]", false},
    {3, "[g]", false},
    {4, "[g]", false},
    {5, "[-]", true},
    {6, "[Stk]", false},
}};
constexpr std::array<Messreihe, 5> FliessgrenzeReihen{{
    {0, 2, false},
    {1, 3, false},
    {2, 4, false},
    {3, 5, true},
    {4, 6, false},
}};

constexpr std::array<Beschriftung, 4> AusrollgrenzeTexte{{
    {UntenLinks, 0, 2, "mT (Taramasse)"},
    {Auszeichnung, 0, 3, "mT + m<t>f"},
    {Auszeichnung, 0, 4, "mT + m<t>d"},
    {UntenLinks, 0, 5, "w"},
}};
constexpr std::array<Einheit, 4> AusrollgrenzeEinheiten{{
    {2, "[g]", false},
    {3, "[g]", false},
    {4, "[g]", false},
    {5, "[-]", true},
}};
constexpr std::array<Messreihe, 4> MassenUndWassergehalt{{
    {0, 2, false},
    {1, 3, false},
    {2, 4, false},
    {3, 5, true},
}};

constexpr std::array<Beschriftung, 5> WassergehaltTexte{{
    {UntenLinks, 0.2, 2, "mT (Taramasse)"},
    {Auszeichnung, 0.2, 3, "mT + m<t>f"},
    {Auszeichnung, 0.2, 4, "mT + m<t>d"},
    {Auszeichnung, 0.2, 5, "w<t>nat"},
    {Auszeichnung, 0.2, 6, "w<t>nat <n> i.M."},
}};
constexpr std::array<Einheit, 5> WassergehaltEinheiten{{
    {2, "[g]", false},
    {3, "[g]", false},
    {4, "[g]", false},
    {5, "[-]", true},
    {6, "[-]", true},
}};

constexpr std::array<Beschriftung, 5> UeberkornTexte{{
    {Auszeichnung, 0.2, 2.25, "m<t>d"},
    {Auszeichnung, 0.2, 3.25, "m<t>ü <n>> 0,4 mm"},
    {Auszeichnung, 0.2, 4.25, "w<t>ü <n>> 0,4 mm"},
    {Auszeichnung, 0.2, 5.25, "ü    > 0,4 mm"},
    {Auszeichnung, 0.2, 6.25, "w<t>nat <n>< 0,4 mm"},
}};
constexpr std::array<Einheit, 5> UeberkornEinheiten{{
    {2.25, "[g]", false},
    {3.25, "[g]", false},
    {4.25, "[-]", true},
    {5.25, "[-]", true},
    {6.25, "[-]", true},
}};
constexpr std::array<Einzelwert, 4> UeberkornWerte{{
    {15, 6.2, 2.25, false},
    {16, 6.2, 3.25, false},
    {17, 6.2, 4.25, true},
    {18, 6.2, 5.25, true},
}};

constexpr std::array<Beschriftung, 12> KennwertTexte{{
    {UntenLinks, 0.2, 2.25, "nat. Wassergehalt"},
    {UntenLinks, 0.2, 3.25, "Fließgrenze"},
    {UntenLinks, 0.2, 4.25, "Ausrollgrenze"},
    {UntenLinks, 0.2, 5.25, "Plastizitätszahl"},
    {UntenLinks, 0.2, 6.25, "Konsistenzzahl"},
    {UntenLinks, 0.2, 7.25, "Liquiditätszahl"},
    {AuszeichnungLinks, 6, 2.25, "w<t>nat"},
    {UntenMitte, 6, 3.25, "wl"},
    {UntenMitte, 6, 4.25, "wp"},
    {UntenMitte, 6, 5.25, "Ip"},
    {UntenMitte, 6, 6.25, "Ic"},
    {UntenMitte, 6, 7.25, "IL"},
}};
// Ic and IL are indices: their units stay "[-]".
constexpr std::array<Einheit, 6> KennwertEinheiten{{
    {2.25, "[-]", true},
    {3.25, "[-]", true},
    {4.25, "[-]", true},
    {5.25, "[-]", true},
    {6.25, "[-]", false},
    {7.25, "[-]", false},
}};
constexpr std::array<Einzelwert, 6> KennwertWerte{{
    {7, 9, 2.25, true},
    {8, 9, 3.25, true},
    {9, 9, 4.25, true},
    {10, 9, 5.25, true},
    {11, 9, 6.25, false},
    {12, 9, 7.25, false},
}};

using Diagrammroutine = void (*)(CDC&, RECT, const std::string&, const CTextKatalog&, const CPen&,
                                 const CPen&, const CFont&, const CFont&, bool);

struct Diagramm
{
    Diagrammroutine routine;
    double ursprungX, ursprungY;
    double rahmen[4];   // left, top, right, bottom on the page grid
    double rechteck[4]; // the diagram's own rectangle
};

constexpr std::array<Diagramm, 4> Diagramme{{
    {ZeichneFliessgrenzenDiagramm, 0, 23.0, {0, 0.25, 19, 10.7}, {2, 2.5, 18.5, 8.95}},
    {ZeichneAusrollgrenzenDiagramm, 0, 39.0, {0, 0.25, 15, 6}, {0.5, 2.5, 14.5, 3.5}},
    {ZeichneKonsistenzBalken, 15, 39.0, {0.2, 0.25, 15, 6}, {0.7, 1.5, 14.5, 3.5}},
    {ZeichnePlastizitaetsDiagramm, 0, 45.0, {0, 0.25, 19, 18.75}, {2, 1, 18.5, 16.25}},
}};

class CKonsistenzSeite : private CSeitenkoerper
{
public:
    CKonsistenzSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten,
                     const std::string& titel)
        : CSeitenkoerper(druck, dc, BeginneSeitenkoerper(druck, dc, tabellenDaten, titel, true))
    {
    }

    void Fliessgrenze();
    void Ausrollgrenze();
    void NatuerlicherWassergehalt();
    void Ueberkorn();
    void Kennwerte(const std::string& titel);
    void Diagramme(const std::string& diagrammDaten);

private:
    CSeitenAbbildung& A() { return m_druck.Abbildung; }
    static std::string Anteil(const std::string& text, bool alsAnteil)
    {
        return alsAnteil ? g_pfade.FormatiereAnteil(text) : text;
    }

    void Raster(double links, double rechts, double unten, std::span<const double> zeilen,
                std::span<const double> spalten, double spaltenBis);
    void Texte(std::span<const Beschriftung> texte);
    void Einheiten(std::span<const Einheit> einheiten);
    void Reihen(std::span<const Messreihe> reihen, int ersterUnterwert, int anzahl);
    void Werte(std::span<const Einzelwert> werte);
};

// A block's fine grid: lines across at `zeilen` and verticals at `spalten` from the head line
// (one below the block's top) to `spaltenBis`. The unit column's border runs to the bottom.
void CKonsistenzSeite::Raster(double links, double rechts, double unten,
                              std::span<const double> zeilen, std::span<const double> spalten,
                              double spaltenBis)
{
    const double kopf = zeilen.front() - 1;
    WaehleStift(FeinerStift);
    for (double y : zeilen)
        A().Linie(links, y, rechts, y);
    for (double x : spalten)
        A().Linie(x, kopf, x, spaltenBis);
    A().Linie(4, kopf, 4, unten);
    WaehleStift(KraeftigerStift);
    A().Linie(5, kopf, 5, unten);
}

void CKonsistenzSeite::Texte(std::span<const Beschriftung> texte)
{
    for (const Beschriftung& t : texte)
        A().TextAusgabe(t.code, t.x, t.y, t.text);
}

void CKonsistenzSeite::Einheiten(std::span<const Einheit> einheiten)
{
    for (const Einheit& e : einheiten)
        A().TextAusgabe(UntenMitte, EinheitX, e.y, Anteil(e.text, e.alsAnteil));
}

void CKonsistenzSeite::Reihen(std::span<const Messreihe> reihen, int ersterUnterwert, int anzahl)
{
    for (const Messreihe& r : reihen)
        for (int c = 0; c < anzahl; ++c)
            A().TextAusgabe(UntenMitte, 6 + 2 * c, r.y,
                            Anteil(m_daten.GetText(r.feld, ersterUnterwert + c), r.alsAnteil));
}

void CKonsistenzSeite::Werte(std::span<const Einzelwert> werte)
{
    for (const Einzelwert& w : werte)
        A().TextAusgabe(UntenMitte, w.x, w.y, Anteil(m_daten.GetText(w.feld, 0), w.alsAnteil));
}

// Seven tests at decreasing water content, with their blow counts.
void CKonsistenzSeite::Fliessgrenze()
{
    A().SetzeUrsprung(0, 17.0);
    WaehleSchrift(Normal);
    WaehleStift(KraeftigerStift);
    A().Rechteck(0, 0, 19, 6);
    A().Linie(0, 1, 19, 1);
    constexpr double zeilen[] = {2, 3, 4, 5};
    constexpr double spalten[] = {5, 7, 9, 11, 13, 15, 17};
    Raster(0, 19, 6, zeilen, spalten, 6);

    WaehleSchrift(Fett);
    A().TextAusgabe(Auszeichnung, 0, 1, "Fließgrenze wl");
    WaehleSchrift(Normal);
    Texte(FliessgrenzeTexte);
    Reihen(FliessgrenzeReihen, 0, 7);
    Einheiten(FliessgrenzeEinheiten);
}

// Five rolling tests: sub-values 10 to 14.
void CKonsistenzSeite::Ausrollgrenze()
{
    A().SetzeUrsprung(0, 34.0);
    WaehleSchrift(Normal);
    WaehleStift(KraeftigerStift);
    A().Rechteck(0, 0, 15, 5);
    A().Linie(0, 1, 15, 1);
    constexpr double zeilen[] = {2, 3, 4};
    constexpr double spalten[] = {5, 7, 9, 11, 13};
    Raster(0, 15, 5, zeilen, spalten, 5);

    WaehleSchrift(Fett);
    A().TextAusgabe(UntenLinks, 0, 1, "Ausrollgrenze wp");
    WaehleSchrift(Normal);
    Texte(AusrollgrenzeTexte);
    Reihen(MassenUndWassergehalt, 10, 5);
    Einheiten(AusrollgrenzeEinheiten);
}

// Three samples, sub-values 7 to 9, and their mean in one wide cell.
void CKonsistenzSeite::NatuerlicherWassergehalt()
{
    A().SetzeUrsprung(19, 17.0);
    WaehleSchrift(Normal);
    WaehleStift(KraeftigerStift);
    A().Rechteck(0.2, 0, 11, 6);
    A().Linie(0.2, 1, 11, 1);
    constexpr double zeilen[] = {2, 3, 4, 5};
    constexpr double spalten[] = {5, 7, 9};
    Raster(0.2, 11, 6, zeilen, spalten, 5);

    WaehleSchrift(Fett);
    A().TextAusgabe(Auszeichnung, 0.2, 1, "natürlicher Wassergehalt  w<t>nat");
    WaehleSchrift(Normal);
    Texte(WassergehaltTexte);
    Reihen(MassenUndWassergehalt, 7, 3);
    A().TextAusgabe(UntenMitte, 8, 6, Anteil(m_daten.GetText(5, 0), true));
    Einheiten(WassergehaltEinheiten);
}

// The oversize grain above 0.4 mm, and the water content of the rest in a row as wide as the
// table above.
void CKonsistenzSeite::Ueberkorn()
{
    A().SetzeUrsprung(19, 23.0);
    WaehleSchrift(Normal);
    WaehleStift(KraeftigerStift);
    A().Rechteck(0.2, 0.25, 7, 5.25);
    A().Linie(0.2, 1.25, 7, 1.25);
    constexpr double zeilen[] = {2.25, 3.25, 4.25};
    constexpr double spalten[] = {5};
    Raster(0.2, 7, 6.25, zeilen, spalten, 4.25);

    WaehleSchrift(Fett);
    A().TextAusgabe(UntenLinks, 0.2, 1.25, "Überkorn [<25%]");
    WaehleSchrift(Normal);
    Texte(UeberkornTexte);
    Werte(UeberkornWerte);
    Einheiten(UeberkornEinheiten);
    A().Rechteck(0.2, 5.25, 11, 6.25);
    A().TextAusgabe(UntenMitte, 8, 6.25, Anteil(m_daten.GetText(19, 0), true));
}

// Headed by the report title; the last two rows stay empty.
void CKonsistenzSeite::Kennwerte(const std::string& titel)
{
    A().SetzeUrsprung(19, 45.0);
    WaehleSchrift(Normal);
    WaehleStift(KraeftigerStift);
    A().Rechteck(0.2, 0.25, 11, 10.25);
    A().Linie(0.2, 1.25, 11, 1.25);
    constexpr double zeilen[] = {2.25, 3.25, 4.25, 5.25, 6.25, 7.25, 8.25, 9.25};
    constexpr double spalten[] = {5, 7};
    Raster(0.2, 11, 10.25, zeilen, spalten, 10.25);

    WaehleSchrift(Fett);
    A().TextAusgabe(UntenLinks, 0.2, 1.25, titel);
    WaehleSchrift(Normal);
    Texte(KennwertTexte);
    Einheiten(KennwertEinheiten);
    Werte(KennwertWerte);
}

void CKonsistenzSeite::Diagramme(const std::string& diagrammDaten)
{
    for (const Diagramm& d : ::Diagramme) {
        A().SetzeUrsprung(d.ursprungX, d.ursprungY);
        A().Rechteck(d.rahmen[0], d.rahmen[1], d.rahmen[2], d.rahmen[3]);
        const RECT rechteck{A().TransformiereX(d.rechteck[0]), A().TransformiereY(d.rechteck[1]),
                            A().TransformiereX(d.rechteck[2]), A().TransformiereY(d.rechteck[3])};
        d.routine(m_dc, rechteck, diagrammDaten, m_druck.Texte, m_druck.Stifte[KraeftigerStift],
                  m_druck.Stifte[GepunkteterStift], m_druck.Schriften[Normal],
                  m_druck.Schriften[SenkrechteSchrift], false);
    }
    A().SetzeUrsprung(0, 50.0);
}

} // namespace

void CProtokollDruck::DruckeZustandsgrenzen(CDC& dc, RECT, const std::string& tabellenDaten,
                                            const std::string& diagrammDaten,
                                            const std::string& titel)
{
    CKonsistenzSeite seite(*this, dc, tabellenDaten, titel);
    seite.Fliessgrenze();
    seite.Ausrollgrenze();
    seite.NatuerlicherWassergehalt();
    seite.Ueberkorn();
    seite.Kennwerte(titel);
    seite.Diagramme(diagrammDaten);
}
