// The viewer only ever reads the project file: previews, prints, exports and the stored settings
// leave its bytes and its time stamp as they were.
#include "app/befehle.h"
#include "app/seitenvorschau.h"
#include "support/fifo.h"
#include "viewer_fixtur.h"

#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

std::string Bytes(const std::string& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

class NurGelesen : public ViewerUmgebung
{
protected:
    static void WaehleAlle(CAppListCtrl& liste)
    {
        liste.selectAll();
        ASSERT_EQ(liste.HoleAusgewaehlteInfos().size(),
                  static_cast<size_t>(liste.HoleModell().rowCount()));
    }

    // The preview of the selection, shown until its pages are drawn, then closed.
    void ZeigeVorschau()
    {
        bool gezeigt = false;
        QTimer::singleShot(0, &m_kontext, [&gezeigt] {
            if (auto* vorschau = OffenesFenster<CSeitenvorschau>()) {
                gezeigt = true;
                QApplication::processEvents();
                vorschau->reject();
            }
        });
        m_ansicht->OnFilePrintPreview();
        EXPECT_TRUE(gezeigt);
    }

    // The selection printed to a PDF; its page count.
    int DruckeAlsPdf(const QString& datei)
    {
        if (!m_ansicht->OnPreparePrinting())
            return -1;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        m_ansicht->OnBeginPrinting(drucker);
        m_ansicht->OnPrint(drucker, true);
        return m_ansicht->HoleDruckauftrag().GetSeitenzahl();
    }

    // Answers the next file dialog shown while the context lives with that path, or cancels it
    // when the path is empty; `gezeigt` once it was shown.
    static void BeantworteDateidialog(const QObject& kontext, const QString& pfad, bool& gezeigt)
    {
        QTimer::singleShot(0, &kontext, [pfad, &gezeigt] {
            auto* dialog = OffenesFenster<QFileDialog>();
            if (dialog == nullptr)
                return;
            gezeigt = true;
            if (pfad.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(pfad);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }

    void Exportiere(const QString& pfad)
    {
        bool gezeigt = false;
        const QObject kontext;
        BeantworteDateidialog(kontext, pfad, gezeigt);
        m_ansicht->ExportiereMessungen();
    }

    QAction& Aktion(int befehl) const { return *m_app->HoleHauptfenster()->Aktion(befehl); }

    // File Open, answered with that path or cancelled; whether its dialog was shown.
    bool Oeffne(const QString& pfad)
    {
        bool gezeigt = false;
        const QObject kontext;
        BeantworteDateidialog(kontext, pfad, gezeigt);
        Aktion(ID_FILE_OPEN).trigger();
        return gezeigt;
    }

    // File Print, whose dialog opens its chooser of the output file; both are cancelled. Whether
    // the chooser was shown.
    bool WaehleDruckdateiAb()
    {
        // Only a printer that prints to a file offers the chooser.
        m_app->HoleDrucker().setOutputFormat(QPrinter::PdfFormat);
        bool gezeigt = false;
        const QObject kontext;
        QTimer::singleShot(0, &kontext, [&kontext, &gezeigt] {
            auto* dialog = OffenesFenster<QPrintDialog>();
            if (dialog == nullptr)
                return;
            BeantworteDateidialog(kontext, {}, gezeigt);
            if (auto* knopf = dialog->findChild<QToolButton*>(u"fileBrowser"_s))
                knopf->click();
            dialog->reject();
        });
        Aktion(ID_FILE_PRINT).trigger();
        return gezeigt;
    }

    QObject m_kontext;
};

} // namespace

TEST_F(NurGelesen, PreviewPrintSummaryAndExportLeaveTheProjectFileAsItWas)
{
    const std::string pfad = ProgrammOrdnerText() + "/Musterprojekt.axo";
    ASSERT_TRUE(SchreibeProjektDatei(BaueMusterprojekt(), pfad));
    // A day old, so that any write would show whatever the clock's resolution.
    const auto zeit = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(pfad, zeit);
    const std::string bytes = Bytes(pfad);
    Starte(pfad);
    const QString ordner = AusCp1252(ProgrammOrdnerText());

    // Every protocol, previewed and printed.
    WaehleAlle(Protokolle());
    ZeigeVorschau();
    EXPECT_GT(DruckeAlsPdf(ordner + u"/berichte.pdf"_s), 0);

    // Every measurement, as the summary table and as the export.
    m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    WaehleAlle(Messungen());
    ZeigeVorschau();
    EXPECT_GT(DruckeAlsPdf(ordner + u"/zusammenstellung.pdf"_s), 0);
    Exportiere(ordner + u"/alle.messungen"_s);
    EXPECT_TRUE(QFile::exists(ordner + u"/alle.messungen"_s));

    m_app.reset(); // the viewer's end
    EXPECT_EQ(Bytes(pfad), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(pfad), zeit);
}

TEST_F(NurGelesen, ASettingsFileThatIsAProjectIsNeverWritten)
{
    // The profile's file (written with the recent files, on a changed column layout and at the
    // end) or its lock file, or the file of Qt's own store or its lock file (read and written by
    // every file dialog, also a cancelled one: the export's, File Open's, the print dialog's
    // chooser of its output file) is a link to a project, or another name of it; Qt's may also be
    // a FIFO, on which its reader would wait for ever. The project is the one loaded, one loaded
    // before File New or File Open loaded another, one never loaded, or a file loaded that reads
    // as no project. Each is left alone.
    namespace fs = std::filesystem;
    enum class Art
    {
        Verweis,
        HarterLink,
        Fifo
    };
    const char* const kArten[] = {"a symbolic link", "a hard link", "a FIFO"};
    const std::string projekt = ProgrammOrdnerText() + "/Musterprojekt.axo";
    const std::string anderes = ProgrammOrdnerText() + "/Anderes.axo";
    const std::string nullen = ProgrammOrdnerText() + "/Nullen.axo";
    const std::string konfiguration = qEnvironmentVariable("XDG_CONFIG_HOME").toStdString();
    const std::string ordner = konfiguration + "/Tamrikwerk/";
    const std::string profil = ordner + "AXO Protokolluebersicht.conf";
    const std::string qt = konfiguration + "/QtProject.conf";
    const struct
    {
        std::string datei;
        Art art;
        std::string ziel;   // the file it is; none for a FIFO
        std::string start;  // the viewer starts on it
        std::string oeffne; // chosen in File Open; none cancels it
        bool neu = false;   // File New before the end
    } faelle[] = {{profil, Art::Verweis, projekt, projekt, projekt},
                  {profil, Art::HarterLink, projekt, projekt, projekt},
                  {profil + ".lock", Art::Verweis, projekt, projekt, projekt},
                  {qt, Art::Verweis, projekt, projekt, ""},
                  {qt, Art::HarterLink, projekt, projekt, ""},
                  {qt, Art::Fifo, "", projekt, ""},
                  {qt + ".lock", Art::Fifo, "", projekt, ""},
                  {profil, Art::Verweis, projekt, projekt, "", true},
                  {profil, Art::Verweis, projekt, projekt, anderes},
                  {profil, Art::Verweis, anderes, projekt, ""},
                  {profil, Art::Verweis, nullen, nullen, projekt}};
    const std::string vorlage = ProgrammOrdnerText() + "/Vorlage";
    ASSERT_TRUE(SchreibeProjektDatei(BaueMusterprojekt(), vorlage));
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.datei + " as " + kArten[int(fall.art)] + " of " + fall.ziel +
                     "; started on " + fall.start + ", File Open " +
                     (fall.oeffne.empty() ? "cancelled" : "on " + fall.oeffne) +
                     (fall.neu ? ", File New" : ""));
        for (const std::string& datei : {projekt, anderes})
            fs::copy_file(vorlage, datei, fs::copy_options::overwrite_existing);
        std::ofstream(nullen, std::ios::binary) << std::string(64, '\0');
        fs::create_directories(ordner);
        if (fall.art == Art::HarterLink)
            fs::create_hard_link(fall.ziel, fall.datei);
        else if (fall.art == Art::Verweis)
            fs::create_symlink(fall.ziel, fall.datei);
        else
            ASSERT_EQ(mkfifo(fall.datei.c_str(), 0644), 0);
        // A day old: any write shows, and a lock file's owner counts as long gone.
        const auto zeit = fs::file_time_type::clock::now() - std::chrono::hours(24);
        fs::last_write_time(fall.datei, zeit);
        std::map<std::string, std::string> inhalte;
        for (const std::string& datei : {projekt, anderes, nullen}) {
            fs::last_write_time(datei, zeit);
            inhalte[datei] = Bytes(datei);
        }
        const std::string export_ = ProgrammOrdnerText() + "/alle.messungen";
        {
            const CFifoLeser leser(fall.datei);
            // Each step of the user's, with no wait on a FIFO and every project as it was.
            const auto schritt = [&](const char* was, const std::function<void()>& tun) {
                SCOPED_TRACE(was);
                const CFifoWaechter waechter(fall.datei);
                tun();
                EXPECT_FALSE(waechter.HatGewartet());
                for (const auto& [datei, bytes] : inhalte)
                    EXPECT_TRUE(Bytes(datei) == bytes) << datei << ", now " << fs::file_size(datei)
                                                       << " of " << bytes.size() << " bytes";
            };
            schritt("start", [&] { Starte(fall.start); });
            schritt("File Open", [&] {
                EXPECT_TRUE(Oeffne(AusCp1252(fall.oeffne)));
                EXPECT_EQ(m_app->HoleProjektPfad(),
                          fs::path(fall.oeffne.empty() ? fall.start : fall.oeffne));
            });
            schritt("a column's width", [&] { Protokolle().header()->resizeSection(2, 123); });
            schritt("export", [&] {
                m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
                WaehleAlle(Messungen());
                Exportiere(AusCp1252(export_));
                EXPECT_TRUE(fs::remove(export_));
            });
            schritt("the print dialog's file chooser", [&] { EXPECT_TRUE(WaehleDruckdateiAb()); });
            if (fall.neu)
                schritt("File New", [&] {
                    m_ansicht->HoleTabCtrl()->setCurrentIndex(0); // where it is offered
                    Aktion(ID_FILE_NEW).trigger();
                    EXPECT_EQ(m_app->HoleProjektPfad(), fs::path());
                });
            schritt("end", [&] { m_app.reset(); });
        }

        for (const std::string& datei : {projekt, anderes, nullen})
            EXPECT_EQ(fs::last_write_time(datei), zeit) << datei;
        if (fall.art == Art::Fifo)
            EXPECT_TRUE(fs::is_fifo(fall.datei));
        else
            EXPECT_TRUE(fs::equivalent(fall.datei, fall.ziel));
        fs::remove_all(ordner);
        fs::remove(qt);
        fs::remove(qt + ".lock");
    }
}
