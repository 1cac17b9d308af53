// The export of selected measurements: the lines, the file with its line ends, and Ctrl+E in the
// running viewer with the save dialog.
#include "app/messungsexport.h"
#include "app/zusammenstellungszeile.h"
#include "support/dateigrenze.h"
#include "support/dateirechte.h"
#include "support/systemfehler.h"
#include "viewer_fixtur.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<CProtokoll> Protokoll(const std::string& id, const std::string& kuerzel,
                                      std::vector<MESSUNG> messungen = {Messung("1")})
{
    auto protokoll = BaueTestprotokoll({.id = id,
                                        .kopffelder = {"Nord", "", "", "", "GU", "", "", "", id},
                                        .unterartKuerzel = kuerzel,
                                        .messungen = std::move(messungen)});
    protokoll->SetzeSpeziellGruppe(4, "d10|x|y|U=3,5");
    return protokoll;
}

QByteArray LeseDatei(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("(fehlt)");
}

bool SchreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

} // namespace

TEST(Messungsexport, ZeileInAnfuehrungszeichenMitZusatzwertenNurFuerKV)
{
    const auto normal = Protokoll("P", "PV");
    const std::string zeile = BildeExportzeile(*normal, "1");
    EXPECT_EQ(zeile, "\"" + BildeZusammenstellungszeile(*normal, "1") + "\"");
    EXPECT_EQ(std::count(zeile.begin(), zeile.end(), '|'), 25);
    EXPECT_EQ(zeile.substr(0, 8), "\"P||Nord");

    // The row text ends with "|", so an empty field comes before the two extra values.
    const auto kv = Protokoll("K", "KV");
    const std::string kvZeile = BildeExportzeile(*kv, "1");
    EXPECT_EQ(kvZeile, "\"" + BildeZusammenstellungszeile(*kv, "1") + "|d10|U=3,5\"");
    EXPECT_EQ(kvZeile.substr(kvZeile.size() - 12), "||d10|U=3,5\"");
    for (const char* aehnlich : {"kv", "KVX", " KV", ""})
        EXPECT_EQ(BildeExportzeile(*Protokoll("X", aehnlich), "1").find("d10"), std::string::npos)
            << aehnlich;
}

TEST(Messungsexport, ZeilenInListenfolgeOhneVerschwundeneProtokolle)
{
    CProtokolle protokolle;
    protokolle.FuegeHinzu(Protokoll("A", "PV", {Messung("1", "0+010"), Messung("2", "0+020")}));
    protokolle.FuegeHinzu(Protokoll("B", "KV", {Messung("1", "0+030")}));
    const auto info = [](const std::string& schluessel, const std::string& messungsId) {
        ITEMINFOS zeile;
        zeile.schluessel = schluessel;
        zeile.messungsId = messungsId;
        return zeile;
    };
    const ITEMINFOS a2 = info("A", "2");
    const ITEMINFOS b1 = info("B", "1");
    const ITEMINFOS a1 = info("A", "1");
    const ITEMINFOS weg = info("C", "1");
    const std::string text = BildeMessungsExport({&a2, &weg, &b1, &a1}, protokolle);
    const auto& p = protokolle;
    EXPECT_EQ(text, BildeExportzeile(*p.FindeProtokoll("A"), "2") + "\n" +
                        BildeExportzeile(*p.FindeProtokoll("B"), "1") + "\n" +
                        BildeExportzeile(*p.FindeProtokoll("A"), "1") + "\n");
    EXPECT_NE(text.find("0+020"), std::string::npos);
}

