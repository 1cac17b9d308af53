// The measurement list: columns by list kind, row placement, row texts and sort texts, sorting,
// the stored layout per kind, and refilling from another project.
#include "app/messungsliste.h"
#include "app/protokollliste.h"
#include "data/messungsspalten.h"
#include "listen_fixtur.h"
#include "musterbauer.h"
#include "platform/einstellungen.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

std::vector<std::string> Kopfzeilen(const CAppListCtrl& liste)
{
    std::vector<std::string> koepfe;
    const CListenModell& modell = liste.HoleModell();
    for (int spalte = 0; spalte < modell.columnCount(); ++spalte)
        koepfe.push_back(
            NachCp1252(modell.headerData(spalte, Qt::Horizontal, Qt::DisplayRole).toString()));
    return koepfe;
}

// Key and running number of every row: "P0-3".
std::vector<std::string> Zeilen(const CAppListCtrl& liste)
{
    std::vector<std::string> zeilen;
    for (int zeile = 0; zeile < liste.HoleModell().rowCount(); ++zeile)
        zeilen.push_back(liste.HoleInfo(zeile)->schluessel + "-" +
                         liste.HoleInfo(zeile)->messungsId);
    return zeilen;
}

std::vector<std::string> Kopffelder(const std::string& station, const std::string& datum)
{
    return {"", station, "", "", "", "", "", "", "", datum};
}

class Messungsliste : public ::testing::Test
{
protected:
    void SetUp() override { m_katalog = GeladenerKatalog(); }

    CPruefartKatalog m_katalog;
};

} // namespace

