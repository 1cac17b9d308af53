// The main window: menus, accelerators, status bar, the front request, and the main view's tabs,
// controls, layout and caption.
#include "app/befehle.h"
#include "app/dialogeinheiten.h"
#include "app/geschwistermeldung.h"
#include "app/label.h"
#include "app/mainframe.h"
#include "app/messungsseite.h"
#include "app/protokollliste.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "app_umgebung.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QMenu* Menue(QMainWindow& fenster, const QString& titel)
{
    for (QAction* eintrag : fenster.menuBar()->actions())
        if (eintrag->text() == titel)
            return eintrag->menu();
    return nullptr;
}

QStringList Eintraege(const QMenu* menue)
{
    QStringList texte;
    for (const QAction* eintrag : menue->actions())
        if (!eintrag->isSeparator())
            texte << eintrag->text();
    return texte;
}

QPushButton* Knopf(QWidget* ansicht, const QString& text)
{
    for (QPushButton* knopf : ansicht->findChildren<QPushButton*>())
        if (knopf->text() == text)
            return knopf;
    return nullptr;
}

} // namespace

class Hauptfenster : public AppUmgebung
{
protected:
    void SetUp() override
    {
        AppUmgebung::SetUp();
        ASSERT_TRUE(m_app.InitInstance({u"axo-reader"_s}));
        m_rahmen = m_app.HoleHauptfenster();
        m_ansicht = m_rahmen->HoleAnsicht();
    }

    CVersucheApp m_app;
    CMainFrame* m_rahmen = nullptr;
    CVersucheView* m_ansicht = nullptr;
};

TEST_F(Hauptfenster, MenusNeverShowTheCommandsTheViewerDoesNotOffer)
{
    QMenu* protokolle = Menue(*m_rahmen, u"&Prüfprotokolle"_s);
    ASSERT_NE(protokolle, nullptr);
    emit protokolle->aboutToShow();
    EXPECT_EQ(Eintraege(protokolle),
              (QStringList{u"Ö&ffnen\tStrg+O"_s, u"Sonstiges"_s, u"&Drucken...\tStrg+P"_s,
                           u"Seitenansicht"_s, u"Drucker&einrichtung..."_s}));
    const QMenu* sonstiges = protokolle->actions().at(1)->menu();
    ASSERT_NE(sonstiges, nullptr);
    EXPECT_EQ(Eintraege(sonstiges), QStringList{u"Protokollnummern merken"_s});
    EXPECT_FALSE(sonstiges->actions().at(0)->isEnabled());

    // Any menu that carries them loses them when it opens, sub-menus included.
    QMenu kontext;
    kontext.addAction(m_rahmen->Aktion(ID_FILE_PRINT));
    QMenu* unter = kontext.addMenu(u"unter"_s);
    unter->addAction(m_rahmen->Aktion(ID_IMPORTIEREN));
    unter->addAction(m_rahmen->Aktion(ID_PROTOKOLL_LOESCHEN));
    m_rahmen->OnInitMenuPopup(&kontext);
    EXPECT_TRUE(unter->actions().isEmpty());
    EXPECT_EQ(kontext.actions().size(), 2);

    const QMenu* ansicht = Menue(*m_rahmen, u"Ansicht"_s);
    ASSERT_NE(ansicht, nullptr);
    EXPECT_EQ(Eintraege(ansicht), QStringList{u"Spaltenanodnung zurücksetzen"_s});
    EXPECT_EQ(m_rahmen->menuBar()->actions().last()->text(), u"    Gehe zu...    "_s);
}

