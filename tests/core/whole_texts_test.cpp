#include "file_trailer.h"
#include "gradebook_file.h"
#include "option_files.h"
#include "sample_builder.h"
#include "script_names.h"
#include "whole_texts.h"

#include <gtest/gtest.h>

using namespace marklow;
using marklow::testing::ScriptNames;

namespace {

std::unique_ptr<TGradebook> Load(std::string_view bytes) {
    auto gb = std::make_unique<TGradebook>();
    EXPECT_EQ(ReadGradebook(bytes, *gb, nullptr).Status, TReadResult::TStatus::Loaded);
    return gb;
}

// What a reader of the documented layout reads: everything before the trailer. (The test
// texts never hold the trailer's magic.)
std::string_view LayoutPart(std::string_view bytes) {
    size_t at = bytes.rfind("MKLW");
    return at == std::string_view::npos ? bytes : bytes.substr(0, at);
}

// A class of the ten scripts, with a foreign text in every field that holds one.
std::unique_ptr<TGradebook> ScriptClass() {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    gb->Categories.Add("Домашняя работа", 40, false);
    gb->Categories.Add("試験", 60, true);
    gb->LetterToNumber.Add("Α", 95);
    gb->NumberToLetter.Add("Б", 80);
    for (size_t i = 0; i < ScriptNames().size(); ++i) {
        int r = AddStudent(*gb, ScriptNames()[i], "ID-" + ScriptNames()[(i + 1) % 10]);
        gb->StudentAt(r)->Notes = "Notiz: " + ScriptNames()[(i + 2) % 10];
        gb->StudentAt(r)->Login = "user" + std::to_string(i) + "@school.example";
    }
    int c = AddGrade(*gb, "Kiểm tra 1", 10, 0);
    gb->GradeAt(c)->Notes = "Ödev ğ";
    AddGrade(*gb, "परीक्षा", 20, 1);
    gb->SetCell(2, 2, "9 très bien ✓");
    gb->SetCell(3, 5, "18 שלום");
    gb->SetCell(2, 11, std::string(300, 'x') + "!"); // too long for a short text, all ASCII
    gb->Teacher = "Ngô Bảo Châu";
    gb->ClassName = "Ελληνικά";
    gb->ClassNumber = "№ 7";
    return gb;
}

} // namespace

TEST(WholeTexts, EveryTextOfTenScriptsSurvivesSaveAndReopen) {
    auto gb = ScriptClass();
    std::vector<std::string> lost{"stale"};
    const std::string bytes = WriteGradebook(*gb, &lost);
    EXPECT_TRUE(lost.empty()) << "nothing the trailer keeps is reported lost";
    auto back = Load(bytes);
    ASSERT_EQ(back->LastStudentRow(), gb->LastStudentRow());
    for (int r = 1; r < gb->RowCount(); ++r)
        EXPECT_EQ(back->RowCells(r), gb->RowCells(r)) << r;
    for (int r = 2; r <= gb->LastStudentRow(); ++r) {
        EXPECT_EQ(back->StudentAt(r)->Name, ScriptNames()[static_cast<size_t>(r - 2)]);
        EXPECT_EQ(back->StudentAt(r)->ID, gb->StudentAt(r)->ID);
        EXPECT_EQ(back->StudentAt(r)->Notes, gb->StudentAt(r)->Notes);
        EXPECT_EQ(back->StudentAt(r)->Login, gb->StudentAt(r)->Login);
    }
    EXPECT_EQ(back->GradeAt(2)->Name, "Kiểm tra 1");
    EXPECT_EQ(back->GradeAt(2)->Notes, "Ödev ğ");
    EXPECT_EQ(back->GradeAt(3)->Name, "परीक्षा");
    EXPECT_EQ(back->Categories.Item(0).Name, "Домашняя работа");
    EXPECT_EQ(back->Categories.Item(1).Name, "試験");
    EXPECT_EQ(back->LetterToNumber.Text(0), "Α");
    EXPECT_EQ(back->NumberToLetter.Text(0), "Б");
    EXPECT_EQ(back->Teacher, "Ngô Bảo Châu");
    EXPECT_EQ(back->ClassName, "Ελληνικά");
    EXPECT_EQ(back->ClassNumber, "№ 7");
    // Written again, the file is the same bytes.
    EXPECT_EQ(WriteGradebook(*back), bytes);
}

