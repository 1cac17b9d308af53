#include "data/projektdatei.h"

#include "platform/dateien.h"
#include "platform/exceptions.h"
#include "platform/schreibziel.h"
#include "platform/zwischendatei.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void DateiFehler(const std::string& was)
{
    throw CFileException(was + ": " + std::strerror(errno));
}

// LiesVoll, with a read error as the file layer's exception.
int64_t Lies(int datei, void* ziel, int64_t anzahl)
{
    if (datei < 0)
        throw CFileException("Lesen: Datei ist nicht geöffnet");
    const int64_t gelesen = LiesVoll(datei, ziel, anzahl);
    if (gelesen < 0)
        DateiFehler("Lesen");
    return gelesen;
}

// SchreibeVoll, with a write error as the file layer's exception.
void Schreibe(int datei, std::string_view bytes)
{
    if (datei < 0)
        throw CFileException("Schreiben: Datei ist nicht geöffnet");
    if (!SchreibeVoll(datei, bytes))
        DateiFehler("Schreiben");
}

int64_t Suche(int datei, int64_t position, int woher)
{
    if (datei < 0)
        throw CFileException("Positionieren: Datei ist nicht geöffnet");
    const off_t neu = ::lseek(datei, position, woher);
    if (neu < 0)
        DateiFehler("Positionieren auf " + std::to_string(position));
    return neu;
}

// Why a file did not open.
Ladefehler GrundAus(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOENT:
    case ENOTDIR:
        return Ladefehler::NichtVorhanden;
    case EISDIR:
        return Ladefehler::IstOrdner;
    case EINVAL:
        return Ladefehler::KeineDatei;
    default:
        return Ladefehler::NichtOeffenbar;
    }
}

// Closes a descriptor on every way out.
class CDateiHalter
{
public:
    explicit CDateiHalter(int datei) : m_datei(datei) {}
    ~CDateiHalter()
    {
        if (m_datei >= 0)
            ::close(m_datei);
    }
    CDateiHalter(const CDateiHalter&) = delete;
    CDateiHalter& operator=(const CDateiHalter&) = delete;
    int operator*() const { return m_datei; }

private:
    int m_datei;
};

uint32_t LeseU32(const unsigned char* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

CProjektDatei::Satzkopf KopfAus(const unsigned char* bytes)
{
    return {LeseU32(bytes), bytes[4], bytes[5]};
}

std::string SatzBytes(uint8_t art, std::string_view text)
{
    const auto laenge = static_cast<uint32_t>(text.size());
    std::string bytes;
    bytes.reserve(CProjektDatei::kKopfLaenge + text.size());
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(laenge >> (8 * i) & 0xFF);
    bytes += static_cast<char>(art);
    bytes += '\0';
    bytes += text;
    return bytes;
}

// Whether a project can begin with the record header: not with one whose record is too long to
// read, where the scan would end before anything is indexed, nor with a header of zeros, an
// empty record of no kind that no writer makes, such as a file of zeros begins with.
bool BeginntProjekt(const unsigned char* bytes)
{
    const CProjektDatei::Satzkopf kopf = KopfAus(bytes);
    const bool nullen = kopf.laenge == 0 && kopf.art == 0 && kopf.geloescht == 0;
    return !nullen && kopf.laenge < CProjektDatei::kTextGrenze;
}

// Looks at the first record's header, so that a file that is no project is not read on.
// Lesefehler when the header cannot be read; otherwise the file is at its start again.
Ladefehler PruefeErstenKopf(int datei)
{
    unsigned char bytes[CProjektDatei::kKopfLaenge];
    const int64_t gelesen = LiesVoll(datei, bytes, sizeof bytes);
    if (gelesen < 0 || ::lseek(datei, 0, SEEK_SET) != 0)
        return Ladefehler::Lesefehler;
    if (gelesen < static_cast<int64_t>(sizeof bytes))
        return Ladefehler::Keiner; // too short for a record: the scan finds nothing either
    return BeginntProjekt(bytes) ? Ladefehler::Keiner : Ladefehler::KeineProjektdatei;
}

// Reads the 6-byte record header at the current position of a descriptor; false when the file
// ends before it is complete.
bool LeseKopfAus(int datei, CProjektDatei::Satzkopf& kopf)
{
    unsigned char bytes[CProjektDatei::kKopfLaenge];
    if (Lies(datei, bytes, sizeof bytes) < static_cast<int64_t>(sizeof bytes))
        return false;
    kopf = KopfAus(bytes);
    return true;
}

} // namespace

