// AXO Reader: viewer and report printer for the test protocols of a construction project.
#include "app/versucheapp.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/schriften.h"

#include <QApplication>
#include <QMessageBox>
#include <clocale>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon Symbol(MeldungsArt art)
{
    switch (art) {
    case MeldungsArt::Warnung:
        return QMessageBox::Warning;
    case MeldungsArt::Fehler:
        return QMessageBox::Critical;
    case MeldungsArt::Hinweis:
        break;
    }
    return QMessageBox::Information;
}

void ZeigeMeldungsfenster(const std::string& text, MeldungsArt art)
{
    QMessageBox meldung(Symbol(art), u"AXO Protokollübersicht"_s, AusCp1252(text), QMessageBox::Ok,
                        QApplication::activeWindow());
    meldung.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    // Qt has set the numeric locale from the environment; numbers are read and written with ".".
    std::setlocale(LC_NUMERIC, "C");
    SetzeMeldungsAusgabe(ZeigeMeldungsfenster);
    RegistriereSchriften();

    CVersucheApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    return QApplication::exec();
}
