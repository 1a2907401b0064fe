#include "app/batch_report.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <QCryptographicHash>

#include "app/crlf_writer.h"
#include "app/display_path.h"
#include "app/message_texts.h"
#include "app/path_text.h"

namespace quorin {

namespace {

struct FileDigest {
    std::string bytes, sha256;  // empty when the file cannot be read
};

// The file is read by its own bytes, whatever its name is.
FileDigest DigestOf(const std::string& path) {
    if (path.empty()) return {};
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    uint64_t total = 0;
    std::vector<char> block(1 << 20);
    for (;;) {
        ssize_t got = read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close(fd);
            return {};
        }
        if (got == 0) break;
        hash.addData(QByteArrayView(block.data(), got));
        total += static_cast<uint64_t>(got);
    }
    close(fd);
    return {std::to_string(total), hash.result().toHex().toStdString()};
}

const char* DirectionName(FileDirection direction) {
    switch (direction) {
        case FileDirection::kLeftToRight: return "ltr";
        case FileDirection::kRightToLeft: return "rtl";
        case FileDirection::kNone: return "";
    }
    return "";
}

// A message's lines joined by a space.
std::string OneLine(const std::string& message) {
    std::string line;
    for (char c : message) {
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0.
size_t Utf8Length(const std::string& text, size_t at) {
    const auto byte = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(at);
    if (lead < 0x80) return 1;
    size_t length;
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    else return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the batch would take the existing file `report` as an input.
bool AmongInputs(const std::string& report, const std::vector<std::string>& items, bool recursive) {
    struct stat reportInfo;
    if (stat(report.c_str(), &reportInfo) != 0) return false;
    std::error_code error;
    const std::string real = std::filesystem::canonical(report, error).string();
    for (const std::string& item : items) {
        std::vector<std::string> matches;
        glob_t found{};
        if (glob(item.c_str(), GLOB_NOCHECK, nullptr, &found) == 0)
            for (size_t i = 0; i < found.gl_pathc; ++i) matches.push_back(found.gl_pathv[i]);
        globfree(&found);
        for (const std::string& match : matches) {
            struct stat info;
            if (stat(match.c_str(), &info) != 0) continue;
            if (SameFile(info, reportInfo)) return true;
            // -R walks a folder, and a pattern's folders, at every depth.
            if (recursive && S_ISDIR(info.st_mode)) {
                const std::string folder = std::filesystem::canonical(match, error).string();
                if (!folder.empty() && real.starts_with(folder + (folder.ends_with('/') ? "" : "/"))) return true;
            }
        }
        if (recursive) {
            // A pattern: its leading folders without wildcards.
            const size_t wild = item.find_first_of("*?[");
            const size_t slash = wild == std::string::npos ? std::string::npos : item.rfind('/', wild);
            const std::string lead = slash == std::string::npos ? (wild == std::string::npos ? "" : ".") : item.substr(0, slash + 1);
            if (!lead.empty()) {
                const std::string folder = std::filesystem::canonical(lead, error).string();
                if (!folder.empty() && real.starts_with(folder + (folder.ends_with('/') ? "" : "/"))) return true;
            }
        }
    }
    return false;
}

// Whether the file holds an earlier report of quorin: it begins with the header.
bool IsEarlierReport(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const std::string header = std::string(BatchReport::kHeader) + "\r\n";
    std::string start(header.size(), '\0');
    const ssize_t got = read(fd, start.data(), start.size());
    close(fd);
    return got == static_cast<ssize_t>(header.size()) && start == header;
}

// The target of a chain of links (a link to nothing gives the missing target).
std::string FollowLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) return path;
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return path;
        path = target.is_absolute() ? target.string() : (std::filesystem::path(path).parent_path() / target).string();
    }
    return path;
}

}  // namespace

const char* StatusName(FileStatus status) {
    switch (status) {
        case FileStatus::kConverted: return "converted";
        case FileStatus::kConvertedByLibreOffice: return "converted-by-libreoffice";
        case FileStatus::kFailed: return "failed";
        case FileStatus::kSkippedExisting: return "skipped-existing";
        case FileStatus::kSkippedEmpty: return "skipped-empty";
        case FileStatus::kCancelled: return "cancelled";
    }
    return "";
}

