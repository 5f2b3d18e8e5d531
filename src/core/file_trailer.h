#pragma once
// Sections appended after the last field of a file's documented layout. A reader of that
// layout stops before them, so a file stays readable there; this program reads them to get
// back what the layout cannot hold. The framing is the 4 bytes "MKLW", then records of a
// 4-byte tag, a 32-bit length and the payload, ended by the tag "END0".

#include "binary_io.h"

#include <string>
#include <string_view>
#include <vector>

namespace marklow {

struct TTrailerSection {
    std::string Tag;          // four characters
    std::string_view Payload; // into the bytes given to ReadTrailer
};

// Appends the sections that have a payload; writes nothing at all when none has, so a file
// with nothing beyond the layout is byte for byte what the layout says.
void AppendTrailer(TByteWriter& out, const std::vector<std::pair<std::string, std::string>>& sections);

// The sections found in `rest` (the bytes after the layout's last field). Anything that is not
// a well-formed trailer ends the list quietly: what the layout held is never lost to it.
std::vector<TTrailerSection> ReadTrailer(std::string_view rest);

// The payload of the section `tag`, or empty when there is none.
std::string_view FindSection(const std::vector<TTrailerSection>& sections, std::string_view tag);

} // namespace marklow
