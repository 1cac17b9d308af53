// The print preview: sheets drawn only as they come into view, paging, a job without pages, and
// the window as the viewer opens it.
#include "app/seitenvorschau.h"
#include "viewer_fixtur.h"

#include <QAction>
#include <QPageSize>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;

namespace {

QPageLayout Quer()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

// Paints the view as the screen would and returns the sheets drawn since the last call.
std::set<int> Zeige(CSeitenansicht& ansicht, std::vector<int>& gezeichnet)
{
    gezeichnet.clear();
    ansicht.viewport()->grab();
    return {gezeichnet.begin(), gezeichnet.end()};
}

} // namespace

TEST(Seitenvorschau, OnlyTheSheetsInViewAreDrawnAndKeptWhateverTheJobsSize)
{
    std::vector<int> gezeichnet;
    std::vector<double> aufloesungen;
    CSeitenvorschau vorschau(
        5000, Quer(),
        [&](int seite, QPainter& maler, double dpi) {
            gezeichnet.push_back(seite);
            aufloesungen.push_back(dpi);
            // The origin is the corner of the printable area, 5 mm into the sheet.
            EXPECT_EQ(maler.transform().dx(), 5 * dpi / 25.4);
        },
        [](QWidget*) {});
    vorschau.resize(1000, 1200);
    vorschau.show();
    CSeitenansicht& ansicht = vorschau.Ansicht();
    ASSERT_EQ(ansicht.Seitenzahl(), 5000);

    // Fitted to the width: one landscape sheet and most of the next.
    EXPECT_EQ(Zeige(ansicht, gezeichnet), (std::set<int>{1, 2}));
    EXPECT_NEAR(aufloesungen.front(), (ansicht.viewport()->width() - 24) / 297.0 * 25.4, 0.01);
    EXPECT_EQ(ansicht.AktuelleSeite(), 1);

    ansicht.GeheZuSeite(2000);
    EXPECT_EQ(ansicht.AktuelleSeite(), 2000);
    EXPECT_EQ(Zeige(ansicht, gezeichnet), (std::set<int>{2000, 2001}));
    // Only the pages around the view stay in memory.
    for (int seite : ansicht.GezeichneteSeiten())
        EXPECT_TRUE(seite >= 1999 && seite <= 2003) << seite;

    // A page already drawn is not drawn again while it stays near the view.
    EXPECT_TRUE(Zeige(ansicht, gezeichnet).empty());

    ansicht.GeheZuSeite(5000);
    EXPECT_EQ(ansicht.AktuelleSeite(), 5000) << "the last page can come to the top";
    EXPECT_EQ(Zeige(ansicht, gezeichnet), (std::set<int>{5000}));
    EXPECT_EQ(ansicht.verticalScrollBar()->value(), ansicht.verticalScrollBar()->maximum());

    // Zooming keeps the page and draws it anew at the new size.
    ansicht.SetzeMassstab(ansicht.Massstab() * 2);
    EXPECT_EQ(ansicht.AktuelleSeite(), 5000);
    EXPECT_EQ(Zeige(ansicht, gezeichnet), (std::set<int>{5000}));
}

TEST(Seitenvorschau, AJobWithoutPagesShowsAnEmptyPreviewThatCannotPrint)
{
    bool gezeichnet = false;
    bool gedruckt = false;
    CSeitenvorschau vorschau(
        0, Quer(), [&](int, QPainter&, double) { gezeichnet = true; },
        [&](QWidget*) { gedruckt = true; });
    vorschau.resize(800, 600);
    vorschau.show();
    vorschau.Ansicht().viewport()->grab();
    EXPECT_FALSE(gezeichnet);
    EXPECT_EQ(vorschau.Ansicht().AktuelleSeite(), 0);
    EXPECT_TRUE(vorschau.Ansicht().GezeichneteSeiten().empty());
    EXPECT_FALSE(vorschau.Druckaktion()->isEnabled());
    vorschau.Druckaktion()->trigger();
    EXPECT_FALSE(gedruckt);
}

namespace {

QAction* Aktion(const CSeitenvorschau& vorschau, const QString& text)
{
    for (QAction* aktion : vorschau.findChild<QToolBar*>()->actions())
        if (aktion->text() == text)
            return aktion;
    return nullptr;
}

// Whether "Erste Seite", "Vorige Seite", "Nächste Seite" and "Letzte Seite" are offered.
std::array<bool, 4> Blaettern(const CSeitenvorschau& vorschau)
{
    std::array<bool, 4> angeboten{};
    const char16_t* aktionen[] = {u"Erste Seite", u"Vorige Seite", u"Nächste Seite",
                                  u"Letzte Seite"};
    for (size_t i = 0; i < angeboten.size(); ++i)
        angeboten[i] = Aktion(vorschau, QString::fromUtf16(aktionen[i]))->isEnabled();
    return angeboten;
}

} // namespace

TEST(Seitenvorschau, NoPagingBeforeTheFirstPageNorAfterTheLast)
{
    using Angebot = std::array<bool, 4>;
    const CSeitenvorschau eineSeite(
        1, Quer(), [](int, QPainter&, double) {}, [](QWidget*) {});
    EXPECT_EQ(Blaettern(eineSeite), (Angebot{false, false, false, false}));

    CSeitenvorschau vorschau(
        3, Quer(), [](int, QPainter&, double) {}, [](QWidget*) {});
    vorschau.resize(1000, 1200);
    vorschau.show();
    EXPECT_EQ(Blaettern(vorschau), (Angebot{false, false, true, true}));
    // Each step: the action, the page it leads to, which paging actions are offered there.
    const struct
    {
        const char16_t* aktion;
        int seite;
        Angebot blaettern;
    } schritte[] = {{u"Nächste Seite", 2, {true, true, true, true}},
                    {u"Nächste Seite", 3, {true, true, false, false}},
                    {u"Vorige Seite", 2, {true, true, true, true}},
                    {u"Erste Seite", 1, {false, false, true, true}},
                    {u"Letzte Seite", 3, {true, true, false, false}}};
    for (const auto& schritt : schritte) {
        Aktion(vorschau, QString::fromUtf16(schritt.aktion))->trigger();
        EXPECT_EQ(vorschau.Ansicht().AktuelleSeite(), schritt.seite);
        EXPECT_EQ(Blaettern(vorschau), schritt.blaettern) << schritt.seite;
    }
}

using VorschauImViewer = ViewerUmgebung;

TEST_F(VorschauImViewer, OpensWithItsWholeToolbarInViewOverTheMainWindowAtItsFirstSize)
{
    Starte(SchreibeProjekt("vorschau.axo", {{.id = "A", .titelId = "1"}}));
    Waehle(Protokolle(), {0});
    QStringList verdeckt;
    bool gezeigt = false;
    QObject kontext;
    QTimer::singleShot(0, &kontext, [&] {
        auto* vorschau = OffenesFenster<CSeitenvorschau>();
        if (vorschau == nullptr)
            return;
        gezeigt = true;
        const QToolBar* leiste = vorschau->findChild<QToolBar*>();
        for (QAction* aktion : leiste->actions()) {
            const QWidget* knopf = leiste->widgetForAction(aktion);
            if (!aktion->isSeparator() && (knopf == nullptr || !knopf->isVisible()))
                verdeckt << aktion->text();
        }
        vorschau->reject();
    });
    m_ansicht->OnFilePrintPreview();
    EXPECT_TRUE(gezeigt);
    EXPECT_TRUE(verdeckt.isEmpty()) << verdeckt.join(u", ").toStdString();
}
