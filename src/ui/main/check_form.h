#pragma once
// "Check Results": the gradebook check's findings with the four counters, and the place of the
// finding the teacher picks. The list is a flat model over the compact findings with rows of
// one height, so a class whose every entry is invalid (five million lines) opens at once; a
// line's text is made only when it is painted.

#include "check.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace marklow {

class TCheckModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCheckModel)
public:
    explicit TCheckModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The findings of gb, which must outlive them (until Clear).
    void SetResult(const TGradebook& gb, TCheckResult result);
    void Clear();
    const TCheckResult& Result() const { return result_; }
    const TFinding& Finding(int row) const { return result_.Findings[static_cast<size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const TGradebook* gb_ = nullptr;
    TCheckResult result_;
};

class TCheckForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCheckForm)
public:
    static constexpr int kHelpTopic = 667;
    // Kinds 0 to 3 of TErrorFinder: the cell, the grade's or the student's properties, the
    // options dialog's Categories page on a category's field.
    using TGoTo = std::function<void(const TErrorFinder&)>;

    explicit TCheckForm(QWidget* parent = nullptr);

    void SetGoTo(TGoTo goTo) { goTo_ = std::move(goTo); }
    // Opens a help topic (the "&Help" button asks for kHelpTopic).
    void SetHelp(std::function<void(int topic)> help) { help_ = std::move(help); }

    // Check Gradebook: runs the check, shows the window modally, empties it after closing and
    // then goes to the picked finding's place (nothing for a category without a place, and
    // nothing after "&Close"). The caller finishes the cell edit and may repair the category
    // indexes first (RepairCategoryIndexes, not an edit).
    void ShowResults(const TGradebook& gb);

    // The steps of ShowResults, for looking at the window: forget the last pick, run the check
    // and fill the list and the counters; empty the list again.
    void Fill(const TGradebook& gb);
    void Empty();

    // The finding picked by "&Find" or a double-click; kept until the next showing.
    const std::optional<TErrorFinder>& PickedFinder() const { return picked_; }

    TCheckModel& Model() { return model_; }
    QTableView* ListView1 = nullptr;
    QLabel* ErrorsBox = nullptr;
    QLabel* WarningsBox = nullptr;
    QLabel* GradeEntriesBox = nullptr;
    QLabel* BlankEntriesBox = nullptr;
    QPushButton* FindButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* HelpButton = nullptr;

private:
    void FindClick();
    void ListView1DblClick(const QModelIndex& index);
    void PickSelected();
    void SizeColumns();

    TCheckModel model_;
    std::optional<TErrorFinder> picked_;
    TGoTo goTo_;
    std::function<void(int)> help_;
};

} // namespace marklow
