#include "app/word_export.h"

#include "app/message_texts.h"

#include <signal.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <thread>

#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include "app/backup_name.h"
#include "app/file_kind.h"
#include "app/path_text.h"

extern char** environ;

namespace quorin {

namespace {

// LibreOffice takes many files at once; a bound keeps the command line short.
constexpr size_t kFilesPerStart = 100;

// NAME.rtf -> NAME (the batch always appends ".rtf").
std::string WithoutRtf(const std::string& path) { return path.substr(0, path.size() - 4); }

std::string MakeTemporaryFolder(const std::string& pattern) {
    std::string path = pattern;
    return mkdtemp(path.data()) ? path : std::string();
}

}  // namespace

std::string FindWordEngine() {
    const char* chosen = std::getenv("QUORIN_SOFFICE");
    std::string name = chosen && *chosen ? chosen : "soffice";
    if (name == "none") return {};
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : std::string();
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

bool WordEngineTurnedOff() {
    const char* chosen = std::getenv("QUORIN_SOFFICE");
    return chosen && std::string_view(chosen) == "none";
}

std::string ExtensionOf(ExportFormat format) {
    switch (format) {
        case ExportFormat::kDocx: return "docx";
        case ExportFormat::kOdt: return "odt";
        case ExportFormat::kPdf: return "pdf";
        case ExportFormat::kRtf: return "rtf";
    }
    return {};
}

bool ParseExportFormats(const std::string& value, std::vector<ExportFormat>& formats) {
    formats.clear();
    size_t start = 0;
    for (;;) {
        size_t comma = value.find(',', start);
        std::string name = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        ExportFormat format;
        if (name == "docx") format = ExportFormat::kDocx;
        else if (name == "odt") format = ExportFormat::kOdt;
        else if (name == "pdf") format = ExportFormat::kPdf;
        else return false;
        if (std::find(formats.begin(), formats.end(), format) == formats.end()) formats.push_back(format);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

UserMessage WordUnavailableMessage(const std::vector<ExportFormat>& formats, bool turnedOff) {
    std::vector<std::string> kinds;
    for (ExportFormat format : formats) {
        const char* kind = format == ExportFormat::kDocx  ? "Word documents"
                           : format == ExportFormat::kOdt ? "OpenDocument texts"
                           : format == ExportFormat::kPdf ? "PDF/A documents"
                                                          : nullptr;
        if (kind) kinds.push_back(kind);
    }
    std::string documents = kinds.empty() ? "Word documents" : kinds.front();
    for (size_t i = 1; i < kinds.size(); ++i) documents += (i + 1 == kinds.size() ? " and " : ", ") + kinds[i];
    std::string text = turnedOff ? "Writing " + documents + " is turned off (QUORIN_SOFFICE=none): the RTF files are kept."
                                 : "LibreOffice (soffice) is needed to write " + documents +
                                       ", and it was not found: the RTF files are kept.";
    return {text, "Error!", MessageIcon::kError, MessageButtons::kOk};
}

UserMessage FallbackUnavailableMessage(bool turnedOff) {
    std::string text = turnedOff ? "Converting other WordPerfect versions is turned off (QUORIN_SOFFICE=none)."
                                 : "LibreOffice (soffice) is needed to convert other WordPerfect versions "
                                   "(--fallback), and it was not found.";
    return {text, "Error!", MessageIcon::kError, MessageButtons::kOk};
}

namespace {

// The engine's name for a format's export filter. PDF is PDF/A-2b, the
// archival kind.
std::string FilterOf(ExportFormat format) {
    switch (format) {
        case ExportFormat::kDocx: return "docx:MS Word 2007 XML";
        case ExportFormat::kOdt: return "odt:writer8";
        case ExportFormat::kPdf: return R"(pdf:writer_pdf_Export:{"SelectPdfVersion":{"type":"long","value":"2"}})";
        case ExportFormat::kRtf: return "rtf:Rich Text Format";
    }
    return {};
}

std::string NounOf(ExportFormat format) {
    switch (format) {
        case ExportFormat::kDocx: return "a Word document";
        case ExportFormat::kOdt: return "an OpenDocument text";
        case ExportFormat::kPdf: return "a PDF/A document";
        case ExportFormat::kRtf: return "an RTF document";
    }
    return {};
}

}  // namespace

WordExporter::WordExporter(std::string engine, UserMessages& messages, const ConversionOptions& options,
                           CancelRequest& cancel, std::vector<ExportFormat> formats)
    : engine_(std::move(engine)), messages_(messages), options_(options), cancel_(cancel), formats_(std::move(formats)) {}

WordExporter::~WordExporter() {
    if (!profile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(profile_, ignored);
    }
}

void WordExporter::Export(const std::string& rtfPath, FileOutcome outcome) {
    const bool observed = !outcome.input.empty();
    pending_.push_back({rtfPath, WithoutRtf(rtfPath), false, observed, std::move(outcome)});
}

void WordExporter::ConvertRefused(const std::string& input, const std::string& rtfPath, FileOutcome outcome) {
    pending_.push_back({input, WithoutRtf(rtfPath), true, true, std::move(outcome)});
}

bool WordExporter::IsPending(const std::string& rtfPath) const {
    for (const Job& job : pending_)
        if (job.base == WithoutRtf(rtfPath) || job.source == rtfPath) return true;
    return false;
}

std::vector<ExportFormat> WordExporter::TargetFormats(const Job& job) const {
    if (job.refused && (formats_.empty() || !options_.convertToWord)) return {ExportFormat::kRtf};
    return formats_;
}

int WordExporter::Flush() {
    std::vector<Job> jobs = std::move(pending_);
    pending_.clear();
    // After a cancel the files written so far stay RTF files, and refused
    // files are left as they are.
    if (cancel_.Requested()) {
        for (Job& job : jobs) {
            if (job.refused) job.outcome.status = FileStatus::kCancelled;
            if (job.observed && outcomes_) outcomes_->OnFile(job.outcome);
        }
        return 0;
    }
    // Groups share one output folder.
    int failures = 0;
    std::vector<Job> group;
    for (Job& job : jobs) {
        if (!group.empty() && (FolderOf(job.base) != FolderOf(group.front().base) || group.size() == kFilesPerStart)) {
            failures += ConvertGroup(group);
            group.clear();
        }
        group.push_back(std::move(job));
    }
    if (!group.empty()) failures += ConvertGroup(group);
    return failures;
}

// LibreOffice writes into a folder of our own beside the documents, so that
// a document is moved into place only when it is complete and an existing
// document of the same name can be backed up first. It reads and writes
// short names of our own there ("in/1.rtf" becomes "1.docx"), run in that
// folder: whatever the documents' names (not UTF-8, near the file system's
// limit), it sees only these.
int WordExporter::ConvertGroup(std::vector<Job>& group) {
    std::string folder = FolderOf(group.front().base);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::string outputs = MakeTemporaryFolder(JoinPath(folder, ".quorin-word-XXXXXX"));
    if (profile_.empty()) {
        const char* temporary = std::getenv("TMPDIR");
        profile_ = MakeTemporaryFolder(std::string(temporary && *temporary ? temporary : "/tmp") +
                                       "/quorin-soffice-XXXXXX");
    }
    std::vector<std::string> shortNames;
    bool linked = !outputs.empty() && mkdir((outputs + "/in").c_str(), 0700) == 0;
    for (size_t i = 0; i < group.size(); ++i) {
        const Job& job = group[i];
        shortNames.push_back("in/" + std::to_string(i + 1) + (job.refused ? ".wpd" : ".rtf"));
        const std::string source = job.source.starts_with('/') ? job.source : AbsolutePath(job.source);
        linked = linked && symlink(source.c_str(), (outputs + "/" + shortNames.back()).c_str()) == 0;
    }
    std::map<ExportFormat, ReasonKind> failedRuns;
    for (ExportFormat format : {ExportFormat::kDocx, ExportFormat::kOdt, ExportFormat::kPdf, ExportFormat::kRtf}) {
        std::vector<std::string> sources;
        for (size_t i = 0; i < group.size(); ++i) {
            std::vector<ExportFormat> targets = TargetFormats(group[i]);
            if (std::find(targets.begin(), targets.end(), format) != targets.end()) sources.push_back(shortNames[i]);
        }
        if (sources.empty()) continue;
        EngineRun run = EngineRun::kFailed;
        if (linked && !profile_.empty() && !cancel_.Requested()) {
            std::string profileUrl =
                QUrl::fromLocalFile(QString::fromStdString(profile_)).toString(QUrl::FullyEncoded).toStdString();
            std::vector<std::string> arguments{engine_, "-env:UserInstallation=" + profileUrl,
                                               "--headless", "--invisible", "--norestore", "--nologo",
                                               "--nodefault", "--nolockcheck",
                                               "--convert-to", FilterOf(format), "--outdir", "."};
            arguments.insert(arguments.end(), sources.begin(), sources.end());
            run = RunEngine(arguments, outputs);
        }
        if (run != EngineRun::kDone)
            failedRuns[format] = run == EngineRun::kTimedOut ? ReasonKind::kExportTimedOut : ReasonKind::kExport;
    }

    int failures = 0;
    for (size_t i = 0; i < group.size(); ++i) {
        Job& job = group[i];
        Reason failure;
        std::vector<WrittenFile> written;
        for (ExportFormat format : TargetFormats(job)) {
            WrittenFile document{job.base + "." + ExtensionOf(format), ""};
            const std::string converted = outputs + "/" + std::to_string(i + 1) + "." + ExtensionOf(format);
            auto failedRun = failedRuns.find(format);
            if (failedRun == failedRuns.end() && PlaceDocument(converted, document.path, document.backup)) {
                written.push_back(std::move(document));
                continue;
            }
            if (failure.kind == ReasonKind::kNone)
                failure = {failedRun != failedRuns.end() ? failedRun->second : ReasonKind::kExport, job.source,
                           NounOf(format), timeout_};
        }
        if (failure.kind != ReasonKind::kNone) ++failures;
        else job.outcome.written = std::move(written);
        Settle(job, std::move(failure));
    }
    if (!outputs.empty()) std::filesystem::remove_all(outputs, ignored);
    return failures;
}

// Settles the outcome of a job's file and shows its failure.
void WordExporter::Settle(Job& job, Reason failure) {
    FileOutcome& outcome = job.outcome;
    if (failure.kind == ReasonKind::kNone) {
        if (!job.refused) unlink(job.source.c_str());
        if (job.refused) {
            outcome.status = FileStatus::kConvertedByLibreOffice;
            outcome.reason = {};
        }
    } else if (cancel_.Requested()) {
        // Files left undone by a cancel keep their RTF without a message each.
        if (job.refused) outcome.status = FileStatus::kCancelled;
    } else {
        // A refused document that the engine could not read either keeps its
        // refusal, unless the engine ran out of time.
        if (!job.refused || failure.kind == ReasonKind::kExportTimedOut) outcome.reason = std::move(failure);
        outcome.status = FileStatus::kFailed;
        ShowError(messages_, cancel_, texts::ReasonText(outcome.reason), texts::CaptionOf(outcome.reason));
    }
    if (job.observed && outcomes_) outcomes_->OnFile(outcome);
}

std::vector<std::string> WordExporter::Extensions() const {
    std::vector<std::string> extensions;
    for (ExportFormat format : formats_) extensions.push_back(ExtensionOf(format));
    return extensions;
}

// A document this batch wrote earlier is moved to its backup name whatever
// --existing says, and its outcome follows it there.
bool WordExporter::PlaceDocument(const std::string& converted, const std::string& document, std::string& backup) {
    if (KindOfPath(converted) != FileKind::kFile) return false;
    const bool earlier = outcomes_ && outcomes_->WrittenHere(document);
    if (replaceExisting_ && !earlier) return rename(converted.c_str(), document.c_str()) == 0;
    if (PathExists(document)) {
        backup = MakeBackupName(document);
        if (backup.empty() || !RenameNoReplace(document, backup)) return false;
        if (earlier) outcomes_->Moved(document, backup);
    }
    return RenameNoReplace(converted, document);
}

// Runs LibreOffice in `folder`, in a process group of its own, so that a
// cancel or the time limit can end it with all its helpers; the cancel
// request is watched while it runs.
WordExporter::EngineRun WordExporter::RunEngine(const std::vector<std::string>& arguments, const std::string& folder) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&files, folder.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    pid_t child = -1;
    int spawned = posix_spawn(&child, argv[0], &files, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) return EngineRun::kFailed;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(timeout_);
    Clock::time_point killAt = Clock::time_point::max();
    EngineRun ended = EngineRun::kDone;
    int status = 0;
    for (;;) {
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child || (done < 0 && errno != EINTR)) break;
        if (ended == EngineRun::kDone && (cancel_.Requested() || Clock::now() >= deadline)) {
            ended = cancel_.Requested() ? EngineRun::kFailed : EngineRun::kTimedOut;
            kill(-child, SIGTERM);
            killAt = Clock::now() + std::chrono::seconds(5);
        }
        // A LibreOffice that does not end when asked is ended.
        if (Clock::now() >= killAt) {
            kill(-child, SIGKILL);
            killAt = Clock::time_point::max();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // What it wrote tells whether it did its work, whatever its exit status.
    return ended;
}

}  // namespace quorin
