#include "platform/qtext.h"
#include "platform/text.h"

#include <gtest/gtest.h>

TEST(Cp1252, AllBytesSurviveTheRoundTripThroughQString)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString q = AusCp1252(all);
    ASSERT_EQ(q.size(), 256);
    EXPECT_EQ(q.at(0x80), QChar(0x20AC)); // €
    EXPECT_EQ(q.at(0x9F), QChar(0x0178)); // Ÿ
    EXPECT_EQ(q.at(0xE4), QChar(0x00E4)); // ä
    EXPECT_EQ(NachCp1252(q), all);
    EXPECT_EQ(NachCp1252(QString::fromUtf16(u"\u4E2D")), "?");
}

TEST(Cp1252, NarrowLiteralsAreCompiledAsCp1252)
{
    const std::string text = "Baumaßnahme";
    EXPECT_EQ(text.size(), 11u);
    EXPECT_EQ(AusCp1252(text), QString::fromUtf16(u"Baumaßnahme"));
}

TEST(Cp1252, CaseMappingFollowsUnicodeForEveryByte)
{
    EXPECT_EQ(GrossSchreiben("äöü straße šÿ"), "ÄÖÜ STRAßE ŠŸ");
    EXPECT_EQ(GrossSchreiben("÷×"), "÷×");
    EXPECT_EQ(KleinSchreiben("ÄÖÜ ŠŸ"), "äöü šÿ");

    // Every byte against Unicode's own case mapping: a letter whose other case CP1252 lacks, or
    // which has none of one character ("ß", "µ"), stays as it is.
    for (int b = 0; b < 256; ++b) {
        const std::string zeichen(1, static_cast<char>(b));
        const auto Erwartet = [&](const QString& abgebildet) {
            const std::string zurueck = NachCp1252(abgebildet);
            return zurueck.size() == 1 && AusCp1252(zurueck) == abgebildet ? zurueck[0]
                                                                           : zeichen[0];
        };
        EXPECT_EQ(KleinZeichen(zeichen[0]), Erwartet(AusCp1252(zeichen).toLower())) << b;
        EXPECT_EQ(GrossZeichen(zeichen[0]), Erwartet(AusCp1252(zeichen).toUpper())) << b;
    }
}

TEST(StringFormat, PrintsWithDecimalPointUnderAGermanLocale)
{
    // The application may run with LC_ALL taken from a German environment.
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    ASSERT_NE(german, nullptr) << "scripts/setup generates the de_DE.UTF-8 locale";
    char direct[32];
    std::snprintf(direct, sizeof direct, "%.1f", 12.5);
    EXPECT_STREQ(direct, "12,5"); // proves the locale is in effect
    EXPECT_EQ(StringFormat("%.1f", 12.5), "12.5");
    EXPECT_EQ(StringFormat("%010.4f|%g|%02d|%s", 3.14159, 0.5, 7, "x"), "00003.1416|0.5|07|x");
    EXPECT_DOUBLE_EQ(StringZuDoubleC("12.5"), 12.5);
    std::setlocale(LC_ALL, "C");
}
