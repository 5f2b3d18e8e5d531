#include "file_trailer.h"

#include <gtest/gtest.h>

namespace marklow {
namespace {

std::string Written(const std::vector<std::pair<std::string, std::string>>& sections) {
    std::string bytes;
    TByteWriter out(bytes);
    AppendTrailer(out, sections);
    return bytes;
}

TEST(FileTrailer, SectionsComeBackAndEmptyOnesAreNotWritten) {
    EXPECT_EQ(Written({}), "");
    EXPECT_EQ(Written({{"TEXT", ""}}), "");
    std::string bytes = Written({{"TEXT", "abc"}, {"NONE", ""}, {"GRAD", std::string("\0x", 2)}});
    auto sections = ReadTrailer(bytes);
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].Tag, "TEXT");
    EXPECT_EQ(sections[0].Payload, "abc");
    EXPECT_EQ(FindSection(sections, "GRAD"), std::string_view("\0x", 2));
    EXPECT_EQ(FindSection(sections, "NONE"), "");
}

TEST(FileTrailer, DamageEndsTheListWithoutLosingCompleteSections) {
    std::string bytes = Written({{"AAAA", "first"}, {"BBBB", "second"}});
    // Every cut keeps the sections that are whole before it and never reads past the data.
    for (size_t n = 0; n < bytes.size(); ++n) {
        auto sections = ReadTrailer(std::string_view(bytes).substr(0, n));
        ASSERT_LE(sections.size(), 2u);
        for (const auto& s : sections)
            EXPECT_TRUE(s.Payload == "first" || s.Payload == "second");
    }
    EXPECT_TRUE(ReadTrailer("garbage").empty());
    // A length beyond the data is not believed.
    std::string huge = std::string("MKLW") + "AAAA" + std::string("\xff\xff\xff\x7f", 4) + "x";
    EXPECT_TRUE(ReadTrailer(huge).empty());
}

} // namespace
} // namespace marklow
