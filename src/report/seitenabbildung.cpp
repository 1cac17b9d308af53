#include "report/seitenabbildung.h"

#include "data/textfunktionen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Gap before a raised or lowered run on the grid, so that it does not touch the character before.
constexpr int kVersatzHochTief = 25;

struct Platzierung
{
    int code;
    unsigned ausrichtung;
    int dx;
    int dy;
};

// Left and right texts keep 1 mm from the point; top texts sit 0.5 mm below it, bottom texts
// 0.5 mm above.
constexpr std::array<Platzierung, 6> kPlatzierungen{{
    {1, TA_TOP | TA_LEFT, 100, -50},
    {3, TA_BOTTOM | TA_LEFT, 100, 50},
    {4, TA_TOP | TA_CENTER, 0, -50},
    {6, TA_BOTTOM | TA_CENTER, 0, 50},
    {7, TA_TOP | TA_RIGHT, -100, -50},
    {9, TA_BOTTOM | TA_RIGHT, -100, 50},
}};

Platzierung PlatzierungFuer(int code)
{
    for (const Platzierung& p : kPlatzierungen)
        if (p.code == code)
            return p;
    return {code, TA_TOP | TA_LEFT, 0, 0};
}

// The grid output walks two-character escapes instead of tags.
std::string TagsAlsEscapes(const std::string& text)
{
    std::string ergebnis = text;
    for (auto [tag, escape] :
         {std::pair{"<t>", "_t"}, {"<h>", "_h"}, {"<n>", "_n"}, {"<fn>", "_N"}, {"<fs>", "_S"}})
        StringSucheErsetze(ergebnis, tag, escape, true);
    return ergebnis;
}

int Breite(const CDC& dc, std::string_view text)
{
    return dc.GetTextExtent(text).cx;
}

// A font that is not given keeps the one already selected.
void Waehle(CDC& dc, const CFont* schrift)
{
    if (schrift)
        dc.SelectObject(*schrift);
}

} // namespace

bool CSeitenAbbildung::Init(int offsetX, int offsetY, int ausdehnungX, int ausdehnungY, int spalten,
                            int zeilen)
{
    m_offsetX = offsetX;
    m_offsetY = offsetY;
    m_ausdehnungX = ausdehnungX;
    m_ausdehnungY = ausdehnungY;
    m_spalten = spalten;
    m_zeilen = zeilen;
    m_ursprungX = m_ursprungY = 0;
    m_normal = m_symbol = nullptr;
    m_hoch = m_tief = 0;
    return true;
}

void CSeitenAbbildung::SetzeAbbildung(int ausdehnungX, int ausdehnungY, int offsetY, int offsetX)
{
    m_ausdehnungX = ausdehnungX;
    m_ausdehnungY = ausdehnungY;
    m_offsetY = offsetY;
    m_offsetX = offsetX;
}

void CSeitenAbbildung::SetzeUrsprung(double x, double y)
{
    m_ursprungX = x;
    m_ursprungY = y;
}

void CSeitenAbbildung::SetzeTextSchriften(const CFont* normal, const CFont* symbol, int schritt)
{
    m_normal = normal;
    m_symbol = symbol;
    m_hoch = m_tief = schritt;
}

std::optional<int> CSeitenAbbildung::AbbildenX(double x) const
{
    const double produkt = (m_ausdehnungX / m_spalten) * (m_ursprungX + x);
    return ZuGeraeteInt(m_offsetX + std::trunc(produkt));
}

std::optional<int> CSeitenAbbildung::AbbildenY(double y) const
{
    const double produkt = (m_ausdehnungY / m_zeilen) * (m_ursprungY + y);
    return ZuGeraeteInt(m_offsetY - std::trunc(produkt));
}

std::optional<POINT> CSeitenAbbildung::Abbilden(double x, double y) const
{
    const std::optional<int> gx = AbbildenX(x);
    const std::optional<int> gy = AbbildenY(y);
    if (!gx || !gy)
        return std::nullopt;
    return POINT{*gx, *gy};
}

POINT CSeitenAbbildung::Transformiere(double x, double y) const
{
    return POINT{TransformiereX(x), TransformiereY(y)};
}

int CSeitenAbbildung::TransformiereX(double x) const
{
    return AbbildenX(x).value_or(m_offsetX);
}

