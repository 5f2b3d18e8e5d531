#include "averages.h"
#include "clipboard_data.h"
#include "gradebook_file.h"
#include "sample_builder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace marklow;

namespace {

struct Class {
    TGradebook gb;
    explicit Class(bool editMode = false) {
        gb.SetEditMode(false);
        wantEdit = editMode;
    }
    int Grade(const std::string& name, double points = 100) { return AddGrade(gb, name, points); }
    int Student(const std::string& name, const std::string& id = "",
                std::vector<std::string> entries = {}) {
        int r = AddStudent(gb, name, id);
        for (size_t i = 0; i < entries.size(); ++i)
            gb.SetCell(static_cast<int>(i) + 2, r, entries[i]);
        return r;
    }
    // Gives the table its final mode once the objects are in place.
    TGradebook& Done() {
        if (wantEdit) gb.SetEditMode(true);
        return gb;
    }
    bool wantEdit;
};

std::vector<std::string> Names(const TGradebook& gb) {
    std::vector<std::string> names;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        names.emplace_back(gb.Cell(1, r));
    return names;
}

using Strings = std::vector<std::string>;

// What the other program reads off the clipboard.
TStudentBlock Transfer(const TGradebook& from, TClipboardFormat format) {
    auto copy = BuildClipboardCopy(from, format);
    EXPECT_TRUE(copy.has_value());
    return ReadStudentBlock(copy->Block);
}

void Paste(TGradebook& gb, TClipboardFormat format, const TStudentBlock& block) {
    ApplyPaste(gb, PlanPaste(gb, format, block.Students, block.Complete));
}

} // namespace

TEST(ClipboardCopy, StudentBlockByteForByte) {
    Class k;
    int r = k.Student("Zoë", "17");
    k.gb.StudentAt(r)->Notes = "ab";
    k.gb.StudentAt(r)->UserOrder = 0x01020304;
    k.gb.StudentAt(r)->HasAverage = true;
    k.gb.StudentAt(r)->Average = 1.5;
    auto copy = BuildClipboardCopy(k.gb, TClipboardFormat::Students);
    ASSERT_TRUE(copy);
    const std::string expected = std::string("\x02\x00", 2) // LastStudentRow
                                 + "\x03Zo\xEB"             // name, Windows-1252
                                 + "\x02"
                                   "17"                                      // ID
                                 + std::string("\x02\x00\x00\x00", 4) + "ab" // notes
                                 + "\x04\x03\x02\x01"                        // user order
                                 + std::string(12, '\0')                     // reserved
                                 + "\x01"                                    // has average
                                 + std::string("\x00\x00\x00\x00\x00\x00\xF8\x3F", 8); // 1.5
    EXPECT_EQ(copy->Block, expected);
    EXPECT_EQ(copy->Text, "Name\tID\nZoë\t17\n");
    EXPECT_TRUE(copy->LostTexts.empty());
    EXPECT_TRUE(copy->Error.empty());
}

TEST(ClipboardCopy, AveragesAreComputedAfreshAndOfferedAsText) {
    Class k;
    k.gb.NumberToLetter.Add("A", 90);
    k.gb.NumberToLetter.Add("B", 80);
    k.Grade("Quiz", 50);
    k.Student("Ann\tLee", "7", {"45"});
    k.Student("Ben", "", {""});
    // Stale stored averages must not travel.
    k.gb.StudentAt(2)->HasAverage = false;
    k.gb.StudentAt(3)->HasAverage = true;
    k.gb.StudentAt(3)->Average = 55;
    TStudentBlock block = Transfer(k.gb, TClipboardFormat::Averages);
    ASSERT_EQ(block.Students.size(), 2u);
    EXPECT_TRUE(block.Students[0].HasAverage);
    EXPECT_DOUBLE_EQ(block.Students[0].Average, 90);
    EXPECT_FALSE(block.Students[1].HasAverage);
    auto copy = BuildClipboardCopy(k.gb, TClipboardFormat::Averages);
    EXPECT_EQ(copy->Text, "Name\tID\tAverage\tLetter\nAnn Lee\t7\t90\tA\nBen\t\t\t\n");

    // The Students command carries the two fields as they stand.
    block = Transfer(k.gb, TClipboardFormat::Students);
    EXPECT_FALSE(block.Students[0].HasAverage);
    EXPECT_TRUE(block.Students[1].HasAverage);
    EXPECT_EQ(block.Students[1].Average, 55);
    EXPECT_EQ(block.Students[0].Name, "Ann\tLee") << "the block keeps the name as typed";
}

