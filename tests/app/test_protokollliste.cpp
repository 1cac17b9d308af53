// The protocol list: row texts and sort texts, the stored column layout, sorting by a column head,
// the context menu and a second project after the first.
#include "app/messungsliste.h"
#include "app/protokollliste.h"
#include "listen_fixtur.h"
#include "platform/einstellungen.h"

#include <QAbstractItemModelTester>
#include <QMenu>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const std::vector<int> kVorgabeBreiten = {25, 116, 163, 113, 73, 80, 101, 61, 90, 82,
                                          0,  82,  64,  66,  81, 0,  0,   0,  0,  100};

std::vector<int> Schrittfolge(int anzahl)
{
    std::vector<int> folge(static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i)
        folge[i] = i;
    return folge;
}

class Protokollliste : public ::testing::Test
{
protected:
    void SetUp() override { m_katalog = GeladenerKatalog(); }

    // The layout entry follows the mode: tests that need a profile of their own, also when all
    // run in one process, take a mode of their own.
    static std::unique_ptr<CProtokollListCtrl> NeueListe(const std::string& praefix = "B12",
                                                         int modus = 1)
    {
        auto liste = std::make_unique<CProtokollListCtrl>();
        liste->InitSpalten(modus, praefix);
        return liste;
    }

    CPruefartKatalog m_katalog;
};

// Marks rows of a filled list: 1 marked, 2 marked twice.
void Markiere(CAppListCtrl& liste, const std::vector<int>& marken)
{
    std::vector<LISTENZEILE> zeilen;
    for (int zeile = 0; zeile < liste.HoleModell().rowCount(); ++zeile) {
        zeilen.push_back(*liste.HoleModell().HoleZeile(zeile));
        zeilen.back().info.markiert = marken[zeile] != 0;
        zeilen.back().info.doppeltMarkiert = marken[zeile] == 2;
    }
    liste.HoleModell().SetzeZeilen(std::move(zeilen));
}

// How many pixels of the list image `bild` at `ecke` show in the grabbed list as drawn.
int GezeigteBildpunkte(const QImage& liste, const QPixmap& bild, const QPoint& ecke)
{
    const QImage punkte = bild.toImage();
    int gezeigt = 0;
    for (int y = 0; y < punkte.height(); ++y)
        for (int x = 0; x < punkte.width(); ++x)
            if (qAlpha(punkte.pixel(x, y)) == 255 &&
                liste.pixel(ecke + QPoint(x, y)) == punkte.pixel(x, y))
                ++gezeigt;
    return gezeigt;
}

int Bildpunkte(const QPixmap& bild)
{
    return GezeigteBildpunkte(bild.toImage(), bild, QPoint(0, 0));
}

} // namespace

