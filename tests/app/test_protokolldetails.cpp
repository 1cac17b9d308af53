// The details pane: what it shows of a protocol, the key-data blocks, the painted table and the
// pane following the protocol list's selection.
#include "app/protokolldetails.h"
#include "viewer_fixtur.h"

#include <QImage>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

using Eckdaten = std::vector<std::pair<std::string, std::string>>;

std::vector<std::string> Kopf(const std::string& nummer, const std::string& datum)
{
    return {"Nord", "0+100", "Planum", "links", "GU",       "Aushub",  "feucht", "Bem.",
            nummer, datum,   "08:00",  "09:30", "Lindholm", "Brenner", "F14",    "F15"};
}

std::unique_ptr<CProtokoll> ProtokollMitEckdaten(const std::string& eckdaten)
{
    auto protokoll = BaueTestprotokoll(
        {.id = "A", .kopffelder = Kopf("12", "20260418"), .notiz = "Probe nachliefern"});
    protokoll->SetzeSpeziellGruppe(6, eckdaten);
    return protokoll;
}

} // namespace

TEST(Protokolldetails, KopfwerteNummerDatumUndNotiz)
{
    const auto protokoll = ProtokollMitEckdaten("");
    const PROTOKOLLDETAILS details = BildeProtokollDetails(protokoll.get(), "Erdbau -> Nord", "PV");
    EXPECT_EQ(details.titel, " Erdbau -> Nord");
    EXPECT_EQ(details.linkeWerte, (std::array<std::string, 8>{"Nord", "0+100", "Planum", "links",
                                                              "GU", "Aushub", "feucht", "Bem."}));
    // Number with prefix, date turned round, then fields 10 to 15.
    EXPECT_EQ(details.rechteWerte,
              (std::array<std::string, 8>{"PV-12", "18.04.2026", "08:00", "09:30", "Lindholm",
                                          "Brenner", "F14", "F15"}));
    EXPECT_EQ(details.notiz, "Probe nachliefern");
    EXPECT_TRUE(details.eckdaten.empty());

    EXPECT_EQ(BildeProtokollDetails(protokoll.get(), "", "").rechteWerte[0], "-12");

    // A protocol the collection no longer holds: the list's title, nothing else but the prefix.
    const PROTOKOLLDETAILS fehlt = BildeProtokollDetails(nullptr, "Titel", "PV");
    EXPECT_EQ(fehlt.titel, " Titel");
    EXPECT_EQ(fehlt.rechteWerte[0], "PV-");
    EXPECT_EQ(fehlt.rechteWerte[1], "");
    EXPECT_EQ(fehlt.linkeWerte[0], "");
    EXPECT_EQ(fehlt.notiz, "");
    EXPECT_TRUE(fehlt.eckdaten.empty());
}

TEST(Protokolldetails, EckdatenPaareBisZumErstenLeerenNamen)
{
    EXPECT_EQ(ZerlegeEckdaten("wopt_12,5_rhoPr_1,95"),
              (Eckdaten{{"wopt", "12,5"}, {"rhoPr", "1,95"}}));
    // An empty third part ends the block, whatever follows.
    EXPECT_EQ(ZerlegeEckdaten("wopt_12,5__x_1"), (Eckdaten{{"wopt", "12,5"}}));
    // A name without value still makes its row.
    EXPECT_EQ(ZerlegeEckdaten("wopt_"), (Eckdaten{{"wopt", ""}}));
    EXPECT_EQ(ZerlegeEckdaten("wopt_1_Ev2"), (Eckdaten{{"wopt", "1"}, {"Ev2", ""}}));
    EXPECT_TRUE(ZerlegeEckdaten("").empty());

    const auto protokoll = ProtokollMitEckdaten("Ev2_45,0_Ev2/Ev1_2,1");
    EXPECT_EQ(BildeProtokollDetails(protokoll.get(), "", "").eckdaten,
              (Eckdaten{{"Ev2", "45,0"}, {"Ev2/Ev1", "2,1"}}));

    // A comparison sheet keeps the curves it compares in that group: they are no key data.
    auto vergleich = BaueTestprotokoll({.id = "V", .pruefartId = "1018"});
    vergleich->SetzeSpeziellGruppe(6, "0.04@0.06#1.75@1.80#0.085@0.101#1.862@1.915");
    EXPECT_TRUE(BildeProtokollDetails(vergleich.get(), "", "").eckdaten.empty());
}

