// The sample project agrees with itself: what the measurement list, the summary table and the
// export show in their result columns is what the protocol's report page prints, in the row that
// names it.
#include "app/protokolldetails.h"
#include "app/protokolldruckauftrag.h"
#include "data/messungsspalten.h"
#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "musterbauer.h"
#include "platform/recordingdc.h"
#include "report/virtversuch.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>

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

struct Seitentext
{
    std::string text;
    int y;
};

// The texts of page 1 of the protocol's report, left to right on each base line. Mark-up and
// table cells are drawn a character at a time; characters that follow on directly are one text.
std::vector<Seitentext> Berichtsseite(const CProtokoll& protokoll)
{
    std::unique_ptr<CVirtVersuch> versuch =
        ErzeugeVersuch(protokoll.GetPruefart(), protokoll.GetPruefartVER());
    if (!versuch)
        return {};
    versuch->LeseProtokollXml(protokoll.SchreibeXML(), false);
    versuch->SetzeKopfdaten("Musterprojekt||Auftraggeber|OL", "");
    RecordingDC dc(CFesteTextMetrik{});
    versuch->Drucken(1, &dc, RECT{0, 0, 19600, -28500});

    std::vector<DCEintrag> eintraege = dc.Texte();
    std::ranges::sort(eintraege, {}, [](const DCEintrag& e) {
        return std::pair(e.punkte.at(0).y, e.punkte.at(0).x);
    });
    std::vector<Seitentext> texte;
    for (size_t i = 0; i < eintraege.size(); ++i) {
        const POINT p = eintraege[i].punkte.at(0);
        const bool folgt = i > 0 && p.y == eintraege[i - 1].punkte.at(0).y &&
                           p.x == eintraege[i - 1].punkte.at(0).x + eintraege[i - 1].breite;
        if (folgt)
            texte.back().text += eintraege[i].text;
        else
            texte.push_back({eintraege[i].text, p.y});
    }
    return texte;
}

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
    const CPfade vorher = g_pfade;
    g_pfade.protokollnrDrucken = true;
    g_pfade.anteilAlsProzent = false;
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
                    EXPECT_TRUE(!text.empty() && StehtInZeile(seite, text, ort->second))
                        << "not printed beside '" << ort->second << "'";
                }
            }
        }
    }
    g_pfade = vorher;
}

