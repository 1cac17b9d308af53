#pragma once
// Caption rows of the summary table, one per measurement-list kind. Word 0 is the kind number (in
// decimal), words 1 and 2 the group heads over the result columns 10-18 and 19-24, words 3-8 the
// sub-heads, words 9-23 the symbols and words 24-38 the units of the result columns 10-24.
// Captions may carry mark-up.

#include "data/messungsspalten.h"

#include <array>
#include <string>

inline constexpr int kWorteJeSpaltentextzeile = 39;
using Spaltentextzeile = std::array<std::string, kWorteJeSpaltentextzeile>;

extern const std::array<Spaltentextzeile, kAnzahlListenarten> ZusammenstellungSpaltentexte;
