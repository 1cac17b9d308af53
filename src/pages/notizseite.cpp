#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "pages/seitenkoerper.h"
#include "platform/cdc.h"
#include "platform/text.h"
#include "report/protokolldruck.h"

#include <array>
#include <string>

namespace {

constexpr int kZeilenJeSeite = 50;
constexpr int kAnlagenSpalten = 3;
constexpr std::array<double, kAnlagenSpalten> kAnlagenX{0, 8.0, 16.0};

// Fields of the note's table data.
enum Notizfeld
{
    Bereich = 0,
    Betreff = 1,
    Hier = 2,
    NotizNr = 3,
    Datum = 4,
    Bearbeiter = 5,
    Text = 6,
    Anlagen = 7,
    Seitenzahl = 10,
    Ueberschrift = 12,
};

} // namespace

void CProtokollDruck::DruckeNotiz(CDC& dc, RECT, const std::string& tabelle, const std::string&,
                                  int lokaleSeite)
{
    CSeitenAbbildung& a = Abbildung;
    const CDruckDaten daten(tabelle);
    const auto feld = [&daten](Notizfeld n) { return daten.GetZeile(n); };
    const bool letzteSeite = GanzeZahl(feld(Seitenzahl)) == lokaleSeite;

    a.SetzeUrsprung(0, 6.0);
    dc.SelectObject(Schriften[3]);
    dc.SelectObject(Stifte[2]);
    a.TextAusgabe(3, 0, 1.2, feld(Ueberschrift));
    dc.SelectObject(Schriften[0]);
    a.TextAusgabe(9, 30.26, 1.2,
                  StringFormat("Seite %d von %s", lokaleSeite, feld(Seitenzahl).c_str()));
    a.Linie(-0.16, 1.7, 30.26, 1.7);

    dc.SelectObject(Schriften[0]);
    a.SetzeUrsprung(0, 9.0);
    const auto angabe = [&a](double x, double kolonX, double y, const std::string& beschriftung,
                             const std::string& inhalt) {
        a.TextAusgabe(3, x, y, beschriftung);
        a.TextAusgabe(6, kolonX, y, ":");
        a.TextAusgabe(3, kolonX, y, inhalt);
    };
    angabe(0, 5.0, 0, Texte.HoleText("KOPFBLOCK1", 0), feld(Bereich));
    angabe(0, 5.0, 1, "Betreff", feld(Betreff));
    angabe(0, 5.0, 2, "hier", feld(Hier));
    if (g_pfade.protokollnrDrucken)
        angabe(23.0, 26.0, 0, "Notiz-Nr.", ProtNrPraefix + "-" + feld(NotizNr));
    angabe(23.0, 26.0, 1, "Datum", StringDatumJJJJMMTTZuTTMMJJJJ(feld(Datum)));
    angabe(23.0, 26.0, 2, Texte.HoleText("KOPFBLOCK1", 13), feld(Bearbeiter));
    a.Linie(-0.16, 2.3, 30.26, 2.3);

    // This page's slice of the text: lines 50 × (page − 1) onwards.
    const int ersteZeile = kZeilenJeSeite * (lokaleSeite - 1);
    dc.SelectObject(Schriften[13]);
    a.SetzeUrsprung(1.0, 13.0);
    int letzteGefuellte = 0;
    for (int i = 0; i < kZeilenJeSeite; ++i) {
        const std::string zeile = Zeilenstueck(feld(Text), ersteZeile + i);
        a.TextAusgabe(3, 0, i, zeile);
        if (!zeile.empty())
            letzteGefuellte = i;
    }

    const std::string anlagen = feld(Anlagen);
    if (!letzteSeite || anlagen.empty())
        return;
    const int y = letzteGefuellte + 2;
    dc.SelectObject(Schriften[0]);
    a.TextAusgabe(3, 0, y, "Anlagen:");
    // The entries fill three columns one after the other, top to bottom.
    const int zeilen = StringZaehleFelder(anlagen, "#CRLF#") / kAnlagenSpalten + 1;
    dc.SelectObject(Schriften[13]);
    for (int j = 0; j < zeilen; ++j)
        for (int s = 0; s < kAnlagenSpalten; ++s)
            a.TextAusgabe(3, kAnlagenX[s], y + 1 + j, Zeilenstueck(anlagen, s * zeilen + j));
}
