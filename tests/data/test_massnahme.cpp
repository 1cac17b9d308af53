#include "data/bloecke.h"
#include "data/markup.h"
#include "data/massnahme.h"
#include "data/positionsmap.h"
#include "data/protokolle.h"
#include "data/titelverwaltung.h"
#include "data/umgebung.h"
#include "musterbauer.h"
#include "platform/dateien.h"
#include "platform/exceptions.h"
#include "platform/meldung.h"
#include "projektdatei_bauer.h"
#include "support/dateigrenze.h"
#include "support/fifo.h"
#include "support/speichergrenze.h"

#include <cstdint>
#include <ctime>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <random>
#include <sched.h>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace projektdatei_bauer;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Protocols of the sample project.
int MusterProtokolle()
{
    return static_cast<int>(BaueMusterprojekt().protokolle.size());
}

struct Protokollsatz
{
    long position;
    std::string id;
    std::string titelId;
};

// The live protocol records of a file in file order, read without the project classes.
std::vector<Protokollsatz> ProtokollsaetzeIn(const std::string& bytes)
{
    std::vector<Protokollsatz> saetze;
    size_t position = 0;
    while (position + 6 <= bytes.size()) {
        const auto* kopf = reinterpret_cast<const unsigned char*>(bytes.data() + position);
        const size_t laenge = kopf[0] | kopf[1] << 8 | kopf[2] << 16 | size_t{kopf[3]} << 24;
        if (position + 6 + laenge > bytes.size())
            break;
        CProtokoll protokoll;
        if (kopf[4] == 1 && kopf[5] == 0 && protokoll.LeseXML(bytes.substr(position + 6, laenge)))
            saetze.push_back(
                {static_cast<long>(position), protokoll.GetID(), protokoll.GetTitelID()});
        position += 6 + laenge;
    }
    return saetze;
}

// Expected order of protocols within one title: hash buckets of the record position in turn,
// within a bucket the later record first.
std::vector<std::string> ErwarteteReihenfolge(std::vector<Protokollsatz> saetze,
                                              const std::string& titelId)
{
    std::erase_if(saetze, [&](const Protokollsatz& s) { return s.titelId != titelId; });
    std::stable_sort(saetze.begin(), saetze.end(), [](const auto& a, const auto& b) {
        const auto fach = [](long p) { return (static_cast<unsigned long>(p) >> 4) % 17; };
        return fach(a.position) != fach(b.position) ? fach(a.position) < fach(b.position)
                                                    : a.position > b.position;
    });
    std::vector<std::string> ids;
    for (const auto& satz : saetze)
        ids.push_back(satz.id);
    return ids;
}

std::vector<std::string> IdsDerSammlung(const CProtokolle& protokolle)
{
    std::vector<std::string> ids;
    for (int i = 0; i < protokolle.GetAnzahl(); ++i)
        ids.push_back(protokolle.GetProtokoll(i)->GetID());
    return ids;
}

std::vector<std::string> IdsDerMassnahme(const CMassnahme& massnahme)
{
    std::vector<std::string> ids;
    for (int i = 0; i < massnahme.HoleAnzahlProtokolle(); ++i)
        ids.push_back(massnahme.HoleProtokoll(i)->GetID());
    return ids;
}

// FNV-1a over every field a load gives, each preceded by its length, so that no two different
// field lists can hash alike by moving bytes from one field to the next.
class Pruefsumme
{
public:
    void Nimm(std::string_view text)
    {
        Nimm(static_cast<int64_t>(text.size()));
        for (char c : text)
            Byte(static_cast<unsigned char>(c));
    }
    void Nimm(int64_t zahl)
    {
        for (int i = 0; i < 8; ++i)
            Byte(static_cast<unsigned char>(zahl >> (8 * i)));
    }
    uint64_t Wert() const { return m_wert; }

private:
    void Byte(unsigned char b) { m_wert = (m_wert ^ b) * 0x100000001b3; }
    uint64_t m_wert = 0xcbf29ce484222325;
};

// Every field of every protocol and measurement in collection order, the header values that do
// not name the file's place, and each protocol's title path.
uint64_t PruefsummeDerSammlung(const CProtokolle& protokolle)
{
    Pruefsumme summe;
    for (const char* schluessel :
         {"massnahme_ID", "massnahme_bezeichnung", "massnahme_protNrPraefix",
          "massnahme_auftraggeber", "massnahme_fusstext", "massnahme_unterschrift",
          "massnahme_pfad", "metameta"})
        summe.Nimm(protokolle.HoleMassnahmeWert(schluessel));
    summe.Nimm(protokolle.GetAnzahlTitel());
    summe.Nimm(protokolle.GetAnzahl());
    MESSUNG messung;
    for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
        const CProtokoll& p = *protokolle.GetProtokoll(i);
        for (const std::string& feld :
             {p.GetVersion(), p.GetID(), p.GetTitelID(), p.GetPruefartID(),
              p.GetPruefunterartKuerzel(), p.GetDatenAllgemein(), p.GetDatenSpeziell(),
              protokolle.BildeTitelPfad(p.GetTitelID())})
            summe.Nimm(feld);
        for (int zahl : {p.GetPruefart(), p.GetPruefartVER(), p.GetArtIndex(),
                         static_cast<int>(p.geaendert), p.GetAnzahlMessungen()})
            summe.Nimm(zahl);
        for (int m = 0; m < p.GetAnzahlMessungen(); ++m) {
            p.GetMessung(m, messung);
            for (const std::string& feld :
                 {messung.lfdNr, messung.station, messung.schicht, messung.lage, messung.daten})
                summe.Nimm(feld);
            summe.Nimm(messung.lfdNrWert);
        }
    }
    return summe.Wert();
}

