// Sheets that draw on other protocols: comparisons, the filter rule and the soil replacement.

#include "blaetter.h"

#include "arbeitstage.h"
#include "baustelle.h"
#include "data/textfunktionen.h"
#include "diagrams/bindemitteldiagramm.h"
#include "kopf_und_messungen.h"
#include "kornverteilung.h"
#include "musterwerte.h"
#include "platform/text.h"
#include "proctor.h"
#include "tabellendaten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace muster {

namespace {

// A sheet is made once the tests it draws on are done: it is dated after the latest of them.
void DatiereNach(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen)
{
    std::string spaetestes;
    for (const CProtokoll* quelle : quellen)
        spaetestes = std::max(spaetestes, quelle->HolePruefdatumRoh());
    if (!spaetestes.empty() && blatt.HolePruefdatumRoh() <= spaetestes)
        blatt.SetzeFeld(1, 9, NaechsterArbeitstag(spaetestes));
}

// Each value of a header field that the protocols hold, once, in their order.
std::vector<std::string> Kopfwerte(const std::vector<const CProtokoll*>& quellen, int feld)
{
    std::vector<std::string> werte;
    for (const CProtokoll* quelle : quellen)
        if (std::ranges::find(werte, quelle->HoleFeld(1, feld)) == werte.end())
            werte.push_back(quelle->HoleFeld(1, feld));
    return werte;
}

// Of area, station, layer, position, soil type, origin and state the sheet's header keeps what the
// protocols it describes share, or, `verbunden`, each of their values joined by " / ".
void UebernimmKopf(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen,
                   bool verbunden = false)
{
    for (int feld = 0; feld < 7; ++feld) {
        const std::vector<std::string> werte = Kopfwerte(quellen, feld);
        blatt.SetzeFeld(1, feld, werte.size() == 1 || verbunden ? Verbunden(werte, " / ") : "");
    }
}

// Ticks of one axis of the Proctor charts that hold every compared test's own ticks, at their
// step.
std::string GemeinsameStriche(const std::vector<const CProtokoll*>& proctors, int zeile)
{
    double von = 0, bis = 0, schritt = 0;
    for (const CProtokoll* proctor : proctors) {
        const std::vector<std::string> striche =
            Teile(StringHoleFeld(proctor->HoleSpeziellBlock5(), '|', zeile), '@');
        const double erster = StringZuDouble(striche.front());
        von = proctor == proctors.front() ? erster : std::min(von, erster);
        bis = std::max(bis, StringZuDouble(striche.back()));
        if (striche.size() > 1)
            schritt = StringZuDouble(striche[1]) - erster;
    }
    std::vector<double> werte{von};
    for (int k = 1; schritt > 0 && k <= std::lround((bis - von) / schritt); ++k)
        werte.push_back(von + k * schritt);
    return Zahlen(werte, 2);
}

// The chart data of a compared Proctor test as the comparison stores it, rows joined by "#": its
// points and curves as its own report draws them, on the common axes.
std::string ProctorKurve(const CProtokoll& proctor, const std::string& xStriche,
                         const std::string& yStriche)
{
    std::vector<std::string> zeilen = Teile(proctor.HoleSpeziellBlock5(), '|');
    zeilen.resize(std::max<size_t>(zeilen.size(), 2));
    zeilen[0] = xStriche;
    zeilen[1] = yStriche;
    return Verbunden(zeilen, "#");
}

// The chart data of a compared grain-size analysis, rows joined by "#": axes, class band and curves
// as its own report draws them, without the marks of its grading range, which the comparison does
// not explain.
std::string KornKurve(const CProtokoll& kornverteilung)
{
    std::vector<std::string> zeilen = Teile(kornverteilung.HoleSpeziellBlock5(), '|');
    for (size_t zeile = 4; zeile < 8 && zeile < zeilen.size(); ++zeile)
        zeilen[zeile].clear();
    return Verbunden(zeilen, "#");
}

// Legend texts of a compared protocol, from its header: sub-value 0 is unused, then the nine
// legend rows.
std::string Legendentexte(const CProtokoll& quelle, const std::string& kommentar)
{
    std::vector<std::string> texte = {"", Protokollverweis(quelle.HoleProtokollnummer()),
                                      quelle.HolePruefdatum()};
    for (int feld = 0; feld < 6; ++feld)
        texte.push_back(quelle.HoleFeld(1, feld));
    texte.push_back(kommentar);
    return Unterwerte(texte);
}

// What the comparison notes of a test: the density reference among the Proctor tests, whether a
// grain-size analysis keeps its grading range.
std::string Kommentar(const CProtokoll& quelle)
{
    if (quelle.GetPruefart() == 1001)
        return Protokollverweis(quelle.HoleProtokollnummer()) == BezugsproctorVerweis()
                   ? kBezugsprobe
                   : "Eignungsprüfung";
    if (quelle.HoleFeldSpeziell(4, 18).empty())
        return "";
    return std::ranges::all_of(Teile(quelle.HoleFeldSpeziell(4, 6), '@'),
                               [](const std::string& abweichung) {
                                   return abweichung.empty() || StringZuDouble(abweichung) == 0;
                               })
               ? "Grenzwerte eingehalten"
               : "Grenzwerte nicht eingehalten";
}

// The measurements of a sheet move to the place its header names once it takes the header of the
// protocols it describes.
void VerlegeMessungen(CProtokoll& blatt)
{
    CProtokoll neu;
    neu.Initialisiere(blatt.GetID(), blatt.GetTitelID(), blatt.GetPruefartID());
    neu.SetzePruefunterartKuerzel(blatt.GetPruefunterartKuerzel());
    neu.SetzeDatentexte(blatt.GetDatenAllgemein(), blatt.GetDatenSpeziell());
    SetzeUnterart(neu, blatt.GetPruefartVER());
    for (int i = 0; i < blatt.GetAnzahlMessungen(); ++i) {
        MESSUNG messung;
        blatt.GetMessung(i, messung);
        neu.FuegeMessungHinzu(NeueMessung(neu, i, messung.daten));
    }
    blatt = neu;
}

// The remarks of the compared tests that re-test another of them, each after its number.
std::string Nachpruefungen(const std::vector<const CProtokoll*>& quellen)
{
    std::vector<std::string> bemerkungen;
    for (const CProtokoll* nachpruefung : quellen) {
        const std::string bemerkung = nachpruefung->HoleFeld(2, 1);
        if (std::ranges::any_of(quellen, [&](const CProtokoll* quelle) {
                return quelle != nachpruefung &&
                       bemerkung.find(Protokollverweis(quelle->HoleProtokollnummer())) !=
                           std::string::npos;
            }))
            bemerkungen.push_back(Protokollverweis(nachpruefung->HoleProtokollnummer()) + ": " +
                                  bemerkung);
    }
    return Verbunden(bemerkungen, "; ");
}

// A comparison sheet of up to six tests of the project: colours, legend texts and the curves'
// chart data, each the compared test's own; its remark names the re-tests among them.
void SetzeVergleich(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen)
{
    const bool proctor = blatt.GetPruefartVER() == 2;
    const std::string xStriche = proctor ? GemeinsameStriche(quellen, 0) : "";
    const std::string yStriche = proctor ? GemeinsameStriche(quellen, 1) : "";
    std::vector<std::string> gruppe2{"", "0x0000c0@0xc00000@0x008000@0x0080e0@@", "", ""};
    std::vector<std::string> kurven;
    for (size_t k = 0; k < 6; ++k) {
        if (k >= quellen.size()) {
            gruppe2.push_back("");
            continue;
        }
        gruppe2.push_back(Legendentexte(*quellen[k], Kommentar(*quellen[k])));
        kurven.push_back(proctor ? ProctorKurve(*quellen[k], xStriche, yStriche)
                                 : KornKurve(*quellen[k]));
    }
    blatt.SetzeSpeziellGruppe(2, Felder(gruppe2));
    blatt.SetzeSpeziellGruppe(6, Felder(kurven));
    SetzeBemerkung(blatt, Nachpruefungen(quellen));
    UebernimmKopf(blatt, quellen);
}

// ---- Filter rule after Terzaghi: the silty sand behind a filter sand and a filter gravel -------

// The printed sieve table of a grain-size protocol: sizes and passing sums of the sieve rows.
struct Siebspalten
{
    std::vector<std::string> weite, summe;
};

Siebspalten GedruckteSiebe(const CProtokoll& kornverteilung)
{
    Siebspalten spalten;
    for (int i = 1; i <= 16; ++i) {
        const std::string weite = kornverteilung.HoleUnterfeld(4, 0, i);
        if (weite.empty())
            continue;
        spalten.weite.push_back(weite);
        spalten.summe.push_back(kornverteilung.HoleUnterfeld(4, 3, i));
    }
    return spalten;
}

std::string Millimeter(std::optional<double> weite)
{
    return weite ? Text(*weite, 3) : "";
}

// A criterion holds when its larger side is at least its smaller one, both as printed.
std::string Kriterium(const std::string& groesser, const std::string& kleiner)
{
    if (groesser.empty() || kleiner.empty())
        return "";
    return StringZuDouble(groesser) >= StringZuDouble(kleiner) ? "erfüllt" : "nicht erfüllt";
}

// The soil and its two filters, each a grain-size protocol of the project: the page prints their
// sieve tables and reads d15, d50 and d85 from them by the rule of the grain-size reports.
void SetzeFiltermaterialien(CProtokoll& blatt, const std::array<const CProtokoll*, 3>& materialien)
{
    const char* const namen[] = {"Boden", "Filter 1", "Filter 2"};
    std::vector<std::string> felder(15), nummern(4);
    std::vector<std::pair<std::string, std::string>> eckdaten;
    std::string weiten, durchgaenge, kreise;
    std::string d15[3], d85[3], a[3], aStrich[3];
    for (int m = 0; m < 3; ++m) {
        const Siebspalten siebe = GedruckteSiebe(*materialien[m]);
        const std::vector<Kornpunkt> kurve = LeseKornkurve(siebe.weite, siebe.summe);
        const std::string nummer = Protokollverweis(materialien[m]->HoleProtokollnummer());
        d15[m] = Millimeter(KornBei(kurve, 15));
        d85[m] = Millimeter(KornBei(kurve, 85));
        // The filter widths from the values as printed, as a reader checks them.
        a[m] = d15[m].empty() ? "" : Text(4 * StringZuDouble(d15[m]), 3);
        aStrich[m] = d85[m].empty() ? "" : Text(4 * StringZuDouble(d85[m]), 3);
        felder[2 * m] = Unterwerte(siebe.weite);
        felder[2 * m + 1] = Unterwerte(siebe.summe);
        felder[6 + m] = Unterwerte({d15[m], Millimeter(KornBei(kurve, 50)), d85[m], "", a[m],
                                    aStrich[m], std::string(namen[m]) + " " + nummer});
        // The lists read the protocols' numbers from group 2.
        nummern.push_back(Unterwerte({"", "", "", "", "", nummer}));
        weiten += (m ? ",(" : "(") + Unterwerte(siebe.weite) + ")";
        durchgaenge += (m ? ",(" : "(") + Unterwerte(siebe.summe) + ")";
        kreise += m ? ",(0)" : "(0)";
        eckdaten.emplace_back(namen[m], nummer);
    }
    const std::string ergebnisse[] = {Kriterium(aStrich[0], d15[1]), Kriterium(d15[1], a[0]),
                                      Kriterium(aStrich[1], d15[2]), Kriterium(d15[2], a[1])};
    felder[14] = Unterwerte({ergebnisse[0], ergebnisse[1], ergebnisse[2], ergebnisse[3]});
    blatt.SetzeSpeziellGruppe(4, Felder(felder));
    blatt.SetzeSpeziellGruppe(2, Felder(nummern));
    blatt.SetzeSpeziellGruppe(5, Felder({"0.001@0.002@0.006@0.02@0.06@0.2@0.6@2@6.3@20@63@200",
                                         "0@10@20@30@40@50@60@70@80@90@100", weiten, durchgaenge,
                                         "", "", "", "", "1", kreise}));
    eckdaten.insert(eckdaten.end(), {{"Sperrb. F1", ergebnisse[0]},
                                     {"Durchl. F1", ergebnisse[1]},
                                     {"Sperrb. F2", ergebnisse[2]},
                                     {"Durchl. F2", ergebnisse[3]}});
    SetzeEckdaten(blatt, eckdaten);
    // The header names the drain's place, where its filters lie, their layers and soils.
    UebernimmKopf(blatt, {materialien[1], materialien[2]}, true);
}

// ---- Soil-replacement thickness: a recommendation from a static plate load test --------------

// The thickness of the soil replacement on the subgrade of a static plate load test, from the
// values its page prints, for the replacement's required Ev2 and its planned thickness. The
// header names the test's area, station and position and the replacement's layer and soil.
void SetzeBodenaustausch(CProtokoll& blatt, const CProtokoll& platte)
{
    for (int feld : {0, 1, 3})
        blatt.SetzeFeld(1, feld, platte.HoleFeld(1, feld));
    blatt.SetzeFeld(1, 2, kBodenaustausch.name);
    SetzeBoden(blatt, *kBodenaustausch.boden);
    const std::string ev1 = platte.HoleFeldSpeziell(4, 17), ev2 = platte.HoleFeldSpeziell(4, 21);
    const double unterlage = StringZuDouble(ev2), soll = kBodenaustausch.ev2Soll;
    const double geplant = 100 * kAustauschdicke;
    int noetig = 0;
    BerechneEinbaustaerke(soll, unterlage, noetig);
    const std::vector<std::string> seite = {Protokollverweis(platte.HoleProtokollnummer()),
                                            ev1,
                                            ev2,
                                            Text(soll, 0),
                                            Text(geplant, 0),
                                            platte.HoleFeldSpeziell(4, 22),
                                            std::to_string(noetig),
                                            std::to_string(SucheEv2Soll(unterlage, geplant)),
                                            std::to_string(SucheEv2Unterlage(soll, geplant))};
    blatt.SetzeSpeziellGruppe(4, Felder(seite));
    // The plate load test, its Ev2 and the required Ev2, as the lists read them.
    blatt.SetzeSpeziellGruppe(2, Felder({seite[0], "", seite[2], seite[3]}));
    blatt.SetzeSpeziellGruppe(5, Felder({"", "", seite[2], seite[4]}));
    // The subgrade's value is the least Ev2 on which the planned thickness reaches the required
    // one, not the Ev2 measured on it.
    SetzeEckdaten(blatt, {{"nötig", seite[6] + " cm"},
                          {"geplant", seite[4] + " cm"},
                          {"Ev2 erw.", seite[7] + " MN/m²"},
                          {"Unterl. min", seite[8] + " MN/m²"}});
}

} // namespace

// The sheet draws on the protocols it names: a comparison on its tests, the filter rule on the
// soil and its two filters, the soil replacement on its static plate load test. It is dated after
// them, and its measurements stand where its header then puts them.
void SetzeQuellen(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen)
{
    switch (blatt.GetPruefart()) {
    case 1000:
        SetzeSchlaemmung(blatt, *quellen.at(0));
        break;
    case 1010:
        SetzeBodenaustausch(blatt, *quellen.at(0));
        break;
    case 1015:
        SetzeFiltermaterialien(blatt, {quellen.at(0), quellen.at(1), quellen.at(2)});
        break;
    case 1018:
        SetzeVergleich(blatt, quellen);
        break;
    }
    DatiereNach(blatt, quellen);
    VerlegeMessungen(blatt);
}

} // namespace muster
