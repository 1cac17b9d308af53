#include "report/virtversuch.h"

#include "data/markup.h"
#include "data/textfunktionen.h"
#include "platform/exceptions.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

const std::string& KopfdatenEintrag(const std::vector<std::string>& kopfdaten, std::size_t n)
{
    if (n >= kopfdaten.size())
        throw CInvalidArgException("Kopfdaten ohne Eintrag " + std::to_string(n));
    return kopfdaten[n];
}

namespace {

// The leading decimal integer of a text (blanks and a sign allowed before it), held within
// 0..obergrenze so that no stored text can overflow it.
int BegrenzteZahl(const std::string& text, int obergrenze)
{
    std::size_t i = text.find_first_not_of(" \t\r\n");
    if (i == std::string::npos)
        return 0;
    const bool negativ = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    int wert = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        wert = std::min(wert * 10 + (text[i] - '0'), obergrenze);
    return negativ ? 0 : wert;
}

// The leading decimal integer of a text, 0 when there is none, held within the range of int.
int GanzeZahl(const std::string& text)
{
    const long wert = std::strtol(text.c_str(), nullptr, 10);
    return int(
        std::clamp<long>(wert, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

CVirtVersuch::CVirtVersuch(const std::string& kuerzel, const std::string& titel,
                           int seitencodeBasis)
    : Titel(titel), Kuerzel(kuerzel), m_seitencodeBasis(seitencodeBasis)
{
}

bool CVirtVersuch::LeseProtokollXml(const std::string& xml, bool titelBehalten)
{
    CMarkup dokument;
    if (!dokument.SetzeDokument(xml) || !dokument.FindeElement("protokoll"))
        return false;
    Version = dokument.HoleAttribut("version");
    Id = dokument.HoleAttribut("ID");
    TitelId = dokument.HoleAttribut("titel_ID");
    PruefartId = dokument.HoleAttribut("pruefart_ID");
    Untertyp = GanzeZahl(dokument.HoleAttribut("pruefart_VER"));
    if (std::string kuerzel = dokument.HoleAttribut("pruefunterartKuerzel"); !kuerzel.empty())
        Kuerzel = kuerzel;

    if (dokument.FindeKindElement("daten")) {
        dokument.BetreteElement();
        if (dokument.FindeKindElement("daten_allgemein"))
            daten_allgemein = dokument.HoleKindDaten();
        if (dokument.FindeKindElement("daten_speziell"))
            daten_speziell = dokument.HoleKindDaten();
        dokument.VerlasseElement();
    }

    // A protocol that names no title prints the report title of its test type.
    if (!titelBehalten && HoleFeld(0, 0).empty() && HoleFeld(0, 1).empty())
        SetzeFeld(0, 1, Titel);
    return true;
}

void CVirtVersuch::SetzeKopfdaten(const std::string& kopfsatz, const std::string& fusstext)
{
    Kopfsatz.Bezeichnung = StringHoleFeld(kopfsatz, '|', 0);
    Kopfsatz.Leerfeld = StringHoleFeld(kopfsatz, '|', 1);
    Kopfsatz.Auftraggeber = StringHoleFeld(kopfsatz, '|', 2);
    Kopfsatz.ProtNrPraefix = StringHoleFeld(kopfsatz, '|', 3);
    Kopfsatz.Fusstext = fusstext;
}

int CVirtVersuch::HoleSeitenzahl() const
{
    const std::string angabe = HoleFeld(3, 0);
    if (angabe.empty())
        return Seitenzahl;
    return BegrenzteZahl(angabe, HoechsteSeitenzahl);
}

int CVirtVersuch::Seitencode(int lokaleSeite) const
{
    return m_seitencodeBasis + (lokaleSeite >= 1 && lokaleSeite <= 9 ? lokaleSeite : 0);
}

std::vector<std::string> CVirtVersuch::Kopfdaten() const
{
    return {HoleKopfblock(), HoleSpeziellBlock4(), HoleSpeziellBlock5()};
}

std::string CVirtVersuch::Kopffelder() const
{
    return Kopfsatz.Bezeichnung + "|" + HoleFeld(2, 1) + "|" + Kopfsatz.Auftraggeber + "|" +
           Kopfsatz.ProtNrPraefix;
}

std::string CVirtVersuch::Seitentitel() const
{
    return HoleFeld(0, 1);
}

void CVirtVersuch::DruckeStandardseite(CDC* dc, RECT seite, int seitencode)
{
    const std::vector<std::string> kopfdaten = Kopfdaten();
    CProtokollDruck drucker;
    drucker.ErzeugeGdiObjekte(this);
    drucker.DruckeSeite(dc, seite, seitencode, kopfdaten, Kopffelder(), Zusatztext(),
                        Seitentitel());
}

void CVirtVersuch::DruckeKopf(CDC* dc, RECT seite, int seitencode, CProtokollDruck* drucker,
                              std::vector<std::string>* kopfdaten)
{
    for (std::string& text : Kopfdaten())
        kopfdaten->push_back(std::move(text));
    drucker->ErzeugeGdiObjekte(this);
    drucker->DruckeKopf(dc, seite, seitencode, *kopfdaten, Kopffelder(), Zusatztext());
}
