#include "support/case_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

bool IsNameStart(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }
bool IsNameChar(char c) { return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-'; }

// What an expression stands for: its bytes and, when it is made of numbers
// only, the numbers, which need not fit in a byte until the bytes are used.
struct Value {
    std::string bytes;
    std::vector<int> numbers;
    bool numeric = true;
    bool bytesFit = true;

    static Value Number(int n) { return {std::string(1, static_cast<char>(n & 0xFF)), {n}, true, n >= -128 && n <= 255}; }
    static Value Bytes(std::string bytes) { return {std::move(bytes), {}, false, true}; }
    void Append(const Value& v) {
        bytes += v.bytes;
        numbers.insert(numbers.end(), v.numbers.begin(), v.numbers.end());
        numeric = numeric && v.numeric;
        bytesFit = bytesFit && v.bytesFit;
    }
    const std::string& AsBytes() const {
        if (!bytesFit) throw CaseFileError("a number past 255 where bytes are expected");
        return bytes;
    }
    const std::vector<int>& AsNumbers() const {
        if (!numeric) throw CaseFileError("numbers expected, not \"" + bytes + "\"");
        return numbers;
    }
    int AsNumber() const {
        if (AsNumbers().size() != 1) throw CaseFileError("one number expected");
        return numbers[0];
    }
};

struct Argument {
    std::string name;  // empty when given by position
    Value value;
};
using Arguments = std::vector<Argument>;

// Argument i, empty when missing.
const Value& At(const Arguments& args, size_t i) {
    static const Value kEmpty;
    if (i >= args.size()) return kEmpty;
    if (!args[i].name.empty()) throw CaseFileError("argument " + args[i].name + " must be given by position");
    return args[i].value;
}
int Int(const Arguments& args, size_t i) { return At(args, i).AsNumber(); }

// The named arguments of a form; a name the form does not know is a fault.
class Named {
public:
    Named(const Arguments& args, const std::vector<std::string>& known) {
        for (const Argument& a : args) {
            if (std::find(known.begin(), known.end(), a.name) == known.end())
                throw CaseFileError("unknown argument '" + a.name + "'");
            values_[a.name] = &a.value;
        }
    }
    int Number(const std::string& name, int fallback) const {
        return values_.count(name) ? values_.at(name)->AsNumber() : fallback;
    }
    std::vector<int> Numbers(const std::string& name) const {
        return values_.count(name) ? values_.at(name)->AsNumbers() : std::vector<int>{};
    }

private:
    std::map<std::string, const Value*> values_;
};

std::string FixedCode(int code, const std::string& fields) {
    if (code < 0xC0 || code > 0xCF) throw CaseFileError("fixed: the code must be 0xC0 to 0xCF");
    std::string padded = Fixed(static_cast<uint8_t>(code));
    if (fields.size() + 1 >= padded.size()) return padded.substr(0, 1) + fields;
    return padded.replace(1, fields.size(), fields);
}

std::string Each(const Value& v, const std::function<std::string(int)>& write) {
    std::string s;
    for (int n : v.AsNumbers()) s += write(n);
    return s;
}

using Builtin = std::function<std::string(const Arguments&)>;

// The forms every case file may use: the builders of wp_builder.h and
// structure_codes.h, and a helper to lay out fields.
const std::map<std::string, Builtin, std::less<>>& Builtins() {
    static const std::map<std::string, Builtin, std::less<>> builtins = {
        {"word", [](const Arguments& a) { return Each(At(a, 0), Word); }},
        {"dword", [](const Arguments& a) { return Each(At(a, 0), [](int n) { return Dword(static_cast<uint32_t>(n)); }); }},
        {"fixed", [](const Arguments& a) { return FixedCode(Int(a, 0), At(a, 1).AsBytes()); }},
        {"variable", [](const Arguments& a) {
             return Variable(static_cast<uint8_t>(Int(a, 0)), static_cast<uint8_t>(Int(a, 1)), At(a, 2).AsBytes());
         }},
        {"ext", [](const Arguments& a) {
             return Each(At(a, 1), [set = static_cast<uint8_t>(Int(a, 0))](int c) { return Extended(set, static_cast<uint8_t>(c)); });
         }},
        {"resize", [](const Arguments& a) {
             std::string s = At(a, 1).AsBytes();
             s.resize(static_cast<size_t>(Int(a, 0)), '\0');
             return s;
         }},
        {"header", [](const Arguments& a) { return HeaderFooter(Int(a, 0), Int(a, 1), At(a, 2).AsBytes()); }},
        {"footnote", [](const Arguments& a) { return Footnote(At(a, 0).AsBytes(), a.size() > 1 ? Int(a, 1) : 0); }},
        {"endnote", [](const Arguments& a) { return Endnote(At(a, 0).AsBytes()); }},
        {"markstart", [](const Arguments&) { return MarkStart(); }},
        {"markend", [](const Arguments& a) { return MarkEnd(Int(a, 0)); }},
        {"authority", [](const Arguments& a) { return AuthorityMark(Int(a, 0), At(a, 1).AsBytes(), At(a, 2).AsBytes()); }},
        {"table", [](const Arguments& a) {
             Named n(a, {"flags", "shading", "position", "padding", "header-rows", "widths", "attributes", "alignments", "skip"});
             std::vector<int> padding = n.Numbers("padding");
             padding.resize(4, 0);
             return TableDefinition({.flags = n.Number("flags", 0), .shading = n.Number("shading", 0),
                                     .position = n.Number("position", 0), .paddingLeft = padding[0],
                                     .paddingRight = padding[1], .paddingTop = padding[2], .paddingBottom = padding[3],
                                     .headerRows = n.Number("header-rows", 0), .widths = n.Numbers("widths"),
                                     .attributes = n.Numbers("attributes"), .alignments = n.Numbers("alignments"),
                                     .skip = n.Number("skip", 0)});
         }},
        {"row", [](const Arguments& a) {
             return a.empty() ? TableRow() : TableRow(Int(a, 0), Int(a, 1), At(a, 2).AsNumbers(), Int(a, 3));
         }},
        {"cell", [](const Arguments& a) {
             Named n(a, {"flags", "first", "span", "rows", "attributes", "alignment"});
             return TableCell({.flags = n.Number("flags", 0), .first = n.Number("first", 0), .span = n.Number("span", 1),
                               .rows = n.Number("rows", 1), .attributes = n.Number("attributes", 0),
                               .alignment = n.Number("alignment", 0)});
         }},
        {"tableoff", [](const Arguments&) { return TableOff(); }},
        {"box", [](const Arguments& a) {
             return Box(Int(a, 0), Int(a, 1), a.size() > 2 ? At(a, 2).AsBytes() : "", a.size() > 3 ? At(a, 3).AsBytes() : "");
         }},
    };
    return builtins;
}

// Reads one expression of the notation (see tests/README.md).
class Expression {
public:
    Expression(std::string_view text, const CaseForms& forms, const std::map<std::string, Value>* parameters = nullptr,
               int depth = 0)
        : text_(text), forms_(forms), parameters_(parameters), depth_(depth) {
        if (depth > 64) throw CaseFileError("forms nested too deeply");
    }

    Value Whole() {
        Value v = Sequence();
        End();
        return v;
    }

    std::vector<Value> List() {
        std::vector<Value> list{Sequence()};
        while (Accept(',')) list.push_back(Sequence());
        End();
        return list;
    }

private:
    void Skip() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }
    bool Accept(char c) {
        Skip();
        if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
        return false;
    }
    void End() {
        Skip();
        if (at_ < text_.size()) throw Fault("unexpected '" + std::string(1, text_[at_]) + "'");
    }
    CaseFileError Fault(const std::string& what) const {
        return CaseFileError(what + " at \"" + std::string(text_.substr(0, at_)) + "\"");
    }

    Value Sequence() {
        Value v;
        for (Skip(); at_ < text_.size() && text_[at_] != ',' && text_[at_] != ')'; Skip()) {
            Value item = Primary();
            if (Accept('*')) {
                Skip();
                int count = Number();
                if (count < 0 || count > 1'000'000) throw Fault("a repeat count of 0 to 1000000");
                for (int i = 0; i < count; ++i) v.Append(item);
            } else {
                v.Append(item);
            }
        }
        return v;
    }

    Value Primary() {
        char c = text_[at_];
        if (c == '"') return String();
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return Value::Number(Number());
        if (!IsNameStart(c)) throw Fault("unexpected '" + std::string(1, c) + "'");
        std::string name = Name();
        if (Accept('(')) return Call(name, ArgumentList());
        if (parameters_) {
            auto found = parameters_->find(name);
            if (found != parameters_->end()) return found->second;
        }
        throw Fault("unknown name '" + name + "' (a form is called with parentheses)");
    }

    std::string Name() {
        size_t start = at_;
        while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
        return std::string(text_.substr(start, at_ - start));
    }

    int Number() {
        size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-') ++at_;
        bool hex = text_.substr(at_, 2) == "0x";
        if (hex) at_ += 2;
        size_t digits = at_;
        while (at_ < text_.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text_[at_]))
                                          : std::isdigit(static_cast<unsigned char>(text_[at_]))))
            ++at_;
        if (at_ == digits || (at_ < text_.size() && IsNameChar(text_[at_]))) throw Fault("a malformed number");
        int n = std::stoi(std::string(text_.substr(digits, at_ - digits)), nullptr, hex ? 16 : 10);
        return text_[start] == '-' ? -n : n;
    }

    Value String() {
        std::string s;
        for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_) {
            if (text_[at_] == '\\') {
                if (++at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\\'))
                    throw Fault("only \\\" and \\\\ are escapes in quotes");
            }
            s += text_[at_];
        }
        if (at_ >= text_.size()) throw Fault("a quotation without its end");
        ++at_;
        return Value::Bytes(s);
    }

    Arguments ArgumentList() {
        Arguments args;
        if (Accept(')')) return args;
        do {
            Argument a;
            Skip();
            size_t start = at_;
            if (at_ < text_.size() && IsNameStart(text_[at_])) {
                std::string name = Name();
                if (Accept('=')) a.name = name;
                else at_ = start;
            }
            a.value = Sequence();
            args.push_back(std::move(a));
        } while (Accept(','));
        if (!Accept(')')) throw Fault("expected ',' or ')'");
        return args;
    }

    Value Call(const std::string& name, const Arguments& args) {
        auto defined = forms_.forms.find(name);
        if (defined != forms_.forms.end()) {
            const CaseForms::Form& form = defined->second;
            if (args.size() > form.parameters.size()) throw Fault(name + ": too many arguments");
            std::map<std::string, Value> bound;
            for (size_t i = 0; i < form.parameters.size(); ++i) bound[form.parameters[i]] = At(args, i);
            return Expression(form.body, forms_, &bound, depth_ + 1).Whole();
        }
        auto builtin = Builtins().find(name);
        if (builtin == Builtins().end() && name != "length") throw Fault("unknown form '" + name + "'");
        try {
            // `length` alone gives a number, so that it may stand in a word.
            if (name == "length") return Value::Number(static_cast<int>(At(args, 0).AsBytes().size()));
            return Value::Bytes(builtin->second(args));
        } catch (const CaseFileError& e) {
            throw Fault(name + ": " + e.what());
        }
    }

    std::string_view text_;
    const CaseForms& forms_;
    const std::map<std::string, Value>* parameters_;
    int depth_;
    size_t at_ = 0;
};

