#include "main_window.h"

#include "app_settings.h"
#include "averages.h"
#include "cell_rules.h"
#include "chart_commands.h"
#include "check_commands.h"
#include "clipboard_commands.h"
#include "edit_commands.h"
#include "entry.h"
#include "grid_accessibility.h"
#include "help_commands.h"
#include "lms_export_commands.h"
#include "options_commands.h"
#include "print_commands.h"
#include "prompts.h"
#include "properties_commands.h"
#include "roster_commands.h"
#include "text.h"
#include "tool_icons.h"
#include "view_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace marklow {

namespace {

// Swallows the tool bar's tool tips while hints are off.
class THintFilter final : public QObject {
public:
    THintFilter(QObject* parent, const bool& shown) : QObject(parent), shown_(shown) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::ToolTip && !shown_) return true;
        return QObject::eventFilter(watched, e);
    }

private:
    const bool& shown_;
};

} // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("SDIAppForm");
    GradeBook = new TStringGrid1(this);
    GradeBook->setObjectName("GradeBook");
    GradeBook->setAccessibleName(tr("Gradebook"));
    GradeBook->setAccessibleDescription(
        tr("Students in rows, grades in columns; each student's average in the first column"));
    GradeBook->SetDefaultColWidth(kMinColumnWidth);
    GradeBook->SetTable(&table_);
    setCentralWidget(GradeBook);

    CreateMenus();
    CreateToolBar();
    CreatePopup();
    CreateStatusBar();
    ConnectGrid();
    ConnectDocument();
    editCommands_ = new TEditCommands(*this);
    viewCommands_ = new TViewCommands(*this);
    clipboardCommands_ = new TClipboardCommands(*this);
    checkCommands_ = new TCheckCommands(*this);
    chartCommands_ = new TChartCommands(*this);
    optionsCommands_ = new TOptionsCommands(*this);
    printCommands_ = new TPrintCommands(*this);
    propertiesCommands_ = new TPropertiesCommands(*this);
    rosterCommands_ = new TRosterCommands(*this);
    lmsExportCommands_ = new TLmsExportCommands(*this);
    checkCommands_->StudentProperties = [this](int row) {
        propertiesCommands_->Student2Click(row);
    };
    checkCommands_->GradeProperties = [this](int column) {
        propertiesCommands_->Grade2Click(column);
    };
    helpCommands_ = new THelpCommands(*this); // last: it connects the others' Help buttons
    checkCommands_->CategoryOptions = [this](int category, int field) {
        optionsCommands_->ShowCategoryField(category, field);
    };

    resize(564, 406);
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    EmptyGradebook();
}

TSDIAppForm::~TSDIAppForm() {
    // Neither the grid nor the document may call back while the window comes apart.
    document_.disconnect(this);
    GradeBook->OnSelectCell = nullptr;
    GradeBook->OnSetEditText = nullptr;
    GradeBook->OnKeyDown = nullptr;
    GradeBook->OnExit = nullptr;
    GradeBook->OnDrawCell = nullptr;
    GradeBook->OnTopLeftChanged = nullptr;
    GradeBook->OnRowMoved = nullptr;
    GradeBook->OnColumnMoved = nullptr;
    GradeBook->CanTakeCursor = nullptr;
    GradeBook->OnCurrentChanged = nullptr;
    GradeBook->OnAccessibleText = nullptr;
    GradeBook->SetTable(nullptr);
}

// --- building the window ---