namespace {

// A protocol's number as its report prints it.
std::string Nummer(const MusterProjekt& projekt, const CProtokoll& protokoll)
{
    return projekt.metadaten.at("protNrPraefix") + "-" + protokoll.HoleProtokollnummer();
}

// The one protocol of the project with that number, of the type the sheet draws on and done no
// later than the sheet.
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

// The sub-values of a field; none of an empty one.
std::vector<std::string> Werte(const std::string& feld)
{
    std::vector<std::string> werte;
    for (int i = 0; !feld.empty() && i < StringZaehleFelderZeichen(feld, '@'); ++i)
        werte.push_back(StringHoleFeld(feld, '@', i));
    return werte;
}

// Sizes and passing sums of the sieve rows a grain-size report prints.
std::array<std::string, 2> Siebspalten(const CProtokoll& kv)
{
    std::array<std::string, 2> spalten;
    for (int i = 1; i <= 16 && !kv.HoleUnterfeld(4, 0, i).empty(); ++i)
        for (int s = 0; s < 2; ++s)
            spalten[s] += (i > 1 ? "@" : "") + kv.HoleUnterfeld(4, 3 * s, i);
    return spalten;
}

using Kurve = std::vector<std::pair<double, double>>;

Kurve Punkte(const std::string& weiten, const std::string& summen)
{
    Kurve kurve;
    const std::vector<std::string> d = Werte(weiten), p = Werte(summen);
    for (size_t i = 0; i < d.size() && i < p.size(); ++i)
        kurve.emplace_back(StringZuDouble(d[i]), StringZuDouble(p[i]));
    return kurve;
}

// The rule the sample states: sizes and passings run linearly in log size between consecutive
// printed points; nothing is read beyond them.
std::optional<double> WeiteBei(const Kurve& k, double prozent)
{
    for (size_t i = 1; i < k.size(); ++i)
        if (k[i - 1].second <= prozent && prozent <= k[i].second && k[i - 1].second < k[i].second)
            return k[i - 1].first *
                   std::pow(k[i].first / k[i - 1].first,
                            (prozent - k[i - 1].second) / (k[i].second - k[i - 1].second));
    return std::nullopt;
}

std::optional<double> DurchgangBei(const Kurve& k, double weite)
{
    for (size_t i = 1; i < k.size(); ++i)
        if (k[i - 1].first <= weite && weite <= k[i].first)
            return k[i - 1].second + (k[i].second - k[i - 1].second) *
                                         std::log(weite / k[i - 1].first) /
                                         std::log(k[i].first / k[i - 1].first);
    return k.empty() || weite < k.front().first ? std::nullopt : std::optional(k.back().second);
}

// A printed value is the computed one to its last printed digit; one that cannot be computed is
// not printed.
void ErwarteGedruckt(const std::string& text, std::optional<double> wert, double halbeStelle,
                     const std::string& was)
{
    if (!wert) {
        EXPECT_EQ(text, "") << was << " cannot be read from the table";
        return;
    }
    EXPECT_NEAR(text.empty() ? NAN : StringZuDouble(text), *wert, halbeStelle + 1e-9) << was;
}

std::string Kennwert(const CProtokoll& kv, int index)
{
    return kv.HoleUnterfeld(4, 15, index);
}

void PruefeKornkennwerte(const CProtokoll& kv)
{
    SCOPED_TRACE(kv.HoleProtokollnummer());
    // The weighed residues give their shares and the passing sums and, with the loss, the sample.
    double gesamt = 0, durchgang = 0;
    for (const std::string& r : Werte(kv.HoleFeldSpeziell(4, 1)))
        gesamt += StringZuDouble(r);
    EXPECT_NEAR(gesamt + StringZuDouble(kv.HoleFeldSpeziell(4, 8)),
                StringZuDouble(kv.HoleFeldSpeziell(4, 7)), 0.05);
    const auto [weiten, summen] = Siebspalten(kv);
    const std::vector<std::string> summe = Werte(summen);
    for (size_t i = 0; i <= summe.size(); ++i) {
        const double r = StringZuDouble(kv.HoleUnterfeld(4, 1, i));
        ErwarteGedruckt(kv.HoleUnterfeld(4, 2, i), 100 * r / gesamt, 0.05, "share");
        durchgang += r;
        if (i < summe.size()) {
            ErwarteGedruckt(summe[i], 100 * durchgang / gesamt, 0.05, "passing");
        }
    }
    // The curve: the sedimentation below the finest sieve, then the sieves up to the first one
    // that everything passes, which is the largest grain.
    const Kurve siebe = Punkte(weiten, summen);
    Kurve kurve;
    for (const auto& p : Punkte(kv.HoleFeldSpeziell(5, 10), kv.HoleFeldSpeziell(5, 12)))
        if (p.first < siebe.at(0).first)
            kurve.insert(kurve.begin(), p);
    kurve.insert(kurve.end(), siebe.begin(), siebe.end());
    EXPECT_EQ(siebe.back().second, 100.0);
    EXPECT_LT(siebe.at(siebe.size() - 2).second, 100.0);
    EXPECT_EQ(Kennwert(kv, 7), Werte(weiten).back());

    const double d10 = *WeiteBei(kurve, 10), d30 = *WeiteBei(kurve, 30), d60 = *WeiteBei(kurve, 60);
    const double u = d60 / d10, cc = d30 * d30 / (d10 * d60);
    const std::optional<double> ton = DurchgangBei(kurve, 0.002);
    const double fein = *DurchgangBei(kurve, 0.063), bis2 = *DurchgangBei(kurve, 2);
    const double bis63 = *DurchgangBei(kurve, 63);
    const std::pair<int, std::optional<double>> prozente[] = {
        {0, ton},         {2, ton ? std::optional(fein - *ton) : std::nullopt},
        {3, bis2 - fein}, {4, bis63 - bis2},
        {5, 100 - bis63}, {6, u}};
    for (const auto& [index, wert] : prozente)
        ErwarteGedruckt(Kennwert(kv, index), wert, 0.05, "value " + std::to_string(index));
    ErwarteGedruckt(Kennwert(kv, 1), cc, 0.005, "Cc");
    const int anteile[] = {10, 15, 17, 30, 50, 60, 85};
    for (int k = 0; k < 7; ++k)
        ErwarteGedruckt(Kennwert(kv, 10 + k), WeiteBei(kurve, anteile[k]), 5e-4,
                        "d" + std::to_string(anteile[k]));

    // DIN 18196 with silty fines, also in the header; frost class after ZTV E-StB.
    const std::string gruppe = std::string(bis2 < 60 ? "G" : "S") + (fein > 15          ? "U*"
                                                                     : fein > 5         ? "U"
                                                                     : u < 6            ? "E"
                                                                     : cc < 1 || cc > 3 ? "I"
                                                                                        : "W");
    EXPECT_EQ(Kennwert(kv, 8), gruppe);
    EXPECT_EQ(kv.HoleFeld(1, 4), gruppe);
    const bool fastRein = fein <= 15 - 10 * std::clamp((u - 6) / 9, 0.0, 1.0);
    EXPECT_EQ(Kennwert(kv, 9), gruppe.ends_with('*') ? "F3" : fastRein ? "F1" : "F2");
}

// d15, d50 and d85 of each material by the same rule from the printed sieve columns, the very
// values the material's own report prints; the filter widths and criteria from those as printed.
void PruefeFilterregel(const MusterProjekt& projekt, const CProtokoll& blatt)
{
    double w[3][6];
    for (int m = 0; m < 3; ++m) {
        const Kurve kurve =
            Punkte(blatt.HoleFeldSpeziell(4, 2 * m), blatt.HoleFeldSpeziell(4, 2 * m + 1));
        const CProtokoll* kv = Quelle(projekt, blatt, blatt.HoleUnterfeld(2, 4 + m, 5), 1000);
        for (const auto& [k, prozent, index] : {std::tuple(0, 15, 11), {1, 50, 14}, {2, 85, 16}}) {
            const std::string text = blatt.HoleUnterfeld(4, 6 + m, k);
            ErwarteGedruckt(text, WeiteBei(kurve, prozent), 5e-4, "d" + std::to_string(prozent));
            EXPECT_EQ(text, kv ? Kennwert(*kv, index) : "");
        }
        for (int k = 0; k < 6; ++k)
            w[m][k] = StringZuDouble(blatt.HoleUnterfeld(4, 6 + m, k));
        EXPECT_NEAR(w[m][4], 4 * w[m][0], 5e-4 + 1e-9);
        EXPECT_NEAR(w[m][5], 4 * w[m][2], 5e-4 + 1e-9);
    }
    const bool erfuellt[] = {w[0][5] >= w[1][0], w[0][4] <= w[1][0], w[1][5] >= w[2][0],
                             w[1][4] <= w[2][0]};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(blatt.HoleUnterfeld(4, 14, k), erfuellt[k] ? "erfüllt" : "nicht erfüllt");
}

// Each legend names a protocol of the project, repeats its header and draws its own curve; a
// Proctor comparison's common axes hold every point.
void PruefeVergleich(const MusterProjekt& projekt, const CProtokoll& blatt)
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
}

