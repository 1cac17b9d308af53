#include "platform/fehlerursache.h"

#include <cerrno>
#include <cstring>

std::string BeschreibeUrsache(int fehlernummer)
{
    switch (fehlernummer) {
    case 0:
        return {};
    case kIstProjektdatei:
        return "Sie ist eine Projektdatei, und Projektdateien werden nicht überschrieben.";
    case ENOSPC:
    case EDQUOT:
        return "Auf dem Datenträger ist kein Platz mehr.";
    case EACCES:
    case EPERM:
        return "Die Berechtigung dafür fehlt.";
    case EROFS:
        return "Das Dateisystem ist schreibgeschützt.";
    case ELOOP:
        return "Der Pfad enthält eine Schleife symbolischer Verknüpfungen.";
    case ENAMETOOLONG:
        return "Der Name ist zu lang.";
    case ENOENT:
    case ENOTDIR:
        return "Der Ordner ist nicht vorhanden.";
    case ENOMEM:
        return "Der Arbeitsspeicher reicht nicht aus.";
    case ESTALE:
        return "An ihrer Stelle steht inzwischen eine andere Datei.";
    case EFBIG:
        return "Sie würde größer, als das System einer Datei erlaubt.";
    case EIO:
        return "Der Datenträger meldet einen Fehler.";
    // A share reached over the network (NFS, SMB, sshfs) that has gone away.
    case ENOTCONN:
    case ECONNRESET:
    case ECONNABORTED:
    case ETIMEDOUT:
    case EHOSTUNREACH:
    case EHOSTDOWN:
    case ENETDOWN:
    case ENETUNREACH:
        return "Die Verbindung zum Laufwerk ist unterbrochen.";
    case ETXTBSY:
        return "Sie wird gerade als Programm ausgeführt.";
    default: {
        const char* name = ::strerrorname_np(fehlernummer);
        return "Das System meldet den Fehler " +
               (name != nullptr ? std::string(name) : std::to_string(fehlernummer)) + ".";
    }
    }
}

std::string MitUrsache(const std::string& satz, int fehlernummer)
{
    const std::string ursache = BeschreibeUrsache(fehlernummer);
    return ursache.empty() ? satz + "." : satz + ": " + ursache;
}
