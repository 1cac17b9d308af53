#pragma once
// The page of the "Messungen" tab: the test-type combo above the measurement list, the buttons
// "alle Filter entfernen" and "Alles markieren", the counters of listed and selected rows, and the
// column filters the list is rebuilt with.

#include "app/spaltenfilter.h"

#include <QComboBox>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

class CMessungsListCtrl;
class CPruefartKatalog;
class QLabel;
class QLineEdit;
class QPushButton;

// The test-type combo: entries drawn on the list's yellow, the selected one in the highlight.
class CSchemeComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CSchemeComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

class CPage3 : public QWidget
{
    Q_OBJECT
public:
    // Fills the combo from the catalogue: "Alle Versuchsarten", then one entry per catalogue row.
    CPage3(const CPruefartKatalog& katalog, QWidget* parent = nullptr);

    CMessungsListCtrl& HoleListe() const { return *m_liste; }
    CSchemeComboBox& HoleVersuchsartCombo() const { return *m_versuchsart; }
    // Test-type ID behind each combo entry; "" for all types.
    const std::vector<std::string>& HolePruefartIds() const { return m_pruefartIds; }
    QLineEdit& HoleZeilenZaehler() const { return *m_zeilenZaehler; }
    QLineEdit& HoleAuswahlZaehler() const { return *m_auswahlZaehler; }
    QPushButton& HoleFilterEntfernenKnopf() const { return *m_filterEntfernen; }
    QPushButton& HoleAllesMarkierenKnopf() const { return *m_allesMarkieren; }

    // Rebuilds the list for the chosen test type with the column filters.
    void AktualisiereListe();
    void AktualisiereZaehler();
    void OnAllesMarkieren();
    void OnSpaltenZuruecksetzen();

    // Asks for the filter of a column and rebuilds the list when it is confirmed.
    void SetzeSpaltenfilter(int spalte);
    // Takes a column's filter text, marks the filtered columns and rebuilds the list.
    void UebernimmSpaltenfilter(int spalte, const std::string& filter);
    // No column filtered, all test types listed.
    void OnAlleFilterEntfernen();
    const Filterspalten& HoleFilter() const { return m_filter; }

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void FuelleVersuchsarten(const CPruefartKatalog& katalog);
    void PlatziereListe();
    void RueckeZaehlerHinterBeschriftungen(const std::array<QLabel*, 2>& beschriftungen);

    Filterspalten m_filter;
    CSchemeComboBox* m_versuchsart; // 1051
    CMessungsListCtrl* m_liste;     // 1034
    std::vector<std::string> m_pruefartIds;
    QPushButton* m_filterEntfernen; // 1059
    QPushButton* m_allesMarkieren;  // 1060
    QLineEdit* m_zeilenZaehler;     // 1068
    QLineEdit* m_auswahlZaehler;    // 1069
    QWidget* m_listenAnker;         // 11145: the list starts below it
};
