#include "app/word_export.h"

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
#include <set>
#include <thread>

#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include "app/backup_name.h"
#include "app/path_text.h"

extern char** environ;

namespace quorin {

namespace {

// LibreOffice takes many files at once; a bound keeps the command line short.
constexpr size_t kFilesPerStart = 100;

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }
std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }
// NAME.rtf -> NAME (the batch always appends ".rtf").
std::string WithoutRtf(const std::string& path) { return path.substr(0, path.size() - 4); }

std::string MakeTemporaryFolder(const std::string& pattern) {
    std::string path = pattern;
    return mkdtemp(path.data()) ? path : std::string();
}

bool NonEmptyFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

}  // namespace

std::string FindWordEngine() {
    const char* chosen = std::getenv("QUORIN_SOFFICE");
    std::string name = chosen && *chosen ? chosen : "soffice";
    if (name == "none") return {};
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : std::string();
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

UserMessage WordUnavailableMessage() {
    return {"Microsoft Word 2000 or above not available!\n"
            "Word documents are made with LibreOffice: install it (its soffice program) to use -w.",
            "Notice!", MessageIcon::kInformation, MessageButtons::kOk};
}

WordExporter::WordExporter(std::string engine, UserMessages& messages, ConversionOptions& options)
    : engine_(std::move(engine)), messages_(messages), options_(options) {}

WordExporter::~WordExporter() {
    if (!profile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(profile_, ignored);
    }
}

void WordExporter::ExportToWord(const std::string& rtfPath) { pending_.push_back(rtfPath); }

bool WordExporter::IsPending(const std::string& rtfPath) const {
    for (const std::string& path : pending_)
        if (path == rtfPath) return true;
    return false;
}

int WordExporter::Flush() {
    // After a cancel the files written so far stay RTF files.
    if (options_.CancelRequested()) {
        pending_.clear();
        return 0;
    }
    // Groups share one output folder and have no two files of one name.
    int failures = 0;
    std::vector<std::string> group;
    std::set<std::string> names;
    for (const std::string& path : pending_) {
        if (!group.empty() && (FolderOf(path) != FolderOf(group.front()) || names.count(FileNameOf(path)) ||
                               group.size() == kFilesPerStart)) {
            failures += ConvertGroup(group);
            group.clear();
            names.clear();
        }
        group.push_back(path);
        names.insert(FileNameOf(path));
    }
    if (!group.empty()) failures += ConvertGroup(group);
    pending_.clear();
    return failures;
}

// LibreOffice writes into a folder of our own beside the files, so that a
// document is moved into place only when it is complete and an existing
// document of the same name can be backed up first.
int WordExporter::ConvertGroup(const std::vector<std::string>& group) {
    std::string folder = FolderOf(group.front());
    std::string outputs = MakeTemporaryFolder(folder + "/.quorin-word-XXXXXX");
    if (profile_.empty()) {
        const char* temporary = std::getenv("TMPDIR");
        profile_ = MakeTemporaryFolder(std::string(temporary && *temporary ? temporary : "/tmp") +
                                       "/quorin-soffice-XXXXXX");
    }
    bool ran = false;
    if (!outputs.empty() && !profile_.empty()) {
        std::string profileUrl = QUrl::fromLocalFile(QString::fromStdString(profile_)).toString(QUrl::FullyEncoded).toStdString();
        std::vector<std::string> arguments{engine_, "-env:UserInstallation=" + profileUrl,
                                           "--headless", "--invisible", "--norestore", "--nologo",
                                           "--nodefault", "--nolockcheck",
                                           "--convert-to", "docx:MS Word 2007 XML", "--outdir", outputs};
        arguments.insert(arguments.end(), group.begin(), group.end());
        ran = RunEngine(arguments);
    }
    int failures = 0;
    for (const std::string& rtfPath : group) {
        std::string converted = outputs + "/" + FileNameOf(WithoutRtf(rtfPath)) + ".docx";
        if (ran && PlaceDocument(rtfPath, converted)) continue;
        ++failures;
        // Files left undone by a cancel keep their RTF without a message each.
        if (!options_.CancelRequested())
            ShowError(messages_, options_,
                      rtfPath + "\nError converting to a Word document: \"" + rtfPath + "\"!");
    }
    if (!outputs.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(outputs, ignored);
    }
    return failures;
}

bool WordExporter::PlaceDocument(const std::string& rtfPath, const std::string& converted) {
    if (!NonEmptyFile(converted)) return false;
    std::string document = WithoutRtf(rtfPath) + ".docx";
    if (PathExists(document)) {
        std::string backup = MakeBackupName(document);
        if (backup.empty() || !RenameNoReplace(document, backup)) return false;
    }
    if (!RenameNoReplace(converted, document)) return false;
    unlink(rtfPath.c_str());
    return true;
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
        if (!stopped && options_.CancelRequested()) {
            kill(-child, SIGTERM);
            stopped = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return !stopped;
}

}  // namespace quorin
