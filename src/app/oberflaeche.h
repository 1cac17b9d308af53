#pragma once
// What the program sets up on Qt's side before its first window: Qt's own dialogs in German,
// and the window that shows the program's messages.

#include "platform/meldung.h"

#include <QMessageBox>
#include <memory>
#include <string>

class QTranslator;

// Loads Qt's German texts (print dialog, preview, page set-up, file dialogs) from Qt's
// translations folder into `uebersetzer` and installs it; false when they are not there.
bool InstalliereQtUebersetzung(QTranslator& uebersetzer);

// A message box with an OK button; a plain message has no symbol, warnings and errors show theirs.
std::unique_ptr<QMessageBox> ErzeugeMeldungsfenster(const Meldung& meldung, QWidget* parent);
// Shows a message modally over the active window.
void ZeigeMeldungsfenster(const Meldung& meldung);
