#pragma once
// The dialog "Filter" of one column of the measurement list: two conditions of an operator and a
// text, joined by "und" or "oder", the texts chosen from the column's values or typed.

#include <QDialog>
#include <set>
#include <string>

class QComboBox;
class QLineEdit;
class QRadioButton;

class CFilterSetzenDlg : public QDialog
{
    Q_OBJECT
public:
    // Opens below `punkt` (screen), kept on the screen; the controls show `filter`.
    CFilterSetzenDlg(const std::string& filter, const std::string& spaltenname,
                     const std::set<std::string>& werte, const QPoint& punkt,
                     QWidget* parent = nullptr);

    // The filter text after OK.
    const std::string& HoleFilter() const { return m_filter; }

    QComboBox& HoleOperator(int bedingung) const;
    QComboBox& HoleWert(int bedingung) const;
    QRadioButton& HoleOder() const { return *m_oder; }
    QLineEdit& HoleSpaltenname() const { return *m_spaltenname; }

public slots:
    void accept() override;

private:
    void ErzeugeSteuerelemente(const std::set<std::string>& werte);
    void ZeigeFilter();
    void OeffneBeiPunkt(const QPoint& punkt);

    std::string m_filter;
    QLineEdit* m_spaltenname; // 1038
    QComboBox* m_operator1;   // 1056
    QComboBox* m_wert1;       // 1060
    QRadioButton* m_und;      // 1058
    QRadioButton* m_oder;     // 1059
    QComboBox* m_operator2;   // 1057
    QComboBox* m_wert2;       // 1061
};
