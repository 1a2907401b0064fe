#pragma once
// Byte-exact cases kept as data: files of cases, each a short description of
// the input and the text expected. tests/README.md describes the notation.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorin::test {

// A fault in a case file; the case that holds it fails with this message.
struct CaseFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The forms a case file defines with `let`, beside the built-in ones.
struct CaseForms {
    struct Form {
        std::vector<std::string> parameters;
        std::string body;
    };
    std::map<std::string, Form, std::less<>> forms;
};

struct TestCase {
    std::string file;  // relative to tests/
    int line = 0;      // of the title
    std::string title;
    struct Field {
        std::string key, value;  // continuation lines joined with '\n'
        int line;
    };
    std::vector<Field> fields;
    std::shared_ptr<const CaseForms> forms;

    bool Has(std::string_view key) const;
    // The raw values of `key`, in their order.
    std::vector<std::string> All(std::string_view key) const;
    // The value of `key` read as codes; empty when the case has no such field.
    std::string Codes(std::string_view key) const;
    // One raw value read as a list of codes separated by commas, and as a
    // number, a comma and codes (as `packet: 3, fixed(0xC3, 12)`).
    std::vector<std::string> CodeList(const std::string& value) const;
    std::pair<int, std::string> NumberAndCodes(const std::string& value) const;
};

// The cases of every file under tests/`folder` whose name ends in ".cases",
// files in name order, cases in file order.
std::vector<TestCase> ReadCaseFolder(const std::string& folder);
// The cases of one text; `file` names it in messages.
std::vector<TestCase> ReadCases(std::string_view text, const std::string& file);

// Codes in the notation, with the forms of `forms` beside the built-in ones.
std::string DecodeCodes(std::string_view notation, const CaseForms& forms = {});
// Text expected, as `rtf:` gives it: continuation lines join without a break
// and `\n` not followed by a lower-case letter is a line feed; and back.
std::string DecodeText(std::string_view notation);
std::string EncodeText(std::string_view text);

}  // namespace quorin::test
