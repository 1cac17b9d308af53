#include "musterbauer.h"

#include "data/markup.h"
#include "data/massnahme.h"
#include "data/projektdatei.h"
#include "platform/text.h"

#include <array>
#include <cstdint>
#include <cstdio>

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
    const int zentimeter = (nummer * 3700 + index * 2500) % 240000;
    return StringFormat("%d+%03d,%02d", zentimeter / 100000, zentimeter / 100 % 1000,
                        zentimeter % 100);
}

// Dates of a working year, "JJJJMMTT".
std::string Pruefdatum(int nummer)
{
    const int tag = nummer * 5 % 300;
    return StringFormat("2026%02d%02d", 3 + tag / 28 % 9, 1 + tag % 28);
}

// ---- Test types --------------------------------------------------------------------------------

struct Messgroesse
{
    const char* schluessel;
    double basis;
    double spanne;
    int nachkomma;
};

struct Pruefart
{
    const char* kuerzel;         // of the protocol number
    int unterart;                // "pruefart_VER"
    const char* unterartKuerzel; // "pruefunterartKuerzel", where a sub-type needs its own code
    std::vector<Messgroesse> messgroessen;
};

// Codes and measured quantities of the test types 1000 to 1020 (1019 has no catalogue row; the
// viewer must still list it).
const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1>& Pruefarten()
{
    static const std::array<Pruefart, kLetztePruefart - kErstePruefart + 1> arten = {{
        {"KV", 1, "", {{"WNAT", 0.06, 0.10, 3}}},
        {"PV", 1, "", {{"WOPT", 0.08, 0.06, 3}, {"RPR", 1.85, 0.30, 3}, {"WNAT", 0.07, 0.08, 3}}},
        {"D_",
         1,
         "",
         {{"RPR", 1.90, 0.25, 3},
          {"PRNR", 1, 0, 0},
          {"VERDGRAD", 0.97, 0.06, 3},
          {"WNAT", 0.07, 0.06, 3},
          {"VERDGRAD_SOLL", 1.00, 0, 2}}},
        {"LD", 1, "", {{"EVD", 30, 40, 1}, {"EVD_SOLL", 40, 0, 0}}},
        {"RS", 1, "", {{"N", 3, 25, 0}}},
        {"LP",
         1,
         "",
         {{"EV1", 25, 40, 1},
          {"EV2", 80, 90, 1},
          {"EV2EV1", 2.0, 0.8, 2},
          {"EV2_SOLL", 45, 0, 0},
          {"EV2EV1_SOLL", 2.5, 0, 1}}},
        {"ZG", 1, "", {{"WNAT", 0.15, 0.15, 3}}},
        {"DT",
         1,
         "",
         {{"RPR", 1.95, 0.2, 3},
          {"VERDGRAD", 0.98, 0.05, 3},
          {"WNAT", 0.06, 0.05, 3},
          {"VERDGRAD_SOLL", 1.00, 0, 2}}},
        {"KD", 1, "", {}},
        {"BV", 1, "", {}},
        {"BA", 1, "", {}},
        {"WG", 1, "", {{"WNAT", 0.05, 0.20, 3}}},
        {"L5", 1, "", {{"EVD", 40, 50, 1}, {"EVD_SOLL", 50, 0, 0}}},
        {"GV", 1, "", {{"GLVERL", 0.01, 0.05, 3}}},
        {"SE", 1, "", {}},
        {"FT", 1, "", {}},
        {"CA", 1, "", {{"KALKGEH", 0.02, 0.25, 3}}},
        {"WD", 2, "", {}},
        {"GP", 2, "GP", {}},
        {"", 1, "", {}},
        {"AN", 1, "", {}},
    }};
    return arten;
}

const Pruefart& PruefartVon(int pruefart)
{
    return Pruefarten()[pruefart - kErstePruefart];
}

// The measurement data text: "[KEY|value]" for each measured quantity of the test type.
std::string Messdaten(const std::vector<Messgroesse>& groessen, int nummer, int index)
{
    std::string daten;
    for (size_t k = 0; k < groessen.size(); ++k) {
        const Messgroesse& g = groessen[k];
        const double wert = g.basis + g.spanne * Streuwert(nummer, index, static_cast<int>(k));
        daten += StringFormat("[%s|%.*f]", g.schluessel, g.nachkomma, wert);
    }
    return daten;
}

void FuegeMessungenHinzu(CProtokoll& protokoll, int nummer, int anzahl)
{
    const Pruefart& art = PruefartVon(protokoll.GetPruefart());
    for (int i = 0; i < anzahl; ++i) {
        MESSUNG messung;
        messung.lfdNr = std::to_string(i + 1);
        messung.lfdNrWert = i + 1;
        messung.station = Station(nummer, i);
        messung.schicht = Auswahl(kSchichten, nummer + i, 11);
        messung.lage = Auswahl(kLagen, nummer + i, 12);
        messung.daten = Messdaten(art.messgroessen, nummer, i);
        protokoll.FuegeMessungHinzu(messung);
    }
}

