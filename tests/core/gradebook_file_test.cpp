#include "grade_date.h"
#include "gradebook_file.h"
#include "sample_builder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace marklow;

namespace {

const TPasswordCheck kAccept = [](const std::string&) { return true; };

// A small gradebook with a value in every stored field.
std::unique_ptr<TGradebook> Filled(bool editMode) {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    gb->Categories.Add("Homework", 25, true);
    gb->Categories.Add("Tests", 75.5, false);
    gb->LetterToNumber.Add("A", 95);
    gb->LetterToNumber.Add("B", 85);
    gb->NumberToLetter.Add("A", 90);
    gb->NumberToLetter.Add("B", 92.26);
    int r = AddStudent(*gb, "Zoë Quinn", "S-17");
    gb->StudentAt(r)->Notes = "Line one\r\nline two";
    gb->StudentAt(r)->UserOrder = 7;
    AddStudent(*gb, "Al Low", "");
    int c = AddGrade(*gb, "Quiz 1", 20, 1);
    TGrade& g = *gb->GradeAt(c);
    g.Weight = 2.5;
    g.ExtraCredit = true;
    g.Curve = true;
    g.CurveAmount = -1.25;
    g.UserOrder = 42;
    g.Notes = std::string(1000, 'n');
    g.Date = 12345;
    g.OmitClassAverage = true;
    AddGrade(*gb, "Test", 100, -1);
    gb->SetCell(2, 2, "17 late");
    gb->SetCell(3, 2, "/B");
    gb->SetCell(2, 3, "tab\there");
    gb->SetCell(0, 2, "*85.3=B");
    gb->Password = "pw";
    gb->Teacher = "Ms. Rivera";
    gb->ClassName = "Algebra";
    gb->ClassNumber = "P3";
    gb->PointsAreWeights = true;
    gb->ShowLetters = true;
    gb->GradesInUserOrder = false;
    gb->StudentsInUserOrder = true;
    if (editMode) gb->SetEditMode(true);
    return gb;
}

std::unique_ptr<TGradebook> Load(const std::string& bytes) {
    auto gb = std::make_unique<TGradebook>();
    auto result = ReadGradebook(bytes, *gb, kAccept);
    EXPECT_EQ(result.Status, TReadResult::TStatus::Loaded);
    return gb;
}

void ExpectSameTable(const TGradebook& a, const TGradebook& b) {
    ASSERT_EQ(a.ColCount(), b.ColCount());
    ASSERT_EQ(a.RowCount(), b.RowCount());
    for (int r = 1; r < a.RowCount(); ++r)
        EXPECT_EQ(a.RowCells(r), b.RowCells(r)) << "row " << r;
}

// Appends the fields of a "1.0" file after the password and version.
struct OldFile {
    std::string bytes;
    TByteWriter out{bytes};
    OldFile() {
        out.Byte(0);
        WriteShortText(out, "1.0");
    }
    void List(const std::vector<std::string>& items) { WriteTextList(out, items); }
};

} // namespace

