#pragma once
// The "Protokolle" tab: one row per protocol of the loaded project with its test type, title
// path and header fields.

#include "app/applistctrl.h"

#include <QWidget>
#include <memory>
#include <string>

class CProtokolle;
class CPruefartKatalog;
class QMenu;

class CProtokollListCtrl : public CAppListCtrl
{
    Q_OBJECT
public:
    static constexpr int AnzahlSpalten = 20;

    explicit CProtokollListCtrl(QWidget* parent = nullptr);

    // Sets mode and prefix; the columns and their stored layout come with the first call only.
    void InitSpalten(int modus, const std::string& praefix);
    // One row per protocol in collection order. Titles are looked up afresh for every fill, so
    // none of an earlier project remains.
    void FuelleListe(const CProtokolle& protokolle, const CPruefartKatalog& katalog);

private:
    void HoleZelle(const LISTENZEILE& zeile, int spalte, std::string& text,
                   std::string& sortierText) const override;
    bool IstProtokollspalte(int) const override { return true; }
};

// The page of the "Protokolle" tab: the protocol list over the whole page.
class CPage1 : public QWidget
{
    Q_OBJECT
public:
    explicit CPage1(QWidget* parent = nullptr);

    CProtokollListCtrl& HoleListe() const { return *m_liste; }

    // The context menu of the row under `punkt` (list viewport coordinates); null below the rows.
    std::unique_ptr<QMenu> BaueKontextmenue(const QPoint& punkt) const;
    void OnSpaltenZuruecksetzen();

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void OnRClickListe(const QPoint& punkt);

    CProtokollListCtrl* m_liste;
};
