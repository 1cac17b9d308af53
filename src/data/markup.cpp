#include "data/markup.h"

#include "platform/exceptions.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

enum Zeichenart : unsigned char
{
    kNormal,
    kLeerraum,
    kTrenner,
    kAnfuehrung
};

constexpr std::array<unsigned char, 256> BaueZeichenarten()
{
    std::array<unsigned char, 256> arten{};
    for (char c : std::string_view(" \t\n\r"))
        arten[static_cast<unsigned char>(c)] = kLeerraum;
    for (char c : std::string_view("<>=\\/?!"))
        arten[static_cast<unsigned char>(c)] = kTrenner;
    arten['"'] = kAnfuehrung;
    return arten;
}
constexpr std::array<unsigned char, 256> kZeichenarten = BaueZeichenarten();

unsigned char Art(char c)
{
    return kZeichenarten[static_cast<unsigned char>(c)];
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

// One pass: "&amp;amp;" becomes "&amp;". Unknown and numeric references stay as they are.
void DemaskiereNach(std::string_view text, std::string& ergebnis)
{
    ergebnis.clear();
    size_t und = text.find('&');
    if (und == std::string_view::npos) {
        ergebnis.append(text);
        return;
    }
    ergebnis.reserve(text.size());
    size_t kopiertBis = 0;
    for (; und != std::string_view::npos; und = text.find('&', kopiertBis)) {
        ergebnis.append(text.substr(kopiertBis, und - kopiertBis));
        const Entity* entity = EntityAm(text.substr(und + 1));
        ergebnis += entity ? entity->zeichen : '&';
        kopiertBis = und + 1 + (entity ? entity->name.size() : 0);
    }
    ergebnis.append(text.substr(kopiertBis));
}

std::string Demaskiere(std::string_view text)
{
    std::string ergebnis;
    DemaskiereNach(text, ergebnis);
    return ergebnis;
}

} // namespace

CMarkup::CMarkup()
{
    SetzeDokument({});
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
    m_gespeichert.clear();
}

bool CMarkup::SetzeDokument(std::string_view text)
{
    SetzeZurueck();
    // Offsets are ints; a text they cannot address is not accepted.
    if (!text.empty() && text.size() < static_cast<size_t>(INT_MAX / 2)) {
        m_dokument.assign(text);
        const int element = ParseElement(0, 0);
        if (element > 0) {
            m_saetze[0].erstesKind = element;
            m_haupt = m_kind = m_ebene = 0;
            return true;
        }
    }
    m_dokument.clear();
    m_saetze[0] = ElemPos{};
    m_naechsterFreier = 1;
    m_haupt = m_kind = m_ebene = 0;
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
    const int laenge = static_cast<int>(m_dokument.size());
    const char* d = m_dokument.data();
    if (pos < 0)
        return false;
    while (pos < laenge && Art(d[pos]) == kLeerraum)
        ++pos;
    if (pos >= laenge)
        return false;
    if (Art(d[pos]) == kAnfuehrung) {
        token.inAnfuehrung = true;
        token.anfang = pos + 1;
        const void* zu = std::memchr(d + token.anfang, '"', laenge - token.anfang);
        token.ende = zu ? static_cast<int>(static_cast<const char*>(zu) - d) : laenge;
        pos = zu ? token.ende + 1 : laenge;
        return true;
    }
    token.inAnfuehrung = false;
    token.anfang = pos;
    if (Art(d[pos]) == kTrenner) {
        pos += 1;
    } else {
        while (pos < laenge && Art(d[pos]) == kNormal)
            ++pos;
    }
    token.ende = pos;
    return true;
}

inline std::string_view CMarkup::TokenText(const Token& token) const
{
    return std::string_view(m_dokument).substr(token.anfang, token.ende - token.anfang);
}

inline bool CMarkup::IstZeichen(const Token& token, char c) const
{
    return !token.inAnfuehrung && token.ende == token.anfang + 1 && m_dokument[token.anfang] == c;
}

int CMarkup::FindeZeichen(char c, int ab) const
{
    const int laenge = static_cast<int>(m_dokument.size());
    if (ab < 0 || ab >= laenge)
        return -1;
    // The parser mostly looks for the "<" it already stands on.
    if (m_dokument[ab] == c)
        return ab;
    const void* treffer = std::memchr(m_dokument.data() + ab, c, laenge - ab);
    return treffer ? static_cast<int>(static_cast<const char*>(treffer) - m_dokument.data()) : -1;
}

