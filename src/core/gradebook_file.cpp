#include "gradebook_file.h"

#include "file_rows.h"
#include "file_trailer.h"
#include "grade_date.h"
#include "messages.h"
#include "student_field_section.h"
#include "text.h"
#include "work_policy.h"
#include "whole_texts.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace marklow {

namespace {

constexpr size_t kReserved = 12;
// Smallest size of each record on disk: every text empty.
constexpr uint64_t kCategoryRecordMin = 1 + 8 + 1 + kReserved;
constexpr uint64_t kStudentRecordMin = 1 + 1 + 4 + 4 + kReserved;
constexpr uint64_t kGradeRecordMin = 8 + 8 + 4 + 1 + 1 + 8 + 4 + 4 + 1 + kReserved;
constexpr uint64_t kAverageMin = 1 + 8;


std::string_view ReadShortBytes(TByteReader& in) {
    return in.Bytes(in.Byte());
}

void WriteShortBytes(TByteWriter& out, std::string_view bytes) {
    out.Byte(static_cast<uint8_t>(bytes.size()));
    out.Bytes(bytes);
}

void CheckCount(size_t count, size_t limit, const char* what) {
    if (count > limit)
        throw TFileWriteError(FormatMessage("Too many %1 to be stored in the file", {what}));
}


void ReadVersion20(TByteReader& in, TGradebook& gb) {
    ReadCategoryList(in, gb.Categories);
    ReadLetterTable(in, gb.LetterToNumber);
    ReadLetterTable(in, gb.NumberToLetter);
    int32_t lastGrade = in.Int32();
    int32_t lastStudent = in.Int32();
    bool editMode = in.Flag();
    if (lastGrade < 1 || lastStudent < 1 || lastGrade > INT_MAX - 3 || lastStudent > INT_MAX - 3)
        in.Fail("an impossible size of the table");
    uint64_t grades = static_cast<uint64_t>(lastGrade) - 1;
    uint64_t students = static_cast<uint64_t>(lastStudent) - 1;
    in.NeedRecords(students, kStudentRecordMin);
    in.NeedRecords(grades, kGradeRecordMin);
    // Every stored cell takes at least its length byte: a table larger than the rest of the
    // data cannot come from a real file.
    in.NeedRecords((students + 1) * (grades + 2), 1);

    int spare = editMode ? 1 : 0;
    gb.ClearAll();
    gb.SetRowCount(1);
    gb.SetColCount(lastGrade + 1 + spare);
    gb.SetCell(0, 0, "Average");

    std::vector<std::unique_ptr<TStudent>> list;
    list.reserve(students);
    for (uint64_t i = 0; i < students; ++i) {
        auto s = gb.NewStudent();
        ReadStudent(in, *s);
        list.push_back(std::move(s));
    }
    for (int c = 2; c <= lastGrade; ++c) {
        auto g = gb.NewGrade();
        ReadGrade(in, *g);
        gb.AttachGrade(c, std::move(g));
    }
    for (int r = 1; r <= lastStudent; ++r) {
        // A row that stops short keeps the names of the records in its name cells.
        TCellRow cells = ReadRow(in, gb.ColCount());
        if (r == 1) {
            for (int c = static_cast<int>(cells.size()); c <= lastGrade; ++c)
                cells.Append(c >= 2 ? std::string_view(gb.GradeAt(c)->Name) : std::string_view());
            gb.AppendRow(std::move(cells));
        } else {
            auto& s = list[static_cast<size_t>(r - 2)];
            if (cells.size() < 2) {
                cells.Resize(2);
                cells.Set(1, s->Name);
            }
            gb.AppendRow(std::move(cells));
            gb.AttachStudent(r, std::move(s));
        }
    }
    gb.Teacher = ReadShortText(in);
    gb.ClassName = ReadShortText(in);
    gb.ClassNumber = ReadShortText(in);
    in.Byte();
    gb.PointsAreWeights = in.Flag();
    gb.ShowLetters = in.Flag();
    gb.GradesInUserOrder = in.Flag();
    gb.StudentsInUserOrder = in.Flag();

    // Indexes beyond the stored list would point at categories that do not exist.
    int count = gb.Categories.Count();
    if (count > 0)
        for (int c = 2; c <= lastGrade; ++c) {
            TGrade* g = gb.GradeAt(c);
            if (g->CategoryIndex < -1 || g->CategoryIndex >= count) g->CategoryIndex = 0;
        }
    gb.SetEditMode(editMode);
}

// A "1.0" letter table: a heading, the letters and a trailing blank item, with the numbers
// as a parallel list.
void ConvertLetterTable(std::vector<std::string> letters, const std::vector<std::string>& numbers,
                        TRealList& table) {
    table.Clear();
    if (letters.empty()) return;
    letters.pop_back();
    for (size_t j = 1; j < letters.size(); ++j)
        table.Add(std::move(letters[j]), j < numbers.size() ? ParseNumber(numbers[j]) : 0.0);
}

void ReadVersion10(TByteReader& in, TGradebook& gb) {
    gb.GradesInUserOrder = true;
    gb.StudentsInUserOrder = true;
    gb.Teacher = ReadShortText(in);
    gb.ClassName = ReadShortText(in);
    gb.ClassNumber = ReadShortText(in);
    gb.PointsAreWeights = in.Flag();
    ReadShortBytes(in);
    std::vector<std::string> dropLowest = ReadTextList(in);
    if (dropLowest.empty()) dropLowest.push_back("Drop the Lowest");
    gb.ShowLetters = in.Flag();
    std::vector<std::string> names = ReadTextList(in);
    std::vector<std::string> percents = ReadTextList(in);
    std::vector<std::string> toNumberLetters = ReadTextList(in);
    std::vector<std::string> toNumberNumbers = ReadTextList(in);
    std::vector<std::string> toLetterLetters = ReadTextList(in);
    std::vector<std::string> toLetterNumbers = ReadTextList(in);
    std::vector<std::string> gradeCategories = ReadTextList(in);
    std::vector<std::string> gradeWeights = ReadTextList(in);
    std::vector<std::string> gradePoints = ReadTextList(in);
    if (gradePoints.empty()) gradePoints.push_back("Points");
    bool moveMode = in.Flag();
    int rows = std::max<int>(in.Int16(), 0);
    int cols = std::max<int>(in.Int16(), 0);
    in.NeedRecords(static_cast<uint64_t>(rows), 2);
    in.NeedRecords(
        static_cast<uint64_t>(std::max(rows, 1)) * static_cast<uint64_t>(std::max(cols, 1)), 1);

    gb.ClearAll();
    gb.SetRowCount(1);
    gb.SetColCount(std::max(cols, 2));
    for (int r = 1; r <= rows; ++r)
        gb.AppendRow(ReadRow(in, gb.ColCount()));
    if (rows < 1) gb.AppendRow({});

    size_t wanted = cols > 1 ? static_cast<size_t>(cols - 1) : 0;
    if (gradePoints.size() < wanted) gradePoints.resize(wanted);
    if (gradeWeights.size() < wanted)
        gradeWeights.resize(wanted, gb.PointsAreWeights ? "100" : "1");
    if (gradeCategories.size() < wanted)
        gradeCategories.resize(wanted, names.size() > 1 ? names[1] : std::string());

    // Blank names make no category; grades find theirs by name in the list as rebuilt, so an
    // index always lies inside it.
    std::vector<std::string> normalized;
    for (size_t i = 1; i < names.size(); ++i) {
        if (IsBlank(names[i])) continue;
        double percent = i < percents.size() ? ParseNumber(percents[i]) : 0.0;
        bool drop = i < dropLowest.size() && dropLowest[i] == "Yes";
        gb.Categories.Add(names[i], percent, drop);
        normalized.push_back(NormalizeLetter(names[i]));
    }
    for (int c = 2; c <= cols - 1; ++c) {
        size_t item = static_cast<size_t>(c - 1);
        auto g = gb.NewGrade();
        gb.SetWeight(*g, ParseNumber(gradeWeights[item]));
        g->Points = ParseNumber(gradePoints[item]);
        if (g->Points == 0 && !gb.PointsAreWeights) g->Points = 100;
        std::string category = NormalizeLetter(gradeCategories[item]);
        auto hit = std::find(normalized.begin(), normalized.end(), category);
        g->CategoryIndex = category.empty() || hit == normalized.end()
                               ? 0
                               : static_cast<int32_t>(hit - normalized.begin());
        g->Name = gb.Cell(c, 1);
        gb.AttachGrade(c, std::move(g));
    }
    for (int r = 2; r <= rows; ++r) {
        auto s = gb.NewStudent();
        s->Name = gb.Cell(1, r);
        gb.AttachStudent(r, std::move(s));
    }
    ConvertLetterTable(std::move(toNumberLetters), toNumberNumbers, gb.LetterToNumber);
    ConvertLetterTable(std::move(toLetterLetters), toLetterNumbers, gb.NumberToLetter);
    gb.SetCell(0, 1, "");
    gb.SetCell(0, 0, "Average");
    gb.SetEditMode(!moveMode);
}

} // namespace