int CSeitenAbbildung::TransformiereY(double y) const
{
    return AbbildenY(y).value_or(m_offsetY);
}

POINT CSeitenAbbildung::MoveTo(double x, double y)
{
    if (!m_dc)
        return POINT{};
    const std::optional<POINT> p = Abbilden(x, y);
    if (!p)
        return m_dc->GetCurrentPosition();
    return m_dc->MoveTo(*p);
}

bool CSeitenAbbildung::LineTo(double x, double y)
{
    const std::optional<POINT> p = Abbilden(x, y);
    return m_dc && p && m_dc->LineTo(*p);
}

bool CSeitenAbbildung::Linie(double x1, double y1, double x2, double y2)
{
    if (!Abbilden(x1, y1) || !Abbilden(x2, y2))
        return false;
    MoveTo(x1, y1);
    return LineTo(x2, y2);
}

bool CSeitenAbbildung::Rechteck(double x1, double y1, double x2, double y2)
{
    if (!Abbilden(x1, y1) || !Abbilden(x2, y2))
        return false;
    MoveTo(x1, y1);
    return LineTo(x1, y2) && LineTo(x2, y2) && LineTo(x2, y1) && LineTo(x1, y1);
}

void CSeitenAbbildung::ZeichneRaster(double x0, double, double schrittX, double, int spalten,
                                     int zeilen)
{
    const double rechts = x0 + schrittX * spalten;
    for (int j = 1; j < spalten; ++j)
        LinieSenkrecht(x0 + j * schrittX, 0, zeilen);
    for (int i = 1; i < zeilen; ++i)
        LinieWaagerecht(x0, i, rechts);
}

void CSeitenAbbildung::TextAusgabe(int code, double x, double y, const std::string& text)
{
    switch (code) {
    case 11:
    case 12:
        TextDezimalAusgerichtet(code, x, y, text);
        return;
    case 21:
    case 22:
    case 32:
    case 33:
        TextMitAuszeichnung(code, x, y, text);
        return;
    }
    const std::optional<POINT> p = Abbilden(x, y);
    if (!m_dc || !p)
        return;
    const Platzierung platz = PlatzierungFuer(code);
    m_dc->SetTextAlign(platz.ausrichtung);
    m_dc->TextOut(p->x + platz.dx, p->y + platz.dy, text);
}

void CSeitenAbbildung::TextAusgabeMitte(int code, std::span<const double, 2> paar, double y,
                                        const std::string& text)
{
    TextAusgabe(code, (paar[0] + paar[1]) * 0.5, y, text);
}

void CSeitenAbbildung::TextAusgabeZwischen(int code, double x1, double x2, double y,
                                           const std::string& text)
{
    TextAusgabe(code, (x1 + x2) * 0.5, y, text);
}

void CSeitenAbbildung::TextDezimalAusgerichtet(int code, double x, double y,
                                               const std::string& text)
{
    const std::optional<POINT> p = Abbilden(x, y);
    if (!m_dc || !p)
        return;
    const char trenner = text.find('.') != std::string::npos ? '.' : ',';
    const bool oben = code == 11;
    m_dc->SetTextAlign(oben ? TA_TOP | TA_LEFT : TA_BOTTOM | TA_LEFT);
    const size_t stelle = std::min(text.rfind(trenner), text.size());
    const int vorTrenner = Breite(*m_dc, std::string_view(text).substr(0, stelle)) +
                           Breite(*m_dc, std::string_view(&trenner, 1)) / 2;
    m_dc->TextOut(p->x - vorTrenner, oben ? p->y - 50 : p->y + 50, text);
}

