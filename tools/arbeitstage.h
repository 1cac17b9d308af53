#pragma once
// Working days of the site and the lifts of the dam that follow from them.

#include <chrono>
#include <string>
#include <vector>

namespace muster {

// A day as the headers store it, "JJJJMMTT", and back.
std::string JJJJMMTT(std::chrono::sys_days tag);
std::chrono::sys_days Datum(const std::string& jjjjmmtt);

// The working days of 2026 from the project's start, "JJJJMMTT"; the one of that number.
const std::vector<std::string>& Arbeitstage();
std::string Arbeitstag(int tag);
int TagVon(const std::string& datum);
std::string NaechsterArbeitstag(const std::string& jjjjmmtt);

// The lift of the dam placed on that day.
int LageAm(const std::string& datum);

} // namespace muster
