#include "app/word_export.h"

#include "app/display_path.h"
#include "app/message_texts.h"

#include <signal.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <algorithm>
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

// The name the engine gives its output: the source's name with its last
// extension replaced.
std::string EngineOutputName(const std::string& source, ExportFormat format) {
    std::string name(NameOf(source));
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name + "." + ExtensionOf(format);
}

}  // namespace

WordExporter::WordExporter(std::string engine, UserMessages& messages, const ConversionOptions& options,
                           CancelRequest& cancel, std::vector<ExportFormat> formats, BatchObserver* observer)
    : engine_(std::move(engine)),
      messages_(messages),
      options_(options),
      cancel_(cancel),
      formats_(std::move(formats)),
      observer_(observer) {}

WordExporter::~WordExporter() {
    if (!profile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(profile_, ignored);
    }
}

void WordExporter::Export(const std::string& rtfPath, FileRecord record) {
    pending_.push_back({rtfPath, WithoutRtf(rtfPath), false, !record.input.empty(), std::move(record), {}});
}

void WordExporter::ConvertRefused(const std::string& input, const std::string& rtfPath, FileRecord record,
                                  std::string refusal) {
    pending_.push_back({input, WithoutRtf(rtfPath), true, true, std::move(record), std::move(refusal)});
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
            if (job.refused) job.record.status = FileStatus::kCancelled;
            if (job.observed && observer_) observer_->OnFile(job.record);
        }
        return 0;
    }
    // Groups share one output folder and have no two engine outputs of one name.
    int failures = 0;
    std::vector<Job> group;
    std::set<std::string> names;
    for (Job& job : jobs) {
        std::string name = EngineOutputName(job.source, ExportFormat::kRtf);
        if (!group.empty() && (FolderOf(job.base) != FolderOf(group.front().base) || names.count(name) ||
                               group.size() == kFilesPerStart)) {
            failures += ConvertGroup(group);
            group.clear();
            names.clear();
        }
        names.insert(name);
        group.push_back(std::move(job));
    }
    if (!group.empty()) failures += ConvertGroup(group);
    return failures;
}

// LibreOffice writes into a folder of our own beside the documents, so that
// a document is moved into place only when it is complete and an existing
// document of the same name can be backed up first.
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
    std::set<ExportFormat> failedRuns;
    for (ExportFormat format : {ExportFormat::kDocx, ExportFormat::kOdt, ExportFormat::kPdf, ExportFormat::kRtf}) {
        std::vector<std::string> sources;
        for (const Job& job : group) {
            std::vector<ExportFormat> targets = TargetFormats(job);
            if (std::find(targets.begin(), targets.end(), format) != targets.end()) sources.push_back(job.source);
        }
        if (sources.empty()) continue;
        bool ran = false;
        if (!outputs.empty() && !profile_.empty() && !cancel_.Requested()) {
            std::string profileUrl =
                QUrl::fromLocalFile(QString::fromStdString(profile_)).toString(QUrl::FullyEncoded).toStdString();
            std::vector<std::string> arguments{engine_, "-env:UserInstallation=" + profileUrl,
                                               "--headless", "--invisible", "--norestore", "--nologo",
                                               "--nodefault", "--nolockcheck",
                                               "--convert-to", FilterOf(format), "--outdir", outputs};
            arguments.insert(arguments.end(), sources.begin(), sources.end());
            ran = RunEngine(arguments);
        }
        if (!ran) failedRuns.insert(format);
    }

    int failures = 0;
    for (Job& job : group) {
        std::string error;
        for (ExportFormat format : TargetFormats(job)) {
            std::string document = job.base + "." + ExtensionOf(format), backup;
            if (!failedRuns.count(format) &&
                PlaceDocument(JoinPath(outputs, EngineOutputName(job.source, format)), document, backup)) {
                job.record.documents.push_back(document);
                job.record.backups.push_back(backup);
                continue;
            }
            if (error.empty()) error = NounOf(format);
        }
        if (!error.empty()) ++failures;
        Settle(job, error.empty(), error);
    }
    if (!outputs.empty()) std::filesystem::remove_all(outputs, ignored);
    return failures;
}

// Tells the observer what became of a job's file and shows its failure.
void WordExporter::Settle(Job& job, bool done, const std::string& error) {
    FileRecord& record = job.record;
    if (done) {
        if (!job.refused) unlink(job.source.c_str());
        record.output = record.documents.front();
        if (job.refused) {
            record.status = FileStatus::kConvertedByLibreOffice;
            record.backup = record.backups.front();
        }
    } else if (cancel_.Requested()) {
        // Files left undone by a cancel keep their RTF without a message each.
        if (job.refused) record.status = FileStatus::kCancelled;
    } else {
        std::string text = job.refused ? job.refusal
                                       : texts::WithPath(job.source, "Error converting to " + error + ": \"" +
                                                                         DisplayPath(job.source) + "\"!");
        ShowError(messages_, cancel_, text);
        record.status = FileStatus::kFailed;
        record.message = text;
    }
    if (job.observed && observer_) observer_->OnFile(record);
}

std::vector<std::string> WordExporter::Extensions() const {
    std::vector<std::string> extensions;
    for (ExportFormat format : formats_) extensions.push_back(ExtensionOf(format));
    return extensions;
}

bool WordExporter::PlaceDocument(const std::string& converted, const std::string& document, std::string& backup) {
    if (KindOfPath(converted) != FileKind::kFile) return false;
    if (replaceExisting_) return rename(converted.c_str(), document.c_str()) == 0;
    if (PathExists(document)) {
        backup = MakeBackupName(document);
        if (backup.empty() || !RenameNoReplace(document, backup)) return false;
    }
    return RenameNoReplace(converted, document);
}

// Runs LibreOffice in a process group of its own, so that a cancel can end it
// with all its helpers; the cancel request is watched while it runs.
bool WordExporter::RunEngine(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
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
    if (spawned != 0) return false;

    int status = 0;
    bool stopped = false;
    for (;;) {
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child || (done < 0 && errno != EINTR)) break;
        if (!stopped && cancel_.Requested()) {
            kill(-child, SIGTERM);
            stopped = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return !stopped;
}

}  // namespace quorin
