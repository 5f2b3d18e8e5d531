#include "chart_form.h"

#include "button_descriptions.h"
#include "chart_curve.h"
#include "prompts.h"
#include "translations.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace marklow {

namespace {

constexpr int kHelpTopic = 50;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QToolButton* AddButton(QToolBar* bar, const QString& caption, bool toggle) {
    auto* b = new QToolButton(bar);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setCheckable(toggle);
    // At least the usual width, wider where a translated caption needs it.
    b->setMinimumWidth(81);
    bar->addWidget(b);
    return b;
}

QStringList ToQStrings(const std::vector<std::string>& list) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(list.size()));
    for (const std::string& s : list)
        out << Q(s);
    return out;
}

// A list of many names: sized by a fixed number of characters, not by measuring every entry.
QComboBox* MakeList(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(28);
    combo->setMaxVisibleItems(20);
    return combo;
}

} // namespace

TChartForm::TChartForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("ChartForm", "Chart & Statistics"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    layout->addWidget(ToolBar1);
    BuildPanel();
    layout->addWidget(Panel1);
    Graph1 = new TMyGraph(this);
    layout->addWidget(Graph1, 1);
    BuildPopup();
    resize(900, 640);
}

TChartForm::~TChartForm() = default;

void TChartForm::BuildToolBar() {
    ToolBar1 = new QToolBar(this);
    PrintButton = AddButton(ToolBar1, QCoreApplication::translate("ChartForm", "Print"), false);
    CloseButton = AddButton(ToolBar1, QCoreApplication::translate("ChartForm", "Close"), false);
    ToolBar1->addSeparator();
    InitsButton = AddButton(ToolBar1, QCoreApplication::translate("ChartForm", "Initials"), true);
    ToolBar1->addSeparator();
    HistoButton = AddButton(ToolBar1, QCoreApplication::translate("ChartForm", "Histogram"), true);
    SingleButton =
        AddButton(ToolBar1, QCoreApplication::translate("ChartForm", "Single Letter"), true);
    LetterButton =
        AddButton(ToolBar1, QCoreApplication::translate("ChartForm", "Letter Stats"), true);
    ToolBar1->addSeparator();
    HelpButton = AddButton(ToolBar1, QCoreApplication::translate("ChartForm", "Help"), false);
    PrintButton->setAccessibleDescription(
        QCoreApplication::translate("ChartForm", "Print the chart or a description of its data"));
    DescribeButton(CloseButton, TButtonRole::Close);
    InitsButton->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm", "Label each bar with initials instead of a number"));
    HistoButton->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm", "Count how many values fall into each letter range, one bar per letter"));
    SingleButton->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm", "Merge the letter ranges that begin with the same letter into one bar"));
    LetterButton->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm", "Compute the statistics on letter points instead of percentages"));
    DescribeButton(HelpButton, TButtonRole::Help);
    PrintButton->setEnabled(false);

    connect(PrintButton, &QToolButton::clicked, this, [this] {
        if (PrintChart) PrintChart();
    });
    connect(CloseButton, &QToolButton::clicked, this, &QDialog::accept);
    connect(InitsButton, &QToolButton::clicked, this, &TChartForm::InitsButtonClick);
    connect(HistoButton, &QToolButton::clicked, this, &TChartForm::HistoButtonClick);
    connect(SingleButton, &QToolButton::clicked, this, &TChartForm::SingleOrLetterClick);
    connect(LetterButton, &QToolButton::clicked, this, &TChartForm::SingleOrLetterClick);
    connect(HelpButton, &QToolButton::clicked, this, [this] {
        if (ShowHelp) ShowHelp(kHelpTopic);
    });
}