void TLostTexts::Add(std::string_view text, TTextPlace place) {
    if (keeper_ && place != TTextPlace::None) {
        keeper_->Add(place, a_, b_, text);
        return;
    }
    auto [it, added] = seen_.emplace(text);
    if (added) texts_.push_back(*it);
}

void WriteShortText(TByteWriter& out, std::string_view text, TLostTexts* lost, TTextPlace place) {
    std::string scratch;
    WriteShortBytes(out, Encode(text, kShortTextMax, scratch, lost, place));
}

std::string ReadShortText(TByteReader& in) {
    return Decode(ReadShortBytes(in));
}

void WriteLongText(TByteWriter& out, std::string_view text, TLostTexts* lost, TTextPlace place) {
    std::string scratch;
    std::string_view bytes = Encode(text, INT32_MAX, scratch, lost, place);
    out.Int32(static_cast<int32_t>(bytes.size()));
    out.Bytes(bytes);
}

std::string ReadLongText(TByteReader& in) {
    int32_t n = in.Int32();
    if (n < 0) in.Fail("a negative length of a text");
    return Decode(in.Bytes(static_cast<size_t>(n)));
}

void WriteTextList(TByteWriter& out, const std::vector<std::string>& items, TLostTexts* lost) {
    CheckCount(items.size(), INT16_MAX, "items in a list");
    std::string scratch;
    out.UInt16(static_cast<uint16_t>(items.size()));
    for (const std::string& item : items)
        WriteShortBytes(out, Encode(item, kShortTextMax, scratch, lost));
}

