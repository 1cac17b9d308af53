#include "platform/zwischendatei.h"

#include "platform/dateien.h"
#include "platform/fehlerursache.h"
#include "platform/schreibziel.h"

#include <acl/libacl.h>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/acl.h>
#include <sys/mman.h>
#include <sys/statvfs.h>
#include <type_traits>
#include <unistd.h>

namespace {

// Writes reach the file in blocks of this size, and the content is copied in them.
constexpr std::size_t kBlock = 64 * 1024;

// Where a file system refuses to keep a right given to a file the process has made and owns
// (FAT or a Windows share through FUSE, a mount or a share's server that refuses every mode
// change, a security module), the file keeps what it has.
bool KeinRechtGespeichert(int fehlernummer)
{
    return fehlernummer == EPERM || fehlernummer == EACCES || fehlernummer == EOPNOTSUPP ||
           fehlernummer == ENOSYS;
}

// An access control list that libacl made, freed where it goes.
struct ListeFreigeben
{
    void operator()(void* liste) const { ::acl_free(liste); }
};
using Zugriffsliste = std::unique_ptr<std::remove_pointer_t<acl_t>, ListeFreigeben>;

// The access control list of the open file `datei`, or of the file `pfad` where it is -1; where
// the file system keeps none, the one of the permission bits `rechte`. Null when it cannot be
// read.
Zugriffsliste LiesListe(int datei, const char* pfad, mode_t rechte)
{
    acl_t liste = datei >= 0 ? ::acl_get_fd(datei) : ::acl_get_file(pfad, ACL_TYPE_ACCESS);
    if (liste == nullptr && errno == EOPNOTSUPP)
        liste = ::acl_from_mode(rechte & 0777);
    return Zugriffsliste(liste);
}

// Whether the list says more than the permission bits: it names a user or a group.
bool SagtMehrAlsDieBits(const Zugriffsliste& liste)
{
    return liste != nullptr && ::acl_equiv_mode(liste.get(), nullptr) != 0;
}

// Gives the file the permission bits `rechte` with a list where one is in play, which carries
// them: `liste` where it says more than the bits, or where the file took entries from its folder's
// default list, the list of the bits alone, which takes them away. Else the bits with fchmod. Bits
// given apart from a list would widen its mask over the entries the file took from its folder.
void GibListeOderBits(int datei, mode_t rechte, const Zugriffsliste& liste)
{
    if (SagtMehrAlsDieBits(liste))
        ::acl_set_fd(datei, liste.get());
    else if (SagtMehrAlsDieBits(LiesListe(datei, nullptr, rechte)))
        ::acl_set_fd(datei, Zugriffsliste(::acl_from_mode(rechte)).get());
    else
        ::fchmod(datei, rechte);
}

// Gives the file the owner, group, permission bits and access control list `alt` of the old file
// that `bisher` tells of, as far as the process and its file system let it; bits and list only
// once it has the old one's owner and group. True when the file now has exactly the old one's.
// Its set-ID bits are not given: they would make a program of a printed file.
bool UebernimmRechte(int datei, const struct stat& bisher, const Zugriffsliste& alt)
{
    if (alt == nullptr)
        return false;
    // Given to a file of another owner or group, the old one's rights would let in others.
    [[maybe_unused]] const int besitz = ::fchown(datei, bisher.st_uid, bisher.st_gid);
    struct stat jetzt;
    if (::fstat(datei, &jetzt) != 0 || jetzt.st_uid != bisher.st_uid ||
        jetzt.st_gid != bisher.st_gid)
        return false;
    // A right refused shows in what the file has after this, which decides: some file systems
    // refuse a change that changes nothing, others take a change without making it.
    const mode_t rechte = bisher.st_mode & 0777;
    GibListeOderBits(datei, rechte, alt);
    const Zugriffsliste liste = ::fstat(datei, &jetzt) == 0 && (jetzt.st_mode & 0777) == rechte
                                    ? LiesListe(datei, nullptr, rechte)
                                    : nullptr;
    return liste != nullptr && ::acl_cmp(liste.get(), alt.get()) == 0;
}

// Makes a file that is not there yet in `ordner` with the permission bits `rechte`, under a short
// name of the program's own, and names it in `pfad`; -1 when it cannot.
int LegeDateiAn(const std::filesystem::path& ordner, mode_t rechte, std::filesystem::path& pfad)
{
    const std::string name = ".~axo" + std::to_string(::getpid()) + "-";
    for (int nummer = 0; nummer < 100; ++nummer) {
        pfad = ordner / (name + std::to_string(nummer));
        const int datei = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, rechte);
        if (datei >= 0 || errno != EEXIST)
            return datei;
    }
    return -1;
}

