#include "report/textkatalog.h"

#include <gtest/gtest.h>

namespace {

CTextKatalog StandardKatalog()
{
    CTextKatalog katalog;
    EXPECT_TRUE(katalog.LadeStandardTexte());
    return katalog;
}

} // namespace

TEST(TextKatalog, HeaderLabelsKeepTheirEmptyFields)
{
    const CTextKatalog katalog = StandardKatalog();
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", 0), "Bereich / Bauabschnitt");
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", 7), "");
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", 8), "Protokoll Nr.");
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", 13), "Bearbeiter");
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", 16), "");
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", 17), "");
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", -1), "");
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK0", 0), "Baumaßnahme");
}

TEST(TextKatalog, QuantitiesCarryCaptionSymbolUnitAndFormat)
{
    const CTextKatalog katalog = StandardKatalog();
    EXPECT_EQ(katalog.HoleText("DICHTE_KORN", 0), "Korndichte");
    EXPECT_EQ(katalog.HoleText("DICHTE_KORN", 1), "<fs>r<fn><t>s");
    EXPECT_EQ(katalog.HoleText("DICHTE_KORN", 2), "[g/cm³]");
    EXPECT_EQ(katalog.HoleText("DICHTE_KORN", 3), "%.1f");
    EXPECT_EQ(katalog.HoleText("DICHTE_KORN", 4), "");
    // A quote inside a field is just a character.
    EXPECT_EQ(katalog.HoleText("WASSERGEHALT_KORR", 1), "w'");
    EXPECT_EQ(katalog.HoleText("VERDICHTUNGSGRAD_SOLL", 1), " ");
    EXPECT_EQ(katalog.HoleText("SÄTTIGUNGSZAHL", 0), "Sättigungszahl");
    EXPECT_EQ(katalog.HoleText("LÄNGE", 1), "l");
    EXPECT_EQ(katalog.HoleText("PROCTOR_ZYLINDER_DATEN", 9), "Überkorn");
    EXPECT_EQ(katalog.HoleText("PROCTOR_VERSUCHSNUMMERN", 9), "10");
}

TEST(TextKatalog, ChartCaptionsAndTitles)
{
    const CTextKatalog katalog = StandardKatalog();
    EXPECT_EQ(katalog.HoleText("DIA_ACHS_BESCHR_ZUST_2_WP", 0), "Wassergehalt [-]");
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(katalog.HoleText("DIA_ACHS_BESCHR_ZUST_2_WP", n), "") << n;
    EXPECT_EQ(katalog.HoleText("DIA_ACHS_BESCHR_WASSDLK", 2), "Zeit [ h ]");
    EXPECT_EQ(katalog.HoleText("DIA_ACHS_BESCHR_RAMMSONDE", 0),
              "Schläge für 0,1m Eindringtiefe  N10");
    // Blanks inside the braces stay, those between "=" and "{" do not.
    EXPECT_EQ(katalog.HoleText("DIN_Proctor", 0), " Proctorversuch nach DIN 18127");
    EXPECT_EQ(katalog.HoleText("DIN_Fallplatte15kg", 0),
              " Dynamischer Plattendruckversuch nach TP BF-StB Teil B 8.3 (15kg)");
    EXPECT_NE(katalog.HoleText("FIRMA", 0), "FEHLER");
    EXPECT_NE(katalog.HoleText("MESSNAHME", 0), "FEHLER");
}

TEST(TextKatalog, MissingKeysGiveTheMarkerForEveryField)
{
    const CTextKatalog katalog = StandardKatalog();
    for (int n : {-1, 0, 1, 5}) {
        EXPECT_EQ(katalog.HoleText("GIBT_ES_NICHT", n), "FEHLER");
        EXPECT_EQ(katalog.HoleText("kopfblock1", n), "FEHLER");
        EXPECT_EQ(katalog.HoleText("", n), "FEHLER");
    }
    EXPECT_EQ(CTextKatalog().HoleText("KOPFBLOCK1", 8), "FEHLER");
}

TEST(TextKatalog, EntriesThatAddNothing)
{
    CTextKatalog katalog;
    katalog.LadeEintrag(";KOMMENTAR={wert}");
    katalog.LadeEintrag("LEER={}");
    katalog.LadeEintrag("OHNE=wert");
    katalog.LadeEintrag("OFFEN={wert");
    katalog.LadeEintrag("={wert}");
    for (const char* schluessel : {";KOMMENTAR", "KOMMENTAR", "LEER", "OHNE", "OFFEN", ""})
        EXPECT_EQ(katalog.HoleText(schluessel, 0), "FEHLER") << schluessel;
}

TEST(TextKatalog, EntryKeysAndValuesAreTakenAsWritten)
{
    CTextKatalog katalog;
    katalog.LadeEintrag("MIT;SEMIKOLON={a;b|c}");
    katalog.LadeEintrag("BLANK ={x}");
    katalog.LadeEintrag("ZWEI={erst}{dann}");
    katalog.LadeEintrag("OHNE_GLEICH{w}");
    EXPECT_EQ(katalog.HoleText("MIT;SEMIKOLON", 0), "a;b");
    EXPECT_EQ(katalog.HoleText("MIT;SEMIKOLON", 1), "c");
    EXPECT_EQ(katalog.HoleText("BLANK ", 0), "x");
    EXPECT_EQ(katalog.HoleText("BLANK", 0), "FEHLER");
    EXPECT_EQ(katalog.HoleText("ZWEI", 0), "erst");
    // Without "=" the whole entry is the key.
    EXPECT_EQ(katalog.HoleText("OHNE_GLEICH{w}", 0), "w");

    katalog.LadeEintrag("ZWEI={neu|wert}");
    EXPECT_EQ(katalog.HoleText("ZWEI", 1), "wert");
}

TEST(TextKatalog, LoadingTwiceKeepsTheSameContent)
{
    CTextKatalog katalog;
    katalog.LadeStandardTexte();
    katalog.LadeStandardTexte();
    EXPECT_EQ(katalog.HoleText("KOPFBLOCK1", 8), "Protokoll Nr.");
    EXPECT_EQ(katalog.HoleText("DIN_Wassergehalt", 0),
              " Bestimmung des Wassergehaltes nach DIN 18121");
}