std::string_view CMarkup::TagName(int satz) const
{
    int pos = m_saetze[satz].startTagAnfang + 1;
    Token token;
    if (!LiesToken(pos, token) || token.inAnfuehrung)
        return {};
    return TokenText(token);
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
        const char erstes = m_dokument[token.anfang];
        if (erstes == '?' || erstes == '!') {
            const bool cdata = erstes == '!' && token.ende < static_cast<int>(m_dokument.size()) &&
                               m_dokument[token.ende] == '[';
            const std::string_view ende = erstes == '?' ? "?>" : cdata ? kCdataEnde : "-->";
            const size_t marke = m_dokument.find(ende, token.ende);
            if (marke == std::string::npos)
                return kFehler;
            lauf = static_cast<int>(marke + ende.size());
            continue;
        }
        if (erstes == '/') {
            lauf = kleiner;
            return kKeins;
        }
        const int groesser = FindeZeichen('>', token.ende);
        if (groesser < 0)
            return kFehler;
        const int satz = NimmSatz();
        ElemPos& e = m_saetze[satz];
        e.eltern = eltern;
        e.startTagAnfang = kleiner;
        e.startTagEnde = groesser;
        if (m_dokument[groesser - 1] == '/') {
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
    if (!LiesToken(pos, token) || token.inAnfuehrung || TokenText(token) != TagName(satz))
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
    const int naechstesKleiner = FindeZeichen('<', m_saetze[satz].endTagEnde + 1);
    m_saetze[satz].elementEnde =
        naechstesKleiner >= 0 ? naechstesKleiner : static_cast<int>(m_dokument.size());
}

// ---- Navigation

int CMarkup::FindeElementAb(int kandidat, std::string_view name) const
{
    for (; kandidat != 0; kandidat = m_saetze[kandidat].naechstes) {
        if (name.empty() || TagName(kandidat) == name)
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

std::string CMarkup::HoleDaten(int satz) const
{
    const ElemPos& e = m_saetze[satz];
    if (e.erstesKind || e.IstLeer())
        return {};
    const int anfang = e.startTagEnde + 1;
    const std::string_view inhalt =
        std::string_view(m_dokument).substr(anfang, e.endTagAnfang - anfang);
    // Content that opens with a CDATA section (blanks before it allowed) is taken raw.
    int pos = anfang;
    while (pos < e.endTagAnfang && Art(m_dokument[pos]) == kLeerraum)
        ++pos;
    if (pos < e.endTagAnfang && m_dokument.compare(pos, kCdataAnfang.size(), kCdataAnfang) == 0) {
        const int cdata = pos + static_cast<int>(kCdataAnfang.size());
        const size_t ende = m_dokument.find(kCdataEnde, cdata);
        if (ende != std::string::npos && static_cast<int>(ende) < e.endTagAnfang)
            return m_dokument.substr(cdata, ende - cdata);
    }
    return Demaskiere(inhalt);
}

std::string CMarkup::HoleKindDaten() const
{
    return m_kind ? HoleDaten(m_kind) : std::string();
}

// Walks the start tag's tokens behind the name once for all names. For each name, the first
// unquoted token other than "=" that equals it marks the attribute, and the quoted token two
// behind it is the value (none when that token is not quoted); an unquoted ">" or "/" ends the
// walk. A single-quoted value is not recognised.
uint32_t CMarkup::FindeAttributWerte(int satz, std::span<const std::string_view> namen,
                                     Token* werte) const
{
    if (namen.size() > kHoechstensAttribute)
        throw CInvalidArgException("CMarkup: zu viele Attribute auf einmal");
    uint32_t offen = 0;
    for (size_t i = 0; i < namen.size(); ++i) {
        if (!namen[i].empty())
            offen |= uint32_t{1} << i;
    }
    uint32_t gefunden = 0;
    int pos = m_saetze[satz].startTagAnfang + 1;
    Token token;
    if (!offen || !LiesToken(pos, token))
        return gefunden;
    while (offen && LiesToken(pos, token)) {
        if (IstZeichen(token, '>') || IstZeichen(token, '/'))
            break;
        if (token.inAnfuehrung || IstZeichen(token, '='))
            continue;
        const std::string_view text = TokenText(token);
        uint32_t treffer = 0;
        for (size_t i = 0; i < namen.size(); ++i) {
            if (offen & uint32_t{1} << i && namen[i] == text)
                treffer |= uint32_t{1} << i;
        }
        if (!treffer)
            continue;
        offen &= ~treffer;
        int wertPos = pos;
        Token zwischen, wert;
        if (!LiesToken(wertPos, zwischen) || !LiesToken(wertPos, wert) || !wert.inAnfuehrung)
            continue;
        for (size_t i = 0; i < namen.size(); ++i) {
            if (treffer & uint32_t{1} << i)
                werte[i] = wert;
        }
        gefunden |= treffer;
        // A "=" or quoted token can neither name an attribute nor end the walk, so the usual
        // '= "value"' is passed over at once.
        if (zwischen.inAnfuehrung || IstZeichen(zwischen, '='))
            pos = wertPos;
    }
    return gefunden;
}

void CMarkup::HoleAttributeVon(int satz, std::span<const std::string_view> namen,
                               std::span<std::string* const> werte) const
{
    if (werte.size() < namen.size())
        throw CInvalidArgException("CMarkup: weniger Werte als Attributnamen");
    std::array<Token, kHoechstensAttribute> tokens;
    const uint32_t gefunden = satz ? FindeAttributWerte(satz, namen, tokens.data()) : 0;
    for (size_t i = 0; i < namen.size(); ++i) {
        if (gefunden & uint32_t{1} << i)
            DemaskiereNach(TokenText(tokens[i]), *werte[i]);
        else
            werte[i]->clear();
    }
}

std::string CMarkup::HoleAttributVon(int satz, std::string_view name) const
{
    std::string wert;
    std::string* const ziel = &wert;
    HoleAttributeVon(satz, {&name, 1}, {&ziel, 1});
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

void CMarkup::HoleAttribute(std::span<const std::string_view> namen,
                            std::span<std::string* const> werte) const
{
    HoleAttributeVon(m_haupt, namen, werte);
}

void CMarkup::HoleKindAttribute(std::span<const std::string_view> namen,
                                std::span<std::string* const> werte) const
{
    HoleAttributeVon(m_kind, namen, werte);
}

std::string CMarkup::HoleKindUnterdokument() const
{
    if (!m_kind)
        return {};
    const ElemPos& e = m_saetze[m_kind];
    return m_dokument.substr(e.startTagAnfang, e.elementEnde - e.startTagAnfang);
}

std::string CMarkup::HoleAttributName(int n) const
{
    if (!m_haupt || n < 0)
        return {};
    int pos = m_saetze[m_haupt].startTagAnfang + 1;
    Token token;
    if (!LiesToken(pos, token))
        return {};
    int nummer = 0;
    while (LiesToken(pos, token)) {
        if (IstZeichen(token, '>') || IstZeichen(token, '/'))
            return {};
        if (token.inAnfuehrung || IstZeichen(token, '='))
            continue;
        if (nummer++ == n)
            return std::string(TokenText(token));
    }
    return {};
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
}

void CMarkup::Ersetze(int anfang, int laenge, std::string_view text)
{
    m_dokument.replace(anfang, laenge, text);
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
        return schraegstrich + static_cast<int>(oeffnung.size());
    }
    const int ab = eltern ? m_saetze[eltern].endTagAnfang : static_cast<int>(m_dokument.size());
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

// The text from its first "<" (behind a leading declaration) must hold exactly one element and
// nothing that opens a further tag behind it; otherwise the document stays as it was.
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
    if (text.size() >= static_cast<size_t>(INT_MAX / 2) - m_dokument.size())
        return false;

    const std::string vorherDokument = m_dokument;
    const std::vector<ElemPos> vorherSaetze(m_saetze.begin(), m_saetze.begin() + m_naechsterFreier);
    const int vorherFrei = m_naechsterFreier;

    const int ab = FuegeAlsKindEin(m_haupt, vorgaenger, text);
    const int textEnde = ab + static_cast<int>(text.size());
    const int neu = ParseElement(m_haupt, ab);
    if (neu > 0 && m_saetze[neu].endTagEnde < textEnde && m_saetze[neu].elementEnde >= textEnde) {
        // The following text (now behind the insertion) decides the element end.
        VerknuepfeKind(m_haupt, vorgaenger, neu);
        m_kind = neu;
        return true;
    }
    m_dokument = vorherDokument;
    std::copy(vorherSaetze.begin(), vorherSaetze.end(), m_saetze.begin());
    m_naechsterFreier = vorherFrei;
    return false;
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
    Token alt;
    if (!FindeAttributWerte(satz, {&name, 1}, &alt))
        return FuegeAttributEin(satz, name, wert);
    // A value whose quote is not closed inside the start tag cannot be replaced safely.
    if (alt.ende >= m_saetze[satz].startTagEnde)
        return false;
    const std::string neu = MaskiereAttribut(wert);
    Ersetze(alt.anfang, alt.ende - alt.anfang, neu);
    VerschiebeOffsets(alt.ende, static_cast<int>(neu.size()) - (alt.ende - alt.anfang));
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
        return offset >= 0 && offset < static_cast<int>(m_dokument.size()) ? m_dokument[offset]
                                                                           : '\0';
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
