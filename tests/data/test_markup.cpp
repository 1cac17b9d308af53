#include "data/markup.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>
#include <random>
#include <span>
#include <vector>

namespace {

// Describes the element tree below the main position through the public reading operations:
// offsets, names, attribute names and element texts, depth first.
void BeschreibeBaum(CMarkup& m, std::string& aus, int tiefe)
{
    int anfang = 0, ende = 0;
    m.HoleElementBereich(anfang, ende);
    aus += std::to_string(tiefe) + ":" + std::to_string(anfang) + "-" + std::to_string(ende);
    for (int n = 0; !m.HoleAttributName(n).empty(); ++n)
        aus += " " + m.HoleAttributName(n) + "=" + m.HoleAttribut(m.HoleAttributName(n));
    aus += "\n";
    while (m.FindeKindElement()) {
        aus += "[" + m.HoleKindUnterdokument() + "|" + m.HoleKindDaten() + "]\n";
        m.BetreteElement();
        BeschreibeBaum(m, aus, tiefe + 1);
        m.VerlasseElement();
    }
}

std::string BaumNachNeuemParsen(const std::string& dokument)
{
    CMarkup frisch;
    EXPECT_TRUE(frisch.SetzeDokument(dokument));
    EXPECT_TRUE(frisch.FindeElement());
    std::string aus;
    BeschreibeBaum(frisch, aus, 0);
    return aus;
}

} // namespace

TEST(CMarkupParsen, AcceptsDeclarationAndCommentsBeforeTheTopElement)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<?xml version=\"1.0\"?>\r\n<!-- Kommentar <x> -->\r\n"
                                "<massnahme><ID>7</ID></massnahme>"));
    EXPECT_TRUE(m.FindeElement("massnahme"));
    EXPECT_TRUE(m.FindeKindElement("ID"));
    EXPECT_EQ(m.HoleKindDaten(), "7");

    // A comment and a CDATA section where a child may stand are passed over.
    ASSERT_TRUE(m.SetzeDokument("<a><!-- <b> --><![CDATA[<c>]]><d/></a>"));
    EXPECT_TRUE(m.FindeKindElement());
    EXPECT_EQ(m.HoleKindUnterdokument(), "<d/>");
    EXPECT_FALSE(m.FindeKindElement());

    // The end tag may carry blanks and further tokens before its ">".
    EXPECT_TRUE(m.SetzeDokument("<a>x</a >"));
    EXPECT_TRUE(m.SetzeDokument("<a>x</a junk=\"1\">"));
}

TEST(CMarkupParsen, OnlyTheFirstTopLevelElementCounts)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a>1</a>\r\n<b>2</b> and </unchecked"));
    EXPECT_TRUE(m.FindeElement());
    EXPECT_FALSE(m.FindeElement());
    EXPECT_FALSE(m.FindeElement("b"));
}

TEST(CMarkupParsen, RejectsBrokenDocumentsAndLeavesAnEmptyOne)
{
    const char* kaputt[] = {
        "",
        "nur Text",
        "<a>x</b>",                   // other end tag
        "<a>x</A>",                   // names are case-sensitive
        "<a><b>x</a>",                // child without end tag
        "<a>x",                       // no end tag at all
        "<a",                         // start tag not closed
        "<a>x</a",                    // end tag not closed
        "<!-- offen <a/>",            // comment not closed
        "<!DOCTYPE a><a/>",           // a declaration runs to the next "-->"
        "<?xml version=\"1.0\" <a/>", // declaration not closed
        "<\"a\">x</\"a\">",           // quoted first token
        "<",
        "< ",
    };
    for (const char* text : kaputt) {
        CMarkup m;
        EXPECT_FALSE(m.SetzeDokument(text)) << text;
        EXPECT_EQ(m.HoleDokument(), "") << text;
        EXPECT_FALSE(m.FindeElement()) << text;
        EXPECT_FALSE(m.FindeKindElement()) << text;
        EXPECT_EQ(m.HoleAttribut("a"), "") << text;
        EXPECT_EQ(m.HoleKindDaten(), "") << text;
    }
    // A failed parse does not keep records of the document before.
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a><b/></a>"));
    EXPECT_FALSE(m.SetzeDokument("<a><b/>"));
    EXPECT_EQ(m.BaueDiagnoseliste(), "");
}

