#pragma once
// While it lives, every fsync of the process fails with `fehlernummer`, as one does on a network
// share or over a quota when the disk refuses data it had taken into its cache.

class CSyncScheitert
{
public:
    explicit CSyncScheitert(int fehlernummer);
    ~CSyncScheitert();
    CSyncScheitert(const CSyncScheitert&) = delete;
    CSyncScheitert& operator=(const CSyncScheitert&) = delete;
};
