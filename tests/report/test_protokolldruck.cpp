#include "report/protokolldruck.h"
#include "report/virtversuch.h"

#include <gtest/gtest.h>

namespace {

class CLeererVersuch : public CVirtVersuch
{
public:
    CLeererVersuch() : CVirtVersuch("KV", "", 10000) {}
    void Drucken(int, CDC*, RECT) override {}
};

TEST(ProtokollDruck, SetUpCreatesSeventeenFontsFivePensAndTheCatalogue)
{
    CProtokollDruck drucker;
    EXPECT_EQ(drucker.Versuch, nullptr);
    EXPECT_FALSE(drucker.Schriften[0].IstErzeugt());
    EXPECT_FALSE(drucker.Stifte[0].IstErzeugt());
    EXPECT_EQ(drucker.Texte.HoleText("KOPFBLOCK1", 0), "FEHLER");

    CLeererVersuch versuch;
    EXPECT_TRUE(drucker.ErzeugeGdiObjekte(&versuch));
    EXPECT_EQ(drucker.Versuch, &versuch);
    EXPECT_NE(drucker.Texte.HoleText("KOPFBLOCK1", 0), "FEHLER");
    for (int i = 0; i < 17; ++i) {
        const LOGFONT& art = drucker.Schriften[i].GetLogFont();
        EXPECT_TRUE(drucker.Schriften[i].IstErzeugt()) << i;
        EXPECT_EQ(art.lfClipPrecision, 16) << i;
        EXPECT_EQ(art.lfPitchAndFamily, 48) << i;
        EXPECT_GT(art.lfHeight, 0) << i << ": cell heights";
    }
    EXPECT_FALSE(drucker.Schriften[17].IstErzeugt());
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(drucker.Stifte[i].IstErzeugt()) << i;
    EXPECT_FALSE(drucker.Stifte[5].IstErzeugt());

    // The slots the layouts rely on by number.
    const LOGFONT& titel = drucker.Schriften[3].GetLogFont();
    EXPECT_EQ(titel.lfFaceName, "Tahoma");
    EXPECT_EQ(titel.lfHeight, 335);
    EXPECT_EQ(titel.lfWeight, 700);
    const LOGFONT& achse = drucker.Schriften[6].GetLogFont();
    EXPECT_EQ(achse.lfEscapement, 2700);
    EXPECT_EQ(achse.lfOrientation, 0);
    const LOGFONT& symbol = drucker.Schriften[8].GetLogFont();
    EXPECT_EQ(symbol.lfFaceName, "Symbol");
    EXPECT_EQ(symbol.lfEscapement, 1);
    const LOGFONT& senkrecht = drucker.Schriften[16].GetLogFont();
    EXPECT_EQ(senkrecht.lfFaceName, "Times New Roman");
    EXPECT_EQ(senkrecht.lfEscapement, 2701);
    EXPECT_EQ(senkrecht.lfOrientation, 2701);
    EXPECT_EQ(drucker.Schriften[10].GetLogFont(), drucker.Schriften[15].GetLogFont());

    EXPECT_EQ(drucker.Stifte[0].Farbe(), RGB(100, 100, 100));
    EXPECT_EQ(drucker.Stifte[0].Breite(), 1);
    EXPECT_EQ(drucker.Stifte[1].Breite(), 20);
    EXPECT_EQ(drucker.Stifte[3].Stil(), PS_DOT);
    EXPECT_EQ(drucker.Stifte[3].Farbe(), RGB(220, 220, 220));
    EXPECT_EQ(drucker.Stifte[4].Stil(), PS_DOT);
    EXPECT_EQ(drucker.Stifte[4].Breite(), 1);
}

} // namespace