TEST(WholeTexts, AnOlderReaderGetsTheWindows1252FormAndItsFileReadsBack) {
    auto gb = ScriptClass();
    const std::string bytes = WriteGradebook(*gb);
    const std::string_view layout = LayoutPart(bytes);
    ASSERT_LT(layout.size(), bytes.size()) << "foreign names need the trailer";

    // A reader of the layout stops before the trailer and sees the best-effort texts.
    auto old = Load(layout);
    EXPECT_EQ(old->Cell(1, 2), "?ukasz Wójcik");
    EXPECT_EQ(old->Cell(1, 7), "??");
    EXPECT_EQ(old->Cell(1, 11), "Zoë ? Star");
    EXPECT_EQ(old->Cell(2, 2), "9 très bien ?");
    EXPECT_EQ(old->Cell(2, 11), std::string(255, 'x'));
    EXPECT_EQ(old->Teacher, "Ngô B?o Châu");
    EXPECT_TRUE(old->StudentAt(2)->Login.empty());
    // Its numbers are those of the class.
    EXPECT_EQ(old->Cell(3, 5), "18 ????");
    EXPECT_EQ(old->GradeAt(3)->Points, 20);

    // What an older program saves again has no trailer; this program reads it as that
    // program left it, and then keeps every text it gets.
    std::vector<std::string> lost;
    const std::string again = WriteGradebook(*old, &lost);
    EXPECT_TRUE(lost.empty());
    EXPECT_EQ(again.size(), layout.size()) << "'?' and cut texts are exact now";
    EXPECT_EQ(Load(again)->Cell(1, 2), "?ukasz Wójcik");
}

TEST(WholeTexts, FilesWithNothingExtraStayByteForByteTheLayout) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Renée Ç", "7");
    AddGrade(gb, "Quiz", 10);
    gb.SetCell(2, 2, "9 très");
    const std::string bytes = WriteGradebook(gb);
    EXPECT_EQ(bytes.find("MKLW"), std::string::npos);
    EXPECT_EQ(Load(bytes)->Cell(1, 2), "Renée Ç");
}

TEST(WholeTexts, ADamagedTrailerNeverCostsTheLayout) {
    auto gb = ScriptClass();
    const std::string bytes = WriteGradebook(*gb);
    const size_t layout = LayoutPart(bytes).size();
    // Cut anywhere in the trailer: the layout is read, and what of the trailer is whole
    // still applies.
    for (size_t cut = layout; cut < bytes.size(); cut += 7) {
        auto back = Load(std::string_view(bytes).substr(0, cut));
        EXPECT_EQ(back->LastStudentRow(), gb->LastStudentRow());
        const std::string_view name = back->Cell(1, 2);
        EXPECT_TRUE(name == "Łukasz Wójcik" || name == "?ukasz Wójcik") << cut;
        EXPECT_EQ(back->GradeAt(3)->Points, 20);
    }
    // Records naming rows, columns and indexes that do not exist are passed over.
    TWholeTexts odd;
    odd.Add(TTextPlace::Cell, 99, 1, "nobody");
    odd.Add(TTextPlace::Cell, 2, 99, "nowhere");
    odd.Add(TTextPlace::StudentName, 1, 0, "heading row");
    odd.Add(TTextPlace::StudentName, 0xFFFFFFFF, 0, "far");
    odd.Add(TTextPlace::GradeName, 1, 0, "name column");
    odd.Add(TTextPlace::CategoryName, 5, 0, "no category");
    odd.Add(TTextPlace::LetterToNumber, 3, 0, "no letter");
    odd.Add(static_cast<TTextPlace>(200), 2, 2, "later place");
    odd.Add(TTextPlace::Cell, 2, 1, "Ann Whole");
    TGradebook small;
    small.SetEditMode(false);
    AddStudent(small, "Ann");
    AddGrade(small, "Q", 10);
    RestoreWholeTexts(odd.Payload(), small);
    EXPECT_EQ(small.Cell(1, 2), "Ann Whole");
    EXPECT_EQ(small.StudentAt(2)->Name, "Ann");
    EXPECT_EQ(small.GradeAt(2)->Name, "Q");
    EXPECT_EQ(small.Cell(1, 1), "Name");
    // A record whose length runs past the payload ends the list.
    std::string payload = odd.Payload();
    EXPECT_EQ(ReadWholeTexts(payload).size(), 9u);
    EXPECT_EQ(ReadWholeTexts(std::string_view(payload).substr(0, payload.size() - 1)).size(), 8u);
}

