#pragma once
// A clean world for one application test: its own program folder, its own folder for local
// sockets, captured messages, and the working directory put back afterwards.

#include "platform/dateien.h"
#include "platform/meldung.h"
#include "platform/qtext.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class AppUmgebung : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programmOrdner.isValid());
        ASSERT_TRUE(m_socketOrdner.isValid());
        m_vorherigesTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_socketOrdner.path().toLocal8Bit());
        m_vorherigesVerzeichnis = QDir::currentPath();
        SetzeProgrammOrdner(ProgrammOrdnerText());
        m_vorherigeAusgabe = SetzeMeldungsAusgabe(
            [this](const std::string& text, MeldungsArt) { m_meldungen.push_back(text); });
        // Every test starts with an empty application profile, as on a first run.
        QSettings(QStringLiteral("Tamrikwerk"), QStringLiteral("AXO Protokolluebersicht")).clear();
    }

    void TearDown() override
    {
        SetzeMeldungsAusgabe(m_vorherigeAusgabe);
        QDir::setCurrent(m_vorherigesVerzeichnis);
        qputenv("TMPDIR", m_vorherigesTmp);
    }

    std::string ProgrammOrdnerText() const { return NachCp1252(m_programmOrdner.path()); }
    QString SocketOrdner() const { return m_socketOrdner.path(); }

    QTemporaryDir m_programmOrdner;
    QTemporaryDir m_socketOrdner;
    std::vector<std::string> m_meldungen;

private:
    QByteArray m_vorherigesTmp;
    QString m_vorherigesVerzeichnis;
    MeldungsAusgabe m_vorherigeAusgabe;
};
