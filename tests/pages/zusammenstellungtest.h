#pragma once
// The summary table printer on a recording device context, with finders for its texts and
// lines. Column boundaries of a table whose left edge is 0, as the layout defines them.

#include "data/pfade.h"
#include "pages/zusammenstellungdruck.h"
#include "platform/recordingdc.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// x(0) … x(25) for a left edge of 0: trunc(sum of widths × 27500 / 278).
inline constexpr int kX[26] = {0,     1582,  2769,  4352,  5242,  7221,  9001,  10782, 12562,
                               14343, 15035, 16618, 17410, 18201, 19091, 19883, 20575, 21267,
                               22059, 22850, 23642, 24433, 25224, 25917, 26708, 27500};

// Every font a cell of `zelle` units, every character 100 units wide.
class ZellenMetrik : public CTextMetrik
{
public:
    explicit ZellenMetrik(int zelle) : m_zelle(zelle) {}
    SCHRIFTZELLE Zelle(const LOGFONT&) const override
    {
        return {m_zelle - m_zelle / 5, m_zelle / 5, static_cast<double>(m_zelle)};
    }
    double Breite(const LOGFONT&, std::string_view text) const override
    {
        return 100.0 * static_cast<double>(text.size());
    }

private:
    int m_zelle;
};

inline CProtokoll ProtokollDerPruefart(const char* pruefart)
{
    CProtokoll protokoll;
    protokoll.Initialisiere("P" + std::string(pruefart), "T", pruefart);
    return protokoll;
}

class Zusammenstellungstest : public ::testing::Test
{
protected:
    // The fixed metric: the normal font (cell 260) measures 130 units per character.
    Zusammenstellungstest() : dc(CFesteTextMetrik{}) { g_pfade.protokollnrDrucken = true; }
    ~Zusammenstellungstest() override { g_pfade = vorher; }

    std::vector<DCEintrag> Texte(const std::string& text) const
    {
        std::vector<DCEintrag> gefunden;
        for (const DCEintrag& e : dc.Texte())
            if (e.text == text)
                gefunden.push_back(e);
        return gefunden;
    }
    bool Hat(const std::string& text) const { return !Texte(text).empty(); }
    DCEintrag Text(const std::string& text) const
    {
        const std::vector<DCEintrag> gefunden = Texte(text);
        EXPECT_EQ(gefunden.size(), 1u) << text;
        return gefunden.empty() ? DCEintrag{} : gefunden.front();
    }

    std::vector<DCEintrag> Linien() const
    {
        std::vector<DCEintrag> linien;
        for (const DCEintrag& e : dc.Eintraege())
            if (e.art == DCPrimitiv::Linienzug)
                linien.push_back(e);
        return linien;
    }
    // The pen width of the line from `von` to `bis`; -1 when there is none.
    int Linie(POINT von, POINT bis) const
    {
        for (const DCEintrag& e : Linien())
            if (e.punkte == std::vector<POINT>{von, bis})
                return e.zustand.stift.Breite();
        return -1;
    }
    // Vertical lines at x, whatever their extent.
    int SenkrechteBei(int x) const
    {
        return static_cast<int>(std::ranges::count_if(Linien(), [&](const DCEintrag& e) {
            return e.punkte.size() == 2 && e.punkte[0].x == x && e.punkte[1].x == x;
        }));
    }

    const CPfade vorher = g_pfade;
    RecordingDC dc;
    CZusammenstellungDruck druck;
};
