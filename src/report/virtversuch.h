#pragma once
// The base of the test types: one protocol of one print job with the project's header texts,
// its page count and the assembly of its pages for the report printer.

#include "data/versuchdata.h"
#include "platform/gdi.h"

#include <string>
#include <vector>

class CDC;
class CProtokollDruck;

// Entry n of the page's header texts as `DruckeKopf` hands them out; a missing entry is an
// invalid argument.
const std::string& KopfdatenEintrag(const std::vector<std::string>& kopfdaten, std::size_t n);

// The project's header texts as every page of a report prints them.
struct KOPFSATZ
{
    std::string Bezeichnung;
    std::string Auftraggeber;
    // Field 1 of the header record text; empty in practice and printed nowhere.
    std::string Leerfeld;
    std::string ProtNrPraefix;
    std::string Fusstext;
};

class CVirtVersuch : public CVersuchData
{
public:
    // A test never prints more pages than this, whatever its protocol states.
    static constexpr int HoechsteSeitenzahl = 99;

    CVirtVersuch(const CVirtVersuch&) = delete;
    CVirtVersuch& operator=(const CVirtVersuch&) = delete;
    virtual ~CVirtVersuch() = default;

    // Prints local page n (from 1).
    virtual void Drucken(int lokaleSeite, CDC* dc, RECT seite) = 0;

    // Reads the protocol's XML; false, with the test unchanged, when it is no protocol.
    bool LeseProtokollXml(const std::string& xml, bool titelBehalten);
    // Header record text "Bezeichnung|Leerfeld|Auftraggeber|ProtNrPraefix" and the footer text.
    void SetzeKopfdaten(const std::string& kopfsatz, const std::string& fusstext);
    // Field 0 of group 3 of the general data text when it is set, else the default; 0 when the
    // field is no number, at most HoechsteSeitenzahl.
    int HoleSeitenzahl() const;

    // The page code of a local page: the test type's code base plus the page. A page above 9
    // would form the code of another test type; it gets the base itself, which selects no body.
    int Seitencode(int lokaleSeite) const;

    // The four texts of a page header.
    std::vector<std::string> Kopfdaten() const;
    std::string Kopffelder() const;
    const std::string& Zusatztext() const { return Kopfsatz.Fusstext; }
    std::string Seitentitel() const;

    std::string Titel;
    std::string Kuerzel;
    std::string PruefartId;
    int Untertyp = 0;
    KOPFSATZ Kopfsatz;
    int Seitenzahl = 1;
    std::string Version;
    std::string Id;
    std::string TitelId;

protected:
    CVirtVersuch(const std::string& kuerzel, const std::string& titel, int seitencodeBasis);

    // The page of a test type whose pages the page dispatcher lays out.
    void DruckeStandardseite(CDC* dc, RECT seite, int seitencode);
    // Sets up the caller's printer and prints the header of a table page; appends the three
    // header texts to `kopfdaten`.
    void DruckeKopf(CDC* dc, RECT seite, int seitencode, CProtokollDruck* drucker,
                    std::vector<std::string>* kopfdaten);

private:
    int m_seitencodeBasis;
};
