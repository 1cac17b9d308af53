#pragma once
// The "Messungen" tab's list: one row per measurement of the protocols of one test type, or of
// all, with the common columns and the result columns of the type's list kind.

#include "app/applistctrl.h"

#include <functional>
#include <string>
#include <vector>

class CProtokoll;
class CProtokolle;
class CPruefartKatalog;
struct MESSUNG;

// Whether a measurement of a protocol is listed; an empty filter lists every one.
using MessungsFilter = std::function<bool(const CProtokoll&, const MESSUNG&)>;

// Final row order of rows inserted one after another, each at its position (at most the number
// of rows before it): element r is the insertion number of the row that ends up in row r.
std::vector<int> OrdneEinfuegungen(const std::vector<int>& positionen);

class CMessungsListCtrl : public CAppListCtrl
{
    Q_OBJECT
public:
    explicit CMessungsListCtrl(QWidget* parent = nullptr);

    // List kind from a test-type ID text ("" for all types: kind 0).
    void SetzeArt(const std::string& pruefartId);
    // Number of columns of a list kind (0..11).
    static int HoleSpaltenanzahl(int art);
    int HoleSpaltenanzahl() const { return HoleSpaltenanzahl(m_art); }
    // Catalogue id of column `spalte` of the current kind; an index outside the kind's row reads
    // column 0.
    int HoleSpaltenID(int spalte) const;

    // Stores the layout of the columns shown so far, then builds the columns of the current kind
    // with its stored layout.
    void BaueSpalten();
    // Rebuilds the list for a test-type ID ("" for all types) from the collection.
    void FuelleListe(const CProtokolle& protokolle, const CPruefartKatalog& katalog,
                     const std::string& pruefartId, const MessungsFilter& filter = {});
    // Selects every row; the last one gets the focus.
    void AlleMarkieren();
    // The export of the selected rows (Ctrl+E).
    void ExportiereMessungen();
    // A right click on a column head: the filter of that column, or why it has none.
    void OnKopfRechtsklick(const QPoint& punkt);
    void SetzeSpaltenfilter(int spalte);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // Appends the rows of one protocol and, for each, the list row it is inserted at.
    void FuegeMessungenHinzu(int protokollIndex, const CProtokoll& protokoll,
                             const MessungsFilter& filter, std::vector<LISTENZEILE>& zeilen,
                             std::vector<int>& positionen);
    void HoleZelle(const LISTENZEILE& zeile, int spalte, std::string& text,
                   std::string& sortierText) const override;
    bool IstProtokollspalte(int spalte) const override;
};
