#include "app/applistctrl.h"

#include "data/protokolle.h"
#include "data/pruefartkatalog.h"
#include "data/textfunktionen.h"
#include "platform/einstellungen.h"
#include "platform/qtdc.h"
#include "platform/text.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr COLORREF kAuswahlFarbe = 0xFF0000;
constexpr COLORREF kMarkierteSchrift = 0x404040;
constexpr COLORREF kFilterUngerade = 0x2DEFEF;
constexpr COLORREF kFilterGerade = 0x3DFFFF;
// How far the separators of the last row run on below it.
constexpr int kTrennlinienVerlaengerung = 800;

// A width reaches the header as its low 16 bits; what reads as negative becomes 0.
int Spaltenbreite(const std::string& feld)
{
    const auto breite = static_cast<std::int16_t>(static_cast<std::uint16_t>(GanzeZahl(feld)));
    return std::max<int>(breite, 0);
}

// A stored order is applied only when it names every column exactly once.
bool IstPermutation(const std::vector<int>& reihenfolge, int spalten)
{
    if (static_cast<int>(reihenfolge.size()) != spalten)
        return false;
    std::vector<bool> gesehen(reihenfolge.size(), false);
    for (int spalte : reihenfolge) {
        if (spalte < 0 || spalte >= spalten || gesehen[spalte])
            return false;
        gesehen[spalte] = true;
    }
    return true;
}

// Every write goes to disk at once, and the measurement list stores its layout on every rebuild:
// a value the profile already holds is left alone. No layout text is a single blank, so a missing
// entry reads as changed.
void SchreibeGeaendertenProfilText(const std::string& abschnitt, const std::string& eintrag,
                                   const std::string& wert)
{
    if (LeseProfilText(abschnitt, eintrag, " ") != wert)
        SchreibeProfilText(abschnitt, eintrag, wert);
}

} // namespace

CPersListCtrl::CPersListCtrl(QWidget* parent) : QTreeView(parent)
{
    // Columns may be dragged to another place and narrowed down to nothing.
    header()->setSectionsMovable(true);
    header()->setMinimumSectionSize(0);
    header()->setStretchLastSection(false);
}

CPersListCtrl::~CPersListCtrl()
{
    SpeichereSpaltenlayout();
}

void CPersListCtrl::SetzeSpaltenlayout(const std::string& abschnitt, const std::string& eintrag,
                                       const std::string& vorgabeBreiten)
{
    m_abschnitt = abschnitt;
    m_eintrag = eintrag;
    m_vorgabeBreiten = vorgabeBreiten;
    WendeSpaltenlayoutAn();
}

void CPersListCtrl::WendeSpaltenlayoutAn()
{
    QHeaderView* kopf = header();
    const std::string breiten = LeseProfilText(m_abschnitt, m_eintrag, m_vorgabeBreiten);
    // Every width field counts, also those beyond the last column.
    int anzahl = 0;
    for (std::string feld; !(feld = StringHoleFeld(breiten, ';', anzahl)).empty(); ++anzahl) {
        if (anzahl < kopf->count())
            kopf->resizeSection(anzahl, Spaltenbreite(feld));
    }

    const std::string gespeichert = LeseProfilText(m_abschnitt, m_eintrag + "_Order", "");
    std::vector<int> reihenfolge(static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i)
        reihenfolge[i] = gespeichert.empty() ? i : GanzeZahl(StringHoleFeld(gespeichert, ';', i));
    if (!IstPermutation(reihenfolge, kopf->count()))
        return;
    for (int position = 0; position < anzahl; ++position)
        kopf->moveSection(kopf->visualIndex(reihenfolge[position]), position);
}

void CPersListCtrl::SpeichereSpaltenlayout() const
{
    if (m_abschnitt.empty() || m_eintrag.empty())
        return;
    const QHeaderView* kopf = header();
    std::string breiten;
    std::string reihenfolge;
    for (int i = 0; i < kopf->count(); ++i) {
        breiten += StringFormat("%d;", kopf->sectionSize(i));
        reihenfolge += StringFormat("%d;", kopf->logicalIndex(i));
    }
    SchreibeGeaendertenProfilText(m_abschnitt, m_eintrag, breiten);
    SchreibeGeaendertenProfilText(m_abschnitt, m_eintrag + "_Order", reihenfolge);
}

void CPersListCtrl::SetzeSpaltenlayoutZurueck()
{
    if (m_abschnitt.empty() || m_eintrag.empty())
        return;
    SchreibeProfilText(m_abschnitt, m_eintrag + "_Order", "");
    SchreibeProfilText(m_abschnitt, m_eintrag, m_vorgabeBreiten);
    WendeSpaltenlayoutAn();
    viewport()->update();
}