TEST_F(Protokollliste, ZeilentexteUndSortiertexteDerKopffelder)
{
    // Header fields 0..15: area, station, layer, position, soil, origin, state, (7), number,
    // date, from, to, tester, editor, 14, 15.
    CProtokolle protokolle;
    protokolle.FuegeTitelHinzu("7|Damm|0");
    FuegeProtokolleHinzu(
        protokolle,
        {{.id = "P1",
          .titelId = "7",
          .pruefartId = "1001",
          .kopffelder = {"Nord", "0+120", "2,5", "links", "gu", "Grube", "feucht", "x", "17",
                         "20110523", "8:00", "9:00", "Meier", "Müller", "f14", "f15"},
          .notiz = "wichtig",
          .unterartKuerzel = ""},
         {.id = "P2",
          .titelId = "7",
          .pruefartId = "4711",
          .kopffelder = {"", "", "", "", "", "", "", "", "", "2011"}}});
    auto liste = NeueListe();
    liste->FuelleListe(protokolle, m_katalog);
    ASSERT_EQ(liste->HoleModell().rowCount(), 2);

    CPruefartKatalog katalog = m_katalog;
    ASSERT_TRUE(katalog.Waehle("1001", 0));
    const std::string name = katalog.HoleName();
    // No sub-type code: two blanks, then the name; the sort text is the name alone.
    EXPECT_EQ(Zelle(*liste, 0, 0), "");
    EXPECT_EQ(Zelle(*liste, 0, 1), "  " + name);
    const ITEMINFOS& info = *liste->HoleInfo(0);
    EXPECT_EQ(info.schluessel, "P1");
    EXPECT_EQ(liste->HoleSortierText(0, 1), GrossSchreiben(name));
    EXPECT_EQ(Zelle(*liste, 0, 2), "Damm");
    EXPECT_EQ(liste->HoleSortierText(0, 2), "DAMM");
    EXPECT_EQ(Zelle(*liste, 0, 3), "Nord");
    EXPECT_EQ(liste->HoleSortierText(0, 3), "NORD");
    // The layer sorts by its number key.
    EXPECT_EQ(Zelle(*liste, 0, 5), "2,5");
    EXPECT_EQ(liste->HoleSortierText(0, 5), "00002.5000");
    EXPECT_EQ(liste->HoleSortierText(0, 7), "GU");
    // Protocol number with the prefix, sorted by the number alone.
    EXPECT_EQ(Zelle(*liste, 0, 11), "B12-17");
    EXPECT_EQ(liste->HoleSortierText(0, 11), "17");
    // Stored YYYYMMDD shows as DD.MM.YYYY and sorts as stored.
    EXPECT_EQ(Zelle(*liste, 0, 12), "23.05.2011");
    EXPECT_EQ(liste->HoleSortierText(0, 12), "20110523");
    EXPECT_EQ(Zelle(*liste, 0, 16), "Müller");
    EXPECT_EQ(liste->HoleSortierText(0, 16), "MÜLLER");
    EXPECT_EQ(Zelle(*liste, 0, 18), "f15");
    EXPECT_EQ(Zelle(*liste, 0, 19), "wichtig");
    EXPECT_EQ(liste->HoleSortierText(0, 19), "WICHTIG");

    // A type the catalogue does not hold leaves column 1 empty; a short date stays as it is;
    // missing fields are empty.
    EXPECT_EQ(Zelle(*liste, 1, 1), "");
    EXPECT_EQ(liste->HoleSortierText(1, 1), "");
    EXPECT_EQ(Zelle(*liste, 1, 12), "2011");
    EXPECT_EQ(Zelle(*liste, 1, 11), "B12-");
    EXPECT_EQ(Zelle(*liste, 1, 19), "");
    EXPECT_EQ(liste->HoleInfo(2), nullptr);
    EXPECT_EQ(liste->HoleInfo(-1), nullptr);
}

TEST_F(Protokollliste, SpaltenUndZweiteEinrichtung)
{
    auto liste = NeueListe("B12", 31);
    EXPECT_EQ(liste->HoleLayoutEintrag(), "protokolluebersicht_31");
    const CListenModell& modell = liste->HoleModell();
    ASSERT_EQ(modell.columnCount(), 20);
    EXPECT_EQ(NachCp1252(modell.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString()),
              "Prüfart");
    EXPECT_EQ(NachCp1252(modell.headerData(19, Qt::Horizontal, Qt::DisplayRole).toString()),
              "interne Notiz");
    // First start: the default widths in creation order.
    EXPECT_EQ(Breiten(*liste), kVorgabeBreiten);
    EXPECT_EQ(Reihenfolge(*liste), Schrittfolge(20));

    // A second set-up changes the prefix of later fills, not the columns or widths.
    liste->header()->resizeSection(3, 150);
    liste->InitSpalten(31, "X9");
    EXPECT_EQ(liste->HolePraefix(), "X9");
    EXPECT_EQ(liste->header()->sectionSize(3), 150);
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle,
                         {{.id = "P", .kopffelder = {"", "", "", "", "", "", "", "", "5"}}});
    liste->FuelleListe(protokolle, m_katalog);
    EXPECT_EQ(Zelle(*liste, 0, 11), "X9-5");
    // Filling keeps the widths.
    EXPECT_EQ(liste->header()->sectionSize(3), 150);
}

