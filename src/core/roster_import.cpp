// Planning and applying a class list's import (roster_import.h).

#include "roster_import.h"

#include "averages.h"
#include "text.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace marklow {

namespace {

std::string Join(std::string_view a, std::string_view sep, std::string_view b) {
    if (a.empty()) return std::string(b);
    if (b.empty()) return std::string(a);
    std::string out(a);
    out += sep;
    out += b;
    return out;
}

// "Lee, Ann" as first and last name; nothing when there is no comma with text on both sides.
bool SplitLastFirst(std::string_view name, std::string_view& first, std::string_view& last) {
    const size_t comma = name.find(',');
    if (comma == std::string_view::npos) return false;
    last = TrimBlanks(name.substr(0, comma));
    first = TrimBlanks(name.substr(comma + 1));
    return !last.empty() && !first.empty();
}

// The name in the other order, for finding a student the gradebook keeps that way.
std::string OtherOrder(std::string_view name) {
    std::string_view first, last;
    if (SplitLastFirst(name, first, last)) return Join(first, " ", last);
    // "Ann Lee" as "Lee, Ann": the last word is the last name.
    const size_t blank = name.rfind(' ');
    if (blank == std::string_view::npos) return {};
    return Join(TrimBlanks(name.substr(blank + 1)), ", ", TrimBlanks(name.substr(0, blank)));
}

// Each map keeps the first row of its key; rows without an ID also wait in a list per name,
// so that each line with an ID claims the next of them.
class TRosterMatcher {
public:
    explicit TRosterMatcher(size_t n) {
        byId_.reserve(n);
        byName_.reserve(n);
        noId_.reserve(n);
    }
    void Add(int row, const std::string& key, std::string_view id) {
        byName_.try_emplace(key, row);
        if (id.empty())
            noId_[key].push_back(row);
        else
            byId_.try_emplace(std::string(id), row);
    }
    int FindId(const std::string& id) const {
        auto it = byId_.find(id);
        return it == byId_.end() ? 0 : it->second;
    }
    int FindName(const std::string& key) const {
        auto it = byName_.find(key);
        return it == byName_.end() ? 0 : it->second;
    }
    // The first row of that name still without an ID; it gets the ID now.
    int ClaimNameWithoutId(const std::string& key, const std::string& id,
                           const std::vector<bool>& taken) {
        auto it = noId_.find(key);
        if (it == noId_.end()) return 0;
        TQueue& q = it->second;
        // Rows matched before keep that match; a second line does not take them over.
        while (q.Next < q.Rows.size() && taken[static_cast<size_t>(q.Rows[q.Next])])
            ++q.Next;
        if (q.Next == q.Rows.size()) return 0;
        const int row = q.Rows[q.Next++];
        byId_.try_emplace(id, row);
        return row;
    }

private:
    struct TQueue {
        std::vector<int> Rows;
        size_t Next = 0;
        void push_back(int r) { Rows.push_back(r); }
    };
    std::unordered_map<std::string, int> byId_, byName_;
    std::unordered_map<std::string, TQueue> noId_;
};

} // namespace

bool IsCanvasExtraLabel(std::string_view field) {
    const std::string key = NormalizedName(field);
    return key == "points possible" || key == "manual posting";
}

bool IsClassroomExtraLabel(std::string_view field) {
    const std::string key = NormalizedName(field);
    return key == "points" || key == "class average";
}

bool IsCanvasTestStudent(std::string_view name, std::string_view sisId, std::string_view login) {
    if (!TrimBlanks(sisId).empty()) return false;
    const std::string key = NormalizedName(name);
    if (key == "student, test" || key == "test student") return true;
    // Canvas gives its test student a login of its own making: a long run of hex digits.
    login = TrimBlanks(login);
    if (login.size() < 32) return false;
    for (char c : login)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

TNameOrder ClassNameOrder(const TGradebook& gb) {
    int lastFirst = 0, firstLast = 0;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        std::string_view name = TrimBlanks(gb.Cell(1, r));
        if (name.find(',') != std::string_view::npos)
            ++lastFirst;
        else if (name.find(' ') != std::string_view::npos)
            ++firstLast;
    }
    return firstLast > lastFirst ? TNameOrder::FirstLast : TNameOrder::AsInFile;
}

