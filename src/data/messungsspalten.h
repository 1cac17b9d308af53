#pragma once
// The columns of the measurement list: the catalogue of every column by id and, per list kind,
// the ids of the columns shown. The protocol reads a column's key from here; the list reads
// caption, width and alignment.

#include <array>

// Alignment of a column's cell text.
enum class Spaltenausrichtung
{
    Links = 0,
    Rechts = 2
};

struct MESSUNGSSPALTE
{
    const char* schluessel; // key of the value in a measurement's data text ("" when none)
    const char* titel;
    const char* untertitel;
    const char* einheit;
    int breite; // default width in pixels
    Spaltenausrichtung ausrichtung;
};

inline constexpr int kAnzahlMessungsspalten = 72;
inline constexpr int kAnzahlListenarten = 12;
inline constexpr int kSpaltenJeListenart = 36;

extern const std::array<MESSUNGSSPALTE, kAnzahlMessungsspalten> Messungsspaltenkatalog;

// Per list kind the column ids of columns 0..35; the ids end at the first 0 after column 0.
extern const std::array<std::array<int, kSpaltenJeListenart>, kAnzahlListenarten>
    Messungsspaltentabelle;
