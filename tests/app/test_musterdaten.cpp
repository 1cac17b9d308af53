// The sample project agrees with itself: what the measurement list, the summary table and the
// export show in their result columns is what the protocol's report page prints, in the row that
// names it; every result a report prints follows from the raw values printed beside it.
#include "app/protokolldetails.h"
#include "data/messungsspalten.h"
#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "musterbauer.h"
#include "nachrechnung.h"
#include "platform/qtext.h"
#include "platform/recordingdc.h"
#include "platform/text.h"

#include <QFontMetrics>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace nachrechnung;

namespace {

// Per list column id: the caption that begins a text in the row where the report prints the
// column's value. A type without an entry shows no result in any list column.
using Beschriftungen = std::map<int, std::string>;

// clang-format off
const std::map<int, Beschriftungen>& Seitenbeschriftungen()
{
    static const Beschriftungen dichte = {
        {23, "Proctorversuch Nr."}, {22, "Proctordichte"}, {21, "optimaler Wassergehalt"},
        {36, "Überkornanteil"}, {35, "Proctordichte '"}, {34, "optimaler Wassergehalt '"},
        {25, "Wassergehalt"}, {29, "Trockendichte"}, {26, "Porenanteil"},
        {27, "Luftporenanteil"}, {24, "DPr IST"}, {33, "DPr SOLL >="}};
    // Mark-up captions: "E<t>vd <n>IST" keeps "IST" on the base line, "E<t>v2" lowers "v2".
    static const Beschriftungen lastplatte = {{20, "IST"}, {32, "SOLL >="}};
    static const std::map<int, Beschriftungen> beschriftungen = {
        {1000, {{58, "Ungleichförmigkeitszahl"}, {50, "Korngröße bei 10 %"},
                {51, "Korngröße bei 15 %"}, {52, "Korngröße bei 17 %"}, {53, "Korngröße bei 30 %"},
                {54, "Korngröße bei 50 %"}, {55, "Korngröße bei 60 %"}, {56, "Korngröße bei 85 %"},
                {57, "Größtkorn"}, {45, "Tonanteil"}, {46, "Schluffanteil"}, {47, "Sandanteil"},
                {48, "Kiesanteil"}, {49, "Steinanteil"}, {59, "Reibungswinkel"}}},
        {1001, {{21, "Wassergehalt"}, {22, "Proctordichte"}}},
        {1002, dichte},
        {1003, lastplatte},
        {1005, {{18, "v2"}, {30, "v2"}, {19, "<="}, {31, "<="}}},
        {1006, {{62, "Fließgrenze"}, {63, "Ausrollgrenze"}, {64, "Plastizitätszahl"},
                {65, "ü    > 0,4 mm"}, {25, "nat. Wassergehalt"}, {66, "Konsistenzzahl"},
                {67, "Liquiditätszahl"}}},
        {1007, dichte},
        {1008, {{40, "Rohdichte"}}},
        {1009, {{23, "Werte lt. Proctorversuch"}, {22, "Proctordichte"}, {21, "wopt"},
                {25, "wnat"}, {37, "Wasserzugabe"}, {69, "%"}, {70, "Kg/m³"}, {68, "Bindemittel"}}},
        {1010, {{38, "Plattendruckversuch Nr."}, {18, "Ev2"}, {30, "geforderter Ev2 - Wert"},
                {39, "wäre eine Einbaustärke von"}}},
        {1011, {{25, "Mittelwert:"}}},
        {1012, lastplatte},
        {1013, {{61, "Glühverlust Mittelwert"}}},
        {1015, {{42, "Boden"}, {43, "Filter 1"}, {44, "Filter 2"}}},
        {1016, {{60, "Kalkgehalt ( i.M.)"}}},
        {1017, {{41, "="}}}};
    return beschriftungen;
}
// clang-format on

// A value stands in a text as the whole text, as a bound (">=45") or as a word of a sentence.
bool Zeigt(const std::string& text, const std::string& wert)
{
    return text == ">=" + wert || text == "<=" + wert ||
           (" " + text + " ").find(" " + wert + " ") != std::string::npos;
}

// Some text shows the value on a base line whose row (sub- and superscripts within half a
// millimetre) holds a text beginning with the caption.
bool StehtInZeile(const std::vector<Seitentext>& seite, const std::string& wert,
                  const std::string& beschriftung)
{
    return std::ranges::any_of(seite, [&](const Seitentext& t) {
        return Zeigt(t.text, wert) && std::ranges::any_of(seite, [&](const Seitentext& b) {
                   return std::abs(b.y - t.y) <= 60 && b.text.starts_with(beschriftung);
               });
    });
}

} // namespace

TEST(Musterdaten, EveryListResultStandsOnTheReportInTheRowThatNamesIt)
{
    const Druckeinstellungen einstellungen;
    for (const CProtokoll& protokoll : BaueMusterprojekt().protokolle) {
        const auto eintrag = Seitenbeschriftungen().find(protokoll.GetPruefart());
        const Beschriftungen beschriftungen =
            eintrag == Seitenbeschriftungen().end() ? Beschriftungen{} : eintrag->second;
        const std::vector<Seitentext> seite = Berichtsseite(protokoll);
        for (int m = 0; m < protokoll.GetAnzahlMessungen(); ++m) {
            MESSUNG messung;
            protokoll.GetMessung(m, messung);
            // The list of all types (kind 0) and the list, summary and export of the own type.
            for (const int art : {0, protokoll.GetArtIndex()}) {
                for (int spalte = 17; spalte < kSpaltenJeListenart; ++spalte) {
                    const int id = Messungsspaltentabelle[art][spalte];
                    if (id == 0)
                        continue;
                    std::string text, schluessel;
                    protokoll.HoleMessungsSpalte("", id, messung, text, schluessel);
                    text.erase(0, text.find_first_not_of(' '));
                    const auto ort = beschriftungen.find(id);
                    SCOPED_TRACE(protokoll.GetID() + " (" + protokoll.GetPruefartID() +
                                 "), measurement " + messung.lfdNr + ", column id " +
                                 std::to_string(id) + ": '" + text + "'");
                    if (ort == beschriftungen.end()) {
                        EXPECT_EQ(text, "") << "the report has no place for it";
                        continue;
                    }
                    // A value the test did not give (the clay of a sieving alone) is in neither.
                    if (text.empty()) {
                        EXPECT_TRUE(std::ranges::none_of(seite, [&](const Seitentext& t) {
                            return t.text.starts_with(ort->second);
                        })) << "the report prints a row the list leaves empty";
                        continue;
                    }
                    EXPECT_TRUE(StehtInZeile(seite, text, ort->second))
                        << "not printed beside '" << ort->second << "'";
                }
            }
        }
    }
}

