#include "app/filtersetzendlg.h"

#include "app/dialogeinheiten.h"
#include "app/spaltenfilter.h"
#include "data/textfunktionen.h"
#include "platform/qtext.h"

#include <QCollator>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBreite = 365;
constexpr int kHoehe = 93;
// The dialog opens this far below the point of the click.
constexpr int kAbstandUnterPunkt = 10;

QComboBox* Operatorliste(QWidget* dialog)
{
    auto* liste = new QComboBox(dialog);
    for (const char* op : kFilteroperatoren)
        liste->addItem(AusCp1252(op));
    return liste;
}

// In the order of a sorted combo box: German collation, letter case ignored.
QStringList SortierteWerte(const std::set<std::string>& werte)
{
    QStringList texte;
    for (const std::string& wert : werte)
        texte.append(AusCp1252(wert));
    QCollator sortierung(QLocale(QLocale::German, QLocale::Germany));
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texte.begin(), texte.end(), sortierung);
    return texte;
}

QComboBox* Werteliste(QWidget* dialog, const std::set<std::string>& werte)
{
    auto* liste = new QComboBox(dialog);
    liste->setEditable(true);
    liste->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: an offered value must not complete it.
    liste->setCompleter(nullptr);
    liste->addItem(QString());
    liste->addItems(SortierteWerte(werte));
    return liste;
}

} // namespace

CFilterSetzenDlg::CFilterSetzenDlg(const std::string& filter, const std::string& spaltenname,
                                   const std::set<std::string>& werte, const QPoint& punkt,
                                   QWidget* parent)
    : QDialog(parent), m_filter(filter)
{
    setWindowTitle(u"Filter"_s);
    ErzeugeSteuerelemente(werte);
    m_spaltenname->setText(AusCp1252(spaltenname));
    ZeigeFilter();
    OeffneBeiPunkt(punkt);
}

void CFilterSetzenDlg::ErzeugeSteuerelemente(const std::set<std::string>& werte)
{
    const CDialogEinheiten du(font());
    setFixedSize(du.X(kBreite), du.Y(kHoehe));
    Platziere(new QLabel(u" Filter für Spalte"_s, this), du, 3, 4, 64, 18);
    m_spaltenname = Platziere(new QLineEdit(this), du, 67, 4, 188, 18);
    m_spaltenname->setReadOnly(true);
    auto* ok = Platziere(new QPushButton(u"OK"_s, this), du, 257, 4, 52, 18);
    ok->setDefault(true);
    auto* abbrechen = Platziere(new QPushButton(u"Abbrechen"_s, this), du, 310, 4, 52, 18);
    Platziere(new QGroupBox(this), du, 3, 23, 358, 67);
    m_operator1 = Platziere(Operatorliste(this), du, 8, 34, 58, 12);
    m_wert1 = Platziere(Werteliste(this, werte), du, 68, 34, 287, 12);
    m_und = Platziere(new QRadioButton(u"und"_s, this), du, 8, 54, 27, 8);
    m_oder = Platziere(new QRadioButton(u"oder"_s, this), du, 39, 54, 31, 8);
    m_operator2 = Platziere(Operatorliste(this), du, 8, 69, 58, 12);
    m_wert2 = Platziere(Werteliste(this, werte), du, 68, 69, 287, 12);

    connect(ok, &QPushButton::clicked, this, &CFilterSetzenDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &CFilterSetzenDlg::reject);
}

void CFilterSetzenDlg::ZeigeFilter()
{
    const auto feld = [this](int n) { return StringHoleFeld(m_filter, '|', n); };
    (feld(0) == "1" ? m_oder : m_und)->setChecked(true);
    m_operator1->setCurrentIndex(std::atoi(feld(1).c_str()));
    m_wert1->setCurrentText(AusCp1252(feld(2)));
    m_operator2->setCurrentIndex(std::atoi(feld(3).c_str()));
    m_wert2->setCurrentText(AusCp1252(feld(4)));
}

void CFilterSetzenDlg::OeffneBeiPunkt(const QPoint& punkt)
{
    const QScreen* bildschirm = QGuiApplication::screenAt(punkt);
    if (bildschirm == nullptr)
        bildschirm = QGuiApplication::primaryScreen();
    QPoint ecke(punkt.x(), punkt.y() + kAbstandUnterPunkt);
    if (bildschirm != nullptr) {
        // Kept on the screen, also near its right and bottom edges.
        const QRect flaeche = bildschirm->geometry();
        ecke.setX(std::max(flaeche.left(), std::min(ecke.x(), flaeche.right() + 1 - width())));
        ecke.setY(std::max(flaeche.top(), std::min(ecke.y(), flaeche.bottom() + 1 - height())));
    }
    move(ecke);
}

QComboBox& CFilterSetzenDlg::HoleOperator(int bedingung) const
{
    return bedingung == 1 ? *m_operator1 : *m_operator2;
}

QComboBox& CFilterSetzenDlg::HoleWert(int bedingung) const
{
    return bedingung == 1 ? *m_wert1 : *m_wert2;
}

void CFilterSetzenDlg::accept()
{
    m_filter = BildeSpaltenfilter(m_oder->isChecked(), m_operator1->currentIndex(),
                                  NachCp1252(m_wert1->currentText()), m_operator2->currentIndex(),
                                  NachCp1252(m_wert2->currentText()));
    QDialog::accept();
}
