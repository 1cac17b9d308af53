#include "data/markup.h"
#include "data/protokoll.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// A special data text in which field f of group g holds the sub-fields "g.f.0@g.f.1@...", so a
// value shows where it was read from.
std::string Feld(int g, int f)
{
    std::string feld;
    for (int s = 0; s < 18; ++s)
        feld +=
            (s ? "@" : "") + std::to_string(g) + "." + std::to_string(f) + "." + std::to_string(s);
    return feld;
}

std::string MarkierterSpeziellerText()
{
    std::string text;
    for (int g = 0; g < 6; ++g) {
        text += "{";
        for (int f = 0; f < 30; ++f)
            text += (f ? "|" : "") + Feld(g, f);
        text += "}";
    }
    return text;
}

// General data text whose group 1 is the header record, group 2 the internal note.
std::string Kopfdaten(const std::string& gruppe1, const std::string& gruppe2 = "")
{
    return "{}{" + gruppe1 + "}{" + gruppe2 + "}";
}

CProtokoll ProtokollDerArt(const std::string& pruefart_ID, const std::string& speziell = "")
{
    CProtokoll protokoll;
    protokoll.Initialisiere("P1", "0", pruefart_ID);
    protokoll.SetzeDatentexte("", speziell);
    return protokoll;
}

MESSUNG MessungMit(const std::string& daten)
{
    MESSUNG messung;
    messung.daten = daten;
    return messung;
}

struct Zelle
{
    std::string text;
    std::string schluessel;
    bool operator==(const Zelle&) const = default;
};

std::ostream& operator<<(std::ostream& aus, const Zelle& zelle)
{
    return aus << "'" << zelle.text << "' / '" << zelle.schluessel << "'";
}

Zelle HoleZelle(const CProtokoll& protokoll, int spaltenId, const MESSUNG& messung = {},
                const std::string& praefix = "")
{
    Zelle zelle{"alt", "alt"};
    protokoll.HoleMessungsSpalte(praefix, spaltenId, messung, zelle.text, zelle.schluessel);
    return zelle;
}

std::string NachIndex(const CProtokoll& protokoll, int spalte, const MESSUNG& messung = {})
{
    std::string text = "alt";
    protokoll.HoleMessungsSpalteNachIndex(text, spalte, messung);
    return text;
}

const char* const kVollesXml =
    "<protokoll version=\"0.0.2\" ID=\"P7\" titel_ID=\"12\" pruefart_ID=\"1005\" "
    "pruefart_VER=\"3\" pruefunterartKuerzel=\"LP\">\r\n"
    "<daten>\r\n"
    "<daten_allgemein>{}{Los 1|0+100|OK|links}</daten_allgemein>\r\n"
    "<daten_speziell>{a &amp; b}{&lt;x&gt;}</daten_speziell>\r\n"
    "<daten_messungen>\r\n"
    "<messung lfdNr=\"1\" station=\"0+100\" schicht=\"&quot;OK&quot;\" lage=\"li\">[EV1|45]"
    "</messung>\r\n"
    "<messung lfdNr=\"2\" station=\"\" schicht=\"\" lage=\"\"/>\r\n"
    "</daten_messungen>\r\n"
    "</daten>\r\n"
    "</protokoll>\r\n";

// Everything a read gives, with its result, as one text.
std::string Abbild(bool gelesen, const CProtokoll& p)
{
    std::string abbild = gelesen ? "gelesen" : "nicht gelesen";
    const auto dazu = [&abbild](const std::string& text) { abbild += '\x01' + text; };
    for (const std::string& text :
         {p.GetVersion(), p.GetID(), p.GetTitelID(), p.GetPruefartID(),
          std::to_string(p.GetPruefart()), std::to_string(p.GetArtIndex()),
          std::to_string(p.GetPruefartVER()), p.GetPruefunterartKuerzel(), p.GetDatenAllgemein(),
          p.GetDatenSpeziell()})
        dazu(text);
    MESSUNG m;
    for (int i = 0; i < p.GetAnzahlMessungen(); ++i) {
        p.GetMessung(i, m);
        for (const std::string& text :
             {m.lfdNr, std::to_string(m.lfdNrWert), m.station, m.schicht, m.lage, m.daten})
            dazu(text);
    }
    return abbild;
}

