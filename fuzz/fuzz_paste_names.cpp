// Names from pasted plain text: whatever the text, every name is one a file can hold whole
// (at most 255 characters, no control characters, no blanks around it), and pasting the
// names adds them as typed and takes itself back to the same file bytes.

#include "clipboard_data.h"
#include "fuzz_check.h"
#include "gradebook_file.h"
#include "sample_builder.h"
#include "text.h"

#include <cstdint>

using namespace marklow;

namespace {

bool HasControl(std::string_view name) {
    for (size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<unsigned char>(name[i]);
        if (b < 0x20 || b == 0x7F) return true;
        // U+0080 to U+009F in UTF-8.
        if (b == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    TPlainTextNames names = ReadPlainTextNames(text);
    if (!names.HasLineBreak) FUZZ_CHECK(names.Names.size() <= 1);
    for (const std::string& name : names.Names) {
        FUZZ_CHECK(!name.empty() && name.front() != ' ' && name.back() != ' ');
        FUZZ_CHECK(!HasControl(name));
        FUZZ_CHECK(CutToFileText(name, kMaxNameBytes).size() == name.size());
        FUZZ_CHECK(Utf8ToCp1252(name).size() <= kMaxNameBytes);
        // Already clean: cleaning again changes nothing.
        FUZZ_CHECK(CleanPastedName(name) == name);
    }

    TBuildOptions o;
    o.Students = 3;
    o.Grades = 2;
    o.EditMode = size > 0 && (data[0] & 1) != 0;
    auto gb = BuildGradebook(o);
    const std::string before = WriteGradebook(*gb);
    TPastePlan plan = PlanNamesPaste(*gb, names.Names);
    FUZZ_CHECK(plan.NewStudents.size() <= names.Names.size());
    ApplyPaste(*gb, plan);
    for (size_t i = 0; i < plan.NewStudents.size(); ++i)
        FUZZ_CHECK(gb->Cell(1, plan.FirstNewRow + static_cast<int>(i)) == plan.NewStudents[i].Name);
    // The file keeps every pasted name whole, or says which it could not.
    std::vector<std::string> lost;
    const std::string file = WriteGradebook(*gb, &lost);
    TGradebook back;
    ReadGradebook(file, back, nullptr);
    for (size_t i = 0; i < plan.NewStudents.size(); ++i) {
        const std::string& name = plan.NewStudents[i].Name;
        const int r = plan.FirstNewRow + static_cast<int>(i);
        bool wasLost = false;
        Utf8ToCp1252(name, &wasLost);
        if (!wasLost) FUZZ_CHECK(back.Cell(1, r) == name);
    }
    RevertPaste(*gb, plan);
    FUZZ_CHECK(WriteGradebook(*gb) == before);
    return 0;
}