class Laden : public MitOrdner
{
protected:
    std::string SchreibeMuster(const std::string& name = "Musterprojekt.axo")
    {
        const std::string pfad = Pfad(name);
        EXPECT_TRUE(SchreibeProjektDatei(BaueMusterprojekt(), pfad));
        return pfad;
    }
};

} // namespace

TEST_F(Laden, SampleProjectLoadsEndToEndIntoTheCollection)
{
    const std::string pfad = SchreibeMuster();
    const MusterProjekt muster = BaueMusterprojekt();
    CProtokolle protokolle;
    protokolle.LadeMassnahme(pfad);

    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_ID"), "M-2026-017");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_bezeichnung"),
              "Ortsumgehung Lindenfeld, B 417 Bauabschnitt 2");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_auftraggeber"),
              "Landesstraßenbauamt Musterland, Birkenstadt");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_protNrPraefix"), "OL");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_fusstext"), muster.metadaten.at("fusstext"));
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_unterschrift"), "Dipl.-Ing. P. Muster");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_pfad"), "");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_dateiname"), "Musterprojekt.axo");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_dateipfad"), pfad);

    EXPECT_EQ(protokolle.GetAnzahlTitel(), 12);
    EXPECT_EQ(protokolle.BildeTitelPfad("3"),
              "Erdbau -> Teilabschnitt Nord -> Dammschüttung km 0+000 bis 0+800");
    EXPECT_EQ(protokolle.HoleTitelText("10"), "Laborversuche");

    // Every protocol once: the root's first, then each title's in title-list order, and within
    // a title in the order of the record file's position map.
    ASSERT_EQ(protokolle.GetAnzahl(), static_cast<int>(muster.protokolle.size()));
    const auto saetze = ProtokollsaetzeIn(LeseDatei(pfad));
    std::vector<std::string> erwartet;
    for (const char* titel : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}) {
        const auto ids = ErwarteteReihenfolge(saetze, titel);
        erwartet.insert(erwartet.end(), ids.begin(), ids.end());
    }
    EXPECT_EQ(IdsDerSammlung(protokolle), erwartet);

    // Each protocol is there with its header record and measurements.
    for (const CProtokoll& vorlage : muster.protokolle) {
        const CProtokoll* geladen = protokolle.FindeProtokoll(vorlage.GetID());
        ASSERT_NE(geladen, nullptr) << vorlage.GetID();
        EXPECT_EQ(geladen->GetPruefart(), vorlage.GetPruefart());
        EXPECT_EQ(geladen->GetTitelID(), vorlage.GetTitelID());
        EXPECT_EQ(geladen->GetDatenAllgemein(), vorlage.GetDatenAllgemein());
        EXPECT_EQ(geladen->GetAnzahlMessungen(), vorlage.GetAnzahlMessungen());
        EXPECT_EQ(geladen->SchreibeXML(), vorlage.SchreibeXML());
    }
    const CProtokoll* lastplatte = protokolle.FindeProtokoll(
        std::ranges::find(muster.protokolle, 1005, &CProtokoll::GetPruefart)->GetID());
    ASSERT_NE(lastplatte, nullptr);
    EXPECT_TRUE(lastplatte->HoleProtokollnummer().ends_with("LP"));
    EXPECT_EQ(lastplatte->HoleProtokollnummer().size(), 7u);
    EXPECT_EQ(lastplatte->HoleFeld(1, 9).size(), 8u);
    MESSUNG messung;
    lastplatte->GetMessung(0, messung);
    EXPECT_NE(HoleMesswert(messung.daten, "EV2"), "");
    EXPECT_EQ(protokolle.FindeProtokoll("P999999"), nullptr);
}

// The sums were taken with the loader that re-read every tag and copied every value; a faster
// loader must read the very same fields.
TEST_F(Laden, ProjectsLoadEveryFieldAsTheyAlwaysHave)
{
    CProtokolle protokolle;
    EXPECT_EQ(protokolle.LadeMassnahme(SchreibeMuster()).fehler, Ladefehler::Keiner);
    EXPECT_EQ(PruefsummeDerSammlung(protokolle), 0x8f8b0a5662c43fdau);

    const std::string gross = Pfad("gross.axo");
    ASSERT_TRUE(SchreibeProjektDatei(BaueGrossesProjekt(5000, 100000), gross));
    EXPECT_EQ(protokolle.LadeMassnahme(gross).fehler, Ladefehler::Keiner);
    ASSERT_EQ(protokolle.GetAnzahl(), 5000);
    EXPECT_EQ(PruefsummeDerSammlung(protokolle), 0x7dd86057824dfb3du);
}

TEST(Bloecke, EveryItemRunsOnceInContiguousBlocksSideBySideWhateverTheMachinesCores)
{
    // 1,501 items do not split evenly: four cores give three blocks of 500 at least, each on a
    // thread of its own.
    constexpr size_t kAnzahl = 1501;
    std::vector<int> laeufe(kAnzahl);
    std::vector<std::thread::id> faeden(kAnzahl);
    FuerAlleInBloecken(kAnzahl, 4, [&](size_t i) {
        ++laeufe[i];
        faeden[i] = std::this_thread::get_id();
    });
    EXPECT_EQ(std::ranges::count(laeufe, 1), static_cast<std::ptrdiff_t>(kAnzahl));
    std::vector<size_t> blockanfaenge{0};
    for (size_t i = 1; i < kAnzahl; ++i) {
        if (faeden[i] != faeden[i - 1])
            blockanfaenge.push_back(i);
    }
    EXPECT_EQ(blockanfaenge, (std::vector<size_t>{0, 500, 1000}));
    EXPECT_EQ(faeden[0], std::this_thread::get_id());

    // A block that fails passes its exception on, once all blocks have ended.
    EXPECT_THROW(FuerAlleInBloecken(kAnzahl, 4,
                                    [](size_t i) {
                                        if (i == 1200)
                                            throw CInvalidArgException("Satz 1200");
                                    }),
                 CInvalidArgException);
}

