// Page 1 of the Proctor test report. Every value is printed as stored; fractions pass through the
// percent setting. Positions are page-grid units relative to the origin of each block.

#include "data/pfade.h"
#include "diagrams/proctordiagramm.h"
#include "pages/seitenkoerper.h"
#include "report/druckdaten.h"
#include "report/protokolldruck.h"

#include <span>

namespace {

constexpr int Teilversuche = 10;
constexpr int Normal = 0, Fett = 1, SenkrechteSchrift = 6;
constexpr int FeinerStift = 0, KraeftigerStift = 1, GepunkteterStift = 4;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, UntenRechts = 9, Auszeichnung = 22,
              AuszeichnungRechts = 32;

// A row of the test table whose caption, symbol and unit are fixed texts.
struct Messzeile
{
    double y;
    const char* titel;
    int titelCode;
    const char* symbol;
    int symbolCode;
    const char* einheit;
    int feld;
};

class CProctorSeite : private CSeitenkoerper
{
public:
    CProctorSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten,
                  const std::string& titel)
        : CSeitenkoerper(druck, dc, BeginneSeitenkoerper(druck, dc, tabellenDaten, titel, true))
    {
    }

    void Versuchszylinder();
    void Taramassen();
    void Zylindermassen();
    void Ueberkorn();
    void KorrigierteWerte();
    void Korndichte();
    void Verdichtungsgrade();
    void Diagramm(const std::string& diagrammDaten);

private:
    std::string Katalog(const char* schluessel, int feld) const
    {
        return m_druck.Texte.HoleText(schluessel, feld);
    }
    static std::string Anteil(const std::string& text) { return g_pfade.FormatiereAnteil(text); }

    void Senkrechte(int xVon, int xBis, int schritt, double y1, double y2);
    void Beschriftung(const char* schluessel, double y, bool fetterTitel, bool einheitAlsAnteil);
    void Teilversuchswerte(int feld, double y, bool rechtsbuendig, bool alsAnteil);
    void Messzeilen(std::span<const Messzeile> zeilen);
};

void CProctorSeite::Senkrechte(int xVon, int xBis, int schritt, double y1, double y2)
{
    for (int x = xVon; x <= xBis; x += schritt)
        Linie(x, y1, x, y2);
}

// Caption, symbol and unit of a catalogue quantity on the row that ends at y.
void CProctorSeite::Beschriftung(const char* schluessel, double y, bool fetterTitel,
                                 bool einheitAlsAnteil)
{
    if (fetterTitel)
        WaehleSchrift(Fett);
    Text(UntenLinks, 0, y, Katalog(schluessel, 0));
    if (fetterTitel)
        WaehleSchrift(Normal);
    Text(Auszeichnung, 6, y, Katalog(schluessel, 1));
    const std::string einheit = Katalog(schluessel, 2);
    Text(UntenRechts, 10, y, einheitAlsAnteil ? Anteil(einheit) : einheit);
}

// The values of the ten partial tests: masses right-aligned in their column, the rest centred.
void CProctorSeite::Teilversuchswerte(int feld, double y, bool rechtsbuendig, bool alsAnteil)
{
    for (int i = 0; i < Teilversuche; ++i) {
        const std::string wert = alsAnteil ? Anteil(Wert(feld, i)) : Wert(feld, i);
        if (rechtsbuendig)
            Text(UntenRechts, 12 + 2 * i, y, wert);
        else
            Text(UntenMitte, 11 + 2 * i, y, wert);
    }
}

void CProctorSeite::Versuchszylinder()
{
    Ursprung(0, 17);
    WaehleStift(KraeftigerStift);
    WaehleSchrift(Normal);
    Rechteck(0, 0, 30, 4);
    Linie(10, 1, 30, 1);
    WaehleStift(FeinerStift);
    Linie(10, 2, 30, 2);
    WaehleStift(KraeftigerStift);
    Linie(0, 3, 30, 3);
    Linie(0, 4, 30, 4);
    Linie(10, 0, 10, 4);
    WaehleStift(FeinerStift);
    Senkrechte(12, 28, 2, 1, 4);
    WaehleStift(KraeftigerStift);
    Linie(18, 0, 18, 4);
    Linie(22, 0, 22, 4);

    WaehleSchrift(Fett);
    Text(UntenLinks, 0, 1, "Versuchszylinder / Verdichtungsgerät");
    WaehleSchrift(Normal);
    Text(UntenMitte, 14, 1, "Versuchszylinder");
    Text(UntenMitte, 20, 1, "Verdichtungsgerät");
    Text(UntenMitte, 26, 1, "Versuchsbedingungen");
    for (int j = 0; j < Teilversuche; ++j) {
        const double x = 11 + 2 * j;
        // The six dimensions carry mark-up symbols, the four conditions plain words.
        Text(j <= 5 ? AuszeichnungRechts : UntenMitte, x, 2, Katalog("PROCTOR_ZYLINDER_DATEN", j));
        Text(UntenMitte, x, 3, Katalog("PROCTOR_ZYLINDER_EINHEITEN", j));
    }
    WaehleSchrift(Fett);
    Text(UntenLinks, 0, 4, Feld(25));
    Text(UntenLinks, 0, 2, Feld(25));
    WaehleSchrift(Normal);
    for (int j = 0; j < Teilversuche; ++j)
        Text(UntenMitte, 11 + 2 * j, 4, Feld(26 + j));
}

