#pragma once
// File names made from names a teacher typed (one PDF per student): safe on every file
// system a folder may be copied to, Windows' and a USB stick's included.

#include <string>
#include <string_view>
#include <vector>

namespace marklow {

// name as a file name without extension: no '/', '\\', NUL or control characters, none of
// < > : " | ? *, no leading blanks nor trailing blanks or dots, not "." or "..", not a device
// name of Windows (CON, NUL, COM1, ...), at most maxBytes of UTF-8 cut between characters.
// A name with nothing left becomes fallback.
std::string SafeFileName(std::string_view name, size_t maxBytes = 120,
                         std::string_view fallback = "Student");

// SafeFileName of every name, with " (2)", " (3)", ... after the second and later of names
// that would be the same file where letter case does not count.
std::vector<std::string> UniqueFileNames(const std::vector<std::string>& names,
                                         size_t maxBytes = 120,
                                         std::string_view fallback = "Student");

} // namespace marklow
