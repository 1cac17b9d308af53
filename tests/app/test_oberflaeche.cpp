// Qt's own dialogs speak German, and a plain message shows only its text and an OK button.
#include "app/oberflaeche.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Oberflaeche, QtsDruckdialogeSprechenDeutsch)
{
    QPrinter drucker;
    EXPECT_EQ(QPrintDialog(&drucker).windowTitle(), u"Print"_s);
    {
        QTranslator deutsch;
        ASSERT_TRUE(InstalliereQtUebersetzung(deutsch));
        EXPECT_EQ(QPrintDialog(&drucker).windowTitle(), u"Drucken"_s);
        EXPECT_EQ(QPrintPreviewDialog(&drucker).windowTitle(), u"Druckvorschau"_s);
        EXPECT_EQ(QCoreApplication::translate("QFileDialog",
                                              "%1 already exists.\nDo you want to replace it?"),
                  u"Die Datei %1 existiert bereits.\nSoll sie überschrieben werden?"_s);
    }
    // The translation goes with its object.
    EXPECT_EQ(QPrintDialog(&drucker).windowTitle(), u"Print"_s);
}

TEST(Oberflaeche, MeldungsfensterZeigtTextTitelSymbolUndNurOk)
{
    struct Fall
    {
        Meldung meldung;
        QString text, titel;
        QMessageBox::Icon symbol;
    };
    const Fall faelle[] = {
        {{"Datei mit Firmenlogo 'axo.sys' nicht gefunden !!!", ProgrammTitel, MeldungsArt::Hinweis},
         u"Datei mit Firmenlogo 'axo.sys' nicht gefunden !!!"_s,
         u"AXO Protokollübersicht"_s,
         QMessageBox::NoIcon},
        {{"Für diese Spalte kann kein Filter gesetzt werden!", "Filter setzen",
          MeldungsArt::Warnung},
         u"Für diese Spalte kann kein Filter gesetzt werden!"_s,
         u"Filter setzen"_s,
         QMessageBox::Warning},
        {{"m_xml.SetDoc() fehlgeschlagen", ProgrammTitel, MeldungsArt::Fehler},
         u"m_xml.SetDoc() fehlgeschlagen"_s,
         u"AXO Protokollübersicht"_s,
         QMessageBox::Critical},
    };
    for (const Fall& fall : faelle) {
        const auto fenster = ErzeugeMeldungsfenster(fall.meldung, nullptr);
        EXPECT_EQ(fenster->text(), fall.text);
        EXPECT_EQ(fenster->windowTitle(), fall.titel);
        EXPECT_EQ(fenster->icon(), fall.symbol);
        ASSERT_EQ(fenster->buttons().size(), 1);
        EXPECT_EQ(fenster->standardButton(fenster->buttons().front()), QMessageBox::Ok);
    }
}