TEST(Protokolldetails, TabelleTeiltUndMaltIhrGitter)
{
    EXPECT_EQ(CTabellenStatic::XPositionen(800), (std::array<int, 5>{0, 160, 520, 640, 800}));
    // Fractions are cut, not rounded.
    EXPECT_EQ(CTabellenStatic::XPositionen(99), (std::array<int, 5>{0, 19, 64, 79, 99}));

    CTabellenStatic tabelle;
    EXPECT_EQ(tabelle.HoleZelle(0, 0), " Bereich/Bauabschnitt");
    EXPECT_EQ(tabelle.HoleZelle(2, 1), " Prüfdatum ");
    EXPECT_EQ(tabelle.HoleZelle(2, 7), "");
    tabelle.SetzeZelle(4, 0, "ausserhalb");
    tabelle.SetzeZelle(1, 8, "ausserhalb");
    tabelle.resize(800, 160);
    const QImage bild = tabelle.grab().toImage();
    const auto farbe = [&bild](int x, int y) { return QColor(bild.pixel(x, y)); };
    // Rows of 20 pixels; titles grey, values blue.
    EXPECT_EQ(farbe(158, 15), QColor(223, 223, 223));
    EXPECT_EQ(farbe(515, 15), QColor(10, 10, 255));
    EXPECT_EQ(farbe(630, 135), QColor(223, 223, 223));
    EXPECT_EQ(farbe(790, 135), QColor(10, 10, 255));
    // Light lines between rows, dark ones at the top, the divider, the middle of the right half
    // and the left edge, white at the bottom.
    EXPECT_EQ(farbe(300, 20), QColor(200, 200, 200));
    EXPECT_EQ(farbe(300, 0), QColor(112, 112, 112));
    EXPECT_EQ(farbe(520, 50), QColor(112, 112, 112));
    EXPECT_EQ(farbe(700, 80), QColor(112, 112, 112));
    EXPECT_EQ(farbe(300, 80), QColor(200, 200, 200));
    EXPECT_EQ(farbe(0, 50), QColor(112, 112, 112));
    EXPECT_EQ(farbe(300, 159), QColor(Qt::white));
}

namespace {

class DetailsImViewer : public ViewerUmgebung
{
protected:
    void SetUp() override
    {
        ViewerUmgebung::SetUp();
        MusterProjekt projekt;
        projekt.metadaten = {{"protNrPraefix", "PV"}};
        projekt.titel = {"1|Erdbau|0"};
        auto erstes = ProtokollMitEckdaten("wopt_12,5_rhoPr_1,95");
        erstes->SetzeTitelID("1");
        projekt.protokolle.push_back(*erstes);
        projekt.protokolle.push_back(*BaueTestprotokoll(
            {.id = "B", .titelId = "1", .kopffelder = Kopf("13", "20260419"), .notiz = "zweite"}));
        const std::string pfad = ProgrammOrdnerText() + "/details.axo";
        ASSERT_TRUE(SchreibeProjektDatei(projekt, pfad));
        Starte(pfad);
    }

    int ZeileVon(const std::string& schluessel) const
    {
        for (int zeile = 0; zeile < Protokolle().HoleModell().rowCount(); ++zeile) {
            if (Protokolle().HoleInfo(zeile)->schluessel == schluessel)
                return zeile;
        }
        return -1;
    }

    std::string Titel() const { return NachCp1252(m_ansicht->HoleTitel()->text()); }
    std::string Notiz() const { return NachCp1252(m_ansicht->HoleNotizFeld()->toPlainText()); }
    std::string Wert(int spalte, int zeile) const
    {
        return m_ansicht->HoleEckdatentabelle()->HoleZelle(spalte, zeile);
    }
    Eckdaten EckdatenZeilen() const
    {
        Eckdaten zeilen;
        const CEckdatenListCtrl& liste = *m_ansicht->HoleEckdatenListe();
        for (int i = 0; i < liste.topLevelItemCount(); ++i)
            zeilen.emplace_back(NachCp1252(liste.topLevelItem(i)->text(0)),
                                NachCp1252(liste.topLevelItem(i)->text(1)));
        return zeilen;
    }
};

} // namespace

