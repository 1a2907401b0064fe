#include "support/libreoffice_read_back.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorin::test {

namespace fs = std::filesystem;

namespace {

// A temporary folder that is removed with everything in it.
struct TemporaryFolder {
    fs::path path;
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "quorin-read-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path = pattern;
    }
    ~TemporaryFolder() {
        if (!path.empty()) fs::remove_all(path);
    }
};

// Written as the program writes it: CR LF line ends.
void WriteRtf(const fs::path& file, const std::string& rtf) {
    std::string fileText;
    for (char c : rtf) fileText += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::ofstream(file, std::ios::binary) << fileText;
}

}  // namespace

bool LibreOfficeAvailable() { return std::system("command -v soffice >/dev/null 2>&1") == 0; }

bool TextReaderAvailable(TextReader reader) {
    if (reader == TextReader::kLibreOffice) return LibreOfficeAvailable();
    return std::system("command -v abiword >/dev/null 2>&1") == 0;
}

std::vector<std::optional<std::string>> ReadBackAsText(const std::vector<std::string>& rtfs, TextReader reader) {
    std::vector<std::optional<std::string>> texts(rtfs.size());
    TemporaryFolder folder;
    if (folder.path.empty()) return texts;
    std::string names;
    for (size_t i = 0; i < rtfs.size(); ++i) {
        WriteRtf(folder.path / ("d" + std::to_string(i) + ".rtf"), rtfs[i]);
        names += " d" + std::to_string(i) + ".rtf";
    }
    const std::string dir = folder.path.string();
    const std::string command =
        "cd '" + dir + "' && timeout 300 " +
        (reader == TextReader::kLibreOffice
             ? "soffice --headless '-env:UserInstallation=file://" + dir +
                   "/profile' --convert-to 'txt:Text (encoded):UTF8' --outdir ."
             : std::string("abiword --to=txt")) +
        names + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return texts;
    for (size_t i = 0; i < rtfs.size(); ++i) {
        std::ifstream in(folder.path / ("d" + std::to_string(i) + ".txt"), std::ios::binary);
        if (!in.is_open()) continue;
        std::stringstream read;
        read << in.rdbuf();
        std::string text = read.str();
        if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        texts[i] = text;
    }
    return texts;
}

std::optional<std::string> ReadBackWithLibreOffice(const std::string& rtf, const std::string& filter,
                                                   const std::string& extension) {
    std::string pattern = (fs::temp_directory_path() / "quorin-lo-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return std::nullopt;
    const fs::path dir = pattern;
    std::string fileText;
    for (char c : rtf) fileText += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::ofstream(dir / "document.rtf", std::ios::binary) << fileText;

    const std::string command = "cd '" + dir.string() +
                                "' && timeout 300 soffice --headless '-env:UserInstallation=file://" + dir.string() +
                                "/profile' --convert-to '" + filter + "' --outdir . document.rtf >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(dir / ("document." + extension), std::ios::binary);
    std::stringstream converted;
    converted << in.rdbuf();
    const bool read = status == 0 && in.is_open();
    in.close();
    fs::remove_all(dir);
    if (!read) return std::nullopt;
    return converted.str();
}

}  // namespace quorin::test
