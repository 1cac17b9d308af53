#include "app/versucheapp.h"

#include "app/befehle.h"
#include "app/druckereinrichtung.h"
#include "app/mainframe.h"
#include "app/schreibzielmeldung.h"
#include "app/versucheview.h"
#include "data/pfade.h"
#include "data/projektdatei.h"
#include "pages/seitenlogo.h"
#include "platform/dateien.h"
#include "platform/einstellungen.h"
#include "platform/fehlerursache.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/schreibziel.h"
#include "platform/text.h"
#include "report/firmenlogo.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

CVersucheApp* g_app = nullptr;

// Whether the file opened as a project, if perhaps not whole.
bool IstGeoeffnet(Ladefehler fehler)
{
    return fehler == Ladefehler::Keiner || fehler == Ladefehler::EndetVorzeitig ||
           fehler == Ladefehler::SatzUnlesbar;
}

// A size as people read it: gigabytes of 2^30 bytes, rounded up to one decimal, so that a file
// just over a limit never reads as the limit itself ("100 GB", "2,1 GB").
std::string LesbareGroesse(uint64_t bytes)
{
    constexpr uint64_t kGb = uint64_t{1} << 30;
    // The remainder is scaled alone, so that no size overflows.
    const unsigned long long zehntel = bytes / kGb * 10 + (bytes % kGb * 10 + kGb - 1) / kGb;
    if (zehntel % 10 == 0)
        return StringFormat("%llu GB", zehntel / 10);
    return StringFormat("%llu,%llu GB", zehntel / 10, zehntel % 10);
}

} // namespace

CVersucheApp* HoleVersucheApp()
{
    return g_app;
}

bool ErmittleProgrammverzeichnis(std::filesystem::path& ordner)
{
    const std::filesystem::path gefunden = ProgrammOrdner();
    if (gefunden.empty())
        return false;
    ordner = gefunden;
    return true;
}

std::string SchneideAufDateiname(const std::string& pfad)
{
    const size_t trenner = pfad.find_last_of("\\/");
    std::string name = trenner == std::string::npos ? pfad : pfad.substr(trenner + 1);
    const size_t endung = name.find(".axo{");
    if (endung != std::string::npos)
        name.resize(endung + 4);
    return name;
}

bool IstProjektArgument(const std::string& argument)
{
    return argument.ends_with(".axo");
}

std::string BildeLademeldung(const Ladebefund& befund, const std::filesystem::path& datei,
                             int protokolle)
{
    const std::string name = "Die Datei \"" + PfadAlsText(datei) + "\" ";
    const std::string nichtGeoeffnet = name + "kann nicht geöffnet werden";
    const std::string nichtGelesen = name + "kann nicht gelesen werden: ";
    const std::string teilweise = name + "wurde nur teilweise gelesen: Sie ";
    const std::string gelesen = protokolle == 1
                                    ? "\n1 Protokoll wurde gelesen."
                                    : StringFormat("\n%d Protokolle wurden gelesen.", protokolle);
    switch (befund.fehler) {
    case Ladefehler::Keiner:
        return "";
    case Ladefehler::NichtVorhanden:
        return nichtGeoeffnet + ": Sie ist nicht vorhanden.";
    case Ladefehler::IstOrdner:
        return nichtGeoeffnet + ": Es ist ein Ordner.";
    case Ladefehler::NichtOeffenbar:
        return MitUrsache(nichtGeoeffnet, befund.fehlernummer);
    case Ladefehler::KeineDatei:
        return nichtGelesen + kKeineGewoehnlicheDatei;
    case Ladefehler::ZuGross:
        return nichtGelesen + "Sie ist mit " + LesbareGroesse(befund.dateigroesse) +
               " zu groß für eine Projektdatei (höchstens " +
               LesbareGroesse(CProjektDatei::kGroessteLaenge) + ").";
    case Ladefehler::Lesefehler:
        return nichtGelesen + "Beim Lesen ist ein Fehler aufgetreten.";
    case Ladefehler::SpeicherFehlt:
        return nichtGelesen + "Der Arbeitsspeicher reicht dafür nicht aus.";
    case Ladefehler::KeineProjektdatei:
        return name + "ist keine AXO-Projektdatei.";
    case Ladefehler::EndetVorzeitig:
        return teilweise + "endet vorzeitig." + gelesen;
    case Ladefehler::SatzUnlesbar:
        return teilweise + "enthält einen Datensatz, der nicht gelesen werden kann." + gelesen;
    }
    return "";
}

CAxoApp::CAxoApp()
{
    // The report pages paint the logo from here for the whole run.
    SetzeSeitenlogo(&m_firmenlogo);
}

CAxoApp::~CAxoApp()
{
    if (Seitenlogo() == &m_firmenlogo)
        SetzeSeitenlogo(nullptr);
}

bool CAxoApp::LadeFirmenlogo()
{
    return ::LadeFirmenlogo(m_firmenlogo);
}

CVersucheApp::CVersucheApp()
{
    g_app = this;
    // No settings store writes to a file that reads as a project, loaded or not.
    SetzeProjekterkennung(&CProjektDatei::LiestSichAlsProjekt);
    connect(&m_geschwister, &CGeschwisterVerbindung::kopierdatenEmpfangen, this,
            [this](const QByteArray& daten) {
                if (m_hauptfenster)
                    m_hauptfenster->OnCopyData(daten.constData(), daten.size());
            });
}

