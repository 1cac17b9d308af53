#include "support/ausgelassen.h"

#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

std::string Name(const ::testing::TestInfo& test)
{
    return std::string(test.test_suite_name()) + "." + test.name();
}

// Adds the line to the list, in one write: the tests run side by side.
void Vermerke(const std::string& zeile)
{
    const char* liste = std::getenv("AXO_AUSGELASSEN");
    if (liste == nullptr || *liste == '\0')
        return;
    const int datei = ::open(liste, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (datei < 0)
        return;
    const std::string mitEnde = zeile + "\n";
    [[maybe_unused]] const ssize_t geschrieben = ::write(datei, mitEnde.data(), mitEnde.size());
    ::close(datei);
}

} // namespace

void MeldeAusgelassenenFall(const std::string& fall, const std::string& grund)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string zeile = (test ? Name(*test) : "(no test)") + ": " + fall + ": " + grund;
    // Not GoogleTest's "[  SKIPPED ]": CTest takes a test whose output holds that for skipped
    // whatever its exit code, which would hide a failure of the cases that ran.
    std::cout << "[ NOT RUN  ] " << zeile << std::endl;
    Vermerke(zeile);
}

void VermerkeWennAusgelassen(const ::testing::TestInfo& test)
{
    const ::testing::TestResult& ergebnis = *test.result();
    if (!ergebnis.Skipped())
        return;
    std::string grund = "no reason given";
    for (int i = 0; i < ergebnis.total_part_count(); ++i)
        if (const ::testing::TestPartResult& teil = ergebnis.GetTestPartResult(i);
            teil.skipped() && *teil.message() != '\0')
            grund = teil.message();
    Vermerke(Name(test) + ": " + grund);
}
