#include "app/protokollliste.h"

#include "app/kopfspalten.h"
#include "app/versucheapp.h"
#include "app/versucheview.h"
#include "data/protokolle.h"
#include "data/pruefartkatalog.h"
#include "data/textfunktionen.h"
#include "data/versuchdata.h"
#include "platform/text.h"

#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr LISTENAUSSEHEN kProtokollAussehen{
    .ungeradeZeile = 0xEFEFEF,
    .geradeZeile = 0xFFFFFF,
    .trennlinie = 0xBFBFBF,
    .rechterTextabstand = 0,
    .mehrereMessungenMarke = false,
    .trennlinienUnterZeilen = true,
    .markenHoehe = -1,
};

constexpr int kErsteKopffeldSpalte = 3;
constexpr int kAnzahlKopffelder = 16;
constexpr int kNotizSpalte = 19;

constexpr auto kSpaltenkoepfe = [] {
    auto koepfe = MitKopfspalten<CProtokollListCtrl::AnzahlSpalten>("", "Prüfart");
    koepfe[kNotizSpalte] = "interne Notiz";
    return koepfe;
}();

constexpr const char* kVorgabeBreiten =
    "25;116;163;113;73;80;101;61;90;82;0;82;64;66;81;0;0;0;0;100";

// The width a column is created with, before the layout applies.
int Anlegebreite(int spalte)
{
    return spalte == 2 ? 220 : 200;
}

} // namespace

CProtokollListCtrl::CProtokollListCtrl(QWidget* parent) : CAppListCtrl(kProtokollAussehen, parent)
{
    m_modus = 1;
}

void CProtokollListCtrl::InitSpalten(int modus, const std::string& praefix)
{
    SetzeModus(modus, praefix);
    if (HoleModell().columnCount() > 1)
        return;
    std::vector<LISTENSPALTE> spalten;
    for (const char* kopf : kSpaltenkoepfe)
        spalten.push_back({kopf, Qt::AlignLeft});
    HoleModell().SetzeSpalten(std::move(spalten));
    for (int spalte = 0; spalte < AnzahlSpalten; ++spalte)
        header()->resizeSection(spalte, Anlegebreite(spalte));
    SetzeSpaltenlayout("spaltenbreiten", StringFormat("protokolluebersicht_%d", modus),
                       kVorgabeBreiten);
}

void CProtokollListCtrl::FuelleListe(const CProtokolle& protokolle, const CPruefartKatalog& katalog)
{
    BeginneFuellung(protokolle);
    CPruefartKatalog auswahl = katalog;
    std::vector<LISTENZEILE> zeilen(static_cast<size_t>(protokolle.GetAnzahl()));
    for (int i = 0; i < protokolle.GetAnzahl(); ++i) {
        const CProtokoll& protokoll = *protokolle.GetProtokoll(i);
        PROTOKOLLZELLEN& zellen = m_protokollzellen[static_cast<size_t>(i)];
        // A type the catalogue does not hold leaves the column empty.
        if (const std::string* name = HolePruefartName(auswahl, protokoll)) {
            zellen.pruefart = protokoll.GetPruefunterartKuerzel() + "  " + *name;
            zellen.pruefartSortierText = GrossSchreiben(*name);
        }
        zellen.titel = protokolle.BildeTitelPfad(protokoll.GetTitelID());
        zellen.titelSortierText = GrossSchreiben(zellen.titel);
        zeilen[static_cast<size_t>(i)].info.schluessel = protokoll.GetID();
        zeilen[static_cast<size_t>(i)].protokoll = i;
    }
    HoleModell().SetzeZeilen(std::move(zeilen));
}

void CProtokollListCtrl::HoleZelle(const LISTENZEILE& zeile, int spalte, std::string& text,
                                   std::string& sortierText) const
{
    if (spalte == 1 || spalte == 2) {
        HoleProtokollzelle(zeile, spalte, text, sortierText);
        return;
    }
    const CProtokoll* protokoll = HoleProtokoll(zeile);
    if (protokoll == nullptr)
        return;
    const int feld = spalte - kErsteKopffeldSpalte;
    if (feld >= 0 && feld < kAnzahlKopffelder) {
        text = protokoll->HoleFeld(1, feld);
        sortierText = GrossSchreiben(text);
        if (feld == 2)
            sortierText = BildeZahlSchluessel(sortierText);
        else if (feld == 8)
            text = HolePraefix() + "-" + text;
        else if (feld == 9)
            text = StringDatumJJJJMMTTZuTTMMJJJJ(text);
    } else if (spalte == kNotizSpalte) {
        text = protokoll->HoleFeld(2, 0);
        sortierText = GrossSchreiben(text);
    }
}

CPage1::CPage1(QWidget* parent) : QWidget(parent), m_liste(new CProtokollListCtrl(this))
{
    m_liste->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_liste, &QWidget::customContextMenuRequested, this, &CPage1::OnRClickListe);
    m_liste->viewport()->installEventFilter(this);
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this, [] {
        if (CVersucheApp* app = HoleVersucheApp(); app != nullptr && app->m_pMainView != nullptr)
            app->m_pMainView->ZeigeProtokollDetails();
    });
}

std::unique_ptr<QMenu> CPage1::BaueKontextmenue(const QPoint& punkt) const
{
    if (!m_liste->indexAt(punkt).isValid())
        return nullptr;
    auto menue = std::make_unique<QMenu>(u"Contextmenü1"_s);
    // The commands have no handler, so they show disabled.
    for (const QString& befehl : {u"Löschen"_s, u"Zuordnung ändern"_s, u"Protokollnummer ändern"_s,
                                  u"Prüfdatum des Protokolls ändern"_s})
        menue->addAction(befehl)->setEnabled(false);
    return menue;
}

void CPage1::OnRClickListe(const QPoint& punkt)
{
    if (std::unique_ptr<QMenu> menue = BaueKontextmenue(punkt))
        menue->exec(QCursor::pos());
}

void CPage1::OnSpaltenZuruecksetzen()
{
    m_liste->SetzeSpaltenlayoutZurueck();
}

void CPage1::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    m_liste->setGeometry(rect());
}

bool CPage1::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // A double click anywhere in the list previews the selected reports.
    if (objekt == m_liste->viewport() && ereignis->type() == QEvent::MouseButtonDblClick) {
        if (CVersucheApp* app = HoleVersucheApp(); app != nullptr && app->m_pMainView != nullptr)
            QMetaObject::invokeMethod(app->m_pMainView, &CVersucheView::OnFilePrintPreview,
                                      Qt::QueuedConnection);
    }
    return QWidget::eventFilter(objekt, ereignis);
}
