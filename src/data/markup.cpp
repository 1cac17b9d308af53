#include "data/markup.h"

#include "platform/exceptions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

using namespace markup_zeichen;

// Names that differ mostly differ in length, first or last character: those are looked at
// before the whole names are compared.
bool GleicherName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           (a.empty() || (a.front() == b.front() && a.back() == b.back() && a == b));
}

// Result of parsing where an element may stand, besides the index of a parsed element.
constexpr int kKeins = 0;
constexpr int kFehler = -1;

constexpr int kMindestSaetze = 50;
constexpr std::string_view kCdataAnfang = "<![CDATA[";
constexpr std::string_view kCdataEnde = "]]>";

struct Entity
{
    char zeichen;
    std::string_view name; // behind the "&"
};
// Order matters for writing: "&" is escaped after "<" and before ">".
constexpr std::array<Entity, 5> kEntities = {{
    {'<', "lt;"},
    {'&', "amp;"},
    {'>', "gt;"},
    {'\'', "apos;"},
    {'"', "quot;"},
}};

// Element text escapes the first three entities, attribute values all five.
std::string Maskiere(std::string_view text, size_t anzahlEntities)
{
    std::string ergebnis;
    ergebnis.reserve(text.size() + text.size() / 10 + 7);
    for (char c : text) {
        bool ersetzt = false;
        for (size_t i = 0; i < anzahlEntities && !ersetzt; ++i) {
            if (kEntities[i].zeichen == c) {
                ergebnis += '&';
                ergebnis += kEntities[i].name;
                ersetzt = true;
            }
        }
        if (!ersetzt)
            ergebnis += c;
    }
    return ergebnis;
}

std::string MaskiereText(std::string_view text)
{
    return Maskiere(text, 3);
}

std::string MaskiereAttribut(std::string_view text)
{
    return Maskiere(text, kEntities.size());
}

const Entity* EntityAm(std::string_view text)
{
    for (const Entity& e : kEntities) {
        if (text.substr(0, e.name.size()) == e.name)
            return &e;
    }
    return nullptr;
}

} // namespace

// Text without "&" is appended as it stands.
void CMarkup::HaengeDemaskiertAn(std::string_view text, std::string& ziel)
{
    size_t kopiertBis = 0;
    for (size_t und = text.find('&'); und != std::string_view::npos;
         und = text.find('&', kopiertBis)) {
        ziel.append(text.substr(kopiertBis, und - kopiertBis));
        const Entity* entity = EntityAm(text.substr(und + 1));
        ziel += entity ? entity->zeichen : '&';
        kopiertBis = und + 1 + (entity ? entity->name.size() : 0);
    }
    ziel.append(text.substr(kopiertBis));
}

CMarkup::CMarkup()
{
    SetzeDokument({});
}

CMarkup::CMarkup(const CMarkup& andere)
{
    *this = andere;
}

CMarkup& CMarkup::operator=(const CMarkup& andere)
{
    if (this == &andere)
        return *this;
    const bool geliehen = andere.m_text.data() != andere.m_dokument.data();
    m_dokument = andere.m_dokument;
    m_text = geliehen ? andere.m_text : std::string_view(m_dokument);
    m_ebene = andere.m_ebene;
    m_saetze = andere.m_saetze;
    m_attribute = andere.m_attribute;
    m_haupt = andere.m_haupt;
    m_kind = andere.m_kind;
    m_naechsterFreier = andere.m_naechsterFreier;
    m_gespeichert = andere.m_gespeichert;
    return *this;
}

void CMarkup::SetzeZurueck()
{
    m_naechsterFreier = 1;
    m_haupt = 0;
    m_kind = 0;
    m_ebene = 0;
    if (m_saetze.size() < kMindestSaetze)
        m_saetze.resize(kMindestSaetze);
    m_saetze[0] = ElemPos{};
    m_attribute.clear();
    m_gespeichert.clear();
}

// Offsets are ints; a text they cannot address is not accepted.
constexpr size_t kTextGrenze = INT_MAX / 2;

bool CMarkup::SetzeDokument(std::string_view text)
{
    m_dokument.assign(text.size() < kTextGrenze ? text : std::string_view());
    m_text = m_dokument;
    return Parse();
}

bool CMarkup::SetzeDokumentAnsicht(std::string_view text)
{
    m_dokument.clear();
    m_text = text.size() < kTextGrenze ? text : std::string_view();
    return Parse();
}

bool CMarkup::Parse()
{
    SetzeZurueck();
    if (!m_text.empty()) {
        const int element = ParseElement(0, 0);
        if (element > 0) {
            m_saetze[0].erstesKind = element;
            return true;
        }
    }
    m_dokument.clear();
    m_text = {};
    SetzeZurueck();
    return false;
}

int CMarkup::NimmSatz()
{
    if (m_naechsterFreier >= static_cast<int>(m_saetze.size()))
        m_saetze.resize(m_saetze.size() + m_saetze.size() / 2);
    const int satz = m_naechsterFreier++;
    m_saetze[satz] = ElemPos{};
    return satz;
}

