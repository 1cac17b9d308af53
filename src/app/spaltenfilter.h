#pragma once
// Column filters of the measurement list: one filter text per column, "" for none.

#include <array>
#include <string>

inline constexpr int kAnzahlFilterspalten = 19;
using Filterspalten = std::array<std::string, kAnzahlFilterspalten>;
