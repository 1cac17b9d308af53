// The test card: one A4 page with every text alignment, the rotated fonts, mark-up-like runs,
// Symbol Greek, the report pens and a bitmap, written as testkarte.pdf and testkarte.png into the
// working directory so that a person can look at it.

#include "dib_muster.h"
#include "platform/qtdc.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

CFont Schrift(const char* name, int hoehe, int gewicht = FW_NORMAL, int escapement = 0)
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, escapement, escapement, gewicht, 0, 0, 0, 0, 0, 16, 0, 48, name);
    return schrift;
}

void Kreuz(CDC& dc, int x, int y)
{
    dc.SelectObject(CPen(PS_SOLID, 0, RGB(255, 0, 0)));
    dc.MoveTo(x - 300, y);
    dc.LineTo(x + 300, y);
    dc.MoveTo(x, y - 300);
    dc.LineTo(x, y + 300);
}

void Ausrichtungen(CDC& dc)
{
    dc.SelectObject(Schrift("Tahoma", 300));
    const unsigned waagerecht[] = {TA_LEFT, TA_CENTER, TA_RIGHT};
    const unsigned senkrecht[] = {TA_TOP, TA_BASELINE, TA_BOTTOM};
    const char* namen[] = {"links", "Mitte", "rechts", "oben", "Grundlinie", "unten"};
    for (int s = 0; s < 3; ++s)
        for (int w = 0; w < 3; ++w) {
            const int x = 3500 + w * 6000;
            const int y = -3500 - s * 1000;
            Kreuz(dc, x, y);
            dc.SetTextAlign(waagerecht[w] | senkrecht[s]);
            dc.TextOut(x, y, std::string(namen[w]) + "/" + namen[3 + s] + " Xg");
        }
}

void GedrehteSchriften(CDC& dc)
{
    const int escapements[] = {2700, 2701, 900, 1};
    for (int i = 0; i < 4; ++i) {
        const int x = 2000 + i * 1500;
        const int y = -7500;
        Kreuz(dc, x, y);
        dc.SelectObject(Schrift("Tahoma", 300, FW_NORMAL, escapements[i]));
        dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
        dc.TextOut(x, y, "Esc " + std::to_string(escapements[i]));
    }
    dc.SelectObject(Schrift("Courier New", 330, FW_SEMIBOLD, 2701));
    dc.TextOut(8500, -7500, "Courier 2701");
    dc.SelectObject(Schrift("Times New Roman", 310, FW_NORMAL, 2701));
    dc.TextOut(9300, -7500, "Times 2701");
}

// Runs as the mark-up text draws them: bottom-aligned, each at the position the last one left.
void Auszeichnung(CDC& dc)
{
    const CFont normal = Schrift("Tahoma", 300);
    const CFont symbol = Schrift("Symbol", 335, FW_NORMAL, 1);
    dc.SetTextAlign(TA_BOTTOM | TA_LEFT | TA_UPDATECP);
    int x = 11000;
    const int y = -8000;
    struct Lauf
    {
        const CFont* schrift;
        int versatz;
        const char* text;
    };
    const Lauf laeufe[] = {
        {&symbol, 40, "r"},      {&normal, -60, "d"},           {&normal, 0, " = 1,85 g/cm³  E"},
        {&normal, -60, "v2"},    {&normal, 0, " = 45 MN/m²  "}, {&symbol, 40, "j"},
        {&normal, 0, " = 32,5°"}};
    for (const Lauf& lauf : laeufe) {
        dc.SelectObject(*lauf.schrift);
        dc.MoveTo(x, y + lauf.versatz);
        dc.TextOut(0, 0, lauf.text);
        x = dc.GetCurrentPosition().x;
    }
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.SelectObject(symbol);
    dc.TextOut(11000, -8600, "abgdezhqiklmnxoprstufcyw  ABGDQLPSFYW j");
}

void Schriften(CDC& dc)
{
    struct Muster
    {
        const char* name;
        int hoehe;
        int gewicht;
    };
    const Muster muster[] = {{"Tahoma", 300, 400},       {"Tahoma", 335, 700},
                             {"Tahoma", 525, 400},       {"Arial", 335, 400},
                             {"Courier New", 335, 600},  {"Times New Roman", 310, 400},
                             {"Gibt es nicht", 300, 400}};
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    int y = -10500;
    for (const Muster& m : muster) {
        dc.SelectObject(Schrift(m.name, m.hoehe, m.gewicht));
        dc.TextOut(2000, y,
                   std::string(m.name) + " " + std::to_string(m.hoehe) + "/" +
                       std::to_string(m.gewicht) + ": Baumaßnahme Prüfer ÄÖÜ äöü € – m²");
        y -= 600;
    }
}

