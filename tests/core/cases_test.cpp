// Every byte-exact case of the core: the *.cases files of this folder.
#include <gtest/gtest.h>

#include "support/case_runner.h"

namespace quorin::test {
namespace {

TEST(CoreCases, EachGivesItsRtf) { CheckCases("core", ConvertCase); }

}  // namespace
}  // namespace quorin::test
