#include "data/protokolle.h"

#include "data/markup.h"
#include "data/massnahme.h"
#include "data/projektdatei.h"
#include "data/textfunktionen.h"
#include "platform/dateien.h"
#include "platform/exceptions.h"
#include "platform/meldung.h"
#include "platform/text.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

std::string Feld(const std::string& eintrag, int n)
{
    return StringHoleFeld(eintrag, '|', n);
}

// Clamped to the int range, so "level - 1" of a damaged entry cannot overflow.
long Ebene(const std::string& eintrag)
{
    return std::clamp(std::strtol(Feld(eintrag, 2).c_str(), nullptr, 10), long{INT_MIN},
                      long{INT_MAX});
}

} // namespace

// ---- Loading ---------------------------------------------------------------------------------

void CProtokolle::LadeMassnahme(const std::string& pfad)
{
    CMassnahme massnahme;
    Leere();
    if (!massnahme.Lade(pfad))
        return;
    UebernimmMassnahme(massnahme, *this);
}

void UebernimmMassnahme(CMassnahme& massnahme, CProtokolle& protokolle)
{
    massnahme.UebernimmInProtokolle(protokolle);
    for (const std::string& titelId : massnahme.HoleTitelreihenfolge())
        protokolle.MerkeGewaehltenTitel(titelId);
}

void CProtokolle::Leere()
{
    m_protokolle.clear();
    m_werte.clear();
    m_titel.clear();
    m_gewaehlteTitel.clear();
    m_ersterGewaehlterTitel.clear();
}

// ---- Protocols -------------------------------------------------------------------------------

CProtokoll* CProtokolle::GetProtokoll(int index) const
{
    if (index < 0 || index >= GetAnzahl())
        throw CInvalidArgException(StringFormat("Protokoll %d gibt es nicht", index));
    return m_protokolle[index].get();
}

bool CProtokolle::FuegeHinzu(std::unique_ptr<CProtokoll> protokoll)
{
    m_protokolle.push_back(std::move(protokoll));
    return true;
}

CProtokoll* CProtokolle::FindeProtokoll(const std::string& id) const
{
    for (auto protokoll = m_protokolle.rbegin(); protokoll != m_protokolle.rend(); ++protokoll) {
        if ((*protokoll)->GetID() == id)
            return protokoll->get();
    }
    return nullptr;
}

int CProtokolle::ZaehleProtokolleMitTitel(const std::string& titelId) const
{
    return static_cast<int>(
        std::count_if(m_protokolle.begin(), m_protokolle.end(),
                      [&](const auto& p) { return p->GetTitelID() == titelId; }));
}

bool CProtokolle::HoleProtokollIDsMitTitel(const std::string& titelId,
                                           std::vector<std::string>& ids) const
{
    for (const auto& protokoll : m_protokolle) {
        if (protokoll->GetTitelID() == titelId)
            ids.push_back(protokoll->GetID());
    }
    return true;
}

bool CProtokolle::SetzeDatentexte(const std::string& id, const std::string& allgemein,
                                  const std::string& speziell)
{
    bool gefunden = false;
    for (const auto& protokoll : m_protokolle) {
        if (protokoll->GetID() == id) {
            protokoll->SetzeDatentexte(allgemein, speziell);
            gefunden = true;
        }
    }
    return gefunden;
}

bool CProtokolle::SetzeTitelID(const std::string& id, const std::string& titelId)
{
    bool gefunden = false;
    for (const auto& protokoll : m_protokolle) {
        if (protokoll->GetID() == id) {
            protokoll->SetzeTitelID(titelId);
            gefunden = true;
        }
    }
    return gefunden;
}

bool CProtokolle::LoescheProtokoll(const std::string& id)
{
    const size_t vorher = m_protokolle.size();
    std::erase_if(m_protokolle, [&](const auto& p) { return p->GetID() == id; });
    return m_protokolle.size() != vorher;
}

// ---- Header values ---------------------------------------------------------------------------

std::string CProtokolle::HoleMassnahmeWert(const std::string& schluessel) const
{
    const auto wert = m_werte.find(schluessel);
    return wert == m_werte.end() ? std::string() : wert->second;
}

void CProtokolle::SetzeMassnahmeWert(const std::string& schluessel, const std::string& wert)
{
    m_werte[schluessel] = wert;
}

// ---- Titles ----------------------------------------------------------------------------------

