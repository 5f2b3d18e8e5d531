#include "prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace marklow {

namespace {
UserPrompts* installed = nullptr;

QWidget* ParentWindow() { return QApplication::activeWindow(); }
} // namespace

UserPrompts& Prompts() {
    static QtPrompts real;
    return installed ? *installed : real;
}

void SetPrompts(UserPrompts* prompts) { installed = prompts; }

std::unique_ptr<QMessageBox> MakeMessageBox(TMessageKind kind, const QString& text,
                                            TButtons buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString caption = QCoreApplication::translate("Prompts", "Information");
    switch (kind) {
    case TMessageKind::Error:
        icon = QMessageBox::Critical;
        caption = QCoreApplication::translate("Prompts", "Error");
        break;
    case TMessageKind::Warning:
        icon = QMessageBox::Warning;
        caption = QCoreApplication::translate("Prompts", "Warning");
        break;
    case TMessageKind::Confirmation:
        icon = QMessageBox::Question;
        caption = QCoreApplication::translate("Prompts", "Confirm");
        break;
    case TMessageKind::Information: break;
    }
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    switch (buttons) {
    case TButtons::Ok: set = QMessageBox::Ok; break;
    case TButtons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
    case TButtons::YesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case TButtons::RetryCancel: set = QMessageBox::Retry | QMessageBox::Cancel; break;
    case TButtons::RecoverDiscardLater:
        set = QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Ignore;
        break;
    }
    auto box = std::make_unique<QMessageBox>(icon, caption, text, set, ParentWindow());
    if (buttons == TButtons::RecoverDiscardLater) {
        box->button(QMessageBox::Yes)->setText(QCoreApplication::translate("Prompts", "&Recover"));
        box->button(QMessageBox::Discard)
            ->setText(QCoreApplication::translate("Prompts", "&Discard"));
        box->button(QMessageBox::Ignore)->setText(QCoreApplication::translate("Prompts", "&Later"));
        box->setDefaultButton(QMessageBox::Yes);
        // Closing the box decides nothing: the copy is kept.
        box->setEscapeButton(QMessageBox::Ignore);
    }
    return box;
}

TAnswer QtPrompts::Message(TMessageKind kind, const QString& text, TButtons buttons) {
    auto box = MakeMessageBox(kind, text, buttons);
    const int result = box->exec();
    if (buttons == TButtons::RecoverDiscardLater) {
        if (result == QMessageBox::Yes) return TAnswer::Recover;
        if (result == QMessageBox::Discard) return TAnswer::Discard;
        return TAnswer::Later;
    }
    switch (result) {
    case QMessageBox::Ok: return TAnswer::Ok;
    case QMessageBox::Yes: return TAnswer::Yes;
    case QMessageBox::No: return TAnswer::No;
    case QMessageBox::Retry: return TAnswer::Retry;
    default: return TAnswer::Cancel;
    }
}

QString QtPrompts::OpenFileName(const TFileRequest& r) {
    return QFileDialog::getOpenFileName(ParentWindow(), r.Caption, r.Folder, r.Filter);
}

