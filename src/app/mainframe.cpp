#include "app/mainframe.h"

#include "app/befehle.h"
#include "app/geschwistermeldung.h"
#include "app/versucheview.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// Commands the viewer keeps but does not offer in its menus.
constexpr int EntfernteBefehle[] = {ID_FILE_NEW, ID_PROTOKOLL_LOESCHEN, ID_ZUORDNUNG_AENDERN,
                                    ID_IMPORTIEREN};

// Commands that only make sense while the protocols are shown.
constexpr int ProtokollseitenBefehle[] = {ID_FILE_NEW, ID_PROTOKOLL_LOESCHEN, ID_ZUORDNUNG_AENDERN};

void EntferneBefehl(QMenu* menue, int befehl)
{
    for (QAction* aktion : menue->actions()) {
        if (aktion->menu())
            EntferneBefehl(aktion->menu(), befehl);
        else if (aktion->data().toInt() == befehl)
            menue->removeAction(aktion);
    }
}

} // namespace

CMainFrame::CMainFrame(CVersucheDoc& dokument, QWidget* parent)
    : QMainWindow(parent), m_ansicht(new CVersucheView(dokument, this))
{
    // The caption is the application title until the view shows the project in it.
    setWindowTitle(u"AXO Protokollübersicht"_s);
    ErzeugeMenues();
    ErzeugeStatusleiste();
    setCentralWidget(m_ansicht);
    VerbindeAnsichtsBefehle();
}

QAction* CMainFrame::NeueAktion(int befehl, const QString& text, const QKeySequence& taste)
{
    auto* aktion = new QAction(text, this);
    aktion->setData(befehl);
    if (!taste.isEmpty()) {
        aktion->setShortcut(taste);
        // Accelerators work also for commands that no menu shows.
        addAction(aktion);
    }
    m_aktionen[befehl] = aktion;
    return aktion;
}

void CMainFrame::ErzeugeMenues()
{
    QMenu* protokolle = menuBar()->addMenu(u"&Prüfprotokolle"_s);
    protokolle->addAction(
        NeueAktion(ID_FILE_NEW, u"&Neu\tStrg+N"_s, QKeySequence(Qt::CTRL | Qt::Key_N)));
    protokolle->addAction(
        NeueAktion(ID_FILE_OPEN, u"Ö&ffnen\tStrg+O"_s, QKeySequence(Qt::CTRL | Qt::Key_O)));
    protokolle->addAction(NeueAktion(ID_PROTOKOLL_LOESCHEN, u"Löschen"_s));
    protokolle->addAction(NeueAktion(ID_ZUORDNUNG_AENDERN, u"Zuordnung ändern"_s));
    QMenu* sonstiges = protokolle->addMenu(u"Sonstiges"_s);
    sonstiges->addAction(NeueAktion(ID_PROTOKOLLNUMMERN_MERKEN, u"Protokollnummern merken"_s));
    protokolle->addSeparator();
    protokolle->addAction(NeueAktion(ID_IMPORTIEREN, u"&Importieren"_s));
    protokolle->addSeparator();
    protokolle->addAction(
        NeueAktion(ID_FILE_PRINT, u"&Drucken...\tStrg+P"_s, QKeySequence(Qt::CTRL | Qt::Key_P)));
    protokolle->addAction(NeueAktion(ID_FILE_PRINT_PREVIEW, u"Seitenansicht"_s));
    protokolle->addAction(NeueAktion(ID_FILE_PRINT_SETUP, u"Drucker&einrichtung..."_s));

    QMenu* ansicht = menuBar()->addMenu(u"Ansicht"_s);
    ansicht->addAction(NeueAktion(ID_SPALTEN_ZURUECKSETZEN, u"Spaltenanodnung zurücksetzen"_s));

    // A command of the menu bar itself; it leads nowhere.
    menuBar()->addAction(NeueAktion(ID_GEHE_ZU, u"    Gehe zu...    "_s));

    for (QMenu* menue : {protokolle, sonstiges, ansicht})
        connect(menue, &QMenu::aboutToShow, this, [this, menue] { OnInitMenuPopup(menue); });
}

void CMainFrame::ErzeugeStatusleiste()
{
    // A message pane and the indicators of caps lock, num lock and scroll lock. Qt cannot read
    // the state of these keys, so the indicators are shown greyed.
    for (const QString& text : {u"UF"_s, u"NUM"_s, u"RF"_s}) {
        auto* anzeige = new QLabel(text, statusBar());
        anzeige->setEnabled(false);
        anzeige->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(anzeige);
    }
}

void CMainFrame::VerbindeAnsichtsBefehle()
{
    connect(Aktion(ID_FILE_PRINT), &QAction::triggered, m_ansicht, &CVersucheView::OnFilePrint);
    connect(Aktion(ID_FILE_PRINT_PREVIEW), &QAction::triggered, m_ansicht,
            &CVersucheView::OnFilePrintPreview);
    connect(Aktion(ID_SPALTEN_ZURUECKSETZEN), &QAction::triggered, m_ansicht,
            &CVersucheView::OnSpaltenZuruecksetzen);
}

QAction* CMainFrame::Aktion(int befehl) const
{
    const auto eintrag = m_aktionen.find(befehl);
    return eintrag == m_aktionen.end() ? nullptr : eintrag->second;
}

void CMainFrame::OnInitMenuPopup(QMenu* menue)
{
    AktualisiereBefehle();
    for (int befehl : EntfernteBefehle)
        EntferneBefehl(menue, befehl);
}

void CMainFrame::AktualisiereBefehle()
{
    const bool protokollseite = m_ansicht->IstProtokollseiteAktiv();
    for (int befehl : ProtokollseitenBefehle)
        Aktion(befehl)->setEnabled(protokollseite);
    // No handler: the command is greyed whenever a menu shows it.
    Aktion(ID_PROTOKOLLNUMMERN_MERKEN)->setEnabled(false);
}

void CMainFrame::OnCopyData(const char* daten, std::size_t laenge)
{
    const std::string text = LeseKopierdatenText(daten, laenge);
    if (IstVordergrundNachricht(text)) {
        if (IstVordergrundAnfrageAn(text, EigeneKennung()))
            BringeNachVorne();
        return;
    }
    m_ansicht->BearbeiteNachricht(text);
}

void CMainFrame::BringeNachVorne()
{
    raise();
    activateWindow();
    emit nachVorneGeholt();
}

void CMainFrame::changeEvent(QEvent* ereignis)
{
    QMainWindow::changeEvent(ereignis);
    // Coming back to the window repaints the whole view.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow())
        m_ansicht->update();
}