std::vector<std::string> ReadTextList(TByteReader& in) {
    int count = in.Int16();
    std::vector<std::string> items;
    if (count <= 0) return items;
    in.NeedRecords(static_cast<uint64_t>(count), 1);
    items.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        items.push_back(ReadShortText(in));
    return items;
}

void WriteCategoryList(TByteWriter& out, const TCategoryList& list, TLostTexts* lost) {
    CheckCount(static_cast<size_t>(list.Count()), UINT16_MAX, "categories");
    out.UInt16(static_cast<uint16_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const TCategory& k = list.Item(i);
        if (lost) lost->At(static_cast<uint32_t>(i));
        WriteShortText(out, k.Name, lost, TTextPlace::CategoryName);
        out.Float64(k.Percent);
        out.Flag(k.DropLowest);
        out.Zeros(kReserved);
    }
    out.Zeros(kReserved);
}

namespace {
// A stored number that is not one (NaN, infinite) reads as 0, as a text that is no number
// does: no average may be built on it.
double ReadFiniteNumber(TByteReader& in) {
    const double v = in.Float64();
    return std::isfinite(v) ? v : 0.0;
}
} // namespace

void ReadCategoryList(TByteReader& in, TCategoryList& list) {
    list.Clear();
    uint16_t count = in.UInt16();
    in.NeedRecords(count, kCategoryRecordMin);
    for (int i = 0; i < count; ++i) {
        auto k = std::make_unique<TCategory>();
        k->Name = ReadShortText(in);
        k->Percent = ReadFiniteNumber(in);
        k->DropLowest = in.Flag();
        in.Skip(kReserved);
        list.Add(std::move(k));
    }
    in.Skip(kReserved);
}

