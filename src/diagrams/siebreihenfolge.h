#pragma once
// The order in which the grain-size page prints the 18 sieve cells of its table data.

#include <array>

constexpr std::array<int, 18> Siebreihenfolge = {6, 10, 11, 12, 13, 14, 15, 16, 1,
                                                 0, 2,  3,  4,  5,  17, 7,  8,  9};

// Entry `index` (0 .. 17) of the table; any other index raises CInvalidArgException.
int HoleSiebReihenfolge(int index);
