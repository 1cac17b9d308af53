#include "report/protokolldruck.h"

namespace {

struct Schriftart
{
    const char* name;
    int hoehe;
    int richtung;
    int neigung;
    int gewicht;
};

// Heights in 0.01 mm (cell heights), angles in tenths of a degree.
constexpr std::array<Schriftart, CProtokollDruck::AnzahlSchriften - 1> Schriftarten = {{
    {"Tahoma", 300, 0, 0, 400},
    {"Tahoma", 300, 0, 0, 700},
    {"Tahoma", 335, 0, 0, 400},
    {"Tahoma", 335, 0, 0, 700},
    {"Tahoma", 525, 0, 0, 400},
    {"Tahoma", 525, 0, 0, 700},
    {"Tahoma", 300, 2700, 0, 400},
    {"Tahoma", 300, 2701, 2701, 700},
    {"Symbol", 335, 1, 1, 400},
    {"Symbol", 335, 1, 1, 700},
    {"Arial", 335, 1, 1, 400},
    {"Courier New", 335, 1, 1, 400},
    {"Courier New", 335, 1, 1, 600},
    {"Courier New", 350, 1, 1, 400},
    {"Courier New", 330, 2701, 2701, 600},
    {"Arial", 335, 1, 1, 400},
    {"Times New Roman", 310, 2701, 2701, 400},
}};

struct Stiftart
{
    int stil;
    int breite;
    COLORREF farbe;
};

constexpr std::array<Stiftart, CProtokollDruck::AnzahlStifte - 1> Stiftarten = {{
    {PS_SOLID, 1, RGB(100, 100, 100)},
    {PS_SOLID, 20, RGB(0, 0, 0)},
    {PS_SOLID, 40, RGB(0, 0, 0)},
    {PS_DOT, 20, RGB(220, 220, 220)},
    {PS_DOT, 1, RGB(0, 0, 0)},
}};

constexpr std::uint8_t CLIP_LH_ANGLES = 16;
constexpr std::uint8_t FF_MODERN = 48;

} // namespace

bool CProtokollDruck::ErzeugeGdiObjekte(CVirtVersuch* versuch)
{
    Versuch = versuch;
    for (std::size_t i = 0; i < Schriftarten.size(); ++i) {
        const Schriftart& art = Schriftarten[i];
        Schriften[i].CreateFont(art.hoehe, 0, art.richtung, art.neigung, art.gewicht, 0, 0, 0, 0, 0,
                                CLIP_LH_ANGLES, 0, FF_MODERN, art.name);
    }
    for (std::size_t i = 0; i < Stiftarten.size(); ++i)
        Stifte[i].CreatePen(Stiftarten[i].stil, Stiftarten[i].breite, Stiftarten[i].farbe);
    return Texte.LadeStandardTexte();
}
