// The main view's export of the selected measurements.
#include "app/messungsexport.h"
#include "app/messungsliste.h"
#include "app/schreibzielmeldung.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "platform/einstellungen.h"

#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The save dialog of the export. The project is only ever read, a FIFO or a device is no file,
// and a folder that takes no new file is named as the cause: choosing such a file is refused
// before the dialog asks whether to overwrite, and the dialog stays open for another name. Qt's own
// dialog, so that the refusal comes first on every desktop.
class CExportDialog : public QFileDialog
{
public:
    explicit CExportDialog(QWidget* eltern)
        : QFileDialog(eltern, u"Bitte Dateinamen angeben"_s, u"."_s, u"Messungen (*.messungen)"_s)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setDefaultSuffix(u"messungen"_s);
    }

    void accept() override
    {
        // A folder is left to the dialog, which opens it.
        const QStringList gewaehlt = selectedFiles();
        if (!gewaehlt.isEmpty() && !QFileInfo(gewaehlt.constFirst()).isDir() &&
            !PruefeGewaehlteDatei(gewaehlt.constFirst(), HoleVersucheApp()->HoleProjektPfad()))
            return;
        QFileDialog::accept();
    }
};

// The file the user chooses for the export; empty when none.
QString FrageExportdateiAb(QWidget* eltern)
{
    const CQtSpeicherUmleitung qtSpeicher;
    CExportDialog dialog(eltern);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

ExportErgebnis CVersucheView::SchreibeGewaehlteMessungen(const QString& pfad,
                                                         int& fehlernummer) const
{
    const CWarteCursor warten;
    const std::string text = BildeMessungsExport(m_messungsListe->HoleAusgewaehlteInfos(),
                                                 HoleVersucheApp()->HoleProtokolle());
    // Rows whose protocols are all gone since the choice leave the file alone.
    return text.empty() ? ExportErgebnis::Geschrieben
                        : SchreibeMessungsExport(pfad, text, &fehlernummer);
}

void CVersucheView::ExportiereMessungen()
{
    if (!m_messungsListe->selectionModel()->hasSelection())
        return;

    // The file first: gathering many rows takes a moment the user should not wait for twice.
    const QString pfad = FrageExportdateiAb(this);
    if (pfad.isEmpty())
        return;
    int fehlernummer = 0;
    switch (SchreibeGewaehlteMessungen(pfad, fehlernummer)) {
    case ExportErgebnis::Geschrieben:
        break;
    case ExportErgebnis::KeineDatei:
        MeldeKeineGewoehnlicheDatei(pfad);
        break;
    case ExportErgebnis::NichtAngelegt:
        MeldeNichtAngelegt(pfad, fehlernummer);
        break;
    case ExportErgebnis::NichtGeschrieben:
        MeldeNichtGeschrieben(pfad, fehlernummer);
        break;
    case ExportErgebnis::Unvollstaendig:
        MeldeUnvollstaendig(pfad, fehlernummer);
        break;
    }
}
