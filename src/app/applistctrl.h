#pragma once
// The two report lists share this chain: CPersListCtrl keeps a list's column widths and column
// order in the application profile; CAppListCtrl adds the rows, whose cells each list makes from
// the protocols when they are shown or sorted, sorting by a click on a column head, and the
// owner-drawn look of the rows.

#include "app/bildliste.h"
#include "app/listenmodell.h"
#include "platform/gdi.h"

#include <QStyledItemDelegate>
#include <QTreeView>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CProtokoll;
class CProtokolle;
class CPruefartKatalog;

class CPersListCtrl : public QTreeView
{
    Q_OBJECT
public:
    explicit CPersListCtrl(QWidget* parent = nullptr);
    // Stores the layout: the list's window goes with the program's end.
    ~CPersListCtrl() override;

    // Remembers where the layout lives and applies the stored one; `vorgabeBreiten` ("25;116;...")
    // serves when the profile has none.
    void SetzeSpaltenlayout(const std::string& abschnitt, const std::string& eintrag,
                            const std::string& vorgabeBreiten);
    // Back to the default widths in creation order, in the profile too.
    void SetzeSpaltenlayoutZurueck();
    // Writes the current widths and order, as long as a layout has been set.
    void SpeichereSpaltenlayout() const;

    const std::string& HoleLayoutEintrag() const { return m_eintrag; }

private:
    void WendeSpaltenlayoutAn();

    std::string m_abschnitt;
    std::string m_eintrag;
    std::string m_vorgabeBreiten;
};

// Colours of a list's rows (0x00BBGGRR) and how its cells are laid out.
struct LISTENAUSSEHEN
{
    COLORREF ungeradeZeile;
    COLORREF geradeZeile;
    COLORREF trennlinie;
    int rechterTextabstand;      // the text keeps this many pixels from the cell's right edge
    bool mehrereMessungenMarke;  // "M" in column 0 of a row whose protocol has several
    bool trennlinienUnterZeilen; // separators run on below the last row
    int markenHoehe;             // the marker of a marked row lies this far below the row's top
};

class CAppListCtrl : public CPersListCtrl, protected CZellenQuelle
{
    Q_OBJECT
public:
    CAppListCtrl(const LISTENAUSSEHEN& aussehen, QWidget* parent = nullptr);

    // Mode (1 protocol list, 2 measurement list) and the protocol-number prefix.
    void SetzeModus(int modus, const std::string& praefix);
    // One field per column, separated by "|": "1" marks a column with a filter.
    void SetzeFiltermarken(const std::string& marken);
    bool HatFiltermarke(int spalte) const;

    int HoleModus() const { return m_modus; }
    const std::string& HolePraefix() const { return m_praefix; }
    int HoleArt() const { return m_art; }

    CListenModell& HoleModell() const { return *m_modell; }
    const CBildliste& HoleBildliste() const { return m_bildliste; }
    // Null for a row outside the list.
    const ITEMINFOS* HoleInfo(int zeile) const;
    // The sort text of a cell; "" for a column without one and outside the list.
    std::string HoleSortierText(int zeile, int spalte) const;
    // The selected rows, top to bottom: those whose every cell is selected.
    std::vector<int> HoleAusgewaehlteZeilen() const;
    // The records of the selected rows, top to bottom.
    std::vector<const ITEMINFOS*> HoleAusgewaehlteInfos() const;

    // Sort parameter: column (ascending) or column + 100 (descending).
    void SortiereNachSpalte(int parameter);
    // A click on a column head: the list's one direction flips, descending first.
    void OnColumnclick(int spalte);

protected:
    // The cells of the test-type and title columns, the same for all rows of a protocol.
    struct PROTOKOLLZELLEN
    {
        std::string pruefart;
        std::string pruefartSortierText;
        std::string titel;
        std::string titelSortierText;
    };

    void paintEvent(QPaintEvent* ereignis) override;

    // Catalogue name of the protocol's test type, chosen in `auswahl` once per type and fill; null
    // for a type the catalogue does not hold.
    const std::string* HolePruefartName(CPruefartKatalog& auswahl, const CProtokoll& protokoll);
    // A fill starts afresh from `protokolle`, which the rows' texts are made from until the next
    // fill; no title of an earlier project remains.
    void BeginneFuellung(const CProtokolle& protokolle);
    // The row's protocol; null when the collection no longer holds it.
    const CProtokoll* HoleProtokoll(const LISTENZEILE& zeile) const;
    // Test-type or title cell (column id 1 or 2) of a row.
    void HoleProtokollzelle(const LISTENZEILE& zeile, int id, std::string& text,
                            std::string& sortierText) const;

    int m_modus = 0;
    std::string m_praefix;
    std::string m_filtermarken;
    int m_art = 0;
    // One per protocol of the collection, made by the fill.
    std::vector<PROTOKOLLZELLEN> m_protokollzellen;

private:
    void ZeichneTrennlinienUnterZeilen();

    LISTENAUSSEHEN m_aussehen;
    CBildliste m_bildliste;
    CListenModell* m_modell;
    std::map<std::pair<std::string, int>, std::optional<std::string>> m_pruefartNamen;
    const CProtokolle* m_protokolle = nullptr;
    int m_sortierRichtung = 0;
};

// Draws one cell of a report list as the list's look says.
class CListenDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    CListenDelegate(CAppListCtrl& liste, const LISTENAUSSEHEN& aussehen);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const CAppListCtrl& m_liste;
    LISTENAUSSEHEN m_aussehen;
};
