#pragma once
// The tool bar's pictures, drawn in code so that they need no image files and look the same
// under every style.

#include <QIcon>

namespace marklow {

enum class TToolIcon {
    New,
    Open,
    Save,
    Password,
    Print,
    Student,
    Grade,
    ToggleMode,
    Check,
    Categories,
    Weights,
    Letters,
    Description
};

QIcon ToolIcon(TToolIcon which);

} // namespace marklow
