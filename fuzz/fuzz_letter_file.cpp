// The letter file reader: loads both tables or throws TFileReadError and changes neither;
// what loads writes back stably.

#include "fuzz_check.h"
#include "gradebook_file.h"
#include "option_files.h"

#include <cstdint>

using namespace marklow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TRealList toNumbers, toLetters;
    toNumbers.Add("kept", 1);
    try {
        ReadLetterFile(bytes, toNumbers, toLetters);
    } catch (const TFileReadError&) {
        FUZZ_CHECK(toNumbers.Count() == 1 && toLetters.Empty());
        return 0;
    }
    std::vector<std::string> lost;
    std::string once = WriteLetterFile(toNumbers, toLetters, &lost);
    FUZZ_CHECK(lost.empty());
    TRealList a, b;
    ReadLetterFile(once, a, b);
    FUZZ_CHECK(WriteLetterFile(a, b) == once);
    return 0;
}
