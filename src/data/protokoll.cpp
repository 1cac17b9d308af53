#include "data/protokoll.h"

#include "data/markup.h"
#include "data/messungsspalten.h"
#include "data/textfunktionen.h"
#include "platform/exceptions.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr const char* kAktuelleVersion = "0.0.2";

// The attributes of the "protokoll" and "messung" elements, in written order.
constexpr std::array<std::string_view, 6> kProtokollAttribute = {
    "version", "ID", "titel_ID", "pruefart_ID", "pruefart_VER", "pruefunterartKuerzel"};
constexpr std::array<std::string_view, 4> kMessungsAttribute = {"lfdNr", "station", "schicht",
                                                                "lage"};

// Integer value of a text: leading blanks and a sign allowed, 0 when it does not start with a
// number, clamped to the int range.
int ZahlAusText(const std::string& text)
{
    const long long wert = std::strtoll(text.c_str(), nullptr, 10);
    if (wert > INT_MAX)
        return INT_MAX;
    if (wert < INT_MIN)
        return INT_MIN;
    return static_cast<int>(wert);
}

std::string Gruppe(const std::string& daten, int n)
{
    return StringHoleZwischen(daten, '{', '}', n);
}

// Columns whose value is stored in the measurement's own data text.
bool IstMesswertSpalte(int spaltenId)
{
    return (spaltenId >= 17 && spaltenId <= 27) || (spaltenId >= 29 && spaltenId <= 36) ||
           spaltenId == 60 || spaltenId == 61;
}

// Header field of group 1 of the general data text shown by a column; -1 when none.
int KopffeldDerSpalte(int spaltenId)
{
    static constexpr struct
    {
        int spalte;
        int feld;
    } kKopffelder[] = {{3, 0},   {7, 4},   {8, 5},   {9, 6},  {10, 7},
                       {13, 10}, {14, 11}, {15, 12}, {16, 13}};
    for (const auto& eintrag : kKopffelder)
        if (eintrag.spalte == spaltenId)
            return eintrag.feld;
    return -1;
}

// Proctor values belong either to the columns with oversize grain or to those without.
enum class Ueberkorn
{
    Egal,
    Ohne,
    Mit
};
constexpr int kGanzesFeld = -1;

// Where a column's value lies in the special data text of a test type.

struct Spaltenquelle
{
    int pruefart;
    int spalte;
    int gruppe;
    int feld;
    int unterfeld;
    Ueberkorn ueberkorn = Ueberkorn::Egal;
    const char* vorsatz = "";
};

const Spaltenquelle kSpaltenquellen[] = {
    {1000, 45, 4, 15, 0},
    {1000, 46, 4, 15, 2},
    {1000, 47, 4, 15, 3},
    {1000, 48, 4, 15, 4},
    {1000, 49, 4, 15, 5},
    {1000, 58, 4, 15, 6},
    {1000, 50, 4, 15, 10},
    {1000, 51, 4, 15, 11},
    {1000, 52, 4, 15, 12},
    {1000, 53, 4, 15, 13},
    {1000, 54, 4, 15, 14},
    {1000, 55, 4, 15, 15},
    {1000, 56, 4, 15, 16},
    {1000, 59, 4, 15, 17},
    {1001, 21, 4, 19, 0, Ueberkorn::Ohne},
    {1001, 22, 4, 20, 0, Ueberkorn::Ohne},
    {1001, 34, 4, 19, 0, Ueberkorn::Mit},
    {1001, 35, 4, 20, 0, Ueberkorn::Mit},
    {1001, 36, 2, 7, kGanzesFeld},
    {1006, 25, 4, 5, kGanzesFeld},
    {1006, 62, 4, 8, kGanzesFeld},
    {1006, 63, 4, 9, kGanzesFeld},
    {1006, 64, 4, 10, kGanzesFeld},
    {1006, 66, 4, 11, kGanzesFeld},
    {1006, 67, 4, 12, kGanzesFeld},
    {1006, 65, 4, 18, kGanzesFeld},
    {1008, 40, 4, 9, kGanzesFeld},
    {1009, 23, 2, 0, kGanzesFeld},
    {1009, 21, 2, 2, kGanzesFeld},
    {1009, 22, 2, 3, kGanzesFeld},
    {1009, 25, 2, 4, kGanzesFeld},
    {1009, 68, 2, 6, kGanzesFeld, Ueberkorn::Egal, " "},
    {1009, 69, 2, 7, kGanzesFeld},
    {1009, 70, 2, 8, kGanzesFeld},
    {1009, 37, 2, 9, kGanzesFeld},
    {1010, 38, 2, 0, kGanzesFeld},
    {1010, 18, 2, 2, kGanzesFeld},
    {1010, 30, 2, 3, kGanzesFeld},
    {1010, 39, 4, 6, kGanzesFeld},
    {1013, 61, 4, 9, kGanzesFeld},
    {1015, 42, 2, 4, 5},
    {1015, 43, 2, 5, 5},
    {1015, 44, 2, 6, 5},
    {1016, 60, 4, 12, kGanzesFeld},
    {1017, 41, 4, 27, 0},
    {1020, 71, 4, 1, kGanzesFeld},
};

