// Report jobs: the test-type factory, the job of the selected protocols, the page rectangle, and
// the pages as they come out of a PDF printer, read back with poppler's tools.
#include "app/druckereinrichtung.h"
#include "app/mainframe.h"
#include "app/messungsexport.h"
#include "app/messungsliste.h"
#include "app/protokolldruckauftrag.h"
#include "app/protokollliste.h"
#include "app/seitenvorschau.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "app_umgebung.h"
#include "data/pfade.h"
#include "data/protokolle.h"
#include "musterbauer.h"
#include "pages/seitenlogo.h"
#include "platform/einstellungen.h"
#include "platform/exceptions.h"
#include "platform/fehlerursache.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/recordingdc.h"
#include "platform/umgebungsvariable.h"
#include "report/bmp_bauer.h"
#include "report/dib.h"
#include "report/versuchstypen.h"
#include "support/dateigrenze.h"
#include "support/dateirechte.h"
#include "support/fifo.h"
#include "support/speichergrenze.h"
#include "support/systemfehler.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <acl/libacl.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iostream>
#include <linux/fs.h>
#include <map>
#include <new>
#include <optional>
#include <set>
#include <sstream>
#include <string.h>
#include <sys/acl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Output of one of poppler's command-line tools on a file.
QByteArray PopplerAusgabe(const QString& programm, QStringList argumente)
{
    QProcess prozess;
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(30000) || prozess.exitCode() != 0)
        return {};
    return prozess.readAllStandardOutput();
}

QString Poppler(const QString& programm, QStringList argumente)
{
    return QString::fromUtf8(PopplerAusgabe(programm, argumente));
}

QByteArray LeseDatei(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("(fehlt)");
}

int PdfSeitenzahl(const QString& pdf)
{
    for (const QString& zeile : Poppler(u"pdfinfo"_s, {pdf}).split(u'\n'))
        if (zeile.startsWith(u"Pages:"_s))
            return zeile.mid(6).trimmed().toInt();
    return -1;
}

QString PdfSeitentext(const QString& pdf, int seite)
{
    const QString nummer = QString::number(seite);
    return Poppler(u"pdftotext"_s, {u"-f"_s, nummer, u"-l"_s, nummer, pdf, u"-"_s});
}

// The pixels of the PDF's first page, rendered at 50 dpi, whose colour is not a gray.
int FarbigePixel(const QString& pdf)
{
    const QImage bild = QImage::fromData(
        PopplerAusgabe(u"pdftoppm"_s, {u"-r"_s, u"50"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, pdf}),
        "PPM");
    if (bild.isNull())
        return -1;
    int farbig = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor farbe = bild.pixelColor(x, y);
            const auto [dunkel, hell] = std::minmax({farbe.red(), farbe.green(), farbe.blue()});
            farbig += hell - dunkel > 8;
        }
    return farbig;
}

// The texts a recording context got, as one string per text output.
std::vector<std::string> Texte(const RecordingDC& dc)
{
    std::vector<std::string> texte;
    for (const DCEintrag& eintrag : dc.Texte())
        texte.push_back(eintrag.text);
    return texte;
}

bool EnthaeltText(const RecordingDC& dc, const std::string& text)
{
    const std::vector<std::string> texte = Texte(dc);
    return std::find(texte.begin(), texte.end(), text) != texte.end();
}

// A context that fails on its first text, as a page that meets broken data would.
class AbbrechenderDC : public RecordingDC
{
protected:
    void ZeichneText(const TextAusgabe&) override
    {
        throw CInvalidArgException("Text nicht darstellbar");
    }
};

// Paints no picture, as a context whose picture found no memory.
class BildloserDC : public RecordingDC
{
protected:
    bool ZeichneBild(const BildAusgabe&) override { return false; }
};

using Druckergebnis = CProtokolldruckAuftrag::Druckergebnis;

class Druckauftrag : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_vorherigeAusgabe = SetzeMeldungsAusgabe(
            [this](const Meldung& meldung) { m_meldungen.push_back(meldung.text); });
        m_vorherigePfade = g_pfade;
        SchreibeEinstellungInt("protokollnrDrucken", 1);
        SchreibeEinstellungInt("anteilAlsProzent", 0);

        m_protokolle.SetzeMassnahmeWert("massnahme_bezeichnung", "Ortsumgehung Lindenfeld");
        m_protokolle.SetzeMassnahmeWert("massnahme_auftraggeber", "Straßenbauamt Nord");
        m_protokolle.SetzeMassnahmeWert("massnahme_protNrPraefix", "OL");
        m_protokolle.SetzeMassnahmeWert("massnahme_fusstext", "Musterlabor GmbH|Musterstadt");
        FuegeHinzu(BaueProtokoll(1001, 1, "0", 3));               // P000002, one page
        FuegeHinzu(BaueProtokoll(1001, 4, "0", 3));               // P000005, one page
        CProtokoll ohneBericht = BaueProtokoll(1019, 19, "0", 0); // P000020
        ohneBericht.SetzeFeld(3, 0, "4"); // would add four pages if it were printed
        FuegeHinzu(std::move(ohneBericht));
        FuegeHinzu(BaueProtokoll(1020, 20, "0", 0)); // P000021, two pages
    }

    void TearDown() override
    {
        SetzeMeldungsAusgabe(m_vorherigeAusgabe);
        g_pfade = m_vorherigePfade;
    }

    void FuegeHinzu(CProtokoll protokoll)
    {
        m_protokolle.FuegeHinzu(std::make_unique<CProtokoll>(std::move(protokoll)));
    }

    // An A4 PDF printer whose page rectangle the job takes, as the view does.
    void RichtePdfEin(QPrinter& drucker, const QString& datei)
    {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageOrientation(QPageLayout::Portrait);
        m_auftrag.SetzeSeitenrechteck(BildeSeitenrechteck(LeseDruckbereich(drucker)));
    }

    CProtokolle m_protokolle;
    CProtokolldruckAuftrag m_auftrag;
    std::vector<std::string> m_meldungen;
    QTemporaryDir m_ordner;

private:
    MeldungsAusgabe m_vorherigeAusgabe;
    CPfade m_vorherigePfade;
};

} // namespace

TEST(Versuchsfabrik, EveryTestTypeGetsItsClassAndTheOthersNone)
{
    const auto ist = [](int pruefart, auto* muster) {
        std::unique_ptr<CVirtVersuch> versuch = ErzeugeVersuch(pruefart, 0);
        return dynamic_cast<decltype(muster)>(versuch.get()) != nullptr;
    };
    EXPECT_TRUE(ist(1000, (CV_kornsummenlinie*)nullptr));
    EXPECT_TRUE(ist(1001, (CV_proctor*)nullptr));
    EXPECT_TRUE(ist(1002, (CV_verdichtung*)nullptr));
    EXPECT_TRUE(ist(1003, (CV_lastplatte*)nullptr));
    EXPECT_TRUE(ist(1004, (CV_rammsondierung*)nullptr));
    EXPECT_TRUE(ist(1005, (CV_plattendruck*)nullptr));
    EXPECT_TRUE(ist(1006, (CV_zustandsgrenzen*)nullptr));
    EXPECT_TRUE(ist(1007, (CV_troxler*)nullptr));
    EXPECT_TRUE(ist(1008, (CV_korndichte*)nullptr));
    EXPECT_TRUE(ist(1009, (CV_bindemittelmenge*)nullptr));
    EXPECT_TRUE(ist(1010, (CV_bodenaustauschdicke*)nullptr));
    EXPECT_TRUE(ist(1011, (CV_wassergehalt*)nullptr));
    EXPECT_TRUE(ist(1012, (CV_lastplatte15kg*)nullptr));
    EXPECT_TRUE(ist(1013, (CV_Glueverlust*)nullptr));
    EXPECT_TRUE(ist(1014, (CV_Sedimentation*)nullptr));
    EXPECT_TRUE(ist(1015, (CV_Terzaghi*)nullptr));
    EXPECT_TRUE(ist(1016, (CV_Kalkgehalt*)nullptr));
    EXPECT_TRUE(ist(1017, (CV_Wasserdlkb*)nullptr));
    EXPECT_TRUE(ist(1018, (CV_Grafikmisch*)nullptr));
    EXPECT_TRUE(ist(1020, (CV_Notiz*)nullptr));

    for (int ohneKlasse : {1019, 999, 1021, 0, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(ErzeugeVersuch(ohneKlasse, 0), nullptr) << ohneKlasse;
}

TEST(Seitenrechteck, StartsTenMillimetresIntoTheSheetAndEndsAboveThePrintableBottom)
{
    // A4 with a printable area 4.23 mm and 5 mm in from the sheet's edges, 201 x 287 mm large.
    EXPECT_EQ(BildeSeitenrechteck({423, 500, 201, 287}), (RECT{577, -1500, 20100, -28600}));
    // A borderless sheet.
    EXPECT_EQ(BildeSeitenrechteck({0, 0, 210, 297}), (RECT{1000, -1000, 21000, -29600}));
}

TEST_F(Druckauftrag, NothingSelectedShowsTheTabsMessageAndStartsNoJob)
{
    EXPECT_FALSE(PruefeDruckauswahl(true, false));
    EXPECT_FALSE(PruefeDruckauswahl(false, false));
    EXPECT_TRUE(PruefeDruckauswahl(true, true));
    EXPECT_EQ(m_meldungen, (std::vector<std::string>{
                               "Die zu druckenden Protokolle müssen vorher ausgewählt werden!",
                               "Die zu druckenden Messungen müssen vorher ausgewählt werden!"}));

    // An empty selection makes an empty job, which neither draws nor starts the printer.
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002"});
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {});
    EXPECT_EQ(m_auftrag.GetSeitenzahl(), 0);
    RecordingDC dc;
    EXPECT_FALSE(m_auftrag.DruckeSeite(1, dc));
    EXPECT_TRUE(dc.Eintraege().empty());
    const QString datei = m_ordner.filePath(u"leer.pdf"_s);
    QPrinter drucker(QPrinter::HighResolution);
    RichtePdfEin(drucker, datei);
    EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false), Druckergebnis::Gedruckt);
    EXPECT_FALSE(QFile::exists(datei));
}