CVersucheApp::~CVersucheApp()
{
    // The windows go first: the lists still reach the application while they close, and store
    // their layouts, which never go into the project.
    m_hauptfenster.reset();
    m_pMainView = nullptr;
    VergissNurGeleseneDateien();
    SetzeProjekterkennung(nullptr);
    g_app = nullptr;
}

void CVersucheApp::LadeProjekt(const std::filesystem::path& pfad)
{
    m_projektPfad = pfad;
    MerkeNurGeleseneDatei(pfad);
    const Ladebefund befund = m_protokolle.LadeMassnahme(pfad);
    // File New loads from no path at all, which is nothing to tell.
    m_ladebefund = pfad.empty() ? Ladebefund{} : befund;
}

void CVersucheApp::MeldeLadefehler()
{
    const std::string meldung =
        BildeLademeldung(m_ladebefund, m_projektPfad, m_protokolle.GetAnzahl());
    if (!meldung.empty())
        ZeigeMeldung(meldung, IstGeoeffnet(m_ladebefund.fehler) ? MeldungsArt::Warnung
                                                                : MeldungsArt::Fehler);
    m_ladebefund = {};
}

bool CVersucheApp::InitInstance(const QStringList& argumente)
{
    StarteGeschwisterVerbindung();
    g_pfade.LeseDatenpfad();
    // A relative project path names a file seen from where the viewer was started, so it is
    // made absolute before the working directory changes.
    const QString argument = argumente.size() > 1 ? argumente[1] : QString();
    const std::filesystem::path projektPfad =
        PfadAusQString(QFileInfo(argument).absoluteFilePath());
    WechsleInsProgrammverzeichnis();
    if (!LadeFirmenlogo())
        ZeigeMeldung("Datei mit Firmenlogo 'axo.sys' nicht gefunden !!!");
    if (IstProjektArgument(NachCp1252(argument)))
        LadeProjekt(projektPfad);
    if (!m_katalog.Lade())
        return false;
    m_dateiVerlauf.Lade();
    if (!OnFileNew())
        return false;
    m_hauptfenster->show();
    // Told over the window, which shows what could be read.
    MeldeLadefehler();
    return true;
}

void CVersucheApp::StarteGeschwisterVerbindung()
{
    // A second viewer, or one whose socket cannot be made, runs without the sibling link.
    m_geschwister.Lausche(GeschwisterAdresse(QString::fromUtf16(FensterKlasse)));
}

void CVersucheApp::WechsleInsProgrammverzeichnis()
{
    // The logo is looked for there; a failure leaves the directory as it is.
    std::filesystem::path ordner;
    if (ErmittleProgrammverzeichnis(ordner))
        QDir::setCurrent(PfadAlsQString(ordner));
}

bool CVersucheApp::OnFileNew()
{
    if (!m_hauptfenster) {
        m_hauptfenster = std::make_unique<CMainFrame>(m_dokument);
        CMainFrame* rahmen = m_hauptfenster.get();
        connect(rahmen->Aktion(ID_FILE_NEW), &QAction::triggered, this, [this] { OnFileNew(); });
        connect(rahmen->Aktion(ID_FILE_OPEN), &QAction::triggered, this, &CVersucheApp::OnFileOpen);
        connect(rahmen->Aktion(ID_FILE_PRINT_SETUP), &QAction::triggered, this,
                &CVersucheApp::OnFilePrintSetup);
    }
    m_dokument.OnNewDocument();
    m_hauptfenster->HoleAnsicht()->OnInitialUpdate();
    return true;
}

void CVersucheApp::OnFileOpen()
{
    const QString pfad = [this] {
        const CQtSpeicherUmleitung qtSpeicher;
        return QFileDialog::getOpenFileName(m_hauptfenster.get(), u"Öffnen"_s, QString(),
                                            u"AXO Dateien (*.axo)"_s);
    }();
    if (!pfad.isEmpty())
        OeffneDokument(PfadAusQString(pfad));
}

void CVersucheApp::OeffneDokument(const std::filesystem::path& pfad)
{
    m_dokument.OnOpenDocument(pfad);
    m_hauptfenster->HoleAnsicht()->OnInitialUpdate();
    if (IstGeoeffnet(m_ladebefund.fehler))
        m_dateiVerlauf.Hinzufuegen(pfad);
    MeldeLadefehler();
}

void CVersucheApp::OnFilePrintSetup()
{
    CDruckereinrichtungDlg einrichtung(HoleDrucker(), m_hauptfenster.get());
    einrichtung.exec();
}

void CVersucheApp::SetzeQuerformat(bool querformat)
{
    HoleDrucker().setPageOrientation(querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPrinter& CVersucheApp::HoleDrucker()
{
    if (!m_drucker)
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_drucker;
}

void CVersucheApp::OnAppAbout()
{
    QDialog info(m_hauptfenster.get());
    info.setWindowTitle(u"Info"_s);
    auto* layout = new QVBoxLayout(&info);
    for (const QString& zeile : {u"AXO Reader 4.0"_s, u"AXO Protokollübersicht"_s,
                                 u"Anzeige und Druck von Prüfprotokollen"_s})
        layout->addWidget(new QLabel(zeile, &info));
    auto* knopf = new QDialogButtonBox(QDialogButtonBox::Ok, &info);
    connect(knopf, &QDialogButtonBox::accepted, &info, &QDialog::accept);
    layout->addWidget(knopf);
    info.exec();
}