// The record read from its text, and read through a document as every caller may.
std::string GelesenAusText(std::string_view xml)
{
    CProtokoll protokoll;
    const bool gelesen = protokoll.LeseXML(xml);
    return Abbild(gelesen, protokoll);
}

std::string GelesenAusDokument(std::string_view xml)
{
    CMarkup dokument;
    dokument.SetzeDokument(xml);
    CProtokoll protokoll;
    const bool gelesen = protokoll.LeseXML(dokument);
    return Abbild(gelesen, protokoll);
}

} // namespace

TEST(CProtokoll, ListKindFollowsTheTestType)
{
    const struct
    {
        const char* id;
        int art;
    } faelle[] = {{"1000", 7}, {"1001", 1}, {"1002", 1},  {"1003", 0}, {"1006", 10}, {"1007", 1},
                  {"1008", 4}, {"1009", 2}, {"1010", 3},  {"1013", 9}, {"1015", 6},  {"1016", 8},
                  {"1017", 5}, {"1018", 0}, {"1020", 11}, {"abc", 0},  {"", 0}};
    for (const auto& fall : faelle) {
        const CProtokoll protokoll = ProtokollDerArt(fall.id);
        EXPECT_EQ(protokoll.GetArtIndex(), fall.art) << fall.id;
        Spaltentextzeile worte;
        protokoll.KopiereSpaltentexte(worte);
        EXPECT_EQ(worte[0], std::to_string(fall.art)) << fall.id;
    }
    EXPECT_EQ(ProtokollDerArt("abc").GetPruefart(), 0);
    EXPECT_EQ(ProtokollDerArt("1005").GetVersion(), "0.0.2");
}

TEST(CProtokoll, XmlIsWrittenInItsFixedFormAndReadBackByteForByte)
{
    CProtokoll protokoll;
    ASSERT_TRUE(protokoll.LeseXML(kVollesXml));
    EXPECT_EQ(protokoll.GetID(), "P7");
    EXPECT_EQ(protokoll.GetTitelID(), "12");
    EXPECT_EQ(protokoll.GetPruefartID(), "1005");
    EXPECT_EQ(protokoll.GetPruefartVER(), 3);
    EXPECT_EQ(protokoll.GetPruefunterartKuerzel(), "LP");
    EXPECT_EQ(protokoll.GetDatenAllgemein(), "{}{Los 1|0+100|OK|links}");
    EXPECT_EQ(protokoll.GetDatenSpeziell(), "{a & b}{<x>}");
    ASSERT_EQ(protokoll.GetAnzahlMessungen(), 2);
    MESSUNG messung;
    protokoll.GetMessung(0, messung);
    EXPECT_EQ(messung.lfdNr, "1");
    EXPECT_EQ(messung.lfdNrWert, 1);
    EXPECT_EQ(messung.station, "0+100");
    EXPECT_EQ(messung.schicht, "\"OK\"");
    EXPECT_EQ(messung.lage, "li");
    EXPECT_EQ(messung.daten, "[EV1|45]");

    EXPECT_EQ(protokoll.SchreibeXML(), kVollesXml);

    CProtokoll zweites;
    ASSERT_TRUE(zweites.LeseXML(protokoll.SchreibeXML()));
    EXPECT_EQ(zweites.SchreibeXML(), kVollesXml);
}

