#include "diagrams/diagrammbereich.h"

#include "data/textfunktionen.h"
#include "report/druckdaten.h"

namespace {

int ZellenDerZeile(const CDruckDaten& tabelle, int zeile)
{
    return StringZaehleFelder(tabelle.GetZeile(zeile), "@");
}

} // namespace

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