namespace {

// A protocol's number as its report prints it.
std::string Nummer(const MusterProjekt& projekt, const CProtokoll& protokoll)
{
    return projekt.metadaten.at("protNrPraefix") + "-" + protokoll.HoleProtokollnummer();
}

// The protocols of the project by that number.
std::map<std::string, const CProtokoll*> NachNummer(const MusterProjekt& projekt)
{
    std::map<std::string, const CProtokoll*> protokolle;
    for (const CProtokoll& protokoll : projekt.protokolle)
        protokolle[Nummer(projekt, protokoll)] = &protokoll;
    return protokolle;
}

// Group 4 of a protocol's special data text: field, sub-value.
class Tabelle
{
public:
    explicit Tabelle(const CProtokoll& protokoll) : m_gruppe(protokoll.HoleSpeziellBlock4()) {}
    std::string Text(int feld, int i = 0) const
    {
        return StringHoleFeld(StringHoleFeld(m_gruppe, '|', feld), '@', i);
    }
    double Zahl(int feld, int i = 0) const { return StringZuDouble(Text(feld, i)); }
    int Anzahl(int feld) const
    {
        return StringZaehleFelderZeichen(StringHoleFeld(m_gruppe, '|', feld), '@');
    }
    // The stored value is `wert` within the rounding of its text.
    void Stimmt(int feld, int i, double wert) const
    {
        EXPECT_NEAR(Zahl(feld, i), wert, Rundung(Text(feld, i)) + 1e-9)
            << "field " << feld << ", sub-value " << i;
    }

private:
    std::string m_gruppe;
};

// The sub-values of a field; none of an empty one.
std::vector<std::string> Werte(const std::string& feld)
{
    std::vector<std::string> werte;
    for (int i = 0; !feld.empty() && i < StringZaehleFelderZeichen(feld, '@'); ++i)
        werte.push_back(StringHoleFeld(feld, '@', i));
    return werte;
}

// Sizes and passing sums of a grain-size protocol's sieve rows.
std::array<std::string, 2> Siebspalten(const CProtokoll& kv)
{
    std::array<std::string, 2> spalten;
    for (int i = 1; i <= 16 && !kv.HoleUnterfeld(4, 0, i).empty(); ++i)
        for (int s = 0; s < 2; ++s)
            spalten[s] += (i > 1 ? "@" : "") + kv.HoleUnterfeld(4, 3 * s, i);
    return spalten;
}

// A characteristic value of a grain-size protocol's table (7: the largest grain).
std::string Kennwert(const CProtokoll& kv, int index)
{
    return kv.HoleUnterfeld(4, 15, index);
}

bool IstEigenerTyp(int pruefart)
{
    return pruefart != 1000 && pruefart != 1015 && pruefart < 1018;
}

// What a page prints of the protocol it cites, where and for which test type; of a Proctor test
// either its own values or those with the oversize.
struct Zitat
{
    int pruefart;
    double links, breite; // the columns of number and values, one per test point
    std::string nummer;
    std::vector<std::string> werte;
    bool mitUeberkorn = false;
};

// The number that follows the first `nach` in a running text, decimal comma or point; not a
// number where none follows.
double ZahlNach(const std::string& text, const std::string& nach)
{
    const size_t stelle = text.find(nach);
    const size_t ziffer = stelle == std::string::npos
                              ? stelle
                              : text.find_first_of("0123456789", stelle + nach.size());
    return ziffer == std::string::npos ? NAN : StringZuDouble(text.substr(ziffer));
}

// What the page of a cited test prints that others cite: a Proctor test's density and water
// content at 100 % and its grain density; a static plate load test's Ev1, Ev2 and their ratio.
std::vector<std::string> ZitierteWerte(const Druckseite& s)
{
    if (s.Protokoll().GetPruefart() == 1001) {
        const Tafel grad(s, 10, 4);
        return {grad.Text(s.Zeile("Proctordichte")),
                grad.Text(s.Zeile("Wassergehalt", s.Zeile("Verdichtungsgrad"))),
                Tafel(s, 28, 2).Text(s.Zeile("Korndichte"))};
    }
    const double kopf = s.Zeile("a0");
    const Tafel ev(s, 17, 2);
    return {ev.Text(kopf + 1), ev.Text(kopf + 2), Tafel(s, 21, 2).Text(kopf + 1.5)};
}

// What a Proctor test states of its soil with the oversize, in its remark: the Proctor density and
// optimum water content; and the grain density its page prints.
std::vector<std::string> WerteMitUeberkorn(const Druckseite& s)
{
    const std::string bemerkung = s.Protokoll().HoleFeld(2, 1);
    return {StringFormat("%.3f", ZahlNach(bemerkung, "Proctordichte")),
            StringFormat("%.3f", ZahlNach(bemerkung, "Wassergehalt") / 100),
            ZitierteWerte(s).at(2)};
}

// The one protocol of the project with that number, of the type the citing protocol draws on
// and done no later.
const CProtokoll* Quelle(const MusterProjekt& projekt, const CProtokoll& blatt,
                         const std::string& nummer, int pruefart)
{
    const auto benannt = [&](const CProtokoll& p) { return Nummer(projekt, p) == nummer; };
    EXPECT_EQ(std::ranges::count_if(projekt.protokolle, benannt), 1) << nummer;
    const auto quelle = std::ranges::find_if(projekt.protokolle, benannt);
    if (quelle == projekt.protokolle.end())
        return nullptr;
    EXPECT_EQ(quelle->GetPruefart(), pruefart) << nummer;
    EXPECT_LE(quelle->HolePruefdatumRoh(), blatt.HolePruefdatumRoh()) << nummer;
    return &*quelle;
}

// Each test point's reference prints the cited protocol's values, and a Proctor test's soil.
int PruefeZitate(const MusterProjekt& projekt, const CProtokoll& protokoll, const Zitat& zitat)
{
    const Druckseite s(protokoll);
    const Tafel t(s, zitat.links, zitat.breite);
    const double nummer = s.Zeile(zitat.nummer);
    int zitiert = 0;
    for (int i = 0; i < t.Anzahl(nummer); ++i) {
        const CProtokoll* quelle = Quelle(projekt, protokoll, t.Text(nummer, i), zitat.pruefart);
        if (quelle == nullptr)
            continue;
        const Druckseite q(*quelle);
        const std::vector<std::string> werte =
            zitat.mitUeberkorn ? WerteMitUeberkorn(q) : ZitierteWerte(q);
        for (size_t k = 0; k < zitat.werte.size(); ++k)
            EXPECT_EQ(t.Text(s.Zeile(zitat.werte[k]), i), werte.at(k)) << zitat.werte[k];
        if (zitat.pruefart == 1001) {
            EXPECT_EQ(Kopfwert(s, "Bodenart"), Kopfwert(q, "Bodenart"));
        }
        ++zitiert;
    }
    return zitiert;
}

// Each material is a grain-size protocol of the project: the page prints its sieve rows and the
// d15, d50 and d85 its own report prints, and its chart draws those rows.
int PruefeFiltermaterialien(const MusterProjekt& projekt, const CProtokoll& blatt)
{
    const Druckseite s(blatt);
    const Filtersiebe siebe(s);
    const Tafel namen(s, 0, 5.6), kennwerte(s, 20.5, 2.8);
    const double a = s.Zeile("A = d");
    int zitiert = 0;
    for (int m = 0; m < 3; ++m) {
        // "Filter 1 OL-00034KV"
        const std::string name = namen.Text(siebe.kopf - 1, m);
        const CProtokoll* kv = Quelle(projekt, blatt, name.substr(name.rfind(' ') + 1), 1000);
        if (kv == nullptr)
            continue;
        const Druckseite q(*kv);
        EXPECT_EQ(siebe.Material(m), Siebkurve(q));
        EXPECT_EQ(Punkte(StringHoleZwischen(blatt.HoleFeldSpeziell(5, 2), '(', ')', m),
                         StringHoleZwischen(blatt.HoleFeldSpeziell(5, 3), '(', ')', m)),
                  Siebkurve(q))
            << "chart";
        const Tafel eigene(q, 26.5, 3.5);
        for (const auto& [zeile, prozent] : {std::pair{a - 4, 15}, {a - 3, 50}, {a - 2, 85}})
            EXPECT_EQ(kennwerte.Text(zeile, m),
                      eigene.Text(q.Zeile("Korngröße bei " + std::to_string(prozent) + " %")));
        ++zitiert;
    }
    return zitiert;
}

// Each legend names a protocol of the project, repeats its header and draws its own curve; a
// Proctor comparison's common axes hold every point.
int PruefeVergleich(const MusterProjekt& projekt, const CProtokoll& blatt)
{
    const bool proctor = blatt.GetPruefartVER() == 2;
    int kurven = 0;
    for (int c = 0; c < 6; ++c) {
        const std::string legende = blatt.HoleFeldSpeziell(2, c + 4);
        const std::string kurve = blatt.HoleFeldSpeziellKlartext(6, c);
        const CProtokoll* quelle =
            legende.empty()
                ? nullptr
                : Quelle(projekt, blatt, StringHoleFeld(legende, '@', 1), proctor ? 1001 : 1000);
        if (quelle == nullptr) {
            EXPECT_EQ(legende + kurve, "");
            continue;
        }
        ++kurven;
        std::string kopf = "@" + Nummer(projekt, *quelle) + "@" + quelle->HolePruefdatum();
        for (int feld = 0; feld < 6; ++feld)
            kopf += "@" + quelle->HoleFeld(1, feld);
        EXPECT_EQ(legende.substr(0, legende.rfind('@')), kopf);
        const std::string eigene = quelle->HoleSpeziellBlock5();
        for (int zeile :
             proctor ? std::vector{2, 3, 4, 5, 6, 7} : std::vector{0, 1, 2, 3, 8, 10, 12})
            EXPECT_EQ(StringHoleFeld(kurve, '|', zeile), StringHoleFeld(eigene, '|', zeile))
                << zeile;
        for (int achse = 0; proctor && achse < 2; ++achse) {
            const Kurve striche =
                Punkte(StringHoleFeld(kurve, '|', achse), StringHoleFeld(kurve, '|', achse));
            for (const auto& [wert, _] : Punkte(StringHoleFeld(kurve, '|', 2 + achse),
                                                StringHoleFeld(kurve, '|', 2 + achse)))
                EXPECT_TRUE(striche.front().first <= wert && wert <= striche.back().first) << wert;
        }
    }
    EXPECT_GT(kurven, 0) << blatt.GetID() << " compares nothing";
    return kurven;
}

} // namespace

// Every result the sample's reports print follows, by the laboratory's rules, from the raw values
// printed beside it, within the rounding of what is printed; every test type with results is
// recomputed in each of its protocols.
TEST(Musterdaten, EveryPrintedResultFollowsFromThePrintedRawValues)
{
    const Druckeinstellungen einstellungen;
    struct Nachrechnung
    {
        void (*pruefe)(const Druckseite&);
        int anzahl; // protocols of the type in the sample
    };
    const std::map<int, Nachrechnung> nachrechnungen = {
        {1000, {PruefeKornverteilung, 8}},  {1001, {PruefeProctor, 4}},
        {1002, {PruefeVerdichtung, 10}},    {1003, {PruefeDynPlatte, 6}},
        {1005, {PruefePlattendruck, 5}},    {1006, {PruefeZustandsgrenzen, 1}},
        {1007, {PruefeTroxler, 8}},         {1008, {PruefeKorndichte, 2}},
        {1009, {PruefeBindemittel, 1}},     {1010, {PruefeBodenaustausch, 1}},
        {1011, {PruefeWassergehalt, 1}},    {1012, {PruefeDynPlatte, 4}},
        {1013, {PruefeGluehverlust, 1}},    {1014, {PruefeSedimentation, 1}},
        {1015, {PruefeFilterregel, 1}},     {1016, {PruefeKalkgehalt, 1}},
        {1017, {PruefeDurchlaessigkeit, 1}}};
    std::map<int, int> nachgerechnet;
    for (const CProtokoll& protokoll : BaueMusterprojekt().protokolle) {
        const auto nachrechnung = nachrechnungen.find(protokoll.GetPruefart());
        if (nachrechnung == nachrechnungen.end())
            continue;
        SCOPED_TRACE(protokoll.GetID() + " (" + protokoll.GetPruefartID() + ")");
        const Druckseite seite(protokoll);
        nachrechnung->second.pruefe(seite);
        nachgerechnet[protokoll.GetPruefart()] += seite.verglichen > 0;
    }
    for (const auto& [pruefart, nachrechnung] : nachrechnungen)
        EXPECT_EQ(nachgerechnet[pruefart], nachrechnung.anzahl) << pruefart;
}

