// Prints the conversion core's throughput in MB of WordPerfect input per second:
// (a) a generated text-heavy document of about 50 MB with attribute pairs,
// tabs and returns, beside the limit of the work measured in the same run;
// (b) the real documents of tests/data converted 1000 times.
//
// The limit is the bare loop that plain text needs: every input byte expanded
// into its four-byte escape, written to a file in 1 MB pieces. On a shared
// machine the ratio to it is the figure to compare.
//
//   core_throughput [DATA_DIR] [MEGABYTES]
//   core_throughput --write FILE [MEGABYTES]   writes the generated document
//   core_throughput --limit FILE OUTPUT        the limit loop over FILE, in MB/s
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <memory>
#include <fstream>
#include <sstream>
#include <stdexcept>
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

// A sink that keeps one reused block and drops what it hands on: the core
// alone, without the cost of a destination.
class DroppingSink final : public quorin::RtfSink {
public:
    DroppingSink() : block_(new char[kSize]) { SetBlock(block_.get(), 0, kSize); }
    uint64_t Dropped() const { return Total(); }

protected:
    void MakeRoom(size_t count) override {
        if (count > kSize) throw std::length_error("append larger than the block");
        NoteHandedOn(size());
    }

private:
    static constexpr size_t kSize = size_t{1} << 20;
    std::unique_ptr<char[]> block_;
};

// The limit loop; returns its seconds.
double LimitSeconds(const std::string& input, const char* outputPath) {
    constexpr size_t kPiece = size_t{1} << 20;
    const auto start = std::chrono::steady_clock::now();
    unlink(outputPath);  // a fresh file, as the converter writes
    int fd = open(outputPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    std::unique_ptr<char[]> piece(new char[kPiece]);
    constexpr char digits[] = "0123456789ABCDEF";
    size_t used = 0;
    for (unsigned char c : input) {
        if (used == kPiece) {
            if (write(fd, piece.get(), used) != static_cast<ssize_t>(used)) return -1;
            used = 0;
        }
        char* to = piece.get() + used;
        to[0] = '\\';
        to[1] = '\'';
        to[2] = digits[c >> 4];
        to[3] = digits[c & 0x0F];
        used += 4;
    }
    if (write(fd, piece.get(), used) != static_cast<ssize_t>(used) || close(fd) != 0) return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
    if (argc > 3 && std::string(argv[1]) == "--limit") {
        const std::string input = ReadFile(argv[2]);
        const double seconds = LimitSeconds(input, argv[3]);
        if (seconds < 0) return 1;
        std::printf("%.0f\n", input.size() / 1e6 / seconds);
        return 0;
    }
    const std::string dataDir = argc > 1 ? argv[1] : "tests/data";
    const size_t megabytes = argc > 2 ? std::stoul(argv[2]) : 50;
    quorin::ConversionOptions options;

    const std::string generated = Document(GeneratedBody(megabytes * 1000 * 1000));
    uint64_t outputBytes = 0;
    double best = 1e9, limitBest = 1e9;
    const std::string limitOutput = (getenv("TMPDIR") ? std::string(getenv("TMPDIR")) : "/tmp") + "/quorin-limit.out";
    for (int round = 0; round < 3; ++round) {
        DroppingSink sink;
        quorin::RtfBuffer message;
        best = std::min(best, Seconds([&] { quorin::ConvertDocument(generated, sink, message, nullptr, options); }));
        outputBytes = sink.Dropped();
        limitBest = std::min(limitBest, LimitSeconds(generated, limitOutput.c_str()));
    }
    unlink(limitOutput.c_str());
    const double core = generated.size() / 1e6 / best, limit = generated.size() / 1e6 / limitBest;
    std::printf("generated document: %.1f MB in, %.1f MB out, %.3f s, %.0f MB/s\n", generated.size() / 1e6,
                outputBytes / 1e6, best, core);
    std::printf("limit (escape every byte, write in 1 MB pieces): %.0f MB/s; core at %.2f of it\n", limit,
                core / limit);

    std::vector<std::string> corpus;
    for (const char* name : {"report-1996.wp", "report-1980.wp", "sample-50.wp", "sample-51.wp"}) {
        corpus.push_back(ReadFile(dataDir + "/" + name));
        if (corpus.back().empty()) {
            std::fprintf(stderr, "cannot read %s/%s\n", dataDir.c_str(), name);
            return 1;
        }
    }
    size_t corpusBytes = 0;
    DroppingSink sink;  // reused, as the batch reuses its pieces
    const double seconds = Seconds([&] {
        for (int i = 0; i < 1000; ++i)
            for (const std::string& file : corpus) {
                quorin::RtfBuffer message;
                quorin::ConvertDocument(file, sink, message, nullptr, options);
                corpusBytes += file.size();
            }
    });
    std::printf("real documents x1000: %zu files, %.1f MB, %.3f s, %.0f MB/s, %.0f files/s\n", corpus.size() * 1000,
                corpusBytes / 1e6, seconds, corpusBytes / 1e6 / seconds, corpus.size() * 1000 / seconds);
    return 0;
}
