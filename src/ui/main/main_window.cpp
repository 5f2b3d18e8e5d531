#include "main_window.h"

#include "averages.h"
#include "cell_rules.h"
#include "entry.h"
#include "prompts.h"
#include "text.h"
#include "tool_icons.h"

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
    GradeBook->SetDefaultColWidth(kMinColumnWidth);
    GradeBook->SetTable(&table_);
    setCentralWidget(GradeBook);

    CreateMenus();
    CreateToolBar();
    CreatePopup();
    CreateStatusBar();
    ConnectGrid();
    gradebook_.Categories.OnModeChange = [this] {
        SyncGridShape();
        UpdateModeIndicators();
    };

    resize(564, 406);
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    EmptyGradebook();
}

TSDIAppForm::~TSDIAppForm() {
    // The grid and the gradebook must not call back while the window comes apart.
    gradebook_.Categories.OnModeChange = nullptr;
    GradeBook->OnSelectCell = nullptr;
    GradeBook->OnSetEditText = nullptr;
    GradeBook->OnKeyDown = nullptr;
    GradeBook->OnExit = nullptr;
    GradeBook->OnDrawCell = nullptr;
    GradeBook->OnTopLeftChanged = nullptr;
    GradeBook->OnRowMoved = nullptr;
    GradeBook->OnColumnMoved = nullptr;
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

    FileMenu = bar->addMenu("&File");
    FileMenu->setObjectName("FileMenu");
    New1 = item(FileMenu, "New1", "&New", QKeySequence("Ctrl+N"));
    OpenItem = item(FileMenu, "OpenItem", "&Open...", QKeySequence("Ctrl+O"));
    Reopen1 = submenu(FileMenu, "Reopen1", "&Reopen...");
    Reopen1->menuAction()->setVisible(false); // until the history has entries
    SaveItem = item(FileMenu, "SaveItem", "&Save", QKeySequence("Alt+S"));
    SaveAs1 = item(FileMenu, "SaveAs1", "Save &As...", QKeySequence("Ctrl+A"));
    FileMenu->addSeparator();
    Password1 = item(FileMenu, "Password1", "Pass&word...", QKeySequence("Ctrl+W"));
    FileMenu->addSeparator();
    Print1 = item(FileMenu, "Print1", "&Print...", QKeySequence("Ctrl+P"));
    FileMenu->addSeparator();
    ExitItem = item(FileMenu, "ExitItem", "E&xit", QKeySequence("Alt+X"));

    Edit1 = bar->addMenu("&Edit");
    Edit1->setObjectName("Edit1");
    Copy1 = submenu(Edit1, "Copy1", "&Copy");
    Averages1 = item(Copy1, "Averages1", "&Averages", QKeySequence("Alt+A"));
    Names1 = item(Copy1, "Names1", "&Students", QKeySequence("Alt+N"));
    Paste1 = item(Edit1, "Paste1", "&Paste", QKeySequence("Ctrl+V"));
    DeleteStudent1 = submenu(Edit1, "DeleteStudent1", "&Delete");
    Student1 = item(DeleteStudent1, "Student1", "&Student");
    Grade1 = item(DeleteStudent1, "Grade1", "&Grade");
    Edit1->addSeparator();
    New2 = submenu(Edit1, "New2", "New");
    Student3 = item(New2, "Student3", "Student...");
    Grade4 = item(New2, "Grade4", "Grade...");
    Student2 = item(Edit1, "Student2", "&Student...", QKeySequence("Ctrl+S"));
    Grade3 = item(Edit1, "Grade3", "&Grade...", QKeySequence("Ctrl+G"));
    Edit1->addSeparator();
    // Not in the menu: a hidden item's shortcut would not work. The window carries it.
    ToggleEditMode1 = item(nullptr, "ToggleEditMode1", "&Toggle Edit Mode", QKeySequence("Ctrl+T"));
    addAction(ToggleEditMode1);
    modeGroup_ = new QActionGroup(this);
    EnterAddNames1 = check(Edit1, "EnterAddNames1", "&Edit Names", true);
    MoveViewNames1 = check(Edit1, "MoveViewNames1", "Move Names", false);
    modeGroup_->addAction(EnterAddNames1);
    modeGroup_->addAction(MoveViewNames1);
    CheckAllEntries1 = item(Edit1, "CheckAllEntries1", "Check Gradebook", QKeySequence("Alt+C"));

    View1 = bar->addMenu("&View");
    View1->setObjectName("View1");
    ToolBar2 = check(View1, "ToolBar2", "&Tool Bar", true);
    StatusBar2 = check(View1, "StatusBar2", "&Status Bar", true);
    ShowAverages = check(View1, "ShowAverages", "&Averages", true);
    LetterAverages1 = check(View1, "LetterAverages1", "&Letter Averages", false);
    Curve1 = check(View1, "Curve1", "&Curve", true);
    View1->addSeparator();
    // Each sort submenu is a radio group.
    auto radio = [&](QActionGroup* group, QMenu* menu, const char* name, const QString& caption,
                     bool on) {
        QAction* a = check(menu, name, caption, on);
        group->addAction(a);
        return a;
    };
    Sort1 = submenu(View1, "Sort1", "Sort Students");
    auto* students = new QActionGroup(this);
    UserInput1 = radio(students, Sort1, "UserInput1", "by User Input", true);
    byName1 = radio(students, Sort1, "byName1", "by Name", false);
    byAverage1 = radio(students, Sort1, "byAverage1", "by Average", false);
    byID1 = radio(students, Sort1, "byID1", "by ID", false);
    SortGrades1 = submenu(View1, "SortGrades1", "Sort Grades");
    auto* grades = new QActionGroup(this);
    UserInput2 = radio(grades, SortGrades1, "UserInput2", "by User Input", true);
    byName2 = radio(grades, SortGrades1, "byName2", "by Name", false);
    byDate1 = radio(grades, SortGrades1, "byDate1", "by Date", false);
    byCategory1 = radio(grades, SortGrades1, "byCategory1", "by Category", false);
    View1->addSeparator();
    ChartsStatistics1 = item(View1, "ChartsStatistics1", "C&harts/Statistics...");

    GradeBook1 = bar->addMenu("&Options");
    GradeBook1->setObjectName("GradeBook1");
    Categories1 = item(GradeBook1, "Categories1", "&Categories...", QKeySequence("Ctrl+5"));
    // Ctrl+W belongs to Pass&word...; here it is only shown.
    Weights1 = item(GradeBook1, "Weights1", "&Weights...\tCtrl+W");
    Letters1 = item(GradeBook1, "Letters1", "&Letter grades...", QKeySequence("Ctrl+L"));
    Other1 = item(GradeBook1, "Other1", "&Description...", QKeySequence("Ctrl+D"));
    Display1 = item(GradeBook1, "Display1", "Dis&play...");
    int page = 0;
    for (QAction* a : {Categories1, Weights1, Letters1, Other1, Display1})
        a->setData(page++);

    Help2 = bar->addMenu("&Help");
    Help2->setObjectName("Help2");
    Topics1 = item(Help2, "Topics1", "Help &Topics");
    Contents2 = item(Help2, "Contents2", "&Contents");
    Keyboard1 = item(Help2, "Keyboard1", "&Keyboard");
    HowtoUseHelp1 = item(Help2, "HowtoUseHelp1", "&How to Use Marklow Help");
    HowtoUseWindowsHelp1 = item(Help2, "HowtoUseWindowsHelp1", "How to Use Windows Help");
    About2 = item(Help2, "About2", "&About...");

    // The commands of this window.
    auto wire = [this](QAction* a, void (TSDIAppForm::*handler)()) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    wire(ToggleEditMode1, &TSDIAppForm::ToggleEditModeClick);
    wire(EnterAddNames1, &TSDIAppForm::EnterAddNames1Click);
    wire(MoveViewNames1, &TSDIAppForm::MoveViewNames1Click);
    wire(ToolBar2, &TSDIAppForm::ToolBar2Click);
    wire(StatusBar2, &TSDIAppForm::StatusBar2Click);
    wire(ShowAverages, &TSDIAppForm::ShowAveragesClick);
    wire(LetterAverages1, &TSDIAppForm::LetterAverages1Click);
    wire(Curve1, &TSDIAppForm::Curve1Click);
    wire(Student1, &TSDIAppForm::DeleteStudent1Click);
    wire(Grade1, &TSDIAppForm::DeleteGrade1Click);
}