// A protocol that cites another of the project prints what that protocol's own report prints:
// the density pages their Proctor test's values and soil, the binder those it states with the
// oversize, the soil replacement its plate load test's moduli, the filter rule each material's
// sieve rows and d-values; a comparison repeats each compared test's header and draws its chart.
// What is cited is of the right type and done no later.
TEST(Musterdaten, EveryCitingPagePrintsTheCitedProtocolsOwnValues)
{
    const Druckeinstellungen einstellungen;
    const Zitat proctor = {
        1001, 10, 4, "Proctorversuch Nr.", {"Proctordichte", "optimaler Wassergehalt"}};
    const std::map<int, Zitat> zitate = {
        {1002, proctor},
        {1007, proctor},
        {1009,
         {1001,
          5.2,
          1.8,
          "Werte lt. Proctorversuch",
          {"Proctordichte", "wopt", "Korndichte"},
          true}},
        {1010, {1005, 5.2, 1.8, "Plattendruckversuch Nr.", {"Ev1", "Ev2", "Ev2 / Ev1"}}}};
    // Citing protocols of each type in the sample and in a large project.
    const std::map<int, std::pair<int, int>> anzahlen = {{1002, {10, 8}}, {1007, {8, 7}},
                                                         {1009, {1, 7}},  {1010, {1, 7}},
                                                         {1015, {1, 7}},  {1018, {2, 7}}};
    const MusterProjekt projekte[] = {BaueMusterprojekt(), BaueGrossesProjekt(150, 300)};
    for (int p = 0; p < 2; ++p) {
        std::map<int, int> zitierend;
        for (const CProtokoll& protokoll : projekte[p].protokolle) {
            SCOPED_TRACE(protokoll.GetID() + " (" + protokoll.GetPruefartID() + ")");
            const int art = protokoll.GetPruefart();
            const auto zitat = zitate.find(art);
            const int zitiert = zitat != zitate.end()
                                    ? PruefeZitate(projekte[p], protokoll, zitat->second)
                                : art == 1015 ? PruefeFiltermaterialien(projekte[p], protokoll)
                                : art == 1018 ? PruefeVergleich(projekte[p], protokoll)
                                              : 0;
            zitierend[art] += zitiert > 0;
        }
        for (const auto& [art, anzahl] : anzahlen)
            EXPECT_EQ(zitierend[art], p == 0 ? anzahl.first : anzahl.second) << art;
    }
}

// A measurement stands where its protocol's header and report put it: the first at the header's
// station and position, all in the header's layer, each test point as its column of the page
// describes it (fields 0 to 2), a water content's partial samples at the one place.
TEST(Musterdaten, EveryMeasurementStandsWhereItsHeaderAndReportPutIt)
{
    const auto Ort = [](const std::string& station, const std::string& schicht,
                        const std::string& lage) {
        return StringHoleToken(station, "#CRLF#", 0) + "|" + StringHoleToken(schicht, "#CRLF#", 0) +
               "|" + lage;
    };
    for (const CProtokoll& protokoll : BaueMusterprojekt().protokolle) {
        if (!IstEigenerTyp(protokoll.GetPruefart()))
            continue;
        SCOPED_TRACE(protokoll.GetID() + " (" + protokoll.GetPruefartID() + ")");
        const Tabelle t(protokoll);
        const bool punkte = std::set{1002, 1003, 1007, 1012}.contains(protokoll.GetPruefart());
        for (int m = 0; m < protokoll.GetAnzahlMessungen(); ++m) {
            MESSUNG messung;
            protokoll.GetMessung(m, messung);
            const std::string ort = Ort(messung.station, messung.schicht, messung.lage);
            EXPECT_EQ(messung.schicht, protokoll.HoleFeld(1, 2)) << m;
            if (m == 0) {
                EXPECT_EQ(ort, Ort(protokoll.HoleFeld(1, 1), protokoll.HoleFeld(1, 2),
                                   protokoll.HoleFeld(1, 3)));
            }
            if (punkte && !t.Text(0, m).empty()) {
                EXPECT_EQ(ort, Ort(t.Text(0, m), t.Text(1, m), t.Text(2, m))) << m;
            }
        }
        for (int s = 0; protokoll.GetPruefart() == 1011 && s < t.Anzahl(1); ++s)
            EXPECT_EQ(StringHoleToken(t.Text(1, s), "#CRLF#", 0), protokoll.HoleFeld(1, 1));
    }
}

// The details pane lists, for every test type with results, key results that its report prints:
// short names and values free of the block's separators.
TEST(Musterdaten, EveryResultTypeListsKeyResultsItsReportPrints)
{
    const CPfade vorher = g_pfade;
    g_pfade.protokollnrDrucken = true;
    g_pfade.anteilAlsProzent = false;
    for (const CProtokoll& protokoll : BaueMusterprojekt().protokolle) {
        // Comparisons keep their curves in the block; notes have no results.
        if (protokoll.GetPruefart() >= 1018)
            continue;
        SCOPED_TRACE(protokoll.GetID() + " (" + protokoll.GetPruefartID() + ")");
        const auto eckdaten = ZerlegeEckdaten(protokoll.HoleSpeziellBlock(6));
        EXPECT_FALSE(eckdaten.empty());
        const std::vector<Seitentext> seite = Berichtsseite(protokoll);
        for (const auto& [name, wert] : eckdaten) {
            EXPECT_FALSE(name.empty() || wert.empty());
            EXPECT_EQ((name + wert).find_first_of("_{}|@"), std::string::npos) << name << wert;
            const std::string zahl = wert.substr(0, wert.find(' '));
            EXPECT_TRUE(std::ranges::any_of(
                seite, [&](const Seitentext& s) { return Zeigt(s.text, zahl); }))
                << name << ": " << wert << " is not printed";
        }
    }
    g_pfade = vorher;
}

namespace {

// Metres of a station as the headers write it ("1+015,00"); -1 for any other text.
double Meter(const std::string& station)
{
    int km = 0, m = 0, cm = 0;
    char rest = 0;
    return std::sscanf(station.c_str(), "%d+%d,%d%c", &km, &m, &cm, &rest) == 3
               ? km * 1000.0 + m + cm / 100.0
               : -1;
}

// Mondays to Fridays that are no public holiday of 2026 in any German state.
bool IstArbeitstag(const std::string& jjjjmmtt)
{
    static const std::set<std::string> feiertage = {"20260101", "20260106", "20260403", "20260406",
                                                    "20260501", "20260514", "20260525", "20260604",
                                                    "20261118", "20261225"};
    using namespace std::chrono;
    const sys_days tag{year{std::stoi(jjjjmmtt.substr(0, 4))} / std::stoi(jjjjmmtt.substr(4, 2)) /
                       std::stoi(jjjjmmtt.substr(6, 2))};
    return weekday{tag}.iso_encoding() <= 5 && !feiertage.contains(jjjjmmtt);
}

// Where a page with several test points puts point i: station, profile, layer, and the lift or
// height below the layer.
struct Pruefpunkt
{
    double station;
    int profil;
    std::string schicht, darunter, datum, nummer;
};

} // namespace

