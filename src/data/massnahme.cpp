#include "data/massnahme.h"

#include "data/bloecke.h"
#include "data/markup.h"
#include "data/protokolle.h"
#include "data/textfunktionen.h"
#include "data/umgebung.h"
#include "platform/dateien.h"
#include "platform/exceptions.h"
#include "platform/meldung.h"
#include "platform/text.h"
#include "platform/zwischendatei.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>
#include <set>
#include <string_view>
#include <unordered_map>

namespace {

// Integer of a level or position text; 0 when it does not start with a number.
long ZahlAus(const std::string& text)
{
    return std::strtol(text.c_str(), nullptr, 10);
}

// Reads the "vorgabe" children of the current main element into the map.
void LeseVorgabeKinder(CMarkup& xml, std::map<std::string, std::string>& vorgaben)
{
    while (xml.FindeKindElement("vorgabe"))
        vorgaben[xml.HoleKindAttribut("ID")] = MitCrLf(xml.HoleKindDaten());
}

// Appends the text of every child of that name of the current main element.
void LeseKindTexte(CMarkup& xml, const std::string& name, std::vector<std::string>& texte)
{
    while (xml.FindeKindElement(name))
        texte.push_back(xml.HoleKindDaten());
}

std::string Feld(const std::string& eintrag, int n)
{
    return StringHoleFeld(eintrag, '|', n);
}

void PruefeIndex(int index, size_t anzahl, const char* was)
{
    if (index < 0 || static_cast<size_t>(index) >= anzahl)
        throw CInvalidArgException(StringFormat("%s %d gibt es nicht", was, index));
}

} // namespace

const std::vector<std::string>& CMassnahme::MetadatenTags()
{
    static const std::vector<std::string> tags = {
        "ID",           "bezeichnung", "protNrPraefix", "notiz",        "weitereNotiz",
        "auftraggeber", "auftragnr",   "datumAngelegt", "datumBeendet", "ausfueFirma",
        "fusstext",     "metameta",    "unterschrift"};
    return tags;
}

// ---- Loading ---------------------------------------------------------------------------------

bool CMassnahme::Lade(const std::filesystem::path& pfad)
{
    m_dateipfad = pfad;
    m_datei.SetzeDateiname(pfad);
    bool ganz = false;
    try {
        if (!m_datei.LeseIndex()) {
            m_ladefehler = m_datei.HoleIndexfehler();
            return false;
        }
        ganz = LeseProjektDatei();
    } catch (const std::bad_alloc&) {
        // A project the memory cannot hold is one that cannot be read.
        m_ladefehler = Ladefehler::SpeicherFehlt;
        return false;
    }
    m_notiz = HoleMetadatum("notiz");
    if (!m_datei.HatSaetze())
        m_ladefehler = Ladefehler::KeineProjektdatei;
    else if (m_datei.HoleIndexfehler() != Ladefehler::Keiner)
        m_ladefehler = m_datei.HoleIndexfehler();
    else
        m_ladefehler = ganz ? Ladefehler::Keiner : Ladefehler::SatzUnlesbar;
    return true;
}

// The root records come from the bytes the scan read, as the protocols do.
bool CMassnahme::LeseProjektDatei()
{
    CMarkup xml;
    // A root record the file does not hold reads as empty and leaves its values empty; one that
    // is there but does not hold its element stops the parsing.
    const std::string& metadaten = m_datei.LeseMetadatenSatz();
    if (!metadaten.empty()) {
        if (!xml.SetzeDokument(metadaten) || !xml.FindeElement("metadaten"))
            return false;
        LeseMetadaten(xml);
    }
    const std::string& titel = m_datei.LeseTitellisteSatz();
    if (!titel.empty()) {
        if (!xml.SetzeDokument(titel) || !xml.FindeElement("titel_liste"))
            return false;
        LeseKindTexte(xml, "titel", m_titel);
    }
    if (xml.SetzeDokument(m_datei.LeseVorgabedatenSatz()) && xml.FindeElement("vorgabedaten"))
        LeseVorgabeKinder(xml, m_vorgaben);
    return LeseProtokolle();
}

