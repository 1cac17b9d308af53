#include "musterbauer.h"

#include "data/markup.h"
#include "data/massnahme.h"
#include "data/projektdatei.h"
#include "data/textfunktionen.h"
#include "diagrams/bindemitteldiagramm.h"
#include "diagrams/kurven.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <numeric>
#include <optional>

namespace {

// ---- Varied but reproducible values ------------------------------------------------------------

// A number in [0, 1) that depends only on its arguments.
double Streuwert(int nummer, int index, int art)
{
    uint32_t x = static_cast<uint32_t>(nummer) * 2654435761u ^
                 static_cast<uint32_t>(index) * 40503u ^ static_cast<uint32_t>(art) * 2246822519u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return (x % 10000) / 10000.0;
}

template <size_t N>
const char* Auswahl(const std::array<const char*, N>& texte, int nummer, int art)
{
    return texte[static_cast<size_t>(Streuwert(nummer, 0, art) * N)];
}

const std::array<const char*, 5> kLagen = {"Achse", "links 2,5 m", "rechts 2,5 m", "links 5,0 m",
                                           "rechts 4,0 m"};
const std::array<const char*, 3> kPruefer = {"K. Brenner", "S. Lindholm", "M. Ortwein"};

// A laboratory computes its results from the values on its sheet: a raw value is rounded as the
// report prints it, and what follows is computed from that number. Rounding is half up on the
// decimal value: 0.95 × 1.910 is 1.8145 on paper and prints 1.815, whatever the binary fraction
// of the product holds.
double Gerundet(double wert, int stellen)
{
    const double faktor = std::pow(10.0, stellen);
    return std::floor(wert * faktor + 0.5 + 1e-6) / faktor;
}

// The mean of the values, or of what `wert` reads from each element, to three decimals.
template <typename Liste, typename Projektion = std::identity>
double Mittel(const Liste& liste, Projektion wert = {})
{
    double summe = 0;
    for (const auto& element : liste)
        summe += std::invoke(wert, element);
    return Gerundet(summe / static_cast<double>(std::size(liste)), 3);
}

std::string Text(double wert, int stellen)
{
    return StringFormat("%.*f", stellen, Gerundet(wert, stellen));
}

// A number with the decimal comma of running text.
std::string Komma(double wert, int stellen)
{
    return StringMitErsetzung(Text(wert, stellen), ".", ",");
}

// ---- The site: a bypass on a dam and in a cut, with a bridge at its southern end ---------------

// A soil as the headers name it: group after DIN 18196, origin and state. Each origin delivers
// one soil.
struct Boden
{
    const char* gruppe;
    const char* herkunft;
    const char* zustand;
};

// The silty sand of the cut builds the dam and forms the subgrade; the gravel works delivers the
// sandy gravel 0/32 of the soil replacement and the superstructure; the clay lies below the
// bridge; the drain's filters come from their own pits.
const Boden kAushubboden{"SU", "Aushub km 1+200", "erdfeucht"};
const Boden kKiessand{"GW", "Kieswerk Auental", "erdfeucht"};
const Boden kTon{"TM", "Baugrube BW 3", "steif"};
const Boden kFiltersandBoden{"SE", "Sandgrube Eichholz", "erdfeucht"};
const Boden kFilterkiesBoden{"GE", "Kieswerk Mühlbach", "erdfeucht"};

// A layer and what the ZTV E-StB and ZTV SoB-StB require of it: the degree of compaction (100 %
// in the Planum zone, 98 % below), Ev2 and Ev2/Ev1 of the static plate load test, and Evd of the
// dynamic one by the usual correspondence to the required Ev2:
//   Ev2 [MN/m²]  45   80  100  120  150
//   Evd [MN/m²]  25   40   50   65   80
// Its static plate load tests give an Ev2 and Ev2/Ev1 within the ranges its soil allows.
struct Schicht
{
    const char* name;
    const Boden* boden;
    double ueberPlanum;     // m from the Erdplanum up to the layer's top
    bool lagen;             // a fill built in lifts: its density tests name the lift
    double abstand;         // m between the test points of one protocol
    int verdichtungSoll;    // %, 0 where no density test is made
    int ev2Soll;            // MN/m², 0 where no plate load test is made
    const char* ev2ev1Soll; // as the plate load page prints it
    int evdSoll;            // MN/m²
    double ev2Von, ev2Bis, verhaeltnisVon, verhaeltnisBis;
};

constexpr double kAustauschdicke = 0.40; // m of the soil replacement below the bridge's subgrade

// clang-format off
// name, soil, top, lifts, spacing, DPr, Ev2, Ev2/Ev1, Evd; the range of Ev2 and of Ev2/Ev1
const Schicht kDamm{          "Dammschüttung",        &kAushubboden,      0.00,              true,   20,  98,   0,    "",     0,   0,    0,    0.0,  0.0};
const Schicht kErdplanum{     "Erdplanum",            &kAushubboden,      0.00,              false,  20,  100,  45,   "2.5",  25,  40,   72,   2.0,  2.45};
const Schicht kAushubsohle{   "Aushubsohle",          &kTon,              -kAustauschdicke,  false,  10,  0,    45,   "2.5",  25,  18,   26,   1.6,  1.9};
const Schicht kBodenaustausch{"Bodenaustausch",       &kKiessand,         0.00,              false,  10,  100,  45,   "2.5",  25,  55,   78,   1.8,  2.1};
const Schicht kFrostschutz{   "Frostschutzschicht",   &kKiessand,         0.40,              false,  20,  0,    120,  "2.2",  65,  125,  165,  1.8,  2.1};
const Schicht kSchottertrag{  "Schottertragschicht",  &kKiessand,         0.60,              false,  20,  0,    150,  "2.2",  80,  155,  200,  1.8,  2.1};
const Schicht kFilter1{       "Filterschicht 1",      &kFiltersandBoden,  0.00,              false,  10,  0,    0,    "",     0,   0,    0,    0.0,  0.0};
const Schicht kFilter2{       "Filterschicht 2",      &kFilterkiesBoden,  0.00,              false,  10,  0,    0,    "",     0,   0,    0,    0.0,  0.0};
// clang-format on

const Schicht* SchichtNamens(const std::string& name)
{
    static const Schicht* const schichten[] = {&kDamm,           &kErdplanum,   &kAushubsohle,
                                               &kBodenaustausch, &kFrostschutz, &kSchottertrag,
                                               &kFilter1,        &kFilter2};
    for (const Schicht* schicht : schichten)
        if (name == schicht->name)
            return schicht;
    return nullptr;
}

// Areas along the chainage, each from its metre on.
struct Bereich
{
    double ab;
    const char* name;
};

const Bereich kBereiche[] = {
    {0, "Bauabschnitt 1 Nord"}, {1400, "Bauabschnitt 2 Süd"}, {1620, "Brücke BW 3"}};
constexpr double kStreckenende = 1720; // m

const char* BereichBei(double meter)
{
    const char* name = kBereiche[0].name;
    for (const Bereich& b : kBereiche)
        if (meter >= b.ab)
            name = b.name;
    return name;
}

// The stretch that a layer's tests take where no title places them: where the sample builds it.
struct Strecke
{
    const Schicht* schicht;
    double von, bis;
};

const Strecke kStrecken[] = {{&kDamm, 0, 800},
                             {&kErdplanum, 800, 1400},
                             {&kFrostschutz, 800, 1400},
                             {&kSchottertrag, 800, 1400},
                             {&kAushubsohle, 1620, 1720},
                             {&kBodenaustausch, 1620, 1720},
                             {&kFilter1, 0, 800},
                             {&kFilter2, 0, 800}};

// Station as the sibling program writes it: kilometre "+" metres with a decimal comma.
std::string Station(double meter)
{
    const long zentimeter = std::lround(meter * 100);
    return StringFormat("%ld+%03ld,%02ld", zentimeter / 100000, zentimeter / 100 % 1000,
                        zentimeter % 100);
}

double Meter(const std::string& station)
{
    int km = 0, m = 0, cm = 0;
    return std::sscanf(station.c_str(), "%d+%d,%d", &km, &m, &cm) == 3
               ? km * 1000.0 + m + cm / 100.0
               : 0.0;
}

// Cross-sections every 20 m: a test point belongs to the nearest.
int Profil(double meter)
{
    return static_cast<int>(std::lround(meter / 20));
}

// The Erdplanum rises 1.5 per mille from 111.20 m NN at km 0+000.
double Hoehe(const Schicht& schicht, double meter)
{
    return 111.20 + 0.0015 * meter + schicht.ueberPlanum;
}

// Decimal comma, as the sibling program prints heights.
std::string HoeheText(double meterNN)
{
    return Komma(meterNN, 2) + " m NN";
}

// ---- Working days ------------------------------------------------------------------------------

// Public holidays of 2026 that fall on a working day, those of single states included.
const char* const kFeiertage[] = {"20260101", "20260106", "20260403", "20260406", "20260501",
                                  "20260514", "20260525", "20260604", "20261118", "20261225"};

// A day as the headers store it, "JJJJMMTT", and back.
std::string JJJJMMTT(std::chrono::sys_days tag)
{
    const std::chrono::year_month_day datum{tag};
    return StringFormat("%04d%02u%02u", static_cast<int>(datum.year()),
                        static_cast<unsigned>(datum.month()), static_cast<unsigned>(datum.day()));
}

std::chrono::sys_days Datum(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    return year_month_day{year{std::atoi(jjjjmmtt.substr(0, 4).c_str())},
                          month{static_cast<unsigned>(std::atoi(jjjjmmtt.substr(4, 2).c_str()))},
                          day{static_cast<unsigned>(std::atoi(jjjjmmtt.substr(6, 2).c_str()))}};
}

// The working days of 2026 from the project's start, "JJJJMMTT".
const std::vector<std::string>& Arbeitstage()
{
    static const std::vector<std::string> tage = [] {
        using namespace std::chrono;
        std::vector<std::string> liste;
        for (sys_days tag = sys_days{2026y / March / 2}; tag < sys_days{2027y / January / 1};
             tag += days{1}) {
            const std::string text = JJJJMMTT(tag);
            if (weekday{tag}.iso_encoding() <= 5 &&
                std::ranges::find(kFeiertage, text) == std::end(kFeiertage))
                liste.push_back(text);
        }
        return liste;
    }();
    return tage;
}

std::string Arbeitstag(int tag)
{
    return Arbeitstage()[static_cast<size_t>(tag) % Arbeitstage().size()];
}

// The working day of a date, counted from the project's start; the next one for a day off.
int TagVon(const std::string& datum)
{
    return static_cast<int>(std::ranges::lower_bound(Arbeitstage(), datum) - Arbeitstage().begin());
}

// The dam is built in lifts of 0.30 m from its first day on, one lift in five working days.
constexpr const char* kDammbeginn = "20260316";
constexpr int kTageJeLage = 5;

int LageAm(const std::string& datum)
{
    return 1 + std::max(0, TagVon(datum) - TagVon(kDammbeginn)) / kTageJeLage;
}

// The project's protocol-number prefix.
constexpr const char* kNummernPraefix = "OL";

// The number of the protocol `nummer` of a project: running number and test code.
std::string Protokollnummer(int nummer, const std::string& kuerzel)
{
    return StringFormat("%05d%s", nummer + 1, kuerzel.c_str());
}

// A protocol number as another protocol of the project cites it, and as the report and the lists
// print it: with the prefix.
std::string Protokollverweis(const std::string& protokollnummer)
{
    return std::string(kNummernPraefix) + "-" + protokollnummer;
}

// ---- Header and measurements -------------------------------------------------------------------

// Where and when a protocol's test stands: a layer at a station and position on a working day.
// Sheets that describe other protocols have no place of their own.
struct Ort
{
    const Schicht* schicht = nullptr;
    double station = 0; // m
    const char* lage = "";
    std::string datum;
};

// Where a test of the given type stands when no plan places it: on its layer's stretch, leaving
// room for ten test points.
Ort StandardOrt(int pruefart, int nummer, const Schicht* schicht)
{
    Ort ort;
    ort.datum = Arbeitstag(nummer * 3);
    if (schicht == nullptr)
        return ort;
    const Strecke& strecke = *std::ranges::find(kStrecken, schicht, &Strecke::schicht);
    const double raum = std::max(strecke.bis - strecke.von - 9 * schicht->abstand, 10.0);
    ort.schicht = schicht;
    ort.station = strecke.von + Gerundet(std::fmod(nummer * 37.13, raum), 2);
    ort.lage = Auswahl(kLagen, nummer + pruefart, 3);
    return ort;
}

void SetzeBoden(CProtokoll& protokoll, const Boden& boden)
{
    protokoll.SetzeFeld(1, 4, boden.gruppe);
    protokoll.SetzeFeld(1, 5, boden.herkunft);
    protokoll.SetzeFeld(1, 6, boden.zustand);
}

// Group 1 of the general data text, the protocol's header record: area, station, layer,
// position and soil from the place; the hours for tests on site.
void SetzeKopfsatz(CProtokoll& protokoll, int nummer, const std::string& protokollnummer,
                   const Ort& ort, bool imFeld)
{
    if (ort.schicht) {
        protokoll.SetzeFeld(1, 0, BereichBei(ort.station));
        protokoll.SetzeFeld(1, 1, Station(ort.station));
        protokoll.SetzeFeld(1, 2, ort.schicht->name);
        protokoll.SetzeFeld(1, 3, ort.lage);
        SetzeBoden(protokoll, *ort.schicht->boden);
    }
    const std::string felder[] = {
        protokollnummer,
        ort.datum,
        imFeld ? StringFormat("%02d:%02d", 7 + nummer % 4, nummer * 15 % 60) : "",
        imFeld ? StringFormat("%02d:%02d", 11 + nummer % 4, nummer * 15 % 60) : "",
        Auswahl(kPruefer, nummer, 7),
        Auswahl(kPruefer, nummer, 8),
    };
    for (int feld = 0; feld < static_cast<int>(std::size(felder)); ++feld)
        protokoll.SetzeFeld(1, 8 + feld, felder[feld]);
}

// The layer the header names.
const Schicht& SchichtDes(const CProtokoll& protokoll)
{
    const Schicht* schicht = SchichtNamens(protokoll.HoleFeld(1, 2));
    return schicht ? *schicht : kDamm;
}

// The data text of a measurement: "[KEY|value]" for each value that the lists show.
std::string Messdaten(const std::vector<std::pair<std::string, std::string>>& werte)
{
    std::string daten;
    for (const auto& [schluessel, wert] : werte)
        daten += "[" + schluessel + "|" + wert + "]";
    return daten;
}

// The key data of the details pane: names and values in turn, joined by "_", which neither may
// hold.
void SetzeEckdaten(CProtokoll& protokoll,
                   const std::vector<std::pair<std::string, std::string>>& eckdaten)
{
    std::string block;
    for (const auto& [name, wert] : eckdaten)
        block += (block.empty() ? "" : "_") + name + "_" + wert;
    protokoll.SetzeSpeziellGruppe(6, block);
}

// A measurement at the protocol's test point `i` with the given data text. The first point is the
// place the header names; the others follow along the header's layer at its spacing of test
// points, each at another position. The header must be set first; a protocol without a place
// has measurements without one.
MESSUNG NeueMessung(const CProtokoll& protokoll, int i, std::string daten)
{
    MESSUNG messung;
    messung.lfdNr = std::to_string(i + 1);
    messung.lfdNrWert = i + 1;
    messung.daten = std::move(daten);
    const std::string station = protokoll.HoleFeld(1, 1);
    if (station.empty())
        return messung;
    const std::string lage = protokoll.HoleFeld(1, 3);
    const size_t erste = std::ranges::find(kLagen, lage) - kLagen.begin();
    messung.station =
        i == 0 ? station : Station(Meter(station) + i * SchichtDes(protokoll).abstand);
    messung.schicht = protokoll.HoleFeld(1, 2);
    messung.lage = i == 0 ? lage : kLagen[(erste + i) % kLagen.size()];
    return messung;
}

// Measurements without values of their own: the lists take the protocol's results, which its
// report prints, or show none.
void FuegeMessungenHinzu(CProtokoll& protokoll, int, int anzahl)
{
    for (int i = 0; i < anzahl; ++i)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, i, ""));
}