// Filler of the types without test-specific data so far: the measurements alone.
void FuelleMessungen(CProtokoll& protokoll, int nummer, int messungen)
{
    FuegeMessungenHinzu(protokoll, nummer, messungen);
}

// Test-specific fillers by test type. A type whose report pages need table or chart data gets a
// filler of its own here, e.g. tabelle[1001 - kErstePruefart] = FuelleProctor.
const std::array<PruefartFueller, kLetztePruefart - kErstePruefart + 1>& Fueller()
{
    static const std::array<PruefartFueller, kLetztePruefart - kErstePruefart + 1> fueller = [] {
        std::array<PruefartFueller, kLetztePruefart - kErstePruefart + 1> tabelle;
        tabelle.fill(FuelleMessungen);
        return tabelle;
    }();
    return fueller;
}

// Group 1 of the general data text, the protocol's header record.
void SetzeKopfsatz(CProtokoll& protokoll, int nummer, const std::string& kuerzel)
{
    const std::string felder[] = {
        Auswahl(kBereiche, nummer, 1),
        Station(nummer, 0),
        Auswahl(kSchichten, nummer, 2),
        Auswahl(kLagen, nummer, 3),
        Auswahl(kBodenarten, nummer, 4),
        Auswahl(kHerkuenfte, nummer, 5),
        Auswahl(kZustaende, nummer, 6),
        "",
        StringFormat("%05d%s", nummer + 1, kuerzel.c_str()),
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

// ---- Projects ----------------------------------------------------------------------------------

std::map<std::string, std::string> Metadaten()
{
    return {
        {"ID", "M-2026-017"},
        {"bezeichnung", "Ortsumgehung Lindenfeld, B 417 Bauabschnitt 2"},
        {"protNrPraefix", "OL"},
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
    const Pruefart& art = PruefartVon(pruefart);
    CProtokoll protokoll;
    protokoll.Initialisiere(StringFormat("P%06d", nummer + 1), titelId, std::to_string(pruefart));
    protokoll.SetzePruefunterartKuerzel(art.unterartKuerzel);
    SetzeKopfsatz(protokoll, nummer, art.kuerzel);
    FuellerFuer(pruefart)(protokoll, nummer, messungen);
    SetzeUnterart(protokoll, art.unterart);
    return protokoll;
}

MusterProjekt BaueMusterprojekt()
{
    MusterProjekt projekt{Metadaten(), Titelbaum(), Vorgaben(), {}};
    // Where each test type belongs; a few stand without title, at the root.
    const char* titelDerArt[] = {"10", "10", "3",  "4",  "3", "4",  "10", "8", "10", "6", "6",
                                 "10", "9",  "10", "10", "0", "10", "10", "0", "0",  "0"};
    int nummer = 0;
    for (int pruefart = kErstePruefart; pruefart <= kLetztePruefart; ++pruefart) {
        const int messungen = PruefartVon(pruefart).messgroessen.empty() ? 0 : 3;
        projekt.protokolle.push_back(
            BaueProtokoll(pruefart, nummer++, titelDerArt[pruefart - kErstePruefart], messungen));
    }
    // More plate load and density tests along the sections, as on a real site.
    for (const char* titel : {"3", "4", "8", "9"}) {
        projekt.protokolle.push_back(BaueProtokoll(1005, nummer++, titel, 5));
        projekt.protokolle.push_back(BaueProtokoll(1003, nummer++, titel, 8));
    }
    return projekt;
}

MusterProjekt BaueGrossesProjekt(int anzahlProtokolle, int anzahlMessungen)
{
    MusterProjekt projekt{Metadaten(), GrosserTitelbaum(5), Vorgaben(), {}};
    const int titelAnzahl = static_cast<int>(projekt.titel.size());
    const int artAnzahl = kLetztePruefart - kErstePruefart + 1;
    projekt.protokolle.reserve(anzahlProtokolle);
    for (int i = 0; i < anzahlProtokolle; ++i) {
        // Spread the measurements evenly; the first protocols take the remainder.
        const int messungen =
            anzahlMessungen / anzahlProtokolle + (i < anzahlMessungen % anzahlProtokolle ? 1 : 0);
        const std::string titelId = std::to_string(i % (titelAnzahl + 1));
        projekt.protokolle.push_back(
            BaueProtokoll(kErstePruefart + i % artAnzahl, i, titelId, messungen));
    }
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
