#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quorin {

// Where a conversion writes its RTF text: a block of memory with a fast
// append at its end. When the block has no room left, MakeRoom either hands
// its bytes on (a file, standard output) and starts it anew, or grows it (a
// string). The core writes through it without knowing which.
class RtfSink {
public:
    virtual ~RtfSink() = default;

    void Append(std::string_view bytes) {
        if (bytes.size() > capacity_ - size_) MakeRoom(bytes.size());
        if (!bytes.empty()) std::memcpy(data_ + size_, bytes.data(), bytes.size());
        size_ += bytes.size();
    }
    void Append(char c) {
        if (size_ == capacity_) MakeRoom(1);
        data_[size_++] = c;
    }
    // Room for `count` bytes at the end, to be written and then committed
    // with Commit (which may commit fewer).
    char* Reserve(size_t count) {
        if (count > capacity_ - size_) MakeRoom(count);
        return data_ + size_;
    }
    void Commit(size_t count) { size_ += count; }

    // Every byte appended so far, handed on or not.
    uint64_t Total() const { return handedOn_ + size_; }

protected:
    // Makes room for at least `count` more bytes after the first `size()`
    // ones, by handing bytes on (then NoteHandedOn) or by growing (then
    // SetBlock); throws when it cannot.
    virtual void MakeRoom(size_t count) = 0;

    void SetBlock(char* data, size_t size, size_t capacity) {
        data_ = data;
        size_ = size;
        capacity_ = capacity;
    }
    // The first `count` bytes of the block were handed on and leave it.
    void NoteHandedOn(size_t count) {
        handedOn_ += count;
        size_ -= count;
        std::memmove(data_, data_ + count, size_);
    }
    char* data() const { return data_; }
    size_t size() const { return size_; }
    size_t capacity() const { return capacity_; }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    uint64_t handedOn_ = 0;
};

// A sink that appends to a string the caller holds. While the sink writes,
// the string spans its whole capacity; Text (and the destructor) cut it back
// to the text written.
class AppendingSink : public RtfSink {
public:
    explicit AppendingSink(std::string& text) : text_(text) { Adopt(); }
    ~AppendingSink() override { text_.resize(size()); }
    AppendingSink(const AppendingSink&) = delete;
    AppendingSink& operator=(const AppendingSink&) = delete;

    // The text written so far; the next append takes the string's room again.
    const std::string& Text() {
        text_.resize(size());
        SetBlock(text_.data(), text_.size(), text_.size());
        return text_;
    }
    std::string TakeText() {
        Text();
        std::string taken = std::move(text_);
        text_.clear();
        SetBlock(text_.data(), 0, 0);
        return taken;
    }

protected:
    void MakeRoom(size_t count) override {
        text_.resize(size());
        const size_t wanted = size() + count;
        if (wanted > text_.capacity()) text_.reserve(std::max(wanted, 2 * text_.capacity()));
        Adopt(count);
    }

private:
    // Points the block at room after the string's text: at least `count`
    // bytes, and about as much as the text already holds. The room is
    // zero-filled by the string, so a large capacity left by an earlier use
    // is not taken whole for a short text.
    void Adopt(size_t count = 0) {
        const size_t used = text_.size();
        const size_t room = std::min(text_.capacity() - used, std::max({count, used, size_t{256}}));
        text_.resize(used + room);
        SetBlock(text_.data(), used, text_.size());
    }
    std::string& text_;
};

namespace detail {
struct OwnedText {
    std::string text;
};
}  // namespace detail

// A sink that keeps the whole text in a string of its own: for tests, and for
// callers that need the text in memory.
class StringSink final : private detail::OwnedText, public AppendingSink {
public:
    StringSink() : AppendingSink(text) {}
};

}  // namespace quorin
