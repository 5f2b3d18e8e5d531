#pragma once
// Where an export or a printout goes: a file of its own name, replaced safely, or a stream
// the teacher named (/dev/stdout, /dev/null, a named pipe), written straight into. A file
// written there never goes through a symbolic link, since anyone who can write the folder
// can put one there.

#include <string>
#include <string_view>

namespace marklow {

struct TOutputTarget {
    enum class TKind {
        New,      // nothing of that name yet
        Existing, // a regular file, to be replaced
        Stream,   // a device, a pipe or one of the process's own streams: written into
        Refused,  // Error says why
    };
    TKind Kind = TKind::New;
    std::string Error;
};

// What writing to path would do, looked at without writing anything.
TOutputTarget CheckOutputTarget(const std::string& path);

// Writes the bytes to path as CheckOutputTarget says: a regular file safely and without a
// backup, a stream straight (appending, so that /dev/stdout redirected into a file keeps what
// is there). Returns an empty string when written, otherwise the message.
std::string WriteOutputFile(const std::string& path, std::string_view bytes);

} // namespace marklow
