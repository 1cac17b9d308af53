#pragma once
// Named settings. The two print settings live in the maker's store ("Tamrikwerk", "AXO2011.n") and
// are read afresh on every access, so a change made by the sibling program is seen at once. The
// application profile (recent files, column layouts) is a store of its own.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QTemporaryDir;

// Print settings store: an integer value, or nothing when it is missing or not a number; a text
// value, or nothing when it is missing. The writers return false when the store cannot be
// written.
std::optional<int> LeseEinstellungInt(const std::string& name);
bool SchreibeEinstellungInt(const std::string& name, int wert);
std::optional<std::string> LeseEinstellungText(const std::string& name);
bool SchreibeEinstellungText(const std::string& name, const std::string& wert);

// Application profile, by section and key.
std::string LeseProfilText(const std::string& abschnitt, const std::string& schluessel,
                           const std::string& vorgabe = "");
void SchreibeProfilText(const std::string& abschnitt, const std::string& schluessel,
                        const std::string& wert);
// A path in the application profile, kept as the file system names it; empty when missing.
std::filesystem::path LeseProfilPfad(const std::string& abschnitt, const std::string& schluessel);
void SchreibeProfilPfad(const std::string& abschnitt, const std::string& schluessel,
                        const std::filesystem::path& pfad);
int LeseProfilInt(const std::string& abschnitt, const std::string& schluessel, int vorgabe);
void SchreibeProfilInt(const std::string& abschnitt, const std::string& schluessel, int wert);

// Qt's own dialogs (the file dialogs, also the one the print dialog opens) keep their state in
// Qt's store, "QtProject.conf" in the user's folder: read as one opens, written as it closes.
// While an object of this class lives, that store, where the program's own stores would refuse
// it (a FIFO, a project under another name), is kept in a private folder instead, which goes with
// the object.
class CQtSpeicherUmleitung
{
public:
    CQtSpeicherUmleitung();
    ~CQtSpeicherUmleitung();
    CQtSpeicherUmleitung(const CQtSpeicherUmleitung&) = delete;
    CQtSpeicherUmleitung& operator=(const CQtSpeicherUmleitung&) = delete;

private:
    std::unique_ptr<QTemporaryDir> m_ersatzordner; // none while Qt's store may be used
};
