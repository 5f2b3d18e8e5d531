#include "binary_io.h"
#include "gradebook_file.h"
#include "guarded_fifo.h"
#include "option_files.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

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

TEST(OptionFiles, ADamagedFileIsNamedAndWhatIsNotAFileIsRefusedAtOnce) {
    TempFolder dir;
    TGradebook gb;
    SetStandardLetterTables(gb);
    gb.Categories.Add("Tests", 100, false);
    const TRealList toNumbers = gb.LetterToNumber, toLetters = gb.NumberToLetter;
    auto message = [](const std::function<void()>& load) {
        try {
            load();
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string("loaded");
    };
    const std::string gca = dir / "cut.gca", gln = dir / "cut.gln";
    marklow::testing::WriteText(gca, std::string(3, '\0'));
    marklow::testing::WriteText(gln, std::string("\x01\x00\x05"
                                                 "AB",
                                                 5));
    EXPECT_EQ(message([&] { LoadCategoryFile(gca); }), "File Read Error\n" + gca);
    EXPECT_EQ(message([&] { LoadLetterFile(gln, gb.LetterToNumber, gb.NumberToLetter); }),
              "File Read Error\n" + gln);
    EXPECT_EQ(message([&] { LoadDefaultLetterFile(gln, gb); }), "File Read Error\n" + gln);

    // A pipe and a device, under every name the program reads option files by.
    marklow::testing::TGuardedFifo fifo(dir / "pipe.ltd");
    ASSERT_TRUE(fifo.Made());
    std::filesystem::create_symlink("/dev/zero", dir / "zero.gca");
    for (const std::string& path : {dir / "pipe.ltd", dir / "zero.gca"}) {
        for (const std::string& said :
             {message([&] { LoadCategoryFile(path); }),
              message([&] { LoadLetterFile(path, gb.LetterToNumber, gb.NumberToLetter); }),
              message([&] { LoadDefaultLetterFile(path, gb); })}) {
            EXPECT_EQ(said.rfind(path + ": Not a regular file", 0), 0u) << said;
        }
    }
    EXPECT_EQ(gb.LetterToNumber, toNumbers);
    EXPECT_EQ(gb.NumberToLetter, toLetters);
    EXPECT_EQ(gb.Categories.Count(), 1);
}