// "let name(a, b) = codes", or "let name = codes" for a form without parameters.
void Define(const std::string& definition, CaseForms& forms) {
    static const std::regex form(R"(([a-z][a-z0-9-]*)\s*(?:\(([^)]*)\))?\s*=([\s\S]*))"), parameter(R"(\s*([a-z][a-z0-9-]*)\s*)");
    std::smatch parts;
    if (!std::regex_match(definition, parts, form)) throw CaseFileError("expected let name(parameters) = codes");
    CaseForms::Form& defined = forms.forms[parts[1]];
    defined.body = parts[3];
    std::istringstream list(parts[2]);
    for (std::string p; std::getline(list, p, ',');) {
        std::smatch name;
        if (!std::regex_match(p, name, parameter)) throw CaseFileError("a malformed parameter '" + p + "'");
        defined.parameters.push_back(name[1]);
    }
}

}  // namespace

bool TestCase::Has(std::string_view key) const {
    return std::any_of(fields.begin(), fields.end(), [&](const Field& f) { return f.key == key; });
}

std::vector<std::string> TestCase::All(std::string_view key) const {
    std::vector<std::string> values;
    for (const Field& f : fields)
        if (f.key == key) values.push_back(f.value);
    return values;
}

std::string TestCase::Codes(std::string_view key) const {
    std::string codes;
    for (const std::string& value : All(key)) codes += DecodeCodes(value, *forms);
    return codes;
}