// Tokens inside tags: a double-quoted string (to the end of the text when the quote is not
// closed), one delimiter, or a run of other characters. White space separates them.
inline bool CMarkup::LiesToken(int& pos, Token& token) const
{
    const int laenge = static_cast<int>(m_text.size());
    const char* d = m_text.data();
    if (pos < 0)
        return false;
    while (pos < laenge && ArtVon(d[pos]) == kLeerraum)
        ++pos;
    if (pos >= laenge)
        return false;
    if (ArtVon(d[pos]) == kAnfuehrung) {
        // Values are short: a plain loop beats a library search, and notes a "&" on the way.
        token.inAnfuehrung = true;
        token.anfang = pos + 1;
        token.mitUnd = false;
        int zu = token.anfang;
        for (; zu < laenge && d[zu] != '"'; ++zu)
            token.mitUnd |= d[zu] == '&';
        token.ende = zu;
        pos = zu < laenge ? zu + 1 : laenge;
        return true;
    }
    token.inAnfuehrung = false;
    token.anfang = pos;
    if (ArtVon(d[pos]) == kTrenner) {
        pos += 1;
    } else {
        while (pos < laenge && ArtVon(d[pos]) == kNormal)
            ++pos;
    }
    token.ende = pos;
    return true;
}

// The text from `anfang` to `ende`, cut at the end of the document.
inline std::string_view CMarkup::Text(int anfang, int ende) const
{
    if (anfang < 0 || anfang > static_cast<int>(m_text.size()) || ende < anfang)
        return {};
    return m_text.substr(anfang, ende - anfang);
}

inline std::string_view CMarkup::TokenText(const Token& token) const
{
    return Text(token.anfang, token.ende);
}

inline bool CMarkup::IstZeichen(const Token& token, char c) const
{
    return !token.inAnfuehrung && token.ende == token.anfang + 1 && m_text[token.anfang] == c;
}

int CMarkup::FindeZeichen(char c, int ab) const
{
    const int laenge = static_cast<int>(m_text.size());
    if (ab < 0 || ab >= laenge)
        return -1;
    // The parser mostly looks for the "<" it already stands on.
    if (m_text[ab] == c)
        return ab;
    const void* treffer = std::memchr(m_text.data() + ab, c, laenge - ab);
    return treffer ? static_cast<int>(static_cast<const char*>(treffer) - m_text.data()) : -1;
}

std::string_view CMarkup::TagName(int satz) const
{
    const ElemPos& e = m_saetze[satz];
    const int anfang = e.startTagAnfang + e.namensVersatz;
    return Text(anfang, anfang + e.namensLaenge);
}

// The first token behind the "<" names the element; a quoted one names none.
void CMarkup::MerkeName(int satz)
{
    ElemPos& e = m_saetze[satz];
    int pos = e.startTagAnfang + 1;
    Token token;
    const bool benannt = LiesToken(pos, token) && !token.inAnfuehrung;
    e.namensVersatz = benannt ? token.anfang - e.startTagAnfang : 1;
    e.namensLaenge = benannt ? token.ende - token.anfang : 0;
}

// Walks a start tag's tokens from just behind its name: each unquoted token other than "=" names
// an attribute, and the quoted token two behind it is its value (none when that token is not
// quoted); an unquoted ">" or "/" ends the walk. A single-quoted value is not recognised.
// `nimm` gets each attribute in turn and returns true to stop. False when a token read, the
// value look-ahead included, reaches beyond `grenze`.
template <class Nimm> bool CMarkup::LaufeAttribute(int pos, int grenze, Nimm&& nimm) const
{
    Token token;
    while (LiesToken(pos, token)) {
        if (pos > grenze)
            return false;
        if (IstZeichen(token, '>') || IstZeichen(token, '/'))
            return true;
        if (token.inAnfuehrung || IstZeichen(token, '='))
            continue;
        AttributPos attribut{token.anfang, token.ende, -1, -1, 0};
        int wertPos = pos;
        Token zwischen, wert;
        // The usual 'name="value"' needs no token search between name and value.
        const bool gleichDahinter = pos + 1 < static_cast<int>(m_text.size()) &&
                                    m_text[pos] == '=' && m_text[pos + 1] == '"';
        if (gleichDahinter) {
            zwischen = {pos, pos + 1, false, false};
            ++wertPos;
        }
        const bool mitWert = (gleichDahinter || LiesToken(wertPos, zwischen)) &&
                             LiesToken(wertPos, wert) && wert.inAnfuehrung;
        if (wertPos > grenze)
            return false;
        if (mitWert) {
            attribut.wertAnfang = wert.anfang;
            attribut.wertEnde = wert.ende;
            attribut.wertMitUnd = wert.mitUnd;
        }
        if (nimm(attribut))
            return true;
        // A "=" or quoted token can neither name an attribute nor end the walk, so the usual
        // '= "value"' is passed over at once.
        if (mitWert && (zwischen.inAnfuehrung || IstZeichen(zwischen, '=')))
            pos = wertPos;
    }
    return pos <= grenze;
}

