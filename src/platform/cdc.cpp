#include "platform/cdc.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

std::optional<int> ZuGeraeteInt(double wert)
{
    if (!std::isfinite(wert))
        return std::nullopt;
    const double ganz = std::trunc(wert);
    if (ganz < double(INT_MIN) || ganz > double(INT_MAX))
        return std::nullopt;
    return static_cast<int>(ganz);
}

std::optional<POINT> ZuGeraetePunkt(double x, double y)
{
    const auto gx = ZuGeraeteInt(x);
    const auto gy = ZuGeraeteInt(y);
    if (!gx || !gy)
        return std::nullopt;
    return POINT{*gx, *gy};
}

namespace {

// Sums of two ints that must stay ints, or nothing.
std::optional<int> Summe(int a, int b)
{
    const std::int64_t s = std::int64_t(a) + b;
    if (s < INT_MIN || s > INT_MAX)
        return std::nullopt;
    return static_cast<int>(s);
}

std::int32_t LeseInt32(const unsigned char* p)
{
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                        std::uint32_t(p[3]) << 24);
}

// "&&" prints one "&"; a single "&" only marks the next character and prints nothing.
std::string OhnePraefixZeichen(std::string_view text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            ergebnis.push_back(text[i]);
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            ergebnis.push_back('&');
            ++i;
        }
    }
    return ergebnis;
}

std::string_view OhneBlankeAmEnde(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Absaetze(std::string_view text)
{
    std::vector<std::string_view> absaetze;
    while (!text.empty()) {
        const size_t ende = text.find('\n');
        std::string_view absatz = text.substr(0, ende);
        if (!absatz.empty() && absatz.back() == '\r')
            absatz.remove_suffix(1);
        absaetze.push_back(absatz);
        if (ende == std::string_view::npos)
            break;
        text.remove_prefix(ende + 1);
    }
    return absaetze;
}

struct Richtung
{
    double x;
    double y;
};

// The baseline's direction on the page. The pages are laid out y-up, where the escapement is
// negated before a run is turned: it turns the run clockwise as seen on the page, so 2700 reads
// bottom to top with the glyph tops to the left, and 1 tilts a tenth of a degree down.
Richtung Grundlinie(const LOGFONT& schrift)
{
    const double winkel = schrift.lfEscapement / 10.0 * std::numbers::pi / 180.0;
    return {std::cos(winkel), -std::sin(winkel)};
}

} // namespace

CDC::CDC(const CTextMetrik& metrik) : m_metrik(metrik)
{
    m_zustand.schrift = StandardSchrift();
    m_zustand.stift.CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    m_zustand.pinsel.CreateSolidBrush(RGB(255, 255, 255));
}