// The protocol has no setter of its sub-type number: it is set on the written XML and read back.
void SetzeUnterart(CProtokoll& protokoll, int unterart)
{
    CMarkup xml;
    xml.SetzeDokument(protokoll.SchreibeXML());
    xml.FindeElement("protokoll");
    xml.SetzeAttributZahl("pruefart_VER", unterart);
    protokoll.LeseXML(xml.HoleDokument());
}

// ---- Table data in group 4 of the special data text --------------------------------------------

// The texts joined by the separator.
std::string Verbunden(const std::vector<std::string>& texte, const std::string& trenner)
{
    std::string verbunden;
    for (size_t i = 0; i < texte.size(); ++i)
        verbunden += (i ? trenner : "") + texte[i];
    return verbunden;
}

// Values of one field, one "@" sub-value per sample or partial test.
std::string Unterwerte(const std::vector<std::string>& werte)
{
    return Verbunden(werte, "@");
}

// The fields of a group.
std::string Felder(const std::vector<std::string>& felder)
{
    return Verbunden(felder, "|");
}

// The parts of a text at the separator; an empty text has one empty part.
std::vector<std::string> Teile(const std::string& text, char trenner)
{
    std::vector<std::string> teile;
    for (int i = 0; i < StringZaehleFelderZeichen(text, trenner); ++i)
        teile.push_back(StringHoleFeld(text, trenner, i));
    return teile;
}

std::string Zahlen(const std::vector<double>& werte, int stellen)
{
    std::vector<std::string> texte;
    for (double w : werte)
        texte.push_back(Text(w, stellen));
    return Unterwerte(texte);
}

// Tick values from the multiple of `schritt` below `von` to the one above `bis`.
std::string Striche(double von, double bis, double schritt, int stellen)
{
    std::vector<double> werte;
    for (double w = std::floor(von / schritt) * schritt; w < bis + schritt * 0.999; w += schritt)
        werte.push_back(w);
    return Zahlen(werte, stellen);
}

// ---- Proctor test: five compaction points around a clear optimum ------------------------------

// The sample's Proctor tests are standard Proctor tests after DIN 18127 in the laboratory's one
// 100 mm cylinder (2.5 kg rammer, 300 mm drop, three layers of 25 blows) on the silty sand of the
// cut, of which what passes 20 mm is tested.
constexpr double kProctorVolumen = 942.5; // cm³ of the 100 mm by 120 mm cylinder, as printed
constexpr double kProctorZylinder = 4228; // g
constexpr double kProctorKorndichte = 2.65;

// A Proctor test as its page prints it: the points from the printed masses, the optimum where the
// drawn curve peaks, and the water contents, densities and pores at 100, 98, 97 and 95 %.
struct Proctorversuch
{
    std::vector<double> tara, taraTrocken, taraFeucht, w, feuchtMitZylinder, trockenMitZylinder,
        dichteFeucht, dichteTrocken;
    double dichte = 0, wOpt = 0;
    // Water contents: the optimum, then dry and wet side per degree below 100 %.
    std::vector<double> wasserJeGrad, dichteJeGrad, poren, luftporen;
};

// Water content where the drawn curve, followed from its peak one sample at a time in direction
// `schritt`, falls to `dichte`; not a number when it ends first.
double WasserBeiDichte(const std::vector<double>& x, const std::vector<double>& y, int gipfel,
                       int letzte, int schritt, double dichte)
{
    for (int j = gipfel; j + schritt >= 0 && j + schritt <= letzte; j += schritt) {
        const int k = j + schritt;
        if (y[k] <= dichte)
            return x[j] + (x[k] - x[j]) * (y[j] - dichte) / (y[j] - y[k]);
    }
    return std::nan("");
}

// One compaction point: the wet mass in the cylinder weighed to 0.1 g and the dry mass from it.
// The dry density follows from the dry mass and, on the sheet, from the wet density and the
// water content; where the two would print differently the wet mass is read again 0.1 g higher,
// so that both give the one printed value.
void Verdichte(Proctorversuch& v, double w, double rho)
{
    double feucht = Gerundet(kProctorZylinder + rho * (1 + w) * kProctorVolumen, 1);
    double trocken = 0, dichteFeucht = 0, dichteTrocken = 0;
    for (int versuch = 0; versuch < 20; ++versuch, feucht = Gerundet(feucht + 0.1, 1)) {
        trocken = Gerundet(kProctorZylinder + (feucht - kProctorZylinder) / (1 + w), 1);
        dichteFeucht = Gerundet((feucht - kProctorZylinder) / kProctorVolumen, 3);
        dichteTrocken = Gerundet((trocken - kProctorZylinder) / kProctorVolumen, 3);
        if (Gerundet(dichteFeucht / (1 + w), 3) == dichteTrocken)
            break;
    }
    v.feuchtMitZylinder.push_back(feucht);
    v.trockenMitZylinder.push_back(trocken);
    v.dichteFeucht.push_back(dichteFeucht);
    v.dichteTrocken.push_back(dichteTrocken);
}

Proctorversuch Proctor(int nummer)
{
    constexpr int kPunkte = 5;
    const double wZiel = 0.088 + 0.024 * Streuwert(nummer, 0, 42);
    const double dichteZiel = 1.89 + 0.06 * Streuwert(nummer, 0, 43);
    // Dry density falls off as a parabola on both sides of the optimum; the outer points lie
    // below 95 % so that the curve reaches every degree of the table.
    constexpr double kKruemmung = 60.0;
    Proctorversuch v;
    for (int i = 0; i < kPunkte; ++i) {
        const double wi = wZiel + 0.022 * (i - 2) + 0.003 * (Streuwert(nummer, i, 44) - 0.5);
        const double rho = dichteZiel - kKruemmung * (wi - wZiel) * (wi - wZiel) +
                           0.004 * (Streuwert(nummer, i, 45) - 0.5);
        const double mt = Gerundet(245 + 10 * Streuwert(nummer, i, 46), 1);
        const double md = Gerundet(480 + 40 * Streuwert(nummer, i, 47), 1);
        const double mf = Gerundet(mt + md * (1 + wi), 1);
        const double w = Gerundet((mf - (mt + md)) / md, 3);
        v.tara.push_back(mt);
        v.taraTrocken.push_back(mt + md);
        v.taraFeucht.push_back(mf);
        v.w.push_back(w);
        Verdichte(v, w, rho);
    }

    // The optimum is read off the curve the diagram draws through the points.
    std::vector<double> x = v.w, y = v.dichteTrocken, kurveX, kurveY;
    x.push_back(0);
    y.push_back(0);
    constexpr int kProben = 320;
    if (!SplineProctorKurve(x, y, 0, kPunkte, kProben, 6, kurveX, kurveY))
        return v;
    const int letzte = kProben - 1; // the last sample has no density
    const int gipfel = static_cast<int>(
        std::max_element(kurveY.begin(), kurveY.begin() + letzte + 1) - kurveY.begin());
    v.dichte = Gerundet(kurveY[gipfel], 3);
    v.wOpt = Gerundet(kurveX[gipfel], 3);
    v.wasserJeGrad = {v.wOpt};
    for (double grad : {1.00, 0.98, 0.97, 0.95}) {
        const double dichte = Gerundet(grad * v.dichte, 3);
        v.dichteJeGrad.push_back(dichte);
        v.poren.push_back(Gerundet(1 - dichte / kProctorKorndichte, 3));
        if (grad < 1)
            for (int schritt : {-1, 1})
                v.wasserJeGrad.push_back(
                    Gerundet(WasserBeiDichte(kurveX, kurveY, gipfel, letzte, schritt, dichte), 3));
    }
    for (size_t j = 0; j < v.wasserJeGrad.size(); ++j) {
        const double dichte = v.dichteJeGrad[(j + 1) / 2];
        v.luftporen.push_back(
            Gerundet(1 - dichte / kProctorKorndichte - v.wasserJeGrad[j] * dichte, 3));
    }
    return v;
}

// The reference Proctor test of the density, water content and binder protocols: the second
// protocol of every project the builder makes, in the sample also the second by date.
constexpr int kBezugsproctorNummer = 1;

std::string BezugsproctorVerweis()
{
    return Protokollverweis(Protokollnummer(kBezugsproctorNummer, "PV"));
}

const Proctorversuch& Bezugsproctor()
{
    static const Proctorversuch proctor = Proctor(kBezugsproctorNummer);
    return proctor;
}

void FuelleProctor(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Proctorversuch v = Proctor(nummer);
    const std::vector<double> zylinder(v.w.size(), kProctorZylinder), hoehe(v.w.size(), 120.0),
        volumen(v.w.size(), kProctorVolumen);
    protokoll.SetzeSpeziellGruppe(4, Felder({Zahlen(v.tara, 1),
                                             Zahlen(v.taraTrocken, 1),
                                             Zahlen(v.taraFeucht, 1),
                                             Zahlen(v.w, 3),
                                             Zahlen(zylinder, 0),
                                             Zahlen(hoehe, 1),
                                             Zahlen(volumen, 1),
                                             Zahlen(v.feuchtMitZylinder, 1),
                                             Zahlen(v.trockenMitZylinder, 1),
                                             Zahlen(v.dichteFeucht, 3),
                                             Zahlen(v.dichteTrocken, 3),
                                             "0.000",
                                             "",
                                             "",
                                             Zahlen(v.w, 3),
                                             Zahlen(v.dichteTrocken, 3),
                                             Text(kProctorKorndichte, 2),
                                             "",
                                             "",
                                             Zahlen(v.wasserJeGrad, 3),
                                             Zahlen(v.dichteJeGrad, 3),
                                             Zahlen(v.poren, 3),
                                             Zahlen(v.luftporen, 3),
                                             "",
                                             "",
                                             "Proctortopf 100 mm",
                                             "100",
                                             "120",
                                             Text(kProctorVolumen, 1),
                                             Text(kProctorZylinder, 0),
                                             "300",
                                             "2500",
                                             "3",
                                             "25",
                                             "20",
                                             "0"}));
    SetzeEckdaten(protokoll, {{"Proctordichte", Text(v.dichte, 3) + " g/cm³"},
                              {"optimaler Wassergehalt", Text(v.wOpt, 3)}});

    // Chart: ticks around the points, the points, the optimum marked again, and the saturation
    // line (no air pores) as the second curve.
    const double wMin = v.w.front() - 0.02, wMax = v.w.back() + 0.02;
    const double dichteMin = *std::min_element(v.dichteTrocken.begin(), v.dichteTrocken.end());
    std::vector<double> wSaettigung, dichteSaettigung;
    for (int i = 0; i <= 4; ++i) {
        const double wi = wMin + (wMax - wMin) * i / 4;
        wSaettigung.push_back(wi);
        dichteSaettigung.push_back(kProctorKorndichte / (1 + wi * kProctorKorndichte));
    }
    protokoll.SetzeSpeziellGruppe(
        5,
        Felder({Striche(wMin, wMax, 0.02, 2), Striche(dichteMin - 0.03, v.dichte + 0.03, 0.05, 2),
                Zahlen(v.w, 3), Zahlen(v.dichteTrocken, 3), Text(v.wOpt, 3), Text(v.dichte, 3),
                Zahlen(wSaettigung, 3), Zahlen(dichteSaettigung, 3)}));
}

// ---- Water content and grain density -----------------------------------------------------------

// Three partial samples of one place and depth, taken to average out the scatter of a single
// dish; the protocol's one measurement stands at that place and carries the mean. The silty sand
// comes to the dam on the dry side of its Proctor optimum.
void FuelleWassergehalt(CProtokoll& protokoll, int nummer, int messungen)
{
    constexpr int kProben = 3;
    const double wBoden = Bezugsproctor().wOpt - 0.025 + 0.02 * Streuwert(nummer, 0, 23);
    const std::string stelle = protokoll.HoleFeld(1, 1) + "#CRLF#" + protokoll.HoleFeld(1, 3);
    const std::string tiefe = Text(0.1 + 0.1 * std::floor(3 * Streuwert(nummer, 0, 24)), 1);
    std::vector<std::string> probe, entnahme, tiefen, tara, feucht, trocken, wasser;
    double summe = 0;
    for (int s = 0; s < kProben; ++s) {
        const double mt = Gerundet(38.0 + 12.0 * Streuwert(nummer, s, 21), 2);
        const double md = Gerundet(180.0 + 120.0 * Streuwert(nummer, s, 22), 2);
        const double mf = Gerundet(md * (1 + wBoden + 0.004 * (Streuwert(nummer, s, 25) - 0.5)), 2);
        const double w = Gerundet((mf - md) / md, 3);
        summe += w;
        probe.push_back(StringFormat("Teilprobe %d", s + 1));
        entnahme.push_back(stelle);
        tiefen.push_back(tiefe);
        tara.push_back(Text(mt, 2));
        feucht.push_back(Text(mt + mf, 2));
        trocken.push_back(Text(mt + md, 2));
        wasser.push_back(Text(w, 3));
    }
    const std::string mittel = Text(summe / kProben, 3);
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Unterwerte(probe), Unterwerte(entnahme), Unterwerte(tiefen), Unterwerte(tara),
                   Unterwerte(feucht), Unterwerte(trocken), "Probe", "Entnahmestelle", "Tiefe [m]",
                   Unterwerte(wasser), mittel}));
    SetzeEckdaten(protokoll, {{"Wassergehalt", mittel}});
    if (messungen > 0)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, 0, Messdaten({{"WNAT", mittel}})));
}

// A pycnometer test of three partial samples of the clay, within 0.02 g/cm³ of each other.
struct Korndichteversuch
{
    std::vector<std::string> kolben, m1, volumen, temperatur, dichteWasser, m2, m3, rohdichte;
    double mittel = 0;
};