// Start tags as writers lay them out, 'name="value"' pairs between blanks up to ">" or "/", have
// their attributes taken down by a plain scan that gives what the walk gives for them. It stops
// before any ">", so where it ends at one, that is the end of the start tag. Yields the offset of
// the ">" or "/" it ends at; -1, leaving the walk to decide, at anything else.
int CMarkup::MerkeSchlichteAttribute(int pos)
{
    return LiesSchlichteAttribute(m_text, pos,
                                  [this](const AttributPos& a) { m_attribute.push_back(a); });
}

// The parse takes the attributes down while it stands on the start tag, so that reading them
// walks no tag again; those from `erstes` on are the plain scan's when it took them. A walk that
// would read beyond the tag's ">" is left for when an attribute is asked for.
void CMarkup::MerkeAttribute(int satz, int nameEnde, size_t erstes, bool schlicht)
{
    bool imTag = schlicht;
    if (!imTag) {
        m_attribute.resize(erstes);
        imTag = LaufeAttribute(nameEnde, m_saetze[satz].startTagEnde + 1,
                               [this](const AttributPos& attribut) {
                                   m_attribute.push_back(attribut);
                                   return false;
                               });
    }
    ElemPos& e = m_saetze[satz];
    if (!imTag) {
        m_attribute.resize(erstes);
        e.attributAnzahl = ElemPos::kUngelesen;
        return;
    }
    e.ersteAttribut = static_cast<int>(erstes);
    e.attributAnzahl = static_cast<int>(m_attribute.size() - erstes);
}

template <class Nimm> void CMarkup::FuerJedesAttribut(int satz, Nimm&& nimm) const
{
    const ElemPos& e = m_saetze[satz];
    if (e.attributAnzahl == ElemPos::kUngelesen) {
        LaufeAttribute(e.startTagAnfang + e.namensVersatz + e.namensLaenge, INT_MAX, nimm);
        return;
    }
    for (int i = e.ersteAttribut; i < e.ersteAttribut + e.attributAnzahl; ++i) {
        if (nimm(m_attribute[i]))
            return;
    }
}

// The first attribute of each name, with a value or without, from one pass over the element's
// attributes: bit i of the result is set when namen[i] was found, as attribute[i].
uint32_t CMarkup::FindeAttribute(int satz, std::span<const std::string_view> namen,
                                 AttributPos* attribute) const
{
    if (namen.size() > kHoechstensAttribute)
        throw CInvalidArgException("CMarkup: zu viele Attribute auf einmal");
    uint32_t offen = 0;
    for (size_t i = 0; i < namen.size(); ++i) {
        if (!namen[i].empty())
            offen |= uint32_t{1} << i;
    }
    const uint32_t gesucht = offen;
    if (satz && offen) {
        FuerJedesAttribut(satz, [&](const AttributPos& kandidat) {
            const std::string_view name = Text(kandidat.nameAnfang, kandidat.nameEnde);
            for (uint32_t rest = offen; rest; rest &= rest - 1) {
                const int i = std::countr_zero(rest);
                if (GleicherName(name, namen[i])) {
                    attribute[i] = kandidat;
                    offen &= ~(uint32_t{1} << i);
                }
            }
            return offen == 0;
        });
    }
    return gesucht & ~offen;
}

bool CMarkup::FindeAttribut(int satz, std::string_view name, AttributPos& attribut) const
{
    return FindeAttribute(satz, {&name, 1}, &attribut) != 0;
}

// Parses one element (with everything inside it) under the parent, looking from `ab` on. Runs
// with a stack of open elements instead of recursion, so that deep nesting cannot exhaust the
// call stack. Yields the element's record, kKeins or kFehler.
int CMarkup::ParseElement(int eltern, int ab)
{
    struct Offen
    {
        int satz;
        int lauf; // running parse position among its children
        int letztesKind;
    };
    int lauf = ab;
    const int wurzel = LiesStartTag(eltern, lauf);
    if (wurzel <= 0)
        return wurzel;
    // Behind a parsed child the parse goes on at its element end, the next "<".
    std::vector<Offen> offen;
    offen.reserve(8); // deeper than protocols nest
    if (!m_saetze[wurzel].IstLeer())
        offen.push_back({wurzel, m_saetze[wurzel].startTagEnde + 1, 0});
    while (!offen.empty()) {
        const int satz = offen.back().satz;
        const int kind = LiesStartTag(satz, offen.back().lauf);
        if (kind == kFehler)
            return kFehler;
        if (kind != kKeins) {
            Offen& o = offen.back();
            if (o.letztesKind == 0)
                m_saetze[satz].erstesKind = kind;
            else
                m_saetze[o.letztesKind].naechstes = kind;
            o.letztesKind = kind;
            if (m_saetze[kind].IstLeer())
                o.lauf = m_saetze[kind].elementEnde;
            else
                offen.push_back({kind, m_saetze[kind].startTagEnde + 1, 0});
            continue;
        }
        if (!LiesEndTag(satz, offen.back().lauf))
            return kFehler;
        offen.pop_back();
        if (!offen.empty())
            offen.back().lauf = m_saetze[satz].elementEnde;
    }
    return wurzel;
}

