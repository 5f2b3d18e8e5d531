#pragma once
// Whether a font can show a gradebook: names, entries and captions are Latin text, and a
// symbol or music font (or one for another script) would turn every cell into pictures.

#include <QFont>

namespace marklow {

// True when the font as the system resolves it has glyphs for the Latin letters and digits
// and is not a symbol font that maps them to pictures.
bool FontHasLatinGlyphs(const QFont& font);

} // namespace marklow