void TChartForm::BuildPanel() {
    Panel1 = new QWidget(this);
    auto* row = new QHBoxLayout(Panel1);

    RadioGroup1 = new QGroupBox(QCoreApplication::translate("ChartForm", "Data Type"), Panel1);
    auto* radios = new QHBoxLayout(RadioGroup1);
    GradeRadio = new QRadioButton(QCoreApplication::translate("ChartForm", "Grade"), RadioGroup1);
    StudentRadio =
        new QRadioButton(QCoreApplication::translate("ChartForm", "Student"), RadioGroup1);
    GradeRadio->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm",
        "Chart the class averages of the grades, or the students' results in one grade"));
    StudentRadio->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm", "Chart the students' averages, or one student's results in every grade"));
    GradeRadio->setChecked(true);
    radios->addWidget(GradeRadio);
    radios->addWidget(StudentRadio);
    row->addWidget(RadioGroup1);

    auto* data = new QGroupBox(QCoreApplication::translate("ChartForm", "Data"), Panel1);
    auto* lists = new QHBoxLayout(data);
    GradeCombo = MakeList(data);
    StudentCombo = MakeList(data);
    lists->addWidget(GradeCombo);
    lists->addWidget(StudentCombo);
    GradeCombo->setAccessibleDescription(
        QCoreApplication::translate("ChartForm", "The grade to chart, or the class averages"));
    StudentCombo->setAccessibleDescription(
        QCoreApplication::translate("ChartForm", "The student to chart, or the student averages"));
    StudentCombo->hide();
    row->addWidget(data);

    auto* type = new QGroupBox(QCoreApplication::translate("ChartForm", "Chart Type"), Panel1);
    auto* types = new QHBoxLayout(type);
    ComboBox2 = new QComboBox(type);
    // Shown in the language of the windows; the item's data is the type's own name.
    for (const char* name :
         {QT_TRANSLATE_NOOP("ChartForm", "2D bar"), QT_TRANSLATE_NOOP("ChartForm", "3D bar"),
          QT_TRANSLATE_NOOP("ChartForm", "Line"), QT_TRANSLATE_NOOP("ChartForm", "Area")})
        ComboBox2->addItem(QCoreApplication::translate("ChartForm", name), QString(name));
    ComboBox2->setCurrentIndex(ComboBox2->findData(QStringLiteral("Line")));
    ComboBox2->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm", "How the values are drawn: bars, a line or an area"));
    types->addWidget(ComboBox2);
    row->addWidget(type);

    CheckBox1 = new QCheckBox(QCoreApplication::translate("ChartForm", "Horizontal"), Panel1);
    CheckBox1->setAccessibleDescription(QCoreApplication::translate(
        "ChartForm", "Lay the bars on their side, which suits long lists"));
    CheckBox1->hide();
    row->addWidget(CheckBox1);
    row->addStretch(1);

    connect(GradeRadio, &QRadioButton::toggled, this, [this](bool) { DataTypeChanged(); });
    connect(GradeCombo, &QComboBox::currentIndexChanged, this, [this] { EntryChosen(); });
    connect(StudentCombo, &QComboBox::currentIndexChanged, this, [this] { EntryChosen(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { SetTitles(); });
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { SetTitles(); });
}

void TChartForm::BuildPopup() {
    PopupMenu1 = new QMenu(this);
    Print2 = PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "&Print"));
    SavePicture1 =
        PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "Sa&ve Picture..."));
    Close2 = PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "&Close"));
    Help2 = PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "&Help"));
    PopupMenu1->addSeparator();
    Initials1 =
        PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "&Initials/Letter Names"));
    Histogram1 = PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "Hi&stogram"));
    SingleLetter1 =
        PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "Single &Letter"));
    LetterStats1 = PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "Letter S&tats"));
    PopupMenu1->addSeparator();
    ChangeCurve1 = PopupMenu1->addAction(QCoreApplication::translate("ChartForm", "Change C&urve"));
    Print2->setEnabled(false);

    // Each toggle item works its button, which then acts as for a click.
    const std::pair<QAction*, QToolButton*> toggles[] = {{Initials1, InitsButton},
                                                         {Histogram1, HistoButton},
                                                         {SingleLetter1, SingleButton},
                                                         {LetterStats1, LetterButton}};
    for (auto [action, button] : toggles) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, button, &QToolButton::click);
    }
    connect(Print2, &QAction::triggered, PrintButton, &QToolButton::click);
    connect(SavePicture1, &QAction::triggered, this, &TChartForm::SavePictureClick);
    connect(Close2, &QAction::triggered, this, &QDialog::accept);
    connect(Help2, &QAction::triggered, HelpButton, &QToolButton::click);
    connect(ChangeCurve1, &QAction::triggered, this, &TChartForm::ChangeCurveClick);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TChartForm::PopupMenu1Popup);

    for (QWidget* w : {Panel1, static_cast<QWidget*>(Graph1)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& at) { PopupMenu1->popup(w->mapToGlobal(at)); });
    }
}

