#include "app/listenmodell.h"

#include "app/bildliste.h"
#include "platform/qtext.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace {

// The elements of `folge` by their rank in `raenge` (0 .. anzahl - 1); those of equal rank keep
// their order. Counting the elements per rank sorts in one pass.
std::vector<int> NachRang(const std::vector<int>& folge, const std::vector<int>& raenge, int anzahl,
                          bool absteigend)
{
    const auto fach = [&](int eintrag) {
        const int rang = raenge[static_cast<size_t>(eintrag)];
        return static_cast<size_t>(absteigend ? anzahl - 1 - rang : rang);
    };
    std::vector<int> platz(static_cast<size_t>(anzahl) + 1, 0);
    for (int eintrag : folge)
        ++platz[fach(eintrag) + 1];
    for (size_t f = 1; f < platz.size(); ++f)
        platz[f] += platz[f - 1];
    std::vector<int> sortiert(folge.size());
    for (int eintrag : folge)
        sortiert[static_cast<size_t>(platz[fach(eintrag)]++)] = eintrag;
    return sortiert;
}

} // namespace

CListenModell::CListenModell(const CZellenQuelle& quelle, QObject* parent)
    : QAbstractTableModel(parent), m_quelle(quelle)
{
}

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
    case Qt::DisplayRole:
        return AusCp1252(HoleText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return int(m_spalten[index.column()].ausrichtung | Qt::AlignVCenter);
    case MehrereMessungenRolle:
        return zeile->info.mehrereMessungen;
    case MarkenbildRolle:
        return !zeile->info.markiert         ? 0
               : zeile->info.doppeltMarkiert ? CBildliste::DoppeltMarkiert
                                             : CBildliste::Markiert;
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
    VerwirfRangfolgen();
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
    VerwirfRangfolgen();
    endInsertRows();
}

void CListenModell::Leere()
{
    if (m_zeilen.empty())
        return;
    beginRemoveRows({}, 0, rowCount() - 1);
    m_zeilen.clear();
    m_reihenfolge.clear();
    VerwirfRangfolgen();
    endRemoveRows();
}

