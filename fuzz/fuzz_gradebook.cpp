// The gradebook reader on any bytes: it either loads or throws TFileReadError, leaves the
// open gradebook untouched unless it loaded, and what it loads writes and reads back the
// same. The averages then run over whatever was loaded.

#include "averages.h"
#include "fuzz_check.h"
#include "gradebook_file.h"
#include "sample_builder.h"

#include <cstdint>
#include <string>

using namespace marklow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto accept = [](const std::string&) { return true; };
    TGradebook open;
    AddStudent(open, "Kept Student");
    const std::string before = WriteGradebook(open);
    bool loaded = false;
    try {
        loaded = ReadGradebook(bytes, open, accept).Status == TReadResult::TStatus::Loaded;
    } catch (const TFileReadError&) {
    }
    if (!loaded) {
        FUZZ_CHECK(WriteGradebook(open) == before);
        return 0;
    }
    std::vector<std::string> lost;
    std::string once = WriteGradebook(open, &lost);
    // Every text fits again: in its field, or whole in the trailer.
    FUZZ_CHECK(lost.empty());
    TGradebook again;
    FUZZ_CHECK(ReadGradebook(once, again, accept).Status == TReadResult::TStatus::Loaded);
    FUZZ_CHECK(WriteGradebook(again) == once);
    for (int c = 2; c <= open.LastGradeColumn(); ++c) {
        int index = open.GradeAt(c)->CategoryIndex;
        FUZZ_CHECK(open.Categories.Count() == 0 ||
                   (index >= -1 && index < open.Categories.Count()));
    }
    RecomputeAll(open);
    ComputeEffectiveWeights(open);
    return 0;
}