TEST(CMarkupLesen, TextContentIsUnescapedOncePassingUnknownReferences)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a>"
                                "<t1>&lt;b&gt; &amp;amp; &apos;&quot;</t1>"
                                "<t2>&#65; &unbekannt; &LT; &am</t2>"
                                "<t3>  Blanks bleiben \r\n</t3>"
                                "<t4> <![CDATA[<x>&amp;]]> </t4>"
                                "<t6/>"
                                "<t7><k/></t7>"
                                "</a>"));
    const std::pair<const char*, const char*> erwartet[] = {
        {"t1", "<b> &amp; '\""},
        {"t2", "&#65; &unbekannt; &LT; &am"},
        {"t3", "  Blanks bleiben \r\n"},
        {"t4", "<x>&amp;"},
        {"t6", ""},
        {"t7", ""},
    };
    for (const auto& [name, text] : erwartet) {
        ASSERT_TRUE(m.FindeKindElement(name)) << name;
        EXPECT_EQ(m.HoleKindDaten(), text) << name;
    }
}

TEST(CMarkupLesen, AttributesNeedDoubleQuotesAndAnExactName)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a eins='1' zwei = \"2\" drei=\"x&quot;y&amp;z\" Vier=\"4\" "
                                "fuenf=6 sechs=\"sieben\" leer=\"\">sieben=\"8\"</a>"));
    ASSERT_TRUE(m.FindeElement());
    EXPECT_EQ(m.HoleAttribut("eins"), "");
    EXPECT_EQ(m.HoleAttribut("zwei"), "2");
    EXPECT_EQ(m.HoleAttribut("drei"), "x\"y&z");
    EXPECT_EQ(m.HoleAttribut("vier"), "");
    EXPECT_EQ(m.HoleAttribut("fuenf"), "");
    EXPECT_EQ(m.HoleAttribut("sieben"), ""); // a value is no name, the content is no tag
    EXPECT_EQ(m.HoleAttribut("leer"), "");
    EXPECT_EQ(m.HoleAttribut(""), "");
    EXPECT_EQ(m.HoleAttribut("a"), ""); // the tag name is skipped
    EXPECT_EQ(m.HoleAttributName(0), "eins");
    EXPECT_EQ(m.HoleAttributName(1), "'1'");
    EXPECT_EQ(m.HoleAttributName(2), "zwei");
    EXPECT_EQ(m.HoleAttributName(20), "");
    EXPECT_EQ(m.HoleKindAttribut("zwei"), ""); // no child position
}