void CMassnahme::LeseMetadaten(CMarkup& xml)
{
    // The search only moves forward: the sibling program writes the tags in this order.
    for (const std::string& tag : MetadatenTags())
        m_metadaten[tag] = xml.FindeKindElement(tag) ? xml.HoleKindDaten() : std::string();
}

bool CMassnahme::LeseProtokolle()
{
    std::vector<const CPositionsMap::Eintrag*> saetze;
    saetze.reserve(m_datei.HolePositionen().Anzahl());
    for (const CPositionsMap::Eintrag& satz : m_datei.HolePositionen())
        saetze.push_back(&satz);
    // Each record reads on its own, where it stands in the record file's memory; a record that
    // does not read as a protocol leaves its place empty.
    std::vector<std::unique_ptr<CProtokoll>> gelesen(saetze.size());
    FuerAlleInBloecken(saetze.size(), NutzbareKerne(), [&](size_t i) {
        // The records come in the map's order, scattered over the file: the next is fetched
        // while this one is read.
        if (i + 1 < saetze.size())
            HoleVoraus(saetze[i + 1]->text.data(), saetze[i + 1]->text.size());
        auto protokoll = std::make_unique<CProtokoll>();
        if (protokoll->LeseXML(CProjektDatei::BisNull(saetze[i]->text)))
            gelesen[i] = std::move(protokoll);
    });
    m_protokolle.reserve(saetze.size());
    m_protokollPositionen.reserve(saetze.size());
    const bool alle = std::ranges::all_of(gelesen, [](const auto& p) { return p != nullptr; });
    for (size_t i = 0; i < saetze.size(); ++i) {
        if (!gelesen[i])
            continue;
        m_protokolle.push_back(std::move(gelesen[i]));
        m_protokollPositionen.push_back(saetze[i]->position);
    }
    m_kennungenFehlen = true;
    return alle;
}

CProjektDatei& CMassnahme::HoleProjektDatei()
{
    if (m_kennungenFehlen) {
        std::unordered_map<std::string, long>& kennungen = m_datei.HoleKennungen();
        for (size_t i = 0; i < m_protokolle.size(); ++i) {
            if (m_protokollPositionen[i] >= 0)
                kennungen[m_protokolle[i]->GetID()] = m_protokollPositionen[i];
        }
        m_kennungenFehlen = false;
    }
    return m_datei;
}

std::string MitCrLf(const std::string& text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            ergebnis += '\r';
        ergebnis += text[i];
    }
    return ergebnis;
}

bool CMassnahme::LadeAusOrdner(const std::map<std::string, std::string>& werte,
                               const std::filesystem::path& ordner)
{
    const auto dateiname = werte.find("dateiname");
    std::filesystem::path pfad = ordner;
    pfad += "/";
    if (dateiname != werte.end())
        pfad += PfadAusText(dateiname->second);
    const bool geladen = Lade(pfad);
    m_titel.clear();
    return geladen;
}

bool LadeXmlDokument(const std::filesystem::path& dateiname, CMarkup& xml)
{
    // Far more than any project holds as one document, and little enough to parse in memory.
    constexpr size_t kGroessteLaenge = 256u << 20;
    std::string text;
    if (!LeseGanzeDatei(dateiname, text, kGroessteLaenge))
        return false;
    if (!xml.SetzeDokument(text)) {
        ZeigeMeldung("m_xml.SetDoc() fehlgeschlagen", MeldungsArt::Fehler);
        return false;
    }
    return true;
}

bool CMassnahme::LadeXmlDatei(const std::filesystem::path& dateiname)
{
    try {
        CMarkup xml;
        if (!LadeXmlDokument(dateiname, xml))
            return false;
        m_dateipfad = dateiname;
        LeseMassnahmeXml(xml);
        return true;
    } catch (const std::bad_alloc&) {
        return false; // a document the memory cannot hold is one that cannot be read
    }
}

