#include "bmp_bauer.h"
#include "platform/dateien.h"
#include "platform/qtdc.h"
#include "platform/recordingdc.h"
#include "report/dib.h"
#include "report/firmenlogo.h"
#include "support/speichergrenze.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

using Bild = std::vector<CDib::Farbwert>;

constexpr CDib::Farbwert Schwarz = 0x000000;
constexpr CDib::Farbwert Weiss = 0xFFFFFF;
constexpr CDib::Farbwert Rot = 0x0000FF;
constexpr CDib::Farbwert Gruen = 0x00FF00;
constexpr CDib::Farbwert Blau = 0xFF0000;

std::size_t ZeilenBytes(int breite24)
{
    return std::size_t((breite24 * 24 + 31) / 32 * 4);
}

std::string Bytes(std::initializer_list<int> werte)
{
    std::string s;
    for (int w : werte)
        s.push_back(char(w));
    return s;
}

class LogoDateien : public ::testing::Test
{
protected:
    // Writes the plain bitmap scrambled, as the program expects its logo files.
    std::string SchreibeLogo(const std::string& name, std::string inhalt)
    {
        EntschluesseleLogoPuffer(inhalt.data(), inhalt.size());
        const std::string pfad = m_ordner.path().toStdString() + "/" + name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }

    // Loads a plain bitmap the way the logo is loaded, paints it and reads its pixels back.
    Bild Lade(const BmpBauer& bmp)
    {
        const std::string datei = bmp.Datei();
        EXPECT_EQ(m_dib.LadeLogoDatei(SchreibeLogo("axo.sys", datei)), datei.size());
        return Gemalt();
    }

    // Four image pixels per bitmap pixel; each is read at the centre of its square.
    Bild Gemalt() const
    {
        const int breite = m_dib.Breite();
        const int hoehe = std::abs(m_dib.Hoehe());
        if (m_dib.IstLeer())
            return {};
        QImage bild(4 * breite, 4 * hoehe, QImage::Format_RGB32);
        bild.fill(Qt::magenta);
        QPainter maler(&bild);
        QtDC dc(maler, 254, 254); // one image pixel is 0.1 mm, ten logical units
        const RECT ziel{0, 0, 40 * breite, -40 * hoehe};
        const RECT ganz{0, 0, breite, m_dib.Hoehe()}; // as the page layouts name it
        m_dib.Zeichne(&dc, &ziel, &ganz);
        maler.end();
        Bild punkte;
        for (int y = 0; y < hoehe; ++y)
            for (int x = 0; x < breite; ++x) {
                const QRgb p = bild.pixel(4 * x + 2, 4 * y + 2);
                punkte.push_back(RGB(qRed(p), qGreen(p), qBlue(p)));
            }
        return punkte;
    }

    QTemporaryDir m_ordner;
    CDib m_dib;
};

TEST(LogoSchluessel, RepeatsEveryFifteenBytesAndRestoresWhenAppliedTwice)
{
    std::string nullen(20, '\0');
    EntschluesseleLogoPuffer(nullen.data(), nullen.size());
    EXPECT_EQ(nullen.substr(15), nullen.substr(0, 5));
    EXPECT_EQ(nullen.substr(0, 15).find('\0'), std::string::npos) << "every key byte scrambles";

    std::string text = "Erdbau-Pruefstelle, Blatt 3\x80\xff\x00 und mehr";
    const std::string original = text;
    EntschluesseleLogoPuffer(text.data(), text.size());
    EXPECT_NE(text, original);
    EntschluesseleLogoPuffer(text.data(), text.size());
    EXPECT_EQ(text, original);

    EntschluesseleLogoPuffer(nullptr, 0);
}