void TSDIAppForm::CreateToolBar() {
    ToolBar1 = addToolBar("Tool Bar");
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
        {"ToolButton1", New1, TToolIcon::New, "New Gradebook"},
        {"ToolButton2", OpenItem, TToolIcon::Open, "Open Gradebook"},
        {"ToolButton3", SaveItem, TToolIcon::Save, "Save Gradebook"},
        {"ToolButton10", Password1, TToolIcon::Password, "Password"},
        {"ToolButton4", Print1, TToolIcon::Print, "Print"},
        {nullptr, nullptr, TToolIcon::New, nullptr},
        {"ToolButton14", Student2, TToolIcon::Student, "Student properties"},
        {"ToolButton15", Grade3, TToolIcon::Grade, "Grade properties"},
        {"ToolButton9", ToggleEditMode1, TToolIcon::ToggleMode, "Toggle edit mode"},
        {"ToolButton6", CheckAllEntries1, TToolIcon::Check, "Check gradebook"},
        {nullptr, nullptr, TToolIcon::New, nullptr},
        {"ToolButton8", Categories1, TToolIcon::Categories, "Categories"},
        {"ToolButton7", Weights1, TToolIcon::Weights, "Weights"},
        {"ToolButton5", Letters1, TToolIcon::Letters, "Letter grades"},
        {"ToolButton11", Other1, TToolIcon::Description, "Description"},
    };
    auto* hints = new THintFilter(this, showHints_);
    for (const Button& b : buttons) {
        if (!b.action) {
            ToolBar1->addSeparator();
            continue;
        }
        b.action->setIcon(ToolIcon(b.icon));
        b.action->setToolTip(b.hint);
        ToolBar1->addAction(b.action);
        QWidget* w = ToolBar1->widgetForAction(b.action);
        w->setObjectName(b.name);
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
    Save1 = item("Save1", "Sa&ve");
    Print2 = item("Print2", "&Print");
    GradebookPopup->addSeparator();
    CopyStudents1 = item("CopyStudents1", "&Copy Students");
    CopyAverages1 = item("CopyAverages1", "Copy &Averages");
    GradebookPopup->addSeparator();
    NewStudent1 = item("NewStudent1", "New Stu&dent");
    NewGrade1 = item("NewGrade1", "&New Grade");
    StudentProperties1 = item("StudentProperties1", "&Student Properties");
    GradeProperties1 = item("GradeProperties1", "&Grade Properties");
    GradebookPopup->addSeparator();
    ToggleEditMode2 = item("ToggleEditMode2", "&Toggle Edit Mode");
    GradebookPopup->addSeparator();
    ChartStatistics2 = item("ChartStatistics2", "C&hart/Statistics");
    ToggleEditMode2->setEnabled(true);
    connect(ToggleEditMode2, &QAction::triggered, this, &TSDIAppForm::ToggleEditModeClick);

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
        if (i < 2)
            panel->setFixedWidth(widths[i]);
        else
            panel->setMinimumWidth(widths[i]);
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
}

void TSDIAppForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!firstShow_) return;
    firstShow_ = false;
    ApplyDisplayFont(font());
    GradeBook->setFocus();
}

// --- operations ---

void TSDIAppForm::MarkModified() {
    gradebook_.Modified = true;
    panels_[0]->setText("Modified");
}

void TSDIAppForm::ClearModified() {
    gradebook_.Modified = false;
    panels_[0]->clear();
}

void TSDIAppForm::UpdateCaption() {
    setWindowTitle("Marklow - " + QString::fromStdString(gradebook_.Title));
}

void TSDIAppForm::UpdateModeIndicators() {
    const bool edit = gradebook_.EditMode();
    panels_[1]->setText(edit ? "Edit Names" : "Move Names");
    EnterAddNames1->setChecked(edit);
    MoveViewNames1->setChecked(!edit);
}

void TSDIAppForm::SyncGridShape() {
    const bool edit = gradebook_.EditMode();
    GradeBook->SetFixedCols(gradebook_.FixedCols());
    GradeBook->SetFixedRows(gradebook_.FixedRows());
    GradeBook->SetRowMoving(!edit);
    GradeBook->SetColMoving(!edit);
    GradeBook->TableChanged();
    if (!averagesShown_) {
        GradeBook->SetRowHeight(0, 0);
        GradeBook->SetColWidth(0, 0);
    }
}

bool TSDIAppForm::FinishCellEdit() {
    if (Rebuilding) return true;
    const int c = GradeBook->Col(), r = GradeBook->Row();
    const bool mayLeave = MayLeaveCell(gradebook_, c, r);
    FitColumnWidth(c);
    gradebook_.FitSpareCells();
    GradeBook->SetRowMoving(!gradebook_.EditMode());
    GradeBook->SetColMoving(!gradebook_.EditMode());
    GradeBook->TableChanged();
    return mayLeave;
}