std::vector<std::string> TestCase::CodeList(const std::string& value) const {
    std::vector<std::string> list;
    for (const Value& v : Expression(value, *forms).List()) list.push_back(v.AsBytes());
    return list;
}

std::pair<int, std::string> TestCase::NumberAndCodes(const std::string& value) const {
    std::vector<Value> list = Expression(value, *forms).List();
    if (list.size() != 2) throw CaseFileError("expected a number, a comma and codes in \"" + value + "\"");
    return {list[0].AsNumber(), list[1].AsBytes()};
}

std::string DecodeCodes(std::string_view notation, const CaseForms& forms) {
    return Expression(notation, forms).Whole().AsBytes();
}

std::string DecodeText(std::string_view notation) {
    std::string text;
    for (size_t i = 0; i < notation.size(); ++i) {
        char c = notation[i], next = i + 1 < notation.size() ? notation[i + 1] : '\0';
        if (c == '\n') continue;  // continuation lines join without a break
        if (c == '\\' && next == '\\') {
            text += "\\\\";
            ++i;
        } else if (c == '\\' && next == 'n' && !(i + 2 < notation.size() && IsNameStart(notation[i + 2]))) {
            text += '\n';
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::string EncodeText(std::string_view text) {
    std::string notation;
    for (char c : text) notation += c == '\n' ? std::string("\\n") : std::string(1, c);
    return notation;
}

std::vector<TestCase> ReadCases(std::string_view text, const std::string& file) {
    auto forms = std::make_shared<CaseForms>();
    std::vector<TestCase> cases;
    std::vector<std::pair<int, std::string>> definitions;
    std::string* open = nullptr;  // the value that indented lines continue
    std::istringstream lines{std::string(text)};
    int number = 0;
    auto fault = [&](const std::string& what) { return CaseFileError("tests/" + file + ":" + std::to_string(number) + ": " + what); };
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) {
            open = nullptr;
        } else if (line[0] == ' ' || line[0] == '\t') {
            if (!open) throw fault("an indented line continues nothing");
            *open += '\n' + line.substr(line.find_first_not_of(" \t"));
        } else if (line.rfind("##", 0) == 0) {
            TestCase c;
            c.file = file;
            c.line = number;
            c.title = line.substr(std::min(line.find_first_not_of("# "), line.size()));
            c.forms = forms;
            cases.push_back(std::move(c));
            open = nullptr;
        } else if (line[0] == '#') {
            open = nullptr;
        } else if (line.rfind("let ", 0) == 0) {
            definitions.emplace_back(number, line.substr(4));
            open = &definitions.back().second;
        } else {
            size_t colon = line.find(':');
            std::string key = line.substr(0, colon);
            if (colon == std::string::npos || key.empty() || !std::all_of(key.begin(), key.end(), IsNameChar))
                throw fault("expected \"key: value\", \"## title\", \"let\" or \"#\"");
            if (cases.empty()) throw fault("a field before the first case");
            size_t value = line.find_first_not_of(' ', colon + 1);
            cases.back().fields.push_back({key, value == std::string::npos ? "" : line.substr(value), number});
            open = &cases.back().fields.back().value;
        }
    }
    for (const auto& [at, definition] : definitions) {
        try {
            Define(definition, *forms);
        } catch (const CaseFileError& e) {
            number = at;
            throw fault(e.what());
        }
    }
    return cases;
}

std::vector<TestCase> ReadCaseFolder(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(QUORIN_TEST_SOURCE) / folder))
        if (entry.path().extension() == ".cases") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<TestCase> cases;
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        auto read = ReadCases(text.str(), folder + "/" + path.filename().string());
        cases.insert(cases.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    }
    if (cases.empty()) throw CaseFileError("no cases under tests/" + folder);
    return cases;
}

}  // namespace quorin::test
