#include "roster_dialog.h"

#include "button_descriptions.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace marklow {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("marklow::TImportRosterDlg", text);
}

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString FormatText(TRosterFormat format) {
    switch (format) {
    case TRosterFormat::Canvas:
        return TImportRosterDlg::tr("Canvas gradebook export");
    case TRosterFormat::Moodle:
        return TImportRosterDlg::tr("Moodle export");
    case TRosterFormat::Blackboard:
        return TImportRosterDlg::tr("Blackboard download");
    case TRosterFormat::GoogleClassroom:
        return TImportRosterDlg::tr("Google Classroom export");
    case TRosterFormat::Generic:
        return TImportRosterDlg::tr("Class list");
    case TRosterFormat::Unrecognised:
        return TImportRosterDlg::tr("Columns not recognised");
    }
    return {};
}

QString DelimiterText(char delimiter) {
    switch (delimiter) {
    case ';':
        return TImportRosterDlg::tr("semicolon");
    case '\t':
        return TImportRosterDlg::tr("tab");
    case ',':
        return TImportRosterDlg::tr("comma");
    default: // named by an Excel "sep=" line
        return QStringLiteral("\"%1\"").arg(QChar::fromLatin1(delimiter));
    }
}

// The names of the encodings are names, except where words say which UTF-8 it is.
QString EncodingText(TRosterEncoding encoding) {
    switch (encoding) {
    case TRosterEncoding::Utf8Bom:
        return TImportRosterDlg::tr("UTF-8 with byte order mark");
    case TRosterEncoding::Utf8:
    case TRosterEncoding::Utf16Le:
    case TRosterEncoding::Utf16Be:
    case TRosterEncoding::Windows1252:
        break;
    }
    return Q(RosterEncodingName(encoding));
}

} // namespace

// The roster's lines and what becomes of each, read from the plan as the view scrolls.
class TRosterLinesModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Reset(const TGradebook* gb, const TRosterPlan* plan) {
        beginResetModel();
        gb_ = gb;
        plan_ = plan;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || !plan_ ? 0 : static_cast<int>(plan_->Lines.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 5; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const captions[] = {
            QT_TRANSLATE_NOOP("marklow::TImportRosterDlg", "Line"),
            QT_TRANSLATE_NOOP("marklow::TImportRosterDlg", "Name"),
            QT_TRANSLATE_NOOP("marklow::TImportRosterDlg", "ID"),
            QT_TRANSLATE_NOOP("marklow::TImportRosterDlg", "E-mail or login"),
            QT_TRANSLATE_NOOP("marklow::TImportRosterDlg", "What happens")};
        return section >= 0 && section < 5 ? Tr(captions[section]) : QVariant();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !plan_ || !index.isValid()) return {};
        const TRosterLine& l = plan_->Lines[static_cast<size_t>(index.row())];
        switch (index.column()) {
        case 0:
            return l.Line;
        case 1:
            return Q(l.Name);
        case 2:
            return Q(l.ID);
        case 3:
            return Q(l.Login);
        default:
            return Outcome(l);
        }
    }

private:
    QString Outcome(const TRosterLine& l) const {
        const QString fills = l.Fills ? TImportRosterDlg::tr(", gets ID or login") : QString();
        switch (l.Outcome) {
        case TRosterOutcome::Added:
            return TImportRosterDlg::tr("Added");
        case TRosterOutcome::MatchedById:
            return TImportRosterDlg::tr("Is %1 (by ID)").arg(Q(gb_->Cell(1, l.Row))) + fills;
        case TRosterOutcome::MatchedByName:
            return TImportRosterDlg::tr("Is %1 (by name)").arg(Q(gb_->Cell(1, l.Row))) + fills;
        case TRosterOutcome::Repeated:
            return TImportRosterDlg::tr("Skipped: the same student as line %1").arg(l.SameAsLine);
        case TRosterOutcome::NoName:
            return TImportRosterDlg::tr("Skipped: no name");
        case TRosterOutcome::NotAStudent:
            return TImportRosterDlg::tr("Skipped: not a student");
        }
        return {};
    }

    const TGradebook* gb_ = nullptr;
    const TRosterPlan* plan_ = nullptr;
};

