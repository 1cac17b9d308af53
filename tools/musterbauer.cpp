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
#include <numbers>
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

const std::array<const char*, 4> kBereiche = {"Bauabschnitt 1 Nord", "Bauabschnitt 2 Süd",
                                              "Brücke BW 3", "Anschlussstelle West"};
const std::array<const char*, 5> kSchichten = {"Erdplanum", "Dammschüttung", "Frostschutzschicht",
                                               "Schottertragschicht", "Bodenaustausch"};
const std::array<const char*, 5> kLagen = {"Achse", "links 2,5 m", "rechts 2,5 m", "links 5,0 m",
                                           "rechts 4,0 m"};
const std::array<const char*, 6> kBodenarten = {"GW", "GU", "SU*", "TL", "UL", "GE"};
const std::array<const char*, 4> kHerkuenfte = {"Seitenentnahme", "Aushub km 1+200",
                                                "Kieswerk Auental", "Recyclingbaustoff RC 1"};
const std::array<const char*, 4> kZustaende = {"erdfeucht", "feucht", "trocken", "nass"};
const std::array<const char*, 3> kPruefer = {"K. Brenner", "S. Lindholm", "M. Ortwein"};

// Station as the sibling program writes it: kilometre "+" metres with a decimal comma.
std::string Station(int nummer, int index)
{
    const int zentimeter = (nummer * 3713 + index * 2537) % 240000;
    return StringFormat("%d+%03d,%02d", zentimeter / 100000, zentimeter / 100 % 1000,
                        zentimeter % 100);
}

// Dates of a working year, "JJJJMMTT".
std::string Pruefdatum(int nummer)
{
    const int tag = nummer * 5 % 300;
    return StringFormat("2026%02d%02d", 3 + tag / 28 % 9, 1 + tag % 28);
}

// The project's protocol-number prefix.
constexpr const char* kNummernPraefix = "OL";

// The number of the protocol `nummer` of a project: running number and test code.
std::string Protokollnummer(int nummer, const std::string& kuerzel)
{
    return StringFormat("%05d%s", nummer + 1, kuerzel.c_str());
}

// The protocol `nummer` as another protocol of the project cites it, with the prefix.
std::string Protokollverweis(int nummer, const std::string& kuerzel)
{
    return std::string(kNummernPraefix) + "-" + Protokollnummer(nummer, kuerzel);
}

// Where the header of the protocol `nummer` places it: station and position of its first test
// point.
std::string Kopfstation(int nummer)
{
    return Station(nummer, 0);
}

std::string Kopflage(int nummer)
{
    return Auswahl(kLagen, nummer, 3);
}

// The soil of a protocol whose test or sample names it: dug on the site, from or for one of the
// earthwork layers.
void SetzeBoden(CProtokoll& protokoll, int nummer, const std::string& bodenart)
{
    static const std::array<const char*, 3> erdbau = {"Dammschüttung", "Erdplanum",
                                                      "Bodenaustausch"};
    protokoll.SetzeFeld(1, 2, Auswahl(erdbau, nummer, 2));
    protokoll.SetzeFeld(1, 4, bodenart);
    protokoll.SetzeFeld(1, 5, "Aushub km 1+200");
}

// ---- Test types --------------------------------------------------------------------------------

struct Pruefart
{
    const char* kuerzel;         // of the protocol number
    int unterart;                // "pruefart_VER"
    const char* unterartKuerzel; // "pruefunterartKuerzel", where a sub-type needs its own code
};

// Codes of the test types 1000 to 1020 (1019 has no catalogue row; the viewer must still list
// it).
const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1>& Pruefarten()
{
    static const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1> arten = {{
        {"KV", 1, ""},   {"PV", 1, ""}, {"D_", 1, ""}, {"LD", 1, ""}, {"RS", 1, ""}, {"LP", 1, ""},
        {"ZG", 1, ""},   {"DT", 1, ""}, {"KD", 1, ""}, {"BV", 1, ""}, {"BA", 1, ""}, {"WG", 1, ""},
        {"L5", 1, ""},   {"GV", 1, ""}, {"SE", 1, ""}, {"FT", 1, ""}, {"CA", 1, ""}, {"WD", 2, ""},
        {"GP", 2, "GP"}, {"", 1, ""},   {"AN", 1, ""},
    }};
    return arten;
}

const Pruefart& PruefartVon(int pruefart)
{
    return Pruefarten()[pruefart - kErstePruefart];
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
// place the header names; the others lie further along in the header's layer. The header must be
// set first.
MESSUNG NeueMessung(const CProtokoll& protokoll, int nummer, int i, std::string daten)
{
    MESSUNG messung;
    messung.lfdNr = std::to_string(i + 1);
    messung.lfdNrWert = i + 1;
    messung.station = i == 0 ? protokoll.HoleFeld(1, 1) : Station(nummer, i);
    messung.schicht = protokoll.HoleFeld(1, 2);
    messung.lage = i == 0 ? protokoll.HoleFeld(1, 3) : Auswahl(kLagen, nummer + i, 12);
    messung.daten = std::move(daten);
    return messung;
}

// Measurements without values of their own: the lists take the protocol's results, which its
// report prints, or show none.
void FuegeMessungenHinzu(CProtokoll& protokoll, int nummer, int anzahl)
{
    for (int i = 0; i < anzahl; ++i)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, nummer, i, ""));
}

// ---- Note, water content and grain density: table data in group 4 of the special data text ----

// Values of one field, one "@" sub-value per sample or partial test.
std::string Unterwerte(const std::vector<std::string>& werte)
{
    std::string feld;
    for (size_t i = 0; i < werte.size(); ++i)
        feld += (i ? "@" : "") + werte[i];
    return feld;
}

std::string Felder(const std::vector<std::string>& felder)
{
    std::string gruppe;
    for (size_t i = 0; i < felder.size(); ++i)
        gruppe += (i ? "|" : "") + felder[i];
    return gruppe;
}

// A laboratory computes its results from the values on its sheet: a raw value is rounded as the
// report prints it, and what follows is computed from that number.
double Gerundet(double wert, int stellen)
{
    return StringZuDoubleC(StringFormat("%.*f", stellen, wert).c_str());
}

std::string Text(double wert, int stellen)
{
    return StringFormat("%.*f", stellen, wert);
}

// A site-meeting note of two pages: more than the fifty lines of the first page.
const std::vector<const char*>& Notiztext()
{
    static const std::vector<const char*> zeilen = {
        "Teilnehmer: Bauherr (Herr Albers), Bauleitung Tiefbau Kranich",
        "(Frau Decker), Prüflabor (Herr Brenner, Frau Lindholm)",
        "",
        "1. Stand der Erdarbeiten",
        "   Die Dammschüttung zwischen km 0+350 und km 0+620 ist bis",
        "   etwa 0,8 m unter Planum hergestellt. Eingebaut wird Boden",
        "   aus der Seitenentnahme (GU, erdfeucht).",
        "   Der Abschnitt km 0+620 bis km 0+800 ruht wegen Nässe.",
        "",
        "2. Ergebnisse der Eigenüberwachung",
        "   Die Verdichtungsprüfungen der letzten Woche erreichen im",
        "   Mittel einen Verdichtungsgrad von 98,6 %. Zwei Werte bei",
        "   km 0+410 liegen mit 96,1 % und 96,4 % unter der Anforderung.",
        "   Die Lage wird dort nachverdichtet und erneut geprüft.",
        "   Die Wassergehalte liegen 1 bis 2 % über dem optimalen",
        "   Wassergehalt des Proctorversuchs.",
        "",
        "3. Witterung",
        "   Bei anhaltendem Regen ist der Einbau einzustellen. Die",
        "   Oberfläche ist am Abend mit Gefälle abzuwalzen, damit",
        "   Niederschlag abläuft.",
        "",
        "4. Bodenaustausch Brücke BW 3",
        "   Die Aushubsohle zeigt bindigen Boden (TL) in weicher bis",
        "   steifer Konsistenz. Der Austausch wird auf 0,60 m Dicke",
        "   festgelegt; als Ersatz dient Kiessand 0/32 aus dem",
        "   Kieswerk Auental. Nach dem Einbau sind je 500 m² ein",
        "   statischer Plattendruckversuch und zwei dynamische",
        "   Plattendruckversuche durchzuführen.",
        "",
        "5. Kalkbehandlung",
        "   Für den Abschnitt Süd wird eine Bodenverbesserung mit",
        "   Mischbinder geprüft. Das Labor legt bis zur nächsten",
        "   Besprechung die Eignungsprüfung mit drei Bindemittel-",
        "   gehalten vor (2, 3 und 4 %).",
        "",
        "6. Probenahme",
        "   Proben für Wassergehalt und Korndichte werden je Lage",
        "   und Abschnitt entnommen und im Labor Nord untersucht.",
        "   Die Probenbehälter sind mit Station und Lage zu",
        "   beschriften.",
        "",
        "7. Termine",
        "   Nächste Baubesprechung am Dienstag, 09:00 Uhr, im",
        "   Baucontainer an der Anschlussstelle West.",
        "   Die Ergebnisse der Nachprüfung bei km 0+410 werden bis",
        "   Freitag übermittelt.",
        "",
        "8. Verschiedenes",
        "   Die Zufahrt über den Wirtschaftsweg ist für Fahrzeuge über",
        "   7,5 t gesperrt; Transporte fahren über die B 417.",
        "   Die Beweissicherung an den Nachbargebäuden ist abgeschlossen.",
        "",
        "Aufgestellt: S. Lindholm",
        "Verteiler: Teilnehmer, Bauakte",
    };
    return zeilen;
}

