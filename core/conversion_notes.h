#pragma once
#include <array>

namespace quorin {

// The kinds of box, numbered as the box code's subfunction numbers them.
enum class BoxKind { kFigure, kTableBox, kTextBox, kUserBox, kEquation, kHorizontalLine, kVerticalLine };
inline constexpr int kBoxKinds = 7;

// What a conversion met in the document but did not carry into the RTF, so
// that the batch can say so: nothing of a document is lost silently.
struct ConversionNotes {
    // Boxes by kind whose contents are not carried into the RTF: a graphic, a
    // file on disk, an equation of which nothing is written, text beyond the
    // nesting bound. Lines hold nothing to carry and are not counted.
    std::array<int, kBoxKinds> boxesNotConverted{};

    int BoxesNotConverted() const {
        int total = 0;
        for (int count : boxesNotConverted) total += count;
        return total;
    }
};

}  // namespace quorin
