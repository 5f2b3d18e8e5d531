#pragma once
// The options dialog: categories, per-grade settings, letter tables, the class description and
// the display. Every showing rebuilds its pages from the gradebook's values into working
// copies; nothing reaches the gradebook or the preferences before OK, and OK hands back what
// changed instead of writing it, so the caller applies it as one undoable step.
//
// Wiring, in the main window's Options handler:
//   TOptionsRequest req{page, display, -1, -1, GradeBook->Col()};
//   if (auto out = OptionsDlg.Run(gradebook, req)) {
//       document: one "Undo Options" command storing CaptureOptions(gb, out->Options) and
//       out->Options, both applied with ApplyOptions; RecomputeAll only when
//       out->Options.AffectsAverages; repaint the grid when out->Options.CurveChanged;
//       apply out->Display where out->DisplayChanged says so.
//   }

#include "display_options.h"
#include "options_result.h"

#include <QDialog>

#include <functional>
#include <optional>

class QPushButton;
class QTabWidget;

namespace marklow {

class TCategoriesPage;
class TDescriptionPage;
class TDisplayPage;
class TLettersPage;
class TMissingPage;
class TOptionsPage;
class TWeightsPage;

// The pages by their numbers, as the Options menu items carry them.
enum TOptionsPageIndex {
    kCategoriesPage = 0,
    kWeightsPage,
    kLettersPage,
    kDescriptionPage,
    kDisplayPage,
    kMissingPage
};

struct TOptionsRequest {
    int Page = kCategoriesPage;
    // The display preferences in effect; the Display page starts from them at every showing.
    TDisplayOptions Display;
    // A category (0-based) and a column of the categories grid to start on; -1 for none.
    int StartCategoryRow = -1;
    int StartCategoryCol = -1;
    // The main grid's current column: its grade is the first shown on the Weights page.
    int CurrentColumn = -1;
};

struct TOptionsOutcome {
    TOptionsResult Options;         // for the gradebook, through one command
    TDisplayOptions Display;        // the display preferences chosen
    TDisplayChanges DisplayChanged; // which of them differ from the request's
};

class TNewOptionsDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNewOptionsDlg)
public:
    explicit TNewOptionsDlg(QWidget* parent = nullptr);
    ~TNewOptionsDlg() override;

    // Shows the dialog modally (through the prompts) on the page asked for. Nothing when it
    // was cancelled. The gradebook is only read.
    std::optional<TOptionsOutcome> Run(const TGradebook& gb, const TOptionsRequest& request);

    // The folder under which "Categories" and "Letters" are kept; the user's data folder
    // unless set.
    void SetDataFolder(const QString& folder) { dataFolder_ = folder; }
    QString DataFolder() const;

    // Opens a help topic by number; the program connects its help.
    std::function<void(int topic)> OnHelp;

    // The working copies of the showing in progress.
    TOptionsWork& Work() { return work_; }

    QTabWidget* PageControl = nullptr;
    TCategoriesPage* CategoriesPage = nullptr;
    TWeightsPage* WeightsPage = nullptr;
    TLettersPage* LettersPage = nullptr;
    TDescriptionPage* DescriptionPage = nullptr;
    TDisplayPage* DisplayPage = nullptr;
    TMissingPage* MissingPage = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    TOptionsPage* Page(int index) const;
    void OKBtnClick();
    void HelpBtnClick();

private:
    // The look the preferences give the dialog's grids, tool bars and hints.
    void ApplyLook(const TDisplayOptions& display);
    void PageChanged(int index);

    const TGradebook* gb_ = nullptr;
    TOptionsWork work_;
    TDisplayOptions display_;
    std::optional<TOptionsOutcome> outcome_;
    QString dataFolder_;
};

} // namespace marklow