TEST_F(Druckauftrag, OnlyProtocolsWithAReportAndStillInTheCollectionAddPages)
{
    // Proctor (1 page), no report (1019), note (2 pages), and a row whose protocol is gone.
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002", "P000020", "P000021", "P999999"});
    ASSERT_EQ(m_auftrag.GetSeitenzahl(), 3);

    // Proctor first, then the note's pages, each with the project's header.
    RecordingDC proctor, notiz1, notiz2;
    EXPECT_TRUE(m_auftrag.DruckeSeite(1, proctor));
    EXPECT_TRUE(m_auftrag.DruckeSeite(2, notiz1));
    EXPECT_TRUE(m_auftrag.DruckeSeite(3, notiz2));
    EXPECT_TRUE(EnthaeltText(proctor, "OL-00002PV"));
    EXPECT_TRUE(EnthaeltText(notiz1, "Seite 1 von 2"));
    EXPECT_TRUE(EnthaeltText(notiz2, "Seite 2 von 2"));
    for (const RecordingDC* seite : {&proctor, &notiz1, &notiz2})
        EXPECT_TRUE(EnthaeltText(*seite, "Ortsumgehung Lindenfeld"));

    // Pages outside the job draw nothing.
    RecordingDC ausserhalb;
    EXPECT_FALSE(m_auftrag.DruckeSeite(0, ausserhalb));
    EXPECT_FALSE(m_auftrag.DruckeSeite(4, ausserhalb));
    EXPECT_TRUE(ausserhalb.Eintraege().empty());

    // The next job replaces the previous one.
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000020"});
    EXPECT_EQ(m_auftrag.GetSeitenzahl(), 0);

    // A selection that would print no page is told so before any dialog opens; a Proctor test
    // whose data give it no page has no report either.
    CProtokoll ohneSeiten = BaueProtokoll(1001, 6, "0", 3); // P000007
    ohneSeiten.SetzeFeld(3, 0, "0");
    FuegeHinzu(std::move(ohneSeiten));
    EXPECT_FALSE(PruefeBerichte(m_protokolle, {"P000020", "P999999", "P000007"}));
    EXPECT_EQ(m_meldungen,
              std::vector<std::string>{"Die Auswahl enthält kein Protokoll mit einem Bericht."});
    EXPECT_TRUE(PruefeBerichte(m_protokolle, {"P000020", "P000021"}));
    EXPECT_EQ(m_meldungen.size(), 1u);
}

TEST_F(Druckauftrag, ThePrintSettingsAreReadAgainBeforeEveryPage)
{
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002", "P000005"});
    ASSERT_EQ(m_auftrag.GetSeitenzahl(), 2);
    g_pfade.protokollnrDrucken = false;

    RecordingDC erste, zweite;
    EXPECT_TRUE(m_auftrag.DruckeSeite(1, erste));
    SchreibeEinstellungInt("protokollnrDrucken", 0);
    EXPECT_TRUE(m_auftrag.DruckeSeite(2, zweite));

    EXPECT_TRUE(EnthaeltText(erste, "Protokoll Nr."));
    EXPECT_TRUE(EnthaeltText(erste, "OL-00002PV"));
    EXPECT_FALSE(EnthaeltText(zweite, "Protokoll Nr."));
    EXPECT_FALSE(EnthaeltText(zweite, "OL-00005PV"));
    EXPECT_TRUE(EnthaeltText(zweite, "Ortsumgehung Lindenfeld"));
}

TEST_F(Druckauftrag, AFailingPageKeepsWhatItDrewAndTheJobGoesOn)
{
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002", "P000005"});
    AbbrechenderDC bricht;
    RecordingDC naechste;
    EXPECT_FALSE(m_auftrag.DruckeSeite(1, bricht));
    EXPECT_FALSE(bricht.Eintraege().empty()) << "the frame drawn before the failure is kept";
    EXPECT_TRUE(m_auftrag.DruckeSeite(2, naechste));
    EXPECT_TRUE(EnthaeltText(naechste, "OL-00005PV"));
}

TEST_F(Druckauftrag, ALogoThatCannotBePaintedFailsItsPage)
{
    // A report page and the summary table's first page; without a logo they need none.
    BmpBauer bild;
    bild.bits = std::string(4, '\0');
    CDib logo;
    std::istringstream datei(bild.Datei());
    ASSERT_GT(logo.Lese(datei), 0u);
    for (const CDib* seitenlogo : std::initializer_list<const CDib*>{nullptr, &logo}) {
        SetzeSeitenlogo(seitenlogo);
        BildloserDC bericht, tabelle;
        m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002"});
        EXPECT_EQ(m_auftrag.DruckeSeite(1, bericht), seitenlogo == nullptr);
        m_auftrag.BereiteZusammenstellungVor(m_protokolle, {{"P000002", "1"}});
        EXPECT_EQ(m_auftrag.DruckeSeite(1, tabelle), seitenlogo == nullptr);
    }
    SetzeSeitenlogo(nullptr);
}

TEST_F(Druckauftrag, APdfHoldsTheJobsPagesOrTheRangeChosenInThePrintDialog)
{
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002", "P000021"});
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPrintRange(QPrinter::PageRange);
    drucker.setFromTo(3, 3);

    const QString gewaehlt = m_ordner.filePath(u"gewaehlt.pdf"_s);
    RichtePdfEin(drucker, gewaehlt);
    ASSERT_EQ(m_auftrag.DruckeSeiten(drucker, true), Druckergebnis::Gedruckt);
    ASSERT_EQ(PdfSeitenzahl(gewaehlt), 1);
    EXPECT_TRUE(PdfSeitentext(gewaehlt, 1).contains(u"Aufgestellt: S. Lindholm"_s));

    // The preview shows the whole job whatever range the dialog left.
    const QString alle = m_ordner.filePath(u"alle.pdf"_s);
    RichtePdfEin(drucker, alle);
    ASSERT_EQ(m_auftrag.DruckeSeiten(drucker, false), Druckergebnis::Gedruckt);
    ASSERT_EQ(PdfSeitenzahl(alle), 3);
    const QString proctor = PdfSeitentext(alle, 1);
    EXPECT_TRUE(proctor.contains(u"Proctorversuch nach DIN 18127"_s)) << proctor.toStdString();
    EXPECT_TRUE(proctor.contains(u"Ortsumgehung Lindenfeld"_s));
    EXPECT_TRUE(proctor.contains(u"Straßenbauamt Nord"_s));
    EXPECT_TRUE(proctor.contains(u"OL-00002PV"_s));
    EXPECT_TRUE(PdfSeitentext(alle, 2).contains(u"Teilnehmer: Bauherr"_s));

    // A range beyond the job prints nothing at all, and says so.
    const QString jenseits = m_ordner.filePath(u"jenseits.pdf"_s);
    drucker.setFromTo(5, 6);
    RichtePdfEin(drucker, jenseits);
    EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, true), Druckergebnis::KeineSeiteImBereich);
    EXPECT_FALSE(QFile::exists(jenseits));
}

TEST_F(Druckauftrag, APdfThatCannotBeWrittenIsReported)
{
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002"});
    QPrinter drucker(QPrinter::HighResolution);
    RichtePdfEin(drucker, m_ordner.filePath(u"fehlt/bericht.pdf"_s));
    EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false), Druckergebnis::NichtAngelegt);
    EXPECT_EQ(m_auftrag.HoleFehlernummer(), ENOENT);
}

TEST_F(Druckauftrag, ALongPrintTellsItsProgressAndCanBeCancelled)
{
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002", "P000005", "P000021"});
    QPrinter drucker(QPrinter::HighResolution);
    const QString ganz = m_ordner.filePath(u"ganz.pdf"_s);
    RichtePdfEin(drucker, ganz);
    std::vector<std::pair<int, int>> gemeldet;
    const auto melde = [&](int fertig, int gesamt) {
        gemeldet.emplace_back(fertig, gesamt);
        return true;
    };
    EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false, melde), Druckergebnis::Gedruckt);
    EXPECT_EQ(gemeldet, (std::vector<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}}));
    EXPECT_EQ(PdfSeitenzahl(ganz), 4);

    const QString abgebrochen = m_ordner.filePath(u"abgebrochen.pdf"_s);
    RichtePdfEin(drucker, abgebrochen);
    int gezeichnet = 0;
    EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false,
                                     [&](int fertig, int) {
                                         gezeichnet = fertig;
                                         return fertig < 2;
                                     }),
              Druckergebnis::Abgebrochen);
    EXPECT_EQ(gezeichnet, 2) << "no page after the cancel";
    EXPECT_FALSE(QFile::exists(abgebrochen)) << "no incomplete file";

    // An old file stays as it was, also one in a folder that takes no new file, which would be
    // printed in place.
    const QByteArray alt = LeseDatei(ganz);
    const QString nurLesbar = m_ordner.filePath(u"nur lesbar"_s);
    const QString imNurLesbaren = nurLesbar + u"/ganz.pdf"_s;
    ASSERT_TRUE(QDir().mkpath(nurLesbar));
    ASSERT_TRUE(QFile::copy(ganz, imNurLesbaren));
    ASSERT_EQ(chmod(QFile::encodeName(nurLesbar).constData(), 0555), 0);
    for (const QString& ziel : {ganz, imNurLesbaren}) {
        RichtePdfEin(drucker, ziel);
        const CNurDateirechte nurDateirechte;
        EXPECT_EQ(
            m_auftrag.DruckeSeiten(drucker, false, [](int fertig, int) { return fertig < 2; }),
            Druckergebnis::Abgebrochen);
        EXPECT_EQ(LeseDatei(ziel), alt) << ziel.toStdString();
    }
    chmod(QFile::encodeName(nurLesbar).constData(), 0755);
    RichtePdfEin(drucker, abgebrochen);

    // What has taken the file's place meanwhile is neither the print's to remove nor to replace.
    const std::string fifo = abgebrochen.toStdString();
    EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false,
                                     [&](int, int) {
                                         std::filesystem::remove(fifo);
                                         return mkfifo(fifo.c_str(), 0644) != 0;
                                     }),
              Druckergebnis::Abgebrochen);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    {
        CFifoLeser leser(fifo);
        EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false), Druckergebnis::NichtGeschrieben);
        EXPECT_FALSE(leser.HatGelesen());
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{u"abgebrochen.pdf"_s, u"ganz.pdf"_s}))
        << "nothing left beside them";
}

namespace {

// The permission bits of a file.
unsigned Rechte(const QString& pfad)
{
    struct stat info;
    return stat(QFile::encodeName(pfad).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

} // namespace

TEST_F(Druckauftrag, AFileBeingPrintedIsReadableByNoOtherUntilItIsWhole)
{
    // Only the whole file takes an old one's permission bits, or a new file's; before, another
    // user who opens it could read the report.
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002", "P000021"});
    QPrinter drucker(QPrinter::HighResolution);
    const QString alt = m_ordner.filePath(u"alt.pdf"_s);
    const QString neu = m_ordner.filePath(u"neu.pdf"_s);
    std::ofstream(PfadAusQString(alt)) << "alter Bericht";
    ASSERT_EQ(chmod(QFile::encodeName(alt).constData(), 0644), 0);
    std::set<unsigned> rechteWaehrendDesDrucks;
    const auto beobachte = [&](int, int) {
        for (const QString& datei :
             QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (datei != u"alt.pdf"_s)
                rechteWaehrendDesDrucks.insert(Rechte(m_ordner.filePath(datei)));
        return true;
    };
    const mode_t maske = umask(027);
    for (const QString& ziel : {alt, neu}) {
        RichtePdfEin(drucker, ziel);
        EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false, beobachte), Druckergebnis::Gedruckt);
    }
    umask(maske);
    EXPECT_EQ(rechteWaehrendDesDrucks, std::set<unsigned>{0600});
    EXPECT_EQ(Rechte(alt), 0644u);
    EXPECT_EQ(Rechte(neu), 0640u);
}

#if !defined(__SANITIZE_ADDRESS__) // the sanitizers' checks of a pointer write to a pipe of theirs
namespace {

// The write calls this thread has made so far.
long Schreibaufrufe()
{
    std::ifstream io("/proc/thread-self/io");
    std::string name;
    long wert = 0;
    while (io >> name >> wert)
        if (name == "syscw:")
            return wert;
    return -1;
}

} // namespace

TEST_F(Druckauftrag, APrintedFileReachesTheDiskInBlocks)
{
    m_auftrag.BereiteProtokolldruckVor(m_protokolle, {"P000002", "P000005", "P000021"});
    QPrinter drucker(QPrinter::HighResolution);
    const QString datei = m_ordner.filePath(u"bericht.pdf"_s);
    RichtePdfEin(drucker, datei);
    const long vorher = Schreibaufrufe();
    ASSERT_GE(vorher, 0);
    EXPECT_EQ(m_auftrag.DruckeSeiten(drucker, false), Druckergebnis::Gedruckt);
    const long aufrufe = Schreibaufrufe() - vorher;
    const qint64 groesse = QFileInfo(datei).size();
    EXPECT_LE(aufrufe, groesse / 32768 + 4) << groesse << " bytes";
}
#endif

class Druckbefehle : public AppUmgebung
{
protected:
    void SetUp() override
    {
        AppUmgebung::SetUp();
        ASSERT_TRUE(m_app.InitInstance({u"axo-reader"_s}));
        m_ansicht = m_app.HoleHauptfenster()->HoleAnsicht();
        m_meldungen.clear(); // the start-up's own, such as the missing logo
    }