void TChartForm::PopupMenu1Popup() {
    Initials1->setChecked(InitsButton->isChecked());
    Histogram1->setChecked(HistoButton->isChecked());
    SingleLetter1->setChecked(SingleButton->isChecked());
    LetterStats1->setChecked(LetterButton->isChecked());
    ChangeCurve1->setVisible(ChangeCurve && GradeRadio->isChecked() &&
                             GradeCombo->currentIndex() >= 1);
}

void TChartForm::Prepare(const TGradebook& gb, int currentColumn, int currentRow,
                         bool flatToolbars) {
    gb_ = &gb;
    curveChanged_ = false;
    for (QToolButton* b : ToolBar1->findChildren<QToolButton*>())
        b->setAutoRaise(flatToolbars);
    PrintButton->setEnabled(static_cast<bool>(PrintChart));
    Print2->setEnabled(static_cast<bool>(PrintChart));
    labels_ = MakeChartLabels(gb);
    {
        const QSignalBlocker block1(StudentCombo), block2(GradeCombo), block3(GradeRadio);
        StudentCombo->clear();
        StudentCombo->addItems(ToQStrings(StudentListEntries(gb)));
        if (StudentCombo->count()) StudentCombo->setItemText(0, CoreText("Student Averages"));
        const bool studentRow = currentRow >= 2 && currentRow <= gb.LastStudentRow();
        StudentCombo->setCurrentIndex(StudentCombo->count() > 0 ? (studentRow ? currentRow - 1 : 0)
                                                                : -1);
        GradeRadio->setChecked(true);
        GradeCombo->clear();
        GradeCombo->addItems(ToQStrings(GradeListEntries(gb)));
        if (GradeCombo->count()) GradeCombo->setItemText(0, CoreText("Class Averages"));
        const bool gradeColumn = currentColumn >= 2 && currentColumn <= gb.LastGradeColumn();
        GradeCombo->setCurrentIndex(GradeCombo->count() > 0 ? (gradeColumn ? currentColumn - 1 : 0)
                                                            : -1);
    }
    DataTypeChanged();
}

int TChartForm::ShowFor(const TGradebook& gb, int currentColumn, int currentRow,
                        bool flatToolbars) {
    Prepare(gb, currentColumn, currentRow, flatToolbars);
    setWindowState(windowState() | Qt::WindowMaximized);
    const int result = Prompts().ExecDialog(*this);
    PopupMenu1->hide();
    // The window keeps its picture and lists but no longer reads the gradebook.
    gb_ = nullptr;
    return result;
}

TChartSelection TChartForm::Selection() const {
    TChartSelection s;
    const bool grades = GradeRadio->isChecked();
    s.DataType = grades ? TDataType::Grade : TDataType::Student;
    s.Entry = std::max(0, (grades ? GradeCombo : StudentCombo)->currentIndex());
    s.Histogram = HistoButton->isChecked();
    s.SingleLetter = SingleButton->isChecked();
    s.LetterStats = LetterButton->isChecked();
    return s;
}

std::string TChartForm::ChosenEntryText() const {
    return (GradeRadio->isChecked() ? GradeCombo : StudentCombo)->currentText().toStdString();
}

std::string TChartForm::ChartDescriptionText() const {
    return ChartDescription(ComboBox2->currentData().toString().toStdString(),
                            CheckBox1->isChecked(), HistoButton->isChecked());
}

void TChartForm::PaintChart(QPainter& painter, const QRectF& rect) const {
    Graph1->Paint(painter, rect);
}

void TChartForm::DataTypeChanged() {
    const bool grades = GradeRadio->isChecked();
    GradeCombo->setVisible(grades);
    StudentCombo->setVisible(!grades);
    EntryChosen();
}

void TChartForm::EntryChosen() {
    if (!gb_) return;
    Recompute();
    HandOver();
    SetTitles();
}

