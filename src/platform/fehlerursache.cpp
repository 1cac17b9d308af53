#include "platform/fehlerursache.h"

#include <cerrno>

std::string BeschreibeUrsache(int fehlernummer)
{
    switch (fehlernummer) {
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
        return "Der Ordner ist nicht vorhanden.";
    case ENOMEM:
        return "Der Arbeitsspeicher reicht nicht aus.";
    case ESTALE:
        return "An ihrer Stelle steht inzwischen eine andere Datei.";
    default:
        return {};
    }
}

std::string MitUrsache(const std::string& satz, int fehlernummer)
{
    const std::string ursache = BeschreibeUrsache(fehlernummer);
    return ursache.empty() ? satz + "." : satz + ": " + ursache;
}
