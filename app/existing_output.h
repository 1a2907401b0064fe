#pragma once

namespace quorin {

// What becomes of an output file that exists already (--existing).
enum class ExistingOutput {
    kBackup,     // moved to a numbered backup name first
    kOverwrite,  // replaced in one step by the new output
    kSkip,       // kept; its input is not converted
};

}  // namespace quorin