std::string RosterName(std::string_view name, std::string_view first, std::string_view last,
                       bool separate, TNameOrder order) {
    std::string joined;
    if (separate) {
        first = TrimBlanks(first);
        last = TrimBlanks(last);
        joined = order == TNameOrder::FirstLast ? Join(first, " ", last) : Join(last, ", ", first);
    } else {
        std::string_view f, l;
        if (order == TNameOrder::FirstLast && SplitLastFirst(name, f, l))
            joined = Join(f, " ", l);
        else
            joined = std::string(name);
    }
    // What a file keeps of a name, as Paste cuts it.
    return CleanPastedName(joined, kMaxNameBytes);
}

TRosterPlan PlanRosterImport(const TGradebook& gb, const TRosterTable& table,
                             const TRosterChoices& choices) {
    TRosterPlan plan;
    const TRosterColumns& cols = choices.Columns;
    if (!cols.HasNames()) {
        plan.Error = "The class list has no column of names. It needs a column named Name or "
                     "Student, or First name and Last name; or choose the columns.";
        return plan;
    }
    TPastePlan& added = plan.Change.Added;
    added.FirstNewRow = gb.LastStudentRow() + 1;

    const size_t first = cols.Header ? 1 : 0;
    const size_t lines = table.RowCount() > first ? table.RowCount() - first : 0;
    TRosterMatcher matcher(static_cast<size_t>(gb.StudentCount()) + lines);
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        matcher.Add(r, NormalizedName(gb.Cell(1, r)), TrimBlanks(gb.StudentAt(r)->ID));

    // The line that matched or added each row, 0 while none did.
    std::vector<int> lineOfRow(static_cast<size_t>(added.FirstNewRow) + lines, 0);
    std::vector<bool> taken(lineOfRow.size(), false);
    auto field = [&](size_t row, int col) {
        return col < 0 ? std::string_view() : table.Field(row, static_cast<size_t>(col));
    };
    const bool separate = cols.Name < 0;
    const bool canvas = choices.Format == TRosterFormat::Canvas;
    const bool classroom = choices.Format == TRosterFormat::GoogleClassroom;
    // A row of the LMS's own: its label stands in a name column or in the first one.
    auto notAStudent = [&](size_t i) {
        for (int c : {cols.Name, cols.First, cols.Last, 0}) {
            if (c < 0) continue;
            std::string_view f = field(i, c);
            if ((canvas && IsCanvasExtraLabel(f)) || (classroom && IsClassroomExtraLabel(f)))
                return true;
        }
        if (!canvas) return false;
        // Canvas marks assignments posted by hand in a row of their own, without a name.
        for (size_t c = 0; c < table.FieldCount(i); ++c)
            if (IsCanvasExtraLabel(table.Field(i, c))) return true;
        const std::string name = RosterName(field(i, cols.Name), field(i, cols.First),
                                            field(i, cols.Last), separate, TNameOrder::AsInFile);
        return IsCanvasTestStudent(name, field(i, cols.Id), field(i, cols.Login));
    };

    plan.Lines.reserve(lines);
    for (size_t i = first; i < table.RowCount(); ++i) {
        TRosterLine line;
        line.Line = table.LineOf(i);
        line.Name = RosterName(field(i, cols.Name), field(i, cols.First), field(i, cols.Last),
                               separate, choices.Order);
        line.ID = CleanPastedName(field(i, cols.Id), kMaxNameBytes);
        line.Login = CleanPastedName(field(i, cols.Login), kMaxNameBytes);
        line.LmsId = CleanPastedName(field(i, cols.LmsId), kMaxNameBytes);
        if (notAStudent(i)) {
            line.Outcome = TRosterOutcome::NotAStudent;
        } else if (line.Name.empty()) {
            line.Outcome = TRosterOutcome::NoName;
        } else {
            const std::string key = NormalizedName(line.Name);
            const std::string otherKey = NormalizedName(OtherOrder(line.Name));
            int row = 0;
            bool byId = false;
            if (!line.ID.empty()) {
                row = matcher.FindId(line.ID);
                byId = row != 0;
                if (!row) row = matcher.ClaimNameWithoutId(key, line.ID, taken);
                if (!row && !otherKey.empty())
                    row = matcher.ClaimNameWithoutId(otherKey, line.ID, taken);
            } else {
                row = matcher.FindName(key);
                if (!row && !otherKey.empty()) row = matcher.FindName(otherKey);
            }
            if (row && lineOfRow[static_cast<size_t>(row)]) {
                line.Outcome = TRosterOutcome::Repeated;
                line.Row = row;
                line.SameAsLine = lineOfRow[static_cast<size_t>(row)];
            } else if (row) {
                line.Outcome = byId ? TRosterOutcome::MatchedById : TRosterOutcome::MatchedByName;
                line.Row = row;
                const TStudent& s = *gb.StudentAt(row);
                TRosterFill fill{row, s.ID, s.ID, s.Login, s.Login};
                if (TrimBlanks(s.ID).empty() && !line.ID.empty()) fill.NewID = line.ID;
                if (s.Login.empty() && !line.Login.empty()) fill.NewLogin = line.Login;
                // The LMS's number follows the LMS: a newer export's one replaces it.
                if (!line.LmsId.empty() && line.LmsId != s.LmsId)
                    plan.Change.LmsIds.push_back({row, s.LmsId, line.LmsId});
                if (fill.NewID != fill.OldID || fill.NewLogin != fill.OldLogin) {
                    line.Fills = true;
                    plan.Change.Fills.push_back(std::move(fill));
                }
            } else {
                line.Outcome = TRosterOutcome::Added;
                line.Row = added.FirstNewRow + static_cast<int>(added.NewStudents.size());
                TStudent s;
                s.Name = line.Name;
                s.ID = line.ID;
                s.Login = line.Login;
                s.LmsId = line.LmsId;
                added.NewStudents.push_back(std::move(s));
                matcher.Add(line.Row, key, line.ID);
            }
            if (line.Outcome != TRosterOutcome::Repeated) {
                lineOfRow[static_cast<size_t>(line.Row)] = line.Line;
                taken[static_cast<size_t>(line.Row)] = true;
            }
        }
        switch (line.Outcome) {
        case TRosterOutcome::Added:
            ++plan.Added;
            break;
        case TRosterOutcome::MatchedById:
            ++plan.MatchedById;
            break;
        case TRosterOutcome::MatchedByName:
            ++plan.MatchedByName;
            break;
        case TRosterOutcome::Repeated:
            ++plan.Repeated;
            break;
        case TRosterOutcome::NoName:
        case TRosterOutcome::NotAStudent:
            ++plan.Skipped;
            break;
        }
        plan.Lines.push_back(std::move(line));
    }
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        if (!lineOfRow[static_cast<size_t>(r)]) plan.NotOnRoster.push_back(r);
    return plan;
}

