#pragma once
// Drawing steps the four Atterberg-limit diagrams share. Coordinates are computed in double and
// truncated when drawn; a line or text whose point cannot be placed (not finite, beyond an int)
// is left out.

#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"

#include <optional>
#include <string>
#include <vector>

namespace zustandsgrenzen {

// Device units (0.01 mm).
constexpr int StrichLaenge = 160;
constexpr int XBeschriftungAbstand = 460;
constexpr int YBeschriftungTiefer = 100;

inline int Zellen(const CDruckDaten& tabelle, int zeile)
{
    return StringZaehleFelder(tabelle.GetZeile(zeile), "@");
}

inline double Zahl(const CDruckDaten& tabelle, int zeile, int zelle)
{
    return StringZuDouble(tabelle.GetText(zeile, zelle));
}

inline void Strecke(CDC& dc, double x1, double y1, double x2, double y2)
{
    const auto von = ZuGeraetePunkt(x1, y1);
    const auto bis = ZuGeraetePunkt(x2, y2);
    if (von && bis) {
        dc.MoveTo(*von);
        dc.LineTo(*bis);
    }
}

inline void Text(CDC& dc, double x, double y, const std::string& text)
{
    if (const auto p = ZuGeraetePunkt(x, y))
        dc.TextOut(p->x, p->y, text);
}

// Outline from the upper left corner clockwise, with the frame pen.
inline void ZeichneRahmen(CDC& dc, const RECT& r, const CPen& stift)
{
    dc.SelectObject(stift);
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right, r.top);
    dc.LineTo(r.right, r.bottom);
    dc.LineTo(r.left, r.bottom);
    dc.LineTo(r.left, r.top);
}

// A stored fraction or caption as printed: in percent when so set, unless asked for the raw text.
inline std::string Anteil(const std::string& text, bool unformatiert)
{
    return unformatiert ? text : g_pfade.FormatiereAnteil(text);
}

// A stored fraction as a value text: with the percent unit when so set.
inline std::string AnteilMitEinheit(const std::string& text, bool unformatiert)
{
    return unformatiert ? text : g_pfade.FormatiereAnteil(text) + g_pfade.HoleProzentEinheit();
}

// Tick positions of a horizontal axis. The first tick is the axis minimum and stands on the left
// edge even when the axis has no usable scale; a tick that cannot be placed has no position.
template <typename Abbildung>
std::vector<std::optional<int>> XStriche(const CDruckDaten& tabelle, int zeile, int links,
                                         Abbildung position)
{
    std::vector<std::optional<int>> striche;
    const int anzahl = Zellen(tabelle, zeile);
    for (int i = 0; i < anzahl; ++i)
        striche.push_back(i == 0 ? std::optional<int>(links)
                                 : ZuGeraeteInt(position(Zahl(tabelle, zeile, i))));
    return striche;
}

inline void ZeichneXStriche(CDC& dc, const std::vector<std::optional<int>>& striche, int unten)
{
    for (const auto& x : striche)
        if (x)
            Strecke(dc, *x, unten, *x, unten - StrichLaenge);
}

} // namespace zustandsgrenzen
