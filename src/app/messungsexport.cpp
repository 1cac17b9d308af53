#include "app/messungsexport.h"

#include "app/listenmodell.h"
#include "app/zusammenstellungszeile.h"
#include "data/protokoll.h"
#include "data/protokolle.h"

#include <QFileInfo>
#include <QSaveFile>

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

ExportErgebnis SchreibeMessungsExport(const QString& pfad, const std::string& text)
{
    // The new file would take the place of a FIFO or a device (as superuser even /dev/null's).
    if (const QFileInfo vorhanden(pfad); vorhanden.exists() && !vorhanden.isFile())
        return ExportErgebnis::NichtAngelegt;
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
