#include "clipboard.h"

#include "gradebook_file.h"
#include "translations.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <new>

namespace marklow {

QString ClipboardMimeType(TClipboardFormat format) {
    return format == TClipboardFormat::Students
               ? QStringLiteral("application/x-qt-windows-mime;value=\"Marklow Student\"")
               : QStringLiteral("application/x-qt-windows-mime;value=\"Marklow Average\"");
}

const QMimeData* TSystemClipboard::MimeData() const {
    return QGuiApplication::clipboard()->mimeData();
}

void TSystemClipboard::SetMimeData(std::unique_ptr<QMimeData> data) {
    QGuiApplication::clipboard()->setMimeData(data.release()); // the clipboard owns it now
}

TMemoryClipboard::TMemoryClipboard() = default;
TMemoryClipboard::~TMemoryClipboard() = default;

std::unique_ptr<QMimeData> MakeClipboardMimeData(const TClipboardCopy& copy,
                                                 TClipboardFormat format) {
    auto data = std::make_unique<QMimeData>();
    data->setData(ClipboardMimeType(format),
                  QByteArray(copy.Block.data(), static_cast<qsizetype>(copy.Block.size())));
    data->setText(QString::fromStdString(copy.Text));
    return data;
}

std::optional<TClipboardNotice> CopyClipboard(const TGradebook& gb, TClipboardFormat format,
                                              TClipboard& clipboard) {
    std::optional<TClipboardCopy> copy;
    try {
        copy = BuildClipboardCopy(gb, format);
    } catch (const std::bad_alloc&) {
        return TClipboardNotice{
            TMessageKind::Error,
            QCoreApplication::translate("Clipboard", "Not enough memory to copy the class.")};
    }
    if (!copy) return std::nullopt;
    if (!copy->Error.empty()) return TClipboardNotice{TMessageKind::Error, CoreText(copy->Error)};
    clipboard.SetMimeData(MakeClipboardMimeData(*copy, format));
    if (!copy->LostTexts.empty())
        return TClipboardNotice{TMessageKind::Warning, CoreText(LostTextsMessage(copy->LostTexts))};
    return std::nullopt;
}

void CopyClipboardClick(const TGradebook& gb, TClipboardFormat format, TClipboard& clipboard) {
    if (auto notice = CopyClipboard(gb, format, clipboard))
        Prompts().Message(notice->Kind, notice->Text, TButtons::Ok);
}

TPasteRequest ReadPaste(const QMimeData* data, const TGradebook& gb) {
    if (!data) return TNothingToPaste{};
    for (TClipboardFormat format : {TClipboardFormat::Students, TClipboardFormat::Averages}) {
        const QString mime = ClipboardMimeType(format);
        if (!data->hasFormat(mime)) continue;
        const QByteArray bytes = data->data(mime);
        TStudentBlock block = ReadStudentBlock(
            std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        return PlanPaste(gb, format, block.Students, block.Complete);
    }
    if (!data->hasText()) return TNothingToPaste{};
    const QString text = data->text();
    if (text.isEmpty()) return TNothingToPaste{};
    TPlainTextNames names = ReadPlainTextNames(text.toStdString());
    if (!names.HasLineBreak) return TEditorPaste{text};
    return PlanNamesPaste(gb, names.Names);
}

} // namespace marklow