TEST(CProtokoll, ReadingToleratesMissingPartsAndRejectsNonProtocols)
{
    CProtokoll protokoll;
    EXPECT_FALSE(protokoll.LeseXML(""));
    EXPECT_FALSE(protokoll.LeseXML("kein XML"));
    EXPECT_FALSE(protokoll.LeseXML("<massnahme ID=\"1\"/>"));
    EXPECT_FALSE(protokoll.LeseXML("<protokoll ID=\"1\">")); // no end tag

    // Without "daten": a protocol without texts and measurements.
    ASSERT_TRUE(protokoll.LeseXML("<protokoll ID=\"\" pruefart_VER=\"03\"/>"));
    EXPECT_EQ(protokoll.GetID(), "");
    EXPECT_EQ(protokoll.GetVersion(), "");
    EXPECT_EQ(protokoll.GetAnzahlMessungen(), 0);
    EXPECT_NE(protokoll.SchreibeXML().find("pruefart_VER=\"3\""), std::string::npos);

    // A missing special text stays empty rather than taking its neighbour's text.
    ASSERT_TRUE(protokoll.LeseXML("<protokoll><daten><daten_allgemein>{a}</daten_allgemein>"
                                  "<daten_messungen><messung>[X|1]</messung><messung lfdNr=\" "
                                  "-12abc\"/><messung lfdNr=\"99999999999\"/>"
                                  "</daten_messungen></daten></protokoll>"));
    EXPECT_EQ(protokoll.GetDatenAllgemein(), "{a}");
    EXPECT_EQ(protokoll.GetDatenSpeziell(), "");
    ASSERT_EQ(protokoll.GetAnzahlMessungen(), 3);
    MESSUNG messung;
    protokoll.GetMessung(0, messung);
    EXPECT_EQ(messung.lfdNr, "");
    EXPECT_EQ(messung.lfdNrWert, 0);
    EXPECT_EQ(messung.daten, "[X|1]");
    protokoll.GetMessung(1, messung);
    EXPECT_EQ(messung.lfdNrWert, -12);
    protokoll.GetMessung(2, messung);
    EXPECT_EQ(messung.lfdNrWert, 2147483647);

    // Reading again replaces the measurements instead of adding to them.
    ASSERT_TRUE(protokoll.LeseXML(kVollesXml));
    EXPECT_EQ(protokoll.GetAnzahlMessungen(), 2);
    EXPECT_THROW(protokoll.GetMessung(2, messung), CInvalidArgException);
    EXPECT_THROW(protokoll.GetMessung(-1, messung), CInvalidArgException);
}

// Records as writers lay them out are read without a document; every record, however it is
// changed, must read exactly as the document reads it.
TEST(CProtokoll, RecordsReadAsTheDocumentReadsThemHoweverTheyAreWritten)
{
    const std::string bases[] = {
        kVollesXml,
        "<protokoll ID=\"a&amp;b\" ID=\"zweites\" version=\"0.0.1\"titel_ID=\"3\" "
        "pruefart_ID=\" 1002x\"><daten><daten_allgemein>{}{a|b|c|d|e|f|g|h|PV-12|j||}"
        "</daten_allgemein>x<daten_speziell/>\t<daten_messungen><messung lage=\"r\" "
        "lfdNr=\"&#51;\" lfdNr=\"4\">&lt;&gt;&amp;amp;&</messung><messung/></daten_messungen>"
        "</daten>\n</protokoll>rest<",
        "<protokoll version=\"0.0.2\"><daten><daten_allgemein/><daten_speziell>{s}"
        "</daten_speziell><daten_messungen/></daten></protokoll>",
    };
    for (const std::string& basis : bases)
        EXPECT_EQ(GelesenAusText(basis), GelesenAusDokument(basis)) << basis;

    // Edits with the characters and pieces that decide how markup reads.
    const std::string_view stuecke[] = {"<",          ">",
                                        "/",          "\"",
                                        "=",          "&",
                                        " ",          "\r\n",
                                        "!",          "?",
                                        "-",          "x",
                                        "/>",         "</",
                                        "</messung>", "<messung>",
                                        "<!--",       "-->",
                                        "<![CDATA[",  "]]>",
                                        "&amp;",      "<daten_speziell>",
                                        "<?",         "?>"};
    std::mt19937 zufall(20);
    for (int n = 0; n < 30000; ++n) {
        std::string text = bases[n % std::size(bases)];
        for (int aenderungen = 1 + n % 3; aenderungen > 0; --aenderungen) {
            const size_t pos = zufall() % (text.size() + 1);
            const std::string_view stueck = stuecke[zufall() % std::size(stuecke)];
            switch (zufall() % 3) {
            case 0:
                text.insert(pos, stueck);
                break;
            case 1:
                text.replace(pos, stueck.size(), stueck);
                break;
            default:
                text.erase(pos, 1 + zufall() % 12);
            }
        }
        ASSERT_EQ(GelesenAusText(text), GelesenAusDokument(text)) << text;
    }
}

