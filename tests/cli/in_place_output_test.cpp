// Standard output sent to a file is written in place and cut back on failure.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/in_place_output.h"

namespace quorin {
namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(OutputInPlace, FileAtItsEndIsWrittenInPlaceAndCutBackOnFailure) {
    std::string path = std::filesystem::temp_directory_path().string() + "/quorin-stdout-XXXXXX";
    close(mkstemp(path.data()));
    std::ofstream(path) << "earlier";
    // Two pieces and more, line feeds on a piece's edge.
    std::string text(2 * CrLfSink::kPieceSize + 10, 'x');
    text[CrLfSink::kPieceSize - 1] = text[CrLfSink::kPieceSize] = '\n';
    std::string stored = text;
    stored.replace(CrLfSink::kPieceSize - 1, 2, "\r\n\r\n");

    const int fd = open(path.c_str(), O_WRONLY | O_APPEND);
    InPlaceOutput out;
    CrLfSink sink;
    ASSERT_TRUE(out.Begin(fd));
    sink.Begin(out);
    sink.Append(text);
    out.CutBack();
    EXPECT_EQ(Contents(path), "earlier");
    ASSERT_TRUE(out.Begin(fd));
    sink.Begin(out);
    sink.Append(text);
    ASSERT_TRUE(sink.Finish());
    EXPECT_EQ(Contents(path), "earlier" + stored);
    close(fd);
    std::filesystem::remove(path);

    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    EXPECT_FALSE(out.Begin(pipeEnds[1]));
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

}  // namespace
}  // namespace quorin
