#include "platform/zwischendatei.h"

#include "platform/dateien.h"
#include "platform/fehlerursache.h"
#include "platform/schreibziel.h"

#include <acl/libacl.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/acl.h>
#include <sys/mman.h>
#include <sys/statvfs.h>
#include <type_traits>
#include <unistd.h>

namespace {

// Writes reach the file in blocks of this size, and the content is copied in them.
constexpr std::size_t kBlock = 64 * 1024;

// The process's file-creation mask, read without setting it: umask() can only be read by setting
// it, which would change it for a moment for every thread making a file.
mode_t Erstellungsmaske()
{
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.starts_with("Umask:"))
            return static_cast<mode_t>(std::strtoul(zeile.c_str() + 6, nullptr, 8));
    return 077; // unknown: the file stays its owner's alone
}

// Where a file system refuses to keep a right given to a file (FAT or a Windows share through
// FUSE, a mount that refuses every mode change), the file keeps what it has.
bool KeinRechtGespeichert(int fehlernummer)
{
    return fehlernummer == EPERM || fehlernummer == EOPNOTSUPP || fehlernummer == ENOSYS;
}

// An access control list that libacl made, freed where it goes.
struct ListeFreigeben
{
    void operator()(void* liste) const { ::acl_free(liste); }
};
using Zugriffsliste = std::unique_ptr<std::remove_pointer_t<acl_t>, ListeFreigeben>;

// The access control list `acl_get_*` read, or where the file system keeps none, the one of the
// permission bits `rechte`; null when it cannot be read.
Zugriffsliste ListeOderBits(acl_t gelesen, mode_t rechte)
{
    if (gelesen == nullptr && errno == EOPNOTSUPP)
        gelesen = ::acl_from_mode(rechte & 0777);
    return Zugriffsliste(gelesen);
}

// Whether the list says more than the permission bits.
bool HatEintraege(const Zugriffsliste& liste)
{
    return liste != nullptr && ::acl_equiv_mode(liste.get(), nullptr) != 0;
}

// Gives the file the owner, group, permission bits and access control list `alt` of the old file
// that `bisher` tells of, as far as the process and its file system let it: the bits with
// fchmod, a list only where one is in play (the old file's entries beyond its bits, or the
// entries the file took from its folder's default list, which are taken away). True when the file
// now has exactly the old one's. Its set-ID bits are not given: they would make a program of a
// printed file.
bool UebernimmRechte(int datei, const struct stat& bisher, const Zugriffsliste& alt)
{
    if (alt == nullptr)
        return false;
    // A right refused shows in what the file has after these, which decides: some file systems
    // refuse a change that changes nothing, others take a change without making it.
    const mode_t rechte = bisher.st_mode & 0777;
    [[maybe_unused]] const int besitz = ::fchown(datei, bisher.st_uid, bisher.st_gid);
    ::fchmod(datei, rechte);
    if (HatEintraege(alt))
        ::acl_set_fd(datei, alt.get());
    else if (HatEintraege(ListeOderBits(::acl_get_fd(datei), rechte)))
        ::acl_set_fd(datei, Zugriffsliste(::acl_from_mode(rechte)).get());
    struct stat jetzt;
    if (::fstat(datei, &jetzt) != 0 || jetzt.st_uid != bisher.st_uid ||
        jetzt.st_gid != bisher.st_gid || (jetzt.st_mode & 0777) != rechte)
        return false;
    const Zugriffsliste liste = ListeOderBits(::acl_get_fd(datei), jetzt.st_mode);
    return liste != nullptr && ::acl_cmp(liste.get(), alt.get()) == 0;
}

// Takes execute from the entries a new file's mode limits: the owner's, the others', and the
// mask, or where a list has none, the owning group's.
void NimmAusfuehrenWeg(acl_t liste)
{
    const auto nimmWeg = [](acl_entry_t eintrag) {
        acl_permset_t rechte;
        if (::acl_get_permset(eintrag, &rechte) == 0) // the entry's own, changed in place
            ::acl_delete_perm(rechte, ACL_EXECUTE);
    };
    acl_entry_t eintrag, gruppe = nullptr;
    bool mitMaske = false;
    for (int welcher = ACL_FIRST_ENTRY; ::acl_get_entry(liste, welcher, &eintrag) == 1;
         welcher = ACL_NEXT_ENTRY) {
        acl_tag_t art;
        if (::acl_get_tag_type(eintrag, &art) != 0)
            continue;
        if (art == ACL_USER_OBJ || art == ACL_OTHER || art == ACL_MASK)
            nimmWeg(eintrag);
        mitMaske |= art == ACL_MASK;
        if (art == ACL_GROUP_OBJ)
            gruppe = eintrag;
    }
    if (!mitMaske && gruppe != nullptr)
        nimmWeg(gruppe);
}

// Gives the new file `pfad` the rights the system gives any file made in its folder with the
// usual 0666: the folder's default access control list where it has one, which the
// file-creation mask does not touch, else those bits less the mask. Where the file system does
// not keep them, the file keeps those it was made with, which are never more. False when it
// cannot, also when the folder's list cannot be read: the file would get more than it allows.
bool GibRechteEinerNeuenDatei(int datei, const std::filesystem::path& pfad)
{
    const std::filesystem::path ordner = pfad.has_parent_path() ? pfad.parent_path() : ".";
    const Zugriffsliste liste(::acl_get_file(ordner.c_str(), ACL_TYPE_DEFAULT));
    if (liste == nullptr && errno != EOPNOTSUPP) // a list there that cannot be read
        return false;
    int ergebnis;
    if (liste == nullptr || ::acl_entries(liste.get()) <= 0) {
        ergebnis = ::fchmod(datei, 0666 & ~Erstellungsmaske());
    } else {
        NimmAusfuehrenWeg(liste.get());
        ergebnis = ::acl_set_fd(datei, liste.get());
    }
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
    const std::filesystem::path ordner = m_ziel.parent_path();
    const std::string name = ".~axo" + std::to_string(::getpid()) + "-";
    for (int nummer = 0; nummer < 100; ++nummer) {
        const std::filesystem::path pfad = ordner / (name + std::to_string(nummer));
        m_datei = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (m_datei >= 0) {
            m_pfad = pfad;
            return;
        }
        if (errno != EEXIST)
            break;
    }
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
        if (!GibRechteEinerNeuenDatei(m_datei, m_pfad)) {
            MerkeFehler();
            return false;
        }
    } else if (!UebernimmRechte(m_datei, m_bisher,
                                ListeOderBits(::acl_get_file(m_ziel.c_str(), ACL_TYPE_ACCESS),
                                              m_bisher.st_mode)))
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
