#include "support/libreoffice_read_back.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorin::test {

namespace fs = std::filesystem;

bool LibreOfficeAvailable() { return std::system("command -v soffice >/dev/null 2>&1") == 0; }

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
