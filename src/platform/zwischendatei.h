#pragma once
// A file written beside its destination that takes the destination's place only once it is
// whole: one given up halfway is removed, and the destination stays as it was.

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>

class CZwischendatei
{
public:
    // What to do where no new file can take the destination's place so that it stays its owner's
    // and group's, or none at all (a folder that takes no new file, or lets only a file's owner
    // replace it), but the destination may be written: replace it where the folder allows (the
    // new file is then the process's own) or give up; or write the whole content into the
    // destination itself at the end, whose old content is then lost on a failure there.
    enum class InGeschuetztemOrdner
    {
        Aufgeben,
        ZielSelbstSchreiben
    };

    // Makes the file under a short name of its own, so that it fits beside any name the
    // destination may have, readable by its owner alone until it is whole. A destination that is
    // a link keeps naming the file: the new one is made beside the file the link points to.
    // Where the folder takes no new file but the destination may be written itself (as told
    // above), the content is gathered in memory instead.
    explicit CZwischendatei(const std::filesystem::path& ziel,
                            InGeschuetztemOrdner geschuetzt = InGeschuetztemOrdner::Aufgeben);
    ~CZwischendatei();
    CZwischendatei(const CZwischendatei&) = delete;
    CZwischendatei& operator=(const CZwischendatei&) = delete;

    // False when the file could not be made (`Fehlernummer` tells why).
    bool IstAngelegt() const { return m_datei >= 0; }
    // Appends the bytes, which reach the file in blocks; false, remembering why, when a write
    // fails, such as on a full disk.
    bool Schreibe(std::string_view bytes);
    // Puts the content, once every write succeeded, in the destination's place: the file itself,
    // on the disk, with the destination's owner, group and permission bits (a new destination's
    // by the file-creation mask), or else, as the constructor was told, the content written into
    // the destination, once the room for all of it is reserved. Only the file that was the
    // destination when this object was made is ever written; where another file or a link has
    // meanwhile taken its place, nothing is (errno ESTALE). False, removing the file, when that
    // fails (a write the disk refused only now fails here) or when a FIFO, a device or a folder
    // has taken the destination's place.
    bool Ersetze();
    // True when a failure came while the destination itself was written: its old content is
    // lost.
    bool ZielBeschaedigt() const { return m_zielBeschaedigt; }
    // The errno of the failure that made the file, a write or `Ersetze` fail; 0 when none did.
    int Fehlernummer() const { return m_fehlernummer; }

private:
    void LegeDanebenAn();
    void SammleImSpeicher();
    bool OeffneZielSelbst();
    bool SchreibeAus(std::string_view bytes);
    bool SchreibePuffer();
    bool NimmPlatzEin();
    bool SchreibeInsZiel();
    void Schliesse();
    void MerkeFehler();

    std::filesystem::path m_ziel;
    InGeschuetztemOrdner m_geschuetzt;
    bool m_zielVorhanden = false;
    struct stat m_bisher = {};
    // The file beside the destination; empty while the content is gathered in memory, or once
    // the file has taken the destination's place.
    std::filesystem::path m_pfad;
    int m_datei = -1;
    // The destination, open to be written itself.
    int m_zielDatei = -1;
    std::string m_puffer;
    bool m_zielBeschaedigt = false;
    int m_fehlernummer = 0;
};
