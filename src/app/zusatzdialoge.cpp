#include "app/zusatzdialoge.h"

#include "data/markup.h"
#include "data/textfunktionen.h"
#include "platform/qtext.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// "OK" and "Abbrechen" at the foot of a dialog.
QHBoxLayout* Schaltflaechen(QDialog* dialog)
{
    auto* reihe = new QHBoxLayout;
    reihe->addStretch();
    auto* ok = new QPushButton(u"OK"_s, dialog);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(u"Abbrechen"_s, dialog);
    reihe->addWidget(ok);
    reihe->addWidget(abbrechen);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    return reihe;
}

std::string SatzAttribut(const std::string& satz, std::string_view name)
{
    CMarkup xml;
    if (!xml.SetzeDokument(satz) || !xml.FindeElement())
        return {};
    return xml.HoleAttribut(name);
}

} // namespace

CProtokolleSchliessenDlg::CProtokolleSchliessenDlg(std::vector<std::string>& saetze,
                                                   QWidget* parent)
    : QDialog(parent), m_saetze(saetze), m_liste(new QTreeWidget(this))
{
    setWindowTitle(u" Protokolle schließen"_s);
    m_liste->setColumnCount(SatzSpalte + 1);
    m_liste->setHeaderLabels({u"Protokollnummer"_s, u"Versuchart"_s});
    m_liste->setRootIsDecorated(false);
    m_liste->setColumnWidth(0, 120);
    m_liste->setColumnWidth(1, 300);
    for (int spalte = 2; spalte <= SatzSpalte; ++spalte)
        m_liste->setColumnHidden(spalte, true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_liste);
    layout->addLayout(Schaltflaechen(this));
    resize(460, 280);
    DoDataExchange(false);
}

void CProtokolleSchliessenDlg::DoDataExchange(bool zuruecknehmen)
{
    if (!zuruecknehmen) {
        m_liste->clear();
        for (const std::string& satz : m_saetze) {
            auto* zeile = new QTreeWidgetItem(m_liste);
            zeile->setText(0, AusCp1252(SatzAttribut(satz, "protID")));
            zeile->setText(1, AusCp1252(SatzAttribut(satz, "text1")));
            zeile->setText(SatzSpalte, AusCp1252(satz));
            zeile->setCheckState(0, Qt::Unchecked);
        }
        return;
    }
    std::vector<std::string> angehakt;
    for (int i = 0; i < m_liste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* zeile = m_liste->topLevelItem(i);
        if (zeile->checkState(0) == Qt::Checked)
            angehakt.push_back(NachCp1252(zeile->text(SatzSpalte)));
    }
    m_saetze = std::move(angehakt);
}

void CProtokolleSchliessenDlg::accept()
{
    DoDataExchange(true);
    QDialog::accept();
}

CPruefdatumAendernDlg::CPruefdatumAendernDlg(std::string& datum, QWidget* parent)
    : QDialog(parent), m_text(datum), m_datum(new QDateEdit(this))
{
    setWindowTitle(u"Prüfdatum ändern"_s);
    m_datum->setCalendarPopup(true);
    m_datum->setDisplayFormat(u"dd.MM.yyyy"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_datum);
    layout->addLayout(Schaltflaechen(this));
    DoDataExchange(false);
}

void CPruefdatumAendernDlg::DoDataExchange(bool zuruecknehmen)
{
    if (zuruecknehmen) {
        m_text = NachCp1252(m_datum->date().toString(u"yyyyMMdd"_s));
        return;
    }
    const QDate datum =
        m_text.size() == 8 ? QDate::fromString(AusCp1252(m_text), u"yyyyMMdd"_s) : QDate();
    m_datum->setDate(datum.isValid() ? datum : QDate::currentDate());
}

void CPruefdatumAendernDlg::accept()
{
    DoDataExchange(true);
    QDialog::accept();
}

CTestdatenAendernDlg::CTestdatenAendernDlg(std::string& text, QWidget* parent)
    : QDialog(parent), m_text(text), m_feld(new QLineEdit(this))
{
    setWindowTitle(u"Testdaten ändern"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_feld);
    layout->addLayout(Schaltflaechen(this));
    DoDataExchange(false);
}

void CTestdatenAendernDlg::DoDataExchange(bool zuruecknehmen)
{
    if (zuruecknehmen)
        m_text = NachCp1252(m_feld->text());
    else
        m_feld->setText(AusCp1252(m_text));
}

void CTestdatenAendernDlg::accept()
{
    DoDataExchange(true);
    QDialog::accept();
}

CTextfilterDlg::CTextfilterDlg(Texte& texte, QWidget* parent) : QDialog(parent), m_texte(texte)
{
    setWindowTitle(u"Textfilter"_s);
    auto* raster = new QGridLayout;
    // Two columns of title and field, one below the other in each.
    constexpr size_t proSpalte = (Anzahl + 1) / 2;
    for (size_t i = 0; i < Anzahl; ++i) {
        const int zeile = static_cast<int>(i % proSpalte) * 2;
        const int spalte = static_cast<int>(i / proSpalte);
        raster->addWidget(new QLabel(AusCp1252(kKopfspaltenNamen[i]), this), zeile, spalte);
        m_felder[i] = new QLineEdit(this);
        raster->addWidget(m_felder[i], zeile + 1, spalte);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(raster);
    layout->addWidget(
        new QLabel(u"Anm: Zwischen  Groß-/Kleinschreibung wird nicht unterschieden"_s, this));
    layout->addLayout(Schaltflaechen(this));
    DoDataExchange(false);
}

void CTextfilterDlg::DoDataExchange(bool zuruecknehmen)
{
    for (size_t i = 0; i < Anzahl; ++i) {
        if (zuruecknehmen)
            m_texte[i] = NachCp1252(m_felder[i]->text());
        else
            m_felder[i]->setText(AusCp1252(m_texte[i]));
    }
}

void CTextfilterDlg::accept()
{
    DoDataExchange(true);
    for (std::string& text : m_texte)
        text = StringGetrimmt(text);
    QDialog::accept();
}