TEST_F(LogoDateien, PalettedBitmapsDecodeBottomRowFirstWithPaddedRows)
{
    BmpBauer einBit;
    einBit.breite = 3;
    einBit.hoehe = 2;
    einBit.bitsProBildpunkt = 1;
    einBit.farben = {Schwarz, Weiss};
    einBit.bits = Bytes({0xA0, 0, 0, 0, 0x60, 0, 0, 0});
    EXPECT_EQ(Lade(einBit), (Bild{Schwarz, Weiss, Weiss, Weiss, Schwarz, Weiss}));
    EXPECT_EQ(m_dib.AnzahlFarben(), 2u);
    EXPECT_EQ(m_dib.PalettenGroesse(), 8);

    BmpBauer vierBit = einBit;
    vierBit.bitsProBildpunkt = 4;
    vierBit.farbenBenutzt = 4;
    vierBit.farben = {Schwarz, Rot, Gruen, Blau};
    vierBit.bits = Bytes({0x12, 0x30, 0, 0, 0x30, 0x10, 0, 0});
    EXPECT_EQ(Lade(vierBit), (Bild{Blau, Schwarz, Rot, Rot, Gruen, Blau}));
    EXPECT_EQ(m_dib.AnzahlFarben(), 4u);
    EXPECT_EQ(m_dib.Palette(), (Bild{Schwarz, Rot, Gruen, Blau}));

    // Index 7 lies beyond the three colours in use and paints black.
    BmpBauer achtBit;
    achtBit.breite = 2;
    achtBit.hoehe = 2;
    achtBit.bitsProBildpunkt = 8;
    achtBit.farbenBenutzt = 3;
    achtBit.farben = {Rot, Gruen, Blau};
    achtBit.bits = Bytes({0, 1, 0, 0, 2, 7, 0, 0});
    EXPECT_EQ(Lade(achtBit), (Bild{Blau, Schwarz, Rot, Gruen}));
    EXPECT_EQ(m_dib.Breite(), 2);
    EXPECT_EQ(m_dib.Hoehe(), 2);
}

// Reads every pixel index of the plain rows a device context is handed and fails on one that
// lies beyond the colour table handed with them.
class IndexPruefenderDC : public RecordingDC
{
public:
    IndexPruefenderDC() : RecordingDC(CFesteTextMetrik()) {}
    int geprueft = 0;

protected:
    bool ZeichneBild(const BildAusgabe& ausgabe) override
    {
        const DIB& dib = *ausgabe.bild;
        const auto wort = [&](std::size_t an) {
            return std::uint32_t(dib.info[an]) | std::uint32_t(dib.info[an + 1]) << 8 |
                   std::uint32_t(dib.info[an + 2]) << 16 | std::uint32_t(dib.info[an + 3]) << 24;
        };
        const unsigned bits = dib.info[14];
        EXPECT_EQ(wort(16), 0u) << "rows reach the device uncompressed";
        const std::uint32_t farben = wort(32) != 0 ? wort(32) : 1u << bits;
        EXPECT_LE(wort(0) + 4 * farben, dib.infoGroesse) << "the colour table lies in the block";
        const std::size_t zeile = (std::size_t(ausgabe.bildBreite) * bits + 31) / 32 * 4;
        const std::size_t hoehe = std::size_t(std::abs(ausgabe.bildHoehe));
        EXPECT_GE(dib.bitsGroesse, zeile * hoehe);
        for (std::size_t y = 0; y < hoehe; ++y)
            for (std::size_t x = 0; x < std::size_t(ausgabe.bildBreite); ++x) {
                const std::size_t bit = x * bits;
                const unsigned byte = dib.bits[y * zeile + bit / 8];
                const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                EXPECT_LT(index, farben) << "pixel " << x << ", row " << y;
            }
        ++geprueft;
        return RecordingDC::ZeichneBild(ausgabe);
    }
};