bool CMassnahme::LeseMassnahmeXml(CMarkup& xml)
{
    if (!xml.FindeElement("massnahme"))
        return false;
    const std::vector<std::string>& tags = MetadatenTags();
    for (auto tag = tags.begin(); tag != tags.begin() + 11; ++tag) {
        if (xml.FindeKindElement(*tag))
            m_metadaten[*tag] = xml.HoleKindDaten();
    }
    if (!xml.FindeKindElement("titel_liste"))
        return false;
    xml.BetreteElement();
    LeseKindTexte(xml, "titel", m_titel);
    xml.VerlasseElement();

    if (!xml.FindeKindElement("protokolle"))
        return false;
    xml.BetreteElement();
    while (xml.FindeKindElement("protokoll")) {
        auto protokoll = std::make_unique<CProtokoll>();
        if (protokoll->LeseXML(xml.HoleKindUnterdokument())) {
            m_protokolle.push_back(std::move(protokoll));
            m_protokollPositionen.push_back(-1);
        }
    }
    xml.VerlasseElement();

    if (xml.FindeKindElement("vorgabedaten")) {
        xml.BetreteElement();
        LeseVorgabeKinder(xml, m_vorgaben);
        xml.VerlasseElement();
    }
    return true;
}

// ---- Metadata, defaults, protocols -----------------------------------------------------------

std::string CMassnahme::HoleMetadatum(const std::string& tag) const
{
    const auto wert = m_metadaten.find(tag);
    return wert == m_metadaten.end() ? std::string() : wert->second;
}

void CMassnahme::SetzeMetadatum(const std::string& tag, const std::string& wert)
{
    m_metadaten[tag] = wert;
}

std::string CMassnahme::HoleDateiname() const
{
    const std::string pfad = PfadAlsText(m_dateipfad);
    const size_t trenner = pfad.find_last_of("/\\");
    if (trenner == std::string::npos)
        return pfad;
    std::string name = pfad.substr(trenner + 1);
    StringSucheErsetze(name, HoleArbeitsplatzKennung(), "", true);
    return name;
}

CProtokoll* CMassnahme::HoleProtokoll(int index) const
{
    PruefeIndex(index, m_protokolle.size(), "Protokoll");
    return m_protokolle[index].get();
}

long CMassnahme::HoleProtokollPosition(int index) const
{
    PruefeIndex(index, m_protokollPositionen.size(), "Protokoll");
    return m_protokollPositionen[index];
}

std::string CMassnahme::HoleVorgabe(const std::string& id) const
{
    const auto vorgabe = m_vorgaben.find(id);
    return vorgabe == m_vorgaben.end() ? std::string() : vorgabe->second;
}

void CMassnahme::SetzeVorgabe(const std::string& id, const std::string& text)
{
    m_vorgaben[id] = text;
}

int CMassnahme::ZaehleProtokolleMitTitel(const std::string& titelId) const
{
    return static_cast<int>(
        std::count_if(m_protokolle.begin(), m_protokolle.end(),
                      [&](const auto& p) { return p->GetTitelID() == titelId; }));
}

int CMassnahme::ZaehleProtokolleUnterTitel(const std::string& titelId) const
{
    // One pass over the protocols, not one per sub-title; a title listed twice counts twice.
    std::unordered_map<std::string, int> jeTitel(m_protokolle.size());
    for (const auto& protokoll : m_protokolle)
        ++jeTitel[protokoll->GetTitelID()];
    std::vector<std::string> titel{titelId};
    HoleUntertitel(titelId, titel);
    int anzahl = 0;
    for (const std::string& id : titel) {
        const auto eintrag = jeTitel.find(id);
        if (eintrag != jeTitel.end())
            anzahl += eintrag->second;
    }
    return anzahl;
}

bool CMassnahme::HoleProtokollIDsMitTitel(const std::string& titelId,
                                          std::vector<std::string>& ids) const
{
    for (const auto& protokoll : m_protokolle) {
        if (protokoll->GetTitelID() == titelId)
            ids.push_back(protokoll->GetID());
    }
    return true;
}