// From `lauf`, passes over declarations, comments and CDATA sections up to the next start tag
// and takes a record for it. An end tag yields kKeins with `lauf` at its "<".
int CMarkup::LiesStartTag(int eltern, int& lauf)
{
    for (;;) {
        const int kleiner = FindeZeichen('<', lauf);
        if (kleiner < 0)
            return kKeins;
        int pos = kleiner + 1;
        Token token;
        if (!LiesToken(pos, token) || token.inAnfuehrung)
            return kFehler;
        const char erstes = m_text[token.anfang];
        if (erstes == '?' || erstes == '!') {
            const bool cdata = erstes == '!' && token.ende < static_cast<int>(m_text.size()) &&
                               m_text[token.ende] == '[';
            const std::string_view ende = erstes == '?' ? "?>" : cdata ? kCdataEnde : "-->";
            const size_t marke = m_text.find(ende, token.ende);
            if (marke == std::string::npos)
                return kFehler;
            lauf = static_cast<int>(marke + ende.size());
            continue;
        }
        if (erstes == '/') {
            lauf = kleiner;
            return kKeins;
        }
        const size_t erstesAttribut = m_attribute.size();
        const int schlichtBis = MerkeSchlichteAttribute(token.ende);
        const bool schlicht = schlichtBis >= 0;
        const int groesser = schlicht && m_text[schlichtBis] == '>'
                                 ? schlichtBis
                                 : FindeZeichen('>', schlicht ? schlichtBis : token.ende);
        if (groesser < 0)
            return kFehler;
        const int satz = NimmSatz();
        ElemPos& e = m_saetze[satz];
        e.eltern = eltern;
        e.startTagAnfang = kleiner;
        e.startTagEnde = groesser;
        e.namensVersatz = token.anfang - kleiner;
        e.namensLaenge = token.ende - token.anfang;
        MerkeAttribute(satz, token.ende, erstesAttribut, schlicht);
        if (m_text[groesser - 1] == '/') {
            e.endTagAnfang = groesser - 1;
            e.endTagEnde = groesser;
            SetzeElementEnde(satz);
        }
        return satz;
    }
}

// The end tag must be "<", "/", exactly the element's name, then anything up to a ">".
bool CMarkup::LiesEndTag(int satz, int lauf)
{
    const int kleiner = FindeZeichen('<', lauf);
    if (kleiner < 0)
        return false;
    int pos = kleiner + 1;
    Token token;
    if (!LiesToken(pos, token) || !IstZeichen(token, '/'))
        return false;
    if (!LiesToken(pos, token) || token.inAnfuehrung ||
        !GleicherName(TokenText(token), TagName(satz)))
        return false;
    while (LiesToken(pos, token)) {
        if (IstZeichen(token, '>')) {
            m_saetze[satz].endTagAnfang = kleiner;
            m_saetze[satz].endTagEnde = token.anfang;
            SetzeElementEnde(satz);
            return true;
        }
    }
    return false;
}

void CMarkup::SetzeElementEnde(int satz)
{
    // Mostly just a line end stands before the next "<": a look at it costs less than a search.
    const int laenge = static_cast<int>(m_text.size());
    int ab = m_saetze[satz].endTagEnde + 1;
    for (const int nah = std::min(laenge, ab + 2); ab < nah && m_text[ab] != '<';)
        ++ab;
    const int naechstesKleiner = FindeZeichen('<', ab);
    m_saetze[satz].elementEnde =
        naechstesKleiner >= 0 ? naechstesKleiner : static_cast<int>(m_text.size());
}

// ---- Navigation

int CMarkup::FindeElementAb(int kandidat, std::string_view name) const
{
    for (; kandidat != 0; kandidat = m_saetze[kandidat].naechstes) {
        if (name.empty() || GleicherName(TagName(kandidat), name))
            return kandidat;
    }
    return 0;
}

bool CMarkup::FindeElement(std::string_view name)
{
    const int kandidat = m_haupt ? m_saetze[m_haupt].naechstes : m_saetze[0].erstesKind;
    const int treffer = FindeElementAb(kandidat, name);
    if (!treffer)
        return false;
    m_haupt = treffer;
    m_kind = 0;
    return true;
}

bool CMarkup::FindeKindElement(std::string_view name)
{
    if (!m_haupt)
        FindeElement();
    if (!m_haupt || m_saetze[m_haupt].IstLeer())
        return false;
    const int kandidat = m_kind ? m_saetze[m_kind].naechstes : m_saetze[m_haupt].erstesKind;
    const int treffer = FindeElementAb(kandidat, name);
    if (!treffer)
        return false;
    m_kind = treffer;
    return true;
}

bool CMarkup::BetreteElement()
{
    if (!m_kind)
        FindeKindElement();
    if (!m_kind)
        return false;
    m_haupt = m_kind;
    m_kind = 0;
    ++m_ebene;
    return true;
}

bool CMarkup::VerlasseElement()
{
    if (!m_haupt || m_ebene == 0)
        return false;
    m_kind = m_haupt;
    m_haupt = m_saetze[m_haupt].eltern;
    --m_ebene;
    return true;
}

