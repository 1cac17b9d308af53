#pragma once
// The application object: one for the whole run. It owns what outlasts a window (the company
// logo, the test-type catalogue, the loaded project) and runs the start-up, File New, File Open
// and the printer set-up.

#include "app/dateiverlauf.h"
#include "app/geschwistermeldung.h"
#include "app/versuchedoc.h"
#include "data/protokolle.h"
#include "data/pruefartkatalog.h"
#include "report/dib.h"

#include <QObject>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>

class CMainFrame;
class CVersucheView;
class QPrinter;

// The application part shared with the sibling program: the company logo.
class CAxoApp : public QObject
{
    Q_OBJECT
public:
    // The logo is the one the report pages paint from the start, empty until it is loaded.
    CAxoApp();
    ~CAxoApp() override;
    CAxoApp(const CAxoApp&) = delete;
    CAxoApp& operator=(const CAxoApp&) = delete;

    // Loads the logo from the program folder; false when there is none.
    bool LadeFirmenlogo();
    const CDib& HoleFirmenlogo() const { return m_firmenlogo; }

private:
    CDib m_firmenlogo;
};

class CVersucheApp : public CAxoApp
{
    Q_OBJECT
public:
    // The name of the local socket the sibling program sends its front request to.
    static constexpr const char16_t* FensterKlasse = u"protokolluebersicht_class";

    CVersucheApp();
    ~CVersucheApp() override;

    // Start-up; false ends the program before the event loop. `argumente` as the command line,
    // the program first.
    bool InitInstance(const QStringList& argumente);

    // File New: the document names no project; the view reloads and empties its lists.
    bool OnFileNew();
    // File Open: asks for a project file, then opens it.
    void OnFileOpen();
    // Loads the project and tells what could not be read of it; only a file that opened as a
    // project enters the recent-file list.
    void OeffneDokument(const std::filesystem::path& pfad);
    // Printer set-up dialog on the application's printer settings.
    void OnFilePrintSetup();
    void OnAppAbout();

    // Orientation of the application's printer settings: landscape or portrait.
    void SetzeQuerformat(bool querformat);
    QPrinter& HoleDrucker();

    // Loads a project into the collection ("" empties it) and remembers where it came from and
    // why it was not read whole; no settings store writes to that file in this run, also once
    // another is loaded.
    void LadeProjekt(const std::filesystem::path& pfad);
    // The file the collection was loaded from; nothing is ever written to it.
    const std::filesystem::path& HoleProjektPfad() const { return m_projektPfad; }

    const CPruefartKatalog& HolePruefartKatalog() const { return m_katalog; }
    // The loaded project; owned for the whole run.
    CProtokolle& HoleProtokolle() { return m_protokolle; }
    const CProtokolle& HoleProtokolle() const { return m_protokolle; }
    CMainFrame* HoleHauptfenster() const { return m_hauptfenster.get(); }
    const CDateiVerlauf& HoleDateiVerlauf() const { return m_dateiVerlauf; }
    const CGeschwisterVerbindung& HoleGeschwisterVerbindung() const { return m_geschwister; }

    // Set by the view's first update; the pages and lists reach the view through it.
    CVersucheView* m_pMainView = nullptr;

private:
    void StarteGeschwisterVerbindung();
    void WechsleInsProgrammverzeichnis();
    // The message of the last load, once, when the file was not read whole.
    void MeldeLadefehler();

    CPruefartKatalog m_katalog;
    CProtokolle m_protokolle;
    std::filesystem::path m_projektPfad;
    Ladebefund m_ladebefund;
    CVersucheDoc m_dokument;
    std::unique_ptr<CMainFrame> m_hauptfenster;
    CDateiVerlauf m_dateiVerlauf{4};
    CGeschwisterVerbindung m_geschwister;
    std::unique_ptr<QPrinter> m_drucker;
};

// The one application object of the run (nullptr before it is made and after it is gone).
CVersucheApp* HoleVersucheApp();

// The folder of the program file, without a trailing separator; false (and the text unchanged)
// when it cannot be found.
bool ErmittleProgrammverzeichnis(std::filesystem::path& ordner);

// The file name of a path, after its last "\" or "/"; a name holding ".axo{" ends with its
// ".axo".
std::string SchneideAufDateiname(const std::string& pfad);

// Only a first argument ending exactly in ".axo" names a project to load.
bool IstProjektArgument(const std::string& argument);

// What the user is told of a project file that was not read whole, naming the file and the
// cause, with the number of protocols read; "" for a file read whole.
std::string BildeLademeldung(const Ladebefund& befund, const std::filesystem::path& datei,
                             int protokolle);
