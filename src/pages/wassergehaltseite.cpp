#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "report/protokolldruck.h"

#include <array>
#include <string>

namespace {

// Three text columns of 5.8, then tare, moist and dry mass and the water content.
constexpr std::array<double, 8> kX{0, 5.8, 11.6, 17.4, 20.4, 23.6, 26.8, 30.0};
constexpr int kProben = 10;
constexpr double kKopfHoehe = 2.0;
constexpr double kZeilenHoehe = 1.8;
constexpr double kTabellenEnde = kKopfHoehe + kProben * kZeilenHoehe;

struct Zahlenspalte
{
    int feld;
    const char* beschriftung;
    const char* einheit;
};

// Columns 3 to 6; the water content is printed as stored, never as a percentage.
constexpr std::array<Zahlenspalte, 4> kZahlenspalten{{
    {3, "Taramasse", "mT [g]"},
    {4, "Feuchtmasse", "mt + mf [g]"},
    {5, "Trockenmasse", "mT + md [g]"},
    {9, "Wassergehalt", "w [-]"},
}};

constexpr int kErsteTextkopfFeld = 6;
constexpr int kMittelwertFeld = 10;

double Mitte(int spalte)
{
    return (kX[spalte] + kX[spalte + 1]) / 2;
}

} // namespace

void CProtokollDruck::DruckeWassergehalt(CDC& dc, RECT, const std::string& tabelle,
                                         const std::string&, const std::string& titel)
{
    CSeitenAbbildung& a = Abbildung;
    const CDruckDaten daten = BeginneSeitenkoerper(*this, dc, tabelle, titel, false);
    a.SetzeUrsprung(0, 25.0);

    dc.SelectObject(Stifte[0]);
    for (double x : kX)
        a.Linie(x, 0, x, kTabellenEnde);
    a.Linie(0, 0, 30.0, 0);
    for (int r = 0; r <= kProben; ++r)
        a.Linie(0, kKopfHoehe + kZeilenHoehe * r, 30.0, kKopfHoehe + kZeilenHoehe * r);

    dc.SelectObject(Stifte[1]);
    a.Linie(17.4, 0, 17.4, kTabellenEnde);
    a.Linie(26.8, 0, 26.8, kTabellenEnde);
    a.Rechteck(0, 0, 30.0, kTabellenEnde);
    a.Linie(0, kKopfHoehe, 30.0, kKopfHoehe);
    a.Rechteck(23.6, 20.4, 30.0, 21.4);
    a.Linie(26.8, 20.4, 26.8, 21.4);

    dc.SelectObject(Schriften[0]);
    for (int c = 0; c < 3; ++c)
        a.TextAusgabe(4, Mitte(c), 0.5, daten.GetZeile(kErsteTextkopfFeld + c));
    for (std::size_t i = 0; i < kZahlenspalten.size(); ++i) {
        const int c = 3 + static_cast<int>(i);
        a.TextAusgabe(4, Mitte(c), 0, kZahlenspalten[i].beschriftung);
        a.TextAusgabe(4, Mitte(c), 0.8, kZahlenspalten[i].einheit);
    }

    for (int s = 0; s < kProben; ++s) {
        const double y = kKopfHoehe + kZeilenHoehe * s;
        for (int c = 0; c < 3; ++c) {
            const std::string text = daten.GetText(c, s);
            // A stored line break gives two lines; further pieces do not fit the row.
            if (HatZeilenumbruch(text)) {
                a.TextAusgabe(1, kX[c], y, Zeilenstueck(text, 0));
                a.TextAusgabe(1, kX[c], y + 0.8, Zeilenstueck(text, 1));
            } else {
                a.TextAusgabe(1, kX[c], y + 0.3, text);
            }
        }
        for (std::size_t i = 0; i < kZahlenspalten.size(); ++i)
            a.TextAusgabe(7, kX[4 + i], y + 0.5, daten.GetText(kZahlenspalten[i].feld, s));
    }

    a.TextAusgabe(1, 23.6, 20.4, "Mittelwert:");
    a.TextAusgabe(7, 30.0, 20.4, daten.GetZeile(kMittelwertFeld));
}
