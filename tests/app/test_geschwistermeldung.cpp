// The sibling program's front request: reading the record, matching the identifier, and the
// local socket that carries it.
#include "app/geschwistermeldung.h"
#include "app_umgebung.h"

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Datensatz(const QByteArray& daten, quint32 angekuendigt)
{
    QByteArray satz(8, '\0');
    qToLittleEndian<quint32>(0xDEADBEEF, satz.data());
    qToLittleEndian<quint32>(angekuendigt, satz.data() + 4);
    return satz + daten;
}

QByteArray Datensatz(const QByteArray& daten)
{
    return Datensatz(daten, static_cast<quint32>(daten.size()));
}

} // namespace

TEST(Kopierdaten, TextEndsAtTheFirstNulAndNeverPastTheAnnouncedLength)
{
    const char mitNul[] = "abc\0def";
    EXPECT_EQ(LeseKopierdatenText(mitNul, 7), "abc");
    EXPECT_EQ(LeseKopierdatenText("IN_DEN_VORDERGRUND[12]", 20), "IN_DEN_VORDERGRUND[1");
    EXPECT_EQ(LeseKopierdatenText("IN_DEN_VORDERGRUND[12]", 0), "");
    EXPECT_EQ(LeseKopierdatenText(nullptr, 5), "");

    // No NUL within the announced length: the bytes behind it are not part of the text.
    char puffer[32];
    std::memset(puffer, ']', sizeof puffer);
    std::memcpy(puffer, "IN_DEN_VORDERGRUND[77", 21);
    const std::string text = LeseKopierdatenText(puffer, 21);
    EXPECT_EQ(text, "IN_DEN_VORDERGRUND[77");
    EXPECT_FALSE(IstVordergrundAnfrageAn(text, "77"));
}

