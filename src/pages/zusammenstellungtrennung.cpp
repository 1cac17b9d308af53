// Fitting the summary table's cell texts into their columns and measuring the rows. A text whose
// longest word is wider than its column gets blanks where lines may break: after an inner hyphen,
// before a known German word part (with a hyphen), or between characters as a last resort.

#include "pages/zusammenstellungdruck.h"
#include "platform/cdc.h"

#include <algorithm>
#include <string_view>

namespace {

// Word parts of soil and construction vocabulary, tried in this order; the order decides which
// part cuts a compound first.
constexpr std::string_view kMorpheme =
    "bau berg boden damm erd fein fels fest frost gemisch gleis graben grob hart hinter kalk kies "
    "korn körnig ober planum rohr sand schicht schotter schutz sohle splitt stehend stein trag "
    "über unter vor wasser werk zeit zone lager füll spur bahn streifen fahr";

// A cut needs at least three characters before it.
constexpr size_t kMindestensVorSchnitt = 3;

// Nesting of cuts at word parts.
constexpr int kMaxTrenntiefe = 32;

// The format cells are drawn with; measuring uses it too, so that measured lines are drawn lines.
constexpr unsigned kZellenformat = DT_WORDBREAK | DT_CENTER | DT_NOCLIP | DT_NOPREFIX;

struct Textmass
{
    int breite = 0;
    int hoehe = 0;
};

Textmass MesseText(CDC& dc, int breite, const std::string& text)
{
    RECT rechteck{0, 0, breite, -10000};
    const int hoehe = dc.DrawText(text, rechteck, kZellenformat | DT_CALCRECT);
    return {rechteck.right - rechteck.left, hoehe};
}

// A text without blanks and line breaks: DrawText lays it out as one line as wide as the text.
bool EinLauf(std::string_view text)
{
    const auto ohne = [text](char c) { return text.find(c) == std::string_view::npos; };
    return ohne(' ') && ohne('\r') && ohne('\n');
}

// The parts between single blanks; two blanks in a row give an empty part.
std::vector<std::string> TeileAnBlanks(const std::string& text)
{
    std::vector<std::string> teile;
    size_t anfang = 0;
    while (true) {
        const size_t ende = text.find(' ', anfang);
        teile.push_back(text.substr(anfang, ende - anfang));
        if (ende == std::string::npos)
            return teile;
        anfang = ende + 1;
    }
}

std::string OhneLeerraumAmEnde(std::string text)
{
    while (!text.empty() &&
           std::string_view(" \t\r\n\v\f").find(text.back()) != std::string_view::npos)
        text.pop_back();
    return text;
}

// Every part followed by one blank, trailing white space removed.
std::string VerbindeTeile(const std::vector<std::string>& teile)
{
    std::string text;
    for (const std::string& teil : teile)
        text += teil + ' ';
    return OhneLeerraumAmEnde(std::move(text));
}

// Inserts a blank after each inner hyphen in turn until the word fits; true when it does. Only
// hyphens with three characters before and two after them count; the first one outside ends the
// search.
bool TrenneNachBindestrichen(const CZusammenstellungDruck& druck, CDC& dc, int breite,
                             std::string& wort)
{
    size_t stelle = wort.find('-');
    while (stelle != std::string::npos && stelle >= kMindestensVorSchnitt &&
           stelle + 2 < wort.size()) {
        wort = wort.substr(0, stelle + 1) + " " + wort.substr(stelle + 1);
        if (druck.TextPasst(dc, breite, wort))
            return true;
        stelle = wort.find('-', stelle + 1);
    }
    return false;
}

} // namespace

bool CZusammenstellungDruck::TextPasst(CDC& dc, int breite, const std::string& text) const
{
    // The fitting mostly tests single runs: no need to lay them out as lines.
    if (EinLauf(text))
        return dc.GetTextExtent(text).cx <= breite;
    return MesseText(dc, breite, text).breite <= breite;
}

void CZusammenstellungDruck::TrenneWortNachZeichen(CDC& dc, int breite, std::string& wort) const
{
    // The widths of a word's prefixes grow with their length, so the longest fitting prefix is
    // found by halving; a long word in a narrow column would otherwise take a measurement per
    // length for every line.
    std::string ergebnis;
    std::string rest = wort;
    while (!TextPasst(dc, breite, rest)) {
        size_t passt = 0;
        size_t passtNicht = rest.size();
        while (passtNicht - passt > 1) {
            const size_t mitte = passt + (passtNicht - passt) / 2;
            if (TextPasst(dc, breite, rest.substr(0, mitte)))
                passt = mitte;
            else
                passtNicht = mitte;
        }
        if (passt == 0)
            break; // not even one character fits: the rest stays as it is
        ergebnis += rest.substr(0, passt) + ' ';
        rest.erase(0, passt);
    }
    wort = ergebnis + rest;
}

void CZusammenstellungDruck::TrenneKompositum(CDC& dc, int breite, std::string& wort) const
{
    TrenneKompositum(dc, breite, wort, 0);
}

