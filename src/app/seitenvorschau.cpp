#include "app/seitenvorschau.h"

#include <QAction>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Pixels around the sheets and between them.
constexpr int kRand = 12;
// Pages drawn ahead of the view while the program is idle, and kept behind it.
constexpr int kVoraus = 2;
constexpr int kZurueck = 1;
constexpr double kKleinsterMassstab = 0.2; // pixels per millimetre
constexpr double kGroessterMassstab = 10.0;
constexpr double kZoomSchritt = 1.25;

} // namespace

CSeitenansicht::CSeitenansicht(int seitenzahl, const QPageLayout& layout, Seitenzeichner zeichner,
                               QWidget* parent)
    : QAbstractScrollArea(parent), m_seitenzahl(std::max(0, seitenzahl)), m_layout(layout),
      m_zeichner(std::move(zeichner))
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

QSize CSeitenansicht::Blattgroesse() const
{
    const QSizeF mm = m_layout.fullRect(QPageLayout::Millimeter).size();
    return QSize(std::max(1, int(std::lround(mm.width() * m_massstab))),
                 std::max(1, int(std::lround(mm.height() * m_massstab))));
}

int CSeitenansicht::Schritt() const
{
    return Blattgroesse().height() + kRand;
}

int CSeitenansicht::Gesamtbreite() const
{
    return Blattgroesse().width() + 2 * kRand;
}

void CSeitenansicht::AktualisiereBalken()
{
    const QSize sicht = viewport()->size();
    // Room below the last sheet, so that every page can be scrolled to the top of the view.
    const long long hoehe = (long long)std::max(0, m_seitenzahl - 1) * Schritt() +
                            std::max(Schritt() + kRand, sicht.height());
    const int maxY = int(std::min<long long>(INT_MAX, std::max(0LL, hoehe - sicht.height())));
    verticalScrollBar()->setRange(0, m_seitenzahl > 0 ? maxY : 0);
    verticalScrollBar()->setPageStep(sicht.height());
    horizontalScrollBar()->setRange(0, std::max(0, Gesamtbreite() - sicht.width()));
    horizontalScrollBar()->setPageStep(sicht.width());
}

int CSeitenansicht::AktuelleSeite() const
{
    if (m_seitenzahl == 0)
        return 0;
    return std::clamp(verticalScrollBar()->value() / Schritt() + 1, 1, m_seitenzahl);
}

void CSeitenansicht::GeheZuSeite(int seite)
{
    if (m_seitenzahl == 0)
        return;
    const long long y = (long long)(std::clamp(seite, 1, m_seitenzahl) - 1) * Schritt();
    verticalScrollBar()->setValue(int(std::min<long long>(y, INT_MAX)));
}

void CSeitenansicht::SetzeMassstab(double massstab)
{
    m_anpassung = Anpassung::Keine;
    const int seite = AktuelleSeite();
    m_massstab = std::clamp(massstab, kKleinsterMassstab, kGroessterMassstab);
    m_bilder.clear();
    AktualisiereBalken();
    GeheZuSeite(seite);
    viewport()->update();
}

void CSeitenansicht::PasseBreiteAn()
{
    const double breiteMm = m_layout.fullRect(QPageLayout::Millimeter).width();
    SetzeMassstab((viewport()->width() - 2 * kRand) / breiteMm);
    m_anpassung = Anpassung::Breite;
}

void CSeitenansicht::PasseSeiteAn()
{
    const QSizeF mm = m_layout.fullRect(QPageLayout::Millimeter).size();
    SetzeMassstab(std::min((viewport()->width() - 2 * kRand) / mm.width(),
                           (viewport()->height() - 2 * kRand) / mm.height()));
    m_anpassung = Anpassung::Seite;
}

std::pair<int, int> CSeitenansicht::SichtbareSeiten() const
{
    if (m_seitenzahl == 0)
        return {0, -1};
    const int oben = verticalScrollBar()->value();
    const int unten = oben + viewport()->height();
    // Sheet n covers kRand + (n - 1) * Schritt up to n * Schritt.
    const int erste = std::clamp(oben / Schritt() + 1, 1, m_seitenzahl);
    const int letzte = std::clamp((unten - kRand - 1) / Schritt() + 1, 1, m_seitenzahl);
    return {erste, letzte};
}

std::vector<int> CSeitenansicht::GezeichneteSeiten() const
{
    std::vector<int> seiten;
    for (const auto& [seite, bild] : m_bilder)
        seiten.push_back(seite);
    return seiten;
}

