#include "app_settings.h"
#include "check.h"
#include "clipboard_data.h"
#include "entry.h"
#include "gradebook.h"
#include "messages.h"
#include "options_rules.h"
#include "roster_import.h"
#include "safe_save.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <map>

using namespace marklow;

namespace {

// The template a text parses back to, and its parts.
std::pair<std::string, std::vector<std::string>> Parsed(const std::string& text) {
    auto p = ParseMessage(text);
    if (!p) return {"(none)", {}};
    return {std::string(p->Template->Text), p->Parts};
}

TEST(CoreMessages, FormattingPutsEachPartInOnce) {
    EXPECT_EQ(FormatMessage("Delete Number %1 to Letter %2", {"90", "A"}),
              "Delete Number 90 to Letter A");
    // A part holding a place is not filled again; a place without a part stays.
    EXPECT_EQ(FormatMessage("Delete Number %1 to Letter %2", {"%2", "%1"}),
              "Delete Number %2 to Letter %1");
    EXPECT_EQ(FormatMessage("Category in row %1 is blank", {}), "Category in row %1 is blank");
}

TEST(CoreMessages, EveryTemplateParsesBackToItselfWithAwkwardParts) {
    // Parts that hold quotes, places, template text and line breaks.
    const std::vector<std::string> awkward = {"Smith, \"Jo\" %1", "is blank", "a\nb", ""};
    for (const TMessageTemplate& t : MessageTemplates()) {
        const std::string pattern(t.Text);
        int places = 0;
        for (size_t i = 0; i + 1 < pattern.size(); ++i)
            if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') ++places;
        std::vector<std::string> parts(awkward.begin(), awkward.begin() + places);
        const std::string text = FormatMessage(pattern, parts);
        auto [found, got] = Parsed(text);
        // Another template may read the same text; it must then give the text back exactly.
        auto p = ParseMessage(text);
        ASSERT_TRUE(p) << pattern;
        EXPECT_EQ(FormatMessage(p->Template->Text, p->Parts), text) << pattern;
        if (places == 0) {
            EXPECT_EQ(found, pattern);
        }
    }
    EXPECT_FALSE(ParseMessage("/home/x: Permission denied"));
    EXPECT_FALSE(ParseMessage("Averages")); // a template's text, but not all of it
}

TEST(CoreMessages, TheProducersTextsComeFromTheTable) {
    TGradebook gb;
    gb.SetEditMode(false);
    const int c = AddGrade(gb, "Quiz \"1\"", 0, 0);
    const int r = AddStudent(gb, "Lee");
    gb.SetCell(c, r, "zz");
    std::map<std::string, int> seen;
    for (const TFinding& f : RunCheck(gb).Findings) {
        const std::string text = FindingText(gb, f);
        auto [pattern, parts] = Parsed(text);
        EXPECT_NE(pattern, "(none)") << text;
        ++seen[pattern];
        EXPECT_NE(Parsed(SeverityText(f.Message)).first, "(none)");
    }
    EXPECT_EQ(seen.count("Points for grade \"%1\" is zero or blank"), 1u);
    EXPECT_EQ(Parsed(FindingText(gb, {TCheckMessage::InvalidEntry, {{}, c, r}})).second,
              (std::vector<std::string>{"zz", "Quiz \"1\"", "Lee"}));
    EXPECT_EQ(Parsed(InvalidEntryMessage(gb, c, r)).first,
              "%1 entry of \"%2\" for student %3 is invalid");
    EXPECT_EQ(Parsed(LostTextsMessage({"a", "b"})).second, (std::vector<std::string>{"a\nb"}));
    gb.SetCell(c, 1, "");
    EXPECT_EQ(Parsed(GradeChoiceText(gb, c)).first, "(unnamed, column %1)");
    try {
        ReadFileBytes("/dev/null");
        ADD_FAILURE() << "a device was read";
    } catch (const TFileSystemError& e) {
        EXPECT_EQ(Parsed(e.what()).second, (std::vector<std::string>{"/dev/null", "a device"}));
    }
}

// A class list that cannot be read says why in a text the window can translate.
TEST(CoreMessages, AClassListThatCannotBeReadSaysWhyFromTheTable) {
    const std::string longLine = "Name\n" + std::string(1100 * 1024, 'x') + "\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "The file is empty: it holds no class list."},
        {std::string("Name\nA\0B\n", 10), "The file holds NUL bytes, so it is not a text file. "
                                           "Save the class list as CSV (comma-separated values) "
                                           "and import that."},
        {"Name\n\"Lee, Ann\n", "Line %1 opens a quoted field that is never closed."},
        {longLine, "Line %1 is longer than 1 MB, so this is not a class list (or a quote in it "
                   "is never closed)."},
    };
    for (const auto& [bytes, pattern] : cases) {
        const TRosterTable table = ReadRosterCsv(bytes);
        EXPECT_EQ(Parsed(table.Error).first, pattern) << table.Error;
    }
    TGradebook gb;
    const TRosterTable noNames = ReadRosterCsv("Score,Points\n1,2\n");
    TRosterChoices choices;
    choices.Columns = RecogniseRoster(noNames).Columns;
    const TRosterPlan plan = PlanRosterImport(gb, noNames, choices);
    EXPECT_EQ(Parsed(plan.Error).first, "The class list has no column of names. It needs a "
                                        "column named Name or Student, or First name and Last "
                                        "name; or choose the columns.");
}

TEST(CoreMessages, TheLanguagePreferenceKeepsOnlyKnownCodes) {
    struct Store final : TSettingsStore {
        std::map<std::string, std::string> values;
        std::optional<std::string> Read(const std::string& s, const std::string& e) const override {
            auto it = values.find(s + "/" + e);
            if (it == values.end()) return std::nullopt;
            return it->second;
        }
        void Write(const std::string& s, const std::string& e, const std::string& v) override {
            values[s + "/" + e] = v;
        }
        void EraseSection(const std::string&) override {}
    } store;
    TAppSettings s;
    s.Language = "es";
    WriteSettings(store, s);
    EXPECT_EQ(store.values["Start Up/Language"], "es");
    TAppSettings read;
    ReadSettings(store, read, [](const std::string&) { return true; });
    EXPECT_EQ(read.Language, "es");
    for (const char* bad : {"fr", "DE", "de_DE", "", "../../x"}) {
        store.values["Start Up/Language"] = bad;
        EXPECT_EQ(ReadLanguage(store), "") << bad;
        TAppSettings kept;
        kept.Language = "de";
        ReadSettings(store, kept, [](const std::string&) { return true; });
        EXPECT_EQ(kept.Language, "de") << bad;
    }
}

} // namespace
