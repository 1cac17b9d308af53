#include "platform/schreibziel.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>

bool IstFreiOderRegulaer(const std::filesystem::path& pfad)
{
    struct stat info;
    return ::stat(pfad.c_str(), &info) == 0 ? S_ISREG(info.st_mode) : errno == ENOENT;
}

bool IstDieselbeDatei(const std::filesystem::path& pfad, const std::filesystem::path& andere)
{
    std::error_code fehler;
    return !pfad.empty() && !andere.empty() && std::filesystem::equivalent(pfad, andere, fehler);
}