void TChartForm::Recompute() {
    if (!gb_) return;
    result_ = ComputeChart(*gb_, labels_, Selection());
}

void TChartForm::HandOver() {
    Graph1->ClearPoints();
    const std::vector<TChartItem> shown = result_.ShownSeries();
    // One point makes no chart: the window shows the titles and the statistics alone.
    if (shown.size() >= 2) {
        const bool initials = InitsButton->isChecked();
        Graph1->SetPointCount(static_cast<int>(shown.size()));
        for (size_t i = 0; i < shown.size(); ++i) {
            const int e = static_cast<int>(i) + 1;
            Graph1->SetPointLabel(e, initials ? FirstCharacters(shown[i].Label, 2)
                                              : std::to_string(e));
            Graph1->SetPointValue(e, shown[i].Value);
        }
    }
    Graph1->SetNote(result_.NoLetterThresholds
                        ? QCoreApplication::translate(
                              "ChartForm", "The Numbers to Letters table has no letter thresholds.")
                              .toStdString()
                        : std::string());
}

void TChartForm::SetTitles() {
    const int type = ChartTypeIndex(ComboBox2->currentData().toString().toStdString());
    Graph1->SetChartType(type);
    const bool bars = type == kChart2DBar || type == kChart3DBar;
    CheckBox1->setVisible(bars);
    Graph1->SetHorizontal(bars && CheckBox1->isChecked());
    Graph1->SetChartTitle(ChosenEntryText());
    Graph1->SetStatsLine(CoreText(result_.StatsLine).toStdString());
    Graph1->SetMedianLine(CoreText(result_.MedianLine).toStdString());
}

void TChartForm::HistoButtonClick() {
    const bool down = HistoButton->isChecked();
    InitsButton->setText(down ? QCoreApplication::translate("ChartForm", "Letters")
                              : QCoreApplication::translate("ChartForm", "Initials"));
    ComboBox2->setCurrentIndex(
        ComboBox2->findData(down ? QStringLiteral("2D bar") : QStringLiteral("Line")));
    EntryChosen();
}

void TChartForm::SingleOrLetterClick() {
    if (HistoButton->isChecked()) EntryChosen();
}

void TChartForm::InitsButtonClick() {
    HandOver();
    SetTitles();
}

void TChartForm::ChangeCurveClick() {
    if (!gb_ || !ChangeCurve || !GradeRadio->isChecked()) return;
    const int entry = GradeCombo->currentIndex();
    if (entry < 1 || entry > gb_->GradeCount()) return;
    const int c = entry + 1;
    const TGrade& g = *gb_->GradeAt(c);
    const QString name = Q(std::string(gb_->Cell(c, 1)));
    auto answer = Prompts().InputText(
        QCoreApplication::translate("ChartForm", "Curve for ") + name,
        QCoreApplication::translate("ChartForm", "Enter New Curve Amount"), Q(CurveAmountText(g)));
    if (!answer) return;
    const TCurveAnswer read = ReadCurveAnswer(answer->toStdString(), g);
    switch (read.Kind) {
    case TCurveAnswer::TKind::Unchanged:
        return;
    case TCurveAnswer::TKind::Invalid:
        Prompts().Message(TMessageKind::Error,
                          QStringLiteral("\"%1\" is not a number. The curve for %2 is unchanged.")
                              .arg(answer->trimmed(), name),
                          TButtons::Ok);
        return;
    case TCurveAnswer::TKind::Set:
        break;
    }
    ChangeCurve(c, read.Curve, read.Amount);
    curveChanged_ = true;
    EntryChosen();
}

void TChartForm::SavePictureClick() {
    TFileRequest request;
    request.Caption = QCoreApplication::translate("ChartForm", "Save Picture");
    request.Filter =
        QCoreApplication::translate("ChartForm", "PNG Image (*.png);;SVG Drawing (*.svg)");
    request.DefaultSuffix = QStringLiteral("png");
    request.Suggested = QStringLiteral("chart.png");
    const QString path = Prompts().SaveFileName(request);
    if (path.isEmpty()) return;
    const QString error = Graph1->SavePicture(path);
    if (!error.isEmpty()) Prompts().Message(TMessageKind::Error, error, TButtons::Ok);
}

} // namespace marklow
