#include "file_commands.h"

#include "commands.h"
#include "csv_export.h"
#include "gradebook.h"
#include "latin_font.h"
#include "main_window.h"
#include "output_file.h"
#include "prompts.h"
#include "translations.h"
#include "window_geometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

namespace marklow {

namespace {
// The areas of the screens free of panels, where a window may be placed.
std::vector<TRect> ScreenAreas() {
    std::vector<TRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        areas.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    return areas;
}
} // namespace

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

TFileCommands::TFileCommands(TSDIAppForm& form, TDocumentPaths paths)
    : QObject(&form), PasswordDlg(&form), NewPasswordDlg(&form), PasswordDlg1(&form), form_(form),
      lifecycle_(*this, PasswordDlg, std::move(paths)) {
    auto wire = [this](QAction* action, auto&& handler) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    // A school in a language of decimal commas types "8,5": its new gradebooks read it so.
    form.Gradebook().Preferences.DecimalCommaForNew = WindowsUseDecimalComma();
    if (form.Gradebook().StudentCount() == 0 && form.Gradebook().GradeCount() == 0)
        form.Gradebook().DecimalComma = form.Gradebook().Preferences.DecimalCommaForNew;
    wire(form.New1, [this] { lifecycle_.NewGradebook(); });
    wire(form.OpenItem, [this] { lifecycle_.OpenCommand(); });
    wire(form.SaveItem, [this] { lifecycle_.SaveCommand(); });
    wire(form.Save1, [this] { lifecycle_.SaveCommand(); });
    wire(form.SaveAs1, [this] { lifecycle_.SaveAsCommand(); });
    wire(form.Password1, [this] { Password1Click(); });
    wire(form.ExportCsv1, [this] { ExportCsv1Click(); });
    wire(form.ExitItem, [this] { form_.close(); });
    form.Reopen1->setEnabled(true);
    connect(form.Reopen1, &QMenu::triggered, this,
            [this](QAction* item) { lifecycle_.ReopenCommand(item->data().toInt()); });
    // The password dialogs take the display font with the main window.
    connect(&form, &TSDIAppForm::displayFontChanged, this, [this](const QFont& font) {
        for (QDialog* d :
             std::initializer_list<QDialog*>{&PasswordDlg, &NewPasswordDlg, &PasswordDlg1})
            d->setFont(font);
    });
    form.installEventFilter(this);
}

TFileCommands::~TFileCommands() {
    form_.removeEventFilter(this);
}

void TFileCommands::Password1Click() {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    if (auto chosen = EditPassword(NewPasswordDlg, PasswordDlg1, doc.Gradebook().Password))
        doc.Push(new TPasswordCommand(doc, *chosen));
}

void TFileCommands::ExportCsv1Click() {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    TFileRequest request;
    request.Caption = tr("Export CSV");
    request.Filter = tr("CSV Files (*.csv);;All Files (*)");
    request.DefaultSuffix = "csv";
    request.Suggested = doc.Title() + ".csv";
    if (!doc.FilePath().isEmpty()) request.Folder = QFileInfo(doc.FilePath()).absolutePath();
    // What marklow-cli export-csv --bom gives; kept for the next export of this session.
    request.Option = tr("Start with a UTF-8 byte order mark (for Excel on Windows)");
    request.OptionChecked = csvBom_;
    const QString path = Prompts().SaveFileNameWithOption(request, csvBom_);
    if (path.isEmpty()) return;
    // Without a backup, as an export is made again at will; never through a link.
    const std::string error =
        WriteOutputFile(path.toStdString(), GradebookCsv(doc.Gradebook(), csvBom_));
    if (!error.empty()) Prompts().Message(TMessageKind::Error, CoreText(error), TButtons::Ok);
}

bool TFileCommands::eventFilter(QObject* watched, QEvent* event) {
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

TGradebookDocument& TFileCommands::Document() {
    return form_.Document();
}
bool TFileCommands::FinishCellEdit() {
    return form_.FinishCellEdit();
}
void TFileCommands::BeginRebuild() {
    form_.BeginRebuild();
}
void TFileCommands::EndRebuild() {
    form_.EndRebuild();
}
void TFileCommands::SetCaption(const QString& caption) {
    form_.setWindowTitle(caption);
}

void TFileCommands::SetReopenItems(const std::vector<std::pair<int, QString>>& items) {
    QMenu* menu = form_.Reopen1;
    menu->clear();
    for (const auto& [index, caption] : items) {
        QAction* item = menu->addAction(caption);
        item->setData(index);
    }
    menu->menuAction()->setVisible(!items.empty());
}

void TFileCommands::GradebookLoaded() {
    // The check marks follow the document's switches and sorts.
    form_.LetterAverages1->setChecked(form_.Gradebook().ShowLetters);
}

void TFileCommands::ApplySettings(const TAppSettings& s) {
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
    // A symbol font left in the settings would make every cell unreadable: the default stays.
    if (DisplayFontAllowed(s.FontName, s.FontSize)) {
        QFont font(QString::fromStdString(s.FontName), s.FontSize);
        if (FontHasLatinGlyphs(font)) form_.ApplyDisplayFont(font);
    }
    form_.SetShowLetters(s.ShowLetters);
    form_.SetAveragesShown(s.Averages);
    form_.SetRecoverySeconds(s.RecoverySeconds);
    form_.SetLanguage(QString::fromStdString(s.Language));
    // The window comes back where it was, when that is still on a screen and of a usable
    // size; otherwise, as at the first start, it keeps its size, centred.
    if (auto saved = DecodeWindowGeometry(s.WindowGeometry);
        saved && GeometryFitsScreens(*saved, ScreenAreas()))
        form_.restoreGeometry(QByteArray::fromStdString(saved->Bytes));
    // Only a maximised window is restored, on its first activation.
    maximizePending_ = s.WindowState == 2;
    if (maximizePending_ && form_.isActiveWindow()) {
        maximizePending_ = false;
        form_.showMaximized();
    }
}

void TFileCommands::CollectSettings(TAppSettings& s) {
    const TGradebook& gb = form_.Gradebook();
    Qt::WindowStates state = form_.windowState();
    s.WindowState = (state & Qt::WindowMinimized) ? 1 : (state & Qt::WindowMaximized) ? 2 : 0;
    s.WindowGeometry = form_.saveGeometry().toBase64().toStdString();
    s.Toolbar = form_.ToolBar2->isChecked();
    s.Statusbar = form_.StatusBar2->isChecked();
    s.Averages = form_.AveragesShown();
    s.Curve = form_.CurveShown();
    s.ShowLetters = gb.ShowLetters;
    s.DefaultPoints = gb.Preferences.DefaultPoints;
    s.DefaultWeight = gb.Preferences.DefaultWeight;
    s.OmitZeros = gb.Preferences.OmitZeros;
    s.ShowHints = form_.HintsShown();
    s.FlatToolbars = form_.FlatToolBar();
    s.TwoDTables = !form_.GradeBook->ThreeD();
    QFont font = form_.GradeBook->font();
    s.FontName = font.family().toStdString();
    s.FontSize = font.pointSize();
    s.RecoverySeconds = form_.RecoverySeconds();
    s.Language = form_.Language().toStdString();
}

} // namespace marklow
