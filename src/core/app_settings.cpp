#include "app_settings.h"

#include "text.h"
#include "window_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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

// Every value is taken only when it lies in the range the program itself can set; any
// other keeps its default, so a damaged file cannot make the program unusable.
void ReadBool(const TSettingsStore& store, const char* section, const char* entry, bool& target) {
    if (auto v = ParseBool(store.Read(section, entry))) target = *v;
}

void ReadInt(const TSettingsStore& store, const char* section, const char* entry, int& target,
             int lowest, int highest) {
    if (auto v = ParseInteger(store.Read(section, entry)))
        if (*v >= lowest && *v <= highest) target = static_cast<int>(*v);
}

// What the grade dialog takes as a default: a number above 0.
void ReadDefault(const TSettingsStore& store, const char* entry, double& target) {
    auto text = store.Read(kGrades, entry);
    if (!text) return;
    auto v = ConvertNumber(TrimBlanks(*text));
    if (v && std::isfinite(*v) && *v > 0) target = *v;
}

bool HasControl(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

void ReadStartUpAndHistory(const TSettingsStore& store, TAppSettings& s, const TFileExists& exists) {
    ReadInt(store, kStartUp, "Window State", s.WindowState, 0, 2);
    if (auto v = store.Read(kStartUp, "Window Geometry"))
        if (DecodeWindowGeometry(*v)) s.WindowGeometry = *v;
    s.History.clear();
    for (int n = 1; n <= kMaxHistory; ++n) {
        auto path = store.Read(kHistory, "File Path " + std::to_string(n));
        if (!path || path->empty() || path->size() > kMaxPathLength || HasControl(*path)) continue;
        if (std::find(s.History.begin(), s.History.end(), *path) != s.History.end()) continue;
        if (exists(*path)) s.History.push_back(*path);
    }
}

} // namespace

std::string BoolText(bool value) { return value ? "1" : "0"; }

std::optional<bool> ParseBool(const std::optional<std::string>& text) {
    // Any number but 0 is true; a text that is no number is no switch.
    auto v = ParseInteger(text);
    if (!v) return std::nullopt;
    return *v != 0;
}

bool DisplayFontAllowed(std::string_view name, int size) {
    return !name.empty() && name.size() <= kMaxFontNameLength && !HasControl(name) &&
           size >= kMinDisplayFontSize && size <= kMaxDisplayFontSize;
}

void ReadSettings(const TSettingsStore& store, TAppSettings& s, const TFileExists& exists) {
    ReadStartUpAndHistory(store, s, exists);
    s.Curve = ParseBool(store.Read(kDisplay, "Curve")).value_or(true);
    ReadBool(store, kDisplay, "Show Hints", s.ShowHints);
    ReadBool(store, kDisplay, "Flat Toolbars", s.FlatToolbars);
    ReadBool(store, kDisplay, "2D Tables", s.TwoDTables);
    ReadBool(store, kLetters, "Show Letters", s.ShowLetters);
    ReadBool(store, kGrades, "Omit Zeros", s.OmitZeros);
    ReadDefault(store, "Default Points", s.DefaultPoints);
    ReadDefault(store, "Default Weight", s.DefaultWeight);
    s.Toolbar = ParseBool(store.Read(kView, "Toolbar")).value_or(true);
    s.Statusbar = ParseBool(store.Read(kView, "Statusbar")).value_or(true);
    s.Averages = ParseBool(store.Read(kView, "Averages")).value_or(true);
    // The font chooser offers 8 to 12 points; a font is taken whole or not at all.
    auto name = store.Read(kFont, "Name");
    int size = 0;
    ReadInt(store, kFont, "Size", size, kMinDisplayFontSize, kMaxDisplayFontSize);
    if (name && DisplayFontAllowed(*name, size)) {
        s.FontName = *name;
        s.FontSize = size;
    }
    // Out of range: the default, not a copy every second nor never.
    ReadInt(store, kRecovery, "Interval", s.RecoverySeconds, 0, kMaxRecoverySeconds);
    if (std::string language = ReadLanguage(store); !language.empty()) s.Language = language;
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
    store.Write(kStartUp, "Language", s.Language);
}

std::string ReadLanguage(const TSettingsStore& store) {
    const std::optional<std::string> v = store.Read(kStartUp, "Language");
    for (const char* code : kLanguages)
        if (v && *v == code) return *v;
    return std::string();
}

} // namespace marklow
