// Grain-size distribution: sieve analyses of the sample's soils and filter materials.

#include "kornverteilung.h"

#include "data/textfunktionen.h"
#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "platform/text.h"
#include "tabellendaten.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace muster {

namespace {

const Sieblinienbereich kFrostschutzschicht032 = {"Frostschutzschicht",
                                                  "0",
                                                  "32",
                                                  {{0.063, "0", "5"},
                                                   {0.5, "5", "35"},
                                                   {2, "15", "55"},
                                                   {4, "25", "65"},
                                                   {8, "35", "78"},
                                                   {16, "55", "90"},
                                                   {31.5, "90", "100"},
                                                   {45, "100", "100"}}};

const Sieblinienbereich kSchottertragschicht032 = {"Schottertragschicht",
                                                   "0",
                                                   "32",
                                                   {{0.063, "0", "5"},
                                                    {0.5, "4", "20"},
                                                    {2, "15", "35"},
                                                    {8, "35", "60"},
                                                    {16, "55", "80"},
                                                    {31.5, "90", "100"},
                                                    {45, "100", "100"}}};

} // namespace

// clang-format off
const std::array<Kornmaterial, kKornproben>& Kornmaterialien()
{
    static const std::array<Kornmaterial, kKornproben> materialien = {{
        {{{0.063, 3.8}, {0.125, 10.0}, {0.25, 16.6}, {0.5, 23.0}, {1, 30.5}, {2, 40.0}, {4, 52.0},
          {8, 65.5}, {16, 81.0}, {31.5, 96.0}, {45, 100.0}},
         {}, 5124.6, 6.3, "Nasssiebung", &kFrostschutzschicht032, &kFrostschutz},
        {{{0.063, 11.5}, {0.125, 21.0}, {0.25, 38.2}, {0.5, 57.0}, {1, 69.0}, {2, 77.5}, {4, 84.0},
          {8, 90.0}, {16, 94.5}, {31.5, 100.0}},
         {{0.06, 11.2}, {0.03, 8.9}, {0.02, 7.6}, {0.01, 5.8}, {0.006, 4.6}, {0.002, 2.9},
          {0.001, 2.1}},
         2612.4, 2.8, "Nasssiebung", nullptr, &kDamm},
        {{{0.063, 0.6}, {0.125, 1.4}, {0.25, 3.9}, {0.5, 14.2}, {1, 41.5}, {2, 74.8}, {4, 97.1},
          {8, 100.0}},
         {}, 1528.7, 1.2, "Trockensiebung", nullptr, &kFilter1},
        {{{0.063, 0.3}, {0.125, 0.4}, {0.25, 0.6}, {0.5, 0.9}, {1, 1.5}, {2, 4.6}, {4, 33.8},
          {8, 91.2}, {16, 100.0}},
         {}, 2486.2, 1.9, "Trockensiebung", nullptr, &kFilter2},
        {{{0.063, 4.6}, {0.125, 7.5}, {0.25, 13.0}, {0.5, 22.5}, {1, 38.0}, {2, 57.0}, {4, 67.5},
          {8, 76.6}, {16, 88.0}, {31.5, 97.2}, {45, 100.0}},
         {}, 4871.3, 5.1, "Nasssiebung", &kFrostschutzschicht032, &kFrostschutz,
         kSandkiesNachgebessert},
        {{{0.063, 2.1}, {0.125, 3.5}, {0.25, 6.2}, {0.5, 10.4}, {1, 15.8}, {2, 22.6}, {4, 33.1},
          {8, 49.4}, {16, 70.2}, {31.5, 92.3}, {45, 100.0}},
         {}, 5386.9, 4.4, "Nasssiebung", &kFrostschutzschicht032, &kFrostschutz},
        {{{0.063, 3.2}, {0.125, 5.0}, {0.25, 7.5}, {0.5, 11.0}, {1, 16.0}, {2, 23.0}, {4, 32.0},
          {8, 45.0}, {16, 65.0}, {31.5, 93.0}, {45, 100.0}},
         {}, 6120.4, 5.2, "Nasssiebung", &kSchottertragschicht032, &kSchottertrag},
        {{{0.063, 3.9}, {0.125, 6.2}, {0.25, 10.5}, {0.5, 17.0}, {1, 26.4}, {2, 39.1}, {4, 52.3},
          {8, 66.8}, {16, 81.5}, {31.5, 95.6}, {45, 100.0}},
         {}, 5012.8, 4.6, "Nasssiebung", &kFrostschutzschicht032, &kFrostschutz},
    }};
    return materialien;
}
// clang-format on