void TSDIAppForm::CreateMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& key = {}) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        a->setShortcut(key);
        a->setEnabled(false); // each command is enabled once it is wired
        if (menu) menu->addAction(a);
        return a;
    };
    auto check = [&](QMenu* menu, const char* name, const QString& caption, bool on) {
        QAction* a = item(menu, name, caption);
        a->setCheckable(true);
        a->setChecked(on);
        return a;
    };
    auto submenu = [](QMenu* parent, const char* name, const QString& caption) {
        QMenu* m = parent->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "Item");
        return m;
    };
    QMenuBar* bar = menuBar();

    FileMenu = bar->addMenu(tr("&File"));
    FileMenu->setObjectName("FileMenu");
    New1 = item(FileMenu, "New1", tr("&New"), QKeySequence("Ctrl+N"));
    OpenItem = item(FileMenu, "OpenItem", tr("&Open..."), QKeySequence("Ctrl+O"));
    Reopen1 = submenu(FileMenu, "Reopen1", tr("&Reopen..."));
    Reopen1->menuAction()->setVisible(false); // until the history has entries
    SaveItem =
        item(FileMenu, "SaveItem", tr("&Save"),
             QKeySequence(tr("Alt+S", "shortcut: not the underlined letter of a menu title")));
    SaveAs1 = item(FileMenu, "SaveAs1", tr("Save &As..."), QKeySequence("Ctrl+A"));
    // For a spreadsheet or a learning-management system's grade import.
    ExportCsv1 = item(FileMenu, "ExportCsv1", tr("&Export CSV..."));
    ExportForLms1 = submenu(FileMenu, "ExportForLms1", tr("Export for &LMS"));
    Canvas1 = item(ExportForLms1, "Canvas1", tr("&Canvas..."));
    Moodle1 = item(ExportForLms1, "Moodle1", tr("&Moodle..."));
    ScoresTable1 = item(ExportForLms1, "ScoresTable1", tr("&Scores Table..."));
    ImportRoster1 = item(FileMenu, "ImportRoster1", tr("&Import Roster..."));
    FileMenu->addSeparator();
    Password1 = item(FileMenu, "Password1", tr("Pass&word..."), QKeySequence("Ctrl+W"));
    FileMenu->addSeparator();
    Print1 = item(FileMenu, "Print1", tr("&Print..."), QKeySequence("Ctrl+P"));
    FileMenu->addSeparator();
    ExitItem =
        item(FileMenu, "ExitItem", tr("E&xit"),
             QKeySequence(tr("Alt+X", "shortcut: not the underlined letter of a menu title")));

    Edit1 = bar->addMenu(tr("&Edit"));
    Edit1->setObjectName("Edit1");
    Undo1 = item(Edit1, "Undo1", tr("&Undo"), QKeySequence::Undo);
    Redo1 = item(Edit1, "Redo1", tr("&Redo"));
    Redo1->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    Edit1->addSeparator();
    Copy1 = submenu(Edit1, "Copy1", tr("&Copy"));
    Averages1 =
        item(Copy1, "Averages1", tr("&Averages"),
             QKeySequence(tr("Alt+A", "shortcut: not the underlined letter of a menu title")));
    Names1 = item(Copy1, "Names1", tr("&Students"),
                  QKeySequence(tr("Alt+N", "shortcut: not the underlined letter of a menu title")));
    Paste1 = item(Edit1, "Paste1", tr("&Paste"), QKeySequence("Ctrl+V"));
    DeleteStudent1 = submenu(Edit1, "DeleteStudent1", tr("&Delete"));
    Student1 = item(DeleteStudent1, "Student1", tr("&Student"));
    Grade1 = item(DeleteStudent1, "Grade1", tr("&Grade"));
    Edit1->addSeparator();
    New2 = submenu(Edit1, "New2", tr("New"));
    Student3 = item(New2, "Student3", tr("Student..."));
    Grade4 = item(New2, "Grade4", tr("Grade..."));
    Student2 = item(Edit1, "Student2", tr("&Student..."), QKeySequence("Ctrl+S"));
    Grade3 = item(Edit1, "Grade3", tr("&Grade..."), QKeySequence("Ctrl+G"));
    Edit1->addSeparator();
    // Not in the menu: a hidden item's shortcut would not work. The window carries it.
    ToggleEditMode1 =
        item(nullptr, "ToggleEditMode1", tr("&Toggle Edit Mode"), QKeySequence("Ctrl+T"));
    addAction(ToggleEditMode1);
    modeGroup_ = new QActionGroup(this);
    EnterAddNames1 = check(Edit1, "EnterAddNames1", tr("&Edit Names"), true);
    MoveViewNames1 = check(Edit1, "MoveViewNames1", tr("Move Names"), false);
    modeGroup_->addAction(EnterAddNames1);
    modeGroup_->addAction(MoveViewNames1);
    CheckAllEntries1 =
        item(Edit1, "CheckAllEntries1", tr("Check Gradebook"),
             QKeySequence(tr("Alt+C", "shortcut: not the underlined letter of a menu title")));

    View1 = bar->addMenu(tr("&View"));
    View1->setObjectName("View1");
    ToolBar2 = check(View1, "ToolBar2", tr("&Tool Bar"), true);
    StatusBar2 = check(View1, "StatusBar2", tr("&Status Bar"), true);
    ShowAverages = check(View1, "ShowAverages", tr("&Averages"), true);
    LetterAverages1 = check(View1, "LetterAverages1", tr("&Letter Averages"), false);
    Curve1 = check(View1, "Curve1", tr("&Curve"), true);
    View1->addSeparator();
    // Each sort submenu is a radio group.
    auto radio = [&](QActionGroup* group, QMenu* menu, const char* name, const QString& caption,
                     bool on) {
        QAction* a = check(menu, name, caption, on);
        group->addAction(a);
        return a;
    };
    Sort1 = submenu(View1, "Sort1", tr("Sort Students"));
    // After opening a file whose order is a sort, neither submenu carries a check mark.
    auto* students = new QActionGroup(this);
    students->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    UserInput1 = radio(students, Sort1, "UserInput1", tr("by User Input"), true);
    byName1 = radio(students, Sort1, "byName1", tr("by Name"), false);
    byAverage1 = radio(students, Sort1, "byAverage1", tr("by Average"), false);
    byID1 = radio(students, Sort1, "byID1", tr("by ID"), false);
    SortGrades1 = submenu(View1, "SortGrades1", tr("Sort Grades"));
    auto* grades = new QActionGroup(this);
    grades->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    UserInput2 = radio(grades, SortGrades1, "UserInput2", tr("by User Input"), true);
    byName2 = radio(grades, SortGrades1, "byName2", tr("by Name"), false);
    byDate1 = radio(grades, SortGrades1, "byDate1", tr("by Date"), false);
    byCategory1 = radio(grades, SortGrades1, "byCategory1", tr("by Category"), false);
    View1->addSeparator();
    ChartsStatistics1 = item(View1, "ChartsStatistics1", tr("C&harts/Statistics..."));
    CreateLanguageMenu();

    GradeBook1 = bar->addMenu(tr("&Options"));
    GradeBook1->setObjectName("GradeBook1");
    Categories1 = item(GradeBook1, "Categories1", tr("&Categories..."), QKeySequence("Ctrl+5"));
    // Ctrl+W belongs to Pass&word...; here it is only shown, named as the keyboard names it.
    Weights1 =
        item(GradeBook1, "Weights1",
             tr("&Weights...") + '\t' + QKeySequence("Ctrl+W").toString(QKeySequence::NativeText));
    Letters1 = item(GradeBook1, "Letters1", tr("&Letter grades..."), QKeySequence("Ctrl+L"));
    Other1 = item(GradeBook1, "Other1", tr("&Description..."), QKeySequence("Ctrl+D"));
    Display1 = item(GradeBook1, "Display1", tr("Dis&play..."));
    int page = 0;
    for (QAction* a : {Categories1, Weights1, Letters1, Other1, Display1})
        a->setData(page++);

    Help2 = bar->addMenu(tr("&Help"));
    Help2->setObjectName("Help2");
    Topics1 = item(Help2, "Topics1", tr("Help &Topics"));
    Contents2 = item(Help2, "Contents2", tr("&Contents"));
    Keyboard1 = item(Help2, "Keyboard1", tr("&Keyboard"));
    HowtoUseHelp1 = item(Help2, "HowtoUseHelp1", tr("&How to Use Marklow Help"));
    HowtoUseWindowsHelp1 = item(Help2, "HowtoUseWindowsHelp1", tr("How to Use Windows Help"));
    About2 = item(Help2, "About2", tr("&About..."));
}

