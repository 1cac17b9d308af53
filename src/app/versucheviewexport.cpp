// The main view's export of the selected measurements.
#include "app/messungsexport.h"
#include "app/messungsliste.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "platform/meldung.h"
#include "platform/qtext.h"

#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool IstDieselbeDatei(const QString& pfad, const std::string& andere)
{
    if (andere.empty())
        return false;
    const QString kanonisch = QFileInfo(pfad).canonicalFilePath();
    return !kanonisch.isEmpty() && kanonisch == QFileInfo(AusCp1252(andere)).canonicalFilePath();
}

} // namespace

ExportErgebnis CVersucheView::SchreibeGewaehlteMessungen(const QString& pfad) const
{
    const CWarteCursor warten;
    const std::string text = BildeMessungsExport(m_messungsListe->HoleAusgewaehlteInfos(),
                                                 HoleVersucheApp()->HoleProtokolle());
    // Rows whose protocols are all gone since the choice leave the file alone.
    return text.empty() ? ExportErgebnis::Geschrieben : SchreibeMessungsExport(pfad, text);
}

void CVersucheView::ExportiereMessungen()
{
    if (!m_messungsListe->selectionModel()->hasSelection())
        return;

    // The file first: gathering many rows takes a moment the user should not wait for twice.
    QFileDialog dialog(this, u"Bitte Dateinamen angeben"_s, u"."_s, u"Messungen (*.messungen)"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(u"messungen"_s);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString pfad = dialog.selectedFiles().constFirst();

    // The project is only ever read.
    if (IstDieselbeDatei(pfad, HoleVersucheApp()->HoleProjektPfad())) {
        ZeigeMeldung("Die geöffnete Projektdatei kann nicht überschrieben werden.",
                     MeldungsArt::Warnung);
        return;
    }
    switch (SchreibeGewaehlteMessungen(pfad)) {
    case ExportErgebnis::Geschrieben:
        break;
    case ExportErgebnis::NichtAngelegt:
        ZeigeMeldung("Die Datei \"" + NachCp1252(pfad) + "\" kann nicht angelegt werden.",
                     MeldungsArt::Fehler);
        break;
    case ExportErgebnis::NichtGeschrieben:
        ZeigeMeldung("Die Datei \"" + NachCp1252(pfad) + "\" konnte nicht geschrieben werden.",
                     MeldungsArt::Fehler);
        break;
    }
}
