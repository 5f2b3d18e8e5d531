// The clipboard's student block: any bytes give the records they hold, the trailer's exact
// texts and logins applied; the records written again as a block read back the same.

#include "file_trailer.h"
#include "fuzz_check.h"
#include "gradebook_file.h"
#include "whole_texts.h"

#include <cstdint>
#include <cstring>

using namespace marklow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TStudentBlock block = ReadStudentBlock(bytes);
    FUZZ_CHECK(block.Students.size() * 31 <= size);
    if (block.Students.size() + 1 > UINT16_MAX) return 0;
    std::string again;
    TByteWriter out(again);
    TWholeTexts whole, logins;
    TLostTexts lost(&whole);
    out.UInt16(static_cast<uint16_t>(block.Students.size() + 1));
    for (size_t i = 0; i < block.Students.size(); ++i) {
        const TStudent& s = block.Students[i];
        lost.At(static_cast<uint32_t>(i));
        WriteStudentWithAverage(out, s, &lost);
        if (!s.Login.empty())
            logins.Add(TTextPlace::StudentLogin, static_cast<uint32_t>(i), 0, s.Login);
    }
    // Every text the records cannot hold goes to the trailer, none is lost.
    FUZZ_CHECK(lost.Texts().empty());
    AppendTrailer(out, {{std::string(kTextSectionTag), whole.TakePayload()},
                        {std::string(kStudentSectionTag), logins.TakePayload()}});
    TStudentBlock back = ReadStudentBlock(again);
    FUZZ_CHECK(back.Complete && back.Students.size() == block.Students.size());
    for (size_t i = 0; i < block.Students.size(); ++i) {
        const TStudent& s = block.Students[i];
        const TStudent& b = back.Students[i];
        FUZZ_CHECK(b.Name == s.Name && b.ID == s.ID && b.Notes == s.Notes && b.Login == s.Login);
        FUZZ_CHECK(b.UserOrder == s.UserOrder && b.HasAverage == s.HasAverage);
        FUZZ_CHECK(std::memcmp(&b.Average, &s.Average, sizeof s.Average) == 0);
    }
    return 0;
}
