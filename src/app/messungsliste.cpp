#include "app/messungsliste.h"

#include "app/messungsseite.h"
#include "app/spaltenfilter.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "data/messungsspalten.h"
#include "data/protokoll.h"
#include "data/protokolle.h"
#include "data/pruefartkatalog.h"
#include "platform/meldung.h"
#include "platform/text.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <cstdlib>

namespace {

constexpr LISTENAUSSEHEN kMessungsAussehen{
    .ungeradeZeile = 0x82DCDC,
    .geradeZeile = 0x92ECEC,
    .trennlinie = 0x62BCBC,
    .rechterTextabstand = 3,
    .mehrereMessungenMarke = true,
    .trennlinienUnterZeilen = false,
    .markenHoehe = 0,
};

Qt::Alignment Ausrichtung(Spaltenausrichtung ausrichtung)
{
    return ausrichtung == Spaltenausrichtung::Rechts ? Qt::AlignRight : Qt::AlignLeft;
}

// Counts the free slots of a row order, to find the n-th free one quickly.
class CFreiePlaetze
{
public:
    explicit CFreiePlaetze(int anzahl) : m_baum(static_cast<size_t>(anzahl) + 1, 0)
    {
        for (int platz = 0; platz < anzahl; ++platz)
            Aendere(platz, 1);
        for (m_schritt = 1; m_schritt * 2 <= anzahl;)
            m_schritt *= 2;
    }

    // Takes the free slot with `n` free slots before it.
    int Belege(int n)
    {
        int platz = 0;
        for (int schritt = m_schritt; schritt > 0; schritt /= 2) {
            const int weiter = platz + schritt;
            if (weiter < static_cast<int>(m_baum.size()) && m_baum[weiter] <= n) {
                platz = weiter;
                n -= m_baum[weiter];
            }
        }
        Aendere(platz, -1);
        return platz;
    }

private:
    void Aendere(int platz, int wert)
    {
        for (int i = platz + 1; i < static_cast<int>(m_baum.size()); i += i & -i)
            m_baum[i] += wert;
    }

    std::vector<int> m_baum;
    int m_schritt = 0;
};

// Columns taken from the protocol's header: its header fields but the measurement's own station,
// layer and position, and its note.
bool IstKopfspalte(int id)
{
    return (id >= 3 && id <= 16 && (id < 4 || id > 6)) || id == 28;
}

} // namespace

std::vector<int> OrdneEinfuegungen(const std::vector<int>& positionen)
{
    // Going backwards, each row takes the slot its position names among those that later rows
    // have left free.
    const int anzahl = static_cast<int>(positionen.size());
    std::vector<int> reihenfolge(positionen.size());
    CFreiePlaetze frei(anzahl);
    for (int einfuegung = anzahl - 1; einfuegung >= 0; --einfuegung)
        reihenfolge[frei.Belege(positionen[einfuegung])] = einfuegung;
    return reihenfolge;
}

CMessungsListCtrl::CMessungsListCtrl(QWidget* parent) : CAppListCtrl(kMessungsAussehen, parent)
{
    m_modus = 2;
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QWidget::customContextMenuRequested, this,
            &CMessungsListCtrl::OnKopfRechtsklick);
}

void CMessungsListCtrl::OnKopfRechtsklick(const QPoint& punkt)
{
    if (HoleModus() != 2)
        return;
    const int spalte = header()->logicalIndexAt(punkt);
    if (spalte < 0)
        return;
    if (IstFilterbareSpalte(spalte)) {
        SetzeSpaltenfilter(spalte);
        return;
    }
    const char* text = "Für diese Spalte kann (noch) kein Filter gesetzt werden";
    if (spalte == 0)
        text = "Für diese Spalte kann kein Filter gesetzt werden!";
    else if (spalte == 1)
        text = "Für diese Spalte kann kein Filter gesetzt werden.\nWählen Sie stattdessen bitte "
               "eine Prüfart in der Combobox \"Versuchsart\" aus!";
    ZeigeMeldung(text, MeldungsArt::Warnung, "Filter setzen");
}

