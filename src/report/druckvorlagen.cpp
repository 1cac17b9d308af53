#include "report/druckvorlagen.h"

#include <initializer_list>
#include <map>
#include <vector>

namespace {

// A cell without a control: the table drawer lets its left neighbour span over it.
constexpr const char* Keine = nullptr;

struct Block
{
    int ersteId;
    std::initializer_list<std::initializer_list<const char*>> zeilen;
    // Captions of column 0 stand left, all other cells centred.
    bool ersteSpalteLinks = true;
};

// One row of controls first + 100 × row + column, laid out as a dialog editor would.
template <typename Texte>
void FuegeZeileHinzu(std::vector<VorlagenElement>& elemente, int ersteId, int zeile,
                     const Texte& texte, bool ersteSpalteLinks)
{
    int spalte = 0;
    for (const char* text : texte) {
        if (text != Keine) {
            const bool links = ersteSpalteLinks && spalte == 0;
            elemente.push_back(VorlagenElement{
                .id = ersteId + 100 * zeile + spalte,
                .x = std::int16_t(7 + 42 * spalte),
                .y = std::int16_t(7 + 12 * zeile),
                .cx = 40,
                .cy = 10,
                .text = text,
                .style = links ? SS_LEFT : SS_CENTER,
            });
        }
        ++spalte;
    }
}

void FuegeBlockHinzu(std::vector<VorlagenElement>& elemente, const Block& block)
{
    int zeile = 0;
    for (const auto& texte : block.zeilen)
        FuegeZeileHinzu(elemente, block.ersteId, zeile++, texte, block.ersteSpalteLinks);
}

std::vector<std::uint8_t> Vorlage(std::initializer_list<Block> bloecke)
{
    std::vector<VorlagenElement> elemente;
    for (const Block& block : bloecke)
        FuegeBlockHinzu(elemente, block);
    return BaueDialogVorlage(elemente);
}

// Sedimentation: hydrometer data in two halves, grain density and dry mass, reading heads.
std::vector<std::uint8_t> Sedimentation()
{
    return Vorlage({
        {30101, {{"Aräometerbezeichnung", "", ""}}},
        {30201, {{"Querschnittsfläche Zylinder", "Az", "[ cm² ]"}}},
        {30301, {{"Volumen der Aräometerbirne", "VA", "[ cm³ ]"}}},
        {30401, {{"Aräometer-Miniskuskorrektur", "Cm", "[ cm ]"}}},
        {30205, {{"Länge Tauchkörper", "h", "[ cm ]"}}},
        {30305, {{"Länge Skala", "h<t>1<n>-h<t>0", "[ cm ]"}}},
        {30405, {{"Abst. Tauchkörper bis Skala", "h<t>0", "[ cm ]"}}},
        {30501, {{"Korndichte", "<fs>r<fn><t>s", "[ g/cm³ ]"}}},
        {30505, {{"Trockenmasse", "md", "[ g ]"}}},
        {30601,
         {{"Ablesezeit", "Aräometerablesung", "Temperatur", "Korngröße", "Korrekturwert",
           "Masseanteile"}},
         false},
        {30701,
         {{"Zeitspanne", "R'", "R = R' + Cm", "T", "d", "C<t>T", "R + C<t>T", "a", "atot"}},
         false},
        {30801,
         {{"Stunden", "Minuten", "[ g ]", "[ g ]", "[ °C ]", "[ mm ]", "[ g ]", "[ g ]", "[ % ]",
           "[ % ]"}},
         false},
    });
}

// Filter rule: material heads over sieve-size and passing columns, then the characteristic
// grain sizes of the three materials.
std::vector<std::uint8_t> Filterregel()
{
    return Vorlage({
        {40402,
         {
             {"Boden ", Keine, "Filter 1 ", Keine, "Filter 2 ", Keine},
             {"", Keine, "", Keine, "", Keine},
             {"Siebweite", "D-Summe", "Siebweite", "D-Summe", "Siebweite", "D-Summe"},
         },
         false},
        {40608,
         {
             {"", "Boden", "Filter 1", "Filter 2"},
             {"", "Siebweite", Keine, Keine},
             {"", "[ mm ]", Keine, Keine},
             {"d<t>15", "", "", ""},
             {"d<t>50", "", "", ""},
             {"d<t>85", "", "", ""},
             {"Anzeigen", "", "", ""},
             {"A = d<t>15<n> * 4", "", "", ""},
             {"A' = d<t>85<n> * 4", "", "", ""},
         }},
    });
}

// Lime content: five part tests beside caption, symbol and unit; one mean across them.
std::vector<std::uint8_t> Kalkgehalt()
{
    return Vorlage(
        {{40101,
          {
              {"", "", "", "1", "2", "3", "4", "5"},
              {"Trockenmasse", "m<t>d", "[ g ]", "", "", "", "", ""},
              {"Temperatur", "T", "[ °C ]", "", "", "", "", ""},
              {"abs. Luftdruck", "P <t>abs", "[ kPa ]", "", "", "", "", ""},
              {"Ablesung nach 30 s", "V '<t>G", "[ cm³ ]", "", "", "", "", ""},
              {"Ablesung nach Versuchsende", "V <t>G", "[ cm³ ]", "", "", "", "", ""},
              {"Volumen des Gases", "V <t>0", "[ cm³ ]", "", "", "", "", ""},
              {"Masse Karbonat", "m <t>Ca", "[ g ]", "", "", "", "", ""},
              {"Volumen CO<t>2<n> - Gas (nach 30 s)", "V '<t>0", "[ cm³ ]", "", "", "", "", ""},
              {"Masse Kalzit", "m '<t>Ca", "[ g ]", "", "", "", "", ""},
              {"Kalzitanteil", "V '<t>Ca", "[ --- ]", "", "", "", "", ""},
              {"Dolomitanteil", "V ''<t>Ca", "[ --- ]", "", "", "", "", ""},
              {"Kalkgehalt", "V <t>Ca", "[ % ]", "", "", "", "", ""},
              {"Kalkgehalt ( i.M.)", "V <t>Ca", "[ % ]", "", Keine, Keine, Keine, Keine},
          }}});
}

// Permeability: the characteristic values of the sample, each value spanning to the right edge.
std::vector<std::uint8_t> Durchlaessigkeit()
{
    return Vorlage({{40101,
                     {
                         {"Kennwerte", Keine, Keine},
                         {" Art der Probenahme", "", ""},
                         {" Arbeitsweise", "", ""},
                         {" Fließrichtung", "", ""},
                         {" Korndichte", "[ g/cm³ ]", ""},
                         {" Dichte des Probekörpers ", "[ g/cm³ ]", ""},
                         {" Porenanteil des Probekörpers", "", ""},
                         {" Wassergehalt vor dem Versuch", "[ --- ]", ""},
                         {" Wassergehalt nach dem Versuch", "[ --- ]", ""},
                         {" Sättigungsdruck vor dem Versuch", "", ""},
                         {" Sättigungsdruck nach dem Versuch", "", ""},
                     }}});
}

// Permeability tests: the head of the test and 16 reading rows under the column heads, ending in
// the resulting coefficient. Only the head and the readings differ between the two methods.
using Zeile = std::vector<const char*>;

std::vector<std::uint8_t> Durchlaessigkeitsversuch(const char* versuch, const Zeile& hoehe,
                                                   const Zeile& kopf1, const Zeile& kopf2,
                                                   const Zeile& kopf3)
{
    std::vector<Zeile> zeilen = {
        {versuch, Keine, Keine, "", Keine, Keine, Keine},
        hoehe,
        {" durchströmte Länge", Keine, "l", "[ cm ]", "", Keine, Keine},
        {" Probekörper", "Querschnittsfläche", "A", "[ cm² ]", "", Keine, Keine},
        kopf1,
        kopf2,
        kopf3,
    };
    zeilen.insert(zeilen.end(), 16, Zeile(7, ""));
    zeilen.push_back({"", Keine, Keine, Keine, Keine, "k<t>10<n>=", ""});

    std::vector<VorlagenElement> elemente;
    for (std::size_t r = 0; r < zeilen.size(); ++r)
        FuegeZeileHinzu(elemente, 40101, static_cast<int>(r), zeilen[r], true);
    return BaueDialogVorlage(elemente);
}

std::vector<std::uint8_t> KonstantesGefaelle()
{
    return Durchlaessigkeitsversuch(
        " Versuch mit konstantem hydraulischen Gefälle",
        {" hydraulischer Höhenunterschied", Keine, "h", "[ cm ]", "", Keine, Keine},
        {"Zeit", Keine, Keine, Keine, "Temperatur", "Wasserüberlauf", "Durchlässigkeit"},
        {"Datum", "Uhrzeit", "absolut", "Delta", "T", "V<t>w", "k<t>10"},
        {"", "", "[ h ]", "[ h ]", "[ °C ]", "[ cm³ ]", "[ m/s ]"});
}

std::vector<std::uint8_t> VeraenderlichesGefaelle()
{
    return Durchlaessigkeitsversuch(
        " Versuch mit veränderlichem hydraulischen Gefälle",
        {" Standrohrquerschnitt", Keine, "a", "[ cm² ]", "", Keine, Keine},
        {"Zeit", Keine, "Höhe im Standrohr am", Keine, "Temperatur", "Korrekturbeiwert",
         "Durchlässigkeit"},
        {"", "", "Anfang [ h1 ]", "Ende [ h2 ]", "T", "Faktor  für 10°C", "k<t>10"},
        {"[ min ]", "[ s ]", "[ m ]", Keine, "[ °C ]", "[ --- ]", "[ m/s ]"});
}

} // namespace

DialogVorlage HoleDruckvorlage(int nummer)
{
    static const std::map<int, std::vector<std::uint8_t>> vorlagen = {
        {5102, Sedimentation()},    {5103, Filterregel()},        {5104, Kalkgehalt()},
        {5105, Durchlaessigkeit()}, {5106, KonstantesGefaelle()}, {5107, VeraenderlichesGefaelle()},
    };
    const auto gefunden = vorlagen.find(nummer);
    if (gefunden == vorlagen.end())
        return {};
    return gefunden->second;
}
