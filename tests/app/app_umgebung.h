#pragma once
// A clean world for one application test: its own program folder, its own folders for local
// sockets and as the user's runtime folder, captured messages, and the working directory put back
// afterwards.

#include "platform/dateien.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/umgebungsvariable.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const Meldung& meldung, std::ostream* aus)
{
    *aus << '"' << meldung.text << "\" (" << meldung.titel << ", " << static_cast<int>(meldung.art)
         << ')';
}

inline Meldung Hinweis(const std::string& text)
{
    return {text, ProgrammTitel, MeldungsArt::Hinweis};
}

// The shown top-level window of that type, such as a dialog a test answers; null when none is.
template <typename Fenster> Fenster* OffenesFenster()
{
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (auto* gesucht = qobject_cast<Fenster*>(fenster); gesucht && gesucht->isVisible())
            return gesucht;
    }
    return nullptr;
}

class AppUmgebung : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programmOrdner.isValid());
        ASSERT_TRUE(m_socketOrdner.isValid());
        ASSERT_TRUE(m_laufzeitOrdner.isValid());
        m_tmp.emplace("TMPDIR", m_socketOrdner.path().toLocal8Bit());
        m_laufzeit.emplace("XDG_RUNTIME_DIR", m_laufzeitOrdner.path().toLocal8Bit());
        m_vorherigesVerzeichnis = QDir::currentPath();
        SetzeProgrammOrdner(ProgrammOrdnerText());
        m_vorherigeAusgabe = SetzeMeldungsAusgabe(
            [this](const Meldung& meldung) { m_meldungen.push_back(meldung); });
    }

    void TearDown() override
    {
        SetzeMeldungsAusgabe(m_vorherigeAusgabe);
        QDir::setCurrent(m_vorherigesVerzeichnis);
        m_tmp.reset();
        m_laufzeit.reset();
    }

    std::string ProgrammOrdnerText() const { return NachCp1252(m_programmOrdner.path()); }
    QString SocketOrdner() const { return m_socketOrdner.path(); }
    // The user's runtime folder, where the sockets of the user's programs lie.
    QString LaufzeitOrdner() const { return m_laufzeitOrdner.path(); }

    QTemporaryDir m_programmOrdner;
    QTemporaryDir m_socketOrdner;
    QTemporaryDir m_laufzeitOrdner;
    std::vector<Meldung> m_meldungen;

private:
    std::optional<CVariableAufZeit> m_tmp;
    std::optional<CVariableAufZeit> m_laufzeit;
    QString m_vorherigesVerzeichnis;
    MeldungsAusgabe m_vorherigeAusgabe;
};
