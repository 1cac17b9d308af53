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
#include <cstdint>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>

namespace {

constexpr const char* kAktuelleVersion = "0.0.2";

// The attributes of a "messung" element, in written order.
constexpr std::array<std::string_view, 4> kMessungsAttribute = {"lfdNr", "station", "schicht",
                                                                "lage"};

// Integer value of a text as strtoll reads it: leading white space and a sign allowed, 0 when
// it does not start with a number; clamped to the int range.
int ZahlAusText(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
        text.remove_prefix(1);
    if (text.empty())
        return 0;
    const bool negativ = text.front() == '-';
    if (negativ || text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return 0;
    // Held just beyond the int range, which any longer run of digits clamps to as well.
    constexpr uint64_t kUeberInt = uint64_t{INT_MAX} + 1;
    uint64_t betrag = 0;
    for (size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        betrag = std::min(betrag * 10 + static_cast<uint64_t>(text[i] - '0'), kUeberInt);
    if (betrag > INT_MAX)
        return negativ ? INT_MIN : INT_MAX;
    return negativ ? -static_cast<int>(betrag) : static_cast<int>(betrag);
}

// The attributes of the "protokoll" element, in written order.
constexpr std::array<std::string_view, 6> kProtokollAttribute = {
    "version", "ID", "titel_ID", "pruefart_ID", "pruefart_VER", "pruefunterartKuerzel"};

template <class Wort> Wort WortAus(const char* bytes)
{
    Wort wort;
    std::memcpy(&wort, bytes, sizeof wort);
    return wort;
}

// Whether the first `laenge` bytes of a and b are equal, compared in words, the last one
// overlapping those before.
template <class Wort> bool GleicheWorte(const char* a, const char* b, size_t laenge)
{
    for (size_t i = 0; i + sizeof(Wort) < laenge; i += sizeof(Wort)) {
        if (WortAus<Wort>(a + i) != WortAus<Wort>(b + i))
            return false;
    }
    const size_t letztes = laenge - sizeof(Wort);
    return WortAus<Wort>(a + letztes) == WortAus<Wort>(b + letztes);
}

// Short texts compared where they stand: a library call costs more than their few bytes.
bool GleicherText(std::string_view text, size_t pos, std::string_view muster)
{
    if (pos > text.size() || text.size() - pos < muster.size())
        return false;
    const char* hier = text.data() + pos;
    if (muster.size() >= sizeof(uint64_t))
        return GleicheWorte<uint64_t>(hier, muster.data(), muster.size());
    if (muster.size() >= sizeof(uint32_t))
        return GleicheWorte<uint32_t>(hier, muster.data(), muster.size());
    for (size_t i = 0; i < muster.size(); ++i) {
        if (hier[i] != muster[i])
            return false;
    }
    return true;
}

// A value as it stands in the record; `da` only for the first attribute of its name.
struct Rohwert
{
    std::string_view text;
    bool mitUnd = false;
    bool da = false;

    void HaengeAn(std::string& ziel) const
    {
        if (mitUnd)
            CMarkup::HaengeDemaskiertAn(text, ziel);
        else
            ziel.append(text);
    }
};

// Room for the texts of a record's measurements while they are read, one after the other; the
// values handed to it stand in the record it began with. A value never grows as it is read, so
// room for the record's length holds them all, with a short value's block of bytes to spare.
class CTextPuffer
{
public:
    void Beginne(std::string_view satz)
    {
        if (m_platz.size() < satz.size() + kKurz)
            m_platz.resize(satz.size() + kKurz);
        m_satzEnde = satz.data() + satz.size();
        m_laenge = 0;
    }

    void HaengeAn(const Rohwert& wert)
    {
        if (wert.text.empty())
            return;
        if (wert.mitUnd) {
            std::string demaskiert;
            wert.HaengeAn(demaskiert);
            Kopiere(demaskiert);
        } else if (wert.text.size() <= kKurz && m_satzEnde - wert.text.data() >= kKurz) {
            // A short value, most are, goes as one block of bytes of the record: whatever comes
            // next overwrites those behind it.
            std::memcpy(m_platz.data() + m_laenge, wert.text.data(), kKurz);
            m_laenge += wert.text.size();
        } else {
            Kopiere(wert.text);
        }
    }

    std::string_view Text() const { return {m_platz.data(), m_laenge}; }

private:
    static constexpr ptrdiff_t kKurz = 16;

    void Kopiere(std::string_view text)
    {
        std::memcpy(m_platz.data() + m_laenge, text.data(), text.size());
        m_laenge += text.size();
    }

    std::vector<char> m_platz;
    const char* m_satzEnde = nullptr;
    size_t m_laenge = 0;
};

// Reads a protocol record laid out as the writers lay it out, front to back without building a
// document:
//   <protokoll ..><daten><daten_allgemein>..</daten_allgemein><daten_speziell>..</daten_speziell>
//   <daten_messungen><messung ..>..</messung>..</daten_messungen></daten></protokoll>
// with any text but "<" between the tags, start tags of plain 'name="value"' pairs
// (CMarkup::LiesSchlichteAttribute), contents without "<" (so no child, comment or CDATA
// section), and the four inner elements of the data also written empty ("<name/>"). For such a
// record the document reads exactly these values; any step that meets something else fails, and
// the document reads the record.
class CSchlichterSatz
{
public:
    explicit CSchlichterSatz(std::string_view text) : m_text(text) {}

    // The next tag is a start tag of that name ("<name"); its attributes of the given names are
    // taken. `leer` tells whether it was written empty.
    template <size_t N>
    bool StartTag(std::string_view kleinerName, const std::array<std::string_view, N>& namen,
                  std::array<Rohwert, N>& werte, bool& leer)
    {
        return IstStartTag(kleinerName) && Attribute(namen, werte, leer);
    }

    bool StartTag(std::string_view kleinerName, bool& leer)
    {
        std::array<Rohwert, 0> keine;
        return StartTag(kleinerName, std::array<std::string_view, 0>{}, keine, leer);
    }

    // The attributes of the start tag whose name was just passed, up to its end.
    template <size_t N>
    bool Attribute(const std::array<std::string_view, N>& namen, std::array<Rohwert, N>& werte,
                   bool& leer)
    {
        // Names mostly stand in the written order: the one after the last found is tried first.
        size_t naechster = 0;
        while (naechster < N && NimmGeschriebenes(namen[naechster], werte[naechster]))
            ++naechster;
        const int ende = CMarkup::LiesSchlichteAttribute(
            m_text, static_cast<int>(m_pos), [&](const CMarkup::AttributPos& a) {
                if constexpr (N > 0) {
                    const size_t laenge = a.nameEnde - a.nameAnfang;
                    for (size_t k = 0; k < N; ++k) {
                        const size_t i = (naechster + k) % N;
                        if (!werte[i].da && namen[i].size() == laenge &&
                            GleicherText(m_text, a.nameAnfang, namen[i])) {
                            werte[i] = {m_text.substr(a.wertAnfang, a.wertEnde - a.wertAnfang),
                                        a.wertMitUnd != 0, true};
                            naechster = i + 1;
                            return;
                        }
                    }
                }
            });
        if (ende < 0)
            return false;
        leer = m_text[ende] == '/';
        if (leer && (static_cast<size_t>(ende) + 1 >= m_text.size() || m_text[ende + 1] != '>'))
            return false;
        m_pos = ende + (leer ? 2 : 1);
        return true;
    }

    // The attribute of that name as the writers put it, behind one blank; the walk over the
    // attributes takes any other form.
    bool NimmGeschriebenes(std::string_view name, Rohwert& wert)
    {
        const size_t wertAnfang = m_pos + 1 + name.size() + 2;
        if (wertAnfang > m_text.size() || m_text[m_pos] != ' ' ||
            !GleicherText(m_text, m_pos + 1, name) || m_text[wertAnfang - 2] != '=' ||
            m_text[wertAnfang - 1] != '"')
            return false;
        int mitUnd = 0;
        const size_t wertEnde = markup_zeichen::BisAnfuehrungOderGroesser(
            m_text.data(), static_cast<int>(wertAnfang), static_cast<int>(m_text.size()), mitUnd);
        if (wertEnde >= m_text.size() || m_text[wertEnde] != '"')
            return false;
        wert = {m_text.substr(wertAnfang, wertEnde - wertAnfang), mitUnd != 0, true};
        m_pos = wertEnde + 1;
        return true;
    }

    // Whether the next tag opens an element of that name, without moving on.
    bool IstStartTag(std::string_view kleinerName)
    {
        const size_t kleiner = NaechstesKleiner();
        const size_t hinter = kleiner + kleinerName.size();
        if (!GleicherText(m_text, kleiner, kleinerName) || hinter >= m_text.size())
            return false;
        // The name ends there: white space, or the end of the tag.
        const char c = m_text[hinter];
        if (markup_zeichen::ArtVon(c) != markup_zeichen::kLeerraum && c != '>' && c != '/')
            return false;
        m_pos = hinter;
        return true;
    }

    // The next tag is exactly this end tag ("</name>").
    bool EndTag(std::string_view endTag)
    {
        const size_t kleiner = NaechstesKleiner();
        if (!GleicherText(m_text, kleiner, endTag))
            return false;
        m_pos = kleiner + endTag.size();
        return true;
    }

    // The content of an element just opened, up to its end tag.
    bool Inhalt(std::string_view endTag, Rohwert& wert)
    {
        const size_t anfang = m_pos;
        if (!EndTag(endTag))
            return false;
        wert.text = m_text.substr(anfang, m_pos - endTag.size() - anfang);
        wert.mitUnd = wert.text.find('&') != std::string_view::npos;
        return true;
    }

    // A data element, written with content or empty.
    bool Element(std::string_view kleinerName, std::string_view endTag, Rohwert& wert)
    {
        bool leer = false;
        return StartTag(kleinerName, leer) && (leer || Inhalt(endTag, wert));
    }

private:
    // The "<" of the next tag; the text's end when there is none, where no tag matches.
    size_t NaechstesKleiner() const
    {
        // Mostly a line end at most stands before it: a look costs less than a search.
        for (size_t pos = m_pos; pos < std::min(m_pos + 3, m_text.size()); ++pos) {
            if (m_text[pos] == '<')
                return pos;
        }
        const size_t kleiner = m_text.find('<', m_pos);
        return kleiner == std::string_view::npos ? m_text.size() : kleiner;
    }

    std::string_view m_text;
    size_t m_pos = 0;
};

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
    // Asked for every cell of every list and summary row, mostly for columns without a source.
    static const std::map<std::pair<int, int>, const Spaltenquelle*> nachSpalte = [] {
        std::map<std::pair<int, int>, const Spaltenquelle*> index;
        for (const Spaltenquelle& quelle : kSpaltenquellen)
            index.emplace(std::pair{quelle.pruefart, quelle.spalte}, &quelle);
        return index;
    }();
    const auto treffer = nachSpalte.find({pruefart, spaltenId});
    return treffer == nachSpalte.end() ? nullptr : treffer->second;
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
    m_anzahlMessungen = quelle.m_anzahlMessungen;
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

CProtokoll::Messungsenden CProtokoll::Messungszeile(int index) const
{
    Messungsenden zeile;
    std::memcpy(&zeile, m_messungen.data() + index * sizeof zeile, sizeof zeile);
    return zeile;
}

std::string_view CProtokoll::MessungsTexte() const
{
    return std::string_view(m_messungen).substr(m_anzahlMessungen * sizeof(Messungsenden));
}

std::string_view CProtokoll::MessungsFeld(int index, Messungsfeld feld) const
{
    const Messungsenden zeile = Messungszeile(index);
    const uint32_t anfang = feld > kLfdNr ? zeile.ende[feld - 1]
                            : index > 0   ? Messungszeile(index - 1).ende[kDaten]
                                          : 0;
    return MessungsTexte().substr(anfang, zeile.ende[feld] - anfang);
}

void CProtokoll::SetzeMessungen(std::span<const Messungsenden> zeilen, std::string_view texte)
{
    std::string messungen;
    messungen.reserve(zeilen.size_bytes() + texte.size());
    messungen.append(reinterpret_cast<const char*>(zeilen.data()), zeilen.size_bytes());
    messungen.append(texte);
    m_messungen = std::move(messungen);
    m_anzahlMessungen = static_cast<int>(zeilen.size());
}

void CProtokoll::GetMessung(int index, MESSUNG& messung) const
{
    if (index < 0 || index >= GetAnzahlMessungen())
        throw CInvalidArgException("Messung " + std::to_string(index) + " gibt es nicht");
    messung.lfdNr = MessungsFeld(index, kLfdNr);
    messung.lfdNrWert = Messungszeile(index).lfdNrWert;
    messung.station = MessungsFeld(index, kStation);
    messung.schicht = MessungsFeld(index, kSchicht);
    messung.lage = MessungsFeld(index, kLage);
    messung.daten = MessungsFeld(index, kDaten);
}

namespace {

[[noreturn]] void MessungenZuGross()
{
    throw CInvalidArgException("Messungen eines Protokolls über 4 GB");
}

} // namespace

inline void CProtokoll::MerkeMessungsEnde(Messungsenden& enden, Messungsfeld feld, size_t ende)
{
    if (ende > UINT32_MAX)
        MessungenZuGross();
    enden.ende[feld] = static_cast<uint32_t>(ende);
}

// The measurements are laid out anew with the one added: protocols are built a measurement at a
// time only where they are made up, for samples and tests.
void CProtokoll::FuegeMessungHinzu(const MESSUNG& messung)
{
    std::vector<Messungsenden> zeilen(m_anzahlMessungen);
    for (int i = 0; i < m_anzahlMessungen; ++i)
        zeilen[i] = Messungszeile(i);
    std::string texte(MessungsTexte());
    Messungsenden& enden = zeilen.emplace_back();
    enden.lfdNrWert = messung.lfdNrWert;
    const std::pair<Messungsfeld, const std::string*> felder[] = {{kLfdNr, &messung.lfdNr},
                                                                  {kStation, &messung.station},
                                                                  {kSchicht, &messung.schicht},
                                                                  {kLage, &messung.lage},
                                                                  {kDaten, &messung.daten}};
    for (const auto& [feld, text] : felder) {
        texte += *text;
        MerkeMessungsEnde(enden, feld, texte.size());
    }
    SetzeMessungen(zeilen, texte);
}

void CProtokoll::SetzeArtIndex()
{
    m_artIndex = ListenartVonPruefart(m_pruefart);
}

bool CProtokoll::LeseXML(std::string_view xml)
{
    if (LeseSchlichtenSatz(xml))
        return true;
    CMarkup dokument;
    // The text outlives the reading, so the document need not copy it.
    dokument.SetzeDokumentAnsicht(xml);
    return LeseXML(dokument);
}

bool CProtokoll::LeseSchlichtenSatz(std::string_view xml)
{
    // Beyond what the document can address it accepts no text.
    if (xml.size() >= INT_MAX / 2)
        return false;
    CSchlichterSatz satz(xml);
    std::array<Rohwert, kProtokollAttribute.size()> kopf;
    Rohwert allgemein, speziell;
    bool leer = false;
    if (!satz.StartTag("<protokoll", kProtokollAttribute, kopf, leer) || leer ||
        !satz.StartTag("<daten", leer) || leer ||
        !satz.Element("<daten_allgemein", "</daten_allgemein>", allgemein) ||
        !satz.Element("<daten_speziell", "</daten_speziell>", speziell) ||
        !satz.StartTag("<daten_messungen", leer))
        return false;
    // Reused by every record read on this thread: the measurements are copied out at their size.
    thread_local CTextPuffer texte;
    thread_local std::vector<Messungsenden> messungen;
    texte.Beginne(xml);
    messungen.clear();
    if (!leer) {
        std::array<Rohwert, kMessungsAttribute.size()> werte;
        Rohwert daten;
        while (satz.IstStartTag("<messung")) {
            werte = {};
            daten = {};
            if (!satz.Attribute(kMessungsAttribute, werte, leer) ||
                (!leer && !satz.Inhalt("</messung>", daten)))
                return false;
            Messungsenden& enden = messungen.emplace_back();
            const size_t anfang = texte.Text().size();
            for (Messungsfeld feld : {kLfdNr, kStation, kSchicht, kLage}) {
                texte.HaengeAn(werte[feld]);
                MerkeMessungsEnde(enden, feld, texte.Text().size());
            }
            texte.HaengeAn(daten);
            MerkeMessungsEnde(enden, kDaten, texte.Text().size());
            enden.lfdNrWert = ZahlAusText(texte.Text().substr(anfang, enden.ende[kLfdNr] - anfang));
        }
        if (!satz.EndTag("</daten_messungen>"))
            return false;
    }
    if (!satz.EndTag("</daten>") || !satz.EndTag("</protokoll>"))
        return false;

    const auto kopfwert = [&kopf](size_t i) {
        std::string wert;
        kopf[i].HaengeAn(wert);
        return wert;
    };
    m_version = kopfwert(0);
    m_id = kopfwert(1);
    m_titelId = kopfwert(2);
    m_pruefartId = kopfwert(3);
    m_pruefart = ZahlAusText(m_pruefartId);
    m_pruefartVer = ZahlAusText(kopfwert(4));
    m_pruefunterartKuerzel = kopfwert(5);
    SetzeArtIndex();
    daten_allgemein.clear();
    allgemein.HaengeAn(daten_allgemein);
    if (m_version == "0.0.1") {
        daten_allgemein = WandleDatenAllgemein001(daten_allgemein);
        m_version = kAktuelleVersion;
    }
    daten_speziell.clear();
    speziell.HaengeAn(daten_speziell);
    SetzeMessungen(messungen, texte.Text());
    return true;
}

bool CProtokoll::LeseXML(CMarkup& dokument)
{
    SetzeDatentexte("", "");
    SetzeMessungen({}, {});
    if (!dokument.FindeElement("protokoll"))
        return false;

    m_version = dokument.HoleAttribut("version");
    m_id = dokument.HoleAttribut("ID");
    m_titelId = dokument.HoleAttribut("titel_ID");
    m_pruefartId = dokument.HoleAttribut("pruefart_ID");
    m_pruefart = ZahlAusText(m_pruefartId);
    m_pruefartVer = ZahlAusText(dokument.HoleAttribut("pruefart_VER"));
    m_pruefunterartKuerzel = dokument.HoleAttribut("pruefunterartKuerzel");
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
        dokument.BetreteElement();
        LeseMessungen(dokument);
    }
    return true;
}

// The "messung" children of the main element. Their values are no longer than the element's
// text, which so bounds the room they take while they are read.
void CProtokoll::LeseMessungen(CMarkup& dokument)
{
    int anfang = 0, ende = 0;
    dokument.HoleElementBereich(anfang, ende);
    std::string texte;
    texte.reserve(ende - anfang);
    size_t kinder = 0;
    while (dokument.FindeKindElement())
        ++kinder;
    std::vector<Messungsenden> zeilen;
    zeilen.reserve(kinder);
    dokument.VerlasseElement();
    dokument.BetreteElement();
    std::array<size_t, kMessungsAttribute.size()> attributEnden;
    while (dokument.FindeKindElement("messung")) {
        const size_t messungsAnfang = texte.size();
        Messungsenden& enden = zeilen.emplace_back();
        dokument.HaengeKindAttributeAn(kMessungsAttribute, texte, attributEnden);
        for (Messungsfeld feld : {kLfdNr, kStation, kSchicht, kLage})
            MerkeMessungsEnde(enden, feld, attributEnden[feld]);
        dokument.HaengeKindDatenAn(texte);
        MerkeMessungsEnde(enden, kDaten, texte.size());
        enden.lfdNrWert = ZahlAusText(
            std::string_view(texte).substr(messungsAnfang, attributEnden[kLfdNr] - messungsAnfang));
    }
    SetzeMessungen(zeilen, texte);
}

std::string CProtokoll::SchreibeXML() const
{
    const PROTOKOLLKENNUNG kennung{m_version,    m_id,          m_titelId,
                                   m_pruefartId, m_pruefartVer, m_pruefunterartKuerzel};
    return SchreibeProtokollXml(kennung, *this, GetAnzahlMessungen(), [this](int i) {
        MESSUNG messung;
        GetMessung(i, messung);
        return messung;
    });
}

std::string SchreibeProtokollXml(const PROTOKOLLKENNUNG& kennung, const CVersuchData& texte,
                                 int anzahl, const std::function<MESSUNG(int)>& messung)
{
    CMarkup dokument;
    dokument.FuegeElementHinzu("protokoll");
    dokument.FuegeAttributHinzu("version", kennung.version);
    dokument.FuegeAttributHinzu("ID", kennung.id);
    dokument.FuegeAttributHinzu("titel_ID", kennung.titelId);
    dokument.FuegeAttributHinzu("pruefart_ID", kennung.pruefartId);
    dokument.FuegeAttributZahlHinzu("pruefart_VER", kennung.pruefartVer);
    dokument.FuegeAttributHinzu("pruefunterartKuerzel", kennung.kuerzel);

    dokument.FuegeKindElementHinzu("daten");
    dokument.BetreteElement();
    dokument.FuegeKindElementHinzu("daten_allgemein", texte.daten_allgemein);
    dokument.FuegeKindElementHinzu("daten_speziell", texte.daten_speziell);
    dokument.FuegeKindElementHinzu("daten_messungen");
    dokument.BetreteElement();
    for (int i = 0; i < anzahl; ++i) {
        const MESSUNG m = messung(i);
        dokument.FuegeKindElementHinzu("messung", m.daten);
        dokument.FuegeKindAttributHinzu("lfdNr", m.lfdNr);
        dokument.FuegeKindAttributHinzu("station", m.station);
        dokument.FuegeKindAttributHinzu("schicht", m.schicht);
        dokument.FuegeKindAttributHinzu("lage", m.lage);
    }
    return dokument.HoleDokument();
}

void CProtokoll::KopiereSpaltentexte(Spaltentextzeile& worte) const
{
    const bool bekannt = m_artIndex >= 0 && m_artIndex < kAnzahlListenarten;
    worte = ZusammenstellungSpaltentexte[bekannt ? m_artIndex : 0];
}

namespace {

// Display text of a measurement-list cell; building its sort key as well would cost a summary
// row of every measurement more than the texts themselves.
std::string MessungsSpaltentext(const CProtokoll& protokoll, const std::string& nummernPraefix,
                                int spaltenId, const MESSUNG& messung)
{
    std::string text;
    const int kopffeld = KopffeldDerSpalte(spaltenId);
    if (kopffeld >= 0) {
        text = protokoll.HoleFeld(1, kopffeld);
    } else if (spaltenId == 28) {
        text = protokoll.HoleFeld(2, 0);
    } else if (spaltenId == 4) {
        text = messung.station;
    } else if (spaltenId == 5) {
        text = messung.schicht;
    } else if (spaltenId == 6) {
        text = messung.lage;
    } else if (spaltenId == 11) {
        text = nummernPraefix + "-" + protokoll.HoleProtokollnummer();
    } else if (spaltenId == 12) {
        text = StringDatumJJJJMMTTZuTTMMJJJJ(protokoll.HolePruefdatumRoh());
    } else if (IstMesswertSpalte(spaltenId)) {
        // The compaction ratio is no measurement value of a proctor test.
        if (!(spaltenId == 29 && protokoll.GetPruefart() == 1001)) {
            text = HoleMesswert(messung.daten, Messungsspaltenkatalog[spaltenId].schluessel);
            if (text.empty())
                protokoll.HoleProtokollSpaltenwert(spaltenId, text);
        }
    } else {
        protokoll.HoleProtokollSpaltenwert(spaltenId, text);
    }
    return text;
}

} // namespace

void CProtokoll::HoleMessungsSpalte(const std::string& nummernPraefix, int spaltenId,
                                    const MESSUNG& messung, std::string& text,
                                    std::string& sortierSchluessel) const
{
    text = MessungsSpaltentext(*this, nummernPraefix, spaltenId, messung);
    if (spaltenId == 4) {
        sortierSchluessel = BildeZahlSchluessel(GrossSchreiben(text));
    } else if (spaltenId == 12) {
        sortierSchluessel = HolePruefdatumRoh(); // "JJJJMMTT" sorts by date
    } else if (IstMesswertSpalte(spaltenId)) {
        const double wert = StringZuDouble(text);
        sortierSchluessel = std::fabs(wert) > 0.001 ? StringFormat("%012.4f", wert) : text;
    } else {
        sortierSchluessel = GrossSchreiben(text);
    }
}

void CProtokoll::HoleMessungsSpalteNachIndex(std::string& text, int spalte,
                                             const MESSUNG& messung) const
{
    const bool bekannteArt = m_artIndex >= 0 && m_artIndex < kAnzahlListenarten;
    const bool bekannteSpalte = spalte >= 0 && spalte < kSpaltenJeListenart;
    const int spaltenId =
        Messungsspaltentabelle[bekannteArt ? m_artIndex : 0][bekannteSpalte ? spalte : 0];
    text = MessungsSpaltentext(*this, "", spaltenId, messung);
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
    if (quelle->ueberkorn != Ueberkorn::Egal) {
        // A source for one case of oversize grain serves only the protocols of that case.
        const bool mitUeberkorn = !HoleFeldSpeziell(2, 7).empty();
        if ((quelle->ueberkorn == Ueberkorn::Mit) != mitUeberkorn) {
            text.clear();
            return;
        }
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
    // One pass over the items, each from a "[" to the next "]"; every row of the lists and the
    // summary asks for a dozen keys.
    const std::string_view text = daten;
    constexpr size_t nichtGefunden = std::string_view::npos;
    for (size_t auf = text.find('['); auf != nichtGefunden; auf = text.find('[', auf + 1)) {
        const size_t zu = text.find(']', auf + 1);
        if (zu == nichtGefunden || zu == auf + 1)
            return "";
        const std::string_view eintrag = text.substr(auf + 1, zu - auf - 1);
        const size_t trenner = eintrag.find('|');
        if (eintrag.substr(0, trenner) != schluessel)
            continue;
        if (trenner == nichtGefunden)
            return "";
        const std::string_view wert = eintrag.substr(trenner + 1);
        return std::string(wert.substr(0, wert.find('|')));
    }
    return "";
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
