#include "platform/einstellungen.h"

#include "platform/qtext.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString Hersteller = QStringLiteral("Tamrikwerk");

// QSettings opens its files, the user's and the system's, the maker's and the program's, with a
// plain open: on a FIFO that waits for a writer for ever, and a write would put a new file in its
// place.
bool SindRegulaer(const QString& programm)
{
    for (const QString& ordner :
         {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
          QLibraryInfo::path(QLibraryInfo::SettingsPath)}) {
        for (const QString& name : {Hersteller + u'/' + programm, Hersteller}) {
            const QFileInfo datei(ordner + u'/' + name + QStringLiteral(".conf"));
            if (datei.exists() && !datei.isFile())
                return false;
        }
    }
    return true;
}

// A store with such a file reads as empty and takes no writes.
QSettings Speicher(const QString& programm)
{
    if (!SindRegulaer(programm))
        return QSettings(QString(), QSettings::IniFormat);
    return QSettings(Hersteller, programm);
}

QSettings DruckEinstellungen()
{
    return Speicher(QStringLiteral("AXO2011.n"));
}

QSettings Profil()
{
    return Speicher(QStringLiteral("AXO Protokolluebersicht"));
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

// Writes through at once, so that a failure can be told.
bool Schreibe(QSettings&& einstellungen, const QString& schluessel, const QVariant& wert)
{
    einstellungen.setValue(schluessel, wert);
    einstellungen.sync();
    return einstellungen.status() == QSettings::NoError;
}

} // namespace

std::optional<int> LeseEinstellungInt(const std::string& name)
{
    // A fresh QSettings object reads the file again, so changes by other programs are seen.
    return AlsInt(DruckEinstellungen().value(AusCp1252(name)));
}

bool SchreibeEinstellungInt(const std::string& name, int wert)
{
    return Schreibe(DruckEinstellungen(), AusCp1252(name), wert);
}

std::optional<std::string> LeseEinstellungText(const std::string& name)
{
    const QVariant wert = DruckEinstellungen().value(AusCp1252(name));
    return wert.isValid() ? std::optional(NachCp1252(wert.toString())) : std::nullopt;
}

bool SchreibeEinstellungText(const std::string& name, const std::string& wert)
{
    return Schreibe(DruckEinstellungen(), AusCp1252(name), AusCp1252(wert));
}

std::string LeseProfilText(const std::string& abschnitt, const std::string& schluessel,
                           const std::string& vorgabe)
{
    const QVariant wert = Profil().value(Schluessel(abschnitt, schluessel));
    return wert.isValid() ? NachCp1252(wert.toString()) : vorgabe;
}

void SchreibeProfilText(const std::string& abschnitt, const std::string& schluessel,
                        const std::string& wert)
{
    Profil().setValue(Schluessel(abschnitt, schluessel), AusCp1252(wert));
}

std::filesystem::path LeseProfilPfad(const std::string& abschnitt, const std::string& schluessel)
{
    return PfadAusQString(Profil().value(Schluessel(abschnitt, schluessel)).toString());
}

void SchreibeProfilPfad(const std::string& abschnitt, const std::string& schluessel,
                        const std::filesystem::path& pfad)
{
    Profil().setValue(Schluessel(abschnitt, schluessel), PfadAlsQString(pfad));
}

int LeseProfilInt(const std::string& abschnitt, const std::string& schluessel, int vorgabe)
{
    return AlsInt(Profil().value(Schluessel(abschnitt, schluessel))).value_or(vorgabe);
}

void SchreibeProfilInt(const std::string& abschnitt, const std::string& schluessel, int wert)
{
    Profil().setValue(Schluessel(abschnitt, schluessel), wert);
}
