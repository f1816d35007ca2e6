// Reads a fuzz input as a sequence of small values; past its end every
// read gives zeros and empty strings, so a target never reads out of it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return next_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[next_++]; }
    std::uint32_t Word32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return value;
    }
    // A string of the length its first byte gives (so up to 255 bytes).
    std::string Short() { return Bytes(Byte()); }
    std::string Bytes(std::size_t count) {
        const std::size_t n = std::min(count, size_ - std::min(next_, size_));
        std::string text(reinterpret_cast<const char*>(data_ + next_), n);
        next_ += n;
        return text;
    }
    // Everything not read yet.
    std::string Rest() { return Bytes(size_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

}  // namespace fuzz
