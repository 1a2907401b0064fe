#include "app/convert_files.h"

#include <algorithm>

#include "app/conversion_pool.h"
#include "app/file_batch.h"
#include "app/path_text.h"
#include "app/read_ahead.h"
#include "core/progress_tracker.h"

namespace quorin {

namespace {

void ShowCancelled(UserMessages& messages) {
    messages.Show({"User Canceled!    ", "Canceled!", MessageIcon::kExclamation, MessageButtons::kOk});
}

// Hands the batch's next files to the pool, in order, while it has room. A
// file that finishing an earlier file in the pool could change waits until
// that file is done, so that it is read as a file-by-file batch reads it.
class ReadAhead {
public:
    ReadAhead(FileBatch& batch, ConversionPool& pool, size_t window) : batch_(batch), pool_(pool), window_(window) {}

    void Fill() {
        while (pool_.Pending() < window_ && pool_.Pending() < batch_.QueuedCount()) {
            size_t next = pool_.Pending();
            const std::string& input = batch_.QueuedInput(next);
            for (size_t earlier = 0; earlier < next; ++earlier) {
                if (FinishingMayTouch(batch_.QueuedOutput(earlier), input)) return;
            }
            std::string output = batch_.QueuedOutput(next);
            const size_t slash = output.rfind('/');
            pool_.Submit(input, output.substr(0, slash == 0 ? 1 : slash));
        }
    }

private:
    FileBatch& batch_;
    ConversionPool& pool_;
    size_t window_;
};

}  // namespace

BatchOutcome ConvertFiles(const std::vector<std::string>& inputItems, const std::string& outputFolder,
                          BatchServices& services, const BatchSettings& settings) {
    ConversionOptions& options = services.options;
    BatchOutcome outcome;
    FileBatch batch(inputItems, outputFolder, services.messages, options, settings.recursive);
    batch.SetObserver(services.observer);
    int found = batch.Discover();
    outcome.anyFailed = batch.MissingCount() > 0;
    if (found == 0) {
        outcome.result = kBatchNothingFound;
        outcome.anyFailed = true;
        outcome.cancelled = options.CancelRequested();
        return outcome;
    }

    BatchProgressView* view = services.progress;
    ProgressTracker tracker(view);
    tracker.SetFileCount(found);
    tracker.SetStepsPerFile(kStepsPerFile);
    // Without a display the reader is spared the progress calls.
    ProgressTracker* readerTracker = view ? &tracker : nullptr;
    WordExporter* word = options.convertToWord ? services.word : nullptr;

    // One job converts on this thread; more use worker threads, no more than
    // there are files, and keep at most two files each in memory.
    int workers = std::min(settings.jobs, found);
    if (workers <= 1) workers = 0;
    ConversionPool pool(workers, options, services.fonts, readerTracker, view != nullptr);
    ReadAhead readAhead(batch, pool, workers == 0 ? 1 : 2 * size_t(workers));
    // With workers the bar follows their summed steps; this thread draws it.
    int stepsShown = 0;
    auto showSteps = [&] {
        if (!view || workers == 0) return;
        for (int target = std::min(pool.StepsDone(), kStepsPerFile * found); stepsShown < target; ++stepsShown)
            view->StepIt();
    };
    if (view && workers > 0) {
        view->SetRange(0, kStepsPerFile * found);
        view->SetStep(1);
    }

    // Every file taken gets one record; so do the files a cancel leaves behind.
    FileRecord record;
    auto settle = [&](FileStatus status) {
        record.status = status;
        if (services.observer) services.observer->OnFile(record);
    };
    auto cancel = [&] {
        ShowCancelled(services.messages);
        outcome.cancelled = true;
    };
    auto fail = [&](int result, const std::string& text, const std::string& caption = "Error!") {
        record.message = text;
        settle(FileStatus::kFailed);
        ShowError(services.messages, options, text, caption);
        outcome.result = result;
        outcome.anyFailed = true;
    };

    for (;;) {
        readAhead.Fill();
        FileBatch::NextResult next = batch.NextFile();
        if (next == FileBatch::kNoneLeft) break;
        record = FileRecord{batch.Sequence(), batch.InputPath()};
        tracker.AdvanceFile();
        if (options.CancelRequested()) {
            settle(FileStatus::kCancelled);
            cancel();
            break;
        }
        if (next == FileBatch::kVanished) {
            pool.DropOldest();
            showSteps();
            fail(kBatchNotOpened, batch.ErrorText());
            continue;
        }
        std::string inputInCapitals = InCapitals(batch.InputPath());
        if (view) view->ShowFileName(inputInCapitals);
        ConvertedFile file = pool.TakeOldest(showSteps);
        showSteps();
        if (!file.opened) {
            fail(kBatchNotOpened, inputInCapitals + "\n" + file.openError);
            continue;
        }
        const ConversionStep& step = file.step;
        if (step.failure == StepFailure::kOutOfMemory) {
            fail(kBatchOutOfMemory, "Not enough memory!", "Memory error!");
            continue;
        }
        if (step.failure == StepFailure::kRaised) {
            fail(kBatchRaised, "An error has occured while converting \"" + inputInCapitals + "\"!");
            continue;
        }
        outcome.result = step.result;
        if (options.CancelRequested()) {
            settle(FileStatus::kCancelled);
            cancel();
            break;
        }
        if (step.result != 0) {
            fail(step.result, inputInCapitals + "\n" + file.message);
            continue;
        }
        // An earlier file of this name must reach its Word document before
        // its RTF file is replaced.
        if (word && word->IsPending(batch.OutputPath()) && word->Flush() > 0) outcome.anyFailed = true;
        if (!batch.OpenOutput()) {
            pool.Recycle(std::move(file.output));
            fail(kBatchOutputNotPrepared, InCapitals(batch.OutputPath()) + "\n" + batch.ErrorText());
            continue;
        }
        const bool committed = batch.CommitOutput(*file.output);
        pool.Recycle(std::move(file.output));
        if (!committed) {
            fail(batch.CommitFailureCode(), InCapitals(batch.OutputPath()) + "\n" + batch.ErrorText());
            continue;
        }
        record.output = batch.OutputPath();
        record.backup = batch.BackupPath();
        settle(FileStatus::kConverted);
        if (word) word->ExportToWord(batch.OutputPath());
        if (options.CancelRequested()) {
            outcome.cancelled = true;
            break;
        }
    }
    if (services.observer) {
        for (size_t i = 0; i < batch.QueuedCount(); ++i)
            services.observer->OnFile({batch.QueuedSequence(i), batch.QueuedInput(i), "", FileStatus::kCancelled});
    }
    if (view) view->Close();
    if (word && word->Flush() > 0) outcome.anyFailed = true;
    return outcome;
}

}  // namespace quorin
