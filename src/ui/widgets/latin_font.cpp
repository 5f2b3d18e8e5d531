#include "latin_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

namespace marklow {

bool FontHasLatinGlyphs(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) return false;
    for (QChar c : QStringLiteral("AaEeMmZz09"))
        if (!raw.supportsCharacter(c)) return false;
    // A symbol font (Wingdings and its kind) has glyphs at the letters' codes, but pictures.
    const QList<QFontDatabase::WritingSystem> systems =
        QFontDatabase::writingSystems(QFontInfo(font).family());
    return !(systems.contains(QFontDatabase::Symbol) && !systems.contains(QFontDatabase::Latin));
}

} // namespace marklow
