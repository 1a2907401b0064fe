// The font table: every case of font_table.cases, with a resolver that
// answers from the case and remembers what it was asked.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/font_table.h"
#include "support/case_runner.h"

namespace quorin::test {
namespace {

// Answers from a table, remembering what it was asked; may cancel at one question.
class ScriptedResolver : public FontResolver {
public:
    ScriptedResolver(std::map<std::string, FontSubstitutes> answers, CancelRequest& cancel, size_t cancelAt)
        : answers_(std::move(answers)), cancel_(cancel), cancelAt_(cancelAt) {}

    FontSubstitutes LookupSubstitutes(const std::string& name) override {
        asked.push_back(name);
        if (asked.size() == cancelAt_) cancel_.Request();
        auto found = answers_.find(name);
        return found == answers_.end() ? FontSubstitutes{} : found->second;
    }

    std::vector<std::string> asked;

private:
    std::map<std::string, FontSubstitutes> answers_;
    CancelRequest& cancel_;
    size_t cancelAt_;
};

std::string ConvertFontCase(const TestCase& c) {
    std::map<std::string, FontSubstitutes> answers;
    for (const std::string& answer : c.All("answer")) {
        std::vector<std::string> faces = c.CodeList(answer);
        if (faces.size() != 4) throw CaseFileError("answer: a name and three faces");
        answers[faces[0]] = {faces[1], faces[2], faces[3]};
    }
    CancelRequest cancel;
    size_t cancelAt = c.Has("cancel-at") ? std::stoul(c.All("cancel-at").front()) : 0;
    ScriptedResolver resolver(answers, cancel, cancelAt);
    const bool resolves = c.Has("answer") || c.Has("asked");
    RtfBuffer list(c.Codes("fonts")), names(c.Codes("pool")), piece("earlier text");
    WriteFontTable(list, names, piece, cancel, resolves ? &resolver : nullptr);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(names.empty());
    if (c.Has("asked")) {
        EXPECT_EQ(resolver.asked, c.CodeList(c.All("asked").front()));
    }
    return piece;
}

TEST(FontTable, EachCaseGivesItsTable) { CheckCases("fonts", ConvertFontCase); }

}  // namespace
}  // namespace quorin::test
