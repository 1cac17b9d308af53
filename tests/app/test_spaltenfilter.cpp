// Column filters of the measurement list: conditions and their join, the stored filter text,
// the values a column offers and tests, the dialog, and filtering in the running viewer.
#include "app/filtersetzendlg.h"
#include "app/spaltenfilter.h"
#include "viewer_fixtur.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::vector<std::string> Kopf(const std::string& bereich, const std::string& station,
                              const std::string& nummer, const std::string& datum)
{
    return {bereich, station, "", "", "GU", "", "", "", nummer, datum};
}

} // namespace

TEST(Spaltenfilter, BedingungenVergleichenBytes)
{
    EXPECT_TRUE(PruefeFilterbedingung(Enthaelt, "ORD", "NORD"));
    EXPECT_FALSE(PruefeFilterbedingung(Enthaelt, "SÜD", "NORD"));
    EXPECT_TRUE(PruefeFilterbedingung(EnthaeltNicht, "SÜD", "NORD"));
    EXPECT_FALSE(PruefeFilterbedingung(EnthaeltNicht, "ORD", "NORD"));
    // Text order, not numbers: 9 is greater than 10.
    EXPECT_TRUE(PruefeFilterbedingung(Groesser, "10", "9"));
    EXPECT_FALSE(PruefeFilterbedingung(Kleiner, "10", "9"));
    EXPECT_TRUE(PruefeFilterbedingung(GroesserGleich, "10", "10"));
    EXPECT_FALSE(PruefeFilterbedingung(Groesser, "10", "10"));
    EXPECT_TRUE(PruefeFilterbedingung(KleinerGleich, "10", "10"));
    // Bytes above 127 come after the letters.
    EXPECT_TRUE(PruefeFilterbedingung(Groesser, "Z", "Ä"));
    EXPECT_TRUE(PruefeFilterbedingung(Kleiner, "Ä", "Z"));
    // An empty text and an unknown operator let everything through.
    EXPECT_TRUE(PruefeFilterbedingung(EnthaeltNicht, "", "NORD"));
    EXPECT_TRUE(PruefeFilterbedingung(-1, "X", "NORD"));
    EXPECT_TRUE(PruefeFilterbedingung(6, "X", "NORD"));
}

TEST(Spaltenfilter, UndOderUndLeereBedingungen)
{
    EXPECT_TRUE(PasstZuFilter("", "ALLES"));
    // "und": both must hold.
    EXPECT_TRUE(PasstZuFilter("0|0|NO|1|SÜD", "NORD"));
    EXPECT_FALSE(PasstZuFilter("0|0|NO|0|SÜD", "NORD"));
    // "oder": one suffices; only a first field of exactly "1" joins by "oder".
    EXPECT_TRUE(PasstZuFilter("1|0|NO|0|SÜD", "SÜDOST"));
    EXPECT_FALSE(PasstZuFilter("1|0|NO|0|SÜD", "WEST"));
    EXPECT_FALSE(PasstZuFilter("01|0|NO|0|SÜD", "SÜDOST"));
    // An empty condition stays out of the join, so "oder" still filters.
    EXPECT_FALSE(PasstZuFilter("1|0|NO|0|", "WEST"));
    EXPECT_TRUE(PasstZuFilter("1|0|NO|0|", "NORD"));
    EXPECT_FALSE(PasstZuFilter("1|0||0|NO", "WEST"));
    EXPECT_FALSE(PasstZuFilter("0|0|NO|0|", "WEST"));
}

