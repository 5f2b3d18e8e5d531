#pragma once
// The Help menu, F1 and every window's Help button: Marklow Help's topics by number and
// keyword, its contents and finder, and the About box.

#include "help.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class THelpCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THelpCommands)
public:
    // Made after the other features, whose Help buttons it connects.
    explicit THelpCommands(TSDIAppForm& form);

    void Topics1Click();
    void Contents2Click();
    void Keyboard1Click();
    void HowtoUse1Click();
    void HowtoUseWindowsHelp1Click();
    void About1Click();

    THelp Help;

private:
    TSDIAppForm& form_;
};

} // namespace marklow
