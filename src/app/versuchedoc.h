#pragma once
// The document of the viewer holds no data of its own: the project lives in the application's
// protocol collection. It only remembers the path of the opened project.

#include <filesystem>

class CVersucheDoc
{
public:
    // File New: the document no longer names a project.
    void OnNewDocument() { m_pfad.clear(); }
    // File Open: the document takes the chosen path.
    void OnOpenDocument(const std::filesystem::path& pfad) { m_pfad = pfad; }

    const std::filesystem::path& GetPathName() const { return m_pfad; }

private:
    std::filesystem::path m_pfad;
};
