#include "data/projektdatei.h"
#include "platform/exceptions.h"
#include "support/dateigrenze.h"
#include "support/systemfehler.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One record as the file holds it; `laenge` overrides the length field.
std::string Satz(uint8_t art, std::string_view text, uint8_t geloescht = 0, long laenge = -1)
{
    const auto l = static_cast<uint32_t>(laenge >= 0 ? laenge : static_cast<long>(text.size()));
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(l >> (8 * i) & 0xFF);
    bytes += static_cast<char>(art);
    bytes += static_cast<char>(geloescht);
    bytes += text;
    return bytes;
}

class ProjektDateiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_ordner = std::filesystem::temp_directory_path() /
                   ("axo_projektdatei_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_ordner);
    }
    void TearDown() override { std::filesystem::remove_all(m_ordner); }

    std::string Pfad(const std::string& name) const { return (m_ordner / name).string(); }

    std::string Schreibe(const std::string& name, const std::string& inhalt) const
    {
        std::ofstream(Pfad(name), std::ios::binary) << inhalt;
        return Pfad(name);
    }

    std::string Inhalt(const std::string& pfad) const
    {
        std::ifstream datei(pfad, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(datei), {});
    }

    std::filesystem::path m_ordner;
};

std::vector<long> Reihenfolge(const CPositionsMap& map)
{
    std::vector<long> positionen;
    for (const auto& eintrag : map)
        positionen.push_back(eintrag.position);
    return positionen;
}

} // namespace