TEST(CProtokoll, OldFormatProtocolNumbersLoseTheirPrefix)
{
    const auto gelesen = [](const std::string& version, const std::string& gruppe1) {
        CProtokoll protokoll;
        EXPECT_TRUE(protokoll.LeseXML("<protokoll version=\"" + version +
                                      "\"><daten><daten_allgemein>{g0}{" + gruppe1 +
                                      "}{g2}</daten_allgemein></daten></protokoll>"));
        return protokoll;
    };
    const std::string leer17 = "{}{}{}{}{}{}{}{}{}{}{}{}{}{}{}{}{}";

    CProtokoll alt = gelesen("0.0.1", "a|b|c|d|e|f|g|h|PV-12|j||");
    EXPECT_EQ(alt.GetDatenAllgemein(), "{g0}{a|b|c|d|e|f|g|h|12|j}{g2}" + leer17);
    EXPECT_EQ(alt.GetVersion(), "0.0.2");
    EXPECT_EQ(gelesen("0.0.1", "a|b|c|d|e|f|g|h|-12").GetDatenAllgemein(),
              "{g0}{a|b|c|d|e|f|g|h|-12}{g2}" + leer17);
    EXPECT_EQ(gelesen("0.0.1", "a|b|c|d|e|f|g|h|12").GetDatenAllgemein(),
              "{g0}{a|b|c|d|e|f|g|h|12}{g2}" + leer17);
    EXPECT_EQ(gelesen("0.0.1", "a|b|c|d|e|f|g|h|A-B-7").GetDatenAllgemein(),
              "{g0}{a|b|c|d|e|f|g|h|B-7}{g2}" + leer17);

    EXPECT_EQ(gelesen("0.0.2", "a|PV-12||").GetDatenAllgemein(), "{g0}{a|PV-12||}{g2}");
    CProtokoll anders = gelesen("0.0.1 ", "a|b|c|d|e|f|g|h|PV-12");
    EXPECT_EQ(anders.GetDatenAllgemein(), "{g0}{a|b|c|d|e|f|g|h|PV-12}{g2}");
    EXPECT_EQ(anders.GetVersion(), "0.0.1 ");

    // Only the first twenty groups survive the conversion.
    std::string viele;
    for (int g = 0; g < 25; ++g)
        viele += "{" + std::to_string(g) + "}";
    const std::string gewandelt = WandleDatenAllgemein001(viele);
    EXPECT_EQ(gewandelt.find("{19}"), gewandelt.size() - 4);

    // An old protocol without a general text gets the twenty empty groups of the new form.
    CProtokoll ohneAllgemein;
    ASSERT_TRUE(ohneAllgemein.LeseXML("<protokoll version=\"0.0.1\"><daten><daten_speziell>{s}"
                                      "</daten_speziell></daten></protokoll>"));
    EXPECT_EQ(ohneAllgemein.GetDatenAllgemein(), "{}{}{}" + leer17);
    EXPECT_EQ(ohneAllgemein.GetDatenSpeziell(), "{s}");
    EXPECT_EQ(ohneAllgemein.GetVersion(), "0.0.2");
}