CProjektDatei::~CProjektDatei()
{
    Schliesse();
}

std::string_view CProjektDatei::BisNull(std::string_view bytes)
{
    return bytes.substr(0, std::min(bytes.find('\0'), bytes.size()));
}

bool CProjektDatei::SetzeDateiname(const std::filesystem::path& dateiname)
{
    m_dateiname = dateiname;
    GibPufferFrei();
    return true;
}

bool CProjektDatei::Oeffne()
{
    if (HatPuffer()) {
        m_pufferPosition = 0;
        return true;
    }
    Schliesse();
    m_datei = OeffneZumLesen(m_dateiname);
    return m_datei >= 0;
}

bool CProjektDatei::Schliesse()
{
    if (m_datei >= 0)
        ::close(m_datei);
    m_datei = -1;
    return true;
}

bool CProjektDatei::OeffneZumSchreiben()
{
    Schliesse();
    m_datei = ::open(m_dateiname.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    return m_datei >= 0;
}

// ---- Reading

int CProjektDatei::LeseBytes(void* ziel, int anzahl)
{
    if (anzahl <= 0)
        return 0;
    if (HatPuffer()) {
        if (m_pufferPosition < 0 || static_cast<size_t>(m_pufferPosition) >= m_puffer.size())
            return 0;
        const int n = static_cast<int>(
            std::min(static_cast<size_t>(anzahl), m_puffer.size() - m_pufferPosition));
        if (n > 0) {
            std::memcpy(ziel, m_puffer.data() + m_pufferPosition, n);
            m_pufferPosition += n;
        }
        return n;
    }
    return static_cast<int>(Lies(m_datei, ziel, anzahl));
}

void CProjektDatei::SetzeLesePosition(long position)
{
    if (HatPuffer())
        m_pufferPosition = static_cast<int>(position);
    else
        Suche(m_datei, position, SEEK_SET);
}

long CProjektDatei::HoleLesePosition()
{
    return HatPuffer() ? m_pufferPosition : Suche(m_datei, 0, SEEK_CUR);
}

void CProjektDatei::SetzePuffer(std::string_view inhalt)
{
    m_puffer.assign(inhalt.begin(), inhalt.end());
    m_pufferPosition = 0;
}

void CProjektDatei::GibPufferFrei()
{
    m_puffer.clear();
    m_puffer.shrink_to_fit();
    m_pufferPosition = 0;
}

bool CProjektDatei::LeseKopf(Satzkopf& kopf)
{
    unsigned char bytes[kKopfLaenge];
    if (LeseBytes(bytes, kKopfLaenge) < kKopfLaenge)
        return false;
    kopf = KopfAus(bytes);
    return true;
}

// A text cut off by the end of the file is not read: a partial text would pass for a whole one.
bool CProjektDatei::LeseText(uint32_t laenge, std::string& text)
{
    text.assign(laenge, '\0');
    if (LeseBytes(text.data(), static_cast<int>(laenge)) < static_cast<int>(laenge))
        return false;
    text.resize(BisNull(text).size());
    return true;
}

void CProjektDatei::NimmInIndex(long position, const Satzkopf& kopf, std::string_view text)
{
    if (kopf.geloescht)
        return;
    switch (kopf.art) {
    case kProtokoll:
        m_positionen.Setze(position, text);
        break;
    case kMetadaten:
        m_metadaten = {position, std::string(BisNull(text))};
        break;
    case kTitelliste:
        m_titelliste = {position, std::string(BisNull(text))};
        break;
    case kVorgabedaten:
        m_vorgabedaten = {position, std::string(BisNull(text))};
        break;
    default:
        break;
    }
}

// Past its first record's header, the file is read whole in one go, refused before more is read
// when it is larger than its records can be, and its records are taken from memory, where the
// position map's texts stay. Nothing of it is read again: a file changed or removed after the
// scan cannot mix into what the scan found.
bool CProjektDatei::LeseIndex()
{
    GibPufferFrei();
    Schliesse();
    m_dateigroesse = 0;
    const CDateiHalter datei(OeffneZumLesen(m_dateiname));
    m_oeffnungsfehler = *datei < 0 ? errno : 0;
    if (*datei < 0) {
        m_indexfehler = GrundAus(m_oeffnungsfehler);
        return false;
    }
    m_indexfehler = PruefeErstenKopf(*datei);
    if (m_indexfehler != Ladefehler::Keiner)
        return m_indexfehler == Ladefehler::KeineProjektdatei; // scanned, and nothing found
    std::unique_ptr<char[]> bytes;
    size_t groesse = 0;
    const Leseergebnis ergebnis = LiesBisEnde(*datei, bytes, groesse, kGroessteLaenge);
    m_dateigroesse = groesse;
    // A file that fails while it is read (a failing disk, a pulled stick) counts as one that
    // cannot be read: nothing of it is taken.
    if (ergebnis != Leseergebnis::Gelesen) {
        m_indexfehler =
            ergebnis == Leseergebnis::ZuGross ? Ladefehler::ZuGross : Ladefehler::Lesefehler;
        return false;
    }
    m_indexfehler = Ladefehler::Keiner;
    m_gelesen.push_back(std::move(bytes));
    Durchsuche(std::string_view(m_gelesen.back().get(), groesse));
    return true;
}

// An over-long or cut-off record ends the scan; the records before it stay indexed.
void CProjektDatei::Durchsuche(std::string_view inhalt)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(inhalt.data());
    size_t position = 0;
    while (inhalt.size() - position >= kKopfLaenge) {
        const Satzkopf kopf = KopfAus(bytes + position);
        const size_t textAnfang = position + kKopfLaenge;
        if (kopf.laenge >= kTextGrenze) {
            m_indexfehler = Ladefehler::SatzUnlesbar;
            return;
        }
        if (inhalt.size() - textAnfang < kopf.laenge)
            break;
        NimmInIndex(static_cast<long>(position), kopf, inhalt.substr(textAnfang, kopf.laenge));
        position = textAnfang + kopf.laenge;
    }
    if (position < inhalt.size())
        m_indexfehler = Ladefehler::EndetVorzeitig;
}

