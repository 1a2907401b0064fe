// Prints the conversion core's throughput in MB of WordPerfect input per second:
// (a) a generated text-heavy document of about 50 MB with attribute pairs,
// tabs and returns; (b) the real documents of tests/data converted 1000 times.
//
//   core_throughput [DATA_DIR] [MEGABYTES]
//   core_throughput --write FILE [MEGABYTES]   writes the generated document
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/convert_document.h"

namespace {

std::string Word(unsigned v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }

std::string Dword(unsigned v) { return Word(v & 0xFFFF) + Word(v >> 16); }

// A WordPerfect 5.1 file with no packets around `body`.
std::string Document(const std::string& body) {
    std::string header = std::string("\xFFWPC", 4) + Dword(16 + 50) + std::string("\x01\x0A\x00\x01", 4) + Word(0) + Word(0);
    std::string block = Word(0xFFFB) + Word(1) + Word(0) + Dword(0);
    block.resize(50, '\0');
    return header + block + body;
}

std::string GeneratedBody(size_t bytes) {
    const std::string bold = "\xC3\x0C\xC3", boldOff = "\xC4\x0C\xC4";
    const std::string tab = std::string("\xC1\x00", 2) + std::string(6, '\0') + "\xC1";
    const std::string flushRight = std::string("\xC1\x40", 2) + std::string(6, '\0') + "\xC1";
    std::string paragraph = "The quick brown fox jumps over the lazy dog, " + bold + "twice" + boldOff +
                            " and then" + tab + "rests.\x0D" + "Again the fox, with " + flushRight +
                            "a flush-right line.\x0D" + "\xC0\x29\x01\xC0" + "t\xC0\x17\x01\xC0 ends here.\x0A";
    std::string body;
    body.reserve(bytes + paragraph.size());
    while (body.size() < bytes) body += paragraph;
    return body;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

template <typename F>
double Seconds(F&& f) {
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--write") {
        const size_t megabytes = argc > 3 ? std::stoul(argv[3]) : 50;
        std::ofstream(argv[2], std::ios::binary) << Document(GeneratedBody(megabytes * 1000 * 1000));
        return 0;
    }
    const std::string dataDir = argc > 1 ? argv[1] : "tests/data";
    const size_t megabytes = argc > 2 ? std::stoul(argv[2]) : 50;
    quorin::ConversionOptions options;

    const std::string generated = Document(GeneratedBody(megabytes * 1000 * 1000));
    size_t outputBytes = 0;
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        quorin::RtfBuffer document(generated), message;
        best = std::min(best, Seconds([&] { quorin::ConvertDocument(document, message, nullptr, options); }));
        outputBytes = document.size();
    }
    std::printf("generated document: %.1f MB in, %.1f MB out, %.3f s, %.0f MB/s\n", generated.size() / 1e6,
                outputBytes / 1e6, best, generated.size() / 1e6 / best);

    std::vector<std::string> corpus;
    for (const char* name : {"report-1996.wp", "report-1980.wp", "sample-50.wp", "sample-51.wp"}) {
        corpus.push_back(ReadFile(dataDir + "/" + name));
        if (corpus.back().empty()) {
            std::fprintf(stderr, "cannot read %s/%s\n", dataDir.c_str(), name);
            return 1;
        }
    }
    size_t corpusBytes = 0;
    const double seconds = Seconds([&] {
        for (int i = 0; i < 1000; ++i)
            for (const std::string& file : corpus) {
                quorin::RtfBuffer document(file), message;
                quorin::ConvertDocument(document, message, nullptr, options);
                corpusBytes += file.size();
            }
    });
    std::printf("real documents x1000: %zu files, %.1f MB, %.3f s, %.0f MB/s, %.0f files/s\n", corpus.size() * 1000,
                corpusBytes / 1e6, seconds, corpusBytes / 1e6 / seconds, corpus.size() * 1000 / seconds);
    return 0;
}
