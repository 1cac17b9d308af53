#pragma once
// Protocols for the list tests, made in code: header fields, note, test type and measurements.

#include "app/applistctrl.h"
#include "data/protokoll.h"
#include "data/protokolle.h"
#include "data/pruefartkatalog.h"
#include "platform/qtext.h"
#include "platform/text.h"

#include <QHeaderView>
#include <memory>
#include <string>
#include <vector>

struct ProtokollVorlage
{
    std::string id{};
    std::string titelId{};
    std::string pruefartId = "1001";
    std::vector<std::string> kopffelder{}; // group 1 of the general data text
    std::string notiz{};
    std::string unterartKuerzel{};
    std::vector<MESSUNG> messungen{};
};

inline MESSUNG Messung(const std::string& lfdNr, const std::string& station = "",
                       const std::string& daten = "")
{
    MESSUNG messung;
    messung.lfdNr = lfdNr;
    messung.lfdNrWert = std::atoi(lfdNr.c_str());
    messung.station = station;
    messung.daten = daten;
    return messung;
}

inline std::unique_ptr<CProtokoll> BaueTestprotokoll(const ProtokollVorlage& vorlage)
{
    auto protokoll = std::make_unique<CProtokoll>();
    protokoll->Initialisiere(vorlage.id, vorlage.titelId, vorlage.pruefartId);
    std::string gruppe1;
    for (size_t i = 0; i < vorlage.kopffelder.size(); ++i)
        gruppe1 += (i > 0 ? "|" : "") + vorlage.kopffelder[i];
    protokoll->SetzeDatentexte("{}{" + gruppe1 + "}{" + vorlage.notiz + "}", "");
    protokoll->SetzePruefunterartKuerzel(vorlage.unterartKuerzel);
    for (const MESSUNG& messung : vorlage.messungen)
        protokoll->FuegeMessungHinzu(messung);
    return protokoll;
}

inline void FuegeProtokolleHinzu(CProtokolle& protokolle,
                                 const std::vector<ProtokollVorlage>& vorlagen)
{
    for (const ProtokollVorlage& vorlage : vorlagen)
        protokolle.FuegeHinzu(BaueTestprotokoll(vorlage));
}

inline CPruefartKatalog GeladenerKatalog()
{
    CPruefartKatalog katalog;
    katalog.Lade();
    return katalog;
}

// Shown text of a cell, in the program's own encoding.
inline std::string Zelle(const CAppListCtrl& liste, int zeile, int spalte)
{
    const CListenModell& modell = liste.HoleModell();
    return NachCp1252(modell.data(modell.index(zeile, spalte), Qt::DisplayRole).toString());
}

inline std::vector<std::string> Spalte(const CAppListCtrl& liste, int spalte)
{
    std::vector<std::string> texte;
    for (int zeile = 0; zeile < liste.HoleModell().rowCount(); ++zeile)
        texte.push_back(Zelle(liste, zeile, spalte));
    return texte;
}

inline std::vector<int> Breiten(const CAppListCtrl& liste)
{
    std::vector<int> breiten;
    for (int i = 0; i < liste.header()->count(); ++i)
        breiten.push_back(liste.header()->sectionSize(i));
    return breiten;
}

// Logical column shown at each position.
inline std::vector<int> Reihenfolge(const CAppListCtrl& liste)
{
    std::vector<int> reihenfolge;
    for (int i = 0; i < liste.header()->count(); ++i)
        reihenfolge.push_back(liste.header()->logicalIndex(i));
    return reihenfolge;
}