TEST_F(LogoDateien, IndicesBeyondTheColourTablePaintBlackAndNeverReachTheDevice)
{
    const auto bmp = [](std::uint16_t bits, std::uint32_t kompression, std::string pixel) {
        BmpBauer b;
        b.breite = 3;
        b.hoehe = 1;
        b.bitsProBildpunkt = bits;
        b.kompression = kompression;
        b.farbenBenutzt = bits == 1 ? 1 : 4;
        b.farben = {Rot, Gruen, Blau, Weiss};
        b.farben.resize(b.farbenBenutzt);
        b.bits = std::move(pixel);
        b.bildGroesse = kompression != 0 ? std::uint32_t(b.bits.size()) : 0;
        return b;
    };
    const std::vector<std::pair<const char*, BmpBauer>> faelle = {
        {"1 bit, one colour", bmp(1, 0, Bytes({0x60, 0, 0, 0}))},
        {"4 bits, four colours", bmp(4, 0, Bytes({0x0F, 0x50, 0, 0}))},
        {"8 bits, four colours", bmp(8, 0, Bytes({0, 255, 4, 0}))},
        {"run-length 8 bits", bmp(8, 1, Bytes({1, 0, 1, 255, 1, 4, 0, 1}))},
        {"run-length 4 bits", bmp(4, 2, Bytes({2, 0x0F, 1, 0x50, 0, 1}))},
    };
    const RECT ziel{0, 0, 30, -10};
    const RECT ganz{0, 0, 3, 1};
    for (const auto& [fall, datei] : faelle) {
        SCOPED_TRACE(fall);
        EXPECT_EQ(Lade(datei), (Bild{Rot, Schwarz, Schwarz}));
        IndexPruefenderDC dc;
        EXPECT_EQ(m_dib.Zeichne(&dc, &ziel, &ganz), 1);
        EXPECT_EQ(dc.geprueft, 1);
    }
}

TEST_F(LogoDateien, ColourTableCutShortReadsAsBlackAndTravelsWhole)
{
    BmpBauer kurz; // 256 colours by default, two stored
    kurz.breite = 2;
    kurz.hoehe = 2;
    kurz.bitsProBildpunkt = 8;
    kurz.farben = {Rot, Gruen};
    kurz.bits = Bytes({0, 1, 0, 0, 5, 1, 0, 0});
    EXPECT_EQ(Lade(kurz), (Bild{Schwarz, Gruen, Rot, Gruen}));
    ASSERT_EQ(m_dib.Palette().size(), 256u);
    EXPECT_EQ(m_dib.Palette()[1], Gruen);
    EXPECT_EQ(m_dib.Palette()[255], Schwarz);

    // Written with its whole table, through an archive and through a memory block.
    BmpBauer ganz = kurz;
    ganz.farben.resize(256, Schwarz);
    ganz.bildGroesse = 8;
    std::stringstream archiv;
    m_dib.Serialize(archiv, true);
    EXPECT_EQ(archiv.str(), ganz.Datei());
    CDib kopie;
    kopie.Serialize(archiv, false);
    EXPECT_EQ(kopie.Palette(), m_dib.Palette());

    const std::vector<unsigned char> block = kopie.KopiereInHandle();
    EXPECT_EQ(std::string(block.begin(), block.end()), ganz.Datei());
    CDib ausBlock;
    EXPECT_EQ(ausBlock.LeseAusHandle(block), block.size());
    EXPECT_EQ(ausBlock.Breite(), 2);

    EXPECT_TRUE(CDib().KopiereInHandle().empty());
    EXPECT_EQ(ausBlock.LeseAusHandle({}), 0u);
    EXPECT_TRUE(ausBlock.IstLeer());
}

TEST_F(LogoDateien, TrueColourBitmapsHaveNoPaletteAndMayBeStoredTopDown)
{
    BmpBauer bmp;
    bmp.breite = 2;
    bmp.hoehe = 2;
    bmp.bits = Bytes({0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0});
    EXPECT_EQ(Lade(bmp), (Bild{Blau, Weiss, Rot, Gruen}));
    EXPECT_EQ(m_dib.AnzahlFarben(), 0u);
    EXPECT_EQ(m_dib.PalettenGroesse(), 0);
    EXPECT_TRUE(m_dib.Palette().empty());

    bmp.hoehe = -2;
    EXPECT_EQ(Lade(bmp), (Bild{Rot, Gruen, Blau, Weiss}));
    EXPECT_EQ(m_dib.Hoehe(), -2);
}

