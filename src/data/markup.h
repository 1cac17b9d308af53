#pragma once
// One XML document held as its text plus a table of element records that point into it.
// Writing inserts into the text and moves the offsets behind the insertion; the text is never
// rebuilt from the records, so the bytes of a stored document are exactly the bytes written.

#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace markup_zeichen {

// Characters inside tags: white space separates tokens, delimiters are tokens of their own, a
// double quote opens a value; everything else makes up names.
enum Art : unsigned char
{
    kNormal,
    kLeerraum,
    kTrenner,
    kAnfuehrung
};

constexpr std::array<unsigned char, 256> BaueArten()
{
    std::array<unsigned char, 256> arten{};
    for (char c : std::string_view(" \t\n\r"))
        arten[static_cast<unsigned char>(c)] = kLeerraum;
    for (char c : std::string_view("<>=\\/?!"))
        arten[static_cast<unsigned char>(c)] = kTrenner;
    arten['"'] = kAnfuehrung;
    return arten;
}
inline constexpr std::array<unsigned char, 256> kArten = BaueArten();

inline Art ArtVon(char c)
{
    return static_cast<Art>(kArten[static_cast<unsigned char>(c)]);
}

// From `pos` to the first '"' or ">" of the text (its length when there is none), noting
// whether a "&" stands before it; sixteen bytes at a time where the machine can.
inline int BisAnfuehrungOderGroesser(const char* d, int pos, int laenge, int& mitUnd)
{
#if defined(__SSE2__)
    const __m128i anfuehrung = _mm_set1_epi8('"');
    const __m128i groesser = _mm_set1_epi8('>');
    const __m128i und = _mm_set1_epi8('&');
    for (; pos + 16 <= laenge; pos += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + pos));
        const unsigned ende = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(block, anfuehrung), _mm_cmpeq_epi8(block, groesser))));
        const unsigned unds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, und)));
        if (ende) {
            mitUnd |= (unds & ((ende & -ende) - 1)) != 0;
            return pos + std::countr_zero(ende);
        }
        mitUnd |= unds != 0;
    }
#endif
    for (; pos < laenge && d[pos] != '"' && d[pos] != '>'; ++pos)
        mitUnd |= d[pos] == '&';
    return pos;
}

} // namespace markup_zeichen

class CMarkup
{
public:
    // Offsets are byte indices into the document text.
    struct ElemPos
    {
        int startTagAnfang = 0; // the "<" that opens the element
        int startTagEnde = 0;   // the ">" that closes the start tag
        int endTagAnfang = 0;   // the "<" of the end tag; the "/" of an empty element
        int endTagEnde = 0;     // the ">" of the end tag; for an empty element startTagEnde
        int elementEnde = 0;    // the first "<" behind the element, or the document length
        int eltern = 0;         // 0 = top level
        int erstesKind = 0;     // 0 = none
        int naechstes = 0;      // next sibling, 0 = none
        // The name, from the "<" on; no write ever changes the bytes up to its end.
        int namensVersatz = 0;
        int namensLaenge = 0;
        // The attributes taken down by the parse, or kUngelesen: the start tag is walked when
        // an attribute is asked for (it was written, or its walk reaches beyond its ">").
        int ersteAttribut = 0;
        int attributAnzahl = kUngelesen;

        static constexpr int kUngelesen = -1;
        bool IstLeer() const { return startTagEnde == endTagAnfang + 1; }
    };

    struct SavedPos
    {
        int haupt = 0;
        int kind = 0;
        int ebene = 0;
    };

    // Offsets into a text: an attribute name of a start tag with the quoted token two behind it;
    // wertAnfang -1 when that token is not quoted. No default values: lookups keep arrays of them
    // unfilled.
    struct AttributPos
    {
        int nameAnfang;
        int nameEnde;
        int wertAnfang;
        int wertEnde;
        int wertMitUnd; // int like its neighbours: copies stay whole words
    };

