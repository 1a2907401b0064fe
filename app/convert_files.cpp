#include "app/convert_files.h"

#include "app/conversion_step.h"
#include "app/file_batch.h"
#include "app/path_text.h"
#include "core/progress_tracker.h"

namespace quorin {

namespace {

constexpr int kStepsPerFile = 20;

void ShowCancelled(UserMessages& messages) {
    messages.Show({"User Canceled!    ", "Canceled!", MessageIcon::kExclamation, MessageButtons::kOk});
}

}  // namespace

BatchOutcome ConvertFiles(const std::string& inputList, const std::string& outputFolder, BatchServices& services) {
    ConversionOptions& options = services.options;
    BatchOutcome outcome;
    FileBatch batch(inputList, outputFolder, services.messages, options);
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

    auto fail = [&](int result, const std::string& text, const std::string& caption = "Error!") {
        ShowError(services.messages, options, text, caption);
        outcome.result = result;
        outcome.anyFailed = true;
    };

    RtfBuffer document, message;
    for (;;) {
        FileBatch::NextResult next = batch.NextFile();
        if (next == FileBatch::kNoneLeft) break;
        tracker.AdvanceFile();
        if (options.CancelRequested()) {
            ShowCancelled(services.messages);
            outcome.cancelled = true;
            break;
        }
        if (next == FileBatch::kVanished) {
            fail(kBatchNotOpened, batch.ErrorText());
            continue;
        }
        if (!batch.OpenInput()) {
            fail(kBatchNotOpened, InCapitals(batch.InputPath()) + "\n" + batch.ErrorText());
            continue;
        }
        document.clear();
        std::string inputInCapitals = InCapitals(batch.InputPath());
        if (view) view->ShowFileName(inputInCapitals);

        ConversionStep step;
        step.failure = Guarded([&] { batch.ReadInput(document); });
        if (step.failure == StepFailure::kNone)
            step = ConvertStep(document, message, readerTracker, options, services.fonts);
        if (step.failure == StepFailure::kOutOfMemory) {
            batch.CloseInput();
            fail(kBatchOutOfMemory, "Not enough memory!", "Memory error!");
            continue;
        }
        if (step.failure == StepFailure::kRaised) {
            batch.CloseInput();
            fail(kBatchRaised, "An error has occured while converting \"" + inputInCapitals + "\"!");
            continue;
        }
        outcome.result = step.result;
        if (options.CancelRequested()) {
            ShowCancelled(services.messages);
            outcome.cancelled = true;
            break;
        }
        if (step.result != 0) {
            batch.CloseInput();
            fail(step.result, inputInCapitals + "\n" + message);
            continue;
        }
        // An earlier file of this name must reach its Word document before
        // its RTF file is replaced.
        if (word && word->IsPending(batch.OutputPath()) && word->Flush() > 0) outcome.anyFailed = true;
        if (!batch.OpenOutput()) {
            batch.CloseInput();
            fail(kBatchOutputNotPrepared, InCapitals(batch.OutputPath()) + "\n" + batch.ErrorText());
            continue;
        }
        if (!batch.WriteOutput(document)) {
            batch.CloseInput();
            batch.CloseOutput();
            fail(kBatchWriteFailed, InCapitals(batch.OutputPath()) + "\n" + batch.ErrorText());
            continue;
        }
        if (!batch.CommitOutput()) {
            batch.CloseInput();
            fail(batch.CommitFailureCode(), InCapitals(batch.OutputPath()) + "\n" + batch.ErrorText());
            continue;
        }
        batch.CloseInput();
        if (word) word->ExportToWord(batch.OutputPath());
        if (options.CancelRequested()) {
            outcome.cancelled = true;
            break;
        }
    }
    if (view) view->Close();
    if (word && word->Flush() > 0) outcome.anyFailed = true;
    return outcome;
}

}  // namespace quorin
