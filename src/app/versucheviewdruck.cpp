// The main view's print and preview commands.
#include "app/protokollliste.h"
#include "app/schreibzielmeldung.h"
#include "app/seitenvorschau.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "platform/einstellungen.h"
#include "platform/fehlerursache.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/schreibziel.h"
#include "platform/text.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// A file name without a folder means one in the home folder, where the print dialog proposes its
// file: the program's working folder is one the user never sees.
QString ImHeimordner(const QString& pfad)
{
    return pfad.isEmpty() || QDir::isAbsolutePath(pfad) ? pfad : QDir::home().filePath(pfad);
}

// Lets Qt's print dialog check the file named in `name` and take it when it may be written. Qt
// makes a file that is not there to learn that and removes it again: through a link to a file
// not there yet, it would make that file and remove the link. It checks the file the link names
// instead, and the printer keeps the link's name, as a print through it writes that file.
void PruefeMitQt(QPrintDialog& dialog, QLineEdit& name)
{
    const QString pfad = name.text();
    const QFileInfo info(pfad);
    if (!info.isSymLink() || info.exists()) {
        QMetaObject::invokeMethod(&dialog, "_q_checkFields");
        return;
    }
    const QString ziel = PfadAlsQString(Verweisziel(PfadAusQString(pfad)));
    name.setText(ziel);
    QMetaObject::invokeMethod(&dialog, "_q_checkFields");
    name.setText(pfad);
    if (dialog.result() == QDialog::Accepted && dialog.printer()->outputFileName() == ziel)
        dialog.printer()->setOutputFileName(pfad);
}

// When its print button is pressed, Qt's print dialog opens the output file itself to learn
// whether it may write there: it would wait on a FIFO until another program reads it, and it
// asks whether to overwrite the project before the print refuses it. The file is checked first,
// and the dialog stays open for another name.
void PruefeDruckdateiVorQt(QPrintDialog& dialog)
{
    auto* knoepfe = dialog.findChild<QDialogButtonBox*>();
    auto* name = dialog.findChild<QLineEdit*>(u"filename"_s);
    if (knoepfe == nullptr || name == nullptr ||
        !QObject::disconnect(knoepfe, SIGNAL(accepted()), &dialog, SLOT(_q_checkFields())))
        return;
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, [&dialog, name] {
        if (!name->isEnabled()) {
            QMetaObject::invokeMethod(&dialog, "_q_checkFields");
            return;
        }
        name->setText(ImHeimordner(name->text()));
        if (PruefeGewaehlteDatei(name->text(), HoleVersucheApp()->HoleProjektPfad()))
            PruefeMitQt(dialog, *name);
    });
}

} // namespace

CWarteCursor::CWarteCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

CWarteCursor::~CWarteCursor()
{
    QApplication::restoreOverrideCursor();
}

void CVersucheView::OnFilePrint()
{
    if (!OnPreparePrinting())
        return;
    QPrinter& drucker = HoleVersucheApp()->HoleDrucker();
    if (!FrageDruckerAb(drucker, this))
        return;
    OnBeginPrinting(drucker);
    OnPrint(drucker, true);
    OnEndPrinting();
}

void CVersucheView::OnFilePrintPreview()
{
    if (!OnPreparePrinting())
        return;
    QPrinter& drucker = HoleVersucheApp()->HoleDrucker();
    OnBeginPrinting(drucker);
    // The sheets of the preview keep the job's orientation and the page rectangle it began with.
    const RECT rechteck = m_druckauftrag.HoleSeitenrechteck();
    CSeitenvorschau vorschau(
        m_druckauftrag.GetSeitenzahl(), drucker.pageLayout(),
        [this, rechteck](int seite, QPainter& maler, double dpi) {
            m_druckauftrag.ZeichneSeite(seite, maler, dpi, dpi, rechteck);
        },
        [this](QWidget* eltern) {
            QPrinter& drucker = HoleVersucheApp()->HoleDrucker();
            if (FrageDruckerAb(drucker, eltern))
                OnPrint(drucker, true, eltern);
        },
        this);
    // The preview takes the place of the main window.
    vorschau.PasseGroesseAn(window()->size());
    vorschau.exec();
    OnEndPrinting();
}

