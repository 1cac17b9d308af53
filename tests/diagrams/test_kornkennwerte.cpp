#include "diagrams/kornkennwerte.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A sandy gravel: sieve sizes 0.063 to 63 mm, and the sedimentation of its fines (largest
// size first) down to 0.002 mm.
const std::string sieblinie = "||0.063@0.125@0.25@0.5@1@2@4@8@16@31.5@63|"
                              "4.2@7.9@14.6@23.8@32.5@41@52.3@65.8@81.4@96.2@100";
const std::string feinanteil = "|||||||0.06@0.03@0.02@0.01@0.006@0.002||4.1@3.4@3.0@2.3@1.8@1.1";

CKornKennwerte Werte(const std::string& daten)
{
    CKornKennwerte werte;
    werte.d10 = 123; // overwritten by the reset
    WerteKornverteilungAus(daten, werte);
    return werte;
}

} // namespace

TEST(KornKennwerte, ASegmentSetsItsFirstPercentageAndThePassingAtSizesItStartsOrContains)
{
    CKornKennwerte w;
    // 8 % to 20 % between 0.1 and 0.2 mm: d10 only, linear in size; 0.2 mm is the segment's
    // end and not its own.
    w.BerechneKornKennwerteAbschnitt(-1, std::log10(0.2), 8, 20);
    EXPECT_NEAR(w.d10, 0.2 - 0.1 * 10 / 12.00001, 1e-12);
    EXPECT_EQ(w.d15, -1);
    EXPECT_EQ(w.d17, -1);
    EXPECT_EQ(w.durchgang02, -1);

    // 0.063 mm inside a segment from 0.05 to 0.1 mm: linear in log size.
    w.BerechneKornKennwerteAbschnitt(std::log10(0.05), -1, 3, 8);
    EXPECT_NEAR(w.durchgang0063, 4.6671, 1e-4);
    EXPECT_NEAR(w.d10, 0.116667, 1e-6); // untouched

    // A segment starting on 2 mm takes it; a later segment with the same percentage overwrites.
    w.BerechneKornKennwerteAbschnitt(std::log10(2), std::log10(4), 40, 60);
    EXPECT_DOUBLE_EQ(w.durchgang2, 40);
    EXPECT_NEAR(w.d50, 4 - 2 * 10 / 20.00001, 1e-12);
    w.BerechneKornKennwerteAbschnitt(std::log10(4), std::log10(8), 50, 70);
    EXPECT_NEAR(w.d50, 4.0, 1e-4);
    EXPECT_EQ(w.d60, -1);
}

TEST(KornKennwerte, FractionsAndIndexFromThePassingValues)
{
    CKornKennwerte w;
    w.durchgang0063 = 30;
    w.steinanteil = 7; // left as it is
    w.BerechneKornFraktionen();
    EXPECT_EQ(w.sandanteil, 70); // no passing at 2 mm: up to 100
    EXPECT_EQ(w.tonanteil, -1);
    EXPECT_EQ(w.schluffanteil, -1);
    EXPECT_EQ(w.kiesanteil, -1);
    EXPECT_EQ(w.kennzahl, -1);
    EXPECT_EQ(w.steinanteil, 7);

    w.durchgang2 = 100;
    w.durchgang63 = 100;
    w.BerechneKornFraktionen();
    EXPECT_EQ(w.kiesanteil, 0);
    EXPECT_EQ(w.sandanteil, 70);
    w.durchgang2 = 40;
    w.durchgang63 = -1;
    w.BerechneKornFraktionen();
    EXPECT_EQ(w.kiesanteil, 60);
    EXPECT_EQ(w.sandanteil, 10);

    w.durchgang0002 = 5;
    w.durchgang001 = 10;
    w.durchgang02 = 25;
    w.BerechneKornFraktionen();
    EXPECT_EQ(w.tonanteil, 5);
    EXPECT_EQ(w.schluffanteil, 25);
    EXPECT_NEAR(w.kennzahl, 1 + 5.0 / 7 + 5 + 60 / 2.5, 1e-12);

    w.InitKornKennwerte();
    EXPECT_EQ(w.steinanteil, -1);
    EXPECT_EQ(w.kruemmung, -1);
    EXPECT_EQ(w.merker, (std::array<unsigned char, 7>{}));
}

