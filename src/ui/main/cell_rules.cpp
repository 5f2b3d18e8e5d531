#include "cell_rules.h"

#include "work_policy.h"

#include "averages.h"
#include "entry.h"
#include "gradebook.h"
#include "text.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include <QCoreApplication>

namespace marklow {

bool MayLeaveCell(const TGradebook& gb, int c, int r) {
    if (!gb.EditMode() || c < 2 || r < 2 || c >= gb.ColCount() || r >= gb.RowCount()) return true;
    // Text in the spare column or row belongs to no grade or student: it would be lost.
    return (gb.GradeAt(c) && gb.StudentAt(r)) || IsBlank(gb.Cell(c, r));
}

bool MayEnterCell(const TGradebook& gb, int c, int r) {
    if (c < 2 || r < 2) return true;
    if (c >= gb.ColCount() || r >= gb.RowCount()) return false;
    return !IsBlank(gb.Cell(c, 1)) && !IsBlank(gb.Cell(1, r));
}

QString EntryPrompt(int c, int r) {
    return r == 1   ? QCoreApplication::translate("CellRules",
                                                  "Enter a grade name, then press Tab or Enter")
           : c == 1 ? QCoreApplication::translate("CellRules",
                                                  "Enter a student name, then press Tab or Enter")
                    : QCoreApplication::translate("CellRules",
                                                  "Enter a grade value, then press Tab or Enter");
}

TWalk WalkForward(int c, int r, int colCount, int rowCount) {
    if (r == 1) {
        if (c != colCount - 1) return {true, c + 1, r};
        return {};
    }
    if (r != rowCount - 1) return {true, c, r + 1};
    return {};
}

TWalk WalkBack(int c, int r) {
    if (r == 1 && c > 2) return {true, c - 1, r};
    if (r > 2) return {true, c, r - 1};
    return {};
}

std::pair<int, int> FirstEntryCell(const TGradebook& gb) {
    if (!gb.EditMode() || MayEnterCell(gb, 2, 2)) return {2, 2};
    if (gb.RowCount() > 2 && IsBlank(gb.Cell(1, 2))) return {1, 2};
    return {2, 1};
}

bool TakesCursor(const TGradebook& gb, int c, int r) {
    return !(c == 1 && r == 1) && MayEnterCell(gb, c, r);
}

std::optional<std::string> OverpaintText(const TGradebook& gb, int c, int r, bool showCurve) {
    if (c >= gb.ColCount() || r >= gb.RowCount()) return std::nullopt;
    if (gb.EditMode() && c == 1 && r == 1) return std::string(gb.Cell(c, r));
    if (!showCurve || c < 2 || c > gb.LastGradeColumn() || r < 2 || r > gb.LastStudentRow())
        return std::nullopt;
    const TGrade* g = gb.GradeAt(c);
    if (!g || !g->Curve) return std::nullopt;
    std::string_view entry = gb.Cell(c, r);
    if (!entry.empty() && entry.front() == '/') return std::nullopt;
    return CurvedText(entry, g->CurveAmount, gb.LetterToNumber, gb.DecimalComma);
}

TEntryProblem EntryProblem(const TGradebook& gb, int c, int r) {
    if (c < 2 || r < 2 || c > gb.LastGradeColumn() || r > gb.LastStudentRow())
        return TEntryProblem::None;
    const TGrade* g = gb.GradeAt(c);
    if (!g || !gb.StudentAt(r)) return TEntryProblem::None;
    const TEntry e = ReadGradeEntry(gb, *g, gb.Cell(c, r));
    if (e.Kind == EntryKind::Excused) return TEntryProblem::Excused;
    if (e.Kind == EntryKind::Missing) return TEntryProblem::Missing;
    if (e.Kind == EntryKind::Invalid || PercentOverflows(*g, e)) return TEntryProblem::Invalid;
    if (e.Kind == EntryKind::Number && !g->ExtraCredit && g->Points > 0 && e.Value > g->Points)
        return TEntryProblem::AbovePoints;
    return TEntryProblem::None;
}

QString CellPrompt(const TGradebook& gb, int c, int r) {
    switch (EntryProblem(gb, c, r)) {
    case TEntryProblem::Invalid:
        return QCoreApplication::translate("CellRules", "Not a number or a known letter");
    case TEntryProblem::AbovePoints:
        return QCoreApplication::translate("CellRules", "Above the %1 points of %2")
            .arg(QString::fromStdString(FormatNumber(gb.GradeAt(c)->Points)),
                 QString::fromStdString(std::string(gb.Cell(c, 1))));
    case TEntryProblem::Excused:
        return QCoreApplication::translate("CellRules", "Excused: not counted in the average");
    case TEntryProblem::Missing:
        return QCoreApplication::translate("CellRules", "Missing: counts as %1 percent")
            .arg(QString::fromStdString(FormatNumber(gb.Work.MissingPercent)));
    case TEntryProblem::None:
        break;
    }
    return EntryPrompt(c, r);
}

TWidthBound::TWidthBound(const std::function<int(char)>& asciiWidth, int maxWidth) {
    // One pixel more per character: fractional advances add up beyond the rounded ones.
    for (int ch = 0; ch < 128; ++ch)
        ascii_[static_cast<size_t>(ch)] = std::max(asciiWidth(static_cast<char>(ch)), 0) + 1;
    // Any character beyond ASCII takes at least two bytes of UTF-8.
    otherByte_ = (maxWidth + 1) / 2 + 1;
}

long long TWidthBound::operator()(std::string_view text) const {
    long long w = 0;
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        w += b < 0x80 ? ascii_[b] : otherByte_;
    }
    return w;
}

int FitWidth(const TGradebook& gb, int c, const std::function<int(std::string_view)>& measure,
             const TWidthBound& bound) {
    int best = kMinColumnWidth;
    if (c < 0 || c >= gb.ColCount()) return best;
    for (int r = 0; r < gb.RowCount(); ++r) {
        std::string_view text = gb.Cell(c, r);
        if (bound(text) + 10 <= best) continue;
        best = std::max(best, measure(text) + 10);
    }
    return best;
}

std::vector<int> FitWidths(const TGradebook& gb,
                           const std::function<int(std::string_view)>& measure,
                           const TWidthBound& bound) {
    std::vector<int> best(static_cast<size_t>(gb.ColCount()), kMinColumnWidth);
    // Entries with comments repeat ("85 late"), and measuring is what costs.
    std::unordered_map<std::string_view, int> measured;
    for (int r = 0; r < gb.RowCount(); ++r) {
        const TCellRow& cells = gb.RowCells(r);
        for (size_t c = 0; c < best.size(); ++c) {
            if (bound(cells[c]) + 10 <= best[c]) continue;
            auto [it, added] = measured.try_emplace(cells[c], 0);
            if (added) it->second = measure(cells[c]);
            best[c] = std::max(best[c], it->second + 10);
        }
    }
    return best;
}

bool CanDeleteStudent(const TGradebook& gb, int r) {
    return r >= 2 && gb.RowCount() > 3 && gb.StudentAt(r);
}

bool CanDeleteGrade(const TGradebook& gb, int c) {
    return c >= 2 && gb.ColCount() > 3 && gb.GradeAt(c);
}

bool CanToggleMode(const TGradebook& gb) {
    return !gb.EditMode() || (gb.StudentCount() > 0 && gb.GradeCount() > 0);
}

} // namespace marklow
