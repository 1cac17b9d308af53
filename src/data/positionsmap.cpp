#include "data/positionsmap.h"

#include <algorithm>
#include <cstdint>

CPositionsMap::Iterator::Iterator(const Faecher* faecher, int fach)
    : m_faecher(faecher), m_fach(fach), m_rest(0)
{
    if (m_fach < kFaecher)
        m_rest = (*m_faecher)[m_fach].size();
    UeberspringeLeere();
}

void CPositionsMap::Iterator::UeberspringeLeere()
{
    while (m_rest == 0 && m_fach < kFaecher) {
        ++m_fach;
        m_rest = m_fach < kFaecher ? (*m_faecher)[m_fach].size() : 0;
    }
}

CPositionsMap::Iterator& CPositionsMap::Iterator::operator++()
{
    --m_rest;
    UeberspringeLeere();
    return *this;
}

int CPositionsMap::Fach(long position)
{
    return static_cast<int>((static_cast<uint32_t>(position) >> 4) % kFaecher);
}

void CPositionsMap::Setze(long position, std::string_view text)
{
    std::vector<Eintrag>& kette = m_faecher[Fach(position)];
    if (position <= m_groesstePosition) {
        for (Eintrag& e : kette) {
            if (e.position == position) {
                e.text = text;
                return;
            }
        }
    }
    m_groesstePosition = std::max(m_groesstePosition, position);
    kette.push_back({position, text});
}

const std::string_view* CPositionsMap::Finde(long position) const
{
    for (const Eintrag& e : m_faecher[Fach(position)]) {
        if (e.position == position)
            return &e.text;
    }
    return nullptr;
}

size_t CPositionsMap::Anzahl() const
{
    size_t anzahl = 0;
    for (const auto& kette : m_faecher)
        anzahl += kette.size();
    return anzahl;
}