int CSeitenAbbildung::TextMitAuszeichnung(int code, double x, double y, const std::string& text)
{
    const std::optional<POINT> p = Abbilden(x, y);
    if (!m_dc || !p)
        return 1;
    CDC& dc = *m_dc;
    const std::string escaped = TagsAlsEscapes(text);
    const bool oben = code == 21;
    const int basis = oben ? p->y - 50 : p->y + 50;
    dc.SetTextAlign(oben ? TA_TOP | TA_LEFT : TA_BOTTOM | TA_LEFT);

    const CFont vorher = dc.GetCurrentFont();
    Waehle(dc, m_normal);
    int px = p->x;
    if (code == 32) // a rough right alignment at 0.47 mm per character
        px -= 47 * static_cast<int>(escaped.size());
    int xPos =
        code == 33 ? px - MessenAuszeichnungsText(dc, text, m_normal, m_symbol) / 2 : px + 100;

    int yPos = basis;
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '_') {
            const std::string_view zeichen(&escaped[i], 1);
            dc.TextOut(xPos, yPos, zeichen);
            xPos += Breite(dc, zeichen);
            continue;
        }
        // An underscore swallows the character after it, escape or not.
        if (++i == escaped.size())
            break;
        switch (escaped[i]) {
        case 'n':
            yPos = basis;
            break;
        case 'h':
            yPos = basis + m_hoch;
            xPos += kVersatzHochTief;
            break;
        case 't':
            yPos = basis - m_tief;
            xPos += kVersatzHochTief;
            break;
        case 'N':
            Waehle(dc, m_normal);
            break;
        case 'S':
            Waehle(dc, m_symbol);
            break;
        }
    }
    dc.SelectObject(vorher);
    return 1;
}

int MessenAuszeichnungsText(CDC& dc, std::string_view text, const CFont* normal,
                            const CFont* symbol)
{
    const CFont vorher = dc.GetCurrentFont();
    int summe = 0;
    size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("<fn") || rest.starts_with("<fs")) {
            Waehle(dc, rest[2] == 'n' ? normal : symbol);
            const size_t ende = text.find('>', i);
            i = ende == std::string_view::npos ? text.size() : ende + 1;
        } else if (rest.starts_with("<n>") || rest.starts_with("<t>") || rest.starts_with("<h>")) {
            i += 3;
        } else {
            const size_t ende = std::min(text.find('<', i + 1), text.size());
            summe += Breite(dc, text.substr(i, ende - i));
            i = ende;
        }
    }
    dc.SelectObject(vorher);
    return summe;
}

void ZeichneTextAusgerichtet(const CFont& normal, const CFont& symbol, CDC& dc, RECT rechteck,
                             unsigned ausrichtung, std::string_view text)
{
    const unsigned alteAusrichtung = dc.GetTextAlign();
    const CFont vorher = dc.GetCurrentFont();
    dc.SelectObject(normal);
    const int hoeheX = dc.GetTextExtent("X").cy;
    const int basis = rechteck.bottom + hoeheX / 4;
    int x = rechteck.left + (rechteck.right - rechteck.left) / 2;
    if ((ausrichtung & TA_CENTER) == TA_CENTER)
        x -= MessenAuszeichnungsText(dc, text, &normal, &symbol) / 2;

    dc.SetTextAlign(TA_BOTTOM | TA_LEFT | TA_UPDATECP);
    int schriftVersatz = 0;
    int zeilenVersatz = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '<') {
            const size_t ende = text.find('>', i);
            const std::string_view tag = text.substr(
                i, ende == std::string_view::npos ? std::string_view::npos : ende - i + 1);
            if (tag == "<fn>") {
                dc.SelectObject(normal);
                schriftVersatz = 0;
            } else if (tag == "<fs>") {
                dc.SelectObject(symbol);
                schriftVersatz = -40;
            } else if (tag == "<h>") {
                zeilenVersatz = -60;
            } else if (tag == "<t>") {
                zeilenVersatz = 60;
            } else if (tag == "<n>") {
                zeilenVersatz = 0;
            }
            i += tag.size();
            continue;
        }
        const size_t ende = std::min(text.find('<', i), text.size());
        const std::string_view lauf = text.substr(i, ende - i);
        dc.MoveTo(x, basis - schriftVersatz - zeilenVersatz);
        dc.TextOut(0, 0, lauf);
        x += Breite(dc, lauf);
        i = ende;
    }
    dc.SelectObject(vorher);
    dc.SetTextAlign(alteAusrichtung);
}

void ZeichneLinie(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void ZeichneLinieV(CDC& dc, int x, int y1, int y2)
{
    ZeichneLinie(dc, x, y1, x, y2);
}

void ZeichneLinieH(CDC& dc, int x1, int y, int x2)
{
    ZeichneLinie(dc, x1, y, x2, y);
}
