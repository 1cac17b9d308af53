#include "data/pfade.h"
#include "data/regwert.h"
#include "data/umgebung.h"
#include "platform/dateien.h"
#include "platform/einstellungen.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

std::string Ordner(const QTemporaryDir& ordner)
{
    return ordner.path().toStdString();
}

void SchreibeDatei(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

// Points the program folder at a test folder for the life of one test.
class ProgrammOrdnerFest
{
public:
    explicit ProgrammOrdnerFest(const std::string& ordner) : m_vorher(ProgrammOrdner())
    {
        SetzeProgrammOrdner(ordner);
    }
    ~ProgrammOrdnerFest() { SetzeProgrammOrdner(m_vorher); }

private:
    std::string m_vorher;
};

CPfade PfadeMitProzent(bool prozent)
{
    CPfade pfade;
    pfade.anteilAlsProzent = prozent;
    return pfade;
}

} // namespace

TEST(CPfade, DataPathComesFromTheFirstLineOfTheDataPathFile)
{
    QTemporaryDir ordner;
    ProgrammOrdnerFest fest(Ordner(ordner));
    CPfade pfade;

    EXPECT_TRUE(pfade.LeseDatenpfad());
    EXPECT_EQ(pfade.HoleProgrammpfad(), Ordner(ordner));
    EXPECT_EQ(pfade.HoleDatenpfad(), Ordner(ordner) + "/data"); // no file: the default

    SchreibeDatei(Ordner(ordner) + "/datapfad.dat", "  D:\\Labor\\Daten\\\\  \r\nzweite Zeile\n");
    EXPECT_TRUE(pfade.LeseDatenpfad());
    EXPECT_EQ(pfade.HoleDatenpfad(), "  D:\\Labor\\Daten"); // leading blanks stay

    SchreibeDatei(Ordner(ordner) + "/datapfad.dat", "/srv/labor/daten//\n");
    pfade.LeseDatenpfad();
    EXPECT_EQ(pfade.HoleDatenpfad(), "/srv/labor/daten");

    SchreibeDatei(Ordner(ordner) + "/datapfad.dat", "");
    pfade.LeseDatenpfad();
    EXPECT_EQ(pfade.HoleDatenpfad(), "");

    // A folder of that name is no data-path file: the default, and no exception at start-up.
    std::filesystem::remove(Ordner(ordner) + "/datapfad.dat");
    std::filesystem::create_directory(Ordner(ordner) + "/datapfad.dat");
    EXPECT_TRUE(pfade.LeseDatenpfad());
    EXPECT_EQ(pfade.HoleDatenpfad(), Ordner(ordner) + "/data");
}

TEST(CPfade, PrintSettingsAreReadAfreshOnEveryCall)
{
    CPfade pfade;
    EXPECT_FALSE(pfade.anteilAlsProzent);
    EXPECT_FALSE(pfade.protokollnrDrucken);

    pfade.LeseRegistry(); // nothing stored: the defaults
    EXPECT_FALSE(pfade.anteilAlsProzent);
    EXPECT_TRUE(pfade.protokollnrDrucken);

    SchreibeEinstellungInt("anteilAlsProzent", 1);
    SchreibeEinstellungInt("protokollnrDrucken", 0);
    pfade.LeseRegistry();
    EXPECT_TRUE(pfade.anteilAlsProzent);
    EXPECT_FALSE(pfade.protokollnrDrucken);

    SchreibeEinstellungInt("anteilAlsProzent", 0);
    SchreibeEinstellungInt("protokollnrDrucken", 7); // any nonzero value is on
    pfade.LeseRegistry();
    EXPECT_FALSE(pfade.anteilAlsProzent);
    EXPECT_TRUE(pfade.protokollnrDrucken);
}

TEST(CPfade, FractionsPrintAsStoredOrInPercent)
{
    const CPfade wieGespeichert = PfadeMitProzent(false);
    for (const char* text : {" 0.235 ", "-", "", "  ", "[-]"})
        EXPECT_EQ(wieGespeichert.FormatiereAnteil(text), text);
    EXPECT_EQ(wieGespeichert.HoleProzentEinheit(), "");

    const CPfade prozent = PfadeMitProzent(true);
    EXPECT_EQ(prozent.FormatiereAnteil("0.153"), "15.3");
    EXPECT_EQ(prozent.FormatiereAnteil("0,235"), "23.5");
    EXPECT_EQ(prozent.FormatiereAnteil(" 0.5\t"), "50.0");
    EXPECT_EQ(prozent.FormatiereAnteil("-0.02"), "-2.0");
    EXPECT_EQ(prozent.FormatiereAnteil("w 0.1"), "0.0"); // digits but no leading number
    EXPECT_EQ(prozent.FormatiereAnteil("[-]"), "[%]");
    EXPECT_EQ(prozent.FormatiereAnteil("-"), "%");
    EXPECT_EQ(prozent.FormatiereAnteil("--"), "%%");
    EXPECT_EQ(prozent.FormatiereAnteil(""), "");
    EXPECT_EQ(prozent.FormatiereAnteil("   "), "");
    EXPECT_EQ(prozent.FormatiereAnteil("  n.b. "), "n.b.");
    EXPECT_EQ(prozent.HoleProzentEinheit(), " %");
}

