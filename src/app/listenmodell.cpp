#include "app/listenmodell.h"

#include "platform/qtext.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <numeric>

CListenModell::CListenModell(QObject* parent) : QAbstractTableModel(parent) {}

CListenModell::~CListenModell() = default;

int CListenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int CListenModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_spalten.size());
}

QVariant CListenModell::data(const QModelIndex& index, int role) const
{
    const LISTENZEILE* zeile = HoleZeile(index.row());
    if (zeile == nullptr || index.column() < 0 || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const size_t spalte = static_cast<size_t>(index.column());
        return spalte < zeile->texte.size() ? AusCp1252(zeile->texte[spalte]) : QString();
    }
    case Qt::TextAlignmentRole:
        return int(m_spalten[index.column()].ausrichtung | Qt::AlignVCenter);
    case MehrereMessungenRolle:
        return zeile->info.mehrereMessungen;
    case MarkenbildRolle:
        return !zeile->info.markiert ? 0 : zeile->info.doppeltMarkiert ? 2 : 1;
    default:
        return {};
    }
}

QVariant CListenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return AusCp1252(m_spalten[section].titel);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void CListenModell::SetzeSpalten(std::vector<LISTENSPALTE> spalten)
{
    beginResetModel();
    m_zeilen.clear();
    m_reihenfolge.clear();
    VerwirfSortierbloecke();
    m_spalten = std::move(spalten);
    endResetModel();
}

void CListenModell::SetzeZeilen(std::vector<LISTENZEILE> zeilen, std::vector<int> reihenfolge)
{
    // Rows go out and come in as one block each, so the header keeps its widths and order.
    Leere();
    if (zeilen.empty())
        return;
    if (reihenfolge.empty()) {
        reihenfolge.resize(zeilen.size());
        std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    }
    beginInsertRows({}, 0, static_cast<int>(zeilen.size()) - 1);
    m_zeilen = std::move(zeilen);
    m_reihenfolge = std::move(reihenfolge);
    VerwirfSortierbloecke();
    endInsertRows();
}

void CListenModell::Leere()
{
    if (m_zeilen.empty())
        return;
    beginRemoveRows({}, 0, rowCount() - 1);
    m_zeilen.clear();
    m_reihenfolge.clear();
    VerwirfSortierbloecke();
    endRemoveRows();
}

void CListenModell::Sortiere(int parameter)
{
    const bool absteigend = parameter >= kAbsteigend;
    const int spalte = absteigend ? parameter - kAbsteigend : parameter;
    if (spalte < 0 || spalte >= kAnzahlSortierTexte || m_zeilen.empty())
        return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> vorher = m_reihenfolge;
    std::vector<int> bisherigeZeile(m_zeilen.size());
    for (size_t zeile = 0; zeile < vorher.size(); ++zeile)
        bisherigeZeile[vorher[zeile]] = static_cast<int>(zeile);

    // Each key carries what the comparison needs, so the sort touches little else.
    const SORTIERBLOCK& block = HoleSortierblock(spalte);
    struct Schluessel
    {
        std::string_view text;
        int bisherigeZeile;
        int eintrag;
    };
    std::vector<Schluessel> schluessel;
    schluessel.reserve(m_zeilen.size());
    for (size_t eintrag = 0; eintrag < m_zeilen.size(); ++eintrag)
        schluessel.push_back(
            {std::string_view(block.texte)
                 .substr(block.anfang[eintrag], block.anfang[eintrag + 1] - block.anfang[eintrag]),
             bisherigeZeile[eintrag], static_cast<int>(eintrag)});
    // Equal texts keep their order.
    std::sort(schluessel.begin(), schluessel.end(),
              [absteigend](const Schluessel& a, const Schluessel& b) {
                  const int vergleich = a.text.compare(b.text);
                  if (vergleich != 0)
                      return absteigend ? vergleich > 0 : vergleich < 0;
                  return a.bisherigeZeile < b.bisherigeZeile;
              });
    for (size_t zeile = 0; zeile < schluessel.size(); ++zeile)
        m_reihenfolge[zeile] = schluessel[zeile].eintrag;

    std::vector<int> neueZeile(m_zeilen.size());
    for (size_t zeile = 0; zeile < m_reihenfolge.size(); ++zeile)
        neueZeile[m_reihenfolge[zeile]] = static_cast<int>(zeile);

    const QModelIndexList alt = persistentIndexList();
    QModelIndexList neu;
    neu.reserve(alt.size());
    for (const QModelIndex& index : alt)
        neu.append(this->index(neueZeile[vorher[index.row()]], index.column()));
    changePersistentIndexList(alt, neu);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

const CListenModell::SORTIERBLOCK& CListenModell::HoleSortierblock(int spalte)
{
    // Lower-cased once per fill and kept together in one block, the texts of a column compare
    // as plain bytes close to each other instead of deep inside their rows.
    static const std::array<char, 256> klein = [] {
        std::array<char, 256> tabelle{};
        for (int b = 0; b < 256; ++b)
            tabelle[b] = KleinZeichen(static_cast<char>(b));
        return tabelle;
    }();
    SORTIERBLOCK& block = m_sortierbloecke[spalte];
    if (!block.anfang.empty())
        return block;
    block.anfang.reserve(m_zeilen.size() + 1);
    for (const LISTENZEILE& zeile : m_zeilen) {
        block.anfang.push_back(block.texte.size());
        for (char c : zeile.info.sortierTexte[spalte])
            block.texte.push_back(klein[static_cast<unsigned char>(c)]);
    }
    block.anfang.push_back(block.texte.size());
    return block;
}

void CListenModell::VerwirfSortierbloecke()
{
    for (SORTIERBLOCK& block : m_sortierbloecke)
        block = {};
}

const LISTENZEILE* CListenModell::HoleZeile(int zeile) const
{
    if (zeile < 0 || zeile >= rowCount())
        return nullptr;
    return &m_zeilen[static_cast<size_t>(m_reihenfolge[static_cast<size_t>(zeile)])];
}
