#include "app/conversion_pool.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "app/batch_progress.h"
#include "app/input_file.h"
#include "app/wordperfect_version.h"

namespace quorin {

namespace {

// Counts a worker's bar steps into the pool's total.
class StepCounter : public ProgressView {
public:
    explicit StepCounter(std::atomic<int>& total) : total_(total) {}
    void SetRange(int32_t, int32_t) override {}
    void SetStep(int32_t) override {}
    void StepIt() override {
        own.fetch_add(1, std::memory_order_relaxed);
        total_.fetch_add(1, std::memory_order_relaxed);
    }
    std::atomic<int> own{0};

private:
    std::atomic<int>& total_;
};

// The batch's font answers, told which document asks.
class DocumentFonts : public FontResolver {
public:
    DocumentFonts(FontResolver& fonts, const std::string& document) : fonts_(fonts), document_(document) {}
    FontSubstitutes LookupSubstitutes(const std::string& wordPerfectName) override {
        return fonts_.LookupSubstitutesFor(document_, wordPerfectName);
    }

private:
    FontResolver& fonts_;
    const std::string& document_;
};

}  // namespace

struct ConversionPool::Job {
    Job(std::string inputPath, std::string outputFolder, std::atomic<int>& steps)
        : path(std::move(inputPath)), folder(std::move(outputFolder)), counter(steps) {
        tracker.SetFileCount(1);
        tracker.SetStepsPerFile(kStepsPerFile);
        tracker.AdvanceFile();
    }
    std::string path;
    std::string folder;
    ConvertedFile result;
    bool done = false;  // guarded by the pool's mutex
    StepCounter counter;
    ProgressTracker tracker{&counter};
};

ConversionPool::ConversionPool(int workers, const ConversionOptions& options, const CancelRequest& cancel,
                               FontResolver* fonts, ProgressTracker* ownTracker, bool countSteps,
                               const BatchPause* pause)
    : options_(options), cancel_(cancel), fonts_(fonts), ownTracker_(ownTracker), countSteps_(countSteps),
      pause_(pause) {
    for (int i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

ConversionPool::~ConversionPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    work_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void ConversionPool::Submit(const std::string& inputPath, const std::string& outputFolder) {
    jobs_.push_back(std::make_unique<Job>(inputPath, outputFolder, steps_));
    if (workers_.empty()) return;
    {
        std::lock_guard lock(mutex_);
        unstarted_.push_back(jobs_.back().get());
    }
    work_.notify_one();
}

void ConversionPool::Work() {
    InputBuffer input;
    CrLfSink rtf;
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return stopping_ || !unstarted_.empty(); });
        if (stopping_) return;
        // No file starts while the person is being asked something.
        if (pause_ && pause_->Held()) {
            lock.unlock();
            pause_->WaitWhileHeld();
            lock.lock();
            continue;
        }
        Job* job = unstarted_.front();
        unstarted_.pop_front();
        lock.unlock();
        // A failure outside the guarded steps must not end the thread (and the program).
        ConvertedFile result;
        StepFailure failure = Guarded([&] { result = Convert(*job, countSteps_ ? &job->tracker : nullptr, input, rtf); });
        if (failure != StepFailure::kNone) {
            result = ConvertedFile{};
            result.opened = true;
            result.step.failure = failure;
        }
        lock.lock();
        job->result = std::move(result);
        job->done = true;
        done_.notify_all();
    }
}

// The document's RTF is finished here, on the thread that converted it, so
// that the batch only has to name the file.
ConvertedFile ConversionPool::Convert(const Job& job, ProgressTracker* tracker, InputBuffer& bytes, CrLfSink& rtf) {
    ConvertedFile file;
    InputFile input(job.path);
    if (!input.IsOpen()) {
        file.openError = input.ErrorText();
        return file;
    }
    file.opened = true;
    file.output = TemporaryFile(job.folder);
    rtf.Begin(file.output);
    std::string_view document;
    file.step.failure = Guarded([&] { document = input.Read(bytes); });
    std::optional<DocumentFonts> fonts;
    if (fonts_) fonts.emplace(*fonts_, job.path);
    if (file.step.failure == StepFailure::kNone)
        file.step = ConvertStep(document, rtf, file.message, tracker, options_, cancel_, fonts ? &*fonts : nullptr);
    if (file.step.refusal == Refusal::kNotWordPerfect || file.step.refusal == Refusal::kNotStandard)
        file.otherVersion = IsOtherWordPerfectVersion(document);
    // A document that did not convert leaves no temporary file behind.
    if (file.step.failure != StepFailure::kNone || file.step.result != 0 || !rtf.Finish()) {
        file.writeError = rtf.Error();
        file.output.Discard();
    }
    rtf.Drop();
    return file;
}

ConvertedFile ConversionPool::TakeOldest(const std::function<void()>& waiting) {
    Job& job = *jobs_.front();
    if (workers_.empty()) {
        job.result = Convert(job, ownTracker_, ownInput_, ownRtf_);
    } else {
        std::unique_lock lock(mutex_);
        while (!done_.wait_for(lock, std::chrono::milliseconds(100), [&job] { return job.done; })) {
            lock.unlock();
            waiting();
            lock.lock();
        }
    }
    ConvertedFile result = std::move(job.result);
    Retire(job);
    return result;
}

void ConversionPool::DropOldest() {
    Job& job = *jobs_.front();
    if (!workers_.empty()) {
        std::unique_lock lock(mutex_);
        auto unstarted = std::find(unstarted_.begin(), unstarted_.end(), &job);
        if (unstarted != unstarted_.end()) unstarted_.erase(unstarted);
        else done_.wait(lock, [&job] { return job.done; });
    }
    Retire(job);
}

// A file leaves the pool with its full share of the bar.
void ConversionPool::Retire(Job& job) {
    steps_.fetch_add(kStepsPerFile - job.counter.own.load(std::memory_order_relaxed), std::memory_order_relaxed);
    jobs_.pop_front();
}

}  // namespace quorin