TEST(CRegDWORDWert, SplitsTheValuePathAndReadsOnlyTheMakersKey)
{
    SchreibeEinstellungInt("anteilAlsProzent", 5);

    CRegDWORDWert wert("\\Software\\Tamrikwerk\\AXO2011.n\\\\anteilAlsProzent", 9, false);
    EXPECT_EQ(wert.HoleSchluessel(), "Software\\Tamrikwerk\\AXO2011.n");
    EXPECT_EQ(wert.HoleWertname(), "anteilAlsProzent");
    EXPECT_EQ(wert.HoleWert(), 5u);

    // Not forced: the value read at construction is kept.
    SchreibeEinstellungInt("anteilAlsProzent", 6);
    EXPECT_EQ(wert.HoleWert(), 5u);
    EXPECT_EQ(wert.LeseRegistry(), 6u);

    CRegDWORDWert erzwungen("software\\tamrikwerk\\axo2011.n\\anteilAlsProzent", 9, true);
    SchreibeEinstellungInt("anteilAlsProzent", 7);
    EXPECT_EQ(erzwungen.HoleWert(), 7u);

    CRegDWORDWert fremd("Software\\Andere\\anteilAlsProzent", 9, false);
    EXPECT_EQ(fremd.HoleWert(), 9u);

    CRegDWORDWert ohneSchluessel("anteilAlsProzent", 9, false);
    EXPECT_EQ(ohneSchluessel.HoleSchluessel(), "");
    EXPECT_EQ(ohneSchluessel.HoleWertname(), "anteilAlsProzent");
    EXPECT_EQ(ohneSchluessel.HoleWert(), 9u);

    CRegDWORDWert fehlt("Software\\Tamrikwerk\\AXO2011.n\\gibtEsNicht", 3, true);
    EXPECT_EQ(fehlt.HoleWert(), 3u);
}

