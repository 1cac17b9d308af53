#pragma once
// Builds plain bitmap files byte by byte, so that tests control every header field.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct BmpBauer
{
    // 40 for a BITMAPINFOHEADER; a longer header is padded with zero bytes.
    std::uint32_t kopfGroesse = 40;
    std::int32_t breite = 1;
    std::int32_t hoehe = 1;
    std::uint16_t bitsProBildpunkt = 24;
    std::uint32_t kompression = 0;
    std::uint32_t bildGroesse = 0;
    std::uint32_t farbenBenutzt = 0;
    // Colour table as 0x00BBGGRR values, the form the bitmap hands its pixels back in.
    std::vector<std::uint32_t> farben;
    // Red, green and blue masks of a bit-field bitmap: behind a 40-byte header, else inside it.
    std::vector<std::uint32_t> masken;
    std::string bits;

    static void Wort(std::string& aus, std::uint32_t wert, int bytes = 4)
    {
        for (int i = 0; i < bytes; ++i)
            aus.push_back(char(wert >> (8 * i)));
    }

    std::string InfoKopf() const
    {
        std::string kopf;
        Wort(kopf, kopfGroesse);
        Wort(kopf, std::uint32_t(breite));
        Wort(kopf, std::uint32_t(hoehe));
        Wort(kopf, 1, 2);
        Wort(kopf, bitsProBildpunkt, 2);
        Wort(kopf, kompression);
        Wort(kopf, bildGroesse);
        Wort(kopf, 2835);
        Wort(kopf, 2835);
        Wort(kopf, farbenBenutzt);
        Wort(kopf, 0);
        for (std::uint32_t maske : masken)
            Wort(kopf, maske);
        kopf.resize(std::max<std::size_t>(kopf.size(), kopfGroesse), '\0');
        for (std::uint32_t farbe : farben) {
            kopf.push_back(char(farbe >> 16));
            kopf.push_back(char(farbe >> 8));
            kopf.push_back(char(farbe));
            kopf.push_back(0);
        }
        return kopf;
    }

    std::string Datei() const
    {
        const std::string kopf = InfoKopf();
        std::string datei = "BM";
        Wort(datei, std::uint32_t(14 + kopf.size() + bits.size()));
        Wort(datei, 0);
        Wort(datei, std::uint32_t(14 + kopf.size()));
        return datei + kopf + bits;
    }
};