void FuelleNotiz(CProtokoll& protokoll, int nummer, int)
{
    std::string text;
    for (const char* zeile : Notiztext())
        text += (text.empty() ? "" : "#CRLF#") + std::string(zeile);
    const int seiten = static_cast<int>((Notiztext().size() + 49) / 50);
    protokoll.SetzeFeld(3, 0, std::to_string(seiten));
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Auswahl(kBereiche, nummer, 1), "Baubesprechung Nr. 14",
                   "Verdichtung Dammschüttung und Bodenaustausch", "014", Pruefdatum(nummer),
                   "S. Lindholm", text,
                   "Lageplan Prüfstellen#CRLF#Prüfprotokolle KW 11#CRLF#Fotodokumentation#CRLF#"
                   "Terminplan Erdbau",
                   "", "", std::to_string(seiten), "", "Aktennotiz Baubesprechung"}));
}

// Three partial samples of one place and depth, taken to average out the scatter of a single
// dish; the protocol's one measurement stands at that place and carries the mean.
void FuelleWassergehalt(CProtokoll& protokoll, int nummer, int messungen)
{
    constexpr int kProben = 3;
    const double wBoden = 0.06 + 0.12 * Streuwert(nummer, 0, 23);
    const std::string stelle = protokoll.HoleFeld(1, 1) + "#CRLF#" + protokoll.HoleFeld(1, 3);
    const std::string tiefe = Text(0.3 + 0.1 * std::floor(12 * Streuwert(nummer, 0, 24)), 1);
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
        protokoll.FuegeMessungHinzu(
            NeueMessung(protokoll, nummer, 0, Messdaten({{"WNAT", mittel}})));
}

void FuelleKorndichte(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr int kTeilversuche = 3;
    std::vector<std::string> kolben, m1, volumen, temperatur, dichteWasser, m2, m3, rohdichte;
    double summe = 0;
    for (int j = 0; j < kTeilversuche; ++j) {
        const double masseKolben = Gerundet(92.0 + 8.0 * Streuwert(nummer, j, 31), 3);
        const double v = Gerundet(249.9 + 0.4 * Streuwert(nummer, j, 32), 2);
        const double t = Gerundet(19.5 + 1.5 * Streuwert(nummer, j, 33), 1);
        // Density of water near 20 °C, enough for a sample.
        const double rhoW = Gerundet(0.99820 - 0.00021 * (t - 20.0), 4);
        const double probe = 48.0 + 8.0 * Streuwert(nummer, j, 34);
        const double rho = 2.62 + 0.08 * Streuwert(nummer, j, 35);
        const double mitProbe = Gerundet(masseKolben + probe, 3);
        const double mitWasser = Gerundet(mitProbe + (v - probe / rho) * rhoW, 3);
        // The sample's volume is the flask's less the water that fills the rest.
        const double gemessen =
            Gerundet((mitProbe - masseKolben) / (v - (mitWasser - mitProbe) / rhoW), 3);
        summe += gemessen;
        kolben.push_back(StringFormat("P%02d", 3 + j * 4));
        m1.push_back(Text(masseKolben, 3));
        volumen.push_back(Text(v, 2));
        temperatur.push_back(Text(t, 1));
        dichteWasser.push_back(Text(rhoW, 4));
        m2.push_back(Text(mitProbe, 3));
        m3.push_back(Text(mitWasser, 3));
        rohdichte.push_back(Text(gemessen, 3));
    }
    const std::string mittel = Text(summe / kTeilversuche, 3);
    protokoll.SetzeSpeziellGruppe(
        4, Felder({Unterwerte(kolben), Unterwerte(m1), Unterwerte(volumen), Unterwerte(temperatur),
                   Unterwerte(dichteWasser), Unterwerte(m2), Unterwerte(m3), Unterwerte(rohdichte),
                   "", mittel}));
    SetzeEckdaten(protokoll, {{"Rohdichte", mittel + " g/cm³"}});
}

// ---- Proctor test: five compaction points around a clear optimum ------------------------------

std::string Zahlen(const std::vector<double>& werte, const char* format)
{
    std::vector<std::string> texte;
    for (double w : werte)
        texte.push_back(StringFormat(format, w));
    return Unterwerte(texte);
}

// Tick values from the multiple of `schritt` below `von` to the one above `bis`.
std::string Striche(double von, double bis, double schritt, const char* format)
{
    std::vector<double> werte;
    for (double w = std::floor(von / schritt) * schritt; w < bis + schritt * 0.999; w += schritt)
        werte.push_back(w);
    return Zahlen(werte, format);
}

// The sample's Proctor tests are standard Proctor tests after DIN 18127 in the 100 mm cylinder
// (2.5 kg rammer, 300 mm drop, three layers of 25 blows) on a silty sand of at most 20 mm grain.
constexpr double kProctorVolumen = 942.5; // cm³ of the 100 mm by 120 mm cylinder, as printed
constexpr double kProctorKorndichte = 2.65;
constexpr const char* kProctorBoden = "SU";

// A Proctor test and the protocols that work with its soil name that soil in their headers,
// built in near its optimum water content.
void SetzeBezugsboden(CProtokoll& protokoll, int nummer)
{
    SetzeBoden(protokoll, nummer, kProctorBoden);
    protokoll.SetzeFeld(1, 6, "erdfeucht");
}

