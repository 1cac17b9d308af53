#pragma once
// The print preview: the job's sheets one below the other, each drawn only when it comes into
// view, so that a preview of thousands of pages opens at once and holds only what it shows.

#include <QAbstractScrollArea>
#include <QDialog>
#include <QImage>
#include <QPageLayout>
#include <functional>
#include <map>

class QSpinBox;

// Draws page n (from 1) on a painter whose origin is the corner of the printable area, at that
// many device pixels per inch: the same routine the printer's pages come from.
using Seitenzeichner = std::function<void(int seite, QPainter& maler, double dpi)>;

class CSeitenansicht : public QAbstractScrollArea
{
    Q_OBJECT
public:
    // The sheets all have the layout's size and orientation.
    CSeitenansicht(int seitenzahl, const QPageLayout& layout, Seitenzeichner zeichner,
                   QWidget* parent = nullptr);

    int Seitenzahl() const { return m_seitenzahl; }
    const QPageLayout& Layout() const { return m_layout; }
    // The page at the top of the view, from 1; 0 without pages.
    int AktuelleSeite() const;
    void GeheZuSeite(int seite);

    // Pixels per millimetre of the sheet.
    double Massstab() const { return m_massstab; }
    void SetzeMassstab(double massstab);
    void PasseBreiteAn();
    void PasseSeiteAn();

    // The pages whose pictures are kept: those in view, the next few and the one before.
    std::vector<int> GezeichneteSeiten() const;

signals:
    void SeiteGewechselt(int seite);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Anpassung
    {
        Keine,
        Breite,
        Seite
    };
    QSize Blattgroesse() const;
    int Schritt() const; // sheet height plus the gap below it
    int Gesamtbreite() const;
    void AktualisiereBalken();
    // Pages from `erste` to `letzte` are (partly) in view; 0, -1 without pages.
    std::pair<int, int> SichtbareSeiten() const;
    const QImage& Seitenbild(int seite);
    QImage ZeichneSeitenbild(int seite) const;
    void VergissEntfernteBilder(int erste, int letzte);
    void ZeichneVorausImLeerlauf();

    const int m_seitenzahl;
    const QPageLayout m_layout;
    const Seitenzeichner m_zeichner;
    double m_massstab = 1.0;
    Anpassung m_anpassung = Anpassung::Breite;
    int m_gemeldeteSeite = -1;
    std::map<int, QImage> m_bilder;
    bool m_vorausGeplant = false;
};

// The preview window: the sheets with page navigation, zoom and a print button.
class CSeitenvorschau : public QDialog
{
    Q_OBJECT
public:
    // `drucken` prints the job through the print dialog, shown over the preview.
    CSeitenvorschau(int seitenzahl, const QPageLayout& layout, Seitenzeichner zeichner,
                    std::function<void(QWidget* eltern)> drucken, QWidget* parent = nullptr);

    CSeitenansicht& Ansicht() const { return *m_ansicht; }
    QAction* Druckaktion() const { return m_druckaktion; }
    // As large as the window the preview takes the place of, but wide enough for the whole
    // toolbar, whose last buttons would otherwise hide behind its extension button.
    void PasseGroesseAn(const QSize& fenster);

private:
    // No page before the first one, none after the last.
    void AktualisiereBlaettern(int seite);

    CSeitenansicht* m_ansicht;
    QSpinBox* m_seitenfeld;
    QAction* m_druckaktion;
    QAction* m_erste;
    QAction* m_vorige;
    QAction* m_naechste;
    QAction* m_letzte;
};