void Stifte(CDC& dc)
{
    const CPen stifte[] = {
        CPen(PS_SOLID, 1, RGB(100, 100, 100)), CPen(PS_SOLID, 20, 0), CPen(PS_SOLID, 40, 0),
        CPen(PS_DOT, 20, RGB(220, 220, 220)),  CPen(PS_DOT, 1, 0),    CPen(PS_NULL, 0, 0),
        CPen(PS_SOLID, 0, RGB(0, 0, 255))};
    dc.SelectObject(Schrift("Tahoma", 260));
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    int y = -15200;
    for (const CPen& stift : stifte) {
        dc.SelectObject(stift);
        dc.MoveTo(2000, y);
        dc.LineTo(9000, y);
        dc.LineTo(9500, y - 300);
        dc.TextOut(10000, y,
                   "Stil " + std::to_string(stift.Stil()) + ", Breite " +
                       std::to_string(stift.Breite()));
        y -= 500;
    }
}

void Formen(CDC& dc)
{
    dc.SelectObject(CPen(PS_SOLID, 20, 0));
    dc.SelectObject(CBrush(RGB(200, 230, 255)));
    dc.Rectangle(2000, -19000, 4000, -20500);
    dc.Ellipse(4500, -19000, 6500, -20500);
    const POINT dreieck[] = {{7000, -20500}, {8000, -19000}, {9000, -20500}};
    dc.Polygon(dreieck, 3);
    dc.FillRect({9500, -19000, 11000, -20500}, CBrush(RGB(255, 200, 0)));
    dc.SelectObject(CBrush(RGB(255, 255, 255)));
}

void TextInRechtecken(CDC& dc)
{
    dc.SelectObject(Schrift("Tahoma", 260));
    dc.SelectObject(CPen(PS_SOLID, 0, RGB(0, 160, 0)));
    const RECT umbruch{2000, -21500, 5000, -24500};
    dc.SelectObject(CBrush(RGB(255, 255, 255)));
    dc.Rectangle(umbruch);
    dc.DrawText("Sand-Kies-Gemisch mit Frostschutzschicht, ein Überlangeswortohneblanke und Ende",
                umbruch, DT_WORDBREAK | DT_CENTER | DT_NOCLIP | DT_NOPREFIX);
    const RECT zeile{5500, -21500, 12500, -22500};
    dc.Rectangle(zeile);
    dc.DrawText("Baustelle: A & B (einzeilig, Mitte)", zeile,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOCLIP | DT_NOPREFIX);
    dc.DrawText("Seite 1 von 3", zeile, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOCLIP);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 120));
    dc.SetTextColor(RGB(160, 0, 0));
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.TextOut(5500, -23000, "undurchsichtiger Hintergrund, rote Schrift");
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(0);
}

void Bitmap(CDC& dc)
{
    const DibMuster muster = ErzeugeDibMuster(64, 32);
    dc.SelectObject(Schrift("Tahoma", 260));
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc.TextOut(13500, -25000, "oben rot, links schwarz:");
    dc.StretchDIBits(13500, -25000, 4000, -2000, 0, 0, muster.breite, muster.hoehe, muster.Sicht());
}

void ZeichneTestkarte(CDC& dc)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(Schrift("Tahoma", 525, FW_BOLD));
    dc.TextOut(2000, -1500, "Testkarte der Zeichenschicht");
    Ausrichtungen(dc);
    GedrehteSchriften(dc);
    Auszeichnung(dc);
    Schriften(dc);
    Stifte(dc);
    Formen(dc);
    TextInRechtecken(dc);
    Bitmap(dc);
}

} // namespace

TEST(Testkarte, RendersOnePageToPdfAndPng)
{
    {
        QPdfWriter pdf(QStringLiteral("testkarte.pdf"));
        pdf.setResolution(300);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        QtDC dc(painter);
        ZeichneTestkarte(dc);
    }
    QImage bild(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    bild.setDotsPerMeterX(5906);
    bild.setDotsPerMeterY(5906);
    bild.fill(Qt::white);
    {
        QPainter painter(&bild);
        QtDC dc(painter);
        ZeichneTestkarte(dc);
    }
    ASSERT_TRUE(bild.save(QStringLiteral("testkarte.png")));
    EXPECT_GT(QFileInfo(QStringLiteral("testkarte.pdf")).size(), 1000);
}
