#include "app/zusammenstellungszeile.h"

#include "data/protokoll.h"
#include "data/protokolle.h"
#include "pages/zusammenstellungdruck.h"
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

CProtokollIndex::CProtokollIndex(const CProtokolle& protokolle)
{
    m_nachId.reserve(static_cast<std::size_t>(protokolle.GetAnzahl()));
    for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
        const CProtokoll* protokoll = protokolle.GetProtokoll(i);
        m_nachId.insert_or_assign(protokoll->GetID(), protokoll);
    }
}

const CProtokoll* CProtokollIndex::Finde(const std::string& id) const
{
    const auto treffer = m_nachId.find(id);
    return treffer == m_nachId.end() ? nullptr : treffer->second;
}

void BereiteZusammenstellungszeilenVor(CZusammenstellungDruck& druck, const CProtokolle& protokolle,
                                       const std::vector<MessungsSchluessel>& messungen)
{
    druck.Leere();
    druck.SetzeBaustelle(protokolle.HoleMassnahmeWert("massnahme_bezeichnung"));
    druck.SetzeProtNrPraefix(protokolle.HoleMassnahmeWert("massnahme_protNrPraefix"));
    const CProtokollIndex index(protokolle);
    for (const auto& [schluessel, messungsId] : messungen) {
        if (const CProtokoll* protokoll = index.Finde(schluessel))
            druck.FuegeZeileHinzu(BildeZusammenstellungszeile(*protokoll, messungsId), *protokoll);
    }
}
