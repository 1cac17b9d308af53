#include "app/zusammenstellungszeile.h"

#include "data/protokoll.h"
#include "data/protokolle.h"
#include "pages/zusammenstellungdruck.h"

#include <initializer_list>

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

// The fields a row takes from its protocol alone: 0 to 2 before the measurement's place and 6
// to 9 after it, each followed by "|".
struct Zeilenkopf
{
    std::string vorOrt;
    std::string nachOrt;
};

std::string MitTrenner(std::initializer_list<std::string> felder)
{
    std::string text;
    for (const std::string& feld : felder) {
        text += feld;
        text += '|';
    }
    return text;
}

Zeilenkopf BildeZeilenkopf(const CProtokoll& protokoll)
{
    return {
        MitTrenner({protokoll.HoleFeld(1, 8), protokoll.HoleFeld(1, 9), protokoll.HoleFeld(1, 0)}),
        MitTrenner({protokoll.HoleFeld(1, 4), protokoll.HoleFeld(1, 5), protokoll.HoleFeld(1, 6),
                    protokoll.GetPruefunterartKuerzel()})};
}

std::string BildeZeile(const std::string& vorOrt, const std::string& nachOrt,
                       const CProtokoll& protokoll, const MESSUNG& messung)
{
    std::string zeile = vorOrt;
    const auto haengeAn = [&zeile](const std::string& feld) {
        zeile += feld;
        zeile += '|';
    };
    haengeAn(messung.station);
    haengeAn(messung.schicht);
    haengeAn(messung.lage);
    zeile += nachOrt;
    std::string text;
    for (int spalte = kErsteWertspalte; spalte <= kLetzteWertspalte; ++spalte) {
        protokoll.HoleMessungsSpalteNachIndex(text, spalte, messung);
        haengeAn(text);
    }
    return zeile;
}

} // namespace

std::string BildeZusammenstellungszeile(const CProtokoll& protokoll, const std::string& messungsId)
{
    const Zeilenkopf kopf = BildeZeilenkopf(protokoll);
    return BildeZeile(kopf.vorOrt, kopf.nachOrt, protokoll, FindeMessung(protokoll, messungsId));
}

std::string CZusammenstellungszeilen::Zeile(const CProtokoll& protokoll,
                                            const std::string& messungsId)
{
    auto [eintrag, neu] = m_protokolle.try_emplace(&protokoll);
    Protokollzeilen& zeilen = eintrag->second;
    MESSUNG messung;
    if (neu) {
        Zeilenkopf kopf = BildeZeilenkopf(protokoll);
        zeilen.vorOrt = std::move(kopf.vorOrt);
        zeilen.nachOrt = std::move(kopf.nachOrt);
        for (int i = 0; i < protokoll.GetAnzahlMessungen(); ++i) {
            protokoll.GetMessung(i, messung);
            zeilen.messungNachNr.emplace(messung.lfdNr, i);
        }
        messung = {};
    }
    if (const auto stelle = zeilen.messungNachNr.find(messungsId);
        stelle != zeilen.messungNachNr.end())
        protokoll.GetMessung(stelle->second, messung);
    return BildeZeile(zeilen.vorOrt, zeilen.nachOrt, protokoll, messung);
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
    CZusammenstellungszeilen zeilen;
    for (const auto& [schluessel, messungsId] : messungen) {
        if (const CProtokoll* protokoll = index.Finde(schluessel))
            druck.FuegeZeileHinzu(zeilen.Zeile(*protokoll, messungsId), *protokoll);
    }
}