TEST(Messungsexport, DateiMitZeilenendenDesTextmodusNeuGeschrieben)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(u"alt.messungen"_s);
    ASSERT_TRUE(SchreibeDatei(pfad, QByteArray(500, 'x')));
    // Bytes go out as they are (here "ß" as one byte).
    EXPECT_EQ(SchreibeMessungsExport(pfad, "\"Straße|\"\n\"b|\"\n"), ExportErgebnis::Geschrieben);
    EXPECT_EQ(LeseDatei(pfad), QByteArray("\"Stra\xdf"
                                          "e|\"\r\n\"b|\"\r\n"));

    // A file that cannot be made, with the cause the system gives.
    const QString schleife = ordner.filePath(u"schleife.messungen"_s);
    ASSERT_TRUE(QFile::link(schleife, schleife));
    const struct
    {
        QString ziel;
        int fehlernummer;
    } nichtAngelegt[] = {
        {ordner.filePath(u"fehlt/x.messungen"_s), ENOENT},
        {schleife, ELOOP},
        {ordner.filePath(QStringList(22, QString(200, u'a')).join(u'/')), ENAMETOOLONG}};
    for (const auto& fall : nichtAngelegt) {
        int fehlernummer = 0;
        EXPECT_EQ(SchreibeMessungsExport(fall.ziel, "a\n", &fehlernummer),
                  ExportErgebnis::NichtAngelegt);
        EXPECT_EQ(fehlernummer, fall.fehlernummer);
    }
    // A FIFO put in the chosen file's place after the dialog is not written to.
    const QString fifo = ordner.filePath(u"fifo.messungen"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_EQ(SchreibeMessungsExport(fifo, "a\n"), ExportErgebnis::KeineDatei);

    // A write the disk refuses only when the file is synced keeps the old file too.
    int fehlernummer = 0;
    {
        const CSyncScheitert voll(ENOSPC);
        EXPECT_EQ(SchreibeMessungsExport(pfad, "neu\n", &fehlernummer),
                  ExportErgebnis::NichtGeschrieben);
    }
    EXPECT_EQ(fehlernummer, ENOSPC);
    EXPECT_EQ(LeseDatei(pfad), QByteArray("\"Stra\xdf"
                                          "e|\"\r\n\"b|\"\r\n"));
}

namespace {

class ExportImViewer : public ViewerUmgebung
{
protected:
    void SetUp() override
    {
        ViewerUmgebung::SetUp();
        MusterProjekt projekt;
        projekt.titel = {"1|Erdbau|0"};
        for (const auto& protokoll :
             {Protokoll("A", "PV", {Messung("1", "0+010"), Messung("2", "0+020")}),
              Protokoll("B", "KV", {Messung("1", "0+030")})}) {
            protokoll->SetzeTitelID("1");
            projekt.protokolle.push_back(*protokoll);
        }
        m_projekt = ProgrammOrdnerText() + "/export.axo";
        ASSERT_TRUE(SchreibeProjektDatei(projekt, m_projekt));
        Starte(m_projekt);
        m_meldungen.clear();
        m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
        m_ziel = AusCp1252(ProgrammOrdnerText()) + u"/ziel.messungen"_s;
    }

