#pragma once
// A report printer drawing on a recording device context with a fixed text metric (every
// character half its cell wide), and the grid-to-device arithmetic the pages are checked against.

#include "data/pfade.h"
#include "platform/recordingdc.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Seitentest : public ::testing::Test
{
protected:
    Seitentest() : dc(metrik)
    {
        druck.ErzeugeGdiObjekte(nullptr);
        g_pfade.protokollnrDrucken = true;
        g_pfade.anteilAlsProzent = false;
    }
    ~Seitentest() override { g_pfade = vorher; }

    // The page grid of the header: 30 columns of 560, 67 rows of 26000/67, truncated.
    static int GX(double x) { return 2500 + static_cast<int>(std::trunc(16800.0 / 30 * x)); }
    static int GY(double y) { return -1620 - static_cast<int>(std::trunc(26000.0 / 67 * y)); }
    // The device anchor of a text placed at a grid point with placement 1, 3, 4, 6, 7 or 9. With
    // 12 the middle of the text's decimal separator (else of the place after it) lies on the
    // point; mark-up text starts its first character 1 mm right of it (22) or centred on it (33).
    // Every character of font 0 is 150 wide.
    static POINT Anker(int platzierung, double x, double y, std::string_view text = {})
    {
        if (platzierung == 12) {
            const char trenner = text.find('.') != text.npos ? '.' : ',';
            const int vorTrenner = static_cast<int>(std::min(text.rfind(trenner), text.size()));
            return POINT{GX(x) - 150 * vorTrenner - 75, GY(y) + 50};
        }
        if (platzierung == 22 || platzierung == 33) {
            const int versatz = platzierung == 22 ? 100 : -75 * static_cast<int>(text.size());
            return POINT{GX(x) + versatz, GY(y) + 50};
        }
        const bool links = platzierung == 1 || platzierung == 3;
        const bool rechts = platzierung == 7 || platzierung == 9;
        const bool oben = platzierung == 1 || platzierung == 4 || platzierung == 7;
        return POINT{GX(x) + (links ? 100 : rechts ? -100 : 0), GY(y) + (oben ? -50 : 50)};
    }

    // The mapper with the header's grid, as the header leaves it.
    void Gitter()
    {
        druck.Abbildung.Init(2500, -1620, 16800, 26000, 30, 67);
        druck.Abbildung.SetzeDC(&dc);
    }

    std::vector<DCEintrag> Texte(const std::string& text) const
    {
        std::vector<DCEintrag> gefunden;
        for (const DCEintrag& e : dc.Texte())
            if (e.text == text)
                gefunden.push_back(e);
        return gefunden;
    }
    bool Hat(const std::string& text) const { return !Texte(text).empty(); }
    // Mark-up text is drawn a character at a time: where the run of characters spelling the text
    // starts, each run one text.
    std::vector<POINT> Laeufe(std::string_view text) const
    {
        const std::vector<DCEintrag> texte = dc.Texte();
        std::vector<POINT> anfaenge;
        for (std::size_t i = 0; i + text.size() <= texte.size(); ++i) {
            std::size_t k = 0;
            while (k < text.size() && texte[i + k].text == text.substr(k, 1))
                ++k;
            if (k == text.size())
                anfaenge.push_back(texte[i].punkte.at(0));
        }
        return anfaenge;
    }
    // The one entry of a text; fails the test when it is missing or drawn twice.
    DCEintrag Text(const std::string& text) const
    {
        const std::vector<DCEintrag> gefunden = Texte(text);
        EXPECT_EQ(gefunden.size(), 1u) << text;
        return gefunden.empty() ? DCEintrag{} : gefunden.front();
    }
    POINT Punkt(const std::string& text) const { return Text(text).punkte.at(0); }
    bool HatBei(const std::string& text, POINT p) const
    {
        return std::ranges::any_of(Texte(text),
                                   [&](const DCEintrag& e) { return e.punkte.at(0) == p; });
    }

    std::vector<DCEintrag> Linien() const
    {
        std::vector<DCEintrag> linien;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == DCPrimitiv::Linienzug)
                linien.push_back(e);
        return linien;
    }
    bool HatLinie(POINT von, POINT bis) const
    {
        return std::ranges::any_of(Linien(), [&](const DCEintrag& e) {
            return e.punkte == std::vector<POINT>{von, bis};
        });
    }
    bool HatLinie(POINT von, POINT bis, const CPen& stift) const
    {
        return std::ranges::any_of(Linien(), [&](const DCEintrag& e) {
            return e.punkte == std::vector<POINT>{von, bis} && e.zustand.stift == stift;
        });
    }
    DCEintrag Linie(POINT von, POINT bis) const
    {
        for (const DCEintrag& e : Linien())
            if (e.punkte == std::vector<POINT>{von, bis})
                return e;
        ADD_FAILURE() << "keine Linie " << von.x << "," << von.y << " - " << bis.x << "," << bis.y;
        return {};
    }

    // A table text filled beyond any page's capacity: every sub-value named after its place, so
    // that each printed cell tells where it came from.
    static std::string Feldwert(int feld, int wert)
    {
        return "F" + std::to_string(feld) + "W" + std::to_string(wert);
    }
    static std::string Gefuellt(int felder, int werte)
    {
        std::string text;
        for (int f = 0; f < felder; ++f) {
            for (int w = 0; w < werte; ++w)
                text += (w ? "@" : "") + Feldwert(f, w);
            text += "|";
        }
        return text;
    }

    // Where a page filled to its capacity prints its last value of a row or column: sub-value
    // `wert` of field `feld`, placed at (x, y).
    struct Letzter
    {
        int feld, wert, platzierung;
        double x, y;
    };
    void ErwarteLetzte(std::span<const Letzter> letzte) const
    {
        for (const Letzter& l : letzte) {
            const std::string wert = Feldwert(l.feld, l.wert);
            EXPECT_EQ(Punkt(wert), Anker(l.platzierung, l.x, l.y, wert)) << wert;
        }
    }

    const CFont& Schrift(int n) const { return druck.Schriften[n]; }
    const CPen& Stift(int n) const { return druck.Stifte[n]; }

    const CFesteTextMetrik metrik;
    RecordingDC dc;
    CProtokollDruck druck;
    const RECT seite{0, 0, 21000, -29700};
    const CPfade vorher = g_pfade;
};