Korndichteversuch Korndichte(int nummer)
{
    constexpr int kTeilversuche = 3;
    Korndichteversuch v;
    const double korndichte = 2.66 + 0.04 * Streuwert(nummer, 0, 36);
    double summe = 0;
    for (int j = 0; j < kTeilversuche; ++j) {
        const double masseKolben = Gerundet(92.0 + 8.0 * Streuwert(nummer, j, 31), 3);
        const double v0 = Gerundet(249.9 + 0.4 * Streuwert(nummer, j, 32), 2);
        const double t = Gerundet(19.5 + 1.5 * Streuwert(nummer, j, 33), 1);
        // Density of water near 20 °C, enough for a sample.
        const double rhoW = Gerundet(0.99820 - 0.00021 * (t - 20.0), 4);
        const double probe = 48.0 + 8.0 * Streuwert(nummer, j, 34);
        const double rho = korndichte + 0.02 * (Streuwert(nummer, j, 35) - 0.5);
        const double mitProbe = Gerundet(masseKolben + probe, 3);
        const double mitWasser = Gerundet(mitProbe + (v0 - probe / rho) * rhoW, 3);
        // The sample's volume is the flask's less the water that fills the rest.
        const double gemessen =
            Gerundet((mitProbe - masseKolben) / (v0 - (mitWasser - mitProbe) / rhoW), 3);
        summe += gemessen;
        v.kolben.push_back(StringFormat("P%02d", 3 + j * 4));
        v.m1.push_back(Text(masseKolben, 3));
        v.volumen.push_back(Text(v0, 2));
        v.temperatur.push_back(Text(t, 1));
        v.dichteWasser.push_back(Text(rhoW, 4));
        v.m2.push_back(Text(mitProbe, 3));
        v.m3.push_back(Text(mitWasser, 3));
        v.rohdichte.push_back(Text(gemessen, 3));
    }
    v.mittel = Gerundet(summe / kTeilversuche, 3);
    return v;
}

// The grain density the laboratory measured of the clay, which its other tests use: the ninth
// protocol of every project the builder makes.
constexpr int kKorndichteNummer = 8;

double GemesseneKorndichte()
{
    static const double mittel = Korndichte(kKorndichteNummer).mittel;
    return mittel;
}

void FuelleKorndichte(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Korndichteversuch v = Korndichte(nummer);
    const std::string mittel = Text(v.mittel, 3);
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Unterwerte(v.kolben), Unterwerte(v.m1), Unterwerte(v.volumen),
                   Unterwerte(v.temperatur), Unterwerte(v.dichteWasser), Unterwerte(v.m2),
                   Unterwerte(v.m3), Unterwerte(v.rohdichte), "", mittel}));
    SetzeEckdaten(protokoll, {{"Rohdichte", mittel + " g/cm³"}});
}

// ---- Grain-size distribution: sieve analyses of the sample's soils and filter materials --------

// Size in mm and passing in %.
using Kornpunkt = std::pair<double, double>;

// The limits a grading range sets at one sieve, as the report prints them.
struct Grenzwerte
{
    double weite;
    const char* min;
    const char* max;
};

struct Sieblinienbereich
{
    const char* name;
    const char* von; // mm
    const char* bis;
    std::vector<Grenzwerte> grenzen;
};

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
                                                   {63, "100", "100"}}};

// A soil or filter material of the sample. Its sieves run from the finest up to the first one that
// everything passes, with the passing its weighed residues are made from. Where the fines matter
// a sedimentation carries the curve below the sieves, largest size first as the chart stores it.
struct Kornmaterial
{
    std::vector<Kornpunkt> siebe;
    std::vector<Kornpunkt> schlaemmung;
    double einwaage; // g
    double verlust;  // g the residues fall short of the sample
    const char* arbeitsweise;
    const Sieblinienbereich* bereich; // none where no grading range applies
    const Schicht* schicht;           // where the sample is taken
};

enum Kornprobe
{
    kSandkies,     // sandy gravel 0/32 of the frost protection layer, today's sample
    kAushubsand,   // silty sand of the cut, the soil a drain's filters hold back
    kFiltersand,   // the drain's first filter
    kFilterkies,   // its second filter around the pipe
    kSandkiesFein, // the finest and the coarsest sample of the frost protection layer
    kSandkiesGrob,
    kKornproben
};

// clang-format off
const std::array<Kornmaterial, kKornproben>& Kornmaterialien()
{
    static const std::array<Kornmaterial, kKornproben> materialien = {{
        {{{0.063, 3.8}, {0.125, 10.0}, {0.25, 16.5}, {0.5, 23.0}, {1, 30.5}, {2, 40.0}, {4, 52.0},
          {8, 65.5}, {16, 81.0}, {31.5, 96.0}, {63, 100.0}},
         {{0.06, 3.7}, {0.03, 3.1}, {0.02, 2.7}, {0.01, 2.1}, {0.006, 1.6}, {0.002, 1.0}},
         5124.6, 6.3, "Nasssiebung mit Sedimentation", &kFrostschutzschicht032, &kFrostschutz},
        {{{0.063, 11.5}, {0.125, 21.0}, {0.25, 39.0}, {0.5, 57.0}, {1, 69.0}, {2, 77.5}, {4, 84.0},
          {8, 90.0}, {16, 94.5}, {31.5, 100.0}},
         {{0.06, 11.2}, {0.03, 8.9}, {0.02, 7.6}, {0.01, 5.8}, {0.006, 4.6}, {0.002, 2.9}},
         2612.4, 2.8, "Nasssiebung mit Sedimentation", nullptr, &kDamm},
        {{{0.063, 0.6}, {0.125, 1.4}, {0.25, 3.9}, {0.5, 14.2}, {1, 41.5}, {2, 74.8}, {4, 97.1},
          {8, 100.0}},
         {}, 1528.7, 1.2, "Trockensiebung", nullptr, &kFilter1},
        {{{0.063, 0.3}, {0.125, 0.4}, {0.25, 0.6}, {0.5, 0.9}, {1, 1.5}, {2, 4.6}, {4, 33.8},
          {8, 91.2}, {16, 100.0}},
         {}, 2486.2, 1.9, "Trockensiebung", nullptr, &kFilter2},
        {{{0.063, 4.6}, {0.125, 7.5}, {0.25, 13.0}, {0.5, 22.5}, {1, 38.0}, {2, 57.0}, {4, 67.5},
          {8, 77.0}, {16, 88.0}, {31.5, 97.5}, {63, 100.0}},
         {{0.06, 4.5}, {0.03, 3.7}, {0.02, 3.2}, {0.01, 2.5}, {0.006, 2.0}, {0.002, 1.2}},
         4871.3, 5.1, "Nasssiebung mit Sedimentation", &kFrostschutzschicht032, &kFrostschutz},
        {{{0.063, 2.1}, {0.125, 3.5}, {0.25, 6.2}, {0.5, 10.4}, {1, 15.8}, {2, 22.6}, {4, 33.1},
          {8, 49.4}, {16, 70.2}, {31.5, 92.3}, {63, 100.0}},
         {}, 5386.9, 4.4, "Nasssiebung", &kFrostschutzschicht032, &kFrostschutz},
    }};
    return materialien;
}
// clang-format on

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

double Log(double weite)
{
    return std::log10(weite);
}

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
// rule of `KornBei`. A value the curve does not reach (the clay without a sedimentation) is not
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
        {8, "Bodengruppe"},   {9, "Frostempfindlichkeit"},
        {7, "Größtkorn"},     {6, "Ungleichförmigkeitszahl"},
        {1, "Krümmungszahl"}, {4, "Kiesanteil"},
        {3, "Sandanteil"}};
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

// The header names the sample's place, and the group its analysis gives is that of the layer's
// soil.
void FuelleKornprobe(CProtokoll& protokoll, int nummer, int messungen, const Kornmaterial& material)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Siebtabelle tabelle = Siebanalyse(material);
    std::vector<std::string> feinWeite, feinDurchgang;
    for (const auto& [w, d] : material.schlaemmung) {
        feinWeite.push_back(StringFormat("%g", w));
        feinDurchgang.push_back(Text(d, 1));
    }
    // The curve the page shows: the sedimentation below the finest sieve, then the sieves.
    std::vector<Kornpunkt> kurve;
    for (const Kornpunkt& p : LeseKornkurve(feinWeite, feinDurchgang))
        if (p.first < material.siebe.front().first)
            kurve.insert(kurve.begin(), p);
    const std::vector<Kornpunkt> siebkurve = LeseKornkurve(tabelle.weite, tabelle.summe);
    kurve.insert(kurve.end(), siebkurve.begin(), siebkurve.end());

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
    const std::vector<Kennwert> kennwerte = Kornkennwerte(kurve);
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
                                             KennwertFeld(kennwerte, &Kennwert::name),
                                             KennwertFeld(kennwerte, &Kennwert::symbol),
                                             KennwertFeld(kennwerte, &Kennwert::einheit),
                                             KennwertFeld(kennwerte, &Kennwert::wert),
                                             "",
                                             bereich.name,
                                             bereich.von,
                                             bereich.bis}));
    // The sieve set; the lists show its largest sieve, the first that everything passes, as the
    // largest grain.
    protokoll.SetzeSpeziellGruppe(2, "@" + Unterwerte(tabelle.weite));
    SetzeEckdaten(protokoll, KornEckdaten(kennwerte));

    // Chart: the class band, the sieve curve, the grading range as triangle marks above (upper
    // limit) and below (lower limit), and the sedimentation curve.
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"0.001@0.002@0.006@0.02@0.06@0.2@0.6@2@6.3@20@63@200",
                   "0@10@20@30@40@50@60@70@80@90@100", Unterwerte(tabelle.weite),
                   Unterwerte(tabelle.summe), Unterwerte(grenzeOben), Unterwerte(durchgangOben),
                   Unterwerte(grenzeUnten), Unterwerte(durchgangUnten), "1", "",
                   Unterwerte(feinWeite), "", Unterwerte(feinDurchgang)}));
}

// A grain-size protocol of the test-type table: today's sample of the frost protection layer.
void FuelleKornverteilung(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleKornprobe(protokoll, nummer, messungen, Kornmaterialien()[kSandkies]);
}

// ---- Atterberg limits: a medium-plastic clay of stiff consistency -----------------------------

// Tare, tare plus moist and tare plus dry mass of one water-content sample as printed, and the
// water content from them.
struct Wasserprobe
{
    double tara, feucht, trocken, w;
};

Wasserprobe BildeWasserprobe(double tara, double trockenmasse, double w)
{
    const double t = Gerundet(tara, 2);
    const double trocken = Gerundet(t + trockenmasse, 2);
    const double feucht = Gerundet(t + trockenmasse * (1 + w), 2);
    return {t, feucht, trocken, Gerundet((feucht - trocken) / (trocken - t), 3)};
}

// Soil group of a fine-grained soil after DIN 18196 from its place in the plasticity chart:
// clays above the A-line Ip = 0.73 (wl - 0.20) from Ip 0.07, silts below it or under Ip 0.04, the
// band between them mixed; light, medium and highly plastic below wl 0.35, up to 0.50 and above.
std::string Bodengruppe(double wl, double ip)
{
    const bool ueberALinie = ip >= 0.73 * (wl - 0.20);
    if (ueberALinie && ip >= 0.04 && ip < 0.07)
        return "TL-UL";
    const char* stufe = wl < 0.35 ? "L" : wl <= 0.50 ? "M" : "A";
    return (ueberALinie && ip >= 0.07 ? "T" : "U") + std::string(stufe);
}

// A medium-plastic clay (TM: wl 0.40 to 0.46 above the A-line) in the stiff state the headers
// name.
constexpr double kKonsistenz = 0.87;

void FuelleZustandsgrenzen(CProtokoll& protokoll, int nummer, int messungen)
{
    const double wlSoll = 0.40 + 0.06 * Streuwert(nummer, 0, 51);
    const double wpSoll = 0.19 + 0.03 * Streuwert(nummer, 0, 52);
    constexpr double kFliessindex = 0.11; // fall of w per decade of blows

    // Liquid limit: four tests from wet to dry, fitted to a straight line over log10 N.
    const double schlaege[] = {15, 21, 28, 37};
    std::vector<Wasserprobe> fliess;
    std::vector<double> n;
    for (size_t i = 0; i < std::size(schlaege); ++i) {
        const double ni = schlaege[i] + std::round(3 * Streuwert(nummer, int(i), 53) - 1);
        const double w = wlSoll - kFliessindex * std::log10(ni / 25) +
                         0.004 * (Streuwert(nummer, int(i), 54) - 0.5);
        fliess.push_back(BildeWasserprobe(36 + 8 * Streuwert(nummer, int(i), 55),
                                          28 + 8 * Streuwert(nummer, int(i), 56), w));
        n.push_back(ni);
    }
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < n.size(); ++i) {
        const double x = std::log10(n[i]);
        sx += x;
        sy += fliess[i].w;
        sxx += x * x;
        sxy += x * fliess[i].w;
    }
    const double k = n.size();
    const double steigung = (k * sxy - sx * sy) / (k * sxx - sx * sx);
    const double achse = (sy - steigung * sx) / k;
    const auto FliessW = [&](double schlagzahl) {
        return achse + steigung * std::log10(schlagzahl);
    };
    const double wl = Gerundet(FliessW(25), 3);

    // Oversize above 0.4 mm: a little gravelly sand that holds less water. The consistency is
    // that of the fines, whose water content the oversize would understate.
    const double md = Gerundet(450 + 50 * Streuwert(nummer, 0, 63), 1);
    const double mUeber = Gerundet(md * (0.08 + 0.06 * Streuwert(nummer, 0, 64)), 1);
    const double wUeber = 0.04;
    const double ue = Gerundet(mUeber / md, 3);

    // Plastic limit: three rolling tests; natural water content: three samples of the clay's
    // stiff state, its fines near Ic 0.87.
    const double wFeinZiel = wlSoll - kKonsistenz * (wlSoll - wpSoll);
    std::vector<Wasserprobe> ausroll, natuerlich;
    for (int i = 0; i < 3; ++i) {
        ausroll.push_back(BildeWasserprobe(14 + 3 * Streuwert(nummer, i, 57),
                                           5 + 2 * Streuwert(nummer, i, 58),
                                           wpSoll + 0.006 * (Streuwert(nummer, i, 59) - 0.5)));
        natuerlich.push_back(BildeWasserprobe(
            38 + 6 * Streuwert(nummer, i, 60), 60 + 20 * Streuwert(nummer, i, 61),
            wFeinZiel * (1 - ue) + ue * wUeber + 0.006 * (Streuwert(nummer, i, 62) - 0.5)));
    }
    const double wp = Mittel(ausroll, &Wasserprobe::w);
    const double ip = Gerundet(wl - wp, 3);
    const double wnat = Mittel(natuerlich, &Wasserprobe::w);
    const double wFein = Gerundet((wnat - ue * wUeber) / (1 - ue), 3);
    const double ic = Gerundet((wl - wFein) / ip, 2);
    const std::string gruppe = Bodengruppe(wl, ip);
    FuegeMessungenHinzu(protokoll, nummer, messungen);

    std::vector<std::string> tara(15), feucht(15), trocken(15), w(15), n7;
    const auto Setze = [&](size_t stelle, const Wasserprobe& p) {
        tara[stelle] = Text(p.tara, 2);
        feucht[stelle] = Text(p.feucht, 2);
        trocken[stelle] = Text(p.trocken, 2);
        w[stelle] = Text(p.w, 3);
    };
    for (size_t i = 0; i < fliess.size(); ++i) {
        Setze(i, fliess[i]);
        n7.push_back(Text(n[i], 0));
    }
    for (size_t i = 0; i < 3; ++i) {
        Setze(7 + i, natuerlich[i]);
        Setze(10 + i, ausroll[i]);
    }
    const std::string Wnat = Text(wnat, 3);
    protokoll.SetzeSpeziellGruppe(4, Felder({Unterwerte(tara),
                                             Unterwerte(feucht),
                                             Unterwerte(trocken),
                                             Unterwerte(w),
                                             Unterwerte(n7),
                                             Wnat,
                                             "",
                                             Wnat,
                                             Text(wl, 3),
                                             Text(wp, 3),
                                             Text(ip, 3),
                                             Text(ic, 2),
                                             Text(1 - ic, 2),
                                             "",
                                             "",
                                             Text(md, 1),
                                             Text(mUeber, 1),
                                             Text(wUeber, 3),
                                             Text(ue, 3),
                                             Text(wFein, 3)}));
    SetzeEckdaten(protokoll, {{"Fließgrenze", Text(wl, 3)},
                              {"Ausrollgrenze", Text(wp, 3)},
                              {"Plastizitätszahl", Text(ip, 3)},
                              {"Konsistenzzahl", Text(ic, 2)},
                              {"Bodengruppe", gruppe}});

    std::vector<double> wPunkte;
    for (const Wasserprobe& p : fliess)
        wPunkte.push_back(p.w);
    const auto [wMin, wMax] = std::minmax_element(wPunkte.begin(), wPunkte.end());
    protokoll.SetzeSpeziellGruppe(
        5,
        Felder({"10@15@20@25@30@40@50", Striche(*wMin - 0.01, *wMax + 0.01, 0.02, 2), Zahlen(n, 0),
                Zahlen(wPunkte, 3), StringFormat("10@%.3f@50@%.3f", FliessW(10), FliessW(50)),
                Text(wl, 3), "", "0@10@20@30@40@50@60@70", Text(wp, 3), Text(wl, 3), Text(ip, 3),
                "", "2.00@1.75@1.50@1.25@1.00@0.75@0.50@0.25@0.00@-0.25@-0.50", Text(ic, 2), "",
                Text(wl, 3), Text(ip, 3)}));
}

