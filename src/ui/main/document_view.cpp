#include "document_view.h"

#include "gradebook.h"
#include "main_window.h"
#include "prompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace marklow {

TDocumentPaths DefaultDocumentPaths() {
    TDocumentPaths paths;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty()) paths.UserLetterFile = QDir(data).filePath("default.ltd");
    // Installed beside the program, else the source tree's data folder of a build.
    QDir app(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {app.filePath("../share/marklow/default.ltd"), app.filePath("default.ltd"),
          QStringLiteral(MARKLOW_SOURCE_DATA_DIR "/default.ltd")}) {
        if (QFileInfo::exists(candidate)) {
            paths.ShippedLetterFile = QFileInfo(candidate).canonicalFilePath();
            break;
        }
    }
    return paths;
}

TMainWindowDocument::TMainWindowDocument(TSDIAppForm& form, TDocumentPaths paths)
    : QObject(&form), PasswordDlg(&form), NewPasswordDlg(&form), PasswordDlg1(&form),
      form_(form), lifecycle_(*this, PasswordDlg, std::move(paths)) {
    auto wire = [this](QAction* action, auto&& handler) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    wire(form.New1, [this] { lifecycle_.NewGradebook(); });
    wire(form.OpenItem, [this] { lifecycle_.OpenCommand(); });
    wire(form.SaveItem, [this] { lifecycle_.SaveCommand(); });
    wire(form.Save1, [this] { lifecycle_.SaveCommand(); });
    wire(form.SaveAs1, [this] { lifecycle_.SaveAsCommand(); });
    wire(form.Password1, [this] { Password1Click(); });
    wire(form.ExitItem, [this] { form_.close(); });
    form.Reopen1->setEnabled(true);
    connect(form.Reopen1, &QMenu::triggered, this,
            [this](QAction* item) { lifecycle_.ReopenCommand(item->data().toInt()); });
    form.installEventFilter(this);
}

TMainWindowDocument::~TMainWindowDocument() { form_.removeEventFilter(this); }

void TMainWindowDocument::Password1Click() {
    form_.FinishCellEdit();
    if (EditPassword(NewPasswordDlg, PasswordDlg1, form_.Gradebook())) form_.MarkModified();
}

bool TMainWindowDocument::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_) {
        switch (event->type()) {
        case QEvent::Show:
            if (firstShow_) {
                firstShow_ = false;
                lifecycle_.FirstShow();
            }
            break;
        case QEvent::WindowActivate:
            if (maximizePending_) {
                maximizePending_ = false;
                form_.showMaximized();
            }
            break;
        case QEvent::Close:
            if (!lifecycle_.CloseRequested()) {
                event->ignore();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

TGradebook& TMainWindowDocument::Gradebook() { return form_.Gradebook(); }
bool TMainWindowDocument::FinishCellEdit() { return form_.FinishCellEdit(); }
void TMainWindowDocument::BeginRebuild() { form_.BeginRebuild(); }
void TMainWindowDocument::EndRebuild() { form_.EndRebuild(); }
void TMainWindowDocument::MarkModified() { form_.MarkModified(); }
void TMainWindowDocument::ClearModified() { form_.ClearModified(); }
void TMainWindowDocument::SetCaption(const QString& caption) { form_.setWindowTitle(caption); }

void TMainWindowDocument::SetReopenItems(const std::vector<std::pair<int, QString>>& items) {
    QMenu* menu = form_.Reopen1;
    menu->clear();
    for (const auto& [index, caption] : items) {
        QAction* item = menu->addAction(caption);
        item->setData(index);
    }
    menu->menuAction()->setVisible(!items.empty());
}

void TMainWindowDocument::GradebookLoaded() {
    TGradebook& gb = form_.Gradebook();
    form_.LetterAverages1->setChecked(gb.ShowLetters);
    for (QAction* a : {form_.UserInput1, form_.byName1, form_.byAverage1, form_.byID1,
                       form_.UserInput2, form_.byName2, form_.byDate1, form_.byCategory1})
        if (a) a->setChecked(false);
    if (form_.UserInput2) form_.UserInput2->setChecked(gb.GradesInUserOrder);
    if (form_.UserInput1) form_.UserInput1->setChecked(gb.StudentsInUserOrder);
}

void TMainWindowDocument::ApplySettings(const TAppSettings& s) {
    TGradebook& gb = form_.Gradebook();
    gb.Preferences.DefaultPoints = s.DefaultPoints;
    gb.Preferences.DefaultWeight = s.DefaultWeight;
    gb.Preferences.OmitZeros = s.OmitZeros;
    gb.Preferences.ShowHints = s.ShowHints;
    form_.SetToolBarShown(s.Toolbar);
    form_.SetStatusBarShown(s.Statusbar);
    form_.SetCurveShown(s.Curve);
    form_.SetShowHints(s.ShowHints);
    form_.SetFlatToolBar(s.FlatToolbars);
    form_.SetThreeDTables(!s.TwoDTables);
    if (!s.FontName.empty() && s.FontSize > 0)
        form_.ApplyDisplayFont(QFont(QString::fromStdString(s.FontName), s.FontSize));
    form_.SetShowLetters(s.ShowLetters);
    form_.SetAveragesShown(s.Averages);
    // Only a maximised window is restored, on its first activation.
    maximizePending_ = s.WindowState == 2;
    if (maximizePending_ && form_.isActiveWindow()) {
        maximizePending_ = false;
        form_.showMaximized();
    }
}

void TMainWindowDocument::CollectSettings(TAppSettings& s) {
    const TGradebook& gb = form_.Gradebook();
    Qt::WindowStates state = form_.windowState();
    s.WindowState = (state & Qt::WindowMinimized) ? 1 : (state & Qt::WindowMaximized) ? 2 : 0;
    s.Toolbar = form_.ToolBar2->isChecked();
    s.Statusbar = form_.StatusBar2->isChecked();
    s.Averages = form_.AveragesShown();
    s.Curve = form_.CurveShown();
    s.ShowLetters = gb.ShowLetters;
    s.DefaultPoints = gb.Preferences.DefaultPoints;
    s.DefaultWeight = gb.Preferences.DefaultWeight;
    s.OmitZeros = gb.Preferences.OmitZeros;
    s.ShowHints = gb.Preferences.ShowHints;
    QFont font = form_.GradeBook->font();
    s.FontName = font.family().toStdString();
    s.FontSize = font.pointSize();
}

} // namespace marklow
