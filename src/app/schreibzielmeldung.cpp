#include "app/schreibzielmeldung.h"

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
    if (IstDieselbeDatei(PfadAusQString(pfad), projekt)) {
        ZeigeMeldung("Die geöffnete Projektdatei kann nicht überschrieben werden.",
                     MeldungsArt::Warnung);
        return false;
    }
    if (!IstFreiOderRegulaer(PfadAusQString(pfad))) {
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
