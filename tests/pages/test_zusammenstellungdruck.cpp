#include "pages/seitenlogo.h"
#include "report/dib.h"
#include "zusammenstellungtest.h"

#include <sstream>

namespace {

// The page rectangle of a landscape sheet as the print path gives it.
constexpr RECT kSeite{1000, -1000, 29700, -20900};
// Band tops: 18200 above the bottom edge on every page.
constexpr int kErsteBandOben = kSeite.bottom + 18200;

// A plain 2 × 1 bitmap file as the logo.
void LadeLogo(CDib& logo)
{
    const unsigned char datei[] = {
        'B', 'M', 62, 0, 0, 0,   0, 0, 0, 0, 54, 0, 0, 0, // file header
        40,  0,   0,  0, 2, 0,   0, 0, 1, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
        8,   0,   0,  0, 0, 0,   0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, // info header
        255, 0,   0,  0, 0, 255, 0, 0,                                       // one row, padded
    };
    std::istringstream strom(std::string(reinterpret_cast<const char*>(datei), sizeof datei));
    ASSERT_GT(logo.Lese(strom), 0u);
}

// Every font a cell of 2540 units: a one-line row is 2540 + 160 = 2700 high, five fill the
// first page's 13500 exactly.
class Zusammenstellungsseiten : public Zusammenstellungstest
{
protected:
    explicit Zusammenstellungsseiten(int zelle = 2540) : metrik(zelle), seitenDc(metrik)
    {
        druck.SetzeBaustelle("Ortsumgehung");
        druck.SetzeProtNrPraefix("BL");
    }

    void Zeilen(const char* pruefart, int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            druck.FuegeZeileHinzu(std::to_string(++nummer) + "|20240517|Nord|",
                                  ProtokollDerPruefart(pruefart));
    }
    void Drucke(int seite)
    {
        seitenDc.Leeren();
        druck.DruckeSeite(seite, &seitenDc, kSeite);
    }
    std::vector<DCEintrag> SeitenTexte(const std::string& text) const
    {
        std::vector<DCEintrag> gefunden;
        for (const DCEintrag& e : seitenDc.Texte())
            if (e.text == text)
                gefunden.push_back(e);
        return gefunden;
    }
    int SeitenLinie(POINT von, POINT bis) const
    {
        for (const DCEintrag& e : seitenDc.Eintraege())
            if (e.art == DCPrimitiv::Linienzug && e.punkte == std::vector<POINT>{von, bis})
                return e.zustand.stift.Breite();
        return -1;
    }
    // Protocol-number cells of the page, top to bottom, with the tops of their rectangles.
    std::vector<std::pair<std::string, int>> Nummern() const
    {
        std::vector<std::pair<std::string, int>> nummern;
        for (const DCEintrag& e : seitenDc.Texte())
            if (e.text.starts_with("BL-"))
                nummern.emplace_back(e.text, e.rechteck.top);
        return nummern;
    }
    std::vector<int> Seiten() const
    {
        std::vector<int> seiten;
        for (int i = 0; i < druck.AnzahlZeilen(); ++i)
            seiten.push_back(druck.Zeilenseite(i));
        return seiten;
    }

    ZellenMetrik metrik;
    RecordingDC seitenDc;
    int nummer = 0;
};

class HoheZeilen : public Zusammenstellungsseiten
{
protected:
    HoheZeilen() : Zusammenstellungsseiten(2541) {}
};

} // namespace

