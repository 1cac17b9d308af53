// The main view's print and preview commands.
#include "app/protokollliste.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "platform/meldung.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void CVersucheView::OnFilePrint()
{
    if (!OnPreparePrinting())
        return;
    QPrinter& drucker = HoleVersucheApp()->HoleDrucker();
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted)
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
    QPrintPreviewDialog vorschau(&drucker, this);
    // The preview takes the place of the main window, as large as it is.
    vorschau.resize(window()->size());
    // The preview asks for the pages again whenever its page set-up changes.
    connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* seiten) {
        m_druckauftrag.SetzeSeitenrechteck(BildeSeitenrechteck(LeseDruckbereich(*seiten)));
        OnPrint(*seiten, false);
    });
    vorschau.exec();
    OnEndPrinting();
}

bool CVersucheView::OnPreparePrinting()
{
    const bool protokollseite = IstProtokollseiteAktiv();
    const CAppListCtrl* liste = protokollseite
                                    ? static_cast<const CAppListCtrl*>(HoleProtokollListe())
                                    : HoleMessungsListe();
    if (!PruefeDruckauswahl(protokollseite, !liste->HoleAusgewaehlteInfos().empty()))
        return false;
    // Reports print in portrait, the summary table of the measurements in landscape.
    HoleVersucheApp()->SetzeQuerformat(!protokollseite);
    return true;
}

void CVersucheView::OnBeginPrinting(const QPrinter& drucker)
{
    m_druckauftrag.SetzeSeitenrechteck(BildeSeitenrechteck(LeseDruckbereich(drucker)));
    const CProtokolle& protokolle = HoleVersucheApp()->HoleProtokolle();
    if (IstProtokollseiteAktiv())
        m_druckauftrag.BereiteProtokolldruckVor(protokolle, GewaehlteProtokolle());
    else
        m_druckauftrag.BereiteZusammenstellungVor(protokolle, GewaehlteMessungen());
}

void CVersucheView::OnPrint(QPrinter& drucker, bool nurGewaehlteSeiten)
{
    if (!m_druckauftrag.DruckeSeiten(drucker, nurGewaehlteSeiten))
        ZeigeMeldung("Der Druck konnte nicht begonnen werden.", MeldungsArt::Fehler);
}

std::vector<CProtokolldruckAuftrag::MessungsSchluessel> CVersucheView::GewaehlteMessungen() const
{
    std::vector<CProtokolldruckAuftrag::MessungsSchluessel> messungen;
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