// ---- Dynamic probing: heavy probe from the excavation's base through clay, sand and gravel -----

struct Sondierschicht
{
    double bisTiefe; // m below the starting point
    double schlaegeMin, schlaegeSpanne;
    const char* bemerkung;
};

// The stiff clay of the base goes on for 1.4 m; the sand below carries the ground water.
const Sondierschicht kSondierSchichten[] = {
    {1.4, 3, 3, "Ton, steif"},
    {3.9, 8, 7, "Sand, mitteldicht"},
    {5.2, 18, 16, "Kies, dicht"},
};

void FuelleRammsondierung(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    std::vector<std::string> schlaege, bemerkungen, tiefen{"0.0"};
    const int werte = static_cast<int>(std::lround(std::rbegin(kSondierSchichten)->bisTiefe * 10));
    int schicht = -1;
    for (int i = 0; i < werte; ++i) {
        const double tiefe = (i + 1) / 10.0;
        const int neu = static_cast<int>(
            std::find_if(std::begin(kSondierSchichten), std::end(kSondierSchichten),
                         [&](const Sondierschicht& s) { return tiefe <= s.bisTiefe + 1e-9; }) -
            std::begin(kSondierSchichten));
        const Sondierschicht& s = kSondierSchichten[neu];
        const double n = s.schlaegeMin + s.schlaegeSpanne * Streuwert(nummer, i, 31);
        schlaege.push_back(Text(n, 0));
        // The remark stands on the first row of each layer.
        bemerkungen.push_back(neu != schicht ? s.bemerkung : "");
        schicht = neu;
        tiefen.push_back(Text(tiefe, 1));
    }
    bemerkungen.back() = "Abbruch";
    // The rods turned freely down to the last metre begun.
    std::vector<std::string> drehbar((werte + 9) / 10, "ja");
    drehbar.back() = "nein";
    const Schicht& sohle = SchichtDes(protokoll);
    std::vector<std::string> felder{Unterwerte(schlaege),
                                    Unterwerte(bemerkungen),
                                    Unterwerte(drehbar),
                                    "DPH",
                                    "15",
                                    "43.7",
                                    "50",
                                    "167",
                                    sohle.name + (", " + protokoll.HoleFeld(1, 3)),
                                    Text(Hoehe(sohle, Meter(protokoll.HoleFeld(1, 1))), 2),
                                    "1.60",
                                    "0.00",
                                    "",
                                    ""};
    felder.resize(36);
    felder.push_back("1"); // title after DIN EN ISO 22476-2
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"0@5@10@15@20@25@30@35", Unterwerte(tiefen), Unterwerte(schlaege), ""}));
    SetzeEckdaten(protokoll, {{"Sondiergerät", felder[3]},
                              {"Sondiertiefe", tiefen.back() + " m"},
                              {"Wasseranschnitt", felder[10] + " m"}});
}

// ---- Field density and nuclear gauge: up to five test points side by side -----------------------

// The reference Proctor test and the soil of a density protocol, as printed.
struct Dichtebezug
{
    double proctordichte;
    double wOpt;
    double korndichte;
    double ueberkornDichte;
    double ueberkornWasser;
    std::string proctorNr;
    double sollProzent;
};

// The required degree of compaction is the layer's.
Dichtebezug BezugFuer(const Schicht& schicht)
{
    const Proctorversuch& proctor = Bezugsproctor();
    return {proctor.dichte,
            proctor.wOpt,
            kProctorKorndichte,
            2.68,
            0.012,
            BezugsproctorVerweis(),
            static_cast<double>(schicht.verdichtungSoll)};
}

// A test point as printed: water content, dry density and oversize fraction.
struct Dichtepunkt
{
    double w;
    double trockendichte;
    double ueberkorn;
};

// The Proctor density and optimum water content of the soil with its oversize grain, after
// DIN 18127.
double ProctordichteMitUeberkorn(const Dichtebezug& b, double ueberkorn)
{
    return Gerundet(1 / ((1 - ueberkorn) / b.proctordichte + ueberkorn / b.ueberkornDichte), 3);
}

double WOptMitUeberkorn(const Dichtebezug& b, double ueberkorn)
{
    return Gerundet((1 - ueberkorn) * b.wOpt + ueberkorn * b.ueberkornWasser, 3);
}

// A test point one to three points of water content on the dry side of the optimum, compacted to
// between 0.8 % below and 3.7 % above the required degree, so that about one point in six falls
// short; where oversize grain may be, every second point holds some of the few per cent above
// 20 mm of the cut's sand.
Dichtepunkt ZielPunkt(const Dichtebezug& b, int nummer, int i, bool mitUeberkorn)
{
    const double ueberkorn =
        mitUeberkorn && i % 2 ? Gerundet(0.02 + 0.05 * Streuwert(nummer, i, 52), 3) : 0.0;
    const double w = WOptMitUeberkorn(b, ueberkorn) - 0.03 + 0.02 * Streuwert(nummer, i, 53);
    const double grad = b.sollProzent / 100 - 0.008 + 0.045 * Streuwert(nummer, i, 54);
    return {w, grad * ProctordichteMitUeberkorn(b, ueberkorn), ueberkorn};
}

// The soil parameters, reference Proctor test, oversize grain and degrees of compaction, one
// field each in the order both pages store them (the field density page from field 17, the gauge
// page from field 13), computed from the printed points.
std::vector<std::string> Kennwertfelder(const Dichtebezug& b,
                                        const std::vector<Dichtepunkt>& punkte)
{
    std::vector<double> korndichte, poren, luftporen, wasserporen, porenzahl, saettigung,
        proctordichte, wOpt, ueberkorn, wUeberkorn, dichteUeberkorn, proctordichteStrich,
        wOptStrich, grad;
    std::vector<std::string> proctorNr, soll;
    for (const Dichtepunkt& p : punkte) {
        const double n = 1 - p.trockendichte / b.korndichte;
        const double e = b.korndichte / p.trockendichte - 1;
        korndichte.push_back(b.korndichte);
        poren.push_back(n);
        wasserporen.push_back(p.w * p.trockendichte);
        luftporen.push_back(n - p.w * p.trockendichte);
        porenzahl.push_back(e);
        saettigung.push_back(p.w * b.korndichte / e);
        proctorNr.push_back(b.proctorNr);
        proctordichte.push_back(b.proctordichte);
        wOpt.push_back(b.wOpt);
        ueberkorn.push_back(p.ueberkorn);
        wUeberkorn.push_back(b.ueberkornWasser);
        dichteUeberkorn.push_back(b.ueberkornDichte);
        const double bezugsdichte = ProctordichteMitUeberkorn(b, p.ueberkorn);
        proctordichteStrich.push_back(bezugsdichte);
        wOptStrich.push_back(WOptMitUeberkorn(b, p.ueberkorn));
        grad.push_back(100 * p.trockendichte / bezugsdichte);
        soll.push_back(Text(b.sollProzent, 0));
    }
    return {Zahlen(korndichte, 3),
            Zahlen(poren, 3),
            Zahlen(luftporen, 3),
            Zahlen(wasserporen, 3),
            Zahlen(porenzahl, 3),
            Zahlen(saettigung, 2),
            "",
            Unterwerte(proctorNr),
            Zahlen(proctordichte, 3),
            Zahlen(wOpt, 3),
            Zahlen(ueberkorn, 3),
            Zahlen(wUeberkorn, 3),
            Zahlen(dichteUeberkorn, 3),
            Zahlen(proctordichteStrich, 3),
            Zahlen(wOptStrich, 3),
            Zahlen(grad, 1),
            Unterwerte(soll)};
}

// A test point's station and profile, as the pages with several points print them.
std::string StationUndProfil(const std::string& station)
{
    return station + StringFormat("#CRLF#Profil %d", Profil(Meter(station)));
}

// A test point's layer and, below it, the lift of a fill, which the date tells, or the height of
// a surface.
std::string SchichtUndHoehe(const CProtokoll& protokoll, const MESSUNG& stelle)
{
    const Schicht& schicht = SchichtDes(protokoll);
    return stelle.schicht +
           (schicht.lagen ? StringFormat("#CRLF#%d. Lage", LageAm(protokoll.HolePruefdatumRoh()))
                          : "#CRLF#" + HoeheText(Hoehe(schicht, Meter(stelle.station))));
}

// Fields 0 to 2 of both pages from the test points' places: station and profile, layer and lift
// or height, position.
std::vector<std::string> Beschreibungsfelder(const CProtokoll& protokoll,
                                             const std::vector<MESSUNG>& stellen)
{
    std::vector<std::string> station, schicht, lage;
    for (const MESSUNG& stelle : stellen) {
        station.push_back(StationUndProfil(stelle.station));
        schicht.push_back(SchichtUndHoehe(protokoll, stelle));
        lage.push_back(stelle.lage);
    }
    return {Unterwerte(station), Unterwerte(schicht), Unterwerte(lage)};
}

std::vector<MESSUNG> Pruefstellen(const CProtokoll& protokoll, int punkte)
{
    std::vector<MESSUNG> stellen;
    for (int i = 0; i < punkte; ++i)
        stellen.push_back(NeueMessung(protokoll, i, ""));
    return stellen;
}

// Key data of a protocol of several test points: the least and the greatest of the quantity's
// printed values at its points and the one required, each with the unit.
void SetzeSpannenEckdaten(CProtokoll& protokoll, const std::string& groesse,
                          const std::vector<std::string>& werte, const std::string& soll,
                          const std::string& einheit)
{
    const auto [kleinster, groesster] = std::ranges::minmax_element(
        werte, {}, [](const std::string& wert) { return StringZuDoubleC(wert.c_str()); });
    SetzeEckdaten(protokoll, {{groesse + " min.", *kleinster + einheit},
                              {groesse + " max.", *groesster + einheit},
                              {groesse + " SOLL", soll + einheit}});
}

// One measurement per test point at the point's place, with the values its column of the page
// shows, read from the page's fields: water content in field 6 on both pages, the dry density
// and the soil parameters of Kennwertfelder where the page has them. Further measurements have
// no values.
void FuegeDichtemessungenHinzu(CProtokoll& protokoll, int messungen,
                               const std::vector<MESSUNG>& stellen,
                               const std::vector<std::string>& seite, size_t trockendichte,
                               size_t kennwerte)
{
    const std::pair<const char*, size_t> quellen[] = {{"PRNR", kennwerte + 7},
                                                      {"RPR", kennwerte + 8},
                                                      {"WOPT", kennwerte + 9},
                                                      {"UE", kennwerte + 10},
                                                      {"RPR_X", kennwerte + 13},
                                                      {"WOPT_X", kennwerte + 14},
                                                      {"WNAT", 6},
                                                      {"VERDR", trockendichte},
                                                      {"N", kennwerte + 1},
                                                      {"NA", kennwerte + 2},
                                                      {"VERDGRAD", kennwerte + 15},
                                                      {"VERDGRAD_SOLL", kennwerte + 16}};
    SetzeSpannenEckdaten(protokoll, "Verdichtungsgrad", Teile(seite[kennwerte + 15], '@'),
                         StringHoleFeld(seite[kennwerte + 16], '@', 0), " %");
    for (int i = 0; i < messungen; ++i) {
        if (i >= static_cast<int>(stellen.size())) {
            protokoll.FuegeMessungHinzu(NeueMessung(protokoll, i, ""));
            continue;
        }
        std::vector<std::pair<std::string, std::string>> werte;
        for (const auto& [schluessel, feld] : quellen)
            werte.emplace_back(schluessel, StringHoleFeld(seite[feld], '@', i));
        MESSUNG messung = stellen[i];
        messung.daten = Messdaten(werte);
        protokoll.FuegeMessungHinzu(messung);
    }
}

// The volume of the hole by each method: the three measured values as printed and the volume
// from them.
struct Volumenmessung
{
    std::string a, b, c;
    double volumen;
};

Volumenmessung MesseVolumen(int verfahren, int nummer, int i)
{
    const double s = Streuwert(nummer, i, 57);
    switch (verfahren) {
    case 3002:
        return {"10.0", "12.0", "", Gerundet(std::numbers::pi / 4 * 10.0 * 10.0 * 12.0, 1)};
    case 3003: {
        // A balloon cylinder of 12 cm bore: readings before and after, a small correction.
        const double l0 = Gerundet(1.5 + 0.8 * s, 2);
        const double l1 = Gerundet(l0 + 12.5 + 1.5 * Streuwert(nummer, i, 58), 2);
        const double ausgleich = -std::round(5 + 10 * s);
        return {Text(l0, 2), Text(l1, 2), Text(ausgleich, 0),
                Gerundet((l1 - l0) * std::numbers::pi / 4 * 12.0 * 12.0 + ausgleich, 1)};
    }
    default: {
        // Replacement by calibrated sand.
        const double dichte = 1.452, masse = Gerundet(3900 + 500 * s, 1);
        return {Text(dichte, 3), Text(masse, 1), "", Gerundet(masse / dichte, 1)};
    }
    }
}

