#include "diagrams/diagrammbereich.h"

#include "data/textfunktionen.h"
#include "platform/cdc.h"
#include "report/druckdaten.h"

#include <cmath>

namespace {

int ZellenDerZeile(const CDruckDaten& tabelle, int zeile)
{
    return StringZaehleFelder(tabelle.GetZeile(zeile), "@");
}

double Zahl(const CDruckDaten& tabelle, int zeile, int spalte)
{
    return StringZuDouble(tabelle.GetText(zeile, spalte));
}

} // namespace

bool CDiagrammBereich::IstAbbildbar() const
{
    return std::isfinite(xMin) && std::isfinite(yMin) && std::isfinite(xFaktor) &&
           std::isfinite(yFaktor) && xFaktor != 0 && yFaktor != 0;
}

std::optional<POINT> CDiagrammBereich::GeraetePunkt(const RECT& rechteck, double x, double y) const
{
    return ZuGeraetePunkt(rechteck.left + (x - xMin) * xFaktor,
                          rechteck.bottom - (y - yMin) * yFaktor);
}

bool LeseDiagrammBereich(const RECT& rechteck, const std::string& daten, CDiagrammBereich& bereich)
{
    if (daten.empty())
        return false;
    const CDruckDaten tabelle(daten);
    bereich.letzterXStrich = ZellenDerZeile(tabelle, 0) - 1;
    bereich.letzterYStrich = ZellenDerZeile(tabelle, 1) - 1;
    bereich.anzahlReihe2 = ZellenDerZeile(tabelle, 2);
    bereich.anzahlReihe6 = ZellenDerZeile(tabelle, 6);
    if (bereich.letzterXStrich < 1 || bereich.letzterYStrich < 1)
        return false;

    bereich.anzahlStuetzstellen = 320;
    bereich.xMin = Zahl(tabelle, 0, 0);
    bereich.xMax = Zahl(tabelle, 0, bereich.letzterXStrich);
    bereich.yMin = Zahl(tabelle, 1, 0);
    bereich.yMax = Zahl(tabelle, 1, bereich.letzterYStrich);
    // Equal first and last ticks give a factor that is not finite; IstAbbildbar reports it.
    bereich.xFaktor =
        static_cast<double>(rechteck.right - rechteck.left) / (bereich.xMax - bereich.xMin);
    bereich.yFaktor =
        static_cast<double>(rechteck.bottom - rechteck.top) / (bereich.yMax - bereich.yMin);
    return true;
}

bool PruefePlattendruckAst(const std::string& daten, int ast)
{
    const CDruckDaten tabelle(daten);
    switch (ast) {
    case 0:
        return ZellenDerZeile(tabelle, 2) >= 3;
    case 1: // two points are enough for this branch
        return ZellenDerZeile(tabelle, 4) >= 2;
    case 2:
        return ZellenDerZeile(tabelle, 6) >= 3;
    default:
        return true;
    }
}