void CMessungsListCtrl::SetzeSpaltenfilter(int spalte)
{
    if (CVersucheApp* app = HoleVersucheApp(); app != nullptr && app->m_pMainView != nullptr)
        app->m_pMainView->HoleMessungsseite()->SetzeSpaltenfilter(spalte);
}

void CMessungsListCtrl::SetzeArt(const std::string& pruefartId)
{
    m_art = ListenartVonPruefart(std::atoi(pruefartId.c_str()));
}

int CMessungsListCtrl::HoleSpaltenanzahl(int art)
{
    static const std::array<int, kAnzahlListenarten> anzahlen = [] {
        std::array<int, kAnzahlListenarten> ergebnis{};
        for (int a = 0; a < kAnzahlListenarten; ++a) {
            int spalten = 1;
            while (spalten < kSpaltenJeListenart && Messungsspaltentabelle[a][spalten] != 0)
                ++spalten;
            ergebnis[a] = spalten;
        }
        return ergebnis;
    }();
    return anzahlen.at(static_cast<size_t>(art));
}

int CMessungsListCtrl::HoleSpaltenID(int spalte) const
{
    const bool inDerZeile = spalte >= 0 && spalte < kSpaltenJeListenart;
    return Messungsspaltentabelle[m_art][inDerZeile ? spalte : 0];
}

void CMessungsListCtrl::BaueSpalten()
{
    // The layout of the kind shown so far is kept before its columns go, so changes made to it
    // are not lost when another test type is chosen.
    SpeichereSpaltenlayout();
    std::vector<LISTENSPALTE> spalten;
    std::string vorgabeBreiten;
    for (int spalte = 0; spalte < HoleSpaltenanzahl(); ++spalte) {
        const MESSUNGSSPALTE& eintrag = Messungsspaltenkatalog[HoleSpaltenID(spalte)];
        spalten.push_back({eintrag.titel, Ausrichtung(eintrag.ausrichtung)});
        vorgabeBreiten += StringFormat("%d;", eintrag.breite);
    }
    HoleModell().SetzeSpalten(std::move(spalten));
    for (int spalte = 0; spalte < HoleSpaltenanzahl(); ++spalte)
        header()->resizeSection(spalte, Messungsspaltenkatalog[HoleSpaltenID(spalte)].breite);
    SetzeSpaltenlayout("spaltenbreiten",
                       StringFormat("Messungsuebersicht_%d_%d", HoleModus(), HoleArt()),
                       vorgabeBreiten);
}

void CMessungsListCtrl::FuelleListe(const CProtokolle& protokolle, const CPruefartKatalog& katalog,
                                    const std::string& pruefartId, const MessungsFilter& filter)
{
    HoleModell().Leere();
    BeginneFuellung(protokolle);
    SetzeArt(pruefartId);
    BaueSpalten();

    const auto gewaehlt = [&pruefartId](const CProtokoll& protokoll) {
        return pruefartId.empty() || pruefartId == protokoll.GetPruefartID();
    };
    size_t hoechstens = 0;
    for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
        if (const CProtokoll& protokoll = *protokolle.GetProtokoll(i); gewaehlt(protokoll))
            hoechstens += static_cast<size_t>(protokoll.GetAnzahlMessungen());
    }
    std::vector<LISTENZEILE> zeilen;
    std::vector<int> positionen;
    zeilen.reserve(hoechstens);
    positionen.reserve(hoechstens);

    CPruefartKatalog auswahl = katalog;
    for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
        const CProtokoll& protokoll = *protokolle.GetProtokoll(i);
        if (!gewaehlt(protokoll))
            continue;
        // A type the catalogue does not hold leaves the name empty.
        const std::string* name = HolePruefartName(auswahl, protokoll);
        const std::string pruefart = name != nullptr ? *name : std::string();
        PROTOKOLLZELLEN& zellen = m_protokollzellen[static_cast<size_t>(i)];
        zellen.pruefart = protokoll.GetPruefunterartKuerzel() + "  " + pruefart;
        zellen.pruefartSortierText = GrossSchreiben(pruefart);
        zellen.titel = protokolle.BildeTitelPfad(protokoll.GetTitelID());
        zellen.titelSortierText = GrossSchreiben(zellen.titel);
        FuegeMessungenHinzu(i, protokoll, filter, zeilen, positionen);
    }
    std::vector<int> reihenfolge = OrdneEinfuegungen(positionen);
    HoleModell().SetzeZeilen(std::move(zeilen), std::move(reihenfolge));
}

