#pragma once
// Little-endian fields in memory: a reader over the bytes of a file that always knows how many
// bytes remain, and a writer that appends to a string. Every reader of outside bytes goes
// through TByteReader, so a read past the end can only end in TFileReadError.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace marklow {

// The one error of the file readers: cut-short or impossible data.
class TFileReadError : public std::runtime_error {
public:
    TFileReadError() : std::runtime_error("File Read Error") {}
};

// Something the layout cannot hold (a 16-bit count overflowing, a text of 2 GB); the writer
// refuses instead of producing a file that reads back wrong.
class TFileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TByteReader {
public:
    explicit TByteReader(std::string_view bytes)
        : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    size_t Remaining() const { return static_cast<size_t>(end_ - p_); }
    bool AtEnd() const { return p_ == end_; }

    uint8_t Byte() {
        Need(1);
        return static_cast<uint8_t>(*p_++);
    }
    bool Flag() { return Byte() != 0; }
    uint16_t UInt16() { return Fixed<uint16_t>(); }
    int16_t Int16() { return static_cast<int16_t>(Fixed<uint16_t>()); }
    int32_t Int32() { return static_cast<int32_t>(Fixed<uint32_t>()); }
    double Float64() {
        uint64_t bits = Fixed<uint64_t>();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    // The next n bytes, valid as long as the underlying data.
    std::string_view Bytes(size_t n) {
        Need(n);
        std::string_view v(p_, n);
        p_ += n;
        return v;
    }
    // The bytes not read yet, for loops that walk many small fields themselves and then Skip.
    std::string_view Rest() const { return std::string_view(p_, Remaining()); }
    void Skip(size_t n) {
        Need(n);
        p_ += n;
    }
    // Fails unless at least count records of minSize bytes each can still follow: a count
    // read from a file must never drive an allocation or a loop beyond the data.
    void NeedRecords(uint64_t count, uint64_t minSize) const {
        if (minSize != 0 && count > Remaining() / minSize) Fail();
    }

    [[noreturn]] static void Fail();

private:
    void Need(size_t n) const {
        if (n > Remaining()) Fail();
    }
    template <typename T> T Fixed() {
        Need(sizeof(T));
        T v = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            v |= static_cast<T>(static_cast<T>(static_cast<uint8_t>(p_[i])) << (8 * i));
        p_ += sizeof(T);
        return v;
    }

    const char* p_;
    const char* end_;
};

class TByteWriter {
public:
    explicit TByteWriter(std::string& out) : out_(out) {}

    void Byte(uint8_t b) { out_.push_back(static_cast<char>(b)); }
    void Flag(bool b) { Byte(b ? 1 : 0); }
    void UInt16(uint16_t v) { Fixed(v); }
    void Int16(int16_t v) { Fixed(static_cast<uint16_t>(v)); }
    void Int32(int32_t v) { Fixed(static_cast<uint32_t>(v)); }
    void Float64(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        Fixed(bits);
    }
    void Bytes(std::string_view b) { out_.append(b); }
    void Zeros(size_t n) { out_.append(n, '\0'); }

    std::string& Out() { return out_; }

private:
    template <typename T> void Fixed(T v) {
        char b[sizeof(T)];
        for (size_t i = 0; i < sizeof(T); ++i)
            b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        out_.append(b, sizeof b);
    }

    std::string& out_;
};

} // namespace marklow