TEST(KornKennwerte, SieveAndFineCurveShareTheSizeAxisAtTheFinestSieve)
{
    const CKornKennwerte w = Werte(sieblinie + feinanteil);
    // d-values between the sieves they fall between.
    EXPECT_GT(w.d10, 0.125);
    EXPECT_LT(w.d10, 0.25);
    EXPECT_GT(w.d30, 0.5);
    EXPECT_LT(w.d30, 1);
    EXPECT_GT(w.d60, 4);
    EXPECT_LT(w.d60, 8);
    EXPECT_DOUBLE_EQ(w.ungleichfoermigkeit, w.d60 / w.d10);
    EXPECT_DOUBLE_EQ(w.kruemmung, w.d30 * w.d30 / w.d60 / w.d10);
    EXPECT_DOUBLE_EQ(w.beiwertD10, 0.0116 * w.d10 * w.d10);
    EXPECT_NEAR(w.beiwertD10U,
                0.8 * 0.0116 * std::pow(w.ungleichfoermigkeit, -0.201) * w.d10 * w.d10, 1e-15);
    // The fine curve below 0.06 mm, the sieve curve above, each through its own points.
    EXPECT_NEAR(w.durchgang0002, 1.1, 0.01);
    EXPECT_NEAR(w.durchgang001, 2.3, 0.01);
    EXPECT_NEAR(w.durchgang0063, 4.2, 0.01);
    EXPECT_NEAR(w.durchgang2, 41, 0.05);
    EXPECT_NEAR(w.tonanteil, 1.1, 0.01);
    EXPECT_NEAR(w.schluffanteil, 3.1, 0.02);
    EXPECT_NEAR(w.kiesanteil, 59, 0.05);
    // The extrapolated end overshoots 100 % before 63 mm: the walk stops, no stones value.
    EXPECT_EQ(w.durchgang63, -1);
    EXPECT_EQ(w.steinanteil, -1);
    EXPECT_GT(w.kennzahl, 0);
}

TEST(KornKennwerte, MissingValuesStayUnsetOrComeFromThePassingAt02Millimetre)
{
    EXPECT_EQ(Werte("").d10, -1);
    EXPECT_EQ(Werte("").kennzahl, -1);

    // A fine fraction that ends above 0.01 mm: clay and fine silt estimated from 0.2 mm.
    const CKornKennwerte geschaetzt = Werte(sieblinie + "|||||||0.06@0.03||4.1@3.4");
    ASSERT_GT(geschaetzt.durchgang02, 0);
    EXPECT_DOUBLE_EQ(geschaetzt.durchgang0002, geschaetzt.durchgang02 / 5);
    EXPECT_DOUBLE_EQ(geschaetzt.durchgang001, geschaetzt.durchgang02 * 0.5);
    EXPECT_GT(geschaetzt.kennzahl, 0);

    // A jump from 5 % to 45 % within one sample step: d10 is found, d15 to d30 are not, so
    // there is no curvature (rather than d30 = -1 squared).
    const CKornKennwerte sprung = Werte("||0.1@0.1005@1@10|5@45@70@100");
    EXPECT_GT(sprung.d10, 0);
    EXPECT_GT(sprung.d60, 0);
    EXPECT_EQ(sprung.d30, -1);
    EXPECT_GT(sprung.ungleichfoermigkeit, 0);
    EXPECT_EQ(sprung.kruemmung, -1);

    // A curve that stays at 100 % never stops the walk: it ends with the curve's own samples.
    const CKornKennwerte voll = Werte("||0.5@1@2@4|20@60@100@100");
    EXPECT_DOUBLE_EQ(voll.durchgang63, 100);
    EXPECT_DOUBLE_EQ(voll.steinanteil, 0);
    for (double p : {voll.durchgang0002, voll.durchgang001, voll.durchgang02, voll.durchgang2,
                     voll.durchgang0063})
        EXPECT_TRUE(p == -1 || (p >= 0 && p <= 100)) << p;

    // A sand: the walk ends with the curve's own samples, short of 63 mm, so there are no stones.
    const CKornKennwerte sand = Werte("||0.063@0.125@0.25@1@2|5@35@65@100@100");
    EXPECT_EQ(sand.durchgang63, -1);
    EXPECT_EQ(sand.steinanteil, -1);
}

TEST(KornKennwerte, WaterAdditionAdvice)
{
    // Checks in order: the first value, the water content, the temperature, the water needed.
    EXPECT_EQ(PruefeWasserzugabe(0.9, 0.1, "", "-5", "", 1), "");
    EXPECT_EQ(PruefeWasserzugabe(1, 0.1, "", "15", "", 1), "Wnat?");
    EXPECT_EQ(PruefeWasserzugabe(1, 0.1, "0.12", "-1", "", 1), "zu kalt!");
    EXPECT_EQ(PruefeWasserzugabe(1, 0.15, "0.12", "15", "", 1), "Wasserzugabe!");
    // The further value adds 0.001 · V / A to the water content.
    EXPECT_EQ(PruefeWasserzugabe(2, 0.15, "0.12", "15", "40", 1), "Wasserzugabe!");
    EXPECT_NE(PruefeWasserzugabe(2, 0.15, "0.12", "15", "80", 1), "Wasserzugabe!");

    // The curves cross at h = 0.975: the first hundredth past it.
    EXPECT_EQ(PruefeWasserzugabe(1, 0.1, "0.12", "15", "", 1), "0.98");
    EXPECT_EQ(PruefeWasserzugabe(1, 0.1, "0,12", "", "", 1), "0.98"); // 15 °C when empty
    // Crossed already at 0: the fine search starts one step below.
    EXPECT_EQ(PruefeWasserzugabe(1, 0.1, "0.12", "15", "", 20), "-0.10");
    // No crossing up to 25.
    EXPECT_EQ(PruefeWasserzugabe(1, 0.1, "0.5", "15", "", 0), "nicht anwendbar");
}