// Held to one core, as "taskset -c 2" holds a process, a load reads its records in one block.
TEST(Bloecke, UsableCoresAreThoseTheThreadMayRunOn)
{
    unsigned kerne = 0;
    std::thread([&kerne] {
        cpu_set_t einer;
        CPU_ZERO(&einer);
        CPU_SET(::sched_getcpu(), &einer);
        if (::sched_setaffinity(0, sizeof einer, &einer) == 0)
            kerne = NutzbareKerne();
    }).join();
    EXPECT_EQ(kerne, 1u);
}

#if !defined(__SANITIZE_ADDRESS__) // its shadow memory does not fit under an address-space limit
TEST(Bloecke, ABlockWithoutAThreadRunsOnTheCallingThread)
{
    constexpr size_t kAnzahl = 1501;
    std::vector<int> laeufe(kAnzahl);
    std::vector<std::thread::id> faeden(kAnzahl);
    // No room for a thread's stack: every thread wants one larger than those of ended threads
    // kept for reuse, and the address space has no room left for it.
    const int ergebnis = ImKindMitSpeichergrenze(std::size_t{1} << 20, [&] {
        pthread_attr_t attribute;
        ::pthread_attr_init(&attribute);
        ::pthread_attr_setstacksize(&attribute, std::size_t{64} << 20);
        ::pthread_setattr_default_np(&attribute);
        FuerAlleInBloecken(kAnzahl, 4, [&](size_t i) {
            ++laeufe[i];
            faeden[i] = std::this_thread::get_id();
        });
        if (std::ranges::count(laeufe, 1) != static_cast<std::ptrdiff_t>(kAnzahl))
            return 1;
        return std::ranges::count(faeden, std::this_thread::get_id()) ==
                       static_cast<std::ptrdiff_t>(kAnzahl)
                   ? 0
                   : 3;
    });
    EXPECT_EQ(ergebnis, 0) << "1: an item did not run once; 2: it raised; 3: a thread started";
}
#endif

TEST_F(Laden, TheProjectIsTheFileAsTheScanReadIt)
{
    // The file is replaced between the scan and the parsing, as another program may do.
    const std::string pfad = SchreibeMuster();
    CMassnahme massnahme;
    massnahme.HoleProjektDatei().SetzeDateiname(pfad);
    ASSERT_TRUE(massnahme.HoleProjektDatei().LeseIndex());
    std::filesystem::rename(Schreibe("anders.axo", MetadatenSatz({{"bezeichnung", "Andere"}})),
                            pfad);
    EXPECT_TRUE(massnahme.LeseProjektDatei());
    EXPECT_EQ(massnahme.HoleMetadatum("bezeichnung"),
              "Ortsumgehung Lindenfeld, B 417 Bauabschnitt 2");
    EXPECT_EQ(massnahme.HoleAnzahlTitel(), 12);
    EXPECT_EQ(massnahme.HoleAnzahlVorgaben(), 3);
    EXPECT_EQ(massnahme.HoleAnzahlProtokolle(), MusterProtokolle());
}

#if !defined(__SANITIZE_ADDRESS__) // its allocator ends the process instead of failing
TEST_F(Laden, WithoutMemoryForTheFileTheLoadsSayNoAndRaiseNothing)
{
    // A sparse file just inside a project file's size, and an XML document that reads but whose
    // eight million elements do not parse, read by a process with little room.
    const std::string pfad = Schreibe("gross.axo", MetadatenSatz({}));
    std::filesystem::resize_file(pfad, CProjektDatei::kGroessteLaenge - 1);
    std::string elemente;
    for (int i = 0; i < 8 << 20; ++i)
        elemente += "<a/>";
    const std::string xml =
        Schreibe("gross.xml", "<protokolle4uebersicht>" + elemente + "</protokolle4uebersicht>");
    elemente = {};
    const int ergebnis = ImKindMitSpeichergrenze(std::size_t{256} << 20, [&] {
        CProtokolle protokolle;
        const Ladefehler fehler = protokolle.LadeMassnahme(pfad).fehler;
        std::string inhalt;
        const bool gelesen = LeseGanzeDatei(pfad, inhalt, CProjektDatei::kGroessteLaenge);
        CMassnahme ausOrdner;
        const bool ausOrdnerGeladen =
            ausOrdner.LadeAusOrdner({{"dateiname", "gross.axo"}}, m_ordner);
        const bool xmlGeladen = CMassnahme().LadeXmlDatei(xml) || CProtokolle().LadeUebersicht(xml);
        return fehler == Ladefehler::SpeicherFehlt && protokolle.GetAnzahl() == 0 && !gelesen &&
                       !ausOrdnerGeladen &&
                       ausOrdner.HoleLadebefund().fehler == Ladefehler::SpeicherFehlt && !xmlGeladen
                   ? 0
                   : 1;
    });
    EXPECT_EQ(ergebnis, 0) << "1: a load did not say no; 2: it raised";
}
#endif

