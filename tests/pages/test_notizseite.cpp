#include "data/textfunktionen.h"
#include "report/druckdaten.h"
#include "seitentest.h"

namespace {

class Notizseite : public Seitentest
{
protected:
    Notizseite()
    {
        Gitter();
        druck.ProtNrPraefix = "B12";
    }

    // Table data of a note: area, subject, matter, number, date, author, text, attachments,
    // (8, 9), page total, (11), heading.
    std::string Daten(const std::string& text, const std::string& anlagen,
                      const std::string& seiten) const
    {
        return "Abschnitt 3|Baugrube|Wasserhaltung|7|20240305|Schulze|" + text + "|" + anlagen +
               "|||" + seiten + "||Aktennotiz zur Baubesprechung";
    }
    // Lines "Zeile 0" … "Zeile n-1" joined with the stored line break.
    static std::string Zeilen(int anzahl)
    {
        std::string text;
        for (int i = 0; i < anzahl; ++i)
            text += (i ? "#CRLF#" : "") + ("Zeile " + std::to_string(i));
        return text;
    }
    void Seite(const std::string& daten, int lokaleSeite)
    {
        druck.DruckeNotiz(dc, seite, daten, "unbenutzt", lokaleSeite);
    }
};

} // namespace

TEST_F(Notizseite, HeadingAndParticularsSitAtTheirRows)
{
    Seite(Daten("Text", "", "2"), 1);

    const DCEintrag ueberschrift = Text("Aktennotiz zur Baubesprechung");
    EXPECT_EQ(ueberschrift.punkte[0], Anker(3, 0, 7.2));
    EXPECT_EQ(ueberschrift.zustand.schrift, Schrift(3));
    EXPECT_EQ(Punkt("Seite 1 von 2"), Anker(9, 30.26, 7.2));
    EXPECT_EQ(Text("Seite 1 von 2").zustand.schrift, Schrift(0));
    EXPECT_EQ(Linie({GX(-0.16), GY(7.7)}, {GX(30.26), GY(7.7)}).zustand.stift, Stift(2));
    EXPECT_EQ(Linie({GX(-0.16), GY(11.3)}, {GX(30.26), GY(11.3)}).zustand.stift, Stift(2));

    EXPECT_EQ(Punkt("Bereich / Bauabschnitt"), Anker(3, 0, 9.0));
    EXPECT_EQ(Punkt("Abschnitt 3"), Anker(3, 5.0, 9.0));
    EXPECT_EQ(Punkt("Betreff"), Anker(3, 0, 10.0));
    EXPECT_EQ(Punkt("Baugrube"), Anker(3, 5.0, 10.0));
    EXPECT_EQ(Punkt("hier"), Anker(3, 0, 11.0));
    EXPECT_EQ(Punkt("Wasserhaltung"), Anker(3, 5.0, 11.0));
    EXPECT_EQ(Punkt("Notiz-Nr."), Anker(3, 23.0, 9.0));
    EXPECT_EQ(Punkt("B12-7"), Anker(3, 26.0, 9.0));
    EXPECT_EQ(Punkt("Datum"), Anker(3, 23.0, 10.0));
    EXPECT_EQ(Punkt("05.03.2024"), Anker(3, 26.0, 10.0));
    EXPECT_EQ(Punkt("Bearbeiter"), Anker(3, 23.0, 11.0));
    EXPECT_EQ(Punkt("Schulze"), Anker(3, 26.0, 11.0));
    EXPECT_EQ(Texte(":").size(), 6u);
    EXPECT_EQ(Text("Schulze").zustand.schrift, Schrift(0));

    // The text block: Courier 350 from page column 1, row 13.
    const DCEintrag zeile = Text("Text");
    EXPECT_EQ(zeile.punkte[0], Anker(3, 1.0, 13.0));
    EXPECT_EQ(zeile.zustand.schrift, Schrift(13));
}

TEST_F(Notizseite, NumberRowFollowsTheSettingAndEmptyFieldsKeepTheirLabels)
{
    g_pfade.protokollnrDrucken = false;
    Seite("||||||||||1", 1);
    EXPECT_FALSE(Hat("Notiz-Nr."));
    EXPECT_FALSE(Hat("B12-"));
    EXPECT_EQ(Punkt("Datum"), Anker(3, 23.0, 10.0));
    EXPECT_TRUE(Hat("Betreff"));
    EXPECT_TRUE(Hat("hier"));
    EXPECT_EQ(Texte(":").size(), 5u);
    EXPECT_TRUE(Hat("Seite 1 von 1"));
}

