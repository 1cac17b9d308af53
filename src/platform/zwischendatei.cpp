#include "platform/zwischendatei.h"

#include "platform/dateien.h"
#include "platform/schreibziel.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void UebernimmBesitzUndRechte(int datei, const struct stat& bisher)
{
    // Where the process may not give the file away, it stays the process's own, as a new one.
    [[maybe_unused]] const bool uebergeben = ::fchown(datei, bisher.st_uid, bisher.st_gid) == 0;
    // The permission bits only: set-ID bits would make a program of a printed file.
    ::fchmod(datei, bisher.st_mode & 0777);
}

} // namespace

CZwischendatei::CZwischendatei(const std::filesystem::path& ziel, InGeschuetztemOrdner geschuetzt)
    : m_ziel(Verweisziel(ziel))
{
    struct stat bisher;
    const bool vorhanden = ::stat(m_ziel.c_str(), &bisher) == 0;
    // A destination that cannot be looked at (a link loop, a path too long) cannot be written.
    if (!vorhanden && errno != ENOENT) {
        MerkeFehler();
        return;
    }
    LegeDanebenAn();
    if (m_datei >= 0) {
        if (vorhanden)
            UebernimmBesitzUndRechte(m_datei, bisher);
        return;
    }
    if (m_fehlernummer == EACCES && vorhanden && S_ISREG(bisher.st_mode) &&
        geschuetzt == InGeschuetztemOrdner::ZielSelbstSchreiben) {
        m_fehlernummer = 0;
        m_datei = ::open(m_ziel.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        m_zielSelbst = m_datei >= 0;
        if (!m_zielSelbst)
            MerkeFehler();
    }
}

CZwischendatei::~CZwischendatei()
{
    if (m_datei < 0)
        return;
    ::close(m_datei);
    if (!m_zielSelbst)
        ::unlink(m_pfad.c_str());
}

void CZwischendatei::LegeDanebenAn()
{
    const std::filesystem::path ordner = m_ziel.parent_path();
    const std::string name = ".~axo" + std::to_string(::getpid()) + "-";
    for (int nummer = 0; m_datei < 0 && nummer < 100; ++nummer) {
        m_pfad = ordner / (name + std::to_string(nummer));
        m_datei = ::open(m_pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_datei < 0 && errno != EEXIST)
            break;
    }
    if (m_datei < 0)
        MerkeFehler();
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
    if (SchreibeVoll(m_datei, bytes))
        return true;
    MerkeFehler();
    return false;
}

bool CZwischendatei::Ersetze()
{
    // The descriptor was open before anything was written, so its sync reports every write that
    // has not reached the disk, also one made through another descriptor.
    if (::fsync(m_datei) != 0)
        MerkeFehler();
    if (::close(m_datei) != 0)
        MerkeFehler();
    m_datei = -1;
    if (m_zielSelbst)
        return m_fehlernummer == 0;
    // What has meanwhile taken the destination's place and is no file keeps it.
    if (m_fehlernummer == 0 && IstFreiOderRegulaer(m_ziel)) {
        if (::rename(m_pfad.c_str(), m_ziel.c_str()) == 0)
            return true;
        MerkeFehler();
    }
    ::unlink(m_pfad.c_str());
    return false;
}