TEST_F(Laden, ProjectRecordHoldsMetadataTitlesDefaultsAndProtocols)
{
    const std::string pfad = SchreibeMuster();
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(pfad));
    EXPECT_EQ(massnahme.HoleMetadatum("auftragnr"), "A-2026-0415");
    EXPECT_EQ(massnahme.HoleMetadatum("datumBeendet"), "");
    EXPECT_TRUE(massnahme.IstNotizUnveraendert());
    EXPECT_EQ(massnahme.HoleAnzahlTitel(), 12);
    EXPECT_EQ(massnahme.HoleAnzahlVorgaben(), 3);
    EXPECT_EQ(massnahme.HoleVorgabe("bemerkung"), "Prüfung nach ZTV E-StB.\r\nWerte vorläufig.");
    EXPECT_EQ(massnahme.HoleVorgabe("fehlt"), "");
    EXPECT_EQ(massnahme.HoleAnzahlProtokolle(), MusterProtokolle());
    EXPECT_EQ(massnahme.ZaehleProtokolleMitTitel("4"), 10);
    // Title 2 with its sections 3 and 4.
    EXPECT_EQ(massnahme.ZaehleProtokolleUnterTitel("2"), 24);
    EXPECT_EQ(massnahme.HoleProtokollnummern().size(), size_t(MusterProtokolle()));
    std::string f0, f1, f2, f3;
    EXPECT_TRUE(massnahme.HoleTitelFelder(2, f0, f1, f2, f3));
    EXPECT_EQ(f0 + "/" + f2 + "/" + f3, "3/3/");
    EXPECT_THROW(massnahme.HoleTitelFelder(12, f0, f1, f2, f3), CInvalidArgException);
    EXPECT_THROW(massnahme.HoleProtokoll(-1), CInvalidArgException);
}

TEST_F(Laden, MetadataTagsAreSearchedForwardOnly)
{
    const std::string metadaten =
        "<metadaten><notiz>n</notiz><ID>i</ID><bezeichnung>b</bezeichnung></metadaten>";
    const std::string pfad = Schreibe("p.axo", Satz(2, metadaten));
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(pfad));
    EXPECT_EQ(massnahme.HoleMetadatum("ID"), "i");
    EXPECT_EQ(massnahme.HoleMetadatum("bezeichnung"), "b");
    // "notiz" stands before "bezeichnung", which was found first; nothing follows it.
    EXPECT_EQ(massnahme.HoleMetadatum("notiz"), "");
    EXPECT_EQ(massnahme.HoleMetadatum("unterschrift"), "");
}

TEST_F(Laden, DefaultsGainCarriageReturnsBeforeBareLineFeedsOnly)
{
    const std::string vorgaben = "<vorgabedaten>"
                                 "<vorgabe ID=\"a\">eins\nzwei</vorgabe>"
                                 "<vorgabe ID=\"b\">drei\r\nvier\n</vorgabe>"
                                 "<vorgabe ID=\"c\">\nfuenf\rsechs</vorgabe>"
                                 "<vorgabe ID=\"d\">alt</vorgabe>"
                                 "<vorgabe ID=\"d\">neu</vorgabe>"
                                 "</vorgabedaten>";
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(Schreibe("p.axo", Satz(6, vorgaben))));
    EXPECT_EQ(massnahme.HoleVorgabe("a"), "eins\r\nzwei");
    EXPECT_EQ(massnahme.HoleVorgabe("b"), "drei\r\nvier\r\n");
    EXPECT_EQ(massnahme.HoleVorgabe("c"), "\r\nfuenf\rsechs");
    EXPECT_EQ(massnahme.HoleVorgabe("d"), "neu");
    EXPECT_EQ(MitCrLf(MitCrLf("x\ny")), "x\r\ny");
}

TEST_F(Laden, SubTitlesAndTitlePathsFollowTheTree)
{
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(
        Schreibe("p.axo", TitelSatz({"1|A|1", "2|B|2", "3|C|3", "4|D|2", "5|E|1"}))));
    std::vector<std::string> ids;
    EXPECT_TRUE(massnahme.HoleUntertitel("2", ids));
    EXPECT_THAT(ids, ElementsAre("3"));
    ids.clear();
    EXPECT_TRUE(massnahme.HoleUntertitel("1", ids));
    EXPECT_THAT(ids, ElementsAre("2", "3", "4"));
    ids.clear();
    EXPECT_TRUE(massnahme.HoleUntertitel("0", ids));
    EXPECT_THAT(ids, ElementsAre("1", "2", "3", "4", "5"));
    ids.clear();
    EXPECT_FALSE(massnahme.HoleUntertitel("9", ids));
    EXPECT_THAT(ids, IsEmpty());

    std::vector<std::string> pfad{"alt"};
    massnahme.HoleTitelPfad("3", pfad);
    EXPECT_THAT(pfad, ElementsAre("A", "B", "C"));
    massnahme.HoleTitelPfad("4", pfad);
    EXPECT_THAT(pfad, ElementsAre("A", "D"));
    massnahme.HoleTitelPfad("9", pfad);
    EXPECT_THAT(pfad, IsEmpty());

    massnahme.BaueTitelbaumZeilen();
    EXPECT_EQ(massnahme.HoleBaumzeile(0), "300000000000000");
    EXPECT_EQ(massnahme.HoleBaumzeile(1), "130000000000000");
    EXPECT_EQ(massnahme.HoleBaumzeile(2), "112000000000000");
    EXPECT_EQ(massnahme.HoleBaumzeile(3), "120000000000000");
    EXPECT_EQ(massnahme.HoleBaumzeile(4), "200000000000000");

    // The fifteenth column continues like every other.
    CMassnahme tief;
    ASSERT_TRUE(tief.Lade(Schreibe("tief.axo", TitelSatz({"1|A|15", "2|B|15"}))));
    tief.BaueTitelbaumZeilen();
    EXPECT_EQ(tief.HoleBaumzeile(0), "000000000000003");
    EXPECT_EQ(tief.HoleBaumzeile(1), "000000000000002");
}

