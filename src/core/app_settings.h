#pragma once
// The program's preferences and file history, read once when the main window is first shown
// and written once at exit. Where they live is the store's business: the program keeps them
// in a per-user INI file, tests in memory.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

// Sections of entries holding text.
class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;
    virtual std::optional<std::string> Read(const std::string& section,
                                            const std::string& entry) const = 0;
    virtual void Write(const std::string& section, const std::string& entry,
                       const std::string& value) = 0;
    virtual void EraseSection(const std::string& section) = 0;
};

inline constexpr int kMaxHistory = 6;
inline constexpr size_t kMaxPathLength = 4096;
// The sizes the font chooser offers.
inline constexpr int kMinDisplayFontSize = 8;
inline constexpr int kMaxDisplayFontSize = 12;
inline constexpr size_t kMaxFontNameLength = 255;

struct TAppSettings {
    int WindowState = 0; // 0 normal, 1 minimized, 2 maximized
    std::string WindowGeometry; // size and place of the main window, as the toolkit saves it
    std::vector<std::string> History;
    bool Curve = true;
    bool ShowHints = true;
    bool FlatToolbars = true;
    bool TwoDTables = false;
    bool ShowLetters = false;
    bool OmitZeros = true;
    double DefaultPoints = 100;
    double DefaultWeight = 1;
    bool Toolbar = true;
    bool Statusbar = true;
    bool Averages = true;
    std::string FontName;
    int FontSize = 0;
    // Seconds between recovery copies of unsaved changes; 0 writes none.
    int RecoverySeconds = 60;
    // The language of the windows: empty follows the desktop, else one of kLanguages.
    std::string Language;
};

// The languages the program is translated into, by their codes.
inline constexpr const char* kLanguages[] = {"en", "de", "es"};
// The preferred language as stored; anything but a known code reads as empty (the desktop's).
std::string ReadLanguage(const TSettingsStore& store);

inline constexpr int kMaxRecoverySeconds = 3600;

using TFileExists = std::function<bool(const std::string& path)>;

// Applies every entry found; missing entries, and entries beyond what the program itself can
// set (a font of 500 points, a window state of 7, a default of 0 points), keep their defaults
// (the current values, or true for the four view switches). History files that no longer
// exist, repeated entries and entries that cannot be paths are dropped.
void ReadSettings(const TSettingsStore& store, TAppSettings& settings, const TFileExists& exists);
// The older initialisation file: only "Start Up" and "File History".
void ReadLegacySettings(const TSettingsStore& ini, TAppSettings& settings,
                        const TFileExists& exists);
void WriteSettings(TSettingsStore& store, const TAppSettings& settings);

// "1" or "0"; reading takes any non-zero number as true, and nothing from text that is no
// number.
std::string BoolText(bool value);
std::optional<bool> ParseBool(const std::optional<std::string>& text);

// A display font the program can use: a name of plain characters and 8 to 12 points.
bool DisplayFontAllowed(std::string_view name, int size);

} // namespace marklow