TEST(CMarkupLesen, AttributesFollowTheWalkOverTheStartTag)
{
    const struct
    {
        const char* dokument;
        std::vector<std::string_view> namen;
        std::vector<std::string> erwartet;
    } faelle[] = {
        // A repeated attribute gives its first value; an unquoted value is none, and the next
        // name behind it ("w") is first met as that value.
        {"<a x=\"1\" y=\"2\" x=\"3\" z=w w=\"4\"/>",
         {"x", "y", "z", "w", "", "x", "fehlt"},
         {"1", "2", "", "", "", "1", ""}},
        // The value is the quoted token two behind the name, whatever stands between.
        {"<a x y \"v\" z \"q\" \"w\"/>", {"x", "y", "z", "q"}, {"v", "", "w", ""}},
        // A name just before the tag end takes the quoted token behind the ">".
        {"<a k>\"v\"</a>", {"k", "a"}, {"v", ""}},
        // A ">" inside a value ends the start tag, but not the walk over its attributes.
        {"<a x=\"1>2\" y=\"3\">t</a>", {"x", "y"}, {"1>2", "3"}},
        {"<a lage=\"&lt;A&gt;\" lfdNr=\"7\"/>", {"lfdNr", "lage"}, {"7", "<A>"}},
        // A reference in the last sixteen bytes of the text, which are gone through one by one.
        {"<a x=\"1&amp;2\"/>", {"x"}, {"1&2"}},
    };
    for (const auto& fall : faelle) {
        CMarkup m;
        ASSERT_TRUE(m.SetzeDokument(fall.dokument)) << fall.dokument;
        ASSERT_TRUE(m.FindeElement());
        for (size_t i = 0; i < fall.namen.size(); ++i) {
            EXPECT_EQ(m.HoleAttribut(fall.namen[i]), fall.erwartet[i]) << fall.namen[i];
            EXPECT_EQ(m.HoleKindAttribut(fall.namen[i]), ""); // no child position
        }
        // Inserted into another document it reads alike.
        CMarkup neu;
        ASSERT_TRUE(neu.SetzeDokument("<r/>"));
        ASSERT_TRUE(neu.FindeElement());
        ASSERT_TRUE(neu.FuegeKindUnterdokumentHinzu(fall.dokument));
        for (size_t i = 0; i < fall.namen.size(); ++i)
            EXPECT_EQ(neu.HoleKindAttribut(fall.namen[i]), fall.erwartet[i]) << fall.namen[i];
    }

    // A value found behind the start tag follows the content it stands in.
    CMarkup dahinter;
    ASSERT_TRUE(dahinter.SetzeDokument("<a><b k>\"v\"</b></a>"));
    ASSERT_TRUE(dahinter.FindeKindElement("b"));
    EXPECT_EQ(dahinter.HoleKindAttribut("k"), "v");
    ASSERT_TRUE(dahinter.SetzeElementDaten(dahinter.HoleKindPosition(), "w"));
    EXPECT_EQ(dahinter.HoleKindAttribut("k"), "");

    // Several values appended to one text.
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a><b s=\"1\" t=\"2&amp;3\">x</b></a>"));
    ASSERT_TRUE(m.FindeKindElement("b"));
    std::string werte = "[";
    const std::string_view namen[] = {"t", "fehlt", "s", "t"};
    size_t enden[4] = {};
    m.HaengeKindAttributeAn(namen, werte, enden);
    m.HaengeKindDatenAn(werte);
    EXPECT_EQ(werte, "[2&312&3x");
    EXPECT_EQ(std::vector<size_t>(std::begin(enden), std::end(enden)),
              (std::vector<size_t>{4, 4, 5, 8}));
    EXPECT_THROW(m.HaengeKindAttributeAn(namen, werte, std::span(enden).first(3)),
                 CInvalidArgException);
    const std::vector<std::string_view> zuViele(CMarkup::kHoechstensAttribute + 1, "s");
    std::vector<size_t> vieleEnden(zuViele.size());
    EXPECT_THROW(m.HaengeKindAttributeAn(zuViele, werte, vieleEnden), CInvalidArgException);
}

TEST(CMarkupNavigation, ChildSearchOnlyMovesForward)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<m><x>1</x>\r\n<y a=\"b\">2</y> Text <z><zz/></z></m>"));
    // Without a main position the child search takes the top-level element first.
    EXPECT_TRUE(m.FindeKindElement("y"));
    EXPECT_FALSE(m.FindeKindElement("x"));
    EXPECT_EQ(m.HoleKindDaten(), "2");
    EXPECT_EQ(m.HoleKindAttribut("a"), "b");
    EXPECT_EQ(m.HoleKindUnterdokument(), "<y a=\"b\">2</y> Text ");

    EXPECT_TRUE(m.BetreteElement());
    EXPECT_FALSE(m.FindeKindElement()); // y has no children
    EXPECT_FALSE(m.BetreteElement());
    EXPECT_TRUE(m.FindeElement("z"));
    EXPECT_TRUE(m.BetreteElement()); // finds zz first
    EXPECT_EQ(m.HoleAttribut("a"), "");
    EXPECT_TRUE(m.VerlasseElement());
    EXPECT_EQ(m.HoleKindUnterdokument(), "<zz/>");
    EXPECT_TRUE(m.VerlasseElement());
    EXPECT_EQ(m.HoleKindUnterdokument(), "<z><zz/></z>");
    EXPECT_FALSE(m.VerlasseElement());  // at the top level
    EXPECT_FALSE(m.FindeKindElement()); // z was the last child
    // A new search at the main level resets the child position.
    ASSERT_TRUE(m.SetzeDokument(m.HoleDokument()));
    EXPECT_TRUE(m.FindeElement("m"));
    EXPECT_TRUE(m.FindeKindElement("x"));
}

