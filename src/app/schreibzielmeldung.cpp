#include "app/schreibzielmeldung.h"

#include "platform/dateien.h"
#include "platform/fehlerursache.h"
#include "platform/meldung.h"
#include "platform/qtext.h"
#include "platform/schreibziel.h"

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
