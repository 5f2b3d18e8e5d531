#pragma once
// File > Export for LMS > Canvas..., Moodle..., Scores Table...: the warnings first, then the
// file's name, then where the file went. The gradebook is only read.

#include "lms_export_dialog.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TLmsExportCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLmsExportCommands)
public:
    explicit TLmsExportCommands(TSDIAppForm& form);

    void ExportForLms(TLmsFormat format);

    TExportLmsDlg ExportLmsDlg; // created once and reused

private:
    TSDIAppForm& form_;
    bool scoresBom_ = false; // the scores table's last byte order mark choice
    TMoodleIdentifier moodleIdentifier_ = TMoodleIdentifier::IdNumber;
    bool moodleCap_ = false;
};

} // namespace marklow
