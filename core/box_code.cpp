#include "core/box_code.h"

#include <algorithm>

#include "core/code_view.h"

namespace quorin {

namespace {

constexpr size_t kContentTypeAt = 52;
constexpr size_t kCaptionLengthAt = 119;
constexpr size_t kCaptionAt = 121;
constexpr size_t kEquationSourceLengthAt = 10;  // in the equation's block
constexpr size_t kEquationSourceAt = 12;

}  // namespace

BoxCode ReadBoxCode(std::string_view code) {
    const CodeView view(code);
    // The length word counts the code's bytes after it, the 4 trailing ones
    // included: the parts lie before offset L.
    const size_t end = std::min<size_t>(view.WordOr0(2), code.size());
    // `length` bytes from `at`, cut at the end.
    auto part = [&](size_t at, size_t length) {
        return at < end ? code.substr(at, std::min(length, end - at)) : std::string_view();
    };
    BoxCode box;
    box.contentType = view.ByteOr0(kContentTypeAt);
    if (end < kCaptionAt) return box;
    box.caption = part(kCaptionAt, view.WordOr0(kCaptionLengthAt));
    const size_t contentsAt = kCaptionAt + box.caption.size();
    switch (static_cast<BoxContentType>(box.contentType)) {
        case BoxContentType::kText:
            box.text = part(contentsAt, end);
            break;
        case BoxContentType::kEquation:
            if (contentsAt + kEquationSourceAt <= end)
                box.text = part(contentsAt + kEquationSourceAt, view.WordOr0(contentsAt + kEquationSourceLengthAt));
            break;
        default:
            break;
    }
    return box;
}

}  // namespace quorin
