// Writes the seed inputs of every fuzz target from the sample-project builder, one folder per
// target below the folder given:
//
//   fuzz_saat ZIELORDNER

#include "data/massnahme.h"
#include "fuzzumgebung.h"
#include "musterbauer.h"
#include "report/bmp_bauer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

class Saat
{
public:
    explicit Saat(std::filesystem::path ordner) : m_ordner(std::move(ordner)) {}

    void Schreibe(const std::string& ziel, const std::string& inhalt)
    {
        const std::filesystem::path ordner = m_ordner / ziel;
        std::filesystem::create_directories(ordner);
        char name[16];
        std::snprintf(name, sizeof name, "%03d", m_anzahl[ziel]++);
        std::ofstream(ordner / name, std::ios::binary) << inhalt;
    }

    std::filesystem::path Pfad(const std::string& ziel, const std::string& name)
    {
        std::filesystem::create_directories(m_ordner / ziel);
        ++m_anzahl[ziel];
        return m_ordner / ziel / name;
    }

private:
    std::filesystem::path m_ordner;
    std::map<std::string, int> m_anzahl;
};

// Small projects, so that the fuzzer runs many: three protocols below different titles, and each
// protocol alone below its title.
void Projekte(Saat& saat, const MusterProjekt& muster)
{
    MusterProjekt drei{muster.metadaten, muster.titel, muster.vorgaben, {}};
    for (const size_t i : {0, 15, 20})
        drei.protokolle.push_back(muster.protokolle[i]);
    SchreibeProjektDatei(drei, saat.Pfad("projektdatei", "drei.axo"));
    for (size_t i = 0; i < muster.protokolle.size(); ++i) {
        MusterProjekt einzeln{muster.metadaten, muster.titel, {}, {muster.protokolle[i]}};
        SchreibeProjektDatei(einzeln,
                             saat.Pfad("projektdatei", "einzeln" + std::to_string(i) + ".axo"));
    }
}

void Dokumente(Saat& saat, const MusterProjekt& muster)
{
    saat.Schreibe("markup", FuzzTexte({"metadaten"}) + BaueMetadatenXml(muster.metadaten));
    saat.Schreibe("markup", FuzzTexte({"titel"}) + BaueTitellisteXml(muster.titel));
    saat.Schreibe("markup", FuzzTexte({"vorgabe"}) + BaueVorgabedatenXml(muster.vorgaben));
    for (const CProtokoll& protokoll : muster.protokolle)
        saat.Schreibe("markup", FuzzTexte({"messung"}) + protokoll.SchreibeXML());
}

// Each protocol as written, and one as an old format writes it, whose general text is converted.
void Protokolle(Saat& saat, const MusterProjekt& muster)
{
    for (const CProtokoll& protokoll : muster.protokolle)
        saat.Schreibe("protokoll", protokoll.SchreibeXML());
    std::string alt = muster.protokolle.front().SchreibeXML();
    const std::string neu = "version=\"0.0.2\"";
    alt.replace(alt.find(neu), neu.size(), "version=\"0.0.1\"");
    saat.Schreibe("protokoll", alt);
}

void Datentexte(Saat& saat, const MusterProjekt& muster)
{
    for (size_t i = 0; i < muster.protokolle.size(); ++i) {
        const CProtokoll& protokoll = muster.protokolle[i];
        const std::string texte =
            FuzzTexte({protokoll.GetDatenAllgemein(), protokoll.GetDatenSpeziell()});
        // Field 3, sub-field 1 and the end of the texts for the helpers; then a field of group 1
        // set, a sub-field of group 4, and a special group replaced.
        saat.Schreibe("datentext", texte + "\x05\x03\x28" + std::string("\x00\x03\x05\x03", 4) +
                                       FuzzTexte({"Nord"}) + std::string("\x04\x06\x02\x03", 4) +
                                       FuzzTexte({"U=3,5"}) + std::string("\x06\x05\x02\x02", 4) +
                                       FuzzTexte({"a|b@c"}));
        saat.Schreibe("bericht", std::string(1, static_cast<char>(i)) + texte);
    }
}