// A channel of five or six bits paints as the nearest byte, so a logo keeps its colours exactly.
TEST_F(LogoDateien, SixteenBitChannelsScaleToTheNearestByte)
{
    BmpBauer fuenf;
    fuenf.breite = 2;
    fuenf.hoehe = 1;
    fuenf.bitsProBildpunkt = 16;
    // 5-5-5: (16, 1, 30) and (0, 31, 3).
    fuenf.bits = Bytes({0x3E, 0x40, 0xE3, 0x03});
    EXPECT_EQ(Lade(fuenf), (Bild{RGB(132, 8, 247), RGB(0, 255, 25)}));

    BmpBauer sechs = fuenf;
    sechs.kompression = 3;
    sechs.masken = {0xF800, 0x07E0, 0x001F};
    // 5-6-5: (16, 32, 3) and (1, 63, 30).
    sechs.bits = Bytes({0x03, 0x84, 0xFE, 0x0F});
    EXPECT_EQ(Lade(sechs), (Bild{RGB(132, 130, 25), RGB(8, 255, 247)}));
}

TEST_F(LogoDateien, RunLengthBitmapsDecodeRunsLiteralsJumpsAndClipAtTheEdges)
{
    BmpBauer rle8;
    rle8.breite = 4;
    rle8.hoehe = 3;
    rle8.bitsProBildpunkt = 8;
    rle8.kompression = 1;
    rle8.farbenBenutzt = 4;
    rle8.farben = {Schwarz, Rot, Gruen, Blau};
    rle8.bits = Bytes({3, 1, 1, 2, 0, 0,   // bottom row: a run of three, a run of one
                       0, 3, 3, 2, 1, 0,   // three literals, padded to a word,
                       1, 2, 0, 0,         // then a run of one
                       1, 1, 0, 2, 1, 0,   // a run of one, jump one to the right,
                       2, 3, 3, 1, 0, 1}); // a run of two; one past the right edge is dropped
    rle8.bildGroesse = std::uint32_t(rle8.bits.size());
    EXPECT_EQ(Lade(rle8),
              (Bild{Rot, Schwarz, Blau, Blau, Blau, Gruen, Rot, Gruen, Rot, Rot, Rot, Gruen}));

    BmpBauer rle4 = rle8;
    rle4.breite = 8;
    rle4.hoehe = 3;
    rle4.bitsProBildpunkt = 4;
    rle4.kompression = 2;
    rle4.bits =
        Bytes({5, 0x12, 0,    3,    0x32, 0x10, 0, 0,    // alternating nibbles; three literals
               0, 5,    0x32, 0x12, 0x20, 0,    1, 0x30, // five literals, padded; a run of one
               0, 2,    1,    1,    1,    0x10, 0, 1});  // jump one right and one up; a run; end
    rle4.bildGroesse = std::uint32_t(rle4.bits.size());
    EXPECT_EQ(Lade(rle4),
              (Bild{Schwarz, Schwarz, Schwarz, Schwarz, Schwarz, Schwarz, Schwarz, Rot,
                    Blau,    Gruen,   Rot,     Gruen,   Gruen,   Blau,    Schwarz, Schwarz, //
                    Rot,     Gruen,   Rot,     Gruen,   Rot,     Blau,    Gruen,   Rot}));

    // A stream that breaks off inside a literal run ends the picture there.
    rle8.bits = Bytes({2, 3, 0, 5, 1, 2});
    rle8.bildGroesse = std::uint32_t(rle8.bits.size());
    Bild erwartet(12, Schwarz);
    erwartet[8] = erwartet[9] = Blau;
    EXPECT_EQ(Lade(rle8), erwartet);
}

