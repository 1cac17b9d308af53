// AXO Reader: viewer and report printer for the test protocols of a construction project.
#include "app/oberflaeche.h"
#include "app/versucheapp.h"
#include "platform/meldung.h"
#include "platform/schriften.h"

#include <QApplication>
#include <QTranslator>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    // Qt has set the numeric locale from the environment; numbers are read and written with ".".
    std::setlocale(LC_NUMERIC, "C");
    QTranslator qtDeutsch;
    InstalliereQtUebersetzung(qtDeutsch);
    SetzeMeldungsAusgabe(ZeigeMeldungsfenster);
    RegistriereSchriften();

    CVersucheApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    return QApplication::exec();
}