void CListenModell::Sortiere(int parameter)
{
    const bool absteigend = parameter >= kAbsteigend;
    const int spalte = absteigend ? parameter - kAbsteigend : parameter;
    if (spalte < 0 || spalte >= kAnzahlSortierTexte || m_zeilen.empty())
        return;

    const RANGFOLGE& rangfolge = HoleRangfolge(spalte);
    std::vector<int> sortiert =
        NachRang(HoleGleichstandsfolge(), rangfolge.raenge, rangfolge.anzahl, absteigend);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> vorher = std::exchange(m_reihenfolge, std::move(sortiert));

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

const CListenModell::RANGFOLGE& CListenModell::HoleRangfolge(int spalte)
{
    RANGFOLGE& rangfolge = m_rangfolgen[spalte];
    if (!rangfolge.raenge.empty())
        return rangfolge;
    // Made on the column's first sort after a fill: each distinct lower-cased text numbered as it
    // first comes. Rows of one protocol lie together, so a column that is the same for all of them
    // asks once per protocol.
    static const std::array<char, 256> klein = [] {
        std::array<char, 256> tabelle{};
        for (int b = 0; b < 256; ++b)
            tabelle[b] = KleinZeichen(static_cast<char>(b));
        return tabelle;
    }();
    const bool jeProtokoll = m_quelle.IstProtokollspalte(spalte);
    std::unordered_map<std::string, int> nummern;
    std::vector<const std::string*> verschiedene;
    rangfolge.raenge.resize(m_zeilen.size());
    std::string text;
    std::string sortierText;
    for (size_t eintrag = 0; eintrag < m_zeilen.size(); ++eintrag) {
        const LISTENZEILE& zeile = m_zeilen[eintrag];
        if (jeProtokoll && eintrag > 0 && zeile.protokoll == m_zeilen[eintrag - 1].protokoll) {
            rangfolge.raenge[eintrag] = rangfolge.raenge[eintrag - 1];
            continue;
        }
        text.clear();
        sortierText.clear();
        if (spalte < columnCount())
            m_quelle.HoleZelle(zeile, spalte, text, sortierText);
        for (char& c : sortierText)
            c = klein[static_cast<unsigned char>(c)];
        const auto [nummer, neu] =
            nummern.try_emplace(sortierText, static_cast<int>(verschiedene.size()));
        if (neu)
            verschiedene.push_back(&nummer->first);
        rangfolge.raenge[eintrag] = nummer->second;
    }
    // Numbers become ranks: the distinct texts compare byte by byte.
    std::vector<int> folge(verschiedene.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::sort(folge.begin(), folge.end(),
              [&verschiedene](int a, int b) { return *verschiedene[a] < *verschiedene[b]; });
    std::vector<int> rang(verschiedene.size());
    for (size_t r = 0; r < folge.size(); ++r)
        rang[static_cast<size_t>(folge[r])] = static_cast<int>(r);
    for (int& eintrag : rangfolge.raenge)
        eintrag = rang[static_cast<size_t>(eintrag)];
    rangfolge.anzahl = static_cast<int>(verschiedene.size());
    return rangfolge;
}

const std::vector<int>& CListenModell::HoleGleichstandsfolge()
{
    if (!m_gleichstandsfolge.empty())
        return m_gleichstandsfolge;
    // Made on the first sort after a fill. First each protocol's rows by running number, the
    // protocols in collection order: mostly the fill's own order, which needs no sort.
    // Measurements with the same running number stay in the protocol's order.
    std::vector<int> laufendeNummern(m_zeilen.size());
    for (size_t eintrag = 0; eintrag < m_zeilen.size(); ++eintrag)
        laufendeNummern[eintrag] = GanzeZahl(m_zeilen[eintrag].info.messungsId);
    const auto schluessel = [&](int eintrag) {
        const auto e = static_cast<size_t>(eintrag);
        return std::tuple(m_zeilen[e].protokoll, laufendeNummern[e], eintrag);
    };
    const auto kommtVor = [&schluessel](int a, int b) { return schluessel(a) < schluessel(b); };
    std::vector<int> folge(m_zeilen.size());
    std::iota(folge.begin(), folge.end(), 0);
    if (!std::is_sorted(folge.begin(), folge.end(), kommtVor))
        std::sort(folge.begin(), folge.end(), kommtVor);
    // Then by protocol number, so protocols with the same number keep their rows apart.
    const RANGFOLGE& nummern = HoleRangfolge(kProtokollNummerSpalte);
    m_gleichstandsfolge = NachRang(folge, nummern.raenge, nummern.anzahl, false);
    return m_gleichstandsfolge;
}

void CListenModell::VerwirfRangfolgen()
{
    for (RANGFOLGE& rangfolge : m_rangfolgen)
        rangfolge = {};
    m_gleichstandsfolge.clear();
}

const LISTENZEILE* CListenModell::HoleZeile(int zeile) const
{
    if (zeile < 0 || zeile >= rowCount())
        return nullptr;
    return &m_zeilen[static_cast<size_t>(m_reihenfolge[static_cast<size_t>(zeile)])];
}

std::string CListenModell::HoleText(int zeile, int spalte) const
{
    std::string text;
    std::string sortierText;
    HoleZelle(zeile, spalte, text, sortierText);
    return text;
}

std::string CListenModell::HoleSortierText(int zeile, int spalte) const
{
    std::string text;
    std::string sortierText;
    HoleZelle(zeile, spalte, text, sortierText);
    return sortierText;
}

void CListenModell::HoleZelle(int zeile, int spalte, std::string& text,
                              std::string& sortierText) const
{
    const LISTENZEILE* eintrag = HoleZeile(zeile);
    if (eintrag != nullptr && spalte >= 0 && spalte < columnCount())
        m_quelle.HoleZelle(*eintrag, spalte, text, sortierText);
}