int CMarkup::LetztesKind(int eltern) const
{
    int kind = m_saetze[eltern].erstesKind;
    while (kind && m_saetze[kind].naechstes)
        kind = m_saetze[kind].naechstes;
    return kind;
}

int CMarkup::VorigesGeschwister(int satz) const
{
    int voriges = 0;
    for (int k = m_saetze[m_saetze[satz].eltern].erstesKind; k && k != satz;
         k = m_saetze[k].naechstes)
        voriges = k;
    return voriges;
}

// ---- Reading

void CMarkup::HaengeDatenAn(int satz, std::string& ziel) const
{
    const ElemPos& e = m_saetze[satz];
    if (e.erstesKind || e.IstLeer())
        return;
    const int anfang = e.startTagEnde + 1;
    // Content that opens with a CDATA section (blanks before it allowed) is taken raw.
    int pos = anfang;
    while (pos < e.endTagAnfang && ArtVon(m_text[pos]) == kLeerraum)
        ++pos;
    if (pos < e.endTagAnfang && m_text.compare(pos, kCdataAnfang.size(), kCdataAnfang) == 0) {
        const int cdata = pos + static_cast<int>(kCdataAnfang.size());
        const size_t ende = m_text.find(kCdataEnde, cdata);
        if (ende != std::string_view::npos && static_cast<int>(ende) < e.endTagAnfang) {
            ziel.append(Text(cdata, static_cast<int>(ende)));
            return;
        }
    }
    HaengeDemaskiertAn(Text(anfang, e.endTagAnfang), ziel);
}

std::string CMarkup::HoleKindDaten() const
{
    std::string daten;
    HaengeKindDatenAn(daten);
    return daten;
}

void CMarkup::HaengeKindDatenAn(std::string& ziel) const
{
    if (m_kind)
        HaengeDatenAn(m_kind, ziel);
}

void CMarkup::HaengeAttributeAn(int satz, std::span<const std::string_view> namen,
                                std::string& ziel, std::span<size_t> enden) const
{
    if (enden.size() < namen.size())
        throw CInvalidArgException("CMarkup: weniger Enden als Attributnamen");
    std::array<AttributPos, kHoechstensAttribute> attribute;
    const uint32_t gefunden = FindeAttribute(satz, namen, attribute.data());
    for (size_t i = 0; i < namen.size(); ++i) {
        const AttributPos& attribut = attribute[i];
        if (gefunden & uint32_t{1} << i && attribut.wertAnfang >= 0) {
            const std::string_view wert = Text(attribut.wertAnfang, attribut.wertEnde);
            if (attribut.wertMitUnd)
                HaengeDemaskiertAn(wert, ziel);
            else
                ziel.append(wert);
        }
        enden[i] = ziel.size();
    }
}

std::string CMarkup::HoleAttributVon(int satz, std::string_view name) const
{
    std::string wert;
    size_t ende = 0;
    HaengeAttributeAn(satz, {&name, 1}, wert, {&ende, 1});
    return wert;
}

std::string CMarkup::HoleAttribut(std::string_view name) const
{
    return HoleAttributVon(m_haupt, name);
}

std::string CMarkup::HoleKindAttribut(std::string_view name) const
{
    return HoleAttributVon(m_kind, name);
}

void CMarkup::HaengeKindAttributeAn(std::span<const std::string_view> namen, std::string& ziel,
                                    std::span<size_t> enden) const
{
    HaengeAttributeAn(m_kind, namen, ziel, enden);
}

std::string CMarkup::HoleKindUnterdokument() const
{
    if (!m_kind)
        return {};
    const ElemPos& e = m_saetze[m_kind];
    return std::string(Text(e.startTagAnfang, e.elementEnde));
}

std::string CMarkup::HoleAttributName(int n) const
{
    std::string name;
    if (!m_haupt || n < 0)
        return name;
    int nummer = 0;
    FuerJedesAttribut(m_haupt, [&](const AttributPos& attribut) {
        if (nummer++ < n)
            return false;
        name = Text(attribut.nameAnfang, attribut.nameEnde);
        return true;
    });
    return name;
}

bool CMarkup::HoleElementBereich(int& anfang, int& ende) const
{
    if (!m_haupt)
        return false;
    anfang = m_saetze[m_haupt].startTagAnfang;
    ende = m_saetze[m_haupt].endTagEnde;
    return true;
}

// ---- Writing

// Every offset at or behind `ab` moves by `delta`. The document record carries no offsets.
void CMarkup::VerschiebeOffsets(int ab, int delta)
{
    for (int i = 1; i < m_naechsterFreier; ++i) {
        ElemPos& e = m_saetze[i];
        for (int* offset :
             {&e.startTagAnfang, &e.startTagEnde, &e.endTagAnfang, &e.endTagEnde, &e.elementEnde}) {
            if (*offset >= ab)
                *offset += delta;
        }
    }
    for (AttributPos& a : m_attribute) {
        for (int* offset : {&a.nameAnfang, &a.nameEnde, &a.wertAnfang, &a.wertEnde}) {
            if (*offset >= ab)
                *offset += delta;
        }
    }
}

