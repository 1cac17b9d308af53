#pragma once
// What the program sets up on Qt's side before its first window: Qt's own dialogs in German,
// and the window that shows the program's messages.

#include "platform/meldung.h"

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>
#include <memory>
#include <string>

// The program's Qt application, German whatever the user's locale: Qt's own dialogs with their
// texts, dates and sizes, and every QLocale; numbers are read and written with "." all the same.
class CQtAnwendung
{
public:
    CQtAnwendung(int& argc, char** argv);

private:
    std::unique_ptr<QApplication> m_qt;
    QTranslator m_qtTexte;
};

// Loads Qt's German texts (print dialog, preview, page set-up, file dialogs) from Qt's
// translations folder into `uebersetzer` and installs it; false when they are not there.
bool InstalliereQtUebersetzung(QTranslator& uebersetzer);

// A message box with an OK button; a plain message has no symbol, warnings and errors show theirs.
std::unique_ptr<QMessageBox> ErzeugeMeldungsfenster(const Meldung& meldung, QWidget* parent);
// Shows a message modally over the active window.
void ZeigeMeldungsfenster(const Meldung& meldung);
