#pragma once
// The report printer: made afresh for every printed page of a test report, it holds the page's
// fonts and pens, the text catalogue, the page grid and the test whose page it draws.

#include "platform/gdi.h"
#include "report/seitenabbildung.h"
#include "report/textkatalog.h"

#include <array>
#include <string>

class CVirtVersuch;

class CProtokollDruck
{
public:
    static constexpr int AnzahlSchriften = 18;
    static constexpr int AnzahlStifte = 6;

    // Creates the fonts and pens and loads the catalogue; the result is the catalogue's load.
    bool ErzeugeGdiObjekte(CVirtVersuch* versuch);

    // Slots 17 and 5 stay without an object.
    std::array<CFont, AnzahlSchriften> Schriften;
    std::array<CPen, AnzahlStifte> Stifte;
    // The test whose page is being drawn; valid only during that page.
    CVirtVersuch* Versuch = nullptr;
    CTextKatalog Texte;
    CSeitenAbbildung Abbildung;
    // Field 3 of the header fields, kept by the first header block for the second.
    std::string ProtNrPraefix;
};
