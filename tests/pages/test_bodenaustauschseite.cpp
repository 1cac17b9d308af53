#include "seitentest.h"

#include <string>

namespace {

const std::string kWerte = "P 7|18.4|41.2|80|40|2.24|46|70|58";

class Bodenaustauschseite : public Seitentest
{
protected:
    Bodenaustauschseite() { Gitter(); }

    void Drucke(const std::string& tabelle, const std::string& diagramm = "||41.2|40")
    {
        dc.Leeren();
        druck.DruckeBodenaustauschdicke(dc, seite, tabelle, diagramm, "Bodenaustausch");
    }
};

} // namespace

TEST_F(Bodenaustauschseite, SubgradeValuesBesideTargetAndPlannedThickness)
{
    Drucke(kWerte);
    EXPECT_EQ(Punkt("Bodenaustausch"), Anker(3, 0, 16.4));
    EXPECT_EQ(Punkt("Plattendruckversuch Nr."), Anker(3, 0, 18));
    EXPECT_EQ(Punkt("P 7"), Anker(3, 5, 18));
    EXPECT_EQ(Punkt("Ev1"), Anker(3, 0, 19));
    EXPECT_EQ(Punkt("18.4"), Anker(9, 7, 19));
    EXPECT_TRUE(HatBei("MN/m²", Anker(3, 7, 19)));
    EXPECT_EQ(Punkt("Ev2"), Anker(3, 0, 20));
    EXPECT_EQ(Punkt("41.2"), Anker(9, 7, 20));
    EXPECT_EQ(Punkt("Ev2 / Ev1"), Anker(3, 0, 21));
    EXPECT_EQ(Punkt("2.24"), Anker(9, 7, 21));
    EXPECT_TRUE(HatBei(":", Anker(6, 5, 21)));
    EXPECT_EQ(Punkt("geforderter Ev2 - Wert"), Anker(3, 21, 18));
    // "80" and "40" are also labels of the diagram.
    EXPECT_TRUE(HatBei("80", Anker(9, 28, 18)));
    EXPECT_TRUE(HatBei("MN/m²", Anker(3, 28, 18)));
    EXPECT_EQ(Punkt("geplante Einbaustärke"), Anker(3, 21, 19));
    EXPECT_TRUE(HatBei("40", Anker(9, 28, 19)));
    EXPECT_EQ(Punkt("cm"), Anker(3, 28, 19));
    EXPECT_TRUE(HatBei(":", Anker(6, 26, 19)));
    EXPECT_EQ(Texte(":").size(), 6u);
    EXPECT_EQ(Texte("MN/m²").size(), 3u);
}

TEST_F(Bodenaustauschseite, NumberRowOnlyWithProtocolNumbers)
{
    g_pfade.protokollnrDrucken = false;
    Drucke(kWerte);
    EXPECT_FALSE(Hat("Plattendruckversuch Nr."));
    EXPECT_FALSE(Hat("P 7"));
    EXPECT_EQ(Punkt("Ev1"), Anker(3, 0, 18));
    EXPECT_EQ(Punkt("Ev2 / Ev1"), Anker(3, 0, 20));
    EXPECT_EQ(Punkt("geforderter Ev2 - Wert"), Anker(3, 21, 18));
    EXPECT_EQ(Punkt("geplante Einbaustärke"), Anker(3, 21, 19));
    EXPECT_EQ(Texte(":").size(), 5u);

    // Printed with an empty number: label and colon without a value.
    g_pfade.protokollnrDrucken = true;
    Drucke("|18.4|41.2|80|40|2.24|46|70|58");
    EXPECT_EQ(Punkt("Plattendruckversuch Nr."), Anker(3, 0, 18));
    EXPECT_TRUE(HatBei(":", Anker(6, 5, 18)));
}

