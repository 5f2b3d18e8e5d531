#pragma once
// The View menu's switches: tool bar, status bar, averages, letters and curve. All but the
// letters are preferences of the window; the letters are kept in the gradebook's file, so
// switching them is an undo step.

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TViewCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TViewCommands)
public:
    explicit TViewCommands(TSDIAppForm& form);

    void ToolBar2Click();
    void StatusBar2Click();
    void ShowAveragesClick();
    void LetterAverages1Click();
    void Curve1Click();

private:
    TSDIAppForm& form_;
};

} // namespace marklow
