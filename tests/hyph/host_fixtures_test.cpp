// One test per fixture of tests/hyph/data (see tests/host/host_cases.h): the
// arguments name the document ("@FILE"), NAME.usr is the host's PLHYPH.USR.
#include "host_cases.h"

namespace {

class Fixtures : public testing::TestWithParam<std::string> {};

TEST_P(Fixtures, OutputMatchesExpected) {
  CheckHostCase({HOST_TEST_DATA, {}, false, ""}, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Behaviour, Fixtures, testing::ValuesIn(HostCaseNames(HOST_TEST_DATA)),
                         HostCaseName);

}  // namespace
