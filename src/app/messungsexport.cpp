#include "app/messungsexport.h"

#include "app/listenmodell.h"
#include "app/zusammenstellungszeile.h"
#include "data/protokoll.h"
#include "data/protokolle.h"
#include "platform/qtext.h"
#include "platform/schreibziel.h"

#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

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

QByteArray MitTextzeilenenden(const std::string& text)
{
    QByteArray inhalt;
    inhalt.reserve(static_cast<qsizetype>(text.size() + text.size() / 64));
    for (char zeichen : text) {
        if (zeichen == '\n')
            inhalt.append('\r');
        inhalt.append(zeichen);
    }
    return inhalt;
}

// Where no new file can be made beside it, QSaveFile writes the file itself: by the rights this
// process has on the folder of the file a link points to, where QSaveFile writes.
bool WirdDirektGeschrieben(const QString& pfad)
{
    const std::filesystem::path ordner =
        Verweisziel(PfadAusQString(QFileInfo(pfad).absoluteFilePath())).parent_path();
    return faccessat(AT_FDCWD, ordner.c_str(), W_OK, AT_EACCESS) != 0;
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
    if (!IstFreiOderRegulaer(PfadAusQString(pfad)))
        return ExportErgebnis::KeineDatei;
    const bool direkt = WirdDirektGeschrieben(pfad);
    QSaveFile datei(pfad);
    datei.setDirectWriteFallback(true);
    if (!datei.open(QIODevice::WriteOnly))
        return ExportErgebnis::NichtAngelegt;
    // A small file stays in QSaveFile's buffer until commit(), which ignores a failure to write
    // it out (a full disk) or to sync it (a network share or a quota refusing what it had
    // taken) and would put the cut file in the old one's place. Where the file itself is
    // written, cancelling changes nothing and commit() succeeds all the same.
    const QByteArray inhalt = MitTextzeilenenden(text);
    const bool vollstaendig =
        datei.write(inhalt) == inhalt.size() && datei.flush() && ::fsync(datei.handle()) == 0;
    if (!vollstaendig)
        datei.cancelWriting();
    const bool uebernommen = datei.commit();
    if (!vollstaendig || !uebernommen)
        return direkt ? ExportErgebnis::Unvollstaendig : ExportErgebnis::NichtGeschrieben;
    return ExportErgebnis::Geschrieben;
}
