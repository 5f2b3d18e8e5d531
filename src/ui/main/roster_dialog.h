#pragma once
// "Import Roster": shows what a class list would do to the gradebook before anything changes.
// The teacher picks the columns (pre-filled from the recognised headers) and the order of the
// names; the summary and the lists follow each choice. The dialog only reads the gradebook:
// its result is the plan, which the handler turns into one undo step.

#include "roster_import.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListView;
class QRadioButton;
class QStringListModel;
class QTabWidget;
class QTreeView;

namespace marklow {

class TRosterLinesModel;

class TImportRosterDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TImportRosterDlg)
public:
    explicit TImportRosterDlg(QWidget* parent = nullptr);
    ~TImportRosterDlg() override;

    // Shows the table read from file against the gradebook, which must outlive the showing.
    // The name order stays as the teacher left it last time.
    void Load(const TGradebook& gb, TRosterTable table, const QString& file);
    const TRosterPlan& Plan() const { return plan_; }
    TRosterChoices Choices() const;

    QLabel* FileLabel = nullptr;
    QLabel* FormatLabel = nullptr;
    QComboBox* NameCombo = nullptr;
    QComboBox* FirstCombo = nullptr;
    QComboBox* LastCombo = nullptr;
    QComboBox* IdCombo = nullptr;
    QComboBox* LoginCombo = nullptr;
    QCheckBox* HeaderCheck = nullptr;
    // Says that only the first columns of a very wide list are offered.
    QLabel* ColumnsNote = nullptr;
    QRadioButton* AsInFileRadio = nullptr;
    QRadioButton* FirstLastRadio = nullptr;
    QLabel* SummaryLabel = nullptr;
    QTabWidget* Lists = nullptr;
    QTreeView* LinesView = nullptr;
    QListView* NotOnRosterView = nullptr;
    QDialogButtonBox* Buttons = nullptr;

signals:
    void HelpRequested(const QString& keyword);

private:
    void FillColumnChoices();
    void ColumnPicked(QComboBox* combo);
    void Replan();

    const TGradebook* gb_ = nullptr;
    TRosterTable table_;
    TRosterLayout layout_;
    TRosterPlan plan_;
    TRosterLinesModel* linesModel_ = nullptr;
    QStringListModel* notOnRosterModel_ = nullptr;
    bool filling_ = false;
};

} // namespace marklow