namespace {

// The sieve analysis as the report prints it: the residues weighed to 0.1 g, and their shares and
// passing sums in per cent of all residues. Residue rows begin with the pan.
struct Siebtabelle
{
    std::vector<std::string> weite, summe;
    std::vector<std::string> rueckstand, anteil;
    std::string einwaage, verlust;
};

Siebtabelle Siebanalyse(const Kornmaterial& material)
{
    const std::vector<Kornpunkt>& siebe = material.siebe;
    // The pan holds what passes the finest sieve, each sieve what passes the next larger one but
    // not itself.
    std::vector<double> rueckstand;
    double gesamt = 0;
    for (size_t i = 0; i <= siebe.size(); ++i) {
        const double oben = i < siebe.size() ? siebe[i].second : 100;
        const double unten = i > 0 ? siebe[i - 1].second : 0;
        rueckstand.push_back(
            Gerundet((material.einwaage - material.verlust) * (oben - unten) / 100, 1));
        gesamt += rueckstand.back();
    }
    Siebtabelle tabelle;
    double durchgang = 0;
    for (size_t i = 0; i <= siebe.size(); ++i) {
        tabelle.rueckstand.push_back(Text(rueckstand[i], 1));
        tabelle.anteil.push_back(Text(100 * rueckstand[i] / gesamt, 1));
        if (i == siebe.size())
            break;
        durchgang += rueckstand[i];
        tabelle.weite.push_back(StringFormat("%g", siebe[i].first));
        tabelle.summe.push_back(Text(100 * durchgang / gesamt, 1));
    }
    tabelle.einwaage = Text(material.einwaage, 1);
    tabelle.verlust = Text(material.einwaage - gesamt, 1);
    return tabelle;
}

} // namespace

// Printed sizes and passings read back, in the order given.
std::vector<Kornpunkt> LeseKornkurve(const std::vector<std::string>& weiten,
                                     const std::vector<std::string>& durchgaenge)
{
    std::vector<Kornpunkt> kurve;
    for (size_t i = 0; i < weiten.size() && i < durchgaenge.size(); ++i)
        kurve.emplace_back(StringZuDoubleC(weiten[i].c_str()),
                           StringZuDoubleC(durchgaenge[i].c_str()));
    return kurve;
}

namespace {

double Log(double weite)
{
    return std::log10(weite);
}

} // namespace

// The size at a passing, interpolated in log size between the printed points of the curve
// (smallest size first); none below the curve's first point.
std::optional<double> KornBei(const std::vector<Kornpunkt>& kurve, double prozent)
{
    if (kurve.empty() || prozent < kurve.front().second)
        return std::nullopt;
    for (size_t i = 1; i < kurve.size(); ++i) {
        const auto [d1, p1] = kurve[i - 1];
        const auto [d2, p2] = kurve[i];
        if (p2 >= prozent && p2 > p1)
            return std::pow(10.0, Log(d1) + (prozent - p1) / (p2 - p1) * (Log(d2) - Log(d1)));
    }
    return std::nullopt;
}

