#include "diagrams/siebreihenfolge.h"

#include "platform/exceptions.h"

#include <string>

int HoleSiebReihenfolge(int index)
{
    if (index < 0 || index >= static_cast<int>(Siebreihenfolge.size()))
        throw CInvalidArgException("Siebindex " + std::to_string(index) + " gibt es nicht");
    return Siebreihenfolge[static_cast<std::size_t>(index)];
}
