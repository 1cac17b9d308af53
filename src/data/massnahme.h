#pragma once
// A construction project while it is read from its project file: metadata by tag, the title
// list, defaults by identifier and the protocols. The protocol collection builds one per load,
// takes its data over and drops it.
//
// Title entry: "identifier|text|level|...", level 1 at the top, larger deeper; the list is the
// title tree in pre-order. The identifier "0" stands for the root above all titles.

#include "data/projektdatei.h"
#include "data/protokoll.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CMarkup;
class CProtokolle;

class CMassnahme
{
public:
    // The metadata tags in the order in which a metadata record holds them.
    static const std::vector<std::string>& MetadatenTags();

    CMassnahme() = default;
    virtual ~CMassnahme() = default;
    CMassnahme(const CMassnahme&) = delete;
    CMassnahme& operator=(const CMassnahme&) = delete;

    // Reads, indexes and parses the project file; false when it cannot be opened or read, or the
    // memory cannot hold it (SpeicherFehlt).
    bool Lade(const std::filesystem::path& pfad);
    // Why the last load did not read the whole file, the file's size and why it did not open.
    Ladebefund HoleLadebefund() const
    {
        return {m_ladefehler, m_datei.HoleDateigroesse(), m_datei.HoleOeffnungsfehler()};
    }
    // Parses the records the index scan read; false when a record does not read: a root record
    // stops the parsing, a protocol record is passed over.
    bool LeseProjektDatei();

    // "" for a tag the project does not hold.
    std::string HoleMetadatum(const std::string& tag) const;
    void SetzeMetadatum(const std::string& tag, const std::string& wert);
    const std::filesystem::path& HoleDateipfad() const { return m_dateipfad; }
    // The file's name as a text, without its folder and without the workstation identity that
    // the sibling program puts into names of copies.
    std::string HoleDateiname() const;

    int HoleAnzahlProtokolle() const { return static_cast<int>(m_protokolle.size()); }
    // CInvalidArgException for an index outside the protocols.
    CProtokoll* HoleProtokoll(int index) const;
    // Position of protocol i's record in the project file.
    long HoleProtokollPosition(int index) const;

    int HoleAnzahlTitel() const { return static_cast<int>(m_titel.size()); }
    // Title entry i; CInvalidArgException for an index outside the list.
    std::string HoleTitel(int index) const;
    bool HoleTitelFelder(int index, std::string& feld0, std::string& feld1, std::string& feld2,
                         std::string& feld3) const;
    bool FindeTitel(const std::string& id, std::string& text, std::string& ebene,
                    std::string& feld3) const;
    // Appends the identifiers of the titles below the title ("0": every title); false when no
    // entry carries the identifier.
    bool HoleUntertitel(const std::string& id, std::vector<std::string>& untertitel) const;
    // Texts of the title and its ancestors, root first; empty for an unknown identifier.
    void HoleTitelPfad(const std::string& id, std::vector<std::string>& pfad) const;
    // Replaces every entry when the count matches, then writes the title list record.
    void ErsetzeTitel(const std::vector<std::string>& titel);

    // Tree lines for drawing the title tree: one 15-character line per title.
    void BaueTitelbaumZeilen();
    std::string HoleBaumzeile(int index) const;

    int HoleAnzahlVorgaben() const { return static_cast<int>(m_vorgaben.size()); }
    // "" when absent.
    std::string HoleVorgabe(const std::string& id) const;
    void SetzeVorgabe(const std::string& id, const std::string& text);

    int ZaehleProtokolleMitTitel(const std::string& titelId) const;
    int ZaehleProtokolleUnterTitel(const std::string& titelId) const;
    bool HoleProtokollIDsMitTitel(const std::string& titelId, std::vector<std::string>& ids) const;
    // The non-empty protocol numbers in protocol order.
    std::vector<std::string> HoleProtokollnummern() const;
    bool IstNotizUnveraendert() const;