void ApplyRosterImport(TGradebook& gb, const TRosterChange& change) {
    for (const TRosterFill& f : change.Fills)
        if (f.Row < 2 || f.Row > gb.LastStudentRow())
            throw std::logic_error("The import was planned for another shape of the table");
    for (const TRosterLmsId& l : change.LmsIds)
        if (l.Row < 2 || l.Row > gb.LastStudentRow())
            throw std::logic_error("The import was planned for another shape of the table");
    ApplyPaste(gb, change.Added); // checks the shape before changing anything
    for (const TRosterFill& f : change.Fills) {
        TStudent& s = *gb.StudentAt(f.Row);
        s.ID = f.NewID;
        s.Login = f.NewLogin;
    }
    for (const TRosterLmsId& l : change.LmsIds)
        gb.StudentAt(l.Row)->LmsId = l.New;
    // New students have no entries: no other average moves, and theirs is computed here.
    const int end = change.Added.FirstNewRow + static_cast<int>(change.Added.NewStudents.size());
    for (int r = change.Added.FirstNewRow; r < end; ++r)
        gb.SetCell(0, r, StudentAverage(gb, r));
}

void RevertRosterImport(TGradebook& gb, const TRosterChange& change) {
    RevertPaste(gb, change.Added);
    for (const TRosterFill& f : change.Fills) {
        TStudent& s = *gb.StudentAt(f.Row);
        s.ID = f.OldID;
        s.Login = f.OldLogin;
    }
    for (const TRosterLmsId& l : change.LmsIds)
        gb.StudentAt(l.Row)->LmsId = l.Old;
}

