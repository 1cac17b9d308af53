#pragma once
// The details of the selected protocol above the tabs: its title in a label, sixteen header values
// in a painted table, the test's key data in a two-column list and its internal note.

#include "app/label.h"
#include "platform/gdi.h"

#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

class CProtokoll;

inline constexpr int kDetailZeilen = 8;

// What the pane shows of one protocol.
struct PROTOKOLLDETAILS
{
    std::string titel;
    std::array<std::string, kDetailZeilen> linkeWerte;  // area .. note
    std::array<std::string, kDetailZeilen> rechteWerte; // protocol number .. editor
    std::string notiz;
    std::vector<std::pair<std::string, std::string>> eckdaten; // name, value
};

// The details of a protocol (null: one the collection no longer holds) shown in the list row
// with the title `listenTitel`; the protocol number carries `praefix` and "-".
PROTOKOLLDETAILS BildeProtokollDetails(const CProtokoll* protokoll, const std::string& listenTitel,
                                       const std::string& praefix);

// Name-value pairs of a key-data block "name_value_name_value..."; the first empty name ends it.
std::vector<std::pair<std::string, std::string>> ZerlegeEckdaten(const std::string& block);

// Sixteen header values in a grid of two halves, each row a grey title and a blue value.
class CTabellenStatic : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Spalten = 4;

    explicit CTabellenStatic(QWidget* parent = nullptr);

    // Columns 0 and 2 hold titles, 1 and 3 values; rows 0..7. Stored without repainting.
    void SetzeZelle(int spalte, int zeile, const std::string& text);
    const std::string& HoleZelle(int spalte, int zeile) const;

    // Left edge, title/value split of the left half, the halves' divider, the split of the right
    // half, right edge.
    static std::array<int, 5> XPositionen(int breite);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void ZeichneZelle(QPainter& maler, const QRect& zelle, int teilung, const std::string& titel,
                      const std::string& wert) const;
    void ZeichneGitter(QPainter& maler, const std::array<int, 5>& x,
                       const std::array<int, kDetailZeilen + 1>& y) const;

    std::array<std::string, Spalten * kDetailZeilen> m_zellen;
};

// The two-column key-data list: black text on its own background, no selection drawn.
class CEckdatenListCtrl : public QTreeWidget
{
    Q_OBJECT
public:
    explicit CEckdatenListCtrl(QWidget* parent = nullptr);

    void SetzeHintergrund(COLORREF farbe);
    COLORREF HoleHintergrund() const { return m_hintergrund; }
    void ZeigeEckdaten(const std::vector<std::pair<std::string, std::string>>& eckdaten);

private:
    COLORREF m_hintergrund = 0xFFFFFF;
};
