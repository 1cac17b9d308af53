#include "report/firmenlogo.h"

#include "platform/dateien.h"
#include "report/dib.h"

#include <vector>

namespace {

const std::string Standardname = "axo.sys";

// "axo????.sys" in the Windows sense, where a "?" before the dot may also match nothing:
// "axo", up to four characters, ".sys".
bool IstLogoName(const std::filesystem::path& name)
{
    return PfadAlsText(name).size() <= Standardname.size() + 4;
}

} // namespace

std::filesystem::path FindeLogoDatei(const std::filesystem::path& ordner)
{
    // Only the exact default name stands back, so "AXO.SYS" beside it counts as a numbered file.
    std::vector<std::filesystem::path> treffer = SucheDateien(ordner, "axo*.sys");
    std::erase_if(treffer, [](const std::filesystem::path& name) { return !IstLogoName(name); });
    std::filesystem::path name = Standardname;
    if (!treffer.empty() && treffer[0] != Standardname)
        name = treffer[0];
    else if (treffer.size() > 1)
        name = treffer[1];
    return ordner / name;
}

bool LadeFirmenlogo(CDib& logo)
{
    logo.LadeLogoDatei(FindeLogoDatei(ProgrammOrdner()));
    return !logo.IstLeer();
}
