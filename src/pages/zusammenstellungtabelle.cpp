// Column geometry of the summary table, its column-head block and one table row.

#include "data/pfade.h"
#include "data/textfunktionen.h"
#include "pages/zusammenstellungdruck.h"
#include "platform/cdc.h"
#include "report/seitenabbildung.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <span>

namespace {

constexpr std::array<int, CZusammenstellungDruck::kAnzahlSpalten> kRelativeBreiten = {
    16, 12, 16, 9, 20, 18, 18, 18, 18, 7, 16, 8, 8, 9, 8, 7, 7, 8, 8, 8, 8, 8, 7, 8, 8};
constexpr int kSummeBreiten = 278;
static_assert(std::accumulate(kRelativeBreiten.begin(), kRelativeBreiten.end(), 0) ==
              kSummeBreiten);

// Row verticals at the group boundaries take the medium pen, the others the thin one.
constexpr std::array<bool, CZusammenstellungDruck::kAnzahlSpalten + 1> kMittlereZeilenlinie = {
    1, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1};

constexpr int kArtProctor = CZusammenstellungDruck::kArtProctor;
constexpr int kArtBindemittel = CZusammenstellungDruck::kArtBindemittel;
constexpr int kArtFilter = CZusammenstellungDruck::kArtFilter;
constexpr int kArtNotiz = CZusammenstellungDruck::kArtNotiz;

// Kinds whose column 10 holds the test number, which belongs to the protocol numbers.
bool HatPruefnummernspalte(int art)
{
    return art == 0 || art == kArtProctor || art == kArtBindemittel;
}

bool ProtokollnummernDrucken()
{
    return g_pfade.protokollnrDrucken;
}

// Heights inside the head block: its top, the three quarter lines and its bottom.
enum Hoehe
{
    kOben,
    kQ1,
    kQ2,
    kQ3,
    kUnten
};

struct Kopflinie
{
    int grenze;
    bool mittel;
    Hoehe von;
    Hoehe bis = kUnten;
};

constexpr Kopflinie kKopflinienAlle[] = {
    {0, true, kOben}, {2, true, kOben}, {3, false, kQ1}, {4, false, kQ1},  {5, false, kQ1},
    {6, true, kOben}, {7, false, kQ1},  {8, false, kQ1}, {9, true, kOben}, {10, true, kOben},
};
constexpr Kopflinie kKopflinienFilter[] = {
    {13, false, kQ2}, {15, true, kQ1}, {17, true, kQ1}, {18, false, kQ2}, {19, true, kOben},
};
constexpr Kopflinie kKopflinienProctor[] = {
    {12, false, kQ2}, {13, true, kQ1},  {14, false, kQ2}, {15, false, kQ2},  {16, true, kQ1},
    {17, false, kQ2}, {18, false, kQ2}, {19, false, kQ2}, {20, true, kOben},
};
constexpr Kopflinie kKopflinienNotiz[] = {
    {13, false, kQ1},
};
constexpr Kopflinie kKopflinienUebrige[] = {
    {12, false, kQ2}, {13, true, kQ1}, {14, false, kQ2}, {15, false, kQ2},
    {16, false, kQ2}, {17, true, kQ1}, {18, false, kQ2}, {19, true, kOben},
};
// The right-hand group, for every kind but the binder kind, whose last head spans it.
constexpr Kopflinie kKopflinienRechts[] = {
    {20, false, kQ2},      {21, false, kQ1, kQ3}, {21, true, kQ3},  {22, false, kQ2},
    {23, false, kQ1, kQ3}, {23, true, kQ3},       {24, false, kQ2},
};
constexpr Kopflinie kKopflinienRechtsProctor[] = {
    {20, false, kQ2},      {21, false, kQ2, kQ3}, {21, true, kQ3},  {22, false, kQ2},
    {23, false, kQ1, kQ3}, {23, true, kQ3},       {24, false, kQ2},
};

std::span<const Kopflinie> MittlereKopflinien(int art)
{
    switch (art) {
    case kArtFilter:
        return kKopflinienFilter;
    case kArtProctor:
        return kKopflinienProctor;
    case kArtNotiz:
        return kKopflinienNotiz;
    default:
        return kKopflinienUebrige;
    }
}

std::span<const Kopflinie> RechteKopflinien(int art)
{
    if (art == kArtBindemittel)
        return {};
    return art == kArtProctor ? std::span<const Kopflinie>(kKopflinienRechtsProctor)
                              : std::span<const Kopflinie>(kKopflinienRechts);
}

// A plain head text over boundaries von..bis of one band.
struct Kopftext
{
    int von;
    int bis;
    const char* text; // nullptr: caption word `wort`
    int wort = 0;
};

constexpr Kopftext kGruppenkoepfe[] = {
    {0, 2, "Protokoll"}, {2, 6, "Prüfpunkt"},  {6, 9, "Bodenansprache"},
    {9, 10, "Prüf-"},    {10, 19, nullptr, 1}, {19, 25, nullptr, 2},
};
constexpr Kopftext kUnterkoepfe[] = {
    {2, 3, "Bereich"},  {3, 4, "Station"},       {4, 5, "Schicht / Höhe"}, {5, 6, "Lage zur Achse"},
    {6, 7, "Bodenart"}, {7, 8, "Bodenherkunft"}, {8, 9, "Bodenzustand"},
};

std::string Feld(const std::string& zeilentext, int feld)
{
    return StringHoleFeld(zeilentext, '|', feld);
}

} // namespace

