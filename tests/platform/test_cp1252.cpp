#include "platform/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252Utf16, C1BytesAndCharactersOutsideTheCodePage)
{
    EXPECT_EQ(Utf16AusCp1252("€äŸ"), u"€äŸ");
    EXPECT_EQ(Cp1252AusUtf16(u"€äŸ"), "€äŸ");
    // One "?" per character, also for a character beyond the basic plane.
    EXPECT_EQ(Cp1252AusUtf16(u"a\U0001F600b\u4E2D"), "a?b?");
    // A lone surrogate is a character of its own.
    EXPECT_EQ(Cp1252AusUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "?x");
}
