#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/rtf_sink.h"

namespace quorin {

// The RTF output of one document while it is converted. The text is handed on
// in large pieces, line feeds stored as CR LF, to a temporary file in the
// output's folder, which becomes the output only when it is published. The
// temporary file is unnamed where the file system allows it, so that nothing
// is left behind whatever ends the program; elsewhere it has a short hidden
// name of its own (".qrn" and six letters) and is removed when discarded. A
// document whose RTF fits one piece touches no file until it is finished.
// The pieces are kept for the next document (see Begin).
class OutputFile final : public RtfSink {
public:
    static constexpr size_t kPieceSize = size_t{1} << 20;

    OutputFile();
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Starts the output of a document whose file goes into `folder` (made
    // when missing). Discards what an earlier document left.
    void Begin(std::string folder);
    // Starts an output written straight into `fd`, a regular file at its end
    // (standard output sent to a file): Discard cuts it back to where it
    // was. False, starting nothing, for any other descriptor.
    bool BeginInPlace(int fd);
    // Hands on what is left to the temporary file. False when the file could
    // not be made or a write failed; Error() tells why.
    bool Finish();
    // Gives the finished file the name `path`, which must not exist; false
    // when it cannot (errno set), the file is then still there to discard.
    bool Publish(const std::string& path);
    // Gives the finished file the name `path`, replacing a file of that name
    // in one step; false when it cannot (the file is then still there to
    // discard).
    bool Replace(const std::string& path);
    // Writes the whole text, finished or not, to `fd` (standard output); the
    // temporary file is removed afterwards. False when a write failed. For
    // an output begun in place, `fd` is that file and this finishes it.
    bool CopyTo(int fd);
    // Closes and removes the temporary file, if any (or cuts back the file
    // written in place).
    void Discard();

    int Error() const { return error_; }
    // For tests: every output file made from now on takes the named way.
    static void UseNamedFilesOnly(bool named);
    // Whether the failure was that no temporary file could be made.
    bool NoFileMade() const { return noFileMade_; }
    // Bytes of the file (after CR LF) handed on so far.
    uint64_t FileBytes() const { return fileBytes_; }

protected:
    void MakeRoom(size_t count) override;

private:
    bool Open();
    bool OpenNamed();
    std::string TemporaryName() const;
    // Writes the block to the file; on a failure the bytes are dropped and
    // the error kept, so that the conversion still ends soon.
    void HandOn();

    std::unique_ptr<char[]> block_;
    size_t blockSize_ = 0;
    std::unique_ptr<char[]> translated_;
    std::string folder_;
    std::string temporaryPath_;  // empty for an unnamed file
    int fd_ = -1;
    long long inPlaceStart_ = -1;  // where the caller's file ended, when written in place
    int error_ = 0;
    bool noFileMade_ = false;
    uint64_t fileBytes_ = 0;
};

}  // namespace quorin