bool CProjektDatei::HatSaetze() const
{
    return m_positionen.Anzahl() > 0 || m_metadaten.position >= 0 || m_titelliste.position >= 0 ||
           m_vorgabedaten.position >= 0;
}

bool CProjektDatei::LeseSatz(long position, std::string& text)
{
    text.clear();
    // A root the file does not hold has position -1; nothing to read there.
    if (position < 0 || (!HatPuffer() && m_datei < 0))
        return false;
    SetzeLesePosition(position);
    Satzkopf kopf;
    if (!LeseKopf(kopf) || kopf.laenge >= kTextGrenze || !LeseText(kopf.laenge, text)) {
        text.clear();
        return false;
    }
    return true;
}

// ---- Writing

long CProjektDatei::SchreibeSatz(uint8_t art, std::string_view text, long altePosition)
{
    const std::string_view gespeichert = BisNull(text);
    if (gespeichert.size() >= kTextGrenze)
        return -1;
    const long position = Suche(m_datei, 0, SEEK_END);
    Schreibe(m_datei, SatzBytes(art, gespeichert));
    if (altePosition >= 0)
        MarkiereGeloescht(altePosition);
    return position;
}

bool CProjektDatei::HaengeSatzAn(uint8_t art, std::string_view text)
{
    return SchreibeSatz(art, text, -1) >= 0;
}

long CProjektDatei::SchreibeWurzelSatz(uint8_t art, std::string_view text, Wurzel& wurzel)
{
    const long position = SchreibeSatz(art, text, wurzel.position);
    if (position >= 0)
        wurzel = {position, std::string(BisNull(text))};
    return position;
}

long CProjektDatei::SchreibeMetadatenSatz(std::string_view text)
{
    return SchreibeWurzelSatz(kMetadaten, text, m_metadaten);
}

