#pragma once
// Varied but reproducible values, and the laboratory's one way of rounding and printing them.

#include <array>
#include <cstddef>
#include <functional>
#include <iterator>
#include <string>

namespace muster {

// A number in [0, 1) that depends only on its arguments.
double Streuwert(int nummer, int index, int art);

template <size_t N>
const char* Auswahl(const std::array<const char*, N>& texte, int nummer, int art)
{
    return texte[static_cast<size_t>(Streuwert(nummer, 0, art) * N)];
}

// A value rounded as the report prints it, half up on the decimal value.
double Gerundet(double wert, int stellen);

// The mean of the values, or of what `wert` reads from each element, unrounded.
template <typename Liste, typename Projektion = std::identity>
double Mittel(const Liste& liste, Projektion wert = {})
{
    double summe = 0;
    for (const auto& element : liste)
        summe += std::invoke(wert, element);
    return summe / static_cast<double>(std::size(liste));
}

// The value rounded and printed with that many decimals; with the decimal comma of running text.
std::string Text(double wert, int stellen);
std::string Komma(double wert, int stellen);

} // namespace muster
