// One test per case in tests/spell/data/cases (see tests/host/host_cases.h),
// run with the small son.dic; NAME.args always names the command, and the
// interface is English unless it chooses a language.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dict_host.h"
#include "host_cases.h"

using testing::HasSubstr;

namespace {

class CheckCase : public testing::TestWithParam<std::string> {};

TEST_P(CheckCase, WritesTheExpectedDocument) {
  CheckHostCase({DICT_CASES, {}, true, DICT_SON}, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckCase, testing::ValuesIn(HostCaseNames(DICT_CASES)),
                         HostCaseName);

// Closed with nothing changed, `check --in-place` leaves the file alone and
// says so.
TEST(CheckCommand, ClosingWithNothingChangedWritesNothing) {
  const DictHost host;
  const std::string input = WriteTemp("story.txt", "Ala ma kotek.\n");
  const WirselRun run = host.Run({"check", input, "--in-place", "--lang", "en", "--dialogs",
                                  WriteTemp("close.dlg", "dialog \"Check Spelling\"\nclick Close\n")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("nothing changed"));
  EXPECT_EQ(ReadBytes(input), "Ala ma kotek.\n");
}

}  // namespace
