#pragma once
// While it lives, no file of this process grows beyond `hoechstens` bytes: a write past it fails
// as on a full disk, instead of ending the process.

#include <csignal>
#include <sys/resource.h>

class CDateigrenze
{
public:
    explicit CDateigrenze(rlim_t hoechstens) : m_signal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        const rlimit grenze{hoechstens, m_vorher.rlim_max};
        setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~CDateigrenze()
    {
        setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }
    CDateigrenze(const CDateigrenze&) = delete;
    CDateigrenze& operator=(const CDateigrenze&) = delete;

private:
    rlimit m_vorher{};
    void (*m_signal)(int);
};