// The sample reads as one construction site: each header stands on its title's stretch in an
// area the chainage decides; each origin and layer has one soil the layer can be, each layer and
// soil one requirement and grain density; layers are tested bottom up and rise; protocols are
// numbered in the order of their working days after what they cite; a test of one sample has one
// measurement at the header's place; a note names no soil.
TEST(Musterdaten, TheSampleReadsAsOneSiteBuiltBottomUpDayByDay)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    std::map<std::string, std::string> titel;
    for (const std::string& eintrag : projekt.titel)
        titel[StringHoleFeld(eintrag, '|', 0)] = StringHoleFeld(eintrag, '|', 1);
    const std::map<std::string, const CProtokoll*> nachNummer = NachNummer(projekt);
    // What the site has once: the soil of an origin and of a layer, a title's area, a soil's
    // grain density, a layer's requirement, the lift of a layer on a day, the area before one.
    std::map<std::string, std::set<std::string>> einmal;
    // Printed values of each type that must be one per layer or soil: name, field, sub-value
    // (-1: every test point).
    const std::multimap<int, std::tuple<std::string, int, int>> einmalig = {
        {1001, {"grain density", 16, 0}}, {1002, {"grain density", 17, 0}},
        {1007, {"grain density", 13, 0}}, {1008, {"grain density", 9, 0}},
        {1009, {"grain density", 3, 0}},  {1014, {"grain density", 0, 7}},
        {1017, {"grain density", 3, 0}},  {1002, {"DPr", 33, -1}},
        {1007, {"DPr", 29, -1}},          {1003, {"Evd", 8, -1}},
        {1012, {"Evd", 8, -1}},           {1005, {"Ev2", 34, 0}}};
    std::vector<std::pair<double, std::string>> bereiche;
    std::vector<Pruefpunkt> punkte;
    std::string ersteKontrolle = "9", letzteEignung;
    for (const CProtokoll& p : projekt.protokolle) {
        SCOPED_TRACE(p.GetID() + " " + p.HoleProtokollnummer());
        const Tabelle t(p);
        const std::string schicht = p.HoleFeld(1, 2), boden = p.HoleFeld(1, 4);
        if (Meter(p.HoleFeld(1, 1)) >= 0)
            bereiche.emplace_back(Meter(p.HoleFeld(1, 1)), p.HoleFeld(1, 0));
        if (!boden.empty()) {
            einmal["soil of " + p.HoleFeld(1, 5)].insert(boden + " " + p.HoleFeld(1, 6));
            einmal["soil of " + schicht].insert(boden + " " + p.HoleFeld(1, 5));
        }
        // Frost protection, base course and replacement are coarse and free of fines; nothing
        // organic or rich in fines is built in; gravel does not settle like clay.
        if (std::set<std::string>{"Frostschutzschicht", "Schottertragschicht", "Bodenaustausch"}
                .contains(schicht)) {
            EXPECT_TRUE(std::set<std::string>({"GW", "GI", "GE"}).contains(boden)) << boden;
        }
        EXPECT_EQ(boden.find_first_of("O*"), std::string::npos) << boden;
        if (p.GetPruefart() == 1005 && boden.starts_with("G")) {
            EXPECT_GE(t.Zahl(17), 25) << "Ev1 on " << boden;
        }
        const auto [von, bis] = einmalig.equal_range(p.GetPruefart());
        for (auto eintrag = von; eintrag != bis; ++eintrag) {
            const auto& [was, feld, unterwert] = eintrag->second;
            const int erster = std::max(unterwert, 0);
            for (int i = erster; i < (unterwert < 0 ? t.Anzahl(feld) : erster + 1); ++i)
                einmal[was + " of " + (feld == 34 || unterwert < 0 ? schicht : boden)].insert(
                    StringFormat("%g", t.Zahl(feld, i)));
        }
        // The stretch a title names ("km 0+000 bis 0+800") holds its measurements; a title lies
        // in one area.
        const std::string& text = titel[p.GetTitelID()];
        if (p.GetTitelID() != "0")
            einmal["area of " + text].insert(p.HoleFeld(1, 0));
        const size_t km = text.find(" km ");
        for (int m = 0; km != std::string::npos && m < p.GetAnzahlMessungen(); ++m) {
            MESSUNG messung;
            p.GetMessung(m, messung);
            EXPECT_GE(Meter(messung.station), Meter(text.substr(km + 4, 5) + ",00"));
            EXPECT_LE(Meter(messung.station), Meter(text.substr(km + 14, 5) + ",00"));
        }
        // A test of one sample or one recommendation: one measurement at the header's place.
        if (std::set{1000, 1001, 1004, 1005, 1006, 1008, 1009, 1010, 1011, 1013, 1014, 1015, 1016,
                     1017}
                .contains(p.GetPruefart())) {
            MESSUNG messung;
            EXPECT_EQ(p.GetAnzahlMessungen(), 1);
            if (p.GetAnzahlMessungen() > 0)
                p.GetMessung(0, messung);
            EXPECT_EQ(messung.station + "|" + messung.schicht + "|" + messung.lage,
                      p.HoleFeld(1, 1) + "|" + schicht + "|" + p.HoleFeld(1, 3));
        }
        // Working days from the project's start; each protocol cited ("OL-", five digits, the
        // code), in its tables or its remark, is earlier and has a lower number.
        const std::string datum = p.HolePruefdatumRoh(),
                          speziell = p.GetDatenAllgemein() + p.GetDatenSpeziell();
        EXPECT_TRUE(IstArbeitstag(datum) && datum >= projekt.metadaten.at("datumAngelegt"));
        for (size_t a = speziell.find("OL-"); a != std::string::npos;
             a = speziell.find("OL-", a + 1)) {
            const auto zitiert = nachNummer.find(speziell.substr(a, 10));
            if (zitiert == nachNummer.end()) {
                ADD_FAILURE() << "no protocol " << speziell.substr(a, 10);
                continue;
            }
            EXPECT_LT(zitiert->second->HoleProtokollnummer(), p.HoleProtokollnummer());
            EXPECT_LT(zitiert->second->HolePruefdatumRoh(), datum) << speziell.substr(a, 10);
        }
        if (p.GetPruefart() == 1002 || p.GetPruefart() == 1007)
            ersteKontrolle = std::min(ersteKontrolle, datum);
        for (int c = 0; p.GetPruefart() == 1018 && c < 6; ++c) {
            const std::string legende = p.HoleFeldSpeziell(2, c + 4);
            if (StringHoleFeld(legende, '@', 9) == "Eignungsprüfung")
                letzteEignung =
                    std::max(letzteEignung,
                             nachNummer.at(StringHoleFeld(legende, '@', 1))->HolePruefdatumRoh());
        }
        if (p.GetPruefart() == 1020) {
            EXPECT_EQ(t.Text(3) + "|" + p.HoleFeld(1, 1) + p.HoleFeld(1, 2) + boden,
                      p.HoleProtokollnummer() + "|");
        }
        // The volume is measured as the soil allows: no cutting cylinder through oversize grain,
        // no block cut from a loose soil.
        for (int i = 0; p.GetPruefart() == 1002 && i < t.Anzahl(27); ++i) {
            EXPECT_FALSE((t.Zahl(37) == 3002 && t.Zahl(27, i) > 0) ||
                         (t.Zahl(37) == 3001 && boden.find_first_of("TU") != 0));
        }
        for (int i = 0;
             std::set{1002, 1003, 1007, 1012}.contains(p.GetPruefart()) && i < t.Anzahl(0); ++i) {
            int profil = -1;
            std::sscanf(StringHoleToken(t.Text(0, i), "#CRLF#", 1).c_str(), "Profil %d", &profil);
            punkte.push_back({Meter(StringHoleToken(t.Text(0, i), "#CRLF#", 0)), profil,
                              StringHoleToken(t.Text(1, i), "#CRLF#", 0),
                              StringHoleToken(t.Text(1, i), "#CRLF#", 1), datum,
                              p.HoleProtokollnummer()});
        }
    }
    EXPECT_LT(letzteEignung, ersteKontrolle) << "suitability tests after the controls";
    const auto Soll = [&](const std::string& was) {
        return einmal[was].empty() ? NAN : StringZuDouble(*einmal[was].begin());
    };
    EXPECT_EQ(Soll("DPr of Dammschüttung"), 98);
    EXPECT_EQ(Soll("DPr of Erdplanum"), 100);
    EXPECT_EQ(Soll("Ev2 of Erdplanum"), StringZuDouble(projekt.vorgaben.at("ev2_soll")));
    EXPECT_LT(Soll("Evd of Erdplanum"), Soll("Evd of Frostschutzschicht"));
    EXPECT_LT(Soll("Evd of Frostschutzschicht"), Soll("Evd of Schottertragschicht"));
    // Each area is one stretch of the chainage; running numbers follow the dates.
    std::ranges::sort(bereiche);
    for (size_t i = 1; i < bereiche.size(); ++i) {
        if (bereiche[i].second != bereiche[i - 1].second)
            einmal["stretch of " + bereiche[i].second].insert(bereiche[i - 1].second);
    }
    std::string vorher;
    for (const auto& [nummer, p] : nachNummer) {
        EXPECT_LE(vorher, p->HolePruefdatumRoh()) << nummer;
        vorher = p->HolePruefdatumRoh();
    }
    // Test points: the profile follows the station; a fill names its lift, one per protocol and
    // rising with the date; a surface its height; at one station a layer is tested after the one
    // below it and stands higher.
    std::ranges::sort(punkte, {},
                      [](const Pruefpunkt& p) { return std::pair(p.station, p.datum); });
    const auto Hoehe = [](const std::string& text) {
        int m = 0, cm = 0;
        return std::sscanf(text.c_str(), "%d,%d m NN", &m, &cm) == 2 ? m + cm / 100.0 : NAN;
    };
    for (size_t i = 0; i < punkte.size(); ++i) {
        const Pruefpunkt& p = punkte[i];
        SCOPED_TRACE(p.nummer + " " + p.darunter);
        EXPECT_LE(punkte[i ? i - 1 : 0].profil, p.profil);
        if (p.darunter.ends_with(". Lage")) {
            EXPECT_NE(p.schicht, "Erdplanum");
            einmal["lift of " + p.schicht + " on " + p.datum].insert(p.darunter);
        } else {
            EXPECT_FALSE(std::isnan(Hoehe(p.darunter)));
        }
        for (const Pruefpunkt& q : punkte) {
            if (q.schicht != p.schicht && std::abs(q.station - p.station) <= 12.5 &&
                !std::isnan(Hoehe(p.darunter) + Hoehe(q.darunter))) {
                EXPECT_EQ(Hoehe(p.darunter) < Hoehe(q.darunter), p.datum < q.datum) << q.nummer;
            }
        }
    }
    // The keys of a layer's lifts come in the order of their dates.
    std::pair<std::string, int> vorige;
    for (const auto& [was, werte] : einmal) {
        EXPECT_EQ(werte.size(), 1u) << was << ": " << *werte.begin() << ", " << *werte.rbegin();
        if (was.starts_with("lift of ")) {
            const std::pair lage(was.substr(0, was.rfind(" on ")), std::stoi(*werte.begin()));
            EXPECT_TRUE(lage.first != vorige.first || vorige.second <= lage.second) << was;
            vorige = lage;
        }
    }
}

namespace {

// A protocol's place as its header names it: station, layer, position.
std::string Stelle(const CProtokoll& p)
{
    return p.HoleFeld(1, 1) + "|" + p.HoleFeld(1, 2) + "|" + p.HoleFeld(1, 3);
}

// The protocols of the project of that type.
std::vector<const CProtokoll*> VomTyp(const MusterProjekt& projekt, int pruefart)
{
    std::vector<const CProtokoll*> gefunden;
    for (const CProtokoll& p : projekt.protokolle)
        if (p.GetPruefart() == pruefart)
            gefunden.push_back(&p);
    return gefunden;
}

// Where a density page's block of soil parameters begins (Korndichte); the Proctor number stands
// 7 fields on, the Proctor density and water content 8 and 9, the oversize 10 to 12, the Proctor
// density and water content with it 13 and 14.
int Kennwertblock(int pruefart)
{
    return pruefart == 1002 ? 17 : 13;
}

} // namespace

