// Every byte-exact case of tables: the *.cases files of this folder.
#include <gtest/gtest.h>

#include "support/case_runner.h"

namespace quorin::test {
namespace {

TEST(TableCases, EachGivesItsRtf) { CheckCases("tables", ConvertCase); }

}  // namespace
}  // namespace quorin::test