// Each material is a grain-size protocol of the project whose printed sieve rows the page prints.
void PruefeFiltermaterialien(const MusterProjekt& projekt, const CProtokoll& blatt)
{
    for (int m = 0; m < 3; ++m) {
        const std::string nummer = blatt.HoleUnterfeld(2, 4 + m, 5);
        const CProtokoll* kv = Quelle(projekt, blatt, nummer, 1000);
        for (int s = 0; kv && s < 2; ++s) {
            EXPECT_EQ(blatt.HoleFeldSpeziell(4, 2 * m + s), Siebspalten(*kv)[s]) << "table";
            EXPECT_EQ(StringHoleZwischen(blatt.HoleFeldSpeziell(5, 2 + s), '(', ')', m),
                      Siebspalten(*kv)[s])
                << "chart";
        }
        EXPECT_TRUE(blatt.HoleUnterfeld(4, 6 + m, 6).ends_with(" " + nummer));
    }
}

int PruefeVerweise(const MusterProjekt& projekt)
{
    int blaetter = 0;
    for (const CProtokoll& blatt : projekt.protokolle) {
        SCOPED_TRACE(blatt.GetID());
        if (blatt.GetPruefart() == 1018)
            PruefeVergleich(projekt, blatt);
        else if (blatt.GetPruefart() == 1015)
            PruefeFiltermaterialien(projekt, blatt);
        else
            continue;
        ++blaetter;
    }
    return blaetter;
}

} // namespace