// A density row shows under "Proctorversuch ohne ü" the Proctor density and optimum water content
// of the Proctor test it cites, and under "Proctorvers. mit ü" those with the oversize, as its page
// prints them; its degree of compaction follows from its dry density and the Proctor density with
// the oversize, within their rounding.
TEST(Musterdaten, ADensityRowShowsEachProctorReferenceUnderItsHead)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    int zeilen = 0;
    for (const int pruefart : {1002, 1007}) {
        const int k = Kennwertblock(pruefart);
        for (const CProtokoll* p : VomTyp(projekt, pruefart)) {
            const Tabelle t(*p);
            for (int m = 0; m < t.Anzahl(k); ++m) {
                MESSUNG messung;
                p->GetMessung(m, messung);
                const auto Wert = [&](int id) {
                    std::string text, schluessel;
                    p->HoleMessungsSpalte("", id, messung, text, schluessel);
                    return StringZuDouble(text);
                };
                SCOPED_TRACE(p->HoleProtokollnummer() + ", measurement " + messung.lfdNr);
                EXPECT_EQ(Wert(22), t.Zahl(k + 8, m)) << "ohne ü";
                EXPECT_EQ(Wert(21), t.Zahl(k + 9, m)) << "ohne ü";
                EXPECT_EQ(Wert(35), t.Zahl(k + 13, m)) << "mit ü";
                EXPECT_EQ(Wert(34), t.Zahl(k + 14, m)) << "mit ü";
                EXPECT_NEAR(Wert(24), 100 * Wert(29) / Wert(35),
                            0.05 + 100 * 0.0005 / Wert(35) + 1e-9);
                ++zeilen;
            }
        }
    }
    EXPECT_GT(zeilen, 0);
}

// Tests of one soil agree on what it holds. A Proctor test of what passes its largest grain states
// the share above it that the soil's sieve analysis shows, the very share where both took one
// sample, and corrects its points for it (DIN 18127), none above the Proctor density with the
// oversize that its remark states; the density tests correct with the oversize of the Proctor test
// they cite, to the Proctor density and water content with oversize that the Proctor test states
// in its remark. An undisturbed specimen holds the natural water content of its place. Every grain
// density a page uses, the oversize's too, was measured on its soil before. A grading 0/D passes
// 1.4 D.
TEST(Musterdaten, TestsOfOneSoilAgreeOnItsGrainsAndWater)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    const std::map<std::string, const CProtokoll*> nachNummer = NachNummer(projekt);
    const auto Ueber = [](const CProtokoll& kv, double weite) {
        const auto [weiten, summen] = Siebspalten(kv);
        const double durchgang = DurchgangBei(Punkte(weiten, summen), weite);
        return std::isnan(durchgang) ? 100 : 100 - durchgang;
    };
    for (const CProtokoll* pv : VomTyp(projekt, 1001)) {
        SCOPED_TRACE(pv->HoleProtokollnummer());
        const Tabelle t(*pv);
        const double ue = t.Zahl(11);
        for (const CProtokoll* kv : VomTyp(projekt, 1000)) {
            if (kv->HoleFeld(1, 5) != pv->HoleFeld(1, 5))
                continue;
            if (Ueber(*kv, t.Zahl(34)) > 0) {
                EXPECT_GT(ue, 0) << "the soil of " << kv->HoleProtokollnummer() << " has oversize";
            }
            if (Stelle(*kv) == Stelle(*pv)) {
                EXPECT_NEAR(ue, Ueber(*kv, t.Zahl(34)) / 100, 0.0005 + 1e-9);
            }
        }
        t.Stimmt(35, 0, 100 * ue);
        // Each point from its dish and its wet mass in the cylinder.
        for (int i = 0; i < t.Anzahl(3); ++i) {
            const double w = (t.Zahl(2, i) - t.Zahl(1, i)) / (t.Zahl(1, i) - t.Zahl(0, i));
            const double trocken = (t.Zahl(7, i) - t.Zahl(4, i)) / t.Zahl(6, i) / (1 + w);
            t.Stimmt(14, i, (1 - ue) * w + ue * t.Zahl(12));
            t.Stimmt(15, i, 1 / ((1 - ue) / trocken + ue / t.Zahl(13)));
            EXPECT_LE(t.Zahl(15, i), ZahlNach(pv->HoleFeld(2, 1), "Proctordichte"))
                << "point " << i << " lies above the Proctor density with oversize";
        }
    }
    for (const int pruefart : {1002, 1007}) {
        const int k = Kennwertblock(pruefart);
        for (const CProtokoll* p : VomTyp(projekt, pruefart)) {
            const Tabelle t(*p);
            for (int i = 0; i < t.Anzahl(k); ++i) {
                const CProtokoll& pv = *nachNummer.at(t.Text(k + 7, i));
                const Tabelle proctor(pv);
                for (int o = 0; o < 3; ++o)
                    EXPECT_EQ(t.Text(k + 10 + o, i), proctor.Text(11 + o)) << p->GetID() << i;
                const std::string bemerkung = pv.HoleFeld(2, 1);
                EXPECT_EQ(t.Zahl(k + 13, i), ZahlNach(bemerkung, "Proctordichte"))
                    << p->GetID() << i << ": " << bemerkung;
                EXPECT_EQ(t.Text(k + 14, i),
                          StringFormat("%.3f", ZahlNach(bemerkung, "Wassergehalt") / 100))
                    << p->GetID() << i << ": " << bemerkung;
            }
        }
    }
    for (const CProtokoll* wd : VomTyp(projekt, 1017)) {
        for (const CProtokoll* zg : VomTyp(projekt, 1006)) {
            if (Stelle(*zg) == Stelle(*wd) && zg->HoleFeld(1, 5) == wd->HoleFeld(1, 5)) {
                EXPECT_EQ(Tabelle(*wd).Text(6), Tabelle(*zg).Text(7)) << "w of the specimen";
            }
        }
    }
    // Pages that use a soil's grain density, of its grains or of a Proctor test's oversize: the
    // field and sub-value that hold it. The grain density test that measured it is done earlier.
    const std::multimap<int, std::pair<int, int>> korndichte = {
        {1001, {16, 0}}, {1001, {13, 0}}, {1002, {17, 0}}, {1007, {13, 0}},
        {1009, {3, 0}},  {1014, {0, 7}},  {1017, {3, 0}}};
    std::map<std::string, const CProtokoll*> gemessen;
    for (const CProtokoll* kd : VomTyp(projekt, 1008))
        gemessen[kd->HoleFeld(1, 5)] = kd;
    for (const CProtokoll& p : projekt.protokolle) {
        const auto [von, bis] = korndichte.equal_range(p.GetPruefart());
        for (auto feld = von; feld != bis; ++feld) {
            SCOPED_TRACE(p.HoleProtokollnummer());
            ASSERT_TRUE(gemessen.contains(p.HoleFeld(1, 5))) << p.HoleFeld(1, 5);
            const CProtokoll& kd = *gemessen[p.HoleFeld(1, 5)];
            EXPECT_EQ(StringZuDouble(Tabelle(p).Text(feld->second.first, feld->second.second)),
                      Tabelle(kd).Zahl(9))
                << "field " << feld->second.first;
            EXPECT_LT(kd.HolePruefdatumRoh(), p.HolePruefdatumRoh()) << kd.HoleProtokollnummer();
        }
    }
    for (const CProtokoll* kv : VomTyp(projekt, 1000)) {
        const Tabelle t(*kv);
        if (!t.Text(19).empty()) {
            EXPECT_LE(StringZuDouble(Kennwert(*kv, 7)), 1.4 * t.Zahl(19) + 0.5)
                << kv->HoleProtokollnummer();
        }
    }
}

// A grain-size curve below the sieves is a sedimentation of the project: the analysis names it in
// its remark and draws the sizes and passings it prints below the finest sieve; it is of the same
// sample, and its fines' share of the whole sample is the passing at 0.125 mm the sieving prints.
TEST(Musterdaten, FinesBelowTheSievesComeFromASedimentationOfTheSample)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    const std::map<std::string, const CProtokoll*> nachNummer = NachNummer(projekt);
    const auto Probe = [](const CProtokoll& p) { return Stelle(p) + "|" + p.HoleFeld(1, 5); };
    int geschlaemmt = 0;
    for (const CProtokoll* kv : VomTyp(projekt, 1000)) {
        SCOPED_TRACE(kv->HoleProtokollnummer());
        const Kurve fein = Punkte(kv->HoleFeldSpeziell(5, 10), kv->HoleFeldSpeziell(5, 12));
        if (fein.empty())
            continue;
        ++geschlaemmt;
        const std::string bemerkung = kv->HoleFeld(2, 1);
        const size_t verweis = bemerkung.find("OL-");
        ASSERT_NE(verweis, std::string::npos) << "no sedimentation named: " << bemerkung;
        const CProtokoll& se = *nachNummer.at(bemerkung.substr(verweis, 10));
        EXPECT_EQ(se.GetPruefart(), 1014);
        EXPECT_EQ(Probe(se), Probe(*kv));
        const Tabelle t(se);
        const double feinstesSieb = StringZuDouble(Siebspalten(*kv)[0]);
        Kurve gedruckt;
        for (int ablesung = 1; !t.Text(ablesung).empty(); ++ablesung)
            if (t.Zahl(ablesung, 5) < feinstesSieb)
                gedruckt.emplace_back(t.Zahl(ablesung, 5), t.Zahl(ablesung, 9));
        EXPECT_EQ(fein, gedruckt);
    }
    EXPECT_GT(geschlaemmt, 0);
    for (const CProtokoll* se : VomTyp(projekt, 1014)) {
        SCOPED_TRACE(se->HoleProtokollnummer());
        const double anteil = ZahlNach(se->HoleFeld(2, 1), "atot = a");
        const auto GibtAnteil = [&](const CProtokoll* kv) {
            const auto [weiten, summen] = Siebspalten(*kv);
            return Probe(*kv) == Probe(*se) &&
                   std::abs(DurchgangBei(Punkte(weiten, summen), 0.125) - 100 * anteil) < 1e-6;
        };
        EXPECT_TRUE(std::ranges::any_of(VomTyp(projekt, 1000), GibtAnteil))
            << "no sieving of the sample gives the share " << anteil;
    }
}