// The permission bits (`rechte`) and access control list (`liste`) that the system gives any
// program's new file in `ordner`: those of an empty file made there with the usual 0666, removed
// at once. The file-creation mask, the folder's default list or a share's server, whose lists
// may not show here, decide them. False when that file cannot be made or its list cannot be read.
bool RechteEinerNeuenDatei(const std::filesystem::path& ordner, mode_t& rechte,
                           Zugriffsliste& liste)
{
    std::filesystem::path pfad;
    const int datei = LegeDateiAn(ordner, 0666, pfad);
    if (datei < 0)
        return false;
    struct stat info;
    if (::fstat(datei, &info) == 0) {
        rechte = info.st_mode & 0777;
        liste = LiesListe(datei, nullptr, rechte);
    }
    const int fehlernummer = errno;
    ::close(datei);
    ::unlink(pfad.c_str());
    errno = fehlernummer;
    return liste != nullptr;
}

// Gives the new file the permission bits and access control list that any program's new file
// beside it gets, whose owner and group it has. Where its file system does not keep rights, it
// keeps those it was made with, which are never more. False when it cannot, also when those
// rights cannot be told: the file would get more than they allow.
bool GibRechteEinerNeuenDatei(int datei, const std::filesystem::path& ordner)
{
    mode_t rechte = 0;
    Zugriffsliste liste;
    if (!RechteEinerNeuenDatei(ordner, rechte, liste))
        return false;
    // The bits first: the entries the file took from its folder are then as wide as in any
    // program's file there, also where the list cannot be written.
    int ergebnis = ::fchmod(datei, rechte);
    if (ergebnis == 0 && SagtMehrAlsDieBits(liste))
        ergebnis = ::acl_set_fd(datei, liste.get());
    return ergebnis == 0 || KeinRechtGespeichert(errno);
}

// The same file as the one `bisher` tells of.
bool IstDieselbe(const struct stat& info, const struct stat& bisher)
{
    return info.st_dev == bisher.st_dev && info.st_ino == bisher.st_ino;
}

// The regular file seen at the start (`bisher`), opened to be written without changing it yet;
// -1 when it cannot be, errno ESTALE when another file or a link has meanwhile taken its place.
int OeffneZumUeberschreiben(const std::filesystem::path& pfad, const struct stat& bisher)
{
    const int datei = ::open(pfad.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (datei < 0) {
        if (errno == ELOOP)
            errno = ESTALE;
        return -1;
    }
    struct stat info;
    if (::fstat(datei, &info) != 0 || !S_ISREG(info.st_mode) || !IstDieselbe(info, bisher)) {
        ::close(datei);
        errno = ESTALE;
        return -1;
    }
    return datei;
}

// Whether the file's file system has room for `laenge` bytes of it now, counting the blocks its
// old content holds, which it writes over, and one block in every (block size / 4) for the
// blocks that map the others, as a file system without extents needs. A quota, or a file system
// that writes a file's new bytes elsewhere before it frees the old ones, is not seen here.
bool HatRaumFuer(int datei, off_t laenge)
{
    struct statvfs platte;
    struct stat info;
    if (::fstatvfs(datei, &platte) != 0 || ::fstat(datei, &info) != 0)
        return false;
    if (platte.f_blocks == 0) // a file system that tells nothing of its size, as some FUSE ones
        return true;
    const unsigned long long block = std::max<unsigned long>(platte.f_frsize, 512);
    const unsigned long long daten = (static_cast<unsigned long long>(laenge) + block - 1) / block;
    const unsigned long long noetig = daten + daten / (block / 4) + 2;
    const unsigned long long frei =
        platte.f_bavail + static_cast<unsigned long long>(info.st_blocks) * 512 / block;
    if (noetig <= frei)
        return true;
    errno = ENOSPC;
    return false;
}

// Reserves the room for `laenge` bytes in the file before any of its bytes is overwritten, so
// that a full disk is found while its old content is whole; its size stays as it is. Where the
// file system cannot reserve room, the room must at least be free now.
bool ReserviereRaum(int datei, off_t laenge)
{
    if (laenge == 0)
        return true;
    int ergebnis;
    do
        ergebnis = ::fallocate(datei, FALLOC_FL_KEEP_SIZE, 0, laenge);
    while (ergebnis != 0 && errno == EINTR);
    if (ergebnis == 0)
        return true;
    return (errno == EOPNOTSUPP || errno == ENOSYS) && HatRaumFuer(datei, laenge);
}

// Copies all of `quelle` over `ziel` from its start, and cuts `ziel` off after it where it is
// longer: some file systems refuse to set the size a file has.
bool KopiereInhalt(int quelle, int ziel)
{
    if (::lseek(quelle, 0, SEEK_SET) != 0)
        return false;
    std::string block(kBlock, '\0');
    off_t laenge = 0;
    for (;;) {
        const int64_t gelesen = LiesVoll(quelle, block.data(), kBlock);
        if (gelesen < 0 || !SchreibeVoll(ziel, {block.data(), std::size_t(gelesen)}))
            return false;
        laenge += gelesen;
        if (gelesen < int64_t(kBlock)) {
            struct stat info;
            return ::fstat(ziel, &info) == 0 &&
                   (info.st_size == laenge || ::ftruncate(ziel, laenge) == 0);
        }
    }
}

} // namespace

