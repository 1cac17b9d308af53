#pragma once
// Where the print and the export may write, and how they tell the user about a file they cannot
// write.

#include <filesystem>
#include <string>

class QString;

// Why a FIFO, a device or a folder is neither read as a project nor written as a file.
inline constexpr const char* kKeineGewoehnlicheDatei = "Es ist keine gewöhnliche Datei.";

// A message on a file: "Die Datei "<pfad>" " followed by what went wrong with it.
void MeldeDateifehler(const QString& pfad, const std::string& was);
// The message on a print or export target that is no regular file.
void MeldeKeineGewoehnlicheDatei(const QString& pfad);
// The messages on a file the print or the export could not make, could not write whole beside
// the old one (which is kept), or could not write whole in place (where the old content is lost).
// Each names the cause the system gave in `fehlernummer` (an errno value) where there is one.
void MeldeNichtAngelegt(const QString& pfad, int fehlernummer);
void MeldeNichtGeschrieben(const QString& pfad, int fehlernummer);
void MeldeUnvollstaendig(const QString& pfad, int fehlernummer);
// False, after the message, when nothing may be written at `pfad`: a link the system would not
// follow there, the open project `projekt` or another project, which are only ever read, or a
// FIFO, a device or a folder. An empty path (no file) may be.
bool PruefeSchreibziel(const QString& pfad, const std::filesystem::path& projekt);
// The same for a file chosen in a dialog, before the dialog takes it: also false, after the
// message, where no file can be made at `pfad` as far as its name tells (a loop of links or a
// name too long on its way, a folder that is not there or takes no new file, which the message
// names).
bool PruefeGewaehlteDatei(const QString& pfad, const std::filesystem::path& projekt);