namespace {

// The passing at a size, by the same rule; everything passes above the largest point, none is
// known below the smallest.
std::optional<double> DurchgangBei(const std::vector<Kornpunkt>& kurve, double weite)
{
    if (kurve.empty() || weite < kurve.front().first)
        return std::nullopt;
    for (size_t i = 1; i < kurve.size(); ++i) {
        const auto [d1, p1] = kurve[i - 1];
        const auto [d2, p2] = kurve[i];
        if (d2 >= weite)
            return p1 + (Log(weite) - Log(d1)) / (Log(d2) - Log(d1)) * (p2 - p1);
    }
    return weite > kurve.back().first ? 100.0 : kurve.back().second;
}

// A characteristic value of the page's table. Index j of fields 12 to 15 is the one the lists
// read for the value (uniformity 6, d10 .. d85 10 to 16, fractions 0 and 2 to 5, friction angle
// 17); the page prints them in that order, the curvature (1) after the sizes and the largest
// grain, soil group and frost class (7 to 9) last.
struct Kennwert
{
    size_t index;
    std::string name, symbol, einheit, wert;
};

std::string KennwertFeld(const std::vector<Kennwert>& werte, std::string Kennwert::*teil)
{
    std::vector<std::string> felder(18);
    for (const Kennwert& k : werte)
        felder[k.index] = k.*teil;
    return Unterwerte(felder);
}

// Soil group after DIN 18196 from the fines (< 0.063 mm), the gravel (> 2 mm) and the grading.
// The fines of the sample's soils are silt, so mixed soils are U groups.
std::string Bodengruppe(double feinkorn, double kies, double u, double cc)
{
    const std::string haupt = kies > 40 ? "G" : "S";
    if (feinkorn > 15)
        return haupt + "U*";
    if (feinkorn > 5)
        return haupt + "U";
    if (u < 6)
        return haupt + "E";
    return haupt + (cc >= 1 && cc <= 3 ? "W" : "I");
}

// Frost class after ZTV E-StB: clean coarse soils F1, mixed ones F2 unless they hold little
// enough fines for their grading (5 % at U >= 15 up to 15 % at U <= 6), high fines F3.
std::string Frostempfindlichkeit(const std::string& gruppe, double feinkorn, double u)
{
    if (gruppe.ends_with('*'))
        return "F3";
    if (gruppe[1] != 'U')
        return "F1";
    const double grenze = 15 - 10 * std::clamp((u - 6) / 9, 0.0, 1.0);
    return feinkorn <= grenze ? "F1" : "F2";
}

// Friction angle as the soil group suggests; no shear test stands behind it.
std::string Reibungswinkel(const std::string& gruppe)
{
    static const std::map<std::string, const char*> winkel = {
        {"GW", "35"}, {"GI", "35"},   {"GE", "32.5"}, {"SW", "32.5"}, {"SI", "32.5"},
        {"SE", "30"}, {"GU", "32.5"}, {"SU", "30"},   {"GU*", "30"},  {"SU*", "27.5"}};
    return winkel.at(gruppe);
}

// Everything the page's table of characteristic values gives, read from the printed curve by the
// rule of `KornBei`. A value the curve does not reach (the clay of a sieving alone) is not
// printed; every material of the table reaches 10 % and 0.063 mm within its curve.
std::vector<Kennwert> Kornkennwerte(const std::vector<Kornpunkt>& kurve)
{
    const std::optional<double> ton = DurchgangBei(kurve, 0.002);
    const double feinkorn = *DurchgangBei(kurve, 0.063);
    const double sand = *DurchgangBei(kurve, 2) - feinkorn;
    const double kies = *DurchgangBei(kurve, 63) - *DurchgangBei(kurve, 2);
    const double d10 = *KornBei(kurve, 10), d30 = *KornBei(kurve, 30), d60 = *KornBei(kurve, 60);
    const double u = d60 / d10, cc = d30 * d30 / (d10 * d60);
    const std::string gruppe = Bodengruppe(feinkorn, kies, u, cc);
    const auto groesstes =
        std::ranges::find_if(kurve, [](const Kornpunkt& p) { return p.second >= 100; });
    std::vector<Kennwert> werte = {
        {6, "Ungleichförmigkeitszahl", "C<t>U", "[-]", Text(u, 1)},
        {1, "Krümmungszahl", "C<t>C", "[-]", Text(cc, 2)},
        {3, "Sandanteil", "", "[M.-%]", Text(sand, 1)},
        {4, "Kiesanteil", "", "[M.-%]", Text(kies, 1)},
        {5, "Steinanteil", "", "[M.-%]", Text(100 - *DurchgangBei(kurve, 63), 1)},
        {17, "Reibungswinkel (geschätzt)", "<fs>j<fn>", "[°]", Reibungswinkel(gruppe)},
        {7, "Größtkorn", "d<t>100", "[mm]", StringFormat("%g", groesstes->first)},
        {8, "Bodengruppe nach DIN 18196", "", "", gruppe},
        {9, "Frostempfindlichkeit", "", "", Frostempfindlichkeit(gruppe, feinkorn, u)},
    };
    if (ton) {
        werte.push_back({0, "Tonanteil", "", "[M.-%]", Text(*ton, 1)});
        werte.push_back({2, "Schluffanteil", "", "[M.-%]", Text(feinkorn - *ton, 1)});
    }
    const int anteile[] = {10, 15, 17, 30, 50, 60, 85};
    for (size_t k = 0; k < std::size(anteile); ++k) {
        if (const std::optional<double> d = KornBei(kurve, anteile[k]))
            werte.push_back({10 + k, StringFormat("Korngröße bei %d %%", anteile[k]),
                             StringFormat("d<t>%d", anteile[k]), "[mm]", Text(*d, 3)});
    }
    return werte;
}

// The key data of the details pane: the results a reader looks for first, as the page prints
// them, with the unit.
std::vector<std::pair<std::string, std::string>> KornEckdaten(const std::vector<Kennwert>& werte)
{
    static const std::pair<size_t, const char*> auswahl[] = {
        {8, "Bodengr."}, {9, "Frostklasse"}, {7, "Größtkorn"}, {6, "CU"},
        {1, "CC"},       {4, "Kiesanteil"},  {3, "Sandanteil"}};
    std::vector<std::pair<std::string, std::string>> eckdaten;
    for (const auto& [index, name] : auswahl) {
        const auto wert = std::ranges::find(werte, index, &Kennwert::index);
        const std::string einheit = wert->einheit.size() > 2 && wert->einheit != "[-]"
                                        ? " " + wert->einheit.substr(1, wert->einheit.size() - 2)
                                        : "";
        eckdaten.emplace_back(name, wert->wert + einheit);
    }
    return eckdaten;
}

// The limits of the grading range at a sieve, and how far the passing lies outside them.
struct Grenzzeile
{
    std::string min, max, abweichung;
};

Grenzzeile GrenzenBei(const Sieblinienbereich* bereich, double weite, double durchgang)
{
    if (bereich == nullptr)
        return {};
    for (const Grenzwerte& g : bereich->grenzen) {
        if (g.weite != weite)
            continue;
        const double min = StringZuDoubleC(g.min), max = StringZuDoubleC(g.max);
        const double abweichung = durchgang < min   ? durchgang - min
                                  : durchgang > max ? durchgang - max
                                                    : 0;
        return {g.min, g.max, Text(abweichung, 1)};
    }
    return {};
}

// The table of characteristic values and the key data of an analysis from its curve.
void SetzeKennwerte(CProtokoll& protokoll, const std::vector<Kornpunkt>& kurve)
{
    const std::vector<Kennwert> kennwerte = Kornkennwerte(kurve);
    std::vector<std::string> felder = Teile(protokoll.HoleSpeziellBlock(4), '|');
    felder[12] = KennwertFeld(kennwerte, &Kennwert::name);
    felder[13] = KennwertFeld(kennwerte, &Kennwert::symbol);
    felder[14] = KennwertFeld(kennwerte, &Kennwert::einheit);
    felder[15] = KennwertFeld(kennwerte, &Kennwert::wert);
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(protokoll, KornEckdaten(kennwerte));
}

// The printed sieve rows of an analysis: size and passing, the pan left out.
std::vector<Kornpunkt> GedruckteSiebkurve(const CProtokoll& kornverteilung)
{
    std::vector<std::string> weiten = Teile(kornverteilung.HoleFeldSpeziell(4, 0), '@'),
                             summen = Teile(kornverteilung.HoleFeldSpeziell(4, 3), '@');
    weiten.erase(weiten.begin());
    summen.erase(summen.begin());
    return LeseKornkurve(weiten, summen);
}

} // namespace