    // Answers the next save dialog with `pfad` (empty: cancels it) and confirms the question
    // whether to overwrite; a name the dialog refuses cancels it. `waehrendDesDialogs` runs
    // while the dialog is open.
    void BeantworteDialog(const QString& pfad, std::function<void()> waehrendDesDialogs = {})
    {
        QTimer::singleShot(0, &m_kontext, [this, pfad, waehrendDesDialogs] {
            auto* dialog = OffenesFenster<QFileDialog>();
            if (dialog == nullptr)
                return;
            if (waehrendDesDialogs)
                waehrendDesDialogs();
            m_dialogTitel = dialog->windowTitle();
            m_dialogFilter = dialog->nameFilters();
            if (pfad.isEmpty()) {
                dialog->reject();
                return;
            }
            QTimer::singleShot(0, &m_kontext, [this] {
                if (auto* frage = OffenesFenster<QMessageBox>()) {
                    m_ueberschreibenGefragt = true;
                    frage->button(QMessageBox::Yes)->click();
                }
            });
            dialog->selectFile(pfad);
            QMetaObject::invokeMethod(dialog, "accept");
            // A refused name leaves the dialog open for another one.
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    void DrueckeStrgE()
    {
        QKeyEvent taste(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier, u"\x05"_s);
        QApplication::sendEvent(&Messungen(), &taste);
    }

    // The expected export of the rows, top to bottom, with the file's line ends.
    QByteArray Erwartet(std::initializer_list<int> zeilen) const
    {
        std::string text;
        for (int zeile : zeilen) {
            const ITEMINFOS* info = Messungen().HoleInfo(zeile);
            text += BildeExportzeile(*m_app->HoleProtokolle().FindeProtokoll(info->schluessel),
                                     info->messungsId) +
                    "\r\n";
        }
        return QByteArray::fromStdString(text);
    }

    std::string m_projekt;
    QString m_ziel;
    QString m_dialogTitel;
    QStringList m_dialogFilter;
    bool m_ueberschreibenGefragt = false;
    // Answers not yet given go with the test.
    QObject m_kontext;
};

} // namespace

TEST_F(ExportImViewer, StrgESchreibtDieGewaehltenZeilenInListenfolge)
{
    // Without a selection no dialog opens.
    BeantworteDialog({});
    DrueckeStrgE();
    QApplication::processEvents();
    EXPECT_TRUE(m_dialogTitel.isEmpty());

    Messungen().SortiereNachSpalte(4 + kAbsteigend);
    Waehle(Messungen(), {2, 0, 1});
    BeantworteDialog(m_ziel);
    DrueckeStrgE();
    EXPECT_EQ(m_dialogTitel, u"Bitte Dateinamen angeben");
    EXPECT_EQ(m_dialogFilter, QStringList{u"Messungen (*.messungen)"_s});
    const QByteArray inhalt = LeseDatei(m_ziel);
    EXPECT_EQ(inhalt, Erwartet({0, 1, 2}));
    EXPECT_EQ(inhalt.count("\r\n"), 3);
    // Descending by station.
    EXPECT_LT(inhalt.indexOf("0+030"), inhalt.indexOf("0+020"));
    EXPECT_LT(inhalt.indexOf("0+020"), inhalt.indexOf("0+010"));
    EXPECT_FALSE(m_ueberschreibenGefragt);

    // An existing file: asked first, then wholly replaced.
    Waehle(Messungen(), {1});
    BeantworteDialog(m_ziel);
    DrueckeStrgE();
    EXPECT_TRUE(m_ueberschreibenGefragt);
    EXPECT_EQ(LeseDatei(m_ziel), Erwartet({1}));

    // A name without extension gets ".messungen".
    BeantworteDialog(AusCp1252(ProgrammOrdnerText()) + u"/ohne"_s);
    m_ansicht->ExportiereMessungen();
    EXPECT_EQ(LeseDatei(AusCp1252(ProgrammOrdnerText()) + u"/ohne.messungen"_s), Erwartet({1}));
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(ExportImViewer, ZeilenWerdenErstNachDerDateiwahlGesammelt)
{
    Waehle(Messungen(), {0, 1, 2});
    // Protocol "B" renamed while the dialog is open no longer belongs to its row.
    BeantworteDialog(m_ziel, [this] { m_app->HoleProtokolle().FindeProtokoll("B")->SetzeID("C"); });
    m_ansicht->ExportiereMessungen();
    const QByteArray inhalt = LeseDatei(m_ziel);
    EXPECT_EQ(inhalt.count("\r\n"), 2) << inhalt.toStdString();
    EXPECT_FALSE(inhalt.contains("0+030"));
}

TEST_F(ExportImViewer, AbbruchUndProjektdateiSchreibenNichts)
{
    Waehle(Messungen(), {0});
    BeantworteDialog({});
    m_ansicht->ExportiereMessungen();
    EXPECT_FALSE(m_dialogTitel.isEmpty());
    EXPECT_FALSE(QFile::exists(m_ziel));

    // The open project is never overwritten.
    const QString projekt = AusCp1252(m_projekt);
    const QByteArray vorher = LeseDatei(projekt);
    BeantworteDialog(projekt);
    m_ansicht->ExportiereMessungen();
    EXPECT_EQ(LeseDatei(projekt), vorher);
    ASSERT_EQ(m_meldungen.size(), 1u);
    EXPECT_EQ(m_meldungen[0].text, "Die geöffnete Projektdatei kann nicht überschrieben werden.");

    // Nor one opened later under a name the program's texts cannot hold, whatever way its name
    // is written; an export beside it is written.
    const QString ordner = AusCp1252(ProgrammOrdnerText()) + u"/Prüfung Straße €"_s;
    const QString zweites = ordner + u"/Maßnahme Süd 東京.axo"_s;
    ASSERT_TRUE(QDir().mkpath(ordner));
    ASSERT_TRUE(
        QFile::copy(AusCp1252(SchreibeProjekt(
                        "zweites.axo", {{.id = "Z", .titelId = "1", .messungen = {Messung("1")}}})),
                    zweites));
    m_app->OeffneDokument(QFile::encodeName(zweites).toStdString());
    const QByteArray zweitesVorher = LeseDatei(zweites);
    m_ansicht->HoleTabCtrl()->setCurrentIndex(1);
    Waehle(Messungen(), {0});
    BeantworteDialog(ordner + u"/./Maßnahme Süd 東京.axo"_s);
    m_ansicht->ExportiereMessungen();
    EXPECT_EQ(LeseDatei(zweites), zweitesVorher);
    EXPECT_EQ(m_meldungen.size(), 2u);
    EXPECT_FALSE(m_ueberschreibenGefragt) << "refused before the question whether to overwrite";

    BeantworteDialog(ordner + u"/Auszug"_s);
    m_ansicht->ExportiereMessungen();
    EXPECT_EQ(LeseDatei(ordner + u"/Auszug.messungen"_s), Erwartet({0}));

    // Nor the project loaded before.
    BeantworteDialog(projekt);
    m_ansicht->ExportiereMessungen();
    EXPECT_EQ(LeseDatei(projekt), vorher);
    EXPECT_EQ(m_meldungen.back().text, "Die Datei \"" + NachCp1252(projekt) +
                                           "\" ist eine Projektdatei. Projektdateien werden "
                                           "nicht überschrieben.");
}

TEST_F(ExportImViewer, EinVollerDatentraegerLaesstDieAlteDateiStehenUndWirdGemeldet)
{
    // As on a full disk, the export gets only its first bytes out. The old file stays, whether
    // the new one is written beside it or, where its folder takes no new file, the file itself
    // would be written once the whole text is ready. The user is told. A link is followed: the
    // file it points to is the one written, in its own folder.
    const QString ordner = AusCp1252(ProgrammOrdnerText());
    const QString nurLesbar = ordner + u"/nur lesbar"_s;
    ASSERT_TRUE(QDir().mkpath(nurLesbar));
    const QString direkt = nurLesbar + u"/ziel.messungen"_s;
    const QString verweisAufDirekt = ordner + u"/verweis.messungen"_s;
    const QString verweisAusNurLesbar = nurLesbar + u"/verweis.messungen"_s;
    ASSERT_TRUE(QFile::link(direkt, verweisAufDirekt));
    ASSERT_TRUE(QFile::link(m_ziel, verweisAusNurLesbar));
    ASSERT_TRUE(SchreibeDatei(direkt, ""));
    ASSERT_EQ(chmod(QFile::encodeName(nurLesbar).constData(), 0555), 0);
    const struct
    {
        QString ziel, datei;
    } faelle[] = {{m_ziel, m_ziel},
                  {direkt, direkt},
                  {verweisAufDirekt, direkt},
                  {verweisAusNurLesbar, m_ziel}};
    Waehle(Messungen(), {0, 1, 2});
    for (const auto& fall : faelle) {
        ASSERT_TRUE(SchreibeDatei(fall.datei, "alter Inhalt"));
        m_meldungen.clear();
        BeantworteDialog(fall.ziel);
        {
            const CNurDateirechte nurDateirechte;
            const CDateigrenze grenze(1);
            m_ansicht->ExportiereMessungen();
        }
        EXPECT_EQ(LeseDatei(fall.datei), "alter Inhalt") << fall.ziel.toStdString();
        EXPECT_EQ(m_meldungen, (std::vector<Meldung>{{"Die Datei \"" + NachCp1252(fall.ziel) +
                                                          "\" konnte nicht geschrieben werden: "
                                                          "Sie würde größer, als das System "
                                                          "einer Datei erlaubt.",
                                                      ProgrammTitel, MeldungsArt::Fehler}}));
    }
    chmod(QFile::encodeName(nurLesbar).constData(), 0755);
    EXPECT_TRUE(QDir(AusCp1252(ProgrammOrdnerText()))
                    .entryList({u"ziel.messungen?*"_s}, QDir::Files | QDir::Hidden)
                    .isEmpty())
        << "no part of the new file is left beside the old one";
}

TEST_F(ExportImViewer, DieMeldungNenntDieUrsacheDesSystems)
{
    const QString ordner = AusCp1252(ProgrammOrdnerText());
    const QString schleife = ordner + u"/schleife.messungen"_s;
    ASSERT_TRUE(QFile::link(schleife, schleife));
    const QString nurLesbar = ordner + u"/nur lesbar"_s;
    ASSERT_TRUE(QDir().mkpath(nurLesbar));
    const QString imNurLesbaren = nurLesbar + u"/alt.messungen"_s;
    ASSERT_TRUE(SchreibeDatei(imNurLesbaren, "alter Inhalt"));
    ASSERT_EQ(chmod(QFile::encodeName(nurLesbar).constData(), 0555), 0);
    // Another user's file that the user may not write, in a folder where only a file's owner may
    // replace it.
    const QString gemeinsam = ordner + u"/gemeinsam"_s;
    ASSERT_TRUE(QDir().mkpath(gemeinsam));
    const QString fremd = gemeinsam + u"/fremd.messungen"_s;
    ASSERT_TRUE(SchreibeDatei(fremd, "alter Inhalt"));
    const bool mitFremdem = DarfBesitzGeben("another user's file");
    // The user's own file, write-protected: asked whether to overwrite it, the user says yes.
    const QString schreibgeschuetzt = ordner + u"/nurlesen.messungen"_s;
    ASSERT_TRUE(SchreibeDatei(schreibgeschuetzt, "alter Inhalt"));
    ASSERT_EQ(chmod(QFile::encodeName(schreibgeschuetzt).constData(), 0444), 0);
    if (mitFremdem) {
        ASSERT_EQ(chown(QFile::encodeName(gemeinsam).constData(), 4000, 4000), 0);
        ASSERT_EQ(chmod(QFile::encodeName(gemeinsam).constData(), 01777), 0);
        ASSERT_EQ(chown(QFile::encodeName(fremd).constData(), 4321, 4321), 0);
    }
    // A share on the network that has gone away while the file was written.
    const std::string getrennt =
        "\" konnte nicht geschrieben werden: Die Verbindung zum Laufwerk ist unterbrochen.";
    const struct
    {
        QString ziel;
        int syncFehler; // 0: the sync succeeds
        std::string meldung;
    } faelle[] = {
        {schleife, 0,
         "\" kann nicht angelegt werden: Der Pfad enthält eine Schleife symbolischer "
         "Verknüpfungen."},
        {nurLesbar + u"/neu.messungen"_s, 0,
         "\" kann im Ordner \"" + NachCp1252(nurLesbar) +
             "\" nicht angelegt werden: Die Berechtigung dafür fehlt."},
        {m_ziel, ENOSPC,
         "\" konnte nicht geschrieben werden: Auf dem Datenträger ist kein Platz mehr."},
        {imNurLesbaren, ENOSPC,
         "\" konnte nicht vollständig geschrieben werden: Auf dem Datenträger ist kein "
         "Platz mehr. Ihr bisheriger Inhalt ist verloren."},
        {fremd, 0, "\" konnte nicht geschrieben werden: Die Berechtigung dafür fehlt."},
        {schreibgeschuetzt, 0, "\" konnte nicht geschrieben werden: Die Berechtigung dafür fehlt."},
        {m_ziel, ENOTCONN, getrennt},
        {m_ziel, ECONNRESET, getrennt},
        {m_ziel, ECONNABORTED, getrennt},
        {m_ziel, ETIMEDOUT, getrennt},
        {m_ziel, EHOSTUNREACH, getrennt},
        {m_ziel, EHOSTDOWN, getrennt},
        {m_ziel, ENETDOWN, getrennt},
        {m_ziel, ENETUNREACH, getrennt}};
    Waehle(Messungen(), {0});
    for (const auto& fall : faelle) {
        if (fall.ziel == fremd && !mitFremdem)
            continue;
        m_meldungen.clear();
        BeantworteDialog(fall.ziel);
        {
            const CNurDateirechte nurDateirechte;
            const CSyncScheitert sync(fall.syncFehler);
            m_ansicht->ExportiereMessungen();
        }
        EXPECT_EQ(m_meldungen,
                  (std::vector<Meldung>{{"Die Datei \"" + NachCp1252(fall.ziel) + fall.meldung,
                                         ProgrammTitel, MeldungsArt::Fehler}}));
    }
    chmod(QFile::encodeName(nurLesbar).constData(), 0755);
    EXPECT_EQ(LeseDatei(fremd), "alter Inhalt");
    EXPECT_EQ(LeseDatei(schreibgeschuetzt), "alter Inhalt");
}

TEST_F(ExportImViewer, FifoUndGeraetWerdenNichtDurchEineDateiErsetzt)
{
    // The new file would take their place: a FIFO another program reads from, a device (as
    // superuser even /dev/full or /dev/null). Such a choice is refused with a message.
    const std::string ordner = ProgrammOrdnerText() + "/";
    ASSERT_EQ(mkfifo((ordner + "leser.messungen").c_str(), 0644), 0);
    std::filesystem::create_symlink(ordner + "leser.messungen", ordner + "verweis.messungen");
    std::vector<std::string> ziele{ordner + "leser.messungen", ordner + "verweis.messungen"};
    // A device of its own needs the superuser, who would be the one to lose /dev's.
    if (mknod((ordner + "null.messungen").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        ziele.push_back(ordner + "null.messungen");
    Waehle(Messungen(), {0});
    for (const std::string& ziel : ziele) {
        m_meldungen.clear();
        BeantworteDialog(AusCp1252(ziel));
        m_ansicht->ExportiereMessungen();
        EXPECT_EQ(m_meldungen,
                  (std::vector<Meldung>{{"Die Datei \"" + ziel +
                                             "\" kann nicht beschrieben werden: Es ist keine "
                                             "gewöhnliche Datei.",
                                         ProgrammTitel, MeldungsArt::Fehler}}));
        EXPECT_FALSE(std::filesystem::is_regular_file(ziel)) << ziel;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(ordner + "leser.messungen"));

    // A folder is no file either: the dialog opens it, as it always does.
    ASSERT_TRUE(std::filesystem::create_directory(ordner + "Unterordner"));
    m_meldungen.clear();
    BeantworteDialog(AusCp1252(ordner + "Unterordner"));
    m_ansicht->ExportiereMessungen();
    EXPECT_TRUE(m_meldungen.empty());
}
