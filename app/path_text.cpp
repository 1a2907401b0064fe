#include "app/path_text.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include <QString>

namespace quorin {

std::string InCapitals(const std::string& path) {
    QString text = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    // Bytes that are not UTF-8 would not survive the round trip: upper-case ASCII only then.
    if (text.toUtf8() != QByteArrayView(path.data(), static_cast<qsizetype>(path.size()))) {
        std::string upper = path;
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return upper;
    }
    return text.toUpper().toStdString();
}

bool PathExists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

std::string AbsolutePath(const std::string& path) {
    std::filesystem::path result = std::filesystem::absolute(path).lexically_normal();
    std::string text = result.string();
    // "out/" normalises to "out/"; the trailing separator is the caller's business.
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace quorin
