#pragma once
// The company logo: a device-independent bitmap kept as the file stores it (info header with
// colour table, pixel rows) and painted through the device context.

#include "platform/gdi.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class CDC;

// Scrambles or descrambles a logo file in place; applying it twice restores the bytes.
void EntschluesseleLogoPuffer(char* bytes, std::size_t laenge);

class CDib
{
public:
    using Farbwert = COLORREF;

    CDib() = default;
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;

    void Freigeben();
    bool IstLeer() const { return m_kopf.empty(); }

    int Breite() const;
    int Hoehe() const;
    unsigned AnzahlFarben() const;
    int PalettenGroesse() const;
    bool ErzeugePalette();
    const std::vector<Farbwert>& Palette() const { return m_palette; }

    // Paints the source part (pixels, top row 0; a top-down bitmap's rows count downward from 0
    // to its negative height) stretched into the destination, which keeps the picture upright;
    // the number of rows painted, 0 when empty.
    int Zeichne(CDC* dc, const RECT* ziel, const RECT* quelle) const;

    // Reads a scrambled logo file; bytes taken, 0 when it is missing, not a usable bitmap or finds
    // no memory to unpack into.
    std::size_t LadeLogoDatei(const std::string& dateiname);
    // Plain bitmap file from the stream's current position; bytes read, 0 on failure.
    std::size_t Lese(std::istream& datei);
    // Plain bitmap file; bytes written, 0 when empty.
    std::size_t Schreibe(std::ostream& datei) const;
    // Stores the bitmap into the archive as a plain bitmap file, or loads it from there.
    void Serialize(std::iostream& archiv, bool speichern);
    // The bitmap as a plain bitmap file in a block of memory; empty when there is nothing to
    // write.
    std::vector<unsigned char> KopiereInHandle() const;
    // Reads a block made by KopiereInHandle; bytes read, 0 on failure.
    std::size_t LeseAusHandle(const std::vector<unsigned char>& block);

private:
    bool Uebernehme(const char* daten, std::size_t laenge);
    bool KopfIstGueltig() const;
    std::uint32_t KopfWort(std::size_t stelle) const;
    std::uint16_t KopfHalbwort(std::size_t stelle) const;
    // Where the colour table starts in the header block.
    std::size_t FarbtabellenStelle() const;
    std::size_t BitsGroesse() const;
    std::vector<unsigned char> ZeilenVonUnten() const;
    void BereiteMalformVor();

    // Info header and colour table as stored (everything between file header and bits),
    // followed by KopfReserve zero bytes.
    std::vector<unsigned char> m_kopf;
    std::vector<unsigned char> m_bits;
    // Colours of the colour table; empty when the bitmap has none.
    std::vector<Farbwert> m_palette;
    // The bitmap is painted from this header of 40 bytes, whose colour table has an entry for
    // every index the rows can hold; a run-length one from these rows of one byte per pixel, a
    // top-down one from its rows turned bottom-up, a 16- or 32-bit one from rows of 24 bits: the
    // drawing layer sees only plain bottom-up rows and never looks up an index beyond the table.
    std::vector<unsigned char> m_malKopf;
    std::vector<unsigned char> m_malBits;
};