TEST(Spaltenfilter, FiltertextAusDenEingaben)
{
    EXPECT_EQ(BildeSpaltenfilter(true, 2, "  nord ", 0, ""), "1|2|NORD|0|");
    EXPECT_EQ(BildeSpaltenfilter(false, 0, "", 5, "straße\t"), "0|0||5|STRAßE");
    EXPECT_EQ(BildeSpaltenfilter(false, 1, "äö", -1, "x"), "0|1|ÄÖ|-1|X");
    // Only blanks: no filter at all.
    EXPECT_EQ(BildeSpaltenfilter(true, 3, "   ", 4, ""), "");
    // A typed separator would break the filter's fields; it is stored as values store it.
    const std::string filter = BildeSpaltenfilter(false, 0, "a|b", 0, "c");
    EXPECT_EQ(filter, "0|0|A#B|0|C");
    EXPECT_TRUE(PasstZuFilter(filter, "XA#BC"));
    EXPECT_FALSE(PasstZuFilter(filter, "XA#B"));

    Filterspalten spalten{};
    EXPECT_EQ(BildeFiltermarken(spalten), std::string(19, '|'));
    spalten[2] = "0|0|A|0|";
    spalten[18] = "0|0|B|0|";
    EXPECT_EQ(BildeFiltermarken(spalten), "||1||||||||||||||||1|");
}

TEST(Spaltenfilter, WerteDerSpaltenUndAngeboteneWerte)
{
    CProtokolle protokolle;
    protokolle.FuegeTitelHinzu("1|Erdbau|0");
    protokolle.FuegeTitelHinzu("2|Nord|1|1");
    FuegeProtokolleHinzu(
        protokolle,
        {{.id = "A",
          .titelId = "2",
          .kopffelder = Kopf("Nord", "0+100", "12", "20260418"),
          .messungen = {Messung("1", "0+110"), Messung("2", "0+120"), Messung("3", "0+110")}},
         {.id = "B", .titelId = "1", .kopffelder = Kopf("Süd", "0+200", "13", "20260419")},
         {.id = "C", .titelId = "1", .kopffelder = Kopf("", "", "", "")}});
    const CProtokoll& a = *protokolle.FindeProtokoll("A");
    MESSUNG messung;
    a.GetMessung(1, messung);
    EXPECT_EQ(Filterwert(2, a, messung, protokolle), protokolle.BildeTitelPfad("2"));
    EXPECT_EQ(Filterwert(3, a, messung, protokolle), "Nord");
    EXPECT_EQ(Filterwert(4, a, messung, protokolle), "0+120");
    // Protocol number without prefix, date as stored.
    EXPECT_EQ(Filterwert(11, a, messung, protokolle), "12");
    EXPECT_EQ(Filterwert(12, a, messung, protokolle), "20260418");

    EXPECT_EQ(AngeboteneFilterwerte(3, protokolle), (std::set<std::string>{"Nord", "Süd"}));
    // Stations as the filter tests them: the measurements' own, once each.
    EXPECT_EQ(AngeboteneFilterwerte(4, protokolle), (std::set<std::string>{"0+110", "0+120"}));
    EXPECT_EQ(AngeboteneFilterwerte(2, protokolle).size(), 2u);
    EXPECT_TRUE(AngeboteneFilterwerte(1, protokolle).empty());

    Filterspalten filter{};
    EXPECT_FALSE(BaueMessungsFilter(filter, protokolle));
    filter[4] = "0|0|0+11|0|";
    filter[3] = "0|0|NORD|0|";
    const MessungsFilter passt = BaueMessungsFilter(filter, protokolle);
    ASSERT_TRUE(passt);
    a.GetMessung(0, messung);
    EXPECT_TRUE(passt(a, messung));
    a.GetMessung(1, messung);
    EXPECT_FALSE(passt(a, messung));
    EXPECT_FALSE(passt(*protokolle.FindeProtokoll("B"), Messung("1", "0+110")));
}