std::vector<std::string> CMassnahme::HoleProtokollnummern() const
{
    std::vector<std::string> nummern;
    for (const auto& protokoll : m_protokolle) {
        std::string nummer = protokoll->HoleProtokollnummer();
        if (!nummer.empty())
            nummern.push_back(std::move(nummer));
    }
    return nummern;
}

bool CMassnahme::IstNotizUnveraendert() const
{
    return m_notiz == HoleMetadatum("notiz");
}

// ---- Titles ----------------------------------------------------------------------------------

int CMassnahme::TitelEbene(int index) const
{
    return static_cast<int>(
        std::clamp(ZahlAus(Feld(m_titel[index], 2)), long{INT_MIN}, long{INT_MAX}));
}

std::string CMassnahme::HoleTitel(int index) const
{
    PruefeIndex(index, m_titel.size(), "Titel");
    return m_titel[index];
}

bool CMassnahme::HoleTitelFelder(int index, std::string& feld0, std::string& feld1,
                                 std::string& feld2, std::string& feld3) const
{
    const std::string eintrag = HoleTitel(index);
    feld0 = Feld(eintrag, 0);
    feld1 = Feld(eintrag, 1);
    feld2 = Feld(eintrag, 2);
    feld3 = Feld(eintrag, 3);
    return true;
}

bool CMassnahme::FindeTitel(const std::string& id, std::string& text, std::string& ebene,
                            std::string& feld3) const
{
    for (const std::string& eintrag : m_titel) {
        if (Feld(eintrag, 0) == id) {
            text = Feld(eintrag, 1);
            ebene = Feld(eintrag, 2);
            feld3 = Feld(eintrag, 3);
            return true;
        }
    }
    return false;
}

bool CMassnahme::HoleUntertitel(const std::string& id, std::vector<std::string>& untertitel) const
{
    if (id == "0") {
        for (const std::string& eintrag : m_titel)
            untertitel.push_back(Feld(eintrag, 0));
        return true;
    }
    bool gefunden = false;
    int ebene = 0;
    for (int i = 0; i < HoleAnzahlTitel(); ++i) {
        if (gefunden) {
            if (TitelEbene(i) <= ebene)
                break;
            untertitel.push_back(Feld(m_titel[i], 0));
        } else if (Feld(m_titel[i], 0) == id) {
            ebene = TitelEbene(i);
            gefunden = true;
        }
    }
    return gefunden;
}

void CMassnahme::HoleTitelPfad(const std::string& id, std::vector<std::string>& pfad) const
{
    pfad.clear();
    int i = 0;
    while (i < HoleAnzahlTitel() && Feld(m_titel[i], 0) != id)
        ++i;
    if (i == HoleAnzahlTitel())
        return;
    int aktuelleEbene = 999;
    for (; i >= 0; --i) {
        const int ebene = TitelEbene(i);
        if (ebene < aktuelleEbene) {
            pfad.insert(pfad.begin(), Feld(m_titel[i], 1));
            aktuelleEbene = ebene;
        }
        if (ebene == 1)
            break;
    }
}

void CMassnahme::ErsetzeTitel(const std::vector<std::string>& titel)
{
    if (titel.size() != m_titel.size())
        return;
    m_titel = titel;
    SchreibeTitelliste();
}

void CMassnahme::BaueTitelbaumZeilen()
{
    constexpr int kBreite = 15;
    m_baumzeilen.assign(m_titel.size(), std::string(kBreite, '0'));
    for (int i = 0; i < HoleAnzahlTitel(); ++i) {
        const int ebene = TitelEbene(i);
        if (ebene >= 1 && ebene <= kBreite)
            m_baumzeilen[i][ebene - 1] = '2';
    }
    // From the bottom up: a column that goes on below a line passes through it.
    for (int i = HoleAnzahlTitel() - 2; i >= 0; --i) {
        const int bis = std::min(TitelEbene(i), kBreite);
        for (int j = 0; j < bis; ++j) {
            if (m_baumzeilen[i + 1][j] != '0')
                m_baumzeilen[i][j] = m_baumzeilen[i][j] == '2' ? '3' : '1';
        }
    }
}

std::string CMassnahme::HoleBaumzeile(int index) const
{
    PruefeIndex(index, m_baumzeilen.size(), "Baumzeile");
    return m_baumzeilen[index];
}

