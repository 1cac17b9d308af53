#include "pages/dichtebloecke.h"

#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "report/protokolldruck.h"

#include <array>

namespace {

constexpr int Normal = 0, Fett = 1;
constexpr int FeinerStift = 0, KraeftigerStift = 1;
constexpr int UntenLinks = 3, UntenMitte = 6, Dezimal = 12, Auszeichnung = 22;

// Test point i's column runs from x = 10 + 4i to 14 + 4i; its values stand in the middle.
double Spalte(int pruefpunkt)
{
    return 10 + 4 * pruefpunkt;
}
double WertX(int pruefpunkt)
{
    return 12 + 4 * pruefpunkt;
}

// Field numbers as the field density page stores them.
constexpr std::array<Wertzeile, 6> kBodenkennwerte{{
    {"Korndichte", "<fs>r<fn><t>s", "[g/cm³]", 17},
    {"Porenanteil", "n", "[-]", 18, Wertform::Anteil},
    {"Luftporenanteil", "n<t>a", "[-]", 19, Wertform::Anteil},
    {"Wasserporenanteil", "n<t>w", "[-]", 20, Wertform::Anteil},
    {"Porenzahl", "e", "[-]", 21},
    {"Sättigungszahl", "S<t>r", "[-]", 22},
}};

constexpr std::array<Wertzeile, 3> kBezugsproctor{{
    {"Proctorversuch Nr.", "", "", 24, Wertform::Nummer},
    {"Proctordichte", "<fs>r<fn><t>Pr", "[g/cm³]", 25},
    {"optimaler Wassergehalt", "w<t>opt", "[-]", 26, Wertform::Anteil},
}};

constexpr std::array<Wertzeile, 5> kUeberkorn{{
    {"Überkornanteil", "ü", "[-]", 27, Wertform::Anteil},
    {"Wassergehalt ü", "w<t>ü", "[-]", 28, Wertform::Anteil},
    {"Korndichte ü", "<fs>r<fn><t>ü", "[g/cm³]", 29},
    {"Proctordichte '", "<fs>r<fn><t>Pr '", "[g/cm³]", 30},
    {"optimaler Wassergehalt '", "w<t>opt '", "[-]", 31, Wertform::Anteil},
}};

constexpr std::array<Wertzeile, 2> kVerdichtungsgrad{{
    {"Verdichtungsgrad", "DPr IST", "[%]", 32, Wertform::Gespeichert, true, true},
    {"Verdichtungsgrad", "DPr SOLL >=", "[%]", 33, Wertform::Gespeichert, false, true},
}};

template <std::size_t N>
std::array<Wertzeile, N> FuerSeite(std::array<Wertzeile, N> zeilen, Dichteseite seite)
{
    if (seite == Dichteseite::Isotopensonde)
        for (Wertzeile& z : zeilen)
            z.feld -= 4;
    return zeilen;
}

} // namespace

CDichteBloecke::CDichteBloecke(CProtokollDruck& druck, CDC& dc, const std::string& tabelle,
                               const std::string& titel)
    : m_druck(druck), m_dc(dc), m_daten(BeginneSeitenkoerper(druck, dc, tabelle, titel, true))
{
}

void CDichteBloecke::Schrift(int n)
{
    m_dc.SelectObject(m_druck.Schriften[static_cast<std::size_t>(n)]);
}

void CDichteBloecke::Stift(int n)
{
    m_dc.SelectObject(m_druck.Stifte[static_cast<std::size_t>(n)]);
}

void CDichteBloecke::Ursprung(double x, double y)
{
    m_druck.Abbildung.SetzeUrsprung(x, y);
}

void CDichteBloecke::Text(int code, double x, double y, const std::string& text)
{
    m_druck.Abbildung.TextAusgabe(code, x, y, text);
}

void CDichteBloecke::Rechteck(double x1, double y1, double x2, double y2)
{
    m_druck.Abbildung.Rechteck(x1, y1, x2, y2);
}

void CDichteBloecke::Linie(double x1, double y1, double x2, double y2)
{
    m_druck.Abbildung.Linie(x1, y1, x2, y2);
}

void CDichteBloecke::Spaltenlinien(double zeile, double bis)
{
    Ursprung(0, zeile);
    Stift(FeinerStift);
    for (int i = 0; i <= kPruefpunkte; ++i)
        Linie(Spalte(i), -2, Spalte(i), bis);
}

void CDichteBloecke::Pruefpunktbeschreibung(double zeile)
{
    Ursprung(0, zeile);
    Stift(KraeftigerStift);
    Rechteck(0, -2, 10, 4);
    Rechteck(10, -2, 30, 4);
    Stift(FeinerStift);
    for (double y : {-1.0, 1.0, 3.0})
        Linie(0, y, 30, y);

    Schrift(Fett);
    Text(UntenLinks, 0, -1, "Prüfpunktbeschreibung");
    Schrift(Normal);
    for (int feld = 1; feld <= 3; ++feld)
        Text(UntenLinks, 0, 2 * (feld - 1), m_druck.Texte.HoleText("KOPFBLOCK1", feld));

    for (int i = 0; i < kPruefpunkte; ++i) {
        const double x = Spalte(i);
        // Station and layer have two lines each; a third piece does not fit.
        const std::string station = m_daten.GetText(0, i);
        Text(UntenLinks, x, 0, Zeilenstueck(station, 0));
        Text(UntenLinks, x, 1, Zeilenstueck(station, 1));
        const std::string schicht = m_daten.GetText(1, i);
        Text(UntenLinks, x, 2, Zeilenstueck(schicht, 0));
        Text(UntenLinks, x, 3, Zeilenstueck(schicht, 1));
        // The position has one line: a stored line break becomes a blank, never the marker.
        Text(UntenLinks, x, 4, StringMitErsetzung(m_daten.GetText(2, i), "#CRLF#", " "));
    }
}

