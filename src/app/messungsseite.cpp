#include "app/messungsseite.h"

#include "app/dialogeinheiten.h"
#include "app/filtersetzendlg.h"
#include "app/messungsliste.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "data/pruefartkatalog.h"
#include "platform/qtext.h"

#include <QCursor>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr COLORREF kEintragHintergrund = 0x82DCDC;
// The list begins this many pixels below its anchor.
constexpr int kListenAbstand = 20;
// Pixels between a label and its counter.
constexpr int kZaehlerAbstand = 2;

void ZeichneEintrag(QPainter& maler, const QRect& feld, const QString& text, bool gewaehlt,
                    const QPalette& farben)
{
    maler.save();
    maler.fillRect(feld,
                   gewaehlt ? farben.color(QPalette::Highlight) : AlsQColor(kEintragHintergrund));
    maler.setPen(gewaehlt ? farben.color(QPalette::HighlightedText) : QColor(Qt::black));
    maler.drawText(feld, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    maler.restore();
}

class CSchemeEintragDelegate : public QStyledItemDelegate
{
public:
    CSchemeEintragDelegate(const QPalette& farben, QObject* parent)
        : QStyledItemDelegate(parent), m_farben(farben)
    {
    }

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (index.row() < 0)
            return;
        ZeichneEintrag(*maler, option.rect, index.data().toString(),
                       option.state.testFlag(QStyle::State_Selected), m_farben);
    }

private:
    QPalette m_farben;
};

QLineEdit* Zaehler(QWidget* seite)
{
    auto* feld = new QLineEdit(seite);
    feld->setReadOnly(true);
    feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feld->setFocusPolicy(Qt::ClickFocus);
    return feld;
}

QPushButton* Schaltflaeche(QWidget* seite, const QString& text)
{
    auto* knopf = new QPushButton(text, seite);
    knopf->setAutoDefault(false);
    return knopf;
}

} // namespace

CSchemeComboBox::CSchemeComboBox(QWidget* parent) : QComboBox(parent)
{
    // The colours are the system's at the time the combo is made.
    setItemDelegate(new CSchemeEintragDelegate(palette(), this));
}

void CSchemeComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter maler(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    maler.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect feld =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    ZeichneEintrag(maler, feld, currentText(), hasFocus(), palette());
}

CPage3::CPage3(const CPruefartKatalog& katalog, QWidget* parent) : QWidget(parent)
{
    const CDialogEinheiten du(font());
    m_versuchsart = new CSchemeComboBox(this);
    m_versuchsart->setGeometry(0, 0, du.X(250), m_versuchsart->sizeHint().height());
    m_filterEntfernen =
        Platziere(Schaltflaeche(this, u"alle Filter entfernen"_s), du, 253, 0, 72, 16);
    m_allesMarkieren = Platziere(Schaltflaeche(this, u"Alles markieren"_s), du, 329, 0, 62, 16);
    auto* aufgelistet =
        Platziere(new QLabel(u"Aufgelistete Messungen:"_s, this), du, 395, 1, 78, 8);
    auto* markiert = Platziere(new QLabel(u"Markierte Messungen:"_s, this), du, 395, 13, 71, 8);
    m_zeilenZaehler = Platziere(Zaehler(this), du, 478, 0, 32, 12);
    m_auswahlZaehler = Platziere(Zaehler(this), du, 478, 12, 32, 12);
    RueckeZaehlerHinterBeschriftungen({aufgelistet, markiert});
    m_listenAnker = Platziere(new QWidget(this), du, 55, 5, 43, 10);
    m_listenAnker->hide();
    m_liste = Platziere(new CMessungsListCtrl(this), du, 1, 29, 342, 133);
    m_liste->viewport()->installEventFilter(this);

    FuelleVersuchsarten(katalog);
    AktualisiereZaehler();

    connect(m_versuchsart, &QComboBox::currentIndexChanged, this, &CPage3::AktualisiereListe);
    connect(m_allesMarkieren, &QPushButton::clicked, this, &CPage3::OnAllesMarkieren);
    connect(m_filterEntfernen, &QPushButton::clicked, this, &CPage3::OnAlleFilterEntfernen);
    // The counters follow every change of the rows and of the selection, by mouse or keyboard.
    const CListenModell& modell = m_liste->HoleModell();
    connect(&modell, &QAbstractItemModel::rowsInserted, this, &CPage3::AktualisiereZaehler);
    connect(&modell, &QAbstractItemModel::rowsRemoved, this, &CPage3::AktualisiereZaehler);
    connect(&modell, &QAbstractItemModel::modelReset, this, &CPage3::AktualisiereZaehler);
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CPage3::AktualisiereZaehler);
}

