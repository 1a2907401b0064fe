#include "app/batch_report.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include <QCryptographicHash>
#include <QFile>

#include "app/backup_name.h"
#include "app/display_path.h"
#include "app/path_text.h"

namespace quorin {

namespace {

struct FileDigest {
    std::string bytes, sha256;  // empty when the file cannot be read
};

FileDigest DigestOf(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (path.empty() || !file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 total = 0;
    std::vector<char> block(1 << 20);
    for (;;) {
        qint64 got = file.read(block.data(), qint64(block.size()));
        if (got < 0) return {};
        if (got == 0) break;
        hash.addData(QByteArrayView(block.data(), got));
        total += got;
    }
    return {std::to_string(total), hash.result().toHex().toStdString()};
}

const char* StatusName(FileStatus status) {
    switch (status) {
        case FileStatus::kConverted: return "converted";
        case FileStatus::kFailed: return "failed";
        case FileStatus::kCancelled: return "cancelled";
        case FileStatus::kConvertedByLibreOffice: return "converted-by-libreoffice";
    }
    return "";
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

// Several documents of one input (--to docx,pdf) share a field, "|" between
// them, so that the n-th part of each field speaks of the same document.
std::string Joined(const std::vector<std::string>& values) {
    std::string joined;
    for (size_t i = 0; i < values.size(); ++i) joined += (i == 0 ? "" : "|") + values[i];
    return joined;
}

bool WriteAll(int descriptor, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        ssize_t wrote = write(descriptor, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += size_t(wrote);
    }
    return true;
}

}  // namespace

std::string CsvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void BatchReport::OnFile(const FileRecord& record) {
    // An input that its own output replaced lives on under the backup name.
    bool renamed = !record.backup.empty() && record.input == record.output;
    FileDigest input = record.input.empty() ? FileDigest{} : DigestOf(renamed ? record.backup : record.input);

    std::vector<std::string> outputs = record.documents;
    if (outputs.empty() && !record.output.empty()) outputs.push_back(record.output);
    std::vector<std::string> sizes, digests;
    for (const std::string& output : outputs) {
        FileDigest digest = DigestOf(output);
        sizes.push_back(digest.bytes);
        digests.push_back(digest.sha256);
    }
    std::vector<std::string> backups = record.documents.empty() ? std::vector<std::string>{record.backup} : record.backups;
    bool anyBackup = false;
    for (const std::string& backup : backups) anyBackup |= !backup.empty();

    std::string row;
    for (const std::string& field :
         {record.input, Joined(outputs), std::string(StatusName(record.status)), OneLine(record.message),
          anyBackup ? Joined(backups) : std::string(), input.bytes, input.sha256, Joined(sizes), Joined(digests),
          std::string(DirectionName(record.direction))})
        row += (row.empty() ? "" : ",") + CsvField(field);
    rows_[record.sequence] = std::move(row);
}

void DirectionLines::OnFile(const FileRecord& record) {
    if (record.direction == FileDirection::kNone) return;
    const char* direction = record.direction == FileDirection::kRightToLeft ? "right to left" : "left to right";
    messages_.Show({"\"" + DisplayPath(record.input) + "\" " + direction, "Notice!", MessageIcon::kInformation, MessageButtons::kOk});
}

std::string BatchReport::Text() const {
    std::string text = std::string(kHeader) + "\r\n";
    for (const auto& [sequence, row] : rows_) text += row + "\r\n";
    return text;
}

bool BatchReport::Finish() {
    std::string text = Text();
    if (path_ == "-") return WriteAll(STDOUT_FILENO, text);
    std::string temporary = JoinPath(FolderOf(path_), ".quorin-report-XXXXXX");
    int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) return false;
    mode_t mask = umask(0);
    umask(mask);
    bool written = fchmod(descriptor, 0666 & ~mask) == 0 && WriteAll(descriptor, text);
    written = close(descriptor) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path_.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace quorin
