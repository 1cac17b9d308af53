#pragma once
// Four dialogs the viewer carries for the programs of its family; no command of the viewer opens
// them. Each exchanges its values with the caller's variables: DoDataExchange(false) shows them,
// DoDataExchange(true) takes them back, which OK does.

#include "app/kopfspalten.h"

#include <QDialog>
#include <array>
#include <string>
#include <vector>

class QDateEdit;
class QLineEdit;
class QTreeWidget;

// " Protokolle schließen" (dialog 144): the protocols opened from the overview, to tick those to
// close. A record is an element whose attributes "protID" and "text1" hold the protocol number
// and the test type.
class CProtokolleSchliessenDlg : public QDialog
{
    Q_OBJECT
public:
    // Column of the list that keeps the whole record.
    static constexpr int SatzSpalte = 5;

    explicit CProtokolleSchliessenDlg(std::vector<std::string>& saetze, QWidget* parent = nullptr);

    // Shows the records unticked; taking back keeps the records of the ticked rows.
    void DoDataExchange(bool zuruecknehmen);
    QTreeWidget& HoleListe() const { return *m_liste; }

public slots:
    void accept() override;

private:
    std::vector<std::string>& m_saetze;
    QTreeWidget* m_liste; // 11300
};

// "Prüfdatum ändern" (dialog 152): a test date of eight digits, year, month, day.
class CPruefdatumAendernDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CPruefdatumAendernDlg(std::string& datum, QWidget* parent = nullptr);

    // A text that is no date shows today's date.
    void DoDataExchange(bool zuruecknehmen);
    QDateEdit& HoleDatumsfeld() const { return *m_datum; }

public slots:
    void accept() override;

private:
    std::string& m_text;
    QDateEdit* m_datum; // 1033
};

// "Testdaten ändern" (dialog 135): one text.
class CTestdatenAendernDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CTestdatenAendernDlg(std::string& text, QWidget* parent = nullptr);

    void DoDataExchange(bool zuruecknehmen);
    QLineEdit& HoleFeld() const { return *m_feld; }

public slots:
    void accept() override;

private:
    std::string& m_text;
    QLineEdit* m_feld; // 1038
};

// "Textfilter" (dialog 141): a filter text under each title and header column of the protocol
// list. OK trims them.
class CTextfilterDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr size_t Anzahl = kKopfspaltenNamen.size();
    using Texte = std::array<std::string, Anzahl>;

    explicit CTextfilterDlg(Texte& texte, QWidget* parent = nullptr);

    void DoDataExchange(bool zuruecknehmen);
    QLineEdit& HoleFeld(size_t spalte) const { return *m_felder.at(spalte); }

public slots:
    void accept() override;

private:
    Texte& m_texte;
    std::array<QLineEdit*, Anzahl> m_felder{};
};