TEST(CRegWert, WrittenValuesReadBackAndEqualValuesAreNotWritten)
{
    const std::string schluessel = "Software\\Tamrikwerk\\AXO2011.n\\";
    CRegStringWert text(schluessel + "vorlage", "vorgabe", false);
    EXPECT_EQ(text.HoleWert(), "vorgabe");
    EXPECT_EQ(text.SchreibeRegistry(), ERROR_SUCCESS) << "writes the value held";
    text.SetzeWert("Baugrund Süd");
    EXPECT_EQ(CRegStringWert(schluessel + "vorlage", "", false).HoleWert(), "Baugrund Süd");

    // Not forced: a value equal to the one held is not written again.
    SchreibeEinstellungText("vorlage", "von anderswo");
    text.SetzeWert("Baugrund Süd");
    EXPECT_EQ(text.LeseRegistry(), "von anderswo");
    CRegStringWert erzwungen(schluessel + "vorlage", "", true);
    erzwungen.SetzeWert("x");
    SchreibeEinstellungText("vorlage", "y");
    EXPECT_EQ(erzwungen.SetzeWert("x").HoleWert(), "x") << "forced: written even when equal";

    CRegDWORDWert zahl(schluessel + "anteilAlsProzent", 0, false);
    zahl.SetzeWert(0xFFFFFFFF);
    EXPECT_EQ(CRegDWORDWert(schluessel + "anteilAlsProzent", 0, false).HoleWert(), 0xFFFFFFFFu);

    // A key outside the store is neither read nor written.
    CRegStringWert fremd("Software\\Andere\\vorlage", "vorgabe", false);
    fremd.SetzeWert("neu");
    EXPECT_EQ(fremd.SchreibeRegistry(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(fremd.LeseRegistry(), "vorgabe");
    EXPECT_EQ(LeseEinstellungText("vorlage"), "x");

    // A store that cannot be written says so.
    const std::string datei =
        qEnvironmentVariable("XDG_CONFIG_HOME").toStdString() + "/Tamrikwerk/AXO2011.n.conf";
    std::filesystem::remove(datei);
    std::filesystem::create_directory(datei);
    EXPECT_EQ(text.SchreibeRegistry(), ERROR_WRITE_FAULT);
    std::filesystem::remove(datei);
}

TEST(CRegWert, OnlyASuccessfulReadCountsAsRead)
{
    const std::string schluessel = "Software\\Tamrikwerk\\AXO2011.n\\";
    // Missing or no number: asked again, the object reads the store anew.
    SchreibeEinstellungText("keineZahl", "abc");
    for (const char* name : {"spaeter", "keineZahl"}) {
        CRegDWORDWert wert(schluessel + name, 3, false);
        EXPECT_EQ(wert.HoleWert(), 3u) << name;
        SchreibeEinstellungInt(name, 8);
        EXPECT_EQ(wert.HoleWert(), 8u) << name;
    }

    // The default was never held, so setting it writes it.
    CRegStringWert text(schluessel + "fehlend", "vorgabe", false);
    text.SetzeWert("vorgabe");
    EXPECT_EQ(LeseEinstellungText("fehlend"), "vorgabe");

    // A failed read leaves the value of the last good one held.
    SchreibeEinstellungInt("verschwindet", 6);
    CRegDWORDWert gelesen(schluessel + "verschwindet", 0, false);
    SchreibeEinstellungText("verschwindet", "abc");
    EXPECT_EQ(gelesen.LeseRegistry(), 0u);
    EXPECT_EQ(gelesen.HoleWert(), 6u);
}

TEST(CRegWert, StandardStringVariantsKeepTheBackslashesOfThePath)
{
    CRegStringWertStd text("Software\\Tamrikwerk\\AXO2011.n\\liste", "", false);
    EXPECT_EQ(text.HoleSchluessel(), "Software\\Tamrikwerk\\AXO2011.n");
    EXPECT_EQ(text.HoleWertname(), "liste");
    text.Anhaengen("a").Anhaengen("b");
    EXPECT_EQ(LeseEinstellungText("liste"), "ab");

    const CRegDWORDWertStd doppelt("\\Software\\Tamrikwerk\\AXO2011.n\\\\wert", 4, false);
    EXPECT_EQ(doppelt.HoleSchluessel(), "\\Software\\Tamrikwerk\\AXO2011.n\\");
    EXPECT_EQ(doppelt.HoleWertname(), "wert");
    const CRegDWORDWertStd ohne("wert", 4, false);
    EXPECT_EQ(ohne.HoleSchluessel(), "wert");
    EXPECT_EQ(ohne.HoleWertname(), "wert");
}

TEST(Umgebung, TagValuesAreFoundByExactKey)
{
    EXPECT_EQ(HoleTagWert("x[ID=42]y", "ID"), "42");
    EXPECT_EQ(HoleTagWert("x[id=42]y", "ID"), "");
    EXPECT_EQ(HoleTagWert("x[ID=42", "ID"), "");
    EXPECT_EQ(HoleTagWert("[ID=]", "ID"), "");
    EXPECT_EQ(HoleTagWert("[A=1][ID=2][ID=3]", "ID"), "2");
    EXPECT_EQ(HoleTagWert("[NAME=a=b]", "NAME"), "a=b");

    QTemporaryDir ordner;
    const std::string datei = Ordner(ordner) + "/kennung.txt";
    SchreibeDatei(datei, "[ID=7]\n[ID=8]\n");
    std::string wert = "alt";
    EXPECT_TRUE(LeseTagWertAusDatei(datei, "ID", wert));
    EXPECT_EQ(wert, "7");
    wert = "alt";
    EXPECT_FALSE(LeseTagWertAusDatei(Ordner(ordner) + "/fehlt.txt", "ID", wert));
    EXPECT_FALSE(LeseTagWertAusDatei(Ordner(ordner), "ID", wert));
    EXPECT_EQ(wert, "alt");
    SchreibeDatei(datei, "[ID=9\r\n]");
    EXPECT_TRUE(LeseTagWertAusDatei(datei, "ID", wert));
    EXPECT_EQ(wert, ""); // the tag ends with its line
}

TEST(Umgebung, WorkstationIdentityAndTimeStamps)
{
    EXPECT_EQ(HoleArbeitsplatzKennung(), "{" + HoleComputerName() + "_" + HoleBenutzerName() + "}");
    EXPECT_FALSE(HoleComputerName().empty());

    EXPECT_EQ(HoleZeitstempel().size(), 12u);
    EXPECT_EQ(HoleZeitstempel().find_first_not_of("0123456789"), std::string::npos);
    const std::string lesbar = HoleZeitstempelLesbar();
    ASSERT_EQ(lesbar.size(), 16u);
    EXPECT_EQ(lesbar[4], '-');
    EXPECT_EQ(lesbar[10], ' ');
    EXPECT_EQ(lesbar[13], ':');

    std::filesystem::path ordner;
    EXPECT_TRUE(HoleProgrammordner(ordner));
    EXPECT_EQ(ordner, ProgrammOrdner());
}

TEST(Umgebung, TimeStampFilesNeverOverwriteEachOther)
{
    QTemporaryDir ordner;
    std::string erster, zweiter;
    ASSERT_TRUE(SchreibeZeitstempelDatei(Ordner(ordner), "txt", erster, "eins"));
    ASSERT_TRUE(SchreibeZeitstempelDatei(Ordner(ordner), "txt", zweiter, "zwei"));
    EXPECT_NE(erster, zweiter);
    std::string inhalt;
    ASSERT_TRUE(LeseGanzeDatei(erster, inhalt, 4));
    EXPECT_EQ(inhalt, "eins");
    ASSERT_TRUE(LeseGanzeDatei(zweiter, inhalt, 4));
    EXPECT_EQ(inhalt, "zwei");

    std::string pfad;
    EXPECT_FALSE(SchreibeZeitstempelDatei(Ordner(ordner) + "/fehlt", "txt", pfad, "x"));
}