    // Start tags as writers lay them out: 'name="value"' pairs between white space, read from
    // `pos` up to the ">" or "/" that ends them, each handed to `nimm` as it is read. Yields the
    // offset of that ">" or "/"; -1 at anything else (the text ends, a pair of another form, a
    // ">" inside a value), which only the general token walk reads as the parser does.
    template <class Nimm>
    static int LiesSchlichteAttribute(std::string_view text, int pos, Nimm&& nimm);
    // Appends the text with the five entities turned back into their characters, in one pass
    // ("&amp;amp;" gives "&amp;"); any other "&" stays as it stands.
    static void HaengeDemaskiertAn(std::string_view text, std::string& ziel);

    CMarkup();
    virtual ~CMarkup() = default;
    // A copy of a document that reads a caller's text (SetzeDokumentAnsicht) reads that text too.
    CMarkup(const CMarkup& andere);
    CMarkup& operator=(const CMarkup& andere);

    // Replaces the document and parses its first top-level element; false (and an empty
    // document) when the text is not accepted.
    bool SetzeDokument(std::string_view text);
    // The same without copying the text: it is read where it stands, so it must stay unchanged
    // while the document is read. The first write takes a copy.
    bool SetzeDokumentAnsicht(std::string_view text);
    std::string HoleDokument() const { return std::string(m_text); }

    // Navigation. An empty name matches any element. Searches only move forward.
    bool FindeElement(std::string_view name = {});
    bool FindeKindElement(std::string_view name = {});
    bool BetreteElement();
    bool VerlasseElement();

    // Reading; "" without the needed position.
    std::string HoleKindDaten() const;
    std::string HoleKindAttribut(std::string_view name) const;
    std::string HoleAttribut(std::string_view name) const;
    // HoleKindDaten, and HoleKindAttribut of each name in turn, appended to `ziel`, so that many
    // values can share one text; enden[i] becomes the length of `ziel` behind the value of
    // namen[i]. At most kHoechstensAttribute names, and as many ends as names, else
    // CInvalidArgException.
    static constexpr size_t kHoechstensAttribute = 32;
    void HaengeKindDatenAn(std::string& ziel) const;
    void HaengeKindAttributeAn(std::span<const std::string_view> namen, std::string& ziel,
                               std::span<size_t> enden) const;
    std::string HoleKindUnterdokument() const;
    std::string HoleAttributName(int n) const;
    bool HoleElementBereich(int& anfang, int& ende) const;

    // Writing by insertion.
    bool FuegeElementHinzu(std::string_view name, std::string_view text = {});
    bool FuegeKindElementHinzu(std::string_view name, std::string_view text = {});
    bool FuegeKindElementEin(std::string_view name, std::string_view text = {});
    bool FuegeAttributHinzu(std::string_view name, std::string_view wert);
    bool FuegeKindAttributHinzu(std::string_view name, std::string_view wert);
    bool FuegeAttributZahlHinzu(std::string_view name, int wert);
    bool FuegeKindAttributZahlHinzu(std::string_view name, int wert);
    // The text from its first "<" is inserted behind the current (or last) child, or before the
    // current (or as the first) child; its first element becomes the child position, text
    // behind that element stays in the document unparsed. False, changing nothing, without a
    // main position, for text without an element, and for text that leaves markup open or
    // closes an element it did not open (it would break the document around it).
    bool FuegeKindUnterdokumentHinzu(std::string_view xml);
    bool FuegeKindUnterdokumentEin(std::string_view xml);
    bool SetzeAttribut(std::string_view name, std::string_view wert);
    bool SetzeKindAttribut(std::string_view name, std::string_view wert);
    bool SetzeAttributZahl(std::string_view name, int wert);
    bool SetzeKindAttributZahl(std::string_view name, int wert);
    // Element as handed out by HoleHauptPosition/HoleKindPosition; an index outside the record
    // table raises CInvalidArgException.
    bool SetzeElementDaten(int element, std::string_view text, bool alsCdata = false);
    bool EntferneElement();
    bool EntferneKindElement();

    bool SpeicherePosition(std::string_view name);
    bool StellePositionWiederHer(std::string_view name);
    int HoleHauptPosition() const { return m_haupt; }
    int HoleKindPosition() const { return m_kind; }