// A Proctor test as its page prints it: the points from the printed masses, the optimum where the
// drawn curve peaks, and the water contents, densities and pores at 100, 98, 97 and 95 %.
struct Proctorversuch
{
    double zylinder = 0;
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

Proctorversuch Proctor(int nummer)
{
    constexpr int kPunkte = 5;
    const double wZiel = 0.088 + 0.024 * Streuwert(nummer, 0, 42);
    const double dichteZiel = 1.89 + 0.06 * Streuwert(nummer, 0, 43);
    // Dry density falls off as a parabola on both sides of the optimum; the outer points lie
    // below 95 % so that the curve reaches every degree of the table.
    constexpr double kKruemmung = 60.0;
    Proctorversuch v;
    v.zylinder = Gerundet(4200 + 40 * Streuwert(nummer, 0, 41), 0);
    for (int i = 0; i < kPunkte; ++i) {
        const double wi = wZiel + 0.022 * (i - 2) + 0.003 * (Streuwert(nummer, i, 44) - 0.5);
        const double rho = dichteZiel - kKruemmung * (wi - wZiel) * (wi - wZiel) +
                           0.004 * (Streuwert(nummer, i, 45) - 0.5);
        const double mt = Gerundet(245 + 10 * Streuwert(nummer, i, 46), 1);
        const double md = Gerundet(480 + 40 * Streuwert(nummer, i, 47), 1);
        const double mf = Gerundet(mt + md * (1 + wi), 1);
        const double w = Gerundet((mf - (mt + md)) / md, 3);
        const double feucht = Gerundet(v.zylinder + rho * (1 + w) * kProctorVolumen, 1);
        const double dichte = Gerundet((feucht - v.zylinder) / kProctorVolumen, 3);
        v.tara.push_back(mt);
        v.taraTrocken.push_back(mt + md);
        v.taraFeucht.push_back(mf);
        v.w.push_back(w);
        v.feuchtMitZylinder.push_back(feucht);
        v.trockenMitZylinder.push_back(Gerundet(v.zylinder + (feucht - v.zylinder) / (1 + w), 1));
        v.dichteFeucht.push_back(dichte);
        v.dichteTrocken.push_back(Gerundet(dichte / (1 + w), 3));
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

void FuelleProctor(CProtokoll& protokoll, int nummer, int messungen)
{
    SetzeBezugsboden(protokoll, nummer);
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Proctorversuch v = Proctor(nummer);
    const std::vector<double> zylinder(v.w.size(), v.zylinder), hoehe(v.w.size(), 120.0),
        volumen(v.w.size(), kProctorVolumen);
    protokoll.SetzeSpeziellGruppe(4, Felder({Zahlen(v.tara, "%.1f"),
                                             Zahlen(v.taraTrocken, "%.1f"),
                                             Zahlen(v.taraFeucht, "%.1f"),
                                             Zahlen(v.w, "%.3f"),
                                             Zahlen(zylinder, "%.0f"),
                                             Zahlen(hoehe, "%.1f"),
                                             Zahlen(volumen, "%.1f"),
                                             Zahlen(v.feuchtMitZylinder, "%.1f"),
                                             Zahlen(v.trockenMitZylinder, "%.1f"),
                                             Zahlen(v.dichteFeucht, "%.3f"),
                                             Zahlen(v.dichteTrocken, "%.3f"),
                                             "0.000",
                                             "",
                                             "",
                                             Zahlen(v.w, "%.3f"),
                                             Zahlen(v.dichteTrocken, "%.3f"),
                                             Text(kProctorKorndichte, 2),
                                             "",
                                             "",
                                             Zahlen(v.wasserJeGrad, "%.3f"),
                                             Zahlen(v.dichteJeGrad, "%.3f"),
                                             Zahlen(v.poren, "%.3f"),
                                             Zahlen(v.luftporen, "%.3f"),
                                             "",
                                             "",
                                             "Proctortopf 100 mm",
                                             "100",
                                             "120",
                                             Text(kProctorVolumen, 1),
                                             Text(v.zylinder, 0),
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
        5, Felder({Striche(wMin, wMax, 0.02, "%.2f"),
                   Striche(dichteMin - 0.03, v.dichte + 0.03, 0.05, "%.2f"), Zahlen(v.w, "%.3f"),
                   Zahlen(v.dichteTrocken, "%.3f"), Text(v.wOpt, 3), Text(v.dichte, 3),
                   Zahlen(wSaettigung, "%.3f"), Zahlen(dichteSaettigung, "%.3f")}));
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
    const char* schicht;              // where the sample comes from, for the header
    const char* herkunft;
};

enum Kornprobe
{
    kSandkies,     // sandy gravel 0/32 of the frost protection layer, today's sample
    kFeinsand,     // fine sand of the cutting, the soil a drain's filters hold back
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
        {{{0.063, 4.2}, {0.125, 7.9}, {0.25, 14.6}, {0.5, 23.8}, {1, 32.5}, {2, 41.0}, {4, 52.3},
          {8, 65.8}, {16, 81.4}, {31.5, 96.2}, {63, 100.0}},
         {{0.06, 4.1}, {0.03, 3.4}, {0.02, 3.0}, {0.01, 2.3}, {0.006, 1.8}, {0.002, 1.1}},
         5124.6, 6.3, "Nasssiebung mit Sedimentation", &kFrostschutzschicht032,
         "Frostschutzschicht", "Kieswerk Auental"},
        {{{0.063, 4.5}, {0.125, 21.8}, {0.25, 67.9}, {0.5, 93.2}, {1, 99.1}, {2, 100.0}},
         {}, 612.4, 0.8, "Nasssiebung", nullptr, "Erdplanum", "Aushub km 1+200"},
        {{{0.063, 0.6}, {0.125, 1.4}, {0.25, 3.9}, {0.5, 14.2}, {1, 41.5}, {2, 74.8}, {4, 97.1},
          {8, 100.0}},
         {}, 1528.7, 1.2, "Trockensiebung", nullptr, "Filterschicht", "Kieswerk Auental"},
        {{{0.063, 0.3}, {0.125, 0.4}, {0.25, 0.6}, {0.5, 0.9}, {1, 1.5}, {2, 4.6}, {4, 33.8},
          {8, 91.2}, {16, 100.0}},
         {}, 2486.2, 1.9, "Trockensiebung", nullptr, "Filterschicht", "Kieswerk Auental"},
        {{{0.063, 10.8}, {0.125, 16.4}, {0.25, 24.1}, {0.5, 33.6}, {1, 42.9}, {2, 51.8},
          {4, 62.4}, {8, 74.7}, {16, 88.1}, {31.5, 97.9}, {63, 100.0}},
         {{0.06, 10.6}, {0.03, 8.7}, {0.02, 7.5}, {0.01, 5.8}, {0.006, 4.6}, {0.002, 2.9}},
         4871.3, 5.1, "Nasssiebung mit Sedimentation", &kFrostschutzschicht032,
         "Frostschutzschicht", "Kieswerk Auental"},
        {{{0.063, 2.1}, {0.125, 3.5}, {0.25, 6.2}, {0.5, 10.4}, {1, 15.8}, {2, 22.6}, {4, 33.1},
          {8, 49.4}, {16, 70.2}, {31.5, 92.3}, {63, 100.0}},
         {}, 5386.9, 4.4, "Nasssiebung", &kFrostschutzschicht032,
         "Frostschutzschicht", "Kieswerk Auental"},
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
            std::round((material.einwaage - material.verlust) * (oben - unten) / 10) / 10);
        gesamt += rueckstand.back();
    }
    Siebtabelle tabelle;
    double durchgang = 0;
    for (size_t i = 0; i <= siebe.size(); ++i) {
        tabelle.rueckstand.push_back(StringFormat("%.1f", rueckstand[i]));
        tabelle.anteil.push_back(StringFormat("%.1f", 100 * rueckstand[i] / gesamt));
        if (i == siebe.size())
            break;
        durchgang += rueckstand[i];
        tabelle.weite.push_back(StringFormat("%g", siebe[i].first));
        tabelle.summe.push_back(StringFormat("%.1f", 100 * durchgang / gesamt));
    }
    tabelle.einwaage = StringFormat("%.1f", material.einwaage);
    tabelle.verlust = StringFormat("%.1f", material.einwaage - gesamt);
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
    const auto Prozent = [](double wert) { return StringFormat("%.1f", wert); };
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
        {6, "Ungleichförmigkeitszahl", "C<t>U", "[-]", StringFormat("%.1f", u)},
        {1, "Krümmungszahl", "C<t>C", "[-]", StringFormat("%.2f", cc)},
        {3, "Sandanteil", "", "[M.-%]", Prozent(sand)},
        {4, "Kiesanteil", "", "[M.-%]", Prozent(kies)},
        {5, "Steinanteil", "", "[M.-%]", Prozent(100 - *DurchgangBei(kurve, 63))},
        {17, "Reibungswinkel (geschätzt)", "<fs>j<fn>", "[°]", Reibungswinkel(gruppe)},
        {7, "Größtkorn", "d<t>100", "[mm]", StringFormat("%g", groesstes->first)},
        {8, "Bodengruppe nach DIN 18196", "", "", gruppe},
        {9, "Frostempfindlichkeit", "", "", Frostempfindlichkeit(gruppe, feinkorn, u)},
    };
    if (ton) {
        werte.push_back({0, "Tonanteil", "", "[M.-%]", Prozent(*ton)});
        werte.push_back({2, "Schluffanteil", "", "[M.-%]", Prozent(feinkorn - *ton)});
    }
    const int anteile[] = {10, 15, 17, 30, 50, 60, 85};
    for (size_t k = 0; k < std::size(anteile); ++k) {
        if (const std::optional<double> d = KornBei(kurve, anteile[k]))
            werte.push_back({10 + k, StringFormat("Korngröße bei %d %%", anteile[k]),
                             StringFormat("d<t>%d", anteile[k]), "[mm]", StringFormat("%.3f", *d)});
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
        return {g.min, g.max, StringFormat("%.1f", abweichung)};
    }
    return {};
}

void FuelleKornprobe(CProtokoll& protokoll, int nummer, int messungen, const Kornmaterial& material)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Siebtabelle tabelle = Siebanalyse(material);
    std::vector<std::string> feinWeite, feinDurchgang;
    for (const auto& [w, d] : material.schlaemmung) {
        feinWeite.push_back(StringFormat("%g", w));
        feinDurchgang.push_back(StringFormat("%.1f", d));
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
    // The header names the sample's place and the group the analysis gives.
    protokoll.SetzeFeld(1, 2, material.schicht);
    protokoll.SetzeFeld(1, 4, std::ranges::find(kennwerte, 8u, &Kennwert::index)->wert);
    protokoll.SetzeFeld(1, 5, material.herkunft);
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

// The consistency after DIN 18122, named as the consistency bar names its bands.
const char* Konsistenz(double ic)
{
    return ic > 1.25   ? "fest"
           : ic > 1.0  ? "halbfest"
           : ic > 0.75 ? "steif"
           : ic > 0.5  ? "weich"
           : ic > 0    ? "breiig"
                       : "flüssig";
}

double MittlererWassergehalt(const std::vector<Wasserprobe>& proben)
{
    double summe = 0;
    for (const Wasserprobe& p : proben)
        summe += p.w;
    return Gerundet(summe / static_cast<double>(proben.size()), 3);
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
    const double wl = std::round(FliessW(25) * 1000) / 1000;

    // Plastic limit: three rolling tests; natural water content: three samples.
    std::vector<Wasserprobe> ausroll, natuerlich;
    for (int i = 0; i < 3; ++i) {
        ausroll.push_back(BildeWasserprobe(14 + 3 * Streuwert(nummer, i, 57),
                                           5 + 2 * Streuwert(nummer, i, 58),
                                           wpSoll + 0.006 * (Streuwert(nummer, i, 59) - 0.5)));
        natuerlich.push_back(BildeWasserprobe(
            38 + 6 * Streuwert(nummer, i, 60), 60 + 20 * Streuwert(nummer, i, 61),
            wpSoll + 0.1 * (wlSoll - wpSoll) + 0.006 * (Streuwert(nummer, i, 62) - 0.5)));
    }
    const double wp = MittlererWassergehalt(ausroll);
    const double ip = Gerundet(wl - wp, 3);
    const double wnat = MittlererWassergehalt(natuerlich);

    // Oversize above 0.4 mm: a little gravelly sand that holds less water. The consistency is
    // that of the fines, whose water content the oversize would understate.
    const double md = Gerundet(450 + 50 * Streuwert(nummer, 0, 63), 1);
    const double mUeber = Gerundet(md * (0.08 + 0.06 * Streuwert(nummer, 0, 64)), 1);
    const double wUeber = 0.04;
    const double ue = Gerundet(mUeber / md, 3);
    const double wFein = Gerundet((wnat - ue * wUeber) / (1 - ue), 3);
    const double ic = Gerundet((wl - wFein) / ip, 2);
    const std::string gruppe = Bodengruppe(wl, ip);
    SetzeBoden(protokoll, nummer, gruppe);
    protokoll.SetzeFeld(1, 6, Konsistenz(ic));
    FuegeMessungenHinzu(protokoll, nummer, messungen);

    std::vector<std::string> tara(15), feucht(15), trocken(15), w(15), n7;
    const auto Setze = [&](size_t stelle, const Wasserprobe& p) {
        tara[stelle] = StringFormat("%.2f", p.tara);
        feucht[stelle] = StringFormat("%.2f", p.feucht);
        trocken[stelle] = StringFormat("%.2f", p.trocken);
        w[stelle] = StringFormat("%.3f", p.w);
    };
    for (size_t i = 0; i < fliess.size(); ++i) {
        Setze(i, fliess[i]);
        n7.push_back(StringFormat("%.0f", n[i]));
    }
    for (size_t i = 0; i < 3; ++i) {
        Setze(7 + i, natuerlich[i]);
        Setze(10 + i, ausroll[i]);
    }
    const std::string Wnat = StringFormat("%.3f", wnat);
    protokoll.SetzeSpeziellGruppe(4, Felder({Unterwerte(tara),
                                             Unterwerte(feucht),
                                             Unterwerte(trocken),
                                             Unterwerte(w),
                                             Unterwerte(n7),
                                             Wnat,
                                             "",
                                             Wnat,
                                             StringFormat("%.3f", wl),
                                             StringFormat("%.3f", wp),
                                             StringFormat("%.3f", ip),
                                             StringFormat("%.2f", ic),
                                             StringFormat("%.2f", 1 - ic),
                                             "",
                                             "",
                                             StringFormat("%.1f", md),
                                             StringFormat("%.1f", mUeber),
                                             StringFormat("%.3f", wUeber),
                                             StringFormat("%.3f", ue),
                                             StringFormat("%.3f", wFein)}));
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
        Felder({"10@15@20@25@30@40@50", Striche(*wMin - 0.01, *wMax + 0.01, 0.02, "%.2f"),
                Zahlen(n, "%.0f"), Zahlen(wPunkte, "%.3f"),
                StringFormat("10@%.3f@50@%.3f", FliessW(10), FliessW(50)), StringFormat("%.3f", wl),
                "", "0@10@20@30@40@50@60@70", StringFormat("%.3f", wp), StringFormat("%.3f", wl),
                StringFormat("%.3f", ip), "",
                "2.00@1.75@1.50@1.25@1.00@0.75@0.50@0.25@0.00@-0.25@-0.50",
                StringFormat("%.2f", ic), "", StringFormat("%.3f", wl), StringFormat("%.3f", ip)}));
}

// ---- Dynamic probing: heavy probe through fill, soft clay, sand and dense gravel -------------

struct Schicht
{
    double bisTiefe; // m below the starting point
    double schlaegeMin, schlaegeSpanne;
    const char* bemerkung;
};

const Schicht kSondierSchichten[] = {
    {0.8, 4, 4, "Auffüllung"},
    {2.4, 1, 3, "Ton, weich"},
    {5.0, 8, 7, "Sand, mitteldicht"},
    {6.2, 18, 16, "Kies, dicht"},
};

void FuelleRammsondierung(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    std::vector<std::string> schlaege, bemerkungen, tiefen{"0.0"};
    int schicht = -1;
    for (int i = 0; i < 62; ++i) {
        const double tiefe = (i + 1) / 10.0;
        const int neu = static_cast<int>(
            std::find_if(std::begin(kSondierSchichten), std::end(kSondierSchichten),
                         [&](const Schicht& s) { return tiefe <= s.bisTiefe + 1e-9; }) -
            std::begin(kSondierSchichten));
        const Schicht& s = kSondierSchichten[neu];
        const double n = s.schlaegeMin + s.schlaegeSpanne * Streuwert(nummer, i, 31);
        schlaege.push_back(StringFormat("%.0f", n));
        // The remark stands on the first row of each layer.
        bemerkungen.push_back(neu != schicht ? s.bemerkung : "");
        schicht = neu;
        tiefen.push_back(StringFormat("%.1f", tiefe));
    }
    bemerkungen.back() = "Abbruch";
    std::vector<std::string> felder{Unterwerte(schlaege),
                                    Unterwerte(bemerkungen),
                                    "ja@ja@ja@ja@ja@ja@nein",
                                    "DPH",
                                    "15",
                                    "43.7",
                                    "50",
                                    "167",
                                    "Geländeoberkante, " + protokoll.HoleFeld(1, 3),
                                    "112.45",
                                    "2.40",
                                    "0.80",
                                    "0.30",
                                    "1.20"};
    felder.resize(36);
    felder.push_back("1"); // title after DIN EN ISO 22476-2
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"0@5@10@15@20@25@30@35", Unterwerte(tiefen), Unterwerte(schlaege), ""}));
    SetzeEckdaten(protokoll, {{"Sondiergerät", felder[3]},
                              {"Sondiertiefe", tiefen.back() + " m"},
                              {"Wasseranschnitt", felder[10] + " m"},
                              {"Auffüllung", felder[11] + " m"}});
}

