#include "app/versucheview.h"

#include "app/dialogeinheiten.h"
#include "app/mainframe.h"
#include "app/messungsseite.h"
#include "app/protokolldetails.h"
#include "app/protokollliste.h"
#include "app/versucheapp.h"
#include "app/versuchedoc.h"
#include "platform/qtext.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

std::string BildeFenstertitel(const std::string& bezeichnung, const std::string& auftraggeber)
{
    if (bezeichnung.empty())
        return "AXO Reader 4.0";
    return " Protokolle der Maßnahme: " + bezeichnung + ", Auftraggeber: " + auftraggeber;
}

namespace {

QPushButton* Schaltflaeche(QWidget* ansicht, const QString& text)
{
    auto* knopf = new QPushButton(text, ansicht);
    // Buttons of a form take the keyboard focus only by Tab, as dialog buttons do.
    knopf->setAutoDefault(false);
    return knopf;
}

QWidget* VerborgenerRahmen(QWidget* ansicht)
{
    auto* rahmen = new QWidget(ansicht);
    rahmen->hide();
    return rahmen;
}

} // namespace

CVersucheView::CVersucheView(CVersucheDoc& dokument, QWidget* parent)
    : QWidget(parent), m_dokument(dokument)
{
    ErzeugeSteuerelemente();
}

void CVersucheView::ErzeugeSteuerelemente()
{
    const CDialogEinheiten du(font());
    // Never so small that the buttons or the rows of the protocol list go out of view.
    setMinimumSize(du.X(FormBreite), du.Y(MindestHoehe));
    m_band = Platziere(new QWidget(this), du, 0, 0, 519, 25);
    m_notizBeschriftung =
        Platziere(new QLabel(u" interne  Notiz zum    Protokoll"_s, this), du, 3, 3, 64, 19);
    m_notizBeschriftung->setWordWrap(true);
    m_notizFeld = Platziere(new QPlainTextEdit(this), du, 69, 3, 188, 19);
    m_notizFeld->setReadOnly(true);
    m_neu = Platziere(Schaltflaeche(this, u"Neu"_s), du, 259, 3, 64, 19);
    m_drucken = Platziere(Schaltflaeche(this, u"&Drucken"_s), du, 324, 3, 64, 19);
    m_oeffnen = Platziere(Schaltflaeche(this, u"&Öffnen"_s), du, 388, 3, 64, 19);
    m_schliessen = Platziere(Schaltflaeche(this, u"&Schließen"_s), du, 452, 3, 64, 19);

    m_titelBeschriftung = Platziere(new CLabel(u" Titel:"_s, this), du, 7, 99, 64, 10);
    // The table comes first in the form and so lies above the caption label where they meet.
    m_tabelle = Platziere(new CTabellenStatic(this), du, 3, 43, 383, 78);
    m_eckdatenListe = Platziere(new CEckdatenListCtrl(this), du, 389, 43, 126, 78);
    m_titel = Platziere(new CLabel(this), du, 3, 123, 512, 10);
    m_titel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_tabelle->hide();
    m_eckdatenListe->hide();
    m_titelBeschriftung->hide();

    m_tabCtrl = new QTabWidget(this);
    m_rahmenProtokolle = Platziere(VerborgenerRahmen(this), du, 0, 133, 514, 195);
    m_rahmenMessungen = Platziere(VerborgenerRahmen(this), du, 0, 43, 514, 14);

    connect(m_tabCtrl, &QTabWidget::currentChanged, this, [this] { ZeigeSeite(); });
    connect(m_drucken, &QPushButton::clicked, this, [this] {
        // Printing goes the same way as the menu command, after the click has been handled.
        QMetaObject::invokeMethod(this, &CVersucheView::OnFilePrint, Qt::QueuedConnection);
    });
    connect(m_oeffnen, &QPushButton::clicked, this, &CVersucheView::OnFilePrintPreview);
    connect(m_schliessen, &QPushButton::clicked, this, [this] { window()->close(); });
}

void CVersucheView::OnInitialUpdate()
{
    if (m_page1 == nullptr) {
        ErsteAktualisierung();
    } else {
        // The lists' texts come from the protocols, which the load replaces.
        m_page1->HoleListe().HoleModell().Leere();
        m_messungsListe->HoleModell().Leere();
        HoleVersucheApp()->LadeProjekt(m_dokument.GetPathName());
    }

    m_tabCtrl->setCurrentIndex(0);
    ZeigeSeite();
    FuelleListen();
    SetzeFenstertitel();
    SetzeTitelFarben();
    ZeigeProtokollDetails();
}

