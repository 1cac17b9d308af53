#pragma once
// A small 24-bit bottom-up bitmap for drawing tests: upper half red, lower half blue, a black
// first column, so that mirroring in either direction shows.

#include "platform/gdi.h"

#include <cstdint>
#include <vector>

struct DibMuster
{
    int breite = 0;
    int hoehe = 0;
    std::vector<unsigned char> info;
    std::vector<unsigned char> bits;

    DIB Sicht() const { return {info.data(), info.size(), bits.data(), bits.size()}; }
};

inline void SchreibeLe32(std::vector<unsigned char>& ziel, std::size_t an, std::uint32_t wert)
{
    for (int i = 0; i < 4; ++i)
        ziel[an + i] = static_cast<unsigned char>(wert >> (8 * i));
}

inline DibMuster ErzeugeDibMuster(int breite, int hoehe)
{
    DibMuster muster;
    muster.breite = breite;
    muster.hoehe = hoehe;
    muster.info.assign(40, 0);
    SchreibeLe32(muster.info, 0, 40);
    SchreibeLe32(muster.info, 4, static_cast<std::uint32_t>(breite));
    SchreibeLe32(muster.info, 8, static_cast<std::uint32_t>(hoehe));
    muster.info[12] = 1;  // planes
    muster.info[14] = 24; // bits per pixel
    const int zeilenLaenge = (breite * 3 + 3) / 4 * 4;
    muster.bits.assign(static_cast<std::size_t>(zeilenLaenge * hoehe), 0);
    for (int zeileVonUnten = 0; zeileVonUnten < hoehe; ++zeileVonUnten) {
        const bool obereHaelfte = zeileVonUnten >= hoehe / 2;
        for (int x = 0; x < breite; ++x) {
            unsigned char* bgr =
                &muster.bits[static_cast<std::size_t>(zeileVonUnten * zeilenLaenge + x * 3)];
            if (x == 0)
                continue; // black
            bgr[0] = obereHaelfte ? 0 : 255;
            bgr[2] = obereHaelfte ? 255 : 0;
        }
    }
    return muster;
}
