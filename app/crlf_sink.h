#pragma once
#include <cstdint>
#include <memory>

#include "core/rtf_sink.h"

namespace quorin {

// The file a CrLfSink writes into, asked for when the first piece is handed
// on, so that a document that fits one piece touches no file until it is
// finished.
class SinkTarget {
public:
    virtual ~SinkTarget() = default;
    // The descriptor to write to; -1 (errno set) when there is none.
    virtual int Open() = 0;
};

// The RTF text of one document, handed on to a file in large pieces with
// every line feed stored as CR LF. The pieces are kept from document to
// document.
class CrLfSink final : public RtfSink {
public:
    static constexpr size_t kPieceSize = size_t{1} << 20;

    CrLfSink();
    CrLfSink(const CrLfSink&) = delete;
    CrLfSink& operator=(const CrLfSink&) = delete;

    // Starts a document written into `target`, forgetting what an earlier
    // one left in the piece.
    void Begin(SinkTarget& target);
    // Hands on what is left, opening the target if no piece went there yet.
    // False when it could not be opened or a write failed; Error() tells why.
    bool Finish();
    // Whether every byte is still in the piece: nothing was handed on.
    bool AllHeld() const { return fd_ < 0 && error_ == 0; }
    // Writes the text held in the piece to `fd` with CR LF; false when a
    // write failed.
    bool WriteHeldTo(int fd);
    // Forgets the text held (the target's file is its owner's business).
    void Drop();

    int Error() const { return error_; }
    // Whether the failure was that the target could not be opened.
    bool NoFileMade() const { return noFileMade_; }
    // Bytes of the file (after CR LF) handed on so far.
    uint64_t FileBytes() const { return fileBytes_; }

protected:
    void MakeRoom(size_t count) override;

private:
    // Writes the piece to the file; on a failure the bytes are dropped and
    // the error kept, so that the conversion still ends soon.
    void HandOn();
    bool OpenTarget();

    std::unique_ptr<char[]> block_;
    size_t blockSize_ = 0;
    std::unique_ptr<char[]> translated_;
    SinkTarget* target_ = nullptr;
    int fd_ = -1;
    int error_ = 0;
    bool noFileMade_ = false;
    uint64_t fileBytes_ = 0;
};

}  // namespace quorin