// The field density protocols measure their volumes by the methods that the silty sand allows, in
// turn: no block cut from a loose soil, the cutting cylinder only where no coarse grain stands in
// its way, the balloon and the replacement by sand anywhere.
void FuelleVerdichtung(CProtokoll& protokoll, int nummer, int messungen)
{
    const int verfahren = 3002 + nummer % 4;
    // One test point per measurement, five at most.
    const int anzahl = std::clamp(messungen, 1, 5);
    const Dichtebezug bezug = BezugFuer(SchichtDes(protokoll));
    std::vector<Dichtepunkt> punkte;
    std::vector<std::string> tara, feucht, trocken, wasser, a, b, c, volumen, taraProbe,
        feuchtProbe, feuchtdichte, trockendichte;
    for (int i = 0; i < anzahl; ++i) {
        const Dichtepunkt ziel = ZielPunkt(bezug, nummer, i, verfahren != 3002);
        const double mt = Gerundet(35.0 + 10.0 * Streuwert(nummer, i, 59), 2);
        const double md = Gerundet(160.0 + 80.0 * Streuwert(nummer, i, 60), 2);
        const double mf = Gerundet(md * (1 + ziel.w), 2);
        const double w = Gerundet((mf - md) / md, 3);
        const Volumenmessung v = MesseVolumen(verfahren, nummer, i);
        const double eimer = Gerundet(480.0 + 40.0 * Streuwert(nummer, i, 61), 1);
        const double masse = Gerundet(ziel.trockendichte * (1 + w) * v.volumen, 1);
        const double dichte = Gerundet(masse / v.volumen, 3);
        const double dichteTrocken = Gerundet(dichte / (1 + w), 3);
        punkte.push_back({w, dichteTrocken, ziel.ueberkorn});
        tara.push_back(Text(mt, 2));
        feucht.push_back(Text(mt + mf, 2));
        trocken.push_back(Text(mt + md, 2));
        wasser.push_back(Text(w, 3));
        a.push_back(v.a);
        b.push_back(v.b);
        c.push_back(v.c);
        volumen.push_back(Text(v.volumen, 1));
        taraProbe.push_back(Text(eimer, 1));
        feuchtProbe.push_back(Text(eimer + masse, 1));
        feuchtdichte.push_back(Text(dichte, 3));
        trockendichte.push_back(Text(dichteTrocken, 3));
    }
    const std::vector<MESSUNG> stellen = Pruefstellen(protokoll, anzahl);
    std::vector<std::string> felder = Beschreibungsfelder(protokoll, stellen);
    for (const auto* werte : {&tara, &feucht, &trocken, &wasser, &a, &b, &c, &volumen, &taraProbe})
        felder.push_back(Unterwerte(*werte));
    felder.push_back(""); // 12
    felder.push_back(Unterwerte(feuchtdichte));
    felder.push_back(Unterwerte(trockendichte));
    felder.push_back(""); // 15
    felder.push_back(""); // 16
    for (const std::string& feld : Kennwertfelder(bezug, punkte))
        felder.push_back(feld);                // 17 to 33
    felder.push_back(Unterwerte(feuchtProbe)); // 34
    felder.push_back("");
    felder.push_back("");
    felder.push_back(std::to_string(verfahren)); // 37
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    FuegeDichtemessungenHinzu(protokoll, messungen, stellen, felder, 14, 17);
}

// Three readings around a value, as a gauge shows them.
std::vector<double> Ablesungen(double wert, double streuung, int nummer, int i, int art)
{
    std::vector<double> werte;
    for (int k = 0; k < 3; ++k)
        werte.push_back(Gerundet(wert + streuung * (Streuwert(nummer, i * 3 + k, art) - 0.5), 3));
    return werte;
}

// The gauge protocols of a sample take the three methods in turn: water content and dry
// density, water content and wet density, both densities. The quantity not read follows from
// the means of the two that are.
void FuelleTroxler(CProtokoll& protokoll, int nummer, int messungen)
{
    const int verfahren = nummer % 3;
    // One test point per measurement, five at most.
    const int anzahl = std::clamp(messungen, 1, 5);
    const Dichtebezug bezug = BezugFuer(SchichtDes(protokoll));
    std::vector<Dichtepunkt> punkte;
    std::vector<std::string> erste[3], zweite[3];
    std::vector<double> wasser, trocken, feucht;
    for (int i = 0; i < anzahl; ++i) {
        const Dichtepunkt ziel = ZielPunkt(bezug, nummer, i, true);
        const std::vector<double> w = Ablesungen(ziel.w, 0.004, nummer, i, 62);
        const std::vector<double> rhoF =
            Ablesungen(ziel.trockendichte * (1 + ziel.w), 0.015, nummer, i, 63);
        const std::vector<double> rhoD = Ablesungen(ziel.trockendichte, 0.015, nummer, i, 64);
        const std::vector<double>& a = verfahren == 2 ? rhoF : w;
        const std::vector<double>& b = verfahren == 1 ? rhoF : rhoD;
        for (int k = 0; k < 3; ++k) {
            erste[k].push_back(Text(a[k], 3));
            zweite[k].push_back(Text(b[k], 3));
        }
        double wi = Mittel(w), rd = Mittel(rhoD), rf = Mittel(rhoF);
        if (verfahren == 1)
            rd = Gerundet(rf / (1 + wi), 3);
        else if (verfahren == 2)
            wi = Gerundet(rf / rd - 1, 3);
        else
            rf = Gerundet(rd * (1 + wi), 3);
        wasser.push_back(wi);
        trocken.push_back(rd);
        feucht.push_back(rf);
        punkte.push_back({wi, rd, ziel.ueberkorn});
    }
    const std::vector<MESSUNG> stellen = Pruefstellen(protokoll, anzahl);
    std::vector<std::string> felder = Beschreibungsfelder(protokoll, stellen);
    for (const auto& ablesung : erste)
        felder.push_back(Unterwerte(ablesung)); // 3 to 5
    felder.push_back(Zahlen(wasser, 3));        // 6
    for (const auto& ablesung : zweite)
        felder.push_back(Unterwerte(ablesung)); // 7 to 9
    felder.push_back(Zahlen(trocken, 3));       // 10
    felder.push_back("");
    felder.push_back("");
    for (const std::string& feld : Kennwertfelder(bezug, punkte))
        felder.push_back(feld); // 13 to 29
    felder.push_back("");
    for (const char* geraet : {"Nr. 38714", "IS 4640-B", "Cs-137", "Am-241:Be"})
        felder.push_back(geraet);                // 31 to 34
    felder.push_back(Zahlen(feucht, 3));         // 35
    felder.push_back(std::to_string(verfahren)); // 36
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    FuegeDichtemessungenHinzu(protokoll, messungen, stellen, felder, 10, 13);
}

// ---- Plate load tests: a static test on a 300 mm plate, dynamic tests of 10 and 15 kg -----------

constexpr double kPlattenradius = 150; // mm

// Static plate load test after the standard load steps up to 0.5 MN/m²: the dial reads through
// a lever, so the settlement is the reading times the transmission factor.
constexpr double kSpannungMax = 0.5;
constexpr double kUebersetzung = 2.0;

struct Laststufen
{
    std::vector<double> spannung; // MN/m²
    std::vector<double> ablesung; // dial, 0.01 mm
    std::vector<double> setzung;  // 0.01 mm
    void Lese(double p, double setzungMm)
    {
        const double a = std::round(setzungMm * 100 / kUebersetzung);
        spannung.push_back(p);
        ablesung.push_back(a);
        setzung.push_back(a * kUebersetzung);
    }
};

struct Plattendruckversuch
{
    Laststufen erst, ent, zweit;
    std::array<double, 3> a, b; // fitted curves, settlement in mm
    double ev1, ev2;
};

double Verformungsmodul(const std::array<double, 3>& kurve)
{
    return 1.5 * kPlattenradius / (kurve[1] + kurve[2] * kSpannungMax);
}

// A branch with its starting point, settlements in mm, fitted as the report's diagram fits it;
// the coefficients as printed.
std::array<double, 3> PasseAn(double p0, double s0, const Laststufen& ast)
{
    std::vector<double> x{p0}, y{s0};
    for (size_t i = 0; i < ast.spannung.size(); ++i) {
        x.push_back(ast.spannung[i]);
        y.push_back(ast.setzung[i] / 100);
    }
    std::array<double, 3> a{};
    AusgleichsParabel(x, y, 0, static_cast<int>(x.size()), a[0], a[1], a[2]);
    for (double& koeffizient : a)
        koeffizient = Gerundet(koeffizient, 4);
    return a;
}

// A test on the layer's soil: Ev2 and Ev2/Ev1 within the layer's ranges, so that the subgrade
// of the cut is in places too soft for Ev2 45 and the clay below the bridge everywhere. The first
// loading stiffens under load; the second is nearly straight.
Plattendruckversuch Plattendruck(int nummer, const Schicht& schicht)
{
    const double ev2 =
        schicht.ev2Von + (schicht.ev2Bis - schicht.ev2Von) * Streuwert(nummer, 0, 51);
    const double ev1 =
        ev2 / (schicht.verhaeltnisVon +
               (schicht.verhaeltnisBis - schicht.verhaeltnisVon) * Streuwert(nummer, 0, 52));
    // Curvatures in proportion to the settlement, so that soft and stiff layers bend alike.
    const double a2 = -(0.1 + 0.1 * Streuwert(nummer, 0, 53)) * 1.5 * kPlattenradius / ev1;
    const double a1 = 1.5 * kPlattenradius / ev1 - a2 * kSpannungMax;
    const double a0 = 0.02 + 0.05 * Streuwert(nummer, 0, 54);
    const double b2 = -0.1 * Streuwert(nummer, 0, 55) * 1.5 * kPlattenradius / ev2;
    const double b1 = 1.5 * kPlattenradius / ev2 - b2 * kSpannungMax;
    const double sMax = a0 + a1 * kSpannungMax + a2 * kSpannungMax * kSpannungMax;
    const double rest = sMax - b1 * kSpannungMax - b2 * kSpannungMax * kSpannungMax;

    Plattendruckversuch v;
    for (double p : {0.08, 0.16, 0.25, 0.33, 0.42, 0.50})
        v.erst.Lese(p, a0 + a1 * p + a2 * p * p);
    for (double p : {0.25, 0.125, 0.0})
        v.ent.Lese(p, rest + (sMax - rest) * std::pow(p / kSpannungMax, 0.7));
    // Reloading up to the last step but one.
    for (double p : {0.08, 0.16, 0.25, 0.33, 0.42})
        v.zweit.Lese(p, rest + b1 * p + b2 * p * p);
    v.a = PasseAn(0, 0, v.erst);
    v.b = PasseAn(0, v.ent.setzung.back() / 100, v.zweit);
    v.ev1 = Gerundet(Verformungsmodul(v.a), 1);
    v.ev2 = Gerundet(Verformungsmodul(v.b), 1);
    return v;
}

// The page prints the layer's required Ev2 and Ev2/Ev1.
void FuellePlattendruck(CProtokoll& protokoll, int nummer, int messungen)
{
    const Schicht& schicht = SchichtDes(protokoll);
    const Plattendruckversuch v = Plattendruck(nummer, schicht);
    const auto Anzahl = [](const Laststufen& l) { return std::to_string(l.spannung.size()); };
    const std::vector<std::string> felder = {Anzahl(v.erst),
                                             Zahlen(v.erst.spannung, 3),
                                             Zahlen(v.erst.ablesung, 0),
                                             Zahlen(v.erst.setzung, 0),
                                             Anzahl(v.ent),
                                             Zahlen(v.ent.spannung, 3),
                                             Zahlen(v.ent.ablesung, 0),
                                             Zahlen(v.ent.setzung, 0),
                                             Anzahl(v.zweit),
                                             Zahlen(v.zweit.spannung, 3),
                                             Zahlen(v.zweit.ablesung, 0),
                                             Zahlen(v.zweit.setzung, 0),
                                             "",
                                             "",
                                             Text(v.a[0], 4),
                                             Text(v.a[1], 4),
                                             Text(v.a[2], 4),
                                             Text(v.ev1, 1),
                                             Text(v.b[0], 4),
                                             Text(v.b[1], 4),
                                             Text(v.b[2], 4),
                                             Text(v.ev2, 1),
                                             Text(v.ev2 / v.ev1, 2),
                                             "",
                                             "",
                                             Text(kUebersetzung, 2),
                                             "300",
                                             "Sandbett",
                                             "Widerlager Lkw 26 t",
                                             "PDG 300 H",
                                             "PD-0417",
                                             "Messuhr",
                                             "MU 2208",
                                             "",
                                             std::to_string(schicht.ev2Soll),
                                             schicht.ev2ev1Soll};
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(
        protokoll,
        {{"Ev1", felder[17] + " MN/m²"}, {"Ev2", felder[21] + " MN/m²"}, {"Ev2/Ev1", felder[22]}});
    // One test at one point: its measurement carries the results the page prints.
    if (messungen > 0)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, 0,
                                                Messdaten({{"EV1", felder[17]},
                                                           {"EV2", felder[21]},
                                                           {"EV2EV1", felder[22]},
                                                           {"EV2_SOLL", felder[34]},
                                                           {"EV2EV1_SOLL", felder[35]}})));

    // Chart: the unloading runs from the top of the first loading, the reloading from the end
    // of the unloading.
    const double hoechste = v.erst.setzung.back();
    std::vector<double> entLast{kSpannungMax}, entSetzung{hoechste};
    entLast.insert(entLast.end(), v.ent.spannung.begin(), v.ent.spannung.end());
    entSetzung.insert(entSetzung.end(), v.ent.setzung.begin(), v.ent.setzung.end());
    std::vector<double> zweitLast{0}, zweitSetzung{v.ent.setzung.back()};
    zweitLast.insert(zweitLast.end(), v.zweit.spannung.begin(), v.zweit.spannung.end());
    zweitSetzung.insert(zweitSetzung.end(), v.zweit.setzung.begin(), v.zweit.setzung.end());
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"0@0,1@0,2@0,3@0,4@0,5", Striche(0, hoechste, hoechste > 1000 ? 100 : 50, 0),
                   Zahlen(v.erst.spannung, 3), Zahlen(v.erst.setzung, 0), Zahlen(entLast, 3),
                   Zahlen(entSetzung, 0), Zahlen(zweitLast, 3), Zahlen(zweitSetzung, 0)}));
}

// Dynamic plate load test: three drops after three preloading ones; the mean settlement gives
// Evd = 1.5 · r · σ / s.
// The 10 kg device measures Evd from 15 to 70 MN/m², the 15 kg device for the stiffer layers of
// the superstructure half as much again.
struct Fallgewicht
{
    const char* geraet;
    const char* gewicht; // kg
    const char* hoehe;   // cm
    double spannung;     // MN/m² under the plate at the peak force
    const char* aufnehmer;
    const char* evdMin; // measuring range, MN/m²
    const char* evdMax;
};

const Fallgewicht kFallgewicht10{"LFG 10", "10", "72", 0.1, "4711-3", "15", "70"};
const Fallgewicht kFallgewicht15{"LFG 15", "15", "75", 0.15, "5120-1", "22,5", "105"};