// ---- Writers ---------------------------------------------------------------------------------

std::string BaueMetadatenXml(const std::map<std::string, std::string>& metadaten)
{
    CMarkup xml;
    xml.FuegeElementHinzu("metadaten");
    for (const std::string& tag : CMassnahme::MetadatenTags()) {
        const auto wert = metadaten.find(tag);
        xml.FuegeKindElementHinzu(tag, wert == metadaten.end() ? std::string() : wert->second);
    }
    return xml.HoleDokument();
}

std::string BaueTitellisteXml(const std::vector<std::string>& titel)
{
    CMarkup xml;
    xml.FuegeElementHinzu("titel_liste");
    for (const std::string& eintrag : titel)
        xml.FuegeKindElementHinzu("titel", eintrag);
    return xml.HoleDokument();
}

std::string BaueVorgabedatenXml(const std::map<std::string, std::string>& vorgaben)
{
    CMarkup xml;
    xml.FuegeElementHinzu("vorgabedaten");
    for (const auto& [id, text] : vorgaben) {
        xml.FuegeKindElementHinzu("vorgabe", text);
        xml.FuegeKindAttributHinzu("ID", id);
    }
    return xml.HoleDokument();
}

bool CMassnahme::SchreibeWurzel(const std::string& xml,
                                long (CProjektDatei::*schreiber)(std::string_view))
{
    if (m_datei.OeffneZumSchreiben()) {
        (m_datei.*schreiber)(xml);
        m_datei.Schliesse();
    }
    return true;
}

bool CMassnahme::SchreibeMetadaten()
{
    for (const std::string& tag : MetadatenTags())
        m_metadaten[tag];
    return SchreibeWurzel(BaueMetadatenXml(m_metadaten), &CProjektDatei::SchreibeMetadatenSatz);
}

bool CMassnahme::SchreibeTitelliste()
{
    return SchreibeWurzel(BaueTitellisteXml(m_titel), &CProjektDatei::SchreibeTitellisteSatz);
}

bool CMassnahme::SchreibeVorgabedaten()
{
    return SchreibeWurzel(BaueVorgabedatenXml(m_vorgaben),
                          &CProjektDatei::SchreibeVorgabedatenSatz);
}

void CMassnahme::SchreibeProtokollListe(int auswahl, const std::string& dateiname) const
{
    std::string liste;
    const char* pruefart = auswahl == 1 ? "1001" : auswahl == 5 ? "1005" : nullptr;
    for (const auto& protokoll : m_protokolle) {
        if (pruefart && protokoll->GetPruefartID() == pruefart)
            liste += protokoll->BildeUebersichtszeile() + "\n";
    }
    // Only a whole list takes an old one's place, and never a FIFO's or a device's.
    CZwischendatei datei(dateiname);
    if (datei.IstAngelegt() && datei.Schreibe(liste))
        datei.Ersetze();
}

// ---- Hand-over to the collection -------------------------------------------------------------

std::string BildeAuftraggeber(const std::string& auftraggeber)
{
    std::string text = Feld(auftraggeber, 0) + ", " + Feld(auftraggeber, 2);
    text.erase(text.find_last_not_of(", ") + 1);
    return text;
}

std::vector<std::string> CMassnahme::HoleTitelreihenfolge() const
{
    std::vector<std::string> alle{"0"};
    HoleUntertitel("0", alle);
    // A title identifier stored twice is still visited once, so no protocol loads twice.
    std::vector<std::string> reihenfolge;
    std::set<std::string> gesehen;
    for (std::string& id : alle) {
        if (gesehen.insert(id).second)
            reihenfolge.push_back(std::move(id));
    }
    return reihenfolge;
}

