#pragma once
// The clipboard side of Copy Students, Copy Averages and Paste: the program's two formats
// under their MIME names, a plain-text form for spreadsheets, and the reading of whatever the
// clipboard holds into what a paste does. The gradebook itself is changed only by applying
// the returned plan (ApplyPaste, in one undoable command).
//
// Two running copies of the program exchange classes through the system clipboard: on X11
// and Wayland the formats travel as the MIME types below, on Windows as the named formats.

#include "clipboard_data.h"
#include "prompts.h"

#include <QString>

#include <memory>
#include <optional>
#include <variant>

#include <QMimeData>

namespace marklow {

// MIME names of the "Marklow Student" and "Marklow Average" formats.
QString ClipboardMimeType(TClipboardFormat format);

// The clipboard the commands use; tests put a TMemoryClipboard in its place.
class TClipboard {
public:
    virtual ~TClipboard() = default;
    // What the clipboard holds; nullptr when nothing. Valid until the clipboard changes.
    virtual const QMimeData* MimeData() const = 0;
    // Replaces the clipboard's content.
    virtual void SetMimeData(std::unique_ptr<QMimeData> data) = 0;
};

// The desktop's clipboard (QGuiApplication::clipboard()).
class TSystemClipboard final : public TClipboard {
public:
    const QMimeData* MimeData() const override;
    void SetMimeData(std::unique_ptr<QMimeData> data) override;
};

class TMemoryClipboard final : public TClipboard {
public:
    TMemoryClipboard();
    ~TMemoryClipboard() override;
    const QMimeData* MimeData() const override { return data_.get(); }
    void SetMimeData(std::unique_ptr<QMimeData> data) override { data_ = std::move(data); }

private:
    std::unique_ptr<QMimeData> data_;
};

// The clipboard content of a copy: the block under its format's MIME name and the text.
std::unique_ptr<QMimeData> MakeClipboardMimeData(const TClipboardCopy& copy,
                                                 TClipboardFormat format);

// A message for the teacher after a copy.
struct TClipboardNotice {
    TMessageKind Kind = TMessageKind::Error;
    QString Text;
};

// Copy Students or Copy Averages (CopyClipboardClick). Without students the clipboard stays
// as it is. Returns an error when nothing could be copied (a class beyond the block's count),
// a warning when texts went with "?" in place of characters the block cannot hold, else
// nothing. Never throws.
std::optional<TClipboardNotice> CopyClipboard(const TGradebook& gb, TClipboardFormat format,
                                              TClipboard& clipboard);
// CopyClipboard, with its message shown through Prompts().
void CopyClipboardClick(const TGradebook& gb, TClipboardFormat format, TClipboard& clipboard);

// What Paste does with the clipboard's content.
struct TNothingToPaste {};
// Text without a line break: the focused control (the grid's cell editor) pastes it itself.
struct TEditorPaste {
    QString Text;
};
// Otherwise a plan to apply as one undoable step when it Changes(); its Error ("File Read
// Error", a cut-short block) is shown after applying, also when nothing changed.
using TPasteRequest = std::variant<TNothingToPaste, TEditorPaste, TPastePlan>;

// Reads the clipboard for Paste1Click: the student format before the average format, then
// plain text. Reading only; never throws.
TPasteRequest ReadPaste(const QMimeData* data, const TGradebook& gb);

} // namespace marklow
