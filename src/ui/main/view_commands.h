#pragma once
// The View menu's switches: tool bar, status bar, averages, letters and curve. They are
// preferences of the window, not changes of the gradebook, so none is an undo step.

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
