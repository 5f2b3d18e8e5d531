// Paste of any clipboard bytes: the first byte chooses the student format, the average format
// or plain text; the rest is the clipboard's data. The paste must apply to a small class and
// take itself back to the same file bytes.

#include "clipboard_data.h"
#include "fuzz_check.h"
#include "gradebook_file.h"
#include "sample_builder.h"

#include <cstdint>

using namespace marklow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t mode = data[0] % 3;
    std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    TBuildOptions o;
    o.Students = 4;
    o.Grades = 3;
    o.EditMode = (data[0] & 4) != 0;
    auto gb = BuildGradebook(o);
    gb->StudentAt(2)->ID = "A1";

    TPastePlan plan;
    if (mode == 2) {
        TPlainTextNames names = ReadPlainTextNames(bytes);
        for (const std::string& name : names.Names) {
            FUZZ_CHECK(!name.empty() && name.find_first_of("\r\n") == std::string::npos);
            FUZZ_CHECK(name.front() != ' ' && name.back() != ' ' && name.find('\t') == name.npos);
        }
        if (!names.HasLineBreak) FUZZ_CHECK(names.Names.size() <= 1);
        plan = PlanNamesPaste(*gb, names.Names);
    } else {
        TStudentBlock block = ReadStudentBlock(bytes);
        plan = PlanPaste(*gb, mode == 0 ? TClipboardFormat::Students : TClipboardFormat::Averages,
                         block.Students, block.Complete);
        FUZZ_CHECK(block.Complete == plan.Error.empty());
        FUZZ_CHECK(plan.NewStudents.size() <= block.Students.size());
    }
    const int lastRow = plan.FirstNewRow - 1 + static_cast<int>(plan.NewStudents.size());
    for (const auto& [row, text] : plan.AverageCells)
        FUZZ_CHECK(row >= 2 && row <= lastRow && !text.empty());

    const std::string before = WriteGradebook(*gb);
    ApplyPaste(*gb, plan);
    FUZZ_CHECK(gb->LastStudentRow() == lastRow);
    FUZZ_CHECK(gb->RowCount() == lastRow + (o.EditMode ? 2 : 1));
    RevertPaste(*gb, plan);
    FUZZ_CHECK(WriteGradebook(*gb) == before);
    return 0;
}
