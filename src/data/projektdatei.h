#pragma once
// The project file: a chain of records, each a u32 text length (little-endian), a kind byte, a
// deleted byte and the text. Records are only ever appended; replacing one appends the new
// record and sets the old one's deleted byte.

#include "data/positionsmap.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Why a project file was not read whole.
enum class Ladefehler
{
    Keiner,
    NichtVorhanden,
    IstOrdner,
    KeineDatei,     // no regular file: a FIFO, a device, a socket
    NichtOeffenbar, // cannot be opened for another reason, such as a missing permission
    ZuGross,        // larger than a project file can be
    Lesefehler,     // a read failed
    SpeicherFehlt,  // no memory for the project
    KeineProjektdatei,
    EndetVorzeitig, // the file ends inside a record
    SatzUnlesbar,
};

// What a load tells of its file: why it was not read whole, the size it was found to have and,
// for a file that did not open, the errno the system gave.
struct Ladebefund
{
    Ladefehler fehler = Ladefehler::Keiner;
    uint64_t dateigroesse = 0;
    int fehlernummer = 0;

    bool operator==(const Ladebefund&) const = default;
};

class CProjektDatei
{
public:
    // Record kinds this program reads; any other kind is skipped.
    enum Satzart : uint8_t
    {
        kProtokoll = 1,
        kMetadaten = 2,
        kTitelliste = 3,
        kVorgabedaten = 6,
    };
    // Every text must be shorter than this; a longer record is unreadable.
    static constexpr uint32_t kTextGrenze = 16384;
    static constexpr long kKopfLaenge = 6;
    // Positions are stored in 32 bits with a sign: a longer file holds records no position can
    // name.
    static constexpr uint64_t kGroessteLaenge = uint64_t{1} << 31;

    struct Satzkopf
    {
        uint32_t laenge = 0;
        uint8_t art = 0;
        uint8_t geloescht = 0; // any value but 0 means deleted
    };

    CProjektDatei() = default;
    ~CProjektDatei();
    CProjektDatei(const CProjektDatei&) = delete;
    CProjektDatei& operator=(const CProjektDatei&) = delete;

    bool SetzeDateiname(const std::filesystem::path& dateiname);
    const std::filesystem::path& HoleDateiname() const { return m_dateiname; }

    // Reads the whole file in one go and scans it into the position map and the root records;
    // false when the file cannot be opened, is too large or fails while it is read. A file whose
    // first record cannot begin a project is not read on: nothing of it is indexed.
    bool LeseIndex();
    // Why the last scan did not read the whole file: it did not open or read, its first record
    // begins no project, or it ended inside a record or at one too long to read.
    Ladefehler HoleIndexfehler() const { return m_indexfehler; }
    // The errno of an open the last scan failed at; 0 when the file opened.
    int HoleOeffnungsfehler() const { return m_oeffnungsfehler; }
    // The size the last scan found, also of a file it refused as too large.
    uint64_t HoleDateigroesse() const { return m_dateigroesse; }
    // Whether the scans found any record this program reads.
    bool HatSaetze() const;
    bool Oeffne();
    bool Schliesse();
    // Reads the record at the position from the open file; false with an empty text when no
    // readable record stands there.
    bool LeseSatz(long position, std::string& text);
    // The texts of the root records. They read nothing: each hands out the text held in memory
    // since the scan found the record or a writer wrote it, so a file changed after the scan
    // cannot mix into the project. "" for a root the file does not hold.
    const std::string& LeseMetadatenSatz() const { return m_metadaten.text; }
    const std::string& LeseTitellisteSatz() const { return m_titelliste.text; }
    const std::string& LeseVorgabedatenSatz() const { return m_vorgabedaten.text; }

    // The live protocol records with their bytes as the file holds them, not yet cut at a zero
    // byte: whoever reads a record's text cuts it with BisNull, going through its bytes once,
    // right before they are parsed.
    const CPositionsMap& HolePositionen() const { return m_positionen; }
    // A stored text ends at its first zero byte.
    static std::string_view BisNull(std::string_view bytes);
    // Protocol identifier → record position; filled by whoever parses the protocols.
    std::unordered_map<std::string, long>& HoleKennungen() { return m_kennungen; }
    long HoleMetadatenPosition() const { return m_metadaten.position; }
    long HoleTitellistePosition() const { return m_titelliste.position; }
    long HoleVorgabedatenPosition() const { return m_vorgabedaten.position; }

    // Reading from the open file, or from the memory buffer when one is set.
    int LeseBytes(void* ziel, int anzahl);
    void SetzeLesePosition(long position);
    long HoleLesePosition();
    void SetzePuffer(std::string_view inhalt);
    void GibPufferFrei();

    // Writers; they expect the file to be open for writing. A text of kTextGrenze bytes or more
    // is refused: nothing is written and the position result is -1.
    bool OeffneZumSchreiben();
    long SchreibeSatz(uint8_t art, std::string_view text, long altePosition);
    bool HaengeSatzAn(uint8_t art, std::string_view text);
    long SchreibeMetadatenSatz(std::string_view text);
    long SchreibeTitellisteSatz(std::string_view text);
    long SchreibeVorgabedatenSatz(std::string_view text);
    // False, writing nothing, when no record header stands at the position.
    bool MarkiereGeloescht(long position);
    long FuegeEintragHinzu(const std::string& kennung, std::string_view text);
    long ErsetzeEintrag(const std::string& kennung, std::string_view text);
    bool EntferneEintrag(const std::string& kennung);

    // Whether the record chain ends exactly at the end of the file.
    static bool PruefeDatei(const std::filesystem::path& dateiname);
    // Whether the file begins as a project does, with a first record header LeseIndex reads on
    // from. One shorter than a header, an empty one too, or one that does not open does not; nor
    // does a text, as a header's length holds zero bytes.
    static bool LiestSichAlsProjekt(const std::filesystem::path& dateiname);
    // Writes a copy holding only the live records. False when the source holds a record too
    // long to read or a read or write fails; the destination is then left as it was.
    static bool KopiereLebendeSaetze(const std::filesystem::path& quelle,
                                     const std::filesystem::path& ziel);

private:
    // A root record: position -1 and no text when the file holds none.
    struct Wurzel
    {
        long position = -1;
        std::string text;
    };

    bool HatPuffer() const { return !m_puffer.empty(); }
    bool LeseKopf(Satzkopf& kopf);
    bool LeseText(uint32_t laenge, std::string& text);
    void NimmInIndex(long position, const Satzkopf& kopf, std::string_view text);
    void Durchsuche(std::string_view inhalt);
    long SchreibeWurzelSatz(uint8_t art, std::string_view text, Wurzel& wurzel);

    CPositionsMap m_positionen;
    // The bytes of every scan: the position map's texts point into them. A scan adds its own,
    // since entries of an earlier scan of a changed file may stay in the map.
    std::vector<std::unique_ptr<char[]>> m_gelesen;
    std::unordered_map<std::string, long> m_kennungen;
    int m_datei = -1; // file descriptor, -1 when closed
    std::filesystem::path m_dateiname;
    Ladefehler m_indexfehler = Ladefehler::Keiner;
    int m_oeffnungsfehler = 0;
    uint64_t m_dateigroesse = 0;
    Wurzel m_vorgabedaten;
    Wurzel m_metadaten;
    Wurzel m_titelliste;
    std::vector<char> m_puffer;
    int m_pufferPosition = 0;
};
