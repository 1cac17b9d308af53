#pragma once
// The one message that the sibling program of the product family sends: a request to bring the
// viewer to the front. It arrives on a local socket named after the window class, as the record
// of a copy-data message: a 32-bit data word (not looked at), a 32-bit byte count, then that many
// bytes of text; both words little-endian. The sockets of a user's programs lie in that user's
// runtime folder, so that every user of the machine has their own.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>

class QIODevice;
class QLocalServer;
class QLocalSocket;

// The text of a copy-data record: the bytes up to the first NUL, never more than `laenge`.
std::string LeseKopierdatenText(const char* daten, std::size_t laenge);

// True when the text begins with "IN_DEN_VORDERGRUND" (case-sensitive).
bool IstVordergrundNachricht(const std::string& text);
// True for a front request whose identifier between the first "[" and the next "]" is exactly
// `eigeneKennung`; anything after the "]" does not count.
bool IstVordergrundAnfrageAn(const std::string& text, const std::string& eigeneKennung);

// Takes every complete copy-data record from the device and hands its data on; a record not yet
// complete stays for the next call. False when a record announces more than
// CGeschwisterVerbindung::MaxDatenlaenge bytes: the connection is then to be dropped.
bool NimmKopierdatensaetze(QIODevice& quelle, const std::function<void(const QByteArray&)>& nimm);

// The identifier a front request carries for this program: its process id.
std::string EigeneKennung();

// The socket of a window class in the user's own runtime folder.
QString GeschwisterAdresse(const QString& fensterKlasse);

// Sends a text as one copy-data record (with its terminating NUL); false when nobody answers.
bool SendeKopierdaten(const QString& adresse, const std::string& text);
// Sends a text to the overview of measures; when it does not run, says so.
bool SendeAnMassnahmenuebersicht(const std::string& text);
// Sends to every window of the user's programs whose caption contains "Titel:" (a window that
// answers by its caption listens under it); the number of windows reached.
int SendeAnTitelfenster(const std::string& text);
// "UNBEDINGTES_SCHLIESSEN" followed by `text`, to those windows.
int SendeUnbedingtesSchliessen(const std::string& text);
// A front request with this program's identifier, to those windows.
int SendeInDenVordergrund();

// Receives copy-data records on a local socket and hands each complete one on.
class CGeschwisterVerbindung : public QObject
{
    Q_OBJECT
public:
    // Records announcing more bytes than this are refused and their connection dropped.
    static constexpr quint32 MaxDatenlaenge = 64 * 1024;

    explicit CGeschwisterVerbindung(QObject* parent = nullptr);

    // Listens under the name (a plain name or a full socket path). A socket left behind by an
    // ended program is taken over; one that another running program answers on is left alone.
    bool Lausche(const QString& name);
    QString Name() const;

signals:
    void kopierdatenEmpfangen(const QByteArray& daten);

private:
    void NimmVerbindungAn();
    void LiesDaten(QLocalSocket* socket);

    QLocalServer* m_server;
};