TEST_F(ProjektDateiTest, EmptyAndMissingFiles)
{
    CProjektDatei leer;
    leer.SetzeDateiname(Schreibe("leer.axo", ""));
    EXPECT_TRUE(leer.LeseIndex());
    EXPECT_EQ(leer.HolePositionen().Anzahl(), 0u);
    EXPECT_TRUE(leer.HoleKennungen().empty());
    EXPECT_EQ(leer.HoleMetadatenPosition(), -1);
    EXPECT_EQ(leer.HoleTitellistePosition(), -1);
    EXPECT_EQ(leer.HoleVorgabedatenPosition(), -1);
    EXPECT_TRUE(CProjektDatei::PruefeDatei(Pfad("leer.axo")));

    CProjektDatei fehlt;
    fehlt.SetzeDateiname(Pfad("gibtsnicht.axo"));
    EXPECT_FALSE(fehlt.LeseIndex());
    EXPECT_FALSE(fehlt.Oeffne());
    EXPECT_FALSE(CProjektDatei::PruefeDatei(Pfad("gibtsnicht.axo")));
    // Only regular files: a folder cannot be read, a device would never end.
    for (const std::string& keineDatei : {m_ordner.string(), std::string("/dev/zero")}) {
        CProjektDatei p;
        p.SetzeDateiname(keineDatei);
        EXPECT_FALSE(p.LeseIndex()) << keineDatei;
        EXPECT_FALSE(p.Oeffne()) << keineDatei;
        EXPECT_FALSE(CProjektDatei::PruefeDatei(keineDatei)) << keineDatei;
        EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(keineDatei, Pfad("k.axo"))) << keineDatei;
    }
    // Reading without an open file or at a root the file does not hold yields nothing.
    std::string text = "alt";
    EXPECT_FALSE(fehlt.LeseSatz(0, text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(fehlt.LeseMetadatenSatz(), "");
}

TEST_F(ProjektDateiTest, ScanIndexesLiveRecordsAndSkipsTheRest)
{
    // A record's text ends at its first zero byte: what stands behind it is read by no one.
    const auto NachNull = [](std::string text) {
        return text + std::string(1, '\0') + "<titel>1|dahinter|0</titel>";
    };
    // The first length over the limit, and one whose third byte is set (65,536 bytes or more).
    for (const std::string& ueberlang :
         {Satz(1, "ab", 0, 16384), Satz(1, std::string(70000, 'y'))}) {
        SCOPED_TRACE(ueberlang.size());
        const std::string datei[] = {
            Satz(2, "<metadaten>alt</metadaten>"),           // 0: replaced by the later live one
            Satz(1, "<protokoll ID=\"1\"/>"),                // 1
            Satz(1, "<protokoll ID=\"weg\"/>", 1),           // 2: deleted
            Satz(4, "vier"),                                 // 3
            Satz(5, "fuenf"),                                // 4
            Satz(7, "sieben"),                               // 5
            Satz(2, NachNull("<metadaten>neu</metadaten>")), // 6
            Satz(3, NachNull("<titel_liste/>")),             // 7
            Satz(3, "<titel_liste>weg</titel_liste>", 0xFF), // 8: deleted, the live one stays
            Satz(6, NachNull("<vorgabedaten/>")),            // 9
            Satz(1, std::string("vor\0nach", 8)),            // 10: text ends at the zero byte
            Satz(1, std::string(16383, 'x')),                // 11: longest readable text
            ueberlang,                                       // 12: too long, ends the scan
            Satz(2, "<metadaten>dahinter</metadaten>"),
        };
        std::string inhalt;
        std::vector<long> position;
        for (const std::string& satz : datei) {
            position.push_back(static_cast<long>(inhalt.size()));
            inhalt += satz;
        }
        CProjektDatei p;
        p.SetzeDateiname(Schreibe("p.axo", inhalt));
        ASSERT_TRUE(p.LeseIndex());
        EXPECT_EQ(p.HoleIndexfehler(), Ladefehler::SatzUnlesbar);
        EXPECT_EQ(p.HoleMetadatenPosition(), position[6]);
        EXPECT_EQ(p.HoleTitellistePosition(), position[7]);
        EXPECT_EQ(p.HoleVorgabedatenPosition(), position[9]);
        const CPositionsMap& map = p.HolePositionen();
        EXPECT_EQ(map.Anzahl(), 3u);
        ASSERT_NE(map.Finde(position[1]), nullptr);
        EXPECT_EQ(*map.Finde(position[1]), "<protokoll ID=\"1\"/>");
        EXPECT_EQ(map.Finde(position[2]), nullptr);
        EXPECT_EQ(*map.Finde(position[10]), std::string("vor\0nach", 8));
        EXPECT_EQ(CProjektDatei::BisNull(*map.Finde(position[10])), "vor");
        EXPECT_EQ(map.Finde(position[11])->size(), 16383u);

        ASSERT_TRUE(p.Oeffne());
        EXPECT_EQ(p.LeseMetadatenSatz(), "<metadaten>neu</metadaten>");
        EXPECT_EQ(p.LeseTitellisteSatz(), "<titel_liste/>");
        EXPECT_EQ(p.LeseVorgabedatenSatz(), "<vorgabedaten/>");
        std::string text;
        EXPECT_TRUE(p.LeseSatz(position[2], text)); // deleted records read like live ones
        EXPECT_EQ(text, "<protokoll ID=\"weg\"/>");
        EXPECT_FALSE(p.LeseSatz(position[12], text));
        EXPECT_EQ(text, "");
        EXPECT_FALSE(p.LeseSatz(-1, text));
        EXPECT_FALSE(p.LeseSatz(static_cast<long>(inhalt.size()) + 100, text));
        EXPECT_TRUE(p.LeseSatz(position[10], text));
        EXPECT_EQ(text, "vor");
        p.Schliesse();
        EXPECT_FALSE(p.LeseSatz(position[1], text));
    }
}

TEST_F(ProjektDateiTest, ARecordCutOffByTheEndOfTheFileIsNotIndexed)
{
    const std::string ganz = Satz(1, "<a/>") + Satz(2, "<metadaten/>");
    const long drittePosition = static_cast<long>(ganz.size());
    for (const std::string& rest :
         {Satz(1, "<protokoll/>").substr(0, 10), Satz(2, "<m/>").substr(0, 8),
          Satz(1, "x").substr(0, 3), Satz(1, "x").substr(0, 5)}) {
        CProjektDatei p;
        const std::string pfad = Schreibe("kurz.axo", ganz + rest);
        p.SetzeDateiname(pfad);
        ASSERT_TRUE(p.LeseIndex());
        EXPECT_EQ(p.HolePositionen().Anzahl(), 1u);
        EXPECT_EQ(p.HoleMetadatenPosition(), 10);
        ASSERT_TRUE(p.Oeffne());
        std::string text = "alt";
        EXPECT_FALSE(p.LeseSatz(drittePosition, text));
        EXPECT_EQ(text, "");
        EXPECT_FALSE(CProjektDatei::PruefeDatei(pfad));
    }
    EXPECT_TRUE(CProjektDatei::PruefeDatei(Schreibe("ganz.axo", ganz)));
    // An empty record at the very end is whole.
    CProjektDatei leerAmEnde;
    leerAmEnde.SetzeDateiname(Schreibe("leer_am_ende.axo", ganz + Satz(3, "")));
    ASSERT_TRUE(leerAmEnde.LeseIndex());
    EXPECT_EQ(leerAmEnde.HoleIndexfehler(), Ladefehler::Keiner);
    EXPECT_EQ(leerAmEnde.HoleTitellistePosition(), drittePosition);
}

TEST_F(ProjektDateiTest, OnlyAHeaderOfZerosOrTooLongAFirstRecordMarksAFileThatIsNoProject)
{
    // The first record, then a protocol: an empty record of a kind and the longest readable one
    // are read on; a header of zeros or a length no record may have is no project at all, rather
    // than one with an unreadable record.
    const std::string protokoll = Satz(1, "<protokoll ID=\"1\"/>");
    const struct
    {
        std::string ersterSatz;
        Ladefehler fehler;
        size_t protokolle;
    } faelle[] = {{Satz(0, ""), Ladefehler::KeineProjektdatei, 0},
                  {Satz(4, ""), Ladefehler::Keiner, 1},
                  {Satz(7, std::string(16383, 'x')), Ladefehler::Keiner, 1},
                  {Satz(1, "ab", 0, 16384), Ladefehler::KeineProjektdatei, 0}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::PrintToString(fall.ersterSatz.substr(0, 6)));
        CProjektDatei p;
        p.SetzeDateiname(Schreibe("p.axo", fall.ersterSatz + protokoll));
        EXPECT_TRUE(p.LeseIndex());
        EXPECT_EQ(p.HoleIndexfehler(), fall.fehler);
        EXPECT_EQ(p.HolePositionen().Anzahl(), fall.protokolle);
    }
}