QImage CSeitenansicht::ZeichneSeitenbild(int seite) const
{
    QImage bild(Blattgroesse(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
    maler.translate(m_layout.paintRect(QPageLayout::Millimeter).topLeft() * m_massstab);
    m_zeichner(seite, maler, m_massstab * 25.4);
    return bild;
}

const QImage& CSeitenansicht::Seitenbild(int seite)
{
    auto bild = m_bilder.find(seite);
    if (bild == m_bilder.end())
        bild = m_bilder.emplace(seite, ZeichneSeitenbild(seite)).first;
    return bild->second;
}

void CSeitenansicht::VergissEntfernteBilder(int erste, int letzte)
{
    std::erase_if(m_bilder, [&](const auto& eintrag) {
        return eintrag.first < erste - kZurueck || eintrag.first > letzte + kVoraus;
    });
}

void CSeitenansicht::ZeichneVorausImLeerlauf()
{
    if (m_vorausGeplant)
        return;
    m_vorausGeplant = true;
    // One page per turn of the event loop, so that scrolling and clicks are never held up.
    QTimer::singleShot(0, this, [this] {
        m_vorausGeplant = false;
        const int letzte = SichtbareSeiten().second;
        for (int seite = letzte + 1; seite <= std::min(letzte + kVoraus, m_seitenzahl); ++seite) {
            if (!m_bilder.contains(seite)) {
                Seitenbild(seite);
                ZeichneVorausImLeerlauf();
                return;
            }
        }
    });
}

void CSeitenansicht::paintEvent(QPaintEvent*)
{
    const auto [erste, letzte] = SichtbareSeiten();
    VergissEntfernteBilder(erste, letzte);
    QPainter maler(viewport());
    const QSize blatt = Blattgroesse();
    const int x = Gesamtbreite() <= viewport()->width() ? (viewport()->width() - blatt.width()) / 2
                                                        : kRand - horizontalScrollBar()->value();
    for (int seite = erste; seite <= letzte; ++seite) {
        const long long y =
            kRand + (long long)(seite - 1) * Schritt() - verticalScrollBar()->value();
        const QRect rahmen(QPoint(x, int(y)), blatt);
        maler.fillRect(rahmen.translated(3, 3), palette().shadow());
        maler.drawImage(rahmen.topLeft(), Seitenbild(seite));
    }
    if (letzte >= erste)
        ZeichneVorausImLeerlauf();
}

void CSeitenansicht::resizeEvent(QResizeEvent* ereignis)
{
    QAbstractScrollArea::resizeEvent(ereignis);
    if (m_anpassung == Anpassung::Breite)
        PasseBreiteAn();
    else if (m_anpassung == Anpassung::Seite)
        PasseSeiteAn();
    else
        AktualisiereBalken();
}

void CSeitenansicht::scrollContentsBy(int, int)
{
    viewport()->update();
    const int seite = AktuelleSeite();
    if (seite != m_gemeldeteSeite) {
        m_gemeldeteSeite = seite;
        emit SeiteGewechselt(seite);
    }
}

CSeitenvorschau::CSeitenvorschau(int seitenzahl, const QPageLayout& layout, Seitenzeichner zeichner,
                                 std::function<void(QWidget* eltern)> drucken, QWidget* parent)
    : QDialog(parent), m_ansicht(new CSeitenansicht(seitenzahl, layout, std::move(zeichner), this)),
      m_seitenfeld(new QSpinBox(this))
{
    setWindowTitle(u"Seitenansicht"_s);
    auto* leiste = new QToolBar(this);
    m_druckaktion = leiste->addAction(u"Drucken..."_s, this, [this, drucken] { drucken(this); });
    leiste->addSeparator();

    const auto blaettern = [this, leiste](const QString& text, auto ziel) {
        return leiste->addAction(text, this, [this, ziel] { m_ansicht->GeheZuSeite(ziel()); });
    };
    m_erste = blaettern(u"Erste Seite"_s, [] { return 1; });
    m_vorige = blaettern(u"Vorige Seite"_s, [this] { return m_ansicht->AktuelleSeite() - 1; });
    m_seitenfeld->setRange(std::min(1, seitenzahl), std::max(0, seitenzahl));
    m_seitenfeld->setPrefix(u"Seite "_s);
    m_seitenfeld->setSuffix(u" von %1"_s.arg(std::max(0, seitenzahl)));
    m_seitenfeld->setKeyboardTracking(false);
    leiste->addWidget(m_seitenfeld);
    m_naechste = blaettern(u"Nächste Seite"_s, [this] { return m_ansicht->AktuelleSeite() + 1; });
    m_letzte = blaettern(u"Letzte Seite"_s, [seitenzahl] { return seitenzahl; });
    leiste->addSeparator();
    leiste->addAction(u"Verkleinern"_s, this,
                      [this] { m_ansicht->SetzeMassstab(m_ansicht->Massstab() / kZoomSchritt); });
    leiste->addAction(u"Vergrößern"_s, this,
                      [this] { m_ansicht->SetzeMassstab(m_ansicht->Massstab() * kZoomSchritt); });
    leiste->addAction(u"Seitenbreite"_s, this, [this] { m_ansicht->PasseBreiteAn(); });
    leiste->addAction(u"Ganze Seite"_s, this, [this] { m_ansicht->PasseSeiteAn(); });
    leiste->addSeparator();
    leiste->addAction(u"Schließen"_s, this, &QDialog::reject);

    // A job without pages shows an empty preview with nothing to page through or print.
    for (QAction* aktion : leiste->actions())
        aktion->setEnabled(seitenzahl > 0 || aktion == leiste->actions().constLast());
    m_seitenfeld->setEnabled(seitenzahl > 0);
    AktualisiereBlaettern(m_ansicht->AktuelleSeite());

    connect(m_seitenfeld, &QSpinBox::valueChanged, m_ansicht, &CSeitenansicht::GeheZuSeite);
    connect(m_ansicht, &CSeitenansicht::SeiteGewechselt, this, [this](int seite) {
        const QSignalBlocker still(m_seitenfeld);
        m_seitenfeld->setValue(seite);
        AktualisiereBlaettern(seite);
    });

    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->setSpacing(0);
    anordnung->addWidget(leiste);
    anordnung->addWidget(m_ansicht);
}

void CSeitenvorschau::AktualisiereBlaettern(int seite)
{
    for (QAction* zurueck : {m_erste, m_vorige})
        zurueck->setEnabled(seite > 1);
    for (QAction* weiter : {m_naechste, m_letzte})
        weiter->setEnabled(seite < m_ansicht->Seitenzahl());
}

void CSeitenvorschau::PasseGroesseAn(const QSize& fenster)
{
    resize(fenster.expandedTo(QSize(sizeHint().width(), 0)));
}