// Each filterable column filters by its own value. Protocol p holds "p<column>p" in every
// column, whether title, measurement or header field: a filter on W's value hides V's row.
TEST(Spaltenfilter, JedeFilterbareSpalteFiltert)
{
    const auto wert = [](const std::string& p, int spalte) {
        return p + std::to_string(spalte) + p;
    };
    const auto vorlage = [&wert](const std::string& p, const std::string& titelId) {
        ProtokollVorlage vorlage{.id = p, .titelId = titelId};
        for (int spalte = 3; spalte <= 16; ++spalte)
            vorlage.kopffelder.push_back(wert(p, spalte));
        MESSUNG messung = Messung("1", wert(p, 4));
        messung.schicht = wert(p, 5);
        messung.lage = wert(p, 6);
        vorlage.messungen = {messung};
        return vorlage;
    };
    CProtokolle protokolle;
    protokolle.FuegeTitelHinzu("1|W2W|0");
    protokolle.FuegeTitelHinzu("2|V2V|0");
    FuegeProtokolleHinzu(protokolle, {vorlage("W", "1"), vorlage("V", "2")});
    const CProtokoll& w = *protokolle.FindeProtokoll("W");
    const CProtokoll& v = *protokolle.FindeProtokoll("V");
    MESSUNG messungW, messungV;
    w.GetMessung(0, messungW);
    v.GetMessung(0, messungV);

    // Every filterable column, "Titel" to "Bearbeiter".
    ASSERT_EQ(FilterspaltenName(16), "Bearbeiter");
    for (int spalte = 2; spalte <= 16; ++spalte) {
        Filterspalten filter{};
        filter[spalte] = BildeSpaltenfilter(false, Enthaelt, wert("w", spalte), 0, "");
        const MessungsFilter passt = BaueMessungsFilter(filter, protokolle);
        ASSERT_TRUE(passt) << spalte;
        EXPECT_TRUE(passt(w, messungW)) << spalte;
        EXPECT_FALSE(passt(v, messungV)) << "column " << spalte << " hides nothing";
    }
}

TEST(Spaltenfilter, DialogZeigtUndBildetDenFilter)
{
    CFilterSetzenDlg dialog("1|2|NORD|9|", "Bereich/Bauabschnitt", {"Nord", "Süd"}, QPoint(0, 0));
    EXPECT_EQ(dialog.windowTitle(), u"Filter");
    EXPECT_EQ(dialog.HoleSpaltenname().text(), u"Bereich/Bauabschnitt");
    EXPECT_TRUE(dialog.HoleOder().isChecked());
    EXPECT_EQ(dialog.HoleOperator(1).currentIndex(), 2);
    EXPECT_EQ(dialog.HoleOperator(1).itemText(1), u"enthält nicht");
    EXPECT_EQ(dialog.HoleOperator(2).currentIndex(), -1);
    EXPECT_EQ(dialog.HoleWert(1).currentText(), u"NORD");
    ASSERT_EQ(dialog.HoleWert(2).count(), 3);
    EXPECT_EQ(dialog.HoleWert(2).itemText(0), u"");
    EXPECT_EQ(dialog.HoleWert(2).itemText(2), u"Süd");

    dialog.HoleOperator(2).setCurrentIndex(EnthaeltNicht);
    dialog.HoleWert(2).setCurrentIndex(2);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.HoleFilter(), "1|2|NORD|1|SÜD");

    CFilterSetzenDlg leer("", "Titel", {}, QPoint(0, 0));
    EXPECT_FALSE(leer.HoleOder().isChecked());
    EXPECT_EQ(leer.HoleOperator(1).currentIndex(), 0);
    leer.HoleWert(1).setCurrentText(u"  "_s);
    leer.accept();
    EXPECT_EQ(leer.HoleFilter(), "");

    // Opened below the click and kept on the screen.
    const QRect flaeche = QGuiApplication::primaryScreen()->geometry();
    CFilterSetzenDlg links("", "", {}, flaeche.topLeft() + QPoint(5, 5));
    EXPECT_EQ(links.pos(), flaeche.topLeft() + QPoint(5, 15));
    CFilterSetzenDlg rand("", "", {}, flaeche.bottomRight());
    EXPECT_EQ(rand.frameGeometry().right(), flaeche.right());
    EXPECT_LE(rand.frameGeometry().bottom(), flaeche.bottom());
}

