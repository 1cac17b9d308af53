#include "app/schreibzielmeldung.h"

#include "platform/dateien.h"
#include "platform/fehlerursache.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/schreibziel.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void MeldeDateifehler(const QString& pfad, const std::string& was)
{
    ZeigeMeldung("Die Datei \"" + NachCp1252(pfad) + "\" " + was, MeldungsArt::Fehler);
}

void MeldeKeineGewoehnlicheDatei(const QString& pfad)
{
    MeldeDateifehler(pfad,
                     std::string("kann nicht beschrieben werden: ") + kKeineGewoehnlicheDatei);
}

bool PruefeSchreibziel(const QString& pfad, const std::filesystem::path& projekt)
{
    const std::filesystem::path ziel = PfadAusQString(pfad);
    const std::filesystem::path verweis = Verweisziel(ziel);
    if (IstFremderVerweis(verweis)) {
        MeldeDateifehler(pfad, "kann nicht beschrieben werden: Die Verknüpfung \"" +
                                   PfadAlsText(verweis) +
                                   "\" gehört einem anderen Benutzer, und in einem Ordner, in den "
                                   "jeder schreiben darf, wird ihr nicht gefolgt.");
        return false;
    }
    if (IstDieselbeDatei(ziel, projekt)) {
        ZeigeMeldung("Die geöffnete Projektdatei kann nicht überschrieben werden.",
                     MeldungsArt::Warnung);
        return false;
    }
    if (IstNurGeleseneDatei(ziel)) {
        ZeigeMeldung("Die Datei \"" + NachCp1252(pfad) +
                         "\" ist eine Projektdatei. Projektdateien werden nicht überschrieben.",
                     MeldungsArt::Warnung);
        return false;
    }
    if (!IstFreiOderRegulaer(ziel)) {
        MeldeKeineGewoehnlicheDatei(pfad);
        return false;
    }
    return true;
}

namespace {

// Why no file can be made at `pfad`, as far as its name tells, after the message: a loop of links
// or a name too long on its way, or a folder (also one a link points into) that is not there or
// takes no new file, named in the message. False when none of these.
bool MeldeHindernisDesNamens(const QString& pfad)
{
    struct stat info;
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0 &&
        (errno == ELOOP || errno == ENAMETOOLONG)) {
        MeldeNichtAngelegt(pfad, errno);
        return true;
    }
    const QFileInfo ziel(PfadAlsQString(Verweisziel(PfadAusQString(pfad))));
    if (ziel.exists())
        return false;
    const QString ordner = ziel.absolutePath();
    const std::string name = "\"" + NachCp1252(ordner) + "\"";
    if (!QFileInfo(ordner).isDir())
        MeldeDateifehler(pfad, "kann nicht angelegt werden: Der Ordner " + name +
                                   " ist nicht vorhanden.");
    else if (::faccessat(AT_FDCWD, QFile::encodeName(ordner).constData(), W_OK | X_OK,
                         AT_EACCESS) != 0)
        MeldeDateifehler(pfad,
                         MitUrsache("kann im Ordner " + name + " nicht angelegt werden", errno));
    else
        return false;
    return true;
}

} // namespace

bool PruefeGewaehlteDatei(const QString& pfad, const std::filesystem::path& projekt)
{
    return PruefeSchreibziel(pfad, projekt) && !MeldeHindernisDesNamens(pfad);
}

void MeldeNichtAngelegt(const QString& pfad, int fehlernummer)
{
    MeldeDateifehler(pfad, MitUrsache("kann nicht angelegt werden", fehlernummer));
}

void MeldeNichtGeschrieben(const QString& pfad, int fehlernummer)
{
    MeldeDateifehler(pfad, MitUrsache("konnte nicht geschrieben werden", fehlernummer));
}

void MeldeUnvollstaendig(const QString& pfad, int fehlernummer)
{
    MeldeDateifehler(pfad, MitUrsache("konnte nicht vollständig geschrieben werden", fehlernummer) +
                               " Ihr bisheriger Inhalt ist verloren.");
}
