#pragma once
// The summary table "Zusammenstellung der Prüfergebnisse": one row per selected measurement on
// landscape pages, a title band on every page, the company logo on the first, and a column-head
// block before each run of rows of one measurement-list kind.
//
// A print job fills the rows (Leere, SetzeBaustelle, SetzeProtNrPraefix, FuegeZeileHinzu per
// measurement), paginates once on the job's device context (Paginiere, which also fits the cell
// texts into their columns) and prints each page from 1 to the page count (DruckeSeite). Text
// measures alike on every device context, so any one will do for the pagination.
//
// Lengths are logical units (0.01 mm, y upward); every position is derived from the left and the
// bottom edge of the page rectangle.

#include "data/protokoll.h"
#include "data/zusammenstellungsspalten.h"
#include "platform/gdi.h"

#include <array>
#include <string>
#include <vector>

class CDC;

class CZusammenstellungDruck
{
public:
    static constexpr int kAnzahlSpalten = 25;
    static constexpr int kTabellenbreite = 27500;
    static constexpr int kBudgetErsteSeite = 13500;
    static constexpr int kBudgetFolgeseite = 15300;
    static constexpr int kKopfblockHoehe = 1600;
    static constexpr int kTitelHoehe = 1300;
    static constexpr int kErsteSeiteKopfHoehe = 1800;
    // Added to every measured row height: the 80 above the text and the same below it.
    static constexpr int kZeilenZugabe = 160;
    // Measurement-list kinds whose result columns are joined or shifted.
    static constexpr int kArtProctor = 1;
    static constexpr int kArtBindemittel = 2;
    static constexpr int kArtFilter = 6;
    static constexpr int kArtNotiz = 11;

    CZusammenstellungDruck();

    // Rows.
    void Leere();
    void SetzeBaustelle(const std::string& text) { m_baustelle = text; }
    void SetzeProtNrPraefix(const std::string& text) { m_protNrPraefix = text; }
    // `zeilentext` holds 25 fields, each followed by "|": protocol number, test date YYYYMMDD,
    // area, station, layer, position, soil type, origin and condition, sub-type code and the
    // fifteen result values of the measurement-list kind.
    void FuegeZeileHinzu(const std::string& zeilentext, const CProtokoll& protokoll);

    // Measures and fits every row on the device context and assigns the rows to pages; the page
    // count, 0 without rows or device context.
    int Paginiere(CDC* dc);
    // Page `seite` (from 1) of the last pagination; rows added since are not printed.
    void DruckeSeite(int seite, CDC* dc, RECT seitenRechteck);

    int Seitenzahl() const { return m_seitenzahl; }
    int AnzahlZeilen() const { return static_cast<int>(m_zeilentexte.size()); }
    const std::string& Zeilentext(int zeile) const { return m_zeilentexte.at(zeile); }
    int Zeilenhoehe(int zeile) const { return m_zeilenhoehen.at(zeile); }
    int Zeilenseite(int zeile) const { return m_zeilenseiten.at(zeile); }

    // Column geometry and drawing of the head block and of one row.
    int SpaltenX(int grenze) const;
    void DruckeSpaltenkoepfe(const Spaltentextzeile& worte, CDC& dc, RECT rechteck) const;
    // `art` is the measurement-list kind of the row's protocol.
    void ZeichneZeile(int zeile, int art, CDC& dc, RECT rechteck) const;
    void ZeichneZeilenzellen(int zeile, int art, CDC& dc, RECT rechteck) const;
    void ZeichneKopfzellentext(CDC& dc, RECT rechteck, const std::string& text,
                               bool auszeichnung) const;
    void ZeichneTextImRechteck(CDC& dc, RECT rechteck, const std::string& text) const;

    // Fitting cell texts into their columns by breaking after hyphens, before known word parts
    // and, as a last resort, between characters. Texts are measured in the normal font the
    // caller has selected (BerechneZeilenhoehe selects it).
    int BerechneZeilenhoehe(CDC& dc, std::string& zeilentext, int art);
    void PasseZellentextEin(CDC& dc, int breite, std::string& text) const;
    void PasseWortEin(CDC& dc, int breite, const std::string& wort,
                      std::vector<std::string>& teile) const;
    void TrenneKompositum(CDC& dc, int breite, std::string& wort) const;
    void TrenneWortNachZeichen(CDC& dc, int breite, std::string& wort) const;
    bool TextPasst(CDC& dc, int breite, const std::string& text) const;

    const CFont& NormaleSchrift() const { return m_normal; }
    const CFont& FetteSchrift() const { return m_fett; }
    const CFont& TitelSchrift() const { return m_titel; }
    const CFont& SymbolSchrift() const { return m_symbol; }
    const CPen& DuennerStift() const { return m_duenn; }
    const CPen& MittlererStift() const { return m_mittel; }
    const CPen& DickerStift() const { return m_dick; }

private:
    void DruckeKopfErsteSeite(CDC& dc, RECT band) const;
    void DruckeTitel(int seite, CDC& dc, RECT band) const;
    // The head block's top, its three quarter lines and its bottom.
    using Kopfhoehen = std::array<int, 5>;
    void ZeichneKopfLinien(int art, CDC& dc, const Kopfhoehen& y) const;
    void ZeichneKopfTexte(int art, const Spaltentextzeile& worte, CDC& dc,
                          const Kopfhoehen& y) const;
    void ZeichneZellenlinien(int art, CDC& dc, int oben, int unten) const;
    void TrenneKompositum(CDC& dc, int breite, std::string& wort, int tiefe) const;

    CFont m_normal;
    CFont m_fett;
    CFont m_titel;
    CFont m_symbol;
    CPen m_duenn;
    CPen m_mittel;
    CPen m_dick;

    // Parallel, in the order of addition.
    std::vector<int>
        m_arten; // measurement-list kind of each row's protocol, all that is read of it
    std::vector<std::string> m_zeilentexte;
    std::vector<int> m_zeilenhoehen; // without head block; -1 until paginated
    std::vector<int> m_zeilenseiten; // from 1; -1 until paginated

    std::string m_baustelle;
    std::string m_protNrPraefix;
    int m_seitenzahl = 0;
    int m_linkerRand = 0; // x of column boundary 0
};