CZwischendatei::CZwischendatei(const std::filesystem::path& ziel, InGeschuetztemOrdner geschuetzt,
                               Inhalt inhalt)
    : m_ziel(Verweisziel(ziel)), m_geschuetzt(geschuetzt), m_inhalt(inhalt)
{
    if (IstFremderVerweis(m_ziel)) {
        LehneAb(EACCES);
        return;
    }
    m_zielVorhanden = ::stat(m_ziel.c_str(), &m_bisher) == 0;
    // A destination that cannot be looked at (a link loop, a path too long) cannot be written.
    if (!m_zielVorhanden && errno != ENOENT) {
        MerkeFehler();
        return;
    }
    if (m_zielVorhanden && !PruefeZiel())
        return;
    LegeDanebenAn();
    if (m_datei < 0 && m_fehlernummer == EACCES)
        SammleImSpeicher();
}

CZwischendatei::~CZwischendatei()
{
    Schliesse();
}

bool CZwischendatei::PruefeZiel()
{
    if (!S_ISREG(m_bisher.st_mode))
        return LehneAb(0);
    // By the rights the process has, not those of its real user: the superuser may write any.
    if (::faccessat(AT_FDCWD, m_ziel.c_str(), W_OK, AT_EACCESS) != 0)
        return LehneAb(errno);
    if (m_inhalt == Inhalt::Ausgabe && IstNurGeleseneDatei(m_ziel))
        return LehneAb(kIstProjektdatei);
    return true;
}

bool CZwischendatei::LehneAb(int fehlernummer)
{
    m_abgelehnt = true;
    m_fehlernummer = fehlernummer;
    return false;
}

bool CZwischendatei::NenntNochDasZiel()
{
    // Not followed where it is a link: a link put there names another file.
    struct stat jetzt;
    if (::lstat(m_ziel.c_str(), &jetzt) != 0) {
        if (errno != ENOENT) {
            MerkeFehler();
            return false;
        }
        // Gone: a new file may take its place, but one written in place would go with it.
        m_zielVorhanden = false;
        if (!m_pfad.empty())
            return true;
    } else if (m_zielVorhanden && IstDieselbe(jetzt, m_bisher)) {
        m_bisher = jetzt;
        return true;
    }
    m_fehlernummer = ESTALE;
    return false;
}

void CZwischendatei::LegeDanebenAn()
{
    std::filesystem::path pfad;
    m_datei = LegeDateiAn(m_ziel.parent_path(), S_IRUSR | S_IWUSR, pfad);
    if (m_datei >= 0)
        m_pfad = pfad;
    else
        MerkeFehler();
}