TEST(Massnahme, CountBelowATitleIsItsOwnCountPlusEachSubTitlesCount)
{
    std::mt19937 zufall(24);
    for (int runde = 0; runde < 40; ++runde) {
        // Pre-order trees whose levels climb and drop at random; identifiers repeat, and some
        // protocols hang on the root or on titles the list does not hold.
        const int anzahl = 1 + static_cast<int>(zufall() % 25);
        std::string titel;
        for (int i = 0, ebene = 1; i < anzahl; ++i) {
            ebene = std::max(1, ebene + static_cast<int>(zufall() % 4) - 1);
            titel += "<titel>" + std::to_string(1 + zufall() % anzahl) + "|T|" +
                     std::to_string(ebene) + "</titel>";
        }
        std::string protokolle;
        for (int p = 0; p < 40; ++p)
            protokolle += ProtokollXml(std::to_string(p), std::to_string(zufall() % (anzahl + 3)));
        CMarkup xml;
        xml.SetzeDokument("<massnahme><titel_liste>" + titel + "</titel_liste><protokolle>" +
                          protokolle + "</protokolle></massnahme>");
        CMassnahme massnahme;
        ASSERT_TRUE(massnahme.LeseMassnahmeXml(xml));

        for (int id = 0; id < anzahl + 3; ++id) {
            const std::string titelId = std::to_string(id);
            std::vector<std::string> untertitel;
            massnahme.HoleUntertitel(titelId, untertitel);
            int einzeln = massnahme.ZaehleProtokolleMitTitel(titelId);
            for (const std::string& unter : untertitel)
                einzeln += massnahme.ZaehleProtokolleMitTitel(unter);
            EXPECT_EQ(massnahme.ZaehleProtokolleUnterTitel(titelId), einzeln)
                << "title " << titelId << " in " << titel;
        }
    }
}

TEST_F(Laden, MissingRootRecordsLoadAsEmptyValues)
{
    // No root records at all: the protocols still load; those under titles the file does not
    // name stay out of the collection.
    const std::string nurProtokolle = ProtokollSatz("A", "0") + ProtokollSatz("B", "1");
    CMassnahme ohneWurzeln;
    ASSERT_TRUE(ohneWurzeln.Lade(Schreibe("a.axo", nurProtokolle)));
    EXPECT_EQ(ohneWurzeln.HoleMetadatum("bezeichnung"), "");
    EXPECT_EQ(ohneWurzeln.HoleAnzahlTitel(), 0);
    EXPECT_EQ(ohneWurzeln.HoleAnzahlVorgaben(), 0);
    EXPECT_EQ(ohneWurzeln.HoleAnzahlProtokolle(), 2);
    CProtokolle protokolle;
    protokolle.LadeMassnahme(Pfad("a.axo"));
    EXPECT_THAT(IdsDerSammlung(protokolle), ElementsAre("A"));
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_bezeichnung"), "");

    // Metadata without a title list, and titles without metadata.
    CMassnahme ohneTitel;
    ASSERT_TRUE(ohneTitel.Lade(
        Schreibe("b.axo", MetadatenSatz({{"bezeichnung", "X"}}) + ProtokollSatz("A", "0"))));
    EXPECT_EQ(ohneTitel.HoleMetadatum("bezeichnung"), "X");
    EXPECT_EQ(ohneTitel.HoleAnzahlProtokolle(), 1);
    CMassnahme ohneMetadaten;
    ASSERT_TRUE(
        ohneMetadaten.Lade(Schreibe("c.axo", TitelSatz({"1|T|1"}) + ProtokollSatz("B", "1"))));
    EXPECT_EQ(ohneMetadaten.HoleAnzahlTitel(), 1);
    EXPECT_EQ(ohneMetadaten.HoleAnzahlProtokolle(), 1);

    // A root record that is there but holds no element of its kind stops the parsing.
    CMassnahme kaputt;
    ASSERT_TRUE(kaputt.Lade(
        Schreibe("d.axo", Satz(2, "<andere/>") + TitelSatz({"1|T|1"}) + ProtokollSatz("A", "0"))));
    EXPECT_FALSE(kaputt.LeseProjektDatei());
    EXPECT_EQ(kaputt.HoleAnzahlTitel(), 0);
    EXPECT_EQ(kaputt.HoleAnzahlProtokolle(), 0);

    CMassnahme leer;
    EXPECT_TRUE(leer.Lade(Schreibe("e.axo", "")));
    EXPECT_EQ(leer.HoleAnzahlProtokolle(), 0);
    CMassnahme fehlt;
    EXPECT_FALSE(fehlt.Lade(Pfad("fehlt.axo")));
    protokolle.LadeMassnahme(Pfad("fehlt.axo"));
    EXPECT_EQ(protokolle.GetAnzahl(), 0);
    EXPECT_EQ(protokolle.GetAnzahlTitel(), 0);
}

