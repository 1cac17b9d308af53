#include "report/dib.h"

#include "platform/cdc.h"
#include "platform/dateien.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <limits>
#include <new>
#include <ostream>
#include <sstream>
#include <string>

namespace {

// The logo files of this program are scrambled with this key; changing it orphans them.
constexpr char Schluessel[] = "Gq7#Lm2!Tz9$Rb4";
constexpr std::size_t SchluesselLaenge = sizeof Schluessel - 1;
static_assert(SchluesselLaenge == 15);

constexpr std::size_t DateiKopfGroesse = 14;
constexpr std::size_t InfoKopfGroesse = 40;
// Room for a whole colour table of 256 entries behind the stored header: a table that the file
// cuts short reads as black.
constexpr std::size_t KopfReserve = 1024;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;
// The red, green and blue masks of a bit-field bitmap end here: behind a 40-byte header, inside
// a longer one.
constexpr std::size_t MaskenEnde = InfoKopfGroesse + 12;
// A logo never comes near this; it keeps a run-length file from asking for gigabytes.
constexpr std::uint64_t HoechstzahlBildpunkte = 1u << 24;

std::uint32_t LiesWort(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void SchreibWort(std::ostream& aus, std::uint32_t wert)
{
    const char bytes[4] = {char(wert), char(wert >> 8), char(wert >> 16), char(wert >> 24)};
    aus.write(bytes, 4);
}

// Pixels of 16 and 32 bits carry their colour through masks, not through a colour table.
bool HatFarbmasken(unsigned bitsProBildpunkt)
{
    return bitsProBildpunkt == 16 || bitsProBildpunkt == 32;
}

std::size_t ZeilenLaenge(std::uint64_t breite, unsigned bitsProBildpunkt)
{
    return std::size_t((breite * bitsProBildpunkt + 31) / 32 * 4);
}

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255 whatever the mask's width.
class CFarbmaske
{
public:
    explicit CFarbmaske(std::uint32_t maske)
        : m_maske(maske), m_verschiebung(maske == 0 ? 0 : unsigned(std::countr_zero(maske))),
          m_hoechstwert(maske >> m_verschiebung)
    {
    }

    unsigned char Kanal(std::uint32_t bildpunkt) const
    {
        if (m_hoechstwert == 0)
            return 0;
        const std::uint64_t wert = (bildpunkt & m_maske) >> m_verschiebung;
        return static_cast<unsigned char>((wert * 255 + m_hoechstwert / 2) / m_hoechstwert);
    }

private:
    std::uint32_t m_maske;
    unsigned m_verschiebung;
    std::uint64_t m_hoechstwert;
};

// Red, green and blue of a 16- or 32-bit info header: stored for bit fields, else 5-5-5 and
// 8-8-8.
std::array<CFarbmaske, 3> Farbmasken(const unsigned char* kopf)
{
    if (LiesWort(kopf + 16) == BI_BITFIELDS)
        return {CFarbmaske(LiesWort(kopf + 40)), CFarbmaske(LiesWort(kopf + 44)),
                CFarbmaske(LiesWort(kopf + 48))};
    if (kopf[14] == 16)
        return {CFarbmaske(0x7C00), CFarbmaske(0x03E0), CFarbmaske(0x001F)};
    return {CFarbmaske(0xFF0000), CFarbmaske(0xFF00), CFarbmaske(0xFF)};
}

// Expands a run-length stream into rows of one byte per pixel, bottom row first as stored.
// Runs that leave the image are clipped; pixels that the stream skips or never reaches keep
// index 0.
class CLauflaengenLeser
{
public:
    CLauflaengenLeser(const unsigned char* daten, std::size_t laenge, int breite, int hoehe,
                      bool vierBit)
        : m_daten(daten), m_laenge(laenge), m_breite(breite), m_hoehe(hoehe), m_vierBit(vierBit),
          m_zeilenLaenge(ZeilenLaenge(std::uint64_t(breite), 8)),
          m_indizes(m_zeilenLaenge * std::size_t(hoehe), 0)
    {
    }

    std::vector<unsigned char> Entpacke()
    {
        while (m_pos + 2 <= m_laenge) {
            const unsigned anzahl = m_daten[m_pos];
            const unsigned wert = m_daten[m_pos + 1];
            m_pos += 2;
            if (anzahl > 0)
                Lauf(anzahl, wert);
            else if (wert == 0)
                NeueZeile();
            else if (wert == 1)
                break;
            else if (wert == 2)
                Versatz();
            else
                Unkomprimiert(wert);
        }
        return std::move(m_indizes);
    }

private:
    void Setze(unsigned index)
    {
        if (m_x < m_breite && m_y < m_hoehe)
            m_indizes[std::size_t(m_y) * m_zeilenLaenge + std::size_t(m_x)] = index;
        ++m_x;
    }

    void Lauf(unsigned anzahl, unsigned wert)
    {
        for (unsigned i = 0; i < anzahl; ++i)
            Setze(m_vierBit ? (i % 2 == 0 ? wert >> 4 : wert & 0x0F) : wert);
    }

    void NeueZeile()
    {
        m_x = 0;
        ++m_y;
    }

    void Versatz()
    {
        if (m_pos + 2 > m_laenge) {
            m_pos = m_laenge;
            return;
        }
        m_x += m_daten[m_pos];
        m_y += m_daten[m_pos + 1];
        m_pos += 2;
    }

    // Literal pixels, padded to a 16-bit boundary.
    void Unkomprimiert(unsigned anzahl)
    {
        const std::size_t bytes = m_vierBit ? (anzahl + 1) / 2 : anzahl;
        const std::size_t belegt = (bytes + 1) / 2 * 2;
        if (m_pos + bytes > m_laenge) {
            m_pos = m_laenge;
            return;
        }
        for (unsigned i = 0; i < anzahl; ++i) {
            const unsigned byte = m_daten[m_pos + (m_vierBit ? i / 2 : i)];
            Setze(m_vierBit ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
        }
        m_pos += belegt;
    }

    const unsigned char* m_daten;
    std::size_t m_laenge;
    std::size_t m_pos = 0;
    int m_breite;
    int m_hoehe;
    bool m_vierBit;
    std::size_t m_zeilenLaenge;
    // Position in stored order; may run past the image, where pixels are dropped.
    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
    std::vector<unsigned char> m_indizes;
};

} // namespace

void EntschluesseleLogoPuffer(char* bytes, std::size_t laenge)
{
    for (std::size_t i = 0; i < laenge; ++i)
        bytes[i] = char(bytes[i] ^ Schluessel[i % SchluesselLaenge]);
}

void CDib::Freigeben()
{
    m_kopf.clear();
    m_bits.clear();
    m_palette.clear();
    m_malKopf.clear();
    m_malBits.clear();
}

std::uint32_t CDib::KopfWort(std::size_t stelle) const
{
    return LiesWort(m_kopf.data() + stelle);
}

std::uint16_t CDib::KopfHalbwort(std::size_t stelle) const
{
    return std::uint16_t(m_kopf[stelle] | m_kopf[stelle + 1] << 8);
}

int CDib::Breite() const
{
    return IstLeer() ? 0 : int(KopfWort(4));
}

int CDib::Hoehe() const
{
    return IstLeer() ? 0 : int(KopfWort(8));
}

unsigned CDib::AnzahlFarben() const
{
    if (IstLeer())
        return 0;
    if (const std::uint32_t benutzt = KopfWort(32))
        return benutzt;
    switch (KopfHalbwort(14)) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

int CDib::PalettenGroesse() const
{
    return int(AnzahlFarben() * 4);
}

bool CDib::ErzeugePalette()
{
    if (IstLeer())
        return false;
    m_palette.clear();
    const std::size_t tabelle = FarbtabellenStelle();
    for (unsigned i = 0; i < (AnzahlFarben() & 0xFFFF); ++i) {
        const unsigned char* quad = m_kopf.data() + tabelle + 4 * i;
        m_palette.push_back(Farbwert(quad[2]) | Farbwert(quad[1]) << 8 | Farbwert(quad[0]) << 16);
    }
    return true;
}

std::size_t CDib::FarbtabellenStelle() const
{
    const std::size_t kopfGroesse = KopfWort(0);
    return KopfWort(16) == BI_BITFIELDS ? std::max(kopfGroesse, MaskenEnde) : kopfGroesse;
}

std::size_t CDib::BitsGroesse() const
{
    const std::uint32_t kompression = KopfWort(16);
    if (kompression == BI_RLE8 || kompression == BI_RLE4)
        return KopfWort(20);
    const std::uint64_t zeilen = std::uint64_t(std::abs(std::int64_t(std::int32_t(KopfWort(8)))));
    return ZeilenLaenge(KopfWort(4), KopfHalbwort(14)) * zeilen;
}

// Everything the pixels are read by must lie inside what the file delivered.
bool CDib::KopfIstGueltig() const
{
    const std::uint32_t kopfGroesse = KopfWort(0);
    const std::int32_t breite = std::int32_t(KopfWort(4));
    const std::int32_t hoehe = std::int32_t(KopfWort(8));
    const unsigned bits = KopfHalbwort(14);
    const std::uint32_t kompression = KopfWort(16);
    if (kopfGroesse < InfoKopfGroesse || FarbtabellenStelle() > m_kopf.size() - KopfReserve)
        return false;
    if (breite <= 0 || hoehe == 0 || hoehe == std::numeric_limits<std::int32_t>::min())
        return false;
    // Device-independent bitmaps have exactly one plane; readers refuse any other count.
    if (KopfHalbwort(12) != 1 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    const bool rle = kompression == BI_RLE8 || kompression == BI_RLE4;
    if (kompression != BI_RGB && !(kompression == BI_RLE8 && bits == 8) &&
        !(kompression == BI_RLE4 && bits == 4) &&
        !(kompression == BI_BITFIELDS && HatFarbmasken(bits)))
        return false;
    // Run-length bitmaps are stored bottom-up only.
    if (rle && (hoehe < 0 || KopfWort(20) == 0))
        return false;
    if (std::uint64_t(breite) * std::uint64_t(std::abs(std::int64_t(hoehe))) >
        HoechstzahlBildpunkte)
        return false;
    const std::uint64_t farben = AnzahlFarben();
    if (farben > 256 || (bits <= 8 && farben > (1u << bits)))
        return false;
    return BitsGroesse() <= m_bits.size();
}

bool CDib::Uebernehme(const char* daten, std::size_t laenge)
{
    Freigeben();
    if (laenge < DateiKopfGroesse)
        return false;
    const std::uint32_t bitsStelle = LiesWort(reinterpret_cast<const unsigned char*>(daten) + 10);
    if (bitsStelle < DateiKopfGroesse || bitsStelle > laenge)
        return false;
    m_kopf.assign(daten + DateiKopfGroesse, daten + bitsStelle);
    m_kopf.resize(m_kopf.size() + KopfReserve, 0);
    m_bits.assign(daten + bitsStelle, daten + laenge);
    if (!KopfIstGueltig()) {
        Freigeben();
        return false;
    }
    ErzeugePalette();
    BereiteMalformVor();
    return true;
}

// Rows bottom row first, with 16- and 32-bit pixels turned into 24 bits through their masks.
std::vector<unsigned char> CDib::ZeilenVonUnten() const
{
    const unsigned bits = KopfHalbwort(14);
    const bool umrechnen = HatFarbmasken(bits);
    const std::size_t breite = std::size_t(Breite());
    const std::size_t hoehe = std::size_t(std::abs(Hoehe()));
    const std::size_t quellLaenge = ZeilenLaenge(breite, bits);
    const std::size_t zielLaenge = ZeilenLaenge(breite, umrechnen ? 24 : bits);
    const auto [rot, gruen, blau] = Farbmasken(m_kopf.data());
    std::vector<unsigned char> zeilen(zielLaenge * hoehe, 0);
    for (std::size_t y = 0; y < hoehe; ++y) {
        const unsigned char* quelle =
            m_bits.data() + quellLaenge * (Hoehe() < 0 ? hoehe - 1 - y : y);
        unsigned char* ziel = zeilen.data() + zielLaenge * y;
        if (!umrechnen) {
            std::copy_n(quelle, zielLaenge, ziel);
            continue;
        }
        for (std::size_t x = 0; x < breite; ++x) {
            const std::uint32_t bildpunkt =
                bits == 16 ? std::uint32_t(quelle[2 * x] | quelle[2 * x + 1] << 8)
                           : LiesWort(quelle + 4 * x);
            ziel[3 * x] = blau.Kanal(bildpunkt);
            ziel[3 * x + 1] = gruen.Kanal(bildpunkt);
            ziel[3 * x + 2] = rot.Kanal(bildpunkt);
        }
    }
    return zeilen;
}

// Painted from a plain info header of 40 bytes, which every reader knows whatever the file's
// header version, over rows of 1, 4, 8 or 24 bits stored bottom-up; pixels whose index lies
// beyond the colour table paint black.
void CDib::BereiteMalformVor()
{
    const unsigned bits = KopfHalbwort(14);
    const std::uint32_t kompression = KopfWort(16);
    const bool rle = kompression == BI_RLE8 || kompression == BI_RLE4;
    const bool echtfarben = HatFarbmasken(bits);
    if (rle) {
        CLauflaengenLeser leser(m_bits.data(), BitsGroesse(), Breite(), Hoehe(),
                                kompression == BI_RLE4);
        m_malBits = leser.Entpacke();
    } else if (echtfarben || Hoehe() < 0)
        m_malBits = ZeilenVonUnten();
    const unsigned malBits = rle ? 8 : echtfarben ? 24 : bits;
    const std::size_t tabelle = FarbtabellenStelle();
    const std::size_t farben = AnzahlFarben();
    const std::size_t alleFarben = malBits <= 8 ? std::size_t(1) << malBits : 0;
    m_malKopf.assign(m_kopf.begin(), m_kopf.begin() + std::ptrdiff_t(InfoKopfGroesse));
    m_malKopf.insert(m_malKopf.end(), m_kopf.begin() + std::ptrdiff_t(tabelle),
                     m_kopf.begin() + std::ptrdiff_t(tabelle + 4 * std::min(farben, alleFarben)));
    m_malKopf.resize(InfoKopfGroesse + 4 * alleFarben, 0);
    const auto setzeWort = [this](std::size_t stelle, std::uint32_t wert) {
        for (int i = 0; i < 4; ++i)
            m_malKopf[stelle + i] = static_cast<unsigned char>(wert >> (8 * i));
    };
    setzeWort(0, InfoKopfGroesse);
    setzeWort(8, std::uint32_t(std::abs(Hoehe())));
    m_malKopf[14] = static_cast<unsigned char>(malBits);
    m_malKopf[15] = 0;
    setzeWort(16, BI_RGB);
    if (!m_malBits.empty())
        setzeWort(20, std::uint32_t(m_malBits.size()));
    setzeWort(32, std::uint32_t(alleFarben));
}

std::size_t CDib::LadeLogoDatei(const std::string& dateiname)
{
    Freigeben();
    // A logo of a page's width in full colour takes a few megabytes.
    constexpr std::size_t kGroessteLaenge = 64u << 20;
    // A small run-length file may unpack into many megabytes: a logo that finds no room is one
    // that cannot be used, and start-up goes on without it.
    try {
        std::string inhalt;
        if (!LeseGanzeDatei(dateiname, inhalt, kGroessteLaenge))
            return 0;
        EntschluesseleLogoPuffer(inhalt.data(), inhalt.size());
        return Uebernehme(inhalt.data(), inhalt.size()) ? inhalt.size() : 0;
    } catch (const std::bad_alloc&) {
        Freigeben();
        return 0;
    }
}

std::size_t CDib::Lese(std::istream& datei)
{
    Freigeben();
    const std::string inhalt{std::istreambuf_iterator<char>(datei),
                             std::istreambuf_iterator<char>()};
    if (inhalt.size() < DateiKopfGroesse || inhalt[0] != 'B' || inhalt[1] != 'M')
        return 0;
    return Uebernehme(inhalt.data(), inhalt.size()) ? inhalt.size() : 0;
}

// Writes the whole info header, whatever its size, and the masks of bit fields, so that the
// offset of the bits stays true.
std::size_t CDib::Schreibe(std::ostream& datei) const
{
    if (IstLeer())
        return 0;
    const std::size_t kopfUndPalette = FarbtabellenStelle() + std::size_t(PalettenGroesse());
    const std::size_t bitsGroesse = BitsGroesse();
    const std::size_t bitsStelle = DateiKopfGroesse + kopfUndPalette;

    std::vector<unsigned char> kopf(m_kopf.begin(), m_kopf.begin() + kopfUndPalette);
    const std::uint32_t kompression = KopfWort(16);
    if (kompression != BI_RLE8 && kompression != BI_RLE4)
        for (int i = 0; i < 4; ++i)
            kopf[20 + i] = static_cast<unsigned char>(bitsGroesse >> (8 * i));

    datei.write("BM", 2);
    SchreibWort(datei, std::uint32_t(bitsStelle + bitsGroesse));
    SchreibWort(datei, 0);
    SchreibWort(datei, std::uint32_t(bitsStelle));
    datei.write(reinterpret_cast<const char*>(kopf.data()), std::streamsize(kopf.size()));
    datei.write(reinterpret_cast<const char*>(m_bits.data()), std::streamsize(bitsGroesse));
    return datei ? bitsStelle + bitsGroesse : 0;
}

void CDib::Serialize(std::iostream& archiv, bool speichern)
{
    if (speichern)
        Schreibe(archiv);
    else
        Lese(archiv);
}

std::vector<unsigned char> CDib::KopiereInHandle() const
{
    std::ostringstream datei;
    if (Schreibe(datei) == 0)
        return {};
    const std::string inhalt = std::move(datei).str();
    return {inhalt.begin(), inhalt.end()};
}

std::size_t CDib::LeseAusHandle(const std::vector<unsigned char>& block)
{
    std::istringstream datei(std::string(block.begin(), block.end()));
    return Lese(datei);
}

// The same call serves a copy of equal size: logical units are no pixels, so an unscaled copy
// would make the picture's size depend on the printer's resolution.
int CDib::Zeichne(CDC* dc, const RECT* ziel, const RECT* quelle) const
{
    if (IstLeer())
        return 0;
    // Callers name the whole picture (0, 0, Breite(), Hoehe()), so the rows of a top-down
    // bitmap count with its negative height; the painted rows are stored bottom-up.
    const int richtung = Hoehe() < 0 ? -1 : 1;
    const int oben = richtung * quelle->top;
    const int unten = richtung * quelle->bottom;
    const auto& bits = m_malBits.empty() ? m_bits : m_malBits;
    const DIB dib{m_malKopf.data(), m_malKopf.size(), bits.data(), bits.size()};
    return dc->StretchDIBits(ziel->left, ziel->top, ziel->right - ziel->left,
                             ziel->bottom - ziel->top, quelle->left, std::abs(Hoehe()) - unten,
                             quelle->right - quelle->left, unten - oben, dib);
}
