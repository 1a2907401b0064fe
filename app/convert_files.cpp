#include "app/convert_files.h"

#include <algorithm>

#include "app/conversion_pool.h"
#include "app/file_batch.h"
#include "app/message_texts.h"
#include "app/read_ahead.h"
#include "core/convert_document.h"
#include "core/progress_tracker.h"

namespace quorin {

namespace {

// While the person is being asked something, the batch waits for the answer.
void WaitForAnswers(const BatchServices& services) {
    if (services.pause) services.pause->WaitWhileHeld();
}

// However late a cancel came (while an output was committed, during the Word
// hand-over, after the last file, in a question still open), the batch ends
// with its message.
void EndIfCancelled(BatchServices& services, BatchOutcome& outcome) {
    WaitForAnswers(services);
    if (!services.cancel.Requested()) return;
    services.messages.Show(CanceledMessage());
    outcome.cancelled = true;
}

// Hands a refused document to the export engine, which writes it under the
// output's name and tells the observer; an earlier file of that name is
// finished first.
// Returns how many files of the engine failed meanwhile.
int HandOverRefused(WordExporter& engine, FileBatch& batch, FileRecord& record, std::string refusal) {
    int failures = engine.IsPending(batch.OutputPath()) ? engine.Flush() : 0;
    engine.ConvertRefused(batch.InputPath(), batch.OutputPath(), record, std::move(refusal));
    return failures;
}

// The refusals of a document of another WordPerfect version or kind, which
// the export engine may read instead.
bool RefusedForVersion(const std::string& message) {
    return message == "Document is not a WordPerfect 5.X Document!\n" ||
           message == "Document is not a standard WordPerfect 5.X Document!\n";
}

}  // namespace

BatchOutcome ConvertFiles(const std::vector<std::string>& inputItems, const std::string& outputFolder,
                          BatchServices& services, const BatchSettings& settings) {
    const ConversionOptions& options = services.options;
    CancelRequest& cancel = services.cancel;
    BatchOutcome outcome;
    FileBatch batch(inputItems, outputFolder, services.messages, cancel, settings.recursive);
    batch.SetObserver(services.observer);
    WordExporter* exporter = options.convertToWord && services.word && services.word->Available() ? services.word : nullptr;
    batch.SetExisting(settings.existing, settings.verbose,
                      exporter ? exporter->Extensions() : std::vector<std::string>{});
    if (services.word) services.word->ReplaceExisting(settings.existing == ExistingOutput::kOverwrite);
    int found = batch.Discover();
    outcome.anyFailed = batch.MissingCount() > 0;
    outcome.emptyFiles = batch.EmptyCount();
    if (found == 0) {
        // Every file left alone for its output is a batch that did its job.
        bool allKept = batch.SkippedCount() > 0 && !outcome.anyFailed;
        outcome.result = allKept ? kBatchConverted : kBatchNothingFound;
        outcome.anyFailed = !allKept;
        EndIfCancelled(services, outcome);
        return outcome;
    }

    BatchProgressView* view = services.progress;
    ProgressTracker tracker(view);
    tracker.SetFileCount(found);
    tracker.SetStepsPerFile(kStepsPerFile);
    // Without a display the reader is spared the progress calls.
    ProgressTracker* readerTracker = view ? &tracker : nullptr;
    WordExporter* engine = services.word && services.word->Available() ? services.word : nullptr;
    WordExporter* word = options.convertToWord ? engine : nullptr;
    WordExporter* fallback = settings.fallback ? engine : nullptr;

    // One job converts on this thread; more use worker threads, no more than
    // there are files, and keep at most two files each in memory.
    int workers = std::min(settings.jobs, found);
    if (workers <= 1) workers = 0;
    ConversionPool pool(workers, options, cancel, services.fonts, readerTracker, view != nullptr, services.pause);
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
    auto fail = [&](int result, const std::string& text, const std::string& caption = texts::kErrorCaption) {
        record.message = text;
        settle(FileStatus::kFailed);
        ShowError(services.messages, cancel, text, caption);
        outcome.result = result;
        outcome.anyFailed = true;
    };

    for (;;) {
        readAhead.Fill();
        WaitForAnswers(services);
        FileBatch::NextResult next = batch.NextFile();
        if (next == FileBatch::kNoneLeft) break;
        record = FileRecord{batch.Sequence(), batch.InputPath()};
        tracker.AdvanceFile();
        if (cancel.Requested()) {
            settle(FileStatus::kCancelled);
            break;
        }
        if (next == FileBatch::kVanished) {
            pool.DropOldest();
            showSteps();
            fail(kBatchNotOpened, batch.ErrorText());
            continue;
        }
        // An output that appeared since discovery (the same name earlier in
        // this batch) is kept as well.
        if (batch.SkipTaken()) {
            pool.DropOldest();
            showSteps();
            continue;
        }
        const std::string& input = batch.InputPath();
        if (view) view->ShowFileName(input);
        ConvertedFile file = pool.TakeOldest(showSteps);
        showSteps();
        if (!file.opened) {
            fail(kBatchNotOpened, texts::WithPath(input, file.openError));
            continue;
        }
        const ConversionStep& step = file.step;
        if (step.failure == StepFailure::kOutOfMemory) {
            fail(kBatchOutOfMemory, texts::WithPath(input, texts::kNotEnoughMemory), texts::kMemoryCaption);
            continue;
        }
        if (step.failure == StepFailure::kRaised) {
            fail(kBatchRaised, texts::ErrorWhileConverting(input));
            continue;
        }
        outcome.result = step.result;
        WaitForAnswers(services);
        if (cancel.Requested()) {
            settle(FileStatus::kCancelled);
            break;
        }
        if (step.result != 0 && fallback && RefusedForVersion(file.message)) {
            // Its failure, if it comes, is counted when the engine has run.
            outcome.result = kBatchConverted;
            if (HandOverRefused(*fallback, batch, record, texts::WithPath(input, file.message)) > 0)
                outcome.anyFailed = true;
            continue;
        }
        if (step.result != 0) {
            record.locked = step.result == kProtected;
            fail(step.result, texts::WithPath(input, file.message));
            continue;
        }
        record.direction = step.rightToLeft ? FileDirection::kRightToLeft : FileDirection::kLeftToRight;
        // An earlier file of this name must reach its Word document before
        // its RTF file is replaced.
        if (engine && engine->IsPending(batch.OutputPath()) && engine->Flush() > 0) outcome.anyFailed = true;
        if (!batch.OpenOutput()) {
            pool.Recycle(std::move(file.output));
            fail(kBatchOutputNotPrepared, texts::WithPath(batch.OutputPath(), batch.ErrorText()));
            continue;
        }
        const bool committed = batch.CommitOutput(*file.output);
        pool.Recycle(std::move(file.output));
        if (!committed) {
            fail(batch.CommitFailureCode(), texts::WithPath(batch.OutputPath(), batch.ErrorText()));
            continue;
        }
        record.output = batch.OutputPath();
        record.backup = batch.BackupPath();
        record.status = FileStatus::kConverted;
        if (word) word->Export(batch.OutputPath(), record);  // tells the observer when exported
        else settle(FileStatus::kConverted);
        if (cancel.Requested()) break;
    }
    if (services.observer) {
        for (size_t i = 0; i < batch.QueuedCount(); ++i)
            services.observer->OnFile({batch.QueuedSequence(i), batch.QueuedInput(i), "", FileStatus::kCancelled});
    }
    if (view) view->Close();
    WaitForAnswers(services);
    if (engine && engine->Flush() > 0) outcome.anyFailed = true;
    EndIfCancelled(services, outcome);
    return outcome;
}

}  // namespace quorin
