#include "gradebook.h"

#include "text.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace marklow {

TCategory& TCategoryList::Category(int i) const {
    if (items_.empty()) return *DefaultCategory;
    if (i < 0 || i >= Count()) return *items_.front();
    return *items_[static_cast<size_t>(i)];
}

TCategory& TCategoryList::Add(std::string name, double percent, bool dropLowest) {
    auto c = std::make_unique<TCategory>();
    c->Name = std::move(name);
    c->Percent = percent;
    c->DropLowest = dropLowest;
    items_.push_back(std::move(c));
    return *items_.back();
}

TCategoryList& TCategoryList::operator=(TCategoryList&& other) noexcept {
    if (this == &other) return *this;
    items_ = std::move(other.items_);
    DefaultCategory = std::move(other.DefaultCategory);
    TotalPercent = other.TotalPercent;
    HasExtraCredit = other.HasExtraCredit;
    return *this;
}

void TCategoryList::ReplaceItems(const std::vector<TCategory>& items) {
    std::vector<std::unique_ptr<TCategory>> fresh;
    fresh.reserve(items.size());
    for (const TCategory& c : items) {
        auto copy = std::make_unique<TCategory>();
        copy->Name = c.Name;
        copy->Percent = c.Percent;
        copy->DropLowest = c.DropLowest;
        fresh.push_back(std::move(copy));
    }
    items_ = std::move(fresh);
}

TGradebook::TGradebook() : Today(TodayDate()) { MakeEmpty(); }

void TGradebook::SetColCount(int n) {
    n = std::max(n, 0);
    for (int c = n; c < colCount_; ++c)
        if (cols_[Index(c)]) --gradeCount_;
    cols_.resize(Index(n));
    for (auto& row : rows_) row.cells.Resize(Index(n));
    colCount_ = n;
}

void TGradebook::SetRowCount(int n) {
    n = std::max(n, 0);
    for (int r = n; r < RowCount(); ++r)
        if (rows_[Index(r)].student) --studentCount_;
    size_t old = rows_.size();
    rows_.resize(Index(n));
    for (size_t r = old; r < rows_.size(); ++r) rows_[r].cells.Resize(Index(colCount_));
}

void TGradebook::SetRowCells(int r, TCellRow cells) {
    cells.Resize(Index(colCount_));
    rows_[Index(r)].cells = std::move(cells);
}

void TGradebook::AppendRow(TCellRow cells) {
    cells.Resize(Index(colCount_));
    rows_.push_back(TRow{std::move(cells), nullptr});
}

TStudent* TGradebook::StudentAt(int r) const {
    if (r < 0 || r >= RowCount()) return nullptr;
    return rows_[Index(r)].student.get();
}

TGrade* TGradebook::GradeAt(int c) const {
    if (c < 0 || c >= colCount_) return nullptr;
    return cols_[Index(c)].get();
}

void TGradebook::AttachStudent(int r, std::unique_ptr<TStudent> student) {
    auto& slot = rows_[Index(r)].student;
    if (slot) --studentCount_;
    slot = std::move(student);
    if (slot) ++studentCount_;
}

void TGradebook::AttachGrade(int c, std::unique_ptr<TGrade> grade) {
    auto& slot = cols_[Index(c)];
    if (slot) --gradeCount_;
    slot = std::move(grade);
    if (slot) ++gradeCount_;
}

std::unique_ptr<TStudent> TGradebook::DetachStudent(int r) {
    auto& slot = rows_[Index(r)].student;
    if (slot) --studentCount_;
    return std::move(slot);
}

std::unique_ptr<TGrade> TGradebook::DetachGrade(int c) {
    auto& slot = cols_[Index(c)];
    if (slot) --gradeCount_;
    return std::move(slot);
}

void TGradebook::InsertRow(int r) {
    TRow row;
    row.cells.Resize(Index(colCount_));
    rows_.insert(rows_.begin() + r, std::move(row));
}

void TGradebook::DeleteRow(int r) {
    if (rows_[Index(r)].student) --studentCount_;
    rows_.erase(rows_.begin() + r);
}

TGradebook::TTakenRow TGradebook::TakeRow(int r) {
    TRow& row = rows_[Index(r)];
    TTakenRow taken{std::move(row.cells), std::move(row.student)};
    if (taken.Student) --studentCount_;
    rows_.erase(rows_.begin() + r);
    return taken;
}

