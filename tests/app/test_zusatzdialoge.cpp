// The four dialogs the viewer carries for its siblings, through their exchange with the caller.
#include "app/zusatzdialoge.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Zusatzdialoge, ProtokolleSchliessenBehaeltDieAngehaktenSaetze)
{
    std::vector<std::string> saetze = {R"(<protokoll protID="B12-7" text1="Proctorversuch"/>)",
                                       R"(<protokoll protID="B12-8" text1="Wassergehalt"/>)",
                                       "kein Satz"};
    const std::vector<std::string> vorher = saetze;
    CProtokolleSchliessenDlg dialog(saetze);
    EXPECT_EQ(dialog.windowTitle(), u" Protokolle schließen"_s);
    QTreeWidget& liste = dialog.HoleListe();
    EXPECT_EQ(liste.headerItem()->text(0), u"Protokollnummer"_s);
    EXPECT_EQ(liste.headerItem()->text(1), u"Versuchart"_s);
    EXPECT_EQ(liste.columnWidth(0), 120);
    EXPECT_EQ(liste.columnWidth(1), 300);
    for (int spalte = 2; spalte <= CProtokolleSchliessenDlg::SatzSpalte; ++spalte)
        EXPECT_TRUE(liste.isColumnHidden(spalte));
    ASSERT_EQ(liste.topLevelItemCount(), 3);
    EXPECT_EQ(liste.topLevelItem(0)->text(0), u"B12-7"_s);
    EXPECT_EQ(liste.topLevelItem(1)->text(1), u"Wassergehalt"_s);
    EXPECT_EQ(liste.topLevelItem(2)->text(0), u""_s);

    // Cancel leaves the caller's list alone; OK keeps the ticked records whole.
    liste.topLevelItem(1)->setCheckState(0, Qt::Checked);
    liste.topLevelItem(2)->setCheckState(0, Qt::Checked);
    dialog.reject();
    EXPECT_EQ(saetze, vorher);
    dialog.accept();
    EXPECT_EQ(saetze, (std::vector<std::string>{vorher[1], vorher[2]}));
}

TEST(Zusatzdialoge, PruefdatumTestdatenUndTextfilter)
{
    std::string datum = "20260418";
    CPruefdatumAendernDlg pruefdatum(datum);
    EXPECT_EQ(pruefdatum.windowTitle(), u"Prüfdatum ändern"_s);
    EXPECT_EQ(pruefdatum.HoleDatumsfeld().date(), QDate(2026, 4, 18));
    pruefdatum.HoleDatumsfeld().setDate(QDate(2027, 1, 5));
    pruefdatum.accept();
    EXPECT_EQ(datum, "20270105");
    for (std::string keinDatum : {"2026041", "20261318", "2026O418", ""}) {
        CPruefdatumAendernDlg falsch(keinDatum);
        EXPECT_EQ(falsch.HoleDatumsfeld().date(), QDate::currentDate()) << keinDatum;
    }

    std::string testdaten = "Probe 3 | nass";
    CTestdatenAendernDlg test(testdaten);
    EXPECT_EQ(test.windowTitle(), u"Testdaten ändern"_s);
    EXPECT_EQ(test.HoleFeld().text(), u"Probe 3 | nass"_s);
    test.HoleFeld().setText(u"Probe 4 Überkorn"_s);
    test.accept();
    EXPECT_EQ(testdaten, "Probe 4 Überkorn");

    CTextfilterDlg::Texte texte{};
    texte[0] = "Erdbau";
    CTextfilterDlg textfilter(texte);
    EXPECT_EQ(textfilter.windowTitle(), u"Textfilter"_s);
    QStringList beschriftungen;
    for (const QLabel* beschriftung : textfilter.findChildren<QLabel*>())
        beschriftungen << beschriftung->text();
    EXPECT_TRUE(beschriftungen.contains(u"Bereich/Bauabschnitt"_s));
    EXPECT_TRUE(beschriftungen.contains(u"Bearbeiter"_s));
    EXPECT_TRUE(beschriftungen.contains(
        u"Anm: Zwischen  Groß-/Kleinschreibung wird nicht unterschieden"_s));
    EXPECT_EQ(textfilter.HoleFeld(0).text(), u"Erdbau"_s);
    textfilter.HoleFeld(1).setText(u"  Nord \t"_s);
    textfilter.HoleFeld(16).setText(u"x"_s);
    textfilter.accept();
    EXPECT_EQ(texte[0], "Erdbau");
    EXPECT_EQ(texte[1], "Nord");
    EXPECT_EQ(texte[16], "x");
}
