// The category file reader: loads or throws TFileReadError; what loads writes back stably.

#include "fuzz_check.h"
#include "gradebook_file.h"
#include "option_files.h"

#include <cstdint>

using namespace marklow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TCategoryList list;
    try {
        list = ReadCategoryFile(bytes);
    } catch (const TFileReadError&) {
        return 0;
    }
    std::vector<std::string> lost;
    std::string once = WriteCategoryFile(list, &lost);
    FUZZ_CHECK(lost.empty());
    FUZZ_CHECK(WriteCategoryFile(ReadCategoryFile(once)) == once);
    return 0;
}