TEST(CProtokoll, RawHeaderWritesReplaceOneFieldAndNeedTheGroup)
{
    EXPECT_EQ(SetzeFeld("{a}{x|y}{c}", 1, 3, "v|w"), "{a}{x|y||v|w}{c}") << "not escaped";
    EXPECT_EQ(SetzeFeld("{a}{x|y|z}{c}", 1, 1, ""), "{a}{x||z}{c}");
    EXPECT_EQ(SetzeFeld("vor{a}{}nach", 1, 0, "n"), "{a}{n}") << "no groups are added";
    // Empty groups, and one that lacks its "}", still count as groups of the text.
    EXPECT_EQ(SetzeFeld("{}{}{", 2, 1, "n"), "{}{}{|n}");
    EXPECT_THROW(SetzeFeld("{a}", 1, 0, "n"), CInvalidArgException);
    EXPECT_THROW(SetzeFeld("", 0, 0, "n"), CInvalidArgException);
    EXPECT_THROW(SetzeFeld("{a}", -1, 0, "n"), CInvalidArgException);

    CProtokoll protokoll;
    protokoll.SetzeDatentexte(Kopfdaten("a|b|c|d|e|f|g|h|7|20240101|k"), "{s}");
    protokoll.SetzeProtokollnummerRoh("12");
    protokoll.SetzePruefdatumRoh("20250315");
    EXPECT_EQ(protokoll.HoleProtokollnummer(), "12");
    EXPECT_EQ(protokoll.HolePruefdatumRoh(), "20250315");
    EXPECT_EQ(protokoll.HoleFeld(1, 10), "k");
    EXPECT_EQ(protokoll.GetDatenSpeziell2(), "{s}");

    CProtokoll ohneKopf;
    ohneKopf.SetzeDatentexte("{nur Gruppe 0}", "");
    EXPECT_THROW(ohneKopf.SetzeProtokollnummerRoh("12"), CInvalidArgException);
    EXPECT_EQ(ohneKopf.GetDatenAllgemein(), "{nur Gruppe 0}");
}

TEST(CProtokoll, AssignmentCopiesEveryFieldButTheChangedFlag)
{
    CProtokoll quelle;
    ASSERT_TRUE(quelle.LeseXML(kVollesXml));
    quelle.geaendert = true;

    CProtokoll ziel;
    ziel = quelle;
    EXPECT_EQ(ziel.GetPruefartVER(), 3);
    EXPECT_EQ(ziel.SchreibeXML(), kVollesXml);
    EXPECT_EQ(ziel.GetArtIndex(), quelle.GetArtIndex());
    EXPECT_FALSE(ziel.geaendert);

    MESSUNG messung;
    ziel.GetMessung(0, messung);
    EXPECT_EQ(messung.daten, "[EV1|45]");
}