// Qt's reader refuses most header sizes between the ones it knows; every size from 40 up is read,
// with the colour table right behind the header.
TEST_F(LogoDateien, InfoHeadersLongerThanFortyBytesPaintAtEveryDepth)
{
    BmpBauer acht;
    acht.breite = 2;
    acht.hoehe = 2;
    acht.bitsProBildpunkt = 8;
    acht.farbenBenutzt = 3;
    acht.farben = {Rot, Gruen, Blau};
    acht.bits = Bytes({0, 1, 0, 0, 2, 0, 0, 0});
    BmpBauer lauflaenge = acht;
    lauflaenge.kompression = 1;
    lauflaenge.bits = Bytes({1, 0, 1, 1, 0, 0, 1, 2, 1, 0, 0, 1});
    lauflaenge.bildGroesse = std::uint32_t(lauflaenge.bits.size());
    BmpBauer vier = acht;
    vier.bitsProBildpunkt = 4;
    vier.bits = Bytes({0x01, 0, 0, 0, 0x20, 0, 0, 0});
    BmpBauer echt;
    echt.breite = 2;
    echt.hoehe = 2;
    echt.bits = Bytes({0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0});
    BmpBauer obenZuerst = echt;
    obenZuerst.hoehe = -2;
    const Bild erwartet{Blau, Rot, Rot, Gruen};

    for (const std::uint32_t kopfGroesse : {40u, 48u, 52u, 64u, 108u, 124u})
        for (BmpBauer bmp : {acht, lauflaenge, vier, echt}) {
            SCOPED_TRACE(testing::Message() << kopfGroesse << " bytes, " << bmp.bitsProBildpunkt
                                            << " bits, compression " << bmp.kompression);
            bmp.kopfGroesse = kopfGroesse;
            EXPECT_EQ(Lade(bmp), erwartet);
            obenZuerst.kopfGroesse = kopfGroesse;
            EXPECT_EQ(Lade(obenZuerst), (Bild{Rot, Gruen, Blau, Rot}));
        }
}

TEST_F(LogoDateien, DamagedOrTruncatedFilesLoadAsNoBitmap)
{
    BmpBauer gut;
    gut.breite = 2;
    gut.hoehe = 2;
    gut.bits = std::string(16, '\x7f');
    const std::string datei = gut.Datei();

    const auto mitWort = [&](std::size_t stelle, std::uint32_t wert) {
        std::string d = datei;
        for (int i = 0; i < 4; ++i)
            d[stelle + i] = char(wert >> (8 * i));
        return d;
    };
    const auto mitBauer = [](auto aendern) {
        BmpBauer b;
        b.breite = 2;
        b.hoehe = 2;
        b.bitsProBildpunkt = 8;
        b.farben = {Rot, Gruen};
        b.bits = std::string(8, '\1');
        aendern(b);
        return b.Datei();
    };

    const std::vector<std::pair<const char*, std::string>> faelle = {
        {"empty file", ""},
        {"shorter than the file header", datei.substr(0, 13)},
        {"bits offset inside the file header", mitWort(10, 10)},
        {"bits offset past the end", mitWort(10, std::uint32_t(datei.size() + 1))},
        {"info header cut short", mitWort(10, 14 + 20)},
        {"info header size beyond the block", mitWort(14, 200)},
        {"info header size below 40", mitWort(14, 12)},
        {"pixel rows cut short", datei.substr(0, datei.size() - 1)},
        {"zero width", mitWort(18, 0)},
        {"negative width", mitWort(18, 0xFFFFFFFF)},
        {"zero height", mitWort(22, 0)},
        {"two planes", mitWort(26, 2 | 24 << 16)},
        {"2 bits per pixel", mitWort(28, 2)},
        {"bit fields with 24 bits", mitWort(30, 3)},
        {"bit fields without their masks", mitBauer([](BmpBauer& b) {
             b.bitsProBildpunkt = 16;
             b.kompression = 3;
             b.farben.clear();
         })},
        {"32-bit rows cut short", mitBauer([](BmpBauer& b) {
             b.bitsProBildpunkt = 32;
             b.farben.clear();
         })},
        {"huge dimensions", mitWort(22, 0x7FFFFFFF)},
        {"more colours than 8 bits can index",
         mitBauer([](BmpBauer& b) { b.farbenBenutzt = 300; })},
        {"run-length stream shorter than its stated size", mitBauer([](BmpBauer& b) {
             b.kompression = 1;
             b.farbenBenutzt = 2;
             b.bildGroesse = 9;
         })},
        {"run-length stored top-down", mitBauer([](BmpBauer& b) {
             b.kompression = 1;
             b.farbenBenutzt = 2;
             b.hoehe = -2;
             b.bildGroesse = 8;
         })},
        {"run-length with 24 bits", mitWort(30, 1)},
        {"run-length without a size", mitBauer([](BmpBauer& b) {
             b.kompression = 1;
             b.farbenBenutzt = 2;
         })},
    };
    for (const auto& [fall, inhalt] : faelle) {
        SCOPED_TRACE(fall);
        m_dib.LadeLogoDatei(SchreibeLogo("axo.sys", datei));
        ASSERT_FALSE(m_dib.IstLeer());
        EXPECT_EQ(m_dib.LadeLogoDatei(SchreibeLogo("axo.sys", inhalt)), 0u);
        EXPECT_TRUE(m_dib.IstLeer());
        EXPECT_EQ(m_dib.Breite(), 0);
        EXPECT_EQ(m_dib.AnzahlFarben(), 0u);
        EXPECT_TRUE(Gemalt().empty());
    }
    EXPECT_EQ(m_dib.LadeLogoDatei(m_ordner.path().toStdString() + "/fehlt.sys"), 0u);
}

