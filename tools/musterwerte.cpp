// Varied but reproducible values, and the laboratory's one way of rounding and printing them.

#include "musterwerte.h"

#include "data/textfunktionen.h"
#include "platform/text.h"

#include <cmath>
#include <cstdint>

namespace muster {

// A number in [0, 1) that depends only on its arguments.
double Streuwert(int nummer, int index, int art)
{
    uint32_t x = static_cast<uint32_t>(nummer) * 2654435761u ^
                 static_cast<uint32_t>(index) * 40503u ^ static_cast<uint32_t>(art) * 2246822519u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return (x % 10000) / 10000.0;
}

// A raw value is what was weighed or read, to the digits the report prints; a result is computed
// from the raw values unrounded and rounded only where it is printed. Rounding is half up on the
// decimal value: 0.95 × 1.910 is 1.8145 on paper and prints 1.815, whatever the binary fraction
// of the product holds.
double Gerundet(double wert, int stellen)
{
    const double faktor = std::pow(10.0, stellen);
    return std::floor(wert * faktor + 0.5 + 1e-6) / faktor;
}

std::string Text(double wert, int stellen)
{
    return StringFormat("%.*f", stellen, Gerundet(wert, stellen));
}

// A number with the decimal comma of running text.
std::string Komma(double wert, int stellen)
{
    return StringMitErsetzung(Text(wert, stellen), ".", ",");
}

} // namespace muster
