#include "app/messungsexport.h"

#include "app/listenmodell.h"
#include "app/zusammenstellungszeile.h"
#include "data/protokoll.h"
#include "data/protokolle.h"
#include "platform/qtext.h"
#include "platform/schreibziel.h"
#include "platform/zwischendatei.h"

namespace {

// Protocols of this sub-type carry two more values of their special group 4.
constexpr const char* kZusatzwertKuerzel = "KV";
constexpr int kZusatzwertGruppe = 4;

std::string Exportzeile(const CProtokoll& protokoll, const std::string& zusammenstellungszeile)
{
    std::string zeile = "\"" + zusammenstellungszeile;
    if (protokoll.GetPruefunterartKuerzel() == kZusatzwertKuerzel)
        zeile += "|" + protokoll.HoleFeldSpeziell(kZusatzwertGruppe, 0) + "|" +
                 protokoll.HoleFeldSpeziell(kZusatzwertGruppe, 3);
    return zeile + "\"";
}

std::string MitTextzeilenenden(const std::string& text)
{
    std::string inhalt;
    inhalt.reserve(text.size() + text.size() / 64);
    for (char zeichen : text) {
        if (zeichen == '\n')
            inhalt += '\r';
        inhalt += zeichen;
    }
    return inhalt;
}

} // namespace

std::string BildeExportzeile(const CProtokoll& protokoll, const std::string& messungsId)
{
    return Exportzeile(protokoll, BildeZusammenstellungszeile(protokoll, messungsId));
}

std::string BildeMessungsExport(const std::vector<const ITEMINFOS*>& zeilen,
                                const CProtokolle& protokolle)
{
    const CProtokollIndex index(protokolle);
    CZusammenstellungszeilen zusammenstellung;
    std::string text;
    for (const ITEMINFOS* info : zeilen) {
        if (const CProtokoll* protokoll = index.Finde(info->schluessel))
            text += Exportzeile(*protokoll, zusammenstellung.Zeile(*protokoll, info->messungsId)) +
                    "\n";
    }
    return text;
}

ExportErgebnis SchreibeMessungsExport(const QString& pfad, const std::string& text,
                                      int* fehlernummer)
{
    // The new file would take the place of a FIFO or a device (as superuser even /dev/null's).
    if (!IstFreiOderRegulaer(PfadAusQString(pfad)))
        return ExportErgebnis::KeineDatei;
    CZwischendatei datei(PfadAusQString(pfad),
                         CZwischendatei::InGeschuetztemOrdner::ZielSelbstSchreiben);
    const bool angelegt = datei.IstAngelegt();
    const bool geschrieben =
        angelegt && datei.Schreibe(MitTextzeilenenden(text)) && datei.Ersetze();
    if (fehlernummer)
        *fehlernummer = datei.Fehlernummer();
    if (!angelegt)
        return datei.IstAbgelehnt() ? ExportErgebnis::NichtGeschrieben
                                    : ExportErgebnis::NichtAngelegt;
    if (!geschrieben)
        return datei.ZielBeschaedigt() ? ExportErgebnis::Unvollstaendig
                                       : ExportErgebnis::NichtGeschrieben;
    return ExportErgebnis::Geschrieben;
}