// The page has room for ten test points; further measurements have no values.
constexpr int kDynPlattenpunkte = 10;

// Each point on the layer, at its height, against the layer's required Evd.
void FuelleDynPlatte(CProtokoll& protokoll, int nummer, int messungen, const Fallgewicht& art)
{
    const Schicht& schicht = SchichtDes(protokoll);
    std::array<std::vector<std::string>, 21> felder;
    for (int i = 0; i < messungen; ++i) {
        if (i >= kDynPlattenpunkte) {
            protokoll.FuegeMessungHinzu(NeueMessung(protokoll, i, ""));
            continue;
        }
        // Most points pass; about one in six falls short of the required modulus.
        const double ziel = schicht.evdSoll * (0.95 + 0.3 * Streuwert(nummer, i, 61));
        const double mittel = 1.5 * kPlattenradius * art.spannung / ziel;
        double summe = 0;
        for (size_t s = 0; s < 3; ++s) {
            const double setzung =
                Gerundet(mittel * (1.03 - 0.03 * s + 0.02 * Streuwert(nummer, i, 62 + int(s))), 3);
            summe += setzung;
            felder[3 + s].push_back(Text(setzung, 3));
        }
        const double mittelGemessen = Gerundet(summe / 3, 3);
        const double evd = 1.5 * kPlattenradius * art.spannung / mittelGemessen;
        felder[7].push_back(Text(evd, 1));
        felder[8].push_back(std::to_string(schicht.evdSoll));
        const MESSUNG messung = NeueMessung(
            protokoll, i, Messdaten({{"EVD", felder[7].back()}, {"EVD_SOLL", felder[8].back()}}));
        felder[0].push_back(StationUndProfil(messung.station));
        felder[1].push_back(SchichtUndHoehe(protokoll, messung));
        felder[2].push_back(messung.lage);
        felder[6].push_back(Text(mittelGemessen, 3));
        felder[20].push_back(Text(1.8 + 1.6 * Streuwert(nummer, i, 67), 1));
        protokoll.FuegeMessungHinzu(messung);
    }
    std::vector<std::string> gruppe;
    for (const std::vector<std::string>& feld : felder)
        gruppe.push_back(Unterwerte(feld));
    const std::string geraet[] = {art.geraet,    art.gewicht, art.hoehe,  "300",
                                  art.aufnehmer, art.evdMin,  art.evdMax, "0,2-2,0",
                                  "Sand",        "geeicht",   "01/2026"};
    std::copy(std::begin(geraet), std::end(geraet), gruppe.begin() + 9);
    protokoll.SetzeSpeziellGruppe(4, Felder(gruppe));
    if (!felder[7].empty())
        SetzeSpannenEckdaten(protokoll, "Evd", felder[7], felder[8].front(), " MN/m²");
}

void FuelleDynPlatte10(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleDynPlatte(protokoll, nummer, messungen, kFallgewicht10);
}

void FuelleDynPlatte15(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleDynPlatte(protokoll, nummer, messungen, kFallgewicht15);
}

// ---- Binder amount: a recommendation from the reference Proctor test ---------------------------

// The binder shares of the recommendation and of the raised line beside it, % of the dry density.
constexpr double kBindemittelanteil = 3.0, kBindemittelErhoeht = 4.0;

// The reference Proctor test's silty sand, drier than its optimum, improved with a mixed binder;
// the chart lines give the binder per square metre at 100 cm for the recommended and for a raised
// share, which the remark line names.
void FuelleBindemittel(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Proctorversuch& proctor = Bezugsproctor();
    const double wNat = Gerundet(proctor.wOpt - 0.02 - 0.01 * Streuwert(nummer, 0, 82), 3);
    const double kgJeM3 = Gerundet(proctor.dichte * 1000 * kBindemittelanteil / 100, 0);
    const double kgErhoeht = Gerundet(proctor.dichte * 1000 * kBindemittelErhoeht / 100, 0);
    const double wasser = Gerundet((proctor.wOpt - wNat) * proctor.dichte * 1000, 0);
    const std::vector<std::string> seite = {BezugsproctorVerweis(), Text(proctor.dichte, 3),
                                            Text(proctor.wOpt, 3),  Text(kProctorKorndichte, 2),
                                            Text(wNat, 3),          "12",
                                            "Mischbinder 70/30",    Text(kBindemittelanteil, 1),
                                            Text(kgJeM3, 0),        Text(wasser, 0)};
    protokoll.SetzeSpeziellGruppe(4, Felder(seite));
    // The recommendation as the lists read it: Proctor test, its optimum and density, natural
    // water content, then binder, additions and water.
    protokoll.SetzeSpeziellGruppe(2, Felder({seite[0], "", seite[2], seite[1], seite[4], "",
                                             seite[6], seite[7], seite[8], seite[9]}));
    protokoll.SetzeSpeziellGruppe(5, Felder({"", "", Text(kgJeM3, 1), Text(kgErhoeht, 1)}));
    protokoll.SetzeFeld(2, 1,
                        "Diagramm: durchgezogen " + Komma(kBindemittelanteil, 1) + " % (" +
                            Text(kgJeM3, 0) + " kg/m³), gestrichelt " +
                            Komma(kBindemittelErhoeht, 1) + " % (" + Text(kgErhoeht, 0) +
                            " kg/m³)");
    SetzeEckdaten(protokoll, {{"Bindemittel", seite[6]},
                              {"Bindemittelzugabe", seite[7] + " %"},
                              {"Bindemittelzugabe", seite[8] + " Kg/m³"},
                              {"Wasserzugabe", seite[9] + " L/m³"}});
}

// ---- Loss on ignition: three crucibles of the clay, of little organic matter -------------------

void FuelleGlueverlust(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr int kTiegel = 3;
    const double anteil = 0.025 + 0.02 * Streuwert(nummer, 0, 70);
    std::vector<std::string> tiegel, m1, m2, m3, m4, vgl;
    double summe = 0;
    for (int j = 0; j < kTiegel; ++j) {
        const double leer = Gerundet(28.0 + 6.0 * Streuwert(nummer, j, 71), 3);
        const double probe = 18.0 + 6.0 * Streuwert(nummer, j, 72);
        const double ungeglueht = Gerundet(leer + probe, 3);
        const double verlust = probe * (anteil + 0.004 * (Streuwert(nummer, j, 73) - 0.5));
        const double geglueht = Gerundet(ungeglueht - verlust, 3);
        const double masseverlust = Gerundet(ungeglueht - geglueht, 3);
        const double v = Gerundet(masseverlust / (ungeglueht - leer), 4);
        summe += v;
        tiegel.push_back(StringFormat("T%d", 11 + 3 * j));
        m1.push_back(Text(leer, 3));
        m2.push_back(Text(ungeglueht, 3));
        m3.push_back(Text(geglueht, 3));
        m4.push_back(Text(masseverlust, 3));
        vgl.push_back(Text(v, 4));
    }
    const std::string mittel = Text(summe / kTiegel, 4);
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Unterwerte(tiegel), Unterwerte(m1), Unterwerte(m2), Unterwerte(m3),
                   Unterwerte(m4), Unterwerte(vgl), "", "", "", mittel}));
    SetzeEckdaten(protokoll, {{"Glühverlust", mittel}});
}

// ---- Lime content: gas volumetric method on three part samples of a marly clay ---------------

void FuelleKalkgehalt(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr int kProben = 3;
    // Mass of calcium carbonate per cm³ of carbon dioxide at normal conditions.
    constexpr double kKarbonatJeGas = 100.09 / 22414;
    const double gehalt = 0.12 + 0.10 * Streuwert(nummer, 0, 75);
    std::vector<std::vector<std::string>> zeilen(13);
    double summe = 0;
    for (int j = 0; j < kProben; ++j) {
        const double md = Gerundet(2.0 + 0.5 * Streuwert(nummer, j, 76), 3);
        const double t = Gerundet(19.0 + 2.0 * Streuwert(nummer, j, 77), 1);
        const double p = Gerundet(99.5 + 2.0 * Streuwert(nummer, j, 78), 1);
        // The gas volumes read at the test's temperature and pressure, brought to normal
        // conditions; the calcite has given off its gas after 30 s, the dolomite later.
        const double normierung = p / 101.325 * 273.15 / (273.15 + t);
        const double karbonat = md * (gehalt + 0.006 * (Streuwert(nummer, j, 79) - 0.5));
        const double vg = Gerundet(karbonat / kKarbonatJeGas / normierung, 1);
        const double vgStrich = Gerundet(vg * (0.80 + 0.1 * Streuwert(nummer, j, 80)), 1);
        const double v0 = Gerundet(vg * normierung, 1);
        const double mCa = Gerundet(v0 * kKarbonatJeGas, 4);
        const double v0Strich = Gerundet(vgStrich * normierung, 1);
        const double mCaStrich = Gerundet(v0Strich * kKarbonatJeGas, 4);
        const double kalzit = Gerundet(mCaStrich / mCa, 3);
        const double prozent = Gerundet(100 * mCa / md, 1);
        summe += prozent;
        const double werte[] = {md,  t,        p,         vgStrich, vg,         v0,
                                mCa, v0Strich, mCaStrich, kalzit,   1 - kalzit, prozent};
        const int stellen[] = {3, 1, 1, 1, 1, 1, 4, 1, 4, 3, 3, 1};
        for (size_t z = 0; z < std::size(werte); ++z)
            zeilen[z].push_back(Text(werte[z], stellen[z]));
    }
    zeilen[12].push_back(Text(summe / kProben, 1));
    std::vector<std::string> felder;
    for (const auto& zeile : zeilen)
        felder.push_back(Unterwerte(zeile));
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(protokoll, {{"Kalkgehalt", zeilen[12].front() + " %"}});
}

// ---- Sedimentation: hydrometer analysis of the clay over one day -------------------------------

// Dynamic viscosity of water in Pa·s at a temperature in °C (Poiseuille).
double Zaehigkeit(double temperatur)
{
    return 0.00178 / (1 + 0.0337 * temperatur + 0.000221 * temperatur * temperatur);
}

// The hydrometer's scale reads R from 0 at its top to 35 at its foot.
constexpr double kSkalaEnde = 35.0;

// The fraction below 0.125 mm of the clay with the grain density the laboratory measured: about a
// quarter of the whole sample is clay. The share of the whole sample that passed into the
// cylinder, from its sieving, turns a into atot; the remark line names it.
void FuelleSedimentation(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr double kAz = 31.17, kVA = 67.0, kCm = 0.5, kH = 14.2, kSkala = 10.5, kH0 = 2.1;
    const double rhoS = GemesseneKorndichte();
    const double md = Gerundet(45.0 + 10.0 * Streuwert(nummer, 0, 82), 2);
    const double feinanteil = Gerundet(0.78 + 0.04 * Streuwert(nummer, 0, 83), 3);
    protokoll.SetzeFeld(2, 1,
                        "atot = a · " + Komma(feinanteil, 3) + " (Anteil < 0,125 mm an der " +
                            "Gesamtprobe " + Komma(100 * feinanteil, 1) + " %)");
    std::vector<std::string> felder{
        Unterwerte({"H-17", Text(kAz, 2), Text(kVA, 1), Text(kCm, 1), Text(kH, 1), Text(kSkala, 1),
                    Text(kH0, 1), Text(rhoS, 3), Text(md, 2)})};
    const int zeiten[][2] = {{0, 0},  {0, 1}, {0, 2}, {0, 5}, {0, 15}, {0, 30},
                             {0, 45}, {2, 0}, {4, 0}, {6, 0}, {12, 0}, {24, 0}};
    std::string kleinste, anteil;
    for (int i = 0; i < 12; ++i) {
        const auto [stunden, minuten] = zeiten[i];
        const double tMinuten = i == 0 ? 0.5 : 60.0 * stunden + minuten;
        // Suspension density falls with the log of time as the coarser grains settle.
        const double rStrich = Gerundet(
            30.0 - 6.0 * std::log10(tMinuten / 0.5) + 0.3 * (Streuwert(nummer, i, 84) - 0.5), 1);
        const double r = rStrich + kCm;
        const double t = Gerundet(20.0 + 1.5 * Streuwert(nummer, i, 85), 1);
        const double ct = Gerundet(0.2 * (t - 20.0), 2);
        // Stokes: the grains that have sunk from the surface to the hydrometer bulb's centre.
        const double tiefe = kH0 + kSkala * (kSkalaEnde - r) / kSkalaEnde + (kH - kVA / kAz) / 2;
        const double d = Gerundet(1000 * std::sqrt(18 * Zaehigkeit(t) * tiefe / 100 /
                                                   ((rhoS - 1) * 1000 * 9.81 * tMinuten * 60)),
                                  4);
        const double a = Gerundet(100 * rhoS / (rhoS - 1) * (r + ct) / md, 1);
        kleinste = Text(d, 4);
        anteil = Text(a * feinanteil, 1);
        felder.push_back(
            Unterwerte({StringFormat("%d", stunden), i == 0 ? "0.5" : StringFormat("%d", minuten),
                        Text(rStrich, 1), Text(r, 1), Text(t, 1), kleinste, Text(ct, 2),
                        Text(r + ct, 2), Text(a, 1), anteil}));
    }
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(protokoll,
                  {{"kleinste Korngröße", kleinste + " mm"}, {"Masseanteil atot", anteil + " %"}});
}

// ---- Permeability: falling head in a triaxial cell, eight readings -----------------------------

// An undisturbed sample of the clay with the grain density the laboratory measured, not quite
// saturated when built in and nearly so after the test. Each reading gives k at the test's
// temperature from the fall of the standpipe, k = a l / (A t) ln(h1 / h2), brought to 10 °C by
// the water's viscosity; the result is the mean of the printed values.
void FuelleDurchlaessigkeit(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const double kKorndichte = GemesseneKorndichte();
    constexpr double kRohr = 0.785, kLaenge = 12.00, kFlaeche = 78.54; // cm², cm, cm²
    constexpr int kMinuten = 30;
    const double trockendichte = 1.68 + 0.06 * Streuwert(nummer, 0, 94);
    const double wSattZiel = (1 - trockendichte / kKorndichte) / trockendichte;
    const double wVorher = Gerundet(wSattZiel * (0.82 + 0.08 * Streuwert(nummer, 0, 95)), 3);
    const double dichte = Gerundet(trockendichte * (1 + wVorher), 3);
    const double trocken = dichte / (1 + wVorher);
    const double wSatt = (1 - trocken / kKorndichte) / trocken;
    std::vector<std::string> felder = {
        "ungestört (Stechzylinder)",
        "Triaxialzelle",
        "von unten nach oben",
        Text(kKorndichte, 3),
        Text(dichte, 3),
        Text(1 - trocken / kKorndichte, 3),
        Text(wVorher, 3),
        Text(wSatt * (0.97 + 0.02 * Streuwert(nummer, 0, 96)), 3),
        "300 kPa",
        "300 kPa",
        Unterwerte({"Standrohr 10 mm", Text(kRohr, 3), Text(kLaenge, 2), Text(kFlaeche, 2)})};
    const double k10 = (2.0 + 3.0 * Streuwert(nummer, 0, 91)) * 1e-8;
    std::vector<std::string> nr, kWerte;
    double summe = 0;
    for (int i = 0; i < 8; ++i) {
        const double t = Gerundet(18.5 + 1.5 * Streuwert(nummer, i, 92), 1);
        const double faktor = Gerundet(Zaehigkeit(t) / Zaehigkeit(10), 3);
        const double kZiel = k10 * (1 + 0.15 * (Streuwert(nummer, i, 93) - 0.5));
        const double h1 = Gerundet(1.20 - 0.05 * i, 3);
        const double faktorFall = kRohr * kLaenge / (kFlaeche * kMinuten * 60);
        const double h2 = Gerundet(h1 * std::exp(-kZiel / faktor * 100 / faktorFall), 3);
        // m/s from cm/s
        const std::string k = StringFormat("%.2E", faktor * faktorFall * std::log(h1 / h2) / 100);
        summe += StringZuDoubleC(k.c_str());
        felder.push_back(Unterwerte({std::to_string(kMinuten), "0", Text(h1, 3), Text(h2, 3),
                                     Text(t, 1), Text(faktor, 3), k}));
        nr.push_back(StringFormat("%d", i + 1));
        kWerte.push_back(k);
    }
    felder.resize(27);
    const std::string mittel = StringFormat("%.2E", summe / 8);
    felder.push_back(mittel);
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    protokoll.SetzeSpeziellGruppe(5, Felder({"0@1@2@3@4@5@6@7@8@9", "1E-9@1E-8@1E-7@1E-6",
                                             Unterwerte(nr), Unterwerte(kWerte), "0"}));
    SetzeEckdaten(protokoll, {{"Durchlässigkeitsbeiwert k10", mittel + " m/s"}});
}

