#pragma once
// One XML document held as its text plus a table of element records that point into it.
// Writing inserts into the text and moves the offsets behind the insertion; the text is never
// rebuilt from the records, so the bytes of a stored document are exactly the bytes written.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

        bool IstLeer() const { return startTagEnde == endTagAnfang + 1; }
    };

    struct SavedPos
    {
        int haupt = 0;
        int kind = 0;
        int ebene = 0;
    };

    CMarkup();
    virtual ~CMarkup() = default;
    CMarkup(const CMarkup&) = default;
    CMarkup& operator=(const CMarkup&) = default;

    // Replaces the document and parses its first top-level element; false (and an empty
    // document) when the text is not accepted.
    bool SetzeDokument(std::string_view text);
    std::string HoleDokument() const { return m_dokument; }

    // Navigation. An empty name matches any element. Searches only move forward.
    bool FindeElement(std::string_view name = {});
    bool FindeKindElement(std::string_view name = {});
    bool BetreteElement();
    bool VerlasseElement();

    // Reading; "" without the needed position.
    std::string HoleKindDaten() const;
    std::string HoleKindAttribut(std::string_view name) const;
    std::string HoleAttribut(std::string_view name) const;
    // Several attributes of the main element (of the current child) from one walk over its
    // start tag: *werte[i] becomes what HoleAttribut (HoleKindAttribut) gives for namen[i]. At
    // most kHoechstensAttribute names; more, or fewer values than names, raise
    // CInvalidArgException.
    static constexpr size_t kHoechstensAttribute = 32;
    void HoleAttribute(std::span<const std::string_view> namen,
                       std::span<std::string* const> werte) const;
    void HoleKindAttribute(std::span<const std::string_view> namen,
                           std::span<std::string* const> werte) const;
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
    };

    void SetzeZurueck();
    int NimmSatz();
    bool LiesToken(int& pos, Token& token) const;
    std::string_view TokenText(const Token& token) const;
    bool IstZeichen(const Token& token, char c) const;
    int FindeZeichen(char c, int ab) const;
    std::string_view TagName(int satz) const;

    int ParseElement(int eltern, int ab);
    int LiesStartTag(int eltern, int& lauf);
    bool LiesEndTag(int satz, int lauf);
    void SetzeElementEnde(int satz);

    int FindeElementAb(int kandidat, std::string_view name) const;
    int LetztesKind(int eltern) const;
    int VorigesGeschwister(int satz) const;
    std::string HoleDaten(int satz) const;
    std::string HoleAttributVon(int satz, std::string_view name) const;
    void HoleAttributeVon(int satz, std::span<const std::string_view> namen,
                          std::span<std::string* const> werte) const;
    // Bit i of the result is set when namen[i] has a value; its token is then werte[i].
    uint32_t FindeAttributWerte(int satz, std::span<const std::string_view> namen,
                                Token* werte) const;

    void VerschiebeOffsets(int ab, int delta);
    int FuegeAlsKindEin(int eltern, int vorgaenger, std::string_view text);
    void VerknuepfeKind(int eltern, int vorgaenger, int neu);
    int FuegeNeuesElementEin(int eltern, int vorgaenger, std::string_view name,
                             std::string_view text);
    bool FuegeUnterdokumentEin(int vorgaenger, std::string_view xml);
    bool FuegeAttributEin(int satz, std::string_view name, std::string_view wert);
    bool SetzeAttributVon(int satz, std::string_view name, std::string_view wert);
    void Ersetze(int anfang, int laenge, std::string_view text);
    void EntferneSatz(int satz);

    std::string m_dokument;
    int m_ebene = 0;
    std::vector<ElemPos> m_saetze;
    int m_haupt = 0;
    int m_kind = 0;
    int m_naechsterFreier = 1;
    std::map<std::string, SavedPos, std::less<>> m_gespeichert;
};
