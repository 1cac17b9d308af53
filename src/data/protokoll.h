#pragma once
// One test protocol of a project with its measurements, and its XML form:
//
//   <protokoll version=".." ID=".." titel_ID=".." pruefart_ID=".." pruefart_VER="n"
//              pruefunterartKuerzel="..">
//     <daten><daten_allgemein>..</daten_allgemein><daten_speziell>..</daten_speziell>
//       <daten_messungen><messung lfdNr=".." station=".." schicht=".." lage="..">..</messung>
//       </daten_messungen></daten>
//   </protokoll>
//
// It also gives the cells of the measurement list and the caption row of the summary table.

#include "data/versuchdata.h"
#include "data/zusammenstellungsspalten.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CMarkup;

// One measurement, as a protocol hands it out. Its data text is a row of items "[key|value]".
struct MESSUNG
{
    std::string lfdNr;
    int lfdNrWert = 0; // value of lfdNr; 0 when it does not start with a number
    std::string station;
    std::string schicht;
    std::string lage;
    std::string daten;
};

class CProtokoll : public CVersuchData
{
public:
    CProtokoll() = default;
    CProtokoll(const CProtokoll&) = default;
    // Copies everything but the changed flag, which stays the target's own.
    CProtokoll& operator=(const CProtokoll& quelle);

    // A new protocol of the current format; always true.
    bool Initialisiere(const std::string& id, const std::string& titel_ID,
                       const std::string& pruefart_ID);

    std::string GetVersion() const { return m_version; }
    std::string GetID() const { return m_id; }
    std::string GetTitelID() const { return m_titelId; }
    std::string GetPruefartID() const { return m_pruefartId; }
    int GetPruefart() const { return m_pruefart; }
    int GetPruefartVER() const { return m_pruefartVer; }
    std::string GetPruefunterartKuerzel() const { return m_pruefunterartKuerzel; }
    // Measurement-list kind 0..11.
    int GetArtIndex() const { return m_artIndex; }
    std::string GetDatenAllgemein() const { return daten_allgemein; }
    std::string GetDatenSpeziell() const { return daten_speziell; }
    std::string GetDatenSpeziell2() const { return GetDatenSpeziell(); }

    void SetzeID(const std::string& id) { m_id = id; }
    void SetzeTitelID(const std::string& titel_ID) { m_titelId = titel_ID; }
    void SetzePruefunterartKuerzel(const std::string& kuerzel) { m_pruefunterartKuerzel = kuerzel; }
    void SetzeDatentexte(const std::string& allgemein, const std::string& speziell);
    // Write the protocol number (field 8) and the test date "JJJJMMTT" (field 9) of group 1 as
    // given, unescaped; CInvalidArgException when the general data text has no group 1.
    void SetzeProtokollnummerRoh(const std::string& nummer);
    void SetzePruefdatumRoh(const std::string& datum);

    int GetAnzahlMessungen() const { return m_anzahlMessungen; }
    // Copies measurement i; CInvalidArgException for an index outside the measurements.
    void GetMessung(int index, MESSUNG& messung) const;
    void FuegeMessungHinzu(const MESSUNG& messung);

    // Sets the measurement-list kind from the test type.
    void SetzeArtIndex();

    // Reads the protocol from its XML; false when the text is no document or holds no
    // "protokoll" element. Missing attributes and elements give empty values.
    bool LeseXML(std::string_view xml);
    // The same from a document just set (its positions still at the start): the general reader,
    // which the text reader leaves every record to that is not laid out as the writers lay it out.
    bool LeseXML(CMarkup& dokument);
    std::string SchreibeXML() const;

    // The summary table's caption row of this protocol's list kind.
    void KopiereSpaltentexte(Spaltentextzeile& worte) const;

    // Display text and sort key of one cell of the measurement list (column ids of the
    // measurement column catalogue); the prefix goes before the protocol number.
    void HoleMessungsSpalte(const std::string& nummernPraefix, int spaltenId,
                            const MESSUNG& messung, std::string& text,
                            std::string& sortierSchluessel) const;
    // Display text of column `spalte` of the list for this protocol's kind.
    void HoleMessungsSpalteNachIndex(std::string& text, int spalte, const MESSUNG& messung) const;
    // Value of a column taken from the protocol itself; the text stays as it is when the test
    // type has none for that column.
    void HoleProtokollSpaltenwert(int spaltenId, std::string& text) const;

    // "[protocol number][general group 1][special group 3]".
    std::string BildeUebersichtszeile() const;

private:
    std::string m_version;
    std::string m_id;
    std::string m_titelId;
    std::string m_pruefartId;
    int m_pruefart = 0;
    int m_artIndex = 0;
    int m_pruefartVer = 0;
    std::string m_pruefunterartKuerzel;

    // The measurements are kept in one text, a single allocation for all measurements of a
    // protocol instead of a handful for each: first a row per measurement with the end of each of
    // its fields, then the texts of all fields one after the other, where the ends point.
    enum Messungsfeld
    {
        kLfdNr,
        kStation,
        kSchicht,
        kLage,
        kDaten,
        kAnzahlMessungsfelder
    };
    struct Messungsenden
    {
        std::array<uint32_t, kAnzahlMessungsfelder> ende{};
        int lfdNrWert = 0;
    };
    Messungsenden Messungszeile(int index) const;
    std::string_view MessungsTexte() const;
    std::string_view MessungsFeld(int index, Messungsfeld feld) const;
    // The rows and texts of all measurements become the protocol's measurements.
    void SetzeMessungen(std::span<const Messungsenden> zeilen, std::string_view texte);
    // The record as the writers lay it out, read without a document; false, changing nothing,
    // for any other record, which the document then reads.
    bool LeseSchlichtenSatz(std::string_view xml);
    // The field ends there in the measurement texts.
    void MerkeMessungsEnde(Messungsenden& enden, Messungsfeld feld, size_t ende);
    void LeseMessungen(CMarkup& dokument);

    std::string m_messungen;
    int m_anzahlMessungen = 0;
};

// The identity attributes of a protocol's XML text.
struct PROTOKOLLKENNUNG
{
    std::string_view version;
    std::string_view id;
    std::string_view titelId;
    std::string_view pruefartId;
    int pruefartVer = 0;
    std::string_view kuerzel;
};

// A protocol's XML text as the writers lay it out: the root element with its identity, the two
// data texts of `texte`, and one "messung" element for each of the `anzahl` measurements that
// `messung` gives.
std::string SchreibeProtokollXml(const PROTOKOLLKENNUNG& kennung, const CVersuchData& texte,
                                 int anzahl, const std::function<MESSUNG(int)>& messung);

// Measurement-list kind 0..11 of a test type; 0 for a type without a kind of its own.
int ListenartVonPruefart(int pruefart);

// Value of the first item "[key|value]" of a measurement data text with that key (compared
// exactly); an empty item ends the search.
std::string HoleMesswert(const std::string& daten, const std::string& schluessel);

// The data text with field `feld` of group `gruppe` replaced by the value, unescaped; groups
// beyond the last one of the text are not added, so such a group is an invalid argument
// (CInvalidArgException). Text outside the groups is dropped.
std::string SetzeFeld(const std::string& daten, int gruppe, int feld, const std::string& wert);

// Turns the general data text of a protocol of format "0.0.1" into the current form: the protocol
// number loses its prefix ("PV-12" becomes "12") and group 1 its trailing empty fields.
std::string WandleDatenAllgemein001(const std::string& daten);