CFont CDC::StandardSchrift()
{
    CFont schrift;
    schrift.CreateFont(300, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    return schrift;
}

POINT CDC::MoveTo(int x, int y)
{
    const POINT vorher = m_zustand.position;
    m_zustand.position = {x, y};
    return vorher;
}

bool CDC::LineTo(int x, int y)
{
    ZeichneLinienzug({m_zustand.position, POINT{x, y}});
    m_zustand.position = {x, y};
    return true;
}

bool CDC::Polyline(const POINT* punkte, int anzahl)
{
    if (punkte == nullptr || anzahl < 2)
        return false;
    ZeichneLinienzug(std::vector<POINT>(punkte, punkte + anzahl));
    return true;
}

bool CDC::Polyline(const std::vector<POINT>& punkte)
{
    return Polyline(punkte.data(), static_cast<int>(punkte.size()));
}

bool CDC::Polygon(const POINT* punkte, int anzahl)
{
    if (punkte == nullptr || anzahl < 2)
        return false;
    ZeichnePolygon(std::vector<POINT>(punkte, punkte + anzahl));
    return true;
}

bool CDC::Polygon(const std::vector<POINT>& punkte)
{
    return Polygon(punkte.data(), static_cast<int>(punkte.size()));
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    ZeichneRechteck({left, top, right, bottom});
    return true;
}

bool CDC::Ellipse(int left, int top, int right, int bottom)
{
    ZeichneEllipse({left, top, right, bottom});
    return true;
}

void CDC::FillRect(const RECT& r, const CBrush& pinsel)
{
    if (pinsel)
        FuelleRechteck(r, pinsel);
}

int CDC::Breite(std::string_view text) const
{
    return static_cast<int>(std::lround(m_metrik.Breite(m_zustand.schrift.GetLogFont(), text)));
}

bool CDC::TextOut(int x, int y, std::string_view text)
{
    const int breite = Breite(text);
    const unsigned ausrichtung = m_zustand.ausrichtung;
    POINT anker{x, y};
    if (ausrichtung & TA_UPDATECP) {
        anker = m_zustand.position;
        // The position moves along the baseline to the far end of the text.
        const unsigned waagerecht = ausrichtung & TA_CENTER;
        const int weg = waagerecht == TA_LEFT ? breite : waagerecht == TA_RIGHT ? -breite : 0;
        const Richtung richtung = Grundlinie(m_zustand.schrift.GetLogFont());
        m_zustand.position.x += static_cast<int>(std::lround(weg * richtung.x));
        m_zustand.position.y += static_cast<int>(std::lround(weg * richtung.y));
    }
    if (!text.empty())
        ZeichneText({anker, ausrichtung & ~TA_UPDATECP, text, breite, std::nullopt, 0});
    return true;
}

CDC::TextLage CDC::Lage(const TextAusgabe& ausgabe) const
{
    const LOGFONT& schrift = m_zustand.schrift.GetLogFont();
    TextLage lage;
    const Richtung richtung = Grundlinie(schrift);
    lage.richtungX = richtung.x;
    lage.richtungY = richtung.y;
    lage.zelle = m_metrik.Zelle(schrift);
    const unsigned waagerecht = ausgabe.ausrichtung & TA_CENTER;
    const unsigned senkrecht = ausgabe.ausrichtung & TA_BASELINE;
    lage.links = waagerecht == TA_RIGHT    ? -double(ausgabe.breite)
                 : waagerecht == TA_CENTER ? -ausgabe.breite / 2.0
                                           : 0.0;
    lage.grundlinie = senkrecht == TA_BASELINE ? 0.0
                      : senkrecht == TA_BOTTOM ? -double(lage.zelle.abstieg)
                                               : double(lage.zelle.aufstieg);
    return lage;
}

RECT CDC::Textkasten(const TextAusgabe& ausgabe) const
{
    const TextLage lage = Lage(ausgabe);
    const double oben = lage.grundlinie - lage.zelle.aufstieg;
    const double unten = lage.grundlinie + lage.zelle.abstieg;
    const double rechts = lage.links + ausgabe.breite;
    RECT kasten{INT_MAX, INT_MIN, INT_MIN, INT_MAX};
    for (const auto& [x, y] : {std::pair{lage.links, oben}, std::pair{rechts, oben},
                               std::pair{lage.links, unten}, std::pair{rechts, unten}}) {
        // Frame y runs toward the descent, a quarter turn clockwise from the baseline.
        const int seiteX = ausgabe.anker.x +
                           static_cast<int>(std::lround(x * lage.richtungX + y * lage.richtungY));
        const int seiteY = ausgabe.anker.y +
                           static_cast<int>(std::lround(x * lage.richtungY - y * lage.richtungX));
        kasten.left = std::min(kasten.left, seiteX);
        kasten.right = std::max(kasten.right, seiteX);
        kasten.top = std::max(kasten.top, seiteY);
        kasten.bottom = std::min(kasten.bottom, seiteY);
    }
    return kasten;
}

std::vector<CDC::Zeile> CDC::BrichZeilen(std::string_view text, int breite, unsigned format) const
{
    std::vector<Zeile> zeilen;
    const auto fuegeAn = [&](std::string_view zeile) {
        zeilen.push_back({std::string(zeile), Breite(zeile)});
    };
    if (format & DT_SINGLELINE) {
        if (!text.empty())
            fuegeAn(text);
        return zeilen;
    }
    for (std::string_view absatz : Absaetze(text)) {
        if (!(format & DT_WORDBREAK)) {
            fuegeAn(absatz);
            continue;
        }
        // Greedy at blanks: a line takes words while it fits; blanks where it breaks vanish.
        std::string zeile;
        bool ersteZeile = true;
        bool leer = true;
        size_t anfang = 0;
        while (anfang <= absatz.size()) {
            const size_t ende = std::min(absatz.find(' ', anfang), absatz.size());
            const std::string_view wort = absatz.substr(anfang, ende - anfang);
            anfang = ende + 1;
            if (leer) {
                if (wort.empty() && !ersteZeile)
                    continue;
                zeile = wort;
                leer = false;
                continue;
            }
            std::string laenger = zeile + ' ' + std::string(wort);
            if (Breite(OhneBlankeAmEnde(laenger)) <= breite) {
                zeile = std::move(laenger);
                continue;
            }
            fuegeAn(OhneBlankeAmEnde(zeile));
            ersteZeile = false;
            zeile = wort;
            leer = wort.empty();
        }
        if (!leer || ersteZeile)
            fuegeAn(OhneBlankeAmEnde(zeile));
    }
    return zeilen;
}

int CDC::DrawText(std::string_view text, RECT& rechteck, unsigned format)
{
    const std::string ohnePraefix =
        (format & DT_NOPREFIX) ? std::string(text) : OhnePraefixZeichen(text);
    const std::vector<Zeile> zeilen =
        BrichZeilen(ohnePraefix, rechteck.right - rechteck.left, format);
    const int zellhoehe = GetTextExtent("").cy;
    const int hoehe = static_cast<int>(zeilen.size()) * zellhoehe;

    if (format & DT_CALCRECT) {
        int breiteste = 0;
        for (const Zeile& z : zeilen)
            breiteste = std::max(breiteste, z.breite);
        rechteck.right = rechteck.left + breiteste;
        rechteck.bottom = rechteck.top - hoehe;
        return hoehe;
    }

    int oben = rechteck.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        oben = rechteck.top - ((rechteck.top - rechteck.bottom) - zellhoehe) / 2;
    for (const Zeile& z : zeilen) {
        int x = rechteck.left;
        if (format & DT_CENTER)
            x = rechteck.left + (rechteck.right - rechteck.left - z.breite) / 2;
        else if (format & DT_RIGHT)
            x = rechteck.right - z.breite;
        if (!z.text.empty())
            ZeichneText({{x, oben}, TA_LEFT | TA_TOP, z.text, z.breite, rechteck, format});
        oben -= zellhoehe;
    }
    return hoehe;
}

int CDC::DrawText(std::string_view text, const RECT& rechteck, unsigned format)
{
    RECT kopie = rechteck;
    return DrawText(text, kopie, format);
}

SIZE CDC::GetTextExtent(std::string_view text) const
{
    const SCHRIFTZELLE zelle = m_metrik.Zelle(m_zustand.schrift.GetLogFont());
    return {Breite(text), zelle.aufstieg + zelle.abstieg};
}

bool CDC::GetTextMetrics(TEXTMETRIC& metrik) const
{
    const SCHRIFTZELLE zelle = m_metrik.Zelle(m_zustand.schrift.GetLogFont());
    metrik.tmAscent = zelle.aufstieg;
    metrik.tmDescent = zelle.abstieg;
    metrik.tmHeight = zelle.aufstieg + zelle.abstieg;
    metrik.tmInternalLeading = metrik.tmHeight - static_cast<int>(std::lround(zelle.em));
    return true;
}

unsigned CDC::SetTextAlign(unsigned ausrichtung)
{
    return std::exchange(m_zustand.ausrichtung, ausrichtung);
}

int CDC::SetBkMode(int modus)
{
    if (modus != TRANSPARENT && modus != OPAQUE)
        return 0;
    return std::exchange(m_zustand.hintergrundModus, modus);
}

COLORREF CDC::SetBkColor(COLORREF farbe)
{
    return std::exchange(m_zustand.hintergrundFarbe, farbe & 0xFFFFFF);
}

COLORREF CDC::SetTextColor(COLORREF farbe)
{
    return std::exchange(m_zustand.textFarbe, farbe & 0xFFFFFF);
}

CFont CDC::SelectObject(const CFont& schrift)
{
    if (!schrift)
        return {};
    return std::exchange(m_zustand.schrift, schrift);
}

CPen CDC::SelectObject(const CPen& stift)
{
    if (!stift)
        return {};
    return std::exchange(m_zustand.stift, stift);
}

CBrush CDC::SelectObject(const CBrush& pinsel)
{
    if (!pinsel)
        return {};
    return std::exchange(m_zustand.pinsel, pinsel);
}

int CDC::SaveDC()
{
    m_gespeichert.push_back(m_zustand);
    return static_cast<int>(m_gespeichert.size());
}

bool CDC::RestoreDC(int gespeichert)
{
    const int tiefe = static_cast<int>(m_gespeichert.size());
    const int ziel = gespeichert < 0 ? tiefe + 1 + gespeichert : gespeichert;
    if (ziel < 1 || ziel > tiefe)
        return false;
    m_zustand = m_gespeichert[ziel - 1];
    m_gespeichert.resize(ziel - 1);
    return true;
}

int CDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                       int srcWidth, int srcHeight, const DIB& bild)
{
    if (bild.info == nullptr || bild.infoGroesse < 40 || destWidth == 0 || destHeight == 0 ||
        srcWidth == 0 || srcHeight == 0)
        return 0;
    const auto zielX2 = Summe(xDest, destWidth);
    const auto zielY2 = Summe(yDest, destHeight);
    const auto quelleX2 = Summe(xSrc, srcWidth);
    const auto quelleY2 = Summe(ySrc, srcHeight);
    if (!zielX2 || !zielY2 || !quelleX2 || !quelleY2)
        return 0;

    BildAusgabe ausgabe;
    ausgabe.ziel = {std::min(xDest, *zielX2), std::max(yDest, *zielY2), std::max(xDest, *zielX2),
                    std::min(yDest, *zielY2)};
    ausgabe.quelle = {std::min(xSrc, *quelleX2), std::min(ySrc, *quelleY2),
                      std::max(xSrc, *quelleX2), std::max(ySrc, *quelleY2)};
    ausgabe.bild = &bild;
    ausgabe.bildBreite = LeseInt32(bild.info + 4);
    ausgabe.bildHoehe = LeseInt32(bild.info + 8);
    if (!ZeichneBild(ausgabe))
        return 0;
    return ausgabe.quelle.bottom - ausgabe.quelle.top;
}
