#include "platform/einstellungen.h"

#include "platform/qtext.h"
#include "platform/schreibziel.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

namespace {

const QString Hersteller = QStringLiteral("Tamrikwerk");

// The files QSettings opens for a store: the program's and the maker's file in every
// configuration folder, the user's (XDG_CONFIG_HOME) first, then each of XDG_CONFIG_DIRS, and the
// lock file beside the program's file in the user's folder, which it writes.
QStringList Speicherdateien(const QString& programm)
{
    const QString datei = Hersteller + u'/' + programm + QStringLiteral(".conf");
    const QStringList ordner =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    QStringList dateien;
    if (!ordner.isEmpty())
        dateien << ordner.constFirst() + u'/' + datei + QStringLiteral(".lock");
    for (const QString& einer : ordner)
        dateien << einer + u'/' + datei << einer + u'/' + Hersteller + QStringLiteral(".conf");
    return dateien;
}

// QSettings opens them with a plain open: on a FIFO that waits for the other end for ever, and a
// write would put a new file in its place. Through a link to a project, or as another name of
// it, a write would put settings text in its place. A store with such a file is refused: it reads
// as empty and takes no writes, and it opens, creates or removes no file, not even a lock file
// (Qt's store without a file would lock ".lock" in the working folder).
bool IstSpeicherbar(const QStringList& dateien)
{
    return std::all_of(dateien.begin(), dateien.end(), [](const QString& datei) {
        const std::filesystem::path pfad = PfadAusQString(datei);
        return IstFreiOderRegulaer(pfad) && !IstNurGeleseneDatei(pfad);
    });
}

// The user's folder of settings, where a store writes.
QString Benutzerordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

class CSpeicher
{
public:
    explicit CSpeicher(const QString& programm)
    {
        if (IstSpeicherbar(Speicherdateien(programm)))
            m_datei.emplace(Hersteller, programm);
    }

    QVariant Wert(const QString& schluessel) const
    {
        return m_datei ? m_datei->value(schluessel) : QVariant();
    }

    void SetzeWert(const QString& schluessel, const QVariant& wert)
    {
        if (m_datei)
            m_datei->setValue(schluessel, wert);
    }

    // Writes through at once, so that a failure can be told; a refused store is never written.
    bool Sichere()
    {
        if (!m_datei)
            return false;
        m_datei->sync();
        return m_datei->status() == QSettings::NoError;
    }

private:
    std::optional<QSettings> m_datei; // none for a refused store
};

CSpeicher DruckEinstellungen()
{
    return CSpeicher(QStringLiteral("AXO2011.n"));
}

CSpeicher Profil()
{
    return CSpeicher(QStringLiteral("AXO Protokolluebersicht"));
}

QString Schluessel(const std::string& abschnitt, const std::string& schluessel)
{
    return AusCp1252(abschnitt) + u'/' + AusCp1252(schluessel);
}

std::optional<int> AlsInt(const QVariant& wert)
{
    bool ok = false;
    const int zahl = wert.toInt(&ok);
    return ok ? std::optional(zahl) : std::nullopt;
}

bool Schreibe(CSpeicher&& speicher, const QString& schluessel, const QVariant& wert)
{
    speicher.SetzeWert(schluessel, wert);
    return speicher.Sichere();
}

} // namespace

CQtSpeicherUmleitung::CQtSpeicherUmleitung()
{
    const QString datei = Benutzerordner() + QStringLiteral("/QtProject.conf");
    if (IstSpeicherbar({datei, datei + QStringLiteral(".lock")}))
        return;
    m_ersatzordner = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_ersatzordner->path());
}

CQtSpeicherUmleitung::~CQtSpeicherUmleitung()
{
    if (m_ersatzordner)
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Benutzerordner());
}

std::optional<int> LeseEinstellungInt(const std::string& name)
{
    // A fresh QSettings object reads the file again, so changes by other programs are seen.
    return AlsInt(DruckEinstellungen().Wert(AusCp1252(name)));
}

bool SchreibeEinstellungInt(const std::string& name, int wert)
{
    return Schreibe(DruckEinstellungen(), AusCp1252(name), wert);
}

std::optional<std::string> LeseEinstellungText(const std::string& name)
{
    const QVariant wert = DruckEinstellungen().Wert(AusCp1252(name));
    return wert.isValid() ? std::optional(NachCp1252(wert.toString())) : std::nullopt;
}

bool SchreibeEinstellungText(const std::string& name, const std::string& wert)
{
    return Schreibe(DruckEinstellungen(), AusCp1252(name), AusCp1252(wert));
}

std::string LeseProfilText(const std::string& abschnitt, const std::string& schluessel,
                           const std::string& vorgabe)
{
    const QVariant wert = Profil().Wert(Schluessel(abschnitt, schluessel));
    return wert.isValid() ? NachCp1252(wert.toString()) : vorgabe;
}

void SchreibeProfilText(const std::string& abschnitt, const std::string& schluessel,
                        const std::string& wert)
{
    Profil().SetzeWert(Schluessel(abschnitt, schluessel), AusCp1252(wert));
}

std::filesystem::path LeseProfilPfad(const std::string& abschnitt, const std::string& schluessel)
{
    return PfadAusQString(Profil().Wert(Schluessel(abschnitt, schluessel)).toString());
}

void SchreibeProfilPfad(const std::string& abschnitt, const std::string& schluessel,
                        const std::filesystem::path& pfad)
{
    Profil().SetzeWert(Schluessel(abschnitt, schluessel), PfadAlsQString(pfad));
}

int LeseProfilInt(const std::string& abschnitt, const std::string& schluessel, int vorgabe)
{
    return AlsInt(Profil().Wert(Schluessel(abschnitt, schluessel))).value_or(vorgabe);
}

void SchreibeProfilInt(const std::string& abschnitt, const std::string& schluessel, int wert)
{
    Profil().SetzeWert(Schluessel(abschnitt, schluessel), wert);
}
