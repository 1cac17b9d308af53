#include "data/versuchdata.h"

#include "data/textfunktionen.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool GruppeSchreibbar(int gruppe)
{
    return gruppe >= 0 && gruppe < CVersuchData::AnzahlGruppen;
}

// Structure characters of a value are stored as look-alikes; "@" survives when the value brings
// its own sub-fields.
std::string Maskiert(std::string wert, bool auchUnterfeldtrenner)
{
    for (char& c : wert) {
        if (c == '{')
            c = '(';
        else if (c == '}')
            c = ')';
        else if (c == '|' || (c == '@' && auchUnterfeldtrenner))
            c = '#';
    }
    return wert;
}

std::string Gruppe(const std::string& text, int gruppe)
{
    return StringHoleZwischen(text, '{', '}', gruppe);
}

// The text written anew as groups 0 to 19, with `inhalt` as the content of group `gruppe`.
std::string MitGruppe(const std::string& text, int gruppe, const std::string& inhalt)
{
    std::string neu;
    for (int k = 0; k < CVersuchData::AnzahlGruppen; ++k)
        neu += "{" + (k == gruppe ? inhalt : Gruppe(text, k)) + "}";
    return neu;
}

std::string MitFeld(const std::string& text, int gruppe, int feld, const std::string& wert)
{
    std::string inhalt = Gruppe(text, gruppe);
    StringSetzeFeld(inhalt, '|', feld, wert);
    return MitGruppe(text, gruppe, inhalt);
}

// Every sub-field is followed by "@", then the trailing "@" go, so emptied sub-fields at the end
// disappear.
std::string MitUnterfeld(const std::string& feld, int unterfeld, const std::string& wert)
{
    const int anzahl = std::max(StringZaehleFelderZeichen(feld, '@'), unterfeld + 1);
    std::string neu;
    for (int i = 0; i < anzahl; ++i)
        neu += (i == unterfeld ? wert : StringHoleFeld(feld, '@', i)) + "@";
    neu.erase(neu.find_last_not_of('@') + 1);
    return neu;
}

int ZahlAus(const std::string& text, size_t start, size_t laenge)
{
    return start < text.size() ? std::atoi(text.substr(start, laenge).c_str()) : 0;
}

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string CVersuchData::HoleFeld(int gruppe, int feld) const
{
    return StringHoleGruppenfeld(daten_allgemein, gruppe, feld);
}

std::string CVersuchData::HoleFeldSpeziell(int gruppe, int feld) const
{
    return StringHoleGruppenfeld(daten_speziell, gruppe, feld);
}

std::string CVersuchData::HoleUnterfeld(int gruppe, int feld, int unterfeld) const
{
    return StringHoleFeld(HoleFeldSpeziell(gruppe, feld), '@', unterfeld);
}

std::string CVersuchData::HoleFeldSpeziellKlartext(int gruppe, int feld) const
{
    std::string wert = HoleFeldSpeziell(gruppe, feld);
    std::replace(wert.begin(), wert.end(), '#', '|');
    return wert;
}

std::string CVersuchData::HoleSpeziellBlock(int gruppe) const
{
    return Gruppe(daten_speziell, gruppe);
}

std::string CVersuchData::HoleSpeziellBlock4() const
{
    return HoleSpeziellBlock(4);
}

std::string CVersuchData::HoleSpeziellBlock5() const
{
    return HoleSpeziellBlock(5);
}

std::string CVersuchData::HoleKopfblock() const
{
    std::string kopf = Gruppe(daten_allgemein, 1);
    std::replace(kopf.begin(), kopf.end(), '|', '@');
    return "|" + kopf;
}

std::string CVersuchData::HoleProtokollnummer() const
{
    return HoleFeld(1, 8);
}

std::string CVersuchData::HolePruefdatumRoh() const
{
    return HoleFeld(1, 9);
}

std::string CVersuchData::HolePruefdatum() const
{
    const std::string datum = HolePruefdatumRoh();
    if (datum.empty())
        return "";
    const size_t tagAb = datum.size() >= 2 ? datum.size() - 2 : 0;
    return StringFormat("%02d.%02d.%d", ZahlAus(datum, tagAb, 2), ZahlAus(datum, 4, 2),
                        ZahlAus(datum, 0, 4));
}

bool CVersuchData::SetzeFeld(int gruppe, int feld, const std::string& wert)
{
    if (!GruppeSchreibbar(gruppe) || feld < 0)
        return false;
    // Compared before escaping: a value with a structure character always counts as a change.
    if (HoleFeld(gruppe, feld) != wert)
        geaendert = true;
    daten_allgemein = MitFeld(daten_allgemein, gruppe, feld, Maskiert(wert, true));
    return true;
}

bool CVersuchData::SetzeFeldSpeziell(int gruppe, int feld, const std::string& wert,
                                     bool unterfelderBehalten)
{
    if (!GruppeSchreibbar(gruppe) || feld < 0)
        return false;
    const std::string maskiert = Maskiert(wert, !unterfelderBehalten);
    // Only writes into groups 2, 5 and 6 are tested for a change and mark the record changed.
    if (gruppe == 2 || gruppe == 5 || gruppe == 6) {
        if (HoleFeldSpeziell(gruppe, feld) == maskiert)
            return true;
        geaendert = true;
    }
    daten_speziell = MitFeld(daten_speziell, gruppe, feld, maskiert);
    return true;
}

bool CVersuchData::SetzeFeldSpeziellMitUnterfeldern(int gruppe, int feld, const std::string& wert)
{
    return SetzeFeldSpeziell(gruppe, feld, wert, true);
}

bool CVersuchData::SetzeUnterfeld(int gruppe, int feld, int unterfeld, const std::string& wert)
{
    if (!GruppeSchreibbar(gruppe) || feld < 0 || unterfeld < 0)
        return false;
    if (gruppe == 2 || gruppe == 5 || gruppe == 4) {
        if (HoleUnterfeld(gruppe, feld, unterfeld) == wert)
            return true;
        geaendert = true;
    }
    const std::string neuesFeld =
        MitUnterfeld(HoleFeldSpeziell(gruppe, feld), unterfeld, Maskiert(wert, true));
    daten_speziell = MitFeld(daten_speziell, gruppe, feld, neuesFeld);
    return true;
}

bool CVersuchData::SetzeProtokollnummer(const std::string& wert)
{
    return SetzeFeld(1, 8, wert);
}

bool CVersuchData::SetzeSpeziellGruppe(int gruppe, const std::string& inhalt)
{
    const bool geaendertJetzt = StringSetzeGruppenfeld(daten_speziell, '{', '}', gruppe, inhalt);
    if (geaendertJetzt)
        geaendert = true;
    return geaendertJetzt;
}

std::string BildeZahlSchluessel(const std::string& text)
{
    if (text.empty())
        return text;
    const char erstes = text.front();
    if (!(IstZiffer(erstes) || erstes == '+' || erstes == '-') || !IstZiffer(text.back()))
        return text;
    std::string zahl = text;
    for (const char trenner : {'+', ',', ':', ';', '-'})
        std::replace(zahl.begin(), zahl.end(), trenner, '.');
    return StringFormat("%010.4f", StringZuDouble(zahl));
}
