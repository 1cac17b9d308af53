#include "data/protokolle.h"

#include "data/bloecke.h"
#include "data/markup.h"
#include "data/massnahme.h"
#include "data/projektdatei.h"
#include "data/textfunktionen.h"
#include "platform/dateien.h"
#include "platform/exceptions.h"
#include "platform/text.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>

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

Ladebefund CProtokolle::LadeMassnahme(const std::filesystem::path& pfad)
{
    CMassnahme massnahme;
    Leere();
    if (!massnahme.Lade(pfad))
        return massnahme.HoleLadebefund();
    try {
        UebernimmMassnahme(massnahme, *this);
        return massnahme.HoleLadebefund();
    } catch (const std::bad_alloc&) {
        // A project the memory cannot hold is one that cannot be read.
        Leere();
        return {Ladefehler::SpeicherFehlt, massnahme.HoleLadebefund().dateigroesse};
    }
}

void UebernimmMassnahme(CMassnahme& massnahme, CProtokolle& protokolle)
{
    massnahme.UebernimmInProtokolle(protokolle);
    for (const std::string& titelId : massnahme.HoleTitelreihenfolge())
        protokolle.MerkeGewaehltenTitel(titelId);
}

void CProtokolle::Leere()
{
    // One by one, each fetched ahead: a large project's protocols lie scattered in memory.
    FuerJedesVorausgeholt(m_protokolle, [this](size_t i) { m_protokolle[i].reset(); });
    m_protokolle.clear();
    m_werte.clear();
    m_titel.clear();
    m_titeltafel.reset();
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
    m_titeltafel.reset();
}

// The parent of an identifier is found walking the list backwards from its last entry: the first
// entry one level up, where each earlier entry of the same identifier takes over as the
// reference. Forwards that is: the nearest entry one level up before an entry, when it stands
// after the identifier's previous entry; the last such entry wins.
CProtokolle::Titeltafel& CProtokolle::HoleTiteltafel() const
{
    if (m_titeltafel)
        return *m_titeltafel;
    Titeltafel& tafel = m_titeltafel.emplace();
    std::map<std::string, size_t> letzteStelle;
    std::map<long, size_t> letzteStelleDerEbene;
    for (size_t i = 0; i < m_titel.size(); ++i) {
        const std::string id = Feld(m_titel[i], 0);
        const long ebene = Ebene(m_titel[i]);
        tafel.texte.try_emplace(id, Feld(m_titel[i], 1));
        const auto vorige = letzteStelle.find(id);
        const auto oben = letzteStelleDerEbene.find(ebene - 1);
        if (oben != letzteStelleDerEbene.end() &&
            (vorige == letzteStelle.end() || oben->second > vorige->second))
            tafel.eltern[id] = Feld(m_titel[oben->second], 0);
        letzteStelle[id] = i;
        letzteStelleDerEbene[ebene] = i;
    }
    return tafel;
}

std::string CProtokolle::HoleTitelText(const std::string& titelId) const
{
    const Titeltafel& tafel = HoleTiteltafel();
    const auto text = tafel.texte.find(titelId);
    return text == tafel.texte.end() ? "" : text->second;
}

std::string CProtokolle::HoleElternTitel(const std::string& titelId) const
{
    const Titeltafel& tafel = HoleTiteltafel();
    const auto eltern = tafel.eltern.find(titelId);
    return eltern == tafel.eltern.end() ? "" : eltern->second;
}

const std::string& CProtokolle::BildeTitelPfad(const std::string& titelId) const
{
    Titeltafel& tafel = HoleTiteltafel();
    if (const auto pfad = tafel.pfade.find(titelId); pfad != tafel.pfade.end())
        return pfad->second;
    std::vector<std::string> aufwaerts{titelId};
    std::set<std::string> besucht{titelId};
    for (std::string eltern = HoleElternTitel(titelId);
         !eltern.empty() && besucht.insert(eltern).second; eltern = HoleElternTitel(eltern))
        aufwaerts.push_back(eltern);
    std::string pfad;
    for (auto id = aufwaerts.rbegin(); id != aufwaerts.rend(); ++id)
        pfad += HoleTitelText(*id) + " -> ";
    pfad.resize(pfad.size() - 4);
    return tafel.pfade.emplace(titelId, std::move(pfad)).first->second;
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

bool CProtokolle::LadeUebersicht(const std::filesystem::path& pfad)
{
    try {
        CMarkup xml;
        return LadeXmlDokument(pfad, xml) && LeseUebersichtXML(xml);
    } catch (const std::bad_alloc&) {
        return false; // a document the memory cannot hold is one that cannot be read
    }
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
            FuegeTitelHinzu(xml.HoleKindDaten());
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
    datei.SetzeDateiname(PfadAusText(HoleMassnahmeWert("massnahme_dateipfad")));
    if (!datei.Oeffne())
        return false;
    xml.BetreteElement();
    // A read that fails is a file that cannot be read: as in a load, none of its protocols is
    // taken, so they are added only once every record has read.
    std::vector<std::string> saetze;
    try {
        std::string text;
        while (xml.FindeKindElement("protokoll_pos")) {
            const long position = std::strtol(xml.HoleKindDaten().c_str(), nullptr, 10);
            if (datei.LeseSatz(position, text))
                saetze.push_back(std::move(text));
        }
    } catch (const CFileException&) {
        return false;
    }
    for (const std::string& satz : saetze)
        FuegeProtokollAusXmlHinzu(*this, satz);
    return true;
}
