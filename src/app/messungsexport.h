#pragma once
// The export of selected measurements: one line per measurement, the summary table's row text in
// double quotes, for use by other programs.

#include <QString>
#include <string>
#include <vector>

class CProtokoll;
class CProtokolle;
struct ITEMINFOS;

// One line without its end: '"', the row text, for sub-type "KV" "|" and fields 0 and 3 of the
// special group 4 each after a "|", '"'.
std::string BildeExportzeile(const CProtokoll& protokoll, const std::string& messungsId);
// The lines of the rows in the given order, each ended by "\n"; a row whose protocol the
// collection no longer holds is left out.
std::string BildeMessungsExport(const std::vector<const ITEMINFOS*>& zeilen,
                                const CProtokolle& protokolle);

enum class ExportErgebnis
{
    Geschrieben,
    KeineDatei, // a FIFO, a device or a folder, which no file may replace
    NichtAngelegt,
    NichtGeschrieben, // an existing file keeps its old content
    Unvollstaendig    // failed while written in place: its old content is lost
};
// Writes the text anew with the line ends of a text file ("\r\n"). An existing file keeps its old
// content until the new one is complete, and is written itself only where no new file can take
// its place as its owner's; a FIFO or a device is not written to (KeineDatei). `fehlernummer`,
// where given, gets the errno of a failure (0 when the system gave none).
ExportErgebnis SchreibeMessungsExport(const QString& pfad, const std::string& text,
                                      int* fehlernummer = nullptr);