TEST(ClipboardCopy, TheTextCarriesTheExactAverageTheBlockHolds) {
    Class k;
    k.gb.NumberToLetter.Add("B", 80);
    k.Grade("Quiz", 30);
    k.Student("Ann", "1", {"24.64"});
    k.Student("Ben", "2", {"26"});
    TStudentBlock block = Transfer(k.gb, TClipboardFormat::Averages);
    ASSERT_EQ(block.Students.size(), 2u);
    auto copy = BuildClipboardCopy(k.gb, TClipboardFormat::Averages);
    ASSERT_TRUE(copy);
    // 24.64 of 30 is 82.1333...: the editor gets every digit, not the grid's 82.1.
    const std::string ann = ExactNumberText(block.Students[0].Average);
    const std::string ben = ExactNumberText(block.Students[1].Average);
    EXPECT_GT(ann.size(), 5u);
    EXPECT_EQ(copy->Text, "Name\tID\tAverage\tLetter\nAnn\t1\t" + ann + "\tB\nBen\t2\t" + ben +
                              "\tB\n");
    EXPECT_EQ(ConvertNumber(ann), block.Students[0].Average);
}

TEST(ClipboardCopy, NothingWithoutStudentsAndAMessageBeyondTheCount) {
    TGradebook empty;
    EXPECT_FALSE(BuildClipboardCopy(empty, TClipboardFormat::Students));
    EXPECT_FALSE(BuildClipboardCopy(empty, TClipboardFormat::Averages));

    Class k;
    for (int i = 0; i < kMaxClipboardStudents; ++i)
        AddStudent(k.gb, "S");
    auto copy = BuildClipboardCopy(k.gb, TClipboardFormat::Students);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->Error.empty());
    EXPECT_EQ(ReadStudentBlock(copy->Block).Students.size(), size_t(kMaxClipboardStudents));

    AddStudent(k.gb, "One too many");
    copy = BuildClipboardCopy(k.gb, TClipboardFormat::Averages);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Error, "The class has 65535 students; a copy can carry at most 65534. "
                           "Nothing was copied.");
    EXPECT_TRUE(copy->Block.empty());
}

TEST(ClipboardCopy, KeepsWholeTheTextsTheBlocksRecordsCannotHold) {
    Class k;
    k.Student("René €");
    k.Student("Check ✓");
    k.Student(std::string(300, 'x'));
    auto copy = BuildClipboardCopy(k.gb, TClipboardFormat::Students);
    EXPECT_TRUE(copy->LostTexts.empty());
    TStudentBlock block = ReadStudentBlock(copy->Block);
    EXPECT_EQ(block.Students[0].Name, "René €");
    EXPECT_EQ(block.Students[1].Name, "Check ✓");
    EXPECT_EQ(block.Students[2].Name, std::string(300, 'x'));
    // A reader that takes the records alone gets the Windows-1252 forms.
    TStudentBlock records = ReadStudentBlock(copy->Block.substr(0, copy->Block.rfind("MKLW")));
    EXPECT_EQ(records.Students[1].Name, "Check ?");
    EXPECT_EQ(records.Students[2].Name.size(), 255u);
    EXPECT_EQ(LostTextsMessage(copy->LostTexts).substr(0, 40),
              "These texts hold characters that the cli");
}

