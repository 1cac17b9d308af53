#include "zusammenstellungtest.h"

namespace {

// Widths in characters of the normal font (130 units each under the fixed metric).
constexpr int kZeichen = 130;

class Textanpassung : public Zusammenstellungstest
{
protected:
    Textanpassung() { dc.SelectObject(druck.NormaleSchrift()); }

    std::string Passe(const std::string& text, int zeichen)
    {
        std::string ergebnis = text;
        druck.PasseZellentextEin(dc, zeichen * kZeichen, ergebnis);
        return ergebnis;
    }
    std::string Zeile(const std::string& text, int art = 0)
    {
        std::string zeile = text;
        hoehe = druck.BerechneZeilenhoehe(dc, zeile, art);
        return zeile;
    }
    int hoehe = -1;
};

std::string OhneBlanks(std::string text)
{
    std::erase(text, ' ');
    return text;
}

} // namespace

TEST_F(Textanpassung, FitTestMeasuresTheWidestWordNotTheWholeText)
{
    EXPECT_TRUE(druck.TextPasst(dc, 0, ""));
    EXPECT_TRUE(druck.TextPasst(dc, 2 * kZeichen, "ab cd ef"));
    EXPECT_FALSE(druck.TextPasst(dc, 2 * kZeichen, "ab cde"));
    // "&" is a plain character, not a mnemonic prefix.
    EXPECT_FALSE(druck.TextPasst(dc, 2 * kZeichen, "a&b"));
}

TEST_F(Textanpassung, HyphensGetABlankOneAtATimeUntilTheWordFits)
{
    EXPECT_EQ(Passe("Sand-Kies-Gemisch", 12), "Sand- Kies-Gemisch");
    EXPECT_EQ(Passe("Sand-Kies-Gemisch", 7), "Sand- Kies- Gemisch");
    // A text that fits stays as it is, and the words of a text are fitted one by one.
    EXPECT_EQ(Passe("Sand-Kies-Gemisch", 17), "Sand-Kies-Gemisch");
    EXPECT_EQ(Passe("grober Sand-Kies-Gemisch", 12), "grober Sand- Kies-Gemisch");
    // A hyphen with fewer than three characters before it ends the hyphen stage; the capitalised
    // "Schicht" is no word part, so the word is broken between characters.
    EXPECT_EQ(Passe("AB-Schicht", 5), "AB-Sc hicht");
    EXPECT_EQ(Passe("ABC-Schicht", 7), "ABC- Schicht");
}

TEST_F(Textanpassung, CompoundsAreCutBeforeKnownWordPartsInListOrder)
{
    // "schicht" comes before "schutz" in the list; the left part is cut again at "schutz".
    EXPECT_EQ(Passe("Frostschutzschicht", 7), "Frost- schutz- schicht");
    EXPECT_EQ(Passe("Frostschutzschicht", 12), "Frostschutz- schicht");
    EXPECT_EQ(Passe("Kiessand", 5), "Kies- sand");
    // Matching is exact: "Sand" is not "sand"; a part at index 0 to 2 is never cut before.
    EXPECT_EQ(Passe("Sandkies", 5), "Sand- kies");
    EXPECT_EQ(Passe("Erdbau", 4), "Erd- bau");
    EXPECT_EQ(Passe("Erbauer", 4), "Erba uer");
    // Words of the code page's own letters.
    EXPECT_EQ(Passe("Grobkörnigkeit", 8), "Grob- körnigke it");
}

TEST_F(Textanpassung, CharacterBreaksTakeTheLongestFittingPrefix)
{
    EXPECT_EQ(Passe("123456789", 4), "1234 5678 9");
    EXPECT_EQ(Passe("1234567890", 5), "12345 67890");
    // No hyphen is added where a word is broken between characters.
    std::string wort = "Abcdefghij";
    druck.TrenneWortNachZeichen(dc, 3 * kZeichen, wort);
    EXPECT_EQ(wort, "Abc def ghi j");
}

