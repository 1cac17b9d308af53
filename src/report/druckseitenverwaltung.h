#pragma once
// The pages of one print job of test reports: one record per page, pointing at the test that
// prints it and the page's number within that test. Owns the job's tests.

#include "platform/gdi.h"
#include "report/virtversuch.h"

#include <memory>
#include <vector>

class CDC;

class CDruckseitenVerwaltung
{
public:
    static std::unique_ptr<CDruckseitenVerwaltung> CreateObject()
    {
        return std::make_unique<CDruckseitenVerwaltung>();
    }

    // Deletes the tests of the previous job.
    void AlleEntfernen();
    // Appends a record per page of the test; a test without pages is deleted at once.
    void FuegeVersuchHinzu(std::unique_ptr<CVirtVersuch> versuch);
    int GetSeitenzahl() const { return int(m_seiten.size()); }
    // Prints job page n (from 1); CInvalidArgException for a page the job does not have.
    void DruckeSeite(int seite, CDC* dc, RECT seitenRechteck);

private:
    struct SEITENINFO
    {
        CVirtVersuch* versuch;
        int lokaleSeite;
    };

    std::vector<std::unique_ptr<CVirtVersuch>> m_versuche;
    std::vector<SEITENINFO> m_seiten;
};
