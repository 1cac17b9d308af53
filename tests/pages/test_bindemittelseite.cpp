#include "seitentest.h"

#include <string>

namespace {

const std::string kWerte = "PV 3|1.912|0.094|2.65|0.121|14|Kalk-Zement 50/50|3.5|64|-18";

class Bindemittelseite : public Seitentest
{
protected:
    Bindemittelseite() { Gitter(); }

    void Drucke(const std::string& tabelle, const std::string& diagramm = "||60|40")
    {
        dc.Leeren();
        druck.DruckeBindemittelmenge(dc, seite, tabelle, diagramm, "Bindemittelmenge");
    }
};

} // namespace

TEST_F(Bindemittelseite, ProctorValuesAndSiteConditions)
{
    Drucke(kWerte);
    EXPECT_EQ(Punkt("Bindemittelmenge"), Anker(3, 0, 16.4));
    EXPECT_EQ(Text("Bindemittelmenge").zustand.schrift, Schrift(3));
    EXPECT_EQ(Punkt("Werte lt. Proctorversuch"), Anker(3, 0, 18));
    EXPECT_EQ(Punkt("PV 3"), Anker(3, 5, 18));
    EXPECT_EQ(Punkt("Proctordichte"), Anker(3, 0, 19));
    EXPECT_EQ(Text("Proctordichte").zustand.schrift, Schrift(0));
    EXPECT_EQ(Punkt("1.912"), Anker(9, 7, 19));
    EXPECT_TRUE(HatBei("g/cm³", Anker(3, 7, 19)));
    EXPECT_EQ(Punkt("wopt"), Anker(3, 0, 20));
    EXPECT_EQ(Punkt("0.094"), Anker(9, 7, 20));
    EXPECT_EQ(Punkt("Korndichte"), Anker(3, 0, 21));
    EXPECT_EQ(Punkt("2.65"), Anker(9, 7, 21));
    EXPECT_TRUE(HatBei("g/cm³", Anker(3, 7, 21)));
    EXPECT_EQ(Punkt("wnat"), Anker(3, 23, 18));
    EXPECT_EQ(Punkt("0.121"), Anker(9, 28, 18));
    EXPECT_EQ(Punkt("Außentemp."), Anker(3, 23, 19));
    EXPECT_TRUE(HatBei(":", Anker(6, 26, 19)));
    EXPECT_EQ(Punkt("14"), Anker(9, 28, 19));
    EXPECT_EQ(Punkt("°C"), Anker(3, 28, 19));
    // Percent display off: the water contents carry no unit at all.
    EXPECT_FALSE(Hat(" %"));
}

// Without protocol numbers the Proctor lines move up a row; the right-hand lines stay.
TEST_F(Bindemittelseite, ProctorLinesMoveUpWithoutProtocolNumbers)
{
    g_pfade.protokollnrDrucken = false;
    Drucke(kWerte);
    EXPECT_FALSE(Hat("Werte lt. Proctorversuch"));
    EXPECT_FALSE(Hat("PV 3"));
    EXPECT_EQ(Punkt("Proctordichte"), Anker(3, 0, 18));
    EXPECT_EQ(Punkt("0.094"), Anker(9, 7, 19));
    EXPECT_EQ(Punkt("Korndichte"), Anker(3, 0, 20));
    EXPECT_EQ(Punkt("wnat"), Anker(3, 23, 18));
    EXPECT_EQ(Punkt("Außentemp."), Anker(3, 23, 19));
}

TEST_F(Bindemittelseite, WaterContentsInPercentBinderShareNever)
{
    g_pfade.anteilAlsProzent = true;
    Drucke(kWerte);
    EXPECT_EQ(Punkt("9.4"), Anker(9, 7, 20));
    EXPECT_TRUE(HatBei(" %", Anker(3, 7, 20)));
    EXPECT_EQ(Punkt("12.1"), Anker(9, 28, 18));
    EXPECT_TRUE(HatBei(" %", Anker(3, 28, 18)));
    // The binder share is stored in percent and keeps its literal unit.
    EXPECT_EQ(Punkt("3.5"), Anker(9, 7, 60));
    EXPECT_EQ(Punkt("%"), Anker(3, 7, 60));
}

TEST_F(Bindemittelseite, BinderAndWaterAdditionAtTheFoot)
{
    Drucke(kWerte);
    EXPECT_EQ(Punkt("Bindemittel"), Anker(3, 0, 59));
    EXPECT_EQ(Punkt("Kalk-Zement 50/50"), Anker(3, 5.5, 59));
    // "Bindemittelzugabe" twice: in percent and per cubic metre.
    const auto zugabe = Texte("Bindemittelzugabe");
    ASSERT_EQ(zugabe.size(), 2u);
    EXPECT_EQ(zugabe[0].punkte[0], Anker(3, 0, 60));
    EXPECT_EQ(zugabe[1].punkte[0], Anker(3, 0, 61));
    EXPECT_EQ(Punkt("64"), Anker(9, 7, 61));
    EXPECT_EQ(Punkt("Kg/m³"), Anker(3, 7, 61));
    EXPECT_EQ(Punkt("Wasserzugabe"), Anker(3, 0, 62));
    EXPECT_EQ(Punkt("-18"), Anker(9, 7, 62));
    EXPECT_EQ(Punkt("L/m³"), Anker(3, 7, 62));
    EXPECT_EQ(Texte(":").size(), 10u);
}

TEST_F(Bindemittelseite, FramedDiagramBetweenTheBlocks)
{
    Drucke(kWerte);
    EXPECT_TRUE(HatLinie({GX(0), GY(22)}, {GX(0), GY(57)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(30), GY(57)}, {GX(30), GY(22)}, Stift(1)));
    // The diagram's own frame from its upper left corner.
    EXPECT_TRUE(HatLinie({GX(3), GY(24)}, {GX(29), GY(24)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(29), GY(24)}, {GX(29), GY(54)}, Stift(1)));
    EXPECT_EQ(Text("Bindemittelzugabe [kg]").zustand.schrift, Schrift(6));
    // Thickness labels as they stand, though percent display is on.
    g_pfade.anteilAlsProzent = true;
    Drucke(kWerte);
    EXPECT_EQ(Texte("100").size(), 2u);
    // The solid line from the origin to 60 kg at 100 cm.
    const double unten = GY(54), oben = GY(24);
    EXPECT_TRUE(HatLinie({GX(3), GY(54)},
                         {GX(29), static_cast<int>(unten - 60 * (unten - oben) / 100)}, Stift(1)));
}

TEST_F(Bindemittelseite, EmptyTableKeepsCaptionsUnitsAndDiagram)
{
    Drucke("", "");
    for (const char* text :
         {"Werte lt. Proctorversuch", "Proctordichte", "wopt", "Korndichte", "wnat", "Außentemp.",
          "Bindemittel", "°C", "Kg/m³", "L/m³", "%", "Einbaustärke [cm]", "Bindemittelzugabe [kg]"})
        EXPECT_TRUE(Hat(text)) << text;
    EXPECT_EQ(Texte(":").size(), 10u);
    EXPECT_EQ(Texte("g/cm³").size(), 2u);
    // Empty values draw nothing.
    EXPECT_FALSE(Hat(""));
    // Texts past the listed fields are not read.
    Drucke(kWerte + "|überzählig");
    EXPECT_FALSE(Hat("überzählig"));
}