TEST_F(Protokollliste, GespeichertesLayoutUeberstehtNeustart)
{
    {
        auto liste = NeueListe("", 32);
        liste->header()->resizeSection(2, 300);
        liste->header()->moveSection(5, 0); // column 5 first
    }
    // Widths and order as "%d;" each, written when the list goes.
    const std::string breiten = LeseProfilText("spaltenbreiten", "protokolluebersicht_32");
    EXPECT_EQ(breiten, "25;116;300;113;73;80;101;61;90;82;0;82;64;66;81;0;0;0;0;100;");
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "protokolluebersicht_32_Order"),
              "5;0;1;2;3;4;6;7;8;9;10;11;12;13;14;15;16;17;18;19;");

    auto liste = NeueListe("", 32);
    EXPECT_EQ(liste->header()->sectionSize(2), 300);
    EXPECT_EQ(liste->header()->logicalIndex(0), 5);
    EXPECT_EQ(liste->header()->logicalIndex(1), 0);

    // Reset: defaults in creation order, in the profile too.
    liste->SetzeSpaltenlayoutZurueck();
    EXPECT_EQ(Breiten(*liste), kVorgabeBreiten);
    EXPECT_EQ(Reihenfolge(*liste), Schrittfolge(20));
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "protokolluebersicht_32_Order", "?"), "");
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "protokolluebersicht_32"),
              "25;116;163;113;73;80;101;61;90;82;0;82;64;66;81;0;0;0;0;100");
}

TEST_F(Protokollliste, UnbrauchbaresGespeichertesLayout)
{
    const std::string alleBreiten = "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;";
    // An order naming a column twice is no order: the columns keep their creation order.
    SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1", alleBreiten);
    SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1_Order",
                       "1;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;");
    auto doppelt = NeueListe();
    EXPECT_EQ(doppelt->header()->sectionSize(19), 20);
    EXPECT_EQ(Reihenfolge(*doppelt), Schrittfolge(20));
    doppelt.reset();

    // Out of range, negative, or too short (missing fields read 0): ignored too.
    for (const char* ordnung :
         {"19;18;17;16;15;14;13;12;11;10;9;8;7;6;5;4;3;2;1;20;",
          "-1;0;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;", "19;18;17;"}) {
        SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1", alleBreiten);
        SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1_Order", ordnung);
        auto liste = NeueListe();
        EXPECT_EQ(Reihenfolge(*liste), Schrittfolge(20)) << ordnung;
    }

    // Fewer widths than columns: the rest keep their creation widths (200, "Titel" 220), and a
    // stored order of the full count is not applied.
    SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1", "30;40;50");
    SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1_Order",
                       "19;18;17;16;15;14;13;12;11;10;9;8;7;6;5;4;3;2;1;0;");
    auto kurz = NeueListe();
    EXPECT_EQ(Breiten(*kurz)[0], 30);
    EXPECT_EQ(Breiten(*kurz)[2], 50);
    EXPECT_EQ(Breiten(*kurz)[3], 200);
    EXPECT_EQ(Reihenfolge(*kurz), Schrittfolge(20));
    kurz.reset();

    // Only the leading number counts; an empty first field applies nothing; widths that read
    // negative apply none.
    SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1", "77px;abc;-5;65537");
    SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1_Order", "");
    auto seltsam = NeueListe();
    EXPECT_EQ(Breiten(*seltsam)[0], 77);
    EXPECT_EQ(Breiten(*seltsam)[1], 0);
    EXPECT_EQ(Breiten(*seltsam)[2], 0);
    EXPECT_EQ(Breiten(*seltsam)[3], 1); // low 16 bits
    seltsam.reset();
    SchreibeProfilText("spaltenbreiten", "protokolluebersicht_1", ";80");
    auto leer = NeueListe();
    EXPECT_EQ(Breiten(*leer)[1], 200);
}

