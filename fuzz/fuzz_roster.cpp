// Class lists: whatever the bytes, the reader either explains why it cannot read them or gives
// records whose fields are valid UTF-8 within the record limit; planning them against a class
// (with the recognised columns and with columns chosen by hand) adds students a file can hold,
// and applying and reverting gives back the same file bytes.

#include "fuzz_check.h"
#include "gradebook_file.h"
#include "roster_import.h"
#include "sample_builder.h"
#include "text.h"

#include <algorithm>
#include <cstdint>

using namespace marklow;

namespace {

void CheckPlan(TGradebook& gb, const TRosterTable& table, const TRosterChoices& choices) {
    const std::string before = WriteGradebook(gb);
    TRosterPlan plan = PlanRosterImport(gb, table, choices);
    if (!plan.Error.empty()) {
        FUZZ_CHECK(!choices.Columns.HasNames() && !plan.Change.Changes());
        return;
    }
    FUZZ_CHECK(plan.Added + plan.MatchedById + plan.MatchedByName + plan.Repeated + plan.Skipped ==
               static_cast<int>(plan.Lines.size()));
    FUZZ_CHECK(plan.Change.Added.NewStudents.size() == static_cast<size_t>(plan.Added));
    for (const TStudent& s : plan.Change.Added.NewStudents) {
        FUZZ_CHECK(!s.Name.empty());
        FUZZ_CHECK(Utf8ToCp1252(s.Name).size() <= kMaxNameBytes);
        FUZZ_CHECK(Utf8ToCp1252(s.ID).size() <= kMaxNameBytes);
    }
    ApplyRosterImport(gb, plan.Change);
    FUZZ_CHECK(gb.StudentCount() == 3 + plan.Added);
    RevertRosterImport(gb, plan.Change);
    FUZZ_CHECK(WriteGradebook(gb) == before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TRosterTable table = ReadRosterCsv(bytes);
    if (!table.Error.empty()) {
        FUZZ_CHECK(table.RowCount() == 0);
        return 0;
    }
    FUZZ_CHECK(table.RowCount() > 0);
    for (size_t r = 0; r < table.RowCount(); ++r) {
        size_t length = 0;
        for (size_t c = 0; c < table.FieldCount(r); ++c) {
            std::string_view f = table.Field(r, c);
            length += f.size();
            FUZZ_CHECK(f.find('\0') == std::string_view::npos);
            // Valid UTF-8: cleaning marks no byte as malformed.
            FUZZ_CHECK(CleanPastedName(f, SIZE_MAX).find('?') == std::string::npos ||
                       f.find('?') != std::string_view::npos);
        }
        FUZZ_CHECK(length <= kMaxRosterRecordBytes);
        FUZZ_CHECK(table.FieldCount(r) <= table.ColumnCount());
    }

    TBuildOptions o;
    o.Students = 3;
    o.Grades = 2;
    o.EditMode = (size & 1) != 0;
    auto gb = BuildGradebook(o);
    TRosterLayout layout = RecogniseRoster(table);
    // The columns a window offers: in order, within the table, the recognised ones among them,
    // never many more than the cap whatever the width (a small cap reaches past it often).
    for (size_t cap : {size_t{2}, kMaxRosterColumnsOffered}) {
        const std::vector<int> offered = OfferedRosterColumns(table, layout.Columns, cap);
        FUZZ_CHECK(offered.size() <= std::min(table.ColumnCount(), cap + 5));
        for (size_t i = 0; i < offered.size(); ++i) {
            FUZZ_CHECK(offered[i] >= 0 && static_cast<size_t>(offered[i]) < table.ColumnCount());
            FUZZ_CHECK(i == 0 || offered[i - 1] < offered[i]);
        }
        const TRosterColumns& c = layout.Columns;
        for (int col : {c.Name, c.First, c.Last, c.Id, c.Login})
            FUZZ_CHECK(col < 0 || std::find(offered.begin(), offered.end(), col) != offered.end());
    }
    CheckPlan(*gb, table, {layout.Columns, TNameOrder::AsInFile, layout.Format});
    TRosterColumns byHand{0, -1, -1, 1, 2, false};
    CheckPlan(*gb, table, {byHand, TNameOrder::FirstLast, TRosterFormat::Canvas});
    TRosterColumns parts{-1, 1, 0, 2, -1, true};
    CheckPlan(*gb, table, {parts, TNameOrder::AsInFile, TRosterFormat::Generic});
    return 0;
}
