#include "csv_export.h"

#include "averages.h"
#include "gradebook.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

using namespace marklow;

namespace {

// Two students and two grades, letters shown, left in edit mode so the spare row and
// column exist beside them.
void SmallClass(TGradebook& gb) {
    gb.SetEditMode(false);
    gb.NumberToLetter.Add("A", 90);
    gb.NumberToLetter.Add("F", 0);
    AddStudent(gb, "Lee, Ann", "7");
    AddStudent(gb, "Ben \"Jr\" Roy");
    AddGrade(gb, "Quiz", 10);
    AddGrade(gb, "Essay\nfinal", 10);
    gb.SetCell(2, 2, "9");
    gb.SetCell(3, 2, "10 late");
    gb.SetCell(2, 3, "0");
    gb.SetCell(3, 3, "5");
    gb.ShowLetters = true;
    gb.SetEditMode(true);
    RecomputeAll(gb);
}

} // namespace

TEST(CsvExport, EveryStudentAndTheClassAveragesWithoutTheSpareRowAndColumn) {
    TGradebook gb;
    SmallClass(gb);
    ASSERT_GT(gb.ColCount(), gb.LastGradeColumn() + 1) << "the spare column should exist";
    // Zeros are left out of class averages (the preference's default): the quiz's is 90.
    EXPECT_EQ(GradebookCsv(gb, false), "Name,ID,Average,Letter,Quiz,\"Essay\nfinal\"\r\n"
                                       "\"Lee, Ann\",7,95,A,9,10 late\r\n"
                                       "\"Ben \"\"Jr\"\" Roy\",,25,F,0,5\r\n"
                                       "Class Average,,60,F,90,75\r\n");
    EXPECT_EQ(GradebookCsv(gb, true), "\xEF\xBB\xBF" + GradebookCsv(gb, false));
}

TEST(CsvExport, MissingAveragesAreEmptyFields) {
    TGradebook empty;
    EXPECT_EQ(GradebookCsv(empty, false), "Name,ID,Average,Letter\r\nClass Average,,,\r\n");

    // One student: no class mean (as in the overall cell); a grade nobody has an entry in
    // has no class average, and a student without entries no average or letter.
    TGradebook gb;
    gb.SetEditMode(false);
    gb.NumberToLetter.Add("A", 90);
    AddStudent(gb, "Kim");
    AddGrade(gb, "Quiz", 10);
    AddGrade(gb, "Lab", 10);
    gb.SetCell(2, 2, "9.5");
    RecomputeAll(gb);
    EXPECT_EQ(GradebookCsv(gb, false), "Name,ID,Average,Letter,Quiz,Lab\r\n"
                                       "Kim,,95,A,9.5,\r\n"
                                       "Class Average,,,,95,\r\n");
    AddStudent(gb, "Max");
    RecomputeAll(gb);
    EXPECT_EQ(GradebookCsv(gb, false), "Name,ID,Average,Letter,Quiz,Lab\r\n"
                                       "Kim,,95,A,9.5,\r\n"
                                       "Max,,,,,\r\n"
                                       "Class Average,,,,95,\r\n");
}

TEST(CsvExport, FieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(CsvField("plain text; with 'quotes'"), "plain text; with 'quotes'");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("one\rtwo"), "\"one\rtwo\"");
    EXPECT_EQ(CsvField("\""), "\"\"\"\"");
}

TEST(CsvExport, TextsThatASpreadsheetWouldRunAreWrittenAsTextAndNumbersStayNumbers) {
    for (const char* formula : {"=1+1", "+A1", "-A1", "@SUM(A1)", "|calc", "%x", "\tx", "\r=x", "-",
                                "+", "-2 late", "=", "-1e", "--2", "-.", "+1,5"})
        EXPECT_TRUE(LooksLikeFormula(formula)) << formula;
    for (const char* plain : {"", "Ann", "-2", "+3", "-2.5", "+.5", "-1e5", "1E+3", "-0", "9",
                              " =x", "/=x", "'=x", "A=1"})
        EXPECT_FALSE(LooksLikeFormula(plain)) << plain;
    EXPECT_EQ(CsvTextField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(CsvTextField("@a"), "'@a");
    EXPECT_EQ(CsvTextField("\r=1"), "\"'\r=1\"");
    EXPECT_EQ(CsvTextField("-12.5"), "-12.5");

    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "=cmd|' /C calc'!A0", "+44");
    AddStudent(gb, "Ann", "@id");
    AddGrade(gb, "-Quiz", 10);
    gb.SetCell(2, 2, "-2");
    gb.SetCell(2, 3, "=2+5");
    RecomputeAll(gb);
    const std::string csv = GradebookCsv(gb, false);
    EXPECT_NE(csv.find("\r\n'=cmd|' /C calc'!A0,+44,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("Letter,'-Quiz\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",-2\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nAnn,'@id,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",'=2+5\r\n"), std::string::npos) << csv;
}