void TSDIAppForm::CreateToolBar() {
    ToolBar1 = addToolBar(tr("Tool Bar"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    struct Button {
        const char* name;
        QAction* action;
        TToolIcon icon;
        const char* hint;
    };
    const Button buttons[] = {
        {"ToolButton1", New1, TToolIcon::New, QT_TR_NOOP("New Gradebook")},
        {"ToolButton2", OpenItem, TToolIcon::Open, QT_TR_NOOP("Open Gradebook")},
        {"ToolButton3", SaveItem, TToolIcon::Save, QT_TR_NOOP("Save Gradebook")},
        {"ToolButton10", Password1, TToolIcon::Password, QT_TR_NOOP("Password")},
        {"ToolButton4", Print1, TToolIcon::Print, QT_TR_NOOP("Print")},
        {nullptr, nullptr, TToolIcon::New, nullptr},
        {"ToolButton14", Student2, TToolIcon::Student, QT_TR_NOOP("Student properties")},
        {"ToolButton15", Grade3, TToolIcon::Grade, QT_TR_NOOP("Grade properties")},
        {"ToolButton9", ToggleEditMode1, TToolIcon::ToggleMode, QT_TR_NOOP("Toggle edit mode")},
        {"ToolButton6", CheckAllEntries1, TToolIcon::Check, QT_TR_NOOP("Check gradebook")},
        {nullptr, nullptr, TToolIcon::New, nullptr},
        {"ToolButton8", Categories1, TToolIcon::Categories, QT_TR_NOOP("Categories")},
        {"ToolButton7", Weights1, TToolIcon::Weights, QT_TR_NOOP("Weights")},
        {"ToolButton5", Letters1, TToolIcon::Letters, QT_TR_NOOP("Letter grades")},
        {"ToolButton11", Other1, TToolIcon::Description, QT_TR_NOOP("Description")},
    };
    auto* hints = new THintFilter(this, showHints_);
    for (const Button& b : buttons) {
        if (!b.action) {
            ToolBar1->addSeparator();
            continue;
        }
        b.action->setIcon(ToolIcon(b.icon));
        b.action->setToolTip(tr(b.hint));
        ToolBar1->addAction(b.action);
        QWidget* w = ToolBar1->widgetForAction(b.action);
        w->setObjectName(b.name);
        // A screen reader says the hint rather than the bare caption, and the key doing the same.
        w->setAccessibleName(b.action->toolTip());
        const QString keys = b.action->shortcut().toString(QKeySequence::NativeText);
        if (!keys.isEmpty()) w->setAccessibleDescription(tr("Shortcut %1").arg(keys));
        w->installEventFilter(hints);
    }
}

void TSDIAppForm::CreatePopup() {
    GradebookPopup = new QMenu(this);
    GradebookPopup->setObjectName("GradebookPopup");
    auto item = [this](const char* name, const QString& caption) {
        QAction* a = GradebookPopup->addAction(caption);
        a->setObjectName(name);
        a->setEnabled(false);
        return a;
    };
    Save1 = item("Save1", tr("Sa&ve"));
    Print2 = item("Print2", tr("&Print"));
    GradebookPopup->addSeparator();
    CopyStudents1 = item("CopyStudents1", tr("&Copy Students"));
    CopyAverages1 = item("CopyAverages1", tr("Copy &Averages"));
    GradebookPopup->addSeparator();
    NewStudent1 = item("NewStudent1", tr("New Stu&dent"));
    NewGrade1 = item("NewGrade1", tr("&New Grade"));
    StudentProperties1 = item("StudentProperties1", tr("&Student Properties"));
    GradeProperties1 = item("GradeProperties1", tr("&Grade Properties"));
    GradebookPopup->addSeparator();
    ToggleEditMode2 = item("ToggleEditMode2", tr("&Toggle Edit Mode"));
    GradebookPopup->addSeparator();
    ChartStatistics2 = item("ChartStatistics2", tr("C&hart/Statistics"));

    GradeBook->setContextMenuPolicy(Qt::CustomContextMenu);
    GradeBook->Editor()->setContextMenuPolicy(Qt::NoContextMenu); // the grid's menu instead
    connect(GradeBook, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        GradebookPopup->popup(GradeBook->viewport()->mapToGlobal(pos));
    });
}

void TSDIAppForm::CreateStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    const int widths[] = {75, 85, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(StatusBar1);
        panel->setObjectName(QString("Panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(i < 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        if (i < 2) {
            // Never narrower than the panel's texts in the language shown.
            const QFontMetrics fm(panel->font());
            int text = fm.horizontalAdvance(" " + tr("Modified") + " ");
            if (i == 1)
                text = std::max(fm.horizontalAdvance(" " + tr("Move Names") + " "),
                                fm.horizontalAdvance(" " + tr("Edit Names") + " "));
            panel->setFixedWidth(std::max(widths[i], text + 2 * panel->frameWidth()));
        } else {
            // The prompt gives way in a narrow window rather than pushing over the others.
            panel->setMinimumWidth(0);
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        }
        StatusBar1->addWidget(panel, i < 2 ? 0 : 1); // the last panel takes the rest
        panels_[i] = panel;
    }
}

void TSDIAppForm::ConnectGrid() {
    GradeBook->OnSelectCell = [this](int c, int r) { return GradeBookSelectCell(c, r); };
    GradeBook->OnSetEditText = [this](int c, int r, const QString& text) {
        GradeBookSetEditText(c, r, text);
    };
    GradeBook->OnKeyDown = [this](QKeyEvent& e) { return GradeBookKeyDown(e); };
    GradeBook->OnExit = [this] { GradeBookExit(); };
    GradeBook->OnDrawCell = [this](QPainter& p, int c, int r, const QRect& rect, TGridDrawState) {
        GradeBookDrawCell(p, c, r, rect);
    };
    GradeBook->OnTopLeftChanged = [this] { GradeBookTopLeftChanged(); };
    GradeBook->OnRowMoved = [this](int from, int to) { GradeBookRowMoved(from, to); };
    GradeBook->OnColumnMoved = [this](int from, int to) { GradeBookColumnMoved(from, to); };
    GradeBook->CanTakeCursor = [this](int c, int r) { return TakesCursor(Gradebook(), c, r); };
    GradeBook->OnCurrentChanged = [this] { UpdateCellPrompt(); };
    // The names head the rows and columns for a screen reader, in either mode.
    GradeBook->SetHeaderLines(1, 1);
    GradeBook->OnAccessibleText = [this](int c, int r) {
        return CellAnnouncement(Gradebook(), c, r, averagesShown_, curveShown_);
    };
}

// The grid, the panels and the menus follow what the document says changed.
void TSDIAppForm::ConnectDocument() {
    TGradebookDocument* doc = &document_;
    connect(doc, &TGradebookDocument::cellChanged, this, &TSDIAppForm::CellChanged);
    connect(doc, &TGradebookDocument::shapeChanged, this, &TSDIAppForm::SyncGridShape);
    connect(doc, &TGradebookDocument::widthsChanged, this, &TSDIAppForm::FitAllColumns);
    connect(doc, &TGradebookDocument::averagesChanged, this, [this] {
        GradeBook->InvalidateGrid();
        FitColumnWidth(0);
        UpdateCellPrompt(); // a grade's points may have changed
    });
    connect(doc, &TGradebookDocument::modeChanged, this, [this] {
        SyncGridShape();
        UpdateModeIndicators();
    });
    connect(doc, &TGradebookDocument::switchesChanged, this, &TSDIAppForm::SyncCheckMarks);
    connect(doc, &TGradebookDocument::modifiedChanged, this,
            [this](bool on) { panels_[0]->setText(on ? tr("Modified") : QString()); });
    connect(doc, &TGradebookDocument::undoRedoChanged, this, &TSDIAppForm::UpdateUndoActions);
    connect(doc, &TGradebookDocument::cursorRequested, this, &TSDIAppForm::PlaceCursor);
}

void TSDIAppForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!firstShow_) return;
    firstShow_ = false;
    ApplyDisplayFont(font());
    GradeBook->setFocus();
}