TEST(Musterdaten, SheetsDrawOnProtocolsOfTheirProjectAndPrintTheirValues)
{
    EXPECT_EQ(PruefeVerweise(BaueMusterprojekt()), 3);
    // The large project's sheets draw on its nearest tests of each kind.
    EXPECT_EQ(PruefeVerweise(BaueGrossesProjekt(150, 300)), 14);
}

TEST(Musterdaten, GrainSizeAndFilterRuleValuesFollowFromThePrintedSieveTables)
{
    const MusterProjekt muster = BaueMusterprojekt();
    int kornverteilungen = 0;
    for (const CProtokoll& protokoll : muster.protokolle) {
        if (protokoll.GetPruefart() == 1000) {
            PruefeKornkennwerte(protokoll);
            ++kornverteilungen;
        }
        if (protokoll.GetPruefart() == 1015)
            PruefeFilterregel(muster, protokoll);
    }
    EXPECT_EQ(kornverteilungen, 6);
}

// Names as the page captions them, values as it prints them beside (a unit in the unit column);
// the filter rule's criteria by the result cell of their table.
TEST(Musterdaten, KeyDataOfGrainSizeAndFilterRuleAreResultsTheirReportsPrint)
{
    const CPfade vorher = g_pfade;
    g_pfade.protokollnrDrucken = true;
    const std::map<std::string, int> kriterien = {{"Sperrbed. Filter 1", 0},
                                                  {"Durchfl. Filter 1", 1},
                                                  {"Sperrbed. Filter 2", 2},
                                                  {"Durchfl. Filter 2", 3}};
    for (const CProtokoll& protokoll : BaueMusterprojekt().protokolle) {
        if (protokoll.GetPruefart() != 1000 && protokoll.GetPruefart() != 1015)
            continue;
        SCOPED_TRACE(protokoll.GetID());
        const std::string block = protokoll.HoleSpeziellBlock(6);
        const auto eckdaten = ZerlegeEckdaten(block);
        EXPECT_GE(eckdaten.size(), 5u);
        EXPECT_EQ(block.find_first_of("{}|@"), std::string::npos);
        std::string wieder;
        const std::vector<Seitentext> seite = Berichtsseite(protokoll);
        size_t kriterienGefunden = 0;
        for (const auto& [name, wert] : eckdaten) {
            SCOPED_TRACE(name + ": " + wert);
            wieder += (wieder.empty() ? "" : "_") + name + "_" + wert;
            if (const auto kriterium = kriterien.find(name); kriterium != kriterien.end()) {
                EXPECT_EQ(wert, protokoll.HoleUnterfeld(4, 14, kriterium->second));
                ++kriterienGefunden;
                continue;
            }
            const size_t blank = wert.find(' ');
            EXPECT_TRUE(StehtInZeile(seite, wert.substr(0, blank), name));
            EXPECT_TRUE(blank == std::string::npos ||
                        StehtInZeile(seite, "[" + wert.substr(blank + 1) + "]", name));
        }
        EXPECT_EQ(wieder, block) << "no name or value holds a '_'";
        EXPECT_EQ(kriterienGefunden, protokoll.GetPruefart() == 1015 ? 4u : 0u);
    }
    g_pfade = vorher;
}
