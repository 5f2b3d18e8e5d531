#include "window_geometry.h"

#include <algorithm>
#include <cstdint>

namespace marklow {

namespace {

std::optional<std::string> DecodeBase64(std::string_view text) {
    auto value = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    while (!text.empty() && text.back() == '=')
        text.remove_suffix(1);
    std::string out;
    out.reserve(text.size() * 3 / 4);
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        const int v = value(c);
        if (v < 0) return std::nullopt;
        bits = (bits << 6) | static_cast<uint32_t>(v);
        if (++count == 4) {
            out += static_cast<char>((bits >> 16) & 0xFF);
            out += static_cast<char>((bits >> 8) & 0xFF);
            out += static_cast<char>(bits & 0xFF);
            bits = 0;
            count = 0;
        }
    }
    if (count == 1) return std::nullopt;
    if (count == 2) out += static_cast<char>((bits >> 4) & 0xFF);
    if (count == 3) {
        out += static_cast<char>((bits >> 10) & 0xFF);
        out += static_cast<char>((bits >> 2) & 0xFF);
    }
    return out;
}

// Big-endian fields, as the toolkit's data stream writes them.
class TStreamReader {
public:
    explicit TStreamReader(std::string_view bytes) : bytes_(bytes) {}
    bool Ok() const { return ok_; }
    uint32_t UInt(size_t size) {
        if (bytes_.size() - at_ < size) {
            ok_ = false;
            return 0;
        }
        uint32_t v = 0;
        for (size_t i = 0; i < size; ++i)
            v = (v << 8) | static_cast<uint8_t>(bytes_[at_++]);
        return v;
    }
    int32_t Int32() { return static_cast<int32_t>(UInt(4)); }
    // A rectangle is stored by its left, top, right and bottom pixels.
    TRect Rect() {
        const int64_t left = Int32(), top = Int32(), right = Int32(), bottom = Int32();
        const int64_t w = right - left + 1, h = bottom - top + 1;
        if (w < 0 || h < 0 || w > INT32_MAX || h > INT32_MAX) ok_ = false;
        return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(w),
                static_cast<int>(h)};
    }

private:
    std::string_view bytes_;
    size_t at_ = 0;
    bool ok_ = true;
};

constexpr uint32_t kMagic = 0x1D9D0CB;

bool SaneSize(const TRect& r, const std::vector<TRect>& screens) {
    int maxWidth = 0, maxHeight = 0;
    for (const TRect& s : screens) {
        maxWidth = std::max(maxWidth, s.Width);
        maxHeight = std::max(maxHeight, s.Height);
    }
    return r.Width >= kMinWindowWidth && r.Height >= kMinWindowHeight && r.Width <= maxWidth &&
           r.Height <= maxHeight;
}

// The strip at the top of the window by which it is moved: some of it must lie on a screen.
bool TitleOnScreen(const TRect& r, const std::vector<TRect>& screens) {
    constexpr int64_t kStrip = 30, kVisible = 100;
    for (const TRect& s : screens) {
        const int64_t left = std::max<int64_t>(r.X, s.X);
        const int64_t right = std::min<int64_t>(int64_t{r.X} + r.Width, int64_t{s.X} + s.Width);
        const int64_t top = std::max<int64_t>(r.Y, s.Y);
        const int64_t bottom = std::min<int64_t>(int64_t{r.Y} + kStrip, int64_t{s.Y} + s.Height);
        if (right - left >= std::min<int64_t>(kVisible, r.Width) && bottom > top) return true;
    }
    return false;
}

} // namespace

std::optional<TSavedGeometry> DecodeWindowGeometry(std::string_view base64) {
    auto bytes = DecodeBase64(base64);
    if (!bytes) return std::nullopt;
    TStreamReader in(*bytes);
    TSavedGeometry g;
    if (in.UInt(4) != kMagic) return std::nullopt;
    g.Version = static_cast<int>(in.UInt(2));
    in.UInt(2); // minor version
    if (g.Version < 1 || g.Version > 3) return std::nullopt;
    g.Frame = in.Rect();
    g.Normal = in.Rect();
    in.Int32(); // screen number
    g.Maximized = in.UInt(1) != 0;
    g.FullScreen = in.UInt(1) != 0;
    if (g.Version >= 2) in.Int32(); // screen width
    if (g.Version >= 3) g.Client = in.Rect();
    if (!in.Ok()) return std::nullopt;
    g.Bytes = std::move(*bytes);
    return g;
}

bool GeometryFitsScreens(const TSavedGeometry& g, const std::vector<TRect>& screens) {
    if (screens.empty()) return false;
    if (!SaneSize(g.Normal, screens) || !TitleOnScreen(g.Normal, screens)) return false;
    if (g.Client && (!SaneSize(*g.Client, screens) || !TitleOnScreen(*g.Client, screens)))
        return false;
    return true;
}

} // namespace marklow