TEST_F(Textanpassung, PiecesThatCannotFitStayWholeAndLongWordsEnd)
{
    // Not even one character fits: the text comes back unchanged.
    EXPECT_EQ(Passe("abc def", 0), "abc def");
    std::string wort = "Frostschutzschicht";
    druck.TrenneWortNachZeichen(dc, 100, wort);
    EXPECT_EQ(wort, "Frostschutzschicht");
    druck.TrenneKompositum(dc, 100, wort);
    EXPECT_EQ(wort, "Frost- schutz- schicht");

    // A word of thousands of characters in a narrow column is broken into pieces that fit,
    // every character kept in order.
    std::string lang;
    for (int i = 0; i < 4000; ++i)
        lang += static_cast<char>('a' + (i * 7) % 26);
    const std::string gepasst = Passe(lang, 4);
    EXPECT_EQ(OhneBlanks(gepasst), lang);
    EXPECT_TRUE(druck.TextPasst(dc, 4 * kZeichen, gepasst));

    // A compound of thousands of word parts would nest its cuts as deep; the nesting is bounded,
    // the rest broken between characters, every character kept.
    std::string kompositum;
    for (int i = 0; i < 2300; ++i)
        kompositum += i % 2 ? "xxxbau" : "xxxberg";
    std::string zerlegt = Passe(kompositum, 4);
    EXPECT_TRUE(druck.TextPasst(dc, 4 * kZeichen, zerlegt));
    std::erase(zerlegt, '-');
    EXPECT_EQ(OhneBlanks(zerlegt), kompositum);
}

TEST_F(Textanpassung, BlanksOfTheCellTextAreKept)
{
    // Two blanks in a row give an empty word, which keeps its place.
    EXPECT_EQ(Passe("a  Kiessand", 5), "a  Kies- sand");
    // Trailing white space goes.
    EXPECT_EQ(Passe("Kiessand  ", 5), "Kies- sand");
}

TEST_F(Textanpassung, RowMeasureFitsEachFieldInItsColumnAndTrimsTheText)
{
    // The fields up to the last non-empty one; an empty inner field keeps its place.
    EXPECT_EQ(Zeile("12|20240517|Nord||Tragschicht||||||||||||||||||||"),
              "12|20240517|Nord||Tragschicht");
    EXPECT_EQ(hoehe, 260);

    // Column 4 is 20 units wide (1979): 15 characters. Column 3 is 890: 6 characters.
    EXPECT_EQ(Zeile("|||Dammfußbereich|Planumsschutzschicht"),
              "|||Dammfu ßberei ch|Planumsschutz- schicht");
    EXPECT_EQ(hoehe, 3 * 260);

    // A row without any text has no height.
    EXPECT_EQ(Zeile("||||||||||||||||||||||||"), "");
    EXPECT_EQ(hoehe, 0);
    EXPECT_EQ(Zeile(""), "");
    EXPECT_EQ(hoehe, 0);
}

TEST_F(Textanpassung, BinderTypeIsMeasuredAcrossTheLastGroup)
{
    const std::string zeile = "|||||||||||||||||Kalk-Zement|";
    // Across boundaries 19 to 25 (4650: 35 characters) it fits on one line.
    EXPECT_EQ(Zeile(zeile, 2), "|||||||||||||||||Kalk-Zement");
    EXPECT_EQ(hoehe, 260);
    // Every other kind measures field 17 in column 17 (792: 6 characters).
    EXPECT_EQ(Zeile(zeile, 0), "|||||||||||||||||Kalk- Zement");
    EXPECT_EQ(hoehe, 2 * 260);
}

TEST_F(Textanpassung, RowMeasureKeepsTheSelectedFont)
{
    CFont andere;
    andere.CreateFont(500, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    dc.SelectObject(andere);
    std::string zeile = "Frostschutzschicht";
    druck.BerechneZeilenhoehe(dc, zeile, 0);
    EXPECT_EQ(dc.GetCurrentFont(), andere);
    // Measured in the normal font regardless: column 0 (1582) holds 12 characters of 130.
    EXPECT_EQ(zeile, "Frostschutz- schicht");
}