int CZusammenstellungDruck::SpaltenX(int grenze) const
{
    int summe = 0;
    for (int spalte = 0; spalte < grenze && spalte < kAnzahlSpalten; ++spalte)
        summe += kRelativeBreiten[spalte];
    return m_linkerRand + static_cast<int>(std::trunc(static_cast<double>(summe) * kTabellenbreite /
                                                      kSummeBreiten));
}

void CZusammenstellungDruck::ZeichneKopfzellentext(CDC& dc, RECT rechteck, const std::string& text,
                                                   bool auszeichnung) const
{
    if (auszeichnung) {
        ZeichneTextAusgerichtet(m_normal, m_symbol, dc, rechteck, TA_CENTER, text);
        return;
    }
    dc.DrawText(text, rechteck, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
}

void CZusammenstellungDruck::ZeichneTextImRechteck(CDC& dc, RECT rechteck,
                                                   const std::string& text) const
{
    dc.DrawText(text, rechteck, DT_WORDBREAK | DT_CENTER | DT_NOCLIP | DT_NOPREFIX);
}

void CZusammenstellungDruck::DruckeSpaltenkoepfe(const Spaltentextzeile& worte, CDC& dc,
                                                 RECT rechteck) const
{
    const int oben = rechteck.top;
    const int hoehe = oben - rechteck.bottom;
    const Kopfhoehen y = {oben, oben - static_cast<int>(std::trunc(hoehe * 0.25)),
                          oben - static_cast<int>(std::trunc(hoehe * 0.5)),
                          oben - static_cast<int>(std::trunc(hoehe * 0.75)), rechteck.bottom};
    // The caption row carries its kind as word 0.
    const int art = std::atoi(worte[0].c_str());
    ZeichneKopfLinien(art, dc, y);
    ZeichneKopfTexte(art, worte, dc, y);
}

void CZusammenstellungDruck::ZeichneKopfLinien(int art, CDC& dc, const Kopfhoehen& y) const
{
    const int oben = y[kOben];
    const int unten = y[kUnten];

    dc.SelectObject(m_mittel);
    ZeichneLinieH(dc, SpaltenX(0), oben, SpaltenX(25));
    // Column 9 ("Prüf-art") has no line inside the block.
    const auto zweiteilig = [&](const CPen& stift, int hoeheY) {
        dc.SelectObject(stift);
        ZeichneLinieH(dc, SpaltenX(0), hoeheY, SpaltenX(9));
        ZeichneLinieH(dc, SpaltenX(10), hoeheY, SpaltenX(25));
    };
    zweiteilig(m_duenn, y[kQ1]);
    zweiteilig(m_duenn, y[kQ2]);
    zweiteilig(m_mittel, y[kQ3]);
    dc.SelectObject(m_mittel);
    ZeichneLinieH(dc, SpaltenX(0), unten, SpaltenX(25));

    const auto zeichne = [&](std::span<const Kopflinie> linien) {
        for (const Kopflinie& linie : linien) {
            dc.SelectObject(linie.mittel ? m_mittel : m_duenn);
            ZeichneLinieV(dc, SpaltenX(linie.grenze), y[linie.von], y[linie.bis]);
        }
    };
    zeichne(kKopflinienAlle);
    if (ProtokollnummernDrucken()) {
        dc.SelectObject(m_duenn);
        ZeichneLinieV(dc, SpaltenX(1), y[kQ1], unten);
    }
    if (art != kArtNotiz) {
        dc.SelectObject(m_duenn);
        ZeichneLinieV(dc, SpaltenX(11), y[kQ2], unten);
    }
    zeichne(MittlereKopflinien(art));
    zeichne(RechteKopflinien(art));
    dc.SelectObject(m_mittel);
    ZeichneLinieV(dc, SpaltenX(25), oben, unten);
}

void CZusammenstellungDruck::ZeichneKopfTexte(int art, const Spaltentextzeile& worte, CDC& dc,
                                              const Kopfhoehen& y) const
{
    const auto [oben, q1, q2, q3, unten] = y;
    const auto zelle = [&](int von, int bis, int bandOben, int bandUnten) {
        return RECT{SpaltenX(von), bandOben, SpaltenX(bis), bandUnten};
    };
    const auto texte = [&](std::span<const Kopftext> liste, int bandOben, int bandUnten) {
        for (const Kopftext& k : liste)
            ZeichneKopfzellentext(dc, zelle(k.von, k.bis, bandOben, bandUnten),
                                  k.text ? std::string(k.text) : worte[k.wort], false);
    };

    dc.SelectObject(m_fett);
    texte(kGruppenkoepfe, oben, q1);

    dc.SelectObject(m_normal);
    if (ProtokollnummernDrucken()) {
        ZeichneKopfzellentext(dc, zelle(0, 1, q1, q2), "Protokoll-Nr.", false);
        ZeichneKopfzellentext(dc, zelle(1, 2, q1, q2), "Prüfdatum", false);
    } else {
        ZeichneKopfzellentext(dc, zelle(0, 2, q1, q2), "Prüfdatum", false);
    }
    texte(kUnterkoepfe, q1, q2);

    dc.SelectObject(m_fett);
    const Kopftext ergebniskoepfe[] = {
        {9, 10, "art"},
        {10, art == kArtFilter ? 15 : 13, nullptr, 3},
        {14, 15, nullptr, 4},
        {17, 19, nullptr, 5},
        {19,
         art == kArtProctor       ? 24
         : art == kArtBindemittel ? 25
                                  : 21,
         nullptr, 6},
        {art == 0 ? 21 : 22, 23, nullptr, 7},
        {23, 25, nullptr, 8},
    };
    texte(ergebniskoepfe, q1, q2);

    dc.SelectObject(m_normal);
    for (int spalte = 10; spalte < kAnzahlSpalten; ++spalte) {
        if (spalte == 10 && HatPruefnummernspalte(art) && !ProtokollnummernDrucken())
            continue;
        int bis = spalte + 1;
        if (art == kArtFilter && spalte == 11)
            bis = 13;
        if (art == kArtFilter && spalte == 12)
            bis = 16;
        const int j = spalte - 10;
        ZeichneKopfzellentext(dc, zelle(spalte, bis, q2, q3), worte[9 + j], true);
        ZeichneKopfzellentext(dc, zelle(spalte, bis, q3, unten), worte[24 + j], true);
    }
}

void CZusammenstellungDruck::ZeichneZellenlinien(int art, CDC& dc, int oben, int unten) const
{
    for (int grenze = 0; grenze <= kAnzahlSpalten; ++grenze) {
        const bool ausgelassen = (art == kArtBindemittel && grenze >= 20 && grenze <= 24) ||
                                 (art == kArtFilter && (grenze == 12 || grenze == 14)) ||
                                 (art == kArtNotiz && (grenze == 11 || grenze == 12)) ||
                                 (grenze == 1 && !ProtokollnummernDrucken());
        if (ausgelassen)
            continue;
        dc.SelectObject(kMittlereZeilenlinie[grenze] ? m_mittel : m_duenn);
        ZeichneLinieV(dc, SpaltenX(grenze), oben, unten);
    }
}

void CZusammenstellungDruck::ZeichneZeile(int zeile, int art, CDC& dc, RECT rechteck) const
{
    dc.SelectObject(m_normal);
    ZeichneZellenlinien(art, dc, rechteck.top, rechteck.bottom);
    ZeichneZeilenzellen(zeile, art, dc, rechteck);
}

void CZusammenstellungDruck::ZeichneZeilenzellen(int zeile, int art, CDC& dc, RECT rechteck) const
{
    if (zeile < 0 || zeile >= AnzahlZeilen())
        return;
    dc.SelectObject(m_duenn);
    ZeichneLinieH(dc, rechteck.left, rechteck.bottom, rechteck.right);

    const bool nummern = ProtokollnummernDrucken();
    const std::string& zeilentext = m_zeilentexte[zeile];
    for (int spalte = 0; spalte < kAnzahlSpalten; ++spalte) {
        int feld = spalte;
        int von = spalte;
        int bis = spalte + 1;
        if (art == kArtBindemittel) {
            if (spalte == 15 || spalte == 16)
                continue;
            if (spalte >= 17)
                feld = spalte - 2;
            if (spalte == 19)
                bis = 25;
        } else if (art == kArtFilter) {
            if (spalte == 11)
                bis = 13;
            if (spalte == 12)
                bis = 16;
        } else if (art == kArtNotiz && spalte == 10) {
            bis = 14;
        }

        std::string text = Feld(zeilentext, feld);
        if (spalte == 0) {
            if (!nummern)
                continue;
            text = m_protNrPraefix + "-" + text;
        } else if (spalte == 1) {
            text = StringDatumJJJJMMTTZuTTMMJJJJ(text);
            if (!nummern)
                von = 0;
        } else if (spalte == 9) {
            const std::string nummer = Feld(zeilentext, 0);
            text = nummer.size() > 2 ? nummer.substr(nummer.size() - 2) : nummer;
        } else if (spalte == 10 && HatPruefnummernspalte(art) && !nummern) {
            continue;
        }
        const RECT zelle{SpaltenX(von), rechteck.top - 80, SpaltenX(bis), rechteck.bottom - 80};
        ZeichneTextImRechteck(dc, zelle, text);
    }
}
