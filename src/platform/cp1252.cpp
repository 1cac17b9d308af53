#include "platform/cp1252.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five undefined bytes map to the C1 controls of the same value.
constexpr std::array<char16_t, 32> kC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ZeichenAusByte(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) ? kC1[b - 0x80] : char16_t(b);
}

char ByteAusZeichen(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (size_t i = 0; i < kC1.size(); ++i)
        if (kC1[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

bool IstHoherSurrogat(char16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IstNiedrigerSurrogat(char16_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

std::u16string Utf16AusCp1252(std::string_view text)
{
    std::u16string result(text.size(), u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        result[i] = ZeichenAusByte(static_cast<unsigned char>(text[i]));
    return result;
}

std::string Cp1252AusUtf16(std::u16string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (IstHoherSurrogat(text[i]) && i + 1 < text.size() && IstNiedrigerSurrogat(text[i + 1])) {
            result.push_back('?');
            ++i;
            continue;
        }
        result.push_back(ByteAusZeichen(text[i]));
    }
    return result;
}
