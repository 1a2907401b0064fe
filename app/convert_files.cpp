#include "app/convert_files.h"

#include <algorithm>

#include "app/conversion_pool.h"
#include "app/batch_summary.h"
#include "app/file_batch.h"
#include "app/outcome_list.h"
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


}  // namespace

int ResultCodeOf(const Reason& reason) {
    switch (reason.kind) {
        case ReasonKind::kNone: return kBatchConverted;
        case ReasonKind::kOutOfMemory: return kBatchOutOfMemory;
        case ReasonKind::kRaised: return kBatchRaised;
        case ReasonKind::kVanished:
        case ReasonKind::kOpenInput: return kBatchNotOpened;
        case ReasonKind::kOutputNotPrepared:
        case ReasonKind::kBackup: return kBatchOutputNotPrepared;
        case ReasonKind::kWriteOutput: return kBatchWriteFailed;
        case ReasonKind::kProtected:
        case ReasonKind::kWrongPassword: return kProtected;
        default: return kNotConverted;
    }
}

bool BatchOutcome::AnyFailed() const {
    for (const FileOutcome& file : files)
        if (file.status == FileStatus::kFailed) return true;
    return false;
}

BatchOutcome ConvertFiles(const std::vector<std::string>& inputItems, const std::string& outputFolder,
                          BatchServices& services, const BatchSettings& settings) {
    const ConversionOptions& options = services.options;
    CancelRequest& cancel = services.cancel;
    BatchOutcome outcome;
    OutcomeList outcomes(services.observer);
    FileBatch batch(inputItems, outputFolder, services.messages, cancel, outcomes, settings.recursive);
    WordExporter* engine = services.word && services.word->Available() ? services.word : nullptr;
    WordExporter* word = options.convertToWord ? engine : nullptr;
    WordExporter* fallback = settings.fallback ? engine : nullptr;
    batch.SetExisting(settings.existing, settings.verbose, word ? word->Extensions() : std::vector<std::string>{});
    if (services.word) {
        // A file converted again with --existing skip replaces what an
        // earlier, interrupted run left of its documents.
        services.word->ReplaceExisting(settings.existing != ExistingOutput::kBackup);
        services.word->SetOutcomes(&outcomes);
    }
    int found = batch.Discover();
    if (found == 0) {
        outcome.files = outcomes.Take();
        if (!BatchSucceeded(outcome.files)) outcome.result = kBatchNothingFound;
        if (services.word) services.word->SetOutcomes(nullptr);
        EndIfCancelled(services, outcome);
        return outcome;
    }

    BatchProgressView* view = services.progress;
    ProgressTracker tracker(view);
    tracker.SetFileCount(found);
    tracker.SetStepsPerFile(kStepsPerFile);
    // Without a display the reader is spared the progress calls.
    ProgressTracker* readerTracker = view ? &tracker : nullptr;

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

    // Every file taken gets one outcome; so do the files a cancel leaves behind.
    FileOutcome file;
    auto settle = [&](FileStatus status) {
        file.status = status;
        outcomes.OnFile(file);
    };
    auto fail = [&](Reason reason) {
        const std::string text = texts::ReasonText(reason);
        const char* caption = texts::CaptionOf(reason);
        outcome.result = ResultCodeOf(reason);
        file.reason = std::move(reason);
        settle(FileStatus::kFailed);
        ShowError(services.messages, cancel, text, caption);
    };

    for (;;) {
        readAhead.Fill();
        WaitForAnswers(services);
        FileBatch::NextResult next = batch.NextFile();
        if (next == FileBatch::kNoneLeft) break;
        file = FileOutcome{batch.Sequence(), batch.InputPath()};
        tracker.AdvanceFile();
        if (cancel.Requested()) {
            settle(FileStatus::kCancelled);
            break;
        }
        const std::string& input = batch.InputPath();
        if (next == FileBatch::kVanished) {
            pool.DropOldest();
            showSteps();
            fail({ReasonKind::kVanished, input});
            continue;
        }
        // An output that appeared since discovery, not written by this
        // batch, is kept as well.
        if (batch.SkipTaken()) {
            pool.DropOldest();
            showSteps();
            continue;
        }
        if (view) view->ShowFileName(input);
        ConvertedFile converted = pool.TakeOldest(showSteps);
        showSteps();
        if (!converted.opened) {
            fail({ReasonKind::kOpenInput, input});
            continue;
        }
        const ConversionStep& step = converted.step;
        if (step.failure != StepFailure::kNone) {
            fail({ReasonOf(step), input});
            continue;
        }
        outcome.result = step.result;
        WaitForAnswers(services);
        if (cancel.Requested()) {
            settle(FileStatus::kCancelled);
            break;
        }
        if (step.result != 0) {
            file.reason = {ReasonOf(step), input};
            if (fallback && converted.otherVersion) {
                // Its outcome is settled when the engine has run; an earlier
                // file of this name is finished first.
                outcome.result = kBatchConverted;
                if (fallback->IsPending(batch.OutputPath())) fallback->Flush();
                fallback->ConvertRefused(input, batch.OutputPath(), std::move(file));
                continue;
            }
            fail(file.reason);
            continue;
        }
        file.direction = step.rightToLeft ? FileDirection::kRightToLeft : FileDirection::kLeftToRight;
        file.notes = step.notes;
        // An earlier file of this name must reach its Word document before
        // its RTF file is replaced.
        if (engine && engine->IsPending(batch.OutputPath())) engine->Flush();
        if (Reason problem = batch.OpenOutput(); problem.kind != ReasonKind::kNone) {
            converted.output.Discard();
            fail(std::move(problem));
            continue;
        }
        if (Reason problem = batch.CommitOutput(converted.output, converted.writeError);
            problem.kind != ReasonKind::kNone) {
            fail(std::move(problem));
            continue;
        }
        file.written = {{batch.OutputPath(), batch.BackupPath()}};
        file.inputNow = batch.InputNow();
        if (word) {
            file.status = FileStatus::kConverted;
            word->Export(batch.OutputPath(), std::move(file));  // settled when exported
        } else {
            settle(FileStatus::kConverted);
        }
        if (cancel.Requested()) break;
    }
    for (size_t i = 0; i < batch.QueuedCount(); ++i)
        outcomes.OnFile({batch.QueuedSequence(i), batch.QueuedInput(i), FileStatus::kCancelled});
    if (view) view->Close();
    WaitForAnswers(services);
    if (engine) engine->Flush();
    if (services.word) services.word->SetOutcomes(nullptr);
    outcome.files = outcomes.Take();
    EndIfCancelled(services, outcome);
    return outcome;
}

}  // namespace quorin