void CVersucheView::ErsteAktualisierung()
{
    m_neu->setEnabled(false);
    HoleVersucheApp()->m_pMainView = this;
    m_eckdatenListe->setColumnCount(2);
    m_eckdatenListe->setHeaderLabels({u"a"_s, u"b"_s});
    m_eckdatenListe->setColumnWidth(0, 70);
    m_eckdatenListe->setColumnWidth(1, 70);

    // The pages are shown over the tab control, which only draws the tabs and the frame.
    {
        const QSignalBlocker blocker(m_tabCtrl);
        m_tabCtrl->addTab(new QWidget, u"   Protokolle   "_s);
        m_tabCtrl->addTab(new QWidget, u"   Messungen   "_s);
    }
    m_page1 = new CPage1(this);
    m_page3 = new CPage3(HoleVersucheApp()->HolePruefartKatalog(), this);
    m_messungsListe = &m_page3->HoleListe();

    PasseRahmenAn();
    OnSize();
}

void CVersucheView::PasseRahmenAn()
{
    // The frame fits the form, growing as well as shrinking; the form never scrolls.
    const CDialogEinheiten du(font());
    const QSize form(du.X(FormBreite), du.Y(FormHoehe));
    QWidget* rahmen = window();
    if (rahmen == this) {
        resize(form);
        return;
    }
    // Menu bar and status bar keep their room: place the view first, then measure what they take.
    if (rahmen->layout() != nullptr)
        rahmen->layout()->activate();
    rahmen->resize(rahmen->size() - size() + form);
}

void CVersucheView::ZeigeSeite()
{
    switch (m_tabCtrl->currentIndex()) {
    case 0:
        m_page1->show();
        m_page3->hide();
        break;
    case 1:
        m_page1->hide();
        m_page3->show();
        break;
    default:
        break;
    }
    ZeigeSteuerelemente();
    ZeigeProtokollDetails();
    m_tabCtrl->setFocus();
    if (auto* rahmen = qobject_cast<CMainFrame*>(window()))
        rahmen->AktualisiereBefehle();
}

void CVersucheView::ZeigeSteuerelemente()
{
    const bool protokollseite = IstProtokollseiteAktiv();
    const std::array<QWidget*, 4> details = {m_titelBeschriftung, m_titel, m_tabelle,
                                             m_eckdatenListe};
    for (QWidget* element : details)
        element->setVisible(protokollseite);
}

bool CVersucheView::IstProtokollseiteAktiv() const
{
    return m_tabCtrl->currentIndex() == 0;
}

void CVersucheView::ZeigeProtokollDetails()
{
    if (m_page1 == nullptr)
        return;
    const CProtokollListCtrl& liste = m_page1->HoleListe();
    SetzeDetailFarben(liste.HoleModus());
    const QModelIndexList gewaehlt = liste.selectionModel()->selectedRows();
    if (gewaehlt.size() != 1) {
        LeereDetails();
        return;
    }
    const int zeile = gewaehlt.front().row();
    const ITEMINFOS* info = liste.HoleInfo(zeile);
    if (info == nullptr) {
        LeereDetails();
        return;
    }
    const CProtokolle& protokolle = HoleVersucheApp()->HoleProtokolle();
    const std::string titel = liste.HoleModell().HoleText(zeile, 2);
    ZeigeDetails(BildeProtokollDetails(protokolle.FindeProtokoll(info->schluessel), titel,
                                       protokolle.HoleMassnahmeWert("massnahme_protNrPraefix")));
}

void CVersucheView::SetzeDetailFarben(int modus)
{
    m_titel->SetBkColor(modus == 1 ? RGB(0, 0, 128) : RGB(220, 220, 130));
    m_titelBeschriftung->SetBkColor(modus == 1 ? RGB(239, 239, 239) : RGB(204, 204, 114));
    m_titel->update();
    m_titelBeschriftung->update();
    m_eckdatenListe->SetzeHintergrund(modus != 0 ? RGB(220, 220, 130) : RGB(255, 255, 255));
}