// ---- Sheets that draw on other protocols: comparisons and the filter rule ---------------------

// The working day after a date.
std::string NaechsterArbeitstag(const std::string& jjjjmmtt)
{
    const auto tag = std::ranges::upper_bound(Arbeitstage(), jjjjmmtt);
    return tag == Arbeitstage().end() ? Arbeitstage().back() : *tag;
}

// A sheet is made once the tests it draws on are done: it is dated after the latest of them.
void DatiereNach(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen)
{
    std::string spaetestes;
    for (const CProtokoll* quelle : quellen)
        spaetestes = std::max(spaetestes, quelle->HolePruefdatumRoh());
    if (!spaetestes.empty() && blatt.HolePruefdatumRoh() <= spaetestes)
        blatt.SetzeFeld(1, 9, NaechsterArbeitstag(spaetestes));
}

// Of area, station, layer, position, soil type, origin and state the sheet's header keeps what the
// protocols it describes share.
void UebernimmKopf(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen)
{
    for (int feld = 0; feld < 7 && !quellen.empty(); ++feld) {
        const std::string wert = quellen.front()->HoleFeld(1, feld);
        const bool gemeinsam = std::ranges::all_of(
            quellen, [&](const CProtokoll* q) { return q->HoleFeld(1, feld) == wert; });
        blatt.SetzeFeld(1, feld, gemeinsam ? wert : "");
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
                   ? "Bezugsprobe"
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

// A comparison sheet of up to six tests of the project: colours, legend texts and the curves'
// chart data, each the compared test's own.
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
    eckdaten.insert(eckdaten.end(), {{"Sperrbed. Filter 1", ergebnisse[0]},
                                     {"Durchfl. Filter 1", ergebnisse[1]},
                                     {"Sperrbed. Filter 2", ergebnisse[2]},
                                     {"Durchfl. Filter 2", ergebnisse[3]}});
    SetzeEckdaten(blatt, eckdaten);
    // The header describes the soil the filters protect.
    UebernimmKopf(blatt, {materialien[0]});
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
    SetzeEckdaten(blatt, {{"Einbaustärke notwendig", seite[6] + " cm"},
                          {"Ev2 zu erwarten", seite[7] + " MN/m²"},
                          {"Ev2 der Unterlage notwendig", seite[8] + " MN/m²"}});
}

// ---- File note of a site meeting ----------------------------------------------------------------

// The calendar week after ISO 8601: the week of its Thursday.
int Kalenderwoche(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    const sys_days tag = Datum(jjjjmmtt);
    const sys_days donnerstag = tag + days{4 - static_cast<int>(weekday{tag}.iso_encoding())};
    const sys_days neujahr{year_month_day{donnerstag}.year() / January / 1};
    return static_cast<int>((donnerstag - neujahr).count() / 7 + 1);
}

// The Tuesday of the following week, "TT.MM.JJJJ".
std::string DienstagDerFolgewoche(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    const sys_days tag = Datum(jjjjmmtt);
    return StringDatumJJJJMMTTZuTTMMJJJJ(
        JJJJMMTT(tag + days{9 - static_cast<int>(weekday{tag}.iso_encoding())}));
}

// Kilometre and metre of a station, as titles and notes name stretches.
std::string Km(double meter)
{
    const std::string station = Station(meter);
    return station.substr(0, station.find(','));
}

// The site meetings are weekly from the project's first week on, and the laboratory writes the
// note.
constexpr int kErsteBesprechungswoche = 10;
constexpr const char* kVerfasser = "S. Lindholm";

// The note of the meeting on that day, two pages: what it states are the site's soils and
// requirements, the reference Proctor test's values and the dates that follow from its own.
std::vector<std::string> Notiztext(const std::string& datum)
{
    const Proctorversuch& proctor = Bezugsproctor();
    const Strecke& damm = *std::ranges::find(kStrecken, &kDamm, &Strecke::schicht);
    const Boden& boden = *kDamm.boden;
    return {
        "Teilnehmer: Bauherr (Herr Albers), Bauleitung Tiefbau Kranich",
        "(Frau Decker), Prüflabor (Herr Brenner, Frau Lindholm)",
        "",
        "1. Stand der Erdarbeiten",
        "   Die Dammschüttung km " + Km(damm.von) + " bis " + Km(damm.bis) + " ist bis zur " +
            std::to_string(LageAm(datum)) + ". Lage",
        "   hergestellt, in Lagen von 0,30 m. Eingebaut wird " + std::string(boden.gruppe) + ",",
        "   " + std::string(boden.zustand) + ", aus dem " + boden.herkunft + " (Proctorversuch " +
            BezugsproctorVerweis() + ":",
        "   Proctordichte " + Komma(proctor.dichte, 3) + " g/cm³, optimaler Wassergehalt " +
            Komma(100 * proctor.wOpt, 1) + " %).",
        "",
        "2. Ergebnisse der Eigenüberwachung",
        "   Gefordert sind Verdichtungsgrade von " + std::to_string(kDamm.verdichtungSoll) +
            " % in der Dammschüttung",
        "   und " + std::to_string(kErdplanum.verdichtungSoll) +
            " % im Planumsbereich. Prüfstellen unter der Anforderung",
        "   werden nachverdichtet und erneut geprüft.",
        "   Die Wassergehalte liegen unter dem optimalen Wassergehalt; der",
        "   Boden ist vor dem Verdichten gleichmäßig anzufeuchten.",
        "",
        "3. Witterung",
        "   Bei anhaltendem Regen ist der Einbau einzustellen. Die",
        "   Oberfläche ist am Abend mit Gefälle abzuwalzen, damit",
        "   Niederschlag abläuft. Gefrorener Boden wird nicht",
        "   eingebaut, auf gefrorenem Untergrund wird nicht geschüttet.",
        "",
        "4. Bodenaustausch Brücke BW 3",
        "   Die Aushubsohle zeigt bindigen Boden (" + std::string(kTon.gruppe) + ") in " +
            kTon.zustand + "er Konsistenz.",
        "   Der statische Plattendruckversuch auf der Sohle erreicht das",
        "   geforderte Ev2 von " + std::to_string(kBodenaustausch.ev2Soll) +
            " MN/m² nicht. Nach der Bemessung des Labors",
        "   wurden " + Komma(kAustauschdicke, 2) + " m gegen Kiessand 0/32 (" +
            std::string(kKiessand.gruppe) + ") aus dem " + kKiessand.herkunft,
        "   ausgetauscht; der Austausch wurde mit statischen und",
        "   dynamischen Plattendruckversuchen geprüft.",
        "",
        "5. Bodenverbesserung",
        "   Für die Rampe im Abschnitt Süd empfiehlt das Labor, den Boden",
        "   mit " + Komma(kBindemittelanteil, 1) + " % Mischbinder 70/30 zu verbessern und bis zum",
        "   optimalen Wassergehalt anzufeuchten.",
        "",
        "6. Probenahme",
        "   Proben für Wassergehalt und Korndichte werden je Lage",
        "   und Abschnitt entnommen und im Labor Nord untersucht.",
        "   Die Probenbehälter sind mit Station und Lage zu",
        "   beschriften. Rückstellproben bleiben bis zur Abnahme im",
        "   Labor.",
        "",
        "7. Termine",
        "   Nächste Baubesprechung am Dienstag, " + DienstagDerFolgewoche(datum) + ", 09:00 Uhr,",
        "   im Baucontainer an der Anschlussstelle West.",
        "   Die Ergebnisse der Nachprüfungen werden bis Freitag übermittelt.",
        "",
        "8. Verschiedenes",
        "   Die Zufahrt über den Wirtschaftsweg ist für Fahrzeuge über",
        "   7,5 t gesperrt; Transporte fahren über die B 417.",
        "   Die Beweissicherung an den Nachbargebäuden ist abgeschlossen.",
        "",
        std::string("Aufgestellt: ") + kVerfasser,
        "Verteiler: Teilnehmer, Bauakte",
    };
}

// A note concerns the whole stretch and names no soil; its number is the protocol's, and it
// lists the protocols of the week before the meeting.
void FuelleNotiz(CProtokoll& protokoll, int, int)
{
    const std::string datum = protokoll.HolePruefdatumRoh();
    const std::string bereich = "km " + Km(0) + " bis " + Km(kStreckenende);
    const int woche = Kalenderwoche(datum);
    const std::vector<std::string> zeilen = Notiztext(datum);
    const int seiten = static_cast<int>((zeilen.size() + 49) / 50);
    protokoll.SetzeFeld(1, 0, bereich);
    protokoll.SetzeFeld(1, 13, kVerfasser);
    protokoll.SetzeFeld(3, 0, std::to_string(seiten));
    protokoll.SetzeSpeziellGruppe(
        4,
        Felder({bereich, StringFormat("Baubesprechung Nr. %d", woche - kErsteBesprechungswoche + 1),
                "Verdichtung Dammschüttung und Bodenaustausch", protokoll.HoleProtokollnummer(),
                datum, kVerfasser, Verbunden(zeilen, "#CRLF#"),
                StringFormat("Lageplan Prüfstellen#CRLF#Prüfprotokolle KW %d#CRLF#"
                             "Fotodokumentation#CRLF#Terminplan Erdbau",
                             woche - 1),
                "", "", std::to_string(seiten), "", "Aktennotiz Baubesprechung"}));
}

// ---- Test types --------------------------------------------------------------------------------

// Fills the test-specific part of a protocol of one test type: the special data text and
// `messungen` measurements (fewer where the test has fewer places, as a static plate load test
// has one). Each group and field holds what the lists and the report read from it, so that both
// show the same values. `nummer` counts the protocols of the project, for varied values. The
// header record is set first: the test and its measurements stand where it names.
using Fueller = std::function<void(CProtokoll& protokoll, int nummer, int messungen)>;

struct Pruefart
{
    const char* kuerzel;         // of the protocol number
    int unterart;                // "pruefart_VER"
    const char* unterartKuerzel; // "pruefunterartKuerzel", where a sub-type needs its own code
    bool imFeld;                 // made on site within the hours the header names
    const Schicht* schicht;      // where it stands unless placed; none for sheets
    Fueller fuelle;
};

// The test types 1000 to 1020 (1019 has no catalogue row; the viewer must still list it). The
// sheets 1010, 1015 and 1018 draw on protocols that are not built yet when they are: they get
// measurements without values here, their data once the project is built.
// clang-format off
const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1>& Pruefarten()
{
    static const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1> arten = {{
        {"KV", 1, "",   false, &kFrostschutz,    FuelleKornverteilung},
        {"PV", 1, "",   false, &kDamm,           FuelleProctor},
        {"D_", 1, "",   true,  &kDamm,           FuelleVerdichtung},
        {"LD", 1, "",   true,  &kErdplanum,      FuelleDynPlatte10},
        {"RS", 1, "",   true,  &kAushubsohle,    FuelleRammsondierung},
        {"LP", 1, "",   true,  &kErdplanum,      FuellePlattendruck},
        {"ZG", 1, "",   false, &kAushubsohle,    FuelleZustandsgrenzen},
        {"DT", 1, "",   true,  &kErdplanum,      FuelleTroxler},
        {"KD", 1, "",   false, &kAushubsohle,    FuelleKorndichte},
        {"BV", 1, "",   false, &kDamm,           FuelleBindemittel},
        {"BA", 1, "",   false, &kBodenaustausch, FuegeMessungenHinzu},
        {"WG", 1, "",   true,  &kDamm,           FuelleWassergehalt},
        {"L5", 1, "",   true,  &kFrostschutz,    FuelleDynPlatte15},
        {"GV", 1, "",   false, &kAushubsohle,    FuelleGlueverlust},
        {"SE", 1, "",   false, &kAushubsohle,    FuelleSedimentation},
        {"FT", 1, "",   false, &kDamm,           FuegeMessungenHinzu},
        {"CA", 1, "",   false, &kAushubsohle,    FuelleKalkgehalt},
        {"WD", 2, "",   false, &kAushubsohle,    FuelleDurchlaessigkeit},
        {"GP", 2, "GP", false, nullptr,          FuegeMessungenHinzu},
        {"",   1, "",   false, nullptr,          FuegeMessungenHinzu},
        {"AN", 1, "",   false, nullptr,          FuelleNotiz},
    }};
    return arten;
}
// clang-format on

const Pruefart& PruefartVon(int pruefart)
{
    return Pruefarten()[pruefart - kErstePruefart];
}

// A protocol of the given test type with its running number, a header record from its place,
// measurements and the data `fueller` gives it. `nummer` counts the protocols of the project.
CProtokoll BaueProtokollMit(const Fueller& fueller, int pruefart, const Pruefart& art, int nummer,
                            int laufendeNummer, const std::string& titelId, const Ort& ort,
                            int messungen)
{
    CProtokoll protokoll;
    protokoll.Initialisiere(StringFormat("P%06d", nummer + 1), titelId, std::to_string(pruefart));
    protokoll.SetzePruefunterartKuerzel(art.unterartKuerzel);
    SetzeKopfsatz(protokoll, nummer, Protokollnummer(laufendeNummer, art.kuerzel), ort, art.imFeld);
    fueller(protokoll, nummer, messungen);
    SetzeUnterart(protokoll, art.unterart);
    return protokoll;
}

// ---- Projects ----------------------------------------------------------------------------------

// One protocol of the sample: its test type (and the sub-type's own code where it has one), its
// title, the layer, station (m) and position of its test, its working day from the project's
// start, its measurements, and for a grain-size analysis the material. A sheet names the plan's
// rows of the protocols it draws on instead of a place.
struct Einsatz
{
    int pruefart;
    const char* titel;
    const Schicht* schicht;
    double station;
    const char* lage;
    int tag;
    int messungen;
    Kornprobe probe = kSandkies;
    std::vector<size_t> quellen = {};
    const Pruefart* art = nullptr;
};

// The grain-size comparison of sub-type 1.
const Pruefart kKornvergleich{"GK", 1, "GK", false, nullptr, FuegeMessungenHinzu};

// The construction of the sample, in the order the project lists its protocols: the first of
// each test type first. Suitability tests of the cut's sand in March; the dam in lifts from
// mid-March; the bridge's clay below the excavation, its tests and the replacement from
// mid-April; the site meeting in May; the subgrade of the cut from the end of May, then the
// frost protection layer and the base course on the same stations.
// clang-format off
const std::vector<Einsatz>& Bauablauf()
{
    static const std::vector<Einsatz> plan = {
        {1000, "8",  &kFrostschutz,    1265, "Achse",        89, 1},
        {1001, "3",  &kDamm,            125, "Achse",         3, 1},
        {1002, "3",  &kDamm,             65, "rechts 2,5 m", 12, 3},
        {1003, "4",  &kErdplanum,       845, "Achse",        55, 3},
        {1004, "6",  &kAushubsohle,    1675, "Achse",        30, 1},
        {1005, "6",  &kAushubsohle,    1665, "links 2,5 m",  31, 1},
        {1006, "10", &kAushubsohle,    1660, "rechts 2,5 m", 32, 1},
        {1007, "3",  &kDamm,            280, "links 2,5 m",  19, 3},
        {1008, "10", &kAushubsohle,    1660, "rechts 2,5 m", 34, 1},
        {1009, "5",  &kDamm,           1520, "Achse",        47, 1},
        {1010, "6",  nullptr,             0, "",             35, 1, kSandkies, {5}},
        {1011, "3",  &kDamm,            235, "rechts 4,0 m", 14, 1},
        {1012, "9",  &kSchottertrag,    845, "Achse",       109, 3},
        {1013, "10", &kAushubsohle,    1660, "rechts 2,5 m", 36, 1},
        {1014, "10", &kAushubsohle,    1660, "rechts 2,5 m", 40, 1},
        {1015, "0",  nullptr,             0, "",             76, 1, kSandkies, {37, 38, 39}},
        {1016, "10", &kAushubsohle,    1660, "rechts 2,5 m", 37, 1},
        {1017, "10", &kAushubsohle,    1660, "rechts 2,5 m", 42, 1},
        {1018, "0",  nullptr,             0, "",              8, 0, kSandkies, {1, 42, 43, 44}},
        {1019, "0",  nullptr,             0, "",             17, 0},
        {1020, "0",  nullptr,             0, "",             51, 0},
        // Today's sample of the frost protection layer beside its finest and coarsest.
        {1018, "8",  nullptr,             0, "",             90, 0, kSandkies, {0, 40, 41}, &kKornvergleich},
        // Plate load tests on the subgrade, the soil replacement and the superstructure.
        {1005, "4",  &kErdplanum,       905, "rechts 2,5 m", 57, 1},
        {1003, "4",  &kErdplanum,      1015, "links 2,5 m",  62, 8},
        {1005, "6",  &kBodenaustausch, 1695, "Achse",        45, 1},
        {1003, "6",  &kBodenaustausch, 1625, "links 2,5 m",  44, 8},
        {1005, "8",  &kFrostschutz,     905, "rechts 2,5 m", 85, 1},
        {1012, "8",  &kFrostschutz,    1015, "links 2,5 m",  87, 8},
        {1005, "9",  &kSchottertrag,    905, "rechts 2,5 m",104, 1},
        {1012, "9",  &kSchottertrag,   1015, "links 2,5 m", 106, 8},
        // Field density on the dam and the subgrade by every method the sand allows; the gauge.
        {1002, "3",  &kDamm,            415, "Achse",        27, 5},
        {1002, "3",  &kDamm,            535, "links 5,0 m",  33, 4},
        {1002, "4",  &kErdplanum,       960, "Achse",        59, 3},
        {1002, "4",  &kErdplanum,      1215, "rechts 2,5 m", 67, 5},
        {1007, "3",  &kDamm,            155, "Achse",        39, 5},
        {1007, "4",  &kErdplanum,      1105, "links 2,5 m",  64, 4},
        {1007, "4",  &kErdplanum,      1295, "Achse",        69, 5},
        // The sand a drain at the dam's foot drains and its two filters; two earlier samples of
        // the frost protection layer.
        {1000, "3",  &kDamm,            125, "Achse",         2, 1, kAushubsand},
        {1000, "0",  &kFilter1,         125, "links 5,0 m",  73, 1, kFiltersand},
        {1000, "0",  &kFilter2,         125, "links 5,0 m",  74, 1, kFilterkies},
        {1000, "8",  &kFrostschutz,     855, "rechts 2,5 m", 79, 1, kSandkiesFein},
        {1000, "8",  &kFrostschutz,    1135, "links 2,5 m",  83, 1, kSandkiesGrob},
        // Suitability tests of the cut's sand beside the reference Proctor test.
        {1001, "3",  &kDamm,            315, "links 2,5 m",   5, 1},
        {1001, "3",  &kDamm,            480, "rechts 2,5 m",  6, 1},
        {1001, "3",  &kDamm,            655, "Achse",         7, 1},
    };
    return plan;
}
// clang-format on

std::map<std::string, std::string> Metadaten()
{
    return {
        {"ID", "M-2026-017"},
        {"bezeichnung", "Ortsumgehung Lindenfeld, B 417 Bauabschnitt 2"},
        {"protNrPraefix", kNummernPraefix},
        {"notiz", "Eigenüberwachung Erdbau und Oberbau"},
        {"weitereNotiz", ""},
        {"auftraggeber", "Landesstraßenbauamt Musterland|Dienststelle Nord|Birkenstadt"},
        {"auftragnr", "A-2026-0415"},
        {"datumAngelegt", "20260302"},
        {"datumBeendet", ""},
        {"ausfueFirma", "Tiefbau Kranich GmbH"},
        {"fusstext", "Musterlabor Geotechnik GmbH|Musterstraße 1, 12345 Musterstadt|"
                     "Tel. 01234 5678-0|www.musterlabor.example|0"},
        {"metameta", ""},
        {"unterschrift", "Dipl.-Ing. P. Muster"},
    };
}

std::map<std::string, std::string> Vorgaben()
{
    return {
        {"bemerkung", "Prüfung nach ZTV E-StB.\r\nWerte vorläufig."},
        {"ev2_soll", "45"},
        {"verdichtungsgrad_soll", "1.00"},
    };
}

// Three levels: earthworks and superstructure with their sections, and the laboratory.
std::vector<std::string> Titelbaum()
{
    return {
        "1|Erdbau|1",
        "2|Bauabschnitt Nord|2",
        "3|Dammschüttung km 0+000 bis 0+800|3",
        "4|Planum km 0+800 bis 1+400|3",
        "5|Bauabschnitt Süd|2",
        "6|Bodenaustausch Brücke BW 3|3",
        "7|Oberbau|1",
        "8|Frostschutzschicht|2",
        "9|Schottertragschicht|2",
        "10|Laborversuche|1",
    };
}

// Titles of a large project: `gruppen` top titles with three sections of two parts each.
std::vector<std::string> GrosserTitelbaum(int gruppen)
{
    std::vector<std::string> titel;
    int id = 1;
    for (int g = 1; g <= gruppen; ++g) {
        titel.push_back(StringFormat("%d|Los %d|1", id++, g));
        for (int a = 1; a <= 3; ++a) {
            titel.push_back(StringFormat("%d|Los %d Abschnitt %d|2", id++, g, a));
            for (int t = 1; t <= 2; ++t)
                titel.push_back(StringFormat("%d|Los %d Abschnitt %d Teil %d|3", id++, g, a, t));
        }
    }
    return titel;
}

} // namespace

