#pragma once
// "Export for Canvas" (Moodle, Scores Table): what the export will write and every warning
// about it, shown before the file is asked for.

#include "lms_export.h"

#include <QDialog>
#include <QStringListModel>

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;

namespace marklow {

class TGradebook;

class TExportLmsDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TExportLmsDlg)
public:
    explicit TExportLmsDlg(QWidget* parent = nullptr);

    // Shows the export of gb about to be written. For Moodle the teacher may choose the
    // identifier and the cap, which make the export again.
    void Load(const TGradebook& gb, TLmsFormat format, const TLmsExport& exported);
    const TLmsExport& Exported() const { return exported_; }
    QStringList WarningTexts() const { return model_.stringList(); }

    // The system's name as the window shows it: "Canvas", "Moodle", "Scores Table".
    static QString FormatCaption(TLmsFormat format);
    // A warning as the window shows it, naming the student, the grade and the entry.
    static QString WarningCaption(const TGradebook& gb, const TLmsExport& exported,
                                  const TLmsWarning& warning);

    QLabel* Summary;
    QLabel* WarningsLabel;
    QListView* Warnings;
    QPushButton* ExportButton;
    QPushButton* CancelButton;
    QLabel* IdentifyLabel;
    QComboBox* IdentifyCombo;
    QCheckBox* CapCheck;

private:
    void ShowExport();
    void OptionsChanged();

    QStringListModel model_;
    const TGradebook* gb_ = nullptr;
    TLmsFormat format_ = TLmsFormat::Canvas;
    TLmsExport exported_;
};

} // namespace marklow
