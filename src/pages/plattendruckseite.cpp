// Page 1 of the static plate load test report: device data, the load and settlement table of the
// three load branches, the load–settlement diagram and the strain moduli. Every value is printed
// as stored. Positions are page-grid units relative to the origin of each block.

#include "diagrams/plattendruckdiagramm.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "platform/text.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <array>

namespace {

constexpr int Normal = 0, Fett = 1, SenkrechteSchrift = 6;
constexpr int FeinerStift = 0, KraeftigerStift = 1, GepunkteterStift = 4;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, UntenRechts = 9, Dezimal = 12, Auszeichnung = 22,
              AuszeichnungRechts = 32;

struct Geraetezeile
{
    const char* linksText;
    int linksFeld;
    const char* linksAnhang;
    const char* rechtsText;
    int rechtsFeld;
};

// The fourth row on the left has no caption, but its colon and value.
constexpr std::array<Geraetezeile, 4> kGeraetezeilen{{
    {"Übersetzungsfaktor   Ü", 25, "", "Gerätetyp", 29},
    {"Plattendurchmesser", 26, " mm", "Gerätenummer", 30},
    {"Plattenunterlage", 27, "", "Aufnehmer", 31},
    {"", 28, "", "Aufnehmernummer", 32},
}};

// One branch of the load table: where its boxes stand, its caption, the field of its point
// count followed by its three value fields, and how many rows its box holds.
struct Abschnitt
{
    double ursprungY;
    double kopfOben;
    double boxUnten;
    const char* titel;
    int anzahlFeld;
    int zeilen;
    bool nullzeile;
};

constexpr std::array<Abschnitt, 3> kAbschnitte{{
    {27, -3, 14, "Erstbelastung", 0, 15, true},
    {43, -2, 4, "Entlastung", 4, 5, false},
    {49, -2, 14, "Zweitbelastung", 8, 15, false},
}};

// Column x of stress, settlement and settlement times transmission factor.
constexpr std::array<double, 3> kWertX{0.7, 3.5, 5.5};

// A text of the results block: fixed, or a field with an optional prefix shown only beside a
// value.
struct Ergebnistext
{
    const char* text;
    int feld; // -1: the fixed text
    double x;
    double y;
    int code;
    bool fett;
};

constexpr std::array<Ergebnistext, 22> kErgebnistexte{{
    {"E<t>v1", -1, 0.5, 2, Auszeichnung, false},
    {"E<t>v2", -1, 0.5, 3, Auszeichnung, false},
    {"a0", -1, 3.5, 1, UntenMitte, false},
    {"", 14, 3.5, 2, Dezimal, false},
    {"", 18, 3.5, 3, Dezimal, false},
    {"a1", -1, 6.5, 1, UntenMitte, false},
    {"", 15, 6.5, 2, Dezimal, false},
    {"", 19, 6.5, 3, Dezimal, false},
    {"a2", -1, 9.5, 1, UntenMitte, false},
    {"", 16, 9.5, 2, Dezimal, false},
    {"", 20, 9.5, 3, Dezimal, false},
    {"E<t>v<n>-Werte [MN/m²]", -1, 12.7, 0, AuszeichnungRechts, false},
    {"IST", -1, 12, 1, UntenMitte, false},
    {"SOLL", -1, 14, 1, UntenMitte, false},
    {"IST", -1, 16, 1, UntenMitte, false},
    {"SOLL", -1, 18, 1, UntenMitte, false},
    {"", 17, 13, 2, UntenRechts, true},
    {"", 21, 13, 3, UntenRechts, true},
    {">=", 34, 15, 3, UntenRechts, false},
    {"E<t>v2<n> / E<t>v1 <n>[-]", -1, 17.3, 0, AuszeichnungRechts, false},
    {"", 22, 16, 2.5, UntenMitte, true},
    {"<=", 35, 18, 2.5, UntenMitte, false},
}};

class CPlattendruckSeite : private CSeitenkoerper
{
public:
    CPlattendruckSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten,
                       const std::string& titel)
        : CSeitenkoerper(druck, dc, BeginneSeitenkoerper(druck, dc, tabellenDaten, titel, true))
    {
    }

    void Geraetedaten();
    void Tabellenkopf();
    void Abschnitte();
    void Ergebnisse();
    void Diagramm(const std::string& diagrammDaten);

private:
    void Lastabschnitt(const Abschnitt& a);
};

void CPlattendruckSeite::Geraetedaten()
{
    Ursprung(0, 18);
    WaehleStift(KraeftigerStift);
    WaehleSchrift(Normal);
    for (std::size_t r = 0; r < kGeraetezeilen.size(); ++r) {
        const Geraetezeile& z = kGeraetezeilen[r];
        const double y = static_cast<double>(r) - 0.2;
        Text(UntenLinks, 0, y, z.linksText);
        Text(UntenMitte, 5, y, ":");
        Text(UntenLinks, 5, y, Feld(z.linksFeld) + z.linksAnhang);
        Text(UntenLinks, 21, y, z.rechtsText);
        Text(UntenMitte, 26, y, ":");
        Text(UntenLinks, 26, y, Feld(z.rechtsFeld));
    }
}