TEST(CMarkupSchreiben, BuildsAProtocolByteForByte)
{
    CMarkup m;
    EXPECT_TRUE(m.FuegeElementHinzu("protokoll"));
    EXPECT_TRUE(m.FuegeAttributHinzu("version", "0.0.2"));
    EXPECT_TRUE(m.FuegeAttributZahlHinzu("pruefart_VER", -3));
    EXPECT_TRUE(m.FuegeKindElementHinzu("daten"));
    EXPECT_TRUE(m.BetreteElement());
    EXPECT_TRUE(m.FuegeKindElementHinzu("daten_allgemein", "{a<b>&c}"));
    EXPECT_TRUE(m.FuegeKindElementHinzu("daten_messungen"));
    EXPECT_TRUE(m.BetreteElement());
    EXPECT_TRUE(m.FuegeKindElementHinzu("messung", "[x|1]"));
    EXPECT_TRUE(m.FuegeKindAttributHinzu("lfdNr", "1"));
    EXPECT_TRUE(m.FuegeKindAttributHinzu("station", "km \"5\" <'a'> & b"));
    EXPECT_EQ(m.HoleDokument(),
              "<protokoll version=\"0.0.2\" pruefart_VER=\"-3\">\r\n"
              "<daten>\r\n"
              "<daten_allgemein>{a&lt;b&gt;&amp;c}</daten_allgemein>\r\n"
              "<daten_messungen>\r\n"
              "<messung lfdNr=\"1\" station=\"km &quot;5&quot; &lt;&apos;a&apos;&gt; &amp; "
              "b\">[x|1]</messung>\r\n"
              "</daten_messungen>\r\n"
              "</daten>\r\n"
              "</protokoll>\r\n");
    EXPECT_EQ(m.HoleKindAttribut("station"), "km \"5\" <'a'> & b");

    // The example of opening an empty main element.
    CMarkup leer;
    ASSERT_TRUE(leer.SetzeDokument("<main a=\"1\" />"));
    ASSERT_TRUE(leer.FindeElement());
    EXPECT_TRUE(leer.FuegeKindElementHinzu("kind", "a<b"));
    EXPECT_EQ(leer.HoleDokument(), "<main a=\"1\" >\r\n<kind>a&lt;b</kind>\r\n</main>");
    EXPECT_EQ(leer.HoleKindDaten(), "a<b");
}

