#include "platform/meldung.h"

#include <cstdio>

namespace {

MeldungsAusgabe& Ausgabe()
{
    static MeldungsAusgabe ausgabe;
    return ausgabe;
}

} // namespace

void ZeigeMeldung(const std::string& text, MeldungsArt art, const std::string& titel)
{
    if (Ausgabe())
        Ausgabe()({text, titel, art});
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

MeldungsAusgabe SetzeMeldungsAusgabe(MeldungsAusgabe ausgabe)
{
    MeldungsAusgabe vorher = std::move(Ausgabe());
    Ausgabe() = std::move(ausgabe);
    return vorher;
}
