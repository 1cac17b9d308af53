#pragma once
// Cases that did not run here, and why. Where the environment names a list (AXO_AUSGELASSEN, as
// ./test does), each is added to it as a line "<test>: <case>: <reason>", or for a test skipped
// as a whole "<test>: <reason>"; ./test names them all at its end.

#include <gtest/gtest.h>
#include <string>

// The case `fall` of the running test is skipped for `grund`; the test's output says so too.
void MeldeAusgelassenenFall(const std::string& fall, const std::string& grund);
// Lists `test` where it ended skipped as a whole, which GoogleTest's output says already.
void VermerkeWennAusgelassen(const ::testing::TestInfo& test);