// A Proctor point's dry mass in the cylinder follows from its wet mass and the water content
// that its weighed dish gives, not the rounded one.
TEST(Musterdaten, ProctorDryMassesFollowFromTheWeighedWaterContent)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    for (const CProtokoll* pv : VomTyp(projekt, 1001)) {
        const Tabelle t(*pv);
        for (int i = 0; i < t.Anzahl(3); ++i) {
            const double w = (t.Zahl(2, i) - t.Zahl(1, i)) / (t.Zahl(1, i) - t.Zahl(0, i));
            t.Stimmt(8, i, t.Zahl(4, i) + (t.Zahl(7, i) - t.Zahl(4, i)) / (1 + w));
        }
    }
}

// The laboratory calibrates its pycnometer flasks once: a flask has one mass and one volume in
// every grain density test that uses it.
TEST(Musterdaten, EachPycnometerFlaskKeepsOneCalibration)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    std::map<std::string, std::set<std::string>> kalibrierung;
    std::map<std::string, int> benutzt;
    for (const CProtokoll* kd : VomTyp(projekt, 1008)) {
        const Tabelle t(*kd);
        for (int i = 0; i < t.Anzahl(0); ++i) {
            kalibrierung[t.Text(0, i)].insert(t.Text(1, i) + " g, " + t.Text(2, i) + " cm³");
            ++benutzt[t.Text(0, i)];
        }
    }
    for (const auto& [kolben, werte] : kalibrierung)
        EXPECT_EQ(werte.size(), 1u) << kolben << ": " << *werte.begin() << " / " << *werte.rbegin();
    EXPECT_TRUE(std::ranges::any_of(benutzt, [](const auto& k) { return k.second > 1; }))
        << "no flask is used twice";
}

// A static plate load test on the 300 mm plate loads first in steps until the normal stress
// reaches 0.5 MN/m² or the plate has settled 5 mm, whichever comes first; it unloads to half and a
// quarter of the greatest stress and to none, and loads again up to the first loading's last step
// but one.
TEST(Musterdaten, AFirstLoadingEndsAtHalfAMegapascalOrFiveMillimetresSettlement)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    for (const CProtokoll* lp : VomTyp(projekt, 1005)) {
        SCOPED_TRACE(lp->HoleProtokollnummer());
        // Stresses of the three branches in fields 1, 5 and 9; settlements in 0.01 mm in field 3.
        const Tabelle t(*lp);
        const int stufen = t.Anzahl(1);
        ASSERT_GT(stufen, 1);
        for (int i = 0; i < stufen; ++i)
            EXPECT_EQ(t.Zahl(1, i) >= 0.5 || t.Zahl(3, i) >= 500, i == stufen - 1) << "step " << i;
        ASSERT_EQ(t.Anzahl(5), 3);
        for (int i = 0; i < 3; ++i)
            t.Stimmt(5, i, t.Zahl(1, stufen - 1) * (2 - i) / 4);
        EXPECT_EQ(t.Text(9, t.Anzahl(9) - 1), t.Text(1, stufen - 2));
    }
}

namespace {

// Whether a test point meets its requirement, and where it stands as its page describes it
// (fields 0 to 2; a grading's or a static plate load test's place is the header's).
struct Pruefergebnis
{
    std::string stelle;
    bool erfuellt;
};

std::vector<Pruefergebnis> Pruefergebnisse(const CProtokoll& p)
{
    const Tabelle t(p);
    // Achieved and required value per point: DPr of the density pages, Evd of the plate pages.
    const std::map<int, std::pair<int, int>> ist = {
        {1002, {32, 33}}, {1007, {28, 29}}, {1003, {7, 8}}, {1012, {7, 8}}};
    std::vector<Pruefergebnis> ergebnisse;
    if (p.GetPruefart() == 1000) {
        const std::vector<std::string> abweichungen = Werte(p.HoleFeldSpeziell(4, 6));
        ergebnisse.push_back({Stelle(p), std::ranges::all_of(abweichungen, [](const auto& a) {
                                  return a.empty() || StringZuDouble(a) == 0;
                              })});
    }
    // Ev2 at least, Ev2/Ev1 at most what the layer requires.
    if (p.GetPruefart() == 1005)
        ergebnisse.push_back({Stelle(p), t.Zahl(21) >= t.Zahl(34) && t.Zahl(22) <= t.Zahl(35)});
    if (const auto felder = ist.find(p.GetPruefart()); felder != ist.end()) {
        for (int i = 0; i < t.Anzahl(felder->second.first); ++i)
            ergebnisse.push_back(
                {t.Text(0, i) + "|" + t.Text(1, i) + "|" + t.Text(2, i),
                 t.Zahl(felder->second.first, i) >= t.Zahl(felder->second.second, i)});
    }
    return ergebnisse;
}

// Whether a test of the same kind after `p`, before the day `bis`, names `p` in its remark and
// meets the requirement at the place where `p` fell short.
bool NachgeprueftVor(const MusterProjekt& projekt, const CProtokoll& p, const std::string& stelle,
                     const std::string& bis)
{
    return std::ranges::any_of(projekt.protokolle, [&](const CProtokoll& q) {
        return q.GetPruefart() == p.GetPruefart() &&
               q.HolePruefdatumRoh() > p.HolePruefdatumRoh() && q.HolePruefdatumRoh() < bis &&
               q.HoleFeld(2, 1).find(Nummer(projekt, p)) != std::string::npos &&
               std::ranges::any_of(Pruefergebnisse(q), [&](const Pruefergebnis& neu) {
                   return neu.stelle == stelle && neu.erfuellt;
               });
    });
}

bool Erfuellt(const CProtokoll& p)
{
    return std::ranges::all_of(Pruefergebnisse(p), &Pruefergebnis::erfuellt);
}

} // namespace

// A test that falls short of its requirement is remarked on its page and answered later: a point
// or grading by a test of the same kind at the very place, which names the first in its remark and
// meets it (the re-compaction and re-test the site meeting's note promises); a subgrade too soft
// for its Ev2 by the soil replacement designed on it, which names it. A comparison that
// shows a failed grading shows its re-test beside it, and its remark says which is which.
TEST(Musterdaten, FailedTestsAreRemarkedAndAnsweredByLaterOnes)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    const std::map<std::string, const CProtokoll*> nachNummer = NachNummer(projekt);
    int verfehlt = 0;
    for (const CProtokoll& p : projekt.protokolle) {
        const std::string nummer = Nummer(projekt, p);
        SCOPED_TRACE(nummer);
        for (const Pruefergebnis& punkt : Pruefergebnisse(p)) {
            if (punkt.erfuellt)
                continue;
            ++verfehlt;
            EXPECT_NE(p.HoleFeld(2, 1), "") << "no remark on " << punkt.stelle;
            if (p.GetPruefart() != 1005) {
                EXPECT_TRUE(NachgeprueftVor(projekt, p, punkt.stelle, "99999999"))
                    << "no passing re-test at " << punkt.stelle;
                continue;
            }
            const auto bemessung = std::ranges::find_if(projekt.protokolle, [&](const auto& q) {
                return q.GetPruefart() == 1010 && Tabelle(q).Text(0) == nummer;
            });
            EXPECT_NE(bemessung, projekt.protokolle.end()) << "no soil replacement designed";
        }
        for (int c = 0; p.GetPruefart() == 1018 && p.GetPruefartVER() == 1 && c < 6; ++c) {
            const std::string verglichen = StringHoleFeld(p.HoleFeldSpeziell(2, c + 4), '@', 1);
            if (verglichen.empty() || Erfuellt(*nachNummer.at(verglichen)))
                continue;
            std::string nachpruefung;
            for (int d = 0; d < 6; ++d) {
                const std::string anderer = StringHoleFeld(p.HoleFeldSpeziell(2, d + 4), '@', 1);
                if (!anderer.empty() &&
                    nachNummer.at(anderer)->HoleFeld(2, 1).find(verglichen) != std::string::npos)
                    nachpruefung = anderer;
            }
            EXPECT_NE(nachpruefung, "") << verglichen << " compared without its re-test";
            EXPECT_NE(p.HoleFeld(2, 1).find(nachpruefung + ": Nachprüfung von " + verglichen),
                      std::string::npos)
                << "the remark does not say which is the re-test: " << p.HoleFeld(2, 1);
        }
    }
    EXPECT_GT(verfehlt, 0) << "the sample shows no failed test";
}

namespace {

// A note's running text with its line breaks and indents as single blanks.
std::string Fliesstext(const std::string& zeilen)
{
    std::string text;
    for (const char c : StringMitErsetzung(zeilen, "#CRLF#", " "))
        if (c != ' ' || (!text.empty() && text.back() != ' '))
            text += c;
    return text;
}

// The calendar week after ISO 8601 of a day "JJJJMMTT": the week of its Thursday.
int Kalenderwoche(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    const sys_days tag{year{std::stoi(jjjjmmtt.substr(0, 4))} / std::stoi(jjjjmmtt.substr(4, 2)) /
                       std::stoi(jjjjmmtt.substr(6, 2))};
    const sys_days donnerstag = tag + days{4 - static_cast<int>(weekday{tag}.iso_encoding())};
    return static_cast<int>(
        (donnerstag - sys_days{year_month_day{donnerstag}.year() / January / 1}).count() / 7 + 1);
}

} // namespace

