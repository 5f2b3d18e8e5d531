#include "check_form.h"

#include "button_descriptions.h"
#include "prompts.h"
#include "translations.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace marklow {

namespace {
constexpr int kDescriptionWidth = 500;
} // namespace

void TCheckModel::SetResult(const TGradebook& gb, TCheckResult result) {
    beginResetModel();
    gb_ = &gb;
    result_ = std::move(result);
    endResetModel();
}

void TCheckModel::Clear() {
    beginResetModel();
    gb_ = nullptr;
    result_ = TCheckResult{};
    endResetModel();
}

int TCheckModel::rowCount(const QModelIndex& parent) const {
    // Five million findings fit an int many times over; a model cannot hold more rows anyway.
    return parent.isValid() ? 0 : static_cast<int>(result_.Findings.size());
}

int TCheckModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TCheckModel::data(const QModelIndex& index, int role) const {
    if (!gb_ || !index.isValid() || index.row() >= rowCount()) return QVariant();
    const TFinding& f = Finding(index.row());
    if (role == Qt::DisplayRole) {
        if (index.column() == 1) return CoreText(SeverityText(f.Message));
        return CoreText(FindingText(*gb_, f));
    }
    // Descriptions wider than their column can be read whole.
    if (role == Qt::ToolTipRole && index.column() == 0) return CoreText(FindingText(*gb_, f));
    return QVariant();
}

QVariant TCheckModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    return section == 0 ? QCoreApplication::translate("CheckForm", "Description")
                        : QCoreApplication::translate("CheckForm", "Severity");
}

TCheckForm::TCheckForm(QWidget* parent) : QDialog(parent), model_(this) {
    setObjectName("TCheckForm");
    setWindowTitle(QCoreApplication::translate("CheckForm", "Check Results"));
    resize(628, 300);
    setSizeGripEnabled(true);

    auto* counters = new QHBoxLayout;
    auto counter = [&](const QString& caption) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(new QLabel(caption, this));
        auto* box = new QLabel("0", this);
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setMinimumWidth(90);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(box);
        counters->addLayout(column);
        return box;
    };
    ErrorsBox = counter(QCoreApplication::translate("CheckForm", "Errors"));
    WarningsBox = counter(QCoreApplication::translate("CheckForm", "Warnings"));
    GradeEntriesBox = counter(QCoreApplication::translate("CheckForm", "Grade Entries"));
    BlankEntriesBox = counter(QCoreApplication::translate("CheckForm", "Blank Entries"));
    counters->addStretch();

    ListView1 = new QTableView(this);
    ListView1->setObjectName("ListView1");
    ListView1->setAccessibleName(tr("Problems found"));
    ListView1->setAccessibleDescription(QCoreApplication::translate(
        "CheckForm", "One line per problem found; select a line and press Find to go there"));
    ListView1->setModel(&model_);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(false);
    ListView1->setWordWrap(false);
    ListView1->setTextElideMode(Qt::ElideRight);
    ListView1->setCornerButtonEnabled(false);
    // Rows of one fixed height: the view never measures millions of rows.
    QHeaderView* rows = ListView1->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* columns = ListView1->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    // A stretched last section never gets narrower than the default width: keep that small,
    // so Severity fits beside 500 pixels of description.
    columns->setMinimumSectionSize(40);
    columns->setDefaultSectionSize(60);
    columns->setStretchLastSection(true);

    FindButton = new QPushButton(QCoreApplication::translate("CheckForm", "&Find"), this);
    FindButton->setDefault(true);
    CloseButton = new QPushButton(QCoreApplication::translate("CheckForm", "&Close"), this);
    HelpButton = new QPushButton(QCoreApplication::translate("CheckForm", "&Help"), this);
    FindButton->setAccessibleDescription(QCoreApplication::translate(
        "CheckForm", "Close this window and go to the problem on the selected line"));
    DescribeButton(CloseButton, TButtonRole::Close);
    DescribeButton(HelpButton, TButtonRole::Help);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FindButton);
    buttons->addWidget(CloseButton);
    buttons->addWidget(HelpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(counters);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);

    connect(FindButton, &QPushButton::clicked, this, &TCheckForm::FindClick);
    connect(CloseButton, &QPushButton::clicked, this, &TCheckForm::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] {
        if (help_) help_(kHelpTopic);
    });
    connect(ListView1, &QTableView::doubleClicked, this, &TCheckForm::ListView1DblClick);
    SizeColumns();
}

void TCheckForm::ShowResults(const TGradebook& gb) {
    Fill(gb);
    Prompts().ExecDialog(*this);
    Empty();
    if (picked_ && picked_->Kind != TErrorFinder::CategoryOnly && goTo_) goTo_(*picked_);
}

void TCheckForm::Fill(const TGradebook& gb) {
    picked_.reset();
    model_.SetResult(gb, RunCheck(gb));
    const TCheckResult& r = model_.Result();
    ErrorsBox->setText(QString::number(r.Errors));
    WarningsBox->setText(QString::number(r.Warnings));
    GradeEntriesBox->setText(QString::number(r.GradeEntries));
    BlankEntriesBox->setText(QString::number(r.BlankEntries));
    // No line is chosen until the teacher chooses one: the view would otherwise make the first
    // line current on getting the focus, which looks selected while "&Find" finds nothing, and
    // the first Down would pass over it.
    ListView1->setCurrentIndex(QModelIndex());
    ListView1->scrollToTop();
    SizeColumns(); // a model reset gives the sections their default widths again
}

void TCheckForm::Empty() {
    model_.Clear();
}

void TCheckForm::PickSelected() {
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    picked_ = model_.Finding(selected.front().row()).Finder;
}

void TCheckForm::FindClick() {
    PickSelected();
    accept();
}

void TCheckForm::ListView1DblClick(const QModelIndex& index) {
    if (!index.isValid() || !ListView1->selectionModel()->hasSelection()) return;
    PickSelected();
    accept();
}

void TCheckForm::SizeColumns() {
    // Severity, the last section, stretches over the rest.
    ListView1->setColumnWidth(0, kDescriptionWidth);
}

} // namespace marklow