TEST(GradebookFile, RoundTripKeepsEveryStoredField) {
    for (bool editMode : {false, true}) {
        auto gb = Filled(editMode);
        auto loaded = Load(WriteGradebook(*gb));
        TGradebook& back = *loaded;
        EXPECT_EQ(back.EditMode(), editMode);
        ExpectSameTable(*gb, back);
        ASSERT_EQ(back.Categories.Count(), 2);
        EXPECT_EQ(back.Categories.Item(1).Name, "Tests");
        EXPECT_EQ(back.Categories.Item(1).Percent, 75.5);
        EXPECT_TRUE(back.Categories.Item(0).DropLowest);
        EXPECT_EQ(back.LetterToNumber, gb->LetterToNumber);
        // Letter numbers travel as text with 3 significant digits.
        EXPECT_EQ(back.NumberToLetter.Value(1), 92.3);

        const TStudent& s = *back.StudentAt(2);
        EXPECT_EQ(s.Name, "Zoë Quinn");
        EXPECT_EQ(s.ID, "S-17");
        EXPECT_EQ(s.Notes, "Line one\r\nline two");
        EXPECT_EQ(s.UserOrder, 7);
        EXPECT_EQ(back.StudentAt(3)->UserOrder, kLastUserOrder);

        const TGrade& g = *back.GradeAt(2);
        EXPECT_EQ(g.Name, "Quiz 1");
        EXPECT_EQ(g.Weight, 2.5);
        EXPECT_EQ(g.Points, 20);
        EXPECT_EQ(g.CategoryIndex, 1);
        EXPECT_TRUE(g.ExtraCredit);
        EXPECT_TRUE(g.Curve);
        EXPECT_EQ(g.CurveAmount, -1.25);
        EXPECT_EQ(g.UserOrder, 42);
        EXPECT_EQ(g.Notes, std::string(1000, 'n'));
        EXPECT_EQ(back.GradeAt(3)->CategoryIndex, -1);
        // Kept in the record's reserved bytes.
        EXPECT_EQ(g.Date, 12345);
        EXPECT_TRUE(g.OmitClassAverage);
        EXPECT_FALSE(back.GradeAt(3)->OmitClassAverage);

        EXPECT_EQ(back.Password, "pw");
        EXPECT_EQ(back.Teacher, "Ms. Rivera");
        EXPECT_EQ(back.ClassName, "Algebra");
        EXPECT_EQ(back.ClassNumber, "P3");
        EXPECT_TRUE(back.PointsAreWeights);
        EXPECT_TRUE(back.ShowLetters);
        EXPECT_FALSE(back.GradesInUserOrder);
        EXPECT_TRUE(back.StudentsInUserOrder);
        EXPECT_EQ(back.Cell(0, 0), "Average");
    }
}

TEST(GradebookFile, EmptyGradebookInMoveModeByteForByte) {
    TGradebook gb;
    gb.SetEditMode(false);
    gb.GradesInUserOrder = true;
    gb.StudentsInUserOrder = false;
    std::string expected;
    TByteWriter out(expected);
    out.Byte(0); // no password
    out.Bytes(std::string("\x03"
                          "2.0",
                          4)); // version
    out.UInt16(0);             // no categories
    out.Zeros(12);             // reserved after them
    out.UInt16(0);             // letters to numbers
    out.UInt16(0);             // numbers to letters
    out.Int32(1);              // last grade column
    out.Int32(1);              // last student row
    out.Byte(0);               // move mode
    out.UInt16(2);             // row 1: two cells
    out.Byte(0);               // no overall average
    out.Bytes(std::string("\x04"
                          "Name",
                          5));
    out.Bytes(std::string(3, '\0'));         // teacher, class name, class number
    out.Bytes(std::string("\0\0\0\1\0", 5)); // reserved, switches
    EXPECT_EQ(WriteGradebook(gb), expected);
}

TEST(GradebookFile, PasswordIsComplementedAndHandedToTheCheck) {
    TGradebook gb;
    gb.Password = "abc";
    std::string bytes = WriteGradebook(gb);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\x9e\x9d\x9c", 4));
    gb.Password.clear();
    EXPECT_EQ(WriteGradebook(gb)[0], '\0');

    std::string handed;
    TGradebook open;
    ReadGradebook(bytes, open, [&](const std::string& stored) {
        handed = stored;
        return true;
    });
    EXPECT_EQ(handed, "abc");
    EXPECT_EQ(open.Password, "abc");

    // A password the file cannot hold exactly would lock the teacher out: no file is written.
    gb.Password = "пароль";
    EXPECT_THROW(WriteGradebook(gb), TFileWriteError);
    gb.Password = std::string(256, 'x');
    EXPECT_THROW(WriteGradebook(gb), TFileWriteError);
}