CAppListCtrl::CAppListCtrl(const LISTENAUSSEHEN& aussehen, QWidget* parent)
    : CPersListCtrl(parent), m_aussehen(aussehen), m_modell(new CListenModell(*this, this))
{
    setModel(m_modell);
    setItemDelegate(new CListenDelegate(*this, aussehen));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    header()->setSectionsClickable(true);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Where there are no rows the list shows the colour of its odd rows.
    QPalette farben = palette();
    farben.setColor(QPalette::Base, AlsQColor(aussehen.ungeradeZeile));
    setPalette(farben);

    connect(header(), &QHeaderView::sectionClicked, this, &CAppListCtrl::OnColumnclick);
}

void CAppListCtrl::SetzeModus(int modus, const std::string& praefix)
{
    m_modus = modus;
    m_praefix = praefix;
}

void CAppListCtrl::SetzeFiltermarken(const std::string& marken)
{
    m_filtermarken = marken;
    viewport()->update();
}

bool CAppListCtrl::HatFiltermarke(int spalte) const
{
    return StringHoleFeld(m_filtermarken, '|', spalte) == "1";
}

const ITEMINFOS* CAppListCtrl::HoleInfo(int zeile) const
{
    const LISTENZEILE* eintrag = m_modell->HoleZeile(zeile);
    return eintrag != nullptr ? &eintrag->info : nullptr;
}

std::string CAppListCtrl::HoleSortierText(int zeile, int spalte) const
{
    return m_modell->HoleSortierText(zeile, spalte);
}

std::vector<int> CAppListCtrl::HoleAusgewaehlteZeilen() const
{
    // Ranges over every column hold whole rows, so a list of many rows is not asked cell by cell.
    const QItemSelectionModel& auswahl = *selectionModel();
    const int letzteSpalte = m_modell->columnCount() - 1;
    std::vector<bool> gewaehlt(static_cast<size_t>(m_modell->rowCount()), false);
    for (const QItemSelectionRange& bereich : auswahl.selection()) {
        if (!bereich.isValid() || bereich.model() != m_modell)
            continue;
        const bool ganzeZeilen = bereich.left() == 0 && bereich.right() == letzteSpalte;
        for (int zeile = bereich.top(); zeile <= bereich.bottom(); ++zeile) {
            if (!gewaehlt[zeile] && (ganzeZeilen || auswahl.isRowSelected(zeile)))
                gewaehlt[zeile] = true;
        }
    }
    std::vector<int> zeilen;
    for (size_t zeile = 0; zeile < gewaehlt.size(); ++zeile) {
        if (gewaehlt[zeile])
            zeilen.push_back(static_cast<int>(zeile));
    }
    return zeilen;
}

std::vector<const ITEMINFOS*> CAppListCtrl::HoleAusgewaehlteInfos() const
{
    std::vector<const ITEMINFOS*> infos;
    for (int zeile : HoleAusgewaehlteZeilen())
        infos.push_back(HoleInfo(zeile));
    return infos;
}

void CAppListCtrl::SortiereNachSpalte(int parameter)
{
    m_modell->Sortiere(parameter);
}

void CAppListCtrl::OnColumnclick(int spalte)
{
    m_sortierRichtung = m_sortierRichtung != 0 ? 0 : kAbsteigend;
    SortiereNachSpalte(spalte + m_sortierRichtung);
}

const std::string* CAppListCtrl::HolePruefartName(CPruefartKatalog& auswahl,
                                                  const CProtokoll& protokoll)
{
    std::pair<std::string, int> art(protokoll.GetPruefartID(), protokoll.GetPruefartVER());
    auto eintrag = m_pruefartNamen.find(art);
    if (eintrag == m_pruefartNamen.end()) {
        std::optional<std::string> name;
        if (auswahl.Waehle(art.first, art.second))
            name = auswahl.HoleName();
        eintrag = m_pruefartNamen.emplace(std::move(art), std::move(name)).first;
    }
    return eintrag->second ? &*eintrag->second : nullptr;
}

void CAppListCtrl::BeginneFuellung(const CProtokolle& protokolle)
{
    m_pruefartNamen.clear();
    m_protokolle = &protokolle;
    m_protokollzellen.assign(static_cast<size_t>(protokolle.GetAnzahl()), {});
}