const Spaltenquelle* FindeSpaltenquelle(int pruefart, int spaltenId)
{
    for (const Spaltenquelle& quelle : kSpaltenquellen)
        if (quelle.pruefart == pruefart && quelle.spalte == spaltenId)
            return &quelle;
    return nullptr;
}

// Group 1 of an old general data text: the protocol number loses the prefix before its first
// "-", and trailing empty fields are dropped.
std::string WandleKopfgruppe001(const std::string& gruppe)
{
    std::string neu;
    const int felder = StringZaehleFelderZeichen(gruppe, '|');
    for (int f = 0; f < felder; ++f) {
        std::string feld = StringHoleFeld(gruppe, '|', f);
        const std::size_t strich = feld.find('-');
        if (f == 8 && strich != std::string::npos && strich > 0)
            feld.erase(0, strich + 1);
        neu += feld + "|";
    }
    neu.erase(neu.find_last_not_of('|') + 1);
    return neu;
}

} // namespace

CProtokoll& CProtokoll::operator=(const CProtokoll& quelle)
{
    const bool eigenesGeaendert = geaendert;
    CVersuchData::operator=(quelle);
    geaendert = eigenesGeaendert;
    m_version = quelle.m_version;
    m_id = quelle.m_id;
    m_titelId = quelle.m_titelId;
    m_pruefartId = quelle.m_pruefartId;
    m_pruefart = quelle.m_pruefart;
    m_artIndex = quelle.m_artIndex;
    m_pruefartVer = quelle.m_pruefartVer;
    m_pruefunterartKuerzel = quelle.m_pruefunterartKuerzel;
    m_messungen = quelle.m_messungen;
    return *this;
}

bool CProtokoll::Initialisiere(const std::string& id, const std::string& titel_ID,
                               const std::string& pruefart_ID)
{
    m_id = id;
    m_titelId = titel_ID;
    m_pruefartId = pruefart_ID;
    m_pruefart = ZahlAusText(pruefart_ID);
    m_version = kAktuelleVersion;
    SetzeDatentexte("", "");
    SetzeArtIndex();
    return true;
}

void CProtokoll::SetzeDatentexte(const std::string& allgemein, const std::string& speziell)
{
    daten_allgemein = allgemein;
    daten_speziell = speziell;
}

void CProtokoll::SetzeProtokollnummerRoh(const std::string& nummer)
{
    daten_allgemein = ::SetzeFeld(daten_allgemein, 1, 8, nummer);
}

void CProtokoll::SetzePruefdatumRoh(const std::string& datum)
{
    daten_allgemein = ::SetzeFeld(daten_allgemein, 1, 9, datum);
}

int ListenartVonPruefart(int pruefart)
{
    static constexpr struct
    {
        int pruefart;
        int art;
    } kListenarten[] = {{1000, 7}, {1001, 1}, {1002, 1}, {1007, 1}, {1006, 10},
                        {1008, 4}, {1009, 2}, {1010, 3}, {1013, 9}, {1015, 6},
                        {1016, 8}, {1017, 5}, {1020, 11}};
    for (const auto& eintrag : kListenarten)
        if (eintrag.pruefart == pruefart)
            return eintrag.art;
    return 0;
}

void CProtokoll::GetMessung(int index, MESSUNG& messung) const
{
    if (index < 0 || index >= GetAnzahlMessungen())
        throw CInvalidArgException("Messung " + std::to_string(index) + " gibt es nicht");
    messung = m_messungen[index];
}

void CProtokoll::SetzeArtIndex()
{
    m_artIndex = ListenartVonPruefart(m_pruefart);
}