TEST(WholeTexts, TheClipboardBlockCarriesTheExactTextsAfterItsRecords) {
    auto gb = ScriptClass();
    std::vector<std::string> lost{"stale"};
    const std::string block = WriteStudentBlock(*gb, &lost);
    EXPECT_TRUE(lost.empty());
    TStudentBlock read = ReadStudentBlock(block);
    ASSERT_TRUE(read.Complete);
    ASSERT_EQ(read.Students.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(read.Students[i].Name, ScriptNames()[i]);
        EXPECT_EQ(read.Students[i].ID, "ID-" + ScriptNames()[(i + 1) % 10]);
        EXPECT_EQ(read.Students[i].Notes, "Notiz: " + ScriptNames()[(i + 2) % 10]);
        EXPECT_EQ(read.Students[i].Login, "user" + std::to_string(i) + "@school.example");
    }
    // A reader that takes `count` records and no more gets the Windows-1252 names.
    TStudentBlock old = ReadStudentBlock(LayoutPart(block));
    ASSERT_EQ(old.Students.size(), 10u);
    EXPECT_EQ(old.Students[5].Name, "??");
    EXPECT_TRUE(old.Students[0].Login.empty());
}

TEST(WholeTexts, CategoryAndLetterFilesKeepTheirTexts) {
    TCategoryList list;
    list.Add("Домашняя работа", 40, false);
    list.Add("Tests", 60, true);
    std::vector<std::string> lost{"stale"};
    const std::string gca = WriteCategoryFile(list, &lost);
    EXPECT_TRUE(lost.empty());
    TCategoryList back = ReadCategoryFile(gca);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Item(0).Name, "Домашняя работа");
    EXPECT_EQ(back.Item(1).Name, "Tests");
    EXPECT_EQ(ReadCategoryFile(LayoutPart(gca)).Item(0).Name, "???????? ??????");

    TRealList toNumbers, toLetters;
    toNumbers.Add("Α", 95);
    toNumbers.Add("B", 85);
    toLetters.Add("Б", 80);
    const std::string gln = WriteLetterFile(toNumbers, toLetters, &lost);
    EXPECT_TRUE(lost.empty());
    TRealList n2, l2;
    ReadLetterFile(gln, n2, l2);
    EXPECT_EQ(n2, toNumbers);
    EXPECT_EQ(l2, toLetters);
    ReadLetterFile(LayoutPart(gln), n2, l2);
    EXPECT_EQ(n2.Text(0), "?");
    EXPECT_EQ(l2.Text(0), "?");
    // Plain files have no trailer at all.
    TCategoryList plain;
    plain.Add("Tests", 100, false);
    EXPECT_EQ(WriteCategoryFile(plain).find("MKLW"), std::string::npos);
}
