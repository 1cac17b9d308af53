#pragma once
// What every fuzz target shares: its input cut into texts and small numbers, and the quiet
// application world the readers and the page layouts expect.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One fuzz input read from the front: texts end at a NUL byte, numbers take one byte each.
class FuzzEingabe
{
public:
    FuzzEingabe(const uint8_t* daten, size_t groesse)
        : m_rest(reinterpret_cast<const char*>(daten), groesse)
    {
    }

    bool Leer() const { return m_rest.empty(); }
    // Up to the next NUL (which is consumed) or the end.
    std::string Text()
    {
        const size_t ende = m_rest.find('\0');
        std::string text(m_rest.substr(0, ende));
        m_rest.remove_prefix(ende == std::string_view::npos ? m_rest.size() : ende + 1);
        return text;
    }
    // The next byte; 0 at the end.
    uint8_t Byte()
    {
        if (m_rest.empty())
            return 0;
        const auto byte = static_cast<uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return byte;
    }
    // A number from `von` to `bis`, both included.
    int Zahl(int von, int bis) { return von + Byte() % (bis - von + 1); }
    // Everything not read yet.
    std::string Rest()
    {
        std::string rest(m_rest);
        m_rest = {};
        return rest;
    }

private:
    std::string_view m_rest;
};

// The texts joined as FuzzEingabe::Text reads them back.
inline std::string FuzzTexte(const std::vector<std::string>& texte)
{
    std::string eingabe;
    for (const std::string& text : texte)
        eingabe += text + '\0';
    return eingabe;
}

// A Qt application on the offscreen platform, every setting at its default (none of the user's),
// the numeric locale "C", and messages and warnings going nowhere: once per process.
void RichteFuzzUmgebungEin();

// The one scratch file of this process, holding the bytes given; the result is the path the
// readers open it by. It lives in memory under no name in any folder, so nothing is left behind
// however the process ends, after a crash or a timeout too.
std::string SchreibeFuzzDatei(const uint8_t* daten, size_t groesse);
