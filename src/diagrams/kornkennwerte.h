#pragma once
// Characteristic values of a grain-size distribution, evaluated from the chart data text of the
// grain-size diagram: sizes at fixed percentages of passing, passing at fixed sizes, the soil
// fractions, uniformity and curvature, two d10 coefficients and a weighted grain index. A value
// of -1 was not found.

#include <array>
#include <string>

struct CKornKennwerte
{
    // Sizes in mm at 10, 15, 17, 30, 50, 60 and 85 % passing.
    double d10 = -1, d15 = -1, d17 = -1, d30 = -1, d50 = -1, d60 = -1, d85 = -1;
    double beiwertD10U = -1;         // 0.8 · 0.0116 · U^-0.201 · d10²
    double beiwertD10 = -1;          // 0.0116 · d10²
    double ungleichfoermigkeit = -1; // U = d60 / d10
    double kruemmung = -1;           // d30² / (d60 · d10)
    // Passing in % at 0.002, 0.01, 0.2, 2, 63 and 0.063 mm.
    double durchgang0002 = -1, durchgang001 = -1, durchgang02 = -1, durchgang2 = -1,
           durchgang63 = -1, durchgang0063 = -1;
    // Fractions in %: below 0.002, 0.002 to 0.063, 0.063 to 2, 2 to 63 and above 63 mm.
    double tonanteil = -1, schluffanteil = -1, sandanteil = -1, kiesanteil = -1, steinanteil = -1;
    double kennzahl = -1; // weighted grain index
    std::array<unsigned char, 7> merker{};

    void InitKornKennwerte() { *this = CKornKennwerte{}; }
    // One segment of a grading curve from (x1, p1) to (x2, p2), x in log10 mm, p in %, rising:
    // sets the first d-value whose percentage it contains (linear in size) and the passing at each
    // fixed size within [x1, x2) (linear in log size).
    void BerechneKornKennwerteAbschnitt(double x1, double x2, double p1, double p2);
    // Clay, silt, sand and gravel fractions and the grain index from the passing values.
    void BerechneKornFraktionen();
};

// Evaluates rows 2/3 (sieve sizes and passing, one plain list each) and 10/12 (the fine
// fraction, largest size first): the sieve curve serves from the fine fraction's largest size
// upward, the fine curve below it.
void WerteKornverteilungAus(const std::string& daten, CKornKennwerte& werte);

// Advice on water addition from the values a, b and c and the texts of the natural water content,
// the temperature (15 °C when empty) and a further value: "", "Wnat?", "zu kalt!",
// "Wasserzugabe!", "nicht anwendbar" or the addition with two decimals.
std::string PruefeWasserzugabe(double a, double b, const std::string& wassergehalt,
                               const std::string& temperatur, const std::string& weitererWert,
                               double c);
