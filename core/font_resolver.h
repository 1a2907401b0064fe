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
    // The same question asked for the document at `documentPath`, for
    // answerers that show the person which document asks; by default the
    // answer does not depend on it.
    virtual FontSubstitutes LookupSubstitutesFor([[maybe_unused]] const std::string& documentPath,
                                                 const std::string& wordPerfectName) {
        return LookupSubstitutes(wordPerfectName);
    }
};

}  // namespace quorin
