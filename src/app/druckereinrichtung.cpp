#include "app/druckereinrichtung.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Offered when the chosen printer names none of its own (or there is no printer, only files).
constexpr QPageSize::PageSizeId kUeblichePapiere[] = {QPageSize::A3, QPageSize::A4, QPageSize::A5,
                                                      QPageSize::Letter, QPageSize::Legal};

} // namespace

CDruckereinrichtungDlg::CDruckereinrichtungDlg(QPrinter& drucker, QWidget* parent)
    : QDialog(parent), m_ziel(drucker), m_drucker(new QComboBox(this)),
      m_papier(new QComboBox(this)), m_ausrichtung(new QButtonGroup(this))
{
    setWindowTitle(u"Druckereinrichtung"_s);

    m_drucker->addItems(QPrinterInfo::availablePrinterNames());
    const QString aktuell = drucker.outputFormat() == QPrinter::NativeFormat
                                ? drucker.printerName()
                                : QPrinterInfo::defaultPrinterName();
    m_drucker->setCurrentIndex(std::max(0, m_drucker->findText(aktuell)));
    m_drucker->setEnabled(m_drucker->count() > 0);
    FuellePapiergroessen();
    connect(m_drucker, &QComboBox::currentTextChanged, this,
            &CDruckereinrichtungDlg::FuellePapiergroessen);

    auto* hoch = new QRadioButton(u"&Hochformat"_s, this);
    auto* quer = new QRadioButton(u"&Querformat"_s, this);
    m_ausrichtung->addButton(hoch, QPageLayout::Portrait);
    m_ausrichtung->addButton(quer, QPageLayout::Landscape);
    (drucker.pageLayout().orientation() == QPageLayout::Landscape ? quer : hoch)->setChecked(true);

    auto* druckerGruppe = new QGroupBox(u"Drucker"_s, this);
    (new QFormLayout(druckerGruppe))->addRow(u"&Name:"_s, m_drucker);
    auto* papierGruppe = new QGroupBox(u"Papier"_s, this);
    (new QFormLayout(papierGruppe))->addRow(u"&Größe:"_s, m_papier);
    auto* ausrichtungGruppe = new QGroupBox(u"Orientierung"_s, this);
    auto* knoepfe = new QVBoxLayout(ausrichtungGruppe);
    knoepfe->addWidget(hoch);
    knoepfe->addWidget(quer);

    auto* schluss = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(schluss, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(schluss, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* unten = new QHBoxLayout;
    unten->addWidget(papierGruppe, 1);
    unten->addWidget(ausrichtungGruppe);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->addWidget(druckerGruppe);
    anordnung->addLayout(unten);
    anordnung->addWidget(schluss);
}

void CDruckereinrichtungDlg::FuellePapiergroessen()
{
    const QPageSize::PageSizeId gewaehlt =
        m_papier->count() > 0 ? QPageSize::PageSizeId(m_papier->currentData().toInt())
                              : m_ziel.pageLayout().pageSize().id();
    QList<QPageSize> groessen =
        QPrinterInfo::printerInfo(m_drucker->currentText()).supportedPageSizes();
    if (groessen.isEmpty())
        for (QPageSize::PageSizeId id : kUeblichePapiere)
            groessen.append(QPageSize(id));
    m_papier->clear();
    for (const QPageSize& groesse : groessen)
        m_papier->addItem(groesse.name(), int(groesse.id()));
    m_papier->setCurrentIndex(std::max(0, m_papier->findData(int(gewaehlt))));
}

void CDruckereinrichtungDlg::accept()
{
    // Choosing a printer also ends printing into a file.
    if (m_drucker->count() > 0)
        m_ziel.setPrinterName(m_drucker->currentText());
    m_ziel.setPageSize(QPageSize(QPageSize::PageSizeId(m_papier->currentData().toInt())));
    m_ziel.setPageOrientation(QPageLayout::Orientation(m_ausrichtung->checkedId()));
    QDialog::accept();
}