TEST_F(Zusammenstellungsseiten, OneRowMakesOnePageWithLogoTitleHeadAndRow)
{
    CDib logo;
    LadeLogo(logo);
    SetzeSeitenlogo(&logo);
    Zeilen("1001", 1);
    EXPECT_EQ(druck.Zeilenhoehe(0), -1);
    EXPECT_EQ(druck.Paginiere(&seitenDc), 1);
    EXPECT_EQ(druck.Zeilenhoehe(0), 2700);
    Drucke(1);
    SetzeSeitenlogo(nullptr);

    const int links = kSeite.left;
    const int rechts = kSeite.left + 27500;
    const int t = kErsteBandOben;
    // First-page band: thick frame without a bottom line, the separator 175 mm from the left.
    EXPECT_EQ(SeitenLinie({links, t - 1800}, {links, t}), 40);
    EXPECT_EQ(SeitenLinie({links, t}, {rechts, t}), 40);
    EXPECT_EQ(SeitenLinie({rechts, t}, {rechts, t - 1800}), 40);
    EXPECT_EQ(SeitenLinie({links + 17500, t}, {links + 17500, t - 1800}), 20);
    const auto bild = std::ranges::find(seitenDc.Eintraege(), DCPrimitiv::Bild, &DCEintrag::art);
    ASSERT_NE(bild, seitenDc.Eintraege().end());
    EXPECT_EQ(bild->rechteck, (RECT{links + 50, t - 50, links + 17450, t - 1750}));

    // Title band: medium top line meeting the logo band, thick lines below, texts.
    const int titel = t - 1800;
    EXPECT_EQ(SeitenLinie({links, titel}, {rechts, titel}), 20);
    EXPECT_EQ(SeitenLinie({links, titel - 700}, {rechts, titel - 700}), 40);
    EXPECT_EQ(SeitenLinie({links, titel - 1150}, {rechts, titel - 1150}), 40);
    EXPECT_EQ(SeitenLinie({links, titel}, {links, titel - 1150}), 40);
    const DCEintrag baustelle = SeitenTexte("Ortsumgehung").at(0);
    EXPECT_EQ(baustelle.rechteck, (RECT{links + 2000, titel, rechts, titel - 700}));
    EXPECT_EQ(baustelle.zustand.schrift, druck.TitelSchrift());
    EXPECT_EQ(SeitenTexte("Baustelle:").at(0).punkte.at(0).x, links + 200);
    const DCEintrag seite = SeitenTexte("Seite 1 von 1").at(0);
    EXPECT_EQ(seite.rechteck, (RECT{links + 200, titel - 700, rechts - 200, titel - 1150}));
    // Right-aligned: 13 characters of 100.
    EXPECT_EQ(seite.punkte.at(0).x, rechts - 200 - 1300);
    EXPECT_EQ(SeitenTexte("Zusammenstellung der Prüfergebnisse").size(), 1u);

    // Head block 1600 high, then the row of 2700 ending at the top of the empty budget.
    const int kopf = titel - 1300;
    EXPECT_EQ(SeitenLinie({links, kopf}, {rechts, kopf}), 20);
    EXPECT_EQ(SeitenLinie({links, kopf - 1600}, {rechts, kopf - 1600}), 20);
    EXPECT_EQ(Nummern(), (std::vector<std::pair<std::string, int>>{{"BL-1", kopf - 1600 - 80}}));
    EXPECT_EQ(SeitenLinie({links, kopf - 1600 - 2700}, {rechts, kopf - 1600 - 2700}), 10);
}

TEST_F(Zusammenstellungsseiten, BudgetsOfFirstAndLaterPagesAreFilledUpToTheirLimit)
{
    // Five rows fill page 1 exactly; page 2 takes a change of kind (1600) and five rows, 15100.
    Zeilen("1001", 6);
    Zeilen("1000", 5);
    EXPECT_EQ(druck.Paginiere(&seitenDc), 3);
    EXPECT_EQ(Seiten(), (std::vector<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3}));
    // Stored heights leave out the head block.
    EXPECT_EQ(druck.Zeilenhoehe(6), 2700);

    // The rows of a full page end at the page rectangle's bottom edge.
    Drucke(1);
    const std::vector<std::pair<std::string, int>> erste = Nummern();
    ASSERT_EQ(erste.size(), 5u);
    EXPECT_EQ(erste.back().second, kSeite.bottom + 2700 - 80);
    EXPECT_EQ(SeitenLinie({kSeite.left, kSeite.bottom}, {kSeite.left + 27500, kSeite.bottom}), 10);

    // Later pages start with the title band 18200 above the bottom edge, thick on top, and a
    // head block; no logo band.
    Drucke(2);
    EXPECT_EQ(SeitenLinie({kSeite.left, kErsteBandOben}, {kSeite.left + 27500, kErsteBandOben}),
              40);
    EXPECT_EQ(std::ranges::count(seitenDc.Eintraege(), DCPrimitiv::Bild, &DCEintrag::art), 0);
    EXPECT_EQ(SeitenTexte("Seite 2 von 3").size(), 1u);
    EXPECT_EQ(SeitenTexte("Protokoll").size(), 2u);
    EXPECT_EQ(Nummern().front(),
              (std::pair<std::string, int>{"BL-6", kErsteBandOben - 1300 - 1600 - 80}));
}

TEST_F(HoheZeilen, OneUnitOverTheBudgetMovesTheRowOn)
{
    Zeilen("1001", 5);
    EXPECT_EQ(druck.Paginiere(&seitenDc), 2);
    EXPECT_EQ(Seiten(), (std::vector<int>{1, 1, 1, 1, 2}));
}

TEST_F(Zusammenstellungsseiten, FirstRowTallerThanThePageOpensPageTwo)
{
    druck.FuegeZeileHinzu("1|20240517|a\nb\nc\nd\ne\nf|", ProtokollDerPruefart("1001"));
    EXPECT_EQ(druck.Paginiere(&seitenDc), 2);
    EXPECT_EQ(druck.Zeilenhoehe(0), 6 * 2540 + 160);
    Drucke(1);
    EXPECT_TRUE(Nummern().empty());
    EXPECT_EQ(SeitenTexte("Seite 1 von 2").size(), 1u);
    EXPECT_EQ(SeitenTexte("Protokoll").size(), 0u);
    // On its own page the row runs below the page rectangle; nothing is cut.
    Drucke(2);
    EXPECT_EQ(Nummern().size(), 1u);
    EXPECT_EQ(SeitenTexte("f").size(), 1u);
    const int unten = kErsteBandOben - 1300 - 1600 - druck.Zeilenhoehe(0);
    EXPECT_LT(unten, kSeite.bottom);
    EXPECT_EQ(SeitenLinie({kSeite.left, unten}, {kSeite.left + 27500, unten}), 10);
}