TEST(CMarkupSchreiben, InsertsAtTheSpecifiedPlaces)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a>Text</a>"));
    EXPECT_FALSE(m.FuegeKindElementHinzu("x")); // no main position
    EXPECT_FALSE(m.FuegeAttributHinzu("x", "1"));
    EXPECT_FALSE(m.FuegeKindAttributHinzu("x", "1"));
    ASSERT_TRUE(m.FindeElement());
    EXPECT_TRUE(m.FuegeKindElementHinzu("c")); // inside text content: before the end tag
    EXPECT_TRUE(m.FuegeKindElementEin("b"));   // before the current child
    EXPECT_TRUE(m.FindeKindElement("c"));
    EXPECT_TRUE(m.FuegeKindElementHinzu("d")); // behind the current child
    EXPECT_EQ(m.HoleDokument(), "<a>Text<b/>\r\n<c/>\r\n<d/>\r\n</a>");
    EXPECT_TRUE(m.FuegeElementHinzu("z", "2")); // behind the main element
    EXPECT_EQ(m.HoleDokument(), "<a>Text<b/>\r\n<c/>\r\n<d/>\r\n</a><z>2</z>\r\n");

    EXPECT_TRUE(m.SetzeAttribut("neu", "1"));
    EXPECT_TRUE(m.SetzeAttribut("neu", "lang&\""));
    EXPECT_TRUE(m.SetzeAttributZahl("zahl", 42));
    EXPECT_EQ(m.HoleAttribut("neu"), "lang&\"");
    EXPECT_TRUE(m.SetzeElementDaten(m.HoleHauptPosition(), "x<y"));
    EXPECT_EQ(m.HoleDokument(), "<a>Text<b/>\r\n<c/>\r\n<d/>\r\n</a>"
                                "<z neu=\"lang&amp;&quot;\" zahl=\"42\">x&lt;y</z>\r\n");
}

TEST(CMarkupSchreiben, ElementTextCdataRemovalAndSavedPositions)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a><b/><c>alt</c><d><e/></d></a>"));
    ASSERT_TRUE(m.FindeKindElement("b"));
    EXPECT_TRUE(m.SetzeElementDaten(m.HoleKindPosition(), "<roh>", true));
    EXPECT_EQ(m.HoleKindDaten(), "<roh>");
    ASSERT_TRUE(m.FindeKindElement("c"));
    EXPECT_TRUE(m.SetzeElementDaten(m.HoleKindPosition(), "x]]>y", true)); // no CDATA possible
    EXPECT_EQ(m.HoleDokument(), "<a><b><![CDATA[<roh>]]></b><c>x]]&gt;y</c><d><e/></d></a>");
    ASSERT_TRUE(m.FindeKindElement("d"));
    EXPECT_FALSE(m.SetzeElementDaten(m.HoleKindPosition(), "x")); // has children
    EXPECT_THROW(m.SetzeElementDaten(0, "x"), CInvalidArgException);
    EXPECT_THROW(m.SetzeElementDaten(99, "x"), CInvalidArgException);

    EXPECT_TRUE(m.SpeicherePosition("hier"));
    EXPECT_FALSE(m.SpeicherePosition(""));
    EXPECT_TRUE(m.EntferneKindElement()); // d goes, the child position moves to c
    EXPECT_EQ(m.HoleKindDaten(), "x]]>y");
    EXPECT_TRUE(m.EntferneKindElement());
    EXPECT_TRUE(m.EntferneKindElement());
    EXPECT_FALSE(m.EntferneKindElement());
    EXPECT_EQ(m.HoleDokument(), "<a></a>");
    EXPECT_FALSE(m.StellePositionWiederHer("woanders"));
    EXPECT_FALSE(m.StellePositionWiederHer(""));
    EXPECT_TRUE(m.EntferneElement());
    EXPECT_EQ(m.HoleDokument(), "");
    EXPECT_FALSE(m.FindeElement());
    EXPECT_TRUE(m.FuegeElementHinzu("neu"));
    EXPECT_EQ(m.HoleDokument(), "<neu/>\r\n");
}

