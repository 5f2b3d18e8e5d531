#pragma once
// Copy Students, Copy Averages and Paste: classes and averages carried between gradebooks
// (two running copies of the program, or one after reopening) and names brought in from a
// spreadsheet or a text file. A paste is one undo step.

#include "clipboard.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TClipboardCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TClipboardCommands)
public:
    explicit TClipboardCommands(TSDIAppForm& form);

    // The items carry their format: Copy > "&Averages" and "Copy &Averages" the averages,
    // Copy > "&Students" and "&Copy Students" the students.
    void CopyClipboardClick(TClipboardFormat format);
    void Paste1Click();

    // Tests put a clipboard of their own in place of the desktop's (not owned).
    void SetClipboard(TClipboard* clipboard) { clipboard_ = clipboard ? clipboard : &system_; }

private:
    TSDIAppForm& form_;
    TSystemClipboard system_;
    TClipboard* clipboard_ = &system_;
};

} // namespace marklow