void CProtokolle::FuegeTitelHinzu(const std::string& eintrag)
{
    m_titel.push_back(eintrag);
}

std::string CProtokolle::HoleTitelText(const std::string& titelId) const
{
    for (const std::string& eintrag : m_titel) {
        if (Feld(eintrag, 0) == titelId)
            return Feld(eintrag, 1);
    }
    return "";
}

std::string CProtokolle::HoleElternTitel(const std::string& titelId) const
{
    bool gefunden = false;
    long ebene = 0;
    for (auto eintrag = m_titel.rbegin(); eintrag != m_titel.rend(); ++eintrag) {
        if (Feld(*eintrag, 0) == titelId) {
            ebene = Ebene(*eintrag);
            gefunden = true;
        } else if (gefunden && Ebene(*eintrag) == ebene - 1) {
            return Feld(*eintrag, 0);
        }
    }
    return "";
}

std::string CProtokolle::BildeTitelPfad(const std::string& titelId) const
{
    std::vector<std::string> ids{titelId};
    // Bounded by the title count, so a malformed tree cannot loop.
    for (size_t i = 0; i < m_titel.size(); ++i) {
        std::string eltern = HoleElternTitel(ids.front());
        if (eltern.empty())
            break;
        ids.insert(ids.begin(), std::move(eltern));
    }
    std::string pfad;
    for (const std::string& id : ids)
        pfad += HoleTitelText(id) + " -> ";
    pfad.resize(pfad.size() - 4);
    return pfad;
}

void CProtokolle::MerkeGewaehltenTitel(const std::string& titelId)
{
    m_gewaehlteTitel.insert(titelId);
    if (m_ersterGewaehlterTitel.empty())
        m_ersterGewaehlterTitel = titelId;
}

bool CProtokolle::IstTitelGewaehlt(const std::string& titelId) const
{
    return m_gewaehlteTitel.contains(titelId);
}

std::string CProtokolle::HoleGewaehltenTiteleintrag() const
{
    if (IstTitelGewaehlt("0"))
        return "0||0";
    for (const std::string& eintrag : m_titel) {
        if (IstTitelGewaehlt(Feld(eintrag, 0)))
            return eintrag;
    }
    return "";
}

// ---- Overview hand-over document -------------------------------------------------------------

bool CProtokolle::LadeUebersicht(const std::string& pfad)
{
    std::string text;
    if (!LeseGanzeDatei(pfad, text))
        return false;
    CMarkup xml;
    if (!xml.SetzeDokument(text)) {
        ZeigeMeldung("m_xml.SetDoc() fehlgeschlagen", MeldungsArt::Fehler);
        return false;
    }
    return LeseUebersichtXML(xml);
}

bool CProtokolle::LeseUebersichtXML(CMarkup& xml)
{
    if (!xml.FindeElement("protokolle4uebersicht"))
        return false;
    // Searched forward in this order; a key that stands before one found earlier is missed.
    for (const char* schluessel :
         {"massnahme_ID", "massnahme_bezeichnung", "massnahme_protNrPraefix",
          "massnahme_auftraggeber", "massnahme_fusstext", "massnahme_unterschrift",
          "massnahme_dateiname", "massnahme_pfad", "massnahme_dateipfad", "metameta"}) {
        if (xml.FindeKindElement(schluessel))
            m_werte[schluessel] = xml.HoleKindDaten();
    }
    if (xml.FindeKindElement("titelbaum")) {
        xml.BetreteElement();
        while (xml.FindeKindElement("titel"))
            m_titel.push_back(xml.HoleKindDaten());
        xml.VerlasseElement();
    }
    if (!xml.FindeKindElement("gewaehlteTitel"))
        return false;
    xml.BetreteElement();
    while (xml.FindeKindElement("titel_ID"))
        MerkeGewaehltenTitel(xml.HoleKindDaten());
    xml.VerlasseElement();

    if (!xml.FindeKindElement("protokolle"))
        return false;
    CProjektDatei datei;
    datei.SetzeDateiname(HoleMassnahmeWert("massnahme_dateipfad"));
    if (!datei.Oeffne())
        return false;
    xml.BetreteElement();
    std::string text;
    while (xml.FindeKindElement("protokoll_pos")) {
        const long position = std::strtol(xml.HoleKindDaten().c_str(), nullptr, 10);
        if (datei.LeseSatz(position, text))
            FuegeProtokollAusXmlHinzu(*this, text);
    }
    datei.Schliesse();
    return true;
}
