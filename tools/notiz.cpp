// File note of a site meeting.

#include "notiz.h"

#include "arbeitstage.h"
#include "baustelle.h"
#include "bindemittel.h"
#include "data/textfunktionen.h"
#include "diagrams/bindemitteldiagramm.h"
#include "kopf_und_messungen.h"
#include "musterwerte.h"
#include "platform/text.h"
#include "plattendruck.h"
#include "proctor.h"
#include "tabellendaten.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <set>

namespace muster {

namespace {

// The calendar week after ISO 8601: the week of its Thursday.
int Kalenderwoche(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    const sys_days tag = Datum(jjjjmmtt);
    const sys_days donnerstag = tag + days{4 - static_cast<int>(weekday{tag}.iso_encoding())};
    const sys_days neujahr{year_month_day{donnerstag}.year() / January / 1};
    return static_cast<int>((donnerstag - neujahr).count() / 7 + 1);
}

// The day of the next meeting: the Tuesday of the following week.
std::string NaechsteBesprechung(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    const sys_days tag = Datum(jjjjmmtt);
    return JJJJMMTT(tag + days{9 - static_cast<int>(weekday{tag}.iso_encoding())});
}

// Kilometre and metre of a station, as titles and notes name stretches.
std::string Km(double meter)
{
    const std::string station = Station(meter);
    return station.substr(0, station.find(','));
}

// The site meetings are weekly from the project's first week on, and the laboratory writes the
// note. Two of its testers attend, Herr Brenner and Frau Lindholm; the third tests on site.
constexpr int kErsteBesprechungswoche = 10;
constexpr const char* kVerfasser = "S. Lindholm";
constexpr const char* kPrueferAmBesprechungstag = "M. Ortwein";

// The thickness of the soil replacement that the laboratory's design finds needed on the clay.
int NoetigerAustausch()
{
    int dicke = 0;
    BerechneEinbaustaerke(kBodenaustausch.ev2Soll, Ev2DerAushubsohle(), dicke);
    return dicke;
}

// The note of the meeting on that day, two pages: what it states are the site's soils and
// requirements, the reference Proctor test's values with the oversize that the compaction degrees
// use, the lifts finished (each tested before the next was placed, every re-test done) and the
// dates that follow from its own.
std::vector<std::string> Notiztext(const std::string& datum)
{
    const Proctorversuch& proctor = Bezugsproctor();
    const Strecke& damm = StreckeDer(kDamm);
    const Boden& boden = *kDamm.boden;
    const int lage = LageAm(datum);
    return {
        "Teilnehmer: Bauherr (Herr Albers), Bauleitung Tiefbau Kranich",
        "(Frau Decker), Prüflabor (Herr Brenner, Frau Lindholm)",
        "",
        "1. Stand der Erdarbeiten",
        "   Die Dammschüttung km " + Km(damm.von) + " bis " + Km(damm.bis) + " ist bis zur " +
            std::to_string(lage - 1) + ". Lage",
        "   hergestellt und geprüft, in Lagen von 0,30 m; die " + std::to_string(lage) +
            ". Lage wird",
        "   eingebaut. Eingebaut wird " + std::string(boden.gruppe) + ", " + boden.zustand +
            ", aus dem " + boden.herkunft,
        "   (Proctorversuch " + BezugsproctorVerweis() + " mit " +
            Komma(100 * proctor.ueberkorn, 1) + " % Überkorn: Proctordichte",
        "   " + Komma(proctor.dichteMitUeberkorn, 3) + " g/cm³, optimaler Wassergehalt " +
            Komma(100 * proctor.wOptMitUeberkorn, 1) + " %).",
        "",
        "2. Ergebnisse der Eigenüberwachung",
        "   Gefordert sind Verdichtungsgrade von " + std::to_string(kDamm.verdichtungSoll) +
            " % in der Dammschüttung",
        "   und " + std::to_string(kErdplanum.verdichtungSoll) +
            " % im Planumsbereich. Jede Lage wird vor dem Überschütten",
        "   geprüft. Prüfstellen unter der Anforderung werden nachverdichtet",
        "   und erneut geprüft. Offene Nachprüfungen: keine.",
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
            " MN/m² nicht. Die Bemessung des Labors ergibt",
        "   eine Einbaustärke von " + std::to_string(NoetigerAustausch()) +
            " cm; ausgetauscht wurden " + std::to_string(std::lround(100 * kAustauschdicke)) +
            " cm",
        "   gegen Kiessand 0/32 (" + std::string(kKiessand.gruppe) + ") aus dem " +
            kKiessand.herkunft + ". Der Austausch",
        "   wurde mit statischen und dynamischen Plattendruckversuchen",
        "   geprüft.",
        "",
        "5. Bodenverbesserung",
        "   Für die Rampe im Teilabschnitt Süd empfiehlt das Labor, den Boden",
        "   mit " + Komma(kBindemittelanteil, 1) + " % Mischbinder 70/30 zu verbessern und bis zum",
        "   optimalen Wassergehalt anzufeuchten.",
        "",
        "6. Probenahme",
        "   Der Wassergehalt wird an jeder Prüfstelle bestimmt, die",
        "   Korndichte des Aushubbodens wurde an der " + std::string(kBezugsprobe),
        "   bestimmt. Die Probenbehälter sind mit Station und Lage zu",
        "   beschriften. Rückstellproben bleiben bis zur Abnahme im",
        "   Labor.",
        "",
        "7. Termine",
        "   Nächste Baubesprechung am Dienstag, " +
            StringDatumJJJJMMTTZuTTMMJJJJ(NaechsteBesprechung(datum)) + ", 09:00 Uhr,",
        "   im Baucontainer an der Anschlussstelle West.",
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

} // namespace

// A note concerns the whole stretch and names no soil; its number is the protocol's, and it
// attaches the test reports of the weeks from the project's start to the week before the meeting.
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
        Felder(
            {bereich, StringFormat("Baubesprechung Nr. %d", woche - kErsteBesprechungswoche + 1),
             "Verdichtung Dammschüttung und Bodenaustausch", protokoll.HoleProtokollnummer(), datum,
             kVerfasser, Verbunden(zeilen, "#CRLF#"),
             // Five entries fill three columns; the long one stands last, in the widest.
             StringFormat("Teilnehmerliste#CRLF#Lageplan Prüfstellen#CRLF#Fotodokumentation#CRLF#"
                          "Terminplan Erdbau#CRLF#Prüfprotokolle KW %d bis %d",
                          Kalenderwoche(Arbeitstage().front()), woche - 1),
             "", "", std::to_string(seiten), "", "Aktennotiz Baubesprechung"}));
}

void BesetzeBesprechungstage(std::vector<CProtokoll>& protokolle)
{
    std::set<std::string> tage;
    for (const CProtokoll& notiz : protokolle)
        if (notiz.GetPruefart() == 1020)
            tage.insert(
                {notiz.HolePruefdatumRoh(), NaechsteBesprechung(notiz.HolePruefdatumRoh())});
    // A test on site names the hours it took.
    for (CProtokoll& protokoll : protokolle)
        if (!protokoll.HoleFeld(1, 10).empty() && tage.contains(protokoll.HolePruefdatumRoh()))
            protokoll.SetzeFeld(1, 12, kPrueferAmBesprechungstag);
}

} // namespace muster
