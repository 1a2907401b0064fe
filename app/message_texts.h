#pragma once
#include <string>

#include "app/file_outcome.h"

// Every text the batch, the filter form and the window show, in one place.
// Paths appear as DisplayPath shows them (as they are, unless they hold
// right-to-left letters); a failed step is shown as "PATH\nTEXT".
namespace quorin::texts {

inline constexpr const char* kErrorCaption = "Error!";  // the caption of every failure
inline constexpr const char* kMemoryCaption = "Memory error!";
inline constexpr const char* kCanceledCaption = "Canceled!";
inline constexpr const char* kNoticeCaption = "Notice!";

inline constexpr const char* kUserCanceled = "User Canceled!    ";
inline constexpr const char* kCancelQuestion = "Do You Really want to cancel?";
inline constexpr const char* kCancelCaption = "Cancel?";
inline constexpr const char* kNotEnoughMemory = "Not enough memory!";

// The text ending in one line feed, as the terminal writes it.
std::string Line(const std::string& text);

// A failed step of one file: its path, a line break and the reason.
std::string WithPath(const std::string& path, const std::string& text);

std::string CantFindFiles(const std::string& item);
std::string ErrorOpeningFile(const std::string& path);
std::string ErrorWritingToFile(const std::string& path);
std::string ErrorBackingUpFile(const std::string& output, const std::string& input);
std::string ErrorWhileConverting(const std::string& path);

// Why a name gave nothing to convert.
std::string IsAFolder(const std::string& path);
std::string IsEmpty(const std::string& path);
std::string NotARegularFile(const std::string& path);

std::string BrokenLink(const std::string& path);
std::string ExportFailed(const std::string& document, const std::string& path);
std::string ExportTimedOut(const std::string& path, long seconds);

// The message of an outcome's reason, as it is shown ("PATH\nTEXT" for a
// failed step of a file), its words alone (TEXT), and its caption.
std::string ReasonText(const Reason& reason);
std::string ReasonWords(const Reason& reason);
const char* CaptionOf(const Reason& reason);

// What a converted document holds that its RTF does not carry, e.g.
// "3 text boxes, 1 figure not converted"; empty when nothing.
std::string NotCarried(const ConversionNotes& notes);

// -v: an input left alone because its output exists (--existing skip).
std::string OutputKeptSkipping(const std::string& output, const std::string& input);

// The line that ends a batch on a terminal:
// "412 converted, 3 failed, 2 skipped (empty), 5 protected".
struct SummaryCounts {
    int converted = 0, failed = 0, empty = 0, kept = 0, locked = 0, cancelled = 0;
};
std::string SummaryLine(const SummaryCounts& counts);

}  // namespace quorin::texts