TEST(CMarkupSchreiben, SubdocumentsAreInsertedOnlyWhenTheyParse)
{
    CMarkup quelle;
    ASSERT_TRUE(quelle.SetzeDokument("<q><messung lfdNr=\"1\">[a|b]</messung>\r\n</q>"));
    ASSERT_TRUE(quelle.FindeKindElement());

    CMarkup m;
    EXPECT_FALSE(m.FuegeKindUnterdokumentHinzu("<x/>")); // no main position
    ASSERT_TRUE(m.SetzeDokument("<liste/>"));
    ASSERT_TRUE(m.FindeElement());
    ASSERT_TRUE(m.SpeicherePosition("liste"));
    EXPECT_TRUE(m.FuegeKindUnterdokumentHinzu(quelle.HoleKindUnterdokument()));
    EXPECT_EQ(m.HoleKindAttribut("lfdNr"), "1");
    EXPECT_TRUE(m.FuegeKindUnterdokumentEin("vorweg <?xml version=\"1.0\"?>\r\n<erste>1</erste>"));
    EXPECT_EQ(m.HoleKindDaten(), "1");
    const std::string vorher = m.HoleDokument();
    EXPECT_EQ(vorher,
              "<liste>\r\n<erste>1</erste><messung lfdNr=\"1\">[a|b]</messung>\r\n</liste>");

    // Refused: no element, and markup that would stay open or close what it did not open.
    for (const char* kaputt : {"", "kein Element", "<x>", "<x></y>", "<!-- nur -->", "</liste>",
                               "<x/></liste>", "<x/><y>", "<x/><!-- offen", "<x/> a < b",
                               "<x/><y></z>", "<x/><![CDATA[offen", "<x/></_>"}) {
        EXPECT_FALSE(m.FuegeKindUnterdokumentHinzu(kaputt)) << kaputt;
        EXPECT_EQ(m.HoleDokument(), vorher) << kaputt;
    }
    // Text behind the first element goes in with it, unparsed; only the first one is linked.
    CMarkup folge;
    ASSERT_TRUE(folge.SetzeDokument("<a><b/></a>"));
    ASSERT_TRUE(folge.FindeElement());
    ASSERT_TRUE(folge.FindeKindElement("b"));
    ASSERT_TRUE(folge.FuegeKindUnterdokumentEin("<x i=\"1\"/>dann <!-- k --><y>t</y> & >"));
    EXPECT_EQ(folge.HoleKindUnterdokument(), "<x i=\"1\"/>dann "); // up to the next "<"
    EXPECT_EQ(folge.HoleKindAttribut("i"), "1");
    ASSERT_TRUE(folge.FindeKindElement());
    EXPECT_EQ(folge.HoleKindUnterdokument(), "<b/>");
    EXPECT_EQ(folge.HoleDokument(), "<a><x i=\"1\"/>dann <!-- k --><y>t</y> & ><b/></a>");
    EXPECT_EQ(folge.BaueDiagnoseliste().find("UNSAFE"), std::string::npos);
    CMarkup frisch;
    EXPECT_TRUE(frisch.SetzeDokument(folge.HoleDokument()));

    // A failed insertion into an empty element leaves it closed.
    CMarkup zu;
    ASSERT_TRUE(zu.SetzeDokument("<a><b/></a>"));
    ASSERT_TRUE(zu.FindeKindElement());
    ASSERT_TRUE(zu.BetreteElement());
    EXPECT_FALSE(zu.FuegeKindUnterdokumentHinzu("<x>"));
    EXPECT_EQ(zu.HoleDokument(), "<a><b/></a>");
    EXPECT_EQ(BaumNachNeuemParsen(vorher), [&] {
        std::string aus;
        m.StellePositionWiederHer("liste");
        BeschreibeBaum(m, aus, 0);
        return aus;
    }());
}

