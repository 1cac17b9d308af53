#pragma once
// Settings addressed by their old registry path, key and value name joined by backslashes
// ("Software\Tamrikwerk\AXO2011.n" and "anteilAlsProzent"). The maker's key is our print settings
// store; a path under any other key has no store: it reads as its default and cannot be written.
// Only the user's own store exists, so there is no choice of a root key.

#include <cstdint>
#include <string>

using DWORD = std::uint32_t;
using LONG = long;

constexpr LONG ERROR_SUCCESS = 0;
// The key lies outside the store.
constexpr LONG ERROR_ACCESS_DENIED = 5;
// The store could not be written.
constexpr LONG ERROR_WRITE_FAULT = 29;

// A value path split into the key and the value name.
struct RegPfad
{
    std::string schluessel;
    std::string wertname;
};

// One value of the store; `Wert` is DWORD or std::string.
template <typename Wert> class CRegWert
{
public:
    // Reads the store; the default when the value cannot be had, which leaves the value held
    // and counts as no read.
    Wert LeseRegistry();
    // The value of the last successful read or write, or a fresh read when forced or not yet
    // read.
    Wert HoleWert();
    // Writes the value held; ERROR_SUCCESS or the error.
    LONG SchreibeRegistry();
    // Holds and writes the value, unless it equals the one held and the value is not forced.
    CRegWert& SetzeWert(const Wert& wert);

    const std::string& HoleSchluessel() const { return m_schluessel; }
    const std::string& HoleWertname() const { return m_wertname; }

protected:
    CRegWert() = default;
    // Reads the value at once.
    CRegWert(RegPfad pfad, Wert vorgabe, bool erzwingen);

private:
    bool LiegtImSpeicher() const;

    std::string m_wertname;
    std::string m_schluessel;
    Wert m_wert{};
    Wert m_vorgabe{};
    bool m_gelesen = false;
    bool m_erzwingen = false;
};

// Leading backslashes of the path are dropped, and the key and value name lose the backslashes
// at their ends; a path without a backslash is the value name alone.
class CRegDWORDWert : public CRegWert<DWORD>
{
public:
    CRegDWORDWert() = default;
    CRegDWORDWert(const std::string& wertpfad, DWORD vorgabe, bool erzwingen);
};

class CRegStringWert : public CRegWert<std::string>
{
public:
    CRegStringWert() = default;
    CRegStringWert(const std::string& wertpfad, const std::string& vorgabe, bool erzwingen);
};

// The Std variants split the path at its last backslash and keep every other backslash; a path
// without one is both the key and the value name.
class CRegDWORDWertStd : public CRegWert<DWORD>
{
public:
    CRegDWORDWertStd() = default;
    CRegDWORDWertStd(const std::string& wertpfad, DWORD vorgabe, bool erzwingen);
};

class CRegStringWertStd : public CRegWert<std::string>
{
public:
    CRegStringWertStd() = default;
    CRegStringWertStd(const std::string& wertpfad, const std::string& vorgabe, bool erzwingen);

    // Appends the text to the current value and sets the result.
    CRegStringWertStd& Anhaengen(const std::string& text);
};