    // One line per element record with its offsets and links, for finding faults.
    std::string BaueDiagnoseliste() const;

private:
    struct Token
    {
        int anfang = 0; // content, without the quotes of a quoted token
        int ende = 0;
        bool inAnfuehrung = false;
        bool mitUnd = false; // a quoted token holding a "&", which may start an entity
    };

    void SetzeZurueck();
    bool Parse();
    int NimmSatz();
    bool LiesToken(int& pos, Token& token) const;
    std::string_view TokenText(const Token& token) const;
    bool IstZeichen(const Token& token, char c) const;
    int FindeZeichen(char c, int ab) const;
    std::string_view TagName(int satz) const;
    void MerkeName(int satz);
    template <class Nimm> bool LaufeAttribute(int pos, int grenze, Nimm&& nimm) const;
    int MerkeSchlichteAttribute(int pos);
    void MerkeAttribute(int satz, int nameEnde, size_t erstes, bool schlicht);
    template <class Nimm> void FuerJedesAttribut(int satz, Nimm&& nimm) const;
    uint32_t FindeAttribute(int satz, std::span<const std::string_view> namen,
                            AttributPos* attribute) const;
    bool FindeAttribut(int satz, std::string_view name, AttributPos& attribut) const;
    std::string_view Text(int anfang, int ende) const;

    int ParseElement(int eltern, int ab);
    int LiesStartTag(int eltern, int& lauf);
    bool LiesEndTag(int satz, int lauf);
    void SetzeElementEnde(int satz);

    int FindeElementAb(int kandidat, std::string_view name) const;
    int LetztesKind(int eltern) const;
    int VorigesGeschwister(int satz) const;
    void HaengeDatenAn(int satz, std::string& ziel) const;
    void HaengeAttributeAn(int satz, std::span<const std::string_view> namen, std::string& ziel,
                           std::span<size_t> enden) const;
    std::string HoleAttributVon(int satz, std::string_view name) const;

    void VerschiebeOffsets(int ab, int delta);
    int FuegeAlsKindEin(int eltern, int vorgaenger, std::string_view text);
    void VerknuepfeKind(int eltern, int vorgaenger, int neu);
    int FuegeNeuesElementEin(int eltern, int vorgaenger, std::string_view name,
                             std::string_view text);
    bool FuegeUnterdokumentEin(int vorgaenger, std::string_view xml);
    static bool SchliesstAllesInSich(std::string_view text);
    bool FuegeAttributEin(int satz, std::string_view name, std::string_view wert);
    bool SetzeAttributVon(int satz, std::string_view name, std::string_view wert);
    void Ersetze(int anfang, int laenge, std::string_view text);
    void EntferneSatz(int satz);

    std::string m_dokument;  // the text, once this object holds it
    std::string_view m_text; // the text read: m_dokument or a caller's text
    int m_ebene = 0;
    std::vector<ElemPos> m_saetze;
    std::vector<AttributPos> m_attribute;
    int m_haupt = 0;
    int m_kind = 0;
    int m_naechsterFreier = 1;
    std::map<std::string, SavedPos, std::less<>> m_gespeichert;
};

template <class Nimm>
int CMarkup::LiesSchlichteAttribute(std::string_view text, int pos, Nimm&& nimm)
{
    using namespace markup_zeichen;
    const char* d = text.data();
    const int laenge = static_cast<int>(text.size());
    for (;;) {
        while (pos < laenge && ArtVon(d[pos]) == kLeerraum)
            ++pos;
        if (pos >= laenge)
            return -1;
        if (d[pos] == '>' || d[pos] == '/')
            return pos;
        const int nameAnfang = pos;
        while (pos < laenge && ArtVon(d[pos]) == kNormal)
            ++pos;
        const int nameEnde = pos;
        if (pos == nameAnfang || pos + 1 >= laenge || d[pos] != '=' || d[pos + 1] != '"')
            return -1;
        const int wertAnfang = pos + 2;
        int mitUnd = 0;
        pos = BisAnfuehrungOderGroesser(d, wertAnfang, laenge, mitUnd);
        if (pos >= laenge || d[pos] == '>')
            return -1;
        nimm(AttributPos{nameAnfang, nameEnde, wertAnfang, pos++, mitUnd});
    }
}
