// Page 1 of the nuclear density gauge report: the gauge, up to five test points side by side with
// three readings of each of two quantities and the resulting densities and water content, then
// the blocks of the field density page. Every value prints as stored.

#include "pages/dichtebloecke.h"
#include "pages/seitenkoerper.h"
#include "platform/text.h"
#include "report/protokolldruck.h"

#include <array>

namespace {

constexpr int kVerfahrenFeld = 36;

// A quantity the gauge measures: its heading, three reading rows and the result row.
struct Messgroesse
{
    const char* ueberschrift;
    std::array<std::array<const char*, 3>, 4> zeilen;
    Wertform form;
};

constexpr Messgroesse kWassergehalt{"Bestimmung des Wassergehaltes",
                                    {{{"Ablesung 1", "w1", "[-]"},
                                      {"Ablesung 2", "w2", "[-]"},
                                      {"Ablesung 3", "w3", "[-]"},
                                      {"Wassergehalt", "w", "[-]"}}},
                                    Wertform::Anteil};

constexpr Messgroesse kTrockendichte{"Bestimmung der Trockendichte",
                                     {{{"Ablesung 1", "<fs>r<fn><t>d1", "[g/cm³]"},
                                       {"Ablesung 2", "<fs>r<fn><t>d2", "[g/cm³]"},
                                       {"Ablesung 3", "<fs>r<fn><t>d3", "[g/cm³]"},
                                       {"Trockendichte", "<fs>r<fn><t>d", "[g/cm³]"}}},
                                     Wertform::Gespeichert};

constexpr Messgroesse kFeuchtdichte{"Bestimmung der Feuchtdichte",
                                    {{{"Ablesung 1", "<fs>r<fn><t>f1", "[g/cm³]"},
                                      {"Ablesung 2", "<fs>r<fn><t>f2", "[g/cm³]"},
                                      {"Ablesung 3", "<fs>r<fn><t>f3", "[g/cm³]"},
                                      {"Feuchtdichte", "<fs>r<fn><t>f", "[g/cm³]"}}},
                                    Wertform::Gespeichert};

// Method 1 reads water content and wet density, method 2 both densities; any other code water
// content and dry density.
struct Ablesungen
{
    const Messgroesse& erste;
    const Messgroesse& zweite;
};

Ablesungen AblesungenVon(const std::string& code)
{
    switch (GanzeZahl(code)) {
    case 1:
        return {kWassergehalt, kFeuchtdichte};
    case 2:
        return {kFeuchtdichte, kTrockendichte};
    default:
        return {kWassergehalt, kTrockendichte};
    }
}

Wertzeile Zeile(const Messgroesse& groesse, int zeile, int feld)
{
    const auto& texte = groesse.zeilen[static_cast<std::size_t>(zeile)];
    return {texte[0], texte[1], texte[2], feld, groesse.form};
}

// Readings 1 to 3 of a quantity from three consecutive fields.
std::array<Wertzeile, 3> Ablesezeilen(const Messgroesse& groesse, int ersterFeld)
{
    return {Zeile(groesse, 0, ersterFeld), Zeile(groesse, 1, ersterFeld + 1),
            Zeile(groesse, 2, ersterFeld + 2)};
}

struct Geraetezeile
{
    double y;
    const char* beschriftung;
    int feld;
};

constexpr std::array<Geraetezeile, 4> kGeraetedaten{{
    {-0.5, "Sonde", 31},
    {0.5, "Modell", 32},
    {1.5, "Strahler 1", 33},
    {2.5, "Strahler 2", 34},
}};

// In the left part of the page only; the gauge has one set of data for all test points.
void Geraetedaten(CDichteBloecke& seite)
{
    seite.Ursprung(0, 20);
    seite.Stift(1);
    seite.Rechteck(0, -2.5, 10, 2.5);
    seite.Stift(0);
    seite.Linie(6, -1.5, 6, 2.5);
    for (double y : {-1.5, -0.5, 0.5, 1.5})
        seite.Linie(0, y, 10, y);
    seite.Schrift(1);
    seite.Text(3, 0, -1.5, "Gerätedaten");
    seite.Schrift(0);
    for (const Geraetezeile& z : kGeraetedaten) {
        seite.Text(3, 0, z.y, z.beschriftung);
        seite.Text(3, 6, z.y, seite.Daten().GetText(z.feld, 0));
    }
}

} // namespace

void CProtokollDruck::DruckeTroxler(CDC& dc, RECT, const std::string& tabelle, const std::string&,
                                    const std::string& titel)
{
    CDichteBloecke seite(*this, dc, tabelle, titel);
    seite.Spaltenlinien(26, 37);
    Geraetedaten(seite);
    seite.Pruefpunktbeschreibung(25);

    const Ablesungen ablesungen = AblesungenVon(seite.Daten().GetZeile(kVerfahrenFeld));
    const std::array<Wertzeile, 3> erste = Ablesezeilen(ablesungen.erste, 3);
    seite.ZeichneWerteblock({31, -1.75, ablesungen.erste.ueberschrift, erste});
    const std::array<Wertzeile, 3> zweite = Ablesezeilen(ablesungen.zweite, 7);
    seite.ZeichneWerteblock({35, -1.5, ablesungen.zweite.ueberschrift, zweite});

    const std::array<Wertzeile, 3> ergebnisse{
        Zeile(kFeuchtdichte, 3, 35), Zeile(kTrockendichte, 3, 10), Zeile(kWassergehalt, 3, 6)};
    seite.ZeichneErgebnisblock(39, ergebnisse);
    seite.Kennwertbloecke(Dichteseite::Isotopensonde);
}
