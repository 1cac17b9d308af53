#pragma once
// Captions the protocol list and the measurement filter share: columns 2 to 18 show the title
// and the protocol's header fields.

#include <algorithm>
#include <array>
#include <cstddef>

inline constexpr std::size_t kErsteKopfspalte = 2;
inline constexpr std::array<const char*, 17> kKopfspaltenNamen = {"Titel",
                                                                  "Bereich/Bauabschnitt",
                                                                  "Station/Profil",
                                                                  "Schicht/Höhe",
                                                                  "Lage zur Achse",
                                                                  "Bodenart",
                                                                  "Bodenherkunft",
                                                                  "Bodenzustand",
                                                                  "",
                                                                  "Protokoll-Nr.",
                                                                  "Prüfdatum",
                                                                  "von",
                                                                  "bis",
                                                                  "Prüfer",
                                                                  "Bearbeiter",
                                                                  "",
                                                                  ""};

// A caption table of N columns: the two given first, then the shared ones, "" after them.
template <std::size_t N>
constexpr std::array<const char*, N> MitKopfspalten(const char* spalte0, const char* spalte1)
{
    static_assert(N >= kErsteKopfspalte + kKopfspaltenNamen.size());
    std::array<const char*, N> namen{};
    namen.fill("");
    namen[0] = spalte0;
    namen[1] = spalte1;
    std::copy(kKopfspaltenNamen.begin(), kKopfspaltenNamen.end(), namen.begin() + kErsteKopfspalte);
    return namen;
}