    CVersucheApp m_app;
    CVersucheView* m_ansicht = nullptr;
};

TEST_F(Druckbefehle, WithoutSelectionNeitherPrintNorPreviewStarts)
{
    m_app.SetzeQuerformat(true);
    m_ansicht->OnFilePrintPreview(); // would block in its dialog if it started
    m_ansicht->OnFilePrint();
    const Meldung protokolleFehlen{"Die zu druckenden Protokolle müssen vorher ausgewählt werden!",
                                   "Drucken", MeldungsArt::Warnung};
    EXPECT_EQ(m_meldungen, std::vector(2, protokolleFehlen));
    EXPECT_EQ(m_ansicht->HoleDruckauftrag().GetSeitenzahl(), 0);
    EXPECT_EQ(m_app.HoleDrucker().pageLayout().orientation(), QPageLayout::Landscape)
        << "a refused job leaves the printer as it was";

    m_meldungen.clear();
    m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    m_ansicht->OnFilePrintPreview();
    const Meldung messungenFehlen{"Die zu druckenden Messungen müssen vorher ausgewählt werden!",
                                  "Drucken", MeldungsArt::Warnung};
    EXPECT_EQ(m_meldungen, std::vector{messungenFehlen});
}

namespace {

// The sample project and a protocol of a type that prints no report, as older projects hold.
MusterProjekt MusterMitProtokollOhneBericht()
{
    MusterProjekt projekt = BaueMusterprojekt();
    projekt.protokolle.push_back(BaueProtokoll(1019, 99, "0", 0)); // P000100
    return projekt;
}

// Selects the rows of a list whose protocols have these identifiers.
void Waehle(CAppListCtrl& liste, const std::set<std::string>& ids)
{
    liste.clearSelection();
    for (int zeile = 0; zeile < liste.HoleModell().rowCount(); ++zeile)
        if (ids.count(liste.HoleInfo(zeile)->schluessel) != 0)
            liste.selectionModel()->select(liste.HoleModell().index(zeile, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace

TEST_F(Druckbefehle, ProtocolsPrintInPortraitAndMeasurementsAsLandscapeSummary)
{
    const std::string pfad = ProgrammOrdnerText() + "/Musterprojekt.axo";
    ASSERT_TRUE(SchreibeProjektDatei(MusterMitProtokollOhneBericht(), pfad));
    m_app.OeffneDokument(pfad);
    m_meldungen.clear();
    m_app.SetzeQuerformat(true);

    // Proctor, a protocol without report, and the two-page note.
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002", "P000100", "P000020"});
    const std::vector<const ITEMINFOS*> auswahl =
        m_ansicht->HoleProtokollListe()->HoleAusgewaehlteInfos();
    ASSERT_EQ(auswahl.size(), 3u);
    ASSERT_EQ(auswahl[1]->schluessel, "P000020");
    ASSERT_EQ(auswahl[2]->schluessel, "P000002");
    ASSERT_TRUE(m_ansicht->OnPreparePrinting());
    EXPECT_TRUE(m_meldungen.empty());
    EXPECT_EQ(m_app.HoleDrucker().pageLayout().orientation(), QPageLayout::Portrait);

    QTemporaryDir ordner;
    const QString datei = ordner.filePath(u"bericht.pdf"_s);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    m_ansicht->OnBeginPrinting(drucker);
    EXPECT_EQ(m_ansicht->HoleDruckauftrag().GetSeitenzahl(), 3);
    m_ansicht->OnPrint(drucker, true);
    ASSERT_EQ(PdfSeitenzahl(datei), 3);
    // The list, sorted by test type, shows the protocol without report (no pages), the note, the
    // Proctor test.
    const QString notiz = PdfSeitentext(datei, 1);
    EXPECT_TRUE(notiz.contains(u"Aktennotiz Baubesprechung"_s));
    EXPECT_TRUE(notiz.contains(u"Seite 1 von 2"_s));
    EXPECT_TRUE(PdfSeitentext(datei, 2).contains(u"Seite 2 von 2"_s));
    const QString proctor = PdfSeitentext(datei, 3);
    EXPECT_TRUE(proctor.contains(u"Proctorversuch nach DIN 18127"_s));
    EXPECT_TRUE(proctor.contains(u"Ortsumgehung Lindenfeld, B 417 Bauabschnitt 2"_s));
    EXPECT_TRUE(proctor.contains(u"OL-00002PV"_s));

    // Selected measurements print as the summary table in landscape.
    m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    CMessungsListCtrl& messungen = *m_ansicht->HoleMessungsListe();
    ASSERT_GT(messungen.HoleModell().rowCount(), 1);
    for (int zeile : {0, 1})
        messungen.selectionModel()->select(messungen.HoleModell().index(zeile, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ASSERT_TRUE(m_ansicht->OnPreparePrinting());
    EXPECT_TRUE(m_meldungen.empty());
    EXPECT_EQ(m_app.HoleDrucker().pageLayout().orientation(), QPageLayout::Landscape);
    const QString tabelle = ordner.filePath(u"zusammenstellung.pdf"_s);
    QPrinter querdrucker(QPrinter::HighResolution);
    querdrucker.setOutputFormat(QPrinter::PdfFormat);
    querdrucker.setPageOrientation(QPageLayout::Landscape);
    querdrucker.setOutputFileName(tabelle);
    m_ansicht->OnBeginPrinting(querdrucker);
    EXPECT_EQ(m_ansicht->HoleDruckauftrag().GetSeitenzahl(), 1);
    m_ansicht->OnPrint(querdrucker, true);
    ASSERT_EQ(PdfSeitenzahl(tabelle), 1);
    EXPECT_TRUE(PdfSeitentext(tabelle, 1).contains(u"Zusammenstellung der Prüfergebnisse"_s));
    EXPECT_TRUE(Poppler(u"pdfinfo"_s, {tabelle}).contains(u"842 x 595 pts"_s));

    // The next report job switches back to portrait.
    m_ansicht->HoleTabCtrl()->setCurrentIndex(0);
    ASSERT_TRUE(m_ansicht->OnPreparePrinting());
    EXPECT_EQ(m_app.HoleDrucker().pageLayout().orientation(), QPageLayout::Portrait);
}

namespace {

// What a preview showed: its pages, the orientation of its sheets, the pages it drew.
struct Vorschaubefund
{
    int seiten = -1;
    QPageLayout::Orientation ausrichtung = QPageLayout::Portrait;
    std::vector<int> gezeichnet;
};

// Answers the next print dialog as a user would: pages `von` to `bis` (0: all pages as offered),
// the colour mode `farbmodus` ("color" or "grayscale"; empty: as offered), what `einstellen`
// sets, then presses "Drucken", "Yes" to Qt's question whether to overwrite a file and "OK" to
// its warnings. A dialog that stays open after that, having refused the file, is cancelled and
// counted in `abgelehnt`.
void BeantworteDruckdialog(QObject& kontext, int von = 0, int bis = 0, int* abgelehnt = nullptr,
                           const QString& farbmodus = {},
                           const std::function<void(QPrintDialog&)>& einstellen = {})
{
    QTimer::singleShot(0, &kontext, [von, bis, abgelehnt, farbmodus, einstellen] {
        auto* dialog = OffenesFenster<QPrintDialog>();
        if (dialog == nullptr)
            return;
        if (!farbmodus.isEmpty())
            dialog->findChild<QRadioButton*>(farbmodus)->click();
        if (einstellen)
            einstellen(*dialog);
        if (von > 0) {
            dialog->findChild<QRadioButton*>(u"printRange"_s)->setChecked(true);
            dialog->findChild<QSpinBox*>(u"to"_s)->setValue(bis);
            dialog->findChild<QSpinBox*>(u"from"_s)->setValue(von);
        }
        QTimer ja;
        QObject::connect(&ja, &QTimer::timeout, [] {
            if (auto* frage = OffenesFenster<QMessageBox>())
                (frage->button(QMessageBox::Yes) ? frage->button(QMessageBox::Yes)
                                                 : frage->button(QMessageBox::Ok))
                    ->click();
        });
        ja.start(10);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        if (dialog->isVisible()) {
            dialog->reject();
            if (abgelehnt != nullptr)
                ++*abgelehnt;
        }
    });
}

class Druckbefehle_Muster : public Druckbefehle
{
protected:
    void SetUp() override
    {
        Druckbefehle::SetUp();
        const std::string pfad = ProgrammOrdnerText() + "/Musterprojekt.axo";
        ASSERT_TRUE(SchreibeProjektDatei(MusterMitProtokollOhneBericht(), pfad));
        m_app.OeffneDokument(pfad);
        m_meldungen.clear();
        QPrinter& drucker = m_app.HoleDrucker();
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(m_ordner.filePath(u"druck.pdf"_s));
    }

    // Opens the preview of the shown tab; `waehrenddessen` runs in it before it closes.
    Vorschaubefund ZeigeVorschau(const std::function<void(CSeitenvorschau&)>& waehrenddessen = {})
    {
        Vorschaubefund befund;
        QTimer::singleShot(0, &m_kontext, [&] {
            auto* vorschau = OffenesFenster<CSeitenvorschau>();
            if (vorschau == nullptr)
                return;
            CSeitenansicht& ansicht = vorschau->Ansicht();
            ansicht.viewport()->grab();
            befund = {ansicht.Seitenzahl(), ansicht.Layout().orientation(),
                      ansicht.GezeichneteSeiten()};
            if (waehrenddessen)
                waehrenddessen(*vorschau);
            vorschau->reject();
        });
        m_ansicht->OnFilePrintPreview();
        return befund;
    }

    void WaehleMessungen(std::initializer_list<int> zeilen)
    {
        m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
        CMessungsListCtrl& liste = *m_ansicht->HoleMessungsListe();
        liste.clearSelection();
        for (int zeile : zeilen)
            liste.selectionModel()->select(liste.HoleModell().index(zeile, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QString PdfDatei() const { return m_ordner.filePath(u"druck.pdf"_s); }

    // Writes `pfad` as the print job begun on `drucker` does, or as the export does, which tells
    // its cause in `fehlernummer`.
    void DruckeOderExportiere(QPrinter& drucker, const QString& pfad, bool exportieren,
                              int* fehlernummer = nullptr)
    {
        drucker.setOutputFileName(pfad);
        if (exportieren)
            SchreibeMessungsExport(pfad, "neu\n", fehlernummer);
        else
            m_ansicht->OnPrint(drucker, true);
    }

    QTemporaryDir m_ordner;
    QObject m_kontext;
};

} // namespace

TEST_F(Druckbefehle_Muster, APreviewShowsOnlyItsJobsPagesOnSheetsOfTheJobsOrientation)
{
    WaehleMessungen({0, 1});
    m_app.SetzeQuerformat(false);
    const Vorschaubefund tabelle = ZeigeVorschau();
    EXPECT_EQ(tabelle.seiten, 1);
    EXPECT_EQ(tabelle.ausrichtung, QPageLayout::Landscape);
    EXPECT_EQ(tabelle.gezeichnet, std::vector<int>{1});

    m_ansicht->HoleTabCtrl()->setCurrentIndex(0);
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000020"});
    const Vorschaubefund notiz = ZeigeVorschau();
    EXPECT_EQ(notiz.seiten, 2);
    EXPECT_EQ(notiz.ausrichtung, QPageLayout::Portrait);
}

TEST_F(Druckbefehle_Muster, ASelectionWithoutAReportIsToldSoWithoutADialog)
{
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000100"});
    BeantworteDruckdialog(m_kontext);
    m_ansicht->OnFilePrint();
    EXPECT_EQ(ZeigeVorschau().seiten, -1) << "no preview";
    EXPECT_FALSE(QFile::exists(PdfDatei()));
    const Meldung keinBericht{"Die Auswahl enthält kein Protokoll mit einem Bericht.", "Drucken",
                              MeldungsArt::Warnung};
    EXPECT_EQ(m_meldungen, std::vector(2, keinBericht));
}

TEST_F(Druckbefehle_Muster, ThePrintDialogRefusesWhatCannotBePrintedBeforeQtOpensIt)
{
    // The project, another name of it, the project loaded before it, one never loaded, a FIFO
    // without a reader (Qt's own check would hold the viewer until one came), a link loop, a name
    // too long, a file in a folder that is not there, a link to one, a name through a file, a file
    // in a folder that may be written but not searched: each is refused in the dialog, which stays
    // open, before Qt asks to overwrite it or opens it (and calls it write-protected).
    const QString frueher = PfadAlsQString(m_app.HoleProjektPfad());
    const QString nieGeladen = m_ordner.filePath(u"nie geladen.axo"_s);
    ASSERT_TRUE(QFile::copy(frueher, nieGeladen));
    ASSERT_TRUE(QFile::copy(frueher, m_ordner.filePath(u"jetzt.axo"_s)));
    m_app.OeffneDokument(QFile::encodeName(m_ordner.filePath(u"jetzt.axo"_s)).toStdString());
    const QString projekt = PfadAlsQString(m_app.HoleProjektPfad());
    const QString anderer = m_ordner.filePath(u"anderer Name.axo"_s);
    std::filesystem::create_hard_link(m_app.HoleProjektPfad(), PfadAusQString(anderer));
    const QString fifo = m_ordner.filePath(u"leser.pdf"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString schleife = m_ordner.filePath(u"schleife.pdf"_s);
    ASSERT_TRUE(QFile::link(schleife, schleife));
    const QString zuLang = m_ordner.filePath(QString(256, u'a') + u".pdf"_s);
    const QString ohneOrdner = m_ordner.filePath(u"fehlt/druck.pdf"_s);
    const QString verweisOhneOrdner = m_ordner.filePath(u"verweis.pdf"_s);
    ASSERT_TRUE(QFile::link(u"fehlt/druck.pdf"_s, verweisOhneOrdner));
    const QString notizen = m_ordner.filePath(u"notizen.txt"_s);
    const QString durchDatei = notizen + u"/druck.pdf"_s;
    std::ofstream(PfadAusQString(notizen)) << "Notizen";
    const QString ohneSuche = m_ordner.filePath(u"ohne Suche"_s);
    const QString inOhneSuche = ohneSuche + u"/druck.pdf"_s;
    ASSERT_TRUE(QDir().mkpath(ohneSuche));
    ASSERT_EQ(chmod(QFile::encodeName(ohneSuche).constData(), 0666), 0);
    const QByteArray projektVorher = LeseDatei(projekt);
    const Meldung geschuetzt{"Die geöffnete Projektdatei kann nicht überschrieben werden.",
                             ProgrammTitel, MeldungsArt::Warnung};
    const auto dateifehler = [](const QString& pfad, const std::string& was) {
        return Meldung{"Die Datei \"" + NachCp1252(pfad) + "\" " + was, ProgrammTitel,
                       MeldungsArt::Fehler};
    };
    const auto projektdatei = [](const QString& pfad) {
        return Meldung{"Die Datei \"" + NachCp1252(pfad) +
                           "\" ist eine Projektdatei. Projektdateien werden nicht überschrieben.",
                       ProgrammTitel, MeldungsArt::Warnung};
    };
    const std::vector<std::pair<QString, Meldung>> faelle{
        {projekt, geschuetzt},
        {anderer, geschuetzt},
        {frueher, projektdatei(frueher)},
        {nieGeladen, projektdatei(nieGeladen)},
        {fifo, dateifehler(fifo, "kann nicht beschrieben werden: Es ist keine gewöhnliche Datei.")},
        {schleife, dateifehler(schleife, "kann nicht angelegt werden: Der Pfad enthält eine "
                                         "Schleife symbolischer Verknüpfungen.")},
        {zuLang, dateifehler(zuLang, "kann nicht angelegt werden: Der Name ist zu lang.")},
        {ohneOrdner, dateifehler(ohneOrdner, "kann nicht angelegt werden: Der Ordner \"" +
                                                 NachCp1252(m_ordner.filePath(u"fehlt"_s)) +
                                                 "\" ist nicht vorhanden.")},
        {verweisOhneOrdner,
         dateifehler(verweisOhneOrdner, "kann nicht angelegt werden: Der Ordner \"" +
                                            NachCp1252(m_ordner.filePath(u"fehlt"_s)) +
                                            "\" ist nicht vorhanden.")},
        {durchDatei, dateifehler(durchDatei, "kann nicht angelegt werden: Der Ordner \"" +
                                                 NachCp1252(notizen) + "\" ist nicht vorhanden.")},
        {inOhneSuche,
         dateifehler(inOhneSuche, "kann im Ordner \"" + NachCp1252(ohneSuche) +
                                      "\" nicht angelegt werden: Die Berechtigung dafür fehlt.")}};

    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    for (const auto& [ziel, meldung] : faelle) {
        m_meldungen.clear();
        m_app.HoleDrucker().setOutputFileName(ziel);
        int abgelehnt = 0;
        const CFifoWaechter waechter(fifo.toStdString());
        BeantworteDruckdialog(m_kontext, 0, 0, &abgelehnt);
        {
            const CNurDateirechte nurDateirechte;
            m_ansicht->OnFilePrint();
        }
        EXPECT_FALSE(waechter.HatGewartet()) << ziel.toStdString();
        EXPECT_EQ(abgelehnt, 1) << ziel.toStdString();
        EXPECT_EQ(m_meldungen, std::vector{meldung}) << ziel.toStdString();
    }
    for (const QString& datei : {projekt, frueher, nieGeladen})
        EXPECT_EQ(LeseDatei(datei), projektVorher);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo.toStdString()));
    EXPECT_FALSE(QFile::exists(ohneOrdner));
    chmod(QFile::encodeName(ohneSuche).constData(), 0755);
}

TEST_F(Druckbefehle_Muster, APrintIntoALinkToAFileNotThereYetWritesTheFileItNames)
{
    // Qt's print dialog, to learn whether it may write there, would make an empty file where the
    // link points and then remove the link instead of it.
    ASSERT_TRUE(QDir(m_ordner.path()).mkdir(u"archiv"_s));
    const QString verweis = m_ordner.filePath(u"bericht.pdf"_s);
    const QString ziel = m_ordner.filePath(u"archiv/bericht 2024.pdf"_s);
    ASSERT_TRUE(QFile::link(u"archiv/bericht 2024.pdf"_s, verweis));
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002", "P000020"});
    m_app.HoleDrucker().setOutputFileName(verweis);
    BeantworteDruckdialog(m_kontext);
    m_ansicht->OnFilePrint();
    EXPECT_EQ(m_meldungen, std::vector<Meldung>{});
    EXPECT_EQ(QFileInfo(verweis).symLinkTarget().toStdString(), ziel.toStdString());
    EXPECT_EQ(PdfSeitenzahl(ziel), 3);
    EXPECT_EQ(m_app.HoleDrucker().outputFileName().toStdString(), verweis.toStdString())
        << "the next dialog offers the link";
    EXPECT_EQ(QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{u"bericht.pdf"_s});
    EXPECT_EQ(QDir(m_ordner.filePath(u"archiv"_s)).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"bericht 2024.pdf"_s});
}

TEST_F(Druckbefehle_Muster, APrintedFileTakesTheOldOnesPlaceOnlyWhenItIsWhole)
{
    // The old report, reached through a link, under a name too long to take a suffix, another
    // user's, with set-ID bits.
    namespace fs = std::filesystem;
    const QString altName = QString(246, u'a') + u".pdf"_s;
    const QString alt = m_ordner.filePath(altName);
    const QString verweis = m_ordner.filePath(u"verweis.pdf"_s);
    std::ofstream(PfadAusQString(alt)) << "alter Bericht";
    const bool fremd = DarfBesitzGeben("another user's report");
    const uid_t besitzer = fremd ? 4321 : getuid();
    const gid_t gruppe = fremd ? 4322 : getgid();
    ASSERT_EQ(chown(QFile::encodeName(alt).constData(), besitzer, gruppe), 0);
    ASSERT_EQ(chmod(QFile::encodeName(alt).constData(), 06750), 0);
    fs::create_symlink(PfadAusQString(altName), PfadAusQString(verweis));
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(verweis);
    m_ansicht->OnBeginPrinting(drucker);

    // As on a full disk, the PDF writer gets only its first bytes out; or the disk refuses them
    // only when the file is synced, and says why.
    {
        const CDateigrenze grenze(4096);
        m_ansicht->OnPrint(drucker, true);
    }
    {
        const CSyncScheitert voll(ENOSPC);
        m_ansicht->OnPrint(drucker, true);
    }
    EXPECT_EQ(LeseDatei(alt), "alter Bericht");
    const std::string datei = "Die Datei \"" + NachCp1252(verweis);
    EXPECT_EQ(
        m_meldungen,
        (std::vector<Meldung>{
            {datei + "\" konnte nicht geschrieben werden: Sie würde größer, als das System einer "
                     "Datei erlaubt.",
             ProgrammTitel, MeldungsArt::Fehler},
            {datei + "\" konnte nicht geschrieben werden: Auf dem Datenträger ist kein "
                     "Platz mehr.",
             ProgrammTitel, MeldungsArt::Fehler}}));

    // The next print of the same printer is whole, and keeps owner and permission bits.
    m_meldungen.clear();
    m_ansicht->OnPrint(drucker, true);
    EXPECT_TRUE(m_meldungen.empty());
    EXPECT_EQ(PdfSeitenzahl(alt), 1);
    EXPECT_TRUE(fs::is_symlink(PfadAusQString(verweis)));
    struct stat info;
    ASSERT_EQ(stat(QFile::encodeName(alt).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0750u);
    EXPECT_EQ(info.st_uid, besitzer);
    EXPECT_EQ(info.st_gid, gruppe);
    EXPECT_EQ(QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{altName, u"verweis.pdf"_s}))
        << "nothing left beside them";
}

TEST_F(Druckbefehle_Muster, AFileInAFolderThatTakesNoNewFileIsPrintedInPlace)
{
    // A writable report in a folder the user may not write to: the file itself is printed once
    // the whole report is ready. A failure before keeps the old file; one while it is written
    // (here the disk refusing the data when it is synced) says that its old content is lost.
    // Each message opens with the progress dialog gone, in front of the window. A new file there
    // is refused by the print dialog.
    const QString ordner = m_ordner.filePath(u"nur lesbar"_s);
    ASSERT_TRUE(QDir().mkpath(ordner));
    const QString bericht = ordner + u"/bericht.pdf"_s;
    const QString neu = ordner + u"/neu.pdf"_s;
    std::ofstream(PfadAusQString(bericht)) << "alter Bericht";
    ASSERT_EQ(chmod(QFile::encodeName(ordner).constData(), 0555), 0);
    bool fortschrittOffen = false;
    MeldungsAusgabe weiter;
    weiter = SetzeMeldungsAusgabe([&](const Meldung& meldung) {
        for (QWidget* fenster : QApplication::topLevelWidgets())
            fortschrittOffen |= qobject_cast<QProgressDialog*>(fenster) != nullptr;
        weiter(meldung);
    });
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    int abgelehnt = 0;
    const auto drucke = [this, &abgelehnt](const QString& ziel) {
        m_app.HoleDrucker().setOutputFileName(ziel);
        BeantworteDruckdialog(m_kontext, 0, 0, &abgelehnt);
        m_ansicht->OnFilePrint();
    };
    {
        const CNurDateirechte nurDateirechte;
        drucke(bericht);
        EXPECT_TRUE(m_meldungen.empty());
        EXPECT_EQ(PdfSeitenzahl(bericht), 1);
        const QByteArray gedruckt = LeseDatei(bericht);
        {
            const CDateigrenze grenze(4096);
            drucke(bericht);
        }
        EXPECT_EQ(LeseDatei(bericht), gedruckt);
        {
            const CSyncScheitert voll(ENOSPC);
            drucke(bericht);
        }
        drucke(neu);
        EXPECT_EQ(abgelehnt, 1);
    }
    SetzeMeldungsAusgabe(weiter);
    chmod(QFile::encodeName(ordner).constData(), 0755);
    const std::string datei = "Die Datei \"" + NachCp1252(bericht);
    EXPECT_EQ(
        m_meldungen,
        (std::vector<Meldung>{
            {datei + "\" konnte nicht geschrieben werden: Sie würde größer, als das System einer "
                     "Datei erlaubt.",
             ProgrammTitel, MeldungsArt::Fehler},
            {datei + "\" konnte nicht vollständig geschrieben werden: Auf dem Datenträger "
                     "ist kein Platz mehr. Ihr bisheriger Inhalt ist verloren.",
             ProgrammTitel, MeldungsArt::Fehler},
            {"Die Datei \"" + NachCp1252(neu) + "\" kann im Ordner \"" + NachCp1252(ordner) +
                 "\" nicht angelegt werden: Die Berechtigung dafür fehlt.",
             ProgrammTitel, MeldungsArt::Fehler}}));
    EXPECT_FALSE(fortschrittOffen);
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{u"bericht.pdf"_s});
}

TEST_F(Druckbefehle_Muster, AnotherUsersFileKeepsItsOwnerAndGroupWhenAMemberOfItsGroupPrints)
{
    // A report of another user that its group may write, printed by a member of that group: in
    // an ordinary folder, where a new file could not be given to that user, and in a folder where
    // only a file's owner may replace it. Each is printed in place and stays its owner's.
    if (!KannBesitzGeben())
        GTEST_SKIP() << kNurDerSuperuserGibtBesitz;
    const QString gemeinsam = m_ordner.filePath(u"gemeinsam"_s);
    ASSERT_TRUE(QDir().mkpath(gemeinsam));
    ASSERT_EQ(chown(QFile::encodeName(gemeinsam).constData(), 4000, 4000), 0);
    ASSERT_EQ(chmod(QFile::encodeName(gemeinsam).constData(), 01777), 0);
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    for (const QString& ordner : {m_ordner.path(), gemeinsam}) {
        const QString bericht = ordner + u"/bericht.pdf"_s;
        std::ofstream(PfadAusQString(bericht)) << "alter Bericht";
        ASSERT_EQ(chown(QFile::encodeName(bericht).constData(), 4321, getgid()), 0);
        ASSERT_EQ(chmod(QFile::encodeName(bericht).constData(), 0660), 0);
        m_app.HoleDrucker().setOutputFileName(bericht);
        {
            const CNurDateirechte nurDateirechte;
            BeantworteDruckdialog(m_kontext);
            m_ansicht->OnFilePrint();
        }
        EXPECT_EQ(PdfSeitenzahl(bericht), 1) << ordner.toStdString();
        struct stat info;
        ASSERT_EQ(stat(QFile::encodeName(bericht).constData(), &info), 0);
        EXPECT_EQ(info.st_uid, 4321u) << ordner.toStdString();
        EXPECT_EQ(info.st_gid, getgid()) << ordner.toStdString();
        EXPECT_EQ(info.st_mode & 07777, 0660u) << ordner.toStdString();
        EXPECT_EQ(QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{u"bericht.pdf"_s})
            << "nothing left beside it";
    }
    EXPECT_EQ(m_meldungen, std::vector<Meldung>{});
}

namespace {

// What a writer must not lose of a file it replaces, and the bytes it keeps when refused.
struct Dateistand
{
    QByteArray bytes;
    uid_t besitzer = 0;
    gid_t gruppe = 0;
    mode_t rechte = 0;
    std::string zugriffsliste; // the attribute that holds the access control list
    bool operator==(const Dateistand&) const = default;
};

void PrintTo(const Dateistand& stand, std::ostream* aus)
{
    *aus << stand.bytes.size() << " bytes, " << stand.besitzer << ':' << stand.gruppe << ", mode "
         << std::oct << stand.rechte << std::dec << ", a list of " << stand.zugriffsliste.size()
         << " bytes";
}

Dateistand LeseDateistand(const std::filesystem::path& pfad)
{
    struct stat info
    {
    };
    EXPECT_EQ(stat(pfad.c_str(), &info), 0);
    std::string liste(1024, '\0');
    const ssize_t laenge =
        getxattr(pfad.c_str(), "system.posix_acl_access", liste.data(), liste.size());
    liste.resize(std::max<ssize_t>(laenge, 0));
    return {LeseDatei(PfadAlsQString(pfad)), info.st_uid, info.st_gid, info.st_mode, liste};
}

// The file's inode, another one once it is replaced whole.
ino_t Knoten(const std::filesystem::path& pfad)
{
    struct stat info
    {
    };
    return stat(pfad.c_str(), &info) == 0 ? info.st_ino : 0;
}

// Whom the file lets in, and how far: the rights of its owner and of each user its access control
// list names ("u:<uid>"), of its group and each group named ("g:<gid>"), and of others ("o"), as
// far as the list's mask lets them.
using Zugang = std::map<std::string, acl_perm_t>;

Zugang LeseZugang(const std::filesystem::path& pfad)
{
    struct stat info
    {
    };
    EXPECT_EQ(stat(pfad.c_str(), &info), 0);
    acl_t liste = acl_get_file(pfad.c_str(), ACL_TYPE_ACCESS);
    if (liste == nullptr) // a file system without lists
        liste = acl_from_mode(info.st_mode);
    Zugang zugang;
    acl_perm_t maske = ACL_READ | ACL_WRITE | ACL_EXECUTE;
    acl_entry_t eintrag;
    for (int welcher = ACL_FIRST_ENTRY; acl_get_entry(liste, welcher, &eintrag) == 1;
         welcher = ACL_NEXT_ENTRY) {
        acl_tag_t art;
        acl_permset_t rechte;
        acl_get_tag_type(eintrag, &art);
        acl_get_permset(eintrag, &rechte);
        acl_perm_t erlaubt = 0;
        for (const acl_perm_t recht : {ACL_READ, ACL_WRITE, ACL_EXECUTE})
            erlaubt |= acl_get_perm(rechte, recht) == 1 ? recht : 0;
        void* wer = art == ACL_USER || art == ACL_GROUP ? acl_get_qualifier(eintrag) : nullptr;
        const auto id = [wer](unsigned sonst) { return wer ? *static_cast<id_t*>(wer) : sonst; };
        if (art == ACL_MASK)
            maske = erlaubt;
        else if (art == ACL_OTHER)
            zugang["o"] = erlaubt;
        else if (art == ACL_USER_OBJ || art == ACL_USER)
            zugang["u:" + std::to_string(id(info.st_uid))] = erlaubt;
        else
            zugang["g:" + std::to_string(id(info.st_gid))] = erlaubt;
        acl_free(wer);
    }
    acl_free(liste);
    for (auto& [wer, erlaubt] : zugang)
        if (wer != "o" && wer != "u:" + std::to_string(info.st_uid))
            erlaubt &= maske;
    return zugang;
}

// Each user or group whom `neu` gives a right that `alt` does not give them: a user or group `alt`
// does not name gets only what others get. The user `schreiber`, whose file `neu` is, aside.
std::string MehrZugang(const Zugang& neu, const Zugang& alt, std::optional<uid_t> schreiber = {})
{
    std::string mehr;
    for (const auto& [wer, erlaubt] : neu) {
        const auto bisher = alt.find(wer);
        const acl_perm_t dort = bisher != alt.end() ? bisher->second : alt.at("o");
        if ((erlaubt & ~dort) != 0 && (!schreiber || wer != "u:" + std::to_string(*schreiber)))
            mehr += wer + " ";
    }
    return mehr;
}

// How a file system keeps rights, as a case's label tells it.
std::string Beschreibe(const Rechtehaltung& haltung)
{
    const auto wie = [](int fehler) -> std::string {
        return fehler == 0                             ? "works"
               : fehler == Rechtehaltung::kOhneWirkung ? "has no effect"
                                                       : strerrorname_np(fehler);
    };
    return "mode change " + wie(haltung.modus) + ", list read " + wie(haltung.listeLesen) +
           ", list write " + wie(haltung.listeSchreiben);
}

// While it lives, the process is also a member of `gruppe`.
class CAuchInGruppe
{
public:
    explicit CAuchInGruppe(gid_t gruppe) : m_vorher(getgroups(0, nullptr))
    {
        getgroups(int(m_vorher.size()), m_vorher.data());
        std::vector<gid_t> gruppen = m_vorher;
        gruppen.push_back(gruppe);
        EXPECT_EQ(setgroups(gruppen.size(), gruppen.data()), 0);
    }
    ~CAuchInGruppe() { setgroups(m_vorher.size(), m_vorher.data()); }
    CAuchInGruppe(const CAuchInGruppe&) = delete;
    CAuchInGruppe& operator=(const CAuchInGruppe&) = delete;

private:
    std::vector<gid_t> m_vorher;
};

// Makes the file immutable, or no longer; false when the process or the file system cannot.
bool SetzeUnveraenderlich(const std::filesystem::path& pfad, bool unveraenderlich)
{
    const int datei = open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    int merkmale = 0;
    bool gesetzt = datei >= 0 && ioctl(datei, FS_IOC_GETFLAGS, &merkmale) == 0;
    merkmale = unveraenderlich ? merkmale | FS_IMMUTABLE_FL : merkmale & ~FS_IMMUTABLE_FL;
    gesetzt = gesetzt && ioctl(datei, FS_IOC_SETFLAGS, &merkmale) == 0;
    if (datei >= 0)
        close(datei);
    return gesetzt;
}

// Gives the folder the default list `text`, which every file made there gets, whatever the
// user's file-creation mask. By default the list of a folder a group shares: a colleague and the
// user's group may write, others nothing.
void GibVorgabeliste(const std::filesystem::path& ordner, std::string text = {})
{
    if (text.empty())
        text = "u::rwx,u:4321:rwx,g::r-x,g:" + std::to_string(getgid()) + ":rwx,m::rwx,o::---";
    acl_t liste = acl_from_text(text.c_str());
    EXPECT_EQ(acl_set_file(ordner.c_str(), ACL_TYPE_DEFAULT, liste), 0);
    acl_free(liste);
}

} // namespace

TEST_F(Druckbefehle_Muster, PrintAndExportWriteOnlyWhatTheUserMayAndKeepAllOfAReplacedFile)
{
    // By the user's own rights, in folders shared with colleagues. Refused: the user's own
    // write-protected file, a project never loaded, an immutable file, a colleague's file in a
    // folder the group may write, a colleague's link to the user's file in a sticky folder anyone
    // may write. Written, keeping all they had: a file one colleague may read through its access
    // control list, one without a list in a folder with a default list, and the files of links
    // the system follows: the user's own and the folder owner's in the sticky folder, a
    // colleague's in a folder anyone may write that is not sticky, and in a sticky one only the
    // group may write. The user's own files on file systems that keep rights in part: where no
    // mode can be changed, written in place unless the new file has the old one's rights already
    // (as on FAT, where all files have the same); where no list is kept, or a list written is
    // kept without effect, replaced whole, but written in place where that would lose the old
    // one's list. Where the user may not give a file its owner and group (a colleague's file the
    // user may write as a member of its group, in a plain folder or one whose new files get a
    // third group; the user's own file in a group an administrator gave it), written in place.
    // Each file that is not written in place is replaced whole. Whenever a file is synced or given
    // bits or a list, the file made beside it lets nobody in but the user further than the old
    // file does, also where the folder's default list would and a mount refuses to write a list.
    // The print job and the export alike.
    namespace fs = std::filesystem;
    const fs::path ordner = PfadAusQString(m_ordner.path());
    const fs::path gruppe = ordner / "gruppe", offen = ordner / "offen";
    fs::create_directory(gruppe);
    fs::create_directory(offen);
    ASSERT_EQ(chmod(gruppe.c_str(), 0775) | chmod(offen.c_str(), 01777), 0);
    const auto alt = [](const fs::path& pfad, mode_t rechte) {
        std::ofstream(pfad) << "alter Inhalt";
        EXPECT_EQ(chmod(pfad.c_str(), rechte), 0);
        return pfad;
    };
    const std::string verboten = "konnte nicht geschrieben werden: Die Berechtigung dafür fehlt.";
    struct Fall
    {
        fs::path pfad, datei;
        int fehlernummer; // 0: written
        std::string meldung;
        Rechtehaltung haltung = {};
        bool anOrt = false; // written in place
    };
    const fs::path projekt = ordner / "anderes.axo", eigener = alt(ordner / "eigener.pdf", 0640);
    // A file without a list of its own in a folder with a default list, which a new file there
    // would get.
    const fs::path geteilt = ordner / "geteilt";
    fs::create_directory(geteilt);
    const fs::path privat = alt(geteilt / "privat.pdf", 0640),
                   verweigert = alt(geteilt / "Liste verweigert.pdf", 0640);
    GibVorgabeliste(geteilt);
    fs::copy_file(m_app.HoleProjektPfad(), projekt);
    fs::create_symlink(eigener, offen / "eigener.pdf");
    // A file one colleague may read through its access control list.
    const auto mitListe = [&alt](const fs::path& pfad) {
        alt(pfad, 0600);
        acl_t liste = acl_from_text("u::rw-,u:4321:r--,g::---,m::r--,o::---");
        EXPECT_EQ(acl_set_file(pfad.c_str(), ACL_TYPE_ACCESS, liste), 0);
        acl_free(liste);
        return pfad;
    };
    const fs::path geteiltePdf = mitListe(ordner / "geteilt.pdf");
    std::vector<Fall> faelle{
        {alt(ordner / "nurlesen.messungen", 0444), ordner / "nurlesen.messungen", EACCES, verboten},
        {projekt, projekt, kIstProjektdatei,
         "ist eine Projektdatei. Projektdateien werden nicht überschrieben."},
        {offen / "eigener.pdf", eigener, 0, ""},
        {privat, privat, 0, ""},
        {verweigert, verweigert, 0, "", {0, 0, EACCES}, true},
        {geteiltePdf, geteiltePdf, 0, ""}};
    // The user's own files on file systems that keep rights in part.
    const Rechtehaltung ohneListen{0, ENODATA, EOPNOTSUPP},
        ohneWirkung{0, 0, Rechtehaltung::kOhneWirkung};
    const struct
    {
        const char* name;
        mode_t rechte;
        Rechtehaltung haltung;
        bool anOrt;
    } teilweise[] = {{"EPERM.pdf", 0644, {EPERM, 0, EPERM}, true},
                     {"EOPNOTSUPP.pdf", 0644, {EOPNOTSUPP, 0, EOPNOTSUPP}, true},
                     {"ENOSYS.pdf", 0644, {ENOSYS, 0, ENOSYS}, true},
                     {"wie jede neue.pdf", 0600, {ENOSYS, 0, ENOSYS}, false},
                     {"ohne Listen 644.pdf", 0644, ohneListen, false},
                     {"ohne Listen 640.pdf", 0640, ohneListen, false},
                     {"kennt keine Listen.pdf", 0644, {0, EOPNOTSUPP, EOPNOTSUPP}, false},
                     {"ohne Wirkung 644.pdf", 0644, ohneWirkung, false},
                     {"ohne Wirkung 640.pdf", 0640, ohneWirkung, false}};
    for (const auto& [name, rechte, haltung, anOrt] : teilweise) {
        const fs::path datei = alt(ordner / name, rechte);
        faelle.push_back({datei, datei, 0, "", haltung, anOrt});
    }
    const fs::path listeOhneWirkung = mitListe(ordner / "geteilt ohne Wirkung.pdf");
    faelle.push_back({listeOhneWirkung, listeOhneWirkung, 0, "", ohneWirkung, true});
    std::optional<CAuchInGruppe> kollegen;
    if (DarfBesitzGeben("colleagues' files and links, an own file of another group")) {
        kollegen.emplace(3000);
        const fs::path setgid = ordner / "setgid";
        fs::create_directory(setgid);
        ASSERT_EQ(chown(setgid.c_str(), getuid(), 4001), 0);
        ASSERT_EQ(chmod(setgid.c_str(), 02775), 0);
        for (const fs::path& o : {ordner, setgid}) {
            const fs::path kollegin = alt(o / "kollegin.messungen", 0660);
            ASSERT_EQ(chown(kollegin.c_str(), 2001, 3000), 0);
            faelle.push_back({kollegin, kollegin, 0, "", {}, true});
        }
        const fs::path fremdeGruppe = alt(ordner / "fremde Gruppe.pdf", 0640);
        ASSERT_EQ(chown(fremdeGruppe.c_str(), getuid(), 3001), 0);
        faelle.push_back({fremdeGruppe, fremdeGruppe, 0, "", {}, true});
        const fs::path bericht = alt(gruppe / "bericht.messungen", 0644);
        const fs::path profil = alt(ordner / ".profile", 0644), fremd = offen / "bericht.pdf";
        fs::create_symlink(profil, fremd);
        ASSERT_EQ(chown(gruppe.c_str(), 4000, getgid()) | chown(offen.c_str(), 4000, 4000) |
                      chown(bericht.c_str(), 4321, getgid()) | lchown(fremd.c_str(), 4321, 4321),
                  0);
        faelle.push_back({bericht, bericht, EACCES, verboten});
        faelle.push_back({fremd, profil, EACCES,
                          "kann nicht beschrieben werden: Die Verknüpfung \"" + fremd.string() +
                              "\" gehört einem anderen Benutzer, und in einem Ordner, in den jeder "
                              "schreiben darf, wird ihr nicht gefolgt."});
        const fs::path alle = ordner / "alle", klebend = ordner / "klebend";
        fs::create_directory(alle);
        fs::create_directory(klebend);
        ASSERT_EQ(chmod(alle.c_str(), 0777) | chmod(klebend.c_str(), 01775) |
                      chown(alle.c_str(), 4000, 4000) | chown(klebend.c_str(), 4000, getgid()),
                  0);
        for (const auto& [verweis, besitzer] : {std::pair{offen / "vom Besitzer.pdf", 4000},
                                                {alle / "fremd.pdf", 4321},
                                                {klebend / "fremd.pdf", 4321}}) {
            const fs::path datei = alt(ordner / (verweis.parent_path().filename() += ".pdf"), 0640);
            fs::create_symlink(datei, verweis);
            ASSERT_EQ(lchown(verweis.c_str(), besitzer, besitzer), 0);
            faelle.push_back({verweis, datei, 0, ""});
        }
    }
    const fs::path unveraenderlich = alt(ordner / "unveraenderlich.pdf", 0644);
    if (SetzeUnveraenderlich(unveraenderlich, true))
        faelle.push_back({unveraenderlich, unveraenderlich, EPERM, verboten});
    else
        MeldeAusgelassenenFall("an immutable file",
                               errno == EPERM ? "only the superuser may make a file immutable"
                                              : "the file system here has no immutable files");
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    QPrinter& drucker = m_app.HoleDrucker();
    m_ansicht->OnBeginPrinting(drucker);
    for (const Fall& fall : faelle)
        for (const bool exportieren : {false, true}) {
            SCOPED_TRACE(fall.pfad.string() + (exportieren ? ", export" : ", print"));
            const QString pfad = PfadAlsQString(fall.pfad);
            const Dateistand vorher = LeseDateistand(fall.datei);
            const Zugang zugang = LeseZugang(fall.datei);
            const QDir daneben(PfadAlsQString(fall.pfad.parent_path()));
            const QStringList eintraege = daneben.entryList(QDir::AllEntries | QDir::Hidden);
            m_meldungen.clear();
            int fehlernummer = fall.fehlernummer;
            const ino_t knoten = Knoten(fall.datei);
            std::string mehrZugang;
            {
                const CNurDateirechte nurDateirechte;
                const CRechtehaltung haltung(fall.haltung);
                const CNachsehen nachsehen([&] {
                    for (const auto& eintrag : fs::directory_iterator(fall.datei.parent_path()))
                        if (eintrag.path().filename().string().starts_with(".~axo"))
                            mehrZugang += MehrZugang(LeseZugang(eintrag), zugang, getuid());
                });
                DruckeOderExportiere(drucker, pfad, exportieren, &fehlernummer);
            }
            EXPECT_EQ(mehrZugang, "") << "let in by the file beside it";
            Dateistand nachher = LeseDateistand(fall.datei);
            if (fall.fehlernummer == 0) {
                EXPECT_EQ(Knoten(fall.datei) == knoten, fall.anOrt);
            }
            EXPECT_NE(nachher.bytes == vorher.bytes, fall.fehlernummer == 0);
            nachher.bytes = vorher.bytes;
            EXPECT_EQ(nachher, vorher);
            EXPECT_EQ(daneben.entryList(QDir::AllEntries | QDir::Hidden), eintraege);
            EXPECT_EQ(fehlernummer, fall.fehlernummer);
            EXPECT_EQ(m_meldungen.empty() ? "" : m_meldungen.front().text,
                      exportieren || fall.meldung.empty()
                          ? ""
                          : "Die Datei \"" + fall.pfad.string() + "\" " + fall.meldung);
        }
    SetzeUnveraenderlich(unveraenderlich, false);
}

TEST_F(Druckbefehle_Muster, ANewFileGetsTheRightsAnyProgramGetsInItsFolder)
{
    // Owner, group, permission bits and access control list of a file any program makes with
    // the usual 0666: by the file-creation mask in a plain folder, by the folder's default list
    // in a folder shared through one, and in one whose list has no mask. The print job and the
    // export alike, under three masks. On a file system that refuses to keep the rights given,
    // or keeps a list without effect, the file is written with those it has, never more than
    // that, in its bits and its list; where the file system hides the lists, the file still has
    // exactly those of any program's file. Where the disk fails giving them or reading a new
    // file's list, none is written, saying why.
    namespace fs = std::filesystem;
    const fs::path ordner = PfadAusQString(m_ordner.path()), geteilt = ordner / "geteilt",
                   ohneMaske = ordner / "ohne Maske";
    fs::create_directory(geteilt);
    fs::create_directory(ohneMaske);
    ASSERT_EQ(chmod(geteilt.c_str(), 02770), 0);
    GibVorgabeliste(geteilt);
    GibVorgabeliste(ohneMaske, "u::rwx,g::rwx,o::r-x");
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    QPrinter& drucker = m_app.HoleDrucker();
    m_ansicht->OnBeginPrinting(drucker);
    struct Maske
    {
        const mode_t vorher = umask(022);
        ~Maske() { umask(vorher); }
    } maskeVorher;
    const struct
    {
        Rechtehaltung haltung;
        int fehlernummer; // 0: written
    } haltungen[] = {{{}, 0},
                     {{EPERM, 0, EPERM}, 0},
                     {{EOPNOTSUPP, 0, EOPNOTSUPP}, 0},
                     {{ENOSYS, 0, ENOSYS}, 0},
                     {{EACCES, 0, EACCES}, 0},
                     {{0, 0, EACCES}, 0},
                     {{0, 0, Rechtehaltung::kOhneWirkung}, 0},
                     {{0, EOPNOTSUPP, EOPNOTSUPP}, 0},
                     {{EIO, 0, EIO}, EIO},
                     {{0, EIO, 0}, EIO}};
    for (const mode_t maske : {022, 002, 077})
        for (const fs::path& o : {ordner, geteilt, ohneMaske}) {
            umask(maske);
            const fs::path vergleich = o / "vergleich";
            ASSERT_EQ(close(open(vergleich.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666)), 0);
            const Dateistand erwartet = LeseDateistand(vergleich);
            const Zugang zugang = LeseZugang(vergleich);
            const QDir daneben(PfadAlsQString(o));
            const auto dateien = [&daneben] {
                return daneben.entryList(QDir::Files | QDir::Hidden | QDir::System);
            };
            const QStringList zuvor = dateien();
            for (const auto& [haltung, fehler] : haltungen)
                for (const bool exportieren : {false, true}) {
                    std::ostringstream wie;
                    wie << o.string() << ", mask " << std::oct << maske << ", "
                        << Beschreibe(haltung) << (exportieren ? ", export" : ", print");
                    SCOPED_TRACE(wie.str());
                    const fs::path neu = o / (exportieren ? "neu.messungen" : "neu.pdf");
                    m_meldungen.clear();
                    int fehlernummer = fehler;
                    {
                        const CRechtehaltung rechtehaltung(haltung);
                        DruckeOderExportiere(drucker, PfadAlsQString(neu), exportieren,
                                             &fehlernummer);
                    }
                    EXPECT_EQ(fehlernummer, fehler);
                    if (fehler != 0) {
                        EXPECT_EQ(dateien(), zuvor);
                        EXPECT_EQ(m_meldungen.empty() ? "" : m_meldungen.front().text,
                                  exportieren ? ""
                                              : "Die Datei \"" + neu.string() +
                                                    "\" konnte nicht geschrieben werden: Der "
                                                    "Datenträger meldet einen Fehler.");
                        continue;
                    }
                    EXPECT_EQ(dateien().size(), zuvor.size() + 1) << "nothing left beside it";
                    Dateistand neuerStand = LeseDateistand(neu);
                    neuerStand.bytes = erwartet.bytes;
                    if (haltung.modus == 0 &&
                        haltung.listeSchreiben != Rechtehaltung::kOhneWirkung) {
                        EXPECT_EQ(neuerStand, erwartet);
                    } else {
                        EXPECT_EQ(MehrZugang(LeseZugang(neu), zugang), "") << "no wider";
                    }
                    EXPECT_EQ(m_meldungen, std::vector<Meldung>{});
                    fs::remove(neu);
                }
            fs::remove(vergleich);
        }
}

TEST_F(Druckbefehle_Muster, EveryPrintStartsAtAllPagesAndARangeWithoutPagesIsReported)
{
    // A range left by an earlier print dialog.
    m_app.HoleDrucker().setPrintRange(QPrinter::PageRange);
    m_app.HoleDrucker().setFromTo(2, 3);
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    BeantworteDruckdialog(m_kontext);
    m_ansicht->OnFilePrint();
    EXPECT_EQ(PdfSeitenzahl(PdfDatei()), 1);
    EXPECT_TRUE(m_meldungen.empty());

    QFile::remove(PdfDatei());
    BeantworteDruckdialog(m_kontext, 2, 3);
    m_ansicht->OnFilePrint();
    EXPECT_FALSE(QFile::exists(PdfDatei()));
    ASSERT_EQ(m_meldungen.size(), 1u);
    EXPECT_EQ(m_meldungen[0].text, "Der gewählte Seitenbereich enthält keine Seite dieses "
                                   "Druckauftrags. Er hat die Seiten 1 bis 1.");
}

TEST_F(Druckbefehle_Muster, APdfHoldsTheCopiesAndThePageOrderChosenInThePrintDialog)
{
    // Qt leaves both to the program in a file: reports and the summary table alike.
    const auto drucke = [this](int kopien, bool sortiert, bool umgekehrt) {
        BeantworteDruckdialog(m_kontext, 0, 0, nullptr, {}, [=](QPrintDialog& dialog) {
            dialog.findChild<QSpinBox*>(u"copies"_s)->setValue(kopien);
            dialog.findChild<QCheckBox*>(u"collate"_s)->setChecked(sortiert);
            dialog.findChild<QCheckBox*>(u"reverse"_s)->setChecked(umgekehrt);
        });
        m_ansicht->OnFilePrint();
        QStringList seiten;
        for (int seite = 1; seite <= PdfSeitenzahl(PdfDatei()); ++seite)
            seiten << PdfSeitentext(PdfDatei(), seite);
        return seiten;
    };
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002", "P000020"});
    const QStringList s = drucke(1, true, false);
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(drucke(2, true, false), (QStringList{s[0], s[1], s[2], s[0], s[1], s[2]}));
    EXPECT_EQ(drucke(2, false, true), (QStringList{s[2], s[2], s[1], s[1], s[0], s[0]}));
    EXPECT_EQ(drucke(1, true, true), (QStringList{s[2], s[1], s[0]}));

    // Every measurement: a table of several pages.
    WaehleMessungen({});
    m_ansicht->HoleMessungsListe()->selectAll();
    const QStringList t = drucke(1, true, false);
    ASSERT_GT(t.size(), 1);
    QStringList umgekehrt;
    for (auto seite = t.rbegin(); seite != t.rend(); ++seite)
        umgekehrt << *seite << *seite;
    EXPECT_EQ(drucke(2, false, true), umgekehrt);
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(Druckbefehle_Muster, AFileNameWithoutAFolderIsPrintedInTheHomeFolder)
{
    // Not in the viewer's working folder, the program folder, which the user never sees and which
    // here takes no new file; through the print dialog and by the print job alone.
    const CVariableAufZeit heim("HOME", m_ordner.path().toLocal8Bit());
    ASSERT_EQ(chmod(".", 0555), 0);
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    {
        const CNurDateirechte nurDateirechte;
        m_app.HoleDrucker().setOutputFileName(u"relativ.pdf"_s);
        BeantworteDruckdialog(m_kontext);
        m_ansicht->OnFilePrint();
        m_app.HoleDrucker().setOutputFileName(u"allein.pdf"_s);
        m_ansicht->OnPrint(m_app.HoleDrucker(), true);
    }
    chmod(".", 0755);
    EXPECT_EQ(PdfSeitenzahl(m_ordner.filePath(u"relativ.pdf"_s)), 1);
    EXPECT_EQ(PdfSeitenzahl(m_ordner.filePath(u"allein.pdf"_s)), 1);
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(Druckbefehle_Muster, PrintingFromThePreviewTakesTheRangeOfItsPrintDialogAndTheJobsSheet)
{
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002", "P000020"});
    ZeigeVorschau([this](CSeitenvorschau& vorschau) {
        BeantworteDruckdialog(m_kontext, 2, 2);
        // The user turned the sheet in the print dialog's properties.
        m_app.HoleDrucker().setPageOrientation(QPageLayout::Landscape);
        vorschau.Druckaktion()->trigger();
    });
    ASSERT_EQ(PdfSeitenzahl(PdfDatei()), 1);
    const QString seite = PdfSeitentext(PdfDatei(), 1);
    // The list shows the note (pages 1 and 2) before the Proctor test.
    EXPECT_TRUE(seite.contains(u"Seite 2 von 2"_s)) << seite.toStdString();
    EXPECT_TRUE(Poppler(u"pdfinfo"_s, {PdfDatei()}).contains(u"595 x 842 pts"_s));
}

TEST_F(Druckbefehle_Muster, AFileChosenToPrintInGrayscaleHoldsNoColour)
{
    // A red logo in the page head, and the combined diagram, which draws its curves in colour.
    BmpBauer rot;
    rot.bits = std::string("\x00\x00\xFF\x00", 4);
    std::string logo = rot.Datei();
    EntschluesseleLogoPuffer(logo.data(), logo.size());
    std::ofstream(PfadAusQString(m_programmOrdner.filePath(u"axo.sys"_s)), std::ios::binary)
        << logo;
    ASSERT_TRUE(m_app.LadeFirmenlogo());
    std::string kombiniert;
    for (const CProtokoll& protokoll : BaueMusterprojekt().protokolle)
        if (protokoll.GetPruefart() == 1018 && kombiniert.empty())
            kombiniert = protokoll.GetID();
    Waehle(*m_ansicht->HoleProtokollListe(), {kombiniert});
    const auto farbigePixel = [this](const QString& farbmodus) {
        QFile::remove(PdfDatei());
        BeantworteDruckdialog(m_kontext, 0, 0, nullptr, farbmodus);
        m_ansicht->OnFilePrint();
        return FarbigePixel(PdfDatei());
    };
    EXPECT_EQ(farbigePixel(u"grayscale"_s), 0);
    EXPECT_GT(farbigePixel(u"color"_s), 100);
}

namespace {

// Where a printer finds no memory: nowhere, for a new sheet, or as it ends the job.
enum class Speichermangel
{
    Keiner,
    NeuesBlatt,
    Ende
};

// A printer without an output file, as the print dialog leaves one that prints on paper: it
// draws nothing, keeps the output file named to it, and tells whether its job was aborted.
class CTestdrucker : public QPrinter
{
public:
    explicit CTestdrucker(Speichermangel mangel)
    {
        m_werk.mangel = mangel;
        setEngines(&m_werk, &m_werk);
    }
    bool Abgebrochen() const { return m_werk.zustand == QPrinter::Aborted; }

private:
    struct Werk : QPaintEngine, QPrintEngine
    {
        Werk() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override
        {
            zustand = QPrinter::Active;
            return true;
        }
        bool end() override
        {
            if (mangel == Speichermangel::Ende)
                throw std::bad_alloc();
            return true;
        }
        void updateState(const QPaintEngineState&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        Type type() const override { return User; }
        void setProperty(PrintEnginePropertyKey schluessel, const QVariant& wert) override
        {
            if (schluessel == PPK_OutputFileName)
                datei = wert;
        }
        QVariant property(PrintEnginePropertyKey schluessel) const override
        {
            return schluessel == PPK_OutputFileName ? datei : QVariant();
        }
        bool newPage() override
        {
            if (mangel == Speichermangel::NeuesBlatt)
                throw std::bad_alloc();
            return true;
        }
        bool abort() override
        {
            zustand = QPrinter::Aborted;
            return true;
        }
        int metric(QPaintDevice::PaintDeviceMetric was) const override
        {
            // A sheet of an inch at 1200 dpi.
            switch (was) {
            case QPaintDevice::PdmWidthMM:
            case QPaintDevice::PdmHeightMM:
                return 25;
            case QPaintDevice::PdmDevicePixelRatio:
                return 1;
            case QPaintDevice::PdmDevicePixelRatioScaled:
                return int(QPaintDevice::devicePixelRatioFScale());
            default:
                return 1200;
            }
        }
        QPrinter::PrinterState printerState() const override { return zustand; }

        QPrinter::PrinterState zustand = QPrinter::Idle;
        Speichermangel mangel = Speichermangel::Keiner;
        QVariant datei;
    };
    Werk m_werk;
};

} // namespace

TEST_F(Druckbefehle_Muster, APageThatCannotBeDrawnFailsThePrint)
{
    // A permeability test whose chart has fewer y than x values: its page fails when drawn,
    // after the Proctor test's page. The old report stays, in an ordinary folder and in one that
    // takes no new file (there it would be printed in place). A printer's job is aborted, also
    // where the printer finds no memory for that page's sheet.
    MusterProjekt projekt = MusterMitProtokollOhneBericht();
    std::string kaputt;
    for (CProtokoll& protokoll : projekt.protokolle)
        if (protokoll.GetPruefart() == 1017 && kaputt.empty()) {
            protokoll.SetzeSpeziellGruppe(5, "0@10|1E-9@1E-6|1@2@3|1E-8@1E-8|0");
            kaputt = protokoll.GetID();
        }
    const std::string pfad = ProgrammOrdnerText() + "/Musterprojekt.axo";
    ASSERT_TRUE(SchreibeProjektDatei(projekt, pfad));
    m_app.OeffneDokument(pfad);
    m_meldungen.clear();
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002", kaputt});

    const QString nurLesbar = m_ordner.filePath(u"nur lesbar"_s);
    ASSERT_TRUE(QDir().mkpath(nurLesbar));
    const QStringList ordner{m_ordner.path(), nurLesbar};
    for (const QString& o : ordner)
        std::ofstream(PfadAusQString(o + u"/bericht.pdf"_s)) << "alter Bericht";
    ASSERT_EQ(chmod(QFile::encodeName(nurLesbar).constData(), 0555), 0);
    std::vector<Meldung> erwartet;
    for (const QString& o : ordner) {
        const QString bericht = o + u"/bericht.pdf"_s;
        {
            const CNurDateirechte nurDateirechte;
            QPrinter drucker(QPrinter::HighResolution);
            drucker.setOutputFileName(bericht);
            m_ansicht->OnBeginPrinting(drucker);
            m_ansicht->OnPrint(drucker, true);
        }
        EXPECT_EQ(LeseDatei(bericht), "alter Bericht") << o.toStdString();
        EXPECT_EQ(QDir(o).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{u"bericht.pdf"_s})
            << "nothing left beside it";
        erwartet.push_back({"Die Datei \"" + NachCp1252(bericht) +
                                "\" konnte nicht geschrieben werden: Seite 2 konnte nicht "
                                "gezeichnet werden.",
                            ProgrammTitel, MeldungsArt::Fehler});
    }
    chmod(QFile::encodeName(nurLesbar).constData(), 0755);
    for (const auto mangel : {Speichermangel::Keiner, Speichermangel::NeuesBlatt}) {
        CTestdrucker papier(mangel);
        m_ansicht->OnBeginPrinting(papier);
        m_ansicht->OnPrint(papier, true);
        EXPECT_TRUE(papier.Abgebrochen()) << int(mangel);
        EXPECT_EQ(papier.outputFileName().toStdString(), "") << "still on paper";
    }
    const std::string papierfehler =
        "Der Druck wurde abgebrochen: Seite 2 konnte nicht gezeichnet werden.";
    erwartet.push_back({papierfehler, ProgrammTitel, MeldungsArt::Fehler});
    erwartet.push_back({papierfehler + " Der Arbeitsspeicher reicht nicht aus.", ProgrammTitel,
                        MeldungsArt::Fehler});
    // Every page drawn, the printer finds no memory to end the job with.
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    {
        CTestdrucker papier(Speichermangel::Ende);
        m_ansicht->OnBeginPrinting(papier);
        m_ansicht->OnPrint(papier, true);
    }
    erwartet.push_back({"Der Druck wurde abgebrochen: Der Arbeitsspeicher reicht nicht aus.",
                        ProgrammTitel, MeldungsArt::Fehler});
    EXPECT_EQ(m_meldungen, erwartet);
}

namespace {

std::vector<QString> g_warnungen;

// The test platform's own note on every window shown is no warning of the program.
void SammleWarnung(QtMsgType art, const QMessageLogContext&, const QString& text)
{
    if (art != QtDebugMsg && !text.contains(u"propagateSizeHints"_s))
        g_warnungen.push_back(text);
}

} // namespace

TEST_F(Druckbefehle_Muster, PrinterSetUpAfterAPdfJobChoosesPrinterPaperAndOrientationSilently)
{
    Waehle(*m_ansicht->HoleProtokollListe(), {"P000002"});
    BeantworteDruckdialog(m_kontext);
    m_ansicht->OnFilePrint();
    ASSERT_EQ(m_app.HoleDrucker().outputFormat(), QPrinter::PdfFormat);

    QStringList drucker;
    QTimer::singleShot(0, &m_kontext, [&drucker] {
        auto* dialog = OffenesFenster<CDruckereinrichtungDlg>();
        if (dialog == nullptr)
            return;
        for (int i = 0; i < dialog->Druckerauswahl().count(); ++i)
            drucker << dialog->Druckerauswahl().itemText(i);
        QComboBox& papier = dialog->Papierauswahl();
        papier.setCurrentIndex(papier.findText(QPageSize(QPageSize::A5).name()));
        dialog->Ausrichtung().button(QPageLayout::Landscape)->click();
        dialog->accept();
    });
    g_warnungen.clear();
    const QtMessageHandler vorher = qInstallMessageHandler(SammleWarnung);
    m_app.OnFilePrintSetup();
    qInstallMessageHandler(vorher);

    for (const QString& warnung : g_warnungen)
        ADD_FAILURE() << warnung.toStdString();
    EXPECT_EQ(drucker, QPrinterInfo::availablePrinterNames());
    const QPageLayout layout = m_app.HoleDrucker().pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A5);
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
}

#if !defined(__SANITIZE_ADDRESS__) // whose allocator ends the process instead of throwing
TEST_F(Druckbefehle_Muster, APrintWithoutMemoryNamesTheCause)
{
    // In a viewer with little memory left: a page whose memory does not suffice to draw it, a
    // logo of 4096 x 4096 colour pixels that the page copies; or a page that is drawn, but that
    // Qt's PDF writer has no memory to put out as it ends the file. How much memory a process
    // that ran other tests before has left in its own heap is not known: there the second may
    // print whole.
    BmpBauer gross;
    gross.breite = gross.hoehe = 4096;
    gross.bits.assign(std::size_t{4096} * 4096 * 3, '\x40');
    const QString bericht = PdfDatei();
    const auto erwartet = [&bericht](const std::string& grund) {
        return std::vector<Meldung>{{"Die Datei \"" + NachCp1252(bericht) +
                                         "\" konnte nicht geschrieben werden: " + grund +
                                         "Der Arbeitsspeicher reicht nicht aus.",
                                     ProgrammTitel, MeldungsArt::Fehler}};
    };
    const struct
    {
        bool grossesLogo;
        std::string protokoll;
        std::vector<Meldung> meldungen;
    } faelle[] = {{false, "P000021", erwartet("")},
                  {true, "P000002", erwartet("Seite 1 konnte nicht gezeichnet werden. ")}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.protokoll);
        if (fall.grossesLogo) {
            std::string logo = gross.Datei();
            EntschluesseleLogoPuffer(logo.data(), logo.size());
            std::ofstream(PfadAusQString(m_programmOrdner.filePath(u"axo.sys"_s)), std::ios::binary)
                << logo;
            ASSERT_TRUE(m_app.LadeFirmenlogo());
        }
        Waehle(*m_ansicht->HoleProtokollListe(), {fall.protokoll});
        std::ofstream(PfadAusQString(bericht)) << "alter Bericht";
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFileName(bericht);
        m_ansicht->OnBeginPrinting(drucker);
        // In the child: 0 for the message, 3 for none (printed), 1 for another.
        const int ergebnis = ImKindMitSpeichergrenze(std::size_t{16} << 20, [&] {
            m_ansicht->OnPrint(drucker, true);
            return m_meldungen == fall.meldungen ? 0 : m_meldungen.empty() ? 3 : 1;
        });
        if (ergebnis == 3 && !fall.grossesLogo) {
            EXPECT_EQ(PdfSeitenzahl(bericht), 1);
            continue;
        }
        EXPECT_EQ(ergebnis, 0) << "1: another message; 2: raised; 3: printed; -1: the process died";
        EXPECT_EQ(LeseDatei(bericht), "alter Bericht");
        EXPECT_EQ(QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{u"druck.pdf"_s});
    }
}
#endif
