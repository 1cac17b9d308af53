// Page 1 of the field density report: up to five test points side by side, the density of each
// from its water content sample, the volume of its hole and the soil taken out of it, and the
// degree of compaction against the reference Proctor test. Every value prints as stored.

#include "pages/dichtebloecke.h"
#include "pages/seitenkoerper.h"
#include "platform/text.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kVerfahrenFeld = 37;

// How the volume of the hole was measured: the subtitle's suffix and the captions, symbols and
// units of the three measured dimensions (fields 7 to 9).
struct Volumenverfahren
{
    const char* zusatz;
    std::array<std::array<const char*, 3>, 3> abmessungen;
};

constexpr std::array<Volumenverfahren, 5> kVerfahren{{
    {"", {{{"", "", ""}, {"", "", ""}, {"", "", ""}}}},
    {" durch Ausmessen",
     {{{"Länge", "L", "[cm]"}, {"Breite", "b", "[cm]"}, {"Höhe", "h", "[cm]"}}}},
    {" mit Ausstechzylinder",
     {{{"Zylinderdurchmesser", "d", "[cm]"}, {"Zylinderhöhe", "h", "[cm]"}, {"", "", ""}}}},
    {" durch Ballonverfahren",
     {{{"Ablesung", "L0", "[cm]"}, {"Ablesung", "L1", "[cm]"}, {"Volumenausgleich", "", "[cm³]"}}}},
    {" durch Ersatzverfahren",
     {{{"Dichte Ersatz", "<fs>r<t><fn>e", "[g/cm³]"},
       {"Masse Ersatz", "m<t><fn>e", "[g]"},
       {"", "", ""}}}},
}};

// Codes 3001 to 3005 name a method, 3004 and 3005 both the replacement method; any other code
// prints the bare subtitle.
const Volumenverfahren& VerfahrenVon(const std::string& code)
{
    const int m = GanzeZahl(code);
    return kVerfahren[m >= 3001 && m <= 3005 ? std::min(m - 3000, 4) : 0];
}

constexpr std::array<Wertzeile, 4> kWassergehalt{{
    {"Taramasse", "mT", "[g]", 3},
    {"Taramasse + Feuchtmasse", "mT + m<t>f", "[g]", 4},
    {"Taramasse + Trockenmasse", "mT + m<t>d", "[g]", 5},
    {"Wassergehalt", "w", "[-]", 6, Wertform::Anteil, true},
}};

// The moist mass of the soil sample is stored in field 34.
constexpr std::array<Wertzeile, 4> kBodenprobe{{
    {"Taramasse", "mT", "[g]", 11},
    {"Taramasse + Feuchtmasse", "mT + m<t>f", "[g]", 34},
    {"Feuchtdichte", "<fs>r<fn><t>f", "[g/cm³]", 13},
    {"Trockendichte", "<fs>r<fn><t>d", "[g/cm³]", 14, Wertform::Gespeichert, true},
}};

std::array<Wertzeile, 4> Volumenzeilen(const Volumenverfahren& verfahren)
{
    std::array<Wertzeile, 4> zeilen{};
    for (int k = 0; k < 3; ++k) {
        const auto& abmessung = verfahren.abmessungen[static_cast<std::size_t>(k)];
        zeilen[static_cast<std::size_t>(k)] = {abmessung[0], abmessung[1], abmessung[2], 7 + k};
    }
    zeilen[3] = {"Volumen", "V", "[cm³]", 10, Wertform::Gespeichert, false, true};
    return zeilen;
}

} // namespace

void CProtokollDruck::DruckeVerdichtung(CDC& dc, RECT, const std::string& tabelle,
                                        const std::string&, const std::string& titel)
{
    CDichteBloecke seite(*this, dc, tabelle, titel);
    const Volumenverfahren& verfahren = VerfahrenVon(seite.Daten().GetZeile(kVerfahrenFeld));

    seite.Ursprung(0, 18);
    seite.Schrift(3);
    seite.Text(6, 15, 0.25, std::string("Bestimmung der Dichte des Bodens") + verfahren.zusatz);

    seite.Spaltenlinien(21, 42);
    seite.Pruefpunktbeschreibung(21);
    seite.ZeichneWerteblock({27, -1.75, "Bestimmung des Wassergehaltes", kWassergehalt});
    const std::array<Wertzeile, 4> volumen = Volumenzeilen(verfahren);
    seite.ZeichneWerteblock({32, -1.5, "Bestimmung des Volumens", volumen});
    seite.ZeichneWerteblock({37, -1.25, "Bodenprobe", kBodenprobe});
    seite.Kennwertbloecke(Dichteseite::Felddichte);
}
