#pragma once
// The main window's frame: the gradebook grid, the menus, the tool bar, the grid's context
// menu and the status bar. The grid and the panels follow the document's signals; the
// commands' handlers live in one class per feature (edit_commands, view_commands,
// file_commands, ...), which the window only places. The typing rules of the grid are in
// grid_editing.cpp.

#include "cell_rules.h"
#include "gradebook_document.h"
#include "gradebook_table.h"
#include "string_grid.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;

namespace marklow {

class TChartCommands;
class TCheckCommands;
class TClipboardCommands;
class TEditCommands;
class TOptionsCommands;
class TPrintCommands;
class THelpCommands;
class TPropertiesCommands;
class TRosterCommands;
class TLmsExportCommands;
class TViewCommands;

// Sets a switch for the life of a scope and puts back what it was, whatever happens.
class TSwitchOn {
public:
    explicit TSwitchOn(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TSwitchOn() { flag_ = old_; }
    TSwitchOn(const TSwitchOn&) = delete;
    TSwitchOn& operator=(const TSwitchOn&) = delete;

private:
    bool& flag_;
    bool old_;
};

class TSDIAppForm final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSDIAppForm)
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    TGradebookDocument& Document() { return document_; }
    TGradebook& Gradebook() { return document_.Gradebook(); }
    TEditCommands& EditCommands() { return *editCommands_; }
    TViewCommands& ViewCommands() { return *viewCommands_; }
    TClipboardCommands& ClipboardCommands() { return *clipboardCommands_; }
    TCheckCommands& CheckCommands() { return *checkCommands_; }
    TChartCommands& ChartCommands() { return *chartCommands_; }
    TOptionsCommands& OptionsCommands() { return *optionsCommands_; }
    TPrintCommands& PrintCommands() { return *printCommands_; }
    THelpCommands& HelpCommands() { return *helpCommands_; }
    TPropertiesCommands& PropertiesCommands() { return *propertiesCommands_; }
    TRosterCommands& RosterCommands() { return *rosterCommands_; }
    TLmsExportCommands& LmsExportCommands() { return *lmsExportCommands_; }

    // --- components, named as the commands' items (public so the handlers can wire them) ---
    TStringGrid1* GradeBook = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenu* GradebookPopup = nullptr;

    QMenu* FileMenu = nullptr;
    QAction* New1 = nullptr;
    QAction* OpenItem = nullptr;
    QMenu* Reopen1 = nullptr;
    QAction* SaveItem = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* ExportCsv1 = nullptr;
    QAction* ImportRoster1 = nullptr;
    QMenu* ExportForLms1 = nullptr;
    QAction* Canvas1 = nullptr;
    QAction* Moodle1 = nullptr;
    QAction* ScoresTable1 = nullptr;
    QAction* Password1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* ExitItem = nullptr;

    QMenu* Edit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QMenu* Copy1 = nullptr;
    QAction* Averages1 = nullptr;
    QAction* Names1 = nullptr;
    QAction* Paste1 = nullptr;
    QMenu* DeleteStudent1 = nullptr;
    QAction* Student1 = nullptr;
    QAction* Grade1 = nullptr;
    QMenu* New2 = nullptr;
    QAction* Student3 = nullptr;
    QAction* Grade4 = nullptr;
    QAction* Student2 = nullptr;
    QAction* Grade3 = nullptr;
    // Not shown in the menu; its shortcut Ctrl+T works anywhere in the window.
    QAction* ToggleEditMode1 = nullptr;
    QAction* EnterAddNames1 = nullptr;
    QAction* MoveViewNames1 = nullptr;
    QAction* CheckAllEntries1 = nullptr;