// ---- Field density and nuclear gauge: up to five test points side by side -----------------------

// The reference Proctor test of the density and binder protocols: the second protocol of every
// project the builder makes.
constexpr int kBezugsproctorNummer = 1;

const Proctorversuch& Bezugsproctor()
{
    static const Proctorversuch proctor = Proctor(kBezugsproctorNummer);
    return proctor;
}

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

Dichtebezug BezugFuer(int nummer)
{
    const Proctorversuch& proctor = Bezugsproctor();
    return {proctor.dichte,
            proctor.wOpt,
            kProctorKorndichte,
            2.68,
            0.012,
            Protokollverweis(kBezugsproctorNummer, "PV"),
            nummer % 2 ? 100.0 : 98.0};
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

// A test point near the optimum, compacted to 96 to 102 % of the reference density; every
// second one holds some oversize grain.
Dichtepunkt ZielPunkt(const Dichtebezug& b, int nummer, int i)
{
    const double ueberkorn = i % 2 ? Gerundet(0.04 + 0.08 * Streuwert(nummer, i, 52), 3) : 0.0;
    const double w = WOptMitUeberkorn(b, ueberkorn) - 0.02 + 0.025 * Streuwert(nummer, i, 53);
    const double grad = 0.96 + 0.06 * Streuwert(nummer, i, 54);
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
        soll.push_back(StringFormat("%.0f", b.sollProzent));
    }
    return {Zahlen(korndichte, "%.3f"),
            Zahlen(poren, "%.3f"),
            Zahlen(luftporen, "%.3f"),
            Zahlen(wasserporen, "%.3f"),
            Zahlen(porenzahl, "%.3f"),
            Zahlen(saettigung, "%.2f"),
            "",
            Unterwerte(proctorNr),
            Zahlen(proctordichte, "%.3f"),
            Zahlen(wOpt, "%.3f"),
            Zahlen(ueberkorn, "%.3f"),
            Zahlen(wUeberkorn, "%.3f"),
            Zahlen(dichteUeberkorn, "%.3f"),
            Zahlen(proctordichteStrich, "%.3f"),
            Zahlen(wOptStrich, "%.3f"),
            Zahlen(grad, "%.1f"),
            Unterwerte(soll)};
}

// Fields 0 to 2 of both pages from the test points' places: station and profile, layer and lift,
// position.
std::vector<std::string> Beschreibungsfelder(const std::vector<MESSUNG>& stellen, int nummer)
{
    std::vector<std::string> station, schicht, lage;
    for (size_t i = 0; i < stellen.size(); ++i) {
        station.push_back(stellen[i].station + StringFormat("#CRLF#Profil %zu", 40 + 3 * i));
        schicht.push_back(stellen[i].schicht +
                          StringFormat("#CRLF#%zu. Lage", 1 + (nummer + i) % 4));
        lage.push_back(stellen[i].lage);
    }
    return {Unterwerte(station), Unterwerte(schicht), Unterwerte(lage)};
}

std::vector<MESSUNG> Pruefstellen(const CProtokoll& protokoll, int nummer, int punkte)
{
    std::vector<MESSUNG> stellen;
    for (int i = 0; i < punkte; ++i)
        stellen.push_back(NeueMessung(protokoll, nummer, i, ""));
    return stellen;
}

// Key data of a density protocol: the least and the greatest degree of compaction of its points
// and the one required.
void SetzeVerdichtungsEckdaten(CProtokoll& protokoll, const std::string& grade,
                               const std::string& soll)
{
    std::vector<std::string> werte;
    for (int i = 0; i < StringZaehleFelderZeichen(grade, '@'); ++i)
        werte.push_back(StringHoleFeld(grade, '@', i));
    const auto [kleinster, groesster] = std::minmax_element(
        werte.begin(), werte.end(), [](const std::string& a, const std::string& b) {
            return StringZuDoubleC(a.c_str()) < StringZuDoubleC(b.c_str());
        });
    SetzeEckdaten(protokoll, {{"Verdichtungsgrad min.", *kleinster + " %"},
                              {"Verdichtungsgrad max.", *groesster + " %"},
                              {"Verdichtungsgrad SOLL", StringHoleFeld(soll, '@', 0) + " %"}});
}

