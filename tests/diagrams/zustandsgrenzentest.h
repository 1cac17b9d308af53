#pragma once
// A recording device context with a fixed text metric, the report printer's pens and fonts, and
// look-ups of what the Atterberg-limit diagrams drew.

#include "data/pfade.h"
#include "platform/recordingdc.h"
#include "report/textkatalog.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class Zustandsgrenzentest : public ::testing::Test
{
protected:
    using Punkte = std::vector<POINT>;

    Zustandsgrenzentest()
    {
        katalog.LadeStandardTexte();
        g_pfade.anteilAlsProzent = false;
    }
    ~Zustandsgrenzentest() override { g_pfade = vorher; }

    static CFont Schrift(int escapement)
    {
        CFont schrift;
        schrift.CreateFont(300, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, 0, 0, 16, 0, 48,
                           "Tahoma");
        return schrift;
    }

    std::vector<DCEintrag> Eintraege(DCPrimitiv art) const
    {
        std::vector<DCEintrag> treffer;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == art)
                treffer.push_back(e);
        return treffer;
    }
    std::vector<Punkte> Linien() const
    {
        std::vector<Punkte> linien;
        for (const DCEintrag& e : Eintraege(DCPrimitiv::Linienzug))
            linien.push_back(e.punkte);
        return linien;
    }
    std::vector<std::string> Texte() const
    {
        std::vector<std::string> texte;
        for (const DCEintrag& e : Eintraege(DCPrimitiv::Text))
            texte.push_back(e.text);
        return texte;
    }
    // The one entry of a text; fails the test when it is missing or drawn twice.
    DCEintrag Text(const std::string& text) const
    {
        std::vector<DCEintrag> gefunden;
        for (const DCEintrag& e : Eintraege(DCPrimitiv::Text))
            if (e.text == text)
                gefunden.push_back(e);
        EXPECT_EQ(gefunden.size(), 1u) << text;
        return gefunden.empty() ? DCEintrag{} : gefunden.front();
    }
    std::size_t Texte(const std::string& text) const
    {
        const auto texte = Texte();
        return static_cast<std::size_t>(std::count(texte.begin(), texte.end(), text));
    }
    bool HatText(const std::string& text) const
    {
        const auto texte = Texte();
        return std::find(texte.begin(), texte.end(), text) != texte.end();
    }
    DCEintrag Linie(POINT von, POINT bis) const
    {
        for (const DCEintrag& e : Eintraege(DCPrimitiv::Linienzug))
            if (e.punkte == Punkte{von, bis})
                return e;
        ADD_FAILURE() << "keine Linie " << von.x << "," << von.y << " - " << bis.x << "," << bis.y;
        return {};
    }
    bool HatLinie(POINT von, POINT bis) const
    {
        const auto linien = Linien();
        return std::find(linien.begin(), linien.end(), Punkte{von, bis}) != linien.end();
    }
    // No point far off the page: nothing drawn from values that could not be placed.
    bool AllesAufDerSeite() const
    {
        return std::all_of(dc.Eintraege().begin(), dc.Eintraege().end(), [](const DCEintrag& e) {
            const bool rechteckGut =
                std::abs(e.rechteck.left) < 40000 && std::abs(e.rechteck.right) < 40000 &&
                std::abs(e.rechteck.top) < 40000 && std::abs(e.rechteck.bottom) < 40000;
            return rechteckGut && std::all_of(e.punkte.begin(), e.punkte.end(), [](POINT p) {
                       return std::abs(p.x) < 40000 && std::abs(p.y) < 40000;
                   });
        });
    }

    CFesteTextMetrik metrik;
    RecordingDC dc{metrik};
    CTextKatalog katalog;
    const CPen stift1{PS_SOLID, 20, RGB(0, 0, 0)};
    const CPen stift4{PS_DOT, 1, RGB(0, 0, 0)};
    const CFont schrift0 = Schrift(0);
    const CFont schrift6 = Schrift(2700);
    const CPfade vorher = g_pfade;
};
