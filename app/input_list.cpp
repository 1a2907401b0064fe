#include "app/input_list.h"

namespace quorin {

namespace {

std::string TrimSpaces(const std::string& text) {
    const char* spaces = " \t\r\n\v\f";
    size_t first = text.find_first_not_of(spaces);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

}  // namespace

std::vector<std::string> SplitInputList(const std::string& list) {
    std::vector<std::string> items;
    std::string item;
    bool quoted = false;
    auto finish = [&] {
        std::string name = TrimSpaces(item);
        // Quotes that are not whole pairs (a stray one at either end) go too.
        while (!name.empty() && name.front() == '"') name.erase(0, 1);
        while (!name.empty() && name.back() == '"') name.pop_back();
        name = TrimSpaces(name);
        if (!name.empty()) items.push_back(std::move(name));
        item.clear();
    };
    for (char c : list) {
        if (c == '"') quoted = !quoted;
        if (c == '|' && !quoted) {
            finish();
            continue;
        }
        item += c;
    }
    finish();
    return items;
}

}  // namespace quorin