TEST(ClipboardPaste, StudentsIntoANewGradebookKeepOrderIdsAndNotes) {
    Class from;
    from.Grade("Quiz");
    int a = from.Student("Cy", "3", {"80"});
    from.Student("ann", "", {"70"});
    from.Student("Ben", "1", {"90"});
    from.gb.StudentAt(a)->Notes = "Moved from period 2.";
    from.gb.StudentAt(a)->UserOrder = 5;

    TGradebook to; // a new gradebook, edit mode
    Paste(to, TClipboardFormat::Students, Transfer(from.gb, TClipboardFormat::Students));
    EXPECT_EQ(Names(to), (Strings{"Cy", "ann", "Ben"}));
    EXPECT_EQ(to.GradeCount(), 0) << "no grade is added";
    EXPECT_EQ(to.StudentAt(2)->ID, "3");
    EXPECT_EQ(to.StudentAt(2)->Notes, "Moved from period 2.");
    EXPECT_EQ(to.StudentAt(2)->UserOrder, 5);
    EXPECT_EQ(to.StudentAt(2)->Name, "Cy");
    EXPECT_EQ(to.StudentAt(3)->ID, "");
    // The spare row stays last and blank.
    EXPECT_EQ(to.RowCount(), to.LastStudentRow() + 2);
    EXPECT_EQ(to.StudentAt(to.RowCount() - 1), nullptr);
    EXPECT_EQ(to.Cell(1, to.RowCount() - 1), "");

    // The same again finds everyone.
    TPastePlan again = PlanPaste(to, TClipboardFormat::Students,
                                 Transfer(from.gb, TClipboardFormat::Students).Students);
    EXPECT_FALSE(again.Changes());
}

TEST(ClipboardPaste, AveragesBecomeAGradeOutOfHundredPoints) {
    Class from;
    from.Grade("Quiz", 10);
    from.Grade("Test", 10);
    from.Student("Ann", "", {"8", "9"});
    from.Student("Ben", "", {"", ""});
    from.Student("Cy", "", {"7.77", ""});

    Class to;
    to.gb.Preferences.DefaultPoints = 50; // must not bend the pasted percentages
    to.Grade("Essay", 20);
    to.Student("  ANN ", "", {"15"});
    to.Student("ben");
    to.Student("cy");
    TGradebook& gb = to.Done();
    TStudentBlock block = Transfer(from.gb, TClipboardFormat::Averages);
    TPastePlan plan = PlanPaste(gb, TClipboardFormat::Averages, block.Students);
    EXPECT_TRUE(plan.NewStudents.empty());
    ApplyPaste(gb, plan);
    ASSERT_EQ(gb.LastGradeColumn(), 3);
    EXPECT_EQ(gb.Cell(3, 1), "Averages");
    const TGrade& g = *gb.GradeAt(3);
    EXPECT_EQ(g.Points, 100);
    EXPECT_FALSE(g.Curve);
    EXPECT_EQ(g.Notes, "Pasted Averages");
    EXPECT_EQ(g.Weight, gb.Preferences.DefaultWeight);
    EXPECT_EQ(gb.Cell(3, 2), "85");
    EXPECT_EQ(gb.Cell(3, 3), "") << "no average in the source: an empty cell";
    EXPECT_EQ(gb.Cell(3, 4), "77.7");
    // The pasted entry counts as the percentage it was.
    gb.GradeAt(2)->Weight = 0;
    StudentAverage(gb, 4);
    EXPECT_NEAR(gb.StudentAt(4)->Average, 77.7, 1e-9);
}