TEST_F(Hauptfenster, NewByKeyboardOnlyWhileTheProtocolsAreShown)
{
    QAction* neu = m_rahmen->Aktion(ID_FILE_NEW);
    EXPECT_EQ(neu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_TRUE(m_rahmen->actions().contains(neu)) << "the accelerator outlives the menu entry";
    EXPECT_TRUE(neu->isEnabled());
    m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    EXPECT_FALSE(neu->isEnabled());
    EXPECT_TRUE(m_rahmen->Aktion(ID_FILE_OPEN)->isEnabled());
    EXPECT_TRUE(m_rahmen->Aktion(ID_FILE_PRINT)->isEnabled());
    m_ansicht->HoleTabCtrl()->setCurrentIndex(0);
    EXPECT_TRUE(neu->isEnabled());
}

TEST_F(Hauptfenster, StatusBarHasAMessagePaneAndThreeIndicators)
{
    QStringList anzeigen;
    for (const QLabel* anzeige : m_rahmen->statusBar()->findChildren<QLabel*>())
        if (!anzeige->text().isEmpty())
            anzeigen << anzeige->text();
    EXPECT_EQ(anzeigen, (QStringList{u"UF"_s, u"NUM"_s, u"RF"_s}));
}

TEST_F(Hauptfenster, FrontRequestWithTheOwnIdentifierRaisesTheWindowAnythingElseDoesNot)
{
    QSignalSpy vorne(m_rahmen, &CMainFrame::nachVorneGeholt);
    const std::string eigene = EigeneKennung();
    EXPECT_EQ(eigene, std::to_string(QCoreApplication::applicationPid()));

    for (const std::string& text :
         {"IN_DEN_VORDERGRUND[" + eigene + "1]", "IN_DEN_VORDERGRUND" + eigene,
          "IN_DEN_VORDERGRUND[" + eigene, " IN_DEN_VORDERGRUND[" + eigene + "]",
          "in_den_vordergrund[" + eigene + "]", "Titel: [" + eigene + "]", std::string()})
        m_rahmen->OnCopyData(text.data(), text.size());
    const std::string abgeschnitten = "IN_DEN_VORDERGRUND[" + eigene + "]";
    m_rahmen->OnCopyData(abgeschnitten.data(), abgeschnitten.size() - 1);
    EXPECT_EQ(vorne.size(), 0);

    const std::string anfrage = "IN_DEN_VORDERGRUND[" + eigene + "] von der Übersicht";
    m_rahmen->OnCopyData(anfrage.c_str(), anfrage.size() + 1);
    EXPECT_EQ(vorne.size(), 1);
}

TEST_F(Hauptfenster, FrontRequestArrivesOnTheUsersOwnSocketNamedAfterTheWindowClass)
{
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));

    const QString name = QString::fromUtf16(CVersucheApp::FensterKlasse);
    EXPECT_EQ(m_app.HoleGeschwisterVerbindung().Name(), LaufzeitOrdner() + u'/' + name);
    QSignalSpy vorne(m_rahmen, &CMainFrame::nachVorneGeholt);
    ASSERT_TRUE(
        SendeKopierdaten(GeschwisterAdresse(name), "IN_DEN_VORDERGRUND[" + EigeneKennung() + "]"));
    ASSERT_TRUE(vorne.wait(2000));
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_rahmen));

    // Another user of the machine has a runtime folder of their own, and with it a viewer of
    // their own beside this one.
    QTemporaryDir andererBenutzer;
    const CVariableAufZeit laufzeit("XDG_RUNTIME_DIR", andererBenutzer.path().toLocal8Bit());
    CGeschwisterVerbindung zweiter;
    EXPECT_TRUE(zweiter.Lausche(GeschwisterAdresse(name)));
    EXPECT_EQ(zweiter.Name(), andererBenutzer.path() + u'/' + name);
}

TEST_F(Hauptfenster, ViewStartsOnTheProtocolsTabWithItsControls)
{
    const CDialogEinheiten du(m_ansicht->font());
    EXPECT_EQ(m_ansicht->size(),
              QSize(du.X(CVersucheView::FormBreite), du.Y(CVersucheView::FormHoehe)))
        << "the frame fits the form";

    const QTabWidget* tabs = m_ansicht->HoleTabCtrl();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), u"   Protokolle   "_s);
    EXPECT_EQ(tabs->tabText(1), u"   Messungen   "_s);
    EXPECT_EQ(tabs->currentIndex(), 0);

    ASSERT_NE(Knopf(m_ansicht, u"Neu"_s), nullptr);
    EXPECT_FALSE(Knopf(m_ansicht, u"Neu"_s)->isEnabled());
    for (const QString& text : {u"&Drucken"_s, u"&Öffnen"_s, u"&Schließen"_s}) {
        ASSERT_NE(Knopf(m_ansicht, text), nullptr) << text.toStdString();
        EXPECT_TRUE(Knopf(m_ansicht, text)->isEnabled());
    }

    auto sichtbareBeschriftung = [this](const QString& text) {
        for (const QLabel* label : m_ansicht->findChildren<QLabel*>())
            if (label->text() == text)
                return label->isVisible();
        return false;
    };
    EXPECT_TRUE(sichtbareBeschriftung(u" Titel:"_s));
    EXPECT_TRUE(sichtbareBeschriftung(u" interne  Notiz zum    Protokoll"_s));
    EXPECT_TRUE(m_ansicht->HoleProtokollseite()->isVisible());
    EXPECT_FALSE(m_ansicht->HoleMessungsseite()->isVisible());

    m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    EXPECT_FALSE(sichtbareBeschriftung(u" Titel:"_s));
    EXPECT_TRUE(sichtbareBeschriftung(u" interne  Notiz zum    Protokoll"_s));
    EXPECT_FALSE(m_ansicht->HoleProtokollseite()->isVisible());
    EXPECT_TRUE(m_ansicht->HoleMessungsseite()->isVisible());
}