TEST_F(LogoDateien, NumberedLogoFileIsPreferredToTheDefaultOne)
{
    // The width tells which file was loaded.
    const auto logo = [](int breite) {
        BmpBauer bmp;
        bmp.breite = breite;
        bmp.bits = std::string(ZeilenBytes(breite), '\0');
        return bmp.Datei();
    };
    const std::string ordner = m_ordner.path().toStdString();
    const std::string vorher = ProgrammOrdner();
    SetzeProgrammOrdner(ordner);

    EXPECT_FALSE(LadeFirmenlogo(m_dib)) << "no logo file at all";
    EXPECT_EQ(FindeLogoDatei(ordner), ordner + "/axo.sys");

    // Only the exact default name stands back: "AXO.SYS" beside "axo.sys" is the company logo.
    SchreibeLogo("AXO.SYS", logo(4));
    EXPECT_EQ(FindeLogoDatei(ordner), ordner + "/AXO.SYS");
    SchreibeLogo("axo.sys", logo(1));
    EXPECT_EQ(FindeLogoDatei(ordner), ordner + "/AXO.SYS");
    std::filesystem::remove(ordner + "/AXO.SYS");

    SchreibeLogo("axo.sys", logo(1));
    SchreibeLogo("axo12345.sys", logo(5)); // five characters are more than "????" matches
    SchreibeLogo("axo0815.txt", logo(6));
    EXPECT_TRUE(LadeFirmenlogo(m_dib));
    EXPECT_EQ(m_dib.Breite(), 1);

    SchreibeLogo("axo0815.sys", logo(2));
    EXPECT_TRUE(LadeFirmenlogo(m_dib));
    EXPECT_EQ(m_dib.Breite(), 2);

    // A "?" before the dot may match nothing, so shorter numbers count as well.
    std::filesystem::remove(ordner + "/axo0815.sys");
    SchreibeLogo("axo7.sys", logo(3));
    EXPECT_TRUE(LadeFirmenlogo(m_dib));
    EXPECT_EQ(m_dib.Breite(), 3);

    SchreibeLogo("axo7.sys", "kein Bitmap");
    EXPECT_FALSE(LadeFirmenlogo(m_dib)) << "the numbered file is chosen even when it is damaged";
    EXPECT_TRUE(m_dib.IstLeer());

    SetzeProgrammOrdner(vorher);
}

#if !defined(__SANITIZE_ADDRESS__) // its allocator ends the process instead of failing
TEST_F(LogoDateien, ALogoWithoutRoomToUnpackLoadsAsNoneAndEndsNothing)
{
    // A run-length logo of 4096 x 4096 pixels whose stream is its end mark alone: 1,080 bytes
    // that unpack into 16 MiB, loaded at start-up by a process with less room than that.
    BmpBauer bmp;
    bmp.breite = 4096;
    bmp.hoehe = 4096;
    bmp.bitsProBildpunkt = 8;
    bmp.kompression = 1;
    bmp.farben.assign(256, Weiss);
    bmp.bits = Bytes({0, 1});
    bmp.bildGroesse = 2;
    const std::string datei = bmp.Datei();
    SchreibeLogo("axo.sys", datei);
    const std::string vorher = ProgrammOrdner();
    SetzeProgrammOrdner(m_ordner.path().toStdString());
    const int ergebnis = ImKindMitSpeichergrenze(std::size_t{8} << 20, [this] {
        return !LadeFirmenlogo(m_dib) && m_dib.IstLeer() ? 0 : 1;
    });
    const bool mitRaumGeladen = LadeFirmenlogo(m_dib);
    SetzeProgrammOrdner(vorher);
    EXPECT_EQ(datei.size(), 1080u);
    EXPECT_TRUE(mitRaumGeladen) << "with room it is a logo";
    EXPECT_EQ(ergebnis, 0) << "1: loaded; 2: it raised";
}
#endif