const CProtokoll* CAppListCtrl::HoleProtokoll(const LISTENZEILE& zeile) const
{
    if (m_protokolle == nullptr)
        return nullptr;
    if (zeile.protokoll >= 0 && zeile.protokoll < m_protokolle->GetAnzahl()) {
        const CProtokoll* protokoll = m_protokolle->GetProtokoll(zeile.protokoll);
        if (protokoll->GetID() == zeile.info.schluessel)
            return protokoll;
    }
    // A protocol removed since the fill has moved those after it.
    return m_protokolle->FindeProtokoll(zeile.info.schluessel);
}

void CAppListCtrl::HoleProtokollzelle(const LISTENZEILE& zeile, int id, std::string& text,
                                      std::string& sortierText) const
{
    // These cells stay with the row even when its protocol has gone.
    if (zeile.protokoll < 0 || zeile.protokoll >= static_cast<int>(m_protokollzellen.size()))
        return;
    const PROTOKOLLZELLEN& zellen = m_protokollzellen[static_cast<size_t>(zeile.protokoll)];
    if (id == 1) {
        text = zellen.pruefart;
        sortierText = zellen.pruefartSortierText;
    } else {
        text = zellen.titel;
        sortierText = zellen.titelSortierText;
    }
}

void CAppListCtrl::paintEvent(QPaintEvent* ereignis)
{
    QTreeView::paintEvent(ereignis);
    if (m_aussehen.trennlinienUnterZeilen)
        ZeichneTrennlinienUnterZeilen();
}

void CAppListCtrl::ZeichneTrennlinienUnterZeilen()
{
    const int zeilen = m_modell->rowCount();
    if (zeilen == 0 || m_modell->columnCount() == 0)
        return;
    const QRect letzteZeile = visualRect(m_modell->index(zeilen - 1, 0));
    if (!letzteZeile.isValid())
        return;
    QPainter maler(viewport());
    const QHeaderView* kopf = header();
    for (int spalte = 0; spalte < kopf->count(); ++spalte) {
        if (kopf->visualIndex(spalte) == 0)
            continue;
        const int x = kopf->sectionViewportPosition(spalte) - (spalte == 0 ? 2 : 0);
        maler.fillRect(x, letzteZeile.bottom() + 1, 1, kTrennlinienVerlaengerung,
                       AlsQColor(m_aussehen.trennlinie));
    }
}

CListenDelegate::CListenDelegate(CAppListCtrl& liste, const LISTENAUSSEHEN& aussehen)
    : QStyledItemDelegate(&liste), m_liste(liste), m_aussehen(aussehen)
{
}

void CListenDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const int zeile = index.row();
    const int spalte = index.column();
    if (zeile < 0)
        return;
    const bool ungerade = zeile % 2 != 0;
    const bool ausgewaehlt = option.state.testFlag(QStyle::State_Selected);
    const QRect zelle = option.rect;

    painter->save();
    painter->fillRect(zelle, AlsQColor(ausgewaehlt ? kAuswahlFarbe
                                       : ungerade  ? m_aussehen.ungeradeZeile
                                                   : m_aussehen.geradeZeile));
    const int markenbild = index.data(CListenModell::MarkenbildRolle).toInt();
    QColor schrift = Qt::white;
    if (!ausgewaehlt)
        schrift = markenbild != 0 ? AlsQColor(kMarkierteSchrift) : QColor(Qt::black);

    if (!ausgewaehlt && m_liste.HatFiltermarke(spalte))
        painter->fillRect(zelle, AlsQColor(ungerade ? kFilterUngerade : kFilterGerade));
    if (markenbild != 0 && spalte == 0)
        m_liste.HoleBildliste().Zeichne(*painter, markenbild,
                                        zelle.topLeft() + QPoint(2, m_aussehen.markenHoehe));
    if (m_liste.header()->visualIndex(spalte) != 0)
        painter->fillRect(zelle.left() - (spalte == 0 ? 2 : 0), zelle.top(), 1, zelle.height(),
                          AlsQColor(m_aussehen.trennlinie));

    painter->setPen(schrift);
    if (spalte > 0) {
        const QRect textfeld = zelle.adjusted(3, 0, -m_aussehen.rechterTextabstand, 0);
        const auto ausrichtung = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const QString text = option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight,
                                                           textfeld.width());
        painter->drawText(textfeld, int(ausrichtung | Qt::AlignVCenter | Qt::TextSingleLine), text);
    } else if (m_aussehen.mehrereMessungenMarke &&
               index.data(CListenModell::MehrereMessungenRolle).toBool()) {
        painter->drawText(zelle, Qt::AlignCenter | Qt::TextSingleLine, u"M"_s);
    }
    painter->restore();
}