TEST_F(Notizseite, EachPageShowsItsSliceOfFiftyLines)
{
    const std::string daten = Daten(Zeilen(160), "", "4");
    Seite(daten, 1);
    EXPECT_EQ(Punkt("Zeile 0"), Anker(3, 1.0, 13.0));
    EXPECT_EQ(Punkt("Zeile 49"), Anker(3, 1.0, 62.0));
    EXPECT_FALSE(Hat("Zeile 50"));

    dc.Leeren();
    Seite(daten, 3);
    EXPECT_FALSE(Hat("Zeile 99"));
    EXPECT_EQ(Punkt("Zeile 100"), Anker(3, 1.0, 13.0));
    EXPECT_EQ(Punkt("Zeile 149"), Anker(3, 1.0, 62.0));
    EXPECT_FALSE(Hat("Zeile 150"));

    // The last page prints what is left and nothing beyond its fifty lines.
    dc.Leeren();
    Seite(daten, 4);
    EXPECT_EQ(Punkt("Zeile 150"), Anker(3, 1.0, 13.0));
    EXPECT_EQ(Punkt("Zeile 159"), Anker(3, 1.0, 22.0));
    EXPECT_TRUE(Hat("Seite 4 von 4"));
}

TEST_F(Notizseite, AttachmentsFollowTheLastTextLineOnTheLastPageOnly)
{
    // Ten lines with an empty one in between: the last filled piece is 9.
    std::string text = Zeilen(10);
    StringSucheErsetze(text, "Zeile 4", "", false);
    const std::string anlagen = "A0#CRLF#A1#CRLF#A2#CRLF#A3#CRLF#A4#CRLF#A5#CRLF#A6";

    Seite(Daten(text, anlagen, "2"), 1);
    EXPECT_FALSE(Hat("Anlagen:"));
    EXPECT_FALSE(Hat("A0"));

    dc.Leeren();
    Seite(Daten(text, anlagen, "1"), 1);
    const DCEintrag kopf = Text("Anlagen:");
    EXPECT_EQ(kopf.punkte[0], Anker(3, 1.0, 24.0));
    EXPECT_EQ(kopf.zustand.schrift, Schrift(0));
    // Seven entries: three rows, filled column by column.
    EXPECT_EQ(Punkt("A0"), Anker(3, 1.0, 25.0));
    EXPECT_EQ(Punkt("A1"), Anker(3, 1.0, 26.0));
    EXPECT_EQ(Punkt("A2"), Anker(3, 1.0, 27.0));
    EXPECT_EQ(Punkt("A3"), Anker(3, 9.0, 25.0));
    EXPECT_EQ(Punkt("A5"), Anker(3, 9.0, 27.0));
    EXPECT_EQ(Punkt("A6"), Anker(3, 17.0, 25.0));
    EXPECT_EQ(Text("A6").zustand.schrift, Schrift(13));

    // Three entries: two rows, the third column empty.
    dc.Leeren();
    Seite(Daten(text, "B0#CRLF#B1#CRLF#B2", "1"), 1);
    EXPECT_EQ(Punkt("B0"), Anker(3, 1.0, 25.0));
    EXPECT_EQ(Punkt("B1"), Anker(3, 1.0, 26.0));
    EXPECT_EQ(Punkt("B2"), Anker(3, 9.0, 25.0));

    // Without text the list starts two rows below the first line.
    dc.Leeren();
    Seite(Daten("", "C0", "1"), 1);
    EXPECT_EQ(Punkt("Anlagen:"), Anker(3, 1.0, 15.0));
    EXPECT_EQ(Punkt("C0"), Anker(3, 1.0, 16.0));
}

TEST_F(Notizseite, PageTotalThatIsNoNumberMakesNoPageTheLast)
{
    for (const char* gesamt : {"", "zwei", "-1"}) {
        dc.Leeren();
        Seite(Daten("Text", "Plan", gesamt), 1);
        EXPECT_FALSE(Hat("Anlagen:")) << gesamt;
        EXPECT_TRUE(Hat(std::string("Seite 1 von ") + gesamt)) << gesamt;
    }
    // Leading digits count.
    dc.Leeren();
    Seite(Daten("Text", "Plan", "3 Seiten"), 3);
    EXPECT_TRUE(Hat("Anlagen:"));
    EXPECT_TRUE(Hat("Seite 3 von 3 Seiten"));
}