void CVersucheView::LeereDetails()
{
    // The note keeps the text of the last single selection.
    for (int zeile = 0; zeile < kDetailZeilen; ++zeile) {
        m_tabelle->SetzeZelle(1, zeile, "");
        m_tabelle->SetzeZelle(3, zeile, "");
    }
    m_eckdatenListe->clear();
    m_tabelle->update();
    m_titel->SetText("");
}

void CVersucheView::ZeigeDetails(const PROTOKOLLDETAILS& details)
{
    m_titel->SetText(details.titel);
    for (int zeile = 0; zeile < kDetailZeilen; ++zeile) {
        m_tabelle->SetzeZelle(1, zeile, details.linkeWerte[zeile]);
        m_tabelle->SetzeZelle(3, zeile, details.rechteWerte[zeile]);
    }
    m_notizFeld->setPlainText(AusCp1252(details.notiz));
    m_tabelle->update();
    m_eckdatenListe->ZeigeEckdaten(details.eckdaten);
}

bool CVersucheView::BearbeiteNachricht(const std::string&)
{
    return true;
}

void CVersucheView::OnSpaltenZuruecksetzen()
{
    switch (m_tabCtrl->currentIndex()) {
    case 0:
        m_page1->OnSpaltenZuruecksetzen();
        break;
    case 1:
        m_page3->OnSpaltenZuruecksetzen();
        break;
    default:
        break;
    }
}

QWidget* CVersucheView::HoleProtokollseite() const
{
    return m_page1;
}

CProtokollListCtrl* CVersucheView::HoleProtokollListe() const
{
    return m_page1 != nullptr ? &m_page1->HoleListe() : nullptr;
}

void CVersucheView::FuelleListen()
{
    const CVersucheApp* app = HoleVersucheApp();
    const std::string praefix = app->HoleProtokolle().HoleMassnahmeWert("massnahme_protNrPraefix");
    CProtokollListCtrl& protokollListe = m_page1->HoleListe();
    protokollListe.InitSpalten(1, praefix);
    m_messungsListe->SetzeModus(2, praefix);
    protokollListe.FuelleListe(app->HoleProtokolle(), app->HolePruefartKatalog());
    // The measurement list shows what its page's test type and filters say, also after File
    // Open; at start that is every type without filters.
    m_page3->AktualisiereListe();
    protokollListe.SortiereNachSpalte(1);
    m_messungsListe->SortiereNachSpalte(1);
}

void CVersucheView::FuelleMessungsListe(const std::string& pruefartId, const MessungsFilter& filter)
{
    const CVersucheApp* app = HoleVersucheApp();
    m_messungsListe->FuelleListe(app->HoleProtokolle(), app->HolePruefartKatalog(), pruefartId,
                                 filter);
}

void CVersucheView::SetzeFenstertitel()
{
    const CProtokolle& protokolle = HoleVersucheApp()->HoleProtokolle();
    const std::string titel =
        BildeFenstertitel(protokolle.HoleMassnahmeWert("massnahme_bezeichnung"),
                          protokolle.HoleMassnahmeWert("massnahme_auftraggeber"));
    window()->setWindowTitle(AusCp1252(titel));
}

void CVersucheView::SetzeTitelFarben()
{
    m_titel->SetTextColor(RGB(255, 255, 192));
    m_titel->SetFontName(u"MS Sans Serif"_s);
    m_titel->SetFontBold(false);
    m_titelBeschriftung->SetTextColor(RGB(0, 0, 0));
}

void CVersucheView::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    OnSize();
}

void CVersucheView::OnSize()
{
    const int breite = width();
    const int unten = height();
    const int b = m_band->geometry().bottom() + 1;
    m_tabCtrl->setGeometry(0, b + 2, breite, unten - b - 4);
    m_tabCtrl->lower();
    m_tabCtrl->show();
    const int t = m_tabCtrl->geometry().bottom() + 1;
    PlatziereSeite(m_rahmenProtokolle, m_page1, t);
    PlatziereSeite(m_rahmenMessungen, m_page3, t);
}

void CVersucheView::PlatziereSeite(QWidget* rahmen, QWidget* seite, int unten)
{
    const int oben = rahmen->geometry().top();
    rahmen->setGeometry(5, oben, width() - 10, unten - oben - 5);
    if (seite != nullptr)
        seite->setGeometry(rahmen->geometry());
}
