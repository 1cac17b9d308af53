#include "app/protokolldetails.h"

#include "data/protokoll.h"
#include "data/textfunktionen.h"
#include "platform/qtdc.h"
#include "platform/qtext.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {

// Header fields of group 1 of the general data text.
constexpr int kErstesRechtesFeld = 8;
constexpr int kProtokollnummerFeld = 8;
constexpr int kPruefdatumFeld = 9;
// Group of the special data text that holds the key data.
constexpr int kEckdatenGruppe = 6;
constexpr int kVergleichsblatt = 1018;

constexpr std::array<const char*, kDetailZeilen> kLinkeTitel = {
    " Bereich/Bauabschnitt", " Station/Profil", " Schicht/Höhe", " Lage zur Achse", " Bodenart",
    " Bodenherkunft",        " Bodenzustand",   " Bemerkung"};
constexpr std::array<const char*, kDetailZeilen> kRechteTitel = {
    " Protokoll-Nr.", " Prüfdatum ", " von ", " bis ", " Prüfer", " Bearbeiter", "", ""};

const QColor kZellenBlau(10, 10, 255);
const QColor kTitelGrau(223, 223, 223);
const QColor kTitelSchrift(64, 64, 64);
const QColor kInnenlinie(200, 200, 200);
const QColor kSchattenlinie(112, 112, 112);

QFont TabellenSchrift()
{
    // The raster face that the table's small height asks for comes in 8 points at the least.
    QFont schrift(u"MS Sans Serif"_s);
    schrift.setPointSize(8);
    schrift.setBold(false);
    return schrift;
}

class CEckdatenDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (index.row() < 0)
            return;
        const QRect feld = option.rect.adjusted(3, 0, 0, 0);
        const QString text =
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, feld.width());
        maler->save();
        maler->setPen(Qt::black);
        maler->drawText(feld, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        maler->restore();
    }
};

} // namespace

std::vector<std::pair<std::string, std::string>> ZerlegeEckdaten(const std::string& block)
{
    std::vector<std::pair<std::string, std::string>> eckdaten;
    for (int teil = 0;; teil += 2) {
        std::string name = StringHoleFeld(block, '_', teil);
        if (name.empty())
            break;
        eckdaten.emplace_back(std::move(name), StringHoleFeld(block, '_', teil + 1));
    }
    return eckdaten;
}

PROTOKOLLDETAILS BildeProtokollDetails(const CProtokoll* protokoll, const std::string& listenTitel,
                                       const std::string& praefix)
{
    const CProtokoll leer;
    const CProtokoll& quelle = protokoll != nullptr ? *protokoll : leer;
    PROTOKOLLDETAILS details;
    details.titel = " " + listenTitel;
    for (int zeile = 0; zeile < kDetailZeilen; ++zeile) {
        details.linkeWerte[zeile] = quelle.HoleFeld(1, zeile);
        details.rechteWerte[zeile] = quelle.HoleFeld(1, kErstesRechtesFeld + zeile);
    }
    details.rechteWerte[0] = praefix + "-" + quelle.HoleFeld(1, kProtokollnummerFeld);
    details.rechteWerte[1] = StringDatumJJJJMMTTZuTTMMJJJJ(quelle.HoleFeld(1, kPruefdatumFeld));
    details.notiz = quelle.HoleFeld(2, 0);
    // A comparison sheet keeps the curves it compares in that group, which are no key data.
    if (quelle.GetPruefart() != kVergleichsblatt)
        details.eckdaten = ZerlegeEckdaten(quelle.HoleSpeziellBlock(kEckdatenGruppe));
    return details;
}

CTabellenStatic::CTabellenStatic(QWidget* parent) : QWidget(parent)
{
    for (int zeile = 0; zeile < kDetailZeilen; ++zeile) {
        SetzeZelle(0, zeile, kLinkeTitel[zeile]);
        SetzeZelle(2, zeile, kRechteTitel[zeile]);
    }
}

void CTabellenStatic::SetzeZelle(int spalte, int zeile, const std::string& text)
{
    if (spalte < 0 || spalte >= Spalten || zeile < 0 || zeile >= kDetailZeilen)
        return;
    m_zellen[static_cast<size_t>(spalte * kDetailZeilen + zeile)] = text;
}

