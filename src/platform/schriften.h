#pragma once
// The faces the reports name, found among the installed font files: Tahoma from Wine's fonts,
// Arial, Courier New and Times New Roman through the metric-compatible Liberation fonts, Symbol
// drawn as Unicode Greek. A face that is missing falls back to DejaVu Sans with one warning.

#include "platform/gdi.h"

#include <QRawFont>
#include <QString>
#include <array>
#include <string_view>

// Makes Wine's Tahoma and Symbol known to Qt (they are not in the system's font list), so that
// widgets can use them too. Called once at start-up; drawing does not depend on it.
void RegistriereSchriften();

// One face in one weight, loaded unhinted at its design size.
struct CSchriftschnitt
{
    QRawFont rohschrift; // pixel size = units per em
    double einheitenJeEm = 2048;
    double aufstiegJeEm = 0;           // usWinAscent of the face that sets the cell, per em
    double abstiegJeEm = 0;            // usWinDescent, per em
    std::array<char16_t, 256> zeichen; // byte → Unicode character drawn
    std::array<quint32, 256> glyphe;   // byte → glyph of rohschrift
    std::array<double, 256> vorschub;  // byte → advance in design units
    // Wine's Tahoma Bold carries bold advances but the regular outlines; such a face is drawn
    // twice, the second time this many design units to the right (0 for a true bold).
    double nachzeichnen = 0;

    QString Unicode(std::string_view text) const;
};

const CSchriftschnitt& Schriftschnitt(const LOGFONT& schrift);

// Symbol-encoding byte to Unicode (a→α, r→ρ, j→ϕ, w→ω …); bytes without a symbol stay CP1252.
char16_t SymbolZeichen(unsigned char byte);
