#include "file_trailer.h"

namespace marklow {

namespace {
constexpr std::string_view kMagic = "MKLW";
constexpr std::string_view kEnd = "END0";
} // namespace

void AppendTrailer(TByteWriter& out,
                   const std::vector<std::pair<std::string, std::string>>& sections) {
    bool any = false;
    for (const auto& s : sections) any = any || !s.second.empty();
    if (!any) return;
    out.Bytes(kMagic);
    for (const auto& [tag, payload] : sections) {
        if (payload.empty()) continue;
        if (tag.size() != 4 || payload.size() > UINT32_MAX)
            throw TFileWriteError("A section of the file cannot be stored");
        out.Bytes(tag);
        out.Int32(static_cast<int32_t>(static_cast<uint32_t>(payload.size())));
        out.Bytes(payload);
    }
    out.Bytes(kEnd);
}

std::vector<TTrailerSection> ReadTrailer(std::string_view rest) {
    std::vector<TTrailerSection> sections;
    if (rest.substr(0, kMagic.size()) != kMagic) return sections;
    rest.remove_prefix(kMagic.size());
    while (rest.size() >= 4) {
        std::string_view tag = rest.substr(0, 4);
        if (tag == kEnd) break;
        if (rest.size() < 8) break;
        uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= static_cast<uint32_t>(static_cast<unsigned char>(rest[4 + i])) << (8 * i);
        if (n > rest.size() - 8) break;
        sections.push_back({std::string(tag), rest.substr(8, n)});
        rest.remove_prefix(8 + static_cast<size_t>(n));
    }
    return sections;
}

std::string_view FindSection(const std::vector<TTrailerSection>& sections, std::string_view tag) {
    for (const auto& s : sections)
        if (s.Tag == tag) return s.Payload;
    return {};
}

} // namespace marklow
