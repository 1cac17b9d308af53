#pragma once
// Failures of the system that a test cannot bring about otherwise. While one of these lives, the
// process's calls behave as told:
// - every fsync fails, as one does on a network share or over a quota when the disk refuses data
//   it had taken into its cache;
// - every fsync, fchmod and write of an access control list first lets the test look at the
//   disk as it is then;
// - every fallocate fails, as on a file system that cannot reserve room (EOPNOTSUPP: ext2, NFS
//   before version 4.2, many FUSE file systems);
// - the rights of a file are kept in part or not at all, as on FAT or a Windows share through
//   FUSE, or a mount that refuses every mode change;
// - fstatvfs tells the same blocks of every file system, as a disk nearly full would.

#include <functional>
#include <sys/statvfs.h>

class CSyncScheitert
{
public:
    explicit CSyncScheitert(int fehlernummer);
    ~CSyncScheitert();
    CSyncScheitert(const CSyncScheitert&) = delete;
    CSyncScheitert& operator=(const CSyncScheitert&) = delete;
};

class CNachsehen
{
public:
    explicit CNachsehen(std::function<void()> nachsehen);
    ~CNachsehen();
    CNachsehen(const CNachsehen&) = delete;
    CNachsehen& operator=(const CNachsehen&) = delete;
};

class CReservierenScheitert
{
public:
    explicit CReservierenScheitert(int fehlernummer);
    ~CReservierenScheitert();
    CReservierenScheitert(const CReservierenScheitert&) = delete;
    CReservierenScheitert& operator=(const CReservierenScheitert&) = delete;
};

// How a file system keeps the rights of its files; each field is the errno its call fails with,
// 0 where it works.
struct Rechtehaltung
{
    // A write of an access control list that reports success and changes nothing.
    static constexpr int kOhneWirkung = -1;

    // Every fchmod, and every ftruncate that does not make a file shorter, as on FAT through FUSE.
    int modus = 0;
    // Every read of an access control list (ENODATA: the file has none, as where a FUSE file
    // system keeps no lists; EIO: the disk cannot read it).
    int listeLesen = 0;
    // Every write of one, or kOhneWirkung.
    int listeSchreiben = 0;
};

class CRechtehaltung
{
public:
    explicit CRechtehaltung(const Rechtehaltung& haltung);
    ~CRechtehaltung();
    CRechtehaltung(const CRechtehaltung&) = delete;
    CRechtehaltung& operator=(const CRechtehaltung&) = delete;
};

// What fstatvfs tells: blocks of `blockgroesse` bytes, in all, free, and free to a user who is not
// the superuser.
struct Plattenbloecke
{
    unsigned long blockgroesse = 4096;
    fsblkcnt_t gesamt = 0, frei = 0, fuerBenutzer = 0;
};

class CPlattenstand
{
public:
    explicit CPlattenstand(const Plattenbloecke& bloecke);
    ~CPlattenstand();
    CPlattenstand(const CPlattenstand&) = delete;
    CPlattenstand& operator=(const CPlattenstand&) = delete;
};
