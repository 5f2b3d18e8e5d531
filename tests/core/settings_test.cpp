#include "app_settings.h"
#include "file_history.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace marklow;

namespace {

class MemoryStore final : public TSettingsStore {
public:
    std::map<std::string, std::map<std::string, std::string>> Sections;
    std::optional<std::string> Read(const std::string& s, const std::string& e) const override {
        auto sec = Sections.find(s);
        if (sec == Sections.end()) return std::nullopt;
        auto it = sec->second.find(e);
        if (it == sec->second.end()) return std::nullopt;
        return it->second;
    }
    void Write(const std::string& s, const std::string& e, const std::string& v) override {
        Sections[s][e] = v;
    }
    void EraseSection(const std::string& s) override { Sections.erase(s); }
};

struct Files {
    std::set<std::string> present;
    TFileExists Exists() {
        return [this](const std::string& p) { return present.count(p) > 0; };
    }
};

} // namespace

TEST(Settings, MissingEntriesKeepTheirDefaults) {
    MemoryStore store;
    Files files;
    TAppSettings s;
    s.ShowHints = false;  // "current value" defaults stay as they are
    s.Curve = false;      // the view switches default to on
    s.Toolbar = false;
    s.DefaultPoints = 50;
    ReadSettings(store, s, files.Exists());
    EXPECT_FALSE(s.ShowHints);
    EXPECT_TRUE(s.Curve);
    EXPECT_TRUE(s.Toolbar);
    EXPECT_EQ(s.DefaultPoints, 50);
}

TEST(Settings, RoundTripAndNumbersWithThreeDigits) {
    MemoryStore store;
    Files files;
    files.present = {"/a.gbd", "/b.gbd"};
    TAppSettings s;
    s.WindowState = 2;
    s.History = {"/a.gbd", "/b.gbd"};
    s.Curve = false;
    s.TwoDTables = true;
    s.ShowLetters = true;
    s.OmitZeros = false;
    s.DefaultPoints = 12.345;
    s.DefaultWeight = 2;
    s.Averages = false;
    s.FontName = "DejaVu Sans";
    s.FontSize = 11;
    s.WindowGeometry = "AdnQywADAAA=";
    WriteSettings(store, s);
    EXPECT_EQ(store.Sections["All Grades"]["Default Points"], "12.3");
    EXPECT_EQ(store.Sections["Display Options"]["2D Tables"], "1");
    TAppSettings back;
    ReadSettings(store, back, files.Exists());
    EXPECT_EQ(back.WindowState, 2);
    EXPECT_EQ(back.History, s.History);
    EXPECT_FALSE(back.Curve);
    EXPECT_TRUE(back.TwoDTables);
    EXPECT_TRUE(back.ShowLetters);
    EXPECT_FALSE(back.OmitZeros);
    EXPECT_EQ(back.DefaultPoints, 12.3);
    EXPECT_FALSE(back.Averages);
    EXPECT_EQ(back.FontName, "DejaVu Sans");
    EXPECT_EQ(back.FontSize, 11);
    EXPECT_EQ(back.WindowGeometry, "AdnQywADAAA=");
}

TEST(Settings, UnreadableValuesBecomeZero) {
    MemoryStore store;
    store.Write("All Grades", "Default Points", "lots");
    store.Write("View Menu", "Toolbar", "yes");
    store.Write("View Menu", "Statusbar", "7");
    store.Write("Start Up", "Window State", "99999999999999999999");
    TAppSettings s;
    Files files;
    ReadSettings(store, s, files.Exists());
    EXPECT_EQ(s.DefaultPoints, 0);
    EXPECT_FALSE(s.Toolbar);
    EXPECT_TRUE(s.Statusbar); // any non-zero number is true
    EXPECT_EQ(s.WindowState, 0);
}

TEST(Settings, HistoryDropsVanishedFilesAndIsRewrittenWhole) {
    MemoryStore store;
    for (int n = 1; n <= 6; ++n) store.Write("File History", "File Path " + std::to_string(n), "/f" + std::to_string(n));
    Files files;
    files.present = {"/f1", "/f3"};
    TAppSettings s;
    ReadSettings(store, s, files.Exists());
    EXPECT_EQ(s.History, (std::vector<std::string>{"/f1", "/f3"}));
    WriteSettings(store, s);
    EXPECT_EQ(store.Sections["File History"].size(), 2u);
    EXPECT_EQ(store.Sections["File History"]["File Path 2"], "/f3");
}

TEST(Settings, LegacyFileGivesOnlyWindowStateAndHistory) {
    MemoryStore ini;
    ini.Write("Start Up", "Window State", "2");
    ini.Write("File History", "File Path 1", "/old.gbd");
    ini.Write("All Grades", "Default Points", "5");
    Files files;
    files.present = {"/old.gbd"};
    TAppSettings s;
    ReadLegacySettings(ini, s, files.Exists());
    EXPECT_EQ(s.WindowState, 2);
    EXPECT_EQ(s.History, std::vector<std::string>{"/old.gbd"});
    EXPECT_EQ(s.DefaultPoints, 100);
}

TEST(FileHistory, TitlesCutAtTheFirstDot) {
    EXPECT_EQ(TitleFromPath("/home/t/class.v2.gbd"), "class");
    EXPECT_EQ(TitleFromPath("/home/t/period1.Backup.gbd"), "period1");
    EXPECT_EQ(TitleFromPath("Untitled"), "Untitled");
    EXPECT_EQ(TitleFromPath("/x/noext"), "noext");
}

TEST(FileHistory, NewestFirstWithoutDuplicatesAtMostSix) {
    Files files;
    std::vector<std::string> h;
    for (int i = 1; i <= 8; ++i) {
        std::string p = "/c" + std::to_string(i) + ".gbd";
        files.present.insert(p);
        AddToHistory(h, p, files.Exists());
    }
    EXPECT_EQ(h.size(), 6u);
    EXPECT_EQ(h.front(), "/c8.gbd");
    AddToHistory(h, "/c5.gbd", files.Exists());
    EXPECT_EQ(h.front(), "/c5.gbd");
    EXPECT_EQ(std::count(h.begin(), h.end(), "/c5.gbd"), 1);
    // The same path in other case and with blanks around it is the same entry.
    files.present.insert(" /C5.GBD");
    AddToHistory(h, " /C5.GBD", files.Exists());
    EXPECT_EQ(h.front(), " /C5.GBD");
    EXPECT_EQ(std::count(h.begin(), h.end(), "/c5.gbd"), 0);
    // A path that does not exist is removed and not added.
    files.present.erase("/c7.gbd");
    AddToHistory(h, "/c7.gbd", files.Exists());
    EXPECT_EQ(std::count(h.begin(), h.end(), "/c7.gbd"), 0);
    size_t before = h.size();
    AddToHistory(h, "Untitled", files.Exists());
    EXPECT_EQ(h.size(), before);
}

TEST(FileHistory, ReopenLeavesOutTheOpenFileAndMissingFiles) {
    Files files;
    files.present = {"/a", "/b"};
    std::vector<std::string> h{"/a", "/gone", "/b"};
    EXPECT_EQ(ReopenEntries(h, "/a", files.Exists()), std::vector<int>{2});
    EXPECT_EQ(ReopenEntries(h, "Untitled", files.Exists()), (std::vector<int>{0, 2}));
}
