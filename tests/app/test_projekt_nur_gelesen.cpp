// The viewer only ever reads the project file: previews, prints, exports and the stored settings
// leave its bytes and its time stamp as they were.
#include "app/seitenvorschau.h"
#include "support/fifo.h"
#include "viewer_fixtur.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPrinter>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
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

    // Answers the export's save dialog with that path.
    void Exportiere(const QString& pfad)
    {
        QTimer::singleShot(0, &m_kontext, [pfad] {
            if (auto* dialog = OffenesFenster<QFileDialog>()) {
                dialog->selectFile(pfad);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        m_ansicht->ExportiereMessungen();
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

TEST_F(NurGelesen, ASettingsFileThatIsTheProjectIsNeverWritten)
{
    // The profile's file (written with the recent files, on a changed column layout and at the
    // end) or its lock file, or the file of Qt's own store (read and written by the export's file
    // dialog) is a link to the project, or another name of it; Qt's may also be a FIFO, on which
    // its reader would wait for ever. Each is left alone, and the project too.
    namespace fs = std::filesystem;
    enum class Art
    {
        Verweis,
        HarterLink,
        Fifo
    };
    const char* const kArten[] = {"a symbolic link", "a hard link", "a FIFO"};
    const std::string pfad = ProgrammOrdnerText() + "/Musterprojekt.axo";
    const std::string konfiguration = qEnvironmentVariable("XDG_CONFIG_HOME").toStdString();
    const std::string ordner = konfiguration + "/Tamrikwerk/";
    const std::string profil = ordner + "AXO Protokolluebersicht.conf";
    const std::string qt = konfiguration + "/QtProject.conf";
    const struct
    {
        std::string datei;
        Art art;
    } faelle[] = {
        {profil, Art::Verweis}, {profil, Art::HarterLink}, {profil + ".lock", Art::Verweis},
        {qt, Art::Verweis},     {qt, Art::HarterLink},     {qt, Art::Fifo}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.datei + " as " + kArten[int(fall.art)]);
        ASSERT_TRUE(SchreibeProjektDatei(BaueMusterprojekt(), pfad));
        // A day old: any write shows, and a lock file's owner counts as long gone.
        const auto zeit = fs::file_time_type::clock::now() - std::chrono::hours(24);
        fs::last_write_time(pfad, zeit);
        const std::string bytes = Bytes(pfad);
        fs::create_directories(ordner);
        if (fall.art == Art::HarterLink)
            fs::create_hard_link(pfad, fall.datei);
        else if (fall.art == Art::Verweis)
            fs::create_symlink(pfad, fall.datei);
        else
            ASSERT_EQ(mkfifo(fall.datei.c_str(), 0644), 0);
        const std::string export_ = ProgrammOrdnerText() + "/alle.messungen";
        {
            const CFifoLeser leser(fall.datei);
            const CFifoWaechter waechter(fall.datei);
            Starte(pfad);
            Protokolle().header()->resizeSection(2, 123);
            m_app->OeffneDokument(pfad);
            m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
            WaehleAlle(Messungen());
            Exportiere(AusCp1252(export_));
            m_app.reset();
            EXPECT_FALSE(waechter.HatGewartet());
        }
        EXPECT_TRUE(fs::remove(export_));

        EXPECT_EQ(Bytes(pfad), bytes);
        EXPECT_EQ(fs::last_write_time(pfad), zeit);
        if (fall.art == Art::Fifo)
            EXPECT_TRUE(fs::is_fifo(fall.datei));
        else
            EXPECT_TRUE(fs::equivalent(fall.datei, pfad));
        fs::remove_all(ordner);
        fs::remove(qt);
    }
}
