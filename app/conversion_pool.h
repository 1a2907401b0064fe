#pragma once
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/batch_pause.h"
#include "app/conversion_step.h"
#include "app/input_file.h"
#include "app/crlf_sink.h"
#include "app/temporary_file.h"

namespace quorin {

// What became of one input file: read and converted, or why not.
struct ConvertedFile {
    bool opened = false;    // false: nothing was read, openError says why
    std::string openError;
    ConversionStep step;    // of reading and converting
    TemporaryFile output;   // the RTF file, complete on result 0 unless writeError
    int writeError = 0;     // why writing it failed (errno)
    RtfBuffer message;      // the reason on result 255
    bool otherVersion = false;  // refused, and a WordPerfect document of another version
};

// Reads and converts the files of a batch ahead of their turn on worker
// threads, each straight into a temporary file in its output's folder, and
// hands the results back in the order the files were submitted.
// Without workers, a file is read and converted when its result is taken, on
// the calling thread, reporting to the batch's own tracker: the sequential
// batch.
class ConversionPool {
public:
    // countSteps: keep StepsDone() up to date for a progress display.
    // pause: while it is held, workers start no file (null: never held).
    ConversionPool(int workers, const ConversionOptions& options, const CancelRequest& cancel, FontResolver* fonts,
                   ProgressTracker* ownTracker, bool countSteps, const BatchPause* pause = nullptr);
    // Waits for the files being converted (a cancel request ends them
    // early) and drops the files not started.
    ~ConversionPool();
    ConversionPool(const ConversionPool&) = delete;
    ConversionPool& operator=(const ConversionPool&) = delete;

    // outputFolder: where the file's output goes.
    void Submit(const std::string& inputPath, const std::string& outputFolder);
    // Files submitted and not yet taken or dropped.
    size_t Pending() const { return jobs_.size(); }
    // The result of the oldest file submitted. While it is not ready,
    // `waiting` is called every tenth of a second.
    ConvertedFile TakeOldest(const std::function<void()>& waiting);
    // Forgets the oldest file submitted.
    void DropOldest();
    // Bar steps of the files submitted so far (with workers and countSteps):
    // all of them for files taken or dropped, those the reader reached for
    // the others.
    int StepsDone() const { return steps_.load(std::memory_order_relaxed); }

private:
    struct Job;
    void Work();
    ConvertedFile Convert(const Job& job, ProgressTracker* tracker, InputBuffer& input, CrLfSink& rtf);
    void Retire(Job& job);

    const ConversionOptions& options_;
    const CancelRequest& cancel_;
    FontResolver* fonts_;
    ProgressTracker* ownTracker_;
    bool countSteps_;
    const BatchPause* pause_;
    std::deque<std::unique_ptr<Job>> jobs_;  // in order; only this thread changes it
    std::deque<Job*> unstarted_;
    std::atomic<int> steps_{0};
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable done_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
    // Of the files converted on the calling thread.
    InputBuffer ownInput_;
    CrLfSink ownRtf_;
};

}  // namespace quorin