TEST_F(Messungsliste, SpaltenJeListenart)
{
    const std::array<int, kAnzahlListenarten> anzahlen = {32, 29, 25, 21, 18, 18,
                                                          20, 32, 18, 18, 24, 18};
    for (int art = 0; art < kAnzahlListenarten; ++art)
        EXPECT_EQ(CMessungsListCtrl::HoleSpaltenanzahl(art), anzahlen[art]) << art;

    CMessungsListCtrl liste;
    CProtokolle keine;
    QAbstractItemModelTester pruefer(&liste.HoleModell(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    // All types: kind 0, whatever the protocols' own kinds.
    liste.FuelleListe(keine, m_katalog, "");
    EXPECT_EQ(liste.HoleArt(), 0);
    EXPECT_EQ(liste.HoleModell().columnCount(), 32);
    EXPECT_EQ(liste.HoleLayoutEintrag(), "Messungsuebersicht_2_0");
    EXPECT_EQ(Kopfzeilen(liste)[17], "PV- Nr.");
    EXPECT_EQ(Kopfzeilen(liste)[31], "Evd-Soll");
    EXPECT_EQ(liste.header()->sectionSize(15), 2);
    EXPECT_EQ(liste.header()->sectionSize(17), 82);

    liste.FuelleListe(keine, m_katalog, "1000");
    EXPECT_EQ(liste.HoleArt(), 7);
    EXPECT_EQ(liste.HoleLayoutEintrag(), "Messungsuebersicht_2_7");
    const std::vector<std::string> koepfe = Kopfzeilen(liste);
    EXPECT_EQ(std::vector<std::string>(koepfe.begin() + 17, koepfe.end()),
              (std::vector<std::string>{"U", "D10", "D15", "D17", "D30", "D50", "D60", "D85",
                                        "D100", "T", "U", "S", "G", "X", "Phi"}));
    EXPECT_EQ(koepfe[0], "Typ");
    EXPECT_EQ(koepfe[16], "Bearbeiter");

    // Column ids; an index outside the kind's row reads column 0, a negative one too.
    EXPECT_EQ(liste.HoleSpaltenID(17), 58);
    EXPECT_EQ(liste.HoleSpaltenID(31), 59);
    EXPECT_EQ(liste.HoleSpaltenID(35), 0);
    EXPECT_EQ(liste.HoleSpaltenID(36), 0);
    EXPECT_EQ(liste.HoleSpaltenID(-1), 0);
    EXPECT_EQ(liste.HoleSpaltenID(-100000), 0);

    // Unlisted or unreadable IDs give kind 0.
    for (const char* id : {"1003", "abc", "", "99999999999"}) {
        liste.SetzeArt(id);
        EXPECT_EQ(liste.HoleArt(), 0) << id;
    }
    liste.SetzeArt("1017");
    EXPECT_EQ(liste.HoleArt(), 5);
    liste.SetzeArt("1020");
    EXPECT_EQ(liste.HoleArt(), 11);
}

TEST_F(Messungsliste, ZeilenStehenAmIndexIhresProtokolls)
{
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle,
                         {{.id = "P0", .messungen = {Messung("1"), Messung("2"), Messung("3")}},
                          {.id = "P1", .messungen = {Messung("1"), Messung("2")}}});
    CMessungsListCtrl liste;
    liste.FuelleListe(protokolle, m_katalog, "");
    EXPECT_EQ(Zeilen(liste), (std::vector<std::string>{"P0-3", "P1-2", "P1-1", "P0-2", "P0-1"}));

    // A skipped protocol keeps its index: later rows go in at their collection index, or at
    // the end while the list is shorter.
    CProtokolle gemischt;
    FuegeProtokolleHinzu(
        gemischt, {{.id = "A", .pruefartId = "1001", .messungen = {Messung("1"), Messung("2")}},
                   {.id = "B", .pruefartId = "1000", .messungen = {Messung("1")}},
                   {.id = "C", .pruefartId = "1001", .messungen = {Messung("1"), Messung("2")}},
                   {.id = "D", .pruefartId = "1001"}});
    liste.FuelleListe(gemischt, m_katalog, "1001");
    EXPECT_EQ(Zeilen(liste), (std::vector<std::string>{"A-2", "A-1", "C-2", "C-1"}));
    liste.FuelleListe(gemischt, m_katalog, "1000");
    EXPECT_EQ(Zeilen(liste), (std::vector<std::string>{"B-1"}));
    // The ID is compared exactly.
    liste.FuelleListe(gemischt, m_katalog, "01001");
    EXPECT_EQ(liste.HoleModell().rowCount(), 0);

    // A filter drops measurements; "several" still counts all of the protocol's measurements.
    liste.FuelleListe(gemischt, m_katalog, "1001", [](const CProtokoll& p, const MESSUNG& m) {
        return p.GetID() == "C" && m.lfdNr == "2";
    });
    ASSERT_EQ(Zeilen(liste), (std::vector<std::string>{"C-2"}));
    EXPECT_TRUE(liste.HoleInfo(0)->mehrereMessungen);
}

TEST(Einfuegereihenfolge, WieEinfuegenInEineListe)
{
    std::mt19937 zufall(7);
    for (int versuch = 0; versuch < 50; ++versuch) {
        const int anzahl = versuch;
        std::vector<int> positionen;
        std::vector<int> erwartet;
        for (int i = 0; i < anzahl; ++i) {
            const int position = static_cast<int>(zufall() % (erwartet.size() + 2));
            positionen.push_back(std::min<int>(position, static_cast<int>(erwartet.size())));
            erwartet.insert(erwartet.begin() + positionen.back(), i);
        }
        EXPECT_EQ(OrdneEinfuegungen(positionen), erwartet) << anzahl;
    }
}

TEST_F(Messungsliste, ZeilentexteUndMehrfachmarke)
{
    MESSUNG messung = Messung("1", "0+120", "[RPR|1,95][WOPT|0.5]");
    messung.schicht = "oben";
    messung.lage = "li";
    CProtokolle protokolle;
    protokolle.FuegeTitelHinzu("1|Erdbau|0");
    protokolle.FuegeTitelHinzu("2|Damm|1");
    FuegeProtokolleHinzu(protokolle, {{.id = "P0",
                                       .titelId = "2",
                                       .pruefartId = "1001",
                                       .kopffelder = {"Nord", "kopf", "unten", "re", "gu", "", "",
                                                      "", "17", "20110523"},
                                       .unterartKuerzel = "PV",
                                       .messungen = {messung}},
                                      {.id = "P1",
                                       .titelId = "1",
                                       .pruefartId = "4711",
                                       .messungen = {Messung("1", "a"), Messung("2", "b")}}});
    CMessungsListCtrl liste;
    liste.SetzeModus(2, "B12");
    liste.FuelleListe(protokolle, m_katalog, "");
    ASSERT_EQ(Zeilen(liste), (std::vector<std::string>{"P0-1", "P1-2", "P1-1"}));

    CPruefartKatalog katalog = m_katalog;
    ASSERT_TRUE(katalog.Waehle("1001", 0));
    EXPECT_EQ(Zelle(liste, 0, 1), "PV  " + katalog.HoleName());
    EXPECT_EQ(liste.HoleSortierText(0, 1), GrossSchreiben(katalog.HoleName()));
    EXPECT_EQ(Zelle(liste, 0, 2), "Erdbau -> Damm");
    EXPECT_EQ(liste.HoleSortierText(0, 2), "ERDBAU -> DAMM");
    EXPECT_EQ(Zelle(liste, 0, 3), "Nord");
    // The measurement's own station, layer and position, not the header's; the protocol's number
    // with prefix and its date.
    EXPECT_EQ(Zelle(liste, 0, 4), "0+120");
    EXPECT_EQ(Zelle(liste, 0, 5), "oben");
    EXPECT_EQ(Zelle(liste, 0, 6), "li");
    EXPECT_EQ(Zelle(liste, 0, 11), "B12-17");
    EXPECT_EQ(Zelle(liste, 0, 12), "23.05.2011");
    EXPECT_EQ(liste.HoleSortierText(0, 12), "20110523");
    // Result columns: RPr (column 18) and wopt (19) from the data text.
    EXPECT_EQ(Zelle(liste, 0, 18), "1,95");
    EXPECT_EQ(liste.HoleSortierText(0, 18), "0000001.9500");
    EXPECT_EQ(Zelle(liste, 0, 19), "0.5");
    const CListenModell& modell = liste.HoleModell();
    EXPECT_EQ(modell.data(modell.index(0, 18), Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_EQ(modell.data(modell.index(0, 3), Qt::TextAlignmentRole).toInt() & Qt::AlignLeft,
              Qt::AlignLeft);

    // A type the catalogue does not hold: the sub-type code and two blanks.
    EXPECT_EQ(Zelle(liste, 1, 1), "  ");
    EXPECT_EQ(liste.HoleInfo(1)->messungsId, "2");

    // "M" only for protocols with several measurements; column 0 has no text of its own.
    EXPECT_FALSE(modell.data(modell.index(0, 0), CListenModell::MehrereMessungenRolle).toBool());
    EXPECT_TRUE(modell.data(modell.index(1, 0), CListenModell::MehrereMessungenRolle).toBool());
    EXPECT_EQ(Zelle(liste, 1, 0), "");
}

TEST_F(Messungsliste, SortierenNachStationDatumUndTitel)
{
    CProtokolle protokolle;
    protokolle.FuegeTitelHinzu("1|beta|0");
    protokolle.FuegeTitelHinzu("2|Alpha|0");
    protokolle.FuegeTitelHinzu("3|Gamma|0");
    FuegeProtokolleHinzu(protokolle, {{.id = "P0",
                                       .titelId = "1",
                                       .kopffelder = Kopffelder("", "20110215"),
                                       .messungen = {Messung("1", "10", "[RPR|9.25]"),
                                                     Messung("2", "-1,5", "[RPR|10.5]")}},
                                      {.id = "P1",
                                       .titelId = "2",
                                       .kopffelder = Kopffelder("", "20101231"),
                                       .messungen = {Messung("1", "2", "[RPR|0.0001]")}},
                                      {.id = "P2",
                                       .titelId = "3",
                                       .kopffelder = Kopffelder("", "20110101"),
                                       .messungen = {Messung("1", "Achse", "[RPR|1.2]")}}});
    CMessungsListCtrl liste;
    QAbstractItemModelTester pruefer(&liste.HoleModell(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    liste.FuelleListe(protokolle, m_katalog, "");

    // Station as a number: -1,5 < 2 < 10; a text that is no number sorts as itself.
    liste.SortiereNachSpalte(4);
    EXPECT_EQ(Spalte(liste, 4), (std::vector<std::string>{"-1,5", "2", "10", "Achse"}));
    liste.SortiereNachSpalte(4 + kAbsteigend);
    EXPECT_EQ(Spalte(liste, 4), (std::vector<std::string>{"Achse", "10", "2", "-1,5"}));

    liste.SortiereNachSpalte(12);
    EXPECT_EQ(Spalte(liste, 12),
              (std::vector<std::string>{"31.12.2010", "01.01.2011", "15.02.2011", "15.02.2011"}));
    liste.SortiereNachSpalte(12 + kAbsteigend);
    EXPECT_EQ(Spalte(liste, 12),
              (std::vector<std::string>{"15.02.2011", "15.02.2011", "01.01.2011", "31.12.2010"}));

    liste.SortiereNachSpalte(2);
    EXPECT_EQ(Spalte(liste, 2), (std::vector<std::string>{"Alpha", "beta", "beta", "Gamma"}));
    liste.SortiereNachSpalte(2 + kAbsteigend);
    EXPECT_EQ(Spalte(liste, 2), (std::vector<std::string>{"Gamma", "beta", "beta", "Alpha"}));

    // A value by its number; one of at most 0.001 by its text.
    liste.SortiereNachSpalte(18);
    EXPECT_EQ(Spalte(liste, 18), (std::vector<std::string>{"0.0001", "1.2", "9.25", "10.5"}));
}

TEST_F(Messungsliste, GleicheTexteNachProtokollnummerUndLaufenderNummer)
{
    // Inserted at their protocols' index, the rows come scrambled; P2 holds its measurements in
    // another order than their running numbers, P3 has P0's number.
    const auto nummer = [](const std::string& nr) {
        return std::vector<std::string>{"", "", "", "", "", "", "", "", nr};
    };
    CProtokolle protokolle;
    FuegeProtokolleHinzu(
        protokolle,
        {{.id = "P0",
          .kopffelder = nummer("0002"),
          .messungen = {Messung("1"), Messung("2"), Messung("3")}},
         {.id = "K",
          .pruefartId = "1000",
          .kopffelder = nummer("0001"),
          .messungen = {Messung("1")}},
         {.id = "P2", .kopffelder = nummer("0001"), .messungen = {Messung("10"), Messung("9")}},
         {.id = "P3", .kopffelder = nummer("0002"), .messungen = {Messung("1"), Messung("2")}}});
    CMessungsListCtrl liste;
    liste.FuelleListe(protokolle, m_katalog, "");

    // Within one test type by protocol number, each protocol's rows together by running number,
    // whichever way the type sorts.
    const std::vector<std::string> proctor = {"P2-9", "P2-10", "P0-1", "P0-2",
                                              "P0-3", "P3-1",  "P3-2"};
    std::vector<std::string> absteigend = proctor;
    absteigend.push_back("K-1");
    liste.header()->sectionClicked(1);
    EXPECT_EQ(Zeilen(liste), absteigend);
    std::vector<std::string> aufsteigend = {"K-1"};
    aufsteigend.insert(aufsteigend.end(), proctor.begin(), proctor.end());
    liste.header()->sectionClicked(1);
    EXPECT_EQ(Zeilen(liste), aufsteigend);
}

TEST_F(Messungsliste, LayoutJeListenartUeberstehtNeustart)
{
    // A mode of its own keeps this test's profile entries apart from the others'.
    CProtokolle keine;
    {
        CMessungsListCtrl liste;
        liste.SetzeModus(9, "");
        liste.FuelleListe(keine, m_katalog, "1000");
        EXPECT_EQ(liste.header()->sectionSize(17), 55);
        liste.header()->resizeSection(17, 99);
        liste.header()->moveSection(31, 1);
        // Changing the kind keeps the layout of the one shown before.
        liste.FuelleListe(keine, m_katalog, "");
        EXPECT_EQ(liste.header()->sectionSize(17), 82);
        liste.header()->resizeSection(17, 44);
        liste.FuelleListe(keine, m_katalog, "1000");
        EXPECT_EQ(liste.header()->sectionSize(17), 99);
        EXPECT_EQ(liste.header()->logicalIndex(1), 31);
        liste.header()->resizeSection(18, 77);
    }
    EXPECT_EQ(LeseProfilText("spaltenbreiten", "Messungsuebersicht_9_0").substr(0, 23),
              "25;116;163;113;73;80;10");
    EXPECT_NE(LeseProfilText("spaltenbreiten", "Messungsuebersicht_9_0").find(";44;"),
              std::string::npos);

    CMessungsListCtrl liste;
    liste.SetzeModus(9, "");
    liste.FuelleListe(keine, m_katalog, "1000");
    EXPECT_EQ(liste.header()->sectionSize(17), 99);
    EXPECT_EQ(liste.header()->sectionSize(18), 77);
    EXPECT_EQ(liste.header()->logicalIndex(1), 31);
    liste.FuelleListe(keine, m_katalog, "");
    EXPECT_EQ(liste.header()->sectionSize(17), 44);

    // Reset touches only the kind shown.
    liste.SetzeSpaltenlayoutZurueck();
    EXPECT_EQ(liste.header()->sectionSize(17), 82);
    liste.FuelleListe(keine, m_katalog, "1000");
    EXPECT_EQ(liste.header()->sectionSize(17), 99);
    liste.SetzeSpaltenlayoutZurueck();
    EXPECT_EQ(liste.header()->sectionSize(17), 55);
    EXPECT_EQ(liste.header()->logicalIndex(1), 1);
}

TEST(ListenNachDateiOeffnen, NichtsVomErstenProjektBleibt)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    auto schreibe = [&](const std::string& name, const std::string& titel,
                        const std::vector<ProtokollVorlage>& vorlagen) {
        MusterProjekt projekt;
        projekt.titel = {"1|" + titel + "|0"};
        for (const ProtokollVorlage& vorlage : vorlagen)
            projekt.protokolle.push_back(*BaueTestprotokoll(vorlage));
        const std::string pfad = NachCp1252(ordner.path()) + "/" + name;
        EXPECT_TRUE(SchreibeProjektDatei(projekt, pfad));
        return pfad;
    };
    const std::string erstes =
        schreibe("a.axo", "Titel von A",
                 {{.id = "A1", .titelId = "1", .messungen = {Messung("1"), Messung("2")}},
                  {.id = "A2", .titelId = "1", .messungen = {Messung("1")}}});
    // The same titel_ID with another text.
    const std::string zweites = schreibe(
        "b.axo", "Titel von B", {{.id = "B1", .titelId = "1", .messungen = {Messung("1")}}});

    const CPruefartKatalog katalog = GeladenerKatalog();
    CProtokolle protokolle;
    CProtokollListCtrl protokollListe;
    protokollListe.InitSpalten(1, "");
    CMessungsListCtrl messungsListe;
    auto fuelle = [&](const std::string& pfad) {
        protokolle.LadeMassnahme(pfad);
        protokollListe.FuelleListe(protokolle, katalog);
        messungsListe.FuelleListe(protokolle, katalog, "");
    };
    fuelle(erstes);
    ASSERT_EQ(protokollListe.HoleModell().rowCount(), 2);
    ASSERT_EQ(messungsListe.HoleModell().rowCount(), 3);
    EXPECT_EQ(Zelle(protokollListe, 0, 2), "Titel von A");

    fuelle(zweites);
    EXPECT_EQ(Zeilen(messungsListe), (std::vector<std::string>{"B1-1"}));
    ASSERT_EQ(protokollListe.HoleModell().rowCount(), 1);
    EXPECT_EQ(protokollListe.HoleInfo(0)->schluessel, "B1");
    EXPECT_EQ(Zelle(protokollListe, 0, 2), "Titel von B");
    EXPECT_EQ(Zelle(messungsListe, 0, 2), "Titel von B");
    EXPECT_EQ(messungsListe.HoleSortierText(0, 2), "TITEL VON B");

    // A project that cannot be read leaves both lists empty.
    fuelle(NachCp1252(ordner.path()) + "/fehlt.axo");
    EXPECT_EQ(protokollListe.HoleModell().rowCount(), 0);
    EXPECT_EQ(messungsListe.HoleModell().rowCount(), 0);
}

TEST_F(Messungsliste, ZeilenfarbenTrennlinienAuswahlUndFiltermarken)
{
    CProtokolle protokolle;
    FuegeProtokolleHinzu(protokolle,
                         {{.id = "P0", .messungen = {Messung("1"), Messung("2"), Messung("3")}}});
    CMessungsListCtrl liste;
    liste.resize(900, 300);
    liste.FuelleListe(protokolle, m_katalog, "");
    liste.show();
    liste.SetzeFiltermarken("||||||1|");
    liste.selectionModel()->select(liste.HoleModell().index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QImage bild = liste.viewport()->grab().toImage();
    auto farbe = [&](int zeile, int spalte, int dx) {
        const QRect zelle = liste.visualRect(liste.HoleModell().index(zeile, spalte));
        return bild.pixelColor(zelle.left() + dx, zelle.center().y()).rgb() & 0xFFFFFF;
    };
    // 0x00BBGGRR: even rows 0x92ECEC, odd rows 0x82DCDC; separators 0x62BCBC at each cell's left.
    EXPECT_EQ(farbe(0, 7, 20), 0xECEC92u);
    EXPECT_EQ(farbe(1, 7, 20), 0xDCDC82u);
    EXPECT_EQ(farbe(0, 7, 0), 0xBCBC62u);
    // A column with a filter is tinted (even 0x3DFFFF, odd 0x2DEFEF), not in a selected row.
    EXPECT_EQ(farbe(0, 6, 20), 0xFFFF3Du);
    EXPECT_EQ(farbe(1, 6, 20), 0xEFEF2Du);
    EXPECT_EQ(farbe(2, 6, 20), 0x0000FFu);
    // Selected rows are blue, with white text.
    EXPECT_EQ(farbe(2, 7, 20), 0x0000FFu);
    // Where there are no rows the list shows its odd-row colour.
    const QRect letzte = liste.visualRect(liste.HoleModell().index(2, 7));
    EXPECT_EQ(bild.pixelColor(letzte.left() + 20, letzte.bottom() + 20).rgb() & 0xFFFFFF,
              0xDCDC82u);
}
