#include "platform/text.h"

#include <algorithm>
#include <climits>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

// Switches the calling thread to the C locale for the lifetime of the object.
class CLocaleScope
{
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};

} // namespace

char GrossZeichen(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E) // š œ ž
        return static_cast<char>(b - 0x10);
    if (b == 0xFF) // ÿ
        return static_cast<char>(0x9F);
    if (b >= 0xE0 && b != 0xF7) // à..þ without ÷
        return static_cast<char>(b - 0x20);
    return c;
}

char KleinZeichen(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 0x20);
    if (b == 0x8A || b == 0x8C || b == 0x8E) // Š Œ Ž
        return static_cast<char>(b + 0x10);
    if (b == 0x9F) // Ÿ
        return static_cast<char>(0xFF);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) // À..Þ without ×
        return static_cast<char>(b + 0x20);
    return c;
}

std::string GrossSchreiben(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = GrossZeichen(c);
    return result;
}

std::string KleinSchreiben(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = KleinZeichen(c);
    return result;
}

std::string StringFormat(const char* format, ...)
{
    CLocaleScope c;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        result.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(result.data(), result.size(), format, args);
        result.resize(static_cast<size_t>(length));
    }
    va_end(args);
    return result;
}

double StringZuDoubleC(const char* text, char** end)
{
    return strtod_l(text, end, CLocale());
}

int GanzeZahl(const std::string& text)
{
    const long wert = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(wert, INT_MIN, INT_MAX));
}
