#include "binary_io.h"
#include "gradebook_file.h"
#include "option_files.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marklow;
using marklow::testing::TempFolder;

TEST(CategoryFile, EmptyListIsFourteenBytes) {
    TCategoryList list;
    EXPECT_EQ(WriteCategoryFile(list), std::string(14, '\0'));
    EXPECT_EQ(ReadCategoryFile(std::string(14, '\0')).Count(), 0);
}

TEST(CategoryFile, RoundTripAndTheSameBytesAsInAGradebook) {
    TGradebook gb;
    gb.Categories.Add("Homework", 20, true);
    gb.Categories.Add("Tests", 80, false);
    std::string file = WriteCategoryFile(gb.Categories);
    // Password byte and the sstr "2.0" come first in a gradebook, then the category section.
    EXPECT_EQ(WriteGradebook(gb).substr(5, file.size()), file);
    TCategoryList back = ReadCategoryFile(file);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Item(0).Name, "Homework");
    EXPECT_TRUE(back.Item(0).DropLowest);
    EXPECT_EQ(back.Item(1).Percent, 80);
    // The trailing reserved bytes belong to the file.
    EXPECT_THROW(ReadCategoryFile(std::string_view(file).substr(0, file.size() - 1)),
                 TFileReadError);
}

TEST(LetterFile, KeepsTheStoredOrderAndReadsBadNumbersAsZero) {
    TGradebook gb;
    SetStandardLetterTables(gb);
    std::string file = WriteLetterFile(gb.LetterToNumber, gb.NumberToLetter);
    TRealList toNumbers, toLetters;
    ReadLetterFile(file, toNumbers, toLetters);
    EXPECT_EQ(toNumbers, gb.LetterToNumber);
    EXPECT_EQ(toLetters, gb.NumberToLetter);

    std::string odd;
    TByteWriter out(odd);
    out.UInt16(2);
    WriteShortText(out, "Z");
    WriteShortText(out, "lots");
    WriteShortText(out, "Y");
    WriteShortText(out, " 7.5 ");
    out.UInt16(0);
    ReadLetterFile(odd, toNumbers, toLetters);
    ASSERT_EQ(toNumbers.Count(), 2);
    EXPECT_EQ(toNumbers.Text(0), "Z");
    EXPECT_EQ(toNumbers.Value(0), 0);
    EXPECT_TRUE(toNumbers.HasBox(0));
    EXPECT_EQ(toNumbers.Value(1), 7.5);
    EXPECT_TRUE(toLetters.Empty());
}

TEST(LetterFile, AFailedReadChangesNeitherTable) {
    TGradebook gb;
    SetStandardLetterTables(gb);
    std::string file = WriteLetterFile(gb.LetterToNumber, gb.NumberToLetter);
    TRealList toNumbers, toLetters;
    toNumbers.Add("keep", 1);
    for (size_t n = 0; n < file.size(); ++n) {
        EXPECT_THROW(ReadLetterFile(std::string_view(file).substr(0, n), toNumbers, toLetters),
                     TFileReadError);
        ASSERT_EQ(toNumbers.Count(), 1);
        EXPECT_TRUE(toLetters.Empty());
    }
}

TEST(OptionFiles, OnDiskWithoutBackups) {
    TempFolder dir;
    TCategoryList list;
    list.Add("Labs", 30, false);
    EXPECT_EQ(SaveCategoryFile(dir / "set.gca", list), "");
    list.Add("Essays", 70, true);
    EXPECT_EQ(SaveCategoryFile(dir / "set.gca", list), "");
    EXPECT_EQ(LoadCategoryFile(dir / "set.gca").Count(), 2);

    TGradebook gb;
    SetStandardLetterTables(gb);
    EXPECT_EQ(SaveLetterFile(dir / "scale.gln", gb.LetterToNumber, gb.NumberToLetter), "");
    TRealList a, b;
    LoadLetterFile(dir / "scale.gln", a, b);
    EXPECT_EQ(b, gb.NumberToLetter);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"scale.gln", "set.gca"}));

    EXPECT_THROW(LoadCategoryFile(dir / "missing.gca"), TFileSystemError);
    EXPECT_NE(SaveCategoryFile(dir / "no-such-folder/x.gca", list), "");
}

TEST(DefaultLetterFile, MissingFileKeepsTheTablesAndWritingItBringsThemBack) {
    TempFolder dir;
    TGradebook gb;
    gb.LetterToNumber.Add("P", 100);
    EXPECT_FALSE(LoadDefaultLetterFile(dir / "default.ltd", gb));
    EXPECT_EQ(gb.LetterToNumber.Count(), 1);

    TGradebook source;
    SetStandardLetterTables(source);
    EXPECT_EQ(SaveDefaultLetterFile(dir / "default.ltd", source), "");
    EXPECT_TRUE(LoadDefaultLetterFile(dir / "default.ltd", gb));
    EXPECT_EQ(gb.LetterToNumber, source.LetterToNumber);
    EXPECT_EQ(gb.NumberToLetter, source.NumberToLetter);

    marklow::testing::WriteText(dir / "default.ltd", std::string("\x05\x00", 2));
    EXPECT_THROW(LoadDefaultLetterFile(dir / "default.ltd", gb), TFileReadError);
    EXPECT_EQ(gb.NumberToLetter, source.NumberToLetter);
}
