// The measurements page: the test-type combo, "Alles markieren", the two counters and the
// placement of the list.
#include "viewer_fixtur.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MessungsseiteImViewer : public ViewerUmgebung
{
protected:
    void SetUp() override
    {
        ViewerUmgebung::SetUp();
        Starte(SchreibeProjekt(
            "projekt.axo",
            {{.id = "K1",
              .titelId = "1",
              .pruefartId = "1000",
              .messungen = {Messung("1"), Messung("2")}},
             {.id = "P1", .titelId = "1", .pruefartId = "1001", .messungen = {Messung("1")}},
             {.id = "K2", .titelId = "1", .pruefartId = "1000", .messungen = {Messung("1")}},
             {.id = "W1", .titelId = "1", .pruefartId = "1017", .messungen = {Messung("1")}},
             {.id = "W2", .titelId = "1", .pruefartId = "1017", .messungen = {Messung("1")}}}));
        m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    }

    // The combo entry whose text starts with `anfang`; -1 when none does.
    int Eintrag(const QString& anfang, int ab = 0) const
    {
        const QComboBox& combo = Messungsseite().HoleVersuchsartCombo();
        for (int i = ab; i < combo.count(); ++i) {
            if (combo.itemText(i).startsWith(anfang))
                return i;
        }
        return -1;
    }

    std::vector<std::string> SortierteSchluessel() const
    {
        std::vector<std::string> schluessel;
        for (int zeile = 0; zeile < Messungen().HoleModell().rowCount(); ++zeile)
            schluessel.push_back(Messungen().HoleInfo(zeile)->schluessel);
        std::sort(schluessel.begin(), schluessel.end());
        return schluessel;
    }
};

} // namespace

TEST_F(MessungsseiteImViewer, ComboBietetAlleVersuchsartenUndJedeKatalogzeile)
{
    const QComboBox& combo = Messungsseite().HoleVersuchsartCombo();
    const std::vector<std::string>& ids = Messungsseite().HolePruefartIds();
    ASSERT_EQ(combo.count(), 23);
    ASSERT_EQ(ids.size(), 23u);
    EXPECT_EQ(combo.itemText(0), u"Alle Versuchsarten");
    EXPECT_EQ(ids[0], "");
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(combo.itemText(1), u"KV Bestimmung der Korngrößenverteilung");
    EXPECT_EQ(ids[1], "1000");
    // The two sub-types of 1017 and of 1018 are two entries each with the same ID.
    EXPECT_EQ(std::count(ids.begin(), ids.end(), "1017"), 2);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), "1018"), 2);
    EXPECT_EQ(ids.back(), "1020");
}

TEST_F(MessungsseiteImViewer, VersuchsartWaehlenBautDieListeNeuUndZaehlt)
{
    CMessungsListCtrl& liste = Messungen();
    QAbstractItemModelTester pruefer(&liste.HoleModell(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    // The view's own fill lists every type; the counters show it from the start.
    EXPECT_EQ(liste.HoleModell().rowCount(), 6);
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("6"), std::string("0")));

    Messungsseite().HoleVersuchsartCombo().setCurrentIndex(Eintrag(u"KV "_s));
    EXPECT_EQ(liste.HoleArt(), 7);
    EXPECT_EQ(liste.HoleModell().columnCount(), 32);
    EXPECT_EQ(liste.HoleLayoutEintrag(), "Messungsuebersicht_2_7");
    EXPECT_EQ(SortierteSchluessel(), (std::vector<std::string>{"K1", "K1", "K2"}));
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("3"), std::string("0")));

    // Either entry of 1017 lists both sub-types.
    const int ersteWd = Eintrag(u"WD "_s);
    const int zweiteWd = Eintrag(u"WD "_s, ersteWd + 1);
    ASSERT_GT(zweiteWd, ersteWd);
    for (int eintrag : {ersteWd, zweiteWd}) {
        Messungsseite().HoleVersuchsartCombo().setCurrentIndex(eintrag);
        EXPECT_EQ(SortierteSchluessel(), (std::vector<std::string>{"W1", "W2"})) << eintrag;
    }

    Messungsseite().HoleVersuchsartCombo().setCurrentIndex(0);
    EXPECT_EQ(liste.HoleArt(), 0);
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("6"), std::string("0")));
}