TEST(CMarkupSchreiben, ManyInsertionsKeepTheOffsetsOfAFreshParse)
{
    std::mt19937 zufall(4711);
    CMarkup m;
    m.FuegeElementHinzu("wurzel");
    ASSERT_TRUE(m.SpeicherePosition("wurzel"));
    int ebene = 0;
    for (int schritt = 0; schritt < 600; ++schritt) {
        const std::string name = "e" + std::to_string(zufall() % 7);
        const std::string text = zufall() % 3 ? "" : "t<&>" + std::to_string(schritt);
        switch (zufall() % 12) {
        case 0:
        case 1:
            m.FuegeKindElementHinzu(name, text);
            break;
        case 2:
            m.FuegeKindElementEin(name, text);
            break;
        case 3:
            if (ebene > 0)
                m.FuegeElementHinzu(name, text);
            break;
        case 4:
            m.FuegeAttributHinzu(name, text);
            break;
        case 5:
            m.SetzeKindAttribut(name, text + "\"'");
            break;
        case 6:
            if (m.BetreteElement())
                ++ebene;
            break;
        case 7:
            if (m.VerlasseElement())
                --ebene;
            break;
        case 8:
            if (zufall() % 4 == 0)
                m.EntferneKindElement();
            break;
        case 9:
            m.FuegeKindUnterdokumentHinzu("<sub a=\"1\"><x>" + text + "</x><y/></sub>\r\n");
            break;
        case 10:
            if (m.HoleKindPosition())
                m.SetzeElementDaten(m.HoleKindPosition(), text, zufall() % 2);
            break;
        default:
            m.FindeKindElement(name);
            break;
        }
    }
    ASSERT_TRUE(m.StellePositionWiederHer("wurzel"));
    std::string inkrementell;
    BeschreibeBaum(m, inkrementell, 0);
    EXPECT_GT(inkrementell.size(), 5000u);
    EXPECT_EQ(inkrementell, BaumNachNeuemParsen(m.HoleDokument()));
}

TEST(CMarkupRobustheit, AnyBytesParseWithoutCrashOrHang)
{
    const std::string vorlage =
        "<?xml version=\"1.0\"?><!-- k --><protokoll version=\"0.0.2\" ID=\"a&amp;b\">\r\n"
        "<daten><daten_allgemein><![CDATA[x]]></daten_allgemein><leer/>"
        "<m lfdNr='1' station=\"2\">t&lt;</m></daten></protokoll>";
    std::mt19937 zufall(99);
    const auto pruefe = [](const std::string& text) {
        CMarkup m;
        const bool gelesen = m.SetzeDokument(text);
        std::string aus;
        if (gelesen && m.FindeElement()) {
            BeschreibeBaum(m, aus, 0);
            m.FuegeKindElementHinzu("neu", "x");
            m.FuegeKindUnterdokumentEin(text);
            m.SetzeAttribut("version", "1");
        }
        EXPECT_EQ(m.BaueDiagnoseliste().find("UNSAFE"), std::string::npos) << text;
    };
    for (size_t laenge = 0; laenge <= vorlage.size(); ++laenge)
        pruefe(vorlage.substr(0, laenge));
    const std::string zeichen = "<>/=\"'?![]-& \r\nabCDATA";
    for (int runde = 0; runde < 3000; ++runde) {
        std::string text = vorlage;
        for (int aenderung = zufall() % 6; aenderung >= 0; --aenderung)
            text[zufall() % text.size()] = zeichen[zufall() % zeichen.size()];
        pruefe(text);
        std::string wirr(zufall() % 64, '\0');
        for (char& c : wirr)
            c = zufall() % 2 ? zeichen[zufall() % zeichen.size()] : static_cast<char>(zufall());
        pruefe(wirr);
    }
    // Deep nesting needs no deep call stack.
    std::string tief;
    for (int i = 0; i < 200000; ++i)
        tief += "<a>";
    CMarkup m;
    EXPECT_FALSE(m.SetzeDokument(tief));
    for (int i = 0; i < 200000; ++i)
        tief += "</a>";
    EXPECT_TRUE(m.SetzeDokument(tief));
}

TEST(CMarkupDiagnose, ListsEveryRecordWithItsOffsets)
{
    CMarkup m;
    ASSERT_TRUE(m.SetzeDokument("<a x=\"1\"><b/> </a>"));
    EXPECT_EQ(m.BaueDiagnoseliste(), "Index 1 a\t0 8 14 17 18 [valid] p=0 n=0 c=2\n"
                                     "Index 2 b\t9 12 11 12 14 [valid] p=1 n=0 c=0\n");
    CMarkup kopie;
    kopie = m;
    EXPECT_EQ(kopie.BaueDiagnoseliste(), m.BaueDiagnoseliste());
    EXPECT_TRUE(kopie.FindeKindElement("b"));
    EXPECT_FALSE(m.HoleKindPosition());
}