bool CVersucheView::FrageDruckerAb(QPrinter& drucker, QWidget* eltern)
{
    // Every job starts at all pages, whatever range the last one was printed with.
    drucker.setPrintRange(QPrinter::AllPages);
    drucker.setFromTo(0, 0);
    {
        const CQtSpeicherUmleitung qtSpeicher; // for the file dialog of its output file
        QPrintDialog dialog(&drucker, eltern);
        PruefeDruckdateiVorQt(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    // A page is never drawn on a sheet of the other orientation.
    HoleVersucheApp()->SetzeQuerformat(!IstProtokollseiteAktiv());
    return true;
}

bool CVersucheView::OnPreparePrinting()
{
    const bool protokollseite = IstProtokollseiteAktiv();
    const CAppListCtrl* liste = protokollseite
                                    ? static_cast<const CAppListCtrl*>(HoleProtokollListe())
                                    : HoleMessungsListe();
    if (!PruefeDruckauswahl(protokollseite, liste->selectionModel()->hasSelection()))
        return false;
    // No print dialog or preview for a job that would have no page.
    if (protokollseite &&
        !PruefeBerichte(HoleVersucheApp()->HoleProtokolle(), GewaehlteProtokolle()))
        return false;
    // Reports print in portrait, the summary table of the measurements in landscape.
    HoleVersucheApp()->SetzeQuerformat(!protokollseite);
    return true;
}

void CVersucheView::OnBeginPrinting(const QPrinter& drucker)
{
    const CWarteCursor warten;
    m_druckauftrag.SetzeSeitenrechteck(BildeSeitenrechteck(LeseDruckbereich(drucker)));
    const CProtokolle& protokolle = HoleVersucheApp()->HoleProtokolle();
    if (IstProtokollseiteAktiv())
        m_druckauftrag.BereiteProtokolldruckVor(protokolle, GewaehlteProtokolle());
    else
        m_druckauftrag.BereiteZusammenstellungVor(protokolle, GewaehlteMessungen());
}

namespace {

// Prints with a progress dialog over `fenster`, which lets the window repaint and the user cancel
// between two pages. The dialog is gone when this returns, so that no message about the print
// opens under it.
CProtokolldruckAuftrag::Druckergebnis DruckeMitFortschritt(CProtokolldruckAuftrag& auftrag,
                                                           QPrinter& drucker,
                                                           bool nurGewaehlteSeiten,
                                                           QWidget* fenster)
{
    QProgressDialog fortschritt(u"Drucken"_s, u"Abbrechen"_s, 0, 1, fenster);
    fortschritt.setWindowTitle(u"Drucken"_s);
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(500);
    const auto meldeSeite = [&fortschritt](int fertig, int gesamt) {
        fortschritt.setMaximum(gesamt);
        fortschritt.setLabelText(u"Seite %1 von %2"_s.arg(fertig + 1).arg(gesamt));
        fortschritt.setValue(fertig);
        return !fortschritt.wasCanceled();
    };
    return auftrag.DruckeSeiten(drucker, nurGewaehlteSeiten, meldeSeite);
}

// Why a print failed: the page that could not be drawn, if one did not, and the cause.
std::string Druckfehler(int seite, int fehlernummer)
{
    const std::string ursache = BeschreibeUrsache(fehlernummer);
    if (seite == 0)
        return ursache;
    const std::string text = StringFormat("Seite %d konnte nicht gezeichnet werden.", seite);
    return ursache.empty() ? text : text + " " + ursache;
}

} // namespace

void CVersucheView::OnPrint(QPrinter& drucker, bool nurGewaehlteSeiten, QWidget* eltern)
{
    // Set anew only where the name was relative: the name set decides the printer's output format.
    if (const QString datei = ImHeimordner(drucker.outputFileName());
        datei != drucker.outputFileName())
        drucker.setOutputFileName(datei);
    // Before the PDF writer opens the file the print dialog named, which it would wait on (a
    // FIFO) or replace (the project).
    if (!PruefeSchreibziel(drucker.outputFileName(), HoleVersucheApp()->HoleProjektPfad()))
        return;
    const CProtokolldruckAuftrag::Druckergebnis ergebnis = DruckeMitFortschritt(
        m_druckauftrag, drucker, nurGewaehlteSeiten, eltern ? eltern : window());
    const QString datei = drucker.outputFileName();
    const int fehlernummer = m_druckauftrag.HoleFehlernummer();
    switch (ergebnis) {
    case CProtokolldruckAuftrag::Druckergebnis::Gedruckt:
    case CProtokolldruckAuftrag::Druckergebnis::Abgebrochen:
        break;
    case CProtokolldruckAuftrag::Druckergebnis::KeineSeiteImBereich:
        ZeigeMeldung(StringFormat("Der gewählte Seitenbereich enthält keine Seite dieses "
                                  "Druckauftrags. Er hat die Seiten 1 bis %d.",
                                  m_druckauftrag.GetSeitenzahl()),
                     MeldungsArt::Warnung);
        break;
    case CProtokolldruckAuftrag::Druckergebnis::NichtBegonnen:
        ZeigeMeldung("Der Druck konnte nicht begonnen werden.", MeldungsArt::Fehler);
        break;
    case CProtokolldruckAuftrag::Druckergebnis::NichtAngelegt:
        MeldeNichtAngelegt(datei, fehlernummer);
        break;
    case CProtokolldruckAuftrag::Druckergebnis::NichtGeschrieben:
        MeldeNichtGeschrieben(datei, fehlernummer);
        break;
    case CProtokolldruckAuftrag::Druckergebnis::Unvollstaendig:
        MeldeUnvollstaendig(datei, fehlernummer);
        break;
    case CProtokolldruckAuftrag::Druckergebnis::Gescheitert: {
        const std::string grund = Druckfehler(m_druckauftrag.HoleFehlseite(), fehlernummer);
        if (datei.isEmpty())
            ZeigeMeldung("Der Druck wurde abgebrochen: " + grund, MeldungsArt::Fehler);
        else
            MeldeDateifehler(datei, "konnte nicht geschrieben werden: " + grund);
        break;
    }
    }
}

std::vector<MessungsSchluessel> CVersucheView::GewaehlteMessungen() const
{
    std::vector<MessungsSchluessel> messungen;
    for (const ITEMINFOS* info : HoleMessungsListe()->HoleAusgewaehlteInfos())
        messungen.emplace_back(info->schluessel, info->messungsId);
    return messungen;
}

std::vector<std::string> CVersucheView::GewaehlteProtokolle() const
{
    std::vector<std::string> ids;
    for (const ITEMINFOS* info : HoleProtokollListe()->HoleAusgewaehlteInfos())
        ids.push_back(info->schluessel);
    return ids;
}
