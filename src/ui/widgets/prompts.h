#pragma once
// Every modal question the program asks goes through here: message boxes, file names,
// input boxes, fonts and modal dialogs. The program installs QtPrompts; tests install
// ScriptedPrompts, which answers from queues and records what was asked, so no test can
// hang in a modal loop.

#include <QDialog>
#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMessageBox;
class QPrinter;

namespace marklow {

enum class TMessageKind { Error, Warning, Information, Confirmation };
// RecoverDiscardLater answers Recover, Discard or Later (also when the box is closed).
enum class TButtons { Ok, OkCancel, YesNoCancel, RetryCancel, RecoverDiscardLater };
enum class TAnswer { Ok, Cancel, Yes, No, Retry, Recover, Discard, Later };

struct TFileRequest {
    QString Caption;
    QString Folder;
    QString Filter;        // Qt form: "Grade Book Files (*.gbd);;All Files (*)"
    QString DefaultSuffix; // save dialogs only
    QString Suggested;     // file name proposed by save dialogs
    // SaveFileNameWithOption: the caption of a check box under the file name, and its state
    // as the dialog opens.
    QString Option;
    bool OptionChecked = false;
};

// What a font chooser offers: the families that can show a writing system, sizes in points
// within a range.
struct TFontLimits {
    QFontDatabase::WritingSystem System = QFontDatabase::Any;
    int MinSize = 1;
    int MaxSize = 72;
};

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual TAnswer Message(TMessageKind kind, const QString& text, TButtons buttons) = 0;
    // Empty text when the user cancels.
    virtual QString OpenFileName(const TFileRequest& request) = 0;
    // Asks before overwriting an existing file; empty text when the user cancels.
    virtual QString SaveFileName(const TFileRequest& request) = 0;
    // A save dialog with the request's check box; checked is set to its state on OK. By
    // default the plain dialog, leaving the box as offered.
    virtual QString SaveFileNameWithOption(const TFileRequest& request, bool& checked);
    virtual std::optional<QString> InputText(const QString& caption, const QString& label,
                                             const QString& initial) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial) = 0;
    // A font within the limits, regular style; by default the plain chooser.
    virtual std::optional<QFont> ChooseFontWithin(const QFont& initial, const TFontLimits& limits);
    // Shows a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int ExecDialog(QDialog& dialog) = 0;
    // Printer setup: printer, copies, paper, orientation, page range within minPage..maxPage.
    // Applies the choices to printer and returns true, or false when cancelled.
    virtual bool PrinterSetup(QPrinter& printer, int minPage, int maxPage);
};

// The message box QtPrompts shows, for looking at it without running it.
std::unique_ptr<QMessageBox> MakeMessageBox(TMessageKind kind, const QString& text,
                                            TButtons buttons);

// The prompts in use; QtPrompts unless a test installed its own.
UserPrompts& Prompts();
// Installs prompts (not owned); nullptr restores QtPrompts.
void SetPrompts(UserPrompts* prompts);

class QtPrompts final : public UserPrompts {
public:
    TAnswer Message(TMessageKind kind, const QString& text, TButtons buttons) override;
    QString OpenFileName(const TFileRequest& request) override;
    QString SaveFileName(const TFileRequest& request) override;
    QString SaveFileNameWithOption(const TFileRequest& request, bool& checked) override;
    std::optional<QString> InputText(const QString& caption, const QString& label,
                                     const QString& initial) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    std::optional<QFont> ChooseFontWithin(const QFont& initial, const TFontLimits& limits) override;
    int ExecDialog(QDialog& dialog) override;
    bool PrinterSetup(QPrinter& printer, int minPage, int maxPage) override;
};

// Answers from queues. A question with no answer queued is recorded as unexpected and
// answered with Cancel (or an empty name), so a test sees it instead of hanging.
class ScriptedPrompts final : public UserPrompts {
public:
    struct Asked {
        TMessageKind Kind;
        QString Text;
        TButtons Buttons;
    };

    std::deque<TAnswer> Answers;
    std::deque<QString> FileNames;
    // The state each save dialog's check box is left in; without one it stays as offered.
    std::deque<bool> Options;
    std::deque<std::optional<QString>> Inputs;
    std::deque<std::optional<QFont>> Fonts;
    // Each acts on a shown dialog (fills fields, presses buttons) and returns; the dialog's
    // result is then returned as ExecDialog's. Without one the dialog is rejected.
    std::deque<std::function<void(QDialog&)>> DialogActions;
    // Each stands for the user in one printer setup: changes the printer, returns accepted.
    std::deque<std::function<bool(QPrinter&, int minPage, int maxPage)>> PrinterSetups;

    std::vector<Asked> Messages;
    std::vector<TFileRequest> FileRequests;
    std::vector<TFontLimits> FontLimits; // the limits of each font asked within limits
    struct InputAsked {
        QString Caption;
        QString Label;
        QString Initial;
    };
    std::vector<InputAsked> InputRequests;
    QStringList Unexpected;

    TAnswer Message(TMessageKind kind, const QString& text, TButtons buttons) override;
    QString OpenFileName(const TFileRequest& request) override;
    QString SaveFileName(const TFileRequest& request) override;
    QString SaveFileNameWithOption(const TFileRequest& request, bool& checked) override;
    std::optional<QString> InputText(const QString& caption, const QString& label,
                                     const QString& initial) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    std::optional<QFont> ChooseFontWithin(const QFont& initial, const TFontLimits& limits) override;
    int ExecDialog(QDialog& dialog) override;
    bool PrinterSetup(QPrinter& printer, int minPage, int maxPage) override;

private:
    QString NextFileName(const TFileRequest& request, const QString& what);
};

// Installs scripted prompts for the life of a scope.
class ScopedPrompts {
public:
    ScopedPrompts() { SetPrompts(&Script); }
    ~ScopedPrompts() { SetPrompts(nullptr); }
    ScopedPrompts(const ScopedPrompts&) = delete;
    ScopedPrompts& operator=(const ScopedPrompts&) = delete;
    ScriptedPrompts Script;
};

} // namespace marklow