TImportRosterDlg::TImportRosterDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("ImportRosterDlg");
    setWindowTitle(tr("Import Roster"));
    auto* layout = new QVBoxLayout(this);

    auto* source = new QFormLayout;
    FileLabel = new QLabel(this);
    FileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FormatLabel = new QLabel(this);
    source->addRow(tr("File:"), FileLabel);
    source->addRow(tr("Format:"), FormatLabel);
    layout->addLayout(source);

    auto* choices = new QHBoxLayout;
    auto* columns = new QGroupBox(tr("Columns"), this);
    auto* form = new QFormLayout(columns);
    auto combo = [&](const QString& caption, const char* name, const QString& description) {
        auto* c = new QComboBox(columns);
        c->setObjectName(name);
        c->setAccessibleDescription(description);
        form->addRow(caption, c);
        connect(c, &QComboBox::currentIndexChanged, this, [this, c] { ColumnPicked(c); });
        return c;
    };
    NameCombo =
        combo(tr("&Name:"), "NameCombo", tr("The column that holds each student's whole name"));
    FirstCombo = combo(tr("or &First name:"), "FirstCombo",
                       tr("The column of first names, when the names are in two columns"));
    LastCombo = combo(tr("and &Last name:"), "LastCombo",
                      tr("The column of last names, when the names are in two columns"));
    IdCombo = combo(tr("&ID:"), "IdCombo", tr("The column that holds each student's ID"));
    LoginCombo = combo(tr("&E-mail or login:"), "LoginCombo",
                       tr("The column of e-mail addresses or logins, kept as each student's login"));
    HeaderCheck = new QCheckBox(tr("The first line holds the col&umns' names"), columns);
    HeaderCheck->setAccessibleDescription(
        tr("Tick when the first line names the columns; untick it when it is a student"));
    form->addRow(HeaderCheck);
    // Under both groups, across the whole dialog: in the narrow group a translated note was cut.
    ColumnsNote = new QLabel(this);
    ColumnsNote->setObjectName("ColumnsNote");
    ColumnsNote->setWordWrap(true);
    ColumnsNote->hide();
    connect(HeaderCheck, &QCheckBox::toggled, this, [this] {
        if (!filling_) Replan();
    });
    choices->addWidget(columns, 3);

    auto* names = new QGroupBox(tr("Names such as \"Lee, Ann\""), this);
    auto* order = new QVBoxLayout(names);
    AsInFileRadio = new QRadioButton(tr("&As in the file (Lee, Ann)"), names);
    FirstLastRadio = new QRadioButton(tr("First Las&t (Ann Lee)"), names);
    AsInFileRadio->setAccessibleDescription(tr("Keep the names as the file has them"));
    FirstLastRadio->setAccessibleDescription(tr("Put each first name before the last name"));
    AsInFileRadio->setChecked(true);
    order->addWidget(AsInFileRadio);
    order->addWidget(FirstLastRadio);
    auto* hint = new QLabel(tr("Students already in the gradebook are found in either order "
                               "and keep their names."),
                            names);
    hint->setWordWrap(true);
    order->addWidget(hint);
    order->addStretch();
    connect(FirstLastRadio, &QRadioButton::toggled, this, [this] {
        if (!filling_) Replan();
    });
    choices->addWidget(names, 2);
    layout->addLayout(choices);
    layout->addWidget(ColumnsNote);

    SummaryLabel = new QLabel(this);
    SummaryLabel->setWordWrap(true);
    SummaryLabel->setObjectName("SummaryLabel");
    SummaryLabel->setTextFormat(Qt::RichText);
    layout->addWidget(SummaryLabel);

    Lists = new QTabWidget(this);
    LinesView = new QTreeView(Lists);
    LinesView->setRootIsDecorated(false);
    LinesView->setUniformRowHeights(true); // 10,000 lines scroll without measuring each
    linesModel_ = new TRosterLinesModel(this);
    LinesView->setModel(linesModel_);
    NotOnRosterView = new QListView(Lists);
    notOnRosterModel_ = new QStringListModel(this);
    NotOnRosterView->setModel(notOnRosterModel_);
    NotOnRosterView->setUniformItemSizes(true);
    LinesView->setAccessibleName(tr("Roster"));
    LinesView->setAccessibleDescription(
        tr("Every line of the file and what the import does with it"));
    NotOnRosterView->setAccessibleDescription(
        tr("The students of the gradebook who are not on the roster; they are kept"));
    Lists->addTab(LinesView, tr("&Roster"));
    Lists->addTab(NotOnRosterView, tr("Not on the roster (kept)"));
    layout->addWidget(Lists, 1);

    Buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("Import"));
    DescribeButtons(Buttons);
    Buttons->button(QDialogButtonBox::Ok)
        ->setAccessibleDescription(
            tr("Bring the roster into the gradebook as this window shows it"));
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Buttons, &QDialogButtonBox::helpRequested, this,
            [this] { emit HelpRequested(QStringLiteral("ImportRoster")); });
    setProperty("helpKeyword", QStringLiteral("ImportRoster"));
    resize(720, 520);
}

TImportRosterDlg::~TImportRosterDlg() = default;

void TImportRosterDlg::Load(const TGradebook& gb, TRosterTable table, const QString& file) {
    gb_ = &gb;
    table_ = std::move(table);
    layout_ = RecogniseRoster(table_);
    FileLabel->setText(QFileInfo(file).fileName());
    FileLabel->setToolTip(file);
    FormatLabel->setText(
        tr("%1 (%2, %3-separated, %n line(s))", nullptr, static_cast<int>(table_.RowCount()))
            .arg(FormatText(layout_.Format), EncodingText(table_.Encoding),
                 DelimiterText(table_.Delimiter)));
    // New students are named as the class already names its students; the switch stays.
    const bool firstLast = ClassNameOrder(gb) == TNameOrder::FirstLast;
    FirstLastRadio->setChecked(firstLast);
    AsInFileRadio->setChecked(!firstLast);
    FillColumnChoices();
    Lists->setCurrentIndex(0);
}

