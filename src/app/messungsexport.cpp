#include "app/messungsexport.h"

#include "app/listenmodell.h"
#include "app/zusammenstellungszeile.h"
#include "data/protokoll.h"
#include "data/protokolle.h"

#include <QSaveFile>

namespace {

// Protocols of this sub-type carry two more values of their special group 4.
constexpr const char* kZusatzwertKuerzel = "KV";
constexpr int kZusatzwertGruppe = 4;

} // namespace

std::string BildeExportzeile(const CProtokoll& protokoll, const std::string& messungsId)
{
    std::string zeile = "\"" + BildeZusammenstellungszeile(protokoll, messungsId);
    if (protokoll.GetPruefunterartKuerzel() == kZusatzwertKuerzel)
        zeile += "|" + protokoll.HoleFeldSpeziell(kZusatzwertGruppe, 0) + "|" +
                 protokoll.HoleFeldSpeziell(kZusatzwertGruppe, 3);
    return zeile + "\"";
}

std::string BildeMessungsExport(const std::vector<const ITEMINFOS*>& zeilen,
                                const CProtokolle& protokolle)
{
    const CProtokollIndex index(protokolle);
    std::string text;
    for (const ITEMINFOS* info : zeilen) {
        if (const CProtokoll* protokoll = index.Finde(info->schluessel))
            text += BildeExportzeile(*protokoll, info->messungsId) + "\n";
    }
    return text;
}

ExportErgebnis SchreibeMessungsExport(const QString& pfad, const std::string& text)
{
    QSaveFile datei(pfad);
    // Where no file can be made beside it, the file itself is written.
    datei.setDirectWriteFallback(true);
    if (!datei.open(QIODevice::WriteOnly))
        return ExportErgebnis::NichtAngelegt;
    QByteArray inhalt;
    inhalt.reserve(static_cast<qsizetype>(text.size() + text.size() / 64));
    for (char zeichen : text) {
        if (zeichen == '\n')
            inhalt.append('\r');
        inhalt.append(zeichen);
    }
    if (datei.write(inhalt) != inhalt.size() || !datei.commit())
        return ExportErgebnis::NichtGeschrieben;
    return ExportErgebnis::Geschrieben;
}