void CPage3::RueckeZaehlerHinterBeschriftungen(const std::array<QLabel*, 2>& beschriftungen)
{
    // A face wider than the dialog's would let the counters cover the end of the labels: the
    // labels take the width their text needs, and the counters move right where necessary.
    int rechts = 0;
    for (QLabel* beschriftung : beschriftungen) {
        beschriftung->resize(std::max(beschriftung->width(), beschriftung->sizeHint().width()),
                             std::max(beschriftung->height(), beschriftung->sizeHint().height()));
        rechts = std::max(rechts, beschriftung->geometry().right() + 1);
    }
    for (QLineEdit* zaehler : {m_zeilenZaehler, m_auswahlZaehler})
        zaehler->move(std::max(zaehler->x(), rechts + kZaehlerAbstand), zaehler->y());
}

void CPage3::FuelleVersuchsarten(const CPruefartKatalog& katalog)
{
    m_versuchsart->addItem(u"Alle Versuchsarten"_s);
    m_pruefartIds.push_back("");
    for (int zeile = 0; zeile < katalog.HoleAnzahl(); ++zeile) {
        m_versuchsart->addItem(
            AusCp1252(katalog.HoleKuerzelVonZeile(zeile) + " " + katalog.HoleTitelVonZeile(zeile)));
        m_pruefartIds.push_back(katalog.HoleIDVonZeile(zeile));
    }
    m_versuchsart->setCurrentIndex(0);
}

void CPage3::AktualisiereListe()
{
    const int eintrag = m_versuchsart->currentIndex();
    CVersucheApp* app = HoleVersucheApp();
    if (eintrag < 0 || eintrag >= static_cast<int>(m_pruefartIds.size()) || app == nullptr ||
        app->m_pMainView == nullptr)
        return;
    app->m_pMainView->FuelleMessungsListe(m_pruefartIds[eintrag],
                                          BaueMessungsFilter(m_filter, app->HoleProtokolle()));
    AktualisiereZaehler();
}

void CPage3::SetzeSpaltenfilter(int spalte)
{
    const CVersucheApp* app = HoleVersucheApp();
    if (!IstFilterbareSpalte(spalte) || app == nullptr)
        return;
    CFilterSetzenDlg dialog(m_filter[spalte], FilterspaltenName(spalte),
                            AngeboteneFilterwerte(spalte, app->HoleProtokolle()), QCursor::pos(),
                            this);
    if (dialog.exec() == QDialog::Accepted)
        UebernimmSpaltenfilter(spalte, dialog.HoleFilter());
}

void CPage3::UebernimmSpaltenfilter(int spalte, const std::string& filter)
{
    if (!IstFilterbareSpalte(spalte))
        return;
    m_filter[spalte] = filter;
    m_liste->SetzeFiltermarken(BildeFiltermarken(m_filter));
    AktualisiereListe();
}

void CPage3::OnAlleFilterEntfernen()
{
    m_filter = {};
    m_liste->SetzeFiltermarken("");
    {
        // One rebuild, not one for the combo and one for the filters.
        const QSignalBlocker blocker(m_versuchsart);
        m_versuchsart->setCurrentIndex(0);
    }
    m_versuchsart->update();
    AktualisiereListe();
}

void CPage3::AktualisiereZaehler()
{
    m_zeilenZaehler->setText(QString::number(m_liste->HoleModell().rowCount()));
    m_auswahlZaehler->setText(
        QString::number(static_cast<int>(m_liste->HoleAusgewaehlteZeilen().size())));
}

void CPage3::OnAllesMarkieren()
{
    m_liste->AlleMarkieren();
    AktualisiereZaehler();
}

void CPage3::OnSpaltenZuruecksetzen()
{
    m_liste->SetzeSpaltenlayoutZurueck();
}

void CPage3::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    PlatziereListe();
}

void CPage3::PlatziereListe()
{
    const int oben = m_listenAnker->y() + m_listenAnker->height() + kListenAbstand;
    m_liste->setGeometry(0, oben, width(), height() - oben);
}

bool CPage3::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // A double click in the list previews the selected measurements.
    if (objekt == m_liste->viewport() && ereignis->type() == QEvent::MouseButtonDblClick) {
        if (CVersucheApp* app = HoleVersucheApp(); app != nullptr && app->m_pMainView != nullptr)
            QMetaObject::invokeMethod(app->m_pMainView, &CVersucheView::OnFilePrintPreview,
                                      Qt::QueuedConnection);
    }
    return QWidget::eventFilter(objekt, ereignis);
}