// --- following the document ---

void TSDIAppForm::CellChanged(int c, int r) {
    GradeBook->TableChanged(); // reloads the editor when its cell's text changed
    for (auto [cc, rr] : {std::pair{c, r}, {0, r}, {c, 0}, {0, 1}, {1, 0}})
        GradeBook->InvalidateCell(cc, rr);
    FitColumnWidth(c);
    if (c >= 2 && r >= 2) FitColumnWidth(0);
}

void TSDIAppForm::SyncGridShape() {
    const TGradebook& gb = Gradebook();
    const bool edit = gb.EditMode();
    GradeBook->SetFixedCols(gb.FixedCols());
    GradeBook->SetFixedRows(gb.FixedRows());
    GradeBook->SetRowMoving(!edit);
    GradeBook->SetColMoving(!edit);
    // End and Ctrl+End stop at the last grade and student, not in the spare cells.
    GradeBook->SetLastMovable(edit ? gb.LastGradeColumn() : -1, edit ? gb.LastStudentRow() : -1);
    GradeBook->TableChanged();
    if (!averagesShown_) {
        GradeBook->SetRowHeight(0, 0);
        GradeBook->SetColWidth(0, 0);
    }
}

void TSDIAppForm::SyncCheckMarks() {
    LetterAverages1->setChecked(Gradebook().ShowLetters);
    QAction* const students[] = {UserInput1, byName1, byAverage1, byID1};
    QAction* const grades[] = {UserInput2, byName2, byDate1, byCategory1};
    const int student = static_cast<int>(document_.StudentSort());
    const int grade = static_cast<int>(document_.GradeSort());
    for (int i = 0; i < 4; ++i) {
        students[i]->setChecked(i == student);
        grades[i]->setChecked(i == grade);
    }
}