TEST_F(ProjektDateiTest, AFileReadsAsAProjectOnlyWhenItsFirstHeaderCanBeginOne)
{
    // Such a file is never a settings store; a file too short for a header, such as a new
    // settings file, or a text, such as settings, can be one.
    const struct
    {
        std::string inhalt;
        bool projekt;
    } faelle[] = {{Satz(1, "<protokoll ID=\"1\"/>"), true}, {"", false},
                  {Satz(4, "").substr(0, 5), false},        {Satz(0, "") + Satz(1, "ab"), false},
                  {Satz(1, "ab", 0, 16384), false},         {"[General]\nx=1\n", false}};
    for (const auto& fall : faelle)
        EXPECT_EQ(CProjektDatei::LiestSichAlsProjekt(Schreibe("p", fall.inhalt)), fall.projekt)
            << testing::PrintToString(fall.inhalt);
    EXPECT_FALSE(CProjektDatei::LiestSichAlsProjekt(Pfad("fehlt")));
}

TEST(CPositionsMap, VisitsBucketsInOrderAndEachChainFromItsHead)
{
    CPositionsMap map;
    for (long p : {0L, 16L, 272L, 300L, 4294967312L, -16L})
        map.Setze(p, "t" + std::to_string(p));
    // 0 and 272 share bucket 0; 16, 300 and 2^32 + 16 share bucket 1; -16 is 0xFFFFFFF0.
    EXPECT_EQ(CPositionsMap::Fach(-16), 0x0FFFFFFF % 17);
    EXPECT_EQ(Reihenfolge(map), (std::vector<long>{272, 0, 4294967312L, 300, 16, -16}));
    // Setting a position again keeps its place.
    map.Setze(16, "neu");
    EXPECT_EQ(Reihenfolge(map), (std::vector<long>{272, 0, 4294967312L, 300, 16, -16}));
    EXPECT_EQ(*map.Finde(16), "neu");
    EXPECT_EQ(map.Anzahl(), 6u);
    const CPositionsMap leer;
    EXPECT_EQ(leer.begin(), leer.end());
}

