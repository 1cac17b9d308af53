// Binder amount: a recommendation from the reference Proctor test.

#include "bindemittel.h"

#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "proctor.h"
#include "tabellendaten.h"

namespace muster {

// The reference Proctor test's silty sand, drier than its optimum, improved with a mixed binder.
// The soil is improved as built in, with its oversize: binder and water follow from the Proctor
// density and optimum water content with the oversize, which the density tests use and to which
// the site meeting's note tells the site to wet it. The chart lines give the binder per square
// metre at 100 cm for the recommended and for a raised share, which the remark line names.
void FuelleBindemittel(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Proctorversuch& proctor = Bezugsproctor();
    const double dichte = proctor.dichteMitUeberkorn, wOpt = proctor.wOptMitUeberkorn;
    const double wNat = Gerundet(proctor.wOpt - 0.02 - 0.01 * Streuwert(nummer, 0, 82), 3);
    const double kgJeM3 = Gerundet(dichte * 1000 * kBindemittelanteil / 100, 0);
    const double kgErhoeht = Gerundet(dichte * 1000 * kBindemittelErhoeht / 100, 0);
    const double wasser = Gerundet((wOpt - wNat) * dichte * 1000, 0);
    const std::vector<std::string> seite = {BezugsproctorVerweis(), Text(dichte, 3),
                                            Text(wOpt, 3),          Text(proctor.korndichte, 3),
                                            Text(wNat, 3),          "12",
                                            "Mischbinder 70/30",    Text(kBindemittelanteil, 1),
                                            Text(kgJeM3, 0),        Text(wasser, 0)};
    protokoll.SetzeSpeziellGruppe(4, Felder(seite));
    // The recommendation as the lists read it: Proctor test, its optimum and density, natural
    // water content, then binder, additions and water.
    protokoll.SetzeSpeziellGruppe(2, Felder({seite[0], "", seite[2], seite[1], seite[4], "",
                                             seite[6], seite[7], seite[8], seite[9]}));
    protokoll.SetzeSpeziellGruppe(5, Felder({"", "", Text(kgJeM3, 1), Text(kgErhoeht, 1)}));
    SetzeBemerkung(protokoll, "Diagramm: durchgezogen " + Komma(kBindemittelanteil, 1) + " % (" +
                                  Text(kgJeM3, 0) + " kg/m³), gestrichelt " +
                                  Komma(kBindemittelErhoeht, 1) + " % (" + Text(kgErhoeht, 0) +
                                  " kg/m³)");
    SetzeEckdaten(protokoll, {{"Bindem.", seite[6]},
                              {"Zugabe", seite[7] + " %"},
                              {"Zugabe", seite[8] + " Kg/m³"},
                              {"Wasser", seite[9] + " L/m³"}});
}

} // namespace muster
