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
    // 800 x 600 at (100, 80), as the toolkit saves it.
    s.WindowGeometry =
        "AdnQywADAAAAAABiAAAAMgAAA4UAAAKpAAAAZAAAAFAAAAODAAACpwAAAAAAAAAAB4AAAABkAAAAUAAAA4MAAAKn";
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
    EXPECT_EQ(back.WindowGeometry, s.WindowGeometry);
}

TEST(Settings, UnreadableValuesKeepTheirDefaults) {
    MemoryStore store;
    store.Write("All Grades", "Default Points", "lots");
    store.Write("View Menu", "Toolbar", "yes");
    store.Write("View Menu", "Statusbar", "7");
    store.Write("View Menu", "Averages", "0");
    store.Write("Start Up", "Window State", "99999999999999999999");
    TAppSettings s;
    Files files;
    ReadSettings(store, s, files.Exists());
    // A default of 0 points would give every new grade no points at all.
    EXPECT_EQ(s.DefaultPoints, 100);
    EXPECT_TRUE(s.Toolbar) << "a text that is no number is no switch";
    EXPECT_TRUE(s.Statusbar); // any non-zero number is true
    EXPECT_FALSE(s.Averages);
    EXPECT_EQ(s.WindowState, 0);
}

TEST(Settings, ValuesBeyondWhatTheProgramCanSetKeepTheirDefaults) {
    TAppSettings current;
    current.FontName = "DejaVu Sans";
    current.FontSize = 9;
    current.WindowState = 0;
    current.DefaultPoints = 50;
    current.DefaultWeight = 2;
    Files files;
    for (const char* size : {"100000", "2147483647", "500", "13", "7", "0", "-10", "9.5", ""}) {
        MemoryStore store;
        store.Write("Display Font", "Name", "Liberation Sans");
        store.Write("Display Font", "Size", size);
        TAppSettings s = current;
        ReadSettings(store, s, files.Exists());
        EXPECT_EQ(s.FontSize, 9) << size;
        EXPECT_EQ(s.FontName, "DejaVu Sans") << "a font is taken whole or not at all: " << size;
    }
    for (int size = 8; size <= 12; ++size) {
        MemoryStore store;
        store.Write("Display Font", "Name", "Liberation Sans");
        store.Write("Display Font", "Size", std::to_string(size));
        TAppSettings s = current;
        ReadSettings(store, s, files.Exists());
        EXPECT_EQ(s.FontSize, size);
        EXPECT_EQ(s.FontName, "Liberation Sans");
    }
    for (const std::string& name :
         {std::string(), std::string(300, 'x'), std::string("Bad\nFont")}) {
        MemoryStore store;
        store.Write("Display Font", "Name", name);
        store.Write("Display Font", "Size", "10");
        TAppSettings s = current;
        ReadSettings(store, s, files.Exists());
        EXPECT_EQ(s.FontName, "DejaVu Sans");
        EXPECT_EQ(s.FontSize, 9);
    }
    for (const char* state : {"3", "-1", "2147483647"}) {
        MemoryStore store;
        store.Write("Start Up", "Window State", state);
        TAppSettings s = current;
        ReadSettings(store, s, files.Exists());
        EXPECT_EQ(s.WindowState, 0) << state;
    }
    for (const char* number : {"0", "-5", "1e309", "nan", "inf", "1e400"}) {
        MemoryStore store;
        store.Write("All Grades", "Default Points", number);
        store.Write("All Grades", "Default Weight", number);
        TAppSettings s = current;
        ReadSettings(store, s, files.Exists());
        EXPECT_EQ(s.DefaultPoints, 50) << number;
        EXPECT_EQ(s.DefaultWeight, 2) << number;
    }
    // A geometry that is not the toolkit's keeps the window as it is.
    MemoryStore store;
    store.Write("Start Up", "Window Geometry", "garbage");
    TAppSettings s = current;
    s.WindowGeometry = "kept";
    ReadSettings(store, s, files.Exists());
    EXPECT_EQ(s.WindowGeometry, "kept");
}

TEST(Settings, HistoryEntriesThatCannotBePathsOrRepeatAreDropped) {
    MemoryStore store;
    const std::string huge = "/" + std::string(50000, 'a');
    const std::vector<std::string> entries = {"/a.gbd", "/a.gbd",   "/b\x01.gbd",
                                              huge,     "/c\n.gbd", "/d.gbd"};
    Files files;
    for (size_t i = 0; i < entries.size(); ++i) {
        store.Write("File History", "File Path " + std::to_string(i + 1), entries[i]);
        files.present.insert(entries[i]);
    }
    TAppSettings s;
    ReadSettings(store, s, files.Exists());
    EXPECT_EQ(s.History, (std::vector<std::string>{"/a.gbd", "/d.gbd"}));
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