bool CProtokoll::LeseXML(const std::string& xml)
{
    SetzeDatentexte("", "");
    m_messungen.clear();
    CMarkup dokument;
    if (!dokument.SetzeDokument(xml) || !dokument.FindeElement("protokoll"))
        return false;

    std::string pruefartVer;
    const std::array<std::string*, kProtokollAttribute.size()> werte = {
        &m_version, &m_id, &m_titelId, &m_pruefartId, &pruefartVer, &m_pruefunterartKuerzel};
    dokument.HoleAttribute(kProtokollAttribute, werte);
    m_pruefart = ZahlAusText(m_pruefartId);
    m_pruefartVer = ZahlAusText(pruefartVer);
    SetzeArtIndex();

    if (!dokument.FindeKindElement("daten"))
        return true;
    dokument.BetreteElement();
    // The children are searched forward only, so they are expected in the written order.
    if (dokument.FindeKindElement("daten_allgemein"))
        daten_allgemein = dokument.HoleKindDaten();
    // Also without a general text: an old protocol then gets the twenty empty groups.
    if (m_version == "0.0.1") {
        daten_allgemein = WandleDatenAllgemein001(daten_allgemein);
        m_version = kAktuelleVersion;
    }
    if (dokument.FindeKindElement("daten_speziell"))
        daten_speziell = dokument.HoleKindDaten();
    if (dokument.FindeKindElement("daten_messungen")) {
        // The children are counted first (a bound for the measurements), so that the
        // measurements are stored without being moved around.
        dokument.BetreteElement();
        size_t anzahl = 0;
        while (dokument.FindeKindElement())
            ++anzahl;
        m_messungen.reserve(anzahl);
        dokument.VerlasseElement();
        dokument.BetreteElement();
        while (dokument.FindeKindElement("messung")) {
            MESSUNG& messung = m_messungen.emplace_back();
            const std::array<std::string*, kMessungsAttribute.size()> werte = {
                &messung.lfdNr, &messung.station, &messung.schicht, &messung.lage};
            dokument.HoleKindAttribute(kMessungsAttribute, werte);
            messung.lfdNrWert = ZahlAusText(messung.lfdNr);
            messung.daten = dokument.HoleKindDaten();
        }
    }
    return true;
}

std::string CProtokoll::SchreibeXML() const
{
    CMarkup dokument;
    dokument.FuegeElementHinzu("protokoll");
    dokument.FuegeAttributHinzu("version", m_version);
    dokument.FuegeAttributHinzu("ID", m_id);
    dokument.FuegeAttributHinzu("titel_ID", m_titelId);
    dokument.FuegeAttributHinzu("pruefart_ID", m_pruefartId);
    dokument.FuegeAttributZahlHinzu("pruefart_VER", m_pruefartVer);
    dokument.FuegeAttributHinzu("pruefunterartKuerzel", m_pruefunterartKuerzel);

    dokument.FuegeKindElementHinzu("daten");
    dokument.BetreteElement();
    dokument.FuegeKindElementHinzu("daten_allgemein", daten_allgemein);
    dokument.FuegeKindElementHinzu("daten_speziell", daten_speziell);
    dokument.FuegeKindElementHinzu("daten_messungen");
    dokument.BetreteElement();
    for (const MESSUNG& messung : m_messungen) {
        dokument.FuegeKindElementHinzu("messung", messung.daten);
        dokument.FuegeKindAttributHinzu("lfdNr", messung.lfdNr);
        dokument.FuegeKindAttributHinzu("station", messung.station);
        dokument.FuegeKindAttributHinzu("schicht", messung.schicht);
        dokument.FuegeKindAttributHinzu("lage", messung.lage);
    }
    return dokument.HoleDokument();
}

void CProtokoll::KopiereSpaltentexte(Spaltentextzeile& worte) const
{
    const bool bekannt = m_artIndex >= 0 && m_artIndex < kAnzahlListenarten;
    worte = ZusammenstellungSpaltentexte[bekannt ? m_artIndex : 0];
}

void CProtokoll::HoleMessungsSpalte(const std::string& nummernPraefix, int spaltenId,
                                    const MESSUNG& messung, std::string& text,
                                    std::string& sortierSchluessel) const
{
    text.clear();
    const int kopffeld = KopffeldDerSpalte(spaltenId);
    if (kopffeld >= 0) {
        text = HoleFeld(1, kopffeld);
    } else if (spaltenId == 28) {
        text = HoleFeld(2, 0);
    } else if (spaltenId == 4) {
        text = messung.station;
        sortierSchluessel = BildeZahlSchluessel(GrossSchreiben(messung.station));
        return;
    } else if (spaltenId == 5) {
        text = messung.schicht;
    } else if (spaltenId == 6) {
        text = messung.lage;
    } else if (spaltenId == 11) {
        text = nummernPraefix + "-" + HoleProtokollnummer();
    } else if (spaltenId == 12) {
        sortierSchluessel = HolePruefdatumRoh(); // "JJJJMMTT" sorts by date
        text = StringDatumJJJJMMTTZuTTMMJJJJ(sortierSchluessel);
        return;
    } else if (IstMesswertSpalte(spaltenId)) {
        // The compaction ratio is no measurement value of a proctor test.
        if (!(spaltenId == 29 && m_pruefart == 1001)) {
            text = HoleMesswert(messung.daten, Messungsspaltenkatalog[spaltenId].schluessel);
            if (text.empty())
                HoleProtokollSpaltenwert(spaltenId, text);
        }
        const double wert = StringZuDouble(text);
        sortierSchluessel = std::fabs(wert) > 0.001 ? StringFormat("%012.4f", wert) : text;
        return;
    } else {
        HoleProtokollSpaltenwert(spaltenId, text);
    }
    sortierSchluessel = GrossSchreiben(text);
}

