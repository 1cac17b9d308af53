#include "report/druckseitenverwaltung.h"

#include "platform/exceptions.h"
#include "platform/text.h"

void CDruckseitenVerwaltung::AlleEntfernen()
{
    m_seiten.clear();
    m_versuche.clear();
}

void CDruckseitenVerwaltung::FuegeVersuchHinzu(std::unique_ptr<CVirtVersuch> versuch)
{
    const int seiten = versuch->HoleSeitenzahl();
    if (seiten <= 0)
        return;
    for (int lokaleSeite = 1; lokaleSeite <= seiten; ++lokaleSeite)
        m_seiten.push_back({versuch.get(), lokaleSeite});
    m_versuche.push_back(std::move(versuch));
}

void CDruckseitenVerwaltung::DruckeSeite(int seite, CDC* dc, RECT seitenRechteck)
{
    if (seite < 1 || seite > GetSeitenzahl())
        throw CInvalidArgException(StringFormat("Druckseite %d gibt es nicht", seite));
    const SEITENINFO& info = m_seiten[std::size_t(seite - 1)];
    info.versuch->Drucken(info.lokaleSeite, dc, seitenRechteck);
}