void TGradebook::PutRow(int r, TTakenRow row) {
    row.Cells.Resize(Index(colCount_));
    if (row.Student) ++studentCount_;
    rows_.insert(rows_.begin() + r, TRow{std::move(row.Cells), std::move(row.Student)});
}

TGradebook::TTakenColumn TGradebook::TakeColumn(int c) {
    TTakenColumn taken;
    taken.Cells.Reserve(rows_.size(), 0);
    for (auto& row : rows_) {
        taken.Cells.Append(row.cells[Index(c)]);
        row.cells.Erase(Index(c));
    }
    taken.Grade = std::move(cols_[Index(c)]);
    if (taken.Grade) --gradeCount_;
    cols_.erase(cols_.begin() + c);
    --colCount_;
    return taken;
}

void TGradebook::PutColumn(int c, TTakenColumn column) {
    cols_.insert(cols_.begin() + c, std::move(column.Grade));
    if (cols_[Index(c)]) ++gradeCount_;
    for (size_t r = 0; r < rows_.size(); ++r)
        rows_[r].cells.Insert(Index(c), r < column.Cells.size() ? column.Cells[r] : std::string_view());
    ++colCount_;
}

void TGradebook::InsertColumn(int c) {
    cols_.insert(cols_.begin() + c, nullptr);
    for (auto& row : rows_) row.cells.Insert(Index(c));
    ++colCount_;
}

void TGradebook::DeleteColumn(int c) {
    if (cols_[Index(c)]) --gradeCount_;
    cols_.erase(cols_.begin() + c);
    for (auto& row : rows_) row.cells.Erase(Index(c));
    --colCount_;
}

namespace {
template <typename V> void MoveItem(V& v, int from, int to) {
    if (from == to) return;
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}
} // namespace

void TGradebook::MoveRow(int from, int to) { MoveItem(rows_, from, to); }

void TGradebook::MoveColumn(int from, int to) {
    MoveItem(cols_, from, to);
    for (auto& row : rows_) row.cells.Move(Index(from), Index(to));
}

namespace {
void CheckPermutation(const std::vector<int>& order, size_t size) {
    if (order.size() != size) throw std::invalid_argument("permutation of the wrong size");
    std::vector<char> seen(size, 0);
    for (int i : order) {
        if (i < 0 || static_cast<size_t>(i) >= size || seen[static_cast<size_t>(i)])
            throw std::invalid_argument("not a permutation");
        seen[static_cast<size_t>(i)] = 1;
    }
}
} // namespace

void TGradebook::PermuteRows(const std::vector<int>& order) {
    CheckPermutation(order, rows_.size());
    std::vector<TRow> moved;
    moved.reserve(rows_.size());
    for (int i : order) moved.push_back(std::move(rows_[Index(i)]));
    rows_ = std::move(moved);
}

void TGradebook::PermuteColumns(const std::vector<int>& order) {
    CheckPermutation(order, cols_.size());
    std::vector<std::unique_ptr<TGrade>> moved;
    moved.reserve(cols_.size());
    for (int i : order) moved.push_back(std::move(cols_[Index(i)]));
    cols_ = std::move(moved);
    // Cells are a few bytes each and of every length, so a copy of exactly their bytes
    // mispredicts a branch per cell. Instead each cell is copied in whole 8-byte pieces from a
    // padded copy of the row into a padded new text; a piece that runs past the cell is
    // overwritten by the next cell or cut off at the end.
    constexpr size_t kPiece = 8;
    std::string padded;
    for (auto& row : rows_) {
        const TCellRow& old = row.cells;
        const std::vector<uint32_t>& oldEnds = old.Ends();
        const size_t total = old.Text().size();
        padded.assign(old.Text());
        padded.append(kPiece, '\0');
        std::string text(total + kPiece, '\0');
        std::vector<uint32_t> ends(order.size());
        uint32_t at = 0;
        for (size_t k = 0; k < order.size(); ++k) {
            size_t i = Index(order[k]);
            uint32_t start = i == 0 ? 0 : oldEnds[i - 1];
            uint32_t size = oldEnds[i] - start;
            for (uint32_t done = 0; done == 0 || done < size; done += kPiece)
                std::memcpy(text.data() + at + done, padded.data() + start + done, kPiece);
            at += size;
            ends[k] = at;
        }
        text.resize(total);
        row.cells = TCellRow::Adopt(std::move(text), std::move(ends));
    }
}