TEST_F(Laden, DamagedFilesLoadWhatPrecedesTheDamage)
{
    const std::string muster = LeseDatei(SchreibeMuster());
    const auto saetze = ProtokollsaetzeIn(muster);
    ASSERT_EQ(saetze.size(), size_t(MusterProtokolle()));

    // Cut anywhere: exactly the protocols whose records end before the cut are there.
    for (size_t schnitt = 0; schnitt < muster.size(); schnitt += 37) {
        const std::string teil = muster.substr(0, schnitt);
        std::vector<std::string> erwartet;
        for (const auto& satz : ProtokollsaetzeIn(teil))
            erwartet.push_back(satz.id);
        CMassnahme massnahme;
        ASSERT_TRUE(massnahme.Lade(Schreibe("cut.axo", teil)));
        std::vector<std::string> geladen = IdsDerMassnahme(massnahme);
        std::sort(geladen.begin(), geladen.end());
        std::sort(erwartet.begin(), erwartet.end());
        EXPECT_EQ(geladen, erwartet) << "cut at " << schnitt;
        CProtokolle protokolle;
        protokolle.LadeMassnahme(Pfad("cut.axo"));
        EXPECT_LE(protokolle.GetAnzahl(), massnahme.HoleAnzahlProtokolle());
    }

    // An over-long record in the middle ends the index there.
    const long mitte = saetze[10].position;
    std::string ueberlang =
        muster.substr(0, mitte) + Satz(1, std::string(20000, 'x')) + muster.substr(mitte);
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(Schreibe("lang.axo", ueberlang)));
    EXPECT_EQ(massnahme.HoleAnzahlProtokolle(), 10);

    // A length field overwritten with garbage does the same.
    std::string garbage = muster;
    garbage.replace(mitte, 4, "\xff\xff\xff\x7f");
    CMassnahme mitMuell;
    ASSERT_TRUE(mitMuell.Lade(Schreibe("muell.axo", garbage)));
    EXPECT_EQ(mitMuell.HoleAnzahlProtokolle(), 10);

    // A record's text ends at its first zero byte: cut inside the start tag, it is no protocol.
    std::string abgeschnitten = ProtokollXml("A", "0");
    abgeschnitten.insert(abgeschnitten.find("\"A\"") + 2, std::string("\0B", 2));
    CMassnahme mitNull;
    ASSERT_TRUE(mitNull.Lade(
        Schreibe("null.axo", Satz(1, abgeschnitten) + Satz(1, ProtokollXml("C", "0")))));
    EXPECT_THAT(IdsDerMassnahme(mitNull), ElementsAre("C"));

    // Scrambled bytes anywhere never crash the load.
    uint32_t zufall = 12345;
    const int anzahl = MusterProtokolle();
    for (int versuch = 0; versuch < 200; ++versuch) {
        std::string verdorben = muster;
        for (int k = 0; k < 8; ++k) {
            zufall = zufall * 1103515245u + 12345u;
            verdorben[(zufall >> 8) % verdorben.size()] = static_cast<char>(zufall >> 24);
        }
        CProtokolle protokolle;
        protokolle.LadeMassnahme(Schreibe("verdorben.axo", verdorben));
        EXPECT_LE(protokolle.GetAnzahl(), anzahl);
    }
}

TEST_F(Laden, LoadingLeavesTheFileUnchangedAndClosed)
{
    const std::string pfad = SchreibeMuster();
    const std::string vorher = LeseDatei(pfad);
    const auto zeitVorher = std::filesystem::last_write_time(pfad);
    const int offenVorher = OffeneDateien();

    CProtokolle protokolle;
    protokolle.LadeMassnahme(pfad);
    EXPECT_EQ(protokolle.GetAnzahl(), MusterProtokolle());
    EXPECT_EQ(LeseDatei(pfad), vorher);
    EXPECT_EQ(std::filesystem::last_write_time(pfad), zeitVorher);
    EXPECT_EQ(OffeneDateien(), offenVorher);

    // Also when the parsing stops early or the file is no project at all.
    for (const std::string& inhalt :
         {Satz(2, "<andere/>") + ProtokollSatz("A", "0"),
          MetadatenSatz({}) + Satz(3, "kein xml") + ProtokollSatz("A", "0"), std::string("\x01"),
          std::string()}) {
        CMassnahme massnahme;
        massnahme.Lade(Schreibe("x.axo", inhalt));
        EXPECT_EQ(OffeneDateien(), offenVorher);
        protokolle.LadeMassnahme(Pfad("x.axo"));
        EXPECT_EQ(OffeneDateien(), offenVorher);
    }
}

TEST_F(Laden, ProtocolsLoadInTitleOrderAndEachOnce)
{
    // Titles "1" and "2" ("1" listed twice); protocols under "0", "2", "1" and the unknown "9".
    const std::string pfad = Schreibe(
        "p.axo", TitelSatz({"1|Eins|1", "2|Zwei|1", "1|Eins nochmal|1"}) + ProtokollSatz("Z", "2") +
                     ProtokollSatz("E", "1") + ProtokollSatz("N", "9") + ProtokollSatz("W", "0"));
    CProtokolle protokolle;
    protokolle.LadeMassnahme(pfad);
    EXPECT_THAT(IdsDerSammlung(protokolle), ElementsAre("W", "E", "Z"));
    EXPECT_EQ(protokolle.HoleGewaehltenTiteleintrag(), "0||0");
    EXPECT_TRUE(protokolle.IstTitelGewaehlt("2"));
    EXPECT_FALSE(protokolle.IstTitelGewaehlt("9"));
}

TEST_F(Laden, RecordsSharingAnIdentifierStayTwoProtocols)
{
    // Two live records with identifier "A" under different titles, as a copy in the sibling
    // program leaves them.
    CProtokoll zweiter;
    zweiter.Initialisiere("A", "0", "1003");
    zweiter.SetzeProtokollnummer("zwei");
    const std::string pfad = Schreibe("p.axo", TitelSatz({"1|Eins|1"}) + ProtokollSatz("A", "1") +
                                                   Satz(1, zweiter.SchreibeXML()));

    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(pfad));
    ASSERT_EQ(massnahme.HoleAnzahlProtokolle(), 2);
    // The identifier map keeps the record visited last.
    EXPECT_EQ(massnahme.HoleProjektDatei().HoleKennungen().at("A"),
              massnahme.HoleProtokollPosition(1));

    // Both reach the collection, not twice the one the identifier map names.
    CProtokolle protokolle;
    protokolle.LadeMassnahme(pfad);
    ASSERT_EQ(protokolle.GetAnzahl(), 2);
    EXPECT_EQ(protokolle.GetProtokoll(0)->HoleProtokollnummer(), "zwei");
    EXPECT_EQ(protokolle.GetProtokoll(1)->HoleProtokollnummer(), "Nr A");
    EXPECT_EQ(protokolle.FindeProtokoll("A"), protokolle.GetProtokoll(1));
}