TEST(GradebookFile, LongAndForeignTextsAreCutOrReplacedInTheLayoutAndKeptWhole) {
    TGradebook gb;
    gb.SetEditMode(false);
    std::string longName(300, 'a');
    AddStudent(gb, longName);
    AddStudent(gb, "Zoë Ωmega");
    AddStudent(gb, "Renée Ç"); // every character exists in Windows-1252
    AddGrade(gb, "Quiz", 10);
    gb.SetCell(2, 2, std::string(400, '9'));
    // Enough text after the name that the writer's quick copy carries it.
    gb.SetCell(2, 4, "85 excellent work, well done");
    gb.StudentAt(2)->Notes = std::string(5000, 'z'); // a long text is stored whole
    std::vector<std::string> lost;
    const std::string bytes = WriteGradebook(gb, &lost);
    EXPECT_TRUE(lost.empty()) << "the trailer keeps what the layout cannot";
    auto whole = Load(bytes);
    EXPECT_EQ(whole->Cell(1, 2), longName);
    EXPECT_EQ(whole->StudentAt(2)->Name, longName);
    EXPECT_EQ(whole->Cell(1, 3), "Zoë Ωmega");
    EXPECT_EQ(whole->Cell(2, 2), std::string(400, '9'));

    // The layout alone (what a reader of it sees) holds the cut and replaced forms.
    auto loaded = Load(bytes.substr(0, bytes.rfind("MKLW")));
    TGradebook& back = *loaded;
    EXPECT_EQ(back.Cell(1, 2), std::string(255, 'a'));
    EXPECT_EQ(back.StudentAt(2)->Name, std::string(255, 'a'));
    EXPECT_EQ(back.Cell(1, 3), "Zoë ?mega");
    EXPECT_EQ(back.Cell(1, 4), "Renée Ç");
    EXPECT_EQ(back.Cell(2, 4), "85 excellent work, well done");
    EXPECT_EQ(back.Cell(2, 2), std::string(255, '9'));
    EXPECT_EQ(back.StudentAt(2)->Notes.size(), 5000u);
}

TEST(GradebookFile, EditModeRowsCarryTheSpareColumn) {
    auto move = Filled(false);
    auto edit = Filled(true);
    std::string moveBytes = WriteGradebook(*move);
    std::string editBytes = WriteGradebook(*edit);
    // One more empty cell (its length byte) in each of the rows 1..LastStudentRow.
    EXPECT_EQ(editBytes.size(), moveBytes.size() + static_cast<size_t>(move->LastStudentRow()));
    auto loaded = Load(editBytes);
    TGradebook& back = *loaded;
    EXPECT_EQ(back.ColCount(), back.GradeCount() + 3);
    EXPECT_EQ(back.RowCount(), back.StudentCount() + 3);
    EXPECT_EQ(back.StudentAt(back.RowCount() - 1), nullptr);
    EXPECT_EQ(back.GradeAt(back.ColCount() - 1), nullptr);
}

TEST(GradebookFile, FailedReadsLeaveTheOpenGradebookAsItWas) {
    auto open = Filled(true);
    const std::string before = WriteGradebook(*open);
    auto untouched = [&] { EXPECT_EQ(WriteGradebook(*open), before); };

    TGradebook other;
    other.Password = "secret";
    AddStudent(other, "New Student");
    std::string protectedFile = WriteGradebook(other);
    auto refused = ReadGradebook(protectedFile, *open, [](const std::string&) { return false; });
    EXPECT_EQ(refused.Status, TReadResult::TStatus::PasswordRefused);
    untouched();

    std::string future = protectedFile;
    future.replace(future.find("2.0"), 3, "3.0");
    bool asked = false;
    auto unknown = ReadGradebook(future, *open, [&](const std::string&) { return asked = true; });
    EXPECT_EQ(unknown.Status, TReadResult::TStatus::UnknownVersion);
    EXPECT_EQ(unknown.Version, "3.0");
    EXPECT_FALSE(asked);
    untouched();

    // Cut anywhere, a file fails with the reader's error and changes nothing.
    std::string full = WriteGradebook(*Filled(true));
    for (size_t n = 0; n < full.size(); ++n) {
        try {
            ReadGradebook(std::string_view(full).substr(0, n), *open, kAccept);
            ADD_FAILURE() << "a file cut at " << n << " bytes was read";
        } catch (const TFileReadError& e) {
            EXPECT_STREQ(e.what(), "File Read Error");
            // Where it went wrong, for the command line.
            EXPECT_NE(e.Reason().find(" byte "), std::string::npos) << n << ": " << e.Reason();
        }
    }
    untouched();
}

