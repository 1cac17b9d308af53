#include "data/pruefartkatalog.h"

#include "data/textfunktionen.h"

#include <cstdlib>

namespace {

// pruefart_ID|code|name|title|sub-type|sub-type text|group title
const char* const kZeilen[] = {
    "1000|KV|Korngrößenverteilung|Bestimmung der Korngrößenverteilung|1||"
    "Bestimmung der Korngrößenverteilung",
    "1001|PV|Proctorversuch|Proctorversuch nach DIN 18127|1||Proctorversuch",
    "1002|D_|Verdichtung|Bestimmung der Dichte des Bodens (Feldversuche)|1||"
    "Bestimmung der Dichte des Bodens",
    "1003|LD|Fallgewicht|Dynamischer Plattendruckversuch|1||Dynamischer Plattendruckversuch",
    "1004|RS|Rammsondierung|Erkundung durch Sondierung|1||Erkundung durch Sondierung",
    "1005|LP|Lastplatte|Plattendruckversuch|1||Plattendruckversuch",
    "1006|ZG|Zustandsgrenzen|Zustandsgrenzen|1||Zustandsgrenzen",
    "1007|DT|Troxler|Radiometrische Dichtebestimmung des Bodens|1||"
    "Radiometrische Dichtebestimmung des Bodens",
    "1008|KD|Korndichte|Bestimmung der Rohdichte mit Pyknometer|1||"
    "Bestimmung der Rohdichte mit Pyknometer",
    "1009|BV|Bindemittelmenge|Empfehlung für die Bindemittelmenge|1||"
    "Empfehlung für die Bindemittelmenge",
    "1010|BA|Bodenaustauschdicke|Empfehlung für die Bodenaustauschdicke|1||"
    "Empfehlung für die Bodenaustauschdicke",
    "1011|WG|Wassergehalt|Bestimmung des Wassergehaltes|1||Bestimmung des Wassergehaltes",
    "1012|L5|Fallgewicht (15kg)|Dynamischer Plattendruckversuch (15kg)|1||"
    "Dynamischer Plattendruckversuch (15kg)",
    "1013|GV|Glühverlust|Glühverlust nach DIN 18128|1||Glühverlust nach DIN 18128",
    "1014|SE|Sedimentation|Sedimentation nach DIN 18123|1||Sedimentation nach DIN 18123",
    "1015|FT|Filterstabilität|Nachweis der Filterstabilität nach Terzaghi|1||"
    "Nachweis der Filterstabilität nach Terzaghi",
    "1016|CA|Kalkgehalt|Bestimmung des Kalkgehaltes nach DIN 18129|1||"
    "Bestimmung des Kalkgehaltes nach DIN 18129",
    "1017|WD|Wasserdurchlässigkeitsbeiwert k|"
    "Bestimmung des Wasserdurchlässigkeitsbeiwertes nach DIN 18130 k|1|konstantes Gefälle|"
    "Bestimmung des Wasserdurchlässigkeitsbeiw.",
    "1017|WD|Wasserdurchlässigkeitsbeiwert v|"
    "Bestimmung des Wasserdurchlässigkeitsbeiwertes nach DIN 18130 v|2|veränderliches Gefälle|"
    "Bestimmung des Wasserdurchlässigkeitsbeiw.",
    "1018|GK|Kornverteilungen vergleichen|Kornverteilungen vergleichen|1||"
    "Kornverteilungen oder Proctorversuche vergl.",
    "1018|GP|Proctorversuche vergleichen|Proctorversuche vergleichen|2||"
    "Kornverteilungen oder Proctorversuche vergl.",
    "1020|AN|Aktennotiz|Aktennotiz|1||Aktennotiz",
};

enum Feld
{
    ID,
    KUERZEL,
    NAME,
    TITEL,
    UNTERART,
    UNTERART_TEXT,
    GRUPPENTITEL
};

// Only the comparison sheets are told apart by sub-type: both permeability rows name the same
// quantity, so the first of them stands for either method.
bool WaehltNachUnterart(const std::string& pruefart_ID)
{
    return pruefart_ID == "1018";
}

PRUEFARTZEILE ZerlegeZeile(const std::string& zeile)
{
    return {StringHoleFeld(zeile, '|', ID),          StringHoleFeld(zeile, '|', KUERZEL),
            StringHoleFeld(zeile, '|', NAME),        StringHoleFeld(zeile, '|', TITEL),
            StringHoleFeld(zeile, '|', UNTERART),    StringHoleFeld(zeile, '|', UNTERART_TEXT),
            StringHoleFeld(zeile, '|', GRUPPENTITEL)};
}

} // namespace

bool CPruefartKatalog::Lade()
{
    m_zeilen.assign(std::begin(kZeilen), std::end(kZeilen));
    return true;
}

int CPruefartKatalog::HoleAnzahl() const
{
    return static_cast<int>(m_zeilen.size());
}

bool CPruefartKatalog::Waehle(const std::string& pruefart_ID, int unterart)
{
    m_auswahl = PRUEFARTZEILE{};
    const bool nachUnterart = WaehltNachUnterart(pruefart_ID) && unterart != 0;
    for (const std::string& zeile : m_zeilen) {
        if (StringHoleFeld(zeile, '|', ID) != pruefart_ID)
            continue;
        if (nachUnterart && std::atoi(StringHoleFeld(zeile, '|', UNTERART).c_str()) != unterart)
            continue;
        m_auswahl = ZerlegeZeile(zeile);
        return true;
    }
    return false;
}

std::string CPruefartKatalog::HoleKuerzelgruppe() const
{
    return m_auswahl.pruefart_ID == "1018" ? "GK/KP" : m_auswahl.kuerzel;
}

std::string CPruefartKatalog::HoleFeldVonZeile(int zeile, int feld) const
{
    if (zeile < 0 || zeile >= HoleAnzahl())
        return "";
    return StringHoleFeld(m_zeilen[zeile], '|', feld);
}

std::string CPruefartKatalog::HoleIDVonZeile(int zeile) const
{
    return HoleFeldVonZeile(zeile, ID);
}

std::string CPruefartKatalog::HoleKuerzelVonZeile(int zeile) const
{
    return HoleFeldVonZeile(zeile, KUERZEL);
}

std::string CPruefartKatalog::HoleTitelVonZeile(int zeile) const
{
    return HoleFeldVonZeile(zeile, TITEL);
}

std::string CPruefartKatalog::HoleUnterartVonZeile(int zeile) const
{
    return HoleFeldVonZeile(zeile, UNTERART);
}

std::string CPruefartKatalog::HoleGruppentitelVonZeile(int zeile) const
{
    return HoleFeldVonZeile(zeile, GRUPPENTITEL);
}

std::string CPruefartKatalog::HoleKuerzelgruppeVonZeile(int zeile) const
{
    const std::string kuerzel = HoleKuerzelVonZeile(zeile);
    return kuerzel == "GK" || kuerzel == "GP" ? "GK/GP" : kuerzel;
}