// The site meeting's note quotes what the site file holds on its day: the Proctor density and
// water content that the compaction degrees of its Proctor test and the binder recommendation
// use; the dam's lifts built and each of them tested; no re-test promised that is not open; the
// soil replacement the laboratory designed, in one unit: the thickness needed and the one
// exchanged, which the design plans and with which it expects the required Ev2; the sample of the
// cut's grain density by the name the comparison of its Proctor tests gives it; and as attachment
// the test reports of the weeks that hold every protocol before it.
TEST(Musterdaten, TheNoteQuotesWhatTheSiteFileHoldsOnItsDay)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    const std::vector<const CProtokoll*> notizen = VomTyp(projekt, 1020);
    const std::vector<const CProtokoll*> bemessungen = VomTyp(projekt, 1010);
    ASSERT_EQ(notizen.size(), 1u);
    ASSERT_EQ(bemessungen.size(), 1u);
    const std::string datum = notizen[0]->HolePruefdatumRoh();
    const std::string text = Fliesstext(Tabelle(*notizen[0]).Text(6));

    const size_t proctor = text.find("Proctorversuch OL-");
    ASSERT_NE(proctor, std::string::npos);
    const std::string zitiert = text.substr(proctor + 15, 10), bezug = text.substr(proctor);
    int verwendet = 0;
    // Lifts that a density test before the note names, and whether a failed test is not yet
    // answered by its re-test.
    std::set<int> gepruefteLagen;
    bool nachpruefungOffen = false;
    std::set<int> wochen;
    for (const CProtokoll& p : projekt.protokolle) {
        if (p.HolePruefdatumRoh() >= datum)
            continue;
        SCOPED_TRACE(Nummer(projekt, p));
        wochen.insert(Kalenderwoche(p.HolePruefdatumRoh()));
        for (const Pruefergebnis& punkt : Pruefergebnisse(p))
            nachpruefungOffen |= !punkt.erfuellt && p.GetPruefart() != 1005 &&
                                 !NachgeprueftVor(projekt, p, punkt.stelle, datum);
        if (p.GetPruefart() != 1002 && p.GetPruefart() != 1007)
            continue;
        const Tabelle t(p);
        const int k = Kennwertblock(p.GetPruefart());
        for (int i = 0; i < t.Anzahl(k); ++i) {
            if (const std::string lage = StringHoleToken(t.Text(1, i), "#CRLF#", 1);
                lage.ends_with(". Lage"))
                gepruefteLagen.insert(std::stoi(lage));
            if (t.Text(k + 7, i) != zitiert)
                continue;
            ++verwendet;
            EXPECT_EQ(t.Zahl(k + 13, i), ZahlNach(bezug, "Proctordichte")) << bezug;
            EXPECT_EQ(t.Text(k + 14, i),
                      StringFormat("%.3f", ZahlNach(bezug, "Wassergehalt") / 100))
                << bezug;
        }
    }
    EXPECT_GT(verwendet, 0) << "no compaction degree uses " << zitiert;
    // The binder recommendation wets to the optimum the note tells the site to wet to.
    for (const CProtokoll* bindemittel : VomTyp(projekt, 1009)) {
        const Tabelle t(*bindemittel);
        EXPECT_EQ(t.Zahl(1), ZahlNach(bezug, "Proctordichte")) << bezug;
        EXPECT_EQ(t.Text(2), StringFormat("%.3f", ZahlNach(bezug, "Wassergehalt") / 100)) << bezug;
    }

    int hergestellt = -1;
    const size_t damm = text.find("bis zur ", text.find("Die Dammschüttung"));
    ASSERT_NE(damm, std::string::npos);
    std::sscanf(text.c_str() + damm, "bis zur %d. Lage hergestellt und geprüft", &hergestellt);
    ASSERT_GT(hergestellt, 0) << text.substr(damm, 80);
    ASSERT_FALSE(gepruefteLagen.empty());
    for (int lage = 1; lage <= hergestellt; ++lage)
        EXPECT_TRUE(gepruefteLagen.contains(lage)) << "lift " << lage << " is not tested";
    EXPECT_LE(*gepruefteLagen.rbegin(), hergestellt + 1);

    EXPECT_EQ(text.find("Offene Nachprüfungen: keine") != std::string::npos, !nachpruefungOffen);
    EXPECT_EQ(text.find("Ergebnisse der Nachprüfungen") != std::string::npos, nachpruefungOffen);

    int noetig = -1, ausgetauscht = -1;
    const size_t stelle = text.find("Bemessung des Labors");
    ASSERT_NE(stelle, std::string::npos);
    std::sscanf(
        text.c_str() + stelle,
        "Bemessung des Labors ergibt eine Einbaustärke von %d cm; ausgetauscht wurden %d cm",
        &noetig, &ausgetauscht);
    const Tabelle bemessung(*bemessungen[0]);
    EXPECT_EQ(noetig, bemessung.Zahl(6)) << "needed";
    EXPECT_EQ(ausgetauscht, bemessung.Zahl(4)) << "planned";
    EXPECT_GE(bemessung.Zahl(7), bemessung.Zahl(3)) << "expected Ev2";

    // The sample the cut's grain density was measured on, by the name the Proctor comparison
    // gives the Proctor test of that sample.
    const std::map<std::string, const CProtokoll*> nachNummer = NachNummer(projekt);
    const auto KorndichteGemessen = [&](const CProtokoll& proctor) {
        return std::ranges::any_of(VomTyp(projekt, 1008), [&](const CProtokoll* korndichte) {
            return korndichte->HoleFeld(1, 2) == "Aushub" && Stelle(*korndichte) == Stelle(proctor);
        });
    };
    int benannt = 0;
    for (const CProtokoll* vergleich : VomTyp(projekt, 1018)) {
        for (int c = 0; c < 6; ++c) {
            const std::string legende = vergleich->HoleFeldSpeziell(2, c + 4);
            const auto proctor = nachNummer.find(StringHoleFeld(legende, '@', 1));
            if (proctor == nachNummer.end() || proctor->second->GetPruefart() != 1001 ||
                !KorndichteGemessen(*proctor->second))
                continue;
            ++benannt;
            const std::string probe = StringHoleFeld(legende, '@', 9);
            EXPECT_NE(text.find("Korndichte des Aushubbodens wurde an der " + probe + " "),
                      std::string::npos)
                << probe;
        }
    }
    EXPECT_GT(benannt, 0);

    int von = -1, bis = -1;
    const std::string anlagen = Fliesstext(Tabelle(*notizen[0]).Text(7));
    const size_t protokolle = anlagen.find("Prüfprotokolle");
    ASSERT_NE(protokolle, std::string::npos) << anlagen;
    std::sscanf(anlagen.c_str() + protokolle, "Prüfprotokolle KW %d bis %d", &von, &bis);
    EXPECT_EQ(von, *wochen.begin()) << anlagen;
    EXPECT_EQ(bis, *wochen.rbegin()) << anlagen;
}

// Every protocol has its place in the site file: a title of the tree and an area, neither of
// which is called a Bauabschnitt where the project is one; test points stand on the 20 m profiles
// they name; nothing is tested on a fill before its first lift, and a drain's filters below it are
// proven before: the filter rule and its filters' sieve analyses, its header naming where the
// filters lie and what they are; the superstructure's layers are each of their own material, the
// base course crushed rock of a quarry, each with a sieve analysis taken on it.
TEST(Musterdaten, EveryProtocolHasItsPlaceInTheSiteFile)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    const bool bauabschnitt =
        projekt.metadaten.at("bezeichnung").find("Bauabschnitt") != std::string::npos;
    std::set<std::string> titel;
    for (const std::string& eintrag : projekt.titel) {
        titel.insert(StringHoleFeld(eintrag, '|', 0));
        EXPECT_FALSE(bauabschnitt && eintrag.find("Bauabschnitt") != std::string::npos) << eintrag;
    }
    // The first day a fill is tested on (its first lift) and the days anything names it.
    std::map<std::string, std::string> ersteLage;
    std::multimap<std::string, std::string> genannt;
    std::map<std::string, std::set<std::string>> herkunft, gesiebt;
    for (const CProtokoll& p : projekt.protokolle) {
        SCOPED_TRACE(p.HoleProtokollnummer());
        EXPECT_TRUE(titel.contains(p.GetTitelID())) << p.GetTitelID();
        EXPECT_NE(p.HoleFeld(1, 0), "");
        EXPECT_FALSE(bauabschnitt && p.HoleFeld(1, 0).find("Bauabschnitt") != std::string::npos)
            << p.HoleFeld(1, 0);
        const std::string schicht = p.HoleFeld(1, 2), datum = p.HolePruefdatumRoh();
        genannt.emplace(schicht, datum);
        herkunft[schicht].insert(p.HoleFeld(1, 5));
        if (p.GetPruefart() == 1000)
            gesiebt[schicht].insert(p.HoleFeld(1, 5));
        const Tabelle t(p);
        for (int i = 0;
             std::set{1002, 1003, 1007, 1012}.contains(p.GetPruefart()) && i < t.Anzahl(0); ++i) {
            int profil = -1;
            std::sscanf(StringHoleToken(t.Text(0, i), "#CRLF#", 1).c_str(), "Profil %d", &profil);
            EXPECT_EQ(Meter(StringHoleToken(t.Text(0, i), "#CRLF#", 0)), 20.0 * profil)
                << t.Text(0, i);
            if (StringHoleToken(t.Text(1, i), "#CRLF#", 1).ends_with(". Lage") &&
                (!ersteLage.contains(schicht) || datum < ersteLage[schicht]))
                ersteLage[schicht] = datum;
        }
    }
    ASSERT_FALSE(ersteLage.empty());
    std::string ersterEinbau = ersteLage.begin()->second;
    for (const auto& [schicht, erster] : ersteLage) {
        const auto [von, bis] = genannt.equal_range(schicht);
        for (auto eintrag = von; eintrag != bis; ++eintrag)
            EXPECT_GE(eintrag->second, erster) << schicht << " before its first lift";
        ersterEinbau = std::min(ersterEinbau, erster);
    }
    const std::map<std::string, const CProtokoll*> nachNummer = NachNummer(projekt);
    for (const CProtokoll* regel : VomTyp(projekt, 1015)) {
        SCOPED_TRACE(regel->HoleProtokollnummer());
        EXPECT_LT(regel->HolePruefdatumRoh(), ersterEinbau);
        for (int m = 1; m < 3; ++m) {
            const CProtokoll& filter =
                *nachNummer.at(StringHoleFeld(regel->HoleFeldSpeziell(2, 4 + m), '@', 5));
            EXPECT_LT(filter.HolePruefdatumRoh(), ersterEinbau) << filter.HoleProtokollnummer();
            for (int feld = 1; feld < 6; ++feld)
                EXPECT_NE(regel->HoleFeld(1, feld).find(filter.HoleFeld(1, feld)),
                          std::string::npos)
                    << "header field " << feld << ": '" << regel->HoleFeld(1, feld) << "'";
        }
    }
    const auto& frostschutz = herkunft["Frostschutzschicht"];
    const auto& tragschicht = herkunft["Schottertragschicht"];
    ASSERT_EQ(tragschicht.size(), 1u);
    EXPECT_FALSE(frostschutz.contains(*tragschicht.begin()));
    EXPECT_TRUE(tragschicht.begin()->starts_with("Steinbruch")) << *tragschicht.begin();
    for (const char* schicht : {"Frostschutzschicht", "Schottertragschicht"})
        EXPECT_EQ(gesiebt[schicht], herkunft[schicht]) << schicht;
}

