#include "report/firmenlogo.h"

#include "platform/dateien.h"
#include "platform/text.h"
#include "report/dib.h"

namespace {

const std::string Standardname = "axo.sys";

// "axo????.sys" in the Windows sense, where a "?" before the dot may also match nothing:
// "axo", up to four characters, ".sys".
bool IstLogoName(const std::string& name)
{
    return name.size() <= Standardname.size() + 4;
}

} // namespace

std::string FindeLogoDatei(const std::string& ordner)
{
    // Names compare without regard to case, as on the file systems the logo files come from.
    std::string standard = Standardname;
    for (const std::string& name : SucheDateien(ordner, "axo*.sys")) {
        if (!IstLogoName(name))
            continue;
        if (GrossSchreiben(name) != GrossSchreiben(Standardname))
            return ordner + "/" + name;
        standard = name;
    }
    return ordner + "/" + standard;
}

bool LadeFirmenlogo(CDib& logo)
{
    logo.LadeLogoDatei(FindeLogoDatei(ProgrammOrdner()));
    return !logo.IstLeer();
}
