#include "data/protokolle.h"
#include "platform/exceptions.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

using ::testing::ElementsAre;

namespace {

std::unique_ptr<CProtokoll> Protokoll(const std::string& id, const std::string& titelId,
                                      const std::string& nummer = "")
{
    auto protokoll = std::make_unique<CProtokoll>();
    protokoll->Initialisiere(id, titelId, "1005");
    protokoll->SetzeProtokollnummer(nummer);
    return protokoll;
}

std::vector<std::string> Nummern(const CProtokolle& protokolle)
{
    std::vector<std::string> nummern;
    for (int i = 0; i < protokolle.GetAnzahl(); ++i)
        nummern.push_back(protokolle.GetProtokoll(i)->HoleProtokollnummer());
    return nummern;
}

} // namespace

TEST(Protokollsammlung, ParentsAndPathsFollowTheLevels)
{
    CProtokolle protokolle;
    for (const char* eintrag : {"1|A|1", "2|B|2", "3|C|2", "4|D|1"})
        protokolle.FuegeTitelHinzu(eintrag);
    EXPECT_EQ(protokolle.HoleElternTitel("3"), "1");
    EXPECT_EQ(protokolle.HoleElternTitel("2"), "1");
    EXPECT_EQ(protokolle.HoleElternTitel("4"), "");
    EXPECT_EQ(protokolle.HoleElternTitel("9"), "");
    EXPECT_EQ(protokolle.BildeTitelPfad("3"), "A -> C");
    EXPECT_EQ(protokolle.BildeTitelPfad("4"), "D");
    EXPECT_EQ(protokolle.BildeTitelPfad("9"), "");
    EXPECT_EQ(protokolle.HoleTitelText("2"), "B");
    EXPECT_EQ(protokolle.HoleTitelText("0"), "");

    // A title two levels below the one before has no parent.
    CProtokolle luecke;
    luecke.FuegeTitelHinzu("1|A|1");
    luecke.FuegeTitelHinzu("2|B|3");
    EXPECT_EQ(luecke.HoleElternTitel("2"), "");
    EXPECT_EQ(luecke.BildeTitelPfad("2"), "B");

    // A damaged level far below the int range finds no parent instead of overflowing.
    CProtokolle kaputt;
    kaputt.FuegeTitelHinzu("1|A|1");
    kaputt.FuegeTitelHinzu("2|B|-99999999999999999999");
    EXPECT_EQ(kaputt.HoleElternTitel("2"), "");
    EXPECT_EQ(kaputt.BildeTitelPfad("2"), "B");
}

// The parent walk as the title list defines it, to compare the collection's table with.
std::string ElternNachListe(const std::vector<std::string>& titel, const std::string& id)
{
    const auto feld = [](const std::string& eintrag, int n) {
        size_t anfang = 0;
        for (int i = 0; i < n; ++i)
            anfang = eintrag.find('|', anfang) + 1;
        return eintrag.substr(anfang, eintrag.find('|', anfang) - anfang);
    };
    bool gefunden = false;
    long ebene = 0;
    for (auto eintrag = titel.rbegin(); eintrag != titel.rend(); ++eintrag) {
        if (feld(*eintrag, 0) == id) {
            ebene = std::stol(feld(*eintrag, 2));
            gefunden = true;
        } else if (gefunden && std::stol(feld(*eintrag, 2)) == ebene - 1) {
            return feld(*eintrag, 0);
        }
    }
    return "";
}

