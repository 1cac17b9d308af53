#pragma once
// The print job of the main view: either one test object per selected protocol or the summary
// table of the selected measurements, the page rectangle taken from the printer, and the one page
// routine that printing, the preview and a PDF file all draw with.

#include "app/zusammenstellungszeile.h"
#include "pages/zusammenstellungdruck.h"
#include "platform/druckbereich.h"
#include "platform/gdi.h"
#include "report/druckseitenverwaltung.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CDC;
class CProtokolle;
class CVirtVersuch;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

// The test object of a test type; null for a type that prints no report (1019 and any number
// outside 1000..1020). `version` is the protocol's test-type version.
std::unique_ptr<CVirtVersuch> ErzeugeVersuch(int pruefart, int version);

// The page in hundredths of a millimetre from the corner of the printable area, y upward: 10 mm
// in from the sheet's left and top edges, to the right edge of the printable area and 1 mm
// above its bottom edge.
RECT BildeSeitenrechteck(const DRUCKBEREICH& bereich);

// False, after the message, when the list of the shown tab has no selected row.
bool PruefeDruckauswahl(bool protokollseite, bool ausgewaehlt);
// False, after the message, when none of the selected protocols (`schluessel`, their
// identifiers) has a page to print.
bool PruefeBerichte(const CProtokolle& protokolle, const std::vector<std::string>& schluessel);

class CProtokolldruckAuftrag
{
public:
    // Empties the job, then makes the test objects of the selected protocols in list order
    // (`schluessel`: the rows' protocol identifiers). A row whose protocol is no longer in the
    // collection, or whose test type prints no report, adds no pages.
    void BereiteProtokolldruckVor(const CProtokolle& protokolle,
                                  const std::vector<std::string>& schluessel);
    // Empties the job, then fills the summary table with one row per selected measurement in
    // list order (protocol identifier, running-number text) and paginates it. A measurement
    // whose protocol is no longer in the collection is left out.
    void BereiteZusammenstellungVor(const CProtokolle& protokolle,
                                    const std::vector<MessungsSchluessel>& messungen);

    void SetzeSeitenrechteck(const RECT& rechteck) { m_seitenRechteck = rechteck; }
    const RECT& HoleSeitenrechteck() const { return m_seitenRechteck; }
    int GetSeitenzahl() const;

    // Draws job page n (from 1) with the print settings as they are stored at this moment. A
    // failure while drawing ends only this page, which keeps what it got; false then, and for
    // a page the job does not have.
    bool DruckeSeite(int seite, CDC& dc) { return DruckeSeite(seite, dc, m_seitenRechteck); }
    bool DruckeSeite(int seite, CDC& dc, const RECT& seitenRechteck);

    // Draws job page n on a painter whose origin is the corner of the printable area, at that
    // many device pixels per inch, as a print draws it: the preview's pages. With `graustufen`
    // its colours are drawn in gray. A failure ends only this page, as in `DruckeSeite`.
    bool ZeichneSeite(int seite, QPainter& maler, double dpiX, double dpiY,
                      const RECT& seitenRechteck, bool graustufen = false);

    // The job's pages that a print with `nurGewaehlte` puts on paper: all, or those of the page
    // ranges chosen in the print dialog.
    std::vector<int> ZuDruckendeSeiten(const QPrinter& drucker, bool nurGewaehlte) const;

    enum class Druckergebnis
    {
        Gedruckt,
        KeineSeiteImBereich, // the chosen range holds none of the job's pages: nothing printed
        Abgebrochen,         // by the user, after the pages reported
        NichtBegonnen,       // the printer cannot be started
        NichtAngelegt,       // the PDF file cannot be made
        NichtGeschrieben,    // a PDF file not written whole: an old one at its place is kept
        Unvollstaendig,      // failed while written in place: the old content is lost
        Gescheitert // a page could not be drawn (`HoleFehlseite`), or the job not started or
                    // finished for want of memory: nothing printed, an old file kept
    };
    // Told before each page (from 1) how many of how many are done; false cancels the print.
    using Fortschritt = std::function<bool(int fertig, int gesamt)>;
    // Draws the pages on the printer, one sheet each, with the page rectangle of its sheet, in the
    // copies (collated or not) and page order of the print dialog, where the printer does not
    // make them itself. A job without pages prints nothing, so no empty sheet comes out. A
    // printer's file is replaced only by a whole one. A page that cannot be drawn fails the whole print, whose
    // printer job is then aborted; so does a want of memory as the job starts or ends.
    Druckergebnis DruckeSeiten(QPrinter& drucker, bool nurGewaehlte,
                               const Fortschritt& fortschritt = {});
    // The errno of the failure of the last print into a file, ENOMEM for a print the memory did
    // not suffice for; 0 when the system gave none.
    int HoleFehlernummer() const { return m_fehlernummer; }
    // The job page that failed the last print; 0 when none did, also where it failed before or
    // after its pages.
    int HoleFehlseite() const { return m_fehlseite; }

private:
    // Draws job page n, which the job has, and lets through what the page throws.
    void ZeichneSeiteAuf(int seite, CDC& dc, const RECT& seitenRechteck);
    // Prints into a file that takes the place of the one the printer names only when it is whole.
    Druckergebnis DruckeInDatei(const QPrinter& drucker, const RECT& rechteck,
                                const std::vector<int>& seiten, const Fortschritt& fortschritt);
    // Begins the painter on the device and draws the pages on sheets whose page rectangle is
    // `rechteck`, in gray with `graustufen`; the painter stays active for the caller to end. A
    // page that fails, or the new sheet for it, ends the drawing.
    Druckergebnis ZeichneSeiten(QPagedPaintDevice& geraet, const RECT& rechteck, QPainter& maler,
                                const std::vector<int>& seiten, const Fortschritt& fortschritt,
                                bool graustufen);

    CDruckseitenVerwaltung m_seiten;
    CZusammenstellungDruck m_zusammenstellung;
    bool m_zusammenstellungAktiv = false;
    RECT m_seitenRechteck{};
    int m_fehlernummer = 0;
    int m_fehlseite = 0;
};