TEST(GradebookFile, AReadErrorSaysWhereAndNamesTheFileItIsToldOf) {
    TGradebook open;
    try {
        ReadGradebook(std::string("\0\x03"
                                  "2.0",
                                  5),
                      open, kAccept);
        ADD_FAILURE();
    } catch (const TFileReadError& e) {
        EXPECT_EQ(e.Reason(), "the data ends at byte 5, inside the field at byte 5");
        TFileReadError told = e.ForFile("/home/t/period1.gbd");
        EXPECT_STREQ(told.what(), "File Read Error\n/home/t/period1.gbd");
        EXPECT_EQ(told.Reason(), e.Reason());
        EXPECT_EQ(told.File(), "/home/t/period1.gbd");
    }
    // A row whose cells run past the end names the cell's own length byte.
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann");
    std::string full = WriteGradebook(gb);
    // The table rows are followed by the description texts (3 empty ones), a reserved byte
    // and four switches: cut inside the last row's last cell.
    const size_t tail = 3 + 1 + 4;
    std::string cut = full.substr(0, full.size() - tail - 1);
    try {
        ReadGradebook(cut, open, kAccept);
        ADD_FAILURE();
    } catch (const TFileReadError& e) {
        EXPECT_EQ(e.Reason(), "the data ends at byte " + std::to_string(cut.size()) +
                                  ", inside the field at byte " +
                                  std::to_string(full.size() - tail - 4));
    }
    // Impossible counts say what they promised.
    try {
        ReadGradebook(full.substr(0, 5) + std::string("\xff\x7f", 2), open, kAccept);
        ADD_FAILURE();
    } catch (const TFileReadError& e) {
        EXPECT_EQ(e.Reason(), "the count 32767 before byte 7 promises more than the 0 bytes left");
    }
}

TEST(GradebookFile, ImpossibleCountsFailAtOnce) {
    auto header = [] {
        std::string b;
        TByteWriter out(b);
        out.Byte(0);
        WriteShortText(out, "2.0");
        out.UInt16(0);
        out.Zeros(12);
        out.UInt16(0);
        out.UInt16(0);
        return b;
    };
    auto fails = [](const std::string& bytes) {
        TGradebook open;
        EXPECT_THROW(ReadGradebook(bytes, open, kAccept), TFileReadError);
    };
    for (auto [grades, students] : {std::pair<int32_t, int32_t>{1, INT32_MAX},
                                    {INT32_MAX, 1},
                                    {-5, 1},
                                    {1, 0},
                                    {3000, 3000}}) {
        std::string b = header();
        TByteWriter out(b);
        out.Int32(grades);
        out.Int32(students);
        out.Byte(0);
        out.Zeros(4096);
        fails(b);
    }
    // A student whose notes claim 2 GB, a negative length, and 65535 categories in 20 bytes.
    for (int32_t length : {INT32_MAX, -1}) {
        std::string b = header();
        TByteWriter out(b);
        out.Int32(1);
        out.Int32(2);
        out.Byte(0);
        out.Bytes(std::string(2, '\0'));
        out.Int32(length);
        out.Zeros(64);
        fails(b);
    }
    std::string b;
    TByteWriter out(b);
    out.Byte(0);
    WriteShortText(out, "2.0");
    out.UInt16(65535);
    out.Zeros(20);
    fails(b);
}

TEST(GradebookFile, OutOfRangeCategoryIndexesFallIntoTheFirstCategory) {
    auto gb = Filled(false);
    gb->GradeAt(2)->CategoryIndex = 9;
    gb->GradeAt(3)->CategoryIndex = -7;
    auto loaded = Load(WriteGradebook(*gb));
    TGradebook& back = *loaded;
    EXPECT_EQ(back.GradeAt(2)->CategoryIndex, 0);
    EXPECT_EQ(back.GradeAt(3)->CategoryIndex, 0);
}