TEST(Protokollsammlung, RepeatedIdentifiersMakeNoEndlessPaths)
{
    // "1" stands again below "2", so each is the other's parent.
    CProtokolle protokolle;
    for (const char* eintrag : {"1|A|1", "2|B|2", "1|C|3", "3|D|1"})
        protokolle.FuegeTitelHinzu(eintrag);
    EXPECT_EQ(protokolle.HoleElternTitel("1"), "2");
    EXPECT_EQ(protokolle.HoleElternTitel("2"), "1");
    EXPECT_EQ(protokolle.BildeTitelPfad("1"), "B -> A");
    EXPECT_EQ(protokolle.BildeTitelPfad("2"), "A -> B");
    EXPECT_EQ(protokolle.BildeTitelPfad("3"), "D");
    // Each path is built once per title list; a new entry builds them anew.
    const std::string* pfad = &protokolle.BildeTitelPfad("1");
    EXPECT_EQ(&protokolle.BildeTitelPfad("1"), pfad);
    protokolle.FuegeTitelHinzu("4|E|2");
    EXPECT_EQ(protokolle.BildeTitelPfad("4"), "D -> E");
    protokolle.Leere();
    EXPECT_EQ(protokolle.BildeTitelPfad("1"), "");

    // Lists with repeated identifiers and levels: the parents are those of the list's walk, and
    // a path follows them up to the top or to a title already on it.
    std::mt19937 zufall(19);
    for (int runde = 0; runde < 300; ++runde) {
        std::vector<std::string> titel;
        CProtokolle sammlung;
        for (int i = 0; i <= runde % 12; ++i) {
            titel.push_back(std::to_string(zufall() % 6) + "|T" + std::to_string(i) + "|" +
                            std::to_string(zufall() % 4));
            sammlung.FuegeTitelHinzu(titel.back());
        }
        for (int id = 0; id < 7; ++id) {
            std::vector<std::string> kette{std::to_string(id)};
            for (std::string e = ElternNachListe(titel, kette.front());
                 !e.empty() && std::find(kette.begin(), kette.end(), e) == kette.end();
                 e = ElternNachListe(titel, e))
                kette.insert(kette.begin(), e);
            std::string pfad;
            for (const std::string& e : kette)
                pfad += (&e == &kette.front() ? "" : " -> ") + sammlung.HoleTitelText(e);
            EXPECT_EQ(sammlung.HoleElternTitel(kette.back()), ElternNachListe(titel, kette.back()));
            EXPECT_EQ(sammlung.BildeTitelPfad(kette.back()), pfad) << runde << " " << id;
        }
    }
}

TEST(Protokollsammlung, FindsCountsChangesAndDeletesByIdentifier)
{
    CProtokolle protokolle;
    protokolle.FuegeHinzu(Protokoll("A", "1", "erster"));
    protokolle.FuegeHinzu(Protokoll("B", "2", "b"));
    protokolle.FuegeHinzu(Protokoll("A", "1", "zweiter"));

    ASSERT_NE(protokolle.FindeProtokoll("A"), nullptr);
    EXPECT_EQ(protokolle.FindeProtokoll("A")->HoleProtokollnummer(), "zweiter");
    EXPECT_EQ(protokolle.FindeProtokoll("a"), nullptr);
    EXPECT_EQ(protokolle.ZaehleProtokolleMitTitel("1"), 2);
    std::vector<std::string> ids{"x"};
    EXPECT_TRUE(protokolle.HoleProtokollIDsMitTitel("1", ids));
    EXPECT_THAT(ids, ElementsAre("x", "A", "A"));

    EXPECT_TRUE(protokolle.SetzeTitelID("A", "7"));
    EXPECT_EQ(protokolle.ZaehleProtokolleMitTitel("7"), 2);
    EXPECT_FALSE(protokolle.SetzeTitelID("C", "7"));
    EXPECT_TRUE(protokolle.SetzeDatentexte("B", "{x}", "{y}"));
    EXPECT_EQ(protokolle.FindeProtokoll("B")->GetDatenSpeziell(), "{y}");

    EXPECT_THROW(protokolle.GetProtokoll(3), CInvalidArgException);
    EXPECT_THROW(protokolle.GetProtokoll(-1), CInvalidArgException);

    EXPECT_TRUE(protokolle.LoescheProtokoll("A"));
    EXPECT_FALSE(protokolle.LoescheProtokoll("A"));
    EXPECT_THAT(Nummern(protokolle), ElementsAre(""));
}

TEST(Protokollsammlung, HeaderValuesChosenTitlesAndClearing)
{
    CProtokolle protokolle;
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_bezeichnung"), "");
    protokolle.SetzeMassnahmeWert("massnahme_bezeichnung", "B 417");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_bezeichnung"), "B 417");

    protokolle.FuegeTitelHinzu("1|A|1");
    protokolle.FuegeTitelHinzu("2|B|1");
    EXPECT_EQ(protokolle.HoleGewaehltenTiteleintrag(), "");
    protokolle.MerkeGewaehltenTitel("2");
    protokolle.MerkeGewaehltenTitel("1");
    EXPECT_EQ(protokolle.HoleGewaehltenTiteleintrag(), "1|A|1");
    protokolle.MerkeGewaehltenTitel("0");
    EXPECT_EQ(protokolle.HoleGewaehltenTiteleintrag(), "0||0");

    protokolle.FuegeHinzu(Protokoll("A", "1"));
    protokolle.Leere();
    EXPECT_EQ(protokolle.GetAnzahl(), 0);
    EXPECT_EQ(protokolle.GetAnzahlTitel(), 0);
    EXPECT_FALSE(protokolle.IstTitelGewaehlt("1"));
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_bezeichnung"), "");
    EXPECT_EQ(protokolle.HoleGewaehltenTiteleintrag(), "");
}
