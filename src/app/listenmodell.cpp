#include "app/listenmodell.h"

#include "platform/qtext.h"
#include "platform/text.h"

#include <algorithm>
#include <numeric>

namespace {

struct Kleinbuchstaben
{
    std::array<unsigned char, 256> zeichen{};
    Kleinbuchstaben()
    {
        for (int b = 0; b < 256; ++b)
            zeichen[b] = static_cast<unsigned char>(KleinZeichen(static_cast<char>(b)));
    }
};

} // namespace

int VergleicheSortierTexte(std::string_view a, std::string_view b)
{
    static const Kleinbuchstaben klein;
    const size_t laenge = std::min(a.size(), b.size());
    for (size_t i = 0; i < laenge; ++i) {
        const int x = klein.zeichen[static_cast<unsigned char>(a[i])];
        const int y = klein.zeichen[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x - y;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

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
    case MarkiertRolle:
        return zeile->info.markiert;
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
    m_spalten = std::move(spalten);
    endResetModel();
}

void CListenModell::SetzeZeilen(std::vector<std::unique_ptr<LISTENZEILE>> zeilen)
{
    // Rows go out and come in one by one block, so the header keeps its widths and order.
    Leere();
    if (zeilen.empty())
        return;
    beginInsertRows({}, 0, static_cast<int>(zeilen.size()) - 1);
    m_zeilen = std::move(zeilen);
    endInsertRows();
}

void CListenModell::Leere()
{
    if (m_zeilen.empty())
        return;
    beginRemoveRows({}, 0, rowCount() - 1);
    m_zeilen.clear();
    endRemoveRows();
}

void CListenModell::Sortiere(int parameter)
{
    const bool absteigend = parameter >= kAbsteigend;
    const int spalte = absteigend ? parameter - kAbsteigend : parameter;
    if (spalte < 0 || spalte >= kAnzahlSortierTexte || m_zeilen.empty())
        return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> reihenfolge(m_zeilen.size());
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](int a, int b) {
        const std::string& textA = m_zeilen[a]->info.sortierTexte[spalte];
        const std::string& textB = m_zeilen[b]->info.sortierTexte[spalte];
        return absteigend ? VergleicheSortierTexte(textB, textA) < 0
                          : VergleicheSortierTexte(textA, textB) < 0;
    });

    std::vector<std::unique_ptr<LISTENZEILE>> sortiert(m_zeilen.size());
    std::vector<int> neueZeile(m_zeilen.size());
    for (size_t neu = 0; neu < reihenfolge.size(); ++neu) {
        sortiert[neu] = std::move(m_zeilen[reihenfolge[neu]]);
        neueZeile[reihenfolge[neu]] = static_cast<int>(neu);
    }
    m_zeilen = std::move(sortiert);

    const QModelIndexList vorher = persistentIndexList();
    QModelIndexList nachher;
    nachher.reserve(vorher.size());
    for (const QModelIndex& alt : vorher)
        nachher.append(index(neueZeile[alt.row()], alt.column()));
    changePersistentIndexList(vorher, nachher);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

const LISTENZEILE* CListenModell::HoleZeile(int zeile) const
{
    if (zeile < 0 || zeile >= rowCount())
        return nullptr;
    return m_zeilen[static_cast<size_t>(zeile)].get();
}
