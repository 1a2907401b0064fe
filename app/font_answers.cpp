#include "app/font_answers.h"

#include "fonts/fontconfig_catalog.h"
#include "fonts/unattended_font_chooser.h"

namespace quorin {

namespace {

// The chooser with the map, catalog and matcher it reads from.
class UnattendedFontAnswers : public FontResolver {
public:
    FontSubstitutes LookupSubstitutes(const std::string& wordPerfectName) override {
        return chooser_.LookupSubstitutes(wordPerfectName);
    }

private:
    FontMap map_;
    FontconfigCatalog catalog_;
    FontconfigMatcher matcher_;
    UnattendedFontChooser chooser_{map_, catalog_, &matcher_};
};

}  // namespace

std::unique_ptr<FontResolver> MakeFontResolver() { return std::make_unique<UnattendedFontAnswers>(); }

}  // namespace quorin