void TGradebook::ClearAll() {
    for (auto& row : rows_) {
        row.student.reset();
        row.cells.ClearTexts();
    }
    for (auto& g : cols_) g.reset();
    studentCount_ = 0;
    gradeCount_ = 0;
}

void TGradebook::SetEditMode(bool on) {
    editMode_ = on;
    int spare = on ? 1 : 0;
    SetColCount(LastGradeColumn() + 1 + spare);
    SetRowCount(LastStudentRow() + 1 + spare);
    if (Categories.OnModeChange) Categories.OnModeChange();
}

void TGradebook::FitSpareCells() {
    if (editMode_) {
        if (GradeAt(colCount_ - 1)) SetColCount(colCount_ + 1);
        if (StudentAt(RowCount() - 1)) SetRowCount(RowCount() + 1);
    } else {
        if (colCount_ > 2 && !GradeAt(colCount_ - 1)) SetColCount(colCount_ - 1);
        if (RowCount() > 2 && !StudentAt(RowCount() - 1)) SetRowCount(RowCount() - 1);
    }
}

void TGradebook::SetGradesInUserOrder(bool on) {
    if (GradesInUserOrder && !on && gradeCount_ > 0)
        for (int c = 2; c <= LastGradeColumn(); ++c)
            if (TGrade* g = GradeAt(c)) g->UserOrder = c;
    GradesInUserOrder = on;
}

void TGradebook::SetStudentsInUserOrder(bool on) {
    if (StudentsInUserOrder && !on && studentCount_ > 0)
        for (int r = 2; r <= LastStudentRow(); ++r)
            if (TStudent* s = StudentAt(r)) s->UserOrder = r;
    StudentsInUserOrder = on;
}

std::unique_ptr<TGrade> TGradebook::NewGrade() const {
    auto g = std::make_unique<TGrade>();
    g->Weight = Preferences.DefaultWeight;
    g->Points = Preferences.DefaultPoints;
    g->Date = TodayDate();
    // Last in the teacher's order until the order is recorded, as for students.
    g->UserOrder = kLastUserOrder;
    return g;
}

void TGradebook::CategoryNames(std::vector<std::string>& list) const {
    list.clear();
    for (int i = 0; i < Categories.Count(); ++i) list.push_back(Categories.Item(i).Name);
}

void TGradebook::MakeStudentLabels() {
    std::vector<std::string> names;
    for (int r = 2; r <= LastStudentRow(); ++r) names.emplace_back(Cell(1, r));
    auto labels = MakeShortLabels(names);
    for (int r = 2; r <= LastStudentRow(); ++r) {
        if (TStudent* s = StudentAt(r)) {
            s->ShortLabel = labels[Index(r - 2)].Text;
            s->ShortLabelUnique = labels[Index(r - 2)].Unique;
        }
    }
}

void TGradebook::MakeGradeLabels() {
    std::vector<std::string> names;
    for (int c = 2; c <= LastGradeColumn(); ++c) names.emplace_back(Cell(c, 1));
    auto labels = MakeShortLabels(names);
    for (int c = 2; c <= LastGradeColumn(); ++c) {
        if (TGrade* g = GradeAt(c)) {
            g->ShortLabel = labels[Index(c - 2)].Text;
            g->ShortLabelUnique = labels[Index(c - 2)].Unique;
        }
    }
}

void TGradebook::ReplaceDocument(TGradebook&& other) {
    auto notify = std::move(Categories.OnModeChange);
    Categories.TakeItemsFrom(other.Categories);
    Categories.OnModeChange = std::move(notify);
    LetterToNumber = std::move(other.LetterToNumber);
    NumberToLetter = std::move(other.NumberToLetter);
    Password = std::move(other.Password);
    Teacher = std::move(other.Teacher);
    ClassName = std::move(other.ClassName);
    ClassNumber = std::move(other.ClassNumber);
    PointsAreWeights = other.PointsAreWeights;
    ShowLetters = other.ShowLetters;
    GradesInUserOrder = other.GradesInUserOrder;
    StudentsInUserOrder = other.StudentsInUserOrder;
    Work = other.Work;
    DecimalComma = other.DecimalComma;
    rows_ = std::move(other.rows_);
    cols_ = std::move(other.cols_);
    colCount_ = other.colCount_;
    gradeCount_ = other.gradeCount_;
    studentCount_ = other.studentCount_;
    editMode_ = other.editMode_;
    other.colCount_ = other.gradeCount_ = other.studentCount_ = 0;
    if (Categories.OnModeChange) Categories.OnModeChange();
}