TEST(GradebookFile, OldVersionIsConverted) {
    OldFile f;
    WriteShortText(f.out, "Mr. Old");
    WriteShortText(f.out, "History");
    WriteShortText(f.out, "7");
    f.out.Byte(0); // points are not weights
    WriteShortText(f.out, "unused");
    f.List({"Drop", "No", "", "Yes"});              // drop-lowest column
    f.out.Byte(1);                                  // show letters
    f.List({"Category", "Homework", " ", "Tests"}); // a blank item between two names
    f.List({"Percent", "40", "0", "60"});
    f.List({"Letter", "A", "B", ""}); // letters to numbers, trailing blank
    f.List({"Number", "95", "x"});    // a number that is not one, one missing
    f.List({"Letter", "A", "F", ""});
    f.List({"Number", "90", "0", ""});
    // Grade categories: by name (any case), unknown, and one missing (padded with the first).
    f.List({"Category", "tests ", "Nope"});
    f.List({"Weight", "2"});       // padded with "1"
    f.List({"Points", "50", "0"}); // 0 becomes 100, missing one empty -> 100
    f.out.Byte(1);                 // move mode
    f.out.Int16(3);                // rows 1..3
    f.out.Int16(5);                // columns 0..4: three grades
    f.List({"old avg", "Name", "Essay", "Quiz", "Final"});
    f.List({"88", "Ann Lee", "45", "B", "90"});
    f.List({"", "Ben Roy", "40", "", "77"});

    auto loaded = Load(f.bytes);
    TGradebook& gb = *loaded;
    EXPECT_EQ(gb.Teacher, "Mr. Old");
    EXPECT_EQ(gb.ClassNumber, "7");
    EXPECT_TRUE(gb.ShowLetters);
    EXPECT_TRUE(gb.GradesInUserOrder);
    EXPECT_TRUE(gb.StudentsInUserOrder);
    EXPECT_FALSE(gb.EditMode());
    ASSERT_EQ(gb.Categories.Count(), 2);
    EXPECT_EQ(gb.Categories.Item(0).Name, "Homework");
    EXPECT_EQ(gb.Categories.Item(0).Percent, 40);
    EXPECT_FALSE(gb.Categories.Item(0).DropLowest);
    EXPECT_EQ(gb.Categories.Item(1).Name, "Tests");
    EXPECT_EQ(gb.Categories.Item(1).Percent, 60);
    EXPECT_TRUE(gb.Categories.Item(1).DropLowest);

    ASSERT_EQ(gb.GradeCount(), 3);
    ASSERT_EQ(gb.StudentCount(), 2);
    EXPECT_EQ(gb.GradeAt(2)->CategoryIndex, 1); // "tests " matches "Tests" past the blank item
    EXPECT_EQ(gb.GradeAt(3)->CategoryIndex, 0); // unknown name
    EXPECT_EQ(gb.GradeAt(4)->CategoryIndex, 0); // padded with "Homework"
    EXPECT_EQ(gb.GradeAt(2)->Weight, 2);
    EXPECT_EQ(gb.GradeAt(3)->Weight, 1);
    EXPECT_EQ(gb.GradeAt(2)->Points, 50);
    EXPECT_EQ(gb.GradeAt(3)->Points, 100);
    EXPECT_EQ(gb.GradeAt(4)->Points, 100);
    EXPECT_EQ(gb.GradeAt(4)->Name, "Final");
    EXPECT_EQ(gb.StudentAt(3)->Name, "Ben Roy");
    EXPECT_EQ(gb.Cell(3, 2), "B");
    EXPECT_EQ(gb.Cell(0, 0), "Average");
    EXPECT_EQ(gb.Cell(0, 1), "");

    ASSERT_EQ(gb.LetterToNumber.Count(), 2);
    EXPECT_EQ(gb.LetterToNumber.Text(0), "A");
    EXPECT_EQ(gb.LetterToNumber.Value(0), 95);
    EXPECT_EQ(gb.LetterToNumber.Text(1), "B");
    EXPECT_EQ(gb.LetterToNumber.Value(1), 0);
    ASSERT_EQ(gb.NumberToLetter.Count(), 2);
    EXPECT_EQ(gb.NumberToLetter.Text(1), "F");

    // Every cut of the old layout fails too.
    for (size_t n = 0; n < f.bytes.size(); ++n) {
        TGradebook open;
        EXPECT_THROW(ReadGradebook(std::string_view(f.bytes).substr(0, n), open, kAccept),
                     TFileReadError)
            << n;
    }
}