std::string RosterSummaryText(const TGradebook& gb, const TRosterPlan& plan) {
    if (!plan.Error.empty()) return plan.Error + "\n";
    std::string text;
    auto count = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    text += "Added: " + count(plan.Added, "student", "students") + "\n";
    text += "Matched: " + std::to_string(plan.MatchedById + plan.MatchedByName) + " (" +
            std::to_string(plan.MatchedById) + " by ID, " + std::to_string(plan.MatchedByName) +
            " by name); " + std::to_string(plan.Change.Fills.size()) +
            " of them get an ID or login\n";
    text += "Not on the roster (kept): " +
            count(static_cast<int>(plan.NotOnRoster.size()), "student", "students") + "\n";
    text += "Skipped: " + count(plan.Skipped + plan.Repeated, "line", "lines") + "\n";
    std::string added, skipped;
    for (const TRosterLine& l : plan.Lines) {
        switch (l.Outcome) {
        case TRosterOutcome::Added:
            added += "  " + l.Name + (l.ID.empty() ? "" : " (ID " + l.ID + ")") + "\n";
            break;
        case TRosterOutcome::Repeated:
            skipped += "  line " + std::to_string(l.Line) + ": the same student as line " +
                       std::to_string(l.SameAsLine) + "\n";
            break;
        case TRosterOutcome::NoName:
            skipped += "  line " + std::to_string(l.Line) + ": no name\n";
            break;
        case TRosterOutcome::NotAStudent:
            skipped += "  line " + std::to_string(l.Line) + ": not a student (" + l.Name + ")\n";
            break;
        default:
            break;
        }
    }
    if (!added.empty()) text += "Students added:\n" + added;
    if (!skipped.empty()) text += "Lines skipped:\n" + skipped;
    if (!plan.NotOnRoster.empty()) {
        text += "Students not on the roster:\n";
        for (int r : plan.NotOnRoster)
            text += "  " + std::string(gb.Cell(1, r)) + "\n";
    }
    return text;
}

std::vector<int> OfferedRosterColumns(const TRosterTable& table, const TRosterColumns& recognised,
                                      size_t cap) {
    const size_t count = table.ColumnCount();
    std::vector<int> offered;
    offered.reserve(std::min(count, cap) + 5);
    for (size_t c = 0; c < count && c < cap; ++c)
        offered.push_back(static_cast<int>(c));
    std::vector<int> beyond;
    for (int c :
         {recognised.Name, recognised.First, recognised.Last, recognised.Id, recognised.Login})
        if (c >= 0 && static_cast<size_t>(c) >= cap && static_cast<size_t>(c) < count)
            beyond.push_back(c);
    std::sort(beyond.begin(), beyond.end());
    beyond.erase(std::unique(beyond.begin(), beyond.end()), beyond.end());
    offered.insert(offered.end(), beyond.begin(), beyond.end());
    return offered;
}

} // namespace marklow
