#pragma once
#include <cstddef>

#include "app/conversion_pool.h"
#include "app/file_batch.h"

namespace quorin {

// Hands the batch's next files to the pool, in order, while it has room. A
// file that finishing an earlier file in the pool could change waits until
// that file is done, so that it is read as a file-by-file batch reads it.
class ReadAhead {
public:
    // window: how many files the pool may hold at once.
    ReadAhead(FileBatch& batch, ConversionPool& pool, size_t window) : batch_(batch), pool_(pool), window_(window) {}

    void Fill();

private:
    FileBatch& batch_;
    ConversionPool& pool_;
    size_t window_;
};

}  // namespace quorin
