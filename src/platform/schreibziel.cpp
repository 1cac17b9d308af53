#include "platform/schreibziel.h"

#include <algorithm>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

// Every file loaded as a project in this run, by the name it was loaded under; compared as files
// when asked, so that a link to one or another hard link of it counts too.
std::vector<std::filesystem::path> g_nurGelesen;
Projekterkennung g_projekterkennung = nullptr;

} // namespace

bool IstFreiOderRegulaer(const std::filesystem::path& pfad)
{
    // A path that cannot be looked at (a folder without search permission, one through a file)
    // is left to the open, which fails there as it should.
    struct stat info;
    return ::stat(pfad.c_str(), &info) != 0 || S_ISREG(info.st_mode);
}

bool IstFremderVerweis(const std::filesystem::path& pfad)
{
    constexpr mode_t kOffenUndKlebend = S_ISVTX | S_IWOTH;
    struct stat verweis, ordner;
    const std::filesystem::path eltern = pfad.has_parent_path() ? pfad.parent_path() : ".";
    return ::lstat(pfad.c_str(), &verweis) == 0 && S_ISLNK(verweis.st_mode) &&
           ::stat(eltern.c_str(), &ordner) == 0 &&
           (ordner.st_mode & kOffenUndKlebend) == kOffenUndKlebend &&
           verweis.st_uid != ::geteuid() && verweis.st_uid != ordner.st_uid;
}

std::filesystem::path Verweisziel(const std::filesystem::path& pfad)
{
    constexpr int kHoechsteTiefe = 40; // as the kernel follows them
    std::filesystem::path ziel = pfad;
    std::error_code fehler;
    for (int tiefe = 0; tiefe < kHoechsteTiefe && std::filesystem::is_symlink(ziel, fehler) &&
                        !IstFremderVerweis(ziel);
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

void MerkeNurGeleseneDatei(const std::filesystem::path& pfad)
{
    if (!pfad.empty() &&
        std::find(g_nurGelesen.begin(), g_nurGelesen.end(), pfad) == g_nurGelesen.end())
        g_nurGelesen.push_back(pfad);
}

void VergissNurGeleseneDateien()
{
    g_nurGelesen.clear();
}

bool IstNurGeleseneDatei(const std::filesystem::path& pfad)
{
    return std::any_of(g_nurGelesen.begin(), g_nurGelesen.end(),
                       [&pfad](const std::filesystem::path& datei) {
                           return IstDieselbeDatei(pfad, datei);
                       }) ||
           (g_projekterkennung != nullptr && g_projekterkennung(pfad));
}

void SetzeProjekterkennung(Projekterkennung erkennung)
{
    g_projekterkennung = erkennung;
}