TEST(Spaltenfilter, WertfeldErgaenztNichtUndSortiertWieEineSortierteCombo)
{
    CFilterSetzenDlg dialog("", "Station/Profil",
                            {"0+050,74", "Zement", "ärger", "Apfel", "bohrung", "Öl"},
                            QPoint(0, 0));
    QComboBox& wert = dialog.HoleWert(1);
    QStringList angeboten;
    for (int i = 1; i < wert.count(); ++i)
        angeboten.append(wert.itemText(i));
    EXPECT_EQ(angeboten, QStringList({u"0+050,74"_s, u"Apfel"_s, u"ärger"_s, u"bohrung"_s, u"Öl"_s,
                                      u"Zement"_s}));

    // Typed text stays as typed, even where an offered value begins with it.
    dialog.show();
    wert.setFocus();
    QTest::keyClicks(&wert, u"0+050"_s);
    EXPECT_EQ(wert.currentText(), u"0+050"_s);
    dialog.accept();
    EXPECT_EQ(dialog.HoleFilter(), "0|0|0+050|0|");
}

namespace {

class FilterImViewer : public ViewerUmgebung
{
protected:
    void SetUp() override
    {
        ViewerUmgebung::SetUp();
        Starte(
            SchreibeProjekt("filter.axo", {{.id = "A",
                                            .titelId = "1",
                                            .pruefartId = "1001",
                                            .kopffelder = Kopf("Nord", "0+100", "1", "20260418"),
                                            .messungen = {Messung("1", "9"), Messung("2", "10")}},
                                           {.id = "B",
                                            .titelId = "1",
                                            .pruefartId = "1000",
                                            .kopffelder = Kopf("Süd", "0+200", "2", "20260419"),
                                            .messungen = {Messung("1", "11")}}}));
        m_meldungen.clear();
        m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
        m_app->HoleHauptfenster()->show();
    }

