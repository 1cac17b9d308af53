#pragma once
// The base of the test types: one protocol of one print job with the project's header texts,
// its page count and the assembly of its pages for the report printer.

#include "data/versuchdata.h"
#include "platform/gdi.h"

#include <array>
#include <map>
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

    // A protocol number of at least seven characters ends in the test's code: its last two
    // characters are replaced by it.
    void GleicheProtokollnummerAn();

    // Measurement n of the test (from 0); the lists grow as needed, a negative n is ignored.
    void SetzeMessung(int n, const std::string& station, const std::string& schicht,
                      const std::string& lage);
    void SetzeMesswert(int n, const std::string& schluessel, const std::string& wert);
    // The values of measurement n as "[key|value]" items in key order; "" when it has none.
    std::string HoleMesswerteText(int n) const;
    // A binder test keeps the values it was worked out from as the values of measurement 0:
    // fields 0 to 5 of group 2 of the special data text as "PRNR", "VERDR", "WOPT", "RPR",
    // "WNAT" and "OPT1". Other test types keep nothing.
    void SetzeBindemittelBezugswerte();
    // The protocol's XML with the test's measurements, numbered from 1.
    std::string SchreibeProtokollXml() const;

    // The page of the first report layout: framed areas and the page's identity lines.
    void DruckeAlteSeite(int lokaleSeite, CDC* dc, RECT seite) const;

    // Set by the constructor; nothing reads them.
    std::array<int, 3> Reservewerte = {6000, 2000, 2000};
    std::string Titel;
    std::string Kuerzel;
    std::string PruefartId;
    int Untertyp = 0;
    KOPFSATZ Kopfsatz;
    int Seitenzahl = 1;
    // By measurement index.
    std::vector<std::string> Stationen;
    std::vector<std::string> Schichten;
    std::vector<std::string> Lagen;
    // Nothing writes or reads it.
    std::vector<std::string> Reserveliste;
    std::vector<std::map<std::string, std::string>> Messwerte;
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
