#include "platform/zwischendatei.h"

#include "platform/schreibziel.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

CZwischendatei::CZwischendatei(const std::filesystem::path& ziel) : m_ziel(Verweisziel(ziel))
{
    for (int nummer = 0; m_datei < 0 && nummer < 100; ++nummer) {
        m_pfad = m_ziel;
        m_pfad += ".~" + std::to_string(::getpid()) + "-" + std::to_string(nummer);
        m_datei = ::open(m_pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_datei < 0 && errno != EEXIST)
            return;
    }
    struct stat bisher;
    if (m_datei >= 0 && ::stat(m_ziel.c_str(), &bisher) == 0)
        ::fchmod(m_datei, bisher.st_mode & 07777);
}

CZwischendatei::~CZwischendatei()
{
    if (m_datei >= 0) {
        ::close(m_datei);
        ::unlink(m_pfad.c_str());
    }
}

bool CZwischendatei::Ersetze()
{
    // The descriptor was open before anything was written, so its sync reports every write that
    // has not reached the disk, also one made through another descriptor.
    const bool gesichert = ::fsync(m_datei) == 0;
    const bool geschlossen = ::close(m_datei) == 0;
    m_datei = -1;
    // What has meanwhile taken the destination's place and is no file keeps it.
    if (gesichert && geschlossen && IstFreiOderRegulaer(m_ziel) &&
        ::rename(m_pfad.c_str(), m_ziel.c_str()) == 0)
        return true;
    ::unlink(m_pfad.c_str());
    return false;
}
