// Working days of the site and the lifts of the dam that follow from them.

#include "arbeitstage.h"

#include "data/textfunktionen.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdlib>

namespace muster {

namespace {

// Public holidays of 2026 that fall on a working day, those of single states included.
const char* const kFeiertage[] = {"20260101", "20260106", "20260403", "20260406", "20260501",
                                  "20260514", "20260525", "20260604", "20261118", "20261225"};

} // namespace

// A day as the headers store it, "JJJJMMTT", and back.
std::string JJJJMMTT(std::chrono::sys_days tag)
{
    const std::chrono::year_month_day datum{tag};
    return StringFormat("%04d%02u%02u", static_cast<int>(datum.year()),
                        static_cast<unsigned>(datum.month()), static_cast<unsigned>(datum.day()));
}

std::chrono::sys_days Datum(const std::string& jjjjmmtt)
{
    using namespace std::chrono;
    return year_month_day{year{std::atoi(jjjjmmtt.substr(0, 4).c_str())},
                          month{static_cast<unsigned>(std::atoi(jjjjmmtt.substr(4, 2).c_str()))},
                          day{static_cast<unsigned>(std::atoi(jjjjmmtt.substr(6, 2).c_str()))}};
}

// The working days of 2026 from the project's start, "JJJJMMTT".
const std::vector<std::string>& Arbeitstage()
{
    static const std::vector<std::string> tage = [] {
        using namespace std::chrono;
        std::vector<std::string> liste;
        for (sys_days tag = sys_days{2026y / March / 2}; tag < sys_days{2027y / January / 1};
             tag += days{1}) {
            const std::string text = JJJJMMTT(tag);
            if (weekday{tag}.iso_encoding() <= 5 &&
                std::ranges::find(kFeiertage, text) == std::end(kFeiertage))
                liste.push_back(text);
        }
        return liste;
    }();
    return tage;
}

std::string Arbeitstag(int tag)
{
    return Arbeitstage()[static_cast<size_t>(tag) % Arbeitstage().size()];
}

// The working day of a date, counted from the project's start; the next one for a day off.
int TagVon(const std::string& datum)
{
    return static_cast<int>(std::ranges::lower_bound(Arbeitstage(), datum) - Arbeitstage().begin());
}

namespace {

// The dam is built in lifts of 0.30 m from its first day on, one lift in five working days.
constexpr const char* kDammbeginn = "20260316";
constexpr int kTageJeLage = 5;

} // namespace

int LageAm(const std::string& datum)
{
    return 1 + std::max(0, TagVon(datum) - TagVon(kDammbeginn)) / kTageJeLage;
}

// The working day after a date.
std::string NaechsterArbeitstag(const std::string& jjjjmmtt)
{
    const auto tag = std::ranges::upper_bound(Arbeitstage(), jjjjmmtt);
    return tag == Arbeitstage().end() ? Arbeitstage().back() : *tag;
}

} // namespace muster
