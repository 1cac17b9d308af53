#pragma once
// The protocol collection of the whole run: the loaded project's header values under
// "massnahme_" keys, its title list and its protocols in title order. The lists, the report
// headers and the print jobs read protocols and header values only from here.

#include "data/projektdatei.h"
#include "data/protokoll.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class CMarkup;
class CMassnahme;

class CProtokolle
{
public:
    CProtokolle() = default;
    virtual ~CProtokolle() = default;
    CProtokolle(const CProtokolle&) = delete;
    CProtokolle& operator=(const CProtokolle&) = delete;

    // Empties the collection and loads the project file; a file that cannot be read, nor held in
    // memory, leaves the collection empty. The result tells why the file was not read whole.
    Ladebefund LadeMassnahme(const std::filesystem::path& pfad);
    void Leere();

    int GetAnzahl() const { return static_cast<int>(m_protokolle.size()); }
    // CInvalidArgException for an index outside the protocols.
    CProtokoll* GetProtokoll(int index) const;
    bool FuegeHinzu(std::unique_ptr<CProtokoll> protokoll);
    // The last protocol with that identifier; null when none.
    CProtokoll* FindeProtokoll(const std::string& id) const;

    // "" for a key that no load has set.
    std::string HoleMassnahmeWert(const std::string& schluessel) const;
    void SetzeMassnahmeWert(const std::string& schluessel, const std::string& wert);

    int GetAnzahlTitel() const { return static_cast<int>(m_titel.size()); }
    void FuegeTitelHinzu(const std::string& eintrag);
    // Text of the first title entry with that identifier; "" when none.
    std::string HoleTitelText(const std::string& titelId) const;
    // Identifier of the parent title; "" for a top-level title or an unknown identifier.
    std::string HoleElternTitel(const std::string& titelId) const;
    // The title texts from the top down to the title, joined by " -> "; a title met again on
    // the way up (identifiers repeated at other levels) ends the path. Built once per title list.
    const std::string& BildeTitelPfad(const std::string& titelId) const;

    void MerkeGewaehltenTitel(const std::string& titelId);
    bool IstTitelGewaehlt(const std::string& titelId) const;
    // "0||0" when the root is chosen, else the first chosen title entry in title order.
    std::string HoleGewaehltenTiteleintrag() const;

    int ZaehleProtokolleMitTitel(const std::string& titelId) const;
    bool HoleProtokollIDsMitTitel(const std::string& titelId, std::vector<std::string>& ids) const;
    // These act on every protocol with the identifier; true when there was one.
    bool SetzeDatentexte(const std::string& id, const std::string& allgemein,
                         const std::string& speziell);
    bool SetzeTitelID(const std::string& id, const std::string& titelId);
    bool LoescheProtokoll(const std::string& id);

    // A spare text that nothing sets; emptying the collection leaves it alone.
    const std::string& HoleReservetext() const { return m_reservetext; }

    // Reader of the overview hand-over document that a project can build; false also when the
    // memory cannot hold it.
    bool LadeUebersicht(const std::filesystem::path& pfad);
    bool LeseUebersichtXML(CMarkup& xml);

private:
    // Parent and text of every title identifier, from one pass over the title list, and the
    // paths built so far; dropped whenever the title list changes.
    struct Titeltafel
    {
        std::map<std::string, std::string> eltern;
        std::map<std::string, std::string> texte;
        std::map<std::string, std::string> pfade;
    };
    Titeltafel& HoleTiteltafel() const;

    std::string m_reservetext;
    std::map<std::string, std::string> m_werte;
    std::vector<std::string> m_titel;
    std::set<std::string> m_gewaehlteTitel;
    std::string m_ersterGewaehlterTitel;
    std::vector<std::unique_ptr<CProtokoll>> m_protokolle;
    mutable std::optional<Titeltafel> m_titeltafel;
};

// Takes a loaded project over: header values, titles, the chosen titles and the protocols in
// title order.
void UebernimmMassnahme(CMassnahme& massnahme, CProtokolle& protokolle);