TEST(ClipboardPaste, AveragesFindStudentsByIdBeforeName) {
    Class to;
    to.Student("Ann Lee", "A1");
    to.Student("Ben Roy", "B2");
    to.Student("Cy Dee", "");
    std::vector<TStudent> records(5);
    records[0].Name = "Ann Lee-Smith"; // renamed since: the ID finds her
    records[0].ID = " A1 ";
    records[1].Name = "Ben Roy"; // same name, another ID: another student
    records[1].ID = "B9";
    records[2].Name = "cy dee"; // an ID nobody has, a row without an ID: the same student
    records[2].ID = "C3";
    records[3].Name = "ben roy"; // no ID: the name decides
    records[4].Name = "Eve";
    for (size_t i = 0; i < records.size(); ++i) {
        records[i].HasAverage = true;
        records[i].Average = 80 + static_cast<double>(i);
    }
    TGradebook& gb = to.Done();
    TPastePlan plan = PlanPaste(gb, TClipboardFormat::Averages, records);
    ApplyPaste(gb, plan);
    EXPECT_EQ(Names(gb), (Strings{"Ann Lee", "Ben Roy", "Cy Dee", "Ben Roy", "Eve"}));
    EXPECT_EQ(gb.StudentAt(5)->ID, "B9");
    EXPECT_EQ(gb.StudentAt(2)->ID, "A1") << "a paste never changes a student's ID";
    EXPECT_EQ(gb.StudentAt(4)->ID, "");
    const int c = gb.LastGradeColumn();
    EXPECT_EQ(gb.Cell(c, 2), "80");
    EXPECT_EQ(gb.Cell(c, 3), "83");
    EXPECT_EQ(gb.Cell(c, 4), "82");
    EXPECT_EQ(gb.Cell(c, 5), "81");
    EXPECT_EQ(gb.Cell(c, 6), "84");
}

TEST(ClipboardPaste, AveragesThatAreNoNumberAreLeftOut) {
    Class to;
    to.Student("Ann");
    to.Student("Ben");
    std::vector<TStudent> records(2);
    records[0].Name = "Ann";
    records[0].HasAverage = true;
    records[0].Average = std::numeric_limits<double>::quiet_NaN();
    records[1].Name = "Ben";
    records[1].HasAverage = true;
    records[1].Average = std::numeric_limits<double>::infinity();
    TGradebook& gb = to.Done();
    TPastePlan plan = PlanPaste(gb, TClipboardFormat::Averages, records);
    EXPECT_TRUE(plan.AverageCells.empty());
    EXPECT_TRUE(plan.Changes()) << "the Averages grade is added all the same";
}

TEST(ClipboardPaste, CutShortBlockKeepsTheStudentsReadBeforeTheEnd) {
    Class from;
    for (const char* name : {"Ann", "Ben", "Cy"})
        from.Student(name);
    std::string block = BuildClipboardCopy(from.gb, TClipboardFormat::Students)->Block;
    TStudentBlock cut = ReadStudentBlock(block.substr(0, block.size() - 5));
    EXPECT_FALSE(cut.Complete);
    TGradebook to;
    TPastePlan plan = PlanPaste(to, TClipboardFormat::Students, cut.Students, cut.Complete);
    EXPECT_EQ(plan.Error, "File Read Error");
    ApplyPaste(to, plan);
    EXPECT_EQ(Names(to), (Strings{"Ann", "Ben"}));

    // Longer data than the block (the system's memory block) is fine.
    TStudentBlock longer = ReadStudentBlock(block + std::string(64, '\x7f'));
    EXPECT_TRUE(longer.Complete);
    EXPECT_EQ(longer.Students.size(), 3u);
}

TEST(ClipboardPaste, ApplyAndRevertGiveBackTheSameFile) {
    for (bool editMode : {true, false}) {
        TBuildOptions o;
        o.Students = 40;
        o.Grades = 6;
        o.EditMode = editMode;
        auto gb = BuildGradebook(o);
        RecomputeAll(*gb);
        // Half the class again (found by name) and strangers (appended), with averages.
        std::vector<TStudent> records;
        for (int r = 2; r <= gb->LastStudentRow(); r += 2) {
            TStudent s;
            s.Name = std::string(gb->Cell(1, r));
            s.HasAverage = true;
            s.Average = r;
            records.push_back(s);
        }
        for (int i = 0; i < 5; ++i) {
            TStudent s;
            s.Name = "New " + std::to_string(i);
            s.ID = "N" + std::to_string(i);
            s.Notes = "note";
            records.push_back(s);
        }
        const std::string before = WriteGradebook(*gb);
        TPastePlan plan = PlanPaste(*gb, TClipboardFormat::Averages, records);
        ApplyPaste(*gb, plan);
        EXPECT_EQ(gb->StudentCount(), 45);
        EXPECT_EQ(gb->EditMode(), editMode);
        EXPECT_EQ(gb->RowCount(), gb->LastStudentRow() + (editMode ? 2 : 1));
        EXPECT_EQ(gb->ColCount(), gb->LastGradeColumn() + (editMode ? 2 : 1));
        const std::string applied = WriteGradebook(*gb);
        RevertPaste(*gb, plan);
        EXPECT_EQ(WriteGradebook(*gb), before) << "edit mode " << editMode;
        ApplyPaste(*gb, plan);
        EXPECT_EQ(WriteGradebook(*gb), applied) << "a redo gives the same table";
    }
}