TEST_F(LogoDateien, PaintsTheWholePictureStretchedIntoTheDestination)
{
    RecordingDC dc{CFesteTextMetrik()};
    const RECT ziel{2450, -1570, 19380, -3350};
    const RECT ganz{0, 0, 3, 2};
    EXPECT_EQ(m_dib.Zeichne(&dc, &ziel, &ganz), 0) << "no logo loaded";
    EXPECT_TRUE(dc.Eintraege().empty());

    BmpBauer bmp;
    bmp.breite = 3;
    bmp.hoehe = 2;
    bmp.bits = std::string(24, '\0');
    Lade(bmp);
    EXPECT_EQ(m_dib.Zeichne(&dc, &ziel, &ganz), 2);
    ASSERT_EQ(dc.Eintraege().size(), 1u);
    const DCEintrag& bild = dc.Eintraege()[0];
    EXPECT_EQ(bild.art, DCPrimitiv::Bild);
    EXPECT_EQ(bild.rechteck, ziel);
    EXPECT_EQ(bild.quelle, (RECT{0, 0, 3, 2}));
    EXPECT_EQ(bild.bildBreite, 3);
    EXPECT_EQ(bild.bildHoehe, 2);

    // The upper row of a bitmap stored bottom-up is its last stored row.
    const RECT obereZeile{0, 0, 3, 1};
    dc.Leeren();
    EXPECT_EQ(m_dib.Zeichne(&dc, &ziel, &obereZeile), 1);
    EXPECT_EQ(dc.Eintraege().at(0).quelle, (RECT{0, 1, 3, 2}));
}

TEST(BitmapDatei, WritesWhatItReadsAndRefusesOtherFiles)
{
    BmpBauer vierBit;
    vierBit.breite = 3;
    vierBit.hoehe = 2;
    vierBit.bitsProBildpunkt = 4;
    vierBit.farben = std::vector<CDib::Farbwert>(16, Gruen);
    vierBit.bits = Bytes({0x12, 0x30, 0, 0, 0x30, 0x10, 0, 0});
    vierBit.bildGroesse = 8;

    BmpBauer rle8;
    rle8.breite = 4;
    rle8.hoehe = 1;
    rle8.bitsProBildpunkt = 8;
    rle8.kompression = 1;
    rle8.farbenBenutzt = 2;
    rle8.farben = {Rot, Blau};
    rle8.bits = Bytes({4, 1, 0, 1});
    rle8.bildGroesse = 4;

    // Bit fields behind a 40-byte header: the masks are written with it.
    BmpBauer bitfelder;
    bitfelder.breite = 2;
    bitfelder.bitsProBildpunkt = 16;
    bitfelder.kompression = 3;
    bitfelder.masken = {0xF800, 0x07E0, 0x001F};
    bitfelder.bits = Bytes({0x00, 0xF8, 0x1F, 0x00});
    bitfelder.bildGroesse = 4;

    for (const BmpBauer& bmp : {vierBit, rle8, bitfelder}) {
        const std::string datei = bmp.Datei();
        std::istringstream ein(datei);
        CDib dib;
        EXPECT_EQ(dib.Lese(ein), datei.size());
        std::ostringstream aus;
        EXPECT_EQ(dib.Schreibe(aus), datei.size());
        EXPECT_EQ(aus.str(), datei);
    }

    std::string keinBitmap = vierBit.Datei();
    keinBitmap[1] = 'X';
    std::istringstream ein(keinBitmap);
    CDib dib;
    EXPECT_EQ(dib.Lese(ein), 0u);
    std::ostringstream aus;
    EXPECT_EQ(dib.Schreibe(aus), 0u);
    EXPECT_TRUE(aus.str().empty());
}

} // namespace
