#pragma once
// One numeric print setting addressed by its old registry path, key and value name joined by
// backslashes ("Software\Tamrikwerk\AXO2011.n" and "anteilAlsProzent"). The maker's key is our
// print settings store; a path under any other key has no store and reads as its default.

#include <cstdint>
#include <string>

using DWORD = std::uint32_t;

class CRegDWORDWert
{
public:
    CRegDWORDWert() = default;
    // Splits the path into key and value name and reads the value at once. With erzwingen every
    // HoleWert goes to the store.
    CRegDWORDWert(const std::string& wertpfad, DWORD vorgabe, bool erzwingen);

    // Reads the store; the default when the value cannot be had.
    DWORD LeseRegistry();
    // The value of the last read, or a fresh read when forced or not yet read.
    DWORD HoleWert();

    const std::string& HoleSchluessel() const { return m_schluessel; }
    const std::string& HoleWertname() const { return m_wertname; }

private:
    std::string m_wertname;
    std::string m_schluessel;
    DWORD m_wert = 0;
    DWORD m_vorgabe = 0;
    bool m_gelesen = false;
    bool m_erzwingen = false;
};