void WriteLetterTable(TByteWriter& out, const TRealList& table, TLostTexts* lost,
                      TTextPlace place) {
    CheckCount(static_cast<size_t>(table.Count()), UINT16_MAX, "letters");
    out.UInt16(static_cast<uint16_t>(table.Count()));
    for (int i = 0; i < table.Count(); ++i) {
        if (lost) lost->At(static_cast<uint32_t>(i));
        WriteShortText(out, table.Text(i), lost, place);
        WriteShortText(out, table.ValueText(i), lost);
    }
}

void ReadLetterTable(TByteReader& in, TRealList& table) {
    table.Clear();
    uint16_t count = in.UInt16();
    in.NeedRecords(count, 2);
    for (int i = 0; i < count; ++i) {
        std::string letter = ReadShortText(in);
        double value = ParseNumber(ReadShortBytes(in));
        table.Add(std::move(letter), value);
    }
}

void WriteStudent(TByteWriter& out, const TStudent& s, TLostTexts* lost) {
    WriteShortText(out, s.Name, lost, TTextPlace::StudentName);
    WriteShortText(out, s.ID, lost, TTextPlace::StudentId);
    WriteLongText(out, s.Notes, lost, TTextPlace::StudentNotes);
    out.Int32(s.UserOrder);
    out.Zeros(kReserved);
}

void ReadStudent(TByteReader& in, TStudent& s) {
    s.Name = ReadShortText(in);
    s.ID = ReadShortText(in);
    s.Notes = ReadLongText(in);
    s.UserOrder = in.Int32();
    in.Skip(kReserved);
}

void WriteGrade(TByteWriter& out, const TGrade& g, TLostTexts* lost) {
    out.Float64(g.Weight);
    out.Float64(g.Points);
    out.Int32(g.CategoryIndex);
    out.Flag(g.ExtraCredit);
    out.Flag(g.Curve);
    out.Float64(g.CurveAmount);
    out.Int32(g.UserOrder);
    WriteLongText(out, g.Notes, lost, TTextPlace::GradeNotes);
    WriteShortText(out, g.Name, lost, TTextPlace::GradeName);
    // The reserved twelve bytes carry what the record once left out: the class-average
    // switch in the first byte, the date in the 8-byte field. Readers that skip them still
    // read the record.
    out.Flag(g.OmitClassAverage);
    out.Byte(0);
    out.UInt16(0);
    out.Float64(g.Date);
}

void ReadGrade(TByteReader& in, TGrade& g) {
    g.Weight = ReadFiniteNumber(in);
    g.Points = ReadFiniteNumber(in);
    g.CategoryIndex = in.Int32();
    g.ExtraCredit = in.Flag();
    g.Curve = in.Flag();
    g.CurveAmount = ReadFiniteNumber(in);
    g.UserOrder = in.Int32();
    g.Notes = ReadLongText(in);
    g.Name = ReadShortText(in);
    g.OmitClassAverage = in.Flag();
    in.Skip(3);
    // 0 is what every earlier writer stored: no date. The grade has none then, and writes 0
    // again until the teacher gives it one.
    const double date = in.Float64();
    g.Date = IsGivenDate(date) ? date : 0;
}

