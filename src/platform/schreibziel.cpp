#include "platform/schreibziel.h"

#include <algorithm>
#include <sys/stat.h>
#include <system_error>
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