QString QtPrompts::SaveFileName(const TFileRequest& r) {
    QFileDialog dialog(ParentWindow(), r.Caption, r.Folder, r.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(r.DefaultSuffix);
    if (!r.Suggested.isEmpty()) dialog.selectFile(r.Suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

QString QtPrompts::SaveFileNameWithOption(const TFileRequest& r, bool& checked) {
    // The desktop's own dialog takes no widget of ours: Qt's dialog, with the box below.
    QFileDialog dialog(ParentWindow(), r.Caption, r.Folder, r.Filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(r.DefaultSuffix);
    if (!r.Suggested.isEmpty()) dialog.selectFile(r.Suggested);
    auto* box = new QCheckBox(r.Option, &dialog);
    box->setObjectName("OptionBox");
    box->setChecked(r.OptionChecked);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(box, grid->rowCount(), 0, 1, -1);
    else if (dialog.layout())
        dialog.layout()->addWidget(box);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    checked = box->isChecked();
    return dialog.selectedFiles().first();
}

std::optional<QString> QtPrompts::InputText(const QString& caption, const QString& label,
                                            const QString& initial) {
    bool ok = false;
    QString text =
        QInputDialog::getText(ParentWindow(), caption, label, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QFont> QtPrompts::ChooseFont(const QFont& initial) {
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, initial, ParentWindow());
    if (!ok) return std::nullopt;
    return font;
}

int QtPrompts::ExecDialog(QDialog& dialog) { return dialog.exec(); }

bool UserPrompts::PrinterSetup(QPrinter&, int, int) { return false; }

QString UserPrompts::SaveFileNameWithOption(const TFileRequest& request, bool& checked) {
    QString name = SaveFileName(request);
    if (!name.isEmpty()) checked = request.OptionChecked;
    return name;
}

bool QtPrompts::PrinterSetup(QPrinter& printer, int minPage, int maxPage) {
    QPrintDialog dialog(&printer, ParentWindow());
    dialog.setWindowTitle(QCoreApplication::translate("Prompts", "Printer Setup"));
    dialog.setMinMax(minPage, maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

bool ScriptedPrompts::PrinterSetup(QPrinter& printer, int minPage, int maxPage) {
    if (PrinterSetups.empty()) {
        Unexpected << "printer setup";
        return false;
    }
    auto action = std::move(PrinterSetups.front());
    PrinterSetups.pop_front();
    return action(printer, minPage, maxPage);
}

std::optional<QFont> UserPrompts::ChooseFontWithin(const QFont& initial, const TFontLimits&) {
    return ChooseFont(initial);
}

std::optional<QFont> QtPrompts::ChooseFontWithin(const QFont& initial,
                                                 const TFontLimits& limits) {
    // The stock font dialog offers every size and style; this one only what the limits allow.
    QDialog dialog(ParentWindow());
    dialog.setWindowTitle(QCoreApplication::translate("Prompts", "Font"));
    dialog.setMinimumWidth(340);
    auto* families = new QFontComboBox(&dialog);
    families->setWritingSystem(limits.System);
    families->setCurrentFont(initial);
    auto* sizes = new QComboBox(&dialog);
    for (int size = limits.MinSize; size <= limits.MaxSize; ++size)
        sizes->addItem(QString::number(size), size);
    const int at = sizes->findData(std::clamp(initial.pointSize(), limits.MinSize, limits.MaxSize));
    sizes->setCurrentIndex(std::max(at, 0));
    auto* sample = new QLabel("AaBbYyZz 0123", &dialog);
    sample->setMinimumHeight(48);
    auto chosen = [&] {
        return QFont(families->currentFont().family(), sizes->currentData().toInt());
    };
    auto showSample = [&] { sample->setFont(chosen()); };
    QObject::connect(families, &QFontComboBox::currentFontChanged, &dialog, showSample);
    QObject::connect(sizes, &QComboBox::currentIndexChanged, &dialog, showSample);
    showSample();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QCoreApplication::translate("Prompts", "Font"), families);
    form->addRow(QCoreApplication::translate("Prompts", "Size"), sizes);
    form->addRow(QCoreApplication::translate("Prompts", "Sample"), sample);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return chosen();
}

std::optional<QFont> ScriptedPrompts::ChooseFontWithin(const QFont& initial,
                                                       const TFontLimits& limits) {
    FontLimits.push_back(limits);
    return ChooseFont(initial);
}

TAnswer ScriptedPrompts::Message(TMessageKind kind, const QString& text, TButtons buttons) {
    Messages.push_back({kind, text, buttons});
    if (Answers.empty()) {
        Unexpected << "message: " + text;
        if (buttons == TButtons::RecoverDiscardLater) return TAnswer::Later;
        return buttons == TButtons::Ok ? TAnswer::Ok : TAnswer::Cancel;
    }
    TAnswer a = Answers.front();
    Answers.pop_front();
    return a;
}

QString ScriptedPrompts::NextFileName(const TFileRequest& request, const QString& what) {
    FileRequests.push_back(request);
    if (FileNames.empty()) {
        Unexpected << what + ": " + request.Caption;
        return QString();
    }
    QString name = FileNames.front();
    FileNames.pop_front();
    return name;
}

QString ScriptedPrompts::OpenFileName(const TFileRequest& request) {
    return NextFileName(request, "open file");
}

QString ScriptedPrompts::SaveFileName(const TFileRequest& request) {
    return NextFileName(request, "save file");
}

QString ScriptedPrompts::SaveFileNameWithOption(const TFileRequest& request, bool& checked) {
    QString name = NextFileName(request, "save file");
    bool state = request.OptionChecked;
    if (!Options.empty()) {
        state = Options.front();
        Options.pop_front();
    }
    if (!name.isEmpty()) checked = state;
    return name;
}

std::optional<QString> ScriptedPrompts::InputText(const QString& caption, const QString& label,
                                                  const QString& initial) {
    InputRequests.push_back({caption, label, initial});
    if (Inputs.empty()) {
        Unexpected << "input: " + caption;
        return std::nullopt;
    }
    auto v = Inputs.front();
    Inputs.pop_front();
    return v;
}

std::optional<QFont> ScriptedPrompts::ChooseFont(const QFont&) {
    if (Fonts.empty()) {
        Unexpected << "font";
        return std::nullopt;
    }
    auto v = Fonts.front();
    Fonts.pop_front();
    return v;
}

int ScriptedPrompts::ExecDialog(QDialog& dialog) {
    // Prepare the dialog as a real show would (showEvent handlers empty fields and focus).
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (DialogActions.empty()) {
        Unexpected << "dialog: " + dialog.windowTitle();
        dialog.reject();
    } else {
        auto action = std::move(DialogActions.front());
        DialogActions.pop_front();
        action(dialog);
    }
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

} // namespace marklow