TEST(ClipboardPaste, APlanForAnotherTableIsRefused) {
    Class k;
    k.Student("Ann");
    TGradebook& gb = k.Done();
    TPastePlan plan = PlanNamesPaste(gb, {"Ben"});
    AddStudent(gb, "Cy");
    const std::string before = WriteGradebook(gb);
    EXPECT_THROW(ApplyPaste(gb, plan), std::logic_error);
    EXPECT_EQ(WriteGradebook(gb), before);
}

TEST(PlainTextNames, AnyLineBreakBlankLinesAndTabColumns) {
    TPlainTextNames t =
        ReadPlainTextNames("Ann Lee\nBen\r\nCy\rDi\tA\t90\n\n  \r\n Eve  \n\tonly a score\n");
    EXPECT_TRUE(t.HasLineBreak);
    EXPECT_EQ(t.Names, (Strings{"Ann Lee", "Ben", "Cy", "Di", "Eve"}));

    t = ReadPlainTextNames("no break\there");
    EXPECT_FALSE(t.HasLineBreak);
    t = ReadPlainTextNames("Last line without break\nx");
    EXPECT_EQ(t.Names, (Strings{"Last line without break", "x"}));
    t = ReadPlainTextNames("\r\n");
    EXPECT_TRUE(t.HasLineBreak);
    EXPECT_TRUE(t.Names.empty());
    EXPECT_FALSE(ReadPlainTextNames("").HasLineBreak);
}

TEST(PlainTextNames, PastedTwiceAddsOnce) {
    TGradebook gb;
    auto names = ReadPlainTextNames("Ann\nben\nCy\nANN\n").Names;
    TPastePlan plan = PlanNamesPaste(gb, names);
    EXPECT_EQ(plan.NewStudents.size(), 3u) << "a name met twice is one student";
    ApplyPaste(gb, plan);
    EXPECT_EQ(Names(gb), (Strings{"Ann", "ben", "Cy"}));
    EXPECT_EQ(gb.StudentAt(2)->UserOrder, kLastUserOrder);
    EXPECT_FALSE(PlanNamesPaste(gb, ReadPlainTextNames(" ann \r\nBEN\r\n").Names).Changes());
}

TEST(FreshStudentAverages, EqualTheStoredAverages) {
    std::mt19937 rng(3);
    for (int round = 0; round < 30; ++round) {
        TBuildOptions o;
        o.Students = 25;
        o.Grades = static_cast<int>(rng() % 9);
        o.Categories = static_cast<int>(rng() % 4);
        o.DropLowest = rng() % 2 == 0;
        o.InvalidShare = 5;
        o.Seed = rng();
        auto gb = BuildGradebook(o);
        gb->PointsAreWeights = rng() % 3 == 0;
        for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
            TGrade& g = *gb->GradeAt(c);
            g.ExtraCredit = rng() % 6 == 0;
            g.Weight = static_cast<double>(rng() % 4);
            if (rng() % 8 == 0) g.Points = 0;
            g.Curve = rng() % 4 == 0;
            g.CurveAmount = 3;
            g.CategoryIndex = static_cast<int>(rng() % 6) - 1;
        }
        std::vector<TFreshAverage> fresh = FreshStudentAverages(*gb);
        ASSERT_EQ(fresh.size(), static_cast<size_t>(gb->StudentCount()));
        for (int r = 2; r <= gb->LastStudentRow(); ++r) {
            StudentAverage(*gb, r);
            const TStudent& s = *gb->StudentAt(r);
            const TFreshAverage& a = fresh[static_cast<size_t>(r - 2)];
            ASSERT_EQ(a.HasAverage, s.HasAverage) << round << " row " << r;
            if (s.HasAverage) {
                ASSERT_EQ(a.Average, s.Average) << round << " row " << r;
            }
        }
    }
}