void CMessungsListCtrl::AlleMarkieren()
{
    const int zeilen = HoleModell().rowCount();
    if (zeilen == 0)
        return;
    selectAll();
    selectionModel()->setCurrentIndex(HoleModell().index(zeilen - 1, 0),
                                      QItemSelectionModel::NoUpdate);
}

void CMessungsListCtrl::ExportiereMessungen()
{
    if (CVersucheApp* app = HoleVersucheApp(); app != nullptr && app->m_pMainView != nullptr)
        app->m_pMainView->ExportiereMessungen();
}

void CMessungsListCtrl::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_E && ereignis->modifiers().testFlag(Qt::ControlModifier))
        ExportiereMessungen();
    CAppListCtrl::keyPressEvent(ereignis);
}

void CMessungsListCtrl::FuegeMessungenHinzu(int protokollIndex, const CProtokoll& protokoll,
                                            const MessungsFilter& filter,
                                            std::vector<LISTENZEILE>& zeilen,
                                            std::vector<int>& positionen)
{
    const int anzahl = protokoll.GetAnzahlMessungen();
    const std::string schluessel = protokoll.GetID();
    MESSUNG messung;
    for (int j = 0; j < anzahl; ++j) {
        protokoll.GetMessung(j, messung);
        if (filter && !filter(protokoll, messung))
            continue;
        // Each row goes in at the protocol's index, or at the end when the list is shorter.
        positionen.push_back(std::min(protokollIndex, static_cast<int>(zeilen.size())));
        LISTENZEILE& zeile = zeilen.emplace_back();
        zeile.info.schluessel = schluessel;
        zeile.info.mehrereMessungen = anzahl > 1;
        zeile.info.messungsId = messung.lfdNr;
        zeile.protokoll = protokollIndex;
        zeile.messung = j;
    }
}

bool CMessungsListCtrl::IstProtokollspalte(int spalte) const
{
    // Column 0 shows nothing, the test type and title come from the protocol.
    const int id = HoleSpaltenID(spalte);
    return spalte < 1 || id == 1 || id == 2 || IstKopfspalte(id);
}

void CMessungsListCtrl::HoleZelle(const LISTENZEILE& zeile, int spalte, std::string& text,
                                  std::string& sortierText) const
{
    // Column 0 shows no text.
    if (spalte < 1)
        return;
    const int id = HoleSpaltenID(spalte);
    if (id == 1 || id == 2) {
        HoleProtokollzelle(zeile, id, text, sortierText);
        return;
    }
    const CProtokoll* protokoll = HoleProtokoll(zeile);
    if (protokoll == nullptr)
        return;
    if (IstKopfspalte(id)) {
        protokoll->HoleMessungsSpalte(HolePraefix(), id, MESSUNG(), text, sortierText);
        return;
    }
    if (zeile.messung < 0 || zeile.messung >= protokoll->GetAnzahlMessungen())
        return;
    MESSUNG messung;
    protokoll->GetMessung(zeile.messung, messung);
    protokoll->HoleMessungsSpalte(HolePraefix(), id, messung, text, sortierText);
}