void TGradebook::MakeEmpty() {
    ClearAll();
    Categories.Clear();
    Password.clear();
    ClassName.clear();
    ClassNumber.clear();
    Work = TWorkPolicy{};
    DecimalComma = Preferences.DecimalCommaForNew;
    SetColCount(3);
    SetRowCount(3);
    SetCell(0, 0, "Average");
    SetCell(1, 1, "Name");
    SetEditMode(true);
}

void CopyGrade(TGrade& dst, const TGrade& src) {
    ApplyGradeSettings(dst, src);
    dst.UserOrder = src.UserOrder;
    dst.Name = src.Name;
    dst.Notes = src.Notes;
}

void ApplyGradeSettings(TGrade& dst, const TGrade& src) {
    dst.Weight = src.Weight;
    dst.Points = src.Points;
    dst.CategoryIndex = src.CategoryIndex;
    dst.ExtraCredit = src.ExtraCredit;
    dst.OmitClassAverage = src.OmitClassAverage;
    dst.Curve = src.Curve;
    dst.CurveAmount = src.CurveAmount;
}

void CopyStudent(TStudent& dst, const TStudent& src) {
    dst.Notes = src.Notes;
    dst.ID = src.ID;
    dst.Login = src.Login;
    dst.Name = src.Name;
    dst.UserOrder = src.UserOrder;
    dst.LmsId = src.LmsId;
}

std::vector<int> InversePermutation(const std::vector<int>& order) {
    CheckPermutation(order, order.size());
    std::vector<int> inverse(order.size());
    for (size_t k = 0; k < order.size(); ++k) inverse[static_cast<size_t>(order[k])] = static_cast<int>(k);
    return inverse;
}

namespace {

// Splits UTF-8 text into characters; a stray byte is a character of its own.
std::vector<std::string> Characters(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        size_t len = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        len = std::min(len, s.size() - i);
        out.push_back(s.substr(i, len));
        i += len;
    }
    return out;
}

// Letters and digits; characters beyond ASCII are taken as letters (accented names).
bool IsLetterOrDigit(const std::string& ch) {
    unsigned char b = static_cast<unsigned char>(ch[0]);
    if (b >= 0x80) return ch.size() > 1;
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

const std::string& LabelCharacters() {
    static const std::string chars = [] {
        std::string s;
        for (char c = 'A'; c <= 'Y'; ++c) s += c;
        for (char c = 'a'; c <= 'y'; ++c) s += c;
        for (char c = '0'; c <= '8'; ++c) s += c;
        return s;
    }();
    return chars;
}

} // namespace

std::vector<TLabel> MakeShortLabels(const std::vector<std::string>& names) {
    std::vector<TLabel> labels(names.size());
    std::vector<std::string> first(names.size());
    std::unordered_set<std::string> seen;
    for (size_t i = 0; i < names.size(); ++i) {
        auto chars = Characters(names[i]);
        std::string label;
        if (!chars.empty()) first[i] = label = chars[0];
        for (size_t k = 1; k < chars.size(); ++k) {
            if (!IsLetterOrDigit(chars[k - 1]) && IsLetterOrDigit(chars[k])) {
                label += chars[k];
                break;
            }
        }
        labels[i].Text = label;
        labels[i].Unique = seen.insert(label).second;
    }
    // The labels marked unique only ever grow in number, so the first free replacement for a
    // given first character, and the first free pair of label characters, only move forward:
    // each search resumes where the last one stopped instead of scanning every label again.
    std::unordered_set<std::string> taken;
    for (const TLabel& l : labels)
        if (l.Unique) taken.insert(l.Text);
    const std::string& set = LabelCharacters();
    const size_t n = set.size();
    std::unordered_map<std::string, size_t> nextSecond; // per first character
    size_t nextPair = 0;                                // over set x set
    for (size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].Unique) continue;
        size_t& k = nextSecond[first[i]];
        while (k < n && taken.count(first[i] + set[k])) ++k;
        std::string found;
        if (k < n) {
            found = first[i] + set[k];
        } else {
            while (nextPair < n * n &&
                   taken.count(std::string{set[nextPair / n], set[nextPair % n]}))
                ++nextPair;
            if (nextPair < n * n) found = std::string{set[nextPair / n], set[nextPair % n]};
        }
        if (found.empty()) continue; // every label is taken: it stays not unique
        labels[i] = {found, true};
        taken.insert(std::move(found));
    }
    return labels;
}

} // namespace marklow