long CProjektDatei::SchreibeTitellisteSatz(std::string_view text)
{
    return SchreibeWurzelSatz(kTitelliste, text, m_titelliste);
}

long CProjektDatei::SchreibeVorgabedatenSatz(std::string_view text)
{
    return SchreibeWurzelSatz(kVorgabedaten, text, m_vorgabedaten);
}

// Only the deleted byte at position + 5 changes. A position without a whole record header in
// the file is refused, so that no write lands beyond the end and stretches the file.
bool CProjektDatei::MarkiereGeloescht(long position)
{
    const long laenge = Suche(m_datei, 0, SEEK_END);
    if (position < 0 || position > laenge - kKopfLaenge)
        return false;
    Suche(m_datei, position + 5, SEEK_SET);
    Schreibe(m_datei, std::string_view("\1", 1));
    return true;
}

long CProjektDatei::FuegeEintragHinzu(const std::string& kennung, std::string_view text)
{
    const long position = SchreibeSatz(kProtokoll, text, -1);
    if (position >= 0)
        m_kennungen[kennung] = position;
    return position;
}

// A key that is not mapped has no old record to mark; the new one is simply added.
long CProjektDatei::ErsetzeEintrag(const std::string& kennung, std::string_view text)
{
    const auto alt = m_kennungen.find(kennung);
    const long position =
        SchreibeSatz(kProtokoll, text, alt == m_kennungen.end() ? -1 : alt->second);
    if (position >= 0)
        m_kennungen[kennung] = position;
    return position;
}

bool CProjektDatei::EntferneEintrag(const std::string& kennung)
{
    const auto eintrag = m_kennungen.find(kennung);
    if (eintrag == m_kennungen.end())
        return false;
    MarkiereGeloescht(eintrag->second);
    m_kennungen.erase(eintrag);
    return true;
}

// ---- Class-level operations

bool CProjektDatei::PruefeDatei(const std::filesystem::path& dateiname)
{
    const CDateiHalter datei(OeffneZumLesen(dateiname));
    if (*datei < 0)
        return false;
    try {
        const int64_t laenge = Suche(*datei, 0, SEEK_END);
        Suche(*datei, 0, SEEK_SET);
        int64_t summe = 0;
        Satzkopf kopf;
        while (LeseKopfAus(*datei, kopf)) {
            summe += kopf.laenge + kKopfLaenge;
            if (summe >= laenge)
                break;
            Suche(*datei, kopf.laenge, SEEK_CUR);
        }
        return summe == laenge;
    } catch (const CFileException&) {
        return false;
    }
}

bool CProjektDatei::LiestSichAlsProjekt(const std::filesystem::path& dateiname)
{
    const CDateiHalter datei(OeffneZumLesen(dateiname));
    unsigned char bytes[kKopfLaenge];
    return *datei >= 0 && LiesVoll(*datei, bytes, sizeof bytes) == kKopfLaenge &&
           BeginntProjekt(bytes);
}

bool CProjektDatei::KopiereLebendeSaetze(const std::filesystem::path& quelle,
                                         const std::filesystem::path& ziel)
{
    const CDateiHalter ein(OeffneZumLesen(quelle));
    // The copy must never take the source's place, nor a device's or a FIFO's.
    if (*ein < 0 || IstDieselbeDatei(quelle, ziel) || !IstFreiOderRegulaer(ziel))
        return false;
    CZwischendatei aus(ziel, CZwischendatei::InGeschuetztemOrdner::Aufgeben,
                       CZwischendatei::Inhalt::Projekt);
    if (!aus.IstAngelegt())
        return false;
    try {
        Satzkopf kopf;
        std::string text;
        // A record cut off by the end of the file is not copied.
        while (LeseKopfAus(*ein, kopf)) {
            if (kopf.laenge >= kTextGrenze)
                return false;
            text.resize(kopf.laenge);
            if (Lies(*ein, text.data(), kopf.laenge) < kopf.laenge)
                break;
            if (!kopf.geloescht && !aus.Schreibe(SatzBytes(kopf.art, text)))
                return false;
        }
    } catch (const CFileException&) {
        return false;
    }
    return aus.Ersetze();
}