// A caller's text is copied before the first change.
void CMarkup::Ersetze(int anfang, int laenge, std::string_view text)
{
    if (m_text.data() != m_dokument.data())
        m_dokument.assign(m_text);
    m_dokument.replace(anfang, laenge, text);
    m_text = m_dokument;
}

// Inserts a child's text under the parent, behind `vorgaenger` (0 = as first child), and moves
// the offsets. Yields the offset at which the text now starts.
int CMarkup::FuegeAlsKindEin(int eltern, int vorgaenger, std::string_view text)
{
    const int laenge = static_cast<int>(text.size());
    if (vorgaenger) {
        // The previous sibling keeps its element end: the new text starts there.
        const int ab = m_saetze[vorgaenger].elementEnde;
        Ersetze(ab, 0, text);
        VerschiebeOffsets(ab, laenge);
        m_saetze[vorgaenger].elementEnde = ab;
        return ab;
    }
    if (const int erstes = m_saetze[eltern].erstesKind) {
        const int ab = m_saetze[erstes].startTagAnfang;
        Ersetze(ab, 0, text);
        VerschiebeOffsets(ab, laenge);
        return ab;
    }
    if (eltern && m_saetze[eltern].IstLeer()) {
        // "<a/>" opens to "<a>\r\n" + text + "</a>": the "/" is replaced and the old ">"
        // closes the new end tag.
        const int schraegstrich = m_saetze[eltern].endTagAnfang;
        const std::string oeffnung = ">\r\n";
        const std::string einfuegung =
            oeffnung + std::string(text) + "</" + std::string(TagName(eltern));
        Ersetze(schraegstrich, 1, einfuegung);
        VerschiebeOffsets(schraegstrich + 1, static_cast<int>(einfuegung.size()) - 1);
        ElemPos& e = m_saetze[eltern];
        e.startTagEnde = schraegstrich;
        e.endTagAnfang = schraegstrich + static_cast<int>(oeffnung.size()) + laenge;
        e.attributAnzahl = ElemPos::kUngelesen;
        return schraegstrich + static_cast<int>(oeffnung.size());
    }
    const int ab = eltern ? m_saetze[eltern].endTagAnfang : static_cast<int>(m_text.size());
    Ersetze(ab, 0, text);
    VerschiebeOffsets(ab, laenge);
    return ab;
}

void CMarkup::VerknuepfeKind(int eltern, int vorgaenger, int neu)
{
    m_saetze[neu].eltern = eltern;
    if (vorgaenger) {
        m_saetze[neu].naechstes = m_saetze[vorgaenger].naechstes;
        m_saetze[vorgaenger].naechstes = neu;
    } else {
        m_saetze[neu].naechstes = m_saetze[eltern].erstesKind;
        m_saetze[eltern].erstesKind = neu;
    }
}

int CMarkup::FuegeNeuesElementEin(int eltern, int vorgaenger, std::string_view name,
                                  std::string_view text)
{
    const std::string n(name);
    const std::string inhalt = MaskiereText(text);
    const std::string element =
        text.empty() ? "<" + n + "/>\r\n" : "<" + n + ">" + inhalt + "</" + n + ">\r\n";
    const int ab = FuegeAlsKindEin(eltern, vorgaenger, element);
    const int neu = NimmSatz();
    ElemPos& e = m_saetze[neu];
    const int namensLaenge = static_cast<int>(n.size());
    e.startTagAnfang = ab;
    if (text.empty()) {
        e.startTagEnde = ab + 1 + namensLaenge + 1;
        e.endTagAnfang = e.startTagEnde - 1;
        e.endTagEnde = e.startTagEnde;
    } else {
        e.startTagEnde = ab + 1 + namensLaenge;
        e.endTagAnfang = e.startTagEnde + 1 + static_cast<int>(inhalt.size());
        e.endTagEnde = e.endTagAnfang + 2 + namensLaenge;
    }
    e.elementEnde = ab + static_cast<int>(element.size());
    MerkeName(neu);
    VerknuepfeKind(eltern, vorgaenger, neu);
    return neu;
}

bool CMarkup::FuegeElementHinzu(std::string_view name, std::string_view text)
{
    const int eltern = m_haupt ? m_saetze[m_haupt].eltern : 0;
    m_haupt = FuegeNeuesElementEin(eltern, m_haupt, name, text);
    m_kind = 0;
    return true;
}

bool CMarkup::FuegeKindElementHinzu(std::string_view name, std::string_view text)
{
    if (!m_haupt)
        return false;
    const int vorgaenger = m_kind ? m_kind : LetztesKind(m_haupt);
    m_kind = FuegeNeuesElementEin(m_haupt, vorgaenger, name, text);
    return true;
}

bool CMarkup::FuegeKindElementEin(std::string_view name, std::string_view text)
{
    if (!m_haupt)
        return false;
    const int vorgaenger = m_kind ? VorigesGeschwister(m_kind) : 0;
    m_kind = FuegeNeuesElementEin(m_haupt, vorgaenger, name, text);
    return true;
}