void WriteStudentWithAverage(TByteWriter& out, const TStudent& s, TLostTexts* lost) {
    WriteStudent(out, s, lost);
    out.Flag(s.HasAverage);
    out.Float64(s.Average);
}

void ReadStudentWithAverage(TByteReader& in, TStudent& s) {
    ReadStudent(in, s);
    s.HasAverage = in.Flag();
    s.Average = in.Float64();
}

TReadResult ReadGradebook(std::string_view bytes, TGradebook& open,
                          const TPasswordCheck& checkPassword) {
    TByteReader in(bytes);
    std::string password(ReadShortBytes(in));
    for (char& b : password)
        b = static_cast<char>(~static_cast<unsigned char>(b));
    password = Decode(password);
    TReadResult result;
    result.Version = ReadShortText(in);
    bool v2 = result.Version == "2.0";
    if (!v2 && result.Version != "1.0") {
        result.Status = TReadResult::TStatus::UnknownVersion;
        return result;
    }
    if (checkPassword && !checkPassword(password)) {
        result.Status = TReadResult::TStatus::PasswordRefused;
        return result;
    }
    TGradebook fresh;
    fresh.Preferences = open.Preferences;
    if (v2) {
        ReadVersion20(in, fresh);
        // What this program keeps beyond the layout's last field; unknown sections are skipped.
        const std::vector<TTrailerSection> sections = ReadTrailer(in.Rest());
        ReadStudentFieldSection(FindSection(sections, "LMID"), fresh, &TStudent::LmsId);
        fresh.Work = ReadWorkPolicy(FindSection(sections, "GRAD"));
        // How numbers are typed: one byte whose lowest bit is the decimal comma.
        const std::string_view numbers = FindSection(sections, "NUMF");
        fresh.DecimalComma = !numbers.empty() && (numbers[0] & 1) != 0;
        RestoreWholeTexts(FindSection(sections, kTextSectionTag), fresh);
        RestoreWholeTexts(FindSection(sections, kStudentSectionTag), fresh);
    } else {
        ReadVersion10(in, fresh);
    }
    fresh.Password = std::move(password);
    open.ReplaceDocument(std::move(fresh));
    return result;
}

bool PasswordStorable(std::string_view password) {
    std::string scratch;
    TLostTexts loss;
    Encode(password, kShortTextMax, scratch, &loss);
    return loss.Texts().empty();
}

