#pragma once
// Project files for the loading tests: raw record bytes, written to a folder that is removed
// afterwards, and protocol records made through the protocol's own writer.

#include "data/massnahme.h"
#include "data/protokoll.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace projektdatei_bauer {

// One record: u32 length (little-endian), kind, deleted flag, text.
inline std::string Satz(uint8_t art, const std::string& text, uint8_t geloescht = 0)
{
    std::string satz;
    const auto laenge = static_cast<uint32_t>(text.size());
    for (int i = 0; i < 4; ++i)
        satz += static_cast<char>(laenge >> (8 * i) & 0xFF);
    satz += static_cast<char>(art);
    satz += static_cast<char>(geloescht);
    return satz + text;
}

inline std::string ProtokollXml(const std::string& id, const std::string& titelId,
                                const std::string& pruefart = "1005")
{
    CProtokoll protokoll;
    protokoll.Initialisiere(id, titelId, pruefart);
    protokoll.SetzeProtokollnummer("Nr " + id);
    return protokoll.SchreibeXML();
}

inline std::string ProtokollSatz(const std::string& id, const std::string& titelId)
{
    return Satz(1, ProtokollXml(id, titelId));
}

inline std::string MetadatenSatz(const std::map<std::string, std::string>& werte)
{
    return Satz(2, BaueMetadatenXml(werte));
}

inline std::string TitelSatz(const std::vector<std::string>& titel)
{
    return Satz(3, BaueTitellisteXml(titel));
}

inline std::string LeseDatei(const std::filesystem::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

// Open file descriptors of this process: a load must leave none behind.
inline int OffeneDateien()
{
    int anzahl = 0;
    for ([[maybe_unused]] const auto& eintrag :
         std::filesystem::directory_iterator("/proc/self/fd"))
        ++anzahl;
    return anzahl;
}

// A test with a folder of its own for the project files it writes.
class MitOrdner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_ordner = std::filesystem::temp_directory_path() /
                   (std::string("axo_") + test->test_suite_name() + "_" + test->name() + "_" +
                    std::to_string(getpid()));
        std::filesystem::create_directories(m_ordner);
    }
    void TearDown() override { std::filesystem::remove_all(m_ordner); }

    std::string Schreibe(const std::string& name, const std::string& inhalt) const
    {
        const std::filesystem::path pfad = m_ordner / name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad.string();
    }
    std::string Pfad(const std::string& name) const { return (m_ordner / name).string(); }

    std::filesystem::path m_ordner;
};

} // namespace projektdatei_bauer
