#include "data/textfunktionen.h"
#include "platform/umgebungsvariable.h"

#include <climits>
#include <clocale>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

TEST(Felder, OutOfRangeFieldsAreEmptyAndTheLastFieldRunsToTheEnd)
{
    EXPECT_EQ(StringHoleFeld("a|b|c", '|', 2), "c");
    EXPECT_EQ(StringHoleFeld("a|b|c", '|', 3), "");
    EXPECT_EQ(StringHoleFeld("a|b|c", '|', -1), "");
    EXPECT_EQ(StringHoleFeld("", '|', 0), "");
    EXPECT_EQ(StringHoleFeld("a||", '|', 1), "");
    EXPECT_EQ(StringHoleFeldAt("x@y", 1), "y");

    int laenge = -1;
    EXPECT_EQ(StringSucheFeld("ab|cde", '|', 1, laenge), 3);
    EXPECT_EQ(laenge, 3);
    StringSucheFeld("ab|cde", '|', 5, laenge);
    EXPECT_EQ(laenge, 0);

    // The buffer search looks no further than its limit.
    const char* puffer = "ab|cd|ef";
    const char* start = StringSucheFeldImPuffer(puffer, 4, '|', 1, laenge);
    EXPECT_EQ(start, puffer + 3);
    EXPECT_EQ(laenge, 1);
    EXPECT_EQ(StringSucheFeldImPuffer(puffer, 4, '|', -2, laenge), puffer);
    EXPECT_EQ(laenge, 0);
    StringSucheFeldImPuffer(puffer, 4, '|', 2, laenge);
    EXPECT_EQ(laenge, 0);
}

TEST(Felder, TokensSplitAtWholeSeparatorTexts)
{
    EXPECT_EQ(StringHoleToken("a||b", "|", 1), "");
    EXPECT_EQ(StringHoleToken("a||b", "|", 2), "b");
    EXPECT_EQ(StringHoleToken("a--b--c", "--", 1), "b");
    EXPECT_EQ(StringHoleToken("a--b", "--", 2), "");
    EXPECT_EQ(StringHoleToken("a--b", "--", -1), "");
    // An empty separator must not hang: the whole text is the only field.
    EXPECT_EQ(StringHoleToken("a|b", "", 0), "a|b");
    EXPECT_EQ(StringHoleToken("a|b", "", 1), "");
}

TEST(Felder, CountingTreatsAnEmptySeparatorAsNone)
{
    EXPECT_EQ(StringZaehleFelder("a--b--c", "--"), 3);
    EXPECT_EQ(StringZaehleFelder("", "--"), 1);
    EXPECT_EQ(StringZaehleFelder("a---b", "--"), 2); // occurrences do not overlap
    EXPECT_EQ(StringZaehleFelder("abc", ""), 1);
    EXPECT_EQ(StringZaehleFelderZeichen("a|", '|'), 2);
    EXPECT_EQ(StringZaehleFelderZeichen("", '|'), 1);
}

