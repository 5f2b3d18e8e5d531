#include "work_policy.h"

#include "binary_io.h"
#include "gradebook.h"

#include <cmath>

namespace marklow {

TEntry ReadGradeEntry(const TGradebook& gb, const TGrade& g, std::string_view text) {
    TEntry e = ReadEntry(text, gb.LetterToNumber, gb.DecimalComma);
    if (e.Kind == EntryKind::Missing) {
        e.Value = gb.Work.MissingPercent;
    } else if (e.Kind == EntryKind::Blank && gb.Work.BlankIsMissing && PastDue(g, gb.Today)) {
        e.Kind = EntryKind::Missing;
        e.Value = gb.Work.MissingPercent;
        e.FromBlank = true;
    }
    return e;
}

namespace {
constexpr uint8_t kPolicyVersion = 1;
} // namespace

std::string WriteWorkPolicy(const TWorkPolicy& policy) {
    std::string bytes;
    if (policy == TWorkPolicy{}) return bytes;
    TByteWriter out(bytes);
    out.Byte(kPolicyVersion);
    out.Float64(policy.MissingPercent);
    out.Flag(policy.BlankIsMissing);
    return bytes;
}

TWorkPolicy ReadWorkPolicy(std::string_view payload) {
    TWorkPolicy policy;
    TByteReader in(payload);
    // Later versions append fields, so any version reads the fields this one knows.
    if (in.Remaining() < 1 || in.Byte() == 0) return policy;
    if (in.Remaining() >= 8) {
        const double pct = in.Float64();
        if (std::isfinite(pct) && pct >= 0 && pct <= 100) policy.MissingPercent = pct;
    }
    if (in.Remaining() >= 1) policy.BlankIsMissing = in.Byte() == 1;
    return policy;
}

} // namespace marklow
