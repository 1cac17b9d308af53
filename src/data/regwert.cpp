#include "data/regwert.h"

#include "platform/einstellungen.h"
#include "platform/text.h"

#include <optional>
#include <utility>

namespace {

// The key whose values live in the print settings store.
constexpr const char* kEinstellungsSchluessel = "Software\\Tamrikwerk\\AXO2011.n";

std::string OhneFuehrende(std::string text, char zeichen)
{
    text.erase(0, text.find_first_not_of(zeichen));
    return text;
}

std::string OhneFolgende(std::string text, char zeichen)
{
    text.erase(text.find_last_not_of(zeichen) + 1);
    return text;
}

RegPfad TeilePfad(const std::string& wertpfad)
{
    const std::string pfad = OhneFuehrende(wertpfad, '\\');
    const std::size_t letzter = pfad.rfind('\\');
    if (letzter == std::string::npos)
        return {"", pfad};
    return {OhneFolgende(pfad.substr(0, letzter), '\\'),
            OhneFolgende(OhneFuehrende(pfad.substr(letzter), '\\'), '\\')};
}

RegPfad TeilePfadStd(const std::string& wertpfad)
{
    const std::size_t letzter = wertpfad.rfind('\\');
    if (letzter == std::string::npos)
        return {wertpfad, wertpfad};
    return {wertpfad.substr(0, letzter), wertpfad.substr(letzter + 1)};
}

// Each reader stores what it reads and tells whether there was a value to read.
bool LeseGespeichert(const std::string& name, DWORD& wert)
{
    const std::optional<int> gelesen = LeseEinstellungInt(name);
    if (gelesen)
        wert = static_cast<DWORD>(*gelesen);
    return gelesen.has_value();
}

bool LeseGespeichert(const std::string& name, std::string& wert)
{
    std::optional<std::string> gelesen = LeseEinstellungText(name);
    if (gelesen)
        wert = std::move(*gelesen);
    return gelesen.has_value();
}

bool SchreibeGespeichert(const std::string& name, DWORD wert)
{
    return SchreibeEinstellungInt(name, static_cast<int>(wert));
}

bool SchreibeGespeichert(const std::string& name, const std::string& wert)
{
    return SchreibeEinstellungText(name, wert);
}

} // namespace

template <typename Wert>
CRegWert<Wert>::CRegWert(RegPfad pfad, Wert vorgabe, bool erzwingen)
    : m_wertname(std::move(pfad.wertname)), m_schluessel(std::move(pfad.schluessel)),
      m_vorgabe(std::move(vorgabe)), m_erzwingen(erzwingen)
{
    LeseRegistry();
}

template <typename Wert> bool CRegWert<Wert>::LiegtImSpeicher() const
{
    // Registry keys are compared without regard to case.
    return GrossSchreiben(m_schluessel) == GrossSchreiben(kEinstellungsSchluessel);
}

template <typename Wert> Wert CRegWert<Wert>::LeseRegistry()
{
    // A failed read leaves the value held and the read flag as they were.
    if (!LiegtImSpeicher() || !LeseGespeichert(m_wertname, m_wert))
        return m_vorgabe;
    m_gelesen = true;
    return m_wert;
}

template <typename Wert> Wert CRegWert<Wert>::HoleWert()
{
    if (m_gelesen && !m_erzwingen)
        return m_wert;
    return LeseRegistry();
}

template <typename Wert> LONG CRegWert<Wert>::SchreibeRegistry()
{
    if (!LiegtImSpeicher())
        return ERROR_ACCESS_DENIED;
    if (!SchreibeGespeichert(m_wertname, m_wert))
        return ERROR_WRITE_FAULT;
    m_gelesen = true;
    return ERROR_SUCCESS;
}

template <typename Wert> CRegWert<Wert>& CRegWert<Wert>::SetzeWert(const Wert& wert)
{
    if (wert == m_wert && !m_erzwingen)
        return *this;
    m_wert = wert;
    SchreibeRegistry();
    return *this;
}

template class CRegWert<DWORD>;
template class CRegWert<std::string>;

CRegDWORDWert::CRegDWORDWert(const std::string& wertpfad, DWORD vorgabe, bool erzwingen)
    : CRegWert(TeilePfad(wertpfad), vorgabe, erzwingen)
{
}

CRegStringWert::CRegStringWert(const std::string& wertpfad, const std::string& vorgabe,
                               bool erzwingen)
    : CRegWert(TeilePfad(wertpfad), vorgabe, erzwingen)
{
}

CRegDWORDWertStd::CRegDWORDWertStd(const std::string& wertpfad, DWORD vorgabe, bool erzwingen)
    : CRegWert(TeilePfadStd(wertpfad), vorgabe, erzwingen)
{
}

CRegStringWertStd::CRegStringWertStd(const std::string& wertpfad, const std::string& vorgabe,
                                     bool erzwingen)
    : CRegWert(TeilePfadStd(wertpfad), vorgabe, erzwingen)
{
}

CRegStringWertStd& CRegStringWertStd::Anhaengen(const std::string& text)
{
    SetzeWert(HoleWert() + text);
    return *this;
}
