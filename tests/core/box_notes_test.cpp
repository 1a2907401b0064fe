// The conversion notes count, by kind, the boxes whose contents it does not
// carry into the RTF (a graphic, a file on disk, an equation of which nothing
// is written), wherever they stand, so that the batch can say so.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/convert_document.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

using Counts = std::array<int, kBoxKinds>;

ConversionNotes NotesOf(const std::string& body, int* result = nullptr) {
    RtfBuffer document(WpDocument().Body(body).Build()), message;
    ConversionOptions options;
    ConversionNotes notes;
    notes.boxesNotConverted.fill(-1);  // filled in only by a conversion that succeeds
    const int converted = ConvertDocument(document, message, nullptr, options, nullptr, &notes);
    if (result) *result = converted;
    return notes;
}

std::string Equation(const std::string& caption, const std::string& source) {
    return Box(4, 0x08, caption, std::string(10, '\0') + Word(static_cast<int>(source.size())) + source + "drawn");
}

TEST(BoxNotes, OnlyWhatIsNotCarriedIsCounted) {
    const struct {
        const char* what;
        std::string body;
        Counts counted;
    } cases[] = {
        {"text in a table box, a text box, a user box", Box(1, 0x10, "c", "t") + Box(2, 0x10, "", "t") +
                                                            Box(3, 0x10, "", "t"), {}},
        {"empty boxes", Box(0, 0, "", "") + Box(2, 0x10, "", ""), {}},
        {"a figure's graphic, caption or not", Box(0, 0x80, "c", "") + Box(0, 0x80, "", ""), {2, 0, 0, 0, 0, 0, 0}},
        {"a text box holding a file", Box(2, 0x01, "c", "NAME.TXT"), {0, 0, 1, 0, 0, 0, 0}},
        {"an equation's source", Equation("", "x over y"), {}},
        {"an equation with a caption only", Equation("c", ""), {}},
        {"an equation of which nothing is written", Equation("", ""), {0, 0, 0, 0, 1, 0, 0}},
        {"lines", Box(5, 0, "", "") + Box(6, 0, "", ""), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(NotesOf("a" + c.body + "z").boxesNotConverted, c.counted) << c.what;
}

TEST(BoxNotes, EveryBoxIsCountedOnceWhereverItStands) {
    // A header, a footnote, marked text (read twice, for its entry), reversed
    // text and a table cell each hold a figure.
    const std::string figure = Box(0, 0x80, "caption", "");
    TableLayout layout;
    layout.widths = {1200};
    const std::string reversed = Variable(0xD8, 2, std::string(2, '\0') + "r" + figure + '\0');
    const std::string body = "a" + figure + HeaderFooter(0, 1, "h" + figure) + Footnote("n" + figure) + MarkStart() +
                             "m" + figure + MarkEnd(1) + reversed + TableDefinition(layout) + TableRow() +
                             TableCell({}) + "c" + figure + TableOff() + "z";
    EXPECT_EQ(NotesOf(body).BoxesNotConverted(), 6);
}

// Text in footnotes nested eight deep is beyond the bound: not written, so counted.
TEST(BoxNotes, TextBeyondTheNestingBoundIsCounted) {
    for (int depth : {7, 8}) {
        std::string body = Box(2, 0x10, "", "deep");
        for (int level = 0; level < depth; ++level) body = Footnote(body);
        EXPECT_EQ(NotesOf(body).boxesNotConverted[2], depth == 8 ? 1 : 0) << depth;
    }
}

// Subfunctions past the box kinds are no boxes; a box code the end of the
// document cuts off is not read; a box code without fields holds nothing.
TEST(BoxNotes, HostileBoxCodes) {
    EXPECT_EQ(NotesOf(Box(7, 0x80, "", "") + Box(255, 0x80, "", "") + "x").BoxesNotConverted(), 0);
    EXPECT_EQ(NotesOf(Variable(0xDA, 0, "") + "x").BoxesNotConverted(), 0);
    std::string cut = Box(0, 0x80, "", "");
    cut.resize(cut.size() / 2);
    int result = -1;
    EXPECT_EQ(NotesOf("x" + cut, &result).BoxesNotConverted(), 0);
    EXPECT_EQ(result, kConverted);
}

// The builder writes the code as the lines of a WordPerfect 5.1 document
// are: 125 bytes, ending with the length word 121, the subfunction and 0xDA.
TEST(BoxNotes, BoxCodesAreBuiltAsWordPerfectWritesThem) {
    const std::string line = Box(5, 0, "", "");
    ASSERT_EQ(line.size(), 125u);
    EXPECT_EQ(line.substr(121), Bytes({121, 0, 5, 0xDA}));
    EXPECT_EQ(line.substr(0, 4), Bytes({0xDA, 5, 121, 0}));
}

}  // namespace
}  // namespace quorin::test
