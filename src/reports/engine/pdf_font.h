#pragma once
// Fonts of the report's own PDF writer: texts shaped once each into glyphs and positions,
// exactly as the painter's text drawing shapes them, and the glyphs used gathered for a
// subset of each font.

#include "fonts.h"

#include <QByteArray>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

namespace marklow {

// One run of glyphs of one font of a shaped text. X and Y are in report dots from the
// text's baseline origin (y down).
struct TShapedRun {
    int Font = 0;         // index into TPdfFontSet's fonts
    double PixelSize = 0; // dots
    std::vector<uint16_t> Glyphs;
    // What the PDF's text holds for each glyph. In the embedded font: the character itself
    // for printable ASCII, else 0x8000 plus the glyph. In the fonts of outlines: the font of
    // 255 glyphs times 256, plus the glyph's byte in it (1 to 255).
    std::vector<uint16_t> Codes;
    std::vector<double> X, Y;
    // Drawn from fonts of the glyphs' outlines (Type 3): the font has no TrueType outlines to
    // embed (CFF, bitmaps), or glyphs numbered past what the embedded font's codes reach.
    bool Type3 = false;
};

struct TShapedText {
    std::vector<TShapedRun> Runs;
    double Ascent = 0;  // dots, where the painter puts the baseline below the text's top
    double Height = 0;  // dots, ascent plus descent
    double Advance = 0; // dots
    // The glyphs' characters, in order, are the text; else the PDF gives the text itself
    // for searching and copying (shaped scripts, right to left, ligatures).
    bool Faithful = true;
};

// A font file as the PDF embeds it: the glyphs used, the rest left out.
struct TPdfFontData {
    QString PostScriptName;
    bool Outline = false;                          // has TrueType outlines a subset can be made of
    QByteArray File;                               // the subset font
    double Ascent = 0, Descent = 0, CapHeight = 0; // thousandths of an em
    double BBox[4] = {0, 0, 0, 0};
    double ItalicAngle = 0;
    std::vector<std::pair<uint16_t, double>> Widths;   // used glyphs, thousandths of an em
    std::vector<std::pair<uint16_t, QString>> Unicode; // by glyph
    std::vector<std::pair<uint8_t, uint16_t>> OneByte; // one-byte code, glyph
};

class TPdfFontSet {
public:
    TPdfFontSet();
    ~TPdfFontSet();
    TPdfFontSet(const TPdfFontSet&) = delete;
    TPdfFontSet& operator=(const TPdfFontSet&) = delete;

    // The text shaped in the report font; remembered, since reports repeat short texts.
    const TShapedText& Shape(const TFontStyle& style, const QString& text);
    int FontCount() const { return static_cast<int>(fonts_.size()); }
    const QRawFont& Raw(int font) const;
    // Whether the font can be embedded as a TrueType subset.
    bool Embeddable(int font) const;
    // Thousandths of an em the PDF advances after the glyph.
    double Width(int font, uint16_t glyph) const;
    // The fonts of outlines made of a font: how many, and the glyph of each byte from 1 on.
    int Type3Count(int font) const;
    const std::vector<uint16_t>& Type3Glyphs(int font, int slice) const;
    // The characters a glyph stands for, as far as known; empty when not.
    QString CharsOf(int font, uint16_t glyph) const;
    // The subset and the PDF's description of a font, once every page is written.
    TPdfFontData Data(int font) const;

private:
    struct TFont;
    struct TStyle;
    int FontIndex(const QRawFont& raw);
    TStyle& StyleOf(const TFontStyle& style);
    std::vector<std::unique_ptr<TFont>> fonts_;
    std::vector<std::unique_ptr<TStyle>> styles_;
};

// A TrueType font holding only the glyphs given (and the parts of composite glyphs), with
// glyph numbers unchanged; empty when the font has no TrueType outlines.
QByteArray SubsetTrueType(const QRawFont& font, const std::set<uint16_t>& glyphs);

} // namespace marklow