void TSDIAppForm::UpdateCellPrompt() {
    // Only about the entry under the cursor: a message about a cell the cursor has left, or
    // an entry that has left the cursor's cell, would send the teacher to the wrong entry.
    if (suppressSelect_) return;
    panels_[2]->setText(CellPrompt(Gradebook(), GradeBook->Col(), GradeBook->Row()));
}

void TSDIAppForm::UpdateUndoActions() {
    Undo1->setText(document_.UndoText());
    Undo1->setEnabled(document_.CanUndo());
    Redo1->setText(document_.RedoText());
    Redo1->setEnabled(document_.CanRedo());
}

void TSDIAppForm::PlaceCursor(int c, int r) {
    // Only where the teacher may type: a score needs a named student and grade, so the
    // cursor goes to the name still missing instead.
    const TGradebook& gb = Gradebook();
    if (c == 1 && r == 1) r = 2;
    if (!MayEnterCell(gb, c, r)) {
        if (r < gb.RowCount() && IsBlank(gb.Cell(1, r)))
            c = 1;
        else
            r = 1;
    }
    {
        TSwitchOn suppress(suppressSelect_);
        GradeBook->SetCurrent(c, r);
    }
    c = GradeBook->Col();
    r = GradeBook->Row();
    // In edit mode new grades are typed into the name row: keep it in view at the top.
    if (Gradebook().EditMode() && r == 2) GradeBook->SetTopRow(1);
    panels_[2]->setText(CellPrompt(Gradebook(), c, r));
    GradeBook->SetEditingAllowed(true);
}