    // Right click on the head of a column, answering a filter dialog with `wert` in condition 1
    // (empty: cancel).
    void KlickeKopf(int spalte, const QString& wert = {}, int op = Enthaelt)
    {
        m_dialogSpalte.clear();
        QTimer::singleShot(0, &m_kontext, [this, wert, op] {
            auto* dialog = OffenesFenster<CFilterSetzenDlg>();
            if (dialog == nullptr)
                return;
            m_dialogSpalte = dialog->HoleSpaltenname().text();
            m_angeboten = dialog->HoleWert(1).count() - 1;
            if (wert.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->HoleOperator(1).setCurrentIndex(op);
            dialog->HoleWert(1).setCurrentText(wert);
            dialog->accept();
        });
        QHeaderView* kopf = Messungen().header();
        const QPoint punkt(kopf->sectionViewportPosition(spalte) + 1, kopf->height() / 2);
        QContextMenuEvent klick(QContextMenuEvent::Mouse, punkt, kopf->mapToGlobal(punkt));
        QApplication::sendEvent(kopf->viewport(), &klick);
    }

    std::vector<std::string> Stationen() const
    {
        std::vector<std::string> stationen = Spalte(Messungen(), 4);
        std::sort(stationen.begin(), stationen.end());
        return stationen;
    }

    QString m_dialogSpalte;
    int m_angeboten = 0;
    // Answers not yet given go with the test.
    QObject m_kontext;
};

} // namespace

TEST_F(FilterImViewer, SpaltenOhneFilterMeldenSich)
{
    Messungen().header()->resizeSection(0, 25);
    KlickeKopf(0);
    KlickeKopf(1);
    KlickeKopf(17);
    KlickeKopf(20);
    const auto warnung = [](const char* text) {
        return Meldung{text, "Filter setzen", MeldungsArt::Warnung};
    };
    const Meldung nochKeinFilter =
        warnung("Für diese Spalte kann (noch) kein Filter gesetzt werden");
    // Columns 17 and 18 show a test type's results, which no filter reads.
    EXPECT_EQ(m_meldungen,
              (std::vector{warnung("Für diese Spalte kann kein Filter gesetzt werden!"),
                           warnung("Für diese Spalte kann kein Filter gesetzt werden.\nWählen Sie "
                                   "stattdessen bitte eine Prüfart in der Combobox "
                                   "\"Versuchsart\" aus!"),
                           nochKeinFilter, nochKeinFilter}));
    EXPECT_TRUE(m_dialogSpalte.isEmpty());
    EXPECT_EQ(Messungsseite().HoleFilter(), Filterspalten{});
}

TEST_F(FilterImViewer, FilterSetzenBehaltenUndEntfernen)
{
    // Station is the measurement's own: "größer 10" keeps 9 and 11 but not 10.
    KlickeKopf(4, u"10"_s, Groesser);
    EXPECT_EQ(m_dialogSpalte, u"Station/Profil");
    EXPECT_EQ(m_angeboten, 3);
    EXPECT_EQ(Stationen(), (std::vector<std::string>{"11", "9"}));
    EXPECT_EQ(Messungsseite().HoleFilter()[4], "0|2|10|0|");
    EXPECT_TRUE(Messungen().HatFiltermarke(4));
    EXPECT_FALSE(Messungen().HatFiltermarke(3));
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("2"), std::string("0")));

    // A second column narrows further; lower case typed, upper case compared.
    KlickeKopf(3, u"nord"_s);
    EXPECT_EQ(m_angeboten, 2);
    EXPECT_EQ(Stationen(), (std::vector<std::string>{"9"}));

    // Cancel keeps the filter.
    KlickeKopf(3);
    EXPECT_EQ(m_dialogSpalte, u"Bereich/Bauabschnitt");
    EXPECT_EQ(Messungsseite().HoleFilter()[3], "0|0|NORD|0|");

    // The filters stay with a change of the test type.
    const int kv = 1;
    ASSERT_EQ(Messungsseite().HolePruefartIds()[kv], "1000");
    Messungsseite().HoleVersuchsartCombo().setCurrentIndex(kv);
    EXPECT_TRUE(Stationen().empty());
    EXPECT_EQ(Messungen().HoleArt(), 7);

    Messungsseite().HoleFilterEntfernenKnopf().click();
    EXPECT_EQ(Messungsseite().HoleFilter(), Filterspalten{});
    EXPECT_FALSE(Messungen().HatFiltermarke(3));
    EXPECT_FALSE(Messungen().HatFiltermarke(4));
    EXPECT_EQ(Messungsseite().HoleVersuchsartCombo().currentIndex(), 0);
    EXPECT_EQ(Messungen().HoleArt(), 0);
    EXPECT_EQ(Stationen(), (std::vector<std::string>{"10", "11", "9"}));
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("3"), std::string("0")));
}

TEST_F(FilterImViewer, DateiOeffnenZeigtWasVersuchsartUndFilterSagen)
{
    KlickeKopf(3, u"nord"_s);
    Messungsseite().HoleVersuchsartCombo().setCurrentIndex(2);
    ASSERT_EQ(Messungsseite().HolePruefartIds()[2], "1001");

    m_app->OeffneDokument(
        SchreibeProjekt("zweites.axo", {{.id = "N",
                                         .titelId = "1",
                                         .pruefartId = "1001",
                                         .kopffelder = Kopf("Nordost", "", "", ""),
                                         .messungen = {Messung("1", "5")}},
                                        {.id = "S",
                                         .titelId = "1",
                                         .pruefartId = "1001",
                                         .kopffelder = Kopf("Süd", "", "", ""),
                                         .messungen = {Messung("1", "6")}},
                                        {.id = "K",
                                         .titelId = "1",
                                         .pruefartId = "1000",
                                         .kopffelder = Kopf("Nord", "", "", ""),
                                         .messungen = {Messung("1", "7")}}}));
    EXPECT_EQ(Zeilen(Messungen()), std::vector<std::string>{"N-1"});
    EXPECT_EQ(Messungen().HoleArt(), 1);
    EXPECT_TRUE(Messungen().HatFiltermarke(3));
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("1"), std::string("0")));
}