// The head of the load table and the thin lines under every row of its three branches.
void CPlattendruckSeite::Tabellenkopf()
{
    Ursprung(0, 22);
    WaehleStift(FeinerStift);
    for (int y = 0; y <= 40; ++y)
        Linie(0, y, 6, y);
    WaehleStift(KraeftigerStift);
    Rechteck(0, -1, 6, 2);
    Linie(2, -1, 2, 2);
    WaehleStift(FeinerStift);
    Linie(4, 0, 4, 1);
    Text(UntenLinks, 0, 0, "N - Spg.");
    Text(UntenLinks, 3, 0, "Setzung ");
    Text(UntenMitte, 3, 1, "s");
    Text(UntenMitte, 5, 1, "s * Ü");
    Text(UntenMitte, 1, 2, "MN/m²");
    Text(UntenMitte, 4, 2, "0.01 * mm");
}

void CPlattendruckSeite::Lastabschnitt(const Abschnitt& a)
{
    Ursprung(0, a.ursprungY);
    const double boxOben = a.kopfOben + 1;
    WaehleStift(KraeftigerStift);
    Rechteck(0, a.kopfOben, 6, boxOben);
    Rechteck(0, boxOben, 6, a.boxUnten);
    Linie(2, boxOben, 2, a.boxUnten);
    WaehleStift(FeinerStift);
    Linie(4, boxOben, 4, a.boxUnten);
    Text(UntenMitte, 3, boxOben, a.titel);
    // The first loading starts from an unloaded plate.
    if (a.nullzeile)
        for (double x : kWertX)
            Text(Dezimal, x, -1, "0");

    // Rows 0 up to the count are printed, as far as the box reaches.
    const int n = GanzeZahl(Feld(a.anzahlFeld));
    for (int i = 0; i <= n && i < a.zeilen; ++i)
        for (std::size_t spalte = 0; spalte < kWertX.size(); ++spalte)
            Text(Dezimal, kWertX[spalte], i,
                 m_daten.GetText(a.anzahlFeld + 1 + static_cast<int>(spalte), i));
}

void CPlattendruckSeite::Abschnitte()
{
    for (const Abschnitt& a : kAbschnitte)
        Lastabschnitt(a);
}

void CPlattendruckSeite::Ergebnisse()
{
    Ursprung(6, 60);
    WaehleStift(KraeftigerStift);
    Rechteck(0.25, -1, 24, 3);
    Linie(0.25, 1, 24, 1);
    WaehleStift(FeinerStift);
    Linie(11, 0, 19, 0);
    Linie(0.25, 2, 15, 2);
    for (double x : {2, 5, 8})
        Linie(x, -1, x, 3);
    for (double x : {13, 17})
        Linie(x, 0, x, 3);
    WaehleStift(KraeftigerStift);
    for (double x : {11, 15, 19})
        Linie(x, -1, x, 3);

    for (const Ergebnistext& t : kErgebnistexte) {
        WaehleSchrift(t.fett ? Fett : Normal);
        if (t.feld < 0) {
            Text(t.code, t.x, t.y, t.text);
            continue;
        }
        // A required value is printed as a bound; without one the cell stays empty.
        const std::string wert = Feld(t.feld);
        if (*t.text == '\0' || !wert.empty())
            Text(t.code, t.x, t.y, t.text + wert);
    }
}

void CPlattendruckSeite::Diagramm(const std::string& diagrammDaten)
{
    Ursprung(6, 21);
    WaehleStift(KraeftigerStift);
    WaehleSchrift(Normal);
    Rechteck(0.25, 0, 24, 37.65);
    const RECT rechteck = Geraeteflaeche(3.25, 3, 23, 36.15);
    ZeichnePlattendruckDiagramm(m_dc, rechteck, diagrammDaten, m_druck.Texte,
                                m_druck.Stifte[KraeftigerStift], m_druck.Stifte[GepunkteterStift],
                                m_druck.Schriften[Normal], m_druck.Schriften[SenkrechteSchrift]);
}

} // namespace

void CProtokollDruck::DruckePlattendruck(CDC& dc, RECT, const std::string& tabellenDaten,
                                         const std::string& diagrammDaten, const std::string& titel)
{
    CPlattendruckSeite seite(*this, dc, tabellenDaten, titel);
    seite.Geraetedaten();
    seite.Tabellenkopf();
    seite.Abschnitte();
    seite.Ergebnisse();
    seite.Diagramm(diagrammDaten);
}