TEST_F(ProjektDateiTest, TwentyRecordsAreVisitedInHashTableOrder)
{
    const long positionen[] = {0,    16,   40,   272,  300,  560,  580,  600,  1000, 1100,
                               1111, 1200, 1500, 1520, 1700, 2000, 2048, 2100, 2400, 2730};
    std::string inhalt;
    for (size_t i = 0; i < std::size(positionen); ++i) {
        ASSERT_EQ(static_cast<long>(inhalt.size()), positionen[i]);
        const long naechste = i + 1 < std::size(positionen) ? positionen[i + 1] : 2740;
        inhalt += Satz(1, std::string(naechste - positionen[i] - 6, 'a' + i));
    }
    CProjektDatei p;
    p.SetzeDateiname(Schreibe("zwanzig.axo", inhalt));
    ASSERT_TRUE(p.LeseIndex());
    const std::vector<long> erwartet = {2730, 1100, 272,  0,    1111, 560,  300,  16,   580,  40,
                                        600,  1700, 2000, 1200, 1500, 2048, 1520, 1000, 2100, 2400};
    EXPECT_EQ(Reihenfolge(p.HolePositionen()), erwartet);
    // A second scan adds nothing new and keeps the order.
    ASSERT_TRUE(p.LeseIndex());
    EXPECT_EQ(Reihenfolge(p.HolePositionen()), erwartet);
}

TEST_F(ProjektDateiTest, WritersAppendAndMarkOnlyTheDeletedByte)
{
    const std::string pfad = Schreibe("w.axo", Satz(2, "<metadaten>alt</metadaten>"));
    CProjektDatei p;
    p.SetzeDateiname(pfad);
    ASSERT_TRUE(p.LeseIndex());
    ASSERT_TRUE(p.OeffneZumSchreiben());
    const long meta = p.SchreibeMetadatenSatz("<metadaten>neu</metadaten>");
    EXPECT_EQ(meta, 32);
    EXPECT_EQ(p.HoleMetadatenPosition(), 32);
    EXPECT_EQ(p.FuegeEintragHinzu("P1", "abc"), 64);
    EXPECT_EQ(p.ErsetzeEintrag("P1", std::string("de\0f", 4)), 73);
    EXPECT_EQ(p.HoleKennungen().at("P1"), 73);
    EXPECT_EQ(p.ErsetzeEintrag("P2", "g"), 81); // an unmapped key marks nothing
    EXPECT_TRUE(p.HaengeSatzAn(5, ""));
    EXPECT_EQ(p.SchreibeTitellisteSatz("<titel_liste/>"), 94);
    EXPECT_EQ(p.SchreibeVorgabedatenSatz("<v/>"), 114);
    // The roots hand out what was written last, not what the scan found.
    EXPECT_EQ(p.LeseMetadatenSatz(), "<metadaten>neu</metadaten>");
    EXPECT_EQ(p.LeseTitellisteSatz(), "<titel_liste/>");
    EXPECT_EQ(p.LeseVorgabedatenSatz(), "<v/>");
    p.Schliesse();
    const std::string erwartet = Satz(2, "<metadaten>alt</metadaten>", 1) +
                                 Satz(2, "<metadaten>neu</metadaten>") + Satz(1, "abc", 1) +
                                 Satz(1, "de") + Satz(1, "g") + Satz(5, "") +
                                 Satz(3, "<titel_liste/>") + Satz(6, "<v/>");
    EXPECT_EQ(Inhalt(pfad), erwartet);

    // Removing, refusing and a fresh scan.
    ASSERT_TRUE(p.OeffneZumSchreiben());
    EXPECT_FALSE(p.EntferneEintrag("P9"));
    EXPECT_TRUE(p.EntferneEintrag("P2"));
    EXPECT_FALSE(p.EntferneEintrag("P2"));
    EXPECT_FALSE(p.MarkiereGeloescht(static_cast<long>(erwartet.size()) - 5));
    EXPECT_FALSE(p.MarkiereGeloescht(-1));
    EXPECT_EQ(p.FuegeEintragHinzu("gross", std::string(16384, 'x')), -1);
    EXPECT_EQ(p.ErsetzeEintrag("P1", std::string(20000, 'x')), -1);
    EXPECT_EQ(p.SchreibeMetadatenSatz(std::string(16384, 'x')), -1);
    EXPECT_FALSE(p.HaengeSatzAn(1, std::string(16384, 'x')));
    EXPECT_EQ(p.HoleMetadatenPosition(), 32);
    EXPECT_EQ(p.LeseMetadatenSatz(), "<metadaten>neu</metadaten>");
    EXPECT_EQ(p.HoleKennungen().count("gross"), 0u);
    EXPECT_EQ(p.FuegeEintragHinzu("max", std::string(16383, 'y')),
              static_cast<long>(erwartet.size()));
    p.Schliesse();
    std::string danach = erwartet + Satz(1, std::string(16383, 'y'));
    danach[81 + 5] = 1;
    EXPECT_EQ(Inhalt(pfad), danach);
    EXPECT_TRUE(CProjektDatei::PruefeDatei(pfad));

    CProjektDatei neu;
    neu.SetzeDateiname(pfad);
    ASSERT_TRUE(neu.LeseIndex());
    EXPECT_EQ(neu.HoleMetadatenPosition(), 32);
    EXPECT_EQ(neu.HoleTitellistePosition(), 94);
    EXPECT_EQ(neu.HoleVorgabedatenPosition(), 114);
    EXPECT_EQ(neu.HolePositionen().Anzahl(), 2u);
    EXPECT_NE(neu.HolePositionen().Finde(73), nullptr);

    // Writing to a closed file is a file error.
    EXPECT_THROW(neu.HaengeSatzAn(1, "x"), CFileException);
}

