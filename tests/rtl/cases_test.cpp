// Every byte-exact case of right-to-left text: the *.cases files of this folder.
#include <gtest/gtest.h>

#include "support/case_runner.h"

namespace quorin::test {
namespace {

TEST(RightToLeftCases, EachGivesItsRtf) { CheckCases("rtl", ConvertCase); }

}  // namespace
}  // namespace quorin::test
