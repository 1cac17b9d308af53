#include "platform/schreibziel.h"

#include <sys/stat.h>
#include <system_error>

namespace {

std::filesystem::path g_nurGelesen;

} // namespace

bool IstFreiOderRegulaer(const std::filesystem::path& pfad)
{
    // A path that cannot be looked at (a folder without search permission, one through a file)
    // is left to the open, which fails there as it should.
    struct stat info;
    return ::stat(pfad.c_str(), &info) != 0 || S_ISREG(info.st_mode);
}

std::filesystem::path Verweisziel(const std::filesystem::path& pfad)
{
    constexpr int kHoechsteTiefe = 40; // as the kernel follows them
    std::filesystem::path ziel = pfad;
    std::error_code fehler;
    for (int tiefe = 0; tiefe < kHoechsteTiefe && std::filesystem::is_symlink(ziel, fehler);
         ++tiefe) {
        const std::filesystem::path verweis = std::filesystem::read_symlink(ziel, fehler);
        if (fehler)
            break;
        ziel = verweis.is_absolute() ? verweis : ziel.parent_path() / verweis;
    }
    return ziel;
}

bool IstDieselbeDatei(const std::filesystem::path& pfad, const std::filesystem::path& andere)
{
    std::error_code fehler;
    return !pfad.empty() && !andere.empty() && std::filesystem::equivalent(pfad, andere, fehler);
}

void SetzeNurGeleseneDatei(const std::filesystem::path& pfad)
{
    g_nurGelesen = pfad;
}

bool IstNurGeleseneDatei(const std::filesystem::path& pfad)
{
    return IstDieselbeDatei(pfad, g_nurGelesen);
}