std::string CDichteBloecke::Wert(const Wertzeile& zeile, int pruefpunkt) const
{
    const std::string wert = m_daten.GetText(zeile.feld, pruefpunkt);
    return zeile.form == Wertform::Anteil ? g_pfade.FormatiereAnteil(wert) : wert;
}

void CDichteBloecke::Beschriftungen(std::span<const Wertzeile> zeilen, double erstesY,
                                    double symbolX)
{
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        const Wertzeile& z = zeilen[k];
        const double y = erstesY + static_cast<double>(k);
        const bool ohneBeschriftung = z.form == Wertform::Nummer && !g_pfade.protokollnrDrucken;
        Text(UntenLinks, 0, y, ohneBeschriftung ? "" : z.beschriftung);
        Text(z.symbolAlsText ? UntenLinks : Auszeichnung, symbolX, y, z.symbol);
        Text(UntenMitte, 9, y,
             z.form == Wertform::Anteil ? g_pfade.FormatiereAnteil(z.einheit) : z.einheit);
    }
}

void CDichteBloecke::Werte(std::span<const Wertzeile> zeilen, double erstesY, bool fettWechseln)
{
    for (int i = 0; i < kPruefpunkte; ++i) {
        for (std::size_t k = 0; k < zeilen.size(); ++k) {
            const Wertzeile& z = zeilen[k];
            const double y = erstesY + static_cast<double>(k);
            if (z.form == Wertform::Nummer) {
                if (g_pfade.protokollnrDrucken)
                    Text(UntenMitte, WertX(i), y, Wert(z, i));
                continue;
            }
            const bool wechseln = fettWechseln && z.fett;
            if (wechseln)
                Schrift(Fett);
            Text(Dezimal, WertX(i), y, Wert(z, i));
            if (wechseln)
                Schrift(Normal);
        }
    }
}

void CDichteBloecke::ZeichneWerteblock(const Werteblock& block)
{
    const double t = block.oben;
    const double n = static_cast<double>(block.zeilen.size());
    Ursprung(0, block.zeile);
    Stift(KraeftigerStift);
    Rechteck(0, t, 10, t + 1 + n);
    Rechteck(10, t, 30, t + 1 + n);
    Stift(FeinerStift);
    if (block.trennlinien) {
        Linie(6, t + 1, 6, t + 1 + n);
        Linie(8.1, t + 1, 8.1, t + 1 + n);
    }
    for (std::size_t k = 0; k < block.zeilen.size(); ++k)
        Linie(0, t + 1 + static_cast<double>(k), 30, t + 1 + static_cast<double>(k));

    Schrift(Fett);
    Text(UntenLinks, 0, t + 1, block.ueberschrift);
    Schrift(Normal);
    Beschriftungen(block.zeilen, t + 2, block.symbolX);
    Werte(block.zeilen, t + 2, true);
}

void CDichteBloecke::ZeichneErgebnisblock(double zeile, std::span<const Wertzeile> zeilen)
{
    Ursprung(0, zeile);
    Stift(KraeftigerStift);
    Rechteck(0, -1.25, 10, 1.75);
    Rechteck(10, -1.25, 30, 1.75);
    Stift(FeinerStift);
    Linie(6, -1.25, 6, 1.75);
    Linie(8.1, -1.25, 8.1, 1.75);
    Linie(0, -0.25, 30, -0.25);
    Linie(0, 0.75, 30, 0.75);

    Schrift(Fett);
    Beschriftungen(zeilen, -0.25, 6);
    Werte(zeilen, -0.25, false);
}

void CDichteBloecke::Kennwertbloecke(Dichteseite seite)
{
    const auto bodenkennwerte = FuerSeite(kBodenkennwerte, seite);
    const auto bezugsproctor = FuerSeite(kBezugsproctor, seite);
    auto ueberkorn = FuerSeite(kUeberkorn, seite);
    const auto verdichtungsgrad = FuerSeite(kVerdichtungsgrad, seite);
    const bool sonde = seite == Dichteseite::Isotopensonde;
    if (sonde) {
        ueberkorn[3].symbol = "<fs>r<fn><t>Pr'";
        ueberkorn[4].symbol = "w<t>opt'";
    }

    ZeichneWerteblock({43, -2, "Bodenkennwerte", bodenkennwerte});
    ZeichneWerteblock({50, -1.75, "Bezugsproctor", bezugsproctor});
    ZeichneWerteblock({54, -1.5, "Überkorn", ueberkorn});
    ZeichneWerteblock(
        {62, -2, "Berechnung des Verdichtungsgrades", verdichtungsgrad, false, sonde ? 5.0 : 6.0});
}