TEST_F(DetailsImViewer, FolgtDerAuswahlDerProtokollliste)
{
    // Nothing selected at start: empty values, the pane's colours set.
    EXPECT_EQ(Titel(), "");
    EXPECT_EQ(Wert(1, 0), "");
    EXPECT_EQ(m_ansicht->HoleTitel()->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(m_ansicht->HoleTitel()->palette().color(QPalette::WindowText), QColor(255, 255, 192));
    EXPECT_EQ(m_ansicht->HoleTitelBeschriftung()->palette().color(QPalette::Window),
              QColor(239, 239, 239));
    EXPECT_EQ(m_ansicht->HoleEckdatenListe()->HoleHintergrund(), RGB(220, 220, 130));

    Waehle(Protokolle(), {ZeileVon("A")});
    EXPECT_EQ(Titel(), " Erdbau");
    EXPECT_EQ(Wert(1, 0), "Nord");
    EXPECT_EQ(Wert(1, 7), "Bem.");
    EXPECT_EQ(Wert(3, 0), "PV-12");
    EXPECT_EQ(Wert(3, 1), "18.04.2026");
    EXPECT_EQ(Wert(3, 5), "Brenner");
    EXPECT_EQ(Notiz(), "Probe nachliefern");
    EXPECT_EQ(EckdatenZeilen(), (Eckdaten{{"wopt", "12,5"}, {"rhoPr", "1,95"}}));

    // Two selected: all values go, the note of the last single selection stays.
    Waehle(Protokolle(), {0, 1});
    EXPECT_EQ(Titel(), "");
    for (int zeile = 0; zeile < kDetailZeilen; ++zeile) {
        EXPECT_EQ(Wert(1, zeile), "") << zeile;
        EXPECT_EQ(Wert(3, zeile), "") << zeile;
    }
    EXPECT_EQ(Wert(0, 0), " Bereich/Bauabschnitt");
    EXPECT_TRUE(EckdatenZeilen().empty());
    EXPECT_EQ(Notiz(), "Probe nachliefern");

    Waehle(Protokolle(), {ZeileVon("B")});
    EXPECT_EQ(Wert(3, 0), "PV-13");
    EXPECT_EQ(Notiz(), "zweite");
    EXPECT_TRUE(EckdatenZeilen().empty());

    // The row's protocol gone from the collection: the row's title, the prefix alone.
    ASSERT_TRUE(m_app->HoleProtokolle().LoescheProtokoll("B"));
    m_ansicht->ZeigeProtokollDetails();
    EXPECT_EQ(Titel(), " Erdbau");
    EXPECT_EQ(Wert(1, 0), "");
    EXPECT_EQ(Wert(3, 0), "PV-");
    EXPECT_EQ(Notiz(), "");
}

TEST_F(DetailsImViewer, NurAufDerProtokollseiteSichtbar)
{
    m_app->HoleHauptfenster()->show();
    EXPECT_TRUE(m_ansicht->HoleEckdatentabelle()->isVisible());
    EXPECT_TRUE(m_ansicht->HoleEckdatenListe()->isVisible());
    EXPECT_TRUE(m_ansicht->HoleTitel()->isVisible());
    m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    EXPECT_FALSE(m_ansicht->HoleEckdatentabelle()->isVisible());
    EXPECT_FALSE(m_ansicht->HoleEckdatenListe()->isVisible());
    EXPECT_FALSE(m_ansicht->HoleTitel()->isVisible());
    EXPECT_FALSE(m_ansicht->HoleTitelBeschriftung()->isVisible());

    // File Open while a protocol is selected leaves no details of the old project.
    m_ansicht->HoleTabCtrl()->setCurrentIndex(0);
    Waehle(Protokolle(), {ZeileVon("A")});
    ASSERT_EQ(Wert(3, 0), "PV-12");
    m_app->OeffneDokument(SchreibeProjekt("leer.axo", {}));
    EXPECT_EQ(Wert(3, 0), "");
    EXPECT_EQ(Titel(), "");
}