TEST_F(Zusammenstellungsseiten, EachRunOfOneKindGetsItsHeadBlock)
{
    Zeilen("1001", 2);
    Zeilen("1000", 1);
    ASSERT_EQ(druck.Paginiere(&seitenDc), 1);
    Drucke(1);
    const std::vector<DCEintrag> koepfe = SeitenTexte("Protokoll");
    ASSERT_EQ(koepfe.size(), 2u);
    const int kopf = kErsteBandOben - 1800 - 1300;
    EXPECT_EQ(koepfe[0].rechteck.top, kopf);
    EXPECT_EQ(koepfe[1].rechteck.top, kopf - 1600 - 2 * 2700);
    EXPECT_EQ(Nummern()[2].second, kopf - 2 * 1600 - 2 * 2700 - 80);
    EXPECT_EQ(SeitenTexte("Siebweite bei den Durchgangssummen").size(), 1u);
}

TEST_F(Zusammenstellungsseiten, PrintingChangesNothingStoredAndRestoresTheContext)
{
    Zeilen("1001", 12);
    ASSERT_EQ(druck.Paginiere(&seitenDc), 3);
    const std::string text = druck.Zeilentext(7);

    CFont schrift;
    schrift.CreateFont(500, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    const CPen stift(PS_DOT, 1, RGB(1, 2, 3));
    seitenDc.SelectObject(schrift);
    seitenDc.SelectObject(stift);
    seitenDc.SetTextColor(RGB(10, 20, 30));
    seitenDc.SetBkColor(RGB(40, 50, 60));
    seitenDc.SetBkMode(OPAQUE);
    seitenDc.SetTextAlign(TA_RIGHT | TA_BASELINE);

    Drucke(2);
    const std::vector<DCEintrag> erstesMal = seitenDc.Eintraege();
    Drucke(2);
    const std::vector<DCEintrag> zweitesMal = seitenDc.Eintraege();
    ASSERT_EQ(erstesMal.size(), zweitesMal.size());
    for (size_t i = 0; i < erstesMal.size(); ++i) {
        EXPECT_EQ(erstesMal[i].punkte, zweitesMal[i].punkte);
        EXPECT_EQ(erstesMal[i].text, zweitesMal[i].text);
    }
    EXPECT_EQ(druck.Zeilentext(7), text);
    EXPECT_EQ(druck.Zeilenseite(7), 2);
    // Texts are drawn without a background box.
    EXPECT_EQ(SeitenTexte("Protokoll").at(0).zustand.hintergrundModus, TRANSPARENT);

    EXPECT_EQ(seitenDc.GetCurrentFont(), schrift);
    EXPECT_EQ(seitenDc.GetCurrentPen(), stift);
    EXPECT_EQ(seitenDc.GetTextColor(), RGB(10, 20, 30));
    EXPECT_EQ(seitenDc.GetBkColor(), RGB(40, 50, 60));
    EXPECT_EQ(seitenDc.GetBkMode(), OPAQUE);
    EXPECT_EQ(seitenDc.GetTextAlign(), TA_RIGHT | TA_BASELINE);
}

TEST_F(Zusammenstellungsseiten, PagesOutsideThePaginationPrintNoRows)
{
    Zeilen("1001", 12);
    ASSERT_EQ(druck.Paginiere(&seitenDc), 3);
    Drucke(4);
    EXPECT_EQ(SeitenTexte("Seite 4 von 3").size(), 1u);
    EXPECT_TRUE(Nummern().empty());
    // Rows added after the pagination wait for the next one, also on a page "-1".
    Zeilen("1001", 1);
    Drucke(-1);
    EXPECT_TRUE(Nummern().empty());
    Drucke(3);
    EXPECT_EQ(Nummern().size(), 2u);
    // No device context: nothing to measure or draw on.
    EXPECT_EQ(druck.Paginiere(nullptr), 0);
    druck.DruckeSeite(1, nullptr, kSeite);
}

TEST_F(Zusammenstellungsseiten, EmptyJobHasNoPagesAndForgetsTheLastCount)
{
    EXPECT_EQ(druck.Paginiere(&seitenDc), 0);
    Zeilen("1001", 12);
    ASSERT_EQ(druck.Paginiere(&seitenDc), 3);
    druck.Leere();
    EXPECT_EQ(druck.AnzahlZeilen(), 0);
    EXPECT_EQ(druck.Paginiere(&seitenDc), 0);
    EXPECT_EQ(druck.Seitenzahl(), 0);
    Drucke(1);
    EXPECT_EQ(SeitenTexte("Seite 1 von 0").size(), 1u);
}