    // Writers of the root records; each appends a new record and marks the old one deleted.
    bool SchreibeMetadaten();
    bool SchreibeTitelliste();
    bool SchreibeVorgabedaten();

    // A whole project kept as one XML document ("massnahme"); false also when the memory cannot
    // hold it.
    bool LadeXmlDatei(const std::filesystem::path& dateiname);
    bool LeseMassnahmeXml(CMarkup& xml);
    // Loads the file named by the value "dateiname" in the folder, as Lade does, without titles.
    bool LadeAusOrdner(const std::map<std::string, std::string>& werte,
                       const std::filesystem::path& ordner);

    // The overview hand-over document of a title and its sub-titles.
    std::string BaueUebersichtXml(const std::string& titelId) const;
    // Hands header values, titles and the protocols of every title, in title order, to the
    // collection; the project holds no protocols afterwards.
    void UebernimmInProtokolle(CProtokolle& protokolle);
    // Writes "[number][general group 1][special group 3]" lines of the protocols of test type
    // 1001 (selector 1) or 1005 (selector 5); any other selector writes an empty file. An old
    // file keeps its content unless the list is written whole; a FIFO or a device is not
    // written to.
    void SchreibeProtokollListe(int auswahl, const std::string& dateiname) const;

    // "0" followed by every title identifier in title-list order, each once.
    std::vector<std::string> HoleTitelreihenfolge() const;

    // The project file. Its identifier map names the record of each protocol read from it that
    // the project holds (of records sharing an identifier, the one read last); the map is filled
    // when first asked for, since a load into the collection never needs it.
    CProjektDatei& HoleProjektDatei();

private:
    void LeseMetadaten(CMarkup& xml);
    void LeseTitel(CMarkup& xml);
    void LeseVorgaben(CMarkup& xml);
    // Whether every protocol record read.
    bool LeseProtokolle();
    bool SchreibeWurzel(const std::string& xml, long (CProjektDatei::*schreiber)(std::string_view));
    int TitelEbene(int index) const;
    // The "massnahme_" header values, with the path of the given title, in hand-over order.
    std::vector<std::pair<std::string, std::string>>
    HoleKopfwerte(const std::string& titelId) const;

    CProjektDatei m_datei;
    std::string m_notiz;
    std::filesystem::path m_dateipfad;
    Ladefehler m_ladefehler = Ladefehler::Keiner;
    bool m_kennungenFehlen = false; // protocols read that the identifier map does not name yet
    std::map<std::string, std::string> m_vorgaben;
    std::map<std::string, std::string> m_metadaten;
    std::vector<std::string> m_titel;
    std::vector<std::string> m_baumzeilen;
    std::vector<std::unique_ptr<CProtokoll>> m_protokolle;
    std::vector<long> m_protokollPositionen; // record position of each protocol
};

// The root records' XML as the writers lay it out.
std::string BaueMetadatenXml(const std::map<std::string, std::string>& metadaten);
std::string BaueTitellisteXml(const std::vector<std::string>& titel);
std::string BaueVorgabedatenXml(const std::map<std::string, std::string>& vorgaben);

// Bare line feeds of a default text become CR LF; existing CR LF pairs stay as they are.
std::string MitCrLf(const std::string& text);

// Reads an XML document file; false when the file cannot be read or is larger than 256 MiB, and
// with the message "m_xml.SetDoc() fehlgeschlagen" when it does not parse.
bool LadeXmlDokument(const std::filesystem::path& dateiname, CMarkup& xml);

// Reads a protocol from its XML and appends it to the collection; a text that does not read is
// dropped.
void FuegeProtokollAusXmlHinzu(CProtokolle& protokolle, const std::string& xml);

// The client as one line: field 0 and field 2 of the "|" record joined by ", ", trailing commas
// and blanks removed.
std::string BildeAuftraggeber(const std::string& auftraggeber);
