// Page 1 of the binder amount recommendation: the values taken from the Proctor test, the site
// conditions, the binder diagram and the binder and water additions. Every value is printed as
// stored; the two water contents pass through the percent setting. Positions are page-grid units
// relative to the origin of each block.

#include "data/pfade.h"
#include "diagrams/bindemitteldiagramm.h"
#include "pages/seitenkoerper.h"
#include "report/protokolldruck.h"

#include <array>

namespace {

constexpr int Normal = 0, SenkrechteSchrift = 6;
constexpr int KraeftigerStift = 1, GepunkteterStift = 4;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, UntenRechts = 9;

// A line "caption : value unit". With a unit the value ends at wertX and the unit starts there;
// without one the value starts at wertX. The percent unit follows the percent setting.
enum class Einheit
{
    Keine,
    Fest,
    Prozent
};

struct Infozeile
{
    double x;
    double y;
    const char* titel;
    double doppelpunktX;
    int feld;
    bool alsAnteil;
    double wertX;
    Einheit einheit;
    const char* einheitText;
};

// y relative to the first Proctor line, which moves up when protocol numbers are not printed.
constexpr std::array<Infozeile, 3> kProctorzeilen{{
    {0, 0, "Proctordichte", 5, 1, false, 7, Einheit::Fest, "g/cm³"},
    {0, 1, "wopt", 5, 2, true, 7, Einheit::Prozent, ""},
    {0, 2, "Korndichte", 5, 3, false, 7, Einheit::Fest, "g/cm³"},
}};

constexpr std::array<Infozeile, 2> kBaustellenzeilen{{
    {23, 0, "wnat", 26, 4, true, 28, Einheit::Prozent, ""},
    {23, 1, "Außentemp.", 26, 5, false, 28, Einheit::Fest, "°C"},
}};

constexpr std::array<Infozeile, 4> kBindemittelzeilen{{
    {0, 0, "Bindemittel", 5, 6, false, 5.5, Einheit::Keine, ""},
    {0, 1, "Bindemittelzugabe", 5, 7, false, 7, Einheit::Fest, "%"},
    {0, 2, "Bindemittelzugabe", 5, 8, false, 7, Einheit::Fest, "Kg/m³"},
    {0, 3, "Wasserzugabe", 5, 9, false, 7, Einheit::Fest, "L/m³"},
}};

class CBindemittelSeite : private CSeitenkoerper
{
public:
    CBindemittelSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten,
                      const std::string& titel)
        : CSeitenkoerper(druck, dc, BeginneSeitenkoerper(druck, dc, tabellenDaten, titel, false))
    {
        WaehleSchrift(Normal);
        Ursprung(0, 18);
        WaehleStift(KraeftigerStift);
    }

    void Werte();
    void Bindemittel();
    void Diagramm(const std::string& diagrammDaten);

private:
    void Zeile(const Infozeile& z, double dy);
};

void CBindemittelSeite::Zeile(const Infozeile& z, double dy)
{
    const double y = z.y + dy;
    Text(UntenLinks, z.x, y, z.titel);
    Text(UntenMitte, z.doppelpunktX, y, ":");
    const std::string feld = m_daten.GetZeile(z.feld);
    const std::string wert = z.alsAnteil ? g_pfade.FormatiereAnteil(feld) : feld;
    if (z.einheit == Einheit::Keine) {
        Text(UntenLinks, z.wertX, y, wert);
        return;
    }
    Text(UntenRechts, z.wertX, y, wert);
    Text(UntenLinks, z.wertX, y,
         z.einheit == Einheit::Prozent ? g_pfade.HoleProzentEinheit() : z.einheitText);
}

void CBindemittelSeite::Werte()
{
    // The Proctor lines move up one row when the protocol numbers are not printed.
    const double r = g_pfade.protokollnrDrucken ? 1 : 0;
    if (g_pfade.protokollnrDrucken) {
        Text(UntenLinks, 0, 0, "Werte lt. Proctorversuch");
        Text(UntenMitte, 5, 0, ":");
        Text(UntenLinks, 5, 0, m_daten.GetZeile(0));
    }
    for (const Infozeile& z : kProctorzeilen)
        Zeile(z, r);
    for (const Infozeile& z : kBaustellenzeilen)
        Zeile(z, 0);
}

void CBindemittelSeite::Bindemittel()
{
    Ursprung(0, 59);
    WaehleSchrift(Normal);
    for (const Infozeile& z : kBindemittelzeilen)
        Zeile(z, 0);
}

void CBindemittelSeite::Diagramm(const std::string& diagrammDaten)
{
    Ursprung(0, 22);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0, 30, 35);
    const RECT rechteck = Geraeteflaeche(3, 2, 29, 32);
    ZeichneBindemittelDiagramm(m_dc, rechteck, diagrammDaten, m_druck.Texte,
                               m_druck.Stifte[KraeftigerStift], m_druck.Stifte[GepunkteterStift],
                               m_druck.Schriften[Normal], m_druck.Schriften[SenkrechteSchrift],
                               true);
}

} // namespace

void CProtokollDruck::DruckeBindemittelmenge(CDC& dc, RECT, const std::string& tabellenDaten,
                                             const std::string& diagrammDaten,
                                             const std::string& titel)
{
    CBindemittelSeite seite(*this, dc, tabellenDaten, titel);
    seite.Werte();
    seite.Bindemittel();
    seite.Diagramm(diagrammDaten);
}