const std::string& CTabellenStatic::HoleZelle(int spalte, int zeile) const
{
    return m_zellen.at(static_cast<size_t>(spalte * kDetailZeilen + zeile));
}

std::array<int, 5> CTabellenStatic::XPositionen(int breite)
{
    return {0, 20 * breite / 100, 65 * breite / 100, 80 * breite / 100, breite};
}

void CTabellenStatic::paintEvent(QPaintEvent*)
{
    const std::array<int, 5> x = XPositionen(width());
    std::array<int, kDetailZeilen + 1> y{};
    for (int i = 0; i <= kDetailZeilen; ++i)
        y[i] = i * height() / kDetailZeilen;

    QPainter maler(this);
    maler.setFont(TabellenSchrift());
    for (int zeile = 0; zeile < kDetailZeilen; ++zeile) {
        const int oben = y[zeile];
        const int hoehe = y[zeile + 1] - oben;
        ZeichneZelle(maler, QRect(x[0], oben, x[2] - x[0], hoehe), x[1], HoleZelle(0, zeile),
                     HoleZelle(1, zeile));
        ZeichneZelle(maler, QRect(x[2], oben, x[4] - x[2], hoehe), x[3], HoleZelle(2, zeile),
                     HoleZelle(3, zeile));
    }
    ZeichneGitter(maler, x, y);
}

void CTabellenStatic::ZeichneZelle(QPainter& maler, const QRect& zelle, int teilung,
                                   const std::string& titel, const std::string& wert) const
{
    const QRect titelfeld(zelle.left(), zelle.top(), teilung - zelle.left(), zelle.height());
    const QRect wertfeld(teilung, zelle.top(), zelle.right() + 1 - teilung, zelle.height());
    maler.fillRect(zelle, kZellenBlau);
    maler.fillRect(titelfeld, kTitelGrau);
    constexpr int ausrichtung = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    maler.setPen(kTitelSchrift);
    maler.drawText(titelfeld, ausrichtung, AusCp1252(titel + " "));
    maler.setPen(Qt::white);
    maler.drawText(wertfeld, ausrichtung, AusCp1252(" " + wert));
}

void CTabellenStatic::ZeichneGitter(QPainter& maler, const std::array<int, 5>& x,
                                    const std::array<int, kDetailZeilen + 1>& y) const
{
    // Lines end one pixel before their end point, as pixel lines on the screen do.
    const auto linie = [&maler](const QColor& farbe, int x1, int y1, int x2, int y2) {
        maler.setPen(QPen(farbe, 0));
        maler.drawLine(x1, y1, x2 - (x2 > x1 ? 1 : 0), y2 - (y2 > y1 ? 1 : 0));
    };
    for (int zeile = 1; zeile < kDetailZeilen; ++zeile)
        linie(kInnenlinie, x[0], y[zeile], x[4], y[zeile]);
    const int unten = y[kDetailZeilen];
    linie(kSchattenlinie, x[0], y[0], x[4], y[0]);
    linie(kSchattenlinie, x[2], y[4], x[4], y[4]);
    linie(kSchattenlinie, x[0], y[0], x[0], unten);
    linie(kSchattenlinie, x[2], y[0], x[2], unten);
    linie(Qt::white, x[0], unten - 1, x[4], unten - 1);
    linie(Qt::white, x[4], y[0], x[4], unten);
}

CEckdatenListCtrl::CEckdatenListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setItemDelegate(new CEckdatenDelegate(this));
    SetzeHintergrund(m_hintergrund);
}

void CEckdatenListCtrl::SetzeHintergrund(COLORREF farbe)
{
    m_hintergrund = farbe;
    QPalette farben = palette();
    farben.setColor(QPalette::Base, AlsQColor(farbe));
    setPalette(farben);
}

void CEckdatenListCtrl::ZeigeEckdaten(
    const std::vector<std::pair<std::string, std::string>>& eckdaten)
{
    clear();
    for (const auto& [name, wert] : eckdaten)
        addTopLevelItem(new QTreeWidgetItem({AusCp1252(name), AusCp1252(wert)}));
}
