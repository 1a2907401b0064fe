#include "app/read_ahead.h"

#include "app/finishing_may_touch.h"
#include "app/path_text.h"

namespace quorin {

void ReadAhead::Fill() {
    while (pool_.Pending() < window_ && pool_.Pending() < batch_.QueuedCount()) {
        size_t next = pool_.Pending();
        const std::string& input = batch_.QueuedInput(next);
        for (size_t earlier = 0; earlier < next; ++earlier) {
            if (FinishingMayTouch(batch_.QueuedOutput(earlier), input)) return;
        }
        pool_.Submit(input, FolderOf(batch_.QueuedOutput(next)));
    }
}

}  // namespace quorin
