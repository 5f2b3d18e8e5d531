#pragma once
// The "Weights" page: every grade's settings, one grade after another, in the grade editor
// panel, and the gradebook's "Points are Weights" switch. It works on the dialog's grade
// copies; the panel takes the page's own switch, so a weight typed here is the grade's own
// Weight whatever the gradebook's switch was when the dialog opened.

#include "options_page.h"

class QComboBox;
class QLabel;
class QToolButton;

namespace marklow {

class TGradeBox;
class TGradebook;

class TWeightsPage final : public TOptionsPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TWeightsPage)
public:
    explicit TWeightsPage(QWidget* parent = nullptr);

    // Before LoadPage: the gradebook whose grades were copied (their names are listed), and
    // the main grid's current column, whose grade is shown first.
    void SetSource(const TGradebook* gb, int currentColumn);

    void LoadPage(TOptionsWork& work) override;
    void StorePage(TOptionsWork& work) override;
    void PageShown() override;
    int HelpTopic() const override { return 20; }
    void SetFlat(bool on) override;

    // The editor's fields into the copy it shows (nothing before a copy was shown). A number
    // whose text still reads as it was shown keeps the copy's exact value.
    void StoreEditor();
    // Stores the editor, offers the categories of the categories grid, shows or hides the
    // Weight and Category fields, and shows the selected copy again.
    void Refresh();
    // The same without storing first: after the copies were remapped, the editor must show
    // them and not write back the category it held before.
    void Reload();
    // The "Grade Name" label's width follows the dialog's font.
    void FitLabel();

    QLabel* GradeNameLabel = nullptr;
    QComboBox* GradeNameCombo = nullptr;
    QToolButton* PWButton = nullptr;
    TGradeBox* GradeBox1 = nullptr;

private:
    void GradeNameComboChange(int index);
    void ShowSelectedGrade();
    void PWButtonClick();

    // The switch the editor's fields were shown with; a weight typed before "Points are
    // Weights" was pressed is still the grade's weight.
    bool editorPointsAreWeights_ = false;
    TOptionsWork* work_ = nullptr;
    const TGradebook* gb_ = nullptr;
    int currentColumn_ = -1;
    bool filling_ = false;
    TPageToolBar* toolBar_ = nullptr;
};

} // namespace marklow