TEST_F(Hauptfenster, TabsAndPagesFollowTheSizeOfTheView)
{
    const CDialogEinheiten du(m_ansicht->font());
    m_rahmen->resize(1000, 800);
    const int breite = m_ansicht->width();
    const int hoehe = m_ansicht->height();
    const int bandUnten = du.Y(25);

    EXPECT_EQ(m_ansicht->HoleTabCtrl()->geometry(),
              QRect(0, bandUnten + 2, breite, hoehe - bandUnten - 4));
    const int tabUnten = hoehe - 2;
    EXPECT_EQ(m_ansicht->HoleProtokollseite()->geometry(),
              QRect(5, du.Y(133), breite - 10, tabUnten - du.Y(133) - 5));
    EXPECT_EQ(m_ansicht->HoleMessungsseite()->geometry(),
              QRect(5, du.Y(43), breite - 10, tabUnten - du.Y(43) - 5));
}

TEST_F(Hauptfenster, SmallestWindowKeepsTheButtonsAndTheList)
{
    m_rahmen->resize(200, 150);
    QPushButton* schliessen = Knopf(m_ansicht, u"&Schließen"_s);
    ASSERT_NE(schliessen, nullptr);
    EXPECT_LE(schliessen->geometry().right(), m_ansicht->width() - 1);
    // Some rows of the protocol list remain in view.
    const CProtokollListCtrl* liste = m_ansicht->HoleProtokollListe();
    EXPECT_GE(liste->viewport()->height(), 5 * liste->fontMetrics().height());
}

TEST_F(Hauptfenster, ControlsByFormIdentifierAndWaitingForPendingEvents)
{
    EXPECT_EQ(m_ansicht->HoleSteuerelement(213), m_ansicht->HoleTitel());
    EXPECT_EQ(m_ansicht->HoleSteuerelement(1000), m_ansicht->HoleTabCtrl());
    EXPECT_EQ(m_ansicht->HoleSteuerelement(4711), nullptr);
    m_ansicht->SperreSteuerelement(102);
    m_ansicht->SperreSteuerelement(4711);
    EXPECT_FALSE(Knopf(m_ansicht, u"&Drucken"_s)->isEnabled());
    EXPECT_TRUE(Knopf(m_ansicht, u"&Öffnen"_s)->isEnabled());

    // Waiting work is done, objects due for deletion go.
    bool aufgerufen = false;
    QMetaObject::invokeMethod(
        m_ansicht, [&] { aufgerufen = true; }, Qt::QueuedConnection);
    QPointer<QObject> spaeter = new QObject;
    spaeter->deleteLater();
    EXPECT_TRUE(CVersucheView::VerarbeiteWartendeEreignisse());
    EXPECT_TRUE(aufgerufen);
    EXPECT_TRUE(spaeter.isNull());
    // The end of the program among the waiting events.
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit));
    EXPECT_FALSE(CVersucheView::VerarbeiteWartendeEreignisse());
    EXPECT_TRUE(CVersucheView::VerarbeiteWartendeEreignisse());
}

TEST_F(Hauptfenster, CloseButtonClosesTheWindow)
{
    QTest::mouseClick(Knopf(m_ansicht, u"&Schließen"_s), Qt::LeftButton);
    EXPECT_FALSE(m_rahmen->isVisible());
}

TEST(Fenstertitel, NameDecidesClientFollows)
{
    EXPECT_EQ(BildeFenstertitel("", ""), "AXO Reader 4.0");
    EXPECT_EQ(BildeFenstertitel("", "Stadt Musterstadt"), "AXO Reader 4.0");
    EXPECT_EQ(BildeFenstertitel("B 27 Ortsumgehung", ""),
              " Protokolle der Maßnahme: B 27 Ortsumgehung, Auftraggeber: ");
    EXPECT_EQ(BildeFenstertitel("B 27 Ortsumgehung", "Stadt Musterstadt"),
              " Protokolle der Maßnahme: B 27 Ortsumgehung, Auftraggeber: Stadt Musterstadt");
}

TEST(Dialogeinheiten, CornersAreConvertedSoNeighboursMeet)
{
    const CDialogEinheiten du(6, 13);
    EXPECT_EQ(du.X(4), 6);
    EXPECT_EQ(du.Y(8), 13);
    EXPECT_EQ(du.X(1), 2);
    EXPECT_EQ(du.Y(3), 5);
    const QRect links = du.Rechteck(0, 0, 1, 3);
    const QRect rechts = du.Rechteck(1, 3, 1, 3);
    EXPECT_EQ(links.right() + 1, rechts.left());
    EXPECT_EQ(links.bottom() + 1, rechts.top());
    EXPECT_EQ(du.Rechteck(259, 3, 64, 19), QRect(389, 5, 96, 31));
}
