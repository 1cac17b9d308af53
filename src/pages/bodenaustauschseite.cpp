// Page 1 of the soil-replacement thickness recommendation: the plate load values of the subgrade
// beside the required Ev2 and the planned thickness, three conclusion sentences and the target
// Ev2 diagram. Every number is a stored text; the sentences are always all printed. Positions are
// page-grid units relative to the origin of each block.

#include "data/pfade.h"
#include "diagrams/bindemitteldiagramm.h"
#include "pages/seitenkoerper.h"
#include "report/protokolldruck.h"

#include <array>

namespace {

constexpr int Normal = 0, Titelschrift = 3, SenkrechteSchrift = 6;
constexpr int KraeftigerStift = 1, GepunkteterStift = 4;
// Placement codes of the page grid.
constexpr int UntenLinks = 3, UntenMitte = 6, UntenRechts = 9;

// "label : value unit", the value ending where the unit begins.
struct Wertzeile
{
    double y;
    const char* titel;
    int feld;
    const char* einheit;
};

// y relative to the first row, which moves down when the test number is printed.
constexpr std::array<Wertzeile, 3> kUnterlagenzeilen{{
    {0, "Ev1", 1, "MN/m²"},
    {1, "Ev2", 2, "MN/m²"},
    {2, "Ev2 / Ev1", 5, ""},
}};

constexpr std::array<Wertzeile, 2> kSollzeilen{{
    {0, "geforderter Ev2 - Wert", 3, "MN/m²"},
    {1, "geplante Einbaustärke", 4, "cm"},
}};

// A sentence line: literals and fields in turn, joined with nothing added.
struct Satzteil
{
    const char* text;
    int feld; // -1: the literal alone
};

struct Satz
{
    const char* nummer;
    double y;
    std::array<Satzteil, 3> ersteZeile;
    std::array<Satzteil, 2> zweiteZeile;
};

constexpr std::array<Satz, 3> kSaetze{{
    {"1) ",
     1.5,
     {{{"Zum Erreichen eines Ev2-Wertes von ", 3},
       {" MN/m²  bei der Tragfähigkeit der Unterlage von Ev2  = ", 2},
       {"  MN/m²", -1}}},
     {{{"wäre eine Einbaustärke von   ", 6}, {"   cm notwendig.", -1}}}},
    {"2) ",
     4,
     {{{"Mit der hier geplanten Einbaustärke von ", 4},
       {" cm bei der Tragfähigkeit der Unterlage von Ev2  = ", 2},
       {"  MN/m²", -1}}},
     {{{"wäre ein Ev2-Wert von   ", 7}, {"   MN/m² zu erwarten.", -1}}}},
    {"3) ",
     6.5,
     {{{"Zum Erreichen eines Ev2 - Wertes von ", 3},
       {" MN/m²  mit der hier geplanten Einbaustärke von ", 4},
       {"  cm", -1}}},
     {{{"wäre ein Ev2 - Wert der Unterlage von   ", 8}, {"   MN/m² notwendig.", -1}}}},
}};

class CBodenaustauschSeite : private CSeitenkoerper
{
public:
    CBodenaustauschSeite(CProtokollDruck& druck, CDC& dc, const std::string& tabellenDaten,
                         const std::string& titel)
        : CSeitenkoerper(druck, dc, BeginneSeitenkoerper(druck, dc, tabellenDaten, titel, false))
    {
        WaehleSchrift(Normal);
        Ursprung(0, 18);
        WaehleStift(KraeftigerStift);
    }

    void Werte();
    void Folgerungen();
    void Diagramm(const std::string& diagrammDaten);

private:
    void Zeile(const Wertzeile& z, double x, double doppelpunktX, double wertX, double dy);
    template <std::size_t N> std::string Verbinde(const std::array<Satzteil, N>& teile) const;
};

void CBodenaustauschSeite::Zeile(const Wertzeile& z, double x, double doppelpunktX, double wertX,
                                 double dy)
{
    const double y = z.y + dy;
    Text(UntenLinks, x, y, z.titel);
    Text(UntenMitte, doppelpunktX, y, ":");
    Text(UntenRechts, wertX, y, Feld(z.feld));
    Text(UntenLinks, wertX, y, z.einheit);
}

template <std::size_t N>
std::string CBodenaustauschSeite::Verbinde(const std::array<Satzteil, N>& teile) const
{
    std::string zeile;
    for (const Satzteil& teil : teile)
        zeile += teil.text + (teil.feld < 0 ? std::string() : Feld(teil.feld));
    return zeile;
}

void CBodenaustauschSeite::Werte()
{
    const double dy = g_pfade.protokollnrDrucken ? 1 : 0;
    if (g_pfade.protokollnrDrucken) {
        Text(UntenLinks, 0, 0, "Plattendruckversuch Nr.");
        Text(UntenMitte, 5, 0, ":");
        Text(UntenLinks, 5, 0, Feld(0));
    }
    for (const Wertzeile& z : kUnterlagenzeilen)
        Zeile(z, 0, 5, 7, dy);
    for (const Wertzeile& z : kSollzeilen)
        Zeile(z, 21, 26, 28, 0);
}

void CBodenaustauschSeite::Folgerungen()
{
    Ursprung(0, 23);
    WaehleSchrift(Titelschrift);
    Text(UntenLinks, 0, 0, "Erfahrungsgemäß zu erwartende Werte unter den gegebenen Bedingungen :");
    WaehleSchrift(Normal);
    for (const Satz& satz : kSaetze) {
        Text(UntenLinks, 0, satz.y, satz.nummer);
        Text(UntenLinks, 1, satz.y, Verbinde(satz.ersteZeile));
        Text(UntenLinks, 1, satz.y + 1, Verbinde(satz.zweiteZeile));
    }
}

void CBodenaustauschSeite::Diagramm(const std::string& diagrammDaten)
{
    Ursprung(0, 31);
    WaehleStift(KraeftigerStift);
    Rechteck(0, 0, 30, 32.75);
    const RECT rechteck = Geraeteflaeche(3, 2, 29, 29.75);
    ZeichneEv2SollDiagramm(m_dc, rechteck, diagrammDaten, m_druck.Texte,
                           m_druck.Stifte[KraeftigerStift], m_druck.Stifte[GepunkteterStift],
                           m_druck.Schriften[Normal], m_druck.Schriften[SenkrechteSchrift], true);
}

} // namespace

void CProtokollDruck::DruckeBodenaustauschdicke(CDC& dc, RECT, const std::string& tabellenDaten,
                                                const std::string& diagrammDaten,
                                                const std::string& titel)
{
    CBodenaustauschSeite seite(*this, dc, tabellenDaten, titel);
    seite.Werte();
    seite.Folgerungen();
    seite.Diagramm(diagrammDaten);
}