TEST_F(Bodenaustauschseite, ThreeConclusionSentences)
{
    Drucke(kWerte);
    const DCEintrag kopf =
        Text("Erfahrungsgemäß zu erwartende Werte unter den gegebenen Bedingungen :");
    EXPECT_EQ(kopf.punkte[0], Anker(3, 0, 23));
    EXPECT_EQ(kopf.zustand.schrift, Schrift(3));
    EXPECT_EQ(Punkt("1) "), Anker(3, 0, 24.5));
    EXPECT_EQ(Punkt("2) "), Anker(3, 0, 27));
    EXPECT_EQ(Punkt("3) "), Anker(3, 0, 29.5));
    const DCEintrag satz1 = Text("Zum Erreichen eines Ev2-Wertes von 80 MN/m²  bei der "
                                 "Tragfähigkeit der Unterlage von Ev2  = 41.2  MN/m²");
    EXPECT_EQ(satz1.punkte[0], Anker(3, 1, 24.5));
    EXPECT_EQ(satz1.zustand.schrift, Schrift(0));
    EXPECT_EQ(Punkt("wäre eine Einbaustärke von   46   cm notwendig."), Anker(3, 1, 25.5));
    EXPECT_EQ(Punkt("Mit der hier geplanten Einbaustärke von 40 cm bei der Tragfähigkeit der "
                    "Unterlage von Ev2  = 41.2  MN/m²"),
              Anker(3, 1, 27));
    EXPECT_EQ(Punkt("wäre ein Ev2-Wert von   70   MN/m² zu erwarten."), Anker(3, 1, 28));
    EXPECT_EQ(Punkt("Zum Erreichen eines Ev2 - Wertes von 80 MN/m²  mit der hier geplanten "
                    "Einbaustärke von 40  cm"),
              Anker(3, 1, 29.5));
    EXPECT_EQ(Punkt("wäre ein Ev2 - Wert der Unterlage von   58   MN/m² notwendig."),
              Anker(3, 1, 30.5));
}

// Without values every label, unit and sentence is printed, the literals joined directly.
TEST_F(Bodenaustauschseite, EmptyTablePrintsAllWording)
{
    Drucke("", "");
    for (const char* text :
         {"Plattendruckversuch Nr.", "Ev1", "Ev2", "Ev2 / Ev1", "geforderter Ev2 - Wert",
          "geplante Einbaustärke", "cm", "1) ", "2) ", "3) ",
          "Zum Erreichen eines Ev2-Wertes von  MN/m²  bei der Tragfähigkeit der Unterlage von "
          "Ev2  =   MN/m²",
          "wäre eine Einbaustärke von      cm notwendig.",
          "wäre ein Ev2 - Wert der Unterlage von      MN/m² notwendig.",
          "Ev2 - SOLL - Werte [MN/m²]"})
        EXPECT_TRUE(Hat(text)) << text;
    EXPECT_EQ(Texte(":").size(), 6u);
    EXPECT_EQ(Texte("MN/m²").size(), 3u);
}

TEST_F(Bodenaustauschseite, FramedTargetDiagramWithTheProjectPoint)
{
    Drucke(kWerte);
    EXPECT_TRUE(HatLinie({GX(0), GY(31)}, {GX(0), GY(63.75)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(3), GY(33)}, {GX(29), GY(33)}, Stift(1)));
    EXPECT_TRUE(HatLinie({GX(29), GY(33)}, {GX(29), GY(60.75)}, Stift(1)));
    EXPECT_EQ(Text("Ev2-Wert der Unterlage [MN/m²]").zustand.schrift, Schrift(0));
    // The project point's horizontal guide line from just left of the frame.
    const double hoehe = GY(33) - GY(60.75);
    const int q = static_cast<int>(GY(60.75) + 40 * hoehe / 110);
    bool leitlinie = false;
    for (const DCEintrag& e : Linien())
        leitlinie |= e.punkte[0] == POINT{GX(3) - 80, q} && e.punkte[1].y == q;
    EXPECT_TRUE(leitlinie);
}
