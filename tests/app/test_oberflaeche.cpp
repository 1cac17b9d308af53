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

TEST(Oberflaeche, MeldungOhneSymbolNurMitOk)
{
    const auto hinweis = ErzeugeMeldungsfenster("Datei mit Firmenlogo 'axo.sys' nicht gefunden !!!",
                                                MeldungsArt::Hinweis, nullptr);
    EXPECT_EQ(hinweis->icon(), QMessageBox::NoIcon);
    ASSERT_EQ(hinweis->buttons().size(), 1);
    EXPECT_EQ(hinweis->standardButton(hinweis->buttons().front()), QMessageBox::Ok);
    EXPECT_EQ(hinweis->text(), u"Datei mit Firmenlogo 'axo.sys' nicht gefunden !!!"_s);
    EXPECT_EQ(hinweis->windowTitle(), u"AXO Protokollübersicht"_s);

    EXPECT_EQ(MeldungsSymbol(MeldungsArt::Warnung), QMessageBox::Warning);
    EXPECT_EQ(MeldungsSymbol(MeldungsArt::Fehler), QMessageBox::Critical);
}