// The moist row shows field 2 and the dry row field 1.
constexpr Messzeile Tarazeilen[] = {
    {2.3, "Taramasse", UntenLinks, "mT", UntenLinks, "[g]", 0},
    {3.3, "Taramasse + Feuchtmasse", UntenLinks, "mT + m<t>f", Auszeichnung, "[g]", 2},
    {4.3, "Taramasse + Trockenmasse", UntenLinks, "mT + m<t>d", Auszeichnung, "[g]", 1},
};

constexpr Messzeile Zylinderzeilen[] = {
    {2.6, "Höhe der Probe", UntenLinks, "h", Auszeichnung, "[mm]", 5},
    {3.6, "Volumen der Probe", UntenLinks, "V", Auszeichnung, "[cm³]", 6},
    {4.6, "Feuchtmasse    + m<t>z", Auszeichnung, "m<t>z<n> + m<t>f", Auszeichnung, "[g]", 7},
    {5.6, "Trockenmasse  + m<t>z", Auszeichnung, "m<t>z<n> + m<t>d", Auszeichnung, "[g]", 8},
};

// Fixed caption, symbol and unit, and the masses of the ten partial tests right-aligned.
void CProctorSeite::Messzeilen(std::span<const Messzeile> zeilen)
{
    for (const Messzeile& z : zeilen) {
        Text(z.titelCode, 0, z.y, z.titel);
        Text(z.symbolCode, 6, z.y, z.symbol);
        Text(UntenRechts, 10, z.y, z.einheit);
        Teilversuchswerte(z.feld, z.y, true, false);
    }
}

void CProctorSeite::Taramassen()
{
    Ursprung(0, 21);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0.3, 30, 5.3);
    Linie(0, 1.3, 30, 1.3);
    WaehleStift(FeinerStift);
    Linie(0, 2.3, 30, 2.3);
    Linie(0, 3.3, 30, 3.3);
    WaehleStift(KraeftigerStift);
    Linie(0, 4.3, 30, 4.3);
    Senkrechte(10, 28, 2, 0.3, 5.3);

    WaehleSchrift(Normal);
    for (int i = 0; i < Teilversuche; ++i)
        Text(UntenMitte, 11 + 2 * i, 1.3, Katalog("PROCTOR_VERSUCHSNUMMERN", i));
    Messzeilen(Tarazeilen);
    Beschriftung("WASSERGEHALT", 5.3, true, true);
    Teilversuchswerte(3, 5.3, false, true);
}

void CProctorSeite::Zylindermassen()
{
    Ursprung(0, 26);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0.6, 30, 7.6);
    WaehleStift(FeinerStift);
    for (double y : {1.6, 2.6, 3.6, 4.6, 5.6})
        Linie(0, y, 30, y);
    WaehleStift(KraeftigerStift);
    Linie(0, 6.6, 30, 6.6);
    Senkrechte(10, 28, 2, 0.6, 7.6);

    WaehleSchrift(Normal);
    Beschriftung("PROCTOR_ZYLINDER_MASSE", 1.6, false, false);
    Teilversuchswerte(4, 1.6, true, false);
    Messzeilen(Zylinderzeilen);
    Beschriftung("DICHTE_FEUCHT", 6.6, false, false);
    Teilversuchswerte(9, 6.6, false, false);
    Beschriftung("DICHTE_TROCKEN", 7.6, true, false);
    Teilversuchswerte(10, 7.6, false, false);
}

void CProctorSeite::Ueberkorn()
{
    Ursprung(0, 34);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0, 12, 3);
    WaehleStift(FeinerStift);
    Linie(0, 1, 12, 1);
    Linie(0, 2, 12, 2);
    WaehleStift(KraeftigerStift);
    Linie(10, 0, 10, 3);

    WaehleSchrift(Normal);
    Beschriftung("UEBERKORN_ANTEIL", 1, false, true);
    Text(UntenMitte, 11, 1, Anteil(Feld(11)));
    Beschriftung("UEBERKORN_WASSERGEHALT", 2, false, true);
    Text(UntenMitte, 11, 2, Anteil(Feld(12)));
    Beschriftung("UEBERKORN_DICHTE", 3, false, false);
    Text(UntenMitte, 11, 3, Feld(13));
}

