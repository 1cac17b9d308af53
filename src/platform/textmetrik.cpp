#include "platform/textmetrik.h"

#include <cstdlib>

namespace {

int Zellhoehe(const LOGFONT& schrift)
{
    return schrift.lfHeight == 0 ? 300 : std::abs(schrift.lfHeight);
}

} // namespace

SCHRIFTZELLE CFesteTextMetrik::Zelle(const LOGFONT& schrift) const
{
    const int hoehe = Zellhoehe(schrift);
    SCHRIFTZELLE zelle;
    zelle.aufstieg = hoehe * 4 / 5;
    zelle.abstieg = hoehe - zelle.aufstieg;
    zelle.em = hoehe;
    return zelle;
}

double CFesteTextMetrik::Breite(const LOGFONT& schrift, std::string_view text) const
{
    return double(Zellhoehe(schrift) * m_promille / 1000) * double(text.size());
}