TEST(PlainTextNames, ALongLineIsCutToWhatAFileKeepsOfAName) {
    // One 50 MB line: cut as it is read, before anything is inserted.
    std::string text(50'000'000, 'x');
    text += "\nBen\n";
    TPlainTextNames t = ReadPlainTextNames(text);
    ASSERT_EQ(t.Names.size(), 2u);
    EXPECT_EQ(t.Names[0], std::string(255, 'x'));
    EXPECT_EQ(t.Names[1], "Ben");

    // 255 bytes of the file are 255 characters: "é" takes two bytes here, one there.
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "é";
    std::string emoji = std::string(254, 'b') + "\U0001F600\U0001F600";
    t = ReadPlainTextNames("   " + accents + "\n" + emoji + "\n");
    ASSERT_EQ(t.Names.size(), 2u);
    EXPECT_EQ(t.Names[0].size(), 510u) << "leading blanks take no room";
    EXPECT_EQ(t.Names[1], std::string(254, 'b') + "\U0001F600") << "cut between characters";

    TGradebook gb;
    ApplyPaste(gb, PlanNamesPaste(gb, t.Names));
    gb.SetEditMode(false);
    std::vector<std::string> lost;
    TGradebook back;
    ReadGradebook(WriteGradebook(gb, &lost), back, nullptr);
    EXPECT_TRUE(lost.empty()) << "the emoji, which has no byte, is kept in the trailer";
    EXPECT_EQ(back.Cell(1, 2), t.Names[0]) << "the whole name survives the file";
    EXPECT_EQ(back.Cell(1, 3), t.Names[1]);
}

TEST(PlainTextNames, ControlCharactersBecomeBlanks) {
    static const char kText[] = "Ann\x01Lee\r\n\x7f\x1b Ben\0\n\tscore\nCy\xC2\x85"
                                "Do\n\xFFZed\n\x02\x03\n";
    const std::string text(kText, sizeof kText - 1);
    TPlainTextNames t = ReadPlainTextNames(text);
    EXPECT_EQ(t.Names, (Strings{"Ann Lee", "Ben", "Cy Do", "?Zed"}));
    for (const std::string& name : t.Names)
        for (char c : name)
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << name;
}

TEST(ClipboardPaste, AveragesArePastedExactly) {
    Class from;
    from.Grade("Quiz", 3);
    from.Student("Ann", "", {"2.9712"}); // 99.04
    from.Student("Ben", "", {"2.6"});    // 86.66666666666667
    from.Student("Cy", "", {"2"});       // 66.66666666666667
    Class to;
    to.Student("Ann");
    to.Student("Ben");
    to.Student("Cy");
    TGradebook& gb = to.Done();
    TPastePlan plan = PlanPaste(gb, TClipboardFormat::Averages,
                                Transfer(from.gb, TClipboardFormat::Averages).Students);
    ApplyPaste(gb, plan);
    EXPECT_EQ(gb.Cell(2, 2), "99.04");
    for (int r = 2; r <= 4; ++r) {
        StudentAverage(from.gb, r);
        StudentAverage(gb, r);
        // The cell holds the exact value, and the averages count it as it was copied.
        EXPECT_EQ(ParseNumber(gb.Cell(2, r)), from.gb.StudentAt(r)->Average);
        EXPECT_EQ(gb.StudentAt(r)->Average, from.gb.StudentAt(r)->Average) << r;
    }
    // Taking the paste back leaves no trace.
    RevertPaste(gb, plan);
    EXPECT_EQ(gb.LastGradeColumn(), 1);
}
