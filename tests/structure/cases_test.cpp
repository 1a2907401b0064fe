// Every byte-exact case of the structure: the *.cases files of this folder.
#include <gtest/gtest.h>

#include "core/document_information.h"
#include "core/style_sheet.h"
#include "support/case_runner.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// `styles:` a style packet, its entries as written after "{\stylesheet";
// `information:` a summary packet, written in place of earlier text.
std::string ConvertStructureCase(const TestCase& c) {
    if (c.Has("styles")) {
        ConversionOptions options;
        RtfBuffer piece("{\\stylesheet");
        WriteStyleEntries(RtfBuffer(c.Codes("styles")), piece, options, kNeverCancelled);
        return piece.substr(12);
    }
    if (c.Has("information")) {
        RtfBuffer piece("earlier text");
        WriteDocumentInformation(RtfBuffer(c.Codes("information")), piece);
        return piece;
    }
    return ConvertCase(c);
}

TEST(StructureCases, EachGivesItsRtf) { CheckCases("structure", ConvertStructureCase); }

}  // namespace
}  // namespace quorin::test
