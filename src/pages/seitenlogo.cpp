#include "pages/seitenlogo.h"

#include "report/dib.h"

#include <new>

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

void ZeichneSeitenlogo(CDC& dc, const RECT& ziel)
{
    const CDib* logo = Seitenlogo();
    if (!logo || logo->IstLeer())
        return;
    const RECT quelle{0, 0, logo->Breite(), logo->Hoehe()};
    // A page without the logo it should carry is not printed as if it were whole.
    if (logo->Zeichne(&dc, &ziel, &quelle) == 0)
        throw std::bad_alloc();
}