void Logos(Saat& saat)
{
    BmpBauer bmp;
    bmp.breite = 3;
    bmp.hoehe = 2;
    bmp.bitsProBildpunkt = 1;
    bmp.farben = {0x000000, 0xFFFFFF};
    bmp.bits = std::string("\xA0\0\0\0\x60\0\0\0", 8);
    saat.Schreibe("logo", bmp.Datei());
    bmp.bitsProBildpunkt = 4;
    bmp.farbenBenutzt = 4;
    bmp.farben = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
    bmp.bits = std::string("\x12\x30\0\0\x30\x10\0\0", 8);
    saat.Schreibe("logo", bmp.Datei());
    bmp.bitsProBildpunkt = 8;
    bmp.bits = std::string("\0\1\2\0\2\3\1\0", 8);
    saat.Schreibe("logo", bmp.Datei());
    bmp.hoehe = -2;
    saat.Schreibe("logo", bmp.Datei());

    BmpBauer rle = bmp;
    rle.breite = 4;
    rle.hoehe = 3;
    rle.kompression = 1;
    rle.bits = std::string("\3\1\1\2\0\0\0\3\3\2\1\0\0\0\0\2\2\0\2\3\3\1\0\1", 24);
    rle.bildGroesse = static_cast<std::uint32_t>(rle.bits.size());
    saat.Schreibe("logo", rle.Datei());
    rle.bitsProBildpunkt = 4;
    rle.kompression = 2;
    rle.bits = std::string("\5\x12\0\0\0\3\x32\x10\2\x30\0\1", 12);
    rle.bildGroesse = static_cast<std::uint32_t>(rle.bits.size());
    saat.Schreibe("logo", rle.Datei());

    BmpBauer echtfarben;
    echtfarben.breite = 2;
    echtfarben.hoehe = 2;
    echtfarben.bits = std::string("\0\0\xFF\0\xFF\0\0\0\xFF\0\0\xFF\xFF\xFF\0\0", 16);
    saat.Schreibe("logo", echtfarben.Datei());

    // 16 and 32 bits, plain and with bit-field masks behind the header or inside a longer one.
    BmpBauer tief = echtfarben;
    tief.bitsProBildpunkt = 16;
    tief.bits = std::string("\x00\x7C\xE0\x03\x1F\x00\xFF\x7F", 8);
    saat.Schreibe("logo", tief.Datei());
    tief.kompression = 3;
    tief.masken = {0xF800, 0x07E0, 0x001F};
    tief.hoehe = -2;
    saat.Schreibe("logo", tief.Datei());
    tief.bitsProBildpunkt = 32;
    tief.kopfGroesse = 108;
    tief.masken = {0xFF, 0xFF00, 0xFF0000};
    tief.bits = std::string("\xFF\0\0\0\0\xFF\0\0\0\0\xFF\0\xFF\xFF\xFF\0", 16);
    saat.Schreibe("logo", tief.Datei());
    tief.kompression = 0;
    tief.kopfGroesse = 40;
    tief.masken.clear();
    saat.Schreibe("logo", tief.Datei());
}

// A copy-data record: data word, byte count, bytes.
std::string Satz(const std::string& text)
{
    std::string satz;
    BmpBauer::Wort(satz, 0x4158);
    BmpBauer::Wort(satz, static_cast<std::uint32_t>(text.size()));
    return satz + text;
}

void Nachrichten(Saat& saat)
{
    saat.Schreibe("geschwistermeldung", Satz(std::string("IN_DEN_VORDERGRUND[4711]\0", 25)));
    saat.Schreibe("geschwistermeldung", Satz("IN_DEN_VORDERGRUND[12]x") + Satz("andere"));
    saat.Schreibe("geschwistermeldung", Satz("IN_DEN_VORDERGRUND") + Satz("").substr(0, 6));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: fuzz_saat ZIELORDNER\n");
        return 2;
    }
    const MusterProjekt muster = BaueMusterprojekt();
    Saat saat{std::filesystem::path(argv[1])};
    Projekte(saat, muster);
    Dokumente(saat, muster);
    Protokolle(saat, muster);
    Datentexte(saat, muster);
    Logos(saat);
    Nachrichten(saat);
    return 0;
}
