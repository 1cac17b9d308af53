#pragma once
// The one way the program writes a file: a print, an export, a project copy and the overview
// list. The content goes into a file beside the destination that takes its place only once it is
// whole. Its rules, checked when the writing begins and again where the file takes its place:
// 1. An existing file is written only if the user may write that file itself.
// 2. A project is never written: neither a file loaded as one in this run nor any file that reads
//    as one. Only a project copy writes one (never its own source, which it checks itself).
// 3. A new file gets what any program's file made in its folder gets, which the system is asked
//    by making an empty one there with 0666: its permission bits and access control list; on a
//    file system that keeps no rights of its own, what it gives the file, which is never more. A
//    file that is to replace another is its owner's alone until it has the old one's owner and
//    group, and only then is given the old one's permission bits and access control list. It
//    takes the old one's place only where it ends up with exactly all four, nothing less and
//    nothing its folder's default list would add. Where it does not, the old file is written in
//    place, which keeps them all, or nothing is.
// 4. A link is followed only where the system would follow it: in a sticky folder that anyone
//    may write, only the user's own links and those of the folder's owner.
// 5. Whatever fails, the old file keeps its bytes (but for a failure while it is written in
//    place), nothing is left beside it, and `Fehlernummer` says why.

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>

class CZwischendatei
{
public:
    // What to do where no new file can take the destination's place with everything of the old
    // one (a folder that takes no new file, or lets only a file's owner replace it; another
    // user's file; an access control list that cannot be given), but the destination may be
    // written: give up, or write the whole content into the destination itself at the end, whose
    // old content is then lost on a failure there.
    enum class InGeschuetztemOrdner
    {
        Aufgeben,
        ZielSelbstSchreiben
    };
    // What is written: the program's own output, which never takes a project's place, or a
    // project.
    enum class Inhalt
    {
        Ausgabe,
        Projekt
    };

    // Makes the file under a short name of its own, so that it fits beside any name the
    // destination may have, readable by its owner alone until it is whole. A destination that is
    // a link keeps naming the file: the new one is made beside the file the link points to.
    // Where the folder takes no new file but the destination may be written itself (as told
    // above), the content is gathered in memory instead. A destination the rules refuse is not
    // made at all (`IstAbgelehnt`).
    explicit CZwischendatei(const std::filesystem::path& ziel,
                            InGeschuetztemOrdner geschuetzt = InGeschuetztemOrdner::Aufgeben,
                            Inhalt inhalt = Inhalt::Ausgabe);
    ~CZwischendatei();
    CZwischendatei(const CZwischendatei&) = delete;
    CZwischendatei& operator=(const CZwischendatei&) = delete;

    // False when the file could not be made (`Fehlernummer` tells why).
    bool IstAngelegt() const { return m_datei >= 0; }
    // True when the rules refused the destination itself: an existing file the user may not
    // write (EACCES, or EROFS), a project (`kIstProjektdatei`), a link the system does not
    // follow (EACCES), or something that is no regular file (0).
    bool IstAbgelehnt() const { return m_abgelehnt; }
    // Appends the bytes, which reach the file in blocks; false, remembering why, when a write
    // fails, such as on a full disk.
    bool Schreibe(std::string_view bytes);
    // Puts the content, once every write succeeded, in the destination's place: the file itself,
    // on the disk, with the rights of rule 3, or else, as the constructor was told, the content
    // written into the destination, once the room for all of it is reserved (or, where the file
    // system cannot reserve room, found free). Only the file that was the destination when this
    // object was made is ever replaced or written, and where there was none, none that has come
    // since: where another file or a link has meanwhile taken its place, nothing is (errno
    // ESTALE). False, removing the file, when that or the rules refuse (`IstAbgelehnt`), or the
    // writing fails (a write the disk refused only now fails here).
    bool Ersetze();
    // True when a failure came while the destination itself was written: its old content is
    // lost.
    bool ZielBeschaedigt() const { return m_zielBeschaedigt; }
    // The errno of the failure that made the file, a write or `Ersetze` fail, or
    // `kIstProjektdatei`; 0 when none did.
    int Fehlernummer() const { return m_fehlernummer; }

private:
    bool PruefeZiel();
    bool LehneAb(int fehlernummer);
    bool NenntNochDasZiel();
    void LegeDanebenAn();
    void SammleImSpeicher();
    bool OeffneZielSelbst();
    bool SchreibeAus(std::string_view bytes);
    bool SchreibePuffer();
    bool NimmPlatzEin();
    bool SchreibeStattdessenInsZiel();
    bool SchreibeInsZiel();
    void Schliesse();
    void MerkeFehler();

    std::filesystem::path m_ziel;
    InGeschuetztemOrdner m_geschuetzt;
    Inhalt m_inhalt;
    bool m_zielVorhanden = false;
    struct stat m_bisher = {};
    // The file beside the destination; empty while the content is gathered in memory, or once
    // the file has taken the destination's place.
    std::filesystem::path m_pfad;
    int m_datei = -1;
    // The destination, open to be written itself.
    int m_zielDatei = -1;
    std::string m_puffer;
    bool m_abgelehnt = false;
    bool m_zielBeschaedigt = false;
    int m_fehlernummer = 0;
};
