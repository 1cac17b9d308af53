#pragma once
// Failures of the system that a test cannot bring about otherwise. While one of these lives, a
// call of the process fails with `fehlernummer`:
// - every fsync, as one does on a network share or over a quota when the disk refuses data it
//   had taken into its cache;
// - every fallocate, as on a file system that cannot reserve room (EOPNOTSUPP: ext2, NFS before
//   version 4.2, many FUSE file systems).

class CSyncScheitert
{
public:
    explicit CSyncScheitert(int fehlernummer);
    ~CSyncScheitert();
    CSyncScheitert(const CSyncScheitert&) = delete;
    CSyncScheitert& operator=(const CSyncScheitert&) = delete;
};

class CReservierenScheitert
{
public:
    explicit CReservierenScheitert(int fehlernummer);
    ~CReservierenScheitert();
    CReservierenScheitert(const CReservierenScheitert&) = delete;
    CReservierenScheitert& operator=(const CReservierenScheitert&) = delete;
};