    QMenu* View1 = nullptr;
    QAction* ToolBar2 = nullptr;
    QAction* StatusBar2 = nullptr;
    QAction* ShowAverages = nullptr;
    QAction* LetterAverages1 = nullptr;
    QAction* Curve1 = nullptr;
    QMenu* Sort1 = nullptr;
    QAction* UserInput1 = nullptr;
    QAction* byName1 = nullptr;
    QAction* byAverage1 = nullptr;
    QAction* byID1 = nullptr;
    QMenu* SortGrades1 = nullptr;
    QAction* UserInput2 = nullptr;
    QAction* byName2 = nullptr;
    QAction* byDate1 = nullptr;
    QAction* byCategory1 = nullptr;
    QAction* ChartsStatistics1 = nullptr;
    QMenu* Language1 = nullptr; // View > Language: one item per code, "" the desktop's

    QMenu* GradeBook1 = nullptr; // the Options menu; its items carry their page number
    QAction* Categories1 = nullptr;
    QAction* Weights1 = nullptr;
    QAction* Letters1 = nullptr;
    QAction* Other1 = nullptr;
    QAction* Display1 = nullptr;

    QMenu* Help2 = nullptr;
    QAction* Topics1 = nullptr;
    QAction* Contents2 = nullptr;
    QAction* Keyboard1 = nullptr;
    QAction* HowtoUseHelp1 = nullptr;
    QAction* HowtoUseWindowsHelp1 = nullptr;
    QAction* About2 = nullptr;

    // The grid's context menu.
    QAction* Save1 = nullptr;
    QAction* Print2 = nullptr;
    QAction* CopyStudents1 = nullptr;
    QAction* CopyAverages1 = nullptr;
    QAction* NewStudent1 = nullptr;
    QAction* NewGrade1 = nullptr;
    QAction* StudentProperties1 = nullptr;
    QAction* GradeProperties1 = nullptr;
    QAction* ToggleEditMode2 = nullptr;
    QAction* ChartStatistics2 = nullptr;

    // Status bar panels: 0 "Modified", 1 the mode, 2 the entry prompt.
    QLabel* StatusPanel(int i) const { return panels_[i]; }

    // --- switches of the editing rules ---
    // While the program moves the cursor before the grid is refilled or to where a command
    // asks: selection is allowed without any rule and typing-time averages are not computed.
    bool SuppressSelect() const { return suppressSelect_; }
    // While the mode is switched or a gradebook built: FinishCellEdit does nothing and
    // selection is not refused for blank names.
    bool Rebuilding() const { return rebuilding_; }

    // --- operations for every command ---
    // "Modified" follows the document: the undo stack away from its saved state, a cell
    // typed into, or a change outside the history.
    void MarkModified();
    // The gradebook now equals its file (after a save): the saved state of the history.
    void ClearModified();
    // Completes the current cell (its typing becomes one undo step) and keeps the spare row
    // and column right for the mode. False when the cell may not be left (text in the spare
    // column).
    bool FinishCellEdit();
    void ShowInvalidEntry();
    void FitColumnWidth(int c);
    void FitAllColumns();
    void AdjustRowHeight();
    void UpdateModeIndicators();
    // "Marklow - " and the title.
    void UpdateCaption();
    // Puts the cursor on (c, r) without the selection rules, as the program does.
    void PlaceCursor(int c, int r);
    // The colour an entry with this problem is drawn in, readable on the palette.
    static QColor ProblemColor(const QPalette& palette, TEntryProblem problem);
    void DrawWorkCell(QPainter& p, int c, int r, const QRect& rect, bool excused);
    // Around replacing or refilling the document: Begin parks the cursor without any
    // selection rule and stops repainting; End gives the grid the new document's frozen
    // headers, dragging, starting cell and widths, repaints and focuses it. Neither touches
    // Modified, so a refused open leaves unsaved changes marked.
    void BeginRebuild();
    void EndRebuild();
    // After the document was replaced (New, Open): the rebuild bracket, every average,
    // the check marks, an empty history and the caption.
    void GradebookReplaced();
    // The emptying steps of New, without the question: no students, grades or categories,
    // edit mode, unmodified, widths fitted. The file path is left to the caller.
    void EmptyGradebook();