void CZusammenstellungDruck::TrenneKompositum(CDC& dc, int breite, std::string& wort,
                                              int tiefe) const
{
    // A word made up to provoke it could nest cuts thousands deep; real compounds have a few
    // parts, and what is left whole here is broken between characters.
    if (tiefe >= kMaxTrenntiefe)
        return;
    // The word as its pieces between cuts. Each morpheme in turn cuts every piece that is still
    // too wide at its first occurrence; both halves are hyphenated further on their own. A piece
    // that fits is never cut, and the search stops as soon as all pieces fit.
    std::vector<std::string> stuecke{wort};
    const auto allePassen = [&] {
        return std::ranges::all_of(stuecke,
                                   [&](const std::string& s) { return TextPasst(dc, breite, s); });
    };
    static const std::vector<std::string> morpheme = TeileAnBlanks(std::string(kMorpheme));
    for (const std::string& morphem : morpheme) {
        // Pieces this morpheme left alone fit no better than before.
        bool geschnitten = false;
        for (size_t i = 0; i < stuecke.size(); ++i) {
            const std::string& stueck = stuecke[i];
            const size_t stelle = stueck.find(morphem);
            if (stelle == std::string::npos || stelle < kMindestensVorSchnitt ||
                TextPasst(dc, breite, stueck))
                continue;
            std::string links = stueck.substr(0, stelle) + "-";
            std::string rechts = stueck.substr(stelle);
            if (!TextPasst(dc, breite, links))
                TrenneKompositum(dc, breite, links, tiefe + 1);
            if (!TextPasst(dc, breite, rechts))
                TrenneKompositum(dc, breite, rechts, tiefe + 1);
            const std::vector<std::string> neu = TeileAnBlanks(links + " " + rechts);
            stuecke.erase(stuecke.begin() + static_cast<std::ptrdiff_t>(i));
            stuecke.insert(stuecke.begin() + static_cast<std::ptrdiff_t>(i), neu.begin(),
                           neu.end());
            i += neu.size() - 1;
            geschnitten = true;
        }
        if (geschnitten && allePassen())
            break;
    }
    wort = VerbindeTeile(stuecke);
}

void CZusammenstellungDruck::PasseWortEin(CDC& dc, int breite, const std::string& wort,
                                          std::vector<std::string>& teile) const
{
    if (TextPasst(dc, breite, wort)) {
        teile.push_back(wort);
        return;
    }
    std::string w = wort;
    const auto trenneTeile = [&](void (CZusammenstellungDruck::*trenne)(CDC&, int, std::string&)
                                     const) {
        std::vector<std::string> stuecke = TeileAnBlanks(w);
        for (std::string& stueck : stuecke)
            if (!TextPasst(dc, breite, stueck))
                (this->*trenne)(dc, breite, stueck);
        w = VerbindeTeile(stuecke);
    };
    if (!TrenneNachBindestrichen(*this, dc, breite, w)) {
        trenneTeile(&CZusammenstellungDruck::TrenneKompositum);
        if (!TextPasst(dc, breite, w))
            trenneTeile(&CZusammenstellungDruck::TrenneWortNachZeichen);
    }
    for (std::string& stueck : TeileAnBlanks(w))
        teile.push_back(std::move(stueck));
}

void CZusammenstellungDruck::PasseZellentextEin(CDC& dc, int breite, std::string& text) const
{
    std::vector<std::string> teile;
    for (const std::string& wort : TeileAnBlanks(text))
        PasseWortEin(dc, breite, wort, teile);
    text = VerbindeTeile(teile);
}

int CZusammenstellungDruck::BerechneZeilenhoehe(CDC& dc, std::string& zeilentext, int art)
{
    Zellenmasse masse;
    return BerechneZeilenhoehe(dc, zeilentext, art, masse);
}

int CZusammenstellungDruck::PasseZelleEin(CDC& dc, int breite, std::string_view text,
                                          Zellenmasse& masse, std::string& zeile) const
{
    // Most cells are one run that fits: measured at once, they need no entry.
    if (EinLauf(text)) {
        const SIZE mass = dc.GetTextExtent(text);
        if (mass.cx <= breite) {
            zeile += text;
            return mass.cy;
        }
    }
    auto& spalte = masse[breite];
    auto bekannt = spalte.find(text);
    if (bekannt == spalte.end()) {
        std::string eingepasst(text);
        Textmass mass = MesseText(dc, breite, eingepasst);
        if (mass.breite > breite) {
            PasseZellentextEin(dc, breite, eingepasst);
            mass = MesseText(dc, breite, eingepasst);
        }
        bekannt =
            spalte.emplace(std::string(text), Zellenmass{std::move(eingepasst), mass.hoehe}).first;
    }
    zeile += bekannt->second.text;
    return bekannt->second.hoehe;
}

int CZusammenstellungDruck::BerechneZeilenhoehe(CDC& dc, std::string& zeilentext, int art,
                                                Zellenmasse& masse)
{
    m_linkerRand = 0;
    const CFont vorher = dc.SelectObject(m_normal);
    std::string eingepasst;
    std::string_view rest = zeilentext;
    int hoehe = 0;
    for (int feld = 0; feld < kAnzahlSpalten; ++feld) {
        // Fields beyond the last "|" are empty.
        const size_t ende = rest.find('|');
        const std::string_view text = rest.substr(0, ende);
        rest = ende == std::string_view::npos ? std::string_view() : rest.substr(ende + 1);
        if (!text.empty()) {
            // The binder kind prints field 17 across the last group; every other field is
            // measured in its own column.
            const bool bindemittelart = art == kArtBindemittel && feld == 17;
            const int breite =
                bindemittelart ? SpaltenX(25) - SpaltenX(19) : SpaltenX(feld + 1) - SpaltenX(feld);
            hoehe = std::max(hoehe, PasseZelleEin(dc, breite, text, masse, eingepasst));
        }
        eingepasst += '|';
    }
    dc.SelectObject(vorher);

    while (!eingepasst.empty() && eingepasst.back() == '|')
        eingepasst.pop_back();
    zeilentext = std::move(eingepasst);
    return hoehe;
}