// --- operations ---

void TSDIAppForm::MarkModified() {
    document_.MarkModified();
}

void TSDIAppForm::ClearModified() {
    document_.SetSaved();
}

void TSDIAppForm::UpdateCaption() {
    setWindowTitle(tr("Marklow - %1").arg(document_.Title()));
}

void TSDIAppForm::UpdateModeIndicators() {
    const bool edit = Gradebook().EditMode();
    panels_[1]->setText(edit ? tr("Edit Names") : tr("Move Names"));
    EnterAddNames1->setChecked(edit);
    MoveViewNames1->setChecked(!edit);
}

const TWidthBound& TSDIAppForm::WidthBound() {
    if (!widthBound_ || GradeBook->font() != measuredFont_) { // once per font
        measuredFont_ = GradeBook->font();
        const QFontMetrics fm(measuredFont_);
        widthBound_ = std::make_unique<TWidthBound>(
            [&fm](char ch) { return fm.horizontalAdvance(QChar(ch)); }, fm.maxWidth());
    }
    return *widthBound_;
}

std::function<int(std::string_view)> TSDIAppForm::TextMeasure() const {
    return [fm = QFontMetrics(GradeBook->font())](std::string_view text) {
        return fm.horizontalAdvance(ToQString(text));
    };
}

void TSDIAppForm::FitColumnWidth(int c) {
    if (c == 0 && !averagesShown_) {
        GradeBook->SetColWidth(0, 0);
        return;
    }
    GradeBook->SetColWidth(c, FitWidth(Gradebook(), c, TextMeasure(), WidthBound()));
}

void TSDIAppForm::FitAllColumns() {
    const std::vector<int> widths = FitWidths(Gradebook(), TextMeasure(), WidthBound());
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        GradeBook->SetColWidth(c, c == 0 && !averagesShown_ ? 0 : widths[static_cast<size_t>(c)]);
}

void TSDIAppForm::AdjustRowHeight() {
    const int h = QFontMetrics(GradeBook->font()).height() + 4;
    if (h == GradeBook->DefaultRowHeight()) return;
    const bool editing = GradeBook->EditingAllowed();
    GradeBook->SetEditingAllowed(false);
    GradeBook->SetDefaultRowHeight(h);
    GradeBook->SetEditingAllowed(editing);
    if (!averagesShown_) GradeBook->SetRowHeight(0, 0);
}

void TSDIAppForm::EmptyGradebook() {
    // A new gradebook leaves the sort check marks as they were ("by User Input" at start).
    const TStudentSort students = document_.StudentSort();
    const TGradeSort grades = document_.GradeSort();
    BeginRebuild();
    {
        TSwitchOn rebuilding(rebuilding_);
        Gradebook().MakeEmpty();
    }
    GradebookReplaced();
    document_.SetSorts(students, grades);
}