CProtokoll BaueProtokoll(int pruefart, int nummer, const std::string& titelId, int messungen)
{
    const Pruefart& art = PruefartVon(pruefart);
    return BaueProtokollMit(art.fuelle, pruefart, art, nummer, nummer, titelId,
                            StandardOrt(pruefart, nummer, art.schicht), messungen);
}

namespace {

CProtokoll BaueKornprotokoll(Kornprobe probe, int nummer, int laufendeNummer,
                             const std::string& titelId, const Ort& ort, int messungen)
{
    const auto fueller = [probe](CProtokoll& protokoll, int n, int m) {
        FuelleKornprobe(protokoll, n, m, Kornmaterialien()[probe]);
    };
    return BaueProtokollMit(fueller, 1000, PruefartVon(1000), nummer, laufendeNummer, titelId, ort,
                            messungen);
}

// Up to `anzahl` protocols that `passt`, the nearest to position `bei`: earlier ones first, later
// ones where too few come before; in project order.
std::vector<const CProtokoll*> Naechste(const std::vector<CProtokoll>& protokolle, size_t bei,
                                        size_t anzahl, const std::function<bool(size_t)>& passt)
{
    std::vector<size_t> gewaehlt;
    for (size_t i = bei; i-- > 0 && gewaehlt.size() < anzahl;)
        if (passt(i))
            gewaehlt.insert(gewaehlt.begin(), i);
    for (size_t i = bei + 1; i < protokolle.size() && gewaehlt.size() < anzahl; ++i)
        if (passt(i))
            gewaehlt.push_back(i);
    std::vector<const CProtokoll*> quellen;
    for (size_t i : gewaehlt)
        quellen.push_back(&protokolle[i]);
    return quellen;
}

// The sheet draws on the protocols it names: a comparison on its tests, the filter rule on the
// soil and its two filters, the soil replacement on its static plate load test. It is dated after
// them, and its measurements stand where its header then puts them.
void SetzeQuellen(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen)
{
    switch (blatt.GetPruefart()) {
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

// The sheets of a large project draw on its nearest tests of the kinds they need; `proben` names
// the material of each grain-size protocol. A filter rule without all three materials in the
// project stays empty, as does a soil replacement without an earlier plate load test.
void VerweiseAufNaechste(std::vector<CProtokoll>& protokolle, const std::vector<int>& proben)
{
    for (size_t i = 0; i < protokolle.size(); ++i) {
        CProtokoll& blatt = protokolle[i];
        std::vector<const CProtokoll*> quellen;
        // Its comparisons are those of the test-type table, of Proctor tests.
        if (blatt.GetPruefart() == 1018) {
            quellen = Naechste(protokolle, i, 4,
                               [&](size_t j) { return protokolle[j].GetPruefart() == 1001; });
        }
        if (blatt.GetPruefart() == 1010) {
            quellen = Naechste(protokolle, i, 1, [&](size_t j) {
                return j < i && protokolle[j].GetPruefart() == 1005;
            });
        }
        for (int m = 0; blatt.GetPruefart() == 1015 && m < 3; ++m) {
            const auto quelle =
                Naechste(protokolle, i, 1, [&](size_t j) { return proben[j] == kAushubsand + m; });
            quellen.insert(quellen.end(), quelle.begin(), quelle.end());
        }
        if (!quellen.empty() && (blatt.GetPruefart() != 1015 || quellen.size() == 3))
            SetzeQuellen(blatt, quellen);
    }
}

} // namespace

MusterProjekt BaueMusterprojekt()
{
    MusterProjekt projekt{Metadaten(), Titelbaum(), Vorgaben(), {}};
    const std::vector<Einsatz>& plan = Bauablauf();
    // The running numbers follow the working days.
    std::vector<size_t> folge(plan.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::ranges::stable_sort(folge, {}, [&](size_t i) { return plan[i].tag; });
    std::vector<int> laufend(plan.size());
    for (size_t rang = 0; rang < folge.size(); ++rang)
        laufend[folge[rang]] = static_cast<int>(rang);

    for (size_t i = 0; i < plan.size(); ++i) {
        const Einsatz& e = plan[i];
        const int nummer = static_cast<int>(i);
        const Ort ort{e.schicht, e.station, e.lage, Arbeitstag(e.tag)};
        const Pruefart& art = e.art ? *e.art : PruefartVon(e.pruefart);
        projekt.protokolle.push_back(
            e.pruefart == 1000
                ? BaueKornprotokoll(e.probe, nummer, laufend[i], e.titel, ort, e.messungen)
                : BaueProtokollMit(art.fuelle, e.pruefart, art, nummer, laufend[i], e.titel, ort,
                                   e.messungen));
    }
    for (size_t i = 0; i < plan.size(); ++i) {
        std::vector<const CProtokoll*> quellen;
        for (size_t quelle : plan[i].quellen)
            quellen.push_back(&projekt.protokolle[quelle]);
        if (!quellen.empty())
            SetzeQuellen(projekt.protokolle[i], quellen);
    }
    return projekt;
}

MusterProjekt BaueGrossesProjekt(int anzahlProtokolle, int anzahlMessungen)
{
    MusterProjekt projekt{Metadaten(), GrosserTitelbaum(5), Vorgaben(), {}};
    const int titelAnzahl = static_cast<int>(projekt.titel.size());
    const int artAnzahl = kLetztePruefart - kErstePruefart + 1;
    projekt.protokolle.reserve(anzahlProtokolle);
    // The grain-size analyses take the sample's materials in turn.
    std::vector<int> proben(anzahlProtokolle, -1);
    for (int i = 0; i < anzahlProtokolle; ++i) {
        // Spread the measurements evenly; the first protocols take the remainder.
        const int messungen =
            anzahlMessungen / anzahlProtokolle + (i < anzahlMessungen % anzahlProtokolle ? 1 : 0);
        const std::string titelId = std::to_string(i % (titelAnzahl + 1));
        const int pruefart = kErstePruefart + i % artAnzahl;
        if (pruefart != 1000) {
            projekt.protokolle.push_back(BaueProtokoll(pruefart, i, titelId, messungen));
            continue;
        }
        proben[i] = i / artAnzahl % kKornproben;
        const Kornmaterial& material = Kornmaterialien()[proben[i]];
        projekt.protokolle.push_back(
            BaueKornprotokoll(static_cast<Kornprobe>(proben[i]), i, i, titelId,
                              StandardOrt(1000, i, material.schicht), messungen));
    }
    VerweiseAufNaechste(projekt.protokolle, proben);
    return projekt;
}

bool SchreibeProjektDatei(const MusterProjekt& projekt, const std::string& pfad)
{
    std::remove(pfad.c_str());
    CProjektDatei datei;
    datei.SetzeDateiname(pfad);
    if (!datei.OeffneZumSchreiben())
        return false;
    bool gut = datei.SchreibeMetadatenSatz(BaueMetadatenXml(projekt.metadaten)) >= 0 &&
               datei.SchreibeTitellisteSatz(BaueTitellisteXml(projekt.titel)) >= 0 &&
               datei.SchreibeVorgabedatenSatz(BaueVorgabedatenXml(projekt.vorgaben)) >= 0;
    for (const CProtokoll& protokoll : projekt.protokolle) {
        if (gut)
            gut = datei.FuegeEintragHinzu(protokoll.GetID(), protokoll.SchreibeXML()) >= 0;
    }
    datei.Schliesse();
    return gut;
}
