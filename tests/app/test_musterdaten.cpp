// The sample project agrees with itself: what the measurement list, the summary table and the
// export show in their result columns is what the protocol's report page prints, in the row that
// names it.
#include "app/protokolldruckauftrag.h"
#include "data/messungsspalten.h"
#include "data/pfade.h"
#include "musterbauer.h"
#include "platform/recordingdc.h"
#include "report/virtversuch.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

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
                    EXPECT_TRUE(!text.empty() && StehtInZeile(seite, text, ort->second))
                        << "not printed beside '" << ort->second << "'";
                }
            }
        }
    }
    g_pfade = vorher;
}