void TSDIAppForm::BeginRebuild() {
    suppressSelect_ = true; // until EndRebuild
    GradeBook->setUpdatesEnabled(false);
    GradeBook->SetCurrent(1, 1);
}

void TSDIAppForm::EndRebuild() {
    suppressSelect_ = false;
    TGradebook& gb = Gradebook();
    gb.FitSpareCells(); // a file may come without the spare row and column
    {
        TSwitchOn rebuilding(rebuilding_);
        SyncGridShape();
        UpdateModeIndicators();
        GradeBook->MoveCurrent(gb.EditMode() ? 1 : 2, 2);
    }
    FitAllColumns();
    GradeBook->SetTopRow(GradeBook->FixedRows());
    GradeBook->SetLeftCol(GradeBook->FixedCols());
    GradeBook->setUpdatesEnabled(true);
    GradeBook->InvalidateGrid();
    GradeBook->setFocus();
}

void TSDIAppForm::GradebookReplaced() {
    if (!suppressSelect_) BeginRebuild();
    document_.ResetHistory();  // before anything reads the old gradebook's pending cell
    RecomputeAll(Gradebook()); // before the widths are fitted to the averages' texts
    EndRebuild();
    document_.SortsFromSwitches();
    SyncCheckMarks();
    UpdateCaption();
}

// --- view switches ---

void TSDIAppForm::SetAveragesShown(bool on) {
    averagesShown_ = on;
    ShowAverages->setChecked(on);
    if (on) {
        GradeBook->SetRowHeight(0, GradeBook->DefaultRowHeight());
        FitColumnWidth(0);
    } else {
        GradeBook->SetRowHeight(0, 0);
        GradeBook->SetColWidth(0, 0);
    }
}

void TSDIAppForm::SetCurveShown(bool on) {
    curveShown_ = on;
    Curve1->setChecked(on);
    GradeBook->InvalidateGrid();
}

void TSDIAppForm::SetShowLetters(bool on) {
    TGradebook& gb = Gradebook();
    gb.ShowLetters = on;
    LetterAverages1->setChecked(on);
    RecomputeAll(gb);
    GradeBook->InvalidateGrid();
    FitColumnWidth(0);
}

void TSDIAppForm::SetToolBarShown(bool on) {
    ToolBar2->setChecked(on);
    ToolBar1->setVisible(on);
}

void TSDIAppForm::SetStatusBarShown(bool on) {
    StatusBar2->setChecked(on);
    StatusBar1->setVisible(on);
}

void TSDIAppForm::ApplyDisplayFont(const QFont& font) {
    setFont(font);
    GradeBook->setFont(font);
    StatusBar1->setFont(font);
    const QFontMetrics fm(font);
    StatusBar1->setFixedHeight(fm.height() + 8);
    // The panels' frames come on top of their texts' widths.
    const int frames = 2 * panels_[0]->frameWidth();
    // Wide enough for either text of the mode panel in the language shown.
    panels_[0]->setFixedWidth(fm.horizontalAdvance(" " + tr("Modified") + " ") + frames);
    panels_[1]->setFixedWidth(std::max(fm.horizontalAdvance(" " + tr("Move Names") + " "),
                                       fm.horizontalAdvance(" " + tr("Edit Names") + " ")) +
                              frames);
    AdjustRowHeight();
    FitAllColumns();
    emit displayFontChanged(font);
}

void TSDIAppForm::SetThreeDTables(bool on) {
    GradeBook->SetThreeD(on);
}

void TSDIAppForm::SetFlatToolBar(bool on) {
    flatToolBar_ = on;
    emit toolBarLookChanged(flatToolBar_, showHints_);
    for (QToolButton* b : ToolBar1->findChildren<QToolButton*>())
        b->setAutoRaise(on);
}

void TSDIAppForm::SetShowHints(bool on) {
    showHints_ = on;
    emit toolBarLookChanged(flatToolBar_, showHints_);
    Gradebook().Preferences.ShowHints = on;
}

void TSDIAppForm::SetRecoverySeconds(int seconds) {
    seconds = std::clamp(seconds, 0, kMaxRecoverySeconds);
    if (seconds == recoverySeconds_) return;
    recoverySeconds_ = seconds;
    emit recoverySecondsChanged(seconds);
}

} // namespace marklow