TEST(CProtokoll, HeaderColumnsShowTheProtocolsHeaderRecord)
{
    CProtokoll protokoll = ProtokollDerArt("1005");
    protokoll.SetzeDatentexte(Kopfdaten("Los ä|x|x|x|Kies|Grube|feucht|?|17|20240315|7:00|8:15|"
                                        "Maier|Huber",
                                        "intern|y"),
                              "");
    EXPECT_EQ(HoleZelle(protokoll, 3), (Zelle{"Los ä", "LOS Ä"}));
    EXPECT_EQ(HoleZelle(protokoll, 7), (Zelle{"Kies", "KIES"}));
    EXPECT_EQ(HoleZelle(protokoll, 8), (Zelle{"Grube", "GRUBE"}));
    EXPECT_EQ(HoleZelle(protokoll, 9), (Zelle{"feucht", "FEUCHT"}));
    EXPECT_EQ(HoleZelle(protokoll, 10), (Zelle{"?", "?"}));
    EXPECT_EQ(HoleZelle(protokoll, 13), (Zelle{"7:00", "7:00"}));
    EXPECT_EQ(HoleZelle(protokoll, 16), (Zelle{"Huber", "HUBER"}));
    EXPECT_EQ(HoleZelle(protokoll, 28), (Zelle{"intern", "INTERN"}));
    EXPECT_EQ(HoleZelle(protokoll, 11, {}, "PV"), (Zelle{"PV-17", "PV-17"}));
    EXPECT_EQ(HoleZelle(protokoll, 11), (Zelle{"-17", "-17"}));
    EXPECT_EQ(HoleZelle(protokoll, 12), (Zelle{"15.03.2024", "20240315"}));

    MESSUNG messung;
    messung.station = "0+123,45";
    messung.schicht = "oben";
    messung.lage = "li";
    EXPECT_EQ(HoleZelle(protokoll, 4, messung), (Zelle{"0+123,45", "00000.1230"}));
    EXPECT_EQ(HoleZelle(protokoll, 5, messung), (Zelle{"oben", "OBEN"}));
    EXPECT_EQ(HoleZelle(protokoll, 6, messung), (Zelle{"li", "LI"}));
    messung.station = "km 3";
    EXPECT_EQ(HoleZelle(protokoll, 4, messung), (Zelle{"km 3", "KM 3"}));

    // A date that is not eight characters is shown as stored.
    protokoll.SetzeDatentexte(Kopfdaten("|||||||||2024315"), "");
    EXPECT_EQ(HoleZelle(protokoll, 12), (Zelle{"2024315", "2024315"}));
}

TEST(CProtokoll, KeyedColumnsReadTheMeasurementThenTheProtocol)
{
    const CProtokoll lastplatte = ProtokollDerArt("1005");
    EXPECT_EQ(HoleZelle(lastplatte, 17, MessungMit("[EV1|45.2][EV2|98]")),
              (Zelle{"45.2", "0000045.2000"}));
    EXPECT_EQ(HoleZelle(lastplatte, 18, MessungMit("[EV1|45.2][EV2|98]")),
              (Zelle{"98", "0000098.0000"}));
    EXPECT_EQ(HoleZelle(lastplatte, 17, MessungMit("[][EV1|45.2]")), (Zelle{"", ""}));
    EXPECT_EQ(HoleZelle(lastplatte, 17, MessungMit("[EV1|0.0005]")), (Zelle{"0.0005", "0.0005"}));
    EXPECT_EQ(HoleZelle(lastplatte, 17, MessungMit("[EV1|0.002]")),
              (Zelle{"0.002", "0000000.0020"}));
    EXPECT_EQ(HoleZelle(lastplatte, 17, MessungMit("[EV1|-3,5]")), (Zelle{"-3,5", "-000003.5000"}));
    EXPECT_EQ(HoleZelle(lastplatte, 17, MessungMit("[EV1|n.b.]")), (Zelle{"n.b.", "n.b."}));
    EXPECT_EQ(HoleZelle(lastplatte, 17, MessungMit("[ev1|1][EV1|4|5]")),
              (Zelle{"4", "0000004.0000"}));
    EXPECT_EQ(HoleZelle(lastplatte, 61, MessungMit("[GLVERL|2.5]")),
              (Zelle{"2.5", "0000002.5000"}));

    // Without a stored value the glow loss comes from the protocol.
    const CProtokoll gluehverlust = ProtokollDerArt("1013", MarkierterSpeziellerText());
    EXPECT_EQ(HoleZelle(gluehverlust, 61, MessungMit("[][GLVERL|9]")).text, Feld(4, 9));

    // The compaction ratio is never shown for a proctor test.
    const MESSUNG verdichtung = MessungMit("[VERDR|0.97]");
    EXPECT_EQ(HoleZelle(ProtokollDerArt("1001"), 29, verdichtung), (Zelle{"", ""}));
    EXPECT_EQ(HoleZelle(ProtokollDerArt("1002"), 29, verdichtung), (Zelle{"0.97", "0000000.9700"}));

    EXPECT_EQ(HoleMesswert("[A|1][B|2]", "B"), "2");
    EXPECT_EQ(HoleMesswert("[A|1][B|2]", "C"), "");
    EXPECT_EQ(HoleMesswert("[A|1", "A"), "");
    // Items run from each "[" to the next "]"; the first with the key answers, an empty one ends.
    EXPECT_EQ(HoleMesswert("[A[B|2]", "B"), "2");
    EXPECT_EQ(HoleMesswert("[A][A|1]", "A"), "");
    EXPECT_EQ(HoleMesswert("[A|1|x]", "A"), "1");
    EXPECT_EQ(HoleMesswert("[A|1][][B|2]", "B"), "");
}

