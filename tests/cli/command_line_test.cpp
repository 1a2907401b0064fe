// Command-line parsing: options and values, the usage cases, the Linux rules
// (only "-" begins an option, a lone "-" is a value, plain arguments are inputs).
#include <gtest/gtest.h>

#include "cli/command_line.h"

namespace quorin {
namespace {

CommandLine Parse(std::vector<std::string> arguments) { return ParseCommandLine(arguments); }

TEST(CommandLine, CompleteLineWithEveryFlag) {
    CommandLine line = Parse({"-f", "/wp/*", "-o", "/out", "-r", "-p", "-t", "-w"});
    EXPECT_EQ(line.action, CommandLine::kBatch);
    EXPECT_EQ(line.inputItems, std::vector<std::string>{"/wp/*"});  // "/" begins a path, not an option
    EXPECT_EQ(line.outputFolder, "/out");
    EXPECT_EQ(line.reverseParentheses, 1);
    EXPECT_EQ(line.reverseTabAlignment, 1);
    EXPECT_EQ(line.rightToLeftDocument, 1);
    EXPECT_EQ(line.convertToWord, 1);
    EXPECT_EQ(Parse({"-f", "a", "-o", "b"}).rightToLeftDocument, 0);
}

TEST(CommandLine, IncompleteOrHelpShowsUsage) {
    EXPECT_EQ(Parse({}).action, CommandLine::kUsage);
    EXPECT_EQ(Parse({"-h", "-f", "a.wp", "-o", "out"}).action, CommandLine::kUsage);
    EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "-?"}).action, CommandLine::kUsage);
    EXPECT_EQ(Parse({"-o", "out"}).action, CommandLine::kUsageError);
    EXPECT_EQ(Parse({"-f", "a.wp"}).action, CommandLine::kUsageError);
    EXPECT_EQ(Parse({"-f", "a.wp", "-o"}).action, CommandLine::kUsageError);
}

TEST(CommandLine, OptionNamesAreCaseSensitive) {
    CommandLine line = Parse({"-F", "a.wp", "-o", "out"});
    EXPECT_EQ(line.action, CommandLine::kUsageError);
    EXPECT_EQ(line.problem, "unknown option -F");
    EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "-P"}).action, CommandLine::kUsageError);
}

TEST(CommandLine, OptionFollowedByOptionHasTheValueTrue) {
    CommandLine line = Parse({"-f", "-o", "out"});
    EXPECT_EQ(line.action, CommandLine::kBatch);
    EXPECT_EQ(line.inputItems, std::vector<std::string>{"TRUE"});
    EXPECT_EQ(line.outputFolder, "out");
}

TEST(CommandLine, OptionGivenTwiceKeepsTheLaterValue) {
    CommandLine line = Parse({"-f", "a.wp", "-o", "one", "-o", "two", "-f", "b.wp"});
    EXPECT_EQ(line.inputItems, std::vector<std::string>{"b.wp"});
    EXPECT_EQ(line.outputFolder, "two");
}

TEST(CommandLine, PlainArgumentsAreItemsOfTheirOwn) {
    using Items = std::vector<std::string>;
    // As the shell expands "-f *.wp": the first name is -f's value.
    CommandLine line = Parse({"-f", "a.wp", "b.wp", "c.wp", "-o", "out"});
    EXPECT_EQ(line.inputItems, (Items{"a.wp", "b.wp", "c.wp"}));
    // Only -f's value is split at "|"; a name the shell passed whole stays whole.
    EXPECT_EQ(Parse({"-f", "a.wp| \"b c.wp\"", "x|y.wp", " z.wp", "-o", "out"}).inputItems,
              (Items{"a.wp", "b c.wp", "x|y.wp", " z.wp"}));
    // A flag takes no value: the name after it is an input, not lost.
    CommandLine flagged = Parse({"-r", "a.wp", "-p", "b.wp", "-o", "out"});
    EXPECT_EQ(flagged.inputItems, (Items{"a.wp", "b.wp"}));
    EXPECT_EQ(flagged.rightToLeftDocument, 1);
    EXPECT_EQ(flagged.reverseParentheses, 1);
    EXPECT_EQ(Parse({"-o", "out", "--", "-odd.wp"}).inputItems, Items{"-odd.wp"});
}

TEST(CommandLine, FilterForm) {
    CommandLine line = Parse({"-f", "-", "-o", "-", "-t"});
    EXPECT_EQ(line.action, CommandLine::kFilter);
    EXPECT_EQ(line.reverseTabAlignment, 1);
    EXPECT_EQ(Parse({"-f", "-", "-o", "out"}).action, CommandLine::kUsageError);
    CommandLine named = Parse({"-f", "a.wp", "-o", "-"});
    EXPECT_EQ(named.action, CommandLine::kFilter);
    EXPECT_EQ(named.filterInput, "a.wp");
    EXPECT_EQ(Parse({"-f", "a.wp|b.wp", "-o", "-"}).action, CommandLine::kUsageError);
    EXPECT_EQ(Parse({"-f", "-", "-o", "-", "-w"}).action, CommandLine::kUsageError);
}

TEST(CommandLine, JobsAndRecursion) {
    CommandLine line = Parse({"-R", "docs", "-j", "4", "-o", "out"});
    EXPECT_EQ(line.action, CommandLine::kBatch);
    EXPECT_TRUE(line.recursive);
    EXPECT_EQ(line.jobs, 4);
    EXPECT_EQ(line.inputItems, std::vector<std::string>{"docs"});
    CommandLine plain = Parse({"-f", "a.wp", "-o", "out"});
    EXPECT_FALSE(plain.recursive);
    EXPECT_EQ(plain.jobs, 0);  // as many as there are processors
    EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "-j", "1024"}).jobs, 1024);
    for (const char* wrong : {"0", "1025", "-1", "2.5", " 3", "TRUE"})
        EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "-j", wrong}).action, CommandLine::kUsageError) << wrong;
    EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "-j"}).action, CommandLine::kUsageError);
    EXPECT_EQ(Parse({"-f", "-", "-o", "-", "-j", "2"}).action, CommandLine::kFilter);
    EXPECT_EQ(Parse({"-f", "-", "-o", "-", "-R"}).action, CommandLine::kUsageError);
}

TEST(CommandLine, GnuHelpAndVersion) {
    EXPECT_EQ(Parse({"--help"}).action, CommandLine::kHelp);
    EXPECT_EQ(Parse({"-f", "a", "--version"}).action, CommandLine::kVersion);
    EXPECT_EQ(Parse({"--frobnicate"}).action, CommandLine::kUsageError);
}

// Long options take the next argument whatever it looks like; the line's
// other problems are rows of the command table.
TEST(CommandLine, LongOptionsAndTheirProblems) {
    CommandLine line = Parse({"-f", "a.wp", "-o", "out", "--existing", "skip", "--password", "-secret", "-v"});
    EXPECT_EQ(line.action, CommandLine::kBatch);
    EXPECT_EQ(line.existing, ExistingOutput::kSkip);
    EXPECT_EQ(line.password, "-secret");
    EXPECT_TRUE(line.verbose);
    EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "--existing=overwrite"}).existing, ExistingOutput::kOverwrite);
    EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "--existing", "keep"}).problem,
              "--existing takes backup, overwrite or skip");
    EXPECT_EQ(Parse({"-f", "a.wp", "-o", "out", "--password"}).problem, "--password needs a value");
}

}  // namespace
}  // namespace quorin