TEST(GradebookFile, OldVersionWithPointsAsWeightsKeepsZeroPointsAndDefaultWeights) {
    OldFile f;
    for (int i = 0; i < 3; ++i)
        WriteShortText(f.out, "");
    f.out.Byte(1); // points are weights
    WriteShortText(f.out, "");
    f.List({});
    f.out.Byte(0);
    for (int i = 0; i < 9; ++i)
        f.List({});
    f.out.Byte(0); // edit mode
    f.out.Int16(1);
    f.out.Int16(3);
    f.List({"", "Name", "Lab"});
    TGradebook open;
    open.Preferences.DefaultWeight = 3;
    ReadGradebook(f.bytes, open, kAccept);
    ASSERT_EQ(open.GradeCount(), 1);
    EXPECT_EQ(open.GradeAt(2)->Points, 0);
    EXPECT_EQ(open.GradeAt(2)->Weight, 3); // the weight list cannot set it; the default stays
    EXPECT_TRUE(open.EditMode());
    EXPECT_EQ(open.ColCount(), 4);
    EXPECT_TRUE(open.Categories.Count() == 0);
}

TEST(StudentBlock, RoundTripAndShortData) {
    TGradebook gb;
    AddStudent(gb, "Ann Lee", "7");
    AddStudent(gb, "Ben Roy");
    gb.StudentAt(2)->HasAverage = true;
    gb.StudentAt(2)->Average = 87.25;
    gb.StudentAt(3)->Notes = "note";
    gb.SetCell(1, 3, "Ben Roy Jr"); // the name cell wins over the record
    std::string block = WriteStudentBlock(gb);

    TStudentBlock read = ReadStudentBlock(block + std::string(100, '\x7f'));
    EXPECT_TRUE(read.Complete);
    ASSERT_EQ(read.Students.size(), 2u);
    EXPECT_EQ(read.Students[0].ID, "7");
    EXPECT_TRUE(read.Students[0].HasAverage);
    EXPECT_EQ(read.Students[0].Average, 87.25);
    EXPECT_EQ(read.Students[1].Name, "Ben Roy Jr");
    EXPECT_EQ(read.Students[1].Notes, "note");
    EXPECT_FALSE(read.Students[1].HasAverage);

    TStudentBlock cut = ReadStudentBlock(std::string_view(block).substr(0, block.size() - 1));
    EXPECT_FALSE(cut.Complete);
    EXPECT_EQ(cut.Students.size(), 1u);

    TStudentBlock empty = ReadStudentBlock("");
    EXPECT_FALSE(empty.Complete);
    TStudentBlock none = ReadStudentBlock(std::string("\x01\x00", 2));
    EXPECT_TRUE(none.Complete);
    EXPECT_TRUE(none.Students.empty());
    // A count of 65535 with no records behind it reads nothing and allocates nothing big.
    TStudentBlock claims = ReadStudentBlock(std::string("\xff\xff", 2));
    EXPECT_FALSE(claims.Complete);
    EXPECT_TRUE(claims.Students.empty());
}

TEST(TextList, SignedCountAndLimits) {
    std::string b;
    TByteWriter out(b);
    out.Int16(-3); // a count of 0 or less is no items
    TByteReader in(b);
    EXPECT_TRUE(ReadTextList(in).empty());
    EXPECT_TRUE(in.AtEnd());

    std::string w;
    TByteWriter writer(w);
    EXPECT_THROW(WriteTextList(writer, std::vector<std::string>(40000)), TFileWriteError);
}

namespace {

// One grade record with the given reserved twelve bytes.
std::string GradeRecord(const std::string& reserved) {
    std::string bytes;
    TByteWriter out(bytes);
    out.Float64(1);
    out.Float64(10);
    out.Int32(0);
    out.Flag(false);
    out.Flag(false);
    out.Float64(0);
    out.Int32(3);
    WriteLongText(out, "");
    WriteShortText(out, "Quiz");
    out.Bytes(reserved);
    return bytes;
}

std::string Reserved(uint8_t omit, double date) {
    std::string bytes;
    TByteWriter out(bytes);
    out.Byte(omit);
    out.Bytes(std::string(3, '\0'));
    out.Float64(date);
    return bytes;
}

} // namespace

