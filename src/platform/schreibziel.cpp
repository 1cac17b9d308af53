#include "platform/schreibziel.h"

#include <sys/stat.h>
#include <system_error>

bool IstFreiOderRegulaer(const std::filesystem::path& pfad)
{
    // A path that cannot be looked at (a folder without search permission, one through a file)
    // is left to the open, which fails there as it should.
    struct stat info;
    return ::stat(pfad.c_str(), &info) != 0 || S_ISREG(info.st_mode);
}

bool IstDieselbeDatei(const std::filesystem::path& pfad, const std::filesystem::path& andere)
{
    std::error_code fehler;
    return !pfad.empty() && !andere.empty() && std::filesystem::equivalent(pfad, andere, fehler);
}