// The text from its first "<" (behind a leading declaration) goes in whole; its first element is
// parsed where it now stands and linked as the child, whatever follows stays text. Refused, the
// document left as it was: text without an element, and text whose markup does not close within
// it, as that would break the document around it.
bool CMarkup::FuegeUnterdokumentEin(int vorgaenger, std::string_view xml)
{
    size_t anfang = xml.find('<');
    if (anfang != std::string_view::npos && anfang + 1 < xml.size() && xml[anfang + 1] == '?') {
        const size_t ende = xml.find('>', anfang);
        anfang = ende == std::string_view::npos ? ende : xml.find('<', ende);
    }
    if (anfang == std::string_view::npos)
        return false;
    const std::string_view text = xml.substr(anfang);
    if (m_text.size() + text.size() + 8 >= kTextGrenze || !SchliesstAllesInSich(text))
        return false;

    const std::string vorherDokument(m_text);
    const std::vector<ElemPos> vorherSaetze(m_saetze.begin(), m_saetze.begin() + m_naechsterFreier);
    const std::vector<AttributPos> vorherAttribute = m_attribute;
    const int vorherFrei = m_naechsterFreier;

    const int ab = FuegeAlsKindEin(m_haupt, vorgaenger, text);
    const int textEnde = ab + static_cast<int>(text.size());
    const int neu = ParseElement(m_haupt, ab);
    if (neu > 0 && m_saetze[neu].endTagEnde < textEnde) {
        VerknuepfeKind(m_haupt, vorgaenger, neu);
        m_kind = neu;
        return true;
    }
    m_dokument = vorherDokument;
    m_text = m_dokument;
    std::copy(vorherSaetze.begin(), vorherSaetze.end(), m_saetze.begin());
    m_attribute = vorherAttribute;
    m_naechsterFreier = vorherFrei;
    return false;
}

// Whether text standing among an element's children closes all the markup it opens (elements,
// comments, CDATA sections, declarations) and closes nothing it did not open: as the children
// of an element of its own, it parses up to that element's very end tag.
bool CMarkup::SchliesstAllesInSich(std::string_view text)
{
    const std::string probe = "<_>" + std::string(text) + "</_>";
    CMarkup dokument;
    int anfang = 0, ende = 0;
    return dokument.SetzeDokumentAnsicht(probe) && dokument.FindeElement() &&
           dokument.HoleElementBereich(anfang, ende) && ende == static_cast<int>(probe.size()) - 1;
}

bool CMarkup::FuegeKindUnterdokumentHinzu(std::string_view xml)
{
    if (!m_haupt)
        return false;
    return FuegeUnterdokumentEin(m_kind ? m_kind : LetztesKind(m_haupt), xml);
}

bool CMarkup::FuegeKindUnterdokumentEin(std::string_view xml)
{
    if (!m_haupt)
        return false;
    return FuegeUnterdokumentEin(m_kind ? VorigesGeschwister(m_kind) : 0, xml);
}

bool CMarkup::FuegeAttributEin(int satz, std::string_view name, std::string_view wert)
{
    if (!satz)
        return false;
    const ElemPos& e = m_saetze[satz];
    const int ab = e.IstLeer() ? e.endTagAnfang : e.startTagEnde;
    const std::string attribut = " " + std::string(name) + "=\"" + MaskiereAttribut(wert) + "\"";
    Ersetze(ab, 0, attribut);
    VerschiebeOffsets(ab, static_cast<int>(attribut.size()));
    m_saetze[satz].attributAnzahl = ElemPos::kUngelesen;
    return true;
}

bool CMarkup::FuegeAttributHinzu(std::string_view name, std::string_view wert)
{
    return FuegeAttributEin(m_haupt, name, wert);
}

bool CMarkup::FuegeKindAttributHinzu(std::string_view name, std::string_view wert)
{
    return FuegeAttributEin(m_kind, name, wert);
}

bool CMarkup::FuegeAttributZahlHinzu(std::string_view name, int wert)
{
    return FuegeAttributHinzu(name, std::to_string(wert));
}

bool CMarkup::FuegeKindAttributZahlHinzu(std::string_view name, int wert)
{
    return FuegeKindAttributHinzu(name, std::to_string(wert));
}

bool CMarkup::SetzeAttributVon(int satz, std::string_view name, std::string_view wert)
{
    if (!satz)
        return false;
    AttributPos alt;
    if (!FindeAttribut(satz, name, alt) || alt.wertAnfang < 0)
        return FuegeAttributEin(satz, name, wert);
    // A value whose quote is not closed inside the start tag cannot be replaced safely.
    if (alt.wertEnde >= m_saetze[satz].startTagEnde)
        return false;
    const std::string neu = MaskiereAttribut(wert);
    const int altLaenge = alt.wertEnde - alt.wertAnfang;
    Ersetze(alt.wertAnfang, altLaenge, neu);
    VerschiebeOffsets(alt.wertEnde, static_cast<int>(neu.size()) - altLaenge);
    m_saetze[satz].attributAnzahl = ElemPos::kUngelesen;
    return true;
}

