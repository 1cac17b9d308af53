#pragma once
// The rows behind the protocol list and the measurement list: per row its record and where its
// texts come from, sorted by a column head. Cell texts are made when asked for, so a list of many
// rows holds little more than its records.

#include <QAbstractTableModel>
#include <array>
#include <string>
#include <vector>

inline constexpr int kAnzahlSortierTexte = 40;

// The record of one list row.
struct ITEMINFOS
{
    std::string schluessel; // identifier of the row's protocol
    bool markiert = false;
    bool doppeltMarkiert = false;
    bool mehrereMessungen = false; // measurement rows: the protocol has more than one
    std::string messungsId;        // measurement rows: the running number text
};

struct LISTENZEILE
{
    ITEMINFOS info;
    int protokoll = -1; // the row's protocol: its index in the collection the list was filled from
    int messung = -1;   // measurement rows: the measurement's index in its protocol
};

struct LISTENSPALTE
{
    std::string titel;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
};

// Makes the text shown in a cell and the cell's sort text ("" for a column without one).
class CZellenQuelle
{
public:
    virtual void HoleZelle(const LISTENZEILE& zeile, int spalte, std::string& text,
                           std::string& sortierText) const = 0;
    // Whether the column's cells are the same for all rows of a protocol.
    virtual bool IstProtokollspalte(int spalte) const = 0;

protected:
    ~CZellenQuelle() = default;
};

// The sort parameter of a column head: the column, plus this for descending order.
inline constexpr int kAbsteigend = 100;
// Both lists show the protocol number in this column.
inline constexpr int kProtokollNummerSpalte = 11;

class CListenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Roles beyond Qt's own for the list's drawing.
    enum Rolle
    {
        MehrereMessungenRolle = Qt::UserRole,
        // The image of a marked row: 1, or 2 when marked twice; 0 for a row not marked.
        MarkenbildRolle,
    };

    // `quelle` makes the cells' texts and outlives the model.
    explicit CListenModell(const CZellenQuelle& quelle, QObject* parent = nullptr);
    ~CListenModell() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // New columns; the rows go.
    void SetzeSpalten(std::vector<LISTENSPALTE> spalten);
    // Replaces the rows; the columns and the header's widths and order stay. `reihenfolge` names
    // the row of `zeilen` shown in each row of the list (empty: as they come).
    void SetzeZeilen(std::vector<LISTENZEILE> zeilen, std::vector<int> reihenfolge = {});
    void Leere();

    // Sorts by the sort texts of column `parameter` (ascending), or of `parameter` - 100
    // (descending) from 100 on, without regard to case: the texts compare byte by byte after
    // lower-casing. Rows with equal texts follow the protocol number's sort text, each protocol's
    // rows together by running number, ascending in either direction: a site file reads in the
    // order it was tested.
    void Sortiere(int parameter);

    // Null for a row outside the list.
    const LISTENZEILE* HoleZeile(int zeile) const;
    const LISTENSPALTE& HoleSpalte(int spalte) const { return m_spalten.at(spalte); }
    // Shown text and sort text of a cell; "" outside the list.
    std::string HoleText(int zeile, int spalte) const;
    std::string HoleSortierText(int zeile, int spalte) const;

private:
    // Per row of m_zeilen the rank of its lower-cased sort text among the column's distinct ones.
    struct RANGFOLGE
    {
        std::vector<int> raenge; // empty until first use
        int anzahl = 0;          // distinct texts
    };
    void HoleZelle(int zeile, int spalte, std::string& text, std::string& sortierText) const;
    const RANGFOLGE& HoleRangfolge(int spalte);
    // The elements of m_zeilen in the order rows with equal sort texts take.
    const std::vector<int>& HoleGleichstandsfolge();
    void VerwirfRangfolgen();

    const CZellenQuelle& m_quelle;
    std::vector<LISTENSPALTE> m_spalten;
    std::vector<LISTENZEILE> m_zeilen; // as filled
    std::vector<int> m_reihenfolge;    // list row -> element of m_zeilen
    std::array<RANGFOLGE, kAnzahlSortierTexte> m_rangfolgen;
    std::vector<int> m_gleichstandsfolge; // empty until first use
};
