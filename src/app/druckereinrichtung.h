#pragma once
// The printer set-up: which printer, which paper, which orientation the next jobs start from.

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QPrinter;

class CDruckereinrichtungDlg : public QDialog
{
    Q_OBJECT
public:
    CDruckereinrichtungDlg(QPrinter& drucker, QWidget* parent = nullptr);

    QComboBox& Druckerauswahl() const { return *m_drucker; }
    QComboBox& Papierauswahl() const { return *m_papier; }
    // 0 portrait, 1 landscape.
    QButtonGroup& Ausrichtung() const { return *m_ausrichtung; }

    // Takes the choices over into the printer.
    void accept() override;

private:
    void FuellePapiergroessen();

    QPrinter& m_ziel;
    QComboBox* m_drucker;
    QComboBox* m_papier;
    QButtonGroup* m_ausrichtung;
};
