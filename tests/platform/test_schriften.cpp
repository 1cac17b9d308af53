#include "platform/recordingdc.h"
#include "platform/schriften.h"

#include <QtGlobal>
#include <gtest/gtest.h>
#include <string>

namespace {

CFont Schrift(const char* name, int hoehe, int gewicht = FW_NORMAL)
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, 0, 0, gewicht, 0, 0, 0, 0, 0, 16, 0, 48, name);
    return schrift;
}

std::vector<std::string> g_warnungen;

void FangeWarnung(QtMsgType typ, const QMessageLogContext&, const QString& text)
{
    if (typ == QtWarningMsg)
        g_warnungen.push_back(text.toStdString());
}

} // namespace

TEST(Schriften, CellHeightIsTheWindowsAscentPlusDescent)
{
    const CTextMetrik& metrik = SchriftMetrik();
    // Tahoma: usWinAscent 2049, usWinDescent 423 of 2048 units.
    const SCHRIFTZELLE tahoma = metrik.Zelle(Schrift("Tahoma", 300).GetLogFont());
    EXPECT_EQ(tahoma.aufstieg + tahoma.abstieg, 300);
    EXPECT_EQ(tahoma.aufstieg, 249);
    EXPECT_NEAR(tahoma.em, 248.5, 0.1);
    EXPECT_EQ(metrik.Zelle(Schrift("Tahoma", 300, FW_BOLD).GetLogFont()).aufstieg, 249);

    // A negative height is the em.
    const SCHRIFTZELLE zeichen = metrik.Zelle(Schrift("Tahoma", -2048).GetLogFont());
    EXPECT_EQ(zeichen.aufstieg, 2049);
    EXPECT_EQ(zeichen.abstieg, 423);
    EXPECT_DOUBLE_EQ(zeichen.em, 2048);

    // Liberation Sans stands for Arial: 1854 + 434.
    EXPECT_NEAR(metrik.Zelle(Schrift("arial", 335).GetLogFont()).em, 335 * 2048.0 / 2288, 0.01);
    // Symbol takes the size of Wine's Symbol cell, 2059 + 450.
    EXPECT_NEAR(metrik.Zelle(Schrift("Symbol", 335).GetLogFont()).em, 335 * 2048.0 / 2509, 0.01);

    RecordingDC dc;
    dc.SelectObject(Schrift("Tahoma", 300));
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmHeight, 300);
    EXPECT_EQ(tm.tmInternalLeading, 300 - 249);
    EXPECT_EQ(dc.GetTextExtent("X").cy, 300);
}

TEST(Schriften, WidthsComeFromTheDesignAdvancesOfTheFace)
{
    RecordingDC dc;
    dc.SelectObject(Schrift("Tahoma", 300));
    // Tahoma "X" advances 1190 of 2048 units: 144.4 at an em of 248.5.
    EXPECT_EQ(dc.GetTextExtent("X").cx, 144);
    EXPECT_EQ(dc.GetTextExtent("XXXXXXXXXX").cx, 1444); // summed before rounding
    EXPECT_EQ(dc.GetTextExtent("").cx, 0);
    const int normal = dc.GetTextExtent("Baumaßnahme").cx;
    dc.SelectObject(Schrift("Tahoma", 300, FW_SEMIBOLD));
    EXPECT_GT(dc.GetTextExtent("Baumaßnahme").cx, normal); // 600 takes the bold face

    // Courier New is monospaced: every byte, the umlaut too, is as wide as the next.
    dc.SelectObject(Schrift("Courier New", 335));
    EXPECT_EQ(dc.GetTextExtent("ÄÖÜ").cx, dc.GetTextExtent("iii").cx);
}

TEST(Schriften, AMissingFaceFallsBackWithOneWarning)
{
    // A face of its own on each run: the warning comes once in the life of the process.
    static int lauf = 0;
    const std::string name = "Nirgendwo Grotesk " + std::to_string(++lauf);
    g_warnungen.clear();
    const QtMessageHandler vorher = qInstallMessageHandler(FangeWarnung);
    RecordingDC dc;
    dc.SelectObject(Schrift(name.c_str(), 300));
    const SIZE erste = dc.GetTextExtent("Probe");
    const SIZE zweite = dc.GetTextExtent("Probe");
    dc.SelectObject(Schrift(name.c_str(), 300, FW_BOLD));
    dc.GetTextExtent("Probe");
    qInstallMessageHandler(vorher);

    ASSERT_EQ(g_warnungen.size(), 1u);
    EXPECT_NE(g_warnungen[0].find(name), std::string::npos);
    EXPECT_GT(erste.cx, 0);
    EXPECT_EQ(erste, zweite);
    EXPECT_EQ(erste.cy, 300);
}
