// The clipboard's student block: any bytes give the records they hold; each record read
// writes and reads back the same.

#include "fuzz_check.h"
#include "gradebook_file.h"

#include <cstdint>
#include <cstring>

using namespace marklow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TStudentBlock block = ReadStudentBlock(bytes);
    FUZZ_CHECK(block.Students.size() * 31 <= size);
    for (const TStudent& s : block.Students) {
        std::string record;
        TByteWriter out(record);
        TLostTexts lost;
        WriteStudentWithAverage(out, s, &lost);
        FUZZ_CHECK(lost.Texts().empty());
        TByteReader in(record);
        TStudent back;
        ReadStudentWithAverage(in, back);
        FUZZ_CHECK(in.AtEnd());
        FUZZ_CHECK(back.Name == s.Name && back.ID == s.ID && back.Notes == s.Notes);
        FUZZ_CHECK(back.UserOrder == s.UserOrder && back.HasAverage == s.HasAverage);
        FUZZ_CHECK(std::memcmp(&back.Average, &s.Average, sizeof s.Average) == 0);
    }
    return 0;
}