TEST_F(Protokollliste, SortierenPerSpaltenkopf)
{
    CProtokolle protokolle;
    protokolle.FuegeTitelHinzu("1|Bbb|0");
    protokolle.FuegeTitelHinzu("2|aaa|0");
    protokolle.FuegeTitelHinzu("3|Ccc|0");
    FuegeProtokolleHinzu(protokolle,
                         {{.id = "P1",
                           .titelId = "1",
                           .kopffelder = {"", "", "10", "", "", "", "", "", "", "20110102"}},
                          {.id = "P2",
                           .titelId = "2",
                           .kopffelder = {"", "", "9", "", "", "", "", "", "", "20101231"}},
                          {.id = "P3",
                           .titelId = "3",
                           .kopffelder = {"", "", "-2", "", "", "", "", "", "", "20110101"}}});
    auto liste = NeueListe();
    QAbstractItemModelTester pruefer(&liste->HoleModell(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    liste->FuelleListe(protokolle, m_katalog);

    // The first click on any head sorts descending, the next (on any head) ascending.
    liste->OnColumnclick(2);
    EXPECT_EQ(Spalte(*liste, 2), (std::vector<std::string>{"Ccc", "Bbb", "aaa"}));
    liste->OnColumnclick(12);
    EXPECT_EQ(Spalte(*liste, 12),
              (std::vector<std::string>{"31.12.2010", "01.01.2011", "02.01.2011"}));
    liste->OnColumnclick(12);
    EXPECT_EQ(Spalte(*liste, 12),
              (std::vector<std::string>{"02.01.2011", "01.01.2011", "31.12.2010"}));
    // Layer by number, not by text: 9 before 10.
    liste->OnColumnclick(5);
    EXPECT_EQ(Spalte(*liste, 5), (std::vector<std::string>{"-2", "9", "10"}));

    // A click on the head goes the same way.
    liste->header()->sectionClicked(2);
    EXPECT_EQ(Spalte(*liste, 2), (std::vector<std::string>{"Ccc", "Bbb", "aaa"}));
    // The view's own sort by column 1 leaves the direction alone.
    liste->SortiereNachSpalte(2);
    EXPECT_EQ(Spalte(*liste, 2), (std::vector<std::string>{"aaa", "Bbb", "Ccc"}));
    liste->OnColumnclick(2);
    EXPECT_EQ(Spalte(*liste, 2), (std::vector<std::string>{"aaa", "Bbb", "Ccc"}));

    // Selection follows its rows through a sort.
    liste->selectionModel()->select(liste->HoleModell().index(0, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    liste->SortiereNachSpalte(2 + kAbsteigend);
    const QModelIndexList gewaehlt = liste->selectionModel()->selectedRows();
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(liste->HoleInfo(gewaehlt[0].row())->schluessel, "P2");
    EXPECT_EQ(gewaehlt[0].row(), 2);
}

TEST_F(Protokollliste, GleicheTexteNachProtokollnummer)
{
    const auto protokoll = [](const std::string& id, const std::string& art,
                              const std::string& nummer) {
        return ProtokollVorlage{
            .id = id, .pruefartId = art, .kopffelder = {"", "", "", "", "", "", "", "", nummer}};
    };
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle,
                         {protokoll("A", "1001", "00040"), protokoll("B", "1001", "00043"),
                          protokoll("K", "1000", "00050"), protokoll("C", "1001", "00033"),
                          protokoll("D", "1001", "00044")});
    auto liste = NeueListe();
    liste->FuelleListe(protokolle, m_katalog);
    const auto schluessel = [&] {
        std::vector<std::string> ids;
        for (int zeile = 0; zeile < liste->HoleModell().rowCount(); ++zeile)
            ids.push_back(liste->HoleInfo(zeile)->schluessel);
        return ids;
    };
    // The protocols of one test type by number, whichever way the type sorts.
    liste->SortiereNachSpalte(1);
    EXPECT_EQ(schluessel(), (std::vector<std::string>{"K", "C", "A", "B", "D"}));
    liste->SortiereNachSpalte(1 + kAbsteigend);
    EXPECT_EQ(schluessel(), (std::vector<std::string>{"C", "A", "B", "D", "K"}));
}

TEST_F(Protokollliste, AusgewaehltSindZeilenMitJederZelle)
{
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle, {{.id = "P0"}, {.id = "P1"}, {.id = "P2"}, {.id = "P3"}});
    auto liste = NeueListe();
    liste->FuelleListe(protokolle, m_katalog);
    QItemSelectionModel& auswahl = *liste->selectionModel();
    const CListenModell& modell = liste->HoleModell();
    const int letzte = modell.columnCount() - 1;
    // Row 3 whole, row 1 cell by cell, row 0 all cells but the last, row 3 again.
    auswahl.select(modell.index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    for (int spalte = 0; spalte <= letzte; ++spalte)
        auswahl.select(modell.index(1, spalte), QItemSelectionModel::Select);
    auswahl.select(QItemSelection(modell.index(0, 0), modell.index(0, letzte - 1)),
                   QItemSelectionModel::Select);
    auswahl.select(QItemSelection(modell.index(2, 3), modell.index(3, letzte)),
                   QItemSelectionModel::Select);
    EXPECT_EQ(liste->HoleAusgewaehlteZeilen(), (std::vector<int>{1, 3}));
    ASSERT_EQ(liste->HoleAusgewaehlteInfos().size(), 2u);
    EXPECT_EQ(liste->HoleAusgewaehlteInfos()[0]->schluessel, "P1");
}

TEST_F(Protokollliste, ZeileOhneIhrProtokollZeigtKeineFremdenWerte)
{
    // Texts are made from the collection when shown: a protocol removed since the fill moves the
    // others; its row must not show its neighbour's values, nor the neighbour lose its own.
    CProtokolle protokolle;
    protokolle.FuegeTitelHinzu("7|Damm|0");
    FuegeProtokolleHinzu(protokolle, {{.id = "P0", .titelId = "7", .kopffelder = {"Nord"}},
                                      {.id = "P1", .titelId = "7", .kopffelder = {"Süd"}}});
    auto liste = NeueListe();
    liste->FuelleListe(protokolle, m_katalog);
    ASSERT_TRUE(protokolle.LoescheProtokoll("P0"));
    EXPECT_EQ(Zelle(*liste, 0, 3), "");
    EXPECT_EQ(Zelle(*liste, 0, 2), "Damm");
    EXPECT_EQ(Zelle(*liste, 1, 3), "Süd");
}

TEST(Listenmodell, SortiertOhneRuecksichtAufGrossKlein)
{
    // Column 1 shows the row's text and sorts by it.
    struct Texte : CZellenQuelle
    {
        std::vector<std::string> texte;
        void HoleZelle(const LISTENZEILE& zeile, int spalte, std::string& text,
                       std::string& sortierText) const override
        {
            if (spalte == 1)
                text = sortierText = texte[static_cast<size_t>(zeile.protokoll)];
        }
        bool IstProtokollspalte(int) const override { return false; }
    } quelle;
    CListenModell modell(quelle);
    QAbstractItemModelTester pruefer(&modell,
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    modell.SetzeSpalten({{"a"}, {"b"}});
    std::vector<LISTENZEILE> zeilen;
    for (const char* text : {"zebra", "abc", "Ärger", "ABC", "A_", "AA", "ab", ""}) {
        LISTENZEILE zeile;
        zeile.protokoll = static_cast<int>(quelle.texte.size());
        quelle.texte.push_back(text);
        zeilen.push_back(std::move(zeile));
    }
    modell.SetzeZeilen(std::move(zeilen));
    auto texte = [&] {
        std::vector<std::string> ergebnis;
        for (int zeile = 0; zeile < modell.rowCount(); ++zeile)
            ergebnis.push_back(modell.HoleText(zeile, 1));
        return ergebnis;
    };
    // Lower case decides, so "_" comes before the letters; bytes count unsigned, so umlauts
    // follow "z"; equal texts, without protocol numbers here, come in fill order both ways.
    modell.Sortiere(1);
    EXPECT_EQ(texte(),
              (std::vector<std::string>{"", "A_", "AA", "ab", "abc", "ABC", "zebra", "Ärger"}));
    modell.Sortiere(1 + kAbsteigend);
    EXPECT_EQ(texte(),
              (std::vector<std::string>{"Ärger", "zebra", "abc", "ABC", "ab", "AA", "A_", ""}));
    // Parameters beyond the columns change nothing; in a column without sort texts all rows are
    // equal.
    modell.Sortiere(kAnzahlSortierTexte);
    modell.Sortiere(-1);
    EXPECT_EQ(texte().front(), "Ärger");
    modell.Sortiere(0);
    EXPECT_EQ(texte().front(), "zebra");
}

TEST_F(Protokollliste, KontextmenueNurAufZeilen)
{
    CPage1 seite;
    seite.resize(600, 300);
    CProtokollListCtrl& liste = seite.HoleListe();
    liste.InitSpalten(1, "");
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle, {{.id = "P1"}, {.id = "P2"}});
    liste.FuelleListe(protokolle, m_katalog);
    seite.show();

    const QRect ersteZeile = liste.visualRect(liste.HoleModell().index(0, 1));
    std::unique_ptr<QMenu> menue = seite.BaueKontextmenue(ersteZeile.center());
    ASSERT_NE(menue, nullptr);
    QStringList eintraege;
    for (const QAction* eintrag : menue->actions()) {
        eintraege << eintrag->text();
        EXPECT_FALSE(eintrag->isEnabled());
    }
    EXPECT_EQ(eintraege,
              (QStringList{u"Löschen"_s, u"Zuordnung ändern"_s, u"Protokollnummer ändern"_s,
                           u"Prüfdatum des Protokolls ändern"_s}));
    // Below the last row: no menu.
    const QRect letzteZeile = liste.visualRect(liste.HoleModell().index(1, 1));
    EXPECT_EQ(seite.BaueKontextmenue(QPoint(letzteZeile.center().x(), letzteZeile.bottom() + 20)),
              nullptr);
    // The list covers the page.
    EXPECT_EQ(liste.geometry(), seite.rect());
}

TEST_F(Protokollliste, ZeilenfarbenUndTrennlinienBisUnterDieZeilen)
{
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle, {{.id = "P1"}, {.id = "P2"}});
    auto liste = NeueListe("", 33);
    liste->resize(900, 300);
    liste->FuelleListe(protokolle, m_katalog);
    liste->show();
    const QImage bild = liste->viewport()->grab().toImage();
    const QRect zelle0 = liste->visualRect(liste->HoleModell().index(0, 3));
    const QRect zelle1 = liste->visualRect(liste->HoleModell().index(1, 3));
    auto farbe = [&](int x, int y) { return bild.pixelColor(x, y).rgb() & 0xFFFFFF; };
    EXPECT_EQ(farbe(zelle0.left() + 50, zelle0.center().y()), 0xFFFFFFu);
    EXPECT_EQ(farbe(zelle1.left() + 50, zelle1.center().y()), 0xEFEFEFu);
    EXPECT_EQ(farbe(zelle1.left(), zelle1.center().y()), 0xBFBFBFu);
    // The separators run on below the last row; the rest is the odd-row grey.
    EXPECT_EQ(farbe(zelle1.left(), zelle1.bottom() + 30), 0xBFBFBFu);
    EXPECT_EQ(farbe(zelle1.left() + 50, zelle1.bottom() + 30), 0xEFEFEFu);
    // Column 0 at the first position draws no separator.
    const QRect erste = liste->visualRect(liste->HoleModell().index(0, 0));
    EXPECT_EQ(farbe(erste.left(), erste.center().y()), 0xFFFFFFu);
}

TEST_F(Protokollliste, MarkierteZeilenZeigenIhrBild)
{
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle, {{.id = "P1", .messungen = {Messung("1")}},
                                      {.id = "P2", .messungen = {Messung("1")}},
                                      {.id = "P3", .messungen = {Messung("1")}}});
    auto protokollListe = NeueListe();
    protokollListe->FuelleListe(protokolle, m_katalog);
    CMessungsListCtrl messungsListe;
    messungsListe.FuelleListe(protokolle, m_katalog, "");
    // The protocol list places the image one pixel above the row's top, the measurement list at it.
    for (auto [liste, hoehe] : {std::pair<CAppListCtrl*, int>{protokollListe.get(), -1},
                                std::pair<CAppListCtrl*, int>{&messungsListe, 0}}) {
        liste->resize(900, 300);
        liste->header()->resizeSection(0, 25);
        Markiere(*liste, {0, 1, 2});
        liste->show();
        const QImage bild =
            liste->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const CBildliste& bilder = liste->HoleBildliste();
        auto ecke = [&](int zeile) {
            return liste->visualRect(liste->HoleModell().index(zeile, 0)).topLeft() +
                   QPoint(2, hoehe);
        };
        EXPECT_EQ(GezeigteBildpunkte(bild, bilder.Bild(1), ecke(0)), 0);
        EXPECT_EQ(GezeigteBildpunkte(bild, bilder.Bild(2), ecke(0)), 0);
        EXPECT_EQ(GezeigteBildpunkte(bild, bilder.Bild(1), ecke(1)), Bildpunkte(bilder.Bild(1)));
        EXPECT_EQ(GezeigteBildpunkte(bild, bilder.Bild(2), ecke(2)), Bildpunkte(bilder.Bild(2)));
        EXPECT_GT(Bildpunkte(bilder.Bild(2)), Bildpunkte(bilder.Bild(1)));
        EXPECT_EQ(liste->HoleModell().data(liste->HoleModell().index(1, 0),
                                           CListenModell::MarkenbildRolle),
                  1);
    }
}
