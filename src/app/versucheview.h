#pragma once
// The main view: a form with the note and the buttons across the top, the details of the selected
// protocol, and a tab control with the pages "Protokolle" and "Messungen".

#include "app/messungsexport.h"
#include "app/messungsliste.h"
#include "app/protokolldruckauftrag.h"

#include <QWidget>
#include <string>
#include <vector>

class CPage1;
class CEckdatenListCtrl;
class CLabel;
class CPage3;
class CProtokollListCtrl;
class CTabellenStatic;
class CVersucheDoc;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTabWidget;
struct PROTOKOLLDETAILS;

// The busy cursor while the view builds a long job, put back however the building ends.
class CWarteCursor
{
public:
    CWarteCursor();
    ~CWarteCursor();
    CWarteCursor(const CWarteCursor&) = delete;
    CWarteCursor& operator=(const CWarteCursor&) = delete;
};

// Caption of the main window for the project's name and client.
std::string BildeFenstertitel(const std::string& bezeichnung, const std::string& auftraggeber);

class CVersucheView : public QWidget
{
    Q_OBJECT
public:
    // Size of the form in dialog units.
    static constexpr int FormBreite = 519;
    static constexpr int FormHoehe = 328;
    // The protocols page starts at 133; below it room for a few rows.
    static constexpr int MindestHoehe = 200;

    explicit CVersucheView(CVersucheDoc& dokument, QWidget* parent = nullptr);

    CVersucheDoc& GetDocument() const { return m_dokument; }

    // After File New and File Open: builds the pages on the first call, reloads the project on
    // every later one, then shows the protocols page and the project in the caption.
    void OnInitialUpdate();

    void ZeigeSeite();
    void ZeigeSteuerelemente();
    // Title, key-data table, key-data list and note of the one selected protocol; with none or
    // several selected all but the note go empty.
    void ZeigeProtokollDetails();
    bool IstProtokollseiteAktiv() const;

    // The control of the form with a dialog identifier (101 "Neu" ...); null for none.
    QWidget* HoleSteuerelement(int id) const;
    // Disables that control; an unknown identifier changes nothing.
    void SperreSteuerelement(int id);
    // Handles every waiting event, then the work Qt leaves for a quiet moment (objects whose
    // deletion is due); false when the program was asked to end meanwhile.
    static bool VerarbeiteWartendeEreignisse();

    // Texts of the sibling program other than a front request: ignored.
    bool BearbeiteNachricht(const std::string& text);

    // Print through the print dialog, preview through the print preview; both draw the pages
    // with the same routine.
    void OnFilePrint();
    void OnFilePrintPreview();
    // The steps of both: the selection check and the orientation; the page rectangle and the
    // job; the pages. The job's test objects stay until the next job, for the preview's redraws.
    bool OnPreparePrinting();
    void OnBeginPrinting(const QPrinter& drucker);
    // With progress over `eltern` (the main window when null); the user can cancel it.
    void OnPrint(QPrinter& drucker, bool nurGewaehlteSeiten, QWidget* eltern = nullptr);
    void OnEndPrinting() {}
    // Identifiers of the protocols of the selected rows of the protocol list, in list order.
    std::vector<std::string> GewaehlteProtokolle() const;
    // The selected rows of the measurement list in list order: protocol and running number.
    std::vector<MessungsSchluessel> GewaehlteMessungen() const;
    const CProtokolldruckAuftrag& HoleDruckauftrag() const { return m_druckauftrag; }
    void OnSpaltenZuruecksetzen();
    // Writes the selected rows of the measurement list to a file the user names.
    void ExportiereMessungen();

    QTabWidget* HoleTabCtrl() const { return m_tabCtrl; }
    QWidget* HoleProtokollseite() const;
    CTabellenStatic* HoleEckdatentabelle() const { return m_tabelle; }
    CEckdatenListCtrl* HoleEckdatenListe() const { return m_eckdatenListe; }
    CLabel* HoleTitel() const { return m_titel; }
    CLabel* HoleTitelBeschriftung() const { return m_titelBeschriftung; }
    QPlainTextEdit* HoleNotizFeld() const { return m_notizFeld; }
    CPage3* HoleMessungsseite() const { return m_page3; }
    CProtokollListCtrl* HoleProtokollListe() const;
    CMessungsListCtrl* HoleMessungsListe() const { return m_messungsListe; }

    // Rebuilds the measurement list for a test-type ID ("" for all types).
    void FuelleMessungsListe(const std::string& pruefartId, const MessungsFilter& filter = {});

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    // The export's lines of the selected rows, gathered once the file is chosen; `fehlernummer`
    // gets the errno of a failure.
    ExportErgebnis SchreibeGewaehlteMessungen(const QString& pfad, int& fehlernummer) const;
    // The print dialog, starting at all pages; false when cancelled.
    bool FrageDruckerAb(QPrinter& drucker, QWidget* eltern);
    void ErzeugeSteuerelemente();
    void ErsteAktualisierung();
    // Both lists with the project's prefix, filled and sorted by column 1.
    void FuelleListen();
    void PasseRahmenAn();
    void SetzeFenstertitel();
    void SetzeTitelFarben();
    void SetzeDetailFarben(int modus);
    void ZeigeDetails(const PROTOKOLLDETAILS& details);
    void LeereDetails();
    void OnSize();
    void PlatziereSeite(QWidget* rahmen, QWidget* seite, int unten);

    CVersucheDoc& m_dokument;

    // Pages of the tabs, created by the first update.
    CPage1* m_page1 = nullptr;
    CPage3* m_page3 = nullptr;
    CMessungsListCtrl* m_messungsListe = nullptr;

    QWidget* m_band;                    // 100: its bottom edge anchors the tab control
    QLabel* m_notizBeschriftung;        // 111
    QPlainTextEdit* m_notizFeld;        // 112
    QPushButton* m_neu;                 // 101
    QPushButton* m_drucken;             // 102
    QPushButton* m_oeffnen;             // 103
    QPushButton* m_schliessen;          // 104
    CTabellenStatic* m_tabelle;         // 1036: key-data table
    CEckdatenListCtrl* m_eckdatenListe; // 1049: key-data list
    CLabel* m_titelBeschriftung;        // 1050
    CLabel* m_titel;                    // 213
    QTabWidget* m_tabCtrl = nullptr;    // 1000
    QWidget* m_rahmenProtokolle;        // 1001: anchor of the protocols page
    QWidget* m_rahmenMessungen;         // 1002: anchor of the measurements page

    CProtokolldruckAuftrag m_druckauftrag;
};