TEST_F(Laden, RootWritersAppendNewRecordsAndRetireTheOldOnes)
{
    const std::string pfad = SchreibeMuster();
    const long alteMetadaten = [&] {
        CProjektDatei datei;
        datei.SetzeDateiname(pfad);
        datei.LeseIndex();
        return datei.HoleMetadatenPosition();
    }();
    {
        CMassnahme massnahme;
        ASSERT_TRUE(massnahme.Lade(pfad));
        massnahme.SetzeMetadatum("bezeichnung", "Neu <1>");
        EXPECT_TRUE(massnahme.SchreibeMetadaten());
        massnahme.SetzeVorgabe("neu", "a\r\nb");
        EXPECT_TRUE(massnahme.SchreibeVorgabedaten());
        const auto groesse = std::filesystem::file_size(pfad);
        massnahme.ErsetzeTitel({"1|nur einer|1"});
        EXPECT_EQ(std::filesystem::file_size(pfad), groesse);
        std::vector<std::string> titel;
        for (int i = 0; i < massnahme.HoleAnzahlTitel(); ++i)
            titel.push_back(massnahme.HoleTitel(i));
        titel[0] = "1|Erdarbeiten|1";
        massnahme.ErsetzeTitel(titel);
    }
    EXPECT_EQ(LeseDatei(pfad)[alteMetadaten + 5], 1);
    CMassnahme neu;
    ASSERT_TRUE(neu.Lade(pfad));
    EXPECT_EQ(neu.HoleMetadatum("bezeichnung"), "Neu <1>");
    EXPECT_EQ(neu.HoleMetadatum("ID"), "M-2026-017");
    EXPECT_EQ(neu.HoleVorgabe("neu"), "a\r\nb");
    EXPECT_EQ(neu.HoleVorgabe("ev2_soll"), "45");
    EXPECT_EQ(neu.HoleTitel(0), "1|Erdarbeiten|1");
    EXPECT_EQ(neu.HoleAnzahlProtokolle(), MusterProtokolle());
}

TEST_F(Laden, OverviewDocumentCarriesTheChosenTitlesProtocols)
{
    const std::string pfad = SchreibeMuster();
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(pfad));
    const std::string uebersicht = massnahme.BaueUebersichtXml("2");
    CMarkup xml;
    ASSERT_TRUE(xml.SetzeDokument(uebersicht));
    ASSERT_TRUE(xml.FindeElement("protokolle4uebersicht"));
    EXPECT_EQ(xml.HoleAttribut("version"), "0.0.1");
    ASSERT_TRUE(xml.FindeKindElement("massnahme_pfad"));
    EXPECT_EQ(xml.HoleKindDaten(), " --> Erdbau --> Teilabschnitt Nord");

    CProtokolle protokolle;
    ASSERT_TRUE(protokolle.LadeUebersicht(Schreibe("u.xml", uebersicht)));
    EXPECT_EQ(protokolle.GetAnzahl(), massnahme.ZaehleProtokolleUnterTitel("2"));
    for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
        const std::string titel = protokolle.GetProtokoll(i)->GetTitelID();
        EXPECT_TRUE(titel == "2" || titel == "3" || titel == "4") << titel;
    }
    EXPECT_EQ(protokolle.GetAnzahlTitel(), 12);
    EXPECT_TRUE(protokolle.IstTitelGewaehlt("3"));
    EXPECT_EQ(protokolle.HoleGewaehltenTiteleintrag(), "2|Teilabschnitt Nord|2");
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_dateipfad"), pfad);
    // The reader looks for the file name first, which the document holds after the path.
    EXPECT_EQ(protokolle.HoleMassnahmeWert("massnahme_pfad"), "");

    std::vector<std::string> meldungen;
    const auto vorher =
        SetzeMeldungsAusgabe([&](const Meldung& meldung) { meldungen.push_back(meldung.text); });
    CProtokolle kaputt;
    EXPECT_FALSE(kaputt.LadeUebersicht(Schreibe("k.xml", "<a>")));
    EXPECT_FALSE(kaputt.LadeUebersicht(Pfad("fehlt.xml")));
    SetzeMeldungsAusgabe(vorher);
    EXPECT_THAT(meldungen, ElementsAre("m_xml.SetDoc() fehlgeschlagen"));
}

TEST_F(Laden, WholeProjectXmlAndSmallerHelpers)
{
    const std::string dokument =
        "<massnahme><ID>7</ID><fusstext>F</fusstext>"
        "<titel_liste><titel>1|A|1</titel></titel_liste>"
        "<protokolle>" +
        ProtokollXml("P", "1") + "<protokoll>" + "</protokoll>" +
        "</protokolle><vorgabedaten><vorgabe ID=\"v\">x\ny</vorgabe></vorgabedaten></massnahme>";
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.LadeXmlDatei(Schreibe("m.xml", dokument)));
    EXPECT_EQ(massnahme.HoleMetadatum("ID"), "7");
    EXPECT_EQ(massnahme.HoleMetadatum("fusstext"), "F");
    EXPECT_EQ(massnahme.HoleAnzahlTitel(), 1);
    EXPECT_EQ(massnahme.HoleAnzahlProtokolle(), 2);
    EXPECT_EQ(massnahme.HoleVorgabe("v"), "x\r\ny");
    CMarkup ohneProtokolle;
    ohneProtokolle.SetzeDokument("<massnahme><titel_liste/></massnahme>");
    EXPECT_FALSE(CMassnahme().LeseMassnahmeXml(ohneProtokolle));

    EXPECT_EQ(BildeAuftraggeber("Firma|x|Ort"), "Firma, Ort");
    EXPECT_EQ(BildeAuftraggeber("Firma||"), "Firma");
    EXPECT_EQ(BildeAuftraggeber(""), "");

    CMassnahme ausOrdner;
    const std::string kennung = HoleArbeitsplatzKennung();
    const std::string name = "Projekt" + kennung + ".axo";
    Schreibe(name, MetadatenSatz({{"notiz", "n"}}) + TitelSatz({"1|A|1"}));
    EXPECT_TRUE(ausOrdner.LadeAusOrdner({{"dateiname", name}}, m_ordner.string()));
    EXPECT_EQ(ausOrdner.HoleDateiname(), "Projekt.axo");
    EXPECT_EQ(ausOrdner.HoleMetadatum("notiz"), "n");
    EXPECT_EQ(ausOrdner.HoleAnzahlTitel(), 0);

    CMassnahme liste;
    ASSERT_TRUE(liste.Lade(SchreibeMuster()));
    liste.SchreibeProtokollListe(1, Pfad("liste.txt"));
    const std::string zeilen = LeseDatei(Pfad("liste.txt"));
    const auto proctors = std::ranges::count_if(
        BaueMusterprojekt().protokolle, [](const auto& p) { return p.GetPruefart() == 1001; });
    EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), '\n'), proctors);
    EXPECT_NE(("\n" + zeilen).find("\n[00002PV]["), std::string::npos);
}