TEST_F(ProjektDateiTest, CompactionDropsExactlyTheDeletedRecords)
{
    const std::string quelle =
        Schreibe("q.axo", Satz(2, "<m/>") + Satz(1, "weg", 1) + Satz(1, "bleibt") + Satz(7, "x"));
    ASSERT_TRUE(CProjektDatei::KopiereLebendeSaetze(quelle, Pfad("z.axo")));
    EXPECT_EQ(Inhalt(Pfad("z.axo")), Satz(2, "<m/>") + Satz(1, "bleibt") + Satz(7, "x"));
    EXPECT_EQ(Inhalt(quelle).size() - Inhalt(Pfad("z.axo")).size(), 6u + 3u);
    EXPECT_TRUE(CProjektDatei::PruefeDatei(Pfad("z.axo")));

    // A cut-off last record is not copied.
    const std::string kurz = Schreibe("k.axo", Satz(1, "a") + Satz(1, "abcdef").substr(0, 9));
    ASSERT_TRUE(CProjektDatei::KopiereLebendeSaetze(kurz, Pfad("kz.axo")));
    EXPECT_EQ(Inhalt(Pfad("kz.axo")), Satz(1, "a"));

    // A record too long to read is refused before the destination is created.
    const std::string lang = Schreibe("l.axo", Satz(1, "a") + Satz(1, "b", 0, 16384) + "b");
    EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(lang, Pfad("lz.axo")));
    EXPECT_FALSE(std::filesystem::exists(Pfad("lz.axo")));
    EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(Pfad("fehlt.axo"), Pfad("fz.axo")));
    EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(quelle, Pfad("ordner/fehlt/z.axo")));
    // Copying a file onto itself would truncate it first.
    const std::string vorher = Inhalt(quelle);
    EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(quelle, quelle));
    EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(quelle, Pfad(".") + "/q.axo"));
    EXPECT_EQ(Inhalt(quelle), vorher);
}

