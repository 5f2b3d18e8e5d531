#pragma once
// The main window's size and place as the preferences keep it: the toolkit's own saved
// geometry (QWidget::saveGeometry) in base64. It is read here, without the toolkit, so that a
// damaged or foreign value is refused before it reaches the window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

struct TRect {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

struct TSavedGeometry {
    std::string Bytes; // the decoded bytes, as the toolkit restores them
    int Version = 0;
    TRect Frame, Normal;
    std::optional<TRect> Client; // from version 3 on
    bool Maximized = false, FullScreen = false;
};

// Nothing when the text is not base64 of a saved geometry of a known version.
std::optional<TSavedGeometry> DecodeWindowGeometry(std::string_view base64);

// The smallest window that still shows its menus and a few cells.
inline constexpr int kMinWindowWidth = 200;
inline constexpr int kMinWindowHeight = 150;

// Whether the window would be of a usable size and could be seen and moved: no smaller than
// the least above, no larger than the largest screen, and its title strip on one of the
// screens (their areas free of panels).
bool GeometryFitsScreens(const TSavedGeometry& geometry, const std::vector<TRect>& screens);

} // namespace marklow
