#pragma once
#include <string>
#include <vector>

#include "app/batch_pause.h"
#include "app/batch_progress.h"
#include "app/existing_output.h"
#include "app/file_outcome.h"
#include "app/user_messages.h"
#include "app/word_export.h"
#include "core/cancel_request.h"
#include "core/conversion_options.h"
#include "core/font_resolver.h"

namespace quorin {

// What a batch works with. The caller sets the options and owns the cancel
// request, which stops the batch whenever it is set.
struct BatchServices {
    const ConversionOptions& options;
    CancelRequest& cancel;
    UserMessages& messages;
    BatchProgressView* progress = nullptr;  // null: no progress display
    FontResolver* fonts = nullptr;
    WordExporter* word = nullptr;           // used when options.convertToWord is set, and for fallback
    BatchObserver* observer = nullptr;      // told what became of every input as it settles
    const BatchPause* pause = nullptr;      // held while the person is asked: no file starts, nothing is committed
};

// How a batch walks its inputs and how many files it converts at once.
struct BatchSettings {
    int jobs = 1;            // threads converting; 1 converts file after file
    bool recursive = false;  // -R: folders walked, relative paths kept
    ExistingOutput existing = ExistingOutput::kBackup;
    bool verbose = false;    // the files left alone for their outputs are shown
    bool fallback = false;   // --fallback: documents of other versions go to the export engine
};

// Result codes of a batch: the status of the last file handled.
enum BatchResult : int {
    kBatchConverted = 0,
    kBatchOutOfMemory = 1,
    kBatchRaised = 2,
    kBatchNotOpened = 10,
    kBatchOutputNotPrepared = 20,
    kBatchWriteFailed = 21,
    kBatchNothingFound = 23,
};

// The result code of a failure.
int ResultCodeOf(const Reason& reason);

struct BatchOutcome {
    int result = kBatchConverted;  // BatchResult, or 253 / 254 / 255 from the conversion: of the last file
    bool cancelled = false;        // the batch was cancelled and said so
    std::vector<FileOutcome> files;  // one for every input, in discovery order
    bool AnyFailed() const;
};

// Converts every file the input list names into the output folder. With
// several jobs, files are read and converted ahead on worker threads while
// this thread writes the outputs and shows the messages in the order the
// files were found: outputs, backup names, messages and outcome are those of
// one job.
// inputItems: names or patterns, one per item (SplitInputList splits a typed
// list).
BatchOutcome ConvertFiles(const std::vector<std::string>& inputItems, const std::string& outputFolder,
                          BatchServices& services, const BatchSettings& settings = {});

}  // namespace quorin