void CProctorSeite::KorrigierteWerte()
{
    Ursprung(0, 37);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0.5, 30, 2.5);
    WaehleStift(FeinerStift);
    Linie(0, 1.5, 30, 1.5);
    WaehleStift(KraeftigerStift);
    Senkrechte(10, 28, 2, 0.5, 2.5);

    Beschriftung("DICHTE_TROCKEN_KORR", 1.5, true, false);
    Teilversuchswerte(15, 1.5, false, false);
    Beschriftung("WASSERGEHALT_KORR", 2.5, true, true);
    Teilversuchswerte(14, 2.5, false, true);
}

// In the top right corner of the diagram frame.
void CProctorSeite::Korndichte()
{
    Ursprung(22, 40);
    WaehleStift(KraeftigerStift);
    WaehleSchrift(Normal);
    Text(UntenLinks, 0, 1.1, Katalog("DICHTE_KORN", 0));
    Text(Auszeichnung, 2.5, 1.1, Katalog("DICHTE_KORN", 1));
    Text(UntenRechts, 6, 1.1, Katalog("DICHTE_KORN", 2));
    Text(UntenMitte, 7, 1.1, Feld(16));
}

void CProctorSeite::Verdichtungsgrade()
{
    Ursprung(0, 58);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0, 30, 5);
    Linie(0, 1, 30, 1);
    Linie(0, 3, 30, 3);
    WaehleStift(FeinerStift);
    Linie(0, 2, 30, 2);
    Linie(0, 4, 30, 4);
    WaehleStift(KraeftigerStift);
    Senkrechte(10, 26, 4, 0, 5);
    WaehleStift(FeinerStift);
    Senkrechte(16, 28, 4, 2, 4);

    WaehleSchrift(Normal);
    Beschriftung("VERDICHTUNGSGRAD", 1, false, false);
    Beschriftung("DICHTE_PROCTOR", 2, false, false);
    Beschriftung("WASSERGEHALT", 3, false, true);
    Beschriftung("ANTEI_POREN_LUFT", 4, false, true);
    Beschriftung("ANTEI_POREN_GESAMMT", 5, false, true);

    // The 100 % column in bold; the fifth column has no head.
    const char* const koepfe[] = {"100", "98", "97", "95", ""};
    for (int k = 0; k < 5; ++k) {
        const double x = 12 + 4 * k;
        WaehleSchrift(k == 0 ? Fett : Normal);
        Text(UntenMitte, x, 1, koepfe[k]);
        Text(UntenMitte, x, 2, Wert(20, k));
        Text(UntenMitte, x, 5, Anteil(Wert(21, k)));
    }
    // Water content and air pores: one value under 100, two under each of 98, 97 and 95.
    WaehleSchrift(Fett);
    Text(UntenMitte, 12, 3, Anteil(Wert(19, 0)));
    Text(UntenMitte, 12, 4, Anteil(Wert(22, 0)));
    WaehleSchrift(Normal);
    for (int j = 1; j <= 6; ++j) {
        Text(UntenMitte, 13 + 2 * j, 3, Anteil(Wert(19, j)));
        Text(UntenMitte, 13 + 2 * j, 4, Anteil(Wert(22, j)));
    }
}

void CProctorSeite::Diagramm(const std::string& diagrammDaten)
{
    Ursprung(0, 40);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0, 30, 17.6);
    // A data text beginning with "|||" holds no chart.
    if (diagrammDaten.starts_with("|||"))
        return;
    const RECT rechteck = Geraeteflaeche(2.5, 1.2, 29, 14.6);
    ZeichneProctorDiagramm(m_dc, rechteck, diagrammDaten, m_druck.Texte,
                           m_druck.Stifte[KraeftigerStift], RGB(0, 0, 0),
                           m_druck.Stifte[GepunkteterStift], m_druck.Schriften[Normal],
                           m_druck.Schriften[SenkrechteSchrift], false);
}

} // namespace

void CProtokollDruck::DruckeProctor(CDC& dc, RECT, const std::string& tabellenDaten,
                                    const std::string& diagrammDaten, const std::string& titel)
{
    CProctorSeite seite(*this, dc, tabellenDaten, titel);
    seite.Versuchszylinder();
    seite.Taramassen();
    seite.Zylindermassen();
    seite.Ueberkorn();
    seite.KorrigierteWerte();
    seite.Korndichte();
    seite.Verdichtungsgrade();
    seite.Diagramm(diagrammDaten);
}