std::string ReportText(const std::string& text) {
    std::string written;
    for (size_t at = 0; at < text.size();) {
        const size_t length = text[at] == '%' ? 0 : Utf8Length(text, at);
        if (length > 0) {
            written.append(text, at, length);
            at += length;
        } else {
            char escape[4];
            snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned char>(text[at]));
            written += escape;
            ++at;
        }
    }
    return written;
}

std::string CsvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string BatchReport::Text(const std::vector<FileOutcome>& outcomes) {
    std::string text = std::string(kHeader) + "\r\n";
    for (const FileOutcome& outcome : outcomes) {
        const bool named = outcome.status != FileStatus::kFailed || outcome.reason.kind != ReasonKind::kNotFound;
        const FileDigest input = named ? DigestOf(outcome.inputNow.empty() ? outcome.input : outcome.inputNow) : FileDigest{};
        const std::string message = ReportText(OneLine(outcome.reason.kind != ReasonKind::kNone
                                                           ? texts::ReasonText(outcome.reason)
                                                           : texts::NotCarried(outcome.notes)));
        std::vector<WrittenFile> written = outcome.written;
        if (written.empty()) written.emplace_back();
        for (const WrittenFile& file : written) {
            const FileDigest output = DigestOf(file.path);
            std::string row;
            for (const std::string& field :
                 {ReportText(outcome.input), ReportText(file.path), std::string(StatusName(outcome.status)), message,
                  ReportText(file.backup), input.bytes, input.sha256, output.bytes, output.sha256,
                  std::string(DirectionName(outcome.direction))})
                row += (row.empty() ? "" : ",") + CsvField(field);
            text += row + "\r\n";
        }
    }
    return text;
}

void NoticeLines::OnFile(const FileOutcome& outcome) {
    if (outcome.direction == FileDirection::kNone) return;
    auto notice = [&](const std::string& text) {
        messages_.Show({"\"" + DisplayPath(outcome.input) + "\" " + text, texts::kNoticeCaption,
                        MessageIcon::kInformation, MessageButtons::kOk});
    };
    if (showDirection_)
        notice(outcome.direction == FileDirection::kRightToLeft ? "right to left" : "left to right");
    if (std::string lost = texts::NotCarried(outcome.notes); !lost.empty()) notice(lost);
}

BatchReport::~BatchReport() {
    if (fd_ >= 0 && fd_ != STDOUT_FILENO) close(fd_);
    if (!temporary_.empty()) unlink(temporary_.c_str());
}

std::string BatchReport::Prepare(const std::vector<std::string>& items, bool recursive) {
    if (path_ == "-") {
        fd_ = STDOUT_FILENO;
        return {};
    }
    const std::string quoted = "--report \"" + path_ + "\"";
    struct stat info;
    if (stat(path_.c_str(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode))) {
        // Written through, as the shell's ">" would (a reader of a pipe waits
        // for it); /dev/fd/N opens the pipe it names.
        fd_ = open(path_.c_str(), O_WRONLY | O_CLOEXEC);
        return fd_ >= 0 ? std::string() : quoted + " cannot be written: " + std::strerror(errno);
    }
    target_ = FollowLinks(path_);
    if (stat(target_.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return quoted + " is a folder";
        if (AmongInputs(target_, items, recursive)) return quoted + " is one of the input files";
        if (!S_ISREG(info.st_mode) || (info.st_size > 0 && !IsEarlierReport(target_)))
            return quoted + " exists and is not a report of quorin: it is left as it is";
    }
    // Written beside its place, so that the report appears whole or not at all.
    const size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target_.substr(0, slash + 1);
    temporary_ = folder + (folder.ends_with('/') ? "" : "/") + ".quorin-report-XXXXXX";
    fd_ = mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        return quoted + " cannot be written: " + std::strerror(error);
    }
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd_, 0666 & ~mask);
    return {};
}

bool BatchReport::Write(const std::vector<FileOutcome>& outcomes) {
    if (fd_ < 0) return false;
    const std::string text = Text(outcomes);
    bool written = WriteAll(fd_, text.data(), text.size());
    if (temporary_.empty()) return written;
    written = close(fd_) == 0 && written;
    fd_ = -1;
    if (!written || std::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
    temporary_.clear();
    return true;
}

}  // namespace quorin
