#include "data/messungsspalten.h"

namespace {
constexpr auto L = Spaltenausrichtung::Links;
constexpr auto R = Spaltenausrichtung::Rechts;
} // namespace

const std::array<MESSUNGSSPALTE, kAnzahlMessungsspalten> Messungsspaltenkatalog = {{
    {"", "Typ", "", "", 25, L},                   // 0
    {"", "Prüfart", "", "", 116, L},              // 1
    {"", "Titel", "", "", 163, L},                // 2
    {"", "Bereich/Bauabschnitt", "", "", 113, L}, // 3
    {"", "Station/Profil", "", "", 73, L},        // 4
    {"", "Schicht/Höhe", "", "", 80, L},          // 5
    {"", "Lage zur Achse", "", "", 101, L},       // 6
    {"", "Bodenart", "", "", 61, L},              // 7
    {"", "Bodenherkunft", "", "", 90, L},         // 8
    {"", "Bodenzustand", "", "", 82, L},          // 9
    {"", "", "", "", 0, L},                       // 10
    {"", "Protokoll-Nr.", "", "", 82, L},         // 11
    {"", "Prüfdatum", "", "", 64, L},             // 12
    {"", "von", "", "", 35, L},                   // 13
    {"", "bis", "", "", 35, L},                   // 14
    {"", "Prüfer", "", "", 2, L},                 // 15
    {"", "Bearbeiter", "", "", 2, L},             // 16
    {"EV1", "Ev1", "", "", 55, R},                // 17
    {"EV2", "Ev2-Ist", "", "", 55, R},            // 18
    {"EV2EV1", "Ev2/1-Ist", "", "", 55, R},       // 19
    {"EVD", "Evd-Ist", "", "", 55, R},            // 20
    {"WOPT", "wopt", "", "", 55, R},              // 21
    {"RPR", "RPr", "", "", 55, R},                // 22
    {"PRNR", "PV- Nr.", "", "", 82, L},           // 23
    {"VERDGRAD", "DPr-Ist", "", "", 55, R},       // 24
    {"WNAT", "wnat", "", "", 55, R},              // 25
    {"N", "n", "", "", 55, R},                    // 26
    {"NA", "na", "", "", 55, R},                  // 27
    {"", "interne Notiz", "", "", 80, L},         // 28
    {"VERDR", "RD", "", "", 55, R},               // 29
    {"EV2_SOLL", "Ev2-Soll", "", "", 55, R},      // 30
    {"EV2EV1_SOLL", "Ev2/1-Soll", "", "", 55, R}, // 31
    {"EVD_SOLL", "Evd-Soll", "", "", 55, R},      // 32
    {"VERDGRAD_SOLL", "DPr-Soll", "", "", 55, R}, // 33
    {"WOPT_X", "wopt'", "", "", 55, R},           // 34
    {"RPR_X", "Rpr'", "", "", 55, R},             // 35
    {"UE", "Ü", "", "", 55, R},                   // 36
    {"WZUG", "Wasserzug.", "", "", 70, R},        // 37
    {"PRNR", "LP Nr.", "", "", 82, L},            // 38
    {"DICKEBA", "Dicke BA", "", "", 55, R},       // 39
    {"Dichte", "Dichte i.M.", "", "", 60, R},     // 40
    {"WASSERDLKB", "k10", "", "[m/s]", 55, R},    // 41
    {"KV1", "Nr. KV 1", "", "", 82, L},           // 42
    {"KV2", "Nr. KV 2", "", "", 82, L},           // 43
    {"KV3", "Nr. KV 3", "", "", 82, L},           // 44
    {"T", "T", "", "", 55, R},                    // 45
    {"Schulf", "U", "", "", 55, R},               // 46
    {"S", "S", "", "", 55, R},                    // 47
    {"G", "G", "", "", 55, R},                    // 48
    {"X", "X", "", "", 55, R},                    // 49
    {"D10", "D10", "", "", 55, R},                // 50
    {"D15", "D15", "", "", 55, R},                // 51
    {"D17", "D17", "", "", 55, R},                // 52
    {"D30", "D30", "", "", 55, R},                // 53
    {"D50", "D50", "", "", 55, R},                // 54
    {"D60", "D60", "", "", 55, R},                // 55
    {"D85", "D85", "", "", 55, R},                // 56
    {"D100", "D100", "", "", 55, R},              // 57
    {"UN", "U", "", "", 55, R},                   // 58
    {"PI", "Phi", "", "", 55, R},                 // 59
    {"KALKGEH", "Vca i.M.", "", "", 55, R},       // 60
    {"GLVERL", "Vgl i.M.", "", "", 55, R},        // 61
    {"wl", "wl", "", "", 55, R},                  // 62
    {"wp", "wp", "", "", 55, R},                  // 63
    {"lp", "lp", "", "", 55, R},                  // 64
    {"Ue4", "ü > 0,4", "", "", 55, R},            // 65
    {"Ic", "Ic", "", "", 55, R},                  // 66
    {"IL", "IL", "", "", 55, R},                  // 67
    {".", "Bindemittel", "", "", 100, L},         // 68
    {".", "Zugabe [M%]", "", "M%", 90, R},        // 69
    {".", "Zugabe [kg/m³]", "", "kg/m³", 90, R},  // 70
    {".", "Betreff", "", "", 90, L},              // 71
}};

// Every kind starts with the 17 common columns 0..16; the result columns of the kind follow.
#define AXO_GEMEINSAME_SPALTEN 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16

const std::array<std::array<int, kSpaltenJeListenart>, kAnzahlListenarten> Messungsspaltentabelle =
    {{
        {AXO_GEMEINSAME_SPALTEN, 23, 22, 21, 25, 29, 26, 27, 24, 33, 18, 30, 19, 31, 20, 32},
        {AXO_GEMEINSAME_SPALTEN, 23, 22, 21, 36, 35, 34, 25, 29, 26, 27, 24, 33},
        {AXO_GEMEINSAME_SPALTEN, 23, 22, 21, 25, 37, 69, 70, 68},
        {AXO_GEMEINSAME_SPALTEN, 38, 18, 30, 39},
        {AXO_GEMEINSAME_SPALTEN, 40},
        {AXO_GEMEINSAME_SPALTEN, 41},
        {AXO_GEMEINSAME_SPALTEN, 42, 43, 44},
        {AXO_GEMEINSAME_SPALTEN, 58, 50, 51, 52, 53, 54, 55, 56, 57, 45, 46, 47, 48, 49, 59},
        {AXO_GEMEINSAME_SPALTEN, 60},
        {AXO_GEMEINSAME_SPALTEN, 61},
        {AXO_GEMEINSAME_SPALTEN, 62, 63, 64, 65, 25, 66, 67},
        {AXO_GEMEINSAME_SPALTEN, 71},
    }};

#undef AXO_GEMEINSAME_SPALTEN