double GedruckterDurchgang(Kornprobe probe, double weite)
{
    const Siebtabelle tabelle = Siebanalyse(Kornmaterialien()[probe]);
    return DurchgangBei(LeseKornkurve(tabelle.weite, tabelle.summe), weite).value_or(0);
}

double Schlaemmdurchgang(Kornprobe probe, double weite)
{
    const Kornmaterial& material = Kornmaterialien()[probe];
    const Siebtabelle tabelle = Siebanalyse(material);
    std::vector<Kornpunkt> kurve(material.schlaemmung.rbegin(), material.schlaemmung.rend());
    for (const Kornpunkt& sieb : LeseKornkurve(tabelle.weite, tabelle.summe))
        if (sieb.first > kurve.back().first)
            kurve.push_back(sieb);
    return DurchgangBei(kurve, weite).value_or(0);
}

// The header names the sample's place, and the group its analysis gives is that of the layer's
// soil. The curve is the sieves' until a sedimentation of the sample carries it below them.
void FuelleKornprobe(CProtokoll& protokoll, int nummer, int messungen, const Kornmaterial& material)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Siebtabelle tabelle = Siebanalyse(material);
    const std::vector<Kornpunkt> siebkurve = LeseKornkurve(tabelle.weite, tabelle.summe);

    std::vector<std::string> min, max, abweichung;
    std::vector<std::string> grenzeOben, durchgangOben, grenzeUnten, durchgangUnten;
    for (size_t i = 0; i < siebkurve.size(); ++i) {
        const Grenzzeile grenzen =
            GrenzenBei(material.bereich, siebkurve[i].first, siebkurve[i].second);
        min.push_back(grenzen.min);
        max.push_back(grenzen.max);
        abweichung.push_back(grenzen.abweichung);
        if (!grenzen.max.empty()) {
            grenzeOben.push_back(tabelle.weite[i]);
            durchgangOben.push_back(grenzen.max);
        }
        if (StringZuDoubleC(grenzen.min.c_str()) > 0) {
            grenzeUnten.push_back(tabelle.weite[i]);
            durchgangUnten.push_back(grenzen.min);
        }
    }
    const Sieblinienbereich keiner{"", "", "", {}};
    const Sieblinienbereich& bereich = material.bereich ? *material.bereich : keiner;
    protokoll.SetzeSpeziellGruppe(4, Felder({"@" + Unterwerte(tabelle.weite),
                                             Unterwerte(tabelle.rueckstand),
                                             Unterwerte(tabelle.anteil),
                                             "@" + Unterwerte(tabelle.summe),
                                             "@" + Unterwerte(min),
                                             "@" + Unterwerte(max),
                                             "@" + Unterwerte(abweichung),
                                             tabelle.einwaage,
                                             tabelle.verlust,
                                             material.arbeitsweise,
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             bereich.name,
                                             bereich.von,
                                             bereich.bis}));
    SetzeKennwerte(protokoll, siebkurve);
    // The sieve set; the lists show its largest sieve, the first that everything passes, as the
    // largest grain.
    protokoll.SetzeSpeziellGruppe(2, "@" + Unterwerte(tabelle.weite));

    // Chart: the class band, the sieve curve, the grading range as triangle marks above (upper
    // limit) and below (lower limit); the sedimentation curve, where there is one, in rows 10
    // and 12.
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"0.001@0.002@0.006@0.02@0.06@0.2@0.6@2@6.3@20@63@200",
                   "0@10@20@30@40@50@60@70@80@90@100", Unterwerte(tabelle.weite),
                   Unterwerte(tabelle.summe), Unterwerte(grenzeOben), Unterwerte(durchgangOben),
                   Unterwerte(grenzeUnten), Unterwerte(durchgangUnten), "1", "", "", "", ""}));
}

