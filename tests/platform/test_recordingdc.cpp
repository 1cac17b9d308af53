#include "platform/recordingdc.h"

#include <gtest/gtest.h>

namespace {

CFont Schrift(int hoehe, int escapement = 0, const char* name = "Tahoma")
{
    CFont schrift;
    schrift.CreateFont(hoehe, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, 0, 0, 16, 0, 48, name);
    return schrift;
}

} // namespace

TEST(RecordingDC, TextIsRecordedWithItsAnchorAlignmentAndState)
{
    const CFesteTextMetrik metrik;
    RecordingDC dc(metrik);
    dc.SelectObject(Schrift(300));
    dc.SetTextAlign(TA_BOTTOM | TA_RIGHT);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(1000, -2000, "abc");

    ASSERT_EQ(dc.Eintraege().size(), 1u);
    const DCEintrag& text = dc.Eintraege()[0];
    EXPECT_EQ(text.art, DCPrimitiv::Text);
    EXPECT_EQ(text.punkte, std::vector<POINT>{POINT(1000, -2000)});
    EXPECT_EQ(text.ausrichtung, TA_BOTTOM | TA_RIGHT);
    EXPECT_EQ(text.breite, 450);
    EXPECT_EQ(text.zustand.schrift.GetLogFont().lfHeight, 300);
    EXPECT_EQ(text.zustand.hintergrundModus, TRANSPARENT);
    EXPECT_FALSE(text.ausDrawText);
}
