#include "app_settings.h"

#include "text.h"

#include <charconv>

namespace marklow {

namespace {

const char* kStartUp = "Start Up";
const char* kHistory = "File History";
const char* kDisplay = "Display Options";
const char* kLetters = "Letters Options";
const char* kGrades = "All Grades";
const char* kView = "View Menu";
const char* kFont = "Display Font";
const char* kRecovery = "Recovery";

std::optional<long long> ParseInteger(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    std::string_view s = TrimBlanks(*text);
    long long v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

void ReadBool(const TSettingsStore& store, const char* section, const char* entry, bool& target) {
    if (auto v = ParseBool(store.Read(section, entry))) target = *v;
}

void ReadInt(const TSettingsStore& store, const char* section, const char* entry, int& target) {
    if (auto v = ParseInteger(store.Read(section, entry)))
        if (*v >= INT32_MIN && *v <= INT32_MAX) target = static_cast<int>(*v);
}

void ReadStartUpAndHistory(const TSettingsStore& store, TAppSettings& s, const TFileExists& exists) {
    ReadInt(store, kStartUp, "Window State", s.WindowState);
    if (auto v = store.Read(kStartUp, "Window Geometry")) s.WindowGeometry = *v;
    s.History.clear();
    for (int n = 1; n <= kMaxHistory; ++n) {
        auto path = store.Read(kHistory, "File Path " + std::to_string(n));
        if (path && !path->empty() && exists(*path)) s.History.push_back(*path);
    }
}

} // namespace

std::string BoolText(bool value) { return value ? "1" : "0"; }

std::optional<bool> ParseBool(const std::optional<std::string>& text) {
    // An unreadable value counts as 0, as every number of the preferences does.
    if (!text) return std::nullopt;
    auto v = ParseInteger(text);
    return v.value_or(0) != 0;
}

void ReadSettings(const TSettingsStore& store, TAppSettings& s, const TFileExists& exists) {
    ReadStartUpAndHistory(store, s, exists);
    s.Curve = ParseBool(store.Read(kDisplay, "Curve")).value_or(true);
    ReadBool(store, kDisplay, "Show Hints", s.ShowHints);
    ReadBool(store, kDisplay, "Flat Toolbars", s.FlatToolbars);
    ReadBool(store, kDisplay, "2D Tables", s.TwoDTables);
    ReadBool(store, kLetters, "Show Letters", s.ShowLetters);
    ReadBool(store, kGrades, "Omit Zeros", s.OmitZeros);
    if (auto v = store.Read(kGrades, "Default Points")) s.DefaultPoints = ParseNumber(*v);
    if (auto v = store.Read(kGrades, "Default Weight")) s.DefaultWeight = ParseNumber(*v);
    s.Toolbar = ParseBool(store.Read(kView, "Toolbar")).value_or(true);
    s.Statusbar = ParseBool(store.Read(kView, "Statusbar")).value_or(true);
    s.Averages = ParseBool(store.Read(kView, "Averages")).value_or(true);
    if (auto v = store.Read(kFont, "Name")) s.FontName = *v;
    ReadInt(store, kFont, "Size", s.FontSize);
    // Out of range: the default, not a copy every second nor never.
    int every = s.RecoverySeconds;
    ReadInt(store, kRecovery, "Interval", every);
    if (every >= 0 && every <= kMaxRecoverySeconds) s.RecoverySeconds = every;
}

void ReadLegacySettings(const TSettingsStore& ini, TAppSettings& s, const TFileExists& exists) {
    ReadStartUpAndHistory(ini, s, exists);
}

void WriteSettings(TSettingsStore& store, const TAppSettings& s) {
    store.Write(kStartUp, "Window State", std::to_string(s.WindowState));
    if (!s.WindowGeometry.empty()) store.Write(kStartUp, "Window Geometry", s.WindowGeometry);
    store.EraseSection(kHistory);
    for (size_t i = 0; i < s.History.size() && i < kMaxHistory; ++i)
        store.Write(kHistory, "File Path " + std::to_string(i + 1), s.History[i]);
    store.Write(kDisplay, "Curve", BoolText(s.Curve));
    store.Write(kDisplay, "Show Hints", BoolText(s.ShowHints));
    store.Write(kDisplay, "Flat Toolbars", BoolText(s.FlatToolbars));
    store.Write(kDisplay, "2D Tables", BoolText(s.TwoDTables));
    store.Write(kLetters, "Show Letters", BoolText(s.ShowLetters));
    store.Write(kGrades, "Omit Zeros", BoolText(s.OmitZeros));
    store.Write(kGrades, "Default Points", FormatNumber(s.DefaultPoints));
    store.Write(kGrades, "Default Weight", FormatNumber(s.DefaultWeight));
    store.Write(kView, "Toolbar", BoolText(s.Toolbar));
    store.Write(kView, "Statusbar", BoolText(s.Statusbar));
    store.Write(kView, "Averages", BoolText(s.Averages));
    store.Write(kFont, "Name", s.FontName);
    store.Write(kFont, "Size", std::to_string(s.FontSize));
    store.Write(kRecovery, "Interval", std::to_string(s.RecoverySeconds));
}

} // namespace marklow