TEST(CProtokoll, ComputedColumnsComeFromTheSpecialDataText)
{
    const std::string markiert = MarkierterSpeziellerText();
    const CProtokoll korn = ProtokollDerArt("1000", markiert);
    EXPECT_EQ(HoleZelle(korn, 45), (Zelle{"4.15.0", "4.15.0"}));
    EXPECT_EQ(HoleZelle(korn, 59).text, "4.15.17");
    EXPECT_EQ(HoleZelle(korn, 58).text, "4.15.6");
    EXPECT_EQ(HoleZelle(korn, 57).text, "2.0.15");

    // Largest grain: the last filled sub-field of 1..15, down to the first; sub-field 0 does
    // not count.
    const std::pair<const char*, Zelle> groesstkoerner[] = {
        {"{}{}{x@a@b}", {"b", "B"}}, {"{}{}{x@a}", {"a", "A"}}, {"{}{}{x}", {"", ""}}};
    for (const auto& [speziell, zelle] : groesstkoerner)
        EXPECT_EQ(HoleZelle(ProtokollDerArt("1000", speziell), 57), zelle) << speziell;

    // Proctor values go to the columns with or without oversize grain.
    const std::string ohneUe = "{}{}{0|1|2|3|4|5|6|}{}{" + std::string(19, '|') + "1.8@x|0.12@y}";
    const std::string mitUe = "{}{}{0|1|2|3|4|5|6|0.3}{}{" + std::string(19, '|') + "1.8@x|0.12@y}";
    const CProtokoll ohne = ProtokollDerArt("1001", ohneUe);
    EXPECT_EQ(HoleZelle(ohne, 21).text, "1.8");
    EXPECT_EQ(HoleZelle(ohne, 22).text, "0.12");
    EXPECT_EQ(HoleZelle(ohne, 34).text, "");
    EXPECT_EQ(HoleZelle(ohne, 35).text, "");
    const CProtokoll mit = ProtokollDerArt("1001", mitUe);
    EXPECT_EQ(HoleZelle(mit, 21).text, "");
    EXPECT_EQ(HoleZelle(mit, 22).text, "");
    EXPECT_EQ(HoleZelle(mit, 34).text, "1.8");
    EXPECT_EQ(HoleZelle(mit, 35).text, "0.12");
    EXPECT_EQ(HoleZelle(mit, 36), (Zelle{"0.3", "0000000.3000"}));
    // A stored measurement value wins over the protocol's.
    EXPECT_EQ(HoleZelle(mit, 21, MessungMit("[WOPT|0.11]")).text, "0.11");

    const CProtokoll binder = ProtokollDerArt("1009", markiert);
    EXPECT_EQ(HoleZelle(binder, 68), (Zelle{" " + Feld(2, 6), " " + Feld(2, 6)}));
    EXPECT_EQ(HoleZelle(binder, 37).text, Feld(2, 9));
    EXPECT_EQ(HoleZelle(ProtokollDerArt("1015", markiert), 43).text, "2.5.5");
    EXPECT_EQ(HoleZelle(ProtokollDerArt("1017", markiert), 41).text, "4.27.0");
    EXPECT_EQ(HoleZelle(ProtokollDerArt("1006", markiert), 65).text, Feld(4, 18));

    // Columns without a value for the test type stay empty; the value itself is left alone.
    EXPECT_EQ(HoleZelle(ProtokollDerArt("1003", markiert), 45), (Zelle{"", ""}));
    EXPECT_EQ(HoleZelle(korn, 99), (Zelle{"", ""}));
    EXPECT_EQ(HoleZelle(korn, -1), (Zelle{"", ""}));
    std::string text = "alt";
    korn.HoleProtokollSpaltenwert(71, text);
    EXPECT_EQ(text, "alt");
    ProtokollDerArt("2000", markiert).HoleProtokollSpaltenwert(45, text);
    EXPECT_EQ(text, "alt");
}