void TSDIAppForm::ShowInvalidEntry() {
    const std::string text = InvalidEntryMessage(gradebook_, GradeBook->Col(), GradeBook->Row());
    Prompts().Message(TMessageKind::Error, QString::fromStdString(text), TButtons::Ok);
}

void TSDIAppForm::RecomputeAndShow() {
    RecomputeAll(gradebook_);
    GradeBook->InvalidateGrid();
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
    GradeBook->SetColWidth(c, FitWidth(gradebook_, c, TextMeasure(), WidthBound()));
}

void TSDIAppForm::FitAllColumns() {
    const std::vector<int> widths = FitWidths(gradebook_, TextMeasure(), WidthBound());
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

void TSDIAppForm::SetEditMode(bool on) {
    Rebuilding = true;
    gradebook_.SetEditMode(on); // reshapes and raises OnModeChange
    GradeBook->MoveCurrent(on ? 1 : 2, 2);
    Rebuilding = false;
}

void TSDIAppForm::EmptyGradebook() {
    BeginRebuild();
    Rebuilding = true;
    gradebook_.MakeEmpty();
    Rebuilding = false;
    GradebookReplaced();
}

void TSDIAppForm::BeginRebuild() {
    SuppressSelect = true;
    GradeBook->setUpdatesEnabled(false);
    GradeBook->SetCurrent(1, 1);
}

void TSDIAppForm::EndRebuild() {
    SuppressSelect = false;
    gradebook_.FitSpareCells(); // a file may come without the spare row and column
    Rebuilding = true;
    SyncGridShape();
    UpdateModeIndicators();
    GradeBook->MoveCurrent(gradebook_.EditMode() ? 1 : 2, 2);
    Rebuilding = false;
    FitAllColumns();
    GradeBook->setUpdatesEnabled(true);
    GradeBook->InvalidateGrid();
    GradeBook->setFocus();
}

void TSDIAppForm::GradebookReplaced() {
    if (!SuppressSelect) BeginRebuild();
    RecomputeAll(gradebook_); // before the widths are fitted to the averages' texts
    EndRebuild();
    LetterAverages1->setChecked(gradebook_.ShowLetters);
    ClearModified();
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
    gradebook_.ShowLetters = on;
    LetterAverages1->setChecked(on);
    RecomputeAndShow();
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
    panels_[0]->setFixedWidth(fm.horizontalAdvance(" Modified ") + frames);
    panels_[1]->setFixedWidth(fm.horizontalAdvance(" Move Names ") + frames);
    AdjustRowHeight();
    FitAllColumns();
}

void TSDIAppForm::SetThreeDTables(bool on) {
    GradeBook->SetThreeD(on);
}

void TSDIAppForm::SetFlatToolBar(bool on) {
    for (QToolButton* b : ToolBar1->findChildren<QToolButton*>())
        b->setAutoRaise(on);
}

void TSDIAppForm::SetShowHints(bool on) {
    showHints_ = on;
}

// --- commands ---

void TSDIAppForm::ToggleEditModeClick() {
    if (!CanToggleMode(gradebook_)) return;
    FinishCellEdit();
    SetEditMode(!gradebook_.EditMode());
    FinishCellEdit(); // adds or removes the spare row and column
    FitAllColumns();
    MarkModified();
}

void TSDIAppForm::EnterAddNames1Click() {
    if (!gradebook_.EditMode()) ToggleEditModeClick();
    UpdateModeIndicators(); // a refused switch puts the check mark back
}

void TSDIAppForm::MoveViewNames1Click() {
    if (gradebook_.EditMode()) ToggleEditModeClick();
    UpdateModeIndicators();
}

void TSDIAppForm::ToolBar2Click() {
    SetToolBarShown(ToolBar2->isChecked());
}
void TSDIAppForm::StatusBar2Click() {
    SetStatusBarShown(StatusBar2->isChecked());
}
void TSDIAppForm::ShowAveragesClick() {
    SetAveragesShown(ShowAverages->isChecked());
}
void TSDIAppForm::LetterAverages1Click() {
    SetShowLetters(LetterAverages1->isChecked());
}
void TSDIAppForm::Curve1Click() {
    SetCurveShown(Curve1->isChecked());
}

void TSDIAppForm::DeleteStudent1Click() {
    int c = GradeBook->Col(), r = GradeBook->Row();
    if (!CanDeleteStudent(gradebook_, r)) return;
    const QString text = "Delete Student-" + ToQString(gradebook_.Cell(1, r));
    if (Prompts().Message(TMessageKind::Confirmation, text, TButtons::OkCancel) != TAnswer::Ok)
        return;
    gradebook_.DeleteRow(r); // releases the student
    GradeBook->TableChanged();
    GradeBook->SetCurrent(c, std::min(r, gradebook_.RowCount() - 1));
    MarkModified();
    RecomputeAndShow();
}

void TSDIAppForm::DeleteGrade1Click() {
    int c = GradeBook->Col(), r = GradeBook->Row();
    if (!CanDeleteGrade(gradebook_, c)) return;
    const QString text = "Delete Grade-" + ToQString(gradebook_.Cell(c, 1));
    if (Prompts().Message(TMessageKind::Confirmation, text, TButtons::OkCancel) != TAnswer::Ok)
        return;
    gradebook_.DeleteColumn(c); // releases the grade
    GradeBook->TableChanged();
    GradeBook->SetCurrent(std::min(c, gradebook_.ColCount() - 1), r);
    FitAllColumns();
    MarkModified();
    RecomputeAndShow();
}

// --- the grid's notifications ---

bool TSDIAppForm::GradeBookSelectCell(int c, int r) {
    AdjustRowHeight();
    if (SuppressSelect) return true;
    if (c == 1 && r == 1) return false;
    if (!FinishCellEdit() && !Rebuilding) {
        ShowInvalidEntry();
        return false;
    }
    if (!Rebuilding && !MayEnterCell(gradebook_, c, r)) return false;
    panels_[2]->setText(EntryPrompt(c, r));
    GradeBook->SetEditingAllowed(true);
    return true;
}

void TSDIAppForm::GradeBookSetEditText(int c, int r, const QString& text) {
    // Every change of a cell's text is a change to the gradebook, deletions included.
    MarkModified();
    if (AddObjectForName(gradebook_, c, r, text.toStdString()) != TNewObject::None)
        GradeBook->TableChanged();
    if (c < 2 || r < 2 || SuppressSelect) return;
    UpdateAveragesForCell(gradebook_, c, r);
    GradeBook->InvalidateCell(0, r);
    GradeBook->InvalidateCell(0, 1);
    GradeBook->InvalidateCell(c, 0);
    GradeBook->InvalidateCell(1, 0);
}

bool TSDIAppForm::GradeBookKeyDown(QKeyEvent& e) {
    const int key = e.key();
    const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter || (key == Qt::Key_Tab && mods == Qt::NoModifier)) {
        FinishCellEdit();
        const TWalk walk = WalkForward(GradeBook->Col(), GradeBook->Row(), GradeBook->ColCount(),
                                       GradeBook->RowCount());
        if (walk.Consume) GradeBook->MoveCurrent(walk.Col, walk.Row);
        return walk.Consume;
    }
    const bool backTab = (key == Qt::Key_Backtab && (mods == Qt::ShiftModifier || !mods)) ||
                         (key == Qt::Key_Tab && mods == Qt::ShiftModifier);
    if (backTab) {
        const TWalk walk = WalkBack(GradeBook->Col(), GradeBook->Row());
        if (walk.Consume) GradeBook->MoveCurrent(walk.Col, walk.Row);
        return walk.Consume;
    }
    if (KeyMarksModified(key, e.modifiers(), e.text())) MarkModified();
    return false;
}

void TSDIAppForm::GradeBookExit() {
    FinishCellEdit();
}

void TSDIAppForm::GradeBookDrawCell(QPainter& p, int c, int r, const QRect& rect) {
    const auto text = OverpaintText(gradebook_, c, r, curveShown_);
    if (!text) return;
    GradeBook->PaintHeaderLook(p, rect);
    p.setPen(GradeBook->palette().color(QPalette::ButtonText));
    GradeBook->DrawCellText(p, rect, QString::fromStdString(*text));
}

void TSDIAppForm::GradeBookTopLeftChanged() {
    if (GradeBook->EditingAllowed()) GradeBook->SetEditorShown(true);
}

void TSDIAppForm::GradeBookRowMoved(int, int) {
    gradebook_.SetStudentsInUserOrder(true);
    UserInput1->setChecked(true);
    MarkModified(); // the order is saved with the file
}

void TSDIAppForm::GradeBookColumnMoved(int, int) {
    gradebook_.SetGradesInUserOrder(true);
    UserInput2->setChecked(true);
    MarkModified();
}

} // namespace marklow
