#include "app/zusammenstellungszeile.h"

#include "data/protokoll.h"
#include "platform/text.h"

namespace {

MESSUNG FindeMessung(const CProtokoll& protokoll, const std::string& messungsId)
{
    MESSUNG messung;
    for (int i = 0; i < protokoll.GetAnzahlMessungen(); ++i) {
        protokoll.GetMessung(i, messung);
        if (messung.lfdNr == messungsId)
            return messung;
    }
    return {};
}

// Measurement-list columns whose display texts end the row.
constexpr int kErsteWertspalte = 17;
constexpr int kLetzteWertspalte = 31;

} // namespace

std::string BildeZusammenstellungszeile(const CProtokoll& protokoll, const std::string& messungsId)
{
    const MESSUNG messung = FindeMessung(protokoll, messungsId);
    std::string zeile =
        StringFormat("%s|%s|%s|%s|%s|%s|%s|%s|%s|%s|", protokoll.HoleFeld(1, 8).c_str(),
                     protokoll.HoleFeld(1, 9).c_str(), protokoll.HoleFeld(1, 0).c_str(),
                     messung.station.c_str(), messung.schicht.c_str(), messung.lage.c_str(),
                     protokoll.HoleFeld(1, 4).c_str(), protokoll.HoleFeld(1, 5).c_str(),
                     protokoll.HoleFeld(1, 6).c_str(), protokoll.GetPruefunterartKuerzel().c_str());
    for (int spalte = kErsteWertspalte; spalte <= kLetzteWertspalte; ++spalte) {
        std::string text;
        protokoll.HoleMessungsSpalteNachIndex(text, spalte, messung);
        zeile += text + "|";
    }
    return zeile;
}
