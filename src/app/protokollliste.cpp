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

constexpr auto kSpaltenkoepfe = [] {
    auto koepfe = MitKopfspalten<CProtokollListCtrl::AnzahlSpalten>("", "Prüfart");
    koepfe[19] = "interne Notiz";
    return koepfe;
}();

constexpr const char* kVorgabeBreiten =
    "25;116;163;113;73;80;101;61;90;82;0;82;64;66;81;0;0;0;0;100";
constexpr int kErsteKopffeldSpalte = 3;
constexpr int kAnzahlKopffelder = 16;

// The width a column is created with, before the layout applies.
int Anlegebreite(int spalte)
{
    return spalte == 2 ? 220 : 200;
}

void SetzeZelle(LISTENZEILE& zeile, int spalte, std::string text, std::string sortierText)
{
    zeile.texte[spalte] = std::move(text);
    zeile.info.sortierTexte[spalte] = std::move(sortierText);
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
    CPruefartKatalog auswahl = katalog;
    std::vector<LISTENZEILE> zeilen;
    zeilen.reserve(static_cast<size_t>(protokolle.GetAnzahl()));
    for (int i = 0; i < protokolle.GetAnzahl(); ++i)
        zeilen.push_back(BaueZeile(*protokolle.GetProtokoll(i), protokolle, auswahl));
    HoleModell().SetzeZeilen(std::move(zeilen));
}

LISTENZEILE CProtokollListCtrl::BaueZeile(const CProtokoll& protokoll,
                                          const CProtokolle& protokolle, CPruefartKatalog& katalog)
{
    LISTENZEILE zeile;
    zeile.info.schluessel = protokoll.GetID();
    zeile.texte.resize(AnzahlSpalten);

    if (katalog.Waehle(protokoll.GetPruefartID(), protokoll.GetPruefartVER()))
        SetzeZelle(zeile, 1, protokoll.GetPruefunterartKuerzel() + "  " + katalog.HoleName(),
                   GrossSchreiben(katalog.HoleName()));
    const std::string& titel = protokolle.BildeTitelPfad(protokoll.GetTitelID());
    SetzeZelle(zeile, 2, titel, GrossSchreiben(titel));

    for (int feld = 0; feld < kAnzahlKopffelder; ++feld) {
        const std::string wert = protokoll.HoleFeld(1, feld);
        std::string sortierText = GrossSchreiben(wert);
        std::string text = wert;
        if (feld == 2)
            sortierText = BildeZahlSchluessel(sortierText);
        else if (feld == 8)
            text = HolePraefix() + "-" + wert;
        else if (feld == 9)
            text = StringDatumJJJJMMTTZuTTMMJJJJ(wert);
        SetzeZelle(zeile, kErsteKopffeldSpalte + feld, std::move(text), std::move(sortierText));
    }
    const std::string notiz = protokoll.HoleFeld(2, 0);
    SetzeZelle(zeile, 19, notiz, GrossSchreiben(notiz));
    return zeile;
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