// The details pane's key-data list gives each name 70 pixels, less the 3 it indents the text by:
// every name of the sample reads there in full, and none reads as another value: a value of the
// subgrade that is not the Ev2 measured on it is named as the least it needs.
TEST(Musterdaten, KeyDataNamesFitTheDetailsPane)
{
    const QFontMetrics schrift(CEckdatenListCtrl().font());
    for (const CProtokoll& p : BaueMusterprojekt().protokolle) {
        if (p.GetPruefart() >= 1018)
            continue;
        for (const auto& [name, wert] : ZerlegeEckdaten(p.HoleSpeziellBlock(6))) {
            EXPECT_LE(schrift.horizontalAdvance(AusCp1252(name)), 67)
                << name << " (" << p.HoleProtokollnummer() << ")";
            if (p.GetPruefart() == 1010 && name.find("Unterl") != std::string::npos) {
                EXPECT_TRUE(StringZuDouble(wert) == Tabelle(p).Zahl(2) ||
                            name.find("min") != std::string::npos)
                    << name << " " << wert;
            }
        }
    }
}

// The details pane shows the header's remark (its field 7), the report prints the remark of the
// general data's second group: the sibling program keeps both alike.
TEST(Musterdaten, TheDetailsPaneShowsTheRemarkTheReportPrints)
{
    int bemerkt = 0;
    for (const CProtokoll& p : BaueMusterprojekt().protokolle) {
        EXPECT_EQ(p.HoleFeld(1, 7), p.HoleFeld(2, 1)) << p.HoleProtokollnummer();
        bemerkt += !p.HoleFeld(2, 1).empty();
    }
    EXPECT_GT(bemerkt, 0);
}

// A sieve analysis reads as weighed: the residue of a sieve differs from that of the next.
TEST(Musterdaten, SieveResiduesDifferFromSieveToSieve)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    for (const CProtokoll* kv : VomTyp(projekt, 1000)) {
        const std::vector<std::string> anteile = Werte(kv->HoleFeldSpeziell(4, 2));
        for (size_t i = 1; i < anteile.size(); ++i)
            EXPECT_NE(anteile[i - 1], anteile[i])
                << kv->HoleProtokollnummer() << " residues " << i - 1 << " and " << i << " (%)";
    }
}

// A large synthetic project holds as many protocols and measurements as asked for, whatever its
// types of one place or none take.
TEST(Musterdaten, LargeProjectsHoldTheRequestedProtocolsAndMeasurements)
{
    for (const auto& [protokolle, messungen] : {std::pair(420, 8000), {150, 300}, {60, 600}}) {
        const MusterProjekt projekt = BaueGrossesProjekt(protokolle, messungen);
        int gezaehlt = 0;
        for (const CProtokoll& p : projekt.protokolle)
            gezaehlt += p.GetAnzahlMessungen();
        EXPECT_EQ(projekt.protokolle.size(), size_t(protokolle));
        EXPECT_EQ(gezaehlt, messungen) << protokolle;
    }
}

// A dynamic probing records whether the rods turn only at the full metres it reached.
TEST(Musterdaten, AProbingRecordsTheRodsOnlyAtDepthsItReached)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    const std::vector<const CProtokoll*> sondierungen = VomTyp(projekt, 1004);
    ASSERT_FALSE(sondierungen.empty());
    for (const CProtokoll* rs : sondierungen) {
        const Tabelle t(*rs);
        // One blow count per 10 cm.
        EXPECT_LE(t.Anzahl(2), t.Anzahl(0) / 10) << rs->HoleProtokollnummer();
    }
}

namespace {

// Minutes of a time of day "HH:MM".
int Minuten(const std::string& uhrzeit)
{
    int stunden = -1, minuten = -1;
    std::sscanf(uhrzeit.c_str(), "%d:%d", &stunden, &minuten);
    return 60 * stunden + minuten;
}

// A site meeting: its day "JJJJMMTT", its time in minutes and the surnames of the laboratory's
// participants.
struct Besprechung
{
    std::string datum;
    int von, bis;
    std::set<std::string> teilnehmer;
};

// The meetings the notes name: the one a note records and the one it announces, weekly at the
// hour it names and with the same participants; a meeting takes two hours.
std::vector<Besprechung> Besprechungen(const MusterProjekt& projekt)
{
    std::vector<Besprechung> besprechungen;
    for (const CProtokoll* notiz : VomTyp(projekt, 1020)) {
        const std::string text = Fliesstext(Tabelle(*notiz).Text(6));
        const size_t labor = text.find("Prüflabor ("), termin = text.find("Nächste Baubesprechung");
        EXPECT_NE(labor, std::string::npos) << text;
        EXPECT_NE(termin, std::string::npos) << text;
        if (labor == std::string::npos || termin == std::string::npos)
            continue;
        const std::string liste = StringHoleZwischen(text.substr(labor), '(', ')', 0);
        std::set<std::string> teilnehmer;
        for (int i = 0; i < StringZaehleFelderZeichen(liste, ','); ++i) {
            const std::string person = StringHoleFeld(liste, ',', i);
            teilnehmer.insert(person.substr(person.rfind(' ') + 1));
        }
        int tag = 0, monat = 0, jahr = 0;
        char uhrzeit[6] = "";
        std::sscanf(text.c_str() + termin, "Nächste Baubesprechung am %*[^,], %d.%d.%d, %5s Uhr",
                    &tag, &monat, &jahr, uhrzeit);
        const int von = Minuten(uhrzeit);
        for (const std::string& datum :
             {notiz->HolePruefdatumRoh(), StringFormat("%04d%02d%02d", jahr, monat, tag)})
            besprechungen.push_back({datum, von, von + 120, teilnehmer});
    }
    return besprechungen;
}

} // namespace

// A test on site takes the longer the more points it tests: of one type, a one-point re-test less
// time than a test of several. Two tests at one place on one day do not overlap, nor does a test
// with a site meeting its tester attends.
TEST(Musterdaten, TestsOnSiteTakeTimeByTheirPointsAndNeverShareAPlaceAtOnce)
{
    const MusterProjekt projekt = BaueMusterprojekt();
    struct Feldtest
    {
        const CProtokoll* protokoll;
        int von, bis;
        std::set<std::string> stellen;
    };
    std::vector<Feldtest> tests;
    for (const CProtokoll& p : projekt.protokolle) {
        if (p.HoleFeld(1, 10).empty())
            continue;
        Feldtest test{&p, Minuten(p.HoleFeld(1, 10)), Minuten(p.HoleFeld(1, 11)), {}};
        for (int m = 0; m < p.GetAnzahlMessungen(); ++m) {
            MESSUNG messung;
            p.GetMessung(m, messung);
            test.stellen.insert(messung.station + " " + messung.lage);
        }
        tests.push_back(test);
    }
    ASSERT_FALSE(tests.empty());
    for (const Feldtest& a : tests) {
        for (const Feldtest& b : tests) {
            SCOPED_TRACE(a.protokoll->HoleProtokollnummer() + " " + a.protokoll->HoleFeld(1, 10) +
                         "-" + a.protokoll->HoleFeld(1, 11) + ", " +
                         b.protokoll->HoleProtokollnummer() + " " + b.protokoll->HoleFeld(1, 10) +
                         "-" + b.protokoll->HoleFeld(1, 11));
            EXPECT_LT(a.von, a.bis);
            if (a.protokoll->GetPruefart() == b.protokoll->GetPruefart() &&
                a.protokoll->GetAnzahlMessungen() < b.protokoll->GetAnzahlMessungen()) {
                EXPECT_LT(a.bis - a.von, b.bis - b.von);
            }
            const auto BeiB = [&](const std::string& stelle) { return b.stellen.contains(stelle); };
            const bool beieinander =
                a.protokoll != b.protokoll &&
                a.protokoll->HolePruefdatumRoh() == b.protokoll->HolePruefdatumRoh() &&
                std::ranges::any_of(a.stellen, BeiB);
            EXPECT_FALSE(beieinander && a.von < b.bis && b.von < a.bis);
        }
    }
    const std::vector<Besprechung> besprechungen = Besprechungen(projekt);
    ASSERT_FALSE(besprechungen.empty());
    for (const Feldtest& test : tests) {
        const std::string pruefer = test.protokoll->HoleFeld(1, 12);
        for (const Besprechung& b : besprechungen) {
            const bool dabei = test.protokoll->HolePruefdatumRoh() == b.datum &&
                               b.teilnehmer.contains(pruefer.substr(pruefer.rfind(' ') + 1));
            EXPECT_FALSE(dabei && test.von < b.bis && b.von < test.bis)
                << test.protokoll->HoleProtokollnummer() << " by " << pruefer << " "
                << test.protokoll->HoleFeld(1, 10) << " at the meeting of " << b.datum;
        }
    }
}
