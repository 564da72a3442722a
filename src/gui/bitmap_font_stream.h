// A bounds-checked little-endian reader over the bytes of a bitmap-font
// descriptor. Reading past the end of its range gives zeros and sets the
// failed flag, so any bytes at all can be read without care at each step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TBMFontStream {
public:
    explicit TBMFontStream(const std::string& bytes) : bytes_(bytes), pos_(0), end_(bytes.size()) {}

    uint8_t u8() {
        if (pos_ >= end_) {
            failed_ = true;
            return 0;
        }
        return static_cast<uint8_t>(bytes_[pos_++]);
    }
    uint16_t u16() {
        const uint16_t lo = u8();
        const uint16_t hi = u8();
        return static_cast<uint16_t>(lo | (hi << 8));
    }
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint32_t u32() {
        const uint32_t lo = u16();
        const uint32_t hi = u16();
        return lo | (hi << 16);
    }
    // Up to n bytes as text (fewer at the end, which also sets failed).
    std::string text(size_t n) {
        std::string out;
        for (size_t i = 0; i < n && !failed_; ++i) {
            const uint8_t c = u8();
            if (!failed_) out.push_back(static_cast<char>(c));
        }
        return out;
    }
    // The next n bytes as a reader of their own; this reader moves past them.
    // n must not exceed remaining().
    TBMFontStream take(size_t n) {
        TBMFontStream part(bytes_, pos_, pos_ + n);
        pos_ += n;
        return part;
    }
    size_t remaining() const { return pos_ < end_ ? end_ - pos_ : 0; }
    bool atEnd() const { return pos_ >= end_; }
    bool failed() const { return failed_; }

private:
    TBMFontStream(const std::string& bytes, size_t begin, size_t end) : bytes_(bytes), pos_(begin), end_(end) {}

    const std::string& bytes_;
    size_t pos_;
    size_t end_;
    bool failed_ = false;
};

// The NUL-ended names of a pages block, read to the reader's end (a last name
// without its NUL counts).
inline std::vector<std::string> readNulEndedNames(TBMFontStream& stream) {
    std::vector<std::string> names;
    std::string current;
    bool open = false;
    while (!stream.atEnd()) {
        const char c = static_cast<char>(stream.u8());
        if (c == '\0') {
            names.push_back(current);
            current.clear();
            open = false;
        } else {
            current.push_back(c);
            open = true;
        }
    }
    if (open) names.push_back(current);
    return names;
}
