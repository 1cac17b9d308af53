#pragma once
// The rows behind the protocol list and the measurement list: per row its record of sort texts
// and the texts shown in its columns, sorted by a column head.

#include <QAbstractTableModel>
#include <array>
#include <string>
#include <vector>

inline constexpr int kAnzahlSortierTexte = 40;

// The record of one list row.
struct ITEMINFOS
{
    std::string schluessel; // identifier of the row's protocol
    std::array<std::string, kAnzahlSortierTexte> sortierTexte;
    bool markiert = false;
    bool doppeltMarkiert = false;
    bool mehrereMessungen = false; // measurement rows: the protocol has more than one
    std::string messungsId;        // measurement rows: the running number text
};

struct LISTENZEILE
{
    ITEMINFOS info;
    std::vector<std::string> texte; // one per column
};

struct LISTENSPALTE
{
    std::string titel;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
};

// The sort parameter of a column head: the column, plus this for descending order.
inline constexpr int kAbsteigend = 100;

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

    explicit CListenModell(QObject* parent = nullptr);
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
    // lower-casing. Rows with equal texts keep their order.
    void Sortiere(int parameter);

    // Null for a row outside the list.
    const LISTENZEILE* HoleZeile(int zeile) const;
    const LISTENSPALTE& HoleSpalte(int spalte) const { return m_spalten.at(spalte); }

private:
    // The sort texts of one column, lower-cased, one after another in the order of m_zeilen.
    struct SORTIERBLOCK
    {
        std::string texte;
        std::vector<size_t> anfang; // one per row and one past the end; empty until first use
    };
    const SORTIERBLOCK& HoleSortierblock(int spalte);
    void VerwirfSortierbloecke();

    std::vector<LISTENSPALTE> m_spalten;
    std::vector<LISTENZEILE> m_zeilen; // as filled
    std::vector<int> m_reihenfolge;    // list row -> element of m_zeilen
    std::array<SORTIERBLOCK, kAnzahlSortierTexte> m_sortierbloecke;
};
