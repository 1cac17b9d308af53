#include "platform/cdc.h"
#include "report/druckdaten.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <string>

namespace {

bool HatFlag(std::uint32_t flags, std::uint32_t flag)
{
    return (flags & flag) != 0;
}

} // namespace

void CProtokollDruck::ZeichneTabelle(const CDruckDatenBase* tabelle, const double* spaltenX,
                                     int ersteZeile, int spalten, int zeilen, bool rahmen)
{
    CDC* dc = Abbildung.HoleDC();
    if (!dc || !spaltenX)
        return;
    CSeitenAbbildung& a = Abbildung;
    dc->SelectObject(Schriften[0]);
    const double breite = spaltenX[std::max(spalten, 0)];
    if (rahmen) {
        dc->SelectObject(Stifte[1]);
        a.Rechteck(0, 0, breite, zeilen);
        dc->SelectObject(Stifte[0]);
        for (int r = 1; r < zeilen; ++r)
            a.Linie(0, r, breite, r);
    }
    if (!tabelle)
        return;

    const CFont* normal = a.NormaleSchrift();
    const CFont* symbol = a.SymbolSchrift();
    const int schritt = a.SchrittHochTief();
    double y = 1.0;
    for (int r = 0; r < zeilen; ++r) {
        const int zeile = ersteZeile + r;
        bool fettVerschoben = false;
        double links = spaltenX[0];
        for (int c = 0; c < spalten; ++c) {
            std::string text;
            std::uint32_t flags = 0;
            tabelle->GetZellText(text, zeile, c, flags);
            // Cells to the right that the template leaves out belong to this one.
            while (c < spalten - 1) {
                std::string verdeckt;
                std::uint32_t verdecktFlags = 0;
                tabelle->GetZellText(verdeckt, zeile, c + 1, verdecktFlags);
                if (!HatFlag(verdecktFlags, DRUCK_KEINE_ZELLE))
                    break;
                ++c;
            }
            const double rechts = spaltenX[c + 1];
            const bool fett = HatFlag(flags, DRUCK_FETT);
            if (fett) {
                // The taller bold font pushes this row and all below it down a little.
                if (!fettVerschoben)
                    y += 0.1;
                fettVerschoben = true;
                a.SetzeTextSchriften(&Schriften[3], symbol, schritt);
            }
            if (HatFlag(flags, DRUCK_ZENTRIERT))
                a.TextAusgabeZwischen(33, links, rechts, y, text);
            else
                a.TextAusgabe(22, links, y, text);
            if (fett)
                a.SetzeTextSchriften(normal, symbol, schritt);
            if (rahmen)
                a.Linie(rechts, r, rechts, r + 1);
            links = rechts;
        }
        y += 1.0;
    }
}

void CProtokollDruck::ZeichneHilfsraster()
{
    CDC* dc = Abbildung.HoleDC();
    if (!dc)
        return;
    CSeitenAbbildung& a = Abbildung;
    a.SetzeUrsprung(0, 0);
    dc->SelectObject(Stifte[3]);
    dc->SelectObject(Schriften[0]);
    for (int r = 0; r <= 68; ++r) {
        a.Linie(-0.5, r, 31.0, r);
        a.TextAusgabe(9, -0.5, r + 0.5, std::to_string(r));
    }
    for (int c = 0; c <= 30; ++c) {
        a.Linie(c, -1.0, c, 68.5);
        a.TextAusgabe(6, c, -1.0, std::to_string(c));
    }
}