std::vector<std::pair<std::string, std::string>>
CMassnahme::HoleKopfwerte(const std::string& titelId) const
{
    std::vector<std::pair<std::string, std::string>> werte;
    for (const char* tag :
         {"ID", "bezeichnung", "protNrPraefix", "auftraggeber", "fusstext", "unterschrift"}) {
        const std::string wert = HoleMetadatum(tag);
        werte.emplace_back(std::string("massnahme_") + tag,
                           std::string(tag) == "auftraggeber" ? BildeAuftraggeber(wert) : wert);
    }
    std::vector<std::string> pfad;
    HoleTitelPfad(titelId, pfad);
    std::string pfadText;
    for (const std::string& text : pfad)
        pfadText += " --> " + text;
    werte.emplace_back("massnahme_pfad", pfadText);
    werte.emplace_back("massnahme_dateiname", HoleDateiname());
    werte.emplace_back("massnahme_dateipfad", PfadAlsText(m_dateipfad));
    werte.emplace_back("metameta", HoleMetadatum("metameta"));
    return werte;
}

void CMassnahme::UebernimmInProtokolle(CProtokolle& protokolle)
{
    // The root "0" has no entry, so its path and "massnahme_pfad" are empty.
    for (const auto& [schluessel, wert] : HoleKopfwerte("0"))
        protokolle.SetzeMassnahmeWert(schluessel, wert);
    for (const std::string& eintrag : m_titel)
        protokolle.FuegeTitelHinzu(eintrag);

    // Each protocol goes to the place of its title in title order; protocols of one title keep
    // the project's order, and a title that is not in the list takes none.
    const std::vector<std::string> reihenfolge = HoleTitelreihenfolge();
    std::unordered_map<std::string_view, size_t> platzDesTitels;
    for (size_t platz = 0; platz < reihenfolge.size(); ++platz)
        platzDesTitels.emplace(reihenfolge[platz], platz);
    std::vector<std::vector<int>> nachPlatz(reihenfolge.size());
    FuerJedesVorausgeholt(m_protokolle, [&](size_t i) {
        const auto platz = platzDesTitels.find(m_protokolle[i]->GetTitelID());
        if (platz != platzDesTitels.end())
            nachPlatz[platz->second].push_back(static_cast<int>(i));
    });

    // The protocols read from their records pass over as they are: reading each record and
    // parsing it a second time would give the same protocols at twice the cost.
    for (const std::vector<int>& protokolleDesTitels : nachPlatz) {
        for (int i : protokolleDesTitels)
            protokolle.FuegeHinzu(std::move(m_protokolle[i]));
    }
    m_protokolle.clear();
    m_protokollPositionen.clear();
}

void FuegeProtokollAusXmlHinzu(CProtokolle& protokolle, const std::string& xml)
{
    auto protokoll = std::make_unique<CProtokoll>();
    if (protokoll->LeseXML(xml))
        protokolle.FuegeHinzu(std::move(protokoll));
}

// ---- Overview hand-over document -------------------------------------------------------------

std::string CMassnahme::BaueUebersichtXml(const std::string& titelId) const
{
    CMarkup xml;
    xml.FuegeElementHinzu("protokolle4uebersicht");
    xml.FuegeAttributHinzu("version", "0.0.1");
    for (const auto& [name, wert] : HoleKopfwerte(titelId))
        xml.FuegeKindElementHinzu(name, wert);

    const auto kinderListe = [&xml](const std::string& name, const std::string& kind,
                                    const std::vector<std::string>& texte) {
        xml.FuegeKindElementHinzu(name);
        xml.BetreteElement();
        for (const std::string& text : texte)
            xml.FuegeKindElementHinzu(kind, text);
        xml.VerlasseElement();
    };
    kinderListe("titelbaum", "titel", m_titel);

    std::vector<std::string> gewaehlt{titelId};
    HoleUntertitel(titelId, gewaehlt);
    kinderListe("gewaehlteTitel", "titel_ID", gewaehlt);

    std::vector<std::string> positionen;
    for (const std::string& id : gewaehlt) {
        for (int i = 0; i < HoleAnzahlProtokolle(); ++i) {
            if (m_protokolle[i]->GetTitelID() == id)
                positionen.push_back(StringFormat("%ld", m_protokollPositionen[i]));
        }
    }
    kinderListe("protokolle", "protokoll_pos", positionen);
    return xml.HoleDokument();
}
