#include "pages/seitenlogo.h"

namespace {

// Owned by the application object, which outlives every printed page.
const CDib* g_seitenlogo = nullptr;

} // namespace

void SetzeSeitenlogo(const CDib* logo)
{
    g_seitenlogo = logo;
}

const CDib* Seitenlogo()
{
    return g_seitenlogo;
}
