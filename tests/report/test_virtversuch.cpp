#include "data/protokoll.h"
#include "platform/exceptions.h"
#include "platform/recordingdc.h"
#include "report/druckseitenverwaltung.h"
#include "report/virtversuch.h"

#include <gtest/gtest.h>

namespace {

struct Protokoll
{
    std::vector<std::pair<std::string, int>> gedruckt; // test code, local page
    std::vector<std::string> geloescht;
};

// A test type that notes what it prints and when it is deleted.
class CPruefVersuch : public CVirtVersuch
{
public:
    CPruefVersuch(const std::string& kuerzel, Protokoll* protokoll = nullptr)
        : CVirtVersuch(kuerzel, " Prüfung", 10000), m_protokoll(protokoll)
    {
    }
    ~CPruefVersuch() override
    {
        if (m_protokoll)
            m_protokoll->geloescht.push_back(Kuerzel);
    }
    void Drucken(int lokaleSeite, CDC*, RECT) override
    {
        m_protokoll->gedruckt.emplace_back(Kuerzel, lokaleSeite);
    }

private:
    Protokoll* m_protokoll;
};

std::unique_ptr<CPruefVersuch> VersuchMitSeiten(const std::string& kuerzel, const char* seiten,
                                                Protokoll* protokoll)
{
    auto versuch = std::make_unique<CPruefVersuch>(kuerzel, protokoll);
    if (seiten)
        versuch->SetzeFeld(3, 0, seiten);
    return versuch;
}

TEST(Versuch, PageCountComesFromTheProtocolAndIsBounded)
{
    const std::vector<std::pair<const char*, int>> faelle = {
        {"3", 3},         {"0", 0},   {"drei", 0}, {"-2", 0},
        {" 7 Seiten", 7}, {"99", 99}, {"100", 99}, {"12345678901234567890", 99},
    };
    for (const auto& [text, seiten] : faelle) {
        SCOPED_TRACE(text);
        EXPECT_EQ(VersuchMitSeiten("KV", text, nullptr)->HoleSeitenzahl(), seiten);
    }
    EXPECT_EQ(VersuchMitSeiten("KV", nullptr, nullptr)->HoleSeitenzahl(), 1) << "none stated";
    EXPECT_EQ(VersuchMitSeiten("KV", "", nullptr)->HoleSeitenzahl(), 1);
}

TEST(Versuch, PageCodesNeverReachAnotherTestType)
{
    CPruefVersuch versuch("KV");
    EXPECT_EQ(versuch.Seitencode(1), 10001);
    EXPECT_EQ(versuch.Seitencode(2), 10002);
    EXPECT_EQ(versuch.Seitencode(9), 10009);
    // 10011 would be the Proctor page, 10010 and below are no page of any body.
    EXPECT_EQ(versuch.Seitencode(11), 10000);
    EXPECT_EQ(versuch.Seitencode(10), 10000);
    EXPECT_EQ(versuch.Seitencode(99), 10000);
}

TEST(Versuch, ReadsTheProtocolXmlAndGivesAnUntitledProtocolTheReportTitle)
{
    CPruefVersuch versuch("D?");
    const std::string xml =
        R"(<protokoll version="3" ID="17" titel_ID="4" pruefart_ID="1002" pruefart_VER="2" )"
        R"(pruefunterartKuerzel=""><daten><daten_allgemein>{|}{a|b|c}</daten_allgemein>)"
        R"(<daten_speziell>{0}{1}{2}{3}{x@y|z}{|||}</daten_speziell></daten></protokoll>)";
    ASSERT_TRUE(versuch.LeseProtokollXml(xml, false));
    EXPECT_EQ(versuch.Version, "3");
    EXPECT_EQ(versuch.Id, "17");
    EXPECT_EQ(versuch.TitelId, "4");
    EXPECT_EQ(versuch.PruefartId, "1002");
    EXPECT_EQ(versuch.Untertyp, 2);
    EXPECT_EQ(versuch.Kuerzel, "D?") << "an empty code in the protocol keeps the class's";
    EXPECT_EQ(versuch.Seitentitel(), " Prüfung");
    EXPECT_EQ(versuch.HoleSpeziellBlock4(), "x@y|z");

    CPruefVersuch benannt("D?");
    ASSERT_TRUE(benannt.LeseProtokollXml(
        R"(<protokoll pruefunterartKuerzel="GP"><daten><daten_allgemein>{Kurz|}</daten_allgemein>)"
        R"(</daten></protokoll>)",
        false));
    EXPECT_EQ(benannt.Kuerzel, "GP");
    EXPECT_EQ(benannt.Seitentitel(), "") << "a short title keeps the long one empty";

    CPruefVersuch behalten("KV");
    ASSERT_TRUE(behalten.LeseProtokollXml("<protokoll/>", true));
    EXPECT_EQ(behalten.Seitentitel(), "");

    CPruefVersuch fremd("KV");
    fremd.daten_allgemein = "{vorher}";
    EXPECT_FALSE(fremd.LeseProtokollXml("<messung ID=\"3\"/>", false));
    EXPECT_FALSE(fremd.LeseProtokollXml("kein XML", false));
    EXPECT_EQ(fremd.daten_allgemein, "{vorher}");
    EXPECT_EQ(fremd.Id, "");
}

TEST(Versuch, HeaderTextsOfAFullAndOfAnEmptyProtocol)
{
    CPruefVersuch voll("KV");
    voll.daten_allgemein = "{|Seite eins}{P1|Labor|01.02.2024}{|Bemerkung}";
    voll.daten_speziell = "{}{}{}{}{a@b|c}{1@2}";
    voll.SetzeKopfdaten("B 27 Ortsumgehung||Landesbetrieb|NW-", "Fuß 1|Fuß 2");
    EXPECT_EQ(voll.Kopfdaten(), (std::vector<std::string>{"|P1@Labor@01.02.2024", "a@b|c", "1@2"}));
    EXPECT_EQ(voll.Kopffelder(), "B 27 Ortsumgehung|Bemerkung|Landesbetrieb|NW-");
    EXPECT_EQ(voll.Zusatztext(), "Fuß 1|Fuß 2");
    EXPECT_EQ(voll.Seitentitel(), "Seite eins");

    CPruefVersuch leer("KV");
    EXPECT_EQ(leer.Kopfdaten(), (std::vector<std::string>{"|", "", ""}));
    EXPECT_EQ(leer.Kopffelder(), "|||");
    EXPECT_EQ(leer.Zusatztext(), "");
    EXPECT_EQ(leer.Seitentitel(), "");

    leer.SetzeKopfdaten("Nur Name|x", "");
    EXPECT_EQ(leer.Kopfsatz.Bezeichnung, "Nur Name");
    EXPECT_EQ(leer.Kopfsatz.Leerfeld, "x");
    EXPECT_EQ(leer.Kopfsatz.Auftraggeber, "");
    EXPECT_EQ(leer.Kopfsatz.ProtNrPraefix, "");
}

TEST(Versuch, WritesItsMeasurementsIntoProtocolXmlThatReadsBack)
{
    CPruefVersuch versuch("BV");
    versuch.Version = "0.0.2";
    versuch.Id = "P<7>";
    versuch.TitelId = "4";
    versuch.PruefartId = "1009";
    versuch.Untertyp = 3;
    versuch.daten_allgemein = "{}{a|b}";
    versuch.daten_speziell = "{}{}{PV-7|1.02|0.12|1.85|0.15|0.13|x}";
    versuch.SetzeBindemittelBezugswerte();
    versuch.SetzeMessung(1, "0+100 & 2", "oben", "li");
    versuch.SetzeMesswert(1, "EV2", "98");
    versuch.SetzeMessung(-1, "nie", "", "");
    EXPECT_EQ(versuch.HoleMesswerteText(0),
              "[OPT1|0.13][PRNR|PV-7][RPR|1.85][VERDR|1.02][WNAT|0.15][WOPT|0.12]");
    EXPECT_EQ(versuch.HoleMesswerteText(2), "");

    CProtokoll protokoll;
    ASSERT_TRUE(protokoll.LeseXML(versuch.SchreibeProtokollXml()));
    EXPECT_EQ(protokoll.GetID(), "P<7>");
    EXPECT_EQ(protokoll.GetPruefartVER(), 3);
    EXPECT_EQ(protokoll.GetPruefunterartKuerzel(), "BV");
    EXPECT_EQ(protokoll.GetDatenAllgemein(), versuch.daten_allgemein);
    EXPECT_EQ(protokoll.GetDatenSpeziell(), versuch.daten_speziell);
    ASSERT_EQ(protokoll.GetAnzahlMessungen(), 2);
    MESSUNG messung;
    protokoll.GetMessung(0, messung);
    EXPECT_EQ(messung.lfdNr, "1");
    EXPECT_EQ(HoleMesswert(messung.daten, "VERDR"), "1.02");
    protokoll.GetMessung(1, messung);
    EXPECT_EQ(messung.lfdNrWert, 2);
    EXPECT_EQ(messung.station, "0+100 & 2");
    EXPECT_EQ(messung.lage, "li");
    EXPECT_EQ(HoleMesswert(messung.daten, "EV2"), "98");

    CPruefVersuch keinBindemittel("PV");
    keinBindemittel.PruefartId = "1001";
    keinBindemittel.daten_speziell = versuch.daten_speziell;
    keinBindemittel.SetzeBindemittelBezugswerte();
    EXPECT_TRUE(keinBindemittel.Messwerte.empty());
}

TEST(Versuch, LongProtocolNumbersTakeTheTestsCode)
{
    const auto angeglichen = [](const std::string& nummer) {
        CPruefVersuch versuch("D?");
        versuch.SetzeProtokollnummer(nummer);
        versuch.geaendert = false;
        versuch.GleicheProtokollnummerAn();
        return std::pair(versuch.HoleProtokollnummer(), versuch.geaendert);
    };
    EXPECT_EQ(angeglichen("2024-0001PV"), std::pair(std::string("2024-0001D?"), true));
    EXPECT_EQ(angeglichen("12345PV"), std::pair(std::string("12345D?"), true));
    EXPECT_EQ(angeglichen("12345D?"), std::pair(std::string("12345D?"), false));
    EXPECT_EQ(angeglichen("1234PV"), std::pair(std::string("1234PV"), false));
}

TEST(Versuch, OldPagePrintFramesTheAreasAndNamesThePage)
{
    CPruefVersuch versuch("KV");
    versuch.Id = "17";
    versuch.TitelId = "4";
    versuch.Seitenzahl = 3;
    RecordingDC dc{CFesteTextMetrik()};
    const CDC::Zustand vorher = dc.AktuellerZustand();
    versuch.DruckeAlteSeite(1, &dc, RECT{0, 0, 19000, -27000});

    std::vector<std::vector<POINT>> rahmen;
    for (const DCEintrag& e : dc.Eintraege())
        if (e.art == DCPrimitiv::Linienzug) {
            rahmen.push_back(e.punkte);
            EXPECT_EQ(e.zustand.stift, CPen(PS_SOLID, 1, RGB(255, 153, 255)));
        }
    const std::vector<std::vector<POINT>> zweiBereiche{
        {{1000, -2000}, {18000, -2000}, {18000, -14000}, {1000, -14000}, {1000, -2000}},
        {{1000, -14000}, {18000, -14000}, {18000, -26000}, {1000, -26000}, {1000, -14000}}};
    EXPECT_EQ(rahmen, zweiBereiche);

    const std::vector<DCEintrag> texte = dc.Texte();
    ASSERT_EQ(texte.size(), 5u);
    const std::vector<std::pair<std::string, POINT>> erwartet{
        {"Allg. Bereich", {1200, -2200}},
        {"Allg. Bereich", {1200, -14200}},
        {"Seite 1 von 3", {1000, -300}},
        {"Protokoll-ID: 17", {1000, -900}},
        {"Untermassname-ID: 4", {1000, -1500}}};
    for (std::size_t i = 0; i < texte.size(); ++i) {
        EXPECT_EQ(texte[i].text, erwartet[i].first);
        EXPECT_EQ(texte[i].punkte.at(0), erwartet[i].second);
    }
    const LOGFONT& titel = texte[0].zustand.schrift.GetLogFont();
    EXPECT_EQ(std::tuple(titel.lfFaceName, titel.lfHeight, titel.lfWeight),
              std::tuple(std::string("Times New Roman"), 600, 800));
    const LOGFONT& zeile = texte[2].zustand.schrift.GetLogFont();
    EXPECT_EQ(std::tuple(zeile.lfFaceName, zeile.lfHeight, zeile.lfWeight),
              std::tuple(std::string("Arial"), 400, 500));
    EXPECT_EQ(dc.AktuellerZustand().schrift, vorher.schrift);
    EXPECT_EQ(dc.AktuellerZustand().stift, vorher.stift);
    EXPECT_EQ(dc.AktuellerZustand().ausrichtung, vorher.ausrichtung);

    // Later pages have one larger-captioned area; a one-page test has no page line.
    dc.Leeren();
    versuch.Seitenzahl = 1;
    versuch.DruckeAlteSeite(2, &dc, RECT{0, 0, 19000, -27000});
    const std::vector<DCEintrag> einzeln = dc.Texte();
    ASSERT_EQ(einzeln.size(), 3u);
    EXPECT_EQ(einzeln[0].zustand.schrift.GetLogFont().lfHeight, 800);
    EXPECT_EQ(einzeln[1].text, "Protokoll-ID: 17");
}

TEST(Druckseiten, NumbersThePagesOfSeveralTestsAndOwnsThem)
{
    Protokoll protokoll;
    CDruckseitenVerwaltung seiten;
    seiten.AlleEntfernen();
    seiten.FuegeVersuchHinzu(VersuchMitSeiten("A", nullptr, &protokoll));
    seiten.FuegeVersuchHinzu(VersuchMitSeiten("B", "0", &protokoll));
    EXPECT_EQ(protokoll.geloescht, std::vector<std::string>{"B"}) << "deleted at once";
    seiten.FuegeVersuchHinzu(VersuchMitSeiten("C", "3", &protokoll));
    ASSERT_EQ(seiten.GetSeitenzahl(), 4);

    for (int seite : {3, 1, 4, 2, 3})
        seiten.DruckeSeite(seite, nullptr, RECT{});
    EXPECT_EQ(protokoll.gedruckt, (std::vector<std::pair<std::string, int>>{
                                      {"C", 2}, {"A", 1}, {"C", 3}, {"C", 1}, {"C", 2}}));
    EXPECT_THROW(seiten.DruckeSeite(0, nullptr, RECT{}), CInvalidArgException);
    EXPECT_THROW(seiten.DruckeSeite(5, nullptr, RECT{}), CInvalidArgException);

    // The next job starts by deleting the tests of this one, each once.
    seiten.AlleEntfernen();
    EXPECT_EQ(protokoll.geloescht, (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(seiten.GetSeitenzahl(), 0);
    seiten.AlleEntfernen();
    EXPECT_EQ(protokoll.geloescht.size(), 3u);
    EXPECT_THROW(seiten.DruckeSeite(1, nullptr, RECT{}), CInvalidArgException);

    {
        CDruckseitenVerwaltung ende;
        ende.FuegeVersuchHinzu(VersuchMitSeiten("D", "2", &protokoll));
    }
    EXPECT_EQ(protokoll.geloescht.back(), "D") << "the manager's end deletes its tests";
}

} // namespace
