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

// The one error of the file readers: cut-short or impossible data. The message is always
// "File Read Error"; told about a file, its second line names the file. Reason() says where
// the data went wrong, for the command line.
class TFileReadError : public std::runtime_error {
public:
    TFileReadError() : std::runtime_error("File Read Error") {}
    explicit TFileReadError(std::string reason)
        : std::runtime_error("File Read Error"), reason_(std::move(reason)) {}

    TFileReadError ForFile(const std::string& path) const {
        return TFileReadError("File Read Error\n" + path, reason_, path);
    }
    const std::string& Reason() const { return reason_; }
    const std::string& File() const { return file_; }

private:
    TFileReadError(const std::string& message, std::string reason, std::string file)
        : std::runtime_error(message), reason_(std::move(reason)), file_(std::move(file)) {}

    std::string reason_;
    std::string file_;
};

// Runs a reader of the bytes of the file `path`; a damaged file's error names the file.
template <typename Read> decltype(auto) ReadingFile(const std::string& path, Read&& read) {
    try {
        return read();
    } catch (const TFileReadError& e) {
        throw e.ForFile(path);
    }
}

// Something the layout cannot hold (a 16-bit count overflowing, a text of 2 GB); the writer
// refuses instead of producing a file that reads back wrong.
class TFileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TByteReader {
public:
    explicit TByteReader(std::string_view bytes)
        : begin_(bytes.data()), p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    size_t Remaining() const { return static_cast<size_t>(end_ - p_); }
    // How far the reader is into the data.
    size_t Offset() const { return static_cast<size_t>(p_ - begin_); }
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
        if (minSize != 0 && count > Remaining() / minSize) FailCount(count);
    }

    // The data ends inside a field that starts `ahead` bytes after the present position.
    [[noreturn]] void FailShort(size_t ahead = 0) const;
    // A count just read promises more than the rest of the data can hold.
    [[noreturn]] void FailCount(uint64_t count) const;
    // Anything else the data cannot mean, said in a few words.
    [[noreturn]] void Fail(const char* what) const;

private:
    void Need(size_t n) const {
        if (n > Remaining()) FailShort();
    }
    template <typename T> T Fixed() {
        Need(sizeof(T));
        T v = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            v |= static_cast<T>(static_cast<T>(static_cast<uint8_t>(p_[i])) << (8 * i));
        p_ += sizeof(T);
        return v;
    }

    const char* begin_;
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
