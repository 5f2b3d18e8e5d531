// The preferences file and what is applied from it. The first byte chooses what the rest is:
//   0  an INI file, read as the program reads its preferences, then written back
//   1  the text of a saved window geometry
//   2  the bytes of a saved window geometry (given to the reader as base64)
// Whatever it holds, every value taken lies in the range the program itself can set, a saved
// window that is restored can be seen on the screen, and writing the file back succeeds and
// reads back the same.

#include "app_settings.h"
#include "fuzz_check.h"
#include "settings_store.h"
#include "text.h"
#include "window_geometry.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <cmath>
#include <cstdint>
#include <unistd.h>

using namespace marklow;

namespace {

const std::vector<TRect> kScreens{{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};

std::string Base64(std::string_view in) {
    static const char* k = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    uint32_t bits = 0;
    int count = 0;
    for (char c : in) {
        bits = (bits << 8) | static_cast<uint8_t>(c);
        if (++count == 3) {
            for (int s = 18; s >= 0; s -= 6)
                out += k[(bits >> s) & 63];
            bits = 0;
            count = 0;
        }
    }
    if (count == 1) out += std::string{k[(bits >> 2) & 63], k[(bits << 4) & 63], '=', '='};
    if (count == 2)
        out += std::string{k[(bits >> 10) & 63], k[(bits >> 4) & 63], k[(bits << 2) & 63], '='};
    return out;
}

// What ApplySettings does with a geometry: restore it only when it fits the screens.
void CheckGeometry(const std::string& text) {
    auto g = DecodeWindowGeometry(text);
    if (!g) return;
    FUZZ_CHECK(Base64(g->Bytes).size() <= text.size() + 3);
    if (!GeometryFitsScreens(*g, kScreens)) return;
    FUZZ_CHECK(g->Normal.Width >= kMinWindowWidth && g->Normal.Width <= 1920);
    FUZZ_CHECK(g->Normal.Height >= kMinWindowHeight && g->Normal.Height <= 1050);
}

void CheckInRange(const TAppSettings& s) {
    FUZZ_CHECK(s.WindowState >= 0 && s.WindowState <= 2);
    FUZZ_CHECK(DisplayFontAllowed(s.FontName, s.FontSize));
    FUZZ_CHECK(std::isfinite(s.DefaultPoints) && s.DefaultPoints > 0);
    FUZZ_CHECK(std::isfinite(s.DefaultWeight) && s.DefaultWeight > 0);
    FUZZ_CHECK(s.History.size() <= static_cast<size_t>(kMaxHistory));
    for (size_t i = 0; i < s.History.size(); ++i) {
        const std::string& p = s.History[i];
        FUZZ_CHECK(!p.empty() && p.size() <= kMaxPathLength);
        for (char c : p)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        for (size_t j = 0; j < i; ++j)
            FUZZ_CHECK(s.History[j] != p);
    }
    CheckGeometry(s.WindowGeometry);
}

// The settings of a running program before the file is read.
TAppSettings Current() {
    TAppSettings s;
    s.FontName = "DejaVu Sans";
    s.FontSize = 9;
    s.WindowGeometry =
        "AdnQywADAAAAAABiAAAAMgAAA4UAAAKpAAAAZAAAAFAAAAODAAACpwAAAAAAAAAAB4AAAABkAAAA"
        "UAAAA4MAAAKn";
    return s;
}

// A file of its own for every input: QSettings caches files by name and by time stamp.
QString NextPath() {
    static const QString folder = QDir::tempPath() + "/fuzz_settings." + QString::number(getpid());
    static int n = 0;
    QDir().mkpath(folder);
    return folder + "/Marklow" + QString::number(n++) + ".ini";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const TFileExists exists = [](const std::string&) { return true; };
    switch (data[0] % 3) {
    case 1:
        CheckGeometry(std::string(bytes));
        return 0;
    case 2:
        CheckGeometry(Base64(bytes));
        return 0;
    default:
        break;
    }
    const QString path = NextPath();
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    TAppSettings s = Current();
    {
        QSettings ini(path, QSettings::IniFormat);
        ReadSettings(QtSettingsStore(ini), s, exists);
    }
    CheckInRange(s);
    TAppSettings legacy = Current();
    {
        QSettings ini(path, QSettings::IniFormat);
        ReadLegacySettings(QtSettingsStore(ini), legacy, exists);
    }
    CheckInRange(legacy);

    // Written back at exit: no false error, and the next start reads the same.
    FUZZ_CHECK(WriteSettingsFile(path, s));
    TAppSettings back = Current();
    back.FontSize = 10; // so that the font read is seen to come from the file
    {
        QSettings ini(path, QSettings::IniFormat);
        ReadSettings(QtSettingsStore(ini), back, exists);
        FUZZ_CHECK(ini.status() == QSettings::NoError);
    }
    CheckInRange(back);
    FUZZ_CHECK(back.FontName == s.FontName && back.FontSize == s.FontSize);
    FUZZ_CHECK(back.WindowState == s.WindowState && back.WindowGeometry == s.WindowGeometry);
    FUZZ_CHECK(back.History == s.History);
    // Written with 3 digits: the same unless those no longer read as a default.
    auto written = ConvertNumber(FormatNumber(s.DefaultPoints));
    FUZZ_CHECK(FormatNumber(back.DefaultPoints) == FormatNumber(s.DefaultPoints) || !written ||
               !(*written > 0) || !std::isfinite(*written));
    FUZZ_CHECK(back.Curve == s.Curve && back.ShowHints == s.ShowHints &&
               back.Toolbar == s.Toolbar && back.Averages == s.Averages);
    QFile::remove(path);
    QFile::remove(path + ".damaged");
    return 0;
}
