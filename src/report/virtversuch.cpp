#include "report/virtversuch.h"

#include "data/markup.h"
#include "data/protokoll.h"
#include "data/textfunktionen.h"
#include "platform/cdc.h"
#include "platform/exceptions.h"
#include "platform/text.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <vector>

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

// Element n of a list that grows to hold it.
template <typename T> T& Element(std::vector<T>& liste, int n)
{
    if (std::size_t(n) >= liste.size())
        liste.resize(std::size_t(n) + 1);
    return liste[std::size_t(n)];
}

// The framed areas of the first report layout.
constexpr COLORREF kBereichsfarbe = RGB(255, 153, 255);
constexpr const char* kBereichstitel = "Allg. Bereich";

CFont Schrift(int hoehe, int gewicht, const char* name)
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, 0, 0, gewicht, 0, 0, 0, 0, 0, 0, 0, 0, name);
    return schrift;
}

void ZeichneBereich(CDC& dc, const RECT& bereich)
{
    const std::vector<POINT> rahmen = {{bereich.left, bereich.top},
                                       {bereich.right, bereich.top},
                                       {bereich.right, bereich.bottom},
                                       {bereich.left, bereich.bottom},
                                       {bereich.left, bereich.top}};
    dc.Polyline(rahmen);
    dc.TextOut(bereich.left + 200, bereich.top - 200, kBereichstitel);
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

void CVirtVersuch::GleicheProtokollnummerAn()
{
    const std::string nummer = HoleProtokollnummer();
    if (nummer.size() >= 7 && nummer.compare(nummer.size() - 2, 2, Kuerzel) != 0)
        SetzeProtokollnummer(nummer.substr(0, nummer.size() - 2) + Kuerzel);
}

void CVirtVersuch::SetzeMessung(int n, const std::string& station, const std::string& schicht,
                                const std::string& lage)
{
    if (n < 0)
        return;
    Element(Stationen, n) = station;
    Element(Schichten, n) = schicht;
    Element(Lagen, n) = lage;
}

void CVirtVersuch::SetzeMesswert(int n, const std::string& schluessel, const std::string& wert)
{
    if (n >= 0)
        Element(Messwerte, n)[schluessel] = wert;
}

std::string CVirtVersuch::HoleMesswerteText(int n) const
{
    if (n < 0 || std::size_t(n) >= Messwerte.size())
        return "";
    std::string text;
    for (const auto& [schluessel, wert] : Messwerte[std::size_t(n)])
        text += "[" + schluessel + "|" + wert + "]";
    return text;
}

void CVirtVersuch::SetzeBindemittelBezugswerte()
{
    if (PruefartId != "1009")
        return;
    static constexpr const char* kSchluessel[] = {"PRNR", "VERDR", "WOPT", "RPR", "WNAT", "OPT1"};
    for (int feld = 0; feld < int(std::size(kSchluessel)); ++feld)
        SetzeMesswert(0, kSchluessel[feld], HoleFeldSpeziell(2, feld));
}

std::string CVirtVersuch::SchreibeProtokollXml() const
{
    const PROTOKOLLKENNUNG kennung{Version, Id, TitelId, PruefartId, Untertyp, Kuerzel};
    const std::size_t anzahl =
        std::max({Stationen.size(), Schichten.size(), Lagen.size(), Messwerte.size()});
    const auto eintrag = [](const std::vector<std::string>& liste, std::size_t n) {
        return n < liste.size() ? liste[n] : std::string();
    };
    return ::SchreibeProtokollXml(kennung, *this, int(anzahl), [&](int n) {
        MESSUNG messung;
        messung.lfdNr = std::to_string(n + 1);
        messung.station = eintrag(Stationen, n);
        messung.schicht = eintrag(Schichten, n);
        messung.lage = eintrag(Lagen, n);
        messung.daten = HoleMesswerteText(n);
        return messung;
    });
}

void CVirtVersuch::DruckeAlteSeite(int lokaleSeite, CDC* dc, RECT seite) const
{
    const int gespeichert = dc->SaveDC();
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextAlign(TA_LEFT | TA_TOP);
    dc->SelectObject(CPen(PS_SOLID, 1, kBereichsfarbe));

    // Below the identity lines, 1 cm inside the page.
    const RECT flaeche{seite.left + 1000, seite.top - 2000, seite.right - 1000,
                       seite.bottom + 1000};
    if (lokaleSeite == 1) {
        const int mitte = (flaeche.top + flaeche.bottom) / 2;
        dc->SelectObject(Schrift(600, 800, "Times New Roman"));
        ZeichneBereich(*dc, {flaeche.left, flaeche.top, flaeche.right, mitte});
        ZeichneBereich(*dc, {flaeche.left, mitte, flaeche.right, flaeche.bottom});
    } else {
        dc->SelectObject(Schrift(800, 800, "Times New Roman"));
        ZeichneBereich(*dc, flaeche);
    }

    dc->SelectObject(Schrift(400, 500, "Arial"));
    if (Seitenzahl > 1)
        dc->TextOut(1000, -300, StringFormat("Seite %d von %d", lokaleSeite, Seitenzahl));
    dc->TextOut(1000, -900, StringFormat("Protokoll-ID: %s", Id.c_str()));
    dc->TextOut(1000, -1500, StringFormat("Untermassname-ID: %s", TitelId.c_str()));
    dc->RestoreDC(gespeichert);
}
