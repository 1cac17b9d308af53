#pragma once
// What the benchmarks that start Qt set up before its application object: Qt draws offscreen
// unless a platform is named, and the settings (print settings, the viewer's profile) live in a
// folder of this run only, so that no run reads or writes the user's.

#include <QTemporaryDir>
#include <QtGlobal>
#include <optional>

class CQtBenchUmgebung
{
public:
    // A child process that a benchmark starts (`vomElternprozess`) keeps the folder its parent
    // handed down: it ends without clean-up and would leave a folder of its own behind.
    explicit CQtBenchUmgebung(bool vomElternprozess = false)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!vomElternprozess) {
            m_einstellungen.emplace();
            qputenv("XDG_CONFIG_HOME", m_einstellungen->path().toLocal8Bit());
        }
    }

private:
    std::optional<QTemporaryDir> m_einstellungen;
};
