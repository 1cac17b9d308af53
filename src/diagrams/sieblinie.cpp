#include "diagrams/sieblinie.h"

#include "data/textfunktionen.h"
#include "report/druckdaten.h"

#include <cmath>

namespace {

const double AnfangspunktX = std::log10(0.00099);
constexpr double Endpunkt = -2; // log10 of 0.01 mm

int ZellenDerListe(const std::string& liste)
{
    return liste.empty() ? 0 : StringZaehleFelder(liste, "@");
}

double Zelle(const std::string& liste, int k)
{
    return StringZuDouble(StringHoleFeld(liste, '@', k));
}

} // namespace

void CSieblinie::LeseAusListen(const std::string& groessen, const std::string& durchgang,
                               bool mitAnfangspunkt)
{
    xWerte.clear();
    yWerte.clear();
    xKurve.clear();
    yKurve.clear();
    ersteX = letzteX = 0;
    anzahl = 0;
    bool ersterGenommen = false;
    const int zellen = ZellenDerListe(groessen);
    for (int k = 0; k < zellen; ++k) {
        const double groesse = Zelle(groessen, k);
        const double x = std::log10(groesse);
        if (!std::isfinite(x))
            continue;
        if (mitAnfangspunkt && anzahl == 0 && groesse > 0.001) {
            xWerte.push_back(AnfangspunktX);
            yWerte.push_back(0);
            ++anzahl;
        }
        if (anzahl > 0 && x <= xWerte.back())
            continue;
        if (!ersterGenommen)
            ersteX = x;
        ersterGenommen = true;
        xWerte.push_back(x);
        yWerte.push_back(Zelle(durchgang, k));
        ++anzahl;
        letzteX = x;
    }
    for (int i = 0; i < 2; ++i) {
        xWerte.push_back(Endpunkt);
        yWerte.push_back(0);
    }
}

void DreheSiebReihenfolge(const CDruckDaten& daten, std::string& groessen, std::string& durchgang)
{
    const int zellen = StringZaehleFelder(daten.GetZeile(10), "@");
    for (int k = zellen - 1; k >= 0; --k) {
        groessen += daten.GetText(10, k) + "@";
        durchgang += daten.GetText(12, k) + "@";
    }
}
