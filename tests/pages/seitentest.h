#pragma once
// A report printer drawing on a recording device context with a fixed text metric (every
// character half its cell wide), and the grid-to-device arithmetic the pages are checked against.

#include "data/pfade.h"
#include "platform/recordingdc.h"
#include "report/protokolldruck.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
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
    // The device anchor of a text placed at a grid point with placement 1, 3, 4, 6, 7 or 9.
    static POINT Anker(int platzierung, double x, double y)
    {
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

    const CFont& Schrift(int n) const { return druck.Schriften[n]; }
    const CPen& Stift(int n) const { return druck.Stifte[n]; }

    const CFesteTextMetrik metrik;
    RecordingDC dc;
    CProtokollDruck druck;
    const RECT seite{0, 0, 21000, -29700};
    const CPfade vorher = g_pfade;
};
