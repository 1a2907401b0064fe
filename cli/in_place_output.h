#pragma once
#include <sys/types.h>

#include "app/crlf_sink.h"

namespace quorin {

// Standard output sent to a regular file, written at its end: the RTF goes
// straight into it as the document converts, and is cut back to where the
// file ended when the document fails.
class InPlaceOutput final : public SinkTarget {
public:
    // Takes `fd` when it is a regular file at its end; false, taking
    // nothing, for any other descriptor.
    bool Begin(int fd);
    int Open() override { return fd_; }
    // Cuts the file back to where it ended at Begin.
    void CutBack();

private:
    int fd_ = -1;
    off_t start_ = 0;
};

}  // namespace quorin
