#include "support/case_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <sstream>
#include <string_view>

#include "core/convert_document.h"
#include "core/document_reader.h"
#include "support/rtf_checks.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// The inputs of every area and the expectations; any other key is a typing fault.
constexpr std::array<std::string_view, 12> kInputs = {"body",   "document", "packet", "file",   "plain",  "options",
                                                      "styles", "information", "fonts", "pool", "answer", "cancel-at"};
constexpr std::array<std::string_view, 6> kExpectations = {"rtf", "frame", "contains", "ends", "throws", "asked"};

bool In(const auto& keys, const std::string& key) { return std::find(keys.begin(), keys.end(), key) != keys.end(); }

void CheckCase(const TestCase& c, const CaseProducer& produce) {
    const std::string path = "tests/" + c.file;
    for (const auto& field : c.fields)
        if (!In(kInputs, field.key) && !In(kExpectations, field.key))
            ADD_FAILURE_AT(path.c_str(), field.line) << c.title << ": unknown key '" << field.key << "'";
    if (std::none_of(c.fields.begin(), c.fields.end(), [](const auto& f) { return In(kExpectations, f.key); })) {
        ADD_FAILURE_AT(path.c_str(), c.line) << c.title << ": the case expects nothing";
        return;
    }
    ::testing::ScopedTrace trace(path.c_str(), c.line, c.title);
    std::string text;
    try {
        text = produce(c);
    } catch (const std::invalid_argument& e) {
        if (c.Has("throws") && c.All("throws").front() == "invalid_argument") return;
        ADD_FAILURE_AT(path.c_str(), c.line) << c.title << ": threw invalid_argument (" << e.what() << ")";
        return;
    } catch (const std::exception& e) {
        ADD_FAILURE_AT(path.c_str(), c.line) << c.title << ": " << e.what();
        return;
    }
    for (const TestCase::Field& field : c.fields) {
        std::string want = DecodeText(field.value);
        bool met = true;
        if (field.key == "rtf") met = text == want;
        else if (field.key == "frame") met = text == PlainFrame(want);
        else if (field.key == "contains") met = text.find(want) != std::string::npos;
        else if (field.key == "ends") met = text.size() >= want.size() && text.compare(text.size() - want.size(), want.size(), want) == 0;
        else if (field.key == "throws") {
            ADD_FAILURE_AT(path.c_str(), field.line) << c.title << ": expected " << field.value << ", got\n  " << EncodeText(text);
            continue;
        }
        if (!met)
            ADD_FAILURE_AT(path.c_str(), field.line) << c.title << "\n  " << field.key << ": " << EncodeText(want)
                                                     << "\n  actual: " << EncodeText(text);
    }
    if (!BracesBalanced(text)) ADD_FAILURE_AT(path.c_str(), c.line) << c.title << ": unbalanced braces in\n  " << EncodeText(text);
}

// The case's `options:`; `in-field` writes plain characters as field text.
void ApplyOptions(const TestCase& c, ConversionOptions& options, bool& inField) {
    for (const std::string& value : c.All("options")) {
        std::istringstream words(value);
        for (std::string word; words >> word;) {
            if (word == "rtl") options.rightToLeftDocument = 1;
            else if (word == "reverse-tabs") options.reverseTabAlignment = 1;
            else if (word == "reverse-parentheses") options.reverseParentheses = 1;
            else if (word == "in-field") inField = true;
            else throw CaseFileError("unknown option '" + word + "'");
        }
    }
}

// A whole file through the conversion, which must accept it and leave the message alone.
std::string ConvertWholeFile(const std::string& file, const ConversionOptions& options) {
    RtfBuffer document(file), message;
    int result = ConvertDocument(document, message, nullptr, options);
    if (result != kConverted) throw CaseFileError("the conversion refused the file (" + std::to_string(result) + "): " + message);
    EXPECT_EQ(message, "") << "a converted document leaves the message alone";
    return document;
}

}  // namespace

void CheckCases(const std::string& folder, const CaseProducer& produce) {
    std::vector<TestCase> cases;
    try {
        cases = ReadCaseFolder(folder);
    } catch (const std::exception& e) {
        FAIL() << e.what();
    }
    for (const TestCase& c : cases) CheckCase(c, produce);
    ::testing::Test::RecordProperty("cases", static_cast<int>(cases.size()));
    std::cout << cases.size() << " cases under tests/" << folder << "\n";
}

std::string ConvertCase(const TestCase& c) {
    bool inField = false;
    ConversionOptions options;
    ApplyOptions(c, options, inField);
    if (c.Has("body")) return ConvertBody(c.Codes("body"), options);
    if (c.Has("document")) {
        WpDocument document;
        for (const std::string& packet : c.All("packet")) {
            auto [type, data] = c.NumberAndCodes(packet);
            document.Packet(static_cast<uint16_t>(type), data);
        }
        return ConvertWholeFile(document.Body(c.Codes("document")).Build(), options);
    }
    if (c.Has("file")) return ConvertWholeFile(c.Codes("file"), options);
    if (c.Has("plain")) {
        DocumentReader reader(options, kNeverCancelled);
        if (inField) reader.AdjustFieldDepth(1);
        RtfBuffer out;
        for (char ch : c.Codes("plain")) reader.WritePlainCharacter(static_cast<uint8_t>(ch), out);
        return out;
    }
    throw CaseFileError("the case has no input (body:, document:, file: or plain:)");
}

}  // namespace quorin::test
