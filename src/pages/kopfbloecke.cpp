#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "pages/seitenkoerper.h"
#include "pages/seitenlogo.h"
#include "platform/cdc.h"
#include "report/protokolldruck.h"
#include "report/virtversuch.h"

namespace {

// The credit line at the bottom-left corner: the program and its version.
const char* const kNachweis = "AXO Reader " AXO_VERSION;

void ZeichneLogo(CSeitenAbbildung& abbildung, CDC& dc)
{
    // Half a millimetre inside the logo band on every side; the picture is stretched to fill it.
    const POINT oben = abbildung.Transformiere(-0.16, -1.6);
    const POINT unten = abbildung.Transformiere(30.26, 3.0);
    ZeichneSeitenlogo(dc, {oben.x + 50, oben.y - 50, unten.x - 50, unten.y + 50});
}

} // namespace

void CProtokollDruck::DruckeKopf(CDC* dc, RECT seite, int seitencode,
                                 const std::vector<std::string>& kopfdaten,
                                 const std::string& kopffelder, std::string zusatztext)
{
    dc->SetBkMode(TRANSPARENT);
    Abbildung.Init(2500, -1620, 16800, 26000, 30, 67);
    Abbildung.SetzeDC(dc);
    Abbildung.SetzeUrsprung(0, 0);
    if (IstNotizseite(seitencode)) {
        DruckeKopfblock0(*dc, seite, kopffelder, zusatztext, false);
        return;
    }
    DruckeKopfblock0(*dc, seite, kopffelder, zusatztext, true);
    DruckeKopfblock1(*dc, seite, KopfdatenEintrag(kopfdaten, 0));
}

void CProtokollDruck::DruckeKopfblock0(CDC& dc, RECT, const std::string& kopffelder,
                                       const std::string& zusatztext, bool mitBemerkung)
{
    CSeitenAbbildung& a = Abbildung;
    ProtNrPraefix = StringHoleFeld(kopffelder, '|', 3);
    dc.SelectObject(Stifte[2]);
    a.SetzeUrsprung(0, 0);
    ZeichneLogo(a, dc);
    a.Rechteck(-0.16, -1.6, 30.26, 68.0);

    dc.SelectObject(Schriften[3]);
    a.Linie(-0.16, 3.0, 30.26, 3.0);
    a.TextAusgabe(3, 0, 4.4, Texte.HoleText("KOPFBLOCK0", 0));
    a.TextAusgabe(3, 5.0, 4.4, StringHoleFeld(kopffelder, '|', 0));
    dc.SelectObject(Schriften[0]);
    a.TextAusgabe(3, 0, 5.45, "Auftraggeber");
    a.TextAusgabe(3, 5.0, 5.45, StringHoleFeld(kopffelder, '|', 2));
    a.Linie(-0.16, 5.7, 30.26, 5.7);

    dc.SelectObject(Stifte[2]);
    a.Linie(-0.16, 65.4, 30.26, 65.4);
    a.Linie(22.5, 65.4, 22.5, 68.0);
    // The footer's field 4 chooses the face: exactly "0" a proportional one, else Courier.
    dc.SelectObject(StringHoleFeld(zusatztext, '|', 4) == "0" ? Schriften[10] : Schriften[11]);
    a.TextAusgabe(1, -0.16, 65.7, StringHoleFeld(zusatztext, '|', 0));
    a.TextAusgabe(1, -0.16, 66.6, StringHoleFeld(zusatztext, '|', 1));
    a.TextAusgabe(1, 22.5, 65.7, StringHoleFeld(zusatztext, '|', 2));
    a.TextAusgabe(1, 22.5, 66.6, StringHoleFeld(zusatztext, '|', 3));

    if (mitBemerkung) {
        dc.SelectObject(Stifte[1]);
        a.Linie(-0.16, 64.0, 30.26, 64.0);
        dc.SelectObject(Schriften[1]);
        a.TextAusgabe(3, 0, 65.2, "Bemerkung:");
        dc.SelectObject(Schriften[0]);
        a.TextAusgabe(3, 3.5, 65.2, StringHoleFeld(kopffelder, '|', 1));
    }

    dc.SelectObject(Schriften[6]);
    a.TextAusgabe(3, -0.45, 68.1, kNachweis);
}

void CProtokollDruck::DruckeKopfblock1(CDC& dc, RECT, const std::string& kopfwerte)
{
    CSeitenAbbildung& a = Abbildung;
    const CDruckDaten werte(kopfwerte);
    const auto wert = [&werte](int i) { return werte.GetText(1, i); };
    const auto label = [this](int i) { return Texte.HoleText("KOPFBLOCK1", i); };
    dc.SelectObject(Schriften[0]);
    a.SetzeUrsprung(0, 7.0);

    for (int i = 0; i < 4; ++i) {
        if (!label(i).empty()) {
            a.TextAusgabe(3, 0, i, label(i));
            a.TextAusgabe(6, 5.0, i, ":");
        }
        a.TextAusgabe(3, 5.0, i, wert(i));
        if (!label(i + 4).empty()) {
            a.TextAusgabe(1, 0, i + 3.6, label(i + 4));
            a.TextAusgabe(4, 5.0, i + 3.6, ":");
        }
        a.TextAusgabe(1, 5.0, i + 3.6, wert(i + 4));
        if (!label(i + 12).empty()) {
            a.TextAusgabe(1, 23.0, i + 3.6, label(i + 12));
            a.TextAusgabe(4, 26.0, i + 3.6, ":");
        }
        a.TextAusgabe(1, 26.0, i + 3.6, wert(i + 12));
    }

    // The right column: protocol number (only when it is to be printed) and date, then "von"
    // and "bis", whose labels show only with a value.
    const auto rechteZeile = [&](int zeile, const std::string& beschriftung,
                                 const std::string& inhalt) {
        if (!beschriftung.empty())
            a.TextAusgabe(3, 23.0, zeile, beschriftung);
        a.TextAusgabe(6, 26.0, zeile, ":");
        a.TextAusgabe(3, 26.0, zeile, inhalt);
    };
    if (g_pfade.protokollnrDrucken)
        rechteZeile(0, label(8), ProtNrPraefix + "-" + wert(8));
    rechteZeile(1, label(9), StringDatumJJJJMMTTZuTTMMJJJJ(wert(9)));
    for (int k = 2; k <= 3; ++k) {
        if (wert(8 + k).empty())
            continue;
        a.TextAusgabe(3, 23.0, k, label(8 + k));
        a.TextAusgabe(6, 26.0, k, ":");
        a.TextAusgabe(3, 26.0, k, wert(8 + k));
    }

    a.SetzeUrsprung(0, 0);
    dc.SelectObject(Stifte[1]);
    a.Linie(22.5, 5.7, 22.5, 15.0);
    a.Linie(22.5, 10.2, 30.26, 10.2);

    // The title band; the page body prints the report title into it.
    a.SetzeUrsprung(0, 15.0);
    dc.SelectObject(Schriften[3]);
    dc.SelectObject(Stifte[2]);
    a.Linie(-0.16, 0, 30.26, 0);
    a.TextAusgabe(3, 0, 1.4, werte.GetZeile(0));
    a.Linie(-0.16, 1.7, 30.26, 1.7);
}
