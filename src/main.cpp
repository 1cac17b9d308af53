// AXO Reader: viewer and report printer for the test protocols of a construction project.
#include "app/oberflaeche.h"
#include "app/versucheapp.h"
#include "platform/meldung.h"
#include "platform/schriften.h"

int main(int argc, char** argv)
{
    const CQtAnwendung qt(argc, argv);
    SetzeMeldungsAusgabe(ZeigeMeldungsfenster);
    RegistriereSchriften();

    CVersucheApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    return QApplication::exec();
}