TEST(Felder, FieldWalkReturnsTheRestAfterEachField)
{
    const std::string text = "eins|zwei|drei";
    std::string feld;
    const char* rest = StringHoleFeldZeichenRest(text.c_str(), '|', 1, feld);
    EXPECT_EQ(feld, "zwei");
    ASSERT_NE(rest, nullptr);
    EXPECT_STREQ(rest, "drei");
    EXPECT_EQ(StringHoleFeldZeichenRest(text.c_str(), '|', 2, feld), nullptr);
    EXPECT_EQ(feld, "drei");
    EXPECT_EQ(StringHoleFeldZeichenRest(text.c_str(), '|', 3, feld), nullptr);
    EXPECT_EQ(feld, "");

    std::vector<std::string> felder;
    const char* position = "a||c";
    do {
        position = StringNaechstesFeld('|', position, feld);
        felder.push_back(feld);
    } while (position);
    EXPECT_EQ(felder, (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(StringNaechstesFeld('|', nullptr, feld), nullptr);
    EXPECT_EQ(feld, "");
}

TEST(Felder, SubFieldsAndGroupsAreAddressedInsideTheirField)
{
    EXPECT_EQ(StringHoleUnterfeld("a|x@y@z", 1, 2), "z");
    EXPECT_EQ(StringHoleUnterfeld("a||b", 1, 0), "");
    EXPECT_EQ(StringHoleUnterfeld("a|x@y", 1, 5), "");
    EXPECT_EQ(StringHoleGruppenfeld("{a|b}{c|d}", 1, 1), "d");
    EXPECT_EQ(StringHoleGruppenfeld("{a|b}{c|d}", 2, 0), "");
}

TEST(Felder, DelimitedPartsCountEveryOpeningDelimiter)
{
    EXPECT_EQ(StringHoleZwischen("x[a][b]", '[', ']', 0), "a");
    EXPECT_EQ(StringHoleZwischen("x[a][b]", '[', ']', 1), "b");
    EXPECT_EQ(StringHoleZwischen("x[a][b]", '[', ']', 2), "");
    EXPECT_EQ(StringHoleZwischen("x[a][b]", '[', ']', -1), "");
    EXPECT_EQ(StringHoleZwischen("[a[b]", '[', ']', 0), "a[b");
    EXPECT_EQ(StringHoleZwischen("[a[b]", '[', ']', 1), "b");
    EXPECT_EQ(StringHoleZwischen("[a", '[', ']', 0), "");
}

TEST(Felder, SettingAFieldPadsAndReportsOnlyRealChanges)
{
    std::string text = "a|b";
    EXPECT_TRUE(StringSetzeFeld(text, '|', 3, "d"));
    EXPECT_EQ(text, "a|b||d");
    EXPECT_FALSE(StringSetzeFeld(text, '|', 0, "a"));
    EXPECT_EQ(text, "a|b||d");
    EXPECT_TRUE(StringSetzeFeld(text, '|', 1, ""));
    EXPECT_EQ(text, "a|||d");

    std::string leer;
    EXPECT_FALSE(StringSetzeFeld(leer, '|', 0, ""));
    EXPECT_TRUE(StringSetzeFeld(leer, '|', 1, ""));
    EXPECT_EQ(leer, "|");

    // A negative index has no field to take the value.
    EXPECT_FALSE(StringSetzeFeld(text, '|', -1, "x"));
    EXPECT_EQ(text, "a|||d");
}

TEST(Felder, SettingAGroupRewritesEveryGroupAndDropsOuterText)
{
    std::string text = "x{a}{b}y";
    EXPECT_TRUE(StringSetzeGruppenfeld(text, '{', '}', 3, "d"));
    EXPECT_EQ(text, "{a}{b}{}{d}");
    EXPECT_FALSE(StringSetzeGruppenfeld(text, '{', '}', 1, "b"));
    EXPECT_TRUE(StringSetzeGruppenfeld(text, '{', '}', 0, "a|b"));
    EXPECT_EQ(text, "{a|b}{b}{}{d}");
    EXPECT_FALSE(StringSetzeGruppenfeld(text, '{', '}', -1, "x"));
    EXPECT_EQ(text, "{a|b}{b}{}{d}");
}

TEST(Suchen, ForwardSearchesFindFromTheStart)
{
    EXPECT_EQ(StringFindeZeichen("abcabc", 'c', 3), 5);
    EXPECT_EQ(StringFindeZeichen("abc", 'x'), -1);
    EXPECT_EQ(StringFindeZeichen("abc", 'a', 10), -1);
    EXPECT_EQ(StringFindeZeichenOhneGrossKlein("xäÄ", 'Ä'), 1);
    EXPECT_EQ(StringFindeZeichenOhneGrossKlein("xÄ", 'ä'), 1);
    EXPECT_EQ(StringFindeZeichenOhneGrossKlein("xyz", 'ä'), -1);
    EXPECT_EQ(StringFinde("abcabc", "bc", 2), 4);
    EXPECT_EQ(StringFindeOhneGrossKlein("Maßnahme ÜBER", "über"), 9);
}

TEST(Suchen, BackwardSearchNeverReportsIndexZeroButTheCaseFreeOneDoes)
{
    EXPECT_EQ(StringFindeRueckwaerts("abcabc", "abc"), 3);
    EXPECT_EQ(StringFindeRueckwaerts("abcabc", "abc", 2), -1);
    EXPECT_EQ(StringFindeRueckwaerts("abcabc", "abc", 100), 3);
    EXPECT_EQ(StringFindeRueckwaerts("abc", "abc"), -1);
    EXPECT_EQ(StringFindeRueckwaerts("", "a"), -1);
    EXPECT_EQ(StringFindeRueckwaerts("a", ""), -1);
    EXPECT_EQ(StringFindeRueckwaertsOhneGrossKlein("ABC", "abc"), 0);
    EXPECT_EQ(StringFindeRueckwaertsOhneGrossKlein("xAbCabc", "ABC", 3), 1);
    EXPECT_EQ(StringFindeZeichenRueckwaerts("a.b.c", '.'), 3);
    EXPECT_EQ(StringFindeZeichenRueckwaerts("Xx", 'x', 0), 0);
}

TEST(Suchen, InsertingPadsAndDeletingStopsAtTheEnd)
{
    std::string text = "ab";
    StringEinfuegen(text, 4, "x");
    EXPECT_EQ(text, "ab  x");
    StringEinfuegen(text, 9, "");
    EXPECT_EQ(text, "ab  x");
    StringEinfuegenZeichen(text, 0, '>');
    EXPECT_EQ(text, ">ab  x");

    StringLoeschen(text, 1, 2);
    EXPECT_EQ(text, ">  x");
    StringLoeschen(text, 4, 1);
    EXPECT_EQ(text, ">  x");
    StringLoeschen(text, 2, 50);
    EXPECT_EQ(text, "> ");
    text = "abcdef";
    StringLoeschen(text, 3, -1);
    EXPECT_EQ(text, "abc");

    StringErsetzeAn(text, 1, 1, "XY");
    EXPECT_EQ(text, "aXYc");
    StringErsetzeAn(text, 6, 2, "z");
    EXPECT_EQ(text, "aXYc  z");
}

TEST(Suchen, ReplacingResumesAfterTheInsertedText)
{
    std::string text = "aaa";
    EXPECT_EQ(StringSucheErsetze(text, "a", "aa", true), 3);
    EXPECT_EQ(text, "aaaaaa");
    text = "a-b-c";
    EXPECT_EQ(StringSucheErsetze(text, "-", "+", false), 1);
    EXPECT_EQ(text, "a+b-c");
    // An empty search text must not loop: nothing is replaced.
    EXPECT_EQ(StringSucheErsetze(text, "", "x", true), 0);
    EXPECT_EQ(text, "a+b-c");

    text = "Ab aB ab";
    EXPECT_EQ(StringSucheErsetzeOhneGrossKlein(text, "ab", "xyz", true), 3);
    EXPECT_EQ(text, "xyz xyz xyz");
    text = "ÄÄ-ää";
    EXPECT_EQ(StringSucheErsetzeOhneGrossKlein(text, "ä", "", false), 1);
    EXPECT_EQ(text, "Ä-ää");
    EXPECT_EQ(StringSucheErsetzeOhneGrossKlein(text, "", "x", true), 0);

    EXPECT_EQ(StringMitErsetzung("1,2,3", ",", ", "), "1, 2, 3");
    EXPECT_EQ(StringTrennerZuPunkt("1,2:3;4.5"), "1.2.3.4.5");
    EXPECT_EQ(StringGetrimmt(" \t a b\v\r\n"), "a b");
    EXPECT_EQ(StringGetrimmt(" \f "), "");
}

TEST(Zahlen, ReadsCommaAndPointAndStopsAtLetters)
{
    EXPECT_DOUBLE_EQ(StringZuDouble("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(StringZuDouble("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(StringZuDouble("1.234,5"), 1.234);
    EXPECT_DOUBLE_EQ(StringZuDouble("12,5 kN"), 12.5);
    EXPECT_DOUBLE_EQ(StringZuDouble(" -0,25"), -0.25);
    EXPECT_DOUBLE_EQ(StringZuDouble("1,5e3"), 1500.0);
    EXPECT_DOUBLE_EQ(StringZuDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(StringZuDouble("abc"), 0.0);
    // Values that are no numbers do not enter the calculations as inf or nan.
    EXPECT_DOUBLE_EQ(StringZuDouble("nan"), 0.0);
    EXPECT_DOUBLE_EQ(StringZuDouble("inf"), 0.0);
    EXPECT_DOUBLE_EQ(StringZuDouble("1e999"), 0.0);
}

TEST(Zahlen, PrintsWithTheRequestedDecimals)
{
    EXPECT_EQ(StringAusDoubleMitNachkomma(2.5, 2), "2.50");
    EXPECT_EQ(StringAusDoubleMitNachkomma(2.5, -1), "2.5");
    EXPECT_EQ(StringAusDoubleMitNachkomma(2.5, 0), "2");
    EXPECT_EQ(StringAusDoubleG3(123456.0), "1.23e+05");
    EXPECT_EQ(StringAusDoubleE2(0.000123), "1.23e-04");
    EXPECT_EQ(StringAusDoubleE3Kurz(150000.0), "1.500e+05");
    EXPECT_EQ(StringAusDoubleE2Kurz(-0.0015), "-1.50e-03");
    EXPECT_EQ(StringAusDoubleE3Kurz(1e100), "1.000e+100");
    EXPECT_EQ(StringAusInt(-42), "-42");
    EXPECT_EQ(StringAusInt2(7), "7");
    EXPECT_EQ(StringFormatInt("%03d mm", 7), "007 mm");
    EXPECT_EQ(StringAlsHex("A\n"), "41 a");
    EXPECT_EQ(StringAlsHex("\xE4"), "ffffffe4");
}

TEST(Zahlen, NormalisingTrimsAndReadsEverySeparator)
{
    EXPECT_EQ(StringZahlNormieren("  12,346 ", 2), "12.35");
    EXPECT_EQ(StringZahlNormieren("1;5", -1), "1.5");
    EXPECT_EQ(StringZahlNormieren(" \t ", 2), "");
    EXPECT_EQ(StringZahlNormieren("x", 1), "0.0");
    std::string text = " 7:26";
    EXPECT_DOUBLE_EQ(StringZahlNormierenUndLesen(text, 1), 7.3);
    EXPECT_EQ(text, "7.3");
}

namespace {

// Runs the calling test with the whole C locale taken from LANG=de_DE.UTF-8, as a German user's
// session would, and puts everything back afterwards.
class DeutscheUmgebung
{
public:
    DeutscheUmgebung() : m_aktiv(std::setlocale(LC_ALL, "") != nullptr) {}
    ~DeutscheUmgebung() { std::setlocale(LC_ALL, "C"); }
    bool Aktiv() const { return m_aktiv; }

private:
    const CVariableAufZeit m_alles{"LC_ALL", std::nullopt};
    const CVariableAufZeit m_zahlen{"LC_NUMERIC", std::nullopt};
    const CVariableAufZeit m_sprache{"LANG", "de_DE.UTF-8"};
    const bool m_aktiv;
};

} // namespace

TEST(Zahlen, GermanLocaleChangesNeitherPrintingNorReading)
{
    DeutscheUmgebung deutsch;
    ASSERT_TRUE(deutsch.Aktiv()) << "scripts/setup generates the de_DE.UTF-8 locale";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_DOUBLE_EQ(StringZuDouble("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(StringZuDouble("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(StringZuDouble("1.234,5"), 1.234);
    EXPECT_EQ(StringAusDoubleMitNachkomma(12.5, 1), "12.5");
    EXPECT_EQ(StringAusDoubleMitNachkomma(0.25, -1), "0.25");
    EXPECT_EQ(StringZahlNormieren("3,14159", 3), "3.142");

    // Only this one follows the user's setting on purpose.
    std::string text = "12.5";
    StringDezimaltrennerSystem(text);
    EXPECT_EQ(text, "12,5");
    text = "1,5.5 kN.";
    StringDezimaltrennerSystem(text);
    EXPECT_EQ(text, "1,5,5 kN.");
}

TEST(Zeiten, TimesAreParsedInTheirThreeShapes)
{
    std::string text = "1:2:3";
    EXPECT_EQ(StringZeitHMSZuSekunden(text), 3723);
    EXPECT_EQ(text, "01:02:03");
    text = ":5";
    EXPECT_EQ(StringZeitHMSZuSekunden(text), 300);
    EXPECT_EQ(text, "00:05:00");
    text = "::7";
    EXPECT_EQ(StringZeitHMSZuSekunden(text), 7);
    EXPECT_EQ(text, "00:00:07");
    text = "x";
    EXPECT_EQ(StringZeitHMSZuSekunden(text), 0);
    EXPECT_EQ(text, "00:00:00");
    // Absurd input is clamped, not overflowed.
    text = "99999999999:0:0";
    EXPECT_EQ(StringZeitHMSZuSekunden(text), INT_MAX);

    SYSTEMTIME zeit;
    zeit.wYear = 2024;
    zeit.wSecond = 59;
    text = "7:5";
    StringZeitHMZuSystemzeit(text, zeit);
    EXPECT_EQ(text, "07:05");
    EXPECT_EQ(zeit.wHour, 7);
    EXPECT_EQ(zeit.wMinute, 5);
    EXPECT_EQ(zeit.wSecond, 0);
    EXPECT_EQ(zeit.wYear, 2024);
    text = ":45";
    StringZeitHMZuSystemzeit(text, zeit);
    EXPECT_EQ(text, "00:45");
    EXPECT_EQ(zeit.wHour, 0);
    text = "abc";
    StringZeitHMZuSystemzeit(text, zeit);
    EXPECT_EQ(text, "");
}

TEST(Zeiten, DatesGetTheCenturyAndStayStoredWhenIncomplete)
{
    SYSTEMTIME zeit;
    zeit.wDayOfWeek = 3;
    std::string text = "5.3.24";
    StringDatumTMJZuSystemzeit(text, zeit);
    EXPECT_EQ(text, "05.03.2024");
    EXPECT_EQ(zeit.wYear, 2024);
    EXPECT_EQ(zeit.wDayOfWeek, 0);
    text = "5.3";
    StringDatumTMJZuSystemzeit(text, zeit);
    EXPECT_EQ(text, "");
    EXPECT_EQ(zeit.wDay, 5);
    EXPECT_EQ(zeit.wMonth, 3);
    EXPECT_EQ(zeit.wYear, 2000);
    text = "";
    StringDatumTMJZuSystemzeit(text, zeit);
    EXPECT_EQ(zeit.wDay, 1);
    EXPECT_EQ(zeit.wMonth, 1);

    EXPECT_EQ(StringDatumJJJJMMTTZuTTMMJJJJ("20240305"), "05.03.2024");
    EXPECT_EQ(StringDatumJJJJMMTTZuTTMMJJJJ("2024035"), "2024035");
    // Eight characters that are not all digits are no stored date.
    EXPECT_EQ(StringDatumJJJJMMTTZuTTMMJJJJ("1.1.2020"), "1.1.2020");
    EXPECT_EQ(StringDatumJJJJMMTTZuTTMMJJJJ("2024 3 5"), "2024 3 5");
    EXPECT_EQ(StringDatumJJJJMMTTZuTTMMJJJJ(""), "");
}
