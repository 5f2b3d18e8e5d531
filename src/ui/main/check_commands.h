#pragma once
// Check Gradebook: every problem of the gradebook listed in the "Check Results" window,
// each leading to the place where it is mended. The check reads the gradebook only.

#include "check_form.h"

#include <QObject>

#include <functional>

namespace marklow {

class TSDIAppForm;

class TCheckCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCheckCommands)
public:
    explicit TCheckCommands(TSDIAppForm& form);

    void CheckAllEntries1Click();
    // Goes to the place of a finding: the entry's cell, the properties of that grade or
    // student, or the options dialog's Categories page on the category's field.
    void GoTo(const TErrorFinder& place);

    // The commands the findings lead to, set by the features that own them.
    std::function<void(int column)> GradeProperties;
    std::function<void(int row)> StudentProperties;
    std::function<void(int category, int field)> CategoryOptions;

    TCheckForm CheckForm; // created once and reused

private:
    TSDIAppForm& form_;
};

} // namespace marklow