TEST_F(Laden, TheOtherReadersTellAReadErrorAndRefuseOverlongDocuments)
{
    // Reading /proc/self/mem from its start fails as a failing disk does.
    std::filesystem::create_symlink("/proc/self/mem", Pfad("lesefehler.axo"));
    CMassnahme ausOrdner;
    EXPECT_FALSE(ausOrdner.LadeAusOrdner({{"dateiname", "lesefehler.axo"}}, m_ordner));
    EXPECT_EQ(ausOrdner.HoleLadebefund().fehler, Ladefehler::Lesefehler);
    // The overview's first position is a record in this process's memory, which reads; the
    // second fails. Nothing is taken, as in a load.
    const std::string satz = ProtokollSatz("P1", "0");
    CProtokolle protokolle;
    EXPECT_FALSE(protokolle.LadeUebersicht(
        Schreibe("u.xml", "<protokolle4uebersicht><massnahme_dateipfad>" + Pfad("lesefehler.axo") +
                              "</massnahme_dateipfad><gewaehlteTitel/><protokolle><protokoll_pos>" +
                              std::to_string(reinterpret_cast<uintptr_t>(satz.data())) +
                              "</protokoll_pos><protokoll_pos>0</protokoll_pos></protokolle>"
                              "</protokolle4uebersicht>")));
    EXPECT_EQ(protokolle.GetAnzahl(), 0);

    // XML documents over 256 MiB are not read at all (sparse: the size costs nothing).
    std::vector<std::string> meldungen;
    const auto vorher =
        SetzeMeldungsAusgabe([&](const Meldung& meldung) { meldungen.push_back(meldung.text); });
    const std::string gross = Schreibe("gross.xml", "<massnahme>");
    std::filesystem::resize_file(gross, (256u << 20) + 1);
    EXPECT_FALSE(CMassnahme().LadeXmlDatei(gross));
    EXPECT_FALSE(protokolle.LadeUebersicht(gross));
    SetzeMeldungsAusgabe(vorher);
    EXPECT_THAT(meldungen, IsEmpty());
}

TEST_F(Laden, TheWritersNothingCallsWriteNoFileButTheirOwn)
{
    // The protocol list neither feeds a FIFO nor cuts an old list short on a full disk.
    CMassnahme massnahme;
    ASSERT_TRUE(massnahme.Lade(SchreibeMuster()));
    const std::string fifo = Pfad("liste.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    {
        CFifoLeser leser(fifo);
        massnahme.SchreibeProtokollListe(1, fifo);
        EXPECT_FALSE(leser.HatGelesen());
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    const std::string alt = Schreibe("liste.txt", "alte Liste");
    {
        const CDateigrenze grenze(100);
        massnahme.SchreibeProtokollListe(1, alt);
    }
    EXPECT_EQ(LeseDatei(alt), "alte Liste");

    // A time-stamp file is made only where nothing is: not through a link lying at its name,
    // even one to nowhere. Its names are those of this second and the next.
    const std::string ordner = Pfad("stempel");
    std::filesystem::create_directory(ordner);
    const std::string anderswo = Pfad("anderswo.txt");
    const std::time_t jetzt = std::time(nullptr);
    for (std::time_t sekunde : {jetzt, jetzt + 1}) {
        std::tm ortszeit{};
        localtime_r(&sekunde, &ortszeit);
        char name[32];
        std::strftime(name, sizeof name, "/%y%m%d%H%M%S.txt", &ortszeit);
        std::filesystem::create_symlink(anderswo, ordner + name);
    }
    std::string pfad;
    ASSERT_TRUE(SchreibeZeitstempelDatei(ordner, "txt", pfad, "neu"));
    EXPECT_FALSE(std::filesystem::exists(anderswo));
    EXPECT_FALSE(std::filesystem::is_symlink(pfad));
    EXPECT_EQ(LeseDatei(pfad), "neu");
}

TEST(Titelverwaltung, MapsEachTitleToItsFullPath)
{
    CTitelVerwaltung titel;
    EXPECT_FALSE(titel.Lade("<andere/>"));
    ASSERT_TRUE(titel.Lade(BaueTitellisteXml({"1|A|1", "2|B|2", "3|C|3", "4|D|2", "5|E|1"})));
    EXPECT_EQ(titel.HoleTitelPfad("3"), "A -> B -> C");
    EXPECT_EQ(titel.HoleTitelPfad("4"), "A -> D");
    EXPECT_EQ(titel.HoleTitelPfad("5"), "E");
    EXPECT_EQ(titel.HoleTitelPfad("9"), "(Fehler)");
}
