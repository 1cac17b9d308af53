#include "app/geschwistermeldung.h"

#include "data/textfunktionen.h"
#include "platform/meldung.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>
#include <cstring>

namespace {

constexpr const char* VordergrundText = "IN_DEN_VORDERGRUND";
constexpr qint64 KopfLaenge = 8;
constexpr int kWarteMs = 1000;

QString Laufzeitordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace

using namespace Qt::StringLiterals;

std::string LeseKopierdatenText(const char* daten, std::size_t laenge)
{
    if (daten == nullptr)
        return {};
    // The sender may leave out the terminating NUL: never look past the announced length.
    const void* ende = std::memchr(daten, '\0', laenge);
    return std::string(daten, ende ? static_cast<const char*>(ende) - daten : laenge);
}

bool IstVordergrundNachricht(const std::string& text)
{
    return StringFinde(text, VordergrundText, 0) == 0;
}

bool IstVordergrundAnfrageAn(const std::string& text, const std::string& eigeneKennung)
{
    return IstVordergrundNachricht(text) && StringHoleZwischen(text, '[', ']', 0) == eigeneKennung;
}

bool NimmKopierdatensaetze(QIODevice& quelle, const std::function<void(const QByteArray&)>& nimm)
{
    while (quelle.bytesAvailable() >= KopfLaenge) {
        const QByteArray kopf = quelle.peek(KopfLaenge);
        const quint32 laenge = qFromLittleEndian<quint32>(kopf.constData() + 4);
        if (laenge > CGeschwisterVerbindung::MaxDatenlaenge)
            return false;
        if (quelle.bytesAvailable() < KopfLaenge + laenge)
            return true;
        quelle.skip(KopfLaenge);
        nimm(quelle.read(laenge));
    }
    return true;
}

std::string EigeneKennung()
{
    return std::to_string(QCoreApplication::applicationPid());
}

QString GeschwisterAdresse(const QString& fensterKlasse)
{
    return Laufzeitordner() + u'/' + fensterKlasse;
}

bool SendeKopierdaten(const QString& adresse, const std::string& text)
{
    if (text.size() + 1 > CGeschwisterVerbindung::MaxDatenlaenge)
        return false;
    QLocalSocket sender;
    sender.connectToServer(adresse);
    if (!sender.waitForConnected(kWarteMs))
        return false;
    QByteArray satz(KopfLaenge, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(text.size() + 1), satz.data() + 4);
    satz.append(text.data(), static_cast<qsizetype>(text.size()));
    satz.append('\0');
    sender.write(satz);
    const bool gesendet = sender.waitForBytesWritten(kWarteMs);
    sender.disconnectFromServer();
    return gesendet;
}

bool SendeAnMassnahmenuebersicht(const std::string& text)
{
    if (SendeKopierdaten(GeschwisterAdresse(u"axo_massnahmenuebersicht_class"_s), text))
        return true;
    ZeigeMeldung("Unable to find \"AXO Maßnahmenübersicht\"");
    return false;
}

int SendeAnTitelfenster(const std::string& text)
{
    const QString laufzeitordner = Laufzeitordner();
    if (laufzeitordner.isEmpty())
        return 0;
    int erreicht = 0;
    const QDir ordner(laufzeitordner);
    for (const QString& name : ordner.entryList(QDir::System | QDir::Hidden)) {
        if (name.contains(u"Titel:"_s) && SendeKopierdaten(ordner.filePath(name), text))
            ++erreicht;
    }
    return erreicht;
}

int SendeUnbedingtesSchliessen(const std::string& text)
{
    return SendeAnTitelfenster("UNBEDINGTES_SCHLIESSEN" + text);
}

int SendeInDenVordergrund()
{
    return SendeAnTitelfenster(std::string(VordergrundText) + "[" + EigeneKennung() + "]");
}

CGeschwisterVerbindung::CGeschwisterVerbindung(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    // Only programs of the same user may ask the viewer to come forward.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this,
            &CGeschwisterVerbindung::NimmVerbindungAn);
}

bool CGeschwisterVerbindung::Lausche(const QString& name)
{
    // Listening would replace the socket of a viewer that still runs: ask first.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(200))
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

QString CGeschwisterVerbindung::Name() const
{
    return m_server->fullServerName();
}

void CGeschwisterVerbindung::NimmVerbindungAn()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { LiesDaten(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        LiesDaten(socket);
    }
}

void CGeschwisterVerbindung::LiesDaten(QLocalSocket* socket)
{
    if (!NimmKopierdatensaetze(*socket,
                               [this](const QByteArray& daten) { emit kopierdatenEmpfangen(daten); }))
        socket->abort();
}