void CZwischendatei::SammleImSpeicher()
{
    if (!OeffneZielSelbst())
        return;
    m_fehlernummer = 0;
    m_datei = ::memfd_create("axo", MFD_CLOEXEC);
    if (m_datei < 0)
        MerkeFehler();
}

bool CZwischendatei::OeffneZielSelbst()
{
    if (m_geschuetzt != InGeschuetztemOrdner::ZielSelbstSchreiben || !m_zielVorhanden ||
        !S_ISREG(m_bisher.st_mode))
        return false;
    // Written in place is only the file seen at the start, never one put there meanwhile, nor
    // the file a link put there names.
    m_zielDatei = OeffneZumUeberschreiben(m_ziel, m_bisher);
    if (m_zielDatei < 0)
        m_fehlernummer = errno;
    return m_zielDatei >= 0;
}

void CZwischendatei::MerkeFehler()
{
    if (m_fehlernummer == 0)
        m_fehlernummer = errno != 0 ? errno : EIO;
}

bool CZwischendatei::Schreibe(std::string_view bytes)
{
    // After a failed write the file has a gap: nothing more goes in.
    if (m_fehlernummer != 0)
        return false;
    if (m_puffer.size() + bytes.size() > kBlock && !SchreibePuffer())
        return false;
    if (bytes.size() >= kBlock)
        return SchreibeAus(bytes);
    m_puffer.append(bytes);
    return true;
}

bool CZwischendatei::SchreibeAus(std::string_view bytes)
{
    if (SchreibeVoll(m_datei, bytes))
        return true;
    MerkeFehler();
    return false;
}

bool CZwischendatei::SchreibePuffer()
{
    const bool geschrieben = SchreibeAus(m_puffer);
    m_puffer.clear();
    return geschrieben;
}

bool CZwischendatei::Ersetze()
{
    // What the rules refuse now, such as a file write-protected meanwhile, is not written either.
    const bool ersetzt = m_datei >= 0 && m_fehlernummer == 0 && SchreibePuffer() &&
                         NenntNochDasZiel() && (!m_zielVorhanden || PruefeZiel()) &&
                         (m_pfad.empty() ? SchreibeInsZiel() : NimmPlatzEin());
    Schliesse();
    return ersetzt;
}

bool CZwischendatei::NimmPlatzEin()
{
    if (!m_zielVorhanden) {
        if (!GibRechteEinerNeuenDatei(m_datei, m_pfad.parent_path())) {
            MerkeFehler();
            return false;
        }
    } else if (!UebernimmRechte(m_datei, m_bisher, LiesListe(-1, m_ziel.c_str(), m_bisher.st_mode)))
        // A new file that the process may not give everything of the old one would take it
        // from its owner, group or the users its list lets in; nor could it replace another
        // user's file in a folder where only a file's owner may.
        return SchreibeStattdessenInsZiel();
    // The descriptor was open before anything was written, so its sync reports every write that
    // has not reached the disk, also one made through another descriptor.
    if (::fsync(m_datei) != 0 || ::rename(m_pfad.c_str(), m_ziel.c_str()) != 0) {
        MerkeFehler();
        return false;
    }
    m_pfad.clear();
    return true;
}

bool CZwischendatei::SchreibeStattdessenInsZiel()
{
    if (OeffneZielSelbst())
        return SchreibeInsZiel();
    if (m_fehlernummer == 0) // told to give up
        m_fehlernummer = EPERM;
    return false;
}

bool CZwischendatei::SchreibeInsZiel()
{
    struct stat inhalt;
    if (::fstat(m_datei, &inhalt) != 0 || !ReserviereRaum(m_zielDatei, inhalt.st_size)) {
        MerkeFehler();
        return false;
    }
    if (KopiereInhalt(m_datei, m_zielDatei) && ::fsync(m_zielDatei) == 0)
        return true;
    MerkeFehler();
    m_zielBeschaedigt = true;
    return false;
}

void CZwischendatei::Schliesse()
{
    if (m_datei >= 0)
        ::close(m_datei);
    if (m_zielDatei >= 0)
        ::close(m_zielDatei);
    if (!m_pfad.empty())
        ::unlink(m_pfad.c_str());
    m_datei = -1;
    m_zielDatei = -1;
    m_pfad.clear();
}