// The sedimentation's grain sizes and passings of the whole sample below the finest sieve, as it
// prints them, carry the curve: the chart draws them, the characteristic values follow, the
// method and the remark name the sedimentation.
void SetzeSchlaemmung(CProtokoll& kornverteilung, const CProtokoll& sedimentation)
{
    const std::vector<Kornpunkt> siebkurve = GedruckteSiebkurve(kornverteilung);
    std::vector<std::string> feinWeite, feinDurchgang;
    for (int ablesung = 1; !sedimentation.HoleFeldSpeziell(4, ablesung).empty(); ++ablesung) {
        const std::string weite = sedimentation.HoleUnterfeld(4, ablesung, 5);
        if (StringZuDoubleC(weite.c_str()) >= siebkurve.front().first)
            continue;
        feinWeite.push_back(weite);
        feinDurchgang.push_back(sedimentation.HoleUnterfeld(4, ablesung, 9));
    }
    std::vector<Kornpunkt> kurve;
    for (const Kornpunkt& p : LeseKornkurve(feinWeite, feinDurchgang))
        kurve.insert(kurve.begin(), p);
    kurve.insert(kurve.end(), siebkurve.begin(), siebkurve.end());

    std::vector<std::string> felder = Teile(kornverteilung.HoleSpeziellBlock(4), '|');
    felder[9] = "Nasssiebung mit Sedimentation";
    kornverteilung.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeKennwerte(kornverteilung, kurve);
    std::vector<std::string> diagramm = Teile(kornverteilung.HoleSpeziellBlock(5), '|');
    diagramm[10] = Unterwerte(feinWeite);
    diagramm[12] = Unterwerte(feinDurchgang);
    kornverteilung.SetzeSpeziellGruppe(5, Felder(diagramm));
    SetzeBemerkung(kornverteilung, "Schlämmkorn nach Sedimentation " +
                                       Protokollverweis(sedimentation.HoleProtokollnummer()));
}

// A grain-size protocol of the test-type table: today's sample of the frost protection layer.
void FuelleKornverteilung(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleKornprobe(protokoll, nummer, messungen, Kornmaterialien()[kSandkies]);
}

} // namespace muster