bool CMarkup::SetzeAttribut(std::string_view name, std::string_view wert)
{
    return SetzeAttributVon(m_haupt, name, wert);
}

bool CMarkup::SetzeKindAttribut(std::string_view name, std::string_view wert)
{
    return SetzeAttributVon(m_kind, name, wert);
}

bool CMarkup::SetzeAttributZahl(std::string_view name, int wert)
{
    return SetzeAttribut(name, std::to_string(wert));
}

bool CMarkup::SetzeKindAttributZahl(std::string_view name, int wert)
{
    return SetzeKindAttribut(name, std::to_string(wert));
}

bool CMarkup::SetzeElementDaten(int element, std::string_view text, bool alsCdata)
{
    if (element <= 0 || element >= m_naechsterFreier)
        throw CInvalidArgException("CMarkup: Element " + std::to_string(element) +
                                   " gibt es nicht");
    if (m_saetze[element].erstesKind)
        return false;
    std::string inhalt;
    if (alsCdata && text.find(kCdataEnde) == std::string_view::npos)
        inhalt = std::string(kCdataAnfang) + std::string(text) + std::string(kCdataEnde);
    else
        inhalt = MaskiereText(text);
    const int inhaltLaenge = static_cast<int>(inhalt.size());
    const ElemPos& e = m_saetze[element];
    if (e.IstLeer()) {
        const int schraegstrich = e.endTagAnfang;
        const std::string einfuegung = ">" + inhalt + "</" + std::string(TagName(element));
        Ersetze(schraegstrich, 1, einfuegung);
        VerschiebeOffsets(schraegstrich + 1, static_cast<int>(einfuegung.size()) - 1);
        m_saetze[element].startTagEnde = schraegstrich;
        m_saetze[element].endTagAnfang = schraegstrich + 1 + inhaltLaenge;
        m_saetze[element].attributAnzahl = ElemPos::kUngelesen;
        return true;
    }
    const int anfang = e.startTagEnde + 1;
    const int altEnde = e.endTagAnfang;
    Ersetze(anfang, altEnde - anfang, inhalt);
    VerschiebeOffsets(altEnde, inhaltLaenge - (altEnde - anfang));
    return true;
}

// Unlinks the element and cuts its text up to its element end.
void CMarkup::EntferneSatz(int satz)
{
    const ElemPos e = m_saetze[satz];
    const int voriges = VorigesGeschwister(satz);
    if (voriges)
        m_saetze[voriges].naechstes = e.naechstes;
    else
        m_saetze[e.eltern].erstesKind = e.naechstes;
    const int laenge = e.elementEnde - e.startTagAnfang;
    Ersetze(e.startTagAnfang, laenge, {});
    VerschiebeOffsets(e.elementEnde, -laenge);
}

bool CMarkup::EntferneElement()
{
    if (!m_haupt)
        return false;
    const int voriges = VorigesGeschwister(m_haupt);
    EntferneSatz(m_haupt);
    m_haupt = voriges;
    m_kind = 0;
    return true;
}

bool CMarkup::EntferneKindElement()
{
    if (!m_kind)
        return false;
    const int voriges = VorigesGeschwister(m_kind);
    EntferneSatz(m_kind);
    m_kind = voriges;
    return true;
}

// ---- Saved positions and diagnosis

bool CMarkup::SpeicherePosition(std::string_view name)
{
    if (!m_haupt || name.empty())
        return false;
    m_gespeichert[std::string(name)] = SavedPos{m_haupt, m_kind, m_ebene};
    return true;
}

bool CMarkup::StellePositionWiederHer(std::string_view name)
{
    if (name.empty())
        return false;
    const auto it = m_gespeichert.find(name);
    if (it == m_gespeichert.end())
        return false;
    m_haupt = it->second.haupt;
    m_kind = it->second.kind;
    m_ebene = it->second.ebene;
    return true;
}

std::string CMarkup::BaueDiagnoseliste() const
{
    const auto zeichenAn = [this](int offset) {
        return offset >= 0 && offset < static_cast<int>(m_text.size()) ? m_text[offset] : '\0';
    };
    std::string liste;
    for (int i = 1; i < m_naechsterFreier; ++i) {
        const ElemPos& e = m_saetze[i];
        const char erwartet = e.IstLeer() ? '/' : '<';
        const bool gueltig =
            zeichenAn(e.startTagAnfang) == '<' && zeichenAn(e.startTagEnde) == '>' &&
            zeichenAn(e.endTagAnfang) == erwartet && zeichenAn(e.endTagEnde) == '>';
        const std::string name(TagName(i));
        char zeile[256];
        std::snprintf(zeile, sizeof zeile, "Index %d %.32s\t%d %d %d %d %d [%s] p=%d n=%d c=%d\n",
                      i, name.c_str(), e.startTagAnfang, e.startTagEnde, e.endTagAnfang,
                      e.endTagEnde, e.elementEnde, gueltig ? "valid" : "UNSAFE", e.eltern,
                      e.naechstes, e.erstesKind);
        liste += zeile;
    }
    return liste;
}
