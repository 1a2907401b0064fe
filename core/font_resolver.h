#pragma once
#include <string>

namespace quorin {

// The three faces that stand in for one WordPerfect font. An empty name means
// that no face is wanted for that script.
struct FontSubstitutes {
    std::string english;
    std::string hebrew;
    std::string arabic;
};

// Answers which faces replace a WordPerfect font. Implemented above the core
// (the remembered font map with a chooser); may set the cancel request.
class FontResolver {
public:
    virtual ~FontResolver() = default;
    virtual FontSubstitutes LookupSubstitutes(const std::string& wordPerfectName) = 0;
};

}  // namespace quorin
