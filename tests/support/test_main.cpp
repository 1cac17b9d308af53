// Every test executable runs inside a QApplication (offscreen), as the program does, with the
// numeric locale put back to "C" after Qt has set it from the environment. Settings go to a
// temporary folder, never to the user's own. All tests of an executable share that one process, so
// each test starts as on a first run: no stored settings, and an application no test can end. A
// test skipped as a whole is listed with its reason (support/ausgelassen.h).
#include "support/ausgelassen.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <utility>

namespace {

// An end request reaching the application would close every window and make each later event
// loop, a modal dialog's too, return at once. It stops here, after the program's own watchers,
// installed later, have seen it.
class EndeSperre : public QObject
{
protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        return objekt == QCoreApplication::instance() && ereignis->type() == QEvent::Quit;
    }
};

// Empties the settings folder (the program's stores and Qt's own, such as the file dialog's last
// folder) before each test.
class FrischeEinstellungen : public ::testing::EmptyTestEventListener
{
public:
    explicit FrischeEinstellungen(QString ordner) : m_ordner(std::move(ordner)) {}

    void OnTestStart(const ::testing::TestInfo&) override
    {
        QDir(m_ordner).removeRecursively();
        QDir().mkpath(m_ordner);
    }

private:
    QString m_ordner;
};

// A test skipped as a whole goes on the list of cases not run, with its reason.
class AusgelasseneTests : public ::testing::EmptyTestEventListener
{
public:
    void OnTestEnd(const ::testing::TestInfo& test) override { VermerkeWennAusgelassen(test); }
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toLocal8Bit());
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new FrischeEinstellungen(konfiguration.path()));
    ::testing::UnitTest::GetInstance()->listeners().Append(new AusgelasseneTests);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    EndeSperre endeSperre;
    app.installEventFilter(&endeSperre);
    return RUN_ALL_TESTS();
}