void TImportRosterDlg::FillColumnChoices() {
    filling_ = true;
    const TRosterColumns& cols = layout_.Columns;
    const bool header = cols.Header;
    // A column is shown by its header, or by the first line's text without one.
    const std::vector<int> offered = OfferedRosterColumns(table_, cols);
    QStringList captions;
    captions.reserve(static_cast<qsizetype>(offered.size()));
    for (int i : offered) {
        QString sample =
            Q(table_.RowCount() ? table_.Field(0, static_cast<size_t>(i)) : std::string_view());
        if (sample.size() > 30) sample = sample.left(29) + QChar(0x2026);
        captions << tr("%1: %2").arg(i + 1).arg(sample);
    }
    for (QComboBox* c : {NameCombo, FirstCombo, LastCombo, IdCombo, LoginCombo}) {
        c->clear();
        c->addItem(tr("(none)"), -1);
        for (size_t k = 0; k < offered.size(); ++k)
            c->addItem(captions[static_cast<qsizetype>(k)], offered[k]);
    }
    const bool capped = offered.size() < table_.ColumnCount();
    ColumnsNote->setVisible(capped);
    if (capped)
        ColumnsNote->setText(tr("The first line has %1 columns; the first %2 are offered here. "
                                "A class list has far fewer: is this the right file?")
                                 .arg(table_.ColumnCount())
                                 .arg(kMaxRosterColumnsOffered));
    auto select = [](QComboBox* c, int col) { c->setCurrentIndex(c->findData(col)); };
    select(NameCombo, cols.Name);
    select(FirstCombo, cols.First);
    select(LastCombo, cols.Last);
    select(IdCombo, cols.Id);
    select(LoginCombo, cols.Login);
    HeaderCheck->setChecked(header);
    filling_ = false;
    Replan();
}

void TImportRosterDlg::ColumnPicked(QComboBox* combo) {
    if (filling_) return;
    // A whole name or its two parts, never both.
    if (combo->currentData().toInt() >= 0) {
        filling_ = true;
        if (combo == NameCombo) {
            FirstCombo->setCurrentIndex(0);
            LastCombo->setCurrentIndex(0);
        } else if (combo == FirstCombo || combo == LastCombo) {
            NameCombo->setCurrentIndex(0);
        }
        filling_ = false;
    }
    Replan();
}

TRosterChoices TImportRosterDlg::Choices() const {
    TRosterChoices c;
    c.Columns.Name = NameCombo->currentData().toInt();
    c.Columns.First = FirstCombo->currentData().toInt();
    c.Columns.Last = LastCombo->currentData().toInt();
    c.Columns.Id = IdCombo->currentData().toInt();
    c.Columns.Login = LoginCombo->currentData().toInt();
    c.Columns.Header = HeaderCheck->isChecked();
    c.Order = FirstLastRadio->isChecked() ? TNameOrder::FirstLast : TNameOrder::AsInFile;
    c.Format = layout_.Format;
    return c;
}

void TImportRosterDlg::Replan() {
    if (!gb_) return;
    linesModel_->Reset(nullptr, nullptr); // the model never reads a plan being replaced
    plan_ = PlanRosterImport(*gb_, table_, Choices());
    linesModel_->Reset(gb_, &plan_);
    LinesView->resizeColumnToContents(0);
    LinesView->setColumnWidth(1, 170);
    LinesView->setColumnWidth(2, 80);
    LinesView->setColumnWidth(3, 150);

    QStringList missing;
    missing.reserve(static_cast<qsizetype>(plan_.NotOnRoster.size()));
    for (int r : plan_.NotOnRoster)
        missing << Q(gb_->Cell(1, r));
    notOnRosterModel_->setStringList(missing);
    Lists->setTabText(1, tr("Not on the roster (kept): %1").arg(missing.size()));

    QPushButton* ok = Buttons->button(QDialogButtonBox::Ok);
    if (!plan_.Error.empty()) {
        SummaryLabel->setText(tr("This class list has no column of names: choose the Name "
                                 "column, or the First name and Last name columns."));
        ok->setEnabled(false);
        return;
    }
    QString text = tr("Students to add: <b>%1</b>").arg(plan_.Added) + "<br>" +
                   tr("Already in the gradebook: <b>%1</b> (%2 by ID, %3 by name; an ID or "
                      "login added for %n)",
                      nullptr, static_cast<int>(plan_.Change.Fills.size()))
                       .arg(plan_.MatchedById + plan_.MatchedByName)
                       .arg(plan_.MatchedById)
                       .arg(plan_.MatchedByName) +
                   "<br>" +
                   tr("In the gradebook but not on the roster, and kept: <b>%1</b>")
                       .arg(plan_.NotOnRoster.size());
    if (plan_.Skipped + plan_.Repeated > 0)
        text += "<br>" + tr("Lines skipped: <b>%1</b>").arg(plan_.Skipped + plan_.Repeated);
    if (!plan_.Change.Changes()) text += "<br>" + tr("Nothing to import.");
    SummaryLabel->setText(text);
    ok->setEnabled(plan_.Change.Changes());
}

} // namespace marklow