TEST_F(ProjektDateiTest, ACopyThatFailsLeavesTheDestinationAsItWas)
{
    const std::string ziel = Schreibe("ziel.axo", "alt");
    const std::string quelle =
        Schreibe("q.axo", Satz(1, std::string(5000, 'a')) + Satz(1, std::string(5000, 'b')));
    // Reading /proc/self/mem from its start fails as a failing disk does.
    EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze("/proc/self/mem", ziel));
    // A write that fails halfway: no file may grow beyond 6000 bytes.
    {
        const CDateigrenze grenze(6000);
        EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(quelle, ziel));
    }
    // A write the disk refuses only when the copy is synced.
    {
        const CSyncScheitert voll(ENOSPC);
        EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(quelle, ziel));
    }
    EXPECT_EQ(Inhalt(ziel), "alt");
    // Nor does a copy take the place of a FIFO.
    ASSERT_EQ(::mkfifo(Pfad("fifo").c_str(), 0644), 0);
    EXPECT_FALSE(CProjektDatei::KopiereLebendeSaetze(quelle, Pfad("fifo")));
    EXPECT_TRUE(std::filesystem::is_fifo(Pfad("fifo")));
    // Nothing was left beside them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_ordner), {}), 3);
}

TEST_F(ProjektDateiTest, ConsistencyCheckWantsTheChainToEndAtTheEndOfTheFile)
{
    const std::string gut = Satz(1, "abc") + Satz(2, "");
    EXPECT_TRUE(CProjektDatei::PruefeDatei(Schreibe("gut.axo", gut)));
    EXPECT_FALSE(CProjektDatei::PruefeDatei(Schreibe("rest.axo", gut + "xy")));
    EXPECT_FALSE(CProjektDatei::PruefeDatei(Schreibe("kurz.axo", gut.substr(0, gut.size() - 7))));
    EXPECT_FALSE(CProjektDatei::PruefeDatei(Schreibe("riesig.axo", Satz(1, "a", 0, 0xFFFFFFFF))));
}

TEST_F(ProjektDateiTest, MemoryBufferServesReadsInsteadOfTheFile)
{
    const std::string bytes = Satz(2, "<m/>") + Satz(1, "im Puffer");
    CProjektDatei p;
    p.SetzeDateiname(Pfad("gibtsnicht.axo"));
    p.SetzePuffer(bytes);
    ASSERT_TRUE(p.Oeffne());
    std::string text;
    EXPECT_TRUE(p.LeseSatz(10, text));
    EXPECT_EQ(text, "im Puffer");
    EXPECT_EQ(p.HoleLesePosition(), static_cast<long>(bytes.size()));
    char rest[8];
    p.SetzeLesePosition(static_cast<long>(bytes.size()) - 3);
    EXPECT_EQ(p.LeseBytes(rest, 8), 3);
    EXPECT_EQ(p.LeseBytes(rest, 8), 0);
    EXPECT_FALSE(p.LeseSatz(static_cast<long>(bytes.size()) - 2, text));
    p.SetzeLesePosition(-2147483647L);
    EXPECT_EQ(p.LeseBytes(rest, 8), 0);
    // A new name, and so a scan, always goes back to the file.
    p.SetzeDateiname(Pfad("gibtsnicht.axo"));
    EXPECT_FALSE(p.Oeffne());
    EXPECT_FALSE(p.LeseSatz(10, text));
}

TEST_F(ProjektDateiTest, RandomBytesNeverCrashTheReaders)
{
    std::mt19937 zufall(7);
    const std::string pfad = Pfad("zufall.axo");
    for (int runde = 0; runde < 300; ++runde) {
        std::string inhalt;
        while (inhalt.size() < zufall() % 200) {
            // Mostly plausible headers with random lengths, kinds and flags.
            if (zufall() % 4)
                inhalt += Satz(zufall() % 8, std::string(zufall() % 20, 'x'), zufall() % 3,
                               zufall() % 5 ? -1 : static_cast<long>(zufall()));
            else
                inhalt += static_cast<char>(zufall());
        }
        Schreibe("zufall.axo", inhalt);
        CProjektDatei p;
        p.SetzeDateiname(pfad);
        ASSERT_TRUE(p.LeseIndex());
        for (const auto& eintrag : p.HolePositionen())
            EXPECT_LT(eintrag.text.size(), inhalt.size());
        ASSERT_TRUE(p.Oeffne());
        std::string text;
        for (long position : {-5L, 0L, 3L, static_cast<long>(zufall() % 300), 1L << 40})
            p.LeseSatz(position, text);
        CProjektDatei::PruefeDatei(pfad);
        CProjektDatei::KopiereLebendeSaetze(pfad, Pfad("kopie.axo"));
    }
}
