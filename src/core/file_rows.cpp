#include "file_rows.h"

#include "text.h"

#include <algorithm>
#include <cstring>

namespace marklow {

namespace {
constexpr uint64_t kHighBits = 0x8080808080808080ull;
} // namespace

std::string_view Encode(std::string_view text, size_t maxBytes, std::string& scratch,
                        TLostTexts* lost, TTextPlace place) {
    std::string_view out = text;
    bool lostChars = false;
    if (!IsAscii(text)) {
        scratch = Utf8ToCp1252(text, &lostChars);
        out = scratch;
    }
    if (out.size() > maxBytes) {
        out = out.substr(0, maxBytes);
        lostChars = true;
    }
    if (lostChars && lost) lost->Add(text, place);
    return out;
}

std::string Decode(std::string_view bytes) {
    return IsAscii(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

namespace {

// Copies n bytes where n is usually small into a buffer with at least 16 bytes to spare at
// `to`: a fixed 16-byte copy when the source has that much, which the compiler turns into one
// load and one store instead of a call. Returns bits that have kHighBits set when a copied
// byte is beyond ASCII: with OwnBytesOnly one of the n bytes, otherwise also one of those up
// to fromEnd, for a caller that checks all of them anyway.
template <bool OwnBytesOnly>
inline uint64_t CopyShort(char* to, const char* from, size_t n, const char* fromEnd) {
    // The low k bytes of a little-endian word.
    auto low = [](size_t k) { return k >= 8 ? ~0ull : (1ull << (8 * k)) - 1; };
    if (n <= 16 && fromEnd - from >= 16) {
        uint64_t w[2];
        std::memcpy(w, from, 16);
        std::memcpy(to, w, 16);
        if constexpr (!OwnBytesOnly) return w[0] | w[1];
        return (w[0] & low(n)) | (w[1] & low(n > 8 ? n - 8 : 0));
    }
    std::memcpy(to, from, n);
    return IsAscii(std::string_view(from, n)) ? 0 : kHighBits;
}

// The same row with every text converted from Windows-1252.
TCellRow DecodeRow(const TCellRow& raw) {
    TCellRow row;
    row.Reserve(raw.size(), raw.Text().size() + raw.Text().size() / 2);
    for (std::string_view cell : raw) {
        if (IsAscii(cell))
            row.Append(cell);
        else
            row.Append(Cp1252ToUtf8(cell));
    }
    return row;
}

} // namespace

TCellRow ReadRow(TByteReader& in, int width) {
    int count = in.Int16();
    if (count <= 0) return TCellRow();
    in.NeedRecords(static_cast<uint64_t>(count), 1);
    size_t kept = static_cast<size_t>(std::min(count, std::max(width, 0)));
    // The cells are walked directly into the row's buffers: this loop reads nearly all of a
    // large file. The text buffer carries 16 spare bytes for CopyShort.
    std::string_view rest = in.Rest();
    const char* p = rest.data();
    const char* end = p + rest.size();
    std::vector<uint32_t> ends(kept);
    std::string text;
    text.resize(std::min(rest.size(), kept * 4) + 16);
    size_t used = 0;
    // The cells beyond ASCII, when there are few: only they are converted.
    constexpr size_t kFewHigh = 4;
    uint32_t highCells[kFewHigh];
    size_t highCount = 0;
    for (size_t c = 0; c < static_cast<size_t>(count); ++c) {
        if (p == end) in.FailShort(static_cast<size_t>(p - rest.data()));
        size_t n = static_cast<unsigned char>(*p++);
        if (static_cast<size_t>(end - p) < n)
            in.FailShort(static_cast<size_t>(p - 1 - rest.data()));
        if (c < kept) {
            if (text.size() - used < n + 16) text.resize(std::max(text.size() * 2, used + n + 16));
            // The bytes after a cell in the file include length bytes.
            if (CopyShort<true>(text.data() + used, p, n, end) & kHighBits) {
                if (highCount < kFewHigh) highCells[highCount] = static_cast<uint32_t>(c);
                ++highCount;
            }
            used += n;
            ends[c] = static_cast<uint32_t>(used);
        }
        p += n;
    }
    in.Skip(static_cast<size_t>(p - rest.data()));
    text.resize(used);
    TCellRow row = TCellRow::Adopt(std::move(text), std::move(ends));
    if (highCount > kFewHigh) return DecodeRow(row);
    for (size_t k = 0; k < highCount; ++k)
        row.Set(highCells[k], Cp1252ToUtf8(row[highCells[k]]));
    return row;
}

void WriteRow(TByteWriter& out, const TCellRow& cells, std::string& scratch, TLostTexts* lost,
              uint32_t row) {
    out.UInt16(static_cast<uint16_t>(cells.size()));
    std::string_view text = cells.Text();
    // Nearly every row is short ASCII cells: size the output once and copy them straight in,
    // noting on the way whether any byte was beyond ASCII.
    std::string& bytes = out.Out();
    const size_t at = bytes.size();
    bytes.resize(at + cells.size() + text.size() + 16);
    char* o = bytes.data() + at;
    const char* src = text.data();
    const char* srcEnd = src + text.size();
    uint64_t high = 0;
    bool plain = true;
    uint32_t from = 0;
    for (uint32_t e : cells.Ends()) {
        size_t n = e - from;
        if (n > kShortTextMax) {
            plain = false;
            break;
        }
        *o++ = static_cast<char>(n);
        // The output always has 16 bytes to spare here: it holds one length byte per cell
        // and the row's text, plus 16.
        // The bytes after a cell are the rest of this row's text.
        high |= CopyShort<false>(o, src + from, n, srcEnd);
        o += n;
        from = e;
        // The exact pass below does the whole row again: stop copying at once.
        if (high & kHighBits) {
            plain = false;
            break;
        }
    }
    plain = plain && (high & kHighBits) == 0;
    if (!plain) {
        // Again, looking at each cell's own bytes: only the cells beyond ASCII or 255 bytes
        // are converted. A cell's Windows-1252 form is never longer than its UTF-8 text, so
        // the room sized above still holds the row.
        o = bytes.data() + at;
        from = 0;
        for (uint32_t c = 0; c < cells.size(); ++c) {
            const uint32_t e = cells.Ends()[c];
            const size_t n = e - from;
            if (n <= kShortTextMax &&
                !(CopyShort<true>(o + 1, src + from, n, srcEnd) & kHighBits)) {
                *o = static_cast<char>(n);
                o += 1 + n;
            } else {
                if (lost) lost->At(row, c);
                std::string_view v =
                    Encode(text.substr(from, n), kShortTextMax, scratch, lost, TTextPlace::Cell);
                *o++ = static_cast<char>(v.size());
                std::memcpy(o, v.data(), v.size());
                o += v.size();
            }
            from = e;
        }
    }
    bytes.resize(static_cast<size_t>(o - bytes.data()));
}

} // namespace marklow
