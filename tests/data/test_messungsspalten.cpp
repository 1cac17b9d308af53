#include "data/messungsspalten.h"
#include "data/zusammenstellungsspalten.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Columns of a kind: column 0 and the non-zero ids after it up to the first 0.
std::vector<int> SpaltenDerArt(int art)
{
    const auto& zeile = Messungsspaltentabelle[art];
    std::vector<int> ids{zeile[0]};
    for (int c = 1; c < kSpaltenJeListenart && zeile[c] != 0; ++c)
        ids.push_back(zeile[c]);
    return ids;
}

} // namespace

TEST(Messungsspalten, EveryKindHasTheCommonColumnsThenItsResultColumns)
{
    const int anzahl[kAnzahlListenarten] = {32, 29, 25, 21, 18, 18, 20, 32, 18, 18, 24, 18};
    for (int art = 0; art < kAnzahlListenarten; ++art) {
        const std::vector<int> ids = SpaltenDerArt(art);
        EXPECT_EQ(static_cast<int>(ids.size()), anzahl[art]) << "kind " << art;
        for (int c = 0; c <= 16; ++c)
            EXPECT_EQ(ids[c], c);
        for (int id : ids)
            EXPECT_LT(id, kAnzahlMessungsspalten);
    }
    // The grain-size kind shows U, D10 .. D100, T, U, S, G, X, Phi after the common columns.
    std::vector<std::string> titel;
    for (int id : SpaltenDerArt(7))
        titel.push_back(Messungsspaltenkatalog[id].titel);
    const std::vector<std::string> ergebnis(titel.begin() + 17, titel.end());
    EXPECT_EQ(ergebnis, (std::vector<std::string>{"U", "D10", "D15", "D17", "D30", "D50", "D60",
                                                  "D85", "D100", "T", "U", "S", "G", "X", "Phi"}));
}

TEST(Messungsspalten, CatalogueKeysTitlesAndAlignment)
{
    EXPECT_STREQ(Messungsspaltenkatalog[17].schluessel, "EV1");
    EXPECT_STREQ(Messungsspaltenkatalog[36].schluessel, "UE");
    EXPECT_STREQ(Messungsspaltenkatalog[60].schluessel, "KALKGEH");
    EXPECT_STREQ(Messungsspaltenkatalog[61].schluessel, "GLVERL");
    EXPECT_STREQ(Messungsspaltenkatalog[71].titel, "Betreff");
    EXPECT_STREQ(Messungsspaltenkatalog[41].einheit, "[m/s]");
    EXPECT_EQ(std::string(Messungsspaltenkatalog[70].titel), "Zugabe [kg/m\xB3]");
    EXPECT_EQ(Messungsspaltenkatalog[1].breite, 116);
    EXPECT_EQ(Messungsspaltenkatalog[23].ausrichtung, Spaltenausrichtung::Links);
    EXPECT_EQ(Messungsspaltenkatalog[24].ausrichtung, Spaltenausrichtung::Rechts);
    for (const MESSUNGSSPALTE& spalte : Messungsspaltenkatalog)
        EXPECT_STREQ(spalte.untertitel, "");
}

TEST(ZusammenstellungSpaltentexte, RowsCarryTheirKindAndCaptionsInPlace)
{
    for (int art = 0; art < kAnzahlListenarten; ++art)
        EXPECT_EQ(ZusammenstellungSpaltentexte[art][0], std::to_string(art));

    const Spaltentextzeile& korn = ZusammenstellungSpaltentexte[7];
    EXPECT_EQ(korn[1], "Siebweite bei den Durchgangssummen");
    EXPECT_EQ(korn[2], "Anteile der Kornfraktionen");
    EXPECT_EQ(korn[9], "ungleichf."); // symbol of column 10
    EXPECT_EQ(korn[23], "<fs>j<fn>"); // symbol of column 24
    EXPECT_EQ(korn[24], "u");         // unit of column 10
    EXPECT_EQ(korn[38], "[\xB0]");    // unit of column 24

    const Spaltentextzeile& proctor = ZusammenstellungSpaltentexte[1];
    EXPECT_EQ(proctor[2], "");
    EXPECT_EQ(proctor[4], "Proctorvers. mit \xFC");
    EXPECT_EQ(proctor[9 + 11], "<fs>r<fn><t>Pr<n>-So.");
    EXPECT_EQ(proctor[24 + 11], "[%]");
    EXPECT_EQ(proctor[9 + 12], "");

    const Spaltentextzeile& notiz = ZusammenstellungSpaltentexte[11];
    for (int wort = 1; wort < kWorteJeSpaltentextzeile; ++wort)
        EXPECT_EQ(notiz[wort], wort == 3 ? "Betreff" : "") << wort;
}