TEST(GradeRecord, DateAndClassAverageSwitchLiveInTheReservedBytes) {
    TGrade g;
    g.Weight = 1;
    g.Points = 10;
    g.UserOrder = 3;
    g.Name = "Quiz";
    g.OmitClassAverage = true;
    g.Date = 45292.5;
    std::string bytes;
    TByteWriter out(bytes);
    WriteGrade(out, g);
    EXPECT_EQ(bytes, GradeRecord(Reserved(1, 45292.5)));
    g.OmitClassAverage = false;
    bytes.clear();
    WriteGrade(out, g);
    EXPECT_EQ(bytes, GradeRecord(Reserved(0, 45292.5)));
}

TEST(GradeRecord, FilesOfEarlierWritersGiveNoDateAndKeepItUnstored) {
    // Every earlier writer filled the reserved bytes with 0: no date, no switch. The grade
    // made for the record starts with today's date, which must not stick.
    TGradebook gb;
    auto g = gb.NewGrade();
    ASSERT_EQ(g->Date, TodayDate());
    const std::string record = GradeRecord(std::string(12, '\0'));
    TByteReader in(record);
    ReadGrade(in, *g);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(g->Date, 0);
    EXPECT_FALSE(IsGivenDate(g->Date));
    EXPECT_FALSE(g->OmitClassAverage);
    EXPECT_EQ(g->Name, "Quiz");
    // Written back, the record is the one read: still no date.
    std::string again;
    TByteWriter out(again);
    WriteGrade(out, *g);
    EXPECT_EQ(again, record);
}

TEST(GradeRecord, AClassWithoutDatesStaysWithoutThemThroughSaveAndReopen) {
    auto gb = BuildGradebook(TBuildOptions{});
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        gb->GradeAt(c)->Date = 0;
    gb->GradeAt(3)->Date = 46000;
    TGradebook back;
    ReadGradebook(WriteGradebook(*gb), back, [](const std::string&) { return true; });
    ASSERT_EQ(back.LastGradeColumn(), gb->LastGradeColumn());
    for (int c = 2; c <= back.LastGradeColumn(); ++c)
        EXPECT_EQ(back.GradeAt(c)->Date, c == 3 ? 46000 : 0) << c;
}

TEST(GradeRecord, ADateNoCalendarCanShowCountsAsNone) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double date : {nan, inf, -inf, 1e300, -1e7, 2958466.0, -0.0}) {
        TGradebook gb;
        auto g = gb.NewGrade();
        std::string record = GradeRecord(Reserved(1, date));
        TByteReader in(record);
        ReadGrade(in, *g);
        EXPECT_EQ(g->Date, 0) << date;
        EXPECT_FALSE(IsGivenDate(date)) << date;
        EXPECT_TRUE(g->OmitClassAverage);
    }
    for (double date : {1.0, -657434.0, 2958465.99, 45292.25}) {
        TGradebook gb;
        auto g = gb.NewGrade();
        std::string record = GradeRecord(Reserved(0, date));
        TByteReader in(record);
        ReadGrade(in, *g);
        EXPECT_EQ(g->Date, date);
        EXPECT_TRUE(IsGivenDate(date)) << date;
    }
}

TEST(GradeRecord, DatesSurviveSaveAndReopen) {
    auto gb = BuildGradebook(TBuildOptions{});
    gb->GradeAt(2)->Date = 45001;
    gb->GradeAt(3)->Date = 44000.75;
    gb->GradeAt(4)->OmitClassAverage = true;
    auto back = Load(WriteGradebook(*gb));
    EXPECT_EQ(back->GradeAt(2)->Date, 45001);
    EXPECT_EQ(back->GradeAt(3)->Date, 44000.75);
    EXPECT_EQ(back->GradeAt(5)->Date, gb->GradeAt(5)->Date);
    EXPECT_TRUE(back->GradeAt(4)->OmitClassAverage);
    EXPECT_FALSE(back->GradeAt(2)->OmitClassAverage);
    EXPECT_EQ(WriteGradebook(*back), WriteGradebook(*gb));
}
