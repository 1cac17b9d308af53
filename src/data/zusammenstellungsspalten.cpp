#include "data/zusammenstellungsspalten.h"

#include <initializer_list>

namespace {

struct Ergebnisspalte
{
    int spalte; // result column 10..24
    const char* symbol;
    const char* einheit;
};

Spaltentextzeile Zeile(int art, const std::array<const char*, 8>& koepfe,
                       std::initializer_list<Ergebnisspalte> spalten)
{
    Spaltentextzeile zeile;
    zeile[0] = std::to_string(art);
    for (std::size_t i = 0; i < koepfe.size(); ++i)
        zeile[1 + i] = koepfe[i];
    for (const Ergebnisspalte& s : spalten) {
        zeile[9 + s.spalte - 10] = s.symbol;
        zeile[24 + s.spalte - 10] = s.einheit;
    }
    return zeile;
}

} // namespace

const std::array<Spaltentextzeile, kAnzahlListenarten> ZusammenstellungSpaltentexte = {
    Zeile(0,
          {"Verdichtungsprüfungen", "Tragfähigkeitsprüfungen", "Proctorversuch ohne ü",
           "Bodenprobe", "Verdichtgr.", "Ev2", "Ev2 / Ev1", "Evd"},
          {{10, "PV-Nr.", ""},
           {11, "<fs>r<fn><t>Pr", "[g/cm3]"},
           {12, "wopt", ""},
           {13, "wnat", ""},
           {14, "<fs>r<fn><t>D", "[g/cm3]"},
           {15, "n", ""},
           {16, "na", ""},
           {17, "<fs>r<fn><t>Pr<n>-Ist", "[%]"},
           {18, "<fs>r<fn><t>Pr<n>-So.", "[%]"},
           {19, "Ist", "[MN/m²]"},
           {20, "Soll", "[MN/m²]"},
           {21, "Ist", ""},
           {22, "Soll", ""},
           {23, "Evd-Ist", "[MN/m²]"},
           {24, "Evd-Soll", "[MN/m²]"}}),
    Zeile(1,
          {"Verdichtungsprüfungen", "", "Proctorversuch ohne ü", "Proctorvers. mit ü", "Bodenprobe",
           "Verdichtgr.", "", ""},
          {{10, "PV-Nr.", ""},
           {11, "<fs>r<fn><t>Pr", "[g/cm3]"},
           {12, "wopt", ""},
           {13, "ü", ""},
           {14, "<fs>r<fn><t>Pr<n>'", "[g/cm3]"},
           {15, "wopt'", ""},
           {16, "wnat", ""},
           {17, "<fs>r<fn><t>D", "[g/cm]"},
           {18, "n", ""},
           {19, "na", ""},
           {20, "<fs>r<fn><t>Pr<n>-Ist", "[%]"},
           {21, "<fs>r<fn><t>Pr<n>-So.", "[%]"}}),
    Zeile(2,
          {"Verdichtungsprüfungen", "", "Proctorversuch", "Wasser", "Bindemittel", "Bindemittelart",
           "", ""},
          {{10, "PV-Nr.", ""},
           {11, "<fs>r<fn><t>Pr", "[g/cm3]"},
           {12, "wopt", ""},
           {13, "wnat", ""},
           {14, "Zugabe", "[g/cm3]"},
           {17, "Zugabe", "[M%]"},
           {18, "Zugabe", "[kg/m³]"}}),
    Zeile(3, {"Bodenaustausch", "", "", "", "", "", "", ""},
          {{10, "LP-Nr.", ""},
           {11, "Ev2-Ist", "[MN/m²]"},
           {12, "Ev2-Soll", "[MN/m²]"},
           {13, "Dicke", "cm"}}),
    Zeile(4, {"Korndichte", "", "Rohdichte", "", "", "", "", ""}, {{10, "im Mittel", "[g/cm³]"}}),
    Zeile(5, {"Wasserdurchlässigkeitsbeiwert", "", "", "", "", "", "", ""}, {{10, "k10", "[m/s]"}}),
    Zeile(6, {"Filterstabilität", "", "Kornverteilung", "", "", "", "", ""},
          {{10, "Nr 1", ""}, {11, "Nr 2", ""}, {12, "Nr 3", ""}}),
    Zeile(7,
          {"Siebweite bei den Durchgangssummen", "Anteile der Kornfraktionen", "", "", "", "", "",
           ""},
          {{10, "ungleichf.", "u"},
           {11, "D10", "[mm]"},
           {12, "D15", "[mm]"},
           {13, "D17", "[mm]"},
           {14, "D30", "[mm]"},
           {15, "D50", "[mm]"},
           {16, "D60", "[mm]"},
           {17, "D85", "[mm]"},
           {18, "D100", "[mm]"},
           {19, "T", "[%]"},
           {20, "U", "[%]"},
           {21, "S", "[%]"},
           {22, "G", "[%]"},
           {23, "X", "[%]"},
           {24, "<fs>j<fn>", "[°]"}}),
    Zeile(8, {"Kalkgehalt", "", "im Mittel", "", "", "", "", ""}, {{10, "V<t>Ca", "[%]"}}),
    Zeile(9, {"Glühverlust", "", "im Mittel", "", "", "", "", ""}, {{10, "V<t>gl", ""}}),
    Zeile(10, {"Zustandsgrenzen", "", "", "", "", "", "", ""},
          {{10, "wl", ""},
           {11, "wp", ""},
           {12, "lp", ""},
           {13, "Ü > 0,4", ""},
           {14, "wnat", ""},
           {15, "lc", ""},
           {16, "Il", ""}}),
    Zeile(11, {"", "", "Betreff", "", "", "", "", ""}, {}),
};
