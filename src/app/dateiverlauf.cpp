#include "app/dateiverlauf.h"

#include "platform/einstellungen.h"
#include "platform/text.h"

namespace {

const char* const Abschnitt = "Recent File List";

std::string Schluessel(int nummer)
{
    return StringFormat("File%d", nummer);
}

} // namespace

void CDateiVerlauf::Lade()
{
    m_eintraege.clear();
    for (int i = 1; i <= m_groesse; ++i) {
        std::filesystem::path pfad = LeseProfilPfad(Abschnitt, Schluessel(i));
        if (!pfad.empty())
            m_eintraege.push_back(std::move(pfad));
    }
}

void CDateiVerlauf::Hinzufuegen(std::filesystem::path pfad)
{
    if (pfad.empty() || m_groesse <= 0)
        return;
    std::erase(m_eintraege, pfad);
    m_eintraege.insert(m_eintraege.begin(), std::move(pfad));
    if (m_eintraege.size() > static_cast<std::size_t>(m_groesse))
        m_eintraege.resize(m_groesse);
    Speichere();
}

void CDateiVerlauf::Speichere() const
{
    for (int i = 1; i <= m_groesse; ++i) {
        const std::size_t index = i - 1;
        SchreibeProfilPfad(Abschnitt, Schluessel(i),
                           index < m_eintraege.size() ? m_eintraege[index]
                                                      : std::filesystem::path());
    }
}