TEST(Kopierdaten, OnlyTheOwnIdentifierBetweenTheBracketsRaises)
{
    EXPECT_TRUE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND[4711]", "4711"));
    EXPECT_TRUE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND[4711] und mehr", "4711"));
    EXPECT_TRUE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND Titel:[4711]", "4711"));

    EXPECT_FALSE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND[4712]", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND[47111]", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND[ 4711]", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND4711", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn("IN_DEN_VORDERGRUND[4711", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn(" IN_DEN_VORDERGRUND[4711]", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn("in_den_vordergrund[4711]", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn("UNBEDINGTES_SCHLIESSEN[4711]", "4711"));
    EXPECT_FALSE(IstVordergrundAnfrageAn("", "4711"));

    EXPECT_TRUE(IstVordergrundNachricht("IN_DEN_VORDERGRUND[1]"));
    EXPECT_FALSE(IstVordergrundNachricht("UNBEDINGTES_SCHLIESSEN"));
}

class GeschwisterVerbindung : public AppUmgebung
{
protected:
    void SetUp() override
    {
        AppUmgebung::SetUp();
        m_name = SocketOrdner() + u"/geschwister"_s;
        ASSERT_TRUE(m_verbindung.Lausche(m_name));
    }

    // Sends bytes in the given pieces and closes the connection.
    void Sende(const std::vector<QByteArray>& stuecke)
    {
        QLocalSocket sender;
        sender.connectToServer(m_name);
        ASSERT_TRUE(sender.waitForConnected(2000));
        for (const QByteArray& stueck : stuecke) {
            sender.write(stueck);
            ASSERT_TRUE(sender.waitForBytesWritten(2000));
            QCoreApplication::processEvents();
        }
        sender.disconnectFromServer();
    }

    QString m_name;
    CGeschwisterVerbindung m_verbindung;
};

TEST_F(GeschwisterVerbindung, HandsOnEveryCompleteRecordWithExactlyItsBytes)
{
    QSignalSpy empfangen(&m_verbindung, &CGeschwisterVerbindung::kopierdatenEmpfangen);
    const QByteArray text("IN_DEN_VORDERGRUND[1]\0rest", 26);

    Sende({Datensatz(text)});
    ASSERT_TRUE(empfangen.wait(2000));
    EXPECT_EQ(empfangen.takeFirst().at(0).toByteArray(), text);

    // Split in the header and in the text, then two records in one piece.
    const QByteArray satz = Datensatz("eins");
    Sende({satz.left(3), satz.mid(3, 6), satz.mid(9) + Datensatz("zwei") + Datensatz("")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return empfangen.size() == 3; }, 2000));
    EXPECT_EQ(empfangen.at(0).at(0).toByteArray(), "eins");
    EXPECT_EQ(empfangen.at(1).at(0).toByteArray(), "zwei");
    EXPECT_EQ(empfangen.at(2).at(0).toByteArray(), "");
}

TEST_F(GeschwisterVerbindung, IncompleteOrOversizedRecordsAreDropped)
{
    QSignalSpy empfangen(&m_verbindung, &CGeschwisterVerbindung::kopierdatenEmpfangen);

    // The connection ends before the announced bytes have come.
    Sende({Datensatz("IN_DEN_VORDERGRUND[1]", 40)});
    // More than a record may carry: the connection is dropped, nothing is read.
    Sende({Datensatz(QByteArray(16, 'x'), CGeschwisterVerbindung::MaxDatenlaenge + 1)});
    EXPECT_FALSE(empfangen.wait(300));

    // The link still works for the next sender.
    Sende({Datensatz("danach")});
    ASSERT_TRUE(empfangen.wait(2000));
    EXPECT_EQ(empfangen.takeFirst().at(0).toByteArray(), "danach");
}

TEST_F(GeschwisterVerbindung, LeftoverSocketIsTakenOverButARunningViewerIsLeftAlone)
{
    // A second viewer does not take the socket from the first one.
    CGeschwisterVerbindung zweite;
    EXPECT_FALSE(zweite.Lausche(m_name));
    QSignalSpy empfangen(&m_verbindung, &CGeschwisterVerbindung::kopierdatenEmpfangen);
    Sende({Datensatz("an die erste")});
    EXPECT_TRUE(empfangen.wait(2000));

    // A socket file that nobody answers on, as an ended program leaves it.
    const QString verwaist = SocketOrdner() + u"/verwaist"_s;
    QFile datei(verwaist);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    CGeschwisterVerbindung dritte;
    EXPECT_TRUE(dritte.Lausche(verwaist));
}

TEST_F(GeschwisterVerbindung, SenderReachTheOverviewAndEveryWindowWithTitelInItsCaption)
{
    // No overview of measures running: the user is told.
    EXPECT_FALSE(SendeAnMassnahmenuebersicht("OEFFNE_PROTOKOLL"));
    EXPECT_EQ(m_meldungen, std::vector{Hinweis("Unable to find \"AXO Maßnahmenübersicht\"")});

    CGeschwisterVerbindung uebersicht;
    ASSERT_TRUE(uebersicht.Lausche(GeschwisterAdresse(u"axo_massnahmenuebersicht_class"_s)));
    EXPECT_EQ(uebersicht.Name(), LaufzeitOrdner() + u"/axo_massnahmenuebersicht_class"_s);
    QSignalSpy beiUebersicht(&uebersicht, &CGeschwisterVerbindung::kopierdatenEmpfangen);
    EXPECT_TRUE(SendeAnMassnahmenuebersicht("OEFFNE_PROTOKOLL"));
    ASSERT_TRUE(beiUebersicht.wait(2000));
    EXPECT_EQ(beiUebersicht.takeFirst().at(0).toByteArray(), QByteArray("OEFFNE_PROTOKOLL", 17));
    EXPECT_EQ(m_meldungen.size(), 1u);

    // Only windows whose caption holds "Titel:" are asked; this viewer's own is not one of them.
    CGeschwisterVerbindung protokoll;
    CGeschwisterVerbindung andere;
    ASSERT_TRUE(protokoll.Lausche(GeschwisterAdresse(u"Proctor - Titel: Erdbau"_s)));
    ASSERT_TRUE(andere.Lausche(GeschwisterAdresse(u"protokolluebersicht_class"_s)));
    QSignalSpy beiProtokoll(&protokoll, &CGeschwisterVerbindung::kopierdatenEmpfangen);
    QSignalSpy beiAndere(&andere, &CGeschwisterVerbindung::kopierdatenEmpfangen);

    EXPECT_EQ(SendeUnbedingtesSchliessen("[7]"), 1);
    ASSERT_TRUE(beiProtokoll.wait(2000));
    EXPECT_EQ(LeseKopierdatenText(beiProtokoll.at(0).at(0).toByteArray().constData(),
                                  beiProtokoll.at(0).at(0).toByteArray().size()),
              "UNBEDINGTES_SCHLIESSEN[7]");
    EXPECT_EQ(SendeInDenVordergrund(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return beiProtokoll.size() == 2; }, 2000));
    const QByteArray vorne = beiProtokoll.at(1).at(0).toByteArray();
    EXPECT_TRUE(IstVordergrundAnfrageAn(LeseKopierdatenText(vorne.constData(), vorne.size()),
                                        EigeneKennung()));
    EXPECT_FALSE(beiAndere.wait(200));
}