TEST(CProtokoll, ColumnsByIndexFollowTheListKind)
{
    const std::string markiert = MarkierterSpeziellerText();
    const MESSUNG messung = MessungMit("[PRNR|P-3][KALKGEH|12]");
    // The first result column of every kind (column 17).
    const struct
    {
        const char* pruefart;
        std::string erwartet;
    } faelle[] = {
        {"1003", "P-3"},      // kind 0: PV number of the measurement
        {"1001", "P-3"},      // kind 1
        {"1009", "P-3"},      // kind 2
        {"1010", Feld(2, 0)}, // kind 3: LP number
        {"1008", Feld(4, 9)}, // kind 4: grain density
        {"1017", "4.27.0"},   // kind 5: permeability
        {"1015", "2.4.5"},    // kind 6: filter
        {"1000", "4.15.6"},   // kind 7: non-uniformity
        {"1016", "12"},       // kind 8: lime content of the measurement
        {"1013", Feld(4, 9)}, // kind 9: glow loss
        {"1006", Feld(4, 8)}, // kind 10: liquid limit
        {"1020", Feld(4, 1)}, // kind 11: subject
    };
    for (const auto& fall : faelle) {
        const CProtokoll protokoll = ProtokollDerArt(fall.pruefart, markiert);
        EXPECT_EQ(NachIndex(protokoll, 17, messung), fall.erwartet) << fall.pruefart;
        // Columns 36 and beyond, and negative ones, count as column 0, which shows nothing.
        EXPECT_EQ(NachIndex(protokoll, 36, messung), "") << fall.pruefart;
        EXPECT_EQ(NachIndex(protokoll, 1000, messung), "") << fall.pruefart;
        EXPECT_EQ(NachIndex(protokoll, -1, messung), "") << fall.pruefart;
    }

    CProtokoll proctor = ProtokollDerArt("1001", markiert);
    proctor.SetzeDatentexte(Kopfdaten("Los 1|||||||||||"), markiert);
    EXPECT_EQ(NachIndex(proctor, 3, messung), "Los 1");
    EXPECT_EQ(NachIndex(proctor, 20, messung), Feld(2, 7)); // the oversize grain
    EXPECT_EQ(NachIndex(proctor, 35, messung), "");         // past the kind's columns
}

TEST(CProtokoll, OverviewLineJoinsNumberHeaderAndGroupThree)
{
    CProtokoll protokoll = ProtokollDerArt("1005");
    protokoll.SetzeDatentexte(Kopfdaten("a|b|c|d|e|f|g|h|17|20240315"), "{0}{1}{2}{drei|x}");
    EXPECT_EQ(protokoll.BildeUebersichtszeile(), "[17][a|b|c|d|e|f|g|h|17|20240315][drei|x]");
    EXPECT_EQ(CProtokoll().BildeUebersichtszeile(), "[][][]");
}