std::string WriteGradebook(TGradebook& gb, std::vector<std::string>* lostTexts) {
    CheckCount(static_cast<size_t>(gb.ColCount()), INT16_MAX, "grades");
    CheckCount(static_cast<size_t>(gb.Categories.Count()), UINT16_MAX, "categories");
    CheckCount(static_cast<size_t>(std::max(gb.LetterToNumber.Count(), gb.NumberToLetter.Count())),
               UINT16_MAX, "letters");
    std::string scratch;
    std::string password(Encode(gb.Password, kShortTextMax, scratch, nullptr));
    if (!PasswordStorable(gb.Password))
        throw TFileWriteError("The password has characters or a length that the file cannot hold");

    TWholeTexts whole;
    TLostTexts lost(&whole);
    std::string bytes;
    // Entries are short: a few bytes each saves growing the buffer again and again.
    bytes.reserve(static_cast<size_t>(gb.LastStudentRow()) * static_cast<size_t>(gb.ColCount()) *
                  6);
    TByteWriter out(bytes);
    for (char& b : password)
        b = static_cast<char>(~static_cast<unsigned char>(b));
    WriteShortBytes(out, password);
    WriteShortBytes(out, "2.0");
    WriteCategoryList(out, gb.Categories, &lost);
    WriteLetterTable(out, gb.LetterToNumber, &lost, TTextPlace::LetterToNumber);
    WriteLetterTable(out, gb.NumberToLetter, &lost, TTextPlace::NumberToLetter);
    out.Int32(gb.LastGradeColumn());
    out.Int32(gb.LastStudentRow());
    out.Flag(gb.EditMode());
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        TStudent* s = gb.StudentAt(r);
        s->Name = gb.Cell(1, r);
        lost.At(static_cast<uint32_t>(r));
        WriteStudent(out, *s, &lost);
    }
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        TGrade* g = gb.GradeAt(c);
        g->Name = gb.Cell(c, 1);
        lost.At(static_cast<uint32_t>(c));
        WriteGrade(out, *g, &lost);
    }
    for (int r = 1; r <= gb.LastStudentRow(); ++r)
        WriteRow(out, gb.RowCells(r), scratch, &lost, static_cast<uint32_t>(r));
    WriteShortText(out, gb.Teacher, &lost, TTextPlace::Teacher);
    WriteShortText(out, gb.ClassName, &lost, TTextPlace::ClassName);
    WriteShortText(out, gb.ClassNumber, &lost, TTextPlace::ClassNumber);
    out.Byte(0);
    out.Flag(gb.PointsAreWeights);
    out.Flag(gb.ShowLetters);
    out.Flag(gb.GradesInUserOrder);
    out.Flag(gb.StudentsInUserOrder);
    // Each feature that keeps something the layout cannot hold adds its section here.
    std::vector<std::pair<std::string, std::string>> sections;
    sections.emplace_back("LMID", WriteStudentFieldSection(gb, &TStudent::LmsId));
    sections.emplace_back("GRAD", WriteWorkPolicy(gb.Work));
    sections.emplace_back("NUMF", gb.DecimalComma ? std::string(1, '\x01') : std::string());
    sections.emplace_back(kTextSectionTag, whole.TakePayload());
    sections.emplace_back(kStudentSectionTag, StudentSection(gb));
    AppendTrailer(out, sections);
    if (lostTexts) *lostTexts = lost.Texts();
    return bytes;
}

std::string WriteStudentBlock(TGradebook& gb, std::vector<std::string>* lostTexts) {
    CheckCount(static_cast<size_t>(gb.LastStudentRow()), UINT16_MAX, "students");
    TWholeTexts whole, logins;
    TLostTexts lost(&whole);
    std::string bytes;
    TByteWriter out(bytes);
    out.UInt16(static_cast<uint16_t>(gb.LastStudentRow()));
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        TStudent* s = gb.StudentAt(r);
        s->Name = gb.Cell(1, r);
        const auto index = static_cast<uint32_t>(r - 2);
        lost.At(index);
        WriteStudentWithAverage(out, *s, &lost);
        if (!s->Login.empty()) logins.Add(TTextPlace::StudentLogin, index, 0, s->Login);
    }
    AppendTrailer(out, {{std::string(kTextSectionTag), whole.TakePayload()},
                        {std::string(kStudentSectionTag), logins.TakePayload()}});
    if (lostTexts) *lostTexts = lost.Texts();
    return bytes;
}

TStudentBlock ReadStudentBlock(std::string_view bytes) {
    TStudentBlock block;
    TByteReader in(bytes);
    try {
        int count = in.UInt16();
        if (count < 2) return block;
        block.Students.reserve(std::min<size_t>(
            static_cast<size_t>(count - 1), in.Remaining() / (kStudentRecordMin + kAverageMin)));
        for (int i = 0; i < count - 1; ++i) {
            TStudent s;
            ReadStudentWithAverage(in, s);
            block.Students.push_back(std::move(s));
        }
        const std::vector<TTrailerSection> sections = ReadTrailer(in.Rest());
        RestoreWholeTexts(FindSection(sections, kTextSectionTag), block.Students);
        RestoreWholeTexts(FindSection(sections, kStudentSectionTag), block.Students);
    } catch (const TFileReadError&) {
        block.Complete = false;
    }
    return block;
}

} // namespace marklow
