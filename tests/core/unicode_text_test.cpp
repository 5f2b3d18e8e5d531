#include "clipboard_data.h"
#include "gradebook_file.h"
#include "roster_import.h"
#include "sample_builder.h"
#include "script_names.h"
#include "sorting.h"
#include "unicode_text.h"

#include <gtest/gtest.h>

using namespace marklow;
using marklow::testing::ScriptNames;

namespace {

std::vector<std::string> RowNames(const TGradebook& gb) {
    std::vector<std::string> out;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        out.emplace_back(gb.Cell(1, r));
    return out;
}

std::vector<std::string> SortedByName(const std::vector<std::string>& names) {
    TGradebook gb;
    gb.SetEditMode(false);
    for (const auto& n : names)
        AddStudent(gb, n);
    ApplySortStep(gb, PlanStudentSort(gb, TStudentSortKey::Name));
    return RowNames(gb);
}

} // namespace

TEST(NameMatchKey, CaseBlanksAndCompositionDoNotMatter) {
    const std::string composed = "Ma\xC5\x82gorzata \xC3\x89milie";     // ł, É precomposed
    const std::string decomposed = "MA\xC5\x81GORZATA E\xCC\x81MILIE "; // Ł, E + combining acute
    EXPECT_EQ(NameMatchKey(composed), NameMatchKey(decomposed));
    EXPECT_EQ(NameMatchKey("  Ann LEE "), NameMatchKey("ann lee"));
    EXPECT_EQ(NameMatchKey("STRASSE"), NameMatchKey("stra\xC3\x9F"
                                                    "e")); // ß folds to ss
    EXPECT_EQ(NameMatchKey("\xCE\xA3\xCE\xA9\xCE\xA3"), NameMatchKey("\xCF\x83\xCF\x89\xCF\x82"));
    // Different names stay different.
    EXPECT_NE(NameMatchKey("Lukasz"), NameMatchKey("\xC5\x81ukasz"));
    EXPECT_NE(NameMatchKey("Ann"), NameMatchKey("Anne"));
    // Bytes that are not UTF-8 do not crash the key and still match themselves.
    EXPECT_EQ(NameMatchKey("a\xFF"), NameMatchKey("a\xFF"));
}

TEST(Collation, NamesSortAsTheLanguageSortsThem) {
    SetCollationLanguage("pl");
    EXPECT_EQ(SortedByName({"\xC5\x81ukasz", "Lukas", "Mateusz", "Lech"}),
              (std::vector<std::string>{"Lech", "Lukas", "\xC5\x81ukasz", "Mateusz"}));
    SetCollationLanguage("es");
    EXPECT_EQ(SortedByName({"Bruno", "\xC3\x81ngel", "Angela", "Angel"}),
              (std::vector<std::string>{"Angel", "\xC3\x81ngel", "Angela", "Bruno"}));
    // The language decides: in Swedish Ö comes after Z, in German with O.
    SetCollationLanguage("sv");
    EXPECT_EQ(SortedByName({"\xC3\x96sten", "Zara", "Olof"}),
              (std::vector<std::string>{"Olof", "Zara", "\xC3\x96sten"}));
    SetCollationLanguage("de");
    EXPECT_EQ(SortedByName({"\xC3\x96sten", "Zara", "Olof"}),
              (std::vector<std::string>{"Olof", "\xC3\x96sten", "Zara"}));
    // A decomposed name sorts where its composed form does.
    EXPECT_EQ(CollationKey("\xC3\x96sten"), CollationKey("O\xCC\x88sten"));
    // A language ICU does not know falls back to the root order.
    SetCollationLanguage("xx-nonsense");
    EXPECT_EQ(SortedByName({"b", "A", "a"}), (std::vector<std::string>{"a", "A", "b"}));
    SetCollationLanguage("");
}

TEST(NameMatching, AReimportOfTheTenScriptsAddsNobody) {
    TGradebook gb;
    gb.SetEditMode(false);
    std::string roster = "Name\n";
    for (const auto& n : ScriptNames())
        roster += n + "\n";
    // Typed into the gradebook, saved and reopened.
    for (const auto& n : ScriptNames())
        AddStudent(gb, n);
    TGradebook back;
    ASSERT_EQ(ReadGradebook(WriteGradebook(gb), back, nullptr).Status,
              TReadResult::TStatus::Loaded);
    TRosterTable table = ReadRosterCsv(roster);
    TRosterLayout layout = RecogniseRoster(table);
    TRosterChoices choices{layout.Columns, TNameOrder::AsInFile, layout.Format};
    TRosterPlan plan = PlanRosterImport(back, table, choices);
    EXPECT_EQ(plan.Added, 0);
    EXPECT_EQ(plan.MatchedByName, 10);
    // Decomposed (NFD) and upper-case input finds the same students.
    TRosterPlan nfd = PlanRosterImport(
        back, ReadRosterCsv("Name\nNGUYE\xCC\x82\xCC\x83N THI\xCC\xA3 HU\xCC\x9BO\xCC\x9BNG\n"),
        choices);
    EXPECT_EQ(nfd.Added, 0);
    EXPECT_EQ(nfd.MatchedByName, 1);
}
