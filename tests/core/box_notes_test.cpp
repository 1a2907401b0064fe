// Boxes are not carried into the RTF: the conversion counts them by kind,
// wherever they stand, so that the batch can say what was not converted.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/convert_document.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// A box code of the given kind (the subfunction) with `size` bytes of fields.
std::string Box(int kind, size_t size = 120) {
    return Variable(0xDA, static_cast<uint8_t>(kind), std::string(size, '\0'));
}

ConversionNotes NotesOf(const std::string& body, int* result = nullptr) {
    RtfBuffer document(WpDocument().Body(body).Build()), message;
    ConversionOptions options;
    ConversionNotes notes;
    notes.boxesNotConverted.fill(-1);  // filled in only by a conversion that succeeds
    const int converted = ConvertDocument(document, message, nullptr, options, nullptr, &notes);
    if (result) *result = converted;
    return notes;
}

TEST(BoxNotes, EveryBoxIsCountedOnceWhereverItStands) {
    std::string boxes;
    for (int kind = 0; kind < kBoxKinds; ++kind) boxes += Box(kind);
    // A header, a footnote, marked text (read twice, for its entry), reversed
    // text and a table cell each hold a text box.
    const std::string textBox = Box(2);
    TableLayout layout;
    layout.widths = {1200};
    const std::string reversed = Variable(0xD8, 2, std::string(2, '\0') + "r" + textBox + '\0');
    const std::string body = "a" + boxes + Box(3) + HeaderFooter(0, 1, "h" + textBox) + Footnote("n" + textBox) +
                             MarkStart() + "m" + textBox + MarkEnd(1) + reversed + TableDefinition(layout) +
                             TableRow() + TableCell({}) + "c" + textBox + TableOff() + "z";
    const ConversionNotes notes = NotesOf(body);
    EXPECT_EQ(notes.boxesNotConverted, (std::array<int, kBoxKinds>{1, 1, 6, 2, 1, 1, 1}));
    EXPECT_EQ(notes.BoxesNotConverted(), 13);
}

TEST(BoxNotes, ABoxWritesNothingAndTheTextAroundStays) {
    EXPECT_EQ(ConvertBody("before" + Box(2) + "after"), ConvertBody("beforeafter"));
    EXPECT_EQ(NotesOf("plain text").BoxesNotConverted(), 0);
}

// Subfunctions past the box kinds are no boxes; a box code the end of the
// document cuts off is not read; a box code without fields is still a box.
TEST(BoxNotes, HostileBoxCodes) {
    EXPECT_EQ(NotesOf(Box(7) + Box(255) + "x").BoxesNotConverted(), 0);
    EXPECT_EQ(NotesOf(Box(0, 0) + "x").boxesNotConverted[0], 1);
    std::string cut = Box(2);
    cut.resize(cut.size() / 2);
    int result = -1;
    EXPECT_EQ(NotesOf("x" + cut, &result).BoxesNotConverted(), 0);
    EXPECT_EQ(result, kConverted);
}

}  // namespace
}  // namespace quorin::test
