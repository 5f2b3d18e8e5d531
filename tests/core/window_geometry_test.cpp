#include "window_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace marklow;

namespace {

// A saved geometry laid out as the toolkit writes it: big-endian, rectangles by their edges.
struct Blob {
    std::string bytes;
    void UInt(uint32_t v, int size) {
        for (int i = size - 1; i >= 0; --i)
            bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    void Rect(int x, int y, int w, int h) {
        UInt(static_cast<uint32_t>(x), 4);
        UInt(static_cast<uint32_t>(y), 4);
        UInt(static_cast<uint32_t>(x + w - 1), 4);
        UInt(static_cast<uint32_t>(y + h - 1), 4);
    }
};

std::string Base64(const std::string& in) {
    static const char* k = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    size_t i = 0;
    for (; i + 2 < in.size(); i += 3) {
        uint32_t v = static_cast<uint8_t>(in[i]) << 16 | static_cast<uint8_t>(in[i + 1]) << 8 |
                     static_cast<uint8_t>(in[i + 2]);
        for (int s = 18; s >= 0; s -= 6)
            out += k[(v >> s) & 63];
    }
    if (i < in.size()) {
        uint32_t v = static_cast<uint8_t>(in[i]) << 16;
        if (i + 1 < in.size()) v |= static_cast<uint8_t>(in[i + 1]) << 8;
        out += k[(v >> 18) & 63];
        out += k[(v >> 12) & 63];
        out += i + 1 < in.size() ? k[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string Saved(int x, int y, int w, int h, int version = 3) {
    Blob b;
    b.UInt(0x1D9D0CB, 4);
    b.UInt(static_cast<uint32_t>(version), 2);
    b.UInt(0, 2);
    b.Rect(x - 2, y - 30, w + 4, h + 32); // the frame
    b.Rect(x, y, w, h);                   // the normal geometry
    b.UInt(0, 4);                         // screen
    b.UInt(0, 1);
    b.UInt(0, 1);
    if (version >= 2) b.UInt(1920, 4);
    if (version >= 3) b.Rect(x, y, w, h);
    return Base64(b.bytes);
}

const std::vector<TRect> kScreen{{0, 0, 1920, 1050}};

} // namespace

TEST(WindowGeometry, DecodesTheToolkitsLayoutOfEveryVersion) {
    for (int version = 1; version <= 3; ++version) {
        auto g = DecodeWindowGeometry(Saved(100, 80, 800, 600, version));
        ASSERT_TRUE(g) << version;
        EXPECT_EQ(g->Version, version);
        EXPECT_EQ(g->Normal.X, 100);
        EXPECT_EQ(g->Normal.Width, 800);
        EXPECT_EQ(g->Normal.Height, 600);
        EXPECT_EQ(g->Client.has_value(), version == 3);
        EXPECT_TRUE(GeometryFitsScreens(*g, kScreen));
    }
    // Not base64, cut short, another magic number, a version to come.
    EXPECT_FALSE(DecodeWindowGeometry("not base64!"));
    EXPECT_FALSE(DecodeWindowGeometry(""));
    std::string whole = Saved(100, 80, 800, 600);
    EXPECT_FALSE(DecodeWindowGeometry(whole.substr(0, whole.size() - 8)));
    EXPECT_FALSE(DecodeWindowGeometry("AAAAAAADAAA="));
    Blob future;
    future.UInt(0x1D9D0CB, 4);
    future.UInt(4, 2);
    future.UInt(0, 2);
    EXPECT_FALSE(DecodeWindowGeometry(Base64(future.bytes)));
}

TEST(WindowGeometry, RefusesWindowsOffTheScreensOrOfAnUnusableSize) {
    auto fits = [](const std::string& saved, const std::vector<TRect>& screens = kScreen) {
        auto g = DecodeWindowGeometry(saved);
        return g && GeometryFitsScreens(*g, screens);
    };
    EXPECT_TRUE(fits(Saved(0, 0, 1920, 1050)));
    EXPECT_FALSE(fits(Saved(0, 0, 100000, 600))) << "wider than any screen";
    EXPECT_FALSE(fits(Saved(0, 0, 800, 2000000000))) << "taller than any screen";
    EXPECT_FALSE(fits(Saved(50, 50, 20, 10))) << "too small to use";
    EXPECT_FALSE(fits(Saved(30000, 200, 800, 600))) << "right of every screen";
    EXPECT_FALSE(fits(Saved(200, -5000, 800, 600))) << "its title bar above the screen";
    EXPECT_FALSE(fits(Saved(-780, 100, 800, 600))) << "only 20 pixels showing";
    EXPECT_TRUE(fits(Saved(-700, 100, 800, 600))) << "enough of it to drag back";
    EXPECT_FALSE(fits(Saved(2000, 100, 800, 600)));
    EXPECT_TRUE(fits(Saved(2000, 100, 800, 600), {{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}}))
        << "on the second screen";
    EXPECT_FALSE(fits(Saved(100, 100, 800, 600), {}));
    // Edges that overflow a 32-bit size are refused, not wrapped.
    Blob b;
    b.UInt(0x1D9D0CB, 4);
    b.UInt(1, 2);
    b.UInt(0, 2);
    b.Rect(0, 0, 10, 10);
    b.UInt(0x80000000u, 4); // left at the lowest int, right at the highest
    b.UInt(0, 4);
    b.UInt(0x7FFFFFFFu, 4);
    b.UInt(100, 4);
    b.UInt(0, 4);
    b.UInt(0, 2);
    EXPECT_FALSE(DecodeWindowGeometry(Base64(b.bytes)));
}