void CProtokoll::HoleMessungsSpalteNachIndex(std::string& text, int spalte,
                                             const MESSUNG& messung) const
{
    const bool bekannteArt = m_artIndex >= 0 && m_artIndex < kAnzahlListenarten;
    const bool bekannteSpalte = spalte >= 0 && spalte < kSpaltenJeListenart;
    const int spaltenId =
        Messungsspaltentabelle[bekannteArt ? m_artIndex : 0][bekannteSpalte ? spalte : 0];
    std::string sortierSchluessel;
    HoleMessungsSpalte("", spaltenId, messung, text, sortierSchluessel);
}

void CProtokoll::HoleProtokollSpaltenwert(int spaltenId, std::string& text) const
{
    if (m_pruefart == 1000 && spaltenId == 57) {
        // The largest grain size: the last filled sieve of 15 down to 1.
        text.clear();
        for (int sieb = 15; sieb >= 1 && text.empty(); --sieb)
            text = HoleUnterfeld(2, 0, sieb);
        return;
    }
    const Spaltenquelle* quelle = FindeSpaltenquelle(m_pruefart, spaltenId);
    if (!quelle)
        return;
    const bool mitUeberkorn = !HoleFeldSpeziell(2, 7).empty();
    if ((quelle->ueberkorn == Ueberkorn::Ohne && mitUeberkorn) ||
        (quelle->ueberkorn == Ueberkorn::Mit && !mitUeberkorn)) {
        text.clear();
        return;
    }
    text = quelle->vorsatz + (quelle->unterfeld == kGanzesFeld
                                  ? HoleFeldSpeziell(quelle->gruppe, quelle->feld)
                                  : HoleUnterfeld(quelle->gruppe, quelle->feld, quelle->unterfeld));
}

std::string CProtokoll::BildeUebersichtszeile() const
{
    return "[" + HoleProtokollnummer() + "][" + Gruppe(daten_allgemein, 1) + "][" +
           Gruppe(daten_speziell, 3) + "]";
}

std::string HoleMesswert(const std::string& daten, const std::string& schluessel)
{
    for (int n = 0;; ++n) {
        const std::string eintrag = StringHoleZwischen(daten, '[', ']', n);
        if (eintrag.empty())
            return "";
        if (StringHoleFeld(eintrag, '|', 0) == schluessel)
            return StringHoleFeld(eintrag, '|', 1);
    }
}

std::string WandleDatenAllgemein001(const std::string& daten)
{
    std::string neu;
    for (int k = 0; k < CVersuchData::AnzahlGruppen; ++k) {
        const std::string gruppe = Gruppe(daten, k);
        neu += "{" + (k == 1 ? WandleKopfgruppe001(gruppe) : gruppe) + "}";
    }
    return neu;
}

std::string SetzeFeld(const std::string& daten, int gruppe, int feld, const std::string& wert)
{
    // Every "{" opens a group of the text, also an empty one or one without its "}" (which reads
    // as empty, so that nothing after it leaks into the group).
    const int anzahl = int(std::count(daten.begin(), daten.end(), '{'));
    if (gruppe < 0 || gruppe >= anzahl)
        throw CInvalidArgException("Datentext ohne Gruppe " + std::to_string(gruppe));

    std::string text;
    for (int g = 0; g < anzahl; ++g) {
        std::string inhalt = Gruppe(daten, g);
        if (g == gruppe) {
            const int felder = std::max(StringZaehleFelderZeichen(inhalt, '|'), feld + 1);
            std::string neu;
            for (int f = 0; f < felder; ++f)
                neu += (f == feld ? wert : StringHoleFeld(inhalt, '|', f)) + "|";
            neu.pop_back();
            inhalt = std::move(neu);
        }
        text += "{" + inhalt + "}";
    }
    return text;
}