    // --- view switches ---
    bool AveragesShown() const { return averagesShown_; }
    void SetAveragesShown(bool on);
    bool CurveShown() const { return curveShown_; }
    void SetCurveShown(bool on);
    void SetShowLetters(bool on);
    void SetToolBarShown(bool on);
    void SetStatusBarShown(bool on);
    // The display font for the grid and the status bar, with the sizes that follow it.
    void ApplyDisplayFont(const QFont& font);
    void SetThreeDTables(bool on);
    void SetFlatToolBar(bool on);
    bool FlatToolBar() const { return flatToolBar_; }
    void SetShowHints(bool on);
    bool HintsShown() const { return showHints_; }
    // Seconds between recovery copies of unsaved changes; 0 writes none.
    int RecoverySeconds() const { return recoverySeconds_; }
    void SetRecoverySeconds(int seconds);
    // The language preference ("" follows the desktop), checked in View > Language. It is
    // applied at the next start; choosing one says so.
    QString Language() const { return language_; }
    void SetLanguage(const QString& code);

signals:
    // The display font was applied: the dialogs that follow it take it too.
    void displayFontChanged(const QFont& font);
    // Flat tool bars or hints were switched: the print preview's tool bar follows.
    void toolBarLookChanged(bool flat, bool hints);
    void recoverySecondsChanged(int seconds);

public:

    // No tool-bar menu of its own: View > "&Tool Bar" is the one switch, stored at exit.
    QMenu* createPopupMenu() override { return nullptr; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreatePopup();
    void CreateStatusBar();
    void CreateLanguageMenu(); // language_menu.cpp
    void ConnectGrid();
    void ConnectDocument();
    void SyncGridShape();
    void SyncCheckMarks();
    void UpdateUndoActions();
    // Panel 2: the prompt for the current cell, or why its entry is marked.
    void UpdateCellPrompt();
    void CellChanged(int c, int r);
    // Widens column c when the text of (c, r) no longer fits; never narrows it.
    void GrowColumnToFit(int c, int r);
    const TWidthBound& WidthBound();
    // Pixel width of a text in the grid's font.
    std::function<int(std::string_view)> TextMeasure() const;

    // The grid's notifications (grid_editing.cpp).
    bool GradeBookSelectCell(int c, int r);
    void GradeBookSetEditText(int c, int r, const QString& text);
    bool GradeBookKeyDown(QKeyEvent& e);
    void GradeBookExit();
    void GradeBookDrawCell(QPainter& p, int c, int r, const QRect& rect);
    void GradeBookTopLeftChanged();
    void GradeBookRowMoved(int from, int to);
    void GradeBookColumnMoved(int from, int to);

    TGradebookDocument document_;
    TGradebookTable table_{document_};
    QLabel* panels_[3] = {};
    QActionGroup* modeGroup_ = nullptr;
    bool suppressSelect_ = false;
    bool rebuilding_ = false;
    bool averagesShown_ = true;
    bool curveShown_ = true;
    bool showHints_ = true;
    bool flatToolBar_ = true;
    bool firstShow_ = true;
    int recoverySeconds_ = 60;
    QString language_;
    QFont measuredFont_; // the font widthBound_ was taken from
    std::unique_ptr<TWidthBound> widthBound_;
    TEditCommands* editCommands_ = nullptr;
    TViewCommands* viewCommands_ = nullptr;
    TClipboardCommands* clipboardCommands_ = nullptr;
    TCheckCommands* checkCommands_ = nullptr;
    TChartCommands* chartCommands_ = nullptr;
    TOptionsCommands* optionsCommands_ = nullptr;
    TPrintCommands* printCommands_ = nullptr;
    THelpCommands* helpCommands_ = nullptr;
    TPropertiesCommands* propertiesCommands_ = nullptr;
    TRosterCommands* rosterCommands_ = nullptr;
    TLmsExportCommands* lmsExportCommands_ = nullptr;
};

} // namespace marklow