// One measurement per test point at the point's place, with the values its column of the page
// shows, read from the page's fields: water content in field 6 on both pages, the dry density
// and the soil parameters of Kennwertfelder where the page has them. Further measurements have
// no values.
void FuegeDichtemessungenHinzu(CProtokoll& protokoll, int nummer, int messungen,
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
    SetzeVerdichtungsEckdaten(protokoll, seite[kennwerte + 15], seite[kennwerte + 16]);
    for (int i = 0; i < messungen; ++i) {
        if (i >= static_cast<int>(stellen.size())) {
            protokoll.FuegeMessungHinzu(NeueMessung(protokoll, nummer, i, ""));
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
    case 3001: {
        const double l = Gerundet(19.5 + 1.5 * s, 1), h = 12.0 + (i % 3) * 0.5;
        return {Text(l, 1), "20.0", Text(h, 1), Gerundet(l * 20.0 * h, 1)};
    }
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

// Every field density protocol of a sample measures its volumes by one method, in turn.
void FuelleVerdichtung(CProtokoll& protokoll, int nummer, int messungen)
{
    const int verfahren = 3001 + nummer % 4;
    // One test point per measurement, five at most.
    const int anzahl = std::clamp(messungen, 1, 5);
    SetzeBezugsboden(protokoll, nummer);
    const Dichtebezug bezug = BezugFuer(nummer);
    std::vector<Dichtepunkt> punkte;
    std::vector<std::string> tara, feucht, trocken, wasser, a, b, c, volumen, taraProbe,
        feuchtProbe, feuchtdichte, trockendichte;
    for (int i = 0; i < anzahl; ++i) {
        const Dichtepunkt ziel = ZielPunkt(bezug, nummer, i);
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
    const std::vector<MESSUNG> stellen = Pruefstellen(protokoll, nummer, anzahl);
    std::vector<std::string> felder = Beschreibungsfelder(stellen, nummer);
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
    FuegeDichtemessungenHinzu(protokoll, nummer, messungen, stellen, felder, 14, 17);
}

// Three readings around a value, as a gauge shows them.
std::vector<double> Ablesungen(double wert, double streuung, int nummer, int i, int art)
{
    std::vector<double> werte;
    for (int k = 0; k < 3; ++k)
        werte.push_back(Gerundet(wert + streuung * (Streuwert(nummer, i * 3 + k, art) - 0.5), 3));
    return werte;
}

double Mittel(const std::vector<double>& werte)
{
    double summe = 0;
    for (double w : werte)
        summe += w;
    return Gerundet(summe / static_cast<double>(werte.size()), 3);
}

// The gauge protocols of a sample take the three methods in turn: water content and dry
// density, water content and wet density, both densities. The quantity not read follows from
// the means of the two that are.
void FuelleTroxler(CProtokoll& protokoll, int nummer, int messungen)
{
    const int verfahren = nummer % 3;
    // One test point per measurement, five at most.
    const int anzahl = std::clamp(messungen, 1, 5);
    SetzeBezugsboden(protokoll, nummer);
    const Dichtebezug bezug = BezugFuer(nummer);
    std::vector<Dichtepunkt> punkte;
    std::vector<std::string> erste[3], zweite[3];
    std::vector<double> wasser, trocken, feucht;
    for (int i = 0; i < anzahl; ++i) {
        const Dichtepunkt ziel = ZielPunkt(bezug, nummer, i);
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
    const std::vector<MESSUNG> stellen = Pruefstellen(protokoll, nummer, anzahl);
    std::vector<std::string> felder = Beschreibungsfelder(stellen, nummer);
    for (const auto& ablesung : erste)
        felder.push_back(Unterwerte(ablesung)); // 3 to 5
    felder.push_back(Zahlen(wasser, "%.3f"));   // 6
    for (const auto& ablesung : zweite)
        felder.push_back(Unterwerte(ablesung)); // 7 to 9
    felder.push_back(Zahlen(trocken, "%.3f"));  // 10
    felder.push_back("");
    felder.push_back("");
    for (const std::string& feld : Kennwertfelder(bezug, punkte))
        felder.push_back(feld); // 13 to 29
    felder.push_back("");
    for (const char* geraet : {"Nr. 38714", "IS 4640-B", "Cs-137", "Am-241:Be"})
        felder.push_back(geraet);                // 31 to 34
    felder.push_back(Zahlen(feucht, "%.3f"));    // 35
    felder.push_back(std::to_string(verfahren)); // 36
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    FuegeDichtemessungenHinzu(protokoll, nummer, messungen, stellen, felder, 10, 13);
}

// ---- Plate load tests: a static test on a 300 mm plate, dynamic tests of 10 and 15 kg -----------

constexpr double kPlattenradius = 150; // mm

// Least-squares parabola y = a0 + a1·x + a2·x² by its normal equations.
std::array<double, 3> Parabel(const std::vector<double>& x, const std::vector<double>& y)
{
    std::array<double, 5> summeX{};
    std::array<double, 3> summeXY{};
    for (size_t i = 0; i < x.size(); ++i) {
        double potenz = 1;
        for (size_t k = 0; k < summeX.size(); ++k) {
            summeX[k] += potenz;
            if (k < summeXY.size())
                summeXY[k] += potenz * y[i];
            potenz *= x[i];
        }
    }
    using Matrix = std::array<std::array<double, 3>, 3>;
    const auto Det = [](const Matrix& m) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
               m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    Matrix m;
    for (size_t r = 0; r < 3; ++r)
        for (size_t c = 0; c < 3; ++c)
            m[r][c] = summeX[r + c];
    const double d = Det(m);
    std::array<double, 3> a{};
    for (size_t k = 0; k < 3; ++k) {
        Matrix mk = m;
        for (size_t r = 0; r < 3; ++r)
            mk[r][k] = summeXY[r];
        a[k] = Det(mk) / d;
    }
    return a;
}

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

// A branch with its starting point, settlements in mm, for the fit; the coefficients as printed.
std::array<double, 3> PasseAn(double p0, double s0, const Laststufen& ast)
{
    std::vector<double> x{p0}, y{s0};
    for (size_t i = 0; i < ast.spannung.size(); ++i) {
        x.push_back(ast.spannung[i]);
        y.push_back(ast.setzung[i] / 100);
    }
    std::array<double, 3> a = Parabel(x, y);
    for (double& koeffizient : a)
        koeffizient = Gerundet(koeffizient, 4);
    return a;
}

Plattendruckversuch Plattendruck(int nummer)
{
    // A subgrade of mixed bearing capacity, some places too soft for Ev2 45. The first loading
    // stiffens under load; the second is nearly straight and two to two and a half times as stiff.
    const double ev1 = 12 + 24 * Streuwert(nummer, 0, 51);
    const double ev2 = ev1 * (2.0 + 0.45 * Streuwert(nummer, 0, 52));
    const double a2 = -2.0 - 2.0 * Streuwert(nummer, 0, 53);
    const double a1 = 1.5 * kPlattenradius / ev1 - a2 * kSpannungMax;
    const double a0 = 0.02 + 0.05 * Streuwert(nummer, 0, 54);
    const double b2 = -0.6 * Streuwert(nummer, 0, 55);
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

// The subgrade: its required Ev2 of 45 and Ev2/Ev1 of 2.5 are the ones the page prints.
constexpr const char* kPlanum = "Erdplanum";

void FuellePlattendruck(CProtokoll& protokoll, int nummer, int messungen)
{
    protokoll.SetzeFeld(1, 2, kPlanum);
    const Plattendruckversuch v = Plattendruck(nummer);
    const auto Anzahl = [](const Laststufen& l) { return std::to_string(l.spannung.size()); };
    const std::vector<std::string> felder = {Anzahl(v.erst),
                                             Zahlen(v.erst.spannung, "%.3f"),
                                             Zahlen(v.erst.ablesung, "%.0f"),
                                             Zahlen(v.erst.setzung, "%.0f"),
                                             Anzahl(v.ent),
                                             Zahlen(v.ent.spannung, "%.3f"),
                                             Zahlen(v.ent.ablesung, "%.0f"),
                                             Zahlen(v.ent.setzung, "%.0f"),
                                             Anzahl(v.zweit),
                                             Zahlen(v.zweit.spannung, "%.3f"),
                                             Zahlen(v.zweit.ablesung, "%.0f"),
                                             Zahlen(v.zweit.setzung, "%.0f"),
                                             "",
                                             "",
                                             StringFormat("%.4f", v.a[0]),
                                             StringFormat("%.4f", v.a[1]),
                                             StringFormat("%.4f", v.a[2]),
                                             StringFormat("%.1f", v.ev1),
                                             StringFormat("%.4f", v.b[0]),
                                             StringFormat("%.4f", v.b[1]),
                                             StringFormat("%.4f", v.b[2]),
                                             StringFormat("%.1f", v.ev2),
                                             StringFormat("%.2f", v.ev2 / v.ev1),
                                             "",
                                             "",
                                             StringFormat("%.2f", kUebersetzung),
                                             "300",
                                             "Sandbett",
                                             "Widerlager Lkw 26 t",
                                             "PDG 300 H",
                                             "PD-0417",
                                             "Messuhr",
                                             "MU 2208",
                                             "",
                                             "45",
                                             "2.5"};
    protokoll.SetzeSpeziellGruppe(4, Felder(felder));
    SetzeEckdaten(
        protokoll,
        {{"Ev1", felder[17] + " MN/m²"}, {"Ev2", felder[21] + " MN/m²"}, {"Ev2/Ev1", felder[22]}});
    // One test at one point: its measurement carries the results the page prints.
    if (messungen > 0)
        protokoll.FuegeMessungHinzu(NeueMessung(protokoll, nummer, 0,
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
        5, Felder({"0@0,1@0,2@0,3@0,4@0,5", Striche(0, hoechste, 50, "%.0f"),
                   Zahlen(v.erst.spannung, "%.3f"), Zahlen(v.erst.setzung, "%.0f"),
                   Zahlen(entLast, "%.3f"), Zahlen(entSetzung, "%.0f"), Zahlen(zweitLast, "%.3f"),
                   Zahlen(zweitSetzung, "%.0f")}));
}

// Dynamic plate load test: three drops after three preloading ones; the mean settlement gives
// Evd = 1.5 · r · σ / s.
struct Fallgewicht
{
    const char* geraet;
    const char* gewicht; // kg
    const char* hoehe;   // cm
    double spannung;     // MN/m² under the plate at the peak force
    double evdSoll;
};

const Fallgewicht kFallgewicht10{"LFG 10", "10", "72", 0.1, 40};
const Fallgewicht kFallgewicht15{"LFG 15", "15", "75", 0.15, 50};

// Decimal comma, as the sibling program prints heights.
std::string Hoehe(double meter)
{
    const int zentimeter = static_cast<int>(std::lround(meter * 100));
    return StringFormat("%d,%02d m NN", zentimeter / 100, zentimeter % 100);
}

// The page has room for ten test points; further measurements have no values.
constexpr int kDynPlattenpunkte = 10;

void FuelleDynPlatte(CProtokoll& protokoll, int nummer, int messungen, const Fallgewicht& art)
{
    std::array<std::vector<std::string>, 21> felder;
    for (int i = 0; i < messungen; ++i) {
        if (i >= kDynPlattenpunkte) {
            protokoll.FuegeMessungHinzu(NeueMessung(protokoll, nummer, i, ""));
            continue;
        }
        // Most points pass; about one in seven falls short of the required modulus.
        const double ziel = art.evdSoll * (0.9 + 0.7 * Streuwert(nummer, i, 61));
        const double mittel = 1.5 * kPlattenradius * art.spannung / ziel;
        double summe = 0;
        for (size_t s = 0; s < 3; ++s) {
            const double setzung =
                std::round(mittel * (1.03 - 0.03 * s + 0.02 * Streuwert(nummer, i, 62 + int(s))) *
                           1000) /
                1000;
            summe += setzung;
            felder[3 + s].push_back(StringFormat("%.3f", setzung));
        }
        const double mittelGemessen = std::round(summe / 3 * 1000) / 1000;
        const double evd = 1.5 * kPlattenradius * art.spannung / mittelGemessen;
        felder[7].push_back(StringFormat("%.1f", evd));
        felder[8].push_back(StringFormat("%.0f", art.evdSoll));
        const MESSUNG messung =
            NeueMessung(protokoll, nummer, i,
                        Messdaten({{"EVD", felder[7].back()}, {"EVD_SOLL", felder[8].back()}}));
        felder[0].push_back(messung.station + StringFormat("#CRLF#Profil %d", 12 + 2 * i));
        felder[1].push_back(messung.schicht + "#CRLF#" +
                            Hoehe(112.4 + 0.35 * Streuwert(nummer, i, 66)));
        felder[2].push_back(messung.lage);
        felder[6].push_back(StringFormat("%.3f", mittelGemessen));
        felder[20].push_back(StringFormat("%.1f", 1.8 + 1.6 * Streuwert(nummer, i, 67)));
        protokoll.FuegeMessungHinzu(messung);
    }
    std::vector<std::string> gruppe;
    for (const std::vector<std::string>& feld : felder)
        gruppe.push_back(Unterwerte(feld));
    const std::string geraet[] = {art.geraet, art.gewicht, art.hoehe, "300",     "4711-3", "15",
                                  "70",       "0,2-2,0",   "Sand",    "geeicht", "01/2026"};
    std::copy(std::begin(geraet), std::end(geraet), gruppe.begin() + 9);
    protokoll.SetzeSpeziellGruppe(4, Felder(gruppe));
    if (felder[7].empty())
        return;
    const auto [kleinster, groesster] = std::minmax_element(
        felder[7].begin(), felder[7].end(), [](const std::string& a, const std::string& b) {
            return StringZuDoubleC(a.c_str()) < StringZuDoubleC(b.c_str());
        });
    SetzeEckdaten(protokoll, {{"Evd min.", *kleinster + " MN/m²"},
                              {"Evd max.", *groesster + " MN/m²"},
                              {"Evd SOLL", felder[8].front() + " MN/m²"}});
}

void FuelleDynPlatte10(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleDynPlatte(protokoll, nummer, messungen, kFallgewicht10);
}

void FuelleDynPlatte15(CProtokoll& protokoll, int nummer, int messungen)
{
    FuelleDynPlatte(protokoll, nummer, messungen, kFallgewicht15);
}

// ---- Binder amount and soil-replacement thickness: recommendations from earlier tests --------

// The reference Proctor test's silty sand, drier than its optimum, improved with a mixed binder;
// the chart lines give the binder per square metre at 100 cm for the recommended and for a raised
// share.
void FuelleBindemittel(CProtokoll& protokoll, int nummer, int messungen)
{
    SetzeBezugsboden(protokoll, nummer);
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Proctorversuch& proctor = Bezugsproctor();
    const double wNat = Gerundet(proctor.wOpt - 0.02 - 0.01 * Streuwert(nummer, 0, 82), 3);
    constexpr double kAnteil = 3.0, kErhoeht = 4.0; // % of the dry density
    const double kgJeM3 = Gerundet(proctor.dichte * 1000 * kAnteil / 100, 0);
    const double wasser = Gerundet((proctor.wOpt - wNat) * proctor.dichte * 1000, 0);
    const std::vector<std::string> seite = {Protokollverweis(kBezugsproctorNummer, "PV"),
                                            Text(proctor.dichte, 3),
                                            Text(proctor.wOpt, 3),
                                            Text(kProctorKorndichte, 2),
                                            Text(wNat, 3),
                                            "12",
                                            "Mischbinder 70/30",
                                            Text(kAnteil, 1),
                                            Text(kgJeM3, 0),
                                            Text(wasser, 0)};
    protokoll.SetzeSpeziellGruppe(4, Felder(seite));
    // The recommendation as the lists read it: Proctor test, its optimum and density, natural
    // water content, then binder, additions and water.
    protokoll.SetzeSpeziellGruppe(2, Felder({seite[0], "", seite[2], seite[1], seite[4], "",
                                             seite[6], seite[7], seite[8], seite[9]}));
    protokoll.SetzeSpeziellGruppe(
        5, Felder({"", "", Text(kgJeM3, 1), Text(proctor.dichte * 1000 * kErhoeht / 100, 1)}));
    SetzeEckdaten(protokoll, {{"Bindemittel", seite[6]},
                              {"Bindemittelzugabe", seite[7] + " %"},
                              {"Bindemittelzugabe", seite[8] + " Kg/m³"},
                              {"Wasserzugabe", seite[9] + " L/m³"}});
}

// The thickness of a replacement layer on the subgrade of the nearest earlier static plate load
// test, five protocols before it as both project builders place the test types. The required
// Ev2 is the first of the diagram's curves well above the subgrade's; the results are those of
// the thickness curves for it and a planned layer of 40 cm.
void FuelleBodenaustausch(CProtokoll& protokoll, int nummer, int messungen)
{
    const int quelle = nummer - 5;
    protokoll.SetzeFeld(1, 1, Kopfstation(quelle));
    protokoll.SetzeFeld(1, 2, "Bodenaustausch");
    protokoll.SetzeFeld(1, 3, Kopflage(quelle));
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    const Plattendruckversuch platte = Plattendruck(quelle);
    // The highest curve where none lies far enough above.
    const double sollwerte[] = {45, 60, 80, 100, 120, 150};
    const double soll = *std::find_if(std::begin(sollwerte), std::end(sollwerte) - 1,
                                      [&](double e) { return e >= platte.ev2 + 25; });
    constexpr double kGeplant = 40;
    int noetig = 0;
    BerechneEinbaustaerke(soll, platte.ev2, noetig);
    const std::vector<std::string> seite = {Protokollverweis(quelle, "LP"),
                                            Text(platte.ev1, 1),
                                            Text(platte.ev2, 1),
                                            Text(soll, 0),
                                            Text(kGeplant, 0),
                                            Text(platte.ev2 / platte.ev1, 2),
                                            std::to_string(noetig),
                                            std::to_string(SucheEv2Soll(platte.ev2, kGeplant)),
                                            std::to_string(SucheEv2Unterlage(soll, kGeplant))};
    protokoll.SetzeSpeziellGruppe(4, Felder(seite));
    // The plate load test, its Ev2 and the required Ev2, as the lists read them.
    protokoll.SetzeSpeziellGruppe(2, Felder({seite[0], "", seite[2], seite[3]}));
    protokoll.SetzeSpeziellGruppe(5, Felder({"", "", seite[2], seite[4]}));
    SetzeEckdaten(protokoll, {{"Einbaustärke notwendig", seite[6] + " cm"},
                              {"Ev2 zu erwarten", seite[7] + " MN/m²"},
                              {"Ev2 der Unterlage notwendig", seite[8] + " MN/m²"}});
}

// ---- Loss on ignition: three crucibles of an organic silt -------------------------------------

void FuelleGlueverlust(CProtokoll& protokoll, int nummer, int messungen)
{
    SetzeBoden(protokoll, nummer, "OU");
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr int kTiegel = 3;
    const double anteil = 0.04 + 0.03 * Streuwert(nummer, 0, 70);
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
    SetzeBoden(protokoll, nummer, "TM");
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

// ---- Sedimentation: hydrometer analysis of a sandy silt over one day ---------------------------

// Dynamic viscosity of water in Pa·s at a temperature in °C (Poiseuille).
double Zaehigkeit(double temperatur)
{
    return 0.00178 / (1 + 0.0337 * temperatur + 0.000221 * temperatur * temperatur);
}

// The hydrometer's scale reads R from 0 at its top to 35 at its foot.
constexpr double kSkalaEnde = 35.0;

void FuelleSedimentation(CProtokoll& protokoll, int nummer, int messungen)
{
    SetzeBoden(protokoll, nummer, "UL");
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr double kAz = 31.17, kVA = 67.0, kCm = 0.5, kH = 14.2, kSkala = 10.5, kH0 = 2.1;
    const double rhoS = Gerundet(2.64 + 0.04 * Streuwert(nummer, 0, 81), 3);
    const double md = Gerundet(45.0 + 10.0 * Streuwert(nummer, 0, 82), 2);
    // The share of the whole sample that passed into the cylinder, from its sieving.
    const double feinanteil = 0.55 + 0.2 * Streuwert(nummer, 0, 83);
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
            30.0 - 4.2 * std::log10(tMinuten / 0.5) + 0.3 * (Streuwert(nummer, i, 84) - 0.5), 1);
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

// ---- Sheets that draw on other protocols: comparisons and the filter rule ---------------------

// A protocol of the project as another one cites it, with the prefix, and as its report and the
// lists print its number.
std::string Protokollverweis(const CProtokoll& protokoll)
{
    return std::string(kNummernPraefix) + "-" + protokoll.HoleProtokollnummer();
}

std::string Folgetag(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    const year_month_day tag{year{std::atoi(jjjjmmtt.substr(0, 4).c_str())},
                             month{static_cast<unsigned>(std::atoi(jjjjmmtt.substr(4, 2).c_str()))},
                             day{static_cast<unsigned>(std::atoi(jjjjmmtt.substr(6, 2).c_str()))}};
    const year_month_day folgetag{sys_days{tag} + days{1}};
    return StringFormat("%04d%02u%02u", static_cast<int>(folgetag.year()),
                        static_cast<unsigned>(folgetag.month()),
                        static_cast<unsigned>(folgetag.day()));
}

// A sheet is made once the tests it draws on are done: it is dated after the latest of them.
void DatiereNach(CProtokoll& blatt, const std::vector<const CProtokoll*>& quellen)
{
    std::string spaetestes;
    for (const CProtokoll* quelle : quellen)
        spaetestes = std::max(spaetestes, quelle->HolePruefdatumRoh());
    if (!spaetestes.empty() && blatt.HolePruefdatumRoh() <= spaetestes)
        blatt.SetzeFeld(1, 9, Folgetag(spaetestes));
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

// The rows of a chart data text.
std::vector<std::string> Zeilen(const std::string& daten)
{
    std::vector<std::string> zeilen;
    for (int i = 0; i < StringZaehleFelderZeichen(daten, '|'); ++i)
        zeilen.push_back(StringHoleFeld(daten, '|', i));
    return zeilen;
}

// Ticks of one axis of the Proctor charts that hold every compared test's own ticks, at their
// step.
std::string GemeinsameStriche(const std::vector<const CProtokoll*>& proctors, int zeile)
{
    double von = 0, bis = 0, schritt = 0;
    for (const CProtokoll* proctor : proctors) {
        const std::string striche = StringHoleFeld(proctor->HoleSpeziellBlock5(), '|', zeile);
        const int anzahl = StringZaehleFelderZeichen(striche, '@');
        const double erster = StringZuDouble(StringHoleFeld(striche, '@', 0));
        const double letzter = StringZuDouble(StringHoleFeld(striche, '@', anzahl - 1));
        von = proctor == proctors.front() ? erster : std::min(von, erster);
        bis = std::max(bis, letzter);
        if (anzahl > 1)
            schritt = StringZuDouble(StringHoleFeld(striche, '@', 1)) - erster;
    }
    std::vector<double> werte{von};
    for (int k = 1; schritt > 0 && k <= std::lround((bis - von) / schritt); ++k)
        werte.push_back(von + k * schritt);
    return Zahlen(werte, "%.2f");
}

// The chart data of a compared Proctor test: its points and curves as its own report draws them,
// on the common axes.
std::string ProctorKurve(const CProtokoll& proctor, const std::string& xStriche,
                         const std::string& yStriche)
{
    std::vector<std::string> zeilen = Zeilen(proctor.HoleSpeziellBlock5());
    zeilen.resize(std::max<size_t>(zeilen.size(), 2));
    zeilen[0] = xStriche;
    zeilen[1] = yStriche;
    return Felder(zeilen);
}

// The chart data of a compared grain-size analysis: axes, class band and curves as its own report
// draws them, without the marks of its grading range, which the comparison does not explain.
std::string KornKurve(const CProtokoll& kornverteilung)
{
    std::vector<std::string> zeilen = Zeilen(kornverteilung.HoleSpeziellBlock5());
    for (size_t zeile = 4; zeile < 8 && zeile < zeilen.size(); ++zeile)
        zeilen[zeile].clear();
    return Felder(zeilen);
}

// Legend texts of a compared protocol, from its header: sub-value 0 is unused, then the nine
// legend rows.
std::string Legendentexte(const CProtokoll& quelle, const std::string& kommentar)
{
    std::vector<std::string> texte = {"", Protokollverweis(quelle), quelle.HolePruefdatum()};
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
        return Protokollverweis(quelle) == Protokollverweis(kBezugsproctorNummer, "PV")
                   ? "Bezugsprobe"
                   : "Eignungsprüfung";
    if (quelle.HoleFeldSpeziell(4, 18).empty())
        return "";
    const std::string abweichungen = quelle.HoleFeldSpeziell(4, 6);
    for (int i = 1; i < StringZaehleFelderZeichen(abweichungen, '@'); ++i) {
        const std::string abweichung = StringHoleFeld(abweichungen, '@', i);
        if (!abweichung.empty() && StringZuDouble(abweichung) != 0)
            return "Grenzwerte nicht eingehalten";
    }
    return "Grenzwerte eingehalten";
}

// A comparison sheet of up to six tests of the project: colours, legend texts and the curves'
// chart data (stored with "#" for "|"), each the compared test's own.
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
        std::string kurve =
            proctor ? ProctorKurve(*quellen[k], xStriche, yStriche) : KornKurve(*quellen[k]);
        std::replace(kurve.begin(), kurve.end(), '|', '#');
        kurven.push_back(kurve);
    }
    blatt.SetzeSpeziellGruppe(2, Felder(gruppe2));
    blatt.SetzeSpeziellGruppe(6, Felder(kurven));
    DatiereNach(blatt, quellen);
    UebernimmKopf(blatt, quellen);
}

// Its tests are not known when the sheet is made; the project builder hands them over.
void FuelleGrafikmisch(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
}

// ---- Filter rule after Terzaghi: a fine sand behind a filter sand and a filter gravel ---------

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
    return weite ? StringFormat("%.3f", *weite) : "";
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
        const std::string nummer = Protokollverweis(*materialien[m]);
        d15[m] = Millimeter(KornBei(kurve, 15));
        d85[m] = Millimeter(KornBei(kurve, 85));
        // The filter widths from the values as printed, as a reader checks them.
        a[m] = d15[m].empty() ? "" : StringFormat("%.3f", 4 * StringZuDouble(d15[m]));
        aStrich[m] = d85[m].empty() ? "" : StringFormat("%.3f", 4 * StringZuDouble(d85[m]));
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
    DatiereNach(blatt, {materialien.begin(), materialien.end()});
    // The header describes the soil the filters protect.
    UebernimmKopf(blatt, {materialien[0]});
}

// Its materials are not known when the sheet is made; the project builder hands them over.
void FuelleFilterregel(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
}

// ---- Permeability: falling head in a triaxial cell, eight readings -----------------------------

// A silt sample, not quite saturated when built in and nearly so after the test. Each reading
// gives k at the test's temperature from the fall of the standpipe, k = a l / (A t) ln(h1 / h2),
// brought to 10 °C by the water's viscosity; the result is the mean of the printed values.
void FuelleDurchlaessigkeit(CProtokoll& protokoll, int nummer, int messungen)
{
    SetzeBoden(protokoll, nummer, "UL");
    FuegeMessungenHinzu(protokoll, nummer, messungen);
    constexpr double kKorndichte = 2.65;
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

// Test-specific fillers by test type. A type whose report pages need table or chart data gets a
// filler of its own here, e.g. tabelle[1001 - kErstePruefart] = FuelleProctor.
const std::array<PruefartFueller, kLetztePruefart - kErstePruefart + 1>& Fueller()
{
    static const std::array<PruefartFueller, kLetztePruefart - kErstePruefart + 1> fueller = [] {
        std::array<PruefartFueller, kLetztePruefart - kErstePruefart + 1> tabelle;
        tabelle.fill(FuegeMessungenHinzu);
        tabelle[1000 - kErstePruefart] = FuelleKornverteilung;
        tabelle[1001 - kErstePruefart] = FuelleProctor;
        tabelle[1006 - kErstePruefart] = FuelleZustandsgrenzen;
        tabelle[1002 - kErstePruefart] = FuelleVerdichtung;
        tabelle[1007 - kErstePruefart] = FuelleTroxler;
        tabelle[1003 - kErstePruefart] = FuelleDynPlatte10;
        tabelle[1005 - kErstePruefart] = FuellePlattendruck;
        tabelle[1004 - kErstePruefart] = FuelleRammsondierung;
        tabelle[1008 - kErstePruefart] = FuelleKorndichte;
        tabelle[1009 - kErstePruefart] = FuelleBindemittel;
        tabelle[1010 - kErstePruefart] = FuelleBodenaustausch;
        tabelle[1011 - kErstePruefart] = FuelleWassergehalt;
        tabelle[1012 - kErstePruefart] = FuelleDynPlatte15;
        tabelle[1013 - kErstePruefart] = FuelleGlueverlust;
        tabelle[1014 - kErstePruefart] = FuelleSedimentation;
        tabelle[1015 - kErstePruefart] = FuelleFilterregel;
        tabelle[1016 - kErstePruefart] = FuelleKalkgehalt;
        tabelle[1017 - kErstePruefart] = FuelleDurchlaessigkeit;
        tabelle[1018 - kErstePruefart] = FuelleGrafikmisch;
        tabelle[1020 - kErstePruefart] = FuelleNotiz;
        return tabelle;
    }();
    return fueller;
}

// Group 1 of the general data text, the protocol's header record.
void SetzeKopfsatz(CProtokoll& protokoll, int nummer, const std::string& kuerzel)
{
    const std::string felder[] = {
        Auswahl(kBereiche, nummer, 1),
        Kopfstation(nummer),
        Auswahl(kSchichten, nummer, 2),
        Kopflage(nummer),
        Auswahl(kBodenarten, nummer, 4),
        Auswahl(kHerkuenfte, nummer, 5),
        Auswahl(kZustaende, nummer, 6),
        "",
        Protokollnummer(nummer, kuerzel),
        Pruefdatum(nummer),
        StringFormat("%02d:%02d", 7 + nummer % 4, nummer * 15 % 60),
        StringFormat("%02d:%02d", 11 + nummer % 4, nummer * 15 % 60),
        Auswahl(kPruefer, nummer, 7),
        Auswahl(kPruefer, nummer, 8),
    };
    for (int feld = 0; feld < static_cast<int>(std::size(felder)); ++feld)
        protokoll.SetzeFeld(1, feld, felder[feld]);
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

// A protocol of the given test type with a header record, measurements and the data `fueller`
// gives it.
CProtokoll BaueProtokollMit(const PruefartFueller& fueller, int pruefart, int nummer,
                            const std::string& titelId, int messungen)
{
    const Pruefart& art = PruefartVon(pruefart);
    CProtokoll protokoll;
    protokoll.Initialisiere(StringFormat("P%06d", nummer + 1), titelId, std::to_string(pruefart));
    protokoll.SetzePruefunterartKuerzel(art.unterartKuerzel);
    SetzeKopfsatz(protokoll, nummer, art.kuerzel);
    fueller(protokoll, nummer, messungen);
    SetzeUnterart(protokoll, art.unterart);
    return protokoll;
}

// ---- Projects ----------------------------------------------------------------------------------

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

const PruefartFueller& FuellerFuer(int pruefart)
{
    return Fueller()[pruefart - kErstePruefart];
}

CProtokoll BaueProtokoll(int pruefart, int nummer, const std::string& titelId, int messungen)
{
    return BaueProtokollMit(FuellerFuer(pruefart), pruefart, nummer, titelId, messungen);
}

namespace {

CProtokoll BaueKornprotokoll(Kornprobe probe, int nummer, const std::string& titelId, int messungen)
{
    const auto fueller = [probe](CProtokoll& protokoll, int n, int m) {
        FuelleKornprobe(protokoll, n, m, Kornmaterialien()[probe]);
    };
    return BaueProtokollMit(fueller, 1000, nummer, titelId, messungen);
}

// A combined-diagram protocol of sub-type 1, for grading curves of the project's tests.
CProtokoll BaueKornvergleich(int nummer, const std::string& titelId)
{
    CProtokoll protokoll;
    protokoll.Initialisiere(StringFormat("P%06d", nummer + 1), titelId, "1018");
    protokoll.SetzePruefunterartKuerzel("GK");
    SetzeKopfsatz(protokoll, nummer, "GK");
    SetzeUnterart(protokoll, 1);
    return protokoll;
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

// The sheets of a large project draw on its nearest tests of the kinds they need; `proben` names
// the material of each grain-size protocol. A filter rule without all three materials in the
// project stays empty.
void VerweiseAufNaechste(std::vector<CProtokoll>& protokolle, const std::vector<int>& proben)
{
    for (size_t i = 0; i < protokolle.size(); ++i) {
        CProtokoll& blatt = protokolle[i];
        if (blatt.GetPruefart() == 1018) {
            const bool proctor = blatt.GetPruefartVER() == 2;
            const int art = proctor ? 1001 : 1000;
            const auto quellen = Naechste(protokolle, i, proctor ? 4 : 3, [&](size_t j) {
                return protokolle[j].GetPruefart() == art;
            });
            if (!quellen.empty())
                SetzeVergleich(blatt, quellen);
        }
        if (blatt.GetPruefart() != 1015)
            continue;
        std::array<const CProtokoll*, 3> materialien{};
        for (int m = 0; m < 3; ++m) {
            const int probe = kFeinsand + m;
            const auto quelle =
                Naechste(protokolle, i, 1, [&](size_t j) { return proben[j] == probe; });
            materialien[m] = quelle.empty() ? nullptr : quelle.front();
        }
        if (std::ranges::none_of(materialien, [](const CProtokoll* p) { return p == nullptr; }))
            SetzeFiltermaterialien(blatt, materialien);
    }
}

} // namespace

MusterProjekt BaueMusterprojekt()
{
    MusterProjekt projekt{Metadaten(), Titelbaum(), Vorgaben(), {}};
    std::vector<CProtokoll>& protokolle = projekt.protokolle;
    // Where each test type belongs; a few stand without title, at the root.
    const char* titelDerArt[] = {"10", "10", "3",  "4",  "3", "4",  "10", "8", "10", "6", "6",
                                 "10", "9",  "10", "10", "0", "10", "10", "0", "0",  "0"};
    int nummer = 0;
    for (int pruefart = kErstePruefart; pruefart <= kLetztePruefart; ++pruefart) {
        // Comparisons and notes refer to other protocols and measure nothing themselves.
        const int messungen = pruefart >= 1018 ? 0 : 3;
        protokolle.push_back(
            BaueProtokoll(pruefart, nummer++, titelDerArt[pruefart - kErstePruefart], messungen));
    }
    // The grain-size comparison beside the Proctor comparison above.
    const size_t kornvergleich = protokolle.size();
    protokolle.push_back(BaueKornvergleich(nummer++, "10"));
    // More plate load and density tests along the sections, as on a real site; a static plate
    // load protocol is one test at one point.
    for (const char* titel : {"3", "4", "8", "9"}) {
        protokolle.push_back(BaueProtokoll(1005, nummer++, titel, 1));
        protokolle.push_back(BaueProtokoll(1003, nummer++, titel, 8));
    }
    // Field density by every method of measuring the volume, the gauge by each of its methods.
    for (int i = 0; i < 4; ++i)
        protokolle.push_back(BaueProtokoll(1002, nummer++, "6", 5 - i % 3));
    for (int i = 0; i < 3; ++i)
        protokolle.push_back(BaueProtokoll(1007, nummer++, "8", 5 - i % 2));

    // The materials of the filter rule, the samples compared with today's grain-size analysis and
    // the Proctor tests compared with the density reference, each one sample.
    std::vector<size_t> korn(kKornproben);
    korn[kSandkies] = 1000 - kErstePruefart;
    for (Kornprobe probe : {kFeinsand, kFiltersand, kFilterkies, kSandkiesFein, kSandkiesGrob}) {
        korn[probe] = protokolle.size();
        protokolle.push_back(BaueKornprotokoll(probe, nummer++, "10", 1));
    }
    std::vector<size_t> proctors{1001 - kErstePruefart};
    for (int i = 0; i < 3; ++i) {
        proctors.push_back(protokolle.size());
        protokolle.push_back(BaueProtokoll(1001, nummer++, "10", 1));
    }
    const auto Quellen = [&](std::initializer_list<size_t> stellen) {
        std::vector<const CProtokoll*> quellen;
        for (size_t stelle : stellen)
            quellen.push_back(&protokolle[stelle]);
        return quellen;
    };
    SetzeFiltermaterialien(protokolle[1015 - kErstePruefart],
                           {&protokolle[korn[kFeinsand]], &protokolle[korn[kFiltersand]],
                            &protokolle[korn[kFilterkies]]});
    SetzeVergleich(protokolle[kornvergleich],
                   Quellen({korn[kSandkies], korn[kSandkiesFein], korn[kSandkiesGrob]}));
    SetzeVergleich(protokolle[1018 - kErstePruefart],
                   Quellen({proctors[0], proctors[1], proctors[2], proctors[3]}));
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
        if (pruefart == 1000)
            proben[i] = i / artAnzahl % kKornproben;
        projekt.protokolle.push_back(
            pruefart == 1000
                ? BaueKornprotokoll(static_cast<Kornprobe>(proben[i]), i, titelId, messungen)
                : BaueProtokoll(pruefart, i, titelId, messungen));
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