TEST_F(MessungsseiteImViewer, AllesMarkierenUndZaehlerFolgenDerAuswahl)
{
    CMessungsListCtrl& liste = Messungen();
    Messungsseite().HoleAllesMarkierenKnopf().click();
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("6"), std::string("6")));
    EXPECT_EQ(liste.currentIndex().row(), 5);

    // A keyboard step selects one row; the counter follows it.
    liste.setFocus();
    QKeyEvent hoch(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&liste, &hoch);
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("6"), std::string("1")));

    // A type without protocols: an empty list, and "Alles markieren" leaves both counters at 0.
    Messungsseite().HoleVersuchsartCombo().setCurrentIndex(Eintrag(u"AN "_s));
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("0"), std::string("0")));
    Messungsseite().OnAllesMarkieren();
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("0"), std::string("0")));

    // File Open lists the new project at once, for the type chosen.
    Messungsseite().HoleVersuchsartCombo().setCurrentIndex(0);
    m_app->OeffneDokument(SchreibeProjekt(
        "klein.axo", {{.id = "Z", .titelId = "1", .messungen = {Messung("1"), Messung("2")}}}));
    EXPECT_EQ(Zaehler(), std::make_pair(std::string("2"), std::string("0")));
}

TEST_F(MessungsseiteImViewer, ListeFuelltDieSeiteUnterDemAnker)
{
    CPage3& seite = Messungsseite();
    ASSERT_TRUE(seite.isVisible());
    const QRect liste = Messungen().geometry();
    EXPECT_EQ(liste.left(), 0);
    EXPECT_EQ(liste.width(), seite.width());
    EXPECT_EQ(liste.bottom(), seite.height() - 1);
    // Below the combo and the buttons.
    EXPECT_GT(liste.top(), seite.HoleVersuchsartCombo().geometry().bottom());
    EXPECT_GT(liste.top(), seite.HoleAllesMarkierenKnopf().geometry().bottom());

    seite.resize(seite.width() + 40, seite.height() + 30);
    EXPECT_EQ(Messungen().geometry(), QRect(liste.topLeft(), liste.size() + QSize(40, 30)));
}

TEST_F(MessungsseiteImViewer, ZaehlerVerdeckenIhreBeschriftungenNicht)
{
    const CPage3& seite = Messungsseite();
    for (const QString& text : {u"Aufgelistete Messungen:"_s, u"Markierte Messungen:"_s}) {
        const QLabel* beschriftung = nullptr;
        for (const QLabel* kandidat : seite.findChildren<QLabel*>())
            beschriftung = kandidat->text() == text ? kandidat : beschriftung;
        ASSERT_NE(beschriftung, nullptr);
        EXPECT_GE(beschriftung->width(), beschriftung->sizeHint().width());
        for (const QLineEdit* zaehler : {&seite.HoleZeilenZaehler(), &seite.HoleAuswahlZaehler()})
            EXPECT_GT(zaehler->x(), beschriftung->geometry().right());
    }
    // The counters stay on the page.
    EXPECT_LE(seite.HoleZeilenZaehler().geometry().right(), seite.width());
}

TEST_F(MessungsseiteImViewer, DoppelklickOeffnetDieVorschauDerMessungen)
{
    m_meldungen.clear();
    CMessungsListCtrl& liste = Messungen();
    const QPoint punkt(5, liste.viewport()->height() - 5);
    QMouseEvent doppelklick(QEvent::MouseButtonDblClick, punkt,
                            liste.viewport()->mapToGlobal(punkt), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(liste.viewport(), &doppelklick);
    QApplication::processEvents();
    // Nothing selected: the preview stops at its check of the measurements' selection.
    ASSERT_EQ(m_meldungen.size(), 1u);
    EXPECT_EQ(m_meldungen[0].text, "Die zu druckenden Messungen müssen vorher ausgewählt werden!");
}
